#include <gtest/gtest.h>

#include "table/geometry.h"

namespace vantorn::table {
namespace {

TEST(Geometry, FiveWindowSizes) {
  struct Row { int size, width, height, cardW, cardH, cls; };
  for (const Row& r : {Row{1, 760, 500, 71, 96, 1}, Row{3, 990, 650, 92, 125, 0}, Row{4, 1290, 850, 121, 163, 0},
                       Row{5, 1520, 1000, 146, 198, 2}}) {
    const Geometry g = Geometry::forSetting(r.size, 1920, 1080);
    EXPECT_EQ(g.clientWidth(), r.width) << r.size;
    EXPECT_EQ(g.clientHeight(), r.height) << r.size;
    EXPECT_EQ(g.cardWidth(), r.cardW) << r.size;
    EXPECT_EQ(g.cardHeight(), r.cardH) << r.size;
    EXPECT_EQ(g.cardClass(), r.cls) << r.size;
  }
  EXPECT_EQ(Geometry::forSetting(3, 0, 0, true).cardWidth(), 79);  // narrow faces: ScaleSize(61)
  EXPECT_EQ(Geometry::forSetting(5, 0, 0, true).cardWidth(), 126);
}

TEST(Geometry, FullScreenStretchesPositionsButKeepsProportions) {
  const Geometry g = Geometry::forSetting(2, 1920, 1080);
  EXPECT_DOUBLE_EQ(g.sx(), 1920.0 / 760);
  EXPECT_DOUBLE_EQ(g.sy(), 2.16);
  EXPECT_DOUBLE_EQ(g.s(), 2.16);
  // ScaleX(a, b) = round(sx * a) + round((sx - s) * b / 2): the object stays centred.
  EXPECT_EQ(g.ScaleX(200, 360), roundEven(g.sx() * 200) + roundEven((g.sx() - g.s()) * 180));
  EXPECT_EQ(g.ScaleY(380, 96), roundEven(2.16 * 380));
  EXPECT_EQ(g.cardClass(), 2);
}

TEST(Geometry, RoundsHalfToEven) {
  EXPECT_EQ(roundEven(0.5), 0);
  EXPECT_EQ(roundEven(1.5), 2);
  EXPECT_EQ(roundEven(2.5), 2);
  EXPECT_EQ(roundEven(-2.5), -2);
  const Geometry g = Geometry::forSetting(3, 0, 0);
  EXPECT_EQ(g.ScaleSize(5), 6);   // 6.5 -> 6
  EXPECT_EQ(g.ScaleSize(15), 20);  // 19.5 -> 20
}

TEST(FanHand, SideBySideWhenTheyFitOverlappingOtherwise) {
  // Cards of 71 with 3-pixel gaps (W = 74) fit side by side while W <= 360 / count.
  auto pos = FanHand(0, 360, 4, 71);  // 74 <= 90: centred with 3-pixel gaps
  EXPECT_EQ(pos[0], 180 - 148);
  EXPECT_EQ(pos[1] - pos[0], 74);
  EXPECT_EQ(pos[4], 0);
  pos = FanHand(0, 360, 12, 71);
  const int step = static_cast<int>(360.0 / 12 - (74 - 360.0 / 12) / 11);
  EXPECT_EQ(pos[1], step);
  EXPECT_EQ(pos[11], 11 * step);
  EXPECT_LE(pos[11] + 71, 360);
  pos = FanHand(0, 360, 1, 71);
  EXPECT_EQ(pos[0], roundEven(180 - 37.0));
}

TEST(CardAt, LaterCardsCoverEarlierOnes) {
  const auto pos = FanHand(0, 360, 12, 71);
  EXPECT_EQ(CardAt(pos, 12, pos[3], 71), 4);
  EXPECT_EQ(CardAt(pos, 12, pos[4] - 1, 71), 4);
  EXPECT_EQ(CardAt(pos, 12, pos[11] + 70, 71), 12);
  EXPECT_EQ(CardAt(pos, 12, pos[11] + 71, 71), 0);
  EXPECT_EQ(CardAt(pos, 0, 10, 71), 0);
}

TEST(Pile, RisesTwoPixelsEveryFourCards) {
  EXPECT_EQ(pileOffset(1), 0);
  EXPECT_EQ(pileOffset(4), 0);
  EXPECT_EQ(pileOffset(5), 2);
  EXPECT_EQ(pileOffset(24), 10);
  EXPECT_EQ(pileOffset(26), 10);
}

}  // namespace
}  // namespace vantorn::table

#include "table/decks.h"
#include "core/card.h"

namespace vantorn::table {
namespace {

TEST(Decks, NamesPacksAndWidths) {
  using core::Card;
  const Card ace = *Card::fromCode("Pi5A");
  const Card nine = *Card::fromCode("Ch09");
  const Card king = *Card::fromCode("Kr4K");
  EXPECT_EQ(faceName(ace, 0, 1), "Pi5A");
  EXPECT_EQ(faceName(ace, 0, 0), "Pi5AB");
  EXPECT_EQ(faceName(nine, 13, 1), "Ch09Mod");  // deck 13 borrows its numbers
  EXPECT_EQ(faceName(king, 13, 2), "Kr4KParB");
  EXPECT_EQ(faceName(ace, 6, 1), "Pi5ACor");
  EXPECT_EQ(faceName(nine, 6, 1), "Ch09Mod");
  EXPECT_EQ(faceName(ace, 25, 1), "Pi5ABoy");
  EXPECT_EQ(faceName(nine, 25, 1), "Ch09Rhi");
  EXPECT_EQ(faceName(Card::redJoker(), 27, 0), "PoRedUSRB");
  EXPECT_EQ(deckPack(0), "");
  EXPECT_EQ(deckPack(31), "QexCards06A.dll");
  EXPECT_EQ(deckPack(32), "QexCards06B.dll");
  EXPECT_EQ(deckPack(47), "QexCards06C.dll");
  EXPECT_FALSE(deckNarrow(27));
  EXPECT_TRUE(deckNarrow(28));
  EXPECT_FALSE(deckNarrow(40));
  EXPECT_FALSE(deckNarrow(45));
  EXPECT_TRUE(deckNarrow(47));
  EXPECT_EQ(backName(3, 0, 1, false), "Ob03We");
  EXPECT_EQ(backName(10, 8, 0, false), "Ob10XXAniB");
  EXPECT_EQ(backName(1, 5, 2, true), "Ob01MoCheU");
  EXPECT_EQ(backPack(0, 1, true), "");
  EXPECT_EQ(backPack(0, 0, true), "QexCards06B.dll");
  EXPECT_EQ(backCount(9), 10);
  EXPECT_EQ(backCount(12), 7);
}

}  // namespace
}  // namespace vantorn::table

#include "table/fonts.h"

namespace vantorn::table {
namespace {

TEST(Fonts, FreeFontsStandInAndPercentagesScale) {
  EXPECT_EQ(freeFontFamily("Comic Sans MS"), "Comic Neue");
  EXPECT_EQ(freeFontFamily("courier new"), "Liberation Mono");
  EXPECT_EQ(freeFontFamily("FixedSys"), "DejaVu Sans Mono");
  EXPECT_EQ(freeFontFamily("Noto Serif"), "Noto Serif");
  EXPECT_EQ(freeFontFamily(""), "Comic Neue");
  EXPECT_EQ(FontSize(20, 100), 20);
  EXPECT_EQ(FontSize(20, 150), 30);
  EXPECT_EQ(FontSize(15, 50), 8);  // 7.5 rounds to the even 8
  EXPECT_EQ(FontSize(13, 50), 6);  // 6.5 rounds to the even 6
}

}  // namespace
}  // namespace vantorn::table
