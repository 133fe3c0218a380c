#include "layouts/GymnasiumLayouts.h"

#include <cmath>
#include <string_view>

#include "platform/Cp1252.h"
#include "platform/Messages.h"
#include "printengine/PrinterFonts.h"
#include "records/GradeCodes.h"
#include "settings/DrkEinst.h"
#include "settings/SchulEinst.h"

namespace quorv {

namespace {

using platform::Canvas;

constexpr int kLastRegularSlot = 18;
constexpr int kExamLanguageSlot = 2;
constexpr int kFirstYearWithoutFourth = kFourthSubjectUntilYear + 1;
// Grade texts longer than this print squeezed by -6 in the next smaller font.
constexpr int kLongExamGrade = 16;
constexpr int kExamGradeSqueeze = -6;
constexpr int kExamBoxStyle = 21;       // examination subjects: grey, pen 1
constexpr int kAdmissionBoxStyle = 22;  // admission subjects: grey, pen 2
constexpr int kLabelBelow = 30;
constexpr int kRuleEndBeforeGrade = 200;
constexpr int kInformatikBelow = 35;
constexpr int kCutAwtName = 25;

const QString kNoSubject = QStringLiteral("  - - -");
const QString kExamined = QStringLiteral("---");
const QString kSeeFourth = QStringLiteral("siehe 4. Prüfungsfach");

// Admission slots by school type: the Integrierte Gesamtschule's left column,
// every other school type's, and the right column of all.
constexpr std::array<int, kAdmissionLines> kGesamtschuleLeft = {3, 15, 14, 5, 6, 7, 0, 0, 0};
constexpr std::array<int, kAdmissionLines> kOtherLeft = {3, 15, 16, 5, 7, 6, 0, 0, 0};
constexpr std::array<int, kAdmissionLines> kRight = {9, 8, 10, 11, 12, 17, 0, 0, 0};

const char* const kPhrase = "des Gymnasiums";
const char* const kExamPhrase = "des Gymnasiums / der Integrierten Gesamtschule";

const char* const kExamSentence =
    "hat sich der Prüfung zum Übergang in die Jahrgangsstufe 11 der gymnasialen Oberstufe gemäß der";
const char* const kExamSentence2 = "Verordnung vom 3. Juli 2003 unterzogen.";
const char* const kPassed =
    " hat die Prüfung bestanden und wird in die 11. Jahrgangsstufe der gymnasialen Oberstufe versetzt.";
const char* const kFailed = " hat die Prüfung nicht bestanden und wird nicht in die 11. Jahrgangsstufe versetzt.";

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// Forms 21, 22, 121: form, title, phrase, words always, course letters, grade
// block, heading, sub-heading, seal strike-out of a year and of a half-year
// report, grade-scale label, grade scale.
const std::array<TReportPageProfile, 3> kReportProfiles = {{
    {21, "Zeugnis", kPhrase, false, false, {GymnasiumGradeLines, 9, 9}, kTextHeading, kTextSubHeading,
     TSealOverprint::A, TSealOverprint::B, kScaleLabel, kScaleSteps},
    {22, "Übergangszeugnis", kPhrase, true, false, {GymnasiumGradeLines, 9, 9}, kTextHeading, kTextSubHeading,
     TSealOverprint::A, TSealOverprint::A, kScaleLabel, kScaleSteps},
    {121, "Zwischenzeugnis", kPhrase, false, false, {GymnasiumGradeLines, 9, 9}, kTextHeading, kTextSubHeading,
     TSealOverprint::B, TSealOverprint::B, kScaleLabel, kScaleSteps},
}};

constexpr TStatementLine kNoLine{TStatementItem::None, nullptr};

// Form 23: one page without school year, second name rule, page-2 header,
// absences and acknowledgement; "Pflichtunterricht" over the grade block.
const TFinalPageProfile kLeavingProfile = [] {
  TFinalPageProfile p{23,
                      "Abgangszeugnis",
                      kPhrase,
                      false,
                      {GymnasiumGradeLines, 8, 10},
                      TElectiveBlock::Three,
                      {{{TStatementItem::Text, "Die Schülerin / Der Schüler hat die Vollzeitschulpflicht erfüllt."},
                        kNoLine, kNoLine, kNoLine, kNoLine, kNoLine}},
                      "Landessiegel",
                      TSealOverprint::None,
                      kScaleLabel,
                      kScaleSteps};
  p.Heading = THeading::None;
  p.NameSecondRule = false;
  p.GradesHeading = "Pflichtunterricht";
  p.GradesHeadingField = ffAdmissionHeading;
  p.Page2Header = false;
  p.ElectiveHeadings = false;
  p.Absences = false;
  p.Acknowledgement = false;
  return p;
}();

// ---- fields of the examination blocks ------------------------------------------------------

const TSubjectEntry& SlotOf(const TPupilRecord& pupil, int slot) {
  return pupil.Subjects[static_cast<std::size_t>(slot - 1)];
}

bool WordsWanted(bool wordsFlag) { return wordsFlag || PrintOptions.GradesInWords == 1; }

void CorrectedOrigin(const PageOrigins& origins, int page, std::int32_t& ox, std::int32_t& oy) {
  const TOriginPoint* origin = OriginOfPage(origins, page);
  PageOrigin(ox, oy, origin != nullptr ? *origin : origins[0]);
}

// Top edges of the grade boxes: the examination block's rounded, the
// admission block's rounded down.
int RoundedBoxTop(int y, int pitch) { return platform::RoundHalfEven(y - 0.75 * pitch); }
int FlooredBoxTop(int y, int pitch) { return static_cast<int>(std::floor(y - 0.75 * pitch)); }

// A grade box with its text, squeezed when long.
struct GradeBox {
  Canvas& canvas;
  const PageOrigins& origins;
  int page;
  std::int32_t ox;
  std::int32_t oy;
  int style;

  void Draw(const QString& text, TFormField field, int top) {
    DrawFrame(canvas, field.X - kHalfGradeBox, top, field.X + kHalfGradeBox, field.Y, ox, oy, style);
    if (text.size() > kLongExamGrade) {
      canvas.SetTextCharacterExtra(kExamGradeSqueeze);
      field.FontNumber = static_cast<std::uint16_t>(SmallerFont(field.FontNumber));
    }
    PrintField(canvas, text, field, page, origins);
    canvas.SetTextCharacterExtra(0);
  }
};

// A language's label beside or below its rule: the rule from ruleStart (the
// label's x when labelRule is 0, else labelRule) to ruleEnd at y.
void LabelWithRule(Canvas& canvas, const QString& label, TFormField labelField, int labelRule, int ruleEnd,
                   std::int32_t ox, std::int32_t oy, int page, const PageOrigins& origins) {
  const int y = labelField.Y;
  if (labelRule == 0) {
    DrawLine(canvas, labelField.X, ruleEnd, y, ox, oy, 2);
    labelField.Y = static_cast<std::uint16_t>(y + kLabelBelow);
  } else {
    DrawLine(canvas, labelRule, ruleEnd, y, ox, oy, 2);
  }
  PrintField(canvas, label, labelField, page, origins);
}

}  // namespace

// ---- examination subjects ----------------------------------------------------------------------

int TExamSubjects::RightLines() const {
  if (Problem != TExamProblem::None) return 0;
  return Year < kFirstYearWithoutFourth ? 2 : 1;
}

TExamSubjects GymnasiumExamSubjects(const TPupilRecord& pupil, const TSubjectCatalog& catalog, int schoolType) {
  TExamSubjects exam;
  exam.AdmissionOrder = {schoolType == stGesamtschule ? kGesamtschuleLeft : kOtherLeft, kRight};
  for (int s = 1; s <= kLastRegularSlot; ++s) {
    const std::string_view name = SlotOf(pupil, s).Name.bytes();
    if (name == "Deutsch") exam.Deutsch = s;
    if (name == "Mathematik") exam.Mathematik = s;
  }
  if (exam.Deutsch != 0) exam.Flags[static_cast<std::size_t>(exam.Deutsch)] = efExamined;
  if (exam.Mathematik != 0) exam.Flags[static_cast<std::size_t>(exam.Mathematik)] = efExamined;
  if (schoolType == stGesamtschule || schoolType == stGymnasium) exam.Language = kExamLanguageSlot;
  if (exam.Language != 0) exam.Flags[static_cast<std::size_t>(exam.Language)] = efExamined;

  exam.Year = YearFromText(pupil.SchoolYear.bytes());
  if (exam.Year >= kFirstYearWithoutFourth) {
    if (exam.Language == 0) exam.Problem = TExamProblem::Language;
    return exam;
  }
  // The 4th subject: the last catalogue entry with its abbreviation names it.
  std::string_view fourthName;
  for (const TSubjectCatalogEntry& entry : catalog)
    if (entry.Abbreviation.bytes() == pupil.FourthExamSubject.bytes()) fourthName = entry.Name.bytes();
  fourthName = fourthName.substr(0, kListNameLength);
  // No name matches no slot, an empty slot included.
  if (!fourthName.empty())
    for (int s = 1; s <= kLastRegularSlot; ++s)
      if (SlotOf(pupil, s).Name.bytes() == fourthName) exam.Fourth = s;
  if (exam.Fourth != 0) exam.Flags[static_cast<std::size_t>(exam.Fourth)] = efFourth;
  if (exam.Language == 0 || exam.Fourth == 0) exam.Problem = TExamProblem::LanguageOrFourth;
  return exam;
}

QString ExamProblemMessage(TExamProblem problem) {
  switch (problem) {
    case TExamProblem::LanguageOrFourth: return kExamLanguageOrFourthMessage;
    case TExamProblem::Language: return kExamLanguageMessage;
    case TExamProblem::None: break;
  }
  return {};
}

bool CheckGymnasiumExamData(const TReportJob& job) {
  const TPupilRecord& pupil = job.Pupil;
  const std::string_view fourth = pupil.FourthExamSubject.bytes();
  const bool fourthNamed = fourth != "---" && fourth != "???";
  if (pupil.ExamDataPresent == 1 && (fourthNamed || YearFromText(pupil.SchoolYear.bytes()) >= kFirstYearWithoutFourth))
    return true;
  platform::ShowMessage(kExamDataMessage, platform::MsgKind::Error);
  return false;
}

void NoticeGymnasiumExamProblem(const TReportJob& job) {
  const QString message =
      ExamProblemMessage(GymnasiumExamSubjects(job.Pupil, SubjectCatalog, SchoolSettings.SchoolType).Problem);
  if (!message.isEmpty()) platform::ShowMessage(message, platform::MsgKind::Error);
}

// ---- grade blocks ------------------------------------------------------------------------------

TGradeLineProfile GymnasiumGradeLineProfile(int rows, int firstFreeRow) {
  // Nine rows: the reports, with the fixed religion row 9; eight rows: the
  // leaving report, with a religion only in the first right row.
  const bool leaving = rows < 9;
  TGradeLineProfile profile;
  profile.Rows = rows;
  profile.FirstFreeRow = firstFreeRow;
  profile.ReligionRow = leaving ? 0 : 9;
  profile.AwtTwoLines = false;
  profile.CourseLetter = nullptr;
  profile.GradeSqueeze = 12;
  profile.GradeSmallerFont = 16;
  profile.RightReligion = leaving ? TRightReligion::FirstRowOnly : TRightReligion::Never;
  profile.RightPlaceholders = false;
  profile.RightReligionLabelField = ffLanguageLabel;
  return profile;
}

void GymnasiumGradeLines(Canvas& canvas, const TPupilRecord& pupil, QChar fill, const PageOrigins& origins,
                         bool /*courseFlag: no course letters*/, bool wordsFlag, int rows, int firstFreeRow, int page,
                         const TFormFieldTable& fields) {
  PrintGradeLines(canvas, pupil, fill, origins, false, wordsFlag, GymnasiumGradeLineProfile(rows, firstFreeRow), page,
                  fields);
}

void GymnasiumExamSubjectLines(Canvas& canvas, const TPupilRecord& pupil, const TExamSubjects& exam,
                               const TFormFieldTable& fields, int page, bool wordsFlag, const PageOrigins& origins) {
  const bool words = WordsWanted(wordsFlag);
  const TFormField& anchor = fields[ffExamBlock];
  const TFormField& rightNames = fields[ffExamRightNames];
  const TFormField& label = fields[ffExamLabel];
  const int pitch = fields[ffExamPitch].Y;
  // Every item takes the anchor's page.
  const int itemPage = anchor.Page;
  std::int32_t ox = 0;
  std::int32_t oy = 0;
  CorrectedOrigin(origins, itemPage, ox, oy);
  GradeBox box{canvas, origins, page, ox, oy, kExamBoxStyle};
  auto print = [&](const QString& text, const TFormField& field) { PrintField(canvas, text, field, page, origins); };

  // One line: the name, the grade in its box and the addition; slot 0 the
  // placeholder and an empty box.
  auto line = [&](int slot, int nameX, int y, const TFormField& nameLook, int gradeField, int additionField) {
    TFormField nameField = WithLook(anchor, nameX, y, nameLook);
    nameField.Active = anchor.Active;
    const TFormField& grade = fields[static_cast<std::size_t>(gradeField)];
    const TFormField& addition = fields[static_cast<std::size_t>(additionField)];
    const TFormField gradeAt = WithLook(anchor, anchor.X + grade.X, y, grade);
    if (slot == 0) {
      print(kNoSubject, nameField);
      box.Draw(QString(), gradeAt, RoundedBoxTop(y, pitch));
      return;
    }
    const TSubjectEntry& entry = SlotOf(pupil, slot);
    print(entry.Name.text(), nameField);
    box.Draw(GradeToText(entry.Grade.bytes(), words), gradeAt, RoundedBoxTop(y, pitch));
    print(entry.Addition.text(), WithLook(anchor, anchor.X + addition.X, y, addition));
  };

  const int leftSlots[2] = {exam.Deutsch, exam.Mathematik};
  for (int i = 0; i < 2; ++i)
    line(leftSlots[i], anchor.X, anchor.Y + i * pitch, anchor, ffExamLeftGrade, ffExamLeftAddition);

  const int rightSlots[2] = {exam.Language, exam.Fourth};
  const char* const labels[2] = {"1. Fremdsprache", "4. Prüfungsfach"};
  const int nameX = anchor.X + fields[ffExamRightNameOffset].X;
  for (int i = 0; i < exam.RightLines(); ++i) {
    const int y = anchor.Y + i * pitch;
    line(rightSlots[i], nameX, y, rightNames, ffExamRightGrade, ffExamRightAddition);
    TFormField labelField = WithFont(At(anchor, nameX + rightNames.X, y), label.FontNumber);
    LabelWithRule(canvas, Utf8(labels[i]), labelField, label.X,
                  anchor.X + fields[ffExamRightGrade].X - kRuleEndBeforeGrade, ox, oy, page, origins);
  }
}

void GymnasiumAdmissionSubjectLines(Canvas& canvas, const TPupilRecord& pupil, const TExamSubjects& exam, QChar fill,
                                    const TFormFieldTable& fields, int page, bool wordsFlag,
                                    const PageOrigins& origins) {
  const bool words = WordsWanted(wordsFlag);
  const TFormField& block = fields[ffGradeBlock];
  const TFormField& languageLabel = fields[ffLanguageLabel];
  const TFormField& labelLook = fields[ffLabelFont];
  const int pitch = fields[ffRowPitch].Y;
  std::int32_t ox = 0;
  std::int32_t oy = 0;
  CorrectedOrigin(origins, page, ox, oy);
  GradeBox box{canvas, origins, page, ox, oy, kAdmissionBoxStyle};
  auto print = [&](const QString& text, const TFormField& field) { PrintField(canvas, text, field, page, origins); };

  struct Column {
    int NameOffset;
    int Grade;
    int Addition;
  };
  const Column columns[2] = {{0, ffLeftGrade, ffLeftAddition}, {fields[ffRightNames].X, ffRightGrade, ffRightAddition}};

  for (int c = 0; c < 2; ++c) {
    const Column& column = columns[c];
    const TFormField& grade = fields[static_cast<std::size_t>(column.Grade)];
    const TFormField& addition = fields[static_cast<std::size_t>(column.Addition)];
    for (int i = 1; i <= kAdmissionLines; ++i) {
      const int slot = exam.AdmissionOrder[static_cast<std::size_t>(c)][static_cast<std::size_t>(i - 1)];
      if (slot < 1 || slot > kLastRegularSlot) continue;
      const TSubjectEntry& entry = SlotOf(pupil, slot);
      const std::string_view bytes = entry.Name.bytes();
      const QString name = entry.Name.text();
      const int y = block.Y + (i - 1) * pitch;
      const int x = block.X + column.NameOffset;
      const TFormField row = At(block, x, y);

      if (c == 0 && i == 1 && IsForeignLanguageSubject(bytes)) {
        print(name, WithFont(row, languageLabel.FontNumber));
        TFormField labelField = At(block, block.X + languageLabel.X, y);
        labelField.Align = labelLook.Align;
        labelField.FontNumber = labelLook.FontNumber;
        LabelWithRule(canvas, QStringLiteral("2. Fremdsprache"), labelField, languageLabel.X,
                      block.X + grade.X - kRuleEndBeforeGrade, ox, oy, page, origins);
      } else if (c == 1 && i == 1) {
        PrintSubjectLine(canvas, name, fill, ox, oy, origins, kHalfGradeBox, i, page, row, fields[ffRowPitch],
                         fields[ffRightGrade], fields[ffLabelFont], block, fields);
      } else if (c == 1 && i == 2 && bytes != SubjectCatalog[kAwtEntry].Name.bytes()) {
        print(name.left(kCutAwtName), row);
        print(QStringLiteral("u. Informatik"), At(block, x, y + kInformatikBelow));
      } else {
        print(name, row);
      }

      QString text;
      switch (exam.Flags[static_cast<std::size_t>(slot)]) {
        case efExamined: text = kExamined; break;
        case efFourth: text = kSeeFourth; break;
        default: text = GradeToText(entry.Grade.bytes(), words); break;
      }
      box.Draw(text, WithLook(block, block.X + grade.X, y, grade), FlooredBoxTop(y, pitch));
      print(entry.Addition.text(), WithLook(block, block.X + addition.X, y, addition));
    }
  }
}

// ---- pages -------------------------------------------------------------------------------------

void PrintGymnasiumReportPage(Canvas& canvas, const TPupilRecord& pupil) {
  for (const TReportPageProfile& profile : kReportProfiles)
    if (profile.Form == ReportJob.FormNumber) return PrintReportPageByProfile(canvas, pupil, profile);
  PrintReportPageByProfile(canvas, pupil, kReportProfiles.front());
}

void PrintGymnasiumLeavingPage(Canvas& canvas, const TPupilRecord& pupil) {
  PrintFinalPageByProfile(canvas, pupil, kLeavingProfile);
}

void PrintGymnasiumExamPage(Canvas& canvas, const TPupilRecord& pupil) {
  TPageFrame frame(canvas, pupil);
  frame.WordsFlag = true;
  frame.NameSecondRule = false;
  if (!frame.Begin()) return;
  frame.SchoolName();
  frame.SchoolRule();
  frame.TitleAndPhrase(QStringLiteral("Zeugnis"), Utf8(kExamPhrase));
  frame.NameBlock();

  if (frame.ActiveOnPage(ffExamStatement)) {
    // Every line on the page of the first.
    const int page = frame.Field(ffExamStatement).Page;
    auto line = [&](const QString& text, int field) {
      PrintField(canvas, text, frame.Field(field), page, frame.Origins);
    };
    line(Utf8(kExamSentence), ffExamStatement);
    line(Utf8(kExamSentence2), ffExamStatementLine2);
    line(QStringLiteral("Er/Sie") + Utf8(pupil.ExamPassed == 1 ? kPassed : kFailed), ffExamResult);
  }

  // Both examination blocks on every drawing, from one reading of the pupil.
  const TExamSubjects exam = GymnasiumExamSubjects(pupil, SubjectCatalog, SchoolSettings.SchoolType);
  frame.Print(QStringLiteral("Prüfungsfächer"), ffExamHeading);
  GymnasiumExamSubjectLines(canvas, pupil, exam, frame.Fields, frame.Page, frame.WordsFlag, frame.Origins);
  frame.Print(QStringLiteral("Fächer der Zulassung"), ffAdmissionHeading);
  GymnasiumAdmissionSubjectLines(canvas, pupil, exam, frame.FillChar, frame.Fields, frame.Page, frame.WordsFlag,
                                 frame.Origins);

  frame.Print(QStringLiteral("Wahlpflichtunterricht"), ffElectiveLabel);
  if (frame.ActiveOnPage(ffElectiveBlock))
    PrintElectiveBlock3(canvas, pupil, frame.Fields, frame.Origins, frame.WordsFlag, frame.Page);
  frame.Print(QStringLiteral("Gesamtnote im Wahlpflichtunterricht"), ffOverallElectiveLabel);
  if (ReportJob.FormNumber == 24) frame.Absences(Utf8(kAbsenceSentence));

  frame.RemarksBlock();
  frame.PlaceAndDate();
  frame.Seal(QStringLiteral("Landessiegel"), TSealOverprint::None);
  frame.Signatures();
  frame.GradeScale(Utf8(kGradeScaleLabel), Utf8(kGradeScaleSteps));
  frame.MarginImprint();
}

}  // namespace quorv
