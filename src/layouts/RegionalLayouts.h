#pragma once
// Regionale Schule reports: forms 15, 16, 115 and the leaving and final reports 17 to 20.
#include "platform/Canvas.h"
#include "records/QuorvDat.h"

namespace quorv {

// Page routines: draw ReportJob.CurrentPage for the pupil.
void PrintRegionalReportPage(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintRegionalFinalPage(platform::Canvas& canvas, const TPupilRecord& pupil);

}  // namespace quorv
