#include "platform/qt/canvas_widget.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/key_codes.h"

namespace drawlet::platform {

CanvasWidget::CanvasWidget(int64_t id, EventRouter& router, QWidget* parent, bool borderless)
    : QFrame(parent), id_(id), router_(router) {
  setFrameStyle(borderless ? QFrame::NoFrame : QFrame::Panel | QFrame::Sunken);
  setFocusPolicy(borderless ? Qt::NoFocus : Qt::ClickFocus);
  setMouseTracking(true);
}

void CanvasWidget::Show(const ImageHandle& image) {
  image_ = image;
  repaint();
}

QImage CanvasWidget::Frame() const {
  if (!image_) return {};
  const PixelRows rows = image_->Pixels();
  if (rows.Data == nullptr) return {};
  // The const constructor shares the buffer; painting reads it without detaching.
  return QImage(rows.Data, rows.Width, rows.Height, rows.Stride, QImage::Format_ARGB32_Premultiplied);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  const QImage frame = Frame();
  if (frame.isNull()) return;
  QPainter painter(this);
  painter.setClipRect(contentsRect());
  painter.drawImage(contentsRect().topLeft(), frame);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  ReportLostRelease(*event);
  leftHeld_ = true;
  ReportMouse(ControlEventType::LeftDown, *event);
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  leftHeld_ = false;
  ReportMouse(ControlEventType::LeftUp, *event);
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!event->buttons().testFlag(Qt::LeftButton)) ReportLostRelease(*event);
  ReportMouse(ControlEventType::MouseMove, *event);
}

void CanvasWidget::ReportLostRelease(const QMouseEvent& event) {
  // A dialog opened by the press takes the release; the tools still need the end of the gesture.
  if (!leftHeld_) return;
  leftHeld_ = false;
  Report(ControlEventType::LeftUp, event.position().toPoint(), Qt::NoButton, 0, ModifierBits(event.modifiers()));
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // Qt turns the second press into the double click; it is still a press, so the release
  // that follows has its press.
  mousePressEvent(event);
  ReportMouse(ControlEventType::LeftDoubleClick, *event);
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
  // A held key repeats as release and press pairs; the tools see one press and one release.
  if (event->isAutoRepeat()) return;
  Report(ControlEventType::KeyDown, mapFromGlobal(QCursor::pos()), QApplication::mouseButtons(),
         VirtualKey(*event), ModifierBitsAfter(*event));
}

void CanvasWidget::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat()) return;
  Report(ControlEventType::KeyUp, mapFromGlobal(QCursor::pos()), QApplication::mouseButtons(), VirtualKey(*event),
         ModifierBitsAfter(*event));
}

void CanvasWidget::focusOutEvent(QFocusEvent* event) {
  QFrame::focusOutEvent(event);
  // Keys released while another control or window has the focus never reach the canvas.
  Report(ControlEventType::FocusLost, mapFromGlobal(QCursor::pos()), QApplication::mouseButtons(), 0,
         ModifierBits(QApplication::queryKeyboardModifiers()));
}

bool CanvasWidget::focusNextPrevChild(bool) { return false; }

void CanvasWidget::Report(ControlEventType type, const QPoint& position, Qt::MouseButtons buttons, int32_t key,
                          int32_t modifiers) {
  const QPoint canvas = position - contentsRect().topLeft();
  router_.Deliver(ControlEvent(id_, type,
                               {.X = canvas.x(),
                                .Y = canvas.y(),
                                .Buttons = buttons.testFlag(Qt::LeftButton) ? ButtonLeft : 0,
                                .Key = key,
                                .Modifiers = modifiers}));
}

void CanvasWidget::ReportMouse(ControlEventType type, const QMouseEvent& event) {
  Report(type, event.position().toPoint(), event.buttons(), 0, ModifierBits(event.modifiers()));
}

}  // namespace drawlet::platform
