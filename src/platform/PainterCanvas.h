#pragma once
// The canvas over a QPainter that is active on a printer, a PDF printer, an
// image or a widget. Each logical point is converted to device coordinates;
// the painter itself is never flipped, so glyphs stay upright.
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QString>
#include <unordered_map>
#include <vector>

#include "platform/Canvas.h"

class QBrush;
class QPaintDevice;
class QPen;
class QPainter;
class QPrinter;
class QPageLayout;

namespace platform {

// The installed face for a Windows face name: Arial, Times New Roman and
// Courier New become the metric-compatible Liberation Sans, Serif and Mono;
// other names stay as they are.
QString InstalledFaceName(const QString& faceName);

// The capabilities of a printer: resolution, sheet and printable area from its
// page layout (the offsets are 0 in full-page mode, where the painter starts at
// the sheet's corner); 2 colours in greyscale mode, 256 in colour mode.
DeviceCaps PrinterDeviceCaps(const QPrinter& printer);
// The same for a device of this resolution and page layout.
DeviceCaps PageDeviceCaps(int res, const QPageLayout& layout, bool fullPage, bool colour);
// The capabilities of any paint device (printers and PDF writers as above).
DeviceCaps PaintDeviceCaps(const QPaintDevice& device);

class PainterCanvas : public Canvas {
 public:
  // The painter must be active and outlive the canvas.
  explicit PainterCanvas(QPainter& painter);

  int GetDeviceCaps(DeviceCap cap) const override;
  QPainter& painter() { return painter_; }

 protected:
  void PaintLine(QPoint from, QPoint to) override;
  void PaintRectangle(QPoint p1, QPoint p2, bool outline) override;
  void PaintText(QPoint at, const QString& text) override;
  void PaintPicture(QPoint p1, QPoint p2, const Picture& picture) override;

 private:
  struct FaceMetrics {
    double Ascent;   // per unit of em height
    double Descent;
  };
  // A text as the device shapes it: its advance, and its glyphs placed from
  // the start of its baseline (both found when first needed).
  struct ShapedText {
    QString Text;
    double Width = -1;  // device pixels; < 0: not measured yet
    QList<QGlyphRun> Runs;
    bool Shaped = false;
  };
  // A canvas font at the canvas's scale, with the texts drawn in it so far (a
  // node map: found texts stay where they are). A device would set the font
  // at a whole pixel size: the texts are shaped in Font at the reference size
  // instead and drawn scaled by RunScaleX and RunScaleY, so that every device
  // draws them at the exact size, as TextMeasure measures them.
  struct DeviceFont {
    unsigned Serial;
    FontSpec Spec;
    double ScaleX;
    double ScaleY;
    int TextDpi;  // the text resolution it was made for
    QFont Font;
    QFontMetricsF Metrics;
    double RunScaleX;  // device pixels per pixel of Font
    double RunScaleY;
    double Ascent;     // device pixels
    double Descent;
    std::unordered_map<QString, ShapedText> Texts;
  };
  static constexpr std::size_t kKeptTexts = 2048;
  static constexpr std::size_t kKeptFonts = 16;
  const FaceMetrics& metricsOf(const QFont& face);
  DeviceFont* deviceFont(const FontSpec& spec);
  static ShapedText& shapedText(DeviceFont& font, const QString& text);
  // The text's advance in device pixels.
  static double widthOf(const DeviceFont& font, ShapedText& shaped);
  // The glyphs in the pixels of the font, from the start of the baseline.
  const QList<QGlyphRun>& glyphRuns(const DeviceFont& font, ShapedText& shaped);
  // The texts are drawn in the painter's current transformation, which maps
  // the font's pixels from the start of the baseline onto the device.
  void drawRun(const DeviceFont& font, ShapedText& shaped);
  // Clusters measured already (widthOf), each spaced extraPx device pixels
  // from the next.
  void drawSpacedRun(const DeviceFont& font, const std::vector<ShapedText*>& clusters, double extraPx);
  double penWidthPixels() const;
  void usePen(const QPen& pen);
  void useBrush(const QBrush& brush);

  QPainter& painter_;
  DeviceCaps caps_;
  QHash<QString, FaceMetrics> metrics_;
  std::vector<DeviceFont> fonts_;
  unsigned fontSerial_ = 0;
  unsigned textFont_ = 0;  // the font last set on the painter for text, 0: unknown
};

}  // namespace platform
