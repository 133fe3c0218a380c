#include "layouts/GrundschuleLayouts.h"

#include <gtest/gtest.h>

#include "layouts/DrawnPageGeometry.h"
#include "layouts/LayoutTestSupport.h"
#include "layouts/OutputWrappers.h"
#include "layouts/PrintJob.h"
#include "layouts/ShippedFormFiles.h"
#include "platform/RecordingCanvas.h"
#include "printengine/PrinterFonts.h"
#include "support/FixedPrinter.h"

using platform::CanvasOp;
using platform::MsgKind;
using platform::RecordedOp;
using quorv::ReportJob;
using quorv::TFormField;

namespace {

constexpr int kOx = 150;
constexpr int kOy = 150;
QPoint Pt(int x, int y) { return QPoint(kOx + x, -(kOy + y)); }
int FontHeight(int font) { return quorv::PrinterFontHeight(quorv::PrinterFont(font), 0); }

const QString kUpper = QStringLiteral("evangelische / katholische Religion /");
const QString kLower = QStringLiteral("Philosophieren mit Kindern");
const QString kScale =
    QStringLiteral("sehr gut (1), gut (2), befriedigend (3), ausreichend (4), mangelhaft (5), ungenügend (6)");

// Every field of the form on page 1 at a place of its own.
class GrundschulePageTest : public ::testing::Test {
 protected:
  GrundschulePageTest() : printer_(platform::DeviceCaps{}), fields_(testsupport::EveryFieldTable()) {
    pupil_ = testsupport::TestPupil();
    const char* names[9] = {"Deutsch", "Sachunterricht", "Mathematik", "evangelische Religion", "Kunst",
                            "Musik", "Sport", "Werken", "Englisch"};
    for (int i = 0; i < 9; ++i) {
      quorv::TSubjectEntry& e = pupil_.Subjects[static_cast<std::size_t>(i)];
      e.Name.setText(QString::fromUtf8(names[i]));
      e.Grade.set("2");
    }
    pupil_.Subjects[9].Name.set("Physik");  // slot 10: no right column
  }

  TFormField& F(int n) { return fields_[static_cast<std::size_t>(n)]; }
  // Puts the strike-out fields of the period and the seal on the lines of the
  // texts they strike.
  void StrikesOnTheirLines() {
    for (auto [strike, base] : {std::pair{9, 7}, {113, 112}}) {
      F(strike).Y = F(base).Y;
      F(strike).FontNumber = F(base).FontNumber;
    }
    F(8).Y = static_cast<std::uint16_t>(F(8).Y + 100);  // the school year clear of the period's line
  }
  QString Struck(const QString& text) const { return testsupport::StruckPart(canvas_, text); }

  void Draw(int form) {
    const quorv::FormFileChoice choice = quorv::LookupFormFile(form, 0, 0, 1);
    env_.writeFormFile(choice.FileName, choice.Description, fields_);
    quorv::ClearReportJob();
    ReportJob.Pupil = pupil_;
    ReportJob.FormNumber = static_cast<std::uint16_t>(form);
    ReportJob.CurrentPage = 1;
    ReportJob.OutputTarget = quorv::otPreview;
    quorv::LoadJobReportFormFile();
    canvas_.clear();
    quorv::PageRoutineOfForm(form)(canvas_, ReportJob.Pupil);
  }

  // The texts drawn at a point, in the order drawn.
  QStringList TextsAt(int x, int y) const {
    QStringList out;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text))
      if (op.P1 == Pt(x, y)) out << op.Text;
    return out;
  }
  QStringList TextsAtField(int n) { return TextsAt(F(n).X, F(n).Y); }
  const RecordedOp* TextAt(int x, int y, const QString& text) const {
    for (const RecordedOp& op : canvas_.ops())
      if (op.Op == CanvasOp::Text && op.P1 == Pt(x, y) && op.Text == text) return &op;
    return nullptr;
  }
  bool HasLine(int x1, int x2, int y) const {
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Line))
      if (op.P1 == Pt(x1, y) && op.P2 == Pt(x2 + 1, y)) return true;
    return false;
  }
  std::size_t GradeBoxes() const {
    std::size_t boxes = 0;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Rectangle))
      if (op.State.Brush.Style == platform::BrushStyle::Solid) ++boxes;
    return boxes;
  }
  int RowY(int r) { return F(32).Y + (r - 1) * F(40).Y; }
  int GradeX() { return F(32).X + F(34).X; }
  // The end of a no-subject rule: 5 mm before the grade box.
  int RuleEnd() { return GradeX() - quorv::kHalfGradeBox - 50; }

  testsupport::LayoutEnvironment env_;
  testsupport::FixedPrinter printer_;
  quorv::TFormFieldTable fields_;
  quorv::TPupilRecord pupil_;
  platform::RecordingCanvas canvas_;
};

TEST_F(GrundschulePageTest, TextsOfEachFormTheSameInEveryYear) {
  struct Case {
    int Form;
    const char* Title;
    bool Grades;
  };
  const Case cases[] = {{1, "Zeugnis", false}, {2, "Übergangszeugnis", false}, {3, "Zeugnis", true},
                        {4, "Übergangszeugnis", true}};
  for (const Case& c : cases) {
    for (const char* year : {"2006", "2007", "abc"}) {
      pupil_.SchoolYear.set(year);
      Draw(c.Form);
      EXPECT_EQ(TextsAtField(5), QStringList{QString::fromUtf8(c.Title)}) << c.Form;
      EXPECT_EQ(TextsAtField(14), QStringList{QStringLiteral("der Grundschule")}) << c.Form;
      // The short label 3 mm below the school's rule.
      EXPECT_EQ(TextsAt(F(4).X, F(4).Y + 30), QStringList{QStringLiteral("Name der Schule/Schulort")}) << c.Form;
      EXPECT_EQ(TextsAtField(65), QStringList{QStringLiteral("Lernentwicklungsbericht")}) << c.Form << year;
      EXPECT_EQ(TextsAtField(59), QStringList{QStringLiteral("(Leistungsstand sowie Sozial- und Arbeitsverhalten)")})
          << c.Form << year;
      EXPECT_EQ(TextsAtField(119), QStringList{QStringLiteral("Notenstufen:")}) << c.Form;
      EXPECT_EQ(TextsAtField(120), QStringList{kScale}) << c.Form;
      EXPECT_EQ(TextsAtField(95).size(), 1) << c.Form;  // wherever field 95 is active
      EXPECT_EQ(TextsAtField(30), c.Grades ? QStringList{QStringLiteral("Noten")} : QStringList{}) << c.Form;
    }
  }
}

TEST_F(GrundschulePageTest, NothingOfAGradePageOnFormsOneAndTwoNoElectivesOnAnyForm) {
  for (int form = 1; form <= 4; ++form) {
    const bool grades = form >= 3;
    Draw(form);
    EXPECT_EQ(GradeBoxes(), grades ? 9u : 0u) << form;
    for (int n : {30, 32, 126, 127}) EXPECT_EQ(TextsAtField(n).isEmpty(), !grades) << form << " field " << n;
    EXPECT_EQ(canvas_.findText(QStringLiteral("Physik")), nullptr) << form;
    for (const QString& text : {QStringLiteral("Name, Vorname"), QStringLiteral("Fremdsprache"), kUpper})
      EXPECT_EQ(canvas_.findText(text) != nullptr, grades) << form << " " << text.toStdString();
    // Fields 33 to 40 and 49 to 54 are offsets from the blocks' anchors.
    for (int n : {45, 48, 55, 56, 57}) EXPECT_TRUE(TextsAtField(n).isEmpty()) << form << " field " << n;
    for (const QString& text : {QStringLiteral("Wahlpflichtunterricht"), QStringLiteral("1. Halbjahr"),
                                QStringLiteral("Gesamtnote im Wahlpflichtunterricht")})
      EXPECT_EQ(canvas_.findText(text), nullptr) << form << " " << text.toStdString();
  }
}

TEST_F(GrundschulePageTest, SealAndPeriodStrikeOutsByFormAndHalfYear) {
  const char* sealA = "Stempel/";
  const char* sealB = "/Siegel";
  const char* halfYear = "/ Schuljahr";
  const char* year = "1. Schulhalbjahr /";
  struct Case {
    int Form;
    int HalfYear;
    const char* Seal;    // the struck parts
    const char* Period;
  };
  const Case cases[] = {{1, 0, sealA, year}, {1, 1, sealB, halfYear}, {2, 0, sealA, year}, {2, 1, sealA, halfYear},
                        {3, 0, sealA, year}, {3, 1, sealB, halfYear}, {4, 0, sealA, year}, {4, 1, sealA, halfYear}};
  StrikesOnTheirLines();
  for (const Case& c : cases) {
    pupil_.HalfYear = static_cast<std::uint16_t>(c.HalfYear);
    Draw(c.Form);
    EXPECT_EQ(TextsAtField(112), QStringList{QStringLiteral("Stempel/Siegel")}) << c.Form;
    EXPECT_EQ(Struck(QStringLiteral("Stempel/Siegel")).toStdString(), c.Seal) << c.Form << " " << c.HalfYear;
    EXPECT_EQ(Struck(QStringLiteral("über das 1. Schulhalbjahr / Schuljahr")).toStdString(), c.Period)
        << c.Form << " " << c.HalfYear;
  }
}

TEST_F(GrundschulePageTest, GradesInWordsAlwaysOnFormFourOnFormThreeByTheOption) {
  struct Case {
    int Form;
    int Option;
    const char* Grade;
  };
  const Case cases[] = {{3, 0, "2"}, {3, 1, "gut"}, {4, 0, "gut"}, {4, 1, "gut"}};
  for (const Case& c : cases) {
    quorv::PrintOptions.GradesInWords = static_cast<std::uint16_t>(c.Option);
    Draw(c.Form);
    for (int r = 1; r <= 9; ++r)
      EXPECT_NE(TextAt(GradeX(), RowY(r), QString::fromUtf8(c.Grade)), nullptr) << c.Form << " row " << r;
    // No course letters.
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text)) EXPECT_FALSE(op.Text.endsWith(QStringLiteral(")*")));
  }
}

TEST_F(GrundschulePageTest, LongGradeWordsAreSqueezedWithTheSmallerFontThenSpacingIsBack) {
  pupil_.Subjects[0].Grade.set("3");  // "befriedigend", 12 characters
  pupil_.Subjects[1].Grade.set("k");  // "nicht beurteilbar", 17
  pupil_.Subjects[2].Grade.set("e");  // "nicht erteilt", 13
  Draw(4);
  struct Case {
    int Row;
    const char* Text;
    int Extra;
    bool Smaller;
  };
  const Case cases[] = {{1, "befriedigend", 0, false}, {2, "nicht beurteilbar", -4, true}, {3, "nicht erteilt", 0, false}};
  const std::vector<RecordedOp> texts = canvas_.opsOf(CanvasOp::Text);
  for (const Case& c : cases) {
    std::size_t i = 0;
    while (i < texts.size() && !(texts[i].Text == QString::fromUtf8(c.Text) && texts[i].P1 == Pt(GradeX(), RowY(c.Row))))
      ++i;
    ASSERT_LT(i + 1, texts.size()) << c.Text;
    EXPECT_EQ(texts[i].State.CharacterExtra, c.Extra) << c.Text;
    const int font = c.Smaller ? quorv::SmallerFont(F(34).FontNumber) : F(34).FontNumber;
    EXPECT_EQ(texts[i].State.Font.Height, FontHeight(font)) << c.Text;
    // The spacing is back to 0 for the next row's grade.
    if (c.Extra != 0) {
      EXPECT_EQ(texts[i + 1].State.CharacterExtra, 0) << "after " << c.Text;
    }
  }
}

TEST_F(GrundschulePageTest, RowFourAlwaysPrintsTheReligionLinesStruckForThePupilsSubject) {
  struct Case {
    int Mode;  // ReligionLineMode
    const char* Name;
    const char* Row;    // at the row's baseline; nullptr: the two lines
    const char* Upper;  // the struck parts of the two lines
    const char* Lower;
  };
  const char* philosophy = "Philosophieren mit Kindern";
  const Case cases[] = {
      {0, "evangelische Religion", nullptr, "katholische", philosophy},
      {0, "katholische Religion", nullptr, "evangelische", philosophy},
      {0, "Philosophieren mit Kindern", nullptr, "evangelische / katholische Religion /", ""},
      {0, "Sport", nullptr, "", ""},
      {0, "???", nullptr, "", ""},
      {1, "Sport", "Sport", "", ""},
      {1, "???", nullptr, "", ""},
  };
  const int y = RowY(4);
  const int pitch = F(40).Y;
  for (const Case& c : cases) {
    quorv::PrintOptions.ReligionLineMode = static_cast<std::uint16_t>(c.Mode);
    pupil_.Subjects[3].Name.setText(QString::fromUtf8(c.Name));
    for (int form : {3, 4}) {
      Draw(form);
      const bool lines = c.Row == nullptr;
      EXPECT_EQ(TextsAt(F(32).X, y), lines ? QStringList{} : QStringList{QString::fromUtf8(c.Row)}) << c.Name;
      EXPECT_EQ(TextsAt(F(32).X, y - (3 * pitch) / 10), lines ? QStringList{kUpper} : QStringList{}) << c.Name;
      EXPECT_EQ(TextsAt(F(32).X, y + pitch / 10), lines ? QStringList{kLower} : QStringList{}) << c.Name;
      EXPECT_EQ(Struck(kUpper).toStdString(), c.Upper) << c.Name << " mode " << c.Mode;
      EXPECT_EQ(Struck(kLower).toStdString(), c.Lower) << c.Name << " mode " << c.Mode;
    }
  }
  // The strike-outs in field 33's font.
  quorv::PrintOptions.ReligionLineMode = 0;
  pupil_.Subjects[3].Name.setText(QStringLiteral("katholische Religion"));
  Draw(3);
  int fills = 0;
  for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text))
    if (op.Text.contains(QLatin1Char('#')) &&
        (op.P1.y() == Pt(0, y - (3 * pitch) / 10).y() || op.P1.y() == Pt(0, y + pitch / 10).y())) {
      EXPECT_EQ(op.State.Font.Height, FontHeight(F(33).FontNumber));
      ++fills;
    }
  EXPECT_GT(fills, 0);
  // A religion in another row prints the same wording there.
  pupil_.Subjects[3].Name.setText(QStringLiteral("Sport"));
  pupil_.Subjects[6].Name.setText(QStringLiteral("evangelische Religion"));
  Draw(3);
  EXPECT_EQ(TextsAt(F(32).X, RowY(7) - (3 * pitch) / 10), QStringList{kUpper});
  EXPECT_EQ(Struck(kUpper).toStdString(), "katholische");
}

TEST_F(GrundschulePageTest, RowNineIsTheLanguageRowWithItsLabelEvenWhenEmpty) {
  struct Case {
    const char* Name;
    int LabelX;  // field 33's X
  };
  const Case cases[] = {{"Englisch", 0}, {"???", 0}, {"Englisch", 250}, {"???", 250}};
  const int y = RowY(9);
  for (const Case& c : cases) {
    pupil_.Subjects[8].Name.setText(QString::fromUtf8(c.Name));
    F(33).X = static_cast<std::uint16_t>(c.LabelX);
    Draw(3);
    // The name as it is, in field 33's font.
    const RecordedOp* name = TextAt(F(32).X, y, QString::fromUtf8(c.Name));
    ASSERT_NE(name, nullptr) << c.Name;
    EXPECT_EQ(name->State.Font.Height, FontHeight(F(33).FontNumber));
    // The label below the name, or on the row at field 33's offset.
    const int labelX = F(32).X + c.LabelX;
    const int labelY = c.LabelX == 0 ? y + 30 : y;
    const RecordedOp* label = TextAt(labelX, labelY, QStringLiteral("Fremdsprache"));
    ASSERT_NE(label, nullptr) << c.Name << " " << c.LabelX;
    EXPECT_EQ(label->State.Font.Height, FontHeight(F(37).FontNumber));
    EXPECT_TRUE(HasLine(c.LabelX == 0 ? F(32).X : c.LabelX, RuleEnd(), y)) << c.Name << " " << c.LabelX;
    EXPECT_TRUE(TextsAt(F(32).X, y).filter(QStringLiteral("- - -")).isEmpty());
  }
}

TEST_F(GrundschulePageTest, EmptySlotsAndOtherRows) {
  pupil_.Subjects[1].Name.set("???");
  pupil_.Subjects[5].Name.set("  - - -");
  pupil_.Subjects[7].Name.set("Arbeit-Wirtschaft-Technik u. I");  // one line, as any name
  Draw(3);
  for (int r : {2, 6}) {
    EXPECT_EQ(TextsAt(F(32).X, RowY(r)), QStringList{QStringLiteral("  - - -")}) << r;
    EXPECT_TRUE(HasLine(F(32).X, RuleEnd(), RowY(r))) << r;
  }
  EXPECT_EQ(TextsAt(F(32).X, RowY(8)), QStringList{QStringLiteral("Arbeit-Wirtschaft-Technik u. I")});
  EXPECT_FALSE(HasLine(F(32).X, RuleEnd(), RowY(1)));
}

// ---- output wrappers --------------------------------------------------------------------------

class GrundschuleWrapperTest : public ::testing::Test {
 protected:
  GrundschuleWrapperTest() : printer_(platform::DeviceCaps{}) {
    testsupport::InstallCommittedFormFiles(env_.dir(), testsupport::GrundschuleFormFiles());
  }
  void Job(int form, int target) {
    quorv::ClearReportJob();
    ReportJob.Pupil = testsupport::TestPupil();
    ReportJob.FormNumber = static_cast<std::uint16_t>(form);
    ReportJob.OutputTarget = static_cast<std::uint16_t>(target);
    ReportJob.FirstPage = 1;
    ReportJob.LastPage = quorv::FindDispatchEntry(form)->Pages;
    ReportJob.CurrentPage = target == quorv::otPrinterReport ? 0 : 1;
  }
  testsupport::LayoutEnvironment env_;
  testsupport::FixedPrinter printer_;
};

// Titles by form and half year; forms 1 and 2 print one page and refuse
// the whole-report target, forms 3 and 4 print both pages in one document.
TEST_F(GrundschuleWrapperTest, TitlesTargetsAndPagesOfEachForm) {
  struct Case {
    const quorv::TOutputWrapper* Wrapper;
    void (*Output)();
    int Form;
    int HalfYear;
    int Target;
    int Pages;  // 0: refused
    const char* Title;
  };
  const Case cases[] = {
      {&quorv::kGrundschuleClass1Report, quorv::OutputGrundschuleClass1Report, 1, 1, 2, 1, "Halbjahres-Zeugnis: "},
      {&quorv::kGrundschuleClass1Report, quorv::OutputGrundschuleClass1Report, 1, 0, 3, 0, "Jahres-Zeugnis: "},
      {&quorv::kGrundschuleClass1TransferReport, quorv::OutputGrundschuleClass1TransferReport, 2, 1, 2, 1,
       "Übergangs-Zeugnis: "},
      {&quorv::kGrundschuleClass1TransferReport, quorv::OutputGrundschuleClass1TransferReport, 2, 0, 3, 0,
       "Übergangs-Zeugnis: "},
      {&quorv::kGrundschuleReport, quorv::OutputGrundschuleReport, 3, 0, 3, 2, "Jahres-Zeugnis: "},
      {&quorv::kGrundschuleReport, quorv::OutputGrundschuleReport, 3, 1, 2, 1, "Halbjahres-Zeugnis: "},
      {&quorv::kGrundschuleTransferReport, quorv::OutputGrundschuleTransferReport, 4, 1, 3, 2, "Übergangs-Zeugnis: "},
  };
  for (const Case& c : cases) {
    testsupport::ScriptedMessages msgs;
    if (c.Pages == 0)
      msgs.expect(quorv::kWrongTargetMessage, MsgKind::Information);
    else
      msgs.expectPrefix(testsupport::kPdfNotice, MsgKind::Information);
    Job(c.Form, c.Target);
    ReportJob.Pupil.HalfYear = static_cast<std::uint16_t>(c.HalfYear);
    const QString title = QString::fromUtf8(c.Title) + QStringLiteral("Anna Muster");
    EXPECT_EQ(quorv::DocumentTitle(*c.Wrapper, ReportJob), title);
    c.Output();
    EXPECT_TRUE(msgs.allAnswered()) << c.Form;
    const QStringList files = testsupport::AnnouncedPdfFiles(msgs.shown());
    ASSERT_EQ(files.size(), c.Pages == 0 ? 0 : 1) << c.Form;
    if (c.Pages > 0 && testsupport::HavePdfInfo()) {
      const testsupport::PdfInfo info = testsupport::ReadPdfInfo(files[0]);
      EXPECT_EQ(info.Pages, c.Pages) << c.Form;
      EXPECT_EQ(info.Title, title) << c.Form;
    }
  }
}

// ---- the shipped files ------------------------------------------------------------------------

TEST(GrundschuleShippedForms, EveryTextOfAFullyFilledReportIsPrintedOnTheFormsPages) {
  testsupport::LayoutEnvironment env;
  testsupport::FixedPrinter printer(platform::DeviceCaps{});
  quorv::SchoolSettings.SchoolNameAddress.setText(testsupport::LongSchoolName());
  testsupport::InstallCommittedFormFiles(env.dir(), testsupport::GrundschuleFormFiles());
  const QString transfer = QString::fromUtf8(quorv::kTransferSentence);
  for (int form = 1; form <= 4; ++form) {
    const bool grades = form >= 3;
    const bool isTransfer = form == 2 || form == 4;
    const quorv::TPupilRecord pupil = testsupport::FullyFilledPupil(form, 1, 1, QStringLiteral("2007"));
    QStringList drawn;
    for (int page = 1; page <= quorv::FindDispatchEntry(form)->Pages; ++page) {
      quorv::ClearReportJob();
      ReportJob.Pupil = pupil;
      ReportJob.FormNumber = static_cast<std::uint16_t>(form);
      ReportJob.CurrentPage = static_cast<std::uint16_t>(page);
      ReportJob.OutputTarget = quorv::otPrinterReport;
      quorv::LoadJobReportFormFile();
      platform::RecordingCanvas canvas;
      quorv::PageRoutineOfForm(form)(canvas, ReportJob.Pupil);
      for (const RecordedOp& op : canvas.opsOf(CanvasOp::Text)) drawn << op.Text;
      for (const testsupport::StruckText& t : testsupport::StruckTexts(canvas, QLatin1Char('#')))
        drawn << QStringLiteral("struck: ") + t.Part;
    }
    QStringList expected = {testsupport::LongSchoolName(), QStringLiteral("Name der Schule/Schulort"),
                            QStringLiteral("der Grundschule"), QStringLiteral("über das 1. Schulhalbjahr / Schuljahr"),
                            QStringLiteral("2007 / 2008"), QStringLiteral("struck: / Schuljahr"),
                            QStringLiteral("Vorname und Name"),
                            QStringLiteral("Marie-Christin Annabell Sophie von Württemberg-Hohenlohe-Orth"),
                            QStringLiteral("28.02.1998"), QStringLiteral("geb. am: "), QStringLiteral("10R/b"),
                            QStringLiteral("Klasse: "), QStringLiteral("Lernentwicklungsbericht"),
                            QStringLiteral("(Leistungsstand sowie Sozial- und Arbeitsverhalten)"),
                            QStringLiteral("Vermerke:"), QString::fromUtf8(quorv::kAbsenceSentence),
                            QStringLiteral("105,5"), QStringLiteral("100,5"), QStringLiteral("Ort, Datum"),
                            QStringLiteral("Seestadt-Lindenhagen am Haffen, 15.7.2007"),
                            QStringLiteral("Schulleiter(in)"), QStringLiteral("Klassenlehrer(in)"),
                            QStringLiteral("Stempel/Siegel"),
                            // A half-year report keeps "Stempel" but on the transfer reports.
                            isTransfer ? QStringLiteral("struck: Stempel/") : QStringLiteral("struck: /Siegel"),
                            QStringLiteral("Empfangsbestätigung:"),
                            QStringLiteral("Erziehungsberechtigte"),
                            QStringLiteral("Quorv V.3.x. / ") + testsupport::LongSchoolName().left(49)};
    // Only the transfer reports hold the transfer block.
    const QStringList transferBlock = {transfer, QStringLiteral("struck: /Der Schüler"), QStringLiteral("Schule bzw. Schulart"),
                                       QStringLiteral("Berufliche Schule Seestadt-Süd")};
    // The grade page: religion in slot 4 (evangelische Religion), the language in slot 9.
    const QStringList gradePage = {QStringLiteral("Name, Vorname"), QStringLiteral("Noten"), kUpper, kLower,
                                   QStringLiteral("struck: katholische"),
                                   QStringLiteral("struck: Philosophieren mit Kindern"), QStringLiteral("Französisch"),
                                   QStringLiteral("Fremdsprache"), QStringLiteral("Notenstufen:"), kScale};
    for (const QString& text : expected) EXPECT_TRUE(drawn.contains(text)) << form << ": " << text.toStdString();
    for (const QString& text : transferBlock)
      EXPECT_EQ(drawn.contains(text), isTransfer) << form << ": " << text.toStdString();
    for (const QString& text : gradePage) EXPECT_EQ(drawn.contains(text), grades) << form << ": " << text.toStdString();
    // A grade in each of the nine rows.
    EXPECT_EQ(drawn.count(QStringLiteral("nicht teilgenommen")), grades ? 9 : 0) << form;
    EXPECT_EQ(drawn.filter(QStringLiteral("Marie-Christin arbeitet im Unterricht")).size() >= 2, true) << form;
  }
}

}  // namespace
