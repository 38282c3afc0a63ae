#include "platform/sound_effects.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QtEndian>

#include "platform/resources.h"

namespace vantorn::platform {

int WavClip::durationMs() const {
  if (sampleRate <= 0 || channels <= 0) return 0;
  const qint64 frames = pcm.size() / (2 * channels);
  return static_cast<int>(frames * 1000 / sampleRate);
}

bool parseWav(const QByteArray& wav, WavClip& out) {
  // RIFF header, then chunks; only 16-bit PCM is accepted.
  if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE") return false;
  int format = 0, bits = 0;
  qsizetype pos = 12;
  bool haveFormat = false;
  while (pos + 8 <= wav.size()) {
    const QByteArray id = wav.mid(pos, 4);
    const quint32 size = qFromLittleEndian<quint32>(wav.constData() + pos + 4);
    const qsizetype body = pos + 8;
    if (size > static_cast<quint32>(wav.size() - body)) return false;
    if (id == "fmt " && size >= 16) {
      format = qFromLittleEndian<quint16>(wav.constData() + body);
      out.channels = qFromLittleEndian<quint16>(wav.constData() + body + 2);
      out.sampleRate = static_cast<int>(qFromLittleEndian<quint32>(wav.constData() + body + 4));
      bits = qFromLittleEndian<quint16>(wav.constData() + body + 14);
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat || format != 1 || bits != 16 || out.channels < 1 || out.channels > 2 || out.sampleRate < 1000 ||
          out.sampleRate > 192000)
        return false;
      out.pcm = wav.mid(body, static_cast<qsizetype>(size));
      return true;
    }
    pos = body + static_cast<qsizetype>(size) + (size & 1);
  }
  return false;
}

EffectPlayer::EffectPlayer(const Resources* resources, QObject* parent) : QObject(parent), resources_(resources) {}

EffectPlayer::~EffectPlayer() {
  if (sink_) sink_->stop();
}

bool EffectPlayer::hasOutput() const { return !QMediaDevices::defaultAudioOutput().isNull(); }

bool EffectPlayer::playing() const { return sink_ && sink_->state() == QAudio::ActiveState; }

const WavClip* EffectPlayer::clip(const QString& name, const QString& pack) {
  // Effect sounds are kept once loaded; voices are read from the pack each time, so a
  // pack removed while the program runs is noticed.
  if (pack.isEmpty())
    if (auto it = clips_.find(name); it != clips_.end()) return it->pcm.isEmpty() ? nullptr : &*it;
  WavClip c;
  QByteArray bytes;
  if (resources_ && resources_->loadBytes(name, QStringLiteral("RT_RCDATA"), pack, bytes) == PackLoad::Loaded)
    parseWav(bytes, c);
  WavClip& kept = pack.isEmpty() ? *clips_.insert(name, c) : (voice_ = c);
  return kept.pcm.isEmpty() ? nullptr : &kept;
}

int EffectPlayer::PlayEffect(const QString& name, bool wait, bool enabled) {
  if (!enabled || QMediaDevices::defaultAudioOutput().isNull()) return 0;
  const WavClip* c = clip(name);
  return c ? play(*c, wait) : 0;
}

bool EffectPlayer::SayCard(const QString& voiceName) {
  static const QString kVoicePack = QStringLiteral("QexCVoice3.dll");
  if (!resources_ || !resources_->packPresent(kVoicePack)) return false;
  if (QMediaDevices::defaultAudioOutput().isNull()) return true;
  if (const WavClip* c = clip(voiceName, kVoicePack)) play(*c, false);
  return true;
}

int EffectPlayer::play(const WavClip& clip, bool wait) {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  const WavClip* c = &clip;  // the clip stays in clips_ or voice_ while it plays
  if (sink_) sink_->stop();
  QAudioFormat format;
  format.setSampleRate(c->sampleRate);
  format.setChannelCount(c->channels);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!device.isFormatSupported(format)) return 0;
  sink_ = std::make_unique<QAudioSink>(device, format);
  buffer_ = std::make_unique<QBuffer>();
  buffer_->setData(c->pcm);
  buffer_->open(QIODevice::ReadOnly);
  sink_->start(buffer_.get());
  if (sink_->error() != QAudio::NoError) return 0;
  return wait ? c->durationMs() : 0;
}

}  // namespace vantorn::platform
