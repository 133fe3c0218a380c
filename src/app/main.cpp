// Program entry: creates the windows in their fixed order and runs the event loop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "layouts/PreViewForm.h"
#include "mainwindow/FaNoExp.h"
#include "mainwindow/BewUebers.h"
#include "mainwindow/FachEing.h"
#include "mainwindow/BewHilf.h"
#include "mainwindow/DatSich.h"
#include "mainwindow/InfoDialog.h"
#include "mainwindow/MainUSB.h"
#include "mainwindow/NeuDS.h"
#include "mainwindow/about.h"
#include "platform/Messages.h"
#include "platform/FileDialogs.h"
#include "platform/FolderChooser.h"
#include "platform/ui/AppSetup.h"
#include "platform/ui/FolderDialog.h"
#include "platform/ui/QtFileDialogs.h"
#include "platform/ui/QtMessageService.h"
#include "settings/DrkEinstForm.h"
#include "settings/EinstExpForm.h"
#include "settings/EinstImpForm.h"
#include "settings/Facheinst.h"
#include "settings/ProgEinstForm.h"
#include "settings/SchulEinstForm.h"
#include "settings/WpflEinstForm.h"

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

  // The main window first: its creation sets the folders that the settings
  // dialogs load their files from while they are created.
  quorv::TMainForm mainForm(QCoreApplication::applicationFilePath());
  quorv::TBewHilfForm bewHilfForm(&mainForm);
  // The subject catalogue is loaded where its (never shown) dialog would be created.
  quorv::InitSubjectCatalog();
  quorv::TNeuDSForm neuDSForm(&mainForm);
  quorv::TProgEinstForm progEinstForm(&mainForm);
  quorv::TSchulEinstForm schulEinstForm(&mainForm);
  quorv::TWpflEinstForm wpflEinstForm(&mainForm);
  quorv::TDrkEinstForm drkEinstForm(&mainForm);
  quorv::TPreViewForm preViewForm(&mainForm);
  quorv::TAboutForm aboutForm(&mainForm);
  quorv::TInfoDlg infoDlg(&mainForm);
  quorv::TFaNoExpForm faNoExpForm(&mainForm);
  quorv::TBewUebersForm bewUebersForm(&mainForm);
  quorv::TFachEingForm fachEingForm(&mainForm);
  quorv::TEinstExpForm einstExpForm(&mainForm);
  quorv::TEinstImpForm einstImpForm(&mainForm);
  quorv::TDatSichForm datSichForm(&mainForm);

  mainForm.ProgEinstForm = &progEinstForm;
  mainForm.SchulEinstForm = &schulEinstForm;
  mainForm.WpflEinstForm = &wpflEinstForm;
  mainForm.DrkEinstForm = &drkEinstForm;
  mainForm.FaNoExpForm = &faNoExpForm;
  mainForm.BewUebersForm = &bewUebersForm;
  mainForm.FachEingForm = &fachEingForm;
  mainForm.EinstExpForm = &einstExpForm;
  mainForm.EinstImpForm = &einstImpForm;
  mainForm.BewHilfForm = &bewHilfForm;
  fachEingForm.BewHilfForm = &bewHilfForm;
  mainForm.NeuDSForm = &neuDSForm;
  mainForm.AboutForm = &aboutForm;
  mainForm.DatSichForm = &datSichForm;
  preViewForm.DrkEinstForm = &drkEinstForm;
  // The output wrappers show the preview window for target 1.
  quorv::InstallPreViewForm(&preViewForm);

  mainForm.show();
  const int rc = app.exec();
  platform::SetFileDialogs(nullptr);
  platform::SetMessageService(nullptr);
  return rc;
}
