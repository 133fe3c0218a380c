#include "layouts/GrundschuleLayouts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "layouts/DrawnPageGeometry.h"
#include "layouts/LayoutTestSupport.h"
#include "layouts/OutputWrappers.h"
#include "layouts/PrintJob.h"
#include "layouts/CommittedFormFiles.h"
#include "printengine/PrinterFonts.h"

using platform::CanvasOp;
using platform::MsgKind;
using platform::RecordedOp;
using quorv::ReportJob;
using testsupport::One;

namespace {

const QString kUpper = QStringLiteral("evangelische / katholische Religion /");
const QString kLower = QStringLiteral("Philosophieren mit Kindern");
const QString kScale =
    QStringLiteral("sehr gut (1), gut (2), befriedigend (3), ausreichend (4), mangelhaft (5), ungenügend (6)");

class GrundschulePageTest : public testsupport::FormPageTest {
 protected:
  GrundschulePageTest() {
    const char* names[9] = {"Deutsch", "Sachunterricht", "Mathematik", "evangelische Religion", "Kunst",
                            "Musik", "Sport", "Werken", "Englisch"};
    for (int i = 0; i < 9; ++i) SetSlot(i + 1, QString::fromUtf8(names[i]));
    pupil_.Subjects[9].Name.set("Physik");  // slot 10: no right column
  }
  QStringList TextsAt(int x, int y) const { return FormPageTest::TextsAt(Pt(x, y)); }
  using FormPageTest::TextsAt;
  bool HasLine(int x1, int x2, int y) const {
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Line))
      if (op.P1 == Pt(x1, y) && op.P2 == Pt(x2 + 1, y)) return true;
    return false;
  }
  int GradeX() { return F(32).X + F(34).X; }
  // The end of a no-subject rule: 5 mm before the grade box.
  int RuleEnd() { return GradeX() - quorv::kHalfGradeBox - 50; }
};

// The texts of each form are the same in every school year; forms 1 and 2
// have nothing of a grade page, no form has electives.
TEST_F(GrundschulePageTest, TextsAndGradePageOfEachFormInEveryYear) {
  const char* titles[] = {"Zeugnis", "Übergangszeugnis", "Zeugnis", "Übergangszeugnis"};
  for (int form = 1; form <= 4; ++form) {
    const bool grades = form >= 3;
    for (const char* year : {"2006", "2007", "abc"}) {
      pupil_.SchoolYear.set(year);
      Draw(form);
      const std::string at = std::to_string(form) + " " + year;
      EXPECT_EQ(TextsAt(5), One(titles[form - 1])) << at;
      EXPECT_EQ(TextsAt(14), One("der Grundschule")) << at;
      // The short label 3 mm below the school's rule.
      EXPECT_EQ(TextsAt(F(4).X, F(4).Y + 30), One("Name der Schule/Schulort")) << at;
      EXPECT_EQ(TextsAt(65), One("Lernentwicklungsbericht")) << at;
      EXPECT_EQ(TextsAt(59), One("(Leistungsstand sowie Sozial- und Arbeitsverhalten)")) << at;
      EXPECT_EQ(TextsAt(119), One("Notenstufen:")) << at;
      EXPECT_EQ(TextsAt(120), QStringList{kScale}) << at;
      EXPECT_EQ(TextsAt(95).size(), 1) << at;  // wherever field 95 is active
      EXPECT_EQ(TextsAt(30), One(grades ? "Noten" : nullptr)) << at;
      EXPECT_EQ(GradeBoxes(), grades ? 9u : 0u) << at;
      for (int n : {32, 126, 127}) EXPECT_EQ(TextsAt(n).isEmpty(), !grades) << at << " field " << n;
      EXPECT_FALSE(Drawn(QStringLiteral("Physik"))) << at;
      for (const QString& text : {QStringLiteral("Name, Vorname"), QStringLiteral("Fremdsprache"), kUpper})
        EXPECT_EQ(Drawn(text), grades) << at << " " << text.toStdString();
      // Fields 33 to 40 and 49 to 54 are offsets from the blocks' anchors.
      for (int n : {45, 48, 55, 56, 57}) EXPECT_TRUE(TextsAt(n).isEmpty()) << at << " field " << n;
      for (const QString& text : {QStringLiteral("Wahlpflichtunterricht"), QStringLiteral("1. Halbjahr"),
                                  QStringLiteral("Gesamtnote im Wahlpflichtunterricht")})
        EXPECT_FALSE(Drawn(text)) << at << " " << text.toStdString();
    }
  }
}

TEST_F(GrundschulePageTest, SealAndPeriodStrikeOutsByFormAndHalfYear) {
  const char *sealA = "Stempel/", *sealB = "/Siegel", *halfYear = "/ Schuljahr", *year = "1. Schulhalbjahr /";
  struct Case {
    int Form;
    int HalfYear;
    const char* Seal;  // the struck parts
    const char* Period;
  };
  const Case cases[] = {{1, 0, sealA, year}, {1, 1, sealB, halfYear}, {2, 0, sealA, year}, {2, 1, sealA, halfYear},
                        {3, 0, sealA, year}, {3, 1, sealB, halfYear}, {4, 0, sealA, year}, {4, 1, sealA, halfYear}};
  testsupport::StrikesOnTheirLines(fields_);
  for (const Case& c : cases) {
    pupil_.HalfYear = static_cast<std::uint16_t>(c.HalfYear);
    Draw(c.Form);
    EXPECT_EQ(TextsAt(112), One("Stempel/Siegel")) << c.Form;
    EXPECT_EQ(Struck(QStringLiteral("Stempel/Siegel")).toStdString(), c.Seal) << c.Form << " " << c.HalfYear;
    EXPECT_EQ(Struck(QStringLiteral("über das 1. Schulhalbjahr / Schuljahr")).toStdString(), c.Period)
        << c.Form << " " << c.HalfYear;
  }
}

TEST_F(GrundschulePageTest, GradesInWordsAlwaysOnFormFourOnFormThreeByTheOption) {
  const struct {
    int Form, Option;
    const char* Grade;
  } cases[] = {{3, 0, "2"}, {3, 1, "gut"}, {4, 0, "gut"}, {4, 1, "gut"}};
  for (const auto& c : cases) {
    quorv::PrintOptions.GradesInWords = static_cast<std::uint16_t>(c.Option);
    Draw(c.Form);
    for (int r = 1; r <= 9; ++r)
      EXPECT_NE(TextAt(Pt(GradeX(), RowY(r)), QString::fromUtf8(c.Grade)), nullptr) << c.Form << " row " << r;
    // No course letters.
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text)) EXPECT_FALSE(op.Text.endsWith(QStringLiteral(")*")));
  }
}

TEST_F(GrundschulePageTest, LongGradeWordsAreSqueezedWithTheSmallerFontThenSpacingIsBack) {
  const struct {
    const char* Code;
    const char* Text;
    int Extra;
    bool Smaller;
  } cases[] = {{"3", "befriedigend", 0, false}, {"k", "nicht beurteilbar", -4, true}, {"e", "nicht erteilt", 0, false}};
  for (int r = 1; r <= 3; ++r) pupil_.Subjects[static_cast<std::size_t>(r - 1)].Grade.set(cases[r - 1].Code);
  Draw(4);
  const std::vector<RecordedOp>& ops = canvas_.ops();
  for (int r = 1; r <= 3; ++r) {
    const auto& c = cases[r - 1];
    const RecordedOp* grade = TextAt(Pt(GradeX(), RowY(r)), QString::fromUtf8(c.Text));
    ASSERT_NE(grade, nullptr) << c.Text;
    EXPECT_EQ(grade->State.CharacterExtra, c.Extra) << c.Text;
    const int font = c.Smaller ? quorv::SmallerFont(F(34).FontNumber) : F(34).FontNumber;
    EXPECT_EQ(grade->State.Font.Height, FontHeight(font)) << c.Text;
    if (c.Extra == 0) continue;
    // The spacing is back to 0 for the next text.
    auto next = std::find_if(ops.begin() + (grade - ops.data()) + 1, ops.end(),
                             [](const RecordedOp& op) { return op.Op == CanvasOp::Text; });
    ASSERT_NE(next, ops.end());
    EXPECT_EQ(next->State.CharacterExtra, 0) << "after " << c.Text;
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
  const int upperY = y - (3 * F(40).Y) / 10;
  const int lowerY = y + F(40).Y / 10;
  for (const Case& c : cases) {
    quorv::PrintOptions.ReligionLineMode = static_cast<std::uint16_t>(c.Mode);
    pupil_.Subjects[3].Name.setText(QString::fromUtf8(c.Name));
    for (int form : {3, 4}) {
      Draw(form);
      const bool lines = c.Row == nullptr;
      EXPECT_EQ(TextsAt(F(32).X, y), One(c.Row)) << c.Name;
      EXPECT_EQ(TextsAt(F(32).X, upperY), One(lines ? kUpper : QString())) << c.Name;
      EXPECT_EQ(TextsAt(F(32).X, lowerY), One(lines ? kLower : QString())) << c.Name;
      EXPECT_EQ(Struck(kUpper).toStdString(), c.Upper) << c.Name << " mode " << c.Mode;
      EXPECT_EQ(Struck(kLower).toStdString(), c.Lower) << c.Name << " mode " << c.Mode;
      // The strike-outs in field 33's font.
      for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text))
        if (op.Text.contains(QLatin1Char('#')) && (op.P1.y() == Pt(0, upperY).y() || op.P1.y() == Pt(0, lowerY).y())) {
          EXPECT_EQ(op.State.Font.Height, FontHeight(F(33).FontNumber)) << c.Name;
        }
    }
  }
  // A religion in another row prints the same wording there.
  quorv::PrintOptions.ReligionLineMode = 0;
  pupil_.Subjects[3].Name.setText(QStringLiteral("Sport"));
  pupil_.Subjects[6].Name.setText(QStringLiteral("evangelische Religion"));
  Draw(3);
  EXPECT_EQ(TextsAt(F(32).X, RowY(7) - (3 * F(40).Y) / 10), QStringList{kUpper});
  EXPECT_EQ(Struck(kUpper).toStdString(), "katholische");
}

// Row 9 is the language row with its label even when empty; other empty slots
// print "  - - -" on a rule that ends 5 mm before the grade box.
TEST_F(GrundschulePageTest, LanguageRowAndEmptySlots) {
  const struct {
    const char* Name;
    int LabelX;  // field 33's X
  } cases[] = {{"Englisch", 0}, {"???", 0}, {"Englisch", 250}, {"???", 250}};
  const int y = RowY(9);
  for (const auto& c : cases) {
    pupil_.Subjects[8].Name.setText(QString::fromUtf8(c.Name));
    F(33).X = static_cast<std::uint16_t>(c.LabelX);
    Draw(3);
    // The name as it is, in field 33's font.
    const RecordedOp* name = TextAt(Pt(F(32).X, y), QString::fromUtf8(c.Name));
    ASSERT_NE(name, nullptr) << c.Name;
    EXPECT_EQ(name->State.Font.Height, FontHeight(F(33).FontNumber));
    // The label below the name, or on the row at field 33's offset.
    const RecordedOp* label =
        TextAt(Pt(F(32).X + c.LabelX, c.LabelX == 0 ? y + 30 : y), QStringLiteral("Fremdsprache"));
    ASSERT_NE(label, nullptr) << c.Name << " " << c.LabelX;
    EXPECT_EQ(label->State.Font.Height, FontHeight(F(37).FontNumber));
    EXPECT_TRUE(HasLine(c.LabelX == 0 ? F(32).X : c.LabelX, RuleEnd(), y)) << c.Name << " " << c.LabelX;
    EXPECT_TRUE(TextsAt(F(32).X, y).filter(QStringLiteral("- - -")).isEmpty());
  }
  F(33).X = 0;
  pupil_.Subjects[1].Name.set("???");
  pupil_.Subjects[5].Name.set("  - - -");
  pupil_.Subjects[7].Name.set("Arbeit-Wirtschaft-Technik u. I");  // one line, as any name
  Draw(3);
  for (int r : {2, 6}) {
    EXPECT_EQ(TextsAt(F(32).X, RowY(r)), One("  - - -")) << r;
    EXPECT_TRUE(HasLine(F(32).X, RuleEnd(), RowY(r))) << r;
  }
  EXPECT_EQ(TextsAt(F(32).X, RowY(8)), One("Arbeit-Wirtschaft-Technik u. I"));
  EXPECT_FALSE(HasLine(F(32).X, RuleEnd(), RowY(1)));
}

// ---- output wrappers --------------------------------------------------------------------------

// Titles by form and half year; forms 1 and 2 print one page and refuse
// the whole-report target, forms 3 and 4 print both pages in one document.
TEST(GrundschuleWrapperTest, TitlesTargetsAndPagesOfEachForm) {
  testsupport::LayoutEnvironment env;
  testsupport::FixedPrinter printer(platform::DeviceCaps{});
  testsupport::InstallCommittedFormFiles(env.dir(), formfiles::GrundschuleFormFiles());
  struct Case {
    const quorv::TOutputWrapper* Wrapper;  // the form's, run through the dispatch table
    int Form, HalfYear, Target;
    int Pages;  // 0: refused
    const char* Title;
  };
  const Case cases[] = {
      {&quorv::kGrundschuleClass1Report, 1, 1, 2, 1, "Halbjahres-Zeugnis: "},
      {&quorv::kGrundschuleClass1Report, 1, 0, 3, 0, "Jahres-Zeugnis: "},
      {&quorv::kGrundschuleClass1TransferReport, 2, 1, 2, 1, "Übergangs-Zeugnis: "},
      {&quorv::kGrundschuleClass1TransferReport, 2, 0, 3, 0, "Übergangs-Zeugnis: "},
      {&quorv::kGrundschuleReport, 3, 0, 3, 2, "Jahres-Zeugnis: "},
      {&quorv::kGrundschuleReport, 3, 1, 2, 1, "Halbjahres-Zeugnis: "},
      {&quorv::kGrundschuleTransferReport, 4, 1, 3, 2, "Übergangs-Zeugnis: "},
  };
  for (const Case& c : cases) {
    testsupport::ScriptedMessages msgs;
    if (c.Pages == 0)
      msgs.expect(quorv::kWrongTargetMessage, MsgKind::Information);
    else
      msgs.expectPrefix(testsupport::kPdfNotice, MsgKind::Information);
    quorv::ClearReportJob();
    ReportJob.Pupil = testsupport::TestPupil();
    ReportJob.Pupil.HalfYear = static_cast<std::uint16_t>(c.HalfYear);
    ReportJob.FormNumber = static_cast<std::uint16_t>(c.Form);
    ReportJob.OutputTarget = static_cast<std::uint16_t>(c.Target);
    ReportJob.FirstPage = 1;
    ReportJob.LastPage = quorv::FindDispatchEntry(c.Form)->Pages;
    ReportJob.CurrentPage = c.Target == quorv::otPrinterReport ? 0 : 1;
    const QString title = QString::fromUtf8(c.Title) + QStringLiteral("Anna Muster");
    EXPECT_EQ(quorv::DocumentTitle(*c.Wrapper, ReportJob), title);
    quorv::FindDispatchEntry(c.Form)->Wrapper();
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
  testsupport::InstallCommittedFormFiles(env.dir(), formfiles::GrundschuleFormFiles());
  for (int form = 1; form <= 4; ++form) {
    const bool grades = form >= 3;
    const bool isTransfer = form == 2 || form == 4;
    const QStringList drawn =
        testsupport::DrawnReportTexts(form, testsupport::FullyFilledPupil(form, 1, 1, QStringLiteral("2007")),
                                      quorv::FindDispatchEntry(form)->Pages);
    testsupport::ExpectAllDrawn(
        drawn,
        testsupport::FullyFilledFrameTexts(true)
            << QStringLiteral("Name der Schule/Schulort") << QStringLiteral("der Grundschule")
            << QStringLiteral("über das 1. Schulhalbjahr / Schuljahr") << QStringLiteral("2007 / 2008")
            << QStringLiteral("struck: / Schuljahr") << QStringLiteral("Lernentwicklungsbericht")
            << QStringLiteral("(Leistungsstand sowie Sozial- und Arbeitsverhalten)") << QStringLiteral("Stempel/Siegel")
            // A half-year report keeps "Stempel" but on the transfer reports.
            << (isTransfer ? QStringLiteral("struck: Stempel/") : QStringLiteral("struck: /Siegel")),
        form);
    // Only the transfer reports hold the transfer block, only forms 3 and 4 the
    // grade page: religion in slot 4 (evangelische Religion), the language in slot 9.
    const QStringList transferBlock = {QString::fromUtf8(quorv::kTransferSentence), QStringLiteral("struck: /Der Schüler"),
                                       QStringLiteral("Schule bzw. Schulart"),
                                       QStringLiteral("Berufliche Schule Seestadt-Süd")};
    const QStringList gradePage = {QStringLiteral("Name, Vorname"), QStringLiteral("Noten"), kUpper, kLower,
                                   QStringLiteral("struck: katholische"),
                                   QStringLiteral("struck: Philosophieren mit Kindern"), QStringLiteral("Französisch"),
                                   QStringLiteral("Fremdsprache"), QStringLiteral("Notenstufen:"), kScale};
    for (const QString& text : transferBlock)
      EXPECT_EQ(drawn.contains(text), isTransfer) << form << ": " << text.toStdString();
    for (const QString& text : gradePage) EXPECT_EQ(drawn.contains(text), grades) << form << ": " << text.toStdString();
    // A grade in each of the nine rows.
    EXPECT_EQ(drawn.count(QStringLiteral("nicht teilgenommen")), grades ? 9 : 0) << form;
    EXPECT_GE(drawn.filter(QStringLiteral("Marie-Christin arbeitet im Unterricht")).size(), 2) << form;
  }
}

}  // namespace
