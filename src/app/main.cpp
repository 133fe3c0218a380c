// Program entry: creates the windows in their fixed order and runs the event loop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "mainwindow/MainUSB.h"
#include "mainwindow/ProgramWindows.h"
#include "platform/FileDialogs.h"
#include "platform/FolderChooser.h"
#include "platform/Messages.h"
#include "platform/ui/AppSetup.h"
#include "platform/ui/FolderDialog.h"
#include "platform/ui/QtFileDialogs.h"
#include "platform/ui/QtMessageService.h"

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
  platform::SetUpApplication(app);
  platform::QtMessageService messages;
  platform::SetMessageService(&messages);
  platform::QtFolderDialog folderDialog;
  platform::SetFolderChooser(&folderDialog);
  platform::QtFileDialogs fileDialogs;
  platform::SetFileDialogs(&fileDialogs);

  quorv::TProgramWindows windows(QCoreApplication::applicationFilePath());
  windows.MainForm().show();
  const int rc = app.exec();
  platform::SetFileDialogs(nullptr);
  platform::SetMessageService(nullptr);
  return rc;
}
