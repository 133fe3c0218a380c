#pragma once
// The subject catalogue: the 51 subjects with their groups and their pupil
// slot per report form, built from a fixed table and optionally replaced from
// "Faecher.DAT", and the four subject lists built from it.
#include <QStringList>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/BinIO.h"

namespace quorv {

constexpr int kCatalogEntries = 51;    // entries 0..50
constexpr int kSlotByFormSize = 106;   // SlotByForm indices 0..105
constexpr int kGroupFlags = 12;        // g0..g11
constexpr int kSchoolTypeFlags = 8;    // school types 0..7
constexpr int kCatalogNameLength = 40;
constexpr int kListNameLength = 30;

struct TSubjectCatalogEntry {
  platform::ShortString<40> Name;
  platform::ShortString<5> Abbreviation;
  std::uint8_t Pad47;
  platform::LeU16 GroupFlags[kGroupFlags];          // 1 = member of group g0..g11
  platform::LeI32 SchoolTypeFlags[kSchoolTypeFlags];  // u32 in the file; carried only
  // Raw slot per form number as held in the file; read slots through CatalogSlot.
  platform::LeI32 SlotByForm[kSlotByFormSize];
  platform::LeU16 AbbrevListFlag;  // 1 = abbreviation offered in SubjectAbbrevList
  platform::LeU16 Reserved530[3];
  platform::ShortString<51> ReservedText;
};
static_assert(sizeof(TSubjectCatalogEntry) == 588);
static_assert(alignof(TSubjectCatalogEntry) == 1);
static_assert(offsetof(TSubjectCatalogEntry, Name) == 0);
static_assert(offsetof(TSubjectCatalogEntry, Abbreviation) == 41);
static_assert(offsetof(TSubjectCatalogEntry, Pad47) == 47);
static_assert(offsetof(TSubjectCatalogEntry, GroupFlags) == 48);
static_assert(offsetof(TSubjectCatalogEntry, SchoolTypeFlags) == 72);
static_assert(offsetof(TSubjectCatalogEntry, SlotByForm) == 104);
static_assert(offsetof(TSubjectCatalogEntry, AbbrevListFlag) == 528);
static_assert(offsetof(TSubjectCatalogEntry, Reserved530) == 530);
static_assert(offsetof(TSubjectCatalogEntry, ReservedText) == 536);

// Group flags that decide something.
constexpr int kGroupForeignLanguage = 4;
constexpr int kGroupReligion = 6;

// Entries with a fixed meaning.
constexpr int kNoSubjectEntry = 0;       // "  - - -"
constexpr int kUnknownSubjectEntry = 1;  // "???"
constexpr int kAwtEntry = 2;
constexpr int kAwtuiEntry = 3;
constexpr int kPhilosophyEntry = 24;
constexpr int kProtestantReligionEntry = 27;
constexpr int kCatholicReligionEntry = 28;
constexpr int kFirstSearchedEntry = 2;   // lookups and predicates search 2..50

constexpr int kFirstSlot = 1;
constexpr int kLastSlot = 25;

inline constexpr const char* kSubjectCatalogFile = "Faecher.DAT";
constexpr std::size_t kSubjectCatalogFileSize = kCatalogEntries * sizeof(TSubjectCatalogEntry);
static_assert(kSubjectCatalogFileSize == 29988);

using TSubjectCatalog = std::array<TSubjectCatalogEntry, kCatalogEntries>;

extern TSubjectCatalog SubjectCatalog;

// Names (cut to 30 characters) and abbreviations offered by the data sheet,
// in catalogue order; each begins with the no-subject item.
extern QStringList LanguageSubjectList;
extern QStringList ReligionSubjectList;
extern QStringList AllSubjectNames;
extern QStringList SubjectAbbrevList;

// Fills SubjectCatalog with the built-in table.
void BuildDefaultSubjectCatalog();

enum class CatalogLoad {
  NoFile,      // no file in either folder: the catalogue is unchanged
  Loaded,      // all 51 entries read
  Short,       // file too short: only whole blocks read, the other entries unchanged
  OpenFailed,  // the message has been shown; the catalogue is unchanged
};
struct CatalogLoadResult {
  CatalogLoad Status;
  int EntriesRead;  // whole 588-byte blocks taken from the file
};

// Replaces the catalogue from DataDir + "Faecher.DAT", else from ProgramDir.
// The file holds the entries last first. Length bytes are clamped.
CatalogLoadResult LoadSubjectCatalog();

void BuildLanguageSubjectList();
void BuildSubjectAbbrevList();
void BuildReligionSubjectList();
void BuildAllSubjectNames();
// Rebuilds the four lists in the order above.
void BuildSubjectLists();

// Start-up: empty lists, built-in table, "Faecher.DAT", lists.
void InitSubjectCatalog();

// The slot (1..25) of an entry at a SlotByForm index; 0 for no slot, which
// includes an index outside 0..105 and a value outside 1..25.
int CatalogSlot(int entry, int index);

// The first entry 2..50 placed in the slot on the form, or -1 when none.
int SubjectForSlot(int form, int slot);

// Name predicates over entries 2..50; the name is compared by its first 40
// characters, exactly (1252 bytes, case and blanks count).
bool IsForeignLanguageSubject(std::string_view name);
bool IsReligionSubject(std::string_view name);
// Mathematik, Deutsch, Physik, Chemie, Naturwissenschaften; Biologie only at
// the Integrierte Gesamtschule.
bool IsCourseLevelSubject(std::string_view name);

}  // namespace quorv
