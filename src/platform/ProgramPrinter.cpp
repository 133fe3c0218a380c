#include "platform/ProgramPrinter.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <utility>

#include "platform/CupsService.h"
#include "platform/PainterCanvas.h"
#include "platform/PrinterDocument.h"

namespace platform {

QPrinter& ProgramPrinter() { return Printer().SetupPrinter(); }

namespace {

// Documents on the program's printer, switched to the job's printer.
class QtPrintDevice : public PrintDevice {
 public:
  explicit QtPrintDevice(QPrinter& printer) : printer_(printer) {}
  ~QtPrintDevice() override {
    if (painter_) painter_->end();
  }

  DeviceCaps Caps() override { return PrinterDeviceCaps(printer_); }

  bool BeginDocument(const QString& title) override {
    printer_.setDocName(title);
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&printer_)) return false;
    painter_ = std::move(painter);
    canvas_ = std::make_unique<PainterCanvas>(*painter_);
    return true;
  }

  Canvas& canvas() override { return *canvas_; }

  bool NewPage() override { return painter_ != nullptr && printer_.newPage(); }

  bool EndDocument() override {
    if (!painter_) return false;
    canvas_.reset();
    // Ending hands the document to the service on this thread, whose last
    // answer says whether the service took it.
    const bool ended = painter_->end() && cups::LastSubmissionTaken();
    painter_.reset();
    return ended && printer_.printerState() != QPrinter::Error && printer_.printerState() != QPrinter::Aborted;
  }

 private:
  QPrinter& printer_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<Canvas> canvas_;
};

class QtPrintService : public PrintService {
 public:
  PrinterList Printers() override {
    PrinterList list{QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName()};
    if (list.Names.isEmpty()) list.ServiceRuns = cups::ServiceRuns();
    return list;
  }

  // Qt tells a stopped queue but not one that refuses jobs.
  bool AcceptsJobs(const QString& name) override { return cups::QueueAcceptsJobs(name); }

  std::unique_ptr<PrintDevice> OpenPrinter(const QString& name) override {
    QPrinter& printer = ProgramPrinter();
    if (printer.printerName() != name) printer.setPrinterName(name);
    return std::make_unique<QtPrintDevice>(printer);
  }
};

PrintService*& InstalledService() {
  static PrintService* service = nullptr;
  return service;
}

}  // namespace

PrintService& CurrentPrintService() {
  static QtPrintService system;
  PrintService* service = InstalledService();
  return service != nullptr ? *service : system;
}

PrintService* SetPrintService(PrintService* service) { return std::exchange(InstalledService(), service); }

}  // namespace platform
