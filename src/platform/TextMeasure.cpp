#include "platform/TextMeasure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "platform/PainterCanvas.h"

namespace platform {

namespace {

// Metrics are taken at this pixel size, where they are the font's own units.
constexpr int kReferencePixels = 2048;

// The measures of one text in one font; underline and escapement change neither.
struct MeasureKey {
  QString Face;
  int Weight;
  bool Italic;
  int Height;
  int Dpi;
  QString Text;
  bool operator==(const MeasureKey&) const = default;
};
size_t qHash(const MeasureKey& k, size_t seed = 0) {
  return qHashMulti(seed, k.Face, k.Weight, k.Italic, k.Height, k.Dpi, k.Text);
}
// Strike-outs measure the same few texts on every page: results are kept, up to this many.
constexpr qsizetype kKeptMeasures = 4096;

int WeightOf(const FontSpec& spec) { return spec.Weight <= 0 ? 400 : std::clamp(spec.Weight, 1, 1000); }

const QFontMetricsF& MetricsOf(const FontSpec& spec) {
  static QHash<QString, std::shared_ptr<QFontMetricsF>> cache;
  const int weight = WeightOf(spec);
  const QString key = QStringLiteral("%1/%2/%3").arg(spec.FaceName).arg(weight).arg(spec.Italic ? 1 : 0);
  const auto it = cache.constFind(key);
  if (it != cache.constEnd()) return **it;
  QFont font(InstalledFaceName(spec.FaceName));
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(spec.Italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  font.setPixelSize(kReferencePixels);
  return **cache.insert(key, std::make_shared<QFontMetricsF>(font));
}

}  // namespace

double WholePixelEm(double em, int dpi) {
  if (dpi <= 0) return em;
  const double perUnit = dpi / 254.0;
  return std::max(1.0, std::round(em * perUnit)) / perUnit;
}

TextExtent MeasureText(const FontSpec& font, const QString& text, int dpi) {
  static QHash<MeasureKey, TextExtent> kept;
  MeasureKey key{font.FaceName, WeightOf(font), font.Italic, font.Height, dpi, text};
  const auto found = kept.constFind(key);
  if (found != kept.constEnd()) return *found;
  if (kept.size() >= kKeptMeasures) kept.clear();

  const QFontMetricsF& m = MetricsOf(font);
  const double cell = (m.ascent() + m.descent()) / kReferencePixels;
  double em = kDefaultFontEmHeight;
  if (font.Height > 0 && cell > 0) em = font.Height / cell;
  if (font.Height < 0) em = -font.Height;
  const double scale = WholePixelEm(em, dpi) / kReferencePixels;
  TextExtent e;
  e.Advance = m.horizontalAdvance(text) * scale;
  const QRectF ink = m.tightBoundingRect(text);
  if (ink.width() > 0) {
    e.InkLeft = ink.left() * scale;
    e.InkRight = ink.right() * scale;
  }
  kept.insert(std::move(key), e);
  return e;
}

}  // namespace platform
