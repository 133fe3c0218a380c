#include "layouts/PrintJob.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "layouts/LayoutTestSupport.h"
#include "layouts/OutputWrappers.h"
#include "layouts/ReceiptLayouts.h"
#include "layouts/RegionalLayouts.h"
#include "platform/PrinterDocument.h"
#include "platform/RecordingCanvas.h"
#include "support/PrinterDouble.h"
#include "support/ScriptedMessages.h"

using platform::MsgKind;
using platform::MsgResult;
using quorv::ReportJob;
using testsupport::kPdfNotice;
using testsupport::kUnknownForm;

namespace {

const QString kOutOfStep = QStringLiteral("Es können Fehler in der Steuerdatei enthalten sein!");
const QString kName = QStringLiteral("Anna Muster");

// The dispatch table as the forms need it: pages, caption prefix (nullptr:
// half-year or year), wrapper, printer document title text (nullptr: the
// hyphenated half-year or year title).
struct ExpectedForm {
  int Form;
  int Pages;
  const char* Prefix;
  quorv::TOutputWrapperFn Wrapper;
  const char* Title;
};
const ExpectedForm kForms[] = {
    {1, 1, nullptr, quorv::OutputGrundschuleClass1Report, nullptr},
    {2, 1, "Übergangszeugnis: ", quorv::OutputGrundschuleClass1TransferReport, "Übergangs-Zeugnis: "},
    {3, 2, nullptr, quorv::OutputGrundschuleReport, nullptr},
    {4, 2, "Übergangszeugnis: ", quorv::OutputGrundschuleTransferReport, "Übergangs-Zeugnis: "},
    {5, 2, nullptr, quorv::OutputHauptschuleReport, nullptr},
    {6, 2, "Übergangszeugnis: ", quorv::OutputHauptschuleTransferReport, "Übergangs-Zeugnis: "},
    {7, 2, "Abgangszeugnis: ", quorv::OutputHauptschuleLeavingReport, "Abgangs-Zeugnis: "},
    {8, 2, "Abschlusszeugnis (Hauptschulabschluss): ", quorv::OutputHauptschuleFinalReport,
     "Abschluss-Zeugnis (Hauptschulabschluss): "},
    {9, 2, "Abschlusszeugnis (qual. Hauptschulabs.): ", quorv::OutputHauptschuleQualifiedFinalReport,
     "Abschluss-Zeugnis (qual. Hauptschulabschluss)"},
    {10, 2, nullptr, quorv::OutputRealschuleReport, nullptr},
    {11, 2, "Übergangszeugnis: ", quorv::OutputRealschuleTransferReport, "Übergangs-Zeugnis: "},
    {12, 2, "Abgangszeugnis: ", quorv::OutputRealschuleLeavingReport, "Abgangs-Zeugnis: "},
    {13, 2, "Abschlusszeugnis (Realschulabschluss): ", quorv::OutputRealschuleFinalReport,
     "Abschluss-Zeugnis (Realschulabschluss): "},
    {14, 2, "Abschlusszeugnis (qual. Realschulabs.): ", quorv::OutputRealschuleQualifiedFinalReport,
     "Abschluss-Zeugnis (qual. Realschulabschluss)"},
    {15, 2, nullptr, quorv::OutputRegionalReport, nullptr},
    {16, 2, "Übergangszeugnis: ", quorv::OutputRegionalTransferReport, "Übergangs-Zeugnis: "},
    {17, 2, "Abgangszeugnis: ", quorv::OutputRegionalLeavingReport, "Abgangs-Zeugnis: "},
    {18, 2, "Abschlusszeugnis (Berufsreife): ", quorv::OutputBerufsreifeReport, "Abschluss-Zeugnis (Berufsreife): "},
    {19, 2, "Abschlusszeugnis (Berufsreife m. Leistungsf.): ", quorv::OutputBerufsreifeAssessedReport,
     "Abschluss-Zeugnis (Berufsreife m. Leist.): "},
    {20, 2, "Abschlusszeugnis (Mittlere Reife): ", quorv::OutputMittlereReifeReport,
     "Abschluss-Zeugnis (Mittlere Reife): "},
    {21, 2, nullptr, quorv::OutputGymnasiumReport, nullptr},
    {22, 2, "Übergangszeugnis: ", quorv::OutputGymnasiumTransferReport, "Übergangs-Zeugnis: "},
    {23, 1, "Abgangszeugnis: ", quorv::OutputGymnasiumLeavingReport, "Abgangs-Zeugnis: "},
    {24, 1, "Prüfungszeugnis (BESTANDEN): ", quorv::OutputGymnasiumExamPassedReport,
     "Versetzungs-/Prüfungs-Zeugnis (BESTANDEN): "},
    {25, 1, "Prüfungszeugnis (NICHT bestanden): ", quorv::OutputGymnasiumExamFailedReport,
     "Versetzungs-/Prüfungs-Zeugnis (NICHT best.): "},
    {26, 2, nullptr, quorv::OutputGesamtschuleClass56Report, nullptr},
    {27, 2, nullptr, quorv::OutputGesamtschuleReport, nullptr},
    {28, 2, "Abgangszeugnis: ", quorv::OutputGesamtschuleLeavingReport, "Abgangs-Zeugnis: "},
    {29, 2, "Übergangszeugnis: ", quorv::OutputGesamtschuleTransferReport, "Übergangs-Zeugnis: "},
    {41, 1, "Empfangsbekenntnis: ", quorv::PrintReceiptJob, "Empfangsbekenntnis: "},
    {43, 1, "Empfangsbekenntnis: ", quorv::PrintReceiptJob, "Empfangsbekenntnis: "},
    {104, 2, nullptr, quorv::OutputOrientierungsstufeReport, nullptr},
    {105, 2, "Zwischenzeugnis: ", quorv::OutputHauptschuleInterimReport, "Zwischenzeugnis: "},
    {110, 2, "Zwischenzeugnis: ", quorv::OutputRealschuleInterimReport, "Zwischenzeugnis: "},
    {115, 2, "Zwischenzeugnis: ", quorv::OutputRegionalInterimReport, "Zwischenzeugnis: "},
    {121, 2, "Zwischenzeugnis: ", quorv::OutputGymnasiumInterimReport, "Zwischen-Zeugnis: "},
    {127, 2, "Zwischenzeugnis: ", quorv::OutputGesamtschuleInterimReport, "Zwischenzeugnis: "},
};

QString Prefix(const ExpectedForm& f, int halfYear) {
  if (f.Prefix != nullptr) return QString::fromUtf8(f.Prefix);
  return halfYear == 1 ? QStringLiteral("Halbjahreszeugnis: ") : QStringLiteral("Jahreszeugnis: ");
}

QString Title(const ExpectedForm& f, int halfYear) {
  if (f.Title != nullptr) return QString::fromUtf8(f.Title);
  return halfYear == 1 ? QStringLiteral("Halbjahres-Zeugnis: ") : QStringLiteral("Jahres-Zeugnis: ");
}

QString Description(int form) { return quorv::LookupFormFile(form, 0, 0, 1).Description; }
QString FileName(int form) { return quorv::LookupFormFile(form, 0, 0, 1).FileName; }

QString Confirmation(int form, bool withFile = false) {
  QString text = QStringLiteral("Soll jetzt das ") + Description(form) + QStringLiteral("\rfür: ") + kName +
                 QStringLiteral("\rgedruckt werden?");
  if (withFile) text += QStringLiteral("\r\r[") + FileName(form) + QStringLiteral("]\r") + Description(form);
  return text;
}

QString PageQuestion(int page, int last) { return QStringLiteral("Druck der Seite: %1 von %2 ?").arg(page).arg(last); }

class PrintReportTest : public ::testing::Test {
 protected:
  PrintReportTest() {
    env_.writeAllReportFormFiles(testsupport::EveryFieldTable());
    env_.recordPreview();
    // The examination reports are a Gymnasium's, whose slot 2 holds the examination language.
    quorv::SchoolSettings.SchoolType = quorv::stGymnasium;
  }

  void Job(int form, int target, int askFirst = 1, int halfYear = 0) {
    quorv::ClearReportJob();
    ReportJob.Pupil = testsupport::TestPupil();
    ReportJob.Pupil.HalfYear = static_cast<std::uint16_t>(halfYear);
    ReportJob.Pupil.ExamDataPresent = 1;  // passes the examination-data check in 2006
    ReportJob.FormNumber = static_cast<std::uint16_t>(form);
    ReportJob.CurrentPage = 1;
    ReportJob.OutputTarget = static_cast<std::uint16_t>(target);
    ReportJob.AskFirst = static_cast<std::uint8_t>(askFirst);
  }

  testsupport::LayoutEnvironment env_;
};

// ---- the table -----------------------------------------------------------------------

TEST(DispatchTable, EveryFormHasItsPagesPrefixAndWrapperAndNoOtherNumberIsListed) {
  for (const ExpectedForm& f : kForms) {
    const quorv::TDispatchEntry* e = quorv::FindDispatchEntry(f.Form);
    ASSERT_NE(e, nullptr) << f.Form;
    EXPECT_EQ(e->Pages, f.Pages) << f.Form;
    EXPECT_EQ(e->Wrapper, f.Wrapper) << f.Form;
    quorv::TPupilRecord pupil = testsupport::TestPupil();
    for (int half : {0, 1}) {
      pupil.HalfYear = static_cast<std::uint16_t>(half);
      EXPECT_EQ(quorv::CaptionPrefix(*e, pupil), Prefix(f, half)) << f.Form;
    }
  }
  int listed = 0;
  for (int n = -1; n <= 70000; ++n)
    if (quorv::FindDispatchEntry(n) != nullptr) ++listed;
  EXPECT_EQ(listed, static_cast<int>(std::size(kForms)));
}

TEST(ReportJobRecord, ClearEmptiesTheJobAndAsksFirst) {
  testsupport::LayoutEnvironment env;
  std::memset(static_cast<void*>(&ReportJob.Pupil), 0x5A, sizeof(ReportJob.Pupil));
  ReportJob.FormNumber = 15;
  ReportJob.CurrentPage = 2;
  ReportJob.FirstPage = 1;
  ReportJob.LastPage = 2;
  ReportJob.OutputTarget = 3;
  ReportJob.Caption = QStringLiteral("x");
  ReportJob.AskFirst = 0;
  const std::uint32_t before = quorv::CurrentJobSerial();
  quorv::ClearReportJob();
  const auto* bytes = reinterpret_cast<const unsigned char*>(&ReportJob.Pupil);
  EXPECT_TRUE(std::all_of(bytes, bytes + sizeof(ReportJob.Pupil), [](unsigned char b) { return b == 0; }));
  EXPECT_EQ(ReportJob.FormNumber, 0);
  EXPECT_EQ(ReportJob.CurrentPage, 0);
  EXPECT_EQ(ReportJob.FirstPage, 0);
  EXPECT_EQ(ReportJob.LastPage, 0);
  EXPECT_EQ(ReportJob.OutputTarget, 0);
  EXPECT_TRUE(ReportJob.Caption.isEmpty());
  EXPECT_EQ(ReportJob.AskFirst, 1);
  EXPECT_NE(quorv::CurrentJobSerial(), before);
}

TEST(ReportJobRecord, ReportCommandsGetAFormOnlyWhenItHasALayout) {
  struct Case {
    std::int32_t Record;
    std::uint16_t Job;
  };
  const Case cases[] = {
      {0, 0},
      {1, 1},
      {15, 15},
      {29, 29},
      {104, 104},
      {127, 127},
      // The Förderschule numbers have no layout; 41 is the Förderschule leaving report here.
      {30, quorv::kNoLayoutForm},
      {40, quorv::kNoLayoutForm},
      {41, quorv::kNoLayoutForm},
      {42, quorv::kNoLayoutForm},
      {43, quorv::kNoLayoutForm},
      {130, quorv::kNoLayoutForm},
      {141, quorv::kNoLayoutForm},
      {170, quorv::kNoLayoutForm},
      // A pupil never shown, and numbers whose low 16 bits would be a form.
      {-1, quorv::kNoLayoutForm},
      {65536 + 15, quorv::kNoLayoutForm},
  };
  quorv::TPupilRecord pupil = testsupport::TestPupil();
  for (const Case& c : cases) {
    pupil.FormNumber = c.Record;
    EXPECT_EQ(quorv::ReportFormOfPupil(pupil), c.Job) << c.Record;
  }
}

// ---- PrintReport -------------------------------------------------------------------------

TEST_F(PrintReportTest, NumbersWithoutLayoutGiveOneMessageAndNoQuestion) {
  for (int form : {0, 30, 35, 40, 42, 44, 100, 103, 106, 109, 128, 130, 141, 170, 65535}) {
    for (int target : {1, 2, 3}) {
      testsupport::ScriptedMessages msgs;
      msgs.expect(kUnknownForm, MsgKind::Error);
      Job(form, target);
      quorv::PrintReport();
      EXPECT_TRUE(msgs.allAnswered()) << form;
    }
  }
  EXPECT_TRUE(env_.previews().empty());
}

TEST_F(PrintReportTest, PreviewShowsEveryPageOfEveryFormWithItsCaption) {
  for (const ExpectedForm& f : kForms) {
    for (int half : {0, 1}) {
      const std::size_t before = env_.previews().size();
      testsupport::ScriptedMessages msgs;
      // 43 is the receipt's code for its own commands; the form-file table does not know it.
      if (f.Form == 43) msgs.expect(kUnknownForm, MsgKind::Error);
      Job(f.Form, quorv::otPreview, 1, half);
      quorv::PrintReport();  // no question for the preview
      ASSERT_EQ(env_.previews().size(), before + static_cast<std::size_t>(f.Pages)) << f.Form;
      for (int p = 1; p <= f.Pages; ++p) {
        const testsupport::PreviewShown& shown = env_.previews()[before + static_cast<std::size_t>(p - 1)];
        EXPECT_EQ(shown.FormNumber, f.Form);
        EXPECT_EQ(shown.CurrentPage, p);
        EXPECT_EQ(shown.OutputTarget, quorv::otPreview);
        EXPECT_EQ(shown.Caption,
                  Prefix(f, half) + kName + QStringLiteral("  [Seite: %1 von %2]").arg(p).arg(f.Pages));
      }
      EXPECT_EQ(ReportJob.FirstPage, 1);
      EXPECT_EQ(ReportJob.LastPage, f.Pages);
    }
  }
}

TEST_F(PrintReportTest, ConfirmationNamesTheFormAndThePupilAndNoPrintsNothing) {
  for (const ExpectedForm& f : kForms) {
    for (int showFile : {0, 1}) {
      quorv::ProgramOptions.ShowFormFileBeforePrint = static_cast<std::uint16_t>(showFile);
      for (int target : {2, 3}) {
        testsupport::ScriptedMessages msgs;
        if (f.Form == 43) msgs.expect(kUnknownForm, MsgKind::Error);
        msgs.expect(Confirmation(f.Form, showFile == 1), MsgKind::Confirmation, MsgResult::No);
        Job(f.Form, target);
        quorv::PrintReport();
        EXPECT_TRUE(msgs.allAnswered()) << f.Form;
        EXPECT_TRUE(testsupport::AnnouncedPdfFiles(msgs.shown()).isEmpty());
        // No ends the dispatcher before pages are set.
        EXPECT_EQ(ReportJob.LastPage, 0);
      }
    }
  }
}

TEST_F(PrintReportTest, EveryFormPrintsThroughItsWrapperAsOneDocument) {
  if (!testsupport::HavePdfInfo()) GTEST_SKIP() << "pdfinfo is not installed";
  quorv::PrintOptions.OnlyNecessaryDialogs = 1;
  for (const ExpectedForm& f : kForms) {
    testsupport::ScriptedMessages msgs;
    // 43 has no form file of its own in the table: its page stays empty.
    if (f.Form == 43) msgs.expect(kUnknownForm, MsgKind::Error);
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    Job(f.Form, quorv::otPrinterReport, 0, 1);
    quorv::PrintReport();
    const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
    ASSERT_EQ(files.size(), 1) << f.Form;
    const testsupport::PdfInfo info = testsupport::ReadPdfInfo(files[0]);
    EXPECT_EQ(info.Pages, f.Pages) << f.Form;
    EXPECT_EQ(info.Title, Title(f, 1) + kName) << f.Form;
    if (f.Pages == 2) {
      EXPECT_EQ(ReportJob.OutputTarget, quorv::otPrinterReport);
      EXPECT_EQ(ReportJob.Caption, Prefix(f, 1) + kName + QStringLiteral(" [Seiten 1+2 von 2]"));
    } else {
      // A one-page form goes out as one page.
      EXPECT_EQ(ReportJob.OutputTarget, quorv::otPrinterPage);
      EXPECT_EQ(ReportJob.Caption, Prefix(f, 1) + kName + QStringLiteral("  [Seite: 1 von 1]"));
    }
  }
}

TEST_F(PrintReportTest, PageByPageAsksBeforeEachPageAndNoSkipsOnlyThatPage) {
  testsupport::ScriptedMessages msgs;
  msgs.expect(Confirmation(15), MsgKind::Confirmation, MsgResult::Yes);
  msgs.expect(PageQuestion(1, 2), MsgKind::Confirmation, MsgResult::No);
  msgs.expect(PageQuestion(2, 2), MsgKind::Confirmation, MsgResult::Yes);
  msgs.expectPrefix(kPdfNotice, MsgKind::Information);
  Job(15, quorv::otPrinterPage);
  quorv::PrintReport();
  const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
  ASSERT_EQ(files.size(), 1);
  EXPECT_EQ(QFileInfo(files[0]).fileName(), QStringLiteral("Jahres-Zeugnis - Anna Muster.pdf"));
  if (testsupport::HavePdfInfo()) {
    EXPECT_EQ(testsupport::ReadPdfInfo(files[0]).Pages, 1);
  }
  EXPECT_EQ(ReportJob.CurrentPage, 2);
  EXPECT_EQ(ReportJob.Caption, QStringLiteral("Jahreszeugnis: Anna Muster  [Seite: 2 von 2]"));
}

TEST_F(PrintReportTest, OnlyNecessaryDialogsPrintsPageOneAtOnceAndAsksForPageTwo) {
  quorv::PrintOptions.OnlyNecessaryDialogs = 1;
  testsupport::ScriptedMessages msgs;
  msgs.expect(Confirmation(22), MsgKind::Confirmation, MsgResult::Yes);
  msgs.expectPrefix(kPdfNotice, MsgKind::Information);
  msgs.expect(PageQuestion(2, 2), MsgKind::Confirmation, MsgResult::Yes);
  msgs.expectPrefix(kPdfNotice, MsgKind::Information);
  Job(22, quorv::otPrinterPage);
  quorv::PrintReport();
  const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
  ASSERT_EQ(files.size(), 2);
  if (testsupport::HavePdfInfo()) {
    // The transfer report of the Gymnasium names the page in the title of a one-page document.
    EXPECT_EQ(testsupport::ReadPdfInfo(files[0]).Title, QStringLiteral("Übergangs-Zeugnis (Seite: 1/2): Anna Muster"));
    EXPECT_EQ(testsupport::ReadPdfInfo(files[1]).Title, QStringLiteral("Übergangs-Zeugnis (Seite: 2/2): Anna Muster"));
  }
}

TEST_F(PrintReportTest, OnePageFormAsksItsPageQuestionUnlessOnlyNecessaryDialogs) {
  for (int only : {0, 1}) {
    quorv::PrintOptions.OnlyNecessaryDialogs = static_cast<std::uint16_t>(only);
    testsupport::ScriptedMessages msgs;
    msgs.expect(Confirmation(23), MsgKind::Confirmation, MsgResult::Yes);
    if (only == 0) msgs.expect(PageQuestion(1, 1), MsgKind::Confirmation, MsgResult::No);
    if (only == 1) msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    Job(23, quorv::otPrinterReport);
    quorv::PrintReport();
    EXPECT_TRUE(msgs.allAnswered());
    EXPECT_EQ(ReportJob.OutputTarget, quorv::otPrinterPage);
    EXPECT_EQ(ReportJob.CurrentPage, 1);
  }
}

TEST_F(PrintReportTest, WithoutAskFirstOnlyThePageQuestionsCome) {
  testsupport::ScriptedMessages msgs;
  msgs.expect(PageQuestion(1, 2), MsgKind::Confirmation, MsgResult::No);
  msgs.expect(PageQuestion(2, 2), MsgKind::Confirmation, MsgResult::No);
  Job(10, quorv::otPrinterPage, 0);
  quorv::PrintReport();
  EXPECT_TRUE(msgs.allAnswered());
}

TEST_F(PrintReportTest, ReceiptPreviewGoesToTheReceiptWrapper) {
  Job(41, quorv::otPreview);
  quorv::PrintReport();
  ASSERT_EQ(env_.previews().size(), 1u);
  EXPECT_EQ(env_.previews()[0].FormNumber, 41);
  EXPECT_EQ(env_.previews()[0].Caption, QStringLiteral("Empfangsbekenntnis: Anna Muster  [Seite: 1 von 1]"));
}

TEST_F(PrintReportTest, PublisherMessageComesBeforeTheConfirmation) {
  quorv::PrintOptions.PaperPublisher = 2;
  quorv::PrintOptions.ArmsPosition = 1;
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(QStringLiteral("Die gewählte Wappenposition ist derzeit nicht verfügbar!"), MsgKind::Error);
  msgs.expect(Confirmation(17), MsgKind::Confirmation, MsgResult::No);
  Job(17, quorv::otPrinterPage);
  quorv::PrintReport();
  EXPECT_TRUE(msgs.allAnswered());
}

// ---- once per job: form file and data check -------------------------------------------------

TEST_F(PrintReportTest, FormFileMessagesComeOncePerJobBeforeOutputAndNeverWhilePainting) {
  // A form file whose field numbers are out of step: the warning is the form file's message.
  QByteArray text = quorv::FormFileText(Description(15), testsupport::EveryFieldTable());
  text.replace("\r\n5\r\n", "\r\n99\r\n");
  env_.dir().writeFile(env_.dir().programDir() + QStringLiteral("Anl015.FST"), text);

  int paints = 0;
  env_.recordPreview([&paints] {
    // The preview paints each page several times.
    for (int i = 0; i < 3; ++i) {
      platform::RecordingCanvas canvas;
      quorv::PrintRegionalReportPage(canvas, ReportJob.Pupil);
      EXPECT_FALSE(canvas.ops().empty());
      ++paints;
    }
  });
  {
    testsupport::ScriptedMessages msgs;
    msgs.expect(kOutOfStep, MsgKind::Error);
    Job(15, quorv::otPreview);
    quorv::PrintReport();
    EXPECT_TRUE(msgs.allAnswered());
  }
  EXPECT_EQ(paints, 6);
  {
    // A new job shows it again, once, before its first page goes out.
    quorv::PrintOptions.OnlyNecessaryDialogs = 1;
    testsupport::ScriptedMessages msgs;
    msgs.expect(kOutOfStep, MsgKind::Error);
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    msgs.expect(PageQuestion(2, 2), MsgKind::Confirmation, MsgResult::Yes);
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    Job(15, quorv::otPrinterPage, 0);
    quorv::PrintReport();
    EXPECT_TRUE(msgs.allAnswered());
  }
}

// Within a job, a form file that loaded without a message is not read again
// when the job comes back to it; one that warns is read, and warns, again.
TEST_F(PrintReportTest, AJobKeepsQuietFormFilesAndWarnsAgainForOutOfStepOnes) {
  QByteArray text = quorv::FormFileText(Description(15), testsupport::EveryFieldTable());
  text.replace("\r\n5\r\n", "\r\n99\r\n");
  env_.dir().writeFile(env_.dir().programDir() + QStringLiteral("Anl015.FST"), text);
  const QString quiet = QStringLiteral("Anl016.FST");
  quorv::StartNewJob();
  testsupport::ScriptedMessages msgs;
  const quorv::TFormFieldTable fields = quorv::LoadJobFormFile(quiet, Description(16)).Fields;
  ASSERT_TRUE(QFile::remove(env_.dir().programDir() + quiet));
  for (int round = 0; round < 2; ++round) {
    msgs.expect(kOutOfStep, MsgKind::Error);
    EXPECT_TRUE(quorv::LoadJobFormFile(QStringLiteral("Anl015.FST"), Description(15)).printable());
    const quorv::ResolvedFormFile& again = quorv::LoadJobFormFile(quiet, Description(16));
    EXPECT_TRUE(again.printable());
    EXPECT_EQ(std::memcmp(again.Fields.data(), fields.data(), sizeof fields), 0);
  }
  EXPECT_TRUE(msgs.allAnswered());
}

TEST_F(PrintReportTest, MissingFormFileIsAskedForOnceAndNoLeavesThePagesEmpty) {
  QFile::remove(env_.dir().programDir() + QStringLiteral("Anl016.FST"));
  int paints = 0;
  env_.recordPreview([&paints] {
    platform::RecordingCanvas canvas;
    quorv::PrintRegionalReportPage(canvas, ReportJob.Pupil);
    EXPECT_TRUE(canvas.ops().empty());
    ++paints;
  });
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(QStringLiteral("Es konnte die benötigte Formular-Datei:\rAnl016.FST  nicht gefunden werden!"),
                    MsgKind::Confirmation, MsgResult::No);
  Job(16, quorv::otPreview);
  quorv::PrintReport();
  EXPECT_TRUE(msgs.allAnswered());
  EXPECT_EQ(paints, 2);
}

// ---- the wrapper pattern ------------------------------------------------------------------------

struct PageCall {
  int Page;
  platform::MapMode Mapping;
};
std::vector<PageCall> g_pageCalls;
int g_checks = 0;
bool g_checkAnswer = true;

void RecordingPage(platform::Canvas& canvas, const quorv::TPupilRecord&) {
  g_pageCalls.push_back({ReportJob.CurrentPage, canvas.state().Mapping});
  canvas.MoveTo(100, -100);
  canvas.LineTo(500, -100);
}

bool CountingCheck(const quorv::TReportJob& job) {
  ++g_checks;
  EXPECT_EQ(&job, &ReportJob);
  if (!g_checkAnswer) platform::ShowMessage(QStringLiteral("Daten fehlen"), MsgKind::Error);
  return g_checkAnswer;
}

const quorv::TOutputWrapper kTwoPageWrapper{"Test-Zeugnis: ", nullptr, RecordingPage, quorv::otPrinterReport, nullptr};
const quorv::TOutputWrapper kOnePageWrapper{"Test-Zeugnis: ", nullptr, RecordingPage, quorv::otPrinterPage, nullptr};
const quorv::TOutputWrapper kCheckedWrapper{"Test-Zeugnis: ", nullptr, RecordingPage, quorv::otPrinterReport,
                                            CountingCheck};

class OutputWrapperTest : public PrintReportTest {
 protected:
  OutputWrapperTest() {
    g_pageCalls.clear();
    g_checks = 0;
    g_checkAnswer = true;
  }
};

TEST_F(OutputWrapperTest, UnknownTargetIsReportedAndNothingIsDrawn) {
  struct Case {
    const quorv::TOutputWrapper* Wrapper;
    int Target;
  };
  const Case cases[] = {{&kTwoPageWrapper, 0}, {&kTwoPageWrapper, 4}, {&kOnePageWrapper, 3}, {&kCheckedWrapper, 7}};
  for (const Case& c : cases) {
    testsupport::ScriptedMessages msgs;
    msgs.expect(QStringLiteral("interner Fehler!\rAusgabeziel nicht eindeutig!"), MsgKind::Information);
    Job(15, c.Target);
    quorv::RunOutputWrapper(*c.Wrapper);
    EXPECT_TRUE(msgs.allAnswered());
  }
  EXPECT_TRUE(g_pageCalls.empty());
  EXPECT_EQ(g_checks, 0);
  EXPECT_TRUE(env_.previews().empty());
}

TEST_F(OutputWrapperTest, OnePageTargetPrintsTheCurrentPageInTenthsOfMillimetres) {
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(kPdfNotice, MsgKind::Information);
  Job(15, quorv::otPrinterPage);
  ReportJob.CurrentPage = 2;
  quorv::RunOutputWrapper(kTwoPageWrapper);
  ASSERT_EQ(g_pageCalls.size(), 1u);
  EXPECT_EQ(g_pageCalls[0].Page, 2);
  EXPECT_EQ(g_pageCalls[0].Mapping, platform::MapMode::LoMetric);
  const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
  ASSERT_EQ(files.size(), 1);
  EXPECT_EQ(QFileInfo(files[0]).fileName(), QStringLiteral("Test-Zeugnis - Anna Muster.pdf"));
  EXPECT_EQ(QFileInfo(files[0]).path() + QLatin1Char('/'), env_.dir().dataDir());
}

TEST_F(OutputWrapperTest, WholeReportTargetPrintsFirstToLastPageWithANewSheetBetween) {
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(kPdfNotice, MsgKind::Information);
  Job(15, quorv::otPrinterReport);
  ReportJob.CurrentPage = 0;
  ReportJob.FirstPage = 1;
  ReportJob.LastPage = 2;
  quorv::RunOutputWrapper(kTwoPageWrapper);
  ASSERT_EQ(g_pageCalls.size(), 2u);
  EXPECT_EQ(g_pageCalls[0].Page, 1);
  EXPECT_EQ(g_pageCalls[1].Page, 2);
  const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
  ASSERT_EQ(files.size(), 1);
  if (testsupport::HavePdfInfo()) {
    const testsupport::PdfInfo info = testsupport::ReadPdfInfo(files[0]);
    EXPECT_EQ(info.Pages, 2);
    EXPECT_EQ(info.Title, QStringLiteral("Test-Zeugnis: Anna Muster"));
  }
}

TEST_F(OutputWrapperTest, PreviewTargetShowsThePreviewAndDrawsNothingItself) {
  Job(15, quorv::otPreview);
  quorv::RunOutputWrapper(kTwoPageWrapper);
  EXPECT_EQ(env_.previews().size(), 1u);
  EXPECT_TRUE(g_pageCalls.empty());
}

TEST_F(OutputWrapperTest, RefusingCheckRunsOncePerJobBeforeAnyOutput) {
  g_checkAnswer = false;
  {
    testsupport::ScriptedMessages msgs;
    msgs.expect(QStringLiteral("Daten fehlen"), MsgKind::Error);
    Job(15, quorv::otPreview);
    for (int page = 1; page <= 2; ++page) {
      ReportJob.CurrentPage = static_cast<std::uint16_t>(page);
      quorv::RunOutputWrapper(kCheckedWrapper);
    }
    ReportJob.OutputTarget = quorv::otPrinterPage;
    quorv::RunOutputWrapper(kCheckedWrapper);
    EXPECT_TRUE(msgs.allAnswered());
  }
  EXPECT_EQ(g_checks, 1);
  EXPECT_TRUE(env_.previews().empty());
  EXPECT_TRUE(g_pageCalls.empty());
  // A new job checks again.
  testsupport::ScriptedMessages msgs;
  msgs.expect(QStringLiteral("Daten fehlen"), MsgKind::Error);
  quorv::StartNewJob();
  quorv::RunOutputWrapper(kCheckedWrapper);
  EXPECT_EQ(g_checks, 2);
}

TEST_F(OutputWrapperTest, PassingCheckLetsEveryTargetThrough) {
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(kPdfNotice, MsgKind::Information);
  Job(15, quorv::otPreview);
  quorv::RunOutputWrapper(kCheckedWrapper);
  ReportJob.OutputTarget = quorv::otPrinterPage;
  quorv::RunOutputWrapper(kCheckedWrapper);
  EXPECT_EQ(g_checks, 1);
  EXPECT_EQ(env_.previews().size(), 1u);
  EXPECT_EQ(g_pageCalls.size(), 1u);
}

TEST(DocumentTitles, TitleTextFollowedByThePupilsName) {
  testsupport::LayoutEnvironment env;
  quorv::ClearReportJob();
  ReportJob.Pupil = testsupport::TestPupil();
  struct Case {
    const quorv::TOutputWrapper* Wrapper;
    int HalfYear;
    int Target;
    int Page;
    const char* Title;
  };
  const Case cases[] = {
      {&quorv::kRegionalReport, 1, 2, 1, "Halbjahres-Zeugnis: Anna Muster"},
      {&quorv::kRegionalReport, 0, 3, 0, "Jahres-Zeugnis: Anna Muster"},
      {&quorv::kGymnasiumTransferReport, 0, 2, 2, "Übergangs-Zeugnis (Seite: 2/2): Anna Muster"},
      {&quorv::kGymnasiumTransferReport, 0, 3, 1, "Übergangs-Zeugnis: Anna Muster"},
      {&quorv::kGymnasiumTransferReport, 0, 1, 1, "Übergangs-Zeugnis: Anna Muster"},
      {&quorv::kHauptschuleQualifiedFinalReport, 0, 2, 1, "Abschluss-Zeugnis (qual. Hauptschulabschluss)Anna Muster"},
      {&quorv::kRealschuleQualifiedFinalReport, 0, 2, 1, "Abschluss-Zeugnis (qual. Realschulabschluss)Anna Muster"},
  };
  for (const Case& c : cases) {
    ReportJob.Pupil.HalfYear = static_cast<std::uint16_t>(c.HalfYear);
    ReportJob.OutputTarget = static_cast<std::uint16_t>(c.Target);
    ReportJob.CurrentPage = static_cast<std::uint16_t>(c.Page);
    EXPECT_EQ(quorv::DocumentTitle(*c.Wrapper, ReportJob), QString::fromUtf8(c.Title));
  }
}

TEST(PreviewService, InstalledServiceIsRunAndNoneIsReported) {
  testsupport::LayoutEnvironment env;
  EXPECT_FALSE(quorv::ShowPreview());
  int shown = 0;
  const quorv::TPreviewService previous = quorv::SetPreviewService([&shown] { ++shown; });
  EXPECT_FALSE(previous);
  EXPECT_TRUE(quorv::ShowPreview());
  EXPECT_EQ(shown, 1);
}

TEST(PageRoutines, PreviewTableCoversEveryDispatchedFormAndTheReceiptNumbers) {
  for (const ExpectedForm& f : kForms) {
    if (f.Form == 43) {
      EXPECT_EQ(quorv::PageRoutineOfForm(43), nullptr);
      continue;
    }
    EXPECT_NE(quorv::PageRoutineOfForm(f.Form), nullptr) << f.Form;
  }
  EXPECT_EQ(quorv::PageRoutineOfForm(141), quorv::PrintReceipt);
  EXPECT_EQ(quorv::PageRoutineOfForm(41), quorv::PrintReceipt);
  EXPECT_EQ(quorv::PageRoutineOfForm(15), quorv::PrintRegionalReportPage);
  EXPECT_EQ(quorv::PageRoutineOfForm(0), nullptr);
  EXPECT_EQ(quorv::PageRoutineOfForm(30), nullptr);
}

// ---- texts their blocks could not print whole ------------------------------------------------

// A print command names each cut text once after it ends, with what its last
// drawing left out, for a PDF file as for a printer; the next command starts
// with none.
TEST(CutTextWatch, EachCommandNamesEachCutTextOnceWithItsLastCount) {
  using quorv::TCutText;
  using quorv::TRecordText;
  const TCutText anna2{1, QStringLiteral("Muster, Anna"), TRecordText::Development, 2, {}};
  const TCutText anna5{1, QStringLiteral("Muster, Anna"), TRecordText::Development, 5, {}};
  const TCutText annaRemarks{1, QStringLiteral("Muster, Anna"), TRecordText::Remarks, 1, {}};
  const TCutText ben{2, QStringLiteral("Muster, Ben"), TRecordText::Development, 1, {}};
  const QString heading = QStringLiteral("Nicht alle Zeilen passten auf den Ausdruck:\r");
  const QString annaDev = QStringLiteral("Muster, Anna: Lernentwicklungsbericht – %1 Zeilen fehlen");
  const struct {
    const char* What;
    bool OnPrinter;
    std::vector<std::vector<TCutText>> Documents;  // the cuts each document's drawing reported
    QString Named;  // "": no message
  } cases[] = {
      {"drawn twice in one document", false, {{anna2, anna5}},
       heading + annaDev.arg(5) + QStringLiteral("\r\rBitte kürzen Sie diesen Text.")},
      {"cut again in the next document", true, {{anna5}, {anna2}},
       heading + annaDev.arg(2) + QStringLiteral("\r\rBitte kürzen Sie diesen Text.")},
      {"two texts, two pupils", true, {{anna5, annaRemarks}, {ben}},
       heading + annaDev.arg(5) + QStringLiteral("\rMuster, Anna: Vermerke – 1 Zeile fehlt\r") +
           QStringLiteral("Muster, Ben: Lernentwicklungsbericht – 1 Zeile fehlt\r\rBitte kürzen Sie diese Texte.")},
      {"the next command", false, {{}}, {}},
  };
  testsupport::LayoutEnvironment env;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    std::optional<testsupport::PrinterDouble> service;
    if (c.OnPrinter) service.emplace();
    platform::Printer().SetDestination(c.OnPrinter ? platform::PrintDestination::Auto
                                                   : platform::PrintDestination::PdfFile);
    testsupport::ScriptedMessages msgs;
    if (!c.OnPrinter) msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    if (!c.Named.isEmpty()) msgs.expect(c.Named, MsgKind::Warning);
    {
      quorv::TCutTextWatch watch;
      platform::PrinterJob job;
      for (const std::vector<TCutText>& cuts : c.Documents) {
        ASSERT_TRUE(quorv::BeginReportDocument(QStringLiteral("Zeugnis")));
        for (const TCutText& cut : cuts) quorv::ReportCutText(cut);
        quorv::EndReportDocument();
      }
    }
    EXPECT_TRUE(msgs.allAnswered());
  }
  platform::Printer().SetDestination(platform::PrintDestination::PdfFile);
}

}  // namespace
