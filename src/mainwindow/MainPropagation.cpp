// The data sheet's commands that carry a value to the following pupils, the
// subject-name and elective commands of "Hilfsmittel", and the small field
// handlers and buttons of the sheet.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <array>

#include "mainwindow/DataSheetControls.h"
#include "mainwindow/MainUSB.h"
#include "platform/Cp1252.h"
#include "platform/Messages.h"
#include "platform/ui/RadioGroup.h"
#include "records/Propagation.h"
#include "records/QuorvDat.h"
#include "records/TextWrap.h"
#include "settings/SchulEinst.h"

namespace quorv {

namespace {

using Controls = TMainForm::DataSheetControls;

// How a control gives its value.
enum class TSource {
  Index,  // item index of a combo box or radio group
  Text,   // text of an edit
  Check,  // 1 ticked, else 0
  Date,   // text of a masked edit, first 10 characters
};

struct THeaderSource {
  const char* control;
  TSource source;
  THeaderField field;
};

// The "für ALLE" buttons: each reads its controls and writes the fields of the
// current and every following pupil; all but BitBtn9 stop at a placeholder row.
struct THeaderCommand {
  const char* button;
  bool stopAtPlaceholder;
  std::vector<THeaderSource> values;
};

const std::vector<THeaderCommand>& HeaderCommands() {
  using R = TPupilRecord;
  static const std::vector<THeaderCommand> commands = {
      {"BitBtn2", true, {{"ComboBox41", TSource::Index, &R::ReportKind}}},
      {"BitBtn3",
       true,
       {{"Edit63", TSource::Text, &R::SchoolYear},
        {"Edit65", TSource::Text, &R::ClassName},
        {"CheckBox6", TSource::Check, &R::HalfYear}}},
      {"BitBtn17", true, {{"Edit63", TSource::Text, &R::SchoolYear}, {"CheckBox6", TSource::Check, &R::HalfYear}}},
      {"BitBtn4", true, {{"Edit66", TSource::Text, &R::ClassTeacher}}},
      {"BitBtn8", true, {{"ComboBox42", TSource::Index, &R::Klassenstufe}}},
      {"BitBtn19", true, {{"RadioGroup1", TSource::Index, &R::Abschlussart}}},
      {"BitBtn24", true, {{"ComboBox45", TSource::Index, &R::AnspruchsebeneAll}}},
      {"BitBtn20", true, {{"ComboBox43", TSource::Index, &R::AnspruchsebeneAll}}},
      {"BitBtn28", true, {{"RadioGroup2", TSource::Index, &R::Klassenart}}},
      {"BitBtn5", true, {{"Edit69", TSource::Text, &R::IssuePlace}, {"MaskEdit4", TSource::Date, &R::IssueDate}}},
      {"BitBtn18", true, {{"CheckBox5", TSource::Check, &R::ExamDataPresent}}},
      {"BitBtn9", false, {{"RadioGroup4", TSource::Index, &R::Schullaufbahnempfehlung}}},
  };
  return commands;
}

THeaderValue ReadSource(const Controls& c, const THeaderSource& s) {
  THeaderValue v{s.field, -1, {}};
  QWidget* w = c.ByName.value(QString::fromLatin1(s.control));
  switch (s.source) {
    case TSource::Index:
      if (auto* combo = qobject_cast<QComboBox*>(w)) v.number = combo->currentIndex();
      if (auto* group = qobject_cast<platform::RadioGroup*>(w)) v.number = group->itemIndex();
      break;
    case TSource::Text:
      if (auto* edit = qobject_cast<QLineEdit*>(w)) v.text = platform::EncodeCp1252(edit->text());
      break;
    case TSource::Date:
      if (auto* edit = qobject_cast<QLineEdit*>(w)) v.text = platform::EncodeCp1252(edit->displayText().left(10));
      break;
    case TSource::Check:
      if (auto* box = qobject_cast<QCheckBox*>(w)) v.number = box->isChecked() ? 1 : 0;
      break;
  }
  return v;
}

// The subject-name commands of the "Hilfsmittel" menu.
const QString kSubjectNotOnForm = QString::fromUtf8("Das aktuelle Zeugnis enthält das zu übertragende Fach nicht!");
const QString kNoElectivesOnForm = QString::fromUtf8("Das aktuelle Zeugnis enthält keine Wahlpflichtfächer!");
const QString kClearGradesQuestion =
    QString::fromUtf8("Wollen Sie wirklich alle Bewertungen, Zusätze (,Niveauangaben) löschen?");
const QString kCanonResetQuestion = QString::fromUtf8(
    "Sollen jetzt die Fächer lt. Zeugnisart (Anlage) neu belegt werden?\r\r(Beachten Sie unbedingt, dass alle "
    "variablen Fächer,\rdie Noten, Anspruchsebenen usw. gelöscht werden!\rDie Verwendung dieser Funktion wird nur "
    "empfohlen, wenn die Fächeranordnung\rdurch mehrfaches Wechseln der Zeugnisart (Anlage) durcheinander gekommen "
    "ist!)\r");
const QString kNotBuilt = QString::fromUtf8("Diese Funktion ist in dieser Programmversion noch nicht eingebaut!");
const QString kNoSpeechProgram = QString::fromUtf8(
    "Um die Vorlese-Funktion nutzen können benötigen Sie\rdas freie Programm WebSpeech von GData!\r\rUm das "
    "Programm zu installieren folgen Sie\rbitte den Anweisungen in der Hilfe!");

const QString kNobodyAfterCurrent =
    QString::fromUtf8("Es wurde nichts übertragen: Nach dem angezeigten Schüler steht kein Schüler mit Namen in der "
                      "Klasse.");
const QString kSubjectNotEntered =
    QString::fromUtf8("Es wurde nichts übertragen: Beim angezeigten Schüler ist dieses Fach noch nicht eingetragen.");
const QString kElectivesNotEntered = QString::fromUtf8(
    "Es wurde nichts übertragen: Beim angezeigten Schüler sind die Wahlpflichtfächer noch nicht eingetragen.");

// What a run that met nobody says, by its reason: the carry's and the print's words.
struct TNobodyText {
  TNobodyFollows why;
  const char* carry;
  const char* print;
};
constexpr TNobodyText kNobodyTexts[] = {
    {TNobodyFollows::NotTakenOver,
     "Es wurde nichts übertragen. Die Übertragung an die folgenden Schüler endet beim ersten Schüler ohne Namen, "
     "und der angezeigte Schüler steht noch ohne Namen in der Klasse, weil seine Daten noch nicht übernommen "
     "sind.\r\rGeben Sie seinen Namen ein und klicken Sie auf „Daten übernehmen“.",
     "Es wurde nichts gedruckt. Der Druck für alle folgenden Schüler endet beim ersten Schüler ohne Namen, und "
     "der angezeigte Schüler steht noch ohne Namen in der Klasse, weil seine Daten noch nicht übernommen "
     "sind.\r\rGeben Sie seinen Namen ein und klicken Sie auf „Daten übernehmen“."},
    {TNobodyFollows::NoneNamed,
     "Es wurde nichts übertragen: Ab dem angezeigten Schüler steht kein Schüler mit Namen in der Klasse.",
     "Es wurde nichts gedruckt: Ab dem angezeigten Schüler steht kein Schüler mit Namen in der Klasse."},
    {TNobodyFollows::AllLeftOut, "",
     "Es wurde nichts gedruckt: Alle Schüler ab dem angezeigten sind mit „beim Druck für ALLE auslassen“ vom "
     "Druck ausgenommen."},
};

bool ValidCurrent() {
  return CurrentPupil >= 0 && CurrentPupil < PupilCount && CurrentPupil < static_cast<int>(Pupils.size());
}

QToolButton* ToolButton(const Controls& c, const char* name) {
  return qobject_cast<QToolButton*>(c.ByName.value(QString::fromLatin1(name)));
}

}  // namespace

void TMainForm::ConnectSheetCommands() {
  const Controls& c = *Sheet;
  auto button = [&c](const char* name) { return qobject_cast<QPushButton*>(c.ByName.value(QString::fromLatin1(name))); };
  for (const THeaderCommand& command : HeaderCommands()) {
    const QString name = QString::fromLatin1(command.button);
    if (QPushButton* b = button(command.button))
      connect(b, &QPushButton::clicked, this, [this, name] { CarryHeaderCommand(name); });
  }
  const struct {
    const char* name;
    void (TMainForm::*handler)();
  } buttons[] = {{"BitBtn7", &TMainForm::BitBtn7Click},
                 {"BitBtn21", &TMainForm::BitBtn21Click},
                 {"BitBtn22", &TMainForm::BitBtn22Click},
                 {"BitBtn23", &TMainForm::BitBtn23Click}};
  for (const auto& b : buttons)
    if (QPushButton* w = button(b.name)) connect(w, &QPushButton::clicked, this, b.handler);
  const struct {
    const char* name;
    void (TMainForm::*handler)();
  } tools[] = {{"SpeedButton15", &TMainForm::SpeedButton15Click},
               {"SpeedButton16", &TMainForm::SpeedButton16Click},
               {"SpeedButton20", &TMainForm::SpeedButton20Click}};
  for (const auto& t : tools)
    if (QToolButton* w = ToolButton(c, t.name)) connect(w, &QToolButton::clicked, this, t.handler);
  // Showing a pupil sets these combos with their signals blocked: the
  // handlers run for the user's choices.
  connect(c.ComboBox42, &QComboBox::currentIndexChanged, this, &TMainForm::ComboBox42Change);
  connect(c.ComboBox43, &QComboBox::currentIndexChanged, this, &TMainForm::ComboBox43Change);
  connect(c.ComboBox45, &QComboBox::currentIndexChanged, this, &TMainForm::ComboBox45Change);
  connect(c.ComboBox38, &QComboBox::currentTextChanged, this, &TMainForm::ComboBox38Change);
}

QString NobodyFollowsMessage(TNobodyFollows why, TFollowingRun run) {
  for (const TNobodyText& t : kNobodyTexts)
    if (t.why == why) return QString::fromUtf8(run == TFollowingRun::Carry ? t.carry : t.print);
  return {};
}

// ---------------------------------------------------------------------------
// Header values for the following pupils

void TMainForm::CarryHeaderCommand(const QString& button) {
  for (const THeaderCommand& command : HeaderCommands()) {
    if (button != QLatin1String(command.button)) continue;
    std::vector<THeaderValue> values;
    for (const THeaderSource& s : command.values) values.push_back(ReadSource(*Sheet, s));
    if (CarryHeaderValues(Pupils, PupilCount, CurrentPupil, values, command.stopAtPlaceholder) == 0) {
      // Nothing changed: nothing to save either.
      platform::ShowMessage(
          NobodyFollowsMessage(WhyNobodyFollows(Pupils, PupilCount, CurrentPupil, false), TFollowingRun::Carry),
          platform::MsgKind::Warning);
      return;
    }
    SetModified();
    return;
  }
}

// ---------------------------------------------------------------------------
// Subject names and electives for the following pupils

namespace {

// A carry that changed no pupil says why.
void SayWhatWasCarried(TMainForm& form, TCarryOutcome outcome, bool changed, const QString& notEntered) {
  if (changed) Modified = true;
  form.UpdatePupilPosition();
  if (!changed)
    platform::ShowMessage(outcome == TCarryOutcome::NothingToCarry ? notEntered : kNobodyAfterCurrent,
                          platform::MsgKind::Warning);
}

void CarrySubject(TMainForm& form, TCarriedSubject subject) {
  form.StoreCurrentPupil();
  bool changed = false;
  const TCarryOutcome outcome = CarrySubjectName(Pupils, PupilCount, CurrentPupil, subject, changed);
  if (outcome == TCarryOutcome::NotOnForm) {
    platform::ShowMessage(kSubjectNotOnForm, platform::MsgKind::Error);
    return;
  }
  SayWhatWasCarried(form, outcome, changed, kSubjectNotEntered);
}

void CarryElectives(TMainForm& form, TElectiveHalf half) {
  form.StoreCurrentPupil();
  bool changed = false;
  const TCarryOutcome outcome = CarryElectiveNames(Pupils, PupilCount, CurrentPupil, half, changed);
  if (outcome == TCarryOutcome::NotOnForm) {
    platform::ShowMessage(kNoElectivesOnForm, platform::MsgKind::Error);
    return;
  }
  SayWhatWasCarried(form, outcome, changed, kElectivesNotEntered);
}

}  // namespace

void TMainForm::N1Fremdsprache1Click() { CarrySubject(*this, TCarriedSubject::FirstLanguage); }
void TMainForm::N2Fremdsprache1Click() { CarrySubject(*this, TCarriedSubject::SecondLanguage); }
void TMainForm::ReligionPhilmK1Click() { CarrySubject(*this, TCarriedSubject::Religion); }
void TMainForm::zustzlichesFach1Click() { CarrySubject(*this, TCarriedSubject::FirstExtraSubject); }
void TMainForm::Wahlpflicht1HJ1Click() { CarryElectives(*this, TElectiveHalf::First); }
void TMainForm::Wahlpflicht2HJ1Click() { CarryElectives(*this, TElectiveHalf::Second); }
void TMainForm::Wahlpflicht12HJ1Click() { CarryElectives(*this, TElectiveHalf::Both); }

// ---------------------------------------------------------------------------
// Field handlers

void TMainForm::ComboBox42Change() {
  const int kind = Sheet->ComboBox41->currentIndex();
  if (kind <= 0) Sheet->GroupBox6->setVisible(true);
}

// The two level-of-demand combos always show the same item.
void TMainForm::ComboBox45Change() {
  const QSignalBlocker blocker(Sheet->ComboBox43);
  Sheet->ComboBox43->setCurrentIndex(Sheet->ComboBox45->currentIndex());
}

void TMainForm::ComboBox43Change() {
  const QSignalBlocker blocker(Sheet->ComboBox45);
  Sheet->ComboBox45->setCurrentIndex(Sheet->ComboBox43->currentIndex());
}

void TMainForm::ComboBox38Change() {
  if (!ValidCurrent()) return;
  const TPupilRecord& r = Pupils[static_cast<std::size_t>(CurrentPupil)];
  const int slot = FourthExamGradeSlot(r, platform::EncodeCp1252(Sheet->ComboBox38->currentText()));
  if (slot == 0) return;
  const QSignalBlocker blocker(Sheet->Edit75);
  Sheet->Edit75->setText(r.Subjects[slot - 1].Grade.text());
}

// ---------------------------------------------------------------------------
// Buttons of the grades and foot pages

namespace {

void ClearGradesOfCurrent(TMainForm& form, int firstSlot, int lastSlot) {
  if (!platform::AskYesNo(kClearGradesQuestion, platform::MsgKind::Confirmation)) return;
  // What else was typed on the sheet is kept.
  form.StoreCurrentPupil();
  if (ValidCurrent()) ClearGrades(Pupils[static_cast<std::size_t>(CurrentPupil)], firstSlot, lastSlot);
  Modified = true;
  form.ShowCurrentPupil();
}

}  // namespace

void TMainForm::BitBtn22Click() { ClearGradesOfCurrent(*this, 1, 18); }
void TMainForm::BitBtn23Click() { ClearGradesOfCurrent(*this, 19, 25); }
void TMainForm::BitBtn21Click() { BitBtn1Click(); }

void TMainForm::BitBtn7Click() {
  if (!platform::AskYesNo(kCanonResetQuestion, platform::MsgKind::Warning)) return;
  StoreCurrentPupil();
  if (ValidCurrent()) ResetSubjectCanon(Pupils[static_cast<std::size_t>(CurrentPupil)], SchoolSettings.SchoolType);
  Modified = true;
  ShowCurrentPupil();
}

void TMainForm::SchlerDatenblatt1Click() { platform::ShowMessage(kNotBuilt, platform::MsgKind::Information); }
void TMainForm::SchlerDatenbltter1Click() { platform::ShowMessage(kNotBuilt, platform::MsgKind::Information); }

// ---------------------------------------------------------------------------
// Read-aloud buttons: reading aloud is the outside program's work; these only
// switch each other.

void TMainForm::SpeedButton15Click() {
  if (!IsSpeechProgramInstalled()) {
    platform::ShowMessage(kNoSpeechProgram, platform::MsgKind::Error);
    return;
  }
  ToolButton(*Sheet, "SpeedButton15")->setEnabled(false);
  ToolButton(*Sheet, "SpeedButton16")->setEnabled(true);
  ToolButton(*Sheet, "SpeedButton20")->setEnabled(true);
}

void TMainForm::SpeedButton16Click() {
  QToolButton* speak = ToolButton(*Sheet, "SpeedButton15");
  QToolButton* pause = ToolButton(*Sheet, "SpeedButton20");
  speak->setEnabled(true);
  speak->setChecked(false);
  ToolButton(*Sheet, "SpeedButton16")->setEnabled(false);
  pause->setEnabled(false);
  pause->setChecked(false);
}

void TMainForm::SpeedButton20Click() {}

}  // namespace quorv
