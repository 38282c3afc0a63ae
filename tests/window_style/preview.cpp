// Shows one small window in one window style, for looking at it on a real screen:
//   window_style_preview WINDOW STYLE PACKDIR   (STYLE 1, 2, 3 or full; WINDOW one of
//   Mast Pass Wait TopTen History EndG Count Speed Notice Balloon)
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <memory>

#include "app/balloon.h"
#include "app/dialogs.h"
#include "app/notice.h"
#include "app/small_windows.h"
#include "platform/resources.h"
#include "platform/resources_builtin.h"

using namespace vantorn;

int main(int argc, char** argv) {
  QApplication a(argc, argv);
  if (argc < 4) return 2;
  const QString which = QString::fromLocal8Bit(argv[1]);
  const QString style = QString::fromLocal8Bit(argv[2]);
  const platform::Resources res(platform::builtinResourceLibrary(), QString::fromLocal8Bit(argv[3]), QString());
  app::WindowStyle s;
  s.fullGraphics = style == QLatin1String("full");
  s.headerStyle = s.fullGraphics ? 2 : style.toInt();
  s.resources = &res;
  const auto en = words::Language::English;
  if (which == QLatin1String("Balloon")) {
    // The main window's hover balloon of "Top Ten", shown at once.
    QWidget host;
    host.setGeometry(20, 20, 420, 260);
    auto* button = new QPushButton(QStringLiteral("Top Ten"), &host);
    button->setGeometry(150, 180, 120, 34);
    host.show();
    QTimer::singleShot(300, button, [button] {
      app::ShowBalloon(QStringLiteral("Games in cycle:"), QStringLiteral("30"), QStringLiteral("Comic Sans MS"), button,
                       app::BalloonArrow::BottomLeft, app::BalloonKind::Info, 9, 5000, 0x0000FF, 0xE1FFFF, 0x0000FF,
                       0x000080);
    });
    return a.exec();
  }
  std::unique_ptr<QDialog> w;
  if (which == QLatin1String("Mast")) w = std::make_unique<app::TFormMast>(en, nullptr, s);
  else if (which == QLatin1String("Pass"))
    w = std::make_unique<app::TFormPassword>(en, QString(), QString(), nullptr, true, QStringLiteral("127.0.0.1"),
                                             QStringLiteral("25666"), s);
  else if (which == QLatin1String("Wait")) w = std::make_unique<app::TFormWait>(en, true, nullptr, s);
  else if (which == QLatin1String("TopTen")) w = std::make_unique<app::TFormTopTen>(en, "none.clb", false, nullptr, s);
  else if (which == QLatin1String("History")) w = std::make_unique<app::TFHistory>(en, "none", "Vantorn.clb", nullptr, s);
  else if (which == QLatin1String("EndG"))
    w = std::make_unique<app::TFormEndGame>(en, res, 2, 1234, app::TFormEndGame::Mode::Local, nullptr, s);
  else if (which == QLatin1String("Count"))
    w = std::make_unique<app::TFormCount>(en, QStringLiteral("Anna"),
                                          app::TCount{"12", "3", "100", "140", "900", "1500", "1520"}, nullptr, s);
  else if (which == QLatin1String("Speed")) w = std::make_unique<app::TFormSpeed>(en, 3, nullptr, s);
  else
    w = std::make_unique<app::TFormLink>(QStringLiteral("Can`t find the file QexCGraph1.dll"),
                                         QStringLiteral("The window style was set to 2."),
                                         QStringLiteral("https://example.org/"), s);
  w->move(20, 20);
  w->show();
  return a.exec();
}
