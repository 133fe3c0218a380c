#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "records/QuorvDat.h"

namespace testsupport {

TempProgramDir::TempProgramDir() : savedProgramDir_(quorv::ProgramDir), savedDataDir_(quorv::DataDir) {
  EXPECT_TRUE(dir_.isValid());
  QDir(dir_.path()).mkpath(QStringLiteral("Daten"));
  quorv::ProgramDir = programDir();
  quorv::DataDir = dataDir();
}

TempProgramDir::~TempProgramDir() {
  quorv::ProgramDir = savedProgramDir_;
  quorv::DataDir = savedDataDir_;
}

QString TempProgramDir::programDir() const { return dir_.path() + "/"; }
QString TempProgramDir::dataDir() const { return dir_.path() + "/Daten/"; }

void TempProgramDir::writeFile(const QString& path, const QByteArray& bytes) const {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray TempProgramDir::readFile(const QString& path) const {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

}  // namespace testsupport
