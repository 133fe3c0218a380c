#pragma once
// The printers of the system as the program sees them: the print service that
// lists them and says whether one takes jobs, and the device that prints the
// documents of a job on one of them. The printer that printer set-up edits
// carries the user's choice and settings.
#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>

#include "platform/Canvas.h"

class QPrinter;

namespace platform {

QPrinter& ProgramPrinter();

// What printer set-up gave the program's printer, taken on the window's
// thread for a printer made on another one.
struct PrinterSettings {
  bool FromSetup = false;  // false: nothing set up, the printer's own defaults
  int Copies = 1;
  bool Collate = false;
  int Duplex = 0;  // QPrinter::DuplexMode
  bool GrayScale = false;
  bool FullPage = false;
  QPageLayout Layout;
  QStringList DialogOptions;  // the printer dialog's options: name, value, name, value ...
};
// The settings of the program's printer once printer set-up has made it.
PrinterSettings ProgramPrinterSettings();

// What became of a document handed to the print service.
enum class Submission {
  Printed,      // the service confirmed in time that it prints it
  Refused,      // the service refused it; it never prints the document
  NoAnswer,     // the service did not answer in time (or not at all); it never prints the document
  Unconfirmed,  // the service did not confirm its release in time; withdrawn, but it may print before
};

// Whether a printer takes jobs.
enum class PrinterState { Accepting, Refusing, Gone };

// The documents of one print job on one printer. A document is begun, given
// new sheets and ended; its canvas draws while it is open.
class PrintDevice {
 public:
  virtual ~PrintDevice() = default;
  virtual DeviceCaps Caps() = 0;
  virtual bool BeginDocument(const QString& title) = 0;
  virtual Canvas& canvas() = 0;
  virtual bool NewPage() = 0;
  // Ends the document and hands it to the service, waiting for its answer at
  // most the limit.
  virtual Submission EndDocument(std::chrono::milliseconds limit) = 0;
};

struct PrinterList {
  QStringList Names;
  QString DefaultName;      // empty: the system has no default printer
  bool ServiceRuns = true;  // false: no service to ask, so no printers
};

// The system's print service. The program asks it for the printers once per
// print job and for the printer's state before each document.
class PrintService {
 public:
  virtual ~PrintService() = default;
  // May take long when the service does not answer; the caller waits for it
  // only a few seconds.
  virtual PrinterList Printers() = 0;
  // Whether the printer exists, is not stopped and accepts jobs.
  virtual PrinterState State(const QString& name) = 0;
  // The device for the named printer with the settings (nullptr: no such
  // printer). It asks the service for the printer's description and may take
  // long: the caller asks on a thread of its own.
  virtual std::unique_ptr<PrintDevice> OpenPrinter(const QString& name, const PrinterSettings& settings) = 0;
};

// The service in use: the system's (through Qt), or a test's double.
PrintService& CurrentPrintService();
// Installs a service (nullptr: the system's) and returns the previous one.
PrintService* SetPrintService(PrintService* service);

}  // namespace platform
