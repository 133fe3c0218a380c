#include "platform/Canvas.h"

#include <cmath>

namespace platform {

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int DeviceCaps::get(DeviceCap cap) const {
  switch (cap) {
    case DeviceCap::LogPixelsX: return LogPixelsX;
    case DeviceCap::LogPixelsY: return LogPixelsY;
    case DeviceCap::PhysicalWidth: return PhysicalWidth;
    case DeviceCap::PhysicalHeight: return PhysicalHeight;
    case DeviceCap::PhysicalOffsetX: return PhysicalOffsetX;
    case DeviceCap::PhysicalOffsetY: return PhysicalOffsetY;
    case DeviceCap::HorzSize: return HorzSize;
    case DeviceCap::VertSize: return VertSize;
    case DeviceCap::NumColors: return NumColors;
  }
  return 0;
}

bool LoadPicture(const QString& fileName, Picture& out) {
  out = Picture{};
  QImage image;
  if (!image.load(fileName)) return false;
  out.Image = image;
  out.FileName = fileName;
  return true;
}

MapMode Canvas::SetMapMode(MapMode mode) {
  const MapMode previous = state_.Mapping;
  state_.Mapping = mode;
  switch (mode) {
    case MapMode::Text:
      state_.WindowExt = QSize(1, 1);
      state_.ViewportExt = QSize(1, 1);
      break;
    case MapMode::LoMetric:
      // 254 units of 0.1 mm are one inch.
      state_.WindowExt = QSize(254, 254);
      state_.ViewportExt = QSize(GetDeviceCaps(DeviceCap::LogPixelsX), -GetDeviceCaps(DeviceCap::LogPixelsY));
      break;
    case MapMode::Anisotropic:
      break;  // keeps the extents in force
  }
  return previous;
}

bool Canvas::SetWindowExt(int cx, int cy) {
  if (state_.Mapping != MapMode::Anisotropic || cx == 0 || cy == 0) return false;
  state_.WindowExt = QSize(cx, cy);
  return true;
}

bool Canvas::SetViewportExt(int cx, int cy) {
  if (state_.Mapping != MapMode::Anisotropic || cx == 0 || cy == 0) return false;
  state_.ViewportExt = QSize(cx, cy);
  return true;
}

double Canvas::ScaleX() const {
  return static_cast<double>(state_.ViewportExt.width()) / state_.WindowExt.width();
}

double Canvas::ScaleY() const {
  return static_cast<double>(state_.ViewportExt.height()) / state_.WindowExt.height();
}

QPointF Canvas::LogicalToDevice(double x, double y) const { return QPointF(x * ScaleX(), y * ScaleY()); }

void Canvas::SetBrush(const BrushSpec& brush) {
  state_.Brush = brush;
  if (brush.Style == BrushStyle::Solid) {
    state_.BkColor = brush.Color;
    state_.Background = BkMode::Opaque;
  } else {
    state_.Background = BkMode::Transparent;
  }
}

unsigned Canvas::SetTextAlign(unsigned align) {
  const unsigned previous = state_.TextAlign;
  state_.TextAlign = align;
  return previous;
}

int Canvas::SetTextCharacterExtra(int extra) {
  const int previous = state_.CharacterExtra;
  state_.CharacterExtra = extra;
  return previous;
}

BkMode Canvas::SetBkMode(BkMode mode) {
  const BkMode previous = state_.Background;
  state_.Background = mode;
  return previous;
}

void Canvas::LineTo(int x, int y) {
  const QPoint from = state_.PenPos;
  state_.PenPos = QPoint(x, y);
  PaintLine(from, state_.PenPos);
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) { PaintRectangle(QPoint(x1, y1), QPoint(x2, y2), true); }

void Canvas::FillRect(int x1, int y1, int x2, int y2) { PaintRectangle(QPoint(x1, y1), QPoint(x2, y2), false); }

void Canvas::TextOut(int x, int y, const QString& text) {
  if (!text.isEmpty()) PaintText(QPoint(x, y), text);
}

void Canvas::StretchDraw(int x1, int y1, int x2, int y2, const Picture& picture) {
  if (!picture.isNull()) PaintPicture(QPoint(x1, y1), QPoint(x2, y2), picture);
}

}  // namespace platform
