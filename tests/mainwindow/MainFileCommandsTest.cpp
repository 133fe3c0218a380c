#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <algorithm>
#include <cstring>

#include "mainwindow/SheetStubFixture.h"
#include "platform/BinIO.h"
#include "records/GradeList.h"
#include "settings/SchulEinst.h"
#include "settings/SettingsTransfer.h"
#include "support/FileFaults.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

using namespace quorv;
using platform::FileStep;
using platform::MsgKind;
using platform::MsgResult;
using testsupport::ClassOf;
using testsupport::Pupil;
using testsupport::SheetStubTest;

namespace {

const QString kNewQuestion = QString::fromUtf8("Wollen Sie jetzt eine neue Datei\r(Zeugnis-Datenbank) erstellen?");
const QString kSaveBeforeNew = QString::fromUtf8(
    "Die aktuellen Daten enthalten\rnoch ungespeicherte Änderungen!\r\rWollen Sie diese vor dem Anlegen\rder neuen "
    "Daten (Datei) noch speichern?");
const QString kOpenWithoutSaving = QString::fromUtf8(
    "Wollen Sie jetzt wirklich eine neue Datei öffnen \rohne die geänderten (aktuellen) Daten zu Speichern?");
const QString kZdbRefused = QString::fromUtf8("Diese Dateien können nicht mehr geöffnet werden!");
const QString kFormatRefused =
    QString::fromUtf8("Die Datei hat nicht das erwartete Format!\rDie Daten können NICHT gelesen werden!!!");
const QString kOldVersion = QString::fromUtf8(
    "Das Speichern älterer Dateien kann immer nur\rin der neuesten Datei-Version erfolgen!\r\r(Zum \"Nicht "
    "Speichern\" jetzt Vorgang \"Abbrechen\")");
const QString kCreateFailed = QString::fromUtf8("Fehler beim Erzeugen der neuen Datei!");
const QString kNoFileName = QString::fromUtf8(
    "Der Name \"Vorgabe.QVR\" steht für eine Klasse ohne Datei\rund kann nicht zum Speichern verwendet "
    "werden!\r\rBitte wählen Sie einen anderen Namen.");
const QString kOpenFilter = QString::fromUtf8("Quorv-Datenbanken (*.QVR; *.ZDB)|*.QVR;*.ZDB|alle Dateien (*.*)|*.*");
const QString kSaveFilter = QString::fromUtf8("Quorv-Datenbanken (*.QVR)| *.QVR");

QString SaveFailed(const QString& path) { return QString::fromUtf8(" Fehler beim Speichern von: \r") + path; }
QString Replace(const QString& path) {
  return QString::fromUtf8("Die Datei \"") + path + QString::fromUtf8("\" ist bereits vorhanden.\rSoll sie ersetzt werden?");
}
QString ReadElectives(const QString& folder) {
  return QString::fromUtf8("Soll die Datei mit den\rWahlpflichtfächern aus/von:\r") + folder +
         QString::fromUtf8("\rmit eingelesen werden?");
}
QString StoreElectives(const QString& folder) {
  return QString::fromUtf8("Soll die aktuelle Datei mit den\rWahlpflichtfächern auch in/unter:\r") + folder +
         QString::fromUtf8("\rgespeichert werden?");
}

TClassFileHeader Header(int count, int written, int loaded) {
  TClassFileHeader h;
  std::memset(&h, 0, sizeof h);
  h.RecordCount = static_cast<std::uint16_t>(count);
  h.Magic.set(kClassFileMagic);
  h.VersionWritten = static_cast<std::uint16_t>(written);
  h.VersionLoaded = static_cast<std::uint16_t>(loaded);
  return h;
}

// A version-2 class file: the header, then the last pupil first.
QByteArray ClassFileBytes(const TClassFileHeader& header, const TDB2& pupils) {
  QByteArray bytes(reinterpret_cast<const char*>(&header), sizeof header);
  for (auto it = pupils.rbegin(); it != pupils.rend(); ++it)
    bytes.append(reinterpret_cast<const char*>(&*it), sizeof(TPupilRecord));
  return bytes;
}
QByteArray ClassFileBytes(const TDB2& pupils) {
  return ClassFileBytes(Header(static_cast<int>(pupils.size()), 2, 2), pupils);
}

// What a save writes for the class in memory.
QByteArray ClassInMemory() {
  TClassFileHeader h = ClassFileHeader;
  h.RecordCount = static_cast<std::uint16_t>(PupilCount);
  return ClassFileBytes(h, Pupils);
}

QByteArray Version1FileBytes(const std::vector<const char*>& surnames) {
  const TClassFileHeader h = Header(static_cast<int>(surnames.size()), 1, 0);
  QByteArray bytes(reinterpret_cast<const char*>(&h), sizeof h);
  for (auto it = surnames.rbegin(); it != surnames.rend(); ++it) {
    TPupilRecordV1 r;
    std::memset(&r, 0, sizeof r);
    r.Active = 1;
    r.Surname.set(*it);
    bytes.append(reinterpret_cast<const char*>(&r), sizeof r);
  }
  return bytes;
}

QByteArray ElectiveFile(const QList<QByteArray>& names) {
  QByteArray b(2, '\0');
  b[0] = static_cast<char>(names.size());
  for (auto it = names.rbegin(); it != names.rend(); ++it) {
    QByteArray e(47, '\0');
    e[0] = static_cast<char>(it->size());
    e.replace(1, it->size(), *it);
    e[41] = 3;
    e.replace(42, 3, "---");
    b += e;
  }
  return b;
}

TDB2 ThreePupils() { return ClassOf({Pupil("Abel", "Anna"), Pupil("Berg", "Ben"), Pupil("Cron", "Cem")}); }

}  // namespace

class FileCommandsTest : public SheetStubTest {
 protected:
  testsupport::SheetStubForm& FormWithClass(const TDB2& pupils, const QString& fileName = "Vorgabe.QVR") {
    auto& form = ShownForm();
    SetClass(pupils);
    ClassFileName = fileName;
    ClassFileHeader = Header(PupilCount, 2, 2);
    Modified = false;
    return form;
  }
  // A class file in the data folder, opened.
  testsupport::SheetStubForm& FormWithOpenedFile(const QString& name, const QByteArray& bytes) {
    auto& form = ShownForm();
    dir.writeFile(DataDir + name, bytes);
    testsupport::ScriptedFileDialogs dialogs;
    dialogs.expectOpen(DataDir + name);
    form.FileOpen();
    form.calls.clear();
    return form;
  }
  QString Sub(const QString& name) {
    QDir().mkpath(dir.programDir() + name);
    return dir.programDir() + name + "/";
  }

  testsupport::ScriptedMessages msgs;
  testsupport::ScriptedFileDialogs dialogs;
};

// ---------------------------------------------------------------------------
// "&Neu"

TEST_F(FileCommandsTest, NewDeclinedChangesNothing) {
  auto& form = FormWithClass(ThreePupils(), "7a.QVR");
  msgs.expect(kNewQuestion, MsgKind::Confirmation, MsgResult::No);
  form.FileNew();
  EXPECT_EQ(PupilCount, 3);
  EXPECT_EQ(ClassFileName, "7a.QVR");
  EXPECT_TRUE(form.calls.empty());
}

TEST_F(FileCommandsTest, NewMakesOneTemplatePupil) {
  TemplatePupil = Pupil("Vorlage", "Vera");
  auto& form = FormWithClass(ThreePupils(), "7a.QVR");
  const QString dataDir = DataDir;
  form.FileSaveItem->setEnabled(true);
  CurrentPupil = 2;
  msgs.expect(kNewQuestion, MsgKind::Confirmation, MsgResult::Yes);
  form.FileNew();
  ASSERT_EQ(PupilCount, 1);
  EXPECT_EQ(std::memcmp(&Pupils[0], &TemplatePupil, sizeof TemplatePupil), 0);
  EXPECT_EQ(CurrentPupil, 0);
  EXPECT_EQ(ClassFileName, "Vorgabe.QVR");
  EXPECT_EQ(form.SaveDialogFileName, "Vorgabe.QVR");
  EXPECT_EQ(form.StatusPanelText(1), "Vorgabe.QVR");
  EXPECT_FALSE(form.FileSaveItem->isEnabled());
  EXPECT_FALSE(Modified);
  EXPECT_TRUE(form.Edit73->isHidden());
  EXPECT_EQ(DataDir, dataDir);
  EXPECT_EQ(form.calls.front(), "Store 2");
  EXPECT_EQ(form.ListBox1->count(), 1);
}

TEST_F(FileCommandsTest, NewAsksToSaveTypedEditsOfANeverSavedClass) {
  auto& form = FormWithClass(ThreePupils());
  form.pendingEdit = "9";
  msgs.expect(kNewQuestion, MsgKind::Confirmation, MsgResult::Yes)
      .expect(kSaveBeforeNew, MsgKind::Confirmation, MsgResult::No);
  form.FileNew();
  EXPECT_EQ(PupilCount, 1);
  EXPECT_FALSE(Modified);
}

TEST_F(FileCommandsTest, NewSavesIntoTheClassFileFirst) {
  auto& form = FormWithClass(ThreePupils(), "7a.QVR");
  dir.writeFile(DataDir + "7a.QVR", "old");
  form.pendingEdit = "9";
  msgs.expect(kNewQuestion, MsgKind::Confirmation, MsgResult::Yes)
      .expect(kSaveBeforeNew, MsgKind::Confirmation, MsgResult::Yes);
  const TDB2 before = Pupils;
  form.FileNew();
  TDB2 expected = before;
  expected[0].AbsenceDays.set("9");
  EXPECT_EQ(dir.readFile(DataDir + "7a.QVR"), ClassFileBytes(expected));
  EXPECT_EQ(PupilCount, 1);
  EXPECT_EQ(ClassFileName, "Vorgabe.QVR");
}

TEST_F(FileCommandsTest, NewKeepsTheClassWhenTheSaveIsCancelled) {
  auto& form = FormWithClass(ThreePupils());
  Modified = true;
  msgs.expect(kNewQuestion, MsgKind::Confirmation, MsgResult::Yes)
      .expect(kSaveBeforeNew, MsgKind::Confirmation, MsgResult::Yes);
  dialogs.expectSave(std::nullopt);
  form.FileNew();
  EXPECT_EQ(PupilCount, 3);
  EXPECT_TRUE(Modified);
  EXPECT_EQ(ClassFileName, "Vorgabe.QVR");
  EXPECT_TRUE(QDir(DataDir).entryList(QDir::Files).isEmpty());
}

TEST_F(FileCommandsTest, NewKeepsTheClassWhenTheSaveFails) {
  auto& form = FormWithClass(ThreePupils(), "7a.QVR");
  dir.writeFile(DataDir + "7a.QVR", "old");
  Modified = true;
  msgs.expect(kNewQuestion, MsgKind::Confirmation, MsgResult::Yes)
      .expect(kSaveBeforeNew, MsgKind::Confirmation, MsgResult::Yes)
      .expect(SaveFailed(DataDir + "7a.QVR"), MsgKind::Plain);
  {
    testsupport::FileFaults faults({FileStep::Write});
    form.FileNew();
  }
  EXPECT_EQ(PupilCount, 3);
  EXPECT_TRUE(Modified);
  EXPECT_EQ(ClassFileName, "7a.QVR");
  EXPECT_EQ(dir.readFile(DataDir + "7a.QVR"), "old");
}

// ---------------------------------------------------------------------------
// "&Öffnen ..."

TEST_F(FileCommandsTest, OpenReadsTheClassWritesTheBackupAndRepairsKeys) {
  auto& form = FormWithClass(ThreePupils());
  const TDB2 file = ClassOf({Pupil("Dorn", "Dana", 0, 7), Pupil("Eck", "Emil", 1, 5), Pupil("Falk", "Fee", 1, 5)});
  dir.writeFile(DataDir + "7a.QVR", ClassFileBytes(file));
  dialogs.expectOpen(DataDir + "7a.QVR");
  form.FileOpen();
  const auto& request = dialogs.shown().at(0).request;
  EXPECT_EQ(request.startFolder, DataDir);
  EXPECT_EQ(request.filter, kOpenFilter);
  EXPECT_TRUE(request.fileName.isEmpty());
  ASSERT_EQ(PupilCount, 3);
  EXPECT_EQ(CurrentPupil, 1);  // the first live pupil
  EXPECT_EQ(Pupils[1].Surname, "Eck");
  EXPECT_EQ(Pupils[2].KeyNumber, -5);
  EXPECT_EQ(ClassFileName, "7a.QVR");
  EXPECT_FALSE(Modified);
  EXPECT_EQ(form.StatusPanelText(1), "7a.QVR");
  EXPECT_EQ(ListTexts(), (QStringList{"Eck, Emil", "Falk, Fee"}));
  EXPECT_EQ(form.ListBox1->currentRow(), 0);
  // The backup holds the class as read.
  EXPECT_EQ(dir.readFile(DataDir + "7a.$VR"), ClassFileBytes(file));
  EXPECT_EQ(form.calls.back(), "Show 1");
}

TEST_F(FileCommandsTest, OpenWithDeletedPupilsShownStartsAtRecordZero) {
  ProgramOptions.ShowDeletedPupils = 1;
  auto& form = FormWithClass(ThreePupils());
  dir.writeFile(DataDir + "7a.QVR", ClassFileBytes(ClassOf({Pupil("Dorn", "Dana", 0), Pupil("Eck", "Emil")})));
  CurrentPupil = 2;
  dialogs.expectOpen(DataDir + "7a.QVR");
  form.FileOpen();
  EXPECT_EQ(CurrentPupil, 0);
  EXPECT_TRUE(form.CheckBox2->isChecked());
}

TEST_F(FileCommandsTest, OpenAsksFirstWhenANeverSavedClassHasTypedEdits) {
  auto& form = FormWithClass(ThreePupils());
  form.pendingEdit = "9";
  msgs.expect(kOpenWithoutSaving, MsgKind::Confirmation, MsgResult::No);
  form.FileOpen();
  EXPECT_EQ(dialogs.shown().size(), 0u);
  EXPECT_EQ(Pupils[0].AbsenceDays, "9");  // the edit reached the record
  EXPECT_TRUE(Modified);
  // Yes and then Cancel keep the class too.
  msgs.expect(kOpenWithoutSaving, MsgKind::Confirmation, MsgResult::Yes);
  dialogs.expectOpen(std::nullopt);
  form.FileOpen();
  EXPECT_EQ(PupilCount, 3);
  EXPECT_TRUE(Modified);
  EXPECT_EQ(ClassFileName, "Vorgabe.QVR");
  EXPECT_EQ(form.StatusPanelText(1), "Vorgabe.QVR");
}

TEST_F(FileCommandsTest, OpenAsksAgainAfterAFailedSave) {
  auto& form = FormWithClass(ThreePupils(), "7a.QVR");
  dir.writeFile(DataDir + "7a.QVR", "old");
  Modified = true;
  msgs.expect(SaveFailed(DataDir + "7a.QVR"), MsgKind::Plain);
  {
    testsupport::FileFaults faults({FileStep::OpenWrite});
    EXPECT_FALSE(form.FileSave());
  }
  msgs.expect(kOpenWithoutSaving, MsgKind::Confirmation, MsgResult::No);
  form.FileOpen();
  EXPECT_EQ(PupilCount, 3);
  EXPECT_TRUE(Modified);
}

TEST_F(FileCommandsTest, OpenRefusesZdbFiles) {
  auto& form = FormWithClass(ThreePupils(), "7a.QVR");
  dir.writeFile(DataDir + "alt.ZDB", ClassFileBytes(ThreePupils()));
  dialogs.expectOpen(DataDir + "alt.ZDB");
  msgs.expect(kZdbRefused, MsgKind::Error);
  form.FileOpen();
  EXPECT_EQ(ClassFileName, "7a.QVR");
  EXPECT_FALSE(QFile::exists(DataDir + "alt.$VR"));
}

TEST_F(FileCommandsTest, RefusedFileKeepsFolderNameAndHeader) {
  auto& form = FormWithClass(ThreePupils(), "7a.QVR");
  dir.writeFile(DataDir + "7a.QVR", "old");
  const QString other = Sub("Fremd");
  QByteArray bad = ClassFileBytes(ThreePupils());
  bad[3] = 'V';  // magic "vrn Quorv DB" with another case
  dir.writeFile(other + "bad.QVR", bad);
  ClassFileHeader.Reserved24[0] = 42;
  const QString dataDir = DataDir;
  dialogs.expectOpen(other + "bad.QVR");
  msgs.expect(kFormatRefused, MsgKind::Error);
  form.FileOpen();
  EXPECT_EQ(DataDir, dataDir);
  EXPECT_EQ(ClassFileName, "7a.QVR");
  EXPECT_EQ(ClassFileHeader.Reserved24[0], 42);
  EXPECT_EQ(PupilCount, 3);
  // A later save goes into the class's own file.
  EXPECT_TRUE(form.FileSave());
  EXPECT_EQ(dir.readFile(other + "bad.QVR"), bad);
  EXPECT_EQ(dir.readFile(DataDir + "7a.QVR"), ClassInMemory());
}

TEST_F(FileCommandsTest, OpenFromAnotherFolderOffersItsElectiveList) {
  const struct {
    int listsInProgramDir;
    bool listThere;
    std::optional<MsgResult> answer;  // asked only when all conditions hold
    bool read;
  } cases[] = {
      {0, true, MsgResult::Yes, true},
      {0, true, MsgResult::No, false},
      {0, false, std::nullopt, false},
      {1, true, std::nullopt, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.listsInProgramDir) + (c.listThere ? " list" : " no list"));
    ProgramOptions.ListsInProgramDir = static_cast<std::uint16_t>(c.listsInProgramDir);
    SetElectiveDefaults();
    RebuildElectiveNames();
    auto& form = FormWithClass(ThreePupils());
    const QString folder = Sub("Klasse7");
    QFile::remove(folder + "WPflFach.DAT");
    dir.writeFile(folder + "7a.QVR", ClassFileBytes(ThreePupils()));
    if (c.listThere) dir.writeFile(folder + "WPflFach.DAT", ElectiveFile({"  - - -", "???", "Informatik"}));
    dialogs.expectOpen(folder + "7a.QVR");
    if (c.answer) msgs.expect(ReadElectives(folder), MsgKind::Confirmation, *c.answer);
    form.FileOpen();
    EXPECT_EQ(DataDir, folder);
    EXPECT_EQ(ElectiveSubjectNames.contains("Informatik"), c.read);
    DataDir = dir.dataDir();
  }
}

TEST_F(FileCommandsTest, OpenInTheSameFolderDoesNotOfferTheList) {
  ProgramOptions.ListsInProgramDir = 0;
  dir.writeFile(DataDir + "WPflFach.DAT", ElectiveFile({"  - - -", "???", "Informatik"}));
  auto& form = FormWithOpenedFile("7a.QVR", ClassFileBytes(ThreePupils()));
  EXPECT_EQ(ClassFileName, "7a.QVR");
  EXPECT_EQ(form.ListBox1->count(), 3);
}

// ---------------------------------------------------------------------------
// "&Speichern"

TEST_F(FileCommandsTest, SaveOfANewClassAsksForAName) {
  auto& form = FormWithClass(ThreePupils());
  form.pendingEdit = "3";
  dialogs.expectSave(DataDir + "7a");
  EXPECT_TRUE(form.FileSave());
  const auto& request = dialogs.shown().at(0).request;
  EXPECT_EQ(request.fileName, "unbekannte Klasse.QVR");
  EXPECT_EQ(request.startFolder, DataDir);
  EXPECT_EQ(request.filter, kSaveFilter);
  EXPECT_EQ(ClassFileName, "7a.QVR");
  EXPECT_EQ(Pupils[0].AbsenceDays, "3");
  EXPECT_EQ(dir.readFile(DataDir + "7a.QVR"), ClassFileBytes(Header(3, 2, 2), Pupils));
  EXPECT_FALSE(Modified);
  EXPECT_TRUE(form.FileSaveItem->isEnabled());
  EXPECT_TRUE(form.Edit73->isHidden());
  EXPECT_EQ(form.StatusPanelText(1), "7a.QVR");
  // The data sheet was stored once.
  EXPECT_EQ(std::count(form.calls.begin(), form.calls.end(), "Store 0"), 1);
}

TEST_F(FileCommandsTest, SaveWritesTheOpenedClass) {
  auto& form = FormWithOpenedFile("7a.QVR", ClassFileBytes(ThreePupils()));
  form.pendingEdit = "12";
  EXPECT_TRUE(form.FileSave());
  EXPECT_EQ(Pupils[0].AbsenceDays, "12");
  EXPECT_EQ(dir.readFile(DataDir + "7a.QVR"), ClassInMemory());
  EXPECT_FALSE(Modified);
  EXPECT_TRUE(form.Edit73->isHidden());
}

TEST_F(FileCommandsTest, SaveIntoAFolderRefusingNewFilesWritesTheFileItself) {
  auto& form = FormWithOpenedFile("7a.QVR", ClassFileBytes(ThreePupils()));
  form.pendingEdit = "12";
  testsupport::FolderRefusesNewFiles refusing;
  EXPECT_TRUE(form.FileSave());
  EXPECT_EQ(dir.readFile(DataDir + "7a.QVR"), ClassInMemory());
  EXPECT_FALSE(Modified);
}

TEST_F(FileCommandsTest, SaveOfAVersion1ClassAsksEveryTime) {
  const QByteArray v1 = Version1FileBytes({"Abel", "Berg"});
  auto& form = FormWithOpenedFile("alt.QVR", v1);
  ASSERT_EQ(PupilCount, 2);
  Modified = true;
  msgs.expect(kOldVersion, MsgKind::Confirmation, MsgResult::Cancel);
  EXPECT_FALSE(form.FileSave());
  EXPECT_EQ(dir.readFile(DataDir + "alt.QVR"), v1);
  EXPECT_TRUE(Modified);
  EXPECT_EQ(ClassFileName, "alt.QVR");
  msgs.expect(kOldVersion, MsgKind::Confirmation, MsgResult::Ok);
  EXPECT_TRUE(form.FileSave());
  const QByteArray saved = dir.readFile(DataDir + "alt.QVR");
  EXPECT_EQ(saved.size(), 92 + 2 * 6044);
  EXPECT_EQ(platform::ReadLeU16(reinterpret_cast<const std::uint8_t*>(saved.constData()) + 20), 2);
  EXPECT_EQ(platform::ReadLeU16(reinterpret_cast<const std::uint8_t*>(saved.constData()) + 22), 1);
  EXPECT_FALSE(Modified);
  msgs.expect(kOldVersion, MsgKind::Confirmation, MsgResult::Cancel);
  EXPECT_FALSE(form.FileSave());
}

TEST_F(FileCommandsTest, ClosingWindowStaysOpenWhenTheChosenSaveWroteNothing) {
  const QString quit = QString::fromUtf8("Wollen Sie das Programm jetzt wirklich beenden?");
  const QString saveFirst = QString::fromUtf8(
      "Die Daten wurden seit dem letzten Speichern geändert!\rWollen Sie die Änderungen jetzt Speichern?");
  const QByteArray v1 = Version1FileBytes({"Abel", "Berg"});
  const struct {
    const char* Name;
    bool NewClass;                         // never saved: the save dialog opens
    std::optional<MsgResult> VersionReply;  // the version question of a version-1 file
    bool WriteFails;
    bool Closes;
    bool Written;
  } cases[] = {
      {"Abbrechen is Nicht Speichern", false, MsgResult::Cancel, false, true, false},
      {"saved", false, MsgResult::Ok, false, true, true},
      {"write failed", false, MsgResult::Ok, true, false, false},
      {"save dialog cancelled", true, std::nullopt, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    testsupport::ScriptedFileDialogs dialogs;
    auto& form = c.NewClass ? FormWithClass(ThreePupils()) : FormWithOpenedFile("alt.QVR", v1);
    form.SetModified();
    msgs.expect(quit, MsgKind::Confirmation, MsgResult::Yes).expect(saveFirst, MsgKind::Warning, MsgResult::Yes);
    if (c.VersionReply) msgs.expect(kOldVersion, MsgKind::Confirmation, *c.VersionReply);
    if (c.WriteFails) msgs.expect(SaveFailed(DataDir + "alt.QVR"), MsgKind::Plain);
    if (c.NewClass) dialogs.expectSave(std::nullopt);
    std::optional<testsupport::FileFaults> faults;
    if (c.WriteFails) faults.emplace(std::set<FileStep>{FileStep::Write});
    EXPECT_EQ(form.close(), c.Closes);
    faults.reset();
    EXPECT_EQ(form.isVisible(), !c.Closes);
    if (!c.NewClass) {
      EXPECT_EQ(dir.readFile(DataDir + "alt.QVR") != v1, c.Written);
    }
    EXPECT_TRUE(c.Closes || Modified);
  }
}

TEST_F(FileCommandsTest, FailingWriteKeepsTheClassChanged) {
  auto& form = FormWithOpenedFile("7a.QVR", ClassFileBytes(ThreePupils()));
  form.pendingEdit = "1";
  msgs.expect(SaveFailed(DataDir + "7a.QVR"), MsgKind::Plain);
  {
    testsupport::FileFaults faults({FileStep::Write});
    EXPECT_FALSE(form.FileSave());
  }
  EXPECT_TRUE(Modified);
  EXPECT_FALSE(form.Edit73->isHidden());
  EXPECT_EQ(dir.readFile(DataDir + "7a.QVR"), ClassFileBytes(ThreePupils()));
}

TEST_F(FileCommandsTest, SaveOfAClassReadFromAnotherExtension) {
  // klasse.QVR exists: the save dialog proposes it; Cancel keeps the name.
  auto& form = FormWithOpenedFile("klasse.dat", ClassFileBytes(ThreePupils()));
  dir.writeFile(DataDir + "klasse.QVR", "other class");
  dialogs.expectSave(std::nullopt);
  EXPECT_FALSE(form.FileSave());
  EXPECT_EQ(dialogs.shown().back().request.fileName, "klasse.QVR");
  EXPECT_EQ(ClassFileName, "klasse.dat");
  EXPECT_EQ(dir.readFile(DataDir + "klasse.QVR"), "other class");
  // Without klasse.QVR the write cannot open it and says so.
  QFile::remove(DataDir + "klasse.QVR");
  msgs.expect(SaveFailed(DataDir + "klasse.QVR"), MsgKind::Plain);
  EXPECT_FALSE(form.FileSave());
  EXPECT_EQ(ClassFileName, "klasse.QVR");
  EXPECT_FALSE(QFile::exists(DataDir + "klasse.QVR"));
}

// ---------------------------------------------------------------------------
// "Speichern &unter ..."

TEST_F(FileCommandsTest, SaveAsAppendsTheExtension) {
  const struct {
    const char* typed;
    const char* file;
  } cases[] = {{"7a", "7a.QVR"}, {"7a.QVR", "7a.QVR"}, {"7a.qvr", "7a.qvr.QVR"}, {"a.QVR.b", "a.QVR.b.QVR"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    auto& form = FormWithClass(ThreePupils());
    dialogs.expectSave(DataDir + c.typed);
    EXPECT_TRUE(form.FileSaveAs());
    EXPECT_EQ(ClassFileName, c.file);
    EXPECT_EQ(dir.readFile(DataDir + c.file), ClassInMemory());
    QFile::remove(DataDir + c.file);
  }
}

TEST_F(FileCommandsTest, SaveAsAsksBeforeReplacingTheFinalName) {
  auto& form = FormWithClass(ThreePupils(), "8b.QVR");
  dir.writeFile(DataDir + "7a.QVR", "old");
  Modified = true;
  dialogs.expectSave(DataDir + "7a").expectSave(std::nullopt);
  msgs.expect(Replace(DataDir + "7a.QVR"), MsgKind::Confirmation, MsgResult::No);
  EXPECT_FALSE(form.FileSaveAs());
  EXPECT_EQ(dialogs.shown().at(1).request.fileName, "7a.QVR");  // asked again
  EXPECT_EQ(dir.readFile(DataDir + "7a.QVR"), "old");
  EXPECT_EQ(ClassFileName, "8b.QVR");
  EXPECT_TRUE(Modified);

  dialogs.expectSave(DataDir + "7a");
  msgs.expect(Replace(DataDir + "7a.QVR"), MsgKind::Confirmation, MsgResult::Yes);
  EXPECT_TRUE(form.FileSaveAs());
  EXPECT_EQ(dir.readFile(DataDir + "7a.QVR"), ClassInMemory());
  EXPECT_EQ(ClassFileName, "7a.QVR");
}

TEST_F(FileCommandsTest, SaveAsRefusesTheNameOfTheClassWithoutFile) {
  auto& form = FormWithClass(ThreePupils());
  dialogs.expectSave(DataDir + "Vorgabe").expectSave(DataDir + "8b.QVR");
  msgs.expect(kNoFileName, MsgKind::Warning);
  EXPECT_TRUE(form.FileSaveAs());
  EXPECT_FALSE(QFile::exists(DataDir + "Vorgabe.QVR"));
  EXPECT_EQ(ClassFileName, "8b.QVR");
  EXPECT_TRUE(QFile::exists(DataDir + "8b.QVR"));
}

TEST_F(FileCommandsTest, SaveAsCancelKeepsNameAndFolder) {
  auto& form = FormWithOpenedFile("klasse.dat", ClassFileBytes(ThreePupils()));
  const QString dataDir = DataDir;
  Modified = true;
  dialogs.expectSave(std::nullopt);
  EXPECT_FALSE(form.FileSaveAs());
  EXPECT_EQ(dialogs.shown().back().request.fileName, "klasse.QVR");
  EXPECT_EQ(ClassFileName, "klasse.dat");
  EXPECT_EQ(DataDir, dataDir);
  EXPECT_TRUE(Modified);
  EXPECT_EQ(form.calls.back(), "Show 0");
}

TEST_F(FileCommandsTest, FailedCreateRestoresFolderAndName) {
  auto& form = FormWithClass(ThreePupils(), "7a.QVR");
  const QString dataDir = DataDir;
  const QString other = Sub("Neu");
  Modified = true;
  dialogs.expectSave(other + "8b");
  msgs.expect(kCreateFailed, MsgKind::Plain);
  {
    testsupport::FileFaults faults({FileStep::Create});
    EXPECT_FALSE(form.FileSaveAs());
  }
  EXPECT_EQ(DataDir, dataDir);
  EXPECT_EQ(ClassFileName, "7a.QVR");
  EXPECT_TRUE(Modified);
  EXPECT_FALSE(QFile::exists(other + "8b.QVR"));
}

TEST_F(FileCommandsTest, SaveAsOntoAnUnwritableFileKeepsIt) {
  auto& form = FormWithClass(ThreePupils(), "7a.QVR");
  dir.writeFile(DataDir + "8b.QVR", "old");
  dialogs.expectSave(DataDir + "8b");
  msgs.expect(Replace(DataDir + "8b.QVR"), MsgKind::Confirmation, MsgResult::Yes).expect(kCreateFailed, MsgKind::Plain);
  {
    testsupport::FileFaults faults({FileStep::OpenWrite});
    EXPECT_FALSE(form.FileSaveAs());
  }
  EXPECT_EQ(dir.readFile(DataDir + "8b.QVR"), "old");
  EXPECT_EQ(ClassFileName, "7a.QVR");
}

// The file opened, its class write fails (the command's last write): the old
// file keeps its bytes, also where the folder takes no file beside it.
TEST_F(FileCommandsTest, SaveAsOntoAFileWhoseWriteFailsKeepsItsBytes) {
  auto& form = FormWithClass(ThreePupils(), "7a.QVR");
  const QString target = DataDir + "8b.QVR";
  const auto saveAs = [&](int failAt) {
    dir.writeFile(target, "old class");
    ClassFileName = "7a.QVR";
    dialogs.expectSave(DataDir + "8b");
    msgs.expect(Replace(target), MsgKind::Confirmation, MsgResult::Yes);
    if (failAt > 0) msgs.expect(SaveFailed(target), MsgKind::Plain);
    testsupport::FileStepFault fault(failAt);
    EXPECT_EQ(form.FileSaveAs(), failAt == 0);
    return fault.steps();
  };
  for (const bool inPlace : {false, true}) {
    SCOPED_TRACE(inPlace);
    std::optional<testsupport::FolderRefusesNewFiles> refusing;
    if (inPlace) refusing.emplace();
    const auto steps = saveAs(0);
    const auto last = std::find_if(steps.rbegin(), steps.rend(), [](const auto& s) { return s.first == FileStep::Write; });
    const QStringList files = QDir(DataDir).entryList(QDir::Files | QDir::Hidden);
    saveAs(static_cast<int>(steps.rend() - last));
    EXPECT_TRUE(msgs.allAnswered());
    EXPECT_EQ(dir.readFile(target), "old class");
    EXPECT_EQ(QDir(DataDir).entryList(QDir::Files | QDir::Hidden), files);
    EXPECT_EQ(ClassFileName, "7a.QVR");
  }
}

TEST_F(FileCommandsTest, SaveAsIntoAnotherFolderOffersTheElectiveList) {
  const struct {
    int listsInProgramDir;
    std::optional<MsgResult> answer;
    const char* copied;  // content of the list in the new folder, "" for none
  } cases[] = {
      {0, MsgResult::Yes, "from data"},
      {0, MsgResult::No, ""},
      {1, std::nullopt, ""},
  };
  for (const auto& c : cases) {
    ProgramOptions.ListsInProgramDir = static_cast<std::uint16_t>(c.listsInProgramDir);
    auto& form = FormWithClass(ThreePupils());
    DataDir = dir.dataDir();
    dir.writeFile(DataDir + "WPflFach.DAT", "from data");
    const QString target = Sub("K7");
    QFile::remove(target + "WPflFach.DAT");
    QFile::remove(target + "7a.QVR");
    dialogs.expectSave(target + "7a");
    if (c.answer) msgs.expect(StoreElectives(target), MsgKind::Confirmation, *c.answer);
    EXPECT_TRUE(form.FileSaveAs());
    EXPECT_EQ(DataDir, target);
    EXPECT_EQ(dir.readFile(target + "WPflFach.DAT"), QByteArray(c.copied));
  }
}

TEST_F(FileCommandsTest, SaveAsNeverCopiesTheElectiveListOntoItself) {
  ProgramOptions.ListsInProgramDir = 0;
  auto& form = FormWithClass(ThreePupils());
  dir.writeFile(dir.programDir() + "WPflFach.DAT", "program list");
  dialogs.expectSave(dir.programDir() + "7a");
  msgs.expect(StoreElectives(dir.programDir()), MsgKind::Confirmation, MsgResult::Yes);
  EXPECT_TRUE(form.FileSaveAs());
  EXPECT_EQ(dir.readFile(dir.programDir() + "WPflFach.DAT"), "program list");
}

TEST_F(FileCommandsTest, SaveAsOfAVersion1ClassWritesAFreshHeader) {
  auto& form = FormWithOpenedFile("alt.QVR", Version1FileBytes({"Abel"}));
  dialogs.expectSave(DataDir + "neu");
  EXPECT_TRUE(form.FileSaveAs());
  const QByteArray saved = dir.readFile(DataDir + "neu.QVR");
  EXPECT_EQ(saved.left(92), QByteArray(reinterpret_cast<const char*>(&ClassFileHeader), 92));
  EXPECT_EQ(ClassFileHeader.VersionLoaded, 2);
  // Plain saves ask nothing now.
  EXPECT_TRUE(form.FileSave());
}

// Each writer of a file the teacher is told about, its write failing part way
// as on a full disk: the message names the file, and no broken file stays.
TEST_F(FileCommandsTest, AWriteFailingPartWayIsReportedAndLeavesNoBrokenFile) {
  auto& form = FormWithClass(ThreePupils(), "7a.QVR");
  BuildDefaultSubjectCatalog();
  ExportSubjectSelection.fill(0);
  ExportSubjectSelection[20] = 1;  // Ma
  GradeListFolder = DataDir;
  const QString stick = Sub("Stick");
  dir.writeFile(ProgramDir + "TEST.TST", "t");
  const struct {
    QString path;
    const char* old;  // nullptr: no file before
    std::function<void()> write;
    QString message;
    MsgKind kind;
  } cases[] = {
      {DataDir + "8b.QVR", nullptr, [&] { dialogs.expectSave(DataDir + "8b"); form.FileSaveAs(); },
       SaveFailed(DataDir + "8b.QVR"), MsgKind::Plain},
      {DataDir + "7a.QVR", "old class", [&] { form.FileSave(); }, SaveFailed(DataDir + "7a.QVR"), MsgKind::Plain},
      {DataDir + "7a.$VR", "old backup", [] { WriteBackupCopy(DataDir, "7a.QVR"); },
       QString::fromUtf8("Beim Erstellen der Sicherungs-Datei ist ein Fehler aufgetreten!\r") + DataDir + "7a.$VR",
       MsgKind::Error},
      {DataDir + "7a_Ma.FDB", nullptr, [] { ExportGradeLists(); }, SaveFailed(DataDir + "7a_Ma.FDB"), MsgKind::Plain},
      {ProgramDir + "SCHEINST.DAT", "old settings", [] { SaveSchoolSettings(); },
       SaveFailed(ProgramDir + "SCHEINST.DAT"), MsgKind::Plain},
      {stick + "TEST.TST", nullptr, [&] { ExportSettings({false, true}, ProgramDir, ProgramDir, stick); },
       "Die Datei \"" + ProgramDir + "TEST.TST\" konnte nicht nach \"" + stick + "TEST.TST\" kopiert werden.",
       MsgKind::Error},
  };
  for (const bool inPlace : {false, true}) {
    std::optional<testsupport::FolderRefusesNewFiles> refusing;
    if (inPlace) refusing.emplace();
    for (const auto& c : cases) {
      const QDir folder = QFileInfo(c.path).dir();
      if (c.old) dir.writeFile(c.path, c.old);
      const QStringList before = folder.entryList(QDir::Files | QDir::Hidden);
      msgs.expect(c.message, c.kind);
      {
        testsupport::FileFaults faults({FileStep::Write});
        c.write();
      }
      EXPECT_EQ(dir.readFile(c.path), QByteArray(c.old)) << c.path.toStdString();
      EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), before);
    }
  }
  EXPECT_EQ(ClassFileName, "7a.QVR");
  ExportSubjectSelection.fill(0);
}
