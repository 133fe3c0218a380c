// The subject-catalogue reader ("Faecher.DAT"): 51 entries of 588 bytes, last
// entry first. The program writes no catalogue file; an accepted file is
// written back here as the image of the catalogue in memory.
#include <algorithm>
#include <cstring>

#include "FuzzSupport.h"
#include "records/QuorvDat.h"
#include "settings/Facheinst.h"

namespace {

using namespace quorv;
using fuzzsupport::BytesOf;

constexpr std::size_t kBlock = sizeof(TSubjectCatalogEntry);
TSubjectCatalog g_before;

// The file image of the catalogue: entry 50 first.
QByteArray CatalogImage() {
  QByteArray image;
  for (int e = kCatalogEntries - 1; e >= 0; --e) image += BytesOf(SubjectCatalog[static_cast<std::size_t>(e)]);
  return image;
}

void CheckListNames(const QStringList& list) {
  FUZZ_CHECK(list.size() <= kCatalogEntries);
  for (const QString& name : list) FUZZ_CHECK(name.size() <= kListNameLength);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::Setup();
  BuildDefaultSubjectCatalog();
  SubjectCatalog[45].Name.set("Chinesisch");
  SubjectCatalog[45].GroupFlags[kGroupForeignLanguage] = 1;
  g_before = SubjectCatalog;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray file = fuzzsupport::Input(data, size);
  const QString path = DataDir + kSubjectCatalogFile;
  fuzzsupport::Remove(ProgramDir + kSubjectCatalogFile);
  fuzzsupport::WriteFile(path, file);

  SubjectCatalog = g_before;
  fuzzsupport::ClearMessages();
  const CatalogLoadResult result = LoadSubjectCatalog();
  FUZZ_CHECK(fuzzsupport::Messages().empty());

  // Whole blocks replace entries from 50 down; the other entries stay.
  const int blocks = static_cast<int>(std::min<std::size_t>(size / kBlock, kCatalogEntries));
  FUZZ_CHECK(result.EntriesRead == blocks);
  FUZZ_CHECK(result.Status == (blocks == kCatalogEntries ? CatalogLoad::Loaded : CatalogLoad::Short));
  TSubjectCatalog expected = g_before;
  for (int k = 0; k < blocks; ++k) {
    TSubjectCatalogEntry& entry = expected[static_cast<std::size_t>(kCatalogEntries - 1 - k)];
    std::memcpy(&entry, data + static_cast<std::size_t>(k) * kBlock, kBlock);
    entry.Name.clampLength();
    entry.Abbreviation.clampLength();
    entry.ReservedText.clampLength();
  }
  FUZZ_CHECK(BytesOf(SubjectCatalog) == BytesOf(expected));

  // The lists, lookups and predicates stay inside the catalogue.
  BuildSubjectLists();
  CheckListNames(LanguageSubjectList);
  CheckListNames(ReligionSubjectList);
  CheckListNames(AllSubjectNames);
  FUZZ_CHECK(SubjectAbbrevList.size() <= kCatalogEntries);
  for (int form : {-1, 0, 1, 21, 26, 104, 105, 106}) {
    for (int slot = 0; slot <= kLastSlot + 1; ++slot) {
      const int e = SubjectForSlot(form, slot);
      FUZZ_CHECK(e == -1 || (e >= kFirstSearchedEntry && e < kCatalogEntries && CatalogSlot(e, form) == slot));
    }
  }
  for (const auto& entry : SubjectCatalog) {
    const std::string_view name = entry.Name.bytes();
    IsForeignLanguageSubject(name);
    IsReligionSubject(name);
    IsCourseLevelSubject(name);
  }

  // Written as a file and read again, the catalogue is the same.
  const QByteArray image = CatalogImage();
  fuzzsupport::WriteFile(path, image);
  SubjectCatalog = g_before;
  const CatalogLoadResult again = LoadSubjectCatalog();
  FUZZ_CHECK(again.Status == CatalogLoad::Loaded && again.EntriesRead == kCatalogEntries);
  FUZZ_CHECK(BytesOf(SubjectCatalog) == BytesOf(expected));
  FUZZ_CHECK(CatalogImage() == image);
  return 0;
}
