#include <gtest/gtest.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/BinIO.h"
#include "platform/ui/RadioGroup.h"
#include "records/QuorvDat.h"
#include "settings/DrkEinst.h"
#include "settings/DrkEinstForm.h"
#include "support/FileFaults.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using namespace quorv;
using platform::MsgKind;

namespace {

const QString kOldVersionWarning = QString::fromUtf8(
    "Die Druck-Einstellungen gehören zu einer alten Programm-Version!\r"
    "Es werden die Standard-Vorgaben genutzt!\r"
    "Prüfen Sie unbedingt die aktuellen Einstellungen!");

QByteArray Bytes(const TPrintOptions& o) { return QByteArray(reinterpret_cast<const char*>(&o), sizeof o); }
std::uint16_t U16At(const TPrintOptions& o, int offset) {
  return platform::ReadLeU16(reinterpret_cast<const std::uint8_t*>(&o) + offset);
}
void SetU16At(QByteArray& bytes, int offset, std::uint16_t v) {
  platform::WriteLeU16(reinterpret_cast<std::uint8_t*>(bytes.data()) + offset, v);
}

// The 320 bytes of the default record, built from the file layout.
QByteArray ExpectedDefaultBytes() {
  QByteArray b(320, '\0');
  struct Patch {
    int offset;
    std::vector<std::uint8_t> bytes;
  };
  const Patch patches[] = {
      {0x06, {1, 0}},  {0x0a, {150, 0}}, {0x0c, {150, 0}}, {0x0e, {100, 0}},
      {0x10, {50, 0}}, {0x12, {1, 0}},   {0x14, {1, '-'}}, {0x18, {1, 0}},
      {0x24, {1, 0}},  {0x2c, {1, 0}},   {0x30, {1, '#'}},
  };
  for (const auto& p : patches)
    for (std::size_t i = 0; i < p.bytes.size(); ++i)
      b[p.offset + static_cast<int>(i)] = static_cast<char>(p.bytes[i]);
  return b;
}

// A 320-byte file image whose words and texts all differ from the defaults.
QByteArray SampleFileBytes() {
  QByteArray b(320, '\0');
  for (int i = 0; i < 0x40; i += 2) SetU16At(b, i, static_cast<std::uint16_t>(0x0100 + i));
  b[0x14] = 1;
  b[0x15] = '~';
  b[0x30] = 1;
  b[0x31] = '*';
  for (int t = 0; t < 5; ++t) {
    b[0x40 + 51 * t] = 3;
    for (int c = 1; c <= 50; ++c) b[0x40 + 51 * t + c] = static_cast<char>('a' + t);
  }
  b[0x13f] = 0x5a;
  return b;
}

TPrintOptions FromBytes(const QByteArray& bytes) {
  TPrintOptions o;
  std::memcpy(&o, bytes.constData(), sizeof o);
  return o;
}

// Each test runs in its own program folder with default print options.
class PrintOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = PrintOptions;
    SetPrintOptionDefaults();
  }
  void TearDown() override { PrintOptions = saved_; }

  QString progFile() const { return dir.programDir() + kPrintOptionsFile; }
  QString dataFile() const { return dir.dataDir() + kPrintOptionsFile; }
  static qint64 SizeOf(const QString& path) { return QFile::exists(path) ? QFileInfo(path).size() : -1; }

  testsupport::TempProgramDir dir;

 private:
  TPrintOptions saved_;
};

}  // namespace

TEST_F(PrintOptionsTest, DefaultsMatchTheFileImageByteForByte) {
  EXPECT_EQ(Bytes(DefaultPrintOptions()), ExpectedDefaultBytes());
  std::memset(&PrintOptions, 0xff, sizeof PrintOptions);
  SetPrintOptionDefaults();
  EXPECT_EQ(Bytes(PrintOptions), ExpectedDefaultBytes());
}

TEST_F(PrintOptionsTest, NamedWordsLieAtTheirFileOffsets) {
  struct Word {
    platform::LeU16 TPrintOptions::*field;
    int offset;
  };
  const Word words[] = {
      {&TPrintOptions::GradesInWords, 0x00},
      {&TPrintOptions::NoRuledLines, 0x02},
      {&TPrintOptions::ReportCopy, 0x04},
      {&TPrintOptions::PrintFrame, 0x06},
      {&TPrintOptions::CorrectionCorner, 0x08},
      {&TPrintOptions::LeftMargin, 0x0a},
      {&TPrintOptions::TopMargin, 0x0c},
      {&TPrintOptions::InnerMargin, 0x0e},
      {&TPrintOptions::StrikeMode, 0x12},
      {&TPrintOptions::ArmsPosition, 0x16},
      {&TPrintOptions::ArmsSize, 0x18},
      {&TPrintOptions::PaperPublisher, 0x1a},
      {&TPrintOptions::ReligionLineMode, 0x1e},
      {&TPrintOptions::ReceiptA5, 0x20},
      {&TPrintOptions::ReceiptWording, 0x22},
      {&TPrintOptions::ReceiptCopy, 0x24},
      {&TPrintOptions::FontHeightCompensation, 0x26},
      {&TPrintOptions::ReservedSwitch40, 0x28},
      {&TPrintOptions::UseFormFileCopies, 0x2a},
      {&TPrintOptions::SettingsInProgramDir, 0x2c},
      {&TPrintOptions::DuplexNoDialogs, 0x32},
      {&TPrintOptions::OnlyNecessaryDialogs, 0x34},
      {&TPrintOptions::ConferencePrint, 0x36},
      {&TPrintOptions::ColourArmsOnMono, 0x38},
  };
  for (const auto& w : words) {
    TPrintOptions o = DefaultPrintOptions();
    o.*w.field = 0xBEEF;
    EXPECT_EQ(U16At(o, w.offset), 0xBEEF) << "offset " << w.offset;
  }
}

TEST_F(PrintOptionsTest, Reads320ByteFileWholeAndClampsLengthBytes) {
  QByteArray file = SampleFileBytes();
  file[0x14] = static_cast<char>(9);         // over the capacity of 1
  file[0x40 + 51] = static_cast<char>(200);  // over the capacity of 50
  dir.writeFile(progFile(), file);
  LoadPrintOptions();
  QByteArray expected = file;
  expected[0x14] = 1;
  expected[0x40 + 51] = 50;
  EXPECT_EQ(Bytes(PrintOptions), expected);
  EXPECT_EQ(PrintOptions.StrikeChar.str(), "~");
}

TEST_F(PrintOptionsTest, Converts44ByteRecord) {
  QByteArray old(44, '\0');
  for (int i = 0; i < 44; ++i) old[i] = static_cast<char>(0x80 + i);
  old[0x14] = 1;
  old[0x15] = '=';
  dir.writeFile(progFile(), old);

  LoadPrintOptions();  // no message for the previous version

  QByteArray expected = ExpectedDefaultBytes();
  expected.replace(0, 0x28, old.left(0x28));
  expected[0x28] = old[0x2a];
  expected[0x29] = old[0x2b];
  EXPECT_EQ(Bytes(PrintOptions), expected);
  EXPECT_EQ(PrintOptions.SettingsInProgramDir, 1);
  EXPECT_EQ(PrintOptions.FillCharacter.str(), "#");
  EXPECT_EQ(PrintOptions.StrikeChar.str(), "=");
}

TEST_F(PrintOptionsTest, ConversionClearsTheNewFieldsButKeepsOnlyNecessaryDialogs) {
  std::memset(&PrintOptions, 0x77, sizeof PrintOptions);
  PrintOptions.OnlyNecessaryDialogs = 1;
  std::uint8_t old[44] = {};
  ConvertOldPrintOptions(old);
  EXPECT_EQ(PrintOptions.OnlyNecessaryDialogs, 1);
  for (int offset : {0x2a, 0x2e, 0x32, 0x36, 0x38, 0x3a, 0x3c, 0x3e})
    EXPECT_EQ(U16At(PrintOptions, offset), 0) << offset;
  EXPECT_EQ(PrintOptions.SettingsInProgramDir, 1);
  EXPECT_EQ(PrintOptions.FillCharacter.str(), "#");
  const QByteArray texts = Bytes(PrintOptions).mid(0x40, 255);
  EXPECT_EQ(texts, QByteArray(255, '\0'));
  EXPECT_EQ(PrintOptions.StrikeChar.length(), 0);
}

TEST_F(PrintOptionsTest, ConvertedFileStaysUntilTheNewRecordIsSaved) {
  QByteArray old(44, '\0');
  SetU16At(old, 0x0a, 321);  // LeftMargin
  dir.writeFile(progFile(), old);
  LoadPrintOptions();
  EXPECT_EQ(SizeOf(progFile()), 44);

  // Never saved: the next start converts it again and nothing is lost.
  SetPrintOptionDefaults();
  LoadPrintOptions();
  EXPECT_EQ(PrintOptions.LeftMargin, 321);

  ASSERT_TRUE(SavePrintOptions());
  EXPECT_EQ(dir.readFile(progFile()), Bytes(PrintOptions));
}

TEST_F(PrintOptionsTest, ConvertedFileElsewhereIsRemovedAfterASuccessfulSave) {
  QByteArray old(44, '\0');
  SetU16At(old, 0x0c, 77);  // TopMargin
  dir.writeFile(dataFile(), old);
  LoadPrintOptions();
  EXPECT_EQ(PrintOptions.TopMargin, 77);
  ASSERT_TRUE(SavePrintOptions());
  EXPECT_EQ(SizeOf(progFile()), 320);
  EXPECT_FALSE(QFile::exists(dataFile()));
}

TEST_F(PrintOptionsTest, ConvertedFileInProgramDirGoesWhenSavingToDataDir) {
  QByteArray old(44, '\0');
  SetU16At(old, 0x0e, 55);  // InnerMargin
  dir.writeFile(progFile(), old);
  LoadPrintOptions();
  PrintOptions.SettingsInProgramDir = 0;
  ASSERT_TRUE(SavePrintOptions());
  EXPECT_FALSE(QFile::exists(progFile()));
  SetPrintOptionDefaults();
  LoadPrintOptions();
  EXPECT_EQ(PrintOptions.InnerMargin, 55);
  EXPECT_EQ(PrintOptions.SettingsInProgramDir, 0);
}

TEST_F(PrintOptionsTest, ConvertedFileSurvivesAFailedSave) {
  dir.writeFile(dataFile(), QByteArray(44, '\0'));
  LoadPrintOptions();
  ProgramDir = dir.programDir() + "missing/";
  testsupport::ScriptedMessages msgs;
  msgs.expect(QStringLiteral("Fehler beim Erzeugen der neuen Datei!"), MsgKind::Plain);
  EXPECT_FALSE(SavePrintOptions());
  EXPECT_EQ(SizeOf(dataFile()), 44);
}

TEST_F(PrintOptionsTest, RefusesEveryOtherSizeAndKeepsDefaults) {
  for (int size : {0, 1, 43, 45, 126, 319, 321, 640}) {
    SCOPED_TRACE(size);
    SetPrintOptionDefaults();
    const QByteArray file(size, '\x11');
    dir.writeFile(progFile(), file);
    {
      testsupport::ScriptedMessages msgs;
      msgs.expect(kOldVersionWarning, MsgKind::Warning);
      LoadPrintOptions();
    }
    EXPECT_EQ(Bytes(PrintOptions), ExpectedDefaultBytes());
    EXPECT_EQ(dir.readFile(progFile()), file);
    // Saving writes the record from the start without shortening the file.
    ASSERT_TRUE(SavePrintOptions());
    const QByteArray saved = dir.readFile(progFile());
    EXPECT_EQ(saved.size(), std::max(size, 320));
    EXPECT_EQ(saved.left(320), ExpectedDefaultBytes());
    EXPECT_EQ(saved.mid(320), file.mid(320));
    QFile::remove(progFile());
  }
}

TEST_F(PrintOptionsTest, UnreadableFileIsReported) {
  dir.writeFile(progFile(), SampleFileBytes());
  testsupport::FileFaults faults({platform::FileStep::OpenRead});
  testsupport::ScriptedMessages msgs;
  msgs.expect(QString::fromUtf8("Die Druck-Einstellungs-Datei\rkonnte nicht geöffnet werden!"),
              MsgKind::Error);
  LoadPrintOptions();
  EXPECT_EQ(Bytes(PrintOptions), ExpectedDefaultBytes());
}

TEST_F(PrintOptionsTest, LoadLooksInTheSettingsFolderFirst) {
  struct Case {
    bool inProgram, inData;
    std::uint16_t settingsInProgramDir;  // before loading
    int expectedLeftMargin;              // 111 program copy, 222 data copy, 150 defaults
  };
  const Case cases[] = {
      {true, true, 1, 111}, {false, true, 1, 222}, {true, false, 1, 111},
      {true, true, 0, 222}, {true, false, 0, 111}, {false, false, 1, 150},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.inProgram << c.inData << c.settingsInProgramDir);
    QFile::remove(progFile());
    QFile::remove(dataFile());
    QByteArray file = ExpectedDefaultBytes();
    SetU16At(file, 0x2c, 0);
    SetU16At(file, 0x0a, 111);
    if (c.inProgram) dir.writeFile(progFile(), file);
    SetU16At(file, 0x0a, 222);
    if (c.inData) dir.writeFile(dataFile(), file);
    SetPrintOptionDefaults();
    PrintOptions.SettingsInProgramDir = c.settingsInProgramDir;
    LoadPrintOptions();
    EXPECT_EQ(PrintOptions.LeftMargin, c.expectedLeftMargin);
  }
}

TEST_F(PrintOptionsTest, SaveGoesToTheChosenFolderOnly) {
  struct Case {
    std::uint16_t settingsInProgramDir;
    bool toProgram;
  };
  for (const Case c : {Case{1, true}, Case{0, false}, Case{2, false}}) {
    SCOPED_TRACE(c.settingsInProgramDir);
    QFile::remove(progFile());
    QFile::remove(dataFile());
    PrintOptions.SettingsInProgramDir = c.settingsInProgramDir;
    ASSERT_TRUE(SavePrintOptions());
    const QString written = c.toProgram ? progFile() : dataFile();
    const QString other = c.toProgram ? dataFile() : progFile();
    EXPECT_EQ(dir.readFile(written), Bytes(PrintOptions));
    EXPECT_FALSE(QFile::exists(other));
  }
}

TEST_F(PrintOptionsTest, SaveReportsAFileThatCannotBeWritten) {
  dir.writeFile(progFile(), QByteArray(320, '\0'));
  testsupport::FileFaults faults({platform::FileStep::OpenWrite});
  testsupport::ScriptedMessages msgs;
  msgs.expect(QStringLiteral("Fehler beim Speichern von: \r") + progFile(), MsgKind::Plain);
  EXPECT_FALSE(SavePrintOptions());
}

TEST(PrintOptionMargins, AcceptsEveryValueTheFieldHolds) {
  struct Case {
    const char* text;
    int expected;  // -1: refused
  };
  const Case cases[] = {
      {"0", 0},         {"150", 150},     {"1000", 1000},   {"1001", 1001}, {"65535", 65535},
      {" 42 ", 42},     {"", -1},         {" ", -1},        {"abc", -1},    {"12.5", -1},
      {"-1", -1},       {"65536", -1},    {"70000", -1},    {"0x10", -1},
  };
  for (const auto& c : cases) {
    const auto value = ParseMargin(QString::fromLatin1(c.text));
    EXPECT_EQ(value ? static_cast<int>(*value) : -1, c.expected) << '"' << c.text << '"';
  }
}

// ---- the dialog ----

namespace {

class PrintOptionsFormTest : public PrintOptionsTest {
 protected:
  // Shows the dialog for the options currently in PrintOptions.
  TDrkEinstForm& Open() {
    const TPrintOptions live = PrintOptions;
    form_ = std::make_unique<TDrkEinstForm>();  // loads nothing: the folders are empty
    PrintOptions = live;
    form_->show();
    return *form_;
  }
  bool FileWritten() const { return QFile::exists(progFile()) || QFile::exists(dataFile()); }

  std::unique_ptr<TDrkEinstForm> form_;
};

}  // namespace

TEST_F(PrintOptionsFormTest, ControlsCarryTheirNamesAndCaptions) {
  TDrkEinstForm& f = Open();
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Einstellungen der Druck-Optionen"));
  for (int n = 1; n <= 14; ++n)
    EXPECT_EQ(f.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n)), f.CheckBox(n)) << n;
  EXPECT_EQ(f.CheckBox(13)->text(), QString::fromUtf8("Ausdruck für Zensurenkonferenzen mit \"Vermerke\""));
  EXPECT_TRUE(f.CheckBox(7)->isHidden());
  const int itemCounts[] = {5, 3, 2, 3, 4, 6, 3};
  for (int n = 1; n <= 7; ++n) {
    auto* group = f.findChild<platform::RadioGroup*>(QStringLiteral("RadioGroup%1").arg(n));
    ASSERT_EQ(group, f.RadioGroup(n)) << n;
    EXPECT_EQ(group->count(), itemCounts[n - 1]) << n;
  }
  EXPECT_FALSE(f.RadioGroup(2)->isEnabled());
  EXPECT_EQ(f.RadioGroup(2)->button(2)->text(),
            QString::fromUtf8("offenes Feld für Eintrag (wie zusätzliches Fach / Fremdsprachen) "));
  EXPECT_EQ(f.RadioGroup(7)->title(), QString::fromUtf8("Wappengröße (lt. Verlagsangabe)"));
  for (int n = 1; n <= 4; ++n)
    EXPECT_EQ(f.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n)), f.Edit(n)) << n;
  ASSERT_EQ(f.findChild<QComboBox*>(QStringLiteral("ComboBox1")), f.ComboBox1);
  QStringList items;
  for (int i = 0; i < f.ComboBox1->count(); ++i) items << f.ComboBox1->itemText(i);
  EXPECT_EQ(items.join(""), QStringLiteral("#-=*+/\\Xx"));
  ASSERT_EQ(f.PageControl1->count(), 3);
  EXPECT_EQ(f.PageControl1->tabText(0), QStringLiteral("allgemeine Optionen"));
  EXPECT_EQ(f.PageControl1->tabText(1), QStringLiteral("Streichungen ..."));
  EXPECT_EQ(f.PageControl1->tabText(2), QStringLiteral("weitere Optionen"));
  const char* buttons[][2] = {
      {"Button1", "OK"}, {"Button2", "Abbrechen"}, {"Button3", "Standard wiederherstellen"}};
  for (const auto& b : buttons) {
    auto* button = f.findChild<QPushButton*>(QString::fromLatin1(b[0]));
    ASSERT_NE(button, nullptr) << b[0];
    EXPECT_EQ(button->text(), QString::fromLatin1(b[1]));
  }
  EXPECT_TRUE(f.Button1->font().bold());
}

TEST_F(PrintOptionsFormTest, CreationLoadsTheFile) {
  dir.writeFile(progFile(), SampleFileBytes());
  TDrkEinstForm form;
  EXPECT_EQ(Bytes(PrintOptions), SampleFileBytes());
}

TEST_F(PrintOptionsFormTest, ShowPutsTheOptionsIntoTheControls) {
  PrintOptions.GradesInWords = 1;
  PrintOptions.NoRuledLines = 2;  // only 1 checks
  PrintOptions.ReceiptCopy = 2;   // any non-zero checks CheckBox4
  PrintOptions.PrintFrame = 0;
  PrintOptions.LeftMargin = 65535;
  PrintOptions.ArmsPosition = 3;
  PrintOptions.PaperPublisher = 2;
  PrintOptions.FillCharacter.set("\\");
  PrintOptions.StrikeChar.set("\xe4");
  TDrkEinstForm& f = Open();
  EXPECT_TRUE(f.CheckBox(1)->isChecked());
  EXPECT_FALSE(f.CheckBox(2)->isChecked());
  EXPECT_TRUE(f.CheckBox(4)->isChecked());
  EXPECT_FALSE(f.CheckBox(5)->isChecked());
  EXPECT_TRUE(f.CheckBox(10)->isChecked());
  EXPECT_EQ(f.Edit(2)->text(), QStringLiteral("65535"));
  EXPECT_EQ(f.Edit(3)->text(), QStringLiteral("150"));
  EXPECT_EQ(f.Edit(4)->text(), QStringLiteral("100"));
  EXPECT_EQ(f.RadioGroup(1)->itemIndex(), 1);
  EXPECT_EQ(f.RadioGroup(5)->itemIndex(), 3);
  EXPECT_EQ(f.RadioGroup(6)->itemIndex(), 2);
  EXPECT_EQ(f.RadioGroup(7)->itemIndex(), 1);
  EXPECT_EQ(f.ComboBox1->currentIndex(), 6);
  EXPECT_EQ(f.Edit(1)->text(), QString::fromUtf8("ä"));
}

TEST_F(PrintOptionsFormTest, EachCheckBoxStoresItsOwnWord) {
  const std::pair<int, int> boxes[] = {{1, 0x00},  {2, 0x02},  {3, 0x04},  {4, 0x24}, {5, 0x06},
                                       {6, 0x08},  {7, 0x28},  {8, 0x26},  {9, 0x2a}, {10, 0x2c},
                                       {11, 0x32}, {12, 0x34}, {13, 0x36}, {14, 0x38}};
  for (const auto& [box, offset] : boxes) {
    SCOPED_TRACE(box);
    SetPrintOptionDefaults();
    const TPrintOptions before = PrintOptions;
    TDrkEinstForm& f = Open();
    f.CheckBox(box)->toggle();
    f.Button1->click();
    EXPECT_EQ(f.result(), 1);
    QByteArray expected = Bytes(before);
    SetU16At(expected, offset, U16At(before, offset) == 1 ? 0 : 1);
    EXPECT_EQ(Bytes(PrintOptions), expected);
    QFile::remove(progFile());
    QFile::remove(dataFile());
  }
}

TEST_F(PrintOptionsFormTest, EachRadioGroupAndMarginStoresItsOwnWord) {
  const std::pair<int, int> groups[] = {{1, 0x12}, {2, 0x1e}, {3, 0x20}, {4, 0x22},
                                        {5, 0x16}, {6, 0x1a}, {7, 0x18}};
  const std::pair<int, int> margins[] = {{2, 0x0a}, {3, 0x0c}, {4, 0x0e}};
  // Margins over the whole range of the field: 1001, 33268, 65535.
  auto margin = [](int edit) { return 1001 + (edit - 2) * 32267; };
  TDrkEinstForm& f = Open();
  for (const auto& [group, offset] : groups) f.RadioGroup(group)->setItemIndex(group == 3 ? 1 : 2);
  for (const auto& [edit, offset] : margins) f.Edit(edit)->setText(QString::number(margin(edit)));
  f.ComboBox1->setCurrentIndex(8);
  f.Edit(1)->setText(QStringLiteral("ab"));
  f.Button1->click();
  ASSERT_EQ(f.result(), 1);
  for (const auto& [group, offset] : groups)
    EXPECT_EQ(U16At(PrintOptions, offset), group == 3 ? 1 : 2) << group;
  for (const auto& [edit, offset] : margins) EXPECT_EQ(U16At(PrintOptions, offset), margin(edit)) << edit;
  EXPECT_EQ(PrintOptions.FillCharacter.str(), "x");
  EXPECT_EQ(PrintOptions.StrikeChar.str(), "a");
  EXPECT_EQ(dir.readFile(progFile()), Bytes(PrintOptions));
}

TEST_F(PrintOptionsFormTest, OkSavesIntoTheFolderTheDialogChooses) {
  TDrkEinstForm& f = Open();
  f.CheckBox(10)->setChecked(false);
  f.Button1->click();
  EXPECT_EQ(PrintOptions.SettingsInProgramDir, 0);
  EXPECT_EQ(dir.readFile(dataFile()), Bytes(PrintOptions));
  EXPECT_FALSE(QFile::exists(progFile()));
}

TEST_F(PrintOptionsFormTest, GroupsWithoutSelectionKeepTheirWords) {
  PrintOptions.StrikeMode = 5;  // a value only a file can hold
  PrintOptions.ReceiptWording = 2;
  TDrkEinstForm& f = Open();
  EXPECT_EQ(f.RadioGroup(1)->itemIndex(), -1);
  for (int n = 2; n <= 7; ++n) f.RadioGroup(n)->setItemIndex(-1);
  const QByteArray before = Bytes(PrintOptions);
  f.Button1->click();
  ASSERT_EQ(f.result(), 1);
  EXPECT_EQ(Bytes(PrintOptions), before);
}

TEST_F(PrintOptionsFormTest, EmptyComboAndEditStoreEmptyCharacters) {
  PrintOptions.FillCharacter.set("Q");  // not in the list: no selection
  TDrkEinstForm& f = Open();
  EXPECT_EQ(f.ComboBox1->currentIndex(), -1);
  f.Edit(1)->clear();
  f.Button1->click();
  EXPECT_EQ(PrintOptions.FillCharacter.length(), 0);
  EXPECT_EQ(PrintOptions.StrikeChar.length(), 0);
}

TEST_F(PrintOptionsFormTest, CancelLeavesOptionsAndFileAlone) {
  PrintOptions.LeftMargin = 99;
  const QByteArray before = Bytes(PrintOptions);
  TDrkEinstForm& f = Open();
  f.CheckBox(1)->setChecked(true);
  f.Edit(2)->setText(QStringLiteral("5"));
  f.RadioGroup(6)->setItemIndex(4);
  f.Button2->click();
  EXPECT_EQ(f.result(), 2);
  EXPECT_EQ(Bytes(PrintOptions), before);
  EXPECT_FALSE(FileWritten());
}

TEST_F(PrintOptionsFormTest, StandardThenCancelLeavesTheLiveOptions) {
  PrintOptions.TopMargin = 42;
  PrintOptions.Reserved16 = 7;
  PrintOptions.ColourArmsOnMono = 1;
  const QByteArray before = Bytes(PrintOptions);
  TDrkEinstForm& f = Open();
  f.Button3->click();
  EXPECT_EQ(f.Edit(3)->text(), QStringLiteral("150"));
  EXPECT_FALSE(f.CheckBox(14)->isChecked());
  EXPECT_EQ(Bytes(PrintOptions), before);
  f.Button2->click();
  EXPECT_EQ(Bytes(PrintOptions), before);
  EXPECT_FALSE(FileWritten());

  // The next showing starts from the live options again.
  f.show();
  f.Button1->click();
  EXPECT_EQ(Bytes(PrintOptions), before);
}

TEST_F(PrintOptionsFormTest, StandardThenOkStoresTheDefaults) {
  PrintOptions.TopMargin = 42;
  PrintOptions.Reserved16 = 7;  // no control: reset by the defaults
  PrintOptions.ReservedTexts[2].set("abc");
  TDrkEinstForm& f = Open();
  f.Button3->click();
  f.Button1->click();
  EXPECT_EQ(f.result(), 1);
  EXPECT_EQ(Bytes(PrintOptions), ExpectedDefaultBytes());
  EXPECT_EQ(dir.readFile(progFile()), ExpectedDefaultBytes());
}

TEST_F(PrintOptionsFormTest, InvalidMarginRefusesOkAndAppliesNothing) {
  const char* bad[] = {"", "abc", "12,5", "-1", "65536", "70000"};
  const std::pair<int, const char*> edits[] = {{2, "linker Rand"}, {3, "oberer Rand"}, {4, "innerer Rand"}};
  for (const auto& [edit, label] : edits) {
    for (const char* text : bad) {
      SCOPED_TRACE(testing::Message() << "Edit" << edit << " \"" << text << '"');
      SetPrintOptionDefaults();
      const QByteArray before = Bytes(PrintOptions);
      TDrkEinstForm& f = Open();
      f.CheckBox(1)->setChecked(true);  // before the margins in the dialog's order
      f.RadioGroup(1)->setItemIndex(3);
      f.Edit(edit)->setText(QString::fromLatin1(text));
      {
        testsupport::ScriptedMessages msgs;
        msgs.expect(InvalidMarginMessage(QString::fromLatin1(label)), MsgKind::Error);
        f.Button1->click();
      }
      EXPECT_TRUE(f.isVisible());
      EXPECT_EQ(f.result(), 0);
      EXPECT_EQ(Bytes(PrintOptions), before);
      EXPECT_FALSE(FileWritten());
    }
  }
  EXPECT_TRUE(InvalidMarginMessage(QStringLiteral("linker Rand")).contains(QStringLiteral("0 bis 65535")));
}

TEST_F(PrintOptionsFormTest, RefusedOkKeepsPendingDefaultsUntilCorrected) {
  PrintOptions.Reserved16 = 7;
  const QByteArray before = Bytes(PrintOptions);
  TDrkEinstForm& f = Open();
  f.Button3->click();
  f.Edit(4)->setText(QStringLiteral("x"));
  {
    testsupport::ScriptedMessages msgs;
    msgs.expect(InvalidMarginMessage(QStringLiteral("innerer Rand")), MsgKind::Error);
    f.Button1->click();
  }
  EXPECT_EQ(Bytes(PrintOptions), before);
  f.Edit(4)->setText(QStringLiteral("80"));
  f.Button1->click();
  EXPECT_EQ(f.result(), 1);
  TPrintOptions expected = FromBytes(ExpectedDefaultBytes());
  expected.InnerMargin = 80;
  EXPECT_EQ(Bytes(PrintOptions), Bytes(expected));
}
