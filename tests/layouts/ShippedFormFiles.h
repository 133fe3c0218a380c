#pragma once
// The form files of the report forms the program ships in resources/,
// generated from the tables in ShippedFormFiles.cpp (see CommittedFormFiles.h).
#include <vector>

#include "layouts/CommittedFormFiles.h"

namespace testsupport {

// Every shipped form file of a report form, built from its table. A new
// shipped file is one more row of the list in ShippedFormFiles.cpp,
// ShippedReportFormFile(form, table); the shipped-file tests then check that
// the committed file equals the table and that a fully filled report drawn
// from it is tidy on every page the form prints (see PageProblems).
std::vector<ShippedFormFile> ShippedFormFiles();
// Those of the Grundschule, forms 1 to 4 (GrundschuleFormFiles.cpp).
std::vector<ShippedFormFile> GrundschuleFormFiles();

// The report forms that load the file: its own, and those that share it
// (forms 24 and 25 share one).
std::vector<int> FormsOfShippedFile(const ShippedFormFile& file);

// The shipped file of a report form: its file name and title by the form-file
// table, with the fields of the table.
ShippedFormFile ShippedReportFormFile(int form, const quorv::TFormFieldTable& fields);

}  // namespace testsupport
