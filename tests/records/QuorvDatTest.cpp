#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "platform/BinIO.h"
#include "platform/Random.h"
#include "records/QuorvDat.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "support/ProgramState.h"
#include "support/ScriptedMessages.h"

using namespace quorv;

namespace {

const std::uint8_t* Bytes(const TPupilRecord& r) { return reinterpret_cast<const std::uint8_t*>(&r); }
std::uint16_t U16At(const TPupilRecord& r, int off) { return platform::ReadLeU16(Bytes(r) + off); }
std::int32_t I32At(const TPupilRecord& r, int off) {
  return static_cast<std::int32_t>(platform::ReadLeU32(Bytes(r) + off));
}
std::string ShortAt(const TPupilRecord& r, int off) {
  return std::string(reinterpret_cast<const char*>(Bytes(r) + off + 1), Bytes(r)[off]);
}
std::string CharsAt(const TPupilRecord& r, int off) {
  return std::string(reinterpret_cast<const char*>(Bytes(r) + off));
}

// Starts each test with no class and default settings; puts everything back after it.
class ClassTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::UseDefaultSettings();
    platform::SeedRandom(7);
    Pupils.clear();
    PupilCount = 0;
    CurrentPupil = 0;
  }

  // A class of n default records.
  void MakeClass(int n) {
    Pupils.clear();
    PupilCount = 0;
    for (int i = 0; i < n; ++i) {
      Pupils.push_back(ZeroPupilRecord());
      PupilCount = i + 1;
      CurrentPupil = i;
      InitCurrentPupil();
    }
  }
  std::vector<std::int32_t> Keys() const {
    std::vector<std::int32_t> keys;
    for (const auto& p : Pupils) keys.push_back(p.KeyNumber);
    return keys;
  }

 private:
  testsupport::SavedProgramState state_;
};

}  // namespace

TEST(PupilRecord, FieldsLieAtTheirFileOffsets) {
  TPupilRecord r = ZeroPupilRecord();
  r.Active = 0x0102;
  r.CreatedSchoolType = 0x0304;
  r.RandomTag = 0x0506;
  r.KeyNumber = -123456;
  r.Surname.set("Surname");
  r.FirstName.set("First");
  r.BirthDate.set("01.02.2003");
  r.BirthPlace.set("Place");
  r.Sex = 1;
  r.MonthText1.set("M1");
  r.MonthText2.set("M2");
  r.ReportKind = 7;
  r.HalfYear = 8;
  r.AnspruchsebeneAll = 9;
  r.Abschlussart = 10;
  r.Klassenstufe = 11;
  r.SchoolYear.set("2006");
  r.ClassName.set("7a");
  r.ClassTeacher.set("Kl");
  r.NextSchool.set("Next");
  r.Jahrgangsstufe.set("10");
  r.AbsenceDays.set("12");
  r.AbsenceDaysExcused.set("3");
  r.Gesamtpraedikat = 12;
  r.IssuePlace.set("Ort");
  r.IssueDate.set("20.06.2007");
  r.SkipInBatch = 13;
  r.Schullaufbahnempfehlung = 14;
  r.FormNumber = 0x01020304;
  r.LayoutFormNumber = -5;
  r.ShownFormNumber = 104;
  r.Klassenart = 15;
  r.ExamDataPresent = 16;
  r.ExamDate.set("Exam");
  r.FourthExamSubject.set("Bio");
  r.ExamPassed = 17;
  r.LegacyText.set("Legacy");
  r.Subjects[0].Name.set("Deutsch");
  r.Subjects[0].Grade.set("2");
  r.Subjects[0].Addition.set("+");
  r.Subjects[0].CourseLevel.set("E");
  r.Subjects[9].Name.set("Slot10");
  r.Subjects[24].Name.set("Slot25");
  r.DevelopmentText.set("Dev");
  r.RemarksText.set("Rem");
  r.TeacherNotesText.set("Notes");

  const struct {
    int offset;
    std::int32_t value;
    bool i32;
  } ints[] = {{2, 0x0102, false},   {6, 0x0304, false}, {8, 0x0506, false},  {16, -123456, true},
              {124, 1, true},       {220, 7, false},    {222, 8, false},     {224, 9, false},
              {226, 10, false},     {228, 11, false},   {294, 12, false},    {348, 13, false},
              {350, 14, false},     {352, 0x01020304, true}, {356, -5, true}, {360, 104, true},
              {364, 15, false},     {370, 16, false},   {390, 17, false}};
  for (const auto& c : ints) {
    if (c.i32)
      EXPECT_EQ(I32At(r, c.offset), c.value) << "offset " << c.offset;
    else
      EXPECT_EQ(U16At(r, c.offset), c.value) << "offset " << c.offset;
  }
  const struct {
    int offset;
    const char* text;
  } texts[] = {{20, "Surname"}, {51, "First"},  {82, "01.02.2003"}, {93, "Place"},   {128, "M1"},
               {149, "M2"},     {230, "2006"},  {235, "7a"},         {241, "Kl"},     {247, "Next"},
               {278, "10"},     {281, "12"},    {287, "3"},          {296, "Ort"},    {327, "20.06.2007"},
               {372, "Exam"},   {383, "Bio"},   {398, "Legacy"},     {440, "Deutsch"}, {471, "2"},
               {473, "+"},      {476, "E"},     {396 + 44 * 10, "Slot10"}, {396 + 44 * 25, "Slot25"}};
  for (const auto& c : texts) EXPECT_EQ(ShortAt(r, c.offset), c.text) << "offset " << c.offset;
  EXPECT_EQ(CharsAt(r, 1540), "Dev");
  EXPECT_EQ(CharsAt(r, 3541), "Rem");
  EXPECT_EQ(CharsAt(r, 4042), "Notes");
}

TEST_F(ClassTest, InitPupilRecordWritesDefaultsOnZeroRecord) {
  SchoolSettings.SchoolType = 4;
  TPupilRecord r = ZeroPupilRecord();
  InitPupilRecord(r);
  EXPECT_EQ(U16At(r, 0), 0);
  EXPECT_EQ(U16At(r, 2), 1);
  EXPECT_EQ(U16At(r, 4), 1);
  EXPECT_EQ(U16At(r, 6), 4);
  EXPECT_GE(U16At(r, 8), 1);
  EXPECT_LE(U16At(r, 8), 57000);
  EXPECT_EQ(I32At(r, 16), -9999999);
  EXPECT_EQ(ShortAt(r, 20), "???");
  EXPECT_EQ(ShortAt(r, 51), "");
  EXPECT_EQ(ShortAt(r, 82), "  .  .19  ");
  EXPECT_EQ(ShortAt(r, 93), "???");
  EXPECT_EQ(I32At(r, 124), -1);
  EXPECT_EQ(ShortAt(r, 128), "September ????");
  EXPECT_EQ(ShortAt(r, 149), "August 2004");
  EXPECT_EQ(ShortAt(r, 230), "???");
  EXPECT_EQ(ShortAt(r, 235), "???");
  EXPECT_EQ(ShortAt(r, 247), "  - - -");
  EXPECT_EQ(ShortAt(r, 278), "--");
  EXPECT_EQ(ShortAt(r, 281), "- -");
  EXPECT_EQ(ShortAt(r, 287), "- -");
  EXPECT_EQ(ShortAt(r, 296), "???");
  EXPECT_EQ(ShortAt(r, 327), "  .  .20  ");
  EXPECT_EQ(I32At(r, 352), -1);
  EXPECT_EQ(I32At(r, 356), -1);
  EXPECT_EQ(I32At(r, 360), -1);
  EXPECT_EQ(ShortAt(r, 372), "  .  .20  ");
  EXPECT_EQ(ShortAt(r, 383), "???");
  for (int k = 1; k <= 25; ++k) {
    const int off = 396 + 44 * k;
    EXPECT_EQ(ShortAt(r, off), "???");
    EXPECT_EQ(ShortAt(r, off + 31), "-");
    EXPECT_EQ(ShortAt(r, off + 33), "");
    EXPECT_EQ(ShortAt(r, off + 36), "-");
    EXPECT_EQ(ShortAt(r, off + 38), "");
  }
  for (int off : {1540, 3541, 4042}) EXPECT_EQ(CharsAt(r, off), "  - - - - -");
  // Zero-filled behind the texts.
  for (int i = 1540 + 11; i < 3541; ++i) ASSERT_EQ(Bytes(r)[i], 0) << i;
}

TEST_F(ClassTest, InitPupilRecordKeepsTheKeptBytes) {
  TPupilRecord r;
  std::memset(&r, 0xAA, sizeof r);
  InitPupilRecord(r);
  // Kept: bytes 177..219, HalfYear, AnspruchsebeneAll, Abschlussart, Klassenstufe,
  // ClassTeacher, the pads, SkipInBatch and LegacyText.
  const std::pair<int, int> kept[] = {{177, 220}, {222, 230}, {241, 247}, {293, 294},
                                      {348, 350}, {389, 390}, {398, 440}, {6043, 6044}};
  for (const auto& [from, to] : kept)
    for (int i = from; i < to; ++i) EXPECT_EQ(Bytes(r)[i], 0xAA) << "offset " << i;
  for (int i = 170; i < 177; ++i) EXPECT_EQ(Bytes(r)[i], 0) << "offset " << i;
  // Written bytes, including the unused bytes behind the texts' zero fill.
  EXPECT_EQ(U16At(r, 0), 0);
  EXPECT_EQ(U16At(r, 366), 0);
  EXPECT_EQ(U16At(r, 392), 0);
  EXPECT_EQ(Bytes(r)[3541 + 500], 0);
  // Short strings keep the bytes behind their text.
  EXPECT_EQ(Bytes(r)[20 + 1 + 3], 0xAA);
}

TEST_F(ClassTest, NewKeyNumberOfOneRecordClass) {
  MakeClass(1);
  EXPECT_EQ(Pupils[0].KeyNumber, -9999999);
  EXPECT_EQ(NewKeyNumber(Pupils, &Pupils[0]), -9999999);
  EXPECT_EQ(NewKeyNumber(Pupils), -9999998);
}

TEST_F(ClassTest, AppendingPupilsCountsKeysUp) {
  MakeClass(1);
  for (int i = 0; i < 3; ++i) {
    CurrentPupil = PupilCount;  // the import's call: one past the last record
    ASSERT_TRUE(InsertPupilAfterCurrent());
    EXPECT_EQ(CurrentPupil, PupilCount - 1);
  }
  EXPECT_EQ(Keys(), (std::vector<std::int32_t>{-9999999, -9999998, -9999997, -9999996}));
}

TEST_F(ClassTest, InsertBetweenTwoPupilsGetsAFreeKey) {
  MakeClass(3);
  Pupils[0].Surname.set("A");
  Pupils[1].Surname.set("B");
  Pupils[2].Surname.set("C");
  Pupils[2].KeyNumber = -9999998;
  Pupils[1].KeyNumber = 17;
  CurrentPupil = 0;
  ASSERT_TRUE(InsertPupilAfterCurrent());
  ASSERT_EQ(PupilCount, 4);
  EXPECT_EQ(CurrentPupil, 1);
  EXPECT_EQ(Pupils[0].Surname, "A");
  EXPECT_EQ(Pupils[1].Surname, "???");
  EXPECT_EQ(Pupils[2].Surname, "B");
  EXPECT_EQ(Pupils[3].Surname, "C");
  EXPECT_EQ(Pupils[1].KeyNumber, -9999997);
  EXPECT_EQ(Pupils.size(), 4u);
}

TEST_F(ClassTest, InsertAtTheLimitChangesNothing) {
  Pupils.assign(kMaxPupils, ZeroPupilRecord());
  PupilCount = kMaxPupils;
  CurrentPupil = 5;
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(QString::fromUtf8("Die Klasse enthält bereits 65535"), platform::MsgKind::Warning);
  EXPECT_FALSE(InsertPupilAfterCurrent());
  EXPECT_EQ(PupilCount, kMaxPupils);
  EXPECT_EQ(Pupils.size(), static_cast<std::size_t>(kMaxPupils));
  EXPECT_EQ(CurrentPupil, 5);
}

TEST_F(ClassTest, InsertBelowTheLimitReachesIt) {
  Pupils.assign(kMaxPupils - 1, ZeroPupilRecord());
  PupilCount = kMaxPupils - 1;
  CurrentPupil = PupilCount - 1;
  ASSERT_TRUE(InsertPupilAfterCurrent());
  EXPECT_EQ(PupilCount, 65535);
  EXPECT_EQ(CurrentPupil, 65534);
}

TEST_F(ClassTest, MakeKeyNumbersUniqueCases) {
  const struct {
    std::vector<std::int32_t> before;
    std::vector<std::int32_t> after;
  } cases[] = {
      {{1234, 1234}, {1234, -1234}},
      {{1234, -1234, 1234}, {1234, -1234, -9999999}},
      {{5, 5, 5}, {5, -5, -9999999}},
      {{5, 5, 5, 5}, {5, -5, -9999999, -9999998}},
      {{-3, -3}, {-3, -9999999}},
      {{-9999999, -9999999, -9999998}, {-9999999, -9999997, -9999998}},
      {{0, 0}, {0, -9999999}},
      {{1, 2, 3}, {1, 2, 3}},
      {{7, 3, 7, 3}, {7, 3, -7, -3}},
      // Groups are repaired in the order of their first carrier.
      {{-1, -2, -2, -1}, {-1, -2, -9999998, -9999999}},
      // A duplicate on the last record.
      {{8, 9, 10, 10}, {8, 9, 10, -10}},
      // Negatives taken further on, new numbers among the keys.
      {{3, -3, 3, 2, 2, -2}, {3, -3, -9999999, 2, -9999998, -2}},
      {{2, -9999999, 2, 2, 5, 5}, {2, -9999999, -2, -9999998, 5, -5}},
  };
  for (const auto& c : cases) {
    TDB2 pupils(c.before.size(), ZeroPupilRecord());
    for (std::size_t i = 0; i < c.before.size(); ++i) pupils[i].KeyNumber = c.before[i];
    MakeKeyNumbersUnique(pupils);
    std::vector<std::int32_t> keys;
    for (const auto& p : pupils) keys.push_back(p.KeyNumber);
    EXPECT_EQ(keys, c.after);
  }
}

TEST_F(ClassTest, MakeKeyNumbersUniqueLeavesNoDuplicatesInLargeClass) {
  TDB2 pupils(3000, ZeroPupilRecord());
  for (std::size_t i = 0; i < pupils.size(); ++i) pupils[i].KeyNumber = static_cast<std::int32_t>(i % 7) - 3;
  MakeKeyNumbersUnique(pupils);
  std::set<std::int32_t> seen;
  for (const auto& p : pupils) EXPECT_TRUE(seen.insert(p.KeyNumber).second) << p.KeyNumber;
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(pupils[i].KeyNumber, static_cast<std::int32_t>(i % 7) - 3);
}

TEST_F(ClassTest, CopyHeaderFromPreviousPupilCopiesTheHeaderFields) {
  for (int schoolType : {3, 2}) {
    SchoolSettings.SchoolType = static_cast<std::uint16_t>(schoolType);
    MakeClass(1);
    ProgramOptions.CopyFromPreviousPupil = 1;
    TPupilRecord& p = Pupils[0];
    p.BirthDate.set("12.03.1998");
    p.BirthPlace.set("Rostock");
    p.Sex = 1;
    p.ReportKind = 4;
    p.HalfYear = 1;
    p.Abschlussart = 2;
    p.Klassenstufe = 9;
    p.SchoolYear.set("2006");
    p.ClassName.set("9b");
    p.ClassTeacher.set("Mü");
    p.IssuePlace.set("Wismar");
    p.ExamDataPresent = 1;
    p.SkipInBatch = 1;
    p.Jahrgangsstufe.set("10");
    for (int k = 1; k <= 25; ++k) {
      p.Subjects[k - 1].Name.set(("Fach" + std::to_string(k)).c_str());
      p.Subjects[k - 1].Grade.set("2");
    }
    CurrentPupil = 0;
    ASSERT_TRUE(InsertPupilAfterCurrent());
    const TPupilRecord& r = Pupils[1];
    EXPECT_EQ(r.BirthDate, "  .  .1998");
    EXPECT_EQ(r.BirthDate.Len, 10);
    EXPECT_EQ(r.BirthPlace, "Rostock");
    EXPECT_EQ(r.Sex, 1);
    EXPECT_EQ(r.ReportKind, 4);
    EXPECT_EQ(r.Klassenstufe, 9);
    EXPECT_EQ(r.SchoolYear, "2006");
    EXPECT_EQ(r.ClassName, "9b");
    EXPECT_EQ(r.IssuePlace, "Wismar");
    EXPECT_EQ(r.ExamDataPresent, 1);
    // Not copied.
    EXPECT_EQ(r.HalfYear, 0);
    EXPECT_EQ(r.Abschlussart, 0);
    EXPECT_EQ(r.SkipInBatch, 0);
    EXPECT_EQ(r.Jahrgangsstufe, "--");
    const std::set<int> copied = schoolType == 3 ? std::set<int>{2, 9} : std::set<int>{4, 16};
    for (int k = 1; k <= 25; ++k) {
      EXPECT_EQ(r.Subjects[k - 1].Name.str(), copied.count(k) ? "Fach" + std::to_string(k) : "???")
          << "school type " << schoolType << " slot " << k;
      EXPECT_EQ(r.Subjects[k - 1].Grade, "-");
    }
  }
}

TEST_F(ClassTest, NewRecordLeavesHeaderWordsZeroWithoutCopy) {
  MakeClass(1);
  Pupils[0].HalfYear = 1;
  Pupils[0].Klassenstufe = 5;
  ASSERT_TRUE(InsertPupilAfterCurrent());
  EXPECT_EQ(Pupils[1].HalfYear, 0);
  EXPECT_EQ(Pupils[1].Klassenstufe, 0);
  EXPECT_EQ(Pupils[1].Abschlussart, 0);
  EXPECT_EQ(Pupils[1].SkipInBatch, 0);
}

TEST(PlaceholderRow, SurnamesThatMarkUnfilledRows) {
  const struct {
    const char* surname;
    bool placeholder;
  } cases[] = {{"???", true}, {"  - - -", true}, {"", true}, {"Meier", false}, {"?? ", false}, {" - - -", false}};
  for (const auto& c : cases) {
    TPupilRecord r = ZeroPupilRecord();
    r.Surname.set(c.surname);
    EXPECT_EQ(IsPlaceholderRow(r), c.placeholder) << c.surname;
  }
}
