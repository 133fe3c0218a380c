#pragma once
// A dialog that the program makes at its start but seldom shows: its widgets
// can be made when it is first shown instead of when it is made. Whatever it
// loads while it is made (settings files) is loaded at once either way.
#include <QDialog>

namespace platform {

enum class DialogWidgets {
  Now,          // made with the dialog
  OnFirstShow,  // made just before the dialog is first shown
};

class DeferredDialog : public QDialog {
  Q_OBJECT
 public:
  void setVisible(bool visible) override;

 protected:
  explicit DeferredDialog(QWidget* parent) : QDialog(parent) {}
  // Called by the constructor of the dialog, where MakeWidgets can run.
  void MakeWidgetsWhen(DialogWidgets when);
  // Makes the widgets, their layout and connections (once).
  virtual void MakeWidgets() = 0;

 private:
  void ensureWidgets();
  bool made_ = false;
};

}  // namespace platform
