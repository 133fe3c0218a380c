#pragma once
// A stand-in for the print service between the program and a real one: it
// passes each request on and the answer back, except the requests of one
// operation, which it leaves unanswered until it goes on, or takes and never
// answers, closing their connection.
#include <cups/cups.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace testsupport {

class ServiceRelay {
 public:
  enum class Mode { Hold, Cut };
  // Between the program and the service at the socket path.
  ServiceRelay(const QByteArray& service, ipp_op_t operation, Mode mode);
  ~ServiceRelay();
  ServiceRelay(const ServiceRelay&) = delete;
  ServiceRelay& operator=(const ServiceRelay&) = delete;

  // The relay's socket, for cupsSetServer.
  const QByteArray& Address() const { return address_; }
  // Whether a request of the operation came.
  bool Met() const { return met_; }
  // Passes the held requests on, and every request from now on.
  void GoOn();

 private:
  void Listen();
  void Serve(http_t* client);
  // Waits as the request's operation asks; false: it is not passed on.
  bool MayPass(ipp_t* request);

  QByteArray service_;
  ipp_op_t operation_;
  Mode mode_;
  QTemporaryDir dir_;
  QByteArray address_;
  int listener_ = -1;
  std::atomic<bool> met_{false};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable wentOn_;
  bool goingOn_ = false;
  std::vector<std::thread> serving_;
  std::thread listening_;
};

}  // namespace testsupport
