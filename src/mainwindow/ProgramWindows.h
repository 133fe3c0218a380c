#pragma once
// The windows the program makes at start, in their fixed order and wired to
// each other: the main window first, then the dialogs with the main window as
// their parent. The subject catalogue is loaded between the code list and the
// new-class dialog. Destroyed in the reverse order.
#include <QString>
#include <memory>

namespace quorv {

class TMainForm;
class TBewHilfForm;
class TNeuDSForm;
class TProgEinstForm;
class TSchulEinstForm;
class TWpflEinstForm;
class TDrkEinstForm;
class TPreViewForm;
class TAboutForm;
class TInfoDlg;
class TFaNoExpForm;
class TBewUebersForm;
class TFachEingForm;
class TEinstExpForm;
class TEinstImpForm;
class TDatSichForm;

class TProgramWindows {
 public:
  // programPath: the program file; its folder is the program folder.
  explicit TProgramWindows(const QString& programPath);
  ~TProgramWindows();
  TProgramWindows(const TProgramWindows&) = delete;
  TProgramWindows& operator=(const TProgramWindows&) = delete;

  TMainForm& MainForm() { return *mainForm_; }

 private:
  // In the order of creation.
  std::unique_ptr<TMainForm> mainForm_;
  std::unique_ptr<TBewHilfForm> bewHilfForm_;
  std::unique_ptr<TNeuDSForm> neuDSForm_;
  std::unique_ptr<TProgEinstForm> progEinstForm_;
  std::unique_ptr<TSchulEinstForm> schulEinstForm_;
  std::unique_ptr<TWpflEinstForm> wpflEinstForm_;
  std::unique_ptr<TDrkEinstForm> drkEinstForm_;
  std::unique_ptr<TPreViewForm> preViewForm_;
  std::unique_ptr<TAboutForm> aboutForm_;
  std::unique_ptr<TInfoDlg> infoDlg_;
  std::unique_ptr<TFaNoExpForm> faNoExpForm_;
  std::unique_ptr<TBewUebersForm> bewUebersForm_;
  std::unique_ptr<TFachEingForm> fachEingForm_;
  std::unique_ptr<TEinstExpForm> einstExpForm_;
  std::unique_ptr<TEinstImpForm> einstImpForm_;
  std::unique_ptr<TDatSichForm> datSichForm_;
};

}  // namespace quorv
