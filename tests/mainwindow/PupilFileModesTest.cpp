// Files with pupils' data are readable by the teacher alone.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <functional>
#include <memory>

#include "layouts/LayoutTestSupport.h"
#include "mainwindow/MainPrintCommands.h"
#include "mainwindow/SheetStubFixture.h"
#include "printengine/TestSheet.h"
#include "records/GradeList.h"
#include "support/ClassInMemory.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

using namespace quorv;
using platform::MsgKind;

namespace {

// The permission bits in octal, as ls shows them.
std::string ModeOf(const QString& path) {
  struct stat st {};
  return ::stat(QFile::encodeName(path).constData(), &st) != 0 ? "missing"
                                                               : QString::number(st.st_mode & 0777, 8).toStdString();
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct PermissiveUmask {
  mode_t previous = ::umask(022);
  ~PermissiveUmask() { ::umask(previous); }
};

// The first start in a program folder without a data folder; then the class
// file "7a.QVR" of one pupil is put there with mode 644.
class PupilFileModes : public ::testing::Test {
 public:
  PupilFileModes() : printer_(platform::DeviceCaps{}) {
    env_.writeAllReportFormFiles(testsupport::EveryFieldTable());
    QDir(env_.dir().dataDir()).removeRecursively();
    form = std::make_unique<testsupport::SheetStubForm>(env_.dir().programDir() + "quorv");
    TPupilRecord pupil = testsupport::TestPupil();
    pupil.FormNumber = 15;
    testsupport::SetClassInMemory({pupil});
    ClassFileName = "7a.QVR";
    ResetClassFileHeader();
    QFile(DataDir + ClassFileName).open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteClassFile());
    GradeListFolder = DataDir;
  }
  ~PupilFileModes() override { ExportSubjectSelection.fill(0); }

 private:
  PermissiveUmask umask_;
  testsupport::SavedProgramState state_;
  testsupport::LayoutEnvironment env_;
  testsupport::FixedPrinter printer_;
  struct Restore {
    QString folder = GradeListFolder;
    ~Restore() { GradeListFolder = folder; }
  } restore_;

 public:
  testsupport::ScriptedMessages msgs;
  testsupport::ScriptedFileDialogs dialogs;
  std::unique_ptr<testsupport::SheetStubForm> form;
};

// A command that writes pupils' data, and the files it makes.
struct Command {
  const char* Name;
  std::function<QStringList(PupilFileModes&)> Run;
};
void PrintTo(const Command& c, std::ostream* os) { *os << c.Name; }

QStringList PdfFile(PupilFileModes& t, void (*print)()) {
  t.msgs.expectPrefix(testsupport::kPdfNotice, MsgKind::Information);
  print();
  return testsupport::AnnouncedPdfFiles(t.msgs.shown());
}

const Command kCommands[] = {
    {"SaveOfANewClass",
     [](PupilFileModes& t) {
       t.msgs.expectPrefix("Wollen Sie jetzt eine neue Datei", MsgKind::Confirmation, platform::MsgResult::Yes);
       t.form->FileNew();
       t.dialogs.expectSave(DataDir + "8b.QVR");
       t.form->FileSave();
       return QStringList{DataDir + "8b.QVR"};
     }},
    {"SaveAs",
     [](PupilFileModes& t) {
       t.dialogs.expectSave(DataDir + "7b.QVR");
       t.form->FileSaveAs();
       return QStringList{DataDir + "7b.QVR"};
     }},
    {"BackupOnOpen",
     [](PupilFileModes& t) {
       t.dialogs.expectOpen(DataDir + "7a.QVR");
       t.form->FileOpen();
       return QStringList{DataDir + "7a.$VR"};
     }},
    {"GradeListAndItsCopy",
     [](PupilFileModes&) {
       ExportSubjectSelection[20] = 1;  // Mathematik
       EXPECT_TRUE(ExportGradeLists() && ExportGradeLists());
       return QStringList{DataDir + "7a_Ma.FDB", DataDir + QString::fromUtf8("7a_Ma.§DB")};
     }},
    {"ReportsAsPdf",
     [](PupilFileModes& t) {
       PrintOptions.DuplexNoDialogs = 1;
       t.msgs.expectPrefix("Soll jetzt das ", MsgKind::Confirmation, platform::MsgResult::Yes);
       return PdfFile(t, PrintReportsFromCurrentPupil);
     }},
    {"TestSheet", [](PupilFileModes& t) { return PdfFile(t, [] { PrintPrinterTestSheet(); }); }},
};

class PupilDataCommand : public PupilFileModes, public ::testing::WithParamInterface<Command> {};

}  // namespace

TEST_P(PupilDataCommand, CreatesItsFilesForTheOwnerAloneInAPrivateDataFolder) {
  const QString dataDir = DataDir;
  const QStringList files = GetParam().Run(*this);
  EXPECT_TRUE(msgs.allAnswered());
  ASSERT_FALSE(files.isEmpty());
  for (const QString& file : files) EXPECT_EQ(ModeOf(file), "600") << file.toStdString();
  EXPECT_EQ(ModeOf(dataDir), "700");
}

INSTANTIATE_TEST_SUITE_P(Each, PupilDataCommand, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(PupilFileModes, SavingIntoAClassFileOfMode644KeepsIt) {
  const QString path = DataDir + "7a.QVR";
  dialogs.expectOpen(path);
  form->FileOpen();
  form->pendingEdit = "9";
  const QByteArray before = Bytes(path);
  EXPECT_TRUE(form->FileSave());
  EXPECT_NE(Bytes(path), before);
  EXPECT_EQ(ModeOf(path), "644");
}
