#include "records/TextWrap.h"

#include <gtest/gtest.h>

#include <QTextEdit>
#include <cstring>
#include <string>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/FolderChooser.h"
#include "support/ScriptedFolderChooser.h"
#include "platform/Registry.h"

using namespace quorv;

namespace {

// A line array whose every line holds a marker, to see which lines were written.
TTextLines MarkedLines() {
  TTextLines lines{};
  for (auto& l : lines) l.set("#marker#");
  return lines;
}

std::vector<std::string> LinesOf(const TTextLines& lines, int n) {
  std::vector<std::string> out;
  for (int i = 0; i < n; ++i) out.push_back(lines[static_cast<std::size_t>(i)].str());
  return out;
}

std::string Cp(const QString& s) { return platform::EncodeCp1252(s); }

// A test font: "W" twice as wide as the other characters, a blank half as wide.
TCharWidths TestWidths() {
  TCharWidths widths;
  widths.Advance.fill(10);
  widths.Reach.fill(10);
  widths.Advance['W'] = widths.Reach['W'] = 20;
  widths.Advance[' '] = widths.Reach[' '] = 5;
  return widths;
}
const TCharWidths kTestWidths = TestWidths();
// Room for any line of 130 characters.
const TLineWidthLimit kAmpleRoom{&kTestWidths, 2600};

std::string NonBlanks(std::string_view s) {
  std::string out;
  for (char c : s)
    if (c != ' ' && c != '\r' && c != '\n') out += c;
  return out;
}

// ---------------------------------------------------------------- WrapText

struct WrapCase {
  const char* name;
  std::string text;
  int n;
  int w;
  std::vector<std::string> lines;  // expected lines 0..n-1
  friend void PrintTo(const WrapCase& c, std::ostream* os) { *os << c.name; }
};

class WrapTextCases : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapTextCases, Lines) {
  const WrapCase& c = GetParam();
  TTextLines lines = MarkedLines();
  WrapText(c.text, c.n, lines, c.w);
  EXPECT_EQ(LinesOf(lines, c.n), c.lines);
  for (int i = c.n; i < kMaxTextLines; ++i)
    EXPECT_EQ(lines[static_cast<std::size_t>(i)].str(), "#marker#") << "line " << i;
  TTextLines ample{};
  WrapText(c.text, c.n, ample, c.w, kAmpleRoom);
  EXPECT_EQ(LinesOf(ample, c.n), c.lines) << "with ample room";
}

INSTANTIATE_TEST_SUITE_P(
    TextWrap, WrapTextCases,
    ::testing::Values(
        WrapCase{"WordsMoveWhole", "Das ist ein Test", 3, 10, {"Das ist ", "ein Test", ""}},
        WrapCase{"BlankAtFullLineDropped", "abcdefghij klm", 2, 10, {"abcdefghij", "klm"}},
        WrapCase{"OverlongWordStops", "abcdefghijklmnopqrstuvwxy", 3, 10, {"", "", ""}},
        WrapCase{"OverlongWordAfterText", "ab abcdefghijkl xy", 3, 5, {"ab ", "", ""}},
        WrapCase{"CrLf", "A\r\nB", 3, 10, {"A", "B", ""}},
        WrapCase{"BareCr", "A\rB", 2, 10, {"A", "B"}},
        WrapCase{"BareLf", "A\nB", 2, 10, {"A", "B"}},
        WrapCase{"EmptyParagraphCrLf", "A\r\n\r\nB", 3, 10, {"A", "", "B"}},
        WrapCase{"EmptyParagraphLf", "A\n\nB", 3, 10, {"A", "", "B"}},
        WrapCase{"BareLfInsideWrappedLine", "ab cd\nefgh", 3, 6, {"ab cd", "efgh", ""}},
        WrapCase{"BareLfBeforeOverflow", "ab cdefg\nhi", 3, 6, {"ab ", "cdefg", "hi"}},
        WrapCase{"HyphenStaysAtLineEnd", "Mathe-Test", 2, 6, {"Mathe-", "Test"}},
        WrapCase{"HyphenAtFullLineDropped", "abcdef-gh", 2, 6, {"abcdef", "gh"}},
        WrapCase{"ControlCharEndsText", "ab\tcd", 2, 10, {"ab", ""}},
        WrapCase{"NulEndsText", std::string("ab\0cd", 5), 2, 10, {"ab", ""}},
        WrapCase{"TextLongerThanLines", "aa bb cc dd", 2, 3, {"aa ", "bb "}},
        WrapCase{"CrAtLastLine", "aa\r\nbb", 1, 10, {"aa"}},
        // Lines filled to the brim with dropped blanks and CR LF in between:
        // nothing of the text is lost.
        WrapCase{"FullLinesKeepEveryChar", "abc def ghi", 3, 3, {"abc", "def", "ghi"}},
        WrapCase{"FullLinesCrLfKeepEveryChar", "aaa\r\nbbb\r\nccc", 3, 3, {"aaa", "bbb", "ccc"}},
        WrapCase{"Cp1252NotAnEnd", Cp(QStringLiteral("Größe über Ärger")), 3, 6,
                 {Cp(QStringLiteral("Größe ")), Cp(QStringLiteral("über ")),
                  Cp(QStringLiteral("Ärger"))}},
        WrapCase{"QuotesAndDash", Cp(QStringLiteral("„Zitat“ – 5 €")), 1, 40,
                 {Cp(QStringLiteral("„Zitat“ – 5 €"))}},
        WrapCase{"LfCr", "A\n\rB", 3, 10, {"A", "B", ""}},
        WrapCase{"LfCrAfterEmptyLine", "A\n\n\rB", 3, 10, {"A", "", "B"}},
        // Above 130 characters a line is cut at 130; a longer word within the
        // width keeps its first 130 characters, one longer than the width stops.
        WrapCase{"WordAbove130WithinWidth", std::string(140, 'a') + " bbb", 3, 150,
                 {std::string(130, 'a'), "bbb", ""}},
        WrapCase{"WordAbove130AfterText", "cc " + std::string(140, 'a') + " dd", 3, 150,
                 {"cc ", std::string(130, 'a'), "dd"}},
        WrapCase{"WordAbove130ExactlyTheWidth", std::string(150, 'a') + " dd", 3, 150,
                 {std::string(130, 'a'), "dd", ""}},
        WrapCase{"WordLongerThanWidthAfterText", "cc " + std::string(160, 'a') + " dd", 3, 150, {"cc ", "", ""}},
        WrapCase{"WordLongerThanWidthFirst", std::string(160, 'a') + " dd", 2, 150, {"", ""}},
        WrapCase{"WordLongerThan130AtWidth130", std::string(140, 'a') + " dd", 2, 130, {"", ""}},
        WrapCase{"ZeroWidth", "abc", 2, 0, {"", ""}},
        WrapCase{"EmptyText", "", 2, 10, {"", ""}}),
    [](const ::testing::TestParamInfo<WrapCase>& info) { return std::string(info.param.name); });

TEST(TextWrap, LineCountOutsideRangeEmptiesAllLines) {
  for (int n : {0, -1, 26, 100}) {
    TTextLines lines = MarkedLines();
    WrapText("Das ist ein Test", n, lines, 10);
    for (int i = 0; i < kMaxTextLines; ++i)
      EXPECT_EQ(lines[static_cast<std::size_t>(i)].length(), 0) << "n=" << n << " line " << i;
  }
}

TEST(TextWrap, TwentyFiveLines) {
  std::string text;
  for (int i = 1; i <= 26; ++i) text += "Zeile " + std::to_string(i) + "\r\n";
  TTextLines lines = MarkedLines();
  WrapText(text, 25, lines, 20);
  for (int i = 0; i < 25; ++i)
    EXPECT_EQ(lines[static_cast<std::size_t>(i)].str(), "Zeile " + std::to_string(i + 1));
}

TEST(TextWrap, ReadsNoCharacterBehindTheArray) {
  // A record text without NUL (as a damaged file may hold it), followed by
  // more bytes in memory.
  struct {
    platform::CharArray<8> text;
    char behind[8];
  } mem;
  std::memcpy(mem.text.Chars, "abcdefgh", 8);
  std::memcpy(mem.behind, "XYZXYZXY", 8);
  TTextLines lines = MarkedLines();
  WrapAndStrike(mem.text, 25, lines, 130, StrikeNone, "-");
  EXPECT_EQ(lines[0].str(), "abcdefgh");
  EXPECT_EQ(lines[1].length(), 0);
}

TEST(TextWrap, WidthAboveLineCapacityLosesNothing) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "wort ";
  TTextLines lines{};
  WrapText(text, 3, lines, 200);
  EXPECT_EQ(lines[0].length(), kLineCapacity);
  EXPECT_EQ(NonBlanks(lines[0].str() + lines[1].str() + lines[2].str()), NonBlanks(text));
}

TEST(TextWrap, EveryWidthKeepsEveryWordInOrder) {
  const std::string text =
      "Er hat im Fach Kunst gut mit\r\ngearbeitet und\nzeigt viel Fleiß bei den Aufgaben am Tag";
  for (int w = 10; w <= 60; ++w) {
    TTextLines lines{};
    WrapText(text, kMaxTextLines, lines, w);
    std::string joined;
    for (const auto& l : lines) {
      EXPECT_LE(l.length(), w) << "w=" << w;
      joined += l.str();
    }
    EXPECT_EQ(NonBlanks(joined), NonBlanks(text)) << "w=" << w;
  }
}

// ----------------------------------------------------------- WrapAndStrike

struct StrikeCase {
  const char* name;
  std::string text;
  int mode;
  int n;
  int w;
  std::string strikeChar;
  std::vector<std::string> lines;
  friend void PrintTo(const StrikeCase& c, std::ostream* os) { *os << c.name; }
};

class WrapAndStrikeCases : public ::testing::TestWithParam<StrikeCase> {};

TEST_P(WrapAndStrikeCases, Lines) {
  const StrikeCase& c = GetParam();
  TTextLines lines = MarkedLines();
  WrapAndStrike(c.text, c.n, lines, c.w, c.mode, c.strikeChar);
  EXPECT_EQ(LinesOf(lines, c.n), c.lines);
  for (int i = c.n; i < kMaxTextLines; ++i)
    EXPECT_EQ(lines[static_cast<std::size_t>(i)].str(), "#marker#") << "line " << i;
}

const std::string k30(30, 'x');
const std::string k33 = std::string(32, 'x') + "y";
const std::string k20(20, 'x');
const std::string k40Strike(40, '-');
const std::string kDefaultText = "  - - - - -";

INSTANTIATE_TEST_SUITE_P(
    TextWrap, WrapAndStrikeCases,
    ::testing::Values(
        StrikeCase{"Mode0", "Das ist ein Test", 0, 4, 10, "-", {"Das ist ", "ein Test", "", ""}},
        StrikeCase{"Mode1", "Das ist ein Test", 1, 5, 10, "-",
                   {"Das ist ", "ein Test", "-----", "", ""}},
        StrikeCase{"Mode1EndsInStrike", "Das ist ein\r\nTest - -", 1, 5, 20, "-",
                   {"Das ist ein", "Test - -", "", "", ""}},
        StrikeCase{"Mode1AllLinesUsed", "Das ist ein Test", 1, 2, 10, "-", {"Das ist ", "ein Test"}},
        StrikeCase{"Mode1DefaultText", kDefaultText, 1, 3, 40, "-", {kDefaultText, "", ""}},
        StrikeCase{"Mode2", "Das ist ein Test", 2, 5, 10, "-",
                   {"Das ist ", "ein Test", "-----", "-----", "-----"}},
        StrikeCase{"Mode2OtherChar", "abc", 2, 3, 10, "*", {"abc", "*****", "*****"}},
        StrikeCase{"Mode2TextEndsInStrike", "abc - -", 2, 2, 10, "-", {"abc - -", "-----"}},
        StrikeCase{"Mode3", "abc", 3, 4, 40, "-", {"abc", k40Strike, k40Strike, k40Strike}},
        StrikeCase{"Mode4Appends", k30, 4, 3, 40, "-", {k30 + " -----", "", ""}},
        StrikeCase{"Mode4NextLine", k33, 4, 3, 40, "-", {k33, "-----", ""}},
        StrikeCase{"Mode4OnLastLine", k33, 4, 1, 40, "-", {k33}},
        StrikeCase{"Mode4DefaultText", kDefaultText, 4, 2, 40, "-", {kDefaultText, ""}},
        StrikeCase{"Mode5FillsLastLine", k20, 5, 3, 40, "-",
                   {k20 + std::string(20, '-'), k40Strike, k40Strike}},
        StrikeCase{"Mode5LongLastLineKept", std::string(34, 'x'), 5, 2, 40, "-",
                   {std::string(34, 'x'), k40Strike}},
        StrikeCase{"Mode6Nothing", "abc", 6, 2, 10, "-", {"abc", ""}},
        StrikeCase{"NegativeModeNothing", "abc", -1, 2, 10, "-", {"abc", ""}},
        // An empty text: every line counts as unused.
        StrikeCase{"EmptyMode1", "", 1, 3, 10, "-", {"-----", "", ""}},
        StrikeCase{"EmptyMode2", "", 2, 2, 10, "-", {"-----", "-----"}},
        StrikeCase{"EmptyMode3", "", 3, 2, 5, "=", {"=====", "====="}},
        StrikeCase{"EmptyMode4", "", 4, 2, 10, "-", {"-----", ""}},
        StrikeCase{"EmptyMode5", "", 5, 2, 8, "-", {"--------", "--------"}},
        // An empty strike character strikes nothing.
        StrikeCase{"NoStrikeCharMode2", "abc", 2, 2, 10, "", {"abc", ""}},
        StrikeCase{"NoStrikeCharMode5", "abc", 5, 2, 10, "", {"abc", ""}}),
    [](const ::testing::TestParamInfo<StrikeCase>& info) { return std::string(info.param.name); });

// ----------------------------------------------------------- the width limit

// Three lines in the test font with the room given: lines, strikes and the
// measure of the text.
struct WidthCase {
  const char* name;
  std::string text;
  double room;
  int mode;
  std::vector<std::string> lines;
  int measuredLines;
  std::string longWord;
  int unplacedWords = 0;
  friend void PrintTo(const WidthCase& c, std::ostream* os) { *os << c.name; }
};

class WidthLimitCases : public ::testing::TestWithParam<WidthCase> {};

TEST_P(WidthLimitCases, Lines) {
  const WidthCase& c = GetParam();
  const TLineWidthLimit limit{&kTestWidths, c.room};
  TTextLines lines{};
  WrapAndStrike(c.text, 3, lines, 20, c.mode, "-", limit);
  EXPECT_EQ(LinesOf(lines, 3), c.lines);
  const TWrapMeasure measure = MeasureWrappedText(c.text, 20, limit);
  EXPECT_EQ(measure.Lines, c.measuredLines);
  EXPECT_EQ(measure.LongWord, c.longWord);
  EXPECT_EQ(measure.UnplacedWords, c.unplacedWords);
}

INSTANTIATE_TEST_SUITE_P(
    TextWrap, WidthLimitCases,
    ::testing::Values(
        WidthCase{"WideWordMovesWhole", "aa WW bb", 50, 0, {"aa ", "WW ", "bb"}, 3, ""},
        WidthCase{"TrailingBlankDoesNotCount", "aaaaa bb", 50, 0, {"aaaaa ", "bb", ""}, 2, ""},
        WidthCase{"BreaksAfterHyphen", "aa-bbbb", 50, 0, {"aa-", "bbbb", ""}, 2, ""},
        WidthCase{"EachParagraphLineHasTheRoom", "WW\r\nWW", 45, 0, {"WW", "WW", ""}, 2, ""},
        WidthCase{"WordWiderThanALineStops", "aa WWW bb\r\n cc", 50, 0, {"aa ", "", ""}, 1, "WWW", 3},
        WidthCase{"FillLinesWithinTheRoom", "aa", 50, 3, {"aa", "-----", "-----"}, 1, ""},
        WidthCase{"EndSequenceOnTheNextLine", "aaaa", 60, 4, {"aaaa", "-----", ""}, 1, ""},
        WidthCase{"FilledLastLineWithinTheRoom", "aa", 50, 5, {"aa---", "-----", "-----"}, 1, ""}),
    [](const ::testing::TestParamInfo<WidthCase>& info) { return std::string(info.param.name); });

TEST(TextWrap, EveryLineCountAndModeStaysInsideTheLines) {
  for (int n = 1; n <= kMaxTextLines; ++n) {
    for (int mode = 0; mode <= 6; ++mode) {
      for (const char* text : {"", "Ein Satz.", "Ein Satz mit\r\nzwei Zeilen"}) {
        TTextLines lines = MarkedLines();
        WrapAndStrike(std::string_view(text), n, lines, 30, mode, "-");
        for (int i = n; i < kMaxTextLines; ++i)
          ASSERT_EQ(lines[static_cast<std::size_t>(i)].str(), "#marker#")
              << "n=" << n << " mode=" << mode << " line " << i;
        for (int i = 0; i < n; ++i)
          ASSERT_LE(lines[static_cast<std::size_t>(i)].length(), 30)
              << "n=" << n << " mode=" << mode << " line " << i;
      }
    }
  }
}

TEST(TextWrap, AllModesAtTwentyFiveLines) {
  struct Expect {
    int mode;
    std::string line1;   // the line after the text
    std::string line24;  // the last line
  };
  const Expect table[] = {
      {0, "", ""},
      {1, "-----", ""},
      {2, "-----", "-----"},
      {3, std::string(30, '-'), std::string(30, '-')},
      {4, "", ""},  // the end sequence goes onto the text's line
      {5, std::string(30, '-'), std::string(30, '-')},
  };
  for (const Expect& e : table) {
    TTextLines lines = MarkedLines();
    WrapAndStrike(std::string_view("Text"), 25, lines, 30, e.mode, "-");
    EXPECT_EQ(lines[1].str(), e.line1) << "mode " << e.mode;
    EXPECT_EQ(lines[24].str(), e.line24) << "mode " << e.mode;
  }
}

// ------------------------------------------------------------ EndsWithStrike

TEST(TextWrap, EndsWithStrike) {
  const struct {
    const char* line;
    bool expected;
  } table[] = {
      {"Text --", true}, {"Text - -", true}, {"- x", false},       {"-", false},
      {"", false},       {"--", true},       {"x- -yz", true},     {"--abcdef", false},
      {"a-b-c", false},  {"  - - - - -", true}, {"abc-", false},
  };
  for (const auto& t : table) EXPECT_EQ(EndsWithStrike(t.line), t.expected) << t.line;
}

// -------------------------------------------------- DateWithoutLeadingZeros

TEST(TextWrap, DateWithoutLeadingZeros) {
  const struct {
    const char* date;
    const char* expected;
  } table[] = {
      {"05.03.1998", "5.3.1998"}, {"15.10.2006", "15.10.2006"}, {"  .  .20  ", " . .20  "},
      {"5.3.1998", "5.3.1998"},   {"5.03.1998", "5.3.1998"},    {"15.3.1998", "15.3.1998"},
      {"_5._3.2000", "5.3.2000"}, {"", ""},                     {"05", "5"},
      {"15", "15"},
  };
  for (const auto& t : table)
    EXPECT_EQ(DateWithoutLeadingZeros(QString::fromLatin1(t.date)), QString::fromLatin1(t.expected))
        << t.date;
}

// ----------------------------------------- BytesToWideString / WideStringToBuffer

TEST(TextWrap, BufferRoundTripOverEveryByte) {
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
  const QString wide = BytesToWideString(bytes.data(), static_cast<int>(bytes.size()));
  ASSERT_EQ(wide.size(), 255);
  std::vector<char> buffer(300, 'x');
  int length = -1;
  WideStringToBuffer(wide, length, buffer.data(), 255);
  EXPECT_EQ(length, 255);
  EXPECT_EQ(std::string(buffer.data(), 255), bytes);
  EXPECT_EQ(buffer[255], '\0');
  EXPECT_EQ(buffer[256], 'x');  // a[0..size] only
}

TEST(TextWrap, Cp1252PunctuationStaysPrintable) {
  const struct {
    char16_t ch;
    unsigned char byte;
  } table[] = {{u'„', 0x84}, {u'“', 0x93}, {u'–', 0x96}, {u'€', 0x80}, {u'ä', 0xE4}, {u'ß', 0xDF}};
  for (const auto& t : table) {
    platform::CharArray<4> a;
    EXPECT_EQ(WideStringToBuffer(QString(QChar(t.ch)), a), 1);
    EXPECT_EQ(static_cast<unsigned char>(a.Chars[0]), t.byte);
    EXPECT_EQ(BytesToWideString(a.Chars, 4), QString(QChar(t.ch)));
  }
}

TEST(TextWrap, QuotedRemarkPrintsWhole) {
  platform::CharArray<501> remarks;
  StoreEditText(QStringLiteral("„Sehr gut“ – Preis 5 €\nZweite Zeile"), remarks);
  TTextLines lines{};
  WrapAndStrike(remarks, 3, lines, 40, StrikeFirstUnused, "-");
  EXPECT_EQ(lines[0].text(), QStringLiteral("„Sehr gut“ – Preis 5 €"));
  EXPECT_EQ(lines[1].text(), QStringLiteral("Zweite Zeile"));
  EXPECT_EQ(lines[2].text(), QStringLiteral("-----"));
}

TEST(TextWrap, StoreCutsToCapacity) {
  platform::CharArray<2001> a;
  std::memset(a.Chars, 'x', sizeof a.Chars);
  const QString s(2500, QChar(u'ü'));
  EXPECT_EQ(WideStringToBuffer(s, a), 2000);
  EXPECT_EQ(a.bytes().size(), 2000u);
  EXPECT_EQ(a.Chars[2000], '\0');
  EXPECT_EQ(static_cast<unsigned char>(a.Chars[1999]), 0xFC);
}

TEST(TextWrap, StoreZeroFillsBehindText) {
  platform::CharArray<11> a;
  std::memset(a.Chars, 'x', sizeof a.Chars);
  EXPECT_EQ(WideStringToBuffer(QStringLiteral("ab"), a), 2);
  for (int i = 2; i < 11; ++i) EXPECT_EQ(a.Chars[i], '\0') << i;
}

TEST(TextWrap, CharactersOutsideCp1252BecomeOneQuestionMark) {
  platform::CharArray<11> a;
  EXPECT_EQ(WideStringToBuffer(QStringLiteral("a→b") + QString::fromUcs4(U"\U0001F600") + "c", a), 5);
  EXPECT_EQ(a.str(), "a?b?c");
}

TEST(TextWrap, BytesToWideStringStopsAtNulAndCount) {
  const char bytes[] = {'a', 'b', '\0', 'c'};
  EXPECT_EQ(BytesToWideString(bytes, 4), QStringLiteral("ab"));
  EXPECT_EQ(BytesToWideString(bytes, 1), QStringLiteral("a"));
  EXPECT_EQ(BytesToWideString(bytes, 0), QString());
}

// ------------------------------------------------------------- line ends

TEST(TextWrap, RecordLineEnds) {
  const struct {
    const char16_t* edit;
    const char16_t* record;
  } table[] = {
      {u"a\nb", u"a\r\nb"},         {u"a\r\nb", u"a\r\nb"},     {u"a\rb", u"a\r\nb"},
      {u"a\u2029b", u"a\r\nb"},     {u"a\u2028b", u"a\r\nb"},   {u"a\n\nb", u"a\r\n\r\nb"},
      {u"a\n", u"a\r\n"},           {u"ab", u"ab"},
  };
  for (const auto& t : table)
    EXPECT_EQ(ToRecordLineEnds(QString::fromUtf16(t.edit)), QString::fromUtf16(t.record));
}

TEST(TextWrap, EditLineEnds) {
  EXPECT_EQ(ToEditLineEnds(QStringLiteral("a\r\nb\r\n\r\nc")), QStringLiteral("a\nb\n\nc"));
  EXPECT_EQ(ToEditLineEnds(QStringLiteral("a\rb")), QStringLiteral("a\nb"));
  EXPECT_EQ(ToEditLineEnds(QStringLiteral("a\nb")), QStringLiteral("a\nb"));
}

TEST(TextWrap, TextEditRoundTripKeepsRecordBytes) {
  platform::CharArray<2001> original;
  original.set(Cp(QStringLiteral("Erste Zeile – „gut“\r\n\r\nDritte Zeile 5 €")));
  QTextEdit edit;
  edit.setPlainText(LoadEditText(original));
  EXPECT_EQ(edit.document()->blockCount(), 3);
  platform::CharArray<2001> stored;
  StoreEditText(edit.toPlainText(), stored);
  EXPECT_EQ(stored.str(), original.str());
}

// ------------------------------------------------------- StrToCharArray256

TEST(TextWrap, StrToCharArray256) {
  const TCharArray256 a = StrToCharArray256(std::string(300, 'a'));
  EXPECT_EQ(std::string(a.data()), std::string(255, 'a'));
  EXPECT_EQ(a[255], '\0');

  const TCharArray256 b = StrToCharArray256(QStringLiteral("Grüße"));
  EXPECT_EQ(std::string(b.data()), Cp(QStringLiteral("Grüße")));
  for (std::size_t i = 5; i < b.size(); ++i) EXPECT_EQ(b[i], '\0');
}

// ------------------------------------------------------------- BrowseForFolder

using testsupport::ScriptedFolderChooser;

TEST(TextWrap, BrowseForFolder) {
  const struct {
    std::optional<QString> answer;
    QString expected;
  } table[] = {
      {QStringLiteral("/"), QStringLiteral("/")},
      {QStringLiteral("/media/stick"), QStringLiteral("/media/stick/")},
      {QStringLiteral("/media/stick/"), QStringLiteral("/media/stick/")},
      {QString(), QStringLiteral("/alt/")},
      {std::nullopt, QStringLiteral("/alt/")},
  };
  for (const auto& t : table) {
    ScriptedFolderChooser chooser(t.answer);
    QString folder = QStringLiteral("/alt/");
    BrowseForFolder(platform::FolderDrives, QStringLiteral("Zielordner wählen"), folder);
    EXPECT_EQ(folder, t.expected);
    EXPECT_EQ(chooser.calls_, 1);
    EXPECT_EQ(chooser.root_, 17);
    EXPECT_EQ(chooser.prompt_, QStringLiteral("Zielordner wählen"));
  }
}

// --------------------------------------------------- IsSpeechProgramInstalled

class ScriptedRegistry : public platform::RegistryReader {
 public:
  explicit ScriptedRegistry(QString present) : present_(std::move(present)) {
    previous_ = platform::SetRegistryReader(this);
  }
  ~ScriptedRegistry() override { platform::SetRegistryReader(previous_); }
  bool KeyExists(platform::RegistryRoot root, const QString& key) override {
    const QString full = (root == platform::RegistryRoot::CurrentUser ? "HKCU" : "HKLM") + key;
    asked.push_back(full);
    return full == present_;
  }
  std::vector<QString> asked;

 private:
  QString present_;
  platform::RegistryReader* previous_;
};

TEST(TextWrap, SpeechProgramNotInstalledWithoutRegistry) {
  EXPECT_FALSE(IsSpeechProgramInstalled());
}

TEST(TextWrap, SpeechProgramKeysInOrder) {
  const std::vector<QString> keys = {
      "HKCU\\Software\\G DATA Software GmbH\\WebSpeech\\webspeech.2.0",
      "HKCU\\Software\\G DATA Software GmbH\\WebSpeech\\webspeech.3.0",
      "HKCU\\Software\\G DATA Software GmbH\\WebSpeech\\webspeech.4.0",
      "HKLM\\SOFTWARE\\G DATA\\WebSpeech",
  };
  {
    ScriptedRegistry none(QString{});
    EXPECT_FALSE(IsSpeechProgramInstalled());
    EXPECT_EQ(none.asked, keys);
  }
  for (std::size_t i = 0; i < keys.size(); ++i) {
    ScriptedRegistry one(keys[i]);
    EXPECT_TRUE(IsSpeechProgramInstalled()) << keys[i].toStdString();
    EXPECT_EQ(one.asked.size(), i + 1);
  }
}

}  // namespace
