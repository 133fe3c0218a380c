#include "records/GradeCodes.h"

#include <gtest/gtest.h>

#include <string>

namespace quorv {
namespace {

TEST(GradeCodesTest, CodeSetHoldsExactlyTheTwentySevenCharacters) {
  const std::string expected = "-012345678ABEKNOTU_abeknotu";
  EXPECT_EQ(kGradeCodeSet.size(), 27u);
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    EXPECT_EQ(IsGradeCode(c), expected.find(c) != std::string::npos) << "byte " << b;
  }
}

TEST(GradeCodesTest, NormalizeGradeCode) {
  struct Case {
    std::string typed, code;
  };
  const Case cases[] = {
      {"2", "2"},   {"x", "x"},     {"", "-"},    {"x 2", "2"},  {"gut", "u"},
      {"xyz", "?"}, {"n.t.", "n"},  {" ", " "},   {"  ", "?"},   {"9", "9"},
      {"99", "?"},  {"-3", "-"},    {"12", "1"},  {"\xFC", "\xFC"}, {"sehr gut", "e"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeGradeCode(c.typed), c.code) << '"' << c.typed << '"';
}

TEST(GradeCodesTest, GradeToTextForEveryCodeInBothModes) {
  struct Case {
    std::string code;
    const char* plain;  // UTF-8
    const char* words;
  };
  const Case cases[] = {
      {"1", "1", "sehr gut"},
      {"2", "2", "gut"},
      {"3", "3", "befriedigend"},
      {"4", "4", "ausreichend"},
      {"5", "5", "mangelhaft"},
      {"6", "6", "ungenügend"},
      {"7", "7", "---"},
      {"8", "8", "---"},
      {"U", "U", "---"},
      {"u", "u", "---"},
      {"0", "nicht beurteilbar", "nicht beurteilbar"},
      {"o", "nicht beurteilbar", "nicht beurteilbar"},
      {"O", "nicht beurteilbar", "nicht beurteilbar"},
      {"k", "nicht beurteilbar", "nicht beurteilbar"},
      {"K", "nicht beurteilbar", "nicht beurteilbar"},
      {"n", "nicht teilgenommen", "nicht teilgenommen"},
      {"N", "nicht teilgenommen", "nicht teilgenommen"},
      {"a", "befreit", "befreit"},
      {"A", "befreit", "befreit"},
      {"b", "befreit", "befreit"},
      {"B", "befreit", "befreit"},
      {"t", "teilgenommen", "teilgenommen"},
      {"T", "teilgenommen", "teilgenommen"},
      {"e", "nicht erteilt", "nicht erteilt"},
      {"E", "nicht erteilt", "nicht erteilt"},
      {"-", "---", "---"},
      {"_", "---", "---"},
      // Outside the set, and codes that are not one character long.
      {"x", "x", "---"},
      {"?", "?", "---"},
      {"", "", "---"},
      {"12", "12", "---"},
      {"kk", "kk", "---"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GradeToText(c.code, false), QString::fromUtf8(c.plain)) << '"' << c.code << '"';
    EXPECT_EQ(GradeToText(c.code, true), QString::fromUtf8(c.words)) << '"' << c.code << '"';
  }
}

TEST(GradeCodesTest, GradeToTextDecodesACp1252Code) {
  EXPECT_EQ(GradeToText("\xFC", false), QString::fromUtf8("ü"));
}

TEST(GradeCodesTest, GradeNumbersRoundTrip) {
  for (int n = 1; n <= 8; ++n) {
    const std::string c = GradeNumberToChar(n);
    EXPECT_EQ(c, std::string(1, static_cast<char>('0' + n)));
    EXPECT_EQ(GradeCharToNumber(c), n);
  }
  for (int n : {-1, 0, 9, 10, 49, 1000}) EXPECT_EQ(GradeNumberToChar(n), "-") << n;
}

TEST(GradeCodesTest, GradeCharToNumberLooksAtTheFirstCharacterOnly) {
  struct Case {
    std::string code;
    int number;
  };
  const Case cases[] = {{"", 0},  {"-", 0}, {"0", 0}, {"9", 0},  {"k", 0},
                        {"x3", 0}, {"3x", 3}, {"8", 8}, {"12", 1}, {" 2", 0}};
  for (const auto& c : cases) EXPECT_EQ(GradeCharToNumber(c.code), c.number) << '"' << c.code << '"';
}

TEST(GradeCodesTest, CourseLevelLetters) {
  struct Case {
    std::string letter, regS, gesamt;
  };
  const Case cases[] = {
      {"-", "-", "-"}, {"_", "-", "-"}, {"", "-", "-"},  {"G", "-", "G"}, {"g", "-", "G"},
      {"B", "B", "B"}, {"b", "B", "B"}, {"H", "B", "B"}, {"h", "B", "B"}, {"E", "M", "E"},
      {"e", "M", "E"}, {"M", "M", "E"}, {"m", "M", "E"}, {"R", "M", "E"}, {"r", "M", "E"},
      {"X", "-", "-"}, {"Rx", "M", "E"}, {"xR", "-", "-"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CourseLevelLetterRegS(c.letter), c.regS) << '"' << c.letter << '"';
    EXPECT_EQ(CourseLevelLetterGesamt(c.letter), c.gesamt) << '"' << c.letter << '"';
  }
}

TEST(GradeCodesTest, CourseLevelListsInOrder) {
  InitCourseLevelLists();
  InitCourseLevelLists();  // a second call leaves the same lists
  EXPECT_EQ(CourseLevelList, QStringList({"-", "B", "E", "G", "H", "R", "M"}));
  EXPECT_EQ(CourseLevelListNoG, QStringList({"-", "B", "E", "H", "R", "M"}));
}

TEST(GradeCodesTest, YearFromText) {
  struct Case {
    std::string text;
    std::uint16_t year;
  };
  const Case cases[] = {
      {"2006", 2006}, {"06", 2006},  {"6", 2006},    {"99", 1999},   {"70", 1970},
      {"69", 2069},   {"1", 2001},   {"2000", 2000}, {"2069", 2069}, {"1999", 0},
      {"2070", 0},    {"???", 0},    {"20 6", 0},    {"", 0},        {"0", 0},
      {"-5", 0},      {"100", 0},    {"+7", 2007},   {"  2005", 2005}, {"2005 ", 0},
      {"20a6", 0},    {"-", 0},      {"+", 0},       {"99999999999999999999", 0},
      {"0006", 2006}, {"- 5", 0},     {"\t2006", 0}, {" \t2006", 0}, {"\n2006", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(YearFromText(c.text), c.year) << '"' << c.text << '"';
}

TEST(GradeCodesTest, SecondYearOfSchoolYear) {
  struct Case {
    std::string s, sAfter, r;
  };
  const Case cases[] = {
      {"2006", "2006", "2007"},
      {"2069", "2069", "2070"},
      {"2075", "2075", "????"},
      {"1999", "1999", "????"},
      {"????", "????", "????"},
      {"  06", "  06", "2007"},
      {"06", "2006", "2007"},
      {"00", "2000", "2001"},
      {"99", "2099", "2100"},
      {"-5", "?" "?-5", "????"},
      {"ab", "ab", ""},
      {" 6", " 6", ""},
      {"200", "200", ""},
      {"", "", ""},
      {"20067", "20067", ""},
      // A sign stays out of the normalised year.
      {"+5", "2005", "2006"},
      {"-0", "2000", "2001"},
  };
  for (const auto& c : cases) {
    std::string s = c.s;
    std::string r = "unchanged";
    SecondYearOfSchoolYear(s, r);
    EXPECT_EQ(s, c.sAfter) << '"' << c.s << '"';
    EXPECT_EQ(r, c.r) << '"' << c.s << '"';
    EXPECT_EQ(SecondYearOfSchoolYear(std::string_view(c.s)), c.r) << '"' << c.s << '"';
  }
}

}  // namespace
}  // namespace quorv
