// Shows the options window on one page in one language: options_show PAGE LANGUAGE.
#include <QApplication>
#include <QTabWidget>
#include <QTimer>

#include "app/options_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vantorn::files::Settings s;
  s.language = argc > 2 ? std::atoi(argv[2]) : 0;
  vantorn::app::TFormOptions w(s);
  if (auto* pages = w.findChild<QTabWidget*>()) pages->setCurrentIndex(argc > 1 ? std::atoi(argv[1]) : 0);
  w.show();
  return app.exec();
}
