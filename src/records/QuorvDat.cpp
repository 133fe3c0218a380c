#include "records/QuorvDat.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/Messages.h"
#include "platform/Random.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"

namespace quorv {

TDB2 Pupils;
int PupilCount = 0;
int CurrentPupil = 0;
bool Modified = false;
QString ClassFileName = kDefaultClassFileName;
QString ProgramDir;
QString DataDir;
QString ArmsPictureColour;
QString ArmsPictureMono;
TPupilRecord TemplatePupil = ZeroPupilRecord();
TPupilRecord ClipboardPupil = ZeroPupilRecord();
TDB2 ScratchPupils;

TPupilRecord ZeroPupilRecord() {
  TPupilRecord r;
  std::memset(&r, 0, sizeof r);
  return r;
}

bool IsPlaceholderRow(const TPupilRecord& r) {
  const auto s = r.Surname.bytes();
  return s.empty() || s == kUnfilled || s == kNoContent;
}

void BlankSubjectEntryFields(TSubjectEntry& e) {
  e.Name.set(kUnfilled);
  e.Grade.set("-");
  e.Addition.set("");
  e.CourseLevel.set("-");
  e.Reserved38.set("");
}

void InitPupilRecord(TPupilRecord& r) {
  r.Reserved0 = 0;
  r.Active = 1;
  r.Reserved4 = 1;
  r.CreatedSchoolType = SchoolSettings.SchoolType;
  r.RandomTag = static_cast<std::uint16_t>(platform::RandomInRange(1, 57000));
  for (auto& w : r.Reserved10) w = 0;
  r.KeyNumber = kFirstKeyNumber;
  r.Surname.set(kUnfilled);
  r.FirstName.set("");
  r.BirthDate.set("  .  .19  ");
  r.BirthPlace.set(kUnfilled);
  r.Sex = -1;
  r.MonthText1.set("September ????");
  r.MonthText2.set("August 2004");
  std::memset(r.Reserved170, 0, 7);  // bytes 177..219 are kept
  r.ReportKind = 0;
  r.SchoolYear.set(kUnfilled);
  r.ClassName.set(kUnfilled);
  r.NextSchool.set(kNoContent);
  r.Jahrgangsstufe.set("--");
  r.AbsenceDays.set("- -");
  r.AbsenceDaysExcused.set("- -");
  r.Gesamtpraedikat = 0;
  r.IssuePlace.set(kUnfilled);
  r.IssueDate.set("  .  .20  ");
  r.Schullaufbahnempfehlung = 0;
  r.FormNumber = -1;
  r.LayoutFormNumber = -1;
  r.ShownFormNumber = -1;
  r.Klassenart = 0;
  for (auto& w : r.Reserved366) w = 0;
  r.ExamDataPresent = 0;
  r.ExamDate.set("  .  .20  ");
  r.FourthExamSubject.set(kUnfilled);
  r.ExamPassed = 0;
  for (auto& w : r.Reserved392) w = 0;
  for (auto& e : r.Subjects) BlankSubjectEntryFields(e);
  r.DevelopmentText.set(kLongTextDefault);
  r.RemarksText.set(kLongTextDefault);
  r.TeacherNotesText.set(kLongTextDefault);
  r.KeyNumber = NewKeyNumber(Pupils, &r);
}

void InitCurrentPupil() { InitPupilRecord(Pupils[static_cast<std::size_t>(CurrentPupil)]); }

bool IsKeyNumberFree(const TDB2& pupils, std::int32_t key) {
  for (const auto& p : pupils)
    if (p.KeyNumber == key) return false;
  return true;
}

std::int32_t NewKeyNumber(const TDB2& pupils, const TPupilRecord* self) {
  std::unordered_set<std::int32_t> taken;
  taken.reserve(pupils.size() * 2);
  for (const auto& p : pupils)
    if (&p != self) taken.insert(p.KeyNumber);
  std::int32_t k = kFirstKeyNumber;
  while (taken.count(k)) ++k;
  return k;
}

namespace {

// The keys in use while the duplicates are repaired: an open-addressing set
// of fixed capacity, so that filling it allocates once.
class KeySet {
 public:
  explicit KeySet(std::size_t maxKeys) {
    std::size_t capacity = 16;
    shift_ = 28;
    while (capacity < maxKeys * 2) {
      capacity *= 2;
      --shift_;
    }
    slots_.assign(capacity, 0);
    used_.assign(capacity, 0);
    mask_ = capacity - 1;
  }
  bool contains(std::int32_t key) const {
    for (std::size_t i = slot(key);; i = (i + 1) & mask_) {
      if (!used_[i]) return false;
      if (slots_[i] == key) return true;
    }
  }
  void insert(std::int32_t key) {
    std::size_t i = slot(key);
    for (; used_[i]; i = (i + 1) & mask_)
      if (slots_[i] == key) return;
    used_[i] = 1;
    slots_[i] = key;
  }

 private:
  std::size_t slot(std::int32_t key) const {
    // Fibonacci hashing: the top bits of the product.
    return static_cast<std::size_t>((static_cast<std::uint32_t>(key) * 0x9E3779B1u) >> shift_);
  }
  std::vector<std::int32_t> slots_;
  std::vector<std::uint8_t> used_;
  std::size_t mask_ = 0;
  int shift_ = 28;
};

}  // namespace

void MakeKeyNumbersUnique(TDB2& pupils) {
  // Pass i renumbers every later carrier of record i's key, in record order.
  // New keys are always free, so only the original groups of equal keys
  // matter, taken in the order of their first carrier.
  const std::size_t n = pupils.size();
  std::vector<std::pair<std::int32_t, std::uint32_t>> carriers(n);  // (key, record), sorted
  for (std::size_t i = 0; i < n; ++i) carriers[i] = {pupils[i].KeyNumber, static_cast<std::uint32_t>(i)};
  std::sort(carriers.begin(), carriers.end());

  // Every key that stands (the original ones and each new one) is taken.
  KeySet taken(n);
  std::vector<std::size_t> groups;  // start in carriers of each key carried more than once
  for (std::size_t s = 0; s < n;) {
    std::size_t e = s + 1;
    while (e < n && carriers[e].first == carriers[s].first) ++e;
    taken.insert(carriers[s].first);
    if (e - s > 1) groups.push_back(s);
    s = e;
  }
  if (groups.empty()) return;
  // A group's first carrier is its lowest record.
  std::sort(groups.begin(), groups.end(),
            [&](std::size_t a, std::size_t b) { return carriers[a].second < carriers[b].second; });

  std::int32_t nextFree = kFirstKeyNumber;  // taken only grows, so this only rises
  for (const std::size_t start : groups) {
    const std::int32_t key = carriers[start].first;
    for (std::size_t c = start + 1; c < n && carriers[c].first == key; ++c) {
      std::int32_t k;
      if (key > 0 && !taken.contains(-key)) {
        k = -key;
      } else {
        while (taken.contains(nextFree)) ++nextFree;
        k = nextFree;
      }
      pupils[carriers[c].second].KeyNumber = k;
      taken.insert(k);
    }
  }
}

void MakeKeyNumbersUnique() { MakeKeyNumbersUnique(Pupils); }

bool InsertPupilAfterCurrent() {
  if (PupilCount >= kMaxPupils) {
    platform::ShowMessage(
        QString::fromUtf8("Die Klasse enthält bereits %1 Datensätze.\rEs kann kein weiterer Schüler "
                          "hinzugefügt werden.")
            .arg(kMaxPupils),
        platform::MsgKind::Warning);
    return false;
  }
  const std::size_t count = static_cast<std::size_t>(PupilCount);
  const std::size_t cur = static_cast<std::size_t>(CurrentPupil);
  const std::size_t freeIndex = cur < count ? cur + 1 : count;
  Pupils.resize(count);
  Pupils.insert(Pupils.begin() + static_cast<std::ptrdiff_t>(freeIndex), ZeroPupilRecord());
  PupilCount = PupilCount + 1;
  CurrentPupil = static_cast<int>(freeIndex);
  InitCurrentPupil();
  if (ProgramOptions.CopyFromPreviousPupil == 1) CopyHeaderFromPreviousPupil();
  return true;
}

void CopyHeaderFromPreviousPupil() {
  if (CurrentPupil <= 0) return;
  const TPupilRecord& p = Pupils[static_cast<std::size_t>(CurrentPupil - 1)];
  TPupilRecord& r = Pupils[static_cast<std::size_t>(CurrentPupil)];
  std::memcpy(r.BirthDate.Chars + 6, p.BirthDate.Chars + 6, 4);  // year of dd.mm.yyyy
  r.BirthPlace = p.BirthPlace;
  r.Sex = p.Sex;
  r.MonthText1 = p.MonthText1;
  r.MonthText2 = p.MonthText2;
  r.ReportKind = p.ReportKind;
  r.AnspruchsebeneAll = p.AnspruchsebeneAll;
  r.Klassenstufe = p.Klassenstufe;
  r.SchoolYear = p.SchoolYear;
  r.ClassName = p.ClassName;
  r.ClassTeacher = p.ClassTeacher;
  r.IssuePlace = p.IssuePlace;
  r.IssueDate = p.IssueDate;
  r.Schullaufbahnempfehlung = p.Schullaufbahnempfehlung;
  r.ExamDataPresent = p.ExamDataPresent;
  r.ExamDate = p.ExamDate;
  static constexpr int kGesamtschuleSlots[2] = {2, 9};
  static constexpr int kOtherSlots[2] = {4, 16};
  const int* names = SchoolSettings.SchoolType == stGesamtschule ? kGesamtschuleSlots : kOtherSlots;
  for (int i = 0; i < 2; ++i) r.Subjects[names[i] - 1].Name = p.Subjects[names[i] - 1].Name;
}

void SetSingleRecordClass(const TPupilRecord& rec) {
  Pupils.assign(1, rec);
  PupilCount = 1;
  CurrentPupil = 0;
}

}  // namespace quorv
