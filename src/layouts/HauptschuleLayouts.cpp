#include "layouts/HauptschuleLayouts.h"

#include "layouts/LayoutHelpers.h"
#include "layouts/PrintJob.h"

namespace quorv {

namespace {

constexpr const char* kHauptschulePhrase = "der Hauptschule";
// The heading of the text block is the same in every year; the report pages
// print the grade scale in two parts, the final pages in one line.

// Forms 5, 6, 105: form, title, phrase, words always, course letters, grade
// block, heading, sub-heading, seal strike-out of a year and of a half-year
// report, grade scale, its second part.
const std::array<TReportPageProfile, 3> kReportProfiles = {{
    {5, "Zeugnis", kHauptschulePhrase, false, false, {HauptschuleGradeLines, 8, 8}, kTextHeading,
     kTextSubHeading, TSealOverprint::A, TSealOverprint::B, kScaleLabel, kScaleSteps},
    {6, "Übergangszeugnis", kHauptschulePhrase, true, false, {HauptschuleGradeLines, 8, 8}, kTextHeading,
     kTextSubHeading, TSealOverprint::A, TSealOverprint::A, kScaleLabel, kScaleSteps},
    {105, "Zwischenzeugnis", kHauptschulePhrase, false, false, {HauptschuleGradeLines, 8, 8}, kTextHeading,
     kTextSubHeading, TSealOverprint::B, TSealOverprint::B, kScaleLabel, kScaleSteps},
}};

// Forms 7, 8, 9: form, title, phrase, course letters, grade block, elective
// block, statement (fields 22 to 27), seal, its strike-out, grade scale, footnote.
// Forms 8 and 9 print "Jahrgangsstufe" in full.
const std::array<TFinalPageProfile, 3> kFinalProfiles = {{
    {7, "Abgangszeugnis", kHauptschulePhrase, false, {HauptschuleGradeLines, 8, 8}, TElectiveBlock::Three,
     {Say(kLeavingSentence), kSexOverprintLine, Say("Jahrgangsstufe ____ der Hauptschule entlassen."),
      kJahrgangsstufeLine, kNoLine, kNoLine},
     kStempelSiegel, TSealOverprint::A, kScaleLine, kNoText},
    {8, "Abschlusszeugnis", kHauptschulePhrase, false, {HauptschuleGradeLines, 8, 8}, TElectiveBlock::Four,
     {Say("hat erfolgreich am Unterricht der Jahrgangsstufe 9 des Hauptschulbildungsganges teilgenommen"),
      Say("und den"), Say("Hauptschulabschluss"), kNoLine, Say("erworben."), kNoLine},
     kStempelSiegel, TSealOverprint::A, kScaleLine, kNoText},
    {9, "Abschlusszeugnis", kHauptschulePhrase, false, {HauptschuleGradeLines, 8, 8}, TElectiveBlock::Four,
     {Say("hat erfolgreich am Unterricht der Jahrgangsstufe 10 des Hauptschulbildungsganges teilgenommen"),
      Say("und den"), Say("qualifizierten Hauptschulabschluss"), kNoLine, Say("erworben."), kNoLine},
     "Siegel", TSealOverprint::None, kScaleLine, kNoText},
}};

}  // namespace

TGradeLineProfile HauptschuleGradeLineProfile(int rows, int firstFreeRow, bool religionRow) {
  TGradeLineProfile profile;
  profile.Rows = rows;
  profile.FirstFreeRow = firstFreeRow;
  profile.LanguageRows = {{{2, "1. Fremdsprache"}, {0, nullptr}}};
  profile.ReligionRow = religionRow ? rows : 0;
  profile.CourseLetter = nullptr;
  return profile;
}

void HauptschuleGradeLines(platform::Canvas& canvas, const TPupilRecord& pupil, QChar fill,
                           const PageOrigins& origins, bool /*courseFlag: no course letters*/, bool wordsFlag,
                           int rows, int firstFreeRow, int page, const TFormFieldTable& fields) {
  const bool religionRow = ReportJob.FormNumber != 105;
  PrintGradeLines(canvas, pupil, fill, origins, false, wordsFlag,
                  HauptschuleGradeLineProfile(rows, firstFreeRow, religionRow), page, fields);
}

const std::array<TReportPageProfile, 3>& HauptschuleReportProfiles() { return kReportProfiles; }
const std::array<TFinalPageProfile, 3>& HauptschuleFinalProfiles() { return kFinalProfiles; }
const TReportPageProfile& HauptschuleReportProfile(int form) { return ProfileOf(kReportProfiles, form); }
const TFinalPageProfile& HauptschuleFinalProfile(int form) { return ProfileOf(kFinalProfiles, form); }

void PrintHauptschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil) {
  PrintReportPageByProfile(canvas, pupil, HauptschuleReportProfile(ReportJob.FormNumber));
}

void PrintHauptschuleFinalPage(platform::Canvas& canvas, const TPupilRecord& pupil) {
  PrintFinalPageByProfile(canvas, pupil, HauptschuleFinalProfile(ReportJob.FormNumber));
}

}  // namespace quorv
