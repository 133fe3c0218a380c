#include "settings/WpflEinstForm.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/Messages.h"
#include "platform/ui/Cp1252Input.h"
#include "records/QuorvDat.h"
#include "settings/WpflEinst.h"

namespace quorv {

TWpflEinstForm::TWpflEinstForm(QWidget* parent, platform::DialogWidgets widgets) : DeferredDialog(parent) {
  setObjectName(QStringLiteral("WpflEinstForm"));
  setWindowTitle(QString::fromUtf8("Einstellungen zu den Wahlpflichtfächern"));
  setModal(true);
  MakeWidgetsWhen(widgets);
  ElectiveSubjectNames.clear();
  SetElectiveDefaults();
  LoadElectiveSubjects();
  UpdateElectiveNames();
}

void TWpflEinstForm::MakeWidgets() {
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setMaxLength(30);
  Button3 = new QPushButton(QString::fromUtf8("Fach zur Liste hinzufügen"), this);
  Button3->setObjectName(QStringLiteral("Button3"));
  Button4 = new QPushButton(QString::fromUtf8("ausgewähltes Fach aus der Liste löschen"), this);
  Button4->setObjectName(QStringLiteral("Button4"));
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
  Button2->setObjectName(QStringLiteral("Button2"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromUtf8("Liste der aktuellen Wahlpflichtfächer"), this));
  layout->addWidget(ListBox1);
  layout->addWidget(new QLabel(QStringLiteral("neues Wahlpflichtfach"), this));
  layout->addWidget(Edit1);
  layout->addWidget(Button3);
  layout->addWidget(Button4);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  layout->addLayout(buttons);

  // A selection by mouse or by keyboard selects the entry alike; a click on
  // the row already selected counts as well.
  connect(ListBox1, &QListWidget::itemClicked, this, &TWpflEinstForm::ListBox1Click);
  connect(ListBox1, &QListWidget::currentRowChanged, this, &TWpflEinstForm::ListBox1Click);
  connect(Button1, &QPushButton::clicked, this, &TWpflEinstForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TWpflEinstForm::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TWpflEinstForm::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TWpflEinstForm::Button4Click);
  Edit1->installEventFilter(this);
  platform::GuardDialogCp1252Inputs(this);
}

bool TWpflEinstForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Button3->click();
      Edit1->selectAll();  // the next name typed replaces this one
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TWpflEinstForm::FillElectiveListBox() {
  // Filling is no selection by the user: ElectiveIndex stays.
  const QSignalBlocker blocker(ListBox1);
  ListBox1->clear();
  ListBox1->addItems(ElectiveSubjectNames);
  ListBox1->setCurrentRow(0);
}

void TWpflEinstForm::FormShow() {
  LoadElectiveSubjects();
  RebuildElectiveNames();
  FillElectiveListBox();
  shownEntries_ = ElectiveSubjects;
  shownIndex_ = ElectiveIndex;
}

void TWpflEinstForm::ListBox1Click() {
  const int row = ListBox1->currentRow();
  if (row >= 0) ElectiveIndex = row;
}

void TWpflEinstForm::Button1Click() {
  SaveElectiveSubjects();
  UpdateElectiveNames();
  done(1);
}

void TWpflEinstForm::Button2Click() {
  // Abbrechen drops the additions and deletions made since the dialog was shown.
  if (!shownEntries_.empty()) {
    ElectiveSubjects = shownEntries_;
    ElectiveIndex = shownIndex_;
    RebuildElectiveNames();
  }
  done(2);
}

void TWpflEinstForm::Button3Click() {
  if (ElectiveCount() >= 65535) return;
  TElectiveSubject e{};
  e.Name.set(kNoContent);
  e.Abbreviation.set("---");
  e.Name.setText(Edit1->text().left(40));
  ElectiveSubjects.push_back(e);
  ElectiveIndex = ElectiveCount() - 1;
  RebuildElectiveNames();
  FillElectiveListBox();
}

void TWpflEinstForm::Button4Click() {
  if (ElectiveCount() < 3 || ElectiveIndex < 2 || ElectiveIndex >= ElectiveCount()) {
    platform::ShowMessage(QString::fromUtf8("Die letzten Datensätze können nicht gelöscht werden!"),
                          platform::MsgKind::Information);
    RebuildElectiveNames();
    FillElectiveListBox();
    return;
  }
  const QString name = ElectiveSubjects[static_cast<std::size_t>(ElectiveIndex)].Name.text();
  if (!platform::AskYesNo(QStringLiteral("Wollen Sie das Fach: \"") + name + QStringLiteral("\" wirklich löschen?"),
                          platform::MsgKind::Warning)) {
    RebuildElectiveNames();
    FillElectiveListBox();
    return;
  }
  ElectiveSubjects.erase(ElectiveSubjects.begin() + ElectiveIndex);
  if (ElectiveIndex > 0) --ElectiveIndex;
  RebuildElectiveNames();
  FillElectiveListBox();
}

void TWpflEinstForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

}  // namespace quorv
