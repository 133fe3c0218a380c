#pragma once
// Orientierungsstufe (form 104) and Integrierte Gesamtschule reports: the
// report of Klassenstufe 5 and 6 (26), the year, half-year, transfer and
// interim reports (27, 29, 127) and the leaving report (28).
//
// Each form is a profile of the report and final pages of RegionalLayouts.h.
// No text of these forms depends on the school year.
#include <array>

#include "layouts/LayoutHelpers.h"
#include "layouts/RegionalLayouts.h"
#include "platform/Canvas.h"
#include "records/QuorvDat.h"

namespace quorv {

inline constexpr const char* kGesamtschuleLeavingSentence =
    "wird nach Erfüllung seiner/ihrer Pflicht zum neunjährigen Besuch der allgemein bildenden Schule aus der";

// The grade block of a form (the job's form number picks it): R rows from
// slot 1 and from slot 10, free rows of the right column from T; language
// rows 2 and 3 (bare names on form 26); the fixed religion row 6 on form 26,
// 9 on 27, 28, 29 and 127, none on 104; course letters G, B or E.
TGradeLineProfile GesamtschuleGradeLineProfile(int form, int rows, int firstFreeRow);
void GesamtschuleGradeLines(platform::Canvas& canvas, const TPupilRecord& pupil, QChar fill,
                            const PageOrigins& origins, bool courseFlag, bool wordsFlag, int rows, int firstFreeRow,
                            int page, const TFormFieldTable& fields);

// The report profiles of forms 104, 26, 27, 29 and 127, and the one of a
// form number (form 27's for a number that is not in the list).
const std::array<TReportPageProfile, 5>& GesamtschuleReportProfiles();
const TReportPageProfile& GesamtschuleReportProfile(int form);
// The leaving report, form 28.
const TFinalPageProfile& GesamtschuleLeavingProfile();

// Page routines: draw ReportJob.CurrentPage for the pupil.
void PrintOrientierungsstufeReportPage(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintGesamtschuleClass56Page(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintGesamtschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintGesamtschuleLeavingPage(platform::Canvas& canvas, const TPupilRecord& pupil);

}  // namespace quorv
