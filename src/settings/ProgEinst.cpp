#include "settings/ProgEinst.h"

#include <QByteArray>
#include <cstring>

#include "platform/Files.h"
#include "platform/Messages.h"
#include "records/QuorvDat.h"
#include "settings/SettingsFile.h"

namespace quorv {

TProgramOptions ProgramOptions = DefaultProgramOptions();

const ProgramOptionSwitch kProgramOptionSwitches[10] = {
    {1, &TProgramOptions::AllowDeletePupils},
    {2, &TProgramOptions::ShowDeletedPupils},
    {3, &TProgramOptions::ShowAdditions},
    {4, &TProgramOptions::ShowFormFileBeforePrint},
    {5, &TProgramOptions::CentralPrintSettings},
    {6, &TProgramOptions::ListsInProgramDir},
    {7, &TProgramOptions::CopyFromPreviousPupil},
    {8, &TProgramOptions::InfoHints},
    {9, &TProgramOptions::GesamtschuleLevelConversion},
    {10, &TProgramOptions::TestOption},
};

TProgramOptions DefaultProgramOptions() {
  TProgramOptions o;
  std::memset(&o, 0, sizeof o);
  o.AllowDeletePupils = 1;
  o.CentralPrintSettings = 1;
  o.ListsInProgramDir = 1;
  o.InfoHints = 1;
  o.TestOption = 1;
  return o;
}

void SetProgramOptionDefaults() { ProgramOptions = DefaultProgramOptions(); }

void ConvertOldProgramOptions(const std::uint8_t* old16) {
  std::memcpy(&ProgramOptions, old16, 16);
}

namespace {
const QString kOlderVersion = QString::fromUtf8(
    "Die gefundenen Programmeinstellungen\rsind von einer älteren Version!\r\r"
    "Überprüfen Sie die neuen Programm-Einstellungen!");
const QString kUnknownVersion = QString::fromUtf8(
    "Die gefundenen Programmeinstellungen\rsind von einer unbekannten Programm-Version!\r\r"
    "Überprüfen Sie die neuen Programm-Einstellungen!");
}  // namespace

void LoadProgramOptions() {
  using platform::MsgKind;
  const QString path = FindSettingsFile(kProgramOptionsFile);
  if (path.isEmpty()) return;
  const qint64 size = platform::FileSize(path);
  QByteArray bytes;
  if (!platform::ReadFileBytes(path, bytes, sizeof(TProgramOptions))) {
    platform::ShowMessage(QString::fromUtf8("Die Programm-Einstellungs-Datei\rkonnte nicht geöffnet werden!"),
                          MsgKind::Error);
    return;
  }
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
  if (size == 16 && bytes.size() == 16) {
    ConvertOldProgramOptions(data);
    platform::ShowMessage(kOlderVersion, MsgKind::Error);
  } else if (size == 120 && bytes.size() == 120) {
    std::memcpy(&ProgramOptions, data, 120);
    platform::ShowMessage(kOlderVersion, MsgKind::Error);
  } else if (size == 126 && bytes.size() == 126) {
    std::memcpy(&ProgramOptions, data, 126);
  } else {
    platform::ShowMessage(kUnknownVersion, MsgKind::Error);
  }
  // The 120-byte version holds the length byte of the text too.
  ProgramOptions.ReservedText.clampLength();
}

bool SaveProgramOptions() {
  return WriteSettingsFile(ProgramDir + kProgramOptionsFile, &ProgramOptions, sizeof ProgramOptions);
}

QString ListsFolder() { return ProgramOptions.ListsInProgramDir == 1 ? ProgramDir : DataDir; }

}  // namespace quorv
