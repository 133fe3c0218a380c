#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>

#include "records/ClassFile.h"
#include "records/QuorvDat.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// A folder with a class file of n pupils in both record versions.
struct ClassFolder {
  QTemporaryDir dir;
  QString folder = dir.path() + "/";

  explicit ClassFolder(int n) {
    quorv::Pupils.assign(1, quorv::ZeroPupilRecord());
    quorv::InitPupilRecord(quorv::Pupils[0]);
    quorv::Pupils.assign(static_cast<std::size_t>(n), quorv::Pupils[0]);
    for (int i = 0; i < n; ++i) {
      quorv::TPupilRecord& r = quorv::Pupils[static_cast<std::size_t>(i)];
      r.KeyNumber = i % 700;  // some duplicates to repair
      r.Surname.set("Schueler " + std::to_string(i));
      r.DevelopmentText.set(std::string(1800, 'x'));
    }
    quorv::PupilCount = n;
    quorv::CurrentPupil = 0;
    quorv::ResetClassFileHeader();
    quorv::DataDir = folder;
    quorv::ClassFileName = "klasse.QVR";
    Write("klasse.QVR", QByteArray());
    quorv::WriteClassFile();

    QFile v1(folder + "alt.QVR");
    if (!v1.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    QByteArray header(reinterpret_cast<const char*>(&quorv::ClassFileHeader), 92);
    header[20] = 1;
    v1.write(header);
    QByteArray rec(4144, '\0');
    rec[20] = 5;
    std::memcpy(rec.data() + 21, "Alter", 5);
    std::memset(rec.data() + 1839, 'y', 1000);
    for (int i = 0; i < n; ++i) v1.write(rec);
  }

  void Write(const QString& name, const QByteArray& bytes) const {
    QFile f(folder + name);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
  }
};

ClassFolder& Folder(int n) {
  static std::map<int, std::unique_ptr<ClassFolder>> folders;
  auto& folder = folders[n];
  if (!folder) folder = std::make_unique<ClassFolder>(n);
  return *folder;
}

// Seconds of one plain copy of the version-2 class file, flushed to the disk.
double CopyAndFlushSeconds(const ClassFolder& folder) {
  const std::filesystem::path from = (folder.folder + "klasse.QVR").toStdString();
  const std::filesystem::path to = (folder.folder + "kopie.QVR").toStdString();
  const auto start = Clock::now();
  std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
  const int fd = ::open(to.c_str(), O_WRONLY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
  return SecondsSince(start);
}

// Each timed run is followed by a copy of the same file, flushed, so that
// the ratio holds under whatever load the machine carries.
void ReportRatio(benchmark::State& state, double seconds, double copySeconds) {
  state.counters["copy_fsync_ms"] = 1e3 * copySeconds / static_cast<double>(state.iterations());
  state.counters["ratio_to_copy_fsync"] = seconds / copySeconds;
}

// Open: read (converting version 1), write the backup copy, make key numbers unique.
// range(0): pupils; range(1): record version of the file.
void BM_OpenClass(benchmark::State& state) {
  ClassFolder& folder = Folder(static_cast<int>(state.range(0)));
  const QString name = state.range(1) == 1 ? "alt.QVR" : "klasse.QVR";
  double seconds = 0;
  double copySeconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    if (!quorv::ReadClassFile(folder.folder, name)) state.SkipWithError("class file not read");
    quorv::MakeKeyNumbersUnique();
    const double run = SecondsSince(start);
    benchmark::DoNotOptimize(quorv::Pupils.data());
    state.SetIterationTime(run);
    seconds += run;
    copySeconds += CopyAndFlushSeconds(folder);
  }
  ReportRatio(state, seconds, copySeconds);
}
BENCHMARK(BM_OpenClass)
    ->ArgNames({"pupils", "version"})
    ->Args({1000, 2})
    ->Args({65535, 2})
    ->Args({1000, 1})
    ->Args({65535, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// range(0): pupils.
void BM_SaveClass(benchmark::State& state) {
  ClassFolder& folder = Folder(static_cast<int>(state.range(0)));
  if (!quorv::ReadClassFile(folder.folder, "klasse.QVR")) state.SkipWithError("class file not read");
  quorv::DataDir = folder.folder;
  quorv::ClassFileName = "klasse.QVR";
  double seconds = 0;
  double copySeconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    if (!quorv::WriteClassFile()) state.SkipWithError("class file not written");
    const double run = SecondsSince(start);
    state.SetIterationTime(run);
    seconds += run;
    copySeconds += CopyAndFlushSeconds(folder);
  }
  ReportRatio(state, seconds, copySeconds);
}
BENCHMARK(BM_SaveClass)->ArgName("pupils")->Arg(1000)->Arg(65535)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
