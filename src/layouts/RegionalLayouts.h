#pragma once
// Regionale Schule reports: the year, half-year, transfer and interim reports
// (forms 15, 16, 115) and the leaving and final reports (forms 17 to 20).
//
// Each form is a profile: its texts, seal, grade block and final statement as
// data. The two page routines draw a page from the profile of the job's form;
// PrintReportPageByProfile and PrintFinalPageByProfile serve every school type
// whose reports are built the same way.
#include <array>

#include "layouts/LayoutHelpers.h"
#include "platform/Canvas.h"
#include "records/QuorvDat.h"

namespace quorv {

// The school year from which the Regionale Schule prints its newer texts.
inline constexpr int kNewTextsFromYear = 2007;

// A text that depends on the school year; nullptr prints nothing.
struct TYearText {
  const char* Before2007;
  const char* From2007;
};
// The text of a school year (YearFromText: 0 counts as before 2007).
const char* TextForYear(const TYearText& text, int year);

// The explanatory notes at fields 91 to 93 (nullptr: none), under the
// heading "Erläuterungen:" at field 90 when there is one.
using TExplanatoryNotes = std::array<const char*, 3>;
inline constexpr int ffNotesHeading = 90;
inline constexpr int ffFirstNote = 91;
// "Alle Noten beziehen sich auf die Anspruchsebene: ___" and the level word.
inline constexpr int ffAnspruchsebeneLine = 75;
inline constexpr int ffAnspruchsebeneWord = 76;

// A year, half-year, transfer or interim report page.
struct TReportPageProfile {
  int Form;
  const char* Title;         // field 5
  const char* SchoolPhrase;  // field 14
  bool WordsAlways;          // grades in words whatever the print options say
  bool CourseLetters;        // the grade block prints course letters
  TGradeBlock GradeLines;
  TYearText TextHeading;     // field 65
  TYearText TextSubHeading;  // field 59
  TSealOverprint SealYear;      // field 113 when the report is not a half-year report
  TSealOverprint SealHalfYear;  // field 113 when HalfYear = 1
  TYearText GradeScale;      // field 119
  TYearText Footnote;        // field 120
  // Knobs of other school types; their defaults keep the page above.
  const char* SchoolRuleLabel = nullptr;             // field 4's label; nullptr: the frame's
  bool GradePage = true;                             // page-2 header, "Noten" and the grade block
  TElectiveBlock Electives = TElectiveBlock::Three;  // None: nothing at fields 45 to 57
  bool AnspruchsebeneLine = false;  // fields 75 and 76 above the grade block
  TExplanatoryNotes Notes{};        // fields 90 to 93 after the signatures
};

// What a line of the final statement (fields 22 to 27) prints.
enum class TStatementItem {
  None,
  Text,
  SexOverprint,    // strikes "seiner/" or "/ihrer" of the line before by the pupil's Sex
  Jahrgangsstufe,  // the record's Jahrgangsstufe
  OverallGrade,    // the word of the record's Gesamtpraedikat
};
struct TStatementLine {
  TStatementItem Item;
  const char* Text;  // Item Text only
};
inline constexpr int kFinalStatementField = 22;
inline constexpr int kFinalStatementLines = 6;  // fields 22 to 27
// Headings of the elective columns on the final pages.
inline constexpr int ffElectiveFirstHalf = 46;
inline constexpr int ffElectiveSecondHalf = 47;
using TFinalStatement = std::array<TStatementLine, kFinalStatementLines>;

// A leaving or final report page (grades always in words).
struct TFinalPageProfile {
  int Form;
  const char* Title;
  const char* SchoolPhrase;
  bool CourseLetters;
  TGradeBlock GradeLines;
  TElectiveBlock Electives;
  TFinalStatement Statement;
  const char* SealWords;  // field 112
  TSealOverprint Seal;    // field 113
  TYearText GradeScale;
  TYearText Footnote;
  bool ElectiveHeadings = true;     // "1. Halbjahr" and "2. Halbjahr" at fields 46 and 47
  bool Absences = true;             // fields 63, 64 and 74
  bool AnspruchsebeneLine = false;  // fields 75 and 76 above the grade block
  TExplanatoryNotes Notes{};        // fields 90 to 93 after the signatures
  // Departures of the Gymnasium's leaving page; the defaults draw the others.
  THeading Heading = THeading::SchoolYear;  // None: no school year at fields 7, 8
  bool NameSecondRule = true;               // false: the name block's squeeze form, field 20 not read
  const char* GradesHeading = "Noten";      // the grade block's heading ...
  int GradesHeadingField = ffGradesLabel;   // ... and its field
  bool Page2Header = true;                  // fields 125 to 127
  bool Acknowledgement = true;              // fields 114 to 117
};

// Texts shared by the report families.
inline constexpr const char* kTransferSentence =
    "Die Schülerin/Der Schüler tritt in ______________________________________ Jahrgangsstufe ____ über.";
inline constexpr const char* kAnspruchsebeneSentence =
    "Alle Noten beziehen sich auf die Anspruchsebene: ___________________________________";
inline constexpr const char* kAbsenceSentence = "Fehltage: _______ davon entschuldigt: _______";
inline constexpr const char* kGradeScaleLine =
    "Notenstufen: sehr gut (1), gut (2), befriedigend (3), ausreichend (4), mangelhaft (5), ungenügend (6)";
inline constexpr const char* kStempelSiegel = "Stempel/Siegel";
inline constexpr const char* kLeavingSentence =
    "wird nach Erfüllung seiner/ihrer Pflicht zum neunjährigen Besuch allgemein bildender Schulen aus der";
inline constexpr const char* kOverallGradeSentence =
    "mit dem Gesamtprädikat _____________________________________ erworben.";

// Building blocks the school types' profiles share.
constexpr TYearText EveryYear(const char* text) { return {text, text}; }
inline constexpr TYearText kNoText{nullptr, nullptr};
inline constexpr const char* kGradeScaleLabel = "Notenstufen:";
inline constexpr const char* kGradeScaleSteps =
    "sehr gut (1), gut (2), befriedigend (3), ausreichend (4), mangelhaft (5), ungenügend (6)";
inline constexpr TYearText kTextHeading = EveryYear("Lernentwicklungsbericht");
inline constexpr TYearText kTextSubHeading =
    EveryYear("(Leistungsstand sowie Sozial- und Arbeitsverhalten)");
inline constexpr TYearText kScaleLabel = EveryYear(kGradeScaleLabel);
inline constexpr TYearText kScaleSteps = EveryYear(kGradeScaleSteps);
inline constexpr TYearText kScaleLine = EveryYear(kGradeScaleLine);

constexpr TStatementLine Say(const char* text) { return {TStatementItem::Text, text}; }
inline constexpr TStatementLine kNoLine{TStatementItem::None, nullptr};
inline constexpr TStatementLine kSexOverprintLine{TStatementItem::SexOverprint, nullptr};
inline constexpr TStatementLine kJahrgangsstufeLine{TStatementItem::Jahrgangsstufe, nullptr};
inline constexpr TStatementLine kOverallGradeLine{TStatementItem::OverallGrade, nullptr};

// The profile of a form in a table; the first one for a form not in it.
template <std::size_t N, typename Profile>
const Profile& ProfileOf(const std::array<Profile, N>& profiles, int form) {
  for (const Profile& p : profiles)
    if (p.Form == form) return p;
  return profiles.front();
}

// The word of a Gesamtpraedikat: 1..6, else "  - - - - - ".
QString OverallGradeWord(int gesamtpraedikat);
// The level all grades refer to: 1 to 3, else "   - - - - -".
QString AnspruchsebeneWord(int anspruchsebene);
// The part of "seiner/ihrer" struck out at field 23: "/ihrer" for a boy,
// "seiner/" for a girl, empty when Sex is neither 0 nor 1.
QString SexStrikePart(int sex);

// The Regionale Schule grade block: R rows from slot 1 and slot 10, free rows
// of the right column from T, course letters B/M. Eight rows (form 18): no
// second foreign language row and row 8 the religion row; nine rows: row 9.
TGradeLineProfile RegionalGradeLineProfile(int rows, int firstFreeRow);
void RegionalGradeLines(platform::Canvas& canvas, const TPupilRecord& pupil, QChar fill, const PageOrigins& origins,
                        bool courseFlag, bool wordsFlag, int rows, int firstFreeRow, int page,
                        const TFormFieldTable& fields);

// The profiles of the Regionale Schule forms, and the one of a form number
// (the first of the list for a number that is not in it).
const std::array<TReportPageProfile, 3>& RegionalReportProfiles();
const std::array<TFinalPageProfile, 4>& RegionalFinalProfiles();
const TReportPageProfile& RegionalReportProfile(int form);
const TFinalPageProfile& RegionalFinalProfile(int form);

// The page routines of a profile: draw ReportJob.CurrentPage.
void PrintReportPageByProfile(platform::Canvas& canvas, const TPupilRecord& pupil, const TReportPageProfile& profile);
void PrintFinalPageByProfile(platform::Canvas& canvas, const TPupilRecord& pupil, const TFinalPageProfile& profile);

// Page routines: draw ReportJob.CurrentPage of the job's form for the pupil.
void PrintRegionalReportPage(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintRegionalFinalPage(platform::Canvas& canvas, const TPupilRecord& pupil);

}  // namespace quorv
