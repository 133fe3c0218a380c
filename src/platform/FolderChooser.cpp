#include "platform/FolderChooser.h"

#include <cstdio>

namespace platform {
namespace {
FolderChooser* g_chooser = nullptr;
}

FolderChooser* SetFolderChooser(FolderChooser* chooser) {
  FolderChooser* previous = g_chooser;
  g_chooser = chooser;
  return previous;
}

std::optional<QString> ChooseFolder(int root, const QString& prompt) {
  if (g_chooser) return g_chooser->ChooseFolder(root, prompt);
  std::fprintf(stderr, "No folder dialog available: %s\n", prompt.toLocal8Bit().constData());
  return std::nullopt;
}

}  // namespace platform
