#pragma once
// A temporary program folder with a data folder below it; the class globals
// ProgramDir and DataDir point into it while it lives.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

class TempProgramDir {
 public:
  TempProgramDir();
  ~TempProgramDir();
  QString programDir() const;  // ends in '/'
  QString dataDir() const;     // ends in '/'
  QString path(const QString& name) const { return programDir() + name; }
  void writeFile(const QString& path, const QByteArray& bytes) const;
  QByteArray readFile(const QString& path) const;

 private:
  QTemporaryDir dir_;
  QString savedProgramDir_;
  QString savedDataDir_;
};

}  // namespace testsupport
