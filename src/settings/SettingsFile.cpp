#include "settings/SettingsFile.h"

#include "platform/Files.h"
#include "platform/Messages.h"
#include "records/QuorvDat.h"

namespace quorv {

bool WriteSettingsFile(const QString& path, const void* data, std::size_t size) {
  using platform::MsgKind;
  const bool created = !platform::FileExists(path);
  if (created && !platform::CreateEmptyFile(path)) {
    platform::ShowMessage(QStringLiteral("Fehler beim Erzeugen der neuen Datei!"), MsgKind::Plain);
    return false;
  }
  if (!platform::WriteFileFromStart(path, data, size)) {
    // An empty file left behind would be read as a damaged one at the next start.
    if (created) platform::RemoveFile(path);
    platform::ShowMessage(QStringLiteral(" Fehler beim Speichern von: \r") + path, MsgKind::Plain);
    return false;
  }
  return true;
}

QString FindSettingsFile(const QString& name) {
  if (platform::FileExists(ProgramDir + name)) return ProgramDir + name;
  if (platform::FileExists(DataDir + name)) return DataDir + name;
  return {};
}

}  // namespace quorv
