#pragma once
// File-access faults for tests: FileFaults makes the listed steps fail while it
// lives; FileStepFault makes only the n-th step fail, so that a test can walk
// every step of one operation.
#include <QString>
#include <set>
#include <utility>
#include <vector>

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

// While it lives, every folder refuses a new file (existing files stay writable).
class FolderRefusesNewFiles {
 public:
  FolderRefusesNewFiles() {
    platform::SetFolderRefusalHook([](const QString&) { return true; });
  }
  ~FolderRefusesNewFiles() { platform::SetFolderRefusalHook({}); }
  FolderRefusesNewFiles(const FolderRefusesNewFiles&) = delete;
  FolderRefusesNewFiles& operator=(const FolderRefusesNewFiles&) = delete;
};

// Counts the steps from its creation on (1-based) and fails step failAt only;
// 0 fails none, which lets a first run learn how many steps an operation takes.
class FileStepFault {
 public:
  explicit FileStepFault(int failAt = 0) : failAt_(failAt) {
    platform::SetFileFaultHook([this](platform::FileStep step, const QString& path) {
      steps_.emplace_back(step, path);
      return static_cast<int>(steps_.size()) == failAt_;
    });
  }
  ~FileStepFault() { platform::SetFileFaultHook({}); }
  FileStepFault(const FileStepFault&) = delete;
  FileStepFault& operator=(const FileStepFault&) = delete;

  // Every step seen, the failed one included.
  const std::vector<std::pair<platform::FileStep, QString>>& steps() const { return steps_; }
  int count() const { return static_cast<int>(steps_.size()); }
  // The step that was made to fail, when one was reached.
  bool failed() const { return failAt_ > 0 && count() >= failAt_; }
  platform::FileStep failedStep() const { return steps_[static_cast<std::size_t>(failAt_ - 1)].first; }

 private:
  int failAt_;
  std::vector<std::pair<platform::FileStep, QString>> steps_;
};

}  // namespace testsupport
