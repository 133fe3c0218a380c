#include "records/DataSheetRules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "platform/Cp1252.h"
#include "records/QuorvDat.h"
#include "records/SubjectSlots.h"
#include "settings/Facheinst.h"
#include "settings/SchulEinst.h"
#include "support/ScriptedMessages.h"

namespace quorv {
namespace {

class DataSheetRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedCatalog_ = SubjectCatalog;
    savedSchool_ = SchoolSettings;
    BuildDefaultSubjectCatalog();
    SetSchoolSettingDefaults();
    record = ZeroPupilRecord();
    Pupils.clear();
    InitPupilRecord(record);
  }
  void TearDown() override {
    SubjectCatalog = savedCatalog_;
    SchoolSettings = savedSchool_;
  }

  TSubjectEntry& Slot(int s) { return record.Subjects[s - 1]; }
  void SetSlot(int s, const char* name, const char* grade, const char* level = "-") {
    Slot(s).Name.set(platform::EncodeCp1252(QString::fromUtf8(name)));
    Slot(s).Grade.set(grade);
    Slot(s).CourseLevel.set(level);
  }

  TPupilRecord record;
  TSubjectCatalog savedCatalog_;
  TSchoolSettings savedSchool_;
};

// ---- record comparison ----

TEST_F(DataSheetRulesTest, EveryComparedFieldSetsChanged) {
  using Change = std::function<void(TPupilRecord&)>;
  const std::pair<const char*, Change> changes[] = {
      {"Active", [](TPupilRecord& r) { r.Active = 0; }},
      {"KeyNumber", [](TPupilRecord& r) { r.KeyNumber = 17; }},
      {"Surname", [](TPupilRecord& r) { r.Surname.set("Meier"); }},
      {"FirstName", [](TPupilRecord& r) { r.FirstName.set("Anna"); }},
      {"BirthDate", [](TPupilRecord& r) { r.BirthDate.set("01.02.1999"); }},
      {"Sex", [](TPupilRecord& r) { r.Sex = 1; }},
      {"ReportKind", [](TPupilRecord& r) { r.ReportKind = 2; }},
      {"AnspruchsebeneAll", [](TPupilRecord& r) { r.AnspruchsebeneAll = 3; }},
      {"SchoolYear", [](TPupilRecord& r) { r.SchoolYear.set("2006"); }},
      {"Klassenstufe", [](TPupilRecord& r) { r.Klassenstufe = 7; }},
      {"ClassName", [](TPupilRecord& r) { r.ClassName.set("7a"); }},
      {"ClassTeacher", [](TPupilRecord& r) { r.ClassTeacher.set("Ko"); }},
      {"NextSchool", [](TPupilRecord& r) { r.NextSchool.set("Gym"); }},
      {"Jahrgangsstufe", [](TPupilRecord& r) { r.Jahrgangsstufe.set("8"); }},
      {"AbsenceDays", [](TPupilRecord& r) { r.AbsenceDays.set("3"); }},
      {"AbsenceDaysExcused", [](TPupilRecord& r) { r.AbsenceDaysExcused.set("2"); }},
      {"Schullaufbahnempfehlung", [](TPupilRecord& r) { r.Schullaufbahnempfehlung = 1; }},
      {"IssuePlace", [](TPupilRecord& r) { r.IssuePlace.set("Rostock"); }},
      {"IssueDate", [](TPupilRecord& r) { r.IssueDate.set("01.07.2006"); }},
      {"SkipInBatch", [](TPupilRecord& r) { r.SkipInBatch = 1; }},
      {"ExamDataPresent", [](TPupilRecord& r) { r.ExamDataPresent = 1; }},
      {"ExamDate", [](TPupilRecord& r) { r.ExamDate.set("x"); }},
      {"FourthExamSubject", [](TPupilRecord& r) { r.FourthExamSubject.set("Ph"); }},
      {"ExamPassed", [](TPupilRecord& r) { r.ExamPassed = 1; }},
      {"HalfYear", [](TPupilRecord& r) { r.HalfYear = 1; }},
      {"Abschlussart", [](TPupilRecord& r) { r.Abschlussart = 2; }},
      {"Klassenart", [](TPupilRecord& r) { r.Klassenart = 2; }},
      {"Gesamtpraedikat", [](TPupilRecord& r) { r.Gesamtpraedikat = 4; }},
      {"FormNumber", [](TPupilRecord& r) { r.FormNumber = 15; }},
      {"LayoutFormNumber", [](TPupilRecord& r) { r.LayoutFormNumber = 15; }},
      {"subject name", [](TPupilRecord& r) { r.Subjects[24].Name.set("X"); }},
      {"subject grade", [](TPupilRecord& r) { r.Subjects[0].Grade.set("1"); }},
      {"subject addition", [](TPupilRecord& r) { r.Subjects[5].Addition.set("+"); }},
      {"subject level", [](TPupilRecord& r) { r.Subjects[3].CourseLevel.set("B"); }},
      {"subject reserved", [](TPupilRecord& r) { r.Subjects[17].Reserved38.set("h"); }},
      {"development text", [](TPupilRecord& r) { r.DevelopmentText.Chars[2000] = 'x'; }},
      {"remarks", [](TPupilRecord& r) { r.RemarksText.Chars[0] = 'x'; }},
      {"teacher notes", [](TPupilRecord& r) { r.TeacherNotesText.Chars[1500] = 'x'; }},
  };
  for (const auto& [field, change] : changes) {
    TPupilRecord current = record;
    change(current);
    bool changed = false;
    PupilRecordsDiffer(current, record, changed);
    EXPECT_TRUE(changed) << field;
  }
}

TEST_F(DataSheetRulesTest, FieldsTheSheetDoesNotShowAreNotCompared) {
  TPupilRecord current = record;
  current.ShownFormNumber = 27;
  current.BirthPlace.set("Wismar");
  current.RandomTag = 4711;
  current.MonthText1.set("Mai");
  current.CreatedSchoolType = 4;
  current.LegacyText.set("alt");
  // Bytes behind a short string's text are not part of it.
  current.Surname.Chars[20] = 'z';
  bool changed = false;
  PupilRecordsDiffer(current, record, changed);
  EXPECT_FALSE(changed);
}

TEST_F(DataSheetRulesTest, ComparisonNeverClearsTheFlag) {
  bool changed = true;
  PupilRecordsDiffer(record, record, changed);
  EXPECT_TRUE(changed);
}

// ---- rescaling ----

TEST_F(DataSheetRulesTest, ClampTableClampsToOneToSix) {
  for (int n = -2; n <= 10; ++n) EXPECT_EQ(GradeClampTable[static_cast<std::size_t>(n + 2)], std::clamp(n, 1, 6));
  EXPECT_EQ(ClampedGrade(-5), 1);
  EXPECT_EQ(ClampedGrade(12), 6);
}

struct RescaleCase {
  int shownLevel, newLevel;
  const char* grade;
  const char* level;
  const char* newGrade;
  const char* newLevel2;
};

TEST_F(DataSheetRulesTest, RescalingByLevelLetter) {
  const char* const uUpper = "\xDC";
  const char* const uLower = "\xFC";
  const RescaleCase cases[] = {
      // From the undecided level to 3: shift by the letter.
      {0, 3, "3", "H", "5", "H"},   {0, 3, "3", "B", "4", "B"},   {0, 3, "3", "G", "3", "G"},
      {0, 3, "3", "-", "3", "-"},   {0, 3, "3", "a", "5", "a"},   {0, 3, "3", "r", "4", "r"},
      {0, 3, "3", "E", "3", "E"},   {0, 3, "3", "M", "3", "M"},   {0, 1, "3", "H", "3", "H"},
      {0, 2, "4", "B", "4", "B"},   {0, 3, "2", uUpper, "2", "Z"},
      // From a set level: only A, C, Ü and letters outside the table move.
      {1, 3, "6", "-", "6", "-"},   {1, 3, "2", "-", "4", "-"},   {1, 3, "2", "B", "2", "B"},
      {1, 3, "2", "A", "4", "A"},   {1, 3, "2", "H", "2", "H"},   {1, 3, "2", "c", "4", "c"},
      {1, 3, "2", "G", "2", "G"},   {3, 1, "2", "-", "1", "-"},   {3, 1, "5", "", "3", ""},
      {2, 3, "2", uUpper, "3", "Z"}, {2, 3, "2", uLower, "3", "Z"}, {1, 3, "8", "A", "6", "A"},
      {3, 2, "7", "-", "6", "-"},
  };
  for (const RescaleCase& c : cases) {
    SetSlot(4, "Mathematik", c.grade, c.level);
    EXPECT_FALSE(RescaleGrades(record, c.shownLevel, c.newLevel));
    EXPECT_EQ(Slot(4).Grade.str(), c.newGrade) << c.shownLevel << ">" << c.newLevel << " " << c.grade << c.level;
    EXPECT_EQ(Slot(4).CourseLevel.str(), c.newLevel2) << c.shownLevel << ">" << c.newLevel << " " << c.grade;
  }
}

TEST_F(DataSheetRulesTest, OnlyDigitGradesAreRescaled) {
  const char* grades[] = {"-", "0", "n", "A", "", "9"};
  for (const char* g : grades) {
    SetSlot(1, "Deutsch", g, "-");
    EXPECT_FALSE(RescaleGrades(record, 1, 3));
    EXPECT_EQ(Slot(1).Grade.str(), g);
  }
  // All 25 slots take part, the overall elective grade too.
  SetSlot(25, "", "2", "-");
  RescaleGrades(record, 1, 3);
  EXPECT_EQ(Slot(25).Grade.str(), "4");
}

TEST_F(DataSheetRulesTest, DifferenceOfThreeOrMoreIsAnError) {
  SetSlot(2, "Englisch", "2", "-");
  SetSlot(3, "Latein", "-", "-");
  EXPECT_TRUE(RescaleGrades(record, 5, 1));
  EXPECT_EQ(Slot(2).Grade.str(), "2");
  bool error = false;
  RescaleSubjectGradeFromLevel(Slot(2), 2, error);
  EXPECT_FALSE(error);
  RescaleSubjectGrade(Slot(2), -3, error);
  EXPECT_TRUE(error);
}

// ---- form-number settlement ----

TEST_F(DataSheetRulesTest, DefaultFormsBySchoolType) {
  const int expected[] = {15, 3, 15, 27, 21, 5, 10, 15, 15, 15};
  for (int type = 0; type <= 9; ++type) EXPECT_EQ(DefaultFormForSchoolType(type), expected[type]) << type;
}

TEST_F(DataSheetRulesTest, NewRecordIsLaidOutForTheDefaultForm) {
  SettleFormNumbers(record, 4);
  EXPECT_EQ(record.FormNumber, 21);
  EXPECT_EQ(record.LayoutFormNumber, 21);
  EXPECT_EQ(record.ShownFormNumber, 21);
  EXPECT_EQ(Slot(1).Name.str(), "Deutsch");
  EXPECT_EQ(Slot(14).Name.str(), "Informatik");
  EXPECT_EQ(Slot(14).Grade.str(), "-");
  EXPECT_EQ(Slot(9).Name.str(), "???");
  EXPECT_EQ(Slot(19).Name.str(), "???");
}

TEST_F(DataSheetRulesTest, ConvertedRecordKeepsItsSubjects) {
  SetSlot(1, "Deutsch", "2");
  SetSlot(2, "Englisch", "3");
  SetSlot(4, "Mathematik", "1", "B");
  SetSlot(6, "???", "4");  // a grade without a name is kept as well
  Slot(10).Addition.set("+");
  SettleFormNumbers(record, 2);
  EXPECT_EQ(record.FormNumber, 15);
  EXPECT_EQ(Slot(2).Name.str(), "Englisch");
  EXPECT_EQ(Slot(2).Grade.str(), "3");
  EXPECT_EQ(Slot(4).Grade.str(), "1");
  EXPECT_EQ(Slot(4).CourseLevel.str(), "B");
  EXPECT_EQ(Slot(6).Name.str(), "???");
  EXPECT_EQ(Slot(6).Grade.str(), "4");
  EXPECT_EQ(Slot(10).Name.str(), "???");
  EXPECT_EQ(Slot(10).Addition.str(), "+");
  // Blank slots are filled from the catalogue.
  EXPECT_EQ(Slot(5).Name.str(), "Geschichte");
  EXPECT_EQ(Slot(11).Name.str(), "Chemie");
}

TEST_F(DataSheetRulesTest, ChangedFormIsReLaidOnce) {
  record.FormNumber = 19;
  record.LayoutFormNumber = 5;
  SetSlot(3, "Mathematik", "2");
  SettleFormNumbers(record, 2);
  EXPECT_EQ(Slot(4).Name.str(), "Mathematik");
  EXPECT_EQ(record.LayoutFormNumber, 19);
  EXPECT_EQ(record.ShownFormNumber, 19);
  // Shown again before a store: nothing moves a second time.
  SettleFormNumbers(record, 2);
  EXPECT_EQ(Slot(4).Name.str(), "Mathematik");
  EXPECT_EQ(Slot(5).Name.str(), "???");
}

TEST_F(DataSheetRulesTest, PairOutsideTheTableWarnsOnce) {
  record.FormNumber = 8;
  record.LayoutFormNumber = 12;
  testsupport::ScriptedMessages msgs;
  msgs.expect(kRelayoutWarning, platform::MsgKind::Warning);
  SettleFormNumbers(record, 5);
  SettleFormNumbers(record, 5);
  EXPECT_EQ(msgs.shown().size(), 1u);
  EXPECT_EQ(record.LayoutFormNumber, 8);
}

TEST_F(DataSheetRulesTest, NoFormYetKeepsTheLayout) {
  record.FormNumber = 0;
  record.LayoutFormNumber = 15;
  SetSlot(4, "Mathematik", "2");
  SettleFormNumbers(record, 2);
  EXPECT_EQ(record.LayoutFormNumber, 15);
  EXPECT_EQ(record.ShownFormNumber, 15);
  EXPECT_EQ(Slot(4).Name.str(), "Mathematik");
  // When a form is decided later the slots move from the form they hold.
  record.FormNumber = 18;
  SettleFormNumbers(record, 2);
  EXPECT_EQ(Slot(3).Name.str(), "Mathematik");
  EXPECT_EQ(record.LayoutFormNumber, 18);
}

TEST_F(DataSheetRulesTest, ExamReportIsShownAsForm21WhenReLaid) {
  record.FormNumber = 24;
  record.LayoutFormNumber = 21;
  SettleFormNumbers(record, 4);
  EXPECT_EQ(record.ShownFormNumber, 21);
  EXPECT_EQ(record.LayoutFormNumber, 24);
  SettleFormNumbers(record, 4);
  EXPECT_EQ(record.ShownFormNumber, 24);
  // Other school types show the form itself.
  record.FormNumber = 25;
  record.LayoutFormNumber = 21;
  SettleFormNumbers(record, 2);
  EXPECT_EQ(record.ShownFormNumber, 25);
}

TEST_F(DataSheetRulesTest, FormNumberText) {
  record.FormNumber = 104;
  EXPECT_EQ(FormNumberText(record, 2), "4a");
  record.FormNumber = 15;
  record.ReportKind = 2;
  EXPECT_EQ(FormNumberText(record, 2), "16");
  record.ReportKind = 0;
  EXPECT_EQ(FormNumberText(record, 2), "0");
}

// ---- texts ----

TEST_F(DataSheetRulesTest, RecommendationNotes) {
  EXPECT_EQ(RecommendationNote(0),
            QString::fromUtf8("autom. Hinzufügen der Schullaufbahnempf. bei \"Schullaufbahnempfehlung\" einstellbar"));
  EXPECT_EQ(RecommendationNote(1),
            QString::fromUtf8("Schullaufbahnempf. (B.- + mittl.Reife) wird noch autom. hinzugefügt!"));
  EXPECT_EQ(RecommendationNote(2), QString::fromUtf8("Schullaufbahnempf. (allg. HS-Reife) wird noch autom. hinzugefügt!"));
  EXPECT_EQ(RecommendationNote(3), QString::fromUtf8("Problem mit autom.Hinzufügen der Schullaufbahnempf.!"));
}

TEST_F(DataSheetRulesTest, FourthExamSubjectIsFoundByAbbreviation) {
  EXPECT_EQ(FourthExamSubjectEntry("Ph"), 25);
  EXPECT_EQ(FourthExamSubjectEntry("xx"), 0);
  EXPECT_EQ(FourthExamSubjectEntry("---"), 50);  // the last free entry carries it too
  SetSlot(10, "Physik", "2");
  SetSlot(12, "Physik", "3");
  EXPECT_EQ(ExamSubjectSlot(record, 25), 12);
  EXPECT_EQ(ExamSubjectSlot(record, 7), 0);
}

TEST_F(DataSheetRulesTest, LabelColours) {
  EXPECT_TRUE(SubjectLabelIsRed(1, 24, 2007, "Deutsch", ""));
  EXPECT_TRUE(SubjectLabelIsRed(0, 25, 2007, "", ""));
  EXPECT_FALSE(SubjectLabelIsRed(4, 21, 2005, "Mathematik", "Mathematik"));
  EXPECT_TRUE(SubjectLabelIsRed(10, 24, 2005, "Physik", "Physik"));
  EXPECT_FALSE(SubjectLabelIsRed(10, 24, 2006, "Physik", "Physik"));
  EXPECT_FALSE(SubjectLabelIsRed(11, 24, 2005, "Chemie", "Physik"));
}

// ---- visibility ----

struct VisibilityCase {
  const char* control;
  int form;
  int schoolType;
  int reportKind;
  bool additions;
  TShowState expected;
};

TEST_F(DataSheetRulesTest, VisibilityTable) {
  constexpr auto S = TShowState::Shown;
  constexpr auto H = TShowState::Hidden;
  constexpr auto K = TShowState::Kept;
  const VisibilityCase cases[] = {
      {"EditF1", 1, 1, 1, false, H},       {"EditF1", 3, 1, 1, false, S},      {"EditF8", 30, 7, 1, false, H},
      {"EditF8", 32, 7, 1, false, S},      {"EditF1", 0, 2, 0, false, S},      {"EditF1", 105, 5, 7, false, S},
      {"EditF1", 44, 2, 1, false, S},      {"EditF1", 42, 9, 2, false, H},     {"LabelF7", 104, 2, 1, false, S},
      {"EditF1Z", 3, 1, 1, false, H},      {"EditF1Z", 3, 1, 1, true, S},      {"EditF1Z", 1, 1, 1, true, H},
      {"Label49", 15, 2, 1, true, S},      {"EditWZ", 15, 2, 1, false, H},     {"EditW", 15, 2, 1, false, S},
      {"EditF10", 4, 1, 2, false, H},      {"EditF15", 5, 5, 1, false, S},     {"EditF16", 26, 3, 1, false, H},
      {"ComboBoxF2", 26, 3, 1, false, H},  {"ComboBoxF2", 21, 4, 1, false, S}, {"ComboBoxF9", 5, 5, 1, false, H},
      {"ComboBoxF9", 3, 1, 1, false, S},   {"ComboBoxF18", 23, 4, 3, false, H}, {"ComboBoxF18", 21, 4, 1, false, S},
      {"ComboBoxF3", 5, 5, 1, false, H},   {"ComboBoxF3", 43, 7, 1, false, S}, {"ComboBoxF4", 3, 1, 1, false, S},
      {"ComboBoxF4", 104, 2, 1, false, H}, {"ComboBoxF6", 1, 1, 1, false, K},  {"ComboBoxF6", 26, 3, 1, false, S},
      {"ComboBoxF6", 5, 5, 1, false, H},   {"ComboBoxF8", 40, 9, 4, false, K}, {"ComboBoxF8", 18, 2, 4, false, S},
      {"ComboBoxF10", 23, 4, 3, false, S}, {"ComboBoxF16", 20, 2, 4, false, S}, {"ComboBoxF17", 21, 4, 1, false, H},
      {"LabelF2", 26, 3, 1, false, S},     {"LabelF3", 0, 2, 0, false, H},     {"LabelF3", 41, 7, 3, false, S},
      {"LabelF16", 13, 6, 4, false, H},    {"LabelF17", 27, 3, 1, false, S},   {"LabelF9", 0, 2, 0, false, H},
      {"ComboBox19", 15, 2, 1, false, H},  {"LabelFS", 3, 1, 1, false, S},     {"LabelFS", 5, 5, 1, false, H},
      {"ComboBox1", 18, 2, 4, false, S},   {"ComboBox1", 5, 5, 1, false, H},   {"ComboBox4", 18, 2, 4, false, H},
      {"ComboBox3", 18, 2, 4, false, S},   {"ComboBox13", 27, 3, 1, false, S}, {"ComboBox13", 28, 3, 3, false, H},
      {"ComboBox7", 27, 3, 1, false, H},   {"ComboBox7", 0, 3, 0, false, S},   {"RadioGroup4", 15, 2, 1, false, H},
      {"ComboBoxw4", 15, 2, 1, false, S},  {"ComboBoxW3", 15, 2, 1, false, H}, {"ComboBoxW6", 18, 2, 4, false, S},
      {"Label35", 21, 4, 1, false, S},     {"Label33", 21, 4, 1, false, H},    {"BitBtn23", 26, 3, 1, false, H},
      {"BitBtn7", 2, 1, 2, false, H},      {"BitBtn7", 104, 2, 1, false, S},   {"Memo2", 7, 5, 3, false, H},
      {"Memo2", 26, 3, 1, false, S},       {"GroupBox8", 24, 4, 6, false, S},  {"GroupBox8", 23, 4, 3, false, H},
      {"GroupBox3", 22, 4, 2, false, S},   {"Edit68", 7, 5, 3, false, S},      {"Label17", 28, 3, 3, false, S},
      {"Label17", 0, 3, 0, false, H},      {"RadioGroup1", 18, 2, 4, false, S}, {"RadioGroup1", 0, 7, 0, false, H},
      {"BitBtn19", 9, 5, 5, false, S},     {"RadioGroup2", 32, 7, 1, false, S}, {"RadioGroup2", 0, 2, 0, false, H},
      {"BitBtn28", 5, 7, 1, false, S},     {"ComboBox44", 19, 2, 5, false, S}, {"ComboBox44", 18, 2, 4, false, H},
      {"GroupBox7", 28, 3, 3, false, S},   {"ComboBox12", 21, 4, 1, false, H}, {"ComboBox43", 0, 4, 0, false, S},
      {"GroupBox6", 21, 4, 6, false, S},   {"GroupBox6", 21, 4, 1, false, H},  {"GroupBox6", 25, 4, 6, false, S},
      {"Label61", 22, 4, 6, false, H},     {"Edit5", 15, 2, 1, false, K},
  };
  for (const VisibilityCase& c : cases) {
    const TSheetContext context{c.form, c.schoolType, c.reportKind, c.additions};
    EXPECT_EQ(ControlVisibility(c.control, context), c.expected)
        << c.control << " form " << c.form << " type " << c.schoolType;
  }
}

TEST_F(DataSheetRulesTest, OtherFormsAreOutsideOneToFortyThreeAnd104) {
  for (int f : {0, -1, 44, 105, 110, 127, 130, 170}) EXPECT_TRUE(IsOtherForm(f)) << f;
  for (int f : {1, 21, 43, 104}) EXPECT_FALSE(IsOtherForm(f)) << f;
  EXPECT_TRUE(SheetFormListContains("3, other", 127));
  EXPECT_FALSE(SheetFormListContains("3, other", 43));
}

TEST_F(DataSheetRulesTest, NameComboItemLists) {
  struct Case {
    const char* combo;
    int form;
    TNameList list;
  } cases[] = {
      {"ComboBoxF2", 5, TNameList::Languages},   {"ComboBoxF2", 26, TNameList::Keep},
      {"ComboBoxF3", 10, TNameList::Languages},  {"ComboBoxF3", 43, TNameList::AllNames},
      {"ComboBoxF3", 5, TNameList::Keep},        {"ComboBoxF4", 3, TNameList::Religions},
      {"ComboBoxF4", 36, TNameList::AllNames},   {"ComboBoxF6", 26, TNameList::Religions},
      {"ComboBoxF8", 18, TNameList::Religions},  {"ComboBoxF8", 26, TNameList::AllNames},
      {"ComboBoxF9", 3, TNameList::Languages},   {"ComboBoxF9", 104, TNameList::Religions},
      {"ComboBoxF9", 0, TNameList::AllNames},    {"ComboBoxF9", 23, TNameList::Keep},
      {"ComboBoxF10", 23, TNameList::Religions}, {"ComboBoxF14", 26, TNameList::AllNames},
      {"ComboBoxF16", 104, TNameList::AllNames}, {"ComboBoxF17", 5, TNameList::AllNames},
      {"ComboBoxF18", 21, TNameList::AllNames},  {"ComboBoxF18", 23, TNameList::Keep},
  };
  for (const Case& c : cases) EXPECT_EQ(NameComboList(c.combo, c.form), c.list) << c.combo << " " << c.form;
  EXPECT_EQ(NameListCombos().size(), 12u);
}

TEST_F(DataSheetRulesTest, VisibilityByReportKind) {
  constexpr auto S = TShowState::Shown;
  constexpr auto H = TShowState::Hidden;
  constexpr auto K = TShowState::Kept;
  struct Case {
    int kind, schoolType;
    TShowState states[6];
  } cases[] = {
      {1, 2, {H, H, H, H, S, S}}, {7, 2, {H, H, H, H, S, S}}, {2, 2, {S, S, H, H, H, S}},
      {3, 4, {H, H, S, H, H, H}}, {3, 2, {H, S, H, H, H, H}}, {4, 5, {H, H, S, H, H, H}},
      {5, 6, {H, H, S, H, H, H}}, {6, 4, {H, H, H, S, S, H}}, {0, 2, {S, S, K, K, S, S}},
      {-1, 2, {S, S, K, K, S, S}},
  };
  for (const Case& c : cases)
    for (int g = 0; g < 6; ++g)
      EXPECT_EQ(ReportKindVisibility(g, c.kind, c.schoolType), c.states[g]) << "kind " << c.kind << " column " << g;
  EXPECT_TRUE(PraedikatVisible(2, 4));
  EXPECT_TRUE(PraedikatVisible(0, 5));
  EXPECT_FALSE(PraedikatVisible(1, 4));
  EXPECT_FALSE(PraedikatVisible(-1, 1));
}

TEST_F(DataSheetRulesTest, ExamSubjectFieldsOnlyBefore2006) {
  EXPECT_TRUE(ExamSubjectFieldsEnabled(0));
  EXPECT_TRUE(ExamSubjectFieldsEnabled(2005));
  EXPECT_FALSE(ExamSubjectFieldsEnabled(2006));
}

}  // namespace
}  // namespace quorv
