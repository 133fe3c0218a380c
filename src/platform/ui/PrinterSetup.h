#pragma once
// The program's printer object and the platform's printer-setup dialog.
#include "platform/ProgramPrinter.h"

class QWidget;

namespace platform {

// Shows the printer-setup dialog (QPrintDialog on ProgramPrinter) modally
// through RunModal. True when the user confirmed the settings.
bool RunPrinterSetup(QWidget* parent);

}  // namespace platform
