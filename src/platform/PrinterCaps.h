#pragma once
// The device capabilities of the current printer. Page origins and the choice
// of coloured pictures read them also while the preview draws, so a page is
// placed on screen as it will be on paper.
#include <functional>

#include "platform/Canvas.h"

namespace platform {

using PrinterCapsSource = std::function<DeviceCaps()>;

// Installs where the capabilities come from (the printer chosen in printer
// set-up, or fixed values in a test) and returns the previous source. An empty
// source restores the default printer of the system.
PrinterCapsSource SetPrinterCapsSource(PrinterCapsSource source);

DeviceCaps CurrentPrinterCaps();

}  // namespace platform
