#include "support/ServiceRelay.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace testsupport {

ServiceRelay::ServiceRelay(const QByteArray& service, ipp_op_t operation, Mode mode)
    : service_(service), operation_(operation), mode_(mode), address_(dir_.filePath("relay.sock").toLocal8Bit()) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::strncpy(addr.sun_path, address_.constData(), sizeof(addr.sun_path) - 1);
  listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
  if (bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) == 0 && listen(listener_, 16) == 0)
    listening_ = std::thread([this] { Listen(); });
}

ServiceRelay::~ServiceRelay() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  wentOn_.notify_all();
  if (listening_.joinable()) listening_.join();
  for (std::thread& thread : serving_) thread.join();
  close(listener_);
}

void ServiceRelay::GoOn() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    goingOn_ = true;
  }
  wentOn_.notify_all();
}

void ServiceRelay::Listen() {
  pollfd waiting{listener_, POLLIN, 0};
  while (!stop_) {
    if (poll(&waiting, 1, 50) <= 0) continue;
    if (http_t* client = httpAcceptConnection(listener_, 1)) serving_.emplace_back([this, client] { Serve(client); });
  }
}

bool ServiceRelay::MayPass(ipp_t* request) {
  if (ippGetOperation(request) != operation_) return true;
  met_ = true;
  std::unique_lock<std::mutex> lock(mutex_);
  if (mode_ == Mode::Cut && !goingOn_) return false;
  wentOn_.wait(lock, [this] { return goingOn_ || stop_; });
  return !stop_;
}

void ServiceRelay::Serve(http_t* client) {
  http_t* service = nullptr;
  char resource[HTTP_MAX_URI];
  while (!stop_) {
    if (!httpWait(client, 50)) continue;
    if (httpReadRequest(client, resource, sizeof(resource)) != HTTP_STATE_POST) break;
    http_status_t status;
    while ((status = httpUpdate(client)) == HTTP_STATUS_CONTINUE) {
    }
    if (status != HTTP_STATUS_OK) break;
    if (httpGetExpect(client) == HTTP_STATUS_CONTINUE) httpWriteResponse(client, HTTP_STATUS_CONTINUE);
    ipp_t* request = ippNew();
    ipp_t* response = nullptr;
    char data[8192];
    if (ippRead(client, request) != IPP_STATE_DATA) {
    } else if (!MayPass(request)) {
      // Taken whole, and never answered.
      while (httpRead2(client, data, sizeof(data)) > 0) {
      }
    } else {
      if (service == nullptr)
        service = httpConnect2(service_.constData(), 0, nullptr, AF_LOCAL, HTTP_ENCRYPTION_NEVER, 1, 30000, nullptr);
      ippSetState(request, IPP_STATE_IDLE);
      if (service != nullptr &&
          cupsSendRequest(service, request, resource, CUPS_LENGTH_VARIABLE) == HTTP_STATUS_CONTINUE) {
        for (ssize_t n; (n = httpRead2(client, data, sizeof(data))) > 0;)
          cupsWriteRequestData(service, data, static_cast<size_t>(n));
        response = cupsGetResponse(service, resource);
      }
    }
    ippDelete(request);
    if (response == nullptr) break;
    httpClearFields(client);
    httpSetField(client, HTTP_FIELD_CONTENT_TYPE, "application/ipp");
    httpSetLength(client, ippLength(response));
    ippSetState(response, IPP_STATE_IDLE);
    const bool answered = httpWriteResponse(client, HTTP_STATUS_OK) == 0 && ippWrite(client, response) == IPP_STATE_DATA;
    ippDelete(response);
    if (!answered) break;
  }
  if (service != nullptr) httpClose(service);
  httpClose(client);
}

}  // namespace testsupport
