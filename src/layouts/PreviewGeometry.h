#pragma once
// Where the preview window puts the sheet and the printable area, and how the
// page's 0.1 mm units map onto the screen.
#include <QRect>
#include <QSize>

#include "platform/Canvas.h"

namespace quorv {

// Height of the preview's tool bar in pixels.
inline constexpr int kPreviewToolBarHeight = 39;

// The printer's sheet in whole mm: its size, and the printable area placed on
// it by the physical offsets.
struct TPreviewSheet {
  int Width = 210;
  int Height = 297;
  int OffsetX = 0;
  int OffsetY = 0;
  int PrintableWidth = 210;   // HORZSIZE
  int PrintableHeight = 297;  // VERTSIZE
  bool operator==(const TPreviewSheet&) const = default;
};

// The sheet of a printer's capabilities. A device that gives no usable size
// (no printer, zero resolution or sheet) counts as A4 without an unprintable
// margin; offsets and printable area are kept inside the sheet.
TPreviewSheet PreviewSheetOf(const platform::DeviceCaps& caps);

struct TPreviewLayout {
  TPreviewSheet Sheet;
  QRect SheetRect;      // Shape1, in client pixels
  QRect PageRect;       // PreviewPageControl: the printable area on the sheet
  double Scale = 1.0;   // screen pixels per mm, the same across and down
  // The page control's mapping: the printable area in 0.1 mm (y upward) onto
  // the control's pixels.
  QSize WindowExt;
  QSize ViewportExt;
  double PageWidthMm = 210;   // PreviewPageWidthMm
  double PageHeightMm = 297;  // PreviewPageHeightMm
  // The printer's resolution: text is shown at the size the printer sets it.
  int TextDpi = 0;
};

// Fits the sheet into a client area below the tool bar: 10 pixels beside it
// where the width limits, centred 40 pixels below the top where the height
// limits. Every size is at least one pixel, whatever the client size.
TPreviewLayout LayoutPreviewPage(const platform::DeviceCaps& caps, QSize clientSize);

// Sets the canvas to the layout's mapping and the printer's text sizes and
// paints the printable area white, with a black pen and a white brush, ready
// for a page routine.
void PreparePreviewCanvas(platform::Canvas& canvas, const TPreviewLayout& layout);

}  // namespace quorv
