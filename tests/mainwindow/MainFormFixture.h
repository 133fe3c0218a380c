#pragma once
// A main window in a temporary program folder, with the program-wide state
// restored after each test, and a main window that logs the calls into the
// data-sheet and list services.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "mainwindow/MainUSB.h"
#include "records/QuorvDat.h"
#include "support/ProgramState.h"
#include "support/TempDir.h"

namespace testsupport {

class LoggingMainForm : public quorv::TMainForm {
 public:
  using quorv::TMainForm::TMainForm;

  std::vector<std::string> calls;
  bool saveWrites = true;          // what FileSave / FileSaveAs report
  bool storeSetsModified = false;  // the sheet held edits that differ from the record

  void StoreCurrentPupil() override {
    calls.push_back("Store");
    if (storeSetsModified) quorv::Modified = true;
  }
  void ShowCurrentPupil() override { calls.push_back("Show"); }
  void UpdatePupilPosition() override { calls.push_back("Update"); }
  void FillPupilList() override { calls.push_back("FillPupilList"); }
  void SelectCurrentPupilInList() override { calls.push_back("Select"); }
  void FillPupilGrid() override { calls.push_back("FillPupilGrid"); }
  void Button1Click() override { calls.push_back("Button1"); }
  bool FileSave() override { return Save("FileSave"); }
  bool FileSaveAs() override { return Save("FileSaveAs"); }

 private:
  bool Save(const char* name) {
    calls.push_back(name);
    if (saveWrites) quorv::Modified = false;
    return saveWrites;
  }
};

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override { UseDefaultSettings(); }
  void TearDown() override { form_.reset(); }

  // The main window, created and shown for the first time.
  LoggingMainForm& ShownForm() {
    form_ = std::make_unique<LoggingMainForm>(dir.programDir() + "quorv");
    form_->show();
    form_->calls.clear();
    return *form_;
  }

  TempProgramDir dir;

 private:
  SavedProgramState state_;
  std::unique_ptr<LoggingMainForm> form_;
};

using Calls = std::vector<std::string>;

}  // namespace testsupport
