#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "platform/Messages.h"
#include "records/QuorvDat.h"
#include "records/TextImport.h"
#include "settings/Facheinst.h"
#include "settings/SchulEinst.h"

namespace {

constexpr int kLines = 1000;

// Answers every message at once, as a teacher pressing OK would.
class SilentMessages : public platform::MessageService {
 public:
  platform::MsgResult Show(const QString&, platform::MsgKind, platform::MsgButtons) override {
    ++shown;
    return platform::MsgResult::Ok;
  }
  long shown = 0;
};

std::string PupilName(int i) { return "Sch\xFCler" + std::to_string(i); }

// A program folder without "IMPORT.CFG" holding a pupil list and a grade
// list of kLines lines each, in Windows-1252 and in UTF-8.
struct ImportFolder {
  QTemporaryDir dir;
  QString folder = dir.path() + "/";
  SilentMessages messages;

  ImportFolder() {
    platform::SetMessageService(&messages);
    quorv::ProgramDir = folder;
    quorv::BuildDefaultSubjectCatalog();
    quorv::SchoolSettings.SchoolType = quorv::stRegionaleSchule;
    QByteArray pupils;
    QByteArray grades;
    for (int i = 0; i < kLines; ++i) {
      const QByteArray name = QByteArray::fromStdString(PupilName(i));
      pupils += name + ";J\xF6rg;01.02.2010;M\xFCnchen;m;5a\r\n";
      grades += name + ";J\xF6rg;Ma;2;E;Deu;3;Eng;1;Sp;2\r\n";
    }
    Write("schueler.txt", pupils);
    Write("schueler-utf8.txt", QString::fromLatin1(pupils).toUtf8());
    Write("noten.txt", grades);
  }
  void Write(const QString& name, const QByteArray& bytes) const {
    QFile f(folder + name);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
  }
};

ImportFolder& Folder() {
  static ImportFolder folder;
  return folder;
}

// A class of one blank pupil.
void StartClass() {
  quorv::TPupilRecord r = quorv::ZeroPupilRecord();
  quorv::Pupils.clear();
  quorv::InitPupilRecord(r);
  quorv::SetSingleRecordClass(r);
}

// A pupil list of kLines lines into a class of one pupil (arg 1: the UTF-8 file).
void BM_ImportPupilList(benchmark::State& state) {
  const QString path = Folder().folder + (state.range(0) == 1 ? "schueler-utf8.txt" : "schueler.txt");
  for (auto _ : state) {
    state.PauseTiming();
    StartClass();
    state.ResumeTiming();
    const quorv::PupilImportResult r = quorv::ImportPupilFile(path);
    if (r.imported != kLines) state.SkipWithError("pupil list not imported");
  }
}
BENCHMARK(BM_ImportPupilList)->ArgName("utf8")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A grade list of kLines lines, four subjects each, into a class of kLines pupils.
void BM_ImportGradeList(benchmark::State& state) {
  StartClass();
  quorv::ImportPupilFile(Folder().folder + "schueler.txt");
  for (quorv::TPupilRecord& p : quorv::Pupils) {
    const char* names[] = {"Deutsch", "Mathematik", "Englisch", "Sport"};
    for (int s = 0; s < 4; ++s) p.Subjects[s].Name.set(names[s]);
  }
  const QString path = Folder().folder + "noten.txt";
  for (auto _ : state) {
    if (quorv::ImportGradeFile(path) != 0) state.SkipWithError("grades not placed");
  }
  benchmark::DoNotOptimize(quorv::Pupils.data());
}
BENCHMARK(BM_ImportGradeList)->Unit(benchmark::kMillisecond);

}  // namespace
