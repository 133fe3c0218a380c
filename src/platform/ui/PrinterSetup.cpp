#include "platform/ui/PrinterSetup.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/Messages.h"
#include "platform/PrinterDocument.h"
#include "platform/ui/ModalDialogs.h"

namespace platform {

namespace {

const QString kPdfInstead =
    QStringLiteral(" Die Zeugnisse werden dann als PDF-Dateien in den Ordner der Klasse geschrieben.");

// Without a printer the dialog's list is empty: a line below it says why and
// where the printouts go instead.
void AddNoPrinterNote(QPrintDialog& dialog, const PrinterList& list) {
  auto* layout = qobject_cast<QBoxLayout*>(dialog.layout());
  if (!list.Names.isEmpty() || layout == nullptr) return;
  auto* note = new QLabel((list.ServiceRuns ? QStringLiteral("Es ist kein Drucker eingerichtet.")
                                            : QStringLiteral("Der Druckdienst antwortet nicht.")) +
                              kPdfInstead,
                          &dialog);
  note->setObjectName(QStringLiteral("NoPrinterNote"));
  note->setWordWrap(true);
  layout->insertWidget(1, note);  // below the printer list
}

}  // namespace

bool RunPrinterSetup(QWidget* parent) {
  // The printer and its dialog ask the print service themselves and would
  // freeze the window while it hangs: the service is asked first, in the
  // background and for a bounded time.
  PrinterList list;
  if (!Printer().QueryPrinters(list) || !Printer().MakeSetupPrinter()) {
    ShowMessage(QStringLiteral("Der Druckdienst antwortet nicht; Drucker können zur Zeit nicht eingerichtet werden.") +
                    kPdfInstead,
                MsgKind::Warning);
    return false;
  }
  QPrintDialog dialog(&ProgramPrinter(), parent);
  dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
  dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  // The dialog only chooses the printer; its confirming button prints nothing.
  for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
    for (QAbstractButton* button : box->buttons())
      if (box->buttonRole(button) == QDialogButtonBox::AcceptRole) button->setText(QStringLiteral("OK"));
  AddNoPrinterNote(dialog, list);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  Printer().SetChosenPrinter(ProgramPrinter().printerName());
  return true;
}

}  // namespace platform
