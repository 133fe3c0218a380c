#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "mainwindow/MainUSB.h"
#include "platform/Registry.h"
#include "platform/ui/RadioGroup.h"
#include "records/DataSheetRules.h"
#include "records/QuorvDat.h"
#include "settings/Facheinst.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "support/ProgramState.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

namespace quorv {
namespace {

using platform::MsgKind;
using platform::MsgResult;

class PropagationCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::UseDefaultSettings();
    ProgramOptions.InfoHints = 0;
    BuildDefaultSubjectCatalog();
    BuildSubjectLists();
    SchoolSettings.SchoolType = 1;
    form_ = std::make_unique<TMainForm>(dir.programDir() + "quorv");
    form_->show();
  }
  void TearDown() override { form_.reset(); }

  // A class of the surnames ("???" a placeholder row), the given one shown.
  void SetClass(std::initializer_list<const char*> surnames, int current) {
    Pupils.clear();
    for (const char* s : surnames) {
      TPupilRecord r = ZeroPupilRecord();
      InitPupilRecord(r);
      r.Surname.set(s);
      Pupils.push_back(r);
    }
    PupilCount = static_cast<int>(Pupils.size());
    CurrentPupil = current;
    form_->ShowCurrentPupil();
    Modified = false;
  }


 public:
  template <class T = QWidget>
  T* Ctl(const char* name) {
    T* w = form_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  TMainForm& form() { return *form_; }
  testsupport::TempProgramDir dir;

 private:
  testsupport::SavedProgramState state_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(PropagationCommandsTest, HeaderButtonsCarryTheirControlsToTheFollowingPupils) {
  using Fill = std::function<void(PropagationCommandsTest&)>;
  using Read = std::function<std::string(const TPupilRecord&)>;
  const struct {
    const char* button;
    Fill fill;
    Read read;
    std::string expected;
    const char* written;  // per pupil of "Abel Berg Cron ??? Eck", Berg current
  } cases[] = {
      {"BitBtn2", [](auto& t) { t.template Ctl<QComboBox>("ComboBox41")->setCurrentIndex(3); },
       [](const TPupilRecord& r) { return std::to_string(r.ReportKind); }, "3", "01100"},
      {"BitBtn3",
       [](auto& t) {
         t.template Ctl<QLineEdit>("Edit63")->setText("2008");
         t.template Ctl<QLineEdit>("Edit65")->setText("9b");
         t.template Ctl<QCheckBox>("CheckBox6")->setChecked(true);
       },
       [](const TPupilRecord& r) { return r.SchoolYear.str() + "/" + r.ClassName.str() + "/" + std::to_string(r.HalfYear); },
       "2008/9b/1", "01100"},
      {"BitBtn17",
       [](auto& t) {
         t.template Ctl<QLineEdit>("Edit63")->setText("2009");
         t.template Ctl<QCheckBox>("CheckBox6")->setChecked(true);
       },
       [](const TPupilRecord& r) { return r.SchoolYear.str() + "/" + std::to_string(r.HalfYear); }, "2009/1", "01100"},
      {"BitBtn4", [](auto& t) { t.template Ctl<QLineEdit>("Edit66")->setText("Kraus"); },
       [](const TPupilRecord& r) { return r.ClassTeacher.str(); }, "Kraus", "01100"},
      {"BitBtn8", [](auto& t) { t.template Ctl<QComboBox>("ComboBox42")->setCurrentIndex(5); },
       [](const TPupilRecord& r) { return std::to_string(r.Klassenstufe); }, "5", "01100"},
      {"BitBtn19", [](auto& t) { t.template Ctl<platform::RadioGroup>("RadioGroup1")->setItemIndex(2); },
       [](const TPupilRecord& r) { return std::to_string(r.Abschlussart); }, "2", "01100"},
      {"BitBtn24", [](auto& t) { t.template Ctl<QComboBox>("ComboBox45")->setCurrentIndex(3); },
       [](const TPupilRecord& r) { return std::to_string(r.AnspruchsebeneAll); }, "3", "01100"},
      {"BitBtn20", [](auto& t) { t.template Ctl<QComboBox>("ComboBox43")->setCurrentIndex(2); },
       [](const TPupilRecord& r) { return std::to_string(r.AnspruchsebeneAll); }, "2", "01100"},
      {"BitBtn28", [](auto& t) { t.template Ctl<platform::RadioGroup>("RadioGroup2")->setItemIndex(1); },
       [](const TPupilRecord& r) { return std::to_string(r.Klassenart); }, "1", "01100"},
      {"BitBtn5",
       [](auto& t) {
         t.template Ctl<QLineEdit>("Edit69")->setText("Rostock");
         t.template Ctl<QLineEdit>("MaskEdit4")->setText("01.07.2008");
       },
       [](const TPupilRecord& r) { return r.IssuePlace.str() + " " + r.IssueDate.str(); }, "Rostock 01.07.2008",
       "01100"},
      {"BitBtn18", [](auto& t) { t.template Ctl<QCheckBox>("CheckBox5")->setChecked(true); },
       [](const TPupilRecord& r) { return std::to_string(r.ExamDataPresent); }, "1", "01100"},
      {"BitBtn9", [](auto& t) { t.template Ctl<platform::RadioGroup>("RadioGroup4")->setItemIndex(2); },
       [](const TPupilRecord& r) { return std::to_string(r.Schullaufbahnempfehlung); }, "2", "01111"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    SetClass({"Abel", "Berg", "Cron", "???", "Eck"}, 1);
    c.fill(*this);
    Ctl<QLineEdit>("Edit5")->setText("Neu");  // not stored by the command
    Ctl<QPushButton>(c.button)->click();
    std::string written;
    for (const auto& p : Pupils) written += c.read(p) == c.expected ? '1' : '0';
    EXPECT_EQ(written, c.written);
    EXPECT_EQ(Pupils[1].Surname, "Berg");
    EXPECT_TRUE(Modified);
  }
}

TEST_F(PropagationCommandsTest, ALevelOfDemandChosenOnEitherPageIsStored) {
  for (const char* chosen : {"ComboBox45", "ComboBox43"}) {
    SCOPED_TRACE(chosen);
    SetClass({"Abel"}, 0);
    Ctl<QComboBox>(chosen)->setCurrentIndex(2);
    EXPECT_EQ(Ctl<QComboBox>("ComboBox45")->currentIndex(), 2);
    EXPECT_EQ(Ctl<QComboBox>("ComboBox43")->currentIndex(), 2);
    testsupport::ScriptedMessages messages;
    messages.expect(kLevelChangedQuestion, MsgKind::Confirmation, MsgResult::No);
    form().BitBtn11Click();
    EXPECT_EQ(Pupils[0].AnspruchsebeneAll, 2);
  }
}

TEST_F(PropagationCommandsTest, SubjectCommandsRefuseAFormWithoutTheSubject) {
  const struct {
    const char* item;
    QString message;
  } cases[] = {
      {"N2Fremdsprache1", QString::fromUtf8("Das aktuelle Zeugnis enthält das zu übertragende Fach nicht!")},
      {"zustzlichesFach1", QString::fromUtf8("Das aktuelle Zeugnis enthält das zu übertragende Fach nicht!")},
      {"Wahlpflicht12HJ1", QString::fromUtf8("Das aktuelle Zeugnis enthält keine Wahlpflichtfächer!")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    SetClass({"Abel", "Berg"}, 0);  // Grundschule
    const TPupilRecord before = Pupils[1];
    testsupport::ScriptedMessages messages;
    messages.expect(c.message, MsgKind::Error);
    form().MenuItem(c.item)->trigger();
    EXPECT_EQ(std::memcmp(&Pupils[1], &before, sizeof before), 0);
  }
}

TEST_F(PropagationCommandsTest, FirstLanguageStoresTheSheetAndCarriesItsName) {
  SetClass({"Abel", "Berg", "Cron"}, 0);
  for (auto& p : Pupils) {  // a Grundschule report: form 3
    p.ReportKind = 1;
    p.Klassenstufe = 3;
    p.FormNumber = 3;
    p.LayoutFormNumber = 3;
  }
  Pupils[0].Subjects[8].Name.set("Englisch");
  form().ShowCurrentPupil();
  Ctl<QLineEdit>("Edit5")->setText("Adler");
  form().MenuItem("N1Fremdsprache1")->trigger();
  EXPECT_EQ(Pupils[0].Surname, "Adler");  // stored first
  EXPECT_EQ(Pupils[1].Subjects[8].Name, "Englisch");
  EXPECT_EQ(Pupils[2].Subjects[8].Name, "Englisch");
  EXPECT_TRUE(Modified);
}

TEST_F(PropagationCommandsTest, ClearGradeButtonsAskAndReplaceTheSheet) {
  const struct {
    const char* button;
    MsgResult reply;
    int slot;
    const char* edit;
    const char* grade;  // the record's grade afterwards
  } cases[] = {{"BitBtn22", MsgResult::Yes, 5, "EditF5", "-"},
               {"BitBtn22", MsgResult::No, 5, "EditF5", "2"},
               {"BitBtn23", MsgResult::Yes, 25, "EditW", "-"},
               {"BitBtn23", MsgResult::Yes, 5, "EditF5", "2"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.button) + " " + c.edit);
    SetClass({"Abel"}, 0);
    Pupils[0].Subjects[c.slot - 1].Grade.set("2");
    Pupils[0].Subjects[c.slot - 1].CourseLevel.set("E");
    form().ShowCurrentPupil();
    Ctl<QLineEdit>(c.edit)->setText("4");  // typed, not stored
    testsupport::ScriptedMessages messages;
    messages.expect(QString::fromUtf8("Wollen Sie wirklich alle Bewertungen, Zusätze (,Niveauangaben) löschen?"),
                    MsgKind::Confirmation, c.reply);
    Ctl<QPushButton>(c.button)->click();
    EXPECT_EQ(Pupils[0].Subjects[c.slot - 1].Grade.str(), c.grade);
    const bool cleared = std::string(c.grade) == "-";
    EXPECT_EQ(Pupils[0].Subjects[c.slot - 1].CourseLevel, cleared ? "" : "E");
    EXPECT_EQ(Ctl<QLineEdit>(c.edit)->text().toStdString(), c.reply == MsgResult::Yes ? c.grade : "4");
    EXPECT_EQ(Modified, c.reply == MsgResult::Yes);
  }
}

TEST_F(PropagationCommandsTest, CanonResetAsksThenLaysTheSlotsOutAgain) {
  for (MsgResult reply : {MsgResult::No, MsgResult::Yes}) {
    SetClass({"Abel"}, 0);
    Pupils[0].Subjects[0].Name.set("Quatsch");
    Pupils[0].Subjects[0].Grade.set("3");
    form().ShowCurrentPupil();
    testsupport::ScriptedMessages messages;
    messages.expectPrefix(QString::fromUtf8("Sollen jetzt die Fächer lt. Zeugnisart (Anlage) neu belegt werden?"),
                          MsgKind::Warning, reply);
    Ctl<QPushButton>("BitBtn7")->click();
    const bool yes = reply == MsgResult::Yes;
    EXPECT_EQ(Pupils[0].Subjects[0].Name != "Quatsch", yes);
    EXPECT_EQ(Pupils[0].Subjects[0].Grade, yes ? "-" : "3");
    EXPECT_EQ(Modified, yes);
  }
}

TEST_F(PropagationCommandsTest, TheFourthExamSubjectShowsItsGrade) {
  SetClass({"Abel"}, 0);
  Pupils[0].Subjects[6].Name.set("Englisch");
  Pupils[0].Subjects[6].Grade.set("2");
  form().ShowCurrentPupil();
  auto* edit75 = Ctl<QLineEdit>("Edit75");
  edit75->setText("x");
  Ctl<QComboBox>("ComboBox38")->setEditText("Xyz");  // no such subject: kept
  EXPECT_EQ(edit75->text(), "x");
  Ctl<QComboBox>("ComboBox38")->setEditText("Eng");
  EXPECT_EQ(edit75->text(), "2");
}

TEST_F(PropagationCommandsTest, GradeLevelShowsTheExamDataWithoutAReportKind) {
  for (int kind : {0, 1}) {
    SetClass({"Abel"}, 0);
    Ctl<QComboBox>("ComboBox41")->setCurrentIndex(kind);
    auto* group = Ctl<QGroupBox>("GroupBox6");
    group->hide();
    Ctl<QComboBox>("ComboBox42")->setCurrentIndex(4);
    EXPECT_EQ(!group->isHidden(), kind == 0) << kind;
  }
}

TEST_F(PropagationCommandsTest, DataSheetPrintsAreNotBuilt) {
  for (const char* item : {"SchlerDatenblatt1", "SchlerDatenbltter1"}) {
    testsupport::ScriptedMessages messages;
    messages.expect(QString::fromUtf8("Diese Funktion ist in dieser Programmversion noch nicht eingebaut!"),
                    MsgKind::Information);
    form().MenuItem(item)->trigger();
  }
}

class SpeechRegistry : public platform::RegistryReader {
 public:
  SpeechRegistry() : previous_(platform::SetRegistryReader(this)) {}
  ~SpeechRegistry() override { platform::SetRegistryReader(previous_); }
  bool KeyExists(platform::RegistryRoot, const QString&) override { return true; }

 private:
  platform::RegistryReader* previous_;
};

TEST_F(PropagationCommandsTest, ReadAloudButtonsSwitchEachOther) {
  auto* speak = Ctl<QToolButton>("SpeedButton15");
  auto* stop = Ctl<QToolButton>("SpeedButton16");
  auto* pause = Ctl<QToolButton>("SpeedButton20");
  for (QToolButton* b : {speak, stop, pause}) EXPECT_FALSE(b->isEnabled());
  {
    testsupport::ScriptedMessages messages;
    messages.expectPrefix(QString::fromUtf8("Um die Vorlese-Funktion nutzen können benötigen Sie\rdas freie Programm "
                                            "WebSpeech von GData!"),
                          MsgKind::Error);
    form().SpeedButton15Click();
  }
  SpeechRegistry installed;
  form().SpeedButton15Click();
  EXPECT_FALSE(speak->isEnabled());
  EXPECT_TRUE(stop->isEnabled());
  EXPECT_TRUE(pause->isEnabled());
  pause->setChecked(true);
  form().SpeedButton16Click();
  EXPECT_TRUE(speak->isEnabled());
  EXPECT_FALSE(stop->isEnabled());
  EXPECT_FALSE(pause->isEnabled());
  EXPECT_FALSE(pause->isChecked());
}

}  // namespace
}  // namespace quorv
