#pragma once
// Fixes the current printer's capabilities for the lifetime of the object.
#include "platform/PrinterCaps.h"

namespace testsupport {

// A 600 dpi A4 printer whose printable area starts 100 and 75 dots (4.2 and
// 3.2 mm) from the sheet's corner.
inline platform::DeviceCaps OffsetPrinter(int colours = 2) {
  platform::DeviceCaps caps;
  caps.PhysicalOffsetX = 100;
  caps.PhysicalOffsetY = 75;
  caps.NumColors = colours;
  return caps;
}

// A laser printer at 600 dpi: 6.35 mm and 4.23 mm unprintable at the left and
// top, 197 x 284 mm printable.
inline platform::DeviceCaps PrinterWithMargins() {
  platform::DeviceCaps caps;
  caps.PhysicalOffsetX = 150;
  caps.PhysicalOffsetY = 100;
  caps.HorzSize = 197;
  caps.VertSize = 284;
  return caps;
}

class FixedPrinter {
 public:
  explicit FixedPrinter(const platform::DeviceCaps& caps)
      : previous_(platform::SetPrinterCapsSource([caps] { return caps; })) {}
  ~FixedPrinter() { platform::SetPrinterCapsSource(previous_); }
  FixedPrinter(const FixedPrinter&) = delete;
  FixedPrinter& operator=(const FixedPrinter&) = delete;

 private:
  platform::PrinterCapsSource previous_;
};

}  // namespace testsupport
