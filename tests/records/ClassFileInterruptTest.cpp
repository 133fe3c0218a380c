// Saving a class file, and its backup copy, interrupted at every step of the
// file access.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <vector>

#include "records/ClassFile.h"
#include "records/QuorvDat.h"
#include "support/FileFaults.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

#include <sys/mount.h>

namespace {

using platform::FileStep;
using platform::MsgKind;
using quorv::TPupilRecord;

const QString kBackupFailed = QString::fromUtf8("Beim Erstellen der Sicherungs-Datei ist ein Fehler aufgetreten!\r");
const QString kOpenFailed = QString::fromUtf8("Die Datei konnte nicht geöffnet werden!");

TPupilRecord Pupil(const char* surname, int key) {
  TPupilRecord r = quorv::ZeroPupilRecord();
  quorv::InitPupilRecord(r);
  r.Surname.set(surname);
  r.KeyNumber = key;
  return r;
}

QByteArray BytesOf(const void* p, std::size_t n) {
  return QByteArray(static_cast<const char*>(p), static_cast<qsizetype>(n));
}

// The class in memory as bytes: header, count and every record.
QByteArray ClassBytes() {
  QByteArray all = BytesOf(&quorv::ClassFileHeader, sizeof quorv::ClassFileHeader);
  all += QByteArray::number(quorv::PupilCount);
  for (const auto& p : quorv::Pupils) all += BytesOf(&p, sizeof p);
  return all;
}

QStringList FilesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

class ClassFileInterruptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedPupils_ = quorv::Pupils;
    savedCount_ = quorv::PupilCount;
    savedCurrent_ = quorv::CurrentPupil;
    savedHeader_ = quorv::ClassFileHeader;
    savedName_ = quorv::ClassFileName;
    quorv::ClassFileName = "7a.QVR";
  }
  void TearDown() override {
    quorv::Pupils = savedPupils_;
    quorv::PupilCount = savedCount_;
    quorv::CurrentPupil = savedCurrent_;
    quorv::ClassFileHeader = savedHeader_;
    quorv::ClassFileName = savedName_;
  }

  static void SetClass(const std::vector<TPupilRecord>& pupils) {
    quorv::Pupils = pupils;
    quorv::PupilCount = static_cast<int>(pupils.size());
    quorv::CurrentPupil = 0;
    quorv::ResetClassFileHeader();
  }
  // Each class is made once: a new record draws a random tag.
  static void OldClass() {
    static const std::vector<TPupilRecord> pupils = {Pupil("Alt", 1), Pupil("Älter", 2), Pupil("Am ältesten", 3)};
    SetClass(pupils);
  }
  static void NewClass() {
    static const std::vector<TPupilRecord> pupils = {Pupil("Neu", 7), Pupil("Neuer", 8)};
    SetClass(pupils);
  }

  QString classPath() const { return dir.dataDir() + "7a.QVR"; }
  QString backupPath() const { return dir.dataDir() + "7a.$VR"; }

  // Writes the old class to disk and returns its file bytes.
  QByteArray WriteOldClassFile() {
    OldClass();
    dir.writeFile(classPath(), "");
    EXPECT_TRUE(quorv::WriteClassFile());
    return dir.readFile(classPath());
  }

  // The class read back from the file; true when it could be read.
  bool ReadBack(QByteArray& classBytes) {
    quorv::ClassFileName = "7a.QVR";
    testsupport::ScriptedMessages msgs;
    if (!quorv::ReadClassFile(dir.dataDir(), "7a.QVR")) return false;
    classBytes = ClassBytes();
    return true;
  }

  int CountSteps(const std::function<void()>& operation) {
    testsupport::FileStepFault walk;
    operation();
    return walk.count();
  }

  testsupport::TempProgramDir dir;

 private:
  quorv::TDB2 savedPupils_;
  int savedCount_ = 0;
  int savedCurrent_ = 0;
  quorv::TClassFileHeader savedHeader_{};
  QString savedName_;
};

TEST_F(ClassFileInterruptTest, SaveWritesReplacesAndFlushesThroughTheHook) {
  WriteOldClassFile();
  NewClass();
  testsupport::FileStepFault walk;
  ASSERT_TRUE(quorv::WriteClassFile());
  std::vector<FileStep> steps;
  for (const auto& s : walk.steps()) steps.push_back(s.first);
  EXPECT_EQ(steps, (std::vector<FileStep>{FileStep::OpenWrite, FileStep::Write, FileStep::Flush, FileStep::Rename}));
}

TEST_F(ClassFileInterruptTest, EveryInterruptedSaveLeavesTheOldClassReadable) {
  const QByteArray oldFile = WriteOldClassFile();
  QByteArray oldClass;
  ASSERT_TRUE(ReadBack(oldClass));
  QFile::remove(backupPath());

  NewClass();
  const QByteArray newClassInMemory = ClassBytes();
  const int steps = CountSteps([] { quorv::WriteClassFile(); });
  ASSERT_GE(steps, 4);

  for (int n = 1; n <= steps; ++n) {
    SCOPED_TRACE(n);
    dir.writeFile(classPath(), oldFile);
    NewClass();
    {
      testsupport::ScriptedMessages msgs;
      msgs.expect(QStringLiteral(" Fehler beim Speichern von: \r") + classPath(), MsgKind::Plain);
      testsupport::FileStepFault fault(n);
      EXPECT_FALSE(quorv::WriteClassFile());
      EXPECT_TRUE(fault.failed());
    }
    // The class in memory stays as it was.
    EXPECT_EQ(ClassBytes(), newClassInMemory);
    EXPECT_EQ(dir.readFile(classPath()), oldFile);
    EXPECT_EQ(FilesIn(dir.dataDir()), QStringList{"7a.QVR"});
    QByteArray readBack;
    ASSERT_TRUE(ReadBack(readBack));
    EXPECT_EQ(readBack, oldClass);
    QFile::remove(backupPath());
  }

  // Uninterrupted, the file holds the new class.
  dir.writeFile(classPath(), oldFile);
  NewClass();
  ASSERT_TRUE(quorv::WriteClassFile());
  QByteArray readBack;
  ASSERT_TRUE(ReadBack(readBack));
  EXPECT_EQ(readBack, newClassInMemory);
}

TEST_F(ClassFileInterruptTest, EveryInterruptedBackupLeavesTheOldBackup) {
  WriteOldClassFile();
  const QByteArray oldBackup = "an older backup";
  dir.writeFile(backupPath(), oldBackup);
  NewClass();
  const int steps = CountSteps([] { quorv::WriteBackupCopy(quorv::DataDir, "7a.QVR"); });
  ASSERT_GE(steps, 4);
  for (int n = 1; n <= steps; ++n) {
    SCOPED_TRACE(n);
    dir.writeFile(backupPath(), oldBackup);
    testsupport::ScriptedMessages msgs;
    msgs.expect(kBackupFailed + backupPath(), MsgKind::Error);
    testsupport::FileStepFault fault(n);
    EXPECT_FALSE(quorv::WriteBackupCopy(dir.dataDir(), "7a.QVR"));
    EXPECT_EQ(dir.readFile(backupPath()), oldBackup);
    EXPECT_EQ(FilesIn(dir.dataDir()), (QStringList{"7a.$VR", "7a.QVR"}));
  }
}

// Reading opens the class file once, then walks the steps of the backup: a
// failed read keeps the class shown before, a failed backup the class just read.
TEST_F(ClassFileInterruptTest, EachStepOfReadingFailsAsItsOwnFault) {
  WriteOldClassFile();
  QByteArray oldClass;
  ASSERT_TRUE(ReadBack(oldClass));
  QFile::remove(backupPath());

  NewClass();
  const int steps = CountSteps([] {
    testsupport::ScriptedMessages msgs;
    quorv::ReadClassFile(quorv::DataDir, "7a.QVR");
  });
  ASSERT_EQ(steps, 5);
  QFile::remove(backupPath());

  for (int n = 1; n <= steps; ++n) {
    SCOPED_TRACE(n);
    NewClass();
    const QByteArray shownBefore = ClassBytes();
    const bool readFails = n == 1;
    testsupport::ScriptedMessages msgs;
    msgs.expect(readFails ? kOpenFailed : kBackupFailed + backupPath(), MsgKind::Error);
    testsupport::FileStepFault fault(n);
    EXPECT_EQ(quorv::ReadClassFile(dir.dataDir(), "7a.QVR"), !readFails);
    EXPECT_EQ(ClassBytes(), readFails ? shownBefore : oldClass);
    EXPECT_FALSE(QFile::exists(backupPath()));
    EXPECT_EQ(FilesIn(dir.dataDir()), QStringList{"7a.QVR"});
  }
}

// Saving 40 pupils over 4 on a small tmpfs of its own (only root may mount
// one) that has not the room. With three inodes, taken by the folder, the
// class file and the filler, the folder refuses a file beside the class file
// as a read-only one does.
TEST_F(ClassFileInterruptTest, SaveOnAFullDiskLeavesTheOldFile) {
  for (const char* options : {"size=320k,nr_inodes=3", "size=320k"}) {
    QTemporaryDir disk;
    const QByteArray where = QFile::encodeName(disk.path());
    if (::mount("tmpfs", where.constData(), "tmpfs", 0, options) != 0) GTEST_SKIP() << "mounting a tmpfs needs root";
    const auto unmount = qScopeGuard([&] { ::umount2(where.constData(), MNT_DETACH); });
    quorv::DataDir = disk.path() + '/';
    const QString path = quorv::DataDir + "7a.QVR";
    SetClass(std::vector<TPupilRecord>(4, Pupil("Alt", 1)));
    ASSERT_TRUE(platform::CreateEmptyFile(path) && quorv::WriteClassFile());
    const QByteArray old = dir.readFile(path);
    dir.writeFile(quorv::DataDir + "FILL", QByteArray(QStorageInfo(disk.path()).bytesAvailable() - 100 * 1024, 'x'));
    SetClass(std::vector<TPupilRecord>(40, Pupil("Neu", 2)));
    testsupport::ScriptedMessages msgs;
    msgs.expect(QStringLiteral(" Fehler beim Speichern von: \r") + path, MsgKind::Plain);
    EXPECT_FALSE(quorv::WriteClassFile());
    EXPECT_EQ(dir.readFile(path), old) << options;
    EXPECT_EQ(FilesIn(quorv::DataDir), (QStringList{"7a.QVR", "FILL"}));
  }
}

}  // namespace
