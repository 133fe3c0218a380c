#include "records/ClassFile.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cctype>
#include <cstring>
#include <random>
#include <vector>

#include "records/QuorvDat.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

namespace {

using platform::MsgKind;
using quorv::TPupilRecord;

constexpr int kHeader = 92;
constexpr int kRec2 = 6044;
constexpr int kRec1 = 4144;

const QString kOpenFailed = QString::fromUtf8("Die Datei konnte nicht geöffnet werden!");
const QString kWrongFormat =
    QString::fromUtf8("Die Datei hat nicht das erwartete Format!\rDie Daten können NICHT gelesen werden!!!");
const QString kWrongVersion = QString::fromUtf8(
    "Die Datei hat eine nicht bekannte Versionsnummer!\rDie Daten können NICHT gelesen werden!!!");
const QString kNoRecords =
    QString::fromUtf8("Die Datei enthält keine Schülerdaten!\rDie Daten können NICHT gelesen werden!!!");
const QString kTooShort =
    QString::fromUtf8("Die Datei ist unvollständig (zu kurz)!\rDie Daten können NICHT gelesen werden!!!");
const QString kBackupFailed = QString::fromUtf8("Beim Erstellen der Sicherungs-Datei ist ein Fehler aufgetreten!\r");

// Short strings of a record image: offset of the length byte and capacity.
struct StringField {
  int offset;
  int capacity;
};

std::vector<StringField> StringFields(const std::vector<StringField>& fixed, std::vector<int> subjectOffsets) {
  static constexpr StringField kSubject[] = {{0, 30}, {31, 1}, {33, 2}, {36, 1}, {38, 5}};
  std::vector<StringField> all = fixed;
  for (const int base : subjectOffsets)
    for (const auto& f : kSubject) all.push_back({base + f.offset, f.capacity});
  return all;
}

// Version 2: the fields before the subject slotBases, then slotBases 1..25 at 396 + 44 k.
const std::vector<StringField>& V2Strings() {
  static const std::vector<StringField> fields = [] {
    std::vector<int> slotBases;
    for (int k = 1; k <= 25; ++k) slotBases.push_back(396 + 44 * k);
    return StringFields({{20, 30}, {51, 30}, {82, 10}, {93, 30}, {128, 20}, {149, 20}, {230, 4},
                         {235, 5}, {241, 5}, {247, 30}, {278, 2}, {281, 5}, {287, 5}, {296, 30},
                         {327, 20}, {372, 10}, {383, 5}, {398, 40}},
                        slotBases);
  }();
  return fields;
}

// Version 1: slotBases 1-8 at 338, 10-17 at 690, 19-24 at 1042, 25 at 1394.
const std::vector<StringField>& V1Strings() {
  static const std::vector<StringField> fields = [] {
    std::vector<int> slotBases;
    for (int k = 0; k < 8; ++k) slotBases.push_back(338 + 44 * k);
    for (int k = 0; k < 8; ++k) slotBases.push_back(690 + 44 * k);
    for (int k = 0; k < 6; ++k) slotBases.push_back(1042 + 44 * k);
    slotBases.push_back(1394);
    return StringFields({{20, 30}, {51, 30}, {82, 10}, {93, 30}, {128, 20}, {149, 20}, {180, 4},
                         {185, 5}, {191, 5}, {197, 30}, {228, 2}, {231, 5}, {237, 5}, {243, 30},
                         {274, 20}, {308, 10}, {319, 5}, {334, 3}},
                        slotBases);
  }();
  return fields;
}

// Random bytes with every length byte within its capacity.
QByteArray RandomImage(int size, const std::vector<StringField>& strings, unsigned seed) {
  std::mt19937 gen(seed);
  QByteArray b(size, '\0');
  for (auto& c : b) c = static_cast<char>(gen() & 0xFF);
  for (const auto& f : strings) b[f.offset] = static_cast<char>(gen() % (f.capacity + 1));
  return b;
}

void PutU16(QByteArray& b, int offset, int v) {
  b[offset] = static_cast<char>(v & 0xFF);
  b[offset + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void PutString(QByteArray& b, int offset, const QByteArray& text) {
  b[offset] = static_cast<char>(text.size());
  for (int i = 0; i < text.size(); ++i) b[offset + 1 + i] = text[i];
}

QByteArray HeaderImage(int count, int version, int loaded, const QByteArray& magic = "vrn Quorv DB") {
  QByteArray h(kHeader, '\0');
  PutU16(h, 0, count);
  PutString(h, 2, magic);
  PutU16(h, 20, version);
  PutU16(h, 22, loaded);
  return h;
}

// Header then the records, last pupil first.
QByteArray FileImage(const QByteArray& header, const std::vector<QByteArray>& records) {
  QByteArray f = header;
  for (auto it = records.rbegin(); it != records.rend(); ++it) f += *it;
  return f;
}

QByteArray BytesOf(const void* p, std::size_t n) { return QByteArray(static_cast<const char*>(p), static_cast<qsizetype>(n)); }
QByteArray BytesOf(const TPupilRecord& r) { return BytesOf(&r, sizeof r); }
QByteArray BytesOf(const quorv::TClassFileHeader& h) { return BytesOf(&h, sizeof h); }

TPupilRecord RecordOf(const QByteArray& b) {
  TPupilRecord r;
  std::memcpy(&r, b.constData(), sizeof r);
  return r;
}

class ClassFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedPupils_ = quorv::Pupils;
    savedCount_ = quorv::PupilCount;
    savedCurrent_ = quorv::CurrentPupil;
    savedHeader_ = quorv::ClassFileHeader;
    savedName_ = quorv::ClassFileName;
  }
  void TearDown() override {
    quorv::Pupils = savedPupils_;
    quorv::PupilCount = savedCount_;
    quorv::CurrentPupil = savedCurrent_;
    quorv::ClassFileHeader = savedHeader_;
    quorv::ClassFileName = savedName_;
  }

  // A class of the given records with a fresh header.
  void SetClass(const std::vector<QByteArray>& records) {
    quorv::Pupils.clear();
    for (const auto& r : records) quorv::Pupils.push_back(RecordOf(r));
    quorv::PupilCount = static_cast<int>(records.size());
    quorv::CurrentPupil = 0;
    quorv::ResetClassFileHeader();
  }

  QByteArray ClassBytes() const {
    QByteArray all;
    for (const auto& p : quorv::Pupils) all += BytesOf(p);
    return all;
  }

  testsupport::TempProgramDir dir;
  testsupport::ScriptedMessages msgs;

 private:
  quorv::TDB2 savedPupils_;
  int savedCount_ = 0;
  int savedCurrent_ = 0;
  quorv::TClassFileHeader savedHeader_{};
  QString savedName_;
};

TEST_F(ClassFileTest, ResetClassFileHeaderWritesFreshHeader) {
  SetClass({RandomImage(kRec2, V2Strings(), 1), RandomImage(kRec2, V2Strings(), 2),
            RandomImage(kRec2, V2Strings(), 3)});
  std::memset(&quorv::ClassFileHeader, 0xAB, sizeof quorv::ClassFileHeader);
  quorv::ResetClassFileHeader();
  EXPECT_EQ(BytesOf(quorv::ClassFileHeader).toHex(), HeaderImage(3, 2, 2).toHex());
}

TEST_F(ClassFileTest, SaveWritesHeaderAndRecordsLastPupilFirst) {
  const std::vector<QByteArray> recs = {RandomImage(kRec2, V2Strings(), 11), RandomImage(kRec2, V2Strings(), 12),
                                        RandomImage(kRec2, V2Strings(), 13)};
  SetClass(recs);
  quorv::ClassFileHeader.RecordCount = 1;  // refreshed by the save
  quorv::ClassFileName = "7a.QVR";
  dir.writeFile(dir.dataDir() + "7a.QVR", "old");
  ASSERT_TRUE(quorv::WriteClassFile());
  const QByteArray file = dir.readFile(dir.dataDir() + "7a.QVR");
  ASSERT_EQ(file.size(), kHeader + 3 * kRec2);
  EXPECT_EQ(file.left(kHeader).toHex(), HeaderImage(3, 2, 2).toHex());
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(file.mid(kHeader + i * kRec2, kRec2) == recs[2 - i]) << "file record " << i;
}

TEST_F(ClassFileTest, Version2FileReadAndSavedIsByteIdentical) {
  QByteArray header = HeaderImage(4, 2, 2);
  for (int i = 15; i < 20; ++i) header[i] = static_cast<char>(0x50 + i);  // reserved bytes survive
  for (int i = 24; i < kHeader; ++i) header[i] = static_cast<char>(i);
  std::vector<QByteArray> recs;
  for (unsigned s = 0; s < 4; ++s) recs.push_back(RandomImage(kRec2, V2Strings(), 100 + s));
  const QByteArray original = FileImage(header, recs);
  dir.writeFile(dir.dataDir() + "7a.QVR", original);

  ASSERT_TRUE(quorv::ReadClassFile(dir.dataDir(), "7a.QVR"));
  ASSERT_EQ(quorv::PupilCount, 4);
  ASSERT_EQ(quorv::Pupils.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(BytesOf(quorv::Pupils[i]) == recs[i]) << "pupil " << i;
  EXPECT_EQ(BytesOf(quorv::ClassFileHeader).toHex(), header.toHex());
  EXPECT_TRUE(dir.readFile(dir.dataDir() + "7a.$VR") == original);

  quorv::ClassFileName = "7a.QVR";
  ASSERT_TRUE(quorv::WriteClassFile());
  EXPECT_TRUE(dir.readFile(dir.dataDir() + "7a.QVR") == original);
}

// Classes larger than the blocks the file is read and written in: every
// pupil lands at its place, and backup and save hold the class exactly,
// last pupil first.
TEST_F(ClassFileTest, LargeClassesComeBackInOrderAndAreWrittenExactly) {
  const struct {
    int Count;
    int Version;
  } cases[] = {{173, 2}, {174, 2}, {347, 2}, {520, 2}, {253, 1}, {254, 1}, {600, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Count << " pupils, version " << c.Version);
    const int size = c.Version == 1 ? kRec1 : kRec2;
    std::vector<QByteArray> recs;
    for (int i = 0; i < c.Count; ++i)
      recs.push_back(RandomImage(size, c.Version == 1 ? V1Strings() : V2Strings(), 1000u + static_cast<unsigned>(i)));
    const QByteArray header = HeaderImage(c.Count, c.Version, c.Version);
    dir.writeFile(dir.dataDir() + "gross.QVR", FileImage(header, recs) + QByteArray(100, 'x'));

    ASSERT_TRUE(quorv::ReadClassFile(dir.dataDir(), "gross.QVR"));
    ASSERT_EQ(quorv::PupilCount, c.Count);
    std::vector<QByteArray> expected;
    for (int i = 0; i < c.Count; ++i) {
      TPupilRecord r{};
      if (c.Version == 1) {
        quorv::TPupilRecordV1 old;
        std::memcpy(&old, recs[static_cast<std::size_t>(i)].constData(), sizeof old);
        quorv::ConvertV1PupilRecord(old, r);
      } else {
        r = RecordOf(recs[static_cast<std::size_t>(i)]);
      }
      quorv::ClampRecordLengths(r);
      expected.push_back(BytesOf(r));
      ASSERT_TRUE(BytesOf(quorv::Pupils[static_cast<std::size_t>(i)]) == expected.back()) << "pupil " << i;
    }
    // The backup is the class as read, in version 2, nothing behind the last record.
    QByteArray backupHeader = header;
    PutU16(backupHeader, 20, 2);
    const QByteArray image = FileImage(backupHeader, expected);
    EXPECT_TRUE(dir.readFile(dir.dataDir() + "gross.$VR") == image);
    quorv::ClassFileName = "gross.QVR";
    ASSERT_TRUE(quorv::WriteClassFile());
    EXPECT_TRUE(dir.readFile(dir.dataDir() + "gross.QVR") == image);
  }
}

TEST_F(ClassFileTest, TrailingBytesAreIgnoredAndDroppedBySave) {
  const std::vector<QByteArray> recs = {RandomImage(kRec2, V2Strings(), 31), RandomImage(kRec2, V2Strings(), 32)};
  const QByteArray exact = FileImage(HeaderImage(2, 2, 2), recs);
  dir.writeFile(dir.dataDir() + "k.QVR", exact + RandomImage(kRec2, V2Strings(), 33));
  ASSERT_TRUE(quorv::ReadClassFile(dir.dataDir(), "k.QVR"));
  ASSERT_EQ(quorv::PupilCount, 2);
  EXPECT_TRUE(dir.readFile(dir.dataDir() + "k.$VR") == exact);
  quorv::ClassFileName = "k.QVR";
  ASSERT_TRUE(quorv::WriteClassFile());
  EXPECT_TRUE(dir.readFile(dir.dataDir() + "k.QVR") == exact);
}

TEST_F(ClassFileTest, Windows1252TextsSurviveSaveAndRead) {
  TPupilRecord r = quorv::ZeroPupilRecord();
  quorv::InitPupilRecord(r);
  const QString surname = QString::fromUtf8("Müller-Lüdenscheidt");
  const QString place = QString::fromUtf8("Straßburg ÄÖÜäöü");
  const QString remarks = QString::fromUtf8("„Gut gemacht“ – 5 € Spende");
  const QString subject = QString::fromUtf8("Französisch");
  r.Surname.setText(surname);
  r.BirthPlace.setText(place);
  r.RemarksText.setText(remarks);
  r.DevelopmentText.setText(remarks + place);
  r.Subjects[3].Name.setText(subject);
  SetClass({BytesOf(r)});
  quorv::ClassFileName = "t.QVR";
  dir.writeFile(dir.dataDir() + "t.QVR", {});
  ASSERT_TRUE(quorv::WriteClassFile());

  const QByteArray file = dir.readFile(dir.dataDir() + "t.QVR");
  EXPECT_EQ(file.mid(kHeader + 20, 20), QByteArray("\x13M\xFCller-L\xFC" "denscheidt"));
  EXPECT_EQ(file.mid(kHeader + 3541, 27), QByteArray("\x84Gut gemacht\x93 \x96 5 \x80 Spende\0", 27));

  quorv::Pupils.clear();
  ASSERT_TRUE(quorv::ReadClassFile(dir.dataDir(), "t.QVR"));
  const TPupilRecord& back = quorv::Pupils[0];
  EXPECT_TRUE(BytesOf(back) == BytesOf(r));
  EXPECT_EQ(back.Surname.text(), surname);
  EXPECT_EQ(back.BirthPlace.text(), place);
  EXPECT_EQ(back.RemarksText.text(), remarks);
  EXPECT_EQ(back.DevelopmentText.text(), remarks + place);
  EXPECT_EQ(back.Subjects[3].Name.text(), subject);
}

// ---- version 1 ----

// Where the bytes of a version-1 record go in a version-2 record.
struct V1Move {
  int from;
  int to;
  int size;
};
constexpr V1Move kV1Map[] = {
    {0, 0, 16},       // Reserved0 .. Reserved10
    {16, 16, 154},    // KeyNumber .. MonthText2
    {174, 224, 2},    // AnspruchsebeneAll
    {178, 228, 2},    // Klassenstufe (+4 below)
    {180, 230, 63},   // SchoolYear .. AbsenceDaysExcused
    {243, 296, 31},   // IssuePlace
    {274, 327, 21},   // IssueDate
    {296, 348, 4},    // SkipInBatch, Schullaufbahnempfehlung
    {300, 366, 4},    // Reserved366
    {306, 370, 2},    // ExamDataPresent
    {308, 372, 17},   // ExamDate, FourthExamSubject
    {326, 390, 2},    // ExamPassed
    {328, 392, 6},    // Reserved392
    {334, 398, 4},    // LegacyText
    {338, 440, 352},  // slotBases 1-8
    {690, 836, 352},  // slotBases 10-17
    {1042, 1232, 264},  // slotBases 19-24
    {1394, 1496, 44},   // slot 25
    {1839, 1540, 1001},  // DevelopmentText
};

int U16At(const QByteArray& b, int offset) {
  return static_cast<std::uint8_t>(b[offset]) | (static_cast<std::uint8_t>(b[offset + 1]) << 8);
}

QByteArray ExpectedConversion(const QByteArray& v1) {
  QByteArray e(kRec2, '\0');
  for (const auto& m : kV1Map) e.replace(m.to, m.size, v1.mid(m.from, m.size));
  const int type = U16At(v1, 6);
  PutU16(e, 6, type >= 3 ? type + 1 : type);
  PutU16(e, 228, (U16At(v1, 178) + 4) & 0xFFFF);
  for (const int slot : {9, 18}) {
    const int base = 396 + 44 * slot;
    PutString(e, base, "???");
    PutString(e, base + 31, "-");
    PutString(e, base + 36, "-");
  }
  e.replace(352, 8, QByteArray(8, '\xFF'));  // FormNumber, LayoutFormNumber -1
  return e;
}

QByteArray V1Record(unsigned seed, int schoolType, int level) {
  QByteArray b = RandomImage(kRec1, V1Strings(), seed);
  PutU16(b, 6, schoolType);
  PutU16(b, 178, level);
  PutString(b, 20, QByteArray("K\xE4\xDFmann"));
  PutString(b, 338, "Deutsch");            // slot 1
  PutString(b, 338 + 31, "2");
  PutString(b, 690, "Sport");              // slot 10
  PutString(b, 1042, "Franz\xF6sisch");    // slot 19
  PutString(b, 1394, "WPF gesamt");        // slot 25
  b.replace(1839, 1001, QByteArray(1001, '\0'));
  b.replace(1839, 14, QByteArray("Entwicklung \x84" "a"));
  return b;
}

TEST_F(ClassFileTest, Version1FileIsConvertedFieldByField) {
  const std::vector<QByteArray> recs = {V1Record(201, 3, 1), V1Record(202, 2, 6)};
  QByteArray file = FileImage(HeaderImage(2, 1, 1), recs);
  file[30] = '\x77';  // a reserved header byte
  dir.writeFile(dir.dataDir() + "alt.QVR", file);

  ASSERT_TRUE(quorv::ReadClassFile(dir.dataDir(), "alt.QVR"));
  ASSERT_EQ(quorv::PupilCount, 2);
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(BytesOf(quorv::Pupils[i]).toHex(), ExpectedConversion(recs[i]).toHex()) << "pupil " << i;

  const TPupilRecord& p = quorv::Pupils[0];
  EXPECT_EQ(p.CreatedSchoolType, 4);
  EXPECT_EQ(p.Klassenstufe, 5);
  EXPECT_EQ(quorv::Pupils[1].CreatedSchoolType, 2);
  EXPECT_EQ(quorv::Pupils[1].Klassenstufe, 10);
  EXPECT_EQ(p.Surname.text(), QString::fromUtf8("Käßmann"));
  EXPECT_EQ(p.Subjects[0].Name.str(), "Deutsch");
  EXPECT_EQ(p.Subjects[0].Grade.str(), "2");
  EXPECT_EQ(p.Subjects[9].Name.str(), "Sport");
  EXPECT_EQ(p.Subjects[18].Name.text(), QString::fromUtf8("Französisch"));
  EXPECT_EQ(p.Subjects[24].Name.str(), "WPF gesamt");
  for (const int slot : {9, 18}) {
    const auto& e = p.Subjects[slot - 1];
    EXPECT_EQ(e.Name.str(), "???");
    EXPECT_EQ(e.Grade.str(), "-");
    EXPECT_EQ(e.Addition.str(), "");
    EXPECT_EQ(e.CourseLevel.str(), "-");
  }
  EXPECT_EQ(p.DevelopmentText.text(), QString::fromUtf8("Entwicklung „a"));
  EXPECT_EQ(p.RemarksText.str(), "");
  EXPECT_EQ(p.TeacherNotesText.str(), "");
  EXPECT_EQ(p.FormNumber, -1);
  EXPECT_EQ(p.LayoutFormNumber, -1);
  EXPECT_EQ(p.ShownFormNumber, 0);
  EXPECT_EQ(p.ReportKind, 0);

  QByteArray header = HeaderImage(2, 2, 1);
  header[30] = '\x77';
  EXPECT_EQ(BytesOf(quorv::ClassFileHeader).toHex(), header.toHex());
  // The backup is in version 2 and keeps the loaded version 1.
  const QByteArray converted = FileImage(header, {ExpectedConversion(recs[0]), ExpectedConversion(recs[1])});
  EXPECT_TRUE(dir.readFile(dir.dataDir() + "alt.$VR") == converted);
  // Saved under its own name, the file turns into version 2.
  quorv::ClassFileName = "alt.QVR";
  ASSERT_TRUE(quorv::WriteClassFile());
  EXPECT_TRUE(dir.readFile(dir.dataDir() + "alt.QVR") == converted);
}

TEST(ConvertV1PupilRecordTest, SchoolTypeAndClassLevelAreRenumbered) {
  struct Case {
    int typeV1, type, levelV1, level;
  };
  constexpr Case kCases[] = {{0, 0, 0, 4}, {1, 1, 1, 5}, {2, 2, 2, 6}, {3, 4, 3, 7},
                             {4, 5, 4, 8}, {5, 6, 5, 9}, {8, 9, 6, 10}};
  for (const auto& c : kCases) {
    QByteArray b(kRec1, '\0');
    PutU16(b, 6, c.typeV1);
    PutU16(b, 178, c.levelV1);
    quorv::TPupilRecordV1 in;
    std::memcpy(&in, b.constData(), sizeof in);
    TPupilRecord out;
    std::memset(&out, 0x5A, sizeof out);
    quorv::ConvertV1PupilRecord(in, out);
    EXPECT_EQ(out.CreatedSchoolType, c.type) << "school type " << c.typeV1;
    EXPECT_EQ(out.Klassenstufe, c.level) << "class level " << c.levelV1;
    EXPECT_EQ(out.Reserved170[0], 0);  // starts from a zero record
  }
}

// ---- bounded texts ----

TEST(ClampRecordLengthsTest, ClampsEveryShortStringAndNothingElse) {
  QByteArray b(kRec2, '\xFF');
  TPupilRecord r = RecordOf(b);
  quorv::ClampRecordLengths(r);
  QByteArray expected = b;
  for (const auto& f : V2Strings()) expected[f.offset] = static_cast<char>(f.capacity);
  EXPECT_EQ(BytesOf(r).toHex(), expected.toHex());
}

TEST_F(ClassFileTest, OverlongLengthsAndMissingTerminatorsStayInsideTheRecord) {
  const QByteArray v2(kRec2, '\xFF');
  dir.writeFile(dir.dataDir() + "ff.QVR", FileImage(HeaderImage(1, 2, 2), {v2}));
  ASSERT_TRUE(quorv::ReadClassFile(dir.dataDir(), "ff.QVR"));
  const TPupilRecord& p = quorv::Pupils[0];
  EXPECT_EQ(p.Surname.bytes().size(), 30u);
  EXPECT_EQ(p.Subjects[24].Reserved38.bytes().size(), 5u);
  EXPECT_EQ(p.DevelopmentText.bytes().size(), 2001u);
  EXPECT_EQ(p.RemarksText.bytes().size(), 501u);
  EXPECT_EQ(p.TeacherNotesText.bytes().size(), 2001u);

  const QByteArray v1(kRec1, '\xFF');
  dir.writeFile(dir.dataDir() + "ff1.QVR", FileImage(HeaderImage(1, 1, 1), {v1}));
  ASSERT_TRUE(quorv::ReadClassFile(dir.dataDir(), "ff1.QVR"));
  const TPupilRecord& q = quorv::Pupils[0];
  EXPECT_EQ(q.Surname.Len, 30);
  EXPECT_EQ(q.LegacyText.Len, 3);  // the version-1 capacity, not the new 40
  EXPECT_EQ(q.LegacyText.bytes(), "\xFF\xFF\xFF");
  EXPECT_EQ(q.Subjects[24].Reserved38.Len, 5);
  EXPECT_EQ(q.DevelopmentText.bytes().size(), 1001u);
}

// ---- refused files ----

struct Refusal {
  const char* name;
  QByteArray (*content)();  // nullptr: no file
  bool folder;             // a folder of the file's name
  const QString* message;
};

void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

QByteArray OneV2() { return RandomImage(kRec2, V2Strings(), 77); }

const Refusal kRefusals[] = {
    {"magic differing in case", [] { return FileImage(HeaderImage(1, 2, 2, "vrn quorv DB"), {OneV2()}); }, false,
     &kWrongFormat},
    {"magic length byte 11", [] {
       QByteArray f = FileImage(HeaderImage(1, 2, 2), {OneV2()});
       f[2] = 11;
       return f;
     }, false, &kWrongFormat},
    {"empty file", [] { return QByteArray(); }, false, &kWrongFormat},
    {"version 3", [] { return FileImage(HeaderImage(1, 3, 3), {OneV2()}); }, false, &kWrongVersion},
    {"version 0", [] { return FileImage(HeaderImage(1, 0, 0), {OneV2()}); }, false, &kWrongVersion},
    {"record count 0", [] { return FileImage(HeaderImage(0, 2, 2), {OneV2()}); }, false, &kNoRecords},
    {"header cut short", [] { return HeaderImage(1, 2, 2).left(40); }, false, &kTooShort},
    {"fewer records than counted", [] { return FileImage(HeaderImage(3, 2, 2), {OneV2(), OneV2()}); }, false,
     &kTooShort},
    {"last record cut short", [] { return FileImage(HeaderImage(2, 2, 2), {OneV2(), OneV2()}).chopped(1); }, false,
     &kTooShort},
    {"version-1 records cut short",
     [] { return FileImage(HeaderImage(2, 1, 1), {QByteArray(kRec1, '\0'), QByteArray(100, '\0')}); }, false,
     &kTooShort},
    {"missing file", nullptr, false, &kOpenFailed},
    {"folder instead of a file", nullptr, true, &kOpenFailed},
};

class ClassFileRefusalTest : public ClassFileTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ClassFileRefusalTest, LeavesClassAndHeaderAsTheyWere) {
  const Refusal& c = GetParam();
  SetClass({RandomImage(kRec2, V2Strings(), 1), RandomImage(kRec2, V2Strings(), 2)});
  quorv::ClassFileHeader.VersionLoaded = 1;
  quorv::ClassFileHeader.Reserved24[5] = 9;
  quorv::CurrentPupil = 1;
  const QByteArray pupilsBefore = ClassBytes();
  const QByteArray headerBefore = BytesOf(quorv::ClassFileHeader);

  const QString path = dir.dataDir() + "7b.QVR";
  if (c.content) dir.writeFile(path, c.content());
  if (c.folder) {
    ASSERT_TRUE(QDir().mkpath(path));
  }
  msgs.expect(*c.message, MsgKind::Error);

  EXPECT_FALSE(quorv::ReadClassFile(dir.dataDir(), "7b.QVR"));
  ASSERT_EQ(msgs.shown().size(), 1u);
  EXPECT_EQ(msgs.shown()[0].buttons, platform::MsgButtons::Ok);
  EXPECT_EQ(quorv::PupilCount, 2);
  EXPECT_EQ(quorv::CurrentPupil, 1);
  EXPECT_TRUE(ClassBytes() == pupilsBefore);
  EXPECT_TRUE(BytesOf(quorv::ClassFileHeader) == headerBefore);
  EXPECT_FALSE(QFile::exists(dir.dataDir() + "7b.$VR"));
}

INSTANTIATE_TEST_SUITE_P(Files, ClassFileRefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) {
                           std::string n;
                           for (const char ch : std::string(info.param.name)) n += std::isalnum(ch) ? ch : '_';
                           return n;
                         });

// ---- backup copy ----

TEST(BackupFileNameTest, ReplacesTheLastFourCharacters) {
  struct Case {
    const char* file;
    const char* backup;
  };
  constexpr Case kCases[] = {{"7a.QVR", "7a.$VR"},
                             {"klasse.dat", "klasse.$VR"},
                             {"x.QVR.QVR", "x.QVR.$VR"},
                             {"Klasse 10b.qvr", "Klasse 10b.$VR"},
                             {"abc", ".$VR"}};
  for (const auto& c : kCases) EXPECT_EQ(quorv::BackupFileName(c.file).toStdString(), c.backup) << c.file;
}

TEST_F(ClassFileTest, FailedBackupKeepsTheClassThatWasRead) {
  const std::vector<QByteArray> recs = {RandomImage(kRec2, V2Strings(), 51), RandomImage(kRec2, V2Strings(), 52)};
  dir.writeFile(dir.dataDir() + "7a.QVR", FileImage(HeaderImage(2, 2, 2), recs));
  ASSERT_TRUE(QDir().mkpath(dir.dataDir() + "7a.$VR"));  // the backup cannot be created
  SetClass({RandomImage(kRec2, V2Strings(), 53)});
  msgs.expect(kBackupFailed + dir.dataDir() + "7a.$VR", MsgKind::Error);
  EXPECT_TRUE(quorv::ReadClassFile(dir.dataDir(), "7a.QVR"));
  ASSERT_EQ(quorv::PupilCount, 2);
  EXPECT_TRUE(BytesOf(quorv::Pupils[0]) == recs[0]);
  EXPECT_TRUE(BytesOf(quorv::Pupils[1]) == recs[1]);
}

TEST_F(ClassFileTest, CurrentPupilStaysInsideASmallerClass) {
  dir.writeFile(dir.dataDir() + "1.QVR", FileImage(HeaderImage(1, 2, 2), {RandomImage(kRec2, V2Strings(), 61)}));
  SetClass({OneV2(), OneV2(), OneV2()});
  quorv::CurrentPupil = 2;
  ASSERT_TRUE(quorv::ReadClassFile(dir.dataDir(), "1.QVR"));
  EXPECT_EQ(quorv::CurrentPupil, 0);
}

// ---- save failures ----

TEST_F(ClassFileTest, SaveIntoAMissingFileWritesNothing) {
  SetClass({OneV2()});
  quorv::ClassFileName = "neu.QVR";
  msgs.expect(QString::fromUtf8(" Fehler beim Speichern von: \r") + dir.dataDir() + "neu.QVR", MsgKind::Plain);
  EXPECT_FALSE(quorv::WriteClassFile());
  EXPECT_FALSE(QFile::exists(dir.dataDir() + "neu.QVR"));
  EXPECT_TRUE(QDir(dir.dataDir()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

}  // namespace
