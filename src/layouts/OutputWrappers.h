#pragma once
// The output wrapper of every report form: the form's title text, page routine
// and targets as one TOutputWrapper record, run by RunOutputWrapper.
#include "layouts/PrintJob.h"

namespace quorv {

// Grundschule
extern const TOutputWrapper kGrundschuleClass1Report;
extern const TOutputWrapper kGrundschuleClass1TransferReport;
extern const TOutputWrapper kGrundschuleReport;
extern const TOutputWrapper kGrundschuleTransferReport;
void OutputGrundschuleClass1Report();
void OutputGrundschuleClass1TransferReport();
void OutputGrundschuleReport();
void OutputGrundschuleTransferReport();

// Hauptschule
extern const TOutputWrapper kHauptschuleReport;
extern const TOutputWrapper kHauptschuleTransferReport;
extern const TOutputWrapper kHauptschuleInterimReport;
extern const TOutputWrapper kHauptschuleLeavingReport;
extern const TOutputWrapper kHauptschuleFinalReport;
extern const TOutputWrapper kHauptschuleQualifiedFinalReport;
void OutputHauptschuleReport();
void OutputHauptschuleTransferReport();
void OutputHauptschuleInterimReport();
void OutputHauptschuleLeavingReport();
void OutputHauptschuleFinalReport();
void OutputHauptschuleQualifiedFinalReport();

// Realschule
extern const TOutputWrapper kRealschuleReport;
extern const TOutputWrapper kRealschuleTransferReport;
extern const TOutputWrapper kRealschuleInterimReport;
extern const TOutputWrapper kRealschuleLeavingReport;
extern const TOutputWrapper kRealschuleFinalReport;
extern const TOutputWrapper kRealschuleQualifiedFinalReport;
void OutputRealschuleReport();
void OutputRealschuleTransferReport();
void OutputRealschuleInterimReport();
void OutputRealschuleLeavingReport();
void OutputRealschuleFinalReport();
void OutputRealschuleQualifiedFinalReport();

// Regionale Schule
extern const TOutputWrapper kRegionalReport;
extern const TOutputWrapper kRegionalTransferReport;
extern const TOutputWrapper kRegionalInterimReport;
extern const TOutputWrapper kRegionalLeavingReport;
extern const TOutputWrapper kBerufsreifeReport;
extern const TOutputWrapper kBerufsreifeAssessedReport;
extern const TOutputWrapper kMittlereReifeReport;
void OutputRegionalReport();
void OutputRegionalTransferReport();
void OutputRegionalInterimReport();
void OutputRegionalLeavingReport();
void OutputBerufsreifeReport();
void OutputBerufsreifeAssessedReport();
void OutputMittlereReifeReport();

// Gymnasium
extern const TOutputWrapper kGymnasiumReport;
extern const TOutputWrapper kGymnasiumTransferReport;
extern const TOutputWrapper kGymnasiumInterimReport;
extern const TOutputWrapper kGymnasiumLeavingReport;
extern const TOutputWrapper kGymnasiumExamPassedReport;
extern const TOutputWrapper kGymnasiumExamFailedReport;
void OutputGymnasiumReport();
void OutputGymnasiumTransferReport();
void OutputGymnasiumInterimReport();
void OutputGymnasiumLeavingReport();
void OutputGymnasiumExamPassedReport();
void OutputGymnasiumExamFailedReport();

// Orientierungsstufe and Integrierte Gesamtschule
extern const TOutputWrapper kOrientierungsstufeReport;
extern const TOutputWrapper kGesamtschuleClass56Report;
extern const TOutputWrapper kGesamtschuleReport;
extern const TOutputWrapper kGesamtschuleTransferReport;
extern const TOutputWrapper kGesamtschuleInterimReport;
extern const TOutputWrapper kGesamtschuleLeavingReport;
void OutputOrientierungsstufeReport();
void OutputGesamtschuleClass56Report();
void OutputGesamtschuleReport();
void OutputGesamtschuleTransferReport();
void OutputGesamtschuleInterimReport();
void OutputGesamtschuleLeavingReport();

// The page routine of a form number as the preview draws it (41 and 141 the
// receipt), or nullptr.
TPageRoutine PageRoutineOfForm(int formNumber);

}  // namespace quorv
