#include "platform/PrinterCaps.h"

#include <QPrinter>
#include <utility>

#include "platform/PainterCanvas.h"

namespace platform {

namespace {

PrinterCapsSource& Source() {
  static PrinterCapsSource source;
  return source;
}

DeviceCaps DefaultPrinterCaps() {
  // Kept for the whole run: it must not outlive the application on destruction.
  static QPrinter* const printer = new QPrinter(QPrinter::HighResolution);
  return PrinterDeviceCaps(*printer);
}

}  // namespace

PrinterCapsSource SetPrinterCapsSource(PrinterCapsSource source) {
  return std::exchange(Source(), std::move(source));
}

DeviceCaps CurrentPrinterCaps() {
  const PrinterCapsSource& source = Source();
  return source ? source() : DefaultPrinterCaps();
}

}  // namespace platform
