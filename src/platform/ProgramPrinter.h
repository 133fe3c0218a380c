#pragma once
// The printer that printer set-up edits and documents print on (the printer
// object's set-up printer).
class QPrinter;

namespace platform {

QPrinter& ProgramPrinter();
// True when the system knows at least one printer.
bool SystemHasPrinter();

}  // namespace platform
