#pragma once
// What the program sets on its application object before any window opens.
#include <QString>

class QApplication;
class QCoreApplication;
class QTranslator;

namespace platform {

// The program's name for the desktop (task bar, message box captions). It is
// not appended to window captions: each window shows its own caption only.
inline constexpr const char* kApplicationTitle = "Quorv (USB)";

// Names the application and installs Qt's German translations, so that the
// standard dialogs and buttons speak German.
void SetUpApplication(QApplication& app);

// Installs Qt's own German translations from Qt's translation folder; the
// translator belongs to the application. nullptr (and a note on stderr) when
// they cannot be loaded.
QTranslator* InstallQtGermanTranslations(QCoreApplication& app);

}  // namespace platform
