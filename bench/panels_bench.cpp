// The editor's load with its real panels beside the command-line tool's load of the same
// document, and the refill of a shape list of 100,000 names.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "app/app.h"
#include "app/main_window.h"
#include "cli/batch_session.h"
#include "document/document_file_ops.h"
#include "document/object_ops.h"
#include "document_generator.h"
#include "io/document_format.h"
#include "panels/shape_panel.h"
#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_images.h"
#include "platform/cairo/cairo_raster_canvas.h"
#include "platform/cairo/pango_fonts.h"
#include "platform/local_files.h"
#include "platform/qt/qt_platform.h"

namespace drawlet {
namespace {

constexpr int64_t ShapeCount = 100000;

const std::string& TheBenchFile() {
  static const std::string path = [] {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("drawlet_bench_panels." + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "drawing.txt").string();
    platform::LocalFiles().WriteText(file, WriteDocumentText(GenerateDocument(ShapeCount)));
    return file;
  }();
  return path;
}

// The Qt side offscreen, made once: Qt allows one application object per process.
platform::QtPlatform& Qt() {
  static int argc = 1;
  static char name[] = "drawlet_bench_panels";
  static char* argv[] = {name, nullptr};
  static platform::QtPlatform* qt = [] {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return new platform::QtPlatform(argc, argv);
  }();
  return *qt;
}

// The editor as start-up makes it, without the tip: window, panels, canvas and first object.
struct EditorRig {
  platform::QtPlatform& Q = Qt();
  platform::LocalFiles Files;
  platform::PangoFonts Fonts;
  platform::CairoImages Images;
  platform::CairoCanvases Canvases;
  platform::CairoRasterCanvases Rasters;
  App Editor{AppPorts{Q.Window, Q.Menus, Q.Controls, Q.Loop, Files, Q.Dialogs, Q.Messages, Fonts, Images, Canvases,
                      Q.Clock, Q.Random, Q.Shell, Rasters}};
  EditorRig() {
    SetDefaultOptions(Editor.Options);
    Editor.Options.PanelW = 150;
    Editor.Options.ToolBarH = 30;
    Q.Window.Open(1024, 768, AppTitle);
    InitDocument(Editor.S);
    BuildLeftPanel(Editor);
    CreateMainCanvas(Editor);
    BuildRightPanel(Editor);
    LayoutMainWindow(Editor);
    AddObject(Editor.S, 0);
  }
};

EditorRig& TheEditor() {
  static EditorRig* editor = new EditorRig;
  return *editor;
}

void CliLoad(benchmark::State& state) {
  const std::string& path = TheBenchFile();
  std::ostringstream err;
  for (auto _ : state) {
    state.PauseTiming();
    auto batch = std::make_unique<cli::BatchSession>(err);
    InitDocument(batch->S);
    AddObject(batch->S, 0);
    state.ResumeTiming();
    LoadDocument(batch->S, LoadMode::Load, path, false);
    state.PauseTiming();
    batch.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(CliLoad)->UseRealTime()->Unit(benchmark::kMillisecond);

// The editor's load with the panels' refreshes, from a fresh drawing as the command-line tool's.
void EditorLoadPanels(benchmark::State& state) {
  const std::string& path = TheBenchFile();
  EditorRig& editor = TheEditor();
  for (auto _ : state) {
    state.PauseTiming();
    NewDocument(editor.Editor.S);
    QApplication::processEvents();
    state.ResumeTiming();
    LoadDocument(editor.Editor.S, LoadMode::Load, path, false);
    QApplication::processEvents();
  }
  state.counters["listed"] = static_cast<double>(editor.Q.Controls.ItemCount(ShapeListId));
}
BENCHMARK(EditorLoadPanels)->UseRealTime()->Unit(benchmark::kMillisecond);

// Ctrl+O in the editor as a whole: dropping the drawing shown, the load, the panels' refreshes
// and the redraw of the main canvas with every shape.
void EditorLoad(benchmark::State& state) {
  const std::string& path = TheBenchFile();
  EditorRig& editor = TheEditor();
  for (auto _ : state) {
    LoadDocument(editor.Editor.S, LoadMode::Load, path, true);
    QApplication::processEvents();
  }
  state.counters["listed"] = static_cast<double>(editor.Q.Controls.ItemCount(ShapeListId));
}
BENCHMARK(EditorLoad)->UseRealTime()->Unit(benchmark::kMillisecond);

// The shape list of one object that holds every shape.
void RefillShapeList100k(benchmark::State& state) {
  EditorRig& editor = TheEditor();
  App& app = editor.Editor;
  app.Doc.Objects.assign(1, ObjectLayer{});
  app.Doc.Objects[0].Shapes.resize(ShapeCount);
  for (int64_t i = 0; i < ShapeCount; ++i) {
    app.Doc.Objects[0].Shapes[static_cast<size_t>(i)].Name = "Box_" + std::to_string(i);
  }
  app.Doc.Objects[0].HasShape = 1;
  app.State.CurrentObject = 0;
  app.State.HasShapes = 1;
  for (auto _ : state) app.View.RefillShapeList();
  if (editor.Q.Controls.ItemCount(ShapeListId) != ShapeCount) state.SkipWithError("the list misses names");
}
BENCHMARK(RefillShapeList100k)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drawlet

BENCHMARK_MAIN();
