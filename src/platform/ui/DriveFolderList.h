#pragma once
// A drive box coupled to a folder list: the mounted volumes of this machine
// in the box, the folders of the chosen volume in the list.
#include <QString>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QTreeView;

namespace platform {

class DriveFolderList : public QWidget {
  Q_OBJECT
 public:
  explicit DriveFolderList(QWidget* parent = nullptr);

  // Chooses the volume holding the folder and the folder in the list.
  void setFolder(const QString& folder);
  // The chosen folder, ending in '/'.
  QString folder() const;

  QComboBox* DriveComboBox1;
  QTreeView* DirectoryListBox1;

 private:
  void ShowVolume(const QString& root);
  QFileSystemModel* model_;
  QString folder_;
};

}  // namespace platform
