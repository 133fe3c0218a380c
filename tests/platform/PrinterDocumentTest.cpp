#include "platform/PrinterDocument.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "layouts/LayoutTestSupport.h"
#include "layouts/PdfText.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "support/FileFaults.h"
#include "support/PrinterDouble.h"
#include "support/ScriptedMessages.h"

using platform::MsgKind;
using platform::Printer;
using platform::PrinterDocument;

namespace {

using testsupport::kPdfNotice;
using testsupport::PdfInfo;
using testsupport::ReadPdfInfo;

class PrinterDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
      GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    ASSERT_TRUE(dir_.isValid());
    printer_.SetDestination(platform::PrintDestination::PdfFile);
    printer_.SetPdfFolder(dir_.path() + QLatin1Char('/'));
  }

  QString folder() const { return dir_.path() + QLatin1Char('/'); }

  // Draws a line so that the page is not blank.
  void Draw() {
    platform::Canvas& c = printer_.canvas();
    c.SetMapMode(platform::MapMode::LoMetric);
    c.MoveTo(100, -100);
    c.LineTo(1000, -100);
  }

  QTemporaryDir dir_;
  PrinterDocument printer_;
  testsupport::ScriptedMessages msgs_;
};

TEST_F(PrinterDocumentTest, DocumentStaysOpenAcrossCallsAndIsWrittenWithItsPagesAndTitle) {
  printer_.SetTitle(QStringLiteral("Lernentwicklungsberichte"));
  ASSERT_TRUE(printer_.BeginDoc());
  Draw();
  // A later caller finds the document open and adds sheets to it.
  EXPECT_TRUE(printer_.Printing());
  EXPECT_TRUE(printer_.BeginDoc());  // already open: nothing new
  EXPECT_TRUE(printer_.NewPage());
  Draw();
  printer_.SetTitle(QStringLiteral("ein anderer Titel"));  // an open document keeps its title
  EXPECT_TRUE(printer_.NewPage());
  Draw();
  EXPECT_EQ(printer_.PageCount(), 3);

  const QString file = folder() + QStringLiteral("Lernentwicklungsberichte.pdf");
  msgs_.expect(kPdfNotice + QDir::toNativeSeparators(file) + QStringLiteral("\r3 Seiten"), MsgKind::Information);
  EXPECT_TRUE(printer_.EndDoc());
  EXPECT_FALSE(printer_.Printing());
  EXPECT_EQ(printer_.LastPdfFile(), file);

  const PdfInfo info = ReadPdfInfo(file);
  EXPECT_EQ(info.Pages, 3);
  EXPECT_EQ(info.Title, QStringLiteral("Lernentwicklungsberichte"));
}

TEST_F(PrinterDocumentTest, NewPageAndEndWithoutOpenDocumentDoNothing) {
  EXPECT_FALSE(printer_.NewPage());
  EXPECT_FALSE(printer_.EndDoc());
  EXPECT_TRUE(printer_.LastPdfFile().isEmpty());
}

TEST_F(PrinterDocumentTest, DocumentsWithTheSameTitleDoNotReplaceEachOther) {
  const QString title = QStringLiteral("Jahres-Zeugnis: Anna Muster");
  const QString base = folder() + QStringLiteral("Jahres-Zeugnis - Anna Muster");
  const QStringList expected = {base + QStringLiteral(".pdf"), base + QStringLiteral(" (2).pdf"),
                                base + QStringLiteral(" (3).pdf")};
  for (const QString& file : expected) {
    printer_.SetTitle(title);
    ASSERT_TRUE(printer_.BeginDoc());
    Draw();
    msgs_.expect(kPdfNotice + QDir::toNativeSeparators(file) + QStringLiteral("\r1 Seite"), MsgKind::Information);
    ASSERT_TRUE(printer_.EndDoc());
    EXPECT_EQ(ReadPdfInfo(file).Title, title);
  }
}

TEST_F(PrinterDocumentTest, RefusedDocumentIsReportedAndLeavesNothingOpen) {
  printer_.SetPdfFolder(folder() + QStringLiteral("fehlt/"));
  printer_.SetTitle(QStringLiteral("Zeugnis"));
  msgs_.expect(QStringLiteral("Der Ausdruck konnte nicht begonnen werden:\r") +
                   QDir::toNativeSeparators(folder() + QStringLiteral("fehlt/Zeugnis.pdf")),
               MsgKind::Error);
  EXPECT_FALSE(printer_.BeginDoc());
  EXPECT_FALSE(printer_.Printing());
  EXPECT_FALSE(printer_.EndDoc());
}

TEST_F(PrinterDocumentTest, PdfDeviceIsAnA4SheetInColourWithoutOffsets) {
  const platform::DeviceCaps caps = printer_.Caps();
  EXPECT_EQ(caps.PhysicalOffsetX, 0);
  EXPECT_EQ(caps.PhysicalOffsetY, 0);
  EXPECT_EQ(caps.HorzSize, 210);
  EXPECT_EQ(caps.VertSize, 297);
  EXPECT_GT(caps.NumColors, 2);
}

TEST_F(PrinterDocumentTest, CanvasDrawsInTenthsOfMillimetres) {
  printer_.SetTitle(QStringLiteral("Massstab"));
  ASSERT_TRUE(printer_.BeginDoc());
  platform::Canvas& c = printer_.canvas();
  c.SetMapMode(platform::MapMode::LoMetric);
  const int dpi = c.GetDeviceCaps(platform::DeviceCap::LogPixelsX);
  // 254 units of 0.1 mm are one inch; y grows upward.
  const QPointF inch = c.LogicalToDevice(254, -254);
  EXPECT_DOUBLE_EQ(inch.x(), dpi);
  EXPECT_DOUBLE_EQ(inch.y(), dpi);
  msgs_.expectPrefix(kPdfNotice, MsgKind::Information);
  printer_.EndDoc();
}

// ---- printers of the system ------------------------------------------------------------

const QString kSavedAsPdf = QStringLiteral("Der Ausdruck wurde als PDF-Datei gespeichert:\r");
const QString kSilentService =
    QStringLiteral("Der Druckdienst antwortet nicht.\rDer Ausdruck wird als PDF-Datei gespeichert.");

// Documents go to the print service of a test double unless it has no printer for them.
class PrinterJobTest : public PrinterDocumentTest {
 protected:
  void SetUp() override {
    PrinterDocumentTest::SetUp();
    printer_.SetDestination(platform::PrintDestination::Auto);
    printer_.SetServiceTimeout(kAnswers);
    service_.caps.PhysicalOffsetX = 150;
  }

  // A service that answers is waited for as long as it takes, one that hangs
  // is given up soon.
  static constexpr std::chrono::milliseconds kAnswers{60000};
  static constexpr std::chrono::milliseconds kHangs{200};

  // One job of the given documents, each of one page with its title drawn on
  // it after many looks at the device's capabilities, as page origins take.
  void PrintJob(const QStringList& titles, const QString& fileName = QString()) {
    printer_.BeginJob(fileName);
    for (const QString& title : titles) {
      for (int k = 0; k < 30; ++k) offsets_.insert(printer_.Caps().PhysicalOffsetX);
      printer_.SetTitle(title);
      if (!printer_.BeginDoc()) continue;
      printer_.canvas().TextOut(100, 100, title);
      printer_.EndDoc();
    }
    printer_.EndJob();
  }

  testsupport::PrinterDouble service_;
  std::set<int> offsets_;  // the capabilities' offsets seen
};

TEST_F(PrinterJobTest, EachJobPrintsOnTheChosenPrinterOrTheDefaultOrIntoAPdfFile) {
  const struct {
    const char* Chosen;
    QStringList Installed;
    const char* Default;
    const char* PrintsOn;  // "": a PDF file
    const char* Message;   // said before the output, or nullptr
    const char* Reason;    // said before a PDF file's notice
    bool ServiceRuns = true;
  } cases[] = {
      {"Tinte", {"Laser", "Tinte"}, "Laser", "Tinte", nullptr, ""},
      // Removed while the program runs.
      {"Tinte", {"Laser"}, "Laser", "Laser",
       "Der eingerichtete Drucker \"Tinte\" ist nicht mehr vorhanden.\rEs wird der Standarddrucker \"Laser\" verwendet.",
       ""},
      // Added after printer set-up was cancelled: nothing was chosen.
      {"", {"Laser"}, "Laser", "Laser", nullptr, ""},
      {"", {}, "", "", nullptr, "Es ist kein Drucker eingerichtet.\r"},
      {"Tinte", {}, "", "", nullptr,
       "Der eingerichtete Drucker \"Tinte\" ist nicht mehr vorhanden.\rEs ist kein Drucker eingerichtet.\r"},
      {"Tinte", {"Laser"}, "", "", nullptr, "Der eingerichtete Drucker \"Tinte\" ist nicht mehr vorhanden.\r"},
      // No print service: the notice says so instead of a missing printer.
      {"Tinte", {}, "", "", nullptr, "Der Druckdienst antwortet nicht.\r", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE((c.Chosen + QStringLiteral(" / ") + c.Installed.join(QLatin1Char(','))).toStdString());
    printer_.SetChosenPrinter(QString::fromUtf8(c.Chosen));
    service_.names = c.Installed;
    service_.defaultName = QString::fromUtf8(c.Default);
    service_.serviceRuns = c.ServiceRuns;
    service_.documents.clear();
    if (c.Message != nullptr) msgs_.expect(QString::fromUtf8(c.Message), MsgKind::Information);
    const bool pdf = *c.PrintsOn == '\0';
    if (pdf) msgs_.expectPrefix(QString::fromUtf8(c.Reason) + kSavedAsPdf, MsgKind::Information);
    const int queries = service_.Queries();
    const int stateChecks = service_.StateChecks();
    offsets_.clear();
    PrintJob({QStringLiteral("Zeugnis: A"), QStringLiteral("Zeugnis: B")});
    EXPECT_TRUE(msgs_.allAnswered());
    // The service is asked once per job, a printer's state before each document,
    // and the device's capabilities are the printer's or the PDF sheet's.
    EXPECT_EQ(service_.Queries(), queries + 1);
    EXPECT_EQ(service_.StateChecks(), stateChecks + (pdf ? 0 : 2));
    EXPECT_EQ(offsets_, std::set<int>{pdf ? 0 : 150});
    if (pdf) {
      EXPECT_TRUE(service_.documents.empty());
      EXPECT_EQ(ReadPdfInfo(printer_.LastPdfFile()).Pages, 2);
      continue;
    }
    // On a printer each document is a job of its own.
    ASSERT_EQ(service_.documents.size(), 2u);
    for (const testsupport::PrintedDocument& d : service_.documents) {
      EXPECT_EQ(d.Printer, QString::fromUtf8(c.PrintsOn));
      EXPECT_EQ(d.Pages, 1);
      EXPECT_TRUE(d.Ended);
      EXPECT_EQ(d.Texts, QStringList{d.Title});
    }
    EXPECT_EQ(service_.documents[1].Title, QStringLiteral("Zeugnis: B"));
    // The default printer is now the choice: the next job says nothing.
    service_.documents.clear();
    PrintJob({QStringLiteral("Zeugnis: C")});
    ASSERT_EQ(service_.documents.size(), 1u);
    EXPECT_EQ(service_.documents[0].Printer, QString::fromUtf8(c.PrintsOn));
  }
}

// A printer that cannot take the job: one refusing jobs asks whether the PDF
// should be written instead; a print service that does not answer in time, for
// the list of printers, the printer's description or its state, or takes
// longer for all of them together than the limit, is named in the one message
// after the job. Once the printer can take jobs again, the next job prints on it.
TEST_F(PrinterJobTest, APrinterThatCannotTakeTheJobGivesThePdfWithAMessage) {
  using platform::PrinterState;
  using std::chrono::milliseconds;
  const QString refusing = QStringLiteral(
      "Der Drucker \"Laser\" nimmt zur Zeit keine Aufträge an.\r"
      "Soll der Ausdruck stattdessen als PDF-Datei gespeichert werden?");
  // Deleted after the job found it.
  const QString gone = QStringLiteral(
      "Der eingerichtete Drucker \"Laser\" ist nicht mehr vorhanden.\r"
      "Soll der Ausdruck stattdessen als PDF-Datei gespeichert werden?");
  const QString silent =
      QStringLiteral("Der Druckdienst antwortet nicht.\r\rIn der PDF-Datei steht:\rZeugnis: A\rZeugnis: B\r\r");
  const struct {
    const char* What;
    PrinterState State;
    bool SlowList;
    bool SlowOpen;
    bool SlowState;
    milliseconds Delay;  // every answer comes this late
    milliseconds Limit;
    QString Question;  // "": none
    platform::MsgResult Answer;  // No: nothing printed, nothing more asked
    QString Reason;  // before the PDF notice
    MsgKind Kind;
  } cases[] = {
      {"refusing, PDF wanted", PrinterState::Refusing, false, false, false, {}, kAnswers, refusing,
       platform::MsgResult::Yes, {}, MsgKind::Information},
      {"refusing, no PDF", PrinterState::Refusing, false, false, false, {}, kAnswers, refusing,
       platform::MsgResult::No, {}, MsgKind::Information},
      {"deleted, PDF wanted", PrinterState::Gone, false, false, false, {}, kAnswers, gone, platform::MsgResult::Yes,
       {}, MsgKind::Information},
      {"no list of printers", PrinterState::Accepting, true, false, false, {}, kHangs, {}, platform::MsgResult::Ok,
       silent, MsgKind::Warning},
      {"no description of the printer", PrinterState::Accepting, false, true, false, {}, kHangs, {},
       platform::MsgResult::Ok, silent, MsgKind::Warning},
      {"no state of the printer", PrinterState::Accepting, false, false, true, {}, kHangs, {},
       platform::MsgResult::Ok, silent, MsgKind::Warning},
      // Each answer in time, all of them together later than the limit.
      {"slow in every question", PrinterState::Accepting, false, false, false, milliseconds(250), milliseconds(600),
       {}, platform::MsgResult::Ok, silent, MsgKind::Warning},
  };
  printer_.SetChosenPrinter(QStringLiteral("Laser"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    testsupport::PrinterDouble service;
    (c.State == PrinterState::Gone ? service.deleted : service.refusing) =
        c.State == PrinterState::Accepting ? QStringList() : QStringList{QStringLiteral("Laser")};
    service.slow = c.SlowList;
    service.slowOpen = c.SlowOpen;
    service.slowState = c.SlowState;
    service.delay = c.Delay;
    printer_.SetServiceTimeout(c.Limit);
    const bool pdf = c.Answer != platform::MsgResult::No;
    const auto pdfFiles = [&] { return QDir(folder()).entryList({QStringLiteral("*.pdf")}).size(); };
    const auto filesBefore = pdfFiles();
    if (!c.Question.isEmpty()) msgs_.expect(c.Question, MsgKind::Warning, c.Answer);
    if (pdf) msgs_.expectPrefix(c.Reason + kSavedAsPdf, c.Kind);
    const std::size_t shownBefore = msgs_.shown().size();
    offsets_.clear();
    PrintJob({QStringLiteral("Zeugnis: A"), QStringLiteral("Zeugnis: B")}, QStringLiteral("Klasse 7a: Zeugnisse"));
    EXPECT_TRUE(msgs_.allAnswered());
    EXPECT_FALSE(printer_.Printing());
    EXPECT_TRUE(service.documents.empty());
    EXPECT_EQ(service.WindowThreadQuestions(), 0);
    EXPECT_EQ(pdfFiles(), filesBefore + (pdf ? 1 : 0));
    if (pdf) {
      EXPECT_EQ(msgs_.shown().back().text, c.Reason + kSavedAsPdf + QDir::toNativeSeparators(printer_.LastPdfFile()) +
                                               QStringLiteral("\r2 Seiten"));
      EXPECT_TRUE(QFileInfo(printer_.LastPdfFile()).fileName().startsWith(QStringLiteral("Klasse 7a - Zeugnisse")));
      EXPECT_EQ(ReadPdfInfo(printer_.LastPdfFile()).Pages, 2);
    } else {
      EXPECT_EQ(msgs_.shown().size(), shownBefore + 1);  // the question only
    }
    if (c.SlowList) { EXPECT_EQ(offsets_, std::set<int>{0}); }  // the PDF sheet's
    service.refusing.clear();
    service.deleted.clear();
    service.delay = {};
    service.Release();
    printer_.SetServiceTimeout(kAnswers);
    PrintJob({QStringLiteral("Zeugnis")});
    EXPECT_EQ(service.documents.size(), 1u);
    // A list that came after its job had given up is out of date: asked for anew.
    if (c.SlowList) { EXPECT_EQ(service.Queries(), 2); }
  }
}

// A service that kept a job waiting, for the list of printers, the printer's
// state or a document, is not asked again in that job, also after a print
// from the preview put out what came before, and never on the window's
// thread; each print says why its output is a PDF file.
TEST_F(PrinterJobTest, AServiceThatKeptTheJobWaitingIsNotAskedAgainInThatJob) {
  const struct {
    const char* What;
    bool SlowList;
    bool SlowState;
    platform::Submission Document;
    int StateChecks;
  } cases[] = {
      {"no list of printers", true, false, platform::Submission::Printed, 0},
      {"no state of the printer", false, true, platform::Submission::Printed, 1},
      {"no answer for the document", false, false, platform::Submission::NoAnswer, 1},
  };
  printer_.SetChosenPrinter(QStringLiteral("Laser"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    testsupport::PrinterDouble service;
    service.slow = c.SlowList;
    service.slowState = c.SlowState;
    service.submission = c.Document;
    printer_.SetServiceTimeout(c.SlowList || c.SlowState ? kHangs : kAnswers);
    const bool document = c.Document != platform::Submission::Printed;
    for (int print = 0; print < 2; ++print)
      msgs_.expectPrefix(QStringLiteral("Der Druckdienst antwortet nicht.\r") + kSavedAsPdf, MsgKind::Warning);
    printer_.BeginJob(QStringLiteral("Klasse 7a: Zeugnisse"));
    for (const QString& title : {QStringLiteral("Zeugnis: A"), QStringLiteral("Zeugnis: B")}) {
      printer_.SetTitle(title);
      ASSERT_TRUE(printer_.BeginDoc());
      printer_.canvas().TextOut(100, 100, title);
      printer_.EndDoc();
      printer_.FlushJob();
    }
    printer_.EndJob();
    EXPECT_TRUE(msgs_.allAnswered());
    EXPECT_EQ(service.Queries(), 1);
    EXPECT_EQ(service.StateChecks(), c.StateChecks);
    EXPECT_EQ(service.WindowThreadQuestions(), 0);
    EXPECT_EQ(service.documents.size(), document ? 1u : 0u);
  }
}

// A document the printer did not take never counts as printed: it goes into
// the job's PDF file as the printer would have printed it, and so does the
// rest of the job, without asking the printer again; one message after the
// job names the printer or the silent service, what was printed and what is
// in the file. A file of that name is not replaced. A PDF file that cannot be
// written whole is said to be missing with what it held, and leaves nothing.
TEST_F(PrinterJobTest, ADocumentThePrinterDidNotTakeGoesIntoTheJobsPdfFile) {
  using platform::Submission;
  const QString file = QStringLiteral("Klasse 7a - Zeugnisse.pdf");
  const auto path = [&](const QString& name) { return QDir::toNativeSeparators(folder() + name); };
  const QString refused = QStringLiteral("Der Drucker \"Laser\" hat den Ausdruck \"Zeugnis: B\" nicht angenommen.\r");
  const QString silent = QStringLiteral("Der Druckdienst antwortet nicht.\r");
  const QString mayPrint = silent + QStringLiteral(
      "Vielleicht wird der Ausdruck später doch noch gedruckt. Bitte prüfen Sie das, bevor Sie die PDF-Datei "
      "drucken.\r");
  const QString printedA = QStringLiteral("\rGedruckt wurde:\rZeugnis: A\r");
  const QString inFile = QStringLiteral("\rIn der PDF-Datei steht:\rZeugnis: B\rZeugnis: C\r\r");
  const QString notWritten = QStringLiteral("\rNicht gedruckt wurde:\rZeugnis: B\rZeugnis: C\r\r"
                                            "Die PDF-Datei konnte nicht geschrieben werden:\r%1\r"
                                            "Vielleicht ist der Datenträger voll. Der Ausdruck wurde nicht gespeichert.");
  const QByteArray earlier = "%PDF-1.4 earlier";
  const struct {
    Submission Outcome;  // of the second document
    bool DiskFull;
    bool Clash;  // the folder holds the job's file name already
    QString Said;
    MsgKind Kind;
    QString Kept;  // the job's file, "": none
  } cases[] = {
      {Submission::Refused, false, false, refused + printedA + inFile + kSavedAsPdf + path(file) + "\r2 Seiten",
       MsgKind::Warning, file},
      {Submission::NoAnswer, false, false, silent + printedA + inFile + kSavedAsPdf + path(file) + "\r2 Seiten",
       MsgKind::Warning, file},
      {Submission::Unconfirmed, false, true,
       mayPrint + printedA + inFile + kSavedAsPdf + path("Klasse 7a - Zeugnisse (2).pdf") + "\r2 Seiten",
       MsgKind::Warning, "Klasse 7a - Zeugnisse (2).pdf"},
      {Submission::NoAnswer, true, false, silent + printedA + notWritten.arg(path(file)), MsgKind::Error, {}},
  };
  printer_.SetChosenPrinter(QStringLiteral("Laser"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Said.toStdString());
    if (c.Clash) { ASSERT_TRUE(platform::WriteFileReplacing(folder() + file, earlier)); }
    testsupport::PrinterDouble service;
    service.caps.PhysicalOffsetX = 150;
    service.outcomes = {Submission::Printed, c.Outcome};
    std::optional<testsupport::FileFaults> full;
    if (c.DiskFull) full.emplace(std::set<platform::FileStep>{platform::FileStep::Write});
    msgs_.expect(c.Said, c.Kind);
    PrintJob({QStringLiteral("Zeugnis: A"), QStringLiteral("Zeugnis: B"), QStringLiteral("Zeugnis: C")},
             QStringLiteral("Klasse 7a: Zeugnisse"));
    full.reset();
    EXPECT_TRUE(msgs_.allAnswered());
    EXPECT_EQ(service.documents.size(), 2u);
    QDir dir(folder());
    QStringList files = c.Kept.isEmpty() ? QStringList() : QStringList{c.Kept};
    if (c.Clash) files << file;
    EXPECT_EQ(dir.entryList(QDir::Files, QDir::Name), files);
    if (c.Clash) {
      QByteArray bytes;
      EXPECT_TRUE(platform::ReadFileBytes(folder() + file, bytes));
      EXPECT_EQ(bytes, earlier);
    }
    if (!c.Kept.isEmpty() && testsupport::HavePdfText()) {
      // B where the printer would have put it: its printable area starts 150
      // pixels of 600 dpi (6.35 mm) from the sheet's corner.
      const std::vector<testsupport::PdfWord> words = testsupport::PdfWords(folder() + c.Kept);
      const testsupport::PdfWord* b = testsupport::FindPdfWord(words, QStringLiteral("B"), 1);
      ASSERT_NE(b, nullptr);
      EXPECT_NEAR(testsupport::FindPdfWord(words, QStringLiteral("Zeugnis:"), 1)->Box.Left, (150 + 100) * 254 / 600.0,
                  2);
      EXPECT_NE(testsupport::FindPdfWord(words, QStringLiteral("C"), 2), nullptr);
    }
    for (const QString& f : dir.entryList(QDir::Files)) dir.remove(f);
  }
}

TEST(PdfFileName, CharactersNoFileNameMayHoldAreReplaced) {
  struct Case {
    const char* Title;
    const char* Name;
  };
  const Case cases[] = {
      {"Jahres-Zeugnis: Anna Muster", "Jahres-Zeugnis - Anna Muster"},
      {"Versetzungs-/Prüfungs-Zeugnis (BESTANDEN): Ben", "Versetzungs-_Prüfungs-Zeugnis (BESTANDEN) - Ben"},
      {"Übergangs-Zeugnis (Seite: 1/2): Ben", "Übergangs-Zeugnis (Seite - 1_2) - Ben"},
      {"Uhrzeit 10:15", "Uhrzeit 10_15"},
      {"a\\b*c?d\"e<f>g|h", "a_b_c_d_e_f_g_h"},
      {"  Titel. ", "Titel"},
      {"", "Ausdruck"},
      {"...", "Ausdruck"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(platform::PdfFileBaseName(QString::fromUtf8(c.Title)), QString::fromUtf8(c.Name)) << c.Title;
}

TEST(PrinterObject, IsOneForTheWholeRun) { EXPECT_EQ(&Printer(), &Printer()); }

TEST(PrinterObject, WaitsForThePrintServiceFourSecondsAtMost) {
  EXPECT_EQ(Printer().ServiceTimeout(), std::chrono::seconds(4));
}

}  // namespace
