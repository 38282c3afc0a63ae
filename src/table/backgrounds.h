// The table background: the picture of the background setting (kind 1..10 in one of seven
// colours) from the backgrounds pack or the program, or the dark design's picture from the
// window-graphics pack; and the window colour shown where no picture covers the window.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace vantorn::platform {
class Resources;
}

namespace vantorn::table {

struct BackgroundChoice {
  int kind = 2;     // 0 none, 1..10 a picture
  int colour = 0;   // 0..6: green, maroon, brown, olive, teal, navy, purple
  bool dark = false;  // the dark design of the screen being shown
  bool operator==(const BackgroundChoice&) const = default;
};

struct BackgroundLoad {
  QImage picture;         // null for kind 0
  QString missingPack;    // the pack that was missing, for the notice; empty when none
  BackgroundChoice used;  // the choice after the fallbacks
  bool darkFailed = false;  // the dark design could not be shown: both designs go plain
};

// The resource name of a background picture; "FonG" (built in) for picture 2 in green.
QString backgroundName(int kind, int colour, int windowSize);
// The pack that holds it; empty for the built-in picture.
QString backgroundPack(int kind, int colour);

// Loads the background for the window size and client area. At every size but 1, and
// always for the dark picture, the picture is stretched to the client area. A missing
// pack falls back: the dark design to the plain one (and then the normal background), a
// background to picture 2 in green.
BackgroundLoad LoadBackground(const platform::Resources& res, BackgroundChoice choice, int windowSize, QSize client);

// The window colour by the table-colour setting; green without a picture; the dark main
// menu's own colour.
QColor windowColour(int tableColour, bool hasPicture, bool darkMenu);

}  // namespace vantorn::table
