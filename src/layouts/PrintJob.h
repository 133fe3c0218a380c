#pragma once
// The print job, the report dispatcher and the output-wrapper pattern.
//
// A command fills ReportJob and calls PrintReport; PrintReport confirms, sets
// pages and captions and calls the form's output wrapper per page; the wrapper
// shows the preview or prints through the printer document and calls the
// form's page routine. Every form's wrapper is one TOutputWrapper record run by
// RunOutputWrapper.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Canvas.h"
#include "printengine/FormFiles.h"
#include "records/QuorvDat.h"

namespace quorv {

// Output targets of a job.
enum TOutputTargets : std::uint16_t {
  otPreview = 1,        // preview window, CurrentPage
  otPrinterPage = 2,    // one printer document holding CurrentPage
  otPrinterReport = 3,  // one printer document holding FirstPage..LastPage
};

// Job codes of the documents that are not report forms.
inline constexpr std::uint16_t kReceiptJob = 41;          // receipt preview and batch
inline constexpr std::uint16_t kSingleReceiptJob = 43;    // receipt of one pupil
inline constexpr std::uint16_t kReceiptFormFileJob = 141; // the receipt's form-file number
inline constexpr std::uint16_t kLearningReportJob = 170;  // learning-development report
// What a report command puts into the job for a pupil whose form has no layout.
inline constexpr std::uint16_t kNoLayoutForm = 0xFFFF;

struct TReportJob {
  TPupilRecord Pupil;          // copy of the pupil printed; page routines read only this
  std::uint16_t FormNumber;    // report form, or a job code (41, 43, 170)
  std::uint16_t CurrentPage;   // 1 or 2; 0 while a two-page report goes out as one document
  std::uint16_t FirstPage;     // always 1
  std::uint16_t LastPage;      // number of pages
  std::uint16_t OutputTarget;  // TOutputTargets
  QString Caption;             // caption of the preview window for this page
  std::uint8_t AskFirst;       // 1 = confirm before printing
};

extern TReportJob ReportJob;
// 0 outside the batch commands; read by the receipt and learning-report wrappers.
extern std::uint16_t PrintBatchState;

// Pupil all zero bytes, caption empty, numbers 0, AskFirst 1. Starts a new job.
void ClearReportJob();

// The form number a report command (print, preview, batch) puts into the job
// for a pupil: 0 when the record holds 0; the record's form when the dispatch
// table has a report layout for it; kNoLayoutForm for every other value (the
// receipt codes 41 and 43 included, and -1 of a pupil never shown).
std::uint16_t ReportFormOfPupil(const TPupilRecord& pupil);

// Confirms, sets pages and captions and runs the form's output wrapper.
void PrintReport();

// Captions of the preview window.
QString PageCaption(const QString& prefix, const QString& name, int page, int lastPage);
QString WholeReportCaption(const QString& prefix, const QString& name, int lastPage);
// FirstName + " " + Surname of a record.
QString PupilDisplayName(const TPupilRecord& pupil);

// ---- output wrappers ---------------------------------------------------------

// Draws ReportJob.CurrentPage of the job's report for the pupil.
using TPageRoutine = void (*)(platform::Canvas& canvas, const TPupilRecord& pupil);
// Checks the job's data before any output; shows its own messages and returns
// false to refuse the report.
using TJobCheck = bool (*)(const TReportJob& job);
using TOutputWrapperFn = void (*)();
// Says what the job's data leave doubtful at the start of an output; never
// refuses, never runs in a repaint.
using TJobNotice = void (*)(const TReportJob& job);

struct TOutputWrapper {
  // Title text of the printer document, followed by the pupil's name; nullptr:
  // "Halbjahres-Zeugnis: " / "Jahres-Zeugnis: " by the job's HalfYear.
  const char* TitleText;
  // When set: the title of a one-page document (target 2) is this text + the
  // job's CurrentPage + "/2): ".
  const char* PagedTitleText;
  TPageRoutine PageRoutine;
  // Highest target handled: 2 for one-page forms, 3 for two-page forms.
  std::uint16_t LastTarget;
  TJobCheck Check;  // nullptr: no check
  TJobNotice Notice = nullptr;  // at every call that shows or prints, after the check
};

// The wrapper pattern: unknown target -> message; the job's check and form
// file, once per job; then preview, one page or the whole report.
void RunOutputWrapper(const TOutputWrapper& wrapper);
// The printer document's title for the job.
QString DocumentTitle(const TOutputWrapper& wrapper, const TReportJob& job);
inline const QString kWrongTargetMessage = QStringLiteral("interner Fehler!\rAusgabeziel nicht eindeutig!");

// Begins a printer document with the title in 0.1 mm units; false when the
// printer refused (its message has been shown). PDF files go to DataDir.
bool BeginReportDocument(const QString& title);
// The canvas of the open printer document, for drawing the job's pupil into it.
platform::Canvas& ReportDocumentCanvas();
// Ends the open document; the texts its blocks cut are kept for the message
// after the print only when the document was printed or saved.
void EndReportDocument();
// How many documents could not be begun in this run of the program: a class
// batch compares it before and after each pupil and ends once it grows.
std::uint32_t RefusedDocumentCount();

// The title of a class print and its PDF file, "Klasse 7a: Zeugnisse": the
// class of the first pupil, else the class file's name.
QString ClassPrintTitle(const TPupilRecord* firstPupil, const QString& what);

// ---- dispatch table ------------------------------------------------------------

struct TDispatchEntry {
  std::uint16_t Form;
  std::uint16_t Pages;
  const char* Prefix;  // caption prefix; nullptr: "Halbjahreszeugnis: " / "Jahreszeugnis: "
  TOutputWrapperFn Wrapper;
};
inline constexpr int kDispatchEntryCount = 37;
extern const std::array<TDispatchEntry, kDispatchEntryCount> kDispatchTable;
// The entry of a form number, or nullptr when PrintReport prints nothing for it.
const TDispatchEntry* FindDispatchEntry(int formNumber);
QString CaptionPrefix(const TDispatchEntry& entry, const TPupilRecord& pupil);

// ---- preview service ----------------------------------------------------------

// Shows ReportJob in the preview window, modal, maximised; returns when closed.
using TPreviewService = std::function<void()>;
// Installs the service; returns the previous one.
TPreviewService SetPreviewService(TPreviewService service);
// Runs the installed service; false when none is installed.
bool ShowPreview();

// ---- texts their blocks could not print whole -------------------------------------

// The record texts printed in text blocks.
enum class TRecordText { Development, Remarks };

struct TCutText {
  std::int32_t KeyNumber = 0;
  QString Pupil;  // "Surname, FirstName"
  TRecordText Text = TRecordText::Development;
  int MissingLines = 0;
  QString LongWord;  // a word that no line holds, or empty
  int MissingWords = 0;  // the text's words from that word on, left out
};

// A text block reports its text; a repaint reports it again and replaces the
// pupil's entry for that text.
void ReportCutText(const TCutText& cut);
const std::vector<TCutText>& CutTexts();
void ClearCutTexts();

// After a print: every pupil and text with what is missing, or empty.
QString CutTextsMessage(const std::vector<TCutText>& cuts);
// In the preview of one pupil's page: the texts without the name, or empty.
QString CutTextsPreviewLine(const std::vector<TCutText>& cuts);

// A print command's watch: it starts with no cut texts and ends with one
// message naming those of the documents that were printed or saved (a
// document refused, or a PDF file that could not be written, has been said
// already); the texts reported before it are back afterwards. It is made
// before the command's print job, so that it ends after the job's PDF file.
class TCutTextWatch {
 public:
  TCutTextWatch();
  ~TCutTextWatch();
  TCutTextWatch(const TCutTextWatch&) = delete;
  TCutTextWatch& operator=(const TCutTextWatch&) = delete;

 private:
  std::vector<TCutText> outer_;
  std::vector<TCutText> outerDelivered_;
  std::vector<TCutText> outerInPdfFile_;
};

// ---- once per job --------------------------------------------------------------

// A new job: the next wrapper call checks the data and loads the form file
// again (with their messages). ClearReportJob and PrintReport call it.
void StartNewJob();
std::uint32_t CurrentJobSerial();

// The form file of the running job, loaded with all its messages at the first
// request of the job and reused for every later page and repaint.
const ResolvedFormFile& LoadJobFormFile(const QString& fileName, const QString& description);
// The same for the report form of ReportJob.FormNumber (file and description
// by the print options, without messages of the choice).
const ResolvedFormFile& LoadJobReportFormFile();
// For page routines, without loading and without messages: the form file last
// loaded for a job when it is fileName, else nullptr.
const ResolvedFormFile* JobFormFile(const QString& fileName);
// The file name and description of a report form by the print options.
FormFileChoice ReportFormFileChoice(int formNumber);

}  // namespace quorv
