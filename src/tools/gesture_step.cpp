#include "tools/gesture_step.h"

#include "document/history.h"

namespace drawlet {

void BeginGestureStep(Session& s) {
  if (s.Undo == nullptr) return;
  EndGestureStep(s);
  s.Undo->Begin(s.Doc, s.State, AllSelectionFlags());
  JoinTransformedShapes(s);
}

void JoinTransformedShapes(Session& s) {
  if (s.Undo == nullptr || !s.Undo->Recording() || !HasIndex(s.Doc.Objects, s.State.CurrentObject)) return;
  const std::vector<Shape>& shapes = CurrentObjectOf(s).Shapes;
  for (int64_t j = 0; j <= LastIndex(shapes); ++j) {
    if (j == s.State.CurrentShape || shapes[static_cast<size_t>(j)].Selected == 1) {
      s.Undo->Include(s.Doc, OneShape(s.State.CurrentObject, j));
    }
  }
}

void EndGestureStep(Session& s) {
  while (s.Undo != nullptr && s.Undo->Recording()) s.Undo->End(s.Doc, s.State);
}

}  // namespace drawlet
