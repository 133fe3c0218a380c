#include "platform/ui/HelpViewer.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {
namespace {
HelpOpener& Opener() {
  static HelpOpener opener;
  return opener;
}
}  // namespace

HelpOpener SetHelpOpener(HelpOpener opener) {
  HelpOpener previous = std::move(Opener());
  Opener() = std::move(opener);
  return previous;
}

bool OpenHelpFile(const QString& path) {
  if (Opener()) return Opener()(path);
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace platform
