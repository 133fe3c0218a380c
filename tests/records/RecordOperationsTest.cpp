#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "records/QuorvDat.h"
#include "records/RecordOperations.h"
#include "support/ProgramState.h"
#include "support/ScriptedMessages.h"

using namespace quorv;

namespace {

std::string Cp(const char* utf8) { return platform::EncodeCp1252(QString::fromUtf8(utf8)); }

class RecordOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::UseDefaultSettings();
    platform::SeedRandom(3);
  }
  testsupport::SavedProgramState state_;
};

struct PupilRow {
  const char* surname;
  const char* firstName;
  int key;
  int sex;
  int stufe;
  const char* className;
};

// Umlauts, lower-case initials, equal names, equal keys, equal classes and
// pupils without sex. Each record carries its row number as a tag.
const PupilRow kClass[] = {
    {"Zander", "Tim", 5, 0, 7, "7b"},   {"Ärger", "Anna", -3, 1, 7, "7a"}, {"zander", "Ute", 5, 1, 6, "6a"},
    {"Zander", "Bea", 2, -1, 7, "7a"},  {"Abel", "Olaf", 9, 0, 10, "10a"}, {"Abel", "olga", 2, 1, 7, "7b"},
    {"Zander", "Tim", 1, -1, 6, "6a"},
};

TDB2 SortClass() {
  TDB2 pupils;
  for (std::size_t i = 0; i < std::size(kClass); ++i) {
    TPupilRecord r = ZeroPupilRecord();
    r.Surname.set(Cp(kClass[i].surname));
    r.FirstName.set(Cp(kClass[i].firstName));
    r.KeyNumber = kClass[i].key;
    r.Sex = kClass[i].sex;
    r.Klassenstufe = static_cast<std::uint16_t>(kClass[i].stufe);
    r.ClassName.set(kClass[i].className);
    r.MonthText1.set(std::to_string(i));
    pupils.push_back(r);
  }
  return pupils;
}

std::string Tags(const TDB2& pupils) {
  std::string tags;
  for (const auto& p : pupils) tags += p.MonthText1.str();
  return tags;
}

TEST_F(RecordOperationsTest, ShortTextsCompareByUnsignedCodes) {
  const struct {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {{"", "", 0},       {"a", "", 1},     {"A", "a", -1},     {"Z", "Ä", -1},
               {"ab", "abc", -1}, {"abd", "abc", 1}, {"Müller", "Muller", 1}, {"zz", "Äa", -1}};
  for (const auto& c : cases) {
    const int r = CompareShortText(Cp(c.a), Cp(c.b));
    EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " / " << c.b;
  }
}

TEST_F(RecordOperationsTest, EachSortGivesTheOrderOfItsRule) {
  const struct {
    TSortOrder order;
    const char* tags;
  } cases[] = {
      {TSortOrder::NameUp, "4530621"},     {TSortOrder::NameDown, "1206354"},
      {TSortOrder::KeyUp, "1635024"},      {TSortOrder::KeyDown, "4023561"},
      {TSortOrder::ClassUp, "2613054"},    {TSortOrder::ClassDown, "4051326"},
      {TSortOrder::GirlsFirst, "5214036"}, {TSortOrder::BoysFirst, "3640521"},
  };
  for (const auto& c : cases) {
    TDB2 pupils = SortClass();
    SortPupils(pupils, static_cast<int>(pupils.size()), c.order);
    EXPECT_EQ(Tags(pupils), c.tags) << static_cast<int>(c.order);
  }
}

// The order neighbour swaps reach, as a pass-by-pass bubble sort.
void BubbleSort(TDB2& pupils, TSortOrder order) {
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (std::size_t i = 0; i + 1 < pupils.size(); ++i)
      if (PairOutOfOrder(order, pupils[i], pupils[i + 1])) {
        std::swap(pupils[i], pupils[i + 1]);
        swapped = true;
      }
  }
}

TEST_F(RecordOperationsTest, SortsEndWhereNeighbourSwapsEnd) {
  const char* surnames[] = {"Abel", "abel", "Ärger", "Zander", "Ab", ""};
  const char* firstNames[] = {"Eva", "eva", "Ölaf", ""};
  TDB2 pupils;
  for (int i = 0; i < 60; ++i) {
    TPupilRecord r = ZeroPupilRecord();
    r.Surname.set(Cp(surnames[platform::RandomInRange(0, 5)]));
    r.FirstName.set(Cp(firstNames[platform::RandomInRange(0, 3)]));
    r.KeyNumber = platform::RandomInRange(0, 6) - 3;
    r.Sex = platform::RandomInRange(0, 2) - 1;
    r.Klassenstufe = static_cast<std::uint16_t>(platform::RandomInRange(5, 7));
    r.ClassName.set(std::string(1, static_cast<char>('a' + platform::RandomInRange(0, 2))));
    r.MonthText1.set(std::to_string(i) + ",");
    pupils.push_back(r);
  }
  for (TSortOrder order : {TSortOrder::NameUp, TSortOrder::NameDown, TSortOrder::KeyUp, TSortOrder::KeyDown,
                           TSortOrder::ClassUp, TSortOrder::ClassDown, TSortOrder::GirlsFirst, TSortOrder::BoysFirst}) {
    TDB2 sorted = pupils;
    TDB2 reference = pupils;
    SortPupils(sorted, static_cast<int>(sorted.size()), order);
    BubbleSort(reference, order);
    EXPECT_EQ(Tags(sorted), Tags(reference)) << static_cast<int>(order);
  }
}

TEST_F(RecordOperationsTest, SortLeavesRecordsBeyondTheCountAlone) {
  TDB2 pupils = SortClass();
  SortPupils(pupils, 3, TSortOrder::NameUp);
  EXPECT_EQ(Tags(pupils), "0213456");
}

// ---------------------------------------------------------------------------
// Purge

void MakeClass(const std::string& marks, int current) {
  Pupils.clear();
  for (std::size_t i = 0; i < marks.size(); ++i) {
    TPupilRecord r = ZeroPupilRecord();
    r.Active = marks[i] == 'x' ? 0 : 1;
    r.Surname.set(std::string(1, static_cast<char>('A' + i)));
    r.KeyNumber = static_cast<std::int32_t>(i + 100);
    Pupils.push_back(r);
  }
  PupilCount = static_cast<int>(Pupils.size());
  CurrentPupil = current;
  Modified = false;
}

std::string Surnames() {
  std::string s;
  for (int i = 0; i < PupilCount; ++i) s += Pupils[static_cast<std::size_t>(i)].Surname.str() + " ";
  return s;
}

TEST_F(RecordOperationsTest, PurgeRemovesMarkedRecordsAndMovesTheCurrentIndex) {
  const struct {
    const char* marks;
    int current;
    const char* left;
    int newCurrent;
    bool modified;
  } cases[] = {
      {"....", 2, "A B C D ", 2, false},          // nothing marked: nothing changes
      {"......xx", 5, "A B C D E F ", 3, true},   // removals after the current one move it too
      {"x.x..", 4, "B D E ", 2, true},
      {"..x..", 2, "A B D E ", 1, true},          // the current pupil itself
      {"x..", 0, "B C ", 0, true},                // never below 0
      {"xxx", 2, "??? ", 0, true},                // all marked: one default record stays
      {"x", 0, "??? ", 0, true},
  };
  for (const auto& c : cases) {
    MakeClass(c.marks, c.current);
    EXPECT_EQ(PurgeMarkedPupils(), c.modified) << c.marks;
    EXPECT_EQ(Surnames(), c.left) << c.marks;
    EXPECT_EQ(PupilCount, static_cast<int>(Pupils.size())) << c.marks;
    EXPECT_EQ(CurrentPupil, c.newCurrent) << c.marks;
    EXPECT_EQ(Modified, c.modified) << c.marks;
    for (const auto& p : Pupils) EXPECT_EQ(p.Active, 1) << c.marks;
  }
}

TEST_F(RecordOperationsTest, PurgingTheOnlyRecordGivesDefaultsWithAFreshKey) {
  MakeClass("x", 0);
  Pupils[0].Surname.set("Weg");
  Pupils[0].Subjects[3].Grade.set("2");
  PurgeMarkedPupils();
  ASSERT_EQ(PupilCount, 1);
  EXPECT_EQ(Pupils[0].Surname, "???");
  EXPECT_EQ(Pupils[0].Subjects[3].Grade, "-");
  EXPECT_EQ(Pupils[0].KeyNumber, kFirstKeyNumber);
  EXPECT_EQ(Pupils[0].FormNumber, -1);
}

// ---------------------------------------------------------------------------
// Paste

TEST_F(RecordOperationsTest, PasteInsertsTheClipboardBehindTheCurrentPupil) {
  const struct {
    int current;
    const char* after;
  } cases[] = {{2, "A B C Q "}, {0, "A Q B C "}, {1, "A B Q C "}};
  for (const auto& c : cases) {
    MakeClass("...", c.current);
    ClipboardPupil = Pupils[0];
    ClipboardPupil.Surname.set("Q");
    ClipboardPupil.KeyNumber = 100;  // the same key as A: kept as it is
    ASSERT_TRUE(PasteClipboardPupil());
    EXPECT_EQ(Surnames(), c.after);
    EXPECT_EQ(CurrentPupil, c.current);
    EXPECT_EQ(Pupils[static_cast<std::size_t>(c.current + 1)].KeyNumber, 100);
    EXPECT_TRUE(ScratchPupils.empty());
  }
}

TEST_F(RecordOperationsTest, AFullClassRefusesThePaste) {
  MakeClass("...", 1);
  PupilCount = kMaxPupils;  // the count is what the limit looks at
  testsupport::ScriptedMessages messages;
  messages.expect(QString::fromUtf8("Die Klasse enthält bereits 65535 Datensätze.\rEs kann kein weiterer Schüler "
                                    "hinzugefügt werden."),
                  platform::MsgKind::Warning);
  EXPECT_FALSE(PasteClipboardPupil());
  EXPECT_EQ(Pupils.size(), 3u);
  EXPECT_EQ(CurrentPupil, 1);
}

}  // namespace
