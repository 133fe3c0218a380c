#include "settings/EinstExpForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Files.h"
#include "platform/ui/DriveFolderList.h"
#include "records/QuorvDat.h"
#include "settings/ProgEinst.h"
#include "settings/TransferChoiceBoxes.h"

namespace quorv {

TEinstExpForm::TEinstExpForm(QWidget* parent, platform::DialogWidgets widgets) : DeferredDialog(parent) {
  setObjectName(QStringLiteral("EinstExpForm"));
  setWindowTitle(QStringLiteral("Export der Einstellungen"));
  setModal(true);
  MakeWidgetsWhen(widgets);
}

void TEinstExpForm::MakeWidgets() {
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setReadOnly(true);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setReadOnly(true);
  auto* sources = new QGridLayout;
  sources->addWidget(new QLabel(QString::fromUtf8("Primäre Quelle:"), this), 0, 0);
  sources->addWidget(Edit1, 0, 1);
  sources->addWidget(new QLabel(QString::fromUtf8("Sekundäre Quelle:"), this), 1, 0);
  sources->addWidget(Edit2, 1, 1);

  QGroupBox* files = MakeTransferChoiceBoxes(this, QStringLiteral("zu exportierende Einstellungen"), CheckBoxes);
  auto* targetGroup = new QGroupBox(QStringLiteral("Ziel des Exports"), this);
  Target = new platform::DriveFolderList(targetGroup);
  (new QVBoxLayout(targetGroup))->addWidget(Target);

  QHBoxLayout* buttons = MakeTransferButtons(this, QStringLiteral("OK   (Exportieren)"), Button1, Button2);

  auto* body = new QHBoxLayout;
  body->addWidget(files);
  body->addWidget(targetGroup, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(sources);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);
  resize(680, 420);

  connect(Button1, &QPushButton::clicked, this, &TEinstExpForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TEinstExpForm::Button2Click);
}

void TEinstExpForm::InitExportDialog() {
  SetTransferDefaults(CheckBoxes, true);
  Edit1->setText(ExportSourceDir);
  Edit2->setText(platform::SameFolder(ProgramDir, ExportSourceDir) ? QString() : ProgramDir);
}

void TEinstExpForm::FormShow() {
  ExportSourceDir = ListsFolder();
  Target->setFolder(ExportSourceDir);
  InitExportDialog();
}

void TEinstExpForm::ExportSettings() {
  ExportTargetDir = Target->folder();
  ReportTransfer(quorv::ExportSettings(CheckedTransferFiles(CheckBoxes), ExportSourceDir, ProgramDir, ExportTargetDir));
}

void TEinstExpForm::Button1Click() {
  ExportSettings();
  done(1);
}

void TEinstExpForm::Button2Click() { done(2); }

void TEinstExpForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

}  // namespace quorv
