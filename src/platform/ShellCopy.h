#pragma once
// File copy as the desktop shell does it: one file name or mask per call,
// asking before an existing file is replaced.
#include <QString>

namespace platform {

struct ShellCopyResult {
  int copied = 0;
  int skipped = 0;  // declined replacements and copies onto themselves
  int failed = 0;
};

// Copies source (a file, or a mask such as "/dir/*.FST") into the folder
// targetDir (ending in '/'), or onto targetFile when targetDir names a file.
ShellCopyResult ShellCopy(const QString& source, const QString& target);

}  // namespace platform
