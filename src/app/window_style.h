// The dress of the small windows: background and caption by the window style of the
// settings (header style 1..3, or full graphics).
//
//   full graphics  the pack's "GForm"+key background, then the pack's caption picture
//   style 1        the window colour, the pack's caption picture
//   style 2        the window colour, a built-in ribbon with the title written on it
//   style 3        the window colour, a built-in ribbon with the pack's caption over it
//
// Style 2 needs nothing from the packs and is the fallback of every failure: when a
// pack picture cannot be had the window is dressed in style 2 and the result says so,
// so that the caller switches the settings to style 2 (full graphics off) and shows
// the notice "Can`t find the file QexCGraph1.dll".
//
// DressWindow puts one child widget ("WindowDressing") under every other child of the
// window; it follows the window's size and paints the pictures. Used on the
// user-interface thread only.
#pragma once

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QString>

#include <functional>

#include "table/fonts.h"
#include "words/text.h"

namespace vantorn::files {
struct Settings;
}
namespace vantorn::platform {
class Resources;
}

namespace vantorn::app {

inline const QString kWindowGraphicsPack = QStringLiteral("QexCGraph1.dll");

struct DressResult;

struct WindowStyle {
  int headerStyle = 2;        // 1..3; any other value is taken as 2
  bool fullGraphics = false;  // the pack's background and caption
  words::Language language = words::Language::English;
  table::FontRole serif;      // the settings' serif font name and percentage
  // Where the pictures come from; nullptr: the program's own (no pack is found, so
  // every style but 2 falls back).
  const platform::Resources* resources = nullptr;
  // Called once when a window had to fall back to style 2 for want of the pack.
  std::function<void(const DressResult&)> onFallback;
};

// The style with the window's own language (the windows are told their language).
inline WindowStyle withLanguage(WindowStyle style, words::Language language) {
  style.language = language;
  return style;
}

// The style's pictures: its resources, or the program's own.
const platform::Resources& styleResources(const WindowStyle& style);

// The window style of the settings (lines 2 and 10..13 and the percentages).
WindowStyle windowStyleFrom(const files::Settings& settings, const platform::Resources* resources);

// What a window shows in its caption.
struct WindowCaption {
  QString key;    // the window key: "Speed", "Mast", ...
  QString title;  // written on the ribbon in style 2
  QString ribbon = QStringLiteral("GCap300");        // style 2
  QString lenta = QStringLiteral("GLenta280x090");   // style 3
  // False for a window without a caption picture of its own in the pack: its title is
  // written on the ribbon in every style (over the pack background with full graphics).
  bool packCaption = true;
};

struct DressResult {
  int headerStyle = 2;         // the style the window was dressed in
  bool fullGraphics = false;   // drawn with the pack background
  bool fellBack = false;       // a pack picture was missing: dressed in style 2
  QString missingPack;         // the pack file, when fellBack
  int captionHeight = 0;       // the height the caption takes at the top
};

// "Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"; "Eng" for Japanese and Korean.
QString languageSuffix(words::Language language);

// Dresses `window` and returns what was drawn; the window's layout (when it has one)
// gets a top margin that keeps its widgets below the caption. With full graphics the
// window is at least as big as its background picture. Calls style.onFallback when it
// fell back.
DressResult DressWindow(QDialog* window, const platform::Resources& res, const WindowCaption& caption,
                        const WindowStyle& style);

// The same with the style's pictures (the program's own when it names none).
DressResult DressWindow(QDialog* window, const WindowCaption& caption, const WindowStyle& style);

// After a fallback: the settings switched to style 2 with full graphics off. Returns
// true when the settings changed.
bool applyDressFallback(const DressResult& result, files::Settings& settings);
// The notice's first line after a fallback: "Can`t find the file" + " " + pack file.
QString dressFallbackNotice(const DressResult& result, words::Language language);

// The colours of texts on the window: light on the window colour, dark on the pack's
// parchment background.
struct WindowTones {
  QColor text, heading, value;
};
WindowTones windowTones(bool fullGraphics);
// The dialog's style sheet for the window colour (or the pack's background).
QString windowStyleSheet(bool fullGraphics);
// Check box and radio button marks that show on the dark window colour.
QString indicatorStyleSheet();

}  // namespace vantorn::app
