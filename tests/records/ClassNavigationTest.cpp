#include "records/ClassNavigation.h"

#include <gtest/gtest.h>

#include <string>

#include "records/QuorvDat.h"
#include "settings/Facheinst.h"

using namespace quorv;

namespace {

TPupilRecord Named(const char* surname, const char* firstName, int active = 1) {
  TPupilRecord r = ZeroPupilRecord();
  r.Surname.set(surname);
  r.FirstName.set(firstName);
  r.Active = static_cast<std::uint16_t>(active);
  return r;
}

}  // namespace

TEST(ClassNavigation, ListEntriesKeepTheirRecords) {
  const TDB2 pupils = {Named("Abel", "Anna"), Named("Berg", "Ben", 0), Named("Abel", "Anna"), Named("Cron", "Cem")};
  const PupilListEntries live = BuildPupilList(pupils, 4, false);
  EXPECT_EQ(live.texts, (QStringList{"Abel, Anna", "Abel, Anna", "Cron, Cem"}));
  EXPECT_EQ(live.records, (QList<int>{0, 2, 3}));
  // The namesakes are told apart by their records.
  EXPECT_EQ(ListIndexOfPupil(live.records, 2), 1);
  EXPECT_EQ(ListIndexOfPupil(live.records, 1), -1);  // the deleted one is not listed

  const PupilListEntries all = BuildPupilList(pupils, 4, true);
  EXPECT_EQ(all.records, (QList<int>{0, 1, 2, 3}));
  EXPECT_EQ(all.texts[1], "Berg, Ben");
  // Only the records of the class count.
  EXPECT_EQ(BuildPupilList(pupils, 2, true).records, (QList<int>{0, 1}));
}

TEST(ClassNavigation, EntryTextOfFullNamesHas62Characters) {
  const TPupilRecord r = Named(std::string(30, 'S').c_str(), std::string(30, 'F').c_str());
  EXPECT_EQ(PupilEntryText(r).size(), 62);
  EXPECT_EQ(PupilEntryText(Named("M\xFCller", "")), QString::fromUtf8("Müller, "));
}

TEST(ClassFileNames, NamingRules) {
  const struct {
    const char* name;
    const char* withExtension;
    const char* saveAs;
  } cases[] = {
      {"7a.QVR", "7a.QVR", "7a.QVR"},
      {"7a", ".QVR", "7a.QVR"},  // the last four characters are replaced
      {"klasse.dat", "klasse.QVR", "klasse.dat.QVR"},
      {"7a.qvr", "7a.QVR", "7a.qvr.QVR"},
      {"a.QVR.QVR", "a.QVR.QVR", "a.QVR.QVR.QVR"},  // the first ".QVR" does not end it
      {"a.QVRb", "a..QVR", "a.QVRb.QVR"},
      {"ab", ".QVR", "ab.QVR"},
      {"Vorgabe", "Vor.QVR", "Vorgabe.QVR"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WithClassFileExtension(QString::fromUtf8(c.name)), QString::fromUtf8(c.withExtension));
    EXPECT_EQ(SaveAsClassFileName(QString::fromUtf8(c.name)), QString::fromUtf8(c.saveAs));
  }
  EXPECT_TRUE(IsNoFileName("Vorgabe.QVR"));
  EXPECT_FALSE(IsNoFileName("vorgabe.QVR"));
  EXPECT_TRUE(IsRefusedClassFileName("alt.ZDB"));
  EXPECT_FALSE(IsRefusedClassFileName("alt.zdb"));
  EXPECT_FALSE(IsRefusedClassFileName("alt.ZDB.QVR"));
  EXPECT_EQ(ProposedSaveName("Vorgabe.QVR"), "unbekannte Klasse.QVR");
  EXPECT_EQ(ProposedSaveName("7a.QVR"), "7a.QVR");
}

// ---------------------------------------------------------------------------
// Pupil table

namespace {

// Grades "1".."9" by slot, levels "A".."Y", names "NameNN".
TPupilRecord GradedPupil() {
  TPupilRecord r = Named("Ulm", "Uta");
  for (int slot = 1; slot <= kSubjectSlots; ++slot) {
    TSubjectEntry& e = r.Subjects[slot - 1];
    e.Grade.set(std::string(1, static_cast<char>('0' + (slot - 1) % 9 + 1)));
    e.CourseLevel.set(std::string(1, static_cast<char>('A' + slot - 1)));
    e.Name.set("Name" + std::to_string(100 + slot).substr(1));
  }
  r.AbsenceDays.set("12");
  return r;
}

class SubjectListsScope {
 public:
  SubjectListsScope()
      : language_(LanguageSubjectList), religion_(ReligionSubjectList), all_(AllSubjectNames) {
    LanguageSubjectList = {"  - - -", "Englisch", "Französisch"};
    ReligionSubjectList = {"  - - -", "Ev. Religion", "Philosophie"};
    AllSubjectNames = {"  - - -", "Deutsch", "Mathematik", "Musik"};
  }
  ~SubjectListsScope() {
    LanguageSubjectList = language_;
    ReligionSubjectList = religion_;
    AllSubjectNames = all_;
  }

 private:
  QStringList language_, religion_, all_;
};

}  // namespace

TEST(PupilTable, CellsPerSchoolType) {
  const TPupilRecord r = GradedPupil();
  const QStringList t4 = GridRowCells(r, 4);
  EXPECT_EQ(t4.size(), 21);
  EXPECT_EQ(t4[0], "Ulm");
  EXPECT_EQ(t4[1], "Uta");
  EXPECT_EQ(t4[2], "1");   // slot 1
  EXPECT_EQ(t4[12], "");   // no slot there
  EXPECT_EQ(t4[20], "7");  // slot 16
  // Regionale Schule: a level right of each grade, the next grade over it;
  // the name and absence cells come last.
  const QStringList t2 = GridRowCells(r, 2);
  EXPECT_EQ(t2.size(), 37);
  EXPECT_EQ(t2[2], "1");
  EXPECT_EQ(t2[3], "2");
  EXPECT_EQ(t2[5], "C");  // level of slot 3
  EXPECT_EQ(t2[8], "Na");
  EXPECT_EQ(t2[19], "P");  // level of slot 16
  EXPECT_EQ(t2[33], "Nam");
  EXPECT_EQ(t2[36], "12");
  const QStringList t3 = GridRowCells(r, 3);
  EXPECT_EQ(t3[2], "1");
  EXPECT_EQ(t3[3], "Na");
  EXPECT_EQ(t3[21], "12");
  EXPECT_EQ(t3[34], "7");
  // The other school types write slot 1's grade over the first name.
  EXPECT_EQ(GridRowCells(r, 1)[1], "1");
  EXPECT_EQ(GridRowCells(r, 9).size(), 5);
}

TEST(PupilTable, ReadsOnlyTheTakenColumns) {
  TPupilRecord r = GradedPupil();
  QStringList cells = GridRowCells(r, 4);
  cells[4] = "5x";  // slot 2
  cells[6] = "";    // slot 3: an empty cell keeps the grade
  cells[7] = "6";   // slot 4, not taken
  std::vector<bool> take(static_cast<std::size_t>(cells.size()), false);
  take[4] = take[6] = true;
  ReadGridRowCells(cells, r, 4, take);
  EXPECT_EQ(r.Subjects[1].Grade, "5");
  EXPECT_EQ(r.Subjects[2].Grade, "3");
  EXPECT_EQ(r.Subjects[3].Grade, "4");
  // All columns: slot 4 follows too.
  ReadGridRowCells(cells, r, 4, {});
  EXPECT_EQ(r.Subjects[3].Grade, "6");
}

TEST(PupilTable, ReadsNamesLevelsAndAbsence) {
  SubjectListsScope lists;
  TPupilRecord r = GradedPupil();
  QStringList cells = GridRowCells(r, 2);
  cells[33] = "mus";
  cells[8] = "ph";
  cells[36] = "123456";
  cells[19] = "e";  // level of slot 16
  ReadGridRowCells(cells, r, 2, {});
  EXPECT_EQ(r.Subjects[15].Name, "Musik");
  EXPECT_EQ(r.Subjects[3].Name, "Philosophie");
  EXPECT_EQ(r.AbsenceDays, "12345");
  EXPECT_EQ(r.Subjects[15].CourseLevel, "e");

  TPupilRecord g = GradedPupil();
  QStringList c3 = GridRowCells(g, 3);
  c3[3] = "fr";
  c3[5] = "";  // an empty name cell gives "???"
  c3[12] = "xx";
  ReadGridRowCells(c3, g, 3, {});
  EXPECT_EQ(g.Subjects[1].Name.text(), QString::fromUtf8("Französisch"));
  EXPECT_EQ(g.Subjects[2].Name, "???");
  EXPECT_EQ(g.Subjects[8].Name, "Name09");  // no match keeps the name
}

TEST(PupilTable, CompleteFromList) {
  const QStringList list = {"Deutsch", "Mathematik", "Musik", QString::fromUtf8("Ästhetik"),
                            QString(35, 'Z')};
  const struct {
    const char* typed;
    const char* expected;
  } cases[] = {
      {"ma", "Mathematik"},       {"MAT", "Mathematik"}, {"mathe", "Mathematik"},  // only three count
      {"mu", "Musik"},            {"m", "Mathematik"},   {"xy", "before"},
      {"", "???"},                {"äs", "before"},      {"Äs", "Ästhetik"},  // umlauts compare exactly
      {"zzz", "ZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZ"},
  };
  for (const auto& c : cases) {
    ShortString<30> result;
    result.set("before");
    CompleteFromList(QString::fromUtf8(c.typed), list, result);
    EXPECT_EQ(result.text(), QString::fromUtf8(c.expected)) << c.typed;
  }
  ShortString<30> result;
  result.set("before");
  CompleteFromList("ma", {}, result);
  EXPECT_EQ(result, "???");
  result.set("before");
  CompleteFromList("ma", {"M"}, result);  // an entry shorter than the typed part
  EXPECT_EQ(result, "before");
}

TEST(PupilTable, EnterMovesRightThenToTheNextRow) {
  const struct {
    GridCell from;
    GridCell to;
  } cases[] = {{{1, 2}, {1, 3}}, {{1, 4}, {2, 2}}, {{3, 4}, {1, 2}}, {{2, 0}, {2, 1}}};
  for (const auto& c : cases) {
    const GridCell next = NextGridCellOnEnter(c.from, 4, 5);
    EXPECT_EQ(next.row, c.to.row);
    EXPECT_EQ(next.column, c.to.column);
  }
}
