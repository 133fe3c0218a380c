#include "platform/ui/DriveFolderList.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace platform {

namespace {
QString WithSlash(const QString& path) { return path.endsWith('/') ? path : path + '/'; }
}  // namespace

DriveFolderList::DriveFolderList(QWidget* parent) : QWidget(parent) {
  DriveComboBox1 = new QComboBox(this);
  DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    const QString root = volume.rootPath();
    const QString name = volume.displayName();
    DriveComboBox1->addItem(name == root ? root : root + QStringLiteral("  [") + name + ']', root);
  }
  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  model_->setRootPath(QString());
  DirectoryListBox1 = new QTreeView(this);
  DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
  DirectoryListBox1->setModel(model_);
  for (int c = 1; c < model_->columnCount(); ++c) DirectoryListBox1->hideColumn(c);
  DirectoryListBox1->header()->hide();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(DriveComboBox1);
  layout->addWidget(DirectoryListBox1, 1);

  connect(DriveComboBox1, &QComboBox::activated, this, [this](int index) {
    const QString root = DriveComboBox1->itemData(index).toString();
    ShowVolume(root);
    folder_ = WithSlash(root);
  });
  connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) folder_ = WithSlash(model_->filePath(current));
          });
}

void DriveFolderList::ShowVolume(const QString& root) {
  DirectoryListBox1->setRootIndex(model_->index(root));
}

void DriveFolderList::setFolder(const QString& folder) {
  const QString path = QDir::cleanPath(folder);
  const QString root = QStorageInfo(path).rootPath();
  const int item = DriveComboBox1->findData(root);
  if (item >= 0) DriveComboBox1->setCurrentIndex(item);
  ShowVolume(root);
  const QModelIndex index = model_->index(path);
  if (index.isValid()) {
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index);
  }
  folder_ = WithSlash(path);
}

QString DriveFolderList::folder() const { return folder_; }

}  // namespace platform
