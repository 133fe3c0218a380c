#include "platform/PainterCanvas.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrinter>
#include <QRawFont>
#include <QRectF>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "platform/TextMeasure.h"

namespace platform {

namespace {

struct FaceAlias {
  const char* Windows;
  const char* Installed;
};
constexpr FaceAlias kFaceAliases[] = {
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

// Metrics are taken at this em size, where they are exact font units.
constexpr int kReferencePixelSize = 2048;

// Texts the painter would lay out like a one-line text layout: printable
// characters only, nothing that breaks a line or stands for an object.
bool DrawnAsRun(const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0xAD || u == 0x2028 || u == 0x2029 || u == 0xFFFC) return false;
  }
  return true;
}

// A device position on the painter's grid of 1/64 pixel, as the painter
// itself places a text: cut towards zero.
double OnTextGrid(double v) { return static_cast<int>(v * 64) / 64.0; }

}  // namespace

QString InstalledFaceName(const QString& faceName) {
  const QString trimmed = faceName.trimmed();
  for (const FaceAlias& alias : kFaceAliases)
    if (trimmed.compare(QLatin1String(alias.Windows), Qt::CaseInsensitive) == 0)
      return QString::fromLatin1(alias.Installed);
  return faceName;
}

DeviceCaps PrinterDeviceCaps(const QPrinter& printer) {
  return PageDeviceCaps(printer.resolution(), printer.pageLayout(), printer.fullPage(),
                        printer.colorMode() == QPrinter::Color);
}

DeviceCaps PageDeviceCaps(int res, const QPageLayout& layout, bool fullPage, bool colour) {
  DeviceCaps caps;
  const QRect full = layout.fullRectPixels(res);
  const QRect paint = fullPage ? full : layout.paintRectPixels(res);
  const QRectF paintMm =
      fullPage ? layout.fullRect(QPageLayout::Millimeter) : layout.paintRect(QPageLayout::Millimeter);
  caps.LogPixelsX = res;
  caps.LogPixelsY = res;
  caps.PhysicalWidth = full.width();
  caps.PhysicalHeight = full.height();
  caps.PhysicalOffsetX = paint.x() - full.x();
  caps.PhysicalOffsetY = paint.y() - full.y();
  caps.HorzSize = RoundHalfEven(paintMm.width());
  caps.VertSize = RoundHalfEven(paintMm.height());
  // Qt reports a large colour count whatever the mode; the mode is what counts.
  caps.NumColors = colour ? 256 : 2;
  return caps;
}

DeviceCaps PaintDeviceCaps(const QPaintDevice& device) {
  if (const auto* printer = dynamic_cast<const QPrinter*>(&device)) return PrinterDeviceCaps(*printer);
  if (const auto* pdf = dynamic_cast<const QPdfWriter*>(&device))
    return PageDeviceCaps(pdf->resolution(), pdf->pageLayout(), false, true);
  DeviceCaps caps;
  caps.LogPixelsX = device.logicalDpiX();
  caps.LogPixelsY = device.logicalDpiY();
  caps.PhysicalWidth = device.width();
  caps.PhysicalHeight = device.height();
  caps.PhysicalOffsetX = 0;
  caps.PhysicalOffsetY = 0;
  caps.HorzSize = device.widthMM();
  caps.VertSize = device.heightMM();
  caps.NumColors = device.depth() <= 8 ? device.colorCount() : -1;
  return caps;
}

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) {
  if (painter.device() != nullptr) caps_ = PaintDeviceCaps(*painter.device());
}

int PainterCanvas::GetDeviceCaps(DeviceCap cap) const { return caps_.get(cap); }

const PainterCanvas::FaceMetrics& PainterCanvas::metricsOf(const QFont& face) {
  const QString key = face.family() + QLatin1Char('/') + QString::number(face.weight()) +
                      (face.italic() ? QLatin1String("/i") : QLatin1String("/n"));
  auto it = metrics_.constFind(key);
  if (it != metrics_.constEnd()) return *it;
  QFont reference = face;
  reference.setPixelSize(kReferencePixelSize);
  const QFontMetricsF fm(reference);
  FaceMetrics m{fm.ascent() / kReferencePixelSize, fm.descent() / kReferencePixelSize};
  if (m.Ascent + m.Descent <= 0) m = FaceMetrics{0.9, 0.2};
  return *metrics_.insert(key, m);
}

double PainterCanvas::penWidthPixels() const {
  const double px = state().Pen.Width * std::fabs(ScaleX());
  // Below one device pixel a line is drawn one pixel wide.
  return px < 1.0 ? 0.0 : px;
}

// The painter keeps pen and brush from one operation to the next: they are
// set only when they change, so that the document does not repeat them.
void PainterCanvas::usePen(const QPen& pen) {
  if (painter_.pen() != pen) painter_.setPen(pen);
}

void PainterCanvas::useBrush(const QBrush& brush) {
  if (painter_.brush() != brush) painter_.setBrush(brush);
}

void PainterCanvas::PaintLine(QPoint from, QPoint to) {
  const PenSpec& spec = state().Pen;
  if (spec.Style == PenStyle::Clear) return;
  const double width = penWidthPixels();
  usePen(QPen(spec.Color, width, Qt::SolidLine, width > 0 ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin));
  painter_.drawLine(QLineF(LogicalToDevice(from.x(), from.y()), LogicalToDevice(to.x(), to.y())));
}

void PainterCanvas::PaintRectangle(QPoint p1, QPoint p2, bool outline) {
  const QRectF rect =
      QRectF(LogicalToDevice(p1.x(), p1.y()), LogicalToDevice(p2.x(), p2.y())).normalized();
  const BrushSpec& brush = state().Brush;
  if (!outline) {
    if (brush.Style == BrushStyle::Solid) painter_.fillRect(rect, brush.Color);
    return;
  }
  const PenSpec& spec = state().Pen;
  if (spec.Style == PenStyle::Clear)
    usePen(QPen(Qt::NoPen));
  else
    usePen(QPen(spec.Color, penWidthPixels(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  useBrush(brush.Style == BrushStyle::Solid ? QBrush(brush.Color) : QBrush(Qt::NoBrush));
  painter_.drawRect(rect);
}

PainterCanvas::DeviceFont* PainterCanvas::deviceFont(const FontSpec& spec) {
  const double sx = std::fabs(ScaleX());
  const double sy = std::fabs(ScaleY());
  const int dpi = TextResolution();
  // Pages draw the same few fonts over and over: the last ones are kept.
  for (DeviceFont& f : fonts_)
    if (f.Spec == spec && f.ScaleX == sx && f.ScaleY == sy && f.TextDpi == dpi) return &f;

  QFont face(InstalledFaceName(spec.FaceName));
  const int weight = spec.Weight <= 0 ? 400 : std::clamp(spec.Weight, 1, 1000);
  face.setWeight(static_cast<QFont::Weight>(weight));
  face.setItalic(spec.Italic);
  face.setUnderline(spec.Underline);
  face.setHintingPreference(QFont::PreferNoHinting);
  const FaceMetrics& m = metricsOf(face);

  // Cell height to em height: cell = em * (ascent + descent).
  double emLogical = kDefaultFontEmHeight;
  if (spec.Height > 0) emLogical = spec.Height / (m.Ascent + m.Descent);
  if (spec.Height < 0) emLogical = -spec.Height;
  // The size a device of the text resolution sets, as TextMeasure measures it.
  emLogical = WholePixelEm(emLogical, dpi);
  const double emPx = emLogical * sy;
  if (emPx <= 0 || sx <= 0 || painter_.device() == nullptr) return nullptr;

  // Shaped at the reference size, where the advances are exact, and drawn
  // scaled to the em across and down.
  QFont font = face;
  font.setPixelSize(kReferencePixelSize);
  font.setKerning(false);  // advances as the device context uses them
  if (fonts_.size() >= kKeptFonts) fonts_.erase(fonts_.begin());
  fonts_.push_back(DeviceFont{++fontSerial_, spec, sx, sy, dpi, font, QFontMetricsF(font, painter_.device()),
                              emLogical * sx / kReferencePixelSize, emPx / kReferencePixelSize, m.Ascent * emPx,
                              m.Descent * emPx, {}});
  return &fonts_.back();
}

PainterCanvas::ShapedText& PainterCanvas::shapedText(DeviceFont& font, const QString& text) {
  ShapedText& shaped = font.Texts.try_emplace(text).first->second;
  if (shaped.Text.isNull()) shaped.Text = text;
  return shaped;
}

double PainterCanvas::widthOf(const DeviceFont& font, ShapedText& shaped) {
  if (shaped.Width < 0) shaped.Width = font.Metrics.horizontalAdvance(shaped.Text) * font.RunScaleX;
  return shaped.Width;
}

const QList<QGlyphRun>& PainterCanvas::glyphRuns(const DeviceFont& font, ShapedText& shaped) {
  if (shaped.Shaped) return shaped.Runs;
  // The layout shapes the text as the painter's own drawText would.
  QTextLayout layout(shaped.Text, font.Font, painter_.device());
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  option.setTextDirection(Qt::LeftToRight);
  layout.setTextOption(option);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  const double baseline = line.ascent();
  shaped.Runs = layout.glyphRuns();
  for (QGlyphRun& run : shaped.Runs) {
    QList<QPointF> positions = run.positions();
    for (QPointF& p : positions) p.ry() -= baseline;
    run.setPositions(positions);
  }
  shaped.Shaped = true;
  return shaped.Runs;
}

void PainterCanvas::drawRun(const DeviceFont& font, ShapedText& shaped) {
  for (const QGlyphRun& run : glyphRuns(font, shaped)) painter_.drawGlyphRun(QPointF(), run);
}

void PainterCanvas::drawSpacedRun(const DeviceFont& font, const std::vector<ShapedText*>& clusters, double extraPx) {
  // Each cluster's glyphs where drawText would put the cluster, gathered into
  // one run per font of the device.
  struct Gathered {
    QRawFont Font;
    QList<quint32> Indexes;
    QList<QPointF> Positions;
  };
  std::vector<Gathered> runs;
  double x = 0;  // device pixels from the start
  for (ShapedText* cluster : clusters) {
    const double clusterX = x / font.RunScaleX;
    for (const QGlyphRun& glyphs : glyphRuns(font, *cluster)) {
      if (runs.empty() || runs.back().Font != glyphs.rawFont()) runs.push_back(Gathered{glyphs.rawFont(), {}, {}});
      Gathered& run = runs.back();
      run.Indexes += glyphs.glyphIndexes();
      for (const QPointF& p : glyphs.positions()) run.Positions.push_back(QPointF(clusterX + p.x(), p.y()));
    }
    x += cluster->Width + extraPx;
  }
  for (const Gathered& gathered : runs) {
    QGlyphRun run;
    run.setRawFont(gathered.Font);
    run.setGlyphIndexes(gathered.Indexes);
    run.setPositions(gathered.Positions);
    painter_.drawGlyphRun(QPointF(), run);
  }
}

void PainterCanvas::PaintText(QPoint at, const QString& text) {
  const CanvasState& s = state();
  const FontSpec& spec = s.Font;
  DeviceFont* df = deviceFont(spec);
  if (df == nullptr) return;
  // Pages print the same labels, subjects and grades for every pupil: the
  // texts of a font are kept, up to a bound.
  if (df->Texts.size() >= kKeptTexts) df->Texts.clear();

  // Character spacing goes after every character, the last one included.
  // Qt's own letter spacing is scaled by a whole-number factor of the
  // resolution, so spaced text is placed character by character.
  const unsigned horizontal = s.TextAlign & TextAlign::HorizontalMask;
  const bool opaque = s.Background == BkMode::Opaque;
  const double extraPx = s.CharacterExtra * df->ScaleX;
  ShapedText* whole = nullptr;
  std::vector<ShapedText*> clusters;
  double width = 0;
  if (s.CharacterExtra == 0) {
    whole = &shapedText(*df, text);
    // Measured only where the width places the text or its background.
    if (opaque || horizontal == TextAlign::Right || horizontal == TextAlign::Center) width = widthOf(*df, *whole);
  } else {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
      ShapedText& cluster = shapedText(*df, text.mid(start, finder.position() - start));
      start = finder.position();
      clusters.push_back(&cluster);
      width += widthOf(*df, cluster) + extraPx;
    }
  }
  const double ascent = df->Ascent;
  const double descent = df->Descent;

  double dx = 0;
  switch (horizontal) {
    case TextAlign::Right: dx = -width; break;
    case TextAlign::Center: dx = -width / 2; break;
    default: break;
  }
  double baseline = ascent;  // top of the cell at the point
  switch (s.TextAlign & TextAlign::VerticalMask) {
    case TextAlign::Bottom: baseline = -descent; break;
    case TextAlign::Baseline: baseline = 0; break;
    default: break;
  }

  // Escapement turns counter-clockwise on the page; Qt turns clockwise.
  const bool rotated = spec.Escapement != 0;
  const QPointF point = LogicalToDevice(at.x(), at.y());
  const QTransform world = painter_.worldTransform();
  // The text's own frame: device pixels from the alignment point, turned.
  QTransform frame = QTransform::fromTranslate(point.x(), point.y());
  if (rotated) frame.rotate(-spec.Escapement / 10.0);
  const QRectF cell(dx, baseline - ascent, width, ascent + descent);
  if (opaque && rotated) {
    painter_.setWorldTransform(frame * world);
    painter_.fillRect(cell, s.BkColor);
  } else if (opaque) {
    painter_.fillRect(cell.translated(point), s.BkColor);
  }
  // Only this canvas draws on its painter: the font is set only when it changes.
  if (textFont_ != df->Serial) {
    painter_.setFont(df->Font);
    textFont_ = df->Serial;
  }
  // Text is filled with the pen's colour; its width and style do not count.
  const QPen& pen = painter_.pen();
  if (pen.style() == Qt::NoPen || pen.brush() != QBrush(Qt::black)) painter_.setPen(QPen(Qt::black));

  // The glyphs in the font's pixels from the start of the baseline, scaled to
  // the exact size; an upright start on the grid the painter places text on.
  QTransform run = QTransform(df->RunScaleX, 0, 0, df->RunScaleY, dx, baseline) * frame;
  if (!rotated) {
    const QPointF start = point + QPointF(dx, baseline);
    run = QTransform(df->RunScaleX, 0, 0, df->RunScaleY, OnTextGrid(start.x()), OnTextGrid(start.y()));
  }
  painter_.setWorldTransform(run * world);
  // Plain texts are drawn as the glyphs shaped once per font and text;
  // turned and underlined ones are left to drawText.
  const bool asRuns = !rotated && !spec.Underline && DrawnAsRun(text);
  if (whole != nullptr) {
    if (asRuns)
      drawRun(*df, *whole);
    else
      painter_.drawText(QPointF(), text);
  } else if (asRuns) {
    drawSpacedRun(*df, clusters, extraPx);
  } else {
    double x = 0;
    for (const ShapedText* cluster : clusters) {
      painter_.drawText(QPointF(x / df->RunScaleX, 0), cluster->Text);
      x += cluster->Width + extraPx;
    }
  }
  painter_.setWorldTransform(world);
}

void PainterCanvas::PaintPicture(QPoint p1, QPoint p2, const Picture& picture) {
  const QRectF rect =
      QRectF(LogicalToDevice(p1.x(), p1.y()), LogicalToDevice(p2.x(), p2.y())).normalized();
  painter_.drawImage(rect, picture.Image);
}

}  // namespace platform
