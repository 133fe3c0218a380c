#include "records/ClassFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "platform/Files.h"
#include "platform/Messages.h"

namespace quorv {

TClassFileHeader ClassFileHeader = [] {
  TClassFileHeader h;
  std::memset(&h, 0, sizeof h);
  return h;
}();

namespace {

constexpr qint64 kHeaderSize = sizeof(TClassFileHeader);
constexpr qint64 kMagicEnd = offsetof(TClassFileHeader, Magic) + sizeof(ShortString<12>);

qint64 RecordSize(std::uint16_t version) {
  return version == kClassFileVersion1 ? qint64{sizeof(TPupilRecordV1)} : qint64{sizeof(TPupilRecord)};
}

// Why a class file is refused.
enum class ReadFault { None, Open, Format, Version, NoRecords, TooShort };

struct ReadFaultMessage {
  ReadFault fault;
  const char* text;  // UTF-8
};

constexpr ReadFaultMessage kReadFaultMessages[] = {
    {ReadFault::Open, "Die Datei konnte nicht geöffnet werden!"},
    {ReadFault::Format,
     "Die Datei hat nicht das erwartete Format!\rDie Daten können NICHT gelesen werden!!!"},
    {ReadFault::Version,
     "Die Datei hat eine nicht bekannte Versionsnummer!\rDie Daten können NICHT gelesen werden!!!"},
    {ReadFault::NoRecords,
     "Die Datei enthält keine Schülerdaten!\rDie Daten können NICHT gelesen werden!!!"},
    {ReadFault::TooShort,
     "Die Datei ist unvollständig (zu kurz)!\rDie Daten können NICHT gelesen werden!!!"},
};

void ReportReadFault(ReadFault fault) {
  for (const auto& m : kReadFaultMessages)
    if (m.fault == fault) platform::ShowMessage(QString::fromUtf8(m.text), platform::MsgKind::Error);
}

bool HasMagic(const char* header) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(header) + offsetof(TClassFileHeader, Magic);
  return p[0] == 12 && std::memcmp(p + 1, kClassFileMagic, 12) == 0;
}

// Records move between file and class in blocks of this many bytes, so that
// no second image of a large class is ever held.
constexpr qint64 kBlockBytes = qint64{1} << 20;

// Reads and checks the file into header and pupils without touching the class.
// The records go straight into their places: the first record in the file is
// the last pupil.
ReadFault LoadClassFile(const QString& path, TClassFileHeader& header, TDB2& pupils) {
  platform::InputFile file;
  if (!file.Open(path)) return ReadFault::Open;
  std::array<char, sizeof(TClassFileHeader)> head{};
  const qint64 got = file.Read(head.data(), kHeaderSize);
  if (got < 0) return ReadFault::Open;
  if (got < kMagicEnd || !HasMagic(head.data())) return ReadFault::Format;
  if (got < kHeaderSize) return ReadFault::TooShort;
  std::memcpy(&header, head.data(), sizeof header);

  const std::uint16_t version = header.VersionWritten;
  if (version != kClassFileVersion1 && version != kClassFileVersion2) return ReadFault::Version;
  const int count = header.RecordCount;
  if (count == 0) return ReadFault::NoRecords;

  const qint64 recordSize = RecordSize(version);
  if (file.Size() < kHeaderSize + count * recordSize) return ReadFault::TooShort;

  // Every byte of every record is overwritten below.
  pupils.resize(static_cast<std::size_t>(count));
  const int perBlock = static_cast<int>(std::max<qint64>(1, kBlockBytes / recordSize));
  std::vector<TPupilRecordV1> oldRecords;
  if (version == kClassFileVersion1) oldRecords.resize(static_cast<std::size_t>(std::min(perBlock, count)));
  // File records [done, done + n) are pupils count-1-done down to count-done-n.
  for (int done = 0; done < count;) {
    const int n = std::min(perBlock, count - done);
    TPupilRecord* last = pupils.data() + (count - done);  // one past the highest pupil of the block
    TPupilRecord* first = last - n;
    const qint64 bytes = n * recordSize;
    if (version == kClassFileVersion1) {
      const qint64 read = file.Read(oldRecords.data(), bytes);
      if (read < 0) return ReadFault::Open;
      if (read < bytes) return ReadFault::TooShort;
      for (int k = 0; k < n; ++k) ConvertV1PupilRecord(oldRecords[static_cast<std::size_t>(k)], *(last - 1 - k));
    } else {
      const qint64 read = file.Read(first, bytes);
      if (read < 0) return ReadFault::Open;
      if (read < bytes) return ReadFault::TooShort;
      std::reverse(first, last);
    }
    for (TPupilRecord* r = first; r != last; ++r) ClampRecordLengths(*r);
    done += n;
  }
  header.VersionLoaded = version;
  header.VersionWritten = kClassFileVersion2;
  return ReadFault::None;
}

// Writes header and the first count pupils, last pupil first, in version 2,
// as the complete new content of path.
bool WriteClassImage(const QString& path, const TClassFileHeader& header, const TDB2& pupils, int count) {
  platform::ReplacingFile file(path, platform::FileAccess::OwnerOnly);
  if (!file.Open(kHeaderSize + count * qint64{sizeof(TPupilRecord)}) || !file.Write(&header, sizeof header))
    return false;
  const int perBlock = static_cast<int>(std::max<qint64>(1, kBlockBytes / qint64{sizeof(TPupilRecord)}));
  std::vector<TPupilRecord> block(static_cast<std::size_t>(std::min(perBlock, std::max(count, 1))));
  for (int done = 0; done < count;) {
    const int n = std::min(perBlock, count - done);
    for (int k = 0; k < n; ++k)
      block[static_cast<std::size_t>(k)] = pupils[static_cast<std::size_t>(count - 1 - done - k)];
    if (!file.Write(block.data(), static_cast<std::size_t>(n) * sizeof(TPupilRecord))) return false;
    done += n;
  }
  return file.Commit();
}

int StoredPupilCount() { return std::max(0, std::min(PupilCount, static_cast<int>(Pupils.size()))); }

// Copies a short string with its length byte into one of at least its capacity.
template <int N, int M>
void CopyShortString(const ShortString<N>& from, ShortString<M>& to) {
  static_assert(N <= M);
  to.Len = static_cast<std::uint8_t>(from.length());
  std::memcpy(to.Chars, from.Chars, N);
}

void ClampSubjectLengths(TSubjectEntry& e) {
  e.Name.clampLength();
  e.Grade.clampLength();
  e.Addition.clampLength();
  e.CourseLevel.clampLength();
  e.Reserved38.clampLength();
}

}  // namespace

void ClampRecordLengths(TPupilRecord& r) {
  r.Surname.clampLength();
  r.FirstName.clampLength();
  r.BirthDate.clampLength();
  r.BirthPlace.clampLength();
  r.MonthText1.clampLength();
  r.MonthText2.clampLength();
  r.SchoolYear.clampLength();
  r.ClassName.clampLength();
  r.ClassTeacher.clampLength();
  r.NextSchool.clampLength();
  r.Jahrgangsstufe.clampLength();
  r.AbsenceDays.clampLength();
  r.AbsenceDaysExcused.clampLength();
  r.IssuePlace.clampLength();
  r.IssueDate.clampLength();
  r.ExamDate.clampLength();
  r.FourthExamSubject.clampLength();
  r.LegacyText.clampLength();
  for (auto& e : r.Subjects) ClampSubjectLengths(e);
}

void ConvertV1PupilRecord(const TPupilRecordV1& in, TPupilRecord& out) {
  std::memset(static_cast<void*>(&out), 0, sizeof out);
  out.Reserved0 = in.Reserved0;
  out.Active = in.Active;
  out.Reserved4 = in.Reserved4;
  const std::uint16_t type = in.CreatedSchoolType;
  out.CreatedSchoolType = static_cast<std::uint16_t>(type >= 3 ? type + 1 : type);
  out.RandomTag = in.RandomTag;
  for (int i = 0; i < 3; ++i) out.Reserved10[i] = in.Reserved10[i];
  out.KeyNumber = in.KeyNumber;
  CopyShortString(in.Surname, out.Surname);
  CopyShortString(in.FirstName, out.FirstName);
  CopyShortString(in.BirthDate, out.BirthDate);
  CopyShortString(in.BirthPlace, out.BirthPlace);
  out.Sex = in.Sex;
  CopyShortString(in.MonthText1, out.MonthText1);
  CopyShortString(in.MonthText2, out.MonthText2);
  out.AnspruchsebeneAll = in.AnspruchsebeneAll;
  out.Klassenstufe = static_cast<std::uint16_t>(in.Klassenstufe + 4);
  CopyShortString(in.SchoolYear, out.SchoolYear);
  CopyShortString(in.ClassName, out.ClassName);
  CopyShortString(in.ClassTeacher, out.ClassTeacher);
  CopyShortString(in.NextSchool, out.NextSchool);
  CopyShortString(in.Jahrgangsstufe, out.Jahrgangsstufe);
  CopyShortString(in.AbsenceDays, out.AbsenceDays);
  CopyShortString(in.AbsenceDaysExcused, out.AbsenceDaysExcused);
  CopyShortString(in.IssuePlace, out.IssuePlace);
  CopyShortString(in.IssueDate, out.IssueDate);
  out.SkipInBatch = in.SkipInBatch;
  out.Schullaufbahnempfehlung = in.Schullaufbahnempfehlung;
  for (int i = 0; i < 2; ++i) out.Reserved366[i] = in.Reserved300[i];
  out.ExamDataPresent = in.ExamDataPresent;
  CopyShortString(in.ExamDate, out.ExamDate);
  CopyShortString(in.FourthExamSubject, out.FourthExamSubject);
  out.ExamPassed = in.ExamPassed;
  for (int i = 0; i < 3; ++i) out.Reserved392[i] = in.Reserved328[i];
  CopyShortString(in.LegacyText, out.LegacyText);

  // Version 1 had no slots 9 and 18.
  for (int k = 0; k < 8; ++k) out.Subjects[k] = in.Subjects1To8[k];
  for (int k = 0; k < 8; ++k) out.Subjects[9 + k] = in.Subjects10To17[k];
  for (int k = 0; k < 6; ++k) out.Subjects[18 + k] = in.Subjects19To24[k];
  out.Subjects[24] = in.Subject25;
  BlankSubjectEntryFields(out.Subjects[8]);
  BlankSubjectEntryFields(out.Subjects[17]);

  // Report kind, half year, Abschlussart, Gesamtpraedikat, Klassenart and
  // ShownFormNumber stay 0; remarks and teacher notes stay empty.
  out.FormNumber = -1;
  out.LayoutFormNumber = -1;
  std::memcpy(out.DevelopmentText.Chars, in.DevelopmentText, sizeof in.DevelopmentText);
}

bool ReadClassFile(const QString& folder, const QString& name) {
  // The records are read into the scratch array, which then changes places
  // with the class: its storage, left from a class read before, is reused.
  TClassFileHeader header;
  TDB2& pupils = ScratchPupils;
  const ReadFault fault = LoadClassFile(folder + name, header, pupils);
  if (fault != ReadFault::None) {
    ReportReadFault(fault);
    return false;
  }
  ClassFileHeader = header;
  std::swap(Pupils, pupils);
  PupilCount = static_cast<int>(Pupils.size());
  if (CurrentPupil >= PupilCount) CurrentPupil = PupilCount - 1;
  WriteBackupCopy(folder, name);
  return true;
}

QString BackupFileName(const QString& classFileName) {
  const qsizetype keep = classFileName.size() - 4;
  return (keep > 0 ? classFileName.left(keep) : QString()) + QString::fromLatin1(kBackupFileExtension);
}

bool WriteBackupCopy(const QString& folder, const QString& name) {
  const QString path = folder + BackupFileName(name);
  if (WriteClassImage(path, ClassFileHeader, Pupils, StoredPupilCount())) return true;
  ReportBackupFailure(path);
  return false;
}

void ReportBackupFailure(const QString& path) {
  platform::ShowMessage(QString::fromUtf8("Beim Erstellen der Sicherungs-Datei ist ein Fehler aufgetreten!\r") + path,
                        platform::MsgKind::Error);
}

bool WriteClassFile() {
  const int count = StoredPupilCount();
  ClassFileHeader.RecordCount = static_cast<std::uint16_t>(count);
  const QString path = DataDir + ClassFileName;
  // Only an existing file is saved into; a new one is made by the save under a new name.
  if (platform::FileExists(path) && WriteClassImage(path, ClassFileHeader, Pupils, count)) return true;
  platform::ShowMessage(QString::fromUtf8(" Fehler beim Speichern von: \r") + DataDir + ClassFileName,
                        platform::MsgKind::Plain);
  return false;
}

void ResetClassFileHeader() {
  std::memset(&ClassFileHeader, 0, sizeof ClassFileHeader);
  ClassFileHeader.RecordCount = static_cast<std::uint16_t>(StoredPupilCount());
  ClassFileHeader.Magic.set(kClassFileMagic);
  ClassFileHeader.VersionWritten = kClassFileVersion2;
  ClassFileHeader.VersionLoaded = kClassFileVersion2;
}

}  // namespace quorv
