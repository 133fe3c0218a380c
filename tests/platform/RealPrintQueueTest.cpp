// Printing through a private print service that tests/scripts/print_queue_test.sh
// starts: its queue in QUORV_TEST_CUPS_QUEUE, its process in QUORV_TEST_CUPSD_PID.
#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <map>
#include <string>

#include "platform/CupsService.h"
#include "platform/PrinterDocument.h"
#include "support/ScriptedMessages.h"
#include "support/ServiceRelay.h"

namespace {

using platform::MsgKind;

void Shell(const QString& command) {
  if (!command.isEmpty()) QProcess::execute(QStringLiteral("bash"), {QStringLiteral("-c"), command});
}

// The queue's jobs: how many there are and how many were printed, once there
// are at least atLeast and none waits or prints any more.
std::pair<int, int> Jobs(const QString& queue, int atLeast = 0) {
  std::pair<int, int> seen;
  for (int i = 0; i < 100; ++i) {
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

int LastJobId() {
  cups_job_t* jobs = nullptr;
  const int n = std::max(cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL), 0);
  int id = 0;
  for (int i = 0; i < n; ++i) id = std::max(id, jobs[i].id);
  cupsFreeJobs(n, jobs);
  return id;
}

// The job's attributes as the service keeps them, once it neither waits nor
// prints any more (unless told to take them as they are).
std::map<std::string, std::string> Job(int id, bool settled = true) {
  std::map<std::string, std::string> job;
  for (int i = 0; i < 200; ++i) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, "ipp://localhost/");
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", id);
    // The owner sees the job's name.
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    job.clear();
    for (ipp_attribute_t* a = ippFirstAttribute(response); a != nullptr; a = ippNextAttribute(response)) {
      char value[1024];
      ippAttributeString(a, value, sizeof(value));
      if (ippGetName(a) != nullptr) job[ippGetName(a)] = value;
    }
    ippDelete(response);
    const std::string state = job["job-state"];
    if (!settled || (state != "pending" && state != "pending-held" && state != "processing")) break;
    QThread::msleep(50);
  }
  return job;
}

const QString kSaved = QStringLiteral("Der Ausdruck wurde als PDF-Datei gespeichert:\r");

// A service that goes silent, or whose connection breaks, after it has made
// the job: the window goes on, the teacher has the PDF and is told whether the
// report may print all the same, and the job is withdrawn once the service
// answers again.
TEST(RealPrintQueue, AJobTheServiceDidNotConfirmIsKeptAsPdfAndWithdrawn) {
  const QString queue = qEnvironmentVariable("QUORV_TEST_CUPS_QUEUE");
  if (queue.isEmpty()) GTEST_SKIP() << "no private print service";
  using Mode = testsupport::ServiceRelay::Mode;
  const QString silent = QStringLiteral("Der Druckdienst antwortet nicht.\r");
  const QString mayPrint = QStringLiteral(
      "Vielleicht wird der Ausdruck später doch noch gedruckt. Bitte prüfen Sie das, bevor Sie die PDF-Datei "
      "drucken.\r");
  const struct {
    const char* What;
    ipp_op_t Operation;
    Mode How;
    QString Reason;
  } cases[] = {
      {"document unanswered", IPP_OP_SEND_DOCUMENT, Mode::Hold, silent},
      {"connection broken at the document", IPP_OP_SEND_DOCUMENT, Mode::Cut, silent},
      {"release unanswered", IPP_OP_SET_JOB_ATTRIBUTES, Mode::Hold, silent + mayPrint},
      {"connection broken at the release", IPP_OP_SET_JOB_ATTRIBUTES, Mode::Cut, silent + mayPrint},
  };
  QTemporaryDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    const int before = LastJobId();
    testsupport::ServiceRelay relay(qgetenv("CUPS_SERVER"), c.Operation, c.How);
    platform::PrinterDocument doc;
    doc.SetPdfFolder(dir.path() + QLatin1Char('/'));
    doc.SetServiceTimeout(std::chrono::seconds(1));
    doc.SetChosenPrinter(queue);
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(c.Reason + kSaved, MsgKind::Information);
    doc.SetTitle(QStringLiteral("Zeugnis"));
    ASSERT_TRUE(doc.BeginDoc());
    doc.canvas().TextOut(100, 100, QStringLiteral("Anna"));
    // A release answered late is withdrawn before the queue would print it.
    Shell(QStringLiteral("cupsdisable $QUORV_TEST_CUPS_QUEUE"));
    cupsSetServer(relay.Address().constData());
    doc.EndDoc();
    cupsSetServer(nullptr);
    EXPECT_TRUE(msgs.allAnswered());
    EXPECT_TRUE(relay.Met());
    if (!msgs.shown().empty()) {
      EXPECT_EQ(msgs.shown().back().text.toStdString(),
                (c.Reason + kSaved + QDir::toNativeSeparators(doc.LastPdfFile()) + "\r1 Seite").toStdString());
    }
    relay.GoOn();
    const int id = LastJobId();
    EXPECT_GT(id, before);
    EXPECT_EQ(Job(id)["job-state"], "canceled");
    Shell(QStringLiteral("cupsenable $QUORV_TEST_CUPS_QUEUE"));
  }
}

// Jobs an earlier run made and left held are withdrawn the next time the
// program hands a document to the service; the user's other held jobs stay.
TEST(RealPrintQueue, HeldJobsAnEarlierRunLeftAreWithdrawn) {
  const QString queue = qEnvironmentVariable("QUORV_TEST_CUPS_QUEUE");
  if (queue.isEmpty()) GTEST_SKIP() << "no private print service";
  cups_option_t held{const_cast<char*>("job-hold-until"), const_cast<char*>("indefinite")};
  const QByteArray name = queue.toLocal8Bit();
  const int own = cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), "Brief", 1, &held);
  const int left = cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(),
                                 platform::cups::UnreleasedJobName(QStringLiteral("Zeugnis: Ben")).constData(), 1, &held);
  ASSERT_GT(own, 0);
  ASSERT_GT(left, 0);
  platform::PrinterDocument doc;
  doc.SetChosenPrinter(queue);
  doc.SetServiceTimeout(std::chrono::seconds(1));
  testsupport::ScriptedMessages msgs;
  doc.SetTitle(QStringLiteral("Zeugnis: Anna"));
  ASSERT_TRUE(doc.BeginDoc());
  doc.EndDoc();
  std::map<std::string, std::string> printed = Job(LastJobId());
  EXPECT_EQ(printed["job-state"], "completed");
  EXPECT_EQ(printed["job-name"], "Zeugnis: Anna");
  EXPECT_EQ(Job(left)["job-state"], "canceled");
  EXPECT_EQ(Job(own, false)["job-state"], "pending-held");
  cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), own, 0);
}

// The job options as the service receives them, and the capabilities that
// the canvas of a printer document reports: the printer's, not those of the
// PDF the document is drawn as.
TEST(RealPrintQueue, TheJobCarriesThePrintersSettingsAndTheCanvasItsCapabilities) {
  const QString queue = qEnvironmentVariable("QUORV_TEST_CUPS_QUEUE");
  if (queue.isEmpty()) GTEST_SKIP() << "no private print service";
  const struct {
    int Copies;
    QPrinter::DuplexMode Duplex;
    QPageLayout::Orientation Orientation;
    QPrinter::ColorMode Colour;
    bool FullPage;
    const char* Sides;
    const char* ColourMode;  // "": not asked for
    int NumColors;
  } cases[] = {
      {3, QPrinter::DuplexAuto, QPageLayout::Portrait, QPrinter::Color, false, "two-sided-long-edge", "", 256},
      {1, QPrinter::DuplexAuto, QPageLayout::Landscape, QPrinter::GrayScale, true, "two-sided-short-edge",
       "monochrome", 2},
      {2, QPrinter::DuplexShortSide, QPageLayout::Portrait, QPrinter::GrayScale, false, "two-sided-short-edge",
       "monochrome", 2},
      {1, QPrinter::DuplexLongSide, QPageLayout::Landscape, QPrinter::Color, true, "two-sided-long-edge", "", 256},
      {1, QPrinter::DuplexNone, QPageLayout::Portrait, QPrinter::Color, false, "one-sided", "", 256},
  };
  QPrinter& printer = platform::ProgramPrinter();
  printer.setPrinterName(queue);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Sides + std::string(" ") + c.ColourMode);
    printer.setCopyCount(c.Copies);
    printer.setDuplex(c.Duplex);
    printer.setPageOrientation(c.Orientation);
    printer.setColorMode(c.Colour);
    printer.setFullPage(c.FullPage);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    platform::PrinterDocument doc;
    doc.SetChosenPrinter(queue);
    doc.SetServiceTimeout(std::chrono::seconds(1));
    testsupport::ScriptedMessages msgs;
    doc.SetTitle(QStringLiteral("Zeugnis"));
    ASSERT_TRUE(doc.BeginDoc());
    const platform::Canvas& canvas = doc.canvas();
    EXPECT_EQ(canvas.GetDeviceCaps(platform::DeviceCap::NumColors), c.NumColors);
    // Ten millimetres at the printer's resolution, none in full-page mode.
    const double offset = c.FullPage ? 0 : printer.resolution() * 100 / 254.0;
    EXPECT_NEAR(canvas.GetDeviceCaps(platform::DeviceCap::PhysicalOffsetX), offset, offset / 50);
    EXPECT_NEAR(canvas.GetDeviceCaps(platform::DeviceCap::PhysicalOffsetY), offset, offset / 50);
    doc.EndDoc();
    std::map<std::string, std::string> job = Job(LastJobId());
    EXPECT_EQ(job["job-state"], "completed");
    EXPECT_EQ(job["copies"], c.Copies > 1 ? std::to_string(c.Copies) : "");  // "": one, not asked for
    EXPECT_EQ(job["sides"], c.Sides);
    EXPECT_EQ(job["print-color-mode"], c.ColourMode);
  }
}

// Last: its last case ends the service.
TEST(RealPrintQueue, EachQueueThatCannotPrintSaysWhyAndGivesThePdf) {
  const QString queue = qEnvironmentVariable("QUORV_TEST_CUPS_QUEUE");
  if (queue.isEmpty()) GTEST_SKIP() << "no private print service";
  // "queue/instance", the user's own options for the queue, is asked about as the queue.
  EXPECT_EQ(platform::cups::QueueState(queue + QStringLiteral("/Kopie")), platform::PrinterState::Accepting);
  EXPECT_EQ(platform::cups::QueueState(QStringLiteral("Fehlt")), platform::PrinterState::Gone);
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
      {"", "cupsreject $QUORV_TEST_CUPS_QUEUE", "cupsaccept $QUORV_TEST_CUPS_QUEUE", {}, MsgKind::Warning,
       printer + QStringLiteral(" hat den Ausdruck \"Zeugnis\" nicht angenommen.\r") + saved},
      {"kill -STOP $QUORV_TEST_CUPSD_PID", "", "kill -CONT $QUORV_TEST_CUPSD_PID",
       silent + QStringLiteral("Der Ausdruck wird als PDF-Datei gespeichert."), MsgKind::Warning, saved},
      // Stopped while the document is drawn: it is kept as PDF, and once the
      // service goes on no job is made for it.
      {"", "kill -STOP $QUORV_TEST_CUPSD_PID", "kill -CONT $QUORV_TEST_CUPSD_PID", {}, MsgKind::Warning,
       silent + saved, 0},
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
