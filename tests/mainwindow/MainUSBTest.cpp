#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyle>
#include <QEnterEvent>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <map>

#include "mainwindow/MainFormFixture.h"
#include "records/GradeCodes.h"
#include "support/ScriptedMessages.h"

using namespace quorv;
using testsupport::MainFormTest;

TEST(MainForm, CreationSetsFoldersAndDesignedCaption) {
  testsupport::TempProgramDir dir;
  QDir(dir.programDir()).rmdir("Daten");
  TMainForm form(dir.programDir() + "quorv");
  EXPECT_EQ(ProgramDir, dir.programDir());
  EXPECT_EQ(DataDir, dir.programDir() + "Daten/");
  EXPECT_TRUE(QDir(DataDir).exists());
  EXPECT_EQ(ArmsPictureColour, dir.programDir() + "13F.BMP");
  EXPECT_EQ(ArmsPictureMono, dir.programDir() + "13S.BMP");
  EXPECT_EQ(ClassFileName, "Vorgabe.QVR");
  EXPECT_EQ(form.SaveDialogInitialDir, DataDir);
  EXPECT_EQ(form.SaveDialogFileName, "Vorgabe.QVR");
  EXPECT_FALSE(form.FileSaveItem->isEnabled());
  EXPECT_EQ(form.PageControl2->currentIndex(), 0);
  EXPECT_EQ(CourseLevelList, QStringList({"-", "B", "E", "G", "H", "R", "M"}));
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Zeugnisse für Velsland  V.3.1.g"));
}

TEST(MainForm, ExistingDataFolderIsKept) {
  testsupport::TempProgramDir dir;
  dir.writeFile(dir.dataDir() + "7a.QVR", "class");
  TMainForm form(dir.programDir() + "quorv");
  EXPECT_EQ(DataDir, dir.dataDir());
  EXPECT_TRUE(QFile::exists(dir.dataDir() + "7a.QVR"));
}

TEST(MainForm, DataFolderFallsBackToProgramFolder) {
  testsupport::TempProgramDir dir;
  QDir(dir.programDir()).rmdir("Daten");
  dir.writeFile(dir.programDir() + "Daten", "a file in the way");
  testsupport::ScriptedMessages msgs;
  msgs.expect(QStringLiteral("Problem beim Erstellen des Datenverzeichnis:\r") + dir.programDir() + "Daten/\r",
              platform::MsgKind::Information);
  TMainForm form(dir.programDir() + "quorv");
  EXPECT_EQ(DataDir, dir.programDir());
  EXPECT_EQ(form.SaveDialogInitialDir, dir.programDir());
  EXPECT_EQ(msgs.shown().size(), 1u);
}

TEST_F(MainFormTest, FirstShowMakesOneDefaultPupilAndSchoolCaption) {
  SchoolSettings.SchoolType = 2;
  SchoolSettings.SchoolNameAddress.setText(QString::fromUtf8("Regionale Schule Seeblick, Lübzer Straße 1"));
  Modified = true;
  auto& form = ShownForm();
  EXPECT_EQ(PupilCount, 1);
  ASSERT_EQ(Pupils.size(), 1u);
  EXPECT_EQ(CurrentPupil, 0);
  EXPECT_EQ(Pupils[0].Surname, "???");
  EXPECT_EQ(Pupils[0].Active, 1);
  EXPECT_EQ(Pupils[0].FormNumber, -1);
  EXPECT_EQ(Pupils[0].KeyNumber, -9999999);
  EXPECT_EQ(TemplatePupil.Surname, "???");
  EXPECT_EQ(ClipboardPupil.Surname, "???");
  EXPECT_FALSE(Modified);
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Zeugnisse für Velsland  V.3.1.       -- Regionale Schule --"));
  EXPECT_EQ(form.StatusPanelText(1), "Vorgabe.QVR");
  EXPECT_EQ(form.StatusPanelText(2), QString::fromUtf8("Regionale Schule Seeblick, Lübzer Straße 1"));
  EXPECT_FALSE(form.FileSaveItem->isEnabled());
  EXPECT_EQ(form.PageControl1->currentIndex(), 0);
  EXPECT_EQ(form.PageControl2->currentIndex(), 0);
  EXPECT_TRUE(form.Edit73->isHidden());
  EXPECT_EQ(form.LastGridRow, 0);
}

TEST_F(MainFormTest, FirstShowRunsNoPageChangeHandler) {
  // Choosing the first pages from code must not store or show through the
  // page-change handlers; the first show shows the pupil once.
  testsupport::LoggingMainForm form(dir.programDir() + "quorv");
  form.PageControl1->setCurrentIndex(1);
  form.calls.clear();
  form.show();
  EXPECT_EQ(form.calls, testsupport::Calls({"Show"}));
  EXPECT_EQ(form.PageControl1->currentIndex(), 0);
}

TEST(MainForm, CaptionPerSchoolType) {
  const struct {
    int type;
    const char* ending;
  } cases[] = {{0, "-- ?? Schultyp ?? --"}, {1, "-- Grundschule --"}, {2, "-- Regionale Schule --"},
               {3, "-- Integrierte Gesamtschule --"}, {4, "-- Gymnasium --"}, {5, "-- Hauptschule --"},
               {6, "-- Realschule --"}, {7, "-- Förderschule --"}, {8, "-- ?? Schultyp ?? --"},
               {9, "-- Schule zur individuellen Lebensbewältigung --"}, {10, "-- ?? Schultyp ?? --"}};
  for (const auto& c : cases)
    EXPECT_EQ(MainFormCaption(c.type), QString::fromUtf8("Zeugnisse für Velsland  V.3.1.       ") + QString::fromUtf8(c.ending));
}

TEST_F(MainFormTest, SchoolTypeSetsCaptionAndLevelLists) {
  auto& form = ShownForm();
  // The first and the last level combo of the data sheet.
  auto* first = form.findChild<QComboBox*>("ComboBox1");
  auto* last = form.findChild<QComboBox*>("ComboBox24");
  ASSERT_TRUE(first && last);
  int userEdits = 0;
  QObject::connect(first, &QComboBox::currentIndexChanged, [&] { ++userEdits; });
  for (int type = 0; type <= 9; ++type) {
    SchoolSettings.SchoolType = static_cast<std::uint16_t>(type);
    form.ApplySchoolTypeToMainForm();
    const QStringList& expected = type == 2 ? CourseLevelListNoG : CourseLevelList;
    for (QComboBox* combo : {first, last}) {
      QStringList items;
      for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
      EXPECT_EQ(items, expected) << "school type " << type;
    }
    EXPECT_EQ(form.windowTitle(), MainFormCaption(type));
  }
  EXPECT_FALSE(CourseLevelListNoG.contains("G"));
  EXPECT_EQ(userEdits, 0) << "filling from code must not run the edit handlers";
}

TEST_F(MainFormTest, DeletedBoxFollowsTheOption) {
  auto& form = ShownForm();
  EXPECT_TRUE(form.CheckBox2->isHidden());
  ProgramOptions.ShowDeletedPupils = 1;
  form.ApplyShowDeletedSetting();
  EXPECT_FALSE(form.CheckBox2->isHidden());
  ProgramOptions.ShowDeletedPupils = 0;
  form.ApplySchoolTypeToMainForm();
  EXPECT_TRUE(form.CheckBox2->isHidden());
}

TEST_F(MainFormTest, HintGoesToStatusPanelZero) {
  auto& form = ShownForm();
  QStatusTipEvent tip(QStringLiteral("vorhandene Datei öffnen"));
  QCoreApplication::sendEvent(&form, &tip);
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("vorhandene Datei öffnen"));
  EXPECT_EQ(form.StatusPanelText(1), "Vorgabe.QVR");
}

TEST_F(MainFormTest, PointingAtAControlShowsItsHintInTheStatusLine) {
  auto& form = ShownForm();
  for (QWidget* control :
       std::initializer_list<QWidget*>{form.PageControl1, form.PageControl2, form.BitBtn11, form.SpeedButton(2)}) {
    form.SetStatusPanelText(0, QString());
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(control, &enter);
    EXPECT_FALSE(control->toolTip().isEmpty()) << control->objectName().toStdString();
    EXPECT_EQ(form.StatusPanelText(0), control->toolTip());
  }
}

// ---------------------------------------------------------------------------
// The window's structure

namespace {

struct ExpectedItem {
  const char* parent;  // "" = the menu bar
  const char* name;
  const char* caption;
  bool enabled;  // an invisible item cannot be chosen either
  bool visible;
};

const ExpectedItem kExpectedMenu[] = {
    {"", "FileMenu", "&Datei", true, true},
    {"FileMenu", "FileNewItem", "&Neu", true, true},
    {"FileMenu", "FileOpenItem", "&Öffnen ...", true, true},
    {"FileMenu", "FileSaveItem", "&Speichern", false, true},
    {"FileMenu", "FileSaveAsItem", "Speichern &unter ...", true, true},
    {"FileMenu", "Seitenansichtzeigen2", "Seitenansicht zeigen", true, true},
    {"FileMenu", "FilePrintSetupItem", "&Drucker einrichten ...", true, true},
    {"FileMenu", "FileExitItem", "&Beenden", true, true},
    {"", "Eingeben1", "&Eingeben", true, true},
    {"Eingeben1", "fcherweiseBewertungen1", "&fächerweise Bewertungen, ...", true, true},
    {"", "Bearbeiten1", "&Bearbeiten", true, true},
    {"Bearbeiten1", "LschenSchlerDatensatz1", "&Löschen (Schüler-Datensatz)", true, true},
    {"Bearbeiten1", "AusschneidenSchlerDatensatz1", "&Ausschneiden (Schüler-Datensatz)", false, true},
    {"Bearbeiten1", "KopierenSchlerDatensatz1", "&Kopieren (Schüler-Datensatz)", false, true},
    {"Bearbeiten1", "EinfgenSchlerDatensatz1", "&Einfügen (Schüler-Datensatz)", false, true},
    {"", "Berechnen1", "Berechnen", true, true},
    {"Berechnen1", "FachnotenStatistik1", "Fachnoten-Statistik", false, true},
    {"Berechnen1", "Bewertungsbersicht1", "Fächer-Bewertungs-Übersicht", true, true},
    {"", "Testen1", "&Testen", true, true},
    {"Testen1", "aufVollstndigkeit1", "auf Vollständigkeit", true, true},
    {"Testen1", "VergabederBewertungen1", "Vergabe der Bewertungen", true, true},
    {"Testen1", "Seitenansichtzeigen1", "Seitenansicht zeigen", true, true},
    {"", "Drucken1", "D&rucken", true, true},
    {"Drucken1", "frALLEfolgendenSchler1", "für &ALLE folgenden Schüler", true, true},
    {"frALLEfolgendenSchler1", "SchlerDatenbltter1", "die Schüler-&Datenblätter", true, true},
    {"frALLEfolgendenSchler1", "LernentwberichtefrZeugniskonferenz1", "die &Lernentw.-berichte für Zeugniskonferenz",
     true, true},
    {"frALLEfolgendenSchler1", "ausgewhlteZeugnistypen1", "die &Zeugnisse", true, true},
    {"frALLEfolgendenSchler1", "dieEmpfangsbekenntnisse1", "die &Empfangsbekenntnisse", true, true},
    {"Drucken1", "SchlerDatenblatt1", "Schüler-&Datenblatt", true, true},
    {"Drucken1", "Lernentwicklungsbericht1", "Lernentwicklungsbericht", true, true},
    {"Drucken1", "Seitenansicht1", "erst Seitenansicht zeigen", true, true},
    {"Drucken1", "ausgewhlterZeugnistyp1", "&Zeugnis", true, true},
    {"Drucken1", "Empfangsbekenntnis1", "&Empfangsbekenntnis", true, true},
    {"", "Sortieren1", "&Sortieren", true, true},
    {"Sortieren1", "nachNamen1", "nach &Namen", true, true},
    {"nachNamen1", "aufsteigend1", "au&fsteigend", true, true},
    {"nachNamen1", "absteigend1", "a&bsteigend", true, true},
    {"Sortieren1", "nachSchlsselnummer1", "nach &Schlüsselnummer", true, true},
    {"nachSchlsselnummer1", "aufsteigend2", "au&fsteigend", true, true},
    {"nachSchlsselnummer1", "absteigend2", "a&bsteigend", true, true},
    {"Sortieren1", "nachKlasse1", "nach &Klasse", true, true},
    {"nachKlasse1", "aufsteigend3", "au&fsteigend", true, true},
    {"nachKlasse1", "absteigend3", "a&bsteigend", true, true},
    {"Sortieren1", "wieimKlassenbuch1", "wie im Klassen&buch", true, true},
    {"wieimKlassenbuch1", "Mdchenzuerst1", "&Mädchen zuerst", true, true},
    {"wieimKlassenbuch1", "Jungenzuerst1", "&Jungen zuerst", true, true},
    {"", "Hilfsmittel1", "Hilfs&mittel", true, true},
    {"Hilfsmittel1", "FcherBewertungsbersicht1", "Fächer-Bewertungs-Übersicht", true, true},
    {"Hilfsmittel1", "frALLEfolgendenSchlerbernehmen1", "für ALLE folgenden Schüler übernehmen", true, true},
    {"frALLEfolgendenSchlerbernehmen1", "N1Fremdsprache1", "1. Fremdsprache", true, true},
    {"frALLEfolgendenSchlerbernehmen1", "N2Fremdsprache1", "2. Fremdsprache", true, true},
    {"frALLEfolgendenSchlerbernehmen1", "ReligionPhilmK1", "Religion/Phil. m. K.", true, true},
    {"frALLEfolgendenSchlerbernehmen1", "zustzlichesFach1", "(erstes) zusätzliches Fach", true, true},
    {"frALLEfolgendenSchlerbernehmen1", "Wahlpflicht1HJ1", "Wahlpflicht 1. HJ", true, true},
    {"frALLEfolgendenSchlerbernehmen1", "Wahlpflicht2HJ1", "Wahlpflicht 2. HJ", true, true},
    {"frALLEfolgendenSchlerbernehmen1", "Wahlpflicht12HJ1", "Wahlpflicht 1.+2. HJ", true, true},
    {"Hilfsmittel1", "temporreEinstellungen1", "temporäre Einstellungen", true, true},
    {"temporreEinstellungen1", "desFormulardruckslschen1", "des Formulardrucks löschen", true, true},
    {"Hilfsmittel1", "Wahlpflichtfcherextrahieren1", "Wahlpflichtfächer extrahieren", false, false},
    {"Hilfsmittel1", "gelschteDatenstzeentgltigentfernen1", "gelöschte Datensätze entgültig &entfernen", true, true},
    {"Hilfsmittel1", "estblattausdrucken1", "Testblatt ausdrucken ", true, true},
    {"Hilfsmittel1", "vollstndigeDatensicherung1", "vollständige Datensicherung ...", true, true},
    {"", "Kommunikation1", "&Kommunikation", true, true},
    {"Kommunikation1", "mitFachlehrern1", "mit &Fachlehrern", false, false},
    {"mitFachlehrern1", "Fachzensurenlistevorbereiten1", "Fachzensuren-Liste(n) exportieren ...", true, true},
    {"mitFachlehrern1", "WahlpflichtFachzensurenListenexportieren1", "Wahlpflicht-Fachzensuren-Liste(n) exportieren",
     true, true},
    {"WahlpflichtFachzensurenListenexportieren1", "N1Halbjahr1", "1. Halbjahr", true, true},
    {"WahlpflichtFachzensurenListenexportieren1", "N2Halbjahr1", "2. Halbjahr", true, true},
    {"mitFachlehrern1", "FachzensurenListeimportieren1", "Fachzensuren-Liste importieren", true, true},
    {"mitFachlehrern1", "WahlpflichtFachzensurenListeimportieren1", "Wahlpflicht-Fachzensuren-Liste importieren", true,
     true},
    {"WahlpflichtFachzensurenListeimportieren1", "N1Halbjahr2", "1. Halbjahr", true, true},
    {"WahlpflichtFachzensurenListeimportieren1", "N2Halbjahr2", "2. Halbjahr", true, true},
    {"Kommunikation1", "mitSchulverwaltung1", "mit &Schulverwaltung", true, true},
    {"Kommunikation1", "Einstellungen2", "&Einstellungen", true, true},
    {"Einstellungen2", "exportieren1", "exportieren ...", true, true},
    {"Einstellungen2", "importieren1", "importieren ...", true, true},
    {"Kommunikation1", "mitanderenProgrammen1", "mit anderen Programmen", true, true},
    {"mitanderenProgrammen1", "importierenvonSchlerdatenimTXTFormat1", "importieren von Schülerdaten im TXT-Format ...",
     true, true},
    {"mitanderenProgrammen1", "importierenvonBewertungenimTXTFormat1", "importieren von Bewertungen im TXT-Format ...",
     true, true},
    {"mitanderenProgrammen1", "importierenvonDatenimXMLFormat1", "importieren von Daten im XML-Format ...", false,
     true},
    {"mitanderenProgrammen1", "exportierenderDatenimXMLFormat1", "exportieren der Daten im XML-Format ...", false,
     true},
    {"", "Einstellungen1", "&Einstellungen", true, true},
    {"Einstellungen1", "WahlpflichtFcher1", "&Wahlpflicht-Fächer", true, true},
    {"Einstellungen1", "DruckOptionen1", "&Druck-Optionen", true, true},
    {"Einstellungen1", "ProgrammEinstellungen1", "&Programm-Einstellungen", true, true},
    {"Einstellungen1", "SchulEinstellungen1", "&Schul-Einstellungen", true, true},
    {"", "HelpMenu", "&Hilfe", true, true},
    {"HelpMenu", "HilfezumProgramm1", "&Hilfe zum Programm", true, true},
    {"HelpMenu", "HelpAboutItem", "Programm-&Informationen", true, true},
};

struct ExpectedButton {
  int number;
  const char* hint;
  bool enabled;
};

const ExpectedButton kExpectedSpeedBar[] = {
    {1, "Neue Datei erstellen", true},
    {2, "vorhandene Datei öffnen", true},
    {3, "aktuelle Datei speichern", true},
    {4, "aktuelle Datei neu speichern", true},
    {5, "Drucker-Systemeinstellungen", true},
    {6, "Schüler-Datensatz ausschneiden", false},
    {7, "Schüler-Datensatz in die Zwischenablage kopieren", false},
    {8, "Schüler-Datensatz aus der Zwischenablage einfügen", false},
    {9, "Hilfe zum Programm", true},
    {10, "Programm-Informationen", true},
    {11, "Programm beenden", true},
    {17, "ausgewählten Zeugnis-Typ drucken", true},
    {18, "Empfangsbekenntnis drucken", true},
    {19, "Seitenansicht des aktuellen Zeugnisses auf dem Bildschirm anzeigen", true},
    {21, "nach Namen aufsteigend (A..Z) sortieren", true},
    {22, "nach Namen absteigend (Z..A) sortieren", true},
    {23, "nach Schlüsselnummer aufsteigend sortieren", true},
    {24, "nach Schlüsselnummer absteigend sortieren", true},
    {27, "wie im Klassenbuch (Mädchen zuerst) sortieren", true},
    {28, "wie im Klassenbuch (Jungen zuerst) sortieren", true},
    {12, "Seitenansicht des Empfangsbekenntnisses auf dem Bildschirm anzeigen", true},
    {13, "Fächerweise Eingabe der Bewertungen (, Anspruchsebenen, Zusätze)", true},
    {14, "Fächern-Noten-Statistik erstellen", false},
};

QList<QAction*> ItemsOf(const TMainForm& form, const QString& parent) {
  QList<QAction*> items;
  const QList<QAction*> all =
      parent.isEmpty() ? form.menuBar()->actions() : form.findChild<QMenu*>(parent)->actions();
  for (QAction* a : all)
    if (!a->isSeparator()) items << a;
  return items;
}

}  // namespace

TEST_F(MainFormTest, EveryMenuItemWithCaptionAndState) {
  auto& form = ShownForm();
  std::map<QString, int> position;  // next expected index within each parent
  for (const auto& e : kExpectedMenu) {
    const QString parent = QString::fromUtf8(e.parent);
    QAction* item = form.MenuItem(QString::fromUtf8(e.name));
    ASSERT_NE(item, nullptr) << e.name;
    EXPECT_EQ(item->text(), QString::fromUtf8(e.caption)) << e.name;
    EXPECT_EQ(item->isEnabled(), e.enabled) << e.name;
    EXPECT_EQ(item->isVisible(), e.visible) << e.name;
    if (!parent.isEmpty()) {
      ASSERT_NE(form.findChild<QMenu*>(parent), nullptr) << e.parent;
    }
    const QList<QAction*> siblings = ItemsOf(form, parent);
    const int index = position[parent]++;
    ASSERT_LT(index, siblings.size()) << e.name;
    EXPECT_EQ(siblings[index], item) << e.name << " is not item " << index << " of " << e.parent;
  }
  for (const auto& [parent, count] : position)
    EXPECT_EQ(ItemsOf(form, parent).size(), count) << "items in " << parent.toStdString();
}

TEST_F(MainFormTest, SpeedBarButtonsInOrderWithHints) {
  auto& form = ShownForm();
  QList<QToolButton*> buttons;
  for (QAction* a : form.SpeedBar->actions())
    if (auto* b = qobject_cast<QToolButton*>(form.SpeedBar->widgetForAction(a))) buttons << b;
  ASSERT_EQ(buttons.size(), static_cast<int>(std::size(kExpectedSpeedBar)));
  for (int i = 0; i < buttons.size(); ++i) {
    const auto& e = kExpectedSpeedBar[i];
    EXPECT_EQ(buttons[i]->objectName(), QStringLiteral("SpeedButton%1").arg(e.number));
    EXPECT_EQ(buttons[i]->toolTip(), QString::fromUtf8(e.hint)) << e.number;
    EXPECT_EQ(buttons[i]->statusTip(), QString::fromUtf8(e.hint)) << e.number;
    EXPECT_EQ(buttons[i]->isEnabled(), e.enabled) << e.number;
  }
  EXPECT_EQ(form.Edit73->toolTip(), QString::fromUtf8("Daten wurden verändert"));
}

TEST_F(MainFormTest, PagesButtonsAndStatusLine) {
  auto& form = ShownForm();
  const QStringList pages1{QString::fromUtf8("Schüler-Datenblätter"), QString::fromUtf8("Schüler-Tabelle")};
  const QStringList names1{"TabSheet1", "TabSheet2"};
  ASSERT_EQ(form.PageControl1->count(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(form.PageControl1->tabText(i), pages1[i]);
    EXPECT_EQ(form.PageControl1->widget(i)->objectName(), names1[i]);
  }
  const QStringList pages2{"Zeugnis-Kopf", "Text-Bereich", "Vermerke", QString::fromUtf8("Fächer u. Bewertungen"),
                           QString::fromUtf8("(Wahlpfl. u.) Zeugnis-Fuß")};
  ASSERT_EQ(form.PageControl2->count(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(form.PageControl2->tabText(i), pages2[i]);
    EXPECT_EQ(form.PageControl2->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(10 + i));
  }
  EXPECT_TRUE(form.TabSheet1->isAncestorOf(form.PageControl2));
  EXPECT_TRUE(form.TabSheet1->isAncestorOf(form.ListBox1));
  for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"}) {
    auto* edit = form.TabSheet1->findChild<QLineEdit*>(name);
    ASSERT_NE(edit, nullptr) << name;
    EXPECT_TRUE(edit->isReadOnly()) << name;
  }
  EXPECT_TRUE(form.StringGrid1->isHidden());

  const struct {
    const char* name;
    const char* caption;
  } buttons[] = {{"Button1", "| <"}, {"Button2", "<"}, {"Button3", ">"}, {"Button4", "> |"}, {"Button6", "+"},
                 {"Button7", "-"},   {"BitBtn11", "Daten übernehmen"},   {"BitBtn6", "Daten zurücksetzen"}};
  for (const auto& b : buttons) {
    auto* button = form.findChild<QPushButton*>(b.name);
    ASSERT_NE(button, nullptr) << b.name;
    EXPECT_EQ(button->text(), QString::fromUtf8(b.caption)) << b.name;
  }
  EXPECT_EQ(form.BitBtn11->toolTip(), QString::fromUtf8("die veränderten Formular-Daten übernehmen"));
  EXPECT_EQ(form.BitBtn6->toolTip(), QString::fromUtf8("Änderungen zurücknehmen"));
  EXPECT_EQ(form.CheckBox2->text(), QString::fromUtf8("DS gelöscht"));
  EXPECT_TRUE(form.Edit12->isHidden());
  EXPECT_TRUE(form.Edit13->isHidden());

  EXPECT_EQ(form.StatusLine, form.statusBar());
  const QList<QLabel*> panels = form.StatusLine->findChildren<QLabel*>(QRegularExpression("^StatusPanel"));
  ASSERT_EQ(panels.size(), 3);
  EXPECT_EQ(form.StatusLine->findChild<QLabel*>("StatusPanel0")->width(), 400);
  EXPECT_EQ(form.StatusLine->findChild<QLabel*>("StatusPanel1")->width(), 200);
  EXPECT_GE(form.StatusLine->findChild<QLabel*>("StatusPanel2")->width(), 50);
}

TEST_F(MainFormTest, PupilListGrowsWithTheWindow) {
  auto& form = ShownForm();
  const QString name = QString::fromUtf8("Müller-Lüdenscheidt, Jörg");
  for (int i = 0; i < 40; ++i) form.ListBox1->addItem(name);  // with the scroll bar
  const int margin = 2 * (form.ListBox1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
  for (int width : {kMinMainFormWidth, 1400}) {
    form.resize(width, kMinMainFormHeight);
    QCoreApplication::processEvents();
    EXPECT_GE(form.ListBox1->width(), kPupilListMinWidth) << width;
  }
  EXPECT_GE(form.ListBox1->viewport()->width(), form.ListBox1->fontMetrics().horizontalAdvance(name) + margin);
}
