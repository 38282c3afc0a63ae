// The menu screen offscreen: the layout at the window sizes, when the clocks show, the
// flame table, the information board's figures, the player rows and the caption click.
#include <gtest/gtest.h>

#include "support/offscreen_app.h"

#include <QApplication>
#include <QMouseEvent>
#include <QMovie>

#include "app/intro_screen.h"
#include "app/menu_screen.h"
#include "app/ui_text.h"
#include "files/player_file.h"
#include "platform/resources.h"
#include "platform/resources_builtin.h"
#include "table/menu_layout.h"

namespace vantorn::app {
namespace {

using table::Geometry;
using table::MenuLayout;
using table::Rect;

QApplication& app() { return vantorn::test_support::offscreenApp(); }

const platform::Resources& resources() {
  static const platform::Resources r{platform::builtinResourceLibrary(), QString(), QString()};
  return r;
}

void expectRect(const Rect& r, int left, int top, int width, int height, const char* what) {
  EXPECT_EQ(r.left, left) << what;
  EXPECT_EQ(r.top, top) << what;
  EXPECT_EQ(r.width, width) << what;
  EXPECT_EQ(r.height, height) << what;
}

// --- Layout -----------------------------------------------------------------------------

TEST(MenuLayout, DesignSizeIsTheTableItself) {
  const MenuLayout m = MenuLayout::of(Geometry::forSetting(1, 1920, 1080), 1);
  expectRect(m.rows[0], 180, 265, 400, 30, "row 1");
  expectRect(m.rows[4], 180, 385, 400, 30, "row 5");
  expectRect(m.newPlayer, 280, 425, 200, 30, "new player: below row 5 and 10 more");
  expectRect(m.header, 180, 225, 400, 30, "header: above row 1 and 10 more");
  expectRect(m.topTen, 40, 225, 100, 30, "top ten");
  expectRect(m.mode, 620, 255, 100, 30, "mode");
  expectRect(m.exit, 330, 465, 100, 30, "exit");
  expectRect(m.title, 230, 85, 300, 90, "title");
  expectRect(m.caption, 180, 12, 400, 70, "caption");
  expectRect(m.elite, 205, 183, 350, 40, "elite");
  expectRect(m.gif[1], 592, 290, 160, 200, "second animation");
  expectRect(m.candle[0], 60, 30, 100, 200, "left candlestick");
  EXPECT_FALSE(m.clocksShown);
  // With the calendar the candlesticks stand 20 further out.
  const MenuLayout c = MenuLayout::of(Geometry::forSetting(1, 1920, 1080), 1, true);
  EXPECT_EQ(c.candle[0].left, 40);
  EXPECT_EQ(c.candle[1].left, 620);
}

TEST(MenuLayout, WindowSize3RoundsHalvesToEven) {
  const MenuLayout m = MenuLayout::of(Geometry::forSetting(3, 1920, 1080), 3);
  EXPECT_EQ(m.rowHeight, 39);
  expectRect(m.rows[0], 234, 344, 520, 39, "row 1: 1.3 * 265 = 344.5");
  expectRect(m.rows[1], 234, 383, 520, 39, "row 2");
  expectRect(m.newPlayer, 364, 552, 260, 39, "new player: 344 + 5 * 39 + 13");
  expectRect(m.header, 234, 292, 520, 39, "header: 344 - 39 - 13");
  expectRect(m.history, 52, 332, 130, 39, "history: 1.3 * 255 = 331.5");
  expectRect(m.exit, 429, 604, 130, 39, "exit: 1.3 * 465 = 604.5");
  expectRect(m.title, 299, 111, 390, 117, "title: 117 - round(6.5)");
  expectRect(m.elite, 266, 238, 455, 52, "elite");
  // Pictures of the design size centred on their stretched place: 9 + 24, 377 + 30.
  expectRect(m.gif[0], 33, 407, 160, 200, "first animation");
  expectRect(m.candle[0], 93, 69, 100, 200, "left candlestick");
  EXPECT_FALSE(m.clocksShown);
}

TEST(MenuLayout, ClocksStandBetweenCandlestickAndButton) {
  // Size 5: candlestick foot 360, button top 450: 360 + 45 - 36.
  const MenuLayout five = MenuLayout::of(Geometry::forSetting(5, 1920, 1080), 5);
  ASSERT_TRUE(five.clocksShown);
  expectRect(five.candle[0], 170, 160, 100, 200, "left candlestick");
  expectRect(five.timeClock, 163, 369, 115, 64, "time clock");
  expectRect(five.infoBoard, 1243, 369, 115, 64, "information board");
  // Size 4: foot 321, button top round(382.5) = 382, round(30.5) = 30.
  const MenuLayout four = MenuLayout::of(Geometry::forSetting(4, 1920, 1080), 4);
  ASSERT_TRUE(four.clocksShown);
  expectRect(four.timeClock, 130, 315, 115, 64, "time clock at size 4");
}

TEST(MenuLayout, FullScreen1920x1080StretchesPositionsAndKeepsProportions) {
  const Geometry g = Geometry::forSetting(2, 1920, 1080);
  const MenuLayout m = MenuLayout::of(g, 2);
  EXPECT_EQ(m.rowHeight, 65);  // round(2.16 * 30)
  expectRect(m.rows[0], 455, 572, 1011, 65, "row 1");
  expectRect(m.topTen, 101, 486, 253, 65, "top ten");
  // The captions keep the size factor and stay centred: 455 + round(0.366 * 200).
  expectRect(m.caption, 528, 26, 864, 151, "caption");
  expectRect(m.candle[0], 228, 181, 100, 200, "left candlestick");
  ASSERT_TRUE(m.clocksShown);
  // Foot 381, button 486: round(52.5) = 52.
  expectRect(m.timeClock, 221, 397, 115, 64, "time clock");
}

TEST(MenuLayout, ClocksOnlyAtLargeWindows) {
  struct Case { int size, w, h; bool shown; };
  for (const Case c : {Case{1, 1920, 1080, false}, Case{3, 1920, 1080, false}, Case{4, 1290, 850, true},
                       Case{5, 1520, 1000, true}, Case{2, 1920, 1080, true}, Case{2, 1290, 850, false},
                       Case{2, 1291, 851, true}, Case{2, 1920, 850, false}, Case{2, 1366, 768, false}}) {
    const Geometry g = Geometry::forSetting(c.size, c.w, c.h);
    EXPECT_EQ(MenuLayout::of(g, c.size).clocksShown, c.shown) << c.size << " " << c.w << "x" << c.h;
  }
}

TEST(MenuLayout, FlameTable) {
  // Rows of the phase table, spot-checked.
  EXPECT_EQ(table::flameFrame(0, 0), 0);
  EXPECT_EQ(table::flameFrame(0, 5), 3);
  EXPECT_EQ(table::flameFrame(1, 4), 5);
  EXPECT_EQ(table::flameFrame(3, 3), 5);
  EXPECT_EQ(table::flameFrame(5, 5), 2);
  EXPECT_EQ(table::flameFrame(6, 0), table::flameFrame(0, 0));  // the phase wraps
  // Every flame shows each of the six frames once in a round.
  for (int flame = 0; flame < 6; ++flame) {
    std::array<int, 6> seen{};
    for (int phase = 0; phase < 6; ++phase) ++seen[static_cast<std::size_t>(table::flameFrame(phase, flame))];
    for (int n : seen) EXPECT_EQ(n, 1) << "flame " << flame;
  }
}

// --- Board figures ----------------------------------------------------------------------

TEST(MenuBoard, FiguresAndShortening) {
  EXPECT_EQ(boardPercent(3, 1), "25");
  EXPECT_EQ(boardPercent(0, 0), "0");
  EXPECT_EQ(boardPercent(1, 2), "67");
  struct Case { long long n; const char* digits; char letter; };
  for (const Case c : {Case{999, "999", 0}, Case{1000, "1", 'K'}, Case{999999, "999", 'K'},
                       Case{1234567, "1", 'M'}, Case{999999999, "999", 'M'}, Case{1000000000, "1", 'G'}}) {
    const auto [digits, letter] = boardCount(c.n);
    EXPECT_EQ(digits, c.digits) << c.n;
    EXPECT_EQ(letter, c.letter) << c.n;
  }
  EXPECT_EQ(boardDigits(1).x, std::vector<int>({50}));
  EXPECT_EQ(boardDigits(3).x, std::vector<int>({29, 49, 69}));
  EXPECT_EQ(boardDigits(4).width, 15);
  EXPECT_EQ(boardDigits(6).x.size(), 6u);
  EXPECT_EQ(boardDigits(6).width, 9);
  EXPECT_TRUE(boardDigits(7).x.empty());
  EXPECT_TRUE(boardDigits(12).x.empty());
}

TEST(MenuBoard, FacesOfTheMinute) {
  EXPECT_EQ(boardFaceForMinute(0, false), 1);
  EXPECT_EQ(boardFaceForMinute(12, false), 7);  // 12 mod 7 = 5: face 6, not logged in
  EXPECT_EQ(boardFaceForMinute(12, true), 6);
  EXPECT_EQ(boardFaceForMinute(13, false), 7);
  EXPECT_EQ(boardFaceForMinute(59, false), 4);
}

TEST(MenuBoard, HintsAndFiguresOfAnswers) {
  const auto en = words::Language::English;
  const BoardFace lost = boardFace(1, std::nullopt, en);
  EXPECT_EQ(lost.figure, "00");
  EXPECT_EQ(lost.hint, QStringLiteral("Dynamic IQ for Windows (percent): NO CONNECT"));
  EXPECT_EQ(boardFace(3, std::nullopt, en).hint, QStringLiteral("Best Windows Player: NO CONNECT"));
  EXPECT_EQ(boardFace(7, std::nullopt, en).hint, QStringLiteral("Club members:  NO CONNECT"));
  EXPECT_EQ(boardFace(6, std::nullopt, en).hint, QStringLiteral("Qexs: NO CONNECT"));

  BoardAnswer a;
  a.wins = 3;
  a.losses = 1;
  EXPECT_EQ(boardFace(1, a, en).figure, "25");
  a.number = 1234567;
  const BoardFace games = boardFace(2, a, en);
  EXPECT_EQ(games.figure, "1");
  EXPECT_EQ(games.letter, 'M');
  EXPECT_EQ(games.hint, QStringLiteral("Games played with PC"));
  a.number = 4321;
  a.nick = "#";
  const BoardFace nobody = boardFace(4, a, en);
  EXPECT_EQ(nobody.figure, "00");
  EXPECT_EQ(nobody.hint, QStringLiteral("Best Android Player: No"));
  a.nick = "Ivan";
  const BoardFace best = boardFace(4, a, en);
  EXPECT_EQ(best.figure, "4321");
  EXPECT_EQ(best.hint, QStringLiteral("Best Android Player: Ivan"));
}

// --- Rows -------------------------------------------------------------------------------

TEST(MenuRows, RowsLineUpWithTheHeader) {
  const std::string record = files::formatRecord("Anna", 12.5, 42, 310, files::encodePassword("pw"));
  const std::string score = menuRowText(record, 1);
  EXPECT_EQ(score, " Anna" + std::string(22, ' ') + "42" + std::string(6, ' ') + "310 ");
  EXPECT_EQ(menuRowText(record, 2), " Anna" + std::string(22, ' ') + "42" + std::string(4, ' ') + "12,50 ");
  const QString header = menuHeaderText(wordText(words::Entry::ClubMembersHeader, words::Language::English));
  EXPECT_EQ(header, QStringLiteral(" The members of club    Games    Score "));
  EXPECT_EQ(header.size(), static_cast<qsizetype>(score.size()));
  // The figures end under the last letters of their titles.
  EXPECT_EQ(score.find("42") + 2, static_cast<std::size_t>(header.indexOf(QStringLiteral("Games")) + 5));
  EXPECT_EQ(score.find("310") + 3, static_cast<std::size_t>(header.indexOf(QStringLiteral("Score")) + 5));
  // A translated header is re-laid into the same columns.
  const QString ru = menuHeaderText(wordText(words::Entry::ClubMembersHeader, words::Language::Russian));
  EXPECT_EQ(displayColumns(ru), 39);
  EXPECT_TRUE(ru.endsWith(QStringLiteral("Очки ")));
  // A last title wider than its column pushes the middle one left, never past the row.
  const QString ja = menuHeaderText(wordText(words::Entry::ClubMembersHeaderRating, words::Language::Japanese));
  EXPECT_EQ(displayColumns(ja), 39) << ja.toStdString();
  EXPECT_EQ(menuHeaderText(QStringLiteral("Name  Games  Rating of the whole")),
            QStringLiteral(" Name") + QString(8, ' ') + QStringLiteral("Games Rating of the whole "));

  const std::string empty = menuRowText(files::emptyRecord(), 1);
  EXPECT_EQ(empty.size(), 39u);
  EXPECT_TRUE(menuRowEmpty(QString::fromStdString(empty)));
  EXPECT_FALSE(menuRowEmpty(QString::fromStdString(score)));
  EXPECT_TRUE(menuRowEmpty(QString::fromStdString(menuRowText("damaged", 1))));
}

// --- The screen -------------------------------------------------------------------------

std::array<std::string, 5> someRows() {
  std::array<std::string, 5> rows;
  rows.fill(menuRowText(files::emptyRecord(), 1));
  rows[1] = menuRowText(files::formatRecord("Boris", 1.0, 3, 7, files::encodePassword("x")), 1);
  return rows;
}

TEST(MenuScreen, EmptyRowsDoNothingAndOthersPickTheirSlot) {
  app();
  MenuScreen menu(resources());
  MenuSetup setup;
  setup.gifAnimation = false;
  menu.build(Geometry::forSetting(1, 1920, 1080), setup, someRows());
  std::vector<int> picked;
  QObject::connect(&menu, &MenuScreen::rowClicked, [&](int slot) { picked.push_back(slot); });
  menu.rows[0]->click();
  EXPECT_TRUE(picked.empty());
  menu.rows[1]->click();
  EXPECT_EQ(picked, std::vector<int>({2}));
  EXPECT_EQ(menu.rows[1]->geometry(), QRect(180, 295, 400, 30));
  EXPECT_EQ(menu.Button6->text(), QStringLiteral("New Player"));
  EXPECT_TRUE(menu.rows[1]->text().startsWith(QStringLiteral(" Boris")));
}

TEST(MenuScreen, CaptionClickStepsTheColourRound) {
  app();
  MenuScreen menu(resources());
  MenuSetup setup;
  setup.gifAnimation = false;
  setup.captionColour = 6;
  menu.build(Geometry::forSetting(1, 1920, 1080), setup, someRows());
  std::vector<int> changed;
  QObject::connect(&menu, &MenuScreen::captionColourChanged, [&](int c) { changed.push_back(c); });
  const QImage before = menu.ImCaption->pixmap().toImage();
  auto click = [&] {
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(menu.ImCaption, &up);
  };
  click();
  EXPECT_EQ(menu.captionColour(), 7);
  EXPECT_NE(menu.ImCaption->pixmap().toImage(), before);  // redrawn in the new colour
  click();
  EXPECT_EQ(menu.captionColour(), 1);
  click();
  EXPECT_EQ(menu.captionColour(), 2);
  EXPECT_EQ(changed, std::vector<int>({7, 1, 2}));
}

TEST(MenuScreen, ClocksShowOnlyAtLargeSizesAndTheBoardFailsQuietly) {
  app();
  MenuScreen menu(resources());
  MenuSetup setup;
  setup.gifAnimation = false;
  menu.setNow([] { return QDateTime(QDate(2024, 5, 1), QTime(10, 12, 30, 700)); });
  menu.show();
  for (int size : {1, 3, 4, 5}) {
    setup.windowSize = size;
    menu.build(Geometry::forSetting(size, 1920, 1080), setup, someRows());
    EXPECT_EQ(menu.ImClock1->isVisible(), size >= 4) << size;
    EXPECT_EQ(menu.ImClock2->isVisible(), size >= 4) << size;
  }
  // Minute 12: face 6, shown as face 7 when not logged in; the default fetch fails.
  EXPECT_EQ(menu.boardFaceShown(), 7);
  EXPECT_EQ(menu.ImClock2->toolTip(), QStringLiteral("Club members:  NO CONNECT"));
  EXPECT_EQ(menu.ImClock2->geometry(), QRect(1243, 369, 115, 64));
}

TEST(MenuScreen, SevenCharacterFiguresLeaveTheBoardWithoutDigits) {
  app();
  MenuScreen menu(resources());
  MenuSetup setup;
  setup.gifAnimation = false;
  setup.windowSize = 5;
  long long number = 0;
  menu.setFetch([&](int) {
    BoardAnswer a;
    a.number = number;
    return std::optional<BoardAnswer>(a);
  });
  menu.show();
  menu.build(Geometry::forSetting(5, 1920, 1080), setup, someRows());
  QImage face;
  platform::LoadPackPng(resources(), QStringLiteral("GClockBG"), QString(), face);
  face = face.convertToFormat(QImage::Format_ARGB32);
  const QRect digits(27, 15, 63, 40);  // right of the icon, left of the labels
  auto digitArea = [&] {
    return menu.ImClock2->pixmap().toImage().convertToFormat(QImage::Format_ARGB32).copy(digits);
  };
  number = 123456;
  menu.DrawInfoBoard(7);
  EXPECT_NE(digitArea(), face.copy(digits)) << "six characters are drawn";
  number = 1234567;
  menu.DrawInfoBoard(7);
  EXPECT_EQ(digitArea(), face.copy(digits)) << "seven are not";
  EXPECT_EQ(menu.ImClock2->toolTip(), QStringLiteral("Club members: "));
}

TEST(MenuScreen, TicksAdvanceTheFlamesAndRedrawTheCandles) {
  app();
  MenuScreen menu(resources());
  MenuSetup setup;
  setup.gifAnimation = false;
  menu.build(Geometry::forSetting(1, 1920, 1080), setup, someRows());
  const QImage first = menu.ImageSvLeft->pixmap().toImage();
  menu.ShowMenu(1);
  EXPECT_EQ(menu.flamePhase(), 1);
  EXPECT_NE(menu.ImageSvLeft->pixmap().toImage(), first);
  for (int i = 0; i < 5; ++i) menu.ShowMenu(1);
  EXPECT_EQ(menu.flamePhase(), 0);
  EXPECT_EQ(menu.ImageSvLeft->pixmap().toImage(), first);  // the round of six is over
}

TEST(MenuScreen, AnimationsPlayOnlyWithTheSetting) {
  app();
  MenuScreen menu(resources());
  MenuSetup setup;
  setup.gifAnimation = true;
  menu.build(Geometry::forSetting(1, 1920, 1080), setup, someRows());
  EXPECT_EQ(menu.movies[0]->state(), QMovie::Running);
  EXPECT_NE(menu.movies[1]->state(), QMovie::Running);
  EXPECT_EQ(menu.movies[0]->frameCount(), 33);
  setup.gifAnimation = false;
  menu.build(Geometry::forSetting(1, 1920, 1080), setup, someRows());
  for (QMovie* m : menu.movies) {
    EXPECT_NE(m->state(), QMovie::Running);
    EXPECT_EQ(m->currentFrameNumber(), 0);
  }
}

// --- Intro ------------------------------------------------------------------------------

TEST(Intro, CardsTravelTheCornersAndTheTitleGrows) {
  EXPECT_EQ(IntroScreen::cardPosition(0, 0), QPoint(155, 68));
  EXPECT_EQ(IntroScreen::cardPosition(1, 0), QPoint(550, 68));
  EXPECT_EQ(IntroScreen::cardPosition(0, 50), QPoint(353, 68));  // half-way along the top
  EXPECT_EQ(IntroScreen::cardPosition(0, 400), QPoint(155, 68));  // one round
  EXPECT_EQ(IntroScreen::lettersShown(0, 7), 1);
  EXPECT_EQ(IntroScreen::lettersShown(10, 7), 3);
  EXPECT_EQ(IntroScreen::lettersShown(500, 7), 7);
  EXPECT_EQ(releaseDate(words::Language::English), QStringLiteral("October 18, 2022"));
  EXPECT_EQ(releaseDate(words::Language::Russian), QStringLiteral("18 Октября 2022"));
}

}  // namespace
}  // namespace vantorn::app
