#include "layouts/DrawnPageGeometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

#include "platform/PainterCanvas.h"
#include "printengine/Primitives.h"

namespace testsupport {

namespace {

using platform::CanvasOp;
using platform::RecordedOp;

// Metrics are read at this pixel size, where they are the font's own units.
constexpr int kReferencePixels = 2048;

struct Face {
  std::unique_ptr<QFontMetricsF> Metrics;
  // Per unit of em.
  double Ascent;
  double Descent;
  double CapHeight;
  double XHeight;
};

const Face& FaceOf(const platform::FontSpec& spec) {
  static QHash<QString, std::shared_ptr<Face>> faces;
  const int weight = spec.Weight <= 0 ? 400 : std::clamp(spec.Weight, 1, 1000);
  const QString key = QStringLiteral("%1/%2/%3%4")
                          .arg(spec.FaceName)
                          .arg(weight)
                          .arg(spec.Italic ? QLatin1Char('i') : QLatin1Char('n'))
                          .arg(spec.Underline ? QLatin1Char('u') : QLatin1Char('n'));
  const auto it = faces.constFind(key);
  if (it != faces.constEnd()) return **it;
  QFont font(platform::InstalledFaceName(spec.FaceName));
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(spec.Italic);
  font.setUnderline(spec.Underline);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  font.setPixelSize(kReferencePixels);
  auto face = std::make_shared<Face>();
  face->Metrics = std::make_unique<QFontMetricsF>(font);
  face->Ascent = face->Metrics->ascent() / kReferencePixels;
  face->Descent = face->Metrics->descent() / kReferencePixels;
  face->CapHeight = face->Metrics->capHeight() / kReferencePixels;
  face->XHeight = face->Metrics->xHeight() / kReferencePixels;
  faces.insert(key, face);
  return *face;
}

double EmHeight(const platform::FontSpec& spec, const Face& face) {
  if (spec.Height > 0) return spec.Height / (face.Ascent + face.Descent);
  if (spec.Height < 0) return -spec.Height;
  return platform::kDefaultFontEmHeight;
}

// The number of characters as the character spacing counts them.
int Characters(const QString& text) {
  int characters = 0;
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
  while (finder.toNextBoundary() != -1) ++characters;
  return characters;
}

// Distances along the baseline from the start of a text in its font. The
// spacing follows every character: it places the next character, while the
// ink ends at the last character's advance.
class Measure {
 public:
  explicit Measure(const RecordedOp& op)
      : op_(op), face_(FaceOf(op.State.Font)), em_(EmHeight(op.State.Font, face_)) {}

  const Face& face() const { return face_; }
  double em() const { return em_; }
  // Where character i starts.
  double start(int i) const {
    const QString part = op_.Text.left(i);
    return advance(part) + Characters(part) * op_.State.CharacterExtra;
  }
  // Where the ink of the characters before i ends.
  double inkEnd(int i) const {
    const QString part = op_.Text.left(i);
    const int characters = Characters(part);
    return characters == 0 ? 0 : advance(part) + (characters - 1) * op_.State.CharacterExtra;
  }

 private:
  double advance(const QString& part) const { return face_.Metrics->horizontalAdvance(part) / kReferencePixels * em_; }

  const RecordedOp& op_;
  const Face& face_;
  double em_;
};

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

int FirstInk(const QString& t) {
  int i = 0;
  while (i < t.size() && t[i] == QLatin1Char(' ')) ++i;
  return i;
}

int EndOfInk(const QString& t) {
  int i = static_cast<int>(t.size());
  while (i > 0 && t[i - 1] == QLatin1Char(' ')) --i;
  return i;
}

DrawnText PlaceText(const RecordedOp& op) {
  const platform::CanvasState& s = op.State;
  const Measure m(op);
  const double em = m.em();
  const int size = static_cast<int>(op.Text.size());
  const double width = m.start(size);
  double dx = 0;
  switch (s.TextAlign & platform::TextAlign::HorizontalMask) {
    case platform::TextAlign::Right: dx = -width; break;
    case platform::TextAlign::Center: dx = -width / 2; break;
    default: break;
  }
  double baseline = m.face().Ascent * em;
  switch (s.TextAlign & platform::TextAlign::VerticalMask) {
    case platform::TextAlign::Bottom: baseline = -m.face().Descent * em; break;
    case platform::TextAlign::Baseline: baseline = 0; break;
    default: break;
  }
  const double top = baseline - m.face().Ascent * em;
  const double bottom = baseline + m.face().Descent * em;
  const int first = FirstInk(op.Text);
  const double inkFrom = m.start(first);
  const double inkTo = std::max(inkFrom, m.inkEnd(EndOfInk(op.Text)));
  DrawnText t;
  t.Text = op.Text;
  t.Op = op;
  t.Cell = Place(dx, top, dx + m.inkEnd(size), bottom, s.Font.Escapement, op.P1);
  t.Body = Place(dx, baseline - m.face().CapHeight * em, dx + m.inkEnd(size), baseline, s.Font.Escapement, op.P1);
  t.Ink = Place(dx + inkFrom, top, dx + inkTo, bottom, s.Font.Escapement, op.P1);
  return t;
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
  for (const RecordedOp& op : canvas.opsOf(CanvasOp::Text)) texts.push_back(PlaceText(op));
  return texts;
}

std::vector<SheetRect> DrawnLines(const platform::RecordingCanvas& canvas) {
  std::vector<SheetRect> lines;
  for (const RecordedOp& op : canvas.ops()) {
    const double w = op.State.Pen.Width;
    const double x1 = op.P1.x();
    const double y1 = -op.P1.y();
    const double x2 = op.P2.x();
    const double y2 = -op.P2.y();
    if (op.Op == CanvasOp::Line) lines.push_back(LineRect(x1, y1, x2, y2, w));
    if (op.Op == CanvasOp::Rectangle) {
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

// ---- a shipped report form --------------------------------------------------------------

namespace {

// How far the ink of a strike-out may fall short of its word or reach into the
// next one: 0.9 mm, less than a letter.
constexpr double kStrikeTolerance = 9;
// Boxes that only touch do not overlap.
constexpr double kTouch = 0.5;

bool Overlap(const SheetRect& a, const SheetRect& b) {
  return std::min(a.Right, b.Right) - std::max(a.Left, b.Left) > kTouch &&
         std::min(a.Bottom, b.Bottom) - std::max(a.Top, b.Top) > kTouch;
}

bool Inside(const SheetRect& inner, const SheetRect& outer) {
  return inner.Left >= outer.Left - kTouch && inner.Right <= outer.Right + kTouch && inner.Top >= outer.Top - kTouch &&
         inner.Bottom <= outer.Bottom + kTouch;
}

// The rectangle between two recorded points.
SheetRect Between(QPoint p1, QPoint p2) {
  return SheetRect{double(std::min(p1.x(), p2.x())), double(std::min(-p1.y(), -p2.y())),
                   double(std::max(p1.x(), p2.x())), double(std::max(-p1.y(), -p2.y()))};
}

// True when the text is a strike-out: fill characters and blanks only.
bool IsStrikeOut(const QString& text, QChar fill) {
  bool any = false;
  for (QChar c : text) {
    if (c == fill || c == QLatin1Char('#')) {
      any = true;
    } else if (c != QLatin1Char(' ')) {
      return false;
    }
  }
  return any;
}

// A text as the checks see it: its ink, and for a strike-out of '#' the ink
// of the fill characters, which is narrower than their advances and lower
// than the font's cell.
struct CheckedText {
  const DrawnText* T;
  SheetRect Box;
};

SheetRect CheckedBox(const DrawnText& t) {
  const platform::CanvasState& s = t.Op.State;
  if (s.Font.Escapement != 0 || s.CharacterExtra != 0 || !IsStrikeOut(t.Text, QLatin1Char('#'))) return t.Ink;
  const Measure m(t.Op);
  const QRectF ink = m.face().Metrics->tightBoundingRect(t.Text.trimmed());
  const double scale = m.em() / kReferencePixels;
  const double baseline = t.Body.Bottom;
  return SheetRect{t.Ink.Left + ink.left() * scale, baseline + ink.top() * scale, t.Ink.Left + ink.right() * scale,
                   baseline + ink.bottom() * scale};
}

QString Show(const CheckedText& t) { return QStringLiteral("\"%1\" %2").arg(t.T->Text, t.Box.describe()); }

// Where characters [from, to) of an unturned text start and their ink ends.
std::pair<double, double> Span(const DrawnText& t, int from, int to) {
  const Measure m(t.Op);
  return {t.Cell.Left + m.start(from), t.Cell.Left + m.inkEnd(to)};
}

// The span of the first occurrence of part in the text.
std::pair<double, double> PartSpan(const DrawnText& t, const QString& part) {
  const int at = static_cast<int>(t.Text.indexOf(part));
  return Span(t, at, at + static_cast<int>(part.size()));
}

// A strike-out over a printed alternative: the words it must cover, and the
// longer part it may cover (its neighbours in the text stay readable).
struct StrikeRule {
  const char* Base;
  QString Strike;
  const char* Must;
  const char* May;
};

std::vector<StrikeRule> StrikeRules(QChar fill) {
  auto f = [fill](int k) { return QString(k, fill); };
  auto b = [](int k) { return QString(k, QLatin1Char(' ')); };
  const char* period = "über das 1. Schulhalbjahr / Schuljahr";
  const char* transfer =
      "Die Schülerin/Der Schüler tritt in ______________________________________ Jahrgangsstufe ____ über.";
  const char* leaving =
      "wird nach Erfüllung seiner/ihrer Pflicht zum neunjährigen Besuch allgemein bildender Schulen aus der";
  const char* religion = "ev. / kath. Religion /";
  const char* religionLower = "Philosophieren mit Kindern";
  const char* primaryReligion = "evangelische / katholische Religion /";
  return {
      {period, b(19) + f(7), "Schuljahr", "/ Schuljahr"},
      {period, b(6) + f(12) + b(7), "1. Schulhalbjahr", "1. Schulhalbjahr /"},
      {"Stempel/Siegel", b(1) + f(5) + b(6), "Stempel", "Stempel/"},
      {"Stempel/Siegel", b(7) + f(4) + b(1), "Siegel", "/Siegel"},
      {transfer, f(9), "Die Schülerin", "Die Schülerin/"},
      {transfer, b(9) + f(8), "Der Schüler", "/Der Schüler"},
      {leaving, b(5) + f(3), "ihrer", "/ihrer"},
      {leaving, b(1) + f(3) + b(1), "seiner", "seiner/"},
      {religion, b(3) + f(3), "kath.", "/ kath. "},
      {religion, QStringLiteral("##"), "ev.", "ev. / "},
      {religion, f(2), "ev.", "ev. / "},
      {religion, f(14) + b(4), "ev. / kath. Religion", "ev. / kath. Religion /"},
      {religionLower, f(18), "Philosophieren mit Kindern", "Philosophieren mit Kindern"},
      {primaryReligion, b(9) + f(7), "katholische", "/ katholische "},
      {primaryReligion, f(9), "evangelische", "evangelische / "},
      {primaryReligion, f(23), "evangelische / katholische Religion", "evangelische / katholische Religion /"},
  };
}

void CheckStrike(const CheckedText& strike, const CheckedText& base, const StrikeRule& rule, QStringList& problems) {
  const double from = strike.Box.Left;
  const double to = strike.Box.Right;
  const auto must = PartSpan(*base.T, QString::fromUtf8(rule.Must));
  const auto may = PartSpan(*base.T, QString::fromUtf8(rule.May));
  const bool covers = from <= must.first + kStrikeTolerance && to >= must.second - kStrikeTolerance;
  // Reaching into the kept characters before or after the part it may cover.
  const double before = std::max(0.0, std::min(may.first, to) - std::max(base.Box.Left, from));
  const double after = std::max(0.0, std::min(base.Box.Right, to) - std::max(may.second, from));
  // The fill characters run through the base's small letters.
  const Measure m(base.T->Op);
  const double baseline = base.T->Body.Bottom;
  const double xHeight = m.face().XHeight * m.em();
  const double through = std::min(baseline, strike.Box.Bottom) - std::max(baseline - xHeight, strike.Box.Top);
  if (through < xHeight / 2)
    problems << QStringLiteral("strike-out %1 runs above or below the letters of %2").arg(Show(strike), Show(base));
  if (!covers || before > kStrikeTolerance || after > kStrikeTolerance)
    problems << QStringLiteral("strike-out %1 over %2 should cover \"%3\" [%4, %5], covers [%6, %7]")
                    .arg(Show(strike), Show(base), QString::fromUtf8(rule.Must))
                    .arg(must.first, 0, 'f', 0)
                    .arg(must.second, 0, 'f', 0)
                    .arg(from, 0, 'f', 0)
                    .arg(to, 0, 'f', 0);
}

// An entry printed over a blank ("____") of a sentence: within the blank and
// standing on the sentence's baseline or above it.
bool EntryOnBlank(const CheckedText& entry, const CheckedText& sentence) {
  const QString& t = sentence.T->Text;
  for (int i = 0; i < t.size();) {
    if (t[i] != QLatin1Char('_')) {
      ++i;
      continue;
    }
    int j = i;
    while (j < t.size() && t[j] == QLatin1Char('_')) ++j;
    const auto run = Span(*sentence.T, i, j);
    const double baseline = sentence.T->Body.Bottom;
    if (entry.Box.Left >= run.first - kTouch && entry.Box.Right <= run.second + kTouch &&
        entry.Box.Bottom <= baseline + kTouch)
      return true;
    i = j;
  }
  return false;
}

}  // namespace

QStringList PageProblems(const platform::RecordingCanvas& canvas, const SheetLimits& limits, QChar fill) {
  QStringList problems;
  const std::vector<DrawnText> drawn = DrawnTexts(canvas);
  std::vector<CheckedText> texts;
  for (const DrawnText& t : drawn)
    if (!t.Text.trimmed().isEmpty()) texts.push_back({&t, CheckedBox(t)});
  const std::vector<StrikeRule> rules = StrikeRules(fill);

  for (const CheckedText& t : texts) {
    if (!Inside(t.Box, limits.Frame)) problems << QStringLiteral("outside the frame: ") + Show(t);
    if (!Inside(t.Box, limits.Printable)) problems << QStringLiteral("outside the printable area: ") + Show(t);
  }
  for (const RecordedOp& op : canvas.opsOf(CanvasOp::Line)) {
    const SheetRect line = Between(op.P1, op.P2);
    if (!Inside(line, limits.Frame)) problems << QStringLiteral("line outside the frame at y %1").arg(line.Top);
  }

  // Grade boxes: a text touching one lies inside it.
  for (const RecordedOp& op : canvas.opsOf(CanvasOp::Rectangle)) {
    if (op.State.Brush.Style != platform::BrushStyle::Solid || op.State.Brush.Color != quorv::kFrameGrey) continue;
    const SheetRect box = Between(op.P1, op.P2);
    if (!Inside(box, limits.Frame)) problems << QStringLiteral("grade box outside the frame at y %1").arg(box.Top);
    for (const CheckedText& t : texts)
      if (Overlap(t.Box, box) && !Inside(t.Box, box)) problems << QStringLiteral("crosses a grade box: ") + Show(t);
  }

  for (std::size_t i = 0; i < texts.size(); ++i) {
    const CheckedText& a = texts[i];
    const bool aStrike = IsStrikeOut(a.T->Text, fill);
    bool struck = false;
    for (std::size_t j = 0; j < texts.size(); ++j) {
      if (i == j) continue;
      const CheckedText& b = texts[j];
      if (!Overlap(a.Box, b.Box)) continue;
      const bool bStrike = IsStrikeOut(b.T->Text, fill);
      if (aStrike && bStrike) continue;  // "##" and the fill over the same word
      if (aStrike) {
        const auto rule = std::find_if(rules.begin(), rules.end(), [&](const StrikeRule& r) {
          return b.T->Text == QString::fromUtf8(r.Base) && a.T->Text == r.Strike;
        });
        if (rule == rules.end()) {
          problems << QStringLiteral("strike-out %1 over %2").arg(Show(a), Show(b));
        } else {
          CheckStrike(a, b, *rule, problems);
          struck = true;
        }
        continue;
      }
      if (bStrike) continue;  // checked from the strike-out's side
      if (j < i) continue;    // each pair once
      if (EntryOnBlank(a, b) || EntryOnBlank(b, a)) continue;
      problems << QStringLiteral("overlap: %1 and %2").arg(Show(a), Show(b));
    }
    if (aStrike && !struck) problems << QStringLiteral("strike-out over nothing: ") + Show(a);
  }
  return problems;
}

}  // namespace testsupport
