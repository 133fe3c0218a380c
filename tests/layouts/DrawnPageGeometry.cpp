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
#include "platform/TextMeasure.h"
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
      : op_(op),
        face_(FaceOf(op.State.Font)),
        em_(platform::WholePixelEm(EmHeight(op.State.Font, face_), op.State.TextDpi)) {}

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

// How far the ink of a strike-out may fall short of a glyph it covers or
// reach into one it keeps: 0.1 mm.
constexpr double kStrikeTolerance = 1;
// Boxes that only touch do not overlap.
constexpr double kTouch = 0.5;
// Between the glyphs of a text and any rule.
constexpr double kRuleClearance = 3;
// A text whose baseline lies this far above a rule, or on it, stands on the rule.
constexpr double kStandingHeight = 25;

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

// A text as the checks see it: its ink, and for a strike-out the ink of the
// fill characters, which is narrower than their advances and lower than the
// font's cell.
struct CheckedText {
  const DrawnText* T;
  SheetRect Box;
};

SheetRect CheckedBox(const DrawnText& t, QChar fill) {
  const platform::CanvasState& s = t.Op.State;
  if (s.Font.Escapement != 0 || s.CharacterExtra != 0 || !IsStrikeOut(t.Text, fill)) return t.Ink;
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

// The glyph ink of characters [from, to) of an unturned text, from the font
// metrics: where the first glyph's ink starts and the last one's ends.
std::pair<double, double> GlyphSpan(const DrawnText& t, int from, int to) {
  const Measure m(t.Op);
  const double scale = m.em() / kReferencePixels;
  const QString part = t.Text.mid(from, to - from);
  const QRectF ink = m.face().Metrics->tightBoundingRect(part);
  const double extra = std::max(0, Characters(part) - 1) * t.Op.State.CharacterExtra;
  return {t.Cell.Left + m.start(from) + ink.left() * scale, t.Cell.Left + m.start(from) + ink.right() * scale + extra};
}

// The parts of the printed alternatives a strike-out may cover, by the text
// they are printed in. A new printed choice adds its alternatives here.
const std::vector<std::pair<QString, QStringList>>& StrikeAlternatives() {
  static const std::vector<std::pair<QString, QStringList>> alternatives = {
      {QStringLiteral("über das 1. Schulhalbjahr / Schuljahr"),
       {QStringLiteral("1. Schulhalbjahr /"), QStringLiteral("/ Schuljahr")}},
      {QStringLiteral("Stempel/Siegel"), {QStringLiteral("Stempel/"), QStringLiteral("/Siegel")}},
      {QStringLiteral("Die Schülerin/Der Schüler tritt in ______________________________________ Jahrgangsstufe ____ "
                      "über."),
       {QStringLiteral("Die Schülerin/"), QStringLiteral("/Der Schüler")}},
      {QStringLiteral("wird nach Erfüllung seiner/ihrer Pflicht zum neunjährigen Besuch allgemein bildender Schulen "
                      "aus der"),
       {QStringLiteral("seiner/"), QStringLiteral("/ihrer")}},
      {QStringLiteral("wird nach Erfüllung seiner/ihrer Pflicht zum neunjährigen Besuch der allgemein bildenden "
                      "Schule aus der"),
       {QStringLiteral("seiner/"), QStringLiteral("/ihrer")}},
      {QStringLiteral("ev. / kath. Religion /"),
       {QStringLiteral("kath."), QStringLiteral("ev."), QStringLiteral("ev. / kath. Religion /")}},
      {QStringLiteral("evangelische / katholische Religion /"),
       {QStringLiteral("katholische"), QStringLiteral("evangelische"),
        QStringLiteral("evangelische / katholische Religion /")}},
      {QStringLiteral("Philosophieren mit Kindern"), {QStringLiteral("Philosophieren mit Kindern")}},
  };
  return alternatives;
}

// The characters of a text under the union of the strike-outs' ink: whole
// glyphs covered and glyphs only partly covered (letters showing).
struct Coverage {
  QString Part;        // from the first covered glyph to the last
  QString Partly;      // glyphs partly covered, or left uncovered inside the part
};

Coverage CoverageOf(const DrawnText& base, const std::vector<const CheckedText*>& strikes) {
  std::vector<std::pair<double, double>> runs;
  for (const CheckedText* s : strikes) runs.emplace_back(s->Box.Left, s->Box.Right);
  std::sort(runs.begin(), runs.end());
  std::vector<std::pair<double, double>> merged;
  for (const auto& r : runs) {
    if (!merged.empty() && r.first <= merged.back().second + kStrikeTolerance)
      merged.back().second = std::max(merged.back().second, r.second);
    else
      merged.push_back(r);
  }
  Coverage c;
  const QString& t = base.Text;
  // Per character: 2 wholly covered, 1 partly, 0 not at all.
  std::vector<int> cover(static_cast<std::size_t>(t.size()), 0);
  for (int i = 0; i < t.size(); ++i) {
    if (t[i].isSpace()) continue;
    const auto g = GlyphSpan(base, i, i + 1);
    for (const auto& m : merged) {
      if (g.first >= m.first - kStrikeTolerance && g.second <= m.second + kStrikeTolerance)
        cover[static_cast<std::size_t>(i)] = 2;
      else if (std::min(g.second, m.second) - std::max(g.first, m.first) > kStrikeTolerance)
        cover[static_cast<std::size_t>(i)] = std::max(cover[static_cast<std::size_t>(i)], 1);
    }
  }
  // The part: from the first covered character to the last, a separator
  // ("/" that overlaps the letters beside it in italics) counting when partly covered.
  auto counts = [&](int i) {
    const int k = cover[static_cast<std::size_t>(i)];
    return k == 2 || (k == 1 && !t[i].isLetterOrNumber());
  };
  int first = -1;
  int last = -1;
  for (int i = 0; i < t.size(); ++i)
    if (counts(i)) {
      if (first < 0) first = i;
      last = i;
    }
  for (int i = 0; i < t.size(); ++i) {
    const bool inPart = i >= first && i <= last && first >= 0;
    const int k = cover[static_cast<std::size_t>(i)];
    if (t[i].isLetterOrNumber() && ((k == 1) || (inPart && k == 0))) c.Partly += t[i];
  }
  if (first >= 0) c.Part = t.mid(first, last - first + 1);
  return c;
}

// The fill of a strike-out runs through the small letters of its text: it
// covers most of the x-height band, its middle lies inside it and it does not
// reach below the baseline (0.1 mm).
bool ThroughSmallLetters(const CheckedText& strike, const DrawnText& base) {
  const Measure m(base.Op);
  const double baseline = base.Body.Bottom;
  const double xHeight = m.face().XHeight * m.em();
  const double through = std::min(baseline, strike.Box.Bottom) - std::max(baseline - xHeight, strike.Box.Top);
  const double middle = (strike.Box.Top + strike.Box.Bottom) / 2;
  return through >= 0.6 * xHeight && middle <= baseline && middle >= baseline - xHeight &&
         strike.Box.Bottom <= baseline + kStrikeTolerance;
}

// The text a strike-out strikes: of the texts it overlaps, the one whose
// small letters are nearest to its middle; -1 for none.
int StruckTextOf(const CheckedText& strike, const std::vector<CheckedText>& texts, QChar fill) {
  int best = -1;
  double bestDistance = 1e9;
  const double middle = (strike.Box.Top + strike.Box.Bottom) / 2;
  for (std::size_t j = 0; j < texts.size(); ++j) {
    const CheckedText& b = texts[j];
    if (b.T == strike.T || IsStrikeOut(b.T->Text, fill) || !Overlap(strike.Box, b.Box)) continue;
    const Measure m(b.T->Op);
    const double baseline = b.T->Body.Bottom;
    const double xHeight = m.face().XHeight * m.em();
    const double distance = std::abs(middle - (baseline - xHeight / 2));
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(j);
    }
  }
  return best;
}

// The strike-outs over one text.
void CheckStrikes(const CheckedText& base, const std::vector<const CheckedText*>& strikes, QStringList& problems) {
  for (const CheckedText* s : strikes)
    if (!ThroughSmallLetters(*s, *base.T))
      problems << QStringLiteral("strike-out %1 runs above or below the letters of %2 (baseline %3)")
                      .arg(Show(*s), Show(base))
                      .arg(base.T->Body.Bottom, 0, 'f', 1);
  const Coverage c = CoverageOf(*base.T, strikes);
  const auto& all = StrikeAlternatives();
  const auto rule = std::find_if(all.begin(), all.end(), [&](const auto& r) { return r.first == base.T->Text; });
  if (rule == all.end()) {
    problems << QStringLiteral("strike-out over a text without alternatives: ") + Show(base);
  } else if (!rule->second.contains(c.Part)) {
    problems << QStringLiteral("strike-out over %1 covers \"%2\", not one of \"%3\"")
                    .arg(Show(base), c.Part, rule->second.join(QStringLiteral("\", \"")));
  }
  if (!c.Partly.isEmpty())
    problems << QStringLiteral("strike-out over %1 leaves letters of \"%2\" showing: %3")
                    .arg(Show(base), c.Part, c.Partly);
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

// The texts of a page as the checks see them (blanks aside).
std::vector<CheckedText> Checked(const std::vector<DrawnText>& drawn, QChar fill) {
  std::vector<CheckedText> texts;
  for (const DrawnText& t : drawn)
    if (!t.Text.trimmed().isEmpty()) texts.push_back({&t, CheckedBox(t, fill)});
  return texts;
}

// For each text the strike-outs over it; those over nothing go to problems.
std::vector<std::vector<const CheckedText*>> StrikesOver(const std::vector<CheckedText>& texts, QChar fill,
                                                         QStringList& problems) {
  std::vector<std::vector<const CheckedText*>> over(texts.size());
  for (const CheckedText& s : texts) {
    if (!IsStrikeOut(s.T->Text, fill)) continue;
    const int base = StruckTextOf(s, texts, fill);
    if (base < 0)
      problems << QStringLiteral("strike-out over nothing: ") + Show(s);
    else
      over[static_cast<std::size_t>(base)].push_back(&s);
  }
  return over;
}

// The tight box of a text's glyphs; the character cell across for turned or
// spaced texts.
SheetRect GlyphBox(const DrawnText& t) {
  const platform::CanvasState& s = t.Op.State;
  if (s.Font.Escapement != 0) return t.Ink;
  const Measure m(t.Op);
  const QRectF ink = m.face().Metrics->tightBoundingRect(t.Text);
  if (ink.isEmpty()) return SheetRect{t.Cell.Left, t.Body.Bottom, t.Cell.Left, t.Body.Bottom};
  const double scale = m.em() / kReferencePixels;
  const double baseline = t.Body.Bottom;
  if (s.CharacterExtra != 0)
    return SheetRect{t.Ink.Left, baseline + ink.top() * scale, t.Ink.Right, baseline + ink.bottom() * scale};
  return SheetRect{t.Cell.Left + ink.left() * scale, baseline + ink.top() * scale, t.Cell.Left + ink.right() * scale,
                   baseline + ink.bottom() * scale};
}

// The distance between two boxes (0 when they touch or overlap).
double Gap(const SheetRect& a, const SheetRect& b) {
  const double dx = std::max({0.0, a.Left - b.Right, b.Left - a.Right});
  const double dy = std::max({0.0, a.Top - b.Bottom, b.Top - a.Bottom});
  return std::hypot(dx, dy);
}

// The column x of the grade block's names and the rows' y range, from the
// form's fields: field 32 anchors the block, 36 offsets the right column and
// 40 gives the pitch.
struct SubjectRows {
  std::vector<int> ColumnX;
  std::vector<double> Baselines;  // the rows' y
  std::vector<int> Offsets;       // where a row's texts stand from its y
  bool holds(double y) const {
    for (double b : Baselines)
      for (int o : Offsets)
        if (std::lround(b) + o == std::lround(y)) return true;
    return false;
  }
};

SubjectRows SubjectRowsOf(const platform::RecordingCanvas& canvas, const SheetLimits& limits) {
  SubjectRows rows;
  if (limits.Fields == nullptr) return rows;
  const quorv::TFormFieldTable& f = *limits.Fields;
  const quorv::TFormField& block = f[32];
  const int pitch = f[40].Y;
  const int left = limits.Origin.x() + block.X;
  rows.ColumnX = {left, left + f[36].X};
  // Rows from field 32's Y to the lowest grade box of the left column.
  const int boxCentre = left + f[34].X;
  for (const RecordedOp& op : canvas.opsOf(CanvasOp::Rectangle)) {
    const SheetRect box = Between(op.P1, op.P2);
    if (op.State.Brush.Style == platform::BrushStyle::Solid && op.State.Brush.Color == quorv::kFrameGrey &&
        std::lround((box.Left + box.Right) / 2) == boxCentre)
      rows.Baselines.push_back(box.Bottom);
  }
  rows.Offsets = {0, -(3 * pitch) / 10, pitch / 10};  // one-line rows and the two lines of a two-line row
  return rows;
}

}  // namespace

QStringList PageProblems(const platform::RecordingCanvas& canvas, const SheetLimits& limits, QChar fill) {
  QStringList problems;
  const std::vector<DrawnText> drawn = DrawnTexts(canvas);
  const std::vector<CheckedText> texts = Checked(drawn, fill);
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

  // Strike-outs over the texts they cover, every other pair apart.
  const auto strikesOver = StrikesOver(texts, fill, problems);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const CheckedText& a = texts[i];
    if (IsStrikeOut(a.T->Text, fill)) continue;
    if (!strikesOver[i].empty()) CheckStrikes(a, strikesOver[i], problems);
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      const CheckedText& b = texts[j];
      if (IsStrikeOut(b.T->Text, fill) || !Overlap(a.Box, b.Box)) continue;
      if (EntryOnBlank(a, b) || EntryOnBlank(b, a)) continue;
      problems << QStringLiteral("overlap: %1 and %2").arg(Show(a), Show(b));
    }
  }

  problems << TextsCloseToLines(drawn, DrawnLines(canvas), kRuleClearance);
  problems << TextsBeyondTheirRules(canvas, drawn, fill);
  problems << PictureProblems(canvas, drawn, limits.Frame);
  problems << MixedSubjectRowFonts(canvas, limits, fill);
  return problems;
}

std::vector<StruckText> StruckTexts(const platform::RecordingCanvas& canvas, QChar fill) {
  const std::vector<DrawnText> drawn = DrawnTexts(canvas);
  const std::vector<CheckedText> texts = Checked(drawn, fill);
  QStringList unused;
  const auto strikesOver = StrikesOver(texts, fill, unused);
  std::vector<StruckText> found;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const CheckedText& base = texts[i];
    const std::vector<const CheckedText*>& strikes = strikesOver[i];
    if (strikes.empty()) continue;
    const Coverage c = CoverageOf(*base.T, strikes);
    bool through = true;
    for (const CheckedText* s : strikes) through = through && ThroughSmallLetters(*s, *base.T);
    found.push_back({base.T->Text, c.Part, c.Partly, through});
  }
  return found;
}

QString StruckPart(const platform::RecordingCanvas& canvas, const QString& text, QChar fill) {
  for (const StruckText& t : StruckTexts(canvas, fill))
    if (t.Text == text) return t.Partly.isEmpty() ? t.Part : t.Part + QStringLiteral(" (partly: %1)").arg(t.Partly);
  return {};
}

QStringList TextsCloseToLines(const std::vector<DrawnText>& texts, const std::vector<SheetRect>& lines,
                              double clearance) {
  QStringList found;
  for (const DrawnText& t : texts) {
    if (t.Text.trimmed().isEmpty()) continue;
    const SheetRect glyphs = GlyphBox(t);
    const double middle = (glyphs.Top + glyphs.Bottom) / 2;
    for (const SheetRect& l : lines)
      // A rule above the text: the text is its label. (Entries stand on their rules.)
      if (l.Right - l.Left > l.Bottom - l.Top && (l.Top + l.Bottom) / 2 < middle && Gap(glyphs, l) < clearance)
        found << QStringLiteral("\"%1\" %2 is %3 mm from the line %4")
                     .arg(t.Text, glyphs.describe())
                     .arg(Gap(glyphs, l) / 10, 0, 'f', 2)
                     .arg(l.describe());
  }
  return found;
}

QStringList TextsBeyondTheirRules(const platform::RecordingCanvas& canvas, const std::vector<DrawnText>& drawn,
                                  QChar fill) {
  struct Standing {
    QString Text;
    SheetRect Glyphs;
    double Baseline;
  };
  std::vector<Standing> texts;
  for (const DrawnText& t : drawn)
    if (!t.Text.trimmed().isEmpty() && !IsStrikeOut(t.Text, fill) && t.Op.State.Font.Escapement == 0)
      texts.push_back({t.Text, GlyphBox(t), t.Body.Bottom});
  QStringList found;
  for (const RecordedOp& op : canvas.opsOf(CanvasOp::Line)) {
    if (op.P1.y() != op.P2.y()) continue;
    const SheetRect rule = Between(op.P1, op.P2);
    for (const Standing& t : texts) {
      const bool onRule = t.Baseline <= rule.Top + kTouch && t.Baseline >= rule.Top - kStandingHeight &&
                          std::min(t.Glyphs.Right, rule.Right) - std::max(t.Glyphs.Left, rule.Left) > kTouch;
      if (onRule && (t.Glyphs.Left < rule.Left - kTouch || t.Glyphs.Right > rule.Right + kTouch))
        found << QStringLiteral("\"%1\" %2 beyond its rule %3").arg(t.Text, t.Glyphs.describe(), rule.describe());
    }
  }
  return found;
}

QStringList PictureProblems(const platform::RecordingCanvas& canvas, const std::vector<DrawnText>& texts,
                            const SheetRect& frame) {
  QStringList found;
  for (const RecordedOp& op : canvas.opsOf(CanvasOp::Picture)) {
    const SheetRect picture = Between(op.P1, op.P2);
    const QString name =
        QStringLiteral("picture %1 %2").arg(op.PictureFile.section(QLatin1Char('/'), -1), picture.describe());
    if (!picture.inside(frame)) found << name + QStringLiteral(" outside the frame");
    for (const DrawnText& t : texts)
      if (!t.Text.trimmed().isEmpty() && Overlap(picture, t.Ink))
        found << name + QStringLiteral(" over \"%1\" %2").arg(t.Text, t.Ink.describe());
  }
  return found;
}

QStringList MixedSubjectRowFonts(const platform::RecordingCanvas& canvas, const SheetLimits& limits, QChar fill) {
  const SubjectRows rows = SubjectRowsOf(canvas, limits);
  QStringList found;
  const RecordedOp* first = nullptr;
  const std::vector<RecordedOp> texts = canvas.opsOf(CanvasOp::Text);
  for (const RecordedOp& op : texts) {
    if (!rows.holds(-op.P1.y()) || op.Text.trimmed().isEmpty() || IsStrikeOut(op.Text, fill)) continue;
    if (std::find(rows.ColumnX.begin(), rows.ColumnX.end(), op.P1.x()) == rows.ColumnX.end()) continue;
    if (first == nullptr) {
      first = &op;
      continue;
    }
    const platform::FontSpec& a = first->State.Font;
    const platform::FontSpec& b = op.State.Font;
    if (a.FaceName != b.FaceName || a.Height != b.Height)
      found << QStringLiteral("subject row \"%1\" in %2 %3, \"%4\" in %5 %6")
                   .arg(op.Text, b.FaceName)
                   .arg(b.Height)
                   .arg(first->Text, a.FaceName)
                   .arg(a.Height);
  }
  return found;
}

}  // namespace testsupport
