// Load and save of a 100,000-shape document, each beside its floor: the same bytes merely
// read and split into lines, or merely written.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/editor_state.h"
#include "model/records.h"
#include "document_generator.h"
#include "io/document_format.h"
#include "io/fields.h"
#include "peak_memory.h"
#include "platform/local_files.h"

namespace drawlet {
namespace {

inline constexpr int64_t ShapeCount = 100000;
inline constexpr double Megabyte = 1024.0 * 1024.0;

class BenchFont : public platform::Font {
 public:
  const std::string& FaceName() const override { return faceName_; }
  int64_t Size() const override { return 0; }
  int64_t Style() const override { return 0; }

 private:
  std::string faceName_;
};

// The reader loads a font for every shape line; this one counts the calls and hands out
// one shared handle, so the load pays the handle's reference counting as the editor does.
class CountingFonts : public platform::Fonts {
 public:
  platform::FontHandle Load(const std::string&, int64_t, int64_t) override {
    ++loads_;
    return font_;
  }
  int64_t Loads() const { return loads_; }

 private:
  platform::FontHandle font_ = std::make_shared<BenchFont>();
  int64_t loads_ = 0;
};

// The bench drawing holds no image shape.
class NoImages : public platform::Images {
 public:
  platform::ImageHandle Load(const std::string&) override { return nullptr; }
  platform::ImageHandle Copy(const platform::Image&, int32_t, int32_t, int32_t, int32_t) override { return nullptr; }
  bool SavePng(const platform::Image&, const std::string&) override { return false; }
};

// The generated document on disk, made once per run in a private temporary folder.
struct BenchFile {
  std::filesystem::path Folder;
  std::string Path;
  int64_t Bytes = 0;
  int64_t Lines = 0;
};

std::string BenchFolderName() { return "drawlet_bench_io." + std::to_string(::getpid()); }

std::filesystem::path BenchFolder() { return std::filesystem::temp_directory_path() / BenchFolderName(); }

int64_t CountLines(std::string_view text) {
  int64_t lines = 0;
  ForEachLine(text, [&lines](std::string_view) { ++lines; });
  return lines;
}

const BenchFile& TheBenchFile() {
  static const BenchFile file = [] {
    BenchFile made;
    made.Folder = BenchFolder();
    std::filesystem::create_directories(made.Folder);
    made.Path = (made.Folder / "drawing.txt").string();
    const std::string text = WriteDocumentText(GenerateDocument(ShapeCount));
    platform::LocalFiles().WriteText(made.Path, text);
    made.Bytes = static_cast<int64_t>(text.size());
    made.Lines = CountLines(text);
    return made;
  }();
  return file;
}

std::string ReadBenchFile(platform::Files& files, benchmark::State& state) {
  std::optional<std::string> text = files.ReadText(TheBenchFile().Path);
  if (!text) {
    state.SkipWithError("the generated document cannot be read back");
    return {};
  }
  return std::move(*text);
}

int64_t ShapeCountOf(const Document& doc) {
  int64_t shapes = 0;
  for (const ObjectLayer& object : doc.Objects) {
    if (object.HasShape) shapes += static_cast<int64_t>(object.Shapes.size());
  }
  return shapes;
}

// A drawing state as "New document" leaves it, which a load starts from.
void ResetForLoad(Document& doc, EditorState& editorState) {
  doc = Document{};
  editorState = EditorState{};
  editorState.HasShapes = -1;
}

void SetLineRate(benchmark::State& state) {
  const BenchFile& file = TheBenchFile();
  state.counters["lines/s"] =
      benchmark::Counter(static_cast<double>(file.Lines), benchmark::Counter::kIsIterationInvariantRate);
  state.SetBytesProcessed(file.Bytes * state.iterations());
}

// Runs first, so no other benchmark's leftovers sit in the heap: the resident size of the
// loaded drawing alone, and the peak that the load reached with the file's text held too.
void LoadedDocumentMemory(benchmark::State& state) {
  TheBenchFile();
  platform::LocalFiles files;
  CountingFonts fonts;
  NoImages images;
  for (auto _ : state) {
    ReleaseFreeHeap();
    const ResidentSize before = ReadResidentSize();
    const bool peakReset = ResetPeakResident();
    Document doc;
    EditorState editorState;
    ResetForLoad(doc, editorState);
    {
      const std::string text = ReadBenchFile(files, state);
      ReadDocumentText(text, LoadMode::Load, doc, editorState, fonts, images);
    }
    ReleaseFreeHeap();
    const ResidentSize after = ReadResidentSize();
    if (ShapeCountOf(doc) != ShapeCount) state.SkipWithError("the load did not give back every shape");
    state.counters["document_MB"] = static_cast<double>(after.Current - before.Current) / Megabyte;
    state.counters["process_MB"] = static_cast<double>(after.Current) / Megabyte;
    if (peakReset) state.counters["load_peak_MB"] = static_cast<double>(after.Peak - before.Current) / Megabyte;
  }
}
BENCHMARK(LoadedDocumentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void ReadAndSplitFloor(benchmark::State& state) {
  TheBenchFile();
  platform::LocalFiles files;
  for (auto _ : state) {
    const std::string text = ReadBenchFile(files, state);
    int64_t lines = 0;
    ForEachLine(text, [&lines](std::string_view line) {
      benchmark::DoNotOptimize(line.data());
      ++lines;
    });
    benchmark::DoNotOptimize(lines);
  }
  SetLineRate(state);
}
BENCHMARK(ReadAndSplitFloor)->UseRealTime()->Unit(benchmark::kMillisecond);

void Load(benchmark::State& state) {
  TheBenchFile();
  platform::LocalFiles files;
  CountingFonts fonts;
  NoImages images;
  Document doc;
  EditorState editorState;
  for (auto _ : state) {
    // Dropping the previous drawing is not part of a load.
    state.PauseTiming();
    ResetForLoad(doc, editorState);
    state.ResumeTiming();
    const std::string text = ReadBenchFile(files, state);
    ReadDocumentText(text, LoadMode::Load, doc, editorState, fonts, images);
  }
  if (ShapeCountOf(doc) != ShapeCount) state.SkipWithError("the load did not give back every shape");
  state.counters["fonts/load"] = static_cast<double>(fonts.Loads()) / static_cast<double>(state.iterations());
  SetLineRate(state);
}
BENCHMARK(Load)->UseRealTime()->Unit(benchmark::kMillisecond);

void WriteBytesFloor(benchmark::State& state) {
  platform::LocalFiles files;
  const std::string text = ReadBenchFile(files, state);
  const std::string path = (TheBenchFile().Folder / "floor.txt").string();
  for (auto _ : state) {
    if (!files.WriteText(path, text)) state.SkipWithError("the floor file cannot be written");
  }
  SetLineRate(state);
}
BENCHMARK(WriteBytesFloor)->UseRealTime()->Unit(benchmark::kMillisecond);

void Save(benchmark::State& state) {
  platform::LocalFiles files;
  const Document doc = GenerateDocument(ShapeCount);
  const std::string path = (TheBenchFile().Folder / "saved.txt").string();
  for (auto _ : state) {
    if (!files.WriteText(path, WriteDocumentText(doc))) state.SkipWithError("the saved file cannot be written");
  }
  if (files.ReadText(path) != files.ReadText(TheBenchFile().Path)) {
    state.SkipWithError("the save did not write the generated file's bytes");
  }
  SetLineRate(state);
}
BENCHMARK(Save)->UseRealTime()->Unit(benchmark::kMillisecond);

// Shows the results as usual and keeps, per benchmark, the best times per iteration over
// repetitions and the counters, for the closing comparison with the targets. The best
// run is the one least disturbed by other work on the machine.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  struct Result {
    double Seconds = 0;
    double CpuSeconds = 0;
    benchmark::UserCounters Counters;
  };

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.iterations == 0) continue;
      // With aggregates only, the median stands in for the runs that are not shown.
      if (run.run_type == Run::RT_Aggregate) {
        if (run.aggregate_name == "median" && !results_.contains(run.run_name.function_name)) {
          results_[run.run_name.function_name] = Result{run.GetAdjustedRealTime() / TimeUnitPerSecond(run),
                                                        run.GetAdjustedCPUTime() / TimeUnitPerSecond(run),
                                                        run.counters};
        }
        continue;
      }
      const double iterations = static_cast<double>(run.iterations);
      const Result result{run.real_accumulated_time / iterations, run.cpu_accumulated_time / iterations,
                          run.counters};
      auto [it, fresh] = results_.try_emplace(run.run_name.function_name, result);
      if (!fresh) {
        const double cpuSeconds = std::min(it->second.CpuSeconds, result.CpuSeconds);
        if (result.Seconds < it->second.Seconds) it->second = result;
        it->second.CpuSeconds = cpuSeconds;
      }
    }
  }

  bool Empty() const { return results_.empty(); }

 private:
  static double TimeUnitPerSecond(const Run& run) { return benchmark::GetTimeUnitMultiplier(run.time_unit); }

 public:

  const Result* Find(const std::string& name) const {
    auto it = results_.find(name);
    return it == results_.end() ? nullptr : &it->second;
  }

 private:
  std::map<std::string, Result> results_;
};

void PrintRatio(const SummaryReporter& reporter, const char* what, const std::string& name,
                const std::string& floorName, double target) {
  const SummaryReporter::Result* measured = reporter.Find(name);
  const SummaryReporter::Result* floor = reporter.Find(floorName);
  if (!measured || !floor) return;
  const double lines = static_cast<double>(TheBenchFile().Lines);
  const double ratio = measured->Seconds / floor->Seconds;
  const double cpuRatio = measured->CpuSeconds / floor->CpuSeconds;
  std::printf("%-6s %11.0f lines/s (%.1f ms), floor %11.0f lines/s (%.1f ms): %.2fx the floor, %.2fx in CPU time"
              " (target %.0fx: %s)\n",
              what, lines / measured->Seconds, measured->Seconds * 1e3, lines / floor->Seconds, floor->Seconds * 1e3,
              ratio, cpuRatio, target, ratio <= target ? "met" : "MISSED");
}

void PrintSummary(const SummaryReporter& reporter) {
  if (reporter.Empty()) return;
  const BenchFile& file = TheBenchFile();
  std::printf("\n%lld shapes: %lld lines, %.1f MB of text\n", static_cast<long long>(ShapeCount),
              static_cast<long long>(file.Lines), static_cast<double>(file.Bytes) / Megabyte);
  PrintRatio(reporter, "load", "Load", "ReadAndSplitFloor", 4);
  PrintRatio(reporter, "save", "Save", "WriteBytesFloor", 2);
  if (const SummaryReporter::Result* memory = reporter.Find("LoadedDocumentMemory")) {
    const double documentMb = memory->Counters.at("document_MB").value;
    std::printf("memory %.1f MB resident for the loaded document (process %.1f MB; target 120 MB: %s)\n",
                documentMb, memory->Counters.at("process_MB").value, documentMb < 120 ? "met" : "MISSED");
  }
}

}  // namespace
}  // namespace drawlet

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  drawlet::SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  drawlet::PrintSummary(reporter);
  std::error_code ec;
  std::filesystem::remove_all(drawlet::BenchFolder(), ec);
  benchmark::Shutdown();
  return 0;
}
