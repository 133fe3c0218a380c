#include "printengine/PrinterFonts.h"

#include <gtest/gtest.h>

#include <QString>
#include <map>

#include "platform/RecordingCanvas.h"
#include "printengine/Primitives.h"
#include "settings/DrkEinst.h"

using quorv::PrinterFontStyle;
using quorv::TFormField;

namespace {

// Keeps the print options of the program and puts them back.
class PrintOptionsGuard {
 public:
  PrintOptionsGuard() : saved_(quorv::PrintOptions) {}
  ~PrintOptionsGuard() { quorv::PrintOptions = saved_; }

 private:
  quorv::TPrintOptions saved_;
};

struct FontRow {
  int Number;
  const char* Face;
  int Height;
  int Compensated;
  bool Bold;
  bool Italic;
  bool Underline;
};

constexpr const char* C = "Courier New";
constexpr const char* T = "Times New Roman";
constexpr const char* A = "Arial";

// The printer fonts as the form files number them.
const FontRow kFonts[] = {
    {1, C, 40, 40, false, false, false},  {2, C, 40, 40, true, false, false},   {3, C, 40, 39, false, true, false},
    {4, C, 40, 40, true, true, false},    {5, C, 30, 29, false, false, false},  {6, C, 30, 31, true, false, false},
    {7, C, 35, 34, false, false, false},  {8, C, 35, 35, true, false, false},   {9, C, 70, 71, false, false, false},
    {10, C, 70, 70, true, false, false},  {11, T, 40, 35, false, false, false}, {12, T, 40, 35, true, false, false},
    {13, T, 40, 34, false, true, false},  {14, T, 40, 35, true, true, false},   {15, T, 30, 26, false, false, false},
    {16, T, 30, 25, true, false, false},  {17, T, 35, 30, false, false, false}, {18, T, 35, 30, true, false, false},
    {19, T, 70, 62, false, false, false}, {20, T, 70, 62, true, false, false},  {21, A, 40, 35, false, false, false},
    {22, A, 40, 35, true, false, false},  {23, A, 40, 35, false, true, false},  {24, A, 40, 35, true, true, false},
    {25, A, 30, 26, false, false, false}, {26, A, 30, 25, true, false, false},  {27, A, 35, 30, false, false, false},
    {28, A, 35, 29, true, false, false},  {29, A, 70, 64, false, false, false}, {30, A, 70, 61, true, false, false},
    {31, C, 30, 29, false, false, false}, {32, C, 30, 31, true, false, false},  {33, C, 30, 31, false, true, false},
    {34, C, 30, 31, true, true, false},   {35, C, 40, 40, false, false, true},  {36, C, 40, 40, true, false, true},
    {37, C, 35, 34, false, false, true},  {38, C, 35, 35, true, false, true},   {39, C, 55, 54, false, false, false},
    {40, C, 55, 56, true, false, false},  {41, T, 50, 44, false, false, false}, {42, T, 50, 44, true, false, false},
    {43, T, 50, 44, false, true, false},  {44, T, 50, 44, true, true, false},   {45, T, 60, 52, false, false, false},
    {46, T, 60, 51, true, false, false},  {47, T, 55, 47, false, false, false}, {48, T, 55, 47, true, false, false},
    {49, C, 50, 51, false, false, false}, {50, C, 50, 51, true, false, false},
};
static_assert(std::size(kFonts) == quorv::kPrinterFontCount);

const FontRow kDefault = {0, A, 45, 41, false, false, false};

TFormField FieldWithFont(int font) { return TFormField{100, 100, 0, static_cast<std::uint16_t>(font), 1, 1}; }

void ExpectCanvasFont(const platform::FontSpec& font, const FontRow& row, int height, int number) {
  EXPECT_EQ(font.FaceName, QString::fromLatin1(row.Face)) << number;
  EXPECT_EQ(font.Height, height) << number;
  EXPECT_EQ(font.Weight, row.Bold ? 700 : 400) << number;
  EXPECT_EQ(font.Italic, row.Italic) << number;
  EXPECT_EQ(font.Underline, row.Underline) << number;
}

}  // namespace

TEST(PrinterFonts, TableHoldsFaceHeightsAndStyleOfEveryFont) {
  for (const FontRow& row : kFonts) {
    const quorv::TPrinterFont& f = quorv::PrinterFont(row.Number);
    EXPECT_STREQ(f.Face, row.Face) << row.Number;
    EXPECT_EQ(f.Height, row.Height) << row.Number;
    EXPECT_EQ(f.CompensatedHeight, row.Compensated) << row.Number;
    EXPECT_EQ(f.bold(), row.Bold) << row.Number;
    EXPECT_EQ(f.italic(), row.Italic) << row.Number;
    EXPECT_EQ(f.underline(), row.Underline) << row.Number;
  }
}

TEST(PrinterFonts, NumbersOutsideTheTableGiveTheDefaultFont) {
  for (int number : {0, 51, 52, 99, 255, 65535, -1}) {
    const quorv::TPrinterFont& f = quorv::PrinterFont(number);
    EXPECT_EQ(&f, &quorv::DefaultPrinterFont()) << number;
    EXPECT_STREQ(f.Face, kDefault.Face);
    EXPECT_EQ(f.Height, 45);
    EXPECT_EQ(f.CompensatedHeight, 41);
    EXPECT_EQ(f.Style, PrinterFontStyle::Normal);
  }
}

TEST(PrinterFonts, CompensatedHeightOnlyWithCompensationExactlyOne) {
  const quorv::TPrinterFont& f = quorv::PrinterFont(9);
  EXPECT_EQ(quorv::PrinterFontHeight(f, 0), 70);
  EXPECT_EQ(quorv::PrinterFontHeight(f, 1), 71);
  EXPECT_EQ(quorv::PrinterFontHeight(f, 2), 70);
  EXPECT_EQ(quorv::PrinterFontHeight(f, 65535), 70);
}

TEST(PrinterFonts, CompensationMakesSomeCourierFontsLargerAndTheOthersSmallerOrEqual) {
  const std::map<int, int> larger = {{6, 31}, {9, 71}, {32, 31}, {33, 31}, {34, 31}, {40, 56}, {49, 51}, {50, 51}};
  for (int n = 1; n <= quorv::kPrinterFontCount; ++n) {
    const quorv::TPrinterFont& f = quorv::PrinterFont(n);
    const auto it = larger.find(n);
    if (it != larger.end()) {
      EXPECT_EQ(f.CompensatedHeight, it->second) << n;
      EXPECT_GT(f.CompensatedHeight, f.Height) << n;
    } else if (QString::fromLatin1(f.Face) != QLatin1String("Courier New")) {
      EXPECT_LT(f.CompensatedHeight, f.Height) << n;
    } else {
      EXPECT_LE(f.CompensatedHeight, f.Height) << n;
    }
  }
}

TEST(SelectFieldFont, SetsFaceHeightAndStyleOfEveryFontWithAndWithoutCompensation) {
  PrintOptionsGuard guard;
  platform::RecordingCanvas canvas;
  for (int compensation : {0, 1}) {
    quorv::PrintOptions.FontHeightCompensation = static_cast<std::uint16_t>(compensation);
    for (const FontRow& row : kFonts) {
      quorv::SelectFieldFont(canvas, FieldWithFont(row.Number));
      ExpectCanvasFont(canvas.font(), row, compensation == 1 ? row.Compensated : row.Height, row.Number);
    }
    for (int number : {0, 51, 65535}) {
      quorv::SelectFieldFont(canvas, FieldWithFont(number));
      ExpectCanvasFont(canvas.font(), kDefault, compensation == 1 ? 41 : 45, number);
    }
  }
}

TEST(SelectFieldFont, ReplacesTheStyleOfThePreviousFont) {
  PrintOptionsGuard guard;
  quorv::PrintOptions.FontHeightCompensation = 0;
  platform::RecordingCanvas canvas;
  quorv::SelectFieldFont(canvas, FieldWithFont(36));  // underlined bold
  quorv::SelectFieldFont(canvas, FieldWithFont(13));  // italic
  ExpectCanvasFont(canvas.font(), kFonts[12], 40, 13);
  quorv::SelectFieldFont(canvas, FieldWithFont(1));
  ExpectCanvasFont(canvas.font(), kFonts[0], 40, 1);
}

TEST(SmallerFont, MapsEachFontToTheNextSmallerOfItsFaceAndWeight) {
  const std::map<int, int> smaller = {{1, 7},   {2, 8},   {7, 5},   {8, 6},   {9, 39},  {10, 40},
                                      {39, 1},  {40, 2},  {11, 17}, {12, 18}, {17, 15}, {18, 16},
                                      {21, 27}, {22, 28}, {27, 25}, {28, 26}};
  for (int n = 0; n <= 60; ++n) {
    const auto it = smaller.find(n);
    EXPECT_EQ(quorv::SmallerFont(n), it == smaller.end() ? n : it->second) << n;
  }
  EXPECT_EQ(quorv::SmallerFont(65535), 65535);
}

TEST(SmallerFont, KeepsFaceAndWeightAndNeverGrows) {
  for (int n = 1; n <= quorv::kPrinterFontCount; ++n) {
    const quorv::TPrinterFont& from = quorv::PrinterFont(n);
    const quorv::TPrinterFont& to = quorv::PrinterFont(quorv::SmallerFont(n));
    EXPECT_STREQ(from.Face, to.Face) << n;
    EXPECT_EQ(from.bold(), to.bold()) << n;
    EXPECT_LE(to.Height, from.Height) << n;
  }
}

TEST(SmallerFont, RepeatedFromNineRunsDownToFiveAndStays) {
  int font = 9;
  std::vector<int> chain = {font};
  for (int i = 0; i < 6; ++i) chain.push_back(font = quorv::SmallerFont(font));
  EXPECT_EQ(chain, (std::vector<int>{9, 39, 1, 7, 5, 5, 5}));
  for (int smallest : {5, 6, 15, 16, 25, 26}) EXPECT_EQ(quorv::SmallerFont(smallest), smallest);
}
