#include "layouts/GrundschuleLayouts.h"

#include "layouts/PrintJob.h"

namespace quorv {

namespace {

constexpr int kGradeRows = 9;
constexpr int kLanguageRow = 9;
constexpr int kReligionRow = 4;

constexpr const char* kPhrase = "der Grundschule";
TReportPageProfile Profile(int form, const char* title, bool wordsAlways, bool gradePage, TSealOverprint sealYear,
                           TSealOverprint sealHalfYear) {
  TReportPageProfile p{form,     title,    kPhrase,  wordsAlways, false,  {GrundschuleGradeLines, kGradeRows, 0},
                       kTextHeading, kTextSubHeading, sealYear, sealHalfYear, kScaleLabel, kScaleSteps};
  p.SchoolRuleLabel = kGrundschuleSchoolRuleLabel;
  p.GradePage = gradePage;
  p.Electives = TElectiveBlock::None;
  return p;
}

// Form, title, grades always in words, grade page, seal strike-out of a year
// and of a half-year report.
const std::array<TReportPageProfile, 4> kProfiles = {{
    Profile(1, "Zeugnis", false, false, TSealOverprint::A, TSealOverprint::B),
    Profile(2, "Übergangszeugnis", false, false, TSealOverprint::A, TSealOverprint::A),
    Profile(3, "Zeugnis", false, true, TSealOverprint::A, TSealOverprint::B),
    Profile(4, "Übergangszeugnis", true, true, TSealOverprint::A, TSealOverprint::A),
}};

}  // namespace

TGradeLineProfile GrundschuleGradeLineProfile(int rows) {
  TGradeLineProfile profile;
  profile.Rows = rows;
  profile.FirstFreeRow = 0;  // no right column
  profile.LanguageRows = {{{kLanguageRow, "Fremdsprache"}, {0, nullptr}}};
  profile.ReligionRow = kReligionRow;
  profile.ReligionLine = TReligionLine::Primary;
  profile.AwtTwoLines = false;
  profile.CourseLetter = nullptr;
  return profile;
}

void GrundschuleGradeLines(platform::Canvas& canvas, const TPupilRecord& pupil, QChar fill,
                           const PageOrigins& origins, bool /*courseFlag: no course letters*/, bool wordsFlag,
                           int rows, int /*firstFreeRow: no right column*/, int page, const TFormFieldTable& fields) {
  PrintGradeLines(canvas, pupil, fill, origins, false, wordsFlag, GrundschuleGradeLineProfile(rows), page, fields);
}

const std::array<TReportPageProfile, 4>& GrundschuleProfiles() { return kProfiles; }

const TReportPageProfile& GrundschuleProfile(int form) {
  for (const TReportPageProfile& p : kProfiles)
    if (p.Form == form) return p;
  return kProfiles.front();
}

// Each routine draws its own pages only: Klassenstufe 1 never gets a grade page.
void PrintGrundschuleClass1Page(platform::Canvas& canvas, const TPupilRecord& pupil) {
  PrintReportPageByProfile(canvas, pupil, GrundschuleProfile(ReportJob.FormNumber == 2 ? 2 : 1));
}

void PrintGrundschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil) {
  PrintReportPageByProfile(canvas, pupil, GrundschuleProfile(ReportJob.FormNumber == 4 ? 4 : 3));
}

}  // namespace quorv
