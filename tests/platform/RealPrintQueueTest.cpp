// Printing through a private print service that tests/scripts/print_queue_test.sh
// starts: its queue in QUORV_TEST_CUPS_QUEUE, its process in QUORV_TEST_CUPSD_PID.
#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>

#include "platform/CupsService.h"
#include "platform/PrinterDocument.h"
#include "support/ScriptedMessages.h"

namespace {

using platform::MsgKind;

void Shell(const QString& command) {
  if (!command.isEmpty()) QProcess::execute(QStringLiteral("bash"), {QStringLiteral("-c"), command});
}

// The queue's jobs: how many there are and how many were printed, once there
// are at least atLeast and none waits or prints any more.
std::pair<int, int> Jobs(const QString& queue, int atLeast = 0) {
  std::pair<int, int> seen;
  for (int i = 0; i < 600; ++i) {
    cups_job_t* jobs = nullptr;
    const int n = std::max(cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toLocal8Bit(), 0, CUPS_WHICHJOBS_ALL), 0);
    const auto printed = std::count_if(jobs, jobs + n, [](const cups_job_t& j) { return j.state == IPP_JSTATE_COMPLETED; });
    const bool settled = std::all_of(jobs, jobs + n, [](const cups_job_t& j) { return j.state > IPP_JSTATE_STOPPED; });
    cupsFreeJobs(n, jobs);
    seen = {n, static_cast<int>(printed)};
    if (settled && n >= atLeast) break;
    QThread::msleep(50);
  }
  return seen;
}

// A service that answers gets all the time it needs; one the commands
// stopped or ended is given up soon.
std::chrono::seconds Limit(const std::string& commands) {
  return std::chrono::seconds(commands.find("kill") == std::string::npos ? 60 : 1);
}

TEST(RealPrintQueue, EachQueueThatCannotPrintSaysWhyAndGivesThePdf) {
  const QString queue = qEnvironmentVariable("QUORV_TEST_CUPS_QUEUE");
  if (queue.isEmpty()) GTEST_SKIP() << "no private print service";
  // "queue/instance", the user's own options for the queue, is asked about as the queue.
  EXPECT_TRUE(platform::cups::QueueAcceptsJobs(queue + QStringLiteral("/Kopie")));
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
    int Jobs = 0;  // made by the service (-1: it is gone afterwards)
  } cases[] = {
      {"", "", "", {}, MsgKind::Warning, {}, 1},  // printed: nothing to say
      {"cupsreject $QUORV_TEST_CUPS_QUEUE", "", "cupsaccept $QUORV_TEST_CUPS_QUEUE", refusing, MsgKind::Warning,
       saved},
      {"cupsdisable $QUORV_TEST_CUPS_QUEUE", "", "cupsenable $QUORV_TEST_CUPS_QUEUE", refusing, MsgKind::Warning,
       saved},
      {"", "cupsreject $QUORV_TEST_CUPS_QUEUE", "cupsaccept $QUORV_TEST_CUPS_QUEUE",
       printer + QStringLiteral(" hat den Ausdruck \"Zeugnis\" nicht angenommen."), MsgKind::Error, {}},
      {"kill -STOP $QUORV_TEST_CUPSD_PID", "", "kill -CONT $QUORV_TEST_CUPSD_PID",
       silent + QStringLiteral("Der Ausdruck wird als PDF-Datei gespeichert."), MsgKind::Warning, saved},
      // Stopped while the document is drawn: it is kept as PDF, and the job the
      // service takes once it goes on never prints.
      {"", "kill -STOP $QUORV_TEST_CUPSD_PID", "kill -CONT $QUORV_TEST_CUPSD_PID", {}, MsgKind::Warning,
       silent + saved, 1},
      {"kill $QUORV_TEST_CUPSD_PID; while kill -0 $QUORV_TEST_CUPSD_PID 2>/dev/null; do sleep 0.1; done", "", "", {},
       MsgKind::Warning, silent + saved, -1},
  };
  QTemporaryDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Before + std::string(c.During));
    const auto [jobs, printed] = Jobs(queue);
    Shell(QString::fromUtf8(c.Before));
    platform::PrinterDocument doc;  // nothing an earlier case left waiting counts
    doc.SetPdfFolder(dir.path() + QLatin1Char('/'));
    doc.SetServiceTimeout(Limit(c.Before));
    doc.SetChosenPrinter(queue);
    testsupport::ScriptedMessages msgs;
    if (!c.Said.isEmpty()) msgs.expect(c.Said, c.Kind, platform::MsgResult::Yes);
    if (!c.Notice.isEmpty()) msgs.expectPrefix(c.Notice, MsgKind::Information);
    doc.SetTitle(QStringLiteral("Zeugnis"));
    if (doc.BeginDoc()) {
      doc.canvas().TextOut(100, 100, QStringLiteral("Anna"));
      doc.NewPage();
      Shell(QString::fromUtf8(c.During));
      doc.SetServiceTimeout(Limit(c.Before + std::string(c.During)));
      doc.EndDoc();
    }
    Shell(QString::fromUtf8(c.After));
    EXPECT_TRUE(msgs.allAnswered());
    // Only a document that was neither refused nor kept as PDF is printed.
    if (c.Jobs >= 0) {
      EXPECT_EQ(Jobs(queue, jobs + c.Jobs).second, printed + (c.Said.isEmpty() && c.Notice.isEmpty() ? 1 : 0));
    }
    if (!c.Notice.isEmpty() && !msgs.shown().empty()) {
      EXPECT_EQ(msgs.shown().back().text, c.Notice + QDir::toNativeSeparators(doc.LastPdfFile()) + "\r2 Seiten");
    }
  }
}

}  // namespace
