// The menu screen's layout: where every control of the menu goes for a window geometry,
// the flame frames of the candlesticks, and when the two clocks show. Pure arithmetic on
// a Geometry, shared by the menu screen and the tests.
//
// Kept in the header (inline): the table's layout library lists its sources by name,
// and these few functions need nothing from it but Geometry.
#pragma once

#include <array>

#include "table/geometry.h"

namespace vantorn::table {

struct MenuLayout {
  int rowHeight = 30;            // h = round(s * 30)
  std::array<Rect, 5> rows;      // Button1..Button5
  Rect newPlayer;                // Button6
  Rect header;                   // Panel4
  Rect topTen, options, history, mode, exit;  // Button9, Button10, BHistory, BMode, Button11
  Rect title;                    // ImTitle
  Rect caption;                  // ImCaption
  Rect elite;                    // ImElite
  std::array<Rect, 2> gif;       // RxGIFAn1, RxGIFAn2 (design size, centred)
  std::array<Rect, 2> candle;    // ImageSvLeft, ImageSvRight (design size, centred)
  bool clocksShown = false;
  Rect timeClock;                // ImClock1, below the left candlestick
  Rect infoBoard;                // ImClock2, below the right candlestick

  // windowSize: the setting 1..5; calendar: the calendar pictures are shown (the
  // candlesticks then stand 20 further out).
  static MenuLayout of(const Geometry& g, int windowSize, bool calendar = false);
};

// Flame offsets from the candlestick's corner, each flame 20 by 30.
inline constexpr int kFlameWidth = 20, kFlameHeight = 30;
inline constexpr std::array<std::array<int, 2>, 3> kFlameOffsets{{{16, 15}, {41, 1}, {66, 15}}};
inline constexpr int kFlamePhases = 6;

// The frame (0..5) of a flame at a phase 0..5: flame 0..2 of the left candlestick,
// 3..5 of the right one.
inline int flameFrame(int phase, int flame) {
  static constexpr int kFrames[kFlamePhases][6] = {
      {0, 1, 2, 2, 0, 3}, {1, 2, 3, 1, 5, 0}, {2, 3, 4, 0, 1, 4},
      {3, 4, 5, 5, 4, 1}, {4, 5, 0, 4, 2, 5}, {5, 0, 1, 3, 3, 2},
  };
  const int p = ((phase % kFlamePhases) + kFlamePhases) % kFlamePhases;
  return kFrames[p][flame < 0 || flame > 5 ? 0 : flame];
}

// The clocks show at window sizes 4 and 5, and in full screen only with a client area
// larger than 1290 by 850 in both directions.
inline bool menuClocksShown(int windowSize, int clientWidth, int clientHeight) {
  if (windowSize == 4 || windowSize == 5) return true;
  return windowSize == 2 && clientWidth > 1290 && clientHeight > 850;
}

inline MenuLayout MenuLayout::of(const Geometry& g, int windowSize, bool calendar) {
  MenuLayout m;
  const int h = g.ScaleSize(30);
  m.rowHeight = h;
  // Stretched positions: x through round(sx * x), y through round(sy * y).
  auto px = [&](double x) { return roundEven(g.sx() * x); };
  auto py = [&](double y) { return roundEven(g.sy() * y); };
  auto at = [&](double x, int top, double w) { return Rect{px(x), top, px(w), h}; };
  const int rowsTop = py(265);
  for (int i = 0; i < 5; ++i) m.rows[static_cast<std::size_t>(i)] = at(180, rowsTop + i * h, 400);
  m.newPlayer = at(280, rowsTop + 5 * h + g.ScaleSize(10), 200);
  m.header = at(180, rowsTop - h - g.ScaleSize(10), 400);
  m.topTen = at(40, py(225), 100);
  m.options = at(620, py(225), 100);
  m.history = at(40, py(255), 100);
  m.mode = at(620, py(255), 100);
  m.exit = at(330, py(465), 100);
  m.title = Rect{px(230), py(90) - g.ScaleSize(5), px(300), 3 * h};
  m.caption = Rect{g.ScaleX(180, 400), g.ScaleY(12, 70), g.ScaleSize(400), g.ScaleSize(70)};
  m.elite = Rect{g.ScaleX(205, 350), g.ScaleY(183, 40), g.ScaleSize(350), g.ScaleSize(40)};
  m.gif[0] = Rect{g.keepX(7, 160), g.keepY(290, 200), 160, 200};
  m.gif[1] = Rect{g.keepX(592, 160), g.keepY(290, 200), 160, 200};
  const int d = calendar ? 20 : 0;
  m.candle[0] = Rect{g.keepX(60 - d, 100), g.keepY(30, 200), 100, 200};
  m.candle[1] = Rect{g.keepX(600 + d, 100), g.keepY(30, 200), 100, 200};
  m.clocksShown = menuClocksShown(windowSize, g.clientWidth(), g.clientHeight());
  // Each clock stands midway between its candlestick and the button below, 7 pixels
  // left of the candlestick.
  auto clockBelow = [](const Rect& candle, const Rect& button) {
    const int foot = candle.top + 200;
    return Rect{candle.left - 7, foot + roundEven((button.top - foot) / 2.0) - 36, 115, 64};
  };
  m.timeClock = clockBelow(m.candle[0], m.topTen);
  m.infoBoard = clockBelow(m.candle[1], m.options);
  return m;
}

}  // namespace vantorn::table
