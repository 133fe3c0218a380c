#pragma once
// The rules of the pupil data sheet that need no widgets: the form-number
// settlement before a pupil is shown, the record comparison after a store, the
// rescaling of grades to another level of demand, the visibility table of the
// sheet's controls and the item lists of its combo boxes.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/QuorvDat.h"

namespace quorv {

// ---- state carried from a show to the next store ----

// Byte copy of the current pupil taken when it was shown, before its form
// numbers and slots were settled.
extern TPupilRecord ShownPupilCopy;
// What a store of the sheet as shown would make of the record: settling the
// form numbers and slots of a record nobody edited is no change, so a store
// sets Modified only where it differs from this.
extern TPupilRecord UneditedPupilCopy;
// The level of demand of the current pupil when last shown / last stored.
extern std::uint16_t AnspruchsebeneShown;
extern std::uint16_t AnspruchsebeneStored;

// ---- item texts of the data sheet's index-stored controls ----

const QStringList& ReportKindItems();           // ComboBox41, by ReportKind
const QStringList& KlassenstufeItems();         // ComboBox42, by Klassenstufe
const QStringList& AnspruchsebeneItems();       // ComboBox43, ComboBox45
const QStringList& GesamtpraedikatItems();      // ComboBox44
const QStringList& AbschlussartItems();         // RadioGroup1
const QStringList& KlassenartItems();           // RadioGroup2
const QStringList& SchullaufbahnempfehlungItems();  // RadioGroup4

// ---- form numbers ----

// The form a new record is shown with: by school type 1 -> 3, 2 -> 15, 3 -> 27,
// 4 -> 21, 5 -> 5, 6 -> 10, any other -> 15.
int DefaultFormForSchoolType(int schoolType);

// Settles the three form numbers of a record about to be shown and lays its
// subject slots out for FormNumber:
// - a new record (either number negative) gets the school type's default form
//   and the catalogue's subjects in its blank slots 1..18 (slots that hold a
//   subject or grade data are kept);
// - when FormNumber differs from LayoutFormNumber and names a form (not 0),
//   the slots are re-laid once, with the warning where the table has one;
// - with FormNumber 0 the slots stay as they are.
// Afterwards LayoutFormNumber names the form the slots are laid out for.
void SettleFormNumbers(TPupilRecord& r, int schoolType);

// The text of the form-number field: "4a" for form 104, else the decided form.
QString FormNumberText(const TPupilRecord& r, int schoolType);

// ---- record comparison ----

// Sets changed when a field the data sheet shows differs between current and
// copy; never clears it and does nothing when it is already set.
void PupilRecordsDiffer(const TPupilRecord& current, const TPupilRecord& copy, bool& changed);

// ---- rescaling to another level of demand ----

// Entry n for n = -2..10 is n clamped to 1..6.
extern const std::array<std::uint16_t, 13> GradeClampTable;
// GradeClampTable for any index (outside -2..10 the same clamp).
int ClampedGrade(int index);

// The level letter after a rescaling: "Ü" (either case) becomes "Z".
void AdjustLevelCode(platform::ShortString<1>& level, int delta);
// From the undecided level (shown level 0) by delta = new level - 3.
void RescaleSubjectGrade(TSubjectEntry& entry, int delta, bool& error);
// From a set level by delta = new level - shown level.
void RescaleSubjectGradeFromLevel(TSubjectEntry& entry, int delta, bool& error);

// Rescales every slot 1..25 graded "1".."8" from oldLevel to newLevel; true
// when some slot reported an error.
bool RescaleGrades(TPupilRecord& r, int oldLevel, int newLevel);

extern const QString kLevelUndecidedQuestion;
extern const QString kLevelChangedQuestion;
extern const QString kRescaleWarning;

// ---- texts shown on the sheet ----

// The note beside the recommendation ("Label63") for Schullaufbahnempfehlung.
QString RecommendationNote(int schullaufbahnempfehlung);

// The last catalogue entry (0..50) with the abbreviation; 0 when none.
int FourthExamSubjectEntry(std::string_view abbreviation);
// The last slot 1..25 whose name is the name of catalogue entry k; 0 when none.
int ExamSubjectSlot(const TPupilRecord& r, int entry);

// Whether the name label of a row is drawn red: rows 1..4 and the first
// foreign-language head (row 0 here) on forms 24 and 25; rows 5..18 there too
// when the school year is before 2006 and the row holds the exam subject.
bool SubjectLabelIsRed(int row, int formNumber, unsigned year, std::string_view rowName,
                       std::string_view examSubjectName);

// ---- visibility of the sheet's controls ----

enum class TShowState { Hidden, Shown, Kept };

struct TSheetContext {
  int Form = 0;  // ShownFormNumber
  int SchoolType = 0;
  int ReportKind = 0;
  bool ShowAdditions = false;
};

// True for forms that the visibility table counts as "other": outside 1..43 and 104.
bool IsOtherForm(int form);
// A form list as written in the table ("3-29, 32, 104, other").
bool SheetFormListContains(std::string_view list, int form);

// Every control the visibility table decides, in table order.
const std::vector<std::string>& VisibilityControls();
// Hidden, shown, or left as it is for the control in the context.
TShowState ControlVisibility(std::string_view control, const TSheetContext& context);

enum class TNameList { Keep, Languages, Religions, AllNames };
// The name combos whose item list depends on the form.
const std::vector<std::string>& NameListCombos();
TNameList NameComboList(std::string_view combo, int form);

// Label59, ComboBox38, Label60 and Edit75 are enabled before 2006.
bool ExamSubjectFieldsEnabled(unsigned year);

// ---- visibility by report kind (the report-kind handler) ----

// The controls of the report-kind table, by column.
const std::vector<std::vector<std::string>>& ReportKindControlGroups();
// The state of column `group` for a report kind (-1: none selected).
TShowState ReportKindVisibility(int group, int reportKind, int schoolType);
// "Prädikat" and its combo are shown for Abschlussart 2 or report kind 5.
bool PraedikatVisible(int abschlussart, int reportKind);

}  // namespace quorv
