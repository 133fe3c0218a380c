#include "platform/RecordingCanvas.h"

namespace platform {

std::vector<RecordedOp> RecordingCanvas::opsOf(CanvasOp op) const {
  std::vector<RecordedOp> out;
  for (const RecordedOp& r : ops_)
    if (r.Op == op) out.push_back(r);
  return out;
}

const RecordedOp* RecordingCanvas::findText(const QString& text) const {
  for (const RecordedOp& r : ops_)
    if (r.Op == CanvasOp::Text && r.Text == text) return &r;
  return nullptr;
}

CanvasState RecordingCanvas::recordedState() const {
  CanvasState s = state();
  s.TextDpi = TextResolution();
  return s;
}

void RecordingCanvas::PaintLine(QPoint from, QPoint to) {
  ops_.push_back(RecordedOp{CanvasOp::Line, from, to, {}, {}, {}, recordedState(), {}});
}

void RecordingCanvas::PaintRectangle(QPoint p1, QPoint p2, bool outline) {
  ops_.push_back(
      RecordedOp{outline ? CanvasOp::Rectangle : CanvasOp::FillRect, p1, p2, {}, {}, {}, recordedState(), {}});
}

void RecordingCanvas::PaintText(QPoint at, const QString& text) {
  ops_.push_back(RecordedOp{CanvasOp::Text, at, at, text, {}, {}, recordedState(), {}});
}

void RecordingCanvas::PaintPicture(QPoint p1, QPoint p2, const Picture& picture) {
  ops_.push_back(
      RecordedOp{CanvasOp::Picture, p1, p2, {}, picture.FileName, picture.Image.size(), recordedState(),
                 picture.Image});
}

void Replay(const RecordedOp& op, Canvas& onto, const DeviceCaps& drawnFor) {
  onto.state_ = op.State;
  const int toX = onto.GetDeviceCaps(DeviceCap::LogPixelsX);
  const int toY = onto.GetDeviceCaps(DeviceCap::LogPixelsY);
  if ((toX != drawnFor.LogPixelsX || toY != drawnFor.LogPixelsY) && drawnFor.LogPixelsX > 0 &&
      drawnFor.LogPixelsY > 0) {
    // The same logical units on a device of another resolution.
    CanvasState& s = onto.state_;
    s.Mapping = MapMode::Anisotropic;
    s.WindowExt = QSize(s.WindowExt.width() * drawnFor.LogPixelsX, s.WindowExt.height() * drawnFor.LogPixelsY);
    s.ViewportExt = QSize(s.ViewportExt.width() * toX, s.ViewportExt.height() * toY);
  }
  switch (op.Op) {
    case CanvasOp::Line:
      onto.PaintLine(op.P1, op.P2);
      break;
    case CanvasOp::Rectangle:
    case CanvasOp::FillRect:
      onto.PaintRectangle(op.P1, op.P2, op.Op == CanvasOp::Rectangle);
      break;
    case CanvasOp::Text:
      onto.PaintText(op.P1, op.Text);
      break;
    case CanvasOp::Picture:
      onto.PaintPicture(op.P1, op.P2, Picture{op.PictureImage, op.PictureFile});
      break;
  }
}

}  // namespace platform
