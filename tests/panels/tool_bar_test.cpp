#include "panels/tool_bar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/shell_fakes.h"

namespace drawlet {
namespace {

// Fake controls that also keep the items added to a combo box.
class ItemControls : public fakes::FakeControls {
 public:
  using FakeControls::FakeControls;
  std::map<int64_t, std::vector<std::string>> ItemTexts;
  void AddItem(int64_t id, const std::string& text) override { ItemTexts[id].push_back(text); }
  void Remove(int64_t id) override {
    ItemTexts.clear();
    FakeControls::Remove(id);
  }
};

struct ToolBarFixture {
  fakes::Journal Log;
  ItemControls Controls{Log};
  sVdOptions Options;
  ToolIconSet Icons{};

  ToolBarFixture() {
    SetDefaultOptions(Options);
    Options.ToolBarH = 30;
    for (auto& icon : Icons) icon = std::make_shared<fakes::FakeImage>(25, 25);
  }
  void Build(uint8_t tool = ToolMove) { BuildToolBar(Controls, Options, Icons, tool); }
};

TEST(BuildToolBar, MakesContainerOneAtTheWindowWidthAndAtLeastTwentyHigh) {
  struct Case {
    int16_t WinW, ToolBarH;
    const char* Rect;
  };
  for (const Case c : {Case{1024, 30, "0,0,1024,30"}, Case{800, 10, "0,0,800,20"}, Case{640, 20, "0,0,640,20"}}) {
    ToolBarFixture f;
    f.Options.WinW = c.WinW;
    f.Options.ToolBarH = c.ToolBarH;
    f.Build();
    ASSERT_TRUE(f.Controls.Exists(1));
    EXPECT_EQ(fakes::RectText(f.Controls.Geometry(1)), c.Rect);
    EXPECT_EQ(f.Log.back(), "close");
  }
}

TEST(BuildToolBar, MakesEveryControlOfTheBarInOrder) {
  struct Row {
    int64_t Id;
    const char* Kind;
    const char* Rect;
    int Icon;  // -1: no picture
    const char* Tooltip;
  };
  const std::vector<Row> rows = {
      {10, "kind6", "5,0,25,25", 8, "Add a complex shape."},
      {11, "kind6", "31,0,25,25", 9, "Add a box."},
      {12, "kind6", "57,0,25,25", 10, "Add a rounded box."},
      {13, "kind6", "83,0,25,25", 11, "Add a circle."},
      {14, "kind6", "109,0,25,25", 12, "Add a line."},
      {15, "kind6", "135,0,25,25", 13, "Add a curve."},
      {16, "kind6", "161,0,25,25", 14, "Add a image."},
      {17, "kind6", "187,0,25,25", 15, "Add a text."},
      {3, "kind6", "218,0,25,25", 5, "Select the Shape."},
      {2, "kind6", "244,0,25,25", 0, "Move the Shape or the points."},
      {4, "kind6", "270,0,25,25", 2, "Scale the shape."},
      {5, "kind6", "296,0,25,25", 1, "Rotate the shape."},
      {7, "kind6", "326,0,25,25", 3, "Add a point."},
      {9, "kind6", "352,0,25,25", 4, "Delete a point."},
      {19, "kind4", "383,2,80,20", -1, "Choose the offset for transformation."},
      {20, "kind3", "469,2,45,20", -1, "Set the Snap."},
      {21, "kind0", "515,2,45,20", -1, "Set the Snap X."},
      {22, "kind0", "561,2,45,20", -1, "Set the Snap Y."},
  };
  ToolBarFixture f;
  f.Build();
  std::vector<std::string> expectedOrder;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.Id);
    expectedOrder.push_back(std::to_string(r.Id));
    ASSERT_TRUE(f.Controls.Exists(r.Id));
    const auto& c = f.Controls.Items[r.Id];
    EXPECT_EQ(c.Kind, r.Kind);
    EXPECT_EQ(fakes::RectText(c.Geometry), r.Rect);
    EXPECT_EQ(c.Parent, 1);
    EXPECT_EQ(c.Tooltip, r.Tooltip);
    if (r.Icon >= 0) {
      EXPECT_EQ(c.Image, f.Icons[static_cast<size_t>(r.Icon)]);
      EXPECT_EQ(c.Min, 1) << "a toggle button";
      EXPECT_EQ(c.Text, "");
    }
  }
  for (int64_t missing : {6, 8, 18}) EXPECT_FALSE(f.Controls.Exists(missing));
  std::vector<std::string> order;
  for (const std::string& entry : f.Log) {
    if (entry.rfind("kind", 0) != 0) continue;
    const size_t id = entry.find(' ') + 1;
    order.push_back(entry.substr(id, entry.find(' ', id) - id));
  }
  EXPECT_EQ(order, expectedOrder);
  EXPECT_EQ(f.Controls.ItemTexts[19], (std::vector<std::string>{"Origin", "Cursor", "Bounding box", "Selected shape"}));
  EXPECT_EQ(f.Controls.Items[20].Text, "Snap");
  EXPECT_EQ(f.Controls.Items[21].Min, 1);
  EXPECT_EQ(f.Controls.Items[21].Max, 100000);
  EXPECT_EQ(f.Controls.Items[22].Max, 100000);
}

TEST(BuildToolBar, ARebuildShowsTheCurrentToolTheStoredOffsetAndTheSnap) {
  ToolBarFixture f;
  f.Options.Offset = 2;
  f.Options.Snap = 1;
  f.Options.SnapX = 32;
  f.Options.SnapY = 16;
  f.Build(ToolScale);
  f.Options.WinW = 900;
  f.Build(ToolRotate);
  EXPECT_EQ(f.Controls.Geometry(1).W, 900);
  for (int64_t id = 2; id <= 18; ++id) {
    if (f.Controls.Exists(id)) {
      EXPECT_EQ(f.Controls.State(id), id == 5 ? 1 : 0) << id;
    }
  }
  EXPECT_EQ(f.Controls.State(19), 2);
  EXPECT_EQ(f.Controls.ItemTexts[19].size(), 4u);
  EXPECT_EQ(f.Controls.State(20), 1);
  EXPECT_EQ(f.Controls.State(21), 32);
  EXPECT_EQ(f.Controls.State(22), 16);
}

TEST(BuildToolBar, StopsWhenTheContainerCannotBeMade) {
  ToolBarFixture f;
  f.Controls.Failing = {1};
  f.Build();
  EXPECT_EQ(std::count(f.Log.begin(), f.Log.end(), "close"), 0);
  EXPECT_FALSE(f.Controls.Exists(2));
}

TEST(ToolBarChanged, StoresTheOffsetAndTheSnapWithSizesOfAtLeastOne) {
  struct Case {
    int64_t Id;
    int64_t Check, SpinX, SpinY;
    uint8_t Snap;
    int16_t SnapX, SnapY;
  };
  for (const Case c : {Case{20, 1, 32, 16, 1, 32, 16}, Case{21, 0, 0, 5, 0, 1, 5}, Case{22, 1, 7, -3, 1, 7, 1},
                       Case{21, 1, 100000, 40000, 1, 32767, 32767}}) {
    SCOPED_TRACE(c.Id);
    ToolBarFixture f;
    f.Build();
    f.Controls.SetState(20, c.Check);
    f.Controls.SetState(21, c.SpinX);
    f.Controls.SetState(22, c.SpinY);
    ToolBarChanged(f.Controls, f.Options, c.Id);
    EXPECT_EQ(f.Options.Snap, c.Snap);
    EXPECT_EQ(f.Options.SnapX, c.SnapX);
    EXPECT_EQ(f.Options.SnapY, c.SnapY);
    EXPECT_EQ(f.Options.Offset, 0);
  }
  ToolBarFixture f;
  f.Build();
  f.Controls.SetState(19, 2);
  ToolBarChanged(f.Controls, f.Options, 19);
  EXPECT_EQ(f.Options.Offset, 2);
  EXPECT_EQ(f.Options.SnapX, 32);
}

}  // namespace
}  // namespace drawlet
