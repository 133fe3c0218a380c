#pragma once
// Hauptschule reports: forms 5, 6, 105 and the leaving and final reports 7, 8, 9.
//
// Built like the Regionale Schule reports, each form a profile; the grade
// block has eight rows, one language row and no course letters.
#include <array>

#include "layouts/RegionalLayouts.h"
#include "platform/Canvas.h"
#include "records/QuorvDat.h"

namespace quorv {

// The Hauptschule grade block: R rows from slot 1 and slot 10, free rows of the
// right column from T, the first language in row 2 and the religion in row R
// (none when religionRow is false: the interim report).
TGradeLineProfile HauptschuleGradeLineProfile(int rows, int firstFreeRow, bool religionRow);
void HauptschuleGradeLines(platform::Canvas& canvas, const TPupilRecord& pupil, QChar fill,
                           const PageOrigins& origins, bool courseFlag, bool wordsFlag, int rows, int firstFreeRow,
                           int page, const TFormFieldTable& fields);

// The profiles of the Hauptschule forms, and the one of a form number (the
// first of the list for a number that is not in it).
const std::array<TReportPageProfile, 3>& HauptschuleReportProfiles();
const std::array<TFinalPageProfile, 3>& HauptschuleFinalProfiles();
const TReportPageProfile& HauptschuleReportProfile(int form);
const TFinalPageProfile& HauptschuleFinalProfile(int form);

// Page routines: draw ReportJob.CurrentPage for the pupil.
void PrintHauptschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintHauptschuleFinalPage(platform::Canvas& canvas, const TPupilRecord& pupil);

}  // namespace quorv
