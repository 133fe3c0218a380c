#pragma once
// The acknowledgement of receipt and the learning-development report: page
// routines and output wrappers, which share printer documents in batches
// through PrintBatchState.
#include "platform/Canvas.h"
#include "records/QuorvDat.h"

namespace quorv {

void PrintReceipt(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintLearningReports(platform::Canvas& canvas, const TPupilRecord& pupil);

// Output wrappers (job codes 41, 43, 141 and 170).
void PrintReceiptJob();
void PrintLearningReportsJob();

}  // namespace quorv
