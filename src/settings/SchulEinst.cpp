#include "settings/SchulEinst.h"

#include <QByteArray>
#include <cstring>

#include "platform/Files.h"
#include "platform/Messages.h"
#include "records/QuorvDat.h"
#include "settings/SettingsFile.h"

namespace quorv {

TSchoolSettings SchoolSettings = [] {
  TSchoolSettings s;
  std::memset(&s, 0, sizeof s);
  return s;
}();

const QStringList& SchoolTypeItems() {
  static const QStringList items = {
      QString::fromUtf8("nicht ausgewählt"), QStringLiteral("Grundschule"),
      QStringLiteral("Regionale Schule"),    QStringLiteral("Integrierte Gesamtschule"),
      QStringLiteral("Gymnasium"),           QStringLiteral("Hauptschule"),
      QStringLiteral("Realschule"),          QString::fromUtf8("Förderschule"),
      QStringLiteral("Reserve 1"),           QStringLiteral("Schule z. indiv. Lebensbew.")};
  return items;
}

void SetSchoolSettingDefaults() {
  SchoolSettings.SchoolType = 0;
  SchoolSettings.SchoolNameAddress.set("");
  for (auto& w : SchoolSettings.Reserved) w = 0;
}

void LoadSchoolSettings() {
  const QString path = FindSettingsFile(kSchoolSettingsFile);
  if (path.isEmpty()) return;
  QByteArray bytes;
  if (!platform::ReadFileBytes(path, bytes, sizeof(TSchoolSettings))) {
    platform::ShowMessage(QString::fromUtf8("Die Schul-Einstellungs-Datei\rkonnte nicht geöffnet werden!"),
                          platform::MsgKind::Error);
    return;
  }
  // A short file fills the record from its start; the rest keeps its values.
  std::memcpy(&SchoolSettings, bytes.constData(), static_cast<std::size_t>(bytes.size()));
  SchoolSettings.SchoolNameAddress.clampLength();
}

bool SaveSchoolSettings() {
  return WriteSettingsFile(ProgramDir + kSchoolSettingsFile, &SchoolSettings, sizeof SchoolSettings);
}

}  // namespace quorv
