#pragma once
// The code list "mögliche Einträge bei Bew., Zus. u. Niv.": a window beside
// the data sheet that lists what the grade, addition and level fields take.
#include <QPointer>
#include <QRect>
#include <QStringList>

#include "platform/ui/DeferredDialog.h"

class QPlainTextEdit;
class QPushButton;

namespace quorv {

// The lines of the list for a school type and the additions option.
QStringList CodeListLines(int schoolType, bool showAdditions);

class TBewHilfForm : public platform::DeferredDialog {
  Q_OBJECT
 public:
  explicit TBewHilfForm(QWidget* parent = nullptr,
                        platform::DialogWidgets widgets = platform::DialogWidgets::Now);

  QPlainTextEdit* Memo1;
  QPushButton* Button1;  // "ausblenden"

  // Shows the list for a dialog unless it shows for it already: the list
  // becomes the dialog's child, so the dialog's modality leaves it usable,
  // stands beside it clear of keepClear (global) and goes with it.
  void ShowBesideDialog(QWidget* dialog, const QRect& keepClear);

 public slots:
  void FormShow();
  void Button1Click();

 protected:
  void MakeWidgets() override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Back to the window it was made for, hidden.
  void ReturnHome();
  QPointer<QWidget> home_;
  QPointer<QWidget> dialog_;
};

}  // namespace quorv
