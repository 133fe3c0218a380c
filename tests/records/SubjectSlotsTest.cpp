#include "records/SubjectSlots.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/Cp1252.h"
#include "records/QuorvDat.h"
#include "settings/Facheinst.h"
#include "support/ScriptedMessages.h"

namespace quorv {
namespace {

std::string Cp(const char* utf8) { return platform::EncodeCp1252(QString::fromUtf8(utf8)); }

TSubjectEntry Entry(const std::string& name, const char* grade = "2", const char* addition = "",
                    const char* level = "-") {
  TSubjectEntry e{};
  e.Name.set(name);
  e.Grade.set(grade);
  e.Addition.set(addition);
  e.CourseLevel.set(level);
  e.Reserved38.set("");
  return e;
}

class SubjectSlotsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedCatalog_ = SubjectCatalog;
    BuildDefaultSubjectCatalog();
    for (auto& e : subjects) BlankSubjectEntry(e);
  }
  void TearDown() override { SubjectCatalog = savedCatalog_; }

  TSubjectEntry& Slot(int s) { return subjects[s - 1]; }
  std::string Name(int s) { return Slot(s).Name.str(); }
  // Tags each slot's addition with its number.
  void TagSlots() {
    for (int s = 1; s <= kSubjectSlots; ++s) Slot(s) = Entry("S" + std::to_string(s), "2", std::to_string(s % 100).c_str());
  }

  TSubjects subjects;
  TSubjectCatalog savedCatalog_;
};

// ---- the small operations ----

TEST_F(SubjectSlotsTest, BlankEntryHasThePlaceholders) {
  TSubjectEntry e = Entry("Mathematik", "2", "+", "B");
  e.Reserved38.set("x");
  BlankSubjectEntry(e);
  EXPECT_EQ(e.Name.str(), "???");
  EXPECT_EQ(e.Grade.str(), "-");
  EXPECT_EQ(e.Addition.str(), "");
  EXPECT_EQ(e.CourseLevel.str(), "-");
  EXPECT_EQ(e.Reserved38.str(), "");
  EXPECT_TRUE(IsBlankSubjectEntry(e));
}

TEST_F(SubjectSlotsTest, BlankEntriesCoverEighteenSlotsOnly) {
  TagSlots();
  BlankSubjectEntries(subjects, 1);
  for (int s = 1; s <= 18; ++s) EXPECT_EQ(Name(s), "???") << s;
  for (int s = 19; s <= 25; ++s) EXPECT_EQ(Name(s), "S" + std::to_string(s)) << s;
  // Started late, it stops at slot 25.
  TagSlots();
  BlankSubjectEntries(subjects, 20);
  EXPECT_EQ(Name(19), "S19");
  EXPECT_EQ(Name(25), "???");
}

TEST_F(SubjectSlotsTest, BlankTestLooksAtSubjectAndGradeData) {
  struct Case {
    const char* name;
    const char* grade;
    const char* addition;
    const char* level;
    bool blank;
  } cases[] = {
      {"???", "-", "", "-", true},       {"", "", "", "", true},          {"???", "2", "", "-", false},
      {"Latein", "-", "", "-", false},   {"???", "-", "+", "-", false},   {"???", "-", "", "B", false},
      {"  - - -", "-", "", "-", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsBlankSubjectEntry(Entry(c.name, c.grade, c.addition, c.level)), c.blank)
        << c.name << "/" << c.grade << "/" << c.addition << "/" << c.level;
}

TEST_F(SubjectSlotsTest, MoveUpwardsBlanksTheSourcesBelowTheTarget) {
  TagSlots();
  ASSERT_TRUE(MoveSubjectEntries(subjects, 3, 4, 6));
  EXPECT_EQ(Name(3), "???");
  for (int s = 4; s <= 9; ++s) EXPECT_EQ(Name(s), "S" + std::to_string(s - 1)) << s;
  EXPECT_EQ(Name(10), "S10");
  // A longer jump blanks every source below the target.
  TagSlots();
  MoveSubjectEntries(subjects, 10, 13, 2);
  EXPECT_EQ(Name(10), "???");
  EXPECT_EQ(Name(11), "???");
  EXPECT_EQ(Name(12), "S12");
  EXPECT_EQ(Name(13), "S10");
  EXPECT_EQ(Name(14), "S11");
}

TEST_F(SubjectSlotsTest, MoveDownwardsKeepsTheSourcesNotOverwritten) {
  TagSlots();
  MoveSubjectEntries(subjects, 4, 3, 6);
  for (int s = 3; s <= 8; ++s) EXPECT_EQ(Name(s), "S" + std::to_string(s + 1)) << s;
  EXPECT_EQ(Name(9), "S9");  // the old slot 9 stays as a copy
  // The whole 44 bytes move.
  EXPECT_EQ(Slot(3).Addition.str(), "4");
}

TEST_F(SubjectSlotsTest, MoveOutsideTheSlotsDoesNothing) {
  TagSlots();
  EXPECT_FALSE(MoveSubjectEntries(subjects, 24, 25, 3));
  EXPECT_FALSE(MoveSubjectEntries(subjects, 0, 3, 1));
  EXPECT_TRUE(MoveSubjectEntries(subjects, 5, 5, 4));
  for (int s = 1; s <= 25; ++s) EXPECT_EQ(Name(s), "S" + std::to_string(s));
}

TEST_F(SubjectSlotsTest, CatalogueSubjectReplacesTheEntry) {
  Slot(14) = Entry("Musik", "1", "+", "B");
  Slot(14).Reserved38.set("hint");
  SetSubjectFromCatalog(Slot(14), 14, 21);
  EXPECT_EQ(Name(14), "Informatik");
  EXPECT_EQ(Slot(14).Grade.str(), "-");
  EXPECT_EQ(Slot(14).Addition.str(), "");
  EXPECT_EQ(Slot(14).CourseLevel.str(), "-");
  EXPECT_EQ(Slot(14).Reserved38.str(), "");
  // Entry 3's name is cut to the slot's 30 characters.
  SetSubjectFromCatalog(Slot(8), 8, 15);
  EXPECT_EQ(Name(8), "Arbeit-Wirtschaft-Technik u. I");
}

TEST_F(SubjectSlotsTest, UnclaimedSlotKeepsTheEntryOrIsNamedUnfilled) {
  Slot(9) = Entry("Latein", "3", "-");
  SetSubjectFromCatalog(Slot(9), 9, 21);
  EXPECT_EQ(Name(9), "Latein");
  EXPECT_EQ(Slot(9).Grade.str(), "3");
  SetSubjectNameFromCatalog(Slot(9), 9, 21);
  EXPECT_EQ(Name(9), "???");
  EXPECT_EQ(Slot(9).Grade.str(), "3");
}

TEST_F(SubjectSlotsTest, CatalogueNameKeepsGradeAdditionAndLevel) {
  Slot(8) = Entry(Cp("Arbeit-Wirtschaft-Technik u. I"), "2", "+", "G");
  Slot(8).Reserved38.set("x");
  SetSubjectNameFromCatalog(Slot(8), 8, 21);
  EXPECT_EQ(Name(8), "Arbeit-Wirtschaft-Technik");
  EXPECT_EQ(Slot(8).Grade.str(), "2");
  EXPECT_EQ(Slot(8).Addition.str(), "+");
  EXPECT_EQ(Slot(8).CourseLevel.str(), "G");
  EXPECT_EQ(Slot(8).Reserved38.str(), "");
}

TEST_F(SubjectSlotsTest, FormListsReadAsWritten) {
  EXPECT_TRUE(FormListContains("0, 10-12, 15-17, 19, 28, 29", 0));
  EXPECT_TRUE(FormListContains("0, 10-12, 15-17, 19, 28, 29", 11));
  EXPECT_TRUE(FormListContains("0, 10-12, 15-17, 19, 28, 29", 29));
  EXPECT_FALSE(FormListContains("0, 10-12, 15-17, 19, 28, 29", 18));
  EXPECT_FALSE(FormListContains("0, 10-12, 15-17, 19, 28, 29", 13));
  EXPECT_FALSE(FormListContains("", 0));
  EXPECT_TRUE(FormListContains("104", 104));
}

// ---- the table, by the examples ----

TEST_F(SubjectSlotsTest, HauptschuleToRegionaleSchuleShiftsTheGradesWithTheirSubjects) {
  for (int s = 3; s <= 8; ++s) Slot(s) = Entry("H" + std::to_string(s), std::to_string(s - 2).c_str());
  EXPECT_TRUE(ApplySubjectRelayout(subjects, 5, 19, 2));
  EXPECT_EQ(Name(3), "???");
  for (int s = 4; s <= 9; ++s) {
    EXPECT_EQ(Name(s), "H" + std::to_string(s - 1));
    EXPECT_EQ(Slot(s).Grade.str(), std::to_string(s - 3));
  }
}

TEST_F(SubjectSlotsTest, RegionaleSchuleToHauptschuleBlanksSlotNine) {
  for (int s = 4; s <= 9; ++s) Slot(s) = Entry("R" + std::to_string(s));
  EXPECT_TRUE(ApplySubjectRelayout(subjects, 19, 5, 5));
  for (int s = 3; s <= 8; ++s) EXPECT_EQ(Name(s), "R" + std::to_string(s + 1));
  EXPECT_EQ(Name(9), "???");
}

TEST_F(SubjectSlotsTest, PairsOutsideTheTableMoveNothingAndWarn) {
  struct Pair {
    int newForm, oldForm;
  } pairs[] = {{8, 12}, {5, 1}, {5, 4}, {6, 10}, {9, 17}, {26, 5}, {26, 27}, {0, 15}, {30, 15},
               {105, 5}, {127, 27}, {41, 7}, {15, 21}, {18, 13}};
  for (const Pair& p : pairs) {
    TagSlots();
    EXPECT_EQ(FindRelayoutRow(p.newForm, p.oldForm, 2), nullptr) << p.newForm << " from " << p.oldForm;
    EXPECT_FALSE(ApplySubjectRelayout(subjects, p.oldForm, p.newForm, 2));
    for (int s = 1; s <= 25; ++s) ASSERT_EQ(Name(s), "S" + std::to_string(s));
  }
  TPupilRecord r{};
  for (auto& e : r.Subjects) BlankSubjectEntry(e);
  testsupport::ScriptedMessages msgs;
  msgs.expect(kRelayoutWarning, platform::MsgKind::Warning);
  EXPECT_FALSE(RelayoutSubjects(r, 12, 8, 6));
  EXPECT_TRUE(msgs.allAnswered());
}

TEST_F(SubjectSlotsTest, EveryPairFromForm104MovesAndWarns) {
  for (int newForm : {5, 10, 13, 15, 18, 20, 21, 23, 26, 27, 28}) {
    const TRelayoutRow* row = FindRelayoutRow(newForm, 104, 2);
    ASSERT_NE(row, nullptr) << newForm;
    EXPECT_FALSE(row->Adapted) << newForm;
    EXPECT_GT(row->StepCount, 0) << newForm;
  }
  TPupilRecord r{};
  for (auto& e : r.Subjects) BlankSubjectEntry(e);
  r.Subjects[10] = Entry("Biologie", "1");
  testsupport::ScriptedMessages msgs;
  msgs.expect(kRelayoutWarning, platform::MsgKind::Warning);
  EXPECT_FALSE(RelayoutSubjects(r, 104, 15, 2));
  EXPECT_EQ(r.Subjects[11].Name.str(), "Biologie");  // moved 11 > 12
  EXPECT_EQ(r.Subjects[11].Grade.str(), "1");
}

TEST_F(SubjectSlotsTest, Form27ToForm104CopiesTheKeptEntry) {
  // Layout of form 27: NaWi 10, Ph 11, Ch 12, Bio 13, Ast 14, Mu 15, KuGe 16, Sp 17.
  const char* names[] = {"Naturwissenschaften", "Physik", "Chemie", "Biologie", "Astronomie", "Musik",
                         "Kunst und Gestaltung", "Sport"};
  for (int i = 0; i < 8; ++i) Slot(10 + i) = Entry(names[i], std::to_string(1 + i % 6).c_str());
  EXPECT_TRUE(ApplySubjectRelayout(subjects, 27, 104, 3));
  EXPECT_EQ(Name(10), "Physik");
  EXPECT_EQ(Name(11), "Biologie");  // the copy that "move 13>12" left in slot 13
  EXPECT_EQ(Name(12), "Naturwissenschaften");
  EXPECT_EQ(Name(13), "Musik");
  EXPECT_EQ(Name(14), "Kunst und Gestaltung");
  EXPECT_EQ(Name(15), "Sport");
  EXPECT_EQ(Name(7), "Weltkunde");
}

TEST_F(SubjectSlotsTest, Form104FromFormZeroDependsOnTheSchoolType) {
  for (int type : {2, 3, 4, 5, 6}) {
    const TRelayoutRow* row = FindRelayoutRow(104, 0, type);
    ASSERT_NE(row, nullptr) << type;
    EXPECT_EQ(row->SchoolType, type);
    EXPECT_TRUE(row->Adapted);
  }
  for (int type : {0, 1, 7, 8, 9}) {
    const TRelayoutRow* row = FindRelayoutRow(104, 0, type);
    ASSERT_NE(row, nullptr) << type;
    EXPECT_FALSE(row->Adapted) << type;
    TagSlots();
    ApplyRelayoutSteps(*row, subjects, 104);
    EXPECT_EQ(Name(1), "Deutsch");
    EXPECT_EQ(Name(7), "Weltkunde");
    EXPECT_EQ(Name(9), "???");
    EXPECT_EQ(Name(16), "???");
    EXPECT_EQ(Name(19), "S19");  // the catalogue places nothing beyond slot 17
  }
}

TEST_F(SubjectSlotsTest, EveryStepStaysWithinTheSlots) {
  for (const TRelayoutRow& row : RelayoutTable()) {
    for (int i = 0; i < row.StepCount; ++i) {
      const TSlotStep& step = row.Steps[static_cast<std::size_t>(i)];
      if (step.Op == TSlotOp::Move) {
        EXPECT_GE(step.A, 1);
        EXPECT_GE(step.B, 1);
        EXPECT_LE(step.A + step.Count - 1, 18) << row.NewForms << " from " << row.OldForms;
        EXPECT_LE(step.B + step.Count - 1, 18) << row.NewForms << " from " << row.OldForms;
      } else if (step.Op != TSlotOp::BlankAll && step.Op != TSlotOp::CatAll) {
        EXPECT_GE(step.A, 1);
        EXPECT_LE(step.A, 18);
      }
    }
  }
}

// ---- every row against the catalogue ----

// The subjects a pupil holds besides the catalogue's, by the slot each report
// form gives them (first and second foreign language, religion, the
// additional subject).
struct RoleSlots {
  const char* forms;
  int firstLanguage, secondLanguage, religion, additional;
};
constexpr RoleSlots kRoles[] = {
    {"3, 4", 9, 0, 4, 0},
    {"5-9, 18", 2, 0, 8, 17},
    {"10-12, 15-17, 19, 28, 29", 2, 3, 9, 17},
    {"13, 14, 20", 2, 3, 9, 16},
    {"21, 22, 24, 25, 27", 2, 3, 9, 18},
    {"23", 2, 3, 10, 0},
    {"26", 0, 0, 6, 14},
    {"104", 2, 3, 9, 16},
};
const char* const kRoleNames[] = {"Englisch", "Latein", "evangelische Religion", "Darstellendes Spiel"};

// Slot -> subject of a pupil laid out for the form, as the data sheet shows
// it: the catalogue's subjects (forms 24 and 25 in the layout of form 21) and
// the others. Forms 1 and 2 show no grade rows.
std::map<int, std::string> Layout(int form) {
  std::map<int, std::string> layout;
  if (form == 1 || form == 2) return layout;
  for (int s = 1; s <= kRegularSlots; ++s) {
    const int e = SubjectForSlot(SlotLayoutForm(form), s);
    if (e >= 0) layout[s] = SubjectCatalog[static_cast<std::size_t>(e)].Name.str().substr(0, 30);
  }
  for (const RoleSlots& roles : kRoles) {
    if (!FormListContains(roles.forms, form)) continue;
    const int roleSlot[] = {roles.firstLanguage, roles.secondLanguage, roles.religion, roles.additional};
    for (int i = 0; i < 4; ++i)
      if (roleSlot[i] > 0) layout[roleSlot[i]] = kRoleNames[i];
  }
  return layout;
}

// The two names of the work-and-technology subject count as one subject.
std::string Same(const std::string& name) {
  if (name == "Arbeit-Wirtschaft-Technik" || name == "Arbeit-Wirtschaft-Technik u. I") return "AWT";
  return name;
}

TEST_F(SubjectSlotsTest, NoRowLosesAGradedSubjectSilently) {
  int pairsChecked = 0;
  for (const TRelayoutRow& row : RelayoutTable()) {
    if (!row.Adapted) continue;  // those rows warn
    for (int newForm = 1; newForm <= 104; ++newForm) {
      if (!FormListContains(row.NewForms, newForm)) continue;
      for (int oldForm = 1; oldForm <= 104; ++oldForm) {
        if (oldForm == newForm || !FormListContains(row.OldForms, oldForm)) continue;
        const std::map<int, std::string> before = Layout(oldForm);
        const std::map<int, std::string> after = Layout(newForm);
        std::map<std::string, int> placeOnNew;
        for (const auto& [slot, name] : after) placeOnNew[Same(name)] = slot;

        // Every shown subject graded, its addition naming its old slot.
        for (auto& e : subjects) BlankSubjectEntry(e);
        for (const auto& [slot, name] : before) Slot(slot) = Entry(name, "2", std::to_string(slot).c_str());
        ApplyRelayoutSteps(row, subjects, newForm);
        ++pairsChecked;
        const std::string pair = std::to_string(newForm) + " from " + std::to_string(oldForm);

        for (const auto& [slot, name] : before) {
          const auto target = placeOnNew.find(Same(name));
          if (target == placeOnNew.end()) continue;  // not on the new form
          const TSubjectEntry& e = Slot(target->second);
          EXPECT_EQ(Same(e.Name.str()), Same(name)) << pair << ": " << name << " to slot " << target->second;
          EXPECT_EQ(e.Grade.str(), "2") << pair << ": " << name;
          EXPECT_EQ(e.Addition.str(), std::to_string(slot)) << pair << ": " << name;
        }
        // No grade sits under another subject's slot of the new form.
        for (const auto& [slot, name] : after) {
          const TSubjectEntry& e = Slot(slot);
          if (e.Grade.str() == "2") {
            EXPECT_EQ(Same(e.Name.str()), Same(name)) << pair << ": slot " << slot;
          }
        }
      }
    }
  }
  EXPECT_GT(pairsChecked, 300);
}

// One sample per row whose steps carry a subject across the layouts.
TEST_F(SubjectSlotsTest, MendedRowsKeepTheirSubjects) {
  struct Expect {
    int newForm, oldForm, schoolType;
    int slot;
    const char* name;
    const char* grade = "3";  // "-": a new subject from the catalogue
  } cases[] = {
      {18, 15, 2, 3, "Mathematik"},          {18, 15, 2, 8, "evangelische Religion"},
      {18, 20, 2, 17, "Darstellendes Spiel"}, {18, 27, 2, 3, "Mathematik"},
      {13, 5, 6, 2, "Englisch"},             {13, 5, 6, 16, "Darstellendes Spiel"},
      {13, 10, 6, 16, "Darstellendes Spiel"}, {13, 10, 6, 15, "Sport"},
      {20, 15, 2, 16, "Darstellendes Spiel"}, {20, 5, 2, 16, "Darstellendes Spiel"},
      {27, 28, 3, 11, "Physik"},             {27, 28, 3, 18, "Darstellendes Spiel"},
      {28, 27, 3, 10, "Physik"},             {28, 27, 3, 17, "Darstellendes Spiel"},
      {27, 21, 3, 14, "Astronomie"},         {27, 21, 3, 10, "Naturwissenschaften", "-"},
      {27, 5, 3, 18, "Darstellendes Spiel"}, {27, 13, 3, 18, "Darstellendes Spiel"},
      {28, 21, 3, 14, "Musik"},              {28, 21, 3, 17, "Darstellendes Spiel"},
      {21, 28, 4, 18, "Darstellendes Spiel"}, {21, 28, 4, 14, "Informatik", "-"},
      {104, 28, 2, 13, "Musik"},             {104, 28, 2, 16, "Darstellendes Spiel"},
      {104, 15, 2, 16, "Darstellendes Spiel"}, {104, 23, 4, 10, "Physik"},
      {104, 23, 4, 9, "evangelische Religion"}, {4, 3, 1, 2, "Sachunterricht"},
      {10, 13, 6, 17, "Darstellendes Spiel"}, {15, 20, 2, 17, "Darstellendes Spiel"},
      {5, 20, 5, 17, "Darstellendes Spiel"},  {23, 21, 4, 7, "Geografie"},
      {21, 23, 4, 6, "Geografie"},
  };
  for (const Expect& c : cases) {
    for (auto& e : subjects) BlankSubjectEntry(e);
    for (const auto& [slot, name] : Layout(c.oldForm)) Slot(slot) = Entry(name, "3");
    EXPECT_TRUE(ApplySubjectRelayout(subjects, c.oldForm, c.newForm, c.schoolType))
        << c.newForm << " from " << c.oldForm;
    EXPECT_EQ(Name(c.slot), c.name) << c.newForm << " from " << c.oldForm;
    EXPECT_EQ(Slot(c.slot).Grade.str(), c.grade) << c.newForm << " from " << c.oldForm << " slot " << c.slot;
  }
}

TEST_F(SubjectSlotsTest, ExamReportsTakeTheSubjectNamesOfForm21) {
  // From the Realschule layout: AWTuI becomes AWT with its grade, Informatik
  // fills slot 14 as on form 21.
  for (int form : {24, 25}) {
    for (auto& e : subjects) BlankSubjectEntry(e);
    for (const auto& [slot, name] : Layout(15)) Slot(slot) = Entry(name, "4");
    EXPECT_TRUE(ApplySubjectRelayout(subjects, 15, form, 4));
    EXPECT_EQ(Name(8), "Arbeit-Wirtschaft-Technik") << form;
    EXPECT_EQ(Slot(8).Grade.str(), "4");
    EXPECT_EQ(Name(14), "Informatik") << form;
    EXPECT_EQ(Name(6), "Geografie") << form;
  }
}

// ---- every row of the re-layout table, slot by slot ----

// "0, 5-9, 18" as its numbers.
std::vector<int> Numbers(const char* list) {
  std::vector<int> numbers;
  for (const QString& item : QString::fromLatin1(list).split(',')) {
    const QStringList ends = item.trimmed().split('-');
    for (int n = ends.first().toInt(); n <= ends.last().toInt(); ++n) numbers.push_back(n);
  }
  return numbers;
}

// The steps of a row as the table writes them, carried out one by one on
// the slots: "move a>b xn", "cat s", "name s", "blank s", "blank s-t",
// "cat all".
void RunSteps(const char* steps, TSubjects& subjects, int newForm) {
  auto slot = [&subjects](int s) -> TSubjectEntry& { return subjects[s - 1]; };
  for (const QString& text : QString::fromLatin1(steps).split(", ", Qt::SkipEmptyParts)) {
    const std::string step = text.toStdString();
    int a = 0, b = 0, n = 0;
    if (std::sscanf(step.c_str(), "blank %d-%d", &a, &b) == 2) {
      for (int s = a; s <= b; ++s) BlankSubjectEntry(slot(s));
    } else if (step == "cat all") {
      for (int s = 1; s <= kSubjectSlots; ++s) SetSubjectFromCatalog(slot(s), s, SlotLayoutForm(newForm));
    } else if (std::sscanf(step.c_str(), "move %d>%d x%d", &a, &b, &n) == 3) {
      TSubjectEntry copy[kSubjectSlots];
      std::copy(std::begin(subjects), std::end(subjects), copy);
      for (int i = 0; i < n; ++i) slot(b + i) = copy[a + i - 1];
      // Towards higher slots the sources below the target are emptied.
      for (int s = a; a < b && s < a + n && s < b; ++s) BlankSubjectEntry(slot(s));
    } else if (std::sscanf(step.c_str(), "cat %d", &a) == 1) {
      SetSubjectFromCatalog(slot(a), a, SlotLayoutForm(newForm));
    } else if (std::sscanf(step.c_str(), "name %d", &a) == 1) {
      SetSubjectNameFromCatalog(slot(a), a, SlotLayoutForm(newForm));
    } else if (std::sscanf(step.c_str(), "blank %d", &a) == 1) {
      BlankSubjectEntry(slot(a));
    } else {
      ADD_FAILURE() << "unknown step " << step;
    }
  }
}

std::string Describe(const TSubjectEntry& e) {
  return e.Name.str() + "|" + e.Grade.str() + "|" + e.Addition.str() + "|" + e.CourseLevel.str() + "|" +
         e.Reserved38.str();
}

TEST_F(SubjectSlotsTest, EveryRowMovesEveryTaggedSlotAsItSays) {
  const struct {
    const char* New;
    const char* Old;
    const char* Steps;
    bool Adapted;                   // false: the warning follows
    const char* SchoolTypes = "2";  // the rows that do not ask for one
  } rows[] = {
      {"1-2", "0-2", "", true}, {"1-2", "3-4", "blank 1-18", true},
      {"3-4", "0", "cat 2", true}, {"3-4", "3-4", "", true},
      {"3-4", "1-2", "blank 1-18", true},
      {"5-9", "0, 5-9, 18", "", true}, {"5-9", "19", "move 4>3 x6, blank 9", true},
      {"5-9", "20", "move 4>3 x6, blank 9, move 13>14 x4, cat 13", true},
      {"5-9", "27", "move 4>3 x6, blank 9, move 11>10 x8, blank 18", true},
      {"5-9", "28-29", "move 4>3 x6, blank 9", true},
      {"5-9", "104",
       "move 4>3 x3, cat 6, move 8>7 x2, blank 9, move 11>12 x1, cat 11, move 13>14 x3, cat 13, blank 17-18", false},
      {"10-12", "0, 10-12, 15-17, 19, 28-29", "", true}, {"10-12", "13-14", "move 13>14 x5, cat 13", true},
      {"10-12", "104", "cat 7, move 11>12 x1, cat 11, move 13>14 x3, cat 13, blank 17-18", false},
      {"13-14", "0, 13-14", "", true}, {"13-14", "5-9, 18", "move 3>4 x6, blank 3, move 14>13 x4, blank 17-18", true},
      {"13-14", "10-12", "move 14>13 x5, blank 18", true},
      {"13-14", "27", "move 11>10 x3, cat 16, move 15>13 x4, blank 17-18", true},
      {"13-14", "28-29", "move 14>13 x5, blank 18", true}, {"13-14", "104", "cat 7, move 11>12 x1, cat 11", false},
      {"15-17, 19", "0, 10-12, 15-17, 19, 28-29", "", true}, {"15-17, 19", "5-9, 18", "move 3>4 x6, blank 3", true},
      {"15-17, 19", "20", "move 13>14 x5, cat 13", true}, {"15-17, 19", "27", "move 11>10 x8, blank 18", true},
      {"15-17, 19", "104", "cat 7, move 11>12 x1, cat 11, move 13>14 x5, cat 13", false},
      {"18", "0, 5-9", "", true}, {"18", "15-17, 19", "move 4>3 x6, blank 9", true},
      {"18", "20", "move 4>3 x6, blank 9, move 13>14 x4, cat 13", true},
      {"18", "27", "move 4>3 x6, blank 9, move 11>10 x8, blank 18", true},
      {"18", "28-29", "move 4>3 x6, blank 9", true},
      {"18", "104", "move 4>3 x3, cat 6, move 8>7 x2, blank 9, move 11>12 x1, cat 11, move 13>14 x5, cat 13", false},
      {"20", "0", "", true}, {"20", "5-9, 18", "move 3>4 x6, blank 3, move 14>13 x4, blank 17-18", true},
      {"20", "15-17, 19", "move 14>13 x5, blank 18", true},
      {"20", "27", "move 11>10 x3, move 15>13 x4, blank 17-18", true}, {"20", "28-29", "move 14>13 x5, blank 18", true},
      {"20", "104", "cat 7, move 11>12 x1, cat 11", false},
      {"21-22, 24-25", "0, 21-22, 24-25", "", true},
      {"21-22, 24-25", "5-9, 18", "move 3>4 x6, blank 3, name 8, move 14>15 x4, cat 14", true},
      {"21-22, 24-25", "10-12, 15-17, 19", "name 8, move 14>15 x4, cat 14", true},
      {"21-22, 24-25", "20", "name 8, move 13>15 x4, cat 13, cat 14", true},
      {"21-22, 24-25", "23", "move 6>9 x1, move 7>6 x1, move 9>7 x1, move 10>9 x5, cat 14", true},
      {"21-22, 24-25", "27", "name 8, move 11>10 x4, cat 14", true},
      {"21-22, 24-25", "28-29", "name 8, move 14>15 x4, cat 14", true},
      {"21-22, 24-25", "104",
       "cat 7, move 11>12 x1, cat 11, move 11>12 x1, cat 11, move 13>15 x4, cat 13, cat 14", false},
      {"23", "0", "move 9>10 x5, move 6>9 x1, move 7>6 x1, move 9>7 x1", true},
      {"23", "21-22, 24-25", "move 9>10 x5, move 6>9 x1, move 7>6 x1, move 9>7 x1, blank 9", true},
      {"23", "104",
       "move 13>15 x4, move 12>11 x1, move 6>7 x1, move 11>13 x1, move 9>10 x2, cat 6, cat 12, cat 14", false},
      {"26", "0", "", true}, {"26", "104", "move 4>3 x1, move 7>4 x3, move 12>10 x6", false},
      {"27", "0", "", true}, {"27", "5-9, 18", "move 3>4 x6, blank 3, move 10>11 x8, cat 10", true},
      {"27", "13-14", "move 13>15 x4, move 10>11 x3, cat 10, cat 14", true},
      {"27", "21-22, 24-25", "move 10>11 x4, cat 10, name 8", true}, {"27", "28-29", "move 10>11 x8, cat 10", true},
      {"27", "104",
       "cat 7, move 13>15 x4, move 12>14 x1, move 11>10 x1, move 11>13 x1, move 14>10 x1, cat 12, cat 14", false},
      {"28-29", "0, 15-17, 19, 28-29", "", true}, {"28-29", "21-22, 24-25", "name 8, move 15>14 x4, blank 18", true},
      {"28-29", "27", "move 11>10 x8, blank 18", true},
      {"28-29", "104", "cat 7, move 13>14 x5, move 11>12 x1, cat 11, cat 13", false},
      {"104", "0", "cat 7, move 12>11 x1, cat 12, move 14>13 x5, blank 18", true, "2"},
      {"104", "0", "cat 7, move 10>12 x1, move 11>10 x1, move 13>11 x1, move 15>13 x4, blank 17-18", true, "3"},
      {"104", "0", "cat 7, cat 8, move 12>11 x1, cat 12, move 15>13 x4, blank 17-18", true, "4"},
      {"104", "0", "cat 7, move 9>8 x1, blank 9, move 12>11 x1, cat 12, move 14>13 x5, blank 18", true, "5"},
      {"104", "0", "cat 7, move 12>11 x1, cat 12, move 14>13 x5, blank 18", true, "6"},
      {"104", "0", "blank 1-18, cat all", false, "0, 1, 7, 9"},
      {"104", "5-9, 18",
       "move 3>4 x3, blank 3, move 7>8 x2, cat 7, move 12>11 x1, cat 12, move 14>13 x4, blank 17-18", true},
      {"104", "15-17, 19", "cat 7, move 12>11 x1, cat 12, move 14>13 x5, blank 18", true},
      {"104", "21-22, 24-25", "cat 7, name 8, move 12>11 x1, cat 12, move 15>13 x4, blank 17-18", true},
      {"104", "23",
       "move 7>6 x1, cat 7, name 8, move 10>9 x2, move 13>11 x1, cat 12, move 15>13 x3, blank 16-18", true},
      {"104", "27",
       "cat 7, move 13>12 x1, move 10>12 x1, move 11>10 x1, move 13>11 x1, move 15>13 x4, blank 17-18", true},
      {"104", "28-29", "cat 7, move 12>11 x1, cat 12, move 14>13 x5, blank 18", true},
  };
  ASSERT_EQ(std::size(rows), RelayoutTable().size()) << "a row of the table is not checked here";

  // Every slot tagged: its own name, grade, addition and level.
  const char* const grades[] = {"1", "2", "3", "4", "5", "6"};
  const char* const levels[] = {"A", "B", "C", "G", "H", "R"};
  TSubjects tagged;
  for (int s = 1; s <= kSubjectSlots; ++s)
    tagged[s - 1] = Entry("Fach " + std::to_string(s), grades[s % 6], ("z" + std::to_string(s)).c_str(), levels[s % 6]);

  int pairs = 0;
  for (const auto& row : rows) {
    for (int type : Numbers(row.SchoolTypes)) {
      for (int newForm : Numbers(row.New)) {
        for (int oldForm : Numbers(row.Old)) {
          const std::string pair = std::to_string(newForm) + " from " + std::to_string(oldForm) + ", school type " +
                                   std::to_string(type) + ": " + row.Steps;
          TSubjects expected;
          std::copy(std::begin(tagged), std::end(tagged), expected);
          RunSteps(row.Steps, expected, newForm);
          std::copy(std::begin(tagged), std::end(tagged), subjects);
          EXPECT_EQ(ApplySubjectRelayout(subjects, oldForm, newForm, type), row.Adapted) << pair;
          for (int s = 1; s <= kSubjectSlots; ++s)
            EXPECT_EQ(Describe(Slot(s)), Describe(expected[s - 1])) << pair << ", slot " << s;
          ++pairs;
        }
      }
    }
  }
  EXPECT_GT(pairs, 400);
}

}  // namespace
}  // namespace quorv
