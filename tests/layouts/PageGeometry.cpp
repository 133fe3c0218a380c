#include "layouts/PageGeometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/PainterCanvas.h"
#include "printengine/Primitives.h"
#include "records/TextWrap.h"
#include "settings/Facheinst.h"

namespace testsupport {

namespace {

using platform::CanvasOp;
using platform::RecordedOp;

// Metrics taken at this pixel size are the faces' own units.
constexpr int kReferencePixels = 2048;
// How far the ink of a strike-out may fall short of its word or reach into the
// next one: 0.9 mm, less than a letter.
constexpr double kStrikeTolerance = 9;
// Texts that only touch do not overlap.
constexpr double kTouch = 0.5;

struct Face {
  std::unique_ptr<QFontMetricsF> Metrics;
  double Ascent;  // per unit of em
  double Descent;
};

const Face& FaceOf(const platform::FontSpec& spec) {
  static QHash<QString, std::shared_ptr<Face>> faces;
  const QString key =
      spec.FaceName + QString::number(spec.Weight) + (spec.Italic ? QLatin1String("i") : QLatin1String("n"));
  auto it = faces.constFind(key);
  if (it != faces.constEnd()) return **it;
  QFont font(platform::InstalledFaceName(spec.FaceName));
  font.setPixelSize(kReferencePixels);
  font.setWeight(static_cast<QFont::Weight>(spec.Weight <= 0 ? 400 : spec.Weight));
  font.setItalic(spec.Italic);
  font.setKerning(false);
  font.setHintingPreference(QFont::PreferNoHinting);
  auto face = std::make_shared<Face>();
  face->Metrics = std::make_unique<QFontMetricsF>(font);
  face->Ascent = face->Metrics->ascent() / kReferencePixels;
  face->Descent = face->Metrics->descent() / kReferencePixels;
  faces.insert(key, face);
  return *face;
}

double EmHeight(const platform::FontSpec& spec, const Face& face) {
  if (spec.Height > 0) return spec.Height / (face.Ascent + face.Descent);
  if (spec.Height < 0) return -spec.Height;
  return platform::kDefaultFontEmHeight;
}

// The advance of the first n characters, with the character spacing after each.
double Advance(const RecordedOp& op, int n) {
  const Face& face = FaceOf(op.State.Font);
  const double em = EmHeight(op.State.Font, face);
  return face.Metrics->horizontalAdvance(op.Text.left(n)) / kReferencePixels * em + op.State.CharacterExtra * n;
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

bool Overlap(const QRectF& a, const QRectF& b) {
  const QRectF i = a.intersected(b);
  return i.width() > kTouch && i.height() > kTouch;
}

QRectF SheetRect(QPoint p1, QPoint p2) {
  return QRectF(QPointF(p1.x(), -p1.y()), QPointF(p2.x(), -p2.y())).normalized();
}

bool Inside(const QRectF& inner, const QRectF& outer) {
  return inner.left() >= outer.left() - kTouch && inner.right() <= outer.right() + kTouch &&
         inner.top() >= outer.top() - kTouch && inner.bottom() <= outer.bottom() + kTouch;
}

QString Show(const PlacedText& t) {
  return QStringLiteral("\"%1\" at (%2, %3)").arg(t.Text).arg(t.Left, 0, 'f', 0).arg(t.Bottom, 0, 'f', 0);
}

// ---- strike-outs ------------------------------------------------------------------------

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
  };
}

// The span of the first occurrence of part in the base text.
std::pair<double, double> PartSpan(const PlacedText& base, const QString& part) {
  const int at = static_cast<int>(base.Text.indexOf(part));
  return base.Span(at, at + static_cast<int>(part.size()));
}

void CheckStrike(const PlacedText& strike, const PlacedText& base, const StrikeRule& rule, QStringList& problems) {
  const double from = strike.Box.left();
  const double to = strike.Box.right();
  const auto must = PartSpan(base, QString::fromUtf8(rule.Must));
  const auto may = PartSpan(base, QString::fromUtf8(rule.May));
  const double baseEnd = base.Box.right();
  const bool covers = from <= must.first + kStrikeTolerance && to >= must.second - kStrikeTolerance;
  // Reaching into the kept characters before or after the part it may cover.
  const double before = std::max(0.0, std::min(may.first, to) - std::max(base.Box.left(), from));
  const double after = std::max(0.0, std::min(baseEnd, to) - std::max(may.second, from));
  // The fill characters run through the base's small letters.
  const Face& face = FaceOf(base.Op.State.Font);
  const double em = EmHeight(base.Op.State.Font, face);
  const double baseline = base.Bottom - face.Descent * em;
  const double xHeight = face.Metrics->xHeight() / kReferencePixels * em;
  const double through = std::min(baseline, strike.Box.bottom()) - std::max(baseline - xHeight, strike.Box.top());
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
bool EntryOnBlank(const PlacedText& entry, const PlacedText& sentence) {
  const QString& t = sentence.Text;
  for (int i = 0; i < t.size();) {
    if (t[i] != QLatin1Char('_')) {
      ++i;
      continue;
    }
    int j = i;
    while (j < t.size() && t[j] == QLatin1Char('_')) ++j;
    const auto run = sentence.Span(i, j);
    const Face& face = FaceOf(sentence.Op.State.Font);
    const double baseline = sentence.Bottom - face.Descent * EmHeight(sentence.Op.State.Font, face);
    if (entry.Box.left() >= run.first - kTouch && entry.Box.right() <= run.second + kTouch &&
        entry.Box.bottom() <= baseline + kTouch)
      return true;
    i = j;
  }
  return false;
}

}  // namespace

std::pair<double, double> PlacedText::Span(int from, int to) const {
  return {Left + Advance(Op, from), Left + Advance(Op, to)};
}

PlacedText PlaceText(const RecordedOp& op) {
  PlacedText t;
  t.Text = op.Text;
  t.Op = op;
  const Face& face = FaceOf(op.State.Font);
  const double em = EmHeight(op.State.Font, face);
  const double cell = em * (face.Ascent + face.Descent);
  const double width = Advance(op, static_cast<int>(op.Text.size()));
  double dx = 0;
  switch (op.State.TextAlign & platform::TextAlign::HorizontalMask) {
    case platform::TextAlign::Right:
      dx = -width;
      break;
    case platform::TextAlign::Center:
      dx = -width / 2;
      break;
    default:
      break;
  }
  const double inkFrom = Advance(op, FirstInk(op.Text));
  const double inkTo = Advance(op, EndOfInk(op.Text));
  const double x = op.P1.x();
  const double y = -op.P1.y();
  if (op.State.Font.Escapement == 2700) {
    // Reading downward: the characters run down the sheet, their tops to the right.
    t.Rotated = true;
    t.Left = x;
    t.Bottom = y;
    t.Box = QRectF(QPointF(x, y + dx + inkFrom), QPointF(x + cell, y + dx + inkTo));
    return t;
  }
  t.Left = x + dx;
  t.Bottom = y;
  t.Box = QRectF(QPointF(t.Left + inkFrom, y - cell), QPointF(t.Left + inkTo, y));
  if (IsStrikeOut(op.Text, QLatin1Char('#')) && op.State.CharacterExtra == 0) {
    // Fill characters: their ink, which is narrower than their advances and
    // lower than the font's cell.
    const QRectF ink = face.Metrics->tightBoundingRect(op.Text.trimmed());
    const double scale = em / kReferencePixels;
    const double baseline = y - face.Descent * em;
    t.Box = QRectF(QPointF(t.Left + inkFrom + ink.left() * scale, baseline + ink.top() * scale),
                   QPointF(t.Left + inkFrom + ink.right() * scale, baseline + ink.bottom() * scale));
  }
  return t;
}

std::vector<PlacedText> PlacedTexts(const platform::RecordingCanvas& canvas) {
  std::vector<PlacedText> out;
  for (const RecordedOp& op : canvas.ops())
    if (op.Op == CanvasOp::Text && !op.Text.trimmed().isEmpty()) out.push_back(PlaceText(op));
  return out;
}

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

QStringList PageProblems(const platform::RecordingCanvas& canvas, const SheetLimits& limits, QChar fill) {
  QStringList problems;
  const std::vector<PlacedText> texts = PlacedTexts(canvas);
  const std::vector<StrikeRule> rules = StrikeRules(fill);

  for (const PlacedText& t : texts) {
    if (!Inside(t.Box, limits.Frame)) problems << QStringLiteral("outside the frame: ") + Show(t);
    if (!Inside(t.Box, limits.Printable)) problems << QStringLiteral("outside the printable area: ") + Show(t);
  }
  for (const RecordedOp& op : canvas.ops()) {
    if (op.Op == CanvasOp::Line) {
      const QRectF line = SheetRect(op.P1, op.P2);
      if (!Inside(line, limits.Frame)) problems << QStringLiteral("line outside the frame at y %1").arg(line.top());
    }
  }

  // Grade boxes: a text touching one lies inside it.
  for (const RecordedOp& op : canvas.opsOf(CanvasOp::Rectangle)) {
    if (op.State.Brush.Style != platform::BrushStyle::Solid || op.State.Brush.Color != quorv::kFrameGrey) continue;
    const QRectF box = SheetRect(op.P1, op.P2);
    if (!Inside(box, limits.Frame)) problems << QStringLiteral("grade box outside the frame at y %1").arg(box.top());
    for (const PlacedText& t : texts)
      if (Overlap(t.Box, box) && !Inside(t.Box, box)) problems << QStringLiteral("crosses a grade box: ") + Show(t);
  }

  for (std::size_t i = 0; i < texts.size(); ++i) {
    const PlacedText& a = texts[i];
    const bool aStrike = IsStrikeOut(a.Text, fill);
    bool struck = false;
    for (std::size_t j = 0; j < texts.size(); ++j) {
      if (i == j) continue;
      const PlacedText& b = texts[j];
      if (!Overlap(a.Box, b.Box)) continue;
      const bool bStrike = IsStrikeOut(b.Text, fill);
      if (aStrike && bStrike) continue;  // "##" and the fill over the same word
      if (aStrike) {
        const auto rule = std::find_if(rules.begin(), rules.end(), [&](const StrikeRule& r) {
          return b.Text == QString::fromUtf8(r.Base) && a.Text == r.Strike;
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

// ---- a fully filled pupil ---------------------------------------------------------------------

namespace {

// German prose for the long texts, repeated up to the length.
const char* const kReportProse =
    "Marie-Christin arbeitet im Unterricht aufmerksam und zuverlässig mit. Sie beteiligt sich regelmäßig am "
    "Unterrichtsgespräch, bringt eigene Ideen ein und hilft ihren Mitschülerinnen und Mitschülern bei "
    "Schwierigkeiten. Ihre Hausaufgaben erledigt sie sorgfältig und vollständig; schriftliche Arbeiten gestaltet "
    "sie übersichtlich. Im Umgang mit anderen ist sie freundlich, hilfsbereit und höflich. ";

QString Prose(int length) {
  QString text;
  const QString prose = QString::fromUtf8(kReportProse);
  while (text.size() < length) text += prose;
  text.truncate(length);
  const qsizetype lastBlank = text.lastIndexOf(QLatin1Char(' '));
  text.truncate(lastBlank);
  return text + QLatin1Char('.');
}

template <int N>
void SetText(platform::CharArray<N>& a, const QString& text) {
  quorv::WideStringToBuffer(text, a);
}

void SetSlot(quorv::TPupilRecord& p, int slot, const QString& name, const char* grade, const char* level) {
  quorv::TSubjectEntry& e = p.Subjects[static_cast<std::size_t>(slot - 1)];
  e.Name.setText(name.left(30));
  e.Grade.setText(QString::fromLatin1(grade));
  e.Addition.setText(QStringLiteral("12"));
  e.CourseLevel.setText(QString::fromLatin1(level));
}

}  // namespace

int ReligionSlotOfForm(int form) {
  // Forms whose grade block has eight rows: the Hauptschule group and form 18.
  for (int eightRows : {5, 6, 7, 8, 9, 105, 18})
    if (form == eightRows) return 8;
  return 9;
}

QString LongSchoolName() {
  return QStringLiteral("Regionale Schule mit Grundschule Am Schlosspark, Lindenallee 124, 12345 Seestadt");
}

quorv::TPupilRecord FullyFilledPupil(int form, int sex, int halfYear, const QString& schoolYear) {
  quorv::TPupilRecord p = quorv::ZeroPupilRecord();
  quorv::InitPupilRecord(p);
  p.Active = 1;
  p.FormNumber = form;
  p.FirstName.setText(QStringLiteral("Marie-Christin Annabell Sophie"));
  p.Surname.setText(QStringLiteral("von Württemberg-Hohenlohe-Orth"));
  p.BirthDate.setText(QStringLiteral("28.02.1998"));
  p.ClassName.setText(QStringLiteral("10R/b"));
  p.Sex = sex;
  p.HalfYear = static_cast<std::uint16_t>(halfYear);
  p.SchoolYear.setText(schoolYear);
  p.NextSchool.setText(QStringLiteral("Berufliche Schule Seestadt-Süd"));
  p.Jahrgangsstufe.setText(QStringLiteral("10"));
  p.AbsenceDays.setText(QStringLiteral("105,5"));
  p.AbsenceDaysExcused.setText(QStringLiteral("100,5"));
  p.Gesamtpraedikat = 1;  // "sehr gut - mit Auszeichnung", the longest word
  p.IssuePlace.setText(QStringLiteral("Seestadt-Lindenhagen am Haffen"));
  p.IssueDate.setText(QStringLiteral("15.07.2007"));

  // Slots 1..18: the catalogue's subjects of the form, languages in slots 2
  // and 3, a religion, and free rows with names of 30 characters.
  // An interim report (105 and above) lays out its subjects like its form.
  const int canonForm = form >= 105 ? form - 100 : form;
  const QString freeNames[] = {QStringLiteral("Wirtschaft und Verwaltung am PC"),
                               QStringLiteral("Gesundheit und Soziales im All"),
                               QStringLiteral("Medienkunde und Kommunikations")};
  int freeIndex = 0;
  const int religionSlot = ReligionSlotOfForm(form);
  for (int slot = 1; slot <= 18; ++slot) {
    const int entry = quorv::SubjectForSlot(canonForm, slot);
    QString name;
    if (entry >= 0)
      name = quorv::SubjectCatalog[static_cast<std::size_t>(entry)].Name.text();
    else if (slot == 2)
      name = QStringLiteral("Französisch");
    else if (slot == 3)
      name = QStringLiteral("Portugisisch");
    else if (slot == religionSlot)
      name = QStringLiteral("evangelische Religion");
    else
      name = freeNames[freeIndex++ % 3];
    SetSlot(p, slot, name, "N", "M");
  }
  // Electives of 21, 30 and 25 characters, the overall grade.
  const QString electives[] = {QStringLiteral("Informatik im Alltag!"),
                               QStringLiteral("Darstellendes Spiel und Theate"),
                               QStringLiteral("Hauswirtschaft und Ernähr")};
  for (int i = 0; i < 6; ++i) SetSlot(p, 19 + i, electives[i % 3], "N", "-");
  SetSlot(p, 25, QStringLiteral("???"), "N", "-");

  SetText(p.DevelopmentText, Prose(quorv::kDevelopmentTextSize - 1));
  SetText(p.RemarksText, Prose(quorv::kRemarksTextSize - 1));
  return p;
}

}  // namespace testsupport
