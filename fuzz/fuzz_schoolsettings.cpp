// The school-settings reader ("SCHEINST.DAT").
#include <algorithm>
#include <cstring>

#include "FuzzSupport.h"
#include "records/QuorvDat.h"
#include "settings/SchulEinst.h"

namespace {

using namespace quorv;
using fuzzsupport::BytesOf;

TSchoolSettings g_before;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::Setup();
  std::memset(&g_before, 0x3C, sizeof g_before);
  g_before.SchoolType = stRealschule;
  g_before.SchoolNameAddress.set("Realschule Nord");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray file = fuzzsupport::Input(data, size);
  const QString path = ProgramDir + kSchoolSettingsFile;
  fuzzsupport::Remove(DataDir + kSchoolSettingsFile);
  fuzzsupport::WriteFile(path, file);

  // Every file is taken: it fills the record from its start, the rest stays.
  SchoolSettings = g_before;
  fuzzsupport::ClearMessages();
  LoadSchoolSettings();
  FUZZ_CHECK(fuzzsupport::Messages().empty());
  TSchoolSettings expected = g_before;
  std::memcpy(&expected, data, std::min(size, sizeof expected));
  expected.SchoolNameAddress.clampLength();
  FUZZ_CHECK(BytesOf(SchoolSettings) == BytesOf(expected));

  // Saved over the file: the record from offset 0, the bytes beyond stay.
  const QByteArray record = BytesOf(SchoolSettings);
  FUZZ_CHECK(SaveSchoolSettings());
  FUZZ_CHECK(fuzzsupport::Messages().empty());
  FUZZ_CHECK(fuzzsupport::ReadFile(path) == record + file.mid(record.size()));

  // Read again, the record is the same.
  SchoolSettings = g_before;
  LoadSchoolSettings();
  FUZZ_CHECK(BytesOf(SchoolSettings) == record);

  // A new file holds the record alone.
  fuzzsupport::Remove(path);
  FUZZ_CHECK(SaveSchoolSettings());
  FUZZ_CHECK(fuzzsupport::ReadFile(path) == record);
  FUZZ_CHECK(fuzzsupport::Messages().empty());
  return 0;
}
