// The grade-list import: each line names a pupil and gives subject and grade
// groups, with a course level for school types 2 and 3. Only Grade and
// CourseLevel of slots 1 to 18 may change.
#include <cstring>

#include "FuzzSupport.h"
#include "records/QuorvDat.h"
#include "records/TextImport.h"
#include "settings/Facheinst.h"
#include "settings/SchulEinst.h"

namespace {

using namespace quorv;

constexpr int kCurrent = 2;
TDB2 g_class;

bool OnlyGradesAndLevelsChanged(const TPupilRecord& before, const TPupilRecord& after) {
  TPupilRecord back = after;
  for (int s = 0; s < 18; ++s) {
    back.Subjects[s].Grade = before.Subjects[s].Grade;
    back.Subjects[s].CourseLevel = before.Subjects[s].CourseLevel;
  }
  return std::memcmp(&back, &before, sizeof back) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::Setup();
  BuildDefaultSubjectCatalog();
  g_class = fuzzsupport::GradeClass();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString path = DataDir + QStringLiteral("noten.txt");
  fuzzsupport::WriteFile(path, fuzzsupport::Input(data, size));
  const int n = static_cast<int>(g_class.size());
  for (const std::uint16_t type : {stGrundschule, stRegionaleSchule}) {
    SchoolSettings.SchoolType = type;
    Pupils = g_class;
    PupilCount = n;
    CurrentPupil = kCurrent;
    fuzzsupport::ClearMessages();
    FUZZ_CHECK(ImportGradeFile(path) >= 0);
    FUZZ_CHECK(!fuzzsupport::AnyMessageOfKind(platform::MsgKind::Error));
    FUZZ_CHECK(PupilCount == n && static_cast<int>(Pupils.size()) == n && CurrentPupil == kCurrent);
    for (std::size_t i = 0; i < g_class.size(); ++i) {
      FUZZ_CHECK(fuzzsupport::LengthsWithinCapacity(Pupils[i]));
      FUZZ_CHECK(OnlyGradesAndLevelsChanged(g_class[i], Pupils[i]));
    }
  }
  return 0;
}
