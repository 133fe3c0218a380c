#include "layouts/DrawnPageGeometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/PainterCanvas.h"

namespace testsupport {

namespace {

// Metrics are read at this pixel size, where they are the font's own units.
constexpr int kReferencePixels = 2048;

struct FaceMetrics {
  double Ascent;
  double Descent;
  double CapHeight;
};

QFont ReferenceFont(const platform::FontSpec& spec) {
  QFont font(platform::InstalledFaceName(spec.FaceName));
  font.setWeight(static_cast<QFont::Weight>(spec.Weight <= 0 ? 400 : std::clamp(spec.Weight, 1, 1000)));
  font.setItalic(spec.Italic);
  font.setUnderline(spec.Underline);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  font.setPixelSize(kReferencePixels);
  return font;
}

// Width of the text in em units, and the number of its characters as the
// character spacing counts them.
double AdvanceEm(const QFontMetricsF& fm, const QString& text, int& characters) {
  characters = 0;
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
  while (finder.toNextBoundary() != -1) ++characters;
  return fm.horizontalAdvance(text) / kReferencePixels;
}

SheetRect Bounds(const std::vector<std::pair<double, double>>& points) {
  SheetRect r{points[0].first, points[0].second, points[0].first, points[0].second};
  for (const auto& [x, y] : points) {
    r.Left = std::min(r.Left, x);
    r.Right = std::max(r.Right, x);
    r.Top = std::min(r.Top, y);
    r.Bottom = std::max(r.Bottom, y);
  }
  return r;
}

// A local box (x right, y down from the text's anchor) turned by the font's
// escapement and placed at the anchor on the sheet.
SheetRect Place(double x1, double y1, double x2, double y2, int escapement, QPoint at) {
  const double a = -escapement / 10.0 * std::numbers::pi / 180.0;
  const double c = std::cos(a);
  const double s = std::sin(a);
  std::vector<std::pair<double, double>> corners;
  for (const auto& [x, y] : {std::pair{x1, y1}, {x2, y1}, {x1, y2}, {x2, y2}})
    corners.emplace_back(at.x() + x * c - y * s, -at.y() + x * s + y * c);
  return Bounds(corners);
}

SheetRect LineRect(double x1, double y1, double x2, double y2, double width) {
  const double half = std::max(width, 1.0) / 2;
  return SheetRect{std::min(x1, x2) - (y1 == y2 ? 0 : half), std::min(y1, y2) - (y1 == y2 ? half : 0),
                   std::max(x1, x2) + (y1 == y2 ? 0 : half), std::max(y1, y2) + (y1 == y2 ? half : 0)};
}

}  // namespace

bool SheetRect::overlaps(const SheetRect& o) const {
  return std::min(Right, o.Right) > std::max(Left, o.Left) && std::min(Bottom, o.Bottom) > std::max(Top, o.Top);
}

bool SheetRect::inside(const SheetRect& area) const {
  return Left >= area.Left && Right <= area.Right && Top >= area.Top && Bottom <= area.Bottom;
}

QString SheetRect::describe() const {
  return QStringLiteral("[%1..%2 x %3..%4]")
      .arg(std::lround(Left))
      .arg(std::lround(Right))
      .arg(std::lround(Top))
      .arg(std::lround(Bottom));
}

std::vector<DrawnText> DrawnTexts(const platform::RecordingCanvas& canvas) {
  std::vector<DrawnText> texts;
  for (const platform::RecordedOp& op : canvas.opsOf(platform::CanvasOp::Text)) {
    const platform::CanvasState& s = op.State;
    const QFontMetricsF fm(ReferenceFont(s.Font));
    const FaceMetrics m{fm.ascent() / kReferencePixels, fm.descent() / kReferencePixels,
                        fm.capHeight() / kReferencePixels};
    double em = platform::kDefaultFontEmHeight;
    if (s.Font.Height > 0) em = s.Font.Height / (m.Ascent + m.Descent);
    if (s.Font.Height < 0) em = -s.Font.Height;
    // The spacing follows every character: it places the text by the full
    // width, while the ink ends at the last character's advance.
    int characters = 0;
    const double advance = AdvanceEm(fm, op.Text, characters) * em;
    const double width = advance + characters * s.CharacterExtra;
    const double ink = characters == 0 ? 0 : advance + (characters - 1) * s.CharacterExtra;
    double dx = 0;
    switch (s.TextAlign & platform::TextAlign::HorizontalMask) {
      case platform::TextAlign::Right: dx = -width; break;
      case platform::TextAlign::Center: dx = -width / 2; break;
      default: break;
    }
    double baseline = m.Ascent * em;
    switch (s.TextAlign & platform::TextAlign::VerticalMask) {
      case platform::TextAlign::Bottom: baseline = -m.Descent * em; break;
      case platform::TextAlign::Baseline: baseline = 0; break;
      default: break;
    }
    DrawnText t;
    t.Text = op.Text;
    t.Cell = Place(dx, baseline - m.Ascent * em, dx + ink, baseline + m.Descent * em, s.Font.Escapement, op.P1);
    t.Body = Place(dx, baseline - m.CapHeight * em, dx + ink, baseline, s.Font.Escapement, op.P1);
    texts.push_back(t);
  }
  return texts;
}

std::vector<SheetRect> DrawnLines(const platform::RecordingCanvas& canvas) {
  std::vector<SheetRect> lines;
  for (const platform::RecordedOp& op : canvas.ops()) {
    const double w = op.State.Pen.Width;
    const double x1 = op.P1.x();
    const double y1 = -op.P1.y();
    const double x2 = op.P2.x();
    const double y2 = -op.P2.y();
    if (op.Op == platform::CanvasOp::Line) lines.push_back(LineRect(x1, y1, x2, y2, w));
    if (op.Op == platform::CanvasOp::Rectangle) {
      lines.push_back(LineRect(x1, y1, x2, y1, w));
      lines.push_back(LineRect(x1, y2, x2, y2, w));
      lines.push_back(LineRect(x1, y1, x1, y2, w));
      lines.push_back(LineRect(x2, y1, x2, y2, w));
    }
  }
  return lines;
}

QStringList OverlappingTexts(const std::vector<DrawnText>& texts) {
  QStringList found;
  for (std::size_t i = 0; i < texts.size(); ++i)
    for (std::size_t j = i + 1; j < texts.size(); ++j)
      if (texts[i].Cell.overlaps(texts[j].Cell))
        found << QStringLiteral("\"%1\" %2 and \"%3\" %4")
                     .arg(texts[i].Text, texts[i].Cell.describe(), texts[j].Text, texts[j].Cell.describe());
  return found;
}

QStringList LinesThroughTexts(const std::vector<DrawnText>& texts, const std::vector<SheetRect>& lines) {
  QStringList found;
  for (const DrawnText& t : texts)
    for (const SheetRect& l : lines)
      if (t.Body.overlaps(l))
        found << QStringLiteral("line %1 through \"%2\" %3").arg(l.describe(), t.Text, t.Body.describe());
  return found;
}

QStringList OutsideOf(const std::vector<DrawnText>& texts, const std::vector<SheetRect>& lines,
                      const SheetRect& area) {
  QStringList found;
  for (const DrawnText& t : texts)
    if (!t.Cell.inside(area)) found << QStringLiteral("\"%1\" %2").arg(t.Text, t.Cell.describe());
  for (const SheetRect& l : lines)
    if (!l.inside(area)) found << QStringLiteral("line %1").arg(l.describe());
  return found;
}

}  // namespace testsupport
