// The one application object of a widget test binary, on Qt's offscreen platform. It is
// made once and never destroyed: destroying it among the exit handlers, after Qt's own
// process-wide objects are gone, crashes.
#pragma once

#include <QApplication>

namespace vantorn::test_support {

inline QApplication& offscreenApp() {
  static int argc = 1;
  static char name[] = "vantorn_widget_test";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace vantorn::test_support
