#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QPushButton>

#include "settings/ProgEinst.h"
#include "settings/ProgEinstForm.h"
#include "support/ScriptedMessages.h"
#include "support/FileFaults.h"
#include "support/TempDir.h"

using namespace quorv;
using platform::MsgKind;

namespace {

const QString kOlder = QString::fromUtf8(
    "Die gefundenen Programmeinstellungen\rsind von einer älteren Version!\r\r"
    "Überprüfen Sie die neuen Programm-Einstellungen!");
const QString kUnknown = QString::fromUtf8(
    "Die gefundenen Programmeinstellungen\rsind von einer unbekannten Programm-Version!\r\r"
    "Überprüfen Sie die neuen Programm-Einstellungen!");

QByteArray Words(std::initializer_list<int> words, int size) {
  QByteArray b(size, '\0');
  int i = 0;
  for (int w : words) {
    b[2 * i] = static_cast<char>(w & 0xFF);
    b[2 * i + 1] = static_cast<char>(w >> 8);
    ++i;
  }
  return b;
}

QByteArray Image(const TProgramOptions& o) { return QByteArray(reinterpret_cast<const char*>(&o), sizeof o); }

class ProgramOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = ProgramOptions;
    SetProgramOptionDefaults();
  }
  void TearDown() override { ProgramOptions = saved_; }
  testsupport::TempProgramDir dir;

 private:
  TProgramOptions saved_;
};

}  // namespace

TEST_F(ProgramOptionsTest, DefaultsByteForByte) {
  QByteArray expected = Words({1, 0, 0, 0, 0, 0, 1, 1, 0, 1, 0, 1}, 126);
  EXPECT_EQ(Image(ProgramOptions), expected);
}

TEST_F(ProgramOptionsTest, FileSizes) {
  const struct {
    int size;
    const QString* message;
    std::vector<int> expectedWords;  // the twelve words at offsets 0..22
  } cases[] = {
      // Oldest version: eight words, the rest keeps the defaults.
      {16, &kOlder, {0, 1, 1, 1, 1, 1, 0, 0, 0, 1, 0, 1}},
      {120, &kOlder, {0, 1, 1, 1, 1, 1, 0, 0, 1, 0, 1, 0}},
      {126, nullptr, {0, 1, 1, 1, 1, 1, 0, 0, 1, 0, 1, 0}},
      {125, &kUnknown, {1, 0, 0, 0, 0, 0, 1, 1, 0, 1, 0, 1}},
      {127, &kUnknown, {1, 0, 0, 0, 0, 0, 1, 1, 0, 1, 0, 1}},
      {0, &kUnknown, {1, 0, 0, 0, 0, 0, 1, 1, 0, 1, 0, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    SetProgramOptionDefaults();
    QByteArray file = Words({0, 1, 1, 1, 1, 1, 0, 0, 1, 0, 1, 0}, c.size < 24 ? 24 : c.size).left(c.size);
    if (c.size >= 120) file[119] = 'X';
    dir.writeFile(dir.programDir() + "QVREINST.DAT", file);
    testsupport::ScriptedMessages msgs;
    if (c.message) msgs.expect(*c.message, MsgKind::Error);
    LoadProgramOptions();
    const QByteArray image = Image(ProgramOptions);
    for (int i = 0; i < 12; ++i)
      EXPECT_EQ(platform::ReadLeU16(reinterpret_cast<const std::uint8_t*>(image.constData()) + 2 * i),
                c.expectedWords[static_cast<std::size_t>(i)])
          << "word at " << 2 * i;
    if (c.size == 120) {
      EXPECT_EQ(image[119], 'X');
      EXPECT_EQ(image.mid(120), QByteArray(6, '\0'));
    }
  }
}

TEST_F(ProgramOptionsTest, TextLengthIsClampedInEveryVersionThatHoldsIt) {
  for (int size : {120, 126}) {
    SCOPED_TRACE(size);
    SetProgramOptionDefaults();
    QByteArray file(size, 'c');
    file[44] = static_cast<char>(0xC5);  // length byte of the reserved text, above 81
    dir.writeFile(dir.programDir() + "QVREINST.DAT", file);
    testsupport::ScriptedMessages msgs;
    if (size == 120) msgs.expect(kOlder, MsgKind::Error);
    LoadProgramOptions();
    EXPECT_EQ(ProgramOptions.ReservedText.Len, 81);
    EXPECT_EQ(Image(ProgramOptions).mid(45, size - 45), QByteArray(size - 45, 'c'));
  }
}

TEST_F(ProgramOptionsTest, DataFolderIsReadWhenProgramFolderHasNoFile) {
  TProgramOptions o = DefaultProgramOptions();
  o.ShowDeletedPupils = 1;
  dir.writeFile(dir.dataDir() + "QVREINST.DAT", Image(o));
  LoadProgramOptions();
  EXPECT_EQ(ProgramOptions.ShowDeletedPupils, 1);
  ASSERT_TRUE(SaveProgramOptions());
  EXPECT_EQ(dir.readFile(dir.programDir() + "QVREINST.DAT"), Image(o));
}

TEST_F(ProgramOptionsTest, SaveKeepsLongerFileAndRepairsShortOne) {
  dir.writeFile(dir.programDir() + "QVREINST.DAT", QByteArray(127, '\x07'));
  ASSERT_TRUE(SaveProgramOptions());
  QByteArray bytes = dir.readFile(dir.programDir() + "QVREINST.DAT");
  EXPECT_EQ(bytes.size(), 127);
  EXPECT_EQ(bytes.left(126), Image(ProgramOptions));
  dir.writeFile(dir.programDir() + "QVREINST.DAT", QByteArray(125, '\x07'));
  ASSERT_TRUE(SaveProgramOptions());
  EXPECT_EQ(dir.readFile(dir.programDir() + "QVREINST.DAT").size(), 126);
}

TEST_F(ProgramOptionsTest, ListsFolderFollowsTheOption) {
  EXPECT_EQ(ListsFolder(), dir.programDir());
  ProgramOptions.ListsInProgramDir = 0;
  EXPECT_EQ(ListsFolder(), dir.dataDir());
}

TEST_F(ProgramOptionsTest, DialogShowsAndStoresEachSwitch) {
  TProgEinstForm form;
  for (int n = 1; n <= 10; ++n) ASSERT_TRUE(form.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n))) << n;
  EXPECT_FALSE(form.CheckBox(5)->isEnabled());
  EXPECT_TRUE(form.CheckBox(9)->isHidden());
  // Each switch alone.
  for (const auto& s : kProgramOptionSwitches) {
    SetProgramOptionDefaults();
    ProgramOptions.Reserved6 = 9;
    form.FormShow();
    form.CheckBox(s.CheckBox)->setChecked(!form.CheckBox(s.CheckBox)->isChecked());
    const TProgramOptions before = ProgramOptions;
    form.FormToProgramOptions();
    EXPECT_NE((ProgramOptions.*s.Field), (before.*s.Field)) << "check box " << s.CheckBox;
    EXPECT_EQ(ProgramOptions.Reserved6, 9);
  }
}

TEST_F(ProgramOptionsTest, OkSavesTheOptions) {
  TProgEinstForm form;
  form.FormShow();
  form.CheckBox(7)->setChecked(true);
  form.findChild<QPushButton*>("Button1")->click();
  EXPECT_EQ(form.result(), 1);
  EXPECT_EQ(ProgramOptions.CopyFromPreviousPupil, 1);
  EXPECT_EQ(dir.readFile(dir.programDir() + "QVREINST.DAT"), Image(ProgramOptions));
}

TEST_F(ProgramOptionsTest, StandardThenCancelKeepsLiveOptions) {
  TProgEinstForm form;
  ProgramOptions.ShowDeletedPupils = 1;
  ProgramOptions.AllowDeletePupils = 0;
  const QByteArray before = Image(ProgramOptions);
  form.FormShow();
  form.findChild<QPushButton*>("Button3")->click();
  EXPECT_TRUE(form.CheckBox(1)->isChecked());
  EXPECT_FALSE(form.CheckBox(2)->isChecked());
  form.findChild<QPushButton*>("Button2")->click();
  EXPECT_EQ(form.result(), 2);
  EXPECT_EQ(Image(ProgramOptions), before);
  EXPECT_FALSE(QFile::exists(dir.programDir() + "QVREINST.DAT"));
}

TEST_F(ProgramOptionsTest, StandardThenOkWritesDefaults) {
  TProgEinstForm form;
  ProgramOptions.ShowDeletedPupils = 1;
  ProgramOptions.Reserved24[3] = 5;
  form.FormShow();
  form.findChild<QPushButton*>("Button3")->click();
  form.findChild<QPushButton*>("Button1")->click();
  EXPECT_EQ(Image(ProgramOptions), Image(DefaultProgramOptions()));
  EXPECT_EQ(dir.readFile(dir.programDir() + "QVREINST.DAT"), Image(DefaultProgramOptions()));
}

TEST_F(ProgramOptionsTest, UnreadableFileShowsErrorAndKeepsDefaults) {
  TProgramOptions o = DefaultProgramOptions();
  o.AllowDeletePupils = 0;
  dir.writeFile(dir.programDir() + "QVREINST.DAT", Image(o));
  testsupport::FileFaults faults({platform::FileStep::OpenRead});
  testsupport::ScriptedMessages msgs;
  msgs.expect(QString::fromUtf8("Die Programm-Einstellungs-Datei\rkonnte nicht geöffnet werden!"), MsgKind::Error);
  LoadProgramOptions();
  EXPECT_EQ(Image(ProgramOptions), Image(DefaultProgramOptions()));
}
