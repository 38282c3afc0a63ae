// Pack lookup (data folder, its parent, the executable's folder), the loaders'
// results for a missing pack or resource, and the face inversion.
#include <platform/resources.h>

#include "test_packs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vantorn::platform;

namespace {

QByteArray gifBytes() {
  // A 1 by 1 GIF89a.
  static const unsigned char gif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0, 0, 0, 0, 0,
                                      0x21, 0xF9, 4, 0, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, 0x3B};
  return QByteArray(reinterpret_cast<const char*>(gif), sizeof gif);
}

// A layout of folders: <root>/up/data and <root>/bin.
struct Folders {
  QTemporaryDir root;
  QString data() const { return root.filePath("up/data"); }
  QString parent() const { return root.filePath("up"); }
  QString exe() const { return root.filePath("bin"); }
  Folders() {
    QDir().mkpath(data());
    QDir().mkpath(exe());
  }
};

ResourceLibrary builtinSample() {
  QTemporaryDir d;
  const QString path = d.filePath("b.rcc");
  makeTestPack(path, {{"RT_RCDATA", "GCap300", pngBytes(30, 5, 0xC02020)}, {"BITMAP", "Ch09", pngBytes(69, 94, 0xFFFFFF)}});
  return ResourceLibrary::fromFile(path).value_or(ResourceLibrary());
}

}  // namespace

TEST(PackLookup, SearchesDataFolderThenParentThenExecutableFolder) {
  Folders f;
  const Resources res(ResourceLibrary(), f.data(), f.exe());
  EXPECT_EQ(res.searchFolders(), (QStringList{QDir::cleanPath(f.data()), QDir::cleanPath(f.parent()), QDir::cleanPath(f.exe())}));
  const QString name = "QexBackG03.dll";
  EXPECT_FALSE(res.packPresent(name));
  // Present in all three: the data folder wins; then the parent; then the executable's folder.
  for (const QString& dir : {f.exe(), f.parent(), f.data()})
    ASSERT_TRUE(makeTestPack(dir + "/" + name, {{"JPEG", "Fon01Gr", jpegBytes(8, 8, 0x00FF00)}}));
  EXPECT_EQ(res.findPack(name), QDir(f.data()).filePath(name));
  QFile::remove(QDir(f.data()).filePath(name));
  EXPECT_EQ(res.findPack(name), QDir(f.parent()).filePath(name));
  QFile::remove(QDir(f.parent()).filePath(name));
  EXPECT_EQ(res.findPack(name), QDir(f.exe()).filePath(name));
  QFile::remove(QDir(f.exe()).filePath(name));
  EXPECT_TRUE(res.findPack(name).isEmpty());
}

TEST(PackLookup, RefusesNamesWithAFolderPart) {
  Folders f;
  ASSERT_TRUE(makeTestPack(f.parent() + "/x.dll", {{"JPEG", "A", jpegBytes(2, 2, 0)}}));
  const Resources res(ResourceLibrary(), f.data(), QString());
  EXPECT_TRUE(res.findPack("../x.dll").isEmpty());
  EXPECT_TRUE(res.findPack("..\\x.dll").isEmpty());
  EXPECT_FALSE(res.findPack("x.dll").isEmpty());
}

TEST(PackLoaders, ReportMissingPackMissingResourceAndBadData) {
  Folders f;
  const QString pack = "QexCGraph1.dll";
  const Resources res(builtinSample(), f.data(), f.exe());
  QImage img;
  QByteArray gif;
  PackLoad st{};
  // No pack: false, and the fallback rules take over.
  EXPECT_FALSE(LoadPackPng(res, "GTouch", pack, img, &st));
  EXPECT_EQ(st, PackLoad::PackMissing);
  EXPECT_FALSE(LoadPackJpeg(res, "BGLilu", pack, img, &st));
  EXPECT_FALSE(LoadPackGif(res, "GifA", pack, gif, &st));

  ASSERT_TRUE(makeTestPack(f.exe() + "/" + pack, {{"RT_RCDATA", "GTouch", pngBytes(300, 100, 0xFFD040)},
                                                  {"JPEG", "BGLilu", jpegBytes(40, 30, 0x402060)},
                                                  {"GIF", "GifA", gifBytes()},
                                                  {"RT_RCDATA", "Broken", QByteArray("not a picture")},
                                                  {"GIF", "NotGif", pngBytes(2, 2, 0)}}));
  EXPECT_TRUE(LoadPackPng(res, "gtouch", pack, img, &st));
  EXPECT_EQ(st, PackLoad::Loaded);
  EXPECT_EQ(img.size(), QSize(300, 100));
  EXPECT_EQ(QColor(img.pixel(10, 10)), QColor(0xFF, 0xD0, 0x40));
  EXPECT_TRUE(LoadPackJpeg(res, "BGLILU", pack, img, &st));
  EXPECT_EQ(img.size(), QSize(40, 30));
  EXPECT_TRUE(LoadPackGif(res, "GifA", pack, gif, &st));
  EXPECT_TRUE(gif.startsWith("GIF89a"));
  // The pack is there but the resource is not, or is of another type, or is damaged:
  // true (the pack is present) with a null picture and the fault in the status.
  EXPECT_TRUE(LoadPackPng(res, "BGLilu", pack, img, &st));
  EXPECT_EQ(st, PackLoad::NoSuchResource);
  EXPECT_TRUE(img.isNull());
  EXPECT_TRUE(LoadPackPng(res, "Broken", pack, img, &st));
  EXPECT_EQ(st, PackLoad::Undecodable);
  EXPECT_TRUE(img.isNull());
  EXPECT_TRUE(LoadPackGif(res, "NotGif", pack, gif, &st));
  EXPECT_EQ(st, PackLoad::Undecodable);
  EXPECT_TRUE(gif.isEmpty());

  // A file of the pack's name that is not a resource file counts as missing.
  QFile junk(f.data() + "/" + pack);
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("MZ this is not a pack");
  junk.close();
  EXPECT_FALSE(LoadPackPng(res, "GTouch", pack, img, &st));
  EXPECT_EQ(st, PackLoad::PackMissing);
}

TEST(PackLoaders, EmptyPackNameReadsTheBuiltInResources) {
  const Resources res(builtinSample(), QString(), QString());
  QImage img;
  PackLoad st{};
  EXPECT_TRUE(LoadPackPng(res, "gcap300", QString(), img, &st));
  EXPECT_EQ(st, PackLoad::Loaded);
  EXPECT_EQ(img.size(), QSize(30, 5));
  EXPECT_TRUE(LoadBitmap(res, "CH09", img));
  EXPECT_EQ(img.size(), QSize(69, 94));
  EXPECT_TRUE(LoadPackPng(res, "Nothing", QString(), img, &st));
  EXPECT_EQ(st, PackLoad::NoSuchResource);
}

TEST(InvertEllipse, InvertsExactlyTheEllipseAndIsItsOwnInverse) {
  QImage img(69, 94, QImage::Format_ARGB32);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, qRgba(x * 3, y * 2, (x * y) & 0xFF, 200));
  const QImage original = img;
  InvertEllipse(img, 10, 10, 84, 59);  // the small face's ellipse runs past the right edge
  struct Case { int x, y; bool inverted; };
  const Case cases[] = {{47, 34, true},  {10, 34, true},  {68, 34, true},   // centre row, left end, right edge
                        {47, 10, true},  {47, 58, true},                    // top and bottom of the ellipse
                        {9, 34, false},  {47, 9, false},  {47, 59, false},  // just outside
                        {11, 11, false}, {0, 0, false},   {30, 80, false}};
  for (const Case& c : cases) {
    const QRgb a = original.pixel(c.x, c.y), b = img.pixel(c.x, c.y);
    EXPECT_EQ(qAlpha(a), qAlpha(b));
    if (c.inverted)
      EXPECT_EQ(b, qRgba(255 - qRed(a), 255 - qGreen(a), 255 - qBlue(a), qAlpha(a))) << c.x << "," << c.y;
    else
      EXPECT_EQ(a, b) << c.x << "," << c.y;
  }
  InvertEllipse(img, 10, 10, 84, 59);
  EXPECT_EQ(img, original);
}

TEST(InvertEllipse, LeavesEmptyRectanglesAndNullPicturesAlone) {
  QImage img(20, 20, QImage::Format_ARGB32);
  img.fill(qRgba(10, 20, 30, 255));
  const QImage original = img;
  InvertEllipse(img, 5, 5, 5, 15);
  InvertEllipse(img, 30, 30, 60, 60);
  EXPECT_EQ(img, original);
  QImage null;
  InvertEllipse(null, 0, 0, 10, 10);
  EXPECT_TRUE(null.isNull());
}
