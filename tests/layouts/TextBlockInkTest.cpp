// Where the lines of a text block put their ink, on a report page and the
// learning-development report drawn at printer resolutions, as PDF and in the
// preview, against the ends of the block: the inner margin and the form's
// width less that margin.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <tuple>

#include "layouts/CommittedFormFiles.h"
#include "layouts/DrawnPageGeometry.h"
#include "layouts/LayoutHelpers.h"
#include "layouts/LayoutTestSupport.h"
#include "layouts/PreviewGeometry.h"
#include "layouts/PreviewPage.h"
#include "layouts/PrintJob.h"
#include "layouts/ReceiptLayouts.h"
#include "platform/PainterCanvas.h"
#include "platform/RecordingCanvas.h"
#include "platform/TextMeasure.h"
#include "printengine/Primitives.h"
#include "records/TextWrap.h"

namespace {

using quorv::PrintOptions;
using quorv::TFormFieldTable;
using testsupport::DrawnText;

constexpr int kSheetWidth = 2100;
constexpr int kSheetHeight = 2970;

// The device a page is drawn on: a printer of Dpi dots per inch (a PDF
// document when Pdf, shown by pdftoppm at that resolution), or (Dpi 0) the
// preview in a window of Client pixels.
struct Device {
  int Dpi;
  QSize Client;
  bool Pdf = false;
};
const Device k300{300, {}};
const Device k600{600, {}};
const Device k1200{1200, {}};
const Device kPdf600{600, {}, true};
const Device kPdf1200{1200, {}, true};
const Device kMaximisedPreview{0, {1920, 1050}};
const Device kWindowPreview{0, {760, 560}};

// The resolution whose pixels set the text's size: the device's, the
// printer's in the preview.
int TextDpi(const Device& device) { return device.Dpi == 0 ? platform::DeviceCaps{}.LogPixelsY : device.Dpi; }

// A band of the sheet as a device drew it, in grey levels.
class SheetRaster {
 public:
  SheetRaster(QImage image, double pixelsPerUnitX, double pixelsPerUnitY, double top)
      : image_(std::move(image)), perX_(pixelsPerUnitX), perY_(pixelsPerUnitY), top_(top) {}

  // One device pixel across, in 0.1 mm.
  double pixel() const { return 1 / perX_; }
  // The left edge of the leftmost and the right edge of the rightmost inked
  // pixel, however light, between the heights top and bottom of the sheet
  // (0.1 mm); false when there is none.
  bool inkAcross(double top, double bottom, double& left, double& right) const {
    const int y1 = std::max(0, static_cast<int>(std::ceil((top - top_) * perY_)));
    const int y2 = std::min(image_.height() - 1, static_cast<int>(std::floor((bottom - top_) * perY_)));
    int first = image_.width();
    int last = -1;
    for (int y = y1; y <= y2; ++y) {
      const uchar* line = image_.constScanLine(y);
      for (int x = 0; x < image_.width(); ++x)
        if (line[x] < 255) {
          first = std::min(first, x);
          last = std::max(last, x);
        }
    }
    if (last < 0) return false;
    left = first / perX_;
    right = (last + 1) / perX_;
    return true;
  }

 private:
  QImage image_;
  double perX_;
  double perY_;
  double top_;
};

// The part of a PDF page from the heights top to bottom (0.1 mm), shown at
// the document's resolution.
QImage ShownPdf(const QString& file, int dpi, double top, double bottom) {
  const double perUnit = dpi / 254.0;
  const QString shown = file + QStringLiteral(".shown");
  QProcess p;
  p.start(QStringLiteral("pdftoppm"),
          {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-singlefile"),
           QStringLiteral("-y"), QString::number(std::lround(top * perUnit)), QStringLiteral("-H"),
           QString::number(std::lround((bottom - top) * perUnit)), QStringLiteral("-W"),
           QString::number(std::lround(kSheetWidth * perUnit)), file, shown});
  p.waitForFinished(60000);
  QImageReader reader(shown + QStringLiteral(".pgm"));
  reader.setAllocationLimit(0);  // a sheet's width at 1200 dpi is more than the default allows
  return reader.read().convertToFormat(QImage::Format_Grayscale8);
}

// What draw puts on the device, between the heights top and bottom of the
// sheet: a printer's page (or PDF document) in the 0.1 mm mapping, the
// preview's page control prepared as the preview prepares it.
SheetRaster Rasterise(const Device& device, double top, double bottom,
                      const std::function<void(platform::Canvas&)>& draw) {
  if (device.Dpi == 0) {
    const quorv::TPreviewLayout layout = quorv::LayoutPreviewPage(platform::DeviceCaps{}, device.Client);
    QImage image(layout.PageRect.size(), QImage::Format_Grayscale8);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setRenderHint(QPainter::TextAntialiasing);
      platform::PainterCanvas canvas(painter);
      quorv::PreparePreviewCanvas(canvas, layout);
      draw(canvas);
    }
    return SheetRaster(image, double(image.width()) / kSheetWidth, double(image.height()) / kSheetHeight, 0);
  }
  const double perUnit = device.Dpi / 254.0;
  if (device.Pdf) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    {
      QPdfWriter writer(file);
      writer.setPageSize(QPageSize(QPageSize::A4));
      writer.setPageMargins(QMarginsF(0, 0, 0, 0));
      writer.setResolution(device.Dpi);
      QPainter painter(&writer);
      platform::PainterCanvas canvas(painter);
      canvas.SetMapMode(platform::MapMode::LoMetric);
      draw(canvas);
    }
    const double shownTop = std::round(top * perUnit) / perUnit;  // on a whole pixel
    return SheetRaster(ShownPdf(file, device.Dpi, shownTop, bottom), perUnit, perUnit, shownTop);
  }
  QImage image(static_cast<int>(std::ceil(kSheetWidth * perUnit)),
               static_cast<int>(std::ceil((bottom - top) * perUnit)), QImage::Format_Grayscale8);
  const int dotsPerMetre = static_cast<int>(std::lround(device.Dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.translate(0, -top * perUnit);
    platform::PainterCanvas canvas(painter);
    canvas.SetMapMode(platform::MapMode::LoMetric);
    draw(canvas);
  }
  return SheetRaster(image, perUnit, perUnit, top);
}

// ---- texts near the end of a line ----------------------------------------------------

// Where a text printed from 0 in the font, with extra after every character,
// ends: the advance of its last character (the spacing after it left out)
// and its ink.
struct LineEnd {
  double Advance;
  double Ink;
  double reach() const { return std::max(Advance, Ink); }
};
LineEnd EndOf(const platform::FontSpec& font, int extra, const QString& text, int dpi) {
  const platform::TextExtent e = platform::MeasureText(font, text, dpi);
  const double spacing = extra * (text.size() - 1.0);
  return {e.Advance + spacing, e.InkRight + spacing};
}

// The words of the long test texts, in order.
const QStringList& ProseWords() {
  static const QStringList words = [] {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return (testsupport::FullDevelopmentText() + QLatin1Char(' ') + testsupport::FullRemarksText() +
            QLatin1Char(' ') + testsupport::DevelopmentTextInParagraphs())
        .split(blanks, Qt::SkipEmptyParts);
  }();
  return words;
}

// A block from Start to End (0.1 mm from the page origin) whose lines start
// (left-aligned) or end (right-aligned) at the X the search chooses.
struct BlockPlace {
  int Start;
  int End;
  bool RightAligned;
  // The X tried, 1 mm to 4 mm inside the block, and the room a line has there.
  int firstX() const { return RightAligned ? End - 40 : Start + 10; }
  double room(int x) const { return RightAligned ? x - Start : End - x; }
};

// Paragraphs of one line each, and the block's X. A paragraph is a run of the
// prose's words and one more word, with tail, that brings the line's reach
// close to its room, where accept takes it.
struct LinesAtTheEnd {
  int X = 0;
  QStringList Paragraphs;
};
using Accept = bool (*)(const LineEnd&, double room);
LinesAtTheEnd FindLines(const platform::FontSpec& font, int extra, int dpi, const BlockPlace& block, int count,
                        const QString& tail, Accept accept) {
  const QStringList& words = ProseWords();
  QStringList lastWords = words;
  lastWords.removeDuplicates();
  // A run of words and its blank, then the last word: the last word's ends
  // follow the run's advance.
  const double blank = EndOf(font, extra, QStringLiteral(" "), dpi).Advance + extra;
  std::vector<LineEnd> lastEnds;
  for (const QString& w : lastWords) lastEnds.push_back(EndOf(font, extra, w + tail, dpi));
  LinesAtTheEnd found;
  for (int x = block.firstX(); x < block.firstX() + 30 && found.Paragraphs.size() < count; ++x) {
    const double room = block.room(x);
    found = {x, {}};
    for (qsizetype first = 0; first < words.size() && found.Paragraphs.size() < count; first += 7) {
      // The run that leaves 6 mm for its last word.
      QString run;
      double runAdvance = 0;  // up to the blank after the run
      for (qsizetype w = first; w < words.size(); ++w) {
        const double advance = runAdvance + EndOf(font, extra, words[w], dpi).Advance + extra + blank;
        if (run.size() + words[w].size() > quorv::kLineCapacity - 20 || advance > room - 60) break;
        run += words[w] + QLatin1Char(' ');
        runAdvance = advance;
      }
      for (qsizetype i = 0; i < lastWords.size(); ++i) {
        const QString line = run + lastWords[i] + tail;
        const LineEnd& last = lastEnds[static_cast<std::size_t>(i)];
        const LineEnd end{runAdvance + last.Advance, runAdvance + last.Ink};
        if (line.size() <= quorv::kLineCapacity && accept(end, room) && !found.Paragraphs.contains(line)) {
          found.Paragraphs << line;
          break;
        }
      }
    }
  }
  return found;
}

// Paragraphs that fit their line by 0.05 to 0.2 mm.
LinesAtTheEnd CloseToTheEnd(const platform::FontSpec& font, int extra, int dpi, const BlockPlace& block,
                            int count) {
  return FindLines(font, extra, dpi, block, count, QString(),
                   [](const LineEnd& e, double room) { return e.reach() >= room - 2 && e.reach() <= room - 0.5; });
}

// Paragraphs ending in " auf" whose last advance ends inside the line while
// the ink of the f would pass the line's end by 0.15 mm or more.
LinesAtTheEnd OverhangingTheEnd(const platform::FontSpec& font, int extra, int dpi, const BlockPlace& block,
                                int count) {
  return FindLines(font, extra, dpi, block, count, QStringLiteral(" auf"),
                   [](const LineEnd& e, double room) { return e.Advance <= room - 0.5 && e.Ink >= room + 1.5; });
}

// ---- the pages ---------------------------------------------------------------------------

enum class TextKind {
  CloseToTheEnd,  // 13 paragraphs of one line each that fit by 0.05 to 0.2 mm
  Overhanging,    // 8 paragraphs whose last glyph's ink would pass the end
  Capitals,       // running capitals
};

// A report form whose first page holds the development text on ruled lines.
constexpr int kReportForm = 10;

struct BlockCase {
  Device On;
  int Font;
  TextKind Kind;
  int Extra = 0;  // character spacing of the block
  int Form = kReportForm;  // or the learning-development report
  int Align = quorv::kAlignLeft;
  int X = 0;  // the block's X for capitals
};

class TextBlockInk : public ::testing::TestWithParam<BlockCase> {
 protected:
  // Without strike-outs, ruled lines and the frame, the block's lines hold
  // the only ink across their heights.
  TextBlockInk() : printer_(platform::DeviceCaps{}) {
    PrintOptions.StrikeMode = quorv::StrikeNone;
    PrintOptions.NoRuledLines = 1;
    PrintOptions.PrintFrame = 0;
  }

  const quorv::TFormField& field(int n) const { return fields_[static_cast<std::size_t>(n)]; }
  int width() const { return field(quorv::ffFrameBottomRight).X - field(quorv::ffFrameTopLeft).X; }
  // The block on the sheet: from the inner margin to the form's width less the margin.
  double blockStart() const { return PrintOptions.LeftMargin + PrintOptions.InnerMargin; }
  double blockEnd() const { return PrintOptions.LeftMargin + width() - PrintOptions.InnerMargin; }

  // The case's text, and the form's file with the development text's block
  // set for it: its font, X and alignment, 25 lines of up to 130 characters.
  QString prepare(const BlockCase& c) {
    const bool learningReport = c.Form == quorv::kLearningReportJob;
    fields_ = learningReport ? formfiles::LearningReportFormTable() : ShippedTable(c.Form);
    quorv::TFormField& text = fields_[quorv::ffDevelopmentText];
    quorv::TFormField& params = fields_[quorv::ffDevelopmentParams];
    text.FontNumber = static_cast<std::uint16_t>(c.Font);
    text.Align = static_cast<std::uint16_t>(c.Align);
    params.X = quorv::kMaxTextLines;
    params.FontNumber = quorv::kLineCapacity;
    closeInk_.clear();
    QString all;
    if (c.Kind == TextKind::Capitals) {
      text.X = static_cast<std::uint16_t>(c.X);
      all = testsupport::ProseOfSize(testsupport::FullDevelopmentText().toUpper(), 900);
    } else {
      const platform::FontSpec font = quorv::FieldFont(platform::FontSpec{}, text);
      const bool close = c.Kind == TextKind::CloseToTheEnd;
      const bool right = c.Align == quorv::kAlignRight;
      const int dpi = TextDpi(c.On);
      const LinesAtTheEnd& lines = linesFor(font, c.Extra, dpi, close, right);
      text.X = static_cast<std::uint16_t>(lines.X);
      // Where the ink ends on the side where the line is close to the block's
      // end (an underline runs to the last advance).
      for (const QString& line : close ? lines.Paragraphs : QStringList()) {
        const platform::TextExtent e = platform::MeasureText(font, line, dpi);
        const LineEnd end = EndOf(font, c.Extra, line, dpi);
        const double x = PrintOptions.LeftMargin + lines.X;
        closeInk_.insert(line, right ? x - e.Advance + e.InkLeft : x + (font.Underline ? end.reach() : end.Ink));
      }
      all = lines.Paragraphs.join(QStringLiteral("\r\n"));
    }
    if (learningReport) {
      env_.writeFormFile(quorv::kLearningReportFormFile, quorv::kLearningReportFormTitle, fields_);
    } else {
      const quorv::FormFileChoice choice = quorv::LookupFormFile(c.Form, 0, 0, 1);
      env_.writeFormFile(choice.FileName, choice.Description, fields_);
    }
    pupil_ = testsupport::TestPupil();
    quorv::WideStringToBuffer(all, pupil_.DevelopmentText);
    return all;
  }

  static TFormFieldTable ShippedTable(int form) {
    for (const formfiles::ShippedFormFile& file : formfiles::ReportFormFiles())
      if (file.Form == form) return file.Fields;
    ADD_FAILURE() << "no shipped form " << form;
    return {};
  }

  // The paragraphs of a font and spacing in the block, found once for all devices.
  const LinesAtTheEnd& linesFor(const platform::FontSpec& font, int extra, int dpi, bool close, bool right) {
    static std::map<std::tuple<QString, int, bool, int, int, bool, int, bool>, LinesAtTheEnd> found;
    const BlockPlace block{PrintOptions.InnerMargin, width() - PrintOptions.InnerMargin, right};
    const auto key = std::make_tuple(font.FaceName, font.Height, font.Italic, extra, dpi, close, block.End, right);
    auto it = found.find(key);
    if (it == found.end()) {
      const int count = close ? 13 : 8;
      it = found
               .emplace(key, close ? CloseToTheEnd(font, extra, dpi, block, count)
                                   : OverhangingTheEnd(font, extra, dpi, block, count))
               .first;
      EXPECT_EQ(it->second.Paragraphs.size(), count) << "paragraphs found in " << font.FaceName.toStdString();
    }
    return it->second;
  }

  // Page 1 as the printer's or the preview's page routine draws it; a
  // spaced block alone, in the page's field and block.
  void draw(platform::Canvas& canvas, const BlockCase& c, bool preview) {
    if (c.Form == quorv::kLearningReportJob) {
      quorv::StartNewJob();
      quorv::LoadJobFormFile(quorv::kLearningReportFormFile, quorv::kLearningReportFormTitle);
    }
    if (c.Extra != 0) {
      const quorv::TOriginPoint origin{PrintOptions.LeftMargin, PrintOptions.TopMargin};
      canvas.SetTextCharacterExtra(c.Extra);
      quorv::PrintRecordText(canvas, pupil_, quorv::TRecordText::Development, field(quorv::ffDevelopmentText),
                             field(quorv::ffDevelopmentParams), 1, quorv::PageOrigins{origin, origin},
                             PrintOptions.InnerMargin, width() - PrintOptions.InnerMargin);
    } else if (c.Form == quorv::kLearningReportJob) {
      quorv::PrintLearningReports(canvas, pupil_);
    } else if (preview) {
      quorv::ClearReportJob();
      quorv::ReportJob.Pupil = pupil_;
      quorv::ReportJob.FormNumber = static_cast<std::uint16_t>(c.Form);
      quorv::ReportJob.CurrentPage = 1;
      quorv::ReportJob.OutputTarget = quorv::otPreview;
      quorv::LoadPreviewFormFile();
      quorv::RenderPreviewPage(canvas);
    } else {
      testsupport::DrawJobPage(canvas, c.Form, 1, pupil_);
    }
  }

  // The lines of the block: the texts drawn at its field.
  std::vector<DrawnText> blockLines(const BlockCase& c) {
    platform::DeviceCaps caps;
    caps.LogPixelsX = caps.LogPixelsY = TextDpi(c.On);
    platform::RecordingCanvas recording(caps);
    recording.SetMapMode(platform::MapMode::LoMetric);
    draw(recording, c, false);
    const quorv::TFormField& text = field(quorv::ffDevelopmentText);
    std::vector<DrawnText> lines;
    for (const DrawnText& t : testsupport::DrawnTexts(recording))
      if (t.Op.P1.x() == PrintOptions.LeftMargin + text.X && t.Op.P1.y() <= -(PrintOptions.TopMargin + text.Y))
        lines.push_back(t);
    return lines;
  }

  testsupport::LayoutEnvironment env_;
  testsupport::FixedPrinter printer_;
  TFormFieldTable fields_{};
  quorv::TPupilRecord pupil_;
  // The paragraphs that fit by 0.05 to 0.2 mm, with where on the sheet their
  // ink ends on the side of the block's end they are close to.
  QHash<QString, double> closeInk_;
};

// Lines keep their ink inside the block, to a device pixel, at every printer
// resolution, in PDF documents and in the preview, and the whole text prints;
// a paragraph that fits its line by 0.05 to 0.2 mm prints whole on the line,
// and its ink ends where its measure says, to a pixel. A last glyph's ink past
// its advance (italics) counts, and so does the spacing of a squeezed or
// widened block. The learning-development report's block runs from the inner
// margin to the form's width less the margin.
TEST_P(TextBlockInk, LinesEndAsMeasuredAndInsideTheBlock) {
  const BlockCase& c = GetParam();
  if (c.On.Pdf && QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
    GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  const QString text = prepare(c);
  const std::vector<DrawnText> lines = blockLines(c);
  ASSERT_FALSE(lines.empty());
  const SheetRaster raster = Rasterise(c.On, lines.front().Cell.Top - 10, lines.back().Cell.Bottom + 10,
                                       [&](platform::Canvas& canvas) { draw(canvas, c, c.On.Dpi == 0); });
  const double pixel = raster.pixel();
  QString printed;
  for (const DrawnText& line : lines) {
    SCOPED_TRACE(line.Text.toStdString());
    printed += line.Text + QLatin1Char(' ');
    double inkLeft = 0;
    double inkRight = 0;
    ASSERT_TRUE(raster.inkAcross(line.Cell.Top, line.Cell.Bottom, inkLeft, inkRight));
    EXPECT_LE(inkRight, blockEnd() + pixel);
    EXPECT_GE(inkLeft, blockStart() - pixel);
    if (closeInk_.contains(line.Text)) {
      EXPECT_NEAR(c.Align == quorv::kAlignRight ? inkLeft : inkRight, closeInk_.value(line.Text), pixel);
    }
  }
  EXPECT_EQ(printed.simplified(), text.simplified());
  for (const QString& paragraph : closeInk_.keys())
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const DrawnText& l) { return l.Text == paragraph; }))
        << "not one line: " << paragraph.toStdString();
}

using K = TextKind;
constexpr int kLearning = quorv::kLearningReportJob;
const BlockCase kBlockCases[] = {
    // Serif, sans and typewriter text fonts, and an underlined one that the
    // painter draws itself.
    {k300, 17, K::CloseToTheEnd},
    {k600, 17, K::CloseToTheEnd},
    {k1200, 17, K::CloseToTheEnd},
    {k300, 11, K::CloseToTheEnd},
    {k600, 11, K::CloseToTheEnd},
    {k1200, 11, K::CloseToTheEnd},
    {k300, 27, K::CloseToTheEnd},
    {k600, 27, K::CloseToTheEnd},
    {k1200, 27, K::CloseToTheEnd},
    {k300, 21, K::CloseToTheEnd},
    {k600, 21, K::CloseToTheEnd},
    {k1200, 21, K::CloseToTheEnd},
    {k300, 1, K::CloseToTheEnd},
    {k600, 1, K::CloseToTheEnd},
    {k1200, 1, K::CloseToTheEnd},
    {k300, 37, K::CloseToTheEnd},
    {k600, 37, K::CloseToTheEnd},
    {k1200, 37, K::CloseToTheEnd},
    {kPdf600, 17, K::CloseToTheEnd},
    {kPdf1200, 11, K::CloseToTheEnd},
    {kMaximisedPreview, 17, K::CloseToTheEnd},
    {kMaximisedPreview, 11, K::CloseToTheEnd},
    {kWindowPreview, 17, K::CloseToTheEnd},
    {kMaximisedPreview, 17, K::Capitals, 0, kReportForm, quorv::kAlignLeft, 110},
    // Italic f past its advance.
    {k300, 13, K::Overhanging},
    {k1200, 13, K::Overhanging},
    {k600, 23, K::Overhanging},
    // Squeezed and widened blocks.
    {k300, 11, K::CloseToTheEnd, -2},
    {k1200, 11, K::CloseToTheEnd, -2},
    {k600, 11, K::Capitals, 3, kReportForm, quorv::kAlignLeft, 110},
    // The learning-development report's block: left-aligned, centred and
    // right-aligned lines between the inner margins.
    {k600, 17, K::CloseToTheEnd, 0, kLearning},
    {k600, 17, K::CloseToTheEnd, 0, kLearning, quorv::kAlignRight},
    {k600, 17, K::Capitals, 0, kLearning, quorv::kAlignLeft, 110},
    {k600, 17, K::Capitals, 0, kLearning, quorv::kAlignCenter, 700},
    {k600, 17, K::Capitals, 0, kLearning, quorv::kAlignRight, 1200},
};

std::string CaseName(const BlockCase& c) {
  static const char* const kKinds[] = {"Close", "Overhanging", "Capitals"};
  static const char* const kAligns[] = {"Left", "Centred", "Right"};
  std::string name = c.On.Dpi == 0 ? "Preview" + std::to_string(c.On.Client.width()) + "x" +
                                        std::to_string(c.On.Client.height())
                   : (c.On.Pdf ? "Pdf" : "Dpi") + std::to_string(c.On.Dpi);
  name += "_Form" + std::to_string(c.Form) + "_Font" + std::to_string(c.Font) + "_" +
          kKinds[static_cast<int>(c.Kind)] + "_" + kAligns[c.Align];
  if (c.Extra != 0) name += (c.Extra < 0 ? "_Squeezed" : "_Widened") + std::to_string(std::abs(c.Extra));
  return name;
}

void PrintTo(const BlockCase& c, std::ostream* os) { *os << CaseName(c); }

INSTANTIATE_TEST_SUITE_P(Table, TextBlockInk, ::testing::ValuesIn(kBlockCases),
                         [](const ::testing::TestParamInfo<BlockCase>& info) { return CaseName(info.param); });

}  // namespace
