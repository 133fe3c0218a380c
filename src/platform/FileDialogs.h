#pragma once
// Open and save dialogs, behind an interface so tests can answer them. The
// program installs the Qt dialogs (platform/ui/QtFileDialogs.h) at start-up.
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

struct FileDialogRequest {
  QString title;
  QString startFolder;
  // Description and pattern pairs separated by '|', patterns separated by ';':
  // "Quorv-Datenbanken (*.QVR)|*.QVR|alle Dateien (*.*)|*.*".
  QString filter;
  QString fileName;  // proposed name, empty for none
  // Added to a typed name without an extension ("TXT"), empty for none.
  QString defaultSuffix{};
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The full path of the chosen file, or nothing on Cancel.
  virtual std::optional<QString> ChooseOpenFile(const FileDialogRequest& request) = 0;
  // The full path as chosen, or nothing on Cancel. The dialog neither adds an
  // extension nor asks about an existing file: the caller decides both.
  virtual std::optional<QString> ChooseSaveFile(const FileDialogRequest& request) = 0;
};

// Installs the dialogs; returns the previous ones. Without any, both choosers
// report on stderr and answer Cancel.
FileDialogs* SetFileDialogs(FileDialogs* dialogs);

std::optional<QString> ChooseOpenFile(const FileDialogRequest& request);
std::optional<QString> ChooseSaveFile(const FileDialogRequest& request);

// The filter as name filters of the form "Description (*.A *.B)"; a
// description's own parenthesised pattern list is replaced by the patterns.
QStringList NameFiltersFromFilter(const QString& filter);

}  // namespace platform
