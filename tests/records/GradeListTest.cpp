#include "records/GradeList.h"

#include <gtest/gtest.h>

#include <QDir>
#include <cstring>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "support/ClassInMemory.h"
#include "support/ProgramState.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace quorv;
using platform::MsgKind;
using testsupport::ScriptedMessages;

namespace {

constexpr int kMa = 20;
constexpr int kDeu = 9;
constexpr int kTeAl = 37;

TPupilRecord Pupil(const char* surname, int key, int active = 1) {
  TPupilRecord r = testsupport::NewPupil(surname, "Vor", active);
  r.KeyNumber = key;
  return r;
}

void SetSlot(TPupilRecord& r, int slot, const char* name, const char* grade) {
  r.Subjects[slot - 1].Name.set(name);
  r.Subjects[slot - 1].Grade.set(grade);
}

// "surname:grade" of each record of a list file, in file order.
std::vector<std::string> FileSummary(const QByteArray& bytes) {
  std::vector<std::string> out;
  const int count = platform::ReadLeU16(reinterpret_cast<const std::uint8_t*>(bytes.constData()));
  EXPECT_EQ(bytes.size(), 2 + count * 464);
  for (int k = 0; k < count && 2 + (k + 1) * 464 <= bytes.size(); ++k) {
    TGradeListEntry e;
    std::memcpy(&e, bytes.constData() + 2 + k * 464, sizeof e);
    out.push_back(e.Surname.str() + ":" + e.Grade.str());
  }
  return out;
}

class GradeListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::UseDefaultSettings();
    BuildDefaultSubjectCatalog();
    testsupport::SetClassInMemory({Pupil("Abel", 11), Pupil("Berg", 12, 0), Pupil("Cron", 13), Pupil("Dorn", 14)});
    SetSlot(Pupils[0], 4, "Mathematik", "1");  // found by name
    SetSlot(Pupils[1], 4, "Mathematik", "3");  // marked deleted
    SetSlot(Pupils[2], 5, "Technik/Arbeitslehre", "3");
    Pupils[3].LayoutFormNumber = 5;             // the catalogue's slot 3 ...
    SetSlot(Pupils[3], 3, "Mathematik", "2");
    SetSlot(Pupils[3], 10, "Mathematik", "6");  // ... before the name search
    ClassFileName = "5a.QVR";
    GradeListFolder = dir.dataDir();
    ExportSubjectSelection.fill(0);
    DeleteOldList = ReplaceFoundEntries = ExtraDiskPerSubject = false;
  }
  void TearDown() override {
    ExportSubjectSelection.fill(0);
    DeleteOldList = ReplaceFoundEntries = false;
    platform::SetFileFaultHook({});
  }
  QByteArray Read(const QString& name) const { return dir.readFile(dir.dataDir() + name); }

  testsupport::SavedProgramState state;
  testsupport::TempProgramDir dir;
};

}  // namespace

TEST_F(GradeListTest, EntryByteImage) {
  TGradeListEntry e;
  std::memset(&e, 0xAB, sizeof e);
  InitGradeListEntry(e);
  const auto* b = reinterpret_cast<const std::uint8_t*>(&e);
  auto expectBytes = [b](const std::vector<std::pair<int, std::string>>& image) {
    for (const auto& [offset, bytes] : image)
      EXPECT_EQ(std::string(reinterpret_cast<const char*>(b) + offset, bytes.size()), bytes) << offset;
  };
  expectBytes({{16, std::string("\xC1\xBD\xF0\xFF", 4)}, {20, "\x07  - - -"}, {51, std::string(1, '\0')},
               {88, "\x03???"}, {94, "\x03???"}, {419, "\x03???"}, {450, "\x01-"}, {452, std::string(1, '\0')},
               {455, "\x01-"}, {463, std::string(1, '\0')}});
  EXPECT_EQ(std::count(b + 112, b + 419, 0), 307);

  TPupilRecord& p = Pupils[0];
  p.ReportKind = 3;
  p.AnspruchsebeneAll = 2;
  p.ClassName.set("5a");
  p.Subjects[3].CourseLevel.set("E");
  p.Subjects[3].Addition.set("x");
  FillGradeListEntry(p, 4, e);
  EXPECT_EQ(std::memcmp(b, &p, 16), 0);
  EXPECT_EQ(platform::ReadLeU32(b + 16), 11u);
  expectBytes({{20, "\x04" "Abel- -"}, {51, "\x03Vor"}, {84, std::string("\x03\0\x02\0", 4)}, {88, "\x02" "5a?"},
               {419, "\x0AMathematik"}, {450, "\x01" "1"}, {452, "\x01x"}, {455, "\x01" "E"}});
}

TEST_F(GradeListTest, NewListsAndMergesWithAnOldListInEachOptionCombination) {
  TFaNoDB old(2);  // Abel with another grade, and a pupil the class does not hold
  FillGradeListEntry(Pupils[0], 4, old[0]);
  InitGradeListEntry(old[1]);
  old[0].Grade.set("5");
  old[1].Grade.set("4");
  old[1].Surname.set("Xaver");
  old[1].KeyNumber = 77;
  const QByteArray oldImage = GradeListImage(old, 2) + QByteArray("rest");
  const struct {
    bool oldList;
    bool deleteOld;
    bool replace;
    std::vector<std::string> file;  // last pupil first
  } cases[] = {
      // Cron has no Mathematik slot and gives the blank entry; Berg is marked deleted.
      {false, false, false, {"Dorn:2", "  - - -:-", "Abel:1"}},
      {true, false, false, {"Dorn:2", "  - - -:-", "Xaver:4", "Abel:5"}},
      {true, false, true, {"Dorn:2", "  - - -:-", "Xaver:4", "Abel:1"}},
      {true, true, false, {"Dorn:2", "  - - -:-", "Abel:1"}},
      {true, true, true, {"Dorn:2", "  - - -:-", "Abel:1"}},
  };
  ExportSubjectSelection[kMa] = ExportSubjectSelection[kTeAl] = 1;
  for (const auto& c : cases) {
    if (c.oldList) dir.writeFile(dir.dataDir() + "5a_Ma.FDB", oldImage);
    DeleteOldList = c.deleteOld;
    ReplaceFoundEntries = c.replace;
    EXPECT_TRUE(ExportGradeLists());
    EXPECT_EQ(FileSummary(Read("5a_Ma.FDB")), c.file) << c.oldList << c.deleteOld << c.replace;
    EXPECT_EQ(platform::FileExists(dir.dataDir() + QString::fromUtf8("5a_Ma.§DB")), c.oldList);
    if (c.oldList) {
      EXPECT_EQ(Read(QString::fromUtf8("5a_Ma.§DB")), oldImage.left(2 + 2 * 464));
    }
    EXPECT_EQ(FileSummary(Read("5a_Te_AL.FDB")), (std::vector<std::string>{"Cron:3", "  - - -:-"}));
  }
}

TEST_F(GradeListTest, DamagedOldListIsLeftAndAFailedWriteEndsTheExport) {
  QByteArray bytes = GradeListImage(TFaNoDB(1), 1);
  bytes[0] = 5;  // five entries said, one held
  dir.writeFile(dir.dataDir() + "5a_Deu.FDB", bytes);
  ExportSubjectSelection[kMa] = ExportSubjectSelection[kDeu] = ExportSubjectSelection[kTeAl] = 1;
  platform::SetFileFaultHook([](platform::FileStep step, const QString& path) {
    return step == platform::FileStep::OpenWrite && path.endsWith("_Ma.FDB");
  });
  ScriptedMessages msgs;
  msgs.expectPrefix(QString::fromUtf8("Die vorhandene Liste\r") + dir.dataDir() + "5a_Deu.FDB\rist beschädigt",
                    MsgKind::Error);
  msgs.expect(QString::fromUtf8(" Fehler beim Speichern von: \r") + dir.dataDir() + "5a_Ma.FDB", MsgKind::Plain);
  EXPECT_FALSE(ExportGradeLists());
  EXPECT_EQ(Read("5a_Deu.FDB"), bytes);
  EXPECT_FALSE(platform::FileExists(dir.dataDir() + QString::fromUtf8("5a_Deu.§DB")));
  EXPECT_FALSE(platform::FileExists(dir.dataDir() + "5a_Te_AL.FDB"));  // the subject after them
}

// A backup that cannot be written is said, the older backup stays, and the
// lists are merged and written all the same.
TEST_F(GradeListTest, AFailedBackupIsSaidAndTheExportGoesOn) {
  TFaNoDB old(1);
  InitGradeListEntry(old[0]);
  old[0].Surname.set("Xaver");
  dir.writeFile(dir.dataDir() + "5a_Ma.FDB", GradeListImage(old, 1));
  const QString backup = dir.dataDir() + QString::fromUtf8("5a_Ma.§DB");
  dir.writeFile(backup, "older backup");
  ExportSubjectSelection[kMa] = ExportSubjectSelection[kTeAl] = 1;
  platform::SetFileFaultHook([backup](platform::FileStep step, const QString& path) {
    return step == platform::FileStep::Write && path == backup;
  });
  ScriptedMessages msgs;
  msgs.expect(QString::fromUtf8("Beim Erstellen der Sicherungs-Datei ist ein Fehler aufgetreten!\r") + backup,
              MsgKind::Error);
  EXPECT_TRUE(ExportGradeLists());
  EXPECT_TRUE(msgs.allAnswered());
  EXPECT_EQ(dir.readFile(backup), "older backup");
  EXPECT_EQ(FileSummary(Read("5a_Ma.FDB")), (std::vector<std::string>{"Dorn:2", "  - - -:-", "Abel:1", "Xaver:-"}));
  EXPECT_EQ(FileSummary(Read("5a_Te_AL.FDB")), (std::vector<std::string>{"Cron:3", "  - - -:-"}));
}

TEST_F(GradeListTest, LengthBytesOfAnOldListAreClampedInTheMergedListOnly) {
  TFaNoDB old(1);
  InitGradeListEntry(old[0]);
  old[0].Surname.set("Xaver");
  QByteArray image = GradeListImage(old, 1);
  image[2 + 20] = char(200);  // the surname's length byte
  image[2 + 450] = char(9);   // the grade's
  dir.writeFile(dir.dataDir() + "5a_Ma.FDB", image);
  ExportSubjectSelection[kMa] = 1;
  EXPECT_TRUE(ExportGradeLists());
  const QByteArray merged = Read("5a_Ma.FDB");
  TGradeListEntry e;
  std::memcpy(&e, merged.constData() + merged.size() - 464, sizeof e);
  EXPECT_EQ(int(e.Surname.Len) * 10 + e.Grade.Len, 301);
  EXPECT_EQ(merged.right(464).mid(21, 30), image.mid(2 + 21, 30));  // the characters stay
  EXPECT_EQ(Read(QString::fromUtf8("5a_Ma.§DB")), image);
}

TEST_F(GradeListTest, FloppyFolderAsksOnceOrBeforeEachSubject) {
  const QString saved = QDir::currentPath();
  QDir::setCurrent(dir.dataDir());
  QDir().mkpath("b");
  GradeListFolder = "b/";
  ExportSubjectSelection[kMa] = ExportSubjectSelection[kDeu] = 1;
  for (const bool extra : {false, true}) {
    ExtraDiskPerSubject = extra;
    ScriptedMessages msgs;
    for (int i = 0; i < (extra ? 2 : 1); ++i) msgs.expect("Legen Sie eine Diskette", MsgKind::Information);
    EXPECT_TRUE(ExportGradeLists());
    EXPECT_TRUE(msgs.allAnswered());
  }
  QDir::setCurrent(saved);
  EXPECT_TRUE(platform::FileExists(dir.dataDir() + "b/5a_Ma.FDB"));
}

TEST_F(GradeListTest, AListMayGrowTo65535EntriesAndNoFurther) {
  testsupport::SetClassInMemory({Pupil("Abel", 11)});
  SetSlot(Pupils[0], 4, "Mathematik", "1");
  ExportSubjectSelection[kMa] = 1;
  TGradeListEntry other;
  InitGradeListEntry(other);
  other.Surname.set("Xaver");
  const QByteArray entry(reinterpret_cast<const char*>(&other), sizeof other);
  for (const int old : {kMaxGradeListEntries - 1, kMaxGradeListEntries}) {
    QByteArray image(2, '\0');
    platform::WriteLeU16(reinterpret_cast<std::uint8_t*>(image.data()), static_cast<std::uint16_t>(old));
    image += entry.repeated(old);
    dir.writeFile(dir.dataDir() + "5a_Ma.FDB", image);
    platform::RemoveFile(dir.dataDir() + QString::fromUtf8("5a_Ma.§DB"));
    const bool full = old == kMaxGradeListEntries;
    ScriptedMessages msgs;
    if (full)
      msgs.expect(QString::fromUtf8("Die vorhandene Liste\r") + dir.dataDir() +
                      QString::fromUtf8("5a_Ma.FDB\rkann nicht ergänzt werden: sie hätte mehr als 65535 Einträge."
                                        "\rSie wurde nicht verändert."),
                  MsgKind::Error);
    EXPECT_TRUE(ExportGradeLists());
    EXPECT_TRUE(msgs.allAnswered());
    const QByteArray written = Read("5a_Ma.FDB");
    if (full) {
      EXPECT_EQ(written, image);
      EXPECT_FALSE(platform::FileExists(dir.dataDir() + QString::fromUtf8("5a_Ma.§DB")));
    } else {
      // Abel is the 65,535th entry, written first.
      ASSERT_EQ(written.size(), 2 + 65535 * 464);
      EXPECT_EQ(platform::ReadLeU16(reinterpret_cast<const std::uint8_t*>(written.constData())), 65535);
      TGradeListEntry first;
      std::memcpy(&first, written.constData() + 2, sizeof first);
      EXPECT_EQ(first.Surname.str() + ":" + first.Grade.str(), "Abel:1");
      EXPECT_EQ(Read(QString::fromUtf8("5a_Ma.§DB")), image);
    }
  }
}
