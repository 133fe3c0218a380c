// The teacher's most common run as one process, without anyone at the screen:
// start the program, open a class of 30 pupils, print its reports into one
// PDF file, close the program. For timing the whole process from outside.
//
//   quorv_wholerun prepare FOLDER   makes FOLDER a program folder with the
//                                   shipped files, the settings and the class
//   quorv_wholerun run FOLDER [--remove-pdf]
//                                   the run itself; prints the PDF file's path,
//                                   or removes the file at the very end
#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstring>

#include "BenchApp.h"
#include "BenchClass.h"
#include "mainwindow/MainUSB.h"
#include "mainwindow/ProgramWindows.h"
#include "platform/FileDialogs.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "platform/PrinterDocument.h"
#include "platform/ui/AppSetup.h"
#include "records/ClassFile.h"
#include "records/QuorvDat.h"
#include "settings/DrkEinst.h"
#include "settings/SchulEinst.h"

namespace {

constexpr int kPupils = 30;
const QString kClassFile = QStringLiteral("10Rb.QVR");

// Yes to every question, OK to every notice; a message on stderr.
class YesToEverything : public platform::MessageService {
 public:
  platform::MsgResult Show(const QString& text, platform::MsgKind, platform::MsgButtons buttons) override {
    std::fprintf(stderr, "%s\n", qPrintable(platform::DisplayText(text)));
    return buttons == platform::MsgButtons::Ok ? platform::MsgResult::Ok : platform::MsgResult::Yes;
  }
};

// The open dialog chooses the class; a save dialog is cancelled.
class ChooseClass : public platform::FileDialogs {
 public:
  explicit ChooseClass(QString path) : path_(std::move(path)) {}
  std::optional<QString> ChooseOpenFile(const platform::FileDialogRequest&) override { return path_; }
  std::optional<QString> ChooseSaveFile(const platform::FileDialogRequest&) override { return std::nullopt; }

 private:
  QString path_;
};

int Prepare(const QString& folder) {
  QDir().mkpath(folder + QStringLiteral("Daten"));
  bench::CopyShippedFiles(folder);
  quorv::ProgramDir = folder;
  quorv::DataDir = folder + QStringLiteral("Daten/");
  bench::UseBenchSettings();
  quorv::Pupils.clear();
  for (int i = 0; i < kPupils; ++i) quorv::Pupils.push_back(bench::FilledPupil(i));
  quorv::PupilCount = kPupils;
  quorv::ClassFileName = kClassFile;
  quorv::ResetClassFileHeader();
  const bool written = quorv::SaveSchoolSettings() && quorv::SavePrintOptions() &&
                       platform::CreateEmptyFile(quorv::DataDir + kClassFile) && quorv::WriteClassFile();
  return written ? 0 : 1;
}

int Run(QApplication& app, const QString& folder, bool removePdf) {
  platform::SetUpApplication(app);
  YesToEverything answers;
  platform::SetMessageService(&answers);
  ChooseClass dialogs(folder + QStringLiteral("Daten/") + kClassFile);
  platform::SetFileDialogs(&dialogs);
  platform::Printer().SetDestination(platform::PrintDestination::PdfFile);

  int pages = 0;
  {
    quorv::TProgramWindows windows(folder + QStringLiteral("quorv"));
    quorv::TMainForm& main = windows.MainForm();
    bench::ShowAndWaitForFirstPaint(main);
    main.FileOpen();
    main.ausgewhlteZeugnistypen1Click();
    pages = platform::Printer().PageCount();
    std::printf("%s\n", qPrintable(platform::Printer().LastPdfFile()));
    main.close();
  }
  platform::SetFileDialogs(nullptr);
  platform::SetMessageService(nullptr);
  if (removePdf) QFile::remove(platform::Printer().LastPdfFile());
  if (pages != 2 * kPupils) {
    std::fprintf(stderr, "%d pages printed, %d expected\n", pages, 2 * kPupils);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool prepare = argc == 3 && std::strcmp(argv[1], "prepare") == 0;
  const bool run = (argc == 3 || (argc == 4 && std::strcmp(argv[3], "--remove-pdf") == 0)) &&
                   std::strcmp(argv[1], "run") == 0;
  if (!prepare && !run) {
    std::fprintf(stderr, "usage: %s prepare FOLDER | run FOLDER [--remove-pdf]\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString folder = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + QLatin1Char('/');
  return prepare ? Prepare(folder) : Run(app, folder, argc == 4);
}
