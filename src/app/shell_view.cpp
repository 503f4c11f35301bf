#include "app/shell_view.h"

#include "app/app.h"
#include "app/main_canvas.h"
#include "panels/fx_panel.h"
#include "panels/object_panel.h"
#include "panels/shape_panel.h"
#include "panels/window_controls.h"

namespace drawlet {

void ShellView::DrawObjectList() {
  platform::Controls& controls = app_.Ports.Controls;
  if (!controls.Exists(ObjectListId)) return;
  const size_t objects = app_.Doc.Objects.size();
  platform::Rect list = controls.Geometry(ObjectListId);
  const int64_t height = ObjectListHeight(objects);
  if (list.H != height) {
    list.H = height;
    controls.SetGeometry(ObjectListId, list);
    controls.SetInnerSize(ObjectListAreaId, app_.Options.PanelW - 42, ObjectListScrollHeight(objects));
  }
  if (!objectList_) objectList_ = app_.Ports.Rasters.Create();
  if (!objectList_) return;
  drawlet::DrawObjectList(*objectList_, app_.ObjectIcons, app_.Doc, app_.State.CurrentObject,
                          static_cast<int32_t>(list.W), static_cast<int32_t>(list.H));
  controls.ShowImage(ObjectListId, objectList_->DrawnImage());
}

void ShellView::RefillShapeList() { drawlet::RefillShapeList(app_.Ports.Controls, app_.S); }

void ShellView::SelectShapeListItem(int64_t index) { app_.Ports.Controls.SelectItem(ShapeListId, index, true); }

void ShellView::LoadPropertyControls() { drawlet::LoadPropertyControls(app_.Ports.Controls, app_.S); }

void ShellView::RefillFxList() { drawlet::RefillFxList(app_.Ports.Controls, app_.S); }

void ShellView::ShowPresets(const std::vector<std::string>& names) { drawlet::ShowPresets(app_.Ports.Controls, names); }

void ShellView::RedrawCanvas() { RedrawMainCanvas(app_, 0, 0, CanvasChange::Anything); }

void ShellView::RedrawCurrentShape() { RedrawMainCanvas(app_, 0, 0, CanvasChange::CurrentShape); }

void ShellView::SetWindowTitle(const std::string& title) { app_.Ports.Window.SetTitle(title); }

void ShellView::FocusCanvas() { app_.Ports.Controls.SetFocus(MainCanvasId); }

void ShellView::MousePosition(int64_t& x, int64_t& y) { app_.Ports.Window.MousePosition(x, y); }

}  // namespace drawlet
