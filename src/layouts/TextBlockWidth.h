#pragma once
// The width limit of the lines of a text block: the printed widths of the
// Windows-1252 characters in the block's font and character spacing, and the
// room a line has from its start to the end of its block.
#include "platform/Canvas.h"
#include "printengine/FormFiles.h"
#include "records/TextWrap.h"

namespace quorv {

// The room of a line printed at field in the block from blockStart to
// blockEnd (0.1 mm, as the field's X): from X to the end for a left-aligned
// field, from the start to X for a right-aligned one, twice the nearer side
// for a centred one; never below 0.
int LineRoom(const TFormField& field, int blockStart, int blockEnd);

// The widths of the characters in font with characterExtra after every
// character, as a device of the text resolution dpi draws them. Kept per
// font, spacing and resolution; a reference stays valid while no more than a
// few dozen other fonts are asked for.
const TCharWidths& CharWidths(const platform::FontSpec& font, int characterExtra, int dpi);

// The limit of the lines of a block at field, printed in font and spacing on
// a device of the text resolution dpi.
TLineWidthLimit BlockLineLimit(const platform::FontSpec& font, int characterExtra, const TFormField& field,
                               int blockStart, int blockEnd, int dpi);

}  // namespace quorv
