#pragma once
// The print and preview commands of the main window: they fill ReportJob
// from the pupils as last stored and hand it to the dispatcher or to the
// wrappers of the receipt and the learning-development report; the batches
// run from the current pupil to the end of the class.
#include <QString>
#include <cstdint>
#include <vector>

namespace quorv {

inline const QString kNoReportFormMessage =
    QStringLiteral("Die derzeitigen Daten erlauben noch\rkeine gültige Auswahl eines Zeugnises!");

// What a print command changes for its own run is put back when it ends,
// whatever happened: the top margin, the batch state 0, and no printer
// document left open that was not open before.
class TPrintRunGuard {
 public:
  TPrintRunGuard();
  ~TPrintRunGuard();
  TPrintRunGuard(const TPrintRunGuard&) = delete;
  TPrintRunGuard& operator=(const TPrintRunGuard&) = delete;

 private:
  std::uint16_t topMargin_;
  bool documentOpen_;
};

// The records a batch handles, in order: from CurrentPupil on, the active
// ones (for the reports batch also not flagged SkipInBatch), up to the first
// active placeholder row, which ends the batch.
std::vector<int> BatchPupils(bool passOverSkipped);

// The current pupil's report: to the printer (asking first) or to the preview.
void PrintCurrentPupilReport();
void PreviewCurrentPupilReport();
// The current pupil's receipt: its preview, and its printing with the copy.
void PreviewCurrentPupilReceipt();
void PrintCurrentPupilReceipt();
// The current pupil's learning-development report as a document of its own.
void PrintCurrentPupilLearningReport();

// The receipt of the job (filled for the printer) with its copy by the print
// options: on A5 both halves of one sheet, on A4 a second document.
void RunReceiptSequence();

// The batches "für ALLE folgenden Schüler".
void PrintReportsFromCurrentPupil();
void PrintReceiptsFromCurrentPupil();
// Two learning-development reports per sheet (one with the remarks of the
// conference print), all in one document.
void PrintLearningReportsFromCurrentPupil();

}  // namespace quorv
