#include "layouts/GesamtschuleLayouts.h"

#include "layouts/LayoutHelpers.h"

namespace quorv {

// Until the layout of these forms is built, their pages show the frame only.
void PrintOrientierungsstufeReportPage(platform::Canvas& canvas, const TPupilRecord& pupil) { PrintFrameOnlyPage(canvas, pupil); }
void PrintGesamtschuleClass56Page(platform::Canvas& canvas, const TPupilRecord& pupil) { PrintFrameOnlyPage(canvas, pupil); }
void PrintGesamtschuleReportPage(platform::Canvas& canvas, const TPupilRecord& pupil) { PrintFrameOnlyPage(canvas, pupil); }
void PrintGesamtschuleLeavingPage(platform::Canvas& canvas, const TPupilRecord& pupil) { PrintFrameOnlyPage(canvas, pupil); }

}  // namespace quorv
