#pragma once
// A folder chooser for tests: answers every call with one scripted folder (or
// Cancel) and keeps the root and prompt of the last call.
#include <QString>
#include <optional>
#include <utility>

#include "platform/FolderChooser.h"

namespace testsupport {

class ScriptedFolderChooser : public platform::FolderChooser {
 public:
  explicit ScriptedFolderChooser(std::optional<QString> answer)
      : answer_(std::move(answer)), previous_(platform::SetFolderChooser(this)) {}
  ~ScriptedFolderChooser() override { platform::SetFolderChooser(previous_); }
  ScriptedFolderChooser(const ScriptedFolderChooser&) = delete;
  ScriptedFolderChooser& operator=(const ScriptedFolderChooser&) = delete;
  std::optional<QString> ChooseFolder(int root, const QString& prompt) override {
    root_ = root;
    prompt_ = prompt;
    ++calls_;
    return answer_;
  }
  std::optional<QString> answer_;
  platform::FolderChooser* previous_;
  int root_ = -1;
  QString prompt_;
  int calls_ = 0;
};

}  // namespace testsupport
