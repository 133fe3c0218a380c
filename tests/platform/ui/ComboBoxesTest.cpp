#include <gtest/gtest.h>

#include <QComboBox>
#include <QStringList>

#include "platform/ui/ComboBoxes.h"

namespace platform {
namespace {

// Sized as a Qt combo box with the minimum-contents-length policy.
TEST(LengthSizedComboBox, HasTheSizeOfQtsMinimumContentsLengthPolicy) {
  const struct {
    int characters;
    bool editable;
    QStringList items;
  } cases[] = {
      {1, true, {}},
      {12, true, {QStringLiteral("Philosophieren mit Kindern"), QStringLiteral("Mathematik")}},
      {1, false, {QStringLiteral("?"), QStringLiteral("10")}},
  };
  for (const auto& c : cases) {
    QComboBox qt;
    qt.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    qt.setMinimumContentsLength(c.characters);
    qt.setEditable(c.editable);
    qt.addItems(c.items);
    LengthSizedComboBox sized(c.characters);
    if (c.editable) MakeEditable(&sized);
    sized.addItems(c.items);
    EXPECT_EQ(sized.sizeHint(), qt.sizeHint()) << c.characters;
    EXPECT_EQ(sized.minimumSizeHint(), qt.minimumSizeHint()) << c.characters;
  }
}

}  // namespace
}  // namespace platform
