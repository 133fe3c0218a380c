#include "settings/SettingsTransfer.h"

#include <QFileInfo>

#include "platform/Files.h"
#include "platform/Messages.h"
#include "platform/ShellCopy.h"

namespace quorv {

const std::array<TransferFile, kTransferFileCount> kTransferFiles = {{
    {"Wahlpflicht-Fächer", "WPflFach.DAT", true, true},
    {" ", "TEST.TST", false, true},
    {"Schul-Einstellungen", "SCHEINST.DAT", true, true},
    {"Programm-Einstellungen", "QVREINST.DAT", true, true},
    {"Druck-Einstellungen", "DRKEINST.DAT", true, false},
    {"Format-Steuer-Dateien ( *.FST)", "*.FST", false, false},
    {" ", "TEST.TXT", false, false},
}};

namespace {

// One shell copy of a file or mask into a folder. A copy whose source is its
// own target is passed over: it could only harm the file.
void CopyInto(const QString& sourceDir, const QString& name, const QString& targetDir, TransferResult& result) {
  if (platform::SameFolder(sourceDir, targetDir)) return;
  const platform::ShellCopyResult r = platform::ShellCopy(sourceDir + name, targetDir);
  result.Attempted += r.copied + r.skipped + r.failed;
  result.Copied += r.copied;
}

}  // namespace

TransferResult ExportSettings(const TransferChoice& files, const QString& primary, const QString& secondary,
                              const QString& target) {
  TransferResult result;
  if (platform::SameFolder(target, primary)) {
    result.Refused = true;
    return result;
  }
  for (int i = 0; i < kTransferFileCount; ++i) {
    if (!files[static_cast<std::size_t>(i)]) continue;
    const QString name = QString::fromLatin1(kTransferFiles[static_cast<std::size_t>(i)].Name);
    if (platform::FileExists(primary + name))
      CopyInto(primary, name, target, result);
    else if (!platform::SameFolder(primary, secondary) && platform::FileExists(secondary + name))
      CopyInto(secondary, name, target, result);
  }
  return result;
}

TransferResult ImportSettings(const TransferChoice& files, const QString& source, const QString& programDir,
                              const QString& listsFolder, bool toProgramDir, bool toListsFolder) {
  TransferResult result;
  if (platform::SameFolder(source, programDir)) {
    result.Refused = true;
    return result;
  }
  const bool listsIsProgramDir = platform::SameFolder(listsFolder, programDir);
  for (int i = 0; i < kTransferFileCount; ++i) {
    if (!files[static_cast<std::size_t>(i)]) continue;
    const QString name = QString::fromLatin1(kTransferFiles[static_cast<std::size_t>(i)].Name);
    if (!platform::FileExists(source + name)) continue;
    if (toProgramDir) CopyInto(source, name, programDir, result);
    if (toListsFolder && !(listsIsProgramDir && toProgramDir)) CopyInto(source, name, listsFolder, result);
  }
  return result;
}

void ReportTransfer(const TransferResult& result) {
  if (result.Refused) {
    platform::ShowMessage(QString::fromUtf8(kSelfCopyRefusal), platform::MsgKind::Error);
    return;
  }
  if (result.Attempted == 0) return;
  const int failed = result.Attempted - result.Copied;
  QString text = (result.Attempted == 1 ? QStringLiteral("Es wurden %1 von %2 Datei kopiert.")
                                        : QStringLiteral("Es wurden %1 von %2 Dateien kopiert."))
                     .arg(result.Copied)
                     .arg(result.Attempted);
  if (failed == 1)
    text += QStringLiteral("\r1 Datei wurde NICHT kopiert!");
  else if (failed > 1)
    text += QStringLiteral("\r%1 Dateien wurden NICHT kopiert!").arg(failed);
  platform::ShowMessage(text, failed > 0 ? platform::MsgKind::Warning : platform::MsgKind::Information);
}

}  // namespace quorv
