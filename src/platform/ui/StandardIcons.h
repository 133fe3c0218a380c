#pragma once
// The style's standard icons, shared by every window of the program. The
// style decodes all sizes of an icon's pictures when asked for it, so an icon
// is asked for only when it is first drawn: one on a page or in a dialog not
// yet shown costs nothing.
#include <QIcon>
#include <QStyle>

namespace platform {

QIcon StandardIcon(QStyle::StandardPixmap which);

// Drops the pictures asked for so far; each is asked for again when next
// drawn, as in a program just started (for measuring the start).
void ForgetStandardIconPictures();

}  // namespace platform
