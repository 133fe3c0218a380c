#pragma once
// What the preview window does with the print job: drawing its page through
// the form's page routine, and printing the report or the shown page from the
// preview with the job restored afterwards.
#include <QString>

#include "layouts/PrintJob.h"
#include "platform/Canvas.h"
#include "platform/Messages.h"

namespace quorv {

inline const QString kPreviewCaption = QStringLiteral("Seitenansicht(en) des aktuellen Ausdrucks");
inline const QString kNoPrintoutText = QStringLiteral(" kein Ausdruck verfügbar!!! ");

// Draws ReportJob.CurrentPage through the page routine of the job's form, or
// the notice that the form has no printout.
void RenderPreviewPage(platform::Canvas& canvas);

// While it lives, every message is answered without being shown (OK, No or
// Cancel): a repaint says nothing.
class HeldBackMessages : public platform::MessageService {
 public:
  HeldBackMessages();
  ~HeldBackMessages() override;
  HeldBackMessages(const HeldBackMessages&) = delete;
  HeldBackMessages& operator=(const HeldBackMessages&) = delete;
  platform::MsgResult Show(const QString& text, platform::MsgKind kind, platform::MsgButtons buttons) override;
  int heldBack() const { return heldBack_; }

 private:
  platform::MessageService* previous_;
  int heldBack_ = 0;
};

// The same for a repaint: whatever the page routine would report is held
// back, since PreparePreviewPage has shown it before the window opened.
void RenderPreviewPageQuietly(platform::Canvas& canvas);

// The form file the job's page routine draws from, loaded for the job (with
// its messages the first time): the receipt's own file for the receipt.
void LoadPreviewFormFile();

// Before the window shows the job (and after the print options changed): the
// job's form file, and one drawing of the page on the printer's terms that
// goes nowhere, so every message of the page comes now and not in a repaint,
// and CutTexts holds the texts this page cannot print whole.
void PreparePreviewPage();

// "Zeugnis drucken": the whole report through PrintReport without the first
// question, as one document with DuplexNoDialogs, else page by page.
void PrintReportFromPreview();
// "Seite drucken": the shown page as a document of its own, without questions.
void PrintPageFromPreview();

// The pages "Zeugnis drucken" asks for: 1 for the one-page forms, else 2.
int PreviewReportLastPage(int formNumber);
// The output wrapper "Seite drucken" calls for a form the preview draws, or
// nullptr.
TOutputWrapperFn PreviewPageWrapper(int formNumber);

}  // namespace quorv
