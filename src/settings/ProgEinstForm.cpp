#include "settings/ProgEinstForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorv {

namespace {
struct CheckBoxCaption {
  int number;
  const char* caption;
};
constexpr CheckBoxCaption kCaptions[] = {
    {1, "Datensätze dürfen gelöscht werden"},
    {2, "gelöschte Datensätze"},
    {3, "Zusatz bei Bewertungen"},
    {4, "Anzeige der verwendeten FST-Datei vor Ausdruck"},
    {5, "Einstellungen (Druck-Optionen)"},
    {6, "Listen (Wahlpflichtfächer)"},
    {7, "beim Hinzufügen eines Datensatzes sinnvolle Daten vom Vorgänger übernehmen"},
    {8, "Info-Hinweise"},
    {9, "NUR für Gesamtschule: Anspruchebenen umrechnen lassen"},
    {10, "Test-Option"},
};
}  // namespace

TProgEinstForm::TProgEinstForm(QWidget* parent, platform::DialogWidgets widgets) : DeferredDialog(parent) {
  setObjectName(QStringLiteral("ProgEinstForm"));
  setWindowTitle(QStringLiteral("Einstellungen zum Programm Quorv"));
  setModal(true);
  MakeWidgetsWhen(widgets);
  SetProgramOptionDefaults();
  LoadProgramOptions();
}

void TProgEinstForm::MakeWidgets() {
  for (const auto& c : kCaptions) {
    auto* box = new QCheckBox(QString::fromUtf8(c.caption), this);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(c.number));
    checkBoxes_[static_cast<std::size_t>(c.number - 1)] = box;
  }
  CheckBox(5)->setEnabled(false);
  CheckBox(9)->setVisible(false);

  auto* general = new QGroupBox(QStringLiteral("allgemeine Optionen"), this);
  auto* generalLayout = new QVBoxLayout(general);
  generalLayout->addWidget(CheckBox(7));
  generalLayout->addWidget(CheckBox(9));

  auto* display = new QGroupBox(QStringLiteral("Anzeige"), this);
  auto* displayLayout = new QGridLayout(display);
  displayLayout->addWidget(CheckBox(3), 0, 0);
  displayLayout->addWidget(CheckBox(2), 1, 0);
  displayLayout->addWidget(CheckBox(8), 2, 0);
  displayLayout->addWidget(CheckBox(10), 0, 1);
  displayLayout->addWidget(new QLabel(QStringLiteral("zur Problembehandlung:"), display), 3, 0);
  displayLayout->addWidget(CheckBox(4), 4, 0, 1, 2);

  auto* central = new QGroupBox(QStringLiteral("zentrale Speicherung der ..."), this);
  auto* centralLayout = new QVBoxLayout(central);
  centralLayout->addWidget(CheckBox(5));
  centralLayout->addWidget(CheckBox(6));

  auto* rights = new QGroupBox(QStringLiteral("Berechtigungen"), this);
  auto* rightsLayout = new QVBoxLayout(rights);
  rightsLayout->addWidget(CheckBox(1));

  Button3 = new QPushButton(QStringLiteral("Standard wiederherstellen"), this);
  Button3->setObjectName(QStringLiteral("Button3"));
  Button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button3);
  buttons->addStretch();
  buttons->addWidget(Button2);
  buttons->addWidget(Button1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(general);
  layout->addWidget(display);
  layout->addWidget(central);
  layout->addWidget(rights);
  layout->addLayout(buttons);

  connect(Button1, &QPushButton::clicked, this, &TProgEinstForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TProgEinstForm::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TProgEinstForm::Button3Click);
}

void TProgEinstForm::ProgramOptionsToForm(const TProgramOptions& options) {
  for (const auto& s : kProgramOptionSwitches) CheckBox(s.CheckBox)->setChecked((options.*s.Field) == 1);
}

void TProgEinstForm::FormToProgramOptions() {
  for (const auto& s : kProgramOptionSwitches)
    ProgramOptions.*s.Field = CheckBox(s.CheckBox)->isChecked() ? 1 : 0;
}

void TProgEinstForm::FormShow() {
  defaultsPending_ = false;
  ProgramOptionsToForm();
}

void TProgEinstForm::Button1Click() {
  if (defaultsPending_) SetProgramOptionDefaults();
  defaultsPending_ = false;
  FormToProgramOptions();
  SaveProgramOptions();
  done(1);
}

void TProgEinstForm::Button2Click() {
  defaultsPending_ = false;
  done(2);
}

void TProgEinstForm::Button3Click() {
  // The defaults are shown; the live options change only with OK.
  defaultsPending_ = true;
  ProgramOptionsToForm(DefaultProgramOptions());
}

void TProgEinstForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

}  // namespace quorv
