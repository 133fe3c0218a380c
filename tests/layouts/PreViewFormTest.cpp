#include "layouts/PreViewForm.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <memory>

#include "layouts/LayoutTestSupport.h"
#include "layouts/OutputWrappers.h"
#include "layouts/PreviewPage.h"
#include "platform/PrinterCaps.h"
#include "platform/PrinterDocument.h"
#include "platform/RecordingCanvas.h"
#include "records/TextWrap.h"
#include "settings/DrkEinstForm.h"
#include "support/FixedPrinter.h"
#include "support/PrinterDouble.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedMessages.h"

using platform::MsgKind;
using platform::MsgResult;
using quorv::ReportJob;
using quorv::TPreViewForm;
using testsupport::Field;
using testsupport::kPdfNotice;
using testsupport::PrinterWithMargins;

namespace {

// Only the frame, from (0, 0) to (1800, 2600) on every page, pen 1.
quorv::TFormFieldTable FrameOnlyTable() {
  quorv::TFormFieldTable t{};
  t[1] = Field(0, 0, 0, 1, 3, 1);
  t[2] = Field(1800, 2600, 0, 1, 3, 1);
  return t;
}

// A tidy page for a person to look at.
quorv::TFormFieldTable SamplePageTable() {
  quorv::TFormFieldTable t = testsupport::EveryFieldTable();
  for (quorv::TFormField& f : t) f.Active = 0;
  auto set = [&t](int n, quorv::TFormField f) { t[static_cast<std::size_t>(n)] = f; };
  const quorv::TFormFieldTable every = testsupport::EveryFieldTable();
  for (int n = 33; n <= 40; ++n) set(n, every[static_cast<std::size_t>(n)]);
  set(1, Field(0, 0, 0, 12, 3, 1));
  set(2, Field(1800, 2600, 0, 12, 3, 1));
  set(3, Field(900, 120, 1, 15, 1, 1));
  set(4, Field(900, 180, 1, 25, 1, 1));
  set(6, Field(1850, 300, 0, 25, 1, 1));
  set(7, Field(900, 430, 1, 17, 1, 1));
  set(8, Field(1300, 430, 0, 17, 1, 1));
  set(15, Field(900, 640, 0, 25, 1, 1));
  set(16, Field(900, 620, 1, 19, 1, 1));
  set(17, Field(600, 760, 0, 17, 1, 1));
  set(19, Field(1600, 760, 2, 17, 1, 1));
  set(30, Field(100, 860, 0, 18, 1, 1));
  set(32, Field(100, 960, 0, 17, 1, 1));
  set(41, Field(0, 1600, 0, 2, 1, 1));
  set(106, Field(450, 2300, 0, 25, 1, 1));
  set(107, Field(450, 2280, 1, 17, 1, 1));
  set(108, Field(450, 2480, 0, 25, 1, 1));
  set(110, Field(1350, 2480, 0, 25, 1, 1));
  return t;
}

void PreviewJob(int form, int page) {
  quorv::ClearReportJob();
  ReportJob.Pupil = testsupport::TestPupil();
  ReportJob.FormNumber = static_cast<std::uint16_t>(form);
  ReportJob.CurrentPage = static_cast<std::uint16_t>(page);
  ReportJob.FirstPage = 1;
  ReportJob.LastPage = 2;
  ReportJob.OutputTarget = quorv::otPreview;
  ReportJob.Caption = QStringLiteral("Jahreszeugnis: Anna Muster  [Seite: %1 von 2]").arg(page);
  quorv::LoadJobReportFormFile();
}

bool Dark(const QImage& image, int x, int y) {
  return image.valid(x, y) && qGray(image.pixel(x, y)) < 128;
}

// Dark pixels of a row between two columns, or of a column between two rows.
std::vector<int> DarkInRow(const QImage& image, int y, int x1, int x2) {
  std::vector<int> xs;
  for (int x = x1; x <= x2; ++x)
    if (Dark(image, x, y)) xs.push_back(x);
  return xs;
}
std::vector<int> DarkInColumn(const QImage& image, int x, int y1, int y2) {
  std::vector<int> ys;
  for (int y = y1; y <= y2; ++y)
    if (Dark(image, x, y)) ys.push_back(y);
  return ys;
}
bool AnyNear(const std::vector<int>& values, double expected, double tolerance) {
  for (int v : values)
    if (std::abs(v - expected) <= tolerance) return true;
  return false;
}

class PreViewFormTest : public ::testing::Test {
 protected:
  PreViewFormTest() {
    env_.writeAllReportFormFiles(testsupport::EveryFieldTable());
    form_ = std::make_unique<TPreViewForm>();
    quorv::InstallPreViewForm(form_.get());
  }
  ~PreViewFormTest() override { form_.reset(); }

  TPreViewForm& form() { return *form_; }

  testsupport::LayoutEnvironment env_;
  std::unique_ptr<TPreViewForm> form_;
};

}  // namespace

TEST_F(PreViewFormTest, ControlsCarryTheirNamesAndCaptions) {
  TPreViewForm& f = form();
  EXPECT_EQ(quorv::PreViewForm, &f);
  EXPECT_EQ(f.objectName(), QStringLiteral("PreViewForm"));
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Seitenansicht(en) des aktuellen Ausdrucks"));
  const struct {
    const char* Name;
    QPushButton* Button;
    const char* Caption;
  } buttons[] = {
      {"BitBtn1", f.BitBtn1, "Drucker einrichten"},   {"BitBtn2", f.BitBtn2, "Zeugnis drucken"},
      {"BitBtn4", f.BitBtn4, "Seite drucken"},        {"BitBtn5", f.BitBtn5, "Druck-Optionen"},
      {"BitBtn3", f.BitBtn3, "Seitenansicht schließen"},
  };
  for (const auto& b : buttons) {
    EXPECT_EQ(f.findChild<QPushButton*>(QString::fromLatin1(b.Name)), b.Button) << b.Name;
    EXPECT_EQ(b.Button->text(), QString::fromUtf8(b.Caption)) << b.Name;
  }
  EXPECT_EQ(f.findChild<QFrame*>(QStringLiteral("Shape1")), f.Shape1);
  EXPECT_EQ(f.findChild<QWidget*>(QStringLiteral("PreviewPageControl")), f.PreviewPageControl);
  // The close button keeps to the right edge.
  f.resize(1000, 700);
  f.show();
  const QRect close = f.BitBtn3->geometry().translated(f.ToolBar->pos());
  EXPECT_GT(close.left(), f.BitBtn5->geometry().right() + 100);
  EXPECT_GE(close.right(), 1000 - 20);
  EXPECT_LE(f.ToolBar->height(), quorv::kPreviewToolBarHeight);
}

// Made at the program's start and kept hidden, the window asks the print
// service nothing: its sheet is laid out for the printer when it opens.
TEST(PreViewFormAtStart, AsksThePrintServiceNothingUntilItOpens) {
  testsupport::LayoutEnvironment env;
  platform::Printer().SetDestination(platform::PrintDestination::Auto);
  testsupport::PrinterDouble service;
  platform::Printer().BeginJob();  // nothing kept from earlier looks at the printer
  platform::Printer().EndJob();
  {
    TPreViewForm form;
    form.resize(800, 600);
    EXPECT_EQ(service.Queries() + service.Opens(), 0);
  }
  platform::Printer().SetDestination(platform::PrintDestination::PdfFile);
}

TEST_F(PreViewFormTest, ShownMaximisedAndModalAndClosedWithOk) {
  PreviewJob(15, 1);
  testsupport::ScriptedDialogs dialogs;
  int results[2] = {0, 0};
  for (int i = 0; i < 2; ++i) {
    dialogs.expect(QStringLiteral("PreViewForm"), [&, i](QDialog& d) {
      EXPECT_TRUE(d.windowState() & Qt::WindowMaximized);
      EXPECT_TRUE(d.isModal());
      EXPECT_EQ(d.windowTitle(), ReportJob.Caption);
      // The close button, then the window's own closing.
      QTimer::singleShot(0, &d, [&, i] {
        EXPECT_EQ(d.focusWidget(), form().BitBtn3);
        if (i == 0)
          form().BitBtn3->click();
        else
          d.close();
      });
      results[i] = d.exec();
      return results[i];
    });
  }
  EXPECT_TRUE(quorv::ShowPreview());
  EXPECT_TRUE(quorv::ShowPreview());
  EXPECT_EQ(results[0], 1);
  EXPECT_EQ(results[1], 1);
}

// A press and a release as a person makes them: the window repaints in between.
void RealClick(QWidget* button) {
  QTest::mousePress(button, Qt::LeftButton);
  QCoreApplication::processEvents();
  button->window()->repaint();
  QTest::mouseRelease(button, Qt::LeftButton);
}

TEST_F(PreViewFormTest, ButtonsAnswerClicksAndTheKeyboard) {
  PreviewJob(15, 1);
  quorv::TDrkEinstForm options;
  form().DrkEinstForm = &options;
  quorv::PrintOptions.DuplexNoDialogs = 1;
  testsupport::ScriptedMessages msgs;
  testsupport::ScriptedDialogs dialogs;
  // What each button shows; the close button ends the window.
  const struct {
    QPushButton* Button;
    const char* Dialog;  // nullptr: the PDF notice of a print
  } clicks[] = {
      {form().BitBtn1, "PrinterSetupDialog"},
      {form().BitBtn2, nullptr},
      {form().BitBtn4, nullptr},
      {form().BitBtn5, "DrkEinstForm"},
  };
  const auto answered = [&] { return dialogs.shownCount() + static_cast<int>(msgs.shown().size()); };
  bool closed = false;
  dialogs.expect(QStringLiteral("PreViewForm"), [&](QDialog& d) {
    QTimer::singleShot(0, &d, [&] {
      for (const auto& c : clicks) {
        if (c.Dialog)
          dialogs.expect(QString::fromLatin1(c.Dialog), 2);
        else
          msgs.expectPrefix(kPdfNotice, MsgKind::Information);
        const int before = answered();
        RealClick(c.Button);
        EXPECT_EQ(answered(), before + 1) << c.Button->objectName().toStdString();
      }
      // The keyboard: back from the close button to "Druck-Optionen", which
      // keeps the focus through a repaint and answers the space bar.
      form().BitBtn3->setFocus();
      QTest::keyClick(form().BitBtn3, Qt::Key_Backtab);
      d.repaint();
      QCoreApplication::processEvents();
      EXPECT_EQ(d.focusWidget(), form().BitBtn5);
      dialogs.expect(QStringLiteral("DrkEinstForm"), 2);
      const int before = answered();
      QTest::keyClick(d.focusWidget(), Qt::Key_Space);
      EXPECT_EQ(answered(), before + 1);
      RealClick(form().BitBtn3);
      closed = !d.isVisible();
      if (!closed) d.done(1);
    });
    return d.exec();
  });
  EXPECT_TRUE(quorv::ShowPreview());
  EXPECT_TRUE(closed) << "the close button did not close the window";
}

TEST_F(PreViewFormTest, PageDrawnToScaleOnTheSheet) {
  // With unprintable margins the page must neither be stretched to the sheet
  // nor cut: the frame lies 15 mm from the left and top of the paper, 195 mm
  // from the left and 275 mm from the top.
  env_.writeAllReportFormFiles(FrameOnlyTable());
  testsupport::FixedPrinter printer(PrinterWithMargins());
  quorv::PrintOptions.CorrectionCorner = 0;
  PreviewJob(15, 1);
  TPreViewForm& f = form();
  f.show();
  for (const QSize size : {QSize(1000, 800), QSize(700, 1000)}) {
    f.resize(size);
    testsupport::ScriptedMessages msgs;  // a repaint says nothing
    const QImage image = f.grab().toImage();
    const QRect sheet = f.Layout().SheetRect;
    const double s = f.Layout().Scale;
    auto xAt = [&](double mm) { return sheet.left() + mm * s; };
    auto yAt = [&](double mm) { return sheet.top() + mm * s; };
    SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));

    const std::vector<int> row = DarkInRow(image, platform::RoundHalfEven(yAt(150)), sheet.left() + 2, sheet.right() - 2);
    // Within a millimetre: the printable area sits on the sheet by whole millimetres.
    const double tolerance = s;
    EXPECT_TRUE(AnyNear(row, xAt(15), tolerance)) << "left edge";
    EXPECT_TRUE(AnyNear(row, xAt(195), tolerance)) << "right edge";
    for (int x : row)
      EXPECT_TRUE(std::abs(x - xAt(15)) <= tolerance || std::abs(x - xAt(195)) <= tolerance) << "stray at " << x;

    const std::vector<int> column = DarkInColumn(image, platform::RoundHalfEven(xAt(60)), sheet.top() + 2, sheet.bottom() - 2);
    EXPECT_TRUE(AnyNear(column, yAt(15), tolerance)) << "top edge";
    EXPECT_TRUE(AnyNear(column, yAt(275), tolerance)) << "bottom edge";
    for (int y : column)
      EXPECT_TRUE(std::abs(y - yAt(15)) <= tolerance || std::abs(y - yAt(275)) <= tolerance) << "stray at " << y;
  }
}

TEST_F(PreViewFormTest, PaintDrawsTheJobsPageOnWhite) {
  PreviewJob(15, 1);
  TPreViewForm& f = form();
  f.resize(900, 700);
  f.show();
  testsupport::ScriptedMessages msgs;
  platform::RecordingCanvas canvas(platform::CurrentPrinterCaps());
  f.PaintPage(canvas);
  ASSERT_FALSE(canvas.ops().empty());
  const platform::RecordedOp& white = canvas.ops()[0];
  EXPECT_EQ(white.Op, platform::CanvasOp::FillRect);
  EXPECT_EQ(white.P2, QPoint(f.Layout().WindowExt.width(), f.Layout().WindowExt.height()));
  EXPECT_NE(canvas.findText(QStringLiteral("Anna Muster")), nullptr);
  EXPECT_EQ(f.windowTitle(), ReportJob.Caption);
  // The same page as the page routine draws it.
  platform::RecordingCanvas direct;
  direct.SetMapMode(platform::MapMode::Anisotropic);
  quorv::PageRoutineOfForm(15)(direct, ReportJob.Pupil);
  EXPECT_EQ(canvas.ops().size(), direct.ops().size() + 1);
  // The grab paints through the same path without a message.
  const QImage image = f.PreviewPageControl->grab().toImage();
  EXPECT_EQ(image.size(), f.Layout().PageRect.size());
  EXPECT_TRUE(msgs.shown().empty());
}

TEST_F(PreViewFormTest, PrinterSetupChangesTheSheetAtOnce) {
  platform::DeviceCaps caps = PrinterWithMargins();
  const platform::PrinterCapsSource previous = platform::SetPrinterCapsSource([&caps] { return caps; });
  PreviewJob(15, 1);
  TPreViewForm& f = form();
  f.resize(1000, 800);
  f.show();
  EXPECT_LT(f.Shape1->width(), f.Shape1->height());
  testsupport::ScriptedDialogs dialogs;
  dialogs.expect(QStringLiteral("PrinterSetupDialog"), [&caps](QDialog&) {
    // Landscape paper chosen.
    caps.PhysicalWidth = 7016;
    caps.PhysicalHeight = 4961;
    caps.HorzSize = 284;
    caps.VertSize = 197;
    return 1;
  });
  f.BitBtn1->click();
  EXPECT_EQ(dialogs.shownCount(), 1);
  EXPECT_EQ(f.Layout().Sheet, (quorv::TPreviewSheet{297, 210, 6, 4, 284, 197}));
  EXPECT_GT(f.Shape1->width(), f.Shape1->height());
  EXPECT_EQ(f.Shape1->geometry(), f.Layout().SheetRect);
  EXPECT_EQ(f.PreviewPageControl->geometry(), f.Layout().PageRect);
  platform::SetPrinterCapsSource(previous);
}

TEST_F(PreViewFormTest, PrintOptionsFromThePreviewApplyToThePage) {
  PreviewJob(15, 1);
  quorv::TDrkEinstForm options;  // loads nothing: the folders hold no options file
  quorv::PrintOptions = quorv::DefaultPrintOptions();
  TPreViewForm& f = form();
  f.DrkEinstForm = &options;
  f.show();
  testsupport::FixedPrinter printer(platform::DeviceCaps{});  // no unprintable margin
  auto frameDrawn = [&f] {
    platform::RecordingCanvas canvas;
    f.PaintPage(canvas);
    for (const platform::RecordedOp& op : canvas.opsOf(platform::CanvasOp::Rectangle))
      if (op.P1 == QPoint(150, -150) && op.P2 == QPoint(1950, -2750)) return true;
    return false;
  };
  EXPECT_TRUE(frameDrawn());
  testsupport::ScriptedDialogs dialogs;
  dialogs.expect(QStringLiteral("DrkEinstForm"), [&options](QDialog&) {
    options.FormShow();
    options.CheckBox(5)->setChecked(false);  // no frame
    options.Button1Click();
    return 1;
  });
  f.BitBtn5->click();
  EXPECT_EQ(quorv::PrintOptions.PrintFrame, 0);
  EXPECT_FALSE(frameDrawn());
}

TEST_F(PreViewFormTest, TwoPageReportInTwoWindowsPrintingFromTheSecond) {
  quorv::ClearReportJob();
  ReportJob.Pupil = testsupport::TestPupil();
  ReportJob.FormNumber = 15;
  ReportJob.CurrentPage = 1;
  ReportJob.OutputTarget = quorv::otPreview;
  quorv::PrintOptions.DuplexNoDialogs = 1;
  testsupport::ScriptedMessages msgs;
  testsupport::ScriptedDialogs dialogs;
  QStringList captions;
  dialogs.expect(QStringLiteral("PreViewForm"), [&](QDialog& d) {
    captions << d.windowTitle();
    return 1;
  });
  dialogs.expect(QStringLiteral("PreViewForm"), [&](QDialog& d) {
    captions << d.windowTitle();
    const quorv::TReportJob shown = ReportJob;
    // "Seite drucken": page 2 alone.
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    form().BitBtn4->click();
    // "Zeugnis drucken": both pages in one document, no question.
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    form().BitBtn2->click();
    EXPECT_EQ(ReportJob.CurrentPage, 2);
    EXPECT_EQ(ReportJob.OutputTarget, quorv::otPreview);
    EXPECT_EQ(ReportJob.Caption, shown.Caption);
    d.resize(800, 600);
    d.grab();
    EXPECT_EQ(d.windowTitle(), shown.Caption);
    return 1;
  });
  quorv::PrintReport();
  EXPECT_EQ(captions, QStringList({QStringLiteral("Jahreszeugnis: Anna Muster  [Seite: 1 von 2]"),
                                   QStringLiteral("Jahreszeugnis: Anna Muster  [Seite: 2 von 2]")}));
  const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
  ASSERT_EQ(files.size(), 2);
  if (testsupport::HavePdfInfo()) {
    EXPECT_EQ(testsupport::ReadPdfInfo(files[0]).Pages, 1);
    EXPECT_EQ(testsupport::ReadPdfInfo(files[1]).Pages, 2);
  }
}

// A page names the texts it cannot print whole in a line of its window, and
// printing from it names them once more; a page without such texts says nothing.
TEST_F(PreViewFormTest, ALineNamesTheTextsThePageCannotPrintWhole) {
  quorv::ClearReportJob();
  ReportJob.Pupil = testsupport::TestPupil();
  quorv::WideStringToBuffer(QStringLiteral("1\r\n2\r\n3\r\n4\r\n5\r\n6"), ReportJob.Pupil.DevelopmentText);
  ReportJob.FormNumber = 15;
  ReportJob.OutputTarget = quorv::otPreview;
  testsupport::ScriptedMessages msgs;
  testsupport::ScriptedDialogs dialogs;
  QStringList lines;
  const auto shown = [&](QDialog& d) {
    d.grab();
    lines << (form().CutTextsLine->isVisibleTo(&d) ? form().CutTextsLine->text() : QString());
    return 1;
  };
  dialogs.expect(QStringLiteral("PreViewForm"), [&](QDialog& d) {
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    msgs.expect(QStringLiteral("Nicht alle Zeilen passten auf den Ausdruck:\rMuster, Anna: Lernentwicklungsbericht – "
                               "2 Zeilen fehlen\r\rBitte kürzen Sie diesen Text."),
                MsgKind::Warning);
    form().BitBtn4->click();
    return shown(d);
  });
  dialogs.expect(QStringLiteral("PreViewForm"), shown);
  quorv::PrintReport();
  EXPECT_TRUE(msgs.allAnswered());
  EXPECT_EQ(lines, QStringList({QStringLiteral("Nicht alle Zeilen passen auf die Seite: Lernentwicklungsbericht – 2 "
                                               "Zeilen fehlen. Bitte kürzen Sie diesen Text."),
                                QString()}));
}

// The line naming the texts the page cannot print whole stands below the
// sheet, which takes the whole height when there is no such line; the line
// follows a change of the print options made from the preview.
TEST_F(PreViewFormTest, CutTextsLineBelowTheSheetFollowsThePrintOptions) {
  PreviewJob(15, 1);
  ReportJob.Pupil.DevelopmentText.set("Anna arbeitet im Unterricht stets aufmerksam und zuverlaessig mit.");
  QDialog options;
  options.setObjectName(QStringLiteral("DrkEinstForm"));
  TPreViewForm& f = form();
  f.DrkEinstForm = &options;
  f.resize(1000, 800);
  f.show();
  testsupport::ScriptedDialogs dialogs;
  // A wide inner margin leaves the text's four lines too short for it.
  for (const int margin : {1000, 100}) {
    dialogs.expect(QStringLiteral("DrkEinstForm"), [margin](QDialog&) {
      quorv::PrintOptions.InnerMargin = static_cast<std::uint16_t>(margin);
      return 1;
    });
    f.BitBtn5->click();
    const bool cut = margin == 1000;
    EXPECT_EQ(f.CutTextsLine->isVisible(), cut) << margin;
    EXPECT_EQ(f.CutTextsLine->text().contains(QStringLiteral("Lernentwicklungsbericht – ")), cut) << margin;
    const QRect line = f.CutTextsLine->geometry();
    const int above = cut ? line.top() : f.height();
    EXPECT_EQ(f.Layout().SheetRect,
              quorv::LayoutPreviewPage(platform::CurrentPrinterCaps(), QSize(f.width(), above)).SheetRect)
        << margin;
    if (cut) {
      EXPECT_GT(line.height(), 0);
      EXPECT_FALSE(f.Layout().SheetRect.intersects(line));
    }
  }
}

// Run with QUORV_PREVIEW_SCREENSHOT=<file.png> (under xvfb-run with
// QT_QPA_PLATFORM=xcb) to see the maximised preview of a framed page.
TEST_F(PreViewFormTest, Screenshot) {
  const QString target = qEnvironmentVariable("QUORV_PREVIEW_SCREENSHOT");
  if (target.isEmpty()) GTEST_SKIP() << "QUORV_PREVIEW_SCREENSHOT not set";
  env_.writeAllReportFormFiles(SamplePageTable());
  testsupport::FixedPrinter printer(PrinterWithMargins());
  PreviewJob(15, 1);
  testsupport::ScriptedMessages msgs;
  testsupport::ScriptedDialogs dialogs;
  dialogs.expect(QStringLiteral("PreViewForm"), [&](QDialog& d) {
    QTimer::singleShot(700, &d, [&] {
      QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
      if (shot.isNull() || QGuiApplication::platformName() == QLatin1String("offscreen")) shot = d.grab();
      EXPECT_TRUE(shot.save(target));
      d.close();
    });
    return d.exec();
  });
  quorv::ShowPreview();
}
