// The old grade list ".FDB" that the grade-list export reads and merges: a
// count, then 464-byte entries last one first. A damaged list stays byte for
// byte; a merged one is written whole and the old list kept as ".§DB". Every
// input goes through the four combinations of the export's options.
#include <cstring>

#include "FuzzSupport.h"
#include "records/GradeList.h"
#include "records/QuorvDat.h"
#include "settings/Facheinst.h"

namespace {

using namespace quorv;

constexpr int kMathematik = 20;
constexpr qsizetype kEntrySize = sizeof(TGradeListEntry);

TGradeListEntry EntryAt(const QByteArray& file, qsizetype k) {
  TGradeListEntry e;
  std::memcpy(&e, file.constData() + 2 + k * kEntrySize, sizeof e);
  return e;
}

bool LengthsWithinCapacity(const TGradeListEntry& e) {
  TGradeListEntry clamped = e;
  ClampGradeListEntryLengths(clamped);
  return std::memcmp(&clamped, &e, sizeof e) == 0;
}

bool SamePupil(const TGradeListEntry& a, const TGradeListEntry& b) {
  return static_cast<std::int32_t>(a.KeyNumber) == static_cast<std::int32_t>(b.KeyNumber) &&
         a.Surname.bytes() == b.Surname.bytes() && a.FirstName.bytes() == b.FirstName.bytes();
}

int LivePupils() {
  int n = 0;
  for (const TPupilRecord& p : Pupils) n += p.Active == 1;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::Setup();
  BuildDefaultSubjectCatalog();
  Pupils = fuzzsupport::GradeClass();
  PupilCount = static_cast<int>(Pupils.size());
  ClassFileName = QStringLiteral("5a.QVR");
  GradeListFolder = DataDir;
  ExportSubjectSelection.fill(0);
  ExportSubjectSelection[kMathematik] = 1;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray file = fuzzsupport::Input(data, size);
  const QString name = GradeListFileName(ClassFileName, kMathematik);
  const QString path = GradeListFolder + name;
  const QString backup = GradeListFolder + BackupGradeListFileName(name);
  const qsizetype count = size >= 2 ? data[0] | (data[1] << 8) : 0;
  const bool damaged = size < 2 || file.size() < 2 + count * kEntrySize;
  for (int options = 0; options < 4; ++options) {
    DeleteOldList = (options & 1) != 0;
    ReplaceFoundEntries = (options & 2) != 0;
    fuzzsupport::WriteFile(path, file);
    fuzzsupport::Remove(backup);
    fuzzsupport::ClearMessages();
    FUZZ_CHECK(ExportGradeLists());
    const QByteArray written = fuzzsupport::ReadFile(path);
    if (damaged) {
      FUZZ_CHECK(fuzzsupport::OneMessageOfKind(platform::MsgKind::Error));
      FUZZ_CHECK(fuzzsupport::Messages().front().text.contains(QString::fromUtf8("ist beschädigt")));
      FUZZ_CHECK(written == file && !fuzzsupport::Exists(backup));
      continue;
    }
    FUZZ_CHECK(fuzzsupport::Messages().empty());
    FUZZ_CHECK(fuzzsupport::ReadFile(backup) == file.left(2 + count * kEntrySize));
    FUZZ_CHECK(written.size() >= 2);
    const qsizetype used = static_cast<std::uint8_t>(written[0]) | (static_cast<std::uint8_t>(written[1]) << 8);
    FUZZ_CHECK(written.size() == 2 + used * kEntrySize);
    for (qsizetype k = 0; k < used; ++k) {
      FUZZ_CHECK(LengthsWithinCapacity(EntryAt(written, k)));
      FUZZ_CHECK(LengthsWithinCapacity(GradeList[static_cast<std::size_t>(k)]));
    }
    if (DeleteOldList) {
      FUZZ_CHECK(used >= 1 && used <= LivePupils());
      continue;
    }
    // The old entries come last in their order; replaced ones by an entry of the same pupil.
    FUZZ_CHECK(used >= count && used <= count + LivePupils());
    for (qsizetype k = 0; k < count; ++k) {
      TGradeListEntry old = EntryAt(file, k);
      ClampGradeListEntryLengths(old);
      const TGradeListEntry now = EntryAt(written, used - count + k);
      FUZZ_CHECK(std::memcmp(&old, &now, sizeof old) == 0 || (ReplaceFoundEntries && SamePupil(old, now)));
    }
  }
  return 0;
}
