#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/fx_ops.h"
#include "document/object_ops.h"
#include "document/shape_ops.h"
#include "document_fixture.h"
#include "fakes/fake_platform.h"

namespace drawlet {
namespace {

using fakes::FakeSession;

// A session whose current shape is a fresh box.
struct BoxSession : FakeSession {
  BoxSession() {
    InitDocument(S);
    AddObject(S, 0);
    testing::AddWith(*this, ToolBox, 10, 10);
    View.Calls.clear();
  }
  Shape& Box() { return CurrentShapeOf(S); }
};

TEST(AddFxTest, NewShapeEffectHasItsDefaultsAndIsInactive) {
  BoxSession f;
  ASSERT_EQ(f.Box().Fx.size(), 1u);
  const ShapeFx& fx = f.Box().Fx[0];
  EXPECT_EQ(fx.Name, "FX_0");
  EXPECT_EQ(fx.Color, DefaultFxColor);
  EXPECT_EQ(fx.Alpha, 255);
  EXPECT_EQ(fx.Width, 10);
  EXPECT_EQ(fx.Height, 5);
  EXPECT_EQ(fx.Dist, 5);
  EXPECT_EQ(fx.Scale, 100);
  EXPECT_EQ(fx.Active, 0);
  EXPECT_EQ(fx.Depth, DepthBack);
  EXPECT_EQ(fx.Style, StyleFilled);
}

TEST(AddFxTest, KeepsThePlacementFieldsOfAReusedEffect) {
  BoxSession f;
  ShapeFx& fx = f.Box().Fx[0];
  fx.X = 3;
  fx.Y = -4;
  fx.Style = StyleDot;
  fx.Depth = DepthFront;
  fx.Active = 1;
  fx.Reserved1 = 7;
  fx.Color = 1;
  fx.Scale = 50;
  AddFx(f.S, 0);
  EXPECT_EQ(fx.X, 3);
  EXPECT_EQ(fx.Y, -4);
  EXPECT_EQ(fx.Style, StyleDot);
  EXPECT_EQ(fx.Depth, DepthFront);
  EXPECT_EQ(fx.Active, 1);
  EXPECT_EQ(fx.Reserved1, 7);
  EXPECT_EQ(fx.Color, DefaultFxColor);
  EXPECT_EQ(fx.Scale, 100);
  EXPECT_EQ(f.View.Calls, (std::vector<std::string>{"fx", "properties"}));
}

TEST(AppendFxTest, AppendsTheNextEffectAndMakesItCurrent) {
  BoxSession f;
  AppendFx(f.S);
  AppendFx(f.S);
  ASSERT_EQ(f.Box().Fx.size(), 3u);
  EXPECT_EQ(f.Box().Fx[1].Name, "FX_1");
  EXPECT_EQ(f.Box().Fx[2].Name, "FX_2");
  EXPECT_EQ(f.Box().Fx[2].Active, 0);
  EXPECT_EQ(f.State.CurrentFx, 2);
  EXPECT_EQ(f.View.Count("canvas"), 2);
}

TEST(AppendFxTest, NothingWithoutACurrentShape) {
  BoxSession f;
  f.State.CurrentShape = -1;
  AppendFx(f.S);
  EXPECT_EQ(f.Doc.Objects[0].Shapes[0].Fx.size(), 1u);
  EXPECT_TRUE(f.View.Calls.empty());
}

TEST(PresetTest, SavingGlowWritesItsFileRenamesTheEffectAndListsIt) {
  BoxSession f;
  f.Dialogs.Inputs.push_back("glow");
  SavePreset(f.S);

  ASSERT_EQ(f.Dialogs.Calls.size(), 1u);
  EXPECT_EQ(f.Dialogs.Calls[0].Title, "Name");
  EXPECT_EQ(f.Dialogs.Calls[0].Message, "Set the name for the layer FX");
  EXPECT_EQ(f.Dialogs.Calls[0].Default, "");
  ASSERT_TRUE(f.Files.Content.count("data/shapefx/glow.sfx"));
  EXPECT_EQ(f.Files.Content["data/shapefx/glow.sfx"], testing::ReadDocumentFixture("presets/glow.sfx"));
  EXPECT_EQ(f.Box().Fx[0].Name, "glow");
  EXPECT_EQ(f.View.Presets, std::vector<std::string>{"glow"});
  // The FX list shows the new name only at its next refill.
  EXPECT_EQ(f.View.Calls, std::vector<std::string>{"presets"});
}

TEST(PresetTest, SavesTheCurrentEffect) {
  BoxSession f;
  AppendFx(f.S);
  f.Box().Fx[1].X = 12;
  f.Dialogs.Inputs.push_back("second");
  SavePreset(f.S);
  EXPECT_EQ(f.Box().Fx[0].Name, "FX_0");
  EXPECT_EQ(f.Box().Fx[1].Name, "second");
  EXPECT_EQ(f.Files.Content["data/shapefx/second.sfx"],
            "gen,second,0.10,\r\nshapefx,1,12,0,-16746241,255,0,0,10,5,5,100,0,0\r\n");
}

TEST(PresetTest, CancelOrNoShapeDoesNothing) {
  struct Case {
    const char* what;
    int64_t currentShape;
    std::vector<std::string> answers;
    size_t dialogs;
  };
  const std::vector<Case> cases = {
      {"cancel", 0, {}, 1},
      {"empty name", 0, {""}, 1},
      {"no current shape", -1, {"glow"}, 0},
  };
  for (const Case& c : cases) {
    BoxSession f;
    f.State.CurrentShape = c.currentShape;
    for (const std::string& a : c.answers) f.Dialogs.Inputs.push_back(a);
    SavePreset(f.S);
    EXPECT_EQ(f.Dialogs.Calls.size(), c.dialogs) << c.what;
    EXPECT_EQ(f.Files.Writes, 0) << c.what;
    EXPECT_EQ(f.Doc.Objects[0].Shapes[0].Fx[0].Name, "FX_0") << c.what;
    EXPECT_TRUE(f.View.Calls.empty()) << c.what;
  }
}

TEST(PresetTest, MissingFolderSkipsTheFileButKeepsTheName) {
  BoxSession f;
  f.Files.Folders = {"data", "data/shapes"};
  f.Dialogs.Inputs.push_back("glow");
  SavePreset(f.S);
  EXPECT_EQ(f.Files.Writes, 0);
  EXPECT_TRUE(f.Messages.Boxes.empty());
  EXPECT_EQ(f.Box().Fx[0].Name, "glow");
  EXPECT_EQ(f.View.Calls, std::vector<std::string>{"presets"});
  EXPECT_TRUE(f.View.Presets.empty());
}

TEST(PresetTest, ListsPresetFilesWithoutTheirExtension) {
  FakeSession f;
  f.Files.Content["data/shapefx/a.sfx.sfx"] = "";
  f.Files.Content["data/shapefx/glow.sfx"] = "";
  f.Files.Content["data/shapefx/notes.txt"] = "";
  f.Files.Content["data/shapefx/old/deep.sfx"] = "";
  f.Files.Folders.push_back("data/shapefx/folder.sfx");
  const std::vector<std::string> names = ListPresets(f.S);
  EXPECT_EQ(names, (std::vector<std::string>{"a", "glow"}));
  EXPECT_EQ(f.View.Presets, names);
}

TEST(PresetTest, MissingFolderListsNothing) {
  FakeSession f;
  f.Files.Folders = {"data"};
  EXPECT_TRUE(ListPresets(f.S).empty());
  EXPECT_EQ(f.View.Count("presets"), 1);
}

}  // namespace
}  // namespace drawlet
