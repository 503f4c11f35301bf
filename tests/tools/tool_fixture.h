#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "app/shell_fakes.h"
#include "fakes/fake_platform.h"
#include "recording_canvas.h"
#include "render/scene.h"
#include "shape_builders.h"
#include "tools/canvas_event.h"

namespace drawlet::fakes {

// The main canvas of the tool tests: a canvas that answers the hit test like a real one, and
// the editor's full redraw on it.
class SceneSurface : public ToolCanvas {
 public:
  SceneSurface(Session& s, RecordingCanvas& canvas) : s_(s), canvas_(canvas) {}
  bool CanBegin = true;
  std::vector<std::pair<int64_t, int64_t>> Redraws;

  bool BeginDrawing() override { return CanBegin; }
  void EndDrawing() override {}
  void Redraw(int64_t x, int64_t y, CanvasChange) override {
    Redraws.emplace_back(x, y);
    RedrawCanvas(s_.Doc, s_.State, s_.Options, canvas_, s_.View, x, y);
  }

 private:
  Session& s_;
  RecordingCanvas& canvas_;
};

// A session with one object, the tool bar's buttons and the main canvas, at zoom 100.
struct ToolFixture : FakeSession {
  Journal Log;
  FakeControls Controls{Log};
  RecordingCanvas Canvas{800, 600};
  SceneSurface Surface{S, Canvas};
  ToolMemory Memory;
  ToolContext Tools{S, Controls, Surface, Memory, 1.0};

  ToolFixture() {
    for (int64_t id = FirstToolButtonId; id <= LastToolButtonId; ++id) {
      if (id == 6 || id == 8 || id == 18) continue;
      Controls.Items[id].Kind = "6";
    }
    Controls.Items[PointXSpinId].Kind = "0";
    Controls.Items[PointYSpinId].Kind = "0";
  }

  // Replaces the drawing by one object holding these shapes; shape 0 becomes current.
  void Holding(std::initializer_list<Shape> shapes) {
    Doc.Objects = {ObjectWith(shapes)};
    State.HasShapes = 1;
    State.CurrentObject = 0;
    State.CurrentShape = 0;
  }
  Shape& ShapeAt(int64_t i) { return Doc.Objects[0].Shapes[static_cast<size_t>(i)]; }

  void Send(const platform::Event& event) { CanvasEvent(Tools, event); }
  // The tool buttons shown pressed.
  std::vector<int64_t> PressedButtons() {
    std::vector<int64_t> pressed;
    for (int64_t id = FirstToolButtonId; id <= LastToolButtonId; ++id) {
      if (Controls.Exists(id) && Controls.State(id) == 1) pressed.push_back(id);
    }
    return pressed;
  }
};

inline platform::Event CanvasAt(platform::ControlEventType type, int32_t x, int32_t y, int32_t buttons,
                                int32_t modifiers) {
  platform::Event e;
  e.Id = 0;
  e.Type = type;
  e.Input = {.X = x, .Y = y, .Buttons = buttons, .Key = 0, .Modifiers = modifiers};
  return e;
}
inline platform::Event Press(int32_t x, int32_t y, int32_t mods = 0) {
  return CanvasAt(platform::ControlEventType::LeftDown, x, y, platform::ButtonLeft, mods);
}
inline platform::Event Drag(int32_t x, int32_t y, int32_t mods = 0) {
  return CanvasAt(platform::ControlEventType::MouseMove, x, y, platform::ButtonLeft, mods);
}
inline platform::Event Hover(int32_t x, int32_t y, int32_t mods = 0) {
  return CanvasAt(platform::ControlEventType::MouseMove, x, y, 0, mods);
}
inline platform::Event Release(int32_t x, int32_t y, int32_t mods = 0) {
  return CanvasAt(platform::ControlEventType::LeftUp, x, y, 0, mods);
}
inline platform::Event Key(platform::ControlEventType type, int32_t key, int32_t mods) {
  platform::Event e = CanvasAt(type, 0, 0, 0, mods);
  e.Input.Key = key;
  return e;
}
inline platform::Event KeyDown(int32_t key, int32_t mods = 0) {
  return Key(platform::ControlEventType::KeyDown, key, mods);
}
inline platform::Event KeyUp(int32_t key, int32_t mods = 0) { return Key(platform::ControlEventType::KeyUp, key, mods); }
inline platform::Event FocusLost() { return Key(platform::ControlEventType::FocusLost, 0, 0); }

}  // namespace drawlet::fakes
