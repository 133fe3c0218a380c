#pragma once
// The per-subject grade lists for the subject teachers: one ".FDB" file of
// fixed-size entries per subject, merged with a list that exists already,
// whose old state is kept as ".§DB".
#include <QByteArray>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/BinIO.h"
#include "records/QuorvDat.h"
#include "settings/Facheinst.h"

namespace quorv {

struct TGradeListEntry {
  std::uint8_t PupilHead[16];  // the pupil record's first 16 bytes
  platform::LeI32 KeyNumber;
  platform::ShortString<30> Surname;
  platform::ShortString<30> FirstName;
  std::uint8_t Pad82[2];
  platform::LeU16 ReportKind;
  platform::LeU16 AnspruchsebeneAll;
  platform::ShortString<5> ClassName;
  platform::ShortString<5> ClassTeacher;
  platform::ShortString<5> AbsenceDays;
  platform::ShortString<5> AbsenceDaysExcused;
  platform::LeU16 Reserved112[3];
  std::uint8_t Reserved118[301];
  platform::ShortString<30> SubjectName;
  platform::ShortString<1> Grade;
  platform::ShortString<2> Addition;
  platform::ShortString<1> CourseLevel;
  platform::ShortString<5> SubjectReserved;
  std::uint8_t Pad463;
};
static_assert(sizeof(TGradeListEntry) == 464);
static_assert(alignof(TGradeListEntry) == 1);
static_assert(offsetof(TGradeListEntry, KeyNumber) == 16);
static_assert(offsetof(TGradeListEntry, Surname) == 20);
static_assert(offsetof(TGradeListEntry, FirstName) == 51);
static_assert(offsetof(TGradeListEntry, Pad82) == 82);
static_assert(offsetof(TGradeListEntry, ReportKind) == 84);
static_assert(offsetof(TGradeListEntry, AnspruchsebeneAll) == 86);
static_assert(offsetof(TGradeListEntry, ClassName) == 88);
static_assert(offsetof(TGradeListEntry, ClassTeacher) == 94);
static_assert(offsetof(TGradeListEntry, AbsenceDays) == 100);
static_assert(offsetof(TGradeListEntry, AbsenceDaysExcused) == 106);
static_assert(offsetof(TGradeListEntry, Reserved112) == 112);
static_assert(offsetof(TGradeListEntry, Reserved118) == 118);
static_assert(offsetof(TGradeListEntry, SubjectName) == 419);
static_assert(offsetof(TGradeListEntry, Grade) == 450);
static_assert(offsetof(TGradeListEntry, Addition) == 452);
static_assert(offsetof(TGradeListEntry, CourseLevel) == 455);
static_assert(offsetof(TGradeListEntry, SubjectReserved) == 457);
static_assert(offsetof(TGradeListEntry, Pad463) == 463);

using TFaNoDB = std::vector<TGradeListEntry>;

constexpr int kMaxGradeListEntries = 65535;
constexpr std::int32_t kBlankGradeListKey = -999999;
constexpr int kExportBoxes = 40;  // boxes 1..40 stand for catalogue entries 2..41

// One subject's list while it is merged; reused for every subject.
extern TFaNoDB GradeList;

// The export settings, kept for the run (not saved).
enum ExportKinds : std::uint16_t { ekAllSubjects = 0, ekSelectedSubjects = 1, ekSingleSubjects = 2 };
extern std::uint16_t ExportKind;
extern std::array<std::uint16_t, kCatalogEntries> ExportSubjectSelection;  // 1 = export the entry
extern bool ExtraDiskPerSubject;
extern bool DeleteOldList;
extern bool ReplaceFoundEntries;
extern QString GradeListFolder;  // ends with '/'

void InitGradeListEntry(TGradeListEntry& entry);
// Clamps the length bytes of an entry read from a file to their capacities.
void ClampGradeListEntryLengths(TGradeListEntry& entry);
// Copies the pupil's part and the subject slot (1..25) into the entry.
void FillGradeListEntry(const TPupilRecord& pupil, int slot, TGradeListEntry& entry);

// Class file name without its extension + "_" + abbreviation + ".FDB", with
// the characters that cannot stand in a file name replaced by '_'.
QString GradeListFileName(const QString& classFileName, int catalogEntry);
// The backup's name: the list's name with ".§DB" for ".FDB".
QString BackupGradeListFileName(const QString& listFileName);

// A list file's image: count, then the entries last first.
QByteArray GradeListImage(const TFaNoDB& list, int used);

// Writes the list of every selected subject into GradeListFolder, merging
// with an old list there. False when the export ended early (an old list
// that could not be opened, a list that could not be written).
bool ExportGradeLists();

}  // namespace quorv
