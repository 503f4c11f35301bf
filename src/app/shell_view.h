#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/editor_view.h"
#include "platform/raster_canvas.h"

namespace drawlet {

struct App;

// The editor's window as the editing operations see it: the side panels and the main canvas.
class ShellView : public EditorView {
 public:
  explicit ShellView(App& app) : app_(app) {}

  // Draws the object list, growing the list and its scroll range to hold every row.
  void DrawObjectList() override;
  void RefillShapeList() override;
  void SelectShapeListItem(int64_t index) override;
  void LoadPropertyControls() override;
  void RefillFxList() override;
  void ShowPresets(const std::vector<std::string>& names) override;

  // Redraws the main canvas with the mouse at (0, 0).
  void RedrawCanvas() override;
  void RedrawCurrentShape() override;
  void SetWindowTitle(const std::string& title) override;
  void FocusCanvas() override;
  // The pointer in the area below the menu bar, -1 on an axis where it is outside.
  void MousePosition(int64_t& x, int64_t& y) override;

 private:
  App& app_;
  // The drawing target of the object list, made at its first drawing.
  std::unique_ptr<platform::RasterCanvas> objectList_;
};

}  // namespace drawlet
