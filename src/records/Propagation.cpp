#include "records/Propagation.h"

#include <algorithm>
#include <array>

#include "records/DataSheetRules.h"
#include "records/RecordOperations.h"
#include "records/SubjectSlots.h"
#include "settings/Facheinst.h"

namespace quorv {

bool IsLivePupil(const TPupilRecord& r) { return r.Active == 1; }

namespace {

int ValidCount(const TDB2& pupils, int count) { return std::clamp(count, 0, static_cast<int>(pupils.size())); }

struct FieldWriter {
  TPupilRecord& r;
  const THeaderValue& v;
  void operator()(TU16Field f) const {
    if (v.number >= 0) r.*f = static_cast<std::uint16_t>(v.number);
  }
  template <int N>
  void operator()(TTextField<N> f) const {
    (r.*f).set(v.text);
  }
};

}  // namespace

int CarryHeaderValues(TDB2& pupils, int count, int from, const std::vector<THeaderValue>& values,
                      bool stopAtPlaceholder) {
  count = ValidCount(pupils, count);
  int written = 0;
  for (int i = std::max(from, 0); i < count; ++i) {
    TPupilRecord& r = pupils[static_cast<std::size_t>(i)];
    if (!IsLivePupil(r)) continue;
    if (stopAtPlaceholder && IsPlaceholderRow(r)) break;
    for (const THeaderValue& v : values) std::visit(FieldWriter{r, v}, v.field);
    ++written;
  }
  return written;
}

TNobodyFollows WhyNobodyFollows(const TDB2& pupils, int count, int from, bool passOverSkipped) {
  count = ValidCount(pupils, count);
  bool leftOut = false;
  for (int i = std::max(from, 0); i < count; ++i) {
    const TPupilRecord& r = pupils[static_cast<std::size_t>(i)];
    if (!IsLivePupil(r)) continue;
    if (passOverSkipped && r.SkipInBatch == 1) {
      leftOut = true;
      continue;
    }
    if (IsPlaceholderRow(r) && i == from) return TNobodyFollows::NotTakenOver;
    break;
  }
  return leftOut ? TNobodyFollows::AllLeftOut : TNobodyFollows::NoneNamed;
}

// ---------------------------------------------------------------------------
// Subject names

namespace {

struct TFormsToSlot {
  const char* forms;
  int slot;
};

struct TCarriedSubjectRule {
  TCarriedSubject subject;
  std::vector<TFormsToSlot> placed;
};

const std::vector<TCarriedSubjectRule>& CarriedSubjectRules() {
  static const std::vector<TCarriedSubjectRule> rules = {
      {TCarriedSubject::FirstLanguage, {{"3-4", 9}, {"5-22, 24-29", 2}}},
      {TCarriedSubject::SecondLanguage, {{"10-17, 19-25, 27-29", 3}}},
      {TCarriedSubject::Religion, {{"3-4", 4}, {"5-9, 18", 8}, {"10-17, 19-22, 24-25, 27-29", 9}, {"23", 10}, {"26", 6}}},
      {TCarriedSubject::FirstExtraSubject, {{"5-12, 15-19, 28-29", 17}, {"13-14, 20", 16}, {"21-22, 27", 18}, {"26", 14}}},
  };
  return rules;
}

constexpr const char* kGroupA = "5-7, 10-12, 15-17, 21-25";
constexpr const char* kGroupB = "8-9, 13-14, 18-20, 27-29";

bool AboveUnfilled(std::string_view name) { return CompareShortText(name, kUnfilled) > 0; }

}  // namespace

int CarriedSubjectSlot(TCarriedSubject subject, int form) {
  for (const TCarriedSubjectRule& rule : CarriedSubjectRules()) {
    if (rule.subject != subject) continue;
    for (const TFormsToSlot& s : rule.placed)
      if (FormListContains(s.forms, form)) return s.slot;
  }
  return 0;
}

int ElectiveGroup(int form) {
  if (FormListContains(kGroupA, form)) return 1;
  if (FormListContains(kGroupB, form)) return 2;
  return 0;
}

const std::vector<int>& ElectiveSlots(TElectiveHalf half, int group) {
  static const std::vector<int> kNone;
  static const struct {
    TElectiveHalf half;
    std::vector<int> groupA;
    std::vector<int> groupB;
  } kSlots[] = {
      {TElectiveHalf::First, {19, 22}, {19, 20, 21}},
      {TElectiveHalf::Second, {20, 23}, {22, 23, 24}},
      {TElectiveHalf::Both, {19, 22, 20, 23}, {19, 20, 21, 22, 23, 24}},
  };
  for (const auto& s : kSlots)
    if (s.half == half) return group == 1 ? s.groupA : group == 2 ? s.groupB : kNone;
  return kNone;
}

TCarryOutcome CarrySubjectName(TDB2& pupils, int count, int current, TCarriedSubject subject, bool& modified) {
  count = ValidCount(pupils, count);
  if (current < 0 || current >= count) return TCarryOutcome::NotOnForm;
  const TPupilRecord& source = pupils[static_cast<std::size_t>(current)];
  const int sourceSlot = CarriedSubjectSlot(subject, source.FormNumber);
  if (sourceSlot == 0) return TCarryOutcome::NotOnForm;
  const std::string name = source.Subjects[sourceSlot - 1].Name.str();
  if (!AboveUnfilled(name)) return TCarryOutcome::NothingToCarry;
  for (int i = current + 1; i < count; ++i) {
    TPupilRecord& r = pupils[static_cast<std::size_t>(i)];
    if (!IsLivePupil(r)) continue;
    if (IsPlaceholderRow(r)) break;
    modified = true;
    if (const int slot = CarriedSubjectSlot(subject, r.FormNumber); slot > 0) r.Subjects[slot - 1].Name.set(name);
  }
  return TCarryOutcome::Carried;
}

TCarryOutcome CarryElectiveNames(TDB2& pupils, int count, int current, TElectiveHalf half, bool& modified) {
  count = ValidCount(pupils, count);
  if (current < 0 || current >= count) return TCarryOutcome::NotOnForm;
  const TPupilRecord& source = pupils[static_cast<std::size_t>(current)];
  const int group = ElectiveGroup(source.FormNumber);
  if (group == 0) return TCarryOutcome::NotOnForm;
  // Unread positions carry "???".
  std::array<std::string, 6> names;
  names.fill(kUnfilled);
  const std::vector<int>& sourceSlots = ElectiveSlots(half, group);
  for (std::size_t n = 0; n < sourceSlots.size(); ++n) names[n] = source.Subjects[sourceSlots[n] - 1].Name.str();
  if (!AboveUnfilled(names[0])) return TCarryOutcome::NothingToCarry;
  for (int i = current + 1; i < count; ++i) {
    TPupilRecord& r = pupils[static_cast<std::size_t>(i)];
    if (!IsLivePupil(r)) continue;
    if (IsPlaceholderRow(r)) break;
    modified = true;
    const std::vector<int>& placed = ElectiveSlots(half, ElectiveGroup(r.FormNumber));
    for (std::size_t n = 0; n < placed.size(); ++n) r.Subjects[placed[n] - 1].Name.set(names[n]);
  }
  return TCarryOutcome::Carried;
}

// ---------------------------------------------------------------------------
// Commands of the data sheet

void ClearGrades(TPupilRecord& r, int firstSlot, int lastSlot) {
  for (int s = std::max(firstSlot, 1); s <= std::min(lastSlot, kSubjectSlots); ++s) {
    TSubjectEntry& e = r.Subjects[s - 1];
    e.Grade.set("-");
    e.Addition.set("");
    e.CourseLevel.set("");
  }
}

void ResetSubjectCanon(TPupilRecord& r, int schoolType) {
  const std::int32_t form = r.FormNumber;
  const std::int32_t layout = r.LayoutFormNumber;
  r.FormNumber = form >= 0 && layout >= 1 ? layout : DefaultFormForSchoolType(schoolType);
  BlankSubjectEntries(r.Subjects, 1);
  r.ShownFormNumber = r.FormNumber == 24 || r.FormNumber == 25 ? 21 : static_cast<std::int32_t>(r.FormNumber);
  for (int s = 1; s <= kRegularSlots; ++s) SetSubjectNameFromCatalog(r.Subjects[s - 1], s, r.ShownFormNumber);
}

int FourthExamGradeSlot(const TPupilRecord& r, std::string_view abbreviation) {
  int entry = 0;
  for (int e = 1; e <= 50 && e < static_cast<int>(SubjectCatalog.size()); ++e)
    if (SubjectCatalog[static_cast<std::size_t>(e)].Abbreviation.bytes() == abbreviation) entry = e;
  if (entry == 0) return 0;
  const std::string_view name = SubjectCatalog[static_cast<std::size_t>(entry)].Name.bytes();
  int slot = 0;
  for (int s = 1; s <= 16; ++s)
    if (r.Subjects[s - 1].Name.bytes() == name) slot = s;
  return slot;
}

}  // namespace quorv
