#include "platform/Messages.h"

#include <cstdio>

namespace platform {
namespace {
MessageService* g_service = nullptr;
}

MessageService* SetMessageService(MessageService* service) {
  MessageService* previous = g_service;
  g_service = service;
  return previous;
}

MsgResult ShowMessage(const QString& text, MsgKind kind, MsgButtons buttons) {
  if (g_service) return g_service->Show(text, kind, buttons);
  std::fprintf(stderr, "%s\n", DisplayText(text).toLocal8Bit().constData());
  return buttons == MsgButtons::YesNo ? MsgResult::No
         : buttons == MsgButtons::OkCancel ? MsgResult::Cancel
                                           : MsgResult::Ok;
}

bool AskYesNo(const QString& text, MsgKind kind) {
  return ShowMessage(text, kind, MsgButtons::YesNo) == MsgResult::Yes;
}

QString DisplayText(const QString& text) {
  QString shown = text;
  shown.replace(QChar('\r'), QChar('\n'));
  return shown;
}

}  // namespace platform
