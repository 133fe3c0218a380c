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
#include <QTextStream>

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

// The digest of the operations of each form's documents, both pupils. A form
// meant to draw differently takes the new digest the failure message lists.
const QMap<int, QByteArray> kGoldenDigests = {
    {1, "a4da7889c8cfbb2e"}, {2, "b1ed486a77fec607"}, {3, "7626bd026e2610a1"}, {4, "5bbc923094e7f4d1"},
    {5, "f00cfde18b6d58ba"}, {6, "ba4c271dfcfdea12"}, {7, "56f45ec386e8ddbb"}, {8, "b4df410d4a7a12b2"},
    {9, "519d3d99b96b93fc"}, {10, "3e147d3d45f6f157"}, {11, "3222de346596f95f"}, {12, "f2da05d7bec5ca5a"},
    {13, "7cbfe05bd567f102"}, {14, "ae054ca02f242aaa"}, {15, "313b0ce9eeed59a5"}, {16, "3a2437feed87d805"},
    {17, "160e67e963df9307"}, {18, "6317e9525160d06d"}, {19, "0fa8c33fc992f4ee"}, {20, "5186629fbfe23c11"},
    {21, "84c4d05190589bf0"}, {22, "3e0f54bb23ce549a"}, {23, "32b813ad39393b94"}, {24, "15719d98d85ca21f"},
    {25, "628c84563eff6c08"}, {26, "c941a43e45f7020b"}, {27, "18f8b26382d93981"}, {28, "dfff60a79f55da11"},
    {29, "ee076cb6e3f5989d"}, {104, "ec0b6bd2a9e069f5"}, {105, "fd71749ef96ff4fd"}, {110, "5fc31f392118b702"},
    {115, "15657cdbe25ae37d"}, {121, "1461cc68bc837ac5"}, {127, "23200e4c5de9924f"},
};

// One operation as a line: kind, points, text or picture, then the state.
QString OpLine(const platform::RecordedOp& op) {
  const platform::CanvasState& s = op.State;
  const platform::FontSpec& f = s.Font;
  QString line;
  QTextStream(&line) << int(op.Op) << ' ' << op.P1.x() << ',' << op.P1.y() << ' ' << op.P2.x() << ',' << op.P2.y()
                     << " \"" << op.Text << "\" " << op.PictureFile.section(QLatin1Char('/'), -1) << ' '
                     << op.PictureSize.width() << 'x' << op.PictureSize.height() << " | font " << f.FaceName << '/'
                     << f.Height << '/' << f.Weight << (f.Italic ? "i" : "") << (f.Underline ? "u" : "") << '/'
                     << f.Escapement << " pen " << s.Pen.Color.name() << '/' << s.Pen.Width << '/' << int(s.Pen.Style)
                     << " brush " << s.Brush.Color.name() << '/' << int(s.Brush.Style) << " align " << s.TextAlign
                     << " extra " << s.CharacterExtra << " bk " << int(s.Background) << '/' << s.BkColor.name()
                     << " map " << int(s.Mapping) << ' ' << s.WindowExt.width() << 'x' << s.WindowExt.height() << ' '
                     << s.ViewportExt.width() << 'x' << s.ViewportExt.height();
  return line;
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
        quorv::TPupilRecord p =
            testsupport::FullyFilledPupil(form, v.Sex, v.HalfYear, QString::fromLatin1(v.SchoolYear));
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
  QStringList changed;
  for (auto it = drawn.cbegin(); it != drawn.cend(); ++it) {
    const QByteArray digest = QCryptographicHash::hash(*it, QCryptographicHash::Sha256).toHex().left(16);
    out.write("== form " + QByteArray::number(it.key()) + ' ' + digest + '\n' + *it);
    table += "    {" + QByteArray::number(it.key()) + ", \"" + digest + "\"},\n";
    if (digest != kGoldenDigests.value(it.key())) changed << QString::number(it.key());
  }
  EXPECT_TRUE(changed.isEmpty() && drawn.keys() == kGoldenDigests.keys())
      << "the recorded operations of form(s) " << changed.join(QStringLiteral(", ")).toStdString()
      << " differ from those of their golden digests; every operation is in " << file.toStdString()
      << ". Where a form is meant to draw differently now, these are its digests:\n"
      << table.toStdString();
}

}  // namespace
