#include "platform/PrinterCaps.h"

#include <utility>

#include "platform/PrinterDocument.h"

namespace platform {

namespace {

PrinterCapsSource& Source() {
  static PrinterCapsSource source;
  return source;
}

// The printer that documents go to (a PDF sheet when the machine has none).
DeviceCaps DefaultPrinterCaps() { return Printer().Caps(); }

}  // namespace

PrinterCapsSource SetPrinterCapsSource(PrinterCapsSource source) {
  return std::exchange(Source(), std::move(source));
}

DeviceCaps CurrentPrinterCaps() {
  const PrinterCapsSource& source = Source();
  return source ? source() : DefaultPrinterCaps();
}

}  // namespace platform
