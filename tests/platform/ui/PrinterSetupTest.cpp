#include "platform/ui/PrinterSetup.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPrintDialog>

#include "support/ScriptedDialogs.h"

namespace {

// The set-up dialog only chooses the printer: its confirming button must not
// promise a print that never comes.
TEST(PrinterSetupTest, ConfirmButtonSaysOkNotPrint) {
  testsupport::ScriptedDialogs dialogs;
  QStringList captions;
  dialogs.expect(QStringLiteral("PrinterSetupDialog"), [&captions](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Drucker einrichten"));
    for (QDialogButtonBox* box : d.findChildren<QDialogButtonBox*>())
      for (QAbstractButton* b : box->buttons())
        if (box->buttonRole(b) == QDialogButtonBox::AcceptRole) captions << b->text();
    return static_cast<int>(QDialog::Rejected);
  });
  EXPECT_FALSE(platform::RunPrinterSetup(nullptr));
  EXPECT_EQ(dialogs.shownCount(), 1);
  ASSERT_EQ(captions.size(), 1);
  EXPECT_EQ(captions.front(), QStringLiteral("OK"));
}

}  // namespace
