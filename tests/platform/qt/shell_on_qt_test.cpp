#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QSpinBox>
#include <filesystem>

#include "app/app.h"
#include "app/main_window.h"
#include "panels/add_control.h"
#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_images.h"
#include "platform/cairo/cairo_raster_canvas.h"
#include "platform/cairo/pango_fonts.h"
#include "platform/local_files.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_event_loop.h"
#include "platform/qt/qt_system.h"
#include "qt_fixture.h"

namespace fs = std::filesystem;

namespace drawlet::platform {
namespace {

using ShellOnQtTest = QtWindowTest;

QLabel* LabelWithText(QWidget* root, const QString& text) {
  for (QLabel* label : root->findChildren<QLabel*>()) {
    if (label->text() == text) return label;
  }
  return nullptr;
}

TEST_F(ShellOnQtTest, AddControlPutsTheCaptionLeftOfItsField) {
  AddControl(controls, 50, ControlKind::Spin, 10, 20, 60, 20, "X ", 0, 100, "Position", NoState);
  AddControl(controls, 51, ControlKind::Spin, 10, 50, 60, 20, "", 0, 100, "", NoState);

  const QLabel* label = LabelWithText(window.Widget(), "X ");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->geometry(), QRect(10, 22, 35, 20));
  EXPECT_EQ(controls.Geometry(50).X, 45);
  EXPECT_EQ(controls.Widget(50)->toolTip(), "Position");
  EXPECT_EQ(controls.Geometry(51).X, 10);
  EXPECT_EQ(window.Widget()->findChildren<QLabel*>().size(), 1) << "no label without a caption";
}

TEST_F(ShellOnQtTest, AddControlMakesToggleImageButtonsAndSetsEveryStateButNoState) {
  AddControl(controls, 60, ControlKind::ImageButton, 0, 0, 25, 25, "", 1, 0, "", NoState);
  AddControl(controls, 61, ControlKind::ImageButton, 30, 0, 25, 25, "", 0, 0, "", NoState);
  AddControl(controls, 62, ControlKind::Spin, 0, 30, 60, 20, "", 5, 10, "", NoState);
  AddControl(controls, 63, ControlKind::Spin, 0, 60, 60, 20, "", 5, 10, "", 7);
  AddControl(controls, 64, ControlKind::CheckBox, 0, 90, 60, 20, "Snap", 0, 0, "", 1);

  EXPECT_TRUE(qobject_cast<QAbstractButton*>(controls.Widget(60))->isCheckable());
  EXPECT_FALSE(qobject_cast<QAbstractButton*>(controls.Widget(61))->isCheckable());
  EXPECT_EQ(controls.State(62), 5) << "left as the platform makes it";
  EXPECT_EQ(controls.State(63), 7);
  EXPECT_EQ(controls.State(64), 1);
}

// The editor's window-level controls laid out on the real window at 1024 x 768.
class LayoutOnQtTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / "drawlet-layout-on-qt";
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    previous_ = fs::current_path();
    fs::current_path(folder_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  fs::path folder_, previous_;
  EventRouter router;
  QtMainWindow window{router};
  QtMenus menus{window, router};
  QtControls controls{window, router};
  QtDialogs dialogs{window};
  QtMessageBoxes messages{window};
  QtEventLoop loop{router};
  SteadyClock clock;
  SeededRandom random;
  QtShell shell;
  LocalFiles files;
  PangoFonts fonts;
  CairoImages images;
  CairoCanvases canvases;
  CairoRasterCanvases rasters;
};

TEST_F(LayoutOnQtTest, CanvasAndPanelsFitA1024By768Window) {
  ASSERT_TRUE(window.Open(1024, 768, "Drawlet 0.10"));
  ASSERT_TRUE(menus.CreateMenuBar());
  menus.Title("Files");
  App app(AppPorts{window, menus, controls, loop, files, dialogs, messages, fonts, images, canvases, clock, random,
                   shell, rasters});
  SetDefaultOptions(app.Options);
  app.Options.PanelW = 150;
  app.Options.ToolBarH = 30;
  BuildLeftPanel(app);
  CreateMainCanvas(app);
  BuildRightPanel(app);
  EXPECT_EQ(controls.Geometry(89).X, 874) << "at creation";

  LayoutMainWindow(app);

  const int64_t height = 768 - window.MenuBarHeight() - 80;
  const Rect canvas = controls.Geometry(0);
  EXPECT_EQ(canvas.X, 155);
  EXPECT_EQ(canvas.Y, 30);
  EXPECT_EQ(canvas.W, 714);
  EXPECT_EQ(canvas.H, height);
  EXPECT_EQ(controls.Geometry(89).X, 879);
  EXPECT_EQ(controls.Geometry(89).H, height);
  EXPECT_EQ(controls.Geometry(24).H, height);
  EXPECT_EQ(app.Options.WinW, 1024);
  EXPECT_EQ(app.Options.WinH, 768);
  EXPECT_TRUE(fs::exists(folder_ / "Preferences.ini"));
}

}  // namespace
}  // namespace drawlet::platform
