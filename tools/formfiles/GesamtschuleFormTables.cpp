// The form files of the Orientierungsstufe and the Integrierte Gesamtschule:
// "Anl04a.FST", "Anl026.FST" to "Anl029.FST" and "Anl127.FST".
#include <initializer_list>

#include "formfiles/FormTableParts.h"
#include "formfiles/FormTables.h"

namespace formfiles {

namespace {

using namespace formtable;
using quorv::TFormFieldTable;

constexpr int kRowPitch = 90;

enum class Kind { Orientierungsstufe, Class56, Report, Transfer, Leaving };

bool HasCourses(Kind k) { return k == Kind::Report || k == Kind::Transfer || k == Kind::Leaving; }

// Remarks: the label at y and lines of the given spacing below it.
void Remarks(TFormFieldTable& t, int page, int y, int lines, int spacing) {
  PutRows(t, {
                 {68, kLeft, y, L, kBold, page, 1},
                 {69, kTextLeft, y + 80, L, kText, page, 1},
                 Parameters(70, lines, spacing, kCharsPerLine),
             });
}

// Page 1 of a report: school, title, period, name, the transfer sentence on
// the transfer report, the learning-development text and, where page 2 is
// full, the remarks.
void ReportPage1(TFormFieldTable& t, Kind kind) {
  ReportHead(t);
  int separator = 930;
  if (kind == Kind::Transfer) {
    TransferSentence(t, 990);
    separator = 1080;
  }
  const int text = separator + 190;
  PutRows(t, {
                 {41, 0, separator, L, 2, 1, 1},
                 {65, kLeft, separator + 100, L, kBold, 1, 1},
                 {59, 514, separator + 100, L, kSmall, 1, 1},
                 {66, kTextLeft, text, L, kText, 1, 1},
             });
  if (!HasCourses(kind)) {
    PutRows(t, {Parameters(67, 24, 60, kCharsPerLine)});
    return;
  }
  // Page 2 holds the electives, the Anspruchsebene and the notes: the
  // remarks stay on page 1.
  const int lines = DevelopmentTextLines(kCharsPerLine);
  const int spacing = kind == Kind::Transfer ? 45 : 50;
  PutRows(t, {Parameters(67, lines, spacing, kCharsPerLine)});
  Remarks(t, 1, text + lines * spacing + 40, RemarksLines(kCharsPerLine), spacing);
}

// Page 1 of the leaving report: school and coat of arms, title, school year,
// name, the leaving statement and the remarks.
void LeavingPage1(TFormFieldTable& t) {
  FinalHead(t);
  // "... Erfüllung seiner/ihrer Pflicht ...": the strike-out over either word,
  // its fill through the small letters; the Jahrgangsstufe over "____".
  PutRows(t, {
                 {22, kLeft, 1160, L, kText, 1, 1},
                 {23, 346, 1164, L, kStrike, 1, 1},
                 {24, kLeft, 1230, L, kText, 1, 1},
                 {25, 132, 1222, C, kBold, 1, 1},
             });
  Remarks(t, 1, 1400, 8, 65);
}

// Page 2: header, "Noten", the Anspruchsebene line where the form has one,
// the grade block of the given rows, and the electives where the form has
// them. Returns the y below them.
int GradesPage2(TFormFieldTable& t, Kind kind, int rows) {
  PutRows(t, {
                 {125, kMiddle, 130, L, kText, 2, 1},
                 {126, 130, 120, L, kBold, 2, 1},
                 {127, 1500, 120, L, kBold, 2, 1},
                 {30, kLeft, 250, L, kBold, 2, 1},
             });
  int block = 350;
  if (HasCourses(kind)) {
    // The level word centred over the blank of the sentence.
    PutRows(t, {
                   {75, kLeft, 330, L, kText, 2, 1},
                   {76, 1023, 322, C, kBold, 2, 1},
               });
    block = 440;
  }
  PutRows(t, {
                 {32, kLeft, block, L, kText, 2, 1},
             });
  GradeColumns(t, kRowPitch, 2);
  int y = block + (rows - 1) * kRowPitch + 90;
  if (!HasCourses(kind)) return y + 20;
  // Three elective rows.
  const int electives = y + 90;
  const int overall = electives + 3 * kRowPitch + 10;
  ElectiveColumns(t, electives, kRowPitch, 2);
  PutRows(t, {
                 {45, kLeft, y, L, kBold, 2, 1},
                 {55, kLeft, overall, L, kBold, 2, 1},
                 {56, kOverallGradeX, overall, C, kBold, 2, 1},
                 {57, kOverallAdditionX, overall, L, kSmall, 2, 1},
             });
  return overall + 90;
}

// "Fehltage: _______ davon entschuldigt: _______": the numbers over the blanks.
void Absences(TFormFieldTable& t, int y) {
  PutRows(t, {
                 {63, kLeft, y, L, kText, 2, 1},
                 {64, 281, y - 8, C, kBold, 2, 1},
                 {74, 656, y - 8, C, kBold, 2, 1},
             });
}

// Place and date at y, the signatures and "Stempel/Siegel" between them a
// space below, the acknowledgement, the grade scale and the footnote.
// Returns the y below them.
int SignatureBlock(TFormFieldTable& t, int y, int space, bool footnote) {
  PutRows(t, {
                 {106, kPlaceRuleField, y, L, kSmall, 2, 1},
                 {107, 130, y - 10, L, kBold, 2, 1},
                 {108, kLeftRuleField, y + space, L, kSmall, 2, 1},
                 {110, kRightRuleField, y + space, L, kSmall, 2, 1},
                 {112, 830, y + space, L, kText, 2, 1},
                 {113, 817, y + space + 2, L, kStrikeSmall, 2, 1},
                 {114, kLeft, y + space + 110, L, kBold, 2, 1},
                 {115, kLeftRuleField, y + 2 * space + 50, L, kSmall, 2, 1},
                 {117, kRightRuleField, y + 2 * space + 50, L, kSmall, 2, 1},
                 {119, kLeft, y + 2 * space + 160, L, kSmall, 2, 1},
             });
  if (!footnote) return y + 2 * space + 230;
  PutRows(t, {{120, kLeft, y + 2 * space + 210, L, kSmall, 2, 1}});
  return y + 2 * space + 280;
}

// "Erläuterungen:" and the notes below it.
void Notes(TFormFieldTable& t, int y, int count) {
  PutRows(t, {{90, kLeft, y, L, kBoldSmall, 2, 1}});
  for (int i = 0; i < count; ++i) PutRows(t, {{91 + i, kLeft, y + 50 * (i + 1), L, kSmall, 2, 1}});
}

TFormFieldTable ReportForm(Kind kind) {
  TFormFieldTable t{};
  Frame(t);
  ReportPage1(t, kind);
  switch (kind) {
    case Kind::Orientierungsstufe: {
      const int y = GradesPage2(t, kind, 9);
      Absences(t, y);
      Remarks(t, 2, y + 100, RemarksLines(kCharsPerLine), 50);
      SignatureBlock(t, y + 580, 200, false);
      break;
    }
    case Kind::Class56: {
      const int y = GradesPage2(t, kind, 6);
      Absences(t, y);
      Remarks(t, 2, y + 100, RemarksLines(kCharsPerLine), 50);
      Notes(t, SignatureBlock(t, y + 620, 220, false), 3);
      break;
    }
    default: {
      const int y = GradesPage2(t, kind, 9);
      Absences(t, y);
      Notes(t, SignatureBlock(t, y + 140, 160, true), 2);
      break;
    }
  }
  return t;
}

TFormFieldTable LeavingForm() {
  TFormFieldTable t{};
  Frame(t);
  LeavingPage1(t);
  const int y = GradesPage2(t, Kind::Leaving, 9);
  Notes(t, SignatureBlock(t, y + 80, 200, true), 1);
  return t;
}

}  // namespace

std::vector<ShippedFormFile> GesamtschuleFormFiles() {
  return {
      ShippedReportFormFile(104, ReportForm(Kind::Orientierungsstufe)),
      ShippedReportFormFile(26, ReportForm(Kind::Class56)),
      ShippedReportFormFile(27, ReportForm(Kind::Report)),
      ShippedReportFormFile(29, ReportForm(Kind::Transfer)),
      ShippedReportFormFile(127, ReportForm(Kind::Report)),
      ShippedReportFormFile(28, LeavingForm()),
  };
}

}  // namespace formfiles
