#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "app/main_window.h"

namespace drawlet {
namespace {

using fakes::AppFixture;
using fakes::TestOptionsPath;

struct Placement {
  int64_t CanvasX, CanvasW, RightX, Height;
};

Placement PlacementOf(AppFixture& f) {
  return {f.Controls.Geometry(0).X, f.Controls.Geometry(0).W, f.Controls.Geometry(89).X, f.Controls.Geometry(0).H};
}

TEST(LayoutMainWindow, FitsThePanelsAndTheCanvasToTheInnerSize) {
  struct Case {
    int32_t W, H, MenuBar;
    Placement Expected;
  };
  const Case cases[] = {
      {1024, 768, 20, {155, 714, 879, 668}},
      {1024, 768, 31, {155, 714, 879, 657}},
      {1280, 1000, 20, {155, 970, 1135, 900}},
      {600, 400, 20, {155, 290, 455, 300}},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.Window.MenuBarH = c.MenuBar;
    ASSERT_TRUE(f.Start());
    f.Window.InnerW = c.W;
    f.Window.InnerH = c.H;
    f.Window.OnSize();
    const Placement p = PlacementOf(f);
    EXPECT_EQ(p.CanvasX, c.Expected.CanvasX) << c.W << "x" << c.H;
    EXPECT_EQ(p.CanvasW, c.Expected.CanvasW) << c.W << "x" << c.H;
    EXPECT_EQ(p.RightX, c.Expected.RightX) << c.W << "x" << c.H;
    EXPECT_EQ(p.Height, c.Expected.Height) << c.W << "x" << c.H;
    EXPECT_EQ(f.Controls.Geometry(24).H, c.Expected.Height);
    EXPECT_EQ(f.Controls.Geometry(89).H, c.Expected.Height);
    EXPECT_EQ(f.Controls.Geometry(24).W, 150);
    EXPECT_EQ(f.Controls.Geometry(89).W, 150);
    // The canvas draws at the control's size.
    ASSERT_NE(f.Editor.Canvas, nullptr);
    EXPECT_EQ(f.Editor.Canvas->Width(), c.Expected.CanvasW);
    EXPECT_EQ(f.Editor.Canvas->Height(), c.Expected.Height);
  }
}

TEST(LayoutMainWindow, RecordsAndWritesTheWindowSizeAndStateAndRebuildsTheToolBar) {
  AppFixture f;
  ASSERT_TRUE(f.Start());
  f.Log.clear();
  f.Window.InnerW = 900;
  f.Window.InnerH = 700;
  f.Window.WindowState = WindowMinimised;
  f.Window.OnSize();

  EXPECT_EQ(f.Editor.Options.WinW, 900);
  EXPECT_EQ(f.Editor.Options.WinH, 700);
  EXPECT_EQ(f.Editor.Options.WinState, WindowMinimised);
  EXPECT_EQ(f.Writes(TestOptionsPath), 1);
  sVdOptions written;
  ASSERT_TRUE(OptionsFromText(f.Files.Content[TestOptionsPath], written));
  EXPECT_EQ(written.WinW, 900);
  EXPECT_EQ(written.WinH, 700);
  EXPECT_EQ(written.WinState, WindowMinimised);
  EXPECT_EQ(f.Controls.Geometry(1).W, 900);
  EXPECT_NE(std::find(f.Log.begin(), f.Log.end(), "remove 1"), f.Log.end());
  EXPECT_EQ(f.Log.back(), "close");
}

TEST(LayoutMainWindow, ShowsTheRedrawnCanvas) {
  AppFixture f;
  ASSERT_TRUE(f.Start());
  const int shown = f.Controls.ImagesShown;
  f.Window.OnSize();
  EXPECT_EQ(f.Controls.ImagesShown, shown + 1);
}

}  // namespace
}  // namespace drawlet
