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
const QString kPdfNotWritten =
    QStringLiteral("Die PDF-Datei konnte nicht geschrieben werden:\r%1\r"
                   "Vielleicht ist der Datenträger voll. Der Ausdruck wurde nicht gespeichert.");
const QString kPrinted = QStringLiteral("Gedruckt wurde:\r");
const QString kInPdfFile = QStringLiteral("In der PDF-Datei steht:\r");
const QString kNotPrinted = QStringLiteral("Nicht gedruckt wurde:\r");

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
  if (!setup_) setup_ = std::make_shared<QPrinter>(QPrinter::HighResolution);
  return *setup_;
}

bool PrinterDocument::MakeSetupPrinter() {
  if (setup_) return true;
  auto made = ServiceQuestion<std::shared_ptr<QPrinter>>::Ask(
      [] { return std::make_shared<QPrinter>(QPrinter::HighResolution); });
  const std::optional<std::shared_ptr<QPrinter>> printer = made.AnswerBy(DeadlineIn(serviceTimeout_));
  if (!printer) return false;
  setup_ = *printer;
  return true;
}

// A printer set-up that never ran has chosen nothing: the set-up printer is
// not made for the question, which would ask the service on the window's thread.
QString PrinterDocument::ChosenPrinter() const {
  if (chosenSet_) return chosen_;
  return setup_ ? setup_->printerName() : QString();
}

DeviceCaps PrinterDocument::pdfCaps() { return PageDeviceCaps(kPdfResolution, PdfSheet(), true, true); }

// ---- the job's printer --------------------------------------------------------------

bool PrinterDocument::QueryPrinters(PrinterList& list) {
  WaitAllowance waits(serviceTimeout_);
  return queryPrinters(list, waits);
}

bool PrinterDocument::queryPrinters(PrinterList& list, WaitAllowance& waits) {
  return waits.Until([&](WaitAllowance::Clock::time_point deadline) {
    // A list that an earlier job gave up on is waited for rather than asked
    // for twice; once it has come it is out of date, and the list is asked
    // for anew.
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
  });
}

std::optional<PrinterState> PrinterDocument::printerState() {
  if (job_.Waits.Spent()) return std::nullopt;
  PrintService* service = &CurrentPrintService();
  const QString name = job_.Printer;
  auto question = ServiceQuestion<PrinterState>::Ask([service, name] { return service->State(name); });
  return job_.Waits.AnswerOf(question);
}

PrinterDocument::Resolved PrinterDocument::resolvePrinter(bool quiet, WaitAllowance& waits) {
  Resolved r;
  r.Target = Output::Pdf;
  r.Caps = pdfCaps();
  r.PdfReason = kNoPrinter;
  if (destination_ == PrintDestination::PdfFile) return r;
  // A service that kept the job waiting is not waited for again in it.
  PrinterList list;
  if ((InJob() && job_.ServiceSilent) || !queryPrinters(list, waits)) {
    r.PdfReason = kNoService;
    r.ServiceSilent = true;
    return r;
  }
  if (!list.ServiceRuns) {
    r.PdfReason = kNoService;
    return r;
  }
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
  // Making the printer reads its description from the service.
  std::optional<std::shared_ptr<PrintDevice>> device;
  if (!waits.Spent()) {
    PrintService* service = &CurrentPrintService();
    const PrinterSettings settings = ProgramPrinterSettings();
    auto made = ServiceQuestion<std::shared_ptr<PrintDevice>>::Ask(
        [service, name, settings]() -> std::shared_ptr<PrintDevice> { return service->OpenPrinter(name, settings); });
    device = waits.AnswerOf(made);
  }
  if (!device) {
    r.PdfReason = kNoService;
    r.ServiceSilent = true;
    return r;
  }
  if (!*device) return r;
  r.Device = *device;
  r.Target = Output::Printer;
  r.Printer = name;
  r.Caps = r.Device->Caps();
  return r;
}

void PrinterDocument::resolveJob() {
  Resolved r = resolvePrinter(false, job_.Waits);
  job_.Target = r.Target;
  job_.Printer = r.Printer;
  job_.Caps = r.Caps;
  job_.PdfReason = r.PdfReason;
  job_.PrinterFailed = r.ServiceSilent;
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

void PrinterDocument::fallBackToPdf(const QString& reason) {
  switchToPdf();
  job_.PdfReason = reason;
  job_.PrinterFailed = true;
}

DeviceCaps PrinterDocument::Caps() {
  if (InJob()) {
    if (job_.Target == Output::Unresolved) resolveJob();
    return job_.Caps;
  }
  // Outside a job: what the next job would print on, asked once until a job runs.
  if (!idleCapsValid_) {
    WaitAllowance waits(serviceTimeout_);
    idleCaps_ = resolvePrinter(true, waits).Caps;
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

PrinterDocument::Job PrinterDocument::newJob() const {
  Job job;
  job.Waits = WaitAllowance(serviceTimeout_);
  return job;
}

void PrinterDocument::BeginJob(const QString& fileName) {
  if (jobDepth_++ > 0) return;
  if (implicitJob_) {
    // A document begun before the job: the job takes it over.
    implicitJob_ = false;
    return;
  }
  job_ = newJob();
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
  // The next output of the job is a print command of its own: it resolves
  // its printer again and starts a file of its own under the same name; a
  // service that kept it waiting stays unasked.
  const QString name = job_.Named ? job_.FileName : QString();
  const bool silent = job_.ServiceSilent;
  job_ = newJob();
  job_.FileName = name;
  job_.Named = !name.isEmpty();
  job_.ServiceSilent = silent;
}

void PrinterDocument::finishJob() {
  if (docOpen_) EndDoc();
  finishPdfFile();
  device_.reset();
  job_ = newJob();
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
    job_ = newJob();
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
  docContents_.clear();
  std::optional<PrinterState> state = PrinterState::Accepting;
  if (job_.Target == Output::Printer && !(state = printerState())) {
    fallBackToPdf(kNoService);
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
      recorder_ = std::make_unique<RecordingCanvas>(job_.Caps);
      recordedPages_.clear();
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

void PrinterDocument::NameContent(const QString& name, const QString& part) {
  if (!docOpen_ || name.isEmpty()) return;
  if (!docContents_.empty() && docContents_.back().Name == name && docContents_.back().Part == part) return;
  docContents_.push_back(Content{name, part});
}

bool PrinterDocument::NewPage() {
  if (!docOpen_) return false;
  if (job_.Target == Output::Printer) {
    recordedPages_.push_back(recorder_->ops());
    recorder_->clear();
  } else if (!pdf_->newPage()) {
    return false;
  }
  ++pageCount_;
  return true;
}

bool PrinterDocument::EndDoc() {
  if (!docOpen_) return false;
  if (docContents_.empty()) docContents_.push_back(Content{docTitle_, {}});
  if (job_.Target == Output::Printer && device_) {
    endPrinterDocument();
  } else {
    job_.InPdfFile.insert(job_.InPdfFile.end(), docContents_.begin(), docContents_.end());
  }
  docOpen_ = false;
  if (implicitJob_ && jobDepth_ == 0) finishJob();
  return true;
}

std::vector<std::vector<RecordedOp>> PrinterDocument::takeRecordedPages() {
  std::vector<std::vector<RecordedOp>> pages = std::exchange(recordedPages_, {});
  if (recorder_) pages.push_back(recorder_->ops());
  recorder_.reset();
  return pages;
}

Submission PrinterDocument::handOver(const std::vector<std::vector<RecordedOp>>& pages) {
  Canvas& canvas = device_->canvas();
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) device_->NewPage();
    for (const RecordedOp& op : pages[p]) Replay(op, canvas, job_.Caps);
  }
  // Nothing is handed over once the job has waited all it may.
  if (job_.Waits.Spent()) return Submission::NoAnswer;
  return job_.Waits.Until([&](WaitAllowance::Clock::time_point deadline) {
    return device_->EndDocument(std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - WaitAllowance::Clock::now()));
  });
}

void PrinterDocument::endPrinterDocument() {
  const std::vector<std::vector<RecordedOp>> pages = takeRecordedPages();
  const Submission outcome = handOver(pages);
  if (outcome == Submission::Printed) {
    job_.Printed.insert(job_.Printed.end(), docContents_.begin(), docContents_.end());
    return;
  }
  // The printer gets nothing more of this job: the document and the rest go
  // into the job's PDF file.
  const DeviceCaps printer = job_.Caps;
  if (outcome == Submission::Refused) {
    fallBackToPdf(QStringLiteral("Der Drucker ") + Quoted(job_.Printer) + QStringLiteral(" hat den Ausdruck ") +
                  Quoted(docTitle_) + QStringLiteral(" nicht angenommen.\r"));
  } else {
    fallBackToPdf(kNoService);
    job_.ServiceSilent = true;
    job_.MayPrintLater = outcome == Submission::Unconfirmed;
  }
  if (!keepInPdfFile(pages, printer)) return;
  job_.InPdfFile.insert(job_.InPdfFile.end(), docContents_.begin(), docContents_.end());
}

bool PrinterDocument::keepInPdfFile(const std::vector<std::vector<RecordedOp>>& pages, const DeviceCaps& printer) {
  if (!beginPdfDocument()) {
    // Said by beginPdfDocument; nothing of it is kept.
    job_.Target = Output::Refused;
    ++lostOutputs_;
    return false;
  }
  // The printer's page starts at its printable area; the PDF sheet at its corner.
  const double dx = printer.LogPixelsX > 0 ? printer.PhysicalOffsetX * double(kPdfResolution) / printer.LogPixelsX : 0;
  const double dy = printer.LogPixelsY > 0 ? printer.PhysicalOffsetY * double(kPdfResolution) / printer.LogPixelsY : 0;
  // The texts keep the sizes the printer sets (the state the operations carry).
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0 && pdf_->newPage()) ++pageCount_;
    painter_->translate(dx, dy);
    for (const RecordedOp& op : pages[p]) Replay(op, *canvas_, printer);
    painter_->translate(-dx, -dy);
  }
  return true;
}

Canvas& PrinterDocument::canvas() {
  if (job_.Target == Output::Printer && recorder_) return *recorder_;
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
  const bool written = WriteFileReplacing(file, bytes, FileAccess::OwnerOnly);
  // Nothing half-written stays behind, and nothing counts as saved.
  if (!written) RemoveFile(file);
  lastPdfFile_ = written ? file : QString();
  if (!written) ++lostOutputs_;
  if (!noticed) return;
  const MsgKind kind = !written ? MsgKind::Error : job_.PrinterFailed ? MsgKind::Warning : MsgKind::Information;
  ShowMessage(outcomeMessage(written, QDir::toNativeSeparators(file), pageCount_), kind);
}

namespace {

// Each pupil once, with the parts of his report where the other list has
// the rest of it.
QStringList ContentLines(const std::vector<DocumentContent>& list,
                         const std::vector<DocumentContent>& other) {
  QStringList lines;
  for (std::size_t i = 0; i < list.size();) {
    const QString& name = list[i].Name;
    QStringList parts;
    std::size_t j = i;
    for (; j < list.size() && list[j].Name == name; ++j)
      if (!list[j].Part.isEmpty() && !parts.contains(list[j].Part)) parts << list[j].Part;
    const bool split = std::any_of(other.begin(), other.end(), [&](const auto& c) { return c.Name == name; });
    lines << (split && !parts.isEmpty() ? name + QStringLiteral(" (") + parts.join(QStringLiteral(", ")) +
                                              QLatin1Char(')')
                                        : name);
    i = j;
  }
  return lines;
}

// A block of its own in the message: a blank line, the heading and the names.
QString ContentList(const QString& heading, const std::vector<DocumentContent>& list,
                    const std::vector<DocumentContent>& other) {
  if (list.empty()) return {};
  return QLatin1Char('\r') + heading +
         NamedList(ContentLines(list, other), QStringLiteral("und 1 weiterer"), QStringLiteral("und %1 weitere")) +
         QLatin1Char('\r');
}

}  // namespace

QString PrinterDocument::outcomeMessage(bool written, const QString& shownPath, int pages) const {
  QString text = job_.PdfReason + (job_.MayPrintLater ? kMayPrintLater : QString());
  // Which documents went where, when the printer printed a part of them or
  // the file holds what it failed for more than one pupil.
  const bool listed =
      !job_.Printed.empty() || (job_.PrinterFailed && ContentLines(job_.InPdfFile, job_.Printed).size() > 1);
  if (listed) {
    text += ContentList(kPrinted, job_.Printed, job_.InPdfFile) +
            ContentList(written ? kInPdfFile : kNotPrinted, job_.InPdfFile, job_.Printed) + QLatin1Char('\r');
  }
  if (!written) return text + kPdfNotWritten.arg(shownPath);
  return text + kSavedAsPdf + shownPath + QLatin1Char('\r') + PageCountText(pages);
}

PrinterDocument& Printer() {
  // Kept for the whole run: its printers must not outlive the application on destruction.
  static PrinterDocument* const printer = new PrinterDocument;
  return *printer;
}

}  // namespace platform
