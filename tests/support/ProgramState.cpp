#include "support/ProgramState.h"

namespace testsupport {

using namespace quorv;

SavedProgramState::SavedProgramState()
    : pupils_(Pupils),
      pupilCount_(PupilCount),
      currentPupil_(CurrentPupil),
      modified_(Modified),
      classFileName_(ClassFileName),
      templatePupil_(TemplatePupil),
      clipboardPupil_(ClipboardPupil),
      classFileHeader_(ClassFileHeader),
      schoolSettings_(SchoolSettings),
      programOptions_(ProgramOptions),
      printOptions_(PrintOptions),
      electives_(ElectiveSubjects),
      electiveIndex_(ElectiveIndex),
      electiveNames_(ElectiveSubjectNames),
      catalog_(SubjectCatalog),
      languageSubjects_(LanguageSubjectList),
      religionSubjects_(ReligionSubjectList),
      allSubjects_(AllSubjectNames),
      subjectAbbrevs_(SubjectAbbrevList) {}

SavedProgramState::~SavedProgramState() {
  Pupils = pupils_;
  PupilCount = pupilCount_;
  CurrentPupil = currentPupil_;
  Modified = modified_;
  ClassFileName = classFileName_;
  TemplatePupil = templatePupil_;
  ClipboardPupil = clipboardPupil_;
  ClassFileHeader = classFileHeader_;
  SchoolSettings = schoolSettings_;
  ProgramOptions = programOptions_;
  PrintOptions = printOptions_;
  ElectiveSubjects = electives_;
  ElectiveIndex = electiveIndex_;
  ElectiveSubjectNames = electiveNames_;
  SubjectCatalog = catalog_;
  LanguageSubjectList = languageSubjects_;
  ReligionSubjectList = religionSubjects_;
  AllSubjectNames = allSubjects_;
  SubjectAbbrevList = subjectAbbrevs_;
}

void UseDefaultSettings() {
  SetSchoolSettingDefaults();
  SetProgramOptionDefaults();
}

}  // namespace testsupport
