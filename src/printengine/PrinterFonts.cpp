#include "printengine/PrinterFonts.h"

#include <array>

namespace quorv {

namespace {

using S = PrinterFontStyle;
constexpr const char* kCourier = "Courier New";
constexpr const char* kTimes = "Times New Roman";
constexpr const char* kArial = "Arial";

// Index 0 is unused: font numbers count from 1.
constexpr std::array<TPrinterFont, kPrinterFontCount + 1> kPrinterFonts = {{
    {kArial, 45, 41, S::Normal},
    {kCourier, 40, 40, S::Normal},          // 1
    {kCourier, 40, 40, S::Bold},            // 2
    {kCourier, 40, 39, S::Italic},          // 3
    {kCourier, 40, 40, S::BoldItalic},      // 4
    {kCourier, 30, 29, S::Normal},          // 5
    {kCourier, 30, 31, S::Bold},            // 6
    {kCourier, 35, 34, S::Normal},          // 7
    {kCourier, 35, 35, S::Bold},            // 8
    {kCourier, 70, 71, S::Normal},          // 9
    {kCourier, 70, 70, S::Bold},            // 10
    {kTimes, 40, 35, S::Normal},            // 11
    {kTimes, 40, 35, S::Bold},              // 12
    {kTimes, 40, 34, S::Italic},            // 13
    {kTimes, 40, 35, S::BoldItalic},        // 14
    {kTimes, 30, 26, S::Normal},            // 15
    {kTimes, 30, 25, S::Bold},              // 16
    {kTimes, 35, 30, S::Normal},            // 17
    {kTimes, 35, 30, S::Bold},              // 18
    {kTimes, 70, 62, S::Normal},            // 19
    {kTimes, 70, 62, S::Bold},              // 20
    {kArial, 40, 35, S::Normal},            // 21
    {kArial, 40, 35, S::Bold},              // 22
    {kArial, 40, 35, S::Italic},            // 23
    {kArial, 40, 35, S::BoldItalic},        // 24
    {kArial, 30, 26, S::Normal},            // 25
    {kArial, 30, 25, S::Bold},              // 26
    {kArial, 35, 30, S::Normal},            // 27
    {kArial, 35, 29, S::Bold},              // 28
    {kArial, 70, 64, S::Normal},            // 29
    {kArial, 70, 61, S::Bold},              // 30
    {kCourier, 30, 29, S::Normal},          // 31
    {kCourier, 30, 31, S::Bold},            // 32
    {kCourier, 30, 31, S::Italic},          // 33
    {kCourier, 30, 31, S::BoldItalic},      // 34
    {kCourier, 40, 40, S::Underlined},      // 35
    {kCourier, 40, 40, S::UnderlinedBold},  // 36
    {kCourier, 35, 34, S::Underlined},      // 37
    {kCourier, 35, 35, S::UnderlinedBold},  // 38
    {kCourier, 55, 54, S::Normal},          // 39
    {kCourier, 55, 56, S::Bold},            // 40
    {kTimes, 50, 44, S::Normal},            // 41
    {kTimes, 50, 44, S::Bold},              // 42
    {kTimes, 50, 44, S::Italic},            // 43
    {kTimes, 50, 44, S::BoldItalic},        // 44
    {kTimes, 60, 52, S::Normal},            // 45
    {kTimes, 60, 51, S::Bold},              // 46
    {kTimes, 55, 47, S::Normal},            // 47
    {kTimes, 55, 47, S::Bold},              // 48
    {kCourier, 50, 51, S::Normal},          // 49
    {kCourier, 50, 51, S::Bold},            // 50
}};

struct SmallerPair {
  int Font;
  int Smaller;
};
constexpr SmallerPair kSmallerFonts[] = {
    {1, 7},   {2, 8},   {7, 5},   {8, 6},   {9, 39},  {10, 40}, {39, 1},  {40, 2},
    {11, 17}, {12, 18}, {17, 15}, {18, 16}, {21, 27}, {22, 28}, {27, 25}, {28, 26},
};

}  // namespace

bool TPrinterFont::bold() const {
  return Style == S::Bold || Style == S::BoldItalic || Style == S::UnderlinedBold;
}
bool TPrinterFont::italic() const { return Style == S::Italic || Style == S::BoldItalic; }
bool TPrinterFont::underline() const { return Style == S::Underlined || Style == S::UnderlinedBold; }

const TPrinterFont& PrinterFont(int fontNumber) {
  if (fontNumber < 1 || fontNumber > kPrinterFontCount) return kPrinterFonts[0];
  return kPrinterFonts[static_cast<std::size_t>(fontNumber)];
}

const TPrinterFont& DefaultPrinterFont() { return kPrinterFonts[0]; }

int PrinterFontHeight(const TPrinterFont& font, int fontHeightCompensation) {
  return fontHeightCompensation == 1 ? font.CompensatedHeight : font.Height;
}

int SmallerFont(int fontNumber) {
  for (const SmallerPair& p : kSmallerFonts)
    if (p.Font == fontNumber) return p.Smaller;
  return fontNumber;
}

}  // namespace quorv
