// The class-file reader. Built twice: QUORV_FUZZ_CLASS_FILE_VERSION 2 reads
// the bytes as they come; 1 fixes the version word to 1 so that every input
// goes through the conversion of version-1 records.
#include <cstring>

#include "FuzzSupport.h"
#include "records/ClassFile.h"
#include "records/QuorvDat.h"

#ifndef QUORV_FUZZ_CLASS_FILE_VERSION
#error "QUORV_FUZZ_CLASS_FILE_VERSION must be 1 or 2"
#endif

namespace {

using namespace quorv;
using fuzzsupport::BytesOf;

constexpr qsizetype kHeaderSize = sizeof(TClassFileHeader);
constexpr qsizetype kVersionOffset = offsetof(TClassFileHeader, VersionWritten);
const QString kName = QStringLiteral("FUZZ.QVR");

// The class shown before each input, and how it is seen from outside.
TDB2 g_shownPupils;
TClassFileHeader g_shownHeader;

struct ClassState {
  QByteArray header;
  QByteArray pupils;
  int count = 0;
  int current = 0;
  bool operator==(const ClassState&) const = default;
};

ClassState Current() {
  ClassState s;
  s.header = BytesOf(ClassFileHeader);
  for (const auto& p : Pupils) s.pupils += BytesOf(p);
  s.count = PupilCount;
  s.current = CurrentPupil;
  return s;
}

std::uint16_t U16At(const QByteArray& b, qsizetype at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8));
}

// What the i-th pupil must be after reading the file.
TPupilRecord ExpectedPupil(const QByteArray& file, std::uint16_t version, int count, int i) {
  const qsizetype recordSize = version == kClassFileVersion1 ? sizeof(TPupilRecordV1) : sizeof(TPupilRecord);
  const char* p = file.constData() + kHeaderSize + (count - 1 - i) * recordSize;
  TPupilRecord r;
  if (version == kClassFileVersion1) {
    TPupilRecordV1 old;
    std::memcpy(&old, p, sizeof old);
    ConvertV1PupilRecord(old, r);
  } else {
    std::memcpy(&r, p, sizeof r);
  }
  ClampRecordLengths(r);
  return r;
}

// A file written by the program: header, then the pupils last one first.
QByteArray ClassImage() {
  QByteArray image = BytesOf(ClassFileHeader);
  for (auto it = Pupils.rbegin(); it != Pupils.rend(); ++it) image += BytesOf(*it);
  return image;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::Setup();
  for (const char* name : {"Erste", "Zweite"}) {
    TPupilRecord r = ZeroPupilRecord();
    InitPupilRecord(r);
    r.Surname.set(name);
    g_shownPupils.push_back(r);
  }
  Pupils = g_shownPupils;
  PupilCount = static_cast<int>(Pupils.size());
  ResetClassFileHeader();
  ClassFileHeader.Reserved24[0] = 0x5A;
  g_shownHeader = ClassFileHeader;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QByteArray file = fuzzsupport::Input(data, size);
  if (QUORV_FUZZ_CLASS_FILE_VERSION == 1 && file.size() >= kVersionOffset + 2) {
    file[kVersionOffset] = 1;
    file[kVersionOffset + 1] = 0;
  }
  const QString path = DataDir + kName;
  const QString backup = DataDir + BackupFileName(kName);
  fuzzsupport::Remove(backup);
  fuzzsupport::WriteFile(path, file);

  Pupils = g_shownPupils;
  PupilCount = static_cast<int>(Pupils.size());
  CurrentPupil = PupilCount - 1;
  ClassFileHeader = g_shownHeader;
  const ClassState shown = Current();
  fuzzsupport::ClearMessages();

  if (!ReadClassFile(DataDir, kName)) {
    // Refused: reported once, the class shown stays, no backup.
    FUZZ_CHECK(fuzzsupport::OneMessageOfKind(platform::MsgKind::Error));
    FUZZ_CHECK(Current() == shown);
    FUZZ_CHECK(!fuzzsupport::Exists(backup));
    return 0;
  }
  FUZZ_CHECK(fuzzsupport::Messages().empty());

  // Accepted: a known version, at least one record, all of them in the file.
  FUZZ_CHECK(file.size() >= kHeaderSize);
  const int count = U16At(file, 0);
  const std::uint16_t version = U16At(file, kVersionOffset);
  FUZZ_CHECK(version == kClassFileVersion1 || version == kClassFileVersion2);
  const qsizetype recordSize = version == kClassFileVersion1 ? sizeof(TPupilRecordV1) : sizeof(TPupilRecord);
  FUZZ_CHECK(count >= 1);
  FUZZ_CHECK(file.size() >= kHeaderSize + count * recordSize);
  FUZZ_CHECK(PupilCount == count && static_cast<int>(Pupils.size()) == count);
  FUZZ_CHECK(CurrentPupil >= 0 && CurrentPupil < PupilCount);

  TClassFileHeader header;
  std::memcpy(&header, file.constData(), sizeof header);
  header.VersionWritten = kClassFileVersion2;
  header.VersionLoaded = version;
  FUZZ_CHECK(BytesOf(ClassFileHeader) == BytesOf(header));
  for (int i = 0; i < count; ++i)
    FUZZ_CHECK(BytesOf(Pupils[static_cast<std::size_t>(i)]) == BytesOf(ExpectedPupil(file, version, count, i)));

  // The backup is the class as read, in version 2.
  const QByteArray image = ClassImage();
  FUZZ_CHECK(fuzzsupport::ReadFile(backup) == image);

  // Saved and read again, the class comes back; only VersionLoaded now says 2.
  const ClassState read = Current();
  ClassFileName = kName;
  FUZZ_CHECK(WriteClassFile());
  FUZZ_CHECK(fuzzsupport::Messages().empty());
  FUZZ_CHECK(fuzzsupport::ReadFile(path) == image);
  FUZZ_CHECK(ReadClassFile(DataDir, kName));
  FUZZ_CHECK(fuzzsupport::Messages().empty());
  ClassState expected = read;
  header.VersionLoaded = kClassFileVersion2;
  expected.header = BytesOf(header);
  FUZZ_CHECK(Current() == expected);
  return 0;
}
