#include "paint.h"

#include <QFontMetricsF>

#include <cmath>

namespace assets {

QPainterPath suitPath(Suit s, const QRectF& b) {
  QPainterPath p;
  const double x = b.x(), y = b.y(), w = b.width(), h = b.height();
  auto P = [&](double fx, double fy) { return QPointF(x + fx * w, y + fy * h); };
  switch (s) {
    case Suit::Hearts:
      p.moveTo(P(0.5, 0.25));
      p.cubicTo(P(0.5, 0.05), P(0.05, -0.02), P(0.03, 0.3));
      p.cubicTo(P(0.02, 0.55), P(0.3, 0.72), P(0.5, 0.97));
      p.cubicTo(P(0.7, 0.72), P(0.98, 0.55), P(0.97, 0.3));
      p.cubicTo(P(0.95, -0.02), P(0.5, 0.05), P(0.5, 0.25));
      break;
    case Suit::Diamonds:
      p.moveTo(P(0.5, 0.0));
      p.quadTo(P(0.68, 0.3), P(0.9, 0.5));
      p.quadTo(P(0.68, 0.7), P(0.5, 1.0));
      p.quadTo(P(0.32, 0.7), P(0.1, 0.5));
      p.quadTo(P(0.32, 0.3), P(0.5, 0.0));
      break;
    case Suit::Clubs: {
      const double r = 0.215;
      p.addEllipse(P(0.5, 0.25), r * w, r * h);
      p.addEllipse(P(0.255, 0.56), r * w, r * h);
      p.addEllipse(P(0.745, 0.56), r * w, r * h);
      QPainterPath stem;
      stem.moveTo(P(0.45, 0.5));
      stem.quadTo(P(0.45, 0.85), P(0.3, 1.0));
      stem.lineTo(P(0.7, 1.0));
      stem.quadTo(P(0.55, 0.85), P(0.55, 0.5));
      stem.closeSubpath();
      p.addPolygon(QPolygonF() << P(0.42, 0.45) << P(0.58, 0.45) << P(0.58, 0.6) << P(0.42, 0.6));
      p = p.united(stem);
      p.setFillRule(Qt::WindingFill);
      p = p.simplified();
      break;
    }
    case Suit::Spades: {
      p.moveTo(P(0.5, 0.0));
      p.cubicTo(P(0.3, 0.25), P(0.02, 0.4), P(0.04, 0.62));
      p.cubicTo(P(0.06, 0.85), P(0.38, 0.88), P(0.48, 0.7));
      p.quadTo(P(0.46, 0.9), P(0.3, 1.0));
      p.lineTo(P(0.7, 1.0));
      p.quadTo(P(0.54, 0.9), P(0.52, 0.7));
      p.cubicTo(P(0.62, 0.88), P(0.94, 0.85), P(0.96, 0.62));
      p.cubicTo(P(0.98, 0.4), P(0.7, 0.25), P(0.5, 0.0));
      break;
    }
  }
  return p;
}

QImage canvas(int w, int h, QColor fill) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(fill);
  return img;
}

void antialias(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont font(const QString& family, double pixelSize, bool bold) {
  QFont f(family);
  f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

void drawText(QPainter& p, const QRectF& box, const QString& text, const QFont& f, QColor c, QColor shadow,
              int flags) {
  p.setFont(f);
  if (shadow.alpha() > 0) {
    p.setPen(shadow);
    p.drawText(box.translated(1, 1), flags, text);
  }
  p.setPen(c);
  p.drawText(box, flags, text);
}

void drawFittedText(QPainter& p, const QRectF& box, const QString& text, const QString& family, bool bold,
                    QColor c, QColor shadow) {
  double size = box.height() * 0.8;
  QFont f = font(family, size, bold);
  while (size > 6) {
    f = font(family, size, bold);
    const QRectF r = QFontMetricsF(f).boundingRect(box, Qt::AlignCenter, text);
    if (r.width() <= box.width() && r.height() <= box.height()) break;
    size *= 0.92;
  }
  drawText(p, box, text, f, c, shadow);
}

QImage emojiImage(const QString& emoji, int w, int h) {
  // The colour emoji font only has bitmaps at 109 px; draw there, then scale.
  QImage big = canvas(160, 160);
  {
    QPainter p(&big);
    antialias(p);
    QFont f("Noto Color Emoji");
    f.setPixelSize(109);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 0, 160, 160), Qt::AlignCenter, emoji);
  }
  // Crop to the drawn pixels so that every emoji fills its box the same way.
  int x0 = 160, y0 = 160, x1 = -1, y1 = -1;
  for (int y = 0; y < 160; ++y)
    for (int x = 0; x < 160; ++x)
      if (qAlpha(big.pixel(x, y)) > 8) {
        x0 = std::min(x0, x); x1 = std::max(x1, x);
        y0 = std::min(y0, y); y1 = std::max(y1, y);
      }
  if (x1 < 0) return canvas(w, h);
  QImage crop = big.copy(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
  return crop.scaled(w, h, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void drawEmoji(QPainter& p, const QRectF& box, const QString& emoji) {
  const QImage img = emojiImage(emoji, int(box.width()), int(box.height()));
  p.drawImage(QPointF(box.x() + (box.width() - img.width()) / 2, box.y() + (box.height() - img.height()) / 2), img);
}

QColor mix(QColor a, QColor b, double t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

}  // namespace assets
