#pragma once
// The open and save dialogs as Qt file dialogs.
#include "platform/FileDialogs.h"

namespace platform {

class QtFileDialogs : public FileDialogs {
 public:
  // Modal dialogs on the active window, named "OpenDialog" and "SaveDialog".
  std::optional<QString> ChooseOpenFile(const FileDialogRequest& request) override;
  std::optional<QString> ChooseSaveFile(const FileDialogRequest& request) override;
};

}  // namespace platform
