#pragma once
// Settings files are raw images of their records, written from offset 0 into
// the existing file without shortening it.
#include <QString>
#include <cstddef>

namespace quorv {

// Creates the file when missing, then writes the bytes from its start. The
// file is the old or the complete new one afterwards (a file created here is
// removed again when the write fails). Shows the program's save messages and
// returns false on failure.
bool WriteSettingsFile(const QString& path, const void* data, std::size_t size);

// The first of ProgramDir + name and DataDir + name that exists, or empty.
QString FindSettingsFile(const QString& name);

}  // namespace quorv
