// The cursor roles: own cursors from the built-in resources, the system shapes, the
// animation of the animated ones, and what happens with a damaged or missing cursor.
#include <gtest/gtest.h>

#include "support/offscreen_app.h"

#include <QApplication>
#include <QBuffer>
#include <QImageWriter>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/cursors.h"
#include "platform/resources.h"
#include "platform/resources_builtin.h"
#include "test_packs.h"

namespace vantorn::app {
namespace {

QApplication& app() { return vantorn::test_support::offscreenApp(); }

platform::Resources builtin() { return platform::Resources(platform::builtinResourceLibrary(), QString(), QString()); }

TEST(Cursors, OwnCursorsComeFromTheProgramWithTheirFramesAndHotSpots) {
  app();
  const platform::Resources res = builtin();
  CursorSet set(res);
  EXPECT_TRUE(set.errors().isEmpty()) << set.errors().join(QStringLiteral("; ")).toStdString();
  EXPECT_EQ(set.ownCursor(CursorRole::Arrow).frames.size(), 1);
  for (CursorRole r : {CursorRole::Hand, CursorRole::Wait, CursorRole::Edit})
    EXPECT_GT(set.ownCursor(r).frames.size(), 1) << static_cast<int>(r);
  const QCursor hand = set.ownCursor(CursorRole::Hand).frames.front();
  EXPECT_EQ(hand.hotSpot(), QPoint(10, 1));
  EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
  EXPECT_EQ(set.current(CursorRole::Hand).shape(), Qt::BitmapCursor);
}

TEST(Cursors, TheSettingSwitchesEveryWidgetToTheSystemShapes) {
  app();
  const platform::Resources res = builtin();
  CursorSet set(res);
  QWidget window;
  auto* button = new QPushButton(&window);
  auto* edit = new QLineEdit(&window);
  set.applyToWindow(&window);
  EXPECT_EQ(window.cursor().shape(), Qt::BitmapCursor);
  set.setOwn(false);
  EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(edit->cursor().shape(), Qt::IBeamCursor);
  set.setOwn(true);
  EXPECT_EQ(button->cursor().shape(), Qt::BitmapCursor);
}

TEST(Cursors, AnimatedCursorsMoveOnAndDestroyedWidgetsDropOut) {
  app();
  const platform::Resources res = builtin();
  CursorSet set(res);
  auto* button = new QPushButton;
  set.apply(button, CursorRole::Wait);
  const QImage first = button->cursor().pixmap().toImage();
  const int start = set.frame();
  for (int i = 0; i < 200 && set.frame() == start; ++i) QTest::qWait(10);
  ASSERT_NE(set.frame(), start) << "the animation timer runs";
  EXPECT_NE(button->cursor().pixmap().toImage(), first) << "the widget shows the next frame";
  delete button;
  const int now = set.frame();
  for (int i = 0; i < 200 && set.frame() == now; ++i) QTest::qWait(10);  // no use of the dead widget
  EXPECT_NE(set.frame(), now);
}

TEST(Cursors, DamagedOrMissingCursorsFallBackToTheSystemShapes) {
  app();
  QTemporaryDir dir;
  // A strip that claims more frames than it holds, one that is no picture, and no arrow.
  QImage strip(64, 32, QImage::Format_ARGB32);
  strip.fill(Qt::red);
  strip.setText(QStringLiteral("Frames"), QStringLiteral("40"));
  strip.setText(QStringLiteral("HotX"), QStringLiteral("999"));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(QImageWriter(&buffer, "png").write(strip));
  const QString packPath = dir.filePath(QStringLiteral("cursors.rcc"));
  ASSERT_TRUE(makeTestPack(packPath, {{QStringLiteral("ANICURSOR"), QStringLiteral("CURHAND"), png},
                                      {QStringLiteral("ANICURSOR"), QStringLiteral("CURWAIT"), QByteArray("not a png")}}));
  auto lib = platform::ResourceLibrary::fromFile(packPath);
  ASSERT_TRUE(lib.has_value());
  const platform::Resources res(*lib, dir.path(), QString());
  CursorSet set(res);
  EXPECT_EQ(set.ownCursor(CursorRole::Hand).frames.size(), 2) << "only the frames the strip holds";
  EXPECT_EQ(set.ownCursor(CursorRole::Hand).frames.front().hotSpot(), QPoint(0, 0)) << "a hot spot off the frame";
  EXPECT_EQ(set.errors().size(), 3);  // the damaged wait cursor, no edit cursor, no arrow
  EXPECT_EQ(set.current(CursorRole::Wait).shape(), Qt::WaitCursor);
  EXPECT_EQ(set.current(CursorRole::Arrow).shape(), Qt::ArrowCursor);
  EXPECT_EQ(set.current(CursorRole::Hand).shape(), Qt::BitmapCursor);
}

}  // namespace
}  // namespace vantorn::app
