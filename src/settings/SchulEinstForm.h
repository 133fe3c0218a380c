#pragma once
// The school-settings dialog "Schuleinstellungen".
#include "platform/ui/DeferredDialog.h"

class QLineEdit;
class QPushButton;
namespace platform { class RadioGroup; }

namespace quorv {

class TSchulEinstForm : public platform::DeferredDialog {
  Q_OBJECT
 public:
  // Loads the settings file.
  explicit TSchulEinstForm(QWidget* parent = nullptr,
                           platform::DialogWidgets widgets = platform::DialogWidgets::Now);

  void SchoolSettingsToForm();
  void FormToSchoolSettings();

  platform::RadioGroup* RadioGroup1;
  QLineEdit* Edit1;
  QPushButton* Button1;
  QPushButton* Button2;

 public slots:
  void FormShow();
  void Button1Click();
  void Button2Click();

 protected:
  void MakeWidgets() override;
  void showEvent(QShowEvent* event) override;
  void reject() override { Button2Click(); }
};

}  // namespace quorv
