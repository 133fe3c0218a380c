#include "mainwindow/NeuDS.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/Cp1252Input.h"
#include "records/QuorvDat.h"
#include "records/RecordOperations.h"

namespace quorv {

TNeuDSForm::TNeuDSForm(QWidget* parent, platform::DialogWidgets widgets) : DeferredDialog(parent) {
  setObjectName(QStringLiteral("NeuDSForm"));
  setWindowTitle(QString::fromUtf8("neuer Schüler"));
  setModal(true);
  MakeWidgetsWhen(widgets);
}

void TNeuDSForm::MakeWidgets() {
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setMaxLength(30);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setMaxLength(30);
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
  Button2->setObjectName(QStringLiteral("Button2"));

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(QStringLiteral("Name"), this), 0, 0);
  fields->addWidget(Edit1, 0, 1);
  fields->addWidget(new QLabel(QStringLiteral("Vorname"), this), 1, 0);
  fields->addWidget(Edit2, 1, 1);
  Edit1->setMinimumWidth(220);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);

  connect(Button1, &QPushButton::clicked, this, &TNeuDSForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TNeuDSForm::Button2Click);
  platform::GuardDialogCp1252Inputs(this);
}

void TNeuDSForm::FormShow() {
  Edit1->clear();
  Edit2->clear();
  Edit1->setFocus();
}

void TNeuDSForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TNeuDSForm::Button1Click() {
  const QString name = Edit1->text().left(30);
  NewPupilName = name.isEmpty() ? QString::fromLatin1(kUnfilled) : name;
  NewPupilFirstName = Edit2->text().left(30);
  done(1);
}

void TNeuDSForm::Button2Click() { done(2); }

}  // namespace quorv
