#include "records/GradeList.h"

#include "records/ClassFile.h"
#include "records/SubjectGrades.h"

#include <algorithm>
#include <cstring>

#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/Messages.h"

namespace quorv {

TFaNoDB GradeList;
std::uint16_t ExportKind = ekAllSubjects;
std::array<std::uint16_t, kCatalogEntries> ExportSubjectSelection{};
bool ExtraDiskPerSubject = false;
bool DeleteOldList = false;
bool ReplaceFoundEntries = false;
QString GradeListFolder;

namespace {

constexpr int kFirstExportedEntry = 2;
constexpr std::size_t kCountSize = 2;

bool SamePupil(const TGradeListEntry& a, const TGradeListEntry& b) {
  return static_cast<std::int32_t>(a.KeyNumber) == static_cast<std::int32_t>(b.KeyNumber) &&
         a.Surname.bytes() == b.Surname.bytes() && a.FirstName.bytes() == b.FirstName.bytes();
}

bool IsFloppyFolder(const QString& folder) {
  if (folder.isEmpty()) return false;
  const QChar c = folder.front();
  return c == u'A' || c == u'B' || c == u'a' || c == u'b';
}

// Reads an old list into GradeList positions c - 1 down to 0 behind a room of
// n entries, its length bytes clamped. False when the file holds fewer entries
// than its count says.
bool ReadOldList(const QByteArray& bytes, int& count) {
  if (static_cast<std::size_t>(bytes.size()) < kCountSize) return false;
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
  count = platform::ReadLeU16(data);
  const std::size_t needed = kCountSize + static_cast<std::size_t>(count) * sizeof(TGradeListEntry);
  if (static_cast<std::size_t>(bytes.size()) < needed) return false;
  const int room = DeleteOldList ? std::max(count, PupilCount) : count + PupilCount;
  GradeList.resize(static_cast<std::size_t>(room));
  for (int k = 0; k < count; ++k) {
    TGradeListEntry& entry = GradeList[static_cast<std::size_t>(count - 1 - k)];
    std::memcpy(&entry, data + kCountSize + static_cast<std::size_t>(k) * sizeof(TGradeListEntry), sizeof entry);
    ClampGradeListEntryLengths(entry);
  }
  return true;
}

// Adds the active pupils' entries for the catalogue entry to GradeList[0..used).
void MergePupils(int catalogEntry, int& used) {
  for (int i = 0; i < PupilCount && i < static_cast<int>(Pupils.size()); ++i) {
    const TPupilRecord& pupil = Pupils[static_cast<std::size_t>(i)];
    if (pupil.Active != 1) continue;
    TGradeListEntry entry;
    InitGradeListEntry(entry);
    if (const int slot = PupilCatalogSlot(pupil, catalogEntry); slot > 0) FillGradeListEntry(pupil, slot, entry);
    bool found = false;
    for (int j = used - 1; j >= 0; --j) {
      TGradeListEntry& old = GradeList[static_cast<std::size_t>(j)];
      if (!SamePupil(old, entry)) continue;
      found = true;
      if (ReplaceFoundEntries) old = entry;
    }
    if (found) continue;
    if (used >= static_cast<int>(GradeList.size())) GradeList.resize(static_cast<std::size_t>(used) + 1);
    GradeList[static_cast<std::size_t>(used++)] = entry;
  }
}

// One subject's list. False when the export has to end.
bool ExportSubject(int catalogEntry) {
  const QString name = GradeListFileName(ClassFileName, catalogEntry);
  const QString path = GradeListFolder + name;
  int used = 0;
  QByteArray old;
  int oldCount = 0;
  const bool merge = platform::FileExists(path);
  if (merge) {
    if (!platform::ReadFileBytes(path, old)) {
      platform::ShowMessage(QString::fromUtf8("Eine alte vorhandene Datei konnte nicht geöffnet werden!"),
                            platform::MsgKind::Error);
      return false;
    }
    if (!ReadOldList(old, oldCount)) {
      platform::ShowMessage(QString::fromUtf8("Die vorhandene Liste\r") + path +
                                QString::fromUtf8("\rist beschädigt: sie enthält weniger Einträge, als sie "
                                                  "angibt.\rSie wurde nicht verändert."),
                            platform::MsgKind::Error);
      return true;
    }
    if (DeleteOldList) {
      for (TGradeListEntry& e : GradeList) InitGradeListEntry(e);
    } else {
      used = oldCount;
    }
  } else {
    GradeList.resize(static_cast<std::size_t>(PupilCount));
  }
  MergePupils(catalogEntry, used);
  if (used > kMaxGradeListEntries) {
    platform::ShowMessage(QString::fromUtf8("Die vorhandene Liste\r") + path +
                              QString::fromUtf8("\rkann nicht ergänzt werden: sie hätte mehr als %1 Einträge."
                                                "\rSie wurde nicht verändert.")
                                  .arg(kMaxGradeListEntries),
                          platform::MsgKind::Error);
    return true;
  }
  if (merge) {
    const QByteArray backup =
        old.left(static_cast<qsizetype>(kCountSize + static_cast<std::size_t>(oldCount) * sizeof(TGradeListEntry)));
    const QString backupPath = GradeListFolder + BackupGradeListFileName(name);
    if (!platform::WriteFileReplacing(backupPath, backup, platform::FileAccess::OwnerOnly))
      ReportBackupFailure(backupPath);
  }
  // A list that cannot be written ends the export: the next ones would meet
  // the same full or refusing folder.
  if (used > 0 &&
      !platform::WriteFileReplacing(path, GradeListImage(GradeList, used), platform::FileAccess::OwnerOnly)) {
    platform::ShowMessage(QString::fromUtf8(" Fehler beim Speichern von: \r") + GradeListFolder + name,
                          platform::MsgKind::Plain);
    return false;
  }
  return true;
}

}  // namespace

void InitGradeListEntry(TGradeListEntry& entry) {
  std::memset(&entry, 0, sizeof entry);
  entry.KeyNumber = kBlankGradeListKey;
  entry.Surname.set(kNoContent);
  entry.ClassName.set(kUnfilled);
  entry.ClassTeacher.set(kUnfilled);
  entry.SubjectName.set(kUnfilled);
  entry.Grade.set("-");
  entry.CourseLevel.set("-");
}

void ClampGradeListEntryLengths(TGradeListEntry& entry) {
  entry.Surname.clampLength();
  entry.FirstName.clampLength();
  entry.ClassName.clampLength();
  entry.ClassTeacher.clampLength();
  entry.AbsenceDays.clampLength();
  entry.AbsenceDaysExcused.clampLength();
  entry.SubjectName.clampLength();
  entry.Grade.clampLength();
  entry.Addition.clampLength();
  entry.CourseLevel.clampLength();
  entry.SubjectReserved.clampLength();
}

void FillGradeListEntry(const TPupilRecord& pupil, int slot, TGradeListEntry& entry) {
  std::memcpy(entry.PupilHead, &pupil, sizeof entry.PupilHead);
  entry.KeyNumber = static_cast<std::int32_t>(pupil.KeyNumber);
  entry.Surname.set(pupil.Surname.bytes());
  entry.FirstName.set(pupil.FirstName.bytes());
  entry.ReportKind = static_cast<std::uint16_t>(pupil.ReportKind);
  entry.AnspruchsebeneAll = static_cast<std::uint16_t>(pupil.AnspruchsebeneAll);
  entry.ClassName.set(pupil.ClassName.bytes());
  entry.ClassTeacher.set(pupil.ClassTeacher.bytes());
  entry.AbsenceDays.set(pupil.AbsenceDays.bytes());
  entry.AbsenceDaysExcused.set(pupil.AbsenceDaysExcused.bytes());
  if (slot < kFirstSlot || slot > kLastSlot) return;
  const TSubjectEntry& s = pupil.Subjects[slot - 1];
  entry.SubjectName.set(s.Name.bytes());
  entry.Grade.set(s.Grade.bytes());
  entry.Addition.set(s.Addition.bytes());
  entry.CourseLevel.set(s.CourseLevel.bytes());
  entry.SubjectReserved.set(s.Reserved38.bytes());
}

QString GradeListFileName(const QString& classFileName, int catalogEntry) {
  QString abbreviation =
      platform::DecodeCp1252(SubjectCatalog[static_cast<std::size_t>(catalogEntry)].Abbreviation.bytes());
  static const QString kNotInFileNames = QStringLiteral("/\\:*?\"<>|");
  for (QChar& c : abbreviation)
    if (kNotInFileNames.contains(c) || c.unicode() < 0x20) c = u'_';
  return classFileName.left(std::max<qsizetype>(0, classFileName.size() - 4)) + u'_' + abbreviation +
         QStringLiteral(".FDB");
}

QString BackupGradeListFileName(const QString& listFileName) {
  return listFileName.left(std::max<qsizetype>(0, listFileName.size() - 4)) + QString::fromUtf8(".§DB");
}

QByteArray GradeListImage(const TFaNoDB& list, int used) {
  QByteArray image(static_cast<qsizetype>(kCountSize + static_cast<std::size_t>(used) * sizeof(TGradeListEntry)),
                   '\0');
  auto* data = reinterpret_cast<std::uint8_t*>(image.data());
  platform::WriteLeU16(data, static_cast<std::uint16_t>(used));
  for (int k = 0; k < used; ++k)
    std::memcpy(data + kCountSize + static_cast<std::size_t>(k) * sizeof(TGradeListEntry),
                &list[static_cast<std::size_t>(used - 1 - k)], sizeof(TGradeListEntry));
  return image;
}

bool ExportGradeLists() {
  bool asked = false;
  for (int e = kFirstExportedEntry; e < kCatalogEntries; ++e) {
    if (ExportSubjectSelection[static_cast<std::size_t>(e)] != 1) continue;
    if (!IsFloppyFolder(GradeListFolder)) {
      asked = true;
    } else if (!asked) {
      platform::ShowMessage(QStringLiteral("Legen Sie eine Diskette"), platform::MsgKind::Information);
      asked = !ExtraDiskPerSubject;
    }
    if (!ExportSubject(e)) return false;
  }
  return true;
}

}  // namespace quorv
