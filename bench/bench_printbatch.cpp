#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <memory>

#include "BenchApp.h"
#include "BenchClass.h"
#include "layouts/PrintJob.h"
#include "mainwindow/MainPrintCommands.h"
#include "platform/Messages.h"
#include "platform/PrinterDocument.h"
#include "records/QuorvDat.h"
#include "settings/ProgEinst.h"

namespace {

// Answers every question with Yes and every notice with OK, as a teacher who
// prints the whole class would.
class YesToEverything : public platform::MessageService {
 public:
  platform::MsgResult Show(const QString&, platform::MsgKind, platform::MsgButtons buttons) override {
    return buttons == platform::MsgButtons::Ok ? platform::MsgResult::Ok : platform::MsgResult::Yes;
  }
};

// A program folder with the shipped form files and pictures, and the settings
// as a new user has them.
struct ProgramFolder {
  QTemporaryDir dir;
  ProgramFolder() {
    const QString folder = dir.path() + QLatin1Char('/');
    bench::CopyShippedFiles(folder);
    quorv::ProgramDir = folder;
    quorv::DataDir = folder;
    quorv::ClassFileName = QStringLiteral("10Rb.QVR");
    quorv::ProgramOptions = quorv::DefaultProgramOptions();
    bench::UseBenchSettings();
  }
};

// The menu command "für ALLE folgenden Schüler" > "die Zeugnisse" for a class
// of range(0) pupils, into one PDF file.
void BM_PrintClassBatch(benchmark::State& state) {
  bench::EnsureWidgetApplication();
  static ProgramFolder folder;
  YesToEverything answers;
  platform::MessageService* previous = platform::SetMessageService(&answers);
  platform::Printer().SetDestination(platform::PrintDestination::PdfFile);

  const int pupils = static_cast<int>(state.range(0));
  quorv::Pupils.clear();
  for (int i = 0; i < pupils; ++i) quorv::Pupils.push_back(bench::FilledPupil(i));
  quorv::PupilCount = pupils;

  int pages = 0;
  double seconds = 0;
  for (auto _ : state) {
    quorv::CurrentPupil = 0;
    const auto start = std::chrono::steady_clock::now();
    quorv::PrintReportsFromCurrentPupil();
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.PauseTiming();
    pages = platform::Printer().PageCount();
    QFile::remove(platform::Printer().LastPdfFile());
    state.ResumeTiming();
  }
  platform::SetMessageService(previous);
  if (pages != 2 * pupils) state.SkipWithError("not every page was printed");
  state.counters["pages"] = pages;
  const double printed = static_cast<double>(pages) * static_cast<double>(state.iterations());
  if (printed > 0 && seconds > 0) {
    state.counters["ms_per_page"] = 1e3 * seconds / printed;
    state.counters["pages_per_second"] = printed / seconds;
  }
}
BENCHMARK(BM_PrintClassBatch)->ArgName("pupils")->Arg(1)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
