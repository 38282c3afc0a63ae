// The country flags (six strips of 14 by 12 pictures, one per continent, in the
// order of the country table) and the four cursors.
#include "decor.h"
#include "generators.h"
#include "paint.h"

#include <QImageWriter>
#include <QBuffer>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace assets {
namespace {

constexpr double kPi = 3.14159265358979323846;

QImage unknownFlag() {
  QImage img = canvas(14, 12, QColor(200, 200, 200));
  QPainter p(&img);
  p.setPen(QColor(120, 120, 120));
  p.drawRect(0, 0, 13, 11);
  p.setFont(font(kSans, 9, true));
  p.drawText(QRect(0, 0, 14, 12), Qt::AlignCenter, "?");
  return img;
}

QImage flag(const QString& region) {
  if (region.size() != 2 || region == "--") return unknownFlag();
  // Regional indicator letters make the flag emoji.
  QString e;
  for (QChar c : region) {
    const char32_t cp = char32_t(0x1F1E6 + (c.unicode() - 'A'));
    e += QString::fromUcs4(&cp, 1);
  }
  QImage big = emojiImage(e, 136, 136);
  if (big.isNull()) return unknownFlag();
  QImage out = canvas(14, 12);
  QPainter p(&out);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRect(0, 0, 14, 12), big);
  return out;
}

QByteArray pngWithText(const QImage& img, const QList<QPair<QString, QString>>& text) {
  QByteArray out;
  QBuffer buf(&out);
  buf.open(QIODevice::WriteOnly);
  QImageWriter w(&buf, "png");
  for (const auto& t : text) w.setText(t.first, t.second);
  w.write(img);
  return out;
}

QImage arrow(QColor fill) {
  QImage img = canvas(32, 32);
  QPainter p(&img);
  antialias(p);
  QPolygonF a;
  a << QPointF(1, 1) << QPointF(1, 22) << QPointF(6.5, 17) << QPointF(10.5, 26) << QPointF(14, 24.5) << QPointF(10, 16)
    << QPointF(17, 16);
  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(fill);
  p.drawPolygon(a);
  return img;
}

}  // namespace

void makeFlags(Sink& sink) {
  static const char* const names[6] = {"ILEuro", "ILAsia", "ILNAme", "ILSAme", "ILOcea", "ILAfri"};
  for (const QString& line : sourceData("countries.txt").split('\n')) {
    if (line.startsWith('#') || line.trimmed().isEmpty()) continue;
    const QStringList f = line.split('|');
    const int continent = f[0].toInt();
    if (f.size() != 2 || continent < 1 || continent > 6) continue;
    const QStringList regions = f[1].split(' ', Qt::SkipEmptyParts);
    QImage stripImg = canvas(14 * int(regions.size() + 1), 12);
    QPainter p(&stripImg);
    p.drawImage(0, 0, unknownFlag());
    for (int i = 0; i < regions.size(); ++i) p.drawImage(14 * (i + 1), 0, flag(regions[i]));
    p.end();
    sink.png(names[continent - 1], stripImg);
  }
}

void makeCursors(Sink& sink) {
  // "CURARROW": one 32 by 32 PNG; the hot spot is in the PNG text keys HotX and HotY.
  sink.raw("CURSOR", "CURARROW", pngWithText(arrow(QColor(220, 30, 30)), {{"HotX", "1"}, {"HotY", "1"}}), "png");
  // Animated cursors ("ANICURSOR"): a horizontal strip of 32 by 32 frames; text keys
  // Frames, HotX, HotY and Rate (milliseconds a frame).
  auto animated = [&](const QString& name, int frames, int hx, int hy, int rate,
                      const std::function<void(QPainter&, int)>& draw) {
    QImage s = canvas(32 * frames, 32);
    for (int f = 0; f < frames; ++f) {
      QImage fr = canvas(32, 32);
      QPainter p(&fr);
      antialias(p);
      draw(p, f);
      p.end();
      QPainter sp(&s);
      sp.drawImage(32 * f, 0, fr);
    }
    sink.raw("ANICURSOR", name,
             pngWithText(s, {{"Frames", QString::number(frames)}, {"HotX", QString::number(hx)},
                             {"HotY", QString::number(hy)}, {"Rate", QString::number(rate)}}), "png");
  };
  animated("CURHAND", 8, 10, 1, 90, [](QPainter& p, int f) {
    // A pointing hand whose finger taps.
    const double dy = std::fabs(std::sin(f * kPi / 8)) * 3;
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(255, 225, 190));
    p.drawRoundedRect(QRectF(7.5, 1 + dy, 5, 16), 2.5, 2.5);
    p.drawRoundedRect(QRectF(7, 12, 17, 14), 5, 5);
    for (int k = 0; k < 3; ++k) p.drawRoundedRect(QRectF(12.5 + k * 4, 10, 4, 8), 2, 2);
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRectF(9, 26, 13, 5));
  });
  animated("CURWAIT", 12, 16, 16, 80, [](QPainter& p, int f) {
    // A ring of card suits turning.
    for (int k = 0; k < 4; ++k) {
      const double a = (f * 30 + k * 90) * kPi / 180;
      p.setPen(Qt::NoPen);
      p.setBrush(k % 2 ? QColor(210, 20, 30) : QColor(20, 20, 20));
      p.drawPath(suitPath(Suit(k), QRectF(16 + 10 * std::cos(a) - 5, 16 + 10 * std::sin(a) - 5, 10, 10)));
    }
  });
  animated("CUREDIT", 6, 16, 16, 120, [](QPainter& p, int f) {
    // A text beam that glows and fades.
    const int alpha = 120 + int(135 * std::fabs(std::cos(f * kPi / 6)));
    p.setPen(QPen(QColor(200, 20, 30, alpha), 2));
    p.drawLine(QPointF(16, 5), QPointF(16, 27));
    p.drawLine(QPointF(12, 4), QPointF(20, 4));
    p.drawLine(QPointF(12, 28), QPointF(20, 28));
  });
}

}  // namespace assets
