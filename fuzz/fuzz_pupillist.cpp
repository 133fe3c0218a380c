// The pupil-list import by the default column map (no "IMPORT.CFG"): one
// pupil per line behind the current one, into a small class and, for one input
// in 64 (by the sum of its bytes), into a class with room for two more pupils:
// each pupil inserted there costs a key-number search over 65,533 records.
#include <numeric>

#include "FuzzSupport.h"
#include "records/QuorvDat.h"
#include "settings/ProgEinst.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::Setup();
  quorv::SetProgramOptionDefaults();
  quorv::ProgramOptions.CopyFromPreviousPupil = 1;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray file = fuzzsupport::Input(data, size);
  const QString path = quorv::DataDir + QStringLiteral("liste.txt");
  fuzzsupport::WriteFile(path, file);
  const unsigned sum = std::accumulate(data, data + size, 0u);
  fuzzsupport::CheckPupilImport(path, file, sum % 64 == 0);
  return 0;
}
