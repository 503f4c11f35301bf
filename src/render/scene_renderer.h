#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "document/editor_view.h"
#include "io/options.h"
#include "model/editor_state.h"
#include "model/records.h"
#include "platform/vector_canvas.h"
#include "render/render_workers.h"
#include "render/scene_list.h"

namespace drawlet {

// What may have changed in the drawing since the canvas was last drawn.
enum class CanvasChange : uint8_t {
  Anything,
  GestureShapes,  // only the current object's current and selected shapes, which a drag changes
  CurrentShape,   // only the current shape, which a panel control changed
  ViewOffset,     // only the view offset, which a pan moved
};

// Draws the main canvas as RedrawCanvas does, with the same pixels, keeping images between
// redraws so that a change to a few shapes or to the view offset repaints only what it must.
// The shapes without the aids are kept as one image. While some shapes change, the shapes
// drawn before the first of them are kept as a layer too, and a redraw repaints only the boxes
// the changing shapes leave and enter: that layer, then every shape drawn after it that reaches
// in. A pan at zoom 100 % moves the kept image and paints the strips it uncovers. Anything the
// change does not name drops what is kept.
class SceneRenderer {
 public:
  SceneRenderer(platform::VectorCanvases& canvases, RenderWorkers& workers)
      : canvases_(canvases), workers_(workers) {}

  void Redraw(Document& doc, EditorState& state, const sVdOptions& options, platform::VectorCanvas& canvas,
              EditorView& view, int64_t x, int64_t y, CanvasChange change);

  // Bytes of the images kept between redraws.
  int64_t CachedBytes() const;

  // What a redraw's cache keys on besides the changing shapes.
  struct SceneKey {
    int32_t Width = 0;
    int32_t Height = 0;
    int64_t Zoom = 0;
    int64_t Background = 0;
    uint8_t ShowOnlySel = 0;
    int16_t OffsetX = 0;
    int16_t OffsetY = 0;
    int64_t CurrentObject = 0;
    int64_t CurrentShape = 0;
    int8_t HasShapes = 0;
    std::vector<int64_t> Objects;  // each object's shape count, -1 for one not drawn
    bool operator==(const SceneKey&) const = default;
  };

 private:
  void DrawScene(const Document& doc, const EditorState& state, const sVdOptions& options, const SceneKey& key);
  bool PanScene(const Document& doc, const EditorState& state, const sVdOptions& options, const SceneKey& key);
  bool StartEdit(const Document& doc, const EditorState& state, const sVdOptions& options, const SceneKey& key,
                 const std::vector<int64_t>& changing);
  bool RepaintEdit(const Document& doc, const EditorState& state, const sVdOptions& options);
  std::unique_ptr<platform::VectorCanvas> TakeImage(std::unique_ptr<platform::VectorCanvas> kept, int32_t w,
                                                    int32_t h);

  platform::VectorCanvases& canvases_;
  RenderWorkers& workers_;

  // The shapes without the aids as last drawn, and a spare image a pan draws into.
  std::unique_ptr<platform::VectorCanvas> scene_;
  std::unique_ptr<platform::VectorCanvas> spare_;
  bool sceneKept_ = false;
  SceneKey sceneKey_;

  // While shapes change: the background with the shapes drawn before the first of them, and
  // the shapes from it on, with where the changing ones stand in that list.
  std::unique_ptr<platform::VectorCanvas> base_;
  std::vector<ListedShape> rest_;
  std::vector<size_t> changingAt_;
  bool editKept_ = false;
  std::vector<int64_t> changing_;  // their shape indices in the current object, ascending
};

}  // namespace drawlet
