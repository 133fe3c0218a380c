#include "platform/PrinterCaps.h"

#include <QPrinter>
#include <memory>
#include <utility>

#include "platform/PainterCanvas.h"

namespace platform {

namespace {

PrinterCapsSource& Source() {
  static PrinterCapsSource source;
  return source;
}

DeviceCaps DefaultPrinterCaps() {
  static std::unique_ptr<QPrinter> printer;
  if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
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
