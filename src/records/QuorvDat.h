#pragma once
// The pupil record, the in-memory class and its key numbers.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/BinIO.h"

namespace quorv {

using platform::CharArray;
using platform::LeI32;
using platform::LeU16;
using platform::ShortString;

struct TSubjectEntry {
  ShortString<30> Name;        // "???" empty slot, "  - - -" slot without a subject
  ShortString<1> Grade;        // grade code
  ShortString<2> Addition;     // "Zusatz"
  ShortString<1> CourseLevel;  // "-", "B", "E", "G", "H", "R", "M"
  ShortString<5> Reserved38;
};
static_assert(sizeof(TSubjectEntry) == 44);
static_assert(offsetof(TSubjectEntry, Grade) == 31);
static_assert(offsetof(TSubjectEntry, Addition) == 33);
static_assert(offsetof(TSubjectEntry, CourseLevel) == 36);
static_assert(offsetof(TSubjectEntry, Reserved38) == 38);

constexpr int kSubjectSlots = 25;
constexpr int kDevelopmentTextSize = 2001;
constexpr int kRemarksTextSize = 501;
constexpr int kTeacherNotesTextSize = 2001;

struct TPupilRecord {
  LeU16 Reserved0;
  LeU16 Active;  // 1 live, 0 marked deleted
  LeU16 Reserved4;
  LeU16 CreatedSchoolType;
  LeU16 RandomTag;
  LeU16 Reserved10[3];
  LeI32 KeyNumber;
  ShortString<30> Surname;
  ShortString<30> FirstName;
  ShortString<10> BirthDate;
  ShortString<30> BirthPlace;
  LeI32 Sex;  // -1 not set, 0 boy, 1 girl
  ShortString<20> MonthText1;
  ShortString<20> MonthText2;
  std::uint8_t Reserved170[50];
  LeU16 ReportKind;
  LeU16 HalfYear;
  LeU16 AnspruchsebeneAll;
  LeU16 Abschlussart;
  LeU16 Klassenstufe;
  ShortString<4> SchoolYear;
  ShortString<5> ClassName;
  ShortString<5> ClassTeacher;
  ShortString<30> NextSchool;
  ShortString<2> Jahrgangsstufe;
  ShortString<5> AbsenceDays;
  ShortString<5> AbsenceDaysExcused;
  std::uint8_t Pad293;
  LeU16 Gesamtpraedikat;
  ShortString<30> IssuePlace;
  ShortString<20> IssueDate;
  LeU16 SkipInBatch;
  LeU16 Schullaufbahnempfehlung;
  LeI32 FormNumber;
  LeI32 LayoutFormNumber;
  LeI32 ShownFormNumber;
  LeU16 Klassenart;
  LeU16 Reserved366[2];
  LeU16 ExamDataPresent;
  ShortString<10> ExamDate;
  ShortString<5> FourthExamSubject;
  std::uint8_t Pad389;
  LeU16 ExamPassed;
  LeU16 Reserved392[3];
  ShortString<40> LegacyText;
  std::uint8_t Pad439;
  TSubjectEntry Subjects[kSubjectSlots];  // slot k (1..25) is Subjects[k - 1]
  CharArray<kDevelopmentTextSize> DevelopmentText;
  CharArray<kRemarksTextSize> RemarksText;
  CharArray<kTeacherNotesTextSize> TeacherNotesText;
  std::uint8_t Pad6043;
};

static_assert(sizeof(TPupilRecord) == 6044);
static_assert(alignof(TPupilRecord) == 1);
static_assert(offsetof(TPupilRecord, Active) == 2);
static_assert(offsetof(TPupilRecord, CreatedSchoolType) == 6);
static_assert(offsetof(TPupilRecord, RandomTag) == 8);
static_assert(offsetof(TPupilRecord, KeyNumber) == 16);
static_assert(offsetof(TPupilRecord, Surname) == 20);
static_assert(offsetof(TPupilRecord, FirstName) == 51);
static_assert(offsetof(TPupilRecord, BirthDate) == 82);
static_assert(offsetof(TPupilRecord, BirthPlace) == 93);
static_assert(offsetof(TPupilRecord, Sex) == 124);
static_assert(offsetof(TPupilRecord, MonthText1) == 128);
static_assert(offsetof(TPupilRecord, MonthText2) == 149);
static_assert(offsetof(TPupilRecord, Reserved170) == 170);
static_assert(offsetof(TPupilRecord, ReportKind) == 220);
static_assert(offsetof(TPupilRecord, HalfYear) == 222);
static_assert(offsetof(TPupilRecord, AnspruchsebeneAll) == 224);
static_assert(offsetof(TPupilRecord, Abschlussart) == 226);
static_assert(offsetof(TPupilRecord, Klassenstufe) == 228);
static_assert(offsetof(TPupilRecord, SchoolYear) == 230);
static_assert(offsetof(TPupilRecord, ClassName) == 235);
static_assert(offsetof(TPupilRecord, ClassTeacher) == 241);
static_assert(offsetof(TPupilRecord, NextSchool) == 247);
static_assert(offsetof(TPupilRecord, Jahrgangsstufe) == 278);
static_assert(offsetof(TPupilRecord, AbsenceDays) == 281);
static_assert(offsetof(TPupilRecord, AbsenceDaysExcused) == 287);
static_assert(offsetof(TPupilRecord, Gesamtpraedikat) == 294);
static_assert(offsetof(TPupilRecord, IssuePlace) == 296);
static_assert(offsetof(TPupilRecord, IssueDate) == 327);
static_assert(offsetof(TPupilRecord, SkipInBatch) == 348);
static_assert(offsetof(TPupilRecord, Schullaufbahnempfehlung) == 350);
static_assert(offsetof(TPupilRecord, FormNumber) == 352);
static_assert(offsetof(TPupilRecord, LayoutFormNumber) == 356);
static_assert(offsetof(TPupilRecord, ShownFormNumber) == 360);
static_assert(offsetof(TPupilRecord, Klassenart) == 364);
static_assert(offsetof(TPupilRecord, Reserved366) == 366);
static_assert(offsetof(TPupilRecord, ExamDataPresent) == 370);
static_assert(offsetof(TPupilRecord, ExamDate) == 372);
static_assert(offsetof(TPupilRecord, FourthExamSubject) == 383);
static_assert(offsetof(TPupilRecord, ExamPassed) == 390);
static_assert(offsetof(TPupilRecord, Reserved392) == 392);
static_assert(offsetof(TPupilRecord, LegacyText) == 398);
static_assert(offsetof(TPupilRecord, Subjects) == 440);
static_assert(offsetof(TPupilRecord, DevelopmentText) == 1540);
static_assert(offsetof(TPupilRecord, RemarksText) == 3541);
static_assert(offsetof(TPupilRecord, TeacherNotesText) == 4042);
static_assert(offsetof(TPupilRecord, Pad6043) == 6043);

// Growable array of records; grown elements are zero-filled.
using TDB2 = std::vector<TPupilRecord>;

// Placeholder texts.
inline constexpr const char* kUnfilled = "???";
inline constexpr const char* kNoContent = "  - - -";
inline constexpr const char* kLongTextDefault = "  - - - - -";
inline constexpr const char* kDefaultClassFileName = "Vorgabe.QVR";

constexpr int kMaxPupils = 65535;
constexpr std::int32_t kFirstKeyNumber = -9999999;

// The class (lives for the whole run).
extern TDB2 Pupils;
extern int PupilCount;    // 1..65535 while a class is shown; equals Pupils.size()
extern int CurrentPupil;  // 0..PupilCount-1 (PupilCount only transiently, for the import)
extern bool Modified;
extern QString ClassFileName;
extern QString ProgramDir;  // ends in '/'
extern QString DataDir;     // ends in '/'
// The coat-of-arms pictures printed on leaving and final reports (set at start-up).
extern QString ArmsPictureColour;
extern QString ArmsPictureMono;
extern TPupilRecord TemplatePupil;
extern TPupilRecord ClipboardPupil;
extern TDB2 ScratchPupils;

// A zero-filled record.
TPupilRecord ZeroPupilRecord();

// A record counts as an unfilled row when its surname is "???", "  - - -" or empty.
bool IsPlaceholderRow(const TPupilRecord& r);

void BlankSubjectEntryFields(TSubjectEntry& e);
void InitPupilRecord(TPupilRecord& r);
void InitCurrentPupil();

bool IsKeyNumberFree(const TDB2& pupils, std::int32_t key);
// Smallest key from -9999999 upwards that no record other than self carries.
std::int32_t NewKeyNumber(const TDB2& pupils, const TPupilRecord* self = nullptr);
// Repairs duplicate key numbers: the first carrier keeps its key; every later
// carrier gets -key when key is positive and -key is free, else NewKeyNumber.
void MakeKeyNumbersUnique(TDB2& pupils);
void MakeKeyNumbersUnique();

// Inserts a default record behind CurrentPupil (at the end when CurrentPupil ==
// PupilCount) and makes it current. False, with a message and nothing changed,
// when the class is full.
bool InsertPupilAfterCurrent();
void CopyHeaderFromPreviousPupil();

// Makes the class one record (a copy of rec) with index 0 current.
void SetSingleRecordClass(const TPupilRecord& rec);

}  // namespace quorv
