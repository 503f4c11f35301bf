#include "panels/tool_bar.h"

#include <gtest/gtest.h>

#include "app/shell_fakes.h"

namespace drawlet {
namespace {

TEST(BuildToolBar, MakesContainerOneAtTheWindowWidthAndAtLeastTwentyHigh) {
  struct Case {
    int16_t WinW, ToolBarH;
    const char* Rect;
  };
  for (const Case c : {Case{1024, 30, "0,0,1024,30"}, Case{800, 10, "0,0,800,20"}, Case{640, 20, "0,0,640,20"}}) {
    fakes::Journal log;
    fakes::FakeControls controls(log);
    sVdOptions options;
    options.WinW = c.WinW;
    options.ToolBarH = c.ToolBarH;
    BuildToolBar(controls, options);
    ASSERT_TRUE(controls.Exists(1));
    EXPECT_EQ(fakes::RectText(controls.Geometry(1)), c.Rect);
    EXPECT_EQ(log.back(), "close");
  }
}

TEST(BuildToolBar, RemovesTheOldBarWithEverythingInIt) {
  fakes::Journal log;
  fakes::FakeControls controls(log);
  sVdOptions options;
  options.WinW = 1024;
  options.ToolBarH = 30;
  BuildToolBar(controls, options);
  controls.Items[19] = {};
  controls.Items[19].Parent = 1;
  options.WinW = 900;
  BuildToolBar(controls, options);
  EXPECT_FALSE(controls.Exists(19));
  EXPECT_EQ(controls.Geometry(1).W, 900);
}

TEST(BuildToolBar, StopsWhenTheContainerCannotBeMade) {
  fakes::Journal log;
  fakes::FakeControls controls(log);
  controls.Failing = {1};
  BuildToolBar(controls, sVdOptions{});
  EXPECT_EQ(std::count(log.begin(), log.end(), "close"), 0);
}

}  // namespace
}  // namespace drawlet
