#include "layouts/GrundschuleLayouts.h"

#include "layouts/LayoutHelpers.h"

namespace quorv {

// Until the layout of these forms is built, their pages show the frame only.
void PrintGrundschuleClass1Page(platform::Canvas& canvas, const TPupilRecord& pupil) { PrintFrameOnlyPage(canvas, pupil); }
void PrintGrundschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil) { PrintFrameOnlyPage(canvas, pupil); }

}  // namespace quorv
