#pragma once
// The form files the program ships in resources/, generated from the tables
// in ShippedFormFiles.cpp. The test ShippedFormFiles.CommittedFilesMatchTheTables
// keeps the committed files equal to the tables; run it with
// QUORV_WRITE_FORM_FILES=1 to write the files from the tables instead.
#include <QByteArray>
#include <QString>
#include <vector>

#include "printengine/FormFiles.h"

namespace testsupport {

struct ShippedFormFile {
  int Form;
  QString FileName;     // "Anl015.FST"
  QString Title;        // the form's description
  quorv::TFormFieldTable Fields;
};

// Every shipped form file, built from its table.
std::vector<ShippedFormFile> ShippedFormFiles();

// The file's bytes as the program's normalising writer writes them.
QByteArray ShippedFormFileText(const ShippedFormFile& file);

// Where the committed form files are.
QString ResourcesDir();

}  // namespace testsupport
