// Undo and redo of one moved shape in a 100,000-shape drawing, and what recording the step
// costs the gesture: the copies taken at its start and the comparison at its end.
#include <benchmark/benchmark.h>

#include "document/history.h"
#include "document_generator.h"
#include "model/editor_state.h"

namespace drawlet {
namespace {

inline constexpr int64_t ShapeCount = 100000;

// The shape in the middle of the largest object: the one a drag moves.
struct Drawing {
  Document Doc = GenerateDocument(ShapeCount);
  EditorState State;
  int64_t Object = 0;
  int64_t Shape = 0;
  Drawing() {
    for (size_t i = 0; i < Doc.Objects.size(); ++i) {
      if (Doc.Objects[i].Shapes.size() > Doc.Objects[static_cast<size_t>(Object)].Shapes.size()) {
        Object = static_cast<int64_t>(i);
      }
    }
    Shape = static_cast<int64_t>(Doc.Objects[static_cast<size_t>(Object)].Shapes.size() / 2);
    State.CurrentObject = Object;
    State.CurrentShape = Shape;
  }
  void Move(int64_t by) {
    for (ShapePoint& p : Doc.Objects[static_cast<size_t>(Object)].Shapes[static_cast<size_t>(Shape)].Points) p.X += by;
  }
  // One gesture's step as the move tool records it: the selection and the moved shape.
  void RecordMove(History& history, int64_t by) {
    history.Begin(Doc, State, AllSelectionFlags());
    history.Include(Doc, OneShape(Object, Shape));
    Move(by);
    history.End(Doc, State);
  }
};

Drawing& SharedDrawing() {
  static Drawing drawing;
  return drawing;
}

void BM_UndoRedoOfAMove(benchmark::State& bench) {
  Drawing& d = SharedDrawing();
  History history;
  d.RecordMove(history, 25);
  for (auto _ : bench) {
    history.Undo(d.Doc, d.State);
    history.Redo(d.Doc, d.State);
  }
  bench.SetLabel("one undo and one redo");
}
BENCHMARK(BM_UndoRedoOfAMove)->Unit(benchmark::kMillisecond);

void BM_RecordAMoveGesture(benchmark::State& bench) {
  Drawing& d = SharedDrawing();
  History history;
  int64_t by = 1;
  for (auto _ : bench) {
    d.RecordMove(history, by);
    by = -by;
  }
  bench.SetLabel("start and end of one gesture's step");
}
BENCHMARK(BM_RecordAMoveGesture)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drawlet

BENCHMARK_MAIN();
