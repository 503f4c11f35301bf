#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QSpinBox>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/app.h"
#include "app/main_window.h"
#include "document/object_ops.h"
#include "panels/add_control.h"
#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_images.h"
#include "platform/cairo/cairo_raster_canvas.h"
#include "platform/cairo/pango_fonts.h"
#include "platform/local_files.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/name_list.h"
#include "platform/qt/qt_event_loop.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_questions.h"
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
    // One folder per process: ctest runs the tests of this fixture side by side.
    folder_ = fs::temp_directory_path() / ("drawlet-layout-on-qt-" + std::to_string(::getpid()));
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
  QtQuestions questions{window};
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
                   shell, rasters, questions});
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

TEST_F(ShellOnQtTest, TheShapeListTogglesAnItemOnEachClick) {
  controls.CreateControl(45, ControlKind::ListBox, {10, 56, 130, 100}, "", 0, 0, nullptr);
  for (const char* name : {"Wall", "Roof", "Door"}) controls.AddItem(45, name);
  auto* list = dynamic_cast<NameList*>(controls.Widget(45));
  ASSERT_NE(list, nullptr);
  auto click = [list](int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
  };
  click(2);
  click(0);
  EXPECT_TRUE(controls.ItemSelected(45, 0));
  EXPECT_FALSE(controls.ItemSelected(45, 1));
  EXPECT_TRUE(controls.ItemSelected(45, 2));
  EXPECT_EQ(controls.State(45), 0) << "the lowest selected item";
  click(0);
  EXPECT_FALSE(controls.ItemSelected(45, 0));
  EXPECT_TRUE(controls.ItemSelected(45, 2));
  EXPECT_EQ(sink.Events.size(), 3u);

  controls.SetItems(45, {"Sky", "Sun"});
  EXPECT_EQ(controls.ItemCount(45), 2);
  EXPECT_EQ(list->NameAt(1), "Sun");
  EXPECT_EQ(controls.State(45), -1) << "a refill selects nothing";
  EXPECT_EQ(sink.Events.size(), 3u) << "and raises no event";
}

// The editor's panels on the real window; the working folder holds no data, so no icons.
class PanelsOnQtTest : public LayoutOnQtTest {
 protected:
  void SetUp() override {
    LayoutOnQtTest::SetUp();
    ApplyEditorLook();
    ASSERT_TRUE(window.Open(1024, 768, "Drawlet 0.10"));
    app = std::make_unique<App>(AppPorts{window, menus, controls, loop, files, dialogs, messages, fonts, images,
                                         canvases, clock, random, shell, rasters, questions});
    SetDefaultOptions(app->Options);
    app->Options.PanelW = 150;
    app->Options.ToolBarH = 30;
    BuildLeftPanel(*app);
    CreateMainCanvas(*app);
    BuildRightPanel(*app);
    LayoutMainWindow(*app);
    AddObject(app->S, 0);
  }
  void TearDown() override {
    app.reset();
    LayoutOnQtTest::TearDown();
  }
  // The title of the tab of a panel that holds a control.
  std::string TabOf(int64_t panelId, int64_t id) {
    auto* panel = qobject_cast<QTabWidget*>(controls.Widget(panelId));
    for (QWidget* w = controls.Widget(id); w != nullptr; w = w->parentWidget()) {
      const int index = panel->indexOf(w);
      if (index >= 0) return panel->tabText(index).toStdString();
    }
    return {};
  }
  std::unique_ptr<App> app;
};

TEST_F(PanelsOnQtTest, TheTabsHoldTheirControlsAtTheirPlaces) {
  struct Place {
    int64_t Panel, Id;
    const char* Tab;
    QRect Box;
  };
  const Place places[] = {
      {24, 46, "Shapes", {42, 10, 100, 20}},  {24, 45, "Shapes", {10, 56, 130, 100}},
      {24, 60, "Shapes", {45, 182, 50, 20}},  {24, 57, "Shapes", {42, 385, 50, 20}},
      {24, 51, "Color", {45, 25, 40, 20}},    {24, 67, "Color", {45, 214, 50, 20}},
      {24, 70, "FX", {10, 25, 60, 20}},       {24, 78, "FX", {10, 328, 100, 20}},
      {89, 43, "Object", {5, 10, 50, 20}},    {89, 25, "Object", {5, 61, 130, 200}},
      {89, 41, "Object", {74, 264, 20, 20}},  {89, 36, "Object", {50, 386, 80, 20}},
  };
  for (const Place& place : places) {
    EXPECT_EQ(TabOf(place.Panel, place.Id), place.Tab) << place.Id;
    EXPECT_EQ(controls.Widget(place.Id)->geometry(), place.Box) << place.Id;
  }
  auto* left = qobject_cast<QTabWidget*>(controls.Widget(24));
  int tabsWidth = 0;
  for (int i = 0; i < left->count(); ++i) tabsWidth += left->tabBar()->tabRect(i).width();
  EXPECT_LE(tabsWidth, 150) << "the three tab headers fit the panel";
  EXPECT_TRUE(controls.Widget(46)->isEnabled()) << "the first object enabled the shape controls";
  EXPECT_FALSE(controls.Widget(68)->isVisibleTo(left)) << "no text buttons for the placeholder";
  EXPECT_EQ(controls.Widget(26)->focusPolicy(), Qt::NoFocus);
}

TEST_F(PanelsOnQtTest, TheObjectListScrollsToItsLastRowWithThirtyObjects) {
  for (int i = 1; i < 30; ++i) AddObject(app->S, 1);
  auto* area = qobject_cast<QScrollArea*>(controls.Widget(25));
  ASSERT_NE(area, nullptr);
  QWidget* list = controls.Widget(26);
  EXPECT_EQ(list->height(), 750);
  EXPECT_GE(area->widget()->height(), 750);
  area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
  const QPoint bottom = list->mapTo(area->viewport(), QPoint(60, 749));
  EXPECT_TRUE(area->viewport()->rect().contains(bottom)) << "the row of object 0 can be scrolled into view";
}

}  // namespace
}  // namespace drawlet::platform
