#pragma once
// The controls of the pupil data sheet (pages TabSheet10..14 of PageControl2),
// each also reachable by its component name.
#include <QHash>
#include <QObject>
#include <QString>
#include <array>

#include "mainwindow/MainUSB.h"
#include "platform/ui/LimitedMemo.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace platform {
class RadioGroup;
}

namespace quorv {

struct TMainForm::DataSheetControls : QObject {
  explicit DataSheetControls(QObject* parent) : QObject(parent) {}

  // One subject row: slot s (1..25) is Rows[s - 1]. Rows 1..18 have a name
  // label (LabelFs), some a name combo (ComboBoxFs), a grade (EditFs), an
  // addition (EditFsZ) and a level combo (ComboBoxs); rows 19..24 the elective
  // combos ComboBoxW1..6 with EditWn, EditWnZ and ComboBox19..24; row 25 the
  // overall elective grade EditW and EditWZ.
  struct SubjectRow {
    QLabel* Label = nullptr;
    QComboBox* Name = nullptr;
    QLineEdit* Grade = nullptr;
    QLineEdit* Addition = nullptr;
    QComboBox* Level = nullptr;
  };
  std::array<SubjectRow, 25> Rows{};

  // "Zeugnis-Kopf"
  QLineEdit* Edit5 = nullptr;   // surname
  QLineEdit* Edit6 = nullptr;   // first name
  QLineEdit* MaskEdit2 = nullptr;  // birth date, masked
  QCheckBox* CheckBox1 = nullptr;  // "weiblich"
  QLineEdit* Edit11 = nullptr;  // key number, read-only
  QLineEdit* Edit63 = nullptr;  // school year
  QLineEdit* Edit64 = nullptr;  // its second year, read-only
  QCheckBox* CheckBox6 = nullptr;  // half year
  QLineEdit* Edit65 = nullptr;  // class
  QLineEdit* Edit66 = nullptr;  // class teacher
  QComboBox* ComboBox41 = nullptr;  // report kind
  QComboBox* ComboBox42 = nullptr;  // Klassenstufe
  QComboBox* ComboBox45 = nullptr;  // level of demand
  QLineEdit* Edit7 = nullptr;   // form number
  QLabel* Label45 = nullptr;
  QLineEdit* Edit68 = nullptr;  // Jahrgangsstufe
  QLabel* Label17 = nullptr;
  platform::RadioGroup* RadioGroup1 = nullptr;  // Abschlussart
  platform::RadioGroup* RadioGroup2 = nullptr;  // Klassenart
  QGroupBox* GroupBox3 = nullptr;  // "für Übergangs-Zeugnis"
  QLineEdit* Edit67 = nullptr;  // next school
  QGroupBox* GroupBox6 = nullptr;  // "Prüfungsdaten"
  QCheckBox* CheckBox5 = nullptr;  // exam data present
  QCheckBox* CheckBox4 = nullptr;  // exam passed
  QLabel* Label59 = nullptr;
  QComboBox* ComboBox38 = nullptr;  // fourth exam subject
  QLabel* Label60 = nullptr;
  QLineEdit* Edit75 = nullptr;  // its grade
  QLabel* Label64 = nullptr;
  QLabel* Label65 = nullptr;
  QLabel* Label66 = nullptr;

  // "Text-Bereich", "Vermerke"
  platform::LimitedMemo* Memo2 = nullptr;  // development text
  platform::LimitedMemo* Memo3 = nullptr;  // remarks
  platform::LimitedMemo* Memo4 = nullptr;  // teacher notes
  platform::RadioGroup* RadioGroup4 = nullptr;  // recommendation
  QLabel* Label63 = nullptr;

  // "Fächer u. Bewertungen"
  QComboBox* ComboBox43 = nullptr;  // level of demand
  QLineEdit* Edit8 = nullptr;   // form number
  QLineEdit* Edit9 = nullptr;   // layout form number, hidden
  QLineEdit* Edit14 = nullptr;  // shown form number, hidden

  // "(Wahlpfl. u.) Zeugnis-Fuß"
  QGroupBox* GroupBox8 = nullptr;  // "Fehlzeiten"
  QLineEdit* Edit72 = nullptr;  // absence days
  QLineEdit* Edit74 = nullptr;  // of these excused
  QComboBox* ComboBox44 = nullptr;  // Gesamtprädikat
  QLabel* Label71 = nullptr;
  QLineEdit* Edit69 = nullptr;  // place of issue
  QLineEdit* MaskEdit4 = nullptr;  // date of issue, masked
  QCheckBox* CheckBox3 = nullptr;  // skip in batch printing

  // Texts as the last show put them into the masked edits and memos: an
  // unedited control leaves its record field as it is.
  QString ShownBirthDate;
  QString ShownIssueDate;
  QString ShownMemo2;
  QString ShownMemo3;
  QString ShownMemo4;

  // Every control of the sheet by its component name.
  QHash<QString, QWidget*> ByName;
};

}  // namespace quorv
