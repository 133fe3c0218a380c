// Printing through the system's print service, on a private one that
// tests/scripts/print_queue_test.sh starts: its queue in QUORV_TEST_CUPS_QUEUE,
// its process in QUORV_TEST_CUPSD_PID. Skipped without them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>

#include "layouts/LayoutTestSupport.h"
#include "platform/PrinterDocument.h"
#include "support/ScriptedMessages.h"

namespace {

using platform::MsgKind;
using platform::MsgResult;

// Runs a shell command with the print service's variables; its output.
QString Shell(const QString& command) {
  QProcess p;
  p.start(QStringLiteral("bash"), {QStringLiteral("-c"), command});
  p.waitForFinished(20000);
  return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// Jobs the service has taken so far, on any queue.
int JobsTaken() { return Shell(QStringLiteral("lpstat -W all -o | wc -l")).trimmed().toInt(); }

TEST(RealPrintQueue, EveryQueueThatCannotPrintGivesATrueMessageAndThePdf) {
  const QString queue = qEnvironmentVariable("QUORV_TEST_CUPS_QUEUE");
  if (queue.isEmpty() || qEnvironmentVariableIntValue("QUORV_TEST_CUPSD_PID") <= 0)
    GTEST_SKIP() << "no private print service: tests/scripts/print_queue_test.sh starts one";
  const QString q = QStringLiteral("\"") + queue + QStringLiteral("\"");
  const QString refusing = QStringLiteral("Der Drucker ") + q +
                           QStringLiteral(" nimmt zur Zeit keine Aufträge an.\r"
                                          "Soll der Ausdruck stattdessen als PDF-Datei gespeichert werden?");
  const QString saved = QStringLiteral("Der Ausdruck wurde als PDF-Datei gespeichert:\r");
  const struct {
    const char* What;
    QString Before;  // shell commands before the job
    QString During;  // while its document is open
    QString After;
    QString Said;  // "": nothing
    MsgKind Kind;
    QString Notice;  // the PDF notice's start; "": no PDF
    bool Taken;      // the job reached a queue
  } cases[] = {
      {"accepting", {}, {}, {}, {}, MsgKind::Information, {}, true},
      {"refusing", "cupsreject $QUORV_TEST_CUPS_QUEUE", {}, "cupsaccept $QUORV_TEST_CUPS_QUEUE", refusing,
       MsgKind::Warning, saved, false},
      {"stopped", "cupsdisable $QUORV_TEST_CUPS_QUEUE", {}, "cupsenable $QUORV_TEST_CUPS_QUEUE", refusing,
       MsgKind::Warning, saved, false},
      {"refusing once the document is open", {}, "cupsreject $QUORV_TEST_CUPS_QUEUE",
       "cupsaccept $QUORV_TEST_CUPS_QUEUE",
       QStringLiteral("Der Drucker ") + q + QStringLiteral(" hat den Ausdruck nicht angenommen."), MsgKind::Error,
       {}, false},
      {"removed, another default printer",
       "lpadmin -p Zweiter -E -v file:///dev/null && lpadmin -d Zweiter && lpadmin -x $QUORV_TEST_CUPS_QUEUE", {},
       {},
       QStringLiteral("Der eingerichtete Drucker ") + q +
           QStringLiteral(" ist nicht mehr vorhanden.\rEs wird der Standarddrucker \"Zweiter\" verwendet."),
       MsgKind::Information, {}, true},
      {"removed, no other printer", "lpadmin -x Zweiter", {}, {}, {}, MsgKind::Information, testsupport::kPdfNotice,
       false},
      {"hung service", "kill -STOP $QUORV_TEST_CUPSD_PID", {}, "kill -CONT $QUORV_TEST_CUPSD_PID",
       QStringLiteral("Der Druckdienst antwortet nicht.\rDer Ausdruck wird als PDF-Datei gespeichert."),
       MsgKind::Warning, saved, false},
      {"no service", "kill $QUORV_TEST_CUPSD_PID; while kill -0 $QUORV_TEST_CUPSD_PID 2>/dev/null; do sleep 0.1; done",
       {}, {}, {}, MsgKind::Information, QStringLiteral("Der Druckdienst antwortet nicht.\r") + saved, false},
  };
  QTemporaryDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    Shell(c.Before);
    const int jobs = c.Taken ? JobsTaken() : 0;
    // A printer object of its own: nothing an earlier case left waiting counts.
    platform::PrinterDocument printer;
    printer.SetPdfFolder(dir.path() + QLatin1Char('/'));
    printer.SetServiceTimeout(std::chrono::seconds(1));
    printer.SetChosenPrinter(queue);
    testsupport::ScriptedMessages msgs;
    if (!c.Said.isEmpty()) msgs.expect(c.Said, c.Kind, MsgResult::Yes);
    if (!c.Notice.isEmpty()) msgs.expectPrefix(c.Notice, MsgKind::Information);
    printer.BeginJob(QStringLiteral("Klasse 7a: Zeugnisse"));
    printer.SetTitle(QStringLiteral("Zeugnis: Anna"));
    if (printer.BeginDoc()) {
      printer.canvas().TextOut(100, 100, QStringLiteral("Anna"));
      printer.NewPage();
      Shell(c.During);
      printer.EndDoc();
    }
    printer.EndJob();
    Shell(c.After);
    EXPECT_TRUE(msgs.allAnswered());
    if (!c.Notice.isEmpty() && !msgs.shown().empty()) {
      EXPECT_EQ(msgs.shown().back().text,
                c.Notice + QDir::toNativeSeparators(printer.LastPdfFile()) + QStringLiteral("\r2 Seiten"));
      EXPECT_TRUE(QFileInfo::exists(printer.LastPdfFile()));
    }
    if (c.Taken) { EXPECT_EQ(JobsTaken(), jobs + 1); }
  }
}

}  // namespace
