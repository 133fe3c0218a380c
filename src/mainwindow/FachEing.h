#pragma once
// "Schüler-Fach-Übersicht": course level, grade and addition of one subject
// typed for the whole class in one grid, then written back into the records.
#include <QString>

#include "platform/ui/DeferredDialog.h"

class QComboBox;
class QPushButton;
class QTableWidget;

namespace quorv {

class TBewHilfForm;

class TFachEingForm : public platform::DeferredDialog {
  Q_OBJECT
 public:
  explicit TFachEingForm(QWidget* parent = nullptr,
                         platform::DialogWidgets widgets = platform::DialogWidgets::Now);

  // The subject whose columns the grid shows (up to 40 characters).
  QString GridSubject;
  int ListedPupilCount = 0;
  // The modeless code list, shown by "mögliche Eintragungen".
  TBewHilfForm* BewHilfForm = nullptr;

  QComboBox* ComboBox1;
  QTableWidget* StringGrid1;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
  QPushButton* BitBtn3;
  QPushButton* BitBtn4;
  QPushButton* BitBtn5;
  QPushButton* BitBtn6;
  QPushButton* BitBtn7;
  QPushButton* BitBtn8;

  void SetupSubjectPupilGrid();
  void FillSubjectPupilRows();
  void FillSubjectGridColumns();
  void WriteBackSubjectGrid();
  // Orders the listed rows by a column's text, by character code.
  void SortRows(int column, bool ascending);
  // The grid's columns on the screen, which the code list leaves clear.
  QRect GridColumnsOnScreen() const;

 public slots:
  void FormShow();
  // The subject chosen or typed in ComboBox1.
  void ComboBox1Change(const QString& text);
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void BitBtn5Click();
  void BitBtn6Click();
  void BitBtn7Click();
  void BitBtn8Click();

 protected:
  void MakeWidgets() override;
  void showEvent(QShowEvent* event) override;
  void reject() override { BitBtn2Click(); }

 private:
  QString Cell(int row, int column) const;
  void SetCell(int row, int column, const QString& text);
  bool SubjectChosen() const;
};

}  // namespace quorv
