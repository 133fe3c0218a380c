#pragma once
// Modal dialogs: every dialog the program shows modally runs through here so
// tests can answer it.
#include <functional>

class QDialog;

namespace platform {

// Runs a dialog modally and returns its result (1 OK, 2 Cancel by the
// program's convention).
using ModalRunner = std::function<int(QDialog& dialog)>;

// Installs a runner; returns the previous one. An empty runner restores the
// default, which shows the dialog with QDialog::exec.
ModalRunner SetModalRunner(ModalRunner runner);

int RunModal(QDialog& dialog);

}  // namespace platform
