#pragma once
// Keeps the program-wide state of a test to itself: the class in memory, the
// settings and the lists are saved when the guard is made and put back when it
// goes.
#include <QString>
#include <QStringList>

#include "records/ClassFile.h"
#include "records/QuorvDat.h"
#include "settings/DrkEinst.h"
#include "settings/Facheinst.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "settings/WpflEinst.h"

namespace testsupport {

class SavedProgramState {
 public:
  SavedProgramState();
  ~SavedProgramState();
  SavedProgramState(const SavedProgramState&) = delete;
  SavedProgramState& operator=(const SavedProgramState&) = delete;

 private:
  quorv::TDB2 pupils_;
  int pupilCount_;
  int currentPupil_;
  bool modified_;
  QString classFileName_;
  quorv::TPupilRecord templatePupil_;
  quorv::TPupilRecord clipboardPupil_;
  quorv::TClassFileHeader classFileHeader_;
  quorv::TSchoolSettings schoolSettings_;
  quorv::TProgramOptions programOptions_;
  quorv::TPrintOptions printOptions_;
  quorv::TWPflFach electives_;
  int electiveIndex_;
  QStringList electiveNames_;
  quorv::TSubjectCatalog catalog_;
  QStringList languageSubjects_;
  QStringList religionSubjects_;
  QStringList allSubjects_;
  QStringList subjectAbbrevs_;
};

// School settings and program options at their defaults.
void UseDefaultSettings();

}  // namespace testsupport
