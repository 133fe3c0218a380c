#include <gtest/gtest.h>

#include <QAbstractItemDelegate>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <functional>

#include "mainwindow/DataSheetControls.h"
#include "mainwindow/SheetStubFixture.h"

using namespace quorv;
using testsupport::ClassOf;
using testsupport::Pupil;
using testsupport::SheetStubForm;
using testsupport::SheetStubTest;

namespace {

// Abel and Eck live, Berg and Dorn marked deleted, Cron live.
TDB2 ClassWithDeletedPupils() {
  return ClassOf({Pupil("Abel", "Anna"), Pupil("Berg", "Ben", 0), Pupil("Cron", "Cem"), Pupil("Dorn", "Dana", 0),
                  Pupil("Eck", "Emil")});
}

QPushButton* ButtonOf(TMainForm& form, int number) {
  QPushButton* buttons[] = {form.Button1, form.Button2, form.Button3, form.Button4};
  return buttons[number - 1];
}

std::string EnabledButtons(SheetStubForm& form) {
  std::string s;
  for (int b = 1; b <= 4; ++b) s += ButtonOf(form, b)->isEnabled() ? '1' : '0';
  return s;
}

bool Called(const SheetStubForm& form, const std::string& call) {
  return std::find(form.calls.begin(), form.calls.end(), call) != form.calls.end();
}

struct Press {
  int button;        // 1 "| <", 2 "<", 3 ">", 4 "> |"
  int current;       // CurrentPupil afterwards
  int row;           // the list's selected entry afterwards
  const char* enabled;  // Button1..Button4
  bool stored;       // the sheet was stored first
};

void Walk(SheetStubForm& form, const std::vector<Press>& presses) {
  for (std::size_t i = 0; i < presses.size(); ++i) {
    const Press& p = presses[i];
    SCOPED_TRACE("press " + std::to_string(i + 1) + " of button " + std::to_string(p.button));
    const int before = CurrentPupil;
    form.calls.clear();
    ButtonOf(form, p.button)->click();
    EXPECT_EQ(CurrentPupil, p.current);
    EXPECT_EQ(form.ListBox1->currentRow(), p.row);
    EXPECT_EQ(EnabledButtons(form), p.enabled);
    EXPECT_EQ(Called(form, "Store " + std::to_string(before)), p.stored);
    EXPECT_EQ(form.calls.back(), "Show " + std::to_string(p.current));
    // The position line follows.
    EXPECT_EQ(form.Edit12->text(), QString::number(p.current + 1));
    EXPECT_EQ(form.Edit13->text(), QString::number(PupilCount));
    EXPECT_EQ(form.CheckBox2->isChecked(), Pupils[static_cast<std::size_t>(p.current)].Active == 0);
  }
}

}  // namespace

TEST_F(SheetStubTest, NavigationPassesOverDeletedPupils) {
  auto& form = ShownForm();
  SetClass(ClassWithDeletedPupils());
  EXPECT_EQ(ListTexts(), (QStringList{"Abel, Anna", "Cron, Cem", "Eck, Emil"}));
  Walk(form, {
                 {3, 2, 1, "1111", true},
                 {3, 4, 2, "1111", true},
                 {3, 4, 2, "1100", true},  // cannot move, stores all the same
                 {2, 2, 1, "1111", true},
                 {2, 0, 0, "1111", true},
                 {2, 0, 0, "0011", true},
                 {4, 4, 2, "1111", true},
                 {1, 0, 0, "1111", true},
             });
}

TEST_F(SheetStubTest, NavigationReachesDeletedPupilsWhenShown) {
  ProgramOptions.ShowDeletedPupils = 1;
  auto& form = ShownForm();
  SetClass(ClassWithDeletedPupils());
  EXPECT_EQ(ListTexts(), (QStringList{"Abel, Anna", "Berg, Ben", "Cron, Cem", "Dorn, Dana", "Eck, Emil"}));
  Walk(form, {
                 {3, 1, 1, "1111", true},
                 {4, 4, 4, "1111", true},
                 {4, 4, 4, "1100", true},
                 {2, 3, 3, "1111", true},
                 {1, 0, 0, "1111", true},
                 {1, 0, 0, "0011", true},
                 {3, 1, 1, "1111", true},
             });
}

TEST_F(SheetStubTest, FirstAndLastDeletedAreNeverReachedWhenHidden) {
  auto& form = ShownForm();
  SetClass(ClassOf({Pupil("A", "a", 0), Pupil("B", "b"), Pupil("C", "c"), Pupil("D", "d", 0)}), 1);
  Walk(form, {
                 {2, 1, 0, "0011", true},
                 {4, 2, 1, "1111", true},
                 {3, 2, 1, "1100", true},
                 {1, 1, 0, "1111", true},
             });
}

TEST_F(SheetStubTest, OneDeletedPupilStaysCurrentWithAnEmptyList) {
  auto& form = ShownForm();
  SetClass(ClassOf({Pupil("Solo", "Sam", 0)}));
  EXPECT_EQ(form.ListBox1->count(), 0);
  Walk(form, {
                 {1, 0, -1, "1111", true},
                 {4, 0, -1, "1111", true},
                 {3, 0, -1, "1100", true},
                 {2, 0, -1, "0000", true},
             });
}

TEST_F(SheetStubTest, OneLivePupil) {
  auto& form = ShownForm();
  SetClass(ClassOf({Pupil("Solo", "Sam")}));
  EXPECT_EQ(ListTexts(), QStringList{"Solo, Sam"});
  Walk(form, {
                 {2, 0, 0, "0011", true},
                 {4, 0, 0, "1111", true},
                 {3, 0, 0, "1100", true},
                 {1, 0, 0, "1111", true},
             });
}

TEST_F(SheetStubTest, AllDeletedWhenHidden) {
  auto& form = ShownForm();
  SetClass(ClassOf({Pupil("A", "a", 0), Pupil("B", "b", 0), Pupil("C", "c", 0)}), 1);
  EXPECT_EQ(form.ListBox1->count(), 0);
  Walk(form, {
                 {1, 2, -1, "1111", true},  // none live: the last record
                 {4, 0, -1, "1111", true},  // none live: record 0
                 {3, 0, -1, "1100", true},
             });
}

// A remark typed on the data sheet survives a press that cannot move.
TEST(NavigationOnTheSheet, APressThatCannotMoveKeepsTheTypedRemark) {
  const struct {
    int showDeleted;
    std::vector<int> active;
    int current, button;
    const char* remark;  // null: nothing typed
  } cases[] = {{0, {1, 1}, 1, 3, "Last, >"},       {0, {1, 1}, 0, 2, "First, <"},
               {1, {1, 1}, 1, 4, "Last, > |"},     {1, {1, 1}, 0, 1, "First, | <"},
               {0, {1, 0}, 0, 3, "None live, >"},  {0, {0, 1}, 1, 2, "None live, <"},
               {0, {1, 1}, 1, 3, nullptr}};
  testsupport::SavedProgramState state;
  testsupport::TempProgramDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.remark ? c.remark : "nothing typed");
    ProgramOptions.ShowDeletedPupils = static_cast<std::uint16_t>(c.showDeleted);
    TMainForm form(dir.programDir() + "quorv");
    form.show();
    Pupils.clear();
    for (int active : c.active) Pupils.push_back(Pupil("Nagel", "Nina", active));
    PupilCount = static_cast<int>(Pupils.size());
    CurrentPupil = c.current;
    form.ShowCurrentPupil();
    Modified = false;
    const std::string expected = c.remark ? c.remark : form.Sheet->Memo3->toPlainText().toStdString();
    if (c.remark) form.Sheet->Memo3->setPlainText(QString::fromLatin1(c.remark));
    ButtonOf(form, c.button)->click();
    EXPECT_EQ(form.Sheet->Memo3->toPlainText().toStdString(), expected);
    EXPECT_EQ(Pupils[static_cast<std::size_t>(c.current)].RemarksText.str(), expected);
    EXPECT_EQ(Modified, c.remark != nullptr);
  }
}

TEST_F(SheetStubTest, ListClickSelectsTheNamesakeClicked) {
  auto& form = ShownForm();
  SetClass(ClassOf({Pupil("Abel", "Anna"), Pupil("Berg", "Ben", 0), Pupil("Nagel", "Nina"), Pupil("Ost", "Olaf"),
                    Pupil("Pohl", "Paul", 0), Pupil("Nagel", "Nina"), Pupil("Rau", "Rita")}),
           3);
  ASSERT_EQ(ListTexts(), (QStringList{"Abel, Anna", "Nagel, Nina", "Ost, Olaf", "Nagel, Nina", "Rau, Rita"}));
  EXPECT_EQ(form.ListBox1->currentRow(), 2);
  const struct {
    int row;
    int current;
  } clicks[] = {{3, 5}, {1, 2}, {4, 6}, {1, 2}, {3, 5}, {0, 0}};
  for (const auto& c : clicks) {
    form.calls.clear();
    const int before = CurrentPupil;
    form.ListBox1->setCurrentRow(c.row);
    EXPECT_EQ(CurrentPupil, c.current) << c.row;
    // The list shows the entry clicked, not the other namesake's.
    EXPECT_EQ(form.ListBox1->currentRow(), c.row);
    EXPECT_EQ(form.calls.front(), "Store " + std::to_string(before));
    EXPECT_EQ(form.LastListIndex, c.row);
  }
  // After the buttons moved, a click still finds the entry's own pupil.
  form.Button4->click();
  form.Button2->click();
  ASSERT_EQ(CurrentPupil, 5);
  form.ListBox1->setCurrentRow(1);
  EXPECT_EQ(CurrentPupil, 2);
  EXPECT_EQ(EnabledButtons(form), "1111");
}

TEST_F(SheetStubTest, ListKeysSelectAsClicksDo) {
  auto& form = ShownForm();
  SetClass(ClassOf({Pupil("Abel", "Anna"), Pupil("Berg", "Ben", 0), Pupil("Cron", "Cem"), Pupil("Dahl", "Dana")}));
  ASSERT_EQ(ListTexts(), (QStringList{"Abel, Anna", "Cron, Cem", "Dahl, Dana"}));
  QListWidget* list = form.ListBox1;
  auto click = [list](int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  };
  const struct {
    std::function<void()> Select;
    int Current;
  } steps[] = {
      {[&] { QTest::keyClick(list, Qt::Key_Down); }, 2},
      {[&] { QTest::keyClick(list, Qt::Key_Down); }, 3},
      {[&] { click(0); }, 0},
      {[&] { QTest::keyClick(list, Qt::Key_End); }, 3},
      {[&] { QTest::keyClick(list, Qt::Key_Up); }, 2},
      {[&] { click(2); }, 3},
      {[&] { QTest::keyClick(list, Qt::Key_Home); }, 0},
  };
  for (const auto& step : steps) {
    step.Select();
    EXPECT_EQ(CurrentPupil, step.Current);
  }
}

TEST_F(SheetStubTest, ListClickStoresTheEditIntoThePupilLeft) {
  auto& form = ShownForm();
  SetClass(ClassWithDeletedPupils());
  form.FileSaveItem->setEnabled(false);
  form.pendingEdit = "7";
  form.ListBox1->setCurrentRow(2);
  EXPECT_EQ(CurrentPupil, 4);
  EXPECT_EQ(Pupils[0].AbsenceDays, "7");
  EXPECT_EQ(Pupils[4].AbsenceDays, "- -");
  EXPECT_TRUE(Modified);
  EXPECT_TRUE(form.FileSaveItem->isEnabled());
  EXPECT_FALSE(form.Edit73->isHidden());
}

TEST_F(SheetStubTest, ListWithoutSelectionGoesToTheFirstRecord) {
  ProgramOptions.ShowDeletedPupils = 1;
  auto& form = ShownForm();
  SetClass(ClassWithDeletedPupils(), 3);
  form.ListBox1->setCurrentRow(-1);  // no entry: the first record
  EXPECT_EQ(CurrentPupil, 0);
  EXPECT_EQ(form.ListBox1->currentRow(), 0);
}

TEST_F(SheetStubTest, PositionFieldsAndChangedIndicator) {
  auto& form = ShownForm();
  SetClass(ClassOf({Pupil("A", "a", 1), Pupil("B", "b", 0), Pupil("C", "c", 2)}));
  const struct {
    int current;
    Qt::CheckState state;
  } cases[] = {{0, Qt::Unchecked}, {1, Qt::Checked}, {2, Qt::PartiallyChecked}, {0, Qt::Unchecked}};
  for (const auto& c : cases) {
    CurrentPupil = c.current;
    form.UpdatePupilPosition();
    EXPECT_EQ(form.CheckBox2->checkState(), c.state) << c.current;
    EXPECT_EQ(form.Edit12->text(), QString::number(c.current + 1));
    EXPECT_EQ(form.Edit13->text(), "3");
  }
  form.FileSaveItem->setEnabled(false);
  Modified = false;
  form.UpdatePupilPosition();
  EXPECT_FALSE(form.FileSaveItem->isEnabled());
  EXPECT_TRUE(form.Edit73->isHidden());
  Modified = true;
  form.UpdatePupilPosition();
  EXPECT_TRUE(form.FileSaveItem->isEnabled());
  EXPECT_FALSE(form.Edit73->isHidden());
  Modified = false;
  form.UpdatePupilPosition();
  EXPECT_TRUE(form.FileSaveItem->isEnabled());  // never disabled here
  EXPECT_TRUE(form.Edit73->isHidden());
}

TEST_F(SheetStubTest, TheDeletedBoxOnlyShowsTheMark) {
  ProgramOptions.ShowDeletedPupils = 1;
  auto& form = ShownForm();
  form.ApplyShowDeletedSetting();
  SetClass(ClassOf({Pupil("A", "a", 1), Pupil("B", "b", 0)}));
  for (int current : {0, 1}) {
    CurrentPupil = current;
    form.UpdatePupilPosition();
    const bool marked = current == 1;
    // A click (or the space key after tabbing to it) would suggest a change
    // that is never stored.
    QTest::mouseClick(form.CheckBox2, Qt::LeftButton);
    EXPECT_EQ(form.CheckBox2->isChecked(), marked) << current;
    EXPECT_EQ(form.CheckBox2->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(Pupils[static_cast<std::size_t>(current)].Active, marked ? 0 : 1);
  }
}

TEST_F(SheetStubTest, ProgramSettingsRefillListAndTable) {
  auto& form = ShownForm();
  SetClass(ClassWithDeletedPupils(), 2);
  ProgramOptions.ShowDeletedPupils = 1;
  form.ApplyProgramSettings();
  EXPECT_EQ(form.ListBox1->count(), 5);
  EXPECT_EQ(form.StringGrid1->rowCount(), 6);
  EXPECT_EQ(CurrentPupil, 0);
  EXPECT_EQ(form.ListBox1->currentRow(), 0);
}

// ---------------------------------------------------------------------------
// Table page

namespace {

TDB2 GradedClass() {
  TDB2 pupils = ClassOf({Pupil("Abel", "Anna"), Pupil("Berg", "Ben", 0), Pupil("Abel", "Anna")});
  for (auto& p : pupils)
    for (auto& e : p.Subjects) {
      e.Grade.set("3");
      e.Name.set("???");
    }
  return pupils;
}

QString CellText(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item ? item->text() : QString();
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text) { grid->item(row, column)->setText(text); }

}  // namespace

TEST_F(SheetStubTest, GridRowsComeFromReachablePupils) {
  SchoolSettings.SchoolType = stGymnasium;
  auto& form = ShownForm();
  SetClass(GradedClass());
  form.FillPupilGrid();
  EXPECT_TRUE(form.StringGrid1->isHidden());
  EXPECT_EQ(form.StringGrid1->rowCount(), 3);
  EXPECT_EQ(form.StringGrid1->columnCount(), 21);
  EXPECT_EQ(form.GridRowRecord(1), 0);
  EXPECT_EQ(form.GridRowRecord(2), 2);
  EXPECT_EQ(CellText(form.StringGrid1, 2, 0), "Abel");
  EXPECT_EQ(CellText(form.StringGrid1, 2, 2), "3");
  form.ClearPupilGrid();
  EXPECT_EQ(CellText(form.StringGrid1, 2, 0), "");
  EXPECT_EQ(form.GridRowRecord(1), -1);
}

TEST_F(SheetStubTest, StaleGridNeverOverwritesTheRecords) {
  SchoolSettings.SchoolType = stGymnasium;
  auto& form = ShownForm();
  SetClass(GradedClass());
  form.FillPupilGrid();
  // The data sheet changes a grade, a name and the absence days after the fill.
  Pupils[0].Subjects[0].Grade.set("1");
  Pupils[0].Surname.set("Abel-Ulm");
  Pupils[0].AbsenceDays.set("4");
  form.StoreGridIntoRecords();
  EXPECT_EQ(Pupils[0].Subjects[0].Grade, "1");
  EXPECT_EQ(Pupils[0].Surname, "Abel-Ulm");
  EXPECT_EQ(Pupils[0].AbsenceDays, "4");
  EXPECT_FALSE(Modified);
}

TEST_F(SheetStubTest, GridEditsGoToTheRowsOwnRecordOnce) {
  SchoolSettings.SchoolType = stGymnasium;
  auto& form = ShownForm();
  SetClass(GradedClass());
  form.FileSaveItem->setEnabled(false);
  form.FillPupilGrid();
  SetCell(form.StringGrid1, 2, 2, "5");  // the second namesake's slot 1
  form.StoreGridIntoRecords();
  EXPECT_EQ(Pupils[2].Subjects[0].Grade, "5");
  EXPECT_EQ(Pupils[0].Subjects[0].Grade, "3");
  EXPECT_EQ(Pupils[2].Subjects[1].Grade, "3");
  EXPECT_TRUE(Modified);
  EXPECT_TRUE(form.FileSaveItem->isEnabled());
  // A later change of that grade on the data sheet is not undone by the grid.
  Pupils[2].Subjects[0].Grade.set("2");
  form.StoreGridIntoRecords();
  EXPECT_EQ(Pupils[2].Subjects[0].Grade, "2");
}

TEST_F(SheetStubTest, GridRowsOfMovedRecordsAreNotWrittenBack) {
  SchoolSettings.SchoolType = stGymnasium;
  auto& form = ShownForm();
  SetClass(GradedClass());
  form.FillPupilGrid();
  std::swap(Pupils[0], Pupils[2]);  // e.g. a sort
  SetCell(form.StringGrid1, 1, 2, "6");
  form.StoreGridIntoRecords();
  EXPECT_EQ(Pupils[0].Subjects[0].Grade, "3");
  EXPECT_EQ(Pupils[2].Subjects[0].Grade, "3");
  EXPECT_FALSE(Modified);
}

TEST_F(SheetStubTest, GridClickMakesTheRowCurrentWithoutStoring) {
  SchoolSettings.SchoolType = stGymnasium;
  auto& form = ShownForm();
  SetClass(GradedClass());
  form.FillPupilGrid();
  form.Button1->setEnabled(false);
  form.calls.clear();
  form.StringGrid1Click(2);
  EXPECT_EQ(CurrentPupil, 2);
  EXPECT_EQ(form.LastGridRow, 2);
  EXPECT_EQ(form.Edit12->text(), "3");
  EXPECT_TRUE(form.calls.empty());
  EXPECT_EQ(EnabledButtons(form), "1111");
  EXPECT_TRUE(form.IsCurrentGridRow(2));
  EXPECT_FALSE(form.IsCurrentGridRow(1));
  form.StringGrid1Click(0);  // the header row chooses nobody
  EXPECT_EQ(CurrentPupil, 2);
}

TEST_F(SheetStubTest, GridDrawsTheCurrentRowYellowAndOthersWhite) {
  SchoolSettings.SchoolType = stGymnasium;
  ProgramOptions.ShowDeletedPupils = 1;
  auto& form = ShownForm();
  SetClass(GradedClass());
  form.FillPupilGrid();
  auto background = [&](int row) {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 40, 20);
    option.palette = form.StringGrid1->palette();
    form.StringGrid1->itemDelegate()->paint(&painter, option, form.StringGrid1->model()->index(row, 2));
    painter.end();
    return QColor(image.pixel(35, 15));
  };
  CurrentPupil = 2;
  EXPECT_EQ(background(3), QColor(255, 255, 0));
  EXPECT_EQ(background(1), QColor(255, 255, 255));
  CurrentPupil = 1;  // marked deleted
  EXPECT_EQ(background(2), QColor(128, 128, 128));
}

TEST_F(SheetStubTest, EnterInTheGridMovesToTheNextCell) {
  SchoolSettings.SchoolType = stGymnasium;
  auto& form = ShownForm();
  SetClass(GradedClass());
  form.FillPupilGrid();
  form.StringGrid1->setCurrentCell(1, 20);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QCoreApplication::sendEvent(form.StringGrid1, &enter);
  EXPECT_EQ(form.StringGrid1->currentRow(), 2);
  EXPECT_EQ(form.StringGrid1->currentColumn(), 2);
  QCoreApplication::sendEvent(form.StringGrid1, &enter);
  EXPECT_EQ(form.StringGrid1->currentColumn(), 3);
}

TEST_F(SheetStubTest, LeavingTheGridWritesEditsBackAndClearsTheSelection) {
  SchoolSettings.SchoolType = stGymnasium;
  auto& form = ShownForm();
  SetClass(GradedClass());
  form.FillPupilGrid();
  form.StringGrid1->setCurrentCell(1, 2);
  SetCell(form.StringGrid1, 1, 6, "4");
  form.StringGrid1Exit();
  EXPECT_EQ(Pupils[0].Subjects[2].Grade, "4");
  EXPECT_EQ(form.StringGrid1->currentRow(), -1);
}
