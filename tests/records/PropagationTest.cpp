#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/Propagation.h"
#include "records/QuorvDat.h"
#include "records/SubjectSlots.h"
#include "settings/Facheinst.h"
#include "support/ProgramState.h"

using namespace quorv;

namespace {

class PropagationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::UseDefaultSettings();
    BuildDefaultSubjectCatalog();
  }
  testsupport::SavedProgramState state_;
};

// A pupil per letter: a live pupil named by the letter, 'x' a marked one,
// '?', '-' and '_' the placeholder rows "???", "  - - -" and an empty name.
TDB2 Row(const std::string& letters, int form = 10) {
  TDB2 pupils;
  for (char ch : letters) {
    TPupilRecord r = ZeroPupilRecord();
    InitPupilRecord(r);
    r.Active = ch == 'x' ? 0 : 1;
    const std::string name = ch == '?' ? "???" : ch == '-' ? "  - - -" : ch == '_' ? "" : std::string(1, ch);
    r.Surname.set(name);
    r.FormNumber = form;
    r.ClassName.set("old");
    pupils.push_back(r);
  }
  return pupils;
}

// The pupils whose class name was written, as a string of '1' and '0'.
std::string Written(const TDB2& pupils) {
  std::string s;
  for (const auto& p : pupils) s += p.ClassName == "new" ? '1' : '0';
  return s;
}

TEST_F(PropagationTest, HeaderValuesGoFromTheCurrentPupilToThePlaceholderRow) {
  const struct {
    const char* pupils;
    int from;
    bool stop;
    const char* written;
  } cases[] = {
      {"ABxC?DE", 1, true, "0101000"},   // marked passed over, "???" ends the run
      {"ABxC?DE", 1, false, "0101111"},  // without the stop placeholder rows are written too
      {"AB-C", 0, true, "1100"},
      {"AB_C", 0, true, "1100"},
      {"A?BC", 1, true, "0000"},         // the current pupil itself is a placeholder
      {"A?BC", 1, false, "0111"},
      {"ABC", 2, true, "001"},
  };
  for (const auto& c : cases) {
    TDB2 pupils = Row(c.pupils);
    const THeaderValue value{&TPupilRecord::ClassName, 0, "new"};
    CarryHeaderValues(pupils, static_cast<int>(pupils.size()), c.from, {value}, c.stop);
    EXPECT_EQ(Written(pupils), c.written) << c.pupils << " from " << c.from << (c.stop ? " stop" : "");
  }
}

TEST_F(PropagationTest, HeaderValuesAreCutToTheirFieldsAndNoSelectionKeepsAField) {
  TDB2 pupils = Row("AB");
  pupils[1].ReportKind = 4;
  const std::vector<THeaderValue> values = {
      {&TPupilRecord::SchoolYear, 0, "200789"},
      {&TPupilRecord::ClassTeacher, 0, "Mustermann"},
      {&TPupilRecord::IssuePlace, 0, std::string(40, 'o')},
      {&TPupilRecord::IssueDate, 0, "01.02.2007"},
      {&TPupilRecord::HalfYear, 1, {}},
      {&TPupilRecord::ReportKind, -1, {}},
  };
  EXPECT_EQ(CarryHeaderValues(pupils, 2, 0, values, true), 2);
  EXPECT_EQ(pupils[1].SchoolYear, "2007");
  EXPECT_EQ(pupils[1].ClassTeacher, "Muste");
  EXPECT_EQ(pupils[1].IssuePlace.str(), std::string(30, 'o'));
  EXPECT_EQ(pupils[1].IssueDate, "01.02.2007");
  EXPECT_EQ(pupils[1].HalfYear, 1);
  EXPECT_EQ(pupils[1].ReportKind, 4);
}

// ---------------------------------------------------------------------------
// Subject names

struct Target {
  int form;
  int slot;  // where the name lands; 0: nowhere
};

TEST_F(PropagationTest, SubjectNamesLandInTheSlotOfEachPupilsForm) {
  const struct {
    TCarriedSubject subject;
    int sourceForm;
    int sourceSlot;
    std::vector<Target> targets;
  } cases[] = {
      {TCarriedSubject::FirstLanguage, 5, 2, {{3, 9}, {26, 2}, {23, 0}, {1, 0}}},
      {TCarriedSubject::FirstLanguage, 4, 9, {{22, 2}, {24, 2}}},
      {TCarriedSubject::SecondLanguage, 26, 0, {}},
      {TCarriedSubject::SecondLanguage, 18, 0, {}},
      {TCarriedSubject::SecondLanguage, 29, 3, {{10, 3}, {18, 0}, {26, 0}}},
      {TCarriedSubject::Religion, 23, 10, {{3, 4}, {18, 8}, {26, 6}, {24, 9}, {5, 8}}},
      {TCarriedSubject::FirstExtraSubject, 26, 14, {{20, 16}, {27, 18}, {29, 17}, {23, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.subject)) + " from form " + std::to_string(c.sourceForm));
    TDB2 pupils = Row(std::string("A") + std::string(c.targets.size(), 'B'));
    pupils[0].FormNumber = c.sourceForm;
    if (c.sourceSlot > 0) pupils[0].Subjects[c.sourceSlot - 1].Name.set("Latein");
    for (std::size_t t = 0; t < c.targets.size(); ++t) pupils[t + 1].FormNumber = c.targets[t].form;
    const TDB2 before = pupils;
    bool modified = false;
    const TCarryOutcome outcome = CarrySubjectName(pupils, static_cast<int>(pupils.size()), 0, c.subject, modified);
    ASSERT_EQ(outcome, c.sourceSlot > 0 ? TCarryOutcome::Carried : TCarryOutcome::NotOnForm);
    EXPECT_EQ(modified, c.sourceSlot > 0);
    for (std::size_t t = 0; t < c.targets.size(); ++t)
      for (int s = 1; s <= kSubjectSlots; ++s) {
        const bool expected = s == c.targets[t].slot;
        const auto& name = pupils[t + 1].Subjects[s - 1].Name;
        EXPECT_EQ(name == "Latein", expected) << "form " << c.targets[t].form << " slot " << s;
        if (!expected) {
          EXPECT_EQ(name.str(), before[t + 1].Subjects[s - 1].Name.str());
        }
      }
  }
}

TEST_F(PropagationTest, SubjectNamesStopAtThePlaceholderRowAndPassMarkedPupils) {
  TDB2 pupils = Row("ABxC-D", 5);
  pupils[0].Subjects[1].Name.set("Englisch");
  pupils[1].Subjects[1].Name.set("Russisch");
  bool modified = false;
  CarrySubjectName(pupils, 6, 1, TCarriedSubject::FirstLanguage, modified);
  const char* expected[] = {"Englisch", "Russisch", "???", "Russisch", "???", "???"};
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(pupils[i].Subjects[1].Name.str(), expected[i]) << i;
}

TEST_F(PropagationTest, NoSubjectNameToCarryChangesNothing) {
  for (const char* name : {"???", "  - - -", "", "1. Fach"}) {
    TDB2 pupils = Row("AB", 5);
    pupils[0].Subjects[1].Name.set(name);
    bool modified = false;
    EXPECT_EQ(CarrySubjectName(pupils, 2, 0, TCarriedSubject::FirstLanguage, modified), TCarryOutcome::NothingToCarry)
        << name;
    EXPECT_FALSE(modified);
    EXPECT_EQ(pupils[1].Subjects[1].Name, "???");
  }
}

// ---------------------------------------------------------------------------
// Electives

TEST_F(PropagationTest, ElectivesGoByPositionBetweenTheFormGroups) {
  const struct {
    TElectiveHalf half;
    int sourceForm;
    int targetForm;
    const char* slots19to24;  // the target's names afterwards, one letter each ('?' for "???")
  } cases[] = {
      {TElectiveHalf::Both, 8, 5, "ac?bd?"},     // group B to group A: the first four names read (19..22)
      {TElectiveHalf::Both, 5, 29, "adbe??"},    // group A to group B: two positions stay "???"
      {TElectiveHalf::Both, 13, 18, "abcdef"},
      {TElectiveHalf::First, 5, 8, "ad????"},
      {TElectiveHalf::Second, 9, 25, "?d??e?"},
      {TElectiveHalf::Both, 5, 26, "??????"},    // neither group: passed over
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.sourceForm) + " to " + std::to_string(c.targetForm));
    TDB2 pupils = Row("AB");
    pupils[0].FormNumber = c.sourceForm;
    pupils[1].FormNumber = c.targetForm;
    // The source's slots 19..24 hold "a".."f" (group A reads 19, 22, 20, 23).
    for (int s = 19; s <= 24; ++s) pupils[0].Subjects[s - 1].Name.set(std::string(1, static_cast<char>('a' + s - 19)));
    if (ElectiveGroup(c.sourceForm) == 1) {
      const char* groupA = "adbe";
      const int groupSlots[] = {19, 22, 20, 23};
      for (int n = 0; n < 4; ++n) pupils[0].Subjects[groupSlots[n] - 1].Name.set(std::string(1, groupA[n]));
    }
    bool modified = false;
    EXPECT_EQ(CarryElectiveNames(pupils, 2, 0, c.half, modified), TCarryOutcome::Carried);
    EXPECT_TRUE(modified);
    std::string got;
    for (int s = 19; s <= 24; ++s) {
      const std::string n = pupils[1].Subjects[s - 1].Name.str();
      got += n == "???" ? '?' : n[0];
    }
    EXPECT_EQ(got, c.slots19to24);
  }
}

TEST_F(PropagationTest, ElectivesOfAFormWithoutThemAreRefused) {
  TDB2 pupils = Row("AB", 26);
  bool modified = false;
  EXPECT_EQ(CarryElectiveNames(pupils, 2, 0, TElectiveHalf::First, modified), TCarryOutcome::NotOnForm);
  EXPECT_FALSE(modified);
  pupils[0].FormNumber = 5;  // group A, but "???" in the first slot
  EXPECT_EQ(CarryElectiveNames(pupils, 2, 0, TElectiveHalf::First, modified), TCarryOutcome::NothingToCarry);
  EXPECT_TRUE(modified);
}

// ---------------------------------------------------------------------------
// Sheet commands

TEST_F(PropagationTest, CanonResetTakesTheLayoutFormOrTheSchoolTypesDefault) {
  const struct {
    int form;
    int layout;
    int schoolType;
    int newForm;
    int shownForm;
  } cases[] = {{12, 10, 6, 10, 10}, {24, 24, 4, 24, 21}, {-1, 10, 6, 10, 10}, {12, -1, 6, 10, 10},
               {12, -1, 4, 21, 21}, {12, 0, 1, 3, 3},    {-1, -1, 2, 15, 15}, {12, -1, 9, 15, 15}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.form) + "/" + std::to_string(c.layout) + " type " + std::to_string(c.schoolType));
    TPupilRecord r = ZeroPupilRecord();
    InitPupilRecord(r);
    r.FormNumber = c.form;
    r.LayoutFormNumber = c.layout;
    for (int s = 1; s <= 25; ++s) {
      r.Subjects[s - 1].Name.set("Alt");
      r.Subjects[s - 1].Grade.set("2");
    }
    ResetSubjectCanon(r, c.schoolType);
    EXPECT_EQ(r.FormNumber, c.newForm);
    EXPECT_EQ(r.ShownFormNumber, c.shownForm);
    for (int s = 1; s <= 18; ++s) {
      const int entry = SubjectForSlot(c.shownForm, s);
      const std::string expected = entry < 0 ? "???" : SubjectCatalog[static_cast<std::size_t>(entry)].Name.str().substr(0, 30);
      EXPECT_EQ(r.Subjects[s - 1].Name.str(), expected) << s;
      EXPECT_EQ(r.Subjects[s - 1].Grade, "-") << s;
    }
    EXPECT_EQ(r.Subjects[18].Name, "Alt");  // the electives stay
    EXPECT_EQ(r.Subjects[18].Grade, "2");
  }
}

TEST_F(PropagationTest, ClearGradesTouchesOnlyItsSlots) {
  TPupilRecord r = ZeroPupilRecord();
  for (int s = 1; s <= 25; ++s) {
    r.Subjects[s - 1].Name.set("Fach");
    r.Subjects[s - 1].Grade.set("3");
    r.Subjects[s - 1].Addition.set("*");
    r.Subjects[s - 1].CourseLevel.set("E");
  }
  ClearGrades(r, 19, 25);
  for (int s = 1; s <= 25; ++s) {
    const bool cleared = s >= 19;
    EXPECT_EQ(r.Subjects[s - 1].Grade, cleared ? "-" : "3") << s;
    EXPECT_EQ(r.Subjects[s - 1].Addition, cleared ? "" : "*") << s;
    EXPECT_EQ(r.Subjects[s - 1].CourseLevel, cleared ? "" : "E") << s;
    EXPECT_EQ(r.Subjects[s - 1].Name, "Fach") << s;
  }
}

TEST_F(PropagationTest, FourthExamGradeComesFromTheLastSlotUpTo16WithTheSubject) {
  const struct {
    std::vector<int> holding;  // slots that hold "Englisch"
    int found;
  } cases[] = {{{3}, 3}, {{3, 12}, 12}, {{17}, 0}, {{16, 17}, 16}, {{}, 0}};
  for (const auto& c : cases) {
    TPupilRecord r = ZeroPupilRecord();
    InitPupilRecord(r);
    for (int s : c.holding) r.Subjects[s - 1].Name.set("Englisch");
    EXPECT_EQ(FourthExamGradeSlot(r, "Eng"), c.found);
    EXPECT_EQ(FourthExamGradeSlot(r, "Xyz"), 0);
  }
}

}  // namespace
