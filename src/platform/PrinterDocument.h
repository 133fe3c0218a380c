#pragma once
// The printer object: a document with a title, begun, given new pages and
// ended, with a canvas in 0.1 mm units while it is open. One document can
// stay open across several callers.
//
// Documents belong to a print job, one per print command. The job looks up
// its printer once, at its first need: the printer chosen in printer set-up
// when it still exists, else the system's default printer, else a PDF file.
// On a printer every document is a print job of its own. Everything the job
// asks the print service (the printers, the printer's description, its state,
// the hand-over of each document) shares one limit, so that the window waits
// for the service no longer than that in one print command. A document the
// printer refuses, or the service does not confirm in time, goes into the
// job's PDF file as the printer would have printed it, and so does everything
// the job prints after it. As PDF everything goes into one file, pages in
// print order, named after the job, and one message at the job's end says
// what was printed and what is in the file. A document begun outside a job is
// a job of its own.
#include <QBuffer>
#include <QHash>
#include <QString>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Canvas.h"
#include "platform/ProgramPrinter.h"
#include "platform/RecordingCanvas.h"
#include "platform/ServiceQuestion.h"

class QPdfWriter;
class QPrinter;
class QPainter;

namespace platform {

// What a document holds, for the message at the end of its job: a pupil,
// and which part of his report ("Seite 1 von 2"; empty: all of it).
struct DocumentContent {
  QString Name;
  QString Part;
};

// Where documents go: to the printer when the machine has one (Auto), or
// always into PDF files (tests, and machines without a printer).
enum class PrintDestination { Auto, PdfFile };

class PrinterDocument {
 public:
  PrinterDocument();
  ~PrinterDocument();
  PrinterDocument(const PrinterDocument&) = delete;
  PrinterDocument& operator=(const PrinterDocument&) = delete;

  // The printer that printer set-up edits; its settings go with every document.
  QPrinter& SetupPrinter();
  // Makes it, asking the service for the default printer's description,
  // waited for at most the service limit; false when it did not answer.
  bool MakeSetupPrinter();
  // The printer set-up printer once it has been made, else nullptr.
  const QPrinter* MadeSetupPrinter() const { return setup_.get(); }
  // The printer the user chose in printer set-up (empty: none chosen).
  QString ChosenPrinter() const;
  void SetChosenPrinter(const QString& name) {
    chosen_ = name;
    chosenSet_ = true;
  }
  void SetDestination(PrintDestination destination) { destination_ = destination; }
  PrintDestination Destination() const { return destination_; }
  // The folder (ending in '/') that receives the PDF files.
  void SetPdfFolder(const QString& folder) { pdfFolder_ = folder; }
  const QString& PdfFolder() const { return pdfFolder_; }
  // How long the window waits for the print service in one print command, for
  // all its questions together: the list of printers, the printer's
  // description, its state, the hand-over of each document. Set during a job,
  // the job waits no longer than that from now on.
  void SetServiceTimeout(std::chrono::milliseconds timeout) {
    serviceTimeout_ = timeout;
    job_.Waits.Cap(timeout);
  }
  std::chrono::milliseconds ServiceTimeout() const { return serviceTimeout_; }
  // The service's list of printers, waited for that long; false when it did
  // not answer in time.
  bool QueryPrinters(PrinterList& list);

  // A print job: its PDF file is named after fileName (empty: after the
  // first document's title, or a name given later by NameJob). Jobs nest;
  // the outermost one counts.
  void BeginJob(const QString& fileName = QString());
  // Ends the open document and the job; a PDF file is announced with its
  // path and page count.
  void EndJob();
  bool InJob() const { return jobDepth_ > 0 || implicitJob_; }
  // Names the running job's PDF file unless it has a name already.
  void NameJob(const QString& fileName);
  // Ends what the running job has printed so far (the open document, and the
  // PDF file, which is announced) and keeps the job open for more: a print
  // started from a preview is out at once, not when the preview closes.
  void FlushJob();

  // The title of the next document; a document keeps the title it began with.
  void SetTitle(const QString& title) { title_ = title; }
  const QString& Title() const { return title_; }
  // Names what the open document holds (a pupil, and which part of a report),
  // for the message that says what was printed and what is in the PDF file;
  // a document that names nothing is named by its title.
  void NameContent(const QString& name, const QString& part = QString());

  // Begins a document; false, with a message, when no output can be made.
  // The canvas starts in the device's text mapping.
  bool BeginDoc();
  // A new sheet in the open document; false when none is open.
  bool NewPage();
  // Ends the open document. False when no document was open.
  bool EndDoc();
  bool Printing() const { return docOpen_; }
  // The canvas of the open document (only while Printing()).
  Canvas& canvas();

  // The capabilities of the job's printer, kept for the whole job; outside a
  // job those of the printer a job would use now.
  DeviceCaps Caps();
  // A picture file as loaded once for the running job; nullptr outside a job
  // (the caller loads it itself). A missing file gives an empty picture.
  const Picture* JobPicture(const QString& fileName);

  // The PDF file of the last job written as PDF (empty when none).
  const QString& LastPdfFile() const { return lastPdfFile_; }
  // Pages of the running or last PDF file, or of the last printer document.
  int PageCount() const { return pageCount_; }
  // The printer of the running job (empty: a PDF file).
  QString JobPrinterName() const { return job_.Printer; }
  // Counts the outputs lost so far, each said when it was lost: PDF files
  // that could not be written, and documents the printer did not take that
  // could not be kept in one.
  int LostOutputs() const { return lostOutputs_; }

 private:
  enum class Output { Unresolved, Pdf, Printer, Refused };
  using Content = DocumentContent;
  struct Job {
    Output Target = Output::Unresolved;
    QString Printer;
    DeviceCaps Caps;
    QString FileName;
    bool Named = false;
    // Why the output is a PDF file, said in its notice.
    QString PdfReason;
    // The printer was meant to print what is in the PDF file and failed.
    bool PrinterFailed = false;
    // A document kept as PDF may have been released all the same.
    bool MayPrintLater = false;
    // The service kept the job waiting: it is not asked again in this job.
    bool ServiceSilent = false;
    // What the window may still wait for the service in this job.
    WaitAllowance Waits;
    std::vector<Content> Printed;
    std::vector<Content> InPdfFile;
  };

  struct Resolved {
    Output Target = Output::Pdf;
    QString Printer;
    DeviceCaps Caps;
    std::shared_ptr<PrintDevice> Device;
    QString PdfReason;
    bool ServiceSilent = false;
  };
  Job newJob() const;
  // The printer a job uses now, asking the service within the allowance;
  // quiet: without any message.
  Resolved resolvePrinter(bool quiet, WaitAllowance& waits);
  void resolveJob();
  // The service's list of printers, waited for within the allowance.
  bool queryPrinters(PrinterList& list, WaitAllowance& waits);
  // The state of the job's printer; nothing when the service did not answer in time.
  std::optional<PrinterState> printerState();
  void switchToPdf();
  // The rest of the job goes into its PDF file because the printer failed.
  void fallBackToPdf(const QString& reason);
  void endPrinterDocument();
  // Hands the drawn document to the printer within the job's allowance.
  Submission handOver(const std::vector<std::vector<RecordedOp>>& pages);
  bool beginPdfDocument();
  // Draws the pages as the printer would have printed them into the job's PDF file.
  bool keepInPdfFile(const std::vector<std::vector<RecordedOp>>& pages, const DeviceCaps& printer);
  std::vector<std::vector<RecordedOp>> takeRecordedPages();
  // Ends the job's PDF file; noticed: written and announced, else written quietly.
  void finishPdfFile(bool noticed = true);
  // The message after the job: why there is a PDF file, what was printed and
  // what is in the file, and the file (written: else said to be missing).
  QString outcomeMessage(bool written, const QString& shownPath, int pages) const;
  void finishJob();
  void endRefusedDocument();
  static DeviceCaps pdfCaps();
  QString freePdfPath(const QString& baseName) const;

  PrintDestination destination_ = PrintDestination::Auto;
  std::chrono::milliseconds serviceTimeout_{4000};
  QString pdfFolder_;
  QString title_;
  std::shared_ptr<QPrinter> setup_;

  int jobDepth_ = 0;
  bool implicitJob_ = false;
  Job job_;
  std::shared_ptr<PrintDevice> device_;
  ServiceQuestion<PrinterList> pendingQuery_;  // a list the service has not answered yet
  QString chosen_;
  bool chosenSet_ = false;
  QHash<QString, Picture> pictures_;
  DeviceCaps idleCaps_;
  bool idleCapsValid_ = false;

  bool docOpen_ = false;
  QString docTitle_;
  std::vector<Content> docContents_;
  // A printer document is drawn here, page by page, and handed to the printer
  // at its end; what the printer does not take goes into the PDF file.
  std::unique_ptr<RecordingCanvas> recorder_;
  std::vector<std::vector<RecordedOp>> recordedPages_;
  // The job's PDF file while it is open, drawn into memory and written whole
  // at its end; written without the print service.
  QBuffer pdfBytes_;
  std::unique_ptr<QPdfWriter> pdf_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<Canvas> canvas_;
  QString openPdfFile_;
  QString lastPdfFile_;
  int pageCount_ = 0;
  int lostOutputs_ = 0;
};

// The one printer object of the program.
PrinterDocument& Printer();

// Opens a print job on the program's printer object for its lifetime.
class PrinterJob {
 public:
  explicit PrinterJob(const QString& fileName = QString()) { Printer().BeginJob(fileName); }
  ~PrinterJob() { Printer().EndJob(); }
  PrinterJob(const PrinterJob&) = delete;
  PrinterJob& operator=(const PrinterJob&) = delete;
};

// The file name a document title gives: ": " becomes " - ", characters that
// no file name may hold become '_', and an empty title becomes "Ausdruck".
QString PdfFileBaseName(const QString& title);

// "1 Seite", "2 Seiten".
QString PageCountText(int pages);

}  // namespace platform
