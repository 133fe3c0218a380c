#include "layouts/RegionalLayouts.h"

#include "layouts/PrintJob.h"
#include "records/GradeCodes.h"
#include "settings/DrkEinst.h"

namespace quorv {

namespace {

constexpr const char* kRegionalPhrase = "der Regionalen Schule";
constexpr TYearText kRegionalHeading{"Lernentwicklungsbericht", "Gesamteinschätzung"};
constexpr TYearText kRegionalSubHeading{"(Leistungsstand sowie Sozial- und Arbeitsverhalten)", ""};
constexpr TYearText kRegionalScale{kGradeScaleLine, kGradeScaleLine};
constexpr TYearText kRegionalFootnote{
    "* B = Basiskurs auf der Anspruchsebene der Berufsreife, E = Erweiterungskurs auf der Anspruchsebene der "
    "Mittleren Reife",
    "* B = Anspruchsebene Berufsreife, M = Anspruchsebene Mittlere Reife"};

const char* const kAnspruchsebeneWords[] = {"Hauptschule", "Realschule", "Gymnasium"};

const char* const kOverallGradeWords[] = {"sehr gut - mit Auszeichnung", "sehr gut", "gut",
                                          "befriedigend", "bestanden", "ausreichend"};

// Forms 15, 16, 115: form, title, phrase, words always, course letters, grade
// block, heading, sub-heading, seal strike-out of a year and of a half-year
// report, grade scale, footnote.
const std::array<TReportPageProfile, 3> kRegionalReportProfiles = {{
    {15, "Zeugnis", kRegionalPhrase, false, true, {RegionalGradeLines, 9, 8}, kRegionalHeading,
     kRegionalSubHeading, TSealOverprint::A, TSealOverprint::B, kRegionalScale, kRegionalFootnote},
    {16, "Übergangszeugnis", kRegionalPhrase, true, true, {RegionalGradeLines, 9, 8}, kRegionalHeading,
     kRegionalSubHeading, TSealOverprint::A, TSealOverprint::A, kRegionalScale, kRegionalFootnote},
    {115, "Zwischenzeugnis", kRegionalPhrase, false, true, {RegionalGradeLines, 9, 8}, kRegionalHeading,
     kRegionalSubHeading, TSealOverprint::B, TSealOverprint::B, kRegionalScale, kRegionalFootnote},
}};

// Forms 17 to 20: form, title, phrase, course letters, grade block, elective
// block, statement (fields 22 to 27), seal, its strike-out, grade scale, footnote.
const std::array<TFinalPageProfile, 4> kRegionalFinalProfiles = {{
    {17, "Abgangszeugnis", kRegionalPhrase, true, {RegionalGradeLines, 9, 8}, TElectiveBlock::Three,
     {Say(kLeavingSentence), kSexOverprintLine, Say("Jahrgangsstufe ____ der Regionalen Schule entlassen."),
      kJahrgangsstufeLine, kNoLine, kNoLine},
     kStempelSiegel, TSealOverprint::A, kRegionalScale, kRegionalFootnote},
    {18, "Abschlusszeugnis", kRegionalPhrase, true, {RegionalGradeLines, 8, 8}, TElectiveBlock::Four,
     {Say("hat erfolgreich am Unterricht der Jahrgangsstufe 9 teilgenommen und die"), kNoLine, Say("Berufsreife"),
      kNoLine, Say("erworben."), kNoLine},
     "Siegel", TSealOverprint::None, kRegionalScale, kRegionalFootnote},
    {19, "Abschlusszeugnis", kRegionalPhrase, true, {RegionalGradeLines, 9, 8}, TElectiveBlock::Four,
     {Say("hat erfolgreich am Unterricht der Jahrgangsstufe 9 und an einem Leistungsfeststellungsverfahren"),
      Say("gemäß § 16 Abs. 3 des Schulgesetzes des Landes Velsland teilgenommen und die"),
      Say("Berufsreife mit Leistungsfeststellung"), kNoLine, Say(kOverallGradeSentence), kOverallGradeLine},
     "Siegel", TSealOverprint::None, kRegionalScale, kRegionalFootnote},
    {20, "Abschlusszeugnis", kRegionalPhrase, false, {RegionalGradeLines, 9, 8}, TElectiveBlock::Four,
     {Say("hat erfolgreich an der Abschlussprüfung gemäß § 16 Abs. 4 des Schulgesetzes des Landes Velsland"),
      Say("teilgenommen und die"), Say("Mittlere Reife"), kNoLine, Say(kOverallGradeSentence), kOverallGradeLine},
     "Siegel", TSealOverprint::None, kRegionalScale, kRegionalFootnote},
}};

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// Prints a year-dependent text; nothing when it is nullptr.
void PrintYearText(TPageFrame& frame, const TYearText& text, int year, int field) {
  if (const char* t = TextForYear(text, year)) frame.Print(Utf8(t), field);
}

int SchoolYearOf(const TPupilRecord& pupil) { return YearFromText(pupil.SchoolYear.bytes()); }

void PrintFinalStatement(TPageFrame& frame, const TFinalStatement& statement) {
  if (!frame.ActiveOnPage(kFinalStatementField)) return;
  // Every line prints on the page of the statement's first field.
  const int page = frame.Field(kFinalStatementField).Page;
  for (int i = 0; i < kFinalStatementLines; ++i) {
    const TStatementLine& line = statement[static_cast<std::size_t>(i)];
    QString text;
    switch (line.Item) {
      case TStatementItem::None:
        continue;
      case TStatementItem::Text:
        text = Utf8(line.Text);
        break;
      case TStatementItem::SexOverprint: {
        // Over the line before it.
        const TStatementLine& sentence = statement[static_cast<std::size_t>(i > 0 ? i - 1 : 0)];
        const QString part = SexStrikePart(static_cast<std::int32_t>(frame.Pupil.Sex));
        if (part.isEmpty() || sentence.Item != TStatementItem::Text) continue;
        TFormField strike = frame.Field(kFinalStatementField + i);
        strike.Page = static_cast<std::uint16_t>(page);
        StrikeOverPart(frame.Canvas, Utf8(sentence.Text), frame.Field(kFinalStatementField + i - 1), part,
                       frame.FillChar, strike, page, frame.Origins);
        continue;
      }
      case TStatementItem::Jahrgangsstufe:
        text = frame.Pupil.Jahrgangsstufe.text();
        break;
      case TStatementItem::OverallGrade:
        text = OverallGradeWord(frame.Pupil.Gesamtpraedikat);
        break;
    }
    PrintField(frame.Canvas, text, frame.Field(kFinalStatementField + i), page, frame.Origins);
  }
}

// "Wahlpflichtunterricht", the half-year headings of the final pages, the
// elective block and its overall grade label.
void FinalElectiveSection(TPageFrame& frame, TElectiveBlock block, bool headings) {
  if (frame.ActiveOnPage(ffGradeBlock)) frame.Print(QStringLiteral("Wahlpflichtunterricht"), ffElectiveLabel);
  if (headings && frame.ActiveOnPage(ffElectiveFirstHalf)) {
    frame.Print(QStringLiteral("1. Halbjahr"), ffElectiveFirstHalf);
    frame.Print(QStringLiteral("2. Halbjahr"), ffElectiveSecondHalf);
  }
  if (frame.ActiveOnPage(ffElectiveBlock)) {
    if (block == TElectiveBlock::Three)
      PrintElectiveBlock3(frame.Canvas, frame.Pupil, frame.Fields, frame.Origins, frame.WordsFlag, frame.Page);
    else if (block == TElectiveBlock::Four)
      PrintElectiveBlock4(frame.Canvas, frame.Pupil, frame.Fields, frame.Origins, frame.WordsFlag, frame.Page);
  }
  frame.Print(QStringLiteral("Gesamtnote im Wahlpflichtunterricht"), ffOverallElectiveLabel);
}

void PrintAnspruchsebeneLine(TPageFrame& frame) {
  if (!frame.ActiveOnPage(ffAnspruchsebeneLine)) return;
  frame.Print(Utf8(kAnspruchsebeneSentence), ffAnspruchsebeneLine);
  frame.Print(AnspruchsebeneWord(frame.Pupil.AnspruchsebeneAll), ffAnspruchsebeneWord);
}

void PrintExplanatoryNotes(TPageFrame& frame, const TExplanatoryNotes& notes) {
  if (notes[0] == nullptr) return;
  frame.Print(QStringLiteral("Erläuterungen:"), ffNotesHeading);
  for (std::size_t i = 0; i < notes.size(); ++i)
    if (notes[i] != nullptr) frame.Print(Utf8(notes[i]), ffFirstNote + static_cast<int>(i));
}

void GradeScaleAndFootnote(TPageFrame& frame, const TYearText& scale, const TYearText& footnote, int year) {
  PrintYearText(frame, scale, year, ffGradeScale);
  PrintYearText(frame, footnote, year, ffFootnote);
}

}  // namespace

const char* TextForYear(const TYearText& text, int year) {
  return year < kNewTextsFromYear ? text.Before2007 : text.From2007;
}

QString OverallGradeWord(int gesamtpraedikat) {
  if (gesamtpraedikat >= 1 && gesamtpraedikat <= 6) return Utf8(kOverallGradeWords[gesamtpraedikat - 1]);
  return QStringLiteral("  - - - - - ");
}

QString AnspruchsebeneWord(int anspruchsebene) {
  if (anspruchsebene >= 1 && anspruchsebene <= 3) return Utf8(kAnspruchsebeneWords[anspruchsebene - 1]);
  return QStringLiteral("   - - - - -");
}

QString SexStrikePart(int sex) {
  switch (sex) {
    case 0:  // a boy
      return QStringLiteral("/ihrer");
    case 1:  // a girl
      return QStringLiteral("seiner/");
    default:
      return {};
  }
}

TGradeLineProfile RegionalGradeLineProfile(int rows, int firstFreeRow) {
  TGradeLineProfile profile;
  profile.Rows = rows;
  profile.FirstFreeRow = firstFreeRow;
  profile.LanguageRows = {{{2, "1. Fremdsprache"}, {rows >= 9 ? 3 : 0, "2. Fremdsprache"}}};
  profile.ReligionRow = rows;
  profile.CourseLetter = CourseLevelLetterRegS;
  return profile;
}

void RegionalGradeLines(platform::Canvas& canvas, const TPupilRecord& pupil, QChar fill, const PageOrigins& origins,
                        bool courseFlag, bool wordsFlag, int rows, int firstFreeRow, int page,
                        const TFormFieldTable& fields) {
  PrintGradeLines(canvas, pupil, fill, origins, courseFlag, wordsFlag, RegionalGradeLineProfile(rows, firstFreeRow),
                  page, fields);
}

const std::array<TReportPageProfile, 3>& RegionalReportProfiles() { return kRegionalReportProfiles; }
const std::array<TFinalPageProfile, 4>& RegionalFinalProfiles() { return kRegionalFinalProfiles; }
const TReportPageProfile& RegionalReportProfile(int form) { return ProfileOf(kRegionalReportProfiles, form); }
const TFinalPageProfile& RegionalFinalProfile(int form) { return ProfileOf(kRegionalFinalProfiles, form); }

void PrintReportPageByProfile(platform::Canvas& canvas, const TPupilRecord& pupil,
                              const TReportPageProfile& profile) {
  TPageFrame frame(canvas, pupil);
  frame.WordsFlag = profile.WordsAlways || PrintOptions.GradesInWords == 1;
  frame.CourseFlag = profile.CourseLetters;
  if (!frame.Begin()) return;
  const int year = SchoolYearOf(pupil);
  frame.SchoolName();
  if (profile.SchoolRuleLabel == nullptr)
    frame.SchoolRule();
  else if (frame.ActiveOnPage(ffSchoolRule))
    frame.SignatureRule(ffSchoolRule, Utf8(profile.SchoolRuleLabel));
  frame.TitleAndPhrase(Utf8(profile.Title), Utf8(profile.SchoolPhrase));
  frame.PeriodHeading();
  frame.NameBlock();
  frame.TransferBlock(Utf8(kTransferSentence));
  frame.Separator();
  frame.DevelopmentTextBlock(Utf8(TextForYear(profile.TextHeading, year)),
                             Utf8(TextForYear(profile.TextSubHeading, year)));
  frame.RemarksBlock();
  if (profile.GradePage) {
    frame.Page2Header();
    frame.GradesLabel();
    if (profile.AnspruchsebeneLine) PrintAnspruchsebeneLine(frame);
    frame.GradeBlock(profile.GradeLines);
  }
  frame.ElectiveSection(profile.Electives);
  frame.Absences(Utf8(kAbsenceSentence));
  frame.PlaceAndDate();
  frame.Seal(Utf8(kStempelSiegel), frame.HalfYear == 1 ? profile.SealHalfYear : profile.SealYear);
  frame.Signatures();
  PrintExplanatoryNotes(frame, profile.Notes);
  GradeScaleAndFootnote(frame, profile.GradeScale, profile.Footnote, year);
  frame.MarginImprint();
}

void PrintFinalPageByProfile(platform::Canvas& canvas, const TPupilRecord& pupil, const TFinalPageProfile& profile) {
  TPageFrame frame(canvas, pupil);
  frame.WordsFlag = true;
  frame.CourseFlag = profile.CourseLetters;
  if (!frame.Begin()) return;
  const int year = SchoolYearOf(pupil);
  frame.SchoolName();
  frame.SchoolRule();
  frame.TitleAndPhrase(Utf8(profile.Title), Utf8(profile.SchoolPhrase));
  if (profile.Heading == THeading::SchoolYear) frame.SchoolYearHeading();
  if (profile.Heading == THeading::Period) frame.PeriodHeading();
  frame.Arms();
  frame.NameSecondRule = profile.NameSecondRule;
  frame.NameBlock();
  PrintFinalStatement(frame, profile.Statement);
  frame.RemarksBlock();
  if (profile.Page2Header) frame.Page2Header();
  frame.Print(Utf8(profile.GradesHeading), profile.GradesHeadingField);
  if (profile.AnspruchsebeneLine) PrintAnspruchsebeneLine(frame);
  frame.GradeBlock(profile.GradeLines);
  FinalElectiveSection(frame, profile.Electives, profile.ElectiveHeadings);
  if (profile.Absences) frame.Absences(Utf8(kAbsenceSentence));
  frame.PlaceAndDate();
  frame.Seal(Utf8(profile.SealWords), profile.Seal);
  frame.Signatures(profile.Acknowledgement);
  PrintExplanatoryNotes(frame, profile.Notes);
  GradeScaleAndFootnote(frame, profile.GradeScale, profile.Footnote, year);
  frame.MarginImprint();
}

void PrintRegionalReportPage(platform::Canvas& canvas, const TPupilRecord& pupil) {
  PrintReportPageByProfile(canvas, pupil, RegionalReportProfile(ReportJob.FormNumber));
}

void PrintRegionalFinalPage(platform::Canvas& canvas, const TPupilRecord& pupil) {
  PrintFinalPageByProfile(canvas, pupil, RegionalFinalProfile(ReportJob.FormNumber));
}

}  // namespace quorv
