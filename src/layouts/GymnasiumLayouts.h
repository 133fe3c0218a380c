#pragma once
// Gymnasium reports: forms 21, 22, 121, the leaving report 23 and the examination report 24, 25.
#include "platform/Canvas.h"
#include "records/QuorvDat.h"
#include "layouts/PrintJob.h"

namespace quorv {

// Page routines: draw ReportJob.CurrentPage for the pupil.
void PrintGymnasiumReportPage(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintGymnasiumLeavingPage(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintGymnasiumExamPage(platform::Canvas& canvas, const TPupilRecord& pupil);

// The examination-data check of forms 24 and 25, before any output.
bool CheckGymnasiumExamData(const TReportJob& job);

}  // namespace quorv
