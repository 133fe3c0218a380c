// Printing through a private print service that tests/scripts/print_queue_test.sh
// starts: its queue in QUORV_TEST_CUPS_QUEUE, its process in QUORV_TEST_CUPSD_PID.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/PrinterDocument.h"
#include "support/ScriptedMessages.h"

namespace {

using platform::MsgKind;

void Shell(const QString& command) {
  if (!command.isEmpty()) QProcess::execute(QStringLiteral("bash"), {QStringLiteral("-c"), command});
}

TEST(RealPrintQueue, EachQueueThatCannotPrintSaysWhyAndGivesThePdf) {
  const QString queue = qEnvironmentVariable("QUORV_TEST_CUPS_QUEUE");
  if (queue.isEmpty()) GTEST_SKIP() << "no private print service";
  const QString printer = QStringLiteral("Der Drucker \"") + queue + QStringLiteral("\"");
  const QString refusing = printer + QStringLiteral(" nimmt zur Zeit keine Aufträge an.\r"
                                                    "Soll der Ausdruck stattdessen als PDF-Datei gespeichert werden?");
  const QString saved = QStringLiteral("Der Ausdruck wurde als PDF-Datei gespeichert:\r");
  const QString silent = QStringLiteral("Der Druckdienst antwortet nicht.\r");
  const struct {
    const char* Before;  // shell commands; the document is open during During
    const char* During;
    const char* After;
    QString Said;  // "": nothing before the PDF notice
    MsgKind Kind;
    QString Notice;  // "": no PDF
  } cases[] = {
      {"", "", "", {}, MsgKind::Warning, {}},  // printed: nothing to say
      {"cupsreject $QUORV_TEST_CUPS_QUEUE", "", "cupsaccept $QUORV_TEST_CUPS_QUEUE", refusing, MsgKind::Warning,
       saved},
      {"cupsdisable $QUORV_TEST_CUPS_QUEUE", "", "cupsenable $QUORV_TEST_CUPS_QUEUE", refusing, MsgKind::Warning,
       saved},
      {"", "cupsreject $QUORV_TEST_CUPS_QUEUE", "cupsaccept $QUORV_TEST_CUPS_QUEUE",
       printer + QStringLiteral(" hat den Ausdruck nicht angenommen."), MsgKind::Error, {}},
      {"kill -STOP $QUORV_TEST_CUPSD_PID", "", "kill -CONT $QUORV_TEST_CUPSD_PID",
       silent + QStringLiteral("Der Ausdruck wird als PDF-Datei gespeichert."), MsgKind::Warning, saved},
      {"kill $QUORV_TEST_CUPSD_PID; while kill -0 $QUORV_TEST_CUPSD_PID 2>/dev/null; do sleep 0.1; done", "", "", {},
       MsgKind::Warning, silent + saved},
  };
  QTemporaryDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Before + std::string(c.During));
    Shell(QString::fromUtf8(c.Before));
    platform::PrinterDocument doc;  // nothing an earlier case left waiting counts
    doc.SetPdfFolder(dir.path() + QLatin1Char('/'));
    doc.SetServiceTimeout(std::chrono::seconds(1));
    doc.SetChosenPrinter(queue);
    testsupport::ScriptedMessages msgs;
    if (!c.Said.isEmpty()) msgs.expect(c.Said, c.Kind, platform::MsgResult::Yes);
    if (!c.Notice.isEmpty()) msgs.expectPrefix(c.Notice, MsgKind::Information);
    doc.SetTitle(QStringLiteral("Zeugnis"));
    if (doc.BeginDoc()) {
      doc.canvas().TextOut(100, 100, QStringLiteral("Anna"));
      doc.NewPage();
      Shell(QString::fromUtf8(c.During));
      doc.EndDoc();
    }
    Shell(QString::fromUtf8(c.After));
    EXPECT_TRUE(msgs.allAnswered());
    if (!c.Notice.isEmpty() && !msgs.shown().empty()) {
      EXPECT_EQ(msgs.shown().back().text, c.Notice + QDir::toNativeSeparators(doc.LastPdfFile()) + "\r2 Seiten");
    }
  }
}

}  // namespace
