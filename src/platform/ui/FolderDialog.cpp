#include "platform/ui/FolderDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <array>

namespace platform {
namespace {

struct SpecialFolderPlace {
  int root;
  QStandardPaths::StandardLocation location;
};

constexpr std::array<SpecialFolderPlace, 2> kSpecialFolders = {{
    {FolderDesktop, QStandardPaths::DesktopLocation},
    {FolderPersonal, QStandardPaths::DocumentsLocation},
}};

}  // namespace

QString QtFolderDialog::SpecialFolderPath(int root) {
  for (const SpecialFolderPlace& place : kSpecialFolders) {
    if (place.root != root) continue;
    const QString path = QStandardPaths::writableLocation(place.location);
    if (!path.isEmpty()) return path;
  }
  // The drives, and any folder without a local counterpart: the file-system root.
  return QDir::rootPath();
}

std::optional<QString> QtFolderDialog::ChooseFolder(int root, const QString& prompt) {
  QFileDialog dialog(QApplication::activeWindow(), prompt, SpecialFolderPath(root));
  dialog.setObjectName(QStringLiteral("FolderDialog"));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
  return chosen.first();
}

}  // namespace platform
