#include "settings/DrkEinstForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>
#include <iterator>
#include <string>

#include "platform/Cp1252.h"
#include "platform/Messages.h"
#include "platform/ui/Cp1252Input.h"
#include "platform/ui/RadioGroup.h"

namespace quorv {

namespace {

struct CheckBoxCaption {
  int number;
  const char* caption;
};
constexpr CheckBoxCaption kCheckBoxCaptions[] = {
    {1, "Bewertungen immer in Worten"},
    {2, "Zeugnistexte ohne Linie"},
    {3, "Zeugnis-Kopie gleich extra drucken"},
    {4, "immer eine Kopie drucken"},
    {5, "Formulare mit Rahmen"},
    {6, "drucke Korrekturecke"},
    {7, "S/S nicht streichen"},
    {8, "Kyocera-Fehler ausgleichen"},
    {9, "mit FST-Datei-Kopien arbeiten"},
    {10, "Einstellungen zentral speichern"},
    {11, "doppelseitig (ohne Zwischendialoge) drucken"},
    {12, "nur notwendige Druck-Dialoge"},
    {13, "Ausdruck für Zensurenkonferenzen mit \"Vermerke\""},
    {14, "\"farbiges\" Wappen auch bei SW-Druckern"},
};

struct RadioGroupItems {
  int number;
  const char* caption;
  int columns;
  std::array<const char*, 6> items;  // unused entries null
};
const RadioGroupItems kRadioGroups[] = {
    {1,
     "Art der Streichungen",
     1,
     {"ohne besondere Streichungen", "erste nicht benutzte Zeile mit 5 ausgew. Zeichen streichen",
      "alle nicht benutzten Zeilen mit 5 ausgew. Zeichen streichen",
      "Texte mit ausgewähltem Zeichen auffüllen", "Text mit Endesequenz aus 5 ausgew. Zeichen abschließen"}},
    {2,
     "Optionen zu Religion/Philosphieren mit Kindern",
     1,
     {"Fachnamen für/mit Streichungen", "nur gültigen Fachnamen wie bei anderen vorgegebenen Fächern",
      "offenes Feld für Eintrag (wie zusätzliches Fach / Fremdsprachen) "}},
    {3, "Druckart", 1, {"auf A4", "A5 Querformat (halbes A4)"}},
    {4, "Titel der Empf.-bekenntnis", 1, {"mit Schülername", "mit Zeugnisname", "mit Schultyp"}},
    {5, "Wappenposition", 1, {"ohne", "links vorgedruckt", "mittig vorgedruckt", "rechts vorgedruckt"}},
    {6, "Papierverlag", 1, {"ohne", "bsn", "Kohlhammer", "Reserve1", "Reserve2", "Reserve3"}},
    {7, "Wappengröße (lt. Verlagsangabe)", 3, {"klein", "normal (ohne)", "groß"}},
};

constexpr const char* kFillCharacters[] = {"#", "-", "=", "*", "+", "/", "\\", "X", "x"};

QLabel* NamedLabel(const char* name, const char* caption, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(caption), parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QGroupBox* NamedGroup(const char* name, const char* caption, QWidget* parent) {
  auto* group = new QGroupBox(QString::fromUtf8(caption), parent);
  group->setObjectName(QString::fromLatin1(name));
  return group;
}

// The first character of a text as a one-character record string (empty text: empty).
std::string FirstCharacter(const QString& text) { return platform::EncodeCp1252(text.left(1)); }

}  // namespace

TDrkEinstForm::TDrkEinstForm(QWidget* parent, platform::DialogWidgets widgets) : DeferredDialog(parent) {
  setObjectName(QStringLiteral("DrkEinstForm"));
  setWindowTitle(QStringLiteral("Einstellungen der Druck-Optionen"));
  setModal(true);
  MakeWidgetsWhen(widgets);
  SetPrintOptionDefaults();
  LoadPrintOptions();
}

void TDrkEinstForm::MakeWidgets() {
  for (const auto& c : kCheckBoxCaptions) {
    auto* box = new QCheckBox(QString::fromUtf8(c.caption), this);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(c.number));
    checkBoxes_[static_cast<std::size_t>(c.number - 1)] = box;
  }
  for (const auto& g : kRadioGroups) {
    QStringList items;
    for (const char* item : g.items)
      if (item) items << QString::fromUtf8(item);
    auto* group = new platform::RadioGroup(QString::fromUtf8(g.caption), items, g.columns, this);
    group->setObjectName(QStringLiteral("RadioGroup%1").arg(g.number));
    radioGroups_[static_cast<std::size_t>(g.number - 1)] = group;
  }
  for (int i = 1; i <= 4; ++i) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Edit%1").arg(i));
    edits_[static_cast<std::size_t>(i - 1)] = edit;
  }
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setEditable(false);
  for (const char* c : kFillCharacters) ComboBox1->addItem(QString::fromLatin1(c));

  // Tab "allgemeine Optionen".
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  auto* tab1 = new QWidget;
  tab1->setObjectName(QStringLiteral("TabSheet1"));
  auto* general = NamedGroup("GroupBox1", "allgemeine Optionen", tab1);
  auto* generalLayout = new QGridLayout(general);
  int row = 0;
  for (const auto& m : kPrintOptionMargins) {
    generalLayout->addWidget(new QLabel(QString::fromUtf8(m.Label), general), row, 0);
    generalLayout->addWidget(Edit(m.Edit), row, 1);
    generalLayout->addWidget(new QLabel(QStringLiteral("1/10 mm"), general), row, 2);
    ++row;
  }
  for (int number : {1, 2, 3, 5, 6, 11, 13}) generalLayout->addWidget(CheckBox(number), row++, 0, 1, 3);
  generalLayout->addWidget(NamedLabel("Label7", "normales Streichungs-Zeichen", general), row, 0, 1, 2);
  generalLayout->addWidget(ComboBox1, row, 2);
  auto* receipt = NamedGroup("GroupBox2", "Empfangsbekenntnis", tab1);
  auto* receiptLayout = new QHBoxLayout(receipt);
  receiptLayout->addWidget(RadioGroup(3));
  receiptLayout->addWidget(RadioGroup(4));
  receiptLayout->addWidget(CheckBox(4));
  auto* tab1Layout = new QGridLayout(tab1);
  tab1Layout->addWidget(general, 0, 0);
  tab1Layout->addWidget(RadioGroup(6), 0, 1);
  tab1Layout->addWidget(receipt, 1, 0, 1, 2);
  PageControl1->addTab(tab1, QStringLiteral("allgemeine Optionen"));

  // Tab "Streichungen ...".
  auto* tab2 = new QWidget;
  tab2->setObjectName(QStringLiteral("TabSheet2"));
  auto* strike = NamedGroup("GroupBox3", "Optionen zu Textstreichungen", tab2);
  auto* strikeLayout = new QGridLayout(strike);
  strikeLayout->addWidget(RadioGroup(1), 0, 0, 1, 2);
  strikeLayout->addWidget(NamedLabel("Label8", "ausgewähltes Zeichen", strike), 1, 0);
  strikeLayout->addWidget(Edit(1), 1, 1);
  Edit(1)->setMaxLength(decltype(TPrintOptions::StrikeChar)::Capacity);
  RadioGroup(2)->setEnabled(false);
  auto* tab2Layout = new QVBoxLayout(tab2);
  tab2Layout->addWidget(strike);
  tab2Layout->addWidget(RadioGroup(2));
  PageControl1->addTab(tab2, QStringLiteral("Streichungen ..."));

  // Tab "weitere Optionen".
  auto* tab3 = new QWidget;
  tab3->setObjectName(QStringLiteral("TabSheet3"));
  auto* profi = NamedGroup("GroupBox4", "Optionen für Profi's", tab3);
  auto* profiLayout = new QVBoxLayout(profi);
  for (int number : {8, 9, 10, 12}) profiLayout->addWidget(CheckBox(number));
  auto* specialLabel = NamedLabel("Label9", "problematische Sonder-Optionen", profi);
  specialLabel->setVisible(false);
  CheckBox(7)->setVisible(false);
  profiLayout->addWidget(specialLabel);
  profiLayout->addWidget(CheckBox(7));
  auto* arms = NamedGroup("GroupBox5", "Option zum Landeswappen", tab3);
  auto* armsLayout = new QVBoxLayout(arms);
  armsLayout->addWidget(RadioGroup(5));
  armsLayout->addWidget(RadioGroup(7));
  armsLayout->addWidget(CheckBox(14));
  auto* tab3Layout = new QVBoxLayout(tab3);
  tab3Layout->addWidget(profi);
  tab3Layout->addWidget(arms);
  PageControl1->addTab(tab3, QStringLiteral("weitere Optionen"));

  Button3 = new QPushButton(QStringLiteral("Standard wiederherstellen"), this);
  Button3->setObjectName(QStringLiteral("Button3"));
  Button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  QFont bold = Button1->font();
  bold.setBold(true);
  Button1->setFont(bold);
  Button1->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button3);
  buttons->addStretch();
  buttons->addWidget(Button2);
  buttons->addWidget(Button1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl1);
  layout->addLayout(buttons);

  connect(Button1, &QPushButton::clicked, this, &TDrkEinstForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TDrkEinstForm::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TDrkEinstForm::Button3Click);
  platform::GuardDialogCp1252Inputs(this);
}

void TDrkEinstForm::PrintOptionsToForm(const TPrintOptions& options) {
  for (const auto& s : kPrintOptionSwitches) {
    const std::uint16_t word = options.*s.Field;
    CheckBox(s.CheckBox)->setChecked(s.CheckedWhenNonZero ? word != 0 : word == 1);
  }
  for (const auto& m : kPrintOptionMargins)
    Edit(m.Edit)->setText(QString::number(static_cast<std::uint16_t>(options.*m.Field)));
  ComboBox1->setCurrentIndex(ComboBox1->findText(options.FillCharacter.text(), Qt::MatchExactly));
  for (const auto& c : kPrintOptionChoices) RadioGroup(c.RadioGroup)->setItemIndex(options.*c.Field);
  Edit(1)->setText(options.StrikeChar.text());
}

bool TDrkEinstForm::FormToPrintOptions(TPrintOptions& options) {
  // Every margin is checked before anything is stored.
  std::uint16_t margins[std::size(kPrintOptionMargins)];
  for (std::size_t i = 0; i < std::size(kPrintOptionMargins); ++i) {
    const auto& m = kPrintOptionMargins[i];
    const auto value = ParseMargin(Edit(m.Edit)->text());
    if (!value) {
      platform::ShowMessage(InvalidMarginMessage(QString::fromUtf8(m.Label)), platform::MsgKind::Error);
      PageControl1->setCurrentIndex(0);
      Edit(m.Edit)->setFocus();
      Edit(m.Edit)->selectAll();
      return false;
    }
    margins[i] = *value;
  }

  for (const auto& s : kPrintOptionSwitches) options.*s.Field = CheckBox(s.CheckBox)->isChecked() ? 1 : 0;
  for (std::size_t i = 0; i < std::size(kPrintOptionMargins); ++i)
    options.*kPrintOptionMargins[i].Field = margins[i];
  options.FillCharacter.set(
      FirstCharacter(ComboBox1->currentIndex() < 0 ? QString() : ComboBox1->currentText()));
  // A group without a selection leaves its word as it is.
  for (const auto& c : kPrintOptionChoices) {
    const int index = RadioGroup(c.RadioGroup)->itemIndex();
    if (index >= 0) options.*c.Field = static_cast<std::uint16_t>(index);
  }
  options.StrikeChar.set(FirstCharacter(Edit(1)->text()));
  return true;
}

void TDrkEinstForm::FormShow() {
  defaultsPending_ = false;
  PrintOptionsToForm();
}

void TDrkEinstForm::Button1Click() {
  TPrintOptions edited = defaultsPending_ ? DefaultPrintOptions() : PrintOptions;
  if (!FormToPrintOptions(edited)) return;  // refused: the dialog stays open, nothing applied
  PrintOptions = edited;
  defaultsPending_ = false;
  SavePrintOptions();
  done(1);
}

void TDrkEinstForm::Button2Click() {
  defaultsPending_ = false;
  done(2);
}

void TDrkEinstForm::Button3Click() {
  // The defaults are shown; the live options change only with OK.
  defaultsPending_ = true;
  PrintOptionsToForm(DefaultPrintOptions());
}

void TDrkEinstForm::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();  // not when the window is merely restored
  QDialog::showEvent(event);
}

}  // namespace quorv
