#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "platform/Canvas.h"
#include "platform/PainterCanvas.h"
#include "platform/RecordingCanvas.h"

using platform::BkMode;
using platform::BrushSpec;
using platform::BrushStyle;
using platform::CanvasOp;
using platform::DeviceCap;
using platform::FontSpec;
using platform::MapMode;
using platform::PenSpec;
using platform::PenStyle;
namespace TextAlign = platform::TextAlign;

namespace {

// An image at 254 dpi: in LoMetric one logical unit is one pixel and the
// logical point (x, -y) is pixel (x, y).
class ImagePage {
 public:
  ImagePage(int width, int height) : image_(width, height, QImage::Format_RGB32) {
    image_.setDotsPerMeterX(10000);
    image_.setDotsPerMeterY(10000);
    image_.fill(Qt::white);
    painter_ = std::make_unique<QPainter>(&image_);
    canvas_ = std::make_unique<platform::PainterCanvas>(*painter_);
    canvas_->SetMapMode(MapMode::LoMetric);
    canvas_->SetBrush(BrushSpec{QColor(255, 255, 255), BrushStyle::Clear});
  }
  platform::PainterCanvas& canvas() { return *canvas_; }
  const QImage& finish() {
    canvas_.reset();
    if (painter_) painter_->end();
    painter_.reset();
    return image_;
  }

 private:
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<platform::PainterCanvas> canvas_;
};

bool Dark(QRgb c) { return qGray(c) < 128; }

// The bounding box of the pixels that match.
QRect Ink(const QImage& image, const std::function<bool(QRgb)>& match = Dark) {
  int left = image.width(), top = image.height(), right = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (match(line[x])) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

FontSpec Font(const char* face, int height, int weight = 400) {
  FontSpec f;
  f.FaceName = QString::fromLatin1(face);
  f.Height = height;
  f.Weight = weight;
  return f;
}

// The ink of one text written on a fresh page, right after a text in another
// font below the page.
QRect TextInk(const FontSpec& font, unsigned align, int x, int y, const QString& text, int extra = 0) {
  ImagePage page(2100, 800);
  page.canvas().SetFont(Font("Arial", 40));
  page.canvas().TextOut(0, -3000, "klein");
  page.canvas().SetFont(font);
  page.canvas().SetTextAlign(align);
  page.canvas().SetTextCharacterExtra(extra);
  page.canvas().TextOut(x, y, text);
  return Ink(page.finish());
}

}  // namespace

// ---- small services ---------------------------------------------------------------

TEST(CanvasRounding, HalvesGoToEven) {
  const struct {
    double v;
    int r;
  } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}};
  for (const auto& c : cases) EXPECT_EQ(platform::RoundHalfEven(c.v), c.r) << c.v;
}

TEST(CanvasFaces, WindowsFacesMapToLiberation) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {{"Arial", "Liberation Sans"},
               {"Times New Roman", "Liberation Serif"},
               {"Courier New", "Liberation Mono"},
               {"courier new", "Liberation Mono"},
               {"DejaVu Sans", "DejaVu Sans"}};
  for (const auto& c : cases) EXPECT_EQ(platform::InstalledFaceName(c.in), c.out);
}

// ---- text placement ----------------------------------------------------------------

TEST(PainterCanvasText, BottomAnchoredTextLandsAboveTheAnchor) {
  for (const char* face : {"Arial", "Times New Roman", "Courier New"}) {
    SCOPED_TRACE(face);
    const QRect bottom = TextInk(Font(face, 200), TextAlign::Left | TextAlign::Bottom, 100, -400, "Hgj");
    ASSERT_FALSE(bottom.isNull());
    EXPECT_LE(bottom.bottom(), 400);
    EXPECT_GE(bottom.bottom(), 400 - 25);  // descenders reach close to the cell bottom
    EXPECT_GE(bottom.left(), 100);
    EXPECT_LE(bottom.left(), 100 + 25);
    const QRect top = TextInk(Font(face, 200), TextAlign::Left | TextAlign::Top, 100, -400, "Hgj");
    EXPECT_GE(top.top(), 400);
  }
}

TEST(PainterCanvasText, CellHeightSeparatesTopAndBottomAnchors) {
  // The same glyph written top-anchored and bottom-anchored at one point moves
  // by the cell height (positive heights) or em * cell/em (negative heights).
  const struct {
    const char* face;
    int height;
    double cell;
  } cases[] = {{"Arial", 200, 200},
               {"Courier New", 300, 300},
               {"Times New Roman", 150, 150},
               {"Arial", -200, 200.0 * (1854 + 434) / 2048},
               {"Courier New", -200, 200.0 * (1705 + 615) / 2048}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.face << " " << c.height);
    const QRect top = TextInk(Font(c.face, c.height), TextAlign::Left | TextAlign::Top, 100, -50, "H");
    const QRect bottom = TextInk(Font(c.face, c.height), TextAlign::Left | TextAlign::Bottom, 100, -500, "H");
    EXPECT_NEAR((500 - bottom.bottom()) + (top.bottom() - 50), c.cell, 1.5);
  }
}

TEST(PainterCanvasText, BaselineAnchorPutsTheBaselineOnThePoint) {
  const QRect ink = TextInk(Font("Arial", 200), TextAlign::Left | TextAlign::Baseline, 100, -400, "H");
  EXPECT_NEAR(ink.bottom(), 400, 1);
}

TEST(PainterCanvasText, RightAlignedTextEndsAtX) {
  for (const char* face : {"Arial", "Times New Roman"}) {
    SCOPED_TRACE(face);
    const QRect ink = TextInk(Font(face, 200), TextAlign::Right | TextAlign::Bottom, 1500, -400, "Zeugnis");
    EXPECT_LE(ink.right(), 1500);
    EXPECT_GE(ink.right(), 1500 - 15);
  }
}

TEST(PainterCanvasText, CentredTextIsCentredOnX) {
  const QRect ink = TextInk(Font("Courier New", 200), TextAlign::Center | TextAlign::Bottom, 1000, -400, "HHHH");
  EXPECT_NEAR((ink.left() + ink.right()) / 2.0, 1000, 3);
}

TEST(PainterCanvasText, CharacterSpacingWidensEveryGap) {
  const FontSpec font = Font("Courier New", 200);
  const QRect plain = TextInk(font, TextAlign::Left | TextAlign::Bottom, 100, -400, "HHHH");
  const QRect wide = TextInk(font, TextAlign::Left | TextAlign::Bottom, 100, -400, "HHHH", 40);
  const QRect narrow = TextInk(font, TextAlign::Left | TextAlign::Bottom, 100, -400, "HHHH", -20);
  EXPECT_NEAR(wide.width() - plain.width(), 3 * 40, 2);
  EXPECT_NEAR(plain.width() - narrow.width(), 3 * 20, 2);
  // Right-aligned, the spacing after the last character counts too.
  const QRect rightPlain = TextInk(font, TextAlign::Right | TextAlign::Bottom, 1500, -400, "HHHH");
  const QRect rightWide = TextInk(font, TextAlign::Right | TextAlign::Bottom, 1500, -400, "HHHH", 40);
  EXPECT_NEAR(rightPlain.right() - rightWide.right(), 40, 2);
}

TEST(PainterCanvasText, CharacterSpacingAtLowResolution) {
  // At 72 dpi in device units: the spacing must not depend on the resolution.
  auto width = [](int extra) {
    QImage image(600, 100, QImage::Format_RGB32);
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      platform::PainterCanvas canvas(painter);
      canvas.SetBkMode(BkMode::Transparent);
      canvas.SetFont(Font("Courier New", 40));
      canvas.SetTextCharacterExtra(extra);
      canvas.TextOut(10, 10, "HHHH");
    }
    return Ink(image).width();
  };
  EXPECT_NEAR(width(10) - width(0), 30, 2);
}

TEST(PainterCanvasText, EscapementTurnsCounterClockwise) {
  FontSpec font = Font("Arial", 100);
  font.Escapement = 2700;  // reads downward
  const QRect down = TextInk(font, TextAlign::Left | TextAlign::Bottom, 500, -100, "Quorv V.3.x.");
  EXPECT_GT(down.height(), 3 * down.width());
  EXPECT_GE(down.top(), 100 - 2);
  EXPECT_GE(down.left(), 500 - 2);  // the glyphs' tops point right
  EXPECT_LE(down.left(), 500 + 30);
  font.Escapement = 900;  // reads upward
  const QRect up = TextInk(font, TextAlign::Left | TextAlign::Bottom, 500, -700, "Quorv V.3.x.");
  EXPECT_GT(up.height(), 3 * up.width());
  EXPECT_LE(up.bottom(), 700 + 2);
  EXPECT_LE(up.right(), 500 + 2);
}

TEST(PainterCanvasText, OpaqueBackgroundFillsTheCell) {
  auto redInk = [](bool opaque) {
    ImagePage page(1000, 400);
    page.canvas().SetBrush(BrushSpec{QColor(255, 0, 0), opaque ? BrushStyle::Solid : BrushStyle::Clear});
    page.canvas().SetFont(Font("Arial", 100));
    page.canvas().SetTextAlign(TextAlign::Left | TextAlign::Bottom);
    page.canvas().TextOut(100, -300, "Text");
    return Ink(page.finish(), [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 50; });
  };
  const QRect cell = redInk(true);
  EXPECT_NEAR(cell.bottom(), 300, 1);
  EXPECT_NEAR(cell.height(), 100, 2);
  EXPECT_TRUE(redInk(false).isNull());
}

// Texts the painter draws itself: the new font's capitals, and the underline
// below the baseline, spaced or not.
TEST(PainterCanvasText, TextsThePainterDrawsItselfTakeTheNewFont) {
  FontSpec underlined = Font("Arial", 300);
  underlined.Underline = true;
  const struct {
    FontSpec font;
    const char* text;
    int extra;
  } cases[] = {
      {underlined, "MMMM", 0}, {Font("Arial", 300), "MM\tMM", 0}, {underlined, "MMMM", 8}, {underlined, "MMMM", -8}};
  for (const auto& c : cases) {
    const QRect ink = TextInk(c.font, TextAlign::Left | TextAlign::Baseline, 100, -400, c.text, c.extra);
    EXPECT_LT(ink.top(), 400 - 150) << c.text;
    EXPECT_EQ(ink.bottom() > 400 + 5, c.font.Underline) << c.text;
  }
}

// ---- lines, rectangles, pictures, mapping -----------------------------------------

TEST(PainterCanvasShapes, LinesUsePenWidthInLogicalUnits) {
  ImagePage page(1000, 400);
  page.canvas().SetPen(PenSpec{QColor(0, 0, 0), 20, PenStyle::Solid});
  page.canvas().MoveTo(100, -200);
  page.canvas().LineTo(600, -200);
  EXPECT_EQ(page.canvas().state().PenPos, QPoint(600, -200));
  const QRect ink = Ink(page.finish());
  EXPECT_NEAR(ink.height(), 20, 2);
  EXPECT_NEAR(ink.center().y(), 200, 1);
  EXPECT_NEAR(ink.left(), 100 - 10, 2);  // round ends
}

TEST(PainterCanvasShapes, RectangleFillsWithBrushAndFillRectWithoutPen) {
  ImagePage page(1000, 800);
  page.canvas().SetPen(PenSpec{QColor(0, 0, 255), 4, PenStyle::Solid});
  page.canvas().SetBrush(BrushSpec{QColor(192, 192, 192), BrushStyle::Solid});
  page.canvas().Rectangle(100, -100, 400, -300);
  page.canvas().SetBrush(BrushSpec{QColor(0, 255, 0), BrushStyle::Solid});
  page.canvas().FillRect(500, -100, 700, -200);
  const QImage& image = page.finish();
  EXPECT_EQ(image.pixel(250, 200), qRgb(192, 192, 192));
  EXPECT_EQ(image.pixel(100, 200), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(600, 150), qRgb(0, 255, 0));
  const QRect blue = Ink(image, [](QRgb c) { return c == qRgb(0, 0, 255); });
  EXPECT_NEAR(blue.top(), 98, 1);
  EXPECT_NEAR(blue.bottom(), 302, 1);
  EXPECT_TRUE(Ink(image, [](QRgb c) { return c == qRgb(0, 255, 0); }) == QRect(500, 100, 200, 100));
}

TEST(PainterCanvasShapes, PictureStretchesUprightIntoTheRectangle) {
  QTemporaryDir dir;
  QImage source(2, 2, QImage::Format_RGB32);
  source.setPixel(0, 0, qRgb(255, 0, 0));
  source.setPixel(1, 0, qRgb(0, 255, 0));
  source.setPixel(0, 1, qRgb(0, 0, 255));
  source.setPixel(1, 1, qRgb(0, 0, 0));
  ASSERT_TRUE(source.save(dir.filePath("13F.BMP"), "BMP"));
  platform::Picture picture;
  ASSERT_TRUE(platform::LoadPicture(dir.filePath("13F.BMP"), picture));
  EXPECT_EQ(picture.FileName, dir.filePath("13F.BMP"));
  platform::Picture missing;
  EXPECT_FALSE(platform::LoadPicture(dir.filePath("13S.BMP"), missing));
  EXPECT_TRUE(missing.isNull());

  ImagePage page(600, 600);
  page.canvas().StretchDraw(100, -100, 300, -300, picture);
  page.canvas().StretchDraw(400, -100, 500, -200, missing);  // draws nothing
  const QImage& image = page.finish();
  EXPECT_EQ(image.pixel(150, 150), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(250, 150), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(150, 250), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(450, 150), qRgb(255, 255, 255));
}

TEST(PainterCanvasMapping, AnisotropicWindowOntoViewport) {
  QImage image(210, 297, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    platform::PainterCanvas canvas(painter);
    EXPECT_FALSE(canvas.SetWindowExt(2100, -2970));  // not in Text mode
    canvas.SetMapMode(MapMode::Anisotropic);
    EXPECT_TRUE(canvas.SetWindowExt(2100, -2970));
    EXPECT_TRUE(canvas.SetViewportExt(210, 297));
    EXPECT_DOUBLE_EQ(canvas.ScaleX(), 0.1);
    EXPECT_DOUBLE_EQ(canvas.ScaleY(), -0.1);
    canvas.SetPen(PenSpec{QColor(0, 0, 0), 0, PenStyle::Clear});
    canvas.SetBrush(BrushSpec{QColor(0, 0, 0), BrushStyle::Solid});
    canvas.Rectangle(100, -100, 1100, -600);
  }
  EXPECT_TRUE(Ink(image) == QRect(10, 10, 100, 50)) << Ink(image).x() << "," << Ink(image).y() << " "
                                                    << Ink(image).width() << "x" << Ink(image).height();
}

TEST(PainterCanvasMapping, LoMetricFollowsTheDeviceResolution) {
  QImage image(100, 100, QImage::Format_RGB32);
  image.setDotsPerMeterX(23622);  // 600 dpi
  image.setDotsPerMeterY(23622);
  QPainter painter(&image);
  platform::PainterCanvas canvas(painter);
  canvas.SetMapMode(MapMode::LoMetric);
  EXPECT_FALSE(canvas.SetWindowExt(1, 1));
  const QPointF p = canvas.LogicalToDevice(254, -508);
  EXPECT_NEAR(p.x(), 600, 1e-9);
  EXPECT_NEAR(p.y(), 1200, 1e-9);
}

// ---- printer and PDF ---------------------------------------------------------------

TEST(PainterCanvasPrinter, DeviceCapsFromThePageLayoutAndColourMode) {
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("caps.pdf"));
  printer.setResolution(600);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins(QMarginsF(5, 4, 5, 4), QPageLayout::Millimeter);
  printer.setColorMode(QPrinter::GrayScale);
  platform::DeviceCaps caps = platform::PrinterDeviceCaps(printer);
  EXPECT_EQ(caps.LogPixelsX, 600);
  EXPECT_EQ(caps.LogPixelsY, 600);
  // Qt keeps page sizes and margins in whole points.
  EXPECT_NEAR(caps.PhysicalWidth, 4961, 4);
  EXPECT_NEAR(caps.PhysicalHeight, 7016, 4);
  EXPECT_NEAR(caps.PhysicalOffsetX, 118, 2);  // 5 mm
  EXPECT_NEAR(caps.PhysicalOffsetY, 94, 3);   // 4 mm
  EXPECT_EQ(caps.HorzSize, 200);
  EXPECT_EQ(caps.VertSize, 289);
  EXPECT_EQ(caps.NumColors, 2);
  printer.setColorMode(QPrinter::Color);
  EXPECT_GT(platform::PrinterDeviceCaps(printer).NumColors, 2);
  printer.setFullPage(true);
  caps = platform::PrinterDeviceCaps(printer);
  EXPECT_EQ(caps.PhysicalOffsetX, 0);
  EXPECT_EQ(caps.HorzSize, 210);
}

TEST(PainterCanvasPrinter, PdfPageHoldsTheTexts) {
  const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  QTemporaryDir dir;
  const QString pdf = dir.filePath("seite.pdf");
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    ASSERT_TRUE(painter.begin(&printer));
    platform::PainterCanvas canvas(painter);
    canvas.SetMapMode(MapMode::LoMetric);
    EXPECT_EQ(canvas.GetDeviceCaps(DeviceCap::LogPixelsX), printer.resolution());
    canvas.SetBrush(BrushSpec{QColor(255, 255, 255), BrushStyle::Clear});
    canvas.SetTextAlign(TextAlign::Center | TextAlign::Bottom);
    canvas.SetFont(Font("Times New Roman", 70, 700));
    canvas.TextOut(1050, -300, QString::fromUtf8("Übergangs-Zeugnis"));
    canvas.SetTextAlign(TextAlign::Left | TextAlign::Bottom);
    canvas.SetFont(Font("Arial", 40));
    canvas.TextOut(200, -600, QString::fromUtf8("Vorname und Name: Jürgen Müller"));
    canvas.SetFont(Font("Courier New", 40));
    canvas.SetTextAlign(TextAlign::Right | TextAlign::Bottom);
    canvas.TextOut(1900, -800, "Klasse: 7a");
    canvas.SetTextCharacterExtra(-3);  // a squeezed name stays one text
    canvas.TextOut(1900, -900, QString::fromUtf8("Maximiliane-Charlotte Schäfer-Großmann"));
    canvas.SetTextCharacterExtra(0);
    printer.newPage();
    canvas.SetTextAlign(TextAlign::Left | TextAlign::Bottom);
    canvas.TextOut(200, -300, "Seite zwei");
    painter.end();
  }
  ASSERT_TRUE(QFile::exists(pdf));
  QProcess process;
  process.start(pdftotext, {"-enc", "UTF-8", pdf, "-"});
  ASSERT_TRUE(process.waitForFinished(30000));
  const QString text = QString::fromUtf8(process.readAllStandardOutput());
  EXPECT_TRUE(text.contains(QString::fromUtf8("Übergangs-Zeugnis"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::fromUtf8("Vorname und Name: Jürgen Müller"))) << text.toStdString();
  EXPECT_TRUE(text.contains("Klasse: 7a")) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::fromUtf8("Maximiliane-Charlotte Schäfer-Großmann"))) << text.toStdString();
  EXPECT_TRUE(text.contains("Seite zwei")) << text.toStdString();
  EXPECT_LT(text.indexOf(QString::fromUtf8("Übergangs")), text.indexOf("Seite zwei"));

  const QString pdffonts = QStandardPaths::findExecutable("pdffonts");
  if (pdffonts.isEmpty()) return;
  QProcess fonts;
  fonts.start(pdffonts, {pdf});
  ASSERT_TRUE(fonts.waitForFinished(30000));
  const QString list = QString::fromUtf8(fonts.readAllStandardOutput());
  for (const char* face : {"LiberationSerif-Bold", "LiberationSans", "LiberationMono"})
    EXPECT_TRUE(list.contains(face)) << list.toStdString();
}

// ---- recording canvas ---------------------------------------------------------------

TEST(RecordingCanvasTest, SpacingSurvivesFontChangesUntilSetBack) {
  platform::RecordingCanvas canvas;
  canvas.SetMapMode(MapMode::LoMetric);
  EXPECT_EQ(canvas.SetTextCharacterExtra(-4), 0);
  canvas.SetFont(Font("Courier New", 40));
  canvas.TextOut(100, -200, "Langer Name");
  canvas.SetFont(Font("Arial", 35, 700));
  canvas.TextOut(100, -300, "noch einer");
  EXPECT_EQ(canvas.SetTextCharacterExtra(0), -4);
  canvas.TextOut(100, -400, "normal");
  const auto texts = canvas.opsOf(CanvasOp::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].State.CharacterExtra, -4);
  EXPECT_EQ(texts[1].State.CharacterExtra, -4);
  EXPECT_EQ(texts[1].State.Font, Font("Arial", 35, 700));
  EXPECT_EQ(texts[2].State.CharacterExtra, 0);
}

TEST(RecordingCanvasTest, RecordsEveryOperationWithItsState) {
  platform::RecordingCanvas canvas;
  canvas.SetMapMode(MapMode::LoMetric);
  canvas.SetTextAlign(TextAlign::Right | TextAlign::Bottom);
  canvas.SetFont(Font("Times New Roman", 50));
  canvas.TextOut(1800, -2650, "Ort, Datum");
  canvas.TextOut(10, -10, "");  // nothing to write
  canvas.SetPen(PenSpec{QColor(0, 0, 0), 2, PenStyle::Solid});
  canvas.MoveTo(150, -150);
  canvas.LineTo(201, -150);
  canvas.SetBrush(BrushSpec{QColor(192, 192, 192), BrushStyle::Solid});
  canvas.Rectangle(0, 0, 1800, -2600);
  canvas.SetBrush(BrushSpec{QColor(255, 255, 255), BrushStyle::Clear});
  canvas.FillRect(0, 0, 10, -10);
  platform::Picture picture;
  picture.Image = QImage(4, 3, QImage::Format_RGB32);
  picture.FileName = "/p/13F.BMP";
  canvas.StretchDraw(100, -100, 500, -400, picture);

  const auto& ops = canvas.ops();
  ASSERT_EQ(ops.size(), 5u);
  const platform::RecordedOp* text = canvas.findText("Ort, Datum");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->P1, QPoint(1800, -2650));
  EXPECT_EQ(text->State.TextAlign, TextAlign::Right | TextAlign::Bottom);
  EXPECT_EQ(text->State.Font.FaceName, "Times New Roman");
  EXPECT_EQ(text->State.Mapping, MapMode::LoMetric);
  EXPECT_EQ(ops[1].Op, CanvasOp::Line);
  EXPECT_EQ(ops[1].P1, QPoint(150, -150));
  EXPECT_EQ(ops[1].P2, QPoint(201, -150));
  EXPECT_EQ(ops[1].State.Pen.Width, 2);
  EXPECT_EQ(ops[2].Op, CanvasOp::Rectangle);
  EXPECT_EQ(ops[2].State.Background, BkMode::Opaque);
  EXPECT_EQ(ops[2].State.BkColor, QColor(192, 192, 192));
  EXPECT_EQ(ops[3].Op, CanvasOp::FillRect);
  EXPECT_EQ(ops[3].State.Background, BkMode::Transparent);
  EXPECT_EQ(ops[4].Op, CanvasOp::Picture);
  EXPECT_EQ(ops[4].PictureFile, "/p/13F.BMP");
  EXPECT_EQ(ops[4].PictureSize, QSize(4, 3));
  EXPECT_EQ(ops[4].P2, QPoint(500, -400));
}

TEST(RecordingCanvasTest, BackgroundModeAndDeviceCaps) {
  platform::DeviceCaps caps;
  caps.LogPixelsX = 300;
  caps.LogPixelsY = 600;
  caps.PhysicalOffsetX = 71;
  caps.NumColors = 2;
  platform::RecordingCanvas canvas(caps);
  EXPECT_EQ(canvas.state().Background, BkMode::Opaque);
  EXPECT_EQ(canvas.SetBkMode(BkMode::Transparent), BkMode::Opaque);
  canvas.SetBrush(BrushSpec{QColor(255, 255, 255), BrushStyle::Solid});  // a solid brush makes it opaque again
  EXPECT_EQ(canvas.state().Background, BkMode::Opaque);
  EXPECT_EQ(canvas.GetDeviceCaps(DeviceCap::PhysicalOffsetX), 71);
  EXPECT_EQ(canvas.GetDeviceCaps(DeviceCap::NumColors), 2);
  canvas.SetMapMode(MapMode::LoMetric);
  EXPECT_DOUBLE_EQ(canvas.ScaleX(), 300.0 / 254);
  EXPECT_DOUBLE_EQ(canvas.ScaleY(), -600.0 / 254);
  // Anisotropic keeps the extents in force until they are set.
  canvas.SetMapMode(MapMode::Anisotropic);
  EXPECT_DOUBLE_EQ(canvas.ScaleX(), 300.0 / 254);
  EXPECT_FALSE(canvas.SetViewportExt(0, 10));
}
