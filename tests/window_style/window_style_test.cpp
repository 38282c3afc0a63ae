#include <gtest/gtest.h>

#include "support/offscreen_app.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <memory>

#include "app/animated_icon.h"
#include "app/balloon.h"
#include "app/dialogs.h"
#include "app/notice.h"
#include "app/small_windows.h"
#include "app/ui_text.h"
#include "app/window_style.h"
#include "files/settings.h"
#include "platform/resources.h"
#include "platform/resources_builtin.h"
#include "test_packs.h"

namespace vantorn::app {
namespace {

QApplication& app() { return vantorn::test_support::offscreenApp(); }

constexpr unsigned kBackground = 0x3060C0;  // every GForm JPEG of the test pack
constexpr unsigned kRussian = 0x20A020;     // the Russian caption of the speed window

struct KeyColour {
  const char* key;
  unsigned caption;
};
// A caption colour of its own for every window key, so that a pixel tells which one
// a window drew.
constexpr KeyColour kKeys[] = {{"Mast", 0xE01010}, {"Pass", 0xE0E010}, {"Wait", 0x10E0E0}, {"TopTen", 0xE010E0},
                               {"History", 0x802000}, {"EndG", 0x008080}, {"Count", 0x404040},
                               {"Speed", 0xFF8000}, {"About", 0x8000FF}};

// A data folder below a folder with the test's window-graphics pack, and one with no
// pack anywhere.
class Packs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    app();
    dir_ = new QTemporaryDir;
    std::vector<TestResource> items;
    for (const KeyColour& k : kKeys) {
      const QString key = QString::fromLatin1(k.key);
      items.push_back({"JPEG", "GForm" + key, jpegBytes(200, 150, kBackground)});
      items.push_back({"RT_RCDATA", "GForm" + key + "Eng", pngBytes(300, 60, k.caption)});
    }
    items.push_back({"RT_RCDATA", "GFormSpeedRus", pngBytes(300, 60, kRussian)});
    for (const char* icon : {"Speed", "COunt", "History", "Pass", "WT"})
      items.push_back({"RT_RCDATA", QStringLiteral("GIcon48") + icon, pngBytes(480, 48, 0x123456)});
    QDir(dir_->path()).mkpath("with/data");
    QDir(dir_->path()).mkpath("without/data");
    ASSERT_TRUE(makeTestPack(dir_->filePath("with/QexCGraph1.dll"), items));
    with_ = new platform::Resources(platform::builtinResourceLibrary(), dir_->filePath("with/data"), QString());
    without_ = new platform::Resources(platform::builtinResourceLibrary(), dir_->filePath("without/data"), QString());
    ASSERT_TRUE(with_->packPresent(kWindowGraphicsPack));
    ASSERT_FALSE(without_->packPresent(kWindowGraphicsPack));
  }
  static void TearDownTestSuite() {
    delete with_;
    delete without_;
    delete dir_;
  }

  static WindowStyle style(int header, bool full, bool pack) {
    WindowStyle s;
    s.headerStyle = header;
    s.fullGraphics = full;
    s.resources = pack ? with_ : without_;
    return s;
  }

  static QImage shot(QWidget& w) {
    w.show();
    QApplication::processEvents();
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  static QTemporaryDir* dir_;
  static platform::Resources* with_;
  static platform::Resources* without_;
};
QTemporaryDir* Packs::dir_ = nullptr;
platform::Resources* Packs::with_ = nullptr;
platform::Resources* Packs::without_ = nullptr;

bool near(QRgb got, unsigned want, int tolerance = 12) {
  return std::abs(qRed(got) - qRed(want)) <= tolerance && std::abs(qGreen(got) - qGreen(want)) <= tolerance &&
         std::abs(qBlue(got) - qBlue(want)) <= tolerance;
}

// Pixels of `img` within `tolerance` of `want` in rows [top, bottom).
int countNear(const QImage& img, unsigned want, int top, int bottom, int tolerance = 0) {
  int n = 0;
  for (int y = top; y < std::min(bottom, img.height()); ++y)
    for (int x = 0; x < img.width(); ++x) n += near(img.pixel(x, y), want, tolerance);
  return n;
}

constexpr unsigned kWindowColour = 0x1D3B2A;
constexpr unsigned kYellow = 0xFFFF00;

// A bare window of 400 by 300 with an empty layout, dressed as the Speed window.
struct Dressed {
  std::unique_ptr<QDialog> window = std::make_unique<QDialog>();
  DressResult result;
  Dressed(const WindowStyle& s, const QString& title = QStringLiteral("Speed")) {
    window->resize(400, 300);
    new QVBoxLayout(window.get());
    result = DressWindow(window.get(), {QStringLiteral("Speed"), title}, s);
  }
};

TEST_F(Packs, EveryStyleDrawsItsCaption) {
  const unsigned speed = kKeys[7].caption;
  {  // Style 2: the yellow title over the ribbon, with its half-intensity shadow.
    Dressed d(style(2, false, true));
    const QImage img = shot(*d.window);
    EXPECT_FALSE(d.result.fellBack);
    EXPECT_EQ(d.result.headerStyle, 2);
    EXPECT_GT(countNear(img, kYellow, 10, 60), 40);
    EXPECT_GT(countNear(img, 0x808000, 10, 62, 6), 0);
    EXPECT_EQ(countNear(img, speed, 0, 300, 12), 0);
    Dressed untitled(style(2, false, true), QString());
    EXPECT_EQ(countNear(shot(*untitled.window), kYellow, 0, 300), 0);
  }
  {  // Style 1: the pack caption from the top, on the window colour.
    Dressed d(style(1, false, true));
    const QImage img = shot(*d.window);
    EXPECT_EQ(d.result.headerStyle, 1);
    EXPECT_TRUE(near(img.pixel(200, 30), speed));
    EXPECT_FALSE(near(img.pixel(200, 70), speed));
    EXPECT_TRUE(near(img.pixel(2, 297), kWindowColour, 2));
    EXPECT_EQ(countNear(img, kYellow, 0, 300), 0);
    EXPECT_EQ(d.result.captionHeight, 60);
  }
  {  // Style 3: the ribbon (90 high) with the caption centred on it.
    Dressed d(style(3, false, true));
    const QImage img = shot(*d.window);
    EXPECT_EQ(d.result.headerStyle, 3);
    EXPECT_TRUE(near(img.pixel(200, 70), speed));
    EXPECT_FALSE(near(img.pixel(200, 5), speed));
    EXPECT_EQ(d.result.captionHeight, 90);
  }
  {  // Full graphics: the pack background (stretched over a window larger than it) and caption.
    Dressed d(style(2, true, true));
    const QImage img = shot(*d.window);
    EXPECT_TRUE(d.result.fullGraphics);
    EXPECT_TRUE(near(img.pixel(200, 30), speed));
    EXPECT_TRUE(near(img.pixel(2, 297), kBackground, 16));
    EXPECT_TRUE(near(img.pixel(397, 150), kBackground, 16));
  }
}

TEST_F(Packs, CaptionsFollowTheLanguage) {
  WindowStyle s = style(1, false, true);
  s.language = words::Language::Russian;
  Dressed ru(s);
  EXPECT_TRUE(near(shot(*ru.window).pixel(200, 30), kRussian));
  s.language = words::Language::Korean;  // no caption of its own: the English one
  Dressed ko(s);
  EXPECT_TRUE(near(shot(*ko.window).pixel(200, 30), kKeys[7].caption));

  const std::pair<words::Language, const char*> suffixes[] = {
      {words::Language::English, "Eng"}, {words::Language::Russian, "Rus"}, {words::Language::German, "Deu"},
      {words::Language::French, "Fra"},  {words::Language::Spanish, "Spa"}, {words::Language::Chinese, "Chi"},
      {words::Language::Italian, "Ita"}, {words::Language::Czech, "Cze"},   {words::Language::Japanese, "Eng"},
      {words::Language::Korean, "Eng"}};
  for (const auto& [language, suffix] : suffixes) EXPECT_EQ(languageSuffix(language), QLatin1String(suffix));
}

TEST_F(Packs, WithoutThePackEveryStyleFallsBackToTwoAndSaysSo) {
  const std::pair<int, bool> styles[] = {{1, false}, {3, false}, {2, true}, {1, true}};
  for (const auto& [header, full] : styles) {
    SCOPED_TRACE(testing::Message() << "header " << header << " full " << full);
    WindowStyle s = style(header, full, false);
    int calls = 0;
    s.onFallback = [&calls](const DressResult& r) {
      ++calls;
      EXPECT_TRUE(r.fellBack);
    };
    Dressed d(s);
    EXPECT_TRUE(d.result.fellBack);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(d.result.headerStyle, 2);
    EXPECT_FALSE(d.result.fullGraphics);
    EXPECT_EQ(d.result.missingPack, QStringLiteral("QexCGraph1.dll"));
    const QImage img = shot(*d.window);
    EXPECT_GT(countNear(img, kYellow, 10, 60), 40);
    EXPECT_TRUE(near(img.pixel(2, 297), kWindowColour, 2));

    files::Settings settings;
    settings.headerStyle = header;
    settings.darkWindows = full;
    EXPECT_TRUE(applyDressFallback(d.result, settings));
    EXPECT_EQ(settings.headerStyle, 2);
    EXPECT_FALSE(settings.darkWindows);
    EXPECT_FALSE(applyDressFallback(d.result, settings));
  }
  // Style 2 needs no pack: no fallback to report.
  Dressed plain(style(2, false, false));
  EXPECT_FALSE(plain.result.fellBack);
  EXPECT_EQ(dressFallbackNotice({.fellBack = true, .missingPack = kWindowGraphicsPack}, words::Language::English),
            QStringLiteral("Can`t find the file QexCGraph1.dll"));
}

TEST_F(Packs, SettingsGiveTheWindowStyle) {
  files::Settings settings;
  settings.headerStyle = 3;
  settings.darkWindows = true;
  settings.language = 1;
  settings.fontSerif = "Times New Roman";
  settings.scaleSerif = 80;
  const WindowStyle s = windowStyleFrom(settings, with_);
  EXPECT_EQ(s.headerStyle, 3);
  EXPECT_TRUE(s.fullGraphics);
  EXPECT_EQ(s.language, words::Language::Russian);
  EXPECT_EQ(s.serif.family, "Times New Roman");
  EXPECT_EQ(s.serif.percentage, 80);
  EXPECT_EQ(s.resources, with_);
}

// Every small window with its key, in the pack's styles, and whether it has an icon.
struct WindowCase {
  const char* key;
  bool icon;
  std::function<std::unique_ptr<QDialog>(const WindowStyle&)> make;
};

std::vector<WindowCase> windowCases() {
  const auto en = words::Language::English;
  return {
      {"Mast", false, [en](const WindowStyle& s) { return std::make_unique<TFormMast>(en, nullptr, s); }},
      {"Pass", true,
       [en](const WindowStyle& s) {
         return std::make_unique<TFormPassword>(en, QString(), QString(), nullptr, false, QString(), QString(), s);
       }},
      {"Wait", true, [en](const WindowStyle& s) { return std::make_unique<TFormWait>(en, true, nullptr, s); }},
      {"TopTen", false,
       [en](const WindowStyle& s) { return std::make_unique<TFormTopTen>(en, "no-such.clb", false, nullptr, s); }},
      {"History", true,
       [en](const WindowStyle& s) {
         return std::make_unique<TFHistory>(en, "no-such-folder", "Vantorn.clb", nullptr, s);
       }},
      {"EndG", false,
       [en](const WindowStyle& s) {
         return std::make_unique<TFormEndGame>(en, *s.resources, 3, 120, TFormEndGame::Mode::Local, nullptr, s);
       }},
      {"Count", true,
       [en](const WindowStyle& s) { return std::make_unique<TFormCount>(en, QStringLiteral("Anna"), TCount{}, nullptr, s); }},
      {"Speed", true, [en](const WindowStyle& s) { return std::make_unique<TFormSpeed>(en, 3, nullptr, s); }},
  };
}

unsigned captionOf(const char* key) {
  for (const KeyColour& k : kKeys)
    if (QLatin1String(k.key) == QLatin1String(key)) return k.caption;
  return 0;
}

TEST_F(Packs, EverySmallWindowWearsItsOwnCaption) {
  for (const WindowCase& c : windowCases()) {
    SCOPED_TRACE(c.key);
    const unsigned caption = captionOf(c.key);
    {
      auto w = c.make(style(1, false, true));
      const QImage img = shot(*w);
      EXPECT_TRUE(near(img.pixel(img.width() / 2, 30), caption));
      EXPECT_EQ(w->findChild<AnimatedIcon*>() != nullptr, c.icon);
    }
    {
      auto w = c.make(style(2, true, true));
      const QImage img = shot(*w);
      EXPECT_TRUE(near(img.pixel(img.width() / 2, 30), caption));
      EXPECT_TRUE(near(img.pixel(2, img.height() - 3), kBackground, 16));
      EXPECT_GE(w->width(), 200);
    }
    {
      auto w = c.make(style(2, false, true));
      EXPECT_GT(countNear(shot(*w), kYellow, 10, 60), 40);
    }
    {
      auto w = c.make(style(3, true, false));
      EXPECT_EQ(w->findChild<AnimatedIcon*>(), nullptr);
      const QImage img = shot(*w);
      EXPECT_GT(countNear(img, kYellow, 10, 60), 40);
      EXPECT_FALSE(near(img.pixel(img.width() / 2, 30), caption));
    }
  }
}

TEST_F(Packs, SpeedIconTicksFasterForAFasterFlight) {
  TFormSpeed w(words::Language::English, 6, nullptr, style(2, false, true));
  auto* icon = w.findChild<AnimatedIcon*>();
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->pos(), QPoint(55, 138));
  EXPECT_EQ(icon->frameCount(), 10);
  const int intervals[] = {110, 95, 80, 65, 40, 25};
  for (int speed = 1; speed <= 6; ++speed) EXPECT_EQ(TFormSpeed::iconInterval(speed), intervals[speed - 1]);
  EXPECT_EQ(TFormSpeed::iconInterval(0), 110);
  EXPECT_EQ(TFormSpeed::iconInterval(9), 25);
}

TEST(AnimatedIcons, FramesAdvanceAndWrap) {
  app();
  // Three frames of 48 by 48, red, green, blue.
  QImage strip(144, 48, QImage::Format_ARGB32);
  const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
  for (int f = 0; f < 3; ++f)
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 48; ++x) strip.setPixel(f * 48 + x, y, colours[f]);
  AnimatedIcon icon;
  icon.setStrip(strip);
  EXPECT_EQ(icon.frameCount(), 3);
  const int expected[] = {1, 2, 3, 1, 2};
  for (int k : expected) {
    EXPECT_EQ(icon.frame(), k);
    EXPECT_EQ(icon.currentFrame().pixel(24, 24), colours[k - 1]);
    EXPECT_EQ(icon.grab().toImage().pixel(24, 24), colours[k - 1]);
    icon.tick();
  }
  // A strip narrower than a frame shows nothing, and ticking it is harmless.
  icon.setStrip(QImage(40, 48, QImage::Format_ARGB32));
  EXPECT_EQ(icon.frameCount(), 0);
  icon.tick();
  EXPECT_TRUE(icon.currentFrame().isNull());
  // The timer drives the ticks.
  icon.setStrip(strip);
  icon.setInterval(10);
  QTRY_VERIFY(icon.frame() == 3);
  icon.setInterval(0);
}

TEST_F(Packs, NoticeShowsItsLinesAndItsLink) {
  TFormLink n(QStringLiteral("Can`t find the file QexCGraph1.dll"), QStringLiteral("second"),
              QStringLiteral("https://example.org/x"), style(2, false, true));
  n.show();
  EXPECT_EQ(n.windowTitle(), QStringLiteral("Attention"));
  auto* l1 = n.findChild<QLabel*>(QStringLiteral("Label1"));
  auto* l2 = n.findChild<QLabel*>(QStringLiteral("Label2"));
  auto* link = n.findChild<QLabel*>(QStringLiteral("LabelLink"));
  ASSERT_TRUE(l1 && l2 && link);
  EXPECT_EQ(l1->text(), QStringLiteral("Can`t find the file QexCGraph1.dll"));
  EXPECT_EQ(l2->text(), QStringLiteral("second"));
  EXPECT_TRUE(link->isVisible());
  EXPECT_TRUE(link->text().contains(QStringLiteral("href=\"https://example.org/x\"")));
  auto* ok = n.findChild<QPushButton*>(QStringLiteral("ButtonOk"));
  ASSERT_NE(ok, nullptr);
  ok->click();
  EXPECT_FALSE(n.isVisible());
  EXPECT_EQ(n.result(), QDialog::Accepted);

  // Without a link or a second line those lines stay hidden. The notice has no caption
  // picture: its title is written in every style, so style 1 needs no pack.
  TFormLink bare(QStringLiteral("one"), QString(), QString(), style(1, false, false));
  const QImage bareShot = shot(bare);
  EXPECT_FALSE(bare.findChild<QLabel*>(QStringLiteral("LabelLink"))->isVisible());
  EXPECT_FALSE(bare.findChild<QLabel*>(QStringLiteral("Label2"))->isVisible());
  EXPECT_FALSE(bare.dressResult().fellBack);
  EXPECT_GT(countNear(bareShot, kYellow, 10, 60), 40);
  // With full graphics: the "About" background under the written title, not its caption.
  TFormLink full(QStringLiteral("one"), QString(), QString(), style(1, true, true));
  const QImage fullShot = shot(full);
  EXPECT_TRUE(full.dressResult().fullGraphics);
  EXPECT_TRUE(near(fullShot.pixel(2, fullShot.height() - 3), kBackground, 16));
  EXPECT_GT(countNear(fullShot, kYellow, 10, 60), 40);
  EXPECT_EQ(countNear(fullShot, kKeys[8].caption, 0, 60, 12), 0);
  TFormLink fallen(QStringLiteral("one"), QString(), QString(), style(2, true, false));
  EXPECT_TRUE(fallen.dressResult().fellBack);
  // Marked-up text in a link is shown as text, not obeyed.
  TFormLink odd(QStringLiteral("x"), QString(), QStringLiteral("<b>\"x"), style(2, false, true));
  EXPECT_TRUE(odd.findChild<QLabel*>(QStringLiteral("LabelLink"))->text().contains(QStringLiteral("&lt;b&gt;")));
}

// Closed balloons delete themselves later; let them go before the test ends, so none is
// left for the application object that outlives the tests.
void dropBalloons() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<TBalloon*>(w)) delete w;
}

TEST(Balloons, OpenFromTheControlAndCloseInTurn) {
  app();
  QWidget host;
  host.resize(300, 200);
  auto* control = new QPushButton(QStringLiteral("Top Ten"), &host);
  control->setGeometry(100, 120, 100, 30);
  host.show();
  QApplication::processEvents();

  EXPECT_EQ(fromColorRef(0xE1FFFF), QColor(255, 255, 225));
  EXPECT_EQ(fromColorRef(0x000080), QColor(128, 0, 0));

  QPointer<TBalloon> b = ShowBalloon(QStringLiteral("Title"), QStringLiteral("Some text"),
                                     QStringLiteral("Comic Sans MS"), control, BalloonArrow::BottomLeft,
                                     BalloonKind::Info, 9, 600, 0x0000FF, 0xE1FFFF, 0x0000FF, 0x000080);
  ASSERT_FALSE(b.isNull());
  EXPECT_TRUE(b->isVisible());
  EXPECT_FALSE(b->isOpen());
  // It starts at the control's centre and ends with the arrow's tip there.
  const QPoint centre = control->mapToGlobal(control->rect().center());
  EXPECT_LE((b->geometry().center() - centre).manhattanLength(), 2);
  QTRY_VERIFY(b && b->isOpen());
  EXPECT_EQ(b->geometry(), b->openGeometry());
  EXPECT_EQ(b->openGeometry().bottom() + 1, centre.y());
  const QImage img = b->grab().toImage();
  int pale = 0, red = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      pale += c == QColor(255, 255, 225);
      red += c.red() > 200 && c.green() < 60 && c.blue() < 60;
    }
  EXPECT_GT(pale, 100);
  EXPECT_GT(red, 10);
  // Closed when its time is up.
  QTRY_VERIFY_WITH_TIMEOUT(b.isNull(), 5000);

  // Closed early when the pointer leaves the control.
  QPointer<TBalloon> early = ShowBalloon(QString(), QStringLiteral("x"), QStringLiteral("Arial"), control,
                                         BalloonArrow::TopRight, BalloonKind::None, 9, 60000, 0, 0xFFFFFF, 0, 0);
  EXPECT_GE(early->openGeometry().top(), centre.y());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(control, &leave);
  QTRY_VERIFY(early.isNull());
}

TEST(Balloons, HoverOpensOneBalloonWithTheGamesInACycle) {
  app();
  QWidget host;
  auto* topTen = new QPushButton(QStringLiteral("Top Ten"), &host);
  host.show();
  const QString title = wordText(words::Entry::GamesInCycle, words::Language::English) + QStringLiteral(":");
  AttachHoverBalloon(topTen, title, QStringLiteral("30"));
  auto balloons = [] {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* b = qobject_cast<TBalloon*>(w); b && b->isVisible()) ++n;
    return n;
  };
  EXPECT_EQ(balloons(), 0);
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(topTen, &enter);
  QApplication::sendEvent(topTen, &enter);
  ASSERT_EQ(balloons(), 1);
  TBalloon* b = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* t = qobject_cast<TBalloon*>(w); t && t->isVisible()) b = t;
  EXPECT_EQ(b->title(), QStringLiteral("Games in cycle:"));
  EXPECT_EQ(b->text(), QStringLiteral("30"));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(topTen, &leave);
  QTRY_COMPARE(balloons(), 0);
  dropBalloons();
}

}  // namespace
}  // namespace vantorn::app
