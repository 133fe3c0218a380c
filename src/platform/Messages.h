#pragma once
// Message boxes: every modal message goes through here so tests can answer it.
#include <QString>
#include <QStringList>

namespace platform {

enum class MsgKind { Error, Warning, Information, Confirmation, Plain };
enum class MsgButtons { Ok, YesNo, OkCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

class MessageService {
 public:
  virtual ~MessageService() = default;
  // text uses '\r' as line break, as the program's messages are written.
  virtual MsgResult Show(const QString& text, MsgKind kind, MsgButtons buttons) = 0;
};

// Installs a service; returns the previous one. nullptr restores the fallback,
// which writes the message to stderr and answers OK / No.
MessageService* SetMessageService(MessageService* service);

MsgResult ShowMessage(const QString& text, MsgKind kind = MsgKind::Information,
                      MsgButtons buttons = MsgButtons::Ok);

// Convenience: true when the user answered Yes (Yes/No) or OK (OK/Cancel).
bool AskYesNo(const QString& text, MsgKind kind = MsgKind::Confirmation);

// The message as displayed: each '\r' becomes a line break.
QString DisplayText(const QString& text);

// Names for a message, one a line: the first ten, then oneMore ("und 1
// weiterer …") or moreOf with the count for %1 ("und %1 weitere …").
QString NamedList(const QStringList& names, const QString& oneMore, const QString& moreOf);

}  // namespace platform
