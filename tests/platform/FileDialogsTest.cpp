#include "platform/FileDialogs.h"

#include <gtest/gtest.h>

#include "support/ScriptedFileDialogs.h"

TEST(FileDialogs, FiltersBecomeNameFilters) {
  EXPECT_EQ(platform::NameFiltersFromFilter(
                QStringLiteral("Quorv-Datenbanken (*.QVR; *.ZDB)|*.QVR;*.ZDB|alle Dateien (*.*)|*.*")),
            (QStringList{"Quorv-Datenbanken (*.QVR *.ZDB)", "alle Dateien (*.*)"}));
  EXPECT_EQ(platform::NameFiltersFromFilter(QStringLiteral("Quorv-Datenbanken (*.QVR)| *.QVR")),
            (QStringList{"Quorv-Datenbanken (*.QVR)"}));
  EXPECT_TRUE(platform::NameFiltersFromFilter(QString()).isEmpty());
}

TEST(FileDialogs, ScriptedAnswersAndRequests) {
  testsupport::ScriptedFileDialogs dialogs;
  dialogs.expectOpen(QStringLiteral("/x/7a.QVR")).expectSave(std::nullopt);
  EXPECT_EQ(platform::ChooseOpenFile({"Öffnen", "/x/", "f", ""}), QStringLiteral("/x/7a.QVR"));
  EXPECT_FALSE(platform::ChooseSaveFile({"Speichern unter", "/y/", "f", "n.QVR"}).has_value());
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[1].request.fileName, "n.QVR");
  EXPECT_EQ(dialogs.shown()[1].request.startFolder, "/y/");
}
