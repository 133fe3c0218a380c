#include "layouts/OutputWrappers.h"

#include "layouts/GesamtschuleLayouts.h"
#include "layouts/GrundschuleLayouts.h"
#include "layouts/GymnasiumLayouts.h"
#include "layouts/HauptschuleLayouts.h"
#include "layouts/RealschuleLayouts.h"
#include "layouts/ReceiptLayouts.h"
#include "layouts/RegionalLayouts.h"

namespace quorv {

namespace {
constexpr std::uint16_t kOnePage = otPrinterPage;   // targets 1 and 2
constexpr std::uint16_t kTwoPages = otPrinterReport;  // targets 1, 2 and 3
}  // namespace

// Title text (nullptr: half-year or year), paged title, page routine, targets, data check.
const TOutputWrapper kGrundschuleClass1Report{nullptr, nullptr, PrintGrundschuleClass1Page, kOnePage, nullptr};
const TOutputWrapper kGrundschuleClass1TransferReport{"Übergangs-Zeugnis: ", nullptr, PrintGrundschuleClass1Page, kOnePage, nullptr};
const TOutputWrapper kGrundschuleReport{nullptr, nullptr, PrintGrundschuleReportPage, kTwoPages, nullptr};
const TOutputWrapper kGrundschuleTransferReport{"Übergangs-Zeugnis: ", nullptr, PrintGrundschuleReportPage, kTwoPages, nullptr};

const TOutputWrapper kHauptschuleReport{nullptr, nullptr, PrintHauptschuleReportPage, kTwoPages, nullptr};
const TOutputWrapper kHauptschuleTransferReport{"Übergangs-Zeugnis: ", nullptr, PrintHauptschuleReportPage, kTwoPages, nullptr};
const TOutputWrapper kHauptschuleInterimReport{"Zwischenzeugnis: ", nullptr, PrintHauptschuleReportPage, kTwoPages, nullptr};
const TOutputWrapper kHauptschuleLeavingReport{"Abgangs-Zeugnis: ", nullptr, PrintHauptschuleFinalPage, kTwoPages, nullptr};
const TOutputWrapper kHauptschuleFinalReport{"Abschluss-Zeugnis (Hauptschulabschluss): ", nullptr, PrintHauptschuleFinalPage, kTwoPages, nullptr};
const TOutputWrapper kHauptschuleQualifiedFinalReport{"Abschluss-Zeugnis (qual. Hauptschulabschluss)", nullptr, PrintHauptschuleFinalPage, kTwoPages, nullptr};

const TOutputWrapper kRealschuleReport{nullptr, nullptr, PrintRealschuleReportPage, kTwoPages, nullptr};
const TOutputWrapper kRealschuleTransferReport{"Übergangs-Zeugnis: ", nullptr, PrintRealschuleReportPage, kTwoPages, nullptr};
const TOutputWrapper kRealschuleInterimReport{"Zwischenzeugnis: ", nullptr, PrintRealschuleReportPage, kTwoPages, nullptr};
const TOutputWrapper kRealschuleLeavingReport{"Abgangs-Zeugnis: ", nullptr, PrintRealschuleFinalPage, kTwoPages, nullptr};
const TOutputWrapper kRealschuleFinalReport{"Abschluss-Zeugnis (Realschulabschluss): ", nullptr, PrintRealschuleFinalPage, kTwoPages, nullptr};
const TOutputWrapper kRealschuleQualifiedFinalReport{"Abschluss-Zeugnis (qual. Realschulabschluss)", nullptr, PrintRealschuleFinalPage, kTwoPages, nullptr};

const TOutputWrapper kRegionalReport{nullptr, nullptr, PrintRegionalReportPage, kTwoPages, nullptr};
const TOutputWrapper kRegionalTransferReport{"Übergangs-Zeugnis: ", nullptr, PrintRegionalReportPage, kTwoPages, nullptr};
const TOutputWrapper kRegionalInterimReport{"Zwischenzeugnis: ", nullptr, PrintRegionalReportPage, kTwoPages, nullptr};
const TOutputWrapper kRegionalLeavingReport{"Abgangs-Zeugnis: ", nullptr, PrintRegionalFinalPage, kTwoPages, nullptr};
const TOutputWrapper kBerufsreifeReport{"Abschluss-Zeugnis (Berufsreife): ", nullptr, PrintRegionalFinalPage, kTwoPages, nullptr};
const TOutputWrapper kBerufsreifeAssessedReport{"Abschluss-Zeugnis (Berufsreife m. Leist.): ", nullptr, PrintRegionalFinalPage, kTwoPages, nullptr};
const TOutputWrapper kMittlereReifeReport{"Abschluss-Zeugnis (Mittlere Reife): ", nullptr, PrintRegionalFinalPage, kTwoPages, nullptr};

const TOutputWrapper kGymnasiumReport{nullptr, nullptr, PrintGymnasiumReportPage, kTwoPages, nullptr};
const TOutputWrapper kGymnasiumTransferReport{"Übergangs-Zeugnis: ", "Übergangs-Zeugnis (Seite: ", PrintGymnasiumReportPage, kTwoPages, nullptr};
const TOutputWrapper kGymnasiumInterimReport{"Zwischen-Zeugnis: ", nullptr, PrintGymnasiumReportPage, kTwoPages, nullptr};
const TOutputWrapper kGymnasiumLeavingReport{"Abgangs-Zeugnis: ", nullptr, PrintGymnasiumLeavingPage, kOnePage, nullptr};
const TOutputWrapper kGymnasiumExamPassedReport{"Versetzungs-/Prüfungs-Zeugnis (BESTANDEN): ", nullptr, PrintGymnasiumExamPage, kOnePage, CheckGymnasiumExamData,
                                                NoticeGymnasiumExamProblem};
const TOutputWrapper kGymnasiumExamFailedReport{"Versetzungs-/Prüfungs-Zeugnis (NICHT best.): ", nullptr, PrintGymnasiumExamPage, kOnePage, CheckGymnasiumExamData,
                                                NoticeGymnasiumExamProblem};

const TOutputWrapper kOrientierungsstufeReport{nullptr, nullptr, PrintOrientierungsstufeReportPage, kTwoPages, nullptr};
const TOutputWrapper kGesamtschuleClass56Report{nullptr, nullptr, PrintGesamtschuleClass56Page, kTwoPages, nullptr};
const TOutputWrapper kGesamtschuleReport{nullptr, nullptr, PrintGesamtschuleReportPage, kTwoPages, nullptr};
const TOutputWrapper kGesamtschuleTransferReport{"Übergangs-Zeugnis: ", nullptr, PrintGesamtschuleReportPage, kTwoPages, nullptr};
const TOutputWrapper kGesamtschuleInterimReport{"Zwischenzeugnis: ", nullptr, PrintGesamtschuleReportPage, kTwoPages, nullptr};
const TOutputWrapper kGesamtschuleLeavingReport{"Abgangs-Zeugnis: ", nullptr, PrintGesamtschuleLeavingPage, kTwoPages, nullptr};

void OutputGrundschuleClass1Report() { RunOutputWrapper(kGrundschuleClass1Report); }
void OutputGrundschuleClass1TransferReport() { RunOutputWrapper(kGrundschuleClass1TransferReport); }
void OutputGrundschuleReport() { RunOutputWrapper(kGrundschuleReport); }
void OutputGrundschuleTransferReport() { RunOutputWrapper(kGrundschuleTransferReport); }

void OutputHauptschuleReport() { RunOutputWrapper(kHauptschuleReport); }
void OutputHauptschuleTransferReport() { RunOutputWrapper(kHauptschuleTransferReport); }
void OutputHauptschuleInterimReport() { RunOutputWrapper(kHauptschuleInterimReport); }
void OutputHauptschuleLeavingReport() { RunOutputWrapper(kHauptschuleLeavingReport); }
void OutputHauptschuleFinalReport() { RunOutputWrapper(kHauptschuleFinalReport); }
void OutputHauptschuleQualifiedFinalReport() { RunOutputWrapper(kHauptschuleQualifiedFinalReport); }

void OutputRealschuleReport() { RunOutputWrapper(kRealschuleReport); }
void OutputRealschuleTransferReport() { RunOutputWrapper(kRealschuleTransferReport); }
void OutputRealschuleInterimReport() { RunOutputWrapper(kRealschuleInterimReport); }
void OutputRealschuleLeavingReport() { RunOutputWrapper(kRealschuleLeavingReport); }
void OutputRealschuleFinalReport() { RunOutputWrapper(kRealschuleFinalReport); }
void OutputRealschuleQualifiedFinalReport() { RunOutputWrapper(kRealschuleQualifiedFinalReport); }

void OutputRegionalReport() { RunOutputWrapper(kRegionalReport); }
void OutputRegionalTransferReport() { RunOutputWrapper(kRegionalTransferReport); }
void OutputRegionalInterimReport() { RunOutputWrapper(kRegionalInterimReport); }
void OutputRegionalLeavingReport() { RunOutputWrapper(kRegionalLeavingReport); }
void OutputBerufsreifeReport() { RunOutputWrapper(kBerufsreifeReport); }
void OutputBerufsreifeAssessedReport() { RunOutputWrapper(kBerufsreifeAssessedReport); }
void OutputMittlereReifeReport() { RunOutputWrapper(kMittlereReifeReport); }

void OutputGymnasiumReport() { RunOutputWrapper(kGymnasiumReport); }
void OutputGymnasiumTransferReport() { RunOutputWrapper(kGymnasiumTransferReport); }
void OutputGymnasiumInterimReport() { RunOutputWrapper(kGymnasiumInterimReport); }
void OutputGymnasiumLeavingReport() { RunOutputWrapper(kGymnasiumLeavingReport); }
void OutputGymnasiumExamPassedReport() { RunOutputWrapper(kGymnasiumExamPassedReport); }
void OutputGymnasiumExamFailedReport() { RunOutputWrapper(kGymnasiumExamFailedReport); }

void OutputOrientierungsstufeReport() { RunOutputWrapper(kOrientierungsstufeReport); }
void OutputGesamtschuleClass56Report() { RunOutputWrapper(kGesamtschuleClass56Report); }
void OutputGesamtschuleReport() { RunOutputWrapper(kGesamtschuleReport); }
void OutputGesamtschuleTransferReport() { RunOutputWrapper(kGesamtschuleTransferReport); }
void OutputGesamtschuleInterimReport() { RunOutputWrapper(kGesamtschuleInterimReport); }
void OutputGesamtschuleLeavingReport() { RunOutputWrapper(kGesamtschuleLeavingReport); }

namespace {
struct PageRoutineEntry {
  std::uint16_t Form;
  TPageRoutine Routine;
};
constexpr PageRoutineEntry kPageRoutines[] = {
    {1, PrintGrundschuleClass1Page},   {2, PrintGrundschuleClass1Page},
    {3, PrintGrundschuleReportPage},   {4, PrintGrundschuleReportPage},
    {5, PrintHauptschuleReportPage},   {6, PrintHauptschuleReportPage},
    {105, PrintHauptschuleReportPage}, {7, PrintHauptschuleFinalPage},
    {8, PrintHauptschuleFinalPage},    {9, PrintHauptschuleFinalPage},
    {10, PrintRealschuleReportPage},   {11, PrintRealschuleReportPage},
    {110, PrintRealschuleReportPage},  {12, PrintRealschuleFinalPage},
    {13, PrintRealschuleFinalPage},    {14, PrintRealschuleFinalPage},
    {15, PrintRegionalReportPage},     {16, PrintRegionalReportPage},
    {115, PrintRegionalReportPage},    {17, PrintRegionalFinalPage},
    {18, PrintRegionalFinalPage},      {19, PrintRegionalFinalPage},
    {20, PrintRegionalFinalPage},      {21, PrintGymnasiumReportPage},
    {22, PrintGymnasiumReportPage},    {121, PrintGymnasiumReportPage},
    {23, PrintGymnasiumLeavingPage},   {24, PrintGymnasiumExamPage},
    {25, PrintGymnasiumExamPage},      {26, PrintGesamtschuleClass56Page},
    {27, PrintGesamtschuleReportPage}, {29, PrintGesamtschuleReportPage},
    {127, PrintGesamtschuleReportPage}, {28, PrintGesamtschuleLeavingPage},
    {41, PrintReceipt},                {141, PrintReceipt},
    {104, PrintOrientierungsstufeReportPage},
};
}  // namespace

TPageRoutine PageRoutineOfForm(int formNumber) {
  for (const PageRoutineEntry& e : kPageRoutines)
    if (e.Form == formNumber) return e.Routine;
  return nullptr;
}

}  // namespace quorv
