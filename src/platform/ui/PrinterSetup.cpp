#include "platform/ui/PrinterSetup.h"

#include <QPrintDialog>
#include <QPrinter>

#include "platform/PrinterDocument.h"
#include "platform/ui/ModalDialogs.h"

namespace platform {

bool RunPrinterSetup(QWidget* parent) {
  QPrintDialog dialog(&ProgramPrinter(), parent);
  dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
  dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  Printer().SetChosenPrinter(ProgramPrinter().printerName());
  return true;
}

}  // namespace platform
