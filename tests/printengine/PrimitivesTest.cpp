#include "printengine/Primitives.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <string>

#include "platform/PainterCanvas.h"
#include "platform/RecordingCanvas.h"
#include "printengine/PrinterFonts.h"
#include "records/TextWrap.h"
#include "settings/DrkEinst.h"
#include "support/FixedPrinter.h"
#include "support/ScriptedMessages.h"

using platform::BrushStyle;
using platform::CanvasOp;
using platform::RecordedOp;
using platform::RecordingCanvas;
using quorv::PageOrigins;
using quorv::TFormField;
using testsupport::OffsetPrinter;
namespace TA = platform::TextAlign;

namespace {

class PrintOptionsGuard {
 public:
  PrintOptionsGuard() : saved_(quorv::PrintOptions) {}
  ~PrintOptionsGuard() { quorv::PrintOptions = saved_; }

 private:
  quorv::TPrintOptions saved_;
};

// The offsets of the offset printer in 0.1 mm.
constexpr int kOffX = 42;  // round(100 * 254 / 600) = round(42.33)
constexpr int kOffY = 32;  // round(75 * 254 / 600) = round(31.75)

// The page routines' origins: both pages at the print options' margins.
PageOrigins MarginOrigins() {
  const std::int32_t x = quorv::PrintOptions.LeftMargin;
  const std::int32_t y = quorv::PrintOptions.TopMargin;
  return PageOrigins{{{x, y}, {x, y}}};
}

TFormField Field(int x, int y, int align = 0, int font = 21, int page = 1, int active = 1) {
  return TFormField{static_cast<std::uint16_t>(x),    static_cast<std::uint16_t>(y),
                    static_cast<std::uint16_t>(align), static_cast<std::uint16_t>(font),
                    static_cast<std::uint16_t>(page),  static_cast<std::uint16_t>(active)};
}

class Primitives : public ::testing::Test {
 protected:
  Primitives() : printer_(OffsetPrinter()) {
    quorv::PrintOptions = quorv::DefaultPrintOptions();  // margins 150, no compensation
  }

  std::vector<RecordedOp> texts() const { return canvas_.opsOf(CanvasOp::Text); }

  PrintOptionsGuard options_;
  testsupport::FixedPrinter printer_;
  RecordingCanvas canvas_;
  const int ox_ = 150 - kOffX;
  const int oy_ = 150 - kOffY;
};

}  // namespace

// ---- page origins ---------------------------------------------------------------

TEST(PageOrigin, SubtractsThePhysicalOffsetInTenthsOfAMillimetreRoundedHalfToEven) {
  struct Case {
    int dpi;
    int offset;
    int tenths;
  } cases[] = {
      {600, 0, 0},   {600, 100, 42},  {600, 75, 32},  {600, 118, 50}, {300, 59, 50},
      {508, 1, 0},    // 0.5 rounds to 0
      {508, 3, 2},    // 1.5 rounds to 2
      {508, 5, 2},    // 2.5 rounds to 2
      {508, 7, 4},    // 3.5 rounds to 4
      {254, 17, 17},  {1200, 236, 50},
  };
  for (const Case& c : cases) {
    platform::DeviceCaps caps;
    caps.LogPixelsX = c.dpi;
    caps.LogPixelsY = c.dpi;
    caps.PhysicalOffsetX = c.offset;
    caps.PhysicalOffsetY = c.offset;
    std::int32_t x = -1;
    std::int32_t y = -1;
    quorv::PageOrigin(x, y, quorv::TOriginPoint{150, 200}, caps);
    EXPECT_EQ(x, 150 - c.tenths) << c.dpi << " dpi, offset " << c.offset;
    EXPECT_EQ(y, 200 - c.tenths) << c.dpi << " dpi, offset " << c.offset;
  }
}

TEST(PageOrigin, ReadsTheCurrentPrinterEachAxisOnItsOwn) {
  platform::DeviceCaps caps = OffsetPrinter();
  caps.LogPixelsY = 300;
  testsupport::FixedPrinter printer(caps);
  std::int32_t x = 0;
  std::int32_t y = 0;
  quorv::PageOrigin(x, y, quorv::TOriginPoint{150, 150});
  EXPECT_EQ(x, 150 - 42);
  EXPECT_EQ(y, 150 - 64);  // round(75 * 254 / 300) = round(63.5)
}

TEST(PageOrigin, DeviceWithoutResolutionHasNoOffset) {
  platform::DeviceCaps caps = OffsetPrinter();
  caps.LogPixelsX = 0;
  caps.LogPixelsY = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  quorv::PageOrigin(x, y, quorv::TOriginPoint{150, 120}, caps);
  EXPECT_EQ(x, 150);
  EXPECT_EQ(y, 120);
}

TEST(PageOrigin, OnlyPagesOneAndTwoHaveAnOrigin) {
  const PageOrigins origins{{{10, 20}, {30, 40}}};
  EXPECT_EQ(quorv::OriginOfPage(origins, 1)->x, 10);
  EXPECT_EQ(quorv::OriginOfPage(origins, 2)->y, 40);
  for (int page : {0, 3, -1, 65535}) EXPECT_EQ(quorv::OriginOfPage(origins, page), nullptr) << page;
}

TEST_F(Primitives, FieldLandsAtTheMarginsLessThePrinterOffset) {
  quorv::PrintOptions.LeftMargin = 200;
  quorv::PrintOptions.TopMargin = 120;
  quorv::PrintField(canvas_, "Mitte", Field(1800, 2600), 1, MarginOrigins());
  quorv::PrintField(canvas_, "Ecke", Field(1, 1), 1, MarginOrigins());
  ASSERT_EQ(texts().size(), 2u);
  EXPECT_EQ(texts()[0].P1, QPoint(200 - kOffX + 1800, -(120 - kOffY + 2600)));
  EXPECT_EQ(texts()[1].P1, QPoint(200 - kOffX + 1, -(120 - kOffY + 1)));
}

TEST_F(Primitives, EachPageUsesItsOwnOrigin) {
  const PageOrigins origins{{{150, 150}, {300, 250}}};
  quorv::PrintField(canvas_, "eins", Field(100, 200, 0, 21, 1), 1, origins);
  quorv::PrintField(canvas_, "zwei", Field(100, 200, 0, 21, 2), 2, origins);
  ASSERT_EQ(texts().size(), 2u);
  EXPECT_EQ(texts()[0].P1, QPoint(150 - kOffX + 100, -(150 - kOffY + 200)));
  EXPECT_EQ(texts()[1].P1, QPoint(300 - kOffX + 100, -(250 - kOffY + 200)));
}

// ---- alignment and fields -------------------------------------------------------------

TEST(FieldAlign, CodesGiveBottomAnchoredAlignments) {
  const struct {
    int code;
    unsigned flags;
  } cases[] = {{0, TA::Left | TA::Bottom},   {1, TA::Center | TA::Bottom}, {2, TA::Right | TA::Bottom},
               {3, TA::Left | TA::Bottom},   {7, TA::Left | TA::Bottom},   {65535, TA::Left | TA::Bottom},
               {-1, TA::Left | TA::Bottom}};
  for (const auto& c : cases) {
    EXPECT_EQ(quorv::FieldTextAlign(c.code), c.flags) << c.code;
    RecordingCanvas canvas;
    quorv::SetFieldAlign(canvas, c.code);
    EXPECT_EQ(canvas.state().TextAlign, c.flags) << c.code;
  }
}

TEST_F(Primitives, FieldTextIsWrittenInItsAlignmentAndFont) {
  for (int align : {0, 1, 2, 5}) quorv::PrintField(canvas_, "Text", Field(900, 300, align, 20), 1, MarginOrigins());
  const unsigned expected[] = {TA::Left | TA::Bottom, TA::Center | TA::Bottom, TA::Right | TA::Bottom,
                               TA::Left | TA::Bottom};
  ASSERT_EQ(texts().size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(texts()[i].P1, QPoint(ox_ + 900, -(oy_ + 300)));
    EXPECT_EQ(texts()[i].State.TextAlign, expected[i]) << i;
    EXPECT_EQ(texts()[i].State.Font.FaceName, "Times New Roman");
    EXPECT_EQ(texts()[i].State.Font.Height, 70);
    EXPECT_EQ(texts()[i].State.Font.Weight, 700);
  }
}

TEST_F(Primitives, FieldPrintsOnlyWhenActiveOnThePageDrawn) {
  const struct {
    TFormField field;
    int page;
    bool printed;
  } cases[] = {
      {Field(100, 100, 0, 21, 1, 1), 1, true},  {Field(100, 100, 0, 21, 2, 1), 2, true},
      {Field(100, 100, 0, 21, 2, 1), 1, false}, {Field(100, 100, 0, 21, 1, 0), 1, false},
      {Field(100, 100, 0, 21, 1, 2), 1, false}, {Field(100, 100, 0, 21, 3, 1), 1, false},
      {Field(100, 100, 0, 21, 3, 1), 3, false},  // no origin for a third page
      {Field(100, 100, 0, 21, 0, 1), 0, false},
  };
  for (const auto& c : cases) {
    canvas_.clear();
    quorv::PrintField(canvas_, "x", c.field, c.page, MarginOrigins());
    EXPECT_EQ(texts().size(), c.printed ? 1u : 0u) << "page " << c.field.Page << " active " << c.field.Active
                                                    << " drawn " << c.page;
  }
}

TEST_F(Primitives, FieldNotPrintedStillSelectsItsFont) {
  quorv::PrintField(canvas_, "nichts", Field(100, 100, 0, 37, 1, 0), 1, MarginOrigins());
  EXPECT_TRUE(canvas_.ops().empty());
  EXPECT_EQ(canvas_.font().FaceName, "Courier New");
  EXPECT_EQ(canvas_.font().Height, 35);
  EXPECT_TRUE(canvas_.font().Underline);
  quorv::PrintField(canvas_, "nichts", Field(100, 100, 0, 9, 1, 1), 3, MarginOrigins());
  EXPECT_EQ(canvas_.font().Height, 70);
}

TEST_F(Primitives, FieldFontFollowsTheCompensationOption) {
  quorv::PrintOptions.FontHeightCompensation = 1;
  quorv::PrintField(canvas_, "a", Field(100, 100, 0, 29), 1, MarginOrigins());
  quorv::PrintOptions.FontHeightCompensation = 0;
  quorv::PrintField(canvas_, "b", Field(100, 100, 0, 29), 1, MarginOrigins());
  ASSERT_EQ(texts().size(), 2u);
  EXPECT_EQ(texts()[0].State.Font.Height, 64);
  EXPECT_EQ(texts()[1].State.Font.Height, 70);
}

TEST(FieldIsPrintable, ActiveOnPageOneStrictlyInsideTheSheet) {
  const struct {
    TFormField field;
    bool printable;
  } cases[] = {
      {Field(850, 130), true},           {Field(1, 1), true},
      {Field(2099, 2969), true},         {Field(0, 130), false},
      {Field(2100, 130), false},         {Field(850, 0), false},
      {Field(850, 2970), false},         {Field(65535, 130), false},
      {Field(850, 130, 0, 21, 2), false}, {Field(850, 130, 0, 21, 3), false},
      {Field(850, 130, 0, 21, 1, 0), false}, {Field(850, 130, 0, 21, 1, 2), false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(quorv::FieldIsPrintable(c.field), c.printable)
        << c.field.X << "," << c.field.Y << " page " << c.field.Page << " active " << c.field.Active;
}

// ---- character spacing and squeezing ------------------------------------------------------------

TEST_F(Primitives, CharacterSpacingSurvivesFontChangesUntilSetBack) {
  canvas_.SetTextCharacterExtra(-4);
  quorv::PrintField(canvas_, "eins", Field(100, 100, 0, 10), 1, MarginOrigins());
  quorv::PrintField(canvas_, "zwei", Field(100, 200, 2, 21), 1, MarginOrigins());
  quorv::PrintFieldRotated(canvas_, "drei", Field(100, 300, 0, 13), 270, 1, MarginOrigins());
  quorv::PrintField(canvas_, "vier", Field(100, 400, 0, 45), 1, MarginOrigins());
  canvas_.SetTextCharacterExtra(0);
  quorv::PrintField(canvas_, "fünf", Field(100, 500, 0, 45), 1, MarginOrigins());
  ASSERT_EQ(texts().size(), 5u);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(texts()[i].State.CharacterExtra, -4) << i;
  EXPECT_EQ(texts()[4].State.CharacterExtra, 0);
  EXPECT_NE(texts()[0].State.Font.FaceName, texts()[1].State.Font.FaceName);
}

// A long grade text is squeezed: spacing -4 above 13 characters and the next
// smaller font above 16; the spacing goes back to 0 after the text.
TEST_F(Primitives, LongTextIsSqueezedBySpacingAndTheNextSmallerFont) {
  const TFormField grade = Field(1200, 800, 1, 22);
  const QString texts[] = {QStringLiteral("gut"), QStringLiteral("befriedigend!!"),
                           QStringLiteral("nicht teilgenommen")};
  for (const QString& text : texts) {
    TFormField field = grade;
    if (text.size() > 16) field.FontNumber = static_cast<std::uint16_t>(quorv::SmallerFont(field.FontNumber));
    if (text.size() > 13) canvas_.SetTextCharacterExtra(-4);
    quorv::PrintField(canvas_, text, field, 1, MarginOrigins());
    canvas_.SetTextCharacterExtra(0);
  }
  const auto drawn = this->texts();
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0].State.CharacterExtra, 0);
  EXPECT_EQ(drawn[0].State.Font.Height, 40);
  EXPECT_EQ(drawn[1].State.CharacterExtra, -4);
  EXPECT_EQ(drawn[1].State.Font.Height, 40);
  EXPECT_EQ(drawn[2].State.CharacterExtra, -4);
  EXPECT_EQ(drawn[2].State.Font.Height, 35);  // font 28: Arial 3.5 mm bold
  EXPECT_EQ(drawn[2].State.Font.Weight, 700);
  EXPECT_EQ(drawn[2].Text, "nicht teilgenommen");  // squeezed, never cut
  EXPECT_EQ(canvas_.state().CharacterExtra, 0);
}

// ---- lines, corners and frames ------------------------------------------------------------------

TEST(DrawLine, HorizontalLineIncludesItsEndPointWithPenWidthByStyle) {
  const struct {
    int style;
    int width;
  } cases[] = {{0, 1}, {1, 1}, {2, 2}, {3, 3}, {4, 1}, {12, 1}, {65535, 1}, {-2, 1}};
  for (const auto& c : cases) {
    RecordingCanvas canvas;
    quorv::DrawLine(canvas, 100, 1700, 500, 108, 118, c.style);
    const auto lines = canvas.opsOf(CanvasOp::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].P1, QPoint(208, -618)) << c.style;
    EXPECT_EQ(lines[0].P2, QPoint(1809, -618)) << c.style;
    EXPECT_EQ(lines[0].State.Pen.Width, c.width) << c.style;
    EXPECT_EQ(canvas.pen().Width, c.width) << "the pen stays as set";
  }
}

TEST(DrawLine, SinglePointIsOneUnitLong) {
  RecordingCanvas canvas;
  quorv::DrawLine(canvas, 300, 300, 0, 0, 0, 2);
  const auto lines = canvas.opsOf(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].P2.x() - lines[0].P1.x(), 1);
  EXPECT_EQ(lines[0].P1.y(), 0);
}

TEST_F(Primitives, CorrectionCornerIsAnLAtTheCorrectedOriginInTheCurrentPen) {
  canvas_.SetPen(platform::PenSpec{QColor(0, 0, 0), 3, platform::PenStyle::Solid});
  const PageOrigins origins{{{150, 150}, {250, 350}}};
  quorv::DrawOriginCorner(canvas_, 1, origins);
  quorv::DrawOriginCornerAt(canvas_, 1, origins, 100);
  quorv::DrawOriginCorner(canvas_, 2, origins);
  const auto lines = canvas_.opsOf(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 6u);
  const QPoint o1(ox_, -oy_);
  const QPoint o1shifted(ox_ + 100, -oy_);
  const QPoint o2(250 - kOffX, -(350 - kOffY));
  const std::pair<QPoint, QPoint> expected[] = {
      {o1, o1 + QPoint(50, 0)},        {o1, o1 + QPoint(0, -50)},
      {o1shifted, o1shifted + QPoint(50, 0)}, {o1shifted, o1shifted + QPoint(0, -50)},
      {o2, o2 + QPoint(50, 0)},        {o2, o2 + QPoint(0, -50)},
  };
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(lines[i].P1, expected[i].first) << i;
    EXPECT_EQ(lines[i].P2, expected[i].second) << i;
    EXPECT_EQ(lines[i].State.Pen.Width, 3) << i;
  }
}

TEST_F(Primitives, CorrectionCornerOfAPageWithoutOriginDrawsNothing) {
  quorv::DrawOriginCorner(canvas_, 3, MarginOrigins());
  quorv::DrawOriginCornerAt(canvas_, 0, MarginOrigins(), 100);
  EXPECT_TRUE(canvas_.ops().empty());
}

namespace {

struct FrameRow {
  int code;
  int width;
  bool grey;
  bool second;
};
// Every style code up to 30 and some beyond.
std::vector<FrameRow> FrameRows() {
  std::vector<FrameRow> rows;
  auto add = [&rows](std::initializer_list<int> codes, int width, bool grey, bool second) {
    for (int code : codes) rows.push_back({code, width, grey, second});
  };
  add({0}, 0, false, false);
  add({1, 4, 5, 6, 7, 8, 9}, 1, false, false);
  add({2}, 2, false, false);
  add({3}, 3, false, false);
  add({10}, 0, false, false);
  add({11, 14, 15, 16, 17, 18, 19}, 1, false, true);
  add({12}, 2, false, true);
  add({13}, 3, false, true);
  add({20}, 0, true, false);
  add({21, 24, 25, 26, 27, 28, 29, 30, 99, 65535}, 1, true, false);
  add({22}, 2, true, false);
  add({23}, 3, true, false);
  return rows;
}

}  // namespace

TEST(DrawFrame, EveryStyleCodeGivesItsPenFillAndSecondFrame) {
  const std::vector<FrameRow> rows = FrameRows();
  for (int code = 0; code <= 30; ++code)
    ASSERT_EQ(std::count_if(rows.begin(), rows.end(), [code](const FrameRow& r) { return r.code == code; }), 1)
        << code;
  for (const FrameRow& row : rows) {
    const quorv::TFrameStyle style = quorv::FrameStyle(row.code);
    EXPECT_EQ(style.PenWidth, row.width) << row.code;
    EXPECT_EQ(style.GreyFill, row.grey) << row.code;
    EXPECT_EQ(style.SecondFrame, row.second) << row.code;

    RecordingCanvas canvas;
    canvas.SetBrush(platform::BrushSpec{QColor(10, 20, 30), BrushStyle::Solid});
    quorv::DrawFrame(canvas, 0, 0, 1800, 2600, 108, 118, row.code);
    const auto rects = canvas.opsOf(CanvasOp::Rectangle);
    ASSERT_EQ(rects.size(), row.second ? 2u : 1u) << row.code;
    EXPECT_EQ(rects[0].P1, QPoint(108, -118)) << row.code;
    EXPECT_EQ(rects[0].P2, QPoint(1908, -2718)) << row.code;
    if (row.second) {
      EXPECT_EQ(rects[1].P1, QPoint(118, -128)) << row.code;
      EXPECT_EQ(rects[1].P2, QPoint(1898, -2708)) << row.code;
    }
    for (const RecordedOp& r : rects) {
      EXPECT_EQ(r.State.Pen.Width, row.width) << row.code;
      if (row.grey) {
        EXPECT_EQ(r.State.Brush.Style, BrushStyle::Solid) << row.code;
        EXPECT_EQ(r.State.Brush.Color, QColor(192, 192, 192)) << row.code;
      } else {
        EXPECT_EQ(r.State.Brush.Style, BrushStyle::Clear) << row.code;
      }
    }
    EXPECT_EQ(canvas.brush().Style, BrushStyle::Clear) << row.code;
    EXPECT_EQ(canvas.brush().Color, QColor(255, 255, 255)) << row.code;
    EXPECT_EQ(canvas.pen().Width, row.width) << row.code;
  }
}

// ---- text blocks -------------------------------------------------------------------------

namespace {

quorv::TTextLines NumberedLines(int count) {
  quorv::TTextLines lines{};
  for (int i = 0; i < count && i < quorv::kMaxTextLines; ++i)
    lines[static_cast<std::size_t>(i)].set("Zeile " + std::to_string(i + 1));
  return lines;
}

}  // namespace

TEST_F(Primitives, TextBlockWritesCountLinesSpacingApart) {
  const TFormField at = Field(200, 1500, 0, 21);
  const quorv::TTextLines lines = NumberedLines(25);
  for (int count : {1, 5, 25}) {
    canvas_.clear();
    quorv::PrintTextBlock(canvas_, count, 45, lines, at, 1, MarginOrigins());
    const auto drawn = texts();
    ASSERT_EQ(static_cast<int>(drawn.size()), count);
    for (int i = 0; i < count; ++i) {
      const RecordedOp& op = drawn[static_cast<std::size_t>(i)];
      EXPECT_EQ(op.Text, QString("Zeile %1").arg(i + 1));
      EXPECT_EQ(op.P1, QPoint(ox_ + 200, -(oy_ + 1500) - i * 45)) << count << " lines, line " << i;
      EXPECT_EQ(op.State.TextAlign, TA::Left | TA::Bottom);
      EXPECT_EQ(op.State.Font.FaceName, "Arial");
    }
  }
}

TEST_F(Primitives, TextBlockCountIsBoundedToTheLinesThereAre) {
  const TFormField at = Field(200, 1500, 2, 21);
  const quorv::TTextLines lines = NumberedLines(25);
  const struct {
    int count;
    std::size_t drawn;
  } cases[] = {{0, 0}, {-1, 0}, {-30000, 0}, {26, 25}, {300, 25}, {65535, 25}};
  for (const auto& c : cases) {
    canvas_.clear();
    quorv::PrintTextBlock(canvas_, c.count, 40, lines, at, 1, MarginOrigins());
    EXPECT_EQ(texts().size(), c.drawn) << c.count;
  }
  // The parameter field of a form file, whatever its X, reads no more than 25 lines.
  for (std::uint16_t x : {0, 1, 25, 26, 1000, 65535}) {
    canvas_.clear();
    quorv::PrintTextBlock(canvas_, lines, at, TFormField{x, 40, 0, 80, 0, 0}, 1, MarginOrigins());
    EXPECT_EQ(static_cast<int>(texts().size()), std::min<int>(x, 25)) << x;
  }
}

TEST_F(Primitives, TextBlockTakesCountAndSpacingFromTheParameterField) {
  const TFormField at = Field(300, 1000, 0, 1);
  quorv::PrintTextBlock(canvas_, NumberedLines(25), at, TFormField{3, 60, 9, 80, 7, 0}, 1, MarginOrigins());
  const auto drawn = texts();
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[2].P1, QPoint(ox_ + 300, -(oy_ + 1000) - 120));
  EXPECT_EQ(drawn[2].State.Font.FaceName, "Courier New");
}

TEST_F(Primitives, TextBlockOfTwentyFiveWrappedLinesPrintsTheWholeText) {
  std::string text;
  for (int i = 1; i <= 25; ++i) text += "Satz " + std::to_string(i) + " der Beurteilung\r\n";
  quorv::TTextLines lines{};
  quorv::WrapAndStrike(text, 25, lines, 80, quorv::StrikeFirstUnused, "-");
  quorv::PrintTextBlock(canvas_, lines, Field(150, 900, 0, 21), TFormField{25, 42, 0, 80, 1, 1}, 1,
                        MarginOrigins());
  const auto drawn = texts();
  ASSERT_EQ(drawn.size(), 25u);
  EXPECT_EQ(drawn.front().Text, "Satz 1 der Beurteilung");
  EXPECT_EQ(drawn.back().Text, "Satz 25 der Beurteilung");
  EXPECT_EQ(drawn.back().P1.y(), -(oy_ + 900) - 24 * 42);
}

TEST_F(Primitives, TextBlockOnlyOnItsPageOneOrTwo) {
  const quorv::TTextLines lines = NumberedLines(5);
  quorv::PrintTextBlock(canvas_, 5, 40, lines, Field(100, 100, 0, 21, 2), 1, MarginOrigins());
  quorv::PrintTextBlock(canvas_, 5, 40, lines, Field(100, 100, 0, 21, 1, 0), 1, MarginOrigins());
  quorv::PrintTextBlock(canvas_, 5, 40, lines, Field(100, 100, 0, 21, 3), 3, MarginOrigins());
  EXPECT_TRUE(canvas_.ops().empty());
  quorv::PrintTextBlock(canvas_, 5, 40, lines, Field(100, 100, 0, 21, 2), 2, MarginOrigins());
  EXPECT_EQ(texts().size(), 5u);
}

TEST_F(Primitives, TextBlockDecodesItsWindows1252Lines) {
  quorv::TTextLines lines{};
  lines[0].set("Gr\xF6\xDF" "e und \xC4rger");
  quorv::PrintTextBlock(canvas_, 1, 40, lines, Field(100, 100), 1, MarginOrigins());
  ASSERT_EQ(texts().size(), 1u);
  EXPECT_EQ(texts()[0].Text, QString::fromUtf8("Größe und Ärger"));
}

// ---- rotated text -------------------------------------------------------------------------

TEST_F(Primitives, RotatedFieldIsWrittenDownwardInTheFieldFaceAndSmallHeight) {
  const TFormField imprint = Field(1800, 2650, 2, 30);  // Arial 7 mm bold
  quorv::PrintFieldRotated(canvas_, "Quorv V.3.x. / Schule", imprint, 270, 1, MarginOrigins());
  const auto drawn = texts();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].P1, QPoint(ox_ + 1800, -(oy_ + 2650)));
  const platform::FontSpec& font = drawn[0].State.Font;
  EXPECT_EQ(font.FaceName, "Arial");
  EXPECT_EQ(font.Height, -16);
  EXPECT_EQ(font.Escapement, 2700);
  EXPECT_EQ(font.Weight, 400);
  EXPECT_FALSE(font.Italic);
  EXPECT_FALSE(font.Underline);
  EXPECT_EQ(drawn[0].State.TextAlign, TA::Right | TA::Bottom);
  // The field font is selected again afterwards.
  EXPECT_EQ(canvas_.font().Height, 70);
  EXPECT_EQ(canvas_.font().Weight, 700);
  EXPECT_EQ(canvas_.font().Escapement, 0);
}

TEST_F(Primitives, RotatedFieldOnlyWhenActiveOnItsPage) {
  quorv::PrintFieldRotated(canvas_, "a", Field(100, 100, 0, 21, 1, 0), 270, 1, MarginOrigins());
  quorv::PrintFieldRotated(canvas_, "b", Field(100, 100, 0, 21, 2), 270, 1, MarginOrigins());
  quorv::PrintFieldRotated(canvas_, "c", Field(100, 100, 0, 21, 3), 270, 3, MarginOrigins());
  EXPECT_TRUE(canvas_.ops().empty());
  quorv::PrintFieldRotated(canvas_, "d", Field(100, 100, 0, 21, 2), 90, 2, MarginOrigins());
  ASSERT_EQ(texts().size(), 1u);
  EXPECT_EQ(texts()[0].State.Font.Escapement, 900);
}

TEST(TextOutRotated, UsesTheCanvasFaceAndRestoresItsFont) {
  RecordingCanvas canvas;
  const platform::FontSpec field{QStringLiteral("Times New Roman"), 40, 700, true, true, 0};
  canvas.SetFont(field);
  quorv::TextOutRotated(canvas, 500, -600, 45, 30, "schief");
  const auto drawn = canvas.opsOf(CanvasOp::Text);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].P1, QPoint(500, -600));
  const platform::FontSpec expected{QStringLiteral("Times New Roman"), -30, 400, false, false, 450};
  EXPECT_EQ(drawn[0].State.Font, expected);
  EXPECT_EQ(canvas.font(), field);
}

TEST(TextOutRotated, EmptyTextDrawsNothingAndLeavesTheFont) {
  RecordingCanvas canvas;
  const platform::FontSpec field{QStringLiteral("Arial"), 45, 400, false, false, 0};
  canvas.SetFont(field);
  quorv::TextOutRotated(canvas, 0, 0, 270, 16, QString());
  EXPECT_TRUE(canvas.ops().empty());
  EXPECT_EQ(canvas.font(), field);
}

// ---- pictures ---------------------------------------------------------------------------

namespace {

QString WriteBitmap(const QTemporaryDir& dir, const QString& name, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(200, 30, 40));
  const QString path = dir.filePath(name);
  EXPECT_TRUE(image.save(path, "BMP"));
  return path;
}

}  // namespace

TEST_F(Primitives, PictureIsStretchedIntoTheRectangleBelowTheField) {
  QTemporaryDir dir;
  const QString file = WriteBitmap(dir, "13F.BMP", QSize(40, 50));
  EXPECT_TRUE(quorv::PrintPicture(canvas_, file, Field(1500, 100), TFormField{300, 400, 0, 0, 0, 0}, 1,
                                  MarginOrigins()));
  const auto pictures = canvas_.opsOf(CanvasOp::Picture);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].P1, QPoint(ox_ + 1500, -(oy_ + 100)));
  EXPECT_EQ(pictures[0].P2, QPoint(ox_ + 1800, -(oy_ + 100) - 400));
  EXPECT_EQ(pictures[0].PictureFile, file);
  EXPECT_EQ(pictures[0].PictureSize, QSize(40, 50));
}

TEST_F(Primitives, PictureOnlyWhenActiveOnThePage) {
  QTemporaryDir dir;
  const QString file = WriteBitmap(dir, "13S.BMP", QSize(8, 8));
  const TFormField size{300, 400, 0, 0, 0, 0};
  EXPECT_TRUE(quorv::PrintPicture(canvas_, file, Field(100, 100, 0, 0, 1, 0), size, 1, MarginOrigins()));
  EXPECT_TRUE(quorv::PrintPicture(canvas_, file, Field(100, 100, 0, 0, 2), size, 1, MarginOrigins()));
  EXPECT_TRUE(quorv::PrintPicture(canvas_, file, Field(100, 100, 0, 0, 3), size, 3, MarginOrigins()));
  EXPECT_TRUE(canvas_.ops().empty());
  EXPECT_TRUE(quorv::PrintPicture(canvas_, file, Field(100, 100, 0, 0, 2), size, 2, MarginOrigins()));
  EXPECT_EQ(canvas_.opsOf(CanvasOp::Picture).size(), 1u);
}

TEST_F(Primitives, MissingPictureFileDrawsAndReportsNothing) {
  QTemporaryDir dir;
  testsupport::ScriptedMessages msgs;  // no message expected
  EXPECT_TRUE(quorv::PrintPicture(canvas_, dir.filePath("13F.BMP"), Field(100, 100), TFormField{300, 400, 0, 0, 0, 0},
                                  1, MarginOrigins()));
  EXPECT_TRUE(quorv::PrintPicture(canvas_, QString(), Field(100, 100), TFormField{300, 400, 0, 0, 0, 0}, 1,
                                  MarginOrigins()));
  EXPECT_TRUE(canvas_.ops().empty());
}

TEST_F(Primitives, UnreadablePictureFileDrawsNothingAndSaysSo) {
  QTemporaryDir dir;
  const QString file = dir.filePath("13F.BMP");
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("BM kein Bild");
  }
  testsupport::ScriptedMessages msgs;  // no message from inside a paint
  EXPECT_FALSE(quorv::PrintPicture(canvas_, file, Field(100, 100), TFormField{300, 400, 0, 0, 0, 0}, 1,
                                   MarginOrigins()));
  EXPECT_TRUE(canvas_.ops().empty());
}

// ---- on a real page ---------------------------------------------------------------------

TEST(PrimitivesOnPdf, FieldsBlockAndImprintReachThePdf) {
  const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  PrintOptionsGuard options;
  quorv::PrintOptions = quorv::DefaultPrintOptions();
  testsupport::FixedPrinter printer(platform::DeviceCaps{});
  QTemporaryDir dir;
  const QString pdf = dir.filePath("zeugnis.pdf");
  {
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(pdf);
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setFullPage(true);
    QPainter painter;
    ASSERT_TRUE(painter.begin(&device));
    platform::PainterCanvas canvas(painter);
    canvas.SetMapMode(platform::MapMode::LoMetric);
    const PageOrigins origins{{{150, 150}, {150, 150}}};
    std::int32_t ox = 0;
    std::int32_t oy = 0;
    quorv::PageOrigin(ox, oy, origins[0]);
    quorv::DrawFrame(canvas, 0, 0, 1800, 2600, ox, oy, 12);
    quorv::PrintField(canvas, QString::fromUtf8("Übergangszeugnis"), Field(900, 300, 1, 20), 1, origins);
    quorv::TTextLines lines = NumberedLines(25);
    quorv::PrintTextBlock(canvas, 25, 45, lines, Field(200, 1000, 0, 21), 1, origins);
    quorv::PrintFieldRotated(canvas, "Randaufdruck", Field(1850, 2500, 0, 29), 270, 1, origins);
    painter.end();
  }
  QProcess process;
  process.start(pdftotext, {"-enc", "UTF-8", pdf, "-"});
  ASSERT_TRUE(process.waitForFinished(30000));
  const QString text = QString::fromUtf8(process.readAllStandardOutput());
  EXPECT_TRUE(text.contains(QString::fromUtf8("Übergangszeugnis"))) << text.toStdString();
  EXPECT_TRUE(text.contains("Zeile 1\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("Zeile 25")) << text.toStdString();
  EXPECT_TRUE(text.contains("Randaufdruck")) << text.toStdString();
}
