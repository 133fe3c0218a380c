#pragma once
// The words and text lines of a PDF file with their boxes on the sheet, as
// pdftotext finds them, so tests can see where a printed document put a text.
#include <QString>
#include <vector>

#include "layouts/DrawnPageGeometry.h"

namespace testsupport {

struct PdfWord {
  int Page;  // 1-based
  QString Text;
  SheetRect Box;  // 0.1 mm, y downward
};

bool HavePdfText();
std::vector<PdfWord> PdfWords(const QString& file);
// The first word with this text on the page, or nullptr.
const PdfWord* FindPdfWord(const std::vector<PdfWord>& words, const QString& text, int page = 0);
// The text lines of the layout analysis, in reading order.
std::vector<SheetRect> PdfTextLines(const QString& file);

}  // namespace testsupport
