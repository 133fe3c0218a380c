#pragma once
// Gymnasium reports: forms 21, 22, 121, the leaving report 23 and the
// examination report 24, 25 (passed / not passed), which the Gymnasium and
// the Integrierte Gesamtschule share.
//
// Forms 21, 22, 121 and 23 are profiles of the report and final pages; the
// examination report replaces the grade block by the block of the examination
// subjects and the block of the admission subjects, both drawn from one
// TExamSubjects worked out from the pupil.
#include <QString>
#include <array>
#include <cstdint>

#include "layouts/LayoutHelpers.h"
#include "layouts/PrintJob.h"
#include "layouts/RegionalLayouts.h"
#include "platform/Canvas.h"
#include "records/QuorvDat.h"
#include "settings/Facheinst.h"

namespace quorv {

// ---- examination subjects ------------------------------------------------------------

// The 4th examination subject counts up to the school year before this one.
inline constexpr int kFourthSubjectUntilYear = 2005;

enum class TExamProblem {
  None,
  LanguageOrFourth,  // before 2006: no examination language or no 4th subject (E1)
  Language,          // from 2006: no examination language (E2)
};

// What an examination subject is in the admission block.
enum TExamFlag : std::uint16_t {
  efOrdinary = 0,
  efExamined = 1,  // Deutsch, Mathematik or the examination language
  efFourth = 2,    // the 4th examination subject
};

inline constexpr int kAdmissionLines = 9;

struct TExamSubjects {
  int Deutsch = 0;     // slot D, 0 = no slot named "Deutsch"
  int Mathematik = 0;  // slot M
  int Language = 0;    // slot L of the examination language
  int Fourth = 0;      // slot F of the 4th subject (before 2006)
  int Year = 0;        // YearFromText of the school year
  // Indexed by slot 1..18; index 0 is no slot.
  std::array<std::uint16_t, 19> Flags{};
  // The slots of the admission block, left then right column; 0 = no line.
  std::array<std::array<int, kAdmissionLines>, 2> AdmissionOrder{};
  TExamProblem Problem = TExamProblem::None;
  // The lines of the right column of the examination block: 0, 1 or 2.
  int RightLines() const;
};

// The examination subjects of a pupil, from the record, the subject catalogue
// and the school type.
TExamSubjects GymnasiumExamSubjects(const TPupilRecord& pupil, const TSubjectCatalog& catalog, int schoolType);

inline const QString kExamDataMessage = QStringLiteral("Nicht genügend oder falsche Angaben zu den Prüfungen!");
inline const QString kExamLanguageOrFourthMessage = QStringLiteral(
    "Fehler beim Ermitteln der Prüfungsfremdsprache oder des 4. Prüfungsfachs!!!\r"
    "Prüfen Sie unbedingt die Daten!!! Ausdruck eventuell fehlerhaft!!!");
inline const QString kExamLanguageMessage = QStringLiteral(
    "Fehler beim Ermitteln der Prüfungsfremdsprache!!!\rPrüfen Sie unbedingt die Daten!!! Ausdruck eventuell "
    "fehlerhaft!!!");
// The message of a problem; empty for none.
QString ExamProblemMessage(TExamProblem problem);

// The examination-data check of forms 24 and 25, before any output: refuses
// with its message when the data are incomplete.
bool CheckGymnasiumExamData(const TReportJob& job);
// At the start of every output of forms 24 and 25 (never in a repaint): the
// message of an examination-subject problem; the report still prints.
void NoticeGymnasiumExamProblem(const TReportJob& job);

// ---- grade blocks ----------------------------------------------------------------------

// The grade block of forms 21, 22, 121 (nine rows, slot 18 a free row) and of
// form 23 (eight rows, religion in the first right row).
TGradeLineProfile GymnasiumGradeLineProfile(int rows, int firstFreeRow);
void GymnasiumGradeLines(platform::Canvas& canvas, const TPupilRecord& pupil, QChar fill, const PageOrigins& origins,
                         bool courseFlag, bool wordsFlag, int rows, int firstFreeRow, int page,
                         const TFormFieldTable& fields);

// The "Prüfungsfächer" block (fields 76 to 84) and the "Fächer der Zulassung"
// block (fields 32 to 40) of the examination report.
void GymnasiumExamSubjectLines(platform::Canvas& canvas, const TPupilRecord& pupil, const TExamSubjects& exam,
                               const TFormFieldTable& fields, int page, bool wordsFlag, const PageOrigins& origins);
void GymnasiumAdmissionSubjectLines(platform::Canvas& canvas, const TPupilRecord& pupil, const TExamSubjects& exam,
                                    QChar fill, const TFormFieldTable& fields, int page, bool wordsFlag,
                                    const PageOrigins& origins);

// Fields of the examination report.
enum TExamField : int {
  ffExamStatement = 22,
  ffExamStatementLine2 = 24,
  ffExamResult = 26,
  ffAdmissionHeading = 31,
  ffExamHeading = 75,
  ffExamBlock = 76,       // anchor, look of the left names
  ffExamRightNames = 77,  // X: label offset from the right name; look of the right names
  ffExamLeftGrade = 78,
  ffExamLeftAddition = 79,
  ffExamRightNameOffset = 80,
  ffExamLabel = 81,       // X: start of the label rule (0 = label below); font of the labels
  ffExamRightGrade = 82,
  ffExamRightAddition = 83,
  ffExamPitch = 84,
};

// ---- pages -----------------------------------------------------------------------------

// Page routines: draw ReportJob.CurrentPage for the pupil.
void PrintGymnasiumReportPage(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintGymnasiumLeavingPage(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintGymnasiumExamPage(platform::Canvas& canvas, const TPupilRecord& pupil);

}  // namespace quorv
