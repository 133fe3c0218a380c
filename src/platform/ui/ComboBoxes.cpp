#include "platform/ui/ComboBoxes.h"

#include <QCompleter>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtMath>
#include <algorithm>

namespace platform {
namespace {

// Stands in for the completer until the real one is made: a combo box makes
// its own completer only for a line edit without one, and it compares texts
// case-insensitively as long as the line edit's completer does.
QCompleter* StandIn() {
  static QCompleter* const standIn = [] {
    auto* completer = new QCompleter;
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::InlineCompletion);
    return completer;
  }();
  return standIn;
}

class ComboLineEdit : public QLineEdit {
 public:
  explicit ComboLineEdit(QComboBox* combo) : QLineEdit(combo), combo_(combo) {}

 protected:
  // The combo box hands its focus and key events on to its line edit.
  void focusInEvent(QFocusEvent* event) override {
    MakeCompleter();
    QLineEdit::focusInEvent(event);
  }
  void keyPressEvent(QKeyEvent* event) override {
    MakeCompleter();
    QLineEdit::keyPressEvent(event);
  }
  void inputMethodEvent(QInputMethodEvent* event) override {
    MakeCompleter();
    QLineEdit::inputMethodEvent(event);
  }

 private:
  // The completer QComboBox::setLineEdit makes, in the state it would be in:
  // its prefix follows the text of the current item.
  void MakeCompleter() {
    if (completer() != StandIn()) return;
    auto* completer = new QCompleter(combo_->model(), this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::InlineCompletion);
    completer->setCompletionColumn(combo_->modelColumn());
    combo_->setCompleter(completer);
    // The focus-in handler connects it to the line edit.
    QObject::disconnect(completer, nullptr, this, nullptr);
    if (combo_->currentIndex() >= 0) completer->setCompletionPrefix(combo_->itemText(combo_->currentIndex()));
  }

  QComboBox* combo_;
};

}  // namespace

LengthSizedComboBox::LengthSizedComboBox(int characters, QWidget* parent) : QComboBox(parent) {
  // Under the default size policy this makes no drop-down list.
  setMinimumContentsLength(characters);
}

QSize LengthSizedComboBox::sizeHint() const {
  const QFontMetrics metrics = fontMetrics();
  const QSize icon = iconSize();
  QSize contents(minimumContentsLength() * metrics.horizontalAdvance(u'X') + icon.width() + 4,
                 std::max(qCeil(QFontMetricsF(metrics).height()), 14) + 2);
  contents.setHeight(std::max(contents.height(), icon.height() + 2));
  QStyleOptionComboBox option;
  initStyleOption(&option);
  return style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this);
}

QSize LengthSizedComboBox::minimumSizeHint() const { return sizeHint(); }

void MakeEditable(QComboBox* combo) {
  if (combo->isEditable()) return;
  auto* edit = new ComboLineEdit(combo);
  edit->setPalette(combo->palette());
  edit->setCompleter(StandIn());
  StandIn()->setWidget(nullptr);  // it watches no line edit
  combo->setLineEdit(edit);
}

}  // namespace platform
