#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QtEndian>

#include "platform/sound_effects.h"

namespace vantorn::platform {
namespace {

QByteArray wav(int rate, int channels, int bits, int format, int frames) {
  QByteArray data(frames * channels * (bits / 8), '\x01');
  QByteArray out("RIFF");
  auto u32 = [&](quint32 v) { char b[4]; qToLittleEndian(v, b); out.append(b, 4); };
  auto u16 = [&](quint16 v) { char b[2]; qToLittleEndian(v, b); out.append(b, 2); };
  u32(static_cast<quint32>(36 + data.size()));
  out += "WAVEfmt ";
  u32(16);
  u16(static_cast<quint16>(format));
  u16(static_cast<quint16>(channels));
  u32(static_cast<quint32>(rate));
  u32(static_cast<quint32>(rate * channels * bits / 8));
  u16(static_cast<quint16>(channels * bits / 8));
  u16(static_cast<quint16>(bits));
  out += "data";
  u32(static_cast<quint32>(data.size()));
  out += data;
  return out;
}

TEST(Wav, ReadsSixteenBitPcm) {
  WavClip c;
  ASSERT_TRUE(parseWav(wav(22050, 1, 16, 1, 11025), c));
  EXPECT_EQ(c.sampleRate, 22050);
  EXPECT_EQ(c.channels, 1);
  EXPECT_EQ(c.durationMs(), 500);
  ASSERT_TRUE(parseWav(wav(44100, 2, 16, 1, 44100), c));
  EXPECT_EQ(c.durationMs(), 1000);
}

TEST(Wav, RefusesWhatItCannotPlayAndDamagedFiles) {
  WavClip c;
  EXPECT_FALSE(parseWav(wav(22050, 1, 8, 1, 100), c));   // 8-bit
  EXPECT_FALSE(parseWav(wav(22050, 1, 16, 3, 100), c));  // float
  EXPECT_FALSE(parseWav(QByteArray("RIFF"), c));
  QByteArray cut = wav(22050, 1, 16, 1, 1000);
  cut.chop(10);  // the data chunk claims more than the file holds
  EXPECT_FALSE(parseWav(cut, c));
  QByteArray huge = wav(22050, 1, 16, 1, 10);
  qToLittleEndian<quint32>(0xFFFFFFF0u, huge.data() + 16);  // fmt chunk size
  EXPECT_FALSE(parseWav(huge, c));
}

TEST(EffectPlayer, DisabledOrUnknownSoundsNeverWait) {
  int argc = 1;
  char name[] = "sound_tests";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  EffectPlayer player(nullptr);
  EXPECT_EQ(player.PlayEffect(QStringLiteral("WHodsDo"), true, false), 0);
  EXPECT_EQ(player.PlayEffect(QStringLiteral("NoSuchSound"), true, true), 0);
}

}  // namespace
}  // namespace vantorn::platform
