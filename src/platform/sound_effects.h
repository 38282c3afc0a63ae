// Effect sounds played from memory: the WAV resources of the program, on the default
// audio output. Without an output device every sound is silent and nothing waits, so the
// game runs the same with or without a sound card.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>

#include <memory>

class QAudioSink;
class QBuffer;

namespace vantorn::platform {

class Resources;

// The PCM part of a WAV file (16-bit integer samples), or nothing.
struct WavClip {
  int sampleRate = 0;
  int channels = 0;
  QByteArray pcm;
  int durationMs() const;
};
bool parseWav(const QByteArray& wav, WavClip& out);

class EffectPlayer : public QObject {
 public:
  explicit EffectPlayer(const Resources* resources, QObject* parent = nullptr);
  ~EffectPlayer() override;

  // PlayEffect(name, wait, enabled): with enabled false nothing happens. Otherwise the
  // named resource plays, cutting the sound that was playing. Returns how many
  // milliseconds the caller should wait when `wait` is set (the clip's length; 0 when
  // nothing plays).
  int PlayEffect(const QString& name, bool wait, bool enabled);
  bool hasOutput() const;
  // True while a sound is being sent to the output.
  bool playing() const;
  // SayCard: speaks a card from the voice pack (`voiceName` is the card's voice name,
  // e.g. "Pi5AVoiceRus") without waiting; false when the voice pack is missing.
  bool SayCard(const QString& voiceName);

 private:
  const WavClip* clip(const QString& name, const QString& pack = {});
  int play(const WavClip& c, bool wait);

  const Resources* resources_;
  QHash<QString, WavClip> clips_;
  WavClip voice_;  // the card being spoken
  std::unique_ptr<QAudioSink> sink_;
  std::unique_ptr<QBuffer> buffer_;
};

}  // namespace vantorn::platform
