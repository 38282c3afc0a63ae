// The resource file reader: typed, case-insensitive lookup, compressed and raw
// data, and damaged input that must never crash or yield made-up entries.
#include <platform/resource_library.h>

#include "test_packs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using vantorn::platform::ResourceLibrary;

namespace {

QByteArray packBytes(const std::vector<TestResource>& items, bool compress) {
  QTemporaryDir dir;
  const QString path = dir.filePath("p.rcc");
  if (!makeTestPack(path, items, compress)) return {};
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

const QByteArray kText = QByteArray("a card game resource ").repeated(200);

std::vector<TestResource> sample() {
  return {{"RT_RCDATA", "GCap300", kText},
          {"JPEG", "GCap300", QByteArray("jpeg bytes")},
          {"RT_RCDATA", "Pi5AMed", QByteArray("ace")},
          {"BITMAP", "Ch09", QByteArray("nine")}};
}

}  // namespace

TEST(ResourceLibrary, FindsNamesOfEitherCaseUnderTheirOwnTypeOnly) {
  for (bool compress : {true, false}) {
    const QByteArray bytes = packBytes(sample(), compress);
    ASSERT_FALSE(bytes.isEmpty());
    const auto lib = ResourceLibrary::fromBytes(bytes);
    ASSERT_TRUE(lib);
    EXPECT_EQ(lib->entries().size(), 4u);
    EXPECT_EQ(lib->data("gcap300", "rt_rcdata").value_or(""), kText) << "compress=" << compress;
    EXPECT_EQ(lib->data("GCAP300", "Jpeg").value_or(""), QByteArray("jpeg bytes"));
    EXPECT_EQ(lib->data("pi5amed", "RT_RCDATA").value_or(""), QByteArray("ace"));
    EXPECT_TRUE(lib->contains("CH09", "bitmap"));
    EXPECT_FALSE(lib->contains("Ch09", "RT_RCDATA"));
    EXPECT_FALSE(lib->contains("Pi5A", "RT_RCDATA"));
    EXPECT_FALSE(lib->data("Nothing", "GIF"));
  }
}

TEST(ResourceLibrary, CompressedEntriesAreSmallerThanTheirData) {
  const auto lib = ResourceLibrary::fromBytes(packBytes(sample(), true));
  ASSERT_TRUE(lib);
  for (const auto& e : lib->entries())
    if (e.name == "GCap300" && e.type == "RT_RCDATA") {
      EXPECT_LT(e.size, kText.size());
    }
}

TEST(ResourceLibrary, RefusesWhatIsNotAResourceFile) {
  EXPECT_FALSE(ResourceLibrary::fromBytes(QByteArray()));
  static const char kWindowsLibrary[] = "MZ\x90\x00 a Windows library";
  EXPECT_FALSE(ResourceLibrary::fromBytes(QByteArray(kWindowsLibrary, sizeof kWindowsLibrary - 1)));
  EXPECT_FALSE(ResourceLibrary::fromBytes(QByteArray(64, '\0')));
  QByteArray wrongVersion = packBytes(sample(), false);
  ASSERT_GT(wrongVersion.size(), 8);
  wrongVersion[7] = char(9);
  EXPECT_FALSE(ResourceLibrary::fromBytes(wrongVersion));
}

TEST(ResourceLibrary, TruncatedFilesNeverYieldWrongData) {
  const QByteArray full = packBytes(sample(), true);
  ASSERT_FALSE(full.isEmpty());
  for (int len = 0; len < full.size(); ++len) {
    const auto lib = ResourceLibrary::fromBytes(full.left(len));
    if (!lib) continue;
    for (const auto& e : lib->entries()) {
      const auto d = lib->data(e.name, e.type);
      // Whatever survives a cut must be one of the real payloads.
      if (d) {
        EXPECT_TRUE(*d == kText || *d == "jpeg bytes" || *d == "ace" || *d == "nine") << len;
      }
    }
  }
}

TEST(ResourceLibrary, CorruptedBytesDoNotCrash) {
  const QByteArray full = packBytes(sample(), true);
  ASSERT_FALSE(full.isEmpty());
  uint32_t seed = 12345;
  for (int round = 0; round < 3000; ++round) {
    QByteArray b = full;
    for (int k = 0; k < 1 + round % 6; ++k) {
      seed = seed * 1103515245u + 12345u;
      const int at = int((seed >> 8) % uint32_t(b.size()));
      b[at] = char(seed >> 24);
    }
    const auto lib = ResourceLibrary::fromBytes(b);
    if (!lib) continue;
    // Every entry comes from a node that lies inside the file.
    EXPECT_LE(lib->entries().size(), size_t(b.size() / 22));
    for (const auto& e : lib->entries()) {
      const auto d = lib->data(e.name, e.type);
      if (d) {
        EXPECT_LE(d->size(), 64 * 1024 * 1024);
      }
    }
  }
}
