#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.h"

namespace drawlet::platform {

// The control kinds AddControl makes.
enum class ControlKind : int32_t {
  Spin = 0,
  String = 1,
  Button = 2,
  CheckBox = 3,
  Combo = 4,
  ListBox = 5,
  ImageButton = 6,
};

// A state value that leaves a new control as the platform makes it.
inline constexpr int64_t NoState = -65257;

struct Rect {
  int64_t X = 0, Y = 0, W = 0, H = 0;
};

// Controls addressed by id. New controls go into the container opened last (a container,
// a tab of a tabbed panel, a frame or a scroll area) until it is closed; positions are
// relative to it, and the top level is the area of the main window below its menu bar.
// A frame only draws a titled border: the controls opened in it keep the coordinates of the
// container around it.
class Controls {
 public:
  virtual ~Controls() = default;

  // Containers; each Create opens the new container for the controls that follow.
  virtual bool CreateContainer(int64_t id, const Rect& r) = 0;
  virtual bool CreateTabbedPanel(int64_t id, const Rect& r) = 0;
  // Adds a tab to a tabbed panel and opens it in place of the panel or of its tab opened before,
  // so one CloseContainer after the last tab closes the panel.
  virtual bool AddTab(int64_t panelId, const std::string& text) = 0;
  virtual bool CreateFrame(int64_t id, const Rect& r, const std::string& text) = 0;
  virtual bool CreateScrollArea(int64_t id, const Rect& r, int64_t innerW, int64_t innerH) = 0;
  // Gives the scrollable inner area of a scroll area a new size.
  virtual void SetInnerSize(int64_t scrollAreaId, int64_t innerW, int64_t innerH) = 0;
  // Returns to the container that was open before the last one opened.
  virtual void CloseContainer() = 0;

  // A text label with an id the platform chooses.
  virtual bool CreateLabel(const Rect& r, const std::string& text) = 0;
  // A control of a kind: spin (range min..max), string (digits only when min is 1, text is
  // its content), button or image button (toggle when min is 1), check box, combo, list box.
  virtual bool CreateControl(int64_t id, ControlKind kind, const Rect& r, const std::string& text, int64_t min,
                             int64_t max, const ImageHandle& image) = 0;
  // The drawing canvas: sunken border, takes the focus when clicked, reports mouse and keys.
  virtual bool CreateCanvas(int64_t id, const Rect& r) = 0;
  // A canvas without a border that never takes the keyboard focus, for a list drawn by hand.
  virtual bool CreateListCanvas(int64_t id, const Rect& r) = 0;

  virtual bool Exists(int64_t id) = 0;
  virtual void Remove(int64_t id) = 0;
  virtual void SetTooltip(int64_t id, const std::string& text) = 0;
  // Number of a spin, mark of a check box, pressed state of a toggle, selected item of a combo,
  // lowest selected item of a list box (-1 for none). Setting a list box's state selects that
  // item alone. Changes made through these calls raise no events.
  virtual int64_t State(int64_t id) = 0;
  virtual void SetState(int64_t id, int64_t state) = 0;
  virtual std::string Text(int64_t id) = 0;
  virtual void SetText(int64_t id, const std::string& text) = 0;
  virtual void ClearItems(int64_t id) = 0;
  virtual void AddItem(int64_t id, const std::string& text) = 0;
  // Replaces every item of a combo or list box at once, none selected.
  virtual void SetItems(int64_t id, const std::vector<std::string>& items) = 0;
  virtual int64_t ItemCount(int64_t id) = 0;
  // Whether an item of a list box is selected; a list box selects several items.
  virtual bool ItemSelected(int64_t id, int64_t index) = 0;
  virtual void SelectItem(int64_t id, int64_t index, bool selected) = 0;
  virtual void Enable(int64_t id, bool enabled) = 0;
  virtual void Hide(int64_t id, bool hidden) = 0;
  virtual Rect Geometry(int64_t id) = 0;
  virtual void SetGeometry(int64_t id, const Rect& r) = 0;
  virtual void SetFocus(int64_t id) = 0;
  // Shows the pixels of an image on a canvas control, as they are when the call returns.
  virtual void ShowImage(int64_t canvasId, const ImageHandle& image) = 0;
};

}  // namespace drawlet::platform
