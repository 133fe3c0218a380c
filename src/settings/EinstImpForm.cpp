#include "settings/EinstImpForm.h"

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

TEinstImpForm::TEinstImpForm(QWidget* parent, platform::DialogWidgets widgets) : DeferredDialog(parent) {
  setObjectName(QStringLiteral("EinstImpForm"));
  setWindowTitle(QStringLiteral("Import der Einstellungen"));
  setModal(true);
  MakeWidgetsWhen(widgets);
}

void TEinstImpForm::MakeWidgets() {
  QGroupBox* files = MakeTransferChoiceBoxes(this, QStringLiteral("zu importierende Einstellungen"), CheckBoxes);
  auto* sourceGroup = new QGroupBox(QStringLiteral("Quelle des Imports"), this);
  Source = new platform::DriveFolderList(sourceGroup);
  (new QVBoxLayout(sourceGroup))->addWidget(Source);

  auto* targets = new QGroupBox(QStringLiteral("Import-Ziele"), this);
  auto* grid = new QGridLayout(targets);
  CheckBox9 = new QCheckBox(QStringLiteral("->"), targets);
  CheckBox9->setObjectName(QStringLiteral("CheckBox9"));
  CheckBox10 = new QCheckBox(QStringLiteral("->"), targets);
  CheckBox10->setObjectName(QStringLiteral("CheckBox10"));
  Edit1 = new QLineEdit(targets);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setReadOnly(true);
  Edit2 = new QLineEdit(targets);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setReadOnly(true);
  grid->addWidget(new QLabel(QStringLiteral("Ziel (Programm-Ordner):"), targets), 0, 0);
  grid->addWidget(CheckBox9, 0, 1);
  grid->addWidget(Edit1, 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("Ziel (aktueller Daten-Ordner): "), targets), 1, 0);
  grid->addWidget(CheckBox10, 1, 1);
  grid->addWidget(Edit2, 1, 2);
  grid->setColumnStretch(2, 1);

  QHBoxLayout* buttons = MakeTransferButtons(this, QStringLiteral("OK   (Importieren)"), Button1, Button2);

  auto* body = new QHBoxLayout;
  body->addWidget(files);
  body->addWidget(sourceGroup, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(targets);
  layout->addLayout(buttons);
  resize(680, 460);

  connect(Button1, &QPushButton::clicked, this, &TEinstImpForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TEinstImpForm::Button2Click);
}

void TEinstImpForm::InitImportDialog() {
  SetTransferDefaults(CheckBoxes, false);
  const QString lists = ListsFolder();
  const bool oneFolder = platform::SameFolder(lists, ProgramDir);
  Edit1->setText(ProgramDir);
  Edit2->setText(oneFolder ? QStringLiteral(" = Programm-Ordner") : lists);
  CheckBox9->setChecked(true);
  CheckBox10->setChecked(false);
  CheckBox10->setEnabled(!oneFolder);
}

void TEinstImpForm::FormShow() {
  Source->setFolder(ProgramDir);
  InitImportDialog();
}

void TEinstImpForm::ImportSettings() {
  ImportSourceDir = Source->folder();
  ReportTransfer(quorv::ImportSettings(CheckedTransferFiles(CheckBoxes), ImportSourceDir, ProgramDir, ListsFolder(),
                                       CheckBox9->isChecked(), CheckBox10->isChecked()));
}

void TEinstImpForm::Button1Click() {
  ImportSettings();
  done(1);
}

void TEinstImpForm::Button2Click() { done(2); }

void TEinstImpForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

}  // namespace quorv
