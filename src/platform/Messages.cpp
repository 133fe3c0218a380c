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

QString NamedList(const QStringList& names, const QString& oneMore, const QString& moreOf) {
  constexpr qsizetype kNamed = 10;
  QStringList shown = names.mid(0, kNamed);
  const qsizetype more = names.size() - kNamed;
  if (more == 1) shown << oneMore;
  if (more > 1) shown << moreOf.arg(more);
  return shown.join(QLatin1Char('\r'));
}

}  // namespace platform
