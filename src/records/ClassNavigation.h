#pragma once
// Which pupils the list and the navigation reach, the class-file naming rules
// of the file commands, and the cells of the pupil table.
#include <QColor>
#include <QString>
#include <QList>
#include <QStringList>
#include <vector>

#include "records/QuorvDat.h"

namespace quorv {

// ---------------------------------------------------------------------------
// Pupil list and navigation

// "Surname, FirstName" (at most 62 characters).
QString PupilEntryText(const TPupilRecord& r);

// A live pupil is always reachable; a marked one only while deleted pupils are shown.
bool IsReachablePupil(const TPupilRecord& r, bool showDeleted);

// The entries of the pupil list in record order and the record each one shows.
struct PupilListEntries {
  QStringList texts;
  QList<int> records;
};
PupilListEntries BuildPupilList(const TDB2& pupils, int count, bool showDeleted);

// The list entry showing the record, or -1 when the record is not listed.
int ListIndexOfPupil(const QList<int>& records, int pupil);

// The first live record from 0 on, or the last record when none is live.
int FirstLivePupil(const TDB2& pupils, int count);
// The last live record from count - 1 down, or record 0 when none is live.
int LastLivePupil(const TDB2& pupils, int count);
// The nearest live record from `from` on in the direction (+1 or -1), or -1.
int NearestLivePupil(const TDB2& pupils, int count, int from, int direction);

enum class NavButton { First, Prior, Next, Last };  // "| <", "<", ">", "> |"
enum class ButtonChange { Keep, Enable, Disable };

// What a navigation button does: the new current pupil (-1: stays) and the
// change of the two button pairs.
struct NavStep {
  int target = -1;
  ButtonChange backButtons = ButtonChange::Keep;     // "| <" and "<"
  ButtonChange forwardButtons = ButtonChange::Keep;  // ">" and "> |"
};
NavStep PlanNavigation(NavButton button, const TDB2& pupils, int count, int current, bool showDeleted);

// ---------------------------------------------------------------------------
// Class-file names (the extension tests compare the last four characters exactly)

inline constexpr const char* kUnknownClassFileName = "unbekannte Klasse.QVR";
inline constexpr const char* kRefusedClassFileExtension = ".ZDB";

// "Vorgabe.QVR": the class has no file yet.
bool IsNoFileName(const QString& name);
bool HasClassFileExtension(const QString& name);
bool IsRefusedClassFileName(const QString& name);
// The name with its last four characters replaced by ".QVR" unless it ends in ".QVR".
QString WithClassFileExtension(const QString& name);
// The name chosen in the save dialog followed by ".QVR" unless its first ".QVR" ends it.
QString SaveAsClassFileName(const QString& chosen);
// The name the save dialog proposes for the class file name.
QString ProposedSaveName(const QString& classFileName);

// ---------------------------------------------------------------------------
// Pupil table

// The table column of the grade of slot 1..25 for a school type (0: none).
int GridColumnOfSlot(int schoolType, int slot);
// Columns needed for a school type's cells (at least the grid's default five).
int GridColumnCount(int schoolType);

// The cells of one table row for a record: names, grades, and per school
// type course levels, subject names and absence days.
QStringList GridRowCells(const TPupilRecord& r, int schoolType);

// Reads the cells back into the record; only the columns c for which take[c] is
// true are read (all when take is empty). Non-empty grade and level cells give
// their first character; name cells are completed from their subject list; the
// absence cell is cut to its field.
void ReadGridRowCells(const QStringList& cells, TPupilRecord& r, int schoolType, const std::vector<bool>& take);

// The first entry of the list whose first 1 to 3 characters match the typed
// text (ASCII letters ignoring case) goes into result, cut to 30 characters;
// "???" for an empty text or list; no match leaves result as it was.
void CompleteFromList(const QString& typed, const QStringList& list, ShortString<30>& result);

// The cell Enter moves to: one column right, from the last column to column 2
// of the next row, from the last row to row 1.
struct GridCell {
  int row;
  int column;
};
GridCell NextGridCellOnEnter(GridCell cell, int rowCount, int columnCount);

// The colours of a data cell; an invalid text colour keeps the grid's font colour.
struct GridCellColours {
  QColor background;
  QColor text;
};
GridCellColours GridCellColoursFor(bool currentRow, bool currentDeleted, const QString& text);

}  // namespace quorv
