#include "app/main_loop.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/app_fixture.h"
#include "app/menu_table.h"
#include "app/options_text.h"

namespace drawlet {
namespace {

using fakes::AppFixture;
using fakes::OptionsText;

constexpr const char* Autosave42 = "data/shapes/_autosave/autosave42.txt";
constexpr int64_t StartClock = 1000;

platform::Event ControlEvent(int64_t id) {
  return {platform::EventKind::Control, id, platform::ControlEventType::Changed, {}};
}
platform::Event MenuEvent(int64_t id) {
  return {platform::EventKind::Menu, id, platform::ControlEventType::Changed, {}};
}

void StartForAutosave(AppFixture& f, uint8_t autosave, int64_t seconds) {
  f.Clock.Now = StartClock;
  f.Random.Answers = {42};
  f.StartWith(OptionsText([&](sVdOptions& o) {
    o.Autosave = autosave;
    o.AutosaveTime = seconds;
    o.ShowTip = 0;
  }));
}

TEST(EventLoop, AutosavesOnlyWhenAnEventComesAfterTheInterval) {
  struct Case {
    const char* Name;
    uint8_t Autosave;
    int64_t Seconds;
    std::vector<int64_t> EventTimes;  // clock readings in ms at each event
    std::vector<int> SavesAfter;      // autosave writes counted after each event
  };
  const Case cases[] = {
      // The first save waits twice the interval, measured from the start.
      {"first after two intervals", 1, 180, {181000, 361000, 361001}, {0, 0, 1}},
      {"then one interval apart", 1, 180, {361001, 541001, 541002, 600000, 721003}, {1, 1, 2, 2, 3}},
      {"short interval", 1, 1, {2000, 3000, 3001, 4001, 4002}, {0, 0, 1, 1, 2}},
      {"one save for a long idle time", 1, 1, {1000000, 1000001}, {1, 1}},
      {"never when off", 0, 1, {5000, 100000, 10000000}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    AppFixture f;
    StartForAutosave(f, c.Autosave, c.Seconds);
    for (size_t i = 0; i < c.EventTimes.size(); ++i) {
      f.Clock.Now = c.EventTimes[i];
      LoopPass(f.Editor, ControlEvent(50));
      EXPECT_EQ(f.Writes(Autosave42), c.SavesAfter[i]) << c.Name << ", event " << i;
    }
  }
}

TEST(EventLoop, AnIdleLoopSavesNothing) {
  AppFixture f;
  StartForAutosave(f, 1, 1);
  f.Clock.Now = 100000000;
  RunEventLoop(f.Editor);
  EXPECT_EQ(f.Writes(Autosave42), 0);
}

TEST(EventLoop, TheAutosaveWritesTheDrawingSilently) {
  AppFixture f;
  StartForAutosave(f, 1, 1);
  f.Editor.State.DocumentFile = "mine.txt";
  f.Window.WindowTitle = "Drawlet 0.10 - mine.txt";
  f.Files.Folders.erase(std::find(f.Files.Folders.begin(), f.Files.Folders.end(), "data/shapes/_autosave"));
  f.Clock.Now = 10000;
  LoopPass(f.Editor, MenuEvent(MenuId::About));

  ASSERT_EQ(f.Writes(Autosave42), 1);  // its folder is made when missing
  EXPECT_NE(f.Files.Content[Autosave42].find("obj,"), std::string::npos);
  EXPECT_EQ(f.Editor.State.DocumentFile, "mine.txt");
  EXPECT_EQ(f.Window.WindowTitle, "Drawlet 0.10 - mine.txt");
  EXPECT_EQ(f.Editor.LastAutosaveTime, 10000);
  EXPECT_TRUE(f.Dialogs.Calls.empty());
  EXPECT_EQ(f.Messages.Boxes.size(), 1u);  // the About box only
}

TEST(EventLoop, ComputesTheZoomFactorAtEachEvent) {
  AppFixture f;
  f.StartWith(OptionsText([](sVdOptions& o) { o.Zoom = 150; }));
  LoopPass(f.Editor, ControlEvent(99));
  EXPECT_DOUBLE_EQ(f.Editor.ZoomFactor, 1.5);
  f.Editor.Options.Zoom = 7;
  LoopPass(f.Editor, ControlEvent(99));
  EXPECT_DOUBLE_EQ(f.Editor.ZoomFactor, 0.07);
}

TEST(EventLoop, RunsMenuEventsUntilAQuitEndsIt) {
  AppFixture f;
  f.StartWith(OptionsText([](sVdOptions& o) { o.Zoom = 100; }));
  f.Loop.Queue = {MenuEvent(MenuId::ZoomIn), ControlEvent(99), MenuEvent(MenuId::Quit), MenuEvent(MenuId::ZoomIn)};
  RunEventLoop(f.Editor);
  EXPECT_EQ(f.Editor.Options.Zoom, 101);
  EXPECT_EQ(f.Loop.Queue.size(), 1u);
}

TEST(EventLoop, ACloseRequestWritesTheOptionsUnbindsTheSizeAndEndsTheLoop) {
  AppFixture f;
  f.StartWith(OptionsText([](sVdOptions& o) { o.ShowGrid = 0; }));
  f.Loop.Queue = {MenuEvent(MenuId::ShowGrid), {platform::EventKind::Close, 0, {}, {}}, MenuEvent(MenuId::ZoomIn)};
  RunEventLoop(f.Editor);
  EXPECT_EQ(f.Writes(fakes::TestOptionsPath), 1);
  sVdOptions written;
  ASSERT_TRUE(OptionsFromText(f.Files.Content[fakes::TestOptionsPath], written));
  EXPECT_EQ(written.ShowGrid, 1);
  EXPECT_FALSE(f.Window.OnSize);
  EXPECT_TRUE(f.Editor.Tips.empty());
  EXPECT_EQ(f.Loop.Queue.size(), 1u);
}

}  // namespace
}  // namespace drawlet
