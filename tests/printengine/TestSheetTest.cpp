#include <gtest/gtest.h>

#include "platform/RecordingCanvas.h"
#include "printengine/PrinterFonts.h"
#include "printengine/TestSheet.h"
#include "settings/DrkEinst.h"
#include "support/FixedPrinter.h"

using namespace quorv;
using platform::CanvasOp;

namespace {

class TestSheet : public ::testing::Test {
 protected:
  TestSheet() : printer_(platform::DeviceCaps{}) { PrintOptions = DefaultPrintOptions(); }
  ~TestSheet() override { PrintOptions = saved_; }

  std::vector<platform::RecordedOp> Draw() {
    platform::RecordingCanvas canvas;
    DrawPrinterTestSheet(canvas, QDate(2026, 3, 5));
    return canvas.opsOf(CanvasOp::Text);
  }

 private:
  TPrintOptions saved_ = PrintOptions;
  testsupport::FixedPrinter printer_;
};

}  // namespace

TEST(TestSheetLayout, LabelsAndLinePositions) {
  EXPECT_EQ(TestSheetLabel(1), "1 - Courier New, h=4,0mm, normal    12345678901234567890");
  EXPECT_EQ(TestSheetLabel(9), "9 - Courier New, h=7,0mm, normal    1234567890");
  EXPECT_EQ(TestSheetLabel(28), "28 - Arial, h=3,5mm, fett    1234567890123456789012345678901234567890");
  EXPECT_TRUE(TestSheetLabel(37).contains(", unterstrichen+kursiv    "));
  EXPECT_TRUE(TestSheetLabel(38).contains(", unterstrichen+fett+kursiv    "));
  EXPECT_TRUE(TestSheetLabel(33).endsWith(QString("1234567890").repeated(3)));
  const struct {
    int font;
    int y;
  } lines[] = {{1, 100}, {2, 140}, {8, 380}, {9, 450}, {10, 520}, {11, 570}, {15, 760}, {50, 2520}};
  for (const auto& l : lines) EXPECT_EQ(TestSheetLineY(l.font), l.y) << "font " << l.font;
}

TEST_F(TestSheet, DrawsEveryLineAtItsPlaceInItsFont) {
  const auto texts = Draw();
  ASSERT_EQ(texts.size(), 53u);
  EXPECT_EQ(texts[0].Text, "Drucker-Testblatt");
  EXPECT_EQ(texts[0].P1, QPoint(150, -150));
  for (int n = 1; n <= 50; ++n) {
    const auto& op = texts[static_cast<std::size_t>(n)];
    EXPECT_EQ(op.Text, TestSheetLabel(n));
    EXPECT_EQ(op.P1, QPoint(150, -(150 + TestSheetLineY(n))));
    EXPECT_EQ(op.State.Font.Height, PrinterFont(n).Height) << "font " << n;
  }
  EXPECT_EQ(texts[51].P1, QPoint(150, -(150 + 2650)));
  EXPECT_TRUE(texts[51].Text.startsWith("05. ")) << texts[51].Text.toStdString();
  EXPECT_TRUE(texts[51].Text.endsWith(" 2026"));
  EXPECT_EQ(texts[52].Text, "Quorv V.3.x.");
  EXPECT_EQ(texts[52].P1, QPoint(1250, -(150 + 2650)));
}

TEST_F(TestSheet, CompensatedHeightsKeepTheLabels) {
  PrintOptions.FontHeightCompensation = 1;
  const auto texts = Draw();
  ASSERT_EQ(texts.size(), 53u);
  EXPECT_EQ(texts[11].State.Font.Height, PrinterFont(11).CompensatedHeight);
  EXPECT_EQ(texts[11].Text, TestSheetLabel(11));
  EXPECT_TRUE(texts[11].Text.contains("h=4,0mm"));
}
