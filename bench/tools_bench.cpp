// One mouse move of a gesture on the editor's cairo canvas: a Move-tool drag of one shape and
// a pan, each the tool step and the full redraw that follows it, in generated scenes.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "document/editor_view.h"
#include "document/session.h"
#include "io/options.h"
#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_images.h"
#include "platform/cairo/pango_fonts.h"
#include "platform/local_files.h"
#include "render/scene.h"
#include "scene_generator.h"
#include "tools/canvas_event.h"

namespace drawlet {
namespace {

class NoDialogs : public platform::Dialogs {
 public:
  std::string OpenFile(const std::string&, const std::string&, const std::string&, int) override { return {}; }
  std::string SaveFile(const std::string&, const std::string&, const std::string&, int) override { return {}; }
  std::string Input(const std::string&, const std::string&, const std::string&) override { return {}; }
  int64_t Color(int64_t) override { return -1; }
  std::optional<platform::FontChoice> Font(const platform::FontChoice&) override { return std::nullopt; }
};

class NoMessages : public platform::MessageBoxes {
 public:
  void Show(const std::string&, const std::string&, platform::MessageIcon) override {}
};

// The tool bar and panels are not part of a drag's cost.
class NoControls : public platform::Controls {
 public:
  bool CreateContainer(int64_t, const platform::Rect&) override { return false; }
  bool CreateTabbedPanel(int64_t, const platform::Rect&) override { return false; }
  bool AddTab(int64_t, const std::string&) override { return false; }
  bool CreateFrame(int64_t, const platform::Rect&, const std::string&) override { return false; }
  bool CreateScrollArea(int64_t, const platform::Rect&, int64_t, int64_t) override { return false; }
  void CloseContainer() override {}
  bool CreateLabel(const platform::Rect&, const std::string&) override { return false; }
  bool CreateControl(int64_t, platform::ControlKind, const platform::Rect&, const std::string&, int64_t, int64_t,
                     const platform::ImageHandle&) override {
    return false;
  }
  bool CreateCanvas(int64_t, const platform::Rect&) override { return false; }
  bool Exists(int64_t) override { return false; }
  void Remove(int64_t) override {}
  void SetTooltip(int64_t, const std::string&) override {}
  int64_t State(int64_t) override { return 0; }
  void SetState(int64_t, int64_t) override {}
  std::string Text(int64_t) override { return {}; }
  void SetText(int64_t, const std::string&) override {}
  void ClearItems(int64_t) override {}
  void AddItem(int64_t, const std::string&) override {}
  int64_t ItemCount(int64_t) override { return 0; }
  bool ItemSelected(int64_t, int64_t) override { return false; }
  void SelectItem(int64_t, int64_t, bool) override {}
  void Enable(int64_t, bool) override {}
  void Hide(int64_t, bool) override {}
  platform::Rect Geometry(int64_t) override { return {}; }
  void SetGeometry(int64_t, const platform::Rect&) override {}
  void SetFocus(int64_t) override {}
  void ShowImage(int64_t, const platform::ImageHandle&) override {}
};

// The editor's main canvas without the window: the same cairo canvas and full redraw.
class CairoSurface : public ToolCanvas {
 public:
  CairoSurface(Session& s, platform::VectorCanvas& canvas) : s_(s), canvas_(canvas) {}
  bool BeginDrawing() override { return canvas_.BeginDrawing(); }
  void EndDrawing() override { canvas_.EndDrawing(); }
  void Redraw(int64_t x, int64_t y) override { RedrawCanvas(s_.Doc, s_.State, s_.Options, canvas_, s_.View, x, y); }

 private:
  Session& s_;
  platform::VectorCanvas& canvas_;
};

const Document& SceneOf(int64_t shapeCount) {
  static std::map<int64_t, Document> scenes;
  auto [it, fresh] = scenes.try_emplace(shapeCount);
  if (fresh) it->second = GenerateScene(shapeCount);
  return it->second;
}

platform::Event CanvasAt(platform::ControlEventType type, int32_t x, int32_t y) {
  platform::Event e;
  e.Type = type;
  e.Input.X = x;
  e.Input.Y = y;
  e.Input.Buttons = platform::ButtonLeft;
  return e;
}

// An editor holding a generated scene, pressed at the middle of the canvas.
struct PressedEditor {
  Document Doc;
  EditorState State;
  sVdOptions Options;
  platform::LocalFiles Files;
  NoDialogs Dialogs;
  NoMessages Messages;
  platform::PangoFonts Fonts;
  platform::CairoImages Images;
  NullView View;
  Session S{Doc, State, Options, Files, Dialogs, Messages, Fonts, Images, View};
  NoControls Controls;
  platform::CairoCanvases Canvases;
  std::unique_ptr<platform::VectorCanvas> Canvas;
  std::unique_ptr<CairoSurface> Surface;
  ToolMemory Memory;
  std::unique_ptr<ToolContext> Tools;

  PressedEditor(int64_t shapeCount, bool pan) : Doc(SceneOf(shapeCount)) {
    SetDefaultOptions(Options);
    State.HasShapes = 1;
    State.CurrentShape = -1;
    State.PanMode = pan ? 1 : 0;
    Canvas = Canvases.Create(SceneWidth, SceneHeight, Options.BgColor);
    if (!Canvas) return;
    Surface = std::make_unique<CairoSurface>(S, *Canvas);
    Tools = std::make_unique<ToolContext>(ToolContext{S, Controls, *Surface, Memory, Options.Zoom * 0.01});
    CanvasEvent(*Tools, CanvasAt(platform::ControlEventType::LeftDown, SceneWidth / 2, SceneHeight / 2));
  }
};

void DragMove(benchmark::State& state, bool pan) {
  PressedEditor editor(state.range(0), pan);
  if (!editor.Tools) {
    state.SkipWithError("no cairo canvas");
    return;
  }
  if (!pan && editor.State.TransformState != 2) {
    state.SkipWithError("the press hit no shape");
    return;
  }
  int32_t step = 0;
  for (auto _ : state) {
    step = (step + 1) % 2;
    CanvasEvent(*editor.Tools,
                CanvasAt(platform::ControlEventType::MouseMove, SceneWidth / 2 + 10 * step, SceneHeight / 2 + 5 * step));
  }
}

void MoveToolDragMove(benchmark::State& state) { DragMove(state, false); }
void PanMove(benchmark::State& state) { DragMove(state, true); }

BENCHMARK(MoveToolDragMove)->Arg(1000)->Arg(10000)->Repetitions(5)->Unit(benchmark::kMillisecond);
BENCHMARK(PanMove)->Arg(1000)->Arg(10000)->Repetitions(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drawlet

BENCHMARK_MAIN();
