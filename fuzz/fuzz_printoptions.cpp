// The print-options reader ("DRKEINST.DAT"): 320 bytes, or 44 of the
// previous version to be converted; any other size is refused.
#include <cstring>

#include "FuzzSupport.h"
#include "records/QuorvDat.h"
#include "settings/DrkEinst.h"

namespace {

using namespace quorv;
using fuzzsupport::BytesOf;

TPrintOptions g_before;

// The record after reading a 44-byte file over `before`.
TPrintOptions Converted(const TPrintOptions& before, const std::uint8_t* old) {
  TPrintOptions r = before;
  auto* bytes = reinterpret_cast<std::uint8_t*>(&r);
  std::memcpy(bytes, old, 0x28);
  std::memcpy(bytes + 0x28, old + 0x2a, 2);
  r.StrikeChar.clampLength();
  r.UseFormFileCopies = 0;
  r.SettingsInProgramDir = 1;
  r.Reserved46 = 0;
  r.FillCharacter.set("#");
  r.DuplexNoDialogs = 0;
  r.ConferencePrint = 0;
  r.ColourArmsOnMono = 0;
  for (auto& w : r.Reserved58) w = 0;
  std::memset(r.ReservedTexts, 0, sizeof r.ReservedTexts);
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::Setup();
  g_before = DefaultPrintOptions();
  g_before.LeftMargin = 111;
  g_before.OnlyNecessaryDialogs = 1;
  g_before.ReservedTexts[2].set("vorher");
  g_before.Pad319 = 0x99;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray file = fuzzsupport::Input(data, size);
  const QString path = ProgramDir + kPrintOptionsFile;
  const QString other = DataDir + kPrintOptionsFile;
  fuzzsupport::Remove(other);
  fuzzsupport::WriteFile(path, file);

  PrintOptions = g_before;
  fuzzsupport::ClearMessages();
  LoadPrintOptions();
  TPrintOptions expected = g_before;
  const bool current = size == sizeof(TPrintOptions);
  const bool old = size == kOldPrintOptionsSize;
  if (current) {
    std::memcpy(&expected, data, size);
    expected.StrikeChar.clampLength();
    expected.FillCharacter.clampLength();
    for (auto& text : expected.ReservedTexts) text.clampLength();
  } else if (old) {
    expected = Converted(g_before, data);
  }
  FUZZ_CHECK(BytesOf(PrintOptions) == BytesOf(expected));
  FUZZ_CHECK(current || old ? fuzzsupport::Messages().empty()
                            : fuzzsupport::OneMessageOfKind(platform::MsgKind::Warning));
  FUZZ_CHECK(fuzzsupport::ReadFile(path) == file);

  // Saved into the folder the record names: from offset 0, the bytes beyond
  // stay; the file that was read stays unless it was saved over.
  const QByteArray record = BytesOf(PrintOptions);
  const QString target = PrintOptionsFolder() + kPrintOptionsFile;
  fuzzsupport::ClearMessages();
  FUZZ_CHECK(SavePrintOptions());
  FUZZ_CHECK(fuzzsupport::Messages().empty());
  if (target == path) {
    FUZZ_CHECK(fuzzsupport::ReadFile(path) == record + file.mid(record.size()));
  } else {
    FUZZ_CHECK(fuzzsupport::ReadFile(target) == record);
    FUZZ_CHECK(fuzzsupport::ReadFile(path) == file);
  }

  // A file of the record's size reads back to the same record.
  if (fuzzsupport::ReadFile(target).size() == record.size()) {
    PrintOptions = expected;
    LoadPrintOptions();
    FUZZ_CHECK(fuzzsupport::Messages().empty());
    FUZZ_CHECK(BytesOf(PrintOptions) == record);
  }
  return 0;
}
