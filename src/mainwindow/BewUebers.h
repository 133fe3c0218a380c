#pragma once
// "Fächer- und Bewertungs-Übersicht": how often each grade occurs per
// catalogue subject and per elective subject the live pupils carry.
#include <QDialog>

class QPushButton;
class QTableWidget;

namespace quorv {

class TBewUebersForm : public QDialog {
  Q_OBJECT
 public:
  explicit TBewUebersForm(QWidget* parent = nullptr);

  QTableWidget* StringGrid1;
  QPushButton* BitBtn1;

 public slots:
  void FormCreate();
  void FormShow();
  void BitBtn1Click();

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace quorv
