// What the table shows when a pack is there and when its file has been removed: the
// generated packs are linked into a fresh data folder, loaded, then taken away.
#include <gtest/gtest.h>

#include "support/offscreen_app.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "platform/resources.h"
#include "platform/resources_builtin.h"
#include "table/backgrounds.h"
#include "table/card_pictures.h"

namespace vantorn::table {
namespace {

QApplication& app() { return vantorn::test_support::offscreenApp(); }

// A data folder with links to some of the generated packs.
class PackFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    app();
    ASSERT_TRUE(dir_.isValid());
    // The folder's parent is searched too: keep the data folder one level down.
    data_ = dir_.filePath(QStringLiteral("data"));
    ASSERT_TRUE(QDir().mkpath(data_));
  }
  void link(const QString& pack) {
    ASSERT_TRUE(QFile::link(QStringLiteral(VANTORN_PACK_DIR "/") + pack, data_ + "/" + pack)) << pack.toStdString();
  }
  void remove(const QString& pack) { ASSERT_TRUE(QFile::remove(data_ + "/" + pack)); }
  platform::Resources resources() const {
    return platform::Resources(platform::builtinResourceLibrary(), data_, QString());
  }

  QTemporaryDir dir_;
  QString data_;
};

TEST_F(PackFolder, ADeckFallsBackToTheClassicOneWhenItsPackIsRemoved) {
  link(QStringLiteral("QexCards06A.dll"));
  const platform::Resources res = resources();
  CardPictures classic, pack;
  classic.load(&res, 71, 96, 1, {0, 0, 1});
  const auto loaded = pack.load(&res, 71, 96, 1, {5, 0, 1});
  EXPECT_FALSE(loaded.deckPackMissing);
  EXPECT_EQ(loaded.used.deck, 5);
  const core::Card ace = core::deckCard(26, 1);
  EXPECT_NE(pack.face(ace), classic.face(ace)) << "the pack's own face";

  remove(QStringLiteral("QexCards06A.dll"));
  CardPictures again;
  const auto fallen = again.load(&res, 71, 96, 1, {5, 0, 1});
  EXPECT_TRUE(fallen.deckPackMissing);
  EXPECT_EQ(fallen.used.deck, 0);
  EXPECT_EQ(again.face(ace), classic.face(ace)) << "the classic face instead";
}

TEST_F(PackFolder, ANarrowDeckAtTheMediumSizeNeedsTheBacksPack) {
  link(QStringLiteral("QexCards06A.dll"));
  link(QStringLiteral("QexCards06B.dll"));
  const platform::Resources res = resources();
  CardPictures pictures;
  auto r = pictures.load(&res, 79, 125, 0, {28, 0, 1});
  EXPECT_FALSE(r.backPackMissing);
  EXPECT_EQ(r.used.deck, 28);

  remove(QStringLiteral("QexCards06B.dll"));
  r = pictures.load(&res, 79, 125, 0, {28, 0, 1});
  EXPECT_TRUE(r.backPackMissing);
  EXPECT_EQ(r.used.deck, 0) << "without its backs the narrow deck cannot be shown";
  EXPECT_EQ(r.used.backStyle, 0);
  // A back style of the pack falls back to the built-in backs, the deck stays.
  r = pictures.load(&res, 71, 96, 1, {5, 3, 1});
  EXPECT_TRUE(r.backPackMissing);
  EXPECT_EQ(r.used.deck, 5);
  EXPECT_EQ(r.used.backStyle, 0);
  EXPECT_FALSE(pictures.back().isNull());
}

TEST_F(PackFolder, BackgroundsFallBackToTheBuiltInPictureAndThePlainDesign) {
  link(QStringLiteral("QexBackG03.dll"));
  link(QStringLiteral("QexCGraph1.dll"));
  const platform::Resources res = resources();
  const QSize client(990, 650);
  BackgroundLoad b = LoadBackground(res, {4, 3, false}, 3, client);
  EXPECT_TRUE(b.missingPack.isEmpty());
  EXPECT_EQ(b.used, (BackgroundChoice{4, 3, false}));
  EXPECT_EQ(b.picture.size(), client) << "stretched at every size but 1";
  b = LoadBackground(res, {0, 5, true}, 1, QSize(760, 500));
  EXPECT_FALSE(b.darkFailed);
  EXPECT_EQ(b.picture.size(), QSize(760, 500)) << "the dark picture is always stretched";

  remove(QStringLiteral("QexBackG03.dll"));
  b = LoadBackground(res, {4, 3, false}, 3, client);
  EXPECT_EQ(b.missingPack, QStringLiteral("QexBackG03.dll"));
  EXPECT_EQ(b.used, (BackgroundChoice{2, 0, false}));
  EXPECT_FALSE(b.picture.isNull()) << "the built-in picture";

  remove(QStringLiteral("QexCGraph1.dll"));
  b = LoadBackground(res, {2, 0, true}, 1, QSize(760, 500));
  EXPECT_TRUE(b.darkFailed);
  EXPECT_EQ(b.missingPack, QStringLiteral("QexCGraph1.dll"));
  EXPECT_FALSE(b.used.dark);
  EXPECT_FALSE(b.picture.isNull());
}

TEST(Backgrounds, NamesAndWindowColours) {
  EXPECT_EQ(backgroundName(2, 0, 1), QStringLiteral("FonG"));
  EXPECT_EQ(backgroundName(2, 0, 4), QStringLiteral("FonG"));
  EXPECT_EQ(backgroundName(2, 1, 1), QStringLiteral("Fon02Re"));
  EXPECT_EQ(backgroundName(10, 6, 3), QStringLiteral("Fon10FiB"));
  EXPECT_EQ(backgroundPack(7, 0), QStringLiteral("QexBackG03.dll"));
  EXPECT_TRUE(backgroundPack(2, 0).isEmpty());
  EXPECT_EQ(windowColour(5, true, false), QColor(0, 0, 128));
  EXPECT_EQ(windowColour(5, false, false), QColor(0, 128, 0)) << "green without a picture";
  EXPECT_EQ(windowColour(1, true, true), QColor(0x78, 0x00, 0xC8));
}

}  // namespace
}  // namespace vantorn::table
