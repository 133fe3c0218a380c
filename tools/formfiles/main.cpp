// quorv_formfiles [folder]: writes every shipped form file from its table into
// the folder, by default the repository's resources/, and names the files it
// changed.
#include <QDir>
#include <cstdio>

#include "formfiles/FormTables.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: quorv_formfiles [folder]\n");
    return 2;
  }
  const QString folder = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(QUORV_RESOURCES_DIR);
  if (!QDir(folder).exists()) {
    std::fprintf(stderr, "quorv_formfiles: no folder %s\n", qPrintable(folder));
    return 1;
  }
  const formfiles::WrittenFormFiles written = formfiles::WriteShippedFormFiles(QDir(folder).absolutePath() + '/');
  for (const QString& name : written.Changed) std::printf("written: %s\n", qPrintable(name));
  if (written.Error.failed()) {
    std::fprintf(stderr, "quorv_formfiles: %s\n", qPrintable(quorv::FormFileErrorMessage(written.Error)));
    return 1;
  }
  std::printf("%lld form files written, %d unchanged, in %s\n", static_cast<long long>(written.Changed.size()),
              written.Unchanged, qPrintable(QDir(folder).absolutePath()));
  return 0;
}
