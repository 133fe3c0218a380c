#pragma once
// The new-pupil dialog: the names of a pupil added from the table page.
#include "platform/ui/DeferredDialog.h"

class QLineEdit;
class QPushButton;

namespace quorv {

class TNeuDSForm : public platform::DeferredDialog {
  Q_OBJECT
 public:
  explicit TNeuDSForm(QWidget* parent = nullptr,
                      platform::DialogWidgets widgets = platform::DialogWidgets::Now);

  QLineEdit* Edit1;  // surname
  QLineEdit* Edit2;  // first name
  QPushButton* Button1;
  QPushButton* Button2;

 public slots:
  // The window's close box answers as the cancel button.
  void reject() override { Button2Click(); }
  void FormShow();
  void Button1Click();
  void Button2Click();

 protected:
  void MakeWidgets() override;
  void showEvent(QShowEvent* event) override;
};

}  // namespace quorv
