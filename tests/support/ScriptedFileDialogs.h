#pragma once
// Open and save dialogs for tests: each dialog shown must be the next one
// scripted; it is answered with the scripted path or Cancel, and its request
// is kept. An unscripted dialog fails the current test and is cancelled.
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "platform/FileDialogs.h"

namespace testsupport {

enum class FileDialogKind { Open, Save };

struct ShownFileDialog {
  FileDialogKind kind;
  platform::FileDialogRequest request;
};

class ScriptedFileDialogs : public platform::FileDialogs {
 public:
  ScriptedFileDialogs();
  ~ScriptedFileDialogs() override;
  ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
  ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

  // nullopt answers Cancel.
  ScriptedFileDialogs& expectOpen(std::optional<QString> answer);
  ScriptedFileDialogs& expectSave(std::optional<QString> answer);

  std::optional<QString> ChooseOpenFile(const platform::FileDialogRequest& request) override;
  std::optional<QString> ChooseSaveFile(const platform::FileDialogRequest& request) override;

  const std::vector<ShownFileDialog>& shown() const { return shown_; }

 private:
  std::optional<QString> Answer(FileDialogKind kind, const platform::FileDialogRequest& request);
  struct Expected {
    FileDialogKind kind;
    std::optional<QString> answer;
  };
  std::deque<Expected> script_;
  std::vector<ShownFileDialog> shown_;
  platform::FileDialogs* previous_;
};

// Fails the current test on any file dialog; the test main installs one.
class NoFileDialogs : public platform::FileDialogs {
 public:
  std::optional<QString> ChooseOpenFile(const platform::FileDialogRequest& request) override;
  std::optional<QString> ChooseSaveFile(const platform::FileDialogRequest& request) override;
};

}  // namespace testsupport
