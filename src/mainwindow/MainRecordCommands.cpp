// The record operations of the main window: "+", "-", the purge, the sorts and
// the record clipboard.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "mainwindow/DataSheetControls.h"
#include "mainwindow/MainUSB.h"
#include "platform/Messages.h"
#include "records/QuorvDat.h"
#include "records/RecordOperations.h"
#include "settings/ProgEinst.h"

namespace quorv {

namespace {

const QString kNoDeletePermission = QString::fromUtf8("Sie sind nicht berechtigt Datensätze zu löschen!");
const QString kDeleteQuestion = QString::fromUtf8("Wollen Sie diesen Datensatz löschen?");
const QString kPurgeQuestion = QString::fromUtf8(
    "Wollen Sie die gelöschten Datensätze jetzt wirklich und endgültig aus der Datenbank löschen?");

constexpr int kTablePage = 1;

bool ValidCurrent() {
  return CurrentPupil >= 0 && CurrentPupil < PupilCount && CurrentPupil < static_cast<int>(Pupils.size());
}

}  // namespace

// ---------------------------------------------------------------------------
// "+"

void TMainForm::Button6Click() {
  const bool tablePage = PageControl1->currentIndex() == kTablePage;
  // A full class refuses before anything is asked or stored.
  if (RefuseWhenClassFull()) return;
  if (tablePage) {
    if (RunDialog(NeuDSForm) != 1) return;
  } else {
    StoreCurrentPupil();
  }
  if (!InsertPupilAfterCurrent()) return;
  if (tablePage) {
    TPupilRecord& r = Pupils[static_cast<std::size_t>(CurrentPupil)];
    r.Surname.setText(NewPupilName.left(30));
    r.FirstName.setText(NewPupilFirstName.left(30));
  }
  ShowCurrentPupil();
  FillPupilList();
  SelectCurrentPupilInList();
  if (!tablePage) {
    SetCurrentPage(PageControl2, 0);
    // The name is selected, so that typing replaces the placeholder.
    Sheet->Edit5->setFocus();
    Sheet->Edit5->selectAll();
  }
  for (QPushButton* b : {Button1, Button2, Button3, Button4}) b->setEnabled(true);
  if (ProgramOptions.CopyFromPreviousPupil == 1)
    for (QLabel* note : {Sheet->Label64, Sheet->Label65, Sheet->Label66}) note->setVisible(true);
  // The new pupil is a change of the class, also before anything is typed.
  Modified = true;
  UpdatePupilPosition();
}

// ---------------------------------------------------------------------------
// "-" and the purge

void TMainForm::Button7Click() {
  if (ProgramOptions.AllowDeletePupils != 1) {
    platform::ShowMessage(kNoDeletePermission, platform::MsgKind::Error);
    return;
  }
  StoreCurrentPupil();
  if (platform::AskYesNo(kDeleteQuestion, platform::MsgKind::Confirmation) && ValidCurrent()) {
    Pupils[static_cast<std::size_t>(CurrentPupil)].Active = 0;
    Modified = true;
  }
  ShowCurrentPupil();
  UpdatePupilPosition();
}

void TMainForm::gelschteDatenstzeentgltigentfernen1Click() {
  if (!platform::AskYesNo(kPurgeQuestion, platform::MsgKind::Confirmation)) return;
  // What was typed on the sheet reaches the record before records move.
  StoreCurrentPupil();
  PurgeMarkedPupils();
  ShowCurrentPupil();
  SelectCurrentPupilInList();
  UpdatePupilPosition();
}

// ---------------------------------------------------------------------------
// Sorts

void TMainForm::SortClass(TSortOrder order) {
  if (PupilCount < 2) return;
  StoreCurrentPupil();
  SortPupils(Pupils, PupilCount, order);
  SelectCurrentPupilInList();
  ShowCurrentPupil();
  Modified = true;
  UpdatePupilPosition();
}

void TMainForm::aufsteigend1Click() { SortClass(TSortOrder::NameUp); }
void TMainForm::absteigend1Click() { SortClass(TSortOrder::NameDown); }
void TMainForm::aufsteigend2Click() { SortClass(TSortOrder::KeyUp); }
void TMainForm::absteigend2Click() { SortClass(TSortOrder::KeyDown); }
void TMainForm::aufsteigend3Click() { SortClass(TSortOrder::ClassUp); }
void TMainForm::absteigend3Click() { SortClass(TSortOrder::ClassDown); }
void TMainForm::Mdchenzuerst1Click() { SortClass(TSortOrder::GirlsFirst); }
void TMainForm::Jungenzuerst1Click() { SortClass(TSortOrder::BoysFirst); }

// ---------------------------------------------------------------------------
// Record clipboard (its commands start disabled and nothing enables them)

void TMainForm::KopierenSchlerDatensatz1Click() {
  if (ValidCurrent()) ClipboardPupil = Pupils[static_cast<std::size_t>(CurrentPupil)];
}

void TMainForm::AusschneidenSchlerDatensatz1Click() {
  StoreCurrentPupil();
  if (ValidCurrent()) ClipboardPupil = Pupils[static_cast<std::size_t>(CurrentPupil)];
  Button7Click();
}

void TMainForm::EinfgenSchlerDatensatz1Click() {
  if (RefuseWhenClassFull()) return;
  StoreCurrentPupil();
  StoreGridIntoRecords();
  if (!PasteClipboardPupil()) return;
  ShowCurrentPupil();
  FillPupilList();
  SelectCurrentPupilInList();
  for (QPushButton* b : {Button1, Button2, Button3, Button4}) b->setEnabled(true);
  Modified = true;
  UpdatePupilPosition();
}

}  // namespace quorv
