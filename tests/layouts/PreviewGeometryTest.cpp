#include "layouts/PreviewGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/PrinterCaps.h"
#include "platform/PrinterDocument.h"
#include "platform/RecordingCanvas.h"
#include "support/FixedPrinter.h"

using quorv::LayoutPreviewPage;
using quorv::PreviewSheetOf;
using quorv::TPreviewLayout;
using quorv::TPreviewSheet;

namespace {

platform::DeviceCaps A4NoMargin() { return platform::DeviceCaps{}; }

platform::DeviceCaps A4WithMargins() { return testsupport::PrinterWithMargins(); }

// A4 landscape at 300 dpi with 5 mm all round.
platform::DeviceCaps A4Landscape() {
  platform::DeviceCaps caps;
  caps.LogPixelsX = caps.LogPixelsY = 300;
  caps.PhysicalWidth = 3508;
  caps.PhysicalHeight = 2480;
  caps.PhysicalOffsetX = caps.PhysicalOffsetY = 59;
  caps.HorzSize = 287;
  caps.VertSize = 200;
  return caps;
}

// The screen pixel of a logical point on the page control.
QPointF OnScreen(const TPreviewLayout& l, double x, double y) {
  return QPointF(l.PageRect.left() + x * l.ViewportExt.width() / l.WindowExt.width(),
                 l.PageRect.top() + y * l.ViewportExt.height() / l.WindowExt.height());
}

}  // namespace

TEST(PreviewSheet, WholeMillimetresOfTheDevice) {
  const struct {
    const char* name;
    platform::DeviceCaps caps;
    TPreviewSheet sheet;
  } cases[] = {
      {"A4 without margin", A4NoMargin(), {210, 297, 0, 0, 210, 297}},
      {"A4 with margins", A4WithMargins(), {210, 297, 6, 4, 197, 284}},
      {"A4 landscape", A4Landscape(), {297, 210, 5, 5, 287, 200}},
  };
  for (const auto& c : cases) EXPECT_EQ(PreviewSheetOf(c.caps), c.sheet) << c.name;
}

TEST(PreviewSheet, UnusableDeviceGivesA4WithoutMargin) {
  const TPreviewSheet a4{210, 297, 0, 0, 210, 297};
  platform::DeviceCaps none{0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(PreviewSheetOf(none), a4);
  platform::DeviceCaps noResolution = A4WithMargins();
  noResolution.LogPixelsY = 0;
  EXPECT_EQ(PreviewSheetOf(noResolution), a4);
  platform::DeviceCaps negative = A4WithMargins();
  negative.PhysicalHeight = -7016;
  EXPECT_EQ(PreviewSheetOf(negative), a4);
}

TEST(PreviewSheet, PrintableAreaStaysOnTheSheet) {
  platform::DeviceCaps caps = A4WithMargins();
  caps.HorzSize = 0;  // no printable size: up to the sheet's edge
  caps.VertSize = 400;
  caps.PhysicalOffsetX = -30;
  const TPreviewSheet sheet = PreviewSheetOf(caps);
  EXPECT_EQ(sheet.OffsetX, 0);
  EXPECT_EQ(sheet.PrintableWidth, 210);
  EXPECT_EQ(sheet.PrintableHeight, 297 - 4);
}

TEST(PreviewSheet, NoPrinterMeansA4WithoutMargin) {
  platform::PrinterDocument& printer = platform::Printer();
  const platform::PrinterCapsSource previous = platform::SetPrinterCapsSource({});
  printer.SetDestination(platform::PrintDestination::PdfFile);
  const TPreviewSheet sheet = PreviewSheetOf(platform::CurrentPrinterCaps());
  printer.SetDestination(platform::PrintDestination::Auto);
  platform::SetPrinterCapsSource(previous);
  EXPECT_EQ(sheet, (TPreviewSheet{210, 297, 0, 0, 210, 297}));
}

TEST(PreviewLayout, SheetPlacedAsTheWindowAllows) {
  const struct {
    int cw, ch;
    QRect sheet;
  } cases[] = {
      // Wide: the height limits, centred 40 pixels below the top.
      {1000, 800, QRect(235, 40, 530, 750)},
      {1280, 1024, QRect(296, 40, 689, 974)},
      // Narrow: 10 pixels left and right, centred around half the height + 8.
      {400, 800, QRect(10, 140, 380, 537)},
      {300, 1000, QRect(10, 310, 280, 396)},
  };
  for (const auto& c : cases) {
    const TPreviewLayout l = LayoutPreviewPage(A4NoMargin(), QSize(c.cw, c.ch));
    EXPECT_EQ(l.SheetRect, c.sheet) << c.cw << "x" << c.ch;
    // Without unprintable margins the page covers the sheet.
    EXPECT_EQ(l.PageRect, c.sheet) << c.cw << "x" << c.ch;
  }
}

TEST(PreviewLayout, PageDrawnToScaleAndWhole) {
  const QSize windows[] = {{1000, 800}, {400, 800}, {1920, 1080}, {800, 600}, {640, 2000}, {200, 150}};
  const struct {
    const char* name;
    platform::DeviceCaps caps;
  } printers[] = {{"A4", A4NoMargin()}, {"margins", A4WithMargins()}, {"landscape", A4Landscape()}};
  for (const auto& p : printers) {
    for (const QSize& window : windows) {
      const TPreviewLayout l = LayoutPreviewPage(p.caps, window);
      const TPreviewSheet& s = l.Sheet;
      SCOPED_TRACE(std::string(p.name) + " " + std::to_string(window.width()) + "x" +
                   std::to_string(window.height()));
      // The sheet keeps the paper's proportions and lies in the window below the tool bar.
      EXPECT_NEAR(double(l.SheetRect.width()) / l.SheetRect.height(), double(s.Width) / s.Height,
                  1.0 / l.SheetRect.height() + 1.0 / l.SheetRect.width());
      EXPECT_GE(l.SheetRect.left(), 0);
      EXPECT_LE(l.SheetRect.right(), window.width() - 1);
      EXPECT_GT(l.SheetRect.top(), quorv::kPreviewToolBarHeight);
      EXPECT_LE(l.SheetRect.bottom(), window.height() - 1);
      // The printable area maps onto the page control exactly: nothing is cut.
      EXPECT_EQ(l.WindowExt, QSize(s.PrintableWidth * 10, -s.PrintableHeight * 10));
      EXPECT_EQ(l.ViewportExt, l.PageRect.size());
      EXPECT_TRUE(l.SheetRect.adjusted(0, 0, 1, 1).contains(l.PageRect)) << l.PageRect.x() << "," << l.PageRect.y();
      // One millimetre is Scale pixels across and down, on the sheet as on the page.
      const double across = double(l.ViewportExt.width()) / l.WindowExt.width() * 10;
      const double down = -double(l.ViewportExt.height()) / l.WindowExt.height() * 10;
      EXPECT_NEAR(across, l.Scale, 0.5 / s.PrintableWidth);
      EXPECT_NEAR(down, l.Scale, 0.5 / s.PrintableHeight);
      EXPECT_NEAR(l.SheetRect.width(), s.Width * l.Scale, 1.0);
      EXPECT_NEAR(l.SheetRect.height(), s.Height * l.Scale, 1.0);
      // A point 150 mm right and 200 mm down on the paper is there on the screen.
      const QPointF paper(l.SheetRect.left() + 150 * l.Scale, l.SheetRect.top() + 200 * l.Scale);
      const QPointF drawn = OnScreen(l, (150 - s.OffsetX) * 10, -(200 - s.OffsetY) * 10);
      EXPECT_NEAR(drawn.x(), paper.x(), 1.0);
      EXPECT_NEAR(drawn.y(), paper.y(), 1.0);
      EXPECT_EQ(l.PageWidthMm, s.PrintableWidth);
      EXPECT_EQ(l.PageHeightMm, s.PrintableHeight);
    }
  }
}

TEST(PreviewLayout, PrintableAreaOnTheSheetByTheOffsets) {
  const TPreviewLayout l = LayoutPreviewPage(A4WithMargins(), QSize(1000, 800));
  EXPECT_EQ(l.SheetRect, QRect(235, 40, 530, 750));
  // 530 / 210 pixels per mm: offsets 6 and 4 mm, printable 197 x 284 mm.
  EXPECT_DOUBLE_EQ(l.Scale, 530.0 / 210);
  EXPECT_EQ(l.PageRect, QRect(235 + 15, 40 + 10, 497, 717));
}

TEST(PreviewLayout, SheetNeverUnderTheToolBar) {
  // Just on the narrow side of the sheet's proportions the centred sheet
  // would reach up into the tool bar.
  for (int cw = 500; cw <= 560; ++cw) {
    const TPreviewLayout l = LayoutPreviewPage(A4NoMargin(), QSize(cw, 760));
    EXPECT_GE(l.SheetRect.top(), 40) << cw;
    EXPECT_LE(l.SheetRect.bottom(), 759) << cw;
  }
}

TEST(PreviewLayout, TinyWindowsGiveNoEmptyOrNegativeSizes) {
  const QSize windows[] = {{0, 0}, {1, 1}, {10, 40}, {20, 50}, {21, 39}, {5, 800}, {800, 5}, {-20, -60}};
  for (const platform::DeviceCaps& caps : {A4NoMargin(), A4WithMargins(), platform::DeviceCaps{0, 0, 0, 0, 0, 0, 0, 0, 0}}) {
    for (const QSize& window : windows) {
      const TPreviewLayout l = LayoutPreviewPage(caps, window);
      SCOPED_TRACE(std::to_string(window.width()) + "x" + std::to_string(window.height()));
      EXPECT_GE(l.SheetRect.width(), 1);
      EXPECT_GE(l.SheetRect.height(), 1);
      EXPECT_GE(l.PageRect.width(), 1);
      EXPECT_GE(l.PageRect.height(), 1);
      EXPECT_TRUE(std::isfinite(l.Scale));
      EXPECT_GT(l.Scale, 0);
      EXPECT_NE(l.WindowExt.width(), 0);
      EXPECT_NE(l.WindowExt.height(), 0);
      // The canvas takes the mapping.
      platform::RecordingCanvas canvas;
      quorv::PreparePreviewCanvas(canvas, l);
      EXPECT_EQ(canvas.state().WindowExt, l.WindowExt);
      EXPECT_EQ(canvas.state().ViewportExt, l.ViewportExt);
    }
  }
}

TEST(PreviewLayout, CanvasPreparedWhiteInTenthsOfMillimetresUpward) {
  const TPreviewLayout l = LayoutPreviewPage(A4WithMargins(), QSize(1000, 800));
  platform::RecordingCanvas canvas;
  canvas.SetPen(platform::PenSpec{QColor(255, 0, 0), 3, platform::PenStyle::Solid});
  quorv::PreparePreviewCanvas(canvas, l);
  EXPECT_EQ(canvas.state().Mapping, platform::MapMode::Anisotropic);
  EXPECT_GT(canvas.ScaleX(), 0);
  EXPECT_LT(canvas.ScaleY(), 0);  // y grows upward
  EXPECT_EQ(canvas.pen().Color, QColor(0, 0, 0));
  EXPECT_EQ(canvas.brush(), (platform::BrushSpec{QColor(255, 255, 255), platform::BrushStyle::Solid}));
  ASSERT_EQ(canvas.ops().size(), 1u);
  const platform::RecordedOp& fill = canvas.ops()[0];
  EXPECT_EQ(fill.Op, platform::CanvasOp::FillRect);
  EXPECT_EQ(fill.P1, QPoint(0, 0));
  EXPECT_EQ(fill.P2, QPoint(1970, -2840));
  EXPECT_EQ(fill.State.Brush.Color, QColor(255, 255, 255));
  // The far corner of the printable area is the page control's far corner.
  EXPECT_EQ(canvas.LogicalToDevice(1970, -2840), QPointF(l.PageRect.width(), l.PageRect.height()));
}
