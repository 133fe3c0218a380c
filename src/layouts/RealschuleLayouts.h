#pragma once
// Realschule reports: forms 10, 11, 110 and the leaving and final reports 12, 13, 14.
#include "platform/Canvas.h"
#include "records/QuorvDat.h"

namespace quorv {

// Page routines: draw ReportJob.CurrentPage for the pupil.
void PrintRealschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintRealschuleFinalPage(platform::Canvas& canvas, const TPupilRecord& pupil);

}  // namespace quorv
