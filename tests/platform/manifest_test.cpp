// The generated resources against assets/manifest.txt: every name the game asks
// for exists under its type in the place where the game looks for it, decodes as
// what its type says, and has the size its family needs; pack faces come back
// as the intended picture after the loader's inversion.
#include <platform/resources.h>
#include <platform/resources_builtin.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QRegularExpression>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>

using namespace vantorn::platform;

namespace {

struct Wanted {
  QString place, type, name;
  int line;
};

// Shell-like brace expansion: {a,b}, {01..10}, nesting not needed.
QStringList expand(const QString& pattern) {
  const int open = pattern.indexOf('{');
  if (open < 0) return {pattern};
  const int close = pattern.indexOf('}', open);
  if (close < 0) return {};
  QStringList items;
  for (const QString& item : pattern.mid(open + 1, close - open - 1).split(',')) {
    const QRegularExpressionMatch m = QRegularExpression("^(\\d+)\\.\\.(\\d+)$").match(item);
    if (m.hasMatch()) {
      const int width = int(m.captured(1).size());
      for (int v = m.captured(1).toInt(); v <= m.captured(2).toInt(); ++v) items << QString("%1").arg(v, width, 10, QChar('0'));
    } else {
      items << item;
    }
  }
  QStringList out;
  for (const QString& item : items)
    for (const QString& rest : expand(pattern.mid(close + 1))) out << pattern.left(open) + item + rest;
  return out;
}

std::vector<Wanted> readManifest() {
  std::vector<Wanted> out;
  QFile f(qEnvironmentVariable("VANTORN_SOURCE_DIR") + "/assets/manifest.txt");
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return out;
  int line = 0;
  for (const QString& raw : QString::fromUtf8(f.readAll()).split('\n')) {
    ++line;
    const QString l = raw.trimmed();
    if (l.isEmpty() || l.startsWith('#')) continue;
    const QStringList f3 = l.split('|');
    if (f3.size() != 3) {
      out.push_back({"?", "?", l, line});
      continue;
    }
    for (const QString& n : expand(f3[2].trimmed())) out.push_back({f3[0].trimmed(), f3[1].trimmed(), n, line});
  }
  return out;
}

const ResourceLibrary* library(const QString& place) {
  static std::map<QString, std::unique_ptr<ResourceLibrary>> packs;
  if (place == "builtin") return &builtinResourceLibrary();
  auto& slot = packs[place];
  if (!slot) {
    auto lib = ResourceLibrary::fromFile(QString(VANTORN_PACK_DIR "/") + place);
    if (lib) slot = std::make_unique<ResourceLibrary>(std::move(*lib));
  }
  return slot.get();
}

QImage decode(const QByteArray& bytes, QByteArray* format = nullptr, int* frames = nullptr) {
  QByteArray copy = bytes;
  QBuffer b(&copy);
  b.open(QIODevice::ReadOnly);
  QImageReader r(&b);
  if (format) *format = r.format();
  if (frames) *frames = r.imageCount();
  QImage img = r.read();
  return img;
}

QImage load(const QString& place, const QString& type, const QString& name) {
  const ResourceLibrary* lib = library(place);
  if (!lib) return {};
  return decode(lib->data(name, type).value_or(QByteArray()));
}

// Mean colour difference across the border of the face ellipse: small when the
// picture runs on smoothly across it, large when one side is inverted.
double seamAcrossEllipse(const QImage& in, int right, int bottom) {
  const QImage img = in.convertToFormat(QImage::Format_ARGB32);
  QImage mask(img.size(), QImage::Format_ARGB32);
  mask.fill(0);
  InvertEllipse(mask, 10, 10, right, bottom);  // inside pixels become 0x00FFFFFF
  double sum = 0;
  int n = 0;
  for (int y = 0; y + 1 < img.height(); ++y)
    for (int x = 0; x + 1 < img.width(); ++x) {
      const bool in0 = mask.pixel(x, y) & 0xFFFFFF;
      for (QPoint d : {QPoint(1, 0), QPoint(0, 1)}) {
        const bool in1 = mask.pixel(x + d.x(), y + d.y()) & 0xFFFFFF;
        if (in0 == in1) continue;
        const QRgb a = img.pixel(x, y), b = img.pixel(x + d.x(), y + d.y());
        if (qAlpha(a) < 250 || qAlpha(b) < 250) continue;
        sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        ++n;
      }
    }
  return n ? sum / (3.0 * n) : 0;
}

}  // namespace

TEST(Manifest, EveryNameExistsWhereTheGameLooksForIt) {
  const std::vector<Wanted> wanted = readManifest();
  ASSERT_GT(wanted.size(), 4000u) << "manifest not found or truncated";
  int missing = 0;
  for (const Wanted& w : wanted) {
    const ResourceLibrary* lib = library(w.place);
    ASSERT_NE(lib, nullptr) << "no pack " << w.place.toStdString();
    if (!lib->contains(w.name, w.type)) {
      ++missing;
      ADD_FAILURE() << "manifest line " << w.line << ": " << w.place.toStdString() << " lacks " << w.type.toStdString()
                    << " " << w.name.toStdString();
    }
  }
  EXPECT_EQ(missing, 0);
}

TEST(Manifest, EveryResourceDecodesAsItsType) {
  for (const Wanted& w : readManifest()) {
    const ResourceLibrary* lib = library(w.place);
    ASSERT_NE(lib, nullptr);
    const QByteArray bytes = lib->data(w.name, w.type).value_or(QByteArray());
    const std::string what = (w.place + " " + w.type + " " + w.name).toStdString();
    const bool sound = w.name.contains("Voice") || w.name.startsWith("STimer") || (w.name.startsWith('W') && w.name != "Windows");
    if (sound) {
      ASSERT_TRUE(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE") << what;
      EXPECT_GT(bytes.size(), 2000) << what;  // a real sound, not an empty file
      continue;
    }
    if (w.name == "MidiSong") {
      EXPECT_TRUE(bytes.startsWith("MThd")) << what;
      continue;
    }
    QByteArray format;
    int frames = 0;
    const QImage img = decode(bytes, &format, &frames);
    ASSERT_FALSE(img.isNull()) << what;
    const QByteArray expected = w.type == "JPEG" ? "jpeg" : w.type == "GIF" ? "gif" : w.type == "BITMAP" ? "bmp" : "png";
    EXPECT_EQ(format, expected) << what;
    if (w.type == "GIF") {
      EXPECT_GE(frames, 2) << what << " is not animated";
    }
  }
}

TEST(Manifest, PicturesHaveTheSizesTheirFamiliesNeed) {
  struct Case { const char* place; const char* type; const char* name; int w, h; };
  const Case cases[] = {
      {"builtin", "BITMAP", "Pi5A", 69, 94},           {"builtin", "RT_RCDATA", "Pi5AB", 146, 198},
      {"builtin", "BITMAP", "Cher", 20, 20},           {"builtin", "BITMAP", "Ob01Mo", 69, 94},
      {"builtin", "RT_RCDATA", "Ob07SuB", 146, 198},   {"builtin", "JPEG", "FonG", 760, 500},
      {"QexCards06A.dll", "RT_RCDATA", "Ch2JPar", 69, 94},
      {"QexCards06A.dll", "RT_RCDATA", "Ch2JParB", 146, 198},   // normal width below 28
      {"QexCards06A.dll", "RT_RCDATA", "PoRedPlaB", 126, 198},  // deck 28 is narrow
      {"QexCards06C.dll", "RT_RCDATA", "Kr4KFraB", 146, 198},   // deck 40 is normal width
      {"QexCards06C.dll", "RT_RCDATA", "Kr4KChiB", 146, 198},   // and so is 45
      {"QexCards06C.dll", "RT_RCDATA", "Kr4KCzeB", 126, 198},
      {"QexCards06B.dll", "RT_RCDATA", "Ob10XXOthU", 126, 198}, {"QexCards06B.dll", "RT_RCDATA", "Ob01MoCheB", 146, 198},
      {"QexCards06B.dll", "BITMAP", "PikiRus", 20, 20},
      {"QexBackG03.dll", "JPEG", "Fon05Fi", 760, 500},
      {"builtin", "RT_RCDATA", "R29_L", 8, 29},        {"builtin", "RT_RCDATA", "R44_R", 13, 44},
      {"builtin", "RT_RCDATA", "Q59_L", 17, 59},       {"builtin", "RT_RCDATA", "GCap430", 430, 50},
      {"builtin", "RT_RCDATA", "GLenta280x090", 280, 90}, {"builtin", "RT_RCDATA", "TabloSm", 155, 95},
      {"builtin", "RT_RCDATA", "SPRed", 160, 20},      {"builtin", "RT_RCDATA", "RamkaERSm", 130, 90},
      {"builtin", "RT_RCDATA", "GClockBG", 115, 64},   {"builtin", "RT_RCDATA", "GFlame3", 20, 30},
      {"builtin", "RT_RCDATA", "GCandle", 100, 200},   {"builtin", "RT_RCDATA", "GAcNoM", 200, 250},
      {"builtin", "RT_RCDATA", "AdvBar3", 350, 80},    {"builtin", "GIF", "GifMenu1", 160, 200},
      {"builtin", "GIF", "GEndBest", 100, 200},        {"builtin", "GIF", "GClubF", 60, 75},
      {"builtin", "RT_RCDATA", "ILEuro", 14 * 49, 12}, {"builtin", "RT_RCDATA", "ILAsia", 14 * 52, 12},
      {"builtin", "RT_RCDATA", "ILNAme", 14 * 36, 12}, {"builtin", "RT_RCDATA", "ILSAme", 14 * 15, 12},
      {"builtin", "RT_RCDATA", "ILOcea", 14 * 24, 12}, {"builtin", "RT_RCDATA", "ILAfri", 14 * 55, 12},
      {"QexCGraph1.dll", "RT_RCDATA", "GIcon48Speed", 48 * 10, 48}, {"QexCGraph1.dll", "RT_RCDATA", "GTouch", 3000, 100},
      {"QexCGraph1.dll", "JPEG", "GFormCount", 325, 500}, {"QexCGraph1.dll", "JPEG", "GFormSpeed", 340, 280},
      {"QexCalendar01.dll", "RT_RCDATA", "R_BASE", 60, 100}, {"QexCalendar01.dll", "RT_RCDATA", "R_VOSDRAG", 60, 100}};
  for (const Case& c : cases) {
    const QImage img = load(c.place, c.type, c.name);
    EXPECT_EQ(img.size(), QSize(c.w, c.h)) << c.place << " " << c.name;
  }
}

TEST(Manifest, GifMenuAnimationsHave33Frames) {
  for (const char* name : {"GifMenu1", "GifMenu2"}) {
    int frames = 0;
    decode(builtinResourceLibrary().data(name, "GIF").value_or(QByteArray()), nullptr, &frames);
    EXPECT_EQ(frames, 33) << name;
  }
  int best = 0, good = 0;
  decode(builtinResourceLibrary().data("GEndBest", "GIF").value_or(QByteArray()), nullptr, &best);
  decode(builtinResourceLibrary().data("GEndGood", "GIF").value_or(QByteArray()), nullptr, &good);
  EXPECT_GE(best, 25);  // it rests on frame 25
  EXPECT_GE(good, 24);
}

TEST(Manifest, CapsuleRowsFollowTheRedSchemeWithATransparentSurround) {
  // Middle pieces carry exactly the given rows of the red scheme (0x00BBGGRR).
  const QImage mid = load("builtin", "RT_RCDATA", "R29_2");
  ASSERT_EQ(mid.height(), 29);
  EXPECT_EQ(QColor(mid.pixel(0, 0)), QColor(0x80, 0, 0));
  EXPECT_EQ(QColor(mid.pixel(0, 3)), QColor(0xE8, 0xAD, 0xAD));
  EXPECT_EQ(QColor(mid.pixel(0, 27)), QColor(0xEE, 0, 0));
  const QImage left = load("builtin", "RT_RCDATA", "R44_L");
  ASSERT_FALSE(left.isNull());
  EXPECT_EQ(qAlpha(left.pixel(0, 0)), 0);                 // the corner is transparent
  EXPECT_EQ(qAlpha(left.pixel(left.width() - 1, 22)), 255);  // the body is opaque
}

TEST(Manifest, SuitSignBitmapsAreKeyedWithSilver) {
  for (const char* name : {"Cher", "Bubi", "Kres", "Piki"}) {
    const QImage img = load("builtin", "BITMAP", name);
    ASSERT_FALSE(img.isNull()) << name;
    EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0xC0C0C0u) << name;
    EXPECT_NE(img.pixel(10, 10) & 0xFFFFFF, 0xC0C0C0u) << name;  // the sign itself
  }
}

TEST(Manifest, LoaderInversionRestoresEveryPackFace) {
  const QRegularExpression face("^(Ch|Bu|Kr|Pi)(09|10|2J|3Q|4K|5A)|^Po(Blue|Red|Black)");
  int checked = 0;
  double sumBefore = 0, sumAfter = 0;
  for (const char* pack : {"QexCards06A.dll", "QexCards06B.dll", "QexCards06C.dll"}) {
    const ResourceLibrary* lib = library(pack);
    ASSERT_NE(lib, nullptr) << pack;
    for (const auto& e : lib->entries()) {
      if (e.type != "RT_RCDATA" || !face.match(e.name).hasMatch()) continue;
      const QImage stored = decode(lib->data(e.name, e.type).value_or(QByteArray()));
      ASSERT_FALSE(stored.isNull()) << e.name.toStdString();
      const bool small = stored.width() == 69;
      const int right = small ? 84 : 188, bottom = small ? 59 : (stored.width() == 126 ? 116 : 136);
      QImage restored = stored.convertToFormat(QImage::Format_ARGB32);
      InvertEllipse(restored, 10, 10, right, bottom);
      const double before = seamAcrossEllipse(stored, right, bottom), after = seamAcrossEllipse(restored, right, bottom);
      // The stored face shows a hard inverted seam; the restored one runs on smoothly.
      EXPECT_LT(after * 2, before) << pack << " " << e.name.toStdString() << " seam " << before << " -> " << after;
      sumBefore += before;
      sumAfter += after;
      ++checked;
    }
  }
  EXPECT_GT(checked, 2000);
  EXPECT_LT(sumAfter * 5, sumBefore);
}

TEST(Manifest, BuiltInFacesAreStoredAsTheyAreShown) {
  for (const char* name : {"Ch09B", "Pi5AB", "Kr4KB", "PoBlueB"}) {
    const QImage img = load("builtin", "RT_RCDATA", name);
    ASSERT_FALSE(img.isNull()) << name;
    QImage inverted = img.convertToFormat(QImage::Format_ARGB32);
    InvertEllipse(inverted, 10, 10, 188, 136);
    EXPECT_LT(seamAcrossEllipse(img, 188, 136) * 3, seamAcrossEllipse(inverted, 188, 136)) << name;
  }
}

TEST(Manifest, EpicDiamondsSignSurvivesTheLoadersFloodFill) {
  // The loader fills deck 26's diamonds bitmap with silver from (0, 0) up to the
  // border colour 0xC3C3C3; whatever the fill's connectivity, the sign must remain.
  QImage img = load("QexCards06A.dll", "BITMAP", "BubiEpi").convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(img.size(), QSize(20, 20));
  const QRgb border = 0xC3C3C3, silver = 0xC0C0C0;
  // Border fill: every pixel reachable from (0, 0) without crossing the border colour.
  std::vector<QPoint> todo{{0, 0}};
  std::vector<bool> seen(400, false);
  while (!todo.empty()) {
    const QPoint q = todo.back();
    todo.pop_back();
    if (q.x() < 0 || q.y() < 0 || q.x() >= 20 || q.y() >= 20 || seen[size_t(q.y() * 20 + q.x())]) continue;
    seen[size_t(q.y() * 20 + q.x())] = true;
    if ((img.pixel(q) & 0xFFFFFF) == border) continue;
    img.setPixel(q, 0xFF000000 | silver);
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) todo.push_back(q + QPoint(dx, dy));
  }
  EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, silver);
  EXPECT_EQ(img.pixel(19, 19) & 0xFFFFFF, silver);
  int sign = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) sign += (img.pixel(x, y) & 0xFFFFFF) != silver && (img.pixel(x, y) & 0xFFFFFF) != border;
  EXPECT_GT(sign, 60);  // the diamond itself is still there
}

TEST(Manifest, EffectSoundsAreShortAudibleAndUnclipped) {
  // Waited sounds pace the game, and the move clock ticks every second.
  struct Case { const char* name; double maxSeconds; };
  const Case cases[] = {{"WOpenFo", 1}, {"WDing_1", 1}, {"WHodsDo", 0.5}, {"WHodBer", 1}, {"WSays20", 1.5},
                        {"WSays40", 1.5}, {"WTasoKo", 2}, {"WToMenK", 1.5}, {"WKoBadX", 2}, {"WKoGutX", 2},
                        {"WKoGood", 2}, {"WKoBads", 2}, {"WFiBest", 4}, {"WFiGood", 4}, {"WFiBads", 4},
                        {"WWrongs", 1}, {"STimerA", 0.5}, {"STimerB", 0.5}};
  for (const Case& c : cases) {
    const QByteArray w = builtinResourceLibrary().data(c.name, "RT_RCDATA").value_or(QByteArray());
    ASSERT_GT(w.size(), 44) << c.name;
    ASSERT_EQ(w.mid(12, 4), QByteArray("fmt ")) << c.name;
    const int channels = uchar(w[22]), rate = int(qFromLittleEndian<quint32>(w.constData() + 24));
    const int bits = uchar(w[34]);
    ASSERT_EQ(w.mid(36, 4), QByteArray("data")) << c.name;
    ASSERT_EQ(channels, 1);
    ASSERT_EQ(bits, 16);
    const int n = int(qFromLittleEndian<quint32>(w.constData() + 40) / 2);
    ASSERT_LE(44 + 2 * qsizetype(n), w.size()) << c.name;
    double peak = 0, sum = 0;
    for (int i = 0; i < n; ++i) {
      const double v = qFromLittleEndian<qint16>(w.constData() + 44 + 2 * i) / 32768.0;
      peak = std::max(peak, std::fabs(v));
      sum += v * v;
    }
    EXPECT_LE(double(n) / rate, c.maxSeconds) << c.name;
    EXPECT_LT(peak, 0.99) << c.name << " clips";
    EXPECT_GT(std::sqrt(sum / n), 0.03) << c.name << " is nearly silent";
  }
}
