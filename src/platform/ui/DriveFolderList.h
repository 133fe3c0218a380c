#pragma once
// A drive box coupled to a folder list: the mounted volumes of this machine
// in the box; in the list the chosen folder's path from its volume down, then
// its subfolders. A click chooses a folder, a double click also opens it.
#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace platform {

class DriveFolderList : public QWidget {
  Q_OBJECT
 public:
  explicit DriveFolderList(QWidget* parent = nullptr);

  // Chooses the volume holding the folder and opens the folder in the list.
  void setFolder(const QString& folder);
  // The chosen folder, ending in '/'.
  QString folder() const;

  QComboBox* DriveComboBox1;
  QListWidget* DirectoryListBox1;
  QLabel* DirLabel;  // the chosen folder as text

 private:
  void Fill();
  void ItemActivated(QListWidgetItem* item);
  void ItemChosen(QListWidgetItem* item);
  QString folder_;
  bool filling_ = false;
};

}  // namespace platform
