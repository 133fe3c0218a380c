#include "printengine/Primitives.h"

#include <algorithm>

#include "platform/Files.h"
#include "platform/PrinterCaps.h"
#include "platform/PrinterDocument.h"
#include "printengine/PrinterFonts.h"
#include "settings/DrkEinst.h"

namespace quorv {

static_assert(kMaxTextBlockLines == kMaxTextLines, "a text block prints the lines of the wrapping");

namespace {

using platform::Canvas;
namespace TA = platform::TextAlign;

struct AlignCode {
  int Code;
  unsigned Flags;
};
constexpr AlignCode kAlignCodes[] = {
    {kAlignCenter, TA::Center | TA::Bottom},
    {kAlignRight, TA::Right | TA::Bottom},
};
constexpr unsigned kOtherAlign = TA::Left | TA::Bottom;

// Frame styles 0..23; every higher code is a grey frame of pen width 1.
constexpr TFrameStyle kFrameStyles[] = {
    {0, false, false}, {1, false, false}, {2, false, false}, {3, false, false},  // 0..3
    {1, false, false}, {1, false, false}, {1, false, false}, {1, false, false},  // 4..7
    {1, false, false}, {1, false, false},                                        // 8, 9
    {0, false, false}, {1, false, true},  {2, false, true},  {3, false, true},   // 10..13
    {1, false, true},  {1, false, true},  {1, false, true},  {1, false, true},   // 14..17
    {1, false, true},  {1, false, true},                                         // 18, 19
    {0, true, false},  {1, true, false},  {2, true, false},  {3, true, false},   // 20..23
};
constexpr TFrameStyle kHighFrameStyle = {1, true, false};

constexpr int kCornerLength = 50;
constexpr int kA4Width = 2100;
constexpr int kA4Height = 2970;

// Device units of an offset in 0.1 mm; a device without resolution has none.
std::int32_t OffsetTenthsMm(int deviceUnits, int dotsPerInch) {
  if (dotsPerInch <= 0) return 0;
  return platform::RoundHalfEven(static_cast<double>(deviceUnits) * 254.0 / dotsPerInch);
}

bool ActiveOnPage(const TFormField& field, int page) { return field.Active == 1 && field.Page == page; }

// The corrected origin of page 1 or 2; false for any other page.
bool CorrectedOrigin(const PageOrigins& origins, int page, std::int32_t& ox, std::int32_t& oy) {
  const TOriginPoint* origin = OriginOfPage(origins, page);
  if (origin == nullptr) return false;
  PageOrigin(ox, oy, *origin);
  return true;
}

void SetPenWidth(Canvas& canvas, int width) {
  platform::PenSpec pen = canvas.pen();
  pen.Width = width;
  canvas.SetPen(pen);
}

}  // namespace

const TOriginPoint* OriginOfPage(const PageOrigins& origins, int page) {
  if (page < 1 || page > static_cast<int>(origins.size())) return nullptr;
  return &origins[static_cast<std::size_t>(page - 1)];
}

unsigned FieldTextAlign(int align) {
  for (const AlignCode& a : kAlignCodes)
    if (a.Code == align) return a.Flags;
  return kOtherAlign;
}

void SetFieldAlign(Canvas& canvas, int align) { canvas.SetTextAlign(FieldTextAlign(align)); }

platform::FontSpec FieldFont(platform::FontSpec font, const TFormField& field) {
  const TPrinterFont& printerFont = PrinterFont(field.FontNumber);
  font.Weight = printerFont.bold() ? 700 : 400;
  font.Italic = printerFont.italic();
  font.Underline = printerFont.underline();
  font.Height = PrinterFontHeight(printerFont, PrintOptions.FontHeightCompensation);
  font.FaceName = QString::fromLatin1(printerFont.Face);
  return font;
}

void SelectFieldFont(Canvas& canvas, const TFormField& field) { canvas.SetFont(FieldFont(canvas.font(), field)); }

bool FieldIsPrintable(const TFormField& field) {
  return field.Active == 1 && field.Page == 1 && field.X > 0 && field.X < kA4Width && field.Y > 0 &&
         field.Y < kA4Height;
}

void PageOrigin(std::int32_t& x, std::int32_t& y, TOriginPoint origin, const platform::DeviceCaps& printer) {
  x = origin.x - OffsetTenthsMm(printer.PhysicalOffsetX, printer.LogPixelsX);
  y = origin.y - OffsetTenthsMm(printer.PhysicalOffsetY, printer.LogPixelsY);
}

void PageOrigin(std::int32_t& x, std::int32_t& y, TOriginPoint origin) {
  PageOrigin(x, y, origin, platform::CurrentPrinterCaps());
}

void DrawOriginCornerAt(Canvas& canvas, int page, const PageOrigins& origins, int xOffset) {
  std::int32_t ox = 0;
  std::int32_t oy = 0;
  if (!CorrectedOrigin(origins, page, ox, oy)) return;
  const int x = ox + xOffset;
  canvas.MoveTo(x, -oy);
  canvas.LineTo(x + kCornerLength, -oy);
  canvas.MoveTo(x, -oy);
  canvas.LineTo(x, -oy - kCornerLength);
}

void DrawOriginCorner(Canvas& canvas, int page, const PageOrigins& origins) {
  DrawOriginCornerAt(canvas, page, origins, 0);
}

void DrawLine(Canvas& canvas, int x1, int x2, int y, int ox, int oy, int style) {
  SetPenWidth(canvas, style >= 1 && style <= 3 ? style : 1);
  canvas.MoveTo(ox + x1, -(oy + y));
  canvas.LineTo(ox + x2 + 1, -(oy + y));
}

TFrameStyle FrameStyle(int code) {
  if (code < 0 || code >= static_cast<int>(std::size(kFrameStyles))) return kHighFrameStyle;
  return kFrameStyles[code];
}

void DrawFrame(Canvas& canvas, int x1, int y1, int x2, int y2, int ox, int oy, int style) {
  const TFrameStyle frame = FrameStyle(style);
  SetPenWidth(canvas, frame.PenWidth);
  platform::BrushSpec brush = canvas.brush();
  if (frame.GreyFill) {
    brush = platform::BrushSpec{kFrameGrey, platform::BrushStyle::Solid};
  } else {
    brush.Style = platform::BrushStyle::Clear;
  }
  canvas.SetBrush(brush);
  canvas.Rectangle(ox + x1, -(oy + y1), ox + x2, -(oy + y2));
  if (frame.SecondFrame)
    canvas.Rectangle(ox + x1 + kSecondFrameInset, -(oy + y1) - kSecondFrameInset, ox + x2 - kSecondFrameInset,
                     -(oy + y2) + kSecondFrameInset);
  canvas.SetBrush(platform::BrushSpec{QColor(0xFF, 0xFF, 0xFF), platform::BrushStyle::Clear});
}

void PrintField(Canvas& canvas, const QString& text, const TFormField& field, int page,
                const PageOrigins& origins) {
  std::int32_t ox = 0;
  std::int32_t oy = 0;
  const bool onSheet = CorrectedOrigin(origins, page, ox, oy);
  SelectFieldFont(canvas, field);
  if (!onSheet || !ActiveOnPage(field, page)) return;
  SetFieldAlign(canvas, field.Align);
  canvas.TextOut(ox + field.X, -(oy + field.Y), text);
}

bool PrintPicture(Canvas& canvas, const QString& fileName, const TFormField& field, const TFormField& sizeField,
                  int page, const PageOrigins& origins) {
  std::int32_t ox = 0;
  std::int32_t oy = 0;
  if (!ActiveOnPage(field, page) || !CorrectedOrigin(origins, page, ox, oy)) return true;
  if (fileName.isEmpty() || !platform::FileExists(fileName)) return true;
  // A print job reads each picture once and draws that same image on every page.
  platform::Picture loaded;
  const platform::Picture* picture = platform::Printer().JobPicture(fileName);
  if (picture == nullptr) {
    if (!platform::LoadPicture(fileName, loaded)) return false;
    picture = &loaded;
  } else if (picture->isNull()) {
    return false;
  }
  const int left = ox + field.X;
  const int top = -(oy + field.Y);
  canvas.StretchDraw(left, top, left + sizeField.X, top - sizeField.Y, *picture);
  return true;
}

void TextOutRotated(Canvas& canvas, int x, int y, int angle, int height, const QString& text) {
  if (text.isEmpty()) return;
  const platform::FontSpec previous = canvas.font();
  platform::FontSpec rotated;
  rotated.FaceName = previous.FaceName;
  rotated.Height = -height;
  rotated.Weight = 400;
  rotated.Italic = false;
  rotated.Underline = false;
  rotated.Escapement = angle * 10;
  canvas.SetFont(rotated);
  canvas.TextOut(x, y, text);
  canvas.SetFont(previous);
}

void PrintFieldRotated(Canvas& canvas, const QString& text, const TFormField& field, int angle, int page,
                       const PageOrigins& origins) {
  std::int32_t ox = 0;
  std::int32_t oy = 0;
  if (!ActiveOnPage(field, page) || !CorrectedOrigin(origins, page, ox, oy)) return;
  SetFieldAlign(canvas, field.Align);
  SelectFieldFont(canvas, field);
  TextOutRotated(canvas, ox + field.X, -(oy + field.Y), angle, kRotatedTextHeight, text);
}

void PrintTextBlock(Canvas& canvas, int count, int spacing, const TTextLines& lines, const TFormField& field,
                    int page, const PageOrigins& origins) {
  const int lineCount = std::clamp(count, 0, kMaxTextBlockLines);
  std::int32_t ox = 0;
  std::int32_t oy = 0;
  if (!ActiveOnPage(field, page) || !CorrectedOrigin(origins, page, ox, oy)) return;
  SetFieldAlign(canvas, field.Align);
  SelectFieldFont(canvas, field);
  for (int i = 0; i < lineCount; ++i)
    canvas.TextOut(ox + field.X, -(oy + field.Y) - i * spacing, lines[static_cast<std::size_t>(i)].text());
}

void PrintTextBlock(Canvas& canvas, const TTextLines& lines, const TFormField& field,
                    const TFormField& parameterField, int page, const PageOrigins& origins) {
  PrintTextBlock(canvas, TextBlockLineCount(parameterField), parameterField.Y, lines, field, page, origins);
}

}  // namespace quorv
