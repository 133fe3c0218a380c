#include "support/PrinterDouble.h"

#include <chrono>
#include <thread>

#include "platform/PrinterDocument.h"

namespace testsupport {

namespace {

class DeviceDouble : public platform::PrintDevice {
 public:
  DeviceDouble(PrinterDouble& printer, QString name, const platform::DeviceCaps& caps)
      : printer_(printer), name_(std::move(name)), canvas_(caps), caps_(caps) {}

  platform::DeviceCaps Caps() override { return caps_; }
  bool BeginDocument(const QString& title) override {
    canvas_ = platform::RecordingCanvas(caps_);
    printer_.documents.push_back(PrintedDocument{name_, title, 1, false, {}, {}});
    return true;
  }
  platform::Canvas& canvas() override { return canvas_; }
  bool NewPage() override {
    ++printer_.documents.back().Pages;
    return true;
  }
  platform::Submission EndDocument(std::chrono::milliseconds) override {
    PrintedDocument& doc = printer_.documents.back();
    for (const platform::RecordedOp& op : canvas_.opsOf(platform::CanvasOp::Text)) doc.Texts << op.Text;
    doc.Ops = canvas_.ops();
    const std::size_t n = printer_.documents.size() - 1;
    const platform::Submission outcome = n < printer_.outcomes.size() ? printer_.outcomes[n] : printer_.submission;
    doc.Ended = outcome == platform::Submission::Printed;
    return outcome;
  }

 private:
  PrinterDouble& printer_;
  QString name_;
  platform::RecordingCanvas canvas_;
  platform::DeviceCaps caps_;
};

}  // namespace

PrinterDouble::PrinterDouble()
    : previous_(platform::SetPrintService(this)), previousTimeout_(platform::Printer().ServiceTimeout()) {
  platform::Printer().SetServiceTimeout(std::chrono::minutes(1));
}

PrinterDouble::~PrinterDouble() {
  platform::SetPrintService(previous_);
  platform::Printer().SetServiceTimeout(previousTimeout_);
  Release();
  // A list still being asked for on another thread is answered first.
  while (inFlight_ > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void PrinterDouble::Release() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    answer_ = true;
  }
  released_.notify_all();
}

template <typename F>
auto PrinterDouble::Answer(std::atomic<int>& counter, bool slowly, F answer) {
  ++inFlight_;
  ++counter;
  if (std::this_thread::get_id() == windowThread_) ++windowThreadQuestions_;
  std::this_thread::sleep_for(delay);
  if (slowly) {
    // Answered at last all the same, so that a window that waits for it does not hang the test.
    std::unique_lock<std::mutex> lock(mutex_);
    released_.wait_for(lock, std::chrono::seconds(20), [this] { return answer_; });
  }
  auto result = answer();
  --inFlight_;
  return result;
}

platform::PrinterList PrinterDouble::Printers() {
  return Answer(queries_, slow, [this] {
    return serviceRuns ? platform::PrinterList{names, defaultName} : platform::PrinterList{{}, {}, false};
  });
}

platform::PrinterState PrinterDouble::State(const QString& name) {
  using platform::PrinterState;
  return Answer(stateChecks_, slowState, [&] {
    return deleted.contains(name) ? PrinterState::Gone
                                  : refusing.contains(name) ? PrinterState::Refusing : PrinterState::Accepting;
  });
}

std::unique_ptr<platform::PrintDevice> PrinterDouble::OpenPrinter(const QString& name,
                                                                  const platform::PrinterSettings&) {
  return Answer(opens_, slowOpen, [&]() -> std::unique_ptr<platform::PrintDevice> {
    return std::make_unique<DeviceDouble>(*this, name, caps);
  });
}

}  // namespace testsupport
