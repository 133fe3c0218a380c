#pragma once
// The one printer object of the run: the printer chosen in printer set-up, or,
// on a machine without printers, a PDF printer that prints the full page.
class QPrinter;

namespace platform {

QPrinter& ProgramPrinter();
// True when the system knows at least one printer.
bool SystemHasPrinter();

}  // namespace platform
