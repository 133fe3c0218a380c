#pragma once
// The subject slots of a pupil record: the small slot operations and the
// re-layout of the slots when the pupil's report form changes.
#include <QString>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "records/QuorvDat.h"

namespace quorv {

using TSubjects = TSubjectEntry[kSubjectSlots];  // slot s (1..25) is [s - 1]

constexpr int kRegularSlots = 18;  // slots 1..18; 19..24 electives, 25 overall elective grade

// "???", "-", empty, "-", empty.
void BlankSubjectEntry(TSubjectEntry& entry);
// Blanks 18 slots from firstSlot on (slots beyond 25 are not touched).
void BlankSubjectEntries(TSubjects& subjects, int firstSlot = 1);
// True when the entry holds no subject and no grade data: name "???" or empty,
// grade "-" or empty, no addition, level "-" or empty.
bool IsBlankSubjectEntry(const TSubjectEntry& entry);

// Moves count whole entries from slot `from` on to slot `to` on. Towards higher
// slots the source slots below `to` are blanked afterwards; towards lower slots
// the sources that were not overwritten keep their contents. A move that would
// leave slots 1..25 does nothing and returns false.
bool MoveSubjectEntries(TSubjects& subjects, int from, int to, int count);

// The subject the catalogue places in the slot on the form goes into the entry
// with no grade; the entry stays as it is when no subject is placed there.
void SetSubjectFromCatalog(TSubjectEntry& entry, int slot, int form);
// Only the name (and the reserved text) from the catalogue; "???" when the
// catalogue places nothing there. Grade, addition and level are kept.
void SetSubjectNameFromCatalog(TSubjectEntry& entry, int slot, int form);

// The form whose catalogue column gives the slot layout of a form: the
// examination reports 24 and 25 are laid out like form 21.
int SlotLayoutForm(int form);

// ---- the re-layout table ----

enum class TSlotOp : std::uint8_t {
  Move,      // MoveSubjectEntries(A, B, Count)
  Cat,       // SetSubjectFromCatalog(slot A)
  Name,      // SetSubjectNameFromCatalog(slot A)
  Blank,     // BlankSubjectEntry(slot A)
  BlankAll,  // BlankSubjectEntries(slot 1)
  CatAll,    // SetSubjectFromCatalog for every slot 1..25
};

struct TSlotStep {
  TSlotOp Op;
  std::uint8_t A = 0;
  std::uint8_t B = 0;
  std::uint8_t Count = 0;
};

constexpr int kMaxRelayoutSteps = 12;
constexpr int kAnySchoolType = -1;

// One row: the steps for a new form of NewForms coming from an old form of
// OldForms. Form lists are written as in "0, 5-9, 18".
struct TRelayoutRow {
  const char* NewForms;
  const char* OldForms;
  int SchoolType;  // kAnySchoolType, or the school type the row is for
  std::array<TSlotStep, kMaxRelayoutSteps> Steps;
  int StepCount;
  bool Adapted;  // false: the warning follows the steps
};

// True when the list ("0, 10-12, 15-17") holds the form.
bool FormListContains(std::string_view list, int form);

// The rows in table order.
const std::vector<TRelayoutRow>& RelayoutTable();

// The row for the pair; nullptr when the pair is not in the table.
const TRelayoutRow* FindRelayoutRow(int newForm, int oldForm, int schoolType);

// Runs the steps of a row on the slots for the new form.
void ApplyRelayoutSteps(const TRelayoutRow& row, TSubjects& subjects, int newForm);

// The re-layout from oldForm to newForm without the message: true when the
// slots were adapted (the pair is in the table and the row says so).
bool ApplySubjectRelayout(TSubjects& subjects, int oldForm, int newForm, int schoolType);

extern const QString kRelayoutWarning;

// The re-layout of the record's slots from oldForm to newForm, with the
// warning when they could not (fully) be adapted. Returns whether they were.
bool RelayoutSubjects(TPupilRecord& r, int oldForm, int newForm, int schoolType);

}  // namespace quorv
