#pragma once

#include <QFrame>
#include <QImage>
#include <cstdint>

#include "platform/image.h"
#include "platform/input.h"
#include "platform/qt/event_router.h"

namespace drawlet::platform {

// A drawing surface with a sunken border that shows an image's pixels in place and reports
// the left button, mouse moves, keys without their auto-repeats and the loss of the keyboard
// focus as control events of its id, in canvas pixels (the origin is the top-left corner
// inside the border). Qt keeps the mouse on it while a button is held, and every left press
// is followed by its release.
class CanvasWidget : public QFrame {
 public:
  // A borderless canvas draws from its very edge and never takes the keyboard focus.
  CanvasWidget(int64_t id, EventRouter& router, QWidget* parent, bool borderless = false);

  // Shows the image from now on and paints it at once; the pixels are not copied.
  void Show(const ImageHandle& image);
  // The shown pixels wrapped as a QImage over the image's own buffer; null without an image.
  QImage Frame() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Tab is a key of the canvas, not a move of the focus.
  bool focusNextPrevChild(bool next) override;

 private:
  void Report(ControlEventType type, const QPoint& position, Qt::MouseButtons buttons, int32_t key,
              int32_t modifiers);
  void ReportMouse(ControlEventType type, const QMouseEvent& event);
  // Reports the release of a press whose release went elsewhere.
  void ReportLostRelease(const QMouseEvent& event);

  int64_t id_;
  EventRouter& router_;
  ImageHandle image_;
  bool leftHeld_ = false;
};

}  // namespace drawlet::platform
