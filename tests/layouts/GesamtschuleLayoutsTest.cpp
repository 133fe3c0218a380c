#include "layouts/GesamtschuleLayouts.h"

#include <gtest/gtest.h>

#include "layouts/DrawnPageGeometry.h"
#include "layouts/LayoutTestSupport.h"
#include "layouts/CommittedFormFiles.h"

using platform::CanvasOp;
using platform::RecordedOp;
using testsupport::One;

namespace {

const QString kReligionUpper = QStringLiteral("ev. / kath. Religion /");
// The struck parts of "Stempel/Siegel".
const QString kSealA = QStringLiteral("Stempel/");
const QString kSealB = QStringLiteral("/Siegel");
const QString kNote1 =
    QStringLiteral("1. In der Integrierten Gesamtschule wird der Unterricht nicht nach Schularten gegliedert.");
const QString kFootnote = QStringLiteral(
    "* B = Basiskurs auf der Anspruchsebene der Berufsreife, E = Erweiterungskurs auf der Anspruchsebene der "
    "Mittleren Reife, G = Gymnasialkurs");

class GesamtschulePageTest : public testsupport::FormPageTest {
 protected:
  GesamtschulePageTest() {
    quorv::SchoolSettings.SchoolType = 3;
    pupil_.Jahrgangsstufe.set("9");
    for (int slot = 1; slot <= 25; ++slot) Slot(slot, QStringLiteral("Fach %1").arg(slot));
    testsupport::StrikesOnTheirLines(fields_);
  }
  void Slot(int slot, const QString& name, const char* level = "-") { SetSlot(slot, name, "2", level); }
  int LetterX(int column) const {
    return fields_[32].X + fields_[column == 0 ? 34 : 38].X - quorv::kHalfGradeBox - 10;
  }
  QStringList CourseLetters() const {
    QStringList out;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text))
      if (op.Text.startsWith(QLatin1Char('(')) && op.Text.endsWith(QStringLiteral(")*"))) out << op.Text;
    return out;
  }
};


TEST_F(GesamtschulePageTest, TitlesPeriodSealAndGradeWordsByFormAndHalfYearInEverySchoolYear) {
  struct Case {
    int Form;
    const char* Title;
    const char* Phrase;
    QString Seal[2];  // the struck part by half year
    bool Words;       // grades in words whatever the option
  };
  const char* ig = "der Integrierten Gesamtschule";
  const Case cases[] = {
      {104, "Zeugnis", "der Orientierungsstufe", {kSealA, kSealB}, false}, {26, "Zeugnis", ig, {kSealA, kSealB}, false},
      {27, "Zeugnis", ig, {kSealA, kSealB}, false},           {29, "Übergangszeugnis", ig, {kSealA, kSealA}, true},
      {127, "Zwischenzeugnis", ig, {kSealB, kSealB}, false},  {28, "Abgangszeugnis", ig, {kSealA, kSealA}, true},
  };
  for (int y = 0; y < 2; ++y) {
    for (const Case& c : cases) {
      for (int halfYear : {0, 1}) {
        const int option = (y + halfYear) % 2;
        pupil_.SchoolYear.set(y == 0 ? "2006" : "2012");
        pupil_.HalfYear = static_cast<std::uint16_t>(halfYear);
        quorv::PrintOptions.GradesInWords = static_cast<std::uint16_t>(option);
        Draw(c.Form);
        const bool report = c.Form != 28;
        const std::string at = std::to_string(c.Form) + " year " + std::to_string(y) + " half " +
                               std::to_string(halfYear) + " option " + std::to_string(option);
        EXPECT_EQ(TextsAt(5), One(c.Title)) << at;
        EXPECT_EQ(TextsAt(14), One(c.Phrase)) << at;
        EXPECT_EQ(TextsAt(7), One(report ? "über das 1. Schulhalbjahr / Schuljahr" : "Schuljahr")) << at;
        const QString period = halfYear == 1 ? QStringLiteral("/ Schuljahr") : QStringLiteral("1. Schulhalbjahr /");
        EXPECT_EQ(Struck(QStringLiteral("über das 1. Schulhalbjahr / Schuljahr")), report ? period : QString()) << at;
        EXPECT_EQ(Struck(QStringLiteral("Stempel/Siegel")), c.Seal[halfYear]) << at;
        // The same texts in every school year; the leaving report has no text block.
        EXPECT_EQ(TextsAt(65), One(report ? "Lernentwicklungsbericht" : nullptr)) << at;
        EXPECT_EQ(TextsAt(59), One(report ? "(Leistungsstand sowie Sozial- und Arbeitsverhalten)" : nullptr)) << at;
        EXPECT_EQ(TextsAt(95), One(report ? quorv::kTransferSentence : nullptr)) << at;
        EXPECT_EQ(TextsAt(Pt(F(32).X + F(34).X, RowY(1))), One(c.Words || option == 1 ? "gut" : "2")) << at;
      }
    }
  }
}

TEST_F(GesamtschulePageTest, NotesFootnoteAnspruchsebeneAndElectivesByForm) {
  const QString nawi = QStringLiteral("2. Naturwissenschaften umfasst ");
  const QStringList class56 = {
      kNote1, nawi + QStringLiteral("den fächerverbindenden Unterricht in Physik und Biologie."),
      QStringLiteral("3. Weltkunde umfasst den fächerverbindenden Unterricht in Geografie und Geschichte.")};
  const QStringList report = {
      kNote1, nawi + QStringLiteral("in der Jahrgangsstufe 7 den fächerverbindenden Unterricht in Physik, Chemie "
                                    "und Biologie.")};
  struct Case {
    int Form;
    QStringList Notes;  // fields 91 to 93
    bool Courses;       // footnote, Anspruchsebene, electives, course letters
  };
  const Case cases[] = {{104, {}, false},      {26, class56, false}, {27, report, true},
                        {29, report, true},    {127, report, true},  {28, {kNote1}, true}};
  pupil_.AnspruchsebeneAll = 2;
  for (const Case& c : cases) {
    Draw(c.Form);
    EXPECT_EQ(TextsAt(90), One(c.Notes.isEmpty() ? nullptr : "Erläuterungen:")) << c.Form;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(TextsAt(91 + i), One(c.Notes.value(i))) << c.Form << " " << 91 + i;
    EXPECT_EQ(TextsAt(120), One(c.Courses ? kFootnote : QString())) << c.Form;
    EXPECT_EQ(TextsAt(75), One(c.Courses ? quorv::kAnspruchsebeneSentence : nullptr)) << c.Form;
    EXPECT_EQ(TextsAt(76), One(c.Courses ? "Realschule" : nullptr)) << c.Form;
    EXPECT_EQ(TextsAt(45), One(c.Courses ? "Wahlpflichtunterricht" : nullptr)) << c.Form;
    EXPECT_EQ(TextsAt(55), One(c.Courses ? "Gesamtnote im Wahlpflichtunterricht" : nullptr)) << c.Form;
    // Three elective rows of two and the overall grade, or nothing of them.
    int electives = 0;
    for (int slot = 19; slot <= 25; ++slot) electives += Count(QStringLiteral("Fach %1").arg(slot));
    EXPECT_EQ(electives, c.Courses ? 6 : 0) << c.Form;
    EXPECT_NE(TextsAt(56).isEmpty(), c.Courses) << c.Form;
    // Row 2 of a column always has a letter where letters print.
    EXPECT_NE(CourseLetters().isEmpty(), c.Courses) << c.Form;
  }
}

TEST_F(GesamtschulePageTest, GradeBlockRowsAndFreeRowsOfTheRightColumn) {
  struct Case {
    int Form;
    int Rows;
    int FirstFreeRow;
    bool Electives;
  };
  const Case cases[] = {{104, 9, 7, false}, {26, 6, 5, false}, {27, 9, 9, true},
                        {127, 9, 9, true},  {28, 9, 8, true},  {29, 9, 8, true}};
  for (const Case& c : cases) {
    Draw(c.Form);
    EXPECT_EQ(GradeBoxes(), static_cast<std::size_t>(2 * c.Rows + (c.Electives ? 1 : 0))) << c.Form;
    for (int r = 1; r <= 9; ++r) {
      const QString name = QStringLiteral("Fach %1").arg(9 + r);
      const RecordedOp* op = canvas_.findText(name);
      if (r > c.Rows) {
        EXPECT_EQ(op, nullptr) << c.Form << " row " << r;
        continue;
      }
      ASSERT_NE(op, nullptr) << c.Form << " row " << r;
      EXPECT_EQ(op->P1, Pt(F(32).X + F(36).X, RowY(r))) << c.Form << " row " << r;
      const int font = r >= c.FirstFreeRow ? F(33).FontNumber : F(32).FontNumber;
      EXPECT_EQ(op->State.Font.Height, FontHeight(font)) << c.Form << " row " << r;
    }
  }
}

TEST_F(GesamtschulePageTest, FixedReligionRowByForm) {
  struct Case {
    int Form;
    int Slot;
    const char* Name;
    bool ReligionRow;
  };
  const Case cases[] = {{26, 6, "Sport", true},   {104, 9, "Sport", false}, {104, 9, "katholische Religion", true},
                        {104, 6, "Sport", false}, {27, 9, "Sport", true},   {29, 9, "Sport", true},
                        {28, 9, "Sport", true},   {127, 9, "Sport", true},  {26, 9, "Sport", false}};
  for (const Case& c : cases) {
    Slot(c.Slot, QString::fromUtf8(c.Name));
    Draw(c.Form);
    const int rowY = RowY(c.Slot);
    const bool religionLine = TextsAt(Pt(F(32).X, rowY - (3 * F(40).Y) / 10)).contains(kReligionUpper);
    EXPECT_EQ(religionLine, c.ReligionRow) << c.Form << " " << c.Name;
    if (c.ReligionRow) {
      EXPECT_EQ(Count(QString::fromUtf8(c.Name)), 0) << c.Form;
    } else {
      // Form 26 has six rows: slot 9 is not printed.
      EXPECT_EQ(TextsAt(Pt(F(32).X, rowY)), c.Slot <= (c.Form == 26 ? 6 : 9) ? One(c.Name) : QStringList{})
          << c.Form;
    }
    Slot(c.Slot, QStringLiteral("Fach %1").arg(c.Slot));
  }
}

TEST_F(GesamtschulePageTest, LanguageRowsAreBareNamesOnForm26) {
  Slot(2, QStringLiteral("Englisch"));
  Slot(3, QStringLiteral("???"));
  for (int form : {26, 27}) {
    Draw(form);
    const bool labels = form == 27;
    const int nameFont = labels ? F(33).FontNumber : F(32).FontNumber;
    for (int r : {2, 3}) {
      const QStringList at = TextsAt(Pt(F(32).X, RowY(r)));
      ASSERT_EQ(at, One(r == 2 ? "Englisch" : "???")) << form << " row " << r;
      const RecordedOp* op = canvas_.findText(at[0]);
      EXPECT_EQ(op->State.Font.Height, FontHeight(nameFont)) << form << " row " << r;
      bool rule = false;
      for (const RecordedOp& line : canvas_.opsOf(CanvasOp::Line))
        rule = rule || (line.P1 == Pt(F(32).X, RowY(r)) && line.P2.y() == line.P1.y());
      EXPECT_EQ(rule, labels) << form << " row " << r;
    }
    EXPECT_EQ(Count(QStringLiteral("1. Fremdsprache")), labels ? 1 : 0) << form;
    EXPECT_EQ(Count(QStringLiteral("2. Fremdsprache")), labels ? 1 : 0) << form;
  }
}

TEST_F(GesamtschulePageTest, CourseLettersByLevelRowAndSubject) {
  const struct {
    const char* Level;
    const char* Letter;
  } levels[] = {{"H", "(B)*"}, {"B", "(B)*"}, {"R", "(E)*"}, {"M", "(E)*"}, {"E", "(E)*"},
                {"G", "(G)*"}, {"g", "(G)*"}, {"-", "(-)*"}, {"", "(-)*"},   {"X", "(-)*"}};
  for (const auto& l : levels) {
    Slot(4, QStringLiteral("Mathematik"), l.Level);
    Draw(27);
    EXPECT_EQ(TextsAt(Pt(LetterX(0), RowY(4))), One(l.Letter)) << l.Level;
  }
  // Row 2 of each column always has a letter; other rows by their subject.
  struct Case {
    int Form;
    int Slot;
    const char* Name;
    int SchoolType;
    bool Letter;
  };
  const Case cases[] = {{27, 11, "Musik", 3, true},    {27, 13, "Musik", 3, false},    {28, 11, "Musik", 3, true},
                        {27, 13, "Biologie", 3, true}, {27, 13, "Biologie", 2, false}, {29, 15, "Chemie", 3, true},
                        {127, 5, "Physik", 3, true},   {104, 4, "Mathematik", 3, false}, {26, 2, "Englisch", 3, false}};
  for (const Case& c : cases) {
    Slot(4, QStringLiteral("Fach 4"));
    Slot(c.Slot, QString::fromUtf8(c.Name), "G");
    quorv::SchoolSettings.SchoolType = static_cast<std::uint16_t>(c.SchoolType);
    Draw(c.Form);
    const int column = c.Slot >= 10 ? 1 : 0;
    const int row = c.Slot >= 10 ? c.Slot - 9 : c.Slot;
    EXPECT_EQ(TextsAt(Pt(LetterX(column), RowY(row))), One(c.Letter ? "(G)*" : nullptr)) << c.Form << " " << c.Name;
    Slot(c.Slot, QStringLiteral("Fach %1").arg(c.Slot));
  }
}

TEST_F(GesamtschulePageTest, AnspruchsebeneWords) {
  const char* words[] = {"   - - - - -", "Hauptschule", "Realschule", "Gymnasium", "   - - - - -"};
  for (int level = 0; level <= 4; ++level) {
    pupil_.AnspruchsebeneAll = static_cast<std::uint16_t>(level);
    for (int form : {27, 28}) {
      Draw(form);
      EXPECT_EQ(TextsAt(76), One(words[level])) << form << " " << level;
    }
  }
}

TEST_F(GesamtschulePageTest, LeavingReportStatementBySexAndNoReportFields) {
  const struct {
    int Sex;
    const char* Strike;
  } cases[] = {{0, "/ihrer"}, {1, "seiner/"}, {-1, ""}};
  for (const auto& c : cases) {
    pupil_.Sex = c.Sex;
    Draw(28);
    EXPECT_EQ(TextsAt(22), One(quorv::kGesamtschuleLeavingSentence)) << c.Sex;
    EXPECT_EQ(Struck(QString::fromUtf8(quorv::kGesamtschuleLeavingSentence)), QString::fromUtf8(c.Strike)) << c.Sex;
    EXPECT_EQ(TextsAt(24), One("____ Jahrgangsstufe entlassen.")) << c.Sex;
    EXPECT_EQ(TextsAt(25), One("9")) << c.Sex;
  }
  // No absences, no half-year headings, no development text and no separator.
  for (int n : {46, 47, 63, 64, 65, 66, 74}) EXPECT_TRUE(TextsAt(n).isEmpty()) << n;
  for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Line)) EXPECT_NE(op.P1.y(), Pt(0, F(41).Y).y());
}

TEST_F(GesamtschulePageTest, CoatOfArmsOnTheLeavingReportByPrinterAndOption) {
  testsupport::InstallArmsPictures(env_.dir());
  const struct {
    int Colours;
    int ColourOnMono;
    const char* File;
  } cases[] = {{256, 0, "13F.BMP"}, {2, 0, "13S.BMP"}, {2, 1, "13F.BMP"}, {0, 0, "13S.BMP"}};
  for (const auto& c : cases) {
    platform::DeviceCaps caps;
    caps.NumColors = c.Colours;
    testsupport::FixedPrinter printer(caps);
    quorv::PrintOptions.ColourArmsOnMono = static_cast<std::uint16_t>(c.ColourOnMono);
    for (int form : {28, 27, 104}) {
      Draw(form);
      const auto pictures = canvas_.opsOf(CanvasOp::Picture);
      ASSERT_EQ(pictures.size(), form == 28 ? 1u : 0u) << form;
      if (form == 28) {
        EXPECT_EQ(pictures[0].PictureFile, env_.dir().programDir() + QString::fromLatin1(c.File));
      }
    }
  }
}

// ---- the shipped files --------------------------------------------------------------------

// Every text of a fully filled report prints on one of the two pages.
TEST(GesamtschuleShippedForms, EveryTextOfAFullyFilledReportIsPrinted) {
  testsupport::LayoutEnvironment env;
  testsupport::FixedPrinter printer(platform::DeviceCaps{});
  quorv::SchoolSettings.SchoolType = 3;
  quorv::SchoolSettings.SchoolNameAddress.setText(testsupport::LongSchoolName());
  testsupport::InstallCommittedFormFiles(env.dir(), formfiles::ReportFormFiles());
  struct Case {
    int Form;
    int Notes;
    bool Courses;
    bool Transfer;
  };
  const Case cases[] = {{104, 0, false, false}, {26, 3, false, false}, {27, 2, true, false},
                        {29, 2, true, true},    {127, 2, true, false}, {28, 1, true, false}};
  for (const Case& c : cases) {
    const quorv::TPupilRecord pupil = testsupport::FullyFilledPupil(c.Form, 1, 0, QStringLiteral("2006"));
    const QStringList drawn = testsupport::DrawnReportTexts(c.Form, pupil, 2);
    QStringList expected = testsupport::FullyFilledFrameTexts(c.Form != 28)
                           << QStringLiteral("Name, Vorname") << QStringLiteral("Noten") << QStringLiteral("Stempel/Siegel")
                           << QString::fromUtf8(quorv::kGradeScaleLine) << kReligionUpper
                           << QStringLiteral("struck: ") + (c.Form == 127 ? kSealB : kSealA);
    if (c.Form != 28) expected << QStringLiteral("Lernentwicklungsbericht");
    if (c.Form == 28) expected << QString::fromUtf8(quorv::kGesamtschuleLeavingSentence) << QStringLiteral("struck: seiner/");
    if (c.Form != 26) expected << QStringLiteral("1. Fremdsprache") << QStringLiteral("2. Fremdsprache");
    if (c.Notes > 0) expected << QStringLiteral("Erläuterungen:") << kNote1;
    if (c.Courses)
      expected << kFootnote << QString::fromUtf8(quorv::kAnspruchsebeneSentence) << QStringLiteral("Hauptschule")
               << QStringLiteral("Wahlpflichtunterricht") << QStringLiteral("Informatik im Alltag!");
    if (c.Transfer) expected << QString::fromUtf8(quorv::kTransferSentence) << QStringLiteral("struck: /Der Schüler");
    testsupport::ExpectAllDrawn(drawn, expected, c.Form);
    EXPECT_EQ(drawn.contains(QString::fromUtf8(quorv::kTransferSentence)), c.Transfer) << c.Form;
    EXPECT_EQ(drawn.filter(QStringLiteral("Naturwissenschaften umfasst")).size(), c.Notes >= 2 ? 1 : 0) << c.Form;
  }
}

}  // namespace
