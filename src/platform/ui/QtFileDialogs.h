#pragma once
// The open and save dialogs as Qt file dialogs.
#include "platform/FileDialogs.h"

class QFileDialog;

namespace platform {

// Folder, filters, proposed name and default suffix of the request, with
// sizes and dates in the program's language in columns that fit them.
void PrepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

class QtFileDialogs : public FileDialogs {
 public:
  // Modal dialogs on the active window, named "OpenDialog" and "SaveDialog".
  std::optional<QString> ChooseOpenFile(const FileDialogRequest& request) override;
  std::optional<QString> ChooseSaveFile(const FileDialogRequest& request) override;
};

}  // namespace platform
