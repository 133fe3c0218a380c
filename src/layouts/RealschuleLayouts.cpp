#include "layouts/RealschuleLayouts.h"

#include "layouts/LayoutHelpers.h"

namespace quorv {

// Until the layout of these forms is built, their pages show the frame only.
void PrintRealschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil) { PrintFrameOnlyPage(canvas, pupil); }
void PrintRealschuleFinalPage(platform::Canvas& canvas, const TPupilRecord& pupil) { PrintFrameOnlyPage(canvas, pupil); }

}  // namespace quorv
