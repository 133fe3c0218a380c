#pragma once
// Makes the listed file-access steps fail while it lives.
#include <set>

#include "platform/Files.h"

namespace testsupport {

class FileFaults {
 public:
  explicit FileFaults(std::set<platform::FileStep> steps) {
    platform::SetFileFaultHook([steps](platform::FileStep step, const QString&) { return steps.count(step) > 0; });
  }
  ~FileFaults() { platform::SetFileFaultHook({}); }
  FileFaults(const FileFaults&) = delete;
  FileFaults& operator=(const FileFaults&) = delete;
};

}  // namespace testsupport
