#pragma once
// The options dialog of the grade-list export "Exportieren von Fachnoten-Listen".
#include <array>

#include "platform/ui/DeferredDialog.h"
#include "records/GradeList.h"

class QCheckBox;
class QPushButton;

namespace platform {
class RadioGroup;
}

namespace quorv {

class TFaNoExpForm : public platform::DeferredDialog {
  Q_OBJECT
 public:
  explicit TFaNoExpForm(QWidget* parent = nullptr,
                        platform::DialogWidgets widgets = platform::DialogWidgets::Now);

  // Boxes 1..40 the subjects (catalogue entry = box + 1), 41..43 the options.
  QCheckBox* CheckBox(int number) const { return checkBoxes_[static_cast<std::size_t>(number - 1)]; }
  QPushButton* Button1;
  QPushButton* Button2;
  platform::RadioGroup* RadioGroup1;

 public slots:
  void FormShow();
  void RadioGroup1Click();
  void Button1Click();
  void Button2Click();

 protected:
  void MakeWidgets() override;
  void showEvent(QShowEvent* event) override;
  void reject() override { Button2Click(); }

 private:
  std::array<QCheckBox*, kExportBoxes + 3> checkBoxes_{};
};

}  // namespace quorv
