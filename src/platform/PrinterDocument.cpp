#include "platform/PrinterDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/Files.h"
#include "platform/Messages.h"
#include "platform/PainterCanvas.h"

namespace platform {

namespace {

void SetUpPdfDevice(QPrinter& printer) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setFullPage(true);
  printer.setColorMode(QPrinter::Color);
  printer.setCreator(QStringLiteral("Quorv"));
}

}  // namespace

QString PdfFileBaseName(const QString& title) {
  QString name = title.trimmed();
  for (QChar& c : name)
    if (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('_');
  while (name.endsWith(QLatin1Char('.'))) name.chop(1);
  name = name.trimmed();
  return name.isEmpty() ? QStringLiteral("Ausdruck") : name;
}

PrinterDocument::PrinterDocument() = default;

PrinterDocument::~PrinterDocument() {
  // An open document is finished rather than lost.
  if (painter_) painter_->end();
}

QPrinter& PrinterDocument::SetupPrinter() {
  if (!setup_) setup_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *setup_;
}

bool PrinterDocument::HasPrinter() const {
  return destination_ == PrintDestination::Auto && !QPrinterInfo::availablePrinterNames().isEmpty();
}

QPrinter& PrinterDocument::pdfTemplate() {
  if (!pdfCaps_) {
    pdfCaps_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    SetUpPdfDevice(*pdfCaps_);
  }
  return *pdfCaps_;
}

DeviceCaps PrinterDocument::Caps() {
  if (pdf_) return PrinterDeviceCaps(*pdf_);
  return HasPrinter() ? PrinterDeviceCaps(SetupPrinter()) : PrinterDeviceCaps(pdfTemplate());
}

QString PrinterDocument::freePdfPath() const {
  // Never replace an earlier document (the pages of one report printed one by
  // one share their title).
  const QString base = pdfFolder_ + PdfFileBaseName(title_);
  QString path = base + QStringLiteral(".pdf");
  for (int n = 2; FileExists(path); ++n) path = base + QStringLiteral(" (%1).pdf").arg(n);
  return path;
}

bool PrinterDocument::BeginDoc() {
  if (Printing()) return true;
  QPrinter* device = nullptr;
  QString target;
  if (HasPrinter()) {
    device = &SetupPrinter();
    device->setDocName(title_);
    target = device->printerName();
  } else {
    pdf_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    SetUpPdfDevice(*pdf_);
    openPdfFile_ = freePdfPath();
    pdf_->setOutputFileName(openPdfFile_);
    pdf_->setDocName(title_);
    device = pdf_.get();
    target = QDir::toNativeSeparators(openPdfFile_);
  }
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(device)) {
    pdf_.reset();
    openPdfFile_.clear();
    ShowMessage(QStringLiteral("Der Ausdruck konnte nicht begonnen werden:\r") + target, MsgKind::Error);
    return false;
  }
  painter_ = std::move(painter);
  canvas_ = std::make_unique<PainterCanvas>(*painter_);
  pageCount_ = 1;
  return true;
}

bool PrinterDocument::NewPage() {
  if (!Printing()) return false;
  QPrinter* device = pdf_ ? pdf_.get() : &SetupPrinter();
  if (!device->newPage()) return false;
  ++pageCount_;
  return true;
}

bool PrinterDocument::EndDoc() {
  if (!Printing()) return false;
  canvas_.reset();
  painter_->end();
  painter_.reset();
  if (pdf_) {
    pdf_.reset();
    lastPdfFile_ = openPdfFile_;
    openPdfFile_.clear();
    ShowMessage(QStringLiteral("Es ist kein Drucker eingerichtet.\rDer Ausdruck wurde als PDF-Datei gespeichert:\r") +
                    QDir::toNativeSeparators(lastPdfFile_),
                MsgKind::Information);
  }
  return true;
}

Canvas& PrinterDocument::canvas() {
  Q_ASSERT(canvas_);
  return *canvas_;
}

PrinterDocument& Printer() {
  // Kept for the whole run: its printers must not outlive the application on destruction.
  static PrinterDocument* const printer = new PrinterDocument;
  return *printer;
}

}  // namespace platform
