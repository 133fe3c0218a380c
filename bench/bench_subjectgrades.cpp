#include <benchmark/benchmark.h>

#include "BenchApp.h"
#include "mainwindow/BewUebers.h"
#include "mainwindow/FachEing.h"
#include "records/QuorvDat.h"
#include "records/SubjectGrades.h"
#include "records/SubjectSlots.h"
#include "settings/Facheinst.h"
#include "settings/WpflEinst.h"

namespace {

// A class of n pupils on form 18 with every subject graded and two electives.
void MakeClass(int n) {
  quorv::BuildDefaultSubjectCatalog();
  quorv::BuildSubjectLists();
  quorv::Pupils.assign(static_cast<std::size_t>(n), quorv::ZeroPupilRecord());
  for (int i = 0; i < n; ++i) {
    quorv::TPupilRecord& r = quorv::Pupils[static_cast<std::size_t>(i)];
    quorv::InitPupilRecord(r);
    r.Surname.set("Muster" + std::to_string(i));
    r.FirstName.set("Eva");
    r.KeyNumber = i + 1;
    r.FormNumber = r.LayoutFormNumber = 18;
    for (int s = 1; s <= 18; ++s) {
      quorv::SetSubjectFromCatalog(r.Subjects[s - 1], s, 18);
      r.Subjects[s - 1].Grade.set(std::string(1, static_cast<char>('1' + (i + s) % 6)));
    }
    r.Subjects[18].Name.set(i % 2 ? "Chor" : "Spanisch");
    r.Subjects[18].Grade.set("2");
  }
  quorv::PupilCount = n;
  quorv::CurrentPupil = 0;
}

void BM_GradeOverview(benchmark::State& state) {
  bench::EnsureWidgetApplication();
  MakeClass(static_cast<int>(state.range(0)));
  quorv::TBewUebersForm form;
  for (auto _ : state) form.FormShow();
}
BENCHMARK(BM_GradeOverview)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_SubjectGridFill(benchmark::State& state) {
  bench::EnsureWidgetApplication();
  MakeClass(static_cast<int>(state.range(0)));
  quorv::TFachEingForm form;
  for (auto _ : state) {
    form.FormShow();
    form.ComboBox1Change(QStringLiteral("Mathematik"));
  }
}
BENCHMARK(BM_SubjectGridFill)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
