#pragma once
// The folder chooser as a Qt file dialog in folder mode.
#include "platform/FolderChooser.h"

namespace platform {

class QtFolderDialog : public FolderChooser {
 public:
  // Shows a modal dialog (object name "FolderDialog") on the active window,
  // titled prompt, listing folders only and starting at the special folder root.
  std::optional<QString> ChooseFolder(int root, const QString& prompt) override;

  // The local folder standing for a special folder.
  static QString SpecialFolderPath(int root);
};

}  // namespace platform
