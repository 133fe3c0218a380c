#include "mainwindow/MainPrintCommands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QToolButton>
#include <cstring>
#include <optional>
#include <set>
#include <stdexcept>

#include "layouts/CommittedFormFiles.h"
#include "layouts/LayoutTestSupport.h"
#include "layouts/PdfText.h"
#include "layouts/PrintJob.h"
#include "layouts/ReceiptLayouts.h"
#include "mainwindow/MainFormFixture.h"
#include "platform/PrinterDocument.h"
#include "printengine/TestSheet.h"
#include "records/TextWrap.h"
#include "support/FileFaults.h"
#include "support/FixedPrinter.h"
#include "support/PrinterDouble.h"
#include "support/ProgramState.h"
#include "support/ScriptedMessages.h"

using platform::MsgKind;
using platform::MsgResult;
using quorv::PrintOptions;
using quorv::ReportJob;
using testsupport::kMissingFormFileQuestion;
using testsupport::kPdfNotice;
using testsupport::kUnknownForm;

namespace {

const QString kRefused = QStringLiteral("Der Ausdruck konnte nicht begonnen werden:\r");

// After a class print of reports: the pupils it passed over for want of a form.
const QString kWithoutForm = QStringLiteral(
    "Für diese Schüler wurde kein Zeugnis gedruckt, weil ihr Zeugnisformular noch nicht festgelegt ist:\r");

// One record of a test class.
struct Row {
  const char* Surname;
  int Active;
  int Skip;
  std::int32_t Form;
};

// A class with every kind of record a batch meets.
const Row kClass[] = {
    {"Adler", 1, 0, 15},         // 0
    {"Bauer", 0, 0, 15},         // 1 deleted
    {"Claus", 1, 1, 15},         // 2 skipped by the reports batch only
    {"Dorn", 1, 0, 0},           // 3 no form yet
    {"???", 0, 0, 15},           // 4 deleted placeholder: does not end a batch
    {"Eck", 1, 0, 41},           // 5 the Förderschule's leaving report: no layout
    {"  - - -", 1, 1, 15},       // 6 skip-flagged placeholder: ends all batches but the reports
    {"Fink", 1, 0, 65535},       // 7 -1 cut to 16 bits
    {"Gans", 1, 0, -1},          // 8 never shown
    {"Hahn", 1, 0, 16},          // 9
    {"", 1, 0, 15},              // 10 placeholder: ends every batch
    {"Igel", 1, 0, 15},          // 11 behind the end
};

QString NameOf(int i) { return QStringLiteral("Kind ") + QString::fromUtf8(kClass[i].Surname); }

// The first page of the file on which each surname stands (0: none).
std::vector<int> FirstPages(const QString& file, const std::vector<const char*>& surnames) {
  const std::vector<testsupport::PdfWord> words = testsupport::PdfWords(file);
  std::vector<int> pages;
  for (const char* surname : surnames) {
    const testsupport::PdfWord* w = testsupport::FindPdfWord(words, QString::fromUtf8(surname));
    pages.push_back(w == nullptr ? 0 : w->Page);
  }
  return pages;
}

// The class, the print job and the print options are put back after each test.
class PrintCommands : public ::testing::Test {
 protected:
  PrintCommands() : printer_(platform::DeviceCaps{}) {
    env_.writeAllReportFormFiles(testsupport::EveryFieldTable());
    for (const formfiles::ShippedFormFile& f : formfiles::ReceiptFormFiles())
      env_.writeFormFile(f.FileName, f.Title, f.Fields);
    env_.recordPreview();
    SetClass(0);
  }

  void SetClass(int current) {
    quorv::Pupils.clear();
    for (const Row& r : kClass) {
      quorv::TPupilRecord p = testsupport::TestPupil();
      p.FirstName.setText(QStringLiteral("Kind"));
      p.Surname.setText(QString::fromUtf8(r.Surname));
      p.Active = static_cast<std::uint16_t>(r.Active);
      p.SkipInBatch = static_cast<std::uint16_t>(r.Skip);
      p.FormNumber = r.Form;
      quorv::Pupils.push_back(p);
    }
    quorv::PupilCount = static_cast<int>(quorv::Pupils.size());
    quorv::CurrentPupil = current;
  }

  static QString Confirmation(int form, const QString& name) {
    return QStringLiteral("Soll jetzt das ") + quorv::LookupFormFile(form, 0, 0, 1).Description +
           QStringLiteral("\rfür: ") + name + QStringLiteral("\rgedruckt werden?");
  }

  // After every command: nothing left open, nothing left changed.
  void ExpectNothingLeft() const {
    EXPECT_FALSE(platform::Printer().Printing());
    EXPECT_EQ(PrintOptions.TopMargin, 150);
    EXPECT_EQ(quorv::PrintBatchState, 0);
  }

  testsupport::SavedProgramState state_;
  testsupport::LayoutEnvironment env_;
  testsupport::FixedPrinter printer_;
};

// ---- which pupils a batch handles ----------------------------------------------------------

TEST_F(PrintCommands, BatchesStartAtTheCurrentPupilAndEndAtTheFirstLivePlaceholder) {
  const struct {
    int Current;
    bool PassOverSkipped;
    std::vector<int> Pupils;
  } cases[] = {
      {0, true, {0, 3, 5, 7, 8, 9}},
      {0, false, {0, 2, 3, 5}},
      {2, true, {3, 5, 7, 8, 9}},
      {6, false, {}},        // started on a placeholder
      {6, true, {7, 8, 9}},  // a skip-flagged placeholder is passed over first
      {10, true, {}},
      {11, true, {11}},      // the last pupil
      {11, false, {11}},
      {12, true, {}},        // beyond the class
      {-1, false, {0, 2, 3, 5}},
  };
  for (const auto& c : cases) {
    quorv::CurrentPupil = c.Current;
    EXPECT_EQ(quorv::BatchPupils(c.PassOverSkipped), c.Pupils) << c.Current << "/" << c.PassOverSkipped;
  }
}

// ---- reports --------------------------------------------------------------------------------

TEST_F(PrintCommands, ReportsBatchAsksForEveryPupilWithALayoutAndPassesOverTheOthers) {
  PrintOptions.DuplexNoDialogs = 1;  // whole reports, no page questions
  testsupport::ScriptedMessages msgs;
  msgs.expect(Confirmation(15, NameOf(0)), MsgKind::Confirmation, MsgResult::Yes);
  // Claus is skipped; Dorn and Gans have no form yet, Eck and Fink one without a layout.
  msgs.expect(Confirmation(16, NameOf(9)), MsgKind::Confirmation, MsgResult::No);
  msgs.expectPrefix(kPdfNotice, MsgKind::Information);
  msgs.expectPrefix(kWithoutForm + QStringLiteral("Dorn, Kind\rGans, Kind\r\r"), MsgKind::Warning);
  quorv::PrintReportsFromCurrentPupil();
  EXPECT_TRUE(msgs.allAnswered());
  const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
  ASSERT_EQ(files.size(), 1);
  EXPECT_EQ(QFileInfo(files[0]).fileName(), QStringLiteral("Klasse 7a - Zeugnisse.pdf"));
  EXPECT_TRUE(msgs.shown().rbegin()[1].text.endsWith(QStringLiteral("\r2 Seiten")));
  if (testsupport::HavePdfInfo()) {
    EXPECT_EQ(testsupport::ReadPdfInfo(files[0]).Pages, 2);
  }
  EXPECT_TRUE(env_.previews().empty());
  ExpectNothingLeft();
}

TEST_F(PrintCommands, ReportCommandsPrintOnlyARealFormOfThePupil) {
  struct Case {
    int Pupil;
    const QString* Message;  // nullptr: the confirmation
  } const cases[] = {{3, &quorv::kNoReportFormMessage}, {5, &kUnknownForm}, {7, &kUnknownForm}, {8, &kUnknownForm}};
  for (const Case& c : cases) {
    quorv::CurrentPupil = c.Pupil;
    for (auto command : {quorv::PrintCurrentPupilReport, quorv::PreviewCurrentPupilReport}) {
      testsupport::ScriptedMessages msgs;
      msgs.expect(*c.Message, MsgKind::Error);
      command();
      EXPECT_TRUE(msgs.allAnswered()) << c.Pupil;
    }
  }
  // A pupil with form 41 gets no receipt from a report command.
  EXPECT_TRUE(env_.previews().empty());
  EXPECT_TRUE(QDir(quorv::DataDir).entryList({QStringLiteral("*.pdf")}).isEmpty());
  ExpectNothingLeft();
}

TEST_F(PrintCommands, ReportOfTheCurrentPupilAsksFirstOnTheTargetOfTheDuplexOption) {
  quorv::CurrentPupil = 9;
  for (int duplex : {0, 1}) {
    PrintOptions.DuplexNoDialogs = static_cast<std::uint16_t>(duplex);
    ReportJob.AskFirst = 0;
    testsupport::ScriptedMessages msgs;
    msgs.expect(Confirmation(16, NameOf(9)), MsgKind::Confirmation, MsgResult::No);
    quorv::PrintCurrentPupilReport();
    EXPECT_TRUE(msgs.allAnswered());
    EXPECT_EQ(ReportJob.OutputTarget, duplex == 1 ? quorv::otPrinterReport : quorv::otPrinterPage);
    EXPECT_EQ(ReportJob.AskFirst, 1);
    EXPECT_EQ(ReportJob.FormNumber, 16);
    EXPECT_EQ(std::memcmp(&ReportJob.Pupil, &quorv::Pupils[9], sizeof(quorv::TPupilRecord)), 0);
  }
}

TEST_F(PrintCommands, PreviewsShowTheStoredRecordWithoutClearingTheJob) {
  quorv::CurrentPupil = 9;
  ReportJob.AskFirst = 0;
  quorv::PreviewCurrentPupilReport();
  ASSERT_EQ(env_.previews().size(), 2u);
  EXPECT_EQ(env_.previews()[0].FormNumber, 16);
  EXPECT_EQ(env_.previews()[1].Caption, QStringLiteral("Übergangszeugnis: Kind Hahn  [Seite: 2 von 2]"));
  EXPECT_EQ(ReportJob.AskFirst, 0);

  quorv::CurrentPupil = 5;  // the receipt's preview whatever the form
  quorv::PreviewCurrentPupilReceipt();
  ASSERT_EQ(env_.previews().size(), 3u);
  EXPECT_EQ(env_.previews()[2].FormNumber, quorv::kReceiptJob);
  EXPECT_EQ(env_.previews()[2].OutputTarget, quorv::otPreview);
  EXPECT_EQ(env_.previews()[2].Caption, QStringLiteral("Empfangsbekenntnis: Kind Eck  [Seite: 1 von 1]"));
  EXPECT_EQ(std::memcmp(&ReportJob.Pupil, &quorv::Pupils[5], sizeof(quorv::TPupilRecord)), 0);
  EXPECT_EQ(ReportJob.AskFirst, 0);
}

// ---- receipts -----------------------------------------------------------------------------------

// The receipt of pupil 0 by the options: one file, its pages and where the
// second receipt of a sheet lies.
TEST_F(PrintCommands, ReceiptWithItsCopyOnHalfSheetsOrOnASecondSheet) {
  const struct {
    int A5;
    int Copy;
    int Pages;
  } cases[] = {{1, 1, 1}, {0, 1, 2}, {1, 0, 1}, {0, 0, 1}};
  for (const auto& c : cases) {
    PrintOptions.ReceiptA5 = static_cast<std::uint16_t>(c.A5);
    PrintOptions.ReceiptCopy = static_cast<std::uint16_t>(c.Copy);
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    quorv::PrintCurrentPupilReceipt();
    EXPECT_TRUE(msgs.allAnswered()) << c.A5 << "/" << c.Copy;
    EXPECT_EQ(ReportJob.FormNumber, quorv::kSingleReceiptJob);
    const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(QFileInfo(files[0]).fileName().startsWith(QStringLiteral("Empfangsbekenntnis - Kind Adler")));
    if (testsupport::HavePdfInfo()) {
      const testsupport::PdfInfo info = testsupport::ReadPdfInfo(files[0]);
      EXPECT_EQ(info.Pages, c.Pages);
      EXPECT_EQ(info.Title, QStringLiteral("Empfangsbekenntnis: Kind Adler"));
    }
    if (testsupport::HavePdfText()) {
      std::vector<testsupport::PdfWord> headings;
      for (const testsupport::PdfWord& w : testsupport::PdfWords(files[0]))
        if (w.Text == QLatin1String("Empfangsbekenntnis")) headings.push_back(w);
      ASSERT_EQ(headings.size(), c.Copy == 1 ? 2u : 1u);
      if (c.Copy == 1) {
        // On a half sheet the copy lies in the lower half; on A4 on the next sheet at the same place.
        EXPECT_EQ(headings[1].Page, c.A5 == 1 ? 1 : 2);
        EXPECT_NEAR(headings[1].Box.Top - headings[0].Box.Top, c.A5 == 1 ? quorv::kHalfSheetOffset : 0, 1.0);
      }
    }
    ExpectNothingLeft();
  }
}

TEST_F(PrintCommands, ReceiptsBatchPrintsEveryLivePupilUpToThePlaceholderIntoOneFile) {
  PrintOptions.ReceiptA5 = 1;
  PrintOptions.ReceiptCopy = 1;
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(kPdfNotice, MsgKind::Information);
  quorv::PrintReceiptsFromCurrentPupil();
  EXPECT_TRUE(msgs.allAnswered());
  const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
  ASSERT_EQ(files.size(), 1);
  EXPECT_EQ(QFileInfo(files[0]).fileName(), QStringLiteral("Klasse 7a - Empfangsbekenntnisse.pdf"));
  EXPECT_EQ(platform::Printer().PageCount(), 4);
  EXPECT_EQ(ReportJob.FormNumber, quorv::kReceiptJob);
  ExpectNothingLeft();
  // The skipped pupil gets one, the one without a form too: one sheet each, in class order.
  if (testsupport::HavePdfText()) {
    EXPECT_EQ(FirstPages(files[0], {"Adler", "Claus", "Dorn", "Eck"}), (std::vector<int>{1, 2, 3, 4}));
  }
}

TEST_F(PrintCommands, ReceiptWithoutItsFormFileStillEndsItsDocument) {
  PrintOptions.ReceiptA5 = 1;
  PrintOptions.ReceiptCopy = 1;
  QFile::remove(quorv::ProgramDir + quorv::kReceiptA5FormFile);
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(kMissingFormFileQuestion + quorv::kReceiptA5FormFile, MsgKind::Confirmation, MsgResult::No);
  msgs.expectPrefix(kPdfNotice, MsgKind::Information);
  quorv::PrintCurrentPupilReceipt();
  EXPECT_TRUE(msgs.allAnswered());
  EXPECT_EQ(platform::Printer().PageCount(), 1);
  ExpectNothingLeft();
}

// ---- texts that do not fit their blocks -------------------------------------------------------

// After each print command one message names every pupil and text whose lines
// were left out, and a word that no line holds; the blocks of the test forms
// hold 4 and 2 lines of 40 characters.
TEST_F(PrintCommands, TextsCutByTheirBlocksAreNamedOnceAfterTheCommand) {
  PrintOptions.DuplexNoDialogs = 1;
  PrintOptions.ConferencePrint = 0;
  QString fortyLines;
  for (int i = 1; i <= 40; ++i) fortyLines += QStringLiteral("Zeile %1\r\n").arg(i);
  quorv::WideStringToBuffer(fortyLines, quorv::Pupils[0].DevelopmentText);
  quorv::WideStringToBuffer(QStringLiteral("Eins\r\nZwei\r\nDrei\r\nDonaudampfschifffahrtsgesellschaftskapitän"),
                            quorv::Pupils[9].RemarksText);
  const int learningLines = formfiles::LearningReportFormTable()[quorv::lfTextParams].X;
  const QString adler = QStringLiteral("Adler, Kind: Lernentwicklungsbericht – 36 Zeilen fehlen");
  const QString adlerLearning =
      QStringLiteral("Adler, Kind: Lernentwicklungsbericht – %1 Zeilen fehlen").arg(40 - learningLines);
  const QString hahn = QStringLiteral(
      "Hahn, Kind: Vermerke – 1 Zeile fehlt, das Wort „Donaudampfschifffahrtsgesellsc…“ passt in keine Zeile, der "
      "Text fehlt ab diesem Wort (1 Wort)");
  const struct {
    void (*Command)();
    std::vector<int> Confirmed;
    QStringList Cut;
  } cases[] = {
      {quorv::PrintCurrentPupilReport, {0}, {adler}},
      {quorv::PrintReportsFromCurrentPupil, {0, 9}, {adler, hahn}},
      {quorv::PrintCurrentPupilLearningReport, {}, {adlerLearning}},
      {quorv::PrintLearningReportsFromCurrentPupil, {}, {adlerLearning}},
  };
  for (const auto& c : cases) {
    testsupport::ScriptedMessages msgs;
    for (const int i : c.Confirmed)
      msgs.expect(Confirmation(kClass[i].Form, NameOf(i)), MsgKind::Confirmation, MsgResult::Yes);
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    msgs.expect(QStringLiteral("Nicht alle Zeilen passten auf den Ausdruck:\r") + c.Cut.join(QLatin1Char('\r')) +
                    (c.Cut.size() == 1 ? QStringLiteral("\r\rBitte kürzen Sie diesen Text.")
                                       : QStringLiteral("\r\rBitte kürzen Sie diese Texte.")),
                MsgKind::Warning);
    if (c.Command == quorv::PrintReportsFromCurrentPupil) msgs.expectPrefix(kWithoutForm, MsgKind::Warning);
    c.Command();
    EXPECT_TRUE(msgs.allAnswered()) << c.Cut.join(QLatin1Char(' ')).toStdString();
  }
}

// ---- learning-development reports ------------------------------------------------------------

TEST_F(PrintCommands, LearningReportOfTheCurrentPupilIsOneDocumentOfOnePage) {
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(kPdfNotice, MsgKind::Information);
  quorv::PrintCurrentPupilLearningReport();
  EXPECT_TRUE(msgs.allAnswered());
  EXPECT_EQ(platform::Printer().PageCount(), 1);
  EXPECT_EQ(ReportJob.FormNumber, quorv::kLearningReportJob);
  ExpectNothingLeft();
}

// Where each pupil's name lies in the batch's document: page, and the top of
// the name on the sheet.
struct NamePlace {
  int Pupil;
  int Page;
  bool Lower;
};

TEST_F(PrintCommands, LearningReportsBatchFillsSheetsTwoByTwoOrOneByOneForTheConference) {
  const auto nameTop = formfiles::LearningReportFormTable()[quorv::lfName];
  const struct {
    int Current;
    int Conference;
    int Pages;
    std::vector<NamePlace> Places;
  } cases[] = {
      {0, 0, 2, {{0, 1, false}, {2, 1, true}, {3, 2, false}, {5, 2, true}}},
      {2, 0, 2, {{2, 1, false}, {3, 1, true}, {5, 2, false}}},
      {2, 1, 3, {{2, 1, false}, {3, 2, false}, {5, 3, false}}},
      {11, 0, 1, {{11, 1, false}}},
  };
  for (const auto& c : cases) {
    quorv::CurrentPupil = c.Current;
    PrintOptions.ConferencePrint = static_cast<std::uint16_t>(c.Conference);
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    quorv::PrintLearningReportsFromCurrentPupil();
    EXPECT_TRUE(msgs.allAnswered());
    const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(platform::Printer().PageCount(), c.Pages) << c.Current << "/" << c.Conference;
    ExpectNothingLeft();
    if (!testsupport::HavePdfText()) continue;
    const std::vector<testsupport::PdfWord> words = testsupport::PdfWords(files[0]);
    for (const NamePlace& p : c.Places) {
      const QString surname = QString::fromUtf8(kClass[p.Pupil].Surname);
      const testsupport::PdfWord* w = testsupport::FindPdfWord(words, surname, p.Page);
      ASSERT_NE(w, nullptr) << surname.toStdString() << " on page " << p.Page;
      // The upper half at the top margin, the lower one at 148.5 mm.
      const double origin = p.Lower ? quorv::kHalfSheetOffset : 150;
      EXPECT_LT(w->Box.Top, origin + nameTop.Y) << surname.toStdString();
      EXPECT_GT(w->Box.Top, origin + nameTop.Y - 60) << surname.toStdString();
    }
  }
}

// A class print with nobody to print sends no document and says why.
TEST_F(PrintCommands, AClassPrintWithNobodyToPrintSaysWhy) {
  const QString notTakenOver = QStringLiteral(
      "Es wurde nichts gedruckt. Der Druck für alle folgenden Schüler endet beim ersten Schüler ohne Namen, und der "
      "angezeigte Schüler steht noch ohne Namen in der Klasse, weil seine Daten noch nicht übernommen sind.\r\r"
      "Geben Sie seinen Namen ein und klicken Sie auf „Daten übernehmen“.");
  const QString noneNamed =
      QStringLiteral("Es wurde nichts gedruckt: Ab dem angezeigten Schüler steht kein Schüler mit Namen in der Klasse.");
  const QString leftOut = QStringLiteral(
      "Es wurde nichts gedruckt: Alle Schüler ab dem angezeigten sind mit „beim Druck für ALLE auslassen“ vom Druck "
      "ausgenommen.");
  const struct {
    void (*Command)();
    int Current;
    bool LastLeftOut;  // Igel is marked "beim Druck für ALLE auslassen"
    const QString& Said;
  } cases[] = {
      {quorv::PrintLearningReportsFromCurrentPupil, 6, false, notTakenOver},
      {quorv::PrintReceiptsFromCurrentPupil, 10, false, notTakenOver},
      {quorv::PrintReportsFromCurrentPupil, 10, false, notTakenOver},
      {quorv::PrintReportsFromCurrentPupil, 12, false, noneNamed},
      {quorv::PrintReportsFromCurrentPupil, 11, true, leftOut},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Said.toStdString());
    SetClass(c.Current);
    quorv::Pupils[11].SkipInBatch = c.LastLeftOut ? 1 : 0;
    testsupport::ScriptedMessages msgs;
    msgs.expect(c.Said, MsgKind::Warning);
    c.Command();
    EXPECT_TRUE(msgs.allAnswered());
    EXPECT_TRUE(QDir(quorv::DataDir).entryList({QStringLiteral("*.pdf")}).isEmpty());
    ExpectNothingLeft();
  }
}

// ---- whatever fails ------------------------------------------------------------------------------

TEST_F(PrintCommands, RefusedDocumentsLeaveNothingOpenOrChanged) {
  // The PDF files cannot be written: every document is refused.
  quorv::DataDir = env_.dir().dataDir() + QStringLiteral("fehlt/");
  {
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(kRefused, MsgKind::Error);  // once for the whole command
    PrintOptions.ReceiptA5 = 1;
    PrintOptions.ReceiptCopy = 1;
    quorv::PrintCurrentPupilReceipt();
    EXPECT_TRUE(msgs.allAnswered());
    ExpectNothingLeft();
  }
  {
    quorv::CurrentPupil = 2;  // three reports: upper, lower, upper half
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(kRefused, MsgKind::Error);
    quorv::PrintLearningReportsFromCurrentPupil();
    EXPECT_TRUE(msgs.allAnswered());
    ExpectNothingLeft();
  }
  {
    // The batch ends there: Hahn is not asked for, nobody passed over is named.
    quorv::CurrentPupil = 0;
    PrintOptions.DuplexNoDialogs = 1;
    testsupport::ScriptedMessages msgs;
    msgs.expect(Confirmation(15, NameOf(0)), MsgKind::Confirmation, MsgResult::Yes);
    msgs.expectPrefix(kRefused, MsgKind::Error);
    quorv::PrintReportsFromCurrentPupil();
    EXPECT_TRUE(msgs.allAnswered());
    ExpectNothingLeft();
  }
}

// The texts cut by their blocks are named only after a print that was printed
// or saved. A document the printer did not take is kept in the command's PDF
// file, named after the pupil, or the class of a batch.
TEST_F(PrintCommands, CutTextsAreNamedOnlyForWhatWasPrintedOrSaved) {
  PrintOptions.DuplexNoDialogs = 1;
  QString fortyLines;
  for (int i = 1; i <= 40; ++i) fortyLines += QStringLiteral("Zeile %1\r\n").arg(i);
  quorv::WideStringToBuffer(fortyLines, quorv::Pupils[0].DevelopmentText);
  platform::Printer().SetChosenPrinter(QStringLiteral("Laser"));
  const QString silent = QStringLiteral("Der Druckdienst antwortet nicht.\r");
  const QString refused =
      QStringLiteral("Der Drucker \"Laser\" hat den Ausdruck \"Jahres-Zeugnis: Kind Adler\" nicht angenommen.\r");
  const struct {
    void (*Command)();
    std::optional<platform::Submission> Service;  // none: no printer
    QString Said;
    const char* Kept;  // the file kept, nullptr: the print failed
  } cases[] = {
      {quorv::PrintCurrentPupilReport, std::nullopt,
       QStringLiteral("Es ist kein Drucker eingerichtet.\rDie PDF-Datei konnte nicht geschrieben werden"), nullptr},
      {quorv::PrintCurrentPupilReport, platform::Submission::Refused, refused, "Jahres-Zeugnis - Kind Adler.pdf"},
      {quorv::PrintCurrentPupilReport, platform::Submission::NoAnswer, silent, "Jahres-Zeugnis - Kind Adler.pdf"},
      {quorv::PrintCurrentPupilLearningReport, platform::Submission::NoAnswer, silent,
       "Lernentwicklungsberichte - Kind Adler.pdf"},
      {quorv::PrintLearningReportsFromCurrentPupil, platform::Submission::NoAnswer,
       silent + QStringLiteral("\rIn der PDF-Datei steht:\rKind Adler\rKind Claus\rKind Dorn\rKind Eck\r\r"),
       "Klasse 7a - Lernentwicklungsberichte.pdf"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Kept != nullptr ? QString::fromUtf8(c.Kept).toStdString() : c.Said.toStdString());
    std::optional<testsupport::PrinterDouble> service;
    if (c.Service) service.emplace().submission = *c.Service;
    if (c.Service) platform::Printer().SetDestination(platform::PrintDestination::Auto);
    std::optional<testsupport::FileFaults> full;
    if (c.Service == std::nullopt) full.emplace(std::set<platform::FileStep>{platform::FileStep::Write});
    testsupport::ScriptedMessages msgs;
    if (c.Command == quorv::PrintCurrentPupilReport)
      msgs.expect(Confirmation(15, NameOf(0)), MsgKind::Confirmation, MsgResult::Yes);
    if (c.Kept == nullptr) msgs.expectPrefix(c.Said, MsgKind::Error);
    if (c.Kept != nullptr) {
      // Kept as PDF next to the file of the row before.
      QFile::remove(quorv::DataDir + c.Kept);
      msgs.expectPrefix(c.Said + QStringLiteral("Der Ausdruck wurde als PDF-Datei gespeichert:\r") + quorv::DataDir +
                            c.Kept,
                        MsgKind::Warning);
      msgs.expectPrefix(QStringLiteral("Nicht alle Zeilen passten"), MsgKind::Warning);
    }
    c.Command();
    platform::Printer().SetDestination(platform::PrintDestination::PdfFile);
    EXPECT_TRUE(msgs.allAnswered());
  }
  platform::Printer().SetChosenPrinter(QString());
}

// A message service that answers "No" to the first question to create a form
// file and throws at the second, as a failing platform would.
class ThrowingMessages : public platform::MessageService {
 public:
  ThrowingMessages() : previous_(platform::SetMessageService(this)) {}
  ~ThrowingMessages() override { platform::SetMessageService(previous_); }
  platform::MsgResult Show(const QString& text, platform::MsgKind, platform::MsgButtons) override {
    shown << text;
    if (text.startsWith(kMissingFormFileQuestion) && ++questions_ == 2) throw std::runtime_error("platform failure");
    return text.startsWith(kMissingFormFileQuestion) ? MsgResult::No : MsgResult::Ok;
  }
  QStringList shown;

 private:
  platform::MessageService* previous_;
  int questions_ = 0;
};

TEST_F(PrintCommands, AFailureInsideABatchEndsItsDocumentAndRestoresTheTopMargin) {
  QFile::remove(quorv::ProgramDir + quorv::kLearningReportFormFile);
  ThrowingMessages msgs;
  // The first report opens the sheet; the second fails with the top margin at 148.5 mm.
  EXPECT_THROW(quorv::PrintLearningReportsFromCurrentPupil(), std::runtime_error);
  ASSERT_EQ(msgs.shown.size(), 3);
  EXPECT_TRUE(msgs.shown[2].startsWith(kPdfNotice));
  ExpectNothingLeft();
}

TEST_F(PrintCommands, GuardPutsBackWhatARunChanged) {
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(kPdfNotice, MsgKind::Information);
  try {
    quorv::TPrintRunGuard guard;
    PrintOptions.TopMargin = 1485;
    quorv::PrintBatchState = 2;
    ASSERT_TRUE(quorv::BeginReportDocument(QStringLiteral("offen")));
    throw std::runtime_error("failure");
  } catch (const std::runtime_error&) {
  }
  EXPECT_TRUE(msgs.allAnswered());
  ExpectNothingLeft();

  // A document that was open before the run stays open.
  ASSERT_TRUE(quorv::BeginReportDocument(QStringLiteral("vorher")));
  { quorv::TPrintRunGuard guard; }
  EXPECT_TRUE(platform::Printer().Printing());
  msgs.expectPrefix(kPdfNotice, MsgKind::Information);
  quorv::EndReportDocument();
}

// ---- one file per command -----------------------------------------------------------------------

// A class of three pupils, all on the same report form.
class ClassPrintout : public PrintCommands {
 protected:
  void SetThree(std::int32_t form) {
    quorv::Pupils.clear();
    for (int i = 0; i < 3; ++i) {
      quorv::TPupilRecord p = testsupport::TestPupil();
      p.FirstName.setText(QStringLiteral("Kind"));
      p.Surname.setText(QString::fromUtf8(kSurnames[std::size_t(i)]));
      p.FormNumber = form;
      quorv::Pupils.push_back(p);
    }
    quorv::PupilCount = 3;
    quorv::CurrentPupil = 0;
    PrintOptions.DuplexNoDialogs = 1;
  }

  static QString Name(int i) { return QStringLiteral("Kind ") + QString::fromUtf8(kSurnames[std::size_t(i)]); }

  static int PdfFiles() { return static_cast<int>(QDir(quorv::DataDir).entryList({QStringLiteral("*.pdf")}).size()); }

  static inline const std::vector<const char*> kSurnames = {"Erste", "Zweiter", "Dritte"};
};

// The image objects of a PDF file, each counted once however often it is drawn
// (-1 without pdfimages).
int ImageObjects(const QString& file) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty()) return -1;
  QProcess p;
  p.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file});
  if (!p.waitForFinished(20000)) return -1;
  QSet<QString> objects;
  for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')).mid(2)) {
    const QStringList columns = line.simplified().split(QLatin1Char(' '));
    if (columns.size() > 11) objects.insert(columns[10] + QLatin1Char(' ') + columns[11]);
  }
  return objects.size();
}

// Without a printer a command writes one file of all it printed, pages in
// print order, also when the pages are printed one by one, and the coat of
// arms in it once; nothing printed, no file.
TEST_F(ClassPrintout, EachCommandWithoutAPrinterIsOneFileOfItsPagesInOrder) {
  const struct {
    void (*Command)();
    int Form;
    int Duplex;
    int OnlyNecessary;
    MsgResult Answer;
    int Asked;                    // pupils asked for
    std::vector<int> PagesAsked;  // for each of them
    const char* File;             // nullptr: none
    int Pages;
    std::vector<int> FirstPages;
    int Images;
    const char* ClassName = "7a";  // "???": not entered, the class file names the file
  } cases[] = {
      {quorv::PrintReportsFromCurrentPupil, 15, 1, 0, MsgResult::Yes, 3, {}, "Klasse 7a - Zeugnisse.pdf", 6,
       {1, 3, 5}, 0},
      {quorv::PrintReportsFromCurrentPupil, 15, 0, 0, MsgResult::Yes, 3, {1, 2}, "Klasse 7a - Zeugnisse (2).pdf", 6,
       {1, 3, 5}, 0},
      {quorv::PrintCurrentPupilReport, 15, 0, 1, MsgResult::Yes, 1, {2}, "Jahres-Zeugnis - Kind Erste.pdf", 2,
       {1, 0, 0}, 0},
      {quorv::PrintReportsFromCurrentPupil, 15, 1, 0, MsgResult::No, 3, {}, nullptr, 0, {}, 0},
      // Leaving reports carry the arms.
      {quorv::PrintReportsFromCurrentPupil, 17, 1, 0, MsgResult::Yes, 3, {}, "Klasse 7a - Zeugnisse (3).pdf", 6,
       {1, 3, 5}, 1},
      {quorv::PrintReportsFromCurrentPupil, 15, 1, 0, MsgResult::Yes, 3, {}, "Klasse 10Rb - Zeugnisse.pdf", 6,
       {1, 3, 5}, 0, "???"},
  };
  testsupport::InstallArmsPictures(env_.dir());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.File == nullptr ? "nothing printed" : c.File);
    SetThree(c.Form);
    quorv::ClassFileName = QStringLiteral("10Rb.QVR");
    for (quorv::TPupilRecord& p : quorv::Pupils) p.ClassName.setText(QString::fromUtf8(c.ClassName));
    PrintOptions.DuplexNoDialogs = static_cast<std::uint16_t>(c.Duplex);
    PrintOptions.OnlyNecessaryDialogs = static_cast<std::uint16_t>(c.OnlyNecessary);
    const int filesBefore = PdfFiles();
    testsupport::ScriptedMessages msgs;
    for (int i = 0; i < c.Asked; ++i) {
      msgs.expect(Confirmation(c.Form, Name(i)), MsgKind::Confirmation, c.Answer);
      for (const int page : c.PagesAsked)
        msgs.expect(QStringLiteral("Druck der Seite: %1 von 2 ?").arg(page), MsgKind::Confirmation, MsgResult::Yes);
    }
    if (c.File != nullptr) msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    c.Command();
    EXPECT_TRUE(msgs.allAnswered());
    ExpectNothingLeft();
    if (c.File == nullptr) {
      EXPECT_EQ(msgs.shown().size(), 3u);
      EXPECT_EQ(PdfFiles(), filesBefore);
      continue;
    }
    const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(QFileInfo(files[0]).fileName(), QString::fromUtf8(c.File));
    EXPECT_TRUE(msgs.shown().back().text.endsWith(QStringLiteral("\r%1 Seiten").arg(c.Pages)));
    if (testsupport::HavePdfInfo()) { EXPECT_EQ(testsupport::ReadPdfInfo(files[0]).Pages, c.Pages); }
    if (testsupport::HavePdfText()) { EXPECT_EQ(FirstPages(files[0], kSurnames), c.FirstPages); }
    if (const int images = ImageObjects(files[0]); images >= 0) { EXPECT_EQ(images, c.Images); }
  }
}

// A class print of reports names the pupils it passed over, the first ten of
// them and how many more, and prints the pages of those with a form.
TEST_F(ClassPrintout, PupilsPassedOverAreNamedAfterThePrint) {
  const struct {
    int WithoutForm;
    const char* More;
  } cases[] = {
      {11, "und 1 weiterer Schüler"},
      {13, "und 3 weitere Schüler"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.More);
    SetThree(15);
    quorv::TPupilRecord p = quorv::Pupils[1];
    QString named;
    for (int i = 0; i <= c.WithoutForm; ++i) {
      const bool noLayout = i == c.WithoutForm;
      p.Surname.setText(noLayout ? QStringLiteral("Eck") : QStringLiteral("Neu%1").arg(i, 2, 10, QLatin1Char('0')));
      p.FormNumber = noLayout ? 41 : i == 10 ? -1 : 0;  // -1: never stored; 41: no layout
      quorv::Pupils.insert(quorv::Pupils.end() - 1, p);
      if (i < 10) named += p.Surname.text() + QStringLiteral(", Kind\r");
    }
    quorv::Pupils.erase(quorv::Pupils.begin() + 1);
    quorv::PupilCount = static_cast<int>(quorv::Pupils.size());
    testsupport::ScriptedMessages msgs;
    msgs.expect(Confirmation(15, Name(0)), MsgKind::Confirmation, MsgResult::Yes);
    msgs.expect(Confirmation(15, Name(2)), MsgKind::Confirmation, MsgResult::Yes);
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    msgs.expect(kWithoutForm + named + QString::fromUtf8(c.More) + QStringLiteral(
        "\r\rDas Zeugnisformular wird festgelegt, wenn die Daten eines Schülers übernommen "
        "werden. Wählen Sie jeden dieser Schüler in der Schülerliste aus, prüfen Sie auf dem „Zeugnis-Kopf“ "
        "Zeugnistyp und Klassenstufe und klicken Sie auf „Daten übernehmen“. Danach lassen sich ihre Zeugnisse "
        "drucken.\r\rFür diese Schüler wurde kein Zeugnis gedruckt, weil das Programm ihr Zeugnisformular nicht "
        "drucken kann:\rEck, Kind\r\rBitte überprüfen Sie die Einstellungen der Schule und die gewählte Zeugnisart."),
        MsgKind::Warning);
    quorv::PrintReportsFromCurrentPupil();
    EXPECT_TRUE(msgs.allAnswered());
    EXPECT_EQ(platform::Printer().PageCount(), 4);
  }
}

// On a printer every report is a document of its own. Once the printer
// refuses one, or the service does not confirm it, the printer gets nothing
// more of the command: that report and the rest go into one PDF file, and one
// message names the printer or the service, what was printed and what is in
// the file, also for a report handed over page by page.
TEST_F(ClassPrintout, OnAPrinterEveryReportIsADocumentUntilThePrinterFails) {
  using platform::Submission;
  const QString refused = QStringLiteral("Der Drucker \"Laser\" hat den Ausdruck \"Jahres-Zeugnis: Kind %1\" nicht "
                                         "angenommen.\r");
  const QString silent = QStringLiteral("Der Druckdienst antwortet nicht.\r");
  const QString mayPrint = silent + QStringLiteral(
      "Vielleicht wird der Ausdruck später doch noch gedruckt. Bitte prüfen Sie das, bevor Sie die PDF-Datei "
      "drucken.\r");
  const QString saved = QStringLiteral("Der Ausdruck wurde als PDF-Datei gespeichert:\r");
  const struct {
    void (*Command)();
    int Duplex;
    std::vector<Submission> Outcomes;  // of the documents in turn
    QString Said;  // before the file; "": nothing said
    const char* File;
    int Documents;  // the printer got
    int Pages;      // in the file
    std::vector<int> FirstPages;
  } cases[] = {
      {quorv::PrintReportsFromCurrentPupil, 1, {}, {}, nullptr, 3, 0, {}},
      {quorv::PrintReportsFromCurrentPupil, 1, {Submission::Refused},
       refused.arg("Erste") + QStringLiteral("\rIn der PDF-Datei steht:\rKind Erste\rKind Zweiter\rKind Dritte\r\r"),
       "Klasse 7a - Zeugnisse.pdf", 1, 6, {1, 3, 5}},
      {quorv::PrintReportsFromCurrentPupil, 1, {Submission::Printed, Submission::Refused},
       refused.arg("Zweiter") +
           QStringLiteral("\rGedruckt wurde:\rKind Erste\r\rIn der PDF-Datei steht:\rKind Zweiter\rKind Dritte\r\r"),
       "Klasse 7a - Zeugnisse (2).pdf", 2, 4, {0, 1, 3}},
      // One report, its pages handed over one by one.
      {quorv::PrintCurrentPupilReport, 0, {Submission::Unconfirmed}, mayPrint, "Jahres-Zeugnis - Kind Erste.pdf", 1,
       2, {1, 0, 0}},
      {quorv::PrintCurrentPupilReport, 0, {Submission::Printed, Submission::NoAnswer},
       silent + QStringLiteral("\rGedruckt wurde:\rKind Erste (Seite 1 von 2)\r\rIn der PDF-Datei steht:\r"
                               "Kind Erste (Seite 2 von 2)\r\r"),
       "Jahres-Zeugnis - Kind Erste (2).pdf", 2, 1, {0, 0, 0}},
  };
  platform::Printer().SetDestination(platform::PrintDestination::Auto);
  platform::Printer().SetChosenPrinter(QStringLiteral("Laser"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Said.toStdString());
    SetThree(15);
    PrintOptions.DuplexNoDialogs = static_cast<std::uint16_t>(c.Duplex);
    PrintOptions.OnlyNecessaryDialogs = 1;
    testsupport::PrinterDouble service;
    service.outcomes = c.Outcomes;
    testsupport::ScriptedMessages msgs;
    const int asked = c.Command == quorv::PrintCurrentPupilReport ? 1 : 3;
    for (int i = 0; i < asked; ++i) msgs.expect(Confirmation(15, Name(i)), MsgKind::Confirmation, MsgResult::Yes);
    if (c.Duplex == 0)
      msgs.expect(QStringLiteral("Druck der Seite: 2 von 2 ?"), MsgKind::Confirmation, MsgResult::Yes);
    if (c.File != nullptr)
      msgs.expect(c.Said + saved + quorv::DataDir + c.File + QLatin1Char('\r') + platform::PageCountText(c.Pages),
                  MsgKind::Warning);
    c.Command();
    EXPECT_TRUE(msgs.allAnswered());
    EXPECT_EQ(service.documents.size(), std::size_t(c.Documents));
    for (std::size_t i = 0; i < service.documents.size(); ++i) {
      const testsupport::PrintedDocument& d = service.documents[i];
      EXPECT_EQ(d.Title, QStringLiteral("Jahres-Zeugnis: ") + Name(asked == 1 ? 0 : int(i)));
      EXPECT_EQ(d.Pages, c.Duplex == 1 ? 2 : 1);
      EXPECT_EQ(d.Ended, i >= c.Outcomes.size() || c.Outcomes[i] == Submission::Printed);
    }
    // One look at the printers for the whole command, one look at its state per document.
    EXPECT_EQ(service.Queries(), 1);
    EXPECT_EQ(service.StateChecks(), c.Documents);
    if (c.File != nullptr && testsupport::HavePdfText()) {
      EXPECT_EQ(FirstPages(quorv::DataDir + c.File, kSurnames), c.FirstPages);
    }
    if (c.File != nullptr && testsupport::HavePdfInfo()) {
      EXPECT_EQ(testsupport::ReadPdfInfo(quorv::DataDir + c.File).Pages, c.Pages);
    }
    ExpectNothingLeft();
  }
  platform::Printer().SetDestination(platform::PrintDestination::PdfFile);
  platform::Printer().SetChosenPrinter(QString());
  EXPECT_EQ(PdfFiles(), 4);
}

// ---- the test sheet ----------------------------------------------------------------------------------

TEST_F(PrintCommands, TestSheetIsADocumentOfItsOwnWithoutAClass) {
  quorv::Pupils.clear();
  quorv::PupilCount = 0;
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(kPdfNotice, MsgKind::Information);
  EXPECT_TRUE(quorv::PrintPrinterTestSheet(QDate(2026, 3, 5)));
  EXPECT_TRUE(msgs.allAnswered());
  const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
  ASSERT_EQ(files.size(), 1);
  EXPECT_TRUE(files[0].startsWith(quorv::DataDir));
  EXPECT_EQ(platform::Printer().PageCount(), 1);
  if (testsupport::HavePdfInfo()) {
    EXPECT_EQ(testsupport::ReadPdfInfo(files[0]).Title, QStringLiteral("Testblatt Druckerausgabe Quorv V.2.x"));
  }
  if (testsupport::HavePdfText()) {
    const auto words = testsupport::PdfWords(files[0]);
    const testsupport::PdfWord* title = testsupport::FindPdfWord(words, QStringLiteral("Drucker-Testblatt"));
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->Box.Left, 150, 2);  // 15 mm from the sheet's corner
    // Font 50's line, 252 mm below the origin.
    int fifty = 0;
    for (const testsupport::PdfWord& w : words)
      if (w.Text == QLatin1String("50") && std::abs(w.Box.Bottom - (150 + quorv::TestSheetLineY(50))) < 20) ++fifty;
    EXPECT_EQ(fifty, 1);
  }
  ExpectNothingLeft();
}

}  // namespace

// ---- the main window's commands ---------------------------------------------------------------------

namespace {

// The main-window fixture puts the class back after each test.
using MainPrintCommands = testsupport::MainFormTest;

TEST_F(MainPrintCommands, MenuItemsAndSpeedButtonsRunTheirCommands) {
  auto& form = ShownForm();
  testsupport::LayoutEnvironment env;  // print options, the job, PDF output
  testsupport::FixedPrinter printer(platform::DeviceCaps{});
  env.recordPreview();
  for (const formfiles::ShippedFormFile& f : formfiles::ReceiptFormFiles())
    env.writeFormFile(f.FileName, f.Title, f.Fields);
  env.writeAllReportFormFiles(testsupport::EveryFieldTable());
  quorv::TPupilRecord pupil = testsupport::TestPupil();
  pupil.FormNumber = 15;
  quorv::Pupils = {pupil, pupil};
  quorv::PupilCount = 2;
  quorv::CurrentPupil = 1;
  PrintOptions.ReceiptCopy = 0;
  const QString confirmation = QStringLiteral("Soll jetzt das ") + quorv::LookupFormFile(15, 0, 0, 1).Description +
                               QStringLiteral("\rfür: Anna Muster\rgedruckt werden?");

  auto run = [&form](const char* trigger) {
    if (QAction* item = form.MenuItem(QString::fromLatin1(trigger)))
      item->trigger();
    else
      form.findChild<QToolButton*>(QString::fromLatin1(trigger))->click();
  };
  // Reports: the confirmation comes (answered No).
  for (const char* trigger : {"ausgewhlterZeugnistyp1", "SpeedButton17", "ausgewhlteZeugnistypen1"}) {
    testsupport::ScriptedMessages msgs;
    msgs.expect(confirmation, MsgKind::Confirmation, MsgResult::No);
    run(trigger);
    EXPECT_TRUE(msgs.allAnswered()) << trigger;
  }
  // Previews: two pages of the report, or the receipt.
  for (const char* trigger : {"Seitenansicht1", "Seitenansichtzeigen1", "Seitenansichtzeigen2", "SpeedButton19"}) {
    const std::size_t before = env.previews().size();
    run(trigger);
    ASSERT_EQ(env.previews().size(), before + 2) << trigger;
    EXPECT_EQ(env.previews().back().FormNumber, 15);
  }
  run("SpeedButton12");
  EXPECT_EQ(env.previews().back().FormNumber, quorv::kReceiptJob);
  // Printed documents, as PDF files.
  const struct {
    const char* Trigger;
    int Documents;
    const char* FirstTitle;
  } printed[] = {
      {"Empfangsbekenntnis1", 1, "Empfangsbekenntnis - Anna Muster.pdf"},
      {"SpeedButton18", 1, "Empfangsbekenntnis - Anna Muster (2).pdf"},
      {"dieEmpfangsbekenntnisse1", 1, "Klasse 7a - Empfangsbekenntnisse.pdf"},
      {"Lernentwicklungsbericht1", 1, "Lernentwicklungsberichte - Anna Muster.pdf"},
      {"LernentwberichtefrZeugniskonferenz1", 1, "Klasse 7a - Lernentwicklungsberichte.pdf"},
      {"estblattausdrucken1", 1, "Testblatt Druckerausgabe Quorv V.2.x.pdf"},
  };
  for (const auto& p : printed) {
    testsupport::ScriptedMessages msgs;
    for (int d = 0; d < p.Documents; ++d) msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    run(p.Trigger);
    EXPECT_TRUE(msgs.allAnswered()) << p.Trigger;
    const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
    ASSERT_EQ(files.size(), p.Documents) << p.Trigger;
    EXPECT_EQ(QFileInfo(files[0]).fileName(), QString::fromUtf8(p.FirstTitle)) << p.Trigger;
  }
  EXPECT_FALSE(platform::Printer().Printing());
  // Printing never stores the data sheet.
  EXPECT_TRUE(form.calls.empty());
}

}  // namespace
