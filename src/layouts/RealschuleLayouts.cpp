#include "layouts/RealschuleLayouts.h"

#include "layouts/LayoutHelpers.h"
#include "layouts/PrintJob.h"

namespace quorv {

namespace {

constexpr const char* kRealschulePhrase = "der Realschule";
// The heading of the text block is the same in every year; the report pages
// print the grade scale in two parts, the final pages in one line.

// Forms 10, 11, 110: form, title, phrase, words always, course letters, grade
// block, heading, sub-heading, seal strike-out of a year and of a half-year
// report, grade scale, its second part.
const std::array<TReportPageProfile, 3> kReportProfiles = {{
    {10, "Zeugnis", kRealschulePhrase, false, false, {RealschuleGradeLines, 9, 8}, kTextHeading,
     kTextSubHeading, TSealOverprint::A, TSealOverprint::B, kScaleLabel, kScaleSteps},
    {11, "Übergangszeugnis", kRealschulePhrase, true, false, {RealschuleGradeLines, 9, 8}, kTextHeading,
     kTextSubHeading, TSealOverprint::A, TSealOverprint::A, kScaleLabel, kScaleSteps},
    {110, "Zwischenzeugnis", kRealschulePhrase, false, false, {RealschuleGradeLines, 9, 8}, kTextHeading,
     kTextSubHeading, TSealOverprint::B, TSealOverprint::B, kScaleLabel, kScaleSteps},
}};

constexpr const char* kExamSentence =
    "hat erfolgreich an der Realschulabschlussprüfung gemäß § 16 Abs. 4 des Schulgesetzes des Landes";
constexpr const char* kExamSentenceEnd = "Velsland teilgenommen und den";

// Forms 12, 13, 14: form, title, phrase, course letters, grade block, elective
// block, statement (fields 22 to 27), seal, its strike-out, grade scale, footnote.
const std::array<TFinalPageProfile, 3> kFinalProfiles = {{
    {12, "Abgangszeugnis", kRealschulePhrase, false, {RealschuleGradeLines, 9, 7}, TElectiveBlock::Three,
     {Say(kLeavingSentence), kSexOverprintLine, Say("Jahrgangsstufe ____ der Realschule entlassen."),
      kJahrgangsstufeLine, kNoLine, kNoLine},
     kStempelSiegel, TSealOverprint::A, kScaleLine, kNoText},
    {13, "Abschlusszeugnis", kRealschulePhrase, false, {RealschuleGradeLines, 9, 7}, TElectiveBlock::Four,
     {Say(kExamSentence), Say(kExamSentenceEnd), Say("Realschulabschluss"), kNoLine, Say(kOverallGradeSentence),
      kOverallGradeLine},
     "Siegel", TSealOverprint::None, kScaleLine, kNoText},
    {14, "Abschlusszeugnis", kRealschulePhrase, false, {RealschuleGradeLines, 9, 7}, TElectiveBlock::Four,
     {Say(kExamSentence), Say(kExamSentenceEnd), Say("qualifizierten Realschulabschluss"), kNoLine,
      Say(kOverallGradeSentence), kOverallGradeLine},
     "Siegel", TSealOverprint::None, kScaleLine, kNoText},
}};

}  // namespace

TGradeLineProfile RealschuleGradeLineProfile(int rows, int firstFreeRow, bool religionRow) {
  TGradeLineProfile profile;
  profile.Rows = rows;
  profile.FirstFreeRow = firstFreeRow;
  profile.LanguageRows = {{{2, "1. Fremdsprache"}, {3, "2. Fremdsprache"}}};
  profile.ReligionRow = religionRow ? rows : 0;
  profile.CourseLetter = nullptr;
  return profile;
}

void RealschuleGradeLines(platform::Canvas& canvas, const TPupilRecord& pupil, QChar fill,
                          const PageOrigins& origins, bool /*courseFlag: no course letters*/, bool wordsFlag,
                          int rows, int firstFreeRow, int page, const TFormFieldTable& fields) {
  const bool religionRow = ReportJob.FormNumber != 110;
  PrintGradeLines(canvas, pupil, fill, origins, false, wordsFlag,
                  RealschuleGradeLineProfile(rows, firstFreeRow, religionRow), page, fields);
}

const std::array<TReportPageProfile, 3>& RealschuleReportProfiles() { return kReportProfiles; }
const std::array<TFinalPageProfile, 3>& RealschuleFinalProfiles() { return kFinalProfiles; }
const TReportPageProfile& RealschuleReportProfile(int form) { return ProfileOf(kReportProfiles, form); }
const TFinalPageProfile& RealschuleFinalProfile(int form) { return ProfileOf(kFinalProfiles, form); }

void PrintRealschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil) {
  PrintReportPageByProfile(canvas, pupil, RealschuleReportProfile(ReportJob.FormNumber));
}

void PrintRealschuleFinalPage(platform::Canvas& canvas, const TPupilRecord& pupil) {
  PrintFinalPageByProfile(canvas, pupil, RealschuleFinalProfile(ReportJob.FormNumber));
}

}  // namespace quorv
