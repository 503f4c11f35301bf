#include "document/session.h"

namespace drawlet {

bool HasCurrentShape(const Session& s) {
  if (!HasIndex(s.Doc.Objects, s.State.CurrentObject)) return false;
  const ObjectLayer& object = s.Doc.Objects[static_cast<size_t>(s.State.CurrentObject)];
  return HasIndex(object.Shapes, s.State.CurrentShape);
}

Shape& CurrentShapeOf(Session& s) { return CurrentObjectOf(s).Shapes[static_cast<size_t>(s.State.CurrentShape)]; }

void RefreshAll(Session& s) {
  s.View.DrawObjectList();
  s.View.RefillShapeList();
  s.View.RefillFxList();
  s.View.LoadPropertyControls();
  s.View.RedrawCanvas();
}

}  // namespace drawlet
