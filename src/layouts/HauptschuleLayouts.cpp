#include "layouts/HauptschuleLayouts.h"

#include "layouts/LayoutHelpers.h"

namespace quorv {

// Until the layout of these forms is built, their pages show the frame only.
void PrintHauptschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil) { PrintFrameOnlyPage(canvas, pupil); }
void PrintHauptschuleFinalPage(platform::Canvas& canvas, const TPupilRecord& pupil) { PrintFrameOnlyPage(canvas, pupil); }

}  // namespace quorv
