// The form files shipped for the receipt and the learning-development report:
// equal to their tables, and tidy when drawn with fully filled data.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "layouts/DrawnPageGeometry.h"
#include "layouts/LayoutHelpers.h"
#include "layouts/LayoutTestSupport.h"
#include "layouts/PrintJob.h"
#include "layouts/CommittedFormFiles.h"
#include "layouts/ReceiptLayouts.h"
#include "mainwindow/MainPrintCommands.h"
#include "platform/PrinterDocument.h"
#include "platform/RecordingCanvas.h"
#include "printengine/PrinterFonts.h"
#include "records/TextWrap.h"
#include "support/FixedPrinter.h"
#include "support/ScriptedMessages.h"

using platform::MsgKind;
using quorv::PrintOptions;
using testsupport::DrawnText;
using testsupport::SheetRect;

namespace {

// The printable area of a printer that leaves 5 mm on every side, and the
// two halves of the sheet with 5 mm to the fold.
const SheetRect kPrintable{50, 50, 2050, 2920};
const SheetRect kUpperHalf{50, 50, 2050, 1435};
const SheetRect kLowerHalf{50, 1535, 2050, 2920};

QString DevelopmentProse() {
  return testsupport::ProseOfSize(QStringLiteral(
      "Im Unterricht arbeitet sie aufmerksam und ausdauernd mit, bringt eigene Ideen ein und hilft anderen "
      "Kindern gern, wenn diese nicht weiterkommen. Ihre Hausaufgaben erledigt sie stets vollständig und "
      "sorgfältig. Beim Lesen zeigt sie große Fortschritte, sie liest flüssig und kann den Inhalt längerer "
      "Texte mit eigenen Worten wiedergeben. In Mathematik löst sie Sachaufgaben sicher, beim Kopfrechnen "
      "braucht sie noch etwas mehr Übung. Im Sport ist sie geschickt und fair, in der Gruppe übernimmt sie "
      "gern Verantwortung für gemeinsame Vorhaben. "), 2000);
}

QString RemarksProse() {
  return testsupport::ProseOfSize(QStringLiteral(
      "Die Klassenkonferenz empfiehlt eine Förderung in Rechtschreibung; Gespräch mit den Eltern am "
      "Elternsprechtag vereinbart, Lernplan für das nächste Halbjahr wird gemeinsam erstellt. "), 500);
}

quorv::TPupilRecord FullPupil() {
  quorv::TPupilRecord p = testsupport::TestPupil();
  p.FirstName.setText(QStringLiteral("Anna-Katharina Marie-Luise Eva"));
  p.Surname.setText(QStringLiteral("Schwarzenberg-Wittgensteinhaus"));
  p.BirthDate.setText(QStringLiteral("28.12.1998"));
  p.ClassName.setText(QStringLiteral("10a/b"));
  p.IssueDate.setText(QStringLiteral("Dienstag, 10.07.2007"));
  p.ReportKind = 5;
  quorv::WideStringToBuffer(DevelopmentProse(), p.DevelopmentText);
  quorv::WideStringToBuffer(RemarksProse(), p.RemarksText);
  return p;
}

const QString kFullSchool =
    QStringLiteral("Regionale Schule mit Grundschule am Mühlenteich, Lindenallee 112, 12345 Seestadt");

QString Joined(const QStringList& list) { return list.join(QLatin1Char('\n')); }

void ExpectTidy(const platform::RecordingCanvas& canvas, const SheetRect& area, const QString& what) {
  const std::vector<DrawnText> texts = testsupport::DrawnTexts(canvas);
  const std::vector<SheetRect> lines = testsupport::DrawnLines(canvas);
  ASSERT_FALSE(texts.empty()) << what.toStdString();
  EXPECT_TRUE(testsupport::OverlappingTexts(texts).isEmpty())
      << what.toStdString() << "\n" << Joined(testsupport::OverlappingTexts(texts)).toStdString();
  EXPECT_TRUE(testsupport::LinesThroughTexts(texts, lines).isEmpty())
      << what.toStdString() << "\n" << Joined(testsupport::LinesThroughTexts(texts, lines)).toStdString();
  EXPECT_TRUE(testsupport::OutsideOf(texts, lines, area).isEmpty())
      << what.toStdString() << "\n" << Joined(testsupport::OutsideOf(texts, lines, area)).toStdString();
  // Labels keep 0.3 mm from the rules above them.
  const QStringList close = testsupport::TextsCloseToLines(texts, lines, 3);
  EXPECT_TRUE(close.isEmpty()) << what.toStdString() << "\n" << Joined(close).toStdString();
}

// The shipped files in a temporary program folder, the print options' defaults
// and a printer without offsets.
class ShippedReceiptForms : public ::testing::Test {
 protected:
  ShippedReceiptForms() : printer_(platform::DeviceCaps{}) {
    testsupport::InstallCommittedFormFiles(env_.dir(), formfiles::ReceiptFormFiles());
    quorv::SchoolSettings.SchoolNameAddress.setText(kFullSchool);
    quorv::SchoolSettings.SchoolType = 6;
  }

  using PageRoutine = void (*)(platform::Canvas&, const quorv::TPupilRecord&);
  platform::RecordingCanvas Draw(PageRoutine routine, const QString& file, const QString& title,
                                 const quorv::TPupilRecord& pupil) {
    quorv::StartNewJob();
    quorv::LoadJobFormFile(file, title);
    platform::RecordingCanvas canvas;
    canvas.SetMapMode(platform::MapMode::LoMetric);
    routine(canvas, pupil);
    return canvas;
  }
  platform::RecordingCanvas DrawReceipt(const quorv::TPupilRecord& pupil) {
    return Draw(quorv::PrintReceipt, quorv::ReceiptFormFile(), quorv::ReceiptFormTitle(), pupil);
  }
  platform::RecordingCanvas DrawLearningReport(const quorv::TPupilRecord& pupil) {
    return Draw(quorv::PrintLearningReports, quorv::kLearningReportFormFile, quorv::kLearningReportFormTitle, pupil);
  }

  testsupport::LayoutEnvironment env_;
  testsupport::FixedPrinter printer_;
};

// Every text the receipt prints for the pupil, the wording by the options.
QStringList ReceiptTexts(const quorv::TPupilRecord& pupil) {
  return {kFullSchool,
          QStringLiteral("Name der Schule/Schulart/Schulort"),
          QStringLiteral("Empfangsbekenntnis (zweifach):"),
          QStringLiteral("Anliegend übersende/übergebe ich Ihnen das Zeugnis"),
          quorv::ReceiptWordingText(pupil, PrintOptions.ReceiptWording, quorv::SchoolSettings.SchoolType),
          QStringLiteral("vom"),
          pupil.IssueDate.text(),
          QStringLiteral("Ein Exemplar des Empfangsbekenntnisses bitte ich unterschrieben zurückzugeben."),
          QStringLiteral("Das vorgenannte Zeugnis habe ich erhalten."),
          QStringLiteral("Ort, Datum"),
          QStringLiteral("Unterschrift der Erziehungsberechtigten bzw. des volljährigen Schülers"),
          QStringLiteral("Rechtsbehelfsbelehrung:"),
          QStringLiteral("(Name und Anschrift der Schule)"),
          QStringLiteral("einzulegen."),
          quorv::kProductVersion};
}

}  // namespace

TEST(ShippedFormFileTables, CommittedFilesReadBackWithTheirTitles) {
  for (const formfiles::ShippedFormFile& f : formfiles::ReceiptFormFiles()) {
    quorv::TFormFieldTable fields{};
    quorv::PresetFormFields(fields);
    QString title;
    const quorv::FormFileParse parse =
        quorv::ParseFormFile(testsupport::ReadCommittedFormFile(f.FileName), fields, title);
    EXPECT_TRUE(parse.InStep);
    EXPECT_EQ(title, f.Title);
  }
}

TEST_F(ShippedReceiptForms, ReceiptsPrintEveryTextInsideThePrintableAreaWithoutOverlaps) {
  for (int a5 : {0, 1}) {
    PrintOptions.ReceiptA5 = static_cast<std::uint16_t>(a5);
    // A5: the receipt on the upper half and its copy 148.5 mm lower.
    const int tops[] = {150, 150 + quorv::kHalfSheetOffset};
    for (int copy = 0; copy < (a5 == 1 ? 2 : 1); ++copy) {
      PrintOptions.TopMargin = static_cast<std::uint16_t>(tops[copy]);
      const SheetRect area = a5 == 0 ? kPrintable : copy == 0 ? kUpperHalf : kLowerHalf;
      for (int wording : {0, 1, 2}) {
        PrintOptions.ReceiptWording = static_cast<std::uint16_t>(wording);
        for (int schoolType = 0; schoolType <= 9; ++schoolType) {
          quorv::SchoolSettings.SchoolType = static_cast<std::uint16_t>(schoolType);
          for (int kind = 0; kind <= 8; ++kind) {
            quorv::TPupilRecord pupil = FullPupil();
            pupil.ReportKind = static_cast<std::uint16_t>(kind);
            const platform::RecordingCanvas canvas = DrawReceipt(pupil);
            const QString what = QStringLiteral("%1, copy %2, wording %3, school type %4, kind %5")
                                     .arg(quorv::ReceiptFormFile())
                                     .arg(copy)
                                     .arg(wording)
                                     .arg(schoolType)
                                     .arg(kind);
            for (const QString& text : ReceiptTexts(pupil))
              EXPECT_NE(canvas.findText(text), nullptr) << what.toStdString() << ": " << text.toStdString();
            ExpectTidy(canvas, area, what);
            // The legal sentence prints whole, its lines within the right end of the header boxes.
            const double boxEnd = PrintOptions.LeftMargin + quorv::FormFields[2].X - quorv::FormFields[1].X -
                                  PrintOptions.InnerMargin;
            QString sentence;
            for (const DrawnText& t : testsupport::DrawnTexts(canvas)) {
              if (t.Text.size() < 4 || !quorv::kRemedyText.contains(t.Text)) continue;
              sentence += t.Text;
              EXPECT_LE(t.Ink.Right, boxEnd) << what.toStdString() << ": " << t.Text.toStdString();
            }
            EXPECT_EQ(sentence, quorv::kRemedyText) << what.toStdString();
            if (::testing::Test::HasFailure()) return;
          }
        }
      }
    }
  }
}

// The receipt forms put the legal sentence in two lines 5 mm apart and the
// frame's bottom edge where they always had them (0.1 mm down the sheet), on
// the A4 sheet and on both halves of the A5 sheet.
TEST_F(ShippedReceiptForms, LegalSentenceLinesAndFrameStayWhereTheFormsPutThem) {
  const struct {
    int A5;
    int Top;
    std::vector<int> LineBottoms;
    int FrameBottom;
  } forms[] = {
      {0, 150, {2070, 2120}, 2500},
      {1, 150, {1150, 1200}, 1430},
      {1, 150 + quorv::kHalfSheetOffset, {2635, 2685}, 2915},
  };
  for (const auto& f : forms) {
    PrintOptions.ReceiptA5 = static_cast<std::uint16_t>(f.A5);
    PrintOptions.TopMargin = static_cast<std::uint16_t>(f.Top);
    const platform::RecordingCanvas canvas = DrawReceipt(FullPupil());
    const QString what = quorv::ReceiptFormFile() + QStringLiteral(" at %1").arg(f.Top);
    std::vector<int> lineBottoms;
    QString sentence;
    for (const platform::RecordedOp& op : canvas.opsOf(platform::CanvasOp::Text)) {
      if (op.Text.size() < 4 || !quorv::kRemedyText.contains(op.Text)) continue;
      lineBottoms.push_back(-op.P1.y());
      sentence += op.Text;
    }
    EXPECT_EQ(lineBottoms, f.LineBottoms) << what.toStdString();
    EXPECT_EQ(sentence, quorv::kRemedyText) << what.toStdString();
    const auto frames = canvas.opsOf(platform::CanvasOp::Rectangle);
    ASSERT_FALSE(frames.empty()) << what.toStdString();
    EXPECT_EQ(-std::min(frames[0].P1.y(), frames[0].P2.y()), f.FrameBottom) << what.toStdString();
  }
}

// Two reports share a sheet, each on its half; the conference print gives each
// report with its remarks a sheet of its own. Whole texts, running and in 6
// and 3 paragraphs, print in the report forms' text size (Times 3.5 mm) or
// larger.
TEST_F(ShippedReceiptForms, LearningReportsFitTheirHalfSheetWithTheWholeText) {
  const struct {
    int Conference;
    int Top;
    SheetRect Area;
  } sheets[] = {
      {0, 150, kUpperHalf},
      {0, quorv::kHalfSheetOffset, kLowerHalf},
      {1, 150, kPrintable},
  };
  const QString texts[][2] = {
      {DevelopmentProse(), RemarksProse()},
      {testsupport::DevelopmentTextInParagraphs(), testsupport::RemarksInParagraphs()},
  };
  const int textHeight = quorv::PrinterFontHeight(quorv::PrinterFont(17), 0);
  for (const auto& sheet : sheets) {
    PrintOptions.ConferencePrint = static_cast<std::uint16_t>(sheet.Conference);
    PrintOptions.TopMargin = static_cast<std::uint16_t>(sheet.Top);
    for (const auto& [development, remarks] : texts) {
      quorv::TPupilRecord pupil = FullPupil();
      quorv::WideStringToBuffer(development, pupil.DevelopmentText);
      quorv::WideStringToBuffer(remarks, pupil.RemarksText);
      const platform::RecordingCanvas canvas = DrawLearningReport(pupil);
      const QString what = QStringLiteral("conference %1, top %2, %3 paragraphs")
                               .arg(sheet.Conference)
                               .arg(sheet.Top)
                               .arg(development.count(QLatin1Char('\n')) + 1);
      ExpectTidy(canvas, sheet.Area, what);
      QString printed;
      QStringList small;  // texts under the heading in a smaller font
      bool belowHeading = false;
      for (const DrawnText& t : testsupport::DrawnTexts(canvas)) {
        printed += t.Text + QLatin1Char(' ');
        if (belowHeading && t.Op.State.Font.Height < textHeight) small << t.Text;
        belowHeading = belowHeading || t.Text == QStringLiteral("Lernentwicklungsbericht");
      }
      EXPECT_TRUE(belowHeading) << what.toStdString();
      EXPECT_TRUE(small.isEmpty()) << what.toStdString() << ": " << small.size() << " texts in a smaller font, "
                                   << small.value(0).toStdString();
      EXPECT_TRUE(printed.contains(quorv::PupilDisplayName(pupil))) << what.toStdString();
      printed = printed.simplified();
      EXPECT_TRUE(printed.contains(development.simplified())) << what.toStdString();
      EXPECT_EQ(printed.contains(remarks.simplified()), sheet.Conference == 1) << what.toStdString();
    }
  }
}

// PDFs of the shipped forms, fully filled, in the build folder to look at.
TEST_F(ShippedReceiptForms, PdfsOfTheFilledFormsGoIntoTheBuildFolder) {
  const QString target = QCoreApplication::applicationDirPath() + QStringLiteral("/form-previews/");
  ASSERT_TRUE(QDir().mkpath(target));
  quorv::Pupils = {FullPupil(), FullPupil(), FullPupil()};
  quorv::PupilCount = 3;
  quorv::CurrentPupil = 0;
  auto keep = [&](const QStringList& files, const QString& name) {
    ASSERT_FALSE(files.isEmpty()) << name.toStdString();
    QFile::remove(target + name);
    EXPECT_TRUE(QFile::copy(files[0], target + name)) << name.toStdString();
  };
  {
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(testsupport::kPdfNotice, MsgKind::Information);
    PrintOptions.ReceiptA5 = 0;
    PrintOptions.ReceiptCopy = 0;
    quorv::PrintCurrentPupilReceipt();
    keep(testsupport::AnnouncedPdfFiles(msgs.shown()), QStringLiteral("Anl043.pdf"));
  }
  {
    // The receipt's numbered file holds the A4 receipt too: print it in its place.
    env_.dir().writeFile(env_.dir().programDir() + quorv::kReceiptA4FormFile,
                         testsupport::ReadCommittedFormFile(QStringLiteral("Anl041.FST")));
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(testsupport::kPdfNotice, MsgKind::Information);
    quorv::PrintCurrentPupilReceipt();
    keep(testsupport::AnnouncedPdfFiles(msgs.shown()), QStringLiteral("Anl041.pdf"));
  }
  {
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(testsupport::kPdfNotice, MsgKind::Information);
    PrintOptions.ReceiptA5 = 1;
    PrintOptions.ReceiptCopy = 1;
    quorv::PrintCurrentPupilReceipt();
    keep(testsupport::AnnouncedPdfFiles(msgs.shown()), QStringLiteral("Anl143.pdf"));
  }
  for (int conference : {0, 1}) {
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(testsupport::kPdfNotice, MsgKind::Information);
    PrintOptions.ConferencePrint = static_cast<std::uint16_t>(conference);
    quorv::PrintLearningReportsFromCurrentPupil();
    keep(testsupport::AnnouncedPdfFiles(msgs.shown()),
         conference == 0 ? QStringLiteral("Anl170.pdf") : QStringLiteral("Anl170-Vermerke.pdf"));
  }
}
