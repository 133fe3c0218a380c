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
#include "printengine/FormFiles.h"

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
  // The form's fields and the page origin on the sheet, for the subject rows
  // of the grade block (fields 32, 36, 40); without them they go unchecked.
  const quorv::TFormFieldTable* Fields = nullptr;
  QPoint Origin{150, 150};
};

// The problems of a drawn report page: texts, lines, grade boxes and pictures
// outside the limits, overlapping texts (touching by 0.05 mm aside),
// strike-outs that do not cover exactly their words' glyphs or miss their
// small letters, entries beside their blanks, texts crossing a grade box,
// glyphs within 0.3 mm of a rule, texts reaching past the rule they stand
// on, pictures over a text and mixed subject-row fonts. Empty when the page is
// tidy.
QStringList PageProblems(const platform::RecordingCanvas& canvas, const SheetLimits& limits, QChar fill);

// A text under strike-outs (fill characters): the part whose glyphs the fill
// covers wholly, the letters it leaves partly showing, and whether every fill
// runs through the small letters.
struct StruckText {
  QString Text;
  QString Part;
  QString Partly;
  bool ThroughSmallLetters = false;
};
std::vector<StruckText> StruckTexts(const platform::RecordingCanvas& canvas, QChar fill);
// The struck part of the text ("" for none), with " (partly: ...)" for letters showing.
QString StruckPart(const platform::RecordingCanvas& canvas, const QString& text, QChar fill = QLatin1Char('#'));

// Texts whose glyphs come closer than clearance to a rule above them.
QStringList TextsCloseToLines(const std::vector<DrawnText>& texts, const std::vector<SheetRect>& lines,
                              double clearance);
// Texts standing on a horizontal rule (their baseline on it or up to 2.5 mm
// above it) whose glyphs reach past either end of the rule.
QStringList TextsBeyondTheirRules(const platform::RecordingCanvas& canvas, const std::vector<DrawnText>& texts,
                                  QChar fill);
// Pictures outside the frame or over a text.
QStringList PictureProblems(const platform::RecordingCanvas& canvas, const std::vector<DrawnText>& texts,
                            const SheetRect& frame);
// Texts at the grade block's name columns in another face or size than the
// first one (needs the limits' fields).
QStringList MixedSubjectRowFonts(const platform::RecordingCanvas& canvas, const SheetLimits& limits, QChar fill);

}  // namespace testsupport
