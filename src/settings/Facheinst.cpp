#include "settings/Facheinst.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "records/QuorvDat.h"
#include "settings/SchulEinst.h"

namespace quorv {

TSubjectCatalog SubjectCatalog = [] {
  TSubjectCatalog c;
  std::memset(c.data(), 0, sizeof c);
  return c;
}();

QStringList LanguageSubjectList;
QStringList ReligionSubjectList;
QStringList AllSubjectNames;
QStringList SubjectAbbrevList;

namespace {

constexpr std::uint32_t Bits(std::initializer_list<int> numbers) {
  std::uint32_t mask = 0;
  for (int n : numbers) mask |= 1u << n;
  return mask;
}

constexpr std::uint32_t kAllGroups = Bits({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
constexpr std::uint32_t kAllTypes = Bits({0, 1, 2, 3, 4, 5, 6, 7});
constexpr std::uint32_t kNone = 0;

struct BuiltInSubject {
  const char* Name;  // UTF-8
  const char* Abbreviation;
  std::uint32_t Groups;       // bit n = group flag gn
  bool InAbbrevList;
  std::uint32_t SchoolTypes;  // bit n = SchoolType n
};

// Entries 0..42; 43..50 are free.
const BuiltInSubject kBuiltInSubjects[] = {
    {"  - - -", "---", kAllGroups, true, kAllTypes},
    {"???", "???", kAllGroups, true, kAllTypes},
    {"Arbeit-Wirtschaft-Technik", "AWT", Bits({9}), false, Bits({0, 4, 7})},
    {"Arbeit-Wirtschaft-Technik u. Informatik", "AWTuI", Bits({9, 10}), false, Bits({0, 1, 2, 3, 5, 6, 7})},
    {"Arbeitslehre", "AL", kNone, false, Bits({0, 7})},
    {"Astronomie", "Ast", Bits({7}), true, Bits({0, 7})},
    {"Biologie", "Bio", Bits({7}), true, Bits({0, 2, 3, 4, 5, 6, 7})},
    {"Chemie", "Ch", Bits({7}), true, Bits({0, 2, 3, 4, 5, 6, 7})},
    {"Darstellendes Spiel", "DSp", kNone, false, Bits({0, 7})},
    {"Deutsch", "Deu", Bits({1, 2}), false, kAllTypes},
    {"Englisch", "Eng", Bits({4}), false, kAllTypes},
    {"Französisch", "Fr", Bits({4}), false, kAllTypes},
    {"Geografie", "Geo", Bits({5}), true, Bits({0, 2, 3, 4, 5, 6, 7})},
    {"Geschichte", "Ges", Bits({5}), true, Bits({0, 2, 3, 4, 5, 6, 7})},
    {"Griechisch", "Gr", Bits({4}), false, Bits({0, 3, 4, 7})},
    {"Hauswirtschaft", "HW", kNone, false, Bits({0, 2, 3, 5, 6, 7})},
    {"Informatik", "Inf", Bits({10}), false, Bits({0, 4, 7})},
    {"Kunst und Gestaltung", "Ku+Ge", Bits({8}), false, Bits({0, 2, 3, 4, 5, 6, 7})},
    {"Kunst", "Ku", Bits({8}), false, Bits({0, 1, 7})},
    {"Latein", "Lat", Bits({4}), false, Bits({0, 3, 4, 7})},
    {"Mathematik", "Ma", Bits({1, 3}), false, kAllTypes},
    {"Musik", "Mu", Bits({8}), false, Bits({0, 2, 3, 4, 5, 6, 7})},
    {"Naturkunde", "NaKu", kNone, false, Bits({0, 7})},
    {"Naturwissenschaften", "NaWi", Bits({7}), false, Bits({0, 3, 7})},
    {"Philosophieren mit Kindern", "PmK", Bits({6}), false, kAllTypes},
    {"Physik", "Ph", Bits({7}), true, Bits({0, 2, 3, 4, 5, 6, 7})},
    {"Portugisisch", "Por", Bits({4}), false, Bits({0, 3, 4, 7})},
    {"evangelische Religion", "evRel", Bits({6}), false, kAllTypes},
    {"katholische Religion", "kaRel", Bits({6}), false, kAllTypes},
    {"Russisch", "Ru", Bits({4}), false, kAllTypes},
    {"Sachkunde", "SaKu", kNone, false, Bits({0, 1, 7})},
    {"Sachunterricht", "SU", kNone, false, Bits({0, 1, 7})},
    {"Schwedisch", "Sw", Bits({4}), false, kAllTypes},
    {"Sozialkunde", "Sk", Bits({5}), true, Bits({0, 2, 3, 4, 5, 6, 7})},
    {"Spanisch", "Spa", Bits({4}), false, Bits({0, 2, 3, 4, 5, 6, 7})},
    {"Sport", "Sp", Bits({11}), false, kAllTypes},
    {"Technik", "Te", Bits({9}), false, Bits({0, 7})},
    {"Technik/Arbeitslehre", "Te/AL", Bits({9}), false, Bits({0, 7})},
    {"Weltkunde", "WeKu", kNone, false, Bits({0, 3, 7})},
    {"Werken", "Wer", kNone, false, Bits({0, 4, 7})},
    {"Ersatzunterricht Musik", "E Mu", Bits({8}), false, kAllTypes},
    {"Ersatzunterricht Kunst", "E Ku", Bits({8}), false, kAllTypes},
    {"Jahresarbeit", "JArb", Bits({8}), false, kAllTypes},
};
constexpr int kBuiltInSubjectCount = static_cast<int>(std::size(kBuiltInSubjects));
static_assert(kBuiltInSubjectCount == 43);

// Forms sharing one layout; each is a column of kSlotTable.
const std::vector<int> kLayoutForms[] = {
    {1, 2},
    {3, 4},
    {5, 6, 7, 8, 9, 18},
    {10, 11, 12, 15, 16, 17, 19, 28, 29},
    {13, 14, 20},
    {21, 22},
    {23},
    {24, 25},
    {26},
    {27},
    {104},
};
constexpr int kLayoutCount = static_cast<int>(std::size(kLayoutForms));
constexpr int kTableSlots = 18;

// Abbreviation of the subject in each pupil slot 1..18 per layout; "" = none.
// Columns: 1-2 | 3-4 | 5-9,18 | 10-12,15-17,19,28-29 | 13-14,20 | 21-22 | 23 | 24-25 | 26 | 27 | 104
const char* const kSlotTable[kTableSlots][kLayoutCount] = {
    /*  1 */ {"Deu", "Deu", "Deu", "Deu", "Deu", "Deu", "Deu", "Deu", "Deu", "Deu", "Deu"},
    /*  2 */ {"", "SU", "", "", "", "", "", "Ma", "Eng", "", ""},
    /*  3 */ {"", "Ma", "Ma", "", "", "", "", "", "Ma", "", ""},
    /*  4 */ {"", "", "Ges", "Ma", "Ma", "Ma", "Ma", "Mu", "WeKu", "Ma", "Ma"},
    /*  5 */ {"", "Ku", "Geo", "Ges", "Ges", "Ges", "Ges", "Ku+Ge", "AWTuI", "Ges", "Ges"},
    /*  6 */ {"", "Mu", "Sk", "Geo", "Geo", "Geo", "Sk", "Ges", "", "Geo", "Geo"},
    /*  7 */ {"", "Sp", "AWTuI", "Sk", "Sk", "Sk", "Geo", "Sk", "", "Sk", "WeKu"},
    /*  8 */ {"", "Wer", "", "AWTuI", "AWTuI", "AWT", "AWT", "Geo", "", "AWTuI", "AWTuI"},
    /*  9 */ {"", "", "", "", "", "", "", "", "", "", ""},
    /* 10 */ {"", "", "Ph", "Ph", "Ph", "Ph", "", "", "NaWi", "NaWi", "Ph"},
    /* 11 */ {"", "", "Ch", "Ch", "Ch", "Ch", "Ph", "", "Mu", "Ph", "Bio"},
    /* 12 */ {"", "", "Bio", "Bio", "Bio", "Bio", "Ch", "", "Ku+Ge", "Ch", "NaWi"},
    /* 13 */ {"", "", "Ast", "Ast", "Mu", "Ast", "Bio", "AWT", "Sp", "Bio", "Mu"},
    /* 14 */ {"", "", "Mu", "Mu", "Ku+Ge", "Inf", "Ast", "Ph", "", "Ast", "Ku+Ge"},
    /* 15 */ {"", "", "Ku+Ge", "Ku+Ge", "Sp", "Mu", "Mu", "Ch", "", "Mu", "Sp"},
    /* 16 */ {"", "", "Sp", "Sp", "", "Ku+Ge", "Ku+Ge", "Bio", "", "Ku+Ge", ""},
    /* 17 */ {"", "", "", "", "", "Sp", "Sp", "Sp", "", "Sp", ""},
    /* 18 */ {"", "", "", "", "", "", "", "", "", "", ""},
};

void SetFlags(platform::LeU16* flags, int count, std::uint32_t mask) {
  for (int i = 0; i < count; ++i) flags[i] = (mask >> i) & 1u;
}
void SetFlags(platform::LeI32* flags, int count, std::uint32_t mask) {
  for (int i = 0; i < count; ++i) flags[i] = static_cast<std::int32_t>((mask >> i) & 1u);
}

int BuiltInEntryByAbbreviation(std::string_view abbreviation) {
  for (int e = 0; e < kBuiltInSubjectCount; ++e)
    if (abbreviation == kBuiltInSubjects[e].Abbreviation) return e;
  return -1;
}

bool IsFreeEntryName(const TSubjectCatalogEntry& entry) { return entry.Name == kNoContent; }

std::string_view CutName(std::string_view name, std::size_t length) {
  return name.substr(0, std::min(name.size(), length));
}

// Entries 0..50 in order; an entry whose flag qualifies is taken unless it is
// a free entry other than entry 0.
template <typename Qualifies, typename Text>
void BuildList(QStringList& list, Qualifies qualifies, Text text) {
  list.clear();
  for (int e = 0; e < kCatalogEntries; ++e) {
    const TSubjectCatalogEntry& entry = SubjectCatalog[e];
    if (!qualifies(entry)) continue;
    if (e != kNoSubjectEntry && IsFreeEntryName(entry)) continue;
    list.append(platform::DecodeCp1252(text(entry)));
  }
}

std::string_view ListName(const TSubjectCatalogEntry& entry) {
  return CutName(entry.Name.bytes(), kListNameLength);
}

bool InGroup(const TSubjectCatalogEntry& entry, int group) { return entry.GroupFlags[group] == 1; }

bool SearchedEntryInGroup(std::string_view name, int group) {
  const std::string_view key = CutName(name, kCatalogNameLength);
  for (int e = kFirstSearchedEntry; e < kCatalogEntries; ++e)
    if (SubjectCatalog[e].Name.bytes() == key && InGroup(SubjectCatalog[e], group)) return true;
  return false;
}

// Course-level subjects by entry; a school type other than -1 limits the entry to it.
struct CourseLevelEntry {
  int Entry;
  int OnlySchoolType;
};
constexpr CourseLevelEntry kCourseLevelEntries[] = {
    {20, -1},  // Mathematik
    {9, -1},   // Deutsch
    {25, -1},  // Physik
    {7, -1},   // Chemie
    {23, -1},  // Naturwissenschaften
    {6, stGesamtschule},  // Biologie
};

void ClampLengths(TSubjectCatalogEntry& entry) {
  entry.Name.clampLength();
  entry.Abbreviation.clampLength();
  entry.ReservedText.clampLength();
}

}  // namespace

void BuildDefaultSubjectCatalog() {
  std::memset(SubjectCatalog.data(), 0, sizeof SubjectCatalog);
  for (int e = 0; e < kCatalogEntries; ++e) {
    TSubjectCatalogEntry& entry = SubjectCatalog[e];
    if (e < kBuiltInSubjectCount) {
      const BuiltInSubject& s = kBuiltInSubjects[e];
      entry.Name.set(platform::EncodeCp1252(QString::fromUtf8(s.Name)));
      entry.Abbreviation.set(s.Abbreviation);
      SetFlags(entry.GroupFlags, kGroupFlags, s.Groups);
      SetFlags(entry.SchoolTypeFlags, kSchoolTypeFlags, s.SchoolTypes);
      entry.AbbrevListFlag = s.InAbbrevList ? 1 : 0;
    } else {
      entry.Name.set(kNoContent);
      entry.Abbreviation.set("---");
    }
  }
  for (int slot = 1; slot <= kTableSlots; ++slot) {
    for (int layout = 0; layout < kLayoutCount; ++layout) {
      const std::string_view abbreviation = kSlotTable[slot - 1][layout];
      if (abbreviation.empty()) continue;
      const int e = BuiltInEntryByAbbreviation(abbreviation);
      for (int form : kLayoutForms[layout]) SubjectCatalog[e].SlotByForm[form] = slot;
    }
  }
}

CatalogLoadResult LoadSubjectCatalog() {
  QString path = DataDir + kSubjectCatalogFile;
  if (!platform::FileExists(path)) {
    path = ProgramDir + kSubjectCatalogFile;
    if (!platform::FileExists(path)) return {CatalogLoad::NoFile, 0};
  }
  QByteArray bytes;
  if (!platform::ReadFileBytes(path, bytes, static_cast<qint64>(kSubjectCatalogFileSize))) {
    platform::ShowMessage(QString::fromUtf8("Die Fächer-Einstellungs-Datei\rkonnte nicht geöffnet werden!"),
                          platform::MsgKind::Error);
    return {CatalogLoad::OpenFailed, 0};
  }
  // Block k of the file is entry 50 - k. Only whole blocks are taken; the
  // entries of a short file's missing blocks keep their values.
  constexpr int kBlock = static_cast<int>(sizeof(TSubjectCatalogEntry));
  const int blocks = std::min(static_cast<int>(bytes.size()) / kBlock, kCatalogEntries);
  for (int k = 0; k < blocks; ++k) {
    TSubjectCatalogEntry& entry = SubjectCatalog[kCatalogEntries - 1 - k];
    std::memcpy(&entry, bytes.constData() + static_cast<std::ptrdiff_t>(k) * kBlock, kBlock);
    ClampLengths(entry);
  }
  return {blocks == kCatalogEntries ? CatalogLoad::Loaded : CatalogLoad::Short, blocks};
}

void BuildLanguageSubjectList() {
  BuildList(
      LanguageSubjectList, [](const TSubjectCatalogEntry& e) { return InGroup(e, kGroupForeignLanguage); },
      ListName);
}

void BuildSubjectAbbrevList() {
  BuildList(
      SubjectAbbrevList, [](const TSubjectCatalogEntry& e) { return e.AbbrevListFlag == 1; },
      [](const TSubjectCatalogEntry& e) { return e.Abbreviation.bytes(); });
}

void BuildReligionSubjectList() {
  BuildList(
      ReligionSubjectList, [](const TSubjectCatalogEntry& e) { return InGroup(e, kGroupReligion); }, ListName);
}

void BuildAllSubjectNames() {
  BuildList(AllSubjectNames, [](const TSubjectCatalogEntry&) { return true; }, ListName);
}

void BuildSubjectLists() {
  BuildLanguageSubjectList();
  BuildSubjectAbbrevList();
  BuildReligionSubjectList();
  BuildAllSubjectNames();
}

void InitSubjectCatalog() {
  LanguageSubjectList.clear();
  ReligionSubjectList.clear();
  AllSubjectNames.clear();
  SubjectAbbrevList.clear();
  BuildDefaultSubjectCatalog();
  LoadSubjectCatalog();
  BuildSubjectLists();
}

int CatalogSlot(int entry, int index) {
  if (entry < 0 || entry >= kCatalogEntries || index < 0 || index >= kSlotByFormSize) return 0;
  const int slot = SubjectCatalog[entry].SlotByForm[index];
  return slot >= kFirstSlot && slot <= kLastSlot ? slot : 0;
}

int SubjectForSlot(int form, int slot) {
  if (slot < kFirstSlot || slot > kLastSlot) return -1;
  for (int e = kFirstSearchedEntry; e < kCatalogEntries; ++e)
    if (CatalogSlot(e, form) == slot) return e;
  return -1;
}

bool IsForeignLanguageSubject(std::string_view name) {
  return SearchedEntryInGroup(name, kGroupForeignLanguage);
}

bool IsReligionSubject(std::string_view name) { return SearchedEntryInGroup(name, kGroupReligion); }

bool IsCourseLevelSubject(std::string_view name) {
  const std::string_view key = CutName(name, kCatalogNameLength);
  const int schoolType = SchoolSettings.SchoolType;
  for (const CourseLevelEntry& c : kCourseLevelEntries) {
    if (c.OnlySchoolType >= 0 && c.OnlySchoolType != schoolType) continue;
    if (SubjectCatalog[c.Entry].Name.bytes() == key) return true;
  }
  return false;
}

}  // namespace quorv
