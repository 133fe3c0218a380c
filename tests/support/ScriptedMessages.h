#pragma once
// A message service for tests: it logs every message and answers from a
// script; a message that was not scripted, or differs from the script, fails
// the current test. Installing one replaces the previous service until it is
// destroyed.
#include <QString>
#include <deque>
#include <vector>

#include "platform/Messages.h"

namespace testsupport {

struct ShownMessage {
  QString text;
  platform::MsgKind kind;
  platform::MsgButtons buttons;
};

class ScriptedMessages : public platform::MessageService {
 public:
  ScriptedMessages();
  ~ScriptedMessages() override;

  // The next message must have this text and kind; it is answered with reply.
  ScriptedMessages& expect(const QString& text, platform::MsgKind kind,
                           platform::MsgResult reply = platform::MsgResult::Ok);
  // The next message must start with this text.
  ScriptedMessages& expectPrefix(const QString& prefix, platform::MsgKind kind,
                                 platform::MsgResult reply = platform::MsgResult::Ok);

  platform::MsgResult Show(const QString& text, platform::MsgKind kind,
                           platform::MsgButtons buttons) override;

  const std::vector<ShownMessage>& shown() const { return shown_; }
  bool allAnswered() const { return script_.empty(); }

 private:
  struct Expected {
    QString text;
    platform::MsgKind kind;
    platform::MsgResult reply;
    bool prefix;
  };
  std::deque<Expected> script_;
  std::vector<ShownMessage> shown_;
  platform::MessageService* previous_;
};

}  // namespace testsupport
