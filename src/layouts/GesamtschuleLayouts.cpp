#include "layouts/GesamtschuleLayouts.h"

#include "layouts/PrintJob.h"
#include "records/GradeCodes.h"

namespace quorv {

namespace {

constexpr const char* kGesamtschulePhrase = "der Integrierten Gesamtschule";
constexpr const char* kOrientierungsstufePhrase = "der Orientierungsstufe";
constexpr const char* kCourseFootnote =
    "* B = Basiskurs auf der Anspruchsebene der Berufsreife, E = Erweiterungskurs auf der Anspruchsebene der "
    "Mittleren Reife, G = Gymnasialkurs";
constexpr TYearText kFootnote{kCourseFootnote, kCourseFootnote};

constexpr const char* kNoteNotByTypes =
    "1. In der Integrierten Gesamtschule wird der Unterricht nicht nach Schularten gegliedert.";
constexpr TExplanatoryNotes kClass56Notes{
    kNoteNotByTypes, "2. Naturwissenschaften umfasst den fächerverbindenden Unterricht in Physik und Biologie.",
    "3. Weltkunde umfasst den fächerverbindenden Unterricht in Geografie und Geschichte."};
constexpr TExplanatoryNotes kReportNotes{
    kNoteNotByTypes,
    "2. Naturwissenschaften umfasst in der Jahrgangsstufe 7 den fächerverbindenden Unterricht in Physik, Chemie "
    "und Biologie.",
    nullptr};
constexpr TExplanatoryNotes kLeavingNotes{kNoteNotByTypes, nullptr, nullptr};

// The rows of each form's grade block and its first free row on the right.
struct GradeBlockSize {
  int Form;
  int Rows;
  int FirstFreeRow;
};
constexpr GradeBlockSize kGradeBlockSizes[] = {
    {104, 9, 7}, {26, 6, 5}, {27, 9, 9}, {127, 9, 9}, {28, 9, 8}, {29, 9, 8},
};

// The fixed religion row of the left column; 0 = none.
int ReligionRowOfForm(int form) {
  switch (form) {
    case 26: return 6;
    case 104: return 0;
    default: return 9;
  }
}

TGradeBlock GradeLinesOfForm(int form) {
  for (const GradeBlockSize& s : kGradeBlockSizes)
    if (s.Form == form) return {GesamtschuleGradeLines, s.Rows, s.FirstFreeRow};
  return {GesamtschuleGradeLines, 9, 9};
}

// Forms 104, 26, 27, 29 and 127. Named members, so that knobs added to the
// profile keep their defaults here.
const std::array<TReportPageProfile, 5> kReportProfiles = {{
    {.Form = 104, .Title = "Zeugnis", .SchoolPhrase = kOrientierungsstufePhrase, .WordsAlways = false,
     .CourseLetters = false, .GradeLines = GradeLinesOfForm(104), .TextHeading = kTextHeading,
     .TextSubHeading = kTextSubHeading, .SealYear = TSealOverprint::A, .SealHalfYear = TSealOverprint::B,
     .GradeScale = kScaleLine, .Footnote = kNoText, .Electives = TElectiveBlock::None},
    {.Form = 26, .Title = "Zeugnis", .SchoolPhrase = kGesamtschulePhrase, .WordsAlways = false,
     .CourseLetters = false, .GradeLines = GradeLinesOfForm(26), .TextHeading = kTextHeading,
     .TextSubHeading = kTextSubHeading, .SealYear = TSealOverprint::A, .SealHalfYear = TSealOverprint::B,
     .GradeScale = kScaleLine, .Footnote = kNoText, .Electives = TElectiveBlock::None, .Notes = kClass56Notes},
    {.Form = 27, .Title = "Zeugnis", .SchoolPhrase = kGesamtschulePhrase, .WordsAlways = false,
     .CourseLetters = true, .GradeLines = GradeLinesOfForm(27), .TextHeading = kTextHeading,
     .TextSubHeading = kTextSubHeading, .SealYear = TSealOverprint::A, .SealHalfYear = TSealOverprint::B,
     .GradeScale = kScaleLine, .Footnote = kFootnote, .Electives = TElectiveBlock::Four, .AnspruchsebeneLine = true,
     .Notes = kReportNotes},
    {.Form = 29, .Title = "Übergangszeugnis", .SchoolPhrase = kGesamtschulePhrase, .WordsAlways = true,
     .CourseLetters = true, .GradeLines = GradeLinesOfForm(29), .TextHeading = kTextHeading,
     .TextSubHeading = kTextSubHeading, .SealYear = TSealOverprint::A, .SealHalfYear = TSealOverprint::A,
     .GradeScale = kScaleLine, .Footnote = kFootnote, .Electives = TElectiveBlock::Four, .AnspruchsebeneLine = true,
     .Notes = kReportNotes},
    {.Form = 127, .Title = "Zwischenzeugnis", .SchoolPhrase = kGesamtschulePhrase, .WordsAlways = false,
     .CourseLetters = true, .GradeLines = GradeLinesOfForm(127), .TextHeading = kTextHeading,
     .TextSubHeading = kTextSubHeading, .SealYear = TSealOverprint::B, .SealHalfYear = TSealOverprint::B,
     .GradeScale = kScaleLine, .Footnote = kFootnote, .Electives = TElectiveBlock::Four, .AnspruchsebeneLine = true,
     .Notes = kReportNotes},
}};

// Form 28: the leaving statement, three elective rows without half-year
// headings, no absences.
const TFinalPageProfile kLeavingProfile = {
    .Form = 28,
    .Title = "Abgangszeugnis",
    .SchoolPhrase = kGesamtschulePhrase,
    .CourseLetters = true,
    .GradeLines = GradeLinesOfForm(28),
    .Electives = TElectiveBlock::Four,
    .Statement = {Say(kGesamtschuleLeavingSentence), {TStatementItem::SexOverprint, nullptr},
                  Say("____ Jahrgangsstufe entlassen."), {TStatementItem::Jahrgangsstufe, nullptr},
                  {TStatementItem::None, nullptr}, {TStatementItem::None, nullptr}},
    .SealWords = kStempelSiegel,
    .Seal = TSealOverprint::A,
    .GradeScale = kScaleLine,
    .Footnote = kFootnote,
    .ElectiveHeadings = false,
    .Absences = false,
    .AnspruchsebeneLine = true,
    .Notes = kLeavingNotes,
};

}  // namespace

TGradeLineProfile GesamtschuleGradeLineProfile(int form, int rows, int firstFreeRow) {
  TGradeLineProfile profile;
  profile.Rows = rows;
  profile.FirstFreeRow = firstFreeRow;
  profile.ReligionRow = ReligionRowOfForm(form);
  profile.CourseLetter = CourseLevelLetterGesamt;
  profile.LanguageLabels = form != 26;
  return profile;
}

void GesamtschuleGradeLines(platform::Canvas& canvas, const TPupilRecord& pupil, QChar fill,
                            const PageOrigins& origins, bool courseFlag, bool wordsFlag, int rows, int firstFreeRow,
                            int page, const TFormFieldTable& fields) {
  PrintGradeLines(canvas, pupil, fill, origins, courseFlag, wordsFlag,
                  GesamtschuleGradeLineProfile(ReportJob.FormNumber, rows, firstFreeRow), page, fields);
}

const std::array<TReportPageProfile, 5>& GesamtschuleReportProfiles() { return kReportProfiles; }

const TReportPageProfile& GesamtschuleReportProfile(int form) {
  for (const TReportPageProfile& p : kReportProfiles)
    if (p.Form == form) return p;
  return GesamtschuleReportProfile(27);
}

const TFinalPageProfile& GesamtschuleLeavingProfile() { return kLeavingProfile; }

void PrintOrientierungsstufeReportPage(platform::Canvas& canvas, const TPupilRecord& pupil) {
  PrintReportPageByProfile(canvas, pupil, GesamtschuleReportProfile(104));
}

void PrintGesamtschuleClass56Page(platform::Canvas& canvas, const TPupilRecord& pupil) {
  PrintReportPageByProfile(canvas, pupil, GesamtschuleReportProfile(26));
}

void PrintGesamtschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil) {
  const int form = ReportJob.FormNumber;
  PrintReportPageByProfile(canvas, pupil, GesamtschuleReportProfile(form == 29 || form == 127 ? form : 27));
}

void PrintGesamtschuleLeavingPage(platform::Canvas& canvas, const TPupilRecord& pupil) {
  if (ReportJob.FormNumber == 28) {
    PrintFinalPageByProfile(canvas, pupil, kLeavingProfile);
    return;
  }
  // The leaving statement belongs to form 28 only.
  TFinalPageProfile profile = kLeavingProfile;
  for (TStatementLine& line : profile.Statement) line = {TStatementItem::None, nullptr};
  PrintFinalPageByProfile(canvas, pupil, profile);
}

}  // namespace quorv
