// Window geometry: the design client area of 760 by 500 scaled to the window size, the
// card sizes, and the table's layout rules (hand fans, the card under the pointer).
// Pure arithmetic, shared by the drawing code and the tests.
#pragma once

#include <array>

namespace vantorn::table {

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool contains(int x, int y) const { return x >= left && x < left + width && y >= top && y < top + height; }
};

// Rounds half to even, as the float-to-integer conversion of the drawing code does.
int roundEven(double v);

class Geometry {
 public:
  static constexpr int kDesignWidth = 760;
  static constexpr int kDesignHeight = 500;

  // windowSize 1..5 (2 is full screen on a screen of screenWidth by screenHeight);
  // narrowFaces: the current deck has narrow faces.
  static Geometry forSetting(int windowSize, int screenWidth, int screenHeight, bool narrowFaces = false);

  int clientWidth() const { return width_; }
  int clientHeight() const { return height_; }
  double sx() const { return sx_; }
  double sy() const { return sy_; }
  double s() const { return s_; }

  int ScaleX(double a, double b) const;
  int ScaleY(double a, double b) const;
  int ScaleSize(double a) const;
  // A design rectangle (left, top, width, height) placed by the rules above.
  Rect place(double left, double top, double width, double height) const;
  // A picture that keeps its design size, centred on its stretched place.
  int keepX(double a, double size) const;
  int keepY(double a, double size) const;

  int cardWidth() const { return cardW_; }
  int cardHeight() const { return cardH_; }
  // 1 small (71 by 96), 0 medium, 2 big.
  int cardClass() const { return cardClass_; }

 private:
  int width_ = kDesignWidth, height_ = kDesignHeight;
  double sx_ = 1, sy_ = 1, s_ = 1;
  int cardW_ = 71, cardH_ = 96, cardClass_ = 1;
};

// The table's pictures for the current geometry.
struct TableLayout {
  std::array<Rect, 2> hand;   // seat 1 (top), seat 2 (bottom); height = card height
  std::array<Rect, 2> panel;  // ImageTab1, ImageTab2
  std::array<Rect, 2> plate;  // ImageSay1, ImageSay2
  Rect table;                 // ImageStol: pile and stock
  Rect counter;               // ImageKon
  Rect memo;                  // ImageMemo
  int pileX = 0, stockX = 0, base = 0;  // inside `table`

  static TableLayout of(const Geometry& g);
};

// FanHand: the left edges of `count` cards in the span left..right.
std::array<int, 36> FanHand(int left, int right, int count, int cardWidth);
// CardAt: the 1-based card under x in a hand with these positions, 0 if none.
int CardAt(const std::array<int, 36>& positions, int count, int x, int cardWidth);
// Vertical offset of the n-th card on the pile (n from 1): 0, 2, 4 ... every four cards.
int pileOffset(int n);

}  // namespace vantorn::table
