#include "layouts/CommittedFormFiles.h"

#include <gtest/gtest.h>

#include <QFile>

#include "layouts/PrintJob.h"

namespace testsupport {

QString ResourcesDir() { return QStringLiteral(QUORV_RESOURCES_DIR "/"); }

QByteArray ReadCommittedFormFile(const QString& fileName) {
  QFile f(ResourcesDir() + fileName);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::vector<int> FormsOfShippedFile(const formfiles::ShippedFormFile& file) {
  std::vector<int> forms{file.Form};
  for (const quorv::TDispatchEntry& e : quorv::kDispatchTable)
    if (e.Form != file.Form && quorv::LookupFormFile(e.Form, 0, 0, 1).FileName == file.FileName) forms.push_back(e.Form);
  return forms;
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
