#include "layouts/PreviewPage.h"

#include <algorithm>
#include <iterator>

#include "layouts/OutputWrappers.h"
#include "layouts/ReceiptLayouts.h"
#include "platform/PrinterCaps.h"
#include "platform/PrinterDocument.h"
#include "platform/RecordingCanvas.h"
#include "settings/DrkEinst.h"

namespace quorv {

namespace {

constexpr int kOnePageForms[] = {1, 2, 23, 24, 25};

// Runs a printing with the job as it is now put back afterwards.
template <typename Print>
void WithJobRestored(Print print) {
  const TReportJob saved = ReportJob;
  print();
  ReportJob = saved;
}

}  // namespace

HeldBackMessages::HeldBackMessages() : previous_(platform::SetMessageService(this)) {}

HeldBackMessages::~HeldBackMessages() { platform::SetMessageService(previous_); }

platform::MsgResult HeldBackMessages::Show(const QString&, platform::MsgKind, platform::MsgButtons buttons) {
  ++heldBack_;
  switch (buttons) {
    case platform::MsgButtons::YesNo: return platform::MsgResult::No;
    case platform::MsgButtons::OkCancel: return platform::MsgResult::Cancel;
    case platform::MsgButtons::Ok: break;
  }
  return platform::MsgResult::Ok;
}

void RenderPreviewPage(platform::Canvas& canvas) {
  canvas.SetMapMode(platform::MapMode::Anisotropic);
  if (const TPageRoutine routine = PageRoutineOfForm(ReportJob.FormNumber)) {
    routine(canvas, ReportJob.Pupil);
    return;
  }
  platform::FontSpec font;
  font.FaceName = QStringLiteral("Arial");
  font.Height = 100;
  canvas.SetFont(font);
  canvas.SetTextAlign(platform::TextAlign::Center | platform::TextAlign::Top);
  canvas.TextOut(800, -500, kNoPrintoutText);
}

void RenderPreviewPageQuietly(platform::Canvas& canvas) {
  HeldBackMessages heldBack;
  RenderPreviewPage(canvas);
}

void LoadPreviewFormFile() {
  // The receipt draws from its own file, as its job loaded it, not from the
  // report form table's entry of its number.
  if (PageRoutineOfForm(ReportJob.FormNumber) == PrintReceipt)
    LoadJobFormFile(ReceiptFormFile(), ReceiptFormTitle());
  else
    LoadJobReportFormFile();
}

void PreparePreviewPage() {
  ClearCutTexts();
  const TPageRoutine routine = PageRoutineOfForm(ReportJob.FormNumber);
  if (routine == nullptr) return;
  LoadPreviewFormFile();
  platform::RecordingCanvas nowhere(platform::CurrentPrinterCaps());
  nowhere.SetMapMode(platform::MapMode::LoMetric);
  routine(nowhere, ReportJob.Pupil);
}

int PreviewReportLastPage(int formNumber) {
  return std::find(std::begin(kOnePageForms), std::end(kOnePageForms), formNumber) != std::end(kOnePageForms) ? 1
                                                                                                               : 2;
}

TOutputWrapperFn PreviewPageWrapper(int formNumber) {
  if (PageRoutineOfForm(formNumber) == nullptr) return nullptr;
  if (formNumber == kReceiptFormFileJob) return PrintReceiptJob;
  const TDispatchEntry* entry = FindDispatchEntry(formNumber);
  return entry != nullptr ? entry->Wrapper : nullptr;
}

void PrintReportFromPreview() {
  TCutTextWatch cutTexts;
  WithJobRestored([] {
    TReportJob& job = ReportJob;
    job.OutputTarget = PrintOptions.DuplexNoDialogs == 1 ? otPrinterReport : otPrinterPage;
    job.FirstPage = 1;
    job.LastPage = static_cast<std::uint16_t>(PreviewReportLastPage(job.FormNumber));
    job.AskFirst = 0;
    PrintReport();
  });
  platform::Printer().FlushJob();
}

void PrintPageFromPreview() {
  const TOutputWrapperFn wrapper = PreviewPageWrapper(ReportJob.FormNumber);
  if (wrapper == nullptr) return;
  TCutTextWatch cutTexts;
  WithJobRestored([wrapper] {
    TReportJob& job = ReportJob;
    job.OutputTarget = otPrinterPage;
    job.FirstPage = job.CurrentPage;
    job.LastPage = job.CurrentPage;
    wrapper();
  });
  platform::Printer().FlushJob();
}

}  // namespace quorv
