#include "platform/FileDialogs.h"

#include <gtest/gtest.h>

TEST(FileDialogs, FiltersBecomeNameFilters) {
  EXPECT_EQ(platform::NameFiltersFromFilter(
                QStringLiteral("Quorv-Datenbanken (*.QVR; *.ZDB)|*.QVR;*.ZDB|alle Dateien (*.*)|*.*")),
            (QStringList{"Quorv-Datenbanken (*.QVR *.ZDB)", "alle Dateien (*.*)"}));
  EXPECT_EQ(platform::NameFiltersFromFilter(QStringLiteral("Quorv-Datenbanken (*.QVR)| *.QVR")),
            (QStringList{"Quorv-Datenbanken (*.QVR)"}));
  EXPECT_TRUE(platform::NameFiltersFromFilter(QString()).isEmpty());
}
