#pragma once
// The main window: menu, tool bar, the two page controls, the status line,
// the settings commands and closing.
#include <QMainWindow>
#include <QSize>
#include <QStringList>

class QAction;
class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTableWidget;
class QToolBar;
class QToolButton;

namespace platform {
class HintPanel;
}

namespace quorv {

enum class TSortOrder;
enum class TNobodyFollows;
struct TPupilRecord;

inline constexpr const char* kDesignedCaption = "Zeugnisse für Velsland  V.3.1.g";
inline constexpr const char* kHelpFile = "Quorv3.hlp";

// Smallest size of the window in its normal state.
inline constexpr int kMinMainFormWidth = 795;
inline constexpr int kMinMainFormHeight = 580;
inline constexpr int kPupilListMinWidth = 125;

// The caption for a school type.
QString MainFormCaption(int schoolType);
// The items of the 24 course-level combos for a school type.
const QStringList& LevelComboItems(int schoolType);
// The size the window is set to after a resize in the given state.
QSize MainFormSizeAfterResize(QSize size, Qt::WindowStates state);

// What a carry to the following pupils, or a class print, that met nobody
// tells the teacher: that nothing was done and why.
enum class TFollowingRun { Carry, Print };
QString NobodyFollowsMessage(TNobodyFollows why, TFollowingRun run);

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMainForm(const QString& programPath, QWidget* parent = nullptr);

  void FormCreate(const QString& programPath);
  void FormShow();
  // The close questions; true when the window may close.
  bool FormClose();

  // Services for the data-sheet, list and command units.
  void SetModified();
  void ApplyShowDeletedSetting();
  void ApplySchoolTypeToMainForm();
  void ApplyProgramSettings();
  // Virtual so that tests can follow the order of the calls.
  virtual void StoreCurrentPupil();
  virtual void ShowCurrentPupil();
  virtual void UpdatePupilPosition();
  virtual void FillPupilList();
  virtual void SelectCurrentPupilInList();
  virtual void FillPupilGrid();

  QString StatusPanelText(int panel) const;
  void SetStatusPanelText(int panel, const QString& text);

  // The dialogs the menu shows; set by the program entry after creating them.
  QDialog* SchulEinstForm = nullptr;
  QDialog* ProgEinstForm = nullptr;
  QDialog* WpflEinstForm = nullptr;
  QDialog* DrkEinstForm = nullptr;
  QDialog* AboutForm = nullptr;
  QDialog* BewUebersForm = nullptr;
  QDialog* FachEingForm = nullptr;
  QDialog* EinstExpForm = nullptr;
  QDialog* EinstImpForm = nullptr;
  QDialog* FaNoExpForm = nullptr;
  QDialog* NeuDSForm = nullptr;
  QDialog* DatSichForm = nullptr;
  // The modeless code list.
  QWidget* BewHilfForm = nullptr;

  // Pupil list staging and the positions of the last list and table clicks.
  QStringList PupilNameList;
  int LastListIndex = -1;
  int LastGridRow = 0;

  // The save dialog's settings, kept for the class-file commands.
  QString SaveDialogInitialDir;
  QString SaveDialogFileName;
  bool SaveDialogOverwritePrompt = true;

  // Controls, named as their objectName.
  QToolBar* SpeedBar;
  QLineEdit* Edit73;
  QTabWidget* PageControl1;
  QWidget* TabSheet1;
  QWidget* TabSheet2;
  QListWidget* ListBox1;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QLineEdit* Edit4;
  QTabWidget* PageControl2;
  QWidget* TabSheet10;
  QWidget* TabSheet11;
  QWidget* TabSheet12;
  QWidget* TabSheet13;
  QWidget* TabSheet14;
  QTableWidget* StringGrid1;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  QPushButton* Button6;
  QPushButton* Button7;
  QPushButton* BitBtn11;
  QPushButton* BitBtn6;
  QCheckBox* CheckBox2;
  QLineEdit* Edit12;
  QLineEdit* Edit13;
  QStatusBar* StatusLine;
  QAction* FileSaveItem = nullptr;

  QAction* MenuItem(const QString& name) const;
  QToolButton* SpeedButton(int number) const;

  // ---- data sheet (MainDataSheet.cpp) ----
  // The controls of the pupil data sheet (DataSheetControls.h).
  struct DataSheetControls;
  DataSheetControls* Sheet = nullptr;
  // Builds the controls on TabSheet10..14; called once by the constructor.
  void BuildDataSheet();
  void UpdateControlVisibility();
  void CheckAssessmentLevelChange();
  // The controls into the record, the form number decided anew.
  void StoreSheetInto(TPupilRecord& r);
  // Field handlers that showing a pupil runs as well.
  void ComboBox41Change();
  void RadioGroup1Click();
  void Edit63Exit();
  // ---- end of data sheet ----

  // ---- text areas (MainTextAreas.cpp) ----
  void ConnectTextAreas();
  void ComboBox39Select(int index);
  void BitBtn10Click();
  void BitBtn12Click();
  void BitBtn13Click();
  void BitBtn14Click();
  void BitBtn15Click();
  void BitBtn16Click();
  void BitBtn25Click();
  void BitBtn26Click();
  void BitBtn27Click();
  // ---- end of text areas ----

  // ---- pupil list, navigation and table (MainNavigation.cpp) ----
  // The record each entry of ListBox1 shows, in list order.
  QList<int> PupilListRecords;

  // Moves to the first reachable pupil as "| <" does, without storing the
  // data sheet and without showing.
  void SelectFirstReachablePupil();

  // The table page's grid. Row 0 is the header row; data rows start at 1.
  void ClearPupilGrid();
  void FillGridRow(int row, int record);
  // Reads every cell of the row into the record.
  void ReadGridRow(int row, int record);
  // Writes the cells edited since the grid was filled back into the records
  // they were filled from.
  void StoreGridIntoRecords();
  void RefreshPupilGrid();
  // The record a data row was filled from, or -1.
  int GridRowRecord(int row) const;
  // The row drawn as the current pupil's.
  bool IsCurrentGridRow(int row) const;
  // True when the key was handled (Enter moves to the next cell).
  bool StringGrid1KeyPress(QChar key);
  void StringGrid1Click(int row);
  void StringGrid1Exit();

 private:
  struct GridRowSource {
    int record;
    int keyNumber;
    QStringList filled;  // the cells as filled, to tell edited ones
  };
  QList<GridRowSource> gridRows_;
  int gridSchoolType_ = 0;
  bool gridHooked_ = false;
  void HookPupilGrid();

 public:
  // ---- end of pupil list, navigation and table ----

  // ---- class-file commands (MainFileCommands.cpp) ----
 private:
  // The saves without storing the data sheet first; true when written.
  bool SaveClassFile();
  bool SaveClassFileAs();
  // Runs the save dialog until a usable name is chosen; false on Cancel.
  bool ChooseSaveTarget(QString& folder, QString& name);
  // The offers to carry the elective list along with the class file.
  void OfferElectiveListFrom(const QString& previousFolder);
  void OfferElectiveListTo(const QString& previousFolder);
  // Set when the last save was not written because the teacher chose not to:
  // "Abbrechen" at the version question or in the save dialog.
  bool saveDeclined_ = false;

 public:
  // ---- end of class-file commands ----

  // ---- record operations (MainRecordCommands.cpp) ----
  // Stores the sheet and sorts the whole class; the current index is kept.
  void SortClass(TSortOrder order);
  // ---- end of record operations ----

  // ---- carrying values to the following pupils and the sheet's buttons (MainPropagation.cpp) ----
  // Connects the sheet's buttons and field handlers of that unit; called once by the constructor.
  void ConnectSheetCommands();
  // Runs the header command of the "für ALLE" button with this component name.
  void CarryHeaderCommand(const QString& button);
  void ComboBox42Change();
  void ComboBox43Change();
  void ComboBox45Change();
  void ComboBox38Change();
  void BitBtn7Click();
  void BitBtn21Click();
  void BitBtn22Click();
  void BitBtn23Click();
  void SpeedButton15Click();
  void SpeedButton16Click();
  void SpeedButton20Click();
  // ---- end of carrying values ----

 public slots:
  // "&Datei"
  void FileNew();
  void FileOpen();
  virtual bool FileSave();
  virtual bool FileSaveAs();
  void Seitenansichtzeigen2Click();
  void FilePrintSetup();
  void FileExit();
  // "&Eingeben"
  void fcherweiseBewertungen1Click();
  // "&Bearbeiten" and the record-clipboard speed buttons
  void LschenSchlerDatensatz1Click();
  void AusschneidenSchlerDatensatz1Click();
  void KopierenSchlerDatensatz1Click();
  void EinfgenSchlerDatensatz1Click();
  void EditCut();
  void EditCopy();
  void EditPaste();
  // "Berechnen", "&Testen"
  void FachnotenStatistik1Click();
  void Bewertungsbersicht1Click();
  void VergabederBewertungen1Click();
  void Seitenansichtzeigen1Click();
  // "D&rucken"
  void SchlerDatenbltter1Click();
  void LernentwberichtefrZeugniskonferenz1Click();
  void ausgewhlteZeugnistypen1Click();
  void dieEmpfangsbekenntnisse1Click();
  void SchlerDatenblatt1Click();
  void Lernentwicklungsbericht1Click();
  void Seitenansicht1Click();
  void ausgewhlterZeugnistyp1Click();
  void Empfangsbekenntnis1Click();
  void SeitenansichtEmpfB1Click();
  // "&Sortieren"
  void aufsteigend1Click();
  void absteigend1Click();
  void aufsteigend2Click();
  void absteigend2Click();
  void aufsteigend3Click();
  void absteigend3Click();
  void Mdchenzuerst1Click();
  void Jungenzuerst1Click();
  // "Hilfs&mittel"
  void FcherBewertungsbersicht1Click();
  void N1Fremdsprache1Click();
  void N2Fremdsprache1Click();
  void ReligionPhilmK1Click();
  void zustzlichesFach1Click();
  void Wahlpflicht1HJ1Click();
  void Wahlpflicht2HJ1Click();
  void Wahlpflicht12HJ1Click();
  void desFormulardruckslschen1Click();
  void Wahlpflichtfcherextrahieren1Click();
  void gelschteDatenstzeentgltigentfernen1Click();
  void estblattausdrucken1Click();
  void vollstndigeDatensicherung1Click();
  // "&Kommunikation"
  void Fachzensurenlistevorbereiten1Click();
  void exportieren1Click();
  void importieren1Click();
  void importierenvonSchlerdatenimTXTFormat1Click();
  void importierenvonBewertungenimTXTFormat1Click();
  // "&Einstellungen"
  void WahlpflichtFcher1Click();
  void DruckOptionen1Click();
  void ProgrammEinstellungen1Click();
  void SchulEinstellungen1Click();
  // "&Hilfe"
  void HelpContents();
  void HelpAbout();
  // Speed buttons that forward to a menu command
  void SpeedButton12Click();
  void SpeedButton13Click();
  void SpeedButton14Click();
  void SpeedButton17Click();
  void SpeedButton18Click();
  void SpeedButton19Click();
  void SpeedButton21Click();
  void SpeedButton22Click();
  void SpeedButton23Click();
  void SpeedButton24Click();
  void SpeedButton27Click();
  void SpeedButton28Click();
  // Data-sheet frame
  void ListBox1Click();
  virtual void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button6Click();
  void Button7Click();
  void BitBtn11Click();
  void BitBtn6Click();
  void BitBtn1Click();
  void Memo2Change();
  void Memo4Change();
  // Page changes; the index is the page being left.
  void PageControl1Changing(int leavingIndex);
  void PageControl1Change();
  void PageControl2Changing(int leavingIndex);
  void PageControl2Change();
  // A refusal or a cut text: it stays until the teacher's next key or click.
  void SayInStatusLine(const QString& text);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void BuildMenu();
  void BuildSpeedBar();
  void BuildPages();
  void BuildStatusLine();
  void SetCurrentPage(QTabWidget* pages, int index);
  void OnPage1Changed(int index);
  void OnPage2Changed(int index);
  void SetComboItems(const QString& name, const QStringList& items);
  int RunDialog(QDialog* dialog);

  bool shownOnce_ = false;
  int page1Index_ = 0;
  int page2Index_ = 0;
  QLabel* statusPanels_[3] = {};
  platform::HintPanel* hintPanel_ = nullptr;
};

}  // namespace quorv
