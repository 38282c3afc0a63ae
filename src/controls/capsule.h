// The styled button's capsule: colour schemes over the red pictures, the row
// tables of the three native heights, and the picture of a capsule of any size
// built from a left cap, a right cap and a middle piece.
//
// Everything here is a pure function of its arguments; the pictures come from
// a caller-supplied source, so the drawing can be checked without a window.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>

namespace vantorn::controls {

enum class TColorSB : std::uint8_t { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
enum class THeightSB : std::uint8_t { D30, D45, D60 };

// A colour of the red pictures mapped to `scheme`, then lightened towards white
// by `light` per cent. With `vell` the alternative pictures are meant: the
// cards scheme and the light touch only pixels near pure red. Alpha is kept.
QRgb ApplyScheme(QRgb colour, TColorSB scheme, int light, bool vell);
// Maps every pixel of a picture (converted to ARGB32).
QImage ApplyScheme(const QImage& picture, TColorSB scheme, int light, bool vell);

// Bilinear resize of an RGB or RGBA picture: target (x, y) samples the source
// at (x * (sw - 1) / tw, y * (sh - 1) / th); every channel, alpha included, is
// mixed from the four neighbours and rounded. A picture or a target of one
// pixel or less in either direction is returned unchanged.
QImage ResizeBilinear(const QImage& picture, int width, int height);

// How a capsule of height h is built.
struct TCapsuleMetrics {
  QString set;      // "29", "44" or "59": the picture set of the height class
  int classHeight;  // 30, 45 or 60
  int capWidth;     // 8, 13 or 17: the cap width at the class height
  int q;            // the cap width used: round(capWidth * h / classHeight)
  int native;       // 1, 2, 3 when h is exactly 30, 45, 60; else 0
};
TCapsuleMetrics CapsuleMetrics(int h);

// Row k (0 .. h - 2) of the red scheme for a native height class 1..3.
QRgb RedRow(int native, int k);

// What a capsule looks like, apart from its size.
struct TCapsuleLook {
  TColorSB scheme = TColorSB::DRed;
  int light = 0;  // 0..100
  bool vell = false;
  bool smooth = true;
};

// The picture of a name ("R29_L" ... "Q59_2"), null when it is missing.
using TCapsulePictures = std::function<QImage(const QString& name)>;

// The capsule of w by h pixels (ARGB32_Premultiplied; transparent where the
// pictures are, and on the last row and column, which the caps never reach).
QImage PaintCapsule(const TCapsuleLook& look, int w, int h, const TCapsulePictures& pictures);

// The focus dots of a button of w by h: diameter and the two top-left corners.
struct TFocusDots {
  int d;
  int top;
  int leftX;
  int rightX;
};
TFocusDots FocusDots(int w, int h);
QRgb FocusDotColour(TColorSB scheme);

}  // namespace vantorn::controls
