#include "platform/ui/FolderDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {

// Answers the next modal folder dialog with act, after checking how it was set up.
void AnswerFolderDialog(const QString& expectedTitle, std::function<void(QFileDialog&)> act) {
  QTimer::singleShot(0, [expectedTitle, act] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      ADD_FAILURE() << "no modal folder dialog";
      for (QWidget* w : QApplication::topLevelWidgets())  // do not leave a dialog open
        if (auto* other = qobject_cast<QFileDialog*>(w)) QMetaObject::invokeMethod(other, "reject");
      return;
    }
    EXPECT_EQ(dialog->objectName(), QStringLiteral("FolderDialog"));
    EXPECT_EQ(dialog->windowTitle(), expectedTitle);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
    EXPECT_TRUE(dialog->testOption(QFileDialog::ShowDirsOnly));
    act(*dialog);
  });
}

TEST(FolderDialog, OkReturnsChosenFolder) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = QDir(dir.path()).canonicalPath();
  AnswerFolderDialog(QStringLiteral("Ordner wählen"), [path](QFileDialog& d) {
    d.setDirectory(path);
    QMetaObject::invokeMethod(&d, "accept");
  });
  platform::QtFolderDialog chooser;
  const std::optional<QString> chosen =
      chooser.ChooseFolder(platform::FolderDrives, QStringLiteral("Ordner wählen"));
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(QDir(*chosen).canonicalPath(), path);
}

TEST(FolderDialog, CancelReturnsNothing) {
  AnswerFolderDialog(QStringLiteral("Ordner"), [](QFileDialog& d) { d.reject(); });
  platform::QtFolderDialog chooser;
  EXPECT_FALSE(chooser.ChooseFolder(platform::FolderDrives, QStringLiteral("Ordner")).has_value());
}

TEST(FolderDialog, DrivesStartAtFileSystemRoot) {
  EXPECT_EQ(platform::QtFolderDialog::SpecialFolderPath(platform::FolderDrives), QDir::rootPath());
  EXPECT_EQ(platform::QtFolderDialog::SpecialFolderPath(12345), QDir::rootPath());
  EXPECT_FALSE(platform::QtFolderDialog::SpecialFolderPath(platform::FolderPersonal).isEmpty());
}

}  // namespace
