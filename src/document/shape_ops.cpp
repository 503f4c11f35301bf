#include "document/shape_ops.h"

#include <algorithm>
#include <string>

#include "document/document_file_ops.h"
#include "document/fx_ops.h"
#include "document/text_parts.h"
#include "document/undo.h"

namespace drawlet {

namespace {

constexpr const char* ImageDialogTitle = "Image";
constexpr const char* ImageFilter = "Png(.png)|*.png|Jpg|*.jpg";
constexpr const char* TextFontName = "Times New roman";
constexpr int64_t TextFontSize = 20;

struct CreationTool {
  uint8_t Tool;
  const char* Prefix;
};

constexpr CreationTool NamedCreationTools[] = {
    {ToolBox, "Box_"}, {ToolCircle, "Circle_"}, {ToolLine, "Line_"}, {ToolCurve, "Curve_"}, {ToolText, "Text_"},
};

std::string PrefixOfTool(uint8_t tool) {
  for (const CreationTool& entry : NamedCreationTools) {
    if (entry.Tool == tool) return entry.Prefix;
  }
  return {};
}

// The image's file name without its extension, wherever that extension recurs.
std::string ImagePrefix(const std::string& path) {
  std::string name = FilePart(path);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) RemoveAll(name, name.substr(dot));
  return name;
}

// Appends a shape element when the object holds real shapes, otherwise takes its last
// element (the placeholder); returns the slot's index.
int64_t ClaimShapeSlot(ObjectLayer& object) {
  if (object.HasShape == 1) {
    ResizeTo(object.Shapes, LastIndex(object.Shapes) + 2);
  } else {
    object.HasShape = 1;
  }
  return LastIndex(object.Shapes);
}

void AppendEmptyNamedShape(Session& s) {
  ObjectLayer& object = CurrentObjectOf(s);
  ResizeTo(object.Shapes, LastIndex(object.Shapes) + 2);
  s.State.CurrentShape = LastIndex(object.Shapes);
  object.Shapes.back().Name.clear();
}

// A new shape's fields, after the slot has been chosen.
void SetUpShape(Shape& shape, uint8_t tool, int64_t n, int64_t x, int64_t y, const std::string& prefix) {
  ResizeTo(shape.Points, 1);
  shape.LineWidth = 10;
  shape.LineHeight = 5;
  shape.LineDist = 5;
  if (tool == ToolLine) {
    ResizeTo(shape.Points, 2);
    shape.Points[1].X = x;
    shape.Points[1].Y = y;
    shape.Style = StyleLine;
  } else if (tool == ToolCurve) {
    ResizeTo(shape.Points, 4);
    for (int64_t i = 0; i < 4; ++i) {
      shape.Points[static_cast<size_t>(i)].X = x + 5 * i - 10;
      shape.Points[static_cast<size_t>(i)].Y = y + 5 * i - 10;
    }
    shape.Style = StyleLine;
  }
  shape.Order = n;
  shape.W = 5;
  shape.H = 5;
  shape.Name = prefix + std::to_string(n);
  shape.Alpha = 255;
  shape.Color = DefaultShapeColor;
  shape.Points[0].X = x;
  shape.Points[0].Y = y;
  shape.Type = WrapU8(tool - ToolComplex);
}

bool AnyObjectHoldsShapes(const Document& doc) {
  return std::any_of(doc.Objects.begin(), doc.Objects.end(),
                     [](const ObjectLayer& object) { return object.HasShape == 1; });
}

// Swaps the current shape with a neighbour, keys included, so the keys stay sorted
// whatever gaps earlier deletes left in them; the current shape follows the move.
void SwapCurrentShapeWith(Session& s, int64_t partner) {
  StepScope step(s, ShapesFrom(s.State.CurrentObject, std::min(s.State.CurrentShape, partner)));
  std::vector<Shape>& shapes = CurrentObjectOf(s).Shapes;
  Shape& moved = shapes[static_cast<size_t>(s.State.CurrentShape)];
  Shape& other = shapes[static_cast<size_t>(partner)];
  std::swap(moved.Order, other.Order);
  std::swap(moved, other);
  s.State.CurrentShape = partner;
  s.View.RefillShapeList();
  s.View.SelectShapeListItem(s.State.CurrentShape);
  s.View.RedrawCanvas();
}

}  // namespace

int AddShape(Session& s, int64_t x, int64_t y) {
  const uint8_t tool = s.State.Tool;
  if (tool < ToolComplex || tool > ToolText) return 0;
  StepScope fields(s, ObjectFieldsOf(s.State.CurrentObject));
  // A new shape goes into the last slot or after it; an inserted file may tidy any slot.
  StepScope shapes(s, ShapesFrom(s.State.CurrentObject,
                                 tool == ToolComplex ? 0 : LastIndex(CurrentObjectOf(s).Shapes)));
  s.State.CurrentPoint = 0;
  ObjectLayer& object = CurrentObjectOf(s);

  if (tool == ToolComplex) {
    if (object.HasShape == 1) {
      AppendEmptyNamedShape(s);
    } else {
      s.State.CurrentShape = 0;
      object.Shapes[0].Name.clear();
    }
    InsertShapeFile(s, false);
    s.State.HasShapes = 1;
    CurrentObjectOf(s).HasShape = 1;
    return 1;
  }

  if (tool == ToolRoundBox) return 0;
  std::string prefix = PrefixOfTool(tool);
  std::string imagePath;
  platform::ImageHandle image;
  if (tool == ToolImage) {
    imagePath = s.Dialogs.OpenFile(ImageDialogTitle, "", ImageFilter, 0);
    if (imagePath.empty()) return 0;
    image = s.Images.Load(imagePath);
    if (!image) {
      s.Messages.Show("Error", "Unable to load the image " + imagePath, platform::MessageIcon::Error);
      return 0;
    }
    prefix = ImagePrefix(imagePath);
  }

  const int64_t n = ClaimShapeSlot(object);
  Shape& shape = object.Shapes[static_cast<size_t>(n)];
  shape.Name.clear();
  s.State.HasShapes = 1;
  s.State.CurrentShape = n;
  SetUpShape(shape, tool, n, x, y, prefix);
  if (tool == ToolText) {
    shape.W = 10;
    shape.Text = "Text_" + std::to_string(n);
    shape.FontName = TextFontName;
    shape.FontStyle = platform::FontBold;
    shape.Font = s.Fonts.Load(shape.FontName, TextFontSize, shape.FontStyle);
  } else if (tool == ToolImage) {
    shape.W = WrapI16(image->Width());
    shape.H = WrapI16(image->Height());
    shape.Image = image;
    shape.ImageFile = imagePath;
  }
  AddFx(s, 0);
  s.View.DrawObjectList();
  s.View.RefillShapeList();
  return 1;
}

void AddShapeFromFile(Session& s) {
  StepScope fields(s, ObjectFieldsOf(s.State.CurrentObject));
  StepScope shapes(s, ShapesFrom(s.State.CurrentObject, 0));
  ObjectLayer& object = CurrentObjectOf(s);
  if (object.HasShape == 1) {
    AppendEmptyNamedShape(s);
  } else {
    s.State.CurrentShape = 0;
    ResizeTo(object.Shapes, 1);
    object.Shapes[0].Name.clear();
  }
  InsertShapeFile(s, true);
  CurrentObjectOf(s).HasShape = 1;
  s.State.HasShapes = 1;
  s.View.FocusCanvas();
}

void InsertShapeFile(Session& s, bool redraw) {
  s.State.CurrentPoint = 0;
  if (s.State.ShapeFile.empty()) s.State.ShapeFile = DefaultShapeFile;
  LoadDocument(s, LoadMode::Insert, ShapesFolder + s.State.ShapeFile, redraw);

  // Slots the file did not fill keep an empty name; all of them go, but the array keeps
  // its element 0.
  std::vector<Shape>& shapes = CurrentObjectOf(s).Shapes;
  const auto unnamed = [](const Shape& shape) { return shape.Name.empty(); };
  if (std::all_of(shapes.begin(), shapes.end(), unnamed)) {
    ResizeTo(shapes, 1);
  } else {
    shapes.erase(std::remove_if(shapes.begin(), shapes.end(), unnamed), shapes.end());
  }
  if (!HasIndex(shapes, s.State.CurrentShape)) s.State.CurrentShape = 0;

  s.View.SetWindowTitle(AppTitle);
  s.State.DocumentFile.clear();
  s.View.RefillShapeList();
  AddFx(s, 0);
  if (redraw) s.View.RedrawCanvas();
  s.View.DrawObjectList();
  s.View.RefillShapeList();
}

void DeleteCurrentShape(Session& s) {
  if (!HasCurrentShape(s)) return;
  StepScope fields(s, ObjectFieldsOf(s.State.CurrentObject));
  StepScope shapes(s, ShapesFrom(s.State.CurrentObject, s.State.CurrentShape));
  ObjectLayer& object = CurrentObjectOf(s);
  if (object.Shapes.size() >= 2) {
    object.Shapes.erase(object.Shapes.begin() + s.State.CurrentShape);
    s.State.CurrentShape = 0;
    s.View.LoadPropertyControls();
  } else {
    s.State.CurrentShape = -1;
    object.HasShape = 0;
    // The flag is for the whole drawing: other objects' shapes stay visible.
    s.State.HasShapes = AnyObjectHoldsShapes(s.Doc) ? 1 : -1;
  }
  s.View.RefillShapeList();
  s.View.RedrawCanvas();
}

void MoveShapeUp(Session& s) {
  if (!HasCurrentShape(s) || s.State.CurrentShape < 1) return;
  SwapCurrentShapeWith(s, s.State.CurrentShape - 1);
}

void MoveShapeDown(Session& s) {
  if (!HasCurrentShape(s) || s.State.CurrentShape >= LastIndex(CurrentObjectOf(s).Shapes)) return;
  SwapCurrentShapeWith(s, s.State.CurrentShape + 1);
}

void SetSelectionOfAll(Session& s, uint8_t flag) {
  StepScope step(s, AllSelectionFlags());
  for (Shape& shape : CurrentObjectOf(s).Shapes) shape.Selected = flag;
}

void CopyCurrentShape(Session& s) {
  if (!HasCurrentShape(s)) return;
  s.State.Clipboard = CurrentShapeOf(s);
  s.State.Clipboard.Name = "Shape_" + std::to_string(LastIndex(CurrentObjectOf(s).Shapes) + 1);
}

void Paste(Session& s) {
  int64_t x = -1;
  int64_t y = -1;
  s.View.MousePosition(x, y);
  x -= s.Options.PanelW;
  y -= s.Options.ToolBarH;
  StepScope fields(s, ObjectFieldsOf(s.State.CurrentObject));
  StepScope shapes(s, ShapesFrom(s.State.CurrentObject, LastIndex(CurrentObjectOf(s).Shapes)));

  ObjectLayer& object = CurrentObjectOf(s);
  if (object.HasShape == 1) {
    ResizeTo(object.Shapes, LastIndex(object.Shapes) + 2);
    s.State.CurrentShape = LastIndex(object.Shapes);
  } else {
    // An object without real shapes takes the paste in its placeholder, so the next
    // Add shape appends after it instead of overwriting it.
    s.State.CurrentShape = 0;
    object.HasShape = 1;
    s.State.HasShapes = 1;
  }
  s.State.CurrentPoint = 0;
  s.View.DrawObjectList();
  s.View.RefillShapeList();

  Shape& pasted = CurrentShapeOf(s);
  pasted = s.State.Clipboard;
  pasted.X = WrapI16(x);
  pasted.Y = WrapI16(y);
  s.View.RedrawCanvas();
  s.View.LoadPropertyControls();
  s.View.RefillShapeList();
}

void PasteToShape(Session& s) {
  if (HasCurrentShape(s)) {
    StepScope step(s, OneShape(s.State.CurrentObject, s.State.CurrentShape));
    CurrentShapeOf(s) = s.State.Clipboard;
  }
  s.View.RedrawCanvas();
}

void ToggleLockSelection(Session& s) { s.State.LockSelection = s.State.LockSelection == 0 ? 1 : 0; }

}  // namespace drawlet
