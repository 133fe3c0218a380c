#include "platform/ui/ModalDialogs.h"

#include <QDialog>

namespace platform {
namespace {
ModalRunner& Runner() {
  static ModalRunner runner;
  return runner;
}
}  // namespace

ModalRunner SetModalRunner(ModalRunner runner) {
  ModalRunner previous = std::move(Runner());
  Runner() = std::move(runner);
  return previous;
}

int RunModal(QDialog& dialog) {
  if (Runner()) return Runner()(dialog);
  return dialog.exec();
}

}  // namespace platform
