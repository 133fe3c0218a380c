#pragma once
// The program information.
#include <QDialog>

class QPushButton;

namespace quorv {

class TAboutForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutForm(QWidget* parent = nullptr);

  QPushButton* Button1;

 public slots:
  void Button1Click();
};

}  // namespace quorv
