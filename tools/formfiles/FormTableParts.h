#pragma once
// What the tables of the shipped report form files share: alignments, fonts,
// the page geometry, and the frame and name block every form has.
#include "formfiles/FormTables.h"

namespace formfiles::formtable {

constexpr int L = 0;  // left
constexpr int C = 1;  // centre
constexpr int R = 2;  // right

// Fonts: Times New Roman for the form's own texts and every subject row,
// bold for the pupil's data, Courier New for the strike-outs. A strike-out
// field gives the fill's font and the Y that runs it through the small
// letters, its bottom on the baseline; the fill lies over the struck word
// wherever that is, so the field's X is not used.
constexpr int kTitleFont = 20;   // Times 7 mm bold
constexpr int kDegreeFont = 46;  // Times 6 mm bold
constexpr int kLargeBold = 42;   // Times 5 mm bold
constexpr int kBold = 12;        // Times 4 mm bold
constexpr int kBoldSmall = 18;   // Times 3.5 mm bold
constexpr int kPlain = 11;       // Times 4 mm
constexpr int kText = 17;        // Times 3.5 mm
constexpr int kSmall = 15;       // Times 3 mm
constexpr int kStrike = 2;       // Courier 4 mm bold
constexpr int kStrikeSmall = 8;  // Courier 3.5 mm bold
constexpr int kGradeSans = 22;   // Arial 4 mm bold: grades squeezed hard stay legible
constexpr int kFrameStyle = 12;  // pen 2 with a second frame 1 mm inside

// Page geometry in 0.1 mm from the page origin (15 mm, 15 mm): the frame
// from (0, 0) to (1850, 2700); text from the inner margin 100 to 1750.
constexpr int kFrameRight = 1850;
constexpr int kFrameBottom = 2700;
constexpr int kMiddle = kFrameRight / 2;  // 925
constexpr int kLeft = 100;
constexpr int kTextLeft = 110;
constexpr int kRightRuleField = 1450;  // a rule from 1150 to 1750
constexpr int kLeftRuleField = 400;    // a rule from 100 to 700
constexpr int kPlaceRuleField = 700;   // "Ort, Datum": a rule from 100 to 1300
// Characters per line of the text blocks: Times 3.5 mm, about 156 mm of
// prose within the 164 mm from 110 to the inner margin, or Times 3 mm (151
// mm) where a one-page form needs the room. A block holds DevelopmentTextLines
// or RemarksLines of them, at most 24 lines, the wrapping's line array.
constexpr int kCharsPerLine = 115;
constexpr int kSmallCharsPerLine = 130;

// The two-column grade block, offsets from field 32's X (100): grade boxes
// centred at 735 and 1620, each addition 1 mm right of its box with room for
// two of the widest characters ("WW", 5.2 mm in Times 3 mm) before the right
// column's names at 960 and before the frame.
constexpr int kLeftGradeX = 635;
constexpr int kLeftAdditionX = 795;
constexpr int kRightNamesX = 860;
constexpr int kRightGradeX = 1520;
constexpr int kRightAdditionX = 1680;
// The overall elective grade's box and addition under the right grade column.
constexpr int kOverallGradeX = kLeft + kRightGradeX;
constexpr int kOverallAdditionX = kLeft + kRightAdditionX;

// The grade block's columns (fields 33 to 40) below field 32, rows pitch
// apart on the page, grades in gradeFont.
inline void GradeColumns(quorv::TFormFieldTable& t, int pitch, int page, int gradeFont = kBold) {
  const int p = page;
  PutRows(t, {
                 {33, 0, 0, L, kText, p, 1},  // language and free-row names in the rows' own font
                 {34, kLeftGradeX, 0, C, gradeFont, p, 1},
                 {35, kLeftAdditionX, 0, L, kSmall, p, 1},
                 {36, kRightNamesX, 0, L, kText, p, 1},
                 {37, 0, 0, L, kSmall, p, 1},
                 {38, kRightGradeX, 0, C, gradeFont, p, 1},
                 {39, kRightAdditionX, 0, L, kSmall, p, 1},
                 {40, 0, pitch, L, 0, p, 1},
             });
}

// The elective block's columns (fields 48 to 54): names at 100 and 960,
// grades in the grade columns, the first row at y and rows pitch apart on the
// page, grades in gradeFont.
inline void ElectiveColumns(quorv::TFormFieldTable& t, int y, int pitch, int page, int gradeFont = kBold) {
  const int p = page;
  PutRows(t, {
                 {48, kLeft, y, L, kText, p, 1},
                 {49, kLeftGradeX, 0, C, gradeFont, p, 1},
                 {50, kLeftAdditionX, 0, L, kSmall, p, 1},
                 {51, kRightNamesX, 0, L, kText, p, 1},
                 {52, kRightGradeX, 0, C, gradeFont, p, 1},
                 {53, kRightAdditionX, 0, L, kSmall, p, 1},
                 {54, 0, pitch, L, 0, p, 1},
             });
}

// A parameter field: X, Y and the number in the font word; never printed.
inline FormRow Parameters(int field, int x, int y, int number) { return {field, x, y, L, number, 0, 0}; }

// The double frame and the margin imprint reading downward inside it.
inline void Frame(quorv::TFormFieldTable& t) {
  PutRows(t, {
                 {1, 0, 0, L, kFrameStyle, 3, 1},
                 {2, kFrameRight, kFrameBottom, L, kFrameStyle, 3, 1},
                 {6, 1790, 400, L, kSmall, 1, 1},
             });
}

// The name block of page 1 with its rule at y.
inline void NameBlock(quorv::TFormFieldTable& t, int y) {
  PutRows(t, {
                 {15, kMiddle, y, L, kText, 1, 1},
                 {16, 130, y - 10, L, kLargeBold, 1, 1},
                 {17, 400, y + 130, L, kBold, 1, 1},
                 {19, kRightRuleField, y + 130, L, kBold, 1, 1},
             });
}

// The head of a report's page 1: school, title, school phrase, "über das
// 1. Schulhalbjahr / Schuljahr" with the year and its strike-out as one
// line, and the name block.
inline void ReportHead(quorv::TFormFieldTable& t) {
  PutRows(t, {
                 {3, kMiddle, 150, C, kBold, 1, 1},
                 {4, kMiddle, 170, C, kSmall, 1, 1},
                 {5, kMiddle, 370, C, kTitleFont, 1, 1},
                 {14, kMiddle, 450, C, kLargeBold, 1, 1},
                 {7, 559, 550, L, kPlain, 1, 1},
                 {8, 1118, 550, L, kBold, 1, 1},
                 {9, 556, 553, L, kStrike, 1, 1},
             });
  NameBlock(t, 720);
}

// The transfer sentence at y below the name block: the strike-out over "Die
// Schülerin/" or "/Der Schüler", the next school over the long blank and the
// Jahrgangsstufe over "____".
inline void TransferSentence(quorv::TFormFieldTable& t, int y) {
  PutRows(t, {
                 {95, kLeft, y, L, kText, 1, 1},
                 {96, 81, y + 4, L, kStrike, 1, 1},
                 {97, 829, y + 40, C, kSmall, 1, 1},
                 {98, 829, y - 8, C, kBold, 1, 1},
                 {100, 1365, y - 8, C, kBold, 1, 1},
             });
}

// The head of a leaving or final report: the school name with its rule on the
// left and the coat of arms on the right, title, school phrase, "Schuljahr"
// with the year, and the name block.
inline void FinalHead(quorv::TFormFieldTable& t) {
  PutRows(t, {
                 {3, 750, 150, C, kBold, 1, 1},
                 {4, 750, 170, C, kSmall, 1, 1},
                 {121, 1530, 50, L, 0, 1, 1},
                 Parameters(122, 220, 260, 0),
                 {5, kMiddle, 520, C, kTitleFont, 1, 1},
                 {14, kMiddle, 600, C, kLargeBold, 1, 1},
                 {7, 910, 700, R, kPlain, 1, 1},
                 {8, 940, 700, L, kBold, 1, 1},
             });
  NameBlock(t, 880);
}

}  // namespace formfiles::formtable
