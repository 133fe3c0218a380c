#include "platform/PrinterCaps.h"

#include <QPrinter>
#include <utility>

#include "platform/PainterCanvas.h"
#include "platform/ProgramPrinter.h"

namespace platform {

namespace {

PrinterCapsSource& Source() {
  static PrinterCapsSource source;
  return source;
}

DeviceCaps DefaultPrinterCaps() { return PrinterDeviceCaps(ProgramPrinter()); }

}  // namespace

PrinterCapsSource SetPrinterCapsSource(PrinterCapsSource source) {
  return std::exchange(Source(), std::move(source));
}

DeviceCaps CurrentPrinterCaps() {
  const PrinterCapsSource& source = Source();
  return source ? source() : DefaultPrinterCaps();
}

}  // namespace platform
