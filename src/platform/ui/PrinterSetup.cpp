#include "platform/ui/PrinterSetup.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
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
  // The dialog only chooses the printer; its confirming button prints nothing.
  for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
    for (QAbstractButton* button : box->buttons())
      if (box->buttonRole(button) == QDialogButtonBox::AcceptRole) button->setText(QStringLiteral("OK"));
  if (RunModal(dialog) != QDialog::Accepted) return false;
  Printer().SetChosenPrinter(ProgramPrinter().printerName());
  return true;
}

}  // namespace platform
