#include "layouts/PreViewForm.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "layouts/PreviewPage.h"
#include "layouts/PrintJob.h"
#include "platform/PainterCanvas.h"
#include "platform/PrinterCaps.h"
#include "platform/ui/ModalDialogs.h"
#include "platform/ui/PrinterSetup.h"
#include "platform/ui/StandardIcons.h"

namespace quorv {

TPreViewForm* PreViewForm = nullptr;

namespace {

// The sheet's colour (cream).
const QColor kSheetColour(255, 251, 240);
// The line under the sheet that names the texts the page cannot print whole.
constexpr int kCutTextsLineHeight = 40;

struct ToolButton {
  QPushButton* TPreViewForm::*Member;
  const char* Name;
  const char* Caption;
  void (TPreViewForm::*Click)();
  QStyle::StandardPixmap Icon;
  bool RightEdge;
};
constexpr auto kNoIcon = QStyle::SP_CustomBase;
const ToolButton kToolButtons[] = {
    {&TPreViewForm::BitBtn1, "BitBtn1", "Drucker einrichten", &TPreViewForm::BitBtn1Click, kNoIcon, false},
    {&TPreViewForm::BitBtn2, "BitBtn2", "Zeugnis drucken", &TPreViewForm::BitBtn2Click, kNoIcon, false},
    {&TPreViewForm::BitBtn4, "BitBtn4", "Seite drucken", &TPreViewForm::BitBtn4Click, kNoIcon, false},
    {&TPreViewForm::BitBtn5, "BitBtn5", "Druck-Optionen", &TPreViewForm::BitBtn5Click, kNoIcon, false},
    {&TPreViewForm::BitBtn3, "BitBtn3", "Seitenansicht schließen", &TPreViewForm::BitBtn3Click,
     QStyle::SP_DialogCloseButton, true},
};

}  // namespace

TPreviewPageControl::TPreviewPageControl(TPreViewForm* form) : QWidget(form), form_(form) {
  setObjectName(QStringLiteral("PreviewPageControl"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPreviewPageControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  platform::PainterCanvas canvas(painter);
  form_->PaintPage(canvas);
}

TPreViewForm::TPreViewForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PreViewForm"));
  setWindowTitle(kPreviewCaption);
  setModal(true);
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
  resize(760, 560);

  Shape1 = new QFrame(this);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
  Shape1->setLineWidth(1);
  QPalette sheet = Shape1->palette();
  sheet.setColor(QPalette::Window, kSheetColour);
  sheet.setColor(QPalette::WindowText, Qt::black);
  Shape1->setPalette(sheet);
  Shape1->setAutoFillBackground(true);

  ToolBar = new QWidget(this);
  ToolBar->setObjectName(QStringLiteral("ToolBar"));
  auto* bar = new QHBoxLayout(ToolBar);
  bar->setContentsMargins(4, 4, 4, 4);
  for (const ToolButton& b : kToolButtons) {
    auto* button = new QPushButton(QString::fromUtf8(b.Caption), ToolBar);
    button->setObjectName(QString::fromLatin1(b.Name));
    button->setAutoDefault(false);
    if (b.Icon != kNoIcon) button->setIcon(platform::StandardIcon(b.Icon));
    if (b.RightEdge) bar->addStretch(1);
    bar->addWidget(button);
    this->*b.Member = button;
    connect(button, &QPushButton::clicked, this, b.Click);
  }
  CutTextsLine = new QLabel(this);
  CutTextsLine->setObjectName(QStringLiteral("CutTextsLine"));
  CutTextsLine->setWordWrap(true);
  CutTextsLine->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
  CutTextsLine->hide();
  FormCreate();
}

TPreViewForm::~TPreViewForm() {
  if (PreViewForm == this) InstallPreViewForm(nullptr);
}

// The sheet is laid out for the printer when the window opens: made at the
// program's start, the window asks the print service nothing.
void TPreViewForm::FormCreate() {
  PreviewPageControl = new TPreviewPageControl(this);
  ToolBar->raise();
}

void TPreViewForm::LayoutPreviewPage() {
  // The sheet fits above the line of cut texts when there is one.
  const int line = CutTextsLine->isHidden() ? 0 : kCutTextsLineHeight;
  layout_ = quorv::LayoutPreviewPage(platform::CurrentPrinterCaps(), QSize(width(), height() - line));
  CutTextsLine->setGeometry(10, height() - line, width() - 20, line);
  ToolBar->setGeometry(0, 0, width(), kPreviewToolBarHeight);
  Shape1->setGeometry(layout_.SheetRect);
  PreviewPageControl->setGeometry(layout_.PageRect);
  PreviewPageControl->update();
}

void TPreViewForm::PaintPage(platform::Canvas& canvas) {
  PreparePreviewCanvas(canvas, layout_);
  if (windowTitle() != ReportJob.Caption) setWindowTitle(ReportJob.Caption);
  RenderPreviewPageQuietly(canvas);
}

void TPreViewForm::ShowJob() {
  // Everything the page has to say comes before the window opens.
  PreparePage();
  setWindowTitle(ReportJob.Caption);
  setWindowState(windowState() | Qt::WindowMaximized);
  platform::RunModal(*this);
}

void TPreViewForm::PreparePage() {
  PreparePreviewPage();
  const QString line = CutTextsPreviewLine(CutTexts());
  CutTextsLine->setText(line);
  CutTextsLine->setVisible(!line.isEmpty());
  LayoutPreviewPage();
}

void TPreViewForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (isVisible()) LayoutPreviewPage();
}

void TPreViewForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  LayoutPreviewPage();
  // The close button has the focus once, when the window opens; a repaint
  // must not take it back, or it would cancel a press on another button.
  BitBtn3->setFocus(Qt::OtherFocusReason);
}

void TPreViewForm::reject() { done(QDialog::Accepted); }

void TPreViewForm::BitBtn1Click() {
  platform::RunPrinterSetup(this);
  // Another printer or paper changes the sheet and the printable area.
  LayoutPreviewPage();
}

void TPreViewForm::BitBtn2Click() {
  PrintReportFromPreview();
  PreviewPageControl->update();
}

void TPreViewForm::BitBtn3Click() { done(QDialog::Accepted); }

void TPreViewForm::BitBtn4Click() {
  PrintPageFromPreview();
  PreviewPageControl->update();
}

void TPreViewForm::BitBtn5Click() {
  if (DrkEinstForm != nullptr) platform::RunModal(*DrkEinstForm);
  // The options may name another form file: loaded here, not in a repaint.
  PreparePage();
  PreviewPageControl->update();
}

void InstallPreViewForm(TPreViewForm* form) {
  PreViewForm = form;
  if (form == nullptr) {
    SetPreviewService({});
    return;
  }
  SetPreviewService([form] { form->ShowJob(); });
}

}  // namespace quorv
