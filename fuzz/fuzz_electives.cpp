// The elective-list reader ("WPflFach.DAT"): a count, then entries last one first.
#include <algorithm>
#include <cstring>

#include "FuzzSupport.h"
#include "records/QuorvDat.h"
#include "settings/ProgEinst.h"
#include "settings/WpflEinst.h"

namespace {

using namespace quorv;
using fuzzsupport::BytesOf;

constexpr std::size_t kEntrySize = sizeof(TElectiveSubject);
TWPflFach g_before;
TWPflFach g_fixed;  // the two entries every list starts with

QByteArray ListBytes(const TWPflFach& list) {
  QByteArray b;
  for (const auto& e : list) b += BytesOf(e);
  return b;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::Setup();
  SetProgramOptionDefaults();
  SetElectiveDefaults();
  g_fixed = ElectiveSubjects;
  g_before = g_fixed;
  TElectiveSubject extra;
  std::memset(&extra, 0x77, sizeof extra);
  extra.Name.set("Astronomie");
  extra.Abbreviation.set("Ast");
  g_before.push_back(extra);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray file = fuzzsupport::Input(data, size);
  const QString path = ListsFolder() + kElectiveFile;
  fuzzsupport::Remove(DataDir + kElectiveFile);
  fuzzsupport::WriteFile(path, file);

  ElectiveSubjects = g_before;
  ElectiveIndex = 2;
  fuzzsupport::ClearMessages();
  LoadElectiveSubjects();
  FUZZ_CHECK(fuzzsupport::Messages().empty());
  if (size < 2) {
    // Too short to hold a count: the list stays.
    FUZZ_CHECK(ListBytes(ElectiveSubjects) == ListBytes(g_before));
    FUZZ_CHECK(ElectiveIndex == 2);
    return 0;
  }

  // The entries the file holds whole, up to its count, in reverse.
  const std::size_t count = static_cast<std::size_t>(data[0] | (data[1] << 8));
  const std::size_t n = std::min(count, (size - 2) / kEntrySize);
  TWPflFach expected(n);
  for (std::size_t i = 0; i < n; ++i) {
    TElectiveSubject& e = expected[n - 1 - i];
    std::memcpy(&e, data + 2 + i * kEntrySize, kEntrySize);
    e.Name.clampLength();
    e.Abbreviation.clampLength();
  }
  // The two fixed entries always lead the list: each is put in where the
  // file lacks it, before the subjects the file holds.
  auto named = [&expected](std::size_t i, const char* name) {
    return i < expected.size() && expected[i].Name.str() == name;
  };
  if (!named(0, kNoContent)) expected.insert(expected.begin(), g_fixed[0]);
  if (!named(1, kUnfilled)) expected.insert(expected.begin() + 1, g_fixed[1]);
  FUZZ_CHECK(ListBytes(ElectiveSubjects) == ListBytes(expected));
  FUZZ_CHECK(ElectiveIndex == 0);
  RebuildElectiveNames();
  FUZZ_CHECK(ElectiveSubjectNames.size() == ElectiveCount());

  // Saved over the file: count and entries from offset 0, the bytes beyond stay.
  QByteArray image(2, '\0');
  image[0] = static_cast<char>(expected.size() & 0xFF);
  image[1] = static_cast<char>((expected.size() >> 8) & 0xFF);
  for (auto it = expected.rbegin(); it != expected.rend(); ++it) image += BytesOf(*it);
  FUZZ_CHECK(SaveElectiveSubjects());
  FUZZ_CHECK(fuzzsupport::Messages().empty());
  FUZZ_CHECK(fuzzsupport::ReadFile(path) == image + file.mid(image.size()));

  // Read again, the list is the same.
  ElectiveSubjects = g_before;
  LoadElectiveSubjects();
  FUZZ_CHECK(ListBytes(ElectiveSubjects) == ListBytes(expected));
  return 0;
}
