#include "layouts/GymnasiumLayouts.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <memory>

#include "layouts/LayoutTestSupport.h"
#include "layouts/OutputWrappers.h"
#include "layouts/PreViewForm.h"
#include "printengine/PrinterFonts.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedMessages.h"

using platform::CanvasOp;
using platform::MsgKind;
using platform::RecordedOp;
using quorv::ReportJob;
using quorv::TExamProblem;
using testsupport::Field;

namespace {

// The subjects of the Gymnasium's report, slot 1 to 18.
const char* const kReportSubjects[18] = {
    "Deutsch",    "Englisch", "Französisch", "Mathematik", "Geschichte", "Geografie", "Sozialkunde",
    "Arbeit-Wirtschaft-Technik", "evangelische Religion", "Physik", "Chemie", "Biologie", "Astronomie",
    "Informatik", "Musik", "Kunst und Gestaltung", "Sport", "???"};

quorv::TPupilRecord ExamPupil(const char* year, const char* fourth) {
  quorv::TPupilRecord p = testsupport::TestPupil();
  for (int i = 0; i < 18; ++i) {
    quorv::TSubjectEntry& e = p.Subjects[static_cast<std::size_t>(i)];
    e.Name.setText(QString::fromUtf8(kReportSubjects[i]));
    e.Grade.set("2");
  }
  p.SchoolYear.set(year);
  p.ExamDataPresent = 1;
  p.FourthExamSubject.set(fourth);
  p.ExamPassed = 1;
  return p;
}

void Rename(quorv::TPupilRecord& p, int slot, const char* name) {
  p.Subjects[static_cast<std::size_t>(slot - 1)].Name.setText(QString::fromUtf8(name));
}

// ---- examination subjects --------------------------------------------------------------

TEST(GymnasiumExamSubjects, SlotsAndProblemBySchoolTypeYearAndFourthSubject) {
  testsupport::LayoutEnvironment env;
  struct Case {
    int SchoolType;
    const char* Year;
    const char* Fourth;
    int RenameSlot;  // 0: none
    const char* NewName;
    int D, M, L, F;
    TExamProblem Problem;
    int RightLines;
  };
  const TExamProblem ok = TExamProblem::None;
  const TExamProblem e1 = TExamProblem::LanguageOrFourth;
  const TExamProblem e2 = TExamProblem::Language;
  const Case cases[] = {
      {4, "2005", "Ph", 0, nullptr, 1, 4, 2, 10, ok, 2},
      {3, "2005", "Ph", 0, nullptr, 1, 4, 2, 10, ok, 2},
      {5, "2005", "Ph", 0, nullptr, 1, 4, 0, 10, e1, 0},   // no examination language
      {4, "05", "Ph", 0, nullptr, 1, 4, 2, 10, ok, 2},
      {4, "abc", "Ph", 0, nullptr, 1, 4, 2, 10, ok, 2},    // unreadable: before 2006
      {4, "2006", "Ph", 0, nullptr, 1, 4, 2, 0, ok, 1},    // from 2006 no 4th subject
      {3, "2006", "---", 0, nullptr, 1, 4, 2, 0, ok, 1},
      {5, "2006", "Ph", 0, nullptr, 1, 4, 0, 0, e2, 0},
      {4, "2005", "Xyz", 0, nullptr, 1, 4, 2, 0, e1, 0},   // no catalogue entry
      {4, "2005", "Lat", 0, nullptr, 1, 4, 2, 0, e1, 0},   // Latein in no slot
      {4, "2005", "", 13, "", 1, 4, 2, 0, e1, 0},          // no name matches no slot, an empty one neither
      {4, "2005", "Ph", 1, "Deutsch ", 0, 4, 2, 10, ok, 2},
      {4, "2005", "Ph", 16, "Mathematik", 1, 16, 2, 10, ok, 2},  // the later slot wins
      {4, "2005", "Ph", 14, "Physik", 1, 4, 2, 14, ok, 2},
  };
  for (const Case& c : cases) {
    quorv::TPupilRecord p = ExamPupil(c.Year, c.Fourth);
    if (c.RenameSlot != 0) Rename(p, c.RenameSlot, c.NewName);
    const quorv::TExamSubjects exam = quorv::GymnasiumExamSubjects(p, quorv::SubjectCatalog, c.SchoolType);
    const std::string what = std::to_string(c.SchoolType) + " " + c.Year + " " + c.Fourth;
    EXPECT_EQ(exam.Deutsch, c.D) << what;
    EXPECT_EQ(exam.Mathematik, c.M) << what;
    EXPECT_EQ(exam.Language, c.L) << what;
    EXPECT_EQ(exam.Fourth, c.F) << what;
    EXPECT_EQ(exam.Problem, c.Problem) << what;
    EXPECT_EQ(exam.RightLines(), c.RightLines) << what;
    for (int s = 0; s <= 18; ++s) {
      const int expected = s == 0 ? 0 : s == c.F ? 2 : (s == c.D || s == c.M || s == c.L) ? 1 : 0;
      EXPECT_EQ(exam.Flags[static_cast<std::size_t>(s)], expected) << what << " slot " << s;
    }
    const std::array<int, 9> left = c.SchoolType == 3 ? std::array<int, 9>{3, 15, 14, 5, 6, 7, 0, 0, 0}
                                                       : std::array<int, 9>{3, 15, 16, 5, 7, 6, 0, 0, 0};
    EXPECT_EQ(exam.AdmissionOrder[0], left) << what;
    EXPECT_EQ(exam.AdmissionOrder[1], (std::array<int, 9>{9, 8, 10, 11, 12, 17, 0, 0, 0})) << what;
  }
}

TEST(GymnasiumExamCheck, RefusesIncompleteDataWithItsMessage) {
  testsupport::LayoutEnvironment env;
  struct Case {
    int Present;
    const char* Fourth;
    const char* Year;
    bool Passes;
  };
  const Case cases[] = {
      {1, "Ph", "2005", true},   {1, "---", "2005", false}, {1, "???", "2005", false}, {1, "---", "2006", true},
      {1, "???", "2007", true},  {0, "Ph", "2005", false},  {0, "Ph", "2006", false},  {2, "Ph", "2006", false},
      {1, "", "2005", true},  // passes the check; the page reports E1
  };
  for (const Case& c : cases) {
    quorv::ClearReportJob();
    ReportJob.Pupil = ExamPupil(c.Year, c.Fourth);
    ReportJob.Pupil.ExamDataPresent = static_cast<std::uint16_t>(c.Present);
    testsupport::ScriptedMessages msgs;
    if (!c.Passes) msgs.expect(quorv::kExamDataMessage, MsgKind::Error);
    EXPECT_EQ(quorv::CheckGymnasiumExamData(ReportJob), c.Passes) << c.Present << " " << c.Fourth << " " << c.Year;
    EXPECT_TRUE(msgs.allAnswered());
  }
}

// E1 comes when the preview opens, never in a repaint, and again when a
// print starts from the preview; the report prints all the same.
TEST(GymnasiumExamNotice, OncePerOutputStartNeverInARepaint) {
  testsupport::LayoutEnvironment env;
  env.writeAllReportFormFiles(testsupport::EveryFieldTable());
  auto form = std::make_unique<quorv::TPreViewForm>();
  quorv::InstallPreViewForm(form.get());
  quorv::SchoolSettings.SchoolType = quorv::stGymnasium;
  quorv::PrintOptions.OnlyNecessaryDialogs = 1;
  quorv::ClearReportJob();
  ReportJob.Pupil = ExamPupil("2005", "Lat");  // Latein in no slot
  ReportJob.FormNumber = 24;
  ReportJob.OutputTarget = quorv::otPreview;

  testsupport::ScriptedMessages msgs;
  testsupport::ScriptedDialogs dialogs;
  msgs.expect(quorv::kExamLanguageOrFourthMessage, MsgKind::Error);
  dialogs.expect(QStringLiteral("PreViewForm"), [&](QDialog& d) {
    for (int i = 0; i < 3; ++i) {
      d.resize(700 + 50 * i, 500);
      d.grab();
    }
    msgs.expect(quorv::kExamLanguageOrFourthMessage, MsgKind::Error);
    msgs.expectPrefix(testsupport::kPdfNotice, MsgKind::Information);
    form->BitBtn4->click();  // "Seite drucken"
    d.grab();
    msgs.expect(quorv::kExamLanguageOrFourthMessage, MsgKind::Error);
    msgs.expectPrefix(testsupport::kPdfNotice, MsgKind::Information);
    form->BitBtn2->click();  // "Zeugnis drucken"
    d.grab();
    return 1;
  });
  quorv::PrintReport();
  EXPECT_EQ(dialogs.shownCount(), 1);
  EXPECT_TRUE(msgs.allAnswered());
  EXPECT_EQ(testsupport::AnnouncedPdfFiles(msgs.shown()).size(), 2);
  form.reset();
}

// ---- pages -------------------------------------------------------------------------------

// Every field at a place of its own on page 1, the examination block with
// labels below the right names.
class GymnasiumPageTest : public testsupport::FormPageTest {
 protected:
  GymnasiumPageTest() {
    quorv::SchoolSettings.SchoolType = quorv::stGymnasium;
    pupil_ = ExamPupil("2005", "Ph");
    F(76) = Field(100, 1001, 0, 17, 1, 1);
    F(77) = Field(0, 0, 0, 17, 1, 1);
    F(78) = Field(700, 0, 1, 12, 1, 1);
    F(79) = Field(900, 0, 0, 15, 1, 1);
    F(80) = Field(1000, 0, 0, 0, 1, 1);
    F(81) = Field(0, 0, 0, 15, 1, 1);
    F(82) = Field(1600, 0, 1, 12, 1, 1);
    F(83) = Field(1750, 0, 0, 15, 1, 1);
    F(84) = Field(0, 90, 0, 0, 1, 1);
    F(32).Y = 1501;
    F(40).Y = 90;
  }

  const RecordedOp* TextAt(const QString& text, int x, int y) const { return FormPageTest::TextAt(Pt(x, y), text); }
  bool BoxFrom(int x, int top) const {
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Rectangle))
      if (op.P1 == Pt(x - 150, top)) return true;
    return false;
  }
  // Line i of the admission block and of the examination block.
  int AdmissionY(int i) const { return RowY(i); }
  int ExamY(int i) const { return fields_[76].Y + (i - 1) * fields_[84].Y; }
};

TEST_F(GymnasiumPageTest, ExamBlocksShowTheExaminedSubjectsAndRoundTheirBoxesApart) {
  Rename(pupil_, 15, "Mathematik");  // Mathematik twice: slot 15 is examined, slot 4 admitted
  Draw(24);
  const int rightX = F(76).X + F(80).X;
  EXPECT_NE(TextAt(QStringLiteral("Deutsch"), F(76).X, ExamY(1)), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("Mathematik"), F(76).X, ExamY(2)), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("Englisch"), rightX, ExamY(1)), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("1. Fremdsprache"), rightX, ExamY(1) + 30), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("Physik"), rightX, ExamY(2)), nullptr);
  EXPECT_NE(TextAt(QStringLiteral("4. Prüfungsfach"), rightX, ExamY(2) + 30), nullptr);
  // Admission: slot 15 at left line 2 examined; Physik (right line 3) the 4th subject, squeezed.
  EXPECT_NE(TextAt(QStringLiteral("---"), F(32).X + F(34).X, AdmissionY(2)), nullptr);
  const RecordedOp* fourth = TextAt(QStringLiteral("siehe 4. Prüfungsfach"), F(32).X + F(38).X, AdmissionY(3));
  ASSERT_NE(fourth, nullptr);
  EXPECT_EQ(fourth->State.CharacterExtra, -6);
  EXPECT_EQ(fourth->State.Font.Height, FontHeight(quorv::SmallerFont(F(38).FontNumber)));
  EXPECT_NE(TextAt(QStringLiteral("2. Fremdsprache"), F(32).X, AdmissionY(1) + 30), nullptr);
  // y - 67.5: the examination box top of 1001 rounded to 934, the admission box top of 1501 rounded down to 1433.
  EXPECT_TRUE(BoxFrom(F(76).X + F(78).X, 934));
  EXPECT_FALSE(BoxFrom(F(76).X + F(78).X, 933));
  EXPECT_TRUE(BoxFrom(F(32).X + F(34).X, 1433));
  EXPECT_FALSE(BoxFrom(F(32).X + F(34).X, 1434));
}

TEST_F(GymnasiumPageTest, RightAdmissionLineTwoAddsInformatikToAllButArbeitWirtschaftTechnik) {
  struct Case {
    const char* Slot8;
    const char* OnTheLine;
    bool Informatik;
  };
  const Case cases[] = {{"Arbeit-Wirtschaft-Technik", "Arbeit-Wirtschaft-Technik", false},
                        {"Arbeit-Wirtschaft-Technik u. I", "Arbeit-Wirtschaft-Technik", true},
                        {"Informatik", "Informatik", true}};
  const int x = F(32).X + F(36).X;
  for (const Case& c : cases) {
    Rename(pupil_, 8, c.Slot8);
    Draw(24);
    EXPECT_NE(TextAt(QString::fromUtf8(c.OnTheLine), x, AdmissionY(2)), nullptr) << c.Slot8;
    EXPECT_EQ(TextAt(QStringLiteral("u. Informatik"), x, AdmissionY(2) + 35) != nullptr, c.Informatik) << c.Slot8;
  }
}

TEST_F(GymnasiumPageTest, WithoutExamSubjectsTheLeftColumnStillPrints) {
  Rename(pupil_, 1, "Deutsch ");
  pupil_.FourthExamSubject.set("Lat");
  Draw(24);
  EXPECT_NE(TextAt(QStringLiteral("  - - -"), F(76).X, ExamY(1)), nullptr);
  EXPECT_TRUE(BoxFrom(F(76).X + F(78).X, 934));
  EXPECT_NE(TextAt(QStringLiteral("Mathematik"), F(76).X, ExamY(2)), nullptr);
  EXPECT_FALSE(Drawn(QStringLiteral("1. Fremdsprache")));
  EXPECT_FALSE(Drawn(QStringLiteral("siehe 4. Prüfungsfach")));
}

TEST_F(GymnasiumPageTest, GradeLinesOfReportAndLeavingPage) {
  pupil_.Subjects[0].Grade.set("e");  // "nicht erteilt", 13 characters
  Rename(pupil_, 11, "katholische Religion");
  Rename(pupil_, 12, "???");
  Rename(pupil_, 10, "evangelische Religion");
  Rename(pupil_, 9, "Slot neun");
  Rename(pupil_, 17, "Slot siebzehn");
  Rename(pupil_, 18, "Slot achtzehn");
  const int right = F(32).X + F(36).X;
  quorv::PrintOptions.GradesInWords = 0;
  for (int form : {21, 22, 121, 23}) {
    Draw(form);
    const RecordedOp* squeezed = TextAt(QStringLiteral("nicht erteilt"), F(32).X + F(34).X, RowY(1));
    ASSERT_NE(squeezed, nullptr) << form;
    EXPECT_EQ(squeezed->State.CharacterExtra, -4) << form;
    EXPECT_NE(TextAt(QStringLiteral("???"), right, RowY(3)), nullptr) << form;
    EXPECT_NE(TextAt(QStringLiteral("katholische Religion"), right, RowY(2)), nullptr) << form;
    const bool leaving = form == 23;
    // The report pages print slot 10's religion as a name; the leaving page as the religion row.
    EXPECT_EQ(TextAt(QStringLiteral("evangelische Religion"), right, RowY(1)) != nullptr, !leaving) << form;
    EXPECT_EQ(TextAt(QStringLiteral("ev. / kath. Religion /"), right, RowY(1) - 27) != nullptr, leaving) << form;
    EXPECT_EQ(Drawn(QStringLiteral("Slot neun")), false) << form;  // the left religion row, or not drawn
    EXPECT_EQ(Drawn(QStringLiteral("Slot achtzehn")), !leaving) << form;
    // Right row 9 is the report pages' only free row; the leaving page has eight rows and none.
    const RecordedOp* row8 = TextAt(QStringLiteral("Slot siebzehn"), right, RowY(8));
    ASSERT_NE(row8, nullptr) << form;
    EXPECT_EQ(row8->State.Font.Height, FontHeight(F(32).FontNumber)) << form;
    if (!leaving) {
      const RecordedOp* row9 = TextAt(QStringLiteral("Slot achtzehn"), right, RowY(9));
      ASSERT_NE(row9, nullptr) << form;
      EXPECT_EQ(row9->State.Font.Height, FontHeight(F(33).FontNumber)) << form;
    }
    // Grades in words on the transfer and leaving reports only.
    EXPECT_NE(TextAt(form == 22 || leaving ? QStringLiteral("gut") : QStringLiteral("2"), F(32).X + F(34).X, RowY(2)),
              nullptr)
        << form;
  }
}

// What the leaving and examination pages leave out of the frame; the
// statement of the examination pages follows ExamPassed.
TEST_F(GymnasiumPageTest, FrameOfTheLeavingAndExamPagesAndTheExamStatement) {
  const QString passed = QStringLiteral(
      "Er/Sie hat die Prüfung bestanden und wird in die 11. Jahrgangsstufe der gymnasialen Oberstufe versetzt.");
  const QString failed =
      QStringLiteral("Er/Sie hat die Prüfung nicht bestanden und wird nicht in die 11. Jahrgangsstufe versetzt.");
  const struct {
    int Form, Passed;
    QString Result;  // at field 26
    bool Absences, Receipt;
  } cases[] = {{23, 1, {}, false, false},
               {24, 1, passed, true, true},
               {24, 0, failed, true, true},
               {25, 1, passed, false, true},
               {25, 0, failed, false, true}};
  F(20) = Field(0, 1200, 0, 11, 1, 1);  // the pages keep the one-line name block: no second rule
  for (const auto& c : cases) {
    pupil_.ExamPassed = static_cast<std::uint16_t>(c.Passed);
    Draw(c.Form);
    const std::string at = std::to_string(c.Form) + " passed " + std::to_string(c.Passed);
    EXPECT_EQ(TextsAt(26), c.Result.isEmpty() ? QStringList{} : QStringList{c.Result}) << at;
    EXPECT_EQ(Drawn(QStringLiteral("Fehltage: _______ davon entschuldigt: _______")), c.Absences) << at;
    EXPECT_EQ(Drawn(QStringLiteral("Empfangsbestätigung:")), c.Receipt) << at;
    EXPECT_EQ(TextsAt(31).contains(QStringLiteral("Pflichtunterricht")), c.Form == 23) << at;
    for (const char* text : {"Noten", "Schuljahr", "Lernentwicklungsbericht", "Name, Vorname"})
      EXPECT_FALSE(Drawn(QString::fromUtf8(text))) << at << " " << text;
    for (const RecordedOp& op : canvas_.opsOf(CanvasOp::Line)) EXPECT_NE(op.P1.y(), Pt(0, 1200).y()) << at;
  }
}

}  // namespace
