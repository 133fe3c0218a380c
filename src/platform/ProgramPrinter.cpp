#include "platform/ProgramPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "platform/PrinterDocument.h"

namespace platform {

bool SystemHasPrinter() { return !QPrinterInfo::availablePrinters().isEmpty(); }

QPrinter& ProgramPrinter() { return Printer().SetupPrinter(); }

}  // namespace platform
