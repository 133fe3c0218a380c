#include "settings/SchulEinstForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/Cp1252Input.h"
#include "platform/ui/RadioGroup.h"
#include "settings/SchulEinst.h"

namespace quorv {

TSchulEinstForm::TSchulEinstForm(QWidget* parent, platform::DialogWidgets widgets) : DeferredDialog(parent) {
  setObjectName(QStringLiteral("SchulEinstForm"));
  setWindowTitle(QStringLiteral("Schuleinstellungen"));
  setModal(true);
  MakeWidgetsWhen(widgets);
  SetSchoolSettingDefaults();
  LoadSchoolSettings();
}

void TSchulEinstForm::MakeWidgets() {
  RadioGroup1 = new platform::RadioGroup(QStringLiteral("Schultyp"), SchoolTypeItems(), 2, this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  auto* label = new QLabel(QString::fromUtf8("Name und Anschrift der Schule für Empfangsbekenntnis"), this);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setMaxLength(decltype(TSchoolSettings::SchoolNameAddress)::Capacity);
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  QFont bold = Button1->font();
  bold.setBold(true);
  Button1->setFont(bold);
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
  Button2->setObjectName(QStringLiteral("Button2"));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(RadioGroup1);
  layout->addWidget(label);
  layout->addWidget(Edit1);
  layout->addLayout(buttons);

  connect(Button1, &QPushButton::clicked, this, &TSchulEinstForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TSchulEinstForm::Button2Click);
  platform::GuardDialogCp1252Inputs(this);
}

void TSchulEinstForm::SchoolSettingsToForm() {
  RadioGroup1->setItemIndex(SchoolSettings.SchoolType);
  Edit1->setText(SchoolSettings.SchoolNameAddress.text());
}

void TSchulEinstForm::FormToSchoolSettings() {
  const int index = RadioGroup1->itemIndex();
  if (index >= 0) SchoolSettings.SchoolType = static_cast<std::uint16_t>(index);
  SchoolSettings.SchoolNameAddress.setText(Edit1->text().left(80));
}

void TSchulEinstForm::FormShow() { SchoolSettingsToForm(); }

void TSchulEinstForm::Button1Click() {
  FormToSchoolSettings();
  SaveSchoolSettings();
  done(1);
}

void TSchulEinstForm::Button2Click() { done(2); }

void TSchulEinstForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

}  // namespace quorv
