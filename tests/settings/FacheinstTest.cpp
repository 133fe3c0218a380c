#include "settings/Facheinst.h"

#include <gtest/gtest.h>

#include <QFile>
#include <cstring>
#include <set>
#include <string>

#include "platform/Cp1252.h"
#include "records/QuorvDat.h"
#include "settings/SchulEinst.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

namespace quorv {
namespace {

constexpr int kBlock = static_cast<int>(sizeof(TSubjectCatalogEntry));

std::string Cp(const char* utf8) { return platform::EncodeCp1252(QString::fromUtf8(utf8)); }

// The file image of a catalogue: entry 50 first.
QByteArray FileImage(const TSubjectCatalog& catalog) {
  QByteArray bytes;
  for (int e = kCatalogEntries - 1; e >= 0; --e)
    bytes.append(reinterpret_cast<const char*>(&catalog[e]), kBlock);
  return bytes;
}

int EntryByAbbreviation(std::string_view abbreviation) {
  for (int e = 0; e < kCatalogEntries; ++e)
    if (SubjectCatalog[e].Abbreviation == abbreviation) return e;
  return -1;
}

class FacheinstTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedCatalog_ = SubjectCatalog;
    savedSchoolType_ = SchoolSettings.SchoolType;
    BuildDefaultSubjectCatalog();
  }
  void TearDown() override {
    SubjectCatalog = savedCatalog_;
    SchoolSettings.SchoolType = savedSchoolType_;
    BuildSubjectLists();
  }

  TSubjectCatalog savedCatalog_;
  std::uint16_t savedSchoolType_ = 0;
};

// ---- layout ----

TEST_F(FacheinstTest, EntryFieldsSitAtTheirFileOffsets) {
  std::uint8_t raw[kBlock] = {};
  raw[0] = 3;
  std::memcpy(raw + 1, "Abc", 3);
  raw[41] = 2;
  std::memcpy(raw + 42, "Xy", 2);
  raw[48 + 2 * 4] = 1;                 // g4
  raw[48 + 2 * 11] = 1;                // g11
  raw[72 + 4 * 7] = 1;                 // school type 7
  raw[104 + 4 * 21] = 8;               // SlotByForm[21]
  raw[104 + 4 * 105 + 3] = 0x80;       // SlotByForm[105], top byte
  raw[528] = 1;                        // abbreviation-list flag
  raw[530 + 2 * 2 + 1] = 0x12;         // third reserved word, high byte
  raw[536] = 4;
  std::memcpy(raw + 537, "Text", 4);

  TSubjectCatalogEntry entry;
  std::memcpy(&entry, raw, kBlock);
  EXPECT_EQ(entry.Name.str(), "Abc");
  EXPECT_EQ(entry.Abbreviation.str(), "Xy");
  EXPECT_EQ(entry.GroupFlags[4], 1);
  EXPECT_EQ(entry.GroupFlags[11], 1);
  EXPECT_EQ(entry.GroupFlags[5], 0);
  EXPECT_EQ(entry.SchoolTypeFlags[7], 1);
  EXPECT_EQ(entry.SlotByForm[21], 8);
  EXPECT_EQ(entry.SlotByForm[105], static_cast<std::int32_t>(0x80000000u));
  EXPECT_EQ(entry.AbbrevListFlag, 1);
  EXPECT_EQ(entry.Reserved530[2], 0x1200);
  EXPECT_EQ(entry.ReservedText.str(), "Text");
}

TEST_F(FacheinstTest, BuiltInEntriesHaveZeroPadAndReserved) {
  for (int e = 0; e < kCatalogEntries; ++e) {
    const auto& entry = SubjectCatalog[e];
    EXPECT_EQ(entry.Pad47, 0) << e;
    EXPECT_EQ(entry.GroupFlags[0], 0) << e;
    for (const auto& w : entry.Reserved530) EXPECT_EQ(w, 0) << e;
    EXPECT_EQ(entry.ReservedText.length(), 0) << e;
  }
}

// ---- built-in table ----

struct BuiltInCase {
  int Entry;
  const char* Name;  // UTF-8
  const char* Abbreviation;
  std::set<int> Groups;
  int ListFlag;
  std::set<int> SchoolTypes;
};

const BuiltInCase kBuiltInCases[] = {
    {0, "  - - -", "---", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 1, {0, 1, 2, 3, 4, 5, 6, 7}},
    {1, "???", "???", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 1, {0, 1, 2, 3, 4, 5, 6, 7}},
    {3, "Arbeit-Wirtschaft-Technik u. Informatik", "AWTuI", {9, 10}, 0, {0, 1, 2, 3, 5, 6, 7}},
    {11, "Französisch", "Fr", {4}, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
    {15, "Hauswirtschaft", "HW", {}, 0, {0, 2, 3, 5, 6, 7}},
    {17, "Kunst und Gestaltung", "Ku+Ge", {8}, 0, {0, 2, 3, 4, 5, 6, 7}},
    {20, "Mathematik", "Ma", {1, 3}, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
    {24, "Philosophieren mit Kindern", "PmK", {6}, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
    {26, "Portugisisch", "Por", {4}, 0, {0, 3, 4, 7}},
    {33, "Sozialkunde", "Sk", {5}, 1, {0, 2, 3, 4, 5, 6, 7}},
    {37, "Technik/Arbeitslehre", "Te/AL", {9}, 0, {0, 7}},
    {40, "Ersatzunterricht Musik", "E Mu", {8}, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
    {42, "Jahresarbeit", "JArb", {8}, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
    {43, "  - - -", "---", {}, 0, {}},
    {50, "  - - -", "---", {}, 0, {}},
};

TEST_F(FacheinstTest, BuiltInEntries) {
  for (const auto& c : kBuiltInCases) {
    SCOPED_TRACE(c.Entry);
    const auto& entry = SubjectCatalog[c.Entry];
    EXPECT_EQ(entry.Name.str(), Cp(c.Name));
    EXPECT_EQ(entry.Abbreviation.str(), c.Abbreviation);
    for (int g = 0; g < kGroupFlags; ++g) EXPECT_EQ(entry.GroupFlags[g], c.Groups.count(g) ? 1 : 0) << "g" << g;
    EXPECT_EQ(entry.AbbrevListFlag, c.ListFlag);
    for (int t = 0; t < kSchoolTypeFlags; ++t)
      EXPECT_EQ(entry.SchoolTypeFlags[t], c.SchoolTypes.count(t) ? 1 : 0) << "type " << t;
  }
}

TEST_F(FacheinstTest, BuiltInSlotsOnlyWhereTheTableHasThem) {
  const std::set<int> placed = {2, 3, 5, 6, 7, 9, 10, 12, 13, 16, 17, 18, 20, 21, 23, 25, 31, 33, 35, 38, 39};
  std::set<std::pair<int, int>> claimed;  // (form, slot)
  for (int e = 0; e < kCatalogEntries; ++e) {
    bool any = false;
    for (int f = 0; f < kSlotByFormSize; ++f) {
      const int slot = SubjectCatalog[e].SlotByForm[f];
      if (slot == 0) continue;
      any = true;
      EXPECT_TRUE((f >= 1 && f <= 29) || f == 104) << "entry " << e << " form " << f;
      EXPECT_TRUE(slot >= 1 && slot <= 17 && slot != 9) << "entry " << e << " form " << f << " slot " << slot;
      EXPECT_TRUE(claimed.insert({f, slot}).second) << "form " << f << " slot " << slot << " claimed twice";
    }
    EXPECT_EQ(any, placed.count(e) == 1) << "entry " << e;
  }
}

// ---- lookup ----

struct SlotCase {
  int Form;
  int Slot;
  const char* Abbreviation;  // nullptr = no subject
};

const SlotCase kSlotCases[] = {
    {1, 1, "Deu"},    {2, 2, nullptr},  {3, 2, "SU"},     {4, 8, "Wer"},     {4, 4, nullptr},
    {5, 3, "Ma"},     {9, 7, "AWTuI"},  {18, 3, "Ma"},    {18, 16, "Sp"},    {10, 4, "Ma"},
    {15, 4, "Ma"},    {19, 13, "Ast"},  {28, 8, "AWTuI"}, {29, 16, "Sp"},    {13, 13, "Mu"},
    {20, 15, "Sp"},   {20, 16, nullptr}, {21, 8, "AWT"},  {22, 14, "Inf"},   {23, 6, "Sk"},
    {23, 7, "Geo"},   {23, 10, nullptr}, {24, 2, "Ma"},   {25, 13, "AWT"},   {25, 17, "Sp"},
    {26, 2, "Eng"},   {26, 4, "WeKu"},  {26, 13, "Sp"},   {27, 10, "NaWi"},  {27, 17, "Sp"},
    {104, 7, "WeKu"}, {104, 12, "NaWi"}, {104, 16, nullptr},
    // slots 9 and 18 are never claimed
    {5, 9, nullptr},  {12, 18, nullptr},
    // forms without subjects
    {0, 1, nullptr},  {30, 1, nullptr}, {103, 1, nullptr}, {105, 1, nullptr},
    // interim and other forms beyond the table
    {106, 1, nullptr}, {110, 1, nullptr}, {115, 4, nullptr}, {121, 1, nullptr}, {127, 8, nullptr},
    {141, 1, nullptr}, {170, 1, nullptr}, {-1, 1, nullptr},
    // slot numbers outside 1..25
    {21, 0, nullptr}, {21, -1, nullptr}, {21, 26, nullptr},
};

TEST_F(FacheinstTest, SubjectForSlot) {
  for (const auto& c : kSlotCases) {
    SCOPED_TRACE(testing::Message() << "form " << c.Form << " slot " << c.Slot);
    const int e = SubjectForSlot(c.Form, c.Slot);
    if (c.Abbreviation == nullptr) {
      EXPECT_EQ(e, -1);
    } else {
      ASSERT_GE(e, 0);
      EXPECT_EQ(SubjectCatalog[e].Abbreviation.str(), c.Abbreviation);
    }
  }
}

TEST_F(FacheinstTest, LookupSkipsEntriesZeroAndOneAndTakesTheFirstMatch) {
  SubjectCatalog[0].SlotByForm[21] = 2;
  SubjectCatalog[1].SlotByForm[21] = 2;
  EXPECT_EQ(SubjectForSlot(21, 2), -1);
  SubjectCatalog[45].SlotByForm[21] = 2;
  SubjectCatalog[44].SlotByForm[21] = 2;
  EXPECT_EQ(SubjectForSlot(21, 2), 44);
}

TEST_F(FacheinstTest, SlotValuesOutsideOneToTwentyFiveAreNoSlot) {
  const int deu = EntryByAbbreviation("Deu");
  for (int bad : {0, -1, 26, 1000, -2147483647 - 1}) {
    SubjectCatalog[deu].SlotByForm[21] = bad;
    EXPECT_EQ(CatalogSlot(deu, 21), 0) << bad;
    EXPECT_EQ(SubjectForSlot(21, 1), -1) << bad;
  }
  SubjectCatalog[deu].SlotByForm[21] = 25;
  EXPECT_EQ(SubjectForSlot(21, 25), deu);
  EXPECT_EQ(CatalogSlot(deu, 106), 0);
  EXPECT_EQ(CatalogSlot(deu, -1), 0);
  EXPECT_EQ(CatalogSlot(51, 21), 0);
}

// ---- lists ----

QStringList Utf8List(std::initializer_list<const char*> items) {
  QStringList list;
  for (const char* s : items) list.append(QString::fromUtf8(s));
  return list;
}

TEST_F(FacheinstTest, ListsOfTheBuiltInTable) {
  BuildSubjectLists();
  EXPECT_EQ(LanguageSubjectList,
            Utf8List({"  - - -", "???", "Englisch", "Französisch", "Griechisch", "Latein", "Portugisisch",
                      "Russisch", "Schwedisch", "Spanisch"}));
  EXPECT_EQ(ReligionSubjectList, Utf8List({"  - - -", "???", "Philosophieren mit Kindern",
                                           "evangelische Religion", "katholische Religion"}));
  EXPECT_EQ(SubjectAbbrevList, Utf8List({"---", "???", "Ast", "Bio", "Ch", "Geo", "Ges", "Ph", "Sk"}));
  ASSERT_EQ(AllSubjectNames.size(), 43);
  EXPECT_EQ(AllSubjectNames[0], "  - - -");
  EXPECT_EQ(AllSubjectNames[1], "???");
  EXPECT_EQ(AllSubjectNames[2], "Arbeit-Wirtschaft-Technik");
  EXPECT_EQ(AllSubjectNames[3], "Arbeit-Wirtschaft-Technik u. I");
  EXPECT_EQ(AllSubjectNames[42], "Jahresarbeit");
}

TEST_F(FacheinstTest, ListsSkipFreeEntriesButEntryZeroAndFollowTheFlags) {
  SubjectCatalog[0].GroupFlags[kGroupForeignLanguage] = 0;  // entry 0 qualifies by its flag only
  SubjectCatalog[1].Name.set(kNoContent);                    // a free entry 1 is skipped
  SubjectCatalog[46].Name.set("Esperanto");
  SubjectCatalog[46].Abbreviation.set("Esp");
  SubjectCatalog[46].GroupFlags[kGroupForeignLanguage] = 1;
  SubjectCatalog[46].AbbrevListFlag = 1;
  SubjectCatalog[47].GroupFlags[kGroupReligion] = 1;  // free: skipped despite the flag
  SubjectCatalog[10].GroupFlags[kGroupForeignLanguage] = 2;  // only 1 is membership
  SubjectCatalog[12].Name.set("Geografie und Wirtschaftskunde im Raum");
  BuildSubjectLists();

  EXPECT_EQ(LanguageSubjectList,
            Utf8List({"Französisch", "Griechisch", "Latein", "Portugisisch", "Russisch", "Schwedisch",
                      "Spanisch", "Esperanto"}));
  EXPECT_EQ(ReligionSubjectList, Utf8List({"  - - -", "Philosophieren mit Kindern", "evangelische Religion",
                                           "katholische Religion"}));
  EXPECT_EQ(SubjectAbbrevList, Utf8List({"---", "Ast", "Bio", "Ch", "Geo", "Ges", "Ph", "Sk", "Esp"}));
  EXPECT_EQ(AllSubjectNames.size(), 43);  // entry 1 out, Esperanto in
  EXPECT_TRUE(AllSubjectNames.contains("Geografie und Wirtschaftskunde"));
  EXPECT_EQ(AllSubjectNames.last(), "Esperanto");
}

TEST_F(FacheinstTest, RebuildingClearsTheListsFirst) {
  BuildSubjectLists();
  BuildSubjectLists();
  EXPECT_EQ(LanguageSubjectList.size(), 10);
  EXPECT_EQ(ReligionSubjectList.size(), 5);
  EXPECT_EQ(SubjectAbbrevList.size(), 9);
  EXPECT_EQ(AllSubjectNames.size(), 43);
}

// ---- predicates ----

struct PredicateCase {
  const char* Name;  // UTF-8
  bool Language;
  bool Religion;
  bool CourseLevel;  // at a school type other than 3
};

const PredicateCase kPredicateCases[] = {
    {"Englisch", true, false, false},
    {"Französisch", true, false, false},
    {"Portugisisch", true, false, false},
    {"Spanisch", true, false, false},
    {"englisch", false, false, false},
    {" Englisch", false, false, false},
    {"Englisch ", false, false, false},
    {"evangelische Religion", false, true, false},
    {"katholische Religion", false, true, false},
    {"Philosophieren mit Kindern", false, true, false},
    {"Mathematik", false, false, true},
    {"Deutsch", false, false, true},
    {"Physik", false, false, true},
    {"Chemie", false, false, true},
    {"Naturwissenschaften", false, false, true},
    {"Biologie", false, false, false},
    {"Geschichte", false, false, false},
    {"???", false, false, false},
    {"  - - -", false, false, false},
    {"", false, false, false},
};

TEST_F(FacheinstTest, Predicates) {
  SchoolSettings.SchoolType = stGymnasium;
  for (const auto& c : kPredicateCases) {
    SCOPED_TRACE(c.Name);
    const std::string name = Cp(c.Name);
    EXPECT_EQ(IsForeignLanguageSubject(name), c.Language);
    EXPECT_EQ(IsReligionSubject(name), c.Religion);
    EXPECT_EQ(IsCourseLevelSubject(name), c.CourseLevel);
  }
}

TEST_F(FacheinstTest, BiologyHasCourseLevelsOnlyAtTheGesamtschule) {
  for (int type = 0; type <= 9; ++type) {
    SchoolSettings.SchoolType = static_cast<std::uint16_t>(type);
    EXPECT_EQ(IsCourseLevelSubject("Biologie"), type == stGesamtschule) << type;
    EXPECT_TRUE(IsCourseLevelSubject("Mathematik")) << type;
  }
}

TEST_F(FacheinstTest, PredicatesCompareTheFirstFortyCharacters) {
  const std::string forty(40, 'L');
  SubjectCatalog[44].Name.set(forty);
  SubjectCatalog[44].GroupFlags[kGroupForeignLanguage] = 1;
  SubjectCatalog[45].Name.set(forty.substr(0, 39) + "R");
  SubjectCatalog[45].GroupFlags[kGroupReligion] = 1;
  SubjectCatalog[20].Name.set(std::string(40, 'M'));
  EXPECT_TRUE(IsForeignLanguageSubject(forty + "beyond"));
  EXPECT_FALSE(IsForeignLanguageSubject(forty.substr(0, 39)));
  EXPECT_TRUE(IsReligionSubject(forty.substr(0, 39) + "R and more"));
  EXPECT_TRUE(IsCourseLevelSubject(std::string(45, 'M')));
}

TEST_F(FacheinstTest, PredicatesFollowTheCatalogue) {
  SubjectCatalog[10].Name.set("Esperanto");
  SubjectCatalog[9].Name.set("Deutsch als Muttersprache");
  EXPECT_TRUE(IsForeignLanguageSubject("Esperanto"));
  EXPECT_FALSE(IsForeignLanguageSubject("Englisch"));
  EXPECT_TRUE(IsCourseLevelSubject("Deutsch als Muttersprache"));
  EXPECT_FALSE(IsCourseLevelSubject("Deutsch"));
  // Entries 0 and 1 carry every group but are not searched.
  EXPECT_FALSE(IsForeignLanguageSubject("???"));
  EXPECT_FALSE(IsReligionSubject("  - - -"));
}

// ---- Faecher.DAT ----

class FacheinstFileTest : public FacheinstTest {
 protected:
  // A catalogue whose entry e is named "E<e>" with SlotByForm[21] = e % 25 + 1.
  static TSubjectCatalog NumberedCatalog() {
    TSubjectCatalog c;
    std::memset(c.data(), 0, sizeof c);
    for (int e = 0; e < kCatalogEntries; ++e) {
      c[e].Name.set("E" + std::to_string(e));
      c[e].Abbreviation.set("A" + std::to_string(e));
      c[e].SlotByForm[21] = e % 25 + 1;
      c[e].Pad47 = static_cast<std::uint8_t>(e);
    }
    return c;
  }

  testsupport::TempProgramDir dir_;
};

TEST_F(FacheinstFileTest, FileHoldsTheEntriesInReverseOrder) {
  const TSubjectCatalog numbered = NumberedCatalog();
  const QByteArray image = FileImage(numbered);
  ASSERT_EQ(image.size(), 29988);
  // The first block of the file is entry 50.
  EXPECT_EQ(image.mid(1, 3), "E50");
  EXPECT_EQ(image.mid(kBlock * 50 + 1, 2), "E0");

  dir_.writeFile(dir_.dataDir() + kSubjectCatalogFile, image);
  const CatalogLoadResult r = LoadSubjectCatalog();
  EXPECT_EQ(r.Status, CatalogLoad::Loaded);
  EXPECT_EQ(r.EntriesRead, 51);
  EXPECT_EQ(std::memcmp(SubjectCatalog.data(), numbered.data(), sizeof numbered), 0);
  EXPECT_EQ(SubjectCatalog[0].Name.str(), "E0");
  EXPECT_EQ(SubjectCatalog[50].Name.str(), "E50");
}

TEST_F(FacheinstFileTest, DataFolderComesBeforeProgramFolder) {
  TSubjectCatalog inData = NumberedCatalog();
  TSubjectCatalog inProgram = NumberedCatalog();
  inData[9].Name.set("from data");
  inProgram[9].Name.set("from program");
  dir_.writeFile(dir_.programDir() + kSubjectCatalogFile, FileImage(inProgram));
  dir_.writeFile(dir_.dataDir() + kSubjectCatalogFile, FileImage(inData));
  LoadSubjectCatalog();
  EXPECT_EQ(SubjectCatalog[9].Name.str(), "from data");

  QFile::remove(dir_.dataDir() + kSubjectCatalogFile);
  LoadSubjectCatalog();
  EXPECT_EQ(SubjectCatalog[9].Name.str(), "from program");
}

TEST_F(FacheinstFileTest, NoFileKeepsTheBuiltInTableSilently) {
  const TSubjectCatalog before = SubjectCatalog;
  const CatalogLoadResult r = LoadSubjectCatalog();
  EXPECT_EQ(r.Status, CatalogLoad::NoFile);
  EXPECT_EQ(std::memcmp(SubjectCatalog.data(), before.data(), sizeof before), 0);
}

TEST_F(FacheinstFileTest, UnreadableFileShowsTheMessageAndKeepsTheTable) {
  const QString path = dir_.dataDir() + kSubjectCatalogFile;
  dir_.writeFile(path, FileImage(NumberedCatalog()));
  dir_.writeFile(dir_.programDir() + kSubjectCatalogFile, FileImage(NumberedCatalog()));
  QFile::setPermissions(path, QFileDevice::Permissions());
  if (QFile f(path); f.open(QIODevice::ReadOnly)) GTEST_SKIP() << "file stays readable (running as root)";

  const TSubjectCatalog before = SubjectCatalog;
  testsupport::ScriptedMessages msgs;
  msgs.expect(QString::fromUtf8("Die Fächer-Einstellungs-Datei\rkonnte nicht geöffnet werden!"),
              platform::MsgKind::Error);
  EXPECT_EQ(LoadSubjectCatalog().Status, CatalogLoad::OpenFailed);
  // The program folder's file is not tried.
  EXPECT_EQ(std::memcmp(SubjectCatalog.data(), before.data(), sizeof before), 0);
}

TEST_F(FacheinstFileTest, ShortFileTakesWholeBlocksOnly) {
  const TSubjectCatalog numbered = NumberedCatalog();
  const TSubjectCatalog before = SubjectCatalog;
  struct Case {
    int Bytes;
    int Blocks;
  };
  for (const Case c : {Case{0, 0}, Case{100, 0}, Case{kBlock, 1}, Case{3 * kBlock + 200, 3},
                       Case{50 * kBlock + 587, 50}}) {
    SCOPED_TRACE(c.Bytes);
    SubjectCatalog = before;
    dir_.writeFile(dir_.dataDir() + kSubjectCatalogFile, FileImage(numbered).left(c.Bytes));
    const CatalogLoadResult r = LoadSubjectCatalog();
    EXPECT_EQ(r.Status, CatalogLoad::Short);
    EXPECT_EQ(r.EntriesRead, c.Blocks);
    for (int e = 0; e < kCatalogEntries; ++e) {
      const bool fromFile = e >= kCatalogEntries - c.Blocks;
      const auto& expected = fromFile ? numbered[e] : before[e];
      EXPECT_EQ(std::memcmp(&SubjectCatalog[e], &expected, kBlock), 0) << "entry " << e;
    }
  }
}

TEST_F(FacheinstFileTest, LongerFileReadsItsFirst51Blocks) {
  QByteArray image = FileImage(NumberedCatalog());
  image.append(QByteArray(kBlock, 'x'));
  dir_.writeFile(dir_.dataDir() + kSubjectCatalogFile, image);
  EXPECT_EQ(LoadSubjectCatalog().Status, CatalogLoad::Loaded);
  EXPECT_EQ(SubjectCatalog[0].Name.str(), "E0");
}

TEST_F(FacheinstFileTest, DamagedLengthsAndSlotsAreTamed) {
  TSubjectCatalog damaged = NumberedCatalog();
  damaged[5].Name.Len = 255;
  std::memset(damaged[5].Name.Chars, 'N', 40);
  damaged[5].Abbreviation.Len = 200;
  damaged[5].ReservedText.Len = 99;
  damaged[2].SlotByForm[21] = 26;
  damaged[3].SlotByForm[21] = -3;
  damaged[4].SlotByForm[21] = 4;
  damaged[6].SlotByForm[105] = 1000000;
  dir_.writeFile(dir_.dataDir() + kSubjectCatalogFile, FileImage(damaged));
  LoadSubjectCatalog();

  EXPECT_EQ(SubjectCatalog[5].Name.Len, 40);
  EXPECT_EQ(SubjectCatalog[5].Name.str(), std::string(40, 'N'));
  EXPECT_EQ(SubjectCatalog[5].Abbreviation.Len, 5);
  EXPECT_EQ(SubjectCatalog[5].ReservedText.Len, 51);
  EXPECT_EQ(CatalogSlot(2, 21), 0);
  EXPECT_EQ(CatalogSlot(3, 21), 0);
  EXPECT_EQ(CatalogSlot(6, 105), 0);
  EXPECT_EQ(SubjectForSlot(21, 4), 4);
  EXPECT_EQ(SubjectForSlot(21, 3), 27);  // 2 claims nothing valid; next with slot 3
  BuildSubjectLists();
  EXPECT_EQ(AllSubjectNames[5], QString(30, 'N'));
}

TEST_F(FacheinstFileTest, StartUpBuildsTheListsFromTheFile) {
  TSubjectCatalog fromFile = SubjectCatalog;
  fromFile[10].Name.set("Esperanto");
  dir_.writeFile(dir_.dataDir() + kSubjectCatalogFile, FileImage(fromFile));
  InitSubjectCatalog();
  EXPECT_EQ(LanguageSubjectList[2], "Esperanto");
  EXPECT_TRUE(IsForeignLanguageSubject("Esperanto"));
  EXPECT_EQ(SubjectForSlot(26, 2), 10);

  QFile::remove(dir_.dataDir() + kSubjectCatalogFile);
  InitSubjectCatalog();
  EXPECT_EQ(LanguageSubjectList[2], "Englisch");
  EXPECT_EQ(AllSubjectNames.size(), 43);
}

}  // namespace
}  // namespace quorv
