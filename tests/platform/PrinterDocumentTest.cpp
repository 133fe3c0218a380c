#include "platform/PrinterDocument.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/Messages.h"
#include "support/ScriptedMessages.h"

using platform::MsgKind;
using platform::Printer;
using platform::PrinterDocument;

namespace {

const QString kPdfNotice = QStringLiteral("Es ist kein Drucker eingerichtet.\rDer Ausdruck wurde als PDF-Datei gespeichert:\r");

struct PdfInfo {
  int Pages = -1;
  QString Title;
};

// Pages and title as poppler's pdfinfo reads them.
PdfInfo ReadPdfInfo(const QString& file) {
  PdfInfo info;
  QProcess p;
  p.start(QStringLiteral("pdfinfo"), {file});
  if (!p.waitForFinished(20000)) return info;
  for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1String("Pages:"))) info.Pages = line.mid(6).trimmed().toInt();
    if (line.startsWith(QLatin1String("Title:"))) info.Title = line.mid(6).trimmed();
  }
  return info;
}

class PrinterDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
      GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    ASSERT_TRUE(dir_.isValid());
    printer_.SetDestination(platform::PrintDestination::PdfFile);
    printer_.SetPdfFolder(dir_.path() + QLatin1Char('/'));
  }

  QString folder() const { return dir_.path() + QLatin1Char('/'); }

  // Draws a line so that the page is not blank.
  void Draw() {
    platform::Canvas& c = printer_.canvas();
    c.SetMapMode(platform::MapMode::LoMetric);
    c.MoveTo(100, -100);
    c.LineTo(1000, -100);
  }

  QTemporaryDir dir_;
  PrinterDocument printer_;
  testsupport::ScriptedMessages msgs_;
};

TEST_F(PrinterDocumentTest, DocumentStaysOpenAcrossCallsAndIsWrittenWithItsPagesAndTitle) {
  printer_.SetTitle(QStringLiteral("Lernentwicklungsberichte"));
  ASSERT_TRUE(printer_.BeginDoc());
  Draw();
  // A later caller finds the document open and adds sheets to it.
  EXPECT_TRUE(printer_.Printing());
  EXPECT_TRUE(printer_.BeginDoc());  // already open: nothing new
  EXPECT_TRUE(printer_.NewPage());
  Draw();
  printer_.SetTitle(QStringLiteral("ein anderer Titel"));  // an open document keeps its title
  EXPECT_TRUE(printer_.NewPage());
  Draw();
  EXPECT_EQ(printer_.PageCount(), 3);

  const QString file = folder() + QStringLiteral("Lernentwicklungsberichte.pdf");
  msgs_.expect(kPdfNotice + QDir::toNativeSeparators(file) + QStringLiteral("\r3 Seiten"), MsgKind::Information);
  EXPECT_TRUE(printer_.EndDoc());
  EXPECT_FALSE(printer_.Printing());
  EXPECT_EQ(printer_.LastPdfFile(), file);

  const PdfInfo info = ReadPdfInfo(file);
  EXPECT_EQ(info.Pages, 3);
  EXPECT_EQ(info.Title, QStringLiteral("Lernentwicklungsberichte"));
}

TEST_F(PrinterDocumentTest, NewPageAndEndWithoutOpenDocumentDoNothing) {
  EXPECT_FALSE(printer_.NewPage());
  EXPECT_FALSE(printer_.EndDoc());
  EXPECT_TRUE(printer_.LastPdfFile().isEmpty());
}

TEST_F(PrinterDocumentTest, DocumentsWithTheSameTitleDoNotReplaceEachOther) {
  const QString title = QStringLiteral("Jahres-Zeugnis: Anna Muster");
  const QString base = folder() + QStringLiteral("Jahres-Zeugnis - Anna Muster");
  const QStringList expected = {base + QStringLiteral(".pdf"), base + QStringLiteral(" (2).pdf"),
                                base + QStringLiteral(" (3).pdf")};
  for (const QString& file : expected) {
    printer_.SetTitle(title);
    ASSERT_TRUE(printer_.BeginDoc());
    Draw();
    msgs_.expect(kPdfNotice + QDir::toNativeSeparators(file) + QStringLiteral("\r1 Seite"), MsgKind::Information);
    ASSERT_TRUE(printer_.EndDoc());
    EXPECT_EQ(ReadPdfInfo(file).Title, title);
  }
}

TEST_F(PrinterDocumentTest, RefusedDocumentIsReportedAndLeavesNothingOpen) {
  printer_.SetPdfFolder(folder() + QStringLiteral("fehlt/"));
  printer_.SetTitle(QStringLiteral("Zeugnis"));
  msgs_.expect(QStringLiteral("Der Ausdruck konnte nicht begonnen werden:\r") +
                   QDir::toNativeSeparators(folder() + QStringLiteral("fehlt/Zeugnis.pdf")),
               MsgKind::Error);
  EXPECT_FALSE(printer_.BeginDoc());
  EXPECT_FALSE(printer_.Printing());
  EXPECT_FALSE(printer_.EndDoc());
}

TEST_F(PrinterDocumentTest, PdfDeviceIsAnA4SheetInColourWithoutOffsets) {
  const platform::DeviceCaps caps = printer_.Caps();
  EXPECT_EQ(caps.PhysicalOffsetX, 0);
  EXPECT_EQ(caps.PhysicalOffsetY, 0);
  EXPECT_EQ(caps.HorzSize, 210);
  EXPECT_EQ(caps.VertSize, 297);
  EXPECT_GT(caps.NumColors, 2);
}

TEST_F(PrinterDocumentTest, CanvasDrawsInTenthsOfMillimetres) {
  printer_.SetTitle(QStringLiteral("Massstab"));
  ASSERT_TRUE(printer_.BeginDoc());
  platform::Canvas& c = printer_.canvas();
  c.SetMapMode(platform::MapMode::LoMetric);
  const int dpi = c.GetDeviceCaps(platform::DeviceCap::LogPixelsX);
  // 254 units of 0.1 mm are one inch; y grows upward.
  const QPointF inch = c.LogicalToDevice(254, -254);
  EXPECT_DOUBLE_EQ(inch.x(), dpi);
  EXPECT_DOUBLE_EQ(inch.y(), dpi);
  msgs_.expectPrefix(kPdfNotice, MsgKind::Information);
  printer_.EndDoc();
}

TEST(PdfFileName, CharactersNoFileNameMayHoldAreReplaced) {
  struct Case {
    const char* Title;
    const char* Name;
  };
  const Case cases[] = {
      {"Jahres-Zeugnis: Anna Muster", "Jahres-Zeugnis - Anna Muster"},
      {"Versetzungs-/Prüfungs-Zeugnis (BESTANDEN): Ben", "Versetzungs-_Prüfungs-Zeugnis (BESTANDEN) - Ben"},
      {"Übergangs-Zeugnis (Seite: 1/2): Ben", "Übergangs-Zeugnis (Seite - 1_2) - Ben"},
      {"Uhrzeit 10:15", "Uhrzeit 10_15"},
      {"a\\b*c?d\"e<f>g|h", "a_b_c_d_e_f_g_h"},
      {"  Titel. ", "Titel"},
      {"", "Ausdruck"},
      {"...", "Ausdruck"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(platform::PdfFileBaseName(QString::fromUtf8(c.Title)), QString::fromUtf8(c.Name)) << c.Title;
}

TEST(PrinterObject, IsOneForTheWholeRun) { EXPECT_EQ(&Printer(), &Printer()); }

}  // namespace
