#include <gtest/gtest.h>

#include <utility>

#include "layouts/DrawnPageGeometry.h"
#include "layouts/HauptschuleLayouts.h"
#include "layouts/LayoutTestSupport.h"
#include "layouts/OutputWrappers.h"
#include "layouts/PrintJob.h"
#include "layouts/RealschuleLayouts.h"
#include "layouts/CommittedFormFiles.h"

using platform::CanvasOp;
using platform::RecordedOp;
using testsupport::One;

namespace {

QString U(const char* text) { return text != nullptr ? QString::fromUtf8(text) : QString(); }

const char* const kSteps = "sehr gut (1), gut (2), befriedigend (3), ausreichend (4), mangelhaft (5), ungenügend (6)";
// The struck parts of "Stempel/Siegel".
const char* const kSealA = "Stempel/";
const char* const kSealB = "/Siegel";
const char* const kReligionUpper = "ev. / kath. Religion /";

bool IsHauptschule(int form) { return form <= 9 || form == 105; }
bool IsFinal(int form) { return form < 100 && form % 5 >= 2; }  // 7 to 9, 12 to 14
int RowsOf(int form) { return IsHauptschule(form) ? 8 : 9; }
int FirstFreeRow(int form) { return IsFinal(form) && !IsHauptschule(form) ? 7 : 8; }

const int kForms[] = {5, 6, 105, 7, 8, 9, 10, 11, 110, 12, 13, 14};

class HauptRealPageTest : public testsupport::FormPageTest {
 protected:
  HauptRealPageTest() {
    const char* names[18] = {"Deutsch", "Englisch", "Französisch", "Mathematik", "Geschichte", "Geografie",
                             "Sozialkunde", "Physik", "Chemie", "Biologie", "Astronomie", "Musik", "Kunst",
                             "Sport", "Wirtschaft", "Informatik", "Technik", "Darstellendes Spiel"};
    for (int i = 0; i < 18; ++i) SetSlot(i + 1, U(names[i]), "2", "R");
    testsupport::InstallArmsPictures(env_.dir());
    testsupport::StrikesOnTheirLines(fields_);
  }
};

TEST_F(HauptRealPageTest, TitleHeadingScaleSealAndGradesOfEachForm) {
  struct Case {
    int Form;
    const char* Title;
    const char* Strike[2];  // the struck part of the seal by half year; nullptr: "Siegel" alone
  };
  const Case cases[] = {
      {5, "Zeugnis", {kSealA, kSealB}},           {6, "Übergangszeugnis", {kSealA, kSealA}},
      {105, "Zwischenzeugnis", {kSealB, kSealB}}, {7, "Abgangszeugnis", {kSealA, kSealA}},
      {8, "Abschlusszeugnis", {kSealA, kSealA}},  {9, "Abschlusszeugnis", {nullptr, nullptr}},
      {10, "Zeugnis", {kSealA, kSealB}},          {11, "Übergangszeugnis", {kSealA, kSealA}},
      {110, "Zwischenzeugnis", {kSealB, kSealB}}, {12, "Abgangszeugnis", {kSealA, kSealA}},
      {13, "Abschlusszeugnis", {nullptr, nullptr}}, {14, "Abschlusszeugnis", {nullptr, nullptr}},
  };
  for (const Case& c : cases) {
    const bool final = IsFinal(c.Form);
    const char* seal = c.Strike[0] != nullptr ? "Stempel/Siegel" : "Siegel";
    for (const char* year : {"2006", "2007", "2010"}) {
      for (int halfYear : {0, 1}) {
        const int option = (halfYear + year[3] - '0') % 2;  // the option, either way
        pupil_.SchoolYear.set(year);
        pupil_.HalfYear = static_cast<std::uint16_t>(halfYear);
        quorv::PrintOptions.GradesInWords = static_cast<std::uint16_t>(option);
        Draw(c.Form);
        const std::string at = std::to_string(c.Form) + " " + year + " " + std::to_string(halfYear) + " option " +
                               std::to_string(option);
        EXPECT_EQ(TextsAt(5), One(c.Title)) << at;
        EXPECT_EQ(TextsAt(14), One(IsHauptschule(c.Form) ? "der Hauptschule" : "der Realschule")) << at;
        // The learning-development heading in every year; the final pages have none.
        EXPECT_EQ(TextsAt(65), One(final ? nullptr : "Lernentwicklungsbericht")) << at;
        EXPECT_EQ(TextsAt(59), One(final ? nullptr : "(Leistungsstand sowie Sozial- und Arbeitsverhalten)")) << at;
        EXPECT_EQ(TextsAt(7), One(final ? "Schuljahr" : "über das 1. Schulhalbjahr / Schuljahr")) << at;
        EXPECT_EQ(TextsAt(46), One(final ? "1. Halbjahr" : nullptr)) << at;
        // The scale: in two parts on the report pages, one line on the final pages.
        EXPECT_EQ(TextsAt(119), final ? QStringList{U(quorv::kGradeScaleLine)} : QStringList{U("Notenstufen:")})
            << at;
        EXPECT_EQ(TextsAt(120), One(final ? nullptr : kSteps)) << at;
        EXPECT_EQ(TextsAt(112), One(seal)) << at;
        EXPECT_EQ(Struck(U(seal)), U(c.Strike[halfYear])) << at;
        EXPECT_EQ(canvas_.opsOf(CanvasOp::Picture).size(), final ? 1u : 0u) << at;
        // Grades in words where the form always prints them, else by the option.
        const bool words = final || c.Form == 6 || c.Form == 11 || option == 1;
        EXPECT_EQ(TextsAt(Pt(F(32).X + F(34).X, RowY(1))), One(words ? "gut" : "2")) << at;
        // No course letters anywhere, Mathematik at level R included.
        for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text))
          EXPECT_FALSE(op.Text.startsWith(QLatin1Char('(')) && op.Text.endsWith(QStringLiteral(")*")))
              << at << " " << op.Text.toStdString();
      }
    }
  }
}

TEST_F(HauptRealPageTest, FinalStatements) {
  const char* const grade = "mit dem Gesamtprädikat _____________________________________ erworben.";
  const char* const exam =
      "hat erfolgreich an der Realschulabschlussprüfung gemäß § 16 Abs. 4 des Schulgesetzes des Landes";
  const char* const joined = "Velsland teilgenommen und den";
  const char* const leaving = quorv::kLeavingSentence;
  const struct {
    int Form;
    std::array<const char*, 6> Lines;  // fields 22 to 27 (23 of the leaving reports: the strike-out)
  } cases[] = {
      {7, {leaving, nullptr, "Jahrgangsstufe ____ der Hauptschule entlassen.", "9", nullptr, nullptr}},
      {12, {leaving, nullptr, "Jahrgangsstufe ____ der Realschule entlassen.", "9", nullptr, nullptr}},
      {8,
       {"hat erfolgreich am Unterricht der Jahrgangsstufe 9 des Hauptschulbildungsganges teilgenommen", "und den",
        "Hauptschulabschluss", nullptr, "erworben.", nullptr}},
      {9,
       {"hat erfolgreich am Unterricht der Jahrgangsstufe 10 des Hauptschulbildungsganges teilgenommen",
        "und den", "qualifizierten Hauptschulabschluss", nullptr, "erworben.", nullptr}},
      {13, {exam, joined, "Realschulabschluss", nullptr, grade, "sehr gut - mit Auszeichnung"}},
      {14, {exam, joined, "qualifizierten Realschulabschluss", nullptr, grade, "sehr gut - mit Auszeichnung"}},
  };
  pupil_.Jahrgangsstufe.set("9");
  pupil_.Gesamtpraedikat = 1;
  for (const auto& c : cases) {
    Draw(c.Form);
    for (int i = 0; i < 6; ++i) {
      if (i == 1 && c.Lines[1] == nullptr) continue;  // the leaving statement's strike-out, below
      EXPECT_EQ(TextsAt(22 + i), One(c.Lines[i])) << c.Form << " field " << 22 + i;
    }
  }
  // The leaving statement strikes "seiner/" or "/ihrer" by Sex.
  const struct {
    int Sex;
    const char* Struck;
  } sexes[] = {{0, "/ihrer"}, {1, "seiner/"}, {-1, ""}};
  for (const auto& x : sexes) {
    pupil_.Sex = x.Sex;
    for (int form : {7, 12}) {
      Draw(form);
      EXPECT_EQ(Struck(U(leaving)), U(x.Struck)) << form << " sex " << x.Sex;
    }
  }
  // The overall grade in words on the Realschule's certificates.
  const char* words[] = {"  - - - - - ", "sehr gut - mit Auszeichnung", nullptr, nullptr, nullptr,
                         "bestanden", "ausreichend", "  - - - - - "};
  for (int p : {0, 1, 5, 6, 7}) {
    pupil_.Gesamtpraedikat = static_cast<std::uint16_t>(p);
    for (int form : {13, 14}) {
      Draw(form);
      EXPECT_EQ(TextsAt(27), One(words[p])) << form << " " << p;
    }
  }
}

TEST_F(HauptRealPageTest, GradeRowsOfEachForm) {
  for (int form : kForms) {
    const int rows = RowsOf(form);
    const int freeRow = FirstFreeRow(form);
    const bool interim = form > 100;
    quorv::TPupilRecord base = pupil_;
    base.Subjects[static_cast<std::size_t>(rows - 1)].Name.set("???");  // the religion slot
    base.Subjects[14].Name.setText(U("katholische Religion"));          // right column, row 6
    // Free rows of 22 and of 21 characters.
    for (const char* name : {"Wirtschaft und Verwalt", "Wirtschaft und Verwal"}) {
      pupil_ = base;
      pupil_.Subjects[static_cast<std::size_t>(8 + freeRow)].Name.set(name);
      Draw(form);
      const std::string at = std::to_string(form) + " " + name;
      EXPECT_EQ(TextsAt(Pt(F(32).X + F(36).X, RowY(freeRow))), One(name)) << at;
      const RecordedOp* free = TextAt(Pt(F(32).X + F(36).X, RowY(freeRow)), U(name));
      ASSERT_NE(free, nullptr) << at;
      EXPECT_EQ(free->State.Font.Height, FontHeight(F(33).FontNumber)) << at;
      EXPECT_EQ(free->State.CharacterExtra, std::strlen(name) > 21 ? -4 : 0) << at;
    }
    const std::string at = std::to_string(form);
    EXPECT_EQ(Count(U("1. Fremdsprache")), 1) << at;
    EXPECT_EQ(Count(U("2. Fremdsprache")), IsHauptschule(form) ? 0 : 1) << at;
    // The labels 30 below their rows (field 33's X is 0), in field 37's font.
    for (const auto& [row, label] : {std::pair{2, "1. Fremdsprache"}, std::pair{3, "2. Fremdsprache"}}) {
      const RecordedOp* op = TextAt(Pt(F(32).X, RowY(row) + 30), U(label));
      EXPECT_EQ(op != nullptr, row == 2 || !IsHauptschule(form)) << at << " " << label;
      if (op != nullptr) {
        EXPECT_EQ(op->State.Font.Height, FontHeight(F(37).FontNumber)) << at << " " << label;
      }
    }
    // Französisch in slot 3 of a Hauptschule form is an ordinary row.
    const RecordedOp* french = canvas_.findText(U("Französisch"));
    ASSERT_NE(french, nullptr) << at;
    if (IsHauptschule(form)) {
      EXPECT_EQ(french->P1, Pt(F(32).X, RowY(3))) << at;
      EXPECT_EQ(french->State.Font.Height, FontHeight(F(32).FontNumber)) << at;
    }
    // The empty religion slot: "  - - -" on the interim reports, else the religion
    // alternatives; the religion in the right column prints them too.
    EXPECT_EQ(TextsAt(Pt(F(32).X, RowY(rows))), One(interim ? "  - - -" : nullptr)) << at;
    QList<int> religionX;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Text))
      if (op.Text == U(kReligionUpper)) religionX << op.P1.x() - Pt(0, 0).x();
    const QList<int> right{F(32).X + F(36).X};
    EXPECT_EQ(religionX, interim ? right : QList<int>{F(32).X} + right) << at;
    // Grade boxes: the rows of both columns and the overall elective grade.
    EXPECT_EQ(GradeBoxes(), static_cast<std::size_t>(2 * rows + 1)) << at;
  }
}

// Every text a form prints is on one of the two pages of its shipped form file.
TEST(HauptRealShippedForms, EveryTextOfAFullyFilledReportIsPrinted) {
  testsupport::LayoutEnvironment env;
  testsupport::FixedPrinter printer(platform::DeviceCaps{});
  quorv::SchoolSettings.SchoolNameAddress.setText(testsupport::LongSchoolName());
  testsupport::InstallCommittedFormFiles(env.dir(), formfiles::ReportFormFiles());
  for (int form : kForms) {
    const bool final = IsFinal(form);
    const quorv::TPupilRecord pupil = testsupport::FullyFilledPupil(form, 1, 0, QStringLiteral("2006"));
    const QStringList drawn = testsupport::DrawnReportTexts(form, pupil, 2);
    const quorv::TFinalPageProfile& profile =
        IsHauptschule(form) ? quorv::HauptschuleFinalProfile(form) : quorv::RealschuleFinalProfile(form);
    QStringList expected = testsupport::FullyFilledFrameTexts(true)
                           << U("Name, Vorname") << U("Noten") << U("1. Fremdsprache") << U("Wahlpflichtunterricht")
                           << U("Gesamtnote im Wahlpflichtunterricht") << U("2006 / 2007") << U(kReligionUpper);
    if (final) {
      expected << U("Schuljahr") << U(quorv::kGradeScaleLine) << U(profile.SealWords);
      for (const quorv::TStatementLine& line : profile.Statement)
        if (line.Item == quorv::TStatementItem::Text) expected << U(line.Text);
    } else {
      expected << U("Lernentwicklungsbericht") << U("Notenstufen:") << U(kSteps) << U("Stempel/Siegel")
               << U("struck: 1. Schulhalbjahr /") << U("struck: ") + U(form > 100 ? kSealB : kSealA);
    }
    if (form == 6 || form == 11)
      expected << U(quorv::kTransferSentence) << U("struck: /Der Schüler") << U("Berufliche Schule Seestadt-Süd");
    if (form == 7 || form == 12) expected << U("struck: seiner/") << U("10");
    if (form == 7 || form == 8 || form == 12) expected << U("struck: ") + U(kSealA);
    if (form == 13 || form == 14) expected << U("sehr gut - mit Auszeichnung");
    if (form == 8 || form == 9 || form == 13 || form == 14) expected << U("1. Halbjahr") << U("2. Halbjahr");
    testsupport::ExpectAllDrawn(drawn, expected, form);
    // A grade in every row, every elective and the overall elective grade.
    const int electives = form == 8 || form == 9 || form == 13 || form == 14 ? 6 : 4;
    EXPECT_EQ(drawn.count(U("nicht teilgenommen")), 2 * RowsOf(form) + electives + 1) << form;
    // The development text on the report pages, the remarks on every page:
    // the remarks hold the opening of their prose at most twice.
    EXPECT_EQ(drawn.filter(U("Marie-Christin arbeitet im Unterricht")).size() > 2, !final) << form;
  }
}

}  // namespace
