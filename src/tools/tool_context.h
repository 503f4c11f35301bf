#pragma once

#include <cstdint>
#include <vector>

#include "document/session.h"
#include "render/scene_renderer.h"
#include "platform/controls.h"

namespace drawlet {

// The tool buttons' control ids: a tool's button is its id plus 2.
inline constexpr int64_t FirstToolButtonId = 2;
inline constexpr int64_t LastToolButtonId = 18;
constexpr int64_t ToolButtonOf(uint8_t tool) { return tool + FirstToolButtonId; }

// The shape panel's point spin boxes, which a point drag keeps up to date.
inline constexpr int64_t PointXSpinId = 56;
inline constexpr int64_t PointYSpinId = 57;

struct PointPosition {
  int64_t X = 0;
  int64_t Y = 0;
};

// A transformed shape's Scale and Angle when the gesture was pressed.
struct TransformStart {
  double Scale = 0;
  int16_t Angle = 0;
};

// What the tools remember from one event to the next during a gesture; each press sets what
// its gesture reads.
struct ToolMemory {
  int64_t PressX = 0;
  int64_t PressY = 0;
  int64_t EditPoint = 0;
  bool CreationMade = false;
  int64_t DragStart = 0;
  std::vector<TransformStart> Starts;  // by shape index in the current object
  PointPosition PointStart;
  PointPosition NextStart;
  PointPosition PrevStart;
  uint8_t RedrawRequest = 0;
  // The view position of the last event whose tool steps ran.
  int64_t LastX = 0;
  int64_t LastY = 0;
};

// The main canvas as the tools see it: drawing around a tool step, and the one full redraw.
class ToolCanvas {
 public:
  virtual ~ToolCanvas() = default;
  // Opens the canvas for drawing around the tool steps of an event; false when it cannot.
  virtual bool BeginDrawing() = 0;
  virtual void EndDrawing() = 0;
  // Repaints the canvas; (x, y) in view units is the mouse for the click selection, and change
  // says what the tool step may have changed since the last redraw.
  virtual void Redraw(int64_t x, int64_t y, CanvasChange change) = 0;
};

// Everything a tool step works on.
struct ToolContext {
  Session& S;
  platform::Controls& Controls;
  ToolCanvas& Canvas;
  ToolMemory& Memory;
  double ZoomFactor;
};

// Whether shape index of the current object belongs to the shapes a tool works on.
inline bool InTransformedSet(const EditorState& state, int64_t index, const Shape& shape) {
  return index == state.CurrentShape || shape.Selected == 1;
}

}  // namespace drawlet
