#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <map>

#include "records/QuorvDat.h"
#include "settings/ProgEinst.h"
#include "settings/WpflEinst.h"
#include "settings/WpflEinstForm.h"
#include "support/FileFaults.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace quorv;
using platform::MsgKind;
using platform::MsgResult;

namespace {

QByteArray Entry(const QByteArray& name, const QByteArray& abbreviation) {
  QByteArray e(47, '\0');
  e[0] = static_cast<char>(name.size());
  e.replace(1, name.size(), name);
  e[41] = static_cast<char>(abbreviation.size());
  e.replace(42, abbreviation.size(), abbreviation);
  return e;
}

// A file with the given entries, written last entry first.
QByteArray ElectiveFile(const QList<QByteArray>& names, int count = -1) {
  QByteArray b(2, '\0');
  const int n = count < 0 ? static_cast<int>(names.size()) : count;
  b[0] = static_cast<char>(n & 0xFF);
  b[1] = static_cast<char>(n >> 8);
  for (auto it = names.rbegin(); it != names.rend(); ++it) b += Entry(*it, "---");
  return b;
}

class ElectiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedOptions_ = ProgramOptions;
    SetProgramOptionDefaults();
    SetElectiveDefaults();
    RebuildElectiveNames();
  }
  void TearDown() override {
    ProgramOptions = savedOptions_;
    SetElectiveDefaults();
    RebuildElectiveNames();
  }
  testsupport::TempProgramDir dir;

 private:
  TProgramOptions savedOptions_;
};

}  // namespace

TEST_F(ElectiveTest, DefaultsAndFirstSave) {
  EXPECT_EQ(ElectiveSubjectNames, (QStringList{"  - - -", "???"}));
  ASSERT_TRUE(SaveElectiveSubjects());
  const QByteArray file = dir.readFile(dir.programDir() + "WPflFach.DAT");
  ASSERT_EQ(file.size(), 96);
  EXPECT_EQ(file.left(2), QByteArray("\x02\x00", 2));
  EXPECT_EQ(file.mid(2, 47), Entry("???", "???"));      // last entry first
  EXPECT_EQ(file.mid(49, 47), Entry("  - - -", "---"));
}

TEST_F(ElectiveTest, ReadsEntriesInReverseOrderAndRoundTrips) {
  const QByteArray file = ElectiveFile({"  - - -", "???", "Informatik", "Franz\xF6sisch"});
  dir.writeFile(dir.programDir() + "WPflFach.DAT", file);
  LoadElectiveSubjects();
  RebuildElectiveNames();
  EXPECT_EQ(ElectiveSubjectNames, (QStringList{"  - - -", "???", "Informatik", QString::fromUtf8("Französisch")}));
  EXPECT_EQ(ElectiveIndex, 0);
  QFile::remove(dir.programDir() + "WPflFach.DAT");
  ASSERT_TRUE(SaveElectiveSubjects());
  EXPECT_EQ(dir.readFile(dir.programDir() + "WPflFach.DAT"), file);
}

TEST_F(ElectiveTest, FolderOrderFollowsListsFolder) {
  dir.writeFile(dir.programDir() + "WPflFach.DAT", ElectiveFile({"  - - -", "???", "Prog"}));
  dir.writeFile(dir.dataDir() + "WPflFach.DAT", ElectiveFile({"  - - -", "???", "Daten"}));
  LoadElectiveSubjects();
  EXPECT_EQ(ElectiveSubjects[2].Name, "Prog");
  ProgramOptions.ListsInProgramDir = 0;
  LoadElectiveSubjects();
  EXPECT_EQ(ElectiveSubjects[2].Name, "Daten");
  QFile::remove(dir.dataDir() + "WPflFach.DAT");
  LoadElectiveSubjects();  // falls back to the other folder
  EXPECT_EQ(ElectiveSubjects[2].Name, "Prog");
}

TEST_F(ElectiveTest, DamagedFilesKeepTheFixedEntries) {
  const QByteArray whole = ElectiveFile({"  - - -", "???", "Kunst", "Musik"});
  const struct {
    QByteArray bytes;
    QStringList names;
  } cases[] = {
      {ElectiveFile({}, 0), {"  - - -", "???"}},
      {ElectiveFile({"  - - -"}, 1), {"  - - -", "???"}},
      {ElectiveFile({"Kunst"}, 1), {"  - - -", "???", "Kunst"}},
      {ElectiveFile({"Kunst", "Musik"}, 2), {"  - - -", "???", "Kunst", "Musik"}},
      {ElectiveFile({"  - - -", "Kunst"}, 2), {"  - - -", "???", "Kunst"}},
      {ElectiveFile({"  - - -", "???", "Kunst"}, 9), {"  - - -", "???", "Kunst"}},  // shorter than its count says
      // Cut inside the entry before the fixed ones: Musik and Kunst stay whole.
      {whole.left(2 + 2 * 47 + 20), {"  - - -", "???", "Kunst", "Musik"}},
      {QByteArray("\x01", 1), {"  - - -", "???"}},
  };
  for (const auto& c : cases) {
    SetElectiveDefaults();
    dir.writeFile(dir.programDir() + "WPflFach.DAT", c.bytes);
    LoadElectiveSubjects();
    RebuildElectiveNames();
    EXPECT_EQ(ElectiveSubjectNames, c.names) << c.bytes.toHex().left(40).toStdString();
  }
}

TEST_F(ElectiveTest, UnreadableFileKeepsTheList) {
  dir.writeFile(dir.programDir() + "WPflFach.DAT", ElectiveFile({"  - - -", "???", "Kunst"}));
  testsupport::FileFaults faults({platform::FileStep::OpenRead});
  testsupport::ScriptedMessages msgs;
  msgs.expect(QString::fromUtf8("Die Wahlpflicht-Fächer-Datei\rkonnte nicht geöffnet werden!"), MsgKind::Error);
  LoadElectiveSubjects();
  EXPECT_EQ(ElectiveCount(), 2);
}

TEST_F(ElectiveTest, DialogAddDeleteAndOk) {
  TWpflEinstForm form;
  form.FormShow();
  ASSERT_EQ(form.ListBox1->count(), 2);
  form.Edit1->setText(QString(30, 'x'));
  form.Button3->click();
  form.Edit1->setText("Kunst");
  form.Button3->click();
  EXPECT_EQ(form.ListBox1->count(), 4);
  EXPECT_EQ(ElectiveSubjects[2].Name.str(), std::string(30, 'x'));
  EXPECT_EQ(ElectiveSubjects[3].Abbreviation, "---");
  // Deleting the entry chosen by the last add.
  {
    testsupport::ScriptedMessages msgs;
    msgs.expect(QStringLiteral("Wollen Sie das Fach: \"Kunst\" wirklich löschen?"), MsgKind::Warning, MsgResult::Yes);
    form.Button4->click();
  }
  EXPECT_EQ(ElectiveCount(), 3);
  EXPECT_EQ(ElectiveIndex, 2);
  // The fixed entries cannot go.
  form.ListBox1->setCurrentRow(1);
  form.ListBox1Click();
  {
    testsupport::ScriptedMessages msgs;
    msgs.expect(QString::fromUtf8("Die letzten Datensätze können nicht gelöscht werden!"), MsgKind::Information);
    form.Button4->click();
  }
  form.Button1->click();
  EXPECT_EQ(form.result(), 1);
  EXPECT_EQ(ElectiveSubjectNames.size(), 3);
  EXPECT_EQ(dir.readFile(dir.programDir() + "WPflFach.DAT").size(), 2 + 3 * 47);
}

TEST_F(ElectiveTest, DialogCancelDropsChanges) {
  TWpflEinstForm form;
  form.FormShow();
  form.Edit1->setText("Kunst");
  form.Button3->click();
  form.Button2->click();
  EXPECT_EQ(form.result(), 2);
  EXPECT_EQ(ElectiveCount(), 2);
  EXPECT_EQ(ElectiveSubjectNames, (QStringList{"  - - -", "???"}));
  EXPECT_FALSE(QFile::exists(dir.programDir() + "WPflFach.DAT"));
}

TEST_F(ElectiveTest, CopyElectiveFileSourceOrderAndReplaceQuestion) {
  const QString a = dir.programDir() + "A/";
  const QString target = dir.programDir() + "T/";
  QDir().mkpath(a);
  QDir().mkpath(target);
  dir.writeFile(a + "WPflFach.DAT", "from A");
  dir.writeFile(dir.programDir() + "WPflFach.DAT", "from B");
  CopyElectiveFile(target, a, dir.programDir());  // ListsInProgramDir = 1: B first
  EXPECT_EQ(dir.readFile(target + "WPflFach.DAT"), "from B");
  ProgramOptions.ListsInProgramDir = 0;
  {
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(QStringLiteral("Die Datei"), MsgKind::Confirmation, MsgResult::Yes);
    CopyElectiveFile(target, a, dir.programDir());
  }
  EXPECT_EQ(dir.readFile(target + "WPflFach.DAT"), "from A");
  // A copy onto itself is skipped without a question.
  CopyElectiveFile(a, a, dir.programDir());
  EXPECT_EQ(dir.readFile(a + "WPflFach.DAT"), "from A");
}

TEST_F(ElectiveTest, KeyboardAndMouseSelectTheSameEntry) {
  dir.writeFile(dir.programDir() + "WPflFach.DAT", ElectiveFile({"  - - -", "???", "Kunst", "Musik", "Sport"}));
  const struct {
    const char* Steps;  // a digit: click that row; d, u, e, h: the keys Down, Up, End, Home
    const char* Asked;  // nullptr: refused as a fixed entry
  } cases[] = {{"2d", "Musik"}, {"4u", "Musik"}, {"2dd", "Sport"}, {"dd", "Kunst"},
               {"2e", "Sport"}, {"4h", nullptr}, {"4u4", "Sport"}};
  const std::map<char, Qt::Key> keys = {{'d', Qt::Key_Down}, {'u', Qt::Key_Up}, {'e', Qt::Key_End}, {'h', Qt::Key_Home}};
  for (const auto& c : cases) {
    TWpflEinstForm form;
    form.show();
    QListWidget* list = form.ListBox1;
    for (const char* step = c.Steps; *step; ++step) {
      if (keys.count(*step))
        QTest::keyClick(list, keys.at(*step));
      else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(*step - '0')).center());
    }
    EXPECT_EQ(ElectiveIndex, list->currentRow());
    testsupport::ScriptedMessages msgs;
    if (c.Asked)
      msgs.expect(QStringLiteral("Wollen Sie das Fach: \"%1\" wirklich löschen?").arg(QString::fromLatin1(c.Asked)),
                  MsgKind::Warning, MsgResult::No);
    else
      msgs.expect(QString::fromUtf8("Die letzten Datensätze können nicht gelöscht werden!"), MsgKind::Information);
    form.Button4->click();
    EXPECT_EQ(msgs.shown().size(), 1u);
  }
}

TEST_F(ElectiveTest, EnterInTheNameFieldAddsTheSubjectAndKeepsTheDialogOpen) {
  TWpflEinstForm form;
  form.show();
  form.activateWindow();
  form.Edit1->setFocus();
  QTest::keyClicks(form.Edit1, QStringLiteral("Kunst"));
  QTest::keyClick(form.Edit1, Qt::Key_Return);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.result(), 0);
  ASSERT_EQ(form.ListBox1->count(), 3);
  EXPECT_EQ(form.ListBox1->item(2)->text(), QStringLiteral("Kunst"));
  // The next name typed replaces the last one; the keypad's Enter adds as well.
  QTest::keyClicks(form.Edit1, QStringLiteral("Werken"));
  QTest::keyClick(form.Edit1, Qt::Key_Enter);
  ASSERT_EQ(form.ListBox1->count(), 4);
  EXPECT_EQ(form.ListBox1->item(3)->text(), QStringLiteral("Werken"));
  form.Button1->click();
  EXPECT_EQ(form.result(), 1);
  EXPECT_EQ(ElectiveSubjectNames.size(), 4);
}
