#pragma once
// Copying the settings files and form files between the program's folders
// and another folder (a stick, a share), whole files through the shell copy.
#include <QString>
#include <array>

namespace quorv {

constexpr int kTransferFileCount = 7;

struct TransferFile {
  const char* Caption;  // the check box's caption
  const char* Name;     // file name or mask
  bool ExportDefault;
  bool ImportDefault;
};
// The files in copy order.
extern const std::array<TransferFile, kTransferFileCount> kTransferFiles;

using TransferChoice = std::array<bool, kTransferFileCount>;

inline constexpr const char* kSelfCopyRefusal = "Kopieren der Einstellungen auf\rsich selbst NICHT möglich!";

struct TransferResult {
  bool Refused = false;  // source and target are one folder: nothing copied
  int Attempted = 0;     // copies of single files tried
  int Copied = 0;
};

// Each chosen file from the primary source (the lists folder), else from the
// secondary one (the program folder), into target. Folders end in '/'.
TransferResult ExportSettings(const TransferChoice& files, const QString& primary, const QString& secondary,
                              const QString& target);

// Each chosen file of source into the program folder and/or the lists folder.
TransferResult ImportSettings(const TransferChoice& files, const QString& source, const QString& programDir,
                              const QString& listsFolder, bool toProgramDir, bool toListsFolder);

// Refusal and summary messages of a transfer (nothing when no copy was tried).
void ReportTransfer(const TransferResult& result);

}  // namespace quorv
