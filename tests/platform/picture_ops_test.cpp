// The bilinear resize and the caption-colour transform against small hand-worked fixtures.
#include "platform/picture_ops.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace vantorn::platform;

namespace {

QImage twoByTwo(QImage::Format format) {
  QImage img(2, 2, format);
  img.setPixel(0, 0, qRgba(0, 0, 0, 255));
  img.setPixel(1, 0, qRgba(200, 5, 0, 255));
  img.setPixel(0, 1, qRgba(0, 0, 200, 255));
  img.setPixel(1, 1, qRgba(100, 100, 100, 255));
  return img;
}

std::tuple<int, int, int, int> at(const QImage& img, int x, int y) {
  const QRgb p = img.pixel(x, y);
  return {qRed(p), qGreen(p), qBlue(p), qAlpha(p)};
}

}  // namespace

TEST(ResizePng, MixesTheFourNeighboursOfTheScaledPosition) {
  QImage img = twoByTwo(QImage::Format_RGB32);
  ASSERT_TRUE(ResizePng(img, 4, 4));
  ASSERT_EQ(img.size(), QSize(4, 4));
  EXPECT_EQ(img.format(), QImage::Format_RGB32);
  // Source positions are x * (2 - 1) / 4: 0, 0.25, 0.5, 0.75; the last column never reaches 1.
  EXPECT_EQ(at(img, 0, 0), std::make_tuple(0, 0, 0, 255));
  // Half of (0,0,0) and (200,5,0): green 2.5 rounds to even.
  EXPECT_EQ(at(img, 2, 0), std::make_tuple(100, 2, 0, 255));
  // (0.25, 0.5): top 50, 1.25, 0; bottom 25, 25, 175; halfway 37.5, 13.125, 87.5.
  EXPECT_EQ(at(img, 1, 2), std::make_tuple(38, 13, 88, 255));
  // (0.75, 0.75): 9/16 of (100,100,100), 3/16 of each side neighbour, 1/16 of black.
  EXPECT_EQ(at(img, 3, 3), std::make_tuple(94, 57, 94, 255));
}

TEST(ResizePng, MixesAlphaLikeAColourChannel) {
  QImage img(2, 1 + 1, QImage::Format_ARGB32);
  img.fill(qRgba(10, 20, 30, 0));
  img.setPixel(1, 0, qRgba(10, 20, 30, 200));
  img.setPixel(1, 1, qRgba(10, 20, 30, 200));
  ASSERT_TRUE(ResizePng(img, 4, 2));
  EXPECT_TRUE(img.hasAlphaChannel());
  EXPECT_EQ(std::get<3>(at(img, 0, 0)), 0);
  EXPECT_EQ(std::get<3>(at(img, 1, 0)), 50);
  EXPECT_EQ(std::get<3>(at(img, 2, 1)), 100);
}

TEST(ResizePng, RefusesOtherColourTypesAndKeepsThePicture) {
  for (const QImage::Format f : {QImage::Format_Indexed8, QImage::Format_Grayscale8, QImage::Format_RGBA64}) {
    QImage img(4, 4, f);
    if (f == QImage::Format_Indexed8) img.setColorTable({qRgb(1, 2, 3)});
    img.fill(0);
    QString error;
    EXPECT_FALSE(ResizePng(img, 8, 8, &error)) << f;
    EXPECT_EQ(error, QString::fromLatin1(kResizeColourTypeError));
    EXPECT_EQ(img.size(), QSize(4, 4));
  }
}

TEST(ResizePng, LeavesTinyPicturesAndTargetsAlone) {
  const std::tuple<int, int, int, int> cases[] = {
      {1, 5, 10, 10},  // one-pixel-wide source
      {5, 1, 10, 10},  // one-pixel-high source
      {5, 5, 1, 10},   // one-pixel target width
      {5, 5, 10, 0},   // empty target height
  };
  for (const auto& [sw, sh, tw, th] : cases) {
    QImage img(sw, sh, QImage::Format_RGB32);
    img.fill(qRgb(7, 8, 9));
    EXPECT_TRUE(ResizePng(img, tw, th));
    EXPECT_EQ(img.size(), QSize(sw, sh));
  }
}

TEST(RecolourPng, EachVariantOnOnePixel) {
  struct Case {
    int variant;
    int r, g, b;
  };
  // The pixel (200, 100, 50) under every variant.
  const Case cases[] = {
      {1, 200, 100, 50},  {2, 200, 101, 35},  // B = round(50 * 0.7), G = B + round(165 * 0.4)
      {3, 200, 200, 50},  {4, 100, 200, 50},  {5, 50, 200, 200},
      {6, 50, 100, 200},  {7, 200, 100, 200}, {8, 124, 124, 124},  // 124.5 rounds to even
      {0, 200, 100, 50},  {9, 200, 100, 50},
  };
  for (const Case& c : cases) {
    QImage img(3, 2, QImage::Format_ARGB32);
    img.fill(qRgba(200, 100, 50, 77));
    RecolourPng(img, c.variant);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x)
        EXPECT_EQ(at(img, x, y), std::make_tuple(c.r, c.g, c.b, 77)) << "variant " << c.variant;
  }
}

TEST(RecolourPng, VariantTwoOnlyTouchesReddishPixels) {
  int r = 100, g = 150, b = 50;  // green dominates
  RecolourRgb(r, g, b, 2);
  EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(100, 150, 50));
  r = 100, g = 100, b = 50;  // red ties with green: not strictly greater
  RecolourRgb(r, g, b, 2);
  EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(100, 100, 50));
}
