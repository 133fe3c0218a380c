#pragma once
// The status line's panel for hover hints and for what an input guard says.
// What is said (a refusal, a cut text) stays until the next key or mouse
// button pressed in the panel's window, or until something else is said;
// meanwhile hover hints leave it standing.
#include <QLabel>

namespace platform {

class HintPanel : public QLabel {
 public:
  explicit HintPanel(QWidget* parent = nullptr);

  // A status tip; not shown while something said is held.
  void ShowHint(const QString& hint);
  // Shows the text and holds it.
  void Say(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BeginInput();

  bool held_ = false;
  // Set while one input makes its way through the widgets: what it makes
  // said is held past its own further deliveries.
  bool inInput_ = false;
};

}  // namespace platform
