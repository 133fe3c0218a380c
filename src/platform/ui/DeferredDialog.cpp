#include "platform/ui/DeferredDialog.h"

namespace platform {

void DeferredDialog::MakeWidgetsWhen(DialogWidgets when) {
  if (when == DialogWidgets::Now) ensureWidgets();
}

void DeferredDialog::ensureWidgets() {
  if (made_) return;
  made_ = true;
  MakeWidgets();
}

void DeferredDialog::setVisible(bool visible) {
  if (visible) ensureWidgets();
  QDialog::setVisible(visible);
}

}  // namespace platform
