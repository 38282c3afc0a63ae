// vantorn: the desktop game.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <time.h>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QStandardPaths>

#include <filesystem>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string_view>

#include "app/main_window.h"
#include "files/file_io.h"
#include "files/player_file.h"

namespace {

namespace fs = std::filesystem;

// The data folder: --data-dir, else a portable folder beside the program when it holds
// the player files, else the per-user folder, which the first run fills with the
// delivered player files.
fs::path dataFolder(const QString& given) {
  if (!given.isEmpty()) return fs::path(given.toStdString());
  const fs::path beside = fs::path(QCoreApplication::applicationDirPath().toStdString());
  if (fs::exists(beside / "Vantorn.clb") && fs::exists(beside / "Vantorn.net")) return beside;
  const fs::path user = fs::path(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString()) / "vantorn";
  std::error_code ec;
  fs::create_directories(user, ec);
  for (const char* name : {"Vantorn.clb", "Vantorn.net"})
    if (!fs::exists(user / name))
      vantorn::files::writeFileAtomic(user / name, vantorn::files::PlayerFile::delivered().bytes());
  return user;
}

// For the start-up benchmark (VANTORN_STARTUP_REPORT set): prints the wall-clock time of
// the first painted window and of the first painted menu, then the peak memory after three
// seconds on the menu, and quits.
class StartupReport : public QObject {
 public:
  explicit StartupReport(vantorn::app::TForm1* window) : window_(window) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::Paint) return false;
    if (!windowDone_) {
      windowDone_ = true;
      QTimer::singleShot(0, this, [] { report("window"); });
    }
    if (!menuDone_ && window_->onMenu()) {
      menuDone_ = true;
      QTimer::singleShot(0, this, [] { report("menu"); });
      QTimer::singleShot(3000, this, [] {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly))
          for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM")) std::printf("peak %s\n", line.simplified().constData());
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  static void report(const char* what) {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    std::printf("%s %lld\n", what, static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec);
    std::fflush(stdout);
  }
  vantorn::app::TForm1* window_;
  bool windowDone_ = false, menuDone_ = false;
};

}  // namespace

// Qt's X11 platform takes "-name NAME" for itself, so the player's name is read from the
// raw arguments before the application sees them.
QString takeNameArgument(int& argc, char** argv) {
  QString name;
  int out = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if ((a == "--name" || a == "-name") && i + 1 < argc) {
      name = QString::fromLocal8Bit(argv[++i]);
      continue;
    }
    if (a.rfind("--name=", 0) == 0) {
      name = QString::fromLocal8Bit(argv[i] + 7);
      continue;
    }
    argv[out++] = argv[i];
  }
  argc = out;
  argv[argc] = nullptr;
  return name;
}

int main(int argc, char** argv) {
  const QString playerName = takeNameArgument(argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vantorn"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Vantorn, the card game"));
  parser.addHelpOption();
  const QCommandLineOption dataDir(QStringLiteral("data-dir"), QStringLiteral("Folder of the player and settings files."),
                                   QStringLiteral("DIR"));
  const QCommandLineOption autoplay(QStringLiteral("autoplay"), QStringLiteral("The computer plays the human's seat."));
  const QCommandLineOption fast(QStringLiteral("fast"), QStringLiteral("No pauses and no card flights."));
  const QCommandLineOption games(QStringLiteral("games"), QStringLiteral("Quit after N finished games."),
                                 QStringLiteral("N"));
  const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Window size 1..5 for this run."),
                                QStringLiteral("N"));
  const QCommandLineOption host(QStringLiteral("host"), QStringLiteral("Create a network game on PORT."),
                                QStringLiteral("PORT"));
  const QCommandLineOption join(QStringLiteral("join"), QStringLiteral("Enter the network game at HOST:PORT."),
                                QStringLiteral("HOST:PORT"));
  const QCommandLineOption noIntro(QStringLiteral("no-intro"), QStringLiteral("Start at the menu."));
  const QCommandLineOption lang(QStringLiteral("lang"),
                                QStringLiteral("Language 0..9 for this run (0 English, 1 Russian, 8 Japanese ...)."),
                                QStringLiteral("N"));
  parser.addOptions({dataDir, autoplay, fast, games, size, host, join, noIntro, lang});
  parser.process(app);

  vantorn::app::LaunchOptions options;
  options.dataDir = dataFolder(parser.value(dataDir));
  options.autoplay = parser.isSet(autoplay);
  options.fast = parser.isSet(fast);
  bool ok = true;
  if (parser.isSet(games)) {
    options.games = parser.value(games).toInt(&ok);
    if (!ok || options.games < 0) {
      std::cerr << "vantorn: --games needs a count\n";
      return 2;
    }
  }
  if (parser.isSet(size)) {
    options.windowSize = parser.value(size).toInt(&ok);
    if (!ok || options.windowSize < 1 || options.windowSize > 5) {
      std::cerr << "vantorn: --size needs 1..5\n";
      return 2;
    }
  }
  if (parser.isSet(lang)) {
    options.language = parser.value(lang).toInt(&ok);
    if (!ok || options.language < 0 || options.language > 9) {
      std::cerr << "vantorn: --lang needs 0..9\n";
      return 2;
    }
  }
  options.name = playerName;
  options.noIntro = parser.isSet(noIntro);
  if (parser.isSet(host)) {
    options.hostPort = parser.value(host).toInt(&ok);
    if (!ok || options.hostPort < 1 || options.hostPort > 65535) {
      std::cerr << "vantorn: --host needs a port\n";
      return 2;
    }
  }
  if (parser.isSet(join)) {
    const QString v = parser.value(join);
    const qsizetype colon = v.lastIndexOf(':');
    options.joinHost = v.left(colon);
    options.joinPort = colon > 0 ? v.mid(colon + 1).toInt(&ok) : 0;
    if (colon <= 0 || !ok || options.joinPort < 1 || options.joinPort > 65535) {
      std::cerr << "vantorn: --join needs HOST:PORT\n";
      return 2;
    }
  }

  vantorn::app::TForm1 window(options);
  QString message;
  if (!window.startUp(message)) {
    std::cerr << "vantorn: " << message.toStdString() << "\n";
    if (!options.autoplay) QMessageBox::critical(nullptr, QStringLiteral("Vantorn"), message);
    return 1;
  }
  std::unique_ptr<StartupReport> report;
  if (qEnvironmentVariableIsSet("VANTORN_STARTUP_REPORT")) {
    report = std::make_unique<StartupReport>(&window);
    app.installEventFilter(report.get());
  }
  window.show();
  window.showIntro();
  const int status = app.exec();
  window.shutDown();
  return status != 0 ? status : window.exitCode();
}
