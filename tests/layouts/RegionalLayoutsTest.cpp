#include "layouts/RegionalLayouts.h"

#include <gtest/gtest.h>

#include <QImage>

#include "layouts/DrawnPageGeometry.h"
#include "layouts/LayoutTestSupport.h"
#include "layouts/OutputWrappers.h"
#include "layouts/PrintJob.h"
#include "layouts/CommittedFormFiles.h"
#include "platform/RecordingCanvas.h"
#include "printengine/PrinterFonts.h"
#include "records/GradeCodes.h"
#include "support/FixedPrinter.h"

using platform::CanvasOp;
using platform::RecordedOp;
using quorv::ReportJob;
using quorv::TFormField;
using testsupport::Field;

namespace {

// The default margins on a printer without an unprintable margin.
constexpr int kOx = 150;
constexpr int kOy = 150;
QPoint Pt(int x, int y) { return QPoint(kOx + x, -(kOy + y)); }
int FontHeight(int font) { return quorv::PrinterFontHeight(quorv::PrinterFont(font), 0); }

const QString kOldHeading = QStringLiteral("Lernentwicklungsbericht");
const QString kNewHeading = QStringLiteral("Gesamteinschätzung");
const QString kOldSubHeading = QStringLiteral("(Leistungsstand sowie Sozial- und Arbeitsverhalten)");
const QString kOldFootnote = QStringLiteral(
    "* B = Basiskurs auf der Anspruchsebene der Berufsreife, E = Erweiterungskurs auf der Anspruchsebene der "
    "Mittleren Reife");
const QString kNewFootnote = QStringLiteral("* B = Anspruchsebene Berufsreife, M = Anspruchsebene Mittlere Reife");
const QString kScale = QStringLiteral(
    "Notenstufen: sehr gut (1), gut (2), befriedigend (3), ausreichend (4), mangelhaft (5), ungenügend (6)");
// The struck parts of "Stempel/Siegel".
const QString kSealA = QStringLiteral("Stempel/");
const QString kSealB = QStringLiteral("/Siegel");

// Every field of the form printed on page 1 at a place of its own.
class RegionalPageTest : public ::testing::Test {
 protected:
  RegionalPageTest() : printer_(platform::DeviceCaps{}), fields_(testsupport::EveryFieldTable()) {
    pupil_ = testsupport::TestPupil();
    // Slots of form 15: Deutsch, two languages, ..., religion in slot 9.
    const char* names[18] = {"Deutsch", "Englisch", "Französisch", "Mathematik", "Geschichte", "Geografie",
                             "Sozialkunde", "Arbeit-Wirtschaft-Technik u. I", "???",
                             "Physik", "Chemie", "Biologie", "Astronomie", "Musik", "Kunst und Gestaltung",
                             "Sport", "Wirtschaft", "???"};
    for (int i = 0; i < 18; ++i) {
      quorv::TSubjectEntry& e = pupil_.Subjects[static_cast<std::size_t>(i)];
      e.Name.setText(QString::fromUtf8(names[i]));
      e.Grade.set("2");
      e.CourseLevel.set("-");
    }
  }

  TFormField& F(int n) { return fields_[static_cast<std::size_t>(n)]; }

  void Draw(int form, int page = 1) {
    const quorv::FormFileChoice choice = quorv::LookupFormFile(form, 0, 0, 1);
    env_.writeFormFile(choice.FileName, choice.Description, fields_);
    quorv::ClearReportJob();
    ReportJob.Pupil = pupil_;
    ReportJob.FormNumber = static_cast<std::uint16_t>(form);
    ReportJob.CurrentPage = static_cast<std::uint16_t>(page);
    ReportJob.OutputTarget = quorv::otPreview;
    quorv::LoadJobReportFormFile();
    canvas_.clear();
    quorv::PageRoutineOfForm(form)(canvas_, ReportJob.Pupil);
  }

  const RecordedOp* Text(const QString& text) const { return canvas_.findText(text); }
  std::vector<const RecordedOp*> Texts(const QString& text) const {
    std::vector<const RecordedOp*> out;
    for (const RecordedOp& op : canvas_.ops())
      if (op.Op == CanvasOp::Text && op.Text == text) out.push_back(&op);
    return out;
  }
  // The texts drawn at field n's point.
  QStringList TextsAt(int n) {
    QStringList out;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text))
      if (op.P1 == Pt(F(n).X, F(n).Y)) out << op.Text;
    return out;
  }
  // The part of text the fill strikes out.
  QString Struck(const QString& text) const { return testsupport::StruckPart(canvas_, text); }
  // The text is drawn at field n in the field's font.
  void ExpectAtField(const QString& text, int n) {
    const RecordedOp* op = Text(text);
    ASSERT_NE(op, nullptr) << text.toStdString();
    EXPECT_EQ(op->P1, Pt(F(n).X, F(n).Y)) << text.toStdString();
    EXPECT_EQ(op->State.Font.Height, FontHeight(F(n).FontNumber)) << text.toStdString();
  }
  // The grade block's row r of a column (0 left, 1 right).
  int RowY(int r) const { return fields_[32].Y + (r - 1) * fields_[40].Y; }
  int GradeX(int column) const { return fields_[32].X + fields_[column == 0 ? 34 : 38].X; }

  testsupport::LayoutEnvironment env_;
  testsupport::FixedPrinter printer_;
  quorv::TFormFieldTable fields_;
  quorv::TPupilRecord pupil_;
  platform::RecordingCanvas canvas_;
};

// ---- report pages: forms 15, 16, 115 ----------------------------------------------------

TEST_F(RegionalPageTest, ReportPagesPrintTheirTitleThePhraseAndThePeriodHeading) {
  struct Case {
    int Form;
    const char* Title;
  };
  const Case cases[] = {{15, "Zeugnis"}, {16, "Übergangszeugnis"}, {115, "Zwischenzeugnis"}};
  for (const Case& c : cases) {
    Draw(c.Form);
    ExpectAtField(QString::fromUtf8(c.Title), 5);
    ExpectAtField(QStringLiteral("der Regionalen Schule"), 14);
    ExpectAtField(QStringLiteral("über das 1. Schulhalbjahr / Schuljahr"), 7);
    ExpectAtField(QStringLiteral("2006 / 2007"), 8);
    ExpectAtField(QStringLiteral("Fehltage: _______ davon entschuldigt: _______"), 63);
    ExpectAtField(kScale, 119);
    // The transfer sentence prints wherever the form file makes field 95 active.
    ExpectAtField(QString::fromUtf8(quorv::kTransferSentence), 95);
    // A report page has no final statement and no coat of arms.
    EXPECT_TRUE(TextsAt(22).isEmpty()) << c.Form;
    EXPECT_TRUE(canvas_.opsOf(CanvasOp::Picture).empty());
  }
}

TEST_F(RegionalPageTest, TextsOfTheSchoolYearChangeFrom2007) {
  struct Case {
    const char* Year;
    QString Heading;
    QString SubHeading;
    QString Footnote;
  };
  const Case cases[] = {
      {"2006", kOldHeading, kOldSubHeading, kOldFootnote},
      {"06", kOldHeading, kOldSubHeading, kOldFootnote},
      {"abc", kOldHeading, kOldSubHeading, kOldFootnote},  // unreadable: before 2007
      {"???", kOldHeading, kOldSubHeading, kOldFootnote},
      {"2007", kNewHeading, QString(), kNewFootnote},
      {"7", kNewHeading, QString(), kNewFootnote},
      {"2012", kNewHeading, QString(), kNewFootnote},
  };
  for (const Case& c : cases) {
    pupil_.SchoolYear.set(c.Year);
    for (int form : {15, 16, 115}) {
      Draw(form);
      EXPECT_EQ(TextsAt(65), QStringList{c.Heading}) << c.Year << " " << form;
      // From 2007 the sub-heading is an empty text, which draws nothing.
      EXPECT_EQ(TextsAt(59), c.SubHeading.isEmpty() ? QStringList{} : QStringList{c.SubHeading})
          << c.Year << " " << form;
      EXPECT_EQ(TextsAt(120), QStringList{c.Footnote}) << c.Year << " " << form;
    }
    // The final pages print the footnote by the same rule, form 20 too.
    for (int form : {17, 18, 19, 20}) {
      Draw(form);
      EXPECT_EQ(TextsAt(120), QStringList{c.Footnote}) << c.Year << " " << form;
      EXPECT_TRUE(TextsAt(65).isEmpty());
    }
  }
}

TEST_F(RegionalPageTest, SealStrikesStempelOrSiegelByFormAndHalfYear) {
  struct Case {
    int Form;
    int HalfYear;
    const char* Words;
    QString Strike;  // empty: none
  };
  const Case cases[] = {
      {15, 0, "Stempel/Siegel", kSealA}, {15, 1, "Stempel/Siegel", kSealB}, {16, 0, "Stempel/Siegel", kSealA},
      {16, 1, "Stempel/Siegel", kSealA}, {115, 0, "Stempel/Siegel", kSealB}, {115, 1, "Stempel/Siegel", kSealB},
      {17, 0, "Stempel/Siegel", kSealA}, {17, 1, "Stempel/Siegel", kSealA}, {18, 0, "Siegel", QString()},
      {19, 1, "Siegel", QString()},      {20, 0, "Siegel", QString()},
  };
  testsupport::StrikesOnTheirLines(fields_);
  for (const Case& c : cases) {
    pupil_.HalfYear = static_cast<std::uint16_t>(c.HalfYear);
    Draw(c.Form);
    EXPECT_EQ(TextsAt(112), QStringList{QString::fromUtf8(c.Words)}) << c.Form << " " << c.HalfYear;
    EXPECT_EQ(Struck(QString::fromUtf8(c.Words)).toStdString(), c.Strike.toStdString()) << c.Form << " " << c.HalfYear;
    // The period heading strikes the other period on every report page.
    const QString period = c.HalfYear == 1 ? QStringLiteral("/ Schuljahr") : QStringLiteral("1. Schulhalbjahr /");
    EXPECT_EQ(Struck(QStringLiteral("über das 1. Schulhalbjahr / Schuljahr")),
              c.Form == 15 || c.Form == 16 || c.Form == 115 ? period : QString())
        << c.Form;
  }
}

TEST_F(RegionalPageTest, GradesAreInWordsOnTheTransferReportAndWhereTheOptionSaysSo) {
  struct Case {
    int Form;
    int Option;
    const char* Grade;
  };
  const Case cases[] = {{15, 0, "2"},   {115, 0, "2"},   {16, 0, "gut"}, {15, 1, "gut"},
                        {115, 1, "gut"}, {17, 0, "gut"}, {20, 0, "gut"}};
  for (const Case& c : cases) {
    quorv::PrintOptions.GradesInWords = static_cast<std::uint16_t>(c.Option);
    Draw(c.Form);
    const RecordedOp* deutsch = nullptr;
    const std::vector<RecordedOp> texts = canvas_.opsOf(CanvasOp::Text);
    for (const RecordedOp& op : texts)
      if (op.P1 == Pt(GradeX(0), RowY(1))) deutsch = &op;
    ASSERT_NE(deutsch, nullptr) << c.Form;
    EXPECT_EQ(deutsch->Text, QString::fromUtf8(c.Grade)) << c.Form << " " << c.Option;
  }
}

// ---- the grade block ----------------------------------------------------------------------

TEST_F(RegionalPageTest, CourseLettersPrintForTheFirstLanguageAndCourseSubjectsExceptOnForm20) {
  pupil_.Subjects[0].CourseLevel.set("E");   // Deutsch: M
  pupil_.Subjects[1].CourseLevel.set("H");   // first language: B
  pupil_.Subjects[2].CourseLevel.set("R");   // second language: no course letter
  pupil_.Subjects[3].CourseLevel.set("G");   // Mathematik: a level it does not know
  pupil_.Subjects[9].CourseLevel.set("b");   // Physik, right column
  pupil_.Subjects[4].CourseLevel.set("M");   // Geschichte has no course levels
  const int letterLeft = GradeX(0) - quorv::kHalfGradeBox - 10;
  const int letterRight = GradeX(1) - quorv::kHalfGradeBox - 10;
  struct Letter {
    int X;
    int Row;
    const char* Text;
  };
  const Letter expected[] = {
      {letterLeft, 1, "(M)*"}, {letterLeft, 2, "(B)*"}, {letterLeft, 4, "(-)*"}, {letterRight, 1, "(B)*"},
      {letterRight, 2, "(-)*"},  // Chemie
  };
  for (int form : {15, 16, 115, 17, 18, 19, 20}) {
    for (const char* year : {"2006", "2007"}) {
      pupil_.SchoolYear.set(year);
      Draw(form);
      QStringList letters;
      for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text))
        if (op.Text.startsWith(QLatin1Char('(')) && op.Text.endsWith(QStringLiteral(")*"))) letters << op.Text;
      if (form == 20) {
        EXPECT_TRUE(letters.isEmpty()) << year;
        continue;
      }
      ASSERT_EQ(letters.size(), 5) << form << " " << year;
      for (const Letter& l : expected) {
        const RecordedOp* found = nullptr;
        const std::vector<RecordedOp> texts = canvas_.opsOf(CanvasOp::Text);
        for (const RecordedOp& op : texts)
          if (op.P1 == Pt(l.X, RowY(l.Row)) && op.Text.endsWith(QStringLiteral(")*"))) found = &op;
        ASSERT_NE(found, nullptr) << form << " row " << l.Row;
        EXPECT_EQ(found->Text, QString::fromLatin1(l.Text)) << form << " row " << l.Row;
        EXPECT_EQ(found->State.TextAlign, quorv::FieldTextAlign(quorv::kAlignRight));
      }
    }
  }
}

TEST_F(RegionalPageTest, LanguageRowsAndTheReligionRowByForm) {
  // Form 18 has eight rows: slot 3 is an ordinary subject, slot 8 the religion row.
  struct Case {
    int Form;
    bool SecondLanguage;
    int ReligionRow;
    int Rows;
  };
  const Case cases[] = {{15, true, 9, 9}, {16, true, 9, 9}, {115, true, 9, 9}, {17, true, 9, 9},
                        {18, false, 8, 8}, {19, true, 9, 9}, {20, true, 9, 9}};
  for (const Case& c : cases) {
    quorv::TPupilRecord p = pupil_;
    p.Subjects[7].Name.set(c.ReligionRow == 8 ? "???" : "Hauswirtschaft");
    pupil_ = p;
    Draw(c.Form);
    EXPECT_EQ(Texts(QStringLiteral("1. Fremdsprache")).size(), 1u) << c.Form;
    EXPECT_EQ(Texts(QStringLiteral("2. Fremdsprache")).size(), c.SecondLanguage ? 1u : 0u) << c.Form;
    // The religion alternatives on the religion row, whose slot holds "???".
    const RecordedOp* upper = Text(QStringLiteral("ev. / kath. Religion /"));
    ASSERT_NE(upper, nullptr) << c.Form;
    const int pitch = F(40).Y;
    EXPECT_EQ(upper->P1, Pt(F(32).X, RowY(c.ReligionRow) - (3 * pitch) / 10)) << c.Form;
    EXPECT_EQ(Texts(QStringLiteral("ev. / kath. Religion /")).size(), 1u) << c.Form;
    // Form 18 prints slot 3 as a plain row, and neither slot 9 nor slot 18.
    if (!c.SecondLanguage) {
      const RecordedOp* french = Text(QStringLiteral("Französisch"));
      ASSERT_NE(french, nullptr);
      EXPECT_EQ(french->P1, Pt(F(32).X, RowY(3)));
      EXPECT_EQ(french->State.Font.Height, FontHeight(F(32).FontNumber));
    }
    // The grade boxes: R rows in each column.
    std::size_t boxes = 0;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Rectangle))
      if (op.State.Brush.Style == platform::BrushStyle::Solid) ++boxes;
    EXPECT_EQ(boxes, static_cast<std::size_t>(2 * c.Rows + 1)) << c.Form;  // and the overall elective grade
  }
}

TEST_F(RegionalPageTest, FreeRowsOfTheRightColumnAreTypedOnARuleAndLongNamesSqueezed) {
  pupil_.Subjects[16].Name.set("Wirtschaft und Verwaltung (PC)");  // 30 characters, row 8
  pupil_.Subjects[17].Name.set("Darstellendes Spiel");              // 19 characters, row 9
  pupil_.Subjects[15].Name.set("Sport und Spiel im Verein");        // row 7: an ordinary row
  Draw(15);
  struct Case {
    const char* Name;
    int Row;
    int Font;
    int Extra;
  };
  const Case cases[] = {{"Wirtschaft und Verwalt", 8, F(33).FontNumber, -4},
                        {"Darstellendes Spiel", 9, F(33).FontNumber, 0},
                        {"Sport und Spiel im Verein", 7, F(32).FontNumber, 0}};
  for (const Case& c : cases) {
    const RecordedOp* op = nullptr;
    const std::vector<RecordedOp> texts = canvas_.opsOf(CanvasOp::Text);
    for (const RecordedOp& o : texts)
      if (o.Text.startsWith(QString::fromUtf8(c.Name))) op = &o;
    ASSERT_NE(op, nullptr) << c.Name;
    EXPECT_EQ(op->P1, Pt(F(32).X + F(36).X, RowY(c.Row))) << c.Name;
    EXPECT_EQ(op->State.Font.Height, FontHeight(c.Font)) << c.Name;
    EXPECT_EQ(op->State.CharacterExtra, c.Extra) << c.Name;
  }
}

TEST_F(RegionalPageTest, LongGradeWordsAreSqueezedAndGetTheSmallerFont) {
  pupil_.Subjects[0].Grade.set("n");  // "nicht teilgenommen", 18 characters
  pupil_.Subjects[1].Grade.set("k");  // "nicht beurteilbar", 17
  pupil_.Subjects[3].Grade.set("e");  // "nicht erteilt", 13
  pupil_.Subjects[4].Grade.set("3");  // "befriedigend"
  Draw(17);  // words always
  struct Case {
    const char* Text;
    int Extra;
    bool Smaller;
  };
  const Case cases[] = {{"nicht teilgenommen", -4, true},
                        {"nicht beurteilbar", -4, true},
                        {"nicht erteilt", 0, false},
                        {"befriedigend", 0, false}};
  for (const Case& c : cases) {
    const RecordedOp* op = Text(QString::fromUtf8(c.Text));
    ASSERT_NE(op, nullptr) << c.Text;
    EXPECT_EQ(op->State.CharacterExtra, c.Extra) << c.Text;
    const int font = c.Smaller ? quorv::SmallerFont(F(34).FontNumber) : F(34).FontNumber;
    EXPECT_EQ(op->State.Font.Height, FontHeight(font)) << c.Text;
  }
}

// ---- electives --------------------------------------------------------------------------

TEST_F(RegionalPageTest, ElectiveBlocksByFormAndTheHalfYearHeadingsOfTheFinalPages) {
  for (int i = 18; i < 24; ++i) {
    pupil_.Subjects[static_cast<std::size_t>(i)].Name.setText(QStringLiteral("Wahlfach %1").arg(i + 1));
    pupil_.Subjects[static_cast<std::size_t>(i)].Grade.set("1");
  }
  struct Case {
    int Form;
    int Rows;
    bool RowLabels;      // "1. Halbjahr" under the rows of the three-row block
    bool ColumnHeadings;  // fields 46 and 47
  };
  const Case cases[] = {{15, 2, true, false}, {16, 2, true, false}, {115, 2, true, false}, {17, 2, true, true},
                        {18, 3, false, true}, {19, 3, false, true}, {20, 3, false, true}};
  for (const Case& c : cases) {
    Draw(c.Form);
    int names = 0;
    for (int slot = 19; slot <= 24; ++slot)
      if (Text(QStringLiteral("Wahlfach %1").arg(slot)) != nullptr) ++names;
    EXPECT_EQ(names, 2 * c.Rows) << c.Form;
    const QStringList first = TextsAt(46);
    EXPECT_EQ(first, c.ColumnHeadings ? QStringList{QStringLiteral("1. Halbjahr")} : QStringList{}) << c.Form;
    EXPECT_EQ(TextsAt(47), c.ColumnHeadings ? QStringList{QStringLiteral("2. Halbjahr")} : QStringList{}) << c.Form;
    const std::size_t rowLabels = Texts(QStringLiteral("1. Halbjahr")).size() - (c.ColumnHeadings ? 1 : 0);
    EXPECT_EQ(rowLabels, c.RowLabels ? 1u : 0u) << c.Form;
    ExpectAtField(QStringLiteral("Wahlpflichtunterricht"), 45);
    ExpectAtField(QStringLiteral("Gesamtnote im Wahlpflichtunterricht"), 55);
  }
  // Without field 46 active the final page leaves out both headings.
  F(46).Active = 0;
  Draw(19);
  EXPECT_TRUE(TextsAt(47).isEmpty());
}

// ---- final pages: forms 17 to 20 ----------------------------------------------------------

TEST_F(RegionalPageTest, FinalPagesPrintTheirTitleTheSchoolYearAndNoReportTexts) {
  struct Case {
    int Form;
    const char* Title;
  };
  const Case cases[] = {{17, "Abgangszeugnis"}, {18, "Abschlusszeugnis"}, {19, "Abschlusszeugnis"},
                        {20, "Abschlusszeugnis"}};
  for (const Case& c : cases) {
    Draw(c.Form);
    ExpectAtField(QString::fromUtf8(c.Title), 5);
    ExpectAtField(QStringLiteral("der Regionalen Schule"), 14);
    ExpectAtField(QStringLiteral("Schuljahr"), 7);
    ExpectAtField(QStringLiteral("2006 / 2007"), 8);
    EXPECT_TRUE(TextsAt(9).isEmpty()) << c.Form;
    ExpectAtField(QStringLiteral("Vermerke:"), 68);
    // No transfer sentence, separator or development text.
    EXPECT_TRUE(TextsAt(95).isEmpty()) << c.Form;
    EXPECT_TRUE(TextsAt(65).isEmpty()) << c.Form;
    EXPECT_TRUE(TextsAt(66).isEmpty()) << c.Form;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Line))
      EXPECT_NE(op.P1.y(), -(kOy + F(41).Y)) << c.Form;
  }
}

TEST_F(RegionalPageTest, FinalStatementOfEachForm) {
  pupil_.Jahrgangsstufe.set("9");
  pupil_.Gesamtpraedikat = 3;
  pupil_.Sex = 1;  // "seiner" struck on form 17
  struct Case {
    int Form;
    std::array<const char*, 6> Lines;  // fields 22 to 27; nullptr: nothing
  };
  const Case cases[] = {
      {17,
       {"wird nach Erfüllung seiner/ihrer Pflicht zum neunjährigen Besuch allgemein bildender Schulen aus der",
        nullptr, "Jahrgangsstufe ____ der Regionalen Schule entlassen.", "9", nullptr, nullptr}},
      {18,
       {"hat erfolgreich am Unterricht der Jahrgangsstufe 9 teilgenommen und die", nullptr, "Berufsreife", nullptr,
        "erworben.", nullptr}},
      {19,
       {"hat erfolgreich am Unterricht der Jahrgangsstufe 9 und an einem Leistungsfeststellungsverfahren",
        "gemäß § 16 Abs. 3 des Schulgesetzes des Landes Velsland teilgenommen und die",
        "Berufsreife mit Leistungsfeststellung", nullptr,
        "mit dem Gesamtprädikat _____________________________________ erworben.", "gut"}},
      {20,
       {"hat erfolgreich an der Abschlussprüfung gemäß § 16 Abs. 4 des Schulgesetzes des Landes Velsland",
        "teilgenommen und die", "Mittlere Reife", nullptr,
        "mit dem Gesamtprädikat _____________________________________ erworben.", "gut"}},
  };
  for (const Case& c : cases) {
    Draw(c.Form);
    for (int i = 0; i < 6; ++i) {
      const char* line = c.Lines[static_cast<std::size_t>(i)];
      const QStringList expected = line != nullptr ? QStringList{QString::fromUtf8(line)} : QStringList{};
      EXPECT_EQ(TextsAt(22 + i), expected) << c.Form << " field " << 22 + i;
    }
  }
  // The statement is left out when field 22 is not active on the page.
  F(22).Page = 2;
  Draw(19);
  for (int n = 22; n <= 27; ++n) EXPECT_TRUE(TextsAt(n).isEmpty()) << n;
}

TEST_F(RegionalPageTest, LeavingReportStrikesSeinerOrIhrerBySex) {
  struct Case {
    int Sex;
    QStringList Strike;
  };
  const Case cases[] = {{0, {QStringLiteral("/ihrer")}}, {1, {QStringLiteral("seiner/")}}, {-1, {}}, {2, {}}};
  const QString sentence = QString::fromUtf8(quorv::kLeavingSentence);
  testsupport::StrikesOnTheirLines(fields_);
  for (const Case& c : cases) {
    pupil_.Sex = c.Sex;
    Draw(17);
    EXPECT_EQ(Struck(sentence).toStdString(), c.Strike.value(0).toStdString()) << c.Sex;
  }
  quorv::PrintOptions.FillCharacter.set("X");
  pupil_.Sex = 0;
  Draw(17);
  EXPECT_EQ(testsupport::StruckPart(canvas_, sentence, QLatin1Char('X')), QStringLiteral("/ihrer"));
}

TEST_F(RegionalPageTest, OverallGradeWords) {
  const char* words[] = {"  - - - - - ", "sehr gut - mit Auszeichnung", "sehr gut", "gut", "befriedigend",
                         "bestanden", "ausreichend", "  - - - - - "};
  for (int grade = 0; grade <= 7; ++grade) {
    pupil_.Gesamtpraedikat = static_cast<std::uint16_t>(grade);
    for (int form : {19, 20}) {
      Draw(form);
      EXPECT_EQ(TextsAt(27), QStringList{QString::fromUtf8(words[grade])}) << form << " " << grade;
    }
  }
  EXPECT_EQ(quorv::OverallGradeWord(65535), QStringLiteral("  - - - - - "));
}

TEST_F(RegionalPageTest, CoatOfArmsOnTheFinalPagesOnly) {
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  ASSERT_TRUE(picture.save(env_.dir().programDir() + QStringLiteral("13F.BMP")));
  ASSERT_TRUE(picture.save(env_.dir().programDir() + QStringLiteral("13S.BMP")));
  for (int form : {15, 16, 115, 17, 18, 19, 20}) {
    Draw(form);
    const auto pictures = canvas_.opsOf(CanvasOp::Picture);
    EXPECT_EQ(pictures.size(), form < 100 && form >= 17 ? 1u : 0u) << form;
    if (!pictures.empty()) {
      EXPECT_EQ(pictures[0].PictureFile, env_.dir().programDir() + QStringLiteral("13S.BMP"));
    }
  }
}

// ---- the shipped files' pages ---------------------------------------------------------------

// Every text a form prints is on one of its two pages of the shipped form file.
TEST(RegionalShippedForms, EveryTextOfAFullyFilledReportIsPrinted) {
  testsupport::LayoutEnvironment env;
  testsupport::FixedPrinter printer(platform::DeviceCaps{});
  quorv::SchoolSettings.SchoolNameAddress.setText(testsupport::LongSchoolName());
  for (const formfiles::ShippedFormFile& file : formfiles::ReportFormFiles())
    env.writeFormFile(file.FileName, file.Title, file.Fields);
  const QString page2Name = QStringLiteral("von Württemberg-Hohenlohe-Orth, Marie-Christin Annabell Sophie");
  for (int form : {15, 16, 115, 17, 18, 19, 20}) {
    const bool report = form == 15 || form == 16 || form == 115;
    const quorv::TPupilRecord pupil = testsupport::FullyFilledPupil(form, 1, 0, QStringLiteral("2006"));
    const QStringList drawn = testsupport::DrawnReportTexts(form, pupil, 2);
    QStringList expected = testsupport::FullyFilledFrameTexts(true);
    expected << QStringLiteral("Name der Schule/Schulart(en)/Schulort") << QStringLiteral("der Regionalen Schule")
             << QStringLiteral("2006 / 2007") << QStringLiteral("Name, Vorname") << page2Name << QStringLiteral("Noten")
             << QStringLiteral("1. Fremdsprache") << QStringLiteral("Wahlpflichtunterricht")
             << QStringLiteral("1. Halbjahr") << QStringLiteral("2. Halbjahr")
             << QStringLiteral("Gesamtnote im Wahlpflichtunterricht") << kScale << kOldFootnote
             << QStringLiteral("ev. / kath. Religion /") << QStringLiteral("Informatik im Alltag!");
    if (form != 18) expected << QStringLiteral("2. Fremdsprache");
    if (report) {
      expected << QStringLiteral("über das 1. Schulhalbjahr / Schuljahr")
               << QStringLiteral("struck: 1. Schulhalbjahr /")
               << kOldHeading << kOldSubHeading << QStringLiteral("Stempel/Siegel")
               << QStringLiteral("struck: ") + (form == 115 ? kSealB : kSealA);
    } else {
      expected << QStringLiteral("Schuljahr") << QString::fromUtf8(quorv::RegionalFinalProfile(form).SealWords);
      for (const quorv::TStatementLine& line : quorv::RegionalFinalProfile(form).Statement)
        if (line.Item == quorv::TStatementItem::Text) expected << QString::fromUtf8(line.Text);
    }
    if (form == 16)
      expected << QString::fromUtf8(quorv::kTransferSentence) << QStringLiteral("struck: /Der Schüler")
               << QStringLiteral("Schule bzw. Schulart") << QStringLiteral("Berufliche Schule Seestadt-Süd")
               << QStringLiteral("10");
    if (form == 17)
      expected << QStringLiteral("struck: seiner/") << QStringLiteral("10") << QStringLiteral("struck: ") + kSealA;
    if (form == 19 || form == 20) expected << QStringLiteral("sehr gut - mit Auszeichnung");
    testsupport::ExpectAllDrawn(drawn, expected, form);
    // A grade in every row, every elective and the overall elective grade.
    const int rows = form == 18 ? 8 : 9;
    const int electives = form <= 17 || form == 115 ? 4 : 6;
    EXPECT_EQ(drawn.count(QStringLiteral("nicht teilgenommen")), 2 * rows + electives + 1) << form;
    // The first lines of both long texts.
    EXPECT_TRUE(drawn.filter(QStringLiteral("Marie-Christin arbeitet im Unterricht")).size() >= (report ? 2 : 1))
        << form;
  }
}

TEST(RegionalProfiles, EveryFormOfThePageRoutinesHasItsProfile) {
  for (int form : {15, 16, 115}) EXPECT_EQ(quorv::RegionalReportProfile(form).Form, form);
  for (int form : {17, 18, 19, 20}) EXPECT_EQ(quorv::RegionalFinalProfile(form).Form, form);
  // The page routines of the dispatcher's forms.
  for (int form : {15, 16, 115}) EXPECT_EQ(quorv::PageRoutineOfForm(form), &quorv::PrintRegionalReportPage);
  for (int form : {17, 18, 19, 20}) EXPECT_EQ(quorv::PageRoutineOfForm(form), &quorv::PrintRegionalFinalPage);
  // The grade block of eight rows has one language row and religion in row 8.
  const quorv::TGradeLineProfile eight = quorv::RegionalGradeLineProfile(8, 8);
  EXPECT_EQ(eight.LanguageRows[1].Row, 0);
  EXPECT_EQ(eight.ReligionRow, 8);
  const quorv::TGradeLineProfile nine = quorv::RegionalGradeLineProfile(9, 8);
  EXPECT_EQ(nine.LanguageRows[1].Row, 3);
  EXPECT_EQ(nine.ReligionRow, 9);
  EXPECT_EQ(nine.CourseLetter("R"), "M");
}

}  // namespace
