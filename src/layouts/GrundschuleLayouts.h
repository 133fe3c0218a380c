#pragma once
// Grundschule reports: forms 1 and 2 (Klassenstufe 1, one page without
// grades) and forms 3 and 4 (Klassenstufen 2 to 4, the grades on page 2).
//
// Each form is a report-page profile (RegionalLayouts.h) with the Grundschule's
// texts and knobs; the grade block is a one-column grade-line profile.
#include <array>

#include "layouts/LayoutHelpers.h"
#include "layouts/RegionalLayouts.h"
#include "platform/Canvas.h"
#include "records/QuorvDat.h"

namespace quorv {

// The label under the school's rule at field 4.
inline constexpr const char* kGrundschuleSchoolRuleLabel = "Name der Schule/Schulort";

// One column of R rows from slot 1: row 9 the language row "Fremdsprache",
// row 4 and any religion subject the primary religion line, no course
// letters and no two-line Arbeit-Wirtschaft-Technik row.
TGradeLineProfile GrundschuleGradeLineProfile(int rows);
void GrundschuleGradeLines(platform::Canvas& canvas, const TPupilRecord& pupil, QChar fill,
                           const PageOrigins& origins, bool courseFlag, bool wordsFlag, int rows, int firstFreeRow,
                           int page, const TFormFieldTable& fields);

// The profiles of forms 1 to 4, and the one of a form number (form 1 for a
// number that is not in the list).
const std::array<TReportPageProfile, 4>& GrundschuleProfiles();
const TReportPageProfile& GrundschuleProfile(int form);

// Page routines: draw ReportJob.CurrentPage for the pupil.
void PrintGrundschuleClass1Page(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintGrundschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil);

}  // namespace quorv
