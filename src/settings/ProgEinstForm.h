#pragma once
// The program-options dialog "Einstellungen zum Programm Quorv".
#include <array>

#include "platform/ui/DeferredDialog.h"
#include "settings/ProgEinst.h"

class QCheckBox;
class QPushButton;

namespace quorv {

class TProgEinstForm : public platform::DeferredDialog {
  Q_OBJECT
 public:
  // Loads the options file.
  explicit TProgEinstForm(QWidget* parent = nullptr,
                          platform::DialogWidgets widgets = platform::DialogWidgets::Now);

  void ProgramOptionsToForm(const TProgramOptions& options);
  void ProgramOptionsToForm() { ProgramOptionsToForm(ProgramOptions); }
  void FormToProgramOptions();

  QCheckBox* CheckBox(int number) const { return checkBoxes_[static_cast<std::size_t>(number - 1)]; }
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;

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
  std::array<QCheckBox*, 10> checkBoxes_{};
  // "Standard wiederherstellen" was pressed: OK starts from the defaults.
  bool defaultsPending_ = false;
};

}  // namespace quorv
