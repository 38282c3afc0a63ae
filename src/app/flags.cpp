#include "app/flags.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace vantorn::app {

namespace {

void bands(QPainter& p, const QRectF& r, std::initializer_list<QColor> colours, bool vertical,
           std::initializer_list<double> weights = {}) {
  double total = 0;
  for (double w : weights) total += w;
  const int n = static_cast<int>(colours.size());
  double at = 0;
  int i = 0;
  for (const QColor& c : colours) {
    const double w = weights.size() == colours.size() ? *(weights.begin() + i) / total : 1.0 / n;
    const QRectF band = vertical ? QRectF(r.left() + at * r.width(), r.top(), w * r.width(), r.height())
                                 : QRectF(r.left(), r.top() + at * r.height(), r.width(), w * r.height());
    p.fillRect(band, c);
    at += w;
    ++i;
  }
}

QPolygonF star(QPointF centre, double outer, double rotation = 0) {
  QPolygonF poly;
  for (int k = 0; k < 10; ++k) {
    const double radius = (k % 2 == 0) ? outer : outer * 0.38;
    const double a = -std::numbers::pi / 2 + rotation + k * std::numbers::pi / 5;
    poly << QPointF(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a));
  }
  return poly;
}

void unitedKingdom(QPainter& p, const QRectF& r) {
  const QColor blue(1, 33, 105), red(200, 16, 46);
  p.fillRect(r, blue);
  const double w = r.width(), h = r.height();
  p.setPen(QPen(Qt::white, h * 0.2));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.bottomLeft(), r.topRight());
  p.setPen(QPen(red, h * 0.07));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.bottomLeft(), r.topRight());
  p.setPen(Qt::NoPen);
  p.fillRect(QRectF(r.left() + w * 0.4, r.top(), w * 0.2, h), Qt::white);
  p.fillRect(QRectF(r.left(), r.top() + h * 0.333, w, h * 0.334), Qt::white);
  p.fillRect(QRectF(r.left() + w * 0.44, r.top(), w * 0.12, h), red);
  p.fillRect(QRectF(r.left(), r.top() + h * 0.4, w, h * 0.2), red);
}

void china(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(222, 41, 16));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 222, 0));
  const double u = r.height() / 20.0;
  p.drawPolygon(star(r.topLeft() + QPointF(5 * u, 5 * u), 3 * u));
  const QPointF small[] = {{10, 2}, {12, 4}, {12, 7}, {10, 9}};
  for (const QPointF& s : small) p.drawPolygon(star(r.topLeft() + s * u, u, 0.3));
}

void czech(QPainter& p, const QRectF& r) {
  bands(p, r, {Qt::white, QColor(215, 20, 26)}, false);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(17, 69, 126));
  p.drawPolygon(QPolygonF({r.topLeft(), QPointF(r.left() + r.width() / 2, r.center().y()), r.bottomLeft()}));
}

void japan(QPainter& p, const QRectF& r) {
  p.fillRect(r, Qt::white);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(188, 0, 45));
  const double radius = r.height() * 0.3;
  p.drawEllipse(r.center(), radius, radius);
}

void korea(QPainter& p, const QRectF& r) {
  p.fillRect(r, Qt::white);
  const double radius = r.height() * 0.25;
  const QPointF c = r.center();
  const QColor red(205, 46, 58), blue(0, 71, 160);
  // The yin-yang circle: red above, blue below, each half bulging into the other.
  QPainterPath top;
  top.moveTo(c.x() - radius, c.y());
  top.arcTo(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), 180, -180);
  top.arcTo(QRectF(c.x(), c.y() - radius / 2, radius, radius), 0, -180);
  top.arcTo(QRectF(c.x() - radius, c.y() - radius / 2, radius, radius), 0, 180);
  p.setPen(Qt::NoPen);
  p.setBrush(blue);
  p.drawEllipse(c, radius, radius);
  p.setBrush(red);
  p.drawPath(top);
  // Four trigrams, reduced to short black bars in the corners.
  p.setPen(QPen(Qt::black, std::max(1.0, r.height() / 14)));
  const double dx = r.width() * 0.3, dy = r.height() * 0.3, len = r.height() * 0.1;
  const QPointF corners[] = {{-dx, -dy}, {dx, dy}, {dx, -dy}, {-dx, dy}};
  for (const QPointF& k : corners) {
    const QPointF m = c + k;
    const double sx = (k.x() * k.y() > 0) ? 1 : -1;
    for (int bar = -1; bar <= 1; ++bar) {
      const QPointF off(bar * len * 0.5 * sx, -bar * len * 0.5);
      p.drawLine(m + off + QPointF(-len * 0.6, -len * 0.6 * sx), m + off + QPointF(len * 0.6, len * 0.6 * sx));
    }
  }
}

}  // namespace

QImage languageFlag(int language, QSize size) {
  QImage img(size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0, 0, size.width(), size.height());
  switch (language) {
    case 1: bands(p, r, {Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)}, false); break;
    case 2: bands(p, r, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)}, false); break;
    case 3: bands(p, r, {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)}, true); break;
    case 4: bands(p, r, {QColor(170, 21, 27), QColor(241, 191, 0), QColor(170, 21, 27)}, false, {1, 2, 1}); break;
    case 5: china(p, r); break;
    case 6: bands(p, r, {QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)}, true); break;
    case 7: czech(p, r); break;
    case 8: japan(p, r); break;
    case 9: korea(p, r); break;
    default: unitedKingdom(p, r); break;
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  p.setPen(QColor(60, 60, 60));
  p.drawRect(QRect(0, 0, size.width() - 1, size.height() - 1));
  return img;
}

QIcon languageFlagIcon(int language) {
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(languageFlag(language, QSize(24, 16))));
  icon.addPixmap(QPixmap::fromImage(languageFlag(language, QSize(48, 32))));
  return icon;
}

}  // namespace vantorn::app
