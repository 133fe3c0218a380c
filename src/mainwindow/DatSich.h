#pragma once
// The backup dialog "vollständige Datensicherung": a target folder and the
// two answers. It copies nothing itself.
#include "platform/ui/DeferredDialog.h"

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeView;

namespace quorv {

inline constexpr const char* kNoBackupWarning = "Es wurde KEINE Datensicherung durchgeführt!";

class TDatSichForm : public platform::DeferredDialog {
  Q_OBJECT
 public:
  explicit TDatSichForm(QWidget* parent = nullptr,
                        platform::DialogWidgets widgets = platform::DialogWidgets::Now);

  QLabel* Label1;
  QComboBox* DriveComboBox1;
  QTreeView* DirectoryListBox1;
  QPushButton* BitBtn1;  // "Daten sichern"
  QPushButton* BitBtn2;  // "Abbrechen"
  QPushButton* Button1;  // "neuen Ordner erstellen ..."
  QGroupBox* GroupBox1;  // "Optionen"
  QCheckBox* CheckBox1;  // "vorhandene Daten überschreiben"

 public slots:
  // The window's close box answers as the cancel button.
  void reject() override { BitBtn2Click(); }
  void BitBtn1Click();
  void BitBtn2Click();
  void DriveComboBox1Change();

 protected:
  void MakeWidgets() override;
  void showEvent(QShowEvent* event) override;

 private:
  QFileSystemModel* folders_ = nullptr;
};

}  // namespace quorv
