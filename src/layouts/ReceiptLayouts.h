#pragma once
// The acknowledgement of receipt and the learning-development report: page
// routines and output wrappers, which share printer documents in batches
// through PrintBatchState.
#include <QString>
#include <cstdint>

#include "platform/Canvas.h"
#include "records/QuorvDat.h"

namespace quorv {

// Form files and the descriptions they are loaded with.
inline const QString kLearningReportFormFile = QStringLiteral("Anl170.FST");
inline const QString kLearningReportFormTitle =
    QStringLiteral("Lernentwicklungsberichte auf A4 (je 2 als A5 quer) Version 1");
inline const QString kReceiptA4FormFile = QStringLiteral("Anl043.FST");
inline const QString kReceiptA4FormTitle = QStringLiteral("Empfangsbekenntnis (Anlage 43) auf A4 Version 1");
inline const QString kReceiptA5FormFile = QStringLiteral("Anl143.FST");
inline const QString kReceiptA5FormTitle = QStringLiteral("Empfangsbekenntnis (Anlage 43) auf A5 quer Version 1");

// Field numbers of the receipt's form files.
enum TReceiptField : int {
  rfFrameTopLeft = 1,      // FontNumber: frame style; Page 1 or 3 draws the frame
  rfFrameBottomRight = 2,
  rfSchoolName = 3,
  rfSchoolBox = 4,         // box "Name der Schule/Schulart/Schulort"
  rfHeading = 5,           // "Empfangsbekenntnis (zweifach):"
  rfMarginImprint = 6,
  rfSendSentence = 22,
  rfWording = 23,          // the report's wording, underlined by the school box's x1..x2
  rfDateLabel = 24,        // "vom"
  rfDateRule = 25,         // rule from its X to the school box's centre
  rfReturnSentence = 26,
  rfReceivedSentence = 29,
  rfSeparator1 = 41,       // FontNumber: line style, 0 = none
  rfSeparator2 = 42,
  rfSeparator3 = 43,
  rfRemedyHeading = 90,
  rfRemedyText = 91,
  rfRemedySchool = 92,
  rfRemedySchoolLabel = 93,
  rfRemedyEnd = 94,
  rfIssueDate = 107,
  rfPlaceDateBox = 115,
  rfSignatureBox = 117,
};

// Field numbers of the learning-development report's form file.
enum TLearningReportField : int {
  lfFrameTopLeft = 1,      // with field 2: the form width
  lfFrameBottomRight = 2,
  lfNameBox = 15,          // nothing is drawn unless it is active on page 1
  lfName = 16,
  lfBirthDate = 17,
  lfClassName = 19,
  lfSecondLine = 20,       // all 0: one header line; else its Y and the birth label's font
  lfHeading = 65,
  lfText = 66,
  lfTextParams = 67,
  lfRemarksLabel = 68,
  lfRemarks = 69,
  lfRemarksParams = 70,
};

// The receipt's form file and description by the print option ReceiptA5.
QString ReceiptFormFile();
QString ReceiptFormTitle();

// Batch states (PrintBatchState) as the two wrappers read them.
enum TPrintBatchStates : std::uint16_t {
  pbsSingle = 0,     // one document per call
  pbsFirstHalf = 1,  // begins the document (a new sheet when one is open); leaves it open
  pbsSecondHalf = 2, // draws into the open document
  pbsEnd = 3,        // learning-development reports: only ends the document
};

// The printer document of learning-development reports, named as its PDF
// file is: "Lernentwicklungsberichte: Anna Muster" for one pupil (batch state
// 0), "Klasse 7a: Lernentwicklungsberichte" for a batch.
QString LearningReportsTitle(const TPupilRecord& pupil, std::uint16_t batchState);

// The lower half of an A4 sheet starts 148.5 mm down.
inline constexpr int kHalfSheetOffset = 1485;

// A header box: the line x1..x2 centred on a field's X that reaches the inner
// margin on the nearer side of the form (exactly in the middle counts as left).
struct THeaderBox {
  int X1;
  int X2;
};
THeaderBox HeaderBox(int centre, int formWidth, int innerMargin);

// The receipt's wording of the report (print option ReceiptWording 0..2).
QString SchoolTypePhrase(int schoolType);
QString ReportNameWording(int schoolType, int reportKind);
QString ReceiptWordingText(const TPupilRecord& pupil, int receiptWording, int schoolType);

// The legal remedy text of the receipt, before the school's name.
inline const QString kRemedyText = QStringLiteral(
    "Gegen das Zeugnis können Sie innerhalb eines Monats, nachdem es Ihnen bekanntgegeben worden ist, "
    "Widerspruch einlegen. Der Widerspruch ist schriftlich oder zur Niederschrift bei der");
inline constexpr int kRemedyLines = 3;
inline constexpr int kRemedyLineLength = 98;
inline constexpr int kRemedyLineSpacing = 50;

// Page routines: page 1 of the job's pupil, from the form file the wrapper
// loaded for the job (nothing is drawn without it).
void PrintReceipt(platform::Canvas& canvas, const TPupilRecord& pupil);
void PrintLearningReports(platform::Canvas& canvas, const TPupilRecord& pupil);

// Output wrappers (job codes 41, 43, 141 and 170): target 1 the preview,
// target 2 the printer in the document PrintBatchState says.
void PrintReceiptJob();
void PrintLearningReportsJob();

}  // namespace quorv
