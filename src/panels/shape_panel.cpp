#include "panels/shape_panel.h"

#include <optional>

#include "document/shape_ops.h"
#include "panels/add_control.h"
#include "panels/fx_panel.h"
#include "panels/object_panel.h"
#include "panels/window_controls.h"

namespace drawlet {

namespace {

using platform::ControlKind;
using platform::NoState;

constexpr int64_t TextFontSize = 20;

void BuildShapesTab(platform::Controls& controls, const std::vector<std::string>& shapeFiles) {
  controls.AddTab(LeftPanelId, "Shapes");
  controls.CreateLabel({10, 13, 30, 20}, "Name");
  controls.CreateControl(ShapeNameId, ControlKind::String, {42, 10, 100, 20}, "", 0, 0, nullptr);
  AddControl(controls, ShapeFileId, ControlKind::Combo, 10, 33, 80, 20, "", 0, 0, "Select the shape to add.", NoState);
  for (const std::string& file : shapeFiles) controls.AddItem(ShapeFileId, file);
  AddControl(controls, AddShapeFileId, ControlKind::Button, 92, 33, 20, 20, "+", 0, 0, "Add a new Shape.", NoState);
  AddControl(controls, DeleteShapeId, ControlKind::Button, 114, 33, 20, 20, "-", 0, 0, "Delete the shape.", NoState);
  controls.CreateControl(ShapeListId, ControlKind::ListBox, {10, 56, 130, 100}, "", 0, 0, nullptr);
  AddControl(controls, ShapeUpId, ControlKind::Button, 10, 159, 50, 20, "Up", 0, 0, "Move the shape up.", NoState);
  AddControl(controls, ShapeDownId, ControlKind::Button, 65, 159, 50, 20, "Down", 0, 0, "Move the shape down.",
             NoState);
  // X and Y are 16-bit fields, so their boxes stop where the field does.
  AddControl(controls, ShapeXId, ControlKind::Spin, 10, 182, 50, 20, "X ", INT16_MIN, INT16_MAX,
             "Set the X position of the shape.", NoState);
  AddControl(controls, ShapeYId, ControlKind::Spin, 10, 205, 50, 20, "Y ", INT16_MIN, INT16_MAX,
             "Set the Y position of the shape.", NoState);
  AddControl(controls, ShapeWId, ControlKind::Spin, 10, 228, 50, 20, "W ", 0, 10000, "Set the width of the shape.",
             NoState);
  AddControl(controls, ShapeHId, ControlKind::Spin, 10, 251, 50, 20, "H ", 0, 10000, "Set the height of the shape.",
             NoState);
  if (controls.CreateFrame(CenterFrameId, {5, 274, 135, 65}, "Center")) {
    AddControl(controls, ShapeCxId, ControlKind::Spin, 10, 289, 50, 20, "CX", -10000, 10000,
               "Change the center X (offset)", NoState);
    AddControl(controls, ShapeCyId, ControlKind::Spin, 10, 312, 50, 20, "Cy", -10000, 10000,
               "Change the center Y (offset)", NoState);
    controls.CloseContainer();
  }
  if (controls.CreateFrame(PointsFrameId, {5, 347, 135, 65}, "Points")) {
    controls.CreateLabel({10, 365, 30, 20}, "X :");
    controls.CreateControl(PointXId, ControlKind::Spin, {42, 362, 50, 20}, "", -1000, 10000, nullptr);
    controls.CreateLabel({10, 388, 30, 20}, "Y :");
    controls.CreateControl(PointYId, ControlKind::Spin, {42, 385, 50, 20}, "", -1000, 10000, nullptr);
    controls.CloseContainer();
  }
}

void BuildColorTab(platform::Controls& controls) {
  controls.AddTab(LeftPanelId, "Color");
  if (controls.CreateFrame(ColorFrameId, {5, 10, 135, 40}, "Color")) {
    AddControl(controls, ShapeAlphaId, ControlKind::Spin, 10, 25, 40, 20, "Alpha", 0, 255,
               "Change alpha of the shape.", NoState);
    controls.CreateControl(ShapeColorId, ControlKind::Button, {85, 25, 50, 20}, "Color", 0, 0, nullptr);
    controls.CloseContainer();
  }
  AddControl(controls, TextButtonId, ControlKind::Button, 10, 60, 50, 20, "Text", 0, 0, "Change the text", NoState);
  AddControl(controls, FontButtonId, ControlKind::Button, 10, 95, 50, 20, "Font", 0, 0, "Change the text font",
             NoState);
  if (controls.CreateFrame(ShapeStyleFrameId, {5, 130, 135, 120}, "Style")) {
    AddControl(controls, ShapeStyleId, ControlKind::Combo, 10, 145, 100, 20, "", 0, 0,
               "Change the type of the shape (line, filled..).", NoState);
    for (const std::string& word : FirstFields(StyleWords, 4)) controls.AddItem(ShapeStyleId, word);
    AddControl(controls, LineWidthId, ControlKind::Spin, 10, 168, 50, 20, "Width", 0, 1000,
               "Change the width of the line shape.", NoState);
    AddControl(controls, LineHeightId, ControlKind::Spin, 10, 191, 50, 20, "Height", 0, 1000,
               "Change the Height of the line shape.", NoState);
    AddControl(controls, LineDistId, ControlKind::Spin, 10, 214, 50, 20, "Dist", 0, 1000,
               "Change the distance for the line shape (dot line).", NoState);
    controls.CloseContainer();
  }
}

int16_t AtLeastOne(int64_t value) { return WrapI16(value < 1 ? 1 : value); }

void ShapeListChanged(Session& s, platform::Controls& controls) {
  if (s.State.HasShapes < 0) return;
  s.State.CurrentShape = controls.State(ShapeListId);
  s.State.CurrentFx = 0;
  std::vector<Shape>& shapes = CurrentObjectOf(s).Shapes;
  for (size_t i = 0; i < shapes.size(); ++i) {
    shapes[i].Selected = controls.ItemSelected(ShapeListId, static_cast<int64_t>(i)) ? 1 : 0;
  }
  s.View.RedrawCanvas();
  if (s.State.CurrentShape >= 0) s.View.LoadPropertyControls();
}

void ChangeText(Session& s, Shape& shape) {
  // A cancel keeps the text; an accepted empty answer empties it.
  const std::optional<std::string> answer = s.Dialogs.Input("Text", "Change the text", shape.Text);
  if (answer) shape.Text = *answer;
}

void ChangeFont(Session& s, Shape& shape) {
  if (!shape.Font) return;
  shape.Font.reset();
  const std::optional<platform::FontChoice> chosen =
      s.Dialogs.Font({shape.FontName, TextFontSize, shape.FontStyle});
  if (chosen) {
    shape.FontName = chosen->FaceName;
    shape.FontStyle = chosen->Style;
  }
  shape.Font = s.Fonts.Load(shape.FontName, TextFontSize, shape.FontStyle);
}

void ChangeColor(Session& s, Shape& shape) {
  const std::optional<int64_t> answer = s.Dialogs.Color(shape.Color);
  if (answer) shape.Color = WithAlpha(*answer, shape.Alpha);
}

void SetPoint(Session& s, platform::Controls& controls, Shape& shape) {
  if (!HasIndex(shape.Points, s.State.CurrentPoint)) return;
  ShapePoint& point = shape.Points[static_cast<size_t>(s.State.CurrentPoint)];
  point.X = controls.State(PointXId);
  point.Y = controls.State(PointYId);
}

// The handlers that change the current shape's fields; false for other ids.
bool EditShape(Session& s, platform::Controls& controls, int64_t id, Shape& shape) {
  switch (id) {
    case ShapeNameId:
      shape.Name = controls.Text(ShapeNameId);
      s.View.RefillShapeList();
      return true;
    case ShapeColorId: ChangeColor(s, shape); break;
    case ShapeAlphaId:
      shape.Alpha = WrapU8(controls.State(ShapeAlphaId));
      shape.Color = WithAlpha(shape.Color, shape.Alpha);
      break;
    case PointXId:
    case PointYId: SetPoint(s, controls, shape); break;
    case ShapeCxId:
    case ShapeCyId:
      shape.CX = WrapI16(controls.State(ShapeCxId));
      shape.CY = WrapI16(controls.State(ShapeCyId));
      break;
    case ShapeXId:
    case ShapeYId:
      shape.X = WrapI16(controls.State(ShapeXId));
      shape.Y = WrapI16(controls.State(ShapeYId));
      break;
    case ShapeWId:
    case ShapeHId:
      shape.W = WrapI16(controls.State(ShapeWId));
      shape.H = WrapI16(controls.State(ShapeHId));
      break;
    case ShapeStyleId: shape.Style = WrapU8(controls.State(ShapeStyleId)); break;
    case LineWidthId: shape.LineWidth = AtLeastOne(controls.State(LineWidthId)); break;
    case LineHeightId: shape.LineHeight = AtLeastOne(controls.State(LineHeightId)); break;
    case LineDistId: shape.LineDist = AtLeastOne(controls.State(LineDistId)); break;
    case TextButtonId: ChangeText(s, shape); break;
    case FontButtonId: ChangeFont(s, shape); break;
    default: return false;
  }
  s.View.RedrawCurrentShape();
  return true;
}

}  // namespace

std::vector<std::string> FirstFields(const std::string& text, size_t count) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (fields.size() < count && start <= text.size()) {
    const size_t comma = text.find(',', start);
    const size_t end = comma == std::string::npos ? text.size() : comma;
    fields.push_back(text.substr(start, end - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return fields;
}

void BuildShapePanel(platform::Controls& controls, const std::vector<std::string>& shapeFiles) {
  BuildShapesTab(controls, shapeFiles);
  BuildColorTab(controls);
}

void EnableShapeControls(platform::Controls& controls, Session& s, uint8_t flag) {
  for (int64_t id = FirstShapeControlId; id <= LastShapeControlId; ++id) {
    if (controls.Exists(id)) controls.Enable(id, flag == 0);
  }
  const bool text = HasCurrentShape(s) && CurrentShapeOf(s).Type == TypeText;
  for (const int64_t id : {TextButtonId, FontButtonId}) {
    if (controls.Exists(id)) controls.Hide(id, !text);
  }
}

void RefillShapeList(platform::Controls& controls, Session& s) {
  std::vector<std::string> names;
  if (s.State.HasShapes > 0 && HasIndex(s.Doc.Objects, s.State.CurrentObject)) {
    const std::vector<Shape>& shapes = CurrentObjectOf(s).Shapes;
    names.reserve(shapes.size());
    for (const Shape& shape : shapes) names.push_back(shape.Name);
  }
  // All at once: a drawing may hold a hundred thousand shapes.
  controls.SetItems(ShapeListId, names);
}

void LoadPropertyControls(platform::Controls& controls, Session& s) {
  if (!HasCurrentShape(s)) return;
  EnableShapeControls(controls, s, 0);
  const ObjectLayer& object = CurrentObjectOf(s);
  controls.SetState(ObjectAlphaId, object.Alpha);
  controls.SetState(ObjectLockId, object.Locked);
  controls.SetState(ObjectXId, object.X);
  controls.SetState(ObjectYId, object.Y);
  controls.SetState(ObjectHId, object.H);
  controls.SetState(ObjectWId, object.W);
  Shape& shape = CurrentShapeOf(s);
  controls.SetText(ShapeNameId, shape.Name);
  controls.SetState(ShapeAlphaId, shape.Alpha);
  controls.SetState(ShapeStyleId, shape.Style);
  controls.SetState(ShapeWId, shape.W);
  controls.SetState(ShapeHId, shape.H);
  controls.SetState(LineWidthId, shape.LineWidth);
  controls.SetState(LineHeightId, shape.LineHeight);
  controls.SetState(LineDistId, shape.LineDist);
  controls.SetState(ShapeCxId, shape.CX);
  controls.SetState(ShapeCyId, shape.CY);
  controls.SetState(ShapeXId, shape.X);
  controls.SetState(ShapeYId, shape.Y);
  if (!HasIndex(shape.Fx, s.State.CurrentFx)) s.State.CurrentFx = 0;
  ShapeFx& fx = shape.Fx[static_cast<size_t>(s.State.CurrentFx)];
  if (fx.Width <= 0) fx.Width = 1;
  if (fx.Height <= 0) fx.Height = 1;
  if (fx.Dist <= 0) fx.Dist = 1;
  LoadFxControls(controls, s.State.CurrentFx, fx);
}

void ShapePanelEvent(Session& s, platform::Controls& controls, int64_t id) {
  switch (id) {
    case ShapeListId:
      ShapeListChanged(s, controls);
      return;
    case AddShapeFileId:
      AddShapeFromFile(s);
      return;
    case ShapeFileId:
      s.State.ShapeFile = controls.Text(ShapeFileId);
      return;
    case DeleteShapeId:
      DeleteCurrentShape(s);
      s.View.FocusCanvas();
      return;
    case ShapeUpId:
      MoveShapeUp(s);
      return;
    case ShapeDownId:
      MoveShapeDown(s);
      return;
    default:
      break;
  }
  if (s.State.CurrentShape < 0 || !HasCurrentShape(s)) return;
  EditShape(s, controls, id, CurrentShapeOf(s));
}

}  // namespace drawlet
