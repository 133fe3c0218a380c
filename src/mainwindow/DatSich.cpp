#include "mainwindow/DatSich.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "mainwindow/MainUSB.h"
#include "platform/Messages.h"

namespace quorv {

TDatSichForm::TDatSichForm(QWidget* parent, platform::DialogWidgets widgets) : DeferredDialog(parent) {
  setObjectName(QStringLiteral("DatSichForm"));
  setWindowTitle(QString::fromUtf8("vollständige Datensicherung"));
  setModal(true);
  MakeWidgetsWhen(widgets);
}

void TDatSichForm::MakeWidgets() {
  Label1 = new QLabel(QString::fromUtf8("Wählen Sie den Zielort für die Datensicherung!:"), this);
  Label1->setObjectName(QStringLiteral("Label1"));

  DriveComboBox1 = new QComboBox(this);
  DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
  for (const QFileInfo& drive : QDir::drives()) DriveComboBox1->addItem(QDir::toNativeSeparators(drive.absolutePath()));

  DirectoryListBox1 = new QTreeView(this);
  DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
  DirectoryListBox1->header()->hide();
  DirectoryListBox1->setMinimumSize(280, 220);

  Button1 = new QPushButton(QString::fromUtf8("neuen Ordner erstellen ..."), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setAutoDefault(false);

  GroupBox1 = new QGroupBox(QStringLiteral("Optionen"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  CheckBox1 = new QCheckBox(QString::fromUtf8("vorhandene Daten überschreiben"), GroupBox1);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  auto* options = new QVBoxLayout(GroupBox1);
  options->addWidget(CheckBox1);

  BitBtn1 = new QPushButton(QString::fromUtf8("Daten sichern"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn2 = new QPushButton(QString::fromUtf8("Abbrechen"), this);
  BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
  BitBtn2->setDefault(true);

  auto* target = new QVBoxLayout;
  target->addWidget(DriveComboBox1);
  target->addWidget(DirectoryListBox1, 1);
  target->addWidget(Button1, 0, Qt::AlignLeft);
  auto* side = new QVBoxLayout;
  side->addWidget(GroupBox1);
  side->addStretch();
  side->addWidget(BitBtn1);
  side->addWidget(BitBtn2);
  auto* body = new QHBoxLayout;
  body->addLayout(target, 1);
  body->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addLayout(body, 1);

  connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, &TDatSichForm::DriveComboBox1Change);
  connect(BitBtn1, &QPushButton::clicked, this, &TDatSichForm::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TDatSichForm::BitBtn2Click);
}

// The folders are read when the dialog is first shown, not at the program's start.
void TDatSichForm::showEvent(QShowEvent* event) {
  if (!folders_) {
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setRootPath(QDir::rootPath());
    DirectoryListBox1->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) DirectoryListBox1->hideColumn(column);
    DriveComboBox1Change();
  }
  QDialog::showEvent(event);
}

// The folder list follows the chosen drive.
void TDatSichForm::DriveComboBox1Change() {
  const QString drive = QDir::fromNativeSeparators(DriveComboBox1->currentText());
  if (drive.isEmpty() || !folders_) return;
  DirectoryListBox1->setRootIndex(folders_->index(drive));
}

void TDatSichForm::BitBtn1Click() { done(1); }
void TDatSichForm::BitBtn2Click() { done(2); }

// ---------------------------------------------------------------------------

void TMainForm::vollstndigeDatensicherung1Click() {
  RunDialog(DatSichForm);
  // The dialog copies nothing, whichever button ended it: say so.
  platform::ShowMessage(QString::fromUtf8(kNoBackupWarning), platform::MsgKind::Warning);
}

}  // namespace quorv
