#include "render/scene_renderer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "render/drawn_shapes.h"
#include "render/scene.h"
#include "render/scene_frame.h"

namespace drawlet {

namespace {

using SceneKey = SceneRenderer::SceneKey;

SceneKey KeyOf(const Document& doc, const EditorState& state, const sVdOptions& options,
               const platform::VectorCanvas& canvas) {
  SceneKey key{canvas.Width(),  canvas.Height(),     options.Zoom,       options.BgColor, options.ShowOnlySel,
               state.ViewOffsetX, state.ViewOffsetY, state.CurrentObject, state.CurrentShape, state.HasShapes, {}};
  key.Objects.reserve(doc.Objects.size());
  for (const ObjectLayer& object : doc.Objects) {
    key.Objects.push_back(ObjectIsDrawn(object) ? static_cast<int64_t>(object.Shapes.size()) : -1);
  }
  return key;
}

bool SameButOffset(SceneKey a, const SceneKey& b) {
  a.OffsetX = b.OffsetX;
  a.OffsetY = b.OffsetY;
  return a == b;
}

// The drawn shapes of the current object that the change may touch, ascending.
std::vector<int64_t> ChangingShapes(const Document& doc, const EditorState& state, const sVdOptions& options,
                                    CanvasChange change) {
  std::vector<int64_t> changing;
  if (state.HasShapes < 1 || !HasIndex(doc.Objects, state.CurrentObject)) return changing;
  const ObjectLayer& object = doc.Objects[static_cast<size_t>(state.CurrentObject)];
  if (!ObjectIsDrawn(object)) return changing;
  for (int64_t j = 0; j <= LastIndex(object.Shapes); ++j) {
    if (options.ShowOnlySel != 0 && j != state.CurrentShape) continue;
    const bool touched = j == state.CurrentShape ||
                         (change == CanvasChange::GestureShapes && object.Shapes[static_cast<size_t>(j)].Selected == 1);
    if (touched) changing.push_back(j);
  }
  return changing;
}

std::vector<ListedShape> ShapesIn(const Document& doc, const EditorState& state, const sVdOptions& options,
                                  const platform::PixelBox& pixels) {
  if (state.HasShapes < 1) return {};
  return ListShapes(doc, state, options, AreaOfPixels(pixels, options.Zoom * 0.01));
}

int64_t BytesOf(const std::unique_ptr<platform::VectorCanvas>& image) {
  return image ? int64_t{image->Width()} * image->Height() * 4 : 0;
}

// The pixels a box of view units may touch at the zoom, cut to the canvas; all of them for a box
// without bounds.
platform::PixelBox PixelsOf(const ViewBox& box, double zoom, int32_t w, int32_t h) {
  if (box.Empty) return {};
  if (box.Unbounded) return {0, 0, w, h};
  auto cut = [](double v, int32_t limit) { return static_cast<int32_t>(std::clamp(v, 0.0, static_cast<double>(limit))); };
  return {cut(std::floor(box.MinX * zoom) - 1, w), cut(std::floor(box.MinY * zoom) - 1, h),
          cut(std::ceil(box.MaxX * zoom) + 2, w), cut(std::ceil(box.MaxY * zoom) + 2, h)};
}

bool Overlap(const platform::PixelBox& a, const platform::PixelBox& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

ViewBox Joined(ViewBox a, const ViewBox& b) {
  a.Add(b);
  return a;
}

}  // namespace

void SceneRenderer::Redraw(Document& doc, EditorState& state, const sVdOptions& options,
                           platform::VectorCanvas& canvas, EditorView& view, int64_t x, int64_t y,
                           CanvasChange change) {
  if (!SharesTarget(canvas)) {
    sceneKept_ = editKept_ = false;
    RedrawCanvas(doc, state, options, canvas, view, x, y, workers_);
    return;
  }
  if (!canvas.BeginDrawing()) return;
  const ClickOutcome outcome = BeginFrame(doc, state, options, canvas, x, y);
  if (change == CanvasChange::Anything) sceneKept_ = editKept_ = false;
  // A press that took shapes for a drag starts the edit, so its moves find it ready.
  const bool dragging = state.MouseDown == 1 && state.CreateState == 0 &&
                        (state.TransformState == 1 || state.TransformState == 2);
  const bool editing = change == CanvasChange::GestureShapes || change == CanvasChange::CurrentShape ||
                       (change == CanvasChange::Anything && dragging);
  const SceneKey key = KeyOf(doc, state, options, canvas);
  if (!(sceneKey_ == key) && !(change == CanvasChange::ViewOffset && SameButOffset(sceneKey_, key))) {
    sceneKept_ = editKept_ = false;
  }
  bool drawn = false;
  if (editing) {
    const std::vector<int64_t> changing = ChangingShapes(
        doc, state, options, change == CanvasChange::CurrentShape ? change : CanvasChange::GestureShapes);
    drawn = editKept_ && sceneKept_ && changing == changing_ && RepaintEdit(doc, state, options);
    if (!drawn) drawn = StartEdit(doc, state, options, key, changing);
    if (drawn) sceneKey_ = key;
  } else {
    editKept_ = false;
    base_.reset();
    drawn = change == CanvasChange::ViewOffset && PanScene(doc, state, options, key);
  }
  if (!drawn) DrawScene(doc, state, options, key);
  canvas.ResetTransform();
  if (sceneKept_) {
    canvas.CompositeImage(scene_->DrawnImage(), 0, 0, platform::ImageBlend::Replace);
  } else {
    const std::vector<ListedShape> shapes = ShapesIn(doc, state, options, {0, 0, canvas.Width(), canvas.Height()});
    PaintScene(doc, state, shapes, {0, shapes.size()}, {options.BgColor, {}}, options.Zoom * 0.01, {}, canvas,
               workers_, ViewTiles(state, options.Zoom * 0.01));
  }
  EndFrame(doc, state, options, canvas, view, outcome);
}

int64_t SceneRenderer::CachedBytes() const {
  return BytesOf(scene_) + BytesOf(spare_) + BytesOf(base_);
}

std::unique_ptr<platform::VectorCanvas> SceneRenderer::TakeImage(std::unique_ptr<platform::VectorCanvas> kept,
                                                                 int32_t w, int32_t h) {
  if (kept && kept->Width() == w && kept->Height() == h) return kept;
  kept.reset();
  return canvases_.Create(w, h, 0);
}

// Paints the shapes without the aids into the kept image; it is not kept when it cannot be made.
void SceneRenderer::DrawScene(const Document& doc, const EditorState& state, const sVdOptions& options,
                              const SceneKey& key) {
  editKept_ = false;
  scene_ = TakeImage(std::move(scene_), key.Width, key.Height);
  sceneKept_ = scene_ && scene_->BeginDrawing();
  if (!sceneKept_) return;
  const std::vector<ListedShape> shapes = ShapesIn(doc, state, options, {0, 0, key.Width, key.Height});
  PaintScene(doc, state, shapes, {0, shapes.size()}, {options.BgColor, {}}, options.Zoom * 0.01, {}, *scene_,
             workers_, ViewTiles(state, options.Zoom * 0.01));
  scene_->EndDrawing();
  sceneKey_ = key;
}

// Moves the kept image by the pan and paints only the strips it uncovers.
bool SceneRenderer::PanScene(const Document& doc, const EditorState& state, const sVdOptions& options,
                             const SceneKey& key) {
  if (!sceneKept_ || options.Zoom != 100) return false;
  const int32_t w = key.Width, h = key.Height;
  const int32_t dx = key.OffsetX - sceneKey_.OffsetX, dy = key.OffsetY - sceneKey_.OffsetY;
  if (std::abs(dx) >= w || std::abs(dy) >= h) return false;
  spare_ = TakeImage(std::move(spare_), w, h);
  if (!spare_ || !spare_->BeginDrawing()) return false;
  spare_->CompositeImage(scene_->DrawnImage(), dx, dy, platform::ImageBlend::Replace);
  std::vector<platform::PixelBox> strips;
  if (dx != 0) strips.push_back(dx > 0 ? platform::PixelBox{0, 0, dx, h} : platform::PixelBox{w + dx, 0, w, h});
  if (dy != 0) strips.push_back(dy > 0 ? platform::PixelBox{0, 0, w, dy} : platform::PixelBox{0, h + dy, w, h});
  bool painted = true;
  for (const platform::PixelBox& strip : strips) {
    const std::vector<ListedShape> shapes = ShapesIn(doc, state, options, strip);
    painted = painted && PaintScene(doc, state, shapes, {0, shapes.size()}, {options.BgColor, {}}, 1, strip, *spare_,
                                    workers_, ViewTiles(state, 1));
  }
  spare_->EndDrawing();
  if (!painted) return false;
  std::swap(scene_, spare_);
  sceneKey_ = key;
  return true;
}

// Paints the shapes before the first changing one as the base layer and the rest over a copy
// of it as the kept image; false when an image cannot be made.
bool SceneRenderer::StartEdit(const Document& doc, const EditorState& state, const sVdOptions& options,
                              const SceneKey& key, const std::vector<int64_t>& changing) {
  sceneKept_ = editKept_ = false;
  changing_ = changing;
  rest_.clear();
  changingAt_.clear();
  const double zoom = options.Zoom * 0.01;
  const ViewBox area = AreaOfPixels({0, 0, key.Width, key.Height}, zoom);
  std::vector<ListedShape> before;
  if (state.HasShapes >= 1) {
    ForEachDrawnShape(doc, state, options, [&](int64_t i, int64_t j, const Shape& shape) {
      const ListedShape listed{i, j, PaintedBox(shape, state)};
      const bool current = i == state.CurrentObject;
      if (current && std::binary_search(changing.begin(), changing.end(), j)) {
        // A changing shape may move into view later, so it is listed wherever it is.
        changingAt_.push_back(rest_.size());
        rest_.push_back(listed);
        return;
      }
      if (!listed.Box.Meets(area.MinX, area.MinY, area.MaxX, area.MaxY)) return;
      const bool later = !changing.empty() && (i > state.CurrentObject || (current && j > changing.front()));
      (later ? rest_ : before).push_back(listed);
    });
  }
  base_ = TakeImage(std::move(base_), key.Width, key.Height);
  scene_ = TakeImage(std::move(scene_), key.Width, key.Height);
  if (!base_ || !scene_ || !base_->BeginDrawing()) return false;
  PaintScene(doc, state, before, {0, before.size()}, {options.BgColor, {}}, zoom, {}, *base_, workers_,
             ViewTiles(state, zoom));
  base_->EndDrawing();
  if (!scene_->BeginDrawing()) return false;
  PaintScene(doc, state, rest_, {0, rest_.size()}, {0, base_->DrawnImage()}, zoom, {}, *scene_, workers_,
             ViewTiles(state, zoom));
  scene_->EndDrawing();
  sceneKept_ = editKept_ = true;
  return true;
}

// Repaints the boxes the changing shapes left and entered from the base layer up; false when a
// box could not be painted.
bool SceneRenderer::RepaintEdit(const Document& doc, const EditorState& state, const sVdOptions& options) {
  const double zoom = options.Zoom * 0.01;
  const int32_t w = scene_->Width(), h = scene_->Height();
  const ObjectLayer& object = doc.Objects[static_cast<size_t>(state.CurrentObject)];
  std::vector<platform::PixelBox> boxes;
  int64_t area = 0;
  for (const size_t k : changingAt_) {
    ListedShape& listed = rest_[k];
    const ViewBox now = PaintedBox(object.Shapes[static_cast<size_t>(listed.Shape)], state);
    platform::PixelBox box = PixelsOf(Joined(listed.Box, now), zoom, w, h);
    listed.Box = now;
    if (box.Left >= box.Right || box.Top >= box.Bottom) continue;
    // Overlapping boxes are painted as one.
    for (auto other = boxes.begin(); other != boxes.end();) {
      if (!Overlap(*other, box)) {
        ++other;
        continue;
      }
      box = {std::min(box.Left, other->Left), std::min(box.Top, other->Top), std::max(box.Right, other->Right),
             std::max(box.Bottom, other->Bottom)};
      other = boxes.erase(other);
    }
    boxes.push_back(box);
  }
  for (const platform::PixelBox& box : boxes) area += int64_t{box.Right - box.Left} * (box.Bottom - box.Top);
  // Boxes that cover much of the canvas are cheaper painted as one.
  if (area * 2 >= int64_t{w} * h) boxes = {{0, 0, w, h}};
  if (!scene_->BeginDrawing()) return false;
  bool painted = true;
  for (const platform::PixelBox& box : boxes) {
    painted = painted && PaintScene(doc, state, rest_, {0, rest_.size()}, {0, base_->DrawnImage()}, zoom, box,
                                    *scene_, workers_, ViewTiles(state, zoom));
  }
  scene_->EndDrawing();
  return painted;
}

}  // namespace drawlet
