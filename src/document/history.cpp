#include "document/history.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace drawlet {

namespace {

// Grab offsets belong to a gesture, not to the drawing, so no comparison reads them.
bool SamePoints(const std::vector<ShapePoint>& a, const std::vector<ShapePoint>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const ShapePoint& p, const ShapePoint& q) { return p.X == q.X && p.Y == q.Y; });
}

bool SameFx(const ShapeFx& a, const ShapeFx& b) {
  return std::tie(a.Name, a.X, a.Y, a.Style, a.Color, a.Alpha, a.Depth, a.Width, a.Height, a.Reserved1, a.Reserved2,
                  a.Scale, a.Dist, a.Active) ==
         std::tie(b.Name, b.X, b.Y, b.Style, b.Color, b.Alpha, b.Depth, b.Width, b.Height, b.Reserved1, b.Reserved2,
                  b.Scale, b.Dist, b.Active);
}

// Every field but the selection flag.
bool SameShapeContent(const Shape& a, const Shape& b) {
  return std::tie(a.Type, a.Text, a.Font, a.FontName, a.FontStyle, a.Image, a.ImageFile, a.X, a.Y, a.PivotX, a.PivotY,
                  a.CX, a.CY, a.Color, a.Alpha, a.Name, a.W, a.H, a.Order, a.Style, a.Scale, a.Angle, a.LineWidth,
                  a.LineHeight, a.LineDist) ==
             std::tie(b.Type, b.Text, b.Font, b.FontName, b.FontStyle, b.Image, b.ImageFile, b.X, b.Y, b.PivotX,
                      b.PivotY, b.CX, b.CY, b.Color, b.Alpha, b.Name, b.W, b.H, b.Order, b.Style, b.Scale, b.Angle,
                      b.LineWidth, b.LineHeight, b.LineDist) &&
         SamePoints(a.Points, b.Points) && std::equal(a.Fx.begin(), a.Fx.end(), b.Fx.begin(), b.Fx.end(), SameFx);
}

bool SameShape(const Shape& a, const Shape& b) { return a.Selected == b.Selected && SameShapeContent(a, b); }

// Calls field(a.F, b.F) for every field of two objects but their shapes, so the copy, swap and
// comparison of an object's own fields all name the same fields.
template <typename A, typename B, typename Field>
void ForEachObjectField(A& a, B& b, Field field) {
  field(a.HasShape, b.HasShape);
  field(a.Name, b.Name);
  field(a.Order, b.Order);
  field(a.Alpha, b.Alpha);
  field(a.X, b.X);
  field(a.Y, b.Y);
  field(a.W, b.W);
  field(a.H, b.H);
  field(a.Hidden, b.Hidden);
  field(a.Locked, b.Locked);
}

bool SameObjectFields(const ObjectLayer& a, const ObjectLayer& b) {
  bool same = true;
  ForEachObjectField(a, b, [&same](const auto& x, const auto& y) { same = same && x == y; });
  return same;
}

bool SameObject(const ObjectLayer& a, const ObjectLayer& b) {
  return SameObjectFields(a, b) && std::equal(a.Shapes.begin(), a.Shapes.end(), b.Shapes.begin(), b.Shapes.end(), SameShape);
}

bool SameObjectContent(const ObjectLayer& a, const ObjectLayer& b) {
  return SameObjectFields(a, b) &&
         std::equal(a.Shapes.begin(), a.Shapes.end(), b.Shapes.begin(), b.Shapes.end(), SameShapeContent);
}

size_t BytesOf(const Shape& s) {
  size_t bytes = sizeof(Shape) + s.Points.size() * sizeof(ShapePoint) + s.Text.size() + s.FontName.size() +
                 s.ImageFile.size() + s.Name.size();
  for (const ShapeFx& fx : s.Fx) bytes += sizeof(ShapeFx) + fx.Name.size();
  return bytes;
}

size_t BytesOf(const ObjectLayer& o) {
  size_t bytes = sizeof(ObjectLayer) + o.Name.size();
  for (const Shape& s : o.Shapes) bytes += BytesOf(s);
  return bytes;
}

template <typename T>
size_t BytesOfRun(const std::vector<T>& items, size_t from, size_t count) {
  size_t bytes = 0;
  for (size_t i = from; i < from + count && i < items.size(); ++i) bytes += BytesOf(items[i]);
  return bytes;
}

template <typename T>
std::vector<T> CopyFrom(const std::vector<T>& items, int64_t first) {
  const size_t start = std::min(items.size(), static_cast<size_t>(std::max<int64_t>(first, 0)));
  return std::vector<T>(items.begin() + static_cast<std::ptrdiff_t>(start), items.end());
}

ObjectLayer FieldsOf(const ObjectLayer& object) {
  ObjectLayer fields;
  fields.Shapes.clear();
  ForEachObjectField(fields, object, [](auto& to, const auto& from) { to = from; });
  return fields;
}

void SwapFields(ObjectLayer& live, ObjectLayer& stored) {
  ForEachObjectField(live, stored, [](auto& x, auto& y) { std::swap(x, y); });
}

const ObjectLayer* ObjectAt(const Document& doc, int64_t i) {
  return HasIndex(doc.Objects, i) ? &doc.Objects[static_cast<size_t>(i)] : nullptr;
}

ObjectLayer* ObjectAt(Document& doc, int64_t i) {
  return HasIndex(doc.Objects, i) ? &doc.Objects[static_cast<size_t>(i)] : nullptr;
}

std::vector<std::vector<uint8_t>> SelectionFlags(const Document& doc) {
  std::vector<std::vector<uint8_t>> flags(doc.Objects.size());
  for (size_t i = 0; i < doc.Objects.size(); ++i) {
    for (const Shape& s : doc.Objects[i].Shapes) flags[i].push_back(s.Selected);
  }
  return flags;
}

StepState StateOf(const EditorState& state) {
  return {state.CurrentObject, state.CurrentShape, state.CurrentFx, state.CurrentPoint, state.HasShapes,
          state.DocumentFile};
}

void Restore(const StepState& from, EditorState& state) {
  state.CurrentObject = from.CurrentObject;
  state.CurrentShape = from.CurrentShape;
  state.CurrentFx = from.CurrentFx;
  state.CurrentPoint = from.CurrentPoint;
  state.HasShapes = from.HasShapes;
  state.DocumentFile = from.DocumentFile;
}

bool SameRegion(const StepRegion& a, const StepRegion& b) {
  return a.What == b.What && a.Object == b.Object && a.From == b.From;
}

// Narrows a run to what differs between the copy taken at the start and the live items from
// first on. Returns whether anything differs and, through contentChanged, whether more than
// selection flags did.
template <typename T, typename Same, typename SameContent>
bool TrimRun(std::vector<T>& before, const std::vector<T>& live, int64_t first, Same same, SameContent sameContent,
             StepPart& part, bool& contentChanged, size_t& bytes) {
  const size_t start = std::min(live.size(), static_cast<size_t>(std::max<int64_t>(first, 0)));
  const size_t liveCount = live.size() - start;
  size_t prefix = 0;
  while (prefix < before.size() && prefix < liveCount && same(before[prefix], live[start + prefix])) ++prefix;
  size_t suffix = 0;
  while (suffix < before.size() - prefix && suffix < liveCount - prefix &&
         same(before[before.size() - 1 - suffix], live[live.size() - 1 - suffix])) {
    ++suffix;
  }
  before.erase(before.end() - static_cast<std::ptrdiff_t>(suffix), before.end());
  before.erase(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(prefix));
  part.At = static_cast<int64_t>(start + prefix);
  part.LiveCount = liveCount - prefix - suffix;
  if (before.empty() && part.LiveCount == 0) return false;
  bool content = before.size() != part.LiveCount;
  for (size_t i = 0; !content && i < before.size(); ++i) content = !sameContent(before[i], live[start + prefix + i]);
  contentChanged = contentChanged || content;
  for (const T& item : before) bytes += BytesOf(item);
  bytes += BytesOfRun(live, start + prefix, part.LiveCount);
  return true;
}

// Swaps a stored run with the live run at the part's place.
template <typename T>
void SwapRun(std::vector<T>& live, std::vector<T>& stored, StepPart& part) {
  const auto at = live.begin() + part.At;
  std::vector<T> taken(std::make_move_iterator(at), std::make_move_iterator(at + static_cast<std::ptrdiff_t>(part.LiveCount)));
  const auto gap = live.erase(at, at + static_cast<std::ptrdiff_t>(part.LiveCount));
  live.insert(gap, std::make_move_iterator(stored.begin()), std::make_move_iterator(stored.end()));
  part.LiveCount = stored.size();
  stored = std::move(taken);
}

void SwapPart(Document& doc, StepPart& part) {
  switch (part.Region.What) {
    case StepRegion::Kind::Objects:
      SwapRun(doc.Objects, part.Objects, part);
      break;
    case StepRegion::Kind::Shapes:
      if (ObjectLayer* object = ObjectAt(doc, part.Region.Object)) SwapRun(object->Shapes, part.Shapes, part);
      break;
    case StepRegion::Kind::Shape:
      if (ObjectLayer* object = ObjectAt(doc, part.Region.Object); object != nullptr &&
          HasIndex(object->Shapes, part.Region.From) && !part.Shapes.empty()) {
        std::swap(object->Shapes[static_cast<size_t>(part.Region.From)], part.Shapes.front());
      }
      break;
    case StepRegion::Kind::ObjectFields:
      if (ObjectLayer* object = ObjectAt(doc, part.Region.Object); object != nullptr && !part.Objects.empty()) {
        SwapFields(*object, part.Objects.front());
      }
      break;
    case StepRegion::Kind::Selection:
      for (StepPart::Flag& flag : part.Flags) {
        ObjectLayer* object = ObjectAt(doc, flag.Object);
        if (object == nullptr || !HasIndex(object->Shapes, flag.Shape)) continue;
        std::swap(object->Shapes[static_cast<size_t>(flag.Shape)].Selected, flag.Other);
      }
      break;
  }
}

// Settles a part when its step ends; false when its region did not change.
bool SettlePart(const Document& doc, StepPart& part, bool& contentChanged, size_t& bytes) {
  switch (part.Region.What) {
    case StepRegion::Kind::Objects:
      return TrimRun(part.Objects, doc.Objects, part.Region.From, SameObject, SameObjectContent, part, contentChanged,
                     bytes);
    case StepRegion::Kind::Shapes: {
      const ObjectLayer* object = ObjectAt(doc, part.Region.Object);
      if (object == nullptr) return false;
      return TrimRun(part.Shapes, object->Shapes, part.Region.From, SameShape, SameShapeContent, part, contentChanged,
                     bytes);
    }
    case StepRegion::Kind::Shape: {
      const ObjectLayer* object = ObjectAt(doc, part.Region.Object);
      if (object == nullptr || !HasIndex(object->Shapes, part.Region.From) || part.Shapes.empty()) return false;
      const Shape& live = object->Shapes[static_cast<size_t>(part.Region.From)];
      if (SameShape(part.Shapes.front(), live)) return false;
      contentChanged = contentChanged || !SameShapeContent(part.Shapes.front(), live);
      bytes += BytesOf(part.Shapes.front()) + BytesOf(live);
      return true;
    }
    case StepRegion::Kind::ObjectFields: {
      const ObjectLayer* object = ObjectAt(doc, part.Region.Object);
      if (object == nullptr || part.Objects.empty() || SameObjectFields(part.Objects.front(), *object)) return false;
      contentChanged = true;
      bytes += 2 * BytesOf(part.Objects.front());
      return true;
    }
    case StepRegion::Kind::Selection: {
      for (size_t i = 0; i < part.FlagsAtStart.size() && i < doc.Objects.size(); ++i) {
        const std::vector<Shape>& shapes = doc.Objects[i].Shapes;
        for (size_t j = 0; j < part.FlagsAtStart[i].size() && j < shapes.size(); ++j) {
          if (part.FlagsAtStart[i][j] != shapes[j].Selected) {
            part.Flags.push_back({static_cast<int64_t>(i), static_cast<int64_t>(j), part.FlagsAtStart[i][j]});
          }
        }
      }
      part.FlagsAtStart = {};
      bytes += part.Flags.size() * sizeof(StepPart::Flag);
      return !part.Flags.empty();
    }
  }
  return false;
}

StepPart Capture(const Document& doc, StepRegion region) {
  StepPart part;
  part.Region = region;
  switch (region.What) {
    case StepRegion::Kind::Objects:
      part.Objects = CopyFrom(doc.Objects, region.From);
      break;
    case StepRegion::Kind::ObjectFields:
      if (const ObjectLayer* object = ObjectAt(doc, region.Object)) part.Objects.push_back(FieldsOf(*object));
      break;
    case StepRegion::Kind::Shapes:
      if (const ObjectLayer* object = ObjectAt(doc, region.Object)) part.Shapes = CopyFrom(object->Shapes, region.From);
      break;
    case StepRegion::Kind::Shape:
      if (const ObjectLayer* object = ObjectAt(doc, region.Object); object != nullptr && HasIndex(object->Shapes, region.From)) {
        part.Shapes.push_back(object->Shapes[static_cast<size_t>(region.From)]);
      }
      break;
    case StepRegion::Kind::Selection:
      part.FlagsAtStart = SelectionFlags(doc);
      break;
  }
  return part;
}

}  // namespace

StepRegion ObjectsFrom(int64_t first) { return {StepRegion::Kind::Objects, 0, first}; }
StepRegion WholeDrawing() { return ObjectsFrom(0); }
StepRegion ObjectFieldsOf(int64_t object) { return {StepRegion::Kind::ObjectFields, object, 0}; }
StepRegion ShapesFrom(int64_t object, int64_t first) { return {StepRegion::Kind::Shapes, object, first}; }
StepRegion OneShape(int64_t object, int64_t shape) { return {StepRegion::Kind::Shape, object, shape}; }
StepRegion AllSelectionFlags() { return {StepRegion::Kind::Selection, 0, 0}; }

void History::Begin(const Document& doc, const EditorState& state, StepRegion region, MergeKey key) {
  if (depth_++ == 0) {
    open_ = Step{};
    openRegions_.clear();
    open_.Before = StateOf(state);
    open_.Key = key;
  }
  Include(doc, region);
}

void History::Include(const Document& doc, StepRegion region) {
  if (depth_ == 0) return;
  // The first copy of a region is the one taken before anything changed in it.
  if (!openRegions_.emplace(static_cast<uint8_t>(region.What), region.Object, region.From).second) return;
  open_.Parts.push_back(Capture(doc, region));
}

void History::End(const Document& doc, const EditorState& state) {
  if (depth_ == 0 || --depth_ > 0) return;
  Step step = std::move(open_);
  open_ = Step{};
  openRegions_.clear();
  step.After = StateOf(state);
  std::vector<StepPart> changed;
  for (StepPart& part : step.Parts) {
    if (SettlePart(doc, part, step.ChangesFile, step.Bytes)) changed.push_back(std::move(part));
  }
  if (changed.empty()) return;
  step.Parts = std::move(changed);
  if (MergeWithLast(step)) return;
  Push(std::move(step));
}

bool History::MergeWithLast(const Step& step) {
  if (step.Key.Empty() || !mergeable_ || position_ == 0 || position_ != steps_.size()) return false;
  Step& last = steps_.back();
  if (!(last.Key == step.Key) || last.Parts.size() != step.Parts.size()) return false;
  for (size_t i = 0; i < last.Parts.size(); ++i) {
    const StepRegion::Kind kind = last.Parts[i].Region.What;
    // Only parts of a fixed place can take a later change: the earlier copy stays what was before.
    if (!SameRegion(last.Parts[i].Region, step.Parts[i].Region) ||
        (kind != StepRegion::Kind::Shape && kind != StepRegion::Kind::ObjectFields)) {
      return false;
    }
  }
  last.After = step.After;
  last.ChangesFile = last.ChangesFile || step.ChangesFile;
  if (savedPosition_ == dropped_ + position_) savedReachable_ = false;
  return true;
}

void History::Push(Step step) {
  if (position_ < steps_.size()) {
    if (savedPosition_ > dropped_ + position_) savedReachable_ = false;
    for (size_t i = position_; i < steps_.size(); ++i) bytes_ -= steps_[i].Bytes;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
  }
  bytes_ += step.Bytes;
  steps_.push_back(std::move(step));
  position_ = steps_.size();
  mergeable_ = true;
  while (steps_.size() > 1 && (steps_.size() > MaxSteps || bytes_ > MaxBytes)) DropOldest();
}

void History::DropOldest() {
  bytes_ -= steps_.front().Bytes;
  steps_.pop_front();
  ++dropped_;
  --position_;
}

bool History::Undo(Document& doc, EditorState& state) {
  if (!CanUndo() || Recording()) return false;
  Step& step = steps_[--position_];
  for (auto part = step.Parts.rbegin(); part != step.Parts.rend(); ++part) SwapPart(doc, *part);
  Restore(step.Before, state);
  mergeable_ = false;
  return true;
}

bool History::Redo(Document& doc, EditorState& state) {
  if (!CanRedo() || Recording()) return false;
  Step& step = steps_[position_++];
  for (StepPart& part : step.Parts) SwapPart(doc, part);
  Restore(step.After, state);
  mergeable_ = false;
  return true;
}

bool History::Modified() const {
  if (!savedReachable_ || savedPosition_ < dropped_) return true;
  const uint64_t now = dropped_ + position_;
  const uint64_t from = std::min(now, savedPosition_) - dropped_;
  const uint64_t to = std::max(now, savedPosition_) - dropped_;
  for (uint64_t i = from; i < to; ++i) {
    if (steps_[static_cast<size_t>(i)].ChangesFile) return true;
  }
  return false;
}

void History::MarkSaved() {
  savedPosition_ = dropped_ + position_;
  savedReachable_ = true;
  mergeable_ = false;
}

}  // namespace drawlet
