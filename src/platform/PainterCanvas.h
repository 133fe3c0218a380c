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
#include <vector>

#include "platform/Canvas.h"

class QPaintDevice;
class QPainter;
class QPrinter;

namespace platform {

// The installed face for a Windows face name: Arial, Times New Roman and
// Courier New become the metric-compatible Liberation Sans, Serif and Mono;
// other names stay as they are.
QString InstalledFaceName(const QString& faceName);

// The capabilities of a printer: resolution, sheet and printable area from its
// page layout (the offsets are 0 in full-page mode, where the painter starts at
// the sheet's corner); 2 colours in greyscale mode, 256 in colour mode.
DeviceCaps PrinterDeviceCaps(const QPrinter& printer);
// The capabilities of any paint device (printers as above).
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
  // the start of its baseline (empty until the text is drawn as a run).
  struct ShapedText {
    double Width = -1;  // device pixels; < 0: not measured yet
    QList<QGlyphRun> Runs;
    bool Shaped = false;
  };
  // A canvas font as the device draws it, at the canvas's scale, with the
  // texts drawn in it so far.
  struct DeviceFont {
    unsigned Serial;
    FontSpec Spec;
    double ScaleX;
    double ScaleY;
    QFont Font;
    QFontMetricsF Metrics;
    double Ascent;   // device pixels
    double Descent;
    QHash<QString, ShapedText> Texts;
  };
  static constexpr qsizetype kKeptTexts = 2048;
  static constexpr std::size_t kKeptFonts = 16;
  const FaceMetrics& metricsOf(const QFont& face);
  DeviceFont* deviceFont(const FontSpec& spec);
  ShapedText& shapedText(DeviceFont& font, const QString& text);
  // The text's advance, as QFontMetricsF measures it.
  double textWidth(DeviceFont& font, const QString& text);
  void drawRun(DeviceFont& font, const QString& text, QPointF start);
  const QList<QGlyphRun>& glyphRuns(DeviceFont& font, ShapedText& shaped, const QString& text);
  double penWidthPixels() const;

  QPainter& painter_;
  DeviceCaps caps_;
  QHash<QString, FaceMetrics> metrics_;
  std::vector<DeviceFont> fonts_;
  unsigned fontSerial_ = 0;
  unsigned textFont_ = 0;  // the font last set on the painter for text, 0: unknown
  bool textPen_ = false;   // the painter's pen is the text pen
};

}  // namespace platform
