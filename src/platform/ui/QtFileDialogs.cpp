#include "platform/ui/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QUrl>

namespace platform {
namespace {

std::optional<QString> Run(QFileDialog& dialog, const FileDialogRequest& request) {
  if (!request.startFolder.isEmpty()) dialog.setDirectory(request.startFolder);
  const QStringList filters = NameFiltersFromFilter(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
  return chosen.first();
}

}  // namespace

std::optional<QString> QtFileDialogs::ChooseOpenFile(const FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), request.title);
  dialog.setObjectName(QStringLiteral("OpenDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return Run(dialog, request);
}

std::optional<QString> QtFileDialogs::ChooseSaveFile(const FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), request.title);
  dialog.setObjectName(QStringLiteral("SaveDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The caller asks about an existing file once it knows the final name.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  // No places bar.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setSidebarUrls({});
  return Run(dialog, request);
}

}  // namespace platform
