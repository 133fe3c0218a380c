#pragma once
// Drawing primitives of the report pages, for printer, PDF and preview alike.
// Canvases are in 0.1 mm with y growing upward; form-field positions and page
// origins count from the sheet's top-left corner downward, so a point (x, y)
// is drawn at (ox + x, -(oy + y)) with (ox, oy) the corrected page origin.
#include <QString>
#include <array>
#include <cstdint>

#include "platform/Canvas.h"
#include "printengine/FormFiles.h"
#include "records/TextWrap.h"

namespace quorv {

struct TOriginPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};
// The page origins of page 1 and page 2 (index 0 and 1), 0.1 mm from the
// sheet's top-left corner.
using PageOrigins = std::array<TOriginPoint, 2>;

// The origin of page 1 or 2, or nullptr for any other page.
const TOriginPoint* OriginOfPage(const PageOrigins& origins, int page);

// Alignment codes of a field; any other code prints as left.
inline constexpr int kAlignLeft = 0;
inline constexpr int kAlignCenter = 1;
inline constexpr int kAlignRight = 2;

// The device text alignment of a code: always anchored at the text's bottom.
unsigned FieldTextAlign(int align);
void SetFieldAlign(platform::Canvas& canvas, int align);

// Sets style, height and face of the canvas font from the field's font
// number, the height by PrintOptions.FontHeightCompensation.
void SelectFieldFont(platform::Canvas& canvas, const TFormField& field);
// The font SelectFieldFont makes of base for the field.
platform::FontSpec FieldFont(platform::FontSpec base, const TFormField& field);

// Active on page 1 and strictly inside an A4 sheet.
bool FieldIsPrintable(const TFormField& field);

// The origin corrected by the printer's physical offset (0.1 mm, rounded
// half to even), from the current printer or the capabilities given.
void PageOrigin(std::int32_t& x, std::int32_t& y, TOriginPoint origin);
void PageOrigin(std::int32_t& x, std::int32_t& y, TOriginPoint origin, const platform::DeviceCaps& printer);

// The correction corner: 5 mm to the right and 5 mm down from the corrected
// origin of the page (shifted right by xOffset), with the current pen.
void DrawOriginCorner(platform::Canvas& canvas, int page, const PageOrigins& origins);
void DrawOriginCornerAt(platform::Canvas& canvas, int page, const PageOrigins& origins, int xOffset);

// A horizontal line from x1 to x2 inclusive; pen width 1, 2 or 3 by style,
// 1 for any other style. (ox, oy) is a corrected origin.
void DrawLine(platform::Canvas& canvas, int x1, int x2, int y, int ox, int oy, int style);

// Frame style codes.
struct TFrameStyle {
  int PenWidth;  // 0 = the thinnest line of the device
  bool GreyFill;
  bool SecondFrame;  // a second rectangle 1 mm inside
};
TFrameStyle FrameStyle(int code);
inline constexpr int kSecondFrameInset = 10;
inline const QColor kFrameGrey = QColor(0xC0, 0xC0, 0xC0);

// A rectangle from the top-left (x1, y1) to the bottom-right (x2, y2) in the
// style's pen and fill; afterwards the brush is white and clear, the pen width
// stays as set.
void DrawFrame(platform::Canvas& canvas, int x1, int y1, int x2, int y2, int ox, int oy, int style);

// Selects the field's font (always) and, when the field is active on the
// page, writes the text at the field in its alignment.
void PrintField(platform::Canvas& canvas, const QString& text, const TFormField& field, int page,
                const PageOrigins& origins);

// Stretches the picture file into the rectangle of the field (top-left) and
// the size field (X width, Y height, downward) when the field is active on the
// page. A missing file draws nothing. False when the file is there but holds
// no picture the platform can read.
bool PrintPicture(platform::Canvas& canvas, const QString& fileName, const TFormField& field,
                  const TFormField& sizeField, int page, const PageOrigins& origins);

// Writes a non-empty text at (x, y) turned counter-clockwise by angle degrees,
// in the canvas font's face with a character height of height; the canvas
// font is restored afterwards.
void TextOutRotated(platform::Canvas& canvas, int x, int y, int angle, int height, const QString& text);
inline constexpr int kRotatedTextHeight = 16;

// The text turned by angle at the field, 1.6 mm high, when the field is active
// on the page (1 or 2).
void PrintFieldRotated(platform::Canvas& canvas, const QString& text, const TFormField& field, int angle,
                       int page, const PageOrigins& origins);

// Lines 0..count-1 at the field, spacing units further down per line, when
// the field is active on the page (1 or 2). A count below 1 draws nothing; a
// count above 25 draws the 25 lines there are.
void PrintTextBlock(platform::Canvas& canvas, int count, int spacing, const TTextLines& lines,
                    const TFormField& field, int page, const PageOrigins& origins);
// The same with count (bounded) and spacing from the block's parameter field.
void PrintTextBlock(platform::Canvas& canvas, const TTextLines& lines, const TFormField& field,
                    const TFormField& parameterField, int page, const PageOrigins& origins);

}  // namespace quorv
