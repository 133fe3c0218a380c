#pragma once
// The self-closing information dialog.
#include <QString>
#include <array>
#include <cstdint>

#include "platform/ui/DeferredDialog.h"

class QLineEdit;
class QTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace quorv {

// The texts of the dialog and its tick length in milliseconds.
extern QString InfoCaption;
extern QString InfoHeadline;
extern std::array<QString, 5> InfoLines;
extern std::uint16_t InfoTickLength;

constexpr int kInfoProgressMax = 10;

// The tick length for a dialog that closes after about ms milliseconds:
// ms / 10 to the nearest whole number (halves up). 0 means no timer.
std::uint16_t InfoTickLengthFor(std::uint16_t ms);

class TInfoDlg : public platform::DeferredDialog {
  Q_OBJECT
 public:
  explicit TInfoDlg(QWidget* parent = nullptr, platform::DialogWidgets widgets = platform::DialogWidgets::Now);
  ~TInfoDlg() override;

  QLineEdit* Edit1;
  QTextEdit* Memo1;
  QProgressBar* ProgressBar1;
  QPushButton* BitBtn1;
  QTimer* Timer1;

  int Progress() const { return progress_; }

 public slots:
  void FormShow();
  void Timer1Timer();
  void BitBtn1Click();

 protected:
  void MakeWidgets() override;
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  int progress_ = 0;
};

// The dialog of the run (the first one created); ShowInfoDialog uses it.
extern TInfoDlg* InfoDlg;

// Shows the information dialog modally; it closes itself after about ms
// milliseconds, or on its button.
void ShowInfoDialog(const QString& caption, const QString& headline, const QString& line1, const QString& line2,
                    const QString& line3, const QString& line4, const QString& line5, std::uint16_t ms);

}  // namespace quorv
