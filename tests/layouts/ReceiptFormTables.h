#pragma once
// The form files shipped for the receipt and the learning-development report,
// kept as tables (see CommittedFormFiles.h); the tests check that a fully
// filled page drawn from them is tidy.
#include <vector>

#include "layouts/CommittedFormFiles.h"

namespace testsupport {

quorv::TFormFieldTable ReceiptA4FormTable();
quorv::TFormFieldTable ReceiptA5FormTable();
quorv::TFormFieldTable LearningReportFormTable();

// "Anl041.FST", "Anl043.FST", "Anl143.FST" and "Anl170.FST".
std::vector<ShippedFormFile> ShippedReceiptFormFiles();

}  // namespace testsupport
