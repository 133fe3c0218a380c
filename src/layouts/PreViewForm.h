#pragma once
// The preview window "Seitenansicht(en) des aktuellen Ausdrucks": one page of
// ReportJob drawn by the form's page routine on a sheet the shape of the
// printer's paper, with printing, printer set-up and the print options at hand.
#include <QDialog>
#include <QWidget>

#include "layouts/PreviewGeometry.h"

class QFrame;
class QLabel;
class QPushButton;

namespace platform {
class Canvas;
}

namespace quorv {

class TPreViewForm;

// The child control over the printable area that the page is drawn on.
class TPreviewPageControl : public QWidget {
 public:
  explicit TPreviewPageControl(TPreViewForm* form);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TPreViewForm* form_;
};

class TPreViewForm : public QDialog {
  Q_OBJECT
 public:
  explicit TPreViewForm(QWidget* parent = nullptr);
  ~TPreViewForm() override;

  void FormCreate();
  // Places the sheet and the printable area for the current printer and
  // window size.
  void LayoutPreviewPage();
  const TPreviewLayout& Layout() const { return layout_; }
  // Draws the job's page on the page control's canvas.
  void PaintPage(platform::Canvas& canvas);

  // Shows ReportJob modally and maximised; returns when the window is closed.
  void ShowJob();

  // The print-options dialog "Druck-Optionen" shows; set at start-up.
  QDialog* DrkEinstForm = nullptr;

  QWidget* ToolBar;
  QPushButton* BitBtn1;  // "Drucker einrichten"
  QPushButton* BitBtn2;  // "Zeugnis drucken"
  QPushButton* BitBtn3;  // "Seitenansicht schließen"
  QPushButton* BitBtn4;  // "Seite drucken"
  QPushButton* BitBtn5;  // "Druck-Optionen"
  QLabel* CutTextsLine;  // the texts the page cannot print whole
  QFrame* Shape1;        // the sheet
  TPreviewPageControl* PreviewPageControl;

 public slots:
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void BitBtn5Click();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // Closing the window in any way ends it with OK.
  void reject() override;

 private:
  // Prepares the job's page and says which of its texts it cannot print whole.
  void PreparePage();

  TPreviewLayout layout_;
};

// The one preview window of the program.
extern TPreViewForm* PreViewForm;

// Makes the form the program's preview window: the output wrappers show it
// for target 1. nullptr takes the preview window away again.
void InstallPreViewForm(TPreViewForm* form);

}  // namespace quorv
