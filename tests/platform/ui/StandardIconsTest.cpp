#include "platform/ui/StandardIcons.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

namespace platform {
namespace {

// The shared icon draws as the style's own, in each size and mode a button asks for.
TEST(StandardIcons, DrawAsTheStylesOwn) {
  const QStyle::StandardPixmap icons[] = {QStyle::SP_FileIcon, QStyle::SP_DialogApplyButton,
                                          QStyle::SP_MessageBoxInformation, QStyle::SP_ArrowDown};
  for (QStyle::StandardPixmap which : icons) {
    const QIcon style = QApplication::style()->standardIcon(which);
    const QIcon shared = StandardIcon(which);
    EXPECT_FALSE(shared.isNull());
    for (int extent : {16, 20, 32}) {
      for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
        const QSize size(extent, extent);
        EXPECT_EQ(shared.actualSize(size, mode), style.actualSize(size, mode)) << which << ' ' << extent;
        EXPECT_EQ(shared.pixmap(size, mode).toImage(), style.pixmap(size, mode).toImage()) << which << ' ' << extent;
        QImage drawn[2];
        for (int i = 0; i < 2; ++i) {
          drawn[i] = QImage(40, 40, QImage::Format_ARGB32_Premultiplied);
          drawn[i].fill(Qt::white);
          QPainter painter(&drawn[i]);
          (i == 0 ? shared : style).paint(&painter, QRect(2, 3, extent, extent), Qt::AlignCenter, mode);
        }
        EXPECT_EQ(drawn[0], drawn[1]) << which << ' ' << extent;
      }
    }
  }
}

}  // namespace
}  // namespace platform
