#pragma once
// The page-routine frame shared by every report form: its working values, its
// steps at their fixed field numbers, the grade-line frame parameterised per
// school type and form, and the shared helpers (period heading, religion
// lines, elective blocks).
//
// A page routine builds a TPageFrame, calls Begin() and then the steps in the
// frame's order, adding its own fields between them.
#include <QChar>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "layouts/PrintJob.h"
#include "platform/Canvas.h"
#include "printengine/FormFiles.h"
#include "printengine/Primitives.h"
#include "records/QuorvDat.h"

namespace quorv {

// Field numbers with the same role on every form.
enum TFrameField : int {
  ffFrameTopLeft = 1,
  ffFrameBottomRight = 2,
  ffSchoolName = 3,
  ffSchoolRule = 4,
  ffTitle = 5,
  ffMarginImprint = 6,
  ffPeriod = 7,
  ffSchoolYear = 8,
  ffPeriodStrike = 9,
  ffSchoolPhrase = 14,
  ffNameRule = 15,
  ffName = 16,
  ffBirthDate = 17,
  ffClassName = 19,
  ffNameSecondRule = 20,
  ffGradesLabel = 30,
  ffGradeBlock = 32,        // anchor, look of the subject names
  ffLanguageLabel = 33,     // X: label offset; FontNumber: language names, right free rows
  ffLeftGrade = 34,
  ffLeftAddition = 35,
  ffRightNames = 36,
  ffLabelFont = 37,
  ffRightGrade = 38,
  ffRightAddition = 39,
  ffRowPitch = 40,
  ffSeparator = 41,
  ffElectiveLabel = 45,
  ffElectiveBlock = 48,     // anchor and look of the elective names
  ffElectiveLeftGrade = 49,
  ffElectiveLeftAddition = 50,
  ffElectiveRightNames = 51,
  ffElectiveRightGrade = 52,
  ffElectiveRightAddition = 53,
  ffElectivePitch = 54,
  ffOverallElectiveLabel = 55,
  ffOverallElective = 56,
  ffOverallElectiveAddition = 57,
  ffTextSubHeading = 59,
  ffAbsenceSentence = 63,
  ffAbsenceDays = 64,
  ffTextHeading = 65,
  ffDevelopmentText = 66,
  ffDevelopmentParams = 67,
  ffRemarksLabel = 68,
  ffRemarks = 69,
  ffRemarksParams = 70,
  ffAbsenceExcused = 74,
  ffTransferSentence = 95,
  ffTransferStrike = 96,
  ffTransferSchoolLabel = 97,
  ffNextSchool = 98,
  ffJahrgangsstufe = 100,
  ffPlaceDateRule = 106,
  ffPlaceDate = 107,
  ffHeadRule = 108,
  ffTeacherRule = 110,
  ffSeal = 112,
  ffSealStrike = 113,
  ffReceiptLabel = 114,
  ffReceiptPlaceRule = 115,
  ffParentsRule = 117,
  ffGradeScale = 119,
  ffFootnote = 120,
  ffArms = 121,
  ffArmsSize = 122,
  ffPage2Rule = 125,
  ffPage2Name = 126,
  ffPage2BirthDate = 127,
};

// Half width of a grade box.
inline constexpr int kHalfGradeBox = 150;
// Frame style of a grade box (grey fill, pen 2).
inline constexpr int kGradeBoxStyle = 22;
// The margin imprint: product and version, the school, at most 64 characters.
inline const QString kProductVersion = QStringLiteral("Quorv V.3.x.");
inline constexpr int kMarginImprintLength = 64;
inline constexpr int kMarginImprintAngle = 270;

// The strike-out character of the print options: "#" when it is 0 or blank.
QChar FillCharacter();
// The fill character k times.
QString FillString(QChar fill, int k);
QString Blanks(int k);

// Copies of a form field moved to (x, y) or to y, with another field's look
// (align, font, active) or with another font.
TFormField At(TFormField field, int x, int y);
TFormField AtY(TFormField field, int y);
TFormField WithLook(const TFormField& anchor, int x, int y, const TFormField& look);
TFormField WithFont(TFormField field, int fontNumber);

// Strikes out a part of a printed text: fill characters over exactly the
// glyphs of the first occurrence of part in base, which prints at baseField,
// in strike's font and at strike's Y. The fill runs from the ink of the part's
// first glyph to that of its last, in as many overlapping runs as it takes;
// nothing when strike is not active on the page or part is not in base.
void StrikeOverPart(platform::Canvas& canvas, const QString& base, const TFormField& baseField, const QString& part,
                    QChar fill, const TFormField& strike, int page, const PageOrigins& origins);

// The pupil's record text wrapped and struck out into the block at field with
// the parameters of parameterField, on the page; no line passes the block's
// right end blockEnd (nor, right-aligned, its left end blockStart) in the
// field's font and the canvas's character spacing. What the block cannot hold
// is reported as a cut text.
void PrintRecordText(platform::Canvas& canvas, const TPupilRecord& pupil, TRecordText text, const TFormField& field,
                     const TFormField& parameterField, int page, const PageOrigins& origins, int blockStart,
                     int blockEnd);

// The character spacing of a name on a rule of ruleLength units.
int NameSqueeze(int nameLength, int ruleLength);

// ---- the grade-line frame ---------------------------------------------------------

struct TLanguageRow {
  int Row;            // 0: unused
  const char* Label;  // "1. Fremdsprache", ...
};

// The religion line routine a grade block uses.
enum class TReligionLine { Subject, Primary };
// Which right-column rows print a religion subject as a religion line.
enum class TRightReligion { AnyRow, FirstRowOnly, Never };

using TCourseLetterFn = std::string (*)(std::string_view courseLevel);

// The parameters of a school type's grade-line routine on a form.
struct TGradeLineProfile {
  int Rows = 9;                    // R: rows per column
  int FirstFreeRow = 8;            // T: first free row of the right column; 0 = no right column
  std::array<TLanguageRow, 2> LanguageRows{{{2, "1. Fremdsprache"}, {3, "2. Fremdsprache"}}};
  int ReligionRow = 9;             // fixed religion row of the left column; 0 = none
  TReligionLine ReligionLine = TReligionLine::Subject;
  bool AwtTwoLines = true;         // the two-line "Arbeit-Wirtschaft-Technik" row
  TCourseLetterFn CourseLetter = nullptr;  // used with the course flag; nullptr = no letters
  int RightNameSqueeze = 21;       // free-row names longer than this get spacing -4
  int GradeSqueeze = 13;           // grade texts longer than this get spacing -4
  int GradeSmallerFont = 16;       // ... and longer than this the next smaller font
  TRightReligion RightReligion = TRightReligion::AnyRow;
  bool RightPlaceholders = true;   // "  - - -" and "???" as a no-subject rule on the right
  int RightReligionLabelField = ffLabelFont;  // label field of a right-column religion line
  // false: a language row prints only the slot's name, in field 32's font,
  // without its label and rule.
  bool LanguageLabels = true;
};

// The grade block at fields 32 to 40: left column slots 1..R, right column
// slots 10..9+R.
void PrintGradeLines(platform::Canvas& canvas, const TPupilRecord& pupil, QChar fill, const PageOrigins& origins,
                     bool courseFlag, bool wordsFlag, const TGradeLineProfile& profile, int page,
                     const TFormFieldTable& fields);

// A school type's grade-line routine: the grade block of R rows per column,
// the right column's free rows from T (0: no right column).
using TGradeLinesRoutine = void (*)(platform::Canvas& canvas, const TPupilRecord& pupil, QChar fill,
                                    const PageOrigins& origins, bool courseFlag, bool wordsFlag, int rows,
                                    int firstFreeRow, int page, const TFormFieldTable& fields);
// The grade block of a form: its school type's routine with R and T.
struct TGradeBlock {
  TGradeLinesRoutine Routine = nullptr;
  int Rows = 9;
  int FirstFreeRow = 8;
};

// True when a subject slot holds the Arbeit-Wirtschaft-Technik und Informatik
// subject: the catalogue name in full or cut to the slot's 30 characters.
bool IsAwtInformatikName(std::string_view name);

// ---- shared helpers -----------------------------------------------------------------

// "über das 1. Schulhalbjahr / Schuljahr", the school year and the overprint of
// the alternative that does not apply, when field 7 is active on the page.
void PrintPeriodHeading(platform::Canvas& canvas, const QString& schoolYearText, int halfYear,
                        const PageOrigins& origins, int page, const TFormFieldTable& fields, QChar fill);

// The religion/ethics row of a grade block. line is the row's field (position,
// font), pitch field 40, block field 32; grade and label fields 34 and 33
// (left column) or 38 and 37 (right column). The strike-outs are drawn in the
// font of field 33 of fields, over the words of the alternatives that do not apply.
void PrintSubjectLine(platform::Canvas& canvas, const QString& name, QChar fill, int ox, int oy,
                      const PageOrigins& origins, int halfBox, int row, int page, const TFormField& line,
                      const TFormField& pitch, const TFormField& grade, const TFormField& label,
                      const TFormField& block, const TFormFieldTable& fields);
// The same with the primary-school wording.
void PrintPrimarySubjectLine(platform::Canvas& canvas, const QString& name, QChar fill, int ox, int oy,
                             const PageOrigins& origins, int halfBox, int row, int page, const TFormField& line,
                             const TFormField& pitch, const TFormField& grade, const TFormField& label,
                             const TFormField& block, const TFormFieldTable& fields);

// The elective block at fields 48 to 57: two rows with half-year labels (3) or
// three rows (4), and the overall elective grade.
void PrintElectiveBlock3(platform::Canvas& canvas, const TPupilRecord& pupil, const TFormFieldTable& fields,
                         const PageOrigins& origins, bool wordsFlag, int page);
void PrintElectiveBlock4(platform::Canvas& canvas, const TPupilRecord& pupil, const TFormFieldTable& fields,
                         const PageOrigins& origins, bool wordsFlag, int page);

// ---- the page-routine frame ---------------------------------------------------------

enum class TSealOverprint { None, A, B };
enum class TElectiveBlock { None, Three, Four };
enum class THeading { None, Period, SchoolYear };

// The working values of one page and the frame's steps. The form file comes
// from the job (LoadJobFormFile) into FormFields; the steps patch FormFields.
class TPageFrame {
 public:
  TPageFrame(platform::Canvas& canvas, const TPupilRecord& pupil);

  // Steps 1 to 5: working values, form file, origins, correction corner and
  // frame. False when the page is not to be drawn (no form file).
  bool Begin();

  void SchoolName();                                                // 6
  void SchoolRule();                                                // 7
  void TitleAndPhrase(const QString& title, const QString& phrase);  // 8
  void PeriodHeading();                                             // 8, report pages
  void SchoolYearHeading();                                         // 8, final pages
  void Arms();                                                      // 8a
  void NameBlock();                                                 // 9
  void TransferBlock(const QString& sentence);                      // 10
  void Separator();                                                 // 11
  void DevelopmentTextBlock(const QString& heading, const QString& subHeading);  // 12
  void RemarksBlock();                                              // 12, "Vermerke:"
  void Page2Header();                                               // 13
  void GradesLabel();                                               // 14, "Noten"
  void GradeBlock(const TGradeLineProfile& profile);                // 14
  void GradeBlock(const TGradeBlock& block);                        // 14, the school type's routine
  void ElectiveSection(TElectiveBlock block);                       // 14
  void Absences(const QString& sentence);                           // 15
  void PlaceAndDate();                                              // 16
  void Seal(const QString& words, TSealOverprint overprint);         // 17
  void Signatures(bool acknowledgement = true);                     // 18; false: no 114 to 117
  void GradeScale(const QString& scale, const QString& footnote);    // 19
  void MarginImprint();                                             // 20

  // The signature rule at a field: the line centred on the field reaching the
  // inner margin on the nearer side, and the label moved below it.
  void SignatureRule(int field, const QString& label);
  // The text at a field of FormFields on this page.
  void Print(const QString& text, int field);
  void Print(const QString& text, const TFormField& field);
  bool ActiveOnPage(int field) const;
  TFormField& Field(int n) { return Fields[static_cast<std::size_t>(n)]; }
  const TFormField& Field(int n) const { return Fields[static_cast<std::size_t>(n)]; }
  QString Fill(int k) const { return FillString(FillChar, k); }

  platform::Canvas& Canvas;
  const TPupilRecord& Pupil;
  TFormFieldTable& Fields;
  QChar FillChar = QLatin1Char('#');
  int HalfYear = 0;
  int Page = 0;
  int W = 0;  // form width
  int M = 0;  // inner margin
  PageOrigins Origins{};
  std::int32_t Ox = 0;
  std::int32_t Oy = 0;
  bool WordsFlag = false;
  bool CourseFlag = false;
  // x1 and x2 of the last signature rule.
  int RuleX1 = 0;
  int RuleX2 = 0;
  // false: the name block takes its squeeze form and does not read field 20.
  bool NameSecondRule = true;
};

}  // namespace quorv
