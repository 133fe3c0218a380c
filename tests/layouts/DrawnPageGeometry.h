#pragma once
// Where the texts and lines of a recorded page land on the sheet, from the
// recorded operations and the font metrics of the faces that print them, so
// that tests can check a form file for overlapping texts, lines through texts
// and everything inside the printable area; and the checks a shipped report
// form must pass, strike-outs over their words and entries over their blanks.
#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/RecordingCanvas.h"

namespace testsupport {

// 0.1 mm from the sheet's top-left corner, y downward.
struct SheetRect {
  double Left = 0;
  double Top = 0;
  double Right = 0;
  double Bottom = 0;
  // True when the two share an area (touching edges do not count).
  bool overlaps(const SheetRect& other) const;
  bool inside(const SheetRect& area) const;
  QString describe() const;
};

struct DrawnText {
  QString Text;
  SheetRect Cell;  // the character cell of the whole text
  SheetRect Body;  // from the cap height down to the baseline
  SheetRect Ink;   // the cell over the inked characters (leading and trailing blanks left out)
  platform::RecordedOp Op;
};

// The texts of the recording in the order drawn (the canvas must be in the
// 0.1 mm mapping, as page routines draw).
std::vector<DrawnText> DrawnTexts(const platform::RecordingCanvas& canvas);
// Every line, and every edge of every rectangle, with its pen width.
std::vector<SheetRect> DrawnLines(const platform::RecordingCanvas& canvas);

// The pairs of texts whose cells overlap.
QStringList OverlappingTexts(const std::vector<DrawnText>& texts);
// The lines that cross the body of a text.
QStringList LinesThroughTexts(const std::vector<DrawnText>& texts, const std::vector<SheetRect>& lines);
// The texts (cells) and lines that are not inside the area.
QStringList OutsideOf(const std::vector<DrawnText>& texts, const std::vector<SheetRect>& lines,
                      const SheetRect& area);

// ---- a shipped report form ------------------------------------------------------------

struct SheetLimits {
  SheetRect Frame;      // the inner frame
  SheetRect Printable;  // the printable area of the sheet
};

// The problems of a drawn report page: texts, lines and grade boxes outside
// the limits, overlapping texts, strike-outs (fill characters or '#') that
// miss their words, entries beside their blanks and texts crossing a grade
// box. Texts that only touch (0.5 mm) do not count. Empty when the page is tidy.
QStringList PageProblems(const platform::RecordingCanvas& canvas, const SheetLimits& limits, QChar fill);

}  // namespace testsupport
