#include <gtest/gtest.h>

#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

#include "mainwindow/DataSheetControls.h"
#include "mainwindow/SheetStubFixture.h"
#include "settings/ProgEinst.h"
#include "support/ClassInMemory.h"
#include "support/ScriptedMessages.h"

using namespace quorv;
using platform::MsgKind;
using platform::MsgResult;
using testsupport::ClassOf;
using testsupport::Pupil;
using testsupport::SheetStubForm;
using testsupport::Surnames;

namespace {

const QString kDeleteQuestion = QString::fromUtf8("Wollen Sie diesen Datensatz löschen?");

class RecordCommandsTest : public testsupport::SheetStubTest {
 protected:
  SheetStubForm& FormWithClass(const TDB2& pupils, int current) {
    SheetStubForm& form = ShownForm();
    SetClass(pupils, current);
    Modified = false;
    return form;
  }
};

TDB2 ThreePupils() { return ClassOf({Pupil("Abel", "Anna"), Pupil("Berg", "Ben"), Pupil("Cron", "Cem")}); }

TEST_F(RecordCommandsTest, PlusStoresInsertsBehindTheCurrentPupilAndShowsIt) {
  ProgramOptions.InfoHints = 0;  // no timed hint on the page change below
  for (int copyOption : {0, 1}) {
    ProgramOptions.CopyFromPreviousPupil = static_cast<std::uint16_t>(copyOption);
    SheetStubForm& form = FormWithClass(ThreePupils(), 1);
    form.PageControl2->setCurrentIndex(3);
    form.pendingEdit = "4";
    form.Sheet->Edit5->setText(QStringLiteral("???"));
    form.Button6->click();
    EXPECT_EQ(Surnames(), "Abel Berg ??? Cron ");
    EXPECT_EQ(Pupils[1].AbsenceDays, "4");  // the pupil left was stored
    EXPECT_EQ(CurrentPupil, 2);
    EXPECT_EQ(ListTexts().value(form.ListBox1->currentRow()), "???, ");
    EXPECT_EQ(form.PageControl2->currentIndex(), 0);
    EXPECT_EQ(form.focusWidget()->objectName(), "Edit5");
    EXPECT_EQ(form.Sheet->Edit5->selectedText(), QStringLiteral("???"));  // typing replaces the placeholder
    for (const char* note : {"Label64", "Label65", "Label66"})
      EXPECT_EQ(!form.findChild<QLabel*>(note)->isHidden(), copyOption == 1) << note;
    Modified = false;  // nothing typed: the new pupil alone is the change
    form.Button6->click();
    EXPECT_TRUE(Modified && !form.Edit73->isHidden());
  }
}

TEST_F(RecordCommandsTest, MinusAsksAndMarksTheCurrentPupil) {
  const struct {
    int allowed;
    MsgResult reply;
    int active;
  } cases[] = {{1, MsgResult::Yes, 0}, {1, MsgResult::No, 1}, {0, MsgResult::Ok, 1}};
  for (const auto& c : cases) {
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
    EXPECT_EQ(std::count(form.calls.begin(), form.calls.end(), "Store 1"), c.allowed);
    EXPECT_EQ(form.ListBox1->count(), c.active == 0 ? 2 : 3);  // marked pupils are hidden
  }
}

TEST_F(RecordCommandsTest, PurgeStoresTheSheetAfterYesOnly) {
  for (MsgResult reply : {MsgResult::Yes, MsgResult::No}) {
    const bool yes = reply == MsgResult::Yes;
    SheetStubForm& form =
        FormWithClass(ClassOf({Pupil("Abel", "Anna"), Pupil("Berg", "Ben", 0), Pupil("Cron", "Cem")}), 2);
    form.pendingEdit = "12";
    testsupport::ScriptedMessages messages;
    messages.expect(QString::fromUtf8("Wollen Sie die gelöschten Datensätze jetzt wirklich und endgültig aus der "
                                      "Datenbank löschen?"),
                    MsgKind::Confirmation, reply);
    form.MenuItem("gelschteDatenstzeentgltigentfernen1")->trigger();
    EXPECT_EQ(Surnames(), yes ? "Abel Cron " : "Abel Berg Cron ");
    EXPECT_EQ(Pupils[static_cast<std::size_t>(CurrentPupil)].Surname, "Cron");
    EXPECT_EQ(Pupils[static_cast<std::size_t>(CurrentPupil)].AbsenceDays, yes ? "12" : "- -");
    EXPECT_EQ(Modified, yes);
  }
}

TEST_F(RecordCommandsTest, SortsStoreReorderAndKeepTheIndex) {
  // Keys 2, 5, 7, 9; Klassenstufe 7, 7, 5, 6; Dorn and Berg are girls.
  const struct {
    int speedButton;  // 0: the menu only
    const char* menuItem;
    const char* order;
  } cases[] = {{21, "aufsteigend1", "Abel Berg Cron Dorn "}, {22, "absteigend1", "Dorn Cron Berg Abel "},
               {23, "aufsteigend2", "Cron Abel Dorn Berg "}, {24, "absteigend2", "Berg Dorn Abel Cron "},
               {27, "Mdchenzuerst1", "Berg Dorn Abel Cron "}, {28, "Jungenzuerst1", "Abel Cron Berg Dorn "},
               {0, "aufsteigend3", "Dorn Berg Cron Abel "},  {0, "absteigend3", "Cron Abel Berg Dorn "}};
  TDB2 pupils = ClassOf(
      {Pupil("Cron", "Cem", 1, 2), Pupil("Abel", "Anna", 1, 5), Pupil("Dorn", "Dana", 1, 7), Pupil("Berg", "Ben", 1, 9)});
  const std::uint16_t stufe[] = {7, 7, 5, 6};
  for (std::size_t i = 0; i < 4; ++i) pupils[i].Klassenstufe = stufe[i];
  pupils[2].Sex = pupils[3].Sex = 1;
  for (const auto& c : cases) {
    for (bool fromMenu : {false, true}) {
      if (!fromMenu && c.speedButton == 0) continue;
      SCOPED_TRACE(c.menuItem);
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

TEST_F(RecordCommandsTest, CutStoresAndMarksCopyTakesTheStoredRecordPasteInsertsBehind) {
  SheetStubForm& form = FormWithClass(ThreePupils(), 0);
  form.pendingEdit = "3";
  testsupport::ScriptedMessages messages;
  messages.expect(kDeleteQuestion, MsgKind::Confirmation, MsgResult::Yes);
  form.AusschneidenSchlerDatensatz1Click();
  EXPECT_EQ(ClipboardPupil.Surname, "Abel");
  EXPECT_EQ(ClipboardPupil.AbsenceDays, "3");
  EXPECT_EQ(ClipboardPupil.Active, 1);
  EXPECT_EQ(Pupils[0].Active, 0);

  SetClass(ThreePupils(), 2);
  Modified = false;
  form.pendingEdit = "9";  // not stored by the copy
  form.KopierenSchlerDatensatz1Click();
  EXPECT_EQ(ClipboardPupil.AbsenceDays, "- -");
  form.EinfgenSchlerDatensatz1Click();
  EXPECT_EQ(Surnames(), "Abel Berg Cron Cron ");
  EXPECT_EQ(Pupils[3].KeyNumber, Pupils[2].KeyNumber);
  EXPECT_EQ(Pupils[2].AbsenceDays, "9");  // the paste stored the sheet
  EXPECT_EQ(CurrentPupil, 2);
  EXPECT_EQ(form.ListBox1->count(), 4);
  EXPECT_TRUE(Modified);
}

TEST_F(RecordCommandsTest, AFullClassRefusesPlusAndPasteBeforeAnythingChanges) {
  for (auto command : {&TMainForm::Button6Click, &TMainForm::EinfgenSchlerDatensatz1Click}) {
    SheetStubForm& form = FormWithClass(ThreePupils(), 1);
    PupilCount = kMaxPupils;  // the count is what the limit looks at
    form.pendingEdit = "5";
    testsupport::ScriptedMessages messages;
    messages.expect(QString::fromUtf8("Die Klasse enthält bereits 65535 Datensätze.\rEs kann kein weiterer Schüler "
                                      "hinzugefügt werden."),
                    MsgKind::Warning);
    (form.*command)();
    EXPECT_TRUE(form.calls.empty());
    EXPECT_EQ(Surnames(), "Abel Berg Cron ");
    EXPECT_EQ(CurrentPupil, 1);
    EXPECT_FALSE(Modified);
    PupilCount = 3;
  }
}

}  // namespace
