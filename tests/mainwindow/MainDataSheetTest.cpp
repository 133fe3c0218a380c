#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>
#include <QTabWidget>
#include <QStyleOptionComboBox>
#include <QListWidget>
#include <QToolButton>
#include <QToolBar>
#include <cstring>
#include <functional>
#include <optional>
#include <memory>
#include <string>

#include "mainwindow/DataSheetControls.h"
#include "mainwindow/MainUSB.h"
#include "platform/Cp1252.h"
#include "platform/ui/RadioGroup.h"
#include "records/DataSheetRules.h"
#include "records/QuorvDat.h"
#include "records/ReportForm.h"
#include "records/SubjectSlots.h"
#include "settings/Facheinst.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "settings/WpflEinst.h"
#include "support/MouseInput.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/ProgramState.h"
#include "support/TempDir.h"

namespace quorv {
namespace {

using platform::MsgKind;
using platform::MsgResult;

std::string Cp(const char* utf8) { return platform::EncodeCp1252(QString::fromUtf8(utf8)); }

bool SameBytes(const TPupilRecord& a, const TPupilRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The first differing byte, for the failure message.
int FirstDifference(const TPupilRecord& a, const TPupilRecord& b) {
  const auto* pa = reinterpret_cast<const unsigned char*>(&a);
  const auto* pb = reinterpret_cast<const unsigned char*>(&b);
  for (std::size_t i = 0; i < sizeof a; ++i)
    if (pa[i] != pb[i]) return static_cast<int>(i);
  return -1;
}

class DataSheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::UseDefaultSettings();
    BuildDefaultSubjectCatalog();
    BuildSubjectLists();
    ElectiveSubjectNames = QStringList{"  - - -", "???", "Informatik", QString::fromUtf8("Französisch")};
  }
  void TearDown() override { form_.reset(); }

  // The main window for a school type, shown for the first time.
  TMainForm& Form(int schoolType) {
    SchoolSettings.SchoolType = static_cast<std::uint16_t>(schoolType);
    form_ = std::make_unique<TMainForm>(dir.programDir() + "quorv");
    form_->show();
    return *form_;
  }

  // Makes the record the class and shows it.
  void Show(const TPupilRecord& r) {
    Pupils = TDB2{r};
    PupilCount = 1;
    CurrentPupil = 0;
    Modified = false;
    form_->ShowCurrentPupil();
  }

  TPupilRecord& Current() { return Pupils[0]; }

  template <class T = QWidget>
  T* Ctl(const char* name) {
    T* w = form_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QLineEdit* Edit(const char* name) { return Ctl<QLineEdit>(name); }
  QComboBox* Combo(const char* name) { return Ctl<QComboBox>(name); }
  // Shows the record with its first elective name combo on screen in the
  // active window (nullptr when the window does not become active).
  QComboBox* ShownElectiveCombo(const TPupilRecord& r) {
    Show(r);
    Ctl<QTabWidget>("PageControl2")->setCurrentWidget(form_->TabSheet14);
    form_->activateWindow();
    return QTest::qWaitForWindowActive(form_.get()) ? Combo("ComboBoxW1") : nullptr;
  }

  testsupport::SavedProgramState state_;
  testsupport::TempProgramDir dir;
  std::unique_ptr<TMainForm> form_;
};

void SetSlot(TPupilRecord& r, int s, const std::string& name, const char* grade, const char* addition = "",
             const char* level = "-") {
  TSubjectEntry& e = r.Subjects[s - 1];
  e.Name.set(name);
  e.Grade.set(grade);
  e.Addition.set(addition);
  e.CourseLevel.set(level);
}

// A filled-in pupil whose slots are laid out for the form decided for it.
TPupilRecord SampleRecord(int schoolType, int reportKind, int klassenstufe, const char* year = "2006") {
  TPupilRecord r = ZeroPupilRecord();
  InitPupilRecord(r);
  r.Surname.set(Cp("Müller"));
  r.FirstName.set(Cp("Jörg"));
  r.BirthDate.set("12.03.1998");
  r.Sex = 1;
  r.ReportKind = static_cast<std::uint16_t>(reportKind);
  r.Klassenstufe = static_cast<std::uint16_t>(klassenstufe);
  r.SchoolYear.set(year);
  r.ClassName.set("7a");
  r.ClassTeacher.set(Cp("Kö"));
  r.NextSchool.set("Gymnasium Wismar");
  r.Jahrgangsstufe.set("8");
  r.AbsenceDays.set("4");
  r.AbsenceDaysExcused.set("3");
  r.IssuePlace.set("Rostock");
  r.IssueDate.set("01.07.2006");
  r.HalfYear = 1;
  r.Gesamtpraedikat = 3;
  r.Schullaufbahnempfehlung = 1;
  r.SkipInBatch = 1;
  r.ExamDataPresent = 1;
  r.FourthExamSubject.set("Ph");
  r.Klassenart = schoolType == stFoerderschule ? 1 : 0;
  r.DevelopmentText.set(Cp("Jörg arbeitet gut mit.\r\nEr ist hilfsbereit."));
  r.RemarksText.set("versetzt");
  r.TeacherNotesText.set(Cp("Mathe: übt mehr\r\n\r\nDeutsch: gut"));
  const int form = DetermineReportForm(r, schoolType);
  r.FormNumber = form;
  r.LayoutFormNumber = form;
  r.ShownFormNumber = form;
  for (int s = 1; s <= kRegularSlots; ++s) {
    SetSubjectFromCatalog(r.Subjects[s - 1], s, SlotLayoutForm(form));
    if (r.Subjects[s - 1].Name.str() != kUnfilled) r.Subjects[s - 1].Grade.set(std::to_string(1 + s % 6));
  }
  SetSlot(r, 2, "Englisch", "2", "+", "B");
  SetSlot(r, 19, "Informatik", "1");
  SetSlot(r, 22, Cp("Französisch"), "3", "-");
  SetSlot(r, 25, "", "2");
  r.Subjects[4].Reserved38.set("hint");
  return r;
}

// ---- the controls ----

TEST_F(DataSheetTest, EveryControlHasItsComponentName) {
  auto& form = Form(2);
  const char* names[] = {
      "Edit5",      "Edit6",      "Edit11",     "Edit63",     "Edit64",     "Edit65",     "Edit66",
      "Edit67",     "Edit68",     "Edit69",     "Edit72",     "Edit74",     "Edit75",     "Edit7",
      "Edit8",      "Edit9",      "Edit14",     "MaskEdit2",  "MaskEdit4",  "CheckBox1",  "CheckBox3",
      "CheckBox4",  "CheckBox5",  "CheckBox6",  "ComboBox38", "ComboBox39", "ComboBox41", "ComboBox42",
      "ComboBox43", "ComboBox44", "ComboBox45", "RadioGroup1", "RadioGroup2", "RadioGroup4", "Memo2",
      "Memo3",      "Memo4",      "GroupBox3",  "GroupBox6",  "GroupBox7",  "GroupBox8",  "Label63",
      "Label64",    "Label65",    "Label66",    "BitBtn1",    "BitBtn2",    "BitBtn3",    "BitBtn4",
      "BitBtn5",    "BitBtn7",    "BitBtn8",    "BitBtn9",    "BitBtn10",   "BitBtn12",   "BitBtn13",
      "BitBtn14",   "BitBtn15",   "BitBtn16",   "BitBtn17",   "BitBtn18",   "BitBtn19",   "BitBtn20",
      "BitBtn21",   "BitBtn22",   "BitBtn23",   "BitBtn24",   "BitBtn25",   "BitBtn26",   "BitBtn27",
      "BitBtn28",   "SpeedButton15", "SpeedButton16", "SpeedButton20", "EditW",  "EditWZ",
  };
  for (const char* name : names) EXPECT_NE(form.findChild<QWidget*>(name), nullptr) << name;
  for (int s = 1; s <= 18; ++s) {
    for (const QString& name : {QStringLiteral("LabelF%1"), QStringLiteral("EditF%1"), QStringLiteral("EditF%1Z"),
                                QStringLiteral("ComboBox%1")})
      EXPECT_NE(form.findChild<QWidget*>(name.arg(s)), nullptr) << name.arg(s).toStdString();
  }
  for (int n = 1; n <= 6; ++n) {
    EXPECT_NE(form.findChild<QWidget*>(QStringLiteral("EditW%1").arg(n)), nullptr);
    EXPECT_NE(form.findChild<QWidget*>(QStringLiteral("ComboBox%1").arg(18 + n)), nullptr);
  }
  EXPECT_NE(form.findChild<QComboBox*>("ComboBoxw4"), nullptr);
  // The visibility table names only existing controls.
  for (const std::string& name : VisibilityControls())
    EXPECT_NE(form.findChild<QWidget*>(QString::fromStdString(name)), nullptr) << name;
  // Each page holds its part of the sheet.
  EXPECT_TRUE(form.TabSheet10->isAncestorOf(Edit("Edit5")));
  EXPECT_TRUE(form.TabSheet11->isAncestorOf(Ctl("Memo2")));
  EXPECT_TRUE(form.TabSheet12->isAncestorOf(Ctl("Memo3")));
  EXPECT_TRUE(form.TabSheet13->isAncestorOf(Edit("EditF1")));
  EXPECT_TRUE(form.TabSheet14->isAncestorOf(Combo("ComboBoxW1")));
}

TEST_F(DataSheetTest, SheetFitsTheSmallestWindowForEveryForm) {
  struct Case {
    int schoolType, form;
  } cases[] = {{2, 0}, {7, 0}, {7, 32}, {4, 21}, {3, 27}, {5, 5}, {1, 3}, {2, 104}};
  for (const Case& c : cases) {
    auto& form = Form(c.schoolType);
    ProgramOptions.ShowAdditions = 1;
    TPupilRecord r = Current();
    r.FormNumber = c.form;
    r.LayoutFormNumber = c.form;
    Show(r);
    QApplication::processEvents();
    EXPECT_LE(form.minimumSizeHint().width(), kMinMainFormWidth) << c.schoolType << "/" << c.form;
    EXPECT_LE(form.minimumSizeHint().height(), kMinMainFormHeight) << c.schoolType << "/" << c.form;
    ProgramOptions.ShowAdditions = 0;
  }
}

TEST_F(DataSheetTest, EveryControlShowsWholeAtTheSmallestSize) {
  for (int schoolType : {1, 2, 3, 4, 5, 6}) {
    SCOPED_TRACE("school type " + std::to_string(schoolType));
    auto& form = Form(schoolType);
    form.resize(kMinMainFormWidth, kMinMainFormHeight);
    form.SetModified();
    QApplication::processEvents();
    ASSERT_EQ(form.size(), QSize(kMinMainFormWidth, kMinMainFormHeight));
    const QRect window = form.rect();
    auto inside = [&form, &window](const QWidget* w) {
      return window.contains(QRect(w->mapTo(&form, QPoint(0, 0)), w->size()));
    };
    // The tool bar keeps every button and the changed marker in view.
    EXPECT_TRUE(form.Edit73->isVisible());
    // With room to spare for another font.
    EXPECT_GE(form.SpeedBar->findChild<QWidget*>(QStringLiteral("SpeedBarSpacer"))->width(), 12);
    EXPECT_TRUE(inside(form.Edit73));
    for (QToolButton* b : form.SpeedBar->findChildren<QToolButton*>()) {
      if (b->objectName() == QLatin1String("qt_toolbar_ext_button"))
        EXPECT_FALSE(b->isVisible()) << "the tool bar overflows";
      else
        EXPECT_TRUE(b->isVisible() && inside(b)) << b->objectName().toStdString();
    }
    EXPECT_TRUE(inside(Combo("ComboBox41")));
    // The first pupil of the list is not cut.
    const QRect first = form.ListBox1->visualItemRect(form.ListBox1->item(0));
    EXPECT_TRUE(form.ListBox1->viewport()->rect().contains(first));
  }
}

// Closed, each combo box of the sheet shows its longest item whole; the
// subject-name combos (two columns of names of up to 30 characters) are left out.
TEST_F(DataSheetTest, EveryComboShowsItsLongestItemAtTheSmallestSize) {
  auto& form = Form(3);
  form.resize(kMinMainFormWidth, kMinMainFormHeight);
  TPupilRecord r = Current();
  r.FormNumber = r.LayoutFormNumber = 0;  // a form the sheet shows nearly everything for
  Show(r);
  QList<QComboBox*> names;
  for (const auto& row : form.Sheet->Rows) names << row.Name;
  for (int page = 0; page < form.PageControl2->count(); ++page) {
    const QSignalBlocker quiet(form.PageControl2);  // no page handlers
    form.PageControl2->setCurrentIndex(page);
    QApplication::processEvents();
    for (QComboBox* combo : form.PageControl2->widget(page)->findChildren<QComboBox*>()) {
      if (names.contains(combo) || !combo->isVisible()) continue;
      int longest = 0;
      for (int i = 0; i < combo->count(); ++i)
        longest = std::max(longest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
      QStyleOptionComboBox option;
      option.initFrom(combo);
      option.editable = combo->isEditable();
      const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
      EXPECT_GE(room.width() - (option.editable ? 4 : 0), longest) << combo->objectName().toStdString();
    }
  }
}

// ---- show and store ----

TEST_F(DataSheetTest, ShowAndStoreUnchangedKeepsEveryByteForEachSchoolType) {
  struct Case {
    int schoolType, reportKind, klassenstufe;
  } cases[] = {{1, 1, 3}, {2, 1, 7}, {2, 4, 9}, {3, 1, 8}, {3, 3, 9}, {4, 1, 7}, {4, 6, 10}, {5, 1, 7},
               {6, 2, 8}, {7, 1, 7}, {9, 1, 5}, {0, 1, 5}, {2, 1, 5}};
  for (const Case& c : cases) {
    Form(c.schoolType);
    const TPupilRecord before = SampleRecord(c.schoolType, c.reportKind, c.klassenstufe);
    Show(before);
    EXPECT_FALSE(Modified) << "showing set Modified, type " << c.schoolType;
    Current().FormNumber = before.FormNumber;  // compare the store alone
    form_->StoreCurrentPupil();
    EXPECT_TRUE(SameBytes(Current(), before))
        << "type " << c.schoolType << " kind " << c.reportKind << ": byte " << FirstDifference(Current(), before);
    EXPECT_FALSE(Modified) << "type " << c.schoolType;
  }
}

// Control bytes another program left are shown whole and refused nowhere.
TEST_F(DataSheetTest, UneditedIrregularTextsAndDatesKeepTheirBytes) {
  auto& form = Form(2);
  TPupilRecord before = SampleRecord(2, 1, 7);
  before.DevelopmentText.set("eins\nzwei\rdrei\x07");
  before.RemarksText.Chars[100] = 'x';  // behind the NUL
  before.BirthDate.set("1.2.98");
  before.IssueDate.set("???");
  before.Surname.set("Ab\x01" "el");
  before.NextSchool.set("Schule\t2");
  before.Subjects[0].Grade.set("\x1f");
  form.SetStatusPanelText(0, QString());
  Show(before);
  EXPECT_EQ(form.StatusPanelText(0).toStdString(), "");
  EXPECT_EQ(Edit("Edit5")->text(), QStringLiteral("Ab\x01" "el"));
  EXPECT_EQ(Edit("Edit67")->text(), QStringLiteral("Schule\t2"));
  form_->StoreCurrentPupil();
  EXPECT_TRUE(SameBytes(Current(), before)) << FirstDifference(Current(), before);
  EXPECT_FALSE(Modified);
}

TEST_F(DataSheetTest, ShownControlsHoldTheRecord) {
  auto& form = Form(2);
  TPupilRecord r = SampleRecord(2, 1, 7);
  r.Active = 2;
  Show(r);
  EXPECT_EQ(form.Edit1->text(), QString::fromUtf8("Müller"));
  EXPECT_EQ(Edit("Edit5")->text(), QString::fromUtf8("Müller"));
  EXPECT_EQ(form.Edit2->text(), QString::fromUtf8("Jörg"));
  EXPECT_EQ(form.Edit3->text(), "7a");
  EXPECT_EQ(form.Edit4->text(), QString::fromUtf8("Kö"));
  EXPECT_EQ(Edit("Edit11")->text(), QString::number(static_cast<int>(r.KeyNumber)));
  EXPECT_EQ(form.CheckBox2->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(Combo("ComboBox41")->currentIndex(), 1);
  EXPECT_EQ(Combo("ComboBox42")->currentIndex(), 7);
  EXPECT_EQ(Edit("Edit63")->text(), "2006");
  EXPECT_EQ(Edit("Edit64")->text(), "2007");
  EXPECT_EQ(Edit("Edit7")->text(), "15");
  EXPECT_EQ(Edit("Edit8")->text(), "15");
  EXPECT_EQ(Edit("Edit9")->text(), "15");
  EXPECT_EQ(Edit("Edit14")->text(), "15");
  EXPECT_EQ(Ctl<QPlainTextEdit>("Memo2")->toPlainText(), QString::fromUtf8("Jörg arbeitet gut mit.\nEr ist hilfsbereit."));
  EXPECT_EQ(Ctl<QLabel>("LabelF1")->text(), "Deutsch");
  EXPECT_EQ(Ctl<QLabel>("LabelF5")->toolTip(), "hint");
  EXPECT_EQ(Combo("ComboBoxF2")->currentText(), "Englisch");
  EXPECT_EQ(Combo("ComboBoxF2")->currentIndex(), LanguageSubjectList.indexOf("Englisch"));
  EXPECT_EQ(Edit("EditF2")->text(), "2");
  EXPECT_EQ(Edit("EditF2Z")->text(), "+");
  EXPECT_EQ(Combo("ComboBox2")->currentText(), "B");
  EXPECT_EQ(Combo("ComboBoxW1")->currentText(), "Informatik");
  EXPECT_EQ(Combo("ComboBoxw4")->currentText(), QString::fromUtf8("Französisch"));
  EXPECT_EQ(Edit("EditW4Z")->text(), "-");
  EXPECT_EQ(Edit("EditW")->text(), "2");
  EXPECT_EQ(Ctl<platform::RadioGroup>("RadioGroup4")->itemIndex(), 1);
  EXPECT_EQ(Edit("MaskEdit4")->displayText(), "01.07.2006");

  r.Active = 0;
  r.FormNumber = 104;
  r.LayoutFormNumber = 104;
  Show(r);
  EXPECT_EQ(form.CheckBox2->checkState(), Qt::Checked);
  EXPECT_EQ(Edit("Edit7")->text(), "4a");
  EXPECT_EQ(Edit("Edit8")->text(), "4a");
}

TEST_F(DataSheetTest, EditsReachTheRecordAtTheStore) {
  auto& form = Form(2);
  Show(SampleRecord(2, 1, 7));
  Edit("Edit5")->setText("Schulz");
  form.Edit1->setText("Ignored");  // the second name field wins
  Combo("ComboBox41")->setCurrentIndex(2);
  Ctl<QCheckBox>("CheckBox1")->setChecked(false);
  Edit("Edit63")->setText("2007");
  Edit("Edit65")->setText("8b-long");
  Edit("EditF1")->setText("12");
  Edit("EditF5")->setText("");
  Edit("EditF5Z")->setText("+++");
  Combo("ComboBoxF2")->setEditText("Latein");
  Ctl<QPlainTextEdit>("Memo3")->setPlainText("versetzt\nin Klasse 8");
  Edit("MaskEdit2")->setText("24.12.1997");
  form.StoreCurrentPupil();
  const TPupilRecord& r = Current();
  EXPECT_EQ(r.Surname.str(), "Schulz");
  EXPECT_EQ(r.ReportKind, 2);
  EXPECT_EQ(r.Sex, 0);
  EXPECT_EQ(r.SchoolYear.str(), "2007");
  EXPECT_EQ(r.ClassName.str(), "8b-lo");
  EXPECT_EQ(r.Subjects[0].Grade.str(), "1");
  EXPECT_EQ(r.Subjects[4].Grade.str(), "-");
  EXPECT_EQ(r.Subjects[4].Addition.str(), "++");
  EXPECT_EQ(r.Subjects[1].Name.str(), "Latein");
  EXPECT_EQ(r.RemarksText.str(), "versetzt\r\nin Klasse 8");
  EXPECT_EQ(r.BirthDate.str(), "24.12.1997");
  EXPECT_EQ(r.FormNumber, 16);        // decided anew
  EXPECT_EQ(r.LayoutFormNumber, 15);  // the form the slots are laid out for
  EXPECT_TRUE(Modified);
}

TEST_F(DataSheetTest, UnsetSexBecomesBoyAndMaskedBlanksStay) {
  Form(2);
  TPupilRecord r = SampleRecord(2, 1, 7);
  r.Sex = -1;
  r.BirthDate.set("  .  .19  ");
  Show(r);
  EXPECT_EQ(Edit("MaskEdit2")->displayText(), "  .  .19  ");
  form_->StoreCurrentPupil();
  EXPECT_EQ(Current().Sex, 0);
  EXPECT_EQ(Current().BirthDate.str(), "  .  .19  ");
  // Nobody typed anything: what the store settles is no change.
  EXPECT_FALSE(Modified);
}

TEST_F(DataSheetTest, NoSelectionKeepsTheField) {
  Form(2);
  TPupilRecord r = SampleRecord(2, 1, 7);
  r.ReportKind = 9;
  r.Abschlussart = 5;
  r.Klassenart = 4;
  r.Gesamtpraedikat = 12;
  r.Schullaufbahnempfehlung = 3;
  r.Klassenstufe = 20;
  r.AnspruchsebeneAll = 7;
  r.FormNumber = DetermineReportForm(r, 2);
  r.LayoutFormNumber = r.FormNumber;
  Show(r);
  EXPECT_EQ(Combo("ComboBox41")->currentIndex(), -1);
  EXPECT_EQ(Ctl<platform::RadioGroup>("RadioGroup1")->itemIndex(), -1);
  form_->StoreCurrentPupil();
  EXPECT_EQ(Current().ReportKind, 9);
  EXPECT_EQ(Current().Abschlussart, 5);
  EXPECT_EQ(Current().Klassenart, 4);
  EXPECT_EQ(Current().Gesamtpraedikat, 12);
  EXPECT_EQ(Current().Schullaufbahnempfehlung, 3);
  EXPECT_EQ(Current().Klassenstufe, 20);
  EXPECT_EQ(Current().AnspruchsebeneAll, 7);
  EXPECT_FALSE(Modified);
}

TEST_F(DataSheetTest, NamesComeOnlyFromCombosNotHidden) {
  auto& form = Form(4);
  Show(SampleRecord(4, 1, 7));  // form 21
  ASSERT_EQ(form.PageControl2->currentIndex(), 0);
  // Row 14 shows its name as a label only; its hidden combo is not stored.
  EXPECT_TRUE(Combo("ComboBoxF14")->isHidden());
  Combo("ComboBoxF14")->setEditText("Werken");
  Edit("EditF14")->setText("5");
  // Row 2 is on another page, yet its combo is not hidden.
  EXPECT_FALSE(Combo("ComboBoxF2")->isVisible());
  Combo("ComboBoxF2")->setEditText("Russisch");
  form.StoreCurrentPupil();
  EXPECT_EQ(Current().Subjects[13].Name.str(), "Informatik");
  EXPECT_EQ(Current().Subjects[13].Grade.str(), "5");
  EXPECT_EQ(Current().Subjects[1].Name.str(), "Russisch");
}

TEST_F(DataSheetTest, ShowingRunsNoChangeHandlerAndRefillsKeepTheText) {
  auto& form = Form(3);
  TPupilRecord r = SampleRecord(3, 1, 8);  // form 27 shows level combos
  SetSlot(r, 4, "Mathematik", "2", "", "E");
  SetSlot(r, 1, "Deutsch", "2", "", "Z");
  Show(r);
  EXPECT_FALSE(Modified);
  EXPECT_EQ(Combo("ComboBox4")->currentText(), "E");
  form.ApplySchoolTypeToMainForm();
  EXPECT_EQ(Combo("ComboBox4")->currentText(), "E");
  EXPECT_EQ(Combo("ComboBox1")->currentText(), "Z");
  EXPECT_FALSE(Modified);
  form.StoreCurrentPupil();
  EXPECT_EQ(Current().Subjects[0].CourseLevel.str(), "Z");
  EXPECT_FALSE(Modified);
}

TEST_F(DataSheetTest, PupilPastTheEndIsNotShown) {
  Form(2);
  Pupils = TDB2{SampleRecord(2, 1, 7)};
  PupilCount = 1;
  CurrentPupil = 3;
  form_->ShowCurrentPupil();
  EXPECT_EQ(CurrentPupil, 0);
  EXPECT_NE(Edit("Edit5")->text(), QString::fromUtf8("Müller"));
}

TEST_F(DataSheetTest, StoreHidesTheNoteOfAnAddedPupil) {
  Form(2);
  Show(SampleRecord(2, 1, 7));
  for (const char* name : {"Label64", "Label65", "Label66"}) Ctl(name)->show();
  form_->StoreCurrentPupil();
  for (const char* name : {"Label64", "Label65", "Label66"}) EXPECT_TRUE(Ctl(name)->isHidden()) << name;
}

// ---- form numbers and the re-layout ----

TEST_F(DataSheetTest, NewPupilGetsTheDefaultFormAndItsCatalogueSubjects) {
  Form(4);
  TPupilRecord r = ZeroPupilRecord();
  InitPupilRecord(r);
  Show(r);
  EXPECT_EQ(Current().FormNumber, 21);
  EXPECT_EQ(Current().LayoutFormNumber, 21);
  EXPECT_EQ(Ctl<QLabel>("LabelF14")->text(), "Informatik");
  form_->StoreCurrentPupil();
  EXPECT_EQ(Current().LayoutFormNumber, 21);
  EXPECT_EQ(Current().FormNumber, 0);  // no report kind yet
  // A default pupil nobody edited holds nothing to save.
  EXPECT_FALSE(Modified);
}

TEST_F(DataSheetTest, ConvertedPupilKeepsSubjectsAndGradesWhenFirstShown) {
  Form(2);
  TPupilRecord r = SampleRecord(2, 1, 7);
  r.FormNumber = -1;
  r.LayoutFormNumber = -1;
  r.ShownFormNumber = 0;
  SetSlot(r, 9, "???", "-");
  SetSlot(r, 18, "???", "-");
  SetSlot(r, 3, "Russisch", "4");
  Show(r);
  EXPECT_EQ(Current().Subjects[2].Name.str(), "Russisch");
  EXPECT_EQ(Current().Subjects[2].Grade.str(), "4");
  EXPECT_EQ(Current().Subjects[3].Name.str(), "Mathematik");
  EXPECT_EQ(Current().Subjects[3].Grade.str(), r.Subjects[3].Grade.str());
  EXPECT_EQ(Combo("ComboBoxF3")->currentText(), "Russisch");
}

// A Regionale Schule pupil whose report becomes the Berufsreife certificate
// (form 18): mathematics moves from slot 4 to slot 3.
class RelayoutSequenceTest : public DataSheetTest {
 protected:
  void ShowPupilOfForm15() {
    Form(2);
    TPupilRecord r = SampleRecord(2, 1, 9);
    SetSlot(r, 4, "Mathematik", "1");
    ASSERT_EQ(r.FormNumber, 15);
    Show(r);
  }
  void ChooseFinalReport() {
    Combo("ComboBox41")->setCurrentIndex(rkAbschluss);  // with Klassenstufe 9 in 2006: form 18
  }
};

TEST_F(RelayoutSequenceTest, ShowStoreGivesTheBytesOfOneStore) {
  ShowPupilOfForm15();
  ChooseFinalReport();
  form_->StoreCurrentPupil();
  EXPECT_EQ(Current().FormNumber, 18);
  EXPECT_EQ(Current().LayoutFormNumber, 15);
  EXPECT_EQ(Current().Subjects[3].Name.str(), "Mathematik");
  form_->ShowCurrentPupil();
  EXPECT_EQ(Current().Subjects[2].Name.str(), "Mathematik");
  EXPECT_EQ(Current().Subjects[2].Grade.str(), "1");
  EXPECT_EQ(Current().LayoutFormNumber, 18);
  EXPECT_EQ(Current().ShownFormNumber, 18);
  EXPECT_EQ(Edit("EditF3")->text(), "1");
}

TEST_F(RelayoutSequenceTest, TwoStoresWithoutAShowStillReLay) {
  ShowPupilOfForm15();
  ChooseFinalReport();
  form_->StoreCurrentPupil();  // saving the class
  const TPupilRecord afterFirst = Current();
  form_->StoreCurrentPupil();  // then moving on
  EXPECT_TRUE(SameBytes(Current(), afterFirst)) << FirstDifference(Current(), afterFirst);
  EXPECT_EQ(Current().LayoutFormNumber, 15);
  form_->ShowCurrentPupil();
  EXPECT_EQ(Current().Subjects[2].Name.str(), "Mathematik");
  EXPECT_EQ(Current().Subjects[2].Grade.str(), "1");
  EXPECT_EQ(Current().Subjects[3].Name.str(), "Geschichte");
}

TEST_F(RelayoutSequenceTest, ShownTwiceIsReLaidOnce) {
  ShowPupilOfForm15();
  ChooseFinalReport();
  form_->StoreCurrentPupil();
  form_->ShowCurrentPupil();
  form_->ShowCurrentPupil();  // "Daten zurücksetzen"
  EXPECT_EQ(Current().Subjects[2].Name.str(), "Mathematik");
  EXPECT_EQ(Current().Subjects[3].Name.str(), "Geschichte");
  form_->StoreCurrentPupil();
  form_->ShowCurrentPupil();
  EXPECT_EQ(Current().Subjects[2].Name.str(), "Mathematik");
  EXPECT_EQ(Current().LayoutFormNumber, 18);
  EXPECT_EQ(Current().FormNumber, 18);
}

TEST_F(RelayoutSequenceTest, TheChoiceIsTheChangeNotTheReLayout) {
  ShowPupilOfForm15();
  ChooseFinalReport();
  form_->StoreCurrentPupil();
  EXPECT_TRUE(Modified);
  form_->ShowCurrentPupil();
  // The slots the show moved are no edit of their own.
  Modified = false;
  form_->StoreCurrentPupil();
  EXPECT_FALSE(Modified);
}

TEST_F(RelayoutSequenceTest, PairOutsideTheTableWarnsAtTheShow) {
  Form(6);
  TPupilRecord r = SampleRecord(6, 1, 7);  // form 10
  r.FormNumber = 8;
  r.LayoutFormNumber = 12;
  testsupport::ScriptedMessages msgs;
  msgs.expect(kRelayoutWarning, MsgKind::Warning);
  Show(r);
  form_->ShowCurrentPupil();
  EXPECT_EQ(msgs.shown().size(), 1u);
}

// ---- level of demand ----

class LevelTest : public DataSheetTest {
 protected:
  void ShowGesamtschulPupil(int level) {
    Form(3);
    TPupilRecord r = SampleRecord(3, 1, 8);  // form 27
    r.AnspruchsebeneAll = static_cast<std::uint16_t>(level);
    SetSlot(r, 4, "Mathematik", "3", "", "H");
    SetSlot(r, 2, "Englisch", "3", "", "-");
    Show(r);
  }
};

TEST_F(LevelTest, RescaledOnceAcrossTwoStores) {
  ShowGesamtschulPupil(0);
  Combo("ComboBox43")->setCurrentIndex(3);
  testsupport::ScriptedMessages msgs;
  msgs.expect(kLevelChangedQuestion, MsgKind::Confirmation, MsgResult::Yes);
  form_->StoreCurrentPupil();
  EXPECT_EQ(Current().Subjects[3].Grade.str(), "5");
  EXPECT_EQ(Current().Subjects[1].Grade.str(), "3");
  EXPECT_TRUE(Modified);
  EXPECT_EQ(form_->PageControl2->currentIndex(), 3);
  EXPECT_EQ(Edit("EditF4")->text(), "5");
  form_->StoreCurrentPupil();  // no second question, the grade stays
  EXPECT_EQ(Current().Subjects[3].Grade.str(), "5");
  form_->ShowCurrentPupil();
  form_->StoreCurrentPupil();
  EXPECT_EQ(Current().Subjects[3].Grade.str(), "5");
  EXPECT_EQ(msgs.shown().size(), 1u);
}

TEST_F(LevelTest, NoLeavesTheGradesAndIsAskedAgainUntilTheNextShow) {
  ShowGesamtschulPupil(1);
  Combo("ComboBox43")->setCurrentIndex(3);
  testsupport::ScriptedMessages msgs;
  msgs.expect(kLevelChangedQuestion, MsgKind::Confirmation, MsgResult::No);
  form_->StoreCurrentPupil();
  EXPECT_EQ(Current().Subjects[1].Grade.str(), "3");
  // Every store until the next show offers it again; Yes then rescales once.
  msgs.expect(kLevelChangedQuestion, MsgKind::Confirmation, MsgResult::No);
  form_->StoreCurrentPupil();
  msgs.expect(kLevelChangedQuestion, MsgKind::Confirmation, MsgResult::Yes);
  form_->StoreCurrentPupil();
  EXPECT_EQ(Current().Subjects[1].Grade.str(), "5");
  form_->StoreCurrentPupil();
  form_->ShowCurrentPupil();
  form_->StoreCurrentPupil();
  EXPECT_EQ(Current().Subjects[1].Grade.str(), "5");
  EXPECT_EQ(Current().AnspruchsebeneAll, 3);
  EXPECT_EQ(msgs.shown().size(), 3u);
}

TEST_F(LevelTest, UndecidedLevelIsAskedButChangesNoGrade) {
  ShowGesamtschulPupil(2);
  Combo("ComboBox43")->setCurrentIndex(0);
  testsupport::ScriptedMessages msgs;
  msgs.expect(kLevelUndecidedQuestion, MsgKind::Confirmation, MsgResult::Yes);
  form_->StoreCurrentPupil();
  EXPECT_EQ(Current().Subjects[3].Grade.str(), "3");
  EXPECT_EQ(Current().AnspruchsebeneAll, 0);
}

TEST_F(LevelTest, DifferenceTooLargeWarns) {
  ShowGesamtschulPupil(5);  // a level the combo does not offer
  Combo("ComboBox43")->setCurrentIndex(1);
  testsupport::ScriptedMessages msgs;
  msgs.expect(kLevelChangedQuestion, MsgKind::Confirmation, MsgResult::Yes);
  msgs.expect(kRescaleWarning, MsgKind::Warning);
  form_->StoreCurrentPupil();
  EXPECT_EQ(Current().Subjects[3].Grade.str(), "3");
  EXPECT_TRUE(msgs.allAnswered());
}

// ---- texts, colours and handlers ----

TEST_F(DataSheetTest, RecommendationNoteFollowsTheRadioGroupOfThePreviousShow) {
  Form(2);
  TPupilRecord other = SampleRecord(2, 1, 7);
  other.FormNumber = 0;
  other.LayoutFormNumber = 0;
  other.Schullaufbahnempfehlung = 2;
  Show(other);  // the radio group becomes visible only now
  Show(other);
  auto* note = Ctl<QLabel>("Label63");
  EXPECT_FALSE(note->isHidden());
  EXPECT_EQ(note->text(), RecommendationNote(2));
  other.Schullaufbahnempfehlung = 7;
  Show(other);
  EXPECT_EQ(note->text(), RecommendationNote(7));
  Show(SampleRecord(2, 1, 7));  // form 15 hides the radio group
  Show(SampleRecord(2, 1, 7));
  EXPECT_TRUE(note->isHidden());
  EXPECT_EQ(note->text(), " ");
}

TEST_F(DataSheetTest, FourthExamSubjectAndRedLabels) {
  Form(4);
  TPupilRecord r = SampleRecord(4, 6, 10, "2005");
  r.ExamPassed = 1;
  r.FormNumber = DetermineReportForm(r, 4);
  r.LayoutFormNumber = r.FormNumber;
  ASSERT_EQ(r.FormNumber, 24);
  SetSlot(r, 10, "Physik", "2");
  Show(r);
  EXPECT_EQ(Edit("Edit75")->text(), "2");
  EXPECT_TRUE(Edit("Edit75")->isEnabled());
  const QColor red(255, 0, 0);
  EXPECT_EQ(Ctl<QLabel>("LabelF10")->palette().color(QPalette::WindowText), red);
  EXPECT_EQ(Ctl<QLabel>("LabelF1")->palette().color(QPalette::WindowText), red);
  EXPECT_EQ(Ctl<QLabel>("LabelFS1")->palette().color(QPalette::WindowText), red);
  EXPECT_NE(Ctl<QLabel>("LabelF11")->palette().color(QPalette::WindowText), red);

  r.SchoolYear.set("2006");
  Show(r);
  EXPECT_NE(Ctl<QLabel>("LabelF10")->palette().color(QPalette::WindowText), red);
  EXPECT_EQ(Ctl<QLabel>("LabelF1")->palette().color(QPalette::WindowText), red);
  EXPECT_FALSE(Edit("Edit75")->isEnabled());
  EXPECT_FALSE(Combo("ComboBox38")->isEnabled());
}

TEST_F(DataSheetTest, ControlsFollowTheVisibilityTable) {
  struct Case {
    int schoolType, form, reportKind;
  } cases[] = {{1, 3, 1}, {5, 5, 1}, {2, 15, 1}, {2, 18, 4}, {4, 21, 6}, {4, 23, 3}, {3, 26, 1},
               {3, 27, 1}, {2, 104, 1}, {7, 32, 1}, {2, 0, 0}};
  for (const Case& c : cases) {
    Form(c.schoolType);
    TPupilRecord r = SampleRecord(c.schoolType, c.reportKind, 7);
    r.FormNumber = c.form;
    r.LayoutFormNumber = c.form;
    Show(r);
    const TSheetContext context{c.form, c.schoolType, c.reportKind, false};
    for (const std::string& name : VisibilityControls()) {
      const TShowState state = ControlVisibility(name, context);
      if (state == TShowState::Kept) continue;
      auto* w = form_->findChild<QWidget*>(QString::fromStdString(name));
      ASSERT_NE(w, nullptr) << name;
      EXPECT_EQ(!w->isHidden(), state == TShowState::Shown) << name << " on form " << c.form;
    }
  }
}

TEST_F(DataSheetTest, ReportKindHandlerShowsItsControls) {
  Form(2);
  Show(SampleRecord(2, 1, 7));
  Combo("ComboBox41")->setCurrentIndex(rkUebergang);
  EXPECT_FALSE(Ctl("GroupBox3")->isHidden());
  EXPECT_FALSE(Ctl("Edit68")->isHidden());
  EXPECT_TRUE(Ctl("RadioGroup1")->isHidden());
  EXPECT_TRUE(Ctl("GroupBox8")->isHidden());
  EXPECT_FALSE(Ctl("Memo2")->isHidden());
  Combo("ComboBox41")->setCurrentIndex(rkAbschlussQualifiziert);
  EXPECT_FALSE(Ctl("RadioGroup1")->isHidden());
  EXPECT_FALSE(Ctl("ComboBox44")->isHidden());
  Combo("ComboBox41")->setCurrentIndex(rkAbschluss);
  auto* graduation = Ctl<platform::RadioGroup>("RadioGroup1");
  graduation->setItemIndex(1);
  EXPECT_TRUE(Ctl("ComboBox44")->isHidden());
  graduation->setItemIndex(2);
  EXPECT_FALSE(Ctl("ComboBox44")->isHidden());
  EXPECT_FALSE(Ctl("Label71")->isHidden());
  EXPECT_FALSE(Modified);
}

TEST_F(DataSheetTest, SchoolYearHandlerNormalisesAndFillsTheSecondYear) {
  Form(2);
  Show(SampleRecord(2, 1, 7));
  struct Case {
    const char* typed;
    const char* shown;
    const char* second;
  } cases[] = {{"06", "2006", "2007"}, {"2010", "2010", "2011"}, {"-5", "?\?-5", "????"}, {"ab", "ab", ""},
               {"200", "200", ""}};
  for (const Case& c : cases) {
    Edit("Edit63")->setText(c.typed);
    form_->Edit63Exit();
    EXPECT_EQ(Edit("Edit63")->text(), c.shown) << c.typed;
    EXPECT_EQ(Edit("Edit64")->text(), c.second) << c.typed;
  }
}

// ---- what counts as a change ----

const QString kOpenWithoutSaving = QString::fromUtf8(
    "Wollen Sie jetzt wirklich eine neue Datei öffnen \rohne die geänderten (aktuellen) Daten zu Speichern?");
const QString kNewClass = QString::fromUtf8("Wollen Sie jetzt eine neue Datei\r(Zeugnis-Datenbank) erstellen?");

TEST_F(DataSheetTest, OpenAsksOnlyWhenSomethingTypedWouldBeLost) {
  const auto otherKlassenart = [this] {
    auto* group = Ctl<platform::RadioGroup>("RadioGroup2");
    group->setItemIndex((group->itemIndex() + 1) % group->count());
  };
  const struct {
    const char* Name;
    bool AfterNew;  // "Neu" first, then the edit
    std::function<void()> Edit;
    bool Asks;
  } cases[] = {
      {"nothing typed after start", false, [] {}, false},
      {"nothing typed after Neu", true, [] {}, false},
      {"surname typed", false, [this] { Edit("Edit5")->setText("Muster"); }, true},
      {"grade typed after Neu", true, [this] { Edit("EditF2")->setText("2"); }, true},
      {"report kind chosen", false, [this] { Combo("ComboBox41")->setCurrentIndex(2); }, true},
      {"Klassenart alone", false, otherKlassenart, true},
  };
  for (int schoolType = 1; schoolType <= 6; ++schoolType) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.Name) + ", school type " + std::to_string(schoolType));
      Form(schoolType);
      testsupport::ScriptedMessages msgs;
      testsupport::ScriptedFileDialogs files;
      if (c.AfterNew) {
        msgs.expect(kNewClass, MsgKind::Confirmation, MsgResult::Yes);
        form_->FileNew();
      }
      c.Edit();
      if (c.Asks)
        msgs.expect(kOpenWithoutSaving, MsgKind::Confirmation, MsgResult::No);
      else
        files.expectOpen(std::nullopt);
      form_->FileOpen();
      EXPECT_EQ(Modified, c.Asks);
      EXPECT_EQ(msgs.shown().size(), (c.AfterNew ? 1u : 0u) + (c.Asks ? 1u : 0u));
    }
  }
}

// What a field cannot hold is refused where it is typed, pasted or committed
// by an input method (whose pre-edit goes too), and the status line says why: a
// character the class file lacks, a control character, a digit a date cannot
// keep, or more characters than the field holds ("Klassenlehrer": five). A
// decomposed letter is joined and taken.
TEST_F(DataSheetTest, WhatAFieldCannotHoldIsRefusedAndSaid) {
  auto& form = Form(2);
  Show(SampleRecord(2, 1, 7));
  const QString full = QString::fromUtf8("Das Feld ist voll: Es fasst höchstens 5 Zeichen.");
  const struct {
    const char* field;
    int paste;  // 2: committed by an input method
    QString input;
    const char* kept;
    QString said;
  } cases[] = {
      {"Edit5", false, "Yılmaz", "Ylmaz", QString::fromUtf8("„ı“ kann nicht gespeichert werden; bitte „i“ eingeben.")},
      {"Memo2", true, "Łódź", nullptr, QString::fromUtf8("„Ł“ kann nicht gespeichert werden; bitte „L“ eingeben.")},
      {"Edit66", false, "Frau Krüger", "Frau ", full},
      {"Edit66", true, "Frau Krüger", "Frau ", full},
      {"Memo2", true, QStringLiteral("-Teil1") + QChar(0) + "Teil2", nullptr, "Das Steuerzeichen U+0000 kann nicht gespeichert werden."},
      {"Edit67", true, QStringLiteral("-Teil1") + QChar(0) + "Teil2", "", "Das Steuerzeichen U+0000 kann nicht gespeichert werden."},
      {"MaskEdit2", false, "１", "..", QString::fromUtf8("„１“ kann nicht gespeichert werden; bitte „1“ eingeben.")},
      {"MaskEdit4", true, "٠١.٠٧.٢٠٠٦", "..", QString::fromUtf8("„٠“ kann nicht gespeichert werden; bitte „0“ eingeben.")},
      {"Memo3", true, "Mu\u0308ller", "Müllerversetzt", QString()},
      {"Edit67", true, "Mu\u0308ller", "Müller", QString()},
      {"Memo4", 2, "ı", nullptr, QString::fromUtf8("„ı“ kann nicht gespeichert werden; bitte „i“ eingeben.")},
      {"Memo3", 2, QString(501, u'a'), nullptr, QString::fromUtf8("Das Feld ist voll: Es fasst höchstens 500 Zeichen.")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " " + std::to_string(c.paste));
    QWidget* field = Ctl<QWidget>(c.field);
    auto* edit = qobject_cast<QLineEdit*>(field);
    auto* memo = qobject_cast<QPlainTextEdit*>(field);
    if (edit) edit->clear();
    const QString before = memo ? memo->toPlainText() : QString();
    form.SetStatusPanelText(0, QString());
    if (c.paste == 2) {  // after a dead key's pre-edit "^"
      QInputMethodEvent preedit(QStringLiteral("^"), {}), commit;
      commit.setCommitString(c.input);
      QApplication::sendEvent(field, &preedit);
      QApplication::sendEvent(field, &commit);
      EXPECT_EQ(memo->textCursor().block().layout()->preeditAreaText(), QString());
    } else if (c.paste) {
      QApplication::clipboard()->setText(c.input);
      edit ? edit->paste() : memo->paste();
    } else {
      for (const QChar ch : c.input) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(field, &press);
      }
    }
    EXPECT_EQ(edit ? edit->text() : memo->toPlainText(), c.kept ? QString::fromUtf8(c.kept) : before);
    EXPECT_EQ(form.StatusPanelText(0), c.said);
  }
  form.StoreCurrentPupil();
  EXPECT_EQ(Current().Surname.str(), "Ylmaz");
  EXPECT_EQ(Current().NextSchool.str(), Cp("Müller"));
}

// An elective list file holds names of 40 characters, the field 30: a name
// chosen from the list, or completed from typed letters, is cut to 30 and the
// status line says so, as for typing.
TEST_F(DataSheetTest, AChosenElectiveLongerThanItsFieldIsCutAndSaid) {
  auto& form = Form(2);
  QComboBox* combo = ShownElectiveCombo(SampleRecord(2, 1, 7));
  ASSERT_NE(combo, nullptr);
  const QString name = QStringLiteral("Naturwissenschaften und Technik (Robotik)");
  combo->addItem(name);
  combo->setFocus();
  for (const bool typed : {false, true}) {
    combo->setCurrentIndex(typed ? 0 : combo->count() - 2);
    form.SetStatusPanelText(0, QString());
    if (typed) combo->lineEdit()->clear();
    typed ? QTest::keyClicks(combo, "Naturw") : QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->lineEdit()->text(), name.left(30)) << typed;
    EXPECT_EQ(form.StatusPanelText(0), QString::fromUtf8("Das Feld ist voll: Es fasst höchstens 30 Zeichen.")) << typed;
  }
}

// Chosen with the mouse, an elective of 30 characters is taken whole and
// nothing is said: as the list closes the hint below the pointer shows. A
// longer one is cut and said, and no hint covers that until the next click
// in the window.
TEST_F(DataSheetTest, AnElectiveChosenWithTheMouseIsSaidUntilTheNextClick) {
  auto& form = Form(2);
  QComboBox* combo = ShownElectiveCombo(SampleRecord(2, 1, 7));
  ASSERT_NE(combo, nullptr);
  const struct {
    const char* chosen;
    const char* kept;
    const char* said;
  } cases[] = {
      {"Naturwissenschaften u. Technik", "Naturwissenschaften u. Technik", "Teilbereiche der Zeugnisdaten"},
      {"Naturwissenschaften und Technik (Robotik)", "Naturwissenschaften und Techni",
       "Das Feld ist voll: Es fasst höchstens 30 Zeichen."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    combo->addItem(QString::fromUtf8(c.chosen));
    form.SetStatusPanelText(0, QString());
    ASSERT_TRUE(testsupport::ChooseWithMouse(combo, combo->count() - 1));
    EXPECT_EQ(combo->lineEdit()->text().toStdString(), c.kept);
    EXPECT_EQ(form.StatusPanelText(0).toStdString(), c.said);
    form.StoreCurrentPupil();
    EXPECT_EQ(Current().Subjects[18].Name.str(), c.kept);
  }
  // A click into the field ends it: the pointer on a button shows its hint.
  testsupport::ClickInWindow(combo->lineEdit(), QPoint(4, 4));
  testsupport::PointAt(form.BitBtn11, QPoint(4, 4));
  EXPECT_EQ(form.StatusPanelText(0).toStdString(), "die veränderten Formular-Daten übernehmen");
}

// A subject name typed into a name combo is completed from its items, the
// completed rest selected; deleting does not complete, Return takes the item.
TEST_F(DataSheetTest, ATypedSubjectNameIsCompletedFromTheItems) {
  auto& form = Form(2);
  QComboBox* combo = ShownElectiveCombo(SampleRecord(2, 1, 7));
  ASSERT_NE(combo, nullptr);
  ASSERT_TRUE(combo->isVisible());
  combo->setFocus();
  QLineEdit* edit = combo->lineEdit();
  edit->selectAll();
  QTest::keyClicks(combo, "fr");
  EXPECT_EQ(edit->text(), QString::fromUtf8("französisch"));
  EXPECT_EQ(edit->selectedText(), QString::fromUtf8("anzösisch"));
  QTest::keyClick(combo, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), "fr");
  QTest::keyClicks(combo, "a");
  QTest::keyClick(combo, Qt::Key_Return);
  EXPECT_EQ(combo->currentText(), QString::fromUtf8("Französisch"));
  form.StoreCurrentPupil();
  EXPECT_EQ(Current().Subjects[18].Name.str(), Cp("Französisch"));
}

}  // namespace
}  // namespace quorv
