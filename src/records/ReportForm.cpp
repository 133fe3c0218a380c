#include "records/ReportForm.h"

#include <array>
#include <limits>
#include <span>

#include "records/GradeCodes.h"
#include "settings/SchulEinst.h"

namespace quorv {

namespace {

constexpr int kAny = -1;
constexpr unsigned kNoLimit = std::numeric_limits<unsigned>::max();

// One row of a cell: when every given condition holds, the result is form.
// The rows of a cell are tried in order; a cell without a matching row gives 0.
struct Clause {
  int lMin = kAny;  // Klassenstufe in lMin..lMax
  int lMax = kAny;
  unsigned yearFrom = 0;          // Y >= yearFrom
  unsigned yearBefore = kNoLimit;  // Y < yearBefore
  int a = kAny;                   // Abschlussart
  int b = kAny;                   // Klassenart
  int p = kAny;                   // ExamPassed
  std::uint16_t form = 0;
};

using Rule = std::span<const Clause>;

constexpr Clause Always(std::uint16_t form) { return Clause{.form = form}; }
constexpr Clause AtLevel(int l, std::uint16_t form) { return Clause{.lMin = l, .lMax = l, .form = form}; }

// Orientierungsstufe: level 5 from 2006 on, level 6 from 2007 on.
constexpr Clause kR104Level5{.lMin = 5, .lMax = 5, .yearFrom = 2006, .form = 104};
constexpr Clause kR104Level6{.lMin = 6, .lMax = 6, .yearFrom = 2007, .form = 104};

template <std::uint16_t Form>
constexpr std::array<Clause, 1> kConst{Always(Form)};

constexpr std::array<Clause, 4> kGrundZeugnis{AtLevel(1, 1), kR104Level5, kR104Level6, Always(3)};
constexpr std::array<Clause, 2> kGrundUebergang{AtLevel(1, 2), Always(4)};

template <std::uint16_t Otherwise>
constexpr std::array<Clause, 3> kR104Else{kR104Level5, kR104Level6, Always(Otherwise)};

constexpr std::array<Clause, 4> kGesamtZeugnis{
    kR104Level5, kR104Level6, Clause{.lMin = 5, .lMax = 6, .form = 26}, Always(27)};

// Abschluss-Zeugnis of the non-grammar-school courses.
constexpr std::array<Clause, 5> kF4{
    Clause{.lMin = 9, .lMax = 9, .yearFrom = 2006, .form = 18},
    AtLevel(9, 8),
    Clause{.lMin = 10, .lMax = 10, .yearFrom = 2007, .form = 20},
    Clause{.lMin = 10, .lMax = 10, .a = 1, .form = 9},
    AtLevel(10, 13),
};

// Qualified Abschluss-Zeugnis (or one with Leistungsfeststellung); Otherwise
// is the form of level 10 from 2007 on or without a known Abschlussart.
template <std::uint16_t Otherwise>
constexpr std::array<Clause, 5> kF5{
    Clause{.lMin = 9, .lMax = 9, .yearFrom = 2006, .form = 19},
    AtLevel(9, 9),
    Clause{.lMin = 10, .lMax = 10, .yearBefore = 2007, .a = 1, .form = 9},
    Clause{.lMin = 10, .lMax = 10, .yearBefore = 2007, .a = 2, .form = 14},
    AtLevel(10, Otherwise),
};

constexpr std::array<Clause, 3> kFoerderZeugnis{
    Clause{.lMin = 4, .lMax = 9, .b = 1, .form = 32},
    Clause{.b = 1, .form = 30},
    Clause{.lMin = 7, .lMax = 10, .b = 2, .form = 34},
};
constexpr std::array<Clause, 3> kFoerderUebergang{
    Clause{.lMin = 4, .lMax = 9, .b = 1, .form = 33},
    Clause{.b = 1, .form = 31},
    Clause{.lMin = 7, .lMax = 9, .b = 2, .form = 36},
};
constexpr std::array<Clause, 2> kFoerderAbschluss{AtLevel(9, 35), AtLevel(10, 38)};

constexpr std::array<Clause, 2> kVersetzungOberstufe{
    Clause{.lMin = 10, .lMax = 10, .p = 1, .form = 24}, Always(25)};

constexpr Rule kNone{};

constexpr int kKinds = 8;   // report kinds 0..7
constexpr int kTypes = 10;  // school types 0..9

// Rows: report kind; columns: school type 0 none, 1 Grundschule, 2 Regionale
// Schule, 3 Integrierte Gesamtschule, 4 Gymnasium, 5 Hauptschule, 6 Realschule,
// 7 Förderschule, 8 reserve, 9 Schule z. indiv. Lebensbew.
constexpr std::array<std::array<Rule, kTypes>, kKinds> kReportFormTable{{
    // 0 none
    {kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone},
    // 1 Zeugnis
    {kNone, kGrundZeugnis, kR104Else<15>, kGesamtZeugnis, kR104Else<21>, kConst<5>, kConst<10>,
     kFoerderZeugnis, kNone, kConst<39>},
    // 2 Übergangs-Zeugnis
    {kNone, kGrundUebergang, kConst<16>, kConst<29>, kConst<22>, kConst<6>, kConst<11>,
     kFoerderUebergang, kNone, kConst<42>},
    // 3 Abgangs-Zeugnis
    {kNone, kNone, kConst<17>, kConst<28>, kConst<23>, kConst<7>, kConst<12>, kConst<41>, kNone,
     kNone},
    // 4 Abschluss-Zeugnis
    {kNone, kNone, kF4, kF4, kNone, kF4, kF4, kFoerderAbschluss, kNone, kConst<40>},
    // 5 Abschluss-Zeugnis (qualifiziert / mit Leistungsermittlung)
    {kNone, kNone, kF5<20>, kF5<14>, kNone, kF5<9>, kF5<14>, kNone, kNone, kNone},
    // 6 Versetzungs-Zeugnis in gymn. Oberstufe
    {kNone, kNone, kNone, kVersetzungOberstufe, kVersetzungOberstufe, kNone, kNone, kNone, kNone,
     kNone},
    // 7 Zwischen-Zeugnis
    {kNone, kNone, kConst<115>, kConst<127>, kConst<121>, kConst<105>, kConst<110>, kConst<130>,
     kNone, kNone},
}};

bool Matches(const Clause& c, const ReportFormInputs& in) {
  if (c.lMin != kAny && (in.Klassenstufe < c.lMin || in.Klassenstufe > c.lMax)) return false;
  if (in.Year < c.yearFrom || in.Year >= c.yearBefore) return false;
  if (c.a != kAny && in.Abschlussart != c.a) return false;
  if (c.b != kAny && in.Klassenart != c.b) return false;
  if (c.p != kAny && in.ExamPassed != c.p) return false;
  return true;
}

}  // namespace

ReportFormInputs ReportFormInputsOf(const TPupilRecord& r, int schoolType) {
  ReportFormInputs in;
  in.ReportKind = r.ReportKind;
  in.SchoolType = schoolType;
  in.Klassenstufe = r.Klassenstufe;
  in.Year = YearFromText(r.SchoolYear.bytes());
  in.Abschlussart = r.Abschlussart;
  in.Klassenart = r.Klassenart;
  in.ExamPassed = r.ExamPassed;
  return in;
}

std::uint16_t DetermineReportForm(const ReportFormInputs& in) {
  if (in.ReportKind < 0 || in.ReportKind >= kKinds || in.SchoolType < 0 || in.SchoolType >= kTypes)
    return kNoReportForm;
  for (const Clause& c : kReportFormTable[in.ReportKind][in.SchoolType])
    if (Matches(c, in)) return c.form;
  return kNoReportForm;
}

std::uint16_t DetermineReportForm(const TPupilRecord& r, int schoolType) {
  return DetermineReportForm(ReportFormInputsOf(r, schoolType));
}

std::uint16_t DetermineReportForm(const TPupilRecord& r) {
  return DetermineReportForm(r, SchoolSettings.SchoolType);
}

}  // namespace quorv
