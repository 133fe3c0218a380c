#pragma once
// The school-settings dialog "Schuleinstellungen".
#include <QDialog>

class QLineEdit;
class QPushButton;
namespace platform { class RadioGroup; }

namespace quorv {

class TSchulEinstForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSchulEinstForm(QWidget* parent = nullptr);  // loads the settings file

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
  void showEvent(QShowEvent* event) override;
  void reject() override { Button2Click(); }
};

}  // namespace quorv
