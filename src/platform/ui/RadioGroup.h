#pragma once
// A titled group of radio buttons with an item index (-1: none selected).
#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace platform {

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent = nullptr);
  int itemIndex() const;
  void setItemIndex(int index);
  int count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

 signals:
  void itemIndexChanged(int index);

 private:
  QButtonGroup* group_;
  std::vector<QRadioButton*> buttons_;
};

}  // namespace platform
