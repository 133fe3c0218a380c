// Printing through a private print service that tests/scripts/print_queue_test.sh
// starts: its queue in QUORV_TEST_CUPS_QUEUE, its process in QUORV_TEST_CUPSD_PID.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
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
// kind (an IPP operation, or kGet: a plain GET such as a printer's
// description), which it holds unanswered until it goes on (Hold), takes whole
// and never answers, closing the connection (Cut), or answers itself with an
// HTTP status (Http) or an IPP status (Ipp). Late passes every request on
// that many milliseconds late; ClockAhead puts the service's clock that many
// seconds ahead in its list of jobs.
class ServiceRelay {
 public:
  static constexpr ipp_op_t kGet = IPP_OP_CUPS_NONE;
  enum class Mode { Hold, Cut, Http, Ipp, Late, ClockAhead };
  ServiceRelay(ipp_op_t operation, Mode mode, int value = 0)
      : operation_(operation), mode_(mode), value_(value), upstream_(qgetenv("CUPS_SERVER")) {
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
  // False: the request goes no further.
  bool MayPass(ipp_op_t operation) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (mode_ == Mode::Late) return !wentOn_.wait_for(lock, std::chrono::milliseconds(value_), [this] { return stop_.load(); });
    if (operation != operation_ || goingOn_ || mode_ == Mode::ClockAhead) return true;
    if (mode_ != Mode::Hold) return false;
    wentOn_.wait(lock, [this] { return goingOn_ || stop_; });
    return !stop_;
  }
  // An answer with a body: a length of 0 would announce one in chunks.
  static void Respond(http_t* client, http_status_t status, QByteArray body, const char* type) {
    if (body.isEmpty()) body = httpStatus(status);
    httpClearFields(client);
    httpSetField(client, HTTP_FIELD_CONTENT_TYPE, type);
    httpSetLength(client, static_cast<size_t>(body.size()));
    if (httpWriteResponse(client, status) == 0) httpWrite2(client, body.constData(), static_cast<size_t>(body.size()));
  }
  static void Drain(http_t* http) {
    char data[8192];
    while (httpRead2(http, data, sizeof(data)) > 0) {
    }
  }
  // A GET passed on to the service, its answer back; false: the connection ends.
  bool ServeGet(http_t* client, http_t* service, const char* resource) {
    if (!MayPass(kGet)) return false;
    httpClearFields(service);
    if (httpGet(service, resource) != 0) return false;
    http_status_t status = HTTP_STATUS_CONTINUE;
    while (status == HTTP_STATUS_CONTINUE) status = httpUpdate(service);
    QByteArray body;
    char data[8192];
    for (ssize_t n; (n = httpRead2(service, data, sizeof(data))) > 0;) body.append(data, n);
    Respond(client, status, body, "text/plain");
    return true;
  }
  void Serve(http_t* client) {
    http_t* service = httpConnect2(upstream_, 0, nullptr, AF_LOCAL, HTTP_ENCRYPTION_NEVER, 1, 9000, nullptr);
    char resource[HTTP_MAX_URI], data[8192];
    while (service != nullptr && !stop_) {
      if (!httpWait(client, 50)) continue;
      http_status_t status = HTTP_STATUS_CONTINUE;
      const http_state_t method = httpReadRequest(client, resource, sizeof(resource));
      if (method != HTTP_STATE_POST && method != HTTP_STATE_GET) break;
      while (status == HTTP_STATUS_CONTINUE) status = httpUpdate(client);
      if (method == HTTP_STATE_GET) {
        if (status != HTTP_STATUS_OK || !ServeGet(client, service, resource)) break;
        continue;
      }
      if (httpGetExpect(client) == HTTP_STATUS_CONTINUE) httpWriteResponse(client, HTTP_STATUS_CONTINUE);
      ipp_t* request = ippNew();
      ipp_t* response = nullptr;
      const bool read = status == HTTP_STATUS_OK && ippRead(client, request) == IPP_STATE_DATA;
      const bool own = read && ippGetOperation(request) == operation_;
      if (!read) {
      } else if (own && mode_ == Mode::Http) {
        Drain(client);
        Respond(client, static_cast<http_status_t>(value_), {}, "text/plain");
        ippDelete(request);
        continue;
      } else if (own && mode_ == Mode::Ipp) {
        Drain(client);
        response = ippNewResponse(request);
        ippSetStatusCode(response, static_cast<ipp_status_t>(value_));
      } else if (!MayPass(ippGetOperation(request))) {
        Drain(client);
      } else if (ippSetState(request, IPP_STATE_IDLE),
                 cupsSendRequest(service, request, resource, CUPS_LENGTH_VARIABLE) == HTTP_STATUS_CONTINUE) {
        for (ssize_t n; (n = httpRead2(client, data, sizeof(data))) > 0;) cupsWriteRequestData(service, data, n);
        response = cupsGetResponse(service, resource);
        if (own && mode_ == Mode::ClockAhead) MoveClock(response);
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
  void MoveClock(ipp_t* response) const {
    for (ipp_attribute_t* a = ippFirstAttribute(response); a != nullptr; a = ippNextAttribute(response))
      if (ippGetName(a) != nullptr && std::strcmp(ippGetName(a), "job-printer-up-time") == 0)
        ippSetInteger(response, &a, 0, ippGetInteger(a, 0) + value_);
  }

  ipp_op_t operation_;
  Mode mode_;
  int value_;
  QByteArray upstream_;  // the private service
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

// The service every thread of the program talks to, while it lives: also the
// threads that ask on the window's behalf, which take it from the environment.
class ServiceFor {
 public:
  explicit ServiceFor(const QByteArray& address) : before_(qgetenv("CUPS_SERVER")) {
    qputenv("CUPS_SERVER", address);
    cupsSetServer(address.constData());
  }
  ~ServiceFor() {
    qputenv("CUPS_SERVER", before_);
    cupsSetServer(nullptr);
  }
  ServiceFor(const ServiceFor&) = delete;
  ServiceFor& operator=(const ServiceFor&) = delete;

 private:
  QByteArray before_;
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

// What the service does with a document once it has made its job: a service
// that goes silent, or whose connection breaks, leaves the teacher with the PDF
// and the word whether the report may print all the same; an HTTP refusal is
// a refusal, a busy service no answer. A job made for a window that has gone
// on is withdrawn once the service answers, and released only when the
// release had been sent.
TEST(RealPrintQueue, WhatTheServiceDidNotTakeIsKeptAsPdfAndItsJobWithdrawn) {
  const QString queue = qEnvironmentVariable("QUORV_TEST_CUPS_QUEUE");
  if (queue.isEmpty()) GTEST_SKIP() << "no private print service";
  using Mode = ServiceRelay::Mode;
  const QString silent = QStringLiteral("Der Druckdienst antwortet nicht.\r");
  const QString mayPrint = silent + QStringLiteral(
      "Vielleicht wird der Ausdruck später doch noch gedruckt. Bitte prüfen Sie das, bevor Sie die PDF-Datei "
      "drucken.\r");
  const QString refused =
      QStringLiteral("Der Drucker \"") + queue + QStringLiteral("\" hat den Ausdruck \"Zeugnis\" nicht angenommen.\r");
  const struct {
    ipp_op_t Operation;
    Mode How;    // Cut: taken and never answered, the connection closed
    int Status;  // the answer of Http and Ipp
    const QString& Reason;
    bool Released;  // the job got its title
  } cases[] = {
      {IPP_OP_SEND_DOCUMENT, Mode::Hold, 0, silent, false},
      {IPP_OP_SEND_DOCUMENT, Mode::Cut, 0, silent, false},
      {IPP_OP_SEND_DOCUMENT, Mode::Http, HTTP_STATUS_FORBIDDEN, refused, false},
      {IPP_OP_SEND_DOCUMENT, Mode::Http, HTTP_STATUS_SERVICE_UNAVAILABLE, silent, false},
      {IPP_OP_SEND_DOCUMENT, Mode::Ipp, IPP_STATUS_ERROR_SERVICE_UNAVAILABLE, silent, false},
      {IPP_OP_SET_JOB_ATTRIBUTES, Mode::Hold, 0, mayPrint, true},
      {IPP_OP_SET_JOB_ATTRIBUTES, Mode::Cut, 0, mayPrint, false},
  };
  QTemporaryDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(ippOpString(c.Operation)) + " mode " + std::to_string(static_cast<int>(c.How)) + " " +
                 std::to_string(c.Status));
    const int before = LastJobId();
    ServiceRelay relay(c.Operation, c.How, c.Status);
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(c.Reason + QStringLiteral("Der Ausdruck wurde als PDF-Datei gespeichert:\r"),
                      MsgKind::Warning);
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
    std::map<std::string, std::string> job = Job(LastJobId());
    EXPECT_EQ(job["job-state"], "canceled");
    EXPECT_EQ(job["job-name"], c.Released ? "Zeugnis" : platform::cups::UnreleasedJobName("Zeugnis").toStdString());
    Shell(QStringLiteral("cupsenable $QUORV_TEST_CUPS_QUEUE"));
  }
}

// The job options as the service receives them, and the capabilities the
// canvas of a printer document reports: the printer's, not those of the PDF
// the document is drawn as.
TEST(RealPrintQueue, JobsCarryThePrintersSettings) {
  const QString queue = qEnvironmentVariable("QUORV_TEST_CUPS_QUEUE");
  if (queue.isEmpty()) GTEST_SKIP() << "no private print service";
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
  printer.setCopyCount(1);
}

// Before each job the user's held jobs under the program's mark are withdrawn
// when no copy of the program can still be handing them over: by the
// service's clock older than a sending thread keeps trying. A job that
// another window is handing over just now stays, as do the user's other held jobs.
TEST(RealPrintQueue, HeldJobsAreWithdrawnOnlyWhenNoCopyCanStillSendThem) {
  const QString queue = qEnvironmentVariable("QUORV_TEST_CUPS_QUEUE");
  if (queue.isEmpty()) GTEST_SKIP() << "no private print service";
  cups_option_t held{const_cast<char*>("job-hold-until"), const_cast<char*>("indefinite")};
  const QByteArray name = queue.toLocal8Bit();
  const struct {
    int ClockAhead;  // seconds
    const char* Marked;  // its state after the print
  } cases[] = {
      {0, "pending-held"},
      {9 * 60, "pending-held"},
      {12 * 60, "canceled"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ClockAhead);
    const int own = cupsCreateJob(CUPS_HTTP_DEFAULT, name, "Brief", 1, &held);
    const int marked =
        cupsCreateJob(CUPS_HTTP_DEFAULT, name, platform::cups::UnreleasedJobName("Zeugnis: Ben"), 1, &held);
    ServiceRelay relay(IPP_OP_GET_JOBS, ServiceRelay::Mode::ClockAhead, c.ClockAhead);
    testsupport::ScriptedMessages msgs;
    PrintOn(queue, QString(), std::chrono::seconds(60),
            [&](platform::Canvas&) { cupsSetServer(relay.Address().constData()); });
    cupsSetServer(nullptr);
    EXPECT_EQ(Job(LastJobId())["job-state"], "completed");
    EXPECT_EQ(Job(marked, false)["job-state"], c.Marked);
    EXPECT_EQ(Job(own, false)["job-state"], "pending-held");
    cupsCancelJob2(CUPS_HTTP_DEFAULT, name, own, 0);
    cupsCancelJob2(CUPS_HTTP_DEFAULT, name, marked, 0);
  }
}

// The first print after the start, with no printer picked in printer set-up,
// makes the printer of the system's default queue, which reads its
// description from the service: a service that never sends it, or that is
// slow in every answer, keeps the window no longer than the limit for the
// whole print, and the teacher gets the PDF with the word why.
TEST(RealPrintQueue, TheWindowWaitsForTheServiceNoLongerThanTheLimitInAll) {
  const QString queue = qEnvironmentVariable("QUORV_TEST_CUPS_QUEUE");
  if (queue.isEmpty()) GTEST_SKIP() << "no private print service";
  using Mode = ServiceRelay::Mode;
  const struct {
    const char* What;
    Mode How;
    int Late;  // ms
  } cases[] = {
      {"the description never sent", Mode::Hold, 0},
      {"every answer 2 s late", Mode::Late, 2000},
  };
  QTemporaryDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    const int jobs = Jobs(queue).first;
    ServiceRelay relay(ServiceRelay::kGet, c.How, c.Late);
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(
        QStringLiteral("Der Druckdienst antwortet nicht.\rDer Ausdruck wurde als PDF-Datei gespeichert:\r"),
        MsgKind::Warning);
    {
      ServiceFor through(relay.Address());
      platform::PrinterDocument doc;
      doc.SetPdfFolder(dir.path() + QLatin1Char('/'));
      doc.SetServiceTimeout(std::chrono::seconds(4));
      doc.SetTitle(QStringLiteral("Zeugnis"));
      ASSERT_TRUE(doc.BeginDoc());
      doc.canvas().TextOut(100, 100, QStringLiteral("Anna"));
      doc.EndDoc();
      EXPECT_TRUE(QFileInfo::exists(doc.LastPdfFile()));
    }
    EXPECT_TRUE(msgs.allAnswered());
    relay.GoOn();
    EXPECT_EQ(Jobs(queue).first, jobs);
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
    QString Asked;  // "": no question before the PDF notice
    QString Notice;  // "": no PDF
    MsgKind Kind;    // of the notice
    int Jobs = 0;  // made by the service (-1: it is gone afterwards)
  } cases[] = {
      {"", "", "", {}, {}, MsgKind::Warning, 1},  // printed: nothing to say
      {"cupsreject $QUORV_TEST_CUPS_QUEUE", "", "cupsaccept $QUORV_TEST_CUPS_QUEUE", refusing, saved,
       MsgKind::Information},
      {"cupsdisable $QUORV_TEST_CUPS_QUEUE", "", "cupsenable $QUORV_TEST_CUPS_QUEUE", refusing, saved,
       MsgKind::Information},
      {"", "cupsreject $QUORV_TEST_CUPS_QUEUE", "cupsaccept $QUORV_TEST_CUPS_QUEUE", {},
       printer + QStringLiteral(" hat den Ausdruck \"Zeugnis\" nicht angenommen.\r") + saved, MsgKind::Warning},
      {"kill -STOP $QUORV_TEST_CUPSD_PID", "", "kill -CONT $QUORV_TEST_CUPSD_PID", {}, silent + saved,
       MsgKind::Warning},
      // Stopped while the document is drawn: it is kept as PDF, and once the
      // service goes on no job is made for it.
      {"", "kill -STOP $QUORV_TEST_CUPSD_PID", "kill -CONT $QUORV_TEST_CUPSD_PID", {}, silent + saved,
       MsgKind::Warning, 0},
      {"kill $QUORV_TEST_CUPSD_PID; while kill -0 $QUORV_TEST_CUPSD_PID 2>/dev/null; do sleep 0.1; done", "", "", {},
       silent + saved, MsgKind::Information, -1},
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
    if (!c.Asked.isEmpty()) msgs.expect(c.Asked, MsgKind::Warning, platform::MsgResult::Yes);
    if (!c.Notice.isEmpty()) msgs.expectPrefix(c.Notice, c.Kind);
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
      EXPECT_EQ(Jobs(queue, jobs + c.Jobs).second, printed + (c.Notice.isEmpty() ? 1 : 0));
    }
    if (!c.Notice.isEmpty() && !msgs.shown().empty()) {
      EXPECT_EQ(msgs.shown().back().text, c.Notice + QDir::toNativeSeparators(doc.LastPdfFile()) + "\r2 Seiten");
    }
  }
}

}  // namespace
