#pragma once
// File access used by every reader and writer of the program's files.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <memory>

class QFile;
class QSaveFile;

namespace platform {

// The steps of file access at which a failure can be injected (tests only).
enum class FileStep { OpenRead, Create, OpenWrite, Reserve, Write, Flush, Rename };
// Called before each step; returning true makes that step fail. Empty: no faults.
// Every step of reading and writing a file passes through it. A failing Write
// puts part of its bytes down first, as a full disk does; Reserve is the room
// a file written in place takes beyond its old end.
using FileFaultHook = std::function<bool(FileStep step, const QString& path)>;
void SetFileFaultHook(FileFaultHook hook);
// Tests only: true makes the folder of the path refuse a new file, as a
// folder without write permission does, while the file itself stays writable.
using FolderRefusalHook = std::function<bool(const QString& path)>;
void SetFolderRefusalHook(FolderRefusalHook hook);

// Who may read a file or folder the program creates. A file or folder that
// exists already keeps its mode whatever is asked.
enum class FileAccess {
  Shared,     // as the user's umask gives it
  OwnerOnly,  // files 0600, folders 0700: anything that holds pupils' data
};

// True when the file exists; a name with '*' or '?' counts when any file matches.
bool FileExists(const QString& path);
// Size in bytes, or -1 when the file cannot be found.
qint64 FileSize(const QString& path);
// Reads at most maxBytes (all when negative). False when the file cannot be opened.
bool ReadFileBytes(const QString& path, QByteArray& out, qint64 maxBytes = -1);
// Creates an empty file (truncating an existing one). False on failure.
bool CreateEmptyFile(const QString& path, FileAccess access = FileAccess::Shared);
// Writes data from offset 0 of an existing file without shortening it: bytes
// beyond stay. The old content is read, overlaid and written beside the file,
// which is then replaced, so the file is either the old or the complete new
// one. False when the file is missing or reading, writing or replacing fails.
bool WriteFileFromStart(const QString& path, const void* data, std::size_t size);
// Writes the whole file beside the target and then replaces the target, so
// the target is either the old or the complete new file. Where the folder
// refuses the file beside it, an existing target is written in place, and
// its old bytes are put back when the new ones cannot all be written. The
// new file has the mode of the old one. False on failure.
bool WriteFileReplacing(const QString& path, const QByteArray& data, FileAccess access = FileAccess::Shared);

// A file read in blocks, for files too large to hold twice.
class InputFile {
 public:
  InputFile();
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  // False when the file cannot be opened.
  bool Open(const QString& path);
  qint64 Size() const;
  // Reads up to size bytes; the count read (less only at the end), -1 on error.
  qint64 Read(void* data, qint64 size);

 private:
  std::unique_ptr<QFile> file_;
};

// A file written in pieces beside its target, which Commit replaces once all
// bytes are flushed to the disk: the target is either the old or the complete
// new file, with the old one's mode. Without Commit the target stays as it was.
// Where the folder refuses the file beside it, the target itself is written,
// with the room beyond its old end taken first and its old bytes kept to be
// put back.
class ReplacingFile {
 public:
  explicit ReplacingFile(const QString& path, FileAccess access = FileAccess::Shared);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;
  // finalSize: the bytes that will be written, when known.
  bool Open(qint64 finalSize = 0);
  // False when writing fails; every later call then fails too.
  bool Write(const void* data, std::size_t size);
  bool Commit();

 private:
  bool Reserve(qint64 end);
  void Abandon();

  QString path_;
  FileAccess access_;
  std::unique_ptr<QSaveFile> file_;
  std::unique_ptr<QFile> inPlace_;  // the target itself, where its folder refuses a new file
  QByteArray old_;                  // its bytes before
  qint64 room_ = 0;                 // the bytes it holds on the disk
  qint64 size_ = 0;
  bool ok_ = false;
  bool written_ = false;
};

// Makes the folder and any missing folders above it; access applies to the
// folder itself.
bool MakeDir(const QString& path, FileAccess access = FileAccess::Shared);
bool DirExists(const QString& path);
bool RemoveFile(const QString& path);
// Full paths of the files matching a mask such as "/dir/*.FST" (any
// attributes, hidden ones included; the mask ignores case).
QStringList FindFiles(const QString& mask);
// True when both paths name the same existing folder.
bool SameFolder(const QString& a, const QString& b);

}  // namespace platform
