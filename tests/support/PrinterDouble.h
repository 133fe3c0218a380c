#pragma once
// A print service for tests: printers that come and go, refuse jobs or leave
// the program waiting, and devices that keep their documents instead of
// printing them. It is the program's print service while it lives, and the
// program's printer waits for its answers as long as they take (a test that
// makes it hang sets the limit itself).
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/ProgramPrinter.h"
#include "platform/RecordingCanvas.h"

namespace testsupport {

// One document a printer received.
struct PrintedDocument {
  QString Printer;
  QString Title;
  int Pages = 0;
  bool Ended = false;
  QStringList Texts;  // every text drawn, in order
  std::vector<platform::RecordedOp> Ops;  // every operation drawn, in order
};

class PrinterDouble : public platform::PrintService {
 public:
  // One printer "Laser", the system's default.
  PrinterDouble();
  ~PrinterDouble() override;
  PrinterDouble(const PrinterDouble&) = delete;
  PrinterDouble& operator=(const PrinterDouble&) = delete;

  // What the service reports.
  QStringList names{QStringLiteral("Laser")};
  QString defaultName = QStringLiteral("Laser");
  QStringList refusing;     // printers that take no jobs
  QStringList deleted;      // printers listed but gone when a document begins
  bool serviceRuns = true;  // false: no service, no printers
  platform::DeviceCaps caps;
  // The list of printers, a printer's description (made with the device), or
  // a printer's state is answered only once Release() is called.
  bool slow = false;
  bool slowOpen = false;
  bool slowState = false;
  // Every question is answered this long after it was asked.
  std::chrono::milliseconds delay{0};
  void Release();
  // What becomes of each document handed over: outcomes of the documents in
  // turn, then submission for the rest.
  platform::Submission submission = platform::Submission::Printed;
  std::vector<platform::Submission> outcomes;

  int Queries() const { return queries_; }
  int StateChecks() const { return stateChecks_; }
  int Opens() const { return opens_; }
  // Questions put on the thread that made the double (the window's).
  int WindowThreadQuestions() const { return windowThreadQuestions_; }
  std::vector<PrintedDocument> documents;

  platform::PrinterList Printers() override;
  platform::PrinterState State(const QString& name) override;
  std::unique_ptr<platform::PrintDevice> OpenPrinter(const QString& name,
                                                     const platform::PrinterSettings& settings) override;

 private:
  // Counts the call and gives the answer, once released when asked slowly.
  template <typename F>
  auto Answer(std::atomic<int>& counter, bool slowly, F answer);

  platform::PrintService* previous_;
  std::chrono::milliseconds previousTimeout_;
  std::atomic<int> queries_{0};
  std::atomic<int> stateChecks_{0};
  std::atomic<int> opens_{0};
  std::atomic<int> inFlight_{0};
  std::atomic<int> windowThreadQuestions_{0};
  std::thread::id windowThread_ = std::this_thread::get_id();
  std::mutex mutex_;
  std::condition_variable released_;
  bool answer_ = false;
};

}  // namespace testsupport
