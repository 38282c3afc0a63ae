// Shows the options window on one page in one language (options_show PAGE LANGUAGE), or
// the ten language flags large (options_show flags), for screenshots. A third argument
// names a data folder whose packs (there or in its parent) the window then sees, and a
// fourth the window size of the settings.
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QTabWidget>
#include <QWidget>

#include <cstring>

#include "app/flags.h"
#include "app/options_window.h"
#include "platform/resources.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc > 1 && std::strcmp(argv[1], "flags") == 0) {
    QWidget sheet;
    auto* row = new QHBoxLayout(&sheet);
    for (int l = 0; l < 10; ++l) {
      auto* label = new QLabel;
      label->setPixmap(QPixmap::fromImage(vantorn::app::languageFlag(l, QSize(90, 60))));
      row->addWidget(label);
    }
    sheet.show();
    return app.exec();
  }
  vantorn::files::Settings s;
  s.language = argc > 2 ? std::atoi(argv[2]) : 0;
  if (argc > 4) s.windowSize = std::atoi(argv[4]);
  vantorn::app::TFormOptions w(s);
  const QString data = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
  vantorn::platform::Resources packs(vantorn::platform::ResourceLibrary{}, data, QString());
  if (!data.isEmpty()) w.setPacks(&packs, data + QStringLiteral("/.."));
  if (auto* pages = w.findChild<QTabWidget*>()) pages->setCurrentIndex(argc > 1 ? std::atoi(argv[1]) : 0);
  w.show();
  return app.exec();
}
