// QexRadio02.dll: the radio window's pictures and the station logos.
#include "decor.h"
#include "generators.h"
#include "paint.h"

#include <QLinearGradient>

namespace assets {
namespace {

QImage radioSet(QColor lamp) {
  QImage img = canvas(160, 120);
  QPainter p(&img);
  antialias(p);
  QLinearGradient wood(0, 0, 0, 120);
  wood.setColorAt(0, QColor(160, 95, 45));
  wood.setColorAt(1, QColor(95, 50, 20));
  p.setPen(QPen(QColor(60, 30, 10), 2));
  p.setBrush(wood);
  p.drawRoundedRect(QRectF(4, 14, 152, 100), 16, 16);
  p.setBrush(QColor(230, 215, 170));
  p.drawRoundedRect(QRectF(16, 26, 80, 76), 8, 8);
  p.setPen(QPen(QColor(120, 90, 50), 1));
  for (int y = 32; y < 100; y += 6) p.drawLine(QPointF(20, y), QPointF(92, y));
  p.setPen(QPen(QColor(60, 30, 10), 2));
  p.setBrush(QColor(210, 190, 140));
  p.drawEllipse(QRectF(108, 32, 34, 34));
  p.drawEllipse(QRectF(112, 74, 26, 26));
  p.setBrush(lamp);
  p.drawEllipse(QRectF(119, 2, 14, 14));
  p.drawLine(QPointF(40, 14), QPointF(20, 0));
  return img;
}

QImage logo(const QString& text, QColor a, QColor b) {
  QImage img = canvas(130, 70);
  QPainter p(&img);
  antialias(p);
  QLinearGradient g(0, 0, 130, 70);
  g.setColorAt(0, a);
  g.setColorAt(1, b);
  p.setPen(QPen(b.darker(150), 2));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(2, 2, 126, 66), 12, 12);
  drawFittedText(p, QRectF(8, 8, 114, 54), text, kSans, true, Qt::white, QColor(0, 0, 0, 140));
  return img;
}

}  // namespace

void makeRadio(Sink& sink) {
  sink.png("RRADIO_MAING", radioSet(QColor(40, 220, 70)));
  sink.png("RRADIO_MAINR", radioSet(QColor(230, 40, 30)));
  QImage frame = plate(140, 90, QColor(60, 60, 70), 10);
  {
    QPainter p(&frame);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(QRect(5, 10, 130, 70), Qt::transparent);
  }
  sink.png("RRADIO_RAMKA", frame);
  for (int v = 0; v <= 10; ++v) {
    QImage img = canvas(110, 20);
    QPainter p(&img);
    antialias(p);
    for (int k = 0; k < 10; ++k) {
      const QColor c = k < v ? QColor::fromHsv(120 - k * 12, 220, 230) : QColor(90, 90, 90, 120);
      p.setPen(Qt::NoPen);
      p.setBrush(c);
      const double hh = 4 + k * 1.5;
      p.drawRect(QRectF(2 + k * 10.8, 19 - hh, 8, hh));
    }
    p.end();
    sink.png(QString("RRADIO_VOLUME%1").arg(v, 2, 10, QChar('0')), img);
  }
  const struct { const char* name; const char* text; QColor a, b; } logos[] = {
      {"RRADIO_LOGO_AVTORADIO", "AVTO radio", QColor(240, 60, 40), QColor(120, 10, 20)},
      {"RRADIO_LOGO_RADIOUN", "Radio ?", QColor(120, 120, 130), QColor(50, 50, 60)},
      {"RRADIO_LOGO_CLASSIC", "Classic", QColor(200, 170, 90), QColor(90, 60, 20)},
      {"RRADIO_LOGO_JAZZ", "Jazz", QColor(60, 90, 200), QColor(20, 20, 80)},
      {"RRADIO_LOGO_ROCK", "Rock", QColor(60, 60, 60), QColor(10, 10, 10)},
      {"RRADIO_LOGO_POP", "Pop", QColor(240, 90, 200), QColor(120, 20, 120)},
      {"RRADIO_LOGO_NEWS", "News", QColor(40, 140, 220), QColor(10, 50, 110)},
      {"RRADIO_LOGO_DANCE", "Dance", QColor(250, 170, 30), QColor(170, 60, 10)},
      {"RRADIO_LOGO_RETRO", "Retro", QColor(60, 170, 140), QColor(20, 80, 60)},
      {"RRADIO_LOGO_CHANSON", "Chanson", QColor(170, 40, 80), QColor(70, 10, 30)}};
  for (const auto& l : logos) sink.png(l.name, logo(l.text, l.a, l.b));
}

}  // namespace assets
