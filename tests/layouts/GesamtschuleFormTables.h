#pragma once
// The form files shipped for the Orientierungsstufe and the Integrierte
// Gesamtschule, kept as tables (see CommittedFormFiles.h).
#include <vector>

#include "layouts/CommittedFormFiles.h"

namespace testsupport {

// "Anl04a.FST", "Anl026.FST", "Anl027.FST", "Anl028.FST", "Anl029.FST" and "Anl127.FST".
std::vector<ShippedFormFile> GesamtschuleFormFiles();

}  // namespace testsupport
