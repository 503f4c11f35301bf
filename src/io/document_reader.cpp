#include <algorithm>
#include <charconv>

#include "io/document_format.h"
#include "io/fields.h"
#include "io/line_writer.h"

namespace drawlet {

namespace {

// Headers older than this name the object they are read into.
constexpr double NamingHeaderVersion = 0.08;
// Files older than this wrote Alpha 0 for opaque shapes.
constexpr double OpaqueAlphaVersion = 0.10;

constexpr int16_t MinLineWidth = 10;
constexpr int16_t MinLineHeight = 5;
constexpr int16_t MinLineDist = 5;

// Copies a text field into a string in place, turning the writer's U+201A back into ",".
void AssignFieldText(std::string& out, std::string_view field) {
  out.clear();
  size_t start = 0;
  while (true) {
    const size_t standIn = field.find(CommaStandIn, start);
    if (standIn == std::string_view::npos) {
      out.append(field.substr(start));
      return;
    }
    out.append(field.substr(start, standIn - start));
    out.push_back(',');
    start = standIn + CommaStandIn.size();
  }
}

void AssignIndexedName(std::string& out, std::string_view prefix, int64_t index) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, index);
  out.assign(prefix);
  out.append(digits, result.ptr);
}

int64_t RealShapeCount(const ObjectLayer& object) {
  return object.HasShape != 0 ? static_cast<int64_t>(object.Shapes.size()) : 0;
}

// An index a file may name: anything outside is damage, and growing to it could exhaust memory.
bool IsFileIndex(int64_t index) { return index >= 0 && index <= MaxFileIndex; }

// Each line's fields are read in file order through one cursor, so nothing is split,
// copied or allocated per line.
class DocumentReader {
 public:
  DocumentReader(LoadMode mode, Document& doc, EditorState& state, platform::Fonts& fonts)
      : mode_(mode), doc_(doc), state_(state), fonts_(fonts) {
    // An inserted file adds to the object, header or not: it never writes over its shapes.
    if (mode_ == LoadMode::Insert) {
      afterExisting_ = true;
      if (const ObjectLayer* object = CurrentObject()) offset_ = RealShapeCount(*object);
    }
  }

  void ReadLine(std::string_view line) {
    FieldCursor fields(line);
    const std::string_view key = fields.Text();
    // Most lines are points, so they are tested first.
    if (key == "pt") {
      ReadPoint(fields);
    } else if (key == "shapefx") {
      ReadFx(fields);
    } else if (key == "shape") {
      ReadShape(fields);
    } else if (key == "obj") {
      ReadObject(fields);
    } else if (key == "gen") {
      ReadHeader(fields);
    }
  }

 private:
  ObjectLayer* CurrentObject() {
    return HasIndex(doc_.Objects, state_.CurrentObject) ? &doc_.Objects[state_.CurrentObject] : nullptr;
  }

  Shape* CurrentShape() {
    ObjectLayer* object = CurrentObject();
    return object != nullptr && HasIndex(object->Shapes, shape_) ? &object->Shapes[shape_] : nullptr;
  }

  void ReadHeader(FieldCursor& fields) {
    const std::string_view name = fields.Text();
    version_ = ParseFraction(fields.Text());
    ObjectLayer* object = CurrentObject();
    if (object == nullptr) return;
    if (mode_ == LoadMode::Load) {
      ResizeTo(object->Shapes, 1);
    } else {
      // After a header the file's shapes go after the real shapes of the object they land in.
      afterExisting_ = true;
      offset_ = RealShapeCount(*object);
    }
    if (version_ < NamingHeaderVersion) {
      AssignFieldText(object->Name, name);
      object->W = 100;
      object->H = 100;
    }
  }

  void ReadObject(FieldCursor& fields) {
    if (mode_ == LoadMode::Insert) return;
    const bool append = state_.HasShapes >= 1 || objectPlaced_;
    const int64_t target = LastIndex(doc_.Objects) + (append ? 1 : 0);
    if (!IsFileIndex(target)) return;
    ResizeTo(doc_.Objects, target + 1);
    objectPlaced_ = true;
    state_.CurrentObject = target;
    ObjectLayer& object = doc_.Objects[target];
    if (afterExisting_) offset_ = RealShapeCount(object);
    AssignFieldText(object.Name, fields.Text());
    object.X = fields.Number();
    object.Y = fields.Number();
    object.W = WrapI16(fields.Number());
    object.H = WrapI16(fields.Number());
    object.Order = WrapU8(fields.Number());
    object.Hidden = WrapU8(fields.Number());
    object.Locked = WrapU8(fields.Number());
  }

  void ReadShape(FieldCursor& fields) {
    const int64_t fileIndex = fields.Number();
    // Checked before adding, so the sum cannot overflow; a negative index is damage even
    // where the offset would make the sum name a shape.
    if (!IsFileIndex(fileIndex)) return;
    const int64_t index = fileIndex + offset_;
    ObjectLayer* object = CurrentObject();
    if (!IsFileIndex(index) || object == nullptr) return;
    shape_ = index;
    if (index > LastIndex(object->Shapes)) ResizeTo(object->Shapes, index + 1);
    object->HasShape = 1;
    Shape& shape = object->Shapes[index];
    ResizeTo(shape.Points, 1);
    shape.Order = index;
    shape.Color = fields.Number();
    const std::string_view name = fields.Text();
    if (name.empty()) {
      AssignIndexedName(shape.Name, "shape_", index);
    } else {
      AssignFieldText(shape.Name, name);
    }
    shape.Alpha = WrapU8(fields.Number());
    if (version_ < OpaqueAlphaVersion && shape.Alpha == 0) shape.Alpha = 255;
    shape.Style = WrapU8(fields.Number());
    shape.LineWidth = std::max(WrapI16(fields.Number()), MinLineWidth);
    shape.LineHeight = std::max(WrapI16(fields.Number()), MinLineHeight);
    shape.LineDist = std::max(WrapI16(fields.Number()), MinLineDist);
    shape.Type = WrapU8(fields.Number());
    shape.W = WrapI16(fields.Number());
    shape.H = WrapI16(fields.Number());
    if (shape.Type == TypeText) {
      AssignFieldText(shape.Text, fields.Text());
      AssignFieldText(shape.FontName, fields.Text());
      shape.FontStyle = fields.Number();
    }
    shape.Font = fonts_.Load(shape.FontName, shape.W, shape.FontStyle);
  }

  void ReadFx(FieldCursor& fields) {
    const int64_t k = fields.Number();
    Shape* shape = CurrentShape();
    if (!IsFileIndex(k) || shape == nullptr) return;
    if (k > LastIndex(shape->Fx)) ResizeTo(shape->Fx, k + 1);
    ShapeFx& fx = shape->Fx[k];
    AssignIndexedName(fx.Name, "fx_", k);
    fx.X = WrapI16(fields.Number());
    fx.Y = WrapI16(fields.Number());
    fx.Color = fields.Number();
    fx.Alpha = WrapU8(fields.Number());
    fx.Depth = WrapU8(fields.Number());
    fx.Style = WrapU8(fields.Number());
    fx.Width = fields.Number();
    fx.Height = fields.Number();
    fx.Dist = fields.Number();
    fx.Scale = WrapI16(fields.Number());
    fx.Reserved1 = WrapI16(fields.Number());
    fx.Reserved2 = WrapI16(fields.Number());
    fx.Active = WrapU8(fields.Number());
  }

  void ReadPoint(FieldCursor& fields) {
    const int64_t p = fields.Number();
    Shape* shape = CurrentShape();
    if (!IsFileIndex(p) || shape == nullptr) return;
    if (p > LastIndex(shape->Points)) ResizeTo(shape->Points, p + 1);
    ShapePoint& point = shape->Points[p];
    point.X = fields.Number();
    point.Y = fields.Number();
  }

  LoadMode mode_;
  Document& doc_;
  EditorState& state_;
  platform::Fonts& fonts_;
  double version_ = 0;
  int64_t offset_ = 0;
  int64_t shape_ = 0;
  bool objectPlaced_ = false;
  bool afterExisting_ = false;
};

}  // namespace

void ReadDocumentText(std::string_view text, LoadMode mode, Document& doc, EditorState& state,
                      platform::Fonts& fonts) {
  DocumentReader reader(mode, doc, state, fonts);
  ForEachLine(text, [&reader](std::string_view line) { reader.ReadLine(line); });
}

}  // namespace drawlet
