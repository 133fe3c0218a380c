#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "mainwindow/MainUSB.h"
#include "platform/Registry.h"
#include "platform/ui/RadioGroup.h"
#include "records/DataSheetRules.h"
#include "records/Propagation.h"
#include "records/QuorvDat.h"
#include "settings/Facheinst.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "settings/SchulEinstForm.h"
#include "settings/WpflEinstForm.h"
#include "support/ClassInMemory.h"
#include "support/ProgramState.h"
#include "support/ScriptedDialogs.h"
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
    TDB2 pupils;
    for (const char* s : surnames) pupils.push_back(testsupport::NewPupil(s));
    testsupport::SetClassInMemory(pupils, current);
    form_->ShowCurrentPupil();
    Modified = false;
  }

  template <class T = QWidget>
  T* Ctl(const char* name) {
    T* w = form_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  // Sets a control as the user would: an item index, a text or a tick ("1").
  void Set(const char* name, const QString& value) {
    QWidget* w = Ctl(name);
    if (auto* combo = qobject_cast<QComboBox*>(w)) combo->setCurrentIndex(value.toInt());
    if (auto* group = qobject_cast<platform::RadioGroup*>(w)) group->setItemIndex(value.toInt());
    if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setText(value);
    if (auto* box = qobject_cast<QCheckBox*>(w)) box->setChecked(value == "1");
  }

  TMainForm& form() { return *form_; }
  testsupport::SavedProgramState state_;
  testsupport::TempProgramDir dir;
  std::unique_ptr<TMainForm> form_;
};

// The field's value as text: a number for the word fields.
std::string FieldText(const TPupilRecord& r, const THeaderField& field) {
  return std::visit(
      [&r](auto f) -> std::string {
        if constexpr (std::is_same_v<decltype(f), TU16Field>)
          return std::to_string(r.*f);
        else
          return (r.*f).str();
      },
      field);
}

TEST_F(PropagationCommandsTest, HeaderButtonsCarryTheirControlsToTheFollowingPupils) {
  using R = TPupilRecord;
  struct Value {
    const char* control;
    const char* value;  // item index, text or tick
    THeaderField field;
  };
  const struct {
    const char* button;
    std::vector<Value> values;
  } cases[] = {
      {"BitBtn2", {{"ComboBox41", "3", &R::ReportKind}}},
      {"BitBtn3", {{"Edit63", "2008", &R::SchoolYear}, {"Edit65", "9b", &R::ClassName}, {"CheckBox6", "1", &R::HalfYear}}},
      {"BitBtn17", {{"Edit63", "2009", &R::SchoolYear}, {"CheckBox6", "1", &R::HalfYear}}},
      {"BitBtn4", {{"Edit66", "Kraus", &R::ClassTeacher}}},
      {"BitBtn8", {{"ComboBox42", "5", &R::Klassenstufe}}},
      {"BitBtn19", {{"RadioGroup1", "2", &R::Abschlussart}}},
      {"BitBtn24", {{"ComboBox45", "3", &R::AnspruchsebeneAll}}},
      {"BitBtn20", {{"ComboBox43", "2", &R::AnspruchsebeneAll}}},
      {"BitBtn28", {{"RadioGroup2", "1", &R::Klassenart}}},
      {"BitBtn5", {{"Edit69", "Rostock", &R::IssuePlace}, {"MaskEdit4", "01.07.2008", &R::IssueDate}}},
      {"BitBtn18", {{"CheckBox5", "1", &R::ExamDataPresent}}},
      {"BitBtn9", {{"RadioGroup4", "2", &R::Schullaufbahnempfehlung}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    SetClass({"Abel", "Berg", "Dorn", "Cron", "???", "Eck"}, 1);
    Pupils[2].Active = 0;
    for (const Value& v : c.values) Set(v.control, v.value);
    Ctl<QLineEdit>("Edit5")->setText("Neu");  // not stored by the command
    Ctl<QPushButton>(c.button)->click();
    std::string written;
    for (const auto& p : Pupils) {
      bool all = true;
      for (const Value& v : c.values) all = all && FieldText(p, v.field) == v.value;
      written += all ? '1' : '0';
    }
    // From the current pupil on, past the marked one, up to the placeholder row (BitBtn9 on to the end).
    EXPECT_EQ(written, std::string(c.button) == "BitBtn9" ? "010111" : "010100");
    EXPECT_EQ(Pupils[1].Surname, "Berg");
    EXPECT_TRUE(Modified);
  }
}

TEST_F(PropagationCommandsTest, MenuCommandsThatOnlyTellChangeNothing) {
  const char* const notOnForm = "Das aktuelle Zeugnis enthält das zu übertragende Fach nicht!";
  const char* const notBuilt = "Diese Funktion ist in dieser Programmversion noch nicht eingebaut!";
  const struct {
    const char* item;
    const char* message;
    MsgKind kind;
  } cases[] = {
      {"N2Fremdsprache1", notOnForm, MsgKind::Error},  // Grundschule: form 3 has neither
      {"zustzlichesFach1", notOnForm, MsgKind::Error},
      {"Wahlpflicht12HJ1", "Das aktuelle Zeugnis enthält keine Wahlpflichtfächer!", MsgKind::Error},
      {"SchlerDatenblatt1", notBuilt, MsgKind::Information},
      {"SchlerDatenbltter1", notBuilt, MsgKind::Information},
  };
  for (const auto& c : cases) {
    SetClass({"Abel", "Berg"}, 0);
    const TPupilRecord before = Pupils[1];
    testsupport::ScriptedMessages messages;
    messages.expect(QString::fromUtf8(c.message), c.kind);
    form().MenuItem(c.item)->trigger();
    EXPECT_EQ(std::memcmp(&Pupils[1], &before, sizeof before), 0) << c.item;
  }
}

// A carry that reaches nobody says so and why, and changes nothing: the header
// buttons stop at once on a shown pupil whose data were never taken over,
// however the sheet reads now.
TEST_F(PropagationCommandsTest, ACarryThatReachesNobodySaysWhyAndChangesNothing) {
  const QString notTakenOver = QString::fromUtf8(
      "Es wurde nichts übertragen. Die Übertragung an die folgenden Schüler endet beim ersten Schüler ohne Namen, "
      "und der angezeigte Schüler steht noch ohne Namen in der Klasse, weil seine Daten noch nicht übernommen "
      "sind.\r\rGeben Sie seinen Namen ein und klicken Sie auf „Daten übernehmen“.");
  const struct {
    const char* command;  // a "für ALLE" button, else a menu item
    std::vector<const char*> surnames;
    int current;
    bool currentMarked;
    const char* firstLanguage;  // in the current pupil's slot, nullptr: "???"
    QString message;
  } cases[] = {
      {"BitBtn3", {"???", "Berg", "Cron"}, 0, false, nullptr, notTakenOver},
      {"BitBtn4", {"Abel", "???", "Cron"}, 0, true, nullptr,
       QString::fromUtf8("Es wurde nichts übertragen: Ab dem angezeigten Schüler steht kein Schüler mit Namen in der "
                         "Klasse.")},
      {"N1Fremdsprache1", {"Abel", "Berg"}, 0, false, nullptr,
       QString::fromUtf8("Es wurde nichts übertragen: Beim angezeigten Schüler ist dieses Fach noch nicht "
                         "eingetragen.")},
      {"N1Fremdsprache1", {"Abel", "???", "Cron"}, 0, false, "Englisch",
       QString::fromUtf8("Es wurde nichts übertragen: Nach dem angezeigten Schüler steht kein Schüler mit Namen in "
                         "der Klasse.")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    TDB2 pupils;
    for (const char* surname : c.surnames) pupils.push_back(testsupport::NewPupil(surname));
    for (TPupilRecord& p : pupils) {  // a Grundschule report, form 3: English in slot 9
      p.ReportKind = 1;
      p.Klassenstufe = 3;
      p.FormNumber = p.LayoutFormNumber = 3;
    }
    pupils[std::size_t(c.current)].Active = c.currentMarked ? 0 : 1;
    if (c.firstLanguage != nullptr) pupils[std::size_t(c.current)].Subjects[8].Name.set(c.firstLanguage);
    testsupport::SetClassInMemory(pupils, c.current);
    form().ShowCurrentPupil();
    Modified = false;
    if (QString::fromLatin1(c.command).startsWith(QLatin1String("BitBtn"))) {
      Ctl<QLineEdit>("Edit5")->setText("Adler");  // typed, not taken over
      Set("Edit63", "2008");
      Set("Edit66", "Kraus");
    }
    const TDB2 before = Pupils;
    testsupport::ScriptedMessages messages;
    messages.expect(c.message, MsgKind::Warning);
    auto* button = form_->findChild<QPushButton*>(QString::fromLatin1(c.command));
    if (button != nullptr)
      button->click();
    else
      form().MenuItem(c.command)->trigger();  // stores the shown pupil first
    EXPECT_TRUE(messages.allAnswered());
    for (std::size_t i = button != nullptr ? 0 : std::size_t(c.current) + 1; i < before.size(); ++i)
      EXPECT_EQ(std::memcmp(&Pupils[i], &before[i], sizeof before[i]), 0) << i;
    EXPECT_FALSE(Modified);
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

TEST_F(PropagationCommandsTest, ClearGradeButtonsAskThenStoreTheSheetAndClear) {
  const struct {
    const char* button;
    MsgResult reply;
    int slot;
    const char* edit;
    const char* grade;  // the record's grade afterwards, also shown after Yes
  } cases[] = {{"BitBtn22", MsgResult::Yes, 5, "EditF5", "-"}, {"BitBtn22", MsgResult::No, 5, "EditF5", "2"},
               {"BitBtn23", MsgResult::Yes, 25, "EditW", "-"}, {"BitBtn23", MsgResult::Yes, 5, "EditF5", "4"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.button) + " " + c.edit);
    SetClass({"Abel"}, 0);
    Pupils[0].Subjects[c.slot - 1].Grade.set("2");
    Pupils[0].Subjects[c.slot - 1].CourseLevel.set("E");
    form().ShowCurrentPupil();
    Ctl<QLineEdit>(c.edit)->setText("4");  // typed, not stored
    Ctl<QLineEdit>("Edit5")->setText("Zorn");
    testsupport::ScriptedMessages messages;
    messages.expect(QString::fromUtf8("Wollen Sie wirklich alle Bewertungen, Zusätze (,Niveauangaben) löschen?"),
                    MsgKind::Confirmation, c.reply);
    Ctl<QPushButton>(c.button)->click();
    const bool yes = c.reply == MsgResult::Yes;
    EXPECT_EQ(Pupils[0].Subjects[c.slot - 1].Grade.str(), c.grade);
    const bool cleared = std::string(c.grade) == "-";
    EXPECT_EQ(Pupils[0].Subjects[c.slot - 1].CourseLevel, cleared ? "" : "E");
    EXPECT_EQ(Ctl<QLineEdit>(c.edit)->text().toStdString(), yes ? c.grade : "4");
    EXPECT_EQ(Pupils[0].Surname, yes ? "Zorn" : "Abel");
    EXPECT_EQ(Modified, yes);
  }
}

// The settings dialogs show the pupil again afterwards: a surname typed just
// before survives OK and Cancel alike.
TEST_F(PropagationCommandsTest, SettingsDialogsKeepWhatWasTyped) {
  TSchulEinstForm school(&form());
  TWpflEinstForm electives(&form());
  form().SchulEinstForm = &school;
  form().WpflEinstForm = &electives;
  const struct {
    const char* item;
    const char* dialog;
    int result;
  } cases[] = {{"SchulEinstellungen1", "SchulEinstForm", 1},
               {"SchulEinstellungen1", "SchulEinstForm", 2},
               {"WahlpflichtFcher1", "WpflEinstForm", 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " " + std::to_string(c.result));
    SetClass({"Abel"}, 0);
    Ctl<QLineEdit>("Edit5")->setText("Zorn");
    testsupport::ScriptedDialogs dialogs;
    dialogs.expect(c.dialog, c.result);
    testsupport::ScriptedMessages messages;
    if (c.result == 1) messages.expectPrefix(QString::fromUtf8("Nach Änderungen der Schulart"), MsgKind::Warning);
    form().MenuItem(c.item)->trigger();
    EXPECT_EQ(Pupils[0].Surname, "Zorn");
    EXPECT_EQ(Ctl<QLineEdit>("Edit5")->text(), "Zorn");
    EXPECT_TRUE(Modified);
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

TEST_F(PropagationCommandsTest, LevelOfDemandExamSubjectAndGradeLevelHandlers) {
  for (const char* chosen : {"ComboBox45", "ComboBox43"}) {  // a level chosen on either page is stored
    SetClass({"Abel"}, 0);
    Ctl<QComboBox>(chosen)->setCurrentIndex(2);
    for (const char* both : {"ComboBox45", "ComboBox43"}) EXPECT_EQ(Ctl<QComboBox>(both)->currentIndex(), 2);
    testsupport::ScriptedMessages messages;
    messages.expect(kLevelChangedQuestion, MsgKind::Confirmation, MsgResult::No);
    form().BitBtn11Click();
    EXPECT_EQ(Pupils[0].AnspruchsebeneAll, 2) << chosen;
  }
  Pupils[0].Subjects[6].Name.set("Englisch");
  Pupils[0].Subjects[6].Grade.set("2");
  form().ShowCurrentPupil();
  Ctl<QComboBox>("ComboBox38")->setEditText("Eng");
  EXPECT_EQ(Ctl<QLineEdit>("Edit75")->text(), "2");
  for (int kind : {0, 1}) {  // the grade level shows the exam data only without a report kind
    Ctl<QComboBox>("ComboBox41")->setCurrentIndex(kind);
    Ctl<QGroupBox>("GroupBox6")->hide();
    Ctl<QComboBox>("ComboBox42")->setCurrentIndex(4 + kind);
    EXPECT_EQ(!Ctl<QGroupBox>("GroupBox6")->isHidden(), kind == 0) << kind;
  }
}

struct SpeechRegistry : platform::RegistryReader {
  platform::RegistryReader* previous = platform::SetRegistryReader(this);
  ~SpeechRegistry() override { platform::SetRegistryReader(previous); }
  bool KeyExists(platform::RegistryRoot, const QString&) override { return true; }
};

TEST_F(PropagationCommandsTest, ReadAloudButtonsOnlySwitchEachOther) {
  auto enabled = [this] {
    std::string s;
    for (const char* b : {"SpeedButton15", "SpeedButton16", "SpeedButton20"}) s += Ctl(b)->isEnabled() ? '1' : '0';
    return s;
  };
  EXPECT_EQ(enabled(), "000");
  {
    testsupport::ScriptedMessages messages;
    messages.expectPrefix(QString::fromUtf8("Um die Vorlese-Funktion nutzen können benötigen Sie\rdas freie "
                                            "Programm WebSpeech von GData!"),
                          MsgKind::Error);
    form().SpeedButton15Click();
  }
  SpeechRegistry installed;
  form().SpeedButton15Click();
  EXPECT_EQ(enabled(), "011");
  Ctl<QToolButton>("SpeedButton20")->setChecked(true);
  form().SpeedButton16Click();
  EXPECT_EQ(enabled(), "100");
  EXPECT_FALSE(Ctl<QToolButton>("SpeedButton20")->isChecked());
}

}  // namespace
}  // namespace quorv
