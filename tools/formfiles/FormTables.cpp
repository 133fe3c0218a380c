#include "formfiles/FormTables.h"

#include <cstdint>
#include <utility>

#include "platform/Files.h"

namespace formfiles {

void PutRows(quorv::TFormFieldTable& table, std::initializer_list<FormRow> rows) {
  for (const FormRow& r : rows)
    table[static_cast<std::size_t>(r.Field)] = quorv::TFormField{
        static_cast<std::uint16_t>(r.X),    static_cast<std::uint16_t>(r.Y),    static_cast<std::uint16_t>(r.Align),
        static_cast<std::uint16_t>(r.Font), static_cast<std::uint16_t>(r.Page), static_cast<std::uint16_t>(r.Active)};
}

ShippedFormFile ShippedReportFormFile(int form, const quorv::TFormFieldTable& fields) {
  const quorv::FormFileChoice choice = quorv::LookupFormFile(form, 0, 0, 1);
  return ShippedFormFile{form, choice.FileName, choice.Description, fields};
}

std::vector<ShippedFormFile> ShippedFormFiles() {
  std::vector<ShippedFormFile> files = ReportFormFiles();
  for (ShippedFormFile& file : ReceiptFormFiles()) files.push_back(std::move(file));
  return files;
}

WrittenFormFiles WriteShippedFormFiles(const QString& folder) {
  WrittenFormFiles result;
  for (const ShippedFormFile& file : ShippedFormFiles()) {
    const QString path = folder + file.FileName;
    QByteArray old;
    if (platform::ReadFileBytes(path, old) && old == quorv::FormFileText(file.Title, file.Fields)) {
      ++result.Unchanged;
      continue;
    }
    result.Error = quorv::WriteFormFile(path, file.Title, file.Fields);
    if (result.Error.failed()) break;
    result.Changed.append(file.FileName);
  }
  return result;
}

}  // namespace formfiles
