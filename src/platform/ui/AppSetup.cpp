#include "platform/ui/AppSetup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

namespace platform {

QTranslator* InstallQtGermanTranslations(QCoreApplication& app) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto* translator = new QTranslator(&app);
  if (!translator->load(QStringLiteral("qtbase_de"), folder)) {
    std::fprintf(stderr, "Die deutschen Texte der Standard-Dialoge fehlen (qtbase_de.qm in %s).\n",
                 qPrintable(folder));
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

void SetUpApplication(QApplication& app) {
  // Only the name: a display name set here would be appended to every caption.
  QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
  InstallQtGermanTranslations(app);
  // The program speaks German whatever the machine's locale: month names,
  // file sizes and types in the standard dialogs.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

}  // namespace platform
