#include "mainwindow/FachEing.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QWindow>

#include "mainwindow/BewHilf.h"
#include "mainwindow/BewUebers.h"
#include "mainwindow/MainFormFixture.h"
#include "records/SubjectGrades.h"
#include "records/SubjectSlots.h"
#include "settings/Facheinst.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedMessages.h"

using namespace quorv;
using platform::MsgKind;
using platform::MsgResult;

namespace {

const QString kKeepQuestion =
    QString::fromUtf8("Sollen die veränderten Daten\rseit dem letzten Fächerwechsel\rnoch übernommen werden?");

class FachEingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::UseDefaultSettings();
    BuildDefaultSubjectCatalog();
    BuildSubjectLists();
    Pupils.clear();
    // Form 15 has Mathematik; form 1 has none.
    Add("Zander", "Anna", 15, "2");
    Add("Berg", "Olaf", 15, "4").Active = 0;  // marked deleted: not listed
    Add("???", "", 15, "1");                   // placeholder row: not listed
    Add("Adler", "Tim", 1, "");                // no Mathematik slot
    Add("Berg", "Eva", 15, "3");
    PupilCount = static_cast<int>(Pupils.size());
    CurrentPupil = 0;
    Modified = false;
  }

  TPupilRecord& Add(const char* surname, const char* first, int form, const char* grade) {
    TPupilRecord r{};
    InitPupilRecord(r);
    r.Surname.set(surname);
    r.FirstName.set(first);
    r.ClassName.set("7a");
    r.KeyNumber = static_cast<std::int32_t>(Pupils.size()) + 10;
    r.FormNumber = r.LayoutFormNumber = form;
    for (int s = 1; s <= kRegularSlots; ++s) SetSubjectFromCatalog(r.Subjects[s - 1], s, form);
    if (const int slot = SlotNamed(r, QStringLiteral("Mathematik"))) {
      r.Subjects[slot - 1].Grade.set(grade);
      r.Subjects[slot - 1].CourseLevel.set("E");
    }
    Pupils.push_back(r);
    return Pupils.back();
  }
  std::string Grade(int record, const char* subject) {
    const TPupilRecord& p = Pupils[record];
    return p.Subjects[SlotNamed(p, QString::fromUtf8(subject)) - 1].Grade.str();
  }
  QString Cell(int row, int column) {
    auto* item = form.StringGrid1->item(row, column);
    return item ? item->text() : QString();
  }
  void Type(int row, int column, const QString& text) { form.StringGrid1->item(row, column)->setText(text); }
  int RowOf(const char* name) {
    for (int r = 1; r < form.StringGrid1->rowCount(); ++r)
      if (Cell(r, 2) == QString::fromUtf8(name)) return r;
    return -1;
  }
  void Choose(const char* subject) { form.ComboBox1Change(QString::fromUtf8(subject)); }

  testsupport::SavedProgramState state_;
  TFachEingForm form;
};

TEST_F(FachEingTest, ListsTheLivePupilsWithTheSubjectsColumns) {
  form.FormShow();
  EXPECT_EQ(form.GridSubject, QString::fromLatin1(kNoContent));
  ASSERT_EQ(form.ListedPupilCount, 3);
  EXPECT_EQ(form.StringGrid1->rowCount(), 4);
  EXPECT_EQ(Cell(0, 2), QStringLiteral("Name, Vorname"));
  EXPECT_EQ(Cell(1, 2), QStringLiteral("Zander, Anna"));
  EXPECT_EQ(Cell(1, 0), QStringLiteral("10"));
  EXPECT_EQ(Cell(1, 1), QStringLiteral("7a"));
  EXPECT_EQ(Cell(1, 4), QString());  // no subject chosen yet

  Choose("Mathematik");
  const QStringList zander{Cell(1, 3), Cell(1, 4), Cell(1, 5)};
  EXPECT_EQ(zander, (QStringList{"E", "2", ""}));
  const int adler = RowOf("Adler, Tim");
  EXPECT_EQ((QStringList{Cell(adler, 3), Cell(adler, 4), Cell(adler, 5)}), (QStringList{"XX", "XX", "XX"}));
}

TEST_F(FachEingTest, NarrowColumnsKeepTheirFewPixels) {
  SchoolSettings.SchoolType = 1;  // no levels
  ProgramOptions.ShowAdditions = 0;
  form.FormShow();
  const QTableWidget* grid = form.StringGrid1;
  EXPECT_EQ((QList<int>{grid->columnWidth(0), grid->columnWidth(3), grid->columnWidth(5)}), (QList<int>{2, 5, 2}));
}

TEST_F(FachEingTest, BeendenWritesTypedValuesAsTyped) {
  form.FormShow();
  Choose("Mathematik");
  Type(1, 4, QStringLiteral(" x"));  // stored as typed, not as a grade code
  Type(1, 3, QStringLiteral("  G"));
  Type(1, 5, QStringLiteral("abc"));
  Type(RowOf("Berg, Eva"), 4, QString());
  Type(RowOf("Adler, Tim"), 4, QStringLiteral("1"));  // "XX" rows are never written
  testsupport::ScriptedDialogs dialogs;  // none expected
  form.BitBtn1Click();
  EXPECT_EQ(form.result(), 1);
  const TSubjectEntry& e = Pupils[0].Subjects[SlotNamed(Pupils[0], QStringLiteral("Mathematik")) - 1];
  EXPECT_EQ(e.Grade.str(), "x");
  EXPECT_EQ(e.CourseLevel.str(), "G");
  EXPECT_EQ(e.Addition.str(), "ab");
  EXPECT_EQ(Grade(4, "Mathematik"), "");
  EXPECT_EQ(Grade(1, "Mathematik"), "4");  // the marked pupil is untouched
  EXPECT_TRUE(Modified);
}

// The level and grade cells hold one character after any leading blanks,
// which the write-back skips; a second character is refused. A cell the
// program filled with more ("XX": no such subject) opens whole.
TEST_F(FachEingTest, LevelAndGradeCellsTakeLeadingBlanksAndOneCharacter) {
  form.show();
  Choose("Mathematik");
  const auto* note = form.findChild<QLabel*>("RefusalNote");
  const struct {
    const char* Pupil;
    int Column;
    const char* Typed;  // after the cell's text is selected
    const char* Held;
    bool Full;
  } cases[] = {
      {"Adler, Tim", 3, "", "XX", false},
      {"Zander, Anna", 4, " 34", " 3", true},
      {"Zander, Anna", 3, " GE", " G", true},
      {"Berg, Eva", 3, "  G", "  G", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Pupil) + " " + std::to_string(c.Column));
    const int row = RowOf(c.Pupil);
    form.StringGrid1->setCurrentCell(row, c.Column);  // leaving a cell takes its text
    form.StringGrid1->editItem(form.StringGrid1->item(row, c.Column));
    auto* cell = form.StringGrid1->viewport()->findChildren<QLineEdit*>().constLast();
    cell->selectAll();
    QTest::keyClicks(cell, QString::fromUtf8(c.Typed));
    EXPECT_EQ(cell->text(), QString::fromUtf8(c.Held));
    EXPECT_EQ(note->text(), c.Full ? QString::fromUtf8("Das Feld ist voll: Es fasst höchstens 1 Zeichen.") : QString());
  }
  form.StringGrid1->setCurrentCell(1, 5);
  form.BitBtn1Click();
  EXPECT_EQ(Grade(0, "Mathematik"), "3");
  const auto level = [&](int record) {
    return Pupils[record].Subjects[SlotNamed(Pupils[record], QStringLiteral("Mathematik")) - 1].CourseLevel.str();
  };
  EXPECT_EQ(level(0) + level(4), "GG");
}

TEST_F(FachEingTest, ChangingTheSubjectWritesThePreviousOneBackFirst) {
  form.FormShow();
  Choose("Mathematik");
  Type(1, 4, QStringLiteral("1"));
  Choose("Deutsch");
  EXPECT_EQ(Grade(0, "Mathematik"), "1");
  EXPECT_EQ(form.GridSubject, QStringLiteral("Deutsch"));
  // A typed text that is no subject: nothing shown, nothing written later.
  Type(1, 4, QStringLiteral("5"));
  form.ComboBox1Change(QStringLiteral("Mathe"));
  EXPECT_EQ(Grade(0, "Deutsch"), "5");
  EXPECT_EQ(form.GridSubject, QStringLiteral("???"));
  EXPECT_EQ(Cell(1, 4), QString());
}

TEST_F(FachEingTest, AbbrechenWritesBackOnlyOnYes) {
  for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
    Pupils[0].Subjects[SlotNamed(Pupils[0], QStringLiteral("Mathematik")) - 1].Grade.set("2");
    form.FormShow();
    Choose("Mathematik");
    Type(1, 4, QStringLiteral("6"));
    testsupport::ScriptedMessages messages;
    messages.expect(kKeepQuestion, MsgKind::Confirmation, answer);
    form.BitBtn2Click();
    EXPECT_EQ(form.result(), 2);
    EXPECT_EQ(Grade(0, "Mathematik"), answer == MsgResult::Yes ? "6" : "2");
  }
}

TEST_F(FachEingTest, ARowOfAnEarlierListingIsNeverWrittenBack) {
  form.FormShow();
  Choose("Mathematik");
  form.BitBtn1Click();
  Pupils[0].Active = 0;  // one pupil fewer at the next showing
  form.FormShow();
  Choose("Mathematik");
  EXPECT_EQ(form.StringGrid1->rowCount(), form.ListedPupilCount + 1);
  Type(RowOf("Berg, Eva"), 4, QStringLiteral("1"));
  form.BitBtn1Click();
  EXPECT_EQ(Grade(4, "Mathematik"), "1");
}

TEST_F(FachEingTest, SortsTheRowsByCharacterCode) {
  Add("anton", "Udo", 15, "1");
  Add("\xC4rger", "Ute", 15, "1");  // Ärger
  PupilCount = static_cast<int>(Pupils.size());
  form.FormShow();
  auto names = [&] {
    QStringList out;
    for (int r = 1; r <= form.ListedPupilCount; ++r) out << Cell(r, 2).section(',', 0, 0) + Cell(r, 0);
    return out;
  };
  form.BitBtn5Click();
  EXPECT_EQ(names(), (QStringList{"Adler13", "Berg14", "Zander10", "anton15", QString::fromUtf8("Ärger16")}));
  form.BitBtn6Click();
  EXPECT_EQ(names(), (QStringList{QString::fromUtf8("Ärger16"), "anton15", "Zander10", "Berg14", "Adler13"}));
  // Equal classes keep their order in both directions.
  form.BitBtn3Click();
  EXPECT_EQ(names().first(), QString::fromUtf8("Ärger16"));
  EXPECT_EQ(form.StringGrid1->rowCount(), 6);
}

TEST_F(FachEingTest, ClearingEmptiesTheGradesOfTheRowsWithTheSubjectOnly) {
  form.FormShow();
  Choose("Mathematik");
  testsupport::ScriptedMessages messages;
  messages.expect(QString::fromUtf8("Wollen Sie wirklich alle Bewertungen, Zusätze (,Niveauangaben) löschen?"),
                  MsgKind::Confirmation, MsgResult::Yes);
  form.BitBtn8Click();
  EXPECT_EQ((QStringList{Cell(1, 3), Cell(1, 4), Cell(1, 5)}), (QStringList{"-", "-", ""}));
  EXPECT_EQ(Cell(RowOf("Adler, Tim"), 4), QStringLiteral("XX"));
  EXPECT_EQ(Grade(0, "Mathematik"), "2");  // the grid only
}

TEST_F(FachEingTest, OverviewShowsCountsAndHidesSubjectsNobodyHas) {
  TBewUebersForm overview;
  Pupils[0].Subjects[18].Name.set("Chor");
  Pupils[0].Subjects[18].Grade.set("1");
  overview.FormShow();
  QTableWidget* grid = overview.StringGrid1;
  int math = -1, latin = -1, chor = -1;
  for (int r = 1; r < grid->rowCount(); ++r) {
    const QString name = grid->item(r, 0)->text();
    if (name == QStringLiteral("Mathematik")) math = r;
    if (name == QStringLiteral("Latein")) latin = r;
    if (name == QStringLiteral("WPfl.: Chor")) chor = r;
  }
  ASSERT_TRUE(math > 0 && latin > 0 && chor > 0);
  EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("  1"));
  // Live pupils only (the placeholder row too): 2, 3 and 1; not the marked 4.
  EXPECT_EQ(grid->item(math, 1)->text(), QStringLiteral("3"));
  EXPECT_EQ(grid->item(math, 2)->text(), QStringLiteral("1"));
  EXPECT_EQ(grid->item(math, 3)->text(), QStringLiteral("1"));
  EXPECT_EQ(grid->item(math, 5)->text(), QString());
  EXPECT_EQ(grid->rowHeight(math), 18);
  EXPECT_EQ(grid->rowHeight(latin), 6);
  EXPECT_EQ(grid->item(chor, 2)->text(), QStringLiteral("1"));
}

using SubjectCommandsTest = testsupport::MainFormTest;

TEST_F(SubjectCommandsTest, GradeEntryStoresFirstAndShowsAfterwards) {
  auto& main = ShownForm();
  TFachEingForm fachEing(&main);
  TBewUebersForm overview(&main);
  main.FachEingForm = &fachEing;
  main.BewUebersForm = &overview;
  testsupport::ScriptedDialogs dialogs;
  dialogs.expect(QStringLiteral("FachEingForm"), 1).expect(QStringLiteral("BewUebersForm"), 1);
  main.SpeedButton13Click();
  EXPECT_EQ(main.calls, (std::vector<std::string>{"Store", "Show", "Update"}));
  main.calls.clear();
  main.Bewertungsbersicht1Click();  // counts the records as stored
  EXPECT_TRUE(main.calls.empty());
  EXPECT_EQ(dialogs.shownCount(), 2);
}

// The code list opened from the modal grade entry stands beside it and takes
// clicks while the entry stays open; one the data sheet left open does so
// from the moment the entry opens, its button pressed or not.
TEST_F(SubjectCommandsTest, CodeListWorksBesideTheModalGradeEntry) {
  auto& main = ShownForm();
  TFachEingForm fachEing(&main);
  TBewHilfForm codeList(&main);
  main.FachEingForm = &fachEing;
  fachEing.BewHilfForm = &codeList;
  const struct {
    bool LeftOpenBySheet;
    bool Pressed;
  } cases[] = {{false, true}, {true, false}, {true, true}};
  for (const auto& c : cases) {
    if (c.LeftOpenBySheet) codeList.show();
    testsupport::ScriptedDialogs dialogs;
    dialogs.expect(QStringLiteral("FachEingForm"), [&](QDialog& dialog) {
      dialog.setWindowModality(Qt::ApplicationModal);
      dialog.show();
      if (c.Pressed) fachEing.BitBtn7->click();
      EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
      EXPECT_TRUE(codeList.isVisible());
      EXPECT_FALSE(codeList.frameGeometry().intersects(fachEing.GridColumnsOnScreen()));
      // Through the window system, where a modal dialog blocks the windows outside it.
      QTest::mouseClick(codeList.windowHandle(), Qt::LeftButton, {},
                        codeList.Button1->mapTo(&codeList, codeList.Button1->rect().center()));
      EXPECT_FALSE(codeList.isVisible()) << c.LeftOpenBySheet << c.Pressed;
      dialog.hide();
      return 1;
    });
    main.SpeedButton13Click();
    EXPECT_EQ(codeList.parentWidget(), &main);
  }
}

}  // namespace
