#include "platform/picture_ops.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vantorn::platform {

namespace {

enum class Kind { Rgb, Rgba, Other };

Kind kindOf(const QImage& img) {
  switch (img.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_RGB888:
    case QImage::Format_RGBX8888:
      return Kind::Rgb;
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied:
      return Kind::Rgba;
    default:
      return Kind::Other;
  }
}

// Rounding is half to even, as everywhere in the game's geometry.
int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }
int roundChannel(double v) { return roundEven(std::clamp(v, 0.0, 255.0)); }

}  // namespace

bool ResizePng(QImage& picture, int width, int height, QString* error) {
  const Kind kind = kindOf(picture);
  if (kind == Kind::Other) {
    if (error) *error = QString::fromLatin1(kResizeColourTypeError);
    return false;
  }
  const int sw = picture.width();
  const int sh = picture.height();
  if (sw <= 1 || sh <= 1 || width <= 1 || height <= 1) return true;

  const QImage src = picture.convertToFormat(QImage::Format_ARGB32);  // straight alpha
  QImage out(width, height, kind == Kind::Rgba ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    const double py = static_cast<double>(y) * (sh - 1) / height;
    const int y0 = static_cast<int>(py);
    const int y1 = std::min(y0 + 1, sh - 1);
    const double fy = py - y0;
    const auto* r0 = reinterpret_cast<const QRgb*>(src.constScanLine(y0));
    const auto* r1 = reinterpret_cast<const QRgb*>(src.constScanLine(y1));
    auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const double px = static_cast<double>(x) * (sw - 1) / width;
      const int x0 = static_cast<int>(px);
      const int x1 = std::min(x0 + 1, sw - 1);
      const double fx = px - x0;
      const double w00 = (1 - fx) * (1 - fy), w10 = fx * (1 - fy), w01 = (1 - fx) * fy, w11 = fx * fy;
      auto mix = [&](auto channel) {
        return roundChannel(channel(r0[x0]) * w00 + channel(r0[x1]) * w10 + channel(r1[x0]) * w01 +
                            channel(r1[x1]) * w11);
      };
      const int r = mix([](QRgb p) { return qRed(p); });
      const int g = mix([](QRgb p) { return qGreen(p); });
      const int b = mix([](QRgb p) { return qBlue(p); });
      const int a = kind == Kind::Rgba ? mix([](QRgb p) { return qAlpha(p); }) : 255;
      dst[x] = qRgba(r, g, b, a);
    }
  }
  picture = std::move(out);
  return true;
}

void RecolourRgb(int& r, int& g, int& b, int variant) {
  switch (variant) {
    case 2:
      if (r > g && r > b) {
        b = roundEven(std::min(b, g) * 0.7);
        g = b + roundEven(std::abs(r - b) * 0.4);
      }
      break;
    case 3: g = r; break;
    case 4: std::swap(r, g); break;
    case 5: {
      const int oldR = r;
      r = b;
      g = oldR;
      b = oldR;
      break;
    }
    case 6: std::swap(r, b); break;
    case 7: b = r; break;
    case 8: {
      const int grey = roundEven(0.3 * r + 0.59 * g + 0.11 * b);
      r = g = b = std::clamp(grey, 0, 255);
      break;
    }
    default: break;
  }
}

void RecolourPng(QImage& picture, int variant) {
  if (variant < 2 || variant > 8 || picture.isNull()) return;
  const bool alpha = picture.hasAlphaChannel();
  picture = picture.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      int r = qRed(line[x]), g = qGreen(line[x]), b = qBlue(line[x]);
      RecolourRgb(r, g, b, variant);
      line[x] = qRgba(r, g, b, qAlpha(line[x]));
    }
  }
}

}  // namespace vantorn::platform
