// Effect sounds on a real sound server: a private sound daemon with a null output, started
// by the test in its own runtime folder. What reaches the output is recorded from the null
// output's monitor and checked for sound.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "platform/resources.h"
#include "platform/resources_builtin.h"
#include "platform/sound_effects.h"

namespace vantorn::platform {
namespace {

class SoundServer : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    recorder_ = QStandardPaths::findExecutable(QStringLiteral("parec"));
    ASSERT_FALSE(daemon.isEmpty()) << "the sound daemon is installed by scripts/setup.sh";
    ASSERT_FALSE(recorder_.isEmpty());
    ASSERT_TRUE(dir_.isValid());
    socket_ = dir_.filePath(QStringLiteral("native"));
    env_ = QProcessEnvironment::systemEnvironment();
    env_.insert(QStringLiteral("HOME"), dir_.path());
    env_.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
    env_.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket_);
    server_.setProcessEnvironment(env_);
    server_.setProcessChannelMode(QProcess::MergedChannels);
    server_.start(daemon, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                           QStringLiteral("--disallow-exit"), QStringLiteral("--use-pid-file=no"),
                           QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket_,
                           QStringLiteral("--load=module-null-sink sink_name=vantorn_null rate=44100")});
    ASSERT_TRUE(server_.waitForStarted(5000));
    QElapsedTimer t;
    t.start();
    while (!QFileInfo::exists(socket_) && t.elapsed() < 10000) QThread::msleep(20);
    ASSERT_TRUE(QFileInfo::exists(socket_)) << server_.readAll().toStdString();
    // The program finds the server the way a desktop session announces it.
    qputenv("PULSE_SERVER", ("unix:" + socket_).toUtf8());
    qputenv("XDG_RUNTIME_DIR", dir_.path().toUtf8());
  }

  void TearDown() override {
    if (recording_.state() != QProcess::NotRunning) {
      recording_.kill();
      recording_.waitForFinished(2000);
    }
    server_.kill();
    server_.waitForFinished(5000);
  }

  // Records what the null output plays, as 16-bit mono samples.
  void startRecording() {
    recording_.setProcessEnvironment(env_);
    recording_.start(recorder_, {QStringLiteral("--device=vantorn_null.monitor"), QStringLiteral("--raw"),
                                 QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                                 QStringLiteral("--rate=22050"), QStringLiteral("--latency-msec=20")});
    ASSERT_TRUE(recording_.waitForStarted(5000));
  }

  // The loudest sample recorded so far.
  int peak() {
    recorded_ += recording_.readAllStandardOutput();
    int best = 0;
    const auto* s = reinterpret_cast<const qint16*>(recorded_.constData());
    for (qsizetype i = 0; i < recorded_.size() / 2; ++i) best = std::max(best, std::abs(static_cast<int>(s[i])));
    return best;
  }

  static void spin(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(5);
    }
  }

  QTemporaryDir dir_;
  QString socket_;
  QString recorder_;
  QProcessEnvironment env_;
  QProcess server_;
  QProcess recording_;
  QByteArray recorded_;
};

int argc_ = 1;
char name_[] = "sound_server_tests";
char* argv_[] = {name_, nullptr};

TEST_F(SoundServer, AWaitedEffectPlaysToTheOutputForItsLength) {
  QCoreApplication app(argc_, argv_);
  const Resources res(builtinResourceLibrary(), dir_.path(), QString());
  EffectPlayer player(&res);
  ASSERT_TRUE(player.hasOutput());

  QByteArray bytes;
  ASSERT_EQ(res.loadBytes(QStringLiteral("WDing_1"), QStringLiteral("RT_RCDATA"), QString(), bytes), PackLoad::Loaded);
  WavClip clip;
  ASSERT_TRUE(parseWav(bytes, clip));

  ASSERT_NO_FATAL_FAILURE(startRecording());
  spin(300);
  EXPECT_LT(peak(), 64) << "the null output is silent before anything plays";

  // A waited sound tells the caller to wait the clip's length, and it really plays.
  EXPECT_EQ(player.PlayEffect(QStringLiteral("WDing_1"), true, true), clip.durationMs());
  EXPECT_TRUE(player.playing());
  QElapsedTimer t;
  t.start();
  while (player.playing() && t.elapsed() < 10000) spin(20);
  EXPECT_FALSE(player.playing()) << "the sound ends by itself";
  spin(300);
  EXPECT_GT(peak(), 1000) << "the bell reached the output";

  // An effect that is not waited for plays too, and tells the caller not to wait.
  EXPECT_EQ(player.PlayEffect(QStringLiteral("WOpenFo"), false, true), 0);
  EXPECT_TRUE(player.playing());
}

TEST_F(SoundServer, TheSoundSwitchSilencesEffects) {
  QCoreApplication app(argc_, argv_);
  const Resources res(builtinResourceLibrary(), dir_.path(), QString());
  EffectPlayer player(&res);
  ASSERT_TRUE(player.hasOutput());
  ASSERT_NO_FATAL_FAILURE(startRecording());
  EXPECT_EQ(player.PlayEffect(QStringLiteral("WDing_1"), true, false), 0);
  EXPECT_FALSE(player.playing());
  spin(800);
  EXPECT_LT(peak(), 64);
}

}  // namespace
}  // namespace vantorn::platform
