#include "mainwindow/MainPrintCommands.h"

#include <algorithm>

#include "layouts/PrintJob.h"
#include "layouts/ReceiptLayouts.h"
#include "mainwindow/MainUSB.h"
#include "platform/Messages.h"
#include "platform/PrinterDocument.h"
#include "printengine/TestSheet.h"
#include "records/QuorvDat.h"
#include "settings/DrkEinst.h"

namespace quorv {

namespace {

// The record of the current pupil, or nullptr when the class holds none there.
const TPupilRecord* CurrentPupilRecord() {
  if (CurrentPupil < 0 || CurrentPupil >= PupilCount || static_cast<std::size_t>(CurrentPupil) >= Pupils.size())
    return nullptr;
  return &Pupils[static_cast<std::size_t>(CurrentPupil)];
}

void FillJob(const TPupilRecord& pupil, std::uint16_t formNumber, std::uint16_t target) {
  ReportJob.FormNumber = formNumber;
  ReportJob.Pupil = pupil;
  ReportJob.CurrentPage = 1;
  ReportJob.OutputTarget = target;
}

std::uint16_t ReportTarget() { return PrintOptions.DuplexNoDialogs == 1 ? otPrinterReport : otPrinterPage; }

// The report form the job gets for a pupil; 0 when there is none to print.
std::uint16_t PrintableReportForm(const TPupilRecord& pupil) {
  const std::uint16_t form = ReportFormOfPupil(pupil);
  return form == kNoLayoutForm ? 0 : form;
}

// Steps 2 to 4 of the current pupil's report, for the printer or the preview.
void DispatchCurrentPupilReport(std::uint16_t target) {
  const TPupilRecord* pupil = CurrentPupilRecord();
  if (pupil == nullptr) return;
  const std::uint16_t form = ReportFormOfPupil(*pupil);
  ReportJob.FormNumber = form;
  if (form == 0) {
    platform::ShowMessage(kNoReportFormMessage, platform::MsgKind::Error);
    return;
  }
  FillJob(*pupil, form, target);
  PrintReport();
}

}  // namespace

// ---- guard ----------------------------------------------------------------------------

TPrintRunGuard::TPrintRunGuard()
    : topMargin_(PrintOptions.TopMargin), documentOpen_(platform::Printer().Printing()) {}

TPrintRunGuard::~TPrintRunGuard() {
  PrintOptions.TopMargin = topMargin_;
  PrintBatchState = pbsSingle;
  if (!documentOpen_ && platform::Printer().Printing()) EndReportDocument();
}

// ---- the pupils of a batch ----------------------------------------------------------------

std::vector<int> BatchPupils(bool passOverSkipped) {
  std::vector<int> pupils;
  const int end = std::min(PupilCount, static_cast<int>(Pupils.size()));
  for (int i = std::max(CurrentPupil, 0); i < end; ++i) {
    const TPupilRecord& pupil = Pupils[static_cast<std::size_t>(i)];
    if (pupil.Active != 1) continue;
    if (passOverSkipped && pupil.SkipInBatch == 1) continue;
    if (IsPlaceholderRow(pupil)) break;
    pupils.push_back(i);
  }
  return pupils;
}

// ---- one pupil --------------------------------------------------------------------------------

void PrintCurrentPupilReport() {
  ClearReportJob();
  DispatchCurrentPupilReport(ReportTarget());
}

void PreviewCurrentPupilReport() { DispatchCurrentPupilReport(otPreview); }

void PreviewCurrentPupilReceipt() {
  const TPupilRecord* pupil = CurrentPupilRecord();
  if (pupil == nullptr) return;
  FillJob(*pupil, kReceiptJob, otPreview);
  PrintReport();
}

void PrintCurrentPupilReceipt() {
  const TPupilRecord* pupil = CurrentPupilRecord();
  if (pupil == nullptr) return;
  ClearReportJob();
  FillJob(*pupil, kSingleReceiptJob, otPrinterPage);
  RunReceiptSequence();
}

void PrintCurrentPupilLearningReport() {
  const TPupilRecord* pupil = CurrentPupilRecord();
  if (pupil == nullptr) return;
  TPrintRunGuard guard;
  ClearReportJob();
  FillJob(*pupil, kLearningReportJob, otPrinterPage);
  PrintBatchState = pbsSingle;
  PrintLearningReportsJob();
}

void RunReceiptSequence() {
  TPrintRunGuard guard;
  const bool halfSheet = PrintOptions.ReceiptA5 == 1;
  const bool withCopy = PrintOptions.ReceiptCopy == 1;
  if (halfSheet && withCopy) PrintBatchState = pbsFirstHalf;
  PrintReceiptJob();
  if (withCopy) {
    if (halfSheet) {
      // The copy on the lower half of the same sheet.
      PrintBatchState = pbsSecondHalf;
      const std::uint16_t top = PrintOptions.TopMargin;
      PrintOptions.TopMargin = static_cast<std::uint16_t>(top + kHalfSheetOffset);
      PrintReceiptJob();
      PrintOptions.TopMargin = top;
    } else {
      PrintReceiptJob();
    }
  }
  PrintBatchState = pbsSingle;
}

// ---- batches ------------------------------------------------------------------------------------

void PrintReportsFromCurrentPupil() {
  TPrintRunGuard guard;
  for (const int i : BatchPupils(true)) {
    const TPupilRecord& pupil = Pupils[static_cast<std::size_t>(i)];
    ClearReportJob();
    // Pupils without a printable report form are passed over silently.
    const std::uint16_t form = PrintableReportForm(pupil);
    if (form == 0) continue;
    FillJob(pupil, form, ReportTarget());
    PrintReport();
  }
}

void PrintReceiptsFromCurrentPupil() {
  TPrintRunGuard guard;
  for (const int i : BatchPupils(false)) {
    ClearReportJob();
    FillJob(Pupils[static_cast<std::size_t>(i)], kReceiptJob, otPrinterPage);
    RunReceiptSequence();
  }
}

void PrintLearningReportsFromCurrentPupil() {
  TPrintRunGuard guard;
  PrintBatchState = pbsSingle;
  bool printed = false;
  for (const int i : BatchPupils(false)) {
    ClearReportJob();
    FillJob(Pupils[static_cast<std::size_t>(i)], kLearningReportJob, otPrinterPage);
    const std::uint16_t top = PrintOptions.TopMargin;
    switch (PrintBatchState) {
      case pbsFirstHalf:
        // The conference print gives every report a sheet of its own.
        if (PrintOptions.ConferencePrint != 1) {
          PrintBatchState = pbsSecondHalf;
          PrintOptions.TopMargin = kHalfSheetOffset;
        }
        break;
      default:
        PrintBatchState = pbsFirstHalf;
        break;
    }
    PrintLearningReportsJob();
    PrintOptions.TopMargin = top;
    printed = true;
  }
  if (printed) {
    PrintBatchState = pbsEnd;
    PrintLearningReportsJob();
  }
  PrintBatchState = pbsSingle;
}

// ---- the main window's handlers --------------------------------------------------------------------

void TMainForm::ausgewhlterZeugnistyp1Click() { PrintCurrentPupilReport(); }
void TMainForm::SpeedButton17Click() { ausgewhlterZeugnistyp1Click(); }

void TMainForm::Seitenansicht1Click() { PreviewCurrentPupilReport(); }
void TMainForm::SpeedButton19Click() { Seitenansicht1Click(); }
void TMainForm::Seitenansichtzeigen1Click() { Seitenansicht1Click(); }
void TMainForm::Seitenansichtzeigen2Click() { Seitenansicht1Click(); }

void TMainForm::SeitenansichtEmpfB1Click() { PreviewCurrentPupilReceipt(); }
void TMainForm::SpeedButton12Click() { SeitenansichtEmpfB1Click(); }

void TMainForm::Empfangsbekenntnis1Click() { PrintCurrentPupilReceipt(); }
void TMainForm::SpeedButton18Click() { Empfangsbekenntnis1Click(); }

void TMainForm::Lernentwicklungsbericht1Click() { PrintCurrentPupilLearningReport(); }

void TMainForm::ausgewhlteZeugnistypen1Click() { PrintReportsFromCurrentPupil(); }
void TMainForm::dieEmpfangsbekenntnisse1Click() { PrintReceiptsFromCurrentPupil(); }
void TMainForm::LernentwberichtefrZeugniskonferenz1Click() { PrintLearningReportsFromCurrentPupil(); }

void TMainForm::estblattausdrucken1Click() { PrintPrinterTestSheet(); }

// The dialog's result is not used: the options apply to the next print.
void TMainForm::DruckOptionen1Click() { RunDialog(DrkEinstForm); }

}  // namespace quorv
