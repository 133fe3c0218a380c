#pragma once
// "Import der Einstellungen": the chosen settings files from a folder the user
// picks into the program folder and/or the lists folder.
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

class TEinstImpForm : public platform::DeferredDialog {
  Q_OBJECT
 public:
  explicit TEinstImpForm(QWidget* parent = nullptr,
                         platform::DialogWidgets widgets = platform::DialogWidgets::Now);

  QString ImportSourceDir;

  std::array<QCheckBox*, kTransferFileCount> CheckBoxes{};  // CheckBox1..CheckBox7
  QCheckBox* CheckBox9;   // into the program folder
  QCheckBox* CheckBox10;  // into the lists folder
  QLineEdit* Edit1;       // the program folder
  QLineEdit* Edit2;       // the lists folder
  platform::DriveFolderList* Source;
  QPushButton* Button1;
  QPushButton* Button2;

  void InitImportDialog();
  void ImportSettings();

 public slots:
  void FormShow();
  void Button1Click();
  void Button2Click();

 protected:
  void MakeWidgets() override;
  void showEvent(QShowEvent* event) override;
};

}  // namespace quorv
