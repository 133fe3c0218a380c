#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstring>

namespace platform {

namespace {
FileFaultHook g_faultHook;
FolderRefusalHook g_refusalHook;
bool Fails(FileStep step, const QString& path) { return g_faultHook && g_faultHook(step, path); }
bool FolderRefuses(const QString& path) { return g_refusalHook && g_refusalHook(path); }
}  // namespace

void SetFileFaultHook(FileFaultHook hook) { g_faultHook = std::move(hook); }
void SetFolderRefusalHook(FolderRefusalHook hook) { g_refusalHook = std::move(hook); }

bool FileExists(const QString& path) {
  const QFileInfo info(path);
  const QString name = info.fileName();
  if (name.contains('*') || name.contains('?')) {
    const QDir dir = info.dir();
    return !dir.entryList(QStringList{name}, QDir::Files).isEmpty();
  }
  return info.exists() && info.isFile();
}

qint64 FileSize(const QString& path) {
  const QFileInfo info(path);
  return info.exists() && info.isFile() ? info.size() : -1;
}

bool ReadFileBytes(const QString& path, QByteArray& out, qint64 maxBytes) {
  QFile file(path);
  if (Fails(FileStep::OpenRead, path) || !file.open(QIODevice::ReadOnly)) return false;
  out = maxBytes < 0 ? file.readAll() : file.read(maxBytes);
  return file.error() == QFileDevice::NoError;
}

bool CreateEmptyFile(const QString& path) {
  QFile file(path);
  return !Fails(FileStep::Create, path) && file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

bool WriteFileFromStart(const QString& path, const void* data, std::size_t size) {
  // The old content, so that the bytes beyond the new ones stay.
  QByteArray whole;
  if (!FileExists(path) || !ReadFileBytes(path, whole)) return false;
  const auto n = static_cast<qsizetype>(size);
  if (whole.size() < n) whole.resize(n);
  if (n > 0) std::memcpy(whole.data(), data, size);
  return WriteFileReplacing(path, whole);
}

namespace {

// Writes the file itself, for a folder that refuses a new file beside it: the
// tail is cut only after the new bytes are written.
bool WriteInPlace(const QString& path, const QByteArray& data) {
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite)) return false;
  return !Fails(FileStep::Write, path) && file.write(data) == data.size() && !Fails(FileStep::Flush, path) &&
         file.flush() && file.resize(data.size());
}

}  // namespace

bool WriteFileReplacing(const QString& path, const QByteArray& data) {
  QSaveFile file(path);
  if (Fails(FileStep::OpenWrite, path)) return false;
  // A folder that refuses the file beside the target: a save must not fail
  // where writing the existing file itself succeeds.
  if (FolderRefuses(path) || !file.open(QIODevice::WriteOnly)) return FileExists(path) && WriteInPlace(path, data);
  if (Fails(FileStep::Write, path) || file.write(data) != data.size() || Fails(FileStep::Flush, path) ||
      !file.flush() || Fails(FileStep::Rename, path)) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool MakeDir(const QString& path) { return QDir().mkpath(path); }

bool DirExists(const QString& path) {
  const QFileInfo info(path);
  return info.exists() && info.isDir();
}

bool RemoveFile(const QString& path) { return QFile::remove(path); }

QStringList FindFiles(const QString& mask) {
  const QFileInfo info(mask);
  const QDir dir = info.dir();
  QStringList paths;
  const QDir::Filters filters = QDir::Files | QDir::Hidden | QDir::System;
  for (const QString& name : dir.entryList(QStringList{info.fileName()}, filters, QDir::Name))
    paths << dir.filePath(name);
  return paths;
}

bool SameFolder(const QString& a, const QString& b) {
  const QString ca = QFileInfo(a).canonicalFilePath();
  return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

}  // namespace platform
