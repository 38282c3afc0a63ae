#include "table/geometry.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace vantorn::table {

int roundEven(double v) {
  // nearbyint rounds in the current mode, which is round-to-nearest-even by default.
  return static_cast<int>(std::nearbyint(v));
}

Geometry Geometry::forSetting(int windowSize, int screenWidth, int screenHeight, bool narrowFaces) {
  Geometry g;
  switch (windowSize) {
    case 2:
      g.width_ = std::max(screenWidth, 1);
      g.height_ = std::max(screenHeight, 1);
      g.sx_ = g.width_ / double(kDesignWidth);
      g.sy_ = g.height_ / double(kDesignHeight);
      g.s_ = std::min(g.sx_, g.sy_);
      break;
    case 3: g.width_ = 990; g.height_ = 650; g.sx_ = g.sy_ = g.s_ = 1.3; break;
    case 4: g.width_ = 1290; g.height_ = 850; g.sx_ = g.sy_ = g.s_ = 1.7; break;
    case 5: g.width_ = 1520; g.height_ = 1000; g.sx_ = g.sy_ = g.s_ = 2.0; break;
    default: break;  // 1: the design size
  }
  // Later rows win: small, then medium from 1.3, then big from 2.0.
  g.cardW_ = 71;
  g.cardH_ = 96;
  g.cardClass_ = 1;
  if (g.s_ >= 1.3) {
    g.cardW_ = g.ScaleSize(narrowFaces ? 61 : 71);
    g.cardH_ = g.ScaleSize(96);
    g.cardClass_ = 0;
  }
  if (g.s_ >= 2.0) {
    g.cardW_ = narrowFaces ? 126 : 146;
    g.cardH_ = 198;
    g.cardClass_ = 2;
  }
  return g;
}

int Geometry::ScaleX(double a, double b) const { return roundEven(sx_ * a) + roundEven((sx_ - s_) * b / 2); }
int Geometry::ScaleY(double a, double b) const { return roundEven(sy_ * a) + roundEven((sy_ - s_) * b / 2); }
int Geometry::ScaleSize(double a) const { return roundEven(a * s_); }

Rect Geometry::place(double left, double top, double width, double height) const {
  return Rect{ScaleX(left, width), ScaleY(top, height), ScaleSize(width), ScaleSize(height)};
}

int Geometry::keepX(double a, double size) const { return roundEven(sx_ * a) + roundEven((sx_ - 1) * size / 2); }
int Geometry::keepY(double a, double size) const { return roundEven(sy_ * a) + roundEven((sy_ - 1) * size / 2); }

TableLayout TableLayout::of(const Geometry& g) {
  TableLayout t;
  auto fromCorners = [&](int l, int top, int r, int b) { return g.place(l, top, r - l, b - top); };
  t.hand[0] = fromCorners(200, 30, 560, 126);
  t.hand[1] = fromCorners(200, 380, 560, 476);
  for (Rect& h : t.hand) h.height = g.cardHeight();
  t.panel[0] = fromCorners(23, 100, 178, 195);
  t.panel[1] = fromCorners(23, 310, 178, 405);
  t.plate[0] = fromCorners(300, 140, 460, 160);
  t.plate[1] = fromCorners(300, 350, 460, 370);
  t.table = g.place(250, 160, 260, 170);
  t.counter = g.place(600, 20, 120, 150);
  t.memo = g.place(595, 175, 130, 90);
  t.pileX = g.ScaleSize(46);
  t.stockX = g.ScaleSize(140);
  t.base = g.ScaleSize(40);
  return t;
}

std::array<int, 36> FanHand(int left, int right, int count, int cardWidth) {
  std::array<int, 36> pos{};
  if (count <= 0) return pos;
  count = std::min(count, 36);
  const double w = cardWidth + 3;
  const double d = right - left;
  const double centre = left + roundEven(d / 2);
  if (w <= d / count) {
    for (int i = 1; i <= count; ++i) pos[static_cast<std::size_t>(i - 1)] = roundEven(centre - count * w / 2 + (i - 1) * w);
  } else {
    const int step = count > 1 ? static_cast<int>(std::trunc(d / count - (w - d / count) / (count - 1))) : 0;
    for (int i = 1; i <= count; ++i) pos[static_cast<std::size_t>(i - 1)] = left + (i - 1) * step;
  }
  return pos;
}

int CardAt(const std::array<int, 36>& positions, int count, int x, int cardWidth) {
  int found = 0;
  for (int i = 1; i <= count && i <= 36; ++i) {
    const int l = positions[static_cast<std::size_t>(i - 1)];
    const int r = i < count ? positions[static_cast<std::size_t>(i)] - 1 : l + cardWidth - 1;
    if (x >= l && x <= r) found = i;
  }
  return found;
}

int pileOffset(int n) {
  if (n <= 0) return 0;
  return std::min((n - 1) / 4, 5) * 2;
}

}  // namespace vantorn::table
