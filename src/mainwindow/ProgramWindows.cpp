#include "mainwindow/ProgramWindows.h"

#include "layouts/PreViewForm.h"
#include "mainwindow/BewHilf.h"
#include "mainwindow/BewUebers.h"
#include "mainwindow/DatSich.h"
#include "mainwindow/FaNoExp.h"
#include "mainwindow/FachEing.h"
#include "mainwindow/InfoDialog.h"
#include "mainwindow/MainUSB.h"
#include "mainwindow/NeuDS.h"
#include "mainwindow/about.h"
#include "settings/DrkEinstForm.h"
#include "settings/EinstExpForm.h"
#include "settings/EinstImpForm.h"
#include "settings/Facheinst.h"
#include "settings/ProgEinstForm.h"
#include "settings/SchulEinstForm.h"
#include "settings/WpflEinstForm.h"

namespace quorv {

namespace {
// The dialogs make their widgets when first shown; the settings they load are
// loaded here, in this order.
constexpr auto kLater = platform::DialogWidgets::OnFirstShow;
}  // namespace

TProgramWindows::TProgramWindows(const QString& programPath) {
  // The main window first: its creation sets the folders that the settings
  // dialogs load their files from while they are created.
  mainForm_ = std::make_unique<TMainForm>(programPath);
  TMainForm* main = mainForm_.get();
  bewHilfForm_ = std::make_unique<TBewHilfForm>(main, kLater);
  // The subject catalogue is loaded where its (never shown) dialog would be created.
  InitSubjectCatalog();
  neuDSForm_ = std::make_unique<TNeuDSForm>(main, kLater);
  progEinstForm_ = std::make_unique<TProgEinstForm>(main, kLater);
  schulEinstForm_ = std::make_unique<TSchulEinstForm>(main, kLater);
  wpflEinstForm_ = std::make_unique<TWpflEinstForm>(main, kLater);
  drkEinstForm_ = std::make_unique<TDrkEinstForm>(main, kLater);
  preViewForm_ = std::make_unique<TPreViewForm>(main);
  aboutForm_ = std::make_unique<TAboutForm>(main, kLater);
  infoDlg_ = std::make_unique<TInfoDlg>(main, kLater);
  faNoExpForm_ = std::make_unique<TFaNoExpForm>(main, kLater);
  bewUebersForm_ = std::make_unique<TBewUebersForm>(main, kLater);
  fachEingForm_ = std::make_unique<TFachEingForm>(main, kLater);
  einstExpForm_ = std::make_unique<TEinstExpForm>(main, kLater);
  einstImpForm_ = std::make_unique<TEinstImpForm>(main, kLater);
  datSichForm_ = std::make_unique<TDatSichForm>(main, kLater);

  main->ProgEinstForm = progEinstForm_.get();
  main->SchulEinstForm = schulEinstForm_.get();
  main->WpflEinstForm = wpflEinstForm_.get();
  main->DrkEinstForm = drkEinstForm_.get();
  main->FaNoExpForm = faNoExpForm_.get();
  main->BewUebersForm = bewUebersForm_.get();
  main->FachEingForm = fachEingForm_.get();
  main->EinstExpForm = einstExpForm_.get();
  main->EinstImpForm = einstImpForm_.get();
  main->BewHilfForm = bewHilfForm_.get();
  fachEingForm_->BewHilfForm = bewHilfForm_.get();
  main->NeuDSForm = neuDSForm_.get();
  main->AboutForm = aboutForm_.get();
  main->DatSichForm = datSichForm_.get();
  preViewForm_->DrkEinstForm = drkEinstForm_.get();
  // The output wrappers show the preview window for target 1.
  InstallPreViewForm(preViewForm_.get());
}

// Members go in reverse order: the dialogs before the main window, their parent.
TProgramWindows::~TProgramWindows() = default;

}  // namespace quorv
