#include "mainwindow/MainPrintCommands.h"

#include <QStringList>
#include <algorithm>

#include "layouts/PrintJob.h"
#include "layouts/ReceiptLayouts.h"
#include "mainwindow/MainUSB.h"
#include "platform/Messages.h"
#include "platform/PrinterDocument.h"
#include "printengine/TestSheet.h"
#include "records/ClassNavigation.h"
#include "records/Propagation.h"
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

// The name of a batch's PDF file: the class and the command.
QString BatchFileName(const std::vector<int>& pupils, const char* command) {
  const TPupilRecord* first = pupils.empty() ? nullptr : &Pupils[static_cast<std::size_t>(pupils.front())];
  return ClassPrintTitle(first, QString::fromUtf8(command));
}

// Whether a document could not be begun since the check was made: that has
// been said, and nothing more of the run would be printed, so a batch ends.
class TRefusalCheck {
 public:
  bool Refused() const { return RefusedDocumentCount() != refusedBefore_; }

 private:
  std::uint32_t refusedBefore_ = RefusedDocumentCount();
};

// The pupils a class print of reports passed over for want of a printable form.
struct TPassedOver {
  QStringList WithoutForm;    // not decided yet: 0, or -1 of a record never stored
  QStringList WithoutLayout;  // a form the program has no print layout for
};

QString NamedPupils(const QStringList& names) {
  return platform::NamedList(names, QStringLiteral("und 1 weiterer Schüler"),
                             QStringLiteral("und %1 weitere Schüler"));
}

QString PassedOverMessage(const TPassedOver& passed) {
  QStringList parts;
  if (!passed.WithoutForm.isEmpty())
    parts << QStringLiteral("Für diese Schüler wurde kein Zeugnis gedruckt, weil ihr Zeugnisformular noch nicht "
                            "festgelegt ist:\r") +
                 NamedPupils(passed.WithoutForm) +
                 QStringLiteral("\r\rDas Zeugnisformular wird festgelegt, wenn die Daten eines Schülers übernommen "
                                "werden. Wählen Sie jeden dieser Schüler in der Schülerliste aus, prüfen Sie auf dem "
                                "„Zeugnis-Kopf“ Zeugnistyp und Klassenstufe und klicken Sie auf „Daten "
                                "übernehmen“. Danach lassen sich ihre Zeugnisse drucken.");
  if (!passed.WithoutLayout.isEmpty())
    parts << QStringLiteral("Für diese Schüler wurde kein Zeugnis gedruckt, weil das Programm ihr Zeugnisformular "
                            "nicht drucken kann:\r") +
                 NamedPupils(passed.WithoutLayout) +
                 QStringLiteral("\r\rBitte überprüfen Sie die Einstellungen der Schule und die gewählte Zeugnisart.");
  return parts.join(QStringLiteral("\r\r"));
}

// A class print with nobody to print says so and why; true then.
bool NobodyToPrint(const std::vector<int>& pupils, bool passOverSkipped) {
  if (!pupils.empty()) return false;
  platform::ShowMessage(NobodyFollowsMessage(WhyNobodyFollows(Pupils, PupilCount, CurrentPupil, passOverSkipped),
                                             TFollowingRun::Print),
                        platform::MsgKind::Warning);
  return true;
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
  platform::PrinterJob printerJob(LearningReportsTitle(*pupil, pbsSingle));
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
  const TRefusalCheck check;
  PrintReceiptJob();
  // No copy of a receipt that could not be begun.
  if (withCopy && !check.Refused()) {
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
  if (NobodyToPrint(pupils, true)) return;
  TPassedOver passedOver;
  {
    TCutTextWatch cutTexts;
    platform::PrinterJob printerJob(BatchFileName(pupils, "Zeugnisse"));
    TPrintRunGuard guard;
    const TRefusalCheck check;
    for (const int i : pupils) {
      const TPupilRecord& pupil = Pupils[static_cast<std::size_t>(i)];
      ClearReportJob();
      // A pupil without a printable report form has no report to print;
      // the message after the print names him.
      const std::uint16_t form = ReportFormOfPupil(pupil);
      if (form == 0 || form == kNoLayoutForm) {
        (pupil.FormNumber <= 0 ? passedOver.WithoutForm : passedOver.WithoutLayout) << PupilEntryText(pupil);
        continue;
      }
      FillJob(pupil, form, ReportTarget());
      PrintReport();
      if (check.Refused()) break;
    }
  }
  const QString message = PassedOverMessage(passedOver);
  if (!message.isEmpty()) platform::ShowMessage(message, platform::MsgKind::Warning);
}

void PrintReceiptsFromCurrentPupil() {
  const std::vector<int> pupils = BatchPupils(false);
  if (NobodyToPrint(pupils, false)) return;
  platform::PrinterJob printerJob(BatchFileName(pupils, "Empfangsbekenntnisse"));
  TPrintRunGuard guard;
  const TRefusalCheck check;
  for (const int i : pupils) {
    ClearReportJob();
    FillJob(Pupils[static_cast<std::size_t>(i)], kReceiptJob, otPrinterPage);
    RunReceiptSequence();
    if (check.Refused()) break;
  }
}

void PrintLearningReportsFromCurrentPupil() {
  const std::vector<int> pupils = BatchPupils(false);
  if (NobodyToPrint(pupils, false)) return;
  TCutTextWatch cutTexts;
  platform::PrinterJob printerJob(BatchFileName(pupils, "Lernentwicklungsberichte"));
  TPrintRunGuard guard;
  const TRefusalCheck check;
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
    if (check.Refused()) break;
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
