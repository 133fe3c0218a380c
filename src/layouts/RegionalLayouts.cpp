#include "layouts/RegionalLayouts.h"

#include "layouts/LayoutHelpers.h"

namespace quorv {

// Until the layout of these forms is built, their pages show the frame only.
void PrintRegionalReportPage(platform::Canvas& canvas, const TPupilRecord& pupil) { PrintFrameOnlyPage(canvas, pupil); }
void PrintRegionalFinalPage(platform::Canvas& canvas, const TPupilRecord& pupil) { PrintFrameOnlyPage(canvas, pupil); }

}  // namespace quorv
