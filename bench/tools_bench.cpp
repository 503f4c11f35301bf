// One mouse move of a gesture on the editor's cairo canvas, in generated scenes: a Move, Scale
// or Rotate drag of one shape, a point drag, a creation drag and a pan, each the tool step, the
// redraw that follows it and the hand-off of the pixels, beside the full redraw.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "cli/batch_session.h"
#include "document/editor_view.h"
#include "document/session.h"
#include "io/options.h"
#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_images.h"
#include "platform/cairo/pango_fonts.h"
#include "platform/local_files.h"
#include "render/scene.h"
#include "render/scene_renderer.h"
#include "scene_generator.h"
#include "tools/canvas_event.h"

namespace drawlet {
namespace {

using cli::NoDialogs;

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
  void SetInnerSize(int64_t, int64_t, int64_t) override {}
  void CloseContainer() override {}
  bool CreateLabel(const platform::Rect&, const std::string&) override { return false; }
  bool CreateControl(int64_t, platform::ControlKind, const platform::Rect&, const std::string&, int64_t, int64_t,
                     const platform::ImageHandle&) override {
    return false;
  }
  bool CreateCanvas(int64_t, const platform::Rect&) override { return false; }
  bool CreateListCanvas(int64_t, const platform::Rect&) override { return false; }
  bool Exists(int64_t) override { return false; }
  void Remove(int64_t) override {}
  void SetTooltip(int64_t, const std::string&) override {}
  int64_t State(int64_t) override { return 0; }
  void SetState(int64_t, int64_t) override {}
  std::string Text(int64_t) override { return {}; }
  void SetText(int64_t, const std::string&) override {}
  void ClearItems(int64_t) override {}
  void AddItem(int64_t, const std::string&) override {}
  void SetItems(int64_t, const std::vector<std::string>&) override {}
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

// The editor's main canvas without the window: the same cairo canvas and renderer, and the
// image handle the window is given.
class CairoSurface : public ToolCanvas {
 public:
  CairoSurface(Session& s, platform::VectorCanvas& canvas, platform::VectorCanvases& canvases)
      : s_(s), canvas_(canvas), renderer_(canvases, SharedRenderWorkers()) {}
  bool BeginDrawing() override { return canvas_.BeginDrawing(); }
  void EndDrawing() override { canvas_.EndDrawing(); }
  void Redraw(int64_t x, int64_t y, CanvasChange change) override {
    renderer_.Redraw(s_.Doc, s_.State, s_.Options, canvas_, s_.View, x, y, change);
    benchmark::DoNotOptimize(canvas_.DrawnImage());
  }
  int64_t CachedBytes() const { return renderer_.CachedBytes(); }

 private:
  Session& s_;
  platform::VectorCanvas& canvas_;
  SceneRenderer renderer_;
};

enum class Gesture { Move, Scale, Rotate, PointDrag, Creation, CreationOnTop, Pan };

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

  PressedEditor(int64_t shapeCount, Gesture gesture) : Doc(SceneOf(shapeCount)) {
    SetDefaultOptions(Options);
    State.HasShapes = 1;
    State.CurrentShape = -1;
    State.PanMode = gesture == Gesture::Pan ? 1 : 0;
    Canvas = Canvases.Create(SceneWidth, SceneHeight, Options.BgColor);
    if (!Canvas) return;
    Surface = std::make_unique<CairoSurface>(S, *Canvas, Canvases);
    Tools = std::make_unique<ToolContext>(ToolContext{S, Controls, *Surface, Memory, Options.Zoom * 0.01});
    State.Tool = gesture == Gesture::Scale ? ToolScale : gesture == Gesture::Rotate ? ToolRotate : ToolMove;
    if (gesture == Gesture::Creation || gesture == Gesture::CreationOnTop) State.Tool = ToolBox;
    // The new shape goes into the first of the four objects, under three quarters of the shapes,
    // or into the last one, over all of them.
    if (gesture == Gesture::CreationOnTop) State.CurrentObject = LastIndex(Doc.Objects);
    Press(SceneWidth / 2, SceneHeight / 2);
    if (gesture == Gesture::PointDrag && HasCurrentShape(S)) {
      // A second press on the shape's first point drags that point.
      CanvasEvent(*Tools, CanvasAt(platform::ControlEventType::LeftUp, SceneWidth / 2, SceneHeight / 2));
      const ShapePoint& p = CurrentShapeOf(S).Points[0];
      Press(static_cast<int32_t>(p.X + CurrentShapeOf(S).X), static_cast<int32_t>(p.Y + CurrentShapeOf(S).Y));
    }
  }

  void Press(int32_t x, int32_t y) {
    PressX = x;
    PressY = y;
    CanvasEvent(*Tools, CanvasAt(platform::ControlEventType::LeftDown, x, y));
  }

  int32_t PressX = 0;
  int32_t PressY = 0;
};

void DragMove(benchmark::State& state, Gesture gesture) {
  PressedEditor editor(state.range(0), gesture);
  if (!editor.Tools) {
    state.SkipWithError("no cairo canvas");
    return;
  }
  const uint8_t wanted = gesture == Gesture::PointDrag ? 1 : 2;
  const bool creation = gesture == Gesture::Creation || gesture == Gesture::CreationOnTop;
  if (gesture != Gesture::Pan && !creation && editor.State.TransformState != wanted) {
    state.SkipWithError("the press took no shape for the gesture");
    return;
  }
  // A creation drag's first move makes the shape; the moves after it are the drag.
  if (creation) {
    CanvasEvent(*editor.Tools, CanvasAt(platform::ControlEventType::MouseMove, editor.PressX + 3, editor.PressY + 2));
  }
  int32_t step = 0;
  for (auto _ : state) {
    step = step % 8 + 1;
    CanvasEvent(*editor.Tools, CanvasAt(platform::ControlEventType::MouseMove, editor.PressX + 6 * step,
                                        editor.PressY + 3 * step));
  }
  state.counters["cache MB"] = static_cast<double>(editor.Surface->CachedBytes()) / 1e6;
}

void MoveDrag(benchmark::State& state) { DragMove(state, Gesture::Move); }
void ScaleDrag(benchmark::State& state) { DragMove(state, Gesture::Scale); }
void RotateDrag(benchmark::State& state) { DragMove(state, Gesture::Rotate); }
void PointDrag(benchmark::State& state) { DragMove(state, Gesture::PointDrag); }
void CreationDrag(benchmark::State& state) { DragMove(state, Gesture::Creation); }
void CreationDragOnTop(benchmark::State& state) { DragMove(state, Gesture::CreationOnTop); }
void PanMove(benchmark::State& state) { DragMove(state, Gesture::Pan); }

// 100,000 shapes of which every hundredth stays on the canvas and the others lie far to its right.
Document MostlyOutOfView() {
  Document doc = SceneOf(100000);
  int64_t index = 0;
  for (ObjectLayer& object : doc.Objects) {
    for (Shape& shape : object.Shapes) {
      if (index++ % 100 == 0) continue;
      for (ShapePoint& p : shape.Points) p.X += 20000;
    }
  }
  return doc;
}

// The full redraw of the same scenes, on one thread and on every core; shape count 0 stands for
// the 100,000 shapes with 1,000 in view.
void FullRedraw(benchmark::State& state) {
  Document doc = state.range(0) == 0 ? MostlyOutOfView() : SceneOf(state.range(0));
  EditorState editor;
  editor.HasShapes = 1;
  editor.HitState = 1;
  sVdOptions options;
  SetDefaultOptions(options);
  platform::CairoCanvases canvases;
  const auto canvas = canvases.Create(SceneWidth, SceneHeight, options.BgColor);
  RenderWorkers workers(static_cast<int>(state.range(1)));
  NullView view;
  for (auto _ : state) RedrawCanvas(doc, editor, options, *canvas, view, 0, 0, workers);
}

#define DRAWLET_GESTURE(name) \
  BENCHMARK(name)->Arg(1000)->Arg(10000)->Arg(100000)->Repetitions(3)->UseRealTime()->Unit(benchmark::kMillisecond)
DRAWLET_GESTURE(MoveDrag);
DRAWLET_GESTURE(ScaleDrag);
DRAWLET_GESTURE(RotateDrag);
DRAWLET_GESTURE(PointDrag);
DRAWLET_GESTURE(CreationDrag);
DRAWLET_GESTURE(CreationDragOnTop);
BENCHMARK(PanMove)->Arg(10000)->Repetitions(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(FullRedraw)->Args({10000, 1})->Args({10000, 2})->Args({1000, 2})->Args({0, 2})->Repetitions(3)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drawlet

BENCHMARK_MAIN();
