#include "mainwindow/FaNoExp.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Cp1252.h"
#include "platform/ui/RadioGroup.h"
#include "records/QuorvDat.h"
#include "settings/Facheinst.h"

namespace quorv {

namespace {

constexpr int kSubjectColumns = 8;
constexpr int kDiskBox = kExportBoxes + 1;
constexpr int kDeleteBox = kExportBoxes + 2;
constexpr int kReplaceBox = kExportBoxes + 3;

int EntryOfBox(int box) { return box + 1; }

// The raw catalogue value the current pupil's layout form gives the entry;
// 0 when that form is outside the catalogue's range.
int SlotValueForCurrentPupil(int entry) {
  if (CurrentPupil < 0 || CurrentPupil >= static_cast<int>(Pupils.size())) return 0;
  const int form = Pupils[static_cast<std::size_t>(CurrentPupil)].LayoutFormNumber;
  if (form < 0 || form >= kSlotByFormSize) return 0;
  return SubjectCatalog[static_cast<std::size_t>(entry)].SlotByForm[form];
}

}  // namespace

TFaNoExpForm::TFaNoExpForm(QWidget* parent, platform::DialogWidgets widgets) : DeferredDialog(parent) {
  setObjectName(QStringLiteral("FaNoExpForm"));
  setWindowTitle(QStringLiteral("Exportieren von Fachnoten-Listen"));
  setModal(true);
  MakeWidgetsWhen(widgets);
}

void TFaNoExpForm::MakeWidgets() {
  RadioGroup1 = new platform::RadioGroup(
      QStringLiteral("Exportart"),
      {QString::fromUtf8("ALLE Fächer"), QString::fromUtf8("ausgewählte Fächer"), QString::fromUtf8("einzelne Fächer")},
      3, this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));

  auto* subjects = new QGroupBox(QString::fromUtf8("Fächerauswahl"), this);
  auto* subjectGrid = new QGridLayout(subjects);
  for (int b = 1; b <= kExportBoxes; ++b) {
    auto* box = new QCheckBox(QStringLiteral("---"), subjects);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(b));
    subjectGrid->addWidget(box, (b - 1) / kSubjectColumns, (b - 1) % kSubjectColumns);
    checkBoxes_[static_cast<std::size_t>(b - 1)] = box;
  }

  auto* options = new QGroupBox(QStringLiteral("Export-Optionen"), this);
  auto* optionLayout = new QVBoxLayout(options);
  static const char* const kOptionCaptions[] = {"jedes Fach auf eine EXTRA-Diskette", "alte Liste VOLLSTÄNDIG löschen",
                                                "nur Bewertungen usw. aus alter Liste löschen"};
  for (int k = 0; k < 3; ++k) {
    auto* box = new QCheckBox(QString::fromUtf8(kOptionCaptions[k]), options);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(kDiskBox + k));
    optionLayout->addWidget(box);
    checkBoxes_[static_cast<std::size_t>(kDiskBox + k - 1)] = box;
  }

  Button1 = new QPushButton(QStringLiteral("jetzt exportieren"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("abbrechen"), this);
  Button2->setObjectName(QStringLiteral("Button2"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(RadioGroup1);
  layout->addWidget(subjects);
  layout->addWidget(options);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  layout->addLayout(buttons);

  connect(RadioGroup1, &platform::RadioGroup::itemIndexChanged, this, &TFaNoExpForm::RadioGroup1Click);
  connect(Button1, &QPushButton::clicked, this, &TFaNoExpForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TFaNoExpForm::Button2Click);
}

void TFaNoExpForm::FormShow() {
  {
    const QSignalBlocker blocker(RadioGroup1);
    RadioGroup1->setItemIndex(ExportKind);
  }
  for (int b = 1; b <= kExportBoxes; ++b) {
    CheckBox(b)->setText(QStringLiteral("---"));
    CheckBox(b)->setEnabled(false);
  }
  RadioGroup1Click();
  CheckBox(kDiskBox)->setChecked(ExtraDiskPerSubject);
  CheckBox(kDeleteBox)->setChecked(DeleteOldList);
  CheckBox(kReplaceBox)->setChecked(ReplaceFoundEntries);
}

void TFaNoExpForm::RadioGroup1Click() {
  const int kind = RadioGroup1->itemIndex();
  if (kind >= 0) ExportKind = static_cast<std::uint16_t>(kind);
  for (int b = 1; b <= kExportBoxes; ++b) {
    const int e = EntryOfBox(b);
    QCheckBox* box = CheckBox(b);
    QString caption = platform::DecodeCp1252(SubjectCatalog[static_cast<std::size_t>(e)].Abbreviation.bytes());
    box->setText(caption.replace(u'&', QStringLiteral("&&")));
    if (SlotValueForCurrentPupil(e) < 0) {
      box->setChecked(false);
      box->setEnabled(false);
      continue;
    }
    box->setEnabled(true);
    switch (ExportKind) {
      case ekAllSubjects: box->setChecked(true); break;
      case ekSelectedSubjects: box->setChecked(ExportSubjectSelection[static_cast<std::size_t>(e)] == 1); break;
      default: box->setChecked(false); break;
    }
  }
}

void TFaNoExpForm::Button1Click() {
  for (int b = 1; b <= kExportBoxes; ++b) {
    const bool checked = CheckBox(b)->isChecked();
    ExportSubjectSelection[static_cast<std::size_t>(EntryOfBox(b))] = checked ? 1 : 0;
    if (!checked && ExportKind == ekAllSubjects) ExportKind = ekSelectedSubjects;
  }
  ExtraDiskPerSubject = CheckBox(kDiskBox)->isChecked();
  DeleteOldList = CheckBox(kDeleteBox)->isChecked();
  ReplaceFoundEntries = CheckBox(kReplaceBox)->isChecked();
  done(1);
}

void TFaNoExpForm::Button2Click() { done(2); }

void TFaNoExpForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

}  // namespace quorv
