// The form files of the receipt ("Anl041.FST", "Anl043.FST", "Anl143.FST") and
// of the learning-development report ("Anl170.FST").
#include "formfiles/FormTables.h"

#include <initializer_list>

#include "formfiles/FormTableParts.h"
#include "layouts/ReceiptLayouts.h"
#include "printengine/Primitives.h"

namespace formfiles {

namespace {

using namespace quorv;

// A table of the listed fields; the others stay all zero and so inactive.
TFormFieldTable Table(std::initializer_list<FormRow> rows) {
  TFormFieldTable t{};
  PutRows(t, rows);
  return t;
}

constexpr int L = kAlignLeft;
constexpr int C = kAlignCenter;

}  // namespace

// Plain A4, 180 x 235 mm from the page origin (15 mm, 15 mm): frame, school,
// the sender's part, the parents' part, the legal remedy.
TFormFieldTable ReceiptA4FormTable() {
  return Table({
      {rfFrameTopLeft, 0, 0, L, 11, 3, 1},  // thin double frame
      {rfFrameBottomRight, 1800, 2350, L, 11, 3, 1},
      {rfSchoolName, 900, 160, C, 21, 1, 1},
      {rfSchoolBox, 900, 200, C, 25, 1, 1},
      {rfMarginImprint, 1830, 300, L, 21, 1, 1},
      {rfSeparator1, 100, 330, L, 1, 1, 1},
      {rfHeading, 100, 470, L, 30, 1, 1},
      {rfSendSentence, 100, 620, L, 21, 1, 1},
      {rfWording, 900, 760, C, 21, 1, 1},
      {rfDateLabel, 100, 900, L, 21, 1, 1},
      {rfIssueDate, 280, 895, L, 21, 1, 1},
      {rfDateRule, 250, 900, L, 0, 1, 1},
      {rfReturnSentence, 100, 1040, L, 21, 1, 1},
      {rfSeparator2, 100, 1140, L, 1, 1, 1},
      {rfReceivedSentence, 100, 1300, L, 21, 1, 1},
      {rfPlaceDateBox, 300, 1560, L, 25, 1, 1},
      {rfSignatureBox, 1125, 1560, L, 25, 1, 1},
      {rfSeparator3, 100, 1720, L, 1, 1, 1},
      {rfRemedyHeading, 100, 1840, L, 22, 1, 1},
      {rfRemedyText, 100, 1920, L, 27, 1, 1},
      {rfRemedySchool, 100, 2130, L, 21, 1, 1},
      {rfRemedySchoolLabel, 900, 2170, C, 27, 1, 1},
      {rfRemedyEnd, 100, 2260, L, 21, 1, 1},
  });
}

// Half A4 (A5 landscape): 180 x 128 mm, so that a copy 148.5 mm lower stays
// on the sheet.
TFormFieldTable ReceiptA5FormTable() {
  return Table({
      {rfFrameTopLeft, 0, 0, L, 11, 3, 1},
      {rfFrameBottomRight, 1800, 1280, L, 11, 3, 1},
      {rfSchoolName, 900, 90, C, 21, 1, 1},
      {rfSchoolBox, 900, 110, C, 25, 1, 1},
      {rfMarginImprint, 1830, 200, L, 21, 1, 1},
      {rfSeparator1, 100, 175, L, 1, 1, 1},
      {rfHeading, 100, 240, L, 22, 1, 1},
      {rfSendSentence, 100, 320, L, 21, 1, 1},
      {rfWording, 900, 400, C, 21, 1, 1},
      {rfDateLabel, 100, 480, L, 21, 1, 1},
      {rfIssueDate, 250, 475, L, 21, 1, 1},
      {rfDateRule, 230, 480, L, 0, 1, 1},
      {rfReturnSentence, 100, 560, L, 21, 1, 1},
      {rfSeparator2, 100, 610, L, 1, 1, 1},
      {rfReceivedSentence, 100, 680, L, 21, 1, 1},
      {rfPlaceDateBox, 350, 820, L, 25, 1, 1},
      {rfSignatureBox, 1175, 820, L, 25, 1, 1},
      {rfSeparator3, 100, 890, L, 1, 1, 1},
      {rfRemedyHeading, 100, 950, L, 28, 1, 1},
      {rfRemedyText, 100, 1000, L, 25, 1, 1},
      {rfRemedySchool, 100, 1160, L, 27, 1, 1},
      {rfRemedySchoolLabel, 900, 1195, C, 25, 1, 1},
      {rfRemedyEnd, 100, 1250, L, 25, 1, 1},
  });
}

// Half A4 (A5 landscape), two to a sheet: the name line, the heading and the
// report text in the report forms' text font and line length, within 185 x
// 128 mm, so that the report 148.5 mm lower begins below it. The remarks
// print only for the conference, one report a sheet, under the text.
TFormFieldTable LearningReportFormTable() {
  using formtable::kCharsPerLine;
  using formtable::kText;
  using formtable::kTextLeft;
  constexpr int kSpacing = 42;
  constexpr int kTextY = 350;
  constexpr int kLines = DevelopmentTextLines(kCharsPerLine);
  constexpr int kRemarksLabelY = kTextY + (kLines - 1) * kSpacing + 90;
  return Table({
      {lfFrameTopLeft, 0, 0, L, 0, 0, 0},  // not drawn; X gives the width
      {lfFrameBottomRight, formtable::kFrameRight, 1280, L, 0, 0, 0},
      {lfNameBox, formtable::kMiddle, 170, L, 15, 1, 1},
      {lfName, 130, 160, L, 11, 1, 1},
      {lfBirthDate, 1280, 160, L, 11, 1, 1},
      {lfClassName, 1600, 160, L, 11, 1, 1},
      {lfHeading, formtable::kMiddle, 290, C, 42, 1, 1},
      {lfText, kTextLeft, kTextY, L, kText, 1, 1},
      {lfTextParams, kLines, kSpacing, L, kCharsPerLine, 1, 1},
      {lfRemarksLabel, formtable::kLeft, kRemarksLabelY, L, formtable::kBold, 1, 1},
      {lfRemarks, kTextLeft, kRemarksLabelY + 70, L, kText, 1, 1},
      {lfRemarksParams, RemarksLines(kCharsPerLine), kSpacing, L, kCharsPerLine, 1, 1},
  });
}

std::vector<ShippedFormFile> ReceiptFormFiles() {
  return {
      // The receipt's number in the form-file table; the receipt itself prints from 043 or 143.
      {0, QStringLiteral("Anl041.FST"), QStringLiteral("Empfangsbekenntnis"), ReceiptA4FormTable()},
      {0, kReceiptA4FormFile, kReceiptA4FormTitle, ReceiptA4FormTable()},
      {0, kReceiptA5FormFile, kReceiptA5FormTitle, ReceiptA5FormTable()},
      {0, kLearningReportFormFile, kLearningReportFormTitle, LearningReportFormTable()},
  };
}

}  // namespace formfiles
