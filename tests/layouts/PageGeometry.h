#pragma once
// Where the texts of a drawn page lie on the sheet, measured with the font
// metrics of the installed faces the printer canvas draws them in, and the
// checks a shipped form file must pass: everything inside the frame and the
// printable area, no two texts on top of each other except the strike-outs
// over their words and the entries over their blanks.
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/RecordingCanvas.h"
#include "records/QuorvDat.h"

namespace testsupport {

// A drawn text on the sheet, in 0.1 mm from the sheet's top-left corner, y
// downward (the page routines draw at (x, -y) with the page origin added).
struct PlacedText {
  QString Text;
  QRectF Box;       // the inked characters' advances (leading and trailing blanks left out) by the font's cell
  double Left = 0;  // x where the text's first character starts
  double Bottom = 0;
  bool Rotated = false;
  platform::RecordedOp Op;
  // The horizontal span of characters [from, to) of the text.
  std::pair<double, double> Span(int from, int to) const;
};

PlacedText PlaceText(const platform::RecordedOp& op);
// Every non-blank text of a recording.
std::vector<PlacedText> PlacedTexts(const platform::RecordingCanvas& canvas);

// True when the text is a strike-out: fill characters and blanks only.
bool IsStrikeOut(const QString& text, QChar fill);

struct SheetLimits {
  QRectF Frame;      // the inner frame, sheet coordinates
  QRectF Printable;  // the printable area of the sheet
};

// The problems of a drawn page: texts, lines and boxes outside the limits,
// overlapping texts, strike-outs that miss their words, entries beside their
// blanks and texts crossing a grade box. Empty when the page is tidy.
QStringList PageProblems(const platform::RecordingCanvas& canvas, const SheetLimits& limits, QChar fill);

// A pupil with every field the reports print filled to its length: names of
// 30 characters, every subject slot of the form (the catalogue's subjects,
// two languages, a religion, free rows and electives of the longest names),
// grades with the longest grade word, additions, long texts.
quorv::TPupilRecord FullyFilledPupil(int form, int sex, int halfYear, const QString& schoolYear);

// The slot of the religion row in the left column of the grade block: 8 on
// the forms with eight rows, else 9.
int ReligionSlotOfForm(int form);

// A school name and address of the settings' full 80 characters.
QString LongSchoolName();

}  // namespace testsupport
