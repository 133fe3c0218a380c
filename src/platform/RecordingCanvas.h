#pragma once
// A canvas that draws nothing and keeps every drawing operation together with
// the state it was drawn in, so tests can check what a page routine drew.
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

#include "platform/Canvas.h"

namespace platform {

enum class CanvasOp { Line, Rectangle, FillRect, Text, Picture };

struct RecordedOp {
  CanvasOp Op;
  QPoint P1;  // start of a line, first corner, text position
  QPoint P2;  // end of a line, second corner
  QString Text;
  QString PictureFile;
  QSize PictureSize;
  CanvasState State;  // its TextDpi the resolution in force, never 0
  QImage PictureImage;
};

// Draws the operation, recorded on a canvas of the device drawnFor, on
// another canvas in the state it was recorded in, at the same size.
void Replay(const RecordedOp& op, Canvas& onto, const DeviceCaps& drawnFor);

class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas() = default;
  explicit RecordingCanvas(const DeviceCaps& caps) : caps_(caps) {}

  void SetDeviceCaps(const DeviceCaps& caps) { caps_ = caps; }
  int GetDeviceCaps(DeviceCap cap) const override { return caps_.get(cap); }

  const std::vector<RecordedOp>& ops() const { return ops_; }
  std::vector<RecordedOp> opsOf(CanvasOp op) const;
  // The first text operation with exactly this text, or nullptr.
  const RecordedOp* findText(const QString& text) const;
  void clear() { ops_.clear(); }

 protected:
  void PaintLine(QPoint from, QPoint to) override;
  void PaintRectangle(QPoint p1, QPoint p2, bool outline) override;
  void PaintText(QPoint at, const QString& text) override;
  void PaintPicture(QPoint p1, QPoint p2, const Picture& picture) override;

 private:
  CanvasState recordedState() const;

  DeviceCaps caps_;
  std::vector<RecordedOp> ops_;
};

}  // namespace platform
