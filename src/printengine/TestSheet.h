#pragma once
// The printer test sheet: every printer font in its own face, height and style.
#include <QDate>
#include <QString>

#include "platform/Canvas.h"

namespace quorv {

inline constexpr const char* kTestSheetTitle = "Testblatt Druckerausgabe Quorv V.2.x";
inline constexpr const char* kTestSheetVersion = "Quorv V.3.x.";

// The label line of printer font n (1..50).
QString TestSheetLabel(int fontNumber);
// The y position of font n's line, 0.1 mm below the sheet's origin.
int TestSheetLineY(int fontNumber);

// Draws the sheet on a canvas in the 0.1 mm mapping.
void DrawPrinterTestSheet(platform::Canvas& canvas, const QDate& today = QDate::currentDate());

// Prints the sheet as a printer document of its own, without a question (as
// a PDF file in DataDir when there is no printer). False when the printer
// refused the document (its message has been shown).
bool PrintPrinterTestSheet(const QDate& today = QDate::currentDate());

}  // namespace quorv
