// Saving each settings file interrupted at every step of the file access: the
// file is the old or the complete new one, and the user is told.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <functional>
#include <ostream>
#include <string>

#include "records/QuorvDat.h"
#include "settings/DrkEinst.h"
#include "settings/ProgEinst.h"
#include "settings/SchulEinst.h"
#include "settings/WpflEinst.h"
#include "support/FileFaults.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

namespace {

using platform::FileStep;
using platform::MsgKind;
using namespace quorv;

const QString kCreateFailed = QStringLiteral("Fehler beim Erzeugen der neuen Datei!");

struct Saver {
  const char* name;
  std::function<bool()> save;
  std::function<QString()> path;
  const char* saveFailedPrefix;  // followed by the path
};

void PrintTo(const Saver& c, std::ostream* os) { *os << c.name; }

const Saver kSavers[] = {
    {"SchoolSettings", SaveSchoolSettings, [] { return ProgramDir + kSchoolSettingsFile; },
     " Fehler beim Speichern von: \r"},
    {"ProgramOptions", SaveProgramOptions, [] { return ProgramDir + kProgramOptionsFile; },
     " Fehler beim Speichern von: \r"},
    {"ElectiveList", SaveElectiveSubjects, [] { return ListsFolder() + kElectiveFile; },
     " Fehler beim Speichern von: \r"},
    {"PrintOptions", SavePrintOptions, [] { return PrintOptionsFolder() + kPrintOptionsFile; },
     "Fehler beim Speichern von: \r"},
};

QByteArray Pattern(int size) {
  QByteArray b(size, '\0');
  for (int i = 0; i < size; ++i) b[i] = static_cast<char>(0xA5 ^ (i * 31));
  return b;
}

QStringList FilesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

class SettingsSaveInterruptTest : public ::testing::TestWithParam<Saver> {
 protected:
  void SetUp() override {
    school_ = SchoolSettings;
    options_ = ProgramOptions;
    electives_ = ElectiveSubjects;
    electiveIndex_ = ElectiveIndex;
    print_ = PrintOptions;
    // Records that differ from the defaults and from the old files.
    SchoolSettings.SchoolType = stGymnasium;
    SchoolSettings.SchoolNameAddress.set("Gymnasium am See, Seestr. 1");
    SetProgramOptionDefaults();
    ProgramOptions.ShowAdditions = 1;
    SetElectiveDefaults();
    TElectiveSubject extra{};
    extra.Name.set("Informatik");
    extra.Abbreviation.set("Inf");
    ElectiveSubjects.push_back(extra);
    SetPrintOptionDefaults();
    PrintOptions.LeftMargin = 222;
  }
  void TearDown() override {
    SchoolSettings = school_;
    ProgramOptions = options_;
    ElectiveSubjects = electives_;
    ElectiveIndex = electiveIndex_;
    PrintOptions = print_;
  }

  QString path() const { return GetParam().path(); }
  QString folder() const { return path().left(path().lastIndexOf('/') + 1); }
  QString saveFailed() const { return QString::fromUtf8(GetParam().saveFailedPrefix) + path(); }

  // The bytes a save writes into a new file, and the steps it takes for that.
  QByteArray NewImage(int& steps) {
    QFile::remove(path());
    testsupport::FileStepFault walk;
    EXPECT_TRUE(GetParam().save());
    steps = walk.count();
    const QByteArray image = dir.readFile(path());
    QFile::remove(path());
    return image;
  }

  testsupport::TempProgramDir dir;

 private:
  TSchoolSettings school_;
  TProgramOptions options_;
  TWPflFach electives_;
  int electiveIndex_ = 0;
  TPrintOptions print_;
};

TEST_P(SettingsSaveInterruptTest, SaveIntoALongerFileKeepsItsTail) {
  int steps = 0;
  const QByteArray image = NewImage(steps);
  ASSERT_FALSE(image.isEmpty());
  const QByteArray old = Pattern(static_cast<int>(image.size()) + 37);
  dir.writeFile(path(), old);
  ASSERT_TRUE(GetParam().save());
  EXPECT_EQ(dir.readFile(path()), image + old.mid(image.size()));
}

TEST_P(SettingsSaveInterruptTest, EveryInterruptedSaveLeavesTheOldFile) {
  int unused = 0;
  const QByteArray image = NewImage(unused);
  for (const int oldSize : {static_cast<int>(image.size()) + 37, 5}) {
    SCOPED_TRACE(oldSize);
    const QByteArray old = Pattern(oldSize);
    dir.writeFile(path(), old);
    int steps = 0;
    {
      testsupport::FileStepFault walk;
      ASSERT_TRUE(GetParam().save());
      steps = walk.count();
      std::vector<FileStep> kinds;
      for (const auto& s : walk.steps()) kinds.push_back(s.first);
      EXPECT_EQ(kinds, (std::vector<FileStep>{FileStep::OpenRead, FileStep::OpenWrite, FileStep::Write,
                                              FileStep::Flush, FileStep::Rename}));
    }
    for (int n = 1; n <= steps; ++n) {
      SCOPED_TRACE(n);
      dir.writeFile(path(), old);
      testsupport::ScriptedMessages msgs;
      msgs.expect(saveFailed(), MsgKind::Plain);
      testsupport::FileStepFault fault(n);
      EXPECT_FALSE(GetParam().save());
      EXPECT_TRUE(fault.failed());
      EXPECT_EQ(dir.readFile(path()), old);
      EXPECT_EQ(FilesIn(folder()), QStringList{path().mid(folder().size())});
    }
  }
}

TEST_P(SettingsSaveInterruptTest, EveryInterruptedFirstSaveLeavesNoFile) {
  int steps = 0;
  const QByteArray image = NewImage(steps);
  ASSERT_EQ(steps, 6);  // create, then the five steps of writing
  for (int n = 1; n <= steps; ++n) {
    SCOPED_TRACE(n);
    testsupport::ScriptedMessages msgs;
    msgs.expect(n == 1 ? kCreateFailed : saveFailed(), MsgKind::Plain);
    testsupport::FileStepFault fault(n);
    EXPECT_FALSE(GetParam().save());
    if (n == 1) {
      EXPECT_EQ(fault.failedStep(), FileStep::Create);
    }
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_TRUE(FilesIn(folder()).isEmpty());
  }
  ASSERT_TRUE(GetParam().save());
  EXPECT_EQ(dir.readFile(path()), image);
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsSaveInterruptTest, ::testing::ValuesIn(kSavers),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
