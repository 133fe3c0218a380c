// The program-options reader ("QVREINST.DAT"): versions told by the size.
#include <cstring>

#include "FuzzSupport.h"
#include "records/QuorvDat.h"
#include "settings/ProgEinst.h"

namespace {

using namespace quorv;
using fuzzsupport::BytesOf;

TProgramOptions g_before;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::Setup();
  g_before = DefaultProgramOptions();
  g_before.ShowAdditions = 1;
  g_before.Reserved24[9] = 0x1234;
  g_before.ReservedText.set("vorher");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray file = fuzzsupport::Input(data, size);
  const QString path = ProgramDir + kProgramOptionsFile;
  fuzzsupport::Remove(DataDir + kProgramOptionsFile);
  fuzzsupport::WriteFile(path, file);

  ProgramOptions = g_before;
  fuzzsupport::ClearMessages();
  LoadProgramOptions();
  // 16 and 120 bytes: an older version, read into the start of the record;
  // 126: the record; any other size is refused and changes nothing.
  TProgramOptions expected = g_before;
  const bool older = size == 16 || size == 120;
  const bool known = older || size == sizeof(TProgramOptions);
  if (known) std::memcpy(&expected, data, size);
  expected.ReservedText.clampLength();
  FUZZ_CHECK(BytesOf(ProgramOptions) == BytesOf(expected));
  FUZZ_CHECK(known && !older ? fuzzsupport::Messages().empty()
                             : fuzzsupport::OneMessageOfKind(platform::MsgKind::Error));

  // Saved over the file: the record from offset 0, the bytes beyond stay.
  const QByteArray record = BytesOf(ProgramOptions);
  fuzzsupport::ClearMessages();
  FUZZ_CHECK(SaveProgramOptions());
  FUZZ_CHECK(fuzzsupport::Messages().empty());
  const QByteArray saved = fuzzsupport::ReadFile(path);
  FUZZ_CHECK(saved == record + file.mid(record.size()));

  // A file of the record's size reads back to the same record.
  if (saved.size() == record.size()) {
    ProgramOptions = g_before;
    LoadProgramOptions();
    FUZZ_CHECK(fuzzsupport::Messages().empty());
    FUZZ_CHECK(BytesOf(ProgramOptions) == record);
  }
  return 0;
}
