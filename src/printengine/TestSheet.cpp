#include "printengine/TestSheet.h"

#include <QLocale>

#include "platform/PrinterDocument.h"
#include "printengine/FormFiles.h"
#include "printengine/PrinterFonts.h"
#include "printengine/Primitives.h"
#include "records/QuorvDat.h"

namespace quorv {

namespace {

// Lines after the 7 mm and 5.5 mm fonts are 7 mm apart.
bool IsLargeStep(int n) { return n == 9 || n == 10 || n == 19 || n == 20 || n == 29 || n == 30 || n == 39 || n == 40; }

bool IsSmallStep(int n) {
  return (n >= 2 && n <= 8) || (n >= 15 && n <= 18) || (n >= 25 && n <= 28) || (n >= 31 && n <= 34);
}

int DigitRunLength(int n) {
  switch (n) {
    case 9: case 10: case 19: case 20: case 49: case 50: return 10;
    case 27: case 28: return 40;
    default: return n >= 31 && n <= 38 ? 30 : 20;
  }
}

QString StyleWord(int n) {
  if (n == 37) return QStringLiteral("unterstrichen+kursiv");
  if (n == 38) return QStringLiteral("unterstrichen+fett+kursiv");
  switch (PrinterFont(n).Style) {
    case PrinterFontStyle::Normal: return QStringLiteral("normal");
    case PrinterFontStyle::Bold: return QStringLiteral("fett");
    case PrinterFontStyle::Italic: return QStringLiteral("kursiv");
    case PrinterFontStyle::BoldItalic: return QStringLiteral("fett+kursiv");
    case PrinterFontStyle::Underlined: return QStringLiteral("unterstrichen");
    case PrinterFontStyle::UnderlinedBold: return QStringLiteral("unterstrichen+fett");
  }
  return QString();
}

TFormField SheetField(int x, int y, int font) {
  return TFormField{static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y), 0,
                    static_cast<std::uint16_t>(font), 1, 1};
}

}  // namespace

int TestSheetLineY(int fontNumber) {
  int y = 100;
  for (int n = 2; n <= fontNumber; ++n) y += IsLargeStep(n) ? 70 : IsSmallStep(n) ? 40 : 50;
  return y;
}

QString TestSheetLabel(int n) {
  const TPrinterFont& font = PrinterFont(n);
  const QString height = QString::number(font.Height / 10.0, 'f', 1).replace('.', ',');
  QString digits;
  while (digits.size() < DigitRunLength(n)) digits += QStringLiteral("1234567890");
  return QStringLiteral("%1 - %2, h=%3mm, %4    %5")
      .arg(n)
      .arg(QString::fromLatin1(font.Face), height, StyleWord(n), digits);
}

void DrawPrinterTestSheet(platform::Canvas& canvas, const QDate& today) {
  const PageOrigins origins = {TOriginPoint{150, 150}, TOriginPoint{150, 150}};
  PrintField(canvas, QStringLiteral("Drucker-Testblatt"), SheetField(0, 0, 10), 1, origins);
  for (int n = 1; n <= kPrinterFontCount; ++n)
    PrintField(canvas, TestSheetLabel(n), SheetField(0, TestSheetLineY(n), n), 1, origins);
  PrintField(canvas, QLocale().toString(today, QStringLiteral("dd. MMMM yyyy")), SheetField(0, 2650, 14), 1,
             origins);
  PrintField(canvas, QString::fromLatin1(kTestSheetVersion), SheetField(1100, 2650, 24), 1, origins);
}

bool PrintPrinterTestSheet(const QDate& today) {
  platform::PrinterDocument& printer = platform::Printer();
  printer.SetPdfFolder(DataDir);
  printer.SetTitle(QString::fromLatin1(kTestSheetTitle));
  if (!printer.BeginDoc()) return false;
  platform::Canvas& canvas = printer.canvas();
  canvas.SetMapMode(platform::MapMode::LoMetric);
  DrawPrinterTestSheet(canvas, today);
  printer.EndDoc();
  return true;
}

}  // namespace quorv
