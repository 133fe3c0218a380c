#pragma once
// "Export der Einstellungen": the chosen settings files from the lists folder
// (else the program folder) into a folder the user picks.
#include <array>

#include "platform/ui/DeferredDialog.h"
#include "settings/SettingsTransfer.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
namespace platform {
class DriveFolderList;
}

namespace quorv {

class TEinstExpForm : public platform::DeferredDialog {
  Q_OBJECT
 public:
  explicit TEinstExpForm(QWidget* parent = nullptr,
                         platform::DialogWidgets widgets = platform::DialogWidgets::Now);

  QString ExportSourceDir;
  QString ExportTargetDir;

  std::array<QCheckBox*, kTransferFileCount> CheckBoxes{};  // CheckBox1..CheckBox7
  QLineEdit* Edit1;  // primary source
  QLineEdit* Edit2;  // secondary source
  platform::DriveFolderList* Target;
  QPushButton* Button1;
  QPushButton* Button2;

  void InitExportDialog();
  void ExportSettings();

 public slots:
  void FormShow();
  void Button1Click();
  void Button2Click();

 protected:
  void MakeWidgets() override;
  void showEvent(QShowEvent* event) override;
};

}  // namespace quorv
