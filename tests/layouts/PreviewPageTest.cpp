#include "layouts/PreviewPage.h"

#include <gtest/gtest.h>

#include <cstring>

#include <QFile>

#include "layouts/LayoutTestSupport.h"
#include "layouts/OutputWrappers.h"
#include "layouts/CommittedFormFiles.h"
#include "layouts/ReceiptLayouts.h"
#include "platform/PrinterDocument.h"
#include "platform/RecordingCanvas.h"
#include "support/ScriptedMessages.h"

using platform::MsgButtons;
using platform::MsgKind;
using platform::MsgResult;
using quorv::ReportJob;
using testsupport::kPdfNotice;

namespace {

// The job of a preview window showing a page.
void PreviewJob(int form, int page, int halfYear = 0) {
  quorv::ClearReportJob();
  ReportJob.Pupil = testsupport::TestPupil();
  ReportJob.Pupil.HalfYear = static_cast<std::uint16_t>(halfYear);
  ReportJob.FormNumber = static_cast<std::uint16_t>(form);
  ReportJob.CurrentPage = static_cast<std::uint16_t>(page);
  ReportJob.FirstPage = 1;
  ReportJob.LastPage = 2;
  ReportJob.OutputTarget = quorv::otPreview;
  ReportJob.Caption = QStringLiteral("Vorschau %1/%2").arg(form).arg(page);
  ReportJob.AskFirst = 1;
}

void ExpectSameJob(const quorv::TReportJob& a, const quorv::TReportJob& b) {
  EXPECT_EQ(std::memcmp(&a.Pupil, &b.Pupil, sizeof(a.Pupil)), 0);
  EXPECT_EQ(a.FormNumber, b.FormNumber);
  EXPECT_EQ(a.CurrentPage, b.CurrentPage);
  EXPECT_EQ(a.FirstPage, b.FirstPage);
  EXPECT_EQ(a.LastPage, b.LastPage);
  EXPECT_EQ(a.OutputTarget, b.OutputTarget);
  EXPECT_EQ(a.Caption, b.Caption);
  EXPECT_EQ(a.AskFirst, b.AskFirst);
}

struct DrawnOp {
  platform::CanvasOp Op;
  QPoint P1, P2;
  QString Text;
  bool operator==(const DrawnOp&) const = default;
};
std::vector<DrawnOp> Drawn(const platform::RecordingCanvas& canvas) {
  std::vector<DrawnOp> ops;
  for (const platform::RecordedOp& op : canvas.ops()) ops.push_back({op.Op, op.P1, op.P2, op.Text});
  return ops;
}

// Pages and titles of the documents announced among the messages.
struct Printed {
  int Documents = 0;
  std::vector<int> Pages;
  QStringList Titles;
};
Printed PrintedDocuments(const testsupport::ScriptedMessages& msgs) {
  Printed printed;
  const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
  printed.Documents = files.size();
  if (testsupport::HavePdfInfo()) {
    for (const QString& file : files) {
      const testsupport::PdfInfo info = testsupport::ReadPdfInfo(file);
      printed.Pages.push_back(info.Pages);
      printed.Titles << info.Title;
    }
  }
  return printed;
}

class PreviewPageTest : public ::testing::Test {
 protected:
  PreviewPageTest() { env_.writeAllReportFormFiles(testsupport::EveryFieldTable()); }
  testsupport::LayoutEnvironment env_;
};

}  // namespace

// ---- drawing -------------------------------------------------------------------------

TEST_F(PreviewPageTest, PageDrawnThroughTheFormsPageRoutine) {
  for (int form : {3, 15, 17, 21, 23, 27, 104, 115, 41, 141}) {
    for (int page : {1, 2}) {
      PreviewJob(form, page);
      quorv::LoadPreviewFormFile();
      platform::RecordingCanvas preview;
      quorv::RenderPreviewPage(preview);
      EXPECT_EQ(preview.state().Mapping, platform::MapMode::Anisotropic);
      platform::RecordingCanvas direct;
      direct.SetMapMode(platform::MapMode::Anisotropic);
      quorv::PageRoutineOfForm(form)(direct, ReportJob.Pupil);
      EXPECT_EQ(Drawn(preview), Drawn(direct)) << form << "/" << page;
      // Every field is on page 1.
      if (page == 1) { EXPECT_FALSE(preview.opsOf(platform::CanvasOp::Text).empty()) << form; }
    }
  }
}

TEST(PreviewReceipt, ThePreviewDrawsWhatThePrintedReceiptDraws) {
  // Only the receipt's files: the form table's "Anl041.FST" is not there.
  testsupport::LayoutEnvironment env;
  testsupport::InstallCommittedFormFiles(env.dir(), formfiles::ReceiptFormFiles());
  QFile::remove(env.dir().programDir() + QStringLiteral("Anl041.FST"));
  for (int a5 : {0, 1}) {
    quorv::PrintOptions.ReceiptA5 = static_cast<std::uint16_t>(a5);
    testsupport::ScriptedMessages msgs;  // no question about a missing form file
    std::vector<std::vector<DrawnOp>> previews;
    QStringList texts;
    env.recordPreview([&] {
      quorv::PreparePreviewPage();
      platform::RecordingCanvas canvas;
      quorv::RenderPreviewPageQuietly(canvas);
      previews.push_back(Drawn(canvas));
      for (const platform::RecordedOp& op : canvas.opsOf(platform::CanvasOp::Text)) texts << op.Text;
    });
    PreviewJob(quorv::kReceiptJob, 1);
    quorv::PrintReceiptJob();
    ASSERT_EQ(previews.size(), 1u) << a5;
    EXPECT_TRUE(texts.contains(QStringLiteral("Das vorgenannte Zeugnis habe ich erhalten."))) << a5;
    EXPECT_TRUE(msgs.shown().empty()) << a5;
    platform::RecordingCanvas printed;
    printed.SetMapMode(platform::MapMode::Anisotropic);
    quorv::PrintReceipt(printed, ReportJob.Pupil);
    EXPECT_EQ(previews[0], Drawn(printed)) << a5;
  }
}

TEST_F(PreviewPageTest, FramedPageShowsTheFrameAtTheFormFilesCorners) {
  // EveryFieldTable: frame from (0, 0) to (1800, 2600) on every page; the
  // default print options put the origin at 15 mm, 15 mm and print the frame.
  PreviewJob(15, 1);
  quorv::LoadJobReportFormFile();
  platform::RecordingCanvas canvas;
  quorv::RenderPreviewPage(canvas);
  const auto rects = canvas.opsOf(platform::CanvasOp::Rectangle);
  ASSERT_FALSE(rects.empty());
  EXPECT_EQ(rects[0].P1, QPoint(150, -150));
  EXPECT_EQ(rects[0].P2, QPoint(1950, -2750));
}

TEST_F(PreviewPageTest, FormWithoutPrintoutShowsTheNotice) {
  for (int form : {0, 30, 42, 43, 130, 170, 999}) {
    PreviewJob(form, 1);
    platform::RecordingCanvas canvas;
    quorv::RenderPreviewPage(canvas);
    ASSERT_EQ(canvas.ops().size(), 1u) << form;
    const platform::RecordedOp& op = canvas.ops()[0];
    EXPECT_EQ(op.Op, platform::CanvasOp::Text);
    EXPECT_EQ(op.Text, QString::fromUtf8(" kein Ausdruck verfügbar!!! "));
    EXPECT_EQ(op.P1, QPoint(800, -500));
    EXPECT_EQ(op.State.Font.FaceName, QStringLiteral("Arial"));
    EXPECT_EQ(op.State.Font.Height, 100);
    EXPECT_EQ(op.State.TextAlign, platform::TextAlign::Center | platform::TextAlign::Top);
    EXPECT_EQ(op.State.Mapping, platform::MapMode::Anisotropic);
  }
}

// ---- messages before the window, none in a repaint ---------------------------------

TEST(PreviewMessages, HeldBackWhileTheGuardLives) {
  testsupport::ScriptedMessages msgs;
  {
    quorv::HeldBackMessages heldBack;
    EXPECT_EQ(platform::ShowMessage(QStringLiteral("a"), MsgKind::Error), MsgResult::Ok);
    EXPECT_EQ(platform::ShowMessage(QStringLiteral("b"), MsgKind::Confirmation, MsgButtons::YesNo), MsgResult::No);
    EXPECT_EQ(platform::ShowMessage(QStringLiteral("c"), MsgKind::Warning, MsgButtons::OkCancel),
              MsgResult::Cancel);
    EXPECT_EQ(heldBack.heldBack(), 3);
  }
  EXPECT_TRUE(msgs.shown().empty());
  msgs.expect(QStringLiteral("d"), MsgKind::Information);
  platform::ShowMessage(QStringLiteral("d"));
  EXPECT_EQ(msgs.shown().size(), 1u);
}

TEST(PreviewMessages, FormFileMessagesComeBeforeTheWindowAndNotInRepaints) {
  testsupport::LayoutEnvironment env;  // no form files at all
  testsupport::ScriptedMessages msgs;
  std::size_t beforeWindow = 0;
  int repaints = 0;
  env.recordPreview([&] {
    quorv::PreparePreviewPage();
    beforeWindow = msgs.shown().size();
    for (int i = 0; i < 3; ++i) {
      platform::RecordingCanvas canvas;
      quorv::RenderPreviewPageQuietly(canvas);
      ++repaints;
    }
  });
  // The missing form file is reported while the job starts, before the first
  // window, and only once for both pages.
  msgs.expectPrefix(QString::fromUtf8("Es konnte die benötigte Formular-Datei:"), MsgKind::Confirmation,
                    MsgResult::No);
  PreviewJob(15, 1);
  ReportJob.CurrentPage = 0;
  quorv::PrintReport();
  EXPECT_EQ(repaints, 6);
  EXPECT_EQ(env.previews().size(), 2u);
  EXPECT_EQ(msgs.shown().size(), beforeWindow);
}

// ---- "Seite drucken" ---------------------------------------------------------------

TEST_F(PreviewPageTest, PagePrintedAloneWithoutQuestionsAndJobRestored) {
  const struct {
    int Form;
    int Page;
    const char* Title;
  } cases[] = {
      {15, 2, "Jahres-Zeugnis: Anna Muster"},
      {15, 1, "Jahres-Zeugnis: Anna Muster"},
      {16, 2, "Übergangs-Zeugnis: Anna Muster"},
      {22, 2, "Übergangs-Zeugnis (Seite: 2/2): Anna Muster"},
      {1, 1, "Jahres-Zeugnis: Anna Muster"},
      {104, 1, "Jahres-Zeugnis: Anna Muster"},
      {41, 1, "Empfangsbekenntnis: Anna Muster"},
      {141, 1, "Empfangsbekenntnis: Anna Muster"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Form) + "/" + std::to_string(c.Page));
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    PreviewJob(c.Form, c.Page);
    const quorv::TReportJob before = ReportJob;
    quorv::PrintPageFromPreview();
    ExpectSameJob(ReportJob, before);
    const Printed printed = PrintedDocuments(msgs);
    ASSERT_EQ(printed.Documents, 1);
    EXPECT_EQ(platform::Printer().PageCount(), 1);
    if (!printed.Pages.empty()) {
      EXPECT_EQ(printed.Pages[0], 1);
      EXPECT_EQ(printed.Titles[0], QString::fromUtf8(c.Title));
    }
    EXPECT_TRUE(msgs.allAnswered());
  }
}

TEST_F(PreviewPageTest, APrintFromThePreviewIsOutBeforeThePreviewCloses) {
  testsupport::ScriptedMessages msgs;
  platform::PrinterJob previewCommand;  // the preview command's job stays open
  for (int print = 1; print <= 2; ++print) {
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    PreviewJob(15, 2);
    quorv::PrintPageFromPreview();
    EXPECT_TRUE(msgs.allAnswered()) << print;
    EXPECT_EQ(platform::Printer().PageCount(), 1);
  }
}

TEST_F(PreviewPageTest, NothingPrintedForAFormWithoutPrintout) {
  testsupport::ScriptedMessages msgs;  // none expected
  for (int form : {0, 43, 170, 30}) {
    PreviewJob(form, 1);
    const quorv::TReportJob before = ReportJob;
    quorv::PrintPageFromPreview();
    ExpectSameJob(ReportJob, before);
  }
  EXPECT_TRUE(msgs.shown().empty());
}

// ---- "Zeugnis drucken" ---------------------------------------------------------------

TEST_F(PreviewPageTest, ReportPrintedWithoutTheFirstQuestionAndJobRestored) {
  // A message: a page question (page, last page, reply) or, with page 0, the
  // notice of a document written.
  struct Msg {
    int Page;
    int Last;
    MsgResult Reply;
  };
  const Msg doc{0, 0, MsgResult::Ok};
  const struct {
    const char* Name;
    int Form;
    int Duplex;
    int OnlyNecessary;
    std::vector<Msg> Messages;
    std::vector<int> Documents;  // pages of each document
  } cases[] = {
      {"duplex: one document", 15, 1, 0, {doc}, {2}},
      {"duplex, second page shown", 20, 1, 1, {doc}, {2}},
      {"page by page, both asked", 15, 0, 0, {{1, 2, MsgResult::Yes}, doc, {2, 2, MsgResult::Yes}, doc}, {1, 1}},
      {"page by page, second declined", 21, 0, 0, {{1, 2, MsgResult::Yes}, doc, {2, 2, MsgResult::No}}, {1}},
      {"only necessary: page 1 at once", 15, 0, 1, {doc, {2, 2, MsgResult::Yes}, doc}, {1, 1}},
      {"one-page form with duplex", 1, 1, 0, {{1, 1, MsgResult::Yes}, doc}, {1}},
      {"one-page form, only necessary", 23, 0, 1, {doc}, {1}},
      {"receipt", 41, 0, 0, {{1, 1, MsgResult::Yes}, doc}, {1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    quorv::PrintOptions.DuplexNoDialogs = static_cast<std::uint16_t>(c.Duplex);
    quorv::PrintOptions.OnlyNecessaryDialogs = static_cast<std::uint16_t>(c.OnlyNecessary);
    PreviewJob(c.Form, 2);
    const quorv::TReportJob before = ReportJob;
    testsupport::ScriptedMessages msgs;
    for (const Msg& m : c.Messages) {
      if (m.Page == 0)
        msgs.expectPrefix(kPdfNotice, MsgKind::Information);
      else
        msgs.expect(QStringLiteral("Druck der Seite: %1 von %2 ?").arg(m.Page).arg(m.Last), MsgKind::Confirmation,
                    m.Reply);
    }
    quorv::PrintReportFromPreview();
    ExpectSameJob(ReportJob, before);
    EXPECT_TRUE(msgs.allAnswered());
    const Printed printed = PrintedDocuments(msgs);
    EXPECT_EQ(printed.Documents, static_cast<int>(c.Documents.size()));
    if (!printed.Pages.empty()) {
      EXPECT_EQ(printed.Pages, c.Documents);
    }
  }
}
