// Printing through a private print service that tests/scripts/print_queue_test.sh
// starts: its queue in QUORV_TEST_CUPS_QUEUE, its process in QUORV_TEST_CUPSD_PID.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

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

int LastJobId() {
  cups_job_t* jobs = nullptr;
  const int n = std::max(cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL), 0);
  const int id = n > 0 ? std::max_element(jobs, jobs + n, [](auto& a, auto& b) { return a.id < b.id; })->id : 0;
  cupsFreeJobs(n, jobs);
  return id;
}

// The job's attributes as its owner sees them, once it neither waits nor
// prints any more (unless taken as they are).
std::map<std::string, std::string> Job(int id, bool settled = true) {
  std::map<std::string, std::string> job;
  for (int i = 0; i < 200; ++i, QThread::msleep(50)) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, "ipp://localhost/");
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", id);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    char value[1024];
    for (ipp_attribute_t* a = ippFirstAttribute(response); a != nullptr; a = ippNextAttribute(response)) {
      ippAttributeString(a, value, sizeof(value));
      if (ippGetName(a) != nullptr) job[ippGetName(a)] = value;
    }
    ippDelete(response);
    const std::string& state = job["job-state"];
    if (!settled || (state != "pending" && state != "pending-held" && state != "processing")) break;
  }
  return job;
}

// A stand-in for the print service between the program and the private one:
// it passes each request on and the answer back, except the requests of one
// operation, which it holds unanswered until it goes on, or (Cut) takes whole
// and never answers, closing the connection.
class ServiceRelay {
 public:
  enum class Mode { Hold, Cut };
  ServiceRelay(ipp_op_t operation, Mode mode) : operation_(operation), mode_(mode) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, address_.constData(), sizeof(addr.sun_path) - 1);
    bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof(addr));
    listen(listener_, 16);
    listening_ = std::thread([this] {
      for (pollfd waiting{listener_, POLLIN, 0}; !stop_;)
        if (poll(&waiting, 1, 50) > 0)
          serving_.emplace_back([this, client = httpAcceptConnection(listener_, 1)] { Serve(client); });
    });
  }
  ~ServiceRelay() {
    GoOn(true);
    listening_.join();
    for (std::thread& thread : serving_) thread.join();
    close(listener_);
  }
  const QByteArray& Address() const { return address_; }
  // Passes the held requests on, and all from now on; stopping: drops them.
  void GoOn(bool stopping = false) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      (stopping ? stop_ : goingOn_) = true;
    }
    wentOn_.notify_all();
  }

 private:
  bool MayPass(ipp_t* request) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (ippGetOperation(request) != operation_ || goingOn_) return true;
    if (mode_ == Mode::Cut) return false;
    wentOn_.wait(lock, [this] { return goingOn_ || stop_; });
    return !stop_;
  }
  void Serve(http_t* client) {
    http_t* service =
        httpConnect2(qgetenv("CUPS_SERVER"), 0, nullptr, AF_LOCAL, HTTP_ENCRYPTION_NEVER, 1, 9000, nullptr);
    char resource[HTTP_MAX_URI], data[8192];
    while (service != nullptr && !stop_) {
      if (!httpWait(client, 50)) continue;
      http_status_t status = HTTP_STATUS_CONTINUE;
      if (httpReadRequest(client, resource, sizeof(resource)) != HTTP_STATE_POST) break;
      while (status == HTTP_STATUS_CONTINUE) status = httpUpdate(client);
      if (httpGetExpect(client) == HTTP_STATUS_CONTINUE) httpWriteResponse(client, HTTP_STATUS_CONTINUE);
      ipp_t* request = ippNew();
      ipp_t* response = nullptr;
      if (status != HTTP_STATUS_OK || ippRead(client, request) != IPP_STATE_DATA) {
      } else if (!MayPass(request)) {
        while (httpRead2(client, data, sizeof(data)) > 0) {
        }
      } else if (ippSetState(request, IPP_STATE_IDLE),
                 cupsSendRequest(service, request, resource, CUPS_LENGTH_VARIABLE) == HTTP_STATUS_CONTINUE) {
        for (ssize_t n; (n = httpRead2(client, data, sizeof(data))) > 0;) cupsWriteRequestData(service, data, n);
        response = cupsGetResponse(service, resource);
      }
      ippDelete(request);
      if (response == nullptr) break;
      httpClearFields(client);
      httpSetField(client, HTTP_FIELD_CONTENT_TYPE, "application/ipp");
      httpSetLength(client, ippLength(response));
      ippSetState(response, IPP_STATE_IDLE);
      const bool answered =
          httpWriteResponse(client, HTTP_STATUS_OK) == 0 && ippWrite(client, response) == IPP_STATE_DATA;
      ippDelete(response);
      if (!answered) break;
    }
    httpClose(service);
    httpClose(client);
  }

  ipp_op_t operation_;
  Mode mode_;
  QTemporaryDir dir_;
  QByteArray address_ = dir_.filePath(QStringLiteral("relay.sock")).toLocal8Bit();
  int listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
  std::mutex mutex_;
  std::condition_variable wentOn_;
  std::atomic<bool> goingOn_{false};
  std::atomic<bool> stop_{false};
  std::vector<std::thread> serving_;
  std::thread listening_;
};

// Prints a document "Zeugnis" on the queue, waiting for the service at most
// the limit; during runs while it is open. A document kept as PDF goes into
// the folder.
void PrintOn(const QString& queue, const QString& folder, std::chrono::seconds limit,
             const std::function<void(platform::Canvas&)>& during) {
  platform::PrinterDocument doc;
  doc.SetPdfFolder(folder + QLatin1Char('/'));
  doc.SetServiceTimeout(limit);
  doc.SetChosenPrinter(queue);
  doc.SetTitle(QStringLiteral("Zeugnis"));
  ASSERT_TRUE(doc.BeginDoc());
  doc.canvas().TextOut(100, 100, QStringLiteral("Anna"));
  during(doc.canvas());
  doc.EndDoc();
}

// A service that goes silent, or whose connection breaks, after it has made
// the job: the teacher has the PDF and is told whether the report may print
// all the same, and the job is withdrawn once the service answers again.
TEST(RealPrintQueue, AJobTheServiceDidNotConfirmIsKeptAsPdfAndWithdrawn) {
  const QString queue = qEnvironmentVariable("QUORV_TEST_CUPS_QUEUE");
  if (queue.isEmpty()) GTEST_SKIP() << "no private print service";
  using Mode = ServiceRelay::Mode;
  const QString silent = QStringLiteral("Der Druckdienst antwortet nicht.\r");
  const QString mayPrint = silent + QStringLiteral(
      "Vielleicht wird der Ausdruck später doch noch gedruckt. Bitte prüfen Sie das, bevor Sie die PDF-Datei "
      "drucken.\r");
  const struct {
    ipp_op_t Operation;
    Mode How;  // Cut: taken and never answered, the connection closed
    const QString& Reason;
  } cases[] = {
      {IPP_OP_SEND_DOCUMENT, Mode::Hold, silent},
      {IPP_OP_SEND_DOCUMENT, Mode::Cut, silent},
      {IPP_OP_SET_JOB_ATTRIBUTES, Mode::Hold, mayPrint},
      {IPP_OP_SET_JOB_ATTRIBUTES, Mode::Cut, mayPrint},
  };
  QTemporaryDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(ippOpString(c.Operation) + std::string(c.How == Mode::Cut ? " cut" : " held"));
    const int before = LastJobId();
    ServiceRelay relay(c.Operation, c.How);
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(c.Reason + QStringLiteral("Der Ausdruck wurde als PDF-Datei gespeichert:\r"),
                      MsgKind::Information);
    // Long enough for the requests the relay passes on; the held one is waited for that long.
    PrintOn(queue, dir.path(), std::chrono::seconds(5), [&](platform::Canvas&) {
      // A release answered late is withdrawn before the queue would print it.
      Shell(QStringLiteral("cupsdisable $QUORV_TEST_CUPS_QUEUE"));
      cupsSetServer(relay.Address().constData());
    });
    cupsSetServer(nullptr);
    EXPECT_TRUE(msgs.allAnswered());
    relay.GoOn();
    EXPECT_GT(LastJobId(), before);
    EXPECT_EQ(Job(LastJobId())["job-state"], "canceled");
    Shell(QStringLiteral("cupsenable $QUORV_TEST_CUPS_QUEUE"));
  }
}

// The job options as the service receives them, and the capabilities the
// canvas of a printer document reports: the printer's, not those of the PDF
// the document is drawn as. Held jobs an earlier run left are withdrawn when
// the program prints; the user's other held jobs stay.
TEST(RealPrintQueue, JobsCarryThePrintersSettingsAndWithdrawWhatAnEarlierRunLeftHeld) {
  const QString queue = qEnvironmentVariable("QUORV_TEST_CUPS_QUEUE");
  if (queue.isEmpty()) GTEST_SKIP() << "no private print service";
  cups_option_t held{const_cast<char*>("job-hold-until"), const_cast<char*>("indefinite")};
  const QByteArray name = queue.toLocal8Bit();
  const int own = cupsCreateJob(CUPS_HTTP_DEFAULT, name, "Brief", 1, &held);
  const int left = cupsCreateJob(CUPS_HTTP_DEFAULT, name, platform::cups::UnreleasedJobName("Zeugnis: Ben"), 1, &held);
  const struct {
    int Copies;
    QPrinter::DuplexMode Duplex;
    QPageLayout::Orientation Orientation;
    QPrinter::ColorMode Colour;
    bool FullPage;  // from the sheet's corner: no offsets
    const char* Sides;
    const char* ColourMode;  // "": not asked for
    int NumColors;
  } cases[] = {
      {3, QPrinter::DuplexAuto, QPageLayout::Portrait, QPrinter::Color, false, "two-sided-long-edge", "", 256},
      {1, QPrinter::DuplexAuto, QPageLayout::Landscape, QPrinter::GrayScale, true, "two-sided-short-edge",
       "monochrome", 2},
      {1, QPrinter::DuplexNone, QPageLayout::Landscape, QPrinter::Color, false, "one-sided", "", 256},
  };
  QPrinter& printer = platform::ProgramPrinter();
  printer.setPrinterName(queue);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Sides);
    printer.setCopyCount(c.Copies);
    printer.setDuplex(c.Duplex);
    printer.setPageOrientation(c.Orientation);
    printer.setColorMode(c.Colour);
    printer.setFullPage(c.FullPage);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    testsupport::ScriptedMessages msgs;
    PrintOn(queue, QString(), std::chrono::seconds(60), [&](platform::Canvas& canvas) {
      EXPECT_EQ(canvas.GetDeviceCaps(platform::DeviceCap::NumColors), c.NumColors);
      const double offset = c.FullPage ? 0 : printer.resolution() * 100 / 254.0;  // 10 mm
      EXPECT_NEAR(canvas.GetDeviceCaps(platform::DeviceCap::PhysicalOffsetX), offset, offset / 50);
      EXPECT_NEAR(canvas.GetDeviceCaps(platform::DeviceCap::PhysicalOffsetY), offset, offset / 50);
    });
    std::map<std::string, std::string> job = Job(LastJobId());
    EXPECT_EQ(job["job-state"], "completed");
    EXPECT_EQ(job["job-name"], "Zeugnis");
    EXPECT_EQ(job["copies"], c.Copies > 1 ? std::to_string(c.Copies) : "");  // "": one, not asked for
    EXPECT_EQ(job["sides"], c.Sides);
    EXPECT_EQ(job["print-color-mode"], c.ColourMode);
  }
  EXPECT_EQ(Job(left)["job-state"], "canceled");
  EXPECT_EQ(Job(own, false)["job-state"], "pending-held");
  cupsCancelJob2(CUPS_HTTP_DEFAULT, name, own, 0);
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
