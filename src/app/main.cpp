// Program entry: creates the windows in their fixed order and runs the event loop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "mainwindow/MainUSB.h"
#include "platform/Messages.h"
#include "platform/FolderChooser.h"
#include "platform/ui/FolderDialog.h"
#include "platform/ui/QtMessageService.h"
#include "settings/ProgEinstForm.h"
#include "settings/SchulEinstForm.h"

namespace {
bool DisplayAvailable() {
  if (std::getenv("QT_QPA_PLATFORM")) return true;
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 && *x11) || (wayland && *wayland);
}
}  // namespace

int main(int argc, char** argv) {
  if (!DisplayAvailable()) {
    std::fprintf(stderr,
                 "Quorv braucht eine grafische Oberfläche, aber es ist keine Anzeige verfügbar "
                 "(DISPLAY ist nicht gesetzt).\n");
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorv (USB)"));
  QApplication::setApplicationDisplayName(QStringLiteral("Quorv (USB)"));
  platform::QtMessageService messages;
  platform::SetMessageService(&messages);
  platform::QtFolderDialog folderDialog;
  platform::SetFolderChooser(&folderDialog);

  const QString programPath = QCoreApplication::applicationFilePath();
  quorv::TMainForm mainForm(programPath);
  quorv::TProgEinstForm progEinstForm(&mainForm);
  quorv::TSchulEinstForm schulEinstForm(&mainForm);

  mainForm.show();
  const int rc = app.exec();
  platform::SetMessageService(nullptr);
  return rc;
}
