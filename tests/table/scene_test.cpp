#include <gtest/gtest.h>

#include "support/offscreen_app.h"

#include <QApplication>

#include "core/autoplay.h"
#include "table/event_player.h"
#include "table/table_view.h"

namespace vantorn::table {
namespace {

using core::Event;
using core::EventKind;

QApplication& app() { return vantorn::test_support::offscreenApp(); }

// The scene, moved on by every event of a whole game, ends where the core ends: the same
// hands, stock and pile after every operation.
TEST(TableScene, FollowsTheCoreThroughAWholeGame) {
  core::Game g(core::GameConfig{});
  TableScene scene;
  g.startGame(1, 0);
  core::Permutation p{};
  for (int i = 0; i < 26; ++i) p[static_cast<std::size_t>(i)] = (i * 7) % 26 + 1;
  int steps = 0;
  while ((g.dealDue() || g.state() != core::GameState::GameFinished) && steps++ < 100000) {
    if (g.dealDue()) {
      std::rotate(p.begin(), p.begin() + 3, p.end());
      g.deal(p);
    } else if (g.suitRequest() == core::SuitRequest::None && g.phase() == core::DealPhase::InPlay &&
               (g.state() == core::GameState::PlayerOneToMove || g.state() == core::GameState::DealOver)) {
      g.tick();
    } else {
      core::autoplayStep(g);
    }
    for (const Event& e : g.events()) scene.apply(e, g);
    g.clearEvents();
    if (scene.cleared || g.dealNumber() == 0) continue;
    for (int seat = 1; seat <= 2; ++seat) {
      const auto& shown = scene.hands[static_cast<std::size_t>(seat - 1)];
      ASSERT_EQ(static_cast<int>(shown.size()), g.hand(seat).count());
      for (std::size_t i = 0; i < shown.size(); ++i) ASSERT_EQ(shown[i], g.hand(seat).card(static_cast<int>(i) + 1));
    }
    ASSERT_EQ(scene.stockCount, g.stock().stockCount);
    ASSERT_EQ(scene.pileCount, g.table().tableCount);
    ASSERT_EQ(scene.faceUp, g.table().faceUp.card);
    for (int seat = 1; seat <= 2; ++seat) {
      const PanelFields& panel = scene.panels[static_cast<std::size_t>(seat - 1)];
      ASSERT_EQ(panel.total, g.total(seat));
      // The first mover carries the star of his colour, the other panel none.
      const bool black = core::playerColour(g.config().program, seat) == core::Colour::Black;
      ASSERT_EQ(panel.star, seat != scene.firstMover ? PanelFields::kStarClear
                            : black                  ? PanelFields::kStarBlack
                                                     : PanelFields::kStarRed);
    }
  }
  EXPECT_TRUE(scene.summary);
}

TEST(TableScene, ATakenCardJoinsTheHandAfterItsFlight) {
  core::Game g(core::GameConfig{});
  TableScene scene;
  Event dealt;
  dealt.kind = EventKind::Dealt;
  scene.apply(dealt, g);
  Event took;
  took.kind = EventKind::Took;
  took.player = 2;
  took.card = core::Card::blueJoker();
  scene.apply(took, g);
  EXPECT_TRUE(scene.hands[1].empty());
  Event redraw;
  redraw.kind = EventKind::RedrawHand;
  redraw.player = 2;
  scene.apply(redraw, g);
  ASSERT_EQ(scene.hands[1].size(), 1u);
  EXPECT_EQ(scene.hands[1][0], core::Card::blueJoker());
}

TEST(EventPlayer, FastModePlaysEverythingAtOnceAndSlowModeWaits) {
  app();
  core::Game g(core::GameConfig{});
  TableView view;
  view.setGame(&g);
  view.setGeometryModel(Geometry::forSetting(1, 0, 0));
  EventPlayer player(&view, &g);
  g.startGame(1, 0);
  core::Permutation p{};
  for (int i = 0; i < 26; ++i) p[static_cast<std::size_t>(i)] = i + 1;
  g.deal(p);
  g.pressAction();
  while (g.suitRequest() != core::SuitRequest::None || g.state() == core::GameState::PlayerTwoToMove)
    core::autoplayStep(g);
  ASSERT_EQ(g.state(), core::GameState::PlayerOneToMove);
  g.clearEvents();
  g.tick();  // the computer's move: a pause before a card, or the flight of a taken one
  ASSERT_FALSE(g.events().empty());
  player.setOptions(PlayerOptions{false, true, 4});
  player.take(g);
  EXPECT_TRUE(player.busy());
  EXPECT_TRUE(g.events().empty());
  // The same with --fast: nothing waits.
  core::Game h(core::GameConfig{});
  TableView view2;
  view2.setGame(&h);
  view2.setGeometryModel(Geometry::forSetting(1, 0, 0));
  EventPlayer fast(&view2, &h);
  fast.setOptions(PlayerOptions{true, true, 4});
  h.startGame(1, 0);
  h.deal(p);
  h.pressAction();
  fast.take(h);
  EXPECT_FALSE(fast.busy());
}

TEST(PlayerPanel, ReservedValuesClearOrKeepAField) {
  TableScene scene;
  scene.DrawPanel(1, PanelFields::kStarRed, true, 7, -3, 120);
  const PanelFields drawn = scene.panels[0];
  EXPECT_EQ(drawn.total, 120);
  EXPECT_EQ(drawn.left, -3);
  EXPECT_EQ(drawn.right, 7);
  EXPECT_EQ(drawn.star, PanelFields::kStarRed);

  // Keep in every number field and star 4: nothing changes.
  scene.DrawPanel(1, PanelFields::kStarKeep, false, PanelFields::kKeepField, PanelFields::kKeepField,
                  PanelFields::kKeepField);
  EXPECT_EQ(scene.panels[0], drawn);
  // Clearing one field leaves the others; star 3 clears the star.
  scene.DrawPanel(1, PanelFields::kStarClear, false, PanelFields::kKeepField, PanelFields::kClearField,
                  PanelFields::kKeepField);
  EXPECT_EQ(scene.panels[0].left, std::nullopt);
  EXPECT_EQ(scene.panels[0].total, 120);
  EXPECT_EQ(scene.panels[0].star, PanelFields::kStarClear);
  // A redraw blanks the whole panel first, so kept fields are gone too; 0 is a value.
  scene.DrawPanel(1, PanelFields::kStarKeep, true, PanelFields::kKeepField, 0, PanelFields::kKeepField);
  EXPECT_EQ(scene.panels[0].total, std::nullopt);
  EXPECT_EQ(scene.panels[0].left, 0);
  EXPECT_EQ(scene.panels[1], PanelFields{}) << "the other seat is untouched";
  scene.DrawPanel(3, 1, true, 1, 1, 1);  // no such seat
}

TEST(PlayerPanel, StarPlaceFollowsTheSizeFactor) {
  struct Case {
    int setting, screenW, screenH;
    QPoint place;
  };
  const Case cases[] = {
      {1, 0, 0, {110, 52}},
      {3, 0, 0, {159 - 12, 84 - 13}},  // 1.3: ScaleSize(122) = 158.6 -> 159, ScaleSize(65) = 84.5 -> 84 (even)
      {5, 0, 0, {220, 104}},
      {2, 1920, 1080, {264 - 25, 140 - 25}},  // 2.16: 263.52 -> 264, 140.4 -> 140
  };
  for (const Case& c : cases) {
    const Geometry g = Geometry::forSetting(c.setting, c.screenW, c.screenH);
    EXPECT_EQ(starPlace(g), c.place) << "setting " << c.setting;
  }
}

TEST(Flight, PaceSleepsBySpeedAndCarriesItsCounterAcrossFlights) {
  struct Case {
    int speed;
    std::vector<int> first, second;  // sleeps after each step of a 4-step and then a 3-step flight
  };
  const Case cases[] = {
      {1, {2, 2, 2, 2}, {2, 2, 2}},
      {2, {1, 1, 1, 1}, {1, 1, 1}},
      {3, {0, 1, 0, 1}, {0, 1, 0}},
      {4, {0, 0, 1, 0}, {0, 1, 0}},
      {5, {0, 0, 0, 0}, {0, 0, 0}},
      {6, {0, 0, 0, 0}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    FlightPace pace;
    std::vector<int> first, second;
    for (int i = 0; i < 4; ++i) first.push_back(pace.sleepAfterStep(c.speed));
    for (int i = 0; i < 3; ++i) second.push_back(pace.sleepAfterStep(c.speed));
    EXPECT_EQ(first, c.first) << "speed " << c.speed;
    EXPECT_EQ(second, c.second) << "speed " << c.speed;
  }
}

TEST(Flight, ScheduleDrawsEveryStepInOrderAndSkipsTheFirstAtTopSpeed) {
  FlightPace pace;
  const auto slow = flightSchedule(3, 1, pace);
  ASSERT_EQ(slow.size(), 3u);
  EXPECT_EQ(slow[0].step, 1);
  EXPECT_DOUBLE_EQ(slow[0].at, kFlightDrawMs);
  EXPECT_DOUBLE_EQ(slow[2].at, 3 * kFlightDrawMs + 2 * 2);  // two sleeps of 2 ms before the last step
  const auto top = flightSchedule(3, 6, pace);
  ASSERT_EQ(top.size(), 2u);
  EXPECT_EQ(top[0].step, 2);
  EXPECT_EQ(top[1].step, 3);
  const auto single = flightSchedule(1, 6, pace);  // a one-step flight still arrives
  ASSERT_EQ(single.size(), 1u);
  EXPECT_EQ(single[0].step, 1);
}

TEST(Flight, FollowsThePixelLine) {
  // Mostly horizontal: x moves one pixel a step, y rounds half to even.
  EXPECT_EQ(flightPoint({0, 0}, {4, 2}, 1), QPoint(1, 0));  // 0.5 -> 0
  EXPECT_EQ(flightPoint({0, 0}, {4, 2}, 3), QPoint(3, 2));  // 1.5 -> 2
  EXPECT_EQ(flightPoint({10, 10}, {6, 12}, 2), QPoint(8, 11));
  // Purely vertical: y moves, x stays.
  EXPECT_EQ(flightPoint({5, 20}, {5, 10}, 4), QPoint(5, 16));
  // Mostly vertical: x follows.
  EXPECT_EQ(flightPoint({0, 0}, {1, 4}, 2), QPoint(0, 2));  // 0.5 -> 0
  EXPECT_EQ(flightPoint({3, 3}, {3, 3}, 0), QPoint(3, 3));
}

TEST(Flight, DurationFollowsTheSpeed) {
  EXPECT_GT(flightDuration(300, 1), flightDuration(300, 2));
  EXPECT_GT(flightDuration(300, 2), flightDuration(300, 4));
  EXPECT_GT(flightDuration(300, 4), flightDuration(300, 6));
  EXPECT_DOUBLE_EQ(flightDuration(0, 3), 0.0);
}

}  // namespace
}  // namespace vantorn::table

namespace vantorn::table {
namespace {

TEST(MessageLines, KeepTheLastFourLines) {
  MessageLines m;
  m.add(1, QStringLiteral("one"));
  m.add(2, QStringLiteral("two"));
  EXPECT_EQ(m.text[1], QStringLiteral("two"));
  EXPECT_TRUE(m.text[2].isEmpty());
  m.add(3, QStringLiteral("three"));
  m.add(4, QStringLiteral("four"));
  m.add(1, QStringLiteral("five"));
  EXPECT_EQ(m.text[0], QStringLiteral("two"));
  EXPECT_EQ(m.colour[0], 2);
  EXPECT_EQ(m.text[3], QStringLiteral("five"));
  EXPECT_EQ(m.colour[3], 1);
}

}  // namespace
}  // namespace vantorn::table
