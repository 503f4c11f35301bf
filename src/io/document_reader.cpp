#include <algorithm>
#include <charconv>
#include <map>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

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

// A fresh shape brings its six points and its effect along.
constexpr int64_t FreshShapeRecords = 8;

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Each line's fields are read in file order through one cursor, so nothing is split,
// copied or allocated per line.
class DocumentReader {
 public:
  DocumentReader(LoadMode mode, Document& doc, EditorState& state, platform::Fonts& fonts, platform::Images& images)
      : mode_(mode),
        doc_(doc),
        state_(state),
        fonts_(fonts),
        images_(images),
        objectCount_(doc.Objects.size()),
        startObject_(state.CurrentObject) {
    // An inserted file adds to the object, header or not: it never writes over its shapes.
    if (mode_ == LoadMode::Insert) {
      afterExisting_ = true;
      if (const ObjectLayer* object = CurrentObject()) offset_ = RealShapeCount(*object);
    }
  }

  bool OverBudget() const { return overBudget_; }

  // Puts back every object the read changed and drops the objects it added.
  void Undo() {
    doc_.Objects.erase(doc_.Objects.begin() + static_cast<std::ptrdiff_t>(objectCount_), doc_.Objects.end());
    for (auto& [index, object] : saved_) doc_.Objects[index] = std::move(object);
    state_.CurrentObject = startObject_;
  }

  void ReadLine(std::string_view line) {
    ++lines_;
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
  // The current object, about to be changed.
  ObjectLayer* CurrentObject() {
    if (!HasIndex(doc_.Objects, state_.CurrentObject)) return nullptr;
    if (!currentKept_) {
      Keep(static_cast<size_t>(state_.CurrentObject));
      currentKept_ = true;
    }
    return &doc_.Objects[state_.CurrentObject];
  }

  // Keeps a copy of an object that was there before the read, once, before it changes.
  void Keep(size_t index) {
    if (index >= objectCount_) return;
    for (const auto& kept : saved_) {
      if (kept.first == index) return;
    }
    saved_.emplace_back(index, doc_.Objects[index]);
  }

  // Records that indices skip ahead; a file may add only so many records it does not name.
  bool MayGrowBy(int64_t skippedRecords) {
    skipped_ += skippedRecords;
    overBudget_ = skipped_ > SkippedRecordAllowance + SkippedRecordsPerLine * lines_;
    return !overBudget_;
  }

  platform::ImageHandle LoadImage(const std::string& path) {
    const auto known = loadedImages_.find(path);
    if (known != loadedImages_.end()) return known->second;
    platform::ImageHandle image = images_.Load(path);
    loadedImages_.emplace(path, image);
    return image;
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
    Keep(static_cast<size_t>(target));
    ResizeTo(doc_.Objects, target + 1);
    objectPlaced_ = true;
    state_.CurrentObject = target;
    currentKept_ = true;
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
    // The offset is at most the object's own shape count, so growth past it is the budget's to judge.
    const int64_t index = fileIndex + offset_;
    ObjectLayer* object = CurrentObject();
    if (object == nullptr) return;
    if (index > LastIndex(object->Shapes)) {
      if (!MayGrowBy(FreshShapeRecords * (index - LastIndex(object->Shapes) - 1))) return;
      ResizeTo(object->Shapes, index + 1);
    }
    shape_ = index;
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
    } else if (shape.Type == TypeImage) {
      // Older files have no image field; their shapes keep what the slot held.
      const std::string_view imageFile = fields.Text();
      if (!imageFile.empty()) {
        AssignFieldText(shape.ImageFile, imageFile);
        shape.Image = LoadImage(shape.ImageFile);
      }
    }
    shape.Font = fonts_.Load(shape.FontName, shape.W, shape.FontStyle);
  }

  void ReadFx(FieldCursor& fields) {
    const int64_t k = fields.Number();
    Shape* shape = CurrentShape();
    if (!IsFileIndex(k) || shape == nullptr) return;
    if (k > LastIndex(shape->Fx)) {
      if (!MayGrowBy(k - LastIndex(shape->Fx) - 1)) return;
      ResizeTo(shape->Fx, k + 1);
    }
    ShapeFx& fx = shape->Fx[k];
    AssignIndexedName(fx.Name, "fx_", k);
    ReadFxFields(fields, fx);
    fx.Active = WrapU8(fields.Number());
  }

  void ReadPoint(FieldCursor& fields) {
    const int64_t p = fields.Number();
    Shape* shape = CurrentShape();
    if (!IsFileIndex(p) || shape == nullptr) return;
    if (p > LastIndex(shape->Points)) {
      if (!MayGrowBy(p - LastIndex(shape->Points) - 1)) return;
      ResizeTo(shape->Points, p + 1);
    }
    ShapePoint& point = shape->Points[p];
    point.X = fields.Number();
    point.Y = fields.Number();
  }

  LoadMode mode_;
  Document& doc_;
  EditorState& state_;
  platform::Fonts& fonts_;
  platform::Images& images_;
  // Each image file is loaded once per read, however many shapes name it.
  std::map<std::string, platform::ImageHandle> loadedImages_;
  const size_t objectCount_;
  const int64_t startObject_;
  std::vector<std::pair<size_t, ObjectLayer>> saved_;
  bool currentKept_ = false;
  int64_t lines_ = 0;
  int64_t skipped_ = 0;
  bool overBudget_ = false;
  double version_ = 0;
  int64_t offset_ = 0;
  int64_t shape_ = 0;
  bool objectPlaced_ = false;
  bool afterExisting_ = false;
};

}  // namespace

ReadResult ReadDocumentText(std::string_view text, LoadMode mode, Document& doc, EditorState& state,
                            platform::Fonts& fonts, platform::Images& images) {
  if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark) text.remove_prefix(ByteOrderMark.size());
  DocumentReader reader(mode, doc, state, fonts, images);
  try {
    ForEachLine(text, [&reader](std::string_view line) {
      if (!reader.OverBudget()) reader.ReadLine(line);
    });
  } catch (const std::bad_alloc&) {
    reader.Undo();
    return ReadResult::OutOfMemory;
  } catch (const std::length_error&) {
    reader.Undo();
    return ReadResult::OutOfMemory;
  }
  if (reader.OverBudget()) {
    reader.Undo();
    return ReadResult::Damaged;
  }
  return ReadResult::Read;
}

}  // namespace drawlet
