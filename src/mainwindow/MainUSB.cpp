#include "mainwindow/MainUSB.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <map>

#include "mainwindow/DataSheetControls.h"
#include "mainwindow/InfoDialog.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "platform/Random.h"
#include "platform/ui/Cp1252Input.h"
#include "platform/ui/HelpViewer.h"
#include "platform/ui/HintPanel.h"
#include "platform/ui/ModalDialogs.h"
#include "platform/ui/PrinterSetup.h"
#include "platform/ui/StandardIcons.h"
#include "records/GradeCodes.h"
#include "records/QuorvDat.h"
#include "settings/ProgEinst.h"
#include "settings/Facheinst.h"
#include "settings/SchulEinst.h"
#include "settings/WpflEinst.h"

namespace quorv {

namespace {

struct SchoolTypeCaption {
  int schoolType;
  const char* text;
};
constexpr SchoolTypeCaption kCaptions[] = {
    {1, "-- Grundschule --"},      {2, "-- Regionale Schule --"}, {3, "-- Integrierte Gesamtschule --"},
    {4, "-- Gymnasium --"},        {5, "-- Hauptschule --"},      {6, "-- Realschule --"},
    {7, "-- Förderschule --"},     {9, "-- Schule zur individuellen Lebensbewältigung --"},
};

using Handler = void (TMainForm::*)();

enum MenuFlags : unsigned { kPlain = 0, kSubmenu = 1, kDisabled = 2, kHidden = 4 };

// The menu, in order. parent "" is the menu bar; name "-" a separator.
struct MenuEntry {
  const char* parent;
  const char* name;
  const char* caption;
  Handler handler;
  unsigned flags;
};

const MenuEntry kMenu[] = {
    {"", "FileMenu", "&Datei", nullptr, kSubmenu},
    {"FileMenu", "FileNewItem", "&Neu", &TMainForm::FileNew, kPlain},
    {"FileMenu", "FileOpenItem", "&Öffnen ...", &TMainForm::FileOpen, kPlain},
    {"FileMenu", "FileSaveItem", "&Speichern", nullptr, kDisabled},         // FileSave
    {"FileMenu", "FileSaveAsItem", "Speichern &unter ...", nullptr, kPlain},  // FileSaveAs
    {"FileMenu", "-", "", nullptr, kPlain},
    {"FileMenu", "Seitenansichtzeigen2", "Seitenansicht zeigen", &TMainForm::Seitenansichtzeigen2Click, kPlain},
    {"FileMenu", "FilePrintSetupItem", "&Drucker einrichten ...", &TMainForm::FilePrintSetup, kPlain},
    {"FileMenu", "-", "", nullptr, kPlain},
    {"FileMenu", "FileExitItem", "&Beenden", &TMainForm::FileExit, kPlain},

    {"", "Eingeben1", "&Eingeben", nullptr, kSubmenu},
    {"Eingeben1", "fcherweiseBewertungen1", "&fächerweise Bewertungen, ...", &TMainForm::fcherweiseBewertungen1Click,
     kPlain},

    {"", "Bearbeiten1", "&Bearbeiten", nullptr, kSubmenu},
    {"Bearbeiten1", "LschenSchlerDatensatz1", "&Löschen (Schüler-Datensatz)", &TMainForm::LschenSchlerDatensatz1Click,
     kPlain},
    {"Bearbeiten1", "-", "", nullptr, kPlain},
    {"Bearbeiten1", "AusschneidenSchlerDatensatz1", "&Ausschneiden (Schüler-Datensatz)",
     &TMainForm::AusschneidenSchlerDatensatz1Click, kDisabled},
    {"Bearbeiten1", "KopierenSchlerDatensatz1", "&Kopieren (Schüler-Datensatz)",
     &TMainForm::KopierenSchlerDatensatz1Click, kDisabled},
    {"Bearbeiten1", "EinfgenSchlerDatensatz1", "&Einfügen (Schüler-Datensatz)",
     &TMainForm::EinfgenSchlerDatensatz1Click, kDisabled},

    {"", "Berechnen1", "Berechnen", nullptr, kSubmenu},
    {"Berechnen1", "FachnotenStatistik1", "Fachnoten-Statistik", &TMainForm::FachnotenStatistik1Click, kDisabled},
    {"Berechnen1", "Bewertungsbersicht1", "Fächer-Bewertungs-Übersicht", &TMainForm::Bewertungsbersicht1Click, kPlain},

    {"", "Testen1", "&Testen", nullptr, kSubmenu},
    {"Testen1", "aufVollstndigkeit1", "auf Vollständigkeit", nullptr, kPlain},
    {"Testen1", "VergabederBewertungen1", "Vergabe der Bewertungen", &TMainForm::VergabederBewertungen1Click, kPlain},
    {"Testen1", "Seitenansichtzeigen1", "Seitenansicht zeigen", &TMainForm::Seitenansichtzeigen1Click, kPlain},

    {"", "Drucken1", "D&rucken", nullptr, kSubmenu},
    {"Drucken1", "frALLEfolgendenSchler1", "für &ALLE folgenden Schüler", nullptr, kSubmenu},
    {"frALLEfolgendenSchler1", "SchlerDatenbltter1", "die Schüler-&Datenblätter", &TMainForm::SchlerDatenbltter1Click,
     kPlain},
    {"frALLEfolgendenSchler1", "LernentwberichtefrZeugniskonferenz1", "die &Lernentw.-berichte für Zeugniskonferenz",
     &TMainForm::LernentwberichtefrZeugniskonferenz1Click, kPlain},
    {"frALLEfolgendenSchler1", "ausgewhlteZeugnistypen1", "die &Zeugnisse", &TMainForm::ausgewhlteZeugnistypen1Click,
     kPlain},
    {"frALLEfolgendenSchler1", "dieEmpfangsbekenntnisse1", "die &Empfangsbekenntnisse",
     &TMainForm::dieEmpfangsbekenntnisse1Click, kPlain},
    {"Drucken1", "-", "", nullptr, kPlain},
    {"Drucken1", "SchlerDatenblatt1", "Schüler-&Datenblatt", &TMainForm::SchlerDatenblatt1Click, kPlain},
    {"Drucken1", "Lernentwicklungsbericht1", "Lernentwicklungsbericht", &TMainForm::Lernentwicklungsbericht1Click,
     kPlain},
    {"Drucken1", "-", "", nullptr, kPlain},
    {"Drucken1", "Seitenansicht1", "erst Seitenansicht zeigen", &TMainForm::Seitenansicht1Click, kPlain},
    {"Drucken1", "ausgewhlterZeugnistyp1", "&Zeugnis", &TMainForm::ausgewhlterZeugnistyp1Click, kPlain},
    {"Drucken1", "Empfangsbekenntnis1", "&Empfangsbekenntnis", &TMainForm::Empfangsbekenntnis1Click, kPlain},

    {"", "Sortieren1", "&Sortieren", nullptr, kSubmenu},
    {"Sortieren1", "nachNamen1", "nach &Namen", nullptr, kSubmenu},
    {"nachNamen1", "aufsteigend1", "au&fsteigend", &TMainForm::aufsteigend1Click, kPlain},
    {"nachNamen1", "absteigend1", "a&bsteigend", &TMainForm::absteigend1Click, kPlain},
    {"Sortieren1", "nachSchlsselnummer1", "nach &Schlüsselnummer", nullptr, kSubmenu},
    {"nachSchlsselnummer1", "aufsteigend2", "au&fsteigend", &TMainForm::aufsteigend2Click, kPlain},
    {"nachSchlsselnummer1", "absteigend2", "a&bsteigend", &TMainForm::absteigend2Click, kPlain},
    {"Sortieren1", "nachKlasse1", "nach &Klasse", nullptr, kSubmenu},
    {"nachKlasse1", "aufsteigend3", "au&fsteigend", &TMainForm::aufsteigend3Click, kPlain},
    {"nachKlasse1", "absteigend3", "a&bsteigend", &TMainForm::absteigend3Click, kPlain},
    {"Sortieren1", "wieimKlassenbuch1", "wie im Klassen&buch", nullptr, kSubmenu},
    {"wieimKlassenbuch1", "Mdchenzuerst1", "&Mädchen zuerst", &TMainForm::Mdchenzuerst1Click, kPlain},
    {"wieimKlassenbuch1", "Jungenzuerst1", "&Jungen zuerst", &TMainForm::Jungenzuerst1Click, kPlain},

    {"", "Hilfsmittel1", "Hilfs&mittel", nullptr, kSubmenu},
    {"Hilfsmittel1", "FcherBewertungsbersicht1", "Fächer-Bewertungs-Übersicht",
     &TMainForm::FcherBewertungsbersicht1Click, kPlain},
    {"Hilfsmittel1", "frALLEfolgendenSchlerbernehmen1", "für ALLE folgenden Schüler übernehmen", nullptr, kSubmenu},
    {"frALLEfolgendenSchlerbernehmen1", "N1Fremdsprache1", "1. Fremdsprache", &TMainForm::N1Fremdsprache1Click, kPlain},
    {"frALLEfolgendenSchlerbernehmen1", "N2Fremdsprache1", "2. Fremdsprache", &TMainForm::N2Fremdsprache1Click, kPlain},
    {"frALLEfolgendenSchlerbernehmen1", "ReligionPhilmK1", "Religion/Phil. m. K.", &TMainForm::ReligionPhilmK1Click,
     kPlain},
    {"frALLEfolgendenSchlerbernehmen1", "zustzlichesFach1", "(erstes) zusätzliches Fach",
     &TMainForm::zustzlichesFach1Click, kPlain},
    {"frALLEfolgendenSchlerbernehmen1", "Wahlpflicht1HJ1", "Wahlpflicht 1. HJ", &TMainForm::Wahlpflicht1HJ1Click,
     kPlain},
    {"frALLEfolgendenSchlerbernehmen1", "Wahlpflicht2HJ1", "Wahlpflicht 2. HJ", &TMainForm::Wahlpflicht2HJ1Click,
     kPlain},
    {"frALLEfolgendenSchlerbernehmen1", "Wahlpflicht12HJ1", "Wahlpflicht 1.+2. HJ", &TMainForm::Wahlpflicht12HJ1Click,
     kPlain},
    {"Hilfsmittel1", "temporreEinstellungen1", "temporäre Einstellungen", nullptr, kSubmenu},
    {"temporreEinstellungen1", "desFormulardruckslschen1", "des Formulardrucks löschen",
     &TMainForm::desFormulardruckslschen1Click, kPlain},
    {"Hilfsmittel1", "Wahlpflichtfcherextrahieren1", "Wahlpflichtfächer extrahieren",
     &TMainForm::Wahlpflichtfcherextrahieren1Click, kHidden},
    {"Hilfsmittel1", "gelschteDatenstzeentgltigentfernen1", "gelöschte Datensätze entgültig &entfernen",
     &TMainForm::gelschteDatenstzeentgltigentfernen1Click, kPlain},
    {"Hilfsmittel1", "-", "", nullptr, kPlain},
    {"Hilfsmittel1", "estblattausdrucken1", "Testblatt ausdrucken ", &TMainForm::estblattausdrucken1Click, kPlain},
    {"Hilfsmittel1", "vollstndigeDatensicherung1", "vollständige Datensicherung ...",
     &TMainForm::vollstndigeDatensicherung1Click, kPlain},

    {"", "Kommunikation1", "&Kommunikation", nullptr, kSubmenu},
    {"Kommunikation1", "mitFachlehrern1", "mit &Fachlehrern", nullptr, kSubmenu | kHidden},
    {"mitFachlehrern1", "Fachzensurenlistevorbereiten1", "Fachzensuren-Liste(n) exportieren ...",
     &TMainForm::Fachzensurenlistevorbereiten1Click, kPlain},
    {"mitFachlehrern1", "WahlpflichtFachzensurenListenexportieren1", "Wahlpflicht-Fachzensuren-Liste(n) exportieren",
     nullptr, kSubmenu},
    {"WahlpflichtFachzensurenListenexportieren1", "N1Halbjahr1", "1. Halbjahr", nullptr, kPlain},
    {"WahlpflichtFachzensurenListenexportieren1", "N2Halbjahr1", "2. Halbjahr", nullptr, kPlain},
    {"mitFachlehrern1", "FachzensurenListeimportieren1", "Fachzensuren-Liste importieren", nullptr, kPlain},
    {"mitFachlehrern1", "WahlpflichtFachzensurenListeimportieren1", "Wahlpflicht-Fachzensuren-Liste importieren",
     nullptr, kSubmenu},
    {"WahlpflichtFachzensurenListeimportieren1", "N1Halbjahr2", "1. Halbjahr", nullptr, kPlain},
    {"WahlpflichtFachzensurenListeimportieren1", "N2Halbjahr2", "2. Halbjahr", nullptr, kPlain},
    {"Kommunikation1", "mitSchulverwaltung1", "mit &Schulverwaltung", nullptr, kPlain},
    {"Kommunikation1", "Einstellungen2", "&Einstellungen", nullptr, kSubmenu},
    {"Einstellungen2", "exportieren1", "exportieren ...", &TMainForm::exportieren1Click, kPlain},
    {"Einstellungen2", "importieren1", "importieren ...", &TMainForm::importieren1Click, kPlain},
    {"Kommunikation1", "mitanderenProgrammen1", "mit anderen Programmen", nullptr, kSubmenu},
    {"mitanderenProgrammen1", "importierenvonSchlerdatenimTXTFormat1", "importieren von Schülerdaten im TXT-Format ...",
     &TMainForm::importierenvonSchlerdatenimTXTFormat1Click, kPlain},
    {"mitanderenProgrammen1", "importierenvonBewertungenimTXTFormat1", "importieren von Bewertungen im TXT-Format ...",
     &TMainForm::importierenvonBewertungenimTXTFormat1Click, kPlain},
    {"mitanderenProgrammen1", "importierenvonDatenimXMLFormat1", "importieren von Daten im XML-Format ...", nullptr,
     kDisabled},
    {"mitanderenProgrammen1", "exportierenderDatenimXMLFormat1", "exportieren der Daten im XML-Format ...", nullptr,
     kDisabled},

    {"", "Einstellungen1", "&Einstellungen", nullptr, kSubmenu},
    {"Einstellungen1", "WahlpflichtFcher1", "&Wahlpflicht-Fächer", &TMainForm::WahlpflichtFcher1Click, kPlain},
    {"Einstellungen1", "DruckOptionen1", "&Druck-Optionen", &TMainForm::DruckOptionen1Click, kPlain},
    {"Einstellungen1", "ProgrammEinstellungen1", "&Programm-Einstellungen", &TMainForm::ProgrammEinstellungen1Click,
     kPlain},
    {"Einstellungen1", "SchulEinstellungen1", "&Schul-Einstellungen", &TMainForm::SchulEinstellungen1Click, kPlain},

    {"", "HelpMenu", "&Hilfe", nullptr, kSubmenu},
    {"HelpMenu", "HilfezumProgramm1", "&Hilfe zum Programm", nullptr, kPlain},
    {"HelpMenu", "HelpAboutItem", "Programm-&Informationen", &TMainForm::HelpAbout, kPlain},
};

// The tool bar, left to right. A standard icon where the style has a fitting
// one, else a short text.
struct SpeedButtonEntry {
  int number;
  const char* hint;
  Handler handler;
  QStyle::StandardPixmap icon;
  const char* text;
  bool enabled;
};

constexpr auto kNoIcon = QStyle::SP_CustomBase;

const SpeedButtonEntry kSpeedButtons[] = {
    {1, "Neue Datei erstellen", &TMainForm::FileNew, QStyle::SP_FileIcon, "", true},
    {2, "vorhandene Datei öffnen", &TMainForm::FileOpen, QStyle::SP_DialogOpenButton, "", true},
    {3, "aktuelle Datei speichern", nullptr, QStyle::SP_DialogSaveButton, "", true},  // FileSave
    {4, "aktuelle Datei neu speichern", nullptr, QStyle::SP_DriveFDIcon, "", true},   // FileSaveAs
    {5, "Drucker-Systemeinstellungen", &TMainForm::FilePrintSetup, QStyle::SP_ComputerIcon, "", true},
    {6, "Schüler-Datensatz ausschneiden", &TMainForm::EditCut, kNoIcon, "Aus", false},
    {7, "Schüler-Datensatz in die Zwischenablage kopieren", &TMainForm::EditCopy, kNoIcon, "Kop", false},
    {8, "Schüler-Datensatz aus der Zwischenablage einfügen", &TMainForm::EditPaste, kNoIcon, "Ein", false},
    {9, "Hilfe zum Programm", &TMainForm::HelpContents, QStyle::SP_DialogHelpButton, "", true},
    {10, "Programm-Informationen", &TMainForm::HelpAbout, QStyle::SP_MessageBoxInformation, "", true},
    {11, "Programm beenden", &TMainForm::FileExit, QStyle::SP_DialogCloseButton, "", true},
    {17, "ausgewählten Zeugnis-Typ drucken", &TMainForm::SpeedButton17Click, kNoIcon, "Zeugnis", true},
    {18, "Empfangsbekenntnis drucken", &TMainForm::SpeedButton18Click, kNoIcon, "EB", true},
    {19, "Seitenansicht des aktuellen Zeugnisses auf dem Bildschirm anzeigen", &TMainForm::SpeedButton19Click,
     QStyle::SP_FileDialogContentsView, "", true},
    {21, "nach Namen aufsteigend (A..Z) sortieren", &TMainForm::SpeedButton21Click, kNoIcon, "A-Z", true},
    {22, "nach Namen absteigend (Z..A) sortieren", &TMainForm::SpeedButton22Click, kNoIcon, "Z-A", true},
    {23, "nach Schlüsselnummer aufsteigend sortieren", &TMainForm::SpeedButton23Click, kNoIcon, "1-9", true},
    {24, "nach Schlüsselnummer absteigend sortieren", &TMainForm::SpeedButton24Click, kNoIcon, "9-1", true},
    {27, "wie im Klassenbuch (Mädchen zuerst) sortieren", &TMainForm::SpeedButton27Click, kNoIcon, "M/J", true},
    {28, "wie im Klassenbuch (Jungen zuerst) sortieren", &TMainForm::SpeedButton28Click, kNoIcon, "J/M", true},
    {12, "Seitenansicht des Empfangsbekenntnisses auf dem Bildschirm anzeigen", &TMainForm::SpeedButton12Click,
     kNoIcon, "EB?", true},
    {13, "Fächerweise Eingabe der Bewertungen (, Anspruchsebenen, Zusätze)", &TMainForm::SpeedButton13Click, kNoIcon,
     "Fächer", true},
    {14, "Fächern-Noten-Statistik erstellen", &TMainForm::SpeedButton14Click, kNoIcon, "Statistik", false},
};

// Where a group of related buttons ends on the tool bar.
constexpr int kSpeedBarGroupEnds[] = {5, 8, 11, 19, 28};

const char* const kPageControl2Pages[] = {"Zeugnis-Kopf", "Text-Bereich", "Vermerke", "Fächer u. Bewertungen",
                                          "(Wahlpfl. u.) Zeugnis-Fuß"};
constexpr int kStatusPanelWidths[3] = {400, 200, 50};
// Shares of the sheet page's width for the pupil list and the data sheet.
constexpr int kPupilListShare = 1;
constexpr int kDataSheetShare = 4;

const QString kCloseQuestion = QString::fromUtf8("Wollen Sie das Programm jetzt wirklich beenden?");
const QString kSaveOnCloseQuestion = QString::fromUtf8(
    "Die Daten wurden seit dem letzten Speichern geändert!\rWollen Sie die Änderungen jetzt Speichern?");
const QString kSchoolTypeWarning = QString::fromUtf8(
    "Nach Änderungen der Schulart\rwird ein Neustart des Programms Quorv3\rbzw. das Öffnen einer passenden "
    "Datendatei\rdringend empfohlen!");
const QString kDeleteFormCopiesQuestion = QString::fromUtf8(
    "Wollen Sie die Kopien der\rFormular-Druck-Steuerdateien (*.FST)\rim Datenverzeichnis wirklich "
    "löschen?\r\r(Originale bleiben erhalten!)");

QFont BoldFont(QFont font) {
  font.setBold(true);
  return font;
}

QLineEdit* MakeReadOnlyEdit(const QString& name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  return edit;
}

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

QString MainFormCaption(int schoolType) {
  const char* ending = "-- ?? Schultyp ?? --";
  for (const auto& c : kCaptions)
    if (c.schoolType == schoolType) ending = c.text;
  return QString::fromUtf8("Zeugnisse für Velsland  V.3.1.       ") + QString::fromUtf8(ending);
}

const QStringList& LevelComboItems(int schoolType) {
  return schoolType == stRegionaleSchule ? CourseLevelListNoG : CourseLevelList;
}

QSize MainFormSizeAfterResize(QSize size, Qt::WindowStates state) {
  if (state & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return size;
  if (size.height() < kMinMainFormHeight) size.setHeight(kMinMainFormHeight);
  if (size.width() < kMinMainFormWidth) size.setWidth(kMinMainFormWidth);
  return size;
}

TMainForm::TMainForm(const QString& programPath, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QString::fromUtf8(kDesignedCaption));
  BuildMenu();
  BuildSpeedBar();
  BuildPages();
  BuildDataSheet();
  ConnectSheetCommands();
  BuildStatusLine();
  // Text the class file cannot hold is refused; the status line says so.
  platform::GuardCp1252Inputs(this, [this](QWidget*, const QString& text) { SayInStatusLine(text); });
  resize(768, 581);
  FormCreate(programPath);
}

// ---------------------------------------------------------------------------
// Building the window

void TMainForm::BuildMenu() {
  std::map<QString, QMenu*> menus;
  for (const MenuEntry& entry : kMenu) {
    const QString parentName = QString::fromUtf8(entry.parent);
    const QString name = QString::fromUtf8(entry.name);
    const QString caption = QString::fromUtf8(entry.caption);
    QMenu* parentMenu = parentName.isEmpty() ? nullptr : menus.at(parentName);
    if (name == QLatin1String("-")) {
      parentMenu->addSeparator();
      continue;
    }
    QAction* action = nullptr;
    if (entry.flags & kSubmenu) {
      QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : menuBar()->addMenu(caption);
      menu->setObjectName(name);
      menus[name] = menu;
      action = menu->menuAction();
    } else {
      action = parentMenu->addAction(caption);
      if (entry.handler) connect(action, &QAction::triggered, this, entry.handler);
    }
    action->setObjectName(name);
    action->setEnabled(!(entry.flags & kDisabled));
    action->setVisible(!(entry.flags & kHidden));
  }
  FileSaveItem = MenuItem(QStringLiteral("FileSaveItem"));
  connect(FileSaveItem, &QAction::triggered, this, &TMainForm::FileSave);
  connect(MenuItem(QStringLiteral("FileSaveAsItem")), &QAction::triggered, this, &TMainForm::FileSaveAs);
}

void TMainForm::BuildSpeedBar() {
  SpeedBar = new QToolBar(this);
  SpeedBar->setObjectName(QStringLiteral("SpeedBar"));
  SpeedBar->setMovable(false);
  SpeedBar->setFloatable(false);
  SpeedBar->setContextMenuPolicy(Qt::PreventContextMenu);
  SpeedBar->setIconSize(QSize(16, 16));
  // Tight, so that every button and the changed marker fit the smallest window.
  SpeedBar->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; } QToolButton { padding: 0px; }"));
  addToolBar(Qt::TopToolBarArea, SpeedBar);

  const auto* groupEnd = std::begin(kSpeedBarGroupEnds);
  for (const SpeedButtonEntry& entry : kSpeedButtons) {
    auto* button = new QToolButton(SpeedBar);
    button->setObjectName(QStringLiteral("SpeedButton%1").arg(entry.number));
    const QString hint = QString::fromUtf8(entry.hint);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setAutoRaise(true);
    if (entry.icon != kNoIcon) {
      button->setIcon(platform::StandardIcon(entry.icon));
    } else {
      button->setText(QString::fromUtf8(entry.text));
      button->setToolButtonStyle(Qt::ToolButtonTextOnly);
      QFont small = button->font();
      small.setPointSizeF(small.pointSizeF() * 0.8);
      button->setFont(small);
    }
    button->setEnabled(entry.enabled);
    if (entry.handler) connect(button, &QToolButton::clicked, this, entry.handler);
    SpeedBar->addWidget(button);
    if (groupEnd != std::end(kSpeedBarGroupEnds) && *groupEnd == entry.number) {
      SpeedBar->addSeparator();
      ++groupEnd;
    }
  }
  connect(SpeedButton(3), &QToolButton::clicked, this, &TMainForm::FileSave);
  connect(SpeedButton(4), &QToolButton::clicked, this, &TMainForm::FileSaveAs);

  auto* spacer = new QWidget(SpeedBar);
  spacer->setObjectName(QStringLiteral("SpeedBarSpacer"));
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  SpeedBar->addWidget(spacer);
  // A holder keeps the indicator's own visibility free of the tool bar's.
  auto* holder = new QWidget(SpeedBar);
  holder->setObjectName(QStringLiteral("Edit73Holder"));
  auto* holderLayout = new QHBoxLayout(holder);
  holderLayout->setContentsMargins(2, 0, 0, 0);
  Edit73 = MakeReadOnlyEdit(QStringLiteral("Edit73"), holder);
  Edit73->setText(QString::fromUtf8("geändert"));
  Edit73->setAlignment(Qt::AlignCenter);
  Edit73->setFixedWidth(QFontMetrics(BoldFont(Edit73->font())).horizontalAdvance(Edit73->text()) + 10);
  Edit73->setFocusPolicy(Qt::NoFocus);
  Edit73->setStyleSheet(QStringLiteral("QLineEdit { color: #c00000; font-weight: bold; }"));
  const QString changedHint = QString::fromUtf8("Daten wurden verändert");
  Edit73->setToolTip(changedHint);
  Edit73->setStatusTip(changedHint);
  Edit73->hide();
  holderLayout->addWidget(Edit73);
  SpeedBar->addWidget(holder);
}

void TMainForm::BuildPages() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("MainPanel"));
  setCentralWidget(central);

  PageControl1 = new QTabWidget(central);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setToolTip(QString::fromUtf8("Umschalten zwischen Datenblättern und Tabellenansicht"));
  PageControl1->setStatusTip(PageControl1->toolTip());
  TabSheet1 = new QWidget;
  TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
  TabSheet2 = new QWidget;
  TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
  PageControl1->addTab(TabSheet1, QString::fromUtf8("Schüler-Datenblätter"));
  PageControl1->addTab(TabSheet2, QString::fromUtf8("Schüler-Tabelle"));

  ListBox1 = new QListWidget(TabSheet1);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  // At least 125 pixels; a wider window gives the list its share of the width.
  ListBox1->setMinimumWidth(kPupilListMinWidth);
  ListBox1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
  Edit1 = MakeReadOnlyEdit(QStringLiteral("Edit1"), TabSheet1);
  Edit2 = MakeReadOnlyEdit(QStringLiteral("Edit2"), TabSheet1);
  Edit3 = MakeReadOnlyEdit(QStringLiteral("Edit3"), TabSheet1);
  Edit4 = MakeReadOnlyEdit(QStringLiteral("Edit4"), TabSheet1);
  Edit3->setMaximumWidth(70);
  Edit4->setMaximumWidth(70);

  PageControl2 = new QTabWidget(TabSheet1);
  PageControl2->setObjectName(QStringLiteral("PageControl2"));
  PageControl2->setToolTip(QString::fromUtf8("Teilbereiche der Zeugnisdaten"));
  PageControl2->setStatusTip(PageControl2->toolTip());
  QWidget** sheets[] = {&TabSheet10, &TabSheet11, &TabSheet12, &TabSheet13, &TabSheet14};
  for (int i = 0; i < 5; ++i) {
    *sheets[i] = new QWidget;
    (*sheets[i])->setObjectName(QStringLiteral("TabSheet%1").arg(10 + i));
    PageControl2->addTab(*sheets[i], QString::fromUtf8(kPageControl2Pages[i]));
  }

  auto* summary = new QHBoxLayout;
  summary->addWidget(Edit1, 3);
  summary->addWidget(Edit2, 3);
  summary->addWidget(Edit3, 1);
  summary->addWidget(Edit4, 1);
  auto* right = new QVBoxLayout;
  right->addLayout(summary);
  right->addWidget(PageControl2, 1);
  auto* sheetLayout = new QHBoxLayout(TabSheet1);
  sheetLayout->setContentsMargins(2, 4, 2, 2);
  sheetLayout->addWidget(ListBox1, kPupilListShare);
  sheetLayout->addLayout(right, kDataSheetShare);

  // The table stays hidden; no command shows it.
  StringGrid1 = new QTableWidget(2, 5, TabSheet2);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->hide();
  auto* tableLayout = new QVBoxLayout(TabSheet2);
  tableLayout->addWidget(StringGrid1);

  Button1 = MakeButton(QStringLiteral("Button1"), QStringLiteral("| <"), central);
  Button2 = MakeButton(QStringLiteral("Button2"), QStringLiteral("<"), central);
  Button3 = MakeButton(QStringLiteral("Button3"), QStringLiteral(">"), central);
  Button4 = MakeButton(QStringLiteral("Button4"), QStringLiteral("> |"), central);
  Button6 = MakeButton(QStringLiteral("Button6"), QStringLiteral("+"), central);
  Button7 = MakeButton(QStringLiteral("Button7"), QStringLiteral("-"), central);
  for (QPushButton* b : {Button1, Button2, Button3, Button4, Button6, Button7}) b->setFixedWidth(36);
  BitBtn11 = MakeButton(QStringLiteral("BitBtn11"), QString::fromUtf8("Daten übernehmen"), central);
  BitBtn11->setIcon(platform::StandardIcon(QStyle::SP_DialogApplyButton));
  BitBtn11->setToolTip(QString::fromUtf8("die veränderten Formular-Daten übernehmen"));
  BitBtn11->setStatusTip(BitBtn11->toolTip());
  BitBtn6 = MakeButton(QStringLiteral("BitBtn6"), QString::fromUtf8("Daten zurücksetzen"), central);
  BitBtn6->setIcon(platform::StandardIcon(QStyle::SP_DialogResetButton));
  BitBtn6->setToolTip(QString::fromUtf8("Änderungen zurücknehmen"));
  BitBtn6->setStatusTip(BitBtn6->toolTip());
  CheckBox2 = new QCheckBox(QString::fromUtf8("DS gelöscht"), central);
  CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
  // Only shows the mark of the current pupil; "-" marks, nothing here unmarks.
  CheckBox2->setFocusPolicy(Qt::NoFocus);
  Edit12 = MakeReadOnlyEdit(QStringLiteral("Edit12"), central);
  Edit13 = MakeReadOnlyEdit(QStringLiteral("Edit13"), central);
  Edit12->hide();
  Edit13->hide();

  auto* navigation = new QHBoxLayout;
  for (QPushButton* b : {Button1, Button2, Button3, Button4}) navigation->addWidget(b);
  navigation->addSpacing(12);
  navigation->addWidget(Button6);
  navigation->addWidget(Button7);
  navigation->addSpacing(12);
  navigation->addWidget(CheckBox2);
  navigation->addWidget(Edit12);
  navigation->addWidget(Edit13);
  navigation->addStretch();
  navigation->addWidget(BitBtn11);
  navigation->addWidget(BitBtn6);

  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(PageControl1, 1);
  layout->addLayout(navigation);

  connect(PageControl1, &QTabWidget::currentChanged, this, &TMainForm::OnPage1Changed);
  connect(PageControl2, &QTabWidget::currentChanged, this, &TMainForm::OnPage2Changed);
  // Code fills the list with signals blocked, so this runs for the user's choice only.
  connect(ListBox1, &QListWidget::currentRowChanged, this, &TMainForm::ListBox1Click);
  connect(Button1, &QPushButton::clicked, this, &TMainForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TMainForm::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TMainForm::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TMainForm::Button4Click);
  connect(Button6, &QPushButton::clicked, this, &TMainForm::Button6Click);
  connect(Button7, &QPushButton::clicked, this, &TMainForm::Button7Click);
  connect(BitBtn11, &QPushButton::clicked, this, &TMainForm::BitBtn11Click);
  connect(BitBtn6, &QPushButton::clicked, this, &TMainForm::BitBtn6Click);
  // A click on "DS gelöscht" changes no record, so the box keeps showing the record's mark.
  connect(CheckBox2, &QCheckBox::clicked, this, [this] {
    if (CurrentPupil < 0 || CurrentPupil >= static_cast<int>(Pupils.size())) return;
    const int active = Pupils[static_cast<std::size_t>(CurrentPupil)].Active;
    const QSignalBlocker blocker(CheckBox2);
    CheckBox2->setCheckState(active == 0 ? Qt::Checked : active == 1 ? Qt::Unchecked : Qt::PartiallyChecked);
  });
}

void TMainForm::BuildStatusLine() {
  StatusLine = new QStatusBar(this);
  StatusLine->setObjectName(QStringLiteral("StatusLine"));
  StatusLine->setSizeGripEnabled(true);
  setStatusBar(StatusLine);
  hintPanel_ = new platform::HintPanel(StatusLine);
  for (int i = 0; i < 3; ++i) {
    QLabel* panel = i == 0 ? hintPanel_ : new QLabel(StatusLine);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
    if (i < 2)
      panel->setFixedWidth(kStatusPanelWidths[i]);
    else
      panel->setMinimumWidth(kStatusPanelWidths[i]);
    StatusLine->addWidget(panel, i == 2 ? 1 : 0);
    statusPanels_[i] = panel;
  }
}

QAction* TMainForm::MenuItem(const QString& name) const { return findChild<QAction*>(name); }

QToolButton* TMainForm::SpeedButton(int number) const {
  return SpeedBar->findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(number));
}

QString TMainForm::StatusPanelText(int panel) const { return statusPanels_[panel]->text(); }

void TMainForm::SetStatusPanelText(int panel, const QString& text) { statusPanels_[panel]->setText(text); }

// ---------------------------------------------------------------------------
// Creation, first show, closing

void TMainForm::FormCreate(const QString& programPath) {
  move(5, 5);
  platform::SeedRandomFromClock();

  ProgramDir = QFileInfo(programPath).absolutePath();
  if (!ProgramDir.endsWith('/')) ProgramDir += '/';
  DataDir = ProgramDir + QStringLiteral("Daten/");
  if (!platform::DirExists(DataDir) && !platform::MakeDir(DataDir, platform::FileAccess::OwnerOnly)) {
    platform::ShowMessage(QStringLiteral("Problem beim Erstellen des Datenverzeichnis:\r") + DataDir + "\r",
                          platform::MsgKind::Information);
    DataDir = ProgramDir;
  }

  ArmsPictureColour = ProgramDir + QStringLiteral("13F.BMP");
  ArmsPictureMono = ProgramDir + QStringLiteral("13S.BMP");

  PupilNameList.clear();
  InitCourseLevelLists();

  SetCurrentPage(PageControl2, 0);

  ClassFileName = kDefaultClassFileName;
  FileSaveItem->setEnabled(false);
  SaveDialogOverwritePrompt = true;
  SaveDialogInitialDir = DataDir;
  SaveDialogFileName = ClassFileName;
  // The grade-list export choices are reset here once that unit exists.
}

void TMainForm::FormShow() {
  // Item lists of the data-sheet combos.
  for (const char* name : {"ComboBoxF2", "ComboBoxF3"}) SetComboItems(QString::fromLatin1(name), LanguageSubjectList);
  for (const char* name : {"ComboBoxF4", "ComboBoxF6"}) SetComboItems(QString::fromLatin1(name), ReligionSubjectList);
  for (const char* name : {"ComboBoxF8", "ComboBoxF9", "ComboBoxF14", "ComboBoxF15", "ComboBoxF16", "ComboBoxF17",
                           "ComboBoxF18"})
    SetComboItems(QString::fromLatin1(name), AllSubjectNames);
  SetComboItems(QStringLiteral("ComboBox38"), SubjectAbbrevList);
  for (int i = 1; i <= 6; ++i) SetComboItems(QStringLiteral("ComboBoxW%1").arg(i), ElectiveSubjectNames);

  ApplyShowDeletedSetting();
  ApplySchoolTypeToMainForm();

  Modified = false;
  SetSingleRecordClass(ZeroPupilRecord());
  InitPupilRecord(TemplatePupil);
  InitPupilRecord(ClipboardPupil);
  InitCurrentPupil();

  LastListIndex = ListBox1->currentRow();
  LastGridRow = 0;

  ShowCurrentPupil();
  SetCurrentPage(PageControl1, 0);
  SetStatusPanelText(1, ClassFileName);
  SetStatusPanelText(2, SchoolSettings.SchoolNameAddress.text());
  if (auto* surname = findChild<QWidget*>(QStringLiteral("Edit5"))) surname->setFocus();
}

bool TMainForm::FormClose() {
  StoreCurrentPupil();
  if (!platform::AskYesNo(kCloseQuestion, platform::MsgKind::Confirmation)) return false;
  if (Modified && platform::AskYesNo(kSaveOnCloseQuestion, platform::MsgKind::Warning)) {
    saveDeclined_ = false;
    const bool saved = FileSaveItem->isEnabled() ? FileSave() : FileSaveAs();
    // A save that failed keeps the program open with the class; one the
    // teacher declined ("Nicht Speichern" is "Abbrechen") closes without it.
    if (!saved && !saveDeclined_) return false;
  }
  Pupils.clear();
  ScratchPupils.clear();
  CurrentPupil = 0;
  PupilCount = 0;
  return true;
}

void TMainForm::showEvent(QShowEvent* event) {
  if (!shownOnce_) {
    shownOnce_ = true;
    // Placed at the centre of the desktop when first shown.
    if (const QScreen* screen = this->screen()) {
      QRect frame = frameGeometry();
      frame.moveCenter(screen->availableGeometry().center());
      move(frame.topLeft());
    }
    FormShow();
  }
  QMainWindow::showEvent(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (FormClose())
    event->accept();
  else
    event->ignore();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  const QSize wanted = MainFormSizeAfterResize(event->size(), windowState());
  if (wanted != event->size()) resize(wanted);
}

bool TMainForm::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    hintPanel_->ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

void TMainForm::SayInStatusLine(const QString& text) { hintPanel_->Say(text); }

// ---------------------------------------------------------------------------
// Services

void TMainForm::SetModified() {
  Modified = true;
  UpdatePupilPosition();
}

void TMainForm::ApplyShowDeletedSetting() { CheckBox2->setVisible(ProgramOptions.ShowDeletedPupils == 1); }

void TMainForm::ApplySchoolTypeToMainForm() {
  ApplyShowDeletedSetting();
  const int schoolType = SchoolSettings.SchoolType;
  const QStringList& levels = LevelComboItems(schoolType);
  for (int i = 1; i <= 24; ++i) SetComboItems(QStringLiteral("ComboBox%1").arg(i), levels);
  setWindowTitle(MainFormCaption(schoolType));
}

void TMainForm::ApplyProgramSettings() {
  ApplySchoolTypeToMainForm();
  FillPupilList();
  LastGridRow = 0;
  FillPupilGrid();
  Button1Click();
}

namespace {
bool HoldsItems(const QComboBox& combo, const QStringList& items) {
  if (combo.count() != items.size()) return false;
  for (int i = 0; i < combo.count(); ++i)
    if (combo.itemText(i) != items[i]) return false;
  return true;
}
}  // namespace

void TMainForm::SetComboItems(const QString& name, const QStringList& items) {
  // The data sheet's combos are found by name without searching the window.
  auto* combo = Sheet ? qobject_cast<QComboBox*>(Sheet->ByName.value(name)) : nullptr;
  if (!combo) combo = findChild<QComboBox*>(name);
  // Component names are matched regardless of case ("ComboBoxw4").
  if (!combo && Sheet)
    for (auto it = Sheet->ByName.cbegin(); it != Sheet->ByName.cend() && !combo; ++it)
      if (it.key().compare(name, Qt::CaseInsensitive) == 0) combo = qobject_cast<QComboBox*>(it.value());
  if (!combo)
    for (QComboBox* c : findChildren<QComboBox*>())
      if (c->objectName().compare(name, Qt::CaseInsensitive) == 0) combo = c;
  if (!combo) return;
  const QSignalBlocker blocker(combo);
  // The combo keeps its text across the new items; items it holds already
  // are not made anew.
  const QString text = combo->currentText();
  if (!HoldsItems(*combo, items)) {
    combo->clear();
    combo->addItems(items);
  }
  combo->setCurrentIndex(combo->findText(text));
  if (combo->isEditable()) combo->setEditText(text);
}

void TMainForm::SetCurrentPage(QTabWidget* pages, int index) {
  // Choosing a page from code runs no page-change handler.
  const QSignalBlocker blocker(pages);
  pages->setCurrentIndex(index);
  (pages == PageControl1 ? page1Index_ : page2Index_) = index;
}

int TMainForm::RunDialog(QDialog* dialog) { return dialog ? platform::RunModal(*dialog) : 0; }


// ---------------------------------------------------------------------------
// Page changes

void TMainForm::OnPage1Changed(int index) {
  const int leaving = page1Index_;
  page1Index_ = index;
  PageControl1Changing(leaving);
  PageControl1Change();
}

void TMainForm::OnPage2Changed(int index) {
  const int leaving = page2Index_;
  page2Index_ = index;
  PageControl2Changing(leaving);
  PageControl2Change();
}

void TMainForm::PageControl1Changing(int leavingIndex) {
  if (leavingIndex == 0) StoreCurrentPupil();
}

void TMainForm::PageControl1Change() {
  if (PageControl1->currentIndex() == 0) {
    BitBtn11->setVisible(true);
    BitBtn6->setVisible(true);
  }
  ShowCurrentPupil();
  SelectCurrentPupilInList();
}

void TMainForm::PageControl2Changing(int /*leavingIndex*/) {
  if (BewHilfForm && BewHilfForm->isVisible()) BewHilfForm->close();
}

void TMainForm::PageControl2Change() {
  BitBtn11Click();
  if (ProgramOptions.InfoHints == 1 && CurrentPupil >= 0 && CurrentPupil < PupilCount &&
      Pupils[static_cast<std::size_t>(CurrentPupil)].FormNumber < 1) {
    ShowInfoDialog(QStringLiteral("Hinweis"), QString(), QStringLiteral("Bitte legen Sie unbedingt zuerst alle"),
                   QString::fromUtf8("Zeugnisangaben (für den Zeugniskopf) fest."), QString(),
                   QString::fromUtf8("Bei späteren Änderungen mit Verschiebungen"),
                   QString::fromUtf8("bei den Fächern kann es zu Problemen kommen!"), 5000);
  }
}

// ---------------------------------------------------------------------------
// Data-sheet frame

void TMainForm::BitBtn11Click() {
  StoreCurrentPupil();
  ShowCurrentPupil();
  UpdatePupilPosition();
}

void TMainForm::BitBtn6Click() {
  ShowCurrentPupil();
  UpdatePupilPosition();
}

void TMainForm::BitBtn1Click() {
  if (BewHilfForm && !BewHilfForm->isVisible()) BewHilfForm->show();
}

void TMainForm::Memo2Change() { SetModified(); }
void TMainForm::Memo4Change() { SetModified(); }

// ---------------------------------------------------------------------------
// "&Datei"

void TMainForm::FilePrintSetup() { platform::RunPrinterSetup(this); }

void TMainForm::FileExit() { close(); }

// ---------------------------------------------------------------------------
// Commands of other units; the forwarding ones already lead to their target.

// Per-subject grade entry and the grade overview.
// The grid works on the stored records and may change them: store first,
// show afterwards. The overview counts the records as last stored.
void TMainForm::fcherweiseBewertungen1Click() {
  StoreCurrentPupil();
  RunDialog(FachEingForm);
  ShowCurrentPupil();
  UpdatePupilPosition();
}
void TMainForm::SpeedButton13Click() { fcherweiseBewertungen1Click(); }
// The grade statistics stay disabled.
void TMainForm::FachnotenStatistik1Click() {}
void TMainForm::SpeedButton14Click() {}
void TMainForm::Bewertungsbersicht1Click() { RunDialog(BewUebersForm); }
void TMainForm::VergabederBewertungen1Click() { Bewertungsbersicht1Click(); }
void TMainForm::FcherBewertungsbersicht1Click() { Bewertungsbersicht1Click(); }

// Record operations (the others in MainRecordCommands.cpp).
void TMainForm::LschenSchlerDatensatz1Click() { Button7Click(); }
void TMainForm::EditCut() { AusschneidenSchlerDatensatz1Click(); }
void TMainForm::EditCopy() { KopierenSchlerDatensatz1Click(); }
void TMainForm::EditPaste() { EinfgenSchlerDatensatz1Click(); }

// Sorts (MainRecordCommands.cpp) from the tool bar.
void TMainForm::SpeedButton21Click() { aufsteigend1Click(); }
void TMainForm::SpeedButton22Click() { absteigend1Click(); }
void TMainForm::SpeedButton23Click() { aufsteigend2Click(); }
void TMainForm::SpeedButton24Click() { absteigend2Click(); }
void TMainForm::SpeedButton27Click() { Mdchenzuerst1Click(); }
void TMainForm::SpeedButton28Click() { Jungenzuerst1Click(); }

// The hidden item; never chosen.
void TMainForm::Wahlpflichtfcherextrahieren1Click() {}

// Backup dialog: DatSich.cpp.

// Imports and the grade-list export: MainImportCommands.cpp.

// Settings export and import.
void TMainForm::exportieren1Click() { RunDialog(EinstExpForm); }
void TMainForm::importieren1Click() { RunDialog(EinstImpForm); }

// ---------------------------------------------------------------------------
// "Hilfs&mittel" > "temporäre Einstellungen"

void TMainForm::desFormulardruckslschen1Click() {
  // The form files of the program folder are the originals: never delete
  // them, which would happen when the data folder is the program folder.
  if (platform::SameFolder(DataDir, ProgramDir)) {
    platform::ShowMessage(
        QString::fromUtf8("Das Datenverzeichnis ist zur Zeit das Programmverzeichnis:\r") + DataDir +
            QString::fromUtf8("\r\rDie Formular-Druck-Steuerdateien (*.FST) dort sind die Originale\r"
                              "und werden deshalb nicht gelöscht!"),
        platform::MsgKind::Information);
    return;
  }
  if (!platform::AskYesNo(kDeleteFormCopiesQuestion, platform::MsgKind::Confirmation)) return;
  QStringList failed;
  for (const QString& path : platform::FindFiles(DataDir + QStringLiteral("*.FST")))
    if (!platform::RemoveFile(path)) failed << QFileInfo(path).fileName();
  if (!failed.isEmpty())
    platform::ShowMessage(QString::fromUtf8("Folgende Dateien konnten nicht gelöscht werden:\r") + failed.join('\r'),
                          platform::MsgKind::Error);
}

// ---------------------------------------------------------------------------
// "&Einstellungen"

// Both settings dialogs end by showing the pupil again, so what was typed on
// the data sheet is stored first.
void TMainForm::WahlpflichtFcher1Click() {
  StoreCurrentPupil();
  if (RunDialog(WpflEinstForm) == 1)
    for (int i = 1; i <= 6; ++i) SetComboItems(QStringLiteral("ComboBoxW%1").arg(i), ElectiveSubjectNames);
  ShowCurrentPupil();
  UpdatePupilPosition();
}

void TMainForm::ProgrammEinstellungen1Click() {
  if (RunDialog(ProgEinstForm) == 1) ApplyProgramSettings();
}

void TMainForm::SchulEinstellungen1Click() {
  StoreCurrentPupil();
  if (RunDialog(SchulEinstForm) == 1) {
    platform::ShowMessage(kSchoolTypeWarning, platform::MsgKind::Warning);
    ApplySchoolTypeToMainForm();
    ShowCurrentPupil();
    // The status line follows a changed school name.
    SetStatusPanelText(2, SchoolSettings.SchoolNameAddress.text());
  }
  UpdatePupilPosition();
}

// ---------------------------------------------------------------------------
// "&Hilfe"

void TMainForm::HelpContents() {
  const QString helpFile = ProgramDir + QString::fromUtf8(kHelpFile);
  if (!platform::FileExists(helpFile)) {
    platform::ShowMessage(QString::fromUtf8("Zu diesem Programm ist keine Hilfe-Datei installiert.\r\r"
                                            "Die Datei ") +
                              helpFile + QString::fromUtf8(" wurde nicht gefunden."),
                          platform::MsgKind::Information);
    return;
  }
  if (!platform::OpenHelpFile(helpFile))
    platform::ShowMessage(QString::fromUtf8("Die Hilfe-Datei\r") + helpFile +
                              QString::fromUtf8("\rkonnte nicht angezeigt werden!"),
                          platform::MsgKind::Error);
}

void TMainForm::HelpAbout() { RunDialog(AboutForm); }

}  // namespace quorv
