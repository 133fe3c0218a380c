#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <memory>

#include "layouts/PrintJob.h"
#include "mainwindow/MainPrintCommands.h"
#include "platform/Messages.h"
#include "platform/PrinterDocument.h"
#include "records/QuorvDat.h"
#include "records/TextWrap.h"
#include "settings/DrkEinst.h"
#include "settings/Facheinst.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"

namespace {

// Answers every question with Yes and every notice with OK, as a teacher who
// prints the whole class would.
class YesToEverything : public platform::MessageService {
 public:
  platform::MsgResult Show(const QString&, platform::MsgKind, platform::MsgButtons buttons) override {
    return buttons == platform::MsgButtons::Ok ? platform::MsgResult::Ok : platform::MsgResult::Yes;
  }
};

QApplication& App() {
  static int argc = 1;
  static char name[] = "quorv_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

QString Prose(int length) {
  const QString sentence = QString::fromUtf8(
      "Marie-Christin arbeitet im Unterricht aufmerksam und zuverlässig mit und bringt eigene Ideen ein. ");
  QString text;
  while (text.size() < length) text += sentence;
  text.truncate(length);
  return text.left(text.lastIndexOf(QLatin1Char(' '))) + QLatin1Char('.');
}

// A pupil with every field the reports print filled in.
quorv::TPupilRecord FilledPupil(int i) {
  quorv::TPupilRecord p = quorv::ZeroPupilRecord();
  quorv::InitPupilRecord(p);
  p.Active = 1;
  p.FormNumber = 15 + i % 6;  // forms 15 to 20
  p.FirstName.setText(QStringLiteral("Marie-Christin Annabell"));
  p.Surname.setText(QStringLiteral("Hohenlohe-Orth %1").arg(i + 1));
  p.BirthDate.setText(QStringLiteral("28.02.1998"));
  p.ClassName.setText(QStringLiteral("10R/b"));
  p.Sex = i % 2;
  p.SchoolYear.setText(QStringLiteral("2006"));
  p.NextSchool.setText(QStringLiteral("Berufliche Schule Seestadt-Süd"));
  p.Jahrgangsstufe.setText(QStringLiteral("10"));
  p.AbsenceDays.setText(QStringLiteral("12"));
  p.AbsenceDaysExcused.setText(QStringLiteral("10"));
  p.Gesamtpraedikat = 3;
  p.IssuePlace.setText(QStringLiteral("Seestadt"));
  p.IssueDate.setText(QStringLiteral("15.07.2007"));
  p.Schullaufbahnempfehlung = 1;
  for (int slot = 0; slot < 25; ++slot) {
    quorv::TSubjectEntry& e = p.Subjects[static_cast<std::size_t>(slot)];
    e.Name.setText(quorv::SubjectCatalog[static_cast<std::size_t>(1 + slot % 40)].Name.text().left(30));
    e.Grade.setText(QString::number(1 + slot % 5));
    e.Addition.setText(QStringLiteral("12"));
    e.CourseLevel.setText(QStringLiteral("E"));
  }
  quorv::WideStringToBuffer(Prose(1900), p.DevelopmentText);
  quorv::WideStringToBuffer(Prose(480), p.RemarksText);
  quorv::WideStringToBuffer(Prose(1900), p.TeacherNotesText);
  return p;
}

// A program folder with the shipped form files and pictures, and the settings
// as a new user has them.
struct ProgramFolder {
  QTemporaryDir dir;
  ProgramFolder() {
    const QString folder = dir.path() + QLatin1Char('/');
    const QDir resources(QStringLiteral(QUORV_RESOURCES_DIR));
    for (const QString& name : resources.entryList(QDir::Files)) QFile::copy(resources.filePath(name), folder + name);
    quorv::ProgramDir = folder;
    quorv::DataDir = folder;
    quorv::ClassFileName = QStringLiteral("10Rb.QVR");
    quorv::PrintOptions = quorv::DefaultPrintOptions();
    quorv::PrintOptions.DuplexNoDialogs = 1;  // whole reports, no page questions
    quorv::ProgramOptions = quorv::DefaultProgramOptions();
    quorv::SetSchoolSettingDefaults();
    quorv::SchoolSettings.SchoolType = 2;
    quorv::SchoolSettings.SchoolNameAddress.setText(
        QStringLiteral("Regionale Schule Am Schlosspark, Lindenallee 124, 12345 Seestadt"));
    quorv::BuildDefaultSubjectCatalog();
  }
};

// The menu command "für ALLE folgenden Schüler" > "die Zeugnisse" for a class
// of range(0) pupils, into one PDF file.
void BM_PrintClassBatch(benchmark::State& state) {
  App();
  static ProgramFolder folder;
  YesToEverything answers;
  platform::MessageService* previous = platform::SetMessageService(&answers);
  platform::Printer().SetDestination(platform::PrintDestination::PdfFile);

  const int pupils = static_cast<int>(state.range(0));
  quorv::Pupils.clear();
  for (int i = 0; i < pupils; ++i) quorv::Pupils.push_back(FilledPupil(i));
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
