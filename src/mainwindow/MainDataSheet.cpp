// The pupil data sheet of the main window: its controls on the five pages,
// showing the current pupil and storing the sheet back into the record.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "mainwindow/DataSheetControls.h"
#include "mainwindow/MainUSB.h"
#include "platform/Cp1252.h"
#include "platform/Messages.h"
#include "platform/ui/ComboBoxes.h"
#include "platform/ui/LimitedMemo.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/StandardIcons.h"
#include "records/DataSheetRules.h"
#include "records/GradeCodes.h"
#include "records/QuorvDat.h"
#include "records/ReportForm.h"
#include "records/SubjectSlots.h"
#include "records/TextWrap.h"
#include "settings/Facheinst.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"

namespace quorv {

namespace {

using Controls = TMainForm::DataSheetControls;

// Rows 1..18 whose subject name can be chosen in a name combo.
constexpr int kNamedRows[] = {2, 3, 4, 6, 8, 9, 10, 14, 15, 16, 17, 18};
const char* const kElectiveCombos[] = {"ComboBoxW1", "ComboBoxW2", "ComboBoxW3",
                                       "ComboBoxw4", "ComboBoxW5", "ComboBoxW6"};

// A grade or addition field: the first click after it took the focus selects
// its text, so the code typed next replaces the old one instead of joining it
// ("-2" would keep "-").
class GradeLineEdit : public QLineEdit {
 protected:
  void focusInEvent(QFocusEvent* event) override {
    QLineEdit::focusInEvent(event);
    selectOnRelease_ = true;
  }
  // Also when the click itself brings the window back (its focus comes later).
  void mousePressEvent(QMouseEvent* event) override {
    const bool select = selectOnRelease_ || !hasFocus();
    QLineEdit::mousePressEvent(event);
    selectOnRelease_ = select;
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLineEdit::mouseReleaseEvent(event);
    if (selectOnRelease_ && !hasSelectedText()) selectAll();
    selectOnRelease_ = false;
  }

 private:
  bool selectOnRelease_ = false;
};

// The characters a record field holds: the most its control takes.
template <class Record, int N>
constexpr int Capacity(platform::ShortString<N> Record::*) {
  return N;
}
constexpr int kNameCapacity = Capacity(&TSubjectEntry::Name);
constexpr int kGradeCapacity = Capacity(&TSubjectEntry::Grade);
constexpr int kAdditionCapacity = Capacity(&TSubjectEntry::Addition);
constexpr int kLevelCapacity = Capacity(&TSubjectEntry::CourseLevel);

constexpr int kGradeWidth = 30;
constexpr int kAdditionWidth = 30;
constexpr int kLevelWidth = 48;
constexpr const char* kDateMask = "99.99.9999; ";

// ---------------------------------------------------------------------------
// Building

class SheetBuilder {
 public:
  explicit SheetBuilder(Controls& c) : c_(c) {}

  template <class W>
  W* Named(W* widget, const QString& name) {
    widget->setObjectName(name);
    c_.ByName.insert(name, widget);
    return widget;
  }

  QLabel* Label(const QString& name, const QString& text) { return Named(new QLabel(text), name); }
  // A caption that no code refers to.
  static QLabel* Caption(const QString& text) { return new QLabel(text); }

  QLineEdit* Edit(const QString& name, int maxLength = 0, int width = 0, const QString& hint = QString()) {
    auto* edit = Named(new QLineEdit, name);
    if (maxLength > 0) edit->setMaxLength(maxLength);
    if (width > 0) edit->setFixedWidth(width);
    if (!hint.isEmpty()) Hint(edit, hint);
    return edit;
  }

  QLineEdit* ReadOnlyEdit(const QString& name, int width, const QString& hint = QString()) {
    auto* edit = Edit(name, 0, width, hint);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
  }

  QLineEdit* GradeEdit(const QString& name, int width, int capacity) {
    auto* edit = Named(new GradeLineEdit, name);
    edit->setMaxLength(capacity);
    edit->setFixedWidth(width);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
  }

  QLineEdit* DateEdit(const QString& name) {
    auto* edit = Named(new QLineEdit, name);
    edit->setInputMask(QString::fromLatin1(kDateMask));
    edit->setFixedWidth(84);
    return edit;
  }

  QCheckBox* Check(const QString& name, const QString& text) { return Named(new QCheckBox(text), name); }

  // A combo box whose index is stored. Without a width of its own it is as
  // wide as its longest item (sized at its first show; the items are set
  // before), so that item shows whole when closed.
  QComboBox* ListCombo(const QString& name, const QStringList& items, int width = 0) {
    auto* combo = Named(width > 0 ? Sized(width) : new QComboBox, name);
    combo->addItems(items);
    return combo;
  }

  // A combo box whose text is stored; its items come from the lists.
  QComboBox* TextCombo(const QString& name, int capacity, int width = 0) {
    auto* combo = Named(Sized(width), name);
    platform::MakeEditable(combo);
    combo->lineEdit()->setMaxLength(capacity);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
  }

  // Long items do not widen the sheet; the list drops down wide enough.
  static QComboBox* Sized(int width) {
    auto* combo = new platform::LengthSizedComboBox(width > 0 ? 1 : 12);
    if (width > 0) combo->setFixedWidth(width);
    return combo;
  }

  platform::RadioGroup* Radio(const QString& name, const QString& title, const QStringList& items, int columns) {
    return Named(new platform::RadioGroup(title, items, columns), name);
  }

  QGroupBox* Group(const QString& name, const QString& title) { return Named(new QGroupBox(title), name); }

  QPushButton* Button(const QString& name, const QString& caption, const QString& hint = QString()) {
    auto* button = Named(new QPushButton(caption), name);
    button->setAutoDefault(false);
    if (!hint.isEmpty()) Hint(button, hint);
    return button;
  }

  // A small button that carries a value to all following pupils.
  QPushButton* ForAllButton(const QString& name, const QString& hint) {
    auto* button = Button(name, QString(), hint);
    button->setIcon(platform::StandardIcon(QStyle::SP_ArrowDown));
    button->setFixedSize(26, 22);
    return button;
  }

  // A memo for a record text of size bytes (its NUL included).
  platform::LimitedMemo* Memo(const QString& name, int size) {
    auto* memo = Named(new platform::LimitedMemo(size - 1), name);
    memo->setTabChangesFocus(true);
    return memo;
  }

  static void Hint(QWidget* w, const QString& hint) {
    w->setToolTip(hint);
    w->setStatusTip(hint);
  }

 private:
  Controls& c_;
};

QString N(const char* utf8) { return QString::fromUtf8(utf8); }

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, bool stretch = true) {
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  for (QWidget* w : widgets) row->addWidget(w);
  if (stretch) row->addStretch();
  return row;
}

QGridLayout* FormGrid(QWidget* parent) {
  auto* grid = new QGridLayout(parent);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  return grid;
}

void BuildHeaderPage(SheetBuilder& b, Controls& c, QWidget* page) {
  // "Schüler"
  auto* pupil = b.Group(QStringLiteral("GroupBox1"), N("Schüler"));
  auto* pupilGrid = FormGrid(pupil);
  c.Edit5 = b.Edit(QStringLiteral("Edit5"), Capacity(&TPupilRecord::Surname));
  c.Edit6 = b.Edit(QStringLiteral("Edit6"), Capacity(&TPupilRecord::FirstName));
  c.MaskEdit2 = b.DateEdit(QStringLiteral("MaskEdit2"));
  c.CheckBox1 = b.Check(QStringLiteral("CheckBox1"), N("weiblich"));
  c.Edit11 = b.ReadOnlyEdit(QStringLiteral("Edit11"), 84, N("Schlüsselnummer aus Datenübernahme"));
  pupilGrid->addWidget(SheetBuilder::Caption(N("Name")), 0, 0);
  pupilGrid->addWidget(c.Edit5, 0, 1);
  pupilGrid->addWidget(SheetBuilder::Caption(N("Vorname")), 1, 0);
  pupilGrid->addWidget(c.Edit6, 1, 1);
  pupilGrid->addWidget(SheetBuilder::Caption(N("geboren am")), 2, 0);
  pupilGrid->addLayout(Row({c.MaskEdit2, c.CheckBox1}), 2, 1);
  pupilGrid->addWidget(SheetBuilder::Caption(N("Schlüssel-Nr.")), 3, 0);
  pupilGrid->addLayout(Row({c.Edit11}), 3, 1);
  pupilGrid->setColumnStretch(1, 1);

  // "allgemeine Angaben"
  auto* general = b.Group(QStringLiteral("GroupBox2"), N("allgemeine Angaben"));
  auto* generalGrid = FormGrid(general);
  c.Edit63 = b.Edit(QStringLiteral("Edit63"), Capacity(&TPupilRecord::SchoolYear), 44, N("Schuljahresbeginn 4-ziffrig"));
  c.Edit64 = b.ReadOnlyEdit(QStringLiteral("Edit64"), 44);
  c.CheckBox6 = b.Check(QStringLiteral("CheckBox6"), N("1. Halbjahr"));
  auto* bitBtn17 =
      b.ForAllButton(QStringLiteral("BitBtn17"), N("Schuljahr für ALLE nachfolgenden Schüler übernehmen"));
  c.Edit65 = b.Edit(QStringLiteral("Edit65"), Capacity(&TPupilRecord::ClassName), 60, N("Klassenkürzel (z.B.: 7a)"));
  auto* bitBtn3 =
      b.ForAllButton(QStringLiteral("BitBtn3"), N("Schuljahr und Klasse für ALLE nachfolgenden Schüler übernehmen"));
  c.Edit66 = b.Edit(QStringLiteral("Edit66"), Capacity(&TPupilRecord::ClassTeacher), 60);
  auto* bitBtn4 = b.ForAllButton(QStringLiteral("BitBtn4"), N("Klassen-Lehrer für ALLE folgenden Schüler übernehmen"));
  generalGrid->addWidget(SheetBuilder::Caption(N("Schuljahr")), 0, 0);
  generalGrid->addLayout(Row({c.Edit63, SheetBuilder::Caption(QStringLiteral("/")), c.Edit64}), 0, 1);
  generalGrid->addWidget(bitBtn17, 0, 2);
  generalGrid->addWidget(c.CheckBox6, 1, 1);
  generalGrid->addWidget(SheetBuilder::Caption(N("Klasse")), 2, 0);
  generalGrid->addLayout(Row({c.Edit65}), 2, 1);
  generalGrid->addWidget(bitBtn3, 2, 2);
  generalGrid->addWidget(SheetBuilder::Caption(N("Klassenlehrer")), 3, 0);
  generalGrid->addLayout(Row({c.Edit66}), 3, 1);
  generalGrid->addWidget(bitBtn4, 3, 2);
  generalGrid->setColumnStretch(1, 1);

  // "für Übergangs-Zeugnis"
  c.GroupBox3 = b.Group(QStringLiteral("GroupBox3"), N("für Übergangs-Zeugnis"));
  auto* transferGrid = FormGrid(c.GroupBox3);
  c.Edit67 = b.Edit(QStringLiteral("Edit67"), Capacity(&TPupilRecord::NextSchool));
  transferGrid->addWidget(SheetBuilder::Caption(N("nächste Schule")), 0, 0);
  transferGrid->addWidget(c.Edit67, 0, 1);

  // The note that adding a pupil shows.
  c.Label64 = b.Label(QStringLiteral("Label64"), N("Achtung!!!"));
  c.Label65 = b.Label(QStringLiteral("Label65"), N("lt. eingestellter Programm-Option werden auf verschieden "
                                                   "Registerkarten einige Felder vom Vorgänger übernommen!"));
  c.Label66 = b.Label(QStringLiteral("Label66"), N("Prüfen Sie unbedingt die Richtigkeit der Daten!"));
  for (QLabel* note : {c.Label64, c.Label65, c.Label66}) {
    note->setStyleSheet(QStringLiteral("QLabel { color: #ff0000; font-weight: bold; }"));
    note->setWordWrap(true);
    note->hide();
  }

  // "Zeugnis"
  auto* report = b.Group(QStringLiteral("GroupBox4"), N("Zeugnis"));
  auto* reportGrid = FormGrid(report);
  c.ComboBox41 = b.ListCombo(QStringLiteral("ComboBox41"), ReportKindItems());
  auto* bitBtn2 = b.ForAllButton(QStringLiteral("BitBtn2"), N("Zeugnistyp für ALLE folgenden Schüler übernehmen"));
  c.ComboBox42 = b.ListCombo(QStringLiteral("ComboBox42"), KlassenstufeItems(), 56);
  auto* bitBtn8 = b.ForAllButton(QStringLiteral("BitBtn8"),
                                 N("Jahrgangsstufe zum Zeugnistyp für ALLE folgenden Schüler übernehmen"));
  c.Edit7 = b.ReadOnlyEdit(QStringLiteral("Edit7"), 40);
  c.ComboBox45 = b.ListCombo(QStringLiteral("ComboBox45"), AnspruchsebeneItems());
  auto* bitBtn24 = b.ForAllButton(QStringLiteral("BitBtn24"),
                                  N("Zeugnisanspruchsebene auf ALLE nachfolgenden  Schüler übertragen"));
  c.Label17 = b.Label(QStringLiteral("Label17"), N("... nach Erfüllung der Schulpflicht entlassen aus ..."));
  c.Label45 = b.Label(QStringLiteral("Label45"), N("Jahrgangsstufe "));
  c.Edit68 = b.Edit(QStringLiteral("Edit68"), Capacity(&TPupilRecord::Jahrgangsstufe), 30);
  // The report kind on a row of its own above both columns.
  auto* kindRow = Row({SheetBuilder::Caption(N("Zeugnistyp")), c.ComboBox41, bitBtn2});
  reportGrid->addWidget(SheetBuilder::Caption(N("Klassenstufe")), 0, 0);
  reportGrid->addLayout(Row({c.ComboBox42, SheetBuilder::Caption(N("   Anlage")), c.Edit7}), 0, 1);
  reportGrid->addWidget(bitBtn8, 0, 2);
  reportGrid->addWidget(SheetBuilder::Caption(N("Anspruchsebene")), 1, 0);
  reportGrid->addWidget(c.ComboBox45, 1, 1);
  reportGrid->addWidget(bitBtn24, 1, 2);
  c.Label17->setWordWrap(true);
  QFont small = c.Label17->font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  c.Label17->setFont(small);
  reportGrid->addWidget(c.Label17, 2, 0, 1, 3);
  reportGrid->addWidget(c.Label45, 3, 0);
  reportGrid->addLayout(Row({c.Edit68}), 3, 1);
  reportGrid->setColumnStretch(1, 1);

  c.RadioGroup1 = b.Radio(QStringLiteral("RadioGroup1"), N("Abschlussart"), AbschlussartItems(), 1);
  auto* bitBtn19 = b.ForAllButton(QStringLiteral("BitBtn19"), N("Abschlussart für ALLE folgenden Schüler übernehmen"));
  c.RadioGroup2 = b.Radio(QStringLiteral("RadioGroup2"), N("Klassenart"), KlassenartItems(), 1);
  auto* bitBtn28 = b.ForAllButton(QStringLiteral("BitBtn28"), QString());

  // "Prüfungsdaten"
  c.GroupBox6 = b.Group(QStringLiteral("GroupBox6"), N("Prüfungsdaten"));
  auto* examGrid = FormGrid(c.GroupBox6);
  c.CheckBox5 = b.Check(QStringLiteral("CheckBox5"), N("Prüfung abgelegt"));
  auto* bitBtn18 =
      b.ForAllButton(QStringLiteral("BitBtn18"), N("die Prüfungsteilnahme für ALLE folgenden übernehmen"));
  c.CheckBox4 = b.Check(QStringLiteral("CheckBox4"), N("bestanden"));
  auto* label61 = b.Label(QStringLiteral("Label61"), N("(Prfgs.-fächer)"));
  c.Label59 = b.Label(QStringLiteral("Label59"), N("4. Prüfungsfach"));
  c.ComboBox38 = b.TextCombo(QStringLiteral("ComboBox38"), Capacity(&TPupilRecord::FourthExamSubject), 70);
  c.Label60 = b.Label(QStringLiteral("Label60"), N("Bewertung"));
  c.Edit75 = b.ReadOnlyEdit(QStringLiteral("Edit75"), 30, N("wird automatisch angezeigt"));
  examGrid->addLayout(Row({c.CheckBox5, bitBtn18, c.CheckBox4}), 0, 0, 1, 2);
  examGrid->addWidget(c.Label59, 1, 0);
  examGrid->addLayout(Row({c.ComboBox38, c.Label60, c.Edit75}), 1, 1);
  examGrid->addWidget(label61, 2, 0);
  examGrid->setColumnStretch(1, 1);

  auto* left = new QVBoxLayout;
  left->addWidget(pupil);
  left->addWidget(general);
  left->addWidget(c.GroupBox3);
  left->addWidget(c.Label64);
  left->addWidget(c.Label65);
  left->addWidget(c.Label66);
  left->addStretch();

  auto* right = new QVBoxLayout;
  right->addWidget(report);
  // Abschlussart and Klassenart: a school type shows one of the two.
  auto* graduation = new QHBoxLayout;
  graduation->addWidget(c.RadioGroup1, 1);
  graduation->addWidget(bitBtn19, 0, Qt::AlignVCenter);
  right->addLayout(graduation);
  auto* classKind = new QHBoxLayout;
  classKind->addWidget(c.RadioGroup2, 1);
  classKind->addWidget(bitBtn28, 0, Qt::AlignVCenter);
  right->addLayout(classKind);
  right->addWidget(c.GroupBox6);
  right->addStretch();

  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);
  auto* page10 = new QVBoxLayout(page);
  page10->setContentsMargins(6, 6, 6, 6);
  page10->addLayout(kindRow);
  page10->addLayout(columns, 1);
}

void BuildTextPage(SheetBuilder& b, Controls& c, QWidget* page) {
  auto* label32 =
      b.Label(QStringLiteral("Label32"), N("Lernentwicklungsbericht (Leistungsstand sowie Sozial- und Arbeitsverhalten)"));
  c.Memo2 = b.Memo(QStringLiteral("Memo2"), kDevelopmentTextSize);
  auto* bitBtn12 = b.Button(QStringLiteral("BitBtn12"), N("Kopieren"));
  auto* bitBtn25 = b.Button(QStringLiteral("BitBtn25"), N("Ausschn."));
  auto* bitBtn10 = b.Button(QStringLiteral("BitBtn10"), N("Einfügen"));
  auto* bitBtn13 = b.Button(QStringLiteral("BitBtn13"), N("\"Lernentwicklungsbericht ...\" löschen"));
  c.Memo4 = b.Memo(QStringLiteral("Memo4"), kTeacherNotesTextSize);
  auto* bitBtn15 = b.Button(QStringLiteral("BitBtn15"), N("\"Inform. d. FL\" löschen"));
  auto* bitBtn16 = b.Button(QStringLiteral("BitBtn16"), N("alle Texte löschen"));

  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->addWidget(label32);
  layout->addWidget(c.Memo2, 3);
  auto* memo2Buttons = Row({bitBtn12, bitBtn25, bitBtn10});
  memo2Buttons->addWidget(bitBtn13);
  layout->addLayout(memo2Buttons);
  layout->addSpacing(4);
  layout->addWidget(SheetBuilder::Caption(N("Informationen der Fachlehrer")));
  layout->addWidget(c.Memo4, 2);
  auto* memo4Buttons = Row({}, true);
  memo4Buttons->addWidget(bitBtn15);
  memo4Buttons->addWidget(bitBtn16);
  layout->addLayout(memo4Buttons);
}

void BuildRemarksPage(SheetBuilder& b, Controls& c, QWidget* page) {
  auto* phrases = b.ListCombo(QStringLiteral("ComboBox39"), {});
  SheetBuilder::Hint(phrases, N("Standard-Vermerk-Floskeln hinzufügen"));
  c.Memo3 = b.Memo(QStringLiteral("Memo3"), kRemarksTextSize);
  auto* bitBtn27 = b.Button(QStringLiteral("BitBtn27"), N("Kopieren"));
  auto* bitBtn26 = b.Button(QStringLiteral("BitBtn26"), N("Einfügen"));
  auto* bitBtn14 = b.Button(QStringLiteral("BitBtn14"), N("\"Vermerke\" löschen"));
  c.RadioGroup4 =
      b.Radio(QStringLiteral("RadioGroup4"), N("Schullaufbahnempfehlung"), SchullaufbahnempfehlungItems(), 1);
  auto* bitBtn9 = b.ForAllButton(
      QStringLiteral("BitBtn9"), N("automatische Schullaufbahnempfehlung für ALLE nachfolgenden Schüler übernehmen"));
  c.Label63 = b.Label(QStringLiteral("Label63"), QStringLiteral(" "));
  c.Label63->setStyleSheet(QStringLiteral("QLabel { color: #0000c0; }"));
  c.Label63->hide();

  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(8, 6, 8, 6);
  auto* head = Row({SheetBuilder::Caption(N("Vermerke"))});
  head->addWidget(phrases);
  layout->addLayout(head);
  layout->addWidget(c.Memo3, 1);
  auto* buttons = Row({bitBtn27, bitBtn26});
  buttons->addWidget(bitBtn14);
  layout->addLayout(buttons);
  auto* recommendation = new QHBoxLayout;
  recommendation->addWidget(c.RadioGroup4, 1);
  recommendation->addWidget(bitBtn9, 0, Qt::AlignVCenter);
  layout->addLayout(recommendation);
  layout->addWidget(c.Label63);
}

// One half of the grade grid: rows first..last, in grid columns from col on.
void BuildGradeColumn(SheetBuilder& b, Controls& c, QGridLayout* grid, int first, int last, int col) {
  for (int s = first; s <= last; ++s) {
    const int line = s - first + 1;
    auto& row = c.Rows[static_cast<std::size_t>(s - 1)];
    row.Label = b.Label(QStringLiteral("LabelF%1").arg(s), QString());
    row.Label->setMinimumWidth(130);
    grid->addWidget(row.Label, line, col + 1);
    if (std::find(std::begin(kNamedRows), std::end(kNamedRows), s) != std::end(kNamedRows)) {
      row.Name = b.TextCombo(QStringLiteral("ComboBoxF%1").arg(s), kNameCapacity);
      row.Name->setMinimumWidth(130);
      grid->addWidget(row.Name, line, col + 1);
    }
    row.Grade = b.GradeEdit(QStringLiteral("EditF%1").arg(s), kGradeWidth, kGradeCapacity);
    row.Addition = b.GradeEdit(QStringLiteral("EditF%1Z").arg(s), kAdditionWidth, kAdditionCapacity);
    row.Level = b.TextCombo(QStringLiteral("ComboBox%1").arg(s), kLevelCapacity, kLevelWidth);
    grid->addWidget(row.Grade, line, col + 2);
    grid->addWidget(row.Addition, line, col + 3);
    grid->addWidget(row.Level, line, col + 4);
  }
}

void BuildGradesPage(SheetBuilder& b, Controls& c, QWidget* page) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(3);
  // Left half: columns 0..4, right half: columns 6..10, a gap at 5.
  grid->addWidget(b.Label(QStringLiteral("Label12"), N("Noten")), 0, 1);
  grid->addWidget(b.Label(QStringLiteral("Label48"), N("Bew.")), 0, 2);
  grid->addWidget(b.Label(QStringLiteral("Label49"), N("Zusatz")), 0, 3);
  grid->addWidget(b.Label(QStringLiteral("Label50"), N("A.-ebene")), 0, 4);
  grid->addWidget(b.Label(QStringLiteral("Label51"), N("Bew.")), 0, 8);
  grid->addWidget(b.Label(QStringLiteral("Label52"), N("Zus.")), 0, 9);
  grid->addWidget(b.Label(QStringLiteral("Label53"), N("A.-ebene")), 0, 10);
  BuildGradeColumn(b, c, grid, 1, 9, 0);
  BuildGradeColumn(b, c, grid, 10, 18, 6);
  // Heads of the language rows.
  grid->addWidget(b.Label(QStringLiteral("LabelFS1"), N("1. FS")), 2, 0);
  grid->addWidget(b.Label(QStringLiteral("LabelFS2"), N("2. FS")), 3, 0);
  grid->addWidget(b.Label(QStringLiteral("LabelFS"), N("FS")), 9, 0);
  grid->setColumnMinimumWidth(0, 30);
  grid->setColumnMinimumWidth(5, 12);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(7, 1);

  // Level of demand, form number and the commands.
  auto* levelGroup = b.Group(QStringLiteral("GroupBox7"), QString());
  auto* levelRow = new QHBoxLayout(levelGroup);
  levelRow->setContentsMargins(6, 2, 6, 2);
  c.ComboBox43 = b.ListCombo(QStringLiteral("ComboBox43"), AnspruchsebeneItems());
  levelRow->addWidget(b.Label(QStringLiteral("Label56"), N("Anspruchsebene")));
  levelRow->addWidget(c.ComboBox43);
  levelRow->addWidget(b.ForAllButton(QStringLiteral("BitBtn20"),
                                     N("Zeugnisanspruchsebene auf ALLE nachfolgenden  Schüler übertragen")));
  c.Edit8 = b.ReadOnlyEdit(QStringLiteral("Edit8"), 40);
  c.Edit9 = b.ReadOnlyEdit(QStringLiteral("Edit9"), 40);
  c.Edit14 = b.ReadOnlyEdit(QStringLiteral("Edit14"), 40);
  c.Edit9->hide();
  c.Edit14->hide();

  auto* speak = b.Named(new QToolButton, QStringLiteral("SpeedButton15"));
  auto* stop = b.Named(new QToolButton, QStringLiteral("SpeedButton16"));
  auto* pause = b.Named(new QToolButton, QStringLiteral("SpeedButton20"));
  speak->setIcon(platform::StandardIcon(QStyle::SP_MediaPlay));
  stop->setIcon(platform::StandardIcon(QStyle::SP_MediaStop));
  pause->setIcon(platform::StandardIcon(QStyle::SP_MediaPause));
  SheetBuilder::Hint(speak, N("Fächer (, Anspruchsebene) und Bewertung vorlesen"));
  SheetBuilder::Hint(stop, N("das Vorlesen beenden"));
  SheetBuilder::Hint(pause, N("das Vorlesen anhalten (pausieren)"));
  for (QToolButton* t : {speak, stop, pause}) {
    t->setCheckable(t != stop);
    t->setAutoRaise(true);
    t->setEnabled(false);
  }

  auto* info = new QHBoxLayout;
  info->addWidget(levelGroup);
  info->addSpacing(8);
  info->addWidget(SheetBuilder::Caption(N("Anlage")));
  info->addWidget(c.Edit8);
  info->addWidget(c.Edit9);
  info->addWidget(c.Edit14);
  info->addStretch();
  info->addWidget(speak);
  info->addWidget(pause);
  info->addWidget(stop);

  auto* commands = new QHBoxLayout;
  commands->addWidget(b.Button(QStringLiteral("BitBtn7"), N("Fächer-Kanon lt. Anl. neu setzen"),
                               N("der Fächer-Kanon wir neu erstellt (Bewert. u. variable Fächer werden gelöscht)")));
  commands->addStretch();
  commands->addWidget(b.Button(QStringLiteral("BitBtn21"), N("mögl. Eintragungen")));
  commands->addWidget(b.Button(QStringLiteral("BitBtn22"), N("ALLE Bewertungen (u. Zus.) löschen")));

  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addLayout(info);
  layout->addLayout(commands);
}

void BuildFootPage(SheetBuilder& b, Controls& c, QWidget* page) {
  // Electives: the columns are the half-years of three-elective forms, the
  // rows the half-years of two-elective forms.
  auto* electives = new QGridLayout;
  electives->setHorizontalSpacing(4);
  electives->setVerticalSpacing(3);
  electives->addWidget(b.Label(QStringLiteral("Label13"), N("Wahlpflichtunterricht")), 0, 0, 1, 5);
  electives->addWidget(b.Label(QStringLiteral("Label33"), N("1. Halbjahr")), 1, 1);
  electives->addWidget(b.Label(QStringLiteral("Label34"), N("2. Halbjahr")), 1, 6);
  electives->addWidget(b.Label(QStringLiteral("Label35"), N("1. HJ")), 2, 0);
  electives->addWidget(b.Label(QStringLiteral("Label36"), N("2. HJ")), 3, 0);
  for (int n = 1; n <= 6; ++n) {
    auto& row = c.Rows[static_cast<std::size_t>(18 + n - 1)];
    row.Name = b.TextCombo(QString::fromLatin1(kElectiveCombos[n - 1]), kNameCapacity);
    row.Name->setMinimumWidth(130);
    row.Grade = b.GradeEdit(QStringLiteral("EditW%1").arg(n), kGradeWidth, kGradeCapacity);
    row.Addition = b.GradeEdit(QStringLiteral("EditW%1Z").arg(n), kAdditionWidth, kAdditionCapacity);
    row.Level = b.TextCombo(QStringLiteral("ComboBox%1").arg(18 + n), kLevelCapacity, kLevelWidth);
    const int line = 2 + (n - 1) % 3;
    const int col = n <= 3 ? 1 : 6;
    electives->addWidget(row.Name, line, col);
    electives->addWidget(row.Grade, line, col + 1);
    electives->addWidget(row.Addition, line, col + 2);
    electives->addWidget(row.Level, line, col + 3);
  }
  auto& overall = c.Rows[24];
  overall.Grade = b.GradeEdit(QStringLiteral("EditW"), kGradeWidth, kGradeCapacity);
  overall.Addition = b.GradeEdit(QStringLiteral("EditWZ"), kAdditionWidth, kAdditionCapacity);
  electives->addWidget(b.Label(QStringLiteral("Label14"), N("Gesamtnote im Wahlpflichtunterricht")), 5, 0, 1, 2,
                       Qt::AlignRight);
  electives->addWidget(overall.Grade, 5, 2);
  electives->addWidget(overall.Addition, 5, 3);
  electives->setColumnMinimumWidth(0, 36);
  electives->setColumnMinimumWidth(5, 12);
  electives->setColumnStretch(1, 1);
  electives->setColumnStretch(6, 1);

  // Absence, overall grade, place and date.
  c.GroupBox8 = b.Group(QStringLiteral("GroupBox8"), N("Fehlzeiten"));
  auto* absence = new QHBoxLayout(c.GroupBox8);
  absence->setContentsMargins(8, 2, 8, 4);
  c.Edit72 = b.Edit(QStringLiteral("Edit72"), Capacity(&TPupilRecord::AbsenceDays), 44);
  c.Edit74 = b.Edit(QStringLiteral("Edit74"), Capacity(&TPupilRecord::AbsenceDaysExcused), 44);
  absence->addWidget(SheetBuilder::Caption(N("Fehltage")));
  absence->addWidget(c.Edit72);
  absence->addSpacing(8);
  absence->addWidget(SheetBuilder::Caption(N("davon entschuldigt")));
  absence->addWidget(c.Edit74);
  absence->addStretch();

  c.Label71 = b.Label(QStringLiteral("Label71"), N("Prädikat"));
  c.ComboBox44 = b.ListCombo(QStringLiteral("ComboBox44"), GesamtpraedikatItems());

  auto* issue = b.Group(QStringLiteral("GroupBox5"), N("Zeugnisort und -datum"));
  auto* issueRow = new QHBoxLayout(issue);
  issueRow->setContentsMargins(8, 2, 8, 4);
  c.Edit69 = b.Edit(QStringLiteral("Edit69"), Capacity(&TPupilRecord::IssuePlace));
  c.MaskEdit4 = b.DateEdit(QStringLiteral("MaskEdit4"));
  issueRow->addWidget(SheetBuilder::Caption(N("Ort")));
  issueRow->addWidget(c.Edit69, 1);
  issueRow->addWidget(SheetBuilder::Caption(N("Datum")));
  issueRow->addWidget(c.MaskEdit4);
  issueRow->addWidget(
      b.Button(QStringLiteral("BitBtn5"), N("für ALLE"), N("Zeugnisort und -datum für ALLE folgenden Schüler übernehmen")));

  c.CheckBox3 = b.Check(QStringLiteral("CheckBox3"), N("beim Druck für ALLE auslassen"));
  auto* bitBtn1 = b.Button(QStringLiteral("BitBtn1"), N("mögl. Eintragungen"));
  auto* bitBtn23 = b.Button(QStringLiteral("BitBtn23"), N("ALLE Bewertungen (u. Zus.) löschen"));

  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->addLayout(electives);
  auto* electiveCommands = Row({}, true);
  electiveCommands->addWidget(bitBtn1);
  electiveCommands->addWidget(bitBtn23);
  layout->addLayout(electiveCommands);
  layout->addStretch();
  auto* absenceRow = new QHBoxLayout;
  absenceRow->addWidget(c.GroupBox8, 1);
  absenceRow->addSpacing(8);
  absenceRow->addWidget(c.Label71);
  absenceRow->addWidget(c.ComboBox44);
  layout->addLayout(absenceRow);
  layout->addWidget(issue);
  layout->addWidget(c.CheckBox3);
}

// ---------------------------------------------------------------------------
// Showing

QString Text(std::string_view bytes) { return platform::DecodeCp1252(bytes); }

void SetText(QLineEdit* edit, const QString& text) {
  const QSignalBlocker blocker(edit);
  edit->setText(text);
}

void SetChecked(QCheckBox* box, bool checked) {
  const QSignalBlocker blocker(box);
  box->setChecked(checked);
}

// Selects the item; -1 (and any index without an item) selects none.
void SetIndex(QComboBox* combo, int index) {
  const QSignalBlocker blocker(combo);
  combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void SetIndex(platform::RadioGroup* group, int index) {
  const QSignalBlocker blocker(group);
  group->setItemIndex(index);
}

// Selects the item equal to the text (none when it is not among the items)
// and keeps the text itself in the edit field.
void SetComboText(QComboBox* combo, const QString& text) {
  const QSignalBlocker blocker(combo);
  combo->setCurrentIndex(combo->findText(text));
  if (combo->isEditable()) combo->setEditText(text);
}

QString SetMemoText(QPlainTextEdit* memo, const QString& text) {
  const QSignalBlocker blocker(memo);
  memo->setPlainText(text);
  return memo->toPlainText();
}

void SetLabelColour(QLabel* label, bool red) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, red ? QColor(255, 0, 0) : QColor(0, 0, 0));
  label->setPalette(palette);
}

void ShowSubjectRows(Controls& c, const TPupilRecord& r, const QString& examSubjectName) {
  const unsigned year = YearFromText(r.SchoolYear.bytes());
  const std::string examName = platform::EncodeCp1252(examSubjectName);
  for (int s = 1; s <= kSubjectSlots; ++s) {
    const TSubjectEntry& entry = r.Subjects[s - 1];
    const auto& row = c.Rows[static_cast<std::size_t>(s - 1)];
    const QString name = Text(entry.Name.bytes());
    const QString hint = Text(entry.Reserved38.bytes());
    if (row.Label) {
      row.Label->setText(name);
      row.Label->setToolTip(hint);
      SetLabelColour(row.Label, SubjectLabelIsRed(s, r.FormNumber, year, entry.Name.bytes(), examName));
    }
    if (row.Name) {
      SetComboText(row.Name, name);
      row.Name->setToolTip(hint);
    }
    SetText(row.Grade, Text(entry.Grade.bytes()));
    SetText(row.Addition, Text(entry.Addition.bytes()));
    if (row.Level) SetComboText(row.Level, Text(entry.CourseLevel.bytes()));
  }
  if (auto* fs1 = qobject_cast<QLabel*>(c.ByName.value(QStringLiteral("LabelFS1"))))
    SetLabelColour(fs1, SubjectLabelIsRed(0, r.FormNumber, year, {}, examName));
}

// ---------------------------------------------------------------------------
// Storing

template <int N>
void StoreText(QLineEdit* edit, platform::ShortString<N>& field) {
  field.setText(edit->text());
}

// A masked edit stores what it displays, blanks included; unedited it leaves
// the field as it is.
template <int N>
void StoreMasked(QLineEdit* edit, const QString& shown, platform::ShortString<N>& field) {
  if (edit->displayText() != shown) field.setText(edit->displayText());
}

template <int N>
void StoreMemo(QPlainTextEdit* memo, const QString& shown, platform::CharArray<N>& text) {
  if (memo->toPlainText() != shown) StoreEditText(memo->toPlainText(), text);
}

// An index of -1 (nothing selected) keeps the field.
void StoreIndex(int index, platform::LeU16& field) {
  if (index >= 0) field = static_cast<std::uint16_t>(index);
}

std::uint16_t Flag(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

// The text of a combo box into the field, only while the combo box is not hidden.
template <int N>
void StoreComboText(const QComboBox* combo, platform::ShortString<N>& field) {
  if (combo && !combo->isHidden()) field.setText(combo->currentText());
}

void StoreComboName(const QComboBox* combo, platform::ShortString<30>& name) { StoreComboText(combo, name); }
void StoreComboCode(const QComboBox* combo, platform::ShortString<1>& code) { StoreComboText(combo, code); }

void StoreSubjectRows(const Controls& c, TPupilRecord& r) {
  for (int s = 1; s <= kSubjectSlots; ++s) {
    TSubjectEntry& entry = r.Subjects[s - 1];
    const auto& row = c.Rows[static_cast<std::size_t>(s - 1)];
    entry.Grade.set(NormalizeGradeCode(platform::EncodeCp1252(row.Grade->text())));
    entry.Addition.setText(row.Addition->text());
    StoreComboCode(row.Level, entry.CourseLevel);
    StoreComboName(row.Name, entry.Name);
  }
}

void ApplyVisibility(Controls& c, const TSheetContext& context) {
  for (const std::string& name : VisibilityControls()) {
    QWidget* w = c.ByName.value(QString::fromStdString(name));
    if (!w) continue;
    switch (ControlVisibility(name, context)) {
      case TShowState::Shown:
        w->setVisible(true);
        break;
      case TShowState::Hidden:
        w->setVisible(false);
        break;
      case TShowState::Kept:
        break;
    }
  }
}

TPupilRecord* CurrentRecord() {
  if (PupilCount <= 0 || CurrentPupil < 0 || CurrentPupil >= PupilCount ||
      static_cast<std::size_t>(CurrentPupil) >= Pupils.size())
    return nullptr;
  return &Pupils[static_cast<std::size_t>(CurrentPupil)];
}

}  // namespace

// ---------------------------------------------------------------------------

void TMainForm::BuildDataSheet() {
  Sheet = new DataSheetControls(this);
  SheetBuilder builder(*Sheet);
  BuildHeaderPage(builder, *Sheet, TabSheet10);
  BuildTextPage(builder, *Sheet, TabSheet11);
  BuildRemarksPage(builder, *Sheet, TabSheet12);
  BuildGradesPage(builder, *Sheet, TabSheet13);
  BuildFootPage(builder, *Sheet, TabSheet14);
  Sheet->ByName.insert(CheckBox2->objectName(), CheckBox2);
  // Until the first pupil is shown the sheet looks as for a record without a form.
  ApplyVisibility(*Sheet, TSheetContext{});

  connect(Sheet->ComboBox41, &QComboBox::currentIndexChanged, this, &TMainForm::ComboBox41Change);
  connect(Sheet->RadioGroup1, &platform::RadioGroup::itemIndexChanged, this, &TMainForm::RadioGroup1Click);
  connect(Sheet->Edit63, &QLineEdit::editingFinished, this, &TMainForm::Edit63Exit);
  connect(Sheet->Memo2, &QPlainTextEdit::textChanged, this, &TMainForm::Memo2Change);
  connect(Sheet->Memo4, &QPlainTextEdit::textChanged, this, &TMainForm::Memo4Change);
  if (auto* bitBtn1 = qobject_cast<QPushButton*>(Sheet->ByName.value(QStringLiteral("BitBtn1"))))
    connect(bitBtn1, &QPushButton::clicked, this, &TMainForm::BitBtn1Click);
  ConnectTextAreas();
}

void TMainForm::ShowCurrentPupil() {
  FillPupilList();
  if (PupilCount <= 0 || Pupils.empty()) return;
  if (CurrentPupil >= PupilCount) {
    CurrentPupil = PupilCount - 1;
    return;
  }
  TPupilRecord* record = CurrentRecord();
  if (!record) return;
  TPupilRecord& r = *record;
  DataSheetControls& c = *Sheet;
  const int schoolType = SchoolSettings.SchoolType;

  ShownPupilCopy = r;
  AnspruchsebeneShown = r.AnspruchsebeneAll;

  // Header fields.
  {
    const QSignalBlocker blocker(CheckBox2);
    const int active = r.Active;
    CheckBox2->setTristate(active != 0 && active != 1);
    CheckBox2->setCheckState(active == 0 ? Qt::Checked : active == 1 ? Qt::Unchecked : Qt::PartiallyChecked);
  }
  SetText(c.Edit11, QString::number(static_cast<std::int32_t>(r.KeyNumber)));
  SetText(Edit1, Text(r.Surname.bytes()));
  SetText(c.Edit5, Text(r.Surname.bytes()));
  SetText(Edit2, Text(r.FirstName.bytes()));
  SetText(c.Edit6, Text(r.FirstName.bytes()));
  SetText(c.MaskEdit2, Text(r.BirthDate.bytes()));
  c.ShownBirthDate = c.MaskEdit2->displayText();
  SetChecked(c.CheckBox1, r.Sex == 1);
  SetIndex(c.ComboBox41, r.ReportKind);
  ComboBox41Change();
  SetChecked(c.CheckBox6, r.HalfYear == 1);
  SetIndex(c.ComboBox43, r.AnspruchsebeneAll);
  SetIndex(c.ComboBox45, r.AnspruchsebeneAll);
  SetIndex(c.RadioGroup1, r.Abschlussart);
  SetIndex(c.RadioGroup2, r.Klassenart);
  SetText(c.Edit63, Text(r.SchoolYear.bytes()));
  Edit63Exit();
  SetText(Edit3, Text(r.ClassName.bytes()));
  SetText(c.Edit65, Text(r.ClassName.bytes()));
  SetText(c.Edit66, Text(r.ClassTeacher.bytes()));
  SetText(Edit4, Text(r.ClassTeacher.bytes()));
  SetText(c.Edit67, Text(r.NextSchool.bytes()));
  SetText(c.Edit68, Text(r.Jahrgangsstufe.bytes()));
  SetText(c.Edit72, Text(r.AbsenceDays.bytes()));
  SetText(c.Edit74, Text(r.AbsenceDaysExcused.bytes()));
  SetText(c.Edit69, Text(r.IssuePlace.bytes()));
  SetIndex(c.ComboBox44, r.Gesamtpraedikat);
  SetText(c.MaskEdit4, Text(r.IssueDate.bytes()));
  c.ShownIssueDate = c.MaskEdit4->displayText();
  SetIndex(c.RadioGroup4, r.Schullaufbahnempfehlung);
  SetIndex(c.ComboBox42, r.Klassenstufe);
  SetChecked(c.CheckBox3, r.SkipInBatch == 1);
  SetChecked(c.CheckBox5, r.ExamDataPresent == 1);
  SetComboText(c.ComboBox38, Text(r.FourthExamSubject.bytes()));
  SetChecked(c.CheckBox4, r.ExamPassed == 1);

  // The note on the recommendation, while its radio group is shown.
  if (!c.RadioGroup4->isHidden()) {
    c.Label63->setText(RecommendationNote(r.Schullaufbahnempfehlung));
    c.Label63->show();
  } else {
    c.Label63->hide();
    c.Label63->setText(QStringLiteral(" "));
  }

  // The fourth exam subject and its grade.
  QString examSubjectName;
  if (const int slot = ExamSubjectSlot(r, FourthExamSubjectEntry(r.FourthExamSubject.bytes())); slot > 0) {
    SetText(c.Edit75, Text(r.Subjects[slot - 1].Grade.bytes()));
    examSubjectName = Text(r.Subjects[slot - 1].Name.bytes());
  }

  SetText(c.Edit7, FormNumberText(r, schoolType));

  c.ShownMemo2 = SetMemoText(c.Memo2, LoadEditText(r.DevelopmentText));
  c.ShownMemo3 = SetMemoText(c.Memo3, LoadEditText(r.RemarksText));
  c.ShownMemo4 = SetMemoText(c.Memo4, LoadEditText(r.TeacherNotesText));

  SettleFormNumbers(r, schoolType);
  UpdateControlVisibility();

  SetText(c.Edit9, QString::number(static_cast<std::int32_t>(r.LayoutFormNumber)));
  SetText(c.Edit14, QString::number(static_cast<std::int32_t>(r.ShownFormNumber)));
  SetText(c.Edit8, c.Edit7->text());

  ShowSubjectRows(c, r, examSubjectName);

  // The record as an unedited sheet stores it.
  UneditedPupilCopy = r;
  StoreSheetInto(UneditedPupilCopy);
  UpdatePupilPosition();
}

void TMainForm::StoreSheetInto(TPupilRecord& r) {
  DataSheetControls& c = *Sheet;
  StoreText(Edit1, r.Surname);
  StoreText(c.Edit5, r.Surname);
  StoreText(Edit2, r.FirstName);
  StoreText(c.Edit6, r.FirstName);
  StoreMasked(c.MaskEdit2, c.ShownBirthDate, r.BirthDate);
  r.Sex = c.CheckBox1->isChecked() ? 1 : 0;
  StoreIndex(c.ComboBox41->currentIndex(), r.ReportKind);
  r.HalfYear = Flag(c.CheckBox6);
  StoreIndex(c.ComboBox43->currentIndex(), r.AnspruchsebeneAll);
  StoreIndex(c.RadioGroup1->itemIndex(), r.Abschlussart);
  StoreIndex(c.RadioGroup2->itemIndex(), r.Klassenart);
  StoreText(c.Edit63, r.SchoolYear);
  StoreText(c.Edit65, r.ClassName);
  StoreText(c.Edit66, r.ClassTeacher);
  StoreText(c.Edit67, r.NextSchool);
  StoreText(c.Edit68, r.Jahrgangsstufe);
  StoreText(c.Edit72, r.AbsenceDays);
  StoreText(c.Edit74, r.AbsenceDaysExcused);
  StoreText(c.Edit69, r.IssuePlace);
  StoreIndex(c.ComboBox44->currentIndex(), r.Gesamtpraedikat);
  StoreMasked(c.MaskEdit4, c.ShownIssueDate, r.IssueDate);
  StoreIndex(c.RadioGroup4->itemIndex(), r.Schullaufbahnempfehlung);
  StoreIndex(c.ComboBox42->currentIndex(), r.Klassenstufe);
  r.SkipInBatch = Flag(c.CheckBox3);
  r.ExamDataPresent = Flag(c.CheckBox5);
  r.FourthExamSubject.setText(c.ComboBox38->currentText());
  r.ExamPassed = Flag(c.CheckBox4);
  StoreMemo(c.Memo2, c.ShownMemo2, r.DevelopmentText);
  StoreMemo(c.Memo3, c.ShownMemo3, r.RemarksText);
  StoreMemo(c.Memo4, c.ShownMemo4, r.TeacherNotesText);

  StoreSubjectRows(c, r);

  // LayoutFormNumber already names the form the slots are laid out for
  // (the show that laid them out set it); only the form is decided anew.
  r.FormNumber = DetermineReportForm(r, SchoolSettings.SchoolType);
}

void TMainForm::StoreCurrentPupil() {
  DataSheetControls& c = *Sheet;
  if (TPupilRecord* record = CurrentRecord()) {
    TPupilRecord& r = *record;
    StoreSheetInto(r);

    PupilRecordsDiffer(r, UneditedPupilCopy, Modified);

    AnspruchsebeneStored = r.AnspruchsebeneAll;
    if (AnspruchsebeneShown != AnspruchsebeneStored) CheckAssessmentLevelChange();
    UpdatePupilPosition();
  }
  for (QLabel* note : {c.Label64, c.Label65, c.Label66}) note->hide();
}

void TMainForm::CheckAssessmentLevelChange() {
  const int newLevel = AnspruchsebeneStored;
  const int shownLevel = AnspruchsebeneShown;
  TPupilRecord* record = CurrentRecord();

  if (newLevel == 0) {
    // Nothing defines grades "at the Ü level": neither answer changes a grade.
    platform::AskYesNo(kLevelUndecidedQuestion, platform::MsgKind::Confirmation);
  } else if (record && platform::AskYesNo(kLevelChangedQuestion, platform::MsgKind::Confirmation)) {
    const bool error = RescaleGrades(*record, shownLevel, newLevel);
    // The grades now belong to the new level: a later store of the same
    // sheet must not rescale them once more. After No the question comes
    // again at every store until the pupil is shown again.
    AnspruchsebeneShown = AnspruchsebeneStored;
    Modified = true;
    SetCurrentPage(PageControl2, 3);
    // The sheet shows the rescaled grades, so that a later store keeps them.
    QString examSubjectName;
    const int examSlot = ExamSubjectSlot(*record, FourthExamSubjectEntry(record->FourthExamSubject.bytes()));
    if (examSlot > 0) {
      SetText(Sheet->Edit75, Text(record->Subjects[examSlot - 1].Grade.bytes()));
      examSubjectName = Text(record->Subjects[examSlot - 1].Name.bytes());
    }
    ShowSubjectRows(*Sheet, *record, examSubjectName);
    if (error) platform::ShowMessage(kRescaleWarning, platform::MsgKind::Warning);
  }
  UpdatePupilPosition();
}

void TMainForm::UpdateControlVisibility() {
  const TPupilRecord* r = CurrentRecord();
  if (!r) return;
  const TSheetContext context{r->ShownFormNumber, SchoolSettings.SchoolType, r->ReportKind,
                              ProgramOptions.ShowAdditions == 1};
  ApplyVisibility(*Sheet, context);
  for (const std::string& name : NameListCombos()) {
    switch (NameComboList(name, context.Form)) {
      case TNameList::Languages:
        SetComboItems(QString::fromStdString(name), LanguageSubjectList);
        break;
      case TNameList::Religions:
        SetComboItems(QString::fromStdString(name), ReligionSubjectList);
        break;
      case TNameList::AllNames:
        SetComboItems(QString::fromStdString(name), AllSubjectNames);
        break;
      case TNameList::Keep:
        break;
    }
  }
  const bool examFields = ExamSubjectFieldsEnabled(YearFromText(r->SchoolYear.bytes()));
  for (QWidget* w : std::initializer_list<QWidget*>{Sheet->Label59, Sheet->ComboBox38, Sheet->Label60, Sheet->Edit75})
    w->setEnabled(examFields);
}

// ---------------------------------------------------------------------------
// Field handlers

void TMainForm::ComboBox41Change() {
  ApplySchoolTypeToMainForm();
  const int kind = Sheet->ComboBox41->currentIndex();
  const auto& groups = ReportKindControlGroups();
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const TShowState state = ReportKindVisibility(static_cast<int>(g), kind, SchoolSettings.SchoolType);
    if (state == TShowState::Kept) continue;
    for (const std::string& name : groups[g])
      if (QWidget* w = Sheet->ByName.value(QString::fromStdString(name))) w->setVisible(state == TShowState::Shown);
  }
  RadioGroup1Click();
}

void TMainForm::RadioGroup1Click() {
  const bool shown = PraedikatVisible(Sheet->RadioGroup1->itemIndex(), Sheet->ComboBox41->currentIndex());
  Sheet->Label71->setVisible(shown);
  Sheet->ComboBox44->setVisible(shown);
}

void TMainForm::Edit63Exit() {
  const std::string before = platform::EncodeCp1252(Sheet->Edit63->text());
  std::string year = before;
  std::string second;
  SecondYearOfSchoolYear(year, second);
  if (year != before) SetText(Sheet->Edit63, platform::DecodeCp1252(year));
  SetText(Sheet->Edit64, platform::DecodeCp1252(second));
}

}  // namespace quorv
