#include "controls/cards_button.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vantorn::controls {

TQexCardsButton::TQexCardsButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
}

void TQexCardsButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
  const double radius = r.height() / 2;
  QColor base = FColorSB;
  if (!isEnabled()) base = QColor(120, 110, 110);
  else if (isDown()) base = base.darker(130);
  else if (FHot) base = base.lighter(120);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, base.lighter(160));
  g.setColorAt(0.45, base);
  g.setColorAt(1, base.darker(150));
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  p.fillPath(path, g);
  p.setPen(QPen(base.darker(200), 1));
  p.drawPath(path);
  // The light on the upper half of the capsule.
  QPainterPath light;
  light.addRoundedRect(r.adjusted(radius / 2, 2, -radius / 2, -r.height() / 2), radius / 2, radius / 2);
  p.fillPath(light, QColor(255, 255, 255, isEnabled() ? 60 : 25));
  p.setPen(isEnabled() ? FColorText : QColor(200, 195, 195));
  p.setFont(font());
  p.drawText(rect(), Qt::AlignCenter, text());
  if (hasFocus()) {
    p.setPen(QPen(FColorText, 1, Qt::DotLine));
    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), radius - 3, radius - 3);
  }
}

}  // namespace vantorn::controls
