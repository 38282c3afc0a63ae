// Picture transforms used by the menu and the small windows: the bilinear resize of a
// PNG picture and the caption-colour transform.
//
// A picture here is a decoded QImage. Its PNG colour type is judged from its format as
// Qt's PNG reader leaves it: 8-bit RGB pictures come as RGB32 or RGB888, 8-bit RGBA as
// ARGB32 (or its premultiplied form) or RGBA8888; palette, grey and 16-bit PNGs come in
// other formats and are refused by ResizePng.
#pragma once

#include <QImage>
#include <QString>

namespace vantorn::platform {

// The refusal of a colour type other than RGB or RGBA.
inline constexpr const char* kResizeColourTypeError = "Only COLOR_RGBALPHA and COLOR_RGB formats are supported";

// Bilinear resize to width by height. Target pixel (x, y) takes the source position
// (x * (sw - 1) / tw, y * (sh - 1) / th) and mixes the four source pixels around it by the
// fractional parts; each channel (and alpha when present) is rounded. A picture or a
// target of one pixel or less in either direction is left unchanged (true). False with
// `error` set when the colour type is not RGB or RGBA; the picture is then unchanged.
// The result keeps the source's alpha kind: RGB stays opaque RGB32, RGBA becomes ARGB32.
bool ResizePng(QImage& picture, int width, int height, QString* error = nullptr);

// The caption-colour transform, variants 1..7 of the caption-colour setting and 8 (grey).
// Any other variant leaves the picture unchanged. Alpha is kept.
void RecolourPng(QImage& picture, int variant);

// One pixel's colour under RecolourPng (r, g, b each 0..255), for the tests and for
// drawing single colours the same way.
void RecolourRgb(int& r, int& g, int& b, int variant);

}  // namespace vantorn::platform
