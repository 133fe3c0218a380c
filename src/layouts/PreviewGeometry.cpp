#include "layouts/PreviewGeometry.h"

#include <algorithm>

namespace quorv {

namespace {

using platform::RoundHalfEven;

// Space around the sheet: 10 pixels at the sides, the tool bar and a gap above.
constexpr int kSideGap = 10;
constexpr int kSheetTop = 40;

int MmOf(int deviceUnits, int dotsPerInch) {
  return RoundHalfEven(static_cast<double>(deviceUnits) * 25.4 / dotsPerInch);
}

}  // namespace

TPreviewSheet PreviewSheetOf(const platform::DeviceCaps& caps) {
  const TPreviewSheet a4;
  if (caps.LogPixelsX <= 0 || caps.LogPixelsY <= 0 || caps.PhysicalWidth <= 0 || caps.PhysicalHeight <= 0)
    return a4;
  TPreviewSheet sheet;
  sheet.Width = MmOf(caps.PhysicalWidth, caps.LogPixelsX);
  sheet.Height = MmOf(caps.PhysicalHeight, caps.LogPixelsY);
  if (sheet.Width <= 0 || sheet.Height <= 0) return a4;
  sheet.OffsetX = std::clamp(MmOf(caps.PhysicalOffsetX, caps.LogPixelsX), 0, sheet.Width - 1);
  sheet.OffsetY = std::clamp(MmOf(caps.PhysicalOffsetY, caps.LogPixelsY), 0, sheet.Height - 1);
  const int restX = sheet.Width - sheet.OffsetX;
  const int restY = sheet.Height - sheet.OffsetY;
  // A device without a printable size prints up to the sheet's edge.
  sheet.PrintableWidth = caps.HorzSize > 0 ? std::min(caps.HorzSize, restX) : restX;
  sheet.PrintableHeight = caps.VertSize > 0 ? std::min(caps.VertSize, restY) : restY;
  return sheet;
}

TPreviewLayout LayoutPreviewPage(const platform::DeviceCaps& caps, QSize clientSize) {
  TPreviewLayout layout;
  const TPreviewSheet& sheet = layout.Sheet = PreviewSheetOf(caps);
  const int cw = clientSize.width();
  const int ch = clientSize.height();
  const double aspect = static_cast<double>(sheet.Width) / sheet.Height;

  // (cw - 10) / (ch - 40) < aspect, compared without dividing by the height.
  const bool widthLimits =
      static_cast<double>(cw - kSideGap) * sheet.Height < static_cast<double>(sheet.Width) * (ch - kSheetTop);
  int w = 0;
  int h = 0;
  int left = 0;
  int top = 0;
  if (widthLimits) {
    w = std::max(1, cw - 2 * kSideGap);
    h = std::max(1, RoundHalfEven(w / aspect));
    left = kSideGap;
    // Centred, but never under the tool bar.
    top = std::max(kSheetTop, RoundHalfEven(ch / 2.0 + 8 - h / 2.0));
  } else {
    h = std::max(1, ch - kSheetTop - kSideGap);
    w = std::max(1, RoundHalfEven(h * aspect));
    top = kSheetTop;
    left = RoundHalfEven(cw / 2.0 - w / 2.0);
  }
  layout.SheetRect = QRect(left, top, w, h);

  // One scale across and down, so the page keeps its proportions and fits the sheet.
  const double s = std::min(static_cast<double>(w) / sheet.Width, static_cast<double>(h) / sheet.Height);
  layout.Scale = s;
  layout.PageRect = QRect(left + RoundHalfEven(sheet.OffsetX * s), top + RoundHalfEven(sheet.OffsetY * s),
                          std::max(1, RoundHalfEven(sheet.PrintableWidth * s)),
                          std::max(1, RoundHalfEven(sheet.PrintableHeight * s)));
  // The printable area in 0.1 mm onto the page control, y growing upward.
  layout.WindowExt = QSize(sheet.PrintableWidth * 10, -sheet.PrintableHeight * 10);
  layout.ViewportExt = layout.PageRect.size();
  layout.PageWidthMm = sheet.PrintableWidth;
  layout.PageHeightMm = sheet.PrintableHeight;
  layout.TextDpi = caps.LogPixelsY;
  return layout;
}

void PreparePreviewCanvas(platform::Canvas& canvas, const TPreviewLayout& layout) {
  canvas.SetMapMode(platform::MapMode::Anisotropic);
  canvas.SetWindowExt(layout.WindowExt.width(), layout.WindowExt.height());
  canvas.SetViewportExt(layout.ViewportExt.width(), layout.ViewportExt.height());
  canvas.SetTextResolution(layout.TextDpi);
  canvas.SetBkMode(platform::BkMode::Transparent);
  canvas.SetBrush(platform::BrushSpec{QColor(255, 255, 255), platform::BrushStyle::Solid});
  platform::PenSpec pen = canvas.pen();
  pen.Color = QColor(0, 0, 0);
  canvas.SetPen(pen);
  canvas.FillRect(0, 0, layout.WindowExt.width(), layout.WindowExt.height());
}

}  // namespace quorv
