#pragma once
// The printer object: a document with a title, begun, given new pages and
// ended, with a canvas in 0.1 mm units while it is open. One document can
// stay open across several callers. The document goes to the printer chosen
// in printer set-up; on a machine without a printer it is written as a PDF
// file named after its title, and the user is told where.
#include <QString>
#include <memory>

#include "platform/Canvas.h"

class QPrinter;
class QPainter;

namespace platform {

// Where documents go: to the printer when the machine has one (Auto), or
// always into PDF files (tests, and machines without a printer).
enum class PrintDestination { Auto, PdfFile };

class PrinterDocument {
 public:
  PrinterDocument();
  ~PrinterDocument();
  PrinterDocument(const PrinterDocument&) = delete;
  PrinterDocument& operator=(const PrinterDocument&) = delete;

  // The printer that printer set-up edits and documents print on.
  QPrinter& SetupPrinter();
  // True when documents go to a printer, false when they become PDF files.
  bool HasPrinter() const;
  void SetDestination(PrintDestination destination) { destination_ = destination; }
  PrintDestination Destination() const { return destination_; }
  // The folder (ending in '/') that receives the PDF files.
  void SetPdfFolder(const QString& folder) { pdfFolder_ = folder; }
  const QString& PdfFolder() const { return pdfFolder_; }

  // The title of the next document; a document keeps the title it began with.
  void SetTitle(const QString& title) { title_ = title; }
  const QString& Title() const { return title_; }

  // Begins a document; false, with an error message, when the device refuses.
  // The canvas starts in the device's text mapping.
  bool BeginDoc();
  // A new sheet in the open document; false when none is open.
  bool NewPage();
  // Ends the open document; a PDF file is announced with its path. False when
  // no document was open.
  bool EndDoc();
  bool Printing() const { return painter_ != nullptr; }
  // The canvas of the open document (only while Printing()).
  Canvas& canvas();

  // The capabilities of the current printer, also while no document is open
  // (the preview and the page origin read them).
  DeviceCaps Caps();
  // The PDF file of the last document written as PDF (empty when none).
  const QString& LastPdfFile() const { return lastPdfFile_; }
  int PageCount() const { return pageCount_; }

 private:
  QPrinter& pdfTemplate();
  QString freePdfPath() const;

  PrintDestination destination_ = PrintDestination::Auto;
  QString pdfFolder_;
  QString title_;
  std::unique_ptr<QPrinter> setup_;
  std::unique_ptr<QPrinter> pdf_;       // device of the open PDF document
  std::unique_ptr<QPrinter> pdfCaps_;   // an idle A4 PDF device for Caps()
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<Canvas> canvas_;
  QString openPdfFile_;
  QString lastPdfFile_;
  int pageCount_ = 0;
};

// The one printer object of the program.
PrinterDocument& Printer();

// The file name a document title gives: characters that no file name may
// hold become '_', and an empty title becomes "Ausdruck".
QString PdfFileBaseName(const QString& title);

}  // namespace platform
