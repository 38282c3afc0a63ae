#include "app/balloon.h"

#include <QBitmap>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "table/fonts.h"

namespace vantorn::app {

namespace {

constexpr int kArrow = 14;   // the arrow's height
constexpr int kPad = 8;      // inner margin of the box
constexpr int kMaxText = 320;

bool arrowOnTop(BalloonArrow a) { return a == BalloonArrow::TopLeft || a == BalloonArrow::TopRight; }
bool arrowOnLeft(BalloonArrow a) { return a == BalloonArrow::TopLeft || a == BalloonArrow::BottomLeft; }

QString kindSign(BalloonKind k) {
  switch (k) {
    case BalloonKind::Info: return QStringLiteral("\u2139 ");
    case BalloonKind::Warning: return QStringLiteral("\u26A0 ");
    case BalloonKind::Error: return QStringLiteral("\u2716 ");
    case BalloonKind::None: break;
  }
  return {};
}

}  // namespace

QColor fromColorRef(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

TBalloon::TBalloon(const QString& title, const QString& text, QWidget* control, BalloonArrow arrow, BalloonKind kind,
                   const BalloonLook& look)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint),
      FTitle(title),
      FText(text),
      FControl(control),
      FArrow(arrow),
      FKind(kind),
      FLook(look),
      FGrow(this, "geometry") {
  setObjectName(QStringLiteral("Balloon"));
  setAttribute(Qt::WA_DeleteOnClose);
  const QString family = QString::fromStdString(table::freeFontFamily(look.fontName.toStdString()));
  FTextFont = QFont(family);
  FTextFont.setPointSize(std::max(1, look.fontSize));
  FTitleFont = FTextFont;
  FTitleFont.setBold(true);

  // The box: the title over the text, the text wrapped at kMaxText.
  const QFontMetrics tm(FTitleFont), xm(FTextFont);
  const QRect titleRect = tm.boundingRect(kindSign(kind) + title);
  const QRect textRect = xm.boundingRect(QRect(0, 0, kMaxText, 2000), Qt::TextWordWrap, text);
  const int w = std::max({titleRect.width(), textRect.width(), 3 * kArrow}) + 2 * kPad;
  const int h = (title.isEmpty() ? 0 : tm.height() + 4) + textRect.height() + 2 * kPad + kArrow;

  // The arrow's tip at the control's centre.
  const QPoint tip = control ? control->mapToGlobal(control->rect().center()) : QPoint(0, 0);
  const int tipX = arrowOnLeft(arrow) ? 2 * kArrow : w - 2 * kArrow;
  FOpen = QRect(tip.x() - tipX, arrowOnTop(arrow) ? tip.y() : tip.y() - h, w, h);
  FPicture = render();

  FGrow.setDuration(kOpenMs);
  FGrow.setStartValue(QRect(tip, QSize(1, 1)));
  FGrow.setEndValue(FOpen);
  connect(&FGrow, &QPropertyAnimation::finished, this, [this] { FOpened = true; });
  FLife.setSingleShot(true);
  connect(&FLife, &QTimer::timeout, this, &QWidget::close);
  if (control) control->installEventFilter(this);

  setGeometry(QRect(tip, QSize(1, 1)));
  show();
  FGrow.start();
  FLife.start(std::max(0, look.durationMs));
}

bool TBalloon::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FControl && (event->type() == QEvent::Leave || event->type() == QEvent::Hide)) close();
  return false;
}

QImage TBalloon::render() const {
  QImage img(FOpen.size(), QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const bool top = arrowOnTop(FArrow);
  const QRectF box(0.5, top ? kArrow + 0.5 : 0.5, img.width() - 1.0, img.height() - kArrow - 1.0);
  const qreal tipX = arrowOnLeft(FArrow) ? 2 * kArrow : img.width() - 2 * kArrow;
  QPainterPath path;
  path.addRoundedRect(box, 8, 8);
  QPainterPath arrow;
  const qreal baseY = top ? box.top() + 1 : box.bottom() - 1;
  arrow.moveTo(tipX, top ? 0.5 : img.height() - 0.5);
  const qreal dir = arrowOnLeft(FArrow) ? 1 : -1;
  arrow.lineTo(tipX + dir * 2, baseY);
  arrow.lineTo(tipX + dir * (2 + kArrow), baseY);
  arrow.closeSubpath();
  path = path.united(arrow);
  p.setPen(QPen(FLook.border, 1));
  p.setBrush(FLook.background);
  p.drawPath(path);
  int y = static_cast<int>(box.top()) + kPad;
  if (!FTitle.isEmpty()) {
    p.setFont(FTitleFont);
    p.setPen(FLook.title);
    const QFontMetrics tm(FTitleFont);
    p.drawText(kPad, y + tm.ascent(), kindSign(FKind) + FTitle);
    y += tm.height() + 4;
  }
  p.setFont(FTextFont);
  p.setPen(FLook.text);
  p.drawText(QRect(kPad, y, img.width() - 2 * kPad, img.height() - y), Qt::TextWordWrap, FText);
  return img;
}

void TBalloon::resizeEvent(QResizeEvent*) {
  // The window takes the balloon's shape (no desktop compositor is needed for it).
  const QImage shape = FPicture.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  if (!shape.isNull()) setMask(QBitmap::fromImage(shape.createAlphaMask()));
}

void TBalloon::paintEvent(QPaintEvent*) {
  // While it opens, the whole balloon is drawn shrunk into the current size; the edge's
  // half-covered pixels blend into the box colour.
  QPainter p(this);
  p.fillRect(rect(), FLook.background);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(rect(), FPicture);
}

TBalloon* ShowBalloon(const QString& title, const QString& text, const QString& fontName, QWidget* control,
                      BalloonArrow arrow, BalloonKind kind, int fontSize, int durationMs, unsigned borderColour,
                      unsigned backgroundColour, unsigned titleColour, unsigned textColour) {
  BalloonLook look;
  look.fontName = fontName;
  look.fontSize = fontSize;
  look.durationMs = durationMs;
  look.border = fromColorRef(borderColour);
  look.background = fromColorRef(backgroundColour);
  look.title = fromColorRef(titleColour);
  look.text = fromColorRef(textColour);
  return new TBalloon(title, text, control, arrow, kind, look);
}

namespace {

// Opens the balloon when the pointer enters the control it watches.
class HoverBalloon : public QObject {
 public:
  HoverBalloon(QWidget* control, QString title, QString text, BalloonLook look)
      : QObject(control), title_(std::move(title)), text_(std::move(text)), look_(std::move(look)) {
    setObjectName(QStringLiteral("HoverBalloon"));
    control->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Enter && !open_)
      open_ = new TBalloon(title_, text_, static_cast<QWidget*>(watched), BalloonArrow::BottomLeft, BalloonKind::Info,
                           look_);
    return false;
  }

 private:
  QString title_, text_;
  BalloonLook look_;
  QPointer<TBalloon> open_;
};

}  // namespace

void AttachHoverBalloon(QWidget* control, const QString& title, const QString& text, const BalloonLook& look) {
  if (control) new HoverBalloon(control, title, text, look);
}

}  // namespace vantorn::app
