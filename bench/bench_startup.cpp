#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <memory>

#include "BenchApp.h"
#include "mainwindow/MainUSB.h"
#include "mainwindow/ProgramWindows.h"
#include "platform/Messages.h"
#include "platform/ui/AppSetup.h"
#include "platform/ui/StandardIcons.h"

namespace {

// Counts the messages a start shows; a start shows none.
class CountMessages : public platform::MessageService {
 public:
  int shown = 0;
  platform::MsgResult Show(const QString&, platform::MsgKind, platform::MsgButtons) override {
    ++shown;
    return platform::MsgResult::Ok;
  }
};

// The timed part, a function of its own so that profilers can single it out.
[[gnu::noinline]] std::unique_ptr<quorv::TProgramWindows> StartProgram(const QString& programPath) {
  auto windows = std::make_unique<quorv::TProgramWindows>(programPath);
  bench::ShowAndWaitForFirstPaint(windows->MainForm());
  return windows;
}

// From the application object to the main window shown and painted: every
// window the program makes at start, the settings and the catalogue they
// load, in a program folder with the shipped files.
void BM_MainWindowStartup(benchmark::State& state) {
  bench::EnsureWidgetApplication();
  static const bool setUp = [] {
    platform::SetUpApplication(*qApp);
    return true;
  }();
  (void)setUp;
  QTemporaryDir dir;
  const QString folder = dir.path() + QLatin1Char('/');
  bench::CopyShippedFiles(folder);
  CountMessages messages;
  platform::MessageService* previous = platform::SetMessageService(&messages);

  for (auto _ : state) {
    auto windows = StartProgram(folder + QStringLiteral("quorv"));
    state.PauseTiming();
    windows.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // A new start decodes its icons again.
    platform::ForgetStandardIconPictures();
    state.ResumeTiming();
  }
  platform::SetMessageService(previous);
  if (messages.shown > 0) state.SkipWithError("the start showed a message");
}
BENCHMARK(BM_MainWindowStartup)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
