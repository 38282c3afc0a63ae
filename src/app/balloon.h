// Balloon hints: a rounded box with a title and a text and an arrow pointing at the
// centre of a control. It opens from that centre in 200 ms, and closes when its time
// is up or when the pointer leaves the control. Used on the user-interface thread only.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QPropertyAnimation>
#include <QTimer>
#include <QWidget>

namespace vantorn::app {

// Where the arrow sits on the balloon (and so on which side of the control it opens).
enum class BalloonArrow { TopLeft, TopRight, BottomLeft, BottomRight };
// The sign before the title.
enum class BalloonKind { None, Info, Warning, Error };

// A colour given as 0x00BBGGRR.
QColor fromColorRef(unsigned bgr);

struct BalloonLook {
  QString fontName = QStringLiteral("Comic Sans MS");  // a settings font name
  int fontSize = 9;                                    // points of the text; the title is bold
  int durationMs = 5000;
  QColor border = fromColorRef(0x0000FF);              // the main window's hover balloons:
  QColor background = fromColorRef(0xE1FFFF);          // red border, pale yellow box,
  QColor title = fromColorRef(0x0000FF);               // red title,
  QColor text = fromColorRef(0x000080);                // maroon text
};

class TBalloon : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kOpenMs = 200;

  TBalloon(const QString& title, const QString& text, QWidget* control, BalloonArrow arrow, BalloonKind kind,
           const BalloonLook& look);
  // The place of the open balloon, in global coordinates.
  QRect openGeometry() const { return FOpen; }
  // True once the opening animation is over.
  bool isOpen() const { return FOpened; }
  QString title() const { return FTitle; }
  QString text() const { return FText; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  QImage render() const;

  QString FTitle, FText;
  QPointer<QWidget> FControl;
  BalloonArrow FArrow;
  BalloonKind FKind;
  BalloonLook FLook;
  QFont FTitleFont, FTextFont;
  QRect FOpen;
  QImage FPicture;
  bool FOpened = false;
  QPropertyAnimation FGrow;
  QTimer FLife;
};

// Shows a balloon at `control` (it deletes itself when it closes).
TBalloon* ShowBalloon(const QString& title, const QString& text, const QString& fontName, QWidget* control,
                      BalloonArrow arrow, BalloonKind kind, int fontSize, int durationMs, unsigned borderColour,
                      unsigned backgroundColour, unsigned titleColour, unsigned textColour);

// Shows the main window's hover balloon (BalloonLook's defaults) whenever the pointer
// enters `control`; one balloon at a time.
void AttachHoverBalloon(QWidget* control, const QString& title, const QString& text,
                        const BalloonLook& look = {});

}  // namespace vantorn::app
