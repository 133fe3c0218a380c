#pragma once
// Combo boxes that cost little until they are used: Qt makes a combo box's
// drop-down list when it is made editable or given a size policy; these make
// it when it first drops down (or its view is asked for).
#include <QComboBox>

namespace platform {

// As wide as `characters` characters plus an icon, the same size that
// QComboBox::AdjustToMinimumContentsLengthWithIcon gives.
class LengthSizedComboBox : public QComboBox {
 public:
  explicit LengthSizedComboBox(int characters, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
};

// Makes the combo box editable as QComboBox::setEditable(true) does, with
// Qt's own inline, case-insensitive completion from the items. The completer
// is made when the combo box first takes the focus or a key.
void MakeEditable(QComboBox* combo);

}  // namespace platform
