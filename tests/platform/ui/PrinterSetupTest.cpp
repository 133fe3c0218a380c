#include "platform/ui/PrinterSetup.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPrintDialog>

#include "platform/PrinterDocument.h"
#include "support/PrinterDouble.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedMessages.h"

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

// With no printer to list, the dialog says why and that the printouts become
// PDF files in the class folder.
TEST(PrinterSetupTest, WithoutAPrinterANoteSaysWhereThePrintoutsGo) {
  const QString pdf =
      QStringLiteral(" Die Zeugnisse werden dann als PDF-Dateien in den Ordner der Klasse geschrieben.");
  const struct {
    QStringList Printers;
    bool ServiceRuns;
    QStringList Notes;
  } cases[] = {
      {{QStringLiteral("Laser")}, true, {}},
      {{}, true, {QStringLiteral("Es ist kein Drucker eingerichtet.") + pdf}},
      {{}, false, {QStringLiteral("Der Druckdienst antwortet nicht.") + pdf}},
  };
  for (const auto& c : cases) {
    testsupport::PrinterDouble service;
    service.names = c.Printers;
    service.serviceRuns = c.ServiceRuns;
    testsupport::ScriptedDialogs dialogs;
    QStringList notes;
    dialogs.expect(QStringLiteral("PrinterSetupDialog"), [&notes](QDialog& d) {
      for (const QLabel* label : d.findChildren<QLabel*>(QStringLiteral("NoPrinterNote"))) notes << label->text();
      return static_cast<int>(QDialog::Rejected);
    });
    platform::RunPrinterSetup(nullptr);
    EXPECT_EQ(notes, c.Notes);
  }
}

// A hanging print service is said at once: neither the printer nor its
// dialog is made, since both would ask the service on the window's thread.
TEST(PrinterSetupTest, AHangingServiceIsSaidInsteadOfFreezingInTheDialog) {
  testsupport::PrinterDouble service;
  service.slow = true;
  platform::Printer().SetServiceTimeout(std::chrono::milliseconds(100));
  testsupport::ScriptedDialogs dialogs;
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(QStringLiteral("Der Druckdienst antwortet nicht;"), platform::MsgKind::Warning);
  EXPECT_FALSE(platform::RunPrinterSetup(nullptr));
  platform::Printer().SetServiceTimeout(std::chrono::seconds(4));
  service.Release();
  EXPECT_TRUE(msgs.allAnswered());
  EXPECT_EQ(dialogs.shownCount(), 0);
  EXPECT_EQ(service.WindowThreadQuestions(), 0);
}

}  // namespace
