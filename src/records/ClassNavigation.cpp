#include "records/ClassNavigation.h"

#include <algorithm>
#include <array>

#include "settings/Facheinst.h"
#include "settings/SchulEinst.h"

namespace quorv {

// ---------------------------------------------------------------------------
// Pupil list and navigation

namespace {

const TPupilRecord& At(const TDB2& pupils, int i) { return pupils[static_cast<std::size_t>(i)]; }

// The records that exist: the class count, never more than the array holds.
int Existing(const TDB2& pupils, int count) { return std::clamp(count, 0, static_cast<int>(pupils.size())); }

bool IsLive(const TPupilRecord& r) { return r.Active != 0; }

}  // namespace

QString PupilEntryText(const TPupilRecord& r) { return r.Surname.text() + QStringLiteral(", ") + r.FirstName.text(); }

bool IsReachablePupil(const TPupilRecord& r, bool showDeleted) { return showDeleted || IsLive(r); }

PupilListEntries BuildPupilList(const TDB2& pupils, int count, bool showDeleted) {
  PupilListEntries list;
  const int n = Existing(pupils, count);
  for (int i = 0; i < n; ++i) {
    if (!IsReachablePupil(At(pupils, i), showDeleted)) continue;
    list.texts << PupilEntryText(At(pupils, i));
    list.records.push_back(i);
  }
  return list;
}

int ListIndexOfPupil(const QList<int>& records, int pupil) { return static_cast<int>(records.indexOf(pupil)); }

int NearestLivePupil(const TDB2& pupils, int count, int from, int direction) {
  const int n = Existing(pupils, count);
  for (int i = from; i >= 0 && i < n; i += direction)
    if (IsLive(At(pupils, i))) return i;
  return -1;
}

int FirstLivePupil(const TDB2& pupils, int count) {
  const int found = NearestLivePupil(pupils, count, 0, +1);
  return found >= 0 ? found : std::max(0, Existing(pupils, count) - 1);
}

int LastLivePupil(const TDB2& pupils, int count) {
  const int found = NearestLivePupil(pupils, count, Existing(pupils, count) - 1, -1);
  return found >= 0 ? found : 0;
}

NavStep PlanNavigation(NavButton button, const TDB2& pupils, int count, int current, bool showDeleted) {
  NavStep step;
  const int n = Existing(pupils, count);
  if (n == 0) return step;
  const int last = n - 1;
  switch (button) {
    case NavButton::First:
      step.forwardButtons = ButtonChange::Enable;
      if (!showDeleted)
        step.target = FirstLivePupil(pupils, n);
      else if (current > 0)
        step.target = 0;
      else
        step.backButtons = ButtonChange::Disable;
      break;
    case NavButton::Prior:
      if (current <= 0) {
        step.backButtons = ButtonChange::Disable;
        break;
      }
      step.forwardButtons = ButtonChange::Enable;
      if (showDeleted)
        step.target = std::min(current, n) - 1;
      else if (const int found = NearestLivePupil(pupils, n, std::min(current, n) - 1, -1); found >= 0)
        step.target = found;
      else
        step.backButtons = ButtonChange::Disable;
      break;
    case NavButton::Next:
      if (current >= last) {
        step.forwardButtons = ButtonChange::Disable;
        break;
      }
      step.backButtons = ButtonChange::Enable;
      if (showDeleted)
        step.target = current + 1;
      else if (const int found = NearestLivePupil(pupils, n, current + 1, +1); found >= 0)
        step.target = found;
      else
        step.forwardButtons = ButtonChange::Disable;
      break;
    case NavButton::Last:
      step.backButtons = ButtonChange::Enable;
      if (!showDeleted)
        step.target = LastLivePupil(pupils, n);
      else if (current != last)
        step.target = last;
      else
        step.forwardButtons = ButtonChange::Disable;
      break;
  }
  return step;
}

// ---------------------------------------------------------------------------
// Class-file names

namespace {
const QString kClassExtension = QStringLiteral(".QVR");
}

bool IsNoFileName(const QString& name) { return name == QLatin1String(kDefaultClassFileName); }

bool HasClassFileExtension(const QString& name) { return name.endsWith(kClassExtension, Qt::CaseSensitive); }

bool IsRefusedClassFileName(const QString& name) {
  return name.endsWith(QLatin1String(kRefusedClassFileExtension), Qt::CaseSensitive);
}

QString WithClassFileExtension(const QString& name) {
  if (HasClassFileExtension(name)) return name;
  return name.left(std::max<qsizetype>(0, name.size() - 4)) + kClassExtension;
}

QString SaveAsClassFileName(const QString& chosen) {
  const qsizetype first = chosen.indexOf(kClassExtension, 0, Qt::CaseSensitive);
  if (first >= 0 && first == chosen.size() - kClassExtension.size()) return chosen;
  return chosen + kClassExtension;
}

QString ProposedSaveName(const QString& classFileName) {
  return IsNoFileName(classFileName) ? QString::fromUtf8(kUnknownClassFileName) : classFileName;
}

// ---------------------------------------------------------------------------
// Pupil table

namespace {

constexpr int kGridSchoolTypes = 8;
constexpr int kGridDefaultColumns = 5;

// Grade column of slots 1..16 per school type 0..7; slots 17..25 have none.
constexpr std::array<std::array<int, 16>, kGridSchoolTypes> kGridColumnTable = {{
    {1, 3, 5, 7, 8},                                                  // 0
    {1, 3, 5, 7, 8},                                                  // 1 Grundschule
    {2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18},        // 2 Regionale Schule
    {2, 4, 6, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 34},     // 3 Gesamtschule
    {2, 4, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20},       // 4 Gymnasium
    {1, 3, 5, 7, 8},                                                  // 5 Hauptschule
    {1, 3, 5, 7, 8},                                                  // 6 Realschule
    {1, 3, 5, 7, 8},                                                  // 7 Förderschule
}};

// School types whose table also holds the course level right of each grade.
bool HasLevelColumns(int schoolType) { return schoolType == stRegionaleSchule; }

// Subject-name cells: the first characters of a slot's name, read back by
// completion from a subject list.
struct GridNameColumn {
  int schoolType;
  int column;
  int slot;
  int chars;
  const QStringList* list;
};
const GridNameColumn kGridNameColumns[] = {
    {stRegionaleSchule, 8, 4, 2, &ReligionSubjectList},
    {stRegionaleSchule, 33, 16, 3, &AllSubjectNames},
    {stGesamtschule, 3, 2, 2, &LanguageSubjectList},
    {stGesamtschule, 5, 3, 2, &LanguageSubjectList},
    {stGesamtschule, 12, 9, 2, &ReligionSubjectList},
};

struct GridAbsenceColumn {
  int schoolType;
  int column;
};
constexpr GridAbsenceColumn kGridAbsenceColumns[] = {{stRegionaleSchule, 36}, {stGesamtschule, 21}};
constexpr int kAbsenceCellLimit = 50;

int AbsenceColumn(int schoolType) {
  for (const auto& a : kGridAbsenceColumns)
    if (a.schoolType == schoolType) return a.column;
  return -1;
}

bool Taken(const std::vector<bool>& take, int column) {
  return take.empty() || (column >= 0 && column < static_cast<int>(take.size()) && take[column]);
}

QString Cell(const QStringList& cells, int column) { return column < cells.size() ? cells[column] : QString(); }

QChar AsciiUpper(QChar c) { return c >= 'a' && c <= 'z' ? QChar(c.unicode() - 'a' + 'A') : c; }

bool SamePrefix(const QString& entry, const QString& typed, int k) {
  if (entry.size() < k) return false;
  for (int i = 0; i < k; ++i)
    if (AsciiUpper(entry[i]) != AsciiUpper(typed[i])) return false;
  return true;
}

}  // namespace

int GridColumnOfSlot(int schoolType, int slot) {
  if (schoolType < 0 || schoolType >= kGridSchoolTypes || slot < 1 || slot > 16) return 0;
  return kGridColumnTable[static_cast<std::size_t>(schoolType)][static_cast<std::size_t>(slot - 1)];
}

int GridColumnCount(int schoolType) {
  int last = 1;
  for (int slot = 1; slot <= kSubjectSlots; ++slot) {
    const int c = GridColumnOfSlot(schoolType, slot);
    if (c != 0) last = std::max(last, HasLevelColumns(schoolType) ? c + 1 : c);
  }
  for (const auto& n : kGridNameColumns)
    if (n.schoolType == schoolType) last = std::max(last, n.column);
  last = std::max(last, AbsenceColumn(schoolType));
  return std::max(kGridDefaultColumns, last + 1);
}

QStringList GridRowCells(const TPupilRecord& r, int schoolType) {
  QStringList cells;
  for (int c = GridColumnCount(schoolType); c > 0; --c) cells << QString();
  cells[0] = r.Surname.text();
  cells[1] = r.FirstName.text();
  for (int slot = 1; slot <= kSubjectSlots; ++slot) {
    const int c = GridColumnOfSlot(schoolType, slot);
    if (c == 0) continue;
    const TSubjectEntry& e = r.Subjects[slot - 1];
    cells[c] = e.Grade.text();
    if (HasLevelColumns(schoolType)) cells[c + 1] = e.CourseLevel.text();
  }
  for (const auto& n : kGridNameColumns)
    if (n.schoolType == schoolType) cells[n.column] = r.Subjects[n.slot - 1].Name.text().left(n.chars);
  if (const int a = AbsenceColumn(schoolType); a >= 0) cells[a] = r.AbsenceDays.text();
  return cells;
}

void ReadGridRowCells(const QStringList& cells, TPupilRecord& r, int schoolType, const std::vector<bool>& take) {
  for (int slot = 1; slot <= kSubjectSlots; ++slot) {
    const int c = GridColumnOfSlot(schoolType, slot);
    if (c == 0) continue;
    TSubjectEntry& e = r.Subjects[slot - 1];
    if (Taken(take, c) && !Cell(cells, c).isEmpty()) e.Grade.setText(Cell(cells, c).left(1));
    if (HasLevelColumns(schoolType) && Taken(take, c + 1) && !Cell(cells, c + 1).isEmpty())
      e.CourseLevel.setText(Cell(cells, c + 1).left(1));
  }
  for (const auto& n : kGridNameColumns)
    if (n.schoolType == schoolType && Taken(take, n.column))
      CompleteFromList(Cell(cells, n.column), *n.list, r.Subjects[n.slot - 1].Name);
  if (const int a = AbsenceColumn(schoolType); a >= 0 && Taken(take, a))
    r.AbsenceDays.setText(Cell(cells, a).left(kAbsenceCellLimit));
}

void CompleteFromList(const QString& typed, const QStringList& list, ShortString<30>& result) {
  if (typed.isEmpty() || list.isEmpty()) {
    result.set(kUnfilled);
    return;
  }
  const int k = static_cast<int>(std::min<qsizetype>(typed.size(), 3));
  for (const QString& entry : list) {
    if (!SamePrefix(entry, typed, k)) continue;
    result.setText(entry.left(30));
    return;
  }
}

GridCell NextGridCellOnEnter(GridCell cell, int rowCount, int columnCount) {
  if (cell.column + 1 < columnCount) return {cell.row, cell.column + 1};
  const int nextRow = cell.row + 1 < rowCount ? cell.row + 1 : 1;
  return {nextRow, 2};
}

GridCellColours GridCellColoursFor(bool currentRow, bool currentDeleted, const QString& text) {
  static const QStringList kLowGrades = {QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                                         QStringLiteral("8")};
  GridCellColours colours;
  if (currentRow) {
    colours.background = currentDeleted ? QColor(0x80, 0x80, 0x80) : QColor(0xFF, 0xFF, 0x00);
    if (kLowGrades.contains(text)) colours.text = QColor(0xFF, 0x00, 0x00);
  } else {
    colours.background = QColor(0xFF, 0xFF, 0xFF);
    if (kLowGrades.contains(text)) colours.text = QColor(0xFF, 0x00, 0xFF);
  }
  return colours;
}

}  // namespace quorv
