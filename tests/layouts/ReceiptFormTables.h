#pragma once
// The form files shipped for the receipt and the learning-development report,
// kept as tables: resources/ holds FormFileText of each, and the tests check
// that the files equal it and that a fully filled page drawn from them is
// tidy. QUORV_WRITE_FORM_FILES=1 makes the test write the files anew.
#include <QString>
#include <vector>

#include "printengine/FormFiles.h"

namespace testsupport {

struct ShippedFormFile {
  QString FileName;
  QString Title;
  quorv::TFormFieldTable Fields;
};

quorv::TFormFieldTable ReceiptA4FormTable();
quorv::TFormFieldTable ReceiptA5FormTable();
quorv::TFormFieldTable LearningReportFormTable();

// "Anl041.FST", "Anl043.FST", "Anl143.FST" and "Anl170.FST".
std::vector<ShippedFormFile> ShippedReceiptFormFiles();

}  // namespace testsupport
