#include "platform/ui/DriveFolderList.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/ui/StandardIcons.h"

namespace platform {

namespace {
QString WithSlash(const QString& path) { return path.endsWith('/') ? path : path + '/'; }
constexpr int kPathRole = Qt::UserRole;
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
  DirLabel = new QLabel(this);
  DirLabel->setObjectName(QStringLiteral("DirLabel"));
  DirectoryListBox1 = new QListWidget(this);
  DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(DriveComboBox1);
  layout->addWidget(DirLabel);
  layout->addWidget(DirectoryListBox1, 1);

  connect(DriveComboBox1, &QComboBox::activated, this,
          [this](int index) { setFolder(DriveComboBox1->itemData(index).toString()); });
  connect(DirectoryListBox1, &QListWidget::itemActivated, this, &DriveFolderList::ItemActivated);
  connect(DirectoryListBox1, &QListWidget::currentItemChanged, this, &DriveFolderList::ItemChosen);
}

void DriveFolderList::setFolder(const QString& folder) {
  const QString path = QDir::cleanPath(QDir(folder).absolutePath());
  const int item = DriveComboBox1->findData(QStorageInfo(path).rootPath());
  if (item >= 0) DriveComboBox1->setCurrentIndex(item);
  folder_ = WithSlash(path);
  Fill();
}

QString DriveFolderList::folder() const { return folder_; }

void DriveFolderList::Fill() {
  filling_ = true;
  DirectoryListBox1->clear();
  DirLabel->setText(QDir::toNativeSeparators(folder_));
  const QIcon open = StandardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = StandardIcon(QStyle::SP_DirClosedIcon);
  const QString root = QStorageInfo(folder_).rootPath();
  // The path from the volume's root down to the folder, indented.
  QStringList chain;
  for (QDir d(folder_);; ) {
    chain.prepend(d.absolutePath());
    if (d.absolutePath() == QDir::cleanPath(root) || !d.cdUp()) break;
  }
  int depth = 0;
  for (const QString& p : chain) {
    const QString name = depth == 0 ? p : QDir(p).dirName();
    auto* entry = new QListWidgetItem(open, QString(depth * 2, ' ') + name, DirectoryListBox1);
    entry->setData(kPathRole, p);
    ++depth;
  }
  DirectoryListBox1->setCurrentRow(DirectoryListBox1->count() - 1);
  for (const QString& sub : QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
    auto* entry = new QListWidgetItem(closed, QString(depth * 2, ' ') + sub, DirectoryListBox1);
    entry->setData(kPathRole, folder_ + sub);
  }
  filling_ = false;
}

void DriveFolderList::ItemActivated(QListWidgetItem* item) {
  if (item) setFolder(item->data(kPathRole).toString());
}

// The highlighted folder is the one the dialog works with, opened or not.
void DriveFolderList::ItemChosen(QListWidgetItem* item) {
  if (filling_ || !item) return;
  folder_ = WithSlash(QDir::cleanPath(item->data(kPathRole).toString()));
  DirLabel->setText(QDir::toNativeSeparators(folder_));
}

}  // namespace platform
