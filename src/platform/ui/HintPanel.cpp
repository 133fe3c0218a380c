#include "platform/ui/HintPanel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

namespace platform {
namespace {

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      return true;
    default:
      return false;
  }
}

// Popups, menus and dialogs count as part of the window they were opened from.
bool Within(const QWidget* widget, const QWidget* window) {
  for (; widget != nullptr; widget = widget->parentWidget())
    if (widget == window) return true;
  return false;
}

}  // namespace

HintPanel::HintPanel(QWidget* parent) : QLabel(parent) { QCoreApplication::instance()->installEventFilter(this); }

void HintPanel::ShowHint(const QString& hint) {
  if (!held_) setText(hint);
}

void HintPanel::Say(const QString& text) {
  setText(text);
  held_ = true;
}

bool HintPanel::eventFilter(QObject* watched, QEvent* event) {
  if (IsInput(event->type()) && watched->isWidgetType() && Within(static_cast<QWidget*>(watched), window()))
    BeginInput();
  return false;
}

void HintPanel::BeginInput() {
  // An event the receiver ignores is offered to its parents as well; it stays
  // one input until the event loop takes the next one.
  if (inInput_) return;
  inInput_ = true;
  held_ = false;
  QMetaObject::invokeMethod(this, [this] { inInput_ = false; }, Qt::QueuedConnection);
}

}  // namespace platform
