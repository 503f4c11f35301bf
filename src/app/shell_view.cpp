#include "app/shell_view.h"

#include "app/app.h"
#include "app/main_canvas.h"
#include "panels/window_controls.h"

namespace drawlet {

void ShellView::RedrawCanvas() { RedrawMainCanvas(app_, 0, 0); }

void ShellView::SetWindowTitle(const std::string& title) { app_.Ports.Window.SetTitle(title); }

void ShellView::FocusCanvas() { app_.Ports.Controls.SetFocus(MainCanvasId); }

void ShellView::MousePosition(int64_t& x, int64_t& y) { app_.Ports.Window.MousePosition(x, y); }

}  // namespace drawlet
