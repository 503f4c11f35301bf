#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/editor_view.h"

namespace drawlet {

struct App;

// The editor's window as the editing operations see it.
class ShellView : public EditorView {
 public:
  explicit ShellView(App& app) : app_(app) {}

  // The side panels fill these in once their contents exist.
  void DrawObjectList() override {}
  void RefillShapeList() override {}
  void SelectShapeListItem(int64_t) override {}
  void LoadPropertyControls() override {}
  void RefillFxList() override {}
  void ShowPresets(const std::vector<std::string>&) override {}

  // Redraws the main canvas with the mouse at (0, 0).
  void RedrawCanvas() override;
  void SetWindowTitle(const std::string& title) override;
  void FocusCanvas() override;
  // The pointer in the area below the menu bar, -1 on an axis where it is outside.
  void MousePosition(int64_t& x, int64_t& y) override;

 private:
  App& app_;
};

}  // namespace drawlet
