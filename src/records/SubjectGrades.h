#pragma once
// The class looked at subject by subject: grade counts per catalogue and
// elective subject for the overview, and the record side of the per-subject
// grade entry.
#include <QHash>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/QuorvDat.h"

namespace quorv {

// Counter 0 counts every grade; 1..15 by the grade's first character.
constexpr int kGradeCounterCount = 16;
using TGradeCounters = std::array<std::uint16_t, kGradeCounterCount>;

// The column headers of the counters, in counter order.
extern const std::array<const char*, kGradeCounterCount> kGradeCounterHeaders;

// The counter a grade's first character goes to (1..15); an empty grade
// counts under " ???" (15).
int GradeCounterIndex(std::string_view grade);
void CountGradeCode(std::string_view grade, TGradeCounters& counters);

struct TOverviewRow {
  std::string Name;  // first 30 characters; empty = free row
  TGradeCounters Counters{};
};

struct OverviewResult {
  std::vector<TOverviewRow> Rows;  // capacity rows
  int FirstElectiveRow = 0;        // the row after the last catalogue row used
  // The rows in use (catalogue rows, then elective rows), in row order.
  std::vector<int> UsedRows;
};

// Rows for every catalogue subject and every elective the live pupils carry:
// capacity = electiveNameCount + 71. A new elective takes a row while the
// rows in use stay below the capacity; one that does not is reported with two
// messages and not counted.
OverviewResult BuildOverviewRows(const TDB2& pupils, int electiveNameCount);

// The catalogue subject's slot (1..25) in a pupil's record, 0 for none: the
// catalogue's slot on the form the pupil's slots are laid out for; a negative
// value there is no slot; a 0 (or a form outside the table) leaves it to the
// last of slots 1..16 carrying the subject's name (its first 30 characters,
// the record's capacity).
int PupilCatalogSlot(const TPupilRecord& pupil, int entry);

// Whether the pupil's form carries the elective slot (19..24).
bool FormCarriesElectiveSlot(int formNumber, int slot);

// ---- per-subject grade entry ----

// The marker of a pupil without the chosen subject.
inline constexpr const char* kNoSubjectCell = "XX";

// The first character; for texts of two or more characters leading blanks are
// skipped first (all blanks give one blank). Empty gives empty.
QString FirstCharOfCell(const QString& text);

// The three texts a grid row shows of a pupil.
struct ListedPupilCells {
  QString Key;        // KeyNumber as decimal text
  QString ClassName;
  QString Name;       // Surname + ", " + FirstName
};
ListedPupilCells PupilCells(const TPupilRecord& pupil);

// The pupils a per-subject grid lists: live, not placeholder rows, in order.
std::vector<int> ListedPupils(const TDB2& pupils);

// Finds the first live record whose key, class and name give the row's texts.
class ListedPupilIndex {
 public:
  explicit ListedPupilIndex(const TDB2& pupils);
  int Find(const ListedPupilCells& cells) const;  // -1 when none

 private:
  QHash<QString, int> first_;
};

// The first of slots 1..18 named subject (first 30 characters), 0 for none.
int SlotNamed(const TPupilRecord& pupil, const QString& subject);

}  // namespace quorv
