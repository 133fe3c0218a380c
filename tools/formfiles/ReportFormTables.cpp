// The form files of the Hauptschule, Realschule, regional school and Gymnasium
// reports, for plain white A4, and the list of every report form's file.
#include <initializer_list>
#include <utility>

#include "formfiles/FormTableParts.h"
#include "formfiles/FormTables.h"

namespace formfiles {

namespace {

using namespace formtable;
using quorv::TFormFieldTable;

// Page 2: header, grades, electives, absences, place and date, seal,
// signatures, acknowledgement and grade scale. yElectives is the first
// elective row; yAfter the label of the overall elective grade, from which
// the rest follows.
void GradesPage(TFormFieldTable& t, int yElectives, int yAfter) {
  GradeColumns(t, 90, 2);
  ElectiveColumns(t, yElectives, 90, 2);
  PutRows(t, {
                 {125, kMiddle, 130, L, kText, 2, 1},
                 {126, 130, 120, L, kBold, 2, 1},
                 {127, 1500, 120, L, kBold, 2, 1},
                 {30, kLeft, 250, L, kBold, 2, 1},
                 // Grade block: rows from y 350, 9 mm apart.
                 {32, kLeft, 350, L, kText, 2, 1},
                 {45, kLeft, 1160, L, kBold, 2, 1},
                 {55, kLeft, yAfter, L, kBold, 2, 1},
                 {56, kOverallGradeX, yAfter, C, kBold, 2, 1},
                 {57, kOverallAdditionX, yAfter, L, kSmall, 2, 1},
                 // "Fehltage: _______ davon entschuldigt: _______": the numbers over the blanks.
                 {63, kLeft, yAfter + 90, L, kText, 2, 1},
                 {64, 281, yAfter + 82, C, kBold, 2, 1},
                 {74, 656, yAfter + 82, C, kBold, 2, 1},
             });
}

// Place and date from y, the signatures a space below it, the acknowledgement
// and the grade scale.
void SignatureBlock(TFormFieldTable& t, int y, int space) {
  PutRows(t, {
                 {106, kPlaceRuleField, y, L, kSmall, 2, 1},
                 {107, 130, y - 10, L, kBold, 2, 1},
                 {108, kLeftRuleField, y + space, L, kSmall, 2, 1},
                 {110, kRightRuleField, y + space, L, kSmall, 2, 1},
                 {114, kLeft, y + space + 110, L, kBold, 2, 1},
                 {115, kLeftRuleField, y + 2 * space + 50, L, kSmall, 2, 1},
                 {117, kRightRuleField, y + 2 * space + 50, L, kSmall, 2, 1},
                 {119, kLeft, y + 2 * space + 160, L, kSmall, 2, 1},
                 {120, kLeft, y + 2 * space + 210, L, kSmall, 2, 1},
             });
}

// "Stempel/Siegel" between the signatures with the strike-out over either word.
void SealWithStrike(TFormFieldTable& t, int y) {
  PutRows(t, {
                 {112, 830, y, L, kText, 2, 1},
                 {113, 817, y + 2, L, kStrikeSmall, 2, 1},
             });
}

// ---- year, half-year, transfer and interim reports -------------------------------------

// Where the grade scale prints: the whole line at field 119 with a footnote
// below it at 120, the whole line alone, or "Notenstufen:" at 119 and the
// steps at 120 following it on the same line.
enum class Scale { WithFootnote, OneLine, Split };

// X of field 120 when it continues "Notenstufen: " of field 119 (Times 3 mm).
constexpr int kScaleStepsX = 248;

void ScaleFields(TFormFieldTable& t, Scale scale) {
  if (scale == Scale::OneLine) {
    t[120] = quorv::TFormField{};
  } else if (scale == Scale::Split) {
    quorv::TFormField& steps = t[120];
    steps = t[119];
    steps.X = static_cast<std::uint16_t>(steps.X + kScaleStepsX - kLeft);
  }
}

TFormFieldTable ReportForm(bool transfer, Scale scale = Scale::WithFootnote) {
  TFormFieldTable t{};
  Frame(t);
  ReportHead(t);
  int y = 930;  // separator
  if (transfer) {
    TransferSentence(t, 990);
    y = 1080;
  }
  const int lines = 24;
  const int spacing = transfer ? 55 : 60;
  PutRows(t, {
                 {41, 0, y, L, 2, 1, 1},
                 {65, kLeft, y + 100, L, kBold, 1, 1},
                 {59, 514, y + 100, L, kSmall, 1, 1},
                 {66, kTextLeft, y + 190, L, kText, 1, 1},
                 Parameters(67, lines, spacing, kCharsPerLine),
             });
  GradesPage(t, 1250, 1460);
  PutRows(t, {
                 {68, kLeft, 1620, L, kBold, 2, 1},
                 {69, kTextLeft, 1690, L, kText, 2, 1},
                 Parameters(70, RemarksLines(kCharsPerLine), 50, kCharsPerLine),
             });
  SignatureBlock(t, 2080, 180);
  ScaleFields(t, scale);
  SealWithStrike(t, 2260);
  return t;
}

// ---- leaving and final reports -----------------------------------------------------------

// Degree: the statement of WithOverallGrade without the overall grade.
enum class FinalKind { Leaving, Berufsreife, WithOverallGrade, Degree };
enum class FinalSeal { Siegel, StempelSiegel };

TFormFieldTable FinalForm(FinalKind kind, Scale scale = Scale::WithFootnote, FinalSeal seal = FinalSeal::Siegel) {
  TFormFieldTable t{};
  Frame(t);
  FinalHead(t);
  switch (kind) {
    case FinalKind::Leaving:
      // "... Erfüllung seiner/ihrer Pflicht ...": the strike-out over either word;
      // the Jahrgangsstufe over the blank of the next line.
      PutRows(t, {
                     {22, kLeft, 1160, L, kText, 1, 1},
                     {23, 346, 1164, L, kStrike, 1, 1},
                     {24, kLeft, 1230, L, kText, 1, 1},
                     {25, 327, 1222, C, kBold, 1, 1},
                 });
      break;
    case FinalKind::Berufsreife:
      PutRows(t, {
                     {22, kLeft, 1160, L, kPlain, 1, 1},
                     {24, kMiddle, 1310, C, kDegreeFont, 1, 1},
                     {26, kLeft, 1440, L, kPlain, 1, 1},
                 });
      break;
    case FinalKind::WithOverallGrade:
    case FinalKind::Degree:
      // The overall grade word over the blank of "mit dem Gesamtprädikat ___ erworben."
      PutRows(t, {
                     {22, kLeft, 1160, L, kPlain, 1, 1},
                     {23, kLeft, 1230, L, kPlain, 1, 1},
                     {24, kMiddle, 1370, C, kDegreeFont, 1, 1},
                     {26, kLeft, 1500, L, kPlain, 1, 1},
                 });
      if (kind == FinalKind::WithOverallGrade) PutRows(t, {{27, 800, 1492, C, kBold, 1, 1}});
      break;
  }
  // The remarks a little below the statement.
  const int remarks = kind == FinalKind::Leaving ? 1400 : kind == FinalKind::Berufsreife ? 1600 : 1680;
  PutRows(t, {
                 {68, kLeft, remarks, L, kBold, 1, 1},
                 {69, kTextLeft, remarks + 80, L, kText, 1, 1},
                 Parameters(70, 8, 65, kCharsPerLine),
             });
  if (kind == FinalKind::Leaving) {
    // Two elective rows with their half-year labels.
    GradesPage(t, 1250, 1460);
    SignatureBlock(t, 1760, 240);
    ScaleFields(t, scale);
    SealWithStrike(t, 2000);
  } else {
    GradesPage(t, 1320, 1610);
    SignatureBlock(t, 1900, 220);
    ScaleFields(t, scale);
    // The column headings of the three elective rows, and the single word "Siegel".
    PutRows(t, {
                   {46, kLeft, 1230, L, kBoldSmall, 2, 1},
                   {47, 945, 1230, L, kBoldSmall, 2, 1},
                   {112, kMiddle, 2120, C, kText, 2, 1},
               });
    if (seal == FinalSeal::StempelSiegel) SealWithStrike(t, 2120);
  }
  return t;
}

// ---- Gymnasium ----------------------------------------------------------------------------

// The grade block's columns (fields 33 to 39) with rows p apart, and the
// elective block's at y with rows q apart, on page 1; grades in gradeFont.
void OnePageGradeColumns(TFormFieldTable& t, int p, int yElectives, int q, int gradeFont) {
  GradeColumns(t, p, 1, gradeFont);
  ElectiveColumns(t, yElectives, q, 1, gradeFont);
}

// Form 23, one page: the coat of arms beside the school name, the statement,
// eight rows a column, two elective rows, remarks, the signatures with the
// seal between them.
TFormFieldTable GymnasiumLeavingForm() {
  TFormFieldTable t{};
  Frame(t);
  PutRows(t, {
                 {3, 750, 150, C, kBold, 1, 1},
                 {4, 750, 170, C, kSmall, 1, 1},
                 {121, 1530, 50, L, 0, 1, 1},
                 Parameters(122, 220, 260, 0),
                 {5, kMiddle, 450, C, kTitleFont, 1, 1},
                 {14, kMiddle, 530, C, kLargeBold, 1, 1},
             });
  NameBlock(t, 680);
  PutRows(t, {
                 {22, kLeft, 910, L, kPlain, 1, 1},
                 {31, kLeft, 1010, L, kBold, 1, 1},
                 {32, kLeft, 1100, L, kText, 1, 1},
                 {45, kLeft, 1800, L, kBold, 1, 1},
                 {55, kLeft, 2050, L, kBold, 1, 1},
                 {56, kOverallGradeX, 2050, C, kBold, 1, 1},
                 {57, kOverallAdditionX, 2050, L, kSmall, 1, 1},
                 {68, kLeft, 2110, L, kBold, 1, 1},
                 // The remarks in Times 3 mm; place and date more than 4 mm below their last
                 // line, 14 mm for the signatures below place and date.
                 {69, kTextLeft, 2160, L, kSmall, 1, 1},
                 Parameters(70, RemarksLines(kSmallCharsPerLine), 40, kSmallCharsPerLine),
                 {106, kPlaceRuleField, 2450, L, kSmall, 1, 1},
                 {107, 130, 2440, L, kBold, 1, 1},
                 {108, kLeftRuleField, 2590, L, kSmall, 1, 1},
                 {110, kRightRuleField, 2590, L, kSmall, 1, 1},
                 {112, kMiddle, 2570, C, kText, 1, 1},
                 {119, kLeft, 2670, L, kSmall, 1, 1},
                 {120, kScaleStepsX, 2670, L, kSmall, 1, 1},
             });
  OnePageGradeColumns(t, 90, 1870, 80, kBold);
  return t;
}

// Forms 24 and 25, one page: the examination statement, the two examination
// lines, six admission lines a column, two elective rows, absences (form 24),
// remarks, signatures and the acknowledgement.
TFormFieldTable GymnasiumExamForm() {
  TFormFieldTable t{};
  Frame(t);
  PutRows(t, {
                 {3, kMiddle, 150, C, kBold, 1, 1},
                 {4, kMiddle, 170, C, kSmall, 1, 1},
                 {5, kMiddle, 280, C, kTitleFont, 1, 1},
                 {14, kMiddle, 350, C, kLargeBold, 1, 1},
             });
  NameBlock(t, 460);
  PutRows(t, {
                 {22, kLeft, 660, L, kText, 1, 1},
                 {24, kLeft, 712, L, kText, 1, 1},
                 {26, kLeft, 764, L, kText, 1, 1},
                 // Examination lines: the grade columns of the admission block,
                 // the labels below the right names.
                 {75, kLeft, 835, L, kBold, 1, 1},
                 {76, kLeft, 905, L, kText, 1, 1},
                 {77, 0, 0, L, kText, 1, 1},
                 {78, kLeftGradeX, 0, C, kGradeSans, 1, 1},
                 {79, kLeftAdditionX, 0, L, kSmall, 1, 1},
                 {80, kRightNamesX, 0, L, 0, 1, 1},
                 {81, 0, 0, L, kSmall, 1, 1},
                 {82, kRightGradeX, 0, C, kGradeSans, 1, 1},
                 {83, kRightAdditionX, 0, L, kSmall, 1, 1},
                 {84, 0, 80, L, 0, 1, 1},
                 {31, kLeft, 1085, L, kBold, 1, 1},
                 {32, kLeft, 1160, L, kText, 1, 1},
                 {45, kLeft, 1670, L, kBold, 1, 1},
                 {55, kLeft, 1900, L, kBold, 1, 1},
                 {57, kOverallAdditionX, 1900, L, kSmall, 1, 1},
                 {63, kLeft, 1960, L, kText, 1, 1},
                 {64, 281, 1952, C, kBold, 1, 1},
                 {74, 656, 1952, C, kBold, 1, 1},
                 {68, kLeft, 2010, L, kBold, 1, 1},
                 // The remarks in Times 3 mm; place and date more than 4 mm below their last
                 // line, 10 mm for the signatures below place and date.
                 {69, kTextLeft, 2055, L, kSmall, 1, 1},
                 Parameters(70, RemarksLines(kSmallCharsPerLine), 38, kSmallCharsPerLine),
                 {106, kPlaceRuleField, 2330, L, kSmall, 1, 1},
                 {107, 130, 2320, L, kBold, 1, 1},
                 {108, kLeftRuleField, 2430, L, kSmall, 1, 1},
                 {110, kRightRuleField, 2430, L, kSmall, 1, 1},
                 {112, kMiddle, 2410, C, kText, 1, 1},
                 {114, kLeft, 2505, L, kBold, 1, 1},
                 {115, kLeftRuleField, 2595, L, kSmall, 1, 1},
                 {117, kRightRuleField, 2595, L, kSmall, 1, 1},
                 {119, kLeft, 2670, L, kSmall, 1, 1},
                 {120, kScaleStepsX, 2670, L, kSmall, 1, 1},
             });
  OnePageGradeColumns(t, 90, 1735, 75, kGradeSans);
  PutRows(t, {{56, kOverallGradeX, 1900, C, kGradeSans, 1, 1}});
  return t;
}

// A grade block of eight rows, 10 mm apart, fills the space of nine.
TFormFieldTable EightRows(TFormFieldTable t) {
  t[40].Y = 100;
  return t;
}

}  // namespace

std::vector<ShippedFormFile> ReportFormFiles() {
  std::vector<ShippedFormFile> files = {
      ShippedReportFormFile(15, ReportForm(false)),
      ShippedReportFormFile(16, ReportForm(true)),
      ShippedReportFormFile(115, ReportForm(false)),
      ShippedReportFormFile(17, FinalForm(FinalKind::Leaving)),
      ShippedReportFormFile(18, FinalForm(FinalKind::Berufsreife)),
      ShippedReportFormFile(19, FinalForm(FinalKind::WithOverallGrade)),
      ShippedReportFormFile(20, FinalForm(FinalKind::WithOverallGrade)),
      // Hauptschule and Realschule: no course footnote.
      ShippedReportFormFile(5, EightRows(ReportForm(false, Scale::Split))),
      ShippedReportFormFile(6, EightRows(ReportForm(true, Scale::Split))),
      ShippedReportFormFile(105, EightRows(ReportForm(false, Scale::Split))),
      ShippedReportFormFile(7, EightRows(FinalForm(FinalKind::Leaving, Scale::OneLine))),
      ShippedReportFormFile(8, EightRows(FinalForm(FinalKind::Degree, Scale::OneLine, FinalSeal::StempelSiegel))),
      ShippedReportFormFile(9, EightRows(FinalForm(FinalKind::Degree, Scale::OneLine))),
      ShippedReportFormFile(10, ReportForm(false, Scale::Split)),
      ShippedReportFormFile(11, ReportForm(true, Scale::Split)),
      ShippedReportFormFile(110, ReportForm(false, Scale::Split)),
      ShippedReportFormFile(12, FinalForm(FinalKind::Leaving, Scale::OneLine)),
      ShippedReportFormFile(13, FinalForm(FinalKind::WithOverallGrade, Scale::OneLine)),
      ShippedReportFormFile(14, FinalForm(FinalKind::WithOverallGrade, Scale::OneLine)),
      // Gymnasium: the grade-scale label with the scale beside it.
      ShippedReportFormFile(21, ReportForm(false, Scale::Split)),
      ShippedReportFormFile(22, ReportForm(true, Scale::Split)),
      ShippedReportFormFile(121, ReportForm(false, Scale::Split)),
      ShippedReportFormFile(23, GymnasiumLeavingForm()),
      ShippedReportFormFile(24, GymnasiumExamForm()),
  };
  for (ShippedFormFile& file : GesamtschuleFormFiles()) files.push_back(std::move(file));
  for (ShippedFormFile& file : GrundschuleFormFiles()) files.push_back(file);
  return files;
}

}  // namespace formfiles
