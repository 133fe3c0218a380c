#include "platform/ui/PrinterSetup.h"

#include <QPrintDialog>
#include <QPrinter>

#include "platform/ui/ModalDialogs.h"

namespace platform {

bool RunPrinterSetup(QWidget* parent) {
  QPrintDialog dialog(&ProgramPrinter(), parent);
  dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
  dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  return RunModal(dialog) == QDialog::Accepted;
}

}  // namespace platform
