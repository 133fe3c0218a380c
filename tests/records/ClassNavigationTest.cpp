#include "records/ClassNavigation.h"

#include <gtest/gtest.h>

#include <string>

#include "records/QuorvDat.h"
#include "settings/Facheinst.h"

using namespace quorv;

namespace {

// A class from a string of active flags ('1' live, '0' marked deleted).
TDB2 ClassOf(const std::string& actives) {
  TDB2 pupils;
  for (char a : actives) {
    TPupilRecord r = ZeroPupilRecord();
    r.Active = a == '1' ? 1 : 0;
    r.Surname.set("S" + std::to_string(pupils.size()));
    pupils.push_back(r);
  }
  return pupils;
}

TPupilRecord Named(const char* surname, const char* firstName, int active = 1) {
  TPupilRecord r = ZeroPupilRecord();
  r.Surname.set(surname);
  r.FirstName.set(firstName);
  r.Active = static_cast<std::uint16_t>(active);
  return r;
}

constexpr auto K = ButtonChange::Keep;
constexpr auto E = ButtonChange::Enable;
constexpr auto D = ButtonChange::Disable;

struct NavCase {
  const char* actives;
  bool showDeleted;
  int current;
  NavButton button;
  bool store;
  int target;
  ButtonChange back;
  ButtonChange forward;
};

// The buttons' table in both modes over deleted pupils, one pupil and all deleted.
const NavCase kNavCases[] = {
    // Deleted pupils between live ones, passed over.
    {"10101", false, 2, NavButton::Prior, true, 0, K, E},
    {"10101", false, 0, NavButton::Prior, false, -1, D, K},
    {"10101", false, 2, NavButton::Next, true, 4, E, K},
    {"10101", false, 4, NavButton::Next, false, -1, K, D},
    {"10101", false, 4, NavButton::First, true, 0, K, E},
    {"10101", false, 0, NavButton::First, true, 0, K, E},  // stores even without moving
    {"10101", false, 0, NavButton::Last, true, 4, E, K},
    {"10101", false, 4, NavButton::Last, true, 4, E, K},
    // The same class with deleted pupils shown.
    {"10101", true, 2, NavButton::Prior, true, 1, K, E},
    {"10101", true, 0, NavButton::Prior, false, -1, D, K},
    {"10101", true, 0, NavButton::First, false, -1, D, E},
    {"10101", true, 3, NavButton::First, true, 0, K, E},
    {"10101", true, 3, NavButton::Next, true, 4, E, K},
    {"10101", true, 4, NavButton::Next, false, -1, K, D},
    {"10101", true, 4, NavButton::Last, false, -1, E, D},
    {"10101", true, 1, NavButton::Last, true, 4, E, K},
    // First and last deleted.
    {"0110", false, 1, NavButton::Prior, false, -1, D, E},
    {"0110", false, 2, NavButton::Next, false, -1, E, D},
    {"0110", false, 3, NavButton::First, true, 1, K, E},
    {"0110", false, 0, NavButton::Last, true, 2, E, K},
    {"0110", true, 1, NavButton::Prior, true, 0, K, E},
    // One pupil.
    {"1", false, 0, NavButton::First, true, 0, K, E},
    {"1", false, 0, NavButton::Last, true, 0, E, K},
    {"1", false, 0, NavButton::Prior, false, -1, D, K},
    {"1", false, 0, NavButton::Next, false, -1, K, D},
    {"1", true, 0, NavButton::Last, false, -1, E, D},
    // One pupil, marked deleted: it stays current.
    {"0", false, 0, NavButton::First, true, 0, K, E},
    {"0", false, 0, NavButton::Last, true, 0, E, K},
    // All deleted: "| <" goes to the last record, "> |" to record 0.
    {"000", false, 1, NavButton::First, true, 2, K, E},
    {"000", false, 1, NavButton::Last, true, 0, E, K},
    {"000", false, 0, NavButton::Next, false, -1, E, D},
    {"000", false, 2, NavButton::Prior, false, -1, D, E},
};

}  // namespace

TEST(ClassNavigation, ButtonsInBothModes) {
  for (const NavCase& c : kNavCases) {
    SCOPED_TRACE(std::string(c.actives) + (c.showDeleted ? " shown" : " hidden") + " from " +
                 std::to_string(c.current) + " button " + std::to_string(static_cast<int>(c.button)));
    const TDB2 pupils = ClassOf(c.actives);
    const NavStep step = PlanNavigation(c.button, pupils, static_cast<int>(pupils.size()), c.current, c.showDeleted);
    EXPECT_EQ(step.store, c.store);
    EXPECT_EQ(step.target, c.target);
    EXPECT_EQ(step.backButtons, c.back);
    EXPECT_EQ(step.forwardButtons, c.forward);
  }
}

TEST(ClassNavigation, EmptyClassDoesNothing) {
  const NavStep step = PlanNavigation(NavButton::First, {}, 0, 0, false);
  EXPECT_FALSE(step.store);
  EXPECT_EQ(step.target, -1);
}

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

TEST(PupilTable, ColumnCounts) {
  const struct {
    int schoolType;
    int columns;
  } cases[] = {{0, 9}, {1, 9}, {2, 37}, {3, 35}, {4, 21}, {5, 9}, {6, 9}, {7, 9}, {8, 5}, {9, 5}};
  for (const auto& c : cases) EXPECT_EQ(GridColumnCount(c.schoolType), c.columns) << c.schoolType;
  EXPECT_EQ(GridColumnOfSlot(2, 16), 18);
  EXPECT_EQ(GridColumnOfSlot(3, 16), 34);
  EXPECT_EQ(GridColumnOfSlot(4, 17), 0);
  EXPECT_EQ(GridColumnOfSlot(1, 6), 0);
}

TEST(PupilTable, CellsPerSchoolType) {
  const TPupilRecord r = GradedPupil();
  const QStringList t4 = GridRowCells(r, 4);
  EXPECT_EQ(t4[0], "Ulm");
  EXPECT_EQ(t4[1], "Uta");
  EXPECT_EQ(t4[2], "1");   // slot 1
  EXPECT_EQ(t4[12], "");   // no slot there
  EXPECT_EQ(t4[20], "7");  // slot 16
  // Regionale Schule: a level right of each grade, the next grade over it;
  // the name and absence cells come last.
  const QStringList t2 = GridRowCells(r, 2);
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

TEST(PupilTable, CellColours) {
  const QColor yellow(255, 255, 0), grey(128, 128, 128), white(255, 255, 255), red(255, 0, 0),
      fuchsia(255, 0, 255);
  const struct {
    bool current;
    bool deleted;
    const char* text;
    QColor background;
    QColor textColour;
  } cases[] = {
      {true, false, "5", yellow, red},   {true, false, "8", yellow, red}, {true, false, "4", yellow, QColor()},
      {true, true, "6", grey, red},      {false, false, "7", white, fuchsia},
      {false, true, "2", white, QColor()}, {false, false, "55", white, QColor()},
  };
  for (const auto& c : cases) {
    const GridCellColours colours = GridCellColoursFor(c.current, c.deleted, c.text);
    EXPECT_EQ(colours.background, c.background) << c.text;
    EXPECT_EQ(colours.text, c.textColour) << c.text;
  }
}
