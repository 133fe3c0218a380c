#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

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
  return file.Open(data.size()) && file.Write(data.constData(), static_cast<std::size_t>(data.size())) &&
         file.Commit();
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

ReplacingFile::~ReplacingFile() { Abandon(); }

bool ReplacingFile::Open(qint64 finalSize) {
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
  // where writing the existing file itself succeeds. Its old bytes are kept
  // to be put back should the new ones not all get written.
  if (isNew) return ok_ = false;
  inPlace_ = std::make_unique<QFile>(path_);
  if (inPlace_->open(QIODevice::ReadWrite | QIODevice::Unbuffered)) old_ = inPlace_->readAll();
  if (!inPlace_->isOpen() || old_.size() != inPlace_->size() || !inPlace_->seek(0)) {
    inPlace_.reset();
    return ok_ = false;
  }
  room_ = old_.size();
  if (Reserve(finalSize)) return ok_ = true;
  Abandon();
  return ok_ = false;
}

// Bytes beyond the old end need room on the disk. It is taken before they
// are written, so that a full disk refuses them while the old bytes stand.
bool ReplacingFile::Reserve(qint64 end) {
  if (end <= room_) return true;
  if (Fails(FileStep::Reserve, path_) || ::posix_fallocate(inPlace_->handle(), room_, end - room_) != 0) return false;
  room_ = end;
  return true;
}

// Gives the new content up: the file beside the target is removed; a target
// written in place gets its old bytes back, which its own blocks take again,
// and its old length.
void ReplacingFile::Abandon() {
  if (file_ && file_->isOpen()) file_->cancelWriting();
  if (!inPlace_) return;
  const bool back = !written_ || (inPlace_->seek(0) && inPlace_->write(old_) == old_.size());
  if (back && inPlace_->size() != old_.size()) inPlace_->resize(old_.size());
  inPlace_.reset();
}

bool ReplacingFile::Write(const void* data, std::size_t size) {
  if (!ok_) return false;
  const auto n = static_cast<qint64>(size);
  QFileDevice* target = inPlace_ ? static_cast<QFileDevice*>(inPlace_.get()) : file_.get();
  // One step for the whole content, however many pieces it comes in. A
  // failing write has put part of its bytes down, as on a full disk.
  if (!written_ && Fails(FileStep::Write, path_)) {
    target->write(static_cast<const char*>(data), n / 2);
    ok_ = false;
  }
  written_ = true;
  if (ok_ && inPlace_ && !Reserve(size_ + n)) ok_ = false;
  if (ok_ && n > 0 && target->write(static_cast<const char*>(data), n) != n) ok_ = false;
  if (ok_) size_ += n;
  if (!ok_) Abandon();
  return ok_;
}

bool ReplacingFile::Commit() {
  if (!ok_) return false;
  ok_ = false;
  if (!written_ && Fails(FileStep::Write, path_)) {
    Abandon();
    return false;
  }
  if (inPlace_) {
    // A longer old file is cut behind the new bytes.
    if (Fails(FileStep::Flush, path_) || !inPlace_->resize(size_) || ::fsync(inPlace_->handle()) != 0) {
      Abandon();
      return false;
    }
    inPlace_.reset();
    return true;
  }
  if (Fails(FileStep::Flush, path_) || !file_->flush() || Fails(FileStep::Rename, path_)) {
    Abandon();
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
