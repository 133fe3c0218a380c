#include "platform/TextMeasure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <algorithm>
#include <memory>

#include "platform/PainterCanvas.h"

namespace platform {

namespace {

// Metrics are taken at this pixel size, where they are the font's own units.
constexpr int kReferencePixels = 2048;

const QFontMetricsF& MetricsOf(const FontSpec& spec) {
  static QHash<QString, std::shared_ptr<QFontMetricsF>> cache;
  const int weight = spec.Weight <= 0 ? 400 : std::clamp(spec.Weight, 1, 1000);
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

TextExtent MeasureText(const FontSpec& font, const QString& text) {
  const QFontMetricsF& m = MetricsOf(font);
  const double cell = (m.ascent() + m.descent()) / kReferencePixels;
  double em = kDefaultFontEmHeight;
  if (font.Height > 0 && cell > 0) em = font.Height / cell;
  if (font.Height < 0) em = -font.Height;
  const double scale = em / kReferencePixels;
  TextExtent e;
  e.Advance = m.horizontalAdvance(text) * scale;
  const QRectF ink = m.tightBoundingRect(text);
  if (ink.width() > 0) {
    e.InkLeft = ink.left() * scale;
    e.InkRight = ink.right() * scale;
  }
  return e;
}

}  // namespace platform
