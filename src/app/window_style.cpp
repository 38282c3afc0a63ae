#include "app/window_style.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QPainter>

#include "app/ui_text.h"
#include "controls/cards_button.h"
#include "files/settings.h"
#include "platform/resources.h"

namespace vantorn::app {

namespace {

// Paints the dress under the window's other children and follows the window's size.
class WindowDressing : public QWidget {
 public:
  WindowDressing(QDialog* window, QImage background, QImage ribbon, QImage caption, int captionTop, QString title,
                 QFont titleFont)
      : QWidget(window),
        background_(std::move(background)),
        ribbon_(std::move(ribbon)),
        caption_(std::move(caption)),
        captionTop_(captionTop),
        title_(std::move(title)),
        titleFont_(std::move(titleFont)) {
    setObjectName(QStringLiteral("WindowDressing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(window->rect());
    lower();
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == parent() && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
      setGeometry(parentWidget()->rect());
      lower();
    }
    return false;
  }

  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!background_.isNull()) {
      // The background sits at (0, 0); a window grown beyond it takes it stretched.
      if (width() <= background_.width() && height() <= background_.height())
        p.drawImage(0, 0, background_);
      else
        p.drawImage(rect(), background_);
    }
    if (!ribbon_.isNull()) p.drawImage((width() - ribbon_.width()) / 2, 0, ribbon_);
    if (!caption_.isNull()) p.drawImage((width() - caption_.width()) / 2, captionTop_, caption_);
    if (!title_.isEmpty()) {
      // The title in yellow over its shadow, one pixel down and right at half intensity.
      p.setFont(titleFont_);
      const QFontMetrics fm(titleFont_);
      const int x = (width() - fm.horizontalAdvance(title_)) / 2;
      const int y = 10 + fm.ascent();
      p.setPen(QColor(128, 128, 0));
      p.drawText(x + 1, y + 1, title_);
      p.setPen(QColor(255, 255, 0));
      p.drawText(x, y, title_);
    }
  }

 private:
  QImage background_, ribbon_, caption_;
  int captionTop_;
  QString title_;
  QFont titleFont_;
};

// The serif font of the style, bold, at FontSize(40) pixels, made smaller while the
// title is wider than `room`.
QFont titleFont(const WindowStyle& style, const QString& title, int room) {
  QFont f(QString::fromStdString(table::freeFontFamily(style.serif.family)));
  f.setBold(true);
  int pixels = std::max(1, table::FontSize(40, style.serif.percentage));
  f.setPixelSize(pixels);
  while (pixels > 8 && QFontMetrics(f).horizontalAdvance(title) > room) f.setPixelSize(--pixels);
  return f;
}

}  // namespace

WindowStyle windowStyleFrom(const files::Settings& settings, const platform::Resources* resources) {
  WindowStyle s;
  s.headerStyle = settings.headerStyle;
  s.fullGraphics = settings.darkWindows;
  s.language = words::languageFromIndex(settings.language);
  s.serif = {settings.fontSerif, settings.scaleSerif};
  s.resources = resources;
  return s;
}

QString languageSuffix(words::Language language) {
  switch (language) {
    case words::Language::Russian: return QStringLiteral("Rus");
    case words::Language::German: return QStringLiteral("Deu");
    case words::Language::French: return QStringLiteral("Fra");
    case words::Language::Spanish: return QStringLiteral("Spa");
    case words::Language::Chinese: return QStringLiteral("Chi");
    case words::Language::Italian: return QStringLiteral("Ita");
    case words::Language::Czech: return QStringLiteral("Cze");
    case words::Language::English:
    case words::Language::Japanese:
    case words::Language::Korean: break;
  }
  return QStringLiteral("Eng");
}

DressResult DressWindow(QDialog* window, const platform::Resources& res, const WindowCaption& caption,
                        const WindowStyle& style) {
  DressResult out;
  const int header = style.headerStyle == 1 || style.headerStyle == 3 ? style.headerStyle : 2;
  QImage background, ribbon, picture;
  int captionTop = 0;
  if (style.fullGraphics || (header != 2 && caption.packCaption)) {
    // Every picture the style needs from the pack, or none of them.
    bool ok = !caption.packCaption ||
              (platform::LoadPackPng(res, QStringLiteral("GForm") + caption.key + languageSuffix(style.language),
                                     kWindowGraphicsPack, picture) &&
               !picture.isNull());
    if (ok && style.fullGraphics)
      ok = platform::LoadPackJpeg(res, QStringLiteral("GForm") + caption.key, kWindowGraphicsPack, background) &&
           !background.isNull();
    if (ok && !style.fullGraphics && header == 3) {
      platform::LoadPackPng(res, caption.lenta, QString(), ribbon);
      if (!ribbon.isNull()) captionTop = std::max(0, (ribbon.height() - picture.height()) / 2);
    }
    if (ok) {
      out.fullGraphics = style.fullGraphics;
      out.headerStyle = header;
      out.captionHeight = std::max(ribbon.height(), captionTop + picture.height());
    } else {
      out.fellBack = true;
      out.missingPack = kWindowGraphicsPack;
      background = picture = ribbon = QImage();
    }
  }
  QString title;
  QFont font;
  if (!caption.packCaption || (out.headerStyle == 2 && !out.fullGraphics)) {
    out.headerStyle = caption.packCaption || out.fellBack ? 2 : header;
    platform::LoadPackPng(res, caption.ribbon, QString(), ribbon);
    title = caption.title.toUpper();
    const int room = (ribbon.isNull() ? window->width() : ribbon.width()) - 40;
    font = titleFont(style, title, std::max(room, 60));
    out.captionHeight = std::max({out.captionHeight, ribbon.height(), 10 + QFontMetrics(font).height()});
  }
  if (out.fullGraphics) window->setMinimumSize(window->minimumSize().expandedTo(background.size()));
  // The caption fits the window with a little room on either side.
  const int captionWidth = std::max(ribbon.width(), picture.width());
  if (captionWidth > 0) window->setMinimumWidth(std::max(window->minimumWidth(), captionWidth + 20));
  window->setStyleSheet(windowStyleSheet(out.fullGraphics) + window->styleSheet());
  new WindowDressing(window, std::move(background), std::move(ribbon), std::move(picture), captionTop,
                     std::move(title), font);
  if (QLayout* layout = window->layout()) {
    QMargins m = layout->contentsMargins();
    m.setTop(std::max(m.top(), out.captionHeight + 6));
    if (out.fullGraphics) {
      // Inside the picture's frame.
      m.setLeft(std::max(m.left(), 18));
      m.setRight(std::max(m.right(), 18));
      m.setBottom(std::max(m.bottom(), 16));
    }
    layout->setContentsMargins(m);
  }
  if (out.fellBack && style.onFallback) style.onFallback(out);
  return out;
}

const platform::Resources& styleResources(const WindowStyle& style) {
  return style.resources ? *style.resources : controls::TQexCardsButton::builtinResources();
}

DressResult DressWindow(QDialog* window, const WindowCaption& caption, const WindowStyle& style) {
  return DressWindow(window, styleResources(style), caption, style);
}

bool applyDressFallback(const DressResult& result, files::Settings& settings) {
  if (!result.fellBack || (settings.headerStyle == 2 && !settings.darkWindows)) return false;
  settings.headerStyle = 2;
  settings.darkWindows = false;
  return true;
}

QString dressFallbackNotice(const DressResult& result, words::Language language) {
  return wordText(words::Entry::CantFindTheFile, language) + QLatin1Char(' ') + result.missingPack;
}

WindowTones windowTones(bool fullGraphics) {
  if (fullGraphics) return {QColor(0x3b, 0x24, 0x12), QColor(0x8c, 0x1c, 0x1c), QColor(0x00, 0x00, 0x80)};
  return {Qt::white, QColor(0xff, 0xe2, 0x7a), QColor(0xff, 0xff, 0x00)};
}

QString indicatorStyleSheet() {
  // Drawn by the sheet: with light captions the style's own marks would be light on light.
  return QStringLiteral(
      "QCheckBox::indicator, QRadioButton::indicator { width: 12px; height: 12px; border: 1px solid #d8c27a;"
      " background: #f4f4f4; }"
      "QRadioButton::indicator { border-radius: 7px; }"
      "QCheckBox::indicator:checked { background: #b58a1e; border-color: #f4f4f4; }"
      "QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5,"
      " radius:0.5, fx:0.5, fy:0.5, stop:0 #b58a1e, stop:0.6 #b58a1e, stop:0.7 #f4f4f4); }"
      "QCheckBox::indicator:disabled, QRadioButton::indicator:disabled { background: #7f8f85; border-color: #5f6f65; }");
}

QString windowStyleSheet(bool fullGraphics) {
  return fullGraphics ? QStringLiteral("QDialog { background: #efe2c2; } QLabel { color: #3b2412; }"
                                       "QRadioButton { color: #3b2412; }")
                      : QStringLiteral("QDialog { background: #1d3b2a; } QLabel { color: white; }"
                                       "QRadioButton { color: white; }") +
                            indicatorStyleSheet();
}

}  // namespace vantorn::app
