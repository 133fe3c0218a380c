#pragma once
#include "platform/Messages.h"

class QWidget;

namespace platform {

// Message boxes shown with QMessageBox.
class QtMessageService : public MessageService {
 public:
  MsgResult Show(const QString& text, MsgKind kind, MsgButtons buttons) override;
};

}  // namespace platform
