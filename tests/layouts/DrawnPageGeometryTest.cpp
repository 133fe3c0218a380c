#include "layouts/DrawnPageGeometry.h"

#include <gtest/gtest.h>

#include "layouts/LayoutHelpers.h"
#include "layouts/PdfText.h"
#include "platform/PrinterDocument.h"
#include "printengine/Primitives.h"
#include "settings/DrkEinst.h"
#include "support/FixedPrinter.h"
#include "support/ProgramState.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using testsupport::SheetRect;

namespace {

const quorv::PageOrigins kOrigins{quorv::TOriginPoint{150, 150}, quorv::TOriginPoint{150, 150}};

quorv::TFormField At(int x, int y, int align, int font) {
  return quorv::TFormField{static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y),
                           static_cast<std::uint16_t>(align), static_cast<std::uint16_t>(font), 1, 1};
}

// Texts in every alignment, squeezed and turned, each far from the others.
struct Sample {
  QString Text;
  quorv::TFormField Field;
  int Extra;
  int Angle;  // 0: PrintField, else PrintFieldRotated
};
const Sample kSamples[] = {
    {QStringLiteral("Regionale Schule am See, 12345 Seestadt"), At(900, 100, 1, 21), 0, 0},
    {QStringLiteral("Empfangsbekenntnis (zweifach):"), At(100, 300, 0, 30), 0, 0},
    {QStringLiteral("geb. am: "), At(1700, 500, 2, 15), 0, 0},
    {QStringLiteral("Anna-Katharina Marie-Luise Eva Schwarzenberg"), At(100, 700, 0, 12), -4, 0},
    {QStringLiteral("Übergangszeugnis der Förderschule"), At(300, 900, 0, 13), 0, 0},
    {QStringLiteral("Quorv V.3.x."), At(1830, 1200, 0, 21), 0, 270},
};

void Draw(platform::Canvas& canvas) {
  for (const Sample& s : kSamples) {
    canvas.SetTextCharacterExtra(s.Extra);
    if (s.Angle == 0)
      quorv::PrintField(canvas, s.Text, s.Field, 1, kOrigins);
    else
      quorv::PrintFieldRotated(canvas, s.Text, s.Field, s.Angle, 1, kOrigins);
    canvas.SetTextCharacterExtra(0);
  }
}

}  // namespace

TEST(DrawnPageGeometry, TextBoxesAreWhereThePdfPutsTheText) {
  if (!testsupport::HavePdfText()) GTEST_SKIP() << "no pdftotext";
  testsupport::TempProgramDir dir;
  testsupport::FixedPrinter fixed(platform::DeviceCaps{});
  const quorv::TPrintOptions saved = quorv::PrintOptions;
  quorv::PrintOptions = quorv::DefaultPrintOptions();
  platform::PrinterDocument& printer = platform::Printer();
  printer.SetDestination(platform::PrintDestination::PdfFile);
  printer.SetPdfFolder(dir.dataDir());
  printer.SetTitle(QStringLiteral("Geometrie"));
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(QStringLiteral("Es ist kein Drucker eingerichtet."), platform::MsgKind::Information);
  ASSERT_TRUE(printer.BeginDoc());
  printer.canvas().SetMapMode(platform::MapMode::LoMetric);
  Draw(printer.canvas());
  printer.EndDoc();
  printer.SetDestination(platform::PrintDestination::Auto);

  platform::DeviceCaps pdfCaps;  // the resolution of the PDF sets the sizes of its texts
  pdfCaps.LogPixelsX = pdfCaps.LogPixelsY = 1200;
  platform::RecordingCanvas recording(pdfCaps);
  recording.SetMapMode(platform::MapMode::LoMetric);
  Draw(recording);
  quorv::PrintOptions = saved;

  const std::vector<testsupport::DrawnText> texts = testsupport::DrawnTexts(recording);
  const std::vector<SheetRect> pdf = testsupport::PdfTextLines(printer.LastPdfFile());
  ASSERT_EQ(texts.size(), std::size(kSamples));
  ASSERT_EQ(pdf.size(), texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const SheetRect& a = texts[i].Cell;
    const SheetRect& b = pdf[i];
    // Within 0.2 mm on every side (the ink of a trailing blank is not in the PDF's box).
    const double slack = texts[i].Text.endsWith(QLatin1Char(' ')) ? 15 : 2;
    EXPECT_NEAR(a.Left, b.Left, 2) << texts[i].Text.toStdString();
    EXPECT_NEAR(a.Right, b.Right, slack) << texts[i].Text.toStdString();
    EXPECT_NEAR(a.Top, b.Top, 2) << texts[i].Text.toStdString();
    EXPECT_NEAR(a.Bottom, b.Bottom, 2) << texts[i].Text.toStdString();
  }
}

TEST(DrawnPageGeometry, FindsOverlapsLinesThroughTextsAndWhatLeavesTheArea) {
  const quorv::TPrintOptions saved = quorv::PrintOptions;
  quorv::PrintOptions = quorv::DefaultPrintOptions();
  testsupport::FixedPrinter fixed(platform::DeviceCaps{});
  platform::RecordingCanvas canvas;
  canvas.SetMapMode(platform::MapMode::LoMetric);
  quorv::PrintField(canvas, QStringLiteral("Vorname und Name"), At(100, 200, 0, 11), 1, kOrigins);
  quorv::PrintField(canvas, QStringLiteral("Klasse"), At(300, 220, 0, 11), 1, kOrigins);  // 2 mm lower: overlaps
  quorv::PrintField(canvas, QStringLiteral("unten"), At(100, 400, 0, 11), 1, kOrigins);
  quorv::DrawLine(canvas, 0, 1800, 390, 150, 150, 2);   // through "unten"
  quorv::DrawLine(canvas, 0, 1800, 600, 150, 150, 1);   // under nothing
  quorv::PrintField(canvas, QStringLiteral("Rand"), At(1950, 800, 0, 11), 1, kOrigins);  // beyond 205 mm
  quorv::PrintField(canvas, QStringLiteral("Strich"), At(100, 1000, 0, 11), 1, kOrigins);
  quorv::DrawLine(canvas, 0, 500, 1000, 150, 150, 1);   // at the cell's bottom: under the text
  quorv::PrintField(canvas, QStringLiteral("Zeile 2"), At(100, 1040, 0, 11), 1, kOrigins);  // 4 mm apart: touching
  quorv::PrintOptions = saved;

  const auto texts = testsupport::DrawnTexts(canvas);
  const auto lines = testsupport::DrawnLines(canvas);
  const QStringList overlaps = testsupport::OverlappingTexts(texts);
  ASSERT_EQ(overlaps.size(), 1) << overlaps.join('\n').toStdString();
  EXPECT_TRUE(overlaps[0].startsWith(QStringLiteral("\"Vorname und Name\"")));
  EXPECT_TRUE(overlaps[0].contains(QStringLiteral("\"Klasse\"")));
  const QStringList through = testsupport::LinesThroughTexts(texts, lines);
  ASSERT_EQ(through.size(), 1) << through.join('\n').toStdString();
  EXPECT_TRUE(through[0].contains(QStringLiteral("\"unten\"")));
  const QStringList outside = testsupport::OutsideOf(texts, lines, SheetRect{50, 50, 2050, 2920});
  ASSERT_EQ(outside.size(), 1) << outside.join('\n').toStdString();
  EXPECT_TRUE(outside[0].contains(QStringLiteral("\"Rand\"")));
}

// ---- strike-outs, labels, pictures and subject rows ------------------------------------

class StrikeOutGeometry : public ::testing::Test {
 protected:
  StrikeOutGeometry() : fixed_(platform::DeviceCaps{}) {
    quorv::PrintOptions = quorv::DefaultPrintOptions();
    canvas_.SetMapMode(platform::MapMode::LoMetric);
  }

  testsupport::SavedProgramState state_;
  testsupport::FixedPrinter fixed_;
  platform::RecordingCanvas canvas_;
};

TEST_F(StrikeOutGeometry, StrikeOverPartCoversExactlyThePartInEveryFaceSizeAndAlignment) {
  const struct {
    const char* Base;
    const char* Part;
  } texts[] = {{"Stempel/Siegel", "Stempel/"},
               {"Stempel/Siegel", "/Siegel"},
               {"wird nach Erfüllung seiner/ihrer Pflicht", "seiner/"},
               {"wird nach Erfüllung seiner/ihrer Pflicht", "/ihrer"},
               {"ev. / kath. Religion /", "ev."},
               {"über das 1. Schulhalbjahr / Schuljahr", "1. Schulhalbjahr /"}};
  // Base font, fill font: Times, Arial, Courier, bold, italic, small and large.
  const int fonts[][2] = {{17, 17}, {17, 2}, {11, 8}, {22, 22}, {1, 1}, {13, 2}, {46, 40}, {15, 5}};
  for (const auto& t : texts)
    for (const auto& f : fonts)
      for (int align : {0, 1, 2})
        for (QChar fill : {QLatin1Char('#'), QLatin1Char('X'), QLatin1Char('-')}) {
          canvas_.clear();
          const quorv::TFormField base = At(900, 500, align, f[0]);
          quorv::PrintField(canvas_, QString::fromUtf8(t.Base), base, 1, kOrigins);
          quorv::StrikeOverPart(canvas_, QString::fromUtf8(t.Base), base, QString::fromUtf8(t.Part), fill,
                                At(0, 500, 0, f[1]), 1, kOrigins);
          EXPECT_EQ(testsupport::StruckPart(canvas_, QString::fromUtf8(t.Base), fill).toStdString(), t.Part)
              << "fonts " << f[0] << "/" << f[1] << ", align " << align << ", fill " << fill.toLatin1();
        }
}

TEST_F(StrikeOutGeometry, ChecksFindLettersShowingLabelsOnRulesPicturesOverTextsAndMixedRowFonts) {
  // A fixed fill of three characters over "seiner": letters show.
  quorv::PrintField(canvas_, QStringLiteral("Erfüllung seiner/ihrer Pflicht"), At(100, 300, 0, 17), 1, kOrigins);
  quorv::PrintField(canvas_, QStringLiteral(" ### "), At(224, 300, 0, 2), 1, kOrigins);
  const QString struck = testsupport::StruckPart(canvas_, QStringLiteral("Erfüllung seiner/ihrer Pflicht"));
  EXPECT_TRUE(struck.contains(QStringLiteral("partly"))) << struck.toStdString();

  // Labels about 0.1 mm and 0.5 mm under their rules (Times 3 mm: capitals
  // begin about 0.55 mm below the cell's top); an entry standing on its rule.
  canvas_.clear();
  for (int y : {400, 700, 1000}) quorv::DrawLine(canvas_, 100, 900, y, 150, 150, 2);
  quorv::PrintField(canvas_, QStringLiteral("Ort, Datum"), At(100, 426, 0, 15), 1, kOrigins);
  quorv::PrintField(canvas_, QStringLiteral("Unterschrift"), At(100, 730, 0, 15), 1, kOrigins);
  quorv::PrintField(canvas_, QStringLiteral("Seestadt, 1.7.2007"), At(100, 1000, 0, 12), 1, kOrigins);
  const QStringList close =
      testsupport::TextsCloseToLines(testsupport::DrawnTexts(canvas_), testsupport::DrawnLines(canvas_), 3);
  ASSERT_EQ(close.size(), 1) << close.join('\n').toStdString();
  EXPECT_TRUE(close[0].startsWith(QStringLiteral("\"Ort, Datum\"")));

  // A picture over a text and one outside the frame.
  canvas_.clear();
  quorv::PrintField(canvas_, QStringLiteral("Abgangszeugnis"), At(900, 520, 1, 20), 1, kOrigins);
  const platform::Picture arms{QImage(22, 26, QImage::Format_RGB32), QStringLiteral("13F.BMP")};
  canvas_.StretchDraw(1000, -600, 1220, -860, arms);   // over the title
  canvas_.StretchDraw(1900, -200, 2120, -460, arms);   // beyond the frame's right edge
  canvas_.StretchDraw(1500, -1000, 1720, -1260, arms);  // clear of everything
  const QStringList pictures = testsupport::PictureProblems(canvas_, testsupport::DrawnTexts(canvas_),
                                                            SheetRect{160, 160, 1990, 2840});
  ASSERT_EQ(pictures.size(), 2) << pictures.join('\n').toStdString();
  EXPECT_TRUE(pictures[0].contains(QStringLiteral("Abgangszeugnis")));
  EXPECT_TRUE(pictures[1].contains(QStringLiteral("outside the frame")));

  // Subject rows: field 32 at (100, 350), pitch 90, right column 845 further; one row in Courier.
  canvas_.clear();
  quorv::TFormFieldTable fields{};
  fields[32] = At(100, 350, 0, 17);
  fields[34] = At(635, 0, 1, 12);
  fields[36] = At(845, 0, 0, 0);
  fields[40] = At(0, 90, 0, 0);
  const char* names[] = {"Deutsch", "Französisch", "Mathematik"};
  for (int r = 0; r < 3; ++r) {
    const int rowY = 350 + 90 * r;
    quorv::DrawFrame(canvas_, 635 + 100 - 150, rowY - 67, 635 + 100 + 150, rowY, 150, 150, 22);
    quorv::PrintField(canvas_, QString::fromUtf8(names[r]), At(100, rowY, 0, r == 1 ? 1 : 17), 1, kOrigins);
    quorv::PrintField(canvas_, QStringLiteral("Physik"), At(945, rowY, 0, 17), 1, kOrigins);
  }
  quorv::PrintField(canvas_, QStringLiteral("1. Fremdsprache"), At(100, 350 + 90 + 30, 0, 15), 1, kOrigins);
  testsupport::SheetLimits limits{SheetRect{160, 160, 1990, 2840}, SheetRect{50, 50, 2050, 2920}, &fields,
                                  QPoint(150, 150)};
  const QStringList rows = testsupport::MixedSubjectRowFonts(canvas_, limits, QLatin1Char('#'));
  ASSERT_EQ(rows.size(), 1) << rows.join('\n').toStdString();
  EXPECT_TRUE(rows[0].contains(QStringLiteral("\"Französisch\" in Courier New 40")));
}
