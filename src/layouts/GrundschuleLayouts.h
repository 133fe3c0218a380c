#pragma once
// Grundschule reports: forms 1 and 2 (Klassenstufe 1), 3 and 4 (Klassenstufen 2 to 4).
#include "platform/Canvas.h"
#include "records/QuorvDat.h"

namespace quorv {

// Page routines: draw ReportJob.CurrentPage for the pupil.
void PrintGrundschuleClass1Page(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintGrundschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil);

}  // namespace quorv
