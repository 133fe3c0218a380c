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
    {1, "a88832210fb3bc8d"}, {2, "defef9952bdbeb49"}, {3, "1b38b42ab3b519fc"}, {4, "51506dfae7f2a3f2"},
    {5, "562c32b0a7e54577"}, {6, "ef51301def596771"}, {7, "6da09317ad14539a"}, {8, "a3e43d8d4544d9e6"},
    {9, "68f4f1f620ea00fd"}, {10, "af75f0c61f341aae"}, {11, "73bb2d2df9266fea"}, {12, "614dbbdf786ac00f"},
    {13, "a08fd4772cb71bde"}, {14, "fc0b82f40c142df8"}, {15, "97ad242ea0436cf8"}, {16, "f3480ec43441e98e"},
    {17, "cdd1671e6c2520ad"}, {18, "da7ed7981d670511"}, {19, "8a2cb33042822b5f"}, {20, "cd5c5530a62b5ff3"},
    {21, "6a646adb2b238bb6"}, {22, "a4ffc9614a0c0194"}, {23, "dd4cb289db3c1e07"}, {24, "917f4817af4be0fa"},
    {25, "07962a1128c1a100"}, {26, "7be98b8a8be8e121"}, {27, "be44c0172f4be70e"}, {28, "54beb1779a621a60"},
    {29, "6b264eb11d1ea018"}, {104, "6daafb33dec717e0"}, {105, "ed52238aa7868b28"}, {110, "9dc59eba316ff805"},
    {115, "6a3251557ad3a7d3"}, {121, "77b4182e93dd20ed"}, {127, "d1fe65c2be760d67"},
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
