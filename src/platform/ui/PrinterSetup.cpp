#include "platform/ui/PrinterSetup.h"

#include <QPrintDialog>
#include <QPrinter>

#include "platform/ui/ModalDialogs.h"

namespace platform {

QPrinter& ProgramPrinter() {
  // Lives until the process ends; a static object would outlive the application.
  static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
  return *printer;
}

bool RunPrinterSetup(QWidget* parent) {
  QPrintDialog dialog(&ProgramPrinter(), parent);
  dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
  dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  return RunModal(dialog) == QDialog::Accepted;
}

}  // namespace platform
