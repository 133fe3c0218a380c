#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstring>
#include <filesystem>

#include "records/ClassFile.h"
#include "records/QuorvDat.h"

namespace {

constexpr int kPupils = 1000;
constexpr int kTimingRuns = 20;

using Clock = std::chrono::steady_clock;

// A folder with a class file of kPupils pupils in both record versions.
struct ClassFolder {
  QTemporaryDir dir;
  QString folder = dir.path() + "/";

  ClassFolder() {
    quorv::Pupils.assign(kPupils, quorv::ZeroPupilRecord());
    for (int i = 0; i < kPupils; ++i) {
      quorv::TPupilRecord& r = quorv::Pupils[static_cast<std::size_t>(i)];
      quorv::InitPupilRecord(r);
      r.KeyNumber = i % 700;  // some duplicates to repair
      r.Surname.set("Schueler " + std::to_string(i));
      r.DevelopmentText.set(std::string(1800, 'x'));
    }
    quorv::PupilCount = kPupils;
    quorv::CurrentPupil = 0;
    quorv::ResetClassFileHeader();
    quorv::DataDir = folder;
    quorv::ClassFileName = "klasse.QVR";
    Write("klasse.QVR", QByteArray());
    quorv::WriteClassFile();

    QByteArray v1(92 + kPupils * 4144, '\0');
    std::memcpy(v1.data(), &quorv::ClassFileHeader, 92);
    v1[20] = 1;
    for (int i = 0; i < kPupils; ++i) {
      char* rec = v1.data() + 92 + i * 4144;
      rec[20] = 5;
      std::memcpy(rec + 21, "Alter", 5);
      std::memset(rec + 1839, 'y', 1000);
    }
    Write("alt.QVR", v1);
  }

  void Write(const QString& name, const QByteArray& bytes) const {
    QFile f(folder + name);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
  }
};

ClassFolder& Folder() {
  static ClassFolder folder;
  return folder;
}

// Mean seconds of one plain copy of the version-2 class file.
double CopySeconds() {
  static const double seconds = [] {
    const std::filesystem::path from = (Folder().folder + "klasse.QVR").toStdString();
    const std::filesystem::path to = (Folder().folder + "kopie.QVR").toStdString();
    const auto start = Clock::now();
    for (int i = 0; i < kTimingRuns; ++i)
      std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
    return std::chrono::duration<double>(Clock::now() - start).count() / kTimingRuns;
  }();
  return seconds;
}

void ReportRatio(benchmark::State& state, double seconds) {
  const double perRun = seconds / static_cast<double>(state.iterations());
  state.counters["copy_ms"] = CopySeconds() * 1e3;
  state.counters["ratio_to_copy"] = perRun / CopySeconds();
}

// Open: read (converting version 1), write the backup copy, make key numbers unique.
void BM_OpenClass(benchmark::State& state) {
  const QString name = state.range(0) == 1 ? "alt.QVR" : "klasse.QVR";
  const QString folder = Folder().folder;
  double seconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    if (!quorv::ReadClassFile(folder, name)) state.SkipWithError("class file not read");
    quorv::MakeKeyNumbersUnique();
    seconds += std::chrono::duration<double>(Clock::now() - start).count();
    benchmark::DoNotOptimize(quorv::Pupils.data());
  }
  ReportRatio(state, seconds);
}
BENCHMARK(BM_OpenClass)->ArgName("version")->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SaveClass(benchmark::State& state) {
  if (!quorv::ReadClassFile(Folder().folder, "klasse.QVR")) state.SkipWithError("class file not read");
  quorv::DataDir = Folder().folder;
  quorv::ClassFileName = "klasse.QVR";
  double seconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    if (!quorv::WriteClassFile()) state.SkipWithError("class file not written");
    seconds += std::chrono::duration<double>(Clock::now() - start).count();
  }
  ReportRatio(state, seconds);
}
BENCHMARK(BM_SaveClass)->Unit(benchmark::kMillisecond);

void BM_CopyClassFile(benchmark::State& state) {
  const std::filesystem::path from = (Folder().folder + "klasse.QVR").toStdString();
  const std::filesystem::path to = (Folder().folder + "kopie.QVR").toStdString();
  for (auto _ : state) std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
}
BENCHMARK(BM_CopyClassFile)->Unit(benchmark::kMillisecond);

}  // namespace
