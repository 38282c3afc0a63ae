// The capsule drawing with pictures of our own: every piece a solid colour of
// its own, so each pixel tells which picture (and which set) put it there.
#include "controls/capsule.h"

#include <QMap>

#include <gtest/gtest.h>

using namespace vantorn::controls;

namespace {

QString rgbText(QRgb c) { return QStringLiteral("(%1,%2,%3,%4)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)).arg(qAlpha(c)); }
#define EXPECT_RGB(a, b) EXPECT_EQ(rgbText(a).toStdString(), rgbText(b).toStdString())

// Solid pieces at their stored sizes: caps capWidth x (classHeight - 1), middle 4 wide.
struct Fixture {
  QMap<QString, QRgb> colour;
  QMap<QString, QImage> image;
  Fixture() {
    const struct { const char* set; int cap; int h; } sets[] = {{"29", 8, 29}, {"44", 13, 44}, {"59", 17, 59}};
    int red = 100;
    for (const char* prefix : {"R", "Q"})
      for (const auto& s : sets)
        for (const char* piece : {"_L", "_R", "_2"}) {
          const QString name = QString::fromLatin1(prefix) + QString::fromLatin1(s.set) + QString::fromLatin1(piece);
          QImage img(QString::fromLatin1(piece) == QLatin1String("_2") ? 4 : s.cap, s.h, QImage::Format_ARGB32);
          colour[name] = qRgb(red, 0, 0);  // red-only, so every scheme keeps them apart
          img.fill(colour[name]);
          image[name] = img;
          red += 7;
        }
  }
  TCapsulePictures source() const {
    return [this](const QString& n) { return image.value(n); };
  }
};

}  // namespace

TEST(Capsule, SchemesMapTheRedPictures) {
  const QRgb pink = qRgb(232, 173, 173);   // a light row of the red pictures
  const QRgb red = qRgb(200, 20, 10);      // within 180 of pure red
  struct Case { QRgb in; TColorSB scheme; int light; bool vell; QRgb out; };
  const Case cases[] = {
      {pink, TColorSB::DRed, 0, false, pink},
      {pink, TColorSB::DGreen, 0, false, qRgb(173, 232, 173)},
      {pink, TColorSB::DBlue, 0, false, qRgb(173, 232, 232)},
      {pink, TColorSB::DNavy, 0, false, qRgb(173, 173, 232)},
      {pink, TColorSB::DYellow, 0, false, qRgb(232, 232, 173)},
      {pink, TColorSB::DViolet, 0, false, qRgb(232, 173, 232)},
      {pink, TColorSB::DOrang, 0, false, qRgb(232, 165, 121)},
      {qRgb(100, 150, 50), TColorSB::DOrang, 0, false, qRgb(100, 150, 50)},  // green above red: kept
      {pink, TColorSB::DCards, 0, false, qRgb(162, 0, 232)},
      {pink, TColorSB::DCards, 0, true, pink},                 // far from red: the Vell set keeps it
      {red, TColorSB::DCards, 0, true, qRgb(120, 14, 200)},
      {qRgb(128, 0, 0), TColorSB::DRed, 40, false, qRgb(179, 102, 102)},
      {qRgb(128, 0, 0), TColorSB::DNavy, 40, false, qRgb(102, 102, 179)},
      {pink, TColorSB::DRed, 40, true, pink},                  // Vell lightens only the red body
      {red, TColorSB::DRed, 40, true, qRgb(222, 114, 108)},
      {qRgba(128, 0, 0, 77), TColorSB::DGreen, 0, false, qRgba(0, 128, 0, 77)},  // alpha kept
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.scheme));
    EXPECT_RGB(ApplyScheme(c.in, c.scheme, c.light, c.vell), c.out);
  }
}

TEST(Capsule, BilinearResizeMixesFourNeighboursAlphaIncluded) {
  QImage src(2, 2, QImage::Format_ARGB32);
  src.setPixel(0, 0, qRgba(0, 0, 0, 0));
  src.setPixel(1, 0, qRgba(100, 0, 0, 255));
  src.setPixel(0, 1, qRgba(100, 0, 0, 255));
  src.setPixel(1, 1, qRgba(100, 0, 0, 255));
  const QImage out = ResizeBilinear(src, 4, 4);
  ASSERT_EQ(out.size(), QSize(4, 4));
  EXPECT_EQ(qRed(out.pixel(0, 0)), 0);
  EXPECT_EQ(qRed(out.pixel(2, 0)), 50);  // source x 0.5
  EXPECT_EQ(qRed(out.pixel(1, 1)), 44);  // 100 * (1 - 0.75 * 0.75)
  EXPECT_EQ(qAlpha(out.pixel(1, 1)), 112);
  EXPECT_EQ(qRed(out.pixel(3, 3)), 94);
  // A target of one pixel leaves the picture as it is.
  EXPECT_EQ(ResizeBilinear(src, 1, 4).size(), QSize(2, 2));
}

TEST(Capsule, NativeHeightDrawsTheRowTableBetweenTheCaps) {
  const Fixture f;
  const QImage img = PaintCapsule({}, 100, 30, f.source());
  for (int y : {0, 14, 28}) {
    EXPECT_RGB(img.pixel(0, y), f.colour["R29_L"]);
    EXPECT_RGB(img.pixel(7, y), f.colour["R29_L"]);
    EXPECT_RGB(img.pixel(91, y), f.colour["R29_R"]);
    EXPECT_RGB(img.pixel(98, y), f.colour["R29_R"]);
    EXPECT_EQ(qAlpha(img.pixel(99, y)), 0);  // the last column stays the parent's
  }
  EXPECT_RGB(img.pixel(8, 3), qRgb(0xE8, 0xAD, 0xAD));
  EXPECT_RGB(img.pixel(90, 3), qRgb(0xE8, 0xAD, 0xAD));
  EXPECT_RGB(img.pixel(50, 14), qRgb(0x98, 0x24, 0x24));
  for (int x : {0, 50, 98}) EXPECT_EQ(qAlpha(img.pixel(x, 29)), 0) << x;  // and the last row
  // The other native heights, a few rows each.
  const QImage h45 = PaintCapsule({}, 100, 45, f.source());
  EXPECT_RGB(h45.pixel(13, 3), qRgb(0xEF, 0xB4, 0xB4));
  EXPECT_RGB(h45.pixel(85, 22), qRgb(0x99, 0x22, 0x22));
  EXPECT_RGB(h45.pixel(86, 22), f.colour["R44_R"]);
  const QImage h60 = PaintCapsule({}, 100, 60, f.source());
  EXPECT_RGB(h60.pixel(17, 29), qRgb(0x96, 0x21, 0x21));
  EXPECT_RGB(h60.pixel(81, 57), qRgb(0xF6, 0, 0));
  EXPECT_RGB(h60.pixel(16, 57), f.colour["R59_L"]);
}

TEST(Capsule, MiddlePictureServesOtherHeightsVellAndTheCardsScheme) {
  const Fixture f;
  struct Case { int h; bool vell; TColorSB scheme; const char* set; int q; };
  const Case cases[] = {
      {35, false, TColorSB::DRed, "R44", 10},  {32, false, TColorSB::DRed, "R44", 9},
      {64, false, TColorSB::DRed, "R59", 18},  {20, false, TColorSB::DRed, "R29", 5},
      {30, true, TColorSB::DRed, "Q29", 8},    {45, true, TColorSB::DRed, "Q44", 13},
      {30, false, TColorSB::DCards, "R29", 8}, {60, false, TColorSB::DCards, "R59", 17},
  };
  const int w = 100;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.h);
    TCapsuleLook look;
    look.vell = c.vell;
    look.scheme = c.scheme;
    const QImage img = PaintCapsule(look, w, c.h, f.source());
    const QString set = QString::fromLatin1(c.set);
    auto mapped = [&](const char* piece) { return ApplyScheme(f.colour[set + QLatin1String(piece)], c.scheme, 0, c.vell); };
    for (int y : {0, c.h / 2, c.h - 2}) {
      EXPECT_RGB(img.pixel(c.q - 1, y), mapped("_L"));
      EXPECT_RGB(img.pixel(c.q, y), mapped("_2"));
      EXPECT_RGB(img.pixel(w / 2, y), mapped("_2"));
      EXPECT_RGB(img.pixel(w - c.q - 1, y), mapped("_2"));  // the middle is drawn over the right cap's first column
      EXPECT_RGB(img.pixel(w - c.q, y), mapped("_R"));
      EXPECT_EQ(qAlpha(img.pixel(w - 1, y)), 0);
    }
    EXPECT_EQ(qAlpha(img.pixel(w / 2, c.h - 1)), 0);
  }
}

TEST(Capsule, SmoothCapsAreResizedBilinearlyOtherwiseStretched) {
  Fixture f;
  QImage ramp(13, 44, QImage::Format_ARGB32);
  for (int x = 0; x < 13; ++x)
    for (int y = 0; y < 44; ++y) ramp.setPixel(x, y, qRgb(x * 20, 0, 0));
  f.image["R44_L"] = ramp;
  TCapsuleLook look;
  const QImage smooth = PaintCapsule(look, 100, 35, f.source());  // q = 10
  EXPECT_EQ(qRed(smooth.pixel(1, 10)), 24);  // source x 1.2
  EXPECT_EQ(qRed(smooth.pixel(3, 10)), 72);  // source x 3.6
  look.smooth = false;
  const QImage stretched = PaintCapsule(look, 100, 35, f.source());
  for (int x = 0; x < 10; ++x) EXPECT_EQ(qRed(stretched.pixel(x, 10)) % 20, 0) << x;
  EXPECT_NE(qRed(stretched.pixel(1, 10)), 24);
}

TEST(Capsule, FocusDotsFollowTheHeight) {
  struct Case { int w, h; TFocusDots dots; };
  const Case cases[] = {
      {100, 30, {4, 13, 10, 86}}, {100, 45, {5, 20, 13, 82}}, {100, 60, {6, 27, 15, 79}},
      {100, 35, {5, 15, 10, 85}},  // class 0: at q = 10 from each end
      {100, 19, {3, 8, 5, 92}},   {100, 65, {7, 29, 18, 75}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.h);
    const TFocusDots d = FocusDots(c.w, c.h);
    EXPECT_EQ(d.d, c.dots.d);
    EXPECT_EQ(d.top, c.dots.top);
    EXPECT_EQ(d.leftX, c.dots.leftX);
    EXPECT_EQ(d.rightX, c.dots.rightX);
  }
}
