#include "support/ScriptedFileDialogs.h"

#include <gtest/gtest.h>

namespace testsupport {

namespace {
const char* KindName(FileDialogKind kind) { return kind == FileDialogKind::Open ? "open" : "save"; }
}  // namespace

ScriptedFileDialogs::ScriptedFileDialogs() : previous_(platform::SetFileDialogs(this)) {}

ScriptedFileDialogs::~ScriptedFileDialogs() {
  for (const auto& e : script_) ADD_FAILURE() << "expected " << KindName(e.kind) << " dialog not shown";
  platform::SetFileDialogs(previous_);
}

ScriptedFileDialogs& ScriptedFileDialogs::expectOpen(std::optional<QString> answer) {
  script_.push_back({FileDialogKind::Open, std::move(answer)});
  return *this;
}

ScriptedFileDialogs& ScriptedFileDialogs::expectSave(std::optional<QString> answer) {
  script_.push_back({FileDialogKind::Save, std::move(answer)});
  return *this;
}

std::optional<QString> ScriptedFileDialogs::ChooseOpenFile(const platform::FileDialogRequest& request) {
  return Answer(FileDialogKind::Open, request);
}

std::optional<QString> ScriptedFileDialogs::ChooseSaveFile(const platform::FileDialogRequest& request) {
  return Answer(FileDialogKind::Save, request);
}

std::optional<QString> ScriptedFileDialogs::Answer(FileDialogKind kind, const platform::FileDialogRequest& request) {
  shown_.push_back({kind, request});
  if (script_.empty()) {
    ADD_FAILURE() << "unexpected " << KindName(kind) << " dialog: " << request.title.toStdString();
    return std::nullopt;
  }
  Expected e = std::move(script_.front());
  script_.pop_front();
  EXPECT_EQ(KindName(kind), std::string(KindName(e.kind)));
  return e.answer;
}

std::optional<QString> NoFileDialogs::ChooseOpenFile(const platform::FileDialogRequest& request) {
  ADD_FAILURE() << "unexpected open dialog: " << request.title.toStdString();
  return std::nullopt;
}

std::optional<QString> NoFileDialogs::ChooseSaveFile(const platform::FileDialogRequest& request) {
  ADD_FAILURE() << "unexpected save dialog: " << request.title.toStdString();
  return std::nullopt;
}

}  // namespace testsupport
