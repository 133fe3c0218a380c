#pragma once
// The folder-selection dialog, behind an interface so tests can answer it. The
// program installs the Qt dialog (platform/ui/FolderDialog.h) at start-up.
#include <QString>
#include <optional>

namespace platform {

// Special folders a folder dialog can be rooted at, numbered as the shell does.
enum SpecialFolder : int {
  FolderDesktop = 0,
  FolderPersonal = 5,
  FolderDrives = 17,
};

class FolderChooser {
 public:
  virtual ~FolderChooser() = default;
  // The chosen folder's path, or nothing on Cancel or failure.
  virtual std::optional<QString> ChooseFolder(int root, const QString& prompt) = 0;
};

// Installs a chooser; returns the previous one. Without one, ChooseFolder
// reports on stderr and answers Cancel.
FolderChooser* SetFolderChooser(FolderChooser* chooser);

std::optional<QString> ChooseFolder(int root, const QString& prompt);

}  // namespace platform
