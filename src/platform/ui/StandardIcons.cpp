#include "platform/ui/StandardIcons.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>

namespace platform {
namespace {

// Emptied with the application object, before the pictures' own statics go.
QHash<int, QIcon>& StyleIcons() {
  static QHash<int, QIcon>* const icons = [] {
    qAddPostRoutine([] { StyleIcons().clear(); });
    return new QHash<int, QIcon>;
  }();
  return *icons;
}

// The application style's icon, asked for once.
const QIcon& StyleIcon(QStyle::StandardPixmap which) {
  QHash<int, QIcon>& icons = StyleIcons();
  auto it = icons.constFind(which);
  if (it == icons.constEnd()) it = icons.insert(which, QApplication::style()->standardIcon(which));
  return *it;
}

// Hands every request on to the style's icon, which it asks for at the first
// request that needs its pictures.
class StandardIconEngine final : public QIconEngine {
 public:
  explicit StandardIconEngine(QStyle::StandardPixmap which) : which_(which) {}

  QIconEngine* clone() const override { return new StandardIconEngine(which_); }
  QString key() const override { return QStringLiteral("platform::StandardIcon"); }
  // The style has each standard icon; a button sizes itself without its pictures.
  bool isNull() override { return false; }

  // QIcon has already aligned the rectangle to the actual size.
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    StyleIcon(which_).paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  // QIcon asks with the device pixels; the style's icon gives them at a ratio of 1.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return StyleIcon(which_).pixmap(size, 1.0, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    if (!(scale > 1.0)) return pixmap(size, mode, state);
    return StyleIcon(which_).pixmap((QSizeF(size) / scale).toSize(), scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return StyleIcon(which_).actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return StyleIcon(which_).availableSizes(mode, state);
  }

 private:
  QStyle::StandardPixmap which_;
};

}  // namespace

QIcon StandardIcon(QStyle::StandardPixmap which) {
  static QHash<int, QIcon> icons;
  auto it = icons.constFind(which);
  if (it == icons.constEnd()) it = icons.insert(which, QIcon(new StandardIconEngine(which)));
  return *it;
}

void ForgetStandardIconPictures() { StyleIcons().clear(); }

}  // namespace platform
