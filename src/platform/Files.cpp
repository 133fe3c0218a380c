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

constexpr QFileDevice::Permissions kOwnerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kOwnerOnlyFolder = kOwnerOnlyFile | QFileDevice::ExeOwner;
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

bool CreateEmptyFile(const QString& path, FileAccess access) {
  if (Fails(FileStep::Create, path)) return false;
  QFile file(path);
  const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Truncate;
  // The mode applies only where the file is new.
  return access == FileAccess::OwnerOnly ? file.open(mode, kOwnerOnlyFile) : file.open(mode);
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

bool WriteFileReplacing(const QString& path, const QByteArray& data, FileAccess access) {
  ReplacingFile file(path, access);
  return file.Open() && file.Write(data.constData(), static_cast<std::size_t>(data.size())) && file.Commit();
}

InputFile::InputFile() = default;
InputFile::~InputFile() = default;

bool InputFile::Open(const QString& path) {
  file_ = std::make_unique<QFile>(path);
  if (Fails(FileStep::OpenRead, path) || !file_->open(QIODevice::ReadOnly)) {
    file_.reset();
    return false;
  }
  return true;
}

qint64 InputFile::Size() const { return file_ ? file_->size() : -1; }

qint64 InputFile::Read(void* data, qint64 size) {
  if (!file_) return -1;
  qint64 done = 0;
  while (done < size) {
    const qint64 n = file_->read(static_cast<char*>(data) + done, size - done);
    if (n < 0) return -1;
    if (n == 0) break;
    done += n;
  }
  return done;
}

ReplacingFile::ReplacingFile(const QString& path, FileAccess access) : path_(path), access_(access) {}

ReplacingFile::~ReplacingFile() {
  if (file_ && file_->isOpen()) file_->cancelWriting();
}

bool ReplacingFile::Open() {
  if (Fails(FileStep::OpenWrite, path_)) return ok_ = false;
  file_ = std::make_unique<QSaveFile>(path_);
  const bool isNew = !FileExists(path_);
  if (!FolderRefuses(path_) && file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    // The file beside the target has the target's mode; a new private file
    // gets its mode before any byte is in it. A file system without modes
    // refuses the change, and the file is written all the same.
    if (isNew && access_ == FileAccess::OwnerOnly) file_->setPermissions(kOwnerOnlyFile);
    return ok_ = true;
  }
  file_.reset();
  // A folder that refuses the file beside the target: a save must not fail
  // where writing the existing file itself succeeds. Its tail is cut only
  // after the new bytes are written.
  if (!FileExists(path_)) return ok_ = false;
  inPlace_ = std::make_unique<QFile>(path_);
  ok_ = inPlace_->open(QIODevice::ReadWrite);
  return ok_;
}

bool ReplacingFile::Write(const void* data, std::size_t size) {
  if (!ok_) return false;
  // One step for the whole content, however many pieces it comes in.
  if (!written_ && Fails(FileStep::Write, path_)) ok_ = false;
  written_ = true;
  const auto n = static_cast<qint64>(size);
  QFileDevice* target = inPlace_ ? static_cast<QFileDevice*>(inPlace_.get()) : file_.get();
  if (ok_ && n > 0 && target->write(static_cast<const char*>(data), n) != n) ok_ = false;
  if (ok_) size_ += n;
  if (!ok_ && file_) file_->cancelWriting();
  return ok_;
}

bool ReplacingFile::Commit() {
  if (!ok_) return false;
  ok_ = false;
  if (!written_ && Fails(FileStep::Write, path_)) {
    if (file_) file_->cancelWriting();
    return false;
  }
  if (inPlace_) return !Fails(FileStep::Flush, path_) && inPlace_->flush() && inPlace_->resize(size_);
  if (Fails(FileStep::Flush, path_) || !file_->flush() || Fails(FileStep::Rename, path_)) {
    file_->cancelWriting();
    return false;
  }
  // QSaveFile syncs the new file to the disk before it takes the target's place.
  return file_->commit();
}

bool MakeDir(const QString& path, FileAccess access) {
  if (access == FileAccess::Shared) return QDir().mkpath(path);
  const QString folder = QDir::cleanPath(path);
  if (DirExists(folder)) return true;
  // The folders above as usual; the folder itself is private from its start.
  return QDir().mkpath(QFileInfo(folder).path()) && QDir().mkdir(folder, kOwnerOnlyFolder);
}

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
