#pragma once
// "Fächer- und Bewertungs-Übersicht": how often each grade occurs per
// catalogue subject and per elective subject the live pupils carry.
#include "platform/ui/DeferredDialog.h"

class QPushButton;
class QTableWidget;

namespace quorv {

class TBewUebersForm : public platform::DeferredDialog {
  Q_OBJECT
 public:
  explicit TBewUebersForm(QWidget* parent = nullptr,
                          platform::DialogWidgets widgets = platform::DialogWidgets::Now);

  QTableWidget* StringGrid1;
  QPushButton* BitBtn1;

 public slots:
  void FormCreate();
  void FormShow();
  void BitBtn1Click();

 protected:
  void MakeWidgets() override;
  void showEvent(QShowEvent* event) override;
};

}  // namespace quorv
