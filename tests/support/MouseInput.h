#pragma once
// The mouse as the window system delivers it: to a widget's window, which
// hands it to the widget below the pointer (or to an open popup).
#include <QPoint>

class QComboBox;
class QWidget;

namespace testsupport {

// Moves the pointer to a point of the widget.
void PointAt(QWidget* widget, QPoint at);

// Moves the pointer to a point of the widget and clicks there; the event
// loop runs first, as it does between two clicks of a user.
void ClickInWindow(QWidget* widget, QPoint at);

// Opens the combo box's list with a click on its arrow and clicks the item;
// as the list closes, the pointer enters the window below it again. False
// when the list did not open or close.
bool ChooseWithMouse(QComboBox* combo, int index);

}  // namespace testsupport
