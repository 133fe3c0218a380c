#include "records/DataSheetRules.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <cstdlib>
#include <unordered_map>

#include "records/GradeCodes.h"
#include "records/ReportForm.h"
#include "records/SubjectSlots.h"
#include "settings/Facheinst.h"

namespace quorv {

TPupilRecord ShownPupilCopy{};
TPupilRecord UneditedPupilCopy{};
std::uint16_t AnspruchsebeneShown = 0;
std::uint16_t AnspruchsebeneStored = 0;

namespace {

QStringList Utf8List(std::initializer_list<const char*> items) {
  QStringList list;
  for (const char* item : items) list << QString::fromUtf8(item);
  return list;
}

}  // namespace

// ---------------------------------------------------------------------------
// Item texts

const QStringList& ReportKindItems() {
  static const QStringList items = Utf8List({"--- ??? ---", "Zeugnis   (Halbjahr/Schuljahr)", "Übergangs-Zeugnis",
                                             "Abgangs-Zeugnis", "Abschluss-Zeugnis",
                                             "Abschluss-Zeugnis (qualifiziert / mit Leistungsermittlung)",
                                             "Versetzungs-Zeugnis in gymn. Oberstufe",
                                             "Zwischen-Zeugnis (Leistungsstand)"});
  return items;
}

const QStringList& KlassenstufeItems() {
  static const QStringList items = Utf8List({"??", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
  return items;
}

const QStringList& AnspruchsebeneItems() {
  static const QStringList items =
      Utf8List({"nicht ausgewählt", "Berufsreife (Hauptschule)", "Mittlere Reife (Realschule)",
                "Hochschulreife (Gymnasium)"});
  return items;
}

const QStringList& GesamtpraedikatItems() {
  static const QStringList items = Utf8List(
      {"- - -", "sehr gut - mit Auszeichnung", "sehr gut", "gut", "befriedigend", "bestanden", "ausreichend"});
  return items;
}

const QStringList& AbschlussartItems() {
  static const QStringList items = Utf8List({"nicht ausgewählt", "Berufsreife (HS)", "Mittlere Reife (RS)"});
  return items;
}

const QStringList& KlassenartItems() {
  static const QStringList items = Utf8List({"ohne", "Förderstufe", "Vorlaufklasse"});
  return items;
}

const QStringList& SchullaufbahnempfehlungItems() {
  static const QStringList items =
      Utf8List({"keine drucken", "z. Berufsreife u.z. mittleren Reife", "zur allgemeinen Hochschulreife"});
  return items;
}

// ---------------------------------------------------------------------------
// Form numbers

int DefaultFormForSchoolType(int schoolType) {
  struct Default {
    int schoolType;
    int form;
  };
  static constexpr Default kDefaults[] = {{1, 3}, {2, 15}, {3, 27}, {4, 21}, {5, 5}, {6, 10}};
  for (const Default& d : kDefaults)
    if (d.schoolType == schoolType) return d.form;
  return 15;
}

void SettleFormNumbers(TPupilRecord& r, int schoolType) {
  r.ShownFormNumber = r.FormNumber;

  if (r.FormNumber < 0 || r.LayoutFormNumber < 0) {
    // A new or converted record: lay it out for the default form, keeping
    // every slot that already holds a subject or grade.
    r.FormNumber = DefaultFormForSchoolType(schoolType);
    for (int s = 1; s <= kRegularSlots; ++s) {
      TSubjectEntry& entry = r.Subjects[s - 1];
      if (!IsBlankSubjectEntry(entry)) continue;
      BlankSubjectEntry(entry);
      SetSubjectFromCatalog(entry, s, r.FormNumber);
    }
    r.ShownFormNumber = r.FormNumber;
    r.LayoutFormNumber = r.FormNumber;
    return;
  }

  if (r.FormNumber == r.LayoutFormNumber) return;

  const int form = r.FormNumber;
  const int layout = r.LayoutFormNumber;
  int shown = form;
  if ((schoolType == 3 || schoolType == 4) && (form == 24 || form == 25)) shown = 21;
  if (shown == 0 && layout > 0) shown = layout;
  r.ShownFormNumber = shown;

  // No valid form yet: the slots stay laid out for the form they hold.
  if (form == 0) return;
  RelayoutSubjects(r, layout, form, schoolType);
  r.LayoutFormNumber = form;
}

QString FormNumberText(const TPupilRecord& r, int schoolType) {
  if (r.FormNumber == kOrientierungsstufeForm) return QStringLiteral("4a");
  return QString::number(DetermineReportForm(r, schoolType));
}

// ---------------------------------------------------------------------------
// Record comparison

namespace {

template <int N>
bool SameShortString(const platform::ShortString<N>& a, const platform::ShortString<N>& b) {
  return a.Len == b.Len && a.bytes() == b.bytes();
}

template <int N>
bool SameBuffer(const platform::CharArray<N>& a, const platform::CharArray<N>& b) {
  return std::memcmp(a.Chars, b.Chars, N) == 0;
}

bool SameEntry(const TSubjectEntry& a, const TSubjectEntry& b) {
  return SameShortString(a.Name, b.Name) && SameShortString(a.Grade, b.Grade) &&
         SameShortString(a.Addition, b.Addition) && SameShortString(a.CourseLevel, b.CourseLevel) &&
         SameShortString(a.Reserved38, b.Reserved38);
}

}  // namespace

void PupilRecordsDiffer(const TPupilRecord& c, const TPupilRecord& o, bool& changed) {
  if (changed) return;
  const bool same =
      c.Active == o.Active && c.KeyNumber == o.KeyNumber && SameShortString(c.Surname, o.Surname) &&
      SameShortString(c.FirstName, o.FirstName) && SameShortString(c.BirthDate, o.BirthDate) && c.Sex == o.Sex &&
      c.ReportKind == o.ReportKind && c.AnspruchsebeneAll == o.AnspruchsebeneAll &&
      SameShortString(c.SchoolYear, o.SchoolYear) && c.Klassenstufe == o.Klassenstufe &&
      SameShortString(c.ClassName, o.ClassName) && SameShortString(c.ClassTeacher, o.ClassTeacher) &&
      SameShortString(c.NextSchool, o.NextSchool) && SameShortString(c.Jahrgangsstufe, o.Jahrgangsstufe) &&
      SameShortString(c.AbsenceDays, o.AbsenceDays) && SameShortString(c.AbsenceDaysExcused, o.AbsenceDaysExcused) &&
      c.Schullaufbahnempfehlung == o.Schullaufbahnempfehlung && SameShortString(c.IssuePlace, o.IssuePlace) &&
      SameShortString(c.IssueDate, o.IssueDate) && c.SkipInBatch == o.SkipInBatch &&
      c.ExamDataPresent == o.ExamDataPresent && SameShortString(c.ExamDate, o.ExamDate) &&
      SameShortString(c.FourthExamSubject, o.FourthExamSubject) && c.ExamPassed == o.ExamPassed &&
      c.HalfYear == o.HalfYear && c.Abschlussart == o.Abschlussart && c.Klassenart == o.Klassenart &&
      c.Gesamtpraedikat == o.Gesamtpraedikat &&
      c.FormNumber == o.FormNumber && c.LayoutFormNumber == o.LayoutFormNumber &&
      std::equal(std::begin(c.Subjects), std::end(c.Subjects), std::begin(o.Subjects), SameEntry) &&
      SameBuffer(c.DevelopmentText, o.DevelopmentText) && SameBuffer(c.RemarksText, o.RemarksText) &&
      SameBuffer(c.TeacherNotesText, o.TeacherNotesText);
  if (!same) changed = true;
}

// ---------------------------------------------------------------------------
// Rescaling

const std::array<std::uint16_t, 13> GradeClampTable = {1, 1, 1, 1, 2, 3, 4, 5, 6, 6, 6, 6, 6};

int ClampedGrade(int index) {
  if (index >= -2 && index <= 10) return GradeClampTable[static_cast<std::size_t>(index + 2)];
  return std::clamp(index, 1, 6);
}

namespace {

constexpr char kUUmlaut = '\xDC';        // "Ü" in Windows-1252
constexpr char kUUmlautLower = '\xFC';   // "ü"
constexpr int kUntouched = -99;

// The shift a course-level letter adds when rescaling, from the undecided
// level and from a set level; kUntouched leaves the entry as it is.
struct TLevelShift {
  char letter;
  int fromUndecided;
  int fromLevel;
  bool becomesZ;
};

constexpr TLevelShift kLevelShifts[] = {
    {'A', 2, 0, false},          {'H', 2, kUntouched, false}, {'B', 1, kUntouched, false},
    {'R', 1, kUntouched, false}, {'C', 0, 0, false},          {'G', 0, kUntouched, false},
    {'E', kUntouched, kUntouched, false}, {'M', kUntouched, kUntouched, false},
    {'Z', kUntouched, kUntouched, false}, {kUUmlaut, 0, 0, true},
};
constexpr TLevelShift kOtherLetter = {'-', kUntouched, 0, false};

char UpperLevelLetter(const platform::ShortString<1>& level) {
  if (level.length() == 0) return '-';
  const char c = level.Chars[0];
  if (c == kUUmlautLower) return kUUmlaut;
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

const TLevelShift& ShiftFor(const platform::ShortString<1>& level) {
  const char letter = UpperLevelLetter(level);
  for (const TLevelShift& s : kLevelShifts)
    if (s.letter == letter) return s;
  return kOtherLetter;
}

void Rescale(TSubjectEntry& entry, int delta, bool& error, bool fromUndecided) {
  if (std::abs(delta) >= 3) {
    error = true;
    return;
  }
  const TLevelShift& shift = ShiftFor(entry.CourseLevel);
  const int s = fromUndecided ? shift.fromUndecided : shift.fromLevel;
  if (s == kUntouched) return;
  const int grade = GradeCharToNumber(entry.Grade.bytes());
  entry.Grade.set(GradeNumberToChar(ClampedGrade(grade + delta + s)));
  if (shift.becomesZ) AdjustLevelCode(entry.CourseLevel, delta);
}

bool IsRescalableGrade(const platform::ShortString<1>& grade) {
  return grade.length() == 1 && grade.Chars[0] >= '1' && grade.Chars[0] <= '8';
}

}  // namespace

void AdjustLevelCode(platform::ShortString<1>& level, int /*delta*/) {
  if (UpperLevelLetter(level) == kUUmlaut) level.set("Z");
}

void RescaleSubjectGrade(TSubjectEntry& entry, int delta, bool& error) { Rescale(entry, delta, error, true); }

void RescaleSubjectGradeFromLevel(TSubjectEntry& entry, int delta, bool& error) {
  Rescale(entry, delta, error, false);
}

bool RescaleGrades(TPupilRecord& r, int oldLevel, int newLevel) {
  bool error = false;
  for (TSubjectEntry& entry : r.Subjects) {
    if (!IsRescalableGrade(entry.Grade)) continue;
    if (oldLevel == 0)
      RescaleSubjectGrade(entry, newLevel - 3, error);
    else
      RescaleSubjectGradeFromLevel(entry, newLevel - oldLevel, error);
  }
  return error;
}

const QString kLevelUndecidedQuestion = QString::fromUtf8(
    "Die Anspruchsebene wurde auf einen\runbestimmten Schultyp eingestellt!\r\rSollen die Bewertungen auf "
    "Ü-Niveau\rgesetzt werden?");
const QString kLevelChangedQuestion = QString::fromUtf8(
    "Die Anspruchsebene wurde geändert!\rSollen die Bewertungen jetzt umgerechnet werden?\r\r(!!!Beachten Sie, "
    "dass mehrfaches Umrechnen die\rursprüngliche Bewertung verfälschen kann!\rPrüfen Sie unbedingt die "
    "umgerechneten Bewertungen!!!)");
const QString kRescaleWarning = QString::fromUtf8(
    "Beim Umrechnen der Bewertungen trat mindestens eine Unstimmigkeit auf!\rKontrollieren Sie unbedingt die "
    "Richtigkeit der Bewertungen!");

// ---------------------------------------------------------------------------
// Texts shown on the sheet

QString RecommendationNote(int schullaufbahnempfehlung) {
  switch (schullaufbahnempfehlung) {
    case 0:
      return QString::fromUtf8(
          "autom. Hinzufügen der Schullaufbahnempf. bei \"Schullaufbahnempfehlung\" einstellbar");
    case 1:
      return QString::fromUtf8("Schullaufbahnempf. (B.- + mittl.Reife) wird noch autom. hinzugefügt!");
    case 2:
      return QString::fromUtf8("Schullaufbahnempf. (allg. HS-Reife) wird noch autom. hinzugefügt!");
    default:
      return QString::fromUtf8("Problem mit autom.Hinzufügen der Schullaufbahnempf.!");
  }
}

int FourthExamSubjectEntry(std::string_view abbreviation) {
  int found = 0;
  for (int e = 0; e < kCatalogEntries; ++e)
    if (SubjectCatalog[static_cast<std::size_t>(e)].Abbreviation.bytes() == abbreviation) found = e;
  return found;
}

int ExamSubjectSlot(const TPupilRecord& r, int entry) {
  if (entry < 0 || entry >= kCatalogEntries) return 0;
  const std::string_view name = SubjectCatalog[static_cast<std::size_t>(entry)].Name.bytes();
  int found = 0;
  for (int s = 1; s <= kSubjectSlots; ++s)
    if (r.Subjects[s - 1].Name.bytes() == name) found = s;
  return found;
}

bool SubjectLabelIsRed(int row, int formNumber, unsigned year, std::string_view rowName,
                       std::string_view examSubjectName) {
  const bool examForm = formNumber == 24 || formNumber == 25;
  if (row <= 4) return examForm;
  return examForm && year < 2006 && rowName == examSubjectName;
}

// ---------------------------------------------------------------------------
// Visibility of the sheet's controls

bool IsOtherForm(int form) { return form < 1 || (form > 43 && form != kOrientierungsstufeForm); }

bool SheetFormListContains(std::string_view list, int form) {
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    std::string_view item = list.substr(0, comma);
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    if (item == "other") {
      if (IsOtherForm(form)) return true;
      continue;
    }
    int lo = 0;
    const char* end = item.data() + item.size();
    auto [p, ec] = std::from_chars(item.data(), end, lo);
    if (ec != std::errc()) continue;
    int hi = lo;
    if (p < end && *p == '-') std::from_chars(p + 1, end, hi);
    if (form >= lo && form <= hi) return true;
  }
  return false;
}

namespace {

enum class TSheetRule { Forms, FormsNotSchoolType7, SchoolType7Only, FormsOrExamReport };

struct TVisibilityRow {
  std::vector<std::string> controls;
  const char* shownFor;
  const char* keptFor;
  TSheetRule rule;
};

std::vector<std::string> Numbered(const char* prefix, int first, int last, const char* suffix = "") {
  std::vector<std::string> names;
  for (int i = first; i <= last; ++i) names.push_back(prefix + std::to_string(i) + suffix);
  return names;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> names;
  for (const auto& part : parts) names.insert(names.end(), part.begin(), part.end());
  return names;
}

constexpr const char* kNoForms = "";

const std::vector<TVisibilityRow>& VisibilityTable() {
  static const std::vector<TVisibilityRow> table = {
      {Join({Numbered("EditF", 1, 8), Numbered("EditF", 1, 8, "Z"),
             {"Label12", "Label48", "Label49", "LabelF1", "LabelF5", "LabelF7"}}),
       "3-29, 32, 34-38, 41, 43, 104, other", kNoForms, TSheetRule::Forms},
      {Join({Numbered("EditF", 10, 15), Numbered("EditF", 10, 15, "Z"),
             {"Label51", "Label52", "LabelF11", "LabelF12", "LabelF13"}}),
       "5-29, 32, 34-38, 41, 43, 104, other", kNoForms, TSheetRule::Forms},
      {{"EditF16", "EditF16Z", "EditF17", "EditF17Z", "ComboBoxF2", "LabelFS1"},
       "5-25, 27-29, 32, 34-38, 41, 43, 104, other", kNoForms, TSheetRule::Forms},
      {{"ComboBoxF9", "EditF9", "EditF9Z"}, "3, 4, 10-17, 19-22, 24, 25, 27-29, 32, 34-38, 41, 43, 104, other",
       kNoForms, TSheetRule::Forms},
      {{"ComboBoxF18", "EditF18", "EditF18Z"}, "10-17, 19-22, 24, 25, 27-29, 32, 34-38, 41, 43, 104, other",
       kNoForms, TSheetRule::Forms},
      {{"ComboBoxF3"}, "10-17, 19-25, 27-29, 43, 104, other", kNoForms, TSheetRule::Forms},
      {{"ComboBoxF4"}, "3, 4, 32, 34-38, 41, 43, other", kNoForms, TSheetRule::Forms},
      {{"ComboBoxF6"}, "26, 32, 34-38, 41, 43, other", "1, 2, 30, 31, 33, 39, 40, 42", TSheetRule::Forms},
      {{"ComboBoxF8"}, "5-9, 18, 26, 32, 34-38, 41, 43, other", "1, 2, 30, 31, 33, 39, 40, 42", TSheetRule::Forms},
      {{"ComboBoxF10"}, "23, 32, 34-38, 41, 43, other", kNoForms, TSheetRule::Forms},
      {{"ComboBoxF14", "ComboBoxF15"}, "26, 32, 34-38, 41, 43, other", kNoForms, TSheetRule::Forms},
      {{"ComboBoxF16"}, "13, 14, 20, 32, 34-38, 41, 43, 104, other", kNoForms, TSheetRule::Forms},
      {{"ComboBoxF17"}, "5-20, 28, 29, 32, 34-38, 41, 43, 104, other", kNoForms, TSheetRule::Forms},
      {{"LabelF2"}, "3, 4, 26", kNoForms, TSheetRule::Forms},
      {{"LabelF3"}, "3-9, 18, 26, 32, 34-38, 41", kNoForms, TSheetRule::Forms},
      {{"LabelF4"}, "5-29, 104", kNoForms, TSheetRule::Forms},
      {{"LabelF6"}, "3-25, 27-29, 104", kNoForms, TSheetRule::Forms},
      {{"LabelF8"}, "3, 4, 10-17, 19-25, 27-29, 104", kNoForms, TSheetRule::Forms},
      {{"LabelF10"}, "5-22, 24-29, 104", kNoForms, TSheetRule::Forms},
      {{"LabelF14", "LabelF15"}, "5-25, 27-29, 104", kNoForms, TSheetRule::Forms},
      {{"LabelF16"}, "5-12, 15-19, 21-25, 27-29", kNoForms, TSheetRule::Forms},
      {{"LabelF17"}, "21-25, 27", kNoForms, TSheetRule::Forms},
      {Join({{"LabelF9", "LabelF18"}, Numbered("ComboBox", 19, 24)}), kNoForms, kNoForms, TSheetRule::Forms},
      {{"LabelFS"}, "3, 4, other", kNoForms, TSheetRule::Forms},
      {{"LabelFS2"}, "10-17, 19-25, 27-29, 32, 34-38, 41, 43, 104, other", kNoForms, TSheetRule::Forms},
      {{"ComboBox1", "ComboBox2", "ComboBox10", "ComboBox11", "Label50", "Label53"}, "15-19, 27-29, other", kNoForms,
       TSheetRule::Forms},
      {{"ComboBox4"}, "15-17, 19, 27-29, other", kNoForms, TSheetRule::Forms},
      {{"ComboBox3"}, "18, other", kNoForms, TSheetRule::Forms},
      {{"ComboBox13"}, "27, other", kNoForms, TSheetRule::Forms},
      {Join({Numbered("ComboBox", 5, 9), Numbered("ComboBox", 14, 18), {"RadioGroup4", "BitBtn9"}}), "other",
       kNoForms, TSheetRule::Forms},
      {{"ComboBoxW1", "ComboBoxW2", "ComboBoxw4", "ComboBoxW5", "EditW1", "EditW2", "EditW4", "EditW5", "EditW1Z",
        "EditW2Z", "EditW4Z", "EditW5Z", "EditW", "EditWZ", "Label13", "Label14"},
       "5-25, 27-29, other", kNoForms, TSheetRule::Forms},
      {{"ComboBoxW3", "ComboBoxW6", "EditW3", "EditW3Z", "EditW6", "EditW6Z", "Label33", "Label34"},
       "8, 9, 13, 14, 18-20, 27-29, other", kNoForms, TSheetRule::Forms},
      {{"Label35", "Label36"}, "5-7, 10-12, 15-17, 21-25, other", kNoForms, TSheetRule::Forms},
      {{"BitBtn1", "BitBtn23"}, "5-25, 27-29, 32, 34-38, 41, 43, other", kNoForms, TSheetRule::Forms},
      {{"BitBtn7", "BitBtn21", "BitBtn22"}, "3-43, 104, other", kNoForms, TSheetRule::Forms},
      {{"Memo2", "Label32", "BitBtn10", "BitBtn12", "BitBtn13", "BitBtn25"},
       "1-6, 10, 11, 15, 16, 21, 22, 26, 27, 29-34, 36, 37, 39, 40, 42, 43, 104, other", kNoForms, TSheetRule::Forms},
      {{"GroupBox8"}, "1-6, 10, 11, 15, 16, 21, 22, 24-27, 29-34, 36, 39, 42, 104, other", kNoForms,
       TSheetRule::Forms},
      {{"GroupBox3"}, "2, 4, 6, 11, 16, 22, 29, 31, 33, 36, other", kNoForms, TSheetRule::Forms},
      {{"Edit68", "Label45"}, "2, 4, 6, 7, 11, 12, 16, 17, 22, 28, 29, 31, 33, 36, other", kNoForms,
       TSheetRule::Forms},
      {{"Label17"}, "7, 12, 17, 28", kNoForms, TSheetRule::Forms},
      {{"RadioGroup1", "BitBtn19"}, "8, 9, 13, 14, 18-20, other", kNoForms, TSheetRule::FormsNotSchoolType7},
      {{"RadioGroup2", "BitBtn28"}, kNoForms, kNoForms, TSheetRule::SchoolType7Only},
      {{"ComboBox44", "Label71"}, "13, 14, 19, 20, other", kNoForms, TSheetRule::Forms},
      {{"GroupBox7", "ComboBox43", "Label56", "BitBtn20", "ComboBox12"}, "27-29, other", kNoForms, TSheetRule::Forms},
      {{"GroupBox6", "Label61"}, "24, 25, other", kNoForms, TSheetRule::FormsOrExamReport},
  };
  return table;
}

const std::unordered_map<std::string, std::size_t>& VisibilityIndex() {
  static const std::unordered_map<std::string, std::size_t> index = [] {
    std::unordered_map<std::string, std::size_t> map;
    const auto& table = VisibilityTable();
    for (std::size_t i = 0; i < table.size(); ++i)
      for (const std::string& name : table[i].controls) map.emplace(name, i);
    return map;
  }();
  return index;
}

// Grade additions and their column heads follow the program option as well.
bool IsAdditionControl(std::string_view name) {
  if (name == "Label49" || name == "Label52") return true;
  return name.size() > 5 && name.substr(0, 4) == "Edit" && name.back() == 'Z' &&
         (name[4] == 'F' || name[4] == 'W');
}

}  // namespace

const std::vector<std::string>& VisibilityControls() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const TVisibilityRow& row : VisibilityTable()) all.insert(all.end(), row.controls.begin(), row.controls.end());
    return all;
  }();
  return names;
}

TShowState ControlVisibility(std::string_view control, const TSheetContext& context) {
  const auto& index = VisibilityIndex();
  const auto it = index.find(std::string(control));
  if (it == index.end()) return TShowState::Kept;
  const TVisibilityRow& row = VisibilityTable()[it->second];
  const int f = context.Form;
  bool shown = false;
  switch (row.rule) {
    case TSheetRule::Forms:
      if (SheetFormListContains(row.keptFor, f)) return TShowState::Kept;
      shown = SheetFormListContains(row.shownFor, f);
      break;
    case TSheetRule::FormsNotSchoolType7:
      shown = SheetFormListContains(row.shownFor, f) && context.SchoolType != 7;
      break;
    case TSheetRule::SchoolType7Only:
      shown = context.SchoolType == 7;
      break;
    case TSheetRule::FormsOrExamReport:
      shown = SheetFormListContains(row.shownFor, f) || (f == 21 && context.ReportKind == rkVersetzungOberstufe);
      break;
  }
  if (shown && IsAdditionControl(control)) shown = context.ShowAdditions;
  return shown ? TShowState::Shown : TShowState::Hidden;
}

namespace {

struct TNameListRow {
  const char* combo;
  const char* languages;
  const char* religions;
  const char* allNames;
};

constexpr TNameListRow kNameLists[] = {
    {"ComboBoxF2", "5-25, 27-29, 32, 34-38, 41, 43, 104, other", "", ""},
    {"ComboBoxF3", "10-17, 19-25, 27-29, 104", "", "43, other"},
    {"ComboBoxF4", "", "3, 4", "32, 34-38, 41, 43, other"},
    {"ComboBoxF6", "", "26", "32, 34-38, 41, 43, other"},
    {"ComboBoxF8", "", "5-9, 18", "26, 32, 34-38, 41, 43, other"},
    {"ComboBoxF9", "3, 4", "10-17, 19-22, 24, 25, 27-29, 104", "32, 34-38, 41, 43, other"},
    {"ComboBoxF10", "", "23", "32, 34-38, 41, 43, other"},
    {"ComboBoxF14", "", "", "26, 32, 34-38, 41, 43, other"},
    {"ComboBoxF15", "", "", "26, 32, 34-38, 41, 43, other"},
    {"ComboBoxF16", "", "", "13, 14, 20, 32, 34-38, 41, 43, 104, other"},
    {"ComboBoxF17", "", "", "5-20, 28, 29, 32, 34-38, 41, 43, 104, other"},
    {"ComboBoxF18", "", "", "10-17, 19-22, 24, 25, 27-29, 32, 34-38, 41, 43, 104, other"},
};

}  // namespace

const std::vector<std::string>& NameListCombos() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const TNameListRow& row : kNameLists) all.emplace_back(row.combo);
    return all;
  }();
  return names;
}

TNameList NameComboList(std::string_view combo, int form) {
  for (const TNameListRow& row : kNameLists) {
    if (combo != row.combo) continue;
    if (SheetFormListContains(row.languages, form)) return TNameList::Languages;
    if (SheetFormListContains(row.religions, form)) return TNameList::Religions;
    if (SheetFormListContains(row.allNames, form)) return TNameList::AllNames;
    return TNameList::Keep;
  }
  return TNameList::Keep;
}

bool ExamSubjectFieldsEnabled(unsigned year) { return year < 2006; }

// ---------------------------------------------------------------------------
// Visibility by report kind

const std::vector<std::vector<std::string>>& ReportKindControlGroups() {
  static const std::vector<std::vector<std::string>> groups = {
      {"GroupBox3"},
      {"Label45", "Edit68"},
      {"RadioGroup1", "BitBtn19"},
      {"GroupBox6"},
      {"GroupBox8"},
      {"Memo2", "Label32", "BitBtn13"},
  };
  return groups;
}

namespace {

constexpr TShowState H = TShowState::Hidden;
constexpr TShowState S = TShowState::Shown;
constexpr TShowState K = TShowState::Kept;

struct TReportKindRow {
  int kind;        // -1: none selected
  int schoolType;  // kAnySchoolType or the only school type of the row
  std::array<TShowState, 6> states;
};

constexpr TReportKindRow kReportKindRows[] = {
    {1, kAnySchoolType, {H, H, H, H, S, S}}, {7, kAnySchoolType, {H, H, H, H, S, S}},
    {2, kAnySchoolType, {S, S, H, H, H, S}}, {3, 4, {H, H, S, H, H, H}},
    {3, kAnySchoolType, {H, S, H, H, H, H}}, {4, kAnySchoolType, {H, H, S, H, H, H}},
    {5, kAnySchoolType, {H, H, S, H, H, H}}, {6, kAnySchoolType, {H, H, H, S, S, H}},
    {0, kAnySchoolType, {S, S, K, K, S, S}}, {-1, kAnySchoolType, {S, S, K, K, S, S}},
};

}  // namespace

TShowState ReportKindVisibility(int group, int reportKind, int schoolType) {
  if (group < 0 || group >= 6) return TShowState::Kept;
  for (const TReportKindRow& row : kReportKindRows) {
    if (row.kind != reportKind) continue;
    if (row.schoolType != kAnySchoolType && row.schoolType != schoolType) continue;
    return row.states[static_cast<std::size_t>(group)];
  }
  return TShowState::Kept;
}

bool PraedikatVisible(int abschlussart, int reportKind) {
  return abschlussart == 2 || reportKind == rkAbschlussQualifiziert;
}

}  // namespace quorv
