// The pupil list, the navigation buttons, the position fields and the table
// page's grid of the main window.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>
#include <cstring>
#include <vector>

#include "mainwindow/MainUSB.h"
#include "records/ClassNavigation.h"
#include "records/QuorvDat.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"

namespace quorv {

namespace {

bool ShowDeleted() { return ProgramOptions.ShowDeletedPupils == 1; }

bool ValidPupil(int i) { return i >= 0 && i < PupilCount && i < static_cast<int>(Pupils.size()); }

TPupilRecord& PupilAt(int i) { return Pupils[static_cast<std::size_t>(i)]; }

void ApplyButtonChange(ButtonChange change, QPushButton* a, QPushButton* b) {
  if (change == ButtonChange::Keep) return;
  a->setEnabled(change == ButtonChange::Enable);
  b->setEnabled(change == ButtonChange::Enable);
}

// Plans the button's move, makes the target current and sets the buttons.
void MoveBy(TMainForm& form, NavButton button) {
  const NavStep step = PlanNavigation(button, Pupils, PupilCount, CurrentPupil, ShowDeleted());
  if (step.target >= 0) CurrentPupil = step.target;
  ApplyButtonChange(step.backButtons, form.Button1, form.Button2);
  ApplyButtonChange(step.forwardButtons, form.Button3, form.Button4);
}

void Navigate(TMainForm& form, NavButton button) {
  // Also a press that cannot move stores: the show below refills the sheet
  // from the record and would drop what was typed.
  form.StoreCurrentPupil();
  MoveBy(form, button);
  form.RefreshPupilGrid();
  form.ShowCurrentPupil();
  form.SelectCurrentPupilInList();
}

bool SameItems(const QListWidget* list, const QStringList& texts) {
  if (list->count() != texts.size()) return false;
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->text() != texts[i]) return false;
  return true;
}

bool InsideGrid(const QWidget* grid, const QWidget* w) { return w && (w == grid || grid->isAncestorOf(w)); }

// StringGrid1's draw handler: data cells get the colours of the current row
// or of the other rows; every text is drawn 2 pixels right and down.
class PupilGridDelegate : public QStyledItemDelegate {
 public:
  explicit PupilGridDelegate(TMainForm& form) : QStyledItemDelegate(form.StringGrid1), form_(form) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (index.row() < 1 || index.column() < 2) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    const bool current = form_.IsCurrentGridRow(index.row());
    const bool deleted = ValidPupil(CurrentPupil) && PupilAt(CurrentPupil).Active == 0;
    const GridCellColours colours = GridCellColoursFor(current, deleted, text);
    painter->save();
    painter->fillRect(option.rect, colours.background);
    painter->setPen(colours.text.isValid() ? colours.text : option.palette.color(QPalette::Text));
    painter->drawText(option.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
    painter->restore();
  }

 private:
  TMainForm& form_;
};

// Enter in the grid goes to its key handler.
class GridKeyFilter : public QObject {
 public:
  explicit GridKeyFilter(TMainForm& form) : QObject(form.StringGrid1), form_(form) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if ((key == Qt::Key_Return || key == Qt::Key_Enter) && form_.StringGrid1KeyPress(QChar('\r'))) return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  TMainForm& form_;
};

}  // namespace

// ---------------------------------------------------------------------------
// Pupil list

void TMainForm::FillPupilList() {
  if (PupilCount == 0) return;
  const PupilListEntries entries = BuildPupilList(Pupils, PupilCount, ShowDeleted());
  PupilNameList = entries.texts;
  PupilListRecords = entries.records;
  {
    const QSignalBlocker blocker(ListBox1);
    if (!SameItems(ListBox1, PupilNameList)) {
      ListBox1->clear();
      ListBox1->addItems(PupilNameList);
    }
    if (PupilCount == 1 && ListBox1->count() > 0) ListBox1->setCurrentRow(0);
  }
  SelectCurrentPupilInList();
}

void TMainForm::SelectCurrentPupilInList() {
  // The entry that shows the current record; none when it is not listed.
  const int row = ListIndexOfPupil(PupilListRecords, CurrentPupil);
  const QSignalBlocker blocker(ListBox1);
  if (row >= 0 && row < ListBox1->count()) {
    ListBox1->setCurrentRow(row);
  } else {
    ListBox1->setCurrentRow(-1);
    ListBox1->clearSelection();
  }
}

void TMainForm::ListBox1Click() {
  StoreCurrentPupil();
  const int i = ListBox1->currentRow();
  if (ShowDeleted() && i < 0) {
    CurrentPupil = 0;
  } else if (i >= 0 && i < PupilListRecords.size() && ValidPupil(PupilListRecords[i])) {
    CurrentPupil = PupilListRecords[i];
  }
  for (QPushButton* b : {Button1, Button2, Button3, Button4}) b->setEnabled(true);
  ShowCurrentPupil();
  LastListIndex = i;
}

// ---------------------------------------------------------------------------
// Navigation buttons

void TMainForm::Button1Click() { Navigate(*this, NavButton::First); }
void TMainForm::Button2Click() { Navigate(*this, NavButton::Prior); }
void TMainForm::Button3Click() { Navigate(*this, NavButton::Next); }
void TMainForm::Button4Click() { Navigate(*this, NavButton::Last); }

void TMainForm::SelectFirstReachablePupil() { MoveBy(*this, NavButton::First); }

void TMainForm::UpdatePupilPosition() {
  Edit12->setText(QString::number(CurrentPupil + 1));
  Edit13->setText(QString::number(PupilCount));
  if (ValidPupil(CurrentPupil)) {
    const int active = PupilAt(CurrentPupil).Active;
    const QSignalBlocker blocker(CheckBox2);
    // Ticked exactly for a marked pupil; a value other than 0 and 1 shows greyed.
    CheckBox2->setCheckState(active == 0 ? Qt::Checked : active == 1 ? Qt::Unchecked : Qt::PartiallyChecked);
  }
  if (Modified) FileSaveItem->setEnabled(true);
  Edit73->setVisible(Modified);
}

// ---------------------------------------------------------------------------
// Table page

void TMainForm::HookPupilGrid() {
  if (gridHooked_) return;
  gridHooked_ = true;
  StringGrid1->setItemDelegate(new PupilGridDelegate(*this));
  StringGrid1->installEventFilter(new GridKeyFilter(*this));
  connect(StringGrid1, &QTableWidget::cellClicked, this, [this](int row, int) { StringGrid1Click(row); });
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    if (InsideGrid(StringGrid1, old) && !InsideGrid(StringGrid1, now)) StringGrid1Exit();
  });
}

void TMainForm::ClearPupilGrid() {
  HookPupilGrid();
  const QSignalBlocker blocker(StringGrid1);
  for (int row = 1; row < StringGrid1->rowCount(); ++row)
    for (int column = 0; column < StringGrid1->columnCount(); ++column)
      if (QTableWidgetItem* item = StringGrid1->item(row, column)) item->setText(QString());
  // Nothing left in the grid may be written back.
  gridRows_.clear();
}

void TMainForm::FillPupilGrid() {
  ClearPupilGrid();
  gridSchoolType_ = SchoolSettings.SchoolType;
  QList<int> records;
  for (int i = 0; i < PupilCount && i < static_cast<int>(Pupils.size()); ++i)
    if (IsReachablePupil(PupilAt(i), ShowDeleted())) records << i;
  const QSignalBlocker blocker(StringGrid1);
  StringGrid1->setColumnCount(GridColumnCount(gridSchoolType_));
  // At least one data row below the header row, as the grid needs.
  StringGrid1->setRowCount(std::max<int>(2, static_cast<int>(records.size()) + 1));
  for (int r = 0; r < records.size(); ++r) FillGridRow(r + 1, records[r]);
}

void TMainForm::FillGridRow(int row, int record) {
  if (!ValidPupil(record) || row < 1) return;
  const QStringList cells = GridRowCells(PupilAt(record), gridSchoolType_);
  const QSignalBlocker blocker(StringGrid1);
  if (StringGrid1->rowCount() <= row) StringGrid1->setRowCount(row + 1);
  if (StringGrid1->columnCount() < cells.size()) StringGrid1->setColumnCount(static_cast<int>(cells.size()));
  for (int column = 0; column < cells.size(); ++column) {
    QTableWidgetItem* item = StringGrid1->item(row, column);
    if (!item) {
      item = new QTableWidgetItem;
      StringGrid1->setItem(row, column, item);
    }
    item->setText(cells[column]);
  }
  while (gridRows_.size() < row) gridRows_.append(GridRowSource{-1, 0, {}});
  gridRows_[row - 1] = GridRowSource{record, PupilAt(record).KeyNumber, cells};
}

namespace {
QStringList RowTexts(const QTableWidget* grid, int row) {
  QStringList cells;
  for (int column = 0; column < grid->columnCount(); ++column) {
    const QTableWidgetItem* item = grid->item(row, column);
    cells << (item ? item->text() : QString());
  }
  return cells;
}
}  // namespace

void TMainForm::ReadGridRow(int row, int record) {
  if (!ValidPupil(record) || row < 1 || row >= StringGrid1->rowCount()) return;
  ReadGridRowCells(RowTexts(StringGrid1, row), PupilAt(record), gridSchoolType_, {});
}

int TMainForm::GridRowRecord(int row) const {
  if (row < 1 || row > gridRows_.size()) return -1;
  const GridRowSource& source = gridRows_[row - 1];
  // A row counts only while its record is still the pupil it was filled from.
  if (!ValidPupil(source.record) || PupilAt(source.record).KeyNumber != source.keyNumber) return -1;
  return source.record;
}

void TMainForm::StoreGridIntoRecords() {
  bool changed = false;
  for (int row = 1; row < StringGrid1->rowCount(); ++row) {
    const int record = GridRowRecord(row);
    if (record < 0) continue;
    GridRowSource& source = gridRows_[row - 1];
    const QStringList cells = RowTexts(StringGrid1, row);
    // Only the cells edited since the fill are newer than the record.
    std::vector<bool> edited(static_cast<std::size_t>(cells.size()), false);
    bool any = false;
    for (int column = 0; column < cells.size(); ++column) {
      edited[static_cast<std::size_t>(column)] = cells[column] != source.filled.value(column);
      any = any || edited[static_cast<std::size_t>(column)];
    }
    if (!any) continue;
    TPupilRecord& pupil = PupilAt(record);
    const TPupilRecord before = pupil;
    ReadGridRowCells(cells, pupil, gridSchoolType_, edited);
    changed = changed || std::memcmp(&before, &pupil, sizeof pupil) != 0;
    source.filled = cells;
  }
  if (changed) {
    Modified = true;
    UpdatePupilPosition();
  }
}

void TMainForm::RefreshPupilGrid() { StringGrid1->viewport()->update(); }

bool TMainForm::IsCurrentGridRow(int row) const {
  if (!ValidPupil(CurrentPupil) || (!ShowDeleted() && PupilAt(CurrentPupil).Active == 0)) return false;
  return GridRowRecord(row) == CurrentPupil;
}

bool TMainForm::StringGrid1KeyPress(QChar key) {
  if (key != QChar('\r')) return false;
  const GridCell next = NextGridCellOnEnter({StringGrid1->currentRow(), StringGrid1->currentColumn()},
                                            StringGrid1->rowCount(), StringGrid1->columnCount());
  StringGrid1->setCurrentCell(next.row, next.column);
  return true;
}

void TMainForm::StringGrid1Click(int row) {
  // The clicked row's own record, when it can be reached.
  if (const int record = GridRowRecord(row); record >= 0 && IsReachablePupil(PupilAt(record), ShowDeleted()))
    CurrentPupil = record;
  LastGridRow = row;
  RefreshPupilGrid();
  for (QPushButton* b : {Button1, Button2, Button3, Button4}) b->setEnabled(true);
  UpdatePupilPosition();
}

void TMainForm::StringGrid1Exit() {
  StoreGridIntoRecords();
  StringGrid1->clearSelection();
  StringGrid1->setCurrentCell(-1, -1);
}

}  // namespace quorv
