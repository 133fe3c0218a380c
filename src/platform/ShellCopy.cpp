#include "platform/ShellCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/Files.h"
#include "platform/Messages.h"

namespace platform {
namespace {

bool SameFile(const QString& a, const QString& b) {
  const QString ca = QFileInfo(a).canonicalFilePath();
  const QString cb = QFileInfo(b).canonicalFilePath();
  return !ca.isEmpty() && ca == cb;
}

void CopyOne(const QString& from, const QString& to, ShellCopyResult& result) {
  if (SameFile(from, to)) {
    ++result.skipped;
    return;
  }
  if (QFileInfo::exists(to)) {
    const QString question = QString::fromUtf8("Die Datei \"%1\" ist bereits vorhanden.\rSoll sie ersetzt werden?")
                                 .arg(QDir::toNativeSeparators(to));
    if (!AskYesNo(question, MsgKind::Confirmation)) {
      ++result.skipped;
      return;
    }
  }
  QByteArray bytes;
  if (!ReadFileBytes(from, bytes) || !WriteFileReplacing(to, bytes)) {
    ++result.failed;
    ShowMessage(QString::fromUtf8("Die Datei \"%1\" konnte nicht nach \"%2\" kopiert werden.")
                    .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to)),
                MsgKind::Error);
    return;
  }
  ++result.copied;
}

}  // namespace

ShellCopyResult ShellCopy(const QString& source, const QString& target) {
  ShellCopyResult result;
  const QFileInfo info(source);
  const bool toFolder = target.endsWith('/') || DirExists(target);
  const QString folder = target.endsWith('/') ? target : target + '/';
  const QString name = info.fileName();
  if (name.contains('*') || name.contains('?')) {
    const QStringList names = info.dir().entryList(QStringList{name}, QDir::Files, QDir::Name);
    for (const QString& n : names) CopyOne(info.dir().filePath(n), folder + n, result);
    return result;
  }
  CopyOne(source, toFolder ? folder + name : target, result);
  return result;
}

}  // namespace platform
