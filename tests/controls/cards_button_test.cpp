// The button drawn from the built-in capsule pictures, grabbed with its parent
// so that the transparent surround shows the parent's colour.
#include "controls/cards_button.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace vantorn::controls;

namespace {

const QRgb kBackground = qRgb(10, 200, 30);
const QRgb kText = qRgb(255, 255, 0);
const QRgb kMouse = qRgb(0, 255, 255);
const QRgb kSilver = qRgb(192, 192, 192);

QString rgbText(QRgb c) { return QStringLiteral("(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)); }
#define EXPECT_RGB(a, b) EXPECT_EQ(rgbText(a).toStdString(), rgbText(b).toStdString())

struct Host {
  QWidget parent;
  TQexCardsButton* button;
  explicit Host(int w, int h, const QString& text = {}) {
    parent.resize(w + 40, h + 40);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(kBackground));
    parent.setPalette(pal);
    parent.setAutoFillBackground(true);
    button = new TQexCardsButton(text, &parent);
    button->setGeometry(10, 10, w, h);
    button->setFontColor(QColor(kText));
    QFont f = button->font();
    f.setBold(true);
    f.setPixelSize(20);
    button->setFont(f);
  }
  QImage shot() { return parent.grab(button->geometry()).toImage().convertToFormat(QImage::Format_RGB32); }
  void focus() {
    parent.show();
    parent.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&parent));
    button->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(button->hasFocus());
  }
};

int count(const QImage& img, QRgb c) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) == (c & 0xFFFFFF);
  return n;
}

QRect box(const QImage& img, QRgb c) {
  QRect r;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if ((img.pixel(x, y) & 0xFFFFFF) == (c & 0xFFFFFF)) r |= QRect(x, y, 1, 1);
  return r;
}

}  // namespace

TEST(CardsButton, RedButtonAtNativeHeightsShowsTheRowsUnchanged) {
  struct Case { int h, k; QRgb colour; };
  const Case cases[] = {{30, 3, qRgb(0xE8, 0xAD, 0xAD)}, {30, 14, qRgb(0x98, 0x24, 0x24)}, {30, 27, qRgb(0xEE, 0, 0)},
                        {45, 3, qRgb(0xEF, 0xB4, 0xB4)}, {45, 22, qRgb(0x99, 0x22, 0x22)},
                        {60, 29, qRgb(0x96, 0x21, 0x21)}, {60, 57, qRgb(0xF6, 0, 0)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.h * 100 + c.k);
    Host host(120, c.h);
    const QImage img = host.shot();
    EXPECT_RGB(img.pixel(60, c.k), c.colour);
    EXPECT_RGB(img.pixel(0, 0), kBackground);      // the caps' transparent corner
    EXPECT_RGB(img.pixel(60, c.h - 1), kBackground);  // the row below the capsule
    EXPECT_RGB(img.pixel(119, c.h / 2), kBackground);
  }
}

TEST(CardsButton, SchemeAndLightRecolourTheRows) {
  Host host(120, 30);
  host.button->setColorSB(TColorSB::DNavy);
  host.button->setKLightSB(40);
  // Row 3 (232, 173, 173) as navy (173, 173, 232), 40 per cent towards white.
  EXPECT_RGB(host.shot().pixel(60, 3), qRgb(206, 206, 241));
  host.button->setKLightSB(250);  // clamped to 100: white
  EXPECT_EQ(host.button->KLightSB(), 100);
  EXPECT_RGB(host.shot().pixel(60, 3), qRgb(255, 255, 255));
}

TEST(CardsButton, SetSchemePicksTheNearestScheme) {
  struct Case { QColor base; TColorSB scheme; };
  const Case cases[] = {{QColor(30, 60, 170), TColorSB::DNavy}, {QColor(178, 24, 28), TColorSB::DRed},
                        {QColor(20, 160, 30), TColorSB::DGreen}, {QColor(255, 140, 0), TColorSB::DOrang},
                        {QColor(0, 200, 200), TColorSB::DBlue},   {QColor(128, 128, 128), TColorSB::DRed}};
  for (const Case& c : cases) {
    TQexCardsButton b;
    b.setScheme(c.base, Qt::black);
    EXPECT_EQ(int(b.ColorSB()), int(c.scheme)) << c.base.name().toStdString();
    EXPECT_EQ(b.fontColor(), QColor(Qt::black));
  }
}

TEST(CardsButton, FocusDotsOnlyWhenFocusedWithKonturAndWithoutVell) {
  const QRgb dot = qRgb(0xFF, 0xC8, 0xC8);
  {
    Host host(100, 30);
    const QImage unfocused = host.shot();
    EXPECT_NE(unfocused.pixel(11, 14) & 0xFFFFFF, dot & 0xFFFFFF);
    host.focus();
    const QImage img = host.shot();
    for (QPoint p : {QPoint(11, 14), QPoint(12, 15), QPoint(87, 14), QPoint(88, 15)}) EXPECT_RGB(img.pixel(p), dot);
    EXPECT_NE(img.pixel(13, 16) & 0xFFFFFF, dot & 0xFFFFFF);
    host.button->setDown(true);  // both dots move one pixel right and down
    const QImage down = host.shot();
    EXPECT_RGB(down.pixel(13, 16), dot);
    EXPECT_RGB(down.pixel(89, 16), dot);
    host.button->setDown(false);
    host.button->setKontur(false);
    EXPECT_EQ(count(host.shot(), dot), 0);
    host.button->setKontur(true);
    host.button->setVell(true);
    EXPECT_EQ(count(host.shot(), dot), 0);
  }
  {
    Host host(100, 35);  // class 0: d = 5 at q = 10 from each end
    host.button->setColorSB(TColorSB::DCards);
    host.focus();
    const QImage img = host.shot();
    const QRgb cards = qRgb(0xDC, 0xB4, 0xFF);
    EXPECT_RGB(img.pixel(12, 17), cards);
    EXPECT_RGB(img.pixel(87, 17), cards);
    EXPECT_NE(img.pixel(9, 17) & 0xFFFFFF, cards & 0xFFFFFF);
  }
}

TEST(CardsButton, PressedShiftsThePictureAndTheText) {
  Host host(120, 30, QStringLiteral("HHH"));
  const QImage up = host.shot();
  host.button->setDown(true);
  const QImage down = host.shot();
  EXPECT_RGB(down.pixel(60, 4), up.pixel(60, 3));
  EXPECT_RGB(down.pixel(60, 0), kBackground);
  const QRect a = box(up, kText), b = box(down, kText);
  ASSERT_FALSE(a.isEmpty());
  EXPECT_EQ(b.topLeft(), a.topLeft() + QPoint(1, 1));
  host.button->setDown(false);
  host.button->setVell(true);  // the alternative set raises the text a pixel
  EXPECT_EQ(box(host.shot(), kText).topLeft(), a.topLeft() + QPoint(0, -1));
}

TEST(CardsButton, TextColourFollowsHoverAndDisabledState) {
  struct Case { bool enabled, lightFont, hover, grayDis; QRgb shown, absent; };
  const Case cases[] = {
      {true, false, false, false, kText, kMouse},   {true, true, false, false, kText, kMouse},
      {true, false, true, false, kText, kMouse},    {true, true, true, false, kMouse, kText},
      {false, true, true, true, kSilver, kText},    {false, false, false, false, kText, kSilver},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.enabled) * 1000 + int(c.lightFont) * 100 + int(c.hover) * 10 + int(c.grayDis));
    Host host(120, 30, QStringLiteral("HHH"));
    host.button->setColorMouse(QColor(kMouse));
    host.button->setLightFont(c.lightFont);
    host.button->setGrayDis(c.grayDis);
    host.button->setEnabled(c.enabled);
    if (c.hover) {
      QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
      QApplication::sendEvent(host.button, &enter);
    }
    const QImage img = host.shot();
    EXPECT_GT(count(img, c.shown), 20);
    EXPECT_EQ(count(img, c.absent), 0);
  }
}

TEST(CardsButton, MouseEnterAndLeaveRaiseTheEvents) {
  TQexCardsButton b;
  QSignalSpy entered(&b, &TQexCardsButton::OnMouseEnter), left(&b, &TQexCardsButton::OnMouseLeave);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&b, &enter);
  EXPECT_TRUE(b.MouseInPos());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&b, &leave);
  EXPECT_FALSE(b.MouseInPos());
  EXPECT_EQ(entered.count(), 1);
  EXPECT_EQ(left.count(), 1);
}

TEST(CardsButton, DoubleClickActsAsASecondPress) {
  TQexCardsButton b(QStringLiteral("OK"));
  b.resize(100, 30);
  QSignalSpy clicked(&b, &QPushButton::clicked);
  const QPointF at(50, 15);
  auto send = [&](QEvent::Type t) {
    QMouseEvent e(t, at, b.mapToGlobal(at), Qt::LeftButton, t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&b, &e);
  };
  send(QEvent::MouseButtonPress);
  send(QEvent::MouseButtonRelease);
  send(QEvent::MouseButtonDblClick);
  send(QEvent::MouseButtonRelease);
  EXPECT_EQ(clicked.count(), 2);
}

TEST(CardsButton, GlyphSitsByTheLayout) {
  QImage glyph(10, 11, QImage::Format_ARGB32);
  glyph.fill(qRgb(0, 0, 255));
  struct Case { int h; TButtonLayout layout; int x; };
  const Case cases[] = {{30, TButtonLayout::blGlyphLeft, 15},   {30, TButtonLayout::blGlyphRight, 75},
                        {30, TButtonLayout::blGlyphBottom, 45}, {45, TButtonLayout::blGlyphLeft, 18},
                        {60, TButtonLayout::blGlyphRight, 70},  {35, TButtonLayout::blGlyphLeft, 16}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.h * 10 + int(c.layout));
    Host host(100, c.h);
    host.button->setGlyph(glyph);
    host.button->setGlyphLayout(c.layout);
    EXPECT_EQ(box(host.shot(), qRgb(0, 0, 255)), QRect(c.x, int(std::lround((c.h - 12) / 2.0)), 10, 11));
  }
}

TEST(CardsButton, TheCallersSizesLeaveNoGaps) {
  for (QSize s : {QSize(64, 64), QSize(130, 32), QSize(110, 30), QSize(200, 48)}) {
    SCOPED_TRACE(s.width() * 1000 + s.height());
    Host host(s.width(), s.height());
    const QImage img = host.shot();
    // Across the middle row from cap to cap, and along the top and bottom rows between the caps.
    const int q = CapsuleMetrics(s.height()).q;
    for (int y : {2, s.height() / 2, s.height() - 3})
      for (int x = y == s.height() / 2 ? 2 : q; x < (y == s.height() / 2 ? s.width() - 3 : s.width() - q - 1); ++x) {
        const QRgb p = img.pixel(x, y);
        ASSERT_TRUE(qRed(p) > qGreen(p) && qRed(p) > qBlue(p)) << x << "," << y << " " << rgbText(p).toStdString();
      }
    EXPECT_RGB(img.pixel(s.width() - 1, s.height() / 2), kBackground);
  }
}

TEST(CardsButton, HeightSbSetsTheHeight) {
  TQexCardsButton b;
  EXPECT_EQ(b.size(), QSize(100, 30));
  b.setHeightSB(THeightSB::D45);
  EXPECT_EQ(b.height(), 45);
  b.setHeightSB(THeightSB::D60);
  EXPECT_EQ(b.height(), 60);
}

TEST(CardsButton, MarginPutsTheTextAfterTheGlyph) {
  QImage glyph(10, 11, QImage::Format_ARGB32);
  glyph.fill(qRgb(0, 0, 255));
  Host host(160, 30, QStringLiteral("HHH"));
  host.button->setGlyph(glyph);
  const QRect centred = box(host.shot(), kText);
  EXPECT_NEAR(centred.center().x(), 80, 2);
  host.button->setMargin(0);
  const QRect after = box(host.shot(), kText);
  // Left-aligned from glyph width + 25 at height 30, a little side bearing allowed.
  EXPECT_GE(after.left(), 35);
  EXPECT_LE(after.left(), 38);
  EXPECT_EQ(after.top(), centred.top());
}

TEST(CardsButton, OnDrawButtonReportsTheItemState) {
  Host host(100, 30);
  std::vector<TOwnerDrawState> states;
  QObject::connect(host.button, &TQexCardsButton::OnDrawButton, [&](QPainter* p, QRect r, TOwnerDrawState s) {
    EXPECT_NE(p, nullptr);
    EXPECT_EQ(r, QRect(0, 0, 100, 30));
    states.push_back(s);
  });
  host.shot();
  host.button->setDown(true);
  host.shot();
  host.button->setDown(false);
  host.button->setEnabled(false);
  host.shot();
  ASSERT_EQ(states.size(), 3u);
  EXPECT_FALSE(states[0].selected);
  EXPECT_TRUE(states[1].selected);
  EXPECT_TRUE(states[2].disabled);
  EXPECT_FALSE(states[0].disabled);
}
