#include "document/object_ops.h"

#include <algorithm>
#include <string>

#include "document/text_parts.h"
#include "document/undo.h"

namespace drawlet {

namespace {

constexpr size_t MaxObjectNameChars = 20;

int64_t ClampToObjects(const Session& s, int64_t index) {
  return std::clamp<int64_t>(index, 0, LastIndex(s.Doc.Objects));
}

void SwapObjectOrderWith(Session& s, int64_t partner) {
  StepScope step(s, ObjectsFrom(std::min(s.State.CurrentObject, partner)));
  std::swap(CurrentObjectOf(s).Order, s.Doc.Objects[static_cast<size_t>(partner)].Order);
  SortObjects(s.Doc);
  RefreshAll(s);
}

// The first index whose object a sort may move once an object with key order is placed at
// index placed: objects are kept sorted, so only those with a larger key can move.
int64_t FirstObjectAfterSort(const Document& doc, int64_t placed, uint8_t order) {
  for (int64_t i = 0; i < placed && i <= LastIndex(doc.Objects); ++i) {
    if (doc.Objects[static_cast<size_t>(i)].Order > order) return i;
  }
  return placed;
}

}  // namespace

void InitDocument(Session& s) {
  s.Doc.Objects = std::vector<ObjectLayer>(1);
  s.Doc.Objects[0].Shapes[0].Color = StartPlaceholderColor;
}

void NewDocument(Session& s) {
  StepScope step(s, WholeDrawing());
  s.Doc.Objects = std::vector<ObjectLayer>(1);
  s.State.HasShapes = -1;
  s.State.CurrentObject = 0;
  s.State.CurrentShape = 0;
  s.State.CurrentFx = 0;
  s.State.CurrentPoint = 0;
  // A new drawing has no file yet, so the next save asks for one instead of overwriting the last.
  s.State.DocumentFile.clear();
  s.View.SetWindowTitle(AppTitle);
  s.View.DrawObjectList();
  s.View.RefillShapeList();
}

void AddObject(Session& s, int64_t offset) {
  const int64_t n = LastIndex(s.Doc.Objects) + offset;
  StepScope step(s, ObjectsFrom(FirstObjectAfterSort(s.Doc, std::min<int64_t>(n, LastIndex(s.Doc.Objects) + 1), WrapU8(n))));
  ResizeTo(s.Doc.Objects, n + 1);
  ObjectLayer& object = s.Doc.Objects[static_cast<size_t>(n)];
  object.Alpha = 255;
  object.Order = WrapU8(n);
  object.Name = "Obj_" + std::to_string(n);
  s.State.CurrentObject = n;
  s.State.CurrentShape = 0;
  SortObjects(s.Doc);
  RefreshAll(s);
}

void AppendEmptyObject(Session& s) {
  StepScope step(s, ObjectsFrom(LastIndex(s.Doc.Objects) + 1));
  ResizeTo(s.Doc.Objects, LastIndex(s.Doc.Objects) + 2);
  s.State.CurrentObject = LastIndex(s.Doc.Objects);
  s.State.CurrentShape = 0;
  s.View.DrawObjectList();
}

void DeleteObject(Session& s) {
  StepScope step(s, ObjectsFrom(s.State.CurrentObject));
  if (s.Doc.Objects.size() > 1 && HasIndex(s.Doc.Objects, s.State.CurrentObject)) {
    s.Doc.Objects.erase(s.Doc.Objects.begin() + s.State.CurrentObject);
  }
  s.State.CurrentObject = 0;
  s.State.CurrentShape = 0;
  RefreshAll(s);
}

void MoveObjectUp(Session& s) {
  if (s.State.CurrentObject < 0 || s.State.CurrentObject >= LastIndex(s.Doc.Objects)) return;
  SwapObjectOrderWith(s, s.State.CurrentObject + 1);
}

void MoveObjectDown(Session& s) {
  if (s.State.CurrentObject < 1 || s.State.CurrentObject > LastIndex(s.Doc.Objects)) return;
  SwapObjectOrderWith(s, s.State.CurrentObject - 1);
}

void RenameObject(Session& s) {
  StepScope step(s, ObjectFieldsOf(s.State.CurrentObject));
  ObjectLayer& object = CurrentObjectOf(s);
  const std::string answer =
      FirstChars(s.Dialogs.Input("New Name", "Set the name for this object", object.Name).value_or(""),
                 MaxObjectNameChars);
  if (!answer.empty()) object.Name = answer;
  RefreshAll(s);
}

void SelectObject(Session& s, int64_t index) {
  s.State.CurrentShape = 0;
  s.State.CurrentObject = ClampToObjects(s, index);
  RefreshAll(s);
}

void ToggleHidden(Session& s, int64_t row) {
  const int64_t index = ClampToObjects(s, LastIndex(s.Doc.Objects) - row);
  StepScope step(s, ObjectFieldsOf(index));
  ObjectLayer& object = s.Doc.Objects[static_cast<size_t>(index)];
  object.Hidden = object.Hidden == 0 ? 1 : 0;
  s.State.CurrentShape = 0;
  RefreshAll(s);
}

void SetLocked(Session& s, uint8_t state) {
  StepScope step(s, ObjectFieldsOf(s.State.CurrentObject));
  CurrentObjectOf(s).Locked = state;
  RefreshAll(s);
}

void SetObjectPosition(Session& s, int64_t x, int64_t y) {
  StepScope step(s, ObjectFieldsOf(s.State.CurrentObject));
  ObjectLayer& object = CurrentObjectOf(s);
  object.X = x;
  object.Y = y;
  s.View.RedrawCanvas();
}

void SetObjectSize(Session& s, int64_t w, int64_t h) {
  StepScope step(s, ObjectFieldsOf(s.State.CurrentObject));
  ObjectLayer& object = CurrentObjectOf(s);
  object.H = WrapI16(h);
  object.W = WrapI16(w);
  s.View.RedrawCanvas();
}

}  // namespace drawlet
