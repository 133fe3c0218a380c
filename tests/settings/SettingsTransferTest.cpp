#include "settings/SettingsTransfer.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "platform/ui/DriveFolderList.h"
#include "settings/EinstExpForm.h"
#include "settings/EinstImpForm.h"
#include "settings/ProgEinst.h"
#include "support/FileFaults.h"
#include "support/ProgramState.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace quorv;
using platform::MsgKind;

namespace {

TransferChoice Only(std::initializer_list<int> boxes) {
  TransferChoice c{};
  for (int b : boxes) c[static_cast<std::size_t>(b - 1)] = true;
  return c;
}

class SettingsTransferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::UseDefaultSettings();
    QDir(dir.programDir()).mkpath(QStringLiteral("stick"));
    stick = dir.programDir() + QStringLiteral("stick/");
  }
  void Write(const QString& folder, const char* name, const char* content) const {
    dir.writeFile(folder + QString::fromLatin1(name), content);
  }
  // The file's bytes; "<none>" where there is no file.
  QByteArray Read(const QString& folder, const char* name) const {
    const QString path = folder + QString::fromLatin1(name);
    return QFile::exists(path) ? dir.readFile(path) : QByteArray("<none>");
  }

  testsupport::SavedProgramState state_;
  testsupport::TempProgramDir dir;
  QString stick;
};

const QString kRefusal = QString::fromUtf8("Kopieren der Einstellungen auf\rsich selbst NICHT möglich!");

TEST_F(SettingsTransferTest, ExportTakesEachFileFromTheListsFolderFirst) {
  {
    testsupport::ScriptedMessages none;  // nothing to copy: nothing said
    ReportTransfer(ExportSettings(Only({1, 2, 3, 4, 5, 6, 7}), dir.dataDir(), dir.programDir(), stick));
    ReportTransfer(ImportSettings(Only({1, 3}), stick, dir.programDir(), dir.dataDir(), false, false));
    EXPECT_TRUE(none.shown().empty());
  }
  Write(dir.dataDir(), "WPflFach.DAT", "lists");
  Write(dir.programDir(), "WPflFach.DAT", "program");
  Write(dir.programDir(), "SCHEINST.DAT", "school");
  Write(dir.programDir(), "Anl015.FST", "15");
  Write(dir.programDir(), "Anl016.FST", "16");
  testsupport::ScriptedMessages messages;
  messages.expect(QString::fromUtf8("Es wurden 4 von 4 Dateien kopiert."), MsgKind::Information);
  ReportTransfer(ExportSettings(Only({1, 3, 4, 6}), dir.dataDir(), dir.programDir(), stick));
  EXPECT_EQ(Read(stick, "WPflFach.DAT") + Read(stick, "SCHEINST.DAT") + Read(stick, "Anl016.FST"), "listsschool16");
  EXPECT_EQ(Read(stick, "QVREINST.DAT"), "<none>");  // in neither folder: passed over silently
}

TEST_F(SettingsTransferTest, CopiesOntoThemselvesAreRefusedOrPassedOver) {
  ASSERT_TRUE(QFile::link(dir.dataDir(), dir.programDir() + QStringLiteral("link")));
  const QString viaDot = dir.programDir() + QStringLiteral("./Daten/");
  const QString viaLink = dir.programDir() + QStringLiteral("link/");
  for (const QString& target : {dir.dataDir(), viaDot, viaLink})
    EXPECT_TRUE(ExportSettings(Only({1}), dir.dataDir(), dir.programDir(), target).Refused) << target.toStdString();
  EXPECT_TRUE(ImportSettings(Only({1}), dir.programDir() + QStringLiteral("./"), dir.programDir(), dir.dataDir(),
                             true, false)
                  .Refused);

  // Into the program folder while the lists are in the data folder: what the
  // data folder holds is copied, what only the program folder holds stays.
  Write(dir.dataDir(), "WPflFach.DAT", "lists");
  Write(dir.programDir(), "SCHEINST.DAT", "school");
  const TransferResult r = ExportSettings(Only({1, 3}), dir.dataDir(), dir.programDir(), dir.programDir());
  EXPECT_EQ(r.Attempted, 1);
  EXPECT_EQ(Read(dir.programDir(), "WPflFach.DAT") + Read(dir.programDir(), "SCHEINST.DAT"), "listsschool");

  // Import from the lists folder into both targets: only the program folder copy.
  testsupport::ScriptedMessages messages;
  messages.expectPrefix(QString::fromUtf8("Die Datei"), MsgKind::Confirmation, platform::MsgResult::Yes);
  const TransferResult i = ImportSettings(Only({1}), viaLink, dir.programDir(), dir.dataDir(), true, true);
  EXPECT_EQ(i.Attempted, 1);
  EXPECT_EQ(Read(dir.dataDir(), "WPflFach.DAT"), "lists");
}

TEST_F(SettingsTransferTest, ImportIntoOneFolderTwiceCopiesOnce) {
  Write(stick, "WPflFach.DAT", "new");
  Write(stick, "TEST.TST", "t");
  const TransferResult r = ImportSettings(Only({1, 2}), stick, dir.programDir(), dir.programDir(), true, true);
  EXPECT_EQ(std::make_pair(r.Copied, r.Attempted), std::make_pair(2, 2));
  EXPECT_EQ(ImportSettings(Only({1}), stick, dir.programDir(), dir.dataDir(), false, true).Copied, 1);
  EXPECT_EQ(Read(dir.dataDir(), "WPflFach.DAT"), "new");
}

TEST_F(SettingsTransferTest, ImportIntoBothFoldersCountsTheDeclinedReplacements) {
  Write(stick, "WPflFach.DAT", "new");
  Write(stick, "TEST.TST", "new");
  Write(dir.programDir(), "WPflFach.DAT", "old");
  Write(dir.programDir(), "TEST.TST", "old");
  testsupport::ScriptedMessages messages;
  for (const char* name : {"WPflFach.DAT", "TEST.TST"})
    messages.expect(QString::fromUtf8("Die Datei \"%1\" ist bereits vorhanden.\rSoll sie ersetzt werden?")
                        .arg(QDir::toNativeSeparators(dir.programDir() + QString::fromLatin1(name))),
                    MsgKind::Confirmation, platform::MsgResult::No);
  messages.expect(QString::fromUtf8("Es wurden 2 von 4 Dateien kopiert.\r2 Dateien wurden NICHT kopiert!"),
                  MsgKind::Warning);
  ReportTransfer(ImportSettings(Only({1, 2}), stick, dir.programDir(), dir.dataDir(), true, true));
  EXPECT_TRUE(messages.allAnswered());
  EXPECT_EQ(Read(dir.programDir(), "WPflFach.DAT") + Read(dir.programDir(), "TEST.TST"), "oldold");
  EXPECT_EQ(Read(dir.dataDir(), "WPflFach.DAT") + Read(dir.dataDir(), "TEST.TST"), "newnew");
}

TEST_F(SettingsTransferTest, FailedCopiesAreCountedAndTheRestStillCopied) {
  Write(dir.programDir(), "SCHEINST.DAT", "school");
  Write(dir.programDir(), "QVREINST.DAT", "options");
  testsupport::ScriptedMessages messages;
  messages.expectPrefix(QString::fromUtf8("Die Datei"), MsgKind::Error)
      .expectPrefix(QString::fromUtf8("Die Datei"), MsgKind::Error)
      .expect(QString::fromUtf8("Es wurden 0 von 2 Dateien kopiert.\r2 Dateien wurden NICHT kopiert!"),
              MsgKind::Warning);
  {
    testsupport::FileFaults faults({platform::FileStep::Create, platform::FileStep::Write, platform::FileStep::Rename});
    ReportTransfer(ExportSettings(Only({3, 4}), dir.dataDir(), dir.programDir(), stick));
  }
  EXPECT_TRUE(messages.allAnswered());
  EXPECT_EQ(Read(stick, "SCHEINST.DAT"), "<none>");
}

TEST(SettingsTransferSummary, OneFileNotCopiedIsSingular) {
  testsupport::ScriptedMessages messages;
  messages.expect(QString::fromUtf8("Es wurden 0 von 1 Datei kopiert.\r1 Datei wurde NICHT kopiert!"), MsgKind::Warning)
      .expect(QString::fromUtf8("Es wurden 2 von 3 Dateien kopiert.\r1 Datei wurde NICHT kopiert!"), MsgKind::Warning);
  ReportTransfer({false, 1, 0});
  ReportTransfer({false, 3, 2});
}

TEST_F(SettingsTransferTest, DialogsStartFromTheirDefaultsAndCloseAfterARefusal) {
  ProgramOptions.ListsInProgramDir = 1;
  TEinstImpForm imp;
  imp.FormShow();
  EXPECT_FALSE(imp.CheckBox10->isEnabled());
  EXPECT_EQ(imp.Edit2->text(), QStringLiteral(" = Programm-Ordner"));
  const bool importDefaults[] = {true, true, true, true, false, false, false};
  for (int i = 0; i < kTransferFileCount; ++i) EXPECT_EQ(imp.CheckBoxes[i]->isChecked(), importDefaults[i]) << i;
  {
    testsupport::ScriptedMessages messages;
    messages.expect(kRefusal, MsgKind::Error);
    imp.Button1Click();  // the source list starts at the program folder
    EXPECT_EQ(imp.result(), 1);
  }

  TEinstExpForm exp;
  exp.FormShow();
  EXPECT_EQ(exp.Edit1->text(), dir.programDir());
  EXPECT_EQ(exp.Edit2->text(), QString());
  Write(dir.programDir(), "DRKEINST.DAT", "print");
  exp.Target->setFolder(stick);
  testsupport::ScriptedMessages messages;
  messages.expect(QString::fromUtf8("Es wurden 1 von 1 Datei kopiert."), MsgKind::Information);
  exp.Button1Click();
  EXPECT_EQ(Read(stick, "DRKEINST.DAT"), "print");
}

TEST_F(SettingsTransferTest, ASingleClickInTheFolderListChoosesTheExportTarget) {
  ProgramOptions.ListsInProgramDir = 1;
  TEinstExpForm exp;
  exp.show();
  exp.FormShow();  // the list opens the program folder, which holds "stick"
  Write(dir.programDir(), "DRKEINST.DAT", "print");
  QListWidget* list = exp.Target->DirectoryListBox1;
  const QList<QListWidgetItem*> found = list->findItems(QStringLiteral("stick"), Qt::MatchEndsWith);
  ASSERT_EQ(found.size(), 1);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
  EXPECT_EQ(exp.Target->folder(), stick);
  EXPECT_EQ(exp.Target->DirLabel->text(), QDir::toNativeSeparators(stick));
  testsupport::ScriptedMessages messages;
  messages.expect(QString::fromUtf8("Es wurden 1 von 1 Datei kopiert."), MsgKind::Information);
  exp.Button1Click();
  EXPECT_EQ(Read(stick, "DRKEINST.DAT"), "print");
}

}  // namespace
