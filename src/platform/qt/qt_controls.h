#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <vector>

#include "platform/controls.h"
#include "platform/qt/event_router.h"
#include "platform/qt/qt_main_window.h"

namespace drawlet::platform {

// Controls as Qt widgets placed at fixed positions in the main window's area below the menu
// bar. Every change a user makes raises a Changed event of the control's id; changes made
// through this interface raise none.
class QtControls : public Controls {
 public:
  QtControls(QtMainWindow& window, EventRouter& router) : window_(window), router_(router) {}

  bool CreateContainer(int64_t id, const Rect& r) override;
  bool CreateTabbedPanel(int64_t id, const Rect& r) override;
  bool AddTab(int64_t panelId, const std::string& text) override;
  bool CreateFrame(int64_t id, const Rect& r, const std::string& text) override;
  bool CreateScrollArea(int64_t id, const Rect& r, int64_t innerW, int64_t innerH) override;
  void CloseContainer() override;
  bool CreateLabel(const Rect& r, const std::string& text) override;
  bool CreateControl(int64_t id, ControlKind kind, const Rect& r, const std::string& text, int64_t min, int64_t max,
                     const ImageHandle& image) override;
  bool CreateCanvas(int64_t id, const Rect& r) override;
  bool CreateListCanvas(int64_t id, const Rect& r) override;
  void SetInnerSize(int64_t scrollAreaId, int64_t innerW, int64_t innerH) override;

  bool Exists(int64_t id) override;
  void Remove(int64_t id) override;
  void SetTooltip(int64_t id, const std::string& text) override;
  int64_t State(int64_t id) override;
  void SetState(int64_t id, int64_t state) override;
  std::string Text(int64_t id) override;
  void SetText(int64_t id, const std::string& text) override;
  void ClearItems(int64_t id) override;
  void AddItem(int64_t id, const std::string& text) override;
  void SetItems(int64_t id, const std::vector<std::string>& items) override;
  int64_t ItemCount(int64_t id) override;
  bool ItemSelected(int64_t id, int64_t index) override;
  void SelectItem(int64_t id, int64_t index, bool selected) override;
  void Enable(int64_t id, bool enabled) override;
  void Hide(int64_t id, bool hidden) override;
  Rect Geometry(int64_t id) override;
  void SetGeometry(int64_t id, const Rect& r) override;
  void SetFocus(int64_t id) override;
  void ShowImage(int64_t canvasId, const ImageHandle& image) override;

  // The widget of a control, null when there is none.
  QWidget* Widget(int64_t id) const;

 private:
  struct Control {
    QPointer<QWidget> Widget;
    Rect Geometry;
  };
  struct OpenContainer {
    QPointer<QWidget> Parent;  // where the controls opened in it go
    int64_t TabbedPanel;       // the panel this is or whose tab this is, -1 for other containers
  };

  // The widget new controls go into; null before the window is open.
  QWidget* OpenParent() const;
  // Places a new widget as control id, replacing a control of that id; false without a parent.
  bool Add(int64_t id, QWidget* widget, const Rect& r);
  QWidget* MakeControl(int64_t id, ControlKind kind, const std::string& text, int64_t min, int64_t max,
                       const ImageHandle& image);
  void Changed(int64_t id);

  QtMainWindow& window_;
  EventRouter& router_;
  std::map<int64_t, Control> controls_;
  std::vector<OpenContainer> open_;
};

}  // namespace drawlet::platform
