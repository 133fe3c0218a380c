#include "platform/ui/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>
#include <QUrl>

namespace platform {
namespace {

constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;
// Room for a long name beside the other columns.
constexpr int kDefaultWidth = 780;
constexpr int kDefaultHeight = 460;

// Qt's file model writes sizes and dates in the machine's language; the
// dialog shows them in the program's.
class ProgramLocaleFiles : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const QLocale locale;
    if (index.column() == kSizeColumn && !files->isDir(source)) return locale.formattedDataSize(files->size(source));
    if (index.column() == kDateColumn) {
      const QDateTime modified = files->lastModified(source);
      if (modified.isValid()) return locale.toString(modified, QLocale::ShortFormat);
    }
    return QIdentityProxyModel::data(index, role);
  }
};

QHeaderView* DetailHeader(QFileDialog& dialog) {
  auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  return view ? view->header() : nullptr;  // none in a native dialog
}

// German sizes and dates; size, type and date as wide as their texts, the
// name taking the rest.
void UseProgramLocaleColumns(QFileDialog& dialog) {
  if (!DetailHeader(dialog)) return;
  dialog.setProxyModel(new ProgramLocaleFiles(&dialog));  // this resets the header
  QHeaderView* header = DetailHeader(dialog);
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column = 1; column < header->count(); ++column)
    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  dialog.resize(kDefaultWidth, kDefaultHeight);
}

// Qt keeps the header's state for the file dialogs of every Qt program; they
// get back plain columns, only the widths stay.
void LeavePlainColumns(QFileDialog& dialog) {
  QHeaderView* header = DetailHeader(dialog);
  if (!header) return;
  header->setSectionResizeMode(QHeaderView::Interactive);
  header->setStretchLastSection(true);
}

std::optional<QString> Run(QFileDialog& dialog, const FileDialogRequest& request) {
  PrepareFileDialog(dialog, request);
  const int result = dialog.exec();
  LeavePlainColumns(dialog);
  if (result != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
  return chosen.first();
}

}  // namespace

void PrepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
  UseProgramLocaleColumns(dialog);
  if (!request.startFolder.isEmpty()) dialog.setDirectory(request.startFolder);
  const QStringList filters = NameFiltersFromFilter(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
}

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
