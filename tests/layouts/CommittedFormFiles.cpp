#include "layouts/CommittedFormFiles.h"

#include <gtest/gtest.h>

#include <QFile>

namespace testsupport {

QString ResourcesDir() { return QStringLiteral(QUORV_RESOURCES_DIR "/"); }

QByteArray ReadCommittedFormFile(const QString& fileName) {
  QFile f(ResourcesDir() + fileName);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void InstallCommittedFormFiles(const TempProgramDir& dir, const std::vector<formfiles::ShippedFormFile>& files) {
  for (const formfiles::ShippedFormFile& file : files)
    dir.writeFile(dir.programDir() + file.FileName, ReadCommittedFormFile(file.FileName));
}

void InstallArmsPictures(const TempProgramDir& dir) {
  for (const char* name : {"13F.BMP", "13S.BMP"}) {
    QFile f(ResourcesDir() + QLatin1String(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    dir.writeFile(dir.programDir() + QLatin1String(name), f.readAll());
  }
}

}  // namespace testsupport
