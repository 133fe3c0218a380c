#include "layouts/CommittedFormFiles.h"

#include <gtest/gtest.h>

#include <QFile>

namespace testsupport {

namespace {

bool WriteFormFilesRequested() { return qEnvironmentVariable("QUORV_WRITE_FORM_FILES") == QLatin1String("1"); }

}  // namespace

void PutRows(quorv::TFormFieldTable& table, std::initializer_list<FormRow> rows) {
  for (const FormRow& r : rows)
    table[static_cast<std::size_t>(r.Field)] = quorv::TFormField{
        static_cast<std::uint16_t>(r.X),    static_cast<std::uint16_t>(r.Y),    static_cast<std::uint16_t>(r.Align),
        static_cast<std::uint16_t>(r.Font), static_cast<std::uint16_t>(r.Page), static_cast<std::uint16_t>(r.Active)};
}

QString ResourcesDir() { return QStringLiteral(QUORV_RESOURCES_DIR "/"); }

QByteArray ReadCommittedFormFile(const QString& fileName) {
  QFile f(ResourcesDir() + fileName);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray ShippedFormFileText(const ShippedFormFile& file) { return quorv::FormFileText(file.Title, file.Fields); }

void ExpectCommittedFilesMatchTables(const std::vector<ShippedFormFile>& files) {
  const bool write = WriteFormFilesRequested();
  for (const ShippedFormFile& file : files) {
    const QByteArray text = ShippedFormFileText(file);
    if (write) {
      QFile out(ResourcesDir() + file.FileName);
      if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size()) {
        ADD_FAILURE() << "cannot write " << out.fileName().toStdString();
        continue;
      }
    }
    EXPECT_EQ(ReadCommittedFormFile(file.FileName), text)
        << file.FileName.toStdString() << " differs from its table; QUORV_WRITE_FORM_FILES=1 writes it";
  }
}

void InstallCommittedFormFiles(const TempProgramDir& dir, const std::vector<ShippedFormFile>& files) {
  for (const ShippedFormFile& file : files)
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
