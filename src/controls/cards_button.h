// TQexCardsButton: the program's own button, a rounded capsule with a light top edge and
// the caption in the decorative font. Used for every button of the table and the menu.
#pragma once

#include <QColor>
#include <QPushButton>

namespace vantorn::controls {

class TQexCardsButton : public QPushButton {
  Q_OBJECT
 public:
  explicit TQexCardsButton(const QString& text = {}, QWidget* parent = nullptr);

  // The capsule's base colour (red by default) and the caption's colour.
  void setScheme(QColor base, QColor text) {
    FColorSB = base;
    FColorText = text;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override;
  void enterEvent(QEnterEvent*) override { FHot = true; update(); }
  void leaveEvent(QEvent*) override { FHot = false; update(); }

 private:
  QColor FColorSB{178, 24, 28};
  QColor FColorText{255, 255, 255};
  bool FHot = false;
};

}  // namespace vantorn::controls
