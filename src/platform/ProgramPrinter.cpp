#include "platform/ProgramPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

bool SystemHasPrinter() { return !QPrinterInfo::availablePrinters().isEmpty(); }

QPrinter& ProgramPrinter() {
  // Lives until the process ends; a static object would outlive the application.
  static QPrinter* printer = [] {
    auto* p = new QPrinter(QPrinter::HighResolution);
    if (!SystemHasPrinter()) {
      p->setOutputFormat(QPrinter::PdfFormat);
      p->setFullPage(true);
    }
    return p;
  }();
  return *printer;
}

}  // namespace platform
