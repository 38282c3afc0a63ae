#include "controls/capsule.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vantorn::controls {

namespace {

int roundInt(double v) { return int(std::lround(v)); }

// Colours below are written as 0x00BBGGRR, the order the pictures were made in.
constexpr QRgb fromBgr(std::uint32_t v) { return qRgb(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF)); }

// The red scheme's rows, top to bottom, of the three native heights (h - 1 rows each).
constexpr std::uint32_t kRows30[29] = {
    0x000080, 0x000011, 0x5B5B87, 0xADADE8, 0xA3A3DF, 0x9999D7, 0x9191CF, 0x8888C8, 0x7F7FC2, 0x7575BC,
    0x6C6CB8, 0x6363B4, 0x5959B2, 0x5050B0, 0x242498, 0x000088, 0x000090, 0x000099, 0x0000A1, 0x0000AA,
    0x0000B2, 0x0000BB, 0x0000C3, 0x0000CC, 0x0000D4, 0x0000DD, 0x0000E5, 0x0000EE, 0x000080};
constexpr std::uint32_t kRows45[44] = {
    0x000080, 0x00000B, 0x5D5D84, 0xB4B4EF, 0xAFAFE9, 0xA9A9E3, 0xA2A2DD, 0x9C9CD7, 0x9696D2, 0x9090CE, 0x8B8BC9,
    0x8585C4, 0x7F7FC1, 0x7979BD, 0x7373BA, 0x6D6DB7, 0x6767B5, 0x6161B2, 0x5B5BB2, 0x5555B0, 0x4F4FB0, 0x4A4AAF,
    0x222299, 0x000088, 0x00008D, 0x000093, 0x000099, 0x00009E, 0x0000A4, 0x0000AA, 0x0000AF, 0x0000B5, 0x0000BB,
    0x0000C0, 0x0000C6, 0x0000CC, 0x0000D1, 0x0000D7, 0x0000DD, 0x0000E3, 0x0000E8, 0x0000EE, 0x0000F4, 0x000080};
constexpr std::uint32_t kRows60[59] = {
    0x000080, 0x000009, 0x5E5E83, 0xB7B7F3, 0xB2B2ED, 0xAEAEE8, 0xA9A9E4, 0xA5A5E0, 0x9F9FDB, 0x9C9CD6,
    0x9797D2, 0x9393CE, 0x8E8ECA, 0x8A8AC7, 0x8686C4, 0x8181C1, 0x7D7DBE, 0x7878BD, 0x7474B9, 0x6F6FB7,
    0x6B6BB5, 0x6666B4, 0x6161B1, 0x5D5DB0, 0x5959AF, 0x5454AE, 0x5050AD, 0x4B4BAC, 0x4747AC, 0x212196,
    0x000084, 0x000088, 0x00008C, 0x000090, 0x000094, 0x000099, 0x00009D, 0x0000A1, 0x0000A5, 0x0000AA,
    0x0000AE, 0x0000B2, 0x0000B6, 0x0000BB, 0x0000BF, 0x0000C3, 0x0000C8, 0x0000CC, 0x0000D0, 0x0000D4,
    0x0000D9, 0x0000DD, 0x0000E1, 0x0000E5, 0x0000EA, 0x0000EE, 0x0000F2, 0x0000F6, 0x000080};

// The alternative pictures keep their own colours away from their red body.
bool nearRed(int r, int g, int b) { return std::sqrt(double((r - 255) * (r - 255) + g * g + b * b)) < 180.0; }

int lighten(int c, int light) { return roundInt(c + (255.0 - c) * light / 100.0); }

QImage stretched(const QImage& img, int w, int h) {
  if (img.isNull() || w <= 0 || h <= 0) return {};
  if (img.width() == w && img.height() == h) return img;
  return img.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

QRgb ApplyScheme(QRgb colour, TColorSB scheme, int light, bool vell) {
  const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour), a = qAlpha(colour);
  const bool red = nearRed(r, g, b);
  int r2 = r, g2 = g, b2 = b;
  switch (scheme) {
    case TColorSB::DRed: break;
    case TColorSB::DGreen: r2 = g; g2 = r; break;
    case TColorSB::DBlue: r2 = b; g2 = r; b2 = r; break;
    case TColorSB::DNavy: r2 = b; b2 = r; break;
    case TColorSB::DYellow: g2 = r; break;
    case TColorSB::DViolet: b2 = r; break;
    case TColorSB::DOrang:
      if (g < r && b < r) {
        b2 = roundInt(0.7 * b);
        g2 = b2 + roundInt(std::abs(r - b2) * 0.4);
      }
      break;
    case TColorSB::DCards:
      if (!vell) {
        r2 = roundInt(0.7 * r); g2 = 0; b2 = r;
      } else if (red) {
        r2 = roundInt(0.6 * r); g2 = roundInt(0.7 * g); b2 = r;
      }
      break;
  }
  if (light != 0 && (!vell || red)) {
    r2 = lighten(r2, light);
    g2 = lighten(g2, light);
    b2 = lighten(b2, light);
  }
  return qRgba(r2, g2, b2, a);
}

QImage ApplyScheme(const QImage& picture, TColorSB scheme, int light, bool vell) {
  QImage out = picture.convertToFormat(QImage::Format_ARGB32);
  if (scheme == TColorSB::DRed && light == 0) return out;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) line[x] = ApplyScheme(line[x], scheme, light, vell);
  }
  return out;
}

QImage ResizeBilinear(const QImage& picture, int width, int height) {
  if (picture.isNull() || picture.width() <= 1 || picture.height() <= 1 || width <= 1 || height <= 1)
    return picture;
  const QImage src = picture.convertToFormat(QImage::Format_ARGB32);
  const int sw = src.width(), sh = src.height();
  QImage out(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    const double sy = double(y) * (sh - 1) / height;
    const int y0 = int(sy), y1 = std::min(y0 + 1, sh - 1);
    const double fy = sy - y0;
    const auto* l0 = reinterpret_cast<const QRgb*>(src.constScanLine(y0));
    const auto* l1 = reinterpret_cast<const QRgb*>(src.constScanLine(y1));
    auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const double sx = double(x) * (sw - 1) / width;
      const int x0 = int(sx), x1 = std::min(x0 + 1, sw - 1);
      const double fx = sx - x0;
      const double w00 = (1 - fx) * (1 - fy), w10 = fx * (1 - fy), w01 = (1 - fx) * fy, w11 = fx * fy;
      auto mix = [&](int (*ch)(QRgb)) {
        return roundInt(ch(l0[x0]) * w00 + ch(l0[x1]) * w10 + ch(l1[x0]) * w01 + ch(l1[x1]) * w11);
      };
      o[x] = qRgba(mix(qRed), mix(qGreen), mix(qBlue), mix(qAlpha));
    }
  }
  return out;
}

TCapsuleMetrics CapsuleMetrics(int h) {
  TCapsuleMetrics m;
  if (h <= 30) {
    m = {QStringLiteral("29"), 30, 8, 0, 0};
  } else if (h <= 45) {
    m = {QStringLiteral("44"), 45, 13, 0, 0};
  } else {
    m = {QStringLiteral("59"), 60, 17, 0, 0};
  }
  m.q = roundInt(double(m.capWidth) * h / m.classHeight);
  m.native = h == 30 ? 1 : h == 45 ? 2 : h == 60 ? 3 : 0;
  return m;
}

QRgb RedRow(int native, int k) {
  switch (native) {
    case 1: return k >= 0 && k < 29 ? fromBgr(kRows30[k]) : 0;
    case 2: return k >= 0 && k < 44 ? fromBgr(kRows45[k]) : 0;
    case 3: return k >= 0 && k < 59 ? fromBgr(kRows60[k]) : 0;
    default: return 0;
  }
}

QImage PaintCapsule(const TCapsuleLook& look, int w, int h, const TCapsulePictures& pictures) {
  QImage work(std::max(w, 1), std::max(h, 1), QImage::Format_ARGB32_Premultiplied);
  work.fill(Qt::transparent);
  if (w < 2 || h < 2) return work;
  const TCapsuleMetrics m = CapsuleMetrics(h);
  const QString base = (look.vell ? QStringLiteral("Q") : QStringLiteral("R")) + m.set;
  auto piece = [&](const QString& suffix) {
    const QImage img = pictures ? pictures(base + suffix) : QImage();
    return img.isNull() ? img : ApplyScheme(img, look.scheme, look.light, look.vell);
  };
  // A cap at a native height is its picture stretched to q by h - 1; at any
  // other height it is resized, smoothly when asked.
  auto cap = [&](const QImage& img) {
    if (m.native != 0 || !look.smooth) return stretched(img, m.q, h - 1);
    return ResizeBilinear(img, m.q, h - 1);
  };
  QPainter p(&work);
  const QImage left = cap(piece(QStringLiteral("_L")));
  if (!left.isNull()) p.drawImage(0, 0, left);
  const QImage right = cap(piece(QStringLiteral("_R")));
  if (!right.isNull()) p.drawImage(w - m.q - 1, 0, right);
  if (m.native == 0 || look.vell || look.scheme == TColorSB::DCards) {
    const QImage middle = stretched(piece(QStringLiteral("_2")), w - 2 * m.q, h - 1);
    if (!middle.isNull()) p.drawImage(m.q, 0, middle);
  } else {
    // The native heights draw the body line by line from the row table, from
    // x = cap to w - cap - 2 (the caps join it on both sides).
    const int first = m.capWidth, last = w - m.capWidth - 2;
    p.end();
    for (int k = 0; k <= h - 2 && first <= last; ++k) {
      const QRgb c = ApplyScheme(RedRow(m.native, k), look.scheme, look.light, false);
      auto* line = reinterpret_cast<QRgb*>(work.scanLine(k));
      std::fill(line + first, line + last + 1, c);
    }
  }
  return work;
}

TFocusDots FocusDots(int w, int h) {
  const TCapsuleMetrics m = CapsuleMetrics(h);
  TFocusDots dots{};
  dots.d = h >= 21 && h <= 30 ? 4 : h >= 31 && h <= 45 ? 5 : h >= 46 && h <= 60 ? 6 : h > 60 ? 7 : 3;
  dots.top = roundInt(h / 2.0 - dots.d / 2.0);
  const int inset = m.native == 1 ? 10 : m.native == 2 ? 13 : m.native == 3 ? 15 : m.q;
  dots.leftX = inset;
  dots.rightX = w - inset - dots.d;
  return dots;
}

QRgb FocusDotColour(TColorSB scheme) {
  switch (scheme) {
    case TColorSB::DRed:
    case TColorSB::DYellow: return fromBgr(0xC8C8FF);
    case TColorSB::DGreen: return fromBgr(0xFFC8C8);
    case TColorSB::DBlue:
    case TColorSB::DNavy: return fromBgr(0xC8FFC8);
    case TColorSB::DViolet:
    case TColorSB::DOrang: return qRgb(255, 255, 255);
    case TColorSB::DCards: return fromBgr(0xFFB4DC);
  }
  return qRgb(255, 255, 255);
}

}  // namespace vantorn::controls
