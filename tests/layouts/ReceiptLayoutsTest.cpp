#include "layouts/ReceiptLayouts.h"

#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>

#include "formfiles/FormTables.h"
#include "layouts/LayoutHelpers.h"
#include "layouts/LayoutTestSupport.h"
#include "layouts/PrintJob.h"
#include "platform/PrinterDocument.h"
#include "platform/RecordingCanvas.h"
#include "records/TextWrap.h"
#include "support/FixedPrinter.h"
#include "support/ScriptedMessages.h"

using platform::CanvasOp;
using platform::MsgKind;
using platform::MsgResult;
using platform::RecordedOp;
using quorv::PrintOptions;
using quorv::ReportJob;
using quorv::TFormField;
using quorv::TFormFieldTable;
using testsupport::Field;
using testsupport::kMissingFormFileQuestion;
using testsupport::kPdfNotice;
using testsupport::OffsetPrinter;

namespace {

// On the offset printer the page origin moves 4.2 and 3.2 mm up and left.
constexpr int kOx = 150 - 42;
constexpr int kOy = 150 - 32;
QPoint Pt(int x, int y) { return QPoint(kOx + x, -(kOy + y)); }

// ---- the receipt's wording ------------------------------------------------------------------

struct WordingCase {
  int Wording;
  int SchoolType;
  int Kind;
  const char* ClassName;
  const char* Expected;
};

const WordingCase kWordings[] = {
    // 0 and every other value: the pupil, with the class when one is given.
    {0, 2, 1, "7a", "für Anna Muster (Klasse: 7a)"},
    {0, 2, 1, "???", "für Anna Muster"},
    {0, 2, 1, "", "für Anna Muster"},
    {3, 2, 1, "7a", "für Anna Muster (Klasse: 7a)"},
    {65535, 0, 0, "7a", "für Anna Muster (Klasse: 7a)"},
    // 1: the report's name in straight double quotes, or the school-type phrase.
    {1, 1, 1, "7a", "\"Zeugnis der Grundschule\""},
    {1, 1, 2, "7a", "\"Übergangszeugnis der Grundschule\""},
    {1, 1, 3, "7a", "der Grundschule"},
    {1, 2, 4, "7a", "\"Abschlusszeugnis\""},
    {1, 2, 5, "7a", "\"Abschlusszeugnis\""},
    {1, 2, 6, "7a", "der Regionalen Schule"},
    {1, 2, 7, "7a", "\"Zwischenzeugnis der Regionalen Schule\""},
    {1, 3, 6, "7a", "\"Prüfungszeugnis der Integrierten Gesamtschule\""},
    {1, 4, 4, "7a", "des Gymnasiums"},
    {1, 4, 5, "7a", "des Gymnasiums"},
    {1, 4, 6, "7a", "\"Prüfungszeugnis des Gymnasiums\""},
    {1, 5, 5, "7a", "\"Abschlusszeugnis (qualifizierter Hauptschulabschluss)\""},
    {1, 6, 4, "7a", "\"Abschlusszeugnis (Realschulabschluss)\""},
    {1, 6, 6, "7a", "der Realschule"},
    {1, 7, 4, "7a", "\"Abschlusszeugnis der Förderschule\""},
    {1, 7, 5, "7a", "der Förderschule"},
    {1, 7, 7, "7a", "\"Zwischenzeugnis der Förderschule\""},
    {1, 3, 0, "7a", "der Integrierten Gesamtschule"},
    {1, 3, 8, "7a", "der Integrierten Gesamtschule"},
    {1, 0, 1, "7a", " - ? ? ? -"},
    {1, 8, 1, "7a", " - ? ? ? -"},
    {1, 9, 3, "7a", " - ? ? ? -"},
    // 2: the school-type phrase.
    {2, 1, 1, "7a", "der Grundschule"},
    {2, 2, 1, "7a", "der Regionalen Schule"},
    {2, 3, 1, "7a", "der Integrierten Gesamtschule"},
    {2, 4, 1, "7a", "des Gymnasiums"},
    {2, 5, 1, "7a", "der Hauptschule"},
    {2, 6, 1, "7a", "der Realschule"},
    {2, 7, 1, "7a", "der Förderschule"},
    {2, 0, 1, "7a", " - ? ? ? -"},
    {2, 9, 1, "7a", " - ? ? ? -"},
};

TEST(ReceiptWording, ByOptionSchoolTypeReportKindAndClass) {
  quorv::TPupilRecord pupil = testsupport::TestPupil();
  for (const WordingCase& c : kWordings) {
    pupil.ReportKind = static_cast<std::uint16_t>(c.Kind);
    pupil.ClassName.setText(QString::fromUtf8(c.ClassName));
    EXPECT_EQ(quorv::ReceiptWordingText(pupil, c.Wording, c.SchoolType), QString::fromUtf8(c.Expected))
        << "wording " << c.Wording << ", school type " << c.SchoolType << ", kind " << c.Kind << ", class "
        << c.ClassName;
  }
}

TEST(ReceiptWording, EveryNamedReportOfTheTableIsQuoted) {
  int quoted = 0;
  for (int type = 1; type <= 7; ++type)
    for (int kind = 1; kind <= 7; ++kind) {
      const QString text = quorv::ReportNameWording(type, kind);
      if (text.startsWith(QLatin1Char('"'))) {
        ++quoted;
        EXPECT_TRUE(text.endsWith(QLatin1Char('"')));
      } else {
        EXPECT_EQ(text, quorv::SchoolTypePhrase(type)) << type << "/" << kind;
      }
    }
  // 2 + 6 + 7 + 5 + 6 + 6 + 5 named cells.
  EXPECT_EQ(quoted, 37);
}

TEST(HeaderBox, ReachesTheInnerMarginOnTheNearerSide) {
  struct Case {
    int Centre, Width, Margin, X1, X2;
  } const cases[] = {
      {900, 1800, 100, 100, 1700},   // exactly in the middle counts as left
      {400, 1800, 100, 100, 700},
      {901, 1800, 100, 102, 1700},
      {1250, 1800, 100, 800, 1700},
      {450, 901, 50, 50, 850},       // below half of an odd width
      {451, 901, 50, 51, 851},       // above it
  };
  for (const Case& c : cases) {
    const quorv::THeaderBox box = quorv::HeaderBox(c.Centre, c.Width, c.Margin);
    EXPECT_EQ(box.X1, c.X1) << c.Centre;
    EXPECT_EQ(box.X2, c.X2) << c.Centre;
  }
}

// ---- page routines ----------------------------------------------------------------------------

class ReceiptPages : public ::testing::Test {
 protected:
  ReceiptPages() : printer_(OffsetPrinter()) {
    writeReceipt(formfiles::ReceiptA4FormTable(), formfiles::ReceiptA5FormTable());
    env_.writeFormFile(quorv::kLearningReportFormFile, quorv::kLearningReportFormTitle,
                       formfiles::LearningReportFormTable());
  }

  void writeReceipt(const TFormFieldTable& a4, const TFormFieldTable& a5) const {
    env_.writeFormFile(quorv::kReceiptA4FormFile, quorv::kReceiptA4FormTitle, a4);
    env_.writeFormFile(quorv::kReceiptA5FormFile, quorv::kReceiptA5FormTitle, a5);
  }
  void writeLearningReport(const TFormFieldTable& t) const {
    env_.writeFormFile(quorv::kLearningReportFormFile, quorv::kLearningReportFormTitle, t);
  }

  // A page as the wrapper would draw it: the job's form file loaded first.
  platform::RecordingCanvas receipt(const quorv::TPupilRecord& pupil = testsupport::TestPupil()) {
    quorv::StartNewJob();
    quorv::LoadJobFormFile(quorv::ReceiptFormFile(), quorv::ReceiptFormTitle());
    platform::RecordingCanvas canvas(OffsetPrinter());
    canvas.SetMapMode(platform::MapMode::LoMetric);
    quorv::PrintReceipt(canvas, pupil);
    return canvas;
  }
  platform::RecordingCanvas learningReport(const quorv::TPupilRecord& pupil = testsupport::TestPupil()) {
    quorv::StartNewJob();
    quorv::LoadJobFormFile(quorv::kLearningReportFormFile, quorv::kLearningReportFormTitle);
    platform::RecordingCanvas canvas(OffsetPrinter());
    canvas.SetMapMode(platform::MapMode::LoMetric);
    quorv::PrintLearningReports(canvas, pupil);
    return canvas;
  }

  testsupport::LayoutEnvironment env_;
  testsupport::FixedPrinter printer_;
};

bool HasLine(const platform::RecordingCanvas& c, QPoint from, QPoint to, int pen) {
  for (const RecordedOp& op : c.opsOf(CanvasOp::Line))
    if (op.P1 == from && op.P2 == to && op.State.Pen.Width == pen) return true;
  return false;
}

int LinesAtY(const platform::RecordingCanvas& c, int y) {
  const auto lines = c.opsOf(CanvasOp::Line);
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const RecordedOp& op) { return op.P1.y() == y; }));
}

const RecordedOp& TextOp(const platform::RecordingCanvas& c, const QString& text) {
  const RecordedOp* op = c.findText(text);
  EXPECT_NE(op, nullptr) << text.toStdString();
  static const RecordedOp kNone{};
  return op != nullptr ? *op : kNone;
}

TEST_F(ReceiptPages, ReceiptDrawsEachPartAtItsFieldAndItsRulesFromTheBoxes) {
  const TFormFieldTable t = formfiles::ReceiptA4FormTable();
  auto f = [&t](int n) { return t[static_cast<std::size_t>(n)]; };
  quorv::SchoolSettings.SchoolType = 2;
  const platform::RecordingCanvas c = receipt();

  // The frame of field 1's style 11: a rectangle and one 1 mm inside.
  const auto rects = c.opsOf(CanvasOp::Rectangle);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0].P1, Pt(f(1).X, f(1).Y));
  EXPECT_EQ(rects[0].P2, Pt(f(2).X, f(2).Y));

  const QString school = QStringLiteral("Regionale Schule am See, 12345 Seestadt");
  EXPECT_EQ(TextOp(c, school).P1, Pt(f(3).X, f(3).Y));
  // The school box around field 4 (centre 900 of 1800: from the inner margin
  // to the mirror point); its label 3 mm lower at the field's own X.
  EXPECT_TRUE(HasLine(c, Pt(100, f(4).Y), Pt(1701, f(4).Y), 2));
  EXPECT_EQ(TextOp(c, QStringLiteral("Name der Schule/Schulart/Schulort")).P1, Pt(f(4).X, f(4).Y + 30));
  EXPECT_EQ(TextOp(c, QStringLiteral("Empfangsbekenntnis (zweifach):")).P1, Pt(f(5).X, f(5).Y));
  EXPECT_EQ(TextOp(c, QStringLiteral("Anliegend übersende/übergebe ich Ihnen das Zeugnis")).P1, Pt(f(22).X, f(22).Y));
  EXPECT_EQ(TextOp(c, QStringLiteral("für Anna Muster (Klasse: 7a)")).P1, Pt(f(23).X, f(23).Y));
  // The wording underlined across the school box, pen 1.
  EXPECT_TRUE(HasLine(c, Pt(100, f(23).Y), Pt(1701, f(23).Y), 1));
  EXPECT_EQ(TextOp(c, QStringLiteral("vom")).P1, Pt(f(24).X, f(24).Y));
  EXPECT_EQ(TextOp(c, QStringLiteral("05.07.2007")).P1, Pt(f(107).X, f(107).Y));
  // The date rule runs from field 25 to the school box's centre.
  EXPECT_TRUE(HasLine(c, Pt(f(25).X, f(25).Y), Pt(f(4).X + 1, f(25).Y), 1));
  EXPECT_EQ(TextOp(c, QStringLiteral("Ein Exemplar des Empfangsbekenntnisses bitte ich unterschrieben zurückzugeben."))
                .P1,
            Pt(f(26).X, f(26).Y));
  EXPECT_EQ(TextOp(c, QStringLiteral("Das vorgenannte Zeugnis habe ich erhalten.")).P1, Pt(f(29).X, f(29).Y));
  // Separators from their X to the mirror point, in their FontNumber's style.
  for (int n : {41, 42, 43}) EXPECT_TRUE(HasLine(c, Pt(f(n).X, f(n).Y), Pt(1800 - f(n).X, f(n).Y), f(n).FontNumber)) << n;
  // Signature boxes: field 115 left of the middle, 117 right of it; labels at x1 + 3 mm, 3 mm lower.
  EXPECT_TRUE(HasLine(c, Pt(100, f(115).Y), Pt(2 * f(115).X - 100 + 1, f(115).Y), 2));
  EXPECT_EQ(TextOp(c, QStringLiteral("Ort, Datum")).P1, Pt(130, f(115).Y + 30));
  const int x1 = 2 * f(117).X - 1700;
  EXPECT_TRUE(HasLine(c, Pt(x1, f(117).Y), Pt(1701, f(117).Y), 2));
  EXPECT_EQ(TextOp(c, QStringLiteral("Unterschrift der Erziehungsberechtigten bzw. des volljährigen Schülers")).P1,
            Pt(x1 + 30, f(117).Y + 30));
  // The legal remedy: at most 3 lines of 98 characters, 5 mm apart.
  EXPECT_EQ(TextOp(c, QStringLiteral("Rechtsbehelfsbelehrung:")).P1, Pt(f(90).X, f(90).Y));
  quorv::TTextLines lines{};
  quorv::WrapText(platform::EncodeCp1252(quorv::kRemedyText), 3, lines, 98);
  EXPECT_TRUE(lines[2].text().isEmpty());
  for (int i = 0; i < 2; ++i) {
    EXPECT_LE(lines[static_cast<std::size_t>(i)].text().size(), 98);
    EXPECT_EQ(TextOp(c, lines[static_cast<std::size_t>(i)].text()).P1, Pt(f(91).X, f(91).Y + 50 * i));
  }
  EXPECT_TRUE(HasLine(c, Pt(f(92).X, f(92).Y), Pt(1800 - f(92).X + 1, f(92).Y), 2));
  EXPECT_EQ(TextOp(c, QStringLiteral("(Name und Anschrift der Schule)")).P1, Pt(f(93).X, f(93).Y));
  EXPECT_EQ(TextOp(c, QStringLiteral("einzulegen.")).P1, Pt(f(94).X, f(94).Y));
  // The margin imprint reads downward.
  const RecordedOp& imprint = TextOp(c, quorv::kProductVersion);
  EXPECT_EQ(imprint.P1, Pt(f(6).X, f(6).Y));
  EXPECT_EQ(imprint.State.Font.Escapement, 2700);
}

TEST_F(ReceiptPages, ReceiptFrameFollowsField1sPageNotThePrintOption) {
  for (int page : {0, 1, 2, 3}) {
    for (int frameOption : {0, 1}) {
      TFormFieldTable t = formfiles::ReceiptA4FormTable();
      t[1].Page = static_cast<std::uint16_t>(page);
      writeReceipt(t, t);
      PrintOptions.PrintFrame = static_cast<std::uint16_t>(frameOption);
      const bool drawn = page == 1 || page == 3;
      EXPECT_EQ(receipt().opsOf(CanvasOp::Rectangle).size(), drawn ? 2u : 0u) << page << "/" << frameOption;
    }
  }
}

TEST_F(ReceiptPages, SeparatorWithoutStyleDrawsNoLine) {
  TFormFieldTable t = formfiles::ReceiptA4FormTable();
  t[42].FontNumber = 0;
  t[43].FontNumber = 3;
  writeReceipt(t, t);
  const platform::RecordingCanvas c = receipt();
  EXPECT_EQ(LinesAtY(c, Pt(0, t[42].Y).y()), 0);
  EXPECT_TRUE(HasLine(c, Pt(t[43].X, t[43].Y), Pt(1800 - t[43].X, t[43].Y), 3));
}

TEST_F(ReceiptPages, LongSchoolNameIsSqueezedInTheLegalRemedyOnly) {
  for (int length : {70, 71}) {
    const QString school = QString(QLatin1Char('S')).repeated(length);
    quorv::SchoolSettings.SchoolNameAddress.setText(school);
    const platform::RecordingCanvas c = receipt();
    std::vector<RecordedOp> schools;
    for (const RecordedOp& op : c.opsOf(CanvasOp::Text))
      if (op.Text == school) schools.push_back(op);
    ASSERT_EQ(schools.size(), 2u);
    EXPECT_EQ(schools[0].State.CharacterExtra, 0);
    EXPECT_EQ(schools[1].State.CharacterExtra, length > 70 ? -2 : 0) << length;
    EXPECT_EQ(TextOp(c, QStringLiteral("(Name und Anschrift der Schule)")).State.CharacterExtra, 0);
  }
}

TEST_F(ReceiptPages, HalfSheetOptionChoosesTheA5FormFile) {
  const TFormFieldTable a5 = formfiles::ReceiptA5FormTable();
  PrintOptions.ReceiptA5 = 1;
  EXPECT_EQ(quorv::ReceiptFormFile(), QStringLiteral("Anl143.FST"));
  EXPECT_EQ(quorv::ReceiptFormTitle(), QStringLiteral("Empfangsbekenntnis (Anlage 43) auf A5 quer Version 1"));
  EXPECT_EQ(TextOp(receipt(), QStringLiteral("Empfangsbekenntnis (zweifach):")).P1, Pt(a5[5].X, a5[5].Y));
  PrintOptions.ReceiptA5 = 0;
  EXPECT_EQ(quorv::ReceiptFormFile(), QStringLiteral("Anl043.FST"));
  EXPECT_EQ(quorv::ReceiptFormTitle(), QStringLiteral("Empfangsbekenntnis (Anlage 43) auf A4 Version 1"));
}

TEST_F(ReceiptPages, NoFormMeansAnEmptyPage) {
  // A file titled ":::".
  env_.writeFormFile(quorv::kReceiptA4FormFile, quorv::kNoFormTitle, formfiles::ReceiptA4FormTable());
  EXPECT_TRUE(receipt().ops().empty());
  // A missing file that the user does not want created.
  QFile::remove(env_.dir().programDir() + quorv::kLearningReportFormFile);
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(kMissingFormFileQuestion + QStringLiteral("Anl170.FST"), MsgKind::Confirmation, MsgResult::No);
  EXPECT_TRUE(learningReport().ops().empty());
  EXPECT_TRUE(msgs.allAnswered());
  // Without the job's form file (the wrapper did not load it) nothing is drawn either.
  quorv::StartNewJob();
  platform::RecordingCanvas canvas;
  quorv::PrintReceipt(canvas, testsupport::TestPupil());
  EXPECT_TRUE(canvas.ops().empty());
}

// ---- learning-development report ----------------------------------------------------------

TFormFieldTable SmallLearningTable() {
  TFormFieldTable t{};
  t[1] = Field(0, 0, 0, 0, 0, 0);
  t[2] = Field(1800, 1250, 0, 0, 0, 0);
  t[15] = Field(900, 170, 0, 15, 1, 1);
  t[16] = Field(130, 160, 0, 11, 1, 1);
  t[17] = Field(1280, 160, 0, 11, 1, 1);
  t[19] = Field(1600, 160, 0, 11, 1, 1);
  t[65] = Field(900, 290, 1, 42, 1, 1);
  t[66] = Field(100, 360, 0, 15, 1, 1);
  t[67] = Field(3, 40, 0, 30, 1, 1);
  t[68] = Field(100, 600, 0, 16, 1, 1);
  t[69] = Field(260, 600, 0, 15, 1, 1);
  t[70] = Field(2, 40, 0, 30, 1, 1);
  return t;
}

TEST_F(ReceiptPages, LearningReportDrawsNothingWithoutItsNameBoxOnPage1) {
  for (auto [page, active] : {std::pair{2, 1}, {1, 0}, {0, 1}}) {
    TFormFieldTable t = SmallLearningTable();
    t[15].Page = static_cast<std::uint16_t>(page);
    t[15].Active = static_cast<std::uint16_t>(active);
    writeLearningReport(t);
    EXPECT_TRUE(learningReport().ops().empty()) << page << "/" << active;
  }
}

TEST_F(ReceiptPages, LearningReportHeaderLineWithItsLabels) {
  const TFormFieldTable t = SmallLearningTable();
  writeLearningReport(t);
  const platform::RecordingCanvas c = learningReport();
  EXPECT_TRUE(HasLine(c, Pt(100, 170), Pt(1701, 170), 2));
  EXPECT_EQ(TextOp(c, QStringLiteral("Vorname und Name")).P1, Pt(130, 210));
  EXPECT_EQ(TextOp(c, QStringLiteral("Vorname und Name")).State.Font.Height, 30);
  const RecordedOp& name = TextOp(c, QStringLiteral("Anna Muster"));
  EXPECT_EQ(name.P1, Pt(130, 160));
  EXPECT_EQ(name.State.CharacterExtra, 0);
  // The labels end where the values begin, in the name box's font.
  for (auto [value, label, x] : {std::tuple{"05.03.1998", "geb. am: ", 1280}, {"7a", "Klasse: ", 1600}}) {
    EXPECT_EQ(TextOp(c, QString::fromUtf8(value)).P1, Pt(x, 160));
    EXPECT_EQ(TextOp(c, QString::fromUtf8(value)).State.Font.Height, 40);
    const RecordedOp& l = TextOp(c, QString::fromUtf8(label));
    EXPECT_EQ(l.P1, Pt(x, 160));
    EXPECT_EQ(l.State.TextAlign & platform::TextAlign::HorizontalMask, platform::TextAlign::Right);
    EXPECT_EQ(l.State.Font.Height, 30);
  }
  EXPECT_EQ(TextOp(c, QStringLiteral("Lernentwicklungsbericht")).P1, Pt(900, 290));
  EXPECT_EQ(LinesAtY(c, Pt(0, 170).y()), 1);
  EXPECT_EQ(c.opsOf(CanvasOp::Line).size(), 1u);  // no ruled lines under the text
}

TEST_F(ReceiptPages, LearningReportNameIsSqueezedByItsLengthAndTheBoxWidth) {
  struct Case {
    int Centre;  // box width 2 * centre - 200 (left of the middle)
    int Length;
    int Extra;
  } const cases[] = {
      {800, 41, -6}, {850, 41, -6}, {900, 41, -3},  // 1400, 1500, 1600 units
      {850, 40, -4}, {850, 31, -4}, {850, 30, 0},
      {900, 46, -4}, {900, 36, -3}, {900, 35, 0},
  };
  for (const Case& k : cases) {
    TFormFieldTable t = SmallLearningTable();
    t[15].X = static_cast<std::uint16_t>(k.Centre);
    writeLearningReport(t);
    quorv::TPupilRecord pupil = testsupport::TestPupil();
    const int first = (k.Length - 1) / 2;
    pupil.FirstName.setText(QString(QLatin1Char('A')).repeated(first));
    pupil.Surname.setText(QString(QLatin1Char('M')).repeated(k.Length - 1 - first));
    ASSERT_EQ(quorv::PupilDisplayName(pupil).size(), k.Length);
    const platform::RecordingCanvas c = learningReport(pupil);
    const RecordedOp& name = TextOp(c, quorv::PupilDisplayName(pupil));
    EXPECT_EQ(name.State.CharacterExtra, k.Extra) << k.Centre << "/" << k.Length;
    EXPECT_EQ(TextOp(c, QStringLiteral("05.03.1998")).State.CharacterExtra, 0);
  }
}

TEST_F(ReceiptPages, LearningReportSecondHeaderLineGivesTheBirthLabelItsFontAndNoSqueeze) {
  TFormFieldTable t = SmallLearningTable();
  t[20] = Field(0, 250, 0, 16, 0, 0);
  t[17] = Field(400, 240, 0, 11, 1, 1);
  t[19] = Field(1600, 240, 0, 11, 1, 1);
  writeLearningReport(t);
  quorv::TPupilRecord pupil = testsupport::TestPupil();
  pupil.FirstName.setText(QString(QLatin1Char('A')).repeated(30));
  pupil.Surname.setText(QString(QLatin1Char('M')).repeated(30));
  const platform::RecordingCanvas c = learningReport(pupil);
  EXPECT_EQ(TextOp(c, quorv::PupilDisplayName(pupil)).State.CharacterExtra, 0);
  const RecordedOp& birth = TextOp(c, QStringLiteral("geb. am: "));
  EXPECT_EQ(birth.P1, Pt(400, 240));
  EXPECT_EQ(birth.State.Font.Weight, 700);  // font 16: Times New Roman 3 mm bold
  EXPECT_EQ(TextOp(c, QStringLiteral("Klasse: ")).State.Font.Weight, 400);
  EXPECT_TRUE(HasLine(c, Pt(100, 250), Pt(1701, 250), 2));
}

TEST_F(ReceiptPages, LearningReportTextAndTheRemarksOnlyForTheConference) {
  writeLearningReport(SmallLearningTable());
  quorv::TPupilRecord pupil = testsupport::TestPupil();
  quorv::WideStringToBuffer(QStringLiteral("Liest gern und viel."), pupil.DevelopmentText);
  quorv::WideStringToBuffer(QStringLiteral("Elterngespräch"), pupil.RemarksText);
  PrintOptions.StrikeMode = 1;
  for (int conference : {0, 1, 2}) {
    PrintOptions.ConferencePrint = static_cast<std::uint16_t>(conference);
    const platform::RecordingCanvas c = learningReport(pupil);
    EXPECT_EQ(TextOp(c, QStringLiteral("Liest gern und viel.")).P1, Pt(100, 360));
    // The first unused line is struck out, 4 mm lower.
    EXPECT_EQ(TextOp(c, QStringLiteral("-----")).P1, Pt(100, 400));
    const bool remarks = conference == 1;
    EXPECT_EQ(c.findText(QStringLiteral("Vermerke:")) != nullptr, remarks) << conference;
    EXPECT_EQ(c.findText(QStringLiteral("Elterngespräch")) != nullptr, remarks) << conference;
    if (remarks) {
      EXPECT_EQ(TextOp(c, QStringLiteral("Elterngespräch")).P1, Pt(260, 600));
    }
  }
}

TEST_F(ReceiptPages, LearningReportTextOfMoreThan25LinesPrints) {
  quorv::TPupilRecord pupil = testsupport::TestPupil();
  quorv::WideStringToBuffer(QStringLiteral("Liest gern und viel."), pupil.DevelopmentText);
  for (int count : {25, 26, 200}) {
    quorv::TFormFieldTable t = SmallLearningTable();
    t[quorv::lfTextParams].X = static_cast<std::uint16_t>(count);
    writeLearningReport(t);
    const platform::RecordingCanvas c = learningReport(pupil);
    EXPECT_EQ(TextOp(c, QStringLiteral("Liest gern und viel.")).P1, Pt(100, 360)) << count;
  }
}

TEST_F(ReceiptPages, TheTwoHalvesOfASheetDifferOnlyByTheTopMargin) {
  PrintOptions.ConferencePrint = 1;
  const platform::RecordingCanvas upper = learningReport();
  PrintOptions.TopMargin = quorv::kHalfSheetOffset;
  const platform::RecordingCanvas lower = learningReport();
  ASSERT_EQ(upper.ops().size(), lower.ops().size());
  ASSERT_FALSE(upper.ops().empty());
  for (std::size_t i = 0; i < upper.ops().size(); ++i) {
    EXPECT_EQ(upper.ops()[i].Text, lower.ops()[i].Text);
    EXPECT_EQ(lower.ops()[i].P1, upper.ops()[i].P1 - QPoint(0, quorv::kHalfSheetOffset - 150)) << i;
  }
}

// ---- output wrappers -----------------------------------------------------------------------

class ReceiptWrappers : public ReceiptPages {
 protected:
  ReceiptWrappers() { env_.recordPreview(); }

  void job(int form, int target) {
    quorv::ClearReportJob();
    ReportJob.Pupil = testsupport::TestPupil();
    ReportJob.FormNumber = static_cast<std::uint16_t>(form);
    ReportJob.CurrentPage = 1;
    ReportJob.OutputTarget = static_cast<std::uint16_t>(target);
  }
};

TEST_F(ReceiptWrappers, OtherTargetsGiveTheMessageAndNoOutput) {
  for (auto wrapper : {quorv::PrintReceiptJob, quorv::PrintLearningReportsJob}) {
    for (int target : {0, 3, 4, 65535}) {
      testsupport::ScriptedMessages msgs;
      msgs.expect(quorv::kWrongTargetMessage, MsgKind::Information);
      job(41, target);
      wrapper();
      EXPECT_TRUE(msgs.allAnswered()) << target;
      EXPECT_FALSE(platform::Printer().Printing());
    }
  }
  EXPECT_TRUE(env_.previews().empty());
}

TEST_F(ReceiptWrappers, PreviewComesAfterTheFormFilesQuestion) {
  QFile::remove(env_.dir().programDir() + quorv::kReceiptA4FormFile);
  testsupport::ScriptedMessages msgs;
  msgs.expectPrefix(kMissingFormFileQuestion + QStringLiteral("Anl043.FST"), MsgKind::Confirmation, MsgResult::No);
  env_.recordPreview([&msgs] { EXPECT_EQ(msgs.shown().size(), 1u); });
  job(41, quorv::otPreview);
  quorv::PrintReceiptJob();
  EXPECT_TRUE(msgs.allAnswered());
  ASSERT_EQ(env_.previews().size(), 1u);
  EXPECT_EQ(env_.previews()[0].FormNumber, 41);
}

TEST_F(ReceiptWrappers, ReceiptBatchStatesShareOneDocument) {
  // State 0: a document of its own.
  {
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    job(43, quorv::otPrinterPage);
    quorv::PrintReceiptJob();
    EXPECT_TRUE(msgs.allAnswered());
    EXPECT_EQ(platform::Printer().PageCount(), 1);
    if (testsupport::HavePdfInfo()) {
      EXPECT_EQ(testsupport::ReadPdfInfo(platform::Printer().LastPdfFile()).Title,
                QStringLiteral("Empfangsbekenntnis: Anna Muster"));
    }
  }
  // State 1 leaves its document open; state 2 draws into it and ends it.
  {
    testsupport::ScriptedMessages msgs;
    job(41, quorv::otPrinterPage);
    quorv::PrintBatchState = 1;
    quorv::PrintReceiptJob();
    EXPECT_TRUE(platform::Printer().Printing());
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    quorv::PrintBatchState = 2;
    quorv::PrintReceiptJob();
    EXPECT_FALSE(platform::Printer().Printing());
    EXPECT_EQ(testsupport::AnnouncedPdfFiles(msgs.shown()).size(), 1);
    EXPECT_EQ(platform::Printer().PageCount(), 1);
  }
  // State 2 without an open document begins and ends its own.
  {
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    quorv::PrintBatchState = 2;
    quorv::PrintReceiptJob();
    EXPECT_FALSE(platform::Printer().Printing());
    EXPECT_TRUE(msgs.allAnswered());
  }
}

TEST_F(ReceiptWrappers, LearningReportStatesFillSheetsAndTheLastCallEndsTheDocument) {
  // State 0: one report, one document.
  {
    testsupport::ScriptedMessages msgs;
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    job(170, quorv::otPrinterPage);
    quorv::PrintLearningReportsJob();
    EXPECT_FALSE(platform::Printer().Printing());
    EXPECT_EQ(platform::Printer().PageCount(), 1);
    if (testsupport::HavePdfInfo()) {
      EXPECT_EQ(testsupport::ReadPdfInfo(platform::Printer().LastPdfFile()).Title,
                QStringLiteral("Lernentwicklungsberichte: Anna Muster"));
    }
  }
  // 1, 2, 1, 1: upper half, lower half, a new sheet, a new sheet; 3 ends.
  {
    testsupport::ScriptedMessages msgs;
    job(170, quorv::otPrinterPage);
    for (int state : {1, 2, 1, 1}) {
      quorv::PrintBatchState = static_cast<std::uint16_t>(state);
      quorv::PrintLearningReportsJob();
      EXPECT_TRUE(platform::Printer().Printing());
    }
    EXPECT_EQ(platform::Printer().PageCount(), 3);
    msgs.expectPrefix(kPdfNotice, MsgKind::Information);
    quorv::PrintBatchState = 3;
    quorv::PrintLearningReportsJob();
    EXPECT_FALSE(platform::Printer().Printing());
    EXPECT_TRUE(msgs.allAnswered());
  }
  // A final call without a document does nothing.
  {
    testsupport::ScriptedMessages msgs;
    for (int state : {3, 4}) {
      quorv::PrintBatchState = static_cast<std::uint16_t>(state);
      quorv::PrintLearningReportsJob();
    }
    EXPECT_TRUE(msgs.shown().empty());
  }
}

}  // namespace
