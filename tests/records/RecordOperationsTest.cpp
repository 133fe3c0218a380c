#include <gtest/gtest.h>

#include <string>

#include "platform/Cp1252.h"
#include "records/QuorvDat.h"
#include "records/RecordOperations.h"
#include "support/ClassInMemory.h"
#include "support/ProgramState.h"

using namespace quorv;
using testsupport::Surnames;

namespace {

class RecordOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override { testsupport::UseDefaultSettings(); }
  testsupport::SavedProgramState state_;
};

// A record tagged with its row number (in MonthText1).
TPupilRecord Tagged(int tag, const char* surname, const char* first, int key, int sex, int stufe, const char* cls) {
  TPupilRecord r = ZeroPupilRecord();
  r.Surname.set(platform::EncodeCp1252(QString::fromUtf8(surname)));
  r.FirstName.set(first);
  r.KeyNumber = key;
  r.Sex = sex;
  r.Klassenstufe = static_cast<std::uint16_t>(stufe);
  r.ClassName.set(cls);
  r.MonthText1.set(std::to_string(tag));
  return r;
}

std::string Tags(const TDB2& pupils) {
  std::string tags;
  for (const auto& p : pupils) tags += p.MonthText1.str();
  return tags;
}

TEST_F(RecordOperationsTest, EachSortGivesTheOrderOfItsNeighbourRule) {
  // Umlauts, lower-case initials, equal names, keys and classes, pupils without sex.
  const TDB2 pupils = {Tagged(0, "Zander", "Tim", 5, 0, 7, "7b"),  Tagged(1, "Ärger", "Anna", -3, 1, 7, "7a"),
                       Tagged(2, "zander", "Ute", 5, 1, 6, "6a"),  Tagged(3, "Zander", "Bea", 2, -1, 7, "7a"),
                       Tagged(4, "Abel", "Olaf", 9, 0, 10, "10a"), Tagged(5, "Abel", "olga", 2, 1, 7, "7b"),
                       Tagged(6, "Zander", "Tim", 1, -1, 6, "6a")};
  const struct {
    TSortOrder order;
    const char* tags;
  } cases[] = {{TSortOrder::NameUp, "4530621"},  {TSortOrder::NameDown, "1206354"},   {TSortOrder::KeyUp, "1635024"},
               {TSortOrder::KeyDown, "4023561"}, {TSortOrder::ClassUp, "2613054"},    {TSortOrder::ClassDown, "4051326"},
               {TSortOrder::GirlsFirst, "5214036"}, {TSortOrder::BoysFirst, "3640521"}};
  for (const auto& c : cases) {
    TDB2 sorted = pupils, bubbled = pupils;
    SortPupils(sorted, 7, c.order);
    EXPECT_EQ(Tags(sorted), c.tags) << static_cast<int>(c.order);
    // The passes of a bubble sort over the swap rule end in the same order.
    for (bool swapped = true; swapped;) {
      swapped = false;
      for (std::size_t i = 0; i + 1 < bubbled.size(); ++i)
        if (PairOutOfOrder(c.order, bubbled[i], bubbled[i + 1])) {
          std::swap(bubbled[i], bubbled[i + 1]);
          swapped = true;
        }
    }
    EXPECT_EQ(Tags(bubbled), c.tags) << static_cast<int>(c.order);
  }
}

TEST_F(RecordOperationsTest, PurgeRemovesMarkedRecordsAndMovesTheCurrentIndex) {
  const struct {
    const char* marks;  // 'x': a record marked deleted
    int current;
    const char* left;
    int newCurrent;
  } cases[] = {
      {"....", 2, "A B C D ", 2},      {"......xx", 5, "A B C D E F ", 3},  // removals after it move it too
      {"x.x..", 4, "B D E ", 2},       {"..x..", 2, "A B D E ", 1},
      {"x..", 0, "B C ", 0},           {"xxx", 2, "??? ", 0},  // all marked: one default record stays
      {"x", 0, "??? ", 0},
  };
  for (const auto& c : cases) {
    const std::string marks = c.marks;
    TDB2 pupils;
    for (std::size_t i = 0; i < marks.size(); ++i) {
      pupils.push_back(ZeroPupilRecord());
      pupils.back().Active = marks[i] == 'x' ? 0 : 1;
      pupils.back().Surname.set(std::string(1, static_cast<char>('A' + i)));
      pupils.back().KeyNumber = static_cast<std::int32_t>(i + 100);
      if (i == 0) pupils.back().Subjects[3].Grade.set("2");
    }
    testsupport::SetClassInMemory(pupils, c.current);
    const bool marked = marks.find('x') != std::string::npos;
    EXPECT_EQ(PurgeMarkedPupils(), marked) << c.marks;
    EXPECT_EQ(Surnames(), c.left) << c.marks;
    EXPECT_EQ(PupilCount, static_cast<int>(Pupils.size())) << c.marks;
    EXPECT_EQ(CurrentPupil, c.newCurrent) << c.marks;
    EXPECT_EQ(Modified, marked) << c.marks;
    if (std::string(c.left) == "??? ") {  // defaults, a fresh key number included
      EXPECT_EQ(Pupils[0].Active, 1);
      EXPECT_EQ(Pupils[0].Subjects[3].Grade, "-");
      EXPECT_EQ(Pupils[0].KeyNumber, kFirstKeyNumber);
    }
  }
}

}  // namespace
