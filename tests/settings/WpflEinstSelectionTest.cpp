#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "settings/ProgEinst.h"
#include "settings/WpflEinst.h"
#include "settings/WpflEinstForm.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace quorv;
using platform::MsgKind;
using platform::MsgResult;

namespace {

const QString kLastEntries = QString::fromUtf8("Die letzten Datensätze können nicht gelöscht werden!");

QString DeleteQuestion(const char* name) {
  return QStringLiteral("Wollen Sie das Fach: \"") + QString::fromUtf8(name) + QStringLiteral("\" wirklich löschen?");
}

class ElectiveSelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedOptions_ = ProgramOptions;
    SetProgramOptionDefaults();
  }
  void TearDown() override {
    ProgramOptions = savedOptions_;
    SetElectiveDefaults();
    RebuildElectiveNames();
  }
  // The dialog with the fixed entries and Kunst, Musik, Werken.
  void ShowWithThreeSubjects(TWpflEinstForm& form) {
    form.FormShow();
    for (const char* name : {"Kunst", "Musik", "Werken"}) {
      form.Edit1->setText(QString::fromUtf8(name));
      form.Button3->click();
    }
  }
  testsupport::TempProgramDir dir;

 private:
  TProgramOptions savedOptions_;
};

}  // namespace

TEST_F(ElectiveSelectionTest, DeleteRefusesEverythingButARealSelection) {
  for (int index : {-1, 0, 1, 5, 9}) {
    TWpflEinstForm form;
    ShowWithThreeSubjects(form);
    ElectiveIndex = index;
    testsupport::ScriptedMessages msgs;
    msgs.expect(kLastEntries, MsgKind::Information);
    form.Button4->click();
    EXPECT_EQ(ElectiveCount(), 5) << index;
    EXPECT_EQ(form.ListBox1->count(), 5) << index;
  }
}

TEST_F(ElectiveSelectionTest, DeleteRemovesExactlyTheSelectedEntry) {
  const struct {
    int index;
    const char* name;
    QStringList left;
  } cases[] = {
      {2, "Kunst", {"  - - -", "???", "Musik", "Werken"}},
      {4, "Werken", {"  - - -", "???", "Kunst", "Musik"}},
  };
  for (const auto& c : cases) {
    TWpflEinstForm form;
    ShowWithThreeSubjects(form);
    form.ListBox1->setCurrentRow(c.index);
    form.ListBox1Click();
    testsupport::ScriptedMessages msgs;
    msgs.expect(DeleteQuestion(c.name), MsgKind::Warning, MsgResult::Yes);
    form.Button4->click();
    EXPECT_EQ(ElectiveSubjectNames, c.left) << c.name;
    EXPECT_EQ(ElectiveIndex, c.index - 1);
  }
}

TEST_F(ElectiveSelectionTest, DeclinedDeleteKeepsTheList) {
  TWpflEinstForm form;
  ShowWithThreeSubjects(form);
  form.ListBox1->setCurrentRow(3);
  form.ListBox1Click();
  testsupport::ScriptedMessages msgs;
  msgs.expect(DeleteQuestion("Musik"), MsgKind::Warning, MsgResult::No);
  form.Button4->click();
  EXPECT_EQ(ElectiveCount(), 5);
  // The next question names the entry before a deleted one.
  msgs.expect(DeleteQuestion("Musik"), MsgKind::Warning, MsgResult::Yes)
      .expect(DeleteQuestion("Kunst"), MsgKind::Warning, MsgResult::No);
  form.Button4->click();
  form.Button4->click();
  EXPECT_EQ(ElectiveSubjectNames, (QStringList{"  - - -", "???", "Kunst", "Werken"}));
}

TEST_F(ElectiveSelectionTest, CopyOntoItselfUnderAnotherSpellingIsSkipped) {
  const QString a = dir.programDir() + "A/";
  QDir().mkpath(a);
  dir.writeFile(a + "WPflFach.DAT", "list of A");
  ProgramOptions.ListsInProgramDir = 0;
  // No replace question: source and target are one file.
  CopyElectiveFile(a + "../A/", a, dir.programDir());
  EXPECT_EQ(dir.readFile(a + "WPflFach.DAT"), "list of A");
  ASSERT_TRUE(QFile::link(a, dir.programDir() + "LinkToA"));
  CopyElectiveFile(dir.programDir() + "LinkToA/", a, dir.programDir());
  EXPECT_EQ(dir.readFile(a + "WPflFach.DAT"), "list of A");
}

TEST_F(ElectiveSelectionTest, CopyWithoutAnyListDoesNothing) {
  const QString target = dir.programDir() + "T/";
  QDir().mkpath(target);
  CopyElectiveFile(target, dir.dataDir(), dir.programDir());
  EXPECT_FALSE(QFile::exists(target + "WPflFach.DAT"));
}
