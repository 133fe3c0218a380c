#pragma once
// Realschule reports: forms 10, 11, 110 and the leaving and final reports 12, 13, 14.
//
// Built like the Regionale Schule reports, each form a profile; the grade
// block has nine rows, two language rows and no course letters.
#include <array>

#include "layouts/RegionalLayouts.h"
#include "platform/Canvas.h"
#include "records/QuorvDat.h"

namespace quorv {

// The Realschule grade block: R rows from slot 1 and slot 10, free rows of the
// right column from T, languages in rows 2 and 3 and the religion in row R
// (none when religionRow is false: the interim report).
TGradeLineProfile RealschuleGradeLineProfile(int rows, int firstFreeRow, bool religionRow);
void RealschuleGradeLines(platform::Canvas& canvas, const TPupilRecord& pupil, QChar fill,
                          const PageOrigins& origins, bool courseFlag, bool wordsFlag, int rows, int firstFreeRow,
                          int page, const TFormFieldTable& fields);

// The profiles of the Realschule forms, and the one of a form number (the
// first of the list for a number that is not in it).
const std::array<TReportPageProfile, 3>& RealschuleReportProfiles();
const std::array<TFinalPageProfile, 3>& RealschuleFinalProfiles();
const TReportPageProfile& RealschuleReportProfile(int form);
const TFinalPageProfile& RealschuleFinalProfile(int form);

// Page routines: draw ReportJob.CurrentPage for the pupil.
void PrintRealschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintRealschuleFinalPage(platform::Canvas& canvas, const TPupilRecord& pupil);

}  // namespace quorv
