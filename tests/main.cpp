#include <gtest/gtest.h>

#include <QApplication>

#include "support/ScriptedMessages.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  // Any message that no test scripted fails the test that caused it.
  testsupport::ScriptedMessages strict;
  return RUN_ALL_TESTS();
}
