#pragma once
// The program's printer object and the platform's printer-setup dialog.
class QPrinter;
class QWidget;

namespace platform {

// The one printer object of the run; reports and the test sheet print on it.
QPrinter& ProgramPrinter();

// Shows the printer-setup dialog (QPrintDialog on ProgramPrinter) modally
// through RunModal. True when the user confirmed the settings.
bool RunPrinterSetup(QWidget* parent);

}  // namespace platform
