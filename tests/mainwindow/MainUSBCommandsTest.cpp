#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <optional>

#include "mainwindow/InfoDialog.h"
#include "mainwindow/MainFormFixture.h"
#include "platform/ui/HelpViewer.h"
#include "platform/ui/RadioGroup.h"
#include "settings/ProgEinstForm.h"
#include "settings/SchulEinstForm.h"
#include "settings/WpflEinstForm.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedMessages.h"

using namespace quorv;
using platform::MsgKind;
using platform::MsgResult;
using testsupport::Calls;
using testsupport::MainFormTest;

namespace {

const QString kQuit = QString::fromUtf8("Wollen Sie das Programm jetzt wirklich beenden?");
const QString kSaveFirst = QString::fromUtf8(
    "Die Daten wurden seit dem letzten Speichern geändert!\rWollen Sie die Änderungen jetzt Speichern?");

QStringList ComboItems(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

// Installs a help opener for the test and restores the previous one.
class HelpOpenerScope {
 public:
  explicit HelpOpenerScope(bool opens)
      : previous_(platform::SetHelpOpener([this, opens](const QString& path) {
          opened << path;
          return opens;
        })) {}
  ~HelpOpenerScope() { platform::SetHelpOpener(previous_); }
  QStringList opened;

 private:
  platform::HelpOpener previous_;
};

}  // namespace

// ---------------------------------------------------------------------------
// Closing

struct CloseCase {
  const char* name;
  bool modified;
  bool storeSetsModified;
  bool saveItemEnabled;
  MsgResult quitReply;
  std::optional<MsgResult> saveReply;  // asked only when the class has changed
  bool saveWrites;
  bool closes;
  Calls calls;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class CloseTest : public MainFormTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, QuestionsAndOutcome) {
  const CloseCase& c = GetParam();
  auto& form = ShownForm();
  Modified = c.modified;
  form.storeSetsModified = c.storeSetsModified;
  form.saveWrites = c.saveWrites;
  form.FileSaveItem->setEnabled(c.saveItemEnabled);
  testsupport::ScriptedMessages msgs;
  msgs.expect(kQuit, MsgKind::Confirmation, c.quitReply);
  if (c.saveReply) msgs.expect(kSaveFirst, MsgKind::Warning, *c.saveReply);

  EXPECT_EQ(form.close(), c.closes);
  EXPECT_EQ(form.isVisible(), !c.closes);
  EXPECT_EQ(form.calls, c.calls);
  if (c.closes) {
    EXPECT_EQ(PupilCount, 0);
    EXPECT_TRUE(Pupils.empty());
    EXPECT_TRUE(ScratchPupils.empty());
    EXPECT_EQ(CurrentPupil, 0);
  } else {
    EXPECT_EQ(PupilCount, 1);
    EXPECT_EQ(Pupils.size(), 1u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    MainForm, CloseTest,
    ::testing::Values(
        CloseCase{"NoKeepsTheWindow", false, false, false, MsgResult::No, std::nullopt, true, false, {"Store"}},
        CloseCase{"NoAfterStoreKeepsTheChange", false, true, false, MsgResult::No, std::nullopt, true, false,
                  {"Store"}},
        CloseCase{"UnchangedAsksOnce", false, false, false, MsgResult::Yes, std::nullopt, true, true, {"Store"}},
        CloseCase{"StoredEditsAskToSave", false, true, true, MsgResult::Yes, MsgResult::No, true, true, {"Store"}},
        CloseCase{"ChangedNotSaved", true, false, true, MsgResult::Yes, MsgResult::No, true, true, {"Store"}},
        CloseCase{"SavedWithSave", true, false, true, MsgResult::Yes, MsgResult::Yes, true, true,
                  {"Store", "FileSave"}},
        CloseCase{"SavedWithSaveAs", true, false, false, MsgResult::Yes, MsgResult::Yes, true, true,
                  {"Store", "FileSaveAs"}},
        CloseCase{"FailedSaveKeepsTheClass", true, false, true, MsgResult::Yes, MsgResult::Yes, false, false,
                  {"Store", "FileSave"}},
        CloseCase{"CancelledSaveAsKeepsTheClass", true, false, false, MsgResult::Yes, MsgResult::Yes, false, false,
                  {"Store", "FileSaveAs"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormTest, FailedSaveKeepsTheChangedFlag) {
  auto& form = ShownForm();
  Modified = true;
  form.FileSaveItem->setEnabled(true);
  form.saveWrites = false;
  testsupport::ScriptedMessages msgs;
  msgs.expect(kQuit, MsgKind::Confirmation, MsgResult::Yes).expect(kSaveFirst, MsgKind::Warning, MsgResult::Yes);
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(Modified);
  // Asked again, the user may now leave without saving.
  msgs.expect(kQuit, MsgKind::Confirmation, MsgResult::Yes).expect(kSaveFirst, MsgKind::Warning, MsgResult::No);
  EXPECT_TRUE(form.close());
}

TEST_F(MainFormTest, ExitItemAndButtonClose) {
  auto& form = ShownForm();
  testsupport::ScriptedMessages msgs;
  msgs.expect(kQuit, MsgKind::Confirmation, MsgResult::No);
  form.MenuItem("FileExitItem")->trigger();
  EXPECT_TRUE(form.isVisible());
  msgs.expect(kQuit, MsgKind::Confirmation, MsgResult::Yes);
  form.SpeedButton(11)->click();
  EXPECT_FALSE(form.isVisible());
}

// ---------------------------------------------------------------------------
// Deleting the working copies of the form files

namespace {
const QString kDeleteQuestion = QString::fromUtf8(
    "Wollen Sie die Kopien der\rFormular-Druck-Steuerdateien (*.FST)\rim Datenverzeichnis wirklich "
    "löschen?\r\r(Originale bleiben erhalten!)");
}

TEST_F(MainFormTest, DeletesTheWorkingCopiesInTheDataFolder) {
  auto& form = ShownForm();
  ASSERT_EQ(DataDir, dir.dataDir());
  const QStringList copies{"Anl001.FST", "Anl04a.FST", "Anl007_2030.FST", ".Anl009.FST", "anl002.fst"};
  const QStringList others{"7a.QVR", "Anl001.FST.bak", "WPflFach.DAT"};
  for (const QString& name : copies + others) dir.writeFile(dir.dataDir() + name, "x");
  QFile::setPermissions(dir.dataDir() + "Anl007_2030.FST", QFileDevice::ReadOwner);
  dir.writeFile(dir.programDir() + "Anl001.FST", "original");

  testsupport::ScriptedMessages msgs;
  msgs.expect(kDeleteQuestion, MsgKind::Confirmation, MsgResult::No);
  form.MenuItem("desFormulardruckslschen1")->trigger();
  for (const QString& name : copies) EXPECT_TRUE(QFile::exists(dir.dataDir() + name)) << name.toStdString();

  msgs.expect(kDeleteQuestion, MsgKind::Confirmation, MsgResult::Yes);
  form.desFormulardruckslschen1Click();
  for (const QString& name : copies) EXPECT_FALSE(QFile::exists(dir.dataDir() + name)) << name.toStdString();
  for (const QString& name : others) EXPECT_TRUE(QFile::exists(dir.dataDir() + name)) << name.toStdString();
  EXPECT_EQ(dir.readFile(dir.programDir() + "Anl001.FST"), "original");
}

TEST_F(MainFormTest, NeverDeletesTheOriginalsInTheProgramFolder) {
  auto& form = ShownForm();
  dir.writeFile(dir.programDir() + "Anl001.FST", "original");
  dir.writeFile(dir.programDir() + "Anl170.FST", "original");
  // The data folder is the program folder after a failed start-up or an
  // opened class file there; also when spelled another way.
  for (const QString& dataDir : {dir.programDir(), dir.programDir() + "Daten/../"}) {
    DataDir = dataDir;
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(QString::fromUtf8("Das Datenverzeichnis ist zur Zeit das Programmverzeichnis:\r") + dataDir,
                      MsgKind::Information);
    form.desFormulardruckslschen1Click();
    EXPECT_EQ(dir.readFile(dir.programDir() + "Anl001.FST"), "original");
    EXPECT_EQ(dir.readFile(dir.programDir() + "Anl170.FST"), "original");
  }
}

// ---------------------------------------------------------------------------
// Settings menu

TEST_F(MainFormTest, SchoolSettingsOkWarnsAndAppliesTheSchoolType) {
  auto& form = ShownForm();
  TSchulEinstForm dialog(&form);
  form.SchulEinstForm = &dialog;
  testsupport::ScriptedDialogs dialogs;
  dialogs.expect("SchulEinstForm", [](QDialog& d) {
    auto& f = static_cast<TSchulEinstForm&>(d);
    f.FormShow();
    f.RadioGroup1->setItemIndex(3);
    f.Edit1->setText(QString::fromUtf8("Gesamtschule Nord"));
    f.Button1Click();
    return d.result();
  });
  testsupport::ScriptedMessages msgs;
  msgs.expect(QString::fromUtf8("Nach Änderungen der Schulart\rwird ein Neustart des Programms Quorv3\rbzw. das "
                                "Öffnen einer passenden Datendatei\rdringend empfohlen!"),
              MsgKind::Warning);
  form.MenuItem("SchulEinstellungen1")->trigger();
  EXPECT_EQ(form.windowTitle(), MainFormCaption(3));
  EXPECT_EQ(form.calls, Calls({"Store", "Show", "Update"}));
  EXPECT_EQ(form.StatusPanelText(2), "Gesamtschule Nord");
  EXPECT_EQ(dir.readFile(dir.programDir() + "SCHEINST.DAT").size(), 94);
}

TEST_F(MainFormTest, SchoolSettingsCancelChangesNothing) {
  auto& form = ShownForm();
  TSchulEinstForm dialog(&form);
  form.SchulEinstForm = &dialog;
  const QString caption = form.windowTitle();
  testsupport::ScriptedDialogs dialogs;
  dialogs.expect("SchulEinstForm", [](QDialog& d) {
    auto& f = static_cast<TSchulEinstForm&>(d);
    f.RadioGroup1->setItemIndex(4);
    f.Button2Click();
    return d.result();
  });
  form.SchulEinstellungen1Click();
  EXPECT_EQ(form.windowTitle(), caption);
  EXPECT_EQ(form.calls, Calls({"Store", "Update"}));
}

TEST_F(MainFormTest, ProgramSettingsOkReappliesOptions) {
  auto& form = ShownForm();
  TProgEinstForm dialog(&form);
  form.ProgEinstForm = &dialog;
  form.LastGridRow = 7;
  testsupport::ScriptedDialogs dialogs;
  dialogs.expect("ProgEinstForm", [](QDialog& d) {
    auto& f = static_cast<TProgEinstForm&>(d);
    f.FormShow();
    f.CheckBox(2)->setChecked(true);  // show deleted pupils
    f.Button1Click();
    return d.result();
  });
  form.MenuItem("ProgrammEinstellungen1")->trigger();
  EXPECT_EQ(ProgramOptions.ShowDeletedPupils, 1);
  EXPECT_FALSE(form.CheckBox2->isHidden());
  EXPECT_EQ(form.LastGridRow, 0);
  EXPECT_EQ(form.calls, Calls({"FillPupilList", "FillPupilGrid", "Button1"}));

  dialogs.expect("ProgEinstForm", 2);
  form.ProgrammEinstellungen1Click();
  EXPECT_EQ(form.calls.size(), 3u);
}

TEST_F(MainFormTest, ElectivesOkRefillsTheElectiveCombos) {
  auto& form = ShownForm();
  // The elective combos of the data sheet; the fourth is named "ComboBoxw4".
  std::vector<QComboBox*> combos;
  for (const char* name : {"ComboBoxW1", "ComboBoxW2", "ComboBoxW3", "ComboBoxw4", "ComboBoxW5", "ComboBoxW6"}) {
    combos.push_back(form.findChild<QComboBox*>(name));
    ASSERT_NE(combos.back(), nullptr) << name;
    combos.back()->clear();
    combos.back()->addItem("alt");
  }
  TWpflEinstForm dialog(&form);
  form.WpflEinstForm = &dialog;
  testsupport::ScriptedDialogs dialogs;
  dialogs.expect("WpflEinstForm", 2);
  form.MenuItem("WahlpflichtFcher1")->trigger();
  for (QComboBox* c : combos) EXPECT_EQ(ComboItems(c), QStringList{"alt"});
  EXPECT_EQ(form.calls, Calls({"Store", "Show", "Update"}));

  dialogs.expect("WpflEinstForm", [](QDialog& d) {
    auto& f = static_cast<TWpflEinstForm&>(d);
    f.FormShow();
    f.Edit1->setText(QString::fromUtf8("Französisch"));
    f.Button3Click();
    f.Button1Click();
    return d.result();
  });
  form.WahlpflichtFcher1Click();
  const QStringList expected{"  - - -", "???", QString::fromUtf8("Französisch")};
  EXPECT_EQ(ElectiveSubjectNames, expected);
  for (QComboBox* c : combos) EXPECT_EQ(ComboItems(c), expected) << c->objectName().toStdString();
  EXPECT_EQ(form.calls, Calls({"Store", "Show", "Update", "Store", "Show", "Update"}));
}

TEST_F(MainFormTest, DialogCommandsShowTheirDialog) {
  auto& form = ShownForm();
  const struct {
    const char* trigger;  // menu item or speed button
    QDialog* TMainForm::*dialog;
    const char* dialogName;
  } cases[] = {
      {"DruckOptionen1", &TMainForm::DrkEinstForm, "DrkEinstForm"},
      {"HelpAboutItem", &TMainForm::AboutForm, "AboutForm"},
      {"SpeedButton10", &TMainForm::AboutForm, "AboutForm"},
      {"VergabederBewertungen1", &TMainForm::BewUebersForm, "BewUebersForm"},
      {"FcherBewertungsbersicht1", &TMainForm::BewUebersForm, "BewUebersForm"},
      {"exportieren1", &TMainForm::EinstExpForm, "EinstExpForm"},
      {"importieren1", &TMainForm::EinstImpForm, "EinstImpForm"},
  };
  for (const auto& c : cases) {
    QDialog dialog(&form);
    dialog.setObjectName(c.dialogName);
    testsupport::ScriptedDialogs dialogs;
    // Not created yet: the command does nothing.
    form.*c.dialog = nullptr;
    if (auto* item = form.MenuItem(c.trigger)) item->trigger();
    else form.findChild<QToolButton*>(c.trigger)->click();
    EXPECT_EQ(dialogs.shownCount(), 0) << c.trigger;

    form.*c.dialog = &dialog;
    dialogs.expect(c.dialogName, 1);
    if (auto* item = form.MenuItem(c.trigger)) item->trigger();
    else form.findChild<QToolButton*>(c.trigger)->click();
    EXPECT_EQ(dialogs.shownCount(), 1) << c.trigger;
    form.*c.dialog = nullptr;
  }
  // Nothing is re-applied after these dialogs.
  EXPECT_TRUE(form.calls.empty());
}

TEST_F(MainFormTest, PrinterSetupRunsThePrintDialog) {
  auto& form = ShownForm();
  testsupport::ScriptedDialogs dialogs;
  for (int i = 0; i < 2; ++i)
    dialogs.expect("PrinterSetupDialog", [](QDialog& d) {
      EXPECT_NE(qobject_cast<QPrintDialog*>(&d), nullptr);
      return static_cast<int>(QDialog::Rejected);
    });
  form.MenuItem("FilePrintSetupItem")->trigger();
  form.SpeedButton(5)->click();
  EXPECT_EQ(dialogs.shownCount(), 2);
}

// ---------------------------------------------------------------------------
// Help

TEST_F(MainFormTest, HelpWithoutHelpFileSaysSo) {
  auto& form = ShownForm();
  HelpOpenerScope viewer(true);
  testsupport::ScriptedMessages msgs;
  msgs.expect(QString::fromUtf8("Zu diesem Programm ist keine Hilfe-Datei installiert.\r\rDie Datei ") +
                  dir.programDir() + QString::fromUtf8("Quorv3.hlp wurde nicht gefunden."),
              MsgKind::Information);
  form.SpeedButton(9)->click();
  EXPECT_TRUE(viewer.opened.isEmpty());
}

TEST_F(MainFormTest, HelpOpensTheHelpFileOfTheProgramFolder) {
  auto& form = ShownForm();
  dir.writeFile(dir.programDir() + "Quorv3.hlp", "help");
  {
    HelpOpenerScope viewer(true);
    form.HelpContents();
    EXPECT_EQ(viewer.opened, QStringList{dir.programDir() + "Quorv3.hlp"});
  }
  HelpOpenerScope failing(false);
  testsupport::ScriptedMessages msgs;
  msgs.expect(QString::fromUtf8("Die Hilfe-Datei\r") + dir.programDir() +
                  QString::fromUtf8("Quorv3.hlp\rkonnte nicht angezeigt werden!"),
              MsgKind::Error);
  form.HelpContents();
}

TEST_F(MainFormTest, HelpMenuItemHasNoCommand) {
  auto& form = ShownForm();
  HelpOpenerScope viewer(true);
  form.MenuItem("HilfezumProgramm1")->trigger();
  EXPECT_TRUE(viewer.opened.isEmpty());
}

// ---------------------------------------------------------------------------
// Page changes and the data-sheet buttons

namespace {
void ExpectTheFormHint() {
  EXPECT_EQ(InfoCaption, "Hinweis");
  EXPECT_EQ(InfoHeadline, "");
  const std::array<QString, 5> lines{"Bitte legen Sie unbedingt zuerst alle",
                                     QString::fromUtf8("Zeugnisangaben (für den Zeugniskopf) fest."), "",
                                     QString::fromUtf8("Bei späteren Änderungen mit Verschiebungen"),
                                     QString::fromUtf8("bei den Fächern kann es zu Problemen kommen!")};
  EXPECT_EQ(InfoLines, lines);
  EXPECT_EQ(InfoTickLength, 500);
}
}  // namespace

TEST_F(MainFormTest, DataSheetPageChangeStoresAndHintsOnUndecidedForm) {
  const struct {
    int infoHints;
    int formNumber;
    bool hint;
  } cases[] = {{1, -1, true}, {1, 0, true}, {1, 5, false}, {0, -1, false}, {0, 5, false}};
  auto& form = ShownForm();
  int page = 0;
  for (const auto& c : cases) {
    ProgramOptions.InfoHints = static_cast<std::uint16_t>(c.infoHints);
    Pupils[0].FormNumber = c.formNumber;
    form.calls.clear();
    testsupport::ScriptedDialogs dialogs;
    if (c.hint)
      dialogs.expect("InfoDlg", [](QDialog&) {
        ExpectTheFormHint();
        return 1;
      });
    page = (page + 2) % 5;
    form.PageControl2->setCurrentIndex(page);
    EXPECT_EQ(form.calls, Calls({"Store", "Show", "Update"})) << c.infoHints << " " << c.formNumber;
  }
}

TEST_F(MainFormTest, DataSheetPageChangeClosesTheCodeList) {
  auto& form = ShownForm();
  ProgramOptions.InfoHints = 0;
  QWidget codeList;
  form.BewHilfForm = &codeList;
  form.BitBtn1Click();
  EXPECT_TRUE(codeList.isVisible());
  form.PageControl2->setCurrentIndex(4);
  EXPECT_FALSE(codeList.isVisible());
  form.BewHilfForm = nullptr;
}

TEST_F(MainFormTest, TablePageChangeStoresOnlyWhenLeavingTheDataSheet) {
  auto& form = ShownForm();
  form.BitBtn11->hide();
  form.BitBtn6->hide();
  form.PageControl1->setCurrentIndex(1);
  EXPECT_EQ(form.calls, Calls({"Store", "Show", "Select"}));
  form.calls.clear();
  form.PageControl1->setCurrentIndex(0);
  EXPECT_EQ(form.calls, Calls({"Show", "Select"}));
  EXPECT_FALSE(form.BitBtn11->isHidden());
  EXPECT_FALSE(form.BitBtn6->isHidden());
}

TEST_F(MainFormTest, DataButtonsAndChangeHandlers) {
  auto& form = ShownForm();
  form.BitBtn11->click();
  EXPECT_EQ(form.calls, Calls({"Store", "Show", "Update"}));
  form.calls.clear();
  form.BitBtn6->click();
  EXPECT_EQ(form.calls, Calls({"Show", "Update"}));
  form.calls.clear();
  ASSERT_FALSE(Modified);
  form.Memo2Change();
  EXPECT_TRUE(Modified);
  Modified = false;
  form.Memo4Change();
  EXPECT_TRUE(Modified);
  EXPECT_EQ(form.calls, Calls({"Update", "Update"}));
}

// ---------------------------------------------------------------------------
// Window size

TEST(MainFormSize, ResizeRule) {
  const struct {
    QSize size;
    Qt::WindowStates state;
    QSize expected;
  } cases[] = {
      {{500, 400}, Qt::WindowNoState, {795, 580}},   {{900, 500}, Qt::WindowNoState, {900, 580}},
      {{700, 700}, Qt::WindowNoState, {795, 700}},   {{795, 580}, Qt::WindowNoState, {795, 580}},
      {{768, 581}, Qt::WindowNoState, {795, 581}},   {{500, 400}, Qt::WindowMinimized, {500, 400}},
      {{500, 400}, Qt::WindowMaximized, {500, 400}}, {{500, 400}, Qt::WindowFullScreen, {500, 400}},
      {{500, 400}, Qt::WindowActive, {795, 580}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MainFormSizeAfterResize(c.size, c.state), c.expected) << c.size.width() << "x" << c.size.height();
}

TEST_F(MainFormTest, SmallWindowSnapsBack) {
  auto& form = ShownForm();
  EXPECT_GE(form.width(), 795);
  form.resize(600, 400);
  EXPECT_EQ(form.size(), QSize(795, 580));
  form.resize(1000, 700);
  EXPECT_EQ(form.size(), QSize(1000, 700));
}
