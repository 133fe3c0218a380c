#include "support/MouseInput.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWindow>

namespace testsupport {

namespace {

QPoint InWindow(QWidget* widget, QPoint at) {
  return widget->window()->windowHandle()->mapFromGlobal(widget->mapToGlobal(at));
}

}  // namespace

void PointAt(QWidget* widget, QPoint at) { QTest::mouseMove(widget->window()->windowHandle(), InWindow(widget, at)); }

void ClickInWindow(QWidget* widget, QPoint at) {
  QCoreApplication::processEvents();
  PointAt(widget, at);
  QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {}, InWindow(widget, at));
}

bool ChooseWithMouse(QComboBox* combo, int index) {
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = combo->isEditable();
  option.subControls = QStyle::SC_All;
  const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
  ClickInWindow(combo, arrow.center());
  QAbstractItemView* list = combo->view();
  if (!QTest::qWaitFor([list] { return list->isVisible(); })) return false;
  const QPoint item = list->visualRect(combo->model()->index(index, combo->modelColumn())).center();
  const QPoint pointer = list->viewport()->mapToGlobal(item);
  ClickInWindow(list->viewport(), item);
  if (!QTest::qWaitFor([list] { return !list->isVisible(); })) return false;
  QWindow* below = combo->window()->windowHandle();
  const QPointF local = below->mapFromGlobal(pointer);
  QEnterEvent enter(local, local, QPointF(pointer));
  QCoreApplication::sendEvent(below, &enter);
  return true;
}

}  // namespace testsupport
