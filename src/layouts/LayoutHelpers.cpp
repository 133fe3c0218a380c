#include "layouts/LayoutHelpers.h"

#include <cmath>

#include "layouts/PrintJob.h"
#include "layouts/TextBlockWidth.h"
#include "platform/Cp1252.h"
#include "platform/PrinterCaps.h"
#include "platform/TextMeasure.h"
#include "printengine/PrinterFonts.h"
#include "records/GradeCodes.h"
#include "records/TextWrap.h"
#include "settings/DrkEinst.h"
#include "settings/Facheinst.h"
#include "settings/SchulEinst.h"

namespace quorv {

namespace {

using platform::Canvas;

constexpr std::string_view kNoSubjectName = "  - - -";
constexpr std::string_view kUnknownSubjectName = "???";
const QString kNoSubjectText = QStringLiteral("  - - -");
const QString kPeriodText = QStringLiteral("über das 1. Schulhalbjahr / Schuljahr");

// Between a strike-out and the letters it keeps.
constexpr double kStrikeClearance = 0.5;
// Distance of a no-subject rule's end from the grade box.
constexpr int kRuleGap = 50;
// A label printed below its row.
constexpr int kLabelBelowRow = 30;
constexpr int kCourseLetterGap = 10;
constexpr int kLongRightName = 21;
constexpr int kLongElectiveName = 21;
constexpr int kVeryLongElectiveName = 25;
constexpr int kLongNextSchool = 25;

bool IsPlaceholderName(std::string_view name) { return name == kNoSubjectName || name == kUnknownSubjectName; }

std::string_view CatalogName(int entry) { return SubjectCatalog[static_cast<std::size_t>(entry)].Name.bytes(); }

// trunc(y - 0.75 * p): the top of a grade box whose bottom is y.
int BoxTop(int y, int pitch) { return (100 * y - 75 * pitch) / 100; }
// trunc(0.3 * p) and trunc(0.1 * p): the two lines of a two-line row.
int UpperLineOffset(int pitch) { return (3 * pitch) / 10; }
int LowerLineOffset(int pitch) { return pitch / 10; }

void CorrectedOrigin(const PageOrigins& origins, int page, std::int32_t& ox, std::int32_t& oy) {
  const TOriginPoint* origin = OriginOfPage(origins, page);
  PageOrigin(ox, oy, origin != nullptr ? *origin : origins[0]);
}

QString Text(std::string_view bytes) { return platform::DecodeCp1252(bytes); }

bool WordsWanted(bool wordsFlag) { return wordsFlag || PrintOptions.GradesInWords == 1; }

// Where a text of this advance starts when it prints at the field.
double TextStart(const TFormField& field, double advance) {
  if (field.Align == kAlignCenter) return field.X - advance / 2;
  if (field.Align == kAlignRight) return field.X - advance;
  return field.X;
}

// A grade text at its field, squeezed when long.
void PrintSqueezedGrade(Canvas& canvas, const QString& text, TFormField field, int squeezeAbove,
                        int smallerAbove, int page, const PageOrigins& origins) {
  if (text.size() > squeezeAbove) canvas.SetTextCharacterExtra(-4);
  if (text.size() > smallerAbove) field.FontNumber = static_cast<std::uint16_t>(SmallerFont(field.FontNumber));
  PrintField(canvas, text, field, page, origins);
  canvas.SetTextCharacterExtra(0);
}

// ---- religion lines -------------------------------------------------------------------

// Strike-outs over the printed alternatives when the slot holds one of them.
struct ReligionOverprint {
  int Entry;
  const char* Upper;  // the part of the upper line struck out
  const char* Lower;  // of the lower line; nullptr for none
};

struct ReligionWording {
  const char* Upper;
  const char* Lower;
  ReligionOverprint Overprints[3];
};

const ReligionWording kSubjectWording = {
    "ev. / kath. Religion /",
    "Philosophieren mit Kindern",
    {{kProtestantReligionEntry, "kath.", "Philosophieren mit Kindern"},
     {kCatholicReligionEntry, "ev.", "Philosophieren mit Kindern"},
     {kPhilosophyEntry, "ev. / kath. Religion /", nullptr}}};

const ReligionWording kPrimaryWording = {
    "evangelische / katholische Religion /",
    "Philosophieren mit Kindern",
    {{kProtestantReligionEntry, "katholische", "Philosophieren mit Kindern"},
     {kCatholicReligionEntry, "evangelische", "Philosophieren mit Kindern"},
     {kPhilosophyEntry, "evangelische / katholische Religion /", nullptr}}};

void PrintReligionLine(const ReligionWording& wording, Canvas& canvas, const QString& name, QChar fill, int ox,
                       int oy, const PageOrigins& origins, int halfBox, int row, int page, const TFormField& line,
                       const TFormField& pitch, const TFormField& grade, const TFormField& label,
                       const TFormField& block, const TFormFieldTable& fields) {
  const int p = pitch.Y;
  const int y = block.Y + (row - 1) * p;
  const int upper = y - UpperLineOffset(p);
  const int lower = y + LowerLineOffset(p);
  const std::string bytes = platform::EncodeCp1252(name);
  const bool realName = !IsPlaceholderName(bytes);
  auto twoLines = [&] {
    PrintField(canvas, QString::fromUtf8(wording.Upper), AtY(line, upper), page, origins);
    PrintField(canvas, QString::fromUtf8(wording.Lower), AtY(line, lower), page, origins);
  };
  switch (PrintOptions.ReligionLineMode) {
    case 1:
      if (realName)
        PrintField(canvas, name, AtY(line, y), page, origins);
      else
        twoLines();
      return;
    case 2:
      if (realName) {
        if (name.size() > kLongRightName) canvas.SetTextCharacterExtra(-4);
        PrintField(canvas, name, WithFont(AtY(line, y), label.FontNumber), page, origins);
        DrawLine(canvas, line.X, block.X + grade.X - halfBox - kRuleGap, y, ox, oy, 2);
        canvas.SetTextCharacterExtra(0);
      } else {
        twoLines();
      }
      return;
    default:
      break;
  }
  twoLines();
  const int strikeFont = fields[ffLanguageLabel].FontNumber;
  for (const ReligionOverprint& o : wording.Overprints) {
    if (bytes != CatalogName(o.Entry)) continue;
    if (o.Lower != nullptr)
      StrikeOverPart(canvas, QString::fromUtf8(wording.Lower), AtY(line, lower), QString::fromUtf8(o.Lower), fill,
                     WithFont(AtY(line, lower), strikeFont), page, origins);
    StrikeOverPart(canvas, QString::fromUtf8(wording.Upper), AtY(line, upper), QString::fromUtf8(o.Upper), fill,
                   WithFont(AtY(line, upper), strikeFont), page, origins);
  }
}

// ---- elective blocks ---------------------------------------------------------------------

void PrintElectiveName(Canvas& canvas, const TSubjectEntry& slot, TFormField field, int page,
                       const PageOrigins& origins) {
  QString name = slot.Name.text();
  if (slot.Name == kUnknownSubjectName) name = kNoSubjectText;
  if (name.size() > kLongElectiveName) canvas.SetTextCharacterExtra(-4);
  if (name.size() > kVeryLongElectiveName) field.FontNumber = static_cast<std::uint16_t>(SmallerFont(field.FontNumber));
  PrintField(canvas, name, field, page, origins);
  canvas.SetTextCharacterExtra(0);
}

void PrintElectiveBlock(Canvas& canvas, const TPupilRecord& pupil, const TFormFieldTable& fields,
                        const PageOrigins& origins, bool wordsFlag, int page, int rows, bool halfYearLabels) {
  const bool words = WordsWanted(wordsFlag);
  const int h = kHalfGradeBox;
  const TFormField& anchor = fields[ffElectiveBlock];
  const TFormField& leftGrade = fields[ffElectiveLeftGrade];
  const TFormField& leftAddition = fields[ffElectiveLeftAddition];
  const TFormField& rightNames = fields[ffElectiveRightNames];
  const TFormField& rightGrade = fields[ffElectiveRightGrade];
  const TFormField& rightAddition = fields[ffElectiveRightAddition];
  const int pitch = fields[ffElectivePitch].Y;
  const int nameFont = fields[ffLanguageLabel].FontNumber;
  std::int32_t ox = 0;
  std::int32_t oy = 0;
  CorrectedOrigin(origins, page, ox, oy);

  auto gradeAt = [&](const TSubjectEntry& slot, int x, int y, const TFormField& look) {
    DrawLine(canvas, x - h, x + h, y, ox, oy, 2);
    PrintSqueezedGrade(canvas, GradeToText(slot.Grade.bytes(), words), WithLook(anchor, x, y, look), 13, 16, page,
                       origins);
  };

  for (int i = 1; i <= rows; ++i) {
    const int y = anchor.Y + (i - 1) * pitch;
    const TSubjectEntry& left = pupil.Subjects[17 + i];   // slot 18 + i
    const TSubjectEntry& right = pupil.Subjects[20 + i];  // slot 21 + i

    PrintElectiveName(canvas, left, WithFont(At(anchor, anchor.X, y), nameFont), page, origins);
    DrawLine(canvas, anchor.X, anchor.X + leftGrade.X - h - kRuleGap, y, ox, oy, 2);
    if (halfYearLabels)
      PrintField(canvas, i == 1 ? QStringLiteral("1. Halbjahr") : QStringLiteral("2. Halbjahr"),
                 WithFont(At(anchor, anchor.X, y + kLabelBelowRow), fields[ffLabelFont].FontNumber), page, origins);
    gradeAt(left, anchor.X + leftGrade.X, y, leftGrade);
    PrintField(canvas, left.Addition.text(), WithLook(anchor, anchor.X + leftAddition.X, y, leftAddition), page,
               origins);

    PrintElectiveName(canvas, right, WithFont(At(anchor, anchor.X + rightNames.X, y), nameFont), page, origins);
    DrawLine(canvas, anchor.X + rightNames.X, anchor.X + rightGrade.X - h - kRuleGap, y, ox, oy, 2);
    gradeAt(right, anchor.X + rightGrade.X, y, rightGrade);
    PrintField(canvas, right.Addition.text(), WithLook(anchor, anchor.X + rightAddition.X, y, rightAddition), page,
               origins);
  }

  const TSubjectEntry& overall = pupil.Subjects[24];  // slot 25
  const TFormField& overallField = fields[ffOverallElective];
  DrawFrame(canvas, overallField.X - h, BoxTop(overallField.Y, fields[ffRowPitch].Y), overallField.X + h,
            overallField.Y, ox, oy, kGradeBoxStyle);
  PrintSqueezedGrade(canvas, GradeToText(overall.Grade.bytes(), words), overallField, 13, 16, page, origins);
  PrintField(canvas, overall.Addition.text(), fields[ffOverallElectiveAddition], page, origins);
}

}  // namespace

TFormField At(TFormField field, int x, int y) {
  field.X = static_cast<std::uint16_t>(x);
  field.Y = static_cast<std::uint16_t>(y);
  return field;
}

TFormField AtY(TFormField field, int y) {
  field.Y = static_cast<std::uint16_t>(y);
  return field;
}

// A copy of the anchor at (x, y) with the look (align, font, active) of another field.
TFormField WithLook(const TFormField& anchor, int x, int y, const TFormField& look) {
  TFormField f = At(anchor, x, y);
  f.Align = look.Align;
  f.FontNumber = look.FontNumber;
  f.Active = look.Active;
  return f;
}

TFormField WithFont(TFormField field, int fontNumber) {
  field.FontNumber = static_cast<std::uint16_t>(fontNumber);
  return field;
}

// ---- small helpers --------------------------------------------------------------------------

QChar FillCharacter() {
  const auto byte = static_cast<std::uint8_t>(PrintOptions.FillCharacter.Chars[0]);
  if (byte == 0 || byte == ' ') return QLatin1Char('#');
  return QChar(platform::Cp1252ToUnicode(byte));
}

QString FillString(QChar fill, int k) { return k > 0 ? QString(k, fill) : QString(); }

QString Blanks(int k) { return FillString(QLatin1Char(' '), k); }

void StrikeOverPart(Canvas& canvas, const QString& base, const TFormField& baseField, const QString& part, QChar fill,
                    const TFormField& strike, int page, const PageOrigins& origins) {
  const qsizetype at = base.indexOf(part);
  if (at < 0 || part.isEmpty() || strike.Active != 1 || strike.Page != page) return;
  SelectFieldFont(canvas, baseField);
  const platform::FontSpec baseFont = canvas.font();
  SelectFieldFont(canvas, strike);
  const platform::FontSpec fillFont = canvas.font();
  const int dpi = canvas.TextResolution();

  // The part's glyphs, from the field's X in the base's alignment.
  const double start = TextStart(baseField, platform::MeasureText(baseFont, base, dpi).Advance);
  const double offset = platform::MeasureText(baseFont, base.left(at), dpi).Advance;
  const platform::TextExtent word = platform::MeasureText(baseFont, part, dpi);
  double from = start + offset + word.InkLeft;
  double to = start + offset + word.InkRight;
  // Where glyphs overlap (a slash in italics), the kept letters stay clear.
  // (Blanks are measured by their advance only: in italics a blank has a box.)
  QString before = base.left(at);
  while (before.endsWith(u' ')) before.chop(1);
  QString after = base.mid(at + part.size());
  double afterStart = start + offset + word.Advance;
  qsizetype blanks = 0;
  while (blanks < after.size() && after[blanks] == u' ') ++blanks;
  afterStart += platform::MeasureText(baseFont, after.left(blanks), dpi).Advance;
  after = after.mid(blanks);
  if (!before.trimmed().isEmpty())
    from = std::max(from, start + platform::MeasureText(baseFont, before, dpi).InkRight + kStrikeClearance);
  if (!after.isEmpty())
    to = std::min(to, afterStart + platform::MeasureText(baseFont, after, dpi).InkLeft - kStrikeClearance);
  if (to <= from) return;

  // Runs of n fill characters, each no wider than the part.
  const platform::TextExtent one = platform::MeasureText(fillFont, QString(fill), dpi);
  const double pitch = one.Advance;
  const double single = one.InkRight - one.InkLeft;
  const double span = to - from;
  const int n = pitch > 0 && span > single ? static_cast<int>((span - single) / pitch) + 1 : 1;
  const double run = (n - 1) * pitch + single;
  // Neighbouring runs overlap by 2 units, so that rounding leaves no gap.
  const int runs = run >= span || run <= 2 ? 1 : static_cast<int>(std::ceil((span - run) / (run - 2))) + 1;
  const QString text = FillString(fill, n);
  std::int32_t ox = 0;
  std::int32_t oy = 0;
  CorrectedOrigin(origins, page, ox, oy);
  SetFieldAlign(canvas, kAlignLeft);
  const int extra = canvas.SetTextCharacterExtra(0);
  for (int i = 0; i < runs; ++i) {
    // Ink of run i from x; the first run starts at the part's first glyph,
    // the last one ends at its last glyph.
    const double x = (runs == 1 ? (from + to - run) / 2 : from + i * (span - run) / (runs - 1)) - one.InkLeft;
    const double rounded = runs > 1 && i == 0           ? std::floor(x)
                           : runs > 1 && i == runs - 1 ? std::ceil(x)
                                                       : std::round(x);
    canvas.TextOut(ox + static_cast<int>(rounded), -(oy + strike.Y), text);
  }
  canvas.SetTextCharacterExtra(extra);
}

void PrintRecordText(Canvas& canvas, const TPupilRecord& pupil, TRecordText text, const TFormField& field,
                     const TFormField& parameterField, int page, const PageOrigins& origins, int blockStart,
                     int blockEnd) {
  const std::string_view bytes =
      text == TRecordText::Development ? pupil.DevelopmentText.bytes() : pupil.RemarksText.bytes();
  // A block holds at most 25 lines whatever the form file says.
  const int lines = TextBlockLineCount(parameterField);
  const int width = parameterField.FontNumber;
  const TLineWidthLimit limit = BlockLineLimit(FieldFont(canvas.font(), field), canvas.state().CharacterExtra, field,
                                               blockStart, blockEnd, canvas.TextResolution());
  TTextLines wrapped{};
  WrapAndStrike(bytes, lines, wrapped, width, PrintOptions.StrikeMode, PrintOptions.StrikeChar.bytes(), limit);
  // The wrap leaves the blank before a moved word on the line, where it takes
  // no room; aligned right or centred, the line would move by it.
  if (field.Align == kAlignRight || field.Align == kAlignCenter)
    for (TTextLine& line : wrapped)
      while (line.length() > 0 && line.Chars[line.length() - 1] == ' ') --line.Len;
  PrintTextBlock(canvas, wrapped, field, parameterField, page, origins);
  const TWrapMeasure needed = MeasureWrappedText(bytes, width, limit);
  if (needed.Lines > lines || !needed.LongWord.empty())
    ReportCutText({pupil.KeyNumber, pupil.Surname.text() + QStringLiteral(", ") + pupil.FirstName.text(), text,
                   std::max(needed.Lines - lines, 0), Text(needed.LongWord), needed.UnplacedWords});
}

int NameSqueeze(int nameLength, int ruleLength) {
  if (ruleLength > 1500) {
    if (nameLength > 45) return -4;
    if (nameLength > 35) return -3;
    return 0;
  }
  if (nameLength > 40) return -6;
  if (nameLength > 30) return -4;
  return 0;
}

bool IsAwtInformatikName(std::string_view name) {
  if (name.empty()) return false;
  const std::string_view catalogName = CatalogName(kAwtuiEntry);
  return name == catalogName || name == catalogName.substr(0, kListNameLength);
}

// ---- shared helpers -----------------------------------------------------------------------

void PrintPeriodHeading(Canvas& canvas, const QString& schoolYearText, int halfYear, const PageOrigins& origins,
                        int page, const TFormFieldTable& fields, QChar fill) {
  const TFormField& period = fields[ffPeriod];
  if (period.Active != 1 || period.Page != page) return;
  PrintField(canvas, kPeriodText, period, page, origins);
  std::string year = platform::EncodeCp1252(schoolYearText);
  std::string second;
  SecondYearOfSchoolYear(year, second);
  PrintField(canvas, Text(year) + QStringLiteral(" / ") + Text(second), fields[ffSchoolYear], page, origins);
  // A half-year report keeps "1. Schulhalbjahr", a year report "Schuljahr".
  const QString struck = halfYear == 1 ? QStringLiteral("/ Schuljahr") : QStringLiteral("1. Schulhalbjahr /");
  StrikeOverPart(canvas, kPeriodText, period, struck, fill, fields[ffPeriodStrike], page, origins);
}

void PrintSubjectLine(Canvas& canvas, const QString& name, QChar fill, int ox, int oy, const PageOrigins& origins,
                      int halfBox, int row, int page, const TFormField& line, const TFormField& pitch,
                      const TFormField& grade, const TFormField& label, const TFormField& block,
                      const TFormFieldTable& fields) {
  PrintReligionLine(kSubjectWording, canvas, name, fill, ox, oy, origins, halfBox, row, page, line, pitch, grade,
                    label, block, fields);
}

void PrintPrimarySubjectLine(Canvas& canvas, const QString& name, QChar fill, int ox, int oy,
                             const PageOrigins& origins, int halfBox, int row, int page, const TFormField& line,
                             const TFormField& pitch, const TFormField& grade, const TFormField& label,
                             const TFormField& block, const TFormFieldTable& fields) {
  PrintReligionLine(kPrimaryWording, canvas, name, fill, ox, oy, origins, halfBox, row, page, line, pitch, grade,
                    label, block, fields);
}

void PrintElectiveBlock3(Canvas& canvas, const TPupilRecord& pupil, const TFormFieldTable& fields,
                         const PageOrigins& origins, bool wordsFlag, int page) {
  PrintElectiveBlock(canvas, pupil, fields, origins, wordsFlag, page, 2, true);
}

void PrintElectiveBlock4(Canvas& canvas, const TPupilRecord& pupil, const TFormFieldTable& fields,
                         const PageOrigins& origins, bool wordsFlag, int page) {
  PrintElectiveBlock(canvas, pupil, fields, origins, wordsFlag, page, 3, false);
}

// ---- the grade-line frame ----------------------------------------------------------------------

namespace {

// One column of the grade block.
struct GradeColumn {
  int FirstSlot;         // index into Subjects of row 1
  int NameOffset;        // from field 32's X
  const TFormField* Grade;
  const TFormField* Addition;
  const TFormField* Label;  // label field of a religion line
};

class GradeLines {
 public:
  GradeLines(Canvas& canvas, const TPupilRecord& pupil, QChar fill, const PageOrigins& origins, bool courseFlag,
             bool wordsFlag, const TGradeLineProfile& profile, int page, const TFormFieldTable& fields)
      : canvas_(canvas), pupil_(pupil), fill_(fill), origins_(origins), course_(courseFlag),
        words_(WordsWanted(wordsFlag)), profile_(profile), page_(page), fields_(fields),
        block_(fields[ffGradeBlock]), pitch_(fields[ffRowPitch].Y) {
    CorrectedOrigin(origins, page, ox_, oy_);
  }

  void Draw() {
    const GradeColumn left{0, 0, &fields_[ffLeftGrade], &fields_[ffLeftAddition], &fields_[ffLanguageLabel]};
    for (int r = 1; r <= profile_.Rows; ++r) LeftName(r, left);
    Grades(left);
    if (profile_.FirstFreeRow <= 0) return;
    const GradeColumn right{9, fields_[ffRightNames].X, &fields_[ffRightGrade], &fields_[ffRightAddition],
                            &fields_[static_cast<std::size_t>(profile_.RightReligionLabelField)]};
    for (int r = 1; r <= profile_.Rows; ++r) RightName(r, right);
    Grades(right);
  }

 private:
  int RowY(int r) const { return block_.Y + (r - 1) * pitch_; }
  const TSubjectEntry& Slot(const GradeColumn& column, int r) const {
    return pupil_.Subjects[static_cast<std::size_t>(column.FirstSlot + r - 1)];
  }
  TFormField Row(int x, int r) const { return At(block_, x, RowY(r)); }
  void Print(const QString& text, const TFormField& field) { PrintField(canvas_, text, field, page_, origins_); }

  // From the name to 5 mm before the grade box.
  void NoSubjectRule(int rowX, int gradeOffset, int y) {
    DrawLine(canvas_, rowX, block_.X + gradeOffset - kHalfGradeBox - kRuleGap, y, ox_, oy_, 2);
  }

  void ReligionLine(const QString& name, int r, int x, const GradeColumn& column) {
    const auto routine = profile_.ReligionLine == TReligionLine::Primary ? PrintPrimarySubjectLine : PrintSubjectLine;
    routine(canvas_, name, fill_, ox_, oy_, origins_, kHalfGradeBox, r, page_, Row(x, r), fields_[ffRowPitch],
            *column.Grade, *column.Label, block_, fields_);
  }

  const char* LanguageLabel(int r) const {
    for (const TLanguageRow& row : profile_.LanguageRows)
      if (row.Row != 0 && row.Row == r) return row.Label;
    return nullptr;
  }

  void LeftName(int r, const GradeColumn& column) {
    const TSubjectEntry& slot = Slot(column, r);
    const std::string_view bytes = slot.Name.bytes();
    const QString name = slot.Name.text();
    const int x = block_.X;
    const int y = RowY(r);
    const char* label = LanguageLabel(r);
    if (label != nullptr && !profile_.LanguageLabels) {
      LanguageName(r, Row(x, r), column);
    } else if (label != nullptr) {
      const TFormField& labelField = fields_[ffLanguageLabel];
      LanguageName(r, WithFont(Row(x, r), labelField.FontNumber), column);
      TFormField labelAt = WithFont(Row(block_.X + labelField.X, r), fields_[ffLabelFont].FontNumber);
      if (labelField.X == 0) {
        NoSubjectRule(x, column.Grade->X, y);
        labelAt.Y = static_cast<std::uint16_t>(y + kLabelBelowRow);
      } else {
        DrawLine(canvas_, labelField.X, block_.X + column.Grade->X - kHalfGradeBox - kRuleGap, y, ox_, oy_, 2);
      }
      Print(QString::fromUtf8(label), labelAt);
    } else if (IsReligionSubject(bytes) || r == profile_.ReligionRow) {
      ReligionLine(name, r, x, column);
    } else if (IsPlaceholderName(bytes)) {
      NoSubjectRule(x, column.Grade->X, y);
      Print(kNoSubjectText, Row(x, r));
    } else if (profile_.AwtTwoLines && IsAwtInformatikName(bytes)) {
      Print(QStringLiteral("Arbeit-Wirtschaft-Technik"), AtY(Row(x, r), y - UpperLineOffset(pitch_)));
      Print(QStringLiteral("und Informatik"), AtY(Row(x, r), y + LowerLineOffset(pitch_)));
    } else {
      Print(name, Row(x, r));
    }
  }

  // A language's name; one that would reach the course letter of its row
  // is squeezed as a long free-row name is.
  void LanguageName(int r, const TFormField& at, const GradeColumn& column) {
    const TSubjectEntry& slot = Slot(column, r);
    const QString name = slot.Name.text();
    if (HasCourseLetter(r, slot)) {
      SelectFieldFont(canvas_, at);
      const platform::TextExtent ink = platform::MeasureText(canvas_.font(), name, canvas_.TextResolution());
      const double nameRight = TextStart(at, ink.Advance) + ink.InkRight;
      const TFormField letterAt = CourseLetterField(column, RowY(r));
      SelectFieldFont(canvas_, letterAt);
      const platform::TextExtent letter =
          platform::MeasureText(canvas_.font(), CourseLetterText(slot), canvas_.TextResolution());
      if (nameRight > TextStart(letterAt, letter.Advance) + letter.InkLeft) canvas_.SetTextCharacterExtra(-4);
    }
    Print(name, at);
    canvas_.SetTextCharacterExtra(0);
  }

  bool HasCourseLetter(int r, const TSubjectEntry& slot) const {
    return course_ && profile_.CourseLetter != nullptr && (r == 2 || IsCourseLevelSubject(slot.Name.bytes()));
  }
  // Right-aligned 1 mm before the grade box, in the grade's look.
  TFormField CourseLetterField(const GradeColumn& column, int y) const {
    TFormField at = WithLook(block_, block_.X + column.Grade->X - kHalfGradeBox - kCourseLetterGap, y, *column.Grade);
    at.Align = kAlignRight;
    return at;
  }
  QString CourseLetterText(const TSubjectEntry& slot) const {
    return QStringLiteral("(") + Text(profile_.CourseLetter(slot.CourseLevel.bytes())) + QStringLiteral(")*");
  }

  bool RightReligion(int r, std::string_view bytes) const {
    switch (profile_.RightReligion) {
      case TRightReligion::AnyRow: return IsReligionSubject(bytes);
      case TRightReligion::FirstRowOnly: return r == 1 && IsReligionSubject(bytes);
      case TRightReligion::Never: return false;
    }
    return false;
  }

  void RightName(int r, const GradeColumn& column) {
    const TSubjectEntry& slot = Slot(column, r);
    const std::string_view bytes = slot.Name.bytes();
    const QString name = slot.Name.text();
    const int x = block_.X + column.NameOffset;
    const int y = RowY(r);
    if (RightReligion(r, bytes)) {
      ReligionLine(name, r, x, column);
    } else if (profile_.RightPlaceholders && IsPlaceholderName(bytes)) {
      NoSubjectRule(x, column.Grade->X, y);
      Print(kNoSubjectText, Row(x, r));
    } else if (r >= profile_.FirstFreeRow) {
      NoSubjectRule(x, column.Grade->X, y);
      if (name.size() > profile_.RightNameSqueeze) canvas_.SetTextCharacterExtra(-4);
      Print(name, WithFont(Row(x, r), fields_[ffLanguageLabel].FontNumber));
      canvas_.SetTextCharacterExtra(0);
    } else {
      Print(name, Row(x, r));
    }
  }

  void Grades(const GradeColumn& column) {
    const int x = block_.X + column.Grade->X;
    for (int r = 1; r <= profile_.Rows; ++r) {
      const TSubjectEntry& slot = Slot(column, r);
      const int y = RowY(r);
      DrawFrame(canvas_, x - kHalfGradeBox, BoxTop(y, pitch_), x + kHalfGradeBox, y, ox_, oy_, kGradeBoxStyle);
      PrintSqueezedGrade(canvas_, GradeToText(slot.Grade.bytes(), words_), WithLook(block_, x, y, *column.Grade),
                         profile_.GradeSqueeze, profile_.GradeSmallerFont, page_, origins_);
      if (HasCourseLetter(r, slot)) Print(CourseLetterText(slot), CourseLetterField(column, y));
    }
    const int additionX = block_.X + column.Addition->X;
    for (int r = 1; r <= profile_.Rows; ++r)
      Print(Slot(column, r).Addition.text(), WithLook(block_, additionX, RowY(r), *column.Addition));
  }

  Canvas& canvas_;
  const TPupilRecord& pupil_;
  QChar fill_;
  const PageOrigins& origins_;
  bool course_;
  bool words_;
  const TGradeLineProfile& profile_;
  int page_;
  const TFormFieldTable& fields_;
  const TFormField& block_;
  int pitch_;
  std::int32_t ox_ = 0;
  std::int32_t oy_ = 0;
};

}  // namespace

void PrintGradeLines(Canvas& canvas, const TPupilRecord& pupil, QChar fill, const PageOrigins& origins,
                     bool courseFlag, bool wordsFlag, const TGradeLineProfile& profile, int page,
                     const TFormFieldTable& fields) {
  GradeLines(canvas, pupil, fill, origins, courseFlag, wordsFlag, profile, page, fields).Draw();
}

// ---- the page-routine frame ---------------------------------------------------------------------

TPageFrame::TPageFrame(platform::Canvas& canvas, const TPupilRecord& pupil)
    : Canvas(canvas), Pupil(pupil), Fields(FormFields) {}

bool TPageFrame::ActiveOnPage(int field) const {
  const TFormField& f = Field(field);
  return f.Active == 1 && f.Page == Page;
}

void TPageFrame::Print(const QString& text, int field) { PrintField(Canvas, text, Field(field), Page, Origins); }

void TPageFrame::Print(const QString& text, const TFormField& field) {
  PrintField(Canvas, text, field, Page, Origins);
}

bool TPageFrame::Begin() {
  FillChar = FillCharacter();
  HalfYear = Pupil.HalfYear;
  // The form file was loaded, with its messages, before the job's output.
  const ResolvedFormFile* form = JobFormFile(ReportFormFileChoice(ReportJob.FormNumber).FileName);
  if (form == nullptr) return false;
  QString title;
  if (!UseResolvedFormFile(*form, Fields, title)) return false;

  const TOriginPoint origin{PrintOptions.LeftMargin, PrintOptions.TopMargin};
  Origins = PageOrigins{origin, origin};
  PageOrigin(Ox, Oy, origin);
  Page = ReportJob.CurrentPage;
  W = Field(ffFrameBottomRight).X - Field(ffFrameTopLeft).X;
  M = PrintOptions.InnerMargin;

  if (PrintOptions.CorrectionCorner == 1) {
    DrawOriginCorner(Canvas, Page, Origins);
    DrawOriginCornerAt(Canvas, Page, Origins, M);
  }
  const TFormField& topLeft = Field(ffFrameTopLeft);
  const TFormField& bottomRight = Field(ffFrameBottomRight);
  if (topLeft.Page == Page || topLeft.Page == 3) {
    if (PrintOptions.PrintFrame == 1) {
      DrawFrame(Canvas, topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y, Ox, Oy, topLeft.FontNumber);
    } else {
      platform::BrushSpec brush = Canvas.brush();
      brush.Style = platform::BrushStyle::Clear;
      Canvas.SetBrush(brush);
    }
  }
  return true;
}

void TPageFrame::SchoolName() {
  TFormField& school = Field(ffSchoolName);
  if (!FieldIsPrintable(school)) {
    school.X = 850;
    school.Y = 130;
    school.FontNumber = 15;
    school.Page = 1;
    school.Active = 1;
  }
  Print(SchoolSettings.SchoolNameAddress.text(), ffSchoolName);
}

void TPageFrame::SignatureRule(int field, const QString& label) {
  TFormField& f = Field(field);
  int x1 = 0;
  int x2 = 0;
  if (f.X <= W / 2.0) {
    x1 = M;
    x2 = 2 * f.X - M;
  } else {
    x2 = W - M;
    x1 = 2 * f.X - x2;
  }
  DrawLine(Canvas, x1, x2, f.Y, Ox, Oy, 2);
  switch (field) {
    case ffSchoolRule:
      f.Y = static_cast<std::uint16_t>(f.Y + 30);
      break;
    case ffNameRule:
    case ffPage2Rule:
      f.Y = static_cast<std::uint16_t>(f.Y + 40);
      f.X = static_cast<std::uint16_t>(x1 + 30);
      break;
    default:
      f.Y = static_cast<std::uint16_t>(f.Y + 30);
      f.X = static_cast<std::uint16_t>(x1 + 30);
      break;
  }
  Print(label, field);
  RuleX1 = x1;
  RuleX2 = x2;
}

void TPageFrame::SchoolRule() {
  if (ActiveOnPage(ffSchoolRule)) SignatureRule(ffSchoolRule, QStringLiteral("Name der Schule/Schulart(en)/Schulort"));
}

void TPageFrame::TitleAndPhrase(const QString& title, const QString& phrase) {
  Print(title, ffTitle);
  Print(phrase, ffSchoolPhrase);
}

void TPageFrame::PeriodHeading() {
  PrintPeriodHeading(Canvas, Pupil.SchoolYear.text(), HalfYear, Origins, Page, Fields, FillChar);
}

void TPageFrame::SchoolYearHeading() {
  if (!ActiveOnPage(ffPeriod)) return;
  Print(QStringLiteral("Schuljahr"), ffPeriod);
  std::string year = Pupil.SchoolYear.str();
  std::string second;
  SecondYearOfSchoolYear(year, second);
  Print(Text(year) + QStringLiteral(" / ") + Text(second), ffSchoolYear);
}

void TPageFrame::Arms() {
  if (!ActiveOnPage(ffArms)) return;
  const bool colour =
      platform::CurrentPrinterCaps().NumColors > 2 || PrintOptions.ColourArmsOnMono == 1;
  const QString file = ProgramDir + (colour ? QStringLiteral("13F.BMP") : QStringLiteral("13S.BMP"));
  PrintPicture(Canvas, file, Field(ffArms), Field(ffArmsSize), Page, Origins);
}

void TPageFrame::NameBlock() {
  if (!ActiveOnPage(ffNameRule)) return;
  const QString name = Pupil.FirstName.text() + QLatin1Char(' ') + Pupil.Surname.text();
  SignatureRule(ffNameRule, QStringLiteral("Vorname und Name"));
  const TFormField second = Field(ffNameSecondRule);
  const int ruleFont = Field(ffNameRule).FontNumber;
  const bool oneLine = !NameSecondRule || (second.X == 0 && second.Y == 0 && second.FontNumber == 0);
  if (oneLine) {
    if (const int squeeze = NameSqueeze(static_cast<int>(name.size()), RuleX2 - RuleX1); squeeze != 0)
      Canvas.SetTextCharacterExtra(squeeze);
  }
  Print(name, ffName);
  Canvas.SetTextCharacterExtra(0);
  Print(Pupil.BirthDate.text(), ffBirthDate);
  Print(Pupil.ClassName.text(), ffClassName);
  TFormField& birthLabel = Field(ffBirthDate);
  birthLabel.FontNumber = static_cast<std::uint16_t>(oneLine ? ruleFont : second.FontNumber);
  birthLabel.Align = kAlignRight;
  Print(QStringLiteral("geb. am: "), ffBirthDate);
  TFormField& classLabel = Field(ffClassName);
  classLabel.FontNumber = static_cast<std::uint16_t>(ruleFont);
  classLabel.Align = kAlignRight;
  Print(QStringLiteral("Klasse: "), ffClassName);
  if (!oneLine) DrawLine(Canvas, RuleX1, RuleX2, second.Y, Ox, Oy, 2);
}

void TPageFrame::TransferBlock(const QString& sentence) {
  if (!ActiveOnPage(ffTransferSentence)) return;
  const int page = Field(ffTransferSentence).Page;
  auto print = [&](const QString& text, int field) { PrintField(Canvas, text, Field(field), page, Origins); };
  print(sentence, ffTransferSentence);
  // A boy keeps "Der Schüler", a girl "Die Schülerin".
  const auto sex = static_cast<std::int32_t>(Pupil.Sex);
  const QString part = sex == 0   ? QStringLiteral("Die Schülerin/")
                       : sex == 1 ? QStringLiteral("/Der Schüler")
                                  : QString();
  if (!part.isEmpty())
    StrikeOverPart(Canvas, sentence, Field(ffTransferSentence), part, FillChar, Field(ffTransferStrike), page, Origins);
  print(QStringLiteral("Schule bzw. Schulart"), ffTransferSchoolLabel);
  const QString nextSchool = Pupil.NextSchool.text();
  if (nextSchool.size() > kLongNextSchool) Canvas.SetTextCharacterExtra(-2);
  print(nextSchool, ffNextSchool);
  Canvas.SetTextCharacterExtra(0);
  print(Pupil.Jahrgangsstufe.text(), ffJahrgangsstufe);
}

void TPageFrame::Separator() {
  const TFormField& separator = Field(ffSeparator);
  if (separator.FontNumber != 0 && separator.Page == Page)
    DrawLine(Canvas, 200, W - 201, separator.Y, Ox, Oy, separator.FontNumber);
}

namespace {

// The text block with one ruled line per line.
void PrintRuledText(TPageFrame& frame, TRecordText text, int field, int parameterField) {
  const TFormField& at = frame.Field(field);
  const TFormField& params = frame.Field(parameterField);
  if (PrintOptions.NoRuledLines != 1)
    for (int i = 0; i < TextBlockLineCount(params); ++i)
      DrawLine(frame.Canvas, frame.M, frame.W - frame.M, at.Y + i * params.Y, frame.Ox, frame.Oy, 1);
  PrintRecordText(frame.Canvas, frame.Pupil, text, at, params, at.Page, frame.Origins, frame.M, frame.W - frame.M);
}

}  // namespace

void TPageFrame::DevelopmentTextBlock(const QString& heading, const QString& subHeading) {
  Print(heading, ffTextHeading);
  Print(subHeading, ffTextSubHeading);
  if (ActiveOnPage(ffDevelopmentText))
    PrintRuledText(*this, TRecordText::Development, ffDevelopmentText, ffDevelopmentParams);
}

void TPageFrame::RemarksBlock() {
  Print(QStringLiteral("Vermerke:"), ffRemarksLabel);
  if (ActiveOnPage(ffRemarks)) PrintRuledText(*this, TRecordText::Remarks, ffRemarks, ffRemarksParams);
}

void TPageFrame::Page2Header() {
  if (!ActiveOnPage(ffPage2Rule)) return;
  const QString name = Pupil.Surname.text() + QStringLiteral(", ") + Pupil.FirstName.text();
  SignatureRule(ffPage2Rule, QStringLiteral("Name, Vorname"));
  if (const int squeeze = NameSqueeze(static_cast<int>(name.size()), RuleX2 - RuleX1); squeeze != 0)
    Canvas.SetTextCharacterExtra(squeeze);
  Print(name, ffPage2Name);
  Canvas.SetTextCharacterExtra(0);
  Print(Pupil.BirthDate.text(), ffPage2BirthDate);
  TFormField& label = Field(ffPage2BirthDate);
  label.FontNumber = Field(ffPage2Rule).FontNumber;
  label.Align = kAlignRight;
  Print(QStringLiteral("geb. am: "), ffPage2BirthDate);
}

void TPageFrame::GradesLabel() { Print(QStringLiteral("Noten"), ffGradesLabel); }

void TPageFrame::GradeBlock(const TGradeLineProfile& profile) {
  if (ActiveOnPage(ffGradeBlock))
    PrintGradeLines(Canvas, Pupil, FillChar, Origins, CourseFlag, WordsFlag, profile, Page, Fields);
}

void TPageFrame::GradeBlock(const TGradeBlock& block) {
  if (ActiveOnPage(ffGradeBlock))
    block.Routine(Canvas, Pupil, FillChar, Origins, CourseFlag, WordsFlag, block.Rows, block.FirstFreeRow, Page,
                  Fields);
}

void TPageFrame::ElectiveSection(TElectiveBlock block) {
  if (block == TElectiveBlock::None) return;
  if (ActiveOnPage(ffGradeBlock)) Print(QStringLiteral("Wahlpflichtunterricht"), ffElectiveLabel);
  if (ActiveOnPage(ffElectiveBlock)) {
    if (block == TElectiveBlock::Three)
      PrintElectiveBlock3(Canvas, Pupil, Fields, Origins, WordsFlag, Page);
    else
      PrintElectiveBlock4(Canvas, Pupil, Fields, Origins, WordsFlag, Page);
  }
  Print(QStringLiteral("Gesamtnote im Wahlpflichtunterricht"), ffOverallElectiveLabel);
}

void TPageFrame::Absences(const QString& sentence) {
  Print(sentence, ffAbsenceSentence);
  Print(Pupil.AbsenceDays.text(), ffAbsenceDays);
  Print(Pupil.AbsenceDaysExcused.text(), ffAbsenceExcused);
}

void TPageFrame::PlaceAndDate() {
  if (!ActiveOnPage(ffPlaceDateRule)) return;
  SignatureRule(ffPlaceDateRule, QStringLiteral("Ort, Datum"));
  Print(Pupil.IssuePlace.text() + QStringLiteral(", ") + DateWithoutLeadingZeros(Pupil.IssueDate.text()), ffPlaceDate);
}

void TPageFrame::Seal(const QString& words, TSealOverprint overprint) {
  if (!ActiveOnPage(ffSeal)) return;
  Print(words, ffSeal);
  const QString part = overprint == TSealOverprint::A   ? QStringLiteral("Stempel/")
                       : overprint == TSealOverprint::B ? QStringLiteral("/Siegel")
                                                        : QString();
  if (!part.isEmpty()) StrikeOverPart(Canvas, words, Field(ffSeal), part, FillChar, Field(ffSealStrike), Page, Origins);
}

void TPageFrame::Signatures(bool acknowledgement) {
  if (ActiveOnPage(ffHeadRule)) SignatureRule(ffHeadRule, QStringLiteral("Schulleiter(in)"));
  if (ActiveOnPage(ffTeacherRule)) SignatureRule(ffTeacherRule, QStringLiteral("Klassenlehrer(in)"));
  if (!acknowledgement) return;
  Print(QStringLiteral("Empfangsbestätigung:"), ffReceiptLabel);
  if (ActiveOnPage(ffReceiptPlaceRule)) {
    SignatureRule(ffReceiptPlaceRule, QStringLiteral("Ort, Datum"));
    SignatureRule(ffParentsRule, QStringLiteral("Erziehungsberechtigte"));
  }
}

void TPageFrame::GradeScale(const QString& scale, const QString& footnote) {
  Print(scale, ffGradeScale);
  Print(footnote, ffFootnote);
}

void TPageFrame::MarginImprint() {
  if (!ActiveOnPage(ffMarginImprint)) return;
  const QString text =
      (kProductVersion + QStringLiteral(" / ") + SchoolSettings.SchoolNameAddress.text()).left(kMarginImprintLength);
  PrintFieldRotated(Canvas, text, Field(ffMarginImprint), kMarginImprintAngle, Page, Origins);
}

}  // namespace quorv
