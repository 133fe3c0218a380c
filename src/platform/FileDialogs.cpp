#include "platform/FileDialogs.h"

#include <cstdio>

namespace platform {
namespace {
FileDialogs* g_dialogs = nullptr;

std::optional<QString> NoDialog(const char* kind, const FileDialogRequest& request) {
  std::fprintf(stderr, "No %s dialog available: %s\n", kind, request.title.toLocal8Bit().constData());
  return std::nullopt;
}
}  // namespace

FileDialogs* SetFileDialogs(FileDialogs* dialogs) {
  FileDialogs* previous = g_dialogs;
  g_dialogs = dialogs;
  return previous;
}

std::optional<QString> ChooseOpenFile(const FileDialogRequest& request) {
  return g_dialogs ? g_dialogs->ChooseOpenFile(request) : NoDialog("open", request);
}

std::optional<QString> ChooseSaveFile(const FileDialogRequest& request) {
  return g_dialogs ? g_dialogs->ChooseSaveFile(request) : NoDialog("save", request);
}

QStringList NameFiltersFromFilter(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList result;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    const qsizetype open = description.lastIndexOf('(');
    if (open > 0 && description.endsWith(')')) description = description.left(open).trimmed();
    QStringList patterns;
    for (const QString& p : parts[i + 1].split(';'))
      if (!p.trimmed().isEmpty()) patterns << p.trimmed();
    result << description + QStringLiteral(" (") + patterns.join(' ') + ')';
  }
  return result;
}

}  // namespace platform
