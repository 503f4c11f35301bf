#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace drawlet {

// What the editing operations see of the window: the refresh steps they end with, the
// title and the mouse. The application implements it with the panels and the canvas,
// the command-line tool with nothing.
class EditorView {
 public:
  virtual ~EditorView() = default;
  virtual void DrawObjectList() = 0;
  virtual void RefillShapeList() = 0;
  // Marks item index of the shape list as selected.
  virtual void SelectShapeListItem(int64_t index) = 0;
  virtual void LoadPropertyControls() = 0;
  virtual void RefillFxList() = 0;
  // Replaces the items of the preset list.
  virtual void ShowPresets(const std::vector<std::string>& names) = 0;
  virtual void RedrawCanvas() = 0;
  // Repaints the canvas after a change to the current shape alone.
  virtual void RedrawCurrentShape() = 0;
  virtual void SetWindowTitle(const std::string& title) = 0;
  virtual void FocusCanvas() = 0;
  // Mouse position in the main window's inner area, -1 on an axis where it is outside.
  virtual void MousePosition(int64_t& x, int64_t& y) = 0;
};

// A view that shows nothing, for batch work without a window.
class NullView : public EditorView {
 public:
  void DrawObjectList() override {}
  void RefillShapeList() override {}
  void SelectShapeListItem(int64_t) override {}
  void LoadPropertyControls() override {}
  void RefillFxList() override {}
  void ShowPresets(const std::vector<std::string>&) override {}
  void RedrawCanvas() override {}
  void RedrawCurrentShape() override {}
  void SetWindowTitle(const std::string&) override {}
  void FocusCanvas() override {}
  void MousePosition(int64_t& x, int64_t& y) override { x = -1; y = -1; }
};

}  // namespace drawlet
