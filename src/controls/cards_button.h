// TQexCardsButton: the program's push button, a glossy capsule in one of eight
// colour schemes built from the built-in capsule pictures ("R29_L" ... "Q59_2",
// red with a transparent surround), with an optional glyph, a hover colour for
// the text and two focus dots.
//
// Every paint rebuilds the picture from the resources (capsule.h does the
// drawing); between paints the button keeps only its properties, the hover
// flag and the default flag. The pictures come from the shared read-only
// built-in library unless setResources() names another set, which must outlive
// the button. Used on the user-interface thread only.
#pragma once

#include "controls/capsule.h"

#include <QColor>
#include <QImage>
#include <QPainter>  // complete for connections to OnDrawButton
#include <QPushButton>

namespace vantorn::platform {
class Resources;
}

namespace vantorn::controls {

// Where the glyph sits relative to the text.
enum class TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The item state a paint was made in, handed to OnDrawButton.
struct TOwnerDrawState {
  bool selected = false;  // pressed
  bool focused = false;
  bool disabled = false;
};

class TQexCardsButton : public QPushButton {
  Q_OBJECT
 public:
  explicit TQexCardsButton(const QString& text = {}, QWidget* parent = nullptr);

  // The built-in capsule pictures, shared and read-only.
  static const platform::Resources& builtinResources();
  // Another picture set (not owned; nullptr returns to the built-in one).
  void setResources(const platform::Resources* resources);

  // The scheme nearest in hue to `base`, and the text colour.
  void setScheme(QColor base, QColor text);

  TColorSB ColorSB() const { return FColorSB; }
  void setColorSB(TColorSB v);
  QColor ColorMouse() const { return FColorMouse; }
  void setColorMouse(QColor v) { FColorMouse = v; update(); }
  bool LightFont() const { return FLightFont; }
  void setLightFont(bool v) { FLightFont = v; update(); }
  bool GrayDis() const { return FGrayDis; }
  void setGrayDis(bool v) { FGrayDis = v; update(); }
  THeightSB HeightSB() const { return FHeightSB; }
  // Also sets the height to 30, 45 or 60.
  void setHeightSB(THeightSB v);
  int KLightSB() const { return FKLightSB; }
  void setKLightSB(int v);  // clamped to 0..100
  bool Kontur() const { return FKontur; }
  void setKontur(bool v) { FKontur = v; update(); }
  bool Smooth() const { return FSmooth; }
  void setSmooth(bool v) { FSmooth = v; update(); }
  bool Vell() const { return FVell; }
  void setVell(bool v) { FVell = v; update(); }
  bool MouseInPos() const { return FMouseInPos; }

  // The text colour (the font colour of the button).
  QColor fontColor() const { return FFontColor; }
  void setFontColor(QColor v) { FFontColor = v; update(); }
  // The glyph: drawn with its alpha. Without one, the push button's icon serves.
  void setGlyph(const QImage& glyph) { FGlyph = glyph; update(); }
  TButtonLayout glyphLayout() const { return FLayout; }
  void setGlyphLayout(TButtonLayout v) { FLayout = v; update(); }
  // -1 centres the text; any other value puts it after the glyph.
  int margin() const { return FMargin; }
  void setMargin(int v) { FMargin = v; update(); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 Q_SIGNALS:
  void OnMouseEnter();
  void OnMouseLeave();
  // After the capsule, the glyph and the text are drawn, before the focus dots.
  void OnDrawButton(QPainter* painter, QRect rect, vantorn::controls::TOwnerDrawState state);

 protected:
  void paintEvent(QPaintEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;

 private:
  QImage glyph() const;

  const platform::Resources* FResources = nullptr;
  bool IsFocused = false;
  QColor FColorMouse{255, 255, 0};
  bool FLightFont = false;
  TColorSB FColorSB = TColorSB::DRed;
  int FKLightSB = 0;
  THeightSB FHeightSB = THeightSB::D30;
  bool FGrayDis = false;
  bool FMouseInPos = false;
  bool FKontur = true;
  bool FSmooth = true;
  bool FVell = false;
  QColor FFontColor{255, 255, 255};
  QImage FGlyph;
  TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
  int FMargin = -1;
};

}  // namespace vantorn::controls
