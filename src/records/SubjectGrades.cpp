#include "records/SubjectGrades.h"

#include <algorithm>

#include "platform/Cp1252.h"
#include "platform/Messages.h"
#include "settings/Facheinst.h"

namespace quorv {

const std::array<const char*, kGradeCounterCount> kGradeCounterHeaders = {
    "insg.", "  1", "  2", "  3", "  4", "  5", "  6", "  7",
    "  8",   "  -", "k,0,u", "  n", "  t", "  b,A", "  e", " ???"};

namespace {

constexpr int kOtherGradeCounter = 15;

// Characters counted under counters 9..14.
struct GradeCharGroup {
  int counter;
  std::string_view chars;
};
constexpr GradeCharGroup kGradeCharGroups[] = {
    {9, "-_"}, {10, "0KOUkou"}, {11, "Nn"}, {12, "Tt"}, {13, "ABab"}, {14, "Ee"},
};

// Forms with two (or three) electives per half year, and those with three.
struct FormRange {
  int first;
  int last;
};
constexpr FormRange kTwoElectiveForms[] = {{5, 7}, {10, 12}, {15, 17}, {21, 25}};
constexpr FormRange kThreeElectiveForms[] = {{8, 9}, {13, 14}, {18, 20}, {27, 29}};

template <std::size_t N>
bool InRanges(const FormRange (&ranges)[N], int form) {
  return std::any_of(std::begin(ranges), std::end(ranges),
                     [form](const FormRange& r) { return form >= r.first && form <= r.last; });
}

constexpr int kFirstElectiveSlot = 19;
constexpr int kLastElectiveSlot = 24;
constexpr int kCatalogNameInRow = 30;
constexpr int kLastNameSearchSlot = 16;
constexpr int kLastGridSlot = 18;

std::string_view Cut(std::string_view s, std::size_t n) { return s.substr(0, std::min(s.size(), n)); }

QString KeyOf(const ListedPupilCells& c) { return c.Key + QChar(0) + c.ClassName + QChar(0) + c.Name; }

}  // namespace

int GradeCounterIndex(std::string_view grade) {
  if (grade.empty()) return kOtherGradeCounter;
  const char c = grade.front();
  if (c >= '1' && c <= '8') return c - '0';
  for (const GradeCharGroup& g : kGradeCharGroups)
    if (g.chars.find(c) != std::string_view::npos) return g.counter;
  return kOtherGradeCounter;
}

void CountGradeCode(std::string_view grade, TGradeCounters& counters) {
  ++counters[0];
  ++counters[static_cast<std::size_t>(GradeCounterIndex(grade))];
}

bool FormCarriesElectiveSlot(int formNumber, int slot) {
  if (slot < kFirstElectiveSlot || slot > kLastElectiveSlot) return false;
  const bool three = InRanges(kThreeElectiveForms, formNumber);
  if (slot == 21 || slot == 24) return three;
  return three || InRanges(kTwoElectiveForms, formNumber);
}

int PupilCatalogSlot(const TPupilRecord& pupil, int entry) {
  if (entry < 0 || entry >= kCatalogEntries) return 0;
  const int form = pupil.LayoutFormNumber;
  if (form >= 0 && form < kSlotByFormSize) {
    // Only a 0 leaves the slot to the name; a negative value means none.
    const int value = SubjectCatalog[static_cast<std::size_t>(entry)].SlotByForm[form];
    if (value < 0) return 0;
    if (value != 0) return CatalogSlot(entry, form);
  }
  const std::string_view name = Cut(SubjectCatalog[static_cast<std::size_t>(entry)].Name.bytes(), kCatalogNameInRow);
  for (int s = kLastNameSearchSlot; s >= kFirstSlot; --s)
    if (pupil.Subjects[s - 1].Name.bytes() == name) return s;
  return 0;
}

OverviewResult BuildOverviewRows(const TDB2& pupils, int electiveNameCount) {
  OverviewResult out;
  const int capacity = electiveNameCount + 71;
  out.Rows.resize(static_cast<std::size_t>(capacity));

  int lastCatalogRow = -1;
  for (int e = 0; e < kCatalogEntries && e < capacity; ++e) {
    const auto& entry = SubjectCatalog[static_cast<std::size_t>(e)];
    if (e > 1 && entry.Name == kNoContent) continue;
    TOverviewRow& row = out.Rows[static_cast<std::size_t>(e)];
    row.Name = std::string(Cut(entry.Name.bytes(), kCatalogNameInRow));
    out.UsedRows.push_back(e);
    lastCatalogRow = e;
    for (const TPupilRecord& p : pupils) {
      if (p.Active != 1) continue;
      const int slot = PupilCatalogSlot(p, e);
      if (slot != 0) CountGradeCode(p.Subjects[slot - 1].Grade.bytes(), row.Counters);
    }
  }

  // Electives follow the last catalogue row, so gaps in the catalogue never
  // put them onto a used row.
  out.FirstElectiveRow = lastCatalogRow + 1;
  // Elective names to their rows, for a quick search (the last equal row wins,
  // and a name never gets two rows).
  QHash<QByteArray, int> electiveRow;
  int nextFree = out.FirstElectiveRow;
  // Rows in use, catalogue rows included; a new elective needs it below capacity.
  int used = static_cast<int>(out.UsedRows.size());
  for (const TPupilRecord& p : pupils) {
    if (p.Active != 1) continue;
    for (int s = kFirstElectiveSlot; s <= kLastElectiveSlot; ++s) {
      if (!FormCarriesElectiveSlot(p.FormNumber, s)) continue;
      const TSubjectEntry& slot = p.Subjects[s - 1];
      if (slot.Name == kNoContent) continue;
      const QByteArray name(slot.Name.bytes().data(), static_cast<qsizetype>(slot.Name.bytes().size()));
      auto it = electiveRow.find(name);
      if (it == electiveRow.end()) {
        if (++used >= capacity || nextFree >= capacity) {
          platform::ShowMessage(QString::fromUtf8("Die Analyse der Wahlpflichtfächer ergab eine\rzu große Anzahl "
                                                  "neuer Fächer!\r\rKorrigieren Sie die Wahlpflichtliste und\r"
                                                  "rufen Sie diese Funktion noch einmal auf!"),
                                platform::MsgKind::Information);
          platform::ShowMessage(QString::fromUtf8("Bei der Zusammenstellung der Wahlpflichtfächer\rin die Liste "
                                                  "ist ein Fehler eingetreten!"),
                                platform::MsgKind::Error);
          continue;
        }
        TOverviewRow& row = out.Rows[static_cast<std::size_t>(nextFree)];
        row.Name = name.toStdString();
        row.Counters = {};
        out.UsedRows.push_back(nextFree);
        it = electiveRow.insert(name, nextFree++);
      }
      CountGradeCode(slot.Grade.bytes(), out.Rows[static_cast<std::size_t>(*it)].Counters);
    }
  }
  return out;
}

// ---- per-subject grade entry ----

QString FirstCharOfCell(const QString& text) {
  if (text.isEmpty()) return {};
  if (text.size() == 1) return text;
  for (QChar c : text)
    if (c != QLatin1Char(' ')) return QString(c);
  return QStringLiteral(" ");
}

ListedPupilCells PupilCells(const TPupilRecord& pupil) {
  return {QString::number(static_cast<std::int32_t>(pupil.KeyNumber)), pupil.ClassName.text(),
          pupil.Surname.text() + QStringLiteral(", ") + pupil.FirstName.text()};
}

std::vector<int> ListedPupils(const TDB2& pupils) {
  std::vector<int> out;
  for (std::size_t i = 0; i < pupils.size(); ++i)
    if (pupils[i].Active == 1 && !IsPlaceholderRow(pupils[i])) out.push_back(static_cast<int>(i));
  return out;
}

ListedPupilIndex::ListedPupilIndex(const TDB2& pupils) {
  // Walked backwards, so the first record of equal texts is the one kept.
  first_.reserve(static_cast<qsizetype>(pupils.size()));
  for (std::size_t i = pupils.size(); i-- > 0;)
    if (pupils[i].Active == 1) first_.insert(KeyOf(PupilCells(pupils[i])), static_cast<int>(i));
}

int ListedPupilIndex::Find(const ListedPupilCells& cells) const { return first_.value(KeyOf(cells), -1); }

int SlotNamed(const TPupilRecord& pupil, const QString& subject) {
  const std::string name = platform::EncodeCp1252(subject.left(kCatalogNameInRow));
  for (int s = kFirstSlot; s <= kLastGridSlot; ++s)
    if (pupil.Subjects[s - 1].Name.bytes() == name) return s;
  return 0;
}

}  // namespace quorv
