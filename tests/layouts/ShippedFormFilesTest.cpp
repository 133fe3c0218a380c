// The form files the program ships: what the generator writes from their
// tables, and a fully filled report drawn from each of them is tidy on plain A4
// paper. Each form is also written as a PDF file into the build folder
// (tests/pdf/) for a person to look at.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>

#include "layouts/DrawnPageGeometry.h"
#include "layouts/LayoutTestSupport.h"
#include "layouts/OutputWrappers.h"
#include "layouts/PrintJob.h"
#include "layouts/CommittedFormFiles.h"
#include "layouts/ReceiptLayouts.h"
#include "platform/PainterCanvas.h"
#include "platform/RecordingCanvas.h"
#include "records/TextWrap.h"
#include "support/FixedPrinter.h"

namespace {

using formfiles::ShippedFormFile;

// The page origin of the default print options, and a printer's unprintable
// margin of 5 mm around an A4 sheet.
constexpr int kOrigin = 150;
constexpr int kUnprintable = 50;
constexpr int kSheetWidth = 2100;
constexpr int kSheetHeight = 2970;
constexpr int kSecondFrameInset = 10;

platform::DeviceCaps PlainA4Printer() {
  platform::DeviceCaps caps;  // A4 at 600 dpi, printable from the corner
  caps.NumColors = 256;
  return caps;
}

QStringList FormFileNames(const QString& folder) {
  return QDir(folder).entryList({QStringLiteral("*.FST")}, QDir::Files, QDir::Name);
}

// resources/ holds exactly the files the generator writes, byte for byte.
TEST(ShippedFormFiles, CommittedFilesAreWhatTheGeneratorWrites) {
  QTemporaryDir dir;
  const QString folder = dir.path() + '/';
  const formfiles::WrittenFormFiles written = formfiles::WriteShippedFormFiles(folder);
  ASSERT_FALSE(written.Error.failed());
  EXPECT_EQ(FormFileNames(folder), FormFileNames(testsupport::ResourcesDir()));
  for (const QString& name : FormFileNames(folder)) {
    QFile generated(folder + name);
    ASSERT_TRUE(generated.open(QIODevice::ReadOnly));
    EXPECT_EQ(testsupport::ReadCommittedFormFile(name), generated.readAll())
        << name.toStdString() << " differs from its table: cmake --build build --target formfiles writes it";
  }
}

TEST(ShippedFormFiles, EachIsTheFormsFileAndReadsBackInStep) {
  for (const ShippedFormFile& file : formfiles::ReportFormFiles()) {
    const quorv::FormFileChoice choice = quorv::LookupFormFile(file.Form, 0, 0, 1);
    EXPECT_EQ(file.FileName, choice.FileName);
    quorv::TFormFieldTable fields{};
    quorv::PresetFormFields(fields);
    QString title;
    const quorv::FormFileParse parse =
        quorv::ParseFormFile(testsupport::ReadCommittedFormFile(file.FileName), fields, title);
    EXPECT_TRUE(parse.InStep) << file.FileName.toStdString();
    EXPECT_EQ(parse.Error, quorv::FormFileErrorKind::None);
    EXPECT_EQ(title, choice.Description);
    EXPECT_EQ(std::memcmp(fields.data(), file.Fields.data(), sizeof fields), 0) << file.FileName.toStdString();
  }
}

// ---- drawing a fully filled pupil ------------------------------------------------------

struct PupilVariant {
  int Sex;
  int HalfYear;
  const char* SchoolYear;
  const char* Religion;  // nullptr: the pupil with long values
};

const PupilVariant kVariants[] = {
    {1, 0, "2006", "evangelische Religion"},
    {0, 1, "2007", "katholische Religion"},
    {1, 1, "2007", "Philosophieren mit Kindern"},
    {0, 0, "2006", "???"},
    {1, 0, "2005", "evangelische Religion"},  // the examination report with its 4th subject
    // A boy's and a girl's year and half-year reports with long values.
    {0, 0, "2006", nullptr},
    {1, 1, "2007", nullptr},
    {1, 0, "2007", nullptr},
    {0, 1, "2006", nullptr},
};
const PupilVariant kLongValues{0, 0, "2007", nullptr};

bool IsExamForm(int form) { return form == 24 || form == 25; }

// What the page routines' own rules leave untidy wherever a form file puts it,
// with the rule that makes it so.
struct Exemption {
  QRegularExpression Problem;
  const char* Rule;
};
const Exemption kExemptions[] = {
    {QRegularExpression(QStringLiteral(R"(^"\(.\)\*" \[[^\]]*\] beyond its rule)")),
     "a course letter on the rule of a language or free row: the grade-line frame ends the rule 5 mm before "
     "the grade box and sets the letter right-aligned 1 mm before the box in the grade's font, leaving it 4 mm; "
     "the narrowest letter, \"(B)*\" in the smallest font (Arial 3 mm), is 4.6 mm wide"},
};

// The problems no exemption covers.
QStringList Unexempted(const QStringList& problems) {
  QStringList left;
  for (const QString& p : problems)
    if (std::none_of(std::begin(kExemptions), std::end(kExemptions),
                     [&](const Exemption& e) { return e.Problem.match(p).hasMatch(); }))
      left << p;
  return left;
}

class ShippedFormDrawing : public ::testing::Test {
 protected:
  ShippedFormDrawing() : printer_(PlainA4Printer()) {
    quorv::SchoolSettings.SchoolNameAddress.setText(testsupport::LongSchoolName());
    testsupport::InstallCommittedFormFiles(env_.dir(), formfiles::ReportFormFiles());
    testsupport::InstallArmsPictures(env_.dir());
  }

  // The pages the form prints.
  static int Pages(int form) {
    const quorv::TDispatchEntry* entry = quorv::FindDispatchEntry(form);
    return entry != nullptr ? entry->Pages : 0;
  }

  // The examination report lists the subjects of the Gymnasium's report with
  // Physik as the 4th examination subject.
  static quorv::TPupilRecord Pupil(int form, const PupilVariant& v) {
    const int subjectsForm = IsExamForm(form) ? 21 : form;
    const QString year = QString::fromLatin1(v.SchoolYear);
    quorv::TPupilRecord p = v.Religion == nullptr
                                ? testsupport::LongValuesPupil(subjectsForm, v.Sex, v.HalfYear, year)
                                : testsupport::FullyFilledPupil(subjectsForm, v.Sex, v.HalfYear, year);
    p.FormNumber = form;
    if (v.Religion != nullptr)
      p.Subjects[static_cast<std::size_t>(testsupport::ReligionSlotOfForm(subjectsForm) - 1)].Name.setText(
          QString::fromUtf8(v.Religion));
    p.ExamDataPresent = 1;
    p.FourthExamSubject.set("Ph");
    p.ExamPassed = static_cast<std::uint16_t>(v.Sex);
    return p;
  }

  // Loads the job's form file as the output wrapper does and draws the page.
  void Draw(platform::Canvas& canvas, int form, const quorv::TPupilRecord& pupil, int page) {
    quorv::ClearReportJob();
    quorv::ReportJob.Pupil = pupil;
    quorv::ReportJob.FormNumber = static_cast<std::uint16_t>(form);
    quorv::ReportJob.CurrentPage = static_cast<std::uint16_t>(page);
    quorv::ReportJob.OutputTarget = quorv::otPrinterReport;
    // A Gymnasium takes its examination language from slot 2.
    quorv::SchoolSettings.SchoolType = IsExamForm(form) ? std::uint16_t{quorv::stGymnasium} : schoolType_;
    quorv::LoadJobReportFormFile();
    const quorv::TPageRoutine routine = quorv::PageRoutineOfForm(form);
    ASSERT_NE(routine, nullptr);
    routine(canvas, quorv::ReportJob.Pupil);
  }

  // Every page of the form, or of the learning-development report, drawn for the pupil.
  std::vector<platform::RecordingCanvas> DrawnPages(int form, const quorv::TPupilRecord& pupil) {
    std::vector<platform::RecordingCanvas> pages;
    for (int page = 1; page <= std::max(Pages(form), 1); ++page) {
      platform::RecordingCanvas& canvas = pages.emplace_back(PlainA4Printer());
      if (form == quorv::kLearningReportJob) {
        quorv::StartNewJob();
        quorv::LoadJobFormFile(quorv::kLearningReportFormFile, quorv::kLearningReportFormTitle);
        quorv::PrintLearningReports(canvas, pupil);
      } else {
        Draw(canvas, form, pupil, page);
      }
    }
    return pages;
  }

  // Every shipped report form and the learning-development report.
  static std::vector<int> FormsWithTexts() {
    std::vector<int> forms;
    for (const ShippedFormFile& file : formfiles::ReportFormFiles())
      for (const int form : testsupport::FormsOfShippedFile(file)) forms.push_back(form);
    forms.push_back(quorv::kLearningReportJob);
    return forms;
  }

  static testsupport::SheetLimits Limits(const ShippedFormFile& file) {
    const quorv::TFormField& topLeft = file.Fields[1];
    const quorv::TFormField& bottomRight = file.Fields[2];
    const testsupport::SheetRect frame{double(kOrigin + topLeft.X + kSecondFrameInset),
                                       double(kOrigin + topLeft.Y + kSecondFrameInset),
                                       double(kOrigin + bottomRight.X - kSecondFrameInset),
                                       double(kOrigin + bottomRight.Y - kSecondFrameInset)};
    return {frame,
            {kUnprintable, kUnprintable, kSheetWidth - kUnprintable, kSheetHeight - kUnprintable},
            &file.Fields,
            QPoint(kOrigin, kOrigin)};
  }

  testsupport::LayoutEnvironment env_;
  testsupport::FixedPrinter printer_;
  std::uint16_t schoolType_ = quorv::SchoolSettings.SchoolType;
};

// Fully filled reports, and reports with long values, are tidy on every form
// but for the exemptions.
TEST_F(ShippedFormDrawing, AFullyFilledReportIsTidyOnPlainA4) {
  for (const ShippedFormFile& file : formfiles::ReportFormFiles()) {
    for (const int form : testsupport::FormsOfShippedFile(file)) {
      for (const PupilVariant& v : kVariants) {
        const quorv::TPupilRecord pupil = Pupil(form, v);
        ASSERT_GE(Pages(form), 1) << file.FileName.toStdString();
        for (int page = 1; page <= Pages(form); ++page) {
          platform::RecordingCanvas canvas(PlainA4Printer());
          Draw(canvas, form, pupil, page);
          ASSERT_FALSE(canvas.opsOf(platform::CanvasOp::Text).empty());
          // The coat of arms on the page of its field.
          const quorv::TFormField& arms = file.Fields[121];
          EXPECT_EQ(canvas.opsOf(platform::CanvasOp::Picture).size(),
                    arms.Active == 1 && arms.Page == page ? 1u : 0u)
              << file.FileName.toStdString() << " page " << page;
          const QStringList problems = Unexempted(testsupport::PageProblems(canvas, Limits(file), QLatin1Char('#')));
          EXPECT_TRUE(problems.isEmpty()) << file.FileName.toStdString() << " form " << form << " page " << page
                                          << ", sex " << v.Sex << ", half year " << v.HalfYear << ", "
                                          << v.SchoolYear << ", " << (v.Religion ? v.Religion : "long values")
                                          << ":\n  "
                                          << problems.join(QStringLiteral("\n  ")).toStdString();
        }
      }
    }
  }
}

// The first word of text missing from the printed texts, or "" when the
// printed texts hold the whole text in order (line ends aside).
QString FirstMissingWord(const QStringList& printed, const QString& text) {
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  const QString all = printed.join(QString()).remove(blanks);
  QString prefix;
  for (const QString& word : text.split(blanks, Qt::SkipEmptyParts)) {
    prefix += word;
    if (!all.contains(prefix)) return word;
  }
  return {};
}

// The final reports print no development text.
bool PrintsDevelopmentText(int form) {
  for (const int final : {7, 8, 9, 12, 13, 14, 17, 18, 19, 20, 23, 24, 25, 28})
    if (form == final) return false;
  return true;
}

// A development text of 2000 and remarks of 500 characters print whole on
// every form that prints them, the learning-development report with its
// remarks included: running prose, and prose in 6 and 3 paragraphs.
TEST_F(ShippedFormDrawing, FullTextsPrintCompletely) {
  testsupport::InstallCommittedFormFiles(env_.dir(), formfiles::ReceiptFormFiles());
  quorv::PrintOptions.ConferencePrint = 1;
  const std::vector<int> forms = FormsWithTexts();
  const QString texts[][2] = {
      {testsupport::FullDevelopmentText(), testsupport::FullRemarksText()},
      {testsupport::DevelopmentTextInParagraphs(), testsupport::RemarksInParagraphs()},
  };
  for (const auto& [development, remarks] : texts) {
    for (const int form : forms) {
      quorv::TPupilRecord pupil = Pupil(form, kLongValues);
      quorv::WideStringToBuffer(development, pupil.DevelopmentText);
      quorv::WideStringToBuffer(remarks, pupil.RemarksText);
      QStringList printed;
      for (const platform::RecordingCanvas& canvas : DrawnPages(form, pupil))
        for (const platform::RecordedOp& op : canvas.opsOf(platform::CanvasOp::Text)) printed << op.Text;
      if (PrintsDevelopmentText(form)) {
        EXPECT_EQ(FirstMissingWord(printed, development).toStdString(), "") << "form " << form;
      }
      EXPECT_EQ(FirstMissingWord(printed, remarks).toStdString(), "") << "form " << form;
    }
  }
}

// The heights of the horizontal rules that pass x, in 0.1 mm down the sheet.
std::vector<double> RulesAt(const std::vector<testsupport::SheetRect>& lines, double x) {
  std::vector<double> ys;
  for (const testsupport::SheetRect& l : lines)
    if (l.Bottom - l.Top < 10 && l.Left <= x && x <= l.Right) ys.push_back((l.Top + l.Bottom) / 2);
  return ys;
}

const testsupport::DrawnText* TextStartingWith(const std::vector<testsupport::DrawnText>& texts,
                                               const QString& start) {
  const auto it = std::find_if(texts.begin(), texts.end(), [&](const auto& t) { return t.Text.startsWith(start); });
  return it == texts.end() ? nullptr : &*it;
}

// On the one-page Gymnasium reports place and date stand 4 mm or more below
// the last remarks rule (the top of their capitals), and the head teacher
// signs between the rule of place and date and the own rule with room to
// spare.
TEST_F(ShippedFormDrawing, PlaceAndDateClearOfTheRemarksWithRoomToSign) {
  const struct {
    int Form;
    double SignatureRoom;
  } forms[] = {{23, 130}, {24, 100}, {25, 100}};
  for (const auto& f : forms) {
    const quorv::TPupilRecord pupil = Pupil(f.Form, kLongValues);
    platform::RecordingCanvas canvas(PlainA4Printer());
    Draw(canvas, f.Form, pupil, 1);
    const std::vector<testsupport::DrawnText> texts = testsupport::DrawnTexts(canvas);
    const std::vector<testsupport::SheetRect> lines = testsupport::DrawnLines(canvas);
    const testsupport::DrawnText* remarks = TextStartingWith(texts, QStringLiteral("Vermerke:"));
    const testsupport::DrawnText* place = TextStartingWith(texts, pupil.IssuePlace.text() + QStringLiteral(", "));
    const testsupport::DrawnText* head = TextStartingWith(texts, QStringLiteral("Schulleiter(in)"));
    ASSERT_TRUE(remarks != nullptr && place != nullptr && head != nullptr) << f.Form;
    // The remarks rules run across the form between their label and the signatures.
    double lastRemarksRule = 0;
    for (const testsupport::SheetRect& l : lines)
      if (l.Right - l.Left > 1500 && l.Top > remarks->Body.Bottom && l.Bottom < head->Body.Top)
        lastRemarksRule = std::max(lastRemarksRule, (l.Top + l.Bottom) / 2);
    ASSERT_GT(lastRemarksRule, 0) << f.Form;
    EXPECT_GE(place->Body.Top - lastRemarksRule, 40) << "form " << f.Form;
    double placeRule = kSheetHeight;
    for (const double y : RulesAt(lines, place->Ink.Left))
      if (y >= place->Body.Bottom) placeRule = std::min(placeRule, y);
    double headRule = 0;
    for (const double y : RulesAt(lines, head->Ink.Left))
      if (y <= head->Body.Top) headRule = std::max(headRule, y);
    EXPECT_GE(headRule - placeRule, f.SignatureRoom) << "form " << f.Form;
  }
}

// Texts typed in capitals, and of wide letters, print on every form with no
// line past the end of its block (its rule's end; on the learning-development
// report the end of the header boxes) or off the sheet, and whatever of them
// the page leaves out is named.
TEST_F(ShippedFormDrawing, WideTextsStayInsideTheirBlocksAndWhatIsLeftOutIsNamed) {
  testsupport::InstallCommittedFormFiles(env_.dir(), formfiles::ReceiptFormFiles());
  quorv::PrintOptions.ConferencePrint = 1;
  const QString wide = QStringLiteral("Mit Mühe wimmeln warme Wellen im Wasser, wir wandern mit Mama und Wim am Wall. ");
  const QString texts[][2] = {
      {testsupport::FullDevelopmentText().toUpper(), testsupport::FullRemarksText().toUpper()},
      {testsupport::ProseOfSize(wide, quorv::kDevelopmentTextSize - 1),
       testsupport::ProseOfSize(wide, quorv::kRemarksTextSize - 1)},
  };
  const testsupport::SheetRect sheet{kUnprintable, kUnprintable, kSheetWidth - kUnprintable,
                                     kSheetHeight - kUnprintable};
  const auto named = [](quorv::TRecordText text) {
    return std::any_of(quorv::CutTexts().begin(), quorv::CutTexts().end(), [&](const quorv::TCutText& c) {
      return c.Text == text && (c.MissingLines > 0 || !c.LongWord.isEmpty());
    });
  };
  for (const auto& [development, remarks] : texts) {
    for (const int form : FormsWithTexts()) {
      quorv::TPupilRecord pupil = Pupil(form, kLongValues);
      quorv::WideStringToBuffer(development, pupil.DevelopmentText);
      quorv::WideStringToBuffer(remarks, pupil.RemarksText);
      quorv::ClearCutTexts();
      QStringList printed;
      for (const platform::RecordingCanvas& canvas : DrawnPages(form, pupil)) {
        const std::vector<testsupport::DrawnText> drawn = testsupport::DrawnTexts(canvas);
        const double blockEnd = kOrigin + quorv::FormFields[2].X - quorv::FormFields[1].X - quorv::PrintOptions.InnerMargin;
        for (const testsupport::DrawnText& t : drawn) {
          printed << t.Text;
          if (t.Text.trimmed().size() > 3 && (development.contains(t.Text) || remarks.contains(t.Text))) {
            EXPECT_LE(t.Ink.Right, blockEnd + 0.5) << "form " << form << ": " << t.Text.toStdString();
          }
        }
        EXPECT_EQ(Unexempted(testsupport::TextsBeyondTheirRules(canvas, drawn, QLatin1Char('#'))), QStringList())
            << "form " << form;
        EXPECT_EQ(testsupport::OutsideOf(drawn, {}, sheet), QStringList()) << "form " << form;
      }
      if (PrintsDevelopmentText(form) && !FirstMissingWord(printed, development).isEmpty()) {
        EXPECT_TRUE(named(quorv::TRecordText::Development)) << "form " << form;
      }
      if (!FirstMissingWord(printed, remarks).isEmpty()) {
        EXPECT_TRUE(named(quorv::TRecordText::Remarks)) << "form " << form;
      }
    }
  }
}

// On the forms with course letters, a language's name that would reach the
// letter of its row prints squeezed clear of it; ordinary names as they are.
TEST_F(ShippedFormDrawing, ALongLanguageNameIsSqueezedClearOfItsCourseLetter) {
  const struct {
    const char* Name;
    int Extra;
  } names[] = {{"Englisch", 0}, {"Französisch", 0}, {"Spanisch mit bilingualem Zweig", -4}};
  for (const int form : {15, 16, 17, 18, 19, 115, 27, 28, 29, 127}) {
    for (const auto& n : names) {
      quorv::TPupilRecord pupil = Pupil(form, kVariants[0]);
      pupil.Subjects[1].Name.setText(QString::fromUtf8(n.Name));
      bool found = false;
      for (int page = 1; page <= Pages(form); ++page) {
        platform::RecordingCanvas canvas(PlainA4Printer());
        Draw(canvas, form, pupil, page);
        const std::vector<testsupport::DrawnText> texts = testsupport::DrawnTexts(canvas);
        const auto name = std::find_if(texts.begin(), texts.end(), [&](const auto& t) { return t.Text == n.Name; });
        if (name == texts.end()) continue;
        const auto letter = std::find_if(texts.begin(), texts.end(), [&](const auto& t) {
          return t.Text.endsWith(QStringLiteral(")*")) && t.Op.P1.y() == name->Op.P1.y();
        });
        ASSERT_NE(letter, texts.end()) << form;
        EXPECT_EQ(name->Op.State.CharacterExtra, n.Extra) << form << " " << n.Name;
        EXPECT_LT(name->Ink.Right, letter->Ink.Left) << form << " " << n.Name;
        found = true;
      }
      EXPECT_TRUE(found) << form << " " << n.Name;
    }
  }
}

TEST_F(ShippedFormDrawing, EveryFormIsWrittenAsAPdfForALook) {
  const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/pdf/");
  ASSERT_TRUE(QDir().mkpath(folder));
  for (const ShippedFormFile& file : formfiles::ReportFormFiles()) {
    for (const int form : testsupport::FormsOfShippedFile(file)) {
      QString path = folder + QFileInfo(file.FileName).completeBaseName();
      if (form != file.Form) path += QStringLiteral("_%1").arg(form);
      path += QStringLiteral(".pdf");
      QPdfWriter writer(path);
      writer.setPageSize(QPageSize(QPageSize::A4));
      writer.setPageMargins(QMarginsF(0, 0, 0, 0));
      writer.setResolution(600);
      writer.setTitle(file.Title);
      QPainter painter(&writer);
      // The pupil with long values.
      const quorv::TPupilRecord pupil = Pupil(form, kLongValues);
      for (int page = 1; page <= Pages(form); ++page) {
        if (page > 1) writer.newPage();
        platform::PainterCanvas canvas(painter);
        canvas.SetMapMode(platform::MapMode::LoMetric);
        Draw(canvas, form, pupil, page);
      }
      painter.end();
      EXPECT_GT(QFileInfo(path).size(), 1000) << path.toStdString();
    }
  }
}

}  // namespace
