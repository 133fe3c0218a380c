// The form files of the Grundschule reports, forms 1 to 4, for plain white A4.
#include "formfiles/FormTableParts.h"
#include "formfiles/FormTables.h"

namespace formfiles {

namespace {

using namespace formtable;
using quorv::TFormFieldTable;

enum class Kind { Class1, Class1Transfer, Report, Transfer };

bool IsTransfer(Kind kind) { return kind == Kind::Class1Transfer || kind == Kind::Transfer; }
bool HasGradePage(Kind kind) { return kind == Kind::Report || kind == Kind::Transfer; }

// Page 1: frame, school, title, period, name block and the transfer sentence;
// returns the y of the separator.
int Head(TFormFieldTable& t, Kind kind) {
  Frame(t);
  PutRows(t, {
                 {3, kMiddle, 140, C, kBold, 1, 1},
                 {4, kMiddle, 160, C, kSmall, 1, 1},
                 {5, kMiddle, 300, C, kTitleFont, 1, 1},
                 {14, kMiddle, 375, C, kLargeBold, 1, 1},
                 // "über das 1. Schulhalbjahr / Schuljahr" and the year as one line.
                 {7, 559, 455, L, kPlain, 1, 1},
                 {8, 1118, 455, L, kBold, 1, 1},
                 {9, 556, 458, L, kStrike, 1, 1},
                 // Name block: the name on its rule, birth date and class below.
                 {15, kMiddle, 590, L, kText, 1, 1},
                 {16, 130, 580, L, kLargeBold, 1, 1},
                 {17, 400, 700, L, kBold, 1, 1},
                 {19, kRightRuleField, 700, L, kBold, 1, 1},
             });
  if (!IsTransfer(kind)) return 780;
  TransferSentence(t, 800);
  return 880;
}

// A text block: its lines, their spacing, the font and the characters per line.
struct Block {
  int Lines;
  int Spacing;
  int Font;
  int Chars;
  // The y of the last line when the first is at y.
  int LastLine(int y) const { return y + (Lines - 1) * Spacing; }
};
// The one-page forms 1 and 2 print their texts in Times 3 mm, 130 characters a line.
constexpr Block SmallText(int lines, int spacing) { return {lines, spacing, kSmall, kSmallCharsPerLine}; }

// The learning-development text below the separator; returns the y of its first line.
int DevelopmentText(TFormFieldTable& t, int separator, const Block& text) {
  const int y = separator + 170;
  PutRows(t, {
                 {41, 0, separator, L, 2, 1, 1},
                 {65, kLeft, separator + 90, L, kBold, 1, 1},
                 {59, 514, separator + 90, L, kSmall, 1, 1},
                 {66, kTextLeft, y, L, text.Font, 1, 1},
                 Parameters(67, text.Lines, text.Spacing, text.Chars),
             });
  return y;
}

// The distances of the closing block from one row to the next.
struct Spacing {
  int Absences;    // from the last line of the remarks
  int Place;       // place and date
  int Signatures;  // head and class teacher, the seal between them
  int Receipt;     // "Empfangsbestätigung:"
  int ReceiptRules;
  int Scale;       // from the acknowledgement's rules
};
constexpr Spacing kRoomy{100, 150, 180, 110, 120, 120};
constexpr Spacing kTight{80, 120, 150, 90, 90, 80};

// Remarks, absences, place and date, signatures with the seal between them,
// the acknowledgement and the grade scale, from the label "Vermerke:" at y.
void Closing(TFormFieldTable& t, int y, int page, const Block& remarks, const Spacing& s, bool scale) {
  const int absences = remarks.LastLine(y + 70) + s.Absences;
  const int place = absences + s.Place;
  const int signatures = place + s.Signatures;
  const int receipt = signatures + s.Receipt;
  const int receiptRules = receipt + s.ReceiptRules;
  PutRows(t, {
                 {68, kLeft, y, L, kBold, page, 1},
                 {69, kTextLeft, y + 70, L, remarks.Font, page, 1},
                 Parameters(70, remarks.Lines, remarks.Spacing, remarks.Chars),
                 // "Fehltage: _______ davon entschuldigt: _______": the numbers over the blanks.
                 {63, kLeft, absences, L, kText, page, 1},
                 {64, 281, absences - 8, C, kBold, page, 1},
                 {74, 656, absences - 8, C, kBold, page, 1},
                 {106, kPlaceRuleField, place, L, kSmall, page, 1},
                 {107, 130, place - 10, L, kBold, page, 1},
                 {108, kLeftRuleField, signatures, L, kSmall, page, 1},
                 {110, kRightRuleField, signatures, L, kSmall, page, 1},
                 {112, 830, signatures, L, kText, page, 1},
                 {113, 817, signatures + 2, L, kStrikeSmall, page, 1},
                 {114, kLeft, receipt, L, kBold, page, 1},
                 {115, kLeftRuleField, receiptRules, L, kSmall, page, 1},
                 {117, kRightRuleField, receiptRules, L, kSmall, page, 1},
                 // "Notenstufen:" and the scale on one line; off where there are no grades.
                 {119, kLeft, receiptRules + s.Scale, L, kSmall, page, scale ? 1 : 0},
                 {120, 265, receiptRules + s.Scale, L, kSmall, page, scale ? 1 : 0},
             });
}

// Page 2 of forms 3 and 4: the header and nine grade rows in one column, the
// grade boxes centred at 1100, the additions right of them.
void GradePage(TFormFieldTable& t) {
  PutRows(t, {
                 {125, kMiddle, 130, L, kText, 2, 1},
                 {126, 130, 120, L, kBold, 2, 1},
                 {127, 1500, 120, L, kBold, 2, 1},
                 {30, kLeft, 260, L, kBold, 2, 1},
                 {32, kLeft, 370, L, kText, 2, 1},
                 {33, 0, 0, L, kText, 2, 1},  // the language in the rows' font, "Fremdsprache" below it
                 {34, 1000, 0, C, kBold, 2, 1},
                 {35, 1200, 0, L, kSmall, 2, 1},
                 {37, 0, 0, L, kSmall, 2, 1},
                 {40, 0, 105, L, 0, 2, 1},  // room for the two religion lines
             });
}

TFormFieldTable Form(Kind kind) {
  TFormFieldTable t{};
  const int separator = Head(t, kind);
  if (HasGradePage(kind)) {
    // Page 1 holds the learning-development text, its last line at 2445 or 2430.
    DevelopmentText(t, separator, {24, IsTransfer(kind) ? 60 : 65, kText, kCharsPerLine});
    GradePage(t);
    Closing(t, 1380, 2, {RemarksLines(kCharsPerLine), 50, kText, kCharsPerLine}, kRoomy, true);
  } else {
    // One page: the text, then everything else below it, the acknowledgement's
    // rules at 2638 (form 1) and 2642 (form 2).
    const int spacing = IsTransfer(kind) ? 38 : 42;
    const Block text = SmallText(DevelopmentTextLines(kSmallCharsPerLine), spacing);
    const int y = DevelopmentText(t, separator, text);
    Closing(t, text.LastLine(y) + 80, 1, SmallText(RemarksLines(kSmallCharsPerLine), spacing), kTight, false);
  }
  return t;
}

}  // namespace

std::vector<ShippedFormFile> GrundschuleFormFiles() {
  return {
      ShippedReportFormFile(1, Form(Kind::Class1)),
      ShippedReportFormFile(2, Form(Kind::Class1Transfer)),
      ShippedReportFormFile(3, Form(Kind::Report)),
      ShippedReportFormFile(4, Form(Kind::Transfer)),
  };
}

}  // namespace formfiles
