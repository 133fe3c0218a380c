#pragma once
// The elective-subject dialog "Einstellungen zu den Wahlpflichtfächern".
#include "platform/ui/DeferredDialog.h"
#include "settings/WpflEinst.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorv {

class TWpflEinstForm : public platform::DeferredDialog {
  Q_OBJECT
 public:
  // Loads the list.
  explicit TWpflEinstForm(QWidget* parent = nullptr,
                          platform::DialogWidgets widgets = platform::DialogWidgets::Now);

  void FillElectiveListBox();

  QListWidget* ListBox1;
  QLineEdit* Edit1;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;

 public slots:
  void FormShow();
  void ListBox1Click();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();

 protected:
  void MakeWidgets() override;
  void showEvent(QShowEvent* event) override;
  void reject() override { Button2Click(); }
  // Enter in the name field adds the typed subject instead of closing the dialog.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TWPflFach shownEntries_;
  int shownIndex_ = 1;
};

}  // namespace quorv
