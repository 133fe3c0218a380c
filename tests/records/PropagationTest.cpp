#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/Propagation.h"
#include "records/QuorvDat.h"
#include "records/SubjectSlots.h"
#include "settings/Facheinst.h"
#include "support/ClassInMemory.h"
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
    const std::string name = ch == '?' ? "???" : ch == '-' ? "  - - -" : ch == '_' ? "" : std::string(1, ch);
    pupils.push_back(testsupport::NewPupil(name, "", ch == 'x' ? 0 : 1));
    pupils.back().FormNumber = form;
  }
  return pupils;
}

TEST_F(PropagationTest, HeaderValuesGoFromTheCurrentPupilToThePlaceholderRow) {
  const struct {
    const char* pupils;
    int from;
    bool stop;
    const char* written;
  } cases[] = {
      {"ABxC?DE", 1, true, "0101000"},  {"ABxC?DE", 1, false, "0101111"},  // without the stop, on to the end
      {"AB-C", 0, true, "1100"},        {"AB_C", 0, true, "1100"},
      {"A?BC", 1, true, "0000"},        {"A?BC", 1, false, "0111"},  // the current pupil is a placeholder
  };
  for (const auto& c : cases) {
    TDB2 pupils = Row(c.pupils);
    pupils[0].ReportKind = 4;
    const std::vector<THeaderValue> values = {{&TPupilRecord::ClassTeacher, 0, "Mustermann"},  // cut to 5
                                              {&TPupilRecord::HalfYear, 1, {}},
                                              {&TPupilRecord::ReportKind, -1, {}}};  // nothing selected: kept
    CarryHeaderValues(pupils, static_cast<int>(pupils.size()), c.from, values, c.stop);
    std::string written;
    for (const auto& p : pupils) written += p.ClassTeacher == "Muste" && p.HalfYear == 1 ? '1' : '0';
    EXPECT_EQ(written, c.written) << c.pupils << " from " << c.from << (c.stop ? " stop" : "");
    EXPECT_EQ(pupils[0].ReportKind, 4);
  }
}

TEST_F(PropagationTest, SubjectNamesLandInTheSlotOfEachPupilsForm) {
  struct Target {
    int form;
    int slot;  // where the name lands; 0: nowhere
  };
  const struct {
    TCarriedSubject subject;
    int sourceForm;
    int sourceSlot;  // 0: the form does not hold the subject
    std::vector<Target> targets;
  } cases[] = {
      {TCarriedSubject::FirstLanguage, 5, 2, {{3, 9}, {26, 2}, {23, 0}, {1, 0}}},
      {TCarriedSubject::FirstLanguage, 4, 9, {{22, 2}, {24, 2}}},
      {TCarriedSubject::SecondLanguage, 26, 0, {}},
      {TCarriedSubject::SecondLanguage, 29, 3, {{10, 3}, {18, 0}, {26, 0}}},
      {TCarriedSubject::Religion, 23, 10, {{3, 4}, {18, 8}, {26, 6}, {24, 9}}},
      {TCarriedSubject::FirstExtraSubject, 26, 14, {{20, 16}, {27, 18}, {29, 17}, {23, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.subject)) + " from form " + std::to_string(c.sourceForm));
    TDB2 pupils = Row(std::string("A") + std::string(c.targets.size(), 'B'));
    pupils[0].FormNumber = c.sourceForm;
    if (c.sourceSlot > 0) pupils[0].Subjects[c.sourceSlot - 1].Name.set("Latein");
    for (std::size_t t = 0; t < c.targets.size(); ++t) pupils[t + 1].FormNumber = c.targets[t].form;
    bool modified = false;
    EXPECT_EQ(CarrySubjectName(pupils, static_cast<int>(pupils.size()), 0, c.subject, modified),
              c.sourceSlot > 0 ? TCarryOutcome::Carried : TCarryOutcome::NotOnForm);
    EXPECT_EQ(modified, c.sourceSlot > 0);
    for (std::size_t t = 0; t < c.targets.size(); ++t)
      for (int s = 1; s <= kSubjectSlots; ++s)
        EXPECT_EQ(pupils[t + 1].Subjects[s - 1].Name == "Latein", s == c.targets[t].slot)
            << "form " << c.targets[t].form << " slot " << s;
  }
}

TEST_F(PropagationTest, SubjectNamesStopAtAPlaceholderAndNeedAName) {
  TDB2 pupils = Row("ABxC-D", 5);
  pupils[1].Subjects[1].Name.set("Russisch");
  bool modified = false;
  CarrySubjectName(pupils, 6, 1, TCarriedSubject::FirstLanguage, modified);
  std::string carried;
  for (const auto& p : pupils) carried += p.Subjects[1].Name == "Russisch" ? '1' : '0';
  EXPECT_EQ(carried, "010100");
  for (const char* name : {"???", "  - - -", "1. Fach"}) {  // not above "???"
    pupils[1].Subjects[1].Name.set(name);
    modified = false;
    EXPECT_EQ(CarrySubjectName(pupils, 6, 1, TCarriedSubject::FirstLanguage, modified), TCarryOutcome::NothingToCarry);
    EXPECT_FALSE(modified);
  }
}

TEST_F(PropagationTest, ElectivesGoByPositionBetweenTheFormGroups) {
  const struct {
    TElectiveHalf half;
    int sourceForm;
    int targetForm;
    const char* target19to24;  // one letter per slot, '?' for "???"
  } cases[] = {
      {TElectiveHalf::Both, 8, 5, "ac?bd?"},   // group B to A: the first four names read, into 19, 22, 20, 23
      {TElectiveHalf::Both, 5, 29, "adbe??"},  // group A to B: two positions stay "???"
      {TElectiveHalf::Both, 13, 18, "abcdef"},  {TElectiveHalf::First, 5, 8, "ad????"},
      {TElectiveHalf::Second, 9, 25, "?d??e?"}, {TElectiveHalf::Both, 5, 26, "??????"},  // neither group
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.sourceForm) + " to " + std::to_string(c.targetForm));
    TDB2 pupils = Row("AB");
    pupils[0].FormNumber = c.sourceForm;
    pupils[1].FormNumber = c.targetForm;
    for (int s = 19; s <= 24; ++s) pupils[0].Subjects[s - 1].Name.set(std::string(1, static_cast<char>('a' + s - 19)));
    bool modified = false;
    EXPECT_EQ(CarryElectiveNames(pupils, 2, 0, c.half, modified), TCarryOutcome::Carried);
    EXPECT_TRUE(modified);
    std::string got;
    for (int s = 19; s <= 24; ++s) {
      const std::string name = pupils[1].Subjects[s - 1].Name.str();
      got += name == "???" ? '?' : name[0];
    }
    EXPECT_EQ(got, c.target19to24);
  }
  TDB2 pupils = Row("AB", 26);
  bool modified = false;
  EXPECT_EQ(CarryElectiveNames(pupils, 2, 0, TElectiveHalf::First, modified), TCarryOutcome::NotOnForm);
  EXPECT_FALSE(modified);
  pupils[0].FormNumber = 5;  // "???" in the first slot read
  EXPECT_EQ(CarryElectiveNames(pupils, 2, 0, TElectiveHalf::First, modified), TCarryOutcome::NothingToCarry);
  EXPECT_FALSE(modified);
}

TEST_F(PropagationTest, CanonResetTakesTheLayoutFormOrTheSchoolTypesDefault) {
  const struct {
    int form, layout, schoolType, newForm, shownForm;
  } cases[] = {{12, 10, 6, 10, 10}, {24, 24, 4, 24, 21}, {-1, 10, 6, 10, 10}, {12, -1, 4, 21, 21}, {12, 0, 9, 15, 15}};
  for (const auto& c : cases) {
    TPupilRecord r = Row("A")[0];
    r.FormNumber = c.form;
    r.LayoutFormNumber = c.layout;
    for (auto& e : r.Subjects) e.Grade.set("2");
    ResetSubjectCanon(r, c.schoolType);
    EXPECT_EQ(r.FormNumber, c.newForm) << c.form << "/" << c.layout;
    EXPECT_EQ(r.ShownFormNumber, c.shownForm) << c.form << "/" << c.layout;
    const int entry = SubjectForSlot(c.shownForm, 1);
    EXPECT_EQ(r.Subjects[0].Name.str(), SubjectCatalog[static_cast<std::size_t>(entry)].Name.str().substr(0, 30));
    EXPECT_EQ(r.Subjects[17].Grade.str() + r.Subjects[18].Grade.str(), "-2");  // the electives keep theirs
  }
}

TEST_F(PropagationTest, FourthExamGradeComesFromTheLastSlotUpTo16WithTheSubject) {
  const struct {
    std::vector<int> holding;  // slots that hold "Englisch"
    int found;
  } cases[] = {{{3, 12}, 12}, {{17}, 0}, {{16, 17}, 16}};
  for (const auto& c : cases) {
    TPupilRecord r = Row("A")[0];
    for (int s : c.holding) r.Subjects[s - 1].Name.set("Englisch");
    EXPECT_EQ(FourthExamGradeSlot(r, "Eng"), c.found);
  }
}

}  // namespace
