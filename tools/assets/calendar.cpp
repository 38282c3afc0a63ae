// QexCalendar01.dll: the frame "R_BASE", the zodiac signs, the Chinese-year
// animals and the pictures of the holiday rows, 60 by 100 each with a
// transparent surround (the picture sits in the upper part, over the frame).
#include "decor.h"
#include "generators.h"
#include "paint.h"

#include <QLinearGradient>

#include <cstdio>

namespace assets {

void makeCalendar(Sink& sink) {
  {
    QImage base = canvas(60, 100);
    QPainter p(&base);
    antialias(p);
    QLinearGradient g(0, 0, 0, 100);
    g.setColorAt(0, QColor(255, 250, 230));
    g.setColorAt(1, QColor(235, 215, 170));
    p.setBrush(g);
    p.setPen(QPen(QColor(170, 120, 30), 2));
    p.drawRoundedRect(QRectF(1, 1, 58, 98), 6, 6);
    p.setPen(QPen(QColor(200, 30, 30), 1));
    p.drawLine(QPointF(6, 60), QPointF(54, 60));
    p.end();
    sink.png("R_BASE", base);
  }
  for (const QString& line : sourceData("calendar.txt").split('\n')) {
    if (line.startsWith('#') || line.trimmed().isEmpty()) continue;
    const QStringList f = line.split('|');
    if (f.size() != 2) {
      std::fprintf(stderr, "assetgen: bad line in calendar.txt: %s\n", qPrintable(line));
      continue;
    }
    QImage img = canvas(60, 100);
    QPainter p(&img);
    antialias(p);
    drawEmoji(p, QRectF(8, 8, 44, 46), f[1].trimmed());
    p.end();
    sink.png(f[0], img);
  }
}

}  // namespace assets
