#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "layouts/LayoutHelpers.h"
#include "layouts/PrintJob.h"
#include "platform/PrinterCaps.h"
#include "platform/RecordingCanvas.h"
#include "settings/DrkEinst.h"
#include "settings/Facheinst.h"

namespace {

// One page of a report through the whole frame, as every preview repaint
// draws it: form file taken from the job, grade block, elective block.
void BM_FramedPage(benchmark::State& state) {
  QTemporaryDir dir;
  quorv::ProgramDir = dir.path() + "/";
  quorv::DataDir = quorv::ProgramDir;
  platform::SetPrinterCapsSource([] { return platform::DeviceCaps{}; });
  quorv::PrintOptions = quorv::DefaultPrintOptions();
  quorv::BuildDefaultSubjectCatalog();

  quorv::TFormFieldTable fields{};
  for (int n = 0; n < quorv::kFormFieldCount; ++n)
    fields[static_cast<std::size_t>(n)] = quorv::TFormField{static_cast<std::uint16_t>(300 + 5 * n),
                                                            static_cast<std::uint16_t>(200 + 15 * n), 0,
                                                            static_cast<std::uint16_t>(1 + n % 50), 1, 1};
  fields[2] = quorv::TFormField{1800, 2600, 0, 12, 3, 1};
  fields[67] = quorv::TFormField{20, 50, 0, 90, 1, 1};
  fields[40] = quorv::TFormField{0, 60, 0, 0, 1, 1};
  QFile file(quorv::ProgramDir + "Anl015.FST");
  file.open(QIODevice::WriteOnly);
  file.write(quorv::FormFileText(QStringLiteral("Test"), fields));
  file.close();

  quorv::ClearReportJob();
  quorv::InitPupilRecord(quorv::ReportJob.Pupil);
  quorv::ReportJob.Pupil.FirstName.set("Anna");
  quorv::ReportJob.Pupil.Surname.set("Muster");
  quorv::ReportJob.Pupil.DevelopmentText.set(std::string(1500, 'a').replace(10, 1, " "));
  quorv::ReportJob.FormNumber = 15;
  quorv::ReportJob.CurrentPage = 1;
  quorv::LoadJobReportFormFile();

  platform::RecordingCanvas canvas;
  for (auto _ : state) {
    canvas.clear();
    quorv::PrintFrameOnlyPage(canvas, quorv::ReportJob.Pupil);
    benchmark::DoNotOptimize(canvas.ops().size());
  }
  platform::SetPrinterCapsSource({});
}
BENCHMARK(BM_FramedPage);

}  // namespace
