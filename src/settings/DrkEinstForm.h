#pragma once
// The print-options dialog "Einstellungen der Druck-Optionen".
#include <array>

#include "platform/ui/DeferredDialog.h"
#include "settings/DrkEinst.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace platform {
class RadioGroup;
}

namespace quorv {

class TDrkEinstForm : public platform::DeferredDialog {
  Q_OBJECT
 public:
  // Loads the options file.
  explicit TDrkEinstForm(QWidget* parent = nullptr,
                         platform::DialogWidgets widgets = platform::DialogWidgets::Now);

  void PrintOptionsToForm(const TPrintOptions& options);
  void PrintOptionsToForm() { PrintOptionsToForm(PrintOptions); }
  // Stores the controls into options. A margin edit without an acceptable
  // number is reported and leaves options untouched (false).
  bool FormToPrintOptions(TPrintOptions& options);
  bool FormToPrintOptions() { return FormToPrintOptions(PrintOptions); }

  QCheckBox* CheckBox(int number) const { return checkBoxes_[static_cast<std::size_t>(number - 1)]; }
  platform::RadioGroup* RadioGroup(int number) const {
    return radioGroups_[static_cast<std::size_t>(number - 1)];
  }
  // Edit1 the strike character, Edit2..Edit4 the margins.
  QLineEdit* Edit(int number) const { return edits_[static_cast<std::size_t>(number - 1)]; }
  QComboBox* ComboBox1 = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;

 public slots:
  void FormShow();
  void Button1Click();
  void Button2Click();
  void Button3Click();

 protected:
  void MakeWidgets() override;
  void showEvent(QShowEvent* event) override;
  void reject() override { Button2Click(); }

 private:
  std::array<QCheckBox*, 14> checkBoxes_{};
  std::array<platform::RadioGroup*, 7> radioGroups_{};
  std::array<QLineEdit*, 4> edits_{};
  // "Standard wiederherstellen" was pressed: OK starts from the defaults.
  bool defaultsPending_ = false;
};

}  // namespace quorv
