// A full canvas redraw of generated scenes beside its floor (the same paths drawn straight
// with cairo), the command-line export beside rsvg-convert drawing the same scene from SVG, and
// the command-line SVG and PDF exports beside the PNG export.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cairo_floor.h"
#include "model/editor_state.h"
#include "document/editor_view.h"
#include "io/document_format.h"
#include "io/options.h"
#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_images.h"
#include "platform/local_files.h"
#include "render/scene.h"
#include "scene_generator.h"

extern char** environ;

namespace drawlet {
namespace {

// The mouse of the click in view units: the middle of the canvas, where shapes are thick.
inline constexpr int64_t HitX = SceneWidth / 2;
inline constexpr int64_t HitY = SceneHeight / 2;
inline constexpr int64_t ExportShapeCount = 10000;
inline constexpr double RedrawTarget = 1.15;

const Document& SceneOf(int64_t shapeCount) {
  static std::map<int64_t, Document> scenes;
  auto [it, fresh] = scenes.try_emplace(shapeCount);
  if (fresh) it->second = GenerateScene(shapeCount);
  return it->second;
}

sVdOptions DefaultOptions() {
  sVdOptions options;
  SetDefaultOptions(options);
  return options;
}

// The editor right after a press on the canvas, so every redraw runs the hit test.
void PressAgain(EditorState& editor) {
  editor.HasShapes = 1;
  editor.HitState = 0;
  editor.TransformState = 0;
  editor.CreateState = 0;
}

void SetShapeRate(benchmark::State& state, int64_t shapeCount) {
  state.counters["shapes/s"] =
      benchmark::Counter(static_cast<double>(shapeCount), benchmark::Counter::kIsIterationInvariantRate);
}

void RedrawCanvasAtClick(benchmark::State& state) {
  const int64_t shapeCount = state.range(0);
  Document doc = SceneOf(shapeCount);  // the hit test writes the selection into it
  EditorState editor;
  const sVdOptions options = DefaultOptions();
  platform::CairoCanvases canvases;
  const auto canvas = canvases.Create(SceneWidth, SceneHeight, options.BgColor);
  NullView view;
  if (!canvas) {
    state.SkipWithError("no cairo canvas");
    return;
  }
  for (auto _ : state) {
    PressAgain(editor);
    RedrawCanvas(doc, editor, options, *canvas, view, HitX, HitY);
  }
  SetShapeRate(state, shapeCount);
}
BENCHMARK(RedrawCanvasAtClick)->Name("RedrawCanvas")->Arg(1000)->Arg(10000)->Arg(50000)
    ->Repetitions(7)->Unit(benchmark::kMillisecond);

void CairoFloorAtClick(benchmark::State& state) {
  const int64_t shapeCount = state.range(0);
  const Document& doc = SceneOf(shapeCount);
  const sVdOptions options = DefaultOptions();
  CairoFloor floor(SceneWidth, SceneHeight);
  for (auto _ : state) benchmark::DoNotOptimize(floor.Draw(doc, options, HitX, HitY));
  SetShapeRate(state, shapeCount);
}
BENCHMARK(CairoFloorAtClick)->Name("CairoFloor")->Arg(1000)->Arg(10000)->Arg(50000)
    ->Repetitions(7)->Unit(benchmark::kMillisecond);

// The export scene on disk in both formats, in a private temporary folder that the
// commands also run in, so no "Preferences.ini" of the caller changes the camera.
struct ExportFiles {
  std::filesystem::path Folder;
  std::string Document;
  std::string Svg;
  std::string ExportPng;
  std::string RsvgPng;
  std::string ExportSvg;
  std::string ExportPdf;
  std::string ExportSvgPng;
};

std::filesystem::path BenchFolder() {
  return std::filesystem::temp_directory_path() / ("drawlet_bench_render." + std::to_string(::getpid()));
}

const ExportFiles& TheExportFiles() {
  static const ExportFiles files = [] {
    ExportFiles made;
    made.Folder = BenchFolder();
    std::filesystem::create_directories(made.Folder);
    made.Document = (made.Folder / "scene.txt").string();
    made.Svg = (made.Folder / "scene.svg").string();
    made.ExportPng = (made.Folder / "export.png").string();
    made.RsvgPng = (made.Folder / "rsvg.png").string();
    made.ExportSvg = (made.Folder / "export.svg").string();
    made.ExportPdf = (made.Folder / "export.pdf").string();
    made.ExportSvgPng = (made.Folder / "export-svg.png").string();
    platform::LocalFiles local;
    local.WriteText(made.Document, WriteDocumentText(SceneOf(ExportShapeCount)));
    local.WriteText(made.Svg, WriteSceneSvg(SceneOf(ExportShapeCount)));
    return made;
  }();
  return files;
}

// Runs a command to its end in the bench folder; its processor time (user and system), or
// a negative value when it could not run or failed.
double RunCommand(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, TheExportFiles().Folder.c_str());
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Times whole commands by the wall clock, and counts their own processor time beside it.
void TimeCommand(benchmark::State& state, const std::vector<std::string>& command) {
  state.SetLabel(std::to_string(ExportShapeCount) + " shapes");
  double cpuSeconds = 0;
  for (auto _ : state) {
    const double used = RunCommand(command);
    if (used < 0) {
      state.SkipWithError(("cannot run " + command[0]).c_str());
      break;
    }
    cpuSeconds += used;
  }
  state.counters["command_cpu_ms"] = benchmark::Counter(cpuSeconds * 1e3, benchmark::Counter::kAvgIterations);
}

void CliExport(benchmark::State& state) {
  const ExportFiles& files = TheExportFiles();
  TimeCommand(state, {DRAWLET_CLI, "export", files.Document, files.ExportPng});
}
BENCHMARK(CliExport)->Name("DrawletCliExport")->UseRealTime()->Repetitions(7)
    ->Unit(benchmark::kMillisecond);

void CliExportSvg(benchmark::State& state) {
  const ExportFiles& files = TheExportFiles();
  TimeCommand(state, {DRAWLET_CLI, "export", files.Document, files.ExportSvg});
}
BENCHMARK(CliExportSvg)->Name("DrawletCliExportSvg")->UseRealTime()->Repetitions(7)
    ->Unit(benchmark::kMillisecond);

void CliExportPdf(benchmark::State& state) {
  const ExportFiles& files = TheExportFiles();
  TimeCommand(state, {DRAWLET_CLI, "export", files.Document, files.ExportPdf});
}
BENCHMARK(CliExportPdf)->Name("DrawletCliExportPdf")->UseRealTime()->Repetitions(7)
    ->Unit(benchmark::kMillisecond);

void RsvgConvert(benchmark::State& state) {
  const std::string program = RSVG_CONVERT;
  if (program.empty()) {
    state.SkipWithError("rsvg-convert was not found when configuring (Debian package librsvg2-bin)");
    return;
  }
  const ExportFiles& files = TheExportFiles();
  TimeCommand(state, {program, "-o", files.RsvgPng, files.Svg});
}
BENCHMARK(RsvgConvert)->UseRealTime()->Repetitions(7)->Unit(benchmark::kMillisecond);

// Shows the results as usual and keeps each repetition's time per iteration, for the
// closing comparison of medians with the targets.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  struct Times {
    std::vector<double> Seconds;
    std::vector<double> CpuSeconds;
    std::vector<double> CommandCpuSeconds;
  };

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) continue;
      const double iterations = static_cast<double>(run.iterations);
      Times& times = times_[run.run_name.function_name + "/" + run.run_name.args];
      times.Seconds.push_back(run.real_accumulated_time / iterations);
      times.CpuSeconds.push_back(run.cpu_accumulated_time / iterations);
      if (auto cpu = run.counters.find("command_cpu_ms"); cpu != run.counters.end()) {
        times.CommandCpuSeconds.push_back(cpu->second.value * 1e-3);
      }
    }
  }

  const Times* Find(const std::string& name) const {
    auto it = times_.find(name);
    return it == times_.end() ? nullptr : &it->second;
  }

 private:
  std::map<std::string, Times> times_;
};

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Pixels whose channels differ by more than 2 in 255 between two premultiplied ARGB32 images.
int64_t DifferingPixels(const platform::PixelRows& a, const platform::PixelRows& b) {
  int64_t differing = 0;
  for (int32_t y = 0; y < std::min(a.Height, b.Height); ++y) {
    const auto* rowA = reinterpret_cast<const uint32_t*>(a.Data + static_cast<ptrdiff_t>(y) * a.Stride);
    const auto* rowB = reinterpret_cast<const uint32_t*>(b.Data + static_cast<ptrdiff_t>(y) * b.Stride);
    for (int32_t x = 0; x < std::min(a.Width, b.Width); ++x) {
      for (int shift = 0; shift < 32; shift += 8) {
        const int channelA = static_cast<int>((rowA[x] >> shift) & 0xFF);
        const int channelB = static_cast<int>((rowB[x] >> shift) & 0xFF);
        if (std::abs(channelA - channelB) > 2) {
          ++differing;
          break;
        }
      }
    }
  }
  return differing;
}

// One redraw and one floor drawing of the scene, to show that both draw the same picture
// and find the same shape under the mouse.
void PrintFloorAgreement(int64_t shapeCount) {
  Document doc = SceneOf(shapeCount);
  EditorState editor;
  const sVdOptions options = DefaultOptions();
  platform::CairoCanvases canvases;
  const auto canvas = canvases.Create(SceneWidth, SceneHeight, options.BgColor);
  NullView view;
  PressAgain(editor);
  RedrawCanvas(doc, editor, options, *canvas, view, HitX, HitY);
  CairoFloor floor(SceneWidth, SceneHeight);
  const FloorHit hit = floor.Draw(doc, options, HitX, HitY);
  cairo_surface_t* surface = floor.Surface();
  const platform::PixelRows floorPixels{cairo_image_surface_get_data(surface), cairo_image_surface_get_width(surface),
                                        cairo_image_surface_get_height(surface),
                                        cairo_image_surface_get_stride(surface)};
  const bool sameHit = hit.Object == editor.CurrentObject && hit.Shape == editor.CurrentShape;
  std::printf("  %lld shapes: %s shape hit, %lld of %d pixels differ from the floor\n",
              static_cast<long long>(shapeCount), sameHit ? "same" : "DIFFERENT",
              static_cast<long long>(DifferingPixels(canvas->Pixels(), floorPixels)), SceneWidth * SceneHeight);
}

void PrintRedrawSummary(const SummaryReporter& reporter) {
  std::printf("\nRedrawCanvas with the click at (%lld, %lld) on %d x %d, against its cairo floor (medians):\n",
              static_cast<long long>(HitX), static_cast<long long>(HitY), SceneWidth, SceneHeight);
  std::printf("  %8s %14s %14s %10s %10s\n", "shapes", "redraw CPU ms", "floor CPU ms", "CPU ratio", "wall ratio");
  for (const int64_t shapeCount : {1000, 10000, 50000}) {
    const std::string count = std::to_string(shapeCount);
    const SummaryReporter::Times* redraw = reporter.Find("RedrawCanvas/" + count);
    const SummaryReporter::Times* floor = reporter.Find("CairoFloor/" + count);
    if (!redraw || !floor) continue;
    const double redrawCpu = Median(redraw->CpuSeconds), floorCpu = Median(floor->CpuSeconds);
    const double cpuRatio = redrawCpu / floorCpu;
    std::printf("  %8lld %14.2f %14.2f %9.3fx %9.3fx  (target %.2fx: %s)\n", static_cast<long long>(shapeCount),
                redrawCpu * 1e3, floorCpu * 1e3, cpuRatio, Median(redraw->Seconds) / Median(floor->Seconds),
                RedrawTarget, cpuRatio <= RedrawTarget ? "met" : "MISSED");
  }
  for (const int64_t shapeCount : {1000, 10000, 50000}) {
    if (reporter.Find("RedrawCanvas/" + std::to_string(shapeCount))) PrintFloorAgreement(shapeCount);
  }
}

void PrintExportComparison() {
  const ExportFiles& files = TheExportFiles();
  platform::CairoImages images;
  const platform::ImageHandle exported = images.Load(files.ExportPng);
  const platform::ImageHandle rendered = images.Load(files.RsvgPng);
  if (!exported || !rendered) return;
  std::printf("  pictures: export %d x %d, rsvg-convert %d x %d, %lld pixels differ\n", exported->Width(),
              exported->Height(), rendered->Width(), rendered->Height(),
              static_cast<long long>(DifferingPixels(exported->Pixels(), rendered->Pixels())));
}

void PrintExportSummary(const SummaryReporter& reporter) {
  const SummaryReporter::Times* cli = reporter.Find("DrawletCliExport/");
  const SummaryReporter::Times* rsvg = reporter.Find("RsvgConvert/");
  if (!cli || !rsvg) return;
  const double cliWall = Median(cli->Seconds), rsvgWall = Median(rsvg->Seconds);
  std::printf("\ndrawlet-cli export against rsvg-convert, %lld shapes, whole commands (medians):\n",
              static_cast<long long>(ExportShapeCount));
  std::printf("  drawlet-cli export %8.1f ms wall, %8.1f ms CPU\n", cliWall * 1e3, Median(cli->CommandCpuSeconds) * 1e3);
  std::printf("  rsvg-convert       %8.1f ms wall, %8.1f ms CPU\n", rsvgWall * 1e3,
              Median(rsvg->CommandCpuSeconds) * 1e3);
  std::printf("  export / rsvg-convert: %.3fx wall, %.3fx CPU (target below 1: %s)\n", cliWall / rsvgWall,
              Median(cli->CommandCpuSeconds) / Median(rsvg->CommandCpuSeconds), cliWall < rsvgWall ? "met" : "MISSED");
  PrintExportComparison();
}

// The SVG export rasterised by rsvg-convert, against the PNG export of the same scene.
void PrintSvgExportComparison() {
  const ExportFiles& files = TheExportFiles();
  const std::string program = RSVG_CONVERT;
  if (program.empty() || RunCommand({program, "-o", files.ExportSvgPng, files.ExportSvg}) < 0) return;
  platform::CairoImages images;
  const platform::ImageHandle exported = images.Load(files.ExportPng);
  const platform::ImageHandle fromSvg = images.Load(files.ExportSvgPng);
  if (!exported || !fromSvg) return;
  std::printf("  pictures: PNG export %d x %d, SVG export through rsvg-convert %d x %d, %lld pixels differ\n",
              exported->Width(), exported->Height(), fromSvg->Width(), fromSvg->Height(),
              static_cast<long long>(DifferingPixels(exported->Pixels(), fromSvg->Pixels())));
}

void PrintVectorExportSummary(const SummaryReporter& reporter) {
  const SummaryReporter::Times* png = reporter.Find("DrawletCliExport/");
  const SummaryReporter::Times* svg = reporter.Find("DrawletCliExportSvg/");
  const SummaryReporter::Times* pdf = reporter.Find("DrawletCliExportPdf/");
  if (!png || !svg) return;
  const double pngWall = Median(png->Seconds), svgWall = Median(svg->Seconds);
  const double pngCpu = Median(png->CommandCpuSeconds), svgCpu = Median(svg->CommandCpuSeconds);
  std::printf("\ndrawlet-cli export as SVG and PDF against PNG, %lld shapes, whole commands (medians):\n",
              static_cast<long long>(ExportShapeCount));
  std::printf("  export.png %8.1f ms wall, %8.1f ms CPU\n", pngWall * 1e3, pngCpu * 1e3);
  std::printf("  export.svg %8.1f ms wall, %8.1f ms CPU\n", svgWall * 1e3, svgCpu * 1e3);
  if (pdf) {
    std::printf("  export.pdf %8.1f ms wall, %8.1f ms CPU\n", Median(pdf->Seconds) * 1e3,
                Median(pdf->CommandCpuSeconds) * 1e3);
  }
  std::printf("  SVG / PNG: %.3fx wall, %.3fx CPU (target at most 1: %s)\n", svgWall / pngWall, svgCpu / pngCpu,
              svgWall <= pngWall && svgCpu <= pngCpu ? "met" : "MISSED");
  PrintSvgExportComparison();
}

}  // namespace
}  // namespace drawlet

int main(int argc, char** argv) {
  // Repetitions of all benchmarks run in random order, so a burst of other work on the
  // machine weighs on a measurement and on its floor alike; a later flag can turn it off.
  std::vector<char*> args(argv, argv + argc);
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave.data());
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  drawlet::SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  drawlet::PrintRedrawSummary(reporter);
  drawlet::PrintExportSummary(reporter);
  drawlet::PrintVectorExportSummary(reporter);
  std::error_code ec;
  std::filesystem::remove_all(drawlet::BenchFolder(), ec);
  benchmark::Shutdown();
  return 0;
}
