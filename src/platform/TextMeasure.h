#pragma once
// Where the glyphs of a text lie in a canvas font, in logical units along the
// baseline from the text's start, measured as the canvases draw (no kerning,
// no hinting, the size a whole number of the device's pixels), so that a page
// routine can lay one text exactly over another and a line end within its rule.
#include <QString>

#include "platform/Canvas.h"

namespace platform {

struct TextExtent {
  double Advance = 0;   // where the next character would start
  double InkLeft = 0;   // where the first glyph's ink starts
  double InkRight = 0;  // where the last glyph's ink ends (InkLeft when nothing is inked)
};

// At dpi 0 the font has its exact size; else the size a device of that
// resolution draws it at, a whole number of its pixels (TextResolution).
TextExtent MeasureText(const FontSpec& font, const QString& text, int dpi = 0);

// The em height (logical units of 0.1 mm) a device of the resolution draws
// an em of that height at: a whole number of its pixels, at least one.
double WholePixelEm(double em, int dpi);

}  // namespace platform
