#include "layouts/GesamtschuleLayouts.h"

#include <gtest/gtest.h>

#include <QImage>

#include "layouts/DrawnPageGeometry.h"
#include "layouts/LayoutTestSupport.h"
#include "layouts/ShippedFormFiles.h"
#include "platform/RecordingCanvas.h"
#include "printengine/PrinterFonts.h"
#include "support/FixedPrinter.h"

using platform::CanvasOp;
using platform::RecordedOp;
using quorv::TFormField;

namespace {

// The default margins on a printer without an unprintable margin.
constexpr int kOx = 150;
constexpr int kOy = 150;
QPoint Pt(int x, int y) { return QPoint(kOx + x, -(kOy + y)); }
int FontHeight(int font) { return quorv::PrinterFontHeight(quorv::PrinterFont(font), 0); }

const QString kReligionUpper = QStringLiteral("ev. / kath. Religion /");
// The struck parts of "Stempel/Siegel".
const QString kSealA = QStringLiteral("Stempel/");
const QString kSealB = QStringLiteral("/Siegel");
const QString kNote1 =
    QStringLiteral("1. In der Integrierten Gesamtschule wird der Unterricht nicht nach Schularten gegliedert.");
const QString kFootnote = QStringLiteral(
    "* B = Basiskurs auf der Anspruchsebene der Berufsreife, E = Erweiterungskurs auf der Anspruchsebene der "
    "Mittleren Reife, G = Gymnasialkurs");

// Every field of the form printed on page 1 at a place of its own.
class GesamtschulePageTest : public ::testing::Test {
 protected:
  GesamtschulePageTest() : printer_(platform::DeviceCaps{}), fields_(testsupport::EveryFieldTable()) {
    quorv::SchoolSettings.SchoolType = 3;
    pupil_ = testsupport::TestPupil();
    pupil_.Jahrgangsstufe.set("9");
    for (int slot = 1; slot <= 25; ++slot) Slot(slot, QStringLiteral("Fach %1").arg(slot));
    // The strike-outs on the lines of the texts they strike, the school year clear of them.
    for (auto [strike, base] : {std::pair{9, 7}, {113, 112}, {23, 22}, {96, 95}}) {
      F(strike).Y = F(base).Y;
      F(strike).FontNumber = F(base).FontNumber;
    }
    F(8).Y = static_cast<std::uint16_t>(F(8).Y + 100);
  }
  QString Struck(const QString& text) const { return testsupport::StruckPart(canvas_, text); }

  void Slot(int slot, const QString& name, const char* level = "-") {
    quorv::TSubjectEntry& e = pupil_.Subjects[static_cast<std::size_t>(slot - 1)];
    e.Name.setText(name);
    e.Grade.set("2");
    e.CourseLevel.set(level);
  }
  TFormField& F(int n) { return fields_[static_cast<std::size_t>(n)]; }
  int RowY(int r) const { return fields_[32].Y + (r - 1) * fields_[40].Y; }
  int LetterX(int column) const {
    return fields_[32].X + fields_[column == 0 ? 34 : 38].X - quorv::kHalfGradeBox - 10;
  }

  void Draw(int form) {
    const quorv::FormFileChoice choice = quorv::LookupFormFile(form, 0, 0, 1);
    env_.writeFormFile(choice.FileName, choice.Description, fields_);
    canvas_.clear();
    testsupport::DrawJobPage(canvas_, form, 1, pupil_);
  }

  QStringList TextsAt(QPoint p) const {
    QStringList out;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text))
      if (op.P1 == p) out << op.Text;
    return out;
  }
  QStringList TextsAt(int n) { return TextsAt(Pt(F(n).X, F(n).Y)); }
  int Count(const QString& text) const {
    int n = 0;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text)) n += op.Text == text ? 1 : 0;
    return n;
  }
  const RecordedOp* Find(const QString& text) const { return canvas_.findText(text); }
  QStringList CourseLetters() const {
    QStringList out;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text))
      if (op.Text.startsWith(QLatin1Char('(')) && op.Text.endsWith(QStringLiteral(")*"))) out << op.Text;
    return out;
  }

  testsupport::LayoutEnvironment env_;
  testsupport::FixedPrinter printer_;
  quorv::TFormFieldTable fields_;
  quorv::TPupilRecord pupil_;
  platform::RecordingCanvas canvas_;
};

QStringList One(const char* text) { return text == nullptr ? QStringList{} : QStringList{QString::fromUtf8(text)}; }
QStringList One(const QString& text) { return text.isEmpty() ? QStringList{} : QStringList{text}; }

TEST_F(GesamtschulePageTest, TitlesPeriodAndSealByFormAndHalfYearInEverySchoolYear) {
  struct Case {
    int Form;
    int HalfYear;
    const char* Title;
    const char* Phrase;
    QString Seal;
  };
  const char* ig = "der Integrierten Gesamtschule";
  const Case cases[] = {
      {104, 0, "Zeugnis", "der Orientierungsstufe", kSealA}, {104, 1, "Zeugnis", "der Orientierungsstufe", kSealB},
      {26, 0, "Zeugnis", ig, kSealA},           {26, 1, "Zeugnis", ig, kSealB},
      {27, 0, "Zeugnis", ig, kSealA},           {27, 1, "Zeugnis", ig, kSealB},
      {29, 0, "Übergangszeugnis", ig, kSealA},  {29, 1, "Übergangszeugnis", ig, kSealA},
      {127, 0, "Zwischenzeugnis", ig, kSealB},  {127, 1, "Zwischenzeugnis", ig, kSealB},
      {28, 0, "Abgangszeugnis", ig, kSealA},    {28, 1, "Abgangszeugnis", ig, kSealA},
  };
  for (const char* year : {"2006", "2012"}) {
    for (const Case& c : cases) {
      pupil_.SchoolYear.set(year);
      pupil_.HalfYear = static_cast<std::uint16_t>(c.HalfYear);
      Draw(c.Form);
      const bool report = c.Form != 28;
      const QString at = QStringLiteral("%1/%2/%3").arg(year).arg(c.Form).arg(c.HalfYear);
      EXPECT_EQ(TextsAt(5), One(c.Title)) << at.toStdString();
      EXPECT_EQ(TextsAt(14), One(c.Phrase)) << at.toStdString();
      EXPECT_EQ(TextsAt(7), One(report ? "über das 1. Schulhalbjahr / Schuljahr" : "Schuljahr")) << at.toStdString();
      const QString period = c.HalfYear == 1 ? QStringLiteral("/ Schuljahr") : QStringLiteral("1. Schulhalbjahr /");
      EXPECT_EQ(Struck(QStringLiteral("über das 1. Schulhalbjahr / Schuljahr")), report ? period : QString())
          << at.toStdString();
      EXPECT_EQ(Struck(QStringLiteral("Stempel/Siegel")), c.Seal) << at.toStdString();
      // The same texts in every school year; the leaving report has no text block.
      EXPECT_EQ(TextsAt(65), One(report ? "Lernentwicklungsbericht" : nullptr)) << at.toStdString();
      EXPECT_EQ(TextsAt(59), One(report ? "(Leistungsstand sowie Sozial- und Arbeitsverhalten)" : nullptr))
          << at.toStdString();
      EXPECT_EQ(TextsAt(95), One(report ? quorv::kTransferSentence : nullptr)) << at.toStdString();
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
    std::size_t boxes = 0;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Rectangle))
      boxes += op.State.Brush.Style == platform::BrushStyle::Solid ? 1 : 0;
    EXPECT_EQ(boxes, static_cast<std::size_t>(2 * c.Rows + (c.Electives ? 1 : 0))) << c.Form;
    for (int r = 1; r <= 9; ++r) {
      const QString name = QStringLiteral("Fach %1").arg(9 + r);
      const RecordedOp* op = Find(name);
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
      const RecordedOp* op = Find(at[0]);
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

TEST_F(GesamtschulePageTest, GradesInWordsByFormAndOption) {
  const struct {
    int Form;
    int Option;
    const char* Grade;
  } cases[] = {{104, 0, "2"}, {104, 1, "gut"}, {26, 0, "2"}, {27, 0, "2"},  {27, 1, "gut"},
               {127, 0, "2"}, {29, 0, "gut"},  {28, 0, "gut"}};
  for (const auto& c : cases) {
    quorv::PrintOptions.GradesInWords = static_cast<std::uint16_t>(c.Option);
    Draw(c.Form);
    EXPECT_EQ(TextsAt(Pt(F(32).X + F(34).X, RowY(1))), One(c.Grade)) << c.Form << " " << c.Option;
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
  for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Line)) EXPECT_NE(op.P1.y(), -(kOy + F(41).Y));
}

TEST_F(GesamtschulePageTest, CoatOfArmsOnTheLeavingReportByPrinterAndOption) {
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  for (const char* name : {"13F.BMP", "13S.BMP"})
    ASSERT_TRUE(picture.save(env_.dir().programDir() + QString::fromLatin1(name)));
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
      if (form == 28) EXPECT_EQ(pictures[0].PictureFile, env_.dir().programDir() + QString::fromLatin1(c.File));
    }
  }
}

// ---- the shipped files --------------------------------------------------------------------

// Every text of a fully filled report prints on one of the two pages.
TEST(GesamtschuleShippedForms, EveryTextOfAFullyFilledReportIsPrinted) {
  testsupport::LayoutEnvironment env;
  testsupport::FixedPrinter printer(platform::DeviceCaps{});
  quorv::SchoolSettings.SchoolType = 3;
  testsupport::InstallCommittedFormFiles(env.dir(), testsupport::ShippedFormFiles());
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
    QStringList drawn;
    for (int page = 1; page <= 2; ++page) {
      platform::RecordingCanvas canvas;
      testsupport::DrawJobPage(canvas, c.Form, page, pupil);
      for (const RecordedOp& op : canvas.opsOf(CanvasOp::Text)) drawn << op.Text;
      for (const testsupport::StruckText& t : testsupport::StruckTexts(canvas, QLatin1Char('#')))
        drawn << QStringLiteral("struck: ") + t.Part;
    }
    QStringList expected = {QStringLiteral("Vorname und Name"), QStringLiteral("Name, Vorname"),
                            QStringLiteral("Noten"), QStringLiteral("Vermerke:"), QStringLiteral("Stempel/Siegel"),
                            QStringLiteral("Schulleiter(in)"), QStringLiteral("Erziehungsberechtigte"),
                            QString::fromUtf8(quorv::kGradeScaleLine), kReligionUpper,
                            QStringLiteral("struck: ") + (c.Form == 127 ? kSealB : kSealA),
                            QStringLiteral("Seestadt-Lindenhagen am Haffen, 15.7.2007")};
    if (c.Form != 28) expected << QStringLiteral("Lernentwicklungsbericht") << QString::fromUtf8(quorv::kAbsenceSentence);
    if (c.Form == 28) expected << QString::fromUtf8(quorv::kGesamtschuleLeavingSentence) << QStringLiteral("struck: seiner/");
    if (c.Form != 26) expected << QStringLiteral("1. Fremdsprache") << QStringLiteral("2. Fremdsprache");
    if (c.Notes > 0) expected << QStringLiteral("Erläuterungen:") << kNote1;
    if (c.Courses)
      expected << kFootnote << QString::fromUtf8(quorv::kAnspruchsebeneSentence) << QStringLiteral("Hauptschule")
               << QStringLiteral("Wahlpflichtunterricht") << QStringLiteral("Informatik im Alltag!");
    if (c.Transfer) expected << QString::fromUtf8(quorv::kTransferSentence) << QStringLiteral("struck: /Der Schüler");
    for (const QString& text : expected) EXPECT_TRUE(drawn.contains(text)) << c.Form << ": " << text.toStdString();
    EXPECT_EQ(drawn.contains(QString::fromUtf8(quorv::kTransferSentence)), c.Transfer) << c.Form;
    EXPECT_EQ(drawn.filter(QStringLiteral("Naturwissenschaften umfasst")).size(), c.Notes >= 2 ? 1 : 0) << c.Form;
  }
}

}  // namespace
