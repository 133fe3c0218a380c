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
    {1, "a73847553452632d"}, {2, "17b44551a9dca023"}, {3, "e35ce9f63c5efb27"}, {4, "1e36a797d5c55ad2"},
    {5, "1b4bde0260c877e9"}, {6, "8447ea30244c032c"}, {7, "1e4df898e8e2756c"}, {8, "4433eb878bc43b9d"},
    {9, "84eb85c426c814d6"}, {10, "12b7121ff60b7c45"}, {11, "0fd1f58a238f5070"}, {12, "2ef53a1a55342812"},
    {13, "f91be16864fd08d0"}, {14, "c23aebcc0dc52c36"}, {15, "d71b5234c5a8e688"}, {16, "fd7ee06e1e1e52a1"},
    {17, "81e5a67ae0e1b2af"}, {18, "ae9aef6b9711482c"}, {19, "03f02494c60587ac"}, {20, "a6db1dc48f437adc"},
    {21, "3a3e0d9b2a6ba227"}, {22, "ae3bf07415b31018"}, {23, "6bcff1a158d7f567"}, {24, "e8a129ffb02e1b41"},
    {25, "a2bdfe13c8844988"}, {26, "7c4b867d6198990d"}, {27, "396af0e6cf861829"}, {28, "25a7f714db0b9abd"},
    {29, "8044c72653e602a8"}, {104, "65d27d0873258884"}, {105, "b28b184071099eb8"}, {110, "4b6ab6fca992b26c"},
    {115, "2c2cacb23016d54c"}, {121, "7990a57cf5c6de84"}, {127, "6033135fa24a8683"},
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
