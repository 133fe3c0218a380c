#pragma once
// The application object the widget benchmarks need, made once, offscreen.
#include <QApplication>

namespace bench {

inline void EnsureWidgetApplication() {
  if (QCoreApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "quorv_bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

}  // namespace bench
