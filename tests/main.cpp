#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QStandardPaths>

#include "platform/ui/HelpViewer.h"
#include "platform/ui/ModalDialogs.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's own settings (the file dialogs' state) go to a test folder, not the user's.
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  // Any message that no test scripted fails the test that caused it.
  testsupport::ScriptedMessages strict;
  // So does a modal dialog or a help viewer that no test scripted; neither
  // may block the run or start a program.
  platform::SetModalRunner([](QDialog& dialog) {
    ADD_FAILURE() << "unexpected modal dialog: " << dialog.objectName().toStdString();
    return 2;
  });
  platform::SetHelpOpener([](const QString& path) {
    ADD_FAILURE() << "unexpected help viewer for " << path.toStdString();
    return false;
  });
  // And so does an open or save dialog.
  testsupport::NoFileDialogs noFileDialogs;
  platform::SetFileDialogs(&noFileDialogs);
  return RUN_ALL_TESTS();
}
