// The touch effect shows its frames at the point and closes by itself; without the
// window-graphics pack it does nothing.
#include <gtest/gtest.h>

#include "support/offscreen_app.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "app/touch_effect.h"
#include "platform/resources.h"
#include "test_packs.h"

namespace vantorn::app {
namespace {

QApplication& app() { return vantorn::test_support::offscreenApp(); }

TEST(TouchEffect, PlaysEveryFrameAtThePointAndCloses) {
  app();
  QTemporaryDir dir;
  ASSERT_TRUE(makeTestPack(dir.filePath(QStringLiteral("QexCGraph1.dll")),
                           {{QStringLiteral("RT_RCDATA"), QStringLiteral("GTouch"), pngBytes(30 * 100, 100, 0x00ff00)}}));
  const platform::Resources res(platform::ResourceLibrary(), dir.path(), QString());
  TouchEffect effect(res);
  ASSERT_TRUE(effect.TouchEffectAt(QPoint(300, 200)));
  EXPECT_EQ(effect.frameCount(), 30);
  ASSERT_NE(effect.window(), nullptr);
  EXPECT_EQ(effect.window()->geometry(), QRect(250, 150, 100, 100)) << "centred on the point";
  EXPECT_TRUE(effect.window()->isVisible());
  for (int i = 0; i < 300 && effect.window(); ++i) QTest::qWait(10);
  EXPECT_EQ(effect.window(), nullptr) << "the effect ends by itself";
}

TEST(TouchEffect, NothingHappensWithoutThePack) {
  app();
  QTemporaryDir dir;
  const platform::Resources res(platform::ResourceLibrary(), dir.path(), QString());
  TouchEffect effect(res);
  EXPECT_FALSE(effect.TouchEffectAt(QPoint(10, 10)));
  EXPECT_EQ(effect.window(), nullptr);
  // A pack without the picture is no effect either.
  ASSERT_TRUE(makeTestPack(dir.filePath(QStringLiteral("QexCGraph1.dll")),
                           {{QStringLiteral("RT_RCDATA"), QStringLiteral("Other"), pngBytes(10, 10, 0)}}));
  TouchEffect second(res);
  EXPECT_FALSE(second.TouchEffectAt(QPoint(10, 10)));
}

}  // namespace
}  // namespace vantorn::app
