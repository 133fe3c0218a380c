#include "records/ReportForm.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "settings/SchulEinst.h"

namespace quorv {
namespace {

constexpr unsigned kYears[] = {0, 2005, 2006, 2007};

ReportFormInputs Inputs(int k, int t, int l, unsigned y, int a = 0, int b = 0, int p = 0) {
  ReportFormInputs in;
  in.ReportKind = k;
  in.SchoolType = t;
  in.Klassenstufe = l;
  in.Year = y;
  in.Abschlussart = a;
  in.Klassenart = b;
  in.ExamPassed = p;
  return in;
}

// Calls f for every combination of grade level, year, Abschlussart, Klassenart
// and exam flag that the decision can tell apart.
template <typename F>
void ForAllOtherInputs(F f) {
  for (int l = 0; l <= 11; ++l)
    for (unsigned y : kYears)
      for (int a = 0; a <= 2; ++a)
        for (int b = 0; b <= 2; ++b)
          for (int p = 0; p <= 1; ++p) f(l, y, a, b, p);
}

constexpr int kDepends = -1;

// The form of each report kind (rows) and school type (columns 0..9), where it
// does not depend on the other inputs.
constexpr std::array<std::array<int, 10>, 8> kFixedCells{{
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, kDepends, kDepends, kDepends, kDepends, 5, 10, kDepends, 0, 39},
    {0, kDepends, 16, 29, 22, 6, 11, kDepends, 0, 42},
    {0, 0, 17, 28, 23, 7, 12, 41, 0, 0},
    {0, 0, kDepends, kDepends, 0, kDepends, kDepends, kDepends, 0, 40},
    {0, 0, kDepends, kDepends, 0, kDepends, kDepends, 0, 0, 0},
    {0, 0, 0, kDepends, kDepends, 0, 0, 0, 0, 0},
    {0, 0, 115, 127, 121, 105, 110, 130, 0, 0},
}};

TEST(ReportFormTest, CellsThatDependOnNothingElse) {
  for (int k = 0; k < 8; ++k)
    for (int t = 0; t < 10; ++t) {
      const int expected = kFixedCells[k][t];
      if (expected == kDepends) continue;
      ForAllOtherInputs([&](int l, unsigned y, int a, int b, int p) {
        EXPECT_EQ(DetermineReportForm(Inputs(k, t, l, y, a, b, p)), expected)
            << "K" << k << " T" << t << " L" << l << " Y" << y << " A" << a << " B" << b << " P" << p;
      });
    }
}

TEST(ReportFormTest, KindsAndTypesOutsideTheTableGiveNoForm) {
  for (int k : {8, 9, 255, 65535})
    for (int t = 0; t <= 10; ++t)
      EXPECT_EQ(DetermineReportForm(Inputs(k, t, 5, 2007)), 0) << "K" << k << " T" << t;
  for (int t : {10, 11, 65535})
    for (int k = 0; k <= 7; ++k)
      ForAllOtherInputs([&](int l, unsigned y, int a, int b, int p) {
        EXPECT_EQ(DetermineReportForm(Inputs(k, t, l, y, a, b, p)), 0);
      });
}

// One grade level of a year-dependent cell: the form before 2006 (school year
// 2005 or unreadable), in 2006 and from 2007 on.
struct LevelRow {
  int l;
  int y2005, y2006, y2007;
};

struct YearCell {
  int k, t;
  std::array<LevelRow, 12> levels;  // L 0..11
};

// Zeugnis of the four school types with the Orientierungsstufe.
const YearCell kZeugnisCells[] = {
    {1, 1, {{{0, 3, 3, 3}, {1, 1, 1, 1}, {2, 3, 3, 3}, {3, 3, 3, 3}, {4, 3, 3, 3},
             {5, 3, 104, 104}, {6, 3, 3, 104}, {7, 3, 3, 3}, {8, 3, 3, 3}, {9, 3, 3, 3},
             {10, 3, 3, 3}, {11, 3, 3, 3}}}},
    {1, 2, {{{0, 15, 15, 15}, {1, 15, 15, 15}, {2, 15, 15, 15}, {3, 15, 15, 15},
             {4, 15, 15, 15}, {5, 15, 104, 104}, {6, 15, 15, 104}, {7, 15, 15, 15},
             {8, 15, 15, 15}, {9, 15, 15, 15}, {10, 15, 15, 15}, {11, 15, 15, 15}}}},
    {1, 3, {{{0, 27, 27, 27}, {1, 27, 27, 27}, {2, 27, 27, 27}, {3, 27, 27, 27},
             {4, 27, 27, 27}, {5, 26, 104, 104}, {6, 26, 26, 104}, {7, 27, 27, 27},
             {8, 27, 27, 27}, {9, 27, 27, 27}, {10, 27, 27, 27}, {11, 27, 27, 27}}}},
    {1, 4, {{{0, 21, 21, 21}, {1, 21, 21, 21}, {2, 21, 21, 21}, {3, 21, 21, 21},
             {4, 21, 21, 21}, {5, 21, 104, 104}, {6, 21, 21, 104}, {7, 21, 21, 21},
             {8, 21, 21, 21}, {9, 21, 21, 21}, {10, 21, 21, 21}, {11, 21, 21, 21}}}},
    {2, 1, {{{0, 4, 4, 4}, {1, 2, 2, 2}, {2, 4, 4, 4}, {3, 4, 4, 4}, {4, 4, 4, 4},
             {5, 4, 4, 4}, {6, 4, 4, 4}, {7, 4, 4, 4}, {8, 4, 4, 4}, {9, 4, 4, 4},
             {10, 4, 4, 4}, {11, 4, 4, 4}}}},
};

TEST(ReportFormTest, CellsByGradeLevelAndYear) {
  for (const auto& cell : kZeugnisCells)
    for (const auto& row : cell.levels) {
      const int byYear[] = {row.y2005, row.y2005, row.y2006, row.y2007};
      for (int i = 0; i < 4; ++i)
        for (int a = 0; a <= 2; ++a)
          for (int b = 0; b <= 2; ++b)
            for (int p = 0; p <= 1; ++p)
              EXPECT_EQ(DetermineReportForm(Inputs(cell.k, cell.t, row.l, kYears[i], a, b, p)),
                        byYear[i])
                  << "K" << cell.k << " T" << cell.t << " L" << row.l << " Y" << kYears[i];
    }
}

TEST(ReportFormTest, LaterYearsKeepTheNewestRules) {
  for (unsigned y : {2008u, 2030u, 2069u}) {
    EXPECT_EQ(DetermineReportForm(Inputs(1, 2, 5, y)), 104);
    EXPECT_EQ(DetermineReportForm(Inputs(1, 2, 6, y)), 104);
    EXPECT_EQ(DetermineReportForm(Inputs(4, 5, 10, y, 1)), 20);
    EXPECT_EQ(DetermineReportForm(Inputs(5, 5, 10, y, 1)), 9);
  }
}

// The final reports: form by report kind, school type, grade level and
// Abschlussart, before 2006, in 2006 and from 2007 on.
struct FinalCase {
  int k, t, l, a;
  int y2005, y2006, y2007;
};

const FinalCase kFinalCases[] = {
    // Abschluss-Zeugnis, the same for school types 2, 3, 5 and 6.
    {4, 2, 9, 0, 8, 18, 18},    {4, 2, 9, 1, 8, 18, 18},    {4, 2, 9, 2, 8, 18, 18},
    {4, 2, 10, 0, 13, 13, 20},  {4, 2, 10, 1, 9, 9, 20},    {4, 2, 10, 2, 13, 13, 20},
    {4, 3, 9, 0, 8, 18, 18},    {4, 3, 10, 1, 9, 9, 20},    {4, 3, 10, 2, 13, 13, 20},
    {4, 5, 9, 0, 8, 18, 18},    {4, 5, 10, 0, 13, 13, 20},  {4, 5, 10, 1, 9, 9, 20},
    {4, 5, 10, 2, 13, 13, 20},  {4, 6, 9, 2, 8, 18, 18},    {4, 6, 10, 0, 13, 13, 20},
    {4, 6, 10, 1, 9, 9, 20},    {4, 5, 8, 1, 0, 0, 0},      {4, 5, 0, 0, 0, 0, 0},
    {4, 2, 11, 2, 0, 0, 0},     {4, 6, 7, 2, 0, 0, 0},
    // Qualified Abschluss-Zeugnis: the form of L 10 from 2007 on is the cell's own.
    {5, 2, 9, 0, 9, 19, 19},    {5, 2, 10, 0, 20, 20, 20},  {5, 2, 10, 1, 9, 9, 20},
    {5, 2, 10, 2, 14, 14, 20},  {5, 3, 9, 1, 9, 19, 19},    {5, 3, 10, 0, 14, 14, 14},
    {5, 3, 10, 1, 9, 9, 14},    {5, 3, 10, 2, 14, 14, 14},  {5, 5, 9, 2, 9, 19, 19},
    {5, 5, 10, 0, 9, 9, 9},     {5, 5, 10, 1, 9, 9, 9},     {5, 5, 10, 2, 14, 14, 9},
    {5, 6, 9, 0, 9, 19, 19},    {5, 6, 10, 0, 14, 14, 14},  {5, 6, 10, 1, 9, 9, 14},
    {5, 6, 10, 2, 14, 14, 14},  {5, 6, 8, 2, 0, 0, 0},      {5, 2, 0, 1, 0, 0, 0},
    {5, 5, 11, 1, 0, 0, 0},
    // Förderschule Abschluss-Zeugnis.
    {4, 7, 9, 0, 35, 35, 35},   {4, 7, 10, 1, 38, 38, 38},  {4, 7, 8, 0, 0, 0, 0},
    {4, 7, 0, 2, 0, 0, 0},
};

TEST(ReportFormTest, FinalReports) {
  for (const auto& c : kFinalCases) {
    const int byYear[] = {c.y2005, c.y2005, c.y2006, c.y2007};
    for (int i = 0; i < 4; ++i)
      for (int b = 0; b <= 2; ++b)
        for (int p = 0; p <= 1; ++p)
          EXPECT_EQ(DetermineReportForm(Inputs(c.k, c.t, c.l, kYears[i], c.a, b, p)), byYear[i])
              << "K" << c.k << " T" << c.t << " L" << c.l << " A" << c.a << " Y" << kYears[i];
  }
}

// Förderschule Zeugnis and Übergangs-Zeugnis by Klassenart and grade level.
struct FoerderRange {
  int k, b, lFrom, lTo, form;
};

const FoerderRange kFoerderRanges[] = {
    {1, 0, 0, 11, 0},  {1, 1, 0, 3, 30}, {1, 1, 4, 9, 32},  {1, 1, 10, 11, 30},
    {1, 2, 0, 6, 0},   {1, 2, 7, 10, 34}, {1, 2, 11, 11, 0}, {1, 3, 0, 11, 0},
    {2, 0, 0, 11, 0},  {2, 1, 0, 3, 31}, {2, 1, 4, 9, 33},  {2, 1, 10, 11, 31},
    {2, 2, 0, 6, 0},   {2, 2, 7, 9, 36}, {2, 2, 10, 11, 0}, {2, 3, 0, 11, 0},
};

TEST(ReportFormTest, FoerderschuleByKlassenart) {
  for (const auto& r : kFoerderRanges)
    for (int l = r.lFrom; l <= r.lTo; ++l)
      for (unsigned y : kYears)
        for (int a = 0; a <= 2; ++a)
          EXPECT_EQ(DetermineReportForm(Inputs(r.k, 7, l, y, a, r.b)), r.form)
              << "K" << r.k << " B" << r.b << " L" << l << " Y" << y;
}

TEST(ReportFormTest, TransferToTheUpperSecondaryLevel) {
  for (int t : {3, 4})
    for (int l = 0; l <= 11; ++l)
      for (int p : {0, 1, 2})
        for (unsigned y : kYears) {
          const int expected = (l == 10 && p == 1) ? 24 : 25;
          EXPECT_EQ(DetermineReportForm(Inputs(6, t, l, y, 0, 0, p)), expected)
              << "T" << t << " L" << l << " P" << p;
        }
}

// The decision on whole records, with the school type of the settings.
class ReportFormRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedType_ = SchoolSettings.SchoolType;
    rec_ = ZeroPupilRecord();
    rec_.SchoolYear.set("???");
  }
  void TearDown() override { SchoolSettings.SchoolType = savedType_; }

  int Decide(int schoolType, int kind, int level, const std::string& year, int a = 0, int b = 0,
             int passed = 0) {
    SchoolSettings.SchoolType = static_cast<std::uint16_t>(schoolType);
    rec_.ReportKind = static_cast<std::uint16_t>(kind);
    rec_.Klassenstufe = static_cast<std::uint16_t>(level);
    rec_.SchoolYear.set(year);
    rec_.Abschlussart = static_cast<std::uint16_t>(a);
    rec_.Klassenart = static_cast<std::uint16_t>(b);
    rec_.ExamPassed = static_cast<std::uint16_t>(passed);
    return DetermineReportForm(rec_);
  }

  std::uint16_t savedType_ = 0;
  TPupilRecord rec_{};
};

TEST_F(ReportFormRecordTest, ExamplesWithSchoolYearTexts) {
  struct Case {
    int t, k, l;
    std::string year;
    int a, b, p;
    int form;
  };
  const Case cases[] = {
      {2, 1, 5, "2005", 0, 0, 0, 15},  {2, 1, 5, "2006", 0, 0, 0, 104},
      {2, 1, 5, "06", 0, 0, 0, 104},   {2, 1, 5, "???", 0, 0, 0, 15},
      {2, 1, 5, "6", 0, 0, 0, 104},    {2, 1, 5, "1999", 0, 0, 0, 15},
      {2, 1, 5, "2070", 0, 0, 0, 15},  {2, 1, 6, "2006", 0, 0, 0, 15},
      {2, 1, 6, "2007", 0, 0, 0, 104}, {5, 4, 9, "2005", 0, 0, 0, 8},
      {5, 4, 9, "2006", 0, 0, 0, 18},  {5, 4, 10, "2006", 1, 0, 0, 9},
      {5, 4, 10, "2006", 2, 0, 0, 13}, {5, 4, 10, "2006", 0, 0, 0, 13},
      {5, 4, 10, "2007", 0, 0, 0, 20}, {5, 4, 10, "2007", 1, 0, 0, 20},
      {5, 4, 10, "2007", 2, 0, 0, 20}, {5, 4, 8, "2006", 0, 0, 0, 0},
      {6, 5, 10, "2006", 2, 0, 0, 14}, {6, 5, 10, "2006", 0, 0, 0, 14},
      {5, 5, 10, "2006", 2, 0, 0, 14}, {5, 5, 10, "2006", 0, 0, 0, 9},
      {4, 6, 10, "2006", 0, 0, 1, 24}, {4, 6, 9, "2006", 0, 0, 1, 25},
      {1, 3, 4, "2006", 0, 0, 0, 0},   {9, 7, 5, "2006", 0, 0, 0, 0},
      {7, 1, 6, "2006", 0, 2, 0, 0},   {7, 1, 7, "2006", 0, 2, 0, 34},
      {0, 1, 5, "2006", 0, 0, 0, 0},   {8, 1, 5, "2006", 0, 0, 0, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Decide(c.t, c.k, c.l, c.year, c.a, c.b, c.p), c.form)
        << "T" << c.t << " K" << c.k << " L" << c.l << " year \"" << c.year << '"';
}

TEST_F(ReportFormRecordTest, UsesTheSettingsSchoolTypeNotTheRecords) {
  rec_.CreatedSchoolType = 4;
  EXPECT_EQ(Decide(2, 1, 7, "2006"), 15);
  rec_.CreatedSchoolType = 2;
  EXPECT_EQ(Decide(4, 1, 7, "2006"), 21);
  EXPECT_EQ(DetermineReportForm(rec_, 5), 5);
}

TEST_F(ReportFormRecordTest, LeavesTheRecordUnchanged) {
  Decide(3, 1, 5, "06");
  const TPupilRecord before = rec_;
  EXPECT_EQ(DetermineReportForm(rec_), 104);
  EXPECT_EQ(std::memcmp(&before, &rec_, sizeof rec_), 0);
  EXPECT_EQ(rec_.SchoolYear.str(), "06");
}

}  // namespace
}  // namespace quorv
