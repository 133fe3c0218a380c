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

void RecordingCanvas::PaintLine(QPoint from, QPoint to) {
  ops_.push_back(RecordedOp{CanvasOp::Line, from, to, {}, {}, {}, state()});
}

void RecordingCanvas::PaintRectangle(QPoint p1, QPoint p2, bool outline) {
  ops_.push_back(RecordedOp{outline ? CanvasOp::Rectangle : CanvasOp::FillRect, p1, p2, {}, {}, {}, state()});
}

void RecordingCanvas::PaintText(QPoint at, const QString& text) {
  ops_.push_back(RecordedOp{CanvasOp::Text, at, at, text, {}, {}, state()});
}

void RecordingCanvas::PaintPicture(QPoint p1, QPoint p2, const Picture& picture) {
  ops_.push_back(RecordedOp{CanvasOp::Picture, p1, p2, {}, picture.FileName, picture.Image.size(), state()});
}

}  // namespace platform
