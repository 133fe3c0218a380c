#pragma once
// A device-context canvas: integer logical coordinates under a mapping mode,
// text written at its alignment point, and the drawing state (font, pen,
// brush, alignment, character spacing, background mode) that stays set until
// it is changed. Two implementations: PainterCanvas draws with QPainter,
// RecordingCanvas keeps every operation for tests.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>

namespace platform {

struct RecordedOp;

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double value);

// Text: device pixels, y down. LoMetric: 0.1 mm, y up. Anisotropic: the
// window extent maps onto the viewport extent (both origins at 0, 0).
enum class MapMode { Text, LoMetric, Anisotropic };

// Text alignment flags: one horizontal | one vertical value.
namespace TextAlign {
inline constexpr unsigned Left = 0;
inline constexpr unsigned Right = 2;
inline constexpr unsigned Center = 6;
inline constexpr unsigned HorizontalMask = 6;
inline constexpr unsigned Top = 0;       // top of the character cell
inline constexpr unsigned Bottom = 8;    // bottom of the character cell
inline constexpr unsigned Baseline = 24;
inline constexpr unsigned VerticalMask = 24;
}  // namespace TextAlign

enum class BkMode { Transparent, Opaque };

// A logical font. Height > 0 is the cell height (ascent + descent), < 0 the
// character (em) height, both in logical units; 0 takes kDefaultFontEmHeight.
struct FontSpec {
  QString FaceName = QStringLiteral("Arial");
  int Height = 0;
  int Weight = 400;  // 400 normal, 700 bold
  bool Italic = false;
  bool Underline = false;
  int Escapement = 0;  // tenths of a degree, counter-clockwise
  bool operator==(const FontSpec&) const = default;
};
inline constexpr int kDefaultFontEmHeight = 35;

enum class PenStyle { Solid, Clear };
// Width in logical units; 0 is the thinnest line the device draws.
struct PenSpec {
  QColor Color = QColor(0, 0, 0);
  int Width = 1;
  PenStyle Style = PenStyle::Solid;
  bool operator==(const PenSpec&) const = default;
};

enum class BrushStyle { Solid, Clear };
struct BrushSpec {
  QColor Color = QColor(255, 255, 255);
  BrushStyle Style = BrushStyle::Solid;
  bool operator==(const BrushSpec&) const = default;
};

enum class DeviceCap {
  LogPixelsX,       // dots per inch
  LogPixelsY,
  PhysicalWidth,    // whole sheet, device units
  PhysicalHeight,
  PhysicalOffsetX,  // printable area from the sheet's corner, device units
  PhysicalOffsetY,
  HorzSize,         // printable area in mm
  VertSize,
  NumColors         // 2 on a monochrome device
};

struct DeviceCaps {
  int LogPixelsX = 600;
  int LogPixelsY = 600;
  int PhysicalWidth = 4961;  // A4 at 600 dpi
  int PhysicalHeight = 7016;
  int PhysicalOffsetX = 0;
  int PhysicalOffsetY = 0;
  int HorzSize = 210;
  int VertSize = 297;
  int NumColors = 2;
  int get(DeviceCap cap) const;
};

// A picture loaded from a file (BMP and the other formats Qt reads).
struct Picture {
  QImage Image;
  QString FileName;
  bool isNull() const { return Image.isNull(); }
};
// False (and an empty picture) when the file is missing or unreadable.
bool LoadPicture(const QString& fileName, Picture& out);

// Everything a drawing operation depends on.
struct CanvasState {
  FontSpec Font;
  PenSpec Pen;
  BrushSpec Brush;
  unsigned TextAlign = TextAlign::Left | TextAlign::Top;
  int CharacterExtra = 0;
  BkMode Background = BkMode::Opaque;
  QColor BkColor = QColor(255, 255, 255);
  MapMode Mapping = MapMode::Text;
  QSize WindowExt = QSize(1, 1);
  QSize ViewportExt = QSize(1, 1);
  QPoint PenPos;
  int TextDpi = 0;  // Canvas::SetTextResolution
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Mapping. LoMetric sets the extents from the device resolution; the
  // extents can be changed only in Anisotropic mode (false otherwise).
  MapMode SetMapMode(MapMode mode);
  bool SetWindowExt(int cx, int cy);
  bool SetViewportExt(int cx, int cy);
  // Device position of a logical point, and device units per logical unit
  // (signed: the y scale is negative when y grows upward).
  QPointF LogicalToDevice(double x, double y) const;
  double ScaleX() const;
  double ScaleY() const;

  // State. Setting the brush also sets the background: a solid brush makes
  // text backgrounds opaque in its colour, a clear brush transparent.
  void SetFont(const FontSpec& font) { state_.Font = font; }
  void SetPen(const PenSpec& pen) { state_.Pen = pen; }
  void SetBrush(const BrushSpec& brush);
  unsigned SetTextAlign(unsigned align);      // returns the previous value
  int SetTextCharacterExtra(int extra);       // logical units; returns the previous
  BkMode SetBkMode(BkMode mode);              // returns the previous value
  const CanvasState& state() const { return state_; }
  // Back to the state of a fresh device context.
  void ResetState() { state_ = CanvasState{}; }
  // The resolution whose whole pixels set the size of text: a device draws a
  // font at a whole number of its pixels, and the preview at the printer's
  // (SetTextResolution; 0: the device's own).
  void SetTextResolution(int dpi) { state_.TextDpi = dpi; }
  int TextResolution() const {
    return state_.TextDpi > 0 ? state_.TextDpi : GetDeviceCaps(DeviceCap::LogPixelsY);
  }
  const FontSpec& font() const { return state_.Font; }
  const PenSpec& pen() const { return state_.Pen; }
  const BrushSpec& brush() const { return state_.Brush; }

  // Drawing, in logical units.
  void MoveTo(int x, int y) { state_.PenPos = QPoint(x, y); }
  void LineTo(int x, int y);
  // Outline with the pen, inside with the brush.
  void Rectangle(int x1, int y1, int x2, int y2);
  // The area with the brush only.
  void FillRect(int x1, int y1, int x2, int y2);
  // The text at its alignment point, in the current font and spacing.
  void TextOut(int x, int y, const QString& text);
  // The picture stretched into the rectangle.
  void StretchDraw(int x1, int y1, int x2, int y2, const Picture& picture);

  virtual int GetDeviceCaps(DeviceCap cap) const = 0;

 protected:
  virtual void PaintLine(QPoint from, QPoint to) = 0;
  virtual void PaintRectangle(QPoint p1, QPoint p2, bool outline) = 0;
  virtual void PaintText(QPoint at, const QString& text) = 0;
  virtual void PaintPicture(QPoint p1, QPoint p2, const Picture& picture) = 0;

 private:
  friend void Replay(const RecordedOp& op, Canvas& onto, const DeviceCaps& drawnFor);
  CanvasState state_;
};

}  // namespace platform
