#include "records/SubjectSlots.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

#include "platform/Messages.h"
#include "settings/Facheinst.h"

namespace quorv {

namespace {

TSubjectEntry& Slot(TSubjects& subjects, int slot) { return subjects[slot - 1]; }

bool IsEmptyOr(const auto& field, std::string_view text) { return field.length() == 0 || field == text; }

constexpr TSlotStep Move(int from, int to, int count) {
  return {TSlotOp::Move, static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to),
          static_cast<std::uint8_t>(count)};
}
constexpr TSlotStep Cat(int slot) { return {TSlotOp::Cat, static_cast<std::uint8_t>(slot)}; }
constexpr TSlotStep Name(int slot) { return {TSlotOp::Name, static_cast<std::uint8_t>(slot)}; }
constexpr TSlotStep Blank(int slot) { return {TSlotOp::Blank, static_cast<std::uint8_t>(slot)}; }
constexpr TSlotStep BlankAll() { return {TSlotOp::BlankAll}; }
constexpr TSlotStep CatAll() { return {TSlotOp::CatAll}; }

constexpr bool kYes = true;
constexpr bool kNo = false;

TRelayoutRow Row(const char* newForms, const char* oldForms, std::initializer_list<TSlotStep> steps, bool adapted,
                 int schoolType = kAnySchoolType) {
  TRelayoutRow row{newForms, oldForms, schoolType, {}, 0, adapted};
  for (const TSlotStep& step : steps) row.Steps[static_cast<std::size_t>(row.StepCount++)] = step;
  return row;
}

// The steps per (new form, old form). Within the group of the new form the old
// form selects the row; the first matching row counts.
std::vector<TRelayoutRow> BuildRelayoutTable() {
  return {
      Row("1, 2", "0, 1, 2", {}, kYes),
      Row("1, 2", "3, 4", {BlankAll()}, kYes),
      Row("3, 4", "0", {Cat(2)}, kYes),
      // Between forms 3 and 4 the slots agree; slot 2 keeps its grade.
      Row("3, 4", "3, 4", {}, kYes),
      Row("3, 4", "1, 2", {BlankAll()}, kYes),

      Row("5-9", "0, 5-9, 18", {}, kYes),
      Row("5-9", "19", {Move(4, 3, 6), Blank(9)}, kYes),
      // Slots 13..16 (with the additional subject) move to 14..17.
      Row("5-9", "20", {Move(4, 3, 6), Blank(9), Move(13, 14, 4), Cat(13)}, kYes),
      Row("5-9", "27", {Move(4, 3, 6), Blank(9), Move(11, 10, 8), Blank(18)}, kYes),
      Row("5-9", "28, 29", {Move(4, 3, 6), Blank(9)}, kYes),
      Row("5-9", "104",
          {Move(4, 3, 3), Cat(6), Move(8, 7, 2), Blank(9), Move(11, 12, 1), Cat(11), Move(13, 14, 3), Cat(13),
           Blank(17), Blank(18)},
          kNo),

      Row("10-12", "0, 10-12, 15-17, 19, 28, 29", {}, kYes),
      // Slots 13..17 move to 14..18 as from form 104.
      Row("10-12", "13, 14", {Move(13, 14, 5), Cat(13)}, kYes),
      Row("10-12", "104",
          {Cat(7), Move(11, 12, 1), Cat(11), Move(13, 14, 3), Cat(13), Blank(17), Blank(18)}, kNo),

      Row("13, 14", "0, 13, 14", {}, kYes),
      // The first foreign language in slot 2 stays; slot 3 is emptied.
      Row("13, 14", "5-9, 18", {Move(3, 4, 6), Blank(3), Move(14, 13, 4), Blank(17), Blank(18)}, kYes),
      // As from forms 28 and 29, which share the layout of forms 10 to 12.
      Row("13, 14", "10-12", {Move(14, 13, 5), Blank(18)}, kYes),
      Row("13, 14", "27", {Move(11, 10, 3), Cat(16), Move(15, 13, 4), Blank(17), Blank(18)}, kYes),
      Row("13, 14", "28, 29", {Move(14, 13, 5), Blank(18)}, kYes),
      Row("13, 14", "104", {Cat(7), Move(11, 12, 1), Cat(11)}, kNo),

      Row("15-17, 19", "0, 10-12, 15-17, 19, 28, 29", {}, kYes),
      Row("15-17, 19", "5-9, 18", {Move(3, 4, 6), Blank(3)}, kYes),
      Row("15-17, 19", "20", {Move(13, 14, 5), Cat(13)}, kYes),
      Row("15-17, 19", "27", {Move(11, 10, 8), Blank(18)}, kYes),
      Row("15-17, 19", "104", {Cat(7), Move(11, 12, 1), Cat(11), Move(13, 14, 5), Cat(13)}, kNo),

      // Form 18 has the layout of forms 5 to 9, and the same steps.
      Row("18", "0, 5-9", {}, kYes),
      Row("18", "15-17, 19", {Move(4, 3, 6), Blank(9)}, kYes),
      Row("18", "20", {Move(4, 3, 6), Blank(9), Move(13, 14, 4), Cat(13)}, kYes),
      Row("18", "27", {Move(4, 3, 6), Blank(9), Move(11, 10, 8), Blank(18)}, kYes),
      Row("18", "28, 29", {Move(4, 3, 6), Blank(9)}, kYes),
      Row("18", "104",
          {Move(4, 3, 3), Cat(6), Move(8, 7, 2), Blank(9), Move(11, 12, 1), Cat(11), Move(13, 14, 5), Cat(13)}, kNo),

      Row("20", "0", {}, kYes),
      Row("20", "5-9, 18", {Move(3, 4, 6), Blank(3), Move(14, 13, 4), Blank(17), Blank(18)}, kYes),
      Row("20", "15-17, 19", {Move(14, 13, 5), Blank(18)}, kYes),
      Row("20", "27", {Move(11, 10, 3), Move(15, 13, 4), Blank(17), Blank(18)}, kYes),
      Row("20", "28, 29", {Move(14, 13, 5), Blank(18)}, kYes),
      Row("20", "104", {Cat(7), Move(11, 12, 1), Cat(11)}, kNo),

      Row("21, 22, 24, 25", "0, 21, 22, 24, 25", {}, kYes),
      Row("21, 22, 24, 25", "5-9, 18", {Move(3, 4, 6), Blank(3), Name(8), Move(14, 15, 4), Cat(14)}, kYes),
      Row("21, 22, 24, 25", "10-12, 15-17, 19", {Name(8), Move(14, 15, 4), Cat(14)}, kYes),
      Row("21, 22, 24, 25", "20", {Name(8), Move(13, 15, 4), Cat(13), Cat(14)}, kYes),
      // Slots 6 and 7 change places (through the unused slot 9) as on the way to form 23.
      Row("21, 22, 24, 25", "23", {Move(6, 9, 1), Move(7, 6, 1), Move(9, 7, 1), Move(10, 9, 5), Cat(14)}, kYes),
      Row("21, 22, 24, 25", "27", {Name(8), Move(11, 10, 4), Cat(14)}, kYes),
      Row("21, 22, 24, 25", "28, 29", {Name(8), Move(14, 15, 4), Cat(14)}, kYes),
      Row("21, 22, 24, 25", "104",
          {Cat(7), Move(11, 12, 1), Cat(11), Move(11, 12, 1), Cat(11), Move(13, 15, 4), Cat(13), Cat(14)}, kNo),

      Row("23", "0", {Move(9, 10, 5), Move(6, 9, 1), Move(7, 6, 1), Move(9, 7, 1)}, kYes),
      Row("23", "21, 22, 24, 25", {Move(9, 10, 5), Move(6, 9, 1), Move(7, 6, 1), Move(9, 7, 1), Blank(9)}, kYes),
      Row("23", "104",
          {Move(13, 15, 4), Move(12, 11, 1), Move(6, 7, 1), Move(11, 13, 1), Move(9, 10, 2), Cat(6), Cat(12), Cat(14)},
          kNo),

      Row("26", "0", {}, kYes),
      Row("26", "104", {Move(4, 3, 1), Move(7, 4, 3), Move(12, 10, 6)}, kNo),

      Row("27", "0", {}, kYes),
      Row("27", "5-9, 18", {Move(3, 4, 6), Blank(3), Move(10, 11, 8), Cat(10)}, kYes),
      Row("27", "13, 14", {Move(13, 15, 4), Move(10, 11, 3), Cat(10), Cat(14)}, kYes),
      Row("27", "21, 22, 24, 25", {Move(10, 11, 4), Cat(10), Name(8)}, kYes),
      Row("27", "28, 29", {Move(10, 11, 8), Cat(10)}, kYes),
      Row("27", "104",
          {Cat(7), Move(13, 15, 4), Move(12, 14, 1), Move(11, 10, 1), Move(11, 13, 1), Move(14, 10, 1), Cat(12),
           Cat(14)},
          kNo),

      Row("28, 29", "0, 15-17, 19, 28, 29", {}, kYes),
      Row("28, 29", "21, 22, 24, 25", {Name(8), Move(15, 14, 4), Blank(18)}, kYes),
      Row("28, 29", "27", {Move(11, 10, 8), Blank(18)}, kYes),
      Row("28, 29", "104", {Cat(7), Move(13, 14, 5), Move(11, 12, 1), Cat(11), Cat(13)}, kNo),

      Row("104", "0", {Cat(7), Move(12, 11, 1), Cat(12), Move(14, 13, 5), Blank(18)}, kYes, 2),
      Row("104", "0",
          {Cat(7), Move(10, 12, 1), Move(11, 10, 1), Move(13, 11, 1), Move(15, 13, 4), Blank(17), Blank(18)}, kYes, 3),
      Row("104", "0", {Cat(7), Cat(8), Move(12, 11, 1), Cat(12), Move(15, 13, 4), Blank(17), Blank(18)}, kYes, 4),
      Row("104", "0", {Cat(7), Move(9, 8, 1), Blank(9), Move(12, 11, 1), Cat(12), Move(14, 13, 5), Blank(18)}, kYes,
          5),
      Row("104", "0", {Cat(7), Move(12, 11, 1), Cat(12), Move(14, 13, 5), Blank(18)}, kYes, 6),
      Row("104", "0", {BlankAll(), CatAll()}, kNo),
      Row("104", "5-9, 18",
          {Move(3, 4, 3), Blank(3), Move(7, 8, 2), Cat(7), Move(12, 11, 1), Cat(12), Move(14, 13, 4), Blank(17),
           Blank(18)},
          kYes),
      // The rows from the layouts of forms 15, 21 and 27 carry the additional
      // subject along as the rows from form 0 of those school types do.
      Row("104", "15-17, 19", {Cat(7), Move(12, 11, 1), Cat(12), Move(14, 13, 5), Blank(18)}, kYes),
      Row("104", "21, 22, 24, 25",
          {Cat(7), Name(8), Move(12, 11, 1), Cat(12), Move(15, 13, 4), Blank(17), Blank(18)}, kYes),
      Row("104", "23",
          {Move(7, 6, 1), Cat(7), Name(8), Move(10, 9, 2), Move(13, 11, 1), Cat(12), Move(15, 13, 3), Blank(16),
           Blank(17), Blank(18)},
          kYes),
      Row("104", "27",
          {Cat(7), Move(13, 12, 1), Move(10, 12, 1), Move(11, 10, 1), Move(13, 11, 1), Move(15, 13, 4), Blank(17),
           Blank(18)},
          kYes),
      Row("104", "28, 29", {Cat(7), Move(12, 11, 1), Cat(12), Move(14, 13, 5), Blank(18)}, kYes),
  };
}

}  // namespace

const QString kRelayoutWarning = QString::fromUtf8(
    "Fächer, Bewertungen usw. konnten nicht\roder nur teilweise angepasst werden!\r\rDie Bewertungen usw. werden "
    "sicherheitshalber\rvollständig oder teilweise gelöscht!\r\rPrüfen Sie unbedingt die Daten!!");

void BlankSubjectEntry(TSubjectEntry& entry) { BlankSubjectEntryFields(entry); }

void BlankSubjectEntries(TSubjects& subjects, int firstSlot) {
  for (int s = std::max(firstSlot, 1); s < firstSlot + kRegularSlots && s <= kSubjectSlots; ++s)
    BlankSubjectEntry(Slot(subjects, s));
}

bool IsBlankSubjectEntry(const TSubjectEntry& entry) {
  return IsEmptyOr(entry.Name, kUnfilled) && IsEmptyOr(entry.Grade, "-") && entry.Addition.length() == 0 &&
         IsEmptyOr(entry.CourseLevel, "-");
}

bool MoveSubjectEntries(TSubjects& subjects, int from, int to, int count) {
  if (count <= 0 || from == to) return true;
  if (from < 1 || to < 1 || from + count - 1 > kSubjectSlots || to + count - 1 > kSubjectSlots) return false;
  if (from < to) {
    for (int i = count - 1; i >= 0; --i) Slot(subjects, to + i) = Slot(subjects, from + i);
    for (int s = from; s < from + count && s < to; ++s) BlankSubjectEntry(Slot(subjects, s));
  } else {
    for (int i = 0; i < count; ++i) Slot(subjects, to + i) = Slot(subjects, from + i);
  }
  return true;
}

void SetSubjectFromCatalog(TSubjectEntry& entry, int slot, int form) {
  const int e = SubjectForSlot(form, slot);
  if (e < 0) return;
  entry.Name.set(SubjectCatalog[static_cast<std::size_t>(e)].Name.bytes());
  entry.Grade.set("-");
  entry.Addition.set("");
  entry.CourseLevel.set("-");
  entry.Reserved38.set("");
}

void SetSubjectNameFromCatalog(TSubjectEntry& entry, int slot, int form) {
  entry.Name.set(kUnfilled);
  const int e = SubjectForSlot(form, slot);
  if (e < 0) return;
  entry.Name.set(SubjectCatalog[static_cast<std::size_t>(e)].Name.bytes());
  entry.Reserved38.set("");
}

int SlotLayoutForm(int form) { return form == 24 || form == 25 ? 21 : form; }

bool FormListContains(std::string_view list, int form) {
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    std::string_view item = list.substr(0, comma);
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    int lo = 0;
    auto [p, ec] = std::from_chars(item.data(), item.data() + item.size(), lo);
    if (ec != std::errc()) continue;
    int hi = lo;
    if (p < item.data() + item.size() && *p == '-') std::from_chars(p + 1, item.data() + item.size(), hi);
    if (form >= lo && form <= hi) return true;
  }
  return false;
}

const std::vector<TRelayoutRow>& RelayoutTable() {
  static const std::vector<TRelayoutRow> table = BuildRelayoutTable();
  return table;
}

const TRelayoutRow* FindRelayoutRow(int newForm, int oldForm, int schoolType) {
  for (const TRelayoutRow& row : RelayoutTable()) {
    if (row.SchoolType != kAnySchoolType && row.SchoolType != schoolType) continue;
    if (FormListContains(row.NewForms, newForm) && FormListContains(row.OldForms, oldForm)) return &row;
  }
  return nullptr;
}

void ApplyRelayoutSteps(const TRelayoutRow& row, TSubjects& subjects, int newForm) {
  // The examination reports take their subject names from the layout they share.
  const int catalogForm = SlotLayoutForm(newForm);
  for (int i = 0; i < row.StepCount; ++i) {
    const TSlotStep& step = row.Steps[static_cast<std::size_t>(i)];
    switch (step.Op) {
      case TSlotOp::Move:
        MoveSubjectEntries(subjects, step.A, step.B, step.Count);
        break;
      case TSlotOp::Cat:
        SetSubjectFromCatalog(Slot(subjects, step.A), step.A, catalogForm);
        break;
      case TSlotOp::Name:
        SetSubjectNameFromCatalog(Slot(subjects, step.A), step.A, catalogForm);
        break;
      case TSlotOp::Blank:
        BlankSubjectEntry(Slot(subjects, step.A));
        break;
      case TSlotOp::BlankAll:
        BlankSubjectEntries(subjects, 1);
        break;
      case TSlotOp::CatAll:
        for (int s = 1; s <= kSubjectSlots; ++s) SetSubjectFromCatalog(Slot(subjects, s), s, catalogForm);
        break;
    }
  }
}

bool ApplySubjectRelayout(TSubjects& subjects, int oldForm, int newForm, int schoolType) {
  const TRelayoutRow* row = FindRelayoutRow(newForm, oldForm, schoolType);
  if (!row) return false;
  ApplyRelayoutSteps(*row, subjects, newForm);
  return row->Adapted;
}

bool RelayoutSubjects(TPupilRecord& r, int oldForm, int newForm, int schoolType) {
  const bool adapted = ApplySubjectRelayout(r.Subjects, oldForm, newForm, schoolType);
  if (!adapted) platform::ShowMessage(kRelayoutWarning, platform::MsgKind::Warning);
  return adapted;
}

}  // namespace quorv
