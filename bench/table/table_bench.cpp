// The drawing cost of the table: a full redraw and one step of a card flight, at window
// size 1 and in full screen on a 1920 by 1080 screen. Offscreen; figures only.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "core/autoplay.h"
#include "platform/resources.h"
#include "platform/resources_builtin.h"
#include "table/card_pictures.h"
#include "table/table_view.h"

namespace {

using namespace vantorn;

struct Table {
  core::Game game{core::GameConfig{}};
  table::CardPictures pictures;
  table::TableView view;
  QImage target;

  explicit Table(int windowSize) {
    const platform::Resources res(platform::builtinResourceLibrary(), QString(), QString());
    const table::Geometry g = table::Geometry::forSetting(windowSize, 1920, 1080);
    pictures.load(&res, g.cardWidth(), g.cardHeight(), g.cardClass(), table::CardPictures::Choice{});
    QImage felt;
    platform::LoadPackJpeg(res, QStringLiteral("FonG"), QString(), felt);
    view.setBackground(felt.scaled(g.clientWidth(), g.clientHeight()));
    view.setPictures(&pictures);
    view.setGeometryModel(g);
    view.resize(g.clientWidth(), g.clientHeight());
    view.setGame(&game);
    game.startGame(1, 0);
    core::Permutation p{};
    for (int i = 0; i < 26; ++i) p[static_cast<std::size_t>(i)] = (i * 5) % 26 + 1;
    game.deal(p);
    for (const core::Event& e : game.events()) view.scene().apply(e, game);
    game.clearEvents();
    target = QImage(g.clientWidth(), g.clientHeight(), QImage::Format_ARGB32_Premultiplied);
  }
};

QApplication& app() {
  static int argc = 1;
  static char name[] = "table_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication a(argc, argv);
  return a;
}

void BM_TableRedraw(benchmark::State& state) {
  app();
  Table t(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    t.view.render(&t.target);
    benchmark::DoNotOptimize(t.target.constBits());
  }
}
BENCHMARK(BM_TableRedraw)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// One flight step repaints the sprite's old rectangle grown by two pixels.
void BM_FlightStep(benchmark::State& state) {
  app();
  Table t(static_cast<int>(state.range(0)));
  const QImage& card = t.pictures.face(core::Card::blueJoker());
  int x = 100;
  for (auto _ : state) {
    t.view.setSprite(card, QPoint(x, 200));
    const QRect dirty(x - 3, 198, card.width() + 6, card.height() + 4);
    t.view.render(&t.target, dirty.topLeft(), QRegion(dirty));
    x = x > 600 ? 100 : x + 1;
    benchmark::DoNotOptimize(t.target.constBits());
  }
}
BENCHMARK(BM_FlightStep)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
