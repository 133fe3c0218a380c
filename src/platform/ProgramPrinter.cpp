#include "platform/ProgramPrinter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <utility>

#include "platform/CupsService.h"
#include "platform/PainterCanvas.h"
#include "platform/PrinterDocument.h"

namespace platform {

QPrinter& ProgramPrinter() { return Printer().SetupPrinter(); }

namespace {

// The printer dialog keeps its own options as name, value, name, value ...
constexpr auto kDialogOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

PrinterSettings SettingsOf(const QPrinter& printer) {
  PrinterSettings settings;
  settings.FromSetup = true;
  settings.Copies = printer.copyCount();
  settings.Collate = printer.collateCopies();
  settings.Duplex = printer.duplex();
  settings.GrayScale = printer.colorMode() == QPrinter::GrayScale;
  settings.FullPage = printer.fullPage();
  settings.Layout = printer.pageLayout();
  settings.DialogOptions = printer.printEngine()->property(kDialogOptions).toStringList();
  return settings;
}

void Apply(const PrinterSettings& settings, QPrinter& printer) {
  if (!settings.FromSetup) return;
  printer.setCopyCount(settings.Copies);
  printer.setCollateCopies(settings.Collate);
  printer.setDuplex(static_cast<QPrinter::DuplexMode>(settings.Duplex));
  printer.setColorMode(settings.GrayScale ? QPrinter::GrayScale : QPrinter::Color);
  printer.setFullPage(settings.FullPage);
  printer.setPageLayout(settings.Layout);
  if (!settings.DialogOptions.isEmpty()) printer.printEngine()->setProperty(kDialogOptions, settings.DialogOptions);
}

// The job options Qt's own print engine hands to the service with a document
// of this printer: paper, copies, sides, orientation and the options of the
// printer dialog; a greyscale choice asks the service for monochrome.
QList<std::pair<QByteArray, QByteArray>> JobOptions(const QPrinter& printer) {
  const QPageLayout layout = printer.pageLayout();
  QList<std::pair<QByteArray, QByteArray>> options{{"media", layout.pageSize().key().toUtf8()}};
  if (printer.copyCount() > 1) {
    options.emplace_back("copies", QByteArray::number(printer.copyCount()));
    if (printer.collateCopies()) options.emplace_back("Collate", "True");
  }
  const bool portrait = layout.orientation() == QPageLayout::Portrait;
  const char* sides = "one-sided";
  switch (printer.duplex()) {
    case QPrinter::DuplexAuto:
      sides = portrait ? "two-sided-long-edge" : "two-sided-short-edge";
      break;
    case QPrinter::DuplexLongSide:
      sides = "two-sided-long-edge";
      break;
    case QPrinter::DuplexShortSide:
      sides = "two-sided-short-edge";
      break;
    default:
      break;
  }
  options.emplace_back("sides", sides);
  if (!portrait) options.emplace_back("landscape", "");
  if (printer.colorMode() == QPrinter::GrayScale) options.emplace_back("print-color-mode", "monochrome");
  const QStringList dialog = printer.printEngine()->property(kDialogOptions).toStringList();
  for (qsizetype i = 0; i + 1 < dialog.size(); i += 2)
    options.emplace_back(dialog[i].toUtf8(), dialog[i + 1].toUtf8());
  return options;
}

// The canvas of a printer's document drawn as PDF: it reports the printer's
// capabilities (its colour mode included), not the PDF writer's.
class PrinterPdfCanvas : public PainterCanvas {
 public:
  PrinterPdfCanvas(QPainter& painter, const DeviceCaps& caps) : PainterCanvas(painter), caps_(caps) {}
  int GetDeviceCaps(DeviceCap cap) const override { return caps_.get(cap); }

 private:
  DeviceCaps caps_;
};

// Documents on the job's printer, made with the program's printer settings.
// Each document is drawn as a PDF with the printer's page layout and
// resolution, as Qt's print engine draws it, and then handed to the print
// service off the window's thread.
class QtPrintDevice : public PrintDevice {
 public:
  explicit QtPrintDevice(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}
  ~QtPrintDevice() override {
    if (painter_) painter_->end();
  }

  DeviceCaps Caps() override { return PrinterDeviceCaps(*printer_); }

  bool BeginDocument(const QString& title) override {
    title_ = title;
    buffer_.close();
    buffer_.setData(QByteArray());
    buffer_.open(QIODevice::WriteOnly);
    auto pdf = std::make_unique<QPdfWriter>(&buffer_);
    pdf->setResolution(printer_->resolution());
    pdf->setPageLayout(printer_->pageLayout());
    pdf->setTitle(title);
    pdf->setCreator(QStringLiteral("Quorv"));
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(pdf.get())) return false;
    pdf_ = std::move(pdf);
    painter_ = std::move(painter);
    canvas_ = std::make_unique<PrinterPdfCanvas>(*painter_, Caps());
    return true;
  }

  Canvas& canvas() override { return *canvas_; }

  bool NewPage() override { return painter_ != nullptr && pdf_->newPage(); }

  Submission EndDocument(std::chrono::milliseconds limit) override {
    if (!painter_) return Submission::Refused;
    canvas_.reset();
    painter_->end();
    painter_.reset();
    pdf_.reset();
    buffer_.close();
    return cups::SubmitDocument({printer_->printerName(), title_, JobOptions(*printer_), buffer_.data()}, limit);
  }

 private:
  std::unique_ptr<QPrinter> printer_;
  QString title_;
  QBuffer buffer_;
  std::unique_ptr<QPdfWriter> pdf_;
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
  PrinterState State(const QString& name) override { return cups::QueueState(name); }

  // Qt reads the printer's description from the service while the printer is made.
  std::unique_ptr<PrintDevice> OpenPrinter(const QString& name, const PrinterSettings& settings) override {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    Apply(settings, *printer);
    return std::make_unique<QtPrintDevice>(std::move(printer));
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

PrinterSettings ProgramPrinterSettings() {
  const QPrinter* setup = Printer().MadeSetupPrinter();
  return setup != nullptr ? SettingsOf(*setup) : PrinterSettings{};
}

}  // namespace platform
