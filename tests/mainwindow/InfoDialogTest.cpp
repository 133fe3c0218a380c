#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>

#include "mainwindow/InfoDialog.h"
#include "support/ScriptedDialogs.h"

using namespace quorv;

namespace {

QStringList MemoLines(const QTextEdit* memo) {
  QStringList lines;
  for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) lines << b.text();
  return lines;
}

// Shows the dialog as the modal run would and hands it to the check.
testsupport::ScriptedDialogs::Answer Shown(std::function<void(TInfoDlg&)> check) {
  return [check](QDialog& d) {
    auto& dialog = static_cast<TInfoDlg&>(d);
    dialog.show();
    check(dialog);
    return dialog.result();
  };
}

}  // namespace

TEST(InfoDialog, TickLengthIsATenthOfTheTime) {
  const struct {
    std::uint16_t ms;
    std::uint16_t tick;
  } cases[] = {{5000, 500}, {3000, 300}, {1234, 123}, {15, 2}, {14, 1}, {5, 1}, {4, 0}, {0, 0}, {65535, 6554}};
  for (const auto& c : cases) EXPECT_EQ(InfoTickLengthFor(c.ms), c.tick) << c.ms;
}

TEST(InfoDialog, ShowsTextsAndClosesOnTheTenthTick) {
  TInfoDlg dlg;
  ASSERT_EQ(InfoDlg, &dlg);
  testsupport::ScriptedDialogs dialogs;
  dialogs.expect("InfoDlg", Shown([](TInfoDlg& d) {
    EXPECT_EQ(d.windowTitle(), "Hinweis");
    EXPECT_EQ(d.Edit1->text(), "Kopf");
    EXPECT_EQ(MemoLines(d.Memo1), QStringList({"eins", "zwei", "", "vier", QString::fromUtf8("fünf")}));
    EXPECT_EQ(d.Memo1->document()->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(d.Timer1->interval(), 500);
    EXPECT_TRUE(d.Timer1->isActive());
    EXPECT_EQ(d.ProgressBar1->minimum(), 0);
    EXPECT_EQ(d.ProgressBar1->maximum(), 10);
    EXPECT_EQ(d.ProgressBar1->value(), 1);
    for (int tick = 1; tick <= 9; ++tick) {
      d.Timer1Timer();
      EXPECT_TRUE(d.isVisible()) << "tick " << tick;
    }
    EXPECT_EQ(d.ProgressBar1->value(), 10);
    d.Timer1Timer();
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.Timer1->isActive());
  }));
  ShowInfoDialog("Hinweis", "Kopf", "eins", "zwei", "", "vier", QString::fromUtf8("fünf"), 5000);
  EXPECT_EQ(dialogs.shownCount(), 1);
}

TEST(InfoDialog, ButtonClosesAtOnceAndStopsTheTimer) {
  TInfoDlg dlg;
  EXPECT_EQ(dlg.BitBtn1->text(), QString::fromUtf8("OK   /   Schließen"));
  EXPECT_FALSE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
  testsupport::ScriptedDialogs dialogs;
  dialogs.expect("InfoDlg", Shown([](TInfoDlg& d) {
    d.Timer1Timer();
    d.BitBtn1->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.Timer1->isActive());
    EXPECT_EQ(d.result(), QDialog::Accepted);
  }));
  ShowInfoDialog("", "", "", "", "", "", "", 3000);
}

TEST(InfoDialog, ShortTimeStartsNoTimerAndLaterCallsTimeAgain) {
  TInfoDlg dlg;
  testsupport::ScriptedDialogs dialogs;
  // Too short for a tick: no timer with interval 0, the button closes it.
  dialogs.expect("InfoDlg", Shown([](TInfoDlg& d) {
    EXPECT_FALSE(d.Timer1->isActive());
    d.BitBtn1Click();
  }));
  ShowInfoDialog("a", "", "", "", "", "", "", 3);
  EXPECT_EQ(InfoTickLength, 0);
  // The next call computes its own tick length.
  dialogs.expect("InfoDlg", Shown([](TInfoDlg& d) {
    EXPECT_TRUE(d.Timer1->isActive());
    EXPECT_EQ(d.Timer1->interval(), 200);
    EXPECT_EQ(d.Progress(), 1);
    d.BitBtn1Click();
  }));
  ShowInfoDialog("b", "", "", "", "", "", "", 2000);
}

TEST(InfoDialog, WithoutTheDialogOfTheRunATemporaryOneIsShown) {
  ASSERT_EQ(InfoDlg, nullptr);
  testsupport::ScriptedDialogs dialogs;
  dialogs.expect("InfoDlg", Shown([](TInfoDlg& d) {
    EXPECT_EQ(InfoDlg, &d);
    EXPECT_EQ(d.windowTitle(), "Info");
    d.BitBtn1Click();
  }));
  ShowInfoDialog("Info", "", "", "", "", "", "", 1000);
  EXPECT_EQ(InfoDlg, nullptr);
}
