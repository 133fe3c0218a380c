#pragma once
// The class file (*.QVR): a 92-byte header followed by the pupil records, last
// pupil first. Version 1 (4144-byte records) is read and converted; version 2
// (6044-byte records) is read and written. Reading writes a backup copy (*.$VR).
#include <QString>
#include <cstddef>
#include <cstdint>

#include "platform/BinIO.h"
#include "records/QuorvDat.h"

namespace quorv {

struct TClassFileHeader {
  LeU16 RecordCount;
  ShortString<12> Magic;  // "vrn Quorv DB"
  std::uint8_t Reserved15[5];
  LeU16 VersionWritten;  // record format of the file: 1 or 2
  LeU16 VersionLoaded;   // format the class was read from; written back unchanged
  std::uint8_t Reserved24[68];
};
static_assert(sizeof(TClassFileHeader) == 92);
static_assert(alignof(TClassFileHeader) == 1);
static_assert(offsetof(TClassFileHeader, Magic) == 2);
static_assert(offsetof(TClassFileHeader, Reserved15) == 15);
static_assert(offsetof(TClassFileHeader, VersionWritten) == 20);
static_assert(offsetof(TClassFileHeader, VersionLoaded) == 22);
static_assert(offsetof(TClassFileHeader, Reserved24) == 24);

// The record of version-1 class files; only read, to be converted.
struct TPupilRecordV1 {
  LeU16 Reserved0;
  LeU16 Active;
  LeU16 Reserved4;
  LeU16 CreatedSchoolType;  // types from 3 on are one lower than today
  LeU16 RandomTag;
  LeU16 Reserved10[3];
  LeI32 KeyNumber;
  ShortString<30> Surname;
  ShortString<30> FirstName;
  ShortString<10> BirthDate;
  ShortString<30> BirthPlace;
  LeI32 Sex;
  ShortString<20> MonthText1;
  ShortString<20> MonthText2;
  std::uint8_t Unused170[4];
  LeU16 AnspruchsebeneAll;
  std::uint8_t Unused176[2];
  LeU16 Klassenstufe;  // four lower than today
  ShortString<4> SchoolYear;
  ShortString<5> ClassName;
  ShortString<5> ClassTeacher;
  ShortString<30> NextSchool;
  ShortString<2> Jahrgangsstufe;
  ShortString<5> AbsenceDays;
  ShortString<5> AbsenceDaysExcused;
  ShortString<30> IssuePlace;
  ShortString<20> IssueDate;
  std::uint8_t Unused295;
  LeU16 SkipInBatch;
  LeU16 Schullaufbahnempfehlung;
  LeU16 Reserved300[2];
  std::uint8_t Unused304[2];
  LeU16 ExamDataPresent;
  ShortString<10> ExamDate;
  ShortString<5> FourthExamSubject;
  std::uint8_t Unused325;
  LeU16 ExamPassed;
  LeU16 Reserved328[3];
  ShortString<3> LegacyText;
  TSubjectEntry Subjects1To8[8];
  TSubjectEntry Subjects10To17[8];
  TSubjectEntry Subjects19To24[6];
  std::uint8_t Unused1306[88];
  TSubjectEntry Subject25;
  std::uint8_t Unused1438[401];
  char DevelopmentText[1001];
  std::uint8_t Unused2840[1304];
};
static_assert(sizeof(TPupilRecordV1) == 4144);
static_assert(alignof(TPupilRecordV1) == 1);
static_assert(offsetof(TPupilRecordV1, KeyNumber) == 16);
static_assert(offsetof(TPupilRecordV1, Surname) == 20);
static_assert(offsetof(TPupilRecordV1, FirstName) == 51);
static_assert(offsetof(TPupilRecordV1, BirthDate) == 82);
static_assert(offsetof(TPupilRecordV1, BirthPlace) == 93);
static_assert(offsetof(TPupilRecordV1, Sex) == 124);
static_assert(offsetof(TPupilRecordV1, MonthText1) == 128);
static_assert(offsetof(TPupilRecordV1, MonthText2) == 149);
static_assert(offsetof(TPupilRecordV1, Unused170) == 170);
static_assert(offsetof(TPupilRecordV1, AnspruchsebeneAll) == 174);
static_assert(offsetof(TPupilRecordV1, Klassenstufe) == 178);
static_assert(offsetof(TPupilRecordV1, SchoolYear) == 180);
static_assert(offsetof(TPupilRecordV1, ClassName) == 185);
static_assert(offsetof(TPupilRecordV1, ClassTeacher) == 191);
static_assert(offsetof(TPupilRecordV1, NextSchool) == 197);
static_assert(offsetof(TPupilRecordV1, Jahrgangsstufe) == 228);
static_assert(offsetof(TPupilRecordV1, AbsenceDays) == 231);
static_assert(offsetof(TPupilRecordV1, AbsenceDaysExcused) == 237);
static_assert(offsetof(TPupilRecordV1, IssuePlace) == 243);
static_assert(offsetof(TPupilRecordV1, IssueDate) == 274);
static_assert(offsetof(TPupilRecordV1, Unused295) == 295);
static_assert(offsetof(TPupilRecordV1, SkipInBatch) == 296);
static_assert(offsetof(TPupilRecordV1, Schullaufbahnempfehlung) == 298);
static_assert(offsetof(TPupilRecordV1, Reserved300) == 300);
static_assert(offsetof(TPupilRecordV1, ExamDataPresent) == 306);
static_assert(offsetof(TPupilRecordV1, ExamDate) == 308);
static_assert(offsetof(TPupilRecordV1, FourthExamSubject) == 319);
static_assert(offsetof(TPupilRecordV1, ExamPassed) == 326);
static_assert(offsetof(TPupilRecordV1, Reserved328) == 328);
static_assert(offsetof(TPupilRecordV1, LegacyText) == 334);
static_assert(offsetof(TPupilRecordV1, Subjects1To8) == 338);
static_assert(offsetof(TPupilRecordV1, Subjects10To17) == 690);
static_assert(offsetof(TPupilRecordV1, Subjects19To24) == 1042);
static_assert(offsetof(TPupilRecordV1, Unused1306) == 1306);
static_assert(offsetof(TPupilRecordV1, Subject25) == 1394);
static_assert(offsetof(TPupilRecordV1, Unused1438) == 1438);
static_assert(offsetof(TPupilRecordV1, DevelopmentText) == 1839);
static_assert(offsetof(TPupilRecordV1, Unused2840) == 2840);

inline constexpr const char* kClassFileMagic = "vrn Quorv DB";
inline constexpr const char* kClassFileExtension = ".QVR";
inline constexpr const char* kBackupFileExtension = ".$VR";
constexpr std::uint16_t kClassFileVersion1 = 1;
constexpr std::uint16_t kClassFileVersion2 = 2;

// The header of the current class.
extern TClassFileHeader ClassFileHeader;

// Reads folder + name into ClassFileHeader, PupilCount and Pupils (converting
// version-1 records), then writes the backup copy. A file that is refused
// leaves the class and the header untouched; each failure is reported here.
// True when the class was read.
bool ReadClassFile(const QString& folder, const QString& name);

// Converts a version-1 record into a zero-based version-2 record.
void ConvertV1PupilRecord(const TPupilRecordV1& in, TPupilRecord& out);

// Clamps the length byte of every short string of the record to its capacity.
void ClampRecordLengths(TPupilRecord& r);

// The backup name: the class file name without its last four characters + ".$VR".
QString BackupFileName(const QString& classFileName);

// Writes ClassFileHeader and Pupils (version 2) to folder + the backup name.
// Reports a failure itself; true when the copy was written.
bool WriteBackupCopy(const QString& folder, const QString& name);
// The message that the backup copy at path could not be written.
void ReportBackupFailure(const QString& path);

// Writes ClassFileHeader and Pupils into the existing file DataDir +
// ClassFileName. The file is replaced only once the new content is complete.
// Reports a failure itself; true when the class was written.
bool WriteClassFile();

// Makes ClassFileHeader a fresh header for the current class.
void ResetClassFileHeader();

}  // namespace quorv
