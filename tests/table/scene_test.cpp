#include <gtest/gtest.h>

#include <QApplication>

#include "core/autoplay.h"
#include "table/event_player.h"
#include "table/table_view.h"

namespace vantorn::table {
namespace {

using core::Event;
using core::EventKind;

QApplication& app() {
  static int argc = 1;
  static char name[] = "scene_test";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication a(argc, argv);
  return a;
}

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
