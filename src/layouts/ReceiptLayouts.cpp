#include "layouts/ReceiptLayouts.h"

#include "layouts/PrintJob.h"

namespace quorv {

// Until these layouts are built their pages stay empty; the wrappers follow
// the one-page pattern.
void PrintReceipt(platform::Canvas&, const TPupilRecord&) {}
void PrintLearningReports(platform::Canvas&, const TPupilRecord&) {}

namespace {
const TOutputWrapper kReceiptWrapper{"Empfangsbekenntnis: ", nullptr, PrintReceipt, otPrinterPage, nullptr};
const TOutputWrapper kLearningReportsWrapper{"Lernentwicklungsberichte", nullptr, PrintLearningReports,
                                             otPrinterPage, nullptr};
}  // namespace

void PrintReceiptJob() { RunOutputWrapper(kReceiptWrapper); }
void PrintLearningReportsJob() { RunOutputWrapper(kLearningReportsWrapper); }

}  // namespace quorv
