#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

#include "mainwindow/SheetStubFixture.h"
#include "records/RecordOperations.h"
#include "settings/ProgEinst.h"
#include "support/ScriptedMessages.h"

using namespace quorv;
using platform::MsgKind;
using platform::MsgResult;
using testsupport::ClassOf;
using testsupport::Pupil;
using testsupport::SheetStubForm;
using testsupport::SheetStubTest;

namespace {

const QString kDeleteQuestion = QString::fromUtf8("Wollen Sie diesen Datensatz löschen?");
const QString kPurgeQuestion = QString::fromUtf8(
    "Wollen Sie die gelöschten Datensätze jetzt wirklich und endgültig aus der Datenbank löschen?");
const QString kFullMessage = QString::fromUtf8(
    "Die Klasse enthält bereits 65535 Datensätze.\rEs kann kein weiterer Schüler hinzugefügt werden.");

class RecordCommandsTest : public SheetStubTest {
 protected:
  SheetStubForm& FormWithClass(const TDB2& pupils, int current) {
    SheetStubForm& form = ShownForm();
    SetClass(pupils, current);
    Modified = false;
    return form;
  }
  static std::string Surnames() {
    std::string s;
    for (int i = 0; i < PupilCount; ++i) s += Pupils[static_cast<std::size_t>(i)].Surname.str() + " ";
    return s;
  }
};

TDB2 ThreePupils() { return ClassOf({Pupil("Abel", "Anna"), Pupil("Berg", "Ben"), Pupil("Cron", "Cem")}); }

TEST_F(RecordCommandsTest, PlusStoresInsertsBehindTheCurrentPupilAndShowsIt) {
  for (int copyOption : {0, 1}) {
    SCOPED_TRACE(copyOption);
    ProgramOptions.CopyFromPreviousPupil = static_cast<std::uint16_t>(copyOption);
    ProgramOptions.InfoHints = 0;  // no timed hint on the page change below
    SheetStubForm& form = FormWithClass(ThreePupils(), 1);
    form.PageControl2->setCurrentIndex(3);
    form.calls.clear();
    form.pendingEdit = "4";
    form.Button6->click();
    EXPECT_EQ(form.calls.front(), "Store 1");
    EXPECT_EQ(Surnames(), "Abel Berg ??? Cron ");
    EXPECT_EQ(Pupils[1].AbsenceDays, "4");  // the edit reached the pupil left
    EXPECT_EQ(CurrentPupil, 2);
    EXPECT_EQ(form.ListBox1->currentRow(), 2);
    EXPECT_EQ(form.ListBox1->item(2)->text(), "???, ");
    EXPECT_EQ(form.PageControl2->currentIndex(), 0);
    ASSERT_NE(form.focusWidget(), nullptr);
    EXPECT_EQ(form.focusWidget()->objectName(), "Edit5");
    for (const char* name : {"Label64", "Label65", "Label66"})
      EXPECT_EQ(!form.findChild<QLabel*>(name)->isHidden(), copyOption == 1) << name;
    for (QPushButton* b : {form.Button1, form.Button2, form.Button3, form.Button4}) EXPECT_TRUE(b->isEnabled());
  }
}

TEST_F(RecordCommandsTest, MinusAsksAndMarksTheCurrentPupil) {
  const struct {
    int allowed;
    MsgResult reply;
    int active;
    bool stored;
  } cases[] = {{1, MsgResult::Yes, 0, true}, {1, MsgResult::No, 1, true}, {0, MsgResult::Ok, 1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.allowed * 10 + static_cast<int>(c.reply));
    ProgramOptions.AllowDeletePupils = static_cast<std::uint16_t>(c.allowed);
    SheetStubForm& form = FormWithClass(ThreePupils(), 1);
    testsupport::ScriptedMessages messages;
    if (c.allowed)
      messages.expect(kDeleteQuestion, MsgKind::Confirmation, c.reply);
    else
      messages.expect(QString::fromUtf8("Sie sind nicht berechtigt Datensätze zu löschen!"), MsgKind::Error);
    form.Button7->click();
    EXPECT_EQ(Pupils[1].Active, c.active);
    EXPECT_EQ(Modified, c.active == 0);
    EXPECT_EQ(CurrentPupil, 1);
    EXPECT_EQ(std::find(form.calls.begin(), form.calls.end(), "Store 1") != form.calls.end(), c.stored);
    // A marked pupil leaves the list while marked pupils are hidden.
    EXPECT_EQ(form.ListBox1->count(), c.active == 0 ? 2 : 3);
  }
}

TEST_F(RecordCommandsTest, PurgeStoresTheSheetAfterYesOnly) {
  for (MsgResult reply : {MsgResult::Yes, MsgResult::No}) {
    const bool yes = reply == MsgResult::Yes;
    SCOPED_TRACE(yes);
    SheetStubForm& form =
        FormWithClass(ClassOf({Pupil("Abel", "Anna"), Pupil("Berg", "Ben", 0), Pupil("Cron", "Cem")}), 2);
    form.pendingEdit = "12";
    testsupport::ScriptedMessages messages;
    messages.expect(kPurgeQuestion, MsgKind::Confirmation, reply);
    form.MenuItem("gelschteDatenstzeentgltigentfernen1")->trigger();
    EXPECT_EQ(Surnames(), yes ? "Abel Cron " : "Abel Berg Cron ");
    EXPECT_EQ(CurrentPupil, yes ? 1 : 2);
    EXPECT_EQ(Pupils[static_cast<std::size_t>(CurrentPupil)].Surname, "Cron");
    EXPECT_EQ(Pupils[static_cast<std::size_t>(CurrentPupil)].AbsenceDays, yes ? "12" : "- -");
    EXPECT_EQ(Modified, yes);
    if (!yes) {
      EXPECT_TRUE(form.calls.empty());
    }
  }
}

TEST_F(RecordCommandsTest, SortsStoreReorderAndKeepTheIndex) {
  const struct {
    int speedButton;
    const char* menuItem;
    const char* order;
  } cases[] = {{21, "aufsteigend1", "Abel Berg Cron Dorn "},
               {22, "absteigend1", "Dorn Cron Berg Abel "},
               {23, "aufsteigend2", "Cron Abel Dorn Berg "},
               {24, "absteigend2", "Berg Dorn Abel Cron "},
               {27, "Mdchenzuerst1", "Berg Dorn Abel Cron "},
               {28, "Jungenzuerst1", "Abel Cron Berg Dorn "}};
  for (const auto& c : cases) {
    for (bool fromMenu : {false, true}) {
      SCOPED_TRACE(std::string(c.menuItem) + (fromMenu ? " menu" : " button"));
      TDB2 pupils = ClassOf({Pupil("Cron", "Cem", 1, 2), Pupil("Abel", "Anna", 1, 5), Pupil("Dorn", "Dana", 1, 7),
                             Pupil("Berg", "Ben", 1, 9)});
      pupils[2].Sex = 1;
      pupils[3].Sex = 1;
      SheetStubForm& form = FormWithClass(pupils, 2);
      if (fromMenu)
        form.MenuItem(c.menuItem)->trigger();
      else
        form.SpeedButton(c.speedButton)->click();
      EXPECT_EQ(form.calls.front(), "Store 2");
      EXPECT_EQ(Surnames(), c.order);
      EXPECT_EQ(CurrentPupil, 2);
      EXPECT_EQ(form.ListBox1->currentRow(), 2);
      EXPECT_TRUE(Modified);
    }
  }
}

TEST_F(RecordCommandsTest, ASortOfOnePupilDoesNothing) {
  SheetStubForm& form = FormWithClass(ClassOf({Pupil("Abel", "Anna")}), 0);
  form.MenuItem("absteigend1")->trigger();
  EXPECT_TRUE(form.calls.empty());
  EXPECT_FALSE(Modified);
}

TEST_F(RecordCommandsTest, CutStoresCopiesAndRunsMinus) {
  SheetStubForm& form = FormWithClass(ThreePupils(), 0);
  form.pendingEdit = "3";
  testsupport::ScriptedMessages messages;
  messages.expect(kDeleteQuestion, MsgKind::Confirmation, MsgResult::Yes);
  form.AusschneidenSchlerDatensatz1Click();
  EXPECT_EQ(ClipboardPupil.Surname, "Abel");
  EXPECT_EQ(ClipboardPupil.AbsenceDays, "3");
  EXPECT_EQ(ClipboardPupil.Active, 1);
  EXPECT_EQ(Pupils[0].Active, 0);
}

TEST_F(RecordCommandsTest, CopyTakesTheStoredRecordAndPasteInsertsItBehind) {
  SheetStubForm& form = FormWithClass(ThreePupils(), 2);
  form.pendingEdit = "9";  // not stored by the copy
  form.KopierenSchlerDatensatz1Click();
  EXPECT_EQ(ClipboardPupil.AbsenceDays, "- -");
  EXPECT_TRUE(form.calls.empty());
  form.EinfgenSchlerDatensatz1Click();
  EXPECT_EQ(Surnames(), "Abel Berg Cron Cron ");
  EXPECT_EQ(Pupils[3].KeyNumber, Pupils[2].KeyNumber);
  EXPECT_EQ(Pupils[2].AbsenceDays, "9");  // the paste stored the sheet
  EXPECT_EQ(CurrentPupil, 2);
  EXPECT_EQ(form.ListBox1->count(), 4);
  EXPECT_TRUE(Modified);
}

TEST_F(RecordCommandsTest, AFullClassRefusesPlusAndPasteBeforeAnythingChanges) {
  using Command = void (TMainForm::*)();
  for (Command command : {&TMainForm::Button6Click, &TMainForm::EinfgenSchlerDatensatz1Click}) {
    SheetStubForm& form = FormWithClass(ThreePupils(), 1);
    PupilCount = kMaxPupils;  // the count is what the limit looks at
    form.pendingEdit = "5";
    testsupport::ScriptedMessages messages;
    messages.expect(kFullMessage, MsgKind::Warning);
    (form.*command)();
    EXPECT_TRUE(form.calls.empty());
    EXPECT_EQ(Pupils.size(), 3u);
    EXPECT_EQ(Pupils[1].Surname, "Berg");
    EXPECT_EQ(CurrentPupil, 1);
    EXPECT_FALSE(Modified);
    PupilCount = 3;
  }
}

TEST_F(RecordCommandsTest, TheRecordClipboardStartsDisabled) {
  SheetStubForm& form = ShownForm();
  for (const char* item : {"AusschneidenSchlerDatensatz1", "KopierenSchlerDatensatz1", "EinfgenSchlerDatensatz1"})
    EXPECT_FALSE(form.MenuItem(item)->isEnabled()) << item;
  for (int b : {6, 7, 8}) EXPECT_FALSE(form.SpeedButton(b)->isEnabled()) << b;
}

}  // namespace
