#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QDialog>

namespace testsupport {

ScriptedDialogs::ScriptedDialogs()
    : previous_(platform::SetModalRunner([this](QDialog& dialog) { return Run(dialog); })) {}

ScriptedDialogs::~ScriptedDialogs() {
  for (const auto& e : script_) ADD_FAILURE() << "expected dialog not shown: " << e.name.toStdString();
  platform::SetModalRunner(previous_);
}

ScriptedDialogs& ScriptedDialogs::expect(const QString& objectName, Answer answer) {
  script_.push_back({objectName, std::move(answer)});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expect(const QString& objectName, int result) {
  return expect(objectName, [result](QDialog&) { return result; });
}

int ScriptedDialogs::Run(QDialog& dialog) {
  ++shown_;
  if (script_.empty()) {
    ADD_FAILURE() << "unexpected modal dialog: " << dialog.objectName().toStdString();
    return 2;
  }
  Expected e = std::move(script_.front());
  script_.pop_front();
  EXPECT_EQ(dialog.objectName().toStdString(), e.name.toStdString());
  return e.answer(dialog);
}

}  // namespace testsupport
