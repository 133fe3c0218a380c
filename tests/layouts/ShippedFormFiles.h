#pragma once
// The form files of the report forms the program ships in resources/,
// generated from the tables in ShippedFormFiles.cpp (see CommittedFormFiles.h).
#include <vector>

#include "layouts/CommittedFormFiles.h"

namespace testsupport {

// Every shipped form file of a report form, built from its table.
std::vector<ShippedFormFile> ShippedFormFiles();
// Those of the Grundschule, forms 1 to 4 (GrundschuleFormFiles.cpp).
std::vector<ShippedFormFile> GrundschuleFormFiles();

}  // namespace testsupport
