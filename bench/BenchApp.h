#pragma once
// The application object the widget benchmarks need, made once, offscreen,
// and what they share: a program folder with the shipped files, and waiting
// for a window's first paint.
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QWidget>

namespace bench {

inline void EnsureWidgetApplication() {
  if (QCoreApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "quorv_bench";
  static char* argv[] = {name, nullptr};
  // Never destroyed: at exit the program's own statics would go first.
  new QApplication(argc, argv);
}

// Copies the shipped form files and pictures into the folder (ending in '/').
inline void CopyShippedFiles(const QString& folder) {
  const QDir resources(QStringLiteral(QUORV_RESOURCES_DIR));
  for (const QString& name : resources.entryList(QDir::Files)) QFile::copy(resources.filePath(name), folder + name);
}

// Shows the window and returns once it has been painted for the first time.
inline void ShowAndWaitForFirstPaint(QWidget& window) {
  struct PaintSeen : QObject {
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) painted = true;
      return false;
    }
  } seen;
  window.installEventFilter(&seen);
  window.show();
  // The paint that sets the flag finishes within the same call.
  while (!seen.painted) QCoreApplication::processEvents(QEventLoop::AllEvents);
  window.removeEventFilter(&seen);
}

}  // namespace bench
