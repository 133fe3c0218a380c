#pragma once
// Hauptschule reports: forms 5, 6, 105 and the leaving and final reports 7, 8, 9.
#include "platform/Canvas.h"
#include "records/QuorvDat.h"

namespace quorv {

// Page routines: draw ReportJob.CurrentPage for the pupil.
void PrintHauptschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintHauptschuleFinalPage(platform::Canvas& canvas, const TPupilRecord& pupil);

}  // namespace quorv
