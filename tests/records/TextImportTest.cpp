#include "records/TextImport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/Files.h"
#include "records/QuorvDat.h"
#include "settings/Facheinst.h"
#include "settings/SchulEinst.h"
#include "support/ClassInMemory.h"
#include "support/ProgramState.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace quorv;
using platform::MsgKind;
using testsupport::ScriptedMessages;

namespace {

const QString kCount = QString::fromUtf8("Zählerstand der nicht zugeordneten Fächer: ");

class TextImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::UseDefaultSettings();
    BuildDefaultSubjectCatalog();
  }
  // A live pupil with Mathematik, Deutsch and the long AWT name in slots 1 to 3.
  static TPupilRecord Pupil(const char* surname, const char* firstName = "", int active = 1) {
    TPupilRecord r = testsupport::NewPupil(surname, firstName, active);
    r.Subjects[0].Name.set("Mathematik");
    r.Subjects[1].Name.set("Deutsch");
    r.Subjects[2].Name.set("Arbeit-Wirtschaft-Technik u. Informatik");  // cut to 30
    return r;
  }
  void WriteFile(const QString& name, const QByteArray& bytes) { dir.writeFile(dir.path(name), bytes); }

  testsupport::SavedProgramState state;
  testsupport::TempProgramDir dir;
};

std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> fields;
  std::string f;
  while (!LineUsedUp(line)) {
    NextField(line, f);
    fields.push_back(f);
  }
  return fields;
}

// surname|first name|birth date|sex|class
std::string Summary(const TPupilRecord& r) {
  return r.Surname.str() + "|" + r.FirstName.str() + "|" + r.BirthDate.str() + "|" + std::to_string(r.Sex) + "|" +
         r.ClassName.str();
}

}  // namespace

TEST(TextImportFields, SplitterQuotesAndSex) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"Aaa;Bbb\tCcc", {"Aaa", "Bbb", "Ccc"}},
      {"\"Aaa\";\"Bbb\"", {"\"Aaa\"", "\"Bbb\""}},
      {"\"Aaa;Bbb\"", {"\"Aaa", "Bbb\""}},  // split inside the quotes
      {"a,b;;c\r", {"a,b", "", "c"}},       // no comma separator; CR ends
      {"x\"y;z", {"x\"", "", "z"}},          // the character after a closing quote goes
      {"\"A\"xB", {"\"A\"", "B"}},
  };
  for (const auto& [line, fields] : cases) EXPECT_EQ(Fields(line), fields) << line;
  std::string peeked;
  PeekField("Ma;2", peeked);
  EXPECT_EQ(peeked, "Ma");

  for (const char* girl : {"w", "W", "f", "j", "1", "Frau"}) EXPECT_EQ(SexFromText(girl), 1) << girl;
  for (const char* boy : {"m", "0", "x", "", "M"}) EXPECT_EQ(SexFromText(boy), 0) << boy;
}

TEST_F(TextImportTest, PupilLinesByMapAndJoiners) {
  const struct {
    std::vector<std::pair<int, const char*>> map;  // entries 1.. (code, joiner); empty: the default map
    const char* line;
    const char* record;
  } cases[] = {
      {{}, "Nachname1;Vorname1;01.02.1999;Ort1;w;5a", "Nachname1|Vorname1|01.02.1999|1|5a"},
      {{{1, ""}, {1, " "}}, "Aaa;Bbb", "Aaa Bbb||  .  .19  |-1|???"},
      {{{1, ""}, {1, "++"}}, "Aaa;Bbb", "AaaBbb||  .  .19  |-1|???"},
      {{{1, " "}}, "Aaa", "??? Aaa||  .  .19  |-1|???"},
      {{}, "Aaa;Bbb", "Aaa|Bbb|  .  .19  |-1|???"},                  // short line
      {{}, "Aaa;Bbb;3.4.2001x;Ort;;5b", "Aaa|Bbb|3.4.2001x|0|5b"},  // empty sex column
      {{}, "\"Aaa\";\"Bbb\"", "Aaa|Bbb|  .  .19  |-1|???"},
      {{{8, ""}, {6, ""}, {2, ""}}, "7b;Bea", "???|Bea|  .  .19  |-1|7b"},  // 6 takes no field
      {{}, "Abcdefghijklmnopqrstuvwxyz123456789;B;01.02.1999123", "Abcdefghijklmnopqrstuvwxyz1234|B|01.02.1999|-1|???"},
  };
  for (const auto& c : cases) {
    TImportColumnMap map = DefaultImportColumnMap();
    if (!c.map.empty()) map.fill(TImportColumn{});
    for (std::size_t k = 0; k < c.map.size(); ++k) {
      map[k + 1].FieldCode = static_cast<std::uint16_t>(c.map[k].first);
      map[k + 1].Joiner.set(c.map[k].second);
    }
    TPupilRecord r = ZeroPupilRecord();
    InitPupilRecord(r);
    ImportPupilLine(c.line, map, r);
    EXPECT_EQ(Summary(r), c.record);
  }
}

TEST_F(TextImportTest, GradeGroupsLevelsAndCount) {
  const struct {
    int schoolType;
    const char* rest;
    const char* ma;  // grade + level of Mathematik
    const char* deu;
    const char* awt;
    int unassigned;
  } cases[] = {
      {2, "Ma;2;E;Deu;3", "2E", "3-", "--", 0},
      {1, "Ma;2;E;Deu;3", "2-", "--", "--", 2},   // E and 3 read as subjects
      {2, "Ma;;E;Deu;3", "--", "3-", "--", 1},    // an empty grade takes its level along
      {3, "Xy;2;E;Deu;3;G", "--", "3G", "--", 1},  // an unknown subject's level goes with it
      {1, "AWTuI;1;Arbeit-Wirtschaft-Technik u. Informatik;4", "--", "--", "4-", 0},
      {1, "Mathematik;5;Ph;3;Deu", "5-", "--", "--", 2},  // no Physik slot; no grade at the end
      {2, "", "--", "--", "--", 0},                      // names only: nothing read, the count box shows
  };
  for (const auto& c : cases) {
    SchoolSettings.SchoolType = static_cast<std::uint16_t>(c.schoolType);
    TPupilRecord r = Pupil("A");
    int unassigned = 10;
    ScriptedMessages msgs;
    msgs.expect(kCount + QString::number(10 + c.unassigned), MsgKind::Information);
    ImportGradeFields(c.rest, r, unassigned);
    EXPECT_EQ(unassigned, 10 + c.unassigned) << c.rest;
    const char* expected[] = {c.ma, c.deu, c.awt};
    for (int s = 0; s < 3; ++s)
      EXPECT_EQ(r.Subjects[s].Grade.str() + r.Subjects[s].CourseLevel.str(), expected[s]) << c.rest << " slot " << s;
  }
}

TEST_F(TextImportTest, PupilListIntoAClassInFileOrder) {
  QByteArray file;
  std::string names;
  for (int i = 1; i <= 30; ++i) {
    const QByteArray name = QStringLiteral("Name%1").arg(i, 2, 10, QChar('0')).toLatin1();
    file += name + ";Vorname;01.02.2010;Ort;m;5a\r\n";
    names += name.toStdString() + " ";
  }
  WriteFile("liste.txt", file);
  const struct {
    std::vector<const char*> before;
    int current;
    std::string after;  // the class afterwards: the list follows the current pupil
  } cases[] = {{{"???"}, 0, "??? " + names}, {{"Abel", "Berg", "Cron"}, 1, "Abel Berg " + names + "Cron "},
               {{"Abel", "Berg"}, 1, "Abel Berg " + names}};
  for (const auto& c : cases) {
    TDB2 pupils;
    for (const char* s : c.before) pupils.push_back(Pupil(s));
    testsupport::SetClassInMemory(pupils, c.current);
    const PupilImportResult r = ImportPupilFile(dir.path("liste.txt"));
    EXPECT_TRUE(r.read);
    EXPECT_EQ(r.imported, 30);
    EXPECT_EQ(testsupport::Surnames(), c.after);
    EXPECT_EQ(PupilCount, static_cast<int>(c.before.size()) + 30);
    EXPECT_EQ(Summary(Pupils[static_cast<std::size_t>(c.current) + 1]), "Name01|Vorname|01.02.2010|0|5a");
  }
}

TEST_F(TextImportTest, Utf8AndWindows1252ListsGiveTheSameRecords) {
  const QByteArray cases[] = {
      QByteArray("M\xFC" "ller;J\xF6rg;;\x8A" "ibenik\n"),                           // Windows-1252
      QByteArray("M\xC3\xBC" "ller;J\xC3\xB6rg;;\xC5\xA0" "ibenik\n"),               // UTF-8
      QByteArray("\xEF\xBB\xBF" "M\xC3\xBC" "ller;J\xC3\xB6rg;;\xC5\xA0" "ibenik"),  // with byte-order mark
  };
  for (const QByteArray& bytes : cases) {
    WriteFile("liste.csv", bytes);
    SetSingleRecordClass(Pupil("???"));
    ASSERT_EQ(ImportPupilFile(dir.path("liste.csv")).imported, 1);
    EXPECT_EQ(Pupils[1].Surname.str() + "|" + Pupils[1].FirstName.str() + "|" + Pupils[1].BirthPlace.str(),
              "M\xFCller|J\xF6rg|\x8Aibenik");
  }
  EXPECT_EQ(ImportTextToCp1252("\xC5\x81ukasz \xE2\x82\xAC"), "?ukasz \x80");  // no 1252 byte: '?'
}

TEST_F(TextImportTest, ShortColumnMapFileSkipsTheRest) {
  QByteArray cfg(18, '\0');  // entries 0, 1 and 2 only
  cfg[6] = 2;                // entry 1: first name
  cfg[12] = 1;               // entry 2: surname
  WriteFile(kImportConfigFile, cfg);
  WriteFile("l.txt", "Eva;Abel;09.09.2009;Ort;w\n");
  SetSingleRecordClass(Pupil("???"));
  ImportPupilFile(dir.path("l.txt"));
  EXPECT_EQ(Summary(Pupils[1]), "Abel|Eva|  .  .19  |-1|???");
}

TEST_F(TextImportTest, FullClassStopsTheImportAndKeepsWhatCame) {
  Pupils.clear();
  Pupils.reserve(kMaxPupils);  // no second copy while the class grows
  Pupils.assign(kMaxPupils - 2, ZeroPupilRecord());
  PupilCount = kMaxPupils - 2;
  CurrentPupil = PupilCount - 1;
  WriteFile("l.txt", "Erster\nZweiter\nDritter\nVierter\n");
  ScriptedMessages msgs;
  msgs.expectPrefix(QString::fromUtf8("Die Klasse enthält bereits 65535"), MsgKind::Warning);
  msgs.expect(QString::fromUtf8("Der Import wurde abgebrochen.\rEs wurden nur 2 Schüler importiert."),
              MsgKind::Warning);
  EXPECT_TRUE(ImportPupilFile(dir.path("l.txt")).full);
  EXPECT_EQ(PupilCount, kMaxPupils);
  ASSERT_EQ(Pupils.size(), static_cast<std::size_t>(kMaxPupils));
  EXPECT_EQ(Pupils[kMaxPupils - 3].Surname.str() + "|" + Pupils[kMaxPupils - 2].Surname.str() + "|" +
                Pupils[kMaxPupils - 1].Surname.str(),
            "|Erster|Zweiter");
}

TEST_F(TextImportTest, GradeListFindsLivePupilsFirst) {
  SchoolSettings.SchoolType = stGrundschule;
  testsupport::SetClassInMemory({Pupil("Abel", "Anna"), Pupil("Berg", "Ben", 0), Pupil("Berg", "Ben"),
                                 Pupil("Dorn", "Dan", 0), Pupil("Abcdefghijklmnopqrstuvwxyz1234", "C")});
  WriteFile("noten.txt",
            "Abel;Anna;Ma;1\r\nBerg;Ben;Deu;2\r\nZorn;Zoe;Ma;3\r\n\r\nDorn;Dan;Xy;4;Ma;6\r\n"
            "Abcdefghijklmnopqrstuvwxyz12345;C;Ma;2\r\n");
  ScriptedMessages msgs;
  msgs.expect(kCount + "0", MsgKind::Information);
  msgs.expect(kCount + "0", MsgKind::Information);
  msgs.expect(QString::fromUtf8("Einen Datensatz für: Zoe Zorn\rwurde nicht gefunden!\r\rBitte Schüler-Datensatz "
                                "erst anlegen\roder Schreibweise des Namens prüfen!"),
              MsgKind::Information);
  msgs.expect(kCount + "1", MsgKind::Information);
  msgs.expect(kCount + "1", MsgKind::Information);
  EXPECT_EQ(ImportGradeFile(dir.path("noten.txt")), 1);
  EXPECT_EQ(Pupils[0].Subjects[0].Grade.str(), "1");
  EXPECT_EQ(Pupils[1].Subjects[1].Grade.str(), "-");  // the marked namesake is left alone
  EXPECT_EQ(Pupils[2].Subjects[1].Grade.str(), "2");
  EXPECT_EQ(Pupils[3].Subjects[0].Grade.str(), "6");  // only a marked one: it takes the grades
  EXPECT_EQ(Pupils[4].Subjects[0].Grade.str(), "2");  // a 31-character surname finds its pupil
}

TEST_F(TextImportTest, AnUnreadableFileIsReportedAndTheClassStays) {
  WriteFile("liste.txt", "Neu;Anna\n");
  WriteFile("noten.txt", "Abel;Anna;Ma;1\n");
  const struct {
    const char* unreadable;
    bool grades;
  } cases[] = {{"liste.txt", false}, {kImportConfigFile, false}, {"noten.txt", true}};
  for (const auto& c : cases) {
    WriteFile(kImportConfigFile, QByteArray(6, '\0'));
    const QString path = dir.path(c.unreadable);
    platform::SetFileFaultHook(
        [path](platform::FileStep step, const QString& p) { return step == platform::FileStep::OpenRead && p == path; });
    testsupport::SetClassInMemory({Pupil("Abel", "Anna")});
    ScriptedMessages msgs;
    msgs.expect(QStringLiteral("Die Datei\r") + path + QStringLiteral("\rkonnte nicht gelesen werden!"), MsgKind::Error);
    if (c.grades) {
      EXPECT_EQ(ImportGradeFile(dir.path("noten.txt")), -1);
    } else {
      const PupilImportResult r = ImportPupilFile(dir.path("liste.txt"));
      EXPECT_FALSE(r.read || r.imported > 0) << c.unreadable;
    }
    platform::SetFileFaultHook({});
    EXPECT_TRUE(msgs.allAnswered()) << c.unreadable;
    EXPECT_EQ(testsupport::Surnames(), "Abel ") << c.unreadable;
    EXPECT_EQ(Pupils[0].Subjects[0].Grade.str(), "-") << c.unreadable;
  }
}
