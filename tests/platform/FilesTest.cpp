#include "platform/Files.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <functional>
#include <ostream>
#include <vector>

#include "support/FileFaults.h"
#include "support/TempDir.h"

namespace {

using platform::FileStep;

QStringList FilesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

QByteArray Pattern(int size, int seed) {
  QByteArray b(size, '\0');
  for (int i = 0; i < size; ++i) b[i] = static_cast<char>((i * 7 + seed * 13) & 0xFF);
  return b;
}

// A write into an existing file: its old and new content and the expected steps.
struct WriteCase {
  const char* name;
  int oldSize;
  int newSize;
  bool fromStart;  // WriteFileFromStart, else WriteFileReplacing
  QByteArray expected() const {
    const QByteArray old = Pattern(oldSize, 1), fresh = Pattern(newSize, 2);
    return fromStart && oldSize > newSize ? fresh + old.mid(newSize) : fresh;
  }
  bool write(const QString& path) const {
    const QByteArray fresh = Pattern(newSize, 2);
    return fromStart ? platform::WriteFileFromStart(path, fresh.constData(), static_cast<std::size_t>(fresh.size()))
                     : platform::WriteFileReplacing(path, fresh);
  }
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

const WriteCase kWriteCases[] = {
    {"FromStartIntoLongerFile", 300, 94, true},
    {"FromStartIntoShorterFile", 10, 126, true},
    {"FromStartIntoEmptyFile", 0, 320, true},
    {"ReplacingLongerFile", 300, 94, false},
    {"ReplacingShorterFile", 10, 126, false},
};

class InterruptedWriteTest : public ::testing::TestWithParam<WriteCase> {
 protected:
  testsupport::TempProgramDir dir;
  QString path() const { return dir.programDir() + "FILE.DAT"; }
};

TEST_P(InterruptedWriteTest, CompleteWriteGivesTheNewBytes) {
  const WriteCase& c = GetParam();
  dir.writeFile(path(), Pattern(c.oldSize, 1));
  ASSERT_TRUE(c.write(path()));
  EXPECT_EQ(dir.readFile(path()), c.expected());
  EXPECT_EQ(FilesIn(dir.programDir()), QStringList{"FILE.DAT"});
}

TEST_P(InterruptedWriteTest, EveryStepPassesTheHook) {
  const WriteCase& c = GetParam();
  dir.writeFile(path(), Pattern(c.oldSize, 1));
  testsupport::FileStepFault walk;
  ASSERT_TRUE(c.write(path()));
  std::vector<FileStep> steps;
  for (const auto& [step, file] : walk.steps()) {
    steps.push_back(step);
    EXPECT_EQ(file, path());
  }
  std::vector<FileStep> expected = {FileStep::OpenWrite, FileStep::Write, FileStep::Flush, FileStep::Rename};
  // Writing from the start reads the old content first.
  if (c.fromStart) expected.insert(expected.begin(), FileStep::OpenRead);
  EXPECT_EQ(steps, expected);
}

TEST_P(InterruptedWriteTest, EachFailedStepLeavesTheOldFile) {
  const WriteCase& c = GetParam();
  int count = 0;
  {
    dir.writeFile(path(), Pattern(c.oldSize, 1));
    testsupport::FileStepFault walk;
    ASSERT_TRUE(c.write(path()));
    count = walk.count();
  }
  for (int n = 1; n <= count; ++n) {
    SCOPED_TRACE(n);
    dir.writeFile(path(), Pattern(c.oldSize, 1));
    testsupport::FileStepFault fault(n);
    EXPECT_FALSE(c.write(path()));
    EXPECT_TRUE(fault.failed());
    EXPECT_EQ(dir.readFile(path()), Pattern(c.oldSize, 1));
    // No temporary file stays beside it.
    EXPECT_EQ(FilesIn(dir.programDir()), QStringList{"FILE.DAT"});
  }
}

TEST_P(InterruptedWriteTest, FolderRefusingAFileBesideItIsWrittenInPlace) {
  const WriteCase& c = GetParam();
  testsupport::FolderRefusesNewFiles refusing;
  dir.writeFile(path(), Pattern(c.oldSize, 1));
  ASSERT_TRUE(c.write(path()));
  EXPECT_EQ(dir.readFile(path()), c.expected());
  EXPECT_EQ(FilesIn(dir.programDir()), QStringList{"FILE.DAT"});
  // Failing at any step, a write in place leaves the old bytes.
  for (int n = 1;; ++n) {
    dir.writeFile(path(), Pattern(c.oldSize, 1));
    testsupport::FileStepFault fault(n);
    const bool written = c.write(path());
    EXPECT_NE(written, fault.failed()) << n;
    EXPECT_EQ(dir.readFile(path()), written ? c.expected() : Pattern(c.oldSize, 1)) << n;
    if (written) break;
  }
}

TEST(WriteFileReplacingTest, FolderRefusingANewFileCreatesNone) {
  testsupport::TempProgramDir dir;
  testsupport::FolderRefusesNewFiles refusing;
  EXPECT_FALSE(platform::WriteFileReplacing(dir.programDir() + "NEW.DAT", Pattern(20, 3)));
  EXPECT_TRUE(FilesIn(dir.programDir()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, InterruptedWriteTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteFileFromStartTest, MissingFileIsNotCreated) {
  testsupport::TempProgramDir dir;
  const QByteArray data = Pattern(20, 3);
  EXPECT_FALSE(platform::WriteFileFromStart(dir.programDir() + "NONE.DAT", data.constData(), 20));
  EXPECT_TRUE(FilesIn(dir.programDir()).isEmpty());
}

TEST(FileStepFaultTest, CountsFromOneAndFailsOnlyItsStep) {
  testsupport::TempProgramDir dir;
  const QString path = dir.programDir() + "A.DAT";
  dir.writeFile(path, "abc");
  testsupport::FileStepFault fault(2);
  QByteArray bytes;
  EXPECT_TRUE(platform::ReadFileBytes(path, bytes));
  EXPECT_FALSE(platform::ReadFileBytes(path, bytes));
  EXPECT_TRUE(platform::ReadFileBytes(path, bytes));
  EXPECT_EQ(fault.count(), 3);
  EXPECT_TRUE(fault.failed());
  EXPECT_EQ(fault.failedStep(), FileStep::OpenRead);
}

}  // namespace
