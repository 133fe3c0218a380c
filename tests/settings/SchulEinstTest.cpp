#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/ui/RadioGroup.h"
#include <QDir>

#include "records/QuorvDat.h"
#include "settings/SchulEinst.h"
#include "settings/SchulEinstForm.h"
#include "support/ScriptedMessages.h"
#include "support/FileFaults.h"
#include "support/TempDir.h"

using namespace quorv;
using platform::MsgKind;

namespace {

QByteArray SettingsBytes(int schoolType, const QByteArray& name) {
  QByteArray b(94, '\0');
  b[0] = static_cast<char>(schoolType);
  b[2] = static_cast<char>(name.size());
  for (int i = 0; i < name.size(); ++i) b[3 + i] = name[i];
  return b;
}

class SchoolSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = SchoolSettings;
    SetSchoolSettingDefaults();
  }
  void TearDown() override { SchoolSettings = saved_; }
  testsupport::TempProgramDir dir;

 private:
  TSchoolSettings saved_;
};

}  // namespace

TEST_F(SchoolSettingsTest, NoFileKeepsDefaults) {
  LoadSchoolSettings();
  EXPECT_EQ(SchoolSettings.SchoolType, 0);
  EXPECT_EQ(SchoolSettings.SchoolNameAddress, "");
}

TEST_F(SchoolSettingsTest, ProgramFolderWinsOverDataFolder) {
  dir.writeFile(dir.dataDir() + "SCHEINST.DAT", SettingsBytes(5, "Daten"));
  LoadSchoolSettings();
  EXPECT_EQ(SchoolSettings.SchoolType, 5);
  EXPECT_EQ(SchoolSettings.SchoolNameAddress, "Daten");
  dir.writeFile(dir.programDir() + "SCHEINST.DAT", SettingsBytes(2, "Programm"));
  LoadSchoolSettings();
  EXPECT_EQ(SchoolSettings.SchoolType, 2);
  EXPECT_EQ(SchoolSettings.SchoolNameAddress, "Programm");
}

TEST_F(SchoolSettingsTest, SaveWritesToProgramFolderAndKeepsLongerFile) {
  QByteArray longer = SettingsBytes(1, "alt") + QByteArray("TAIL", 4);
  dir.writeFile(dir.programDir() + "SCHEINST.DAT", longer);
  SchoolSettings.SchoolType = 6;
  SchoolSettings.SchoolNameAddress.set("Schule \xE4" "berall");
  ASSERT_TRUE(SaveSchoolSettings());
  const QByteArray bytes = dir.readFile(dir.programDir() + "SCHEINST.DAT");
  ASSERT_EQ(bytes.size(), 98);
  EXPECT_EQ(bytes.left(94), QByteArray(reinterpret_cast<const char*>(&SchoolSettings), 94));
  EXPECT_EQ(bytes.mid(94), "TAIL");
  EXPECT_EQ(bytes[0], 6);
  EXPECT_EQ(bytes.mid(3, 14), QByteArray("Schule \xE4" "berall"));
}

TEST_F(SchoolSettingsTest, SaveCreatesMissingFile) {
  SchoolSettings.SchoolType = 3;
  ASSERT_TRUE(SaveSchoolSettings());
  EXPECT_EQ(dir.readFile(dir.programDir() + "SCHEINST.DAT").size(), 94);
}

TEST_F(SchoolSettingsTest, ShortFileFillsWhatItHasAndClampsTheLength) {
  QByteArray b = SettingsBytes(4, "");
  b[2] = static_cast<char>(200);  // length byte above capacity
  dir.writeFile(dir.programDir() + "SCHEINST.DAT", b.left(10));
  LoadSchoolSettings();
  EXPECT_EQ(SchoolSettings.SchoolType, 4);
  EXPECT_EQ(SchoolSettings.SchoolNameAddress.length(), 80);
  EXPECT_EQ(SchoolSettings.SchoolNameAddress.Len, 80);
  EXPECT_EQ(SchoolSettings.Reserved[0], 0);
}

TEST_F(SchoolSettingsTest, UnreadableFileShowsErrorAndKeepsValues) {
  dir.writeFile(dir.programDir() + "SCHEINST.DAT", SettingsBytes(2, "x"));
  dir.writeFile(dir.dataDir() + "SCHEINST.DAT", SettingsBytes(5, "y"));
  testsupport::FileFaults faults({platform::FileStep::OpenRead});
  testsupport::ScriptedMessages msgs;
  msgs.expect(QString::fromUtf8("Die Schul-Einstellungs-Datei\rkonnte nicht geöffnet werden!"), MsgKind::Error);
  LoadSchoolSettings();
  // The other folder is not tried.
  EXPECT_EQ(SchoolSettings.SchoolType, 0);
}

TEST_F(SchoolSettingsTest, SaveFailuresShowPlainMessages) {
  {
    testsupport::FileFaults faults({platform::FileStep::Create});
    testsupport::ScriptedMessages msgs;
    msgs.expect(QStringLiteral("Fehler beim Erzeugen der neuen Datei!"), MsgKind::Plain);
    EXPECT_FALSE(SaveSchoolSettings());
    EXPECT_FALSE(QFile::exists(dir.programDir() + "SCHEINST.DAT"));
  }
  dir.writeFile(dir.programDir() + "SCHEINST.DAT", "old");
  for (auto step : {platform::FileStep::OpenWrite, platform::FileStep::Write}) {
    testsupport::FileFaults faults({step});
    testsupport::ScriptedMessages msgs;
    msgs.expect(QStringLiteral(" Fehler beim Speichern von: \r") + dir.programDir() + "SCHEINST.DAT", MsgKind::Plain);
    EXPECT_FALSE(SaveSchoolSettings());
  }
}

TEST_F(SchoolSettingsTest, DialogLoadsOnCreationAndOkSaves) {
  dir.writeFile(dir.dataDir() + "SCHEINST.DAT", SettingsBytes(5, "Haupt"));
  TSchulEinstForm form;
  EXPECT_EQ(SchoolSettings.SchoolType, 5);
  form.FormShow();
  auto* group = form.findChild<platform::RadioGroup*>("RadioGroup1");
  auto* edit = form.findChild<QLineEdit*>("Edit1");
  ASSERT_TRUE(group && edit);
  EXPECT_EQ(group->itemIndex(), 5);
  EXPECT_EQ(group->count(), 10);
  EXPECT_EQ(group->button(9)->text(), "Schule z. indiv. Lebensbew.");
  EXPECT_EQ(edit->text(), "Haupt");
  group->setItemIndex(2);
  edit->setText(QString(90, QChar(0xE4)));  // longer than 80 characters
  form.findChild<QPushButton*>("Button1")->click();
  EXPECT_EQ(form.result(), 1);
  EXPECT_EQ(SchoolSettings.SchoolType, 2);
  EXPECT_EQ(SchoolSettings.SchoolNameAddress.str(), std::string(80, '\xE4'));
  const QByteArray saved = dir.readFile(dir.programDir() + "SCHEINST.DAT");
  ASSERT_EQ(saved.size(), 94);
  EXPECT_EQ(saved[0], 2);
  EXPECT_EQ(static_cast<unsigned char>(saved[2]), 80);
}

TEST_F(SchoolSettingsTest, DialogCancelChangesNothing) {
  TSchulEinstForm form;
  form.FormShow();
  form.findChild<platform::RadioGroup*>("RadioGroup1")->setItemIndex(4);
  form.findChild<QLineEdit*>("Edit1")->setText("neu");
  form.findChild<QPushButton*>("Button2")->click();
  EXPECT_EQ(form.result(), 2);
  EXPECT_EQ(SchoolSettings.SchoolType, 0);
  EXPECT_EQ(SchoolSettings.SchoolNameAddress, "");
  EXPECT_FALSE(QFile::exists(dir.programDir() + "SCHEINST.DAT"));
}

TEST_F(SchoolSettingsTest, NoSelectionKeepsTheSchoolType) {
  SchoolSettings.SchoolType = 6;
  TSchulEinstForm form;
  SchoolSettings.SchoolType = 6;
  form.FormShow();
  form.RadioGroup1->setItemIndex(-1);
  form.FormToSchoolSettings();
  EXPECT_EQ(SchoolSettings.SchoolType, 6);
}
