#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace testsupport {

ScriptedMessages::ScriptedMessages() : previous_(platform::SetMessageService(this)) {}

ScriptedMessages::~ScriptedMessages() {
  for (const auto& e : script_) ADD_FAILURE() << "expected message not shown: " << e.text.toStdString();
  platform::SetMessageService(previous_);
}

ScriptedMessages& ScriptedMessages::expect(const QString& text, platform::MsgKind kind,
                                           platform::MsgResult reply) {
  script_.push_back({text, kind, reply, false});
  return *this;
}

ScriptedMessages& ScriptedMessages::expectPrefix(const QString& prefix, platform::MsgKind kind,
                                                 platform::MsgResult reply) {
  script_.push_back({prefix, kind, reply, true});
  return *this;
}

platform::MsgResult ScriptedMessages::Show(const QString& text, platform::MsgKind kind,
                                           platform::MsgButtons buttons) {
  shown_.push_back({text, kind, buttons});
  if (script_.empty()) {
    ADD_FAILURE() << "unexpected message: " << text.toStdString();
    return buttons == platform::MsgButtons::Ok ? platform::MsgResult::Ok : platform::MsgResult::Cancel;
  }
  const Expected e = script_.front();
  script_.pop_front();
  if (e.prefix)
    EXPECT_TRUE(text.startsWith(e.text)) << "message: " << text.toStdString() << "\nexpected prefix: "
                                         << e.text.toStdString();
  else
    EXPECT_EQ(text.toStdString(), e.text.toStdString());
  EXPECT_EQ(static_cast<int>(kind), static_cast<int>(e.kind)) << "kind of message " << text.toStdString();
  return e.reply;
}

}  // namespace testsupport
