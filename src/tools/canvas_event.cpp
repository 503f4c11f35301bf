#include "tools/canvas_event.h"

#include <cmath>

#include "tools/creation_tools.h"
#include "tools/gesture_step.h"
#include "tools/pan_tool.h"
#include "tools/point_tools.h"
#include "tools/transform_tools.h"

namespace drawlet {

namespace {

using platform::ControlEventType;

constexpr uint8_t LastEditingTool = 7;

int64_t RoundToEven(double v) { return static_cast<int64_t>(std::nearbyint(v)); }

// A size below 1 cannot come from the tool bar; it snaps like 1 rather than divide by zero.
int64_t Snapped(int64_t v, int64_t size) {
  const int64_t step = size < 1 ? 1 : size;
  return v / step * step;
}

// Editing needs a real shape, not the placeholder slot of an object without shapes.
bool HasEditableShape(Session& s) { return HasCurrentShape(s) && CurrentObjectOf(s).HasShape == 1; }

void EditingPressStep(ToolContext& c, int64_t mx, int64_t dx, int64_t dy) {
  switch (c.S.State.Tool) {
    case ToolMove:
    case ToolDeletePoint:
      PointHitPressStep(c, dx, dy);
      break;
    case ToolAddPoint:
      AddPointPressStep(c, dx, dy);
      break;
    case ToolScale:
    case ToolRotate:
      TransformPressStep(c, mx);
      break;
    default:
      break;
  }
}

// Returns whether this event started a gesture.
bool ToolSteps(ToolContext& c, bool press, int64_t mx, int64_t my) {
  EditorState& state = c.S.State;
  const sVdOptions& options = c.S.Options;
  int64_t dx = mx - state.ViewOffsetX;
  int64_t dy = my - state.ViewOffsetY;
  bool started = false;
  if (press && state.MouseDown == 0) {
    BeginGestureStep(c.S);
    state.PanGrabX = dx;
    state.PanGrabY = dy;
    state.MouseDown = 1;
    state.TransformState = 0;
    started = true;
    if (state.Tool > LastEditingTool) {
      state.CreateState = 1;
      c.Memory.PressX = dx;
      c.Memory.PressY = dy;
    } else if (HasEditableShape(c.S)) {
      EditingPressStep(c, mx, dx, dy);
    }
  }
  if (HasEditableShape(c.S) && state.Tool <= LastEditingTool) {
    if (options.Snap == 1) {
      dx = Snapped(dx, options.SnapX);
      dy = Snapped(dy, options.SnapY);
    }
    if (state.TransformState == 1) {
      PointDragStep(c, dx, dy);
    } else if (state.TransformState == 2) {
      if (options.Snap != 0) {
        mx = Snapped(mx, options.SnapX);
        my = Snapped(my, options.SnapY);
        // The redraw records the Move tool's grab offsets again at its position; at the snapped
        // one they stay as the press set them, so the shape keeps to the snap steps.
        c.Memory.LastX = mx;
        c.Memory.LastY = my;
      }
      TransformStep(c, mx, my);
    }
  } else if (state.CreateState == 1) {
    CreationStep(c);
  } else if (state.CreateState == 2) {
    CreationDragStep(c, dx, dy);
  }
  return started;
}

// The press's redraw may have added shapes to the gesture; they start from where they stand.
void JoinShapesOfThePress(ToolContext& c, int64_t mx, int64_t my) {
  const EditorState& state = c.S.State;
  if (state.TransformState != 2 || !HasEditableShape(c.S)) return;
  if (state.Tool == ToolScale || state.Tool == ToolRotate) TransformPressStep(c, mx);
  if (state.Tool == ToolMove) RecordCurrentGrabOffsets(c, mx, my);
}

void QualifyingEvent(ToolContext& c, bool press, const platform::CanvasInput& input) {
  EditorState& state = c.S.State;
  bool started = false;
  bool panning = false;
  if (c.Canvas.BeginDrawing()) {
    const int64_t mx = RoundToEven(input.X / c.ZoomFactor);
    const int64_t my = RoundToEven(input.Y / c.ZoomFactor);
    c.Memory.LastX = mx;
    c.Memory.LastY = my;
    panning = state.PanMode == 1;
    if (panning) {
      PanStep(c, press, mx, my);
    } else {
      started = ToolSteps(c, press, mx, my);
    }
    c.Canvas.EndDrawing();
  }
  if (state.TransformState != 0 || state.MouseDown == 1 || c.Memory.RedrawRequest == 1) {
    c.Memory.RedrawRequest = 0;
    // A press may have changed anything; a move changes only the shapes of its gesture, or the
    // view offset when it pans.
    const CanvasChange change = press      ? CanvasChange::Anything
                                : panning ? CanvasChange::ViewOffset
                                          : CanvasChange::GestureShapes;
    c.Canvas.Redraw(c.Memory.LastX, c.Memory.LastY, change);
    if (started) {
      JoinTransformedShapes(c.S);
      JoinShapesOfThePress(c, c.Memory.LastX, c.Memory.LastY);
    }
  }
}

void Release(ToolContext& c) {
  EditorState& state = c.S.State;
  EndGestureStep(c.S);
  // The panels wait through a drag; once it ends they show what it made of the current shape.
  const bool edited = state.CreateState != 0 || state.TransformState != 0;
  state.TransformState = 0;
  state.HitState = 0;
  state.MouseDown = 0;
  if (state.CreateState != 0) {
    state.CreateState = 0;
    state.Tool = ToolMove;
    ShowToolButtonPressed(c.Controls, ToolButtonOf(ToolMove));
  }
  if (edited && HasCurrentShape(c.S)) c.S.View.LoadPropertyControls();
}

bool IsMouseEvent(ControlEventType type) {
  return type == ControlEventType::LeftDown || type == ControlEventType::LeftUp ||
         type == ControlEventType::MouseMove || type == ControlEventType::LeftDoubleClick;
}

}  // namespace

void CanvasEvent(ToolContext& c, const platform::Event& event) {
  EditorState& state = c.S.State;
  const platform::CanvasInput& input = event.Input;
  // Shift released over another control or window must not turn later clicks into Shift-clicks.
  if (IsMouseEvent(event.Type)) state.ShiftDown = (input.Modifiers & platform::ModShift) != 0 ? 1 : 0;
  switch (event.Type) {
    case ControlEventType::KeyDown:
      if ((input.Modifiers & platform::ModShift) != 0) state.ShiftDown = 1;
      if (input.Key == platform::Key::Space) state.PanMode = 1;
      break;
    case ControlEventType::KeyUp:
      if (input.Key == platform::Key::Space) state.PanMode = 0;
      if (input.Key == platform::Key::Shift) state.ShiftDown = 0;
      break;
    case ControlEventType::FocusLost:
      state.PanMode = 0;
      state.ShiftDown = 0;
      break;
    case ControlEventType::LeftDown:
      QualifyingEvent(c, true, input);
      break;
    case ControlEventType::MouseMove:
      if ((input.Buttons & platform::ButtonLeft) != 0) QualifyingEvent(c, false, input);
      break;
    case ControlEventType::LeftUp:
      Release(c);
      break;
    default:
      break;
  }
}

void ShowToolButtonPressed(platform::Controls& controls, int64_t buttonId) {
  for (int64_t id = FirstToolButtonId; id <= LastToolButtonId; ++id) {
    if (controls.Exists(id)) controls.SetState(id, 0);
  }
  if (controls.Exists(buttonId)) controls.SetState(buttonId, 1);
}

void ToolButtonClicked(ToolContext& c, int64_t buttonId) {
  if (buttonId < FirstToolButtonId || buttonId > LastToolButtonId) return;
  c.S.State.Tool = static_cast<uint8_t>(buttonId - FirstToolButtonId);
  ShowToolButtonPressed(c.Controls, buttonId);
  if (c.S.State.Tool == ToolRoundBox) {
    c.S.Messages.Show("Info", "These tool doesn't work for the moment", platform::MessageIcon::Info);
  }
}

}  // namespace drawlet
