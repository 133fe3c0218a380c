// The reports batch of a class with a pupil of every shipped report form draws
// exactly the operations it drew when the digests below were taken: every
// position, text, font, pen, brush and alignment. Every operation is also
// written into the build folder (tests/class_batch_ops.txt), to compare two
// versions line by line.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QMap>

#include "layouts/CommittedFormFiles.h"
#include "layouts/LayoutTestSupport.h"
#include "layouts/PrintJob.h"
#include "mainwindow/MainPrintCommands.h"
#include "platform/PrinterDocument.h"
#include "support/PrinterDouble.h"
#include "support/ProgramState.h"

namespace {

// Yes to the question for each pupil and each page; notices are kept.
class YesToEveryQuestion : public platform::MessageService {
 public:
  YesToEveryQuestion() : previous_(platform::SetMessageService(this)) {}
  ~YesToEveryQuestion() override { platform::SetMessageService(previous_); }
  platform::MsgResult Show(const QString& text, platform::MsgKind kind, platform::MsgButtons) override {
    if (kind != platform::MsgKind::Confirmation) notices << text;
    return platform::MsgResult::Yes;
  }
  QStringList notices;

 private:
  platform::MessageService* previous_;
};

// The digest of the operations of each form's documents, both pupils.
const QMap<int, QByteArray> kGoldenDigests = {
    {1, "81198e69720fd3f4"}, {2, "0b35156aa3305793"}, {3, "eeefa0a09008e024"}, {4, "76bb6a2f3b81af3e"},
    {5, "7168e9b1f1df68e5"}, {6, "90e2ad3a8bb9d4cd"}, {7, "20198115a89318e4"}, {8, "53494330060c7cf7"},
    {9, "a6329d02f15669a9"}, {10, "e5138460507e24ed"}, {11, "bb0e6f2b118c2208"}, {12, "62765adcb0356e25"},
    {13, "54a1e556894e94fa"}, {14, "55fb02cb612f9a89"}, {15, "c901e4c7885d086a"}, {16, "598d54edc0834b88"},
    {17, "be4e8d95c3ec1084"}, {18, "41f4f3b6b1a6cff6"}, {19, "d5c84511b88b76b8"}, {20, "6eaa460ee9296acb"},
    {21, "37b9561efc7c500d"}, {22, "de66c185a79b4982"}, {23, "e6c189959380085f"}, {24, "76c049548d683f6b"},
    {25, "ee6c99b206d0a759"}, {26, "69c0c4d2034ca55b"}, {27, "4151e7d432ab3d04"}, {28, "2e28493bf3e1017c"},
    {29, "5e293f16953f784b"}, {104, "b2123358fb277569"}, {105, "e7cec01cf2966eee"}, {110, "48b7d1cb536e96d0"},
    {115, "5876df36275f506d"}, {121, "1b48743f63028e04"}, {127, "1870125654261607"},
};

QString Font(const platform::FontSpec& f) {
  return QStringLiteral("%1/%2/%3%4%5/%6")
      .arg(f.FaceName)
      .arg(f.Height)
      .arg(f.Weight)
      .arg(f.Italic ? "i" : "")
      .arg(f.Underline ? "u" : "")
      .arg(f.Escapement);
}

// One operation as a line: kind, points, text or picture, then the state.
QString OpLine(const platform::RecordedOp& op) {
  const platform::CanvasState& s = op.State;
  return QStringLiteral("%1 %2,%3 %4,%5 \"%6\" %7 %8x%9 | font %10 pen %11/%12/%13 brush %14/%15 align %16 extra %17 "
                        "bk %18/%19 map %20 %21x%22 %23x%24")
      .arg(static_cast<int>(op.Op))
      .arg(op.P1.x())
      .arg(op.P1.y())
      .arg(op.P2.x())
      .arg(op.P2.y())
      .arg(op.Text, op.PictureFile.section(QLatin1Char('/'), -1))
      .arg(op.PictureSize.width())
      .arg(op.PictureSize.height())
      .arg(Font(s.Font), s.Pen.Color.name())
      .arg(s.Pen.Width)
      .arg(static_cast<int>(s.Pen.Style))
      .arg(s.Brush.Color.name())
      .arg(static_cast<int>(s.Brush.Style))
      .arg(s.TextAlign)
      .arg(s.CharacterExtra)
      .arg(static_cast<int>(s.Background))
      .arg(s.BkColor.name())
      .arg(static_cast<int>(s.Mapping))
      .arg(s.WindowExt.width())
      .arg(s.WindowExt.height())
      .arg(s.ViewportExt.width())
      .arg(s.ViewportExt.height());
}

// Two pupils of every shipped report form, filled to every field's length.
std::vector<quorv::TPupilRecord> ClassOfEveryForm() {
  struct Variant {
    int Sex;
    int HalfYear;
    const char* SchoolYear;
  };
  const Variant variants[] = {{1, 0, "2006"}, {0, 1, "2007"}};
  std::vector<quorv::TPupilRecord> pupils;
  for (const formfiles::ShippedFormFile& file : formfiles::ReportFormFiles())
    for (const int form : testsupport::FormsOfShippedFile(file))
      for (const Variant& v : variants) {
        quorv::TPupilRecord p = testsupport::FullyFilledPupil(form, v.Sex, v.HalfYear, QString::fromLatin1(v.SchoolYear));
        p.ExamDataPresent = 1;
        p.FourthExamSubject.set("Ph");
        p.ExamPassed = static_cast<std::uint16_t>(v.Sex);
        pupils.push_back(p);
      }
  return pupils;
}

TEST(ClassBatchOps, EveryShippedFormDrawsTheOperationsOfItsGoldenDigest) {
  testsupport::SavedProgramState state;
  testsupport::LayoutEnvironment env;
  testsupport::InstallCommittedFormFiles(env.dir(), formfiles::ReportFormFiles());
  testsupport::InstallArmsPictures(env.dir());
  quorv::SchoolSettings.SchoolNameAddress.setText(testsupport::LongSchoolName());
  // A Gymnasium, whose examination reports find their language.
  quorv::SchoolSettings.SchoolType = quorv::stGymnasium;
  quorv::PrintOptions.DuplexNoDialogs = 1;
  quorv::Pupils = ClassOfEveryForm();
  quorv::PupilCount = static_cast<int>(quorv::Pupils.size());
  quorv::CurrentPupil = 0;

  testsupport::PrinterDouble service;
  platform::Printer().SetDestination(platform::PrintDestination::Auto);
  platform::Printer().SetChosenPrinter(QStringLiteral("Laser"));
  YesToEveryQuestion answers;
  quorv::PrintReportsFromCurrentPupil();
  platform::Printer().SetChosenPrinter(QString());
  EXPECT_EQ(answers.notices, QStringList{});
  ASSERT_EQ(service.documents.size(), quorv::Pupils.size());

  QMap<int, QByteArray> drawn;  // every operation of each form's documents, as lines
  for (std::size_t i = 0; i < service.documents.size(); ++i) {
    QByteArray& lines = drawn[quorv::Pupils[i].FormNumber];
    for (const platform::RecordedOp& op : service.documents[i].Ops) lines += OpLine(op).toUtf8() + '\n';
  }
  const QString file = QCoreApplication::applicationDirPath() + QStringLiteral("/class_batch_ops.txt");
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QByteArray table;
  for (auto it = drawn.cbegin(); it != drawn.cend(); ++it) {
    const QByteArray digest = QCryptographicHash::hash(*it, QCryptographicHash::Sha256).toHex().left(16);
    out.write("== form " + QByteArray::number(it.key()) + ' ' + digest + '\n' + *it);
    table += "    {" + QByteArray::number(it.key()) + ", \"" + digest + "\"},\n";
    EXPECT_EQ(digest.toStdString(), kGoldenDigests.value(it.key()).toStdString())
        << "form " << it.key() << ": the recorded operations differ from those of the golden digest; every "
        << "operation is in " << file.toStdString();
  }
  EXPECT_EQ(drawn.size(), kGoldenDigests.size()) << "the digests as drawn now:\n" << table.toStdString();
}

}  // namespace
