#include "layouts/LayoutHelpers.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "layouts/DrawnPageGeometry.h"
#include "layouts/LayoutTestSupport.h"
#include "layouts/PrintJob.h"
#include "platform/RecordingCanvas.h"
#include "printengine/PrinterFonts.h"
#include "records/GradeCodes.h"
#include "support/FixedPrinter.h"
#include "support/ScriptedMessages.h"

using platform::CanvasOp;
using platform::RecordedOp;
using quorv::ReportJob;
using quorv::TFormField;
using quorv::TGradeLineProfile;
using testsupport::Field;
using testsupport::OffsetPrinter;

namespace {

// On the offset printer the page origin moves 4.2 and 3.2 mm up and left.
constexpr int kOx = 150 - 42;
constexpr int kOy = 150 - 32;
constexpr int kW = 1800;
constexpr int kM = 100;

int FontHeight(int font) { return quorv::PrinterFontHeight(quorv::PrinterFont(font), 0); }
QPoint Pt(int x, int y) { return QPoint(kOx + x, -(kOy + y)); }

TGradeLineProfile DefaultProfile() { return TGradeLineProfile{}; }

// A page with every step of the frame, in the frame's order.
struct TPageSpec {
  QString Title, SchoolPhrase;
  quorv::THeading Heading = quorv::THeading::Period;
  bool Arms = false;
  QString TransferSentence;
  bool Separator = true;
  QString TextHeading, TextSubHeading;
  const TGradeLineProfile* GradeLines = nullptr;
  quorv::TElectiveBlock Electives = quorv::TElectiveBlock::None;
  QString AbsenceSentence, SealWords;
  quorv::TSealOverprint SealStrike = quorv::TSealOverprint::None;
  QString GradeScale, Footnote;
};

void PrintFramedPage(platform::Canvas& canvas, const quorv::TPupilRecord& pupil, const TPageSpec& spec) {
  quorv::TPageFrame frame(canvas, pupil);
  frame.WordsFlag = quorv::PrintOptions.GradesInWords == 1;
  if (!frame.Begin()) return;
  frame.SchoolName();
  frame.SchoolRule();
  frame.TitleAndPhrase(spec.Title, spec.SchoolPhrase);
  if (spec.Heading == quorv::THeading::Period) frame.PeriodHeading();
  if (spec.Heading == quorv::THeading::SchoolYear) frame.SchoolYearHeading();
  if (spec.Arms) frame.Arms();
  frame.NameBlock();
  if (!spec.TransferSentence.isEmpty()) frame.TransferBlock(spec.TransferSentence);
  if (spec.Separator) frame.Separator();
  frame.DevelopmentTextBlock(spec.TextHeading, spec.TextSubHeading);
  frame.RemarksBlock();
  frame.Page2Header();
  frame.GradesLabel();
  if (spec.GradeLines != nullptr) frame.GradeBlock(*spec.GradeLines);
  frame.ElectiveSection(spec.Electives);
  frame.Absences(spec.AbsenceSentence);
  frame.PlaceAndDate();
  frame.Seal(spec.SealWords, spec.SealStrike);
  frame.Signatures();
  frame.GradeScale(spec.GradeScale, spec.Footnote);
  frame.MarginImprint();
}

// Every step of the frame with a text of its own.
TPageSpec FullSpec(const TGradeLineProfile* profile) {
  TPageSpec spec;
  spec.Title = QStringLiteral("Zeugnis");
  spec.SchoolPhrase = QStringLiteral("der Regionalen Schule");
  spec.Heading = quorv::THeading::Period;
  spec.TransferSentence = QStringLiteral("Die Schülerin/Der Schüler tritt in ____ über.");
  spec.TextHeading = QStringLiteral("Gesamteinschätzung");
  spec.TextSubHeading = QStringLiteral("(Unterzeile)");
  spec.GradeLines = profile;
  spec.Electives = quorv::TElectiveBlock::Three;
  spec.AbsenceSentence = QStringLiteral("Fehltage: _______ davon entschuldigt: _______");
  spec.SealWords = QStringLiteral("Stempel/Siegel");
  spec.SealStrike = quorv::TSealOverprint::A;
  spec.GradeScale = QStringLiteral("Notenstufen: sehr gut (1) ...");
  spec.Footnote = QStringLiteral("* B = Anspruchsebene Berufsreife");
  return spec;
}

class FrameTest : public ::testing::Test {
 protected:
  FrameTest() : printer_(OffsetPrinter()), fields_(testsupport::EveryFieldTable()), pupil_(testsupport::TestPupil()) {
    quorv::PrintOptions.LeftMargin = 150;
    quorv::PrintOptions.TopMargin = 150;
    quorv::PrintOptions.InnerMargin = kM;
  }

  TFormField& F(int n) { return fields_[static_cast<std::size_t>(n)]; }

  // Loads the form file for the job, as the wrapper does before output.
  void Prepare(int page) {
    env_.writeFormFile(QStringLiteral("Anl015.FST"), QStringLiteral("(Halb-)/Jahres-Zeugnis der Regionalen Schule"),
                       fields_);
    quorv::ClearReportJob();
    ReportJob.Pupil = pupil_;
    ReportJob.FormNumber = 15;
    ReportJob.CurrentPage = static_cast<std::uint16_t>(page);
    ReportJob.OutputTarget = quorv::otPreview;
    quorv::LoadJobReportFormFile();
    canvas_.clear();
  }

  void Draw(const TPageSpec& spec, int page = 1) {
    Prepare(page);
    PrintFramedPage(canvas_, ReportJob.Pupil, spec);
  }

  std::vector<const RecordedOp*> Texts(const QString& text) const {
    std::vector<const RecordedOp*> out;
    for (const RecordedOp& op : canvas_.ops())
      if (op.Op == CanvasOp::Text && op.Text == text) out.push_back(&op);
    return out;
  }
  const RecordedOp* Text(const QString& text) const { return canvas_.findText(text); }
  int IndexOf(const QString& text) const {
    const auto& ops = canvas_.ops();
    for (std::size_t i = 0; i < ops.size(); ++i)
      if (ops[i].Op == CanvasOp::Text && ops[i].Text == text) return static_cast<int>(i);
    return -1;
  }
  std::vector<RecordedOp> LinesAtY(int y) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Line))
      if (op.P1.y() == -(kOy + y) && op.P2.y() == op.P1.y()) out.push_back(op);
    return out;
  }
  bool HasLine(int x1, int x2, int y, int width) const {
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Line))
      if (op.P1 == Pt(x1, y) && op.P2 == Pt(x2 + 1, y) && op.State.Pen.Width == width) return true;
    return false;
  }

  // The text is drawn once or more, the first time at the point, in the font and alignment.
  void ExpectText(const QString& text, int x, int y, int font, int align) const {
    const RecordedOp* op = Text(text);
    ASSERT_NE(op, nullptr) << text.toStdString();
    EXPECT_EQ(op->P1, Pt(x, y)) << text.toStdString();
    EXPECT_EQ(op->State.Font.Height, FontHeight(font)) << text.toStdString();
    EXPECT_EQ(op->State.TextAlign, quorv::FieldTextAlign(align)) << text.toStdString();
    EXPECT_EQ(op->State.CharacterExtra, 0) << text.toStdString();
  }
  // The text at field n of the table as written to the form file.
  void ExpectAtField(const QString& text, int n) {
    const TFormField& f = F(n);
    ExpectText(text, f.X, f.Y, f.FontNumber, f.Align);
  }

  testsupport::LayoutEnvironment env_;
  testsupport::FixedPrinter printer_;
  quorv::TFormFieldTable fields_;
  quorv::TPupilRecord pupil_;
  platform::RecordingCanvas canvas_;
};

// ---- the frame's steps ------------------------------------------------------------------

TEST_F(FrameTest, EveryStepDrawsItsTextAtItsFieldInTheFramesOrder) {
  const TGradeLineProfile profile = DefaultProfile();
  Draw(FullSpec(&profile));
  ExpectAtField(QStringLiteral("Regionale Schule am See, 12345 Seestadt"), 3);
  ExpectAtField(QStringLiteral("Zeugnis"), 5);
  ExpectAtField(QStringLiteral("der Regionalen Schule"), 14);
  ExpectAtField(QStringLiteral("über das 1. Schulhalbjahr / Schuljahr"), 7);
  ExpectAtField(QStringLiteral("2006 / 2007"), 8);
  ExpectAtField(QStringLiteral("Anna Muster"), 16);
  ExpectAtField(QStringLiteral("Die Schülerin/Der Schüler tritt in ____ über."), 95);
  ExpectAtField(QStringLiteral("Schule bzw. Schulart"), 97);
  ExpectAtField(QStringLiteral("Gymnasium Seestadt"), 98);
  ExpectAtField(QStringLiteral("8"), 100);
  ExpectAtField(QStringLiteral("Gesamteinschätzung"), 65);
  ExpectAtField(QStringLiteral("(Unterzeile)"), 59);
  ExpectAtField(QStringLiteral("Vermerke:"), 68);
  ExpectAtField(QStringLiteral("Muster, Anna"), 126);
  ExpectAtField(QStringLiteral("Noten"), 30);
  ExpectAtField(QStringLiteral("Wahlpflichtunterricht"), 45);
  ExpectAtField(QStringLiteral("Gesamtnote im Wahlpflichtunterricht"), 55);
  ExpectAtField(QStringLiteral("Fehltage: _______ davon entschuldigt: _______"), 63);
  ExpectAtField(QStringLiteral("3"), 64);
  ExpectAtField(QStringLiteral("2"), 74);
  ExpectAtField(QStringLiteral("Seestadt, 5.7.2007"), 107);
  ExpectAtField(QStringLiteral("Stempel/Siegel"), 112);
  ExpectAtField(QStringLiteral("Empfangsbestätigung:"), 114);
  ExpectAtField(QStringLiteral("Notenstufen: sehr gut (1) ..."), 119);
  ExpectAtField(QStringLiteral("* B = Anspruchsebene Berufsreife"), 120);

  // The frame's order of steps.
  const QString order[] = {
      QStringLiteral("Regionale Schule am See, 12345 Seestadt"),
      QStringLiteral("Name der Schule/Schulart(en)/Schulort"),
      QStringLiteral("Zeugnis"),
      QStringLiteral("über das 1. Schulhalbjahr / Schuljahr"),
      QStringLiteral("Vorname und Name"),
      QStringLiteral("Die Schülerin/Der Schüler tritt in ____ über."),
      QStringLiteral("Gesamteinschätzung"),
      QStringLiteral("Vermerke:"),
      QStringLiteral("Name, Vorname"),
      QStringLiteral("Noten"),
      QStringLiteral("Wahlpflichtunterricht"),
      QStringLiteral("Fehltage: _______ davon entschuldigt: _______"),
      QStringLiteral("Seestadt, 5.7.2007"),
      QStringLiteral("Stempel/Siegel"),
      QStringLiteral("Schulleiter(in)"),
      QStringLiteral("Erziehungsberechtigte"),
      QStringLiteral("Notenstufen: sehr gut (1) ..."),
  };
  int last = -1;
  for (const QString& text : order) {
    const int at = IndexOf(text);
    EXPECT_GT(at, last) << text.toStdString();
    last = at;
  }
}

TEST_F(FrameTest, SignatureRulesReachTheInnerMarginAndTheirLabelsMoveBelow) {
  // 4 at 900 (the middle counts as left), 106 right of the middle.
  F(4).X = 900;
  F(106).X = 1200;
  F(108).X = 600;
  Draw(FullSpec(nullptr));
  struct Case {
    int Field;
    const char* Label;
    int X1;
    int X2;
    int LabelX;  // -1: the field's own X
    int Down;
  };
  const Case cases[] = {
      {4, "Name der Schule/Schulart(en)/Schulort", kM, 1700, -1, 30},
      {15, "Vorname und Name", kM, 2 * 375 - kM, kM + 30, 40},
      {106, "Ort, Datum", 2 * 1200 - (kW - kM), kW - kM, 2 * 1200 - (kW - kM) + 30, 30},
      {108, "Schulleiter(in)", kM, 2 * 600 - kM, kM + 30, 30},
      {110, "Klassenlehrer(in)", kM, 2 * 850 - kM, kM + 30, 30},
      {125, "Name, Vorname", 2 * 925 - (kW - kM), kW - kM, 2 * 925 - (kW - kM) + 30, 40},
  };
  for (const Case& c : cases) {
    const TFormField& f = F(c.Field);
    EXPECT_TRUE(HasLine(c.X1, c.X2, f.Y, 2)) << c.Field;
    const RecordedOp* label = Text(QString::fromUtf8(c.Label));
    ASSERT_NE(label, nullptr) << c.Field;
    EXPECT_EQ(label->P1, Pt(c.LabelX < 0 ? f.X : c.LabelX, f.Y + c.Down)) << c.Field;
    EXPECT_EQ(label->State.Font.Height, FontHeight(f.FontNumber)) << c.Field;
  }
  // The acknowledgement: "Ort, Datum" at 115 and the parents' rule at 117.
  const auto placeLabels = Texts(QStringLiteral("Ort, Datum"));
  ASSERT_EQ(placeLabels.size(), 2u);
  EXPECT_EQ(placeLabels[1]->P1, Pt(kM + 30, F(115).Y + 30));
  EXPECT_TRUE(HasLine(kM, 2 * F(117).X - kM, F(117).Y, 2));
  ExpectText(QStringLiteral("Erziehungsberechtigte"), kM + 30, F(117).Y + 30, F(117).FontNumber, F(117).Align);
}

TEST_F(FrameTest, ParentsRuleComesWithField115AndItsLabelFollowsItsOwnFlags) {
  F(117).Active = 0;
  Draw(FullSpec(nullptr));
  EXPECT_TRUE(HasLine(kM, 2 * F(117).X - kM, F(117).Y, 2));
  EXPECT_EQ(Text(QStringLiteral("Erziehungsberechtigte")), nullptr);

  F(117).Active = 1;
  F(115).Active = 0;
  Draw(FullSpec(nullptr));
  EXPECT_TRUE(LinesAtY(F(117).Y).empty());
  EXPECT_EQ(Text(QStringLiteral("Erziehungsberechtigte")), nullptr);
}

TEST_F(FrameTest, NameBlockLabelsEndWhereTheValuesBegin) {
  Draw(FullSpec(nullptr));
  ExpectText(QStringLiteral("05.03.1998"), F(17).X, F(17).Y, F(17).FontNumber, F(17).Align);
  ExpectText(QStringLiteral("geb. am: "), F(17).X, F(17).Y, F(15).FontNumber, quorv::kAlignRight);
  ExpectText(QStringLiteral("7a"), F(19).X, F(19).Y, F(19).FontNumber, F(19).Align);
  ExpectText(QStringLiteral("Klasse: "), F(19).X, F(19).Y, F(15).FontNumber, quorv::kAlignRight);
  // Page-2 header.
  const auto births = Texts(QStringLiteral("05.03.1998"));
  ASSERT_EQ(births.size(), 2u);
  EXPECT_EQ(births[1]->P1, Pt(F(127).X, F(127).Y));
  const auto labels = Texts(QStringLiteral("geb. am: "));
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[1]->P1, Pt(F(127).X, F(127).Y));
  EXPECT_EQ(labels[1]->State.Font.Height, FontHeight(F(125).FontNumber));
  EXPECT_EQ(labels[1]->State.TextAlign, quorv::FieldTextAlign(quorv::kAlignRight));
}

TEST_F(FrameTest, SecondNameRuleGivesTheBirthLabelItsFontAndNoSqueeze) {
  F(20) = Field(0, 700, 0, 5, 1, 0);
  pupil_.FirstName.setText(QStringLiteral("Anna-Maria Luise"));
  pupil_.Surname.setText(QStringLiteral("Mustermann-Beispiel"));  // 36 characters with the blank
  F(15).X = 800;                                                  // rule of 1400
  Draw(FullSpec(nullptr));
  const RecordedOp* name = Text(QStringLiteral("Anna-Maria Luise Mustermann-Beispiel"));
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->State.CharacterExtra, 0);
  const RecordedOp* label = Text(QStringLiteral("geb. am: "));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->State.Font.Height, FontHeight(5));
  EXPECT_TRUE(HasLine(kM, 1500, 700, 2));
}

TEST_F(FrameTest, NameIsSqueezedByItsLengthAndTheLengthOfItsRule) {
  struct Case {
    int FieldX;  // rule length 2 * (X - M)
    const char* First;
    const char* Last;
    int Extra;
  };
  const Case cases[] = {
      {900, "Anna-Maria Luise", "Mustermann-Beispiel", -3},  // 36 on 1600
      {800, "Anna-Maria Luise", "Mustermann-Beispiel", -4},  // 36 on 1400
      {900, "Anna-Maria Luise", "Mustermann-Bei", 0},        // 31 on 1600
      {800, "Anna-Maria Lui", "Mustermann-Bei", 0},          // 29+1 = 30 on 1400
      {800, "Anna-Maria Luise", "Mustermann-Beispiel-Schmidt", -6},  // 44 on 1400
      {900, "Anna-Maria Luise Charlotte", "Mustermann-Beispiel-Sc", -4},  // 49 on 1600
  };
  for (const Case& c : cases) {
    F(15).X = static_cast<std::uint16_t>(c.FieldX);
    pupil_.FirstName.setText(QString::fromUtf8(c.First));
    pupil_.Surname.setText(QString::fromUtf8(c.Last));
    Draw(FullSpec(nullptr));
    const QString name = QString::fromUtf8(c.First) + QLatin1Char(' ') + QString::fromUtf8(c.Last);
    const RecordedOp* op = Text(name);
    ASSERT_NE(op, nullptr) << c.Last;
    EXPECT_EQ(op->State.CharacterExtra, c.Extra) << name.size();
    // Spacing is back to 0 for the next text.
    EXPECT_EQ(Text(QStringLiteral("05.03.1998"))->State.CharacterExtra, 0);
  }
  EXPECT_EQ(quorv::NameSqueeze(46, 1501), -4);
  EXPECT_EQ(quorv::NameSqueeze(45, 1501), -3);
  EXPECT_EQ(quorv::NameSqueeze(36, 1501), -3);
  EXPECT_EQ(quorv::NameSqueeze(35, 1501), 0);
  EXPECT_EQ(quorv::NameSqueeze(41, 1500), -6);
  EXPECT_EQ(quorv::NameSqueeze(40, 1500), -4);
  EXPECT_EQ(quorv::NameSqueeze(31, 1500), -4);
  EXPECT_EQ(quorv::NameSqueeze(30, 1500), 0);
}

TEST_F(FrameTest, TransferSentenceStrikesTheAlternativeThatDoesNotApply) {
  struct Case {
    int Sex;
    const char* Struck;  // "": no overprint
  };
  const Case cases[] = {{0, "Die Schülerin/"}, {1, "/Der Schüler"}, {-1, ""}, {2, ""}};
  testsupport::StrikesOnTheirLines(fields_);
  for (const Case& c : cases) {
    pupil_.Sex = c.Sex;
    Draw(FullSpec(nullptr));
    EXPECT_EQ(testsupport::StruckPart(canvas_, FullSpec(nullptr).TransferSentence), QString::fromUtf8(c.Struck))
        << c.Sex;
    // The fill stands at the strike-out field's Y in its font.
    int fills = 0;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text))
      if (op.Text.contains(QLatin1Char('#')) && op.P1.y() == -(kOy + F(96).Y)) {
        EXPECT_EQ(op.State.Font.Height, FontHeight(F(96).FontNumber));
        ++fills;
      }
    EXPECT_EQ(fills > 0, *c.Struck != 0) << c.Sex;
  }
}

TEST_F(FrameTest, LongNextSchoolIsSqueezed) {
  pupil_.NextSchool.setText(QStringLiteral("Regionale Schule Seestadt-Nord"));  // 30 characters
  Draw(FullSpec(nullptr));
  EXPECT_EQ(Text(QStringLiteral("Regionale Schule Seestadt-Nord"))->State.CharacterExtra, -2);
  EXPECT_EQ(Text(QStringLiteral("8"))->State.CharacterExtra, 0);
}

TEST_F(FrameTest, PeriodHeadingStrikesHalfYearOrYear) {
  struct Case {
    int HalfYear;
    const char* Fill;
    char Printed;
    const char* Struck;
  };
  const Case cases[] = {
      {1, "#", '#', "/ Schuljahr"},
      {0, "#", '#', "1. Schulhalbjahr /"},
      {0, "X", 'X', "1. Schulhalbjahr /"},
      {0, " ", '#', "1. Schulhalbjahr /"},  // a blank fill character prints "#"
      {0, "", '#', "1. Schulhalbjahr /"},   // so does an empty one
  };
  testsupport::StrikesOnTheirLines(fields_);
  for (const Case& c : cases) {
    pupil_.HalfYear = static_cast<std::uint16_t>(c.HalfYear);
    quorv::PrintOptions.FillCharacter.set(c.Fill);
    if (*c.Fill == 0) quorv::PrintOptions.FillCharacter.Chars[0] = 0;
    Draw(FullSpec(nullptr));
    EXPECT_EQ(testsupport::StruckPart(canvas_, QStringLiteral("über das 1. Schulhalbjahr / Schuljahr"),
                                      QLatin1Char(c.Printed)),
              QString::fromUtf8(c.Struck))
        << c.HalfYear << " " << c.Fill;
  }
  // A two-digit year is written out.
  pupil_.SchoolYear.setText(QStringLiteral("06"));
  Draw(FullSpec(nullptr));
  ExpectAtField(QStringLiteral("2006 / 2007"), 8);
}

TEST_F(FrameTest, FinalPagesPrintTheSchoolYearAndTheCoatOfArmsByThePrintersColours) {
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(env_.dir().programDir() + QStringLiteral("13F.BMP")));
  ASSERT_TRUE(picture.save(env_.dir().programDir() + QStringLiteral("13S.BMP")));
  TPageSpec spec = FullSpec(nullptr);
  spec.Heading = quorv::THeading::SchoolYear;
  spec.Arms = true;
  struct Case {
    int Colours;
    int ColourOnMono;
    const char* File;
  };
  const Case cases[] = {{2, 0, "13S.BMP"}, {256, 0, "13F.BMP"}, {2, 1, "13F.BMP"}};
  for (const Case& c : cases) {
    testsupport::FixedPrinter printer(OffsetPrinter(c.Colours));
    quorv::PrintOptions.ColourArmsOnMono = static_cast<std::uint16_t>(c.ColourOnMono);
    Draw(spec);
    ExpectAtField(QStringLiteral("Schuljahr"), 7);
    ExpectAtField(QStringLiteral("2006 / 2007"), 8);
    EXPECT_EQ(Text(QStringLiteral("über das 1. Schulhalbjahr / Schuljahr")), nullptr);
    const auto pictures = canvas_.opsOf(CanvasOp::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].PictureFile, env_.dir().programDir() + QString::fromUtf8(c.File));
    EXPECT_EQ(pictures[0].P1, Pt(F(121).X, F(121).Y));
    EXPECT_EQ(pictures[0].P2, QPoint(kOx + F(121).X + 300, -(kOy + F(121).Y) - 400));
  }
}

TEST_F(FrameTest, TextBlocksHaveOneRuledLinePerLineAndWrapTheirText) {
  pupil_.DevelopmentText.set("Anna arbeitet im Unterricht stets aufmerksam und zuverlaessig mit.");
  quorv::PrintOptions.StrikeMode = 1;
  Draw(FullSpec(nullptr));
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(HasLine(kM, kW - kM, F(66).Y + i * 50, 1)) << i;
  EXPECT_TRUE(LinesAtY(F(66).Y + 4 * 50).empty());
  const RecordedOp* first = Text(QStringLiteral("Anna arbeitet im Unterricht stets "));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->P1, Pt(F(66).X, F(66).Y));
  const RecordedOp* second = Text(QStringLiteral("aufmerksam und zuverlaessig mit."));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->P1, QPoint(kOx + F(66).X, -(kOy + F(66).Y) - 50));
  const RecordedOp* strike = Text(QStringLiteral("-----"));
  ASSERT_NE(strike, nullptr);
  EXPECT_EQ(strike->P1, QPoint(kOx + F(66).X, -(kOy + F(66).Y) - 100));
  // The remarks: two lines at field 69.
  EXPECT_TRUE(HasLine(kM, kW - kM, F(69).Y + 50, 1));
  EXPECT_TRUE(LinesAtY(F(69).Y + 100).empty());
  ExpectText(QStringLiteral("  - - - - -"), F(69).X, F(69).Y, F(69).FontNumber, F(69).Align);

  quorv::PrintOptions.NoRuledLines = 1;
  Draw(FullSpec(nullptr));
  EXPECT_TRUE(LinesAtY(F(66).Y).empty());
  EXPECT_NE(Text(QStringLiteral("Anna arbeitet im Unterricht stets ")), nullptr);
}

TEST_F(FrameTest, TextBlockOfMoreThan25LinesPrintsItsTextIn25) {
  // Line counts of the form file: the text prints, in at most 25 lines with their rules.
  const struct {
    int Count;
    int Lines;
  } cases[] = {{24, 24}, {25, 25}, {26, 25}, {40, 25}, {65535, 25}};
  pupil_.DevelopmentText.set("Anna arbeitet im Unterricht stets aufmerksam und zuverlaessig mit.");
  for (const auto& c : cases) {
    F(67).X = static_cast<std::uint16_t>(c.Count);
    F(67).Y = 20;
    Draw(FullSpec(nullptr));
    EXPECT_NE(Text(QStringLiteral("Anna arbeitet im Unterricht stets ")), nullptr) << c.Count;
    EXPECT_NE(Text(QStringLiteral("aufmerksam und zuverlaessig mit.")), nullptr) << c.Count;
    EXPECT_FALSE(LinesAtY(F(66).Y + (c.Lines - 1) * 20).empty()) << c.Count;
    EXPECT_TRUE(LinesAtY(F(66).Y + c.Lines * 20).empty()) << c.Count;
  }
}

// What the blocks (4 and 2 lines) cannot hold is named after the print, with
// the pupil: missing lines, a word that no line holds though the lines do not
// run out (its first 30 characters) with the words from it on that are left
// out, both texts of one pupil.
TEST_F(FrameTest, TextsTheirBlocksCannotHoldAreNamed) {
  const struct {
    const char* Development;
    const char* Remarks;
    int Characters;  // per line
    QString Named;
  } cases[] = {
      {"Ein Satz.", "Eins", 40, QString()},
      {"Eins Donaudampfschifffahrtsgesellschaftskapitaen", "", 40,
       QStringLiteral("Lernentwicklungsbericht – das Wort „Donaudampfschifffahrtsgesellsc…“ passt in keine Zeile, "
                      "der Text fehlt ab diesem Wort (1 Wort)")},
      {"Eins Donaudampfschifffahrtsgesellschaftskapitaen und zwei\r\nweitere Zeilen", "", 40,
       QStringLiteral("Lernentwicklungsbericht – das Wort „Donaudampfschifffahrtsgesellsc…“ passt in keine Zeile, "
                      "der Text fehlt ab diesem Wort (5 Wörter)")},
      {"1\r\n2\r\n3\r\n4\r\n5\r\n6", "1\r\n2\r\n3", 40,
       QStringLiteral("Lernentwicklungsbericht – 2 Zeilen fehlen\rMuster, Anna: Vermerke – 1 Zeile fehlt")},
      {"Eins Klassenkonferenzvorbereitungen", "", 20,
       QStringLiteral("Lernentwicklungsbericht – das Wort „Klassenkonferenzvorbereitungen“ passt in keine Zeile, der "
                      "Text fehlt ab diesem Wort (1 Wort)")},
      {"Eins Klassenkonferenzvorbereitungszeit", "", 20,
       QStringLiteral("Lernentwicklungsbericht – das Wort „Klassenkonferenzvorbereitungsz…“ passt in keine Zeile, der "
                      "Text fehlt ab diesem Wort (1 Wort)")},
  };
  for (const auto& c : cases) {
    pupil_.DevelopmentText.set(c.Development);
    pupil_.RemarksText.set(c.Remarks);
    F(67).FontNumber = F(70).FontNumber = static_cast<std::uint16_t>(c.Characters);
    quorv::ClearCutTexts();
    Draw(FullSpec(nullptr));
    const QString plea = c.Named.contains(u'\r') ? QStringLiteral("diese Texte.") : QStringLiteral("diesen Text.");
    const QString named = c.Named.isEmpty() ? QString()
                                            : QStringLiteral("Nicht alle Zeilen passten auf den Ausdruck:\rMuster, Anna: ") +
                                                  c.Named + QStringLiteral("\r\rBitte kürzen Sie ") + plea;
    EXPECT_EQ(quorv::CutTextsMessage(quorv::CutTexts()), named) << c.Development;
  }
  quorv::ClearCutTexts();
}

TEST_F(FrameTest, TextBlockOfNoLinesDrawsNoRulesAndNoText) {
  F(67).X = 0;
  pupil_.DevelopmentText.set("Ein Text");
  Draw(FullSpec(nullptr));
  EXPECT_TRUE(LinesAtY(F(66).Y).empty());
  EXPECT_EQ(Text(QStringLiteral("Ein Text")), nullptr);
}

TEST_F(FrameTest, SeparatorTakesItsStyleAndPageButNotItsActiveFlag) {
  F(41).Active = 0;
  F(41).FontNumber = 2;
  Draw(FullSpec(nullptr));
  EXPECT_TRUE(HasLine(200, kW - 201, F(41).Y, 2));
  F(41).FontNumber = 0;
  Draw(FullSpec(nullptr));
  EXPECT_TRUE(LinesAtY(F(41).Y).empty());
  TPageSpec finalPage = FullSpec(nullptr);
  finalPage.Separator = false;
  F(41).FontNumber = 2;
  Draw(finalPage);
  EXPECT_TRUE(LinesAtY(F(41).Y).empty());
}

TEST_F(FrameTest, SealOverprintsStrikeOneWordOfStempelSiegel) {
  struct Case {
    quorv::TSealOverprint Overprint;
    const char* Struck;
  };
  const Case cases[] = {{quorv::TSealOverprint::A, "Stempel/"},
                        {quorv::TSealOverprint::B, "/Siegel"},
                        {quorv::TSealOverprint::None, ""}};
  testsupport::StrikesOnTheirLines(fields_);
  for (const Case& c : cases) {
    TPageSpec spec = FullSpec(nullptr);
    spec.SealStrike = c.Overprint;
    Draw(spec);
    EXPECT_EQ(testsupport::StruckPart(canvas_, QStringLiteral("Stempel/Siegel")).toStdString(), c.Struck);
  }
}

TEST_F(FrameTest, MarginImprintIsTurnedAndCutTo64Characters) {
  quorv::SchoolSettings.SchoolNameAddress.setText(
      QStringLiteral("Regionale Schule mit Grundschule am Seeufer, Seestrasse 12, 12345 Seestadt"));
  Draw(FullSpec(nullptr));
  const QString expected =
      QStringLiteral("Quorv V.3.x. / Regionale Schule mit Grundschule am Seeufer, Seestrasse 12, 12345 Seestadt")
          .left(64);
  const RecordedOp* imprint = Text(expected);
  ASSERT_NE(imprint, nullptr);
  EXPECT_EQ(imprint->Text.size(), 64);
  EXPECT_EQ(imprint->P1, Pt(F(6).X, F(6).Y));
  EXPECT_EQ(imprint->State.Font.Escapement, 2700);
  EXPECT_EQ(imprint->State.Font.Height, -16);
}

TEST_F(FrameTest, SchoolNameOutsideTheSheetFallsBackToAFixedPlace) {
  for (TFormField school : {Field(0, 245, 2, 3, 1, 1), Field(315, 2970, 2, 3, 1, 1), Field(315, 245, 2, 3, 2, 1),
                            Field(315, 245, 2, 3, 1, 0)}) {
    F(3) = school;
    Draw(FullSpec(nullptr));
    ExpectText(QStringLiteral("Regionale Schule am See, 12345 Seestadt"), 850, 130, 15, 2);
  }
}

TEST_F(FrameTest, FrameAndCorrectionCornerFollowThePrintOptions) {
  quorv::PrintOptions.PrintFrame = 1;
  quorv::PrintOptions.CorrectionCorner = 1;
  Draw(FullSpec(nullptr));
  const auto frames = canvas_.opsOf(CanvasOp::Rectangle);
  ASSERT_GE(frames.size(), 2u);
  EXPECT_EQ(frames[0].P1, Pt(0, 0));
  EXPECT_EQ(frames[0].P2, Pt(1800, 2600));
  EXPECT_EQ(frames[1].P1, QPoint(kOx + 10, -kOy - 10));  // style 12: a second frame 1 mm inside
  const auto lines = canvas_.opsOf(CanvasOp::Line);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0].P1, QPoint(kOx, -kOy));
  EXPECT_EQ(lines[2].P1, QPoint(kOx + kM, -kOy));

  quorv::PrintOptions.PrintFrame = 0;
  quorv::PrintOptions.CorrectionCorner = 0;
  Draw(FullSpec(nullptr));
  EXPECT_NE(canvas_.opsOf(CanvasOp::Rectangle).front().P1, Pt(0, 0));
  EXPECT_EQ(canvas_.ops().front().State.Brush.Style, platform::BrushStyle::Clear);
}

TEST_F(FrameTest, EachPageDrawsOnlyTheFieldsOfThatPage) {
  for (int n : {30, 32, 45, 48, 55, 125, 126, 127}) F(n).Page = 2;
  F(1).Page = 3;
  const TGradeLineProfile profile = DefaultProfile();
  Draw(FullSpec(&profile), 1);
  EXPECT_NE(Text(QStringLiteral("Vorname und Name")), nullptr);
  EXPECT_EQ(Text(QStringLiteral("Noten")), nullptr);
  EXPECT_EQ(Text(QStringLiteral("Name, Vorname")), nullptr);
  EXPECT_EQ(Text(QStringLiteral("Wahlpflichtunterricht")), nullptr);
  Draw(FullSpec(&profile), 2);
  EXPECT_EQ(Text(QStringLiteral("Vorname und Name")), nullptr);
  EXPECT_EQ(Text(QStringLiteral("Zeugnis")), nullptr);
  EXPECT_NE(Text(QStringLiteral("Noten")), nullptr);
  EXPECT_NE(Text(QStringLiteral("Name, Vorname")), nullptr);
  EXPECT_NE(Text(QStringLiteral("Wahlpflichtunterricht")), nullptr);
  // Frame style 12 is drawn on every page.
  EXPECT_EQ(canvas_.opsOf(CanvasOp::Rectangle).front().P1, Pt(0, 0));
}

TEST_F(FrameTest, NothingIsDrawnWithoutTheJobsFormFileAndNoMessageComes) {
  // The job's form file was never loaded: a paint asks nothing and draws nothing.
  quorv::ClearReportJob();
  ReportJob.Pupil = pupil_;
  ReportJob.FormNumber = 16;
  ReportJob.CurrentPage = 1;
  PrintFramedPage(canvas_, ReportJob.Pupil, FullSpec(nullptr));
  EXPECT_TRUE(canvas_.ops().empty());

  // A form file whose title is ":::".
  env_.writeFormFile(QStringLiteral("Anl015.FST"), QStringLiteral(":::"), fields_);
  ReportJob.FormNumber = 15;
  quorv::StartNewJob();
  quorv::LoadJobReportFormFile();
  PrintFramedPage(canvas_, ReportJob.Pupil, FullSpec(nullptr));
  EXPECT_TRUE(canvas_.ops().empty());
}

TEST_F(FrameTest, EveryCallStartsFromTheFormFilesValues) {
  Draw(FullSpec(nullptr));
  const QPoint first = Text(QStringLiteral("Vorname und Name"))->P1;
  canvas_.clear();
  PrintFramedPage(canvas_, ReportJob.Pupil, FullSpec(nullptr));  // a repaint
  EXPECT_EQ(Text(QStringLiteral("Vorname und Name"))->P1, first);
}

// ---- the grade-line frame -------------------------------------------------------------------

class GradeLinesTest : public FrameTest {
 protected:
  GradeLinesTest() {
    quorv::FormFields = fields_;
    for (int n = 30; n <= 57; ++n) F(n).Page = 1;
    auto slot = [this](int s, const char* name, const char* grade, const char* addition = "", const char* level = "-") {
      quorv::TSubjectEntry& e = pupil_.Subjects[s - 1];
      e.Name.setText(QString::fromUtf8(name));
      e.Grade.set(grade);
      e.Addition.set(addition);
      e.CourseLevel.set(level);
    };
    slot(1, "Deutsch", "2", "+");
    slot(2, "Englisch", "3", "", "R");
    slot(3, "Französisch", "1");
    slot(4, "Mathematik", "4", "", "H");
    slot(5, "Arbeit-Wirtschaft-Technik u. I", "2");  // the catalogue name as a slot holds it
    slot(6, "Arbeit-Wirtschaft-Technik", "3");       // a leading part of it, but the AWT subject
    slot(7, "???", "-");
    slot(8, "", "-");
    slot(9, "Sport", "1");
    slot(10, "Physik", "n");
    slot(11, "katholische Religion", "2");
    slot(12, "Chemie", "k");
    slot(13, "  - - -", "-");
    slot(17, "Darstellendes Spiel Theater", "2");  // 27 characters in the first free row
    slot(18, "Astronomie", "1");
  }

  void DrawLines(const TGradeLineProfile& profile, bool course = false, bool words = false) {
    quorv::FormFields = fields_;
    canvas_.clear();
    const quorv::PageOrigins origins{{{150, 150}, {150, 150}}};
    quorv::PrintGradeLines(canvas_, pupil_, QLatin1Char('#'), origins, course, words, profile, 1, quorv::FormFields);
  }

  int RowY(int r) { return F(32).Y + (r - 1) * 60; }
  const RecordedOp* TextAt(const QString& text, int x, int y) const {
    for (const RecordedOp& op : canvas_.ops())
      if (op.Op == CanvasOp::Text && op.Text == text && op.P1 == Pt(x, y)) return &op;
    return nullptr;
  }
  int Boxes() const {
    int n = 0;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Rectangle))
      if (op.State.Brush.Style == platform::BrushStyle::Solid) ++n;
    return n;
  }
};

TEST_F(GradeLinesTest, LeftColumnRulesInOrder) {
  DrawLines(DefaultProfile());
  const int x = F(32).X;
  const int font = F(32).FontNumber;
  // Plain row.
  ExpectText(QStringLiteral("Deutsch"), x, RowY(1), font, F(32).Align);
  // Language rows: the name in field 33's font, the label 3 mm lower in field 37's font on a rule.
  const RecordedOp* english = TextAt(QStringLiteral("Englisch"), x, RowY(2));
  ASSERT_NE(english, nullptr);
  EXPECT_EQ(english->State.Font.Height, FontHeight(17));
  const RecordedOp* label1 = TextAt(QStringLiteral("1. Fremdsprache"), x, RowY(2) + 30);
  ASSERT_NE(label1, nullptr);
  EXPECT_EQ(label1->State.Font.Height, FontHeight(15));
  EXPECT_NE(TextAt(QStringLiteral("2. Fremdsprache"), x, RowY(3) + 30), nullptr);
  EXPECT_TRUE(HasLine(x, x + 700 - 150 - 50, RowY(2), 2));
  // Placeholder: a rule and "  - - -".
  EXPECT_NE(TextAt(QStringLiteral("  - - -"), x, RowY(7)), nullptr);
  EXPECT_TRUE(HasLine(x, x + 700 - 200, RowY(7), 2));
  // The AWT und Informatik subject on two lines; 0.3 and 0.1 of the pitch of 60.
  EXPECT_NE(TextAt(QStringLiteral("Arbeit-Wirtschaft-Technik"), x, RowY(5) - 18), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("und Informatik"), x, RowY(5) + 6), nullptr);
  // The AWT subject alone, and an empty name, are no two-line row.
  EXPECT_NE(TextAt(QStringLiteral("Arbeit-Wirtschaft-Technik"), x, RowY(6)), nullptr);
  EXPECT_EQ(Texts(QStringLiteral("und Informatik")).size(), 1u);
  // The fixed religion row 9 prints the alternatives, whatever the slot holds.
  EXPECT_NE(TextAt(QStringLiteral("ev. / kath. Religion /"), x, RowY(9) - 18), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("Philosophieren mit Kindern"), x, RowY(9) + 6), nullptr);
  EXPECT_EQ(Text(QStringLiteral("Sport")), nullptr);
}

TEST_F(GradeLinesTest, TwoLineRowOnlyForTheRealNamesOfTheSubject) {
  const std::string full = quorv::SubjectCatalog[3].Name.str();
  EXPECT_TRUE(quorv::IsAwtInformatikName(full));
  EXPECT_TRUE(quorv::IsAwtInformatikName(full.substr(0, 30)));
  EXPECT_FALSE(quorv::IsAwtInformatikName(""));
  EXPECT_FALSE(quorv::IsAwtInformatikName("Arbeit-Wirtschaft-Technik"));
  EXPECT_FALSE(quorv::IsAwtInformatikName("A"));
  EXPECT_FALSE(quorv::IsAwtInformatikName(full.substr(0, 29)));
  EXPECT_FALSE(quorv::IsAwtInformatikName(full + " "));
}

TEST_F(GradeLinesTest, GradesInGreyBoxesWithAdditionsAndSqueezedLongWords) {
  DrawLines(DefaultProfile(), false, true);
  const int gx = F(32).X + 700;
  EXPECT_EQ(Boxes(), 18);  // 9 rows, two columns
  bool box = false;
  for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Rectangle))
    if (op.P1 == Pt(gx - 150, RowY(1) - 45) && op.P2 == Pt(gx + 150, RowY(1))) {
      box = true;
      EXPECT_EQ(op.State.Brush.Color, QColor(0xC0, 0xC0, 0xC0));
      EXPECT_EQ(op.State.Pen.Width, 2);
    }
  EXPECT_TRUE(box);
  const RecordedOp* gut = TextAt(QStringLiteral("gut"), gx, RowY(1));
  ASSERT_NE(gut, nullptr);
  EXPECT_EQ(gut->State.Font.Height, FontHeight(22));
  EXPECT_EQ(gut->State.TextAlign, quorv::FieldTextAlign(1));
  EXPECT_NE(TextAt(QStringLiteral("+"), F(32).X + 900, RowY(1)), nullptr);
  // Right column: "nicht teilgenommen" (18) is squeezed and smaller, "nicht beurteilbar" (17) too.
  const int rx = F(32).X + 1600;
  const RecordedOp* absent = TextAt(QStringLiteral("nicht teilgenommen"), rx, RowY(1));
  ASSERT_NE(absent, nullptr);
  EXPECT_EQ(absent->State.CharacterExtra, -4);
  EXPECT_EQ(absent->State.Font.Height, FontHeight(quorv::SmallerFont(22)));
  EXPECT_EQ(TextAt(QStringLiteral("nicht beurteilbar"), rx, RowY(3))->State.CharacterExtra, -4);
  // "---" of a slot without grade: unsqueezed.
  EXPECT_EQ(TextAt(QStringLiteral("---"), gx, RowY(7))->State.CharacterExtra, 0);
}

TEST_F(GradeLinesTest, CourseLettersOnTheLanguageRowAndCourseLevelSubjects) {
  TGradeLineProfile profile = DefaultProfile();
  profile.CourseLetter = [](std::string_view level) { return quorv::CourseLevelLetterRegS(level); };
  DrawLines(profile, true);
  const int letterX = F(32).X + 700 - 160;
  const RecordedOp* english = TextAt(QStringLiteral("(M)*"), letterX, RowY(2));
  ASSERT_NE(english, nullptr);
  EXPECT_EQ(english->State.TextAlign, quorv::FieldTextAlign(quorv::kAlignRight));
  EXPECT_NE(TextAt(QStringLiteral("(B)*"), letterX, RowY(4)), nullptr);   // Mathematik, H
  EXPECT_NE(TextAt(QStringLiteral("(-)*"), letterX, RowY(1)), nullptr);   // Deutsch without level
  EXPECT_NE(TextAt(QStringLiteral("(-)*"), F(32).X + 1600 - 160, RowY(1)), nullptr);  // Physik
  int letters = 0;
  for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text))
    if (op.Text.endsWith(QLatin1String(")*"))) ++letters;
  // Left: rows 1, 2, 4; right: row 2 (Katholische Religion is row 2) and Physik, Chemie.
  EXPECT_EQ(letters, 6);
  // Without the course flag, or without a letter function, none.
  DrawLines(profile, false);
  for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text)) EXPECT_FALSE(op.Text.endsWith(QLatin1String(")*")));
  DrawLines(DefaultProfile(), true);
  for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text)) EXPECT_FALSE(op.Text.endsWith(QLatin1String(")*")));
}

TEST_F(GradeLinesTest, RightColumnReligionPlaceholdersAndFreeRows) {
  DrawLines(DefaultProfile());
  const int rx = F(32).X + 1000;
  EXPECT_NE(TextAt(QStringLiteral("Physik"), rx, RowY(1)), nullptr);
  // Religion by name in the right column: the alternatives with the strike-out of the other.
  EXPECT_NE(TextAt(QStringLiteral("ev. / kath. Religion /"), rx, RowY(2) - 18), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("  - - -"), rx, RowY(4)), nullptr);
  EXPECT_TRUE(HasLine(rx, F(32).X + 1600 - 200, RowY(4), 2));
  // Row 8 = T: a long name squeezed in field 33's font on a rule; row 9 normal spacing.
  const RecordedOp* longName = TextAt(QStringLiteral("Darstellendes Spiel Theater"), rx, RowY(8));
  ASSERT_NE(longName, nullptr);
  EXPECT_EQ(longName->State.CharacterExtra, -4);
  EXPECT_EQ(longName->State.Font.Height, FontHeight(17));
  EXPECT_TRUE(HasLine(rx, F(32).X + 1600 - 200, RowY(8), 2));
  const RecordedOp* next = TextAt(QStringLiteral("Astronomie"), rx, RowY(9));
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->State.CharacterExtra, 0);
}

TEST_F(GradeLinesTest, ProfilesForOtherFormsAndSchoolTypes) {
  // Berufsreife: eight rows, one language row, religion row 8.
  TGradeLineProfile berufsreife;
  berufsreife.Rows = 8;
  berufsreife.FirstFreeRow = 8;
  berufsreife.LanguageRows = {{{2, "1. Fremdsprache"}, {0, nullptr}}};
  berufsreife.ReligionRow = 8;
  DrawLines(berufsreife);
  EXPECT_EQ(Boxes(), 16);
  EXPECT_NE(TextAt(QStringLiteral("Französisch"), F(32).X, RowY(3)), nullptr);
  EXPECT_EQ(Text(QStringLiteral("2. Fremdsprache")), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("ev. / kath. Religion /"), F(32).X, RowY(8) - 18), nullptr);
  EXPECT_EQ(Text(QStringLiteral("Sport")), nullptr);  // slot 9 is not drawn

  // Grundschule: one column, the language row 9, primary wording in row 4, no AWT row.
  TGradeLineProfile primary;
  primary.Rows = 9;
  primary.FirstFreeRow = 0;
  primary.LanguageRows = {{{9, "Fremdsprache"}, {0, nullptr}}};
  primary.ReligionRow = 4;
  primary.ReligionLine = quorv::TReligionLine::Primary;
  primary.AwtTwoLines = false;
  DrawLines(primary);
  EXPECT_EQ(Boxes(), 9);
  EXPECT_EQ(Text(QStringLiteral("Physik")), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("evangelische / katholische Religion /"), F(32).X, RowY(4) - 18), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("Fremdsprache"), F(32).X, RowY(9) + 30), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("Arbeit-Wirtschaft-Technik u. I"), F(32).X, RowY(5)), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("Französisch"), F(32).X, RowY(3)), nullptr);

  // Gymnasium leaving report: placeholders print as they stand on the right, religion only in row 1,
  // grade words squeezed above 12 characters.
  TGradeLineProfile leaving;
  leaving.Rows = 8;
  leaving.FirstFreeRow = 10;
  leaving.ReligionRow = 0;
  leaving.AwtTwoLines = false;
  leaving.GradeSqueeze = 12;
  leaving.RightReligion = quorv::TRightReligion::FirstRowOnly;
  leaving.RightPlaceholders = false;
  DrawLines(leaving, false, true);
  const int rx = F(32).X + 1000;
  EXPECT_NE(TextAt(QStringLiteral("katholische Religion"), rx, RowY(2)), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("  - - -"), rx, RowY(4)), nullptr);
  EXPECT_FALSE(HasLine(rx, F(32).X + 1600 - 200, RowY(4), 2));
  // No fixed religion row, and a religion subject in row 2 of the right column prints as a name.
  EXPECT_EQ(Text(QStringLiteral("ev. / kath. Religion /")), nullptr);
  pupil_.Subjects[0].Grade.set("e");  // "nicht erteilt", 13 characters
  DrawLines(leaving, false, true);
  EXPECT_EQ(TextAt(QStringLiteral("nicht erteilt"), F(32).X + 700, RowY(1))->State.CharacterExtra, -4);
  DrawLines(DefaultProfile(), false, true);
  EXPECT_EQ(TextAt(QStringLiteral("nicht erteilt"), F(32).X + 700, RowY(1))->State.CharacterExtra, 0);
}

TEST_F(GradeLinesTest, LanguageLabelBesideTheNameWhenField33HasAnOffset) {
  F(33).X = 400;
  DrawLines(DefaultProfile());
  EXPECT_NE(TextAt(QStringLiteral("1. Fremdsprache"), F(32).X + 400, RowY(2)), nullptr);
  EXPECT_TRUE(HasLine(400, F(32).X + 700 - 200, RowY(2), 2));
}

// ---- religion lines ---------------------------------------------------------------------------

class ReligionLineTest : public FrameTest {
 protected:
  void DrawLine(const QString& name, bool primary = false) {
    quorv::FormFields = fields_;
    canvas_.clear();
    const quorv::PageOrigins origins{{{150, 150}, {150, 150}}};
    TFormField line = F(32);
    line.Y = static_cast<std::uint16_t>(F(32).Y + 60);
    const auto routine = primary ? quorv::PrintPrimarySubjectLine : quorv::PrintSubjectLine;
    routine(canvas_, name, QLatin1Char('#'), kOx, kOy, origins, 150, 2, 1, line, F(40), F(34), F(33), F(32),
            quorv::FormFields);
  }
  int Y() { return F(32).Y + 60; }
};

TEST_F(ReligionLineTest, ModeOneAndTwoPrintARealNameAndOtherwiseBothAlternatives) {
  quorv::PrintOptions.ReligionLineMode = 1;
  DrawLine(QStringLiteral("evangelische Religion"));
  ExpectText(QStringLiteral("evangelische Religion"), F(32).X, Y(), F(32).FontNumber, F(32).Align);
  EXPECT_EQ(canvas_.opsOf(CanvasOp::Text).size(), 1u);
  DrawLine(QStringLiteral("???"));
  EXPECT_NE(Text(QStringLiteral("ev. / kath. Religion /")), nullptr);
  EXPECT_NE(Text(QStringLiteral("Philosophieren mit Kindern")), nullptr);
  EXPECT_EQ(canvas_.opsOf(CanvasOp::Text).size(), 2u);  // without strike-out

  quorv::PrintOptions.ReligionLineMode = 2;
  DrawLine(QStringLiteral("Philosophieren mit Kindern"));  // 26 characters: squeezed, in the label's font
  const RecordedOp* name = Text(QStringLiteral("Philosophieren mit Kindern"));
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->P1, Pt(F(32).X, Y()));
  EXPECT_EQ(name->State.Font.Height, FontHeight(F(33).FontNumber));
  EXPECT_EQ(name->State.CharacterExtra, -4);
  EXPECT_TRUE(HasLine(F(32).X, F(32).X + 700 - 200, Y(), 2));
  DrawLine(QStringLiteral("  - - -"));
  EXPECT_NE(Text(QStringLiteral("ev. / kath. Religion /")), nullptr);
}

TEST_F(ReligionLineTest, OtherModesStrikeTheAlternativesNotChosen) {
  struct Case {
    bool Primary;
    int Entry;
    const char* Upper;  // the part struck out of each line
    const char* Lower;
  };
  const Case cases[] = {
      {false, 27, "kath.", "Philosophieren mit Kindern"},
      {false, 28, "ev.", "Philosophieren mit Kindern"},
      {false, 24, "ev. / kath. Religion /", ""},
      {true, 27, "katholische", "Philosophieren mit Kindern"},
      {true, 28, "evangelische", "Philosophieren mit Kindern"},
      {true, 24, "evangelische / katholische Religion /", ""},
  };
  for (const Case& c : cases) {
    DrawLine(quorv::SubjectCatalog[static_cast<std::size_t>(c.Entry)].Name.text(), c.Primary);
    const QString upperText = QString::fromUtf8(c.Primary ? "evangelische / katholische Religion /" : "ev. / kath. Religion /");
    EXPECT_EQ(testsupport::StruckPart(canvas_, upperText).toStdString(), c.Upper) << c.Entry;
    EXPECT_EQ(testsupport::StruckPart(canvas_, QStringLiteral("Philosophieren mit Kindern")).toStdString(), c.Lower)
        << c.Entry;
    // The fill is in field 33's font on the line it strikes.
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text))
      if (op.Text.contains(QLatin1Char('#'))) {
        EXPECT_EQ(op.State.Font.Height, FontHeight(F(33).FontNumber));
        EXPECT_TRUE(op.P1.y() == Pt(0, Y() - 18).y() || op.P1.y() == Pt(0, Y() + 6).y()) << op.P1.y();
      }
  }
  // Another name: both alternatives without strike-out.
  DrawLine(QStringLiteral("Ethik"));
  EXPECT_EQ(canvas_.opsOf(CanvasOp::Text).size(), 2u);
}

// ---- elective blocks --------------------------------------------------------------------------

class ElectiveBlockTest : public FrameTest {
 protected:
  ElectiveBlockTest() {
    auto slot = [this](int s, const char* name, const char* grade, const char* addition = "") {
      quorv::TSubjectEntry& e = pupil_.Subjects[s - 1];
      e.Name.setText(QString::fromUtf8(name));
      e.Grade.set(grade);
      e.Addition.set(addition);
    };
    slot(19, "Informatik", "1", "a");
    slot(20, "???", "-");
    slot(21, "Hauswirtschaft", "2");
    slot(22, "Darstellendes Spiel im Kurs", "t");  // 27 characters
    slot(23, "Spanisch für Anfänger", "3");      // 21 characters
    slot(24, "Technik", "4");
    slot(25, "", "2", "b");
  }
  void DrawBlock(bool four, bool words = false) {
    quorv::FormFields = fields_;
    canvas_.clear();
    const quorv::PageOrigins origins{{{150, 150}, {150, 150}}};
    (four ? quorv::PrintElectiveBlock4 : quorv::PrintElectiveBlock3)(canvas_, pupil_, quorv::FormFields, origins,
                                                                       words, 1);
  }
  int RowY(int i) { return F(48).Y + (i - 1) * 60; }
  const RecordedOp* TextAt(const QString& text, int x, int y) const {
    for (const RecordedOp& op : canvas_.ops())
      if (op.Op == CanvasOp::Text && op.Text == text && op.P1 == Pt(x, y)) return &op;
    return nullptr;
  }
};

TEST_F(ElectiveBlockTest, BlockThreeHasTwoRowsWithHalfYearLabels) {
  DrawBlock(false, true);
  const int x = F(48).X;
  const RecordedOp* left = TextAt(QStringLiteral("Informatik"), x, RowY(1));
  ASSERT_NE(left, nullptr);
  EXPECT_EQ(left->State.Font.Height, FontHeight(F(33).FontNumber));
  EXPECT_NE(TextAt(QStringLiteral("  - - -"), x, RowY(2)), nullptr);  // "???" prints as "  - - -"
  EXPECT_NE(TextAt(QStringLiteral("1. Halbjahr"), x, RowY(1) + 30), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("2. Halbjahr"), x, RowY(2) + 30), nullptr);
  EXPECT_EQ(TextAt(QStringLiteral("1. Halbjahr"), x, RowY(1) + 30)->State.Font.Height, FontHeight(F(37).FontNumber));
  EXPECT_TRUE(HasLine(x, x + 700 - 200, RowY(1), 2));
  // Grades on a rule, no box.
  EXPECT_NE(TextAt(QStringLiteral("sehr gut"), x + 700, RowY(1)), nullptr);
  EXPECT_TRUE(HasLine(x + 700 - 150, x + 700 + 150, RowY(1), 2));
  EXPECT_NE(TextAt(QStringLiteral("a"), x + 900, RowY(1)), nullptr);
  // Right: a 27-character name is squeezed and smaller; 21 characters are not.
  const RecordedOp* longName = TextAt(QStringLiteral("Darstellendes Spiel im Kurs"), x + 1000, RowY(1));
  ASSERT_NE(longName, nullptr);
  EXPECT_EQ(longName->State.CharacterExtra, -4);
  EXPECT_EQ(longName->State.Font.Height, FontHeight(quorv::SmallerFont(F(33).FontNumber)));
  EXPECT_EQ(TextAt(QStringLiteral("Spanisch für Anfänger"), x + 1000, RowY(2))->State.CharacterExtra, 0);
  EXPECT_TRUE(HasLine(x + 1000, x + 1600 - 200, RowY(1), 2));
  EXPECT_NE(TextAt(QStringLiteral("teilgenommen"), x + 1600, RowY(1)), nullptr);
  EXPECT_EQ(Text(QStringLiteral("Hauswirtschaft")), nullptr);  // slot 21 belongs to block 4
  // The overall grade in a grey box at field 56, its addition at 57.
  ExpectAtField(QStringLiteral("gut"), 56);
  ExpectAtField(QStringLiteral("b"), 57);
  bool box = false;
  for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Rectangle))
    if (op.P1 == Pt(F(56).X - 150, F(56).Y - 45) && op.P2 == Pt(F(56).X + 150, F(56).Y)) box = true;
  EXPECT_TRUE(box);
}

TEST_F(ElectiveBlockTest, BlockFourHasThreeRowsWithoutLabels) {
  DrawBlock(true);
  const int x = F(48).X;
  EXPECT_NE(TextAt(QStringLiteral("Hauswirtschaft"), x, RowY(3)), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("Technik"), x + 1000, RowY(3)), nullptr);
  EXPECT_EQ(Text(QStringLiteral("1. Halbjahr")), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("2"), x + 700, RowY(3)), nullptr);  // grades as codes
}

TEST_F(FrameTest, ElectiveSectionFollowsTheBlockChoice) {
  TPageSpec spec = FullSpec(nullptr);
  spec.Electives = quorv::TElectiveBlock::None;
  Draw(spec);
  EXPECT_EQ(Text(QStringLiteral("Wahlpflichtunterricht")), nullptr);
  EXPECT_EQ(Text(QStringLiteral("Gesamtnote im Wahlpflichtunterricht")), nullptr);
  spec.Electives = quorv::TElectiveBlock::Four;
  pupil_.Subjects[20].Name.setText(QStringLiteral("Hauswirtschaft"));
  Draw(spec);
  EXPECT_NE(Text(QStringLiteral("Hauswirtschaft")), nullptr);
  EXPECT_NE(Text(QStringLiteral("Gesamtnote im Wahlpflichtunterricht")), nullptr);
}

}  // namespace
