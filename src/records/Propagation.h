#pragma once
// Carrying values of the current pupil to the pupils after it, and the small
// record commands of the data sheet's buttons.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "records/QuorvDat.h"

namespace quorv {

// A record takes part in a run over the following pupils only while live.
bool IsLivePupil(const TPupilRecord& r);

// ---- header values ----

using TU16Field = platform::LeU16 TPupilRecord::*;
template <int N>
using TTextField = platform::ShortString<N> TPupilRecord::*;
using THeaderField = std::variant<TU16Field, TTextField<4>, TTextField<5>, TTextField<20>, TTextField<30>>;

// One value for one field: a number for the word fields (a negative number,
// an unselected item, leaves the field alone), Windows-1252 text for the
// others, cut to the field.
struct THeaderValue {
  THeaderField field;
  int number = 0;
  std::string text;
};

// Writes the values into every live record from `from` to the last one;
// marked records are passed over; with stopAtPlaceholder the first
// placeholder row ends the run. Returns the number of records written.
int CarryHeaderValues(TDB2& pupils, int count, int from, const std::vector<THeaderValue>& values,
                      bool stopAtPlaceholder);

// Why a run over the pupils from `from` on (a carry, a class print) meets
// nobody it takes.
enum class TNobodyFollows {
  NotTakenOver,  // the pupil at `from` has no name in the class yet: his data were not taken over
  NoneNamed,     // no live pupil with a name up to the end or the first placeholder row
  AllLeftOut,    // those there are are left out of class prints (passOverSkipped)
};
TNobodyFollows WhyNobodyFollows(const TDB2& pupils, int count, int from, bool passOverSkipped);

// ---- subject names and electives ----

enum class TCarriedSubject { FirstLanguage, SecondLanguage, Religion, FirstExtraSubject };
enum class TElectiveHalf { First, Second, Both };

// The slot of the subject on a form; 0 when the form does not hold it.
int CarriedSubjectSlot(TCarriedSubject subject, int form);
// 1 for the forms of elective group A, 2 for group B, 0 for neither.
int ElectiveGroup(int form);
// The elective slots of a half year for a group (1 or 2), in carrying order.
const std::vector<int>& ElectiveSlots(TElectiveHalf half, int group);

enum class TCarryOutcome {
  NotOnForm,       // the current pupil's form does not hold the subject
  NothingToCarry,  // the name is "???" or below it
  Carried,
};

// Carries the current pupil's name of the subject into the matching slot of
// every following live pupil up to the first placeholder row; pupils whose
// form does not hold the subject are passed over. Sets modified for every
// live pupil visited.
TCarryOutcome CarrySubjectName(TDB2& pupils, int count, int current, TCarriedSubject subject, bool& modified);

// Carries the current pupil's elective names of the half year, by position,
// into the elective slots of every following live pupil's own group up to the
// first placeholder row. Sets modified for every live pupil visited.
TCarryOutcome CarryElectiveNames(TDB2& pupils, int count, int current, TElectiveHalf half, bool& modified);

// ---- commands of the data sheet ----

// Slots first..last: grade "-", no addition, no level.
void ClearGrades(TPupilRecord& r, int firstSlot, int lastSlot);

// Sets the form back to the one the slots are laid out for (or the school
// type's default form) and puts the catalogue's subject names into slots
// 1..18, which lose their grades.
void ResetSubjectCanon(TPupilRecord& r, int schoolType);

// The slot 1..16 holding the subject whose abbreviation is given (the last
// catalogue entry 1..50 with it, the last such slot); 0 when none.
int FourthExamGradeSlot(const TPupilRecord& r, std::string_view abbreviation);

}  // namespace quorv
