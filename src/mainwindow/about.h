#pragma once
// The program information.
#include "platform/ui/DeferredDialog.h"

class QPushButton;

namespace quorv {

class TAboutForm : public platform::DeferredDialog {
  Q_OBJECT
 public:
  explicit TAboutForm(QWidget* parent = nullptr,
                      platform::DialogWidgets widgets = platform::DialogWidgets::Now);

  QPushButton* Button1;

 public slots:
  void Button1Click();

 protected:
  void MakeWidgets() override;
};

}  // namespace quorv
