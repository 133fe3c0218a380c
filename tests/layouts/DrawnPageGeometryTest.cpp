#include "layouts/DrawnPageGeometry.h"

#include <gtest/gtest.h>

#include "layouts/PdfText.h"
#include "platform/PrinterDocument.h"
#include "printengine/Primitives.h"
#include "settings/DrkEinst.h"
#include "support/FixedPrinter.h"
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

  platform::RecordingCanvas recording;
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
