#include "controls/cards_button.h"

#include "platform/resources.h"
#include "platform/resources_builtin.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vantorn::controls {

namespace {

constexpr QRgb kSilver = qRgb(0xC0, 0xC0, 0xC0);

// Hue of each scheme's body (the red pictures' red mapped by the scheme).
struct SchemeHue {
  TColorSB scheme;
  int hue;
};
constexpr SchemeHue kSchemeHues[] = {
    {TColorSB::DRed, 0},    {TColorSB::DOrang, 24},  {TColorSB::DYellow, 60}, {TColorSB::DGreen, 120},
    {TColorSB::DBlue, 180}, {TColorSB::DNavy, 240},  {TColorSB::DCards, 282}, {TColorSB::DViolet, 300}};

}  // namespace

TQexCardsButton::TQexCardsButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
  setCursor(Qt::PointingHandCursor);
  resize(100, 30);
}

const platform::Resources& TQexCardsButton::builtinResources() {
  static const platform::Resources res(platform::builtinResourceLibrary(), QString(), QString());
  return res;
}

void TQexCardsButton::setResources(const platform::Resources* resources) {
  FResources = resources;
  update();
}

void TQexCardsButton::setScheme(QColor base, QColor text) {
  const int hue = std::max(0, base.hsvHue());  // grey counts as red
  TColorSB best = TColorSB::DRed;
  int bestDistance = 360;
  for (const SchemeHue& s : kSchemeHues) {
    const int d = std::abs(hue - s.hue), distance = std::min(d, 360 - d);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = s.scheme;
    }
  }
  FColorSB = best;
  FFontColor = text;
  update();
}

void TQexCardsButton::setColorSB(TColorSB v) {
  if (v == FColorSB) return;
  FColorSB = v;
  update();
}

void TQexCardsButton::setHeightSB(THeightSB v) {
  FHeightSB = v;
  const int h = v == THeightSB::D30 ? 30 : v == THeightSB::D45 ? 45 : 60;
  resize(width(), h);
  update();
}

void TQexCardsButton::setKLightSB(int v) {
  v = std::clamp(v, 0, 100);
  if (v == FKLightSB) return;
  FKLightSB = v;
  update();
}

QSize TQexCardsButton::sizeHint() const {
  const QFontMetrics fm(font());
  const QImage g = glyph();
  const int textWidth = fm.horizontalAdvance(QString(text()).remove(QLatin1Char('&')));
  const int w = textWidth + 40 + (g.isNull() ? 0 : g.width() + 10);
  return {std::max(100, w), std::max(30, fm.height() + 8)};
}

QSize TQexCardsButton::minimumSizeHint() const { return {30, 30}; }

QImage TQexCardsButton::glyph() const {
  if (!FGlyph.isNull()) return FGlyph;
  if (icon().isNull()) return {};
  return icon().pixmap(iconSize()).toImage();
}

void TQexCardsButton::enterEvent(QEnterEvent* e) {
  QPushButton::enterEvent(e);
  FMouseInPos = true;
  update();
  Q_EMIT OnMouseEnter();
}

void TQexCardsButton::leaveEvent(QEvent* e) {
  QPushButton::leaveEvent(e);
  FMouseInPos = false;
  update();
  Q_EMIT OnMouseLeave();
}

void TQexCardsButton::focusInEvent(QFocusEvent* e) {
  QPushButton::focusInEvent(e);
  IsFocused = true;
}

void TQexCardsButton::focusOutEvent(QFocusEvent* e) {
  QPushButton::focusOutEvent(e);
  IsFocused = isDefault();
}

void TQexCardsButton::paintEvent(QPaintEvent*) {
  const int w = width(), h = height();
  const TCapsuleMetrics m = CapsuleMetrics(h);
  const platform::Resources& res = FResources ? *FResources : builtinResources();
  const TCapsuleLook look{FColorSB, FKLightSB, FVell, FSmooth};
  QImage work = PaintCapsule(look, w, h, [&res](const QString& name) {
    QImage img;
    platform::LoadPackPng(res, name, QString(), img);
    return img;
  });

  // The glyph goes onto the capsule before it is put on the button.
  const QImage g = glyph();
  const int glyphInset = m.native == 1 ? 15 : m.native == 2 ? 18 : m.native == 3 ? 20 : int(std::lround(1.6 * m.q));
  if (!g.isNull()) {
    const int y = int(std::lround((h - g.height() - 1) / 2.0));
    int x = glyphInset;
    if (FLayout == TButtonLayout::blGlyphRight) x = w - g.width() - glyphInset;
    else if (FLayout == TButtonLayout::blGlyphTop || FLayout == TButtonLayout::blGlyphBottom)
      x = int(std::lround((w - g.width()) / 2.0));
    QPainter gp(&work);
    gp.drawImage(x, y, g);
  }

  const bool pressed = isDown();
  QPainter p(this);
  p.drawImage(pressed ? QPoint(1, 1) : QPoint(0, 0), work);

  QColor colour = FFontColor;
  if (FLightFont && FMouseInPos) colour = FColorMouse;
  if (!isEnabled()) colour = FGrayDis ? QColor(kSilver) : FFontColor;
  QRect textRect = rect();
  if (pressed) textRect.translate(1, 1);
  if (FVell) textRect.translate(0, -1);
  int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
  if (FMargin == -1) {
    flags |= Qt::AlignHCenter;
  } else {
    flags |= Qt::AlignLeft;
    const int shift = (g.isNull() ? 0 : g.width()) +
                      (m.native == 1 ? 25 : m.native == 2 ? 28 : m.native == 3 ? 30 : int(std::lround(1.6 * m.q)) + 10);
    if (FLayout == TButtonLayout::blGlyphLeft) textRect.setLeft(textRect.left() + shift);
    else if (FLayout == TButtonLayout::blGlyphRight) textRect.setRight(textRect.right() - shift);
  }
  p.setPen(colour);
  p.setFont(font());
  p.drawText(textRect, flags, text());

  const TOwnerDrawState state{pressed, hasFocus(), !isEnabled()};
  Q_EMIT OnDrawButton(&p, rect(), state);

  if (state.focused && IsFocused && FKontur && !FVell) {
    const TFocusDots dots = FocusDots(w, h);
    const int shift = pressed ? 1 : 0;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(FocusDotColour(FColorSB)));
    for (int x : {dots.leftX, dots.rightX})
      p.drawEllipse(QRectF(x + shift, dots.top + shift, dots.d, dots.d));
  }
}

}  // namespace vantorn::controls
