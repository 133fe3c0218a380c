#include "layouts/PrintJob.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <cstring>
#include <utility>

#include "layouts/OutputWrappers.h"
#include "layouts/ReceiptLayouts.h"
#include "platform/Messages.h"
#include "platform/PrinterDocument.h"
#include "settings/DrkEinst.h"
#include "settings/ProgEinst.h"

namespace quorv {

TReportJob ReportJob{};
std::uint16_t PrintBatchState = 0;

namespace {

using platform::MsgButtons;
using platform::MsgKind;
using platform::MsgResult;

const char* const kHalfYearPrefix = "Halbjahreszeugnis: ";
const char* const kYearPrefix = "Jahreszeugnis: ";
const char* const kHalfYearTitle = "Halbjahres-Zeugnis: ";
const char* const kYearTitle = "Jahres-Zeugnis: ";

std::uint32_t g_jobSerial = 1;

// The data check of the running job: made once per job and wrapper.
struct PreparedCheck {
  std::uint32_t Serial = 0;
  const TOutputWrapper* Wrapper = nullptr;
  bool Passed = false;
};
PreparedCheck g_check;

// The form file of the running job.
struct JobForm {
  bool Loaded = false;
  std::uint32_t Serial = 0;
  int UseCopies = 0;
  ResolvedFormFile Form;
};
JobForm g_form;
// The job's form files that loaded quietly: a class of mixed report kinds
// does not read each file again for every pupil.
struct QuietForms {
  std::uint32_t Serial = 0;
  int UseCopies = 0;
  QHash<QString, ResolvedFormFile> Forms;
};
QuietForms g_quietForms;

// The cut texts drawn into the open document (or into a page of the preview).
std::vector<TCutText> g_cutTexts;
// Those of ended documents: printed or saved, or waiting in the job's PDF
// file, which is written when the job ends.
std::vector<TCutText> g_deliveredCuts;
std::vector<TCutText> g_pdfFileCuts;
// The printer's lost outputs when the cut texts were last settled.
int g_lostSeen = 0;

std::uint32_t g_refusedDocuments = 0;

// A text reported again (a repaint, a page printed twice) replaces its entry.
void AddCutText(std::vector<TCutText>& cuts, const TCutText& cut) {
  const auto same = std::find_if(cuts.begin(), cuts.end(), [&](const TCutText& c) {
    return c.KeyNumber == cut.KeyNumber && c.Pupil == cut.Pupil && c.Text == cut.Text;
  });
  if (same != cuts.end())
    *same = cut;
  else
    cuts.push_back(cut);
}

// How the data sheet names the texts.
QString RecordTextName(TRecordText text) {
  return text == TRecordText::Development ? QStringLiteral("Lernentwicklungsbericht") : QStringLiteral("Vermerke");
}

constexpr int kShownWordLength = 30;

// "Vermerke – 3 Zeilen fehlen", with a word that no line holds.
QString CutTextLine(const TCutText& cut) {
  QStringList what;
  if (cut.MissingLines == 1) what << QStringLiteral("1 Zeile fehlt");
  if (cut.MissingLines > 1) what << QStringLiteral("%1 Zeilen fehlen").arg(cut.MissingLines);
  if (!cut.LongWord.isEmpty()) {
    QString word = cut.LongWord.left(kShownWordLength);
    if (word.size() < cut.LongWord.size()) word += QStringLiteral("…");
    what << QStringLiteral("das Wort „%1“ passt in keine Zeile").arg(word);
    const QString words =
        cut.MissingWords == 1 ? QStringLiteral("1 Wort") : QStringLiteral("%1 Wörter").arg(cut.MissingWords);
    if (cut.MissingWords > 0) what << QStringLiteral("der Text fehlt ab diesem Wort (%1)").arg(words);
  }
  return RecordTextName(cut.Text) + QStringLiteral(" – ") + what.join(QStringLiteral(", "));
}

QString ShortenPlea(std::size_t count) {
  return count == 1 ? QStringLiteral("Bitte kürzen Sie diesen Text.") : QStringLiteral("Bitte kürzen Sie diese Texte.");
}

TPreviewService& PreviewService() {
  static TPreviewService service;
  return service;
}

bool AskPage(int page, int lastPage) {
  return platform::ShowMessage(QStringLiteral("Druck der Seite: %1 von %2 ?").arg(page).arg(lastPage),
                               MsgKind::Confirmation, MsgButtons::YesNo) == MsgResult::Yes;
}

bool AskPrint(const QString& description, const QString& fileName, const QString& name) {
  QString text = QStringLiteral("Soll jetzt das ") + description + QStringLiteral("\rfür: ") + name +
                 QStringLiteral("\rgedruckt werden?");
  if (ProgramOptions.ShowFormFileBeforePrint == 1)
    text += QStringLiteral("\r\r[") + fileName + QStringLiteral("]\r") + description;
  return platform::ShowMessage(text, MsgKind::Confirmation, MsgButtons::YesNo) == MsgResult::Yes;
}

void RunTwoPageLoop(const TDispatchEntry& entry, const QString& prefix, const QString& name) {
  TReportJob& job = ReportJob;
  if (job.OutputTarget == otPreview) {
    for (int p = 1; p <= 2; ++p) {
      job.CurrentPage = static_cast<std::uint16_t>(p);
      job.Caption = PageCaption(prefix, name, p, job.LastPage);
      entry.Wrapper();
    }
    return;
  }
  if (job.OutputTarget == otPrinterReport) {
    job.CurrentPage = 0;
    job.Caption = WholeReportCaption(prefix, name, job.LastPage);
    entry.Wrapper();
    return;
  }
  for (int p = 1; p <= 2; ++p) {
    job.CurrentPage = static_cast<std::uint16_t>(p);
    job.Caption = PageCaption(prefix, name, p, job.LastPage);
    if ((PrintOptions.OnlyNecessaryDialogs == 1 && p == 1) || AskPage(p, job.LastPage)) entry.Wrapper();
  }
}

void RunOnePageLoop(const TDispatchEntry& entry, const QString& prefix, const QString& name) {
  TReportJob& job = ReportJob;
  if (job.OutputTarget != otPreview) job.OutputTarget = otPrinterPage;
  job.CurrentPage = 1;
  job.Caption = PageCaption(prefix, name, 1, job.LastPage);
  if (job.OutputTarget == otPreview || PrintOptions.OnlyNecessaryDialogs == 1 || AskPage(1, job.LastPage))
    entry.Wrapper();
}

// The job's data check, once per job and wrapper.
bool JobCheckPassed(const TOutputWrapper& wrapper) {
  if (g_check.Serial == g_jobSerial && g_check.Wrapper == &wrapper) return g_check.Passed;
  g_check = PreparedCheck{g_jobSerial, &wrapper, wrapper.Check == nullptr || wrapper.Check(ReportJob)};
  return g_check.Passed;
}

// One printer document: the current page (target 2) or the job's pages
// FirstPage..LastPage with a new sheet between them (target 3).
void PrintDocument(const TOutputWrapper& wrapper, bool wholeReport) {
  if (!BeginReportDocument(DocumentTitle(wrapper, ReportJob))) return;
  platform::Canvas& canvas = ReportDocumentCanvas();
  canvas.SetMapMode(platform::MapMode::LoMetric);
  if (!wholeReport) {
    wrapper.PageRoutine(canvas, ReportJob.Pupil);
  } else {
    const int lastPage = ReportJob.LastPage;
    for (int p = ReportJob.FirstPage; p <= lastPage; ++p) {
      ReportJob.CurrentPage = static_cast<std::uint16_t>(p);
      wrapper.PageRoutine(canvas, ReportJob.Pupil);
      if (p < lastPage) platform::Printer().NewPage();
    }
  }
  EndReportDocument();
}

}  // namespace

// ---- the job -----------------------------------------------------------------------

void ClearReportJob() {
  std::memset(static_cast<void*>(&ReportJob.Pupil), 0, sizeof(ReportJob.Pupil));
  ReportJob.Caption.clear();
  ReportJob.FormNumber = 0;
  ReportJob.CurrentPage = 0;
  ReportJob.FirstPage = 0;
  ReportJob.LastPage = 0;
  ReportJob.OutputTarget = 0;
  ReportJob.AskFirst = 1;
  StartNewJob();
}

std::uint16_t ReportFormOfPupil(const TPupilRecord& pupil) {
  const std::int32_t form = pupil.FormNumber;
  if (form == 0) return 0;
  if (form == kReceiptJob || form == kSingleReceiptJob) return kNoLayoutForm;
  return FindDispatchEntry(form) != nullptr ? static_cast<std::uint16_t>(form) : kNoLayoutForm;
}

QString PupilDisplayName(const TPupilRecord& pupil) {
  return pupil.FirstName.text() + QLatin1Char(' ') + pupil.Surname.text();
}

QString PageCaption(const QString& prefix, const QString& name, int page, int lastPage) {
  return prefix + name + QStringLiteral("  [Seite: %1 von %2]").arg(page).arg(lastPage);
}

QString WholeReportCaption(const QString& prefix, const QString& name, int lastPage) {
  return prefix + name + QStringLiteral(" [Seiten 1+2 von %1]").arg(lastPage);
}

void PrintReport() {
  StartNewJob();
  TReportJob& job = ReportJob;
  const TDispatchEntry* entry = FindDispatchEntry(job.FormNumber);
  if (entry == nullptr) {
    // No layout for this number: say so once, ask nothing, print nothing.
    platform::ShowMessage(FormFileProblemMessage(FormFileProblem::UnknownForm), MsgKind::Error);
    return;
  }
  QString fileName;
  QString description;
  SelectFormFile(job.FormNumber, fileName, description, PrintOptions.PaperPublisher, PrintOptions.ArmsPosition,
                 PrintOptions.ArmsSize);
  const QString name = PupilDisplayName(job.Pupil);
  if (job.OutputTarget > otPreview && job.AskFirst != 0 && !AskPrint(description, fileName, name)) return;

  job.FirstPage = 1;
  job.LastPage = entry->Pages;
  const QString prefix = CaptionPrefix(*entry, job.Pupil);
  if (entry->Pages == 2)
    RunTwoPageLoop(*entry, prefix, name);
  else
    RunOnePageLoop(*entry, prefix, name);
}

// ---- output wrappers ---------------------------------------------------------------

QString DocumentTitle(const TOutputWrapper& wrapper, const TReportJob& job) {
  QString title;
  if (wrapper.PagedTitleText != nullptr && job.OutputTarget == otPrinterPage)
    title = QString::fromUtf8(wrapper.PagedTitleText) + QString::number(job.CurrentPage) + QStringLiteral("/2): ");
  else if (wrapper.TitleText != nullptr)
    title = QString::fromUtf8(wrapper.TitleText);
  else
    title = QString::fromUtf8(job.Pupil.HalfYear == 1 ? kHalfYearTitle : kYearTitle);
  return title + PupilDisplayName(job.Pupil);
}

void RunOutputWrapper(const TOutputWrapper& wrapper) {
  const int target = ReportJob.OutputTarget;
  if (target < otPreview || target > wrapper.LastTarget) {
    platform::ShowMessage(kWrongTargetMessage, MsgKind::Information);
    return;
  }
  // Everything that may need a message comes before any output.
  if (!JobCheckPassed(wrapper)) return;
  if (wrapper.Notice != nullptr) wrapper.Notice(ReportJob);
  LoadJobReportFormFile();
  if (target != otPreview) {
    // The job's PDF file is named after the whole report, also when its pages
    // go out one by one.
    TReportJob whole = ReportJob;
    whole.OutputTarget = otPrinterReport;
    platform::Printer().NameJob(DocumentTitle(wrapper, whole));
  }
  switch (target) {
    case otPreview:
      ShowPreview();
      break;
    case otPrinterPage:
      PrintDocument(wrapper, false);
      break;
    default:
      PrintDocument(wrapper, true);
      break;
  }
}

bool BeginReportDocument(const QString& title) {
  platform::PrinterDocument& printer = platform::Printer();
  printer.SetPdfFolder(DataDir);
  printer.SetTitle(title);
  if (printer.BeginDoc()) return true;
  ++g_refusedDocuments;
  return false;
}

platform::Canvas& ReportDocumentCanvas() {
  // Every caller draws the job's pupil into the document: named for the
  // message that says what was printed.
  const TReportJob& job = ReportJob;
  const bool onePageOfMany = job.OutputTarget == otPrinterPage && job.LastPage > 1;
  platform::PrinterDocument& printer = platform::Printer();
  printer.NameContent(PupilDisplayName(job.Pupil),
                      onePageOfMany ? QStringLiteral("Seite %1 von %2").arg(job.CurrentPage).arg(job.LastPage)
                                    : QString());
  return printer.canvas();
}

void EndReportDocument() {
  platform::PrinterDocument& printer = platform::Printer();
  if (!printer.Printing()) return;
  printer.EndDoc();
  // Still on the printer: it took the document; else the document is in the
  // job's PDF file.
  const bool onPrinter = !printer.JobPrinterName().isEmpty();
  // The texts drawn into the document share its fate.
  std::vector<TCutText> drawn = std::exchange(g_cutTexts, {});
  const bool lost = printer.LostOutputs() != g_lostSeen;
  g_lostSeen = printer.LostOutputs();
  if (lost) return;
  for (const TCutText& cut : drawn) AddCutText(onPrinter ? g_deliveredCuts : g_pdfFileCuts, cut);
}

std::uint32_t RefusedDocumentCount() { return g_refusedDocuments; }

QString ClassPrintTitle(const TPupilRecord* firstPupil, const QString& what) {
  QString className;
  if (firstPupil != nullptr) className = firstPupil->ClassName.text().trimmed();
  if (className.isEmpty() || className == QLatin1String("???") || className.startsWith(QLatin1Char('-'))) {
    className = ClassFileName;
    if (className.endsWith(QLatin1String(".QVR"), Qt::CaseInsensitive)) className.chop(4);
  }
  return QStringLiteral("Klasse ") + className + QStringLiteral(": ") + what;
}

// ---- dispatch table ------------------------------------------------------------------

const std::array<TDispatchEntry, kDispatchEntryCount> kDispatchTable = {{
    {1, 1, nullptr, OutputGrundschuleClass1Report},
    {2, 1, "Übergangszeugnis: ", OutputGrundschuleClass1TransferReport},
    {3, 2, nullptr, OutputGrundschuleReport},
    {4, 2, "Übergangszeugnis: ", OutputGrundschuleTransferReport},
    {5, 2, nullptr, OutputHauptschuleReport},
    {6, 2, "Übergangszeugnis: ", OutputHauptschuleTransferReport},
    {7, 2, "Abgangszeugnis: ", OutputHauptschuleLeavingReport},
    {8, 2, "Abschlusszeugnis (Hauptschulabschluss): ", OutputHauptschuleFinalReport},
    {9, 2, "Abschlusszeugnis (qual. Hauptschulabs.): ", OutputHauptschuleQualifiedFinalReport},
    {10, 2, nullptr, OutputRealschuleReport},
    {11, 2, "Übergangszeugnis: ", OutputRealschuleTransferReport},
    {12, 2, "Abgangszeugnis: ", OutputRealschuleLeavingReport},
    {13, 2, "Abschlusszeugnis (Realschulabschluss): ", OutputRealschuleFinalReport},
    {14, 2, "Abschlusszeugnis (qual. Realschulabs.): ", OutputRealschuleQualifiedFinalReport},
    {15, 2, nullptr, OutputRegionalReport},
    {16, 2, "Übergangszeugnis: ", OutputRegionalTransferReport},
    {17, 2, "Abgangszeugnis: ", OutputRegionalLeavingReport},
    {18, 2, "Abschlusszeugnis (Berufsreife): ", OutputBerufsreifeReport},
    {19, 2, "Abschlusszeugnis (Berufsreife m. Leistungsf.): ", OutputBerufsreifeAssessedReport},
    {20, 2, "Abschlusszeugnis (Mittlere Reife): ", OutputMittlereReifeReport},
    {21, 2, nullptr, OutputGymnasiumReport},
    {22, 2, "Übergangszeugnis: ", OutputGymnasiumTransferReport},
    {23, 1, "Abgangszeugnis: ", OutputGymnasiumLeavingReport},
    {24, 1, "Prüfungszeugnis (BESTANDEN): ", OutputGymnasiumExamPassedReport},
    {25, 1, "Prüfungszeugnis (NICHT bestanden): ", OutputGymnasiumExamFailedReport},
    {26, 2, nullptr, OutputGesamtschuleClass56Report},
    {27, 2, nullptr, OutputGesamtschuleReport},
    {28, 2, "Abgangszeugnis: ", OutputGesamtschuleLeavingReport},
    {29, 2, "Übergangszeugnis: ", OutputGesamtschuleTransferReport},
    {41, 1, "Empfangsbekenntnis: ", PrintReceiptJob},
    {43, 1, "Empfangsbekenntnis: ", PrintReceiptJob},
    {104, 2, nullptr, OutputOrientierungsstufeReport},
    {105, 2, "Zwischenzeugnis: ", OutputHauptschuleInterimReport},
    {110, 2, "Zwischenzeugnis: ", OutputRealschuleInterimReport},
    {115, 2, "Zwischenzeugnis: ", OutputRegionalInterimReport},
    {121, 2, "Zwischenzeugnis: ", OutputGymnasiumInterimReport},
    {127, 2, "Zwischenzeugnis: ", OutputGesamtschuleInterimReport},
}};

const TDispatchEntry* FindDispatchEntry(int formNumber) {
  const auto it = std::find_if(kDispatchTable.begin(), kDispatchTable.end(),
                               [&](const TDispatchEntry& e) { return e.Form == formNumber; });
  return it == kDispatchTable.end() ? nullptr : &*it;
}

QString CaptionPrefix(const TDispatchEntry& entry, const TPupilRecord& pupil) {
  if (entry.Prefix != nullptr) return QString::fromUtf8(entry.Prefix);
  return QString::fromUtf8(pupil.HalfYear == 1 ? kHalfYearPrefix : kYearPrefix);
}

// ---- preview -----------------------------------------------------------------------------

TPreviewService SetPreviewService(TPreviewService service) {
  return std::exchange(PreviewService(), std::move(service));
}

bool ShowPreview() {
  const TPreviewService& service = PreviewService();
  if (!service) return false;
  service();
  return true;
}

// ---- texts their blocks could not print whole ----------------------------------------------

void ReportCutText(const TCutText& cut) { AddCutText(g_cutTexts, cut); }

const std::vector<TCutText>& CutTexts() { return g_cutTexts; }

void ClearCutTexts() { g_cutTexts.clear(); }

QString CutTextsMessage(const std::vector<TCutText>& cuts) {
  if (cuts.empty()) return {};
  QString text = QStringLiteral("Nicht alle Zeilen passten auf den Ausdruck:");
  for (const TCutText& cut : cuts) text += QLatin1Char('\r') + cut.Pupil + QStringLiteral(": ") + CutTextLine(cut);
  return text + QStringLiteral("\r\r") + ShortenPlea(cuts.size());
}

QString CutTextsPreviewLine(const std::vector<TCutText>& cuts) {
  if (cuts.empty()) return {};
  QStringList lines;
  for (const TCutText& cut : cuts) lines << CutTextLine(cut);
  return QStringLiteral("Nicht alle Zeilen passen auf die Seite: ") + lines.join(QStringLiteral("; ")) +
         QStringLiteral(". ") + ShortenPlea(cuts.size());
}

TCutTextWatch::TCutTextWatch()
    : outer_(std::exchange(g_cutTexts, {})),
      outerDelivered_(std::exchange(g_deliveredCuts, {})),
      outerInPdfFile_(std::exchange(g_pdfFileCuts, {})) {
  g_lostSeen = platform::Printer().LostOutputs();
}

TCutTextWatch::~TCutTextWatch() {
  std::vector<TCutText> named = std::exchange(g_deliveredCuts, std::move(outerDelivered_));
  // What went into the job's PDF file (a document the job ended itself
  // included) counts once the file has been written.
  std::vector<TCutText> inPdfFile = std::exchange(g_pdfFileCuts, std::move(outerInPdfFile_));
  for (const TCutText& cut : g_cutTexts) AddCutText(inPdfFile, cut);
  g_cutTexts = std::move(outer_);
  const int lost = platform::Printer().LostOutputs();
  if (lost == g_lostSeen)
    for (const TCutText& cut : inPdfFile) AddCutText(named, cut);
  g_lostSeen = lost;
  const QString message = CutTextsMessage(named);
  if (!message.isEmpty()) platform::ShowMessage(message, MsgKind::Warning);
}

// ---- once per job -------------------------------------------------------------------------

void StartNewJob() { ++g_jobSerial; }

std::uint32_t CurrentJobSerial() { return g_jobSerial; }

FormFileChoice ReportFormFileChoice(int formNumber) {
  return LookupFormFile(formNumber, PrintOptions.PaperPublisher, PrintOptions.ArmsPosition, PrintOptions.ArmsSize);
}

const ResolvedFormFile& LoadJobFormFile(const QString& fileName, const QString& description) {
  const int useCopies = PrintOptions.UseFormFileCopies;
  if (g_form.Loaded && g_form.Serial == g_jobSerial && g_form.UseCopies == useCopies &&
      g_form.Form.FileName == fileName)
    return g_form.Form;
  g_form.Loaded = true;
  g_form.Serial = g_jobSerial;
  g_form.UseCopies = useCopies;
  if (g_quietForms.Serial != g_jobSerial || g_quietForms.UseCopies != useCopies)
    g_quietForms = QuietForms{g_jobSerial, useCopies, {}};
  if (fileName.isEmpty()) {
    // A number without a form file: nothing to load, nothing to draw.
    g_form.Form = ResolvedFormFile{};
    g_form.Form.Title = kNoFormTitle;
  } else if (const auto quiet = g_quietForms.Forms.constFind(fileName); quiet != g_quietForms.Forms.constEnd()) {
    g_form.Form = *quiet;
    g_form.Form.Description = description;
  } else {
    g_form.Form = ResolveNamedFormFile(fileName, description, useCopies);
    if (g_form.Form.Quiet) g_quietForms.Forms.insert(fileName, g_form.Form);
  }
  return g_form.Form;
}

const ResolvedFormFile& LoadJobReportFormFile() {
  const FormFileChoice choice = ReportFormFileChoice(ReportJob.FormNumber);
  return LoadJobFormFile(choice.FileName, choice.Description);
}

const ResolvedFormFile* JobFormFile(const QString& fileName) {
  if (!g_form.Loaded || fileName.isEmpty() || g_form.Form.FileName != fileName) return nullptr;
  return &g_form.Form;
}

}  // namespace quorv
