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

// The name of a batch's PDF file: the class and the command.
QString BatchFileName(const std::vector<int>& pupils, const char* command) {
  QString className;
  if (!pupils.empty()) className = Pupils[static_cast<std::size_t>(pupils.front())].ClassName.text().trimmed();
  if (className.isEmpty() || className == QLatin1String("???") || className.startsWith(QLatin1Char('-'))) {
    className = ClassFileName;
    if (className.endsWith(QLatin1String(".QVR"), Qt::CaseInsensitive)) className.chop(4);
  }
  return QStringLiteral("Klasse ") + className + QStringLiteral(": ") + QString::fromUtf8(command);
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
  TCutTextWatch cutTexts;
  platform::PrinterJob printerJob;
  ClearReportJob();
  DispatchCurrentPupilReport(ReportTarget());
}

void PreviewCurrentPupilReport() {
  platform::PrinterJob printerJob;  // the preview's own printing goes into this job
  DispatchCurrentPupilReport(otPreview);
}

void PreviewCurrentPupilReceipt() {
  const TPupilRecord* pupil = CurrentPupilRecord();
  if (pupil == nullptr) return;
  platform::PrinterJob printerJob;
  FillJob(*pupil, kReceiptJob, otPreview);
  PrintReport();
}

void PrintCurrentPupilReceipt() {
  const TPupilRecord* pupil = CurrentPupilRecord();
  if (pupil == nullptr) return;
  platform::PrinterJob printerJob;
  ClearReportJob();
  FillJob(*pupil, kSingleReceiptJob, otPrinterPage);
  RunReceiptSequence();
}

void PrintCurrentPupilLearningReport() {
  const TPupilRecord* pupil = CurrentPupilRecord();
  if (pupil == nullptr) return;
  TCutTextWatch cutTexts;
  // The document's title names no pupil; the file does.
  platform::PrinterJob printerJob(QStringLiteral("Lernentwicklungsberichte: ") + PupilDisplayName(*pupil));
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
  const std::vector<int> pupils = BatchPupils(true);
  TCutTextWatch cutTexts;
  platform::PrinterJob printerJob(BatchFileName(pupils, "Zeugnisse"));
  TPrintRunGuard guard;
  for (const int i : pupils) {
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
  const std::vector<int> pupils = BatchPupils(false);
  platform::PrinterJob printerJob(BatchFileName(pupils, "Empfangsbekenntnisse"));
  TPrintRunGuard guard;
  for (const int i : pupils) {
    ClearReportJob();
    FillJob(Pupils[static_cast<std::size_t>(i)], kReceiptJob, otPrinterPage);
    RunReceiptSequence();
  }
}

void PrintLearningReportsFromCurrentPupil() {
  const std::vector<int> pupils = BatchPupils(false);
  TCutTextWatch cutTexts;
  platform::PrinterJob printerJob(BatchFileName(pupils, "Lernentwicklungsberichte"));
  TPrintRunGuard guard;
  PrintBatchState = pbsSingle;
  bool printed = false;
  for (const int i : pupils) {
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
