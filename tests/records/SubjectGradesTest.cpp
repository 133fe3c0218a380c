#include "records/SubjectGrades.h"

#include <gtest/gtest.h>

#include "records/SubjectSlots.h"
#include "settings/Facheinst.h"
#include "support/ProgramState.h"
#include "support/ScriptedMessages.h"

using namespace quorv;
using platform::MsgKind;

namespace {

class SubjectGradesTest : public ::testing::Test {
 protected:
  void SetUp() override { BuildDefaultSubjectCatalog(); }

  // A live pupil with the catalogue's subjects of the form.
  TPupilRecord& AddPupil(int form, const char* surname = "Muster") {
    TPupilRecord r{};
    InitPupilRecord(r);
    r.Surname.set(surname);
    r.FirstName.set("Eva");
    r.FormNumber = form;
    r.LayoutFormNumber = form;
    for (int s = 1; s <= kRegularSlots; ++s) SetSubjectFromCatalog(r.Subjects[s - 1], s, form);
    for (int s = 19; s <= 24; ++s) r.Subjects[s - 1].Name.set(kNoContent);
    pupils_.push_back(r);
    return pupils_.back();
  }
  static int Entry(const char* name) {
    for (int e = 0; e < kCatalogEntries; ++e)
      if (SubjectCatalog[e].Name == name) return e;
    return -1;
  }
  static TSubjectEntry& Slot(TPupilRecord& p, const char* subject) {
    return p.Subjects[PupilCatalogSlot(p, Entry(subject)) - 1];
  }
  // The first row in use with that name at or after a row.
  static const TOverviewRow* Row(const OverviewResult& o, const std::string& name, int from = 0) {
    for (int r : o.UsedRows)
      if (r >= from && o.Rows[r].Name == name) return &o.Rows[r];
    return nullptr;
  }

  testsupport::SavedProgramState state_;
  TDB2 pupils_;
};

TEST_F(SubjectGradesTest, EveryGradeCharacterHasItsCounter) {
  struct Case {
    const char* grades;
    int counter;
  } cases[] = {{"1", 1}, {"8", 8},        {"-_", 9},  {"0KOUkou", 10}, {"Nn", 11},
               {"Tt", 12}, {"ABab", 13}, {"Ee", 14}, {"x9 ?", 15}};
  for (const Case& c : cases)
    for (const char* g = c.grades; *g; ++g) {
      TGradeCounters counters{};
      CountGradeCode(std::string_view(g, 1), counters);
      EXPECT_EQ(counters[0], 1) << *g;
      EXPECT_EQ(counters[c.counter], 1) << *g;
    }
  TGradeCounters counters{};
  CountGradeCode("", counters);
  EXPECT_EQ(counters[0], 1);
  EXPECT_EQ(counters[15], 1);  // an empty grade counts under " ???"
}

TEST_F(SubjectGradesTest, CountsTheLivePupilsGradesPerSubject) {
  const char* grades[] = {"2", "2", "k", "u"};
  for (const char* g : grades) Slot(AddPupil(15), "Deutsch").Grade.set(g);
  Slot(AddPupil(15), "Deutsch").Grade.set("1");
  pupils_.back().Active = 0;  // marked deleted: not counted

  const OverviewResult o = BuildOverviewRows(pupils_, 2);
  const TOverviewRow* deutsch = Row(o, "Deutsch");
  ASSERT_NE(deutsch, nullptr);
  EXPECT_EQ(deutsch->Counters[0], 4);
  EXPECT_EQ(deutsch->Counters[1], 0);
  EXPECT_EQ(deutsch->Counters[2], 2);
  EXPECT_EQ(deutsch->Counters[10], 2);
  // A subject that no pupil's form has and no slot names stays at zero.
  const TOverviewRow* latin = Row(o, "Latein");
  ASSERT_NE(latin, nullptr);
  EXPECT_EQ(latin->Counters, TGradeCounters{});
}

TEST_F(SubjectGradesTest, ASubjectWithoutItsFormSlotIsFoundByItsCutName) {
  TPupilRecord& p = AddPupil(0);  // no catalogue slots: the name decides
  const int awtui = kAwtuiEntry;
  p.Subjects[6].Name.set(SubjectCatalog[awtui].Name.bytes().substr(0, 30));
  p.Subjects[6].Grade.set("3");
  EXPECT_EQ(PupilCatalogSlot(p, awtui), 7);
  p.LayoutFormNumber = 200;  // outside the table: no slot either
  EXPECT_EQ(PupilCatalogSlot(p, awtui), 7);
}

TEST_F(SubjectGradesTest, ElectivesCountOnlyInTheSlotsTheirFormHas) {
  for (int i = 0; i < 2; ++i) {
    TPupilRecord& p = AddPupil(15);
    p.Subjects[18].Name.set("Spanisch");  // slot 19
    p.Subjects[18].Grade.set("2");
    p.Subjects[20].Name.set("Informatik");  // slot 21: form 15 has two electives
    p.Subjects[20].Grade.set("1");
  }
  TPupilRecord& p18 = AddPupil(18);
  p18.Subjects[20].Name.set("Informatik");
  p18.Subjects[20].Grade.set("4");

  const OverviewResult o = BuildOverviewRows(pupils_, 2);
  EXPECT_EQ(o.FirstElectiveRow, 43);
  const TOverviewRow* spanish = Row(o, "Spanisch", 43);
  const TOverviewRow* informatics = Row(o, "Informatik", 43);
  ASSERT_TRUE(spanish && informatics);
  EXPECT_EQ(spanish->Counters[0], 2);
  EXPECT_EQ(spanish->Counters[2], 2);
  EXPECT_EQ(informatics->Counters[0], 1);
  EXPECT_EQ(informatics->Counters[4], 1);
}

TEST_F(SubjectGradesTest, ASubjectFoundByNameInSlotsOneToSixteenOnly) {
  TPupilRecord& p = AddPupil(0);
  p.LayoutFormNumber = 200;  // no catalogue slots
  const int physik = Entry("Physik");
  for (const int slot : {1, 16, 17}) {
    for (int s = 1; s <= kRegularSlots; ++s) p.Subjects[s - 1].Name.set("???");
    p.Subjects[slot - 1].Name.set("Physik");
    EXPECT_EQ(PupilCatalogSlot(p, physik), slot <= 16 ? slot : 0) << slot;
  }
}

TEST_F(SubjectGradesTest, EveryElectiveSlotCountsOnlyOnTheFormsThatHaveIt) {
  // Slots 21 and 24 only on the forms with three electives per half year.
  struct Case {
    int form;
    const char* prefix;
    std::array<bool, 6> counted;  // slots 19 to 24
  } cases[] = {{15, "Zwei", {true, true, false, true, true, false}},
               {18, "Drei", {true, true, true, true, true, true}},
               {1, "Kein", {false, false, false, false, false, false}}};
  for (const Case& c : cases) {
    TPupilRecord& p = AddPupil(c.form);
    for (int s = 19; s <= 24; ++s) {
      p.Subjects[s - 1].Name.set(std::string(c.prefix) + std::to_string(s));
      p.Subjects[s - 1].Grade.set("3");
    }
  }
  const OverviewResult o = BuildOverviewRows(pupils_, 0);
  for (const Case& c : cases)
    for (int s = 19; s <= 24; ++s) {
      const TOverviewRow* row = Row(o, std::string(c.prefix) + std::to_string(s), o.FirstElectiveRow);
      EXPECT_EQ(row != nullptr && row->Counters[3] == 1, c.counted[s - 19]) << c.form << " slot " << s;
    }
}

TEST_F(SubjectGradesTest, ElectiveRowsFollowTheLastCatalogueRowWhenTheCatalogueHasGaps) {
  SubjectCatalog[10].Name.set(kNoContent);
  TPupilRecord& p = AddPupil(15);
  p.Subjects[18].Name.set("Spanisch");
  p.Subjects[18].Grade.set("2");
  const OverviewResult o = BuildOverviewRows(pupils_, 2);
  EXPECT_EQ(o.FirstElectiveRow, 43);
  // Every catalogue row in use is kept, and the elective gets a row of its own.
  EXPECT_NE(Row(o, SubjectCatalog[42].Name.str()), nullptr);
  EXPECT_EQ(o.Rows[43].Name, "Spanisch");
  EXPECT_EQ(o.UsedRows.size(), 42u + 1u);
}

TEST_F(SubjectGradesTest, TooManyElectivesAreReportedAndNotCounted) {
  // No names in the list: capacity 71, 43 catalogue rows in use, room for 27 electives.
  for (int i = 0; i < 28; ++i) {
    TPupilRecord& p = AddPupil(15);
    p.Subjects[18].Name.set("Fach " + std::to_string(i));
    p.Subjects[18].Grade.set("1");
  }
  testsupport::ScriptedMessages messages;
  messages.expectPrefix(QString::fromUtf8("Die Analyse der Wahlpflichtfächer"), MsgKind::Information)
      .expectPrefix(QString::fromUtf8("Bei der Zusammenstellung"), MsgKind::Error);
  const OverviewResult o = BuildOverviewRows(pupils_, 0);
  EXPECT_TRUE(messages.allAnswered());
  EXPECT_EQ(o.Rows.size(), 71u);
  EXPECT_EQ(o.Rows[69].Name, "Fach 26");
  EXPECT_EQ(Row(o, "Fach 27"), nullptr);
}

TEST_F(SubjectGradesTest, ANegativeFormSlotIsNoSlotAndOnlyZeroSearchesByName) {
  const int math = Entry("Mathematik"), formSlot = SubjectCatalog[math].SlotByForm[15];
  Slot(AddPupil(15), "Mathematik").Grade.set("2");
  for (const auto& [value, slot] : std::initializer_list<std::pair<int, int>>{{0, formSlot}, {-1, 0}}) {
    SubjectCatalog[math].SlotByForm[15] = value;
    EXPECT_EQ(PupilCatalogSlot(pupils_[0], math), slot) << value;  // the grade list's slot too
    EXPECT_EQ(Row(BuildOverviewRows(pupils_, 0), "Mathematik")->Counters[0], slot ? 1 : 0) << value;
  }
}

TEST_F(SubjectGradesTest, FirstCharOfCellSkipsLeadingBlanksOfLongerTexts) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""}, {"3", "3"}, {" ", " "}, {" 3", "3"}, {"   ", " "}, {"ab", "a"}, {"  k ", "k"}};
  for (const auto& [in, out] : cases) EXPECT_EQ(FirstCharOfCell(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
}

}  // namespace
