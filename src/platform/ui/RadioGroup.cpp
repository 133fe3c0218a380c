#include "platform/ui/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace platform {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
  auto* layout = new QGridLayout(this);
  const int cols = columns < 1 ? 1 : columns;
  const int rows = (static_cast<int>(items.size()) + cols - 1) / cols;
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    b->setObjectName(QStringLiteral("RadioItem%1").arg(i));
    group_->addButton(b, i);
    layout->addWidget(b, i % rows, i / rows);  // fills column by column
    buttons_.push_back(b);
  }
  connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on) emit itemIndexChanged(id);
  });
}

int RadioGroup::itemIndex() const { return group_->checkedId(); }

void RadioGroup::setItemIndex(int index) {
  if (index >= 0 && index < count()) {
    buttons_[static_cast<std::size_t>(index)]->setChecked(true);
    return;
  }
  group_->setExclusive(false);
  for (auto* b : buttons_) b->setChecked(false);
  group_->setExclusive(true);
}

}  // namespace platform
