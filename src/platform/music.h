// Background music: the program's MIDI song rendered to sound with a General MIDI sound
// font and played on the default audio output, over and over while the intro or the menu
// shows. Without an output device, or without the sound font, the music stays silent.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>
#include <future>
#include <memory>
#include <optional>
#include <vector>

class QAudioSink;
class QBuffer;

namespace vantorn::platform {

class Resources;

inline constexpr int kMusicSampleRate = 44100;

// Renders a standard MIDI file to interleaved 16-bit stereo at kMusicSampleRate; nothing
// when the file or the sound font cannot be read.
std::optional<std::vector<std::int16_t>> renderMidi(const QByteArray& midi, const QString& soundFont);
// The sound font the music uses: the small General MIDI font when it is installed.
QString defaultSoundFont();

class MusicPlayer : public QObject {
 public:
  explicit MusicPlayer(const Resources* resources, QObject* parent = nullptr);
  ~MusicPlayer() override;

  // PrepareMusic: writes the song to the temporary folder ("temp5_25.mid") unless it is
  // there, and starts rendering it. False when the file could not be written.
  bool PrepareMusic();
  // PlayMusic(on): starts or stops the music.
  void PlayMusic(bool on);
  // Called every second: restarts the song when it has stopped while it should play.
  void tick();
  bool playing() const;
  QString musicFile() const;

 private:
  void start();

  const Resources* resources_;
  bool wanted_ = false;
  std::future<std::optional<std::vector<std::int16_t>>> rendering_;
  std::optional<std::vector<std::int16_t>> pcm_;
  std::unique_ptr<QAudioSink> sink_;
  std::unique_ptr<QBuffer> buffer_;
};

}  // namespace vantorn::platform
