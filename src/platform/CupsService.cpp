#include "platform/CupsService.h"

#include <cups/cups.h>

#include <QByteArray>
#include <QStringList>
#include <cstdlib>
#include <cstring>

namespace platform::cups {

namespace {

constexpr int kConnectTimeoutMs = 3000;

const char* Option(const cups_dest_t& dest, const char* name) {
  const char* value = cupsGetOption(name, dest.num_options, dest.options);
  return value != nullptr ? value : "";
}

}  // namespace

bool ServiceRuns() {
  http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              kConnectTimeoutMs, nullptr);
  if (http == nullptr) return false;
  httpClose(http);
  return true;
}

bool QueueAcceptsJobs(const QString& name) {
  const qsizetype slash = name.indexOf(QLatin1Char('/'));
  const QByteArray queue = name.left(slash).toLocal8Bit();
  const QByteArray instance = slash < 0 ? QByteArray() : name.mid(slash + 1).toLocal8Bit();
  cups_dest_t* dest =
      cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), instance.isEmpty() ? nullptr : instance.constData());
  if (dest == nullptr) return false;
  const bool accepts = std::strcmp(Option(*dest, "printer-is-accepting-jobs"), "false") != 0 &&
                       std::atoi(Option(*dest, "printer-state")) != IPP_PSTATE_STOPPED;
  cupsFreeDests(1, dest);
  return accepts;
}

bool LastSubmissionTaken() { return cupsLastError() < IPP_STATUS_REDIRECTION_OTHER_SITE; }

}  // namespace platform::cups
