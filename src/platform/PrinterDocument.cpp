#include "platform/PrinterDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <utility>

#include "platform/Files.h"
#include "platform/Messages.h"
#include "platform/PainterCanvas.h"

namespace platform {

namespace {

const QString kRefusedStart = QStringLiteral("Der Ausdruck konnte nicht begonnen werden:\r");
const QString kNoPrinter = QStringLiteral("Es ist kein Drucker eingerichtet.\r");
const QString kNoService = QStringLiteral("Der Druckdienst antwortet nicht.\r");
const QString kSavedAsPdf = QStringLiteral("Der Ausdruck wurde als PDF-Datei gespeichert:\r");
const QString kMayPrintLater = QStringLiteral(
    "Vielleicht wird der Ausdruck später doch noch gedruckt. Bitte prüfen Sie das, bevor Sie die PDF-Datei "
    "drucken.\r");
const QString kWillSaveAsPdf = QStringLiteral("Der Ausdruck wird als PDF-Datei gespeichert.");
const QString kPdfNotWritten =
    QStringLiteral("Die PDF-Datei konnte nicht geschrieben werden:\r%1\r"
                   "Vielleicht ist der Datenträger voll. Der Ausdruck wurde nicht gespeichert.");

// The PDF sheet: A4 upright in colour, drawn from its corner, at the
// resolution of a high-resolution printer.
constexpr int kPdfResolution = 1200;
QPageLayout PdfSheet() { return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()); }

QString Quoted(const QString& name) { return QStringLiteral("\"") + name + QStringLiteral("\""); }

QString PrinterGone(const QString& name) {
  return QStringLiteral("Der eingerichtete Drucker ") + Quoted(name) + QStringLiteral(" ist nicht mehr vorhanden.\r");
}

}  // namespace

QString PdfFileBaseName(const QString& title) {
  QString name = title.trimmed();
  name.replace(QStringLiteral(": "), QStringLiteral(" - "));
  for (QChar& c : name)
    if (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('_');
  while (name.endsWith(QLatin1Char('.'))) name.chop(1);
  name = name.trimmed();
  return name.isEmpty() ? QStringLiteral("Ausdruck") : name;
}

QString PageCountText(int pages) {
  return pages == 1 ? QStringLiteral("1 Seite") : QStringLiteral("%1 Seiten").arg(pages);
}

PrinterDocument::PrinterDocument() = default;

PrinterDocument::~PrinterDocument() {
  // An open file is finished rather than lost.
  finishPdfFile(false);
}

QPrinter& PrinterDocument::SetupPrinter() {
  if (!setup_) setup_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *setup_;
}

QString PrinterDocument::ChosenPrinter() { return chosenSet_ ? chosen_ : SetupPrinter().printerName(); }

DeviceCaps PrinterDocument::pdfCaps() { return PageDeviceCaps(kPdfResolution, PdfSheet(), true, true); }

// ---- the job's printer --------------------------------------------------------------

bool PrinterDocument::QueryPrinters(PrinterList& list) {
  const auto deadline = DeadlineIn(serviceTimeout_);
  // A list that an earlier job gave up on is waited for rather than asked for
  // twice; once it has come it is out of date, and the list is asked for anew.
  if (pendingQuery_.Pending()) {
    if (!pendingQuery_.WaitUntil(deadline)) return false;
    pendingQuery_ = {};
  }
  PrintService* service = &CurrentPrintService();
  pendingQuery_ = ServiceQuestion<PrinterList>::Ask([service] { return service->Printers(); });
  const std::optional<PrinterList> answer = pendingQuery_.WaitUntil(deadline);
  if (!answer) return false;
  list = *answer;
  pendingQuery_ = {};
  return true;
}

std::optional<PrinterState> PrinterDocument::printerState() {
  PrintService* service = &CurrentPrintService();
  const QString name = job_.Printer;
  return ServiceQuestion<PrinterState>::Ask([service, name] { return service->State(name); })
      .AnswerBy(DeadlineIn(serviceTimeout_));
}

PrinterDocument::Resolved PrinterDocument::resolvePrinter(bool quiet) {
  Resolved r;
  r.Target = Output::Pdf;
  r.Caps = pdfCaps();
  r.PdfReason = kNoPrinter;
  if (destination_ == PrintDestination::PdfFile) return r;
  if (InJob() && job_.ServiceSilent) {
    // Said once for the job; the window does not wait for the service again.
    r.PdfReason.clear();
    r.ServiceSilent = true;
    return r;
  }
  PrinterList list;
  if (!QueryPrinters(list)) {
    if (!quiet) ShowMessage(kNoService + kWillSaveAsPdf, MsgKind::Warning);
    r.PdfReason.clear();
    r.ServiceSilent = true;
    return r;
  }
  if (!list.ServiceRuns) {
    r.PdfReason = kNoService;
    return r;
  }
  // The set-up printer asks the service when it is made, so only now.
  const QString chosen = ChosenPrinter();
  const bool chosenGone = !chosen.isEmpty() && !list.Names.contains(chosen);
  QString name;
  if (!chosen.isEmpty() && !chosenGone) {
    name = chosen;
  } else if (!list.DefaultName.isEmpty() && list.Names.contains(list.DefaultName)) {
    name = list.DefaultName;
    if (!quiet && chosenGone) {
      // Said once: the default printer becomes the choice.
      SetChosenPrinter(name);
      ShowMessage(PrinterGone(chosen) + QStringLiteral("Es wird der Standarddrucker ") + Quoted(name) +
                      QStringLiteral(" verwendet."),
                  MsgKind::Information);
    }
  } else if (chosenGone) {
    // Named with every job until another printer is set up.
    r.PdfReason = PrinterGone(chosen) + (list.Names.isEmpty() ? kNoPrinter : QString());
  }
  if (name.isEmpty()) return r;
  r.Device = CurrentPrintService().OpenPrinter(name);
  if (!r.Device) return r;
  r.Target = Output::Printer;
  r.Printer = name;
  r.Caps = r.Device->Caps();
  return r;
}

void PrinterDocument::resolveJob() {
  Resolved r = resolvePrinter(false);
  job_.Target = r.Target;
  job_.Printer = r.Printer;
  job_.Caps = r.Caps;
  job_.PdfReason = r.PdfReason;
  job_.ServiceSilent = r.ServiceSilent;
  device_ = std::move(r.Device);
}

void PrinterDocument::switchToPdf() {
  device_.reset();
  job_.Target = Output::Pdf;
  job_.Printer.clear();
  job_.Caps = pdfCaps();
  job_.PdfReason.clear();
}

DeviceCaps PrinterDocument::Caps() {
  if (InJob()) {
    if (job_.Target == Output::Unresolved) resolveJob();
    return job_.Caps;
  }
  // Outside a job: what the next job would print on, asked once until a job runs.
  if (!idleCapsValid_) {
    idleCaps_ = resolvePrinter(true).Caps;
    idleCapsValid_ = true;
  }
  return idleCaps_;
}

const Picture* PrinterDocument::JobPicture(const QString& fileName) {
  if (!InJob()) return nullptr;
  auto it = pictures_.find(fileName);
  if (it == pictures_.end()) {
    Picture picture;
    LoadPicture(fileName, picture);
    it = pictures_.insert(fileName, picture);
  }
  return &it.value();
}

// ---- jobs ------------------------------------------------------------------------------

void PrinterDocument::BeginJob(const QString& fileName) {
  if (jobDepth_++ > 0) return;
  if (implicitJob_) {
    // A document begun before the job: the job takes it over.
    implicitJob_ = false;
    return;
  }
  job_ = Job{};
  job_.FileName = fileName;
  job_.Named = !fileName.isEmpty();
  pictures_.clear();
  idleCapsValid_ = false;
}

void PrinterDocument::EndJob() {
  if (jobDepth_ == 0) return;
  if (--jobDepth_ == 0) finishJob();
}

void PrinterDocument::NameJob(const QString& fileName) {
  if (!InJob() || job_.Named || fileName.isEmpty()) return;
  job_.FileName = fileName;
  job_.Named = true;
}

void PrinterDocument::FlushJob() {
  if (jobDepth_ == 0) return;
  if (docOpen_) EndDoc();
  finishPdfFile();
  device_.reset();
  // The next output of the job resolves its printer again and starts a file
  // of its own under the same name; a service that kept it waiting stays unasked.
  const QString name = job_.Named ? job_.FileName : QString();
  const bool silent = job_.ServiceSilent;
  job_ = Job{};
  job_.FileName = name;
  job_.Named = !name.isEmpty();
  job_.ServiceSilent = silent;
}

void PrinterDocument::finishJob() {
  if (docOpen_) EndDoc();
  finishPdfFile();
  device_.reset();
  job_ = Job{};
  pictures_.clear();
  implicitJob_ = false;
  idleCapsValid_ = false;
}

void PrinterDocument::endRefusedDocument() {
  if (implicitJob_ && jobDepth_ == 0) finishJob();
}

// ---- documents ---------------------------------------------------------------------------

bool PrinterDocument::BeginDoc() {
  if (docOpen_) return true;
  if (!InJob()) {
    job_ = Job{};
    pictures_.clear();
    implicitJob_ = true;
  }
  if (!job_.Named) {
    // The first document names the job.
    job_.FileName = title_;
    job_.Named = true;
  }
  if (job_.Target == Output::Unresolved) resolveJob();
  docTitle_ = title_;
  std::optional<PrinterState> state = PrinterState::Accepting;
  if (job_.Target == Output::Printer && !(state = printerState())) {
    ShowMessage(kNoService + kWillSaveAsPdf, MsgKind::Warning);
    switchToPdf();
    job_.ServiceSilent = true;
  }
  if (job_.Target == Output::Printer && *state != PrinterState::Accepting) {
    const QString why = *state == PrinterState::Gone
                            ? PrinterGone(job_.Printer)
                            : QStringLiteral("Der Drucker ") + Quoted(job_.Printer) +
                                  QStringLiteral(" nimmt zur Zeit keine Aufträge an.\r");
    const QString question = why + QStringLiteral("Soll der Ausdruck stattdessen als PDF-Datei gespeichert werden?");
    if (ShowMessage(question, MsgKind::Warning, MsgButtons::YesNo) == MsgResult::Yes) {
      switchToPdf();
    } else {
      // Nothing more of this job goes anywhere; the user has been told.
      device_.reset();
      job_.Target = Output::Refused;
    }
  }
  switch (job_.Target) {
    case Output::Printer:
      if (!device_->BeginDocument(title_)) {
        ShowMessage(kRefusedStart + job_.Printer, MsgKind::Error);
        endRefusedDocument();
        return false;
      }
      docOpen_ = true;
      pageCount_ = 1;
      return true;
    case Output::Pdf:
      if (beginPdfDocument()) return true;
      job_.Target = Output::Refused;
      endRefusedDocument();
      return false;
    default:
      endRefusedDocument();
      return false;
  }
}

bool PrinterDocument::beginPdfDocument() {
  if (!pdf_) {
    const QString file = freePdfPath(PdfFileBaseName(job_.FileName));
    pdfBytes_.setData(QByteArray());
    pdfBytes_.open(QIODevice::WriteOnly);
    auto pdf = std::make_unique<QPdfWriter>(&pdfBytes_);
    pdf->setResolution(kPdfResolution);
    pdf->setPageLayout(PdfSheet());
    pdf->setCreator(QStringLiteral("Quorv"));
    pdf->setTitle(job_.FileName == title_ ? title_ : job_.FileName);
    auto painter = std::make_unique<QPainter>();
    // The file is made private and its name taken before anything is drawn;
    // it gets its bytes, whole, when the job's PDF file ends.
    if (!CreateEmptyFile(file, FileAccess::OwnerOnly) || !painter->begin(pdf.get())) {
      RemoveFile(file);
      pdfBytes_.close();
      ShowMessage(kRefusedStart + QDir::toNativeSeparators(file), MsgKind::Error);
      return false;
    }
    pdf_ = std::move(pdf);
    painter_ = std::move(painter);
    openPdfFile_ = file;
    pageCount_ = 1;
  } else {
    // The next document of the job starts on a sheet of its own.
    if (!pdf_->newPage()) return false;
    ++pageCount_;
  }
  // Every document starts with the drawing state of a fresh device; the
  // canvas keeps the fonts it has made for the file.
  if (canvas_)
    canvas_->ResetState();
  else
    canvas_ = std::make_unique<PainterCanvas>(*painter_);
  docOpen_ = true;
  return true;
}

bool PrinterDocument::NewPage() {
  if (!docOpen_) return false;
  if (job_.Target == Output::Printer) {
    if (!device_->NewPage()) return false;
  } else if (!pdf_->newPage()) {
    return false;
  }
  ++pageCount_;
  return true;
}

bool PrinterDocument::EndDoc() {
  if (!docOpen_) return false;
  docOpen_ = false;
  if (job_.Target == Output::Printer && device_) endPrinterDocument();
  if (implicitJob_ && jobDepth_ == 0) finishJob();
  return true;
}

void PrinterDocument::endPrinterDocument() {
  const Submission outcome = device_->EndDocument(serviceTimeout_);
  if (outcome == Submission::Printed) return;
  // The document stays with the teacher as a PDF file.
  const QByteArray pdf = device_->DocumentPdf();
  QString reason;
  if (outcome == Submission::Refused) {
    reason = QStringLiteral("Der Drucker ") + Quoted(job_.Printer) + QStringLiteral(" hat den Ausdruck ") +
             Quoted(docTitle_) + QStringLiteral(" nicht angenommen.\r");
  } else {
    // What else the job prints goes into its own PDF file without asking the
    // service again.
    reason = kNoService + (outcome == Submission::Unconfirmed ? kMayPrintLater : QString());
    switchToPdf();
    job_.ServiceSilent = true;
  }
  savePdfFile(freePdfPath(PdfFileBaseName(docTitle_)), pdf, reason, pageCount_);
}

Canvas& PrinterDocument::canvas() {
  if (job_.Target == Output::Printer && device_) return device_->canvas();
  Q_ASSERT(canvas_);
  return *canvas_;
}

// ---- the PDF file --------------------------------------------------------------------------

QString PrinterDocument::freePdfPath(const QString& baseName) const {
  // Never replace an earlier file: " (2)" and on for a real clash.
  const QString base = pdfFolder_ + baseName;
  QString path = base + QStringLiteral(".pdf");
  for (int n = 2; FileExists(path); ++n) path = base + QStringLiteral(" (%1).pdf").arg(n);
  return path;
}

void PrinterDocument::finishPdfFile(bool noticed) {
  if (!pdf_) return;
  canvas_.reset();
  painter_->end();
  painter_.reset();
  pdf_.reset();
  pdfBytes_.close();
  const QString file = std::exchange(openPdfFile_, QString());
  const QByteArray bytes = std::exchange(pdfBytes_.buffer(), QByteArray());
  if (noticed)
    savePdfFile(file, bytes, job_.PdfReason, pageCount_);
  else if (!WriteFileReplacing(file, bytes, FileAccess::OwnerOnly))
    RemoveFile(file);
}

void PrinterDocument::savePdfFile(const QString& path, const QByteArray& bytes, const QString& reason, int pages) {
  const QString shown = QDir::toNativeSeparators(path);
  if (!WriteFileReplacing(path, bytes, FileAccess::OwnerOnly)) {
    // Nothing half-written stays behind, and nothing counts as saved.
    RemoveFile(path);
    lastPdfFile_.clear();
    ++lostOutputs_;
    ShowMessage(reason + kPdfNotWritten.arg(shown), MsgKind::Error);
    return;
  }
  lastPdfFile_ = path;
  ShowMessage(reason + kSavedAsPdf + shown + QLatin1Char('\r') + PageCountText(pages), MsgKind::Information);
}

PrinterDocument& Printer() {
  // Kept for the whole run: its printers must not outlive the application on destruction.
  static PrinterDocument* const printer = new PrinterDocument;
  return *printer;
}

}  // namespace platform
