#include "platform/CupsService.h"

#include <cups/cups.h>

#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/ServiceQuestion.h"

namespace platform::cups {

namespace {

constexpr int kConnectTimeoutMs = 3000;

const char* Option(const cups_dest_t& dest, const char* name) {
  const char* value = cupsGetOption(name, dest.num_options, dest.options);
  return value != nullptr ? value : "";
}

// "name/instance": the service knows the queue "name"; the instance is the
// user's own set of options for it.
struct QueueName {
  QByteArray Queue;
  QByteArray Instance;
};
QueueName SplitPrinterName(const QString& name) {
  const qsizetype slash = name.indexOf(QLatin1Char('/'));
  return {name.left(slash).toLocal8Bit(), slash < 0 ? QByteArray() : name.mid(slash + 1).toLocal8Bit()};
}

using Clock = std::chrono::steady_clock;

// The thread that sends a job waits for the service this long at most, and
// tries to withdraw a job nobody waits for any more until then.
constexpr auto kServiceBound = std::chrono::minutes(10);
constexpr auto kRetryPause = std::chrono::seconds(1);
constexpr char kUnreleased[] = "Quorv, nicht freigegeben: ";

// Keeps waiting for the service until the deadline the data points at.
int WaitUntil(http_t*, void* deadline) { return Clock::now() < *static_cast<const Clock::time_point*>(deadline); }

http_t* Connect(const Clock::time_point* deadline = nullptr) {
  http_t* http =
      httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectTimeoutMs, nullptr);
  if (http != nullptr && deadline != nullptr)
    httpSetTimeout(http, 1.0, WaitUntil, const_cast<Clock::time_point*>(deadline));
  return http;
}

// The service this thread talks to, port included, for another thread to talk to.
QByteArray ThisThreadsServer() {
  QByteArray server(cupsServer());
  if (!server.startsWith('/')) server += ':' + QByteArray::number(ippPort());
  return server;
}

// How the service took a request: a busy service and a broken connection give
// no answer.
enum class Answer { Yes, No, None };

// The answer in the response, which is consumed (nullptr: none came, or the
// service refused by its HTTP status). Only a response counts: after a broken
// connection libcups may still report the success of an earlier request.
Answer Reply(http_t* http, ipp_t* response, int* jobId = nullptr) {
  if (response == nullptr) {
    const http_status_t status = httpGetStatus(http);
    return status >= HTTP_STATUS_BAD_REQUEST && status != HTTP_STATUS_SERVICE_UNAVAILABLE ? Answer::No
                                                                                            : Answer::None;
  }
  const ipp_status_t status = ippGetStatusCode(response);
  if (jobId != nullptr) *jobId = ippGetInteger(ippFindAttribute(response, "job-id", IPP_TAG_INTEGER), 0);
  ippDelete(response);
  if (status < IPP_STATUS_REDIRECTION_OTHER_SITE) return Answer::Yes;
  return status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE ? Answer::None : Answer::No;
}

Submission Failure(Answer answer) { return answer == Answer::None ? Submission::NoAnswer : Submission::Refused; }

// A request about one job.
ipp_t* JobRequest(ipp_op_t operation, int id) {
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", ippPort(), "/jobs/%d", id);
  ipp_t* request = ippNewRequest(operation);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  return request;
}

Answer Send(http_t* http, ipp_t* request) { return Reply(http, cupsDoRequest(http, request, "/jobs/")); }

// Creates the job on the queue, held, with the job options; its id (0: none).
int CreateJob(http_t* http, const QByteArray& queue, const QByteArray& jobName, int count, cups_option_t* options,
              Answer& answer) {
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                   queue.constData());
  ipp_t* request = ippNewRequest(IPP_OP_CREATE_JOB);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, jobName.constData());
  cupsEncodeOptions2(request, count, options, IPP_TAG_OPERATION);
  cupsEncodeOptions2(request, count, options, IPP_TAG_JOB);
  int id = 0;
  answer = Reply(http, cupsDoRequest(http, request, ("/printers/" + queue).constData()), &id);
  return answer == Answer::Yes ? id : 0;
}

// Sends the job's one document.
Answer SendDocument(http_t* http, const QByteArray& queue, int id, const QByteArray& title, const QByteArray& pdf) {
  if (cupsStartDocument(http, queue.constData(), id, title.constData(), CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE ||
      cupsWriteRequestData(http, pdf.constData(), static_cast<size_t>(pdf.size())) != HTTP_STATUS_CONTINUE)
    return Reply(http, nullptr);
  return Reply(http, cupsGetResponse(http, ("/printers/" + queue).constData()));
}

// Releases the held job under its title with the hold the user asked for
// ("no-hold" prints it now). A release the service did not answer may have
// reached it all the same.
Submission ReleaseJob(http_t* http, int id, const char* hold, const QByteArray& title) {
  ipp_t* request = JobRequest(IPP_OP_SET_JOB_ATTRIBUTES, id);
  ippAddString(request, IPP_TAG_JOB, IPP_TAG_NAME, "job-name", nullptr, title.constData());
  cups_option_t option{const_cast<char*>("job-hold-until"), const_cast<char*>(hold)};
  cupsEncodeOptions2(request, 1, &option, IPP_TAG_JOB);
  switch (Send(http, request)) {
    case Answer::Yes:
      return Submission::Printed;
    case Answer::No:
      return Submission::Refused;
    default:
      return Submission::Unconfirmed;
  }
}

// Cancels the job, on a new connection when the old one fails, until the
// service answers or the deadline has passed.
void WithdrawJob(http_t*& http, int id, const Clock::time_point& deadline) {
  for (;;) {
    if (http != nullptr) {
      if (Send(http, JobRequest(IPP_OP_CANCEL_JOB, id)) != Answer::None) return;
      httpClose(http);
    }
    if (Clock::now() >= deadline) {
      http = nullptr;
      return;
    }
    std::this_thread::sleep_for(kRetryPause);
    http = Connect(&deadline);
  }
}

// A job that a sending thread has given up for good: created longer ago than
// such a thread keeps trying, by the service's own clock, and still held.
constexpr auto kLeftBehindAge = kServiceBound + std::chrono::minutes(1);

// Withdraws the user's jobs that a run of the program created and left held
// under its mark. Jobs that another window or another computer of the same
// user is still handing over are young and stay.
void WithdrawLeftBehindJobs(http_t* http, ServiceQuestion<Submission>::Asked& asked) {
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOBS);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, "ipp://localhost/");
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  ippAddBoolean(request, IPP_TAG_OPERATION, "my-jobs", 1);
  static const char* const kAttributes[] = {"job-id", "job-state", "job-name", "job-originating-user-name",
                                            "time-at-creation", "job-printer-up-time"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", std::size(kAttributes),
                nullptr, kAttributes);
  ipp_t* response = cupsDoRequest(http, request, "/");
  std::vector<int> leftBehind;
  for (ipp_attribute_t* a = ippFirstAttribute(response); a != nullptr; a = ippNextAttribute(response)) {
    HeldJob job;
    for (; a != nullptr && ippGetGroupTag(a) == IPP_TAG_JOB; a = ippNextAttribute(response)) {
      const std::string_view name = ippGetName(a) != nullptr ? ippGetName(a) : "";
      if (name == "job-id") job.Id = ippGetInteger(a, 0);
      if (name == "job-state") job.Held = ippGetInteger(a, 0) == IPP_JSTATE_HELD;
      if (name == "job-name") job.Name = ippGetString(a, 0, nullptr);
      if (name == "job-originating-user-name") job.User = ippGetString(a, 0, nullptr);
      if (name == "time-at-creation") job.Created = ippGetInteger(a, 0);
      if (name == "job-printer-up-time") job.ServiceNow = ippGetInteger(a, 0);
    }
    if (job.Id > 0 && LeftBehind(job, cupsUser())) leftBehind.push_back(job.Id);
    if (a == nullptr) break;
  }
  ippDelete(response);
  for (const int id : leftBehind) {
    if (!asked.Awaited()) return;
    Send(http, JobRequest(IPP_OP_CANCEL_JOB, id));
  }
}

// Creates the job held, sends its document and releases it while the window
// waits, and answers the window's question with what became of it. A job not
// counted as printed is withdrawn.
void SendJob(const JobDocument& document, ServiceQuestion<Submission>::Asked& asked) {
  const Clock::time_point deadline = Clock::now() + kServiceBound;
  http_t* http = Connect(&deadline);
  if (http == nullptr) {
    asked.Answer(Submission::NoAnswer);
    return;
  }
  WithdrawLeftBehindJobs(http, asked);
  const QueueName name = SplitPrinterName(document.Printer);
  const QByteArray title = document.Title.toUtf8();
  cups_option_t* options = nullptr;
  int count = 0;
  for (const auto& [option, value] : document.Options)
    count = cupsAddOption(option.constData(), value.constData(), count, &options);
  const char* userHold = cupsGetOption("job-hold-until", count, options);
  const QByteArray hold = userHold != nullptr ? QByteArray(userHold) : QByteArray("no-hold");
  count = cupsAddOption("job-hold-until", "indefinite", count, &options);
  // Nothing is created for a window that has gone on.
  Answer answer = Answer::None;
  const int id = asked.Awaited()
                     ? CreateJob(http, name.Queue, UnreleasedJobName(document.Title), count, options, answer)
                     : 0;
  cupsFreeOptions(count, options);
  Submission result = Submission::NoAnswer;
  if (id <= 0) {
    result = Failure(answer);
  } else if ((answer = SendDocument(http, name.Queue, id, title, document.Pdf)) != Answer::Yes) {
    result = Failure(answer);
  } else if (asked.SetMeanwhile(Submission::Unconfirmed)) {
    result = ReleaseJob(http, id, hold.constData(), title);
  }
  const bool counted = asked.Answer(result) && result == Submission::Printed;
  if (id > 0 && !counted) WithdrawJob(http, id, deadline);
  if (http != nullptr) httpClose(http);
}

}  // namespace

QByteArray UnreleasedJobName(const QString& title) { return kUnreleased + title.toUtf8(); }

bool LeftBehind(const HeldJob& job, const QByteArray& user) {
  return job.Held && job.User == user && job.Name.startsWith(kUnreleased) &&
         std::chrono::seconds(job.ServiceNow - job.Created) > kLeftBehindAge;
}

bool ServiceRuns() {
  http_t* http = Connect();
  if (http == nullptr) return false;
  httpClose(http);
  return true;
}

PrinterState QueueState(const QString& name) {
  const QueueName queue = SplitPrinterName(name);
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.Queue.constData(),
                                       queue.Instance.isEmpty() ? nullptr : queue.Instance.constData());
  if (dest == nullptr)
    return cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ? PrinterState::Gone : PrinterState::Refusing;
  const bool accepts = std::strcmp(Option(*dest, "printer-is-accepting-jobs"), "false") != 0 &&
                       std::atoi(Option(*dest, "printer-state")) != IPP_PSTATE_STOPPED;
  cupsFreeDests(1, dest);
  return accepts ? PrinterState::Accepting : PrinterState::Refusing;
}

Submission SubmitDocument(JobDocument document, std::chrono::milliseconds limit) {
  auto question = ServiceQuestion<Submission>::Put(
      [document = std::move(document), server = ThisThreadsServer()](ServiceQuestion<Submission>::Asked& asked) {
        cupsSetServer(server.constData());
        SendJob(document, asked);
      });
  return question.AnswerBy(DeadlineIn(limit)).value_or(Submission::NoAnswer);
}

}  // namespace platform::cups
