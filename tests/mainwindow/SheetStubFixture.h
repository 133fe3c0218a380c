#pragma once
// A main window whose data sheet is a stand-in: storing writes a pending
// edit into the current record, showing refills the pupil list and the
// position fields as the data sheet does. The list, navigation, table and
// class-file commands are the real ones. Program-wide state is restored
// after each test.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mainwindow/MainUSB.h"
#include "records/ClassFile.h"
#include "records/QuorvDat.h"
#include "support/ProgramState.h"
#include "support/TempDir.h"

namespace testsupport {

class SheetStubForm : public quorv::TMainForm {
 public:
  using quorv::TMainForm::TMainForm;

  std::vector<std::string> calls;
  // An edit typed on the data sheet; the next store writes it into the
  // current record's absence days and sets the changed flag.
  std::optional<std::string> pendingEdit;

  void StoreCurrentPupil() override {
    calls.push_back("Store " + std::to_string(quorv::CurrentPupil));
    if (!pendingEdit || quorv::CurrentPupil < 0 || quorv::CurrentPupil >= quorv::PupilCount) return;
    quorv::Pupils[static_cast<std::size_t>(quorv::CurrentPupil)].AbsenceDays.set(*pendingEdit);
    pendingEdit.reset();
    quorv::Modified = true;
    UpdatePupilPosition();
  }
  void ShowCurrentPupil() override {
    FillPupilList();
    if (quorv::PupilCount > 0 && quorv::CurrentPupil >= quorv::PupilCount) quorv::CurrentPupil = quorv::PupilCount - 1;
    calls.push_back("Show " + std::to_string(quorv::CurrentPupil));
    UpdatePupilPosition();
  }
};

inline quorv::TPupilRecord Pupil(const char* surname, const char* firstName, int active = 1, int key = 0) {
  quorv::TPupilRecord r = quorv::ZeroPupilRecord();
  r.Active = static_cast<std::uint16_t>(active);
  r.Surname.set(surname);
  r.FirstName.set(firstName);
  r.KeyNumber = key;
  r.AbsenceDays.set("- -");
  return r;
}

// A class of pupils with distinct key numbers 1, 2, ...
inline quorv::TDB2 ClassOf(std::vector<quorv::TPupilRecord> pupils) {
  for (std::size_t i = 0; i < pupils.size(); ++i)
    if (pupils[i].KeyNumber == 0) pupils[i].KeyNumber = static_cast<std::int32_t>(i + 1);
  return pupils;
}

class SheetStubTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseDefaultSettings();
    quorv::SetElectiveDefaults();
    quorv::RebuildElectiveNames();
  }
  void TearDown() override { form_.reset(); }

  // The main window, created and shown for the first time.
  SheetStubForm& ShownForm() {
    form_ = std::make_unique<SheetStubForm>(dir.programDir() + "quorv");
    form_->show();
    form_->calls.clear();
    return *form_;
  }

  // Makes the class in memory and shows its first record.
  void SetClass(const quorv::TDB2& pupils, int current = 0) {
    quorv::Pupils = pupils;
    quorv::PupilCount = static_cast<int>(pupils.size());
    quorv::CurrentPupil = current;
    form_->ShowCurrentPupil();
    form_->calls.clear();
  }

  QStringList ListTexts() const {
    QStringList texts;
    for (int i = 0; i < form_->ListBox1->count(); ++i) texts << form_->ListBox1->item(i)->text();
    return texts;
  }

  TempProgramDir dir;

 private:
  SavedProgramState state_;
  std::unique_ptr<SheetStubForm> form_;
};

}  // namespace testsupport
