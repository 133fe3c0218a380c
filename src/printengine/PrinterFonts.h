#pragma once
// The 50 numbered printer fonts of the form files, the default font for every
// other number, and the next smaller font used to squeeze long texts.
#include <QString>

namespace quorv {

enum class PrinterFontStyle { Normal, Bold, Italic, BoldItalic, Underlined, UnderlinedBold };

struct TPrinterFont {
  const char* Face;
  int Height;             // cell height, 0.1 mm
  int CompensatedHeight;  // with FontHeightCompensation = 1
  PrinterFontStyle Style;

  bool bold() const;
  bool italic() const;
  bool underline() const;
};

inline constexpr int kPrinterFontCount = 50;

// Font 1..50; 0 and every number above 50 give the default font.
const TPrinterFont& PrinterFont(int fontNumber);
const TPrinterFont& DefaultPrinterFont();

// The height of a font: the compensated one when compensation is exactly 1.
int PrinterFontHeight(const TPrinterFont& font, int fontHeightCompensation);

// The next smaller font of the same face and weight; the smallest sizes and
// every font without a smaller one map to themselves.
int SmallerFont(int fontNumber);

}  // namespace quorv
