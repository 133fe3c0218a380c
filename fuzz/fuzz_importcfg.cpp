// The column map "IMPORT.CFG": records of 6 bytes from the file's start, at
// most 21, the entries the file does not reach skipped. A fixed pupil list is
// then imported through the map.
#include <algorithm>
#include <cstring>

#include "FuzzSupport.h"
#include "records/QuorvDat.h"
#include "records/TextImport.h"
#include "settings/ProgEinst.h"

namespace {

using namespace quorv;

const QByteArray kList =
    "Nachname1;Vorname1;01.02.1999;Ort1;w;5a\r\n"
    "\"Aaa;Bbb\";\"Ccc\"x;Abcdefghijklmnopqrstuvwxyz123456789;01.02.1999123;;m;7b\tx\ty\n"
    "\r\n"
    "a;b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;s;t;u;v;w\rNurEins";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::Setup();
  SetProgramOptionDefaults();
  ProgramOptions.CopyFromPreviousPupil = 1;
  fuzzsupport::WriteFile(DataDir + QStringLiteral("liste.txt"), kList);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzsupport::WriteFile(ProgramDir + kImportConfigFile, fuzzsupport::Input(data, size));
  TImportColumnMap map;
  std::memset(map.data(), 0xA5, sizeof map);
  fuzzsupport::ClearMessages();
  FUZZ_CHECK(LoadImportConfig(map));
  FUZZ_CHECK(fuzzsupport::Messages().empty());
  TImportColumnMap expected{};
  std::memcpy(expected.data(), data, std::min(size / sizeof(TImportColumn), std::size_t{kImportColumns}) * sizeof(TImportColumn));
  for (TImportColumn& c : expected) c.Joiner.clampLength();
  FUZZ_CHECK(std::memcmp(map.data(), expected.data(), sizeof map) == 0);

  fuzzsupport::CheckPupilImport(DataDir + QStringLiteral("liste.txt"), kList, false);
  return 0;
}
