#pragma once
// Orientierungsstufe (form 104) and Integrierte Gesamtschule reports (26 to 29, 127).
#include "platform/Canvas.h"
#include "records/QuorvDat.h"

namespace quorv {

// Page routines: draw ReportJob.CurrentPage for the pupil.
void PrintOrientierungsstufeReportPage(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintGesamtschuleClass56Page(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintGesamtschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintGesamtschuleLeavingPage(platform::Canvas& canvas, const TPupilRecord& pupil);

}  // namespace quorv
