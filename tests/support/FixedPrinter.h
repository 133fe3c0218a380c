#pragma once
// Fixes the current printer's capabilities for the lifetime of the object.
#include "platform/PrinterCaps.h"

namespace testsupport {

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
