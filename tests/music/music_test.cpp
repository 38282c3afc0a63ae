#include <gtest/gtest.h>

#include <cmath>

#include "platform/music.h"
#include "platform/resources.h"
#include "platform/resources_builtin.h"

namespace vantorn::platform {
namespace {

TEST(Music, TheSongRendersToAMinuteOfSound) {
  const QString font = defaultSoundFont();
  ASSERT_FALSE(font.isEmpty()) << "the General MIDI sound font is installed by the setup script";
  Resources res(builtinResourceLibrary(), QString(), QString());
  QByteArray midi;
  ASSERT_EQ(res.loadBytes(QStringLiteral("MidiSong"), QStringLiteral("RT_RCDATA"), QString(), midi), PackLoad::Loaded);
  const auto pcm = renderMidi(midi, font);
  ASSERT_TRUE(pcm.has_value());
  const double seconds = static_cast<double>(pcm->size()) / 2 / kMusicSampleRate;
  EXPECT_GE(seconds, 60.0);
  // Not silence, and not clipping all the time.
  double sum = 0;
  std::size_t clipped = 0;
  for (std::int16_t s : *pcm) {
    sum += double(s) * s;
    if (s == 32767 || s == -32768) ++clipped;
  }
  const double rms = std::sqrt(sum / static_cast<double>(pcm->size()));
  EXPECT_GT(rms, 300.0);
  EXPECT_LT(static_cast<double>(clipped) / static_cast<double>(pcm->size()), 0.001);
}

TEST(Music, NothingToRenderWithoutASongOrAFont) {
  EXPECT_FALSE(renderMidi(QByteArray(), defaultSoundFont()).has_value());
  EXPECT_FALSE(renderMidi(QByteArray("MThd garbage"), defaultSoundFont()).has_value());
  EXPECT_FALSE(renderMidi(QByteArray("MThd"), QStringLiteral("/nonexistent.sf2")).has_value());
}

}  // namespace
}  // namespace vantorn::platform
