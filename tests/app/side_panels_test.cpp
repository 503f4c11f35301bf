#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/app_fixture.h"
#include "app/main_loop.h"
#include "document/document_file_ops.h"
#include "document/object_ops.h"

namespace drawlet {
namespace {

using fakes::AppFixture;

bool Has(const std::vector<std::string>& calls, const std::string& call) {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

platform::Event ControlEvent(int64_t id, platform::ControlEventType type = platform::ControlEventType::Changed) {
  platform::Event event;
  event.Kind = platform::EventKind::Control;
  event.Id = id;
  event.Type = type;
  return event;
}

struct StartedEditor : AppFixture {
  StartedEditor() {
    Files.Content["data/shapes/1-defaut.txt"] = "";
    Files.Content["data/shapefx/glow.sfx"] = "gen,glow,0.10,\r\nshapefx,0,0,0,-1,255,0,0,3,3,3,100,0,0\r\n";
    Start();
  }
};

TEST(SidePanels, StartUpFillsThePanelsAndShowsTheFirstObject) {
  StartedEditor f;
  EXPECT_EQ(f.Controls.Items[48].ItemList, (std::vector<std::string>{"1-defaut.txt"}));
  EXPECT_EQ(f.Controls.Items[70].ItemList, (std::vector<std::string>{"glow"}));
  for (int64_t id = 44; id <= 88; ++id) {
    if (f.Controls.Exists(id)) {
      EXPECT_TRUE(f.Controls.Items[id].Enabled) << id << " after the first object";
    }
  }
  EXPECT_TRUE(f.Controls.Items[68].Hidden);
  EXPECT_TRUE(f.Controls.Items[69].Hidden);
  EXPECT_EQ(f.Controls.State(43), 255) << "Obj_0's alpha";
  ASSERT_EQ(f.Rasters.Made.size(), 1u) << "one drawing target for the object list";
  EXPECT_TRUE(Has(f.Rasters.Made[0]->Calls, "text 25,4 Obj_0"));
}

TEST(SidePanels, TheObjectListGrowsWithItsObjects) {
  StartedEditor f;
  for (int i = 1; i < 3; ++i) AddObject(f.Editor.S, 1);
  EXPECT_EQ(f.Controls.Items[26].Geometry.H, 500);
  EXPECT_EQ(f.Controls.Items[25].InnerH, 300);
  for (int i = 3; i < 30; ++i) AddObject(f.Editor.S, 1);
  EXPECT_EQ(f.Controls.Items[26].Geometry.H, 750);
  EXPECT_EQ(f.Controls.Items[25].InnerH, 750);
  EXPECT_EQ(f.Rasters.Made[0]->Calls.back(), "end");
  EXPECT_TRUE(Has(f.Rasters.Made[0]->Calls, "begin 150x750"));
  EXPECT_TRUE(Has(f.Rasters.Made[0]->Calls, "text 25,729 Obj_0")) << "object 0 in the last row";
}

TEST(SidePanels, TheLoopHandsPanelEventsToTheirPanels) {
  StartedEditor f;
  f.Controls.SetState(43, 90);
  LoopPass(f.Editor, ControlEvent(43));
  EXPECT_EQ(f.Editor.Doc.Objects[0].Alpha, 90);
  f.Editor.State.CurrentShape = 0;
  f.Controls.SetState(51, 10);
  LoopPass(f.Editor, ControlEvent(51));
  EXPECT_EQ(f.Editor.Doc.Objects[0].Shapes[0].Alpha, 10);
  f.Controls.SetState(79, 20);
  LoopPass(f.Editor, ControlEvent(79));
  EXPECT_EQ(f.Editor.Doc.Objects[0].Shapes[0].Fx[0].Alpha, 20);
  f.Editor.State.CurrentShape = 5;
  LoopPass(f.Editor, ControlEvent(26, platform::ControlEventType::MouseMove));
  EXPECT_EQ(f.Editor.State.CurrentShape, 5) << "hovering the object list changes nothing";
}

TEST(SidePanels, ALoadRefillsEachListOnceWhateverTheDocumentHolds) {
  StartedEditor f;
  std::string text = "obj,Layer,0,0,0,0,0,0,0\r\n";
  for (int i = 0; i < 50; ++i) {
    const std::string n = std::to_string(i);
    text += "shape," + n + ",-8856356,Box_" + n + ",255,0,10,5,5,1,5,5,\r\n";
    text += "shapefx,0,0,0,-16746241,255,0,0,10,5,5,100,0,0,0\r\n";
    text += "shapefx,1,0,0,-16746241,255,0,0,10,5,5,100,0,0,1\r\n";
    text += "pt,0,1,2,\r\n";
  }
  f.Files.Content["/work/big.txt"] = text;
  f.Controls.Clears.clear();
  const size_t drawn = f.Rasters.Made[0]->Calls.size();
  LoadDocument(f.Editor.S, LoadMode::Load, "/work/big.txt", true);
  EXPECT_EQ(f.Controls.Clears[73], 1) << "the FX list";
  EXPECT_LE(f.Controls.Clears[45], 2) << "the shape list: emptied by the reset, filled by the load";
  EXPECT_EQ(f.Controls.Items[45].ItemList.size(), 50u);
  const auto& calls = f.Rasters.Made[0]->Calls;
  EXPECT_LE(std::count(calls.begin() + static_cast<long>(drawn), calls.end(), std::string("end")), 2);
}

}  // namespace
}  // namespace drawlet
