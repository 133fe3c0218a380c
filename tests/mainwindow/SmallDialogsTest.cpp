#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "mainwindow/BewHilf.h"
#include "mainwindow/DatSich.h"
#include "mainwindow/NeuDS.h"
#include "mainwindow/SheetStubFixture.h"
#include "mainwindow/about.h"
#include "records/RecordOperations.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedMessages.h"

using namespace quorv;
using testsupport::ClassOf;
using testsupport::Pupil;
using testsupport::SheetStubForm;
using testsupport::SheetStubTest;

namespace {

// ---------------------------------------------------------------------------
// Code list

TEST_F(SheetStubTest, CodeListFollowsSchoolTypeAndAdditionsOption) {
  const struct {
    int schoolType;
    int showAdditions;
    const char* grades;
    bool levels;
    bool additions;
    int lineCount;
  } cases[] = {{3, 1, "     Noten: 1 bis 8", true, true, 33},
               {3, 0, "     Noten: 1 bis 8", true, false, 28},
               {1, 1, "     Noten: 1 bis 6", false, true, 20},
               {5, 0, "     Noten: 1 bis 6", false, false, 15}};
  TBewHilfForm codeList;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.schoolType * 10 + c.showAdditions);
    SchoolSettings.SchoolType = static_cast<std::uint16_t>(c.schoolType);
    ProgramOptions.ShowAdditions = static_cast<std::uint16_t>(c.showAdditions);
    codeList.show();  // each show fills the list anew
    const QStringList lines = codeList.findChild<QPlainTextEdit*>("Memo1")->toPlainText().split('\n');
    EXPECT_EQ(lines.size(), c.lineCount);
    EXPECT_EQ(lines.value(0), "Bewertungen / Noten:");
    EXPECT_EQ(lines.value(1), QString(31, '='));
    EXPECT_EQ(lines.value(2), c.grades);
    EXPECT_EQ(lines.value(14), "     nicht beurteilbar: 0, u oder k");
    EXPECT_EQ(lines.contains("Niveaustufen:"), c.levels);
    EXPECT_EQ(lines.contains(QString::fromUtf8("     Übergangsnote: - oder Ü")), c.levels);
    EXPECT_EQ(lines.contains(QString::fromUtf8("Zusätze:")), c.additions);
    EXPECT_EQ(lines.last(), c.additions ? "     beliebiges Zeichen (z.B.: # oder *)"
                            : c.levels  ? "     entsprechend vorgegebenen Zeugnisniveau: Z"
                                        : "     nicht beurteilbar: 0, u oder k");
    codeList.findChild<QPushButton*>("Button1")->click();
    EXPECT_FALSE(codeList.isVisible());
  }
}

TEST_F(SheetStubTest, BothCodeListButtonsShowTheListModeless) {
  SheetStubForm& form = ShownForm();
  TBewHilfForm codeList(&form);
  form.BewHilfForm = &codeList;
  for (const char* button : {"BitBtn1", "BitBtn21"}) {
    form.findChild<QPushButton*>(button)->click();
    EXPECT_TRUE(codeList.isVisible()) << button;
    EXPECT_FALSE(codeList.isModal());
    codeList.Button1Click();
  }
  form.BewHilfForm = nullptr;
}

// ---------------------------------------------------------------------------
// New pupil

TEST_F(SheetStubTest, NewPupilDialogGivesTheNames) {
  const struct {
    const char* surname;
    const char* firstName;
    const char* name;
    const char* first;
  } cases[] = {{"Meier", "Eva", "Meier", "Eva"},
               {"", "", "???", ""},
               {"", "Eva", "???", "Eva"},
               {"Schmidt-Langenbeck-Oberhausener", "Eva", "Schmidt-Langenbeck-Oberhausene", "Eva"}};
  TNeuDSForm dialog;
  for (const auto& c : cases) {
    dialog.show();
    auto* edit1 = dialog.findChild<QLineEdit*>("Edit1");
    auto* edit2 = dialog.findChild<QLineEdit*>("Edit2");
    EXPECT_TRUE(edit1->text().isEmpty());
    EXPECT_TRUE(edit2->text().isEmpty());
    edit1->setText(c.surname);
    edit2->setText(c.firstName);
    dialog.findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(NewPupilName.toStdString(), c.name);
    EXPECT_EQ(NewPupilFirstName.toStdString(), c.first);
  }
  dialog.show();
  dialog.findChild<QPushButton*>("Button2")->click();
  EXPECT_EQ(dialog.result(), 2);
  dialog.show();
  dialog.reject();  // the window's close box
  EXPECT_EQ(dialog.result(), 2);
}

TEST_F(SheetStubTest, PlusOnTheTablePageAsksForTheNames) {
  const struct {
    bool ok;
    const char* surname;
    const char* list;
  } cases[] = {{true, "Neumann", "Abel, Anna|Neumann, Nora|Berg, Ben"},
               {true, "", "Abel, Anna|???, Nora|Berg, Ben"},
               {false, "Neumann", "Abel, Anna|Berg, Ben"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.list);
    SheetStubForm& form = ShownForm();
    TNeuDSForm dialog(&form);
    form.NeuDSForm = &dialog;
    SetClass(ClassOf({Pupil("Abel", "Anna"), Pupil("Berg", "Ben")}), 0);
    form.PageControl1->setCurrentIndex(1);
    form.calls.clear();
    Modified = false;
    testsupport::ScriptedDialogs dialogs;
    dialogs.expect("NeuDSForm", [&c](QDialog& d) {
      d.show();
      d.findChild<QLineEdit*>("Edit1")->setText(c.surname);
      d.findChild<QLineEdit*>("Edit2")->setText("Nora");
      d.findChild<QPushButton*>(c.ok ? "Button1" : "Button2")->click();
      return d.result();
    });
    form.Button6->click();
    EXPECT_EQ(ListTexts().join('|').toStdString(), c.list);
    EXPECT_EQ(CurrentPupil, c.ok ? 1 : 0);
    EXPECT_EQ(std::find(form.calls.begin(), form.calls.end(), "Store 0"), form.calls.end());
    form.NeuDSForm = nullptr;
  }
}

// ---------------------------------------------------------------------------
// Backup and program information

TEST_F(SheetStubTest, BackupSaysNoBackupWasMadeForEitherAnswer) {
  for (int answer : {1, 2}) {
    SheetStubForm& form = ShownForm();
    TDatSichForm dialog(&form);
    form.DatSichForm = &dialog;
    const QStringList before = QDir(DataDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    testsupport::ScriptedDialogs dialogs;
    dialogs.expect("DatSichForm", [answer](QDialog& d) {
      d.show();
      d.findChild<QPushButton*>(answer == 1 ? "BitBtn1" : "BitBtn2")->click();
      return d.result();
    });
    testsupport::ScriptedMessages messages;
    messages.expect(QString::fromUtf8("Es wurde KEINE Datensicherung durchgeführt!"), platform::MsgKind::Warning);
    form.MenuItem("vollstndigeDatensicherung1")->trigger();
    EXPECT_EQ(QDir(DataDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before) << answer;
    form.DatSichForm = nullptr;
  }
}

TEST_F(SheetStubTest, BackupDialogOffersItsControls) {
  TDatSichForm dialog;
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("vollständige Datensicherung"));
  const struct {
    const char* name;
    const char* text;
  } buttons[] = {{"BitBtn1", "Daten sichern"}, {"BitBtn2", "Abbrechen"}, {"Button1", "neuen Ordner erstellen ..."}};
  for (const auto& b : buttons) EXPECT_EQ(dialog.findChild<QPushButton*>(b.name)->text(), QString::fromUtf8(b.text));
  EXPECT_GT(dialog.DriveComboBox1->count(), 0);
  dialog.show();
  dialog.reject();
  EXPECT_EQ(dialog.result(), 2);
}

TEST_F(SheetStubTest, AboutBoxClosesWithOk) {
  SheetStubForm& form = ShownForm();
  TAboutForm about(&form);
  form.AboutForm = &about;
  testsupport::ScriptedDialogs dialogs;
  int result = 0;
  dialogs.expect("AboutForm", [&result](QDialog& d) {
    d.show();
    d.findChild<QPushButton*>("Button1")->click();
    result = d.result();
    return result;
  });
  form.MenuItem("HelpAboutItem")->trigger();
  EXPECT_EQ(result, 1);
  form.AboutForm = nullptr;
}

}  // namespace
