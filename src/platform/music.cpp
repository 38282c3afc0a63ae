#include "platform/music.h"

#include <fluidsynth.h>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMediaDevices>

#include "platform/resources.h"

namespace vantorn::platform {

namespace {
// A song longer than this is cut: the buffer of a rendered song stays bounded.
constexpr std::size_t kMaxFrames = static_cast<std::size_t>(kMusicSampleRate) * 60 * 10;
}

QString defaultSoundFont() {
  for (const char* path : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"})
    if (QFile::exists(QString::fromLatin1(path))) return QString::fromLatin1(path);
  return {};
}

std::optional<std::vector<std::int16_t>> renderMidi(const QByteArray& midi, const QString& soundFont) {
  // A standard MIDI file: the 14-byte header chunk, then the first track chunk.
  if (midi.size() < 22 || !midi.startsWith("MThd") || midi.mid(4, 4) != QByteArray("\0\0\0\x06", 4) ||
      midi.mid(14, 4) != "MTrk" || soundFont.isEmpty())
    return std::nullopt;
  fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
  fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", kMusicSampleRate);
  fluid_settings_setint(settings, "player.reset-synth", 0);
  fluid_synth_t* synth = new_fluid_synth(settings);
  std::optional<std::vector<std::int16_t>> out;
  if (fluid_synth_sfload(synth, soundFont.toLocal8Bit().constData(), 1) != FLUID_FAILED) {
    fluid_player_t* player = new_fluid_player(synth);
    if (fluid_player_add_mem(player, midi.constData(), static_cast<std::size_t>(midi.size())) == FLUID_OK &&
        fluid_player_play(player) == FLUID_OK) {
      std::vector<std::int16_t> pcm;
      constexpr int kBlock = 1024;
      std::int16_t block[kBlock * 2];
      while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && pcm.size() / 2 < kMaxFrames) {
        if (fluid_synth_write_s16(synth, kBlock, block, 0, 2, block, 1, 2) != FLUID_OK) break;
        pcm.insert(pcm.end(), block, block + kBlock * 2);
      }
      // A file the player could not read plays nothing. Otherwise the last notes ring out
      // for half a second.
      for (int i = 0; !pcm.empty() && i < kMusicSampleRate / 2 / kBlock; ++i) {
        fluid_synth_write_s16(synth, kBlock, block, 0, 2, block, 1, 2);
        pcm.insert(pcm.end(), block, block + kBlock * 2);
      }
      if (!pcm.empty()) out = std::move(pcm);
    }
    delete_fluid_player(player);
  }
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  return out;
}

MusicPlayer::MusicPlayer(const Resources* resources, QObject* parent) : QObject(parent), resources_(resources) {}

MusicPlayer::~MusicPlayer() {
  if (sink_) sink_->stop();
  if (rendering_.valid()) rendering_.wait();
}

QString MusicPlayer::musicFile() const { return QDir::temp().filePath(QStringLiteral("temp5_25.mid")); }

bool MusicPlayer::PrepareMusic() {
  QByteArray midi;
  if (!resources_ || resources_->loadBytes(QStringLiteral("MidiSong"), QStringLiteral("RT_RCDATA"), QString(), midi) !=
                         PackLoad::Loaded)
    return true;  // no song: nothing to play
  const QString path = musicFile();
  if (!QFile::exists(path)) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(midi) != midi.size()) return false;
  }
  QFile f(path);
  if (f.open(QIODevice::ReadOnly)) midi = f.readAll();
  if (!rendering_.valid() && !pcm_)
    rendering_ = std::async(std::launch::async, [midi] { return renderMidi(midi, defaultSoundFont()); });
  return true;
}

void MusicPlayer::PlayMusic(bool on) {
  wanted_ = on;
  if (!on) {
    if (sink_) sink_->stop();
    return;
  }
  tick();
}

bool MusicPlayer::playing() const { return sink_ && sink_->state() == QAudio::ActiveState; }

void MusicPlayer::tick() {
  if (!wanted_ || playing()) return;
  if (rendering_.valid() && rendering_.wait_for(std::chrono::seconds(0)) == std::future_status::ready)
    pcm_ = rendering_.get();
  if (pcm_) start();
}

void MusicPlayer::start() {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull() || !pcm_ || pcm_->empty()) return;
  QAudioFormat format;
  format.setSampleRate(kMusicSampleRate);
  format.setChannelCount(2);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!device.isFormatSupported(format)) return;
  if (sink_) sink_->stop();
  sink_ = std::make_unique<QAudioSink>(device, format);
  buffer_ = std::make_unique<QBuffer>();
  buffer_->setData(reinterpret_cast<const char*>(pcm_->data()), static_cast<qsizetype>(pcm_->size() * 2));
  buffer_->open(QIODevice::ReadOnly);
  sink_->start(buffer_.get());
}

}  // namespace vantorn::platform
