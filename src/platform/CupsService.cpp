#include "platform/CupsService.h"

#include <cups/cups.h>

#include <QStringList>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

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

http_t* Connect() {
  return httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectTimeoutMs, nullptr);
}

bool Succeeded(ipp_status_t status) { return status < IPP_STATUS_REDIRECTION_OTHER_SITE; }

// Why the last request failed: the service said no, or it could not be reached.
Submission Failure(http_t* http) {
  return cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || httpError(http) != 0 ? Submission::NoAnswer
                                                                                          : Submission::Refused;
}

// The thread that sends a job waits as long as the service takes; only the
// caller waits no longer than its limit.
int KeepWaiting(http_t*, void*) { return 1; }

// Gives a held job the hold the user asked for: "no-hold" prints it now.
bool ReleaseJob(http_t* http, int id, const char* hold) {
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", ippPort(), "/jobs/%d", id);
  ipp_t* request = ippNewRequest(IPP_OP_SET_JOB_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  cups_option_t option{const_cast<char*>("job-hold-until"), const_cast<char*>(hold)};
  cupsEncodeOptions2(request, 1, &option, IPP_TAG_JOB);
  ippDelete(cupsDoRequest(http, request, "/jobs/"));
  return Succeeded(cupsLastError());
}

// What the caller and the thread that sends its job agree on. The job is
// released only when the caller has not left; once it is being released the
// caller counts it as printed.
struct Handover {
  std::mutex Mutex;
  std::condition_variable Finished;
  bool CallerLeft = false;
  bool Releasing = false;
  bool Done = false;
  Submission Result = Submission::NoAnswer;
};

void SendJob(const JobDocument& document, Handover& handover) {
  const QueueName name = SplitPrinterName(document.Printer);
  const QByteArray title = document.Title.toUtf8();
  Submission result = Submission::NoAnswer;
  int id = 0;
  http_t* http = Connect();
  if (http != nullptr) {
    httpSetTimeout(http, 30.0, KeepWaiting, nullptr);
    cups_option_t* options = nullptr;
    int count = 0;
    for (const auto& [option, value] : document.Options)
      count = cupsAddOption(option.constData(), value.constData(), count, &options);
    const char* asked = cupsGetOption("job-hold-until", count, options);
    const QByteArray hold = asked != nullptr ? QByteArray(asked) : QByteArray("no-hold");
    count = cupsAddOption("job-hold-until", "indefinite", count, &options);
    id = cupsCreateJob(http, name.Queue.constData(), title.constData(), count, options);
    cupsFreeOptions(count, options);
    const bool sent =
        id > 0 &&
        cupsStartDocument(http, name.Queue.constData(), id, title.constData(), CUPS_FORMAT_PDF, 1) ==
            HTTP_STATUS_CONTINUE &&
        cupsWriteRequestData(http, document.Pdf.constData(), static_cast<size_t>(document.Pdf.size())) ==
            HTTP_STATUS_CONTINUE &&
        Succeeded(cupsFinishDocument(http, name.Queue.constData()));
    bool release = false;
    if (sent) {
      std::lock_guard<std::mutex> lock(handover.Mutex);
      release = handover.Releasing = !handover.CallerLeft;
    } else {
      result = Failure(http);
    }
    if (release) result = ReleaseJob(http, id, hold.constData()) ? Submission::Printed : Failure(http);
  }
  bool withdraw = false;
  {
    std::lock_guard<std::mutex> lock(handover.Mutex);
    // A job that is not to print is cancelled, except one the caller has
    // already counted as printed: that one stays held for the administrator.
    withdraw = id > 0 && result != Submission::Printed && !(handover.Releasing && handover.CallerLeft);
    handover.Result = result;
    handover.Done = true;
  }
  handover.Finished.notify_all();
  if (withdraw) cupsCancelJob2(http, name.Queue.constData(), id, 0);
  if (http != nullptr) httpClose(http);
}

}  // namespace

bool ServiceRuns() {
  http_t* http = Connect();
  if (http == nullptr) return false;
  httpClose(http);
  return true;
}

bool QueueAcceptsJobs(const QString& name) {
  const QueueName queue = SplitPrinterName(name);
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.Queue.constData(),
                                       queue.Instance.isEmpty() ? nullptr : queue.Instance.constData());
  if (dest == nullptr) return false;
  const bool accepts = std::strcmp(Option(*dest, "printer-is-accepting-jobs"), "false") != 0 &&
                       std::atoi(Option(*dest, "printer-state")) != IPP_PSTATE_STOPPED;
  cupsFreeDests(1, dest);
  return accepts;
}

Submission SubmitDocument(JobDocument document, std::chrono::milliseconds limit) {
  auto handover = std::make_shared<Handover>();
  std::thread([handover, document = std::move(document)] { SendJob(document, *handover); }).detach();
  std::unique_lock<std::mutex> lock(handover->Mutex);
  handover->Finished.wait_for(lock, limit, [&] { return handover->Done; });
  handover->CallerLeft = true;
  if (handover->Done) return handover->Result;
  return handover->Releasing ? Submission::Printed : Submission::NoAnswer;
}

}  // namespace platform::cups
