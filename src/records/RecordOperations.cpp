#include "records/RecordOperations.h"

#include <algorithm>
#include <cstring>

#include "platform/Messages.h"

namespace quorv {

QString NewPupilName;
QString NewPupilFirstName;

int CompareShortText(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

namespace {

// Compares surname, then first name.
int CompareNames(const TPupilRecord& a, const TPupilRecord& b) {
  if (const int c = CompareShortText(a.Surname.bytes(), b.Surname.bytes()); c != 0) return c;
  return CompareShortText(a.FirstName.bytes(), b.FirstName.bytes());
}

int CompareNumbers(std::int64_t a, std::int64_t b) { return a < b ? -1 : a > b ? 1 : 0; }

int CompareClass(const TPupilRecord& a, const TPupilRecord& b) {
  if (const int c = CompareNumbers(a.Klassenstufe, b.Klassenstufe); c != 0) return c;
  return CompareShortText(a.ClassName.bytes(), b.ClassName.bytes());
}

int CompareSexThenNames(const TPupilRecord& a, const TPupilRecord& b, int sexDirection) {
  const std::int32_t sa = a.Sex;
  const std::int32_t sb = b.Sex;
  if (const int c = CompareNumbers(sa, sb); c != 0) return c * sexDirection;
  return CompareNames(a, b);
}

// Each order as a three-way comparison; a pair is out of order when it compares above 0.
struct TSortRule {
  TSortOrder order;
  int (*compare)(const TPupilRecord&, const TPupilRecord&);
};

const TSortRule kSortRules[] = {
    {TSortOrder::NameUp, [](const TPupilRecord& a, const TPupilRecord& b) { return CompareNames(a, b); }},
    {TSortOrder::NameDown, [](const TPupilRecord& a, const TPupilRecord& b) { return CompareNames(b, a); }},
    {TSortOrder::KeyUp,
     [](const TPupilRecord& a, const TPupilRecord& b) { return CompareNumbers(a.KeyNumber, b.KeyNumber); }},
    {TSortOrder::KeyDown,
     [](const TPupilRecord& a, const TPupilRecord& b) { return CompareNumbers(b.KeyNumber, a.KeyNumber); }},
    {TSortOrder::ClassUp, [](const TPupilRecord& a, const TPupilRecord& b) { return CompareClass(a, b); }},
    {TSortOrder::ClassDown, [](const TPupilRecord& a, const TPupilRecord& b) { return CompareClass(b, a); }},
    // Girls (1) first: the higher sex value first.
    {TSortOrder::GirlsFirst, [](const TPupilRecord& a, const TPupilRecord& b) { return CompareSexThenNames(a, b, -1); }},
    {TSortOrder::BoysFirst, [](const TPupilRecord& a, const TPupilRecord& b) { return CompareSexThenNames(a, b, 1); }},
};

const TSortRule& RuleFor(TSortOrder order) {
  for (const TSortRule& rule : kSortRules)
    if (rule.order == order) return rule;
  return kSortRules[0];
}

}  // namespace

bool PairOutOfOrder(TSortOrder order, const TPupilRecord& a, const TPupilRecord& b) {
  return RuleFor(order).compare(a, b) > 0;
}

void SortPupils(TDB2& pupils, int count, TSortOrder order) {
  count = std::clamp(count, 0, static_cast<int>(pupils.size()));
  if (count < 2) return;
  const auto compare = RuleFor(order).compare;
  // Every order is a strict ordering of whole keys, so neighbour swaps end in
  // the one stable order of these keys.
  std::stable_sort(pupils.begin(), pupils.begin() + count,
                   [compare](const TPupilRecord& a, const TPupilRecord& b) { return compare(a, b) < 0; });
}

bool RefuseWhenClassFull() {
  if (PupilCount < kMaxPupils) return false;
  platform::ShowMessage(QString::fromUtf8("Die Klasse enthält bereits %1 Datensätze.\rEs kann kein weiterer Schüler "
                                          "hinzugefügt werden.")
                            .arg(kMaxPupils),
                        platform::MsgKind::Warning);
  return true;
}

bool PurgeMarkedPupils() {
  const int count = std::min<int>(PupilCount, static_cast<int>(Pupils.size()));
  int removed = 0;
  for (int i = 0; i < count; ++i)
    if (Pupils[static_cast<std::size_t>(i)].Active == 0) ++removed;
  if (removed == 0) return false;
  Modified = true;
  if (removed == count) {
    // The last record stays, with default values.
    Pupils.resize(1);
    PupilCount = 1;
    CurrentPupil = 0;
    InitPupilRecord(Pupils[0]);
    ScratchPupils.clear();
    return true;
  }
  ScratchPupils.clear();
  ScratchPupils.reserve(static_cast<std::size_t>(count - removed));
  for (int i = 0; i < count; ++i)
    if (Pupils[static_cast<std::size_t>(i)].Active != 0) ScratchPupils.push_back(Pupils[static_cast<std::size_t>(i)]);
  Pupils.swap(ScratchPupils);
  ScratchPupils.clear();
  PupilCount = count - removed;
  CurrentPupil = std::max(0, CurrentPupil - removed);
  return true;
}

bool PasteClipboardPupil() {
  if (RefuseWhenClassFull()) return false;
  const int count = std::min<int>(PupilCount, static_cast<int>(Pupils.size()));
  const int at = std::clamp(CurrentPupil + 1, 0, count);
  ScratchPupils.assign(Pupils.begin(), Pupils.begin() + count);
  ScratchPupils.insert(ScratchPupils.begin() + at, ClipboardPupil);
  Pupils.swap(ScratchPupils);
  ScratchPupils.clear();
  PupilCount = count + 1;
  return true;
}

}  // namespace quorv
