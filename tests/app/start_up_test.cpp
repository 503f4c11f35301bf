#include <gtest/gtest.h>

#include <algorithm>

#include "app/app_fixture.h"
#include "app/menu_table.h"
#include "app/options_text.h"
#include "platform/narrow.h"

namespace drawlet {
namespace {

using fakes::AppFixture;
using fakes::OptionsText;
using fakes::TestOptionsPath;

// The first entry of `expected` missing from `log`, in order; empty when all are there.
std::string FirstMissingInOrder(const std::vector<std::string>& log, const std::vector<std::string>& expected) {
  auto at = log.begin();
  for (const std::string& entry : expected) {
    at = std::find(at, log.end(), entry);
    if (at == log.end()) return entry;
    ++at;
  }
  return {};
}

TEST(StartUp, RunsItsStepsInOrder) {
  AppFixture f;
  f.Window.MenuBarH = 20;
  f.Random.Answers = {42, 2};
  ASSERT_TRUE(f.Start());

  const std::string write = std::string("write ") + TestOptionsPath;
  const std::vector<std::string> expected = {
      "codecs",
      write,  // the missing options file is made from the defaults
      std::string("read ") + TestOptionsPath,
      "open 1024x768 Drawlet 0.10",
      "menubar",
      "shortcut 1",
      "shortcut 41",
      "load data/editor/move.png",
      "load data/editor/text.png",
      "load data/editor/layer.jpg",
      "load data/editor/down.png",
      "container 1 0,0,1024,30",
      "close",
      "tabbed 24 0,30,150,758",
      "tab 24 Shapes",
      "tab 24 Color",
      "tab 24 FX",
      "close",
      "canvas 0 155,30,714,758",
      "tabbed 89 874,30,150,758",
      "tab 89 Object",
      "close",
      "show 0",
      "window state 16777216",
      "geometry 24 0,30,150,668",
      "geometry 0 155,30,714,668",
      "show 0",
      "geometry 89 879,30,150,668",
      write,
      "remove 1",
      "container 1 0,0,1024,30",
      "show 0",  // the first object's refresh
      "random 1000000",
      "clock",
      "bind",
      "random 3",
      "message Tips ! ",
      "remove 1",
      "container 1 0,0,1024,30",
  };
  EXPECT_EQ(FirstMissingInOrder(f.Log, expected), "");
  EXPECT_EQ(f.Log.back(), "close");
}

TEST(StartUp, LeavesOneNamedObjectTheLoadedOptionsAndTheFixedPanelSizes) {
  AppFixture f;
  f.Files.Content[TestOptionsPath] = OptionsText([](sVdOptions& o) {
    o.PanelW = 200;
    o.ToolBarH = 50;
    o.Zoom = 150;
    o.ShowGrid = 1;
    o.AutosaveTime = 60;
    o.WinState = WindowNormal;
  });
  f.Images.Sizes["data/editor/box.png"] = {25, 25};
  f.Images.Sizes["data/editor/locked.png"] = {20, 20};
  f.Clock.Now = 5000;
  f.Random.Answers = {42};
  ASSERT_TRUE(f.Start());
  const App& app = f.Editor;

  ASSERT_EQ(app.Doc.Objects.size(), 1u);
  EXPECT_EQ(app.Doc.Objects[0].Name, "Obj_0");
  EXPECT_EQ(app.Doc.Objects[0].Order, 0);
  EXPECT_EQ(app.Doc.Objects[0].Alpha, 255);
  EXPECT_EQ(app.Doc.Objects[0].Shapes[0].Color, Rgba(189, 21, 64, 255));
  EXPECT_EQ(app.State.CurrentObject, 0);
  EXPECT_EQ(app.State.CurrentShape, 0);
  EXPECT_EQ(app.State.ShapeFile, "1-defaut.txt");
  EXPECT_EQ(app.State.Tool, 0);

  EXPECT_EQ(app.Options.Zoom, 150);
  EXPECT_EQ(app.Options.ShowGrid, 1);
  EXPECT_EQ(app.Options.PanelW, 150);
  EXPECT_EQ(app.Options.ToolBarH, 30);
  EXPECT_EQ(f.Controls.Geometry(0).X, 155);
  EXPECT_EQ(f.Controls.Geometry(1).H, 30);

  EXPECT_EQ(app.AutosaveNumber, 42);
  EXPECT_EQ(app.LastAutosaveTime, 5000 + 60 * 1000);
  EXPECT_EQ(app.Tips.size(), 4u);
  EXPECT_TRUE(f.Window.OnSize);

  for (size_t slot = 0; slot < app.ToolIcons.size(); ++slot) {
    EXPECT_EQ(app.ToolIcons[slot] != nullptr, slot == 9) << "tool icon " << slot;
  }
  for (size_t slot = 0; slot < app.ObjectIcons.size(); ++slot) {
    EXPECT_EQ(app.ObjectIcons[slot] != nullptr, slot == 5) << "object icon " << slot;
  }
}

TEST(StartUp, EndsWithAMessageWhenTheImageCodecsAreMissing) {
  AppFixture f;
  f.CodecsAvailable = false;
  EXPECT_FALSE(f.Start());
  ASSERT_EQ(f.Messages.Boxes.size(), 1u);
  EXPECT_EQ(f.Messages.Boxes[0].Title, "Error");
  EXPECT_EQ(f.Messages.Boxes[0].Text, "Unable to open the image encode/decoder");
  EXPECT_EQ(f.Messages.Boxes[0].Icon, platform::MessageIcon::Error);
  EXPECT_EQ(f.Log, (fakes::Journal{"codecs", "message Error"}));
}

TEST(StartUp, EndsSilentlyWhenTheWindowCannotOpen) {
  AppFixture f;
  f.Window.OpenFails = true;
  EXPECT_FALSE(f.Start());
  EXPECT_TRUE(f.Messages.Boxes.empty());
  EXPECT_EQ(std::count(f.Log.begin(), f.Log.end(), "menubar"), 0);
  EXPECT_TRUE(f.Controls.Items.empty());
}

TEST(StartUp, RunsOnWithoutMenusWhenTheMenuBarCannotBeMade) {
  AppFixture f;
  f.Menus.CreateFails = true;
  ASSERT_TRUE(f.Start());
  EXPECT_TRUE(f.Menus.Entries.empty());
  EXPECT_TRUE(f.Menus.Checks.empty());
  EXPECT_TRUE(f.Menus.ShortcutList.empty());
  EXPECT_TRUE(f.Controls.Exists(0));
}

TEST(StartUp, BuildsTheMenuTreeItsMarksFromTheOptionsAndTheShortcutsInOrder) {
  AppFixture f;
  f.Files.Content[TestOptionsPath] = OptionsText([](sVdOptions& o) {
    o.ShowGrid = 1;
    o.ShowCameraBorder = 0;
    o.HideAncre = 1;
    o.ShowSelection = 0;
    o.ShowOnlySel = 1;
  });
  ASSERT_TRUE(f.Start());

  ASSERT_EQ(f.Menus.Entries.size(), MenuTree.size());
  EXPECT_EQ(f.Menus.Entries.front(), "title Files");
  EXPECT_EQ(f.Menus.Entries[1], "item 0 New document\tCtrl+N");
  EXPECT_EQ(f.Menus.Entries[12], "title Edit");
  EXPECT_EQ(f.Menus.Entries[13], "item 42 Undo\tCtrl+Z");
  EXPECT_EQ(f.Menus.Entries[14], "item 43 Redo\tCtrl+Y");
  EXPECT_EQ(f.Menus.Entries[26], "item 13 Paste to shape ");
  EXPECT_EQ(f.Menus.Entries[32], "item 23 Zoom +\tCtrl + ");
  EXPECT_EQ(f.Menus.Entries.back(), "item 40 Help (rtf)");
  EXPECT_EQ(std::count(f.Menus.Entries.begin(), f.Menus.Entries.end(), "item 41"), 0);

  const std::map<int64_t, bool> marks = {{33, true}, {34, false}, {28, true}, {30, false}, {29, true}, {14, false}};
  EXPECT_EQ(f.Menus.Checks, marks);

  ASSERT_EQ(f.Menus.ShortcutList.size(), Shortcuts.size());
  for (size_t i = 0; i < Shortcuts.size(); ++i) {
    EXPECT_EQ(f.Menus.ShortcutList[i].Key, Shortcuts[i].Key) << i;
    EXPECT_EQ(f.Menus.ShortcutList[i].Modifiers, Shortcuts[i].Modifiers) << i;
    EXPECT_EQ(f.Menus.ShortcutList[i].Id, Shortcuts[i].Id) << i;
  }
}

TEST(StartUp, ShowsATipOnlyWhenShowTipIsOne) {
  struct Case {
    uint8_t ShowTip;
    bool Shown;
  };
  for (const Case c : {Case{0, false}, Case{1, true}, Case{2, false}}) {
    AppFixture f;
    f.Files.Content[TestOptionsPath] = OptionsText([&](sVdOptions& o) { o.ShowTip = c.ShowTip; });
    f.Random.Answers = {7, 3};
    ASSERT_TRUE(f.Start());
    EXPECT_EQ(f.Editor.Tips.size(), 4u) << int(c.ShowTip);
    EXPECT_EQ(f.Messages.Boxes.size(), c.Shown ? 1u : 0u) << int(c.ShowTip);
    if (c.Shown) {
      EXPECT_EQ(f.Messages.Boxes[0].Title, "Tips ! ");
      EXPECT_EQ(f.Messages.Boxes[0].Text, f.Editor.Tips[3]);
      EXPECT_EQ(f.Messages.Boxes[0].Icon, platform::MessageIcon::Question);
    }
  }
}

}  // namespace
}  // namespace drawlet
