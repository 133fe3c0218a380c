#include "platform/ui/PrinterSetup.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/PrinterDocument.h"
#include "platform/ui/ModalDialogs.h"

namespace platform {

namespace {

// Without a printer the dialog's list is empty: a line below it says why and
// where the printouts go instead.
void AddNoPrinterNote(QPrintDialog& dialog) {
  PrinterList list;
  const bool answers = Printer().QueryPrinters(list);
  auto* layout = qobject_cast<QBoxLayout*>(dialog.layout());
  if ((answers && !list.Names.isEmpty()) || layout == nullptr) return;
  auto* note = new QLabel(
      (answers && list.ServiceRuns ? QStringLiteral("Es ist kein Drucker eingerichtet.")
                                   : QStringLiteral("Der Druckdienst antwortet nicht.")) +
          QStringLiteral(" Die Zeugnisse werden dann als PDF-Dateien in den Ordner der Klasse geschrieben."),
      &dialog);
  note->setObjectName(QStringLiteral("NoPrinterNote"));
  note->setWordWrap(true);
  layout->insertWidget(1, note);  // below the printer list
}

}  // namespace

bool RunPrinterSetup(QWidget* parent) {
  QPrintDialog dialog(&ProgramPrinter(), parent);
  dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
  dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  // The dialog only chooses the printer; its confirming button prints nothing.
  for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
    for (QAbstractButton* button : box->buttons())
      if (box->buttonRole(button) == QDialogButtonBox::AcceptRole) button->setText(QStringLiteral("OK"));
  AddNoPrinterNote(dialog);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  Printer().SetChosenPrinter(ProgramPrinter().printerName());
  return true;
}

}  // namespace platform
