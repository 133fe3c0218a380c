#pragma once
// The report-form decision: which official report form ("Anlage") a pupil gets.
#include <cstdint>

#include "records/QuorvDat.h"

namespace quorv {

// Report kinds (ReportKind of the pupil record).
enum ReportKinds : int {
  rkNone = 0,
  rkZeugnis = 1,
  rkUebergang = 2,
  rkAbgang = 3,
  rkAbschluss = 4,
  rkAbschlussQualifiziert = 5,
  rkVersetzungOberstufe = 6,
  rkZwischen = 7,
};

// Form numbers with a meaning of their own.
inline constexpr std::uint16_t kNoReportForm = 0;
inline constexpr std::uint16_t kOrientierungsstufeForm = 104;

// Everything the decision reads.
struct ReportFormInputs {
  int ReportKind = 0;     // 0..7
  int SchoolType = 0;     // of the school settings, 0..9
  int Klassenstufe = 0;   // 0 not chosen, 1..10
  unsigned Year = 0;      // YearFromText(SchoolYear); 0 counts as before 2006
  int Abschlussart = 0;   // 1 Berufsreife, 2 Mittlere Reife
  int Klassenart = 0;     // 1 Förderstufe, 2 Vorlaufklasse
  int ExamPassed = 0;     // 1 examination passed
};

ReportFormInputs ReportFormInputsOf(const TPupilRecord& r, int schoolType);

// The form number for the inputs; 0 when the data allow no valid form.
std::uint16_t DetermineReportForm(const ReportFormInputs& in);
std::uint16_t DetermineReportForm(const TPupilRecord& r, int schoolType);
// With the school type of the school settings.
std::uint16_t DetermineReportForm(const TPupilRecord& r);

}  // namespace quorv
