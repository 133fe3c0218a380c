#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "mainwindow/MainUSB.h"
#include "records/QuorvDat.h"
#include "settings/SchulEinst.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace quorv;

TEST(MainForm, CreationSetsFoldersAndDesignedCaption) {
  testsupport::TempProgramDir dir;
  QDir(dir.programDir()).rmdir("Daten");
  TMainForm form(dir.programDir() + "quorv");
  EXPECT_EQ(ProgramDir, dir.programDir());
  EXPECT_EQ(DataDir, dir.programDir() + "Daten/");
  EXPECT_TRUE(QDir(DataDir).exists());
  EXPECT_EQ(ClassFileName, "Vorgabe.QVR");
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Zeugnisse für Velsland  V.3.1.g"));
}

TEST(MainForm, DataFolderFallsBackToProgramFolder) {
  testsupport::TempProgramDir dir;
  QDir(dir.programDir()).rmdir("Daten");
  dir.writeFile(dir.programDir() + "Daten", "a file in the way");
  testsupport::ScriptedMessages msgs;
  msgs.expect(QStringLiteral("Problem beim Erstellen des Datenverzeichnis:\r") + dir.programDir() + "Daten/\r",
              platform::MsgKind::Information);
  TMainForm form(dir.programDir() + "quorv");
  EXPECT_EQ(DataDir, dir.programDir());
}

TEST(MainForm, FirstShowMakesOneDefaultPupilAndSchoolCaption) {
  testsupport::TempProgramDir dir;
  const TSchoolSettings saved = SchoolSettings;
  SchoolSettings.SchoolType = 2;
  TMainForm form(dir.programDir() + "quorv");
  form.show();
  EXPECT_EQ(PupilCount, 1);
  EXPECT_EQ(CurrentPupil, 0);
  EXPECT_EQ(Pupils[0].Surname, "???");
  EXPECT_EQ(Pupils[0].KeyNumber, -9999999);
  EXPECT_FALSE(Modified);
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Zeugnisse für Velsland  V.3.1.       -- Regionale Schule --"));
  SchoolSettings = saved;
}

TEST(MainForm, CaptionPerSchoolType) {
  const struct {
    int type;
    const char* ending;
  } cases[] = {{0, "-- ?? Schultyp ?? --"}, {1, "-- Grundschule --"}, {3, "-- Integrierte Gesamtschule --"},
               {4, "-- Gymnasium --"},      {5, "-- Hauptschule --"}, {6, "-- Realschule --"},
               {7, "-- Förderschule --"},   {8, "-- ?? Schultyp ?? --"},
               {9, "-- Schule zur individuellen Lebensbewältigung --"}};
  for (const auto& c : cases)
    EXPECT_EQ(MainFormCaption(c.type), QString::fromUtf8("Zeugnisse für Velsland  V.3.1.       ") + QString::fromUtf8(c.ending));
}
