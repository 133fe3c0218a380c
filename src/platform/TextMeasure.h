#pragma once
// Where the glyphs of a text lie in a canvas font, in logical units along the
// baseline from the text's start, measured as the canvases draw (no kerning,
// no hinting), so that a page routine can lay one text exactly over another.
#include <QString>

#include "platform/Canvas.h"

namespace platform {

struct TextExtent {
  double Advance = 0;   // where the next character would start
  double InkLeft = 0;   // where the first glyph's ink starts
  double InkRight = 0;  // where the last glyph's ink ends (InkLeft when nothing is inked)
};

TextExtent MeasureText(const FontSpec& font, const QString& text);

}  // namespace platform
