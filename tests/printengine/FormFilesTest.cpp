#include "printengine/FormFiles.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <functional>

#include "platform/Messages.h"
#include "records/QuorvDat.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

using platform::MsgButtons;
using platform::MsgKind;
using platform::MsgResult;
using quorv::FormFileErrorKind;
using quorv::TFormField;
using quorv::TFormFieldTable;

namespace {

const QString kOutOfStep = QString::fromUtf8("Es können Fehler in der Steuerdatei enthalten sein!");

QString CreateQuestion(const QString& fileName) {
  return QString::fromUtf8("Es konnte die benötigte Formular-Datei:\r") + fileName +
         QString::fromUtf8("  nicht gefunden werden!\r\rSoll jetzt eine neue (fast leere) Formular-Datei\r"
                           "erzeugt werden?");
}

// A field in the file as the test writes it: a value per line.
TFormField FieldFor(int k) {
  return TFormField{static_cast<std::uint16_t>(100 + k), static_cast<std::uint16_t>(2000 + k),
                    static_cast<std::uint16_t>(k % 3), static_cast<std::uint16_t>(k % 51),
                    static_cast<std::uint16_t>(1 + k % 2), static_cast<std::uint16_t>(k % 2)};
}

// Builds a form file; number(k) gives the field-number line of block k, and
// comment(k) its comment line.
QByteArray FileText(const QByteArray& title, const std::function<QByteArray(int)>& number,
                    const std::function<QByteArray(int)>& comment, int blocks = 141) {
  QByteArray text = title + "\r\n=============\r\n";
  for (int k = 0; k < blocks; ++k) {
    const TFormField f = FieldFor(k);
    text += number(k) + "\r\n";
    for (int v : {f.X, f.Y, f.Align, f.FontNumber, f.Page, f.Active}) text += QByteArray::number(v) + "\r\n";
    text += comment(k) + "\r\n";
  }
  return text;
}

QByteArray PlainNumber(int k) { return QByteArray::number(k); }
QByteArray PlainComment(int) { return "- - - - -"; }

QByteArray NormalFile(const QByteArray& title) { return FileText(title, PlainNumber, PlainComment); }

// The normalised text of a table, as every written file must look.
QByteArray Normalised(const QByteArray& title1252, const TFormFieldTable& fields) {
  QByteArray text = title1252 + "\r\n=============\r\n";
  for (int k = 0; k < 141; ++k) {
    const TFormField& f = fields[k];
    text += QByteArray::number(k) + "\r\n";
    for (int v : {f.X, f.Y, f.Align, f.FontNumber, f.Page, f.Active}) text += QByteArray::number(v) + "\r\n";
    text += "- - - - -\r\n";
  }
  return text;
}

void ExpectFieldsFromFile(const TFormFieldTable& fields, int blocks = 141) {
  for (int k = 0; k < blocks; ++k) {
    const TFormField e = FieldFor(k);
    const TFormField& f = fields[k];
    EXPECT_EQ(f.X, e.X) << k;
    EXPECT_EQ(f.Y, e.Y) << k;
    EXPECT_EQ(f.Align, e.Align) << k;
    EXPECT_EQ(f.FontNumber, e.FontNumber) << k;
    EXPECT_EQ(f.Page, e.Page) << k;
    EXPECT_EQ(f.Active, e.Active) << k;
  }
}

bool SameField(const TFormField& a, const TFormField& b) {
  return a.X == b.X && a.Y == b.Y && a.Align == b.Align && a.FontNumber == b.FontNumber && a.Page == b.Page &&
         a.Active == b.Active;
}

}  // namespace

// ---- reading -------------------------------------------------------------------

TEST(FormFilesRead, NormalFileLoadsTitleAndAllFields) {
  testsupport::TempProgramDir dir;
  dir.writeFile(dir.programDir() + "Anl003.FST", NormalFile("Zeugnis \xDC" "bersicht"));
  TFormFieldTable fields{};
  QString title = "Beschreibung";
  const auto error = quorv::LoadFormFile(fields, "Anl003.FST", title, 0);
  EXPECT_FALSE(error.failed());
  EXPECT_EQ(title, QString::fromUtf8("Zeugnis Übersicht"));
  ExpectFieldsFromFile(fields);
}

TEST(FormFilesRead, TolerantNumbersBlanksTrailingTextAndEmptyLines) {
  // Leading blanks and tabs, text after the number, empty lines before a
  // number, LF-only line ends and comments with any text.
  QByteArray text = "Titel\nirgendwas\n";
  for (int k = 0; k < 141; ++k) {
    const TFormField f = FieldFor(k);
    text += "  \t" + QByteArray::number(k) + "   Feldnummer\r\n";
    text += "\r\n\r\n" + QByteArray::number(f.X) + " mm\r\n";
    text += QByteArray::number(f.Y) + "\r\n";
    text += "+" + QByteArray::number(f.Align) + "\r\n";
    text += QByteArray::number(f.FontNumber) + "\tSchrift\r\n";
    text += QByteArray::number(f.Page) + "\n";
    text += QByteArray::number(f.Active) + "\r\n";
    text += (k % 2 ? QByteArray("12345 ???") : QByteArray("\xC4nderung von Schrift 7")) + "\r\n";
  }
  TFormFieldTable fields{};
  QString title;
  const auto parse = quorv::ParseFormFile(text, fields, title);
  EXPECT_EQ(parse.Error, FormFileErrorKind::None);
  EXPECT_TRUE(parse.InStep);
  EXPECT_EQ(title, "Titel");
  ExpectFieldsFromFile(fields);
}

TEST(FormFilesRead, ValuesKeepTheirLow16Bits) {
  QByteArray text = "T\r\n=\r\n0\r\n70000\r\n-1\r\n65535\r\n65536\r\n-65535\r\n3\r\nx\r\n";
  TFormFieldTable fields{};
  quorv::PresetFormFields(fields);
  QString title;
  quorv::ParseFormFile(text, fields, title);
  EXPECT_EQ(fields[0].X, 70000 - 65536);
  EXPECT_EQ(fields[0].Y, 65535);
  EXPECT_EQ(fields[0].Align, 65535);
  EXPECT_EQ(fields[0].FontNumber, 0);
  EXPECT_EQ(fields[0].Page, 1);
  EXPECT_EQ(fields[0].Active, 3);
}

TEST(FormFilesRead, OutOfStepNumbersLoadInFileOrderWithWarning) {
  testsupport::TempProgramDir dir;
  // Numbers 0, 1, 2, 10, 11, ... : block k still fills entry k.
  dir.writeFile(dir.programDir() + "Anl005.FST",
                FileText("Hauptschule", [](int k) { return QByteArray::number(k < 3 ? k : k + 7); }, PlainComment));
  testsupport::ScriptedMessages msgs;
  msgs.expect(kOutOfStep, MsgKind::Error);
  TFormFieldTable fields{};
  QString title;
  EXPECT_FALSE(quorv::LoadFormFile(fields, "Anl005.FST", title, 0).failed());
  EXPECT_EQ(title, "Hauptschule");
  ExpectFieldsFromFile(fields);
}

TEST(FormFilesRead, FileEndingEarlyLoadsZerosWithWarning) {
  testsupport::TempProgramDir dir;
  dir.writeFile(dir.programDir() + "Anl006.FST", FileText("kurz", PlainNumber, PlainComment, 10));
  testsupport::ScriptedMessages msgs;
  msgs.expect(kOutOfStep, MsgKind::Error);
  TFormFieldTable fields{};
  QString title;
  EXPECT_FALSE(quorv::LoadFormFile(fields, "Anl006.FST", title, 0).failed());
  ExpectFieldsFromFile(fields, 10);
  for (int k = 10; k < 141; ++k) EXPECT_TRUE(SameField(fields[k], TFormField{0, 0, 0, 0, 0, 0})) << k;
}

TEST(FormFilesRead, EmptyFileReadsEmptyTitleAndZeros) {
  TFormFieldTable fields{};
  quorv::PresetFormFields(fields);
  QString title = "vorher";
  const auto parse = quorv::ParseFormFile(QByteArray(), fields, title);
  EXPECT_EQ(parse.Error, FormFileErrorKind::None);
  EXPECT_FALSE(parse.InStep);  // block 1 reads number 0
  EXPECT_TRUE(title.isEmpty());
  EXPECT_EQ(fields[140].FontNumber, 0);
}

TEST(FormFilesRead, CommentsWithNumbersAreNotRead) {
  // A comment that looks like a block must not shift the reading.
  TFormFieldTable fields{};
  QString title;
  const auto parse = quorv::ParseFormFile(
      FileText("T", PlainNumber, [](int k) { return QByteArray::number(k + 1) + " 1 2 3"; }), fields, title);
  EXPECT_TRUE(parse.InStep);
  ExpectFieldsFromFile(fields);
}

TEST(FormFilesRead, TitleOfThreeColonsLoadsNormallyAndIsNotPrintable) {
  testsupport::TempProgramDir dir;
  dir.writeFile(dir.programDir() + "Anl010.FST", NormalFile(":::"));
  const quorv::ResolvedFormFile form = quorv::ResolveFormFile(10, 0, 0, 1, 0);
  EXPECT_EQ(form.Title, ":::");
  EXPECT_FALSE(form.Error.failed());
  ExpectFieldsFromFile(form.Fields);
  EXPECT_FALSE(form.printable());
}

TEST(FormFilesRead, NumberLineWithoutNumberIsAnErrorValue) {
  testsupport::TempProgramDir dir;
  QByteArray text = NormalFile("Titel");
  // Line 3 + 8 * 2 + 1 = 20 holds X of field 2.
  QList<QByteArray> lines = text.split('\n');
  lines[19] = "zwei\r";
  dir.writeFile(dir.programDir() + "Anl011.FST", lines.join('\n'));
  TFormFieldTable fields{};
  QString title;
  const auto error = quorv::LoadFormFile(fields, "Anl011.FST", title, 0);
  ASSERT_EQ(error.Kind, FormFileErrorKind::NoNumber);
  EXPECT_EQ(error.Line, 20);
  EXPECT_EQ(error.Path, dir.programDir() + "Anl011.FST");
  EXPECT_EQ(title, "Titel");
  ExpectFieldsFromFile(fields, 2);  // what was read before the fault stays
  EXPECT_EQ(fields[2].X, 0);
  EXPECT_EQ(fields[2].FontNumber, 1);
  EXPECT_EQ(quorv::FormFileErrorMessage(error),
            "In der Formular-Datei:\r" + error.Path + "\rsteht in Zeile 20 keine Zahl!");
}

TEST(FormFilesRead, NumberWithTrailingLettersIsNoNumber) {
  TFormFieldTable fields{};
  QString title;
  const auto parse = quorv::ParseFormFile("T\r\n=\r\n0\r\n12mm\r\n", fields, title);
  EXPECT_EQ(parse.Error, FormFileErrorKind::NoNumber);
  EXPECT_EQ(parse.ErrorLine, 4);
}

TEST(FormFilesRead, ErrorMessages) {
  EXPECT_EQ(quorv::FormFileErrorMessage({FormFileErrorKind::CannotRead, "/p/Anl001.FST", 0}),
            "Die Formular-Datei:\r/p/Anl001.FST\rkonnte nicht gelesen werden!");
  EXPECT_EQ(quorv::FormFileErrorMessage({FormFileErrorKind::CannotWrite, "/d/Anl001.FST", 0}),
            "Die Formular-Datei:\r/d/Anl001.FST\rkonnte nicht geschrieben werden!");
  EXPECT_TRUE(quorv::FormFileErrorMessage({}).isEmpty());
  testsupport::ScriptedMessages msgs;
  msgs.expect("Die Formular-Datei:\r/d/x.FST\rkonnte nicht geschrieben werden!", MsgKind::Error);
  quorv::ReportFormFileError({FormFileErrorKind::CannotWrite, "/d/x.FST", 0});
  quorv::ReportFormFileError({});  // nothing to report
}

// ---- writing -------------------------------------------------------------------

TEST(FormFilesWrite, NormalisedTextByteForByte) {
  TFormFieldTable fields{};
  for (int k = 0; k < 141; ++k) fields[k] = FieldFor(k);
  fields[7] = TFormField{65535, 0, 2, 50, 3, 1};
  const QByteArray text = quorv::FormFileText(QString::fromUtf8("Übergangs-Zeugnis"), fields);
  EXPECT_EQ(text, Normalised("\xDC" "bergangs-Zeugnis", fields));
  EXPECT_EQ(text.count("\r\n"), quorv::kFormFileLineCount);
  EXPECT_TRUE(text.endsWith("- - - - -\r\n"));
  // Field 7's X at line 4 + 8 * 7.
  EXPECT_EQ(text.split('\n')[3 + 8 * 7], "65535\r");
}

TEST(FormFilesWrite, CopyIsNormalisedFromAnIrregularSource) {
  testsupport::TempProgramDir dir;
  const QByteArray source =
      FileText("Quelle", [](int k) { return "  " + QByteArray::number(k * 2) + " alt"; },
               [](int k) { return "Kommentar " + QByteArray::number(k); });
  dir.writeFile(dir.programDir() + "Anl015.FST", source);
  testsupport::ScriptedMessages msgs;
  msgs.expect(kOutOfStep, MsgKind::Error);
  TFormFieldTable fields{};
  QString title;
  EXPECT_FALSE(quorv::LoadFormFile(fields, "Anl015.FST", title, 1).failed());
  ASSERT_TRUE(msgs.allAnswered());
  EXPECT_EQ(dir.readFile(dir.dataDir() + "Anl015.FST"), Normalised("Quelle", fields));
  // The copy reads back in step and equal.
  TFormFieldTable again{};
  QString title2;
  EXPECT_FALSE(quorv::LoadFormFile(again, "Anl015.FST", title2, 1).failed());
  EXPECT_EQ(title2, "Quelle");
  for (int k = 0; k < 141; ++k) EXPECT_TRUE(SameField(again[k], fields[k])) << k;
}

// ---- folders, working copy, creation ----------------------------------------------

struct FolderCase {
  int Copies;
  bool InProgram;
  bool InData;
  bool Faulty;
  const char* ReadFrom;  // "program", "data"
  bool CopyWritten;
  bool Warning;
};

class FormFilesFolders : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FormFilesFolders, FolderOrderCopyAndWarning) {
  const FolderCase c = GetParam();
  testsupport::TempProgramDir dir;
  auto file = [&](const QByteArray& title) {
    return c.Faulty ? FileText(title, [](int k) { return QByteArray::number(k == 5 ? 99 : k); }, PlainComment)
                    : FileText(title, PlainNumber, [](int) { return QByteArray("frei"); });
  };
  const QByteArray programText = file("program");
  const QByteArray dataText = file("data");
  if (c.InProgram) dir.writeFile(dir.programDir() + "Anl021.FST", programText);
  if (c.InData) dir.writeFile(dir.dataDir() + "Anl021.FST", dataText);
  testsupport::ScriptedMessages msgs;
  if (c.Warning) msgs.expect(kOutOfStep, MsgKind::Error);
  TFormFieldTable fields{};
  QString title = "Beschreibung";
  EXPECT_FALSE(quorv::LoadFormFile(fields, "Anl021.FST", title, c.Copies).failed());
  EXPECT_EQ(title, c.ReadFrom);
  ExpectFieldsFromFile(fields);
  const QByteArray dataNow = dir.readFile(dir.dataDir() + "Anl021.FST");
  if (c.CopyWritten)
    EXPECT_EQ(dataNow, Normalised("program", fields));
  else
    EXPECT_EQ(dataNow, c.InData ? dataText : QByteArray());
  EXPECT_EQ(dir.readFile(dir.programDir() + "Anl021.FST"), c.InProgram ? programText : QByteArray());
}

INSTANTIATE_TEST_SUITE_P(
    All, FormFilesFolders,
    ::testing::Values(
        // copies, program, data, faulty, read from, copy, warning
        FolderCase{1, true, true, false, "data", false, false},
        FolderCase{1, true, false, false, "program", true, false},
        FolderCase{1, false, true, false, "data", false, false},
        FolderCase{0, true, true, false, "program", false, false},
        FolderCase{0, false, true, false, "data", false, false},
        FolderCase{0, true, false, false, "program", false, false},
        FolderCase{2, true, true, false, "program", false, false},  // only 1 switches copies on
        FolderCase{1, true, true, true, "data", false, true},
        FolderCase{1, true, false, true, "program", true, true},
        FolderCase{0, true, false, true, "program", false, true},
        FolderCase{0, false, true, true, "data", false, false}));  // second folder, no copies: no warning

TEST(FormFilesCreate, YesCreatesAlmostEmptyFileInDataDir) {
  testsupport::TempProgramDir dir;
  testsupport::ScriptedMessages msgs;
  msgs.expect(CreateQuestion("Anl029.FST"), MsgKind::Confirmation, MsgResult::Yes);
  TFormFieldTable fields{};
  QString title = QString::fromUtf8("Übergangszeugnis der Integrierten Gesamtschule");
  EXPECT_FALSE(quorv::LoadFormFile(fields, "Anl029.FST", title, 0).failed());
  ASSERT_EQ(msgs.shown().size(), 1u);
  EXPECT_EQ(msgs.shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(title, QString::fromUtf8("Übergangszeugnis der Integrierten Gesamtschule"));
  TFormFieldTable defaults{};
  quorv::NewFormFileDefaults(defaults);
  for (int k = 0; k < 141; ++k) EXPECT_TRUE(SameField(fields[k], defaults[k])) << k;
  EXPECT_EQ(dir.readFile(dir.dataDir() + "Anl029.FST"),
            Normalised("\xDC" "bergangszeugnis der Integrierten Gesamtschule", defaults));
  EXPECT_FALSE(QFile::exists(dir.programDir() + "Anl029.FST"));
}

TEST(FormFilesCreate, NoGivesNoFormTitleAndWritesNothing) {
  testsupport::TempProgramDir dir;
  testsupport::ScriptedMessages msgs;
  msgs.expect(CreateQuestion("Anl029.FST"), MsgKind::Confirmation, MsgResult::No);
  TFormFieldTable fields{};
  QString title = "Beschreibung";
  EXPECT_FALSE(quorv::LoadFormFile(fields, "Anl029.FST", title, 1).failed());
  EXPECT_EQ(title, ":::");
  EXPECT_FALSE(QFile::exists(dir.dataDir() + "Anl029.FST"));
  EXPECT_EQ(fields[1].FontNumber, 1);  // preset
}

TEST(FormFilesCreate, UnwritableDataFolderIsAnErrorValue) {
  testsupport::TempProgramDir dir;
  quorv::DataDir = dir.programDir() + "fehlt/";
  testsupport::ScriptedMessages msgs;
  msgs.expect(CreateQuestion("Anl001.FST"), MsgKind::Confirmation, MsgResult::Yes);
  TFormFieldTable fields{};
  QString title = "Beschreibung";
  const auto error = quorv::LoadFormFile(fields, "Anl001.FST", title, 0);
  EXPECT_EQ(error.Kind, FormFileErrorKind::CannotWrite);
  EXPECT_EQ(error.Path, dir.programDir() + "fehlt/Anl001.FST");
}

TEST(FormFilesCreate, FailedWorkingCopyIsAnErrorValueBeforeTheWarning) {
  testsupport::TempProgramDir dir;
  dir.writeFile(dir.programDir() + "Anl022.FST",
                FileText("T", [](int k) { return QByteArray::number(k == 3 ? 9 : k); }, PlainComment));
  quorv::DataDir = dir.programDir() + "fehlt/";
  TFormFieldTable fields{};
  QString title;
  EXPECT_EQ(quorv::LoadFormFile(fields, "Anl022.FST", title, 1).Kind, FormFileErrorKind::CannotWrite);
  ExpectFieldsFromFile(fields);
}

TEST(FormFilesDefaults, NewFileDefaultsFillTheGlobalTable) {
  quorv::FormFields.fill(TFormField{9, 9, 9, 9, 9, 9});
  quorv::NewFormFileDefaults();
  const struct {
    int k;
    TFormField f;
  } set[] = {{1, {0, 0, 0, 12, 3, 1}},         {2, {1800, 2600, 0, 12, 3, 1}}, {3, {900, 200, 0, 10, 1, 1}},
             {4, {900, 200, 1, 13, 1, 1}},     {5, {900, 300, 1, 20, 1, 1}},   {6, {1800, 2650, 0, 29, 1, 0}},
             {105, {1800, 2650, 0, 29, 1, 0}}};
  for (int k = 0; k < 141; ++k) {
    TFormField expected{0, 0, 0, 0, 0, 0};
    for (const auto& s : set)
      if (s.k == k) expected = s.f;
    EXPECT_TRUE(SameField(quorv::FormFields[k], expected)) << k;
  }
}

TEST(FormFilesDefaults, PresetValues) {
  TFormFieldTable fields{};
  quorv::PresetFormFields(fields);
  for (const TFormField& f : fields) EXPECT_TRUE(SameField(f, TFormField{0, 0, 0, 1, 0, 0}));
}

TEST(FormFilesDefaults, TextBlockLineCountIsBounded) {
  const struct {
    std::uint16_t x;
    int lines;
  } cases[] = {{0, 0}, {1, 1}, {12, 12}, {25, 25}, {26, 25}, {300, 25}, {65535, 25}};
  for (const auto& c : cases) EXPECT_EQ(quorv::TextBlockLineCount(TFormField{c.x, 40, 0, 80, 1, 1}), c.lines) << c.x;
}

// ---- choice of the file ---------------------------------------------------------

namespace {

struct PlainForm {
  int Form;
  const char* File;
  const char* Description;
  bool Variants;
};

const PlainForm kPlainForms[] = {
    {1, "Anl001.FST", "(Halb-)/Jahres-Zeugnis der Grundschule Klassenstufe 1", false},
    {2, "Anl002.FST", "Übergangs-Zeugnis der Grundschule Klassenstufe 1", false},
    {3, "Anl003.FST", "(Halb-)/Jahres-Zeugnis der Grundschule Klassenstufe 2-4", false},
    {4, "Anl004.FST", "Übergangs-Zeugnis der Grundschule Klassenstufe 2-3(4)", false},
    {5, "Anl005.FST", "(Halb-)/Jahres-Zeugnis der Hauptschule", false},
    {6, "Anl006.FST", "Übergangs-Zeugnis der Hauptschule", false},
    {7, "Anl007.FST", "Abgangs-Zeugnis der Hauptschule", true},
    {8, "Anl008.FST", "Abschluss-Zeugnis (Hauptschulabschluss) nichtgymnasiale Bildungsgänge", true},
    {9, "Anl009.FST", "Abschluss-Zeugnis (qual. Hauptschulabschluss) nichtgymnasiale Bildungsgänge", true},
    {10, "Anl010.FST", "(Halb-)/Jahres-Zeugnis der Realschule", false},
    {11, "Anl011.FST", "Übergangs-Zeugnis der Realschule", false},
    {12, "Anl012.FST", "Abgangs-Zeugnis der Realschule", true},
    {13, "Anl013.FST", "Abschluss-Zeugnis (Realschulabschluss) nichtgymnasiale Bildungsgänge", true},
    {14, "Anl014.FST", "Abschluss-Zeugnis (qual. Realschulabschluss) nichtgymnasiale Bildungsgänge", true},
    {15, "Anl015.FST", "(Halb-)/Jahres-Zeugnis der Regionalen Schule", false},
    {16, "Anl016.FST", "Übergangs-Zeugnis der Regionalen Schule", false},
    {17, "Anl017.FST", "Abgangs-Zeugnis der Regionalen Schule", true},
    {18, "Anl018.FST", "Abschluss-Zeugnis (Berufsreife) nichtgymnasiale Bildungsgänge", true},
    {19, "Anl019.FST", "Abschluss-Zeugnis (Berufsreife mit Leistungsfeststellung) nichtgymnasiale Bildungsgänge",
     true},
    {20, "Anl020.FST", "Abschluss-Zeugnis (Mittlere Reife) nichtgymnasiale Bildungsgänge", true},
    {21, "Anl021.FST", "(Halb-)/Jahres-Zeugnis des Gymnasiums", false},
    {22, "Anl022.FST", "Übergangs-Zeugnis des Gymnasiums", false},
    {23, "Anl023.FST", "Abgangs-Zeugnis des Gymnasiums", true},
    {24, "Anl024.FST", "Prüfungs-Zeugnis des Gymnasiums", false},
    {25, "Anl024.FST", "Prüfungs-Zeugnis (NICHT bestanden) des Gymnasiums", false},
    {26, "Anl026.FST", "Jahreszeugnis Kl. 5+6 der Integrierten Gesamtschule", false},
    {27, "Anl027.FST", "Jahreszeugnis Kl. 7-10 der Integrierten Gesamtschule", false},
    {28, "Anl028.FST", "Abgangszeugnis der Integrierten Gesamtschule", true},
    {29, "Anl029.FST", "Übergangszeugnis der Integrierten Gesamtschule", false},
    {41, "Anl041.FST", "Empfangsbekenntnis", false},
    {141, "Anl041.FST", "Empfangsbekenntnis", false},
    {104, "Anl04a.FST", "(Halb-)/Jahres-Zeugnis der Orientierungsstufe", false},
    {105, "Anl105.FST", "Zwischen-Zeugnis der Hauptschule", false},
    {110, "Anl110.FST", "Zwischen-Zeugnis der Realschule", false},
    {115, "Anl115.FST", "Zwischen-Zeugnis der Regionalen Schule", false},
    {121, "Anl121.FST", "Zwischen-Zeugnis des Gymnasiums", false},
    {127, "Anl127.FST", "Zwischen-Zeugnis der Integrierten Gesamtschule", false},
};

const PlainForm* FindPlain(int form) {
  for (const PlainForm& p : kPlainForms)
    if (p.Form == form) return &p;
  return nullptr;
}

const QString kUnknownForm = QString::fromUtf8(
    "Die bisherigen Einstellungen lassen keine eindeutige\rAuswahl eines Zeugnisformulars zu!\r\r"
    "Bitte überprüfen Sie die Einstellungen der Schule,\rzum Druck und die gewählte Zeugnisart!");
const QString kPositionMsg = QString::fromUtf8(
    "Die gewählte Wappenposition ist derzeit nicht verfügbar!\r\rBitte korrigieren Sie die Druck-Optionen!");
const QString kSizeMsg = QString::fromUtf8(
    "Die gewählte Wappengröße ist derzeit nicht verfügbar!\r\rBitte korrigieren Sie die Druck-Optionen!");

struct Expected {
  QString File;
  QString Description;
  QString Message;  // empty: none
};

// The publisher table, written out per case.
Expected ExpectedChoice(const PlainForm& p, int publisher, int position, int size) {
  const QString plainFile = QString::fromUtf8(p.File);
  const QString plain = QString::fromUtf8(p.Description);
  const QString stem = plainFile.left(6);
  if (!p.Variants || (publisher != 1 && publisher != 2)) return {plainFile, plain, {}};
  if (p.Form == 7 && publisher == 1) return {"Anl007.FST", "Abgangs-Zeugnis der Hauptschule (bsn ?\?\?)", {}};
  if (position != 3) return {plainFile, plain, kPositionMsg};
  if (publisher == 1) {
    if (size != 1) return {plainFile, plain, kSizeMsg};
    const QString bsn = p.Form == 23 ? " (bsn 510 951 (od. 954) 00 12/04)" : " (bsn 510 960 00 12/04)";
    return {stem + "_1031.FST", plain + bsn, {}};
  }
  if (size == 0) return {stem + "_2030.FST", plain + " (Kohlhammer 282.20/16-0)", {}};
  if (size == 1) return {stem + "_2031.FST", plain + " (Kohlhammer 282.20/15-0)", {}};
  return {plainFile, plain, kSizeMsg};
}

}  // namespace

TEST(FormFilesSelect, EveryFormEveryPublisherAndArmsSetting) {
  int checked = 0;
  for (const PlainForm& p : kPlainForms)
    for (int publisher = 0; publisher <= 5; ++publisher)
      for (int position = 0; position <= 3; ++position)
        for (int size = 0; size <= 2; ++size) {
          SCOPED_TRACE(testing::Message() << p.Form << " " << publisher << " " << position << " " << size);
          const Expected e = ExpectedChoice(p, publisher, position, size);
          testsupport::ScriptedMessages msgs;
          if (!e.Message.isEmpty()) msgs.expect(e.Message, MsgKind::Error);
          QString file = "x";
          QString description = "y";
          quorv::SelectFormFile(p.Form, file, description, publisher, position, size);
          EXPECT_EQ(file, e.File);
          EXPECT_EQ(description, e.Description);
          ++checked;
        }
  EXPECT_EQ(checked, 37 * 6 * 4 * 3);
}

TEST(FormFilesSelect, NamedVariantsAndEdgeCases) {
  const struct {
    int form, publisher, position, size;
    const char* file;
    const char* description;
  } cases[] = {
      {8, 1, 3, 1, "Anl008_1031.FST",
       "Abschluss-Zeugnis (Hauptschulabschluss) nichtgymnasiale Bildungsgänge (bsn 510 960 00 12/04)"},
      {17, 2, 3, 0, "Anl017_2030.FST", "Abgangs-Zeugnis der Regionalen Schule (Kohlhammer 282.20/16-0)"},
      {28, 2, 3, 1, "Anl028_2031.FST", "Abgangszeugnis der Integrierten Gesamtschule (Kohlhammer 282.20/15-0)"},
      {7, 2, 3, 0, "Anl007_2030.FST", "Abgangs-Zeugnis der Hauptschule (Kohlhammer 282.20/16-0)"},
      {7, 2, 3, 1, "Anl007_2031.FST", "Abgangs-Zeugnis der Hauptschule (Kohlhammer 282.20/15-0)"},
      {9, 2, 3, 1, "Anl009_2031.FST",
       "Abschluss-Zeugnis (qual. Hauptschulabschluss) nichtgymnasiale Bildungsgänge (Kohlhammer 282.20/15-0)"},
      {23, 1, 3, 1, "Anl023_1031.FST", "Abgangs-Zeugnis des Gymnasiums (bsn 510 951 (od. 954) 00 12/04)"},
      {7, 1, 0, 2, "Anl007.FST", "Abgangs-Zeugnis der Hauptschule (bsn ?\?\?)"},
      {25, 2, 3, 1, "Anl024.FST", "Prüfungs-Zeugnis (NICHT bestanden) des Gymnasiums"},
  };
  for (const auto& c : cases) {
    const quorv::FormFileChoice choice = quorv::LookupFormFile(c.form, c.publisher, c.position, c.size);
    EXPECT_EQ(choice.Problem, quorv::FormFileProblem::None) << c.form;
    EXPECT_EQ(choice.FileName, QString::fromUtf8(c.file));
    EXPECT_EQ(choice.Description, QString::fromUtf8(c.description));
  }
  // Size 2 on Kohlhammer paper: the message and the plain file.
  const auto big = quorv::LookupFormFile(8, 2, 3, 2);
  EXPECT_EQ(big.Problem, quorv::FormFileProblem::ArmsSize);
  EXPECT_EQ(big.FileName, "Anl008.FST");
}

TEST(FormFilesSelect, UnlistedNumbersAreErrors) {
  for (int form = -1; form <= 300; ++form) {
    if (FindPlain(form) != nullptr) continue;
    testsupport::ScriptedMessages msgs;
    msgs.expect(kUnknownForm, MsgKind::Error);
    QString file = "x";
    QString description = "y";
    quorv::SelectFormFile(form, file, description, 2, 3, 1);
    EXPECT_TRUE(file.isEmpty()) << form;
    EXPECT_TRUE(description.isEmpty()) << form;
  }
}

// ---- once per job ----------------------------------------------------------------

TEST(FormFilesResolve, MessagesOnceThenPagesWithoutMessages) {
  testsupport::TempProgramDir dir;
  dir.writeFile(dir.programDir() + "Anl008.FST",
                FileText("Abschluss", [](int k) { return QByteArray::number(k == 4 ? 40 : k); }, PlainComment));
  quorv::ResolvedFormFile form;
  {
    testsupport::ScriptedMessages msgs;
    msgs.expect(kPositionMsg, MsgKind::Error);  // plain file goes on
    msgs.expect(kOutOfStep, MsgKind::Error);
    form = quorv::ResolveFormFile(8, 1, 0, 1, 1);
  }
  EXPECT_EQ(form.FileName, "Anl008.FST");
  EXPECT_TRUE(form.printable());
  EXPECT_TRUE(QFile::exists(dir.dataDir() + "Anl008.FST"));

  // Repaints: the strict global service fails the test on any message.
  for (int paint = 0; paint < 3; ++paint) {
    QString title;
    ASSERT_TRUE(quorv::UseResolvedFormFile(form, quorv::FormFields, title));
    EXPECT_EQ(title, "Abschluss");
    ExpectFieldsFromFile(quorv::FormFields);
    quorv::FormFields[3].X = 850;  // a page patches the table in memory only
  }
}

TEST(FormFilesResolve, DeclinedCreationIsNotPrintable) {
  testsupport::TempProgramDir dir;
  testsupport::ScriptedMessages msgs;
  msgs.expect(CreateQuestion("Anl04a.FST"), MsgKind::Confirmation, MsgResult::No);
  const quorv::ResolvedFormFile form = quorv::ResolveFormFile(104, 0, 0, 1, 0);
  EXPECT_EQ(form.Description, "(Halb-)/Jahres-Zeugnis der Orientierungsstufe");
  EXPECT_FALSE(form.printable());
  QString title;
  EXPECT_FALSE(quorv::UseResolvedFormFile(form, quorv::FormFields, title));
  EXPECT_EQ(title, ":::");
}

TEST(FormFilesResolve, ReadErrorIsReportedOnceAndNotPrintable) {
  testsupport::TempProgramDir dir;
  dir.writeFile(dir.programDir() + "Anl170.FST", "Titel\r\n=\r\n0\r\nfalsch\r\n");
  testsupport::ScriptedMessages msgs;
  msgs.expect("In der Formular-Datei:\r" + dir.programDir() + "Anl170.FST\rsteht in Zeile 4 keine Zahl!",
              MsgKind::Error);
  const quorv::ResolvedFormFile form = quorv::ResolveNamedFormFile("Anl170.FST", "Lernentwicklung", 0);
  EXPECT_EQ(form.Error.Kind, FormFileErrorKind::NoNumber);
  EXPECT_FALSE(form.printable());
}
