#pragma once
// Opens a help file with the desktop's default viewer.
#include <QString>
#include <functional>

namespace platform {

// Opens the file; false when no viewer could be started.
using HelpOpener = std::function<bool(const QString& path)>;

// Installs an opener (tests); returns the previous one. An empty opener
// restores the default, QDesktopServices::openUrl.
HelpOpener SetHelpOpener(HelpOpener opener);

bool OpenHelpFile(const QString& path);

}  // namespace platform
