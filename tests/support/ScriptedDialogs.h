#pragma once
// A modal-dialog runner for tests: each dialog shown modally must be the next
// one scripted (by objectName); its answer function may work the dialog and
// returns the modal result. An unscripted dialog fails the current test and
// is answered 2 (Cancel).
#include <QString>
#include <deque>
#include <functional>

#include "platform/ui/ModalDialogs.h"

namespace testsupport {

class ScriptedDialogs {
 public:
  using Answer = std::function<int(QDialog& dialog)>;
  ScriptedDialogs();
  ~ScriptedDialogs();
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  ScriptedDialogs& expect(const QString& objectName, Answer answer);
  // Answers with a fixed result without touching the dialog.
  ScriptedDialogs& expect(const QString& objectName, int result);
  int shownCount() const { return shown_; }

 private:
  int Run(QDialog& dialog);
  struct Expected {
    QString name;
    Answer answer;
  };
  std::deque<Expected> script_;
  platform::ModalRunner previous_;
  int shown_ = 0;
};

}  // namespace testsupport
