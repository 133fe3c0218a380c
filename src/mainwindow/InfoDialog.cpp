#include "mainwindow/InfoDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/ui/ModalDialogs.h"

namespace quorv {

QString InfoCaption;
QString InfoHeadline;
std::array<QString, 5> InfoLines;
std::uint16_t InfoTickLength = 3000;
TInfoDlg* InfoDlg = nullptr;

std::uint16_t InfoTickLengthFor(std::uint16_t ms) {
  return static_cast<std::uint16_t>((ms + kInfoProgressMax / 2) / kInfoProgressMax);
}

TInfoDlg::TInfoDlg(QWidget* parent, platform::DialogWidgets widgets) : DeferredDialog(parent) {
  setObjectName(QStringLiteral("InfoDlg"));
  setModal(true);
  // No system buttons: the dialog closes by its timer or its button.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  connect(Timer1, &QTimer::timeout, this, &TInfoDlg::Timer1Timer);
  MakeWidgetsWhen(widgets);
  if (!InfoDlg) InfoDlg = this;
}

void TInfoDlg::MakeWidgets() {
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setReadOnly(true);
  Edit1->setFrame(false);
  Edit1->setFocusPolicy(Qt::NoFocus);
  Edit1->setAlignment(Qt::AlignHCenter);
  Edit1->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
  QFont bold = Edit1->font();
  bold.setBold(true);
  Edit1->setFont(bold);

  Memo1 = new QTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setAcceptRichText(false);
  Memo1->setFixedSize(380, 100);

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setRange(0, kInfoProgressMax);
  ProgressBar1->setTextVisible(false);
  auto* label = new QLabel(QString::fromUtf8("autom. Schließen"), this);
  label->setObjectName(QStringLiteral("Label1"));

  BitBtn1 = new QPushButton(QString::fromUtf8("OK   /   Schließen"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setDefault(true);

  auto* progressRow = new QHBoxLayout;
  progressRow->addWidget(ProgressBar1, 1);
  progressRow->addWidget(label);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  buttonRow->addWidget(BitBtn1);
  buttonRow->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Edit1);
  layout->addWidget(Memo1);
  layout->addLayout(progressRow);
  layout->addLayout(buttonRow);

  connect(BitBtn1, &QPushButton::clicked, this, &TInfoDlg::BitBtn1Click);
}

TInfoDlg::~TInfoDlg() {
  if (InfoDlg == this) InfoDlg = nullptr;
}

void TInfoDlg::FormShow() {
  progress_ = 1;
  ProgressBar1->setValue(progress_);
  Timer1->stop();
  Timer1->setInterval(InfoTickLength);
  // A tick length of 0 starts no timer; the dialog waits for its button.
  if (InfoTickLength > 0) Timer1->start();
  setWindowTitle(InfoCaption);
  Edit1->setText(InfoHeadline);
  Memo1->clear();
  Memo1->setPlainText(QStringList(InfoLines.begin(), InfoLines.end()).join('\n'));
  // Centre every line.
  QTextCursor cursor(Memo1->document());
  cursor.select(QTextCursor::Document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  cursor.mergeBlockFormat(centred);
}

void TInfoDlg::Timer1Timer() {
  if (progress_ >= kInfoProgressMax) {
    BitBtn1Click();
    return;
  }
  ++progress_;
  ProgressBar1->setValue(progress_);
}

void TInfoDlg::BitBtn1Click() {
  Timer1->stop();
  done(QDialog::Accepted);
}

void TInfoDlg::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TInfoDlg::done(int result) {
  // However the dialog ends, its timer must not run on.
  Timer1->stop();
  QDialog::done(result);
}

void ShowInfoDialog(const QString& caption, const QString& headline, const QString& line1, const QString& line2,
                    const QString& line3, const QString& line4, const QString& line5, std::uint16_t ms) {
  InfoCaption = caption;
  InfoHeadline = headline;
  InfoLines = {line1, line2, line3, line4, line5};
  InfoTickLength = InfoTickLengthFor(ms);
  if (InfoDlg) {
    platform::RunModal(*InfoDlg);
    return;
  }
  TInfoDlg dialog(QApplication::activeWindow());
  platform::RunModal(dialog);
}

}  // namespace quorv
