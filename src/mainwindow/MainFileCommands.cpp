// The class-file commands of the main window: new, open, save, save as.
#include <QAction>
#include <QFileInfo>

#include "mainwindow/MainUSB.h"
#include "platform/FileDialogs.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "records/ClassFile.h"
#include "records/ClassNavigation.h"
#include "records/QuorvDat.h"
#include "settings/ProgEinst.h"
#include "settings/WpflEinst.h"

namespace quorv {

namespace {

using platform::MsgButtons;
using platform::MsgKind;
using platform::MsgResult;

const QString kNewClassQuestion = QString::fromUtf8("Wollen Sie jetzt eine neue Datei\r(Zeugnis-Datenbank) erstellen?");
const QString kSaveBeforeNewQuestion = QString::fromUtf8(
    "Die aktuellen Daten enthalten\rnoch ungespeicherte Änderungen!\r\rWollen Sie diese vor dem Anlegen\rder neuen "
    "Daten (Datei) noch speichern?");
const QString kOpenWithoutSavingQuestion = QString::fromUtf8(
    "Wollen Sie jetzt wirklich eine neue Datei öffnen \rohne die geänderten (aktuellen) Daten zu Speichern?");
const QString kRefusedFileMessage = QString::fromUtf8("Diese Dateien können nicht mehr geöffnet werden!");
const QString kOldVersionQuestion = QString::fromUtf8(
    "Das Speichern älterer Dateien kann immer nur\rin der neuesten Datei-Version erfolgen!\r\r(Zum \"Nicht "
    "Speichern\" jetzt Vorgang \"Abbrechen\")");
const QString kCreateFailedMessage = QString::fromUtf8("Fehler beim Erzeugen der neuen Datei!");
const QString kNoFileNameMessage = QString::fromUtf8(
    "Der Name \"Vorgabe.QVR\" steht für eine Klasse ohne Datei\rund kann nicht zum Speichern verwendet "
    "werden!\r\rBitte wählen Sie einen anderen Namen.");

const QString kOpenTitle = QString::fromUtf8("Öffnen");
const QString kSaveTitle = QString::fromUtf8("Speichern unter");
const QString kOpenFilter =
    QString::fromUtf8("Quorv-Datenbanken (*.QVR; *.ZDB)|*.QVR;*.ZDB|alle Dateien (*.*)|*.*");
const QString kSaveFilter = QString::fromUtf8("Quorv-Datenbanken (*.QVR)| *.QVR");

QString ReadElectivesQuestion(const QString& folder) {
  return QString::fromUtf8("Soll die Datei mit den\rWahlpflichtfächern aus/von:\r") + folder + "\r" +
         QString::fromUtf8("mit eingelesen werden?");
}

QString StoreElectivesQuestion(const QString& folder) {
  return QString::fromUtf8("Soll die aktuelle Datei mit den\rWahlpflichtfächern auch in/unter:\r") + folder + "\r" +
         QString::fromUtf8("gespeichert werden?");
}

QString ReplaceQuestion(const QString& path) {
  return QString::fromUtf8("Die Datei \"") + path + QString::fromUtf8("\" ist bereits vorhanden.\rSoll sie ersetzt werden?");
}

// The folder of a chosen path, ending in '/'.
QString FolderOf(const QFileInfo& info) {
  QString folder = info.absolutePath();
  if (!folder.endsWith('/')) folder += '/';
  return folder;
}

// The class has moved to another folder (differently written names of the
// same folder do not count).
bool FolderChanged(const QString& before, const QString& now) {
  return before != now && !platform::SameFolder(before, now);
}

// Makes sure the chosen file can be written: a missing file is created empty;
// an existing one is only opened for writing, so it stays whole until the
// class has been written into its place.
bool PrepareClassFile(const QString& path) {
  if (platform::FileExists(path)) return platform::WriteFileFromStart(path, "", 0);
  return platform::CreateEmptyFile(path, platform::FileAccess::OwnerOnly);
}

}  // namespace

// ---------------------------------------------------------------------------
// "&Neu"

void TMainForm::FileNew() {
  if (!platform::AskYesNo(kNewClassQuestion)) return;
  // Edits on the data sheet count as changes.
  StoreCurrentPupil();
  // A save that was cancelled or failed keeps the class.
  if (Modified && platform::AskYesNo(kSaveBeforeNewQuestion) && !SaveClassFile()) return;

  ClearPupilGrid();
  SetSingleRecordClass(TemplatePupil);
  ShowCurrentPupil();
  Modified = false;
  ClassFileName = QString::fromLatin1(kDefaultClassFileName);
  FileSaveItem->setEnabled(false);
  SaveDialogFileName = ClassFileName;
  SetStatusPanelText(1, ClassFileName);
  UpdatePupilPosition();
}

// ---------------------------------------------------------------------------
// "&Öffnen ..."

void TMainForm::FileOpen() {
  const QString previousFolder = DataDir;
  // Edits on the data sheet count as changes, also in a class never saved.
  StoreCurrentPupil();
  if (Modified && !platform::AskYesNo(kOpenWithoutSavingQuestion)) return;

  const std::optional<QString> chosen = platform::ChooseOpenFile({kOpenTitle, DataDir, kOpenFilter, QString()});
  if (chosen) {
    const QFileInfo info(*chosen);
    const QString folder = FolderOf(info);
    const QString name = info.fileName();
    if (IsRefusedClassFileName(name)) {
      platform::ShowMessage(kRefusedFileMessage, MsgKind::Error);
      return;
    }
    // A refused file has left the class, its folder, name and header as they were.
    if (!ReadClassFile(folder, name)) return;
    DataDir = folder;
    ClassFileName = name;
    ClearPupilGrid();
    SelectFirstReachablePupil();
    Modified = false;
  }
  MakeKeyNumbersUnique();
  SetStatusPanelText(1, ClassFileName);
  OfferElectiveListFrom(previousFolder);
  ShowCurrentPupil();
  UpdatePupilPosition();
}

void TMainForm::OfferElectiveListFrom(const QString& previousFolder) {
  if (!FolderChanged(previousFolder, DataDir) || ProgramOptions.ListsInProgramDir != 0 ||
      !platform::FileExists(DataDir + kElectiveFile))
    return;
  if (!platform::AskYesNo(ReadElectivesQuestion(DataDir))) return;
  LoadElectiveSubjects();
  RebuildElectiveNames();
  for (int i = 1; i <= 6; ++i) SetComboItems(QStringLiteral("ComboBoxW%1").arg(i), ElectiveSubjectNames);
}

// ---------------------------------------------------------------------------
// "&Speichern"

bool TMainForm::FileSave() {
  saveDeclined_ = false;
  StoreCurrentPupil();
  return SaveClassFile();
}

bool TMainForm::SaveClassFile() {
  const QString previousName = ClassFileName;
  const bool renamed = !HasClassFileExtension(ClassFileName);
  if (renamed) ClassFileName = WithClassFileExtension(ClassFileName);

  bool written = false;
  if (IsNoFileName(ClassFileName)) {
    written = SaveClassFileAs();
  } else {
    if (ClassFileHeader.VersionWritten != ClassFileHeader.VersionLoaded &&
        platform::ShowMessage(kOldVersionQuestion, MsgKind::Confirmation, MsgButtons::OkCancel) != MsgResult::Ok) {
      ClassFileName = previousName;
      saveDeclined_ = true;
      return false;
    }
    if (renamed && platform::FileExists(DataDir + ClassFileName)) {
      ClassFileName = previousName;
      written = SaveClassFileAs();
    } else {
      // WriteClassFile has reported a failure; the class stays changed.
      if (!WriteClassFile()) return false;
      written = true;
    }
  }
  SetStatusPanelText(1, ClassFileName);
  if (written) Modified = false;
  UpdatePupilPosition();
  return written;
}

// ---------------------------------------------------------------------------
// "Speichern &unter ..."

bool TMainForm::FileSaveAs() {
  saveDeclined_ = false;
  StoreCurrentPupil();
  return SaveClassFileAs();
}

bool TMainForm::SaveClassFileAs() {
  const QString previousFolder = DataDir;
  const QString previousName = ClassFileName;
  ClassFileName = WithClassFileExtension(ClassFileName);

  bool written = false;
  QString folder;
  QString name;
  if (!ChooseSaveTarget(folder, name)) {
    // A cancelled save dialog writes nothing: closing keeps the class open.
    ClassFileName = previousName;
  } else {
    const bool created = !platform::FileExists(folder + name);
    if (!PrepareClassFile(folder + name)) {
      platform::ShowMessage(kCreateFailedMessage, MsgKind::Plain);
      DataDir = previousFolder;
      ClassFileName = previousName;
      return false;
    }
    const TClassFileHeader previousHeader = ClassFileHeader;
    DataDir = folder;
    ClassFileName = name;
    ResetClassFileHeader();
    written = SaveClassFile();
    if (!written) {
      // The save has said so. A file made for it and left empty would be
      // refused when opened; the class keeps its file.
      if (created) platform::RemoveFile(folder + name);
      DataDir = previousFolder;
      ClassFileName = previousName;
      ClassFileHeader = previousHeader;
      return false;
    }
    FileSaveItem->setEnabled(true);
    OfferElectiveListTo(previousFolder);
  }
  SetStatusPanelText(1, ClassFileName);
  ShowCurrentPupil();
  UpdatePupilPosition();
  return written;
}

bool TMainForm::ChooseSaveTarget(QString& folder, QString& name) {
  QString startFolder = DataDir;
  QString proposal = ProposedSaveName(ClassFileName);
  for (;;) {
    SaveDialogInitialDir = startFolder;
    SaveDialogFileName = proposal;
    const std::optional<QString> chosen = platform::ChooseSaveFile({kSaveTitle, startFolder, kSaveFilter, proposal});
    if (!chosen) return false;
    const QFileInfo info(*chosen);
    folder = FolderOf(info);
    name = SaveAsClassFileName(info.fileName());
    startFolder = folder;
    proposal = name;
    // "Vorgabe.QVR" means a class without a file.
    if (IsNoFileName(name)) {
      platform::ShowMessage(kNoFileNameMessage, MsgKind::Warning);
      continue;
    }
    // The question concerns the name the class is written under.
    if (SaveDialogOverwritePrompt && platform::FileExists(folder + name) &&
        !platform::AskYesNo(ReplaceQuestion(folder + name)))
      continue;
    return true;
  }
}

void TMainForm::OfferElectiveListTo(const QString& previousFolder) {
  if (!FolderChanged(previousFolder, DataDir) || ProgramOptions.ListsInProgramDir != 0) return;
  if (!platform::AskYesNo(StoreElectivesQuestion(DataDir))) return;
  CopyElectiveFile(DataDir, previousFolder, ProgramDir);
}

}  // namespace quorv
