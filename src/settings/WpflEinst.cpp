#include "settings/WpflEinst.h"

#include <QByteArray>
#include <cstring>

#include "platform/Files.h"
#include "platform/Messages.h"
#include "platform/ShellCopy.h"
#include "records/QuorvDat.h"
#include "settings/ProgEinst.h"
#include "settings/SettingsFile.h"

namespace quorv {

TWPflFach ElectiveSubjects;
int ElectiveIndex = 1;
QStringList ElectiveSubjectNames;

namespace {

TElectiveSubject MakeEntry(const char* name, const char* abbreviation) {
  TElectiveSubject e;
  std::memset(&e, 0, sizeof e);
  e.Name.set(name);
  e.Abbreviation.set(abbreviation);
  return e;
}

TElectiveSubject NoSubjectEntry() { return MakeEntry(kNoContent, "---"); }
TElectiveSubject UnknownSubjectEntry() { return MakeEntry(kUnfilled, kUnfilled); }

constexpr std::size_t kEntrySize = sizeof(TElectiveSubject);

}  // namespace

void SetElectiveDefaults() {
  ElectiveSubjects = {NoSubjectEntry(), UnknownSubjectEntry()};
  ElectiveIndex = 1;
}

void SetElectivePlaceholder() {
  if (ElectiveIndex >= 0 && ElectiveIndex < ElectiveCount())
    ElectiveSubjects[static_cast<std::size_t>(ElectiveIndex)] = NoSubjectEntry();
}

void LoadElectiveSubjects() {
  const QString lists = ListsFolder();
  const QString other = lists == ProgramDir ? DataDir : ProgramDir;
  QString path = lists + kElectiveFile;
  if (!platform::FileExists(path)) {
    path = other + kElectiveFile;
    if (!platform::FileExists(path)) return;
  }
  QByteArray bytes;
  if (!platform::ReadFileBytes(path, bytes)) {
    platform::ShowMessage(QString::fromUtf8("Die Wahlpflicht-Fächer-Datei\rkonnte nicht geöffnet werden!"),
                          platform::MsgKind::Error);
    return;
  }
  if (bytes.size() < 2) return;
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
  // Only whole entries that the file holds are read.
  const std::size_t stored = (static_cast<std::size_t>(bytes.size()) - 2) / kEntrySize;
  const std::size_t n = std::min<std::size_t>(platform::ReadLeU16(data), stored);
  TWPflFach entries(n);
  for (std::size_t i = 0; i < n; ++i) {
    std::memcpy(&entries[n - 1 - i], data + 2 + i * kEntrySize, kEntrySize);
    entries[n - 1 - i].Name.clampLength();
    entries[n - 1 - i].Abbreviation.clampLength();
  }
  // The two fixed entries are always entries 0 and 1: a file cut short or
  // with a count below 2 lacks them, and the subjects it holds follow them.
  auto named = [&entries](std::size_t i, const char* name) {
    return i < entries.size() && entries[i].Name.str() == name;
  };
  if (!named(0, kNoContent)) entries.insert(entries.begin(), NoSubjectEntry());
  if (!named(1, kUnfilled)) entries.insert(entries.begin() + 1, UnknownSubjectEntry());
  ElectiveSubjects = std::move(entries);
  ElectiveIndex = 0;
}

bool SaveElectiveSubjects() {
  const std::size_t n = ElectiveSubjects.size();
  QByteArray bytes(static_cast<qsizetype>(2 + n * kEntrySize), '\0');
  auto* data = reinterpret_cast<std::uint8_t*>(bytes.data());
  platform::WriteLeU16(data, static_cast<std::uint16_t>(n));
  for (std::size_t i = 0; i < n; ++i) std::memcpy(data + 2 + i * kEntrySize, &ElectiveSubjects[n - 1 - i], kEntrySize);
  return WriteSettingsFile(ListsFolder() + kElectiveFile, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void RebuildElectiveNames() {
  ElectiveSubjectNames.clear();
  for (const auto& e : ElectiveSubjects) ElectiveSubjectNames.append(e.Name.text());
}

void CopyElectiveFile(const QString& target, const QString& folderA, const QString& folderB) {
  QString source = ProgramOptions.ListsInProgramDir == 1 ? folderB : folderA;
  if (!platform::FileExists(source + kElectiveFile)) {
    source = source == folderB ? folderA : folderB;
    if (!platform::FileExists(source + kElectiveFile)) return;
  }
  platform::ShellCopy(source + kElectiveFile, target + kElectiveFile);
}

}  // namespace quorv
