#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "app/app_fixture.h"
#include "app/main_loop.h"
#include "app/menu_table.h"
#include "app/options_text.h"
#include "document/session.h"

namespace drawlet {
namespace {

using fakes::AppFixture;
using fakes::OptionsText;
using fakes::TestOptionsPath;

platform::Event Menu(int64_t id) { return {platform::EventKind::Menu, id, platform::ControlEventType::Changed, {}}; }
const platform::Event CloseRequest{platform::EventKind::Close, 0, platform::ControlEventType::Changed, {}};

int Redraws(const AppFixture& f) { return static_cast<int>(std::count(f.Log.begin(), f.Log.end(), "show 0")); }

std::string FixtureText(const std::string& name) {
  std::ifstream in(std::string(DRAWLET_TEST_DATA) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

Shape& CurrentShape(AppFixture& f) { return CurrentShapeOf(f.Editor.S); }

void GiveShapes(AppFixture& f, size_t count) {
  ObjectLayer& object = f.Editor.Doc.Objects[0];
  object.Shapes.resize(count);
  object.HasShape = 1;
  f.Editor.State.HasShapes = 1;
  for (size_t i = 0; i < count; ++i) object.Shapes[i].Name = "S" + std::to_string(i);
}

struct Case {
  std::string Name;
  platform::Event Event;
  std::function<void(AppFixture&)> Before;
  std::function<void(AppFixture&)> Check;
};

void Nothing(AppFixture&) {}

std::vector<Case> ZoomCases() {
  auto zoomFrom = [](uint8_t from) { return [from](AppFixture& f) { f.Editor.Options.Zoom = from; }; };
  auto expectZoom = [](int zoom, int redraws) {
    return [zoom, redraws](AppFixture& f) {
      EXPECT_EQ(f.Editor.Options.Zoom, zoom);
      EXPECT_EQ(Redraws(f), redraws);
    };
  };
  return {
      {"Zoom + adds one", Menu(MenuId::ZoomIn), zoomFrom(100), expectZoom(101, 1)},
      {"Zoom + reaches 255", Menu(MenuId::ZoomIn), zoomFrom(254), expectZoom(255, 1)},
      {"Zoom + stops at 255", Menu(MenuId::ZoomIn), zoomFrom(255), expectZoom(255, 0)},
      {"Zoom - takes one", Menu(MenuId::ZoomOut), zoomFrom(2), expectZoom(1, 1)},
      {"Zoom - stops at 1", Menu(MenuId::ZoomOut), zoomFrom(1), expectZoom(1, 0)},
      {"Zoom 50%", Menu(MenuId::Zoom50), zoomFrom(37), expectZoom(50, 1)},
      {"Zoom 100%", Menu(MenuId::Zoom100), zoomFrom(37), expectZoom(100, 1)},
      {"Zoom 200%", Menu(MenuId::Zoom200), zoomFrom(255), expectZoom(200, 1)},
  };
}

std::vector<Case> ToggleCases() {
  struct Toggle {
    int64_t Id;
    uint8_t sVdOptions::*Field;
  };
  const Toggle toggles[] = {
      {MenuId::ShowGrid, &sVdOptions::ShowGrid},
      {MenuId::ShowCameraBorder, &sVdOptions::ShowCameraBorder},
      {MenuId::HideAnchor, &sVdOptions::HideAncre},
      {MenuId::ShowSelection, &sVdOptions::ShowSelection},
      {MenuId::ShowOnlySelected, &sVdOptions::ShowOnlySel},
  };
  std::vector<Case> cases;
  for (const Toggle t : toggles) {
    for (const uint8_t from : {uint8_t{0}, uint8_t{1}}) {
      const uint8_t to = from == 0 ? 1 : 0;
      cases.push_back({"toggle " + std::to_string(t.Id) + " from " + std::to_string(from), Menu(t.Id),
                       [t, from](AppFixture& f) { f.Editor.Options.*t.Field = from; },
                       [t, to](AppFixture& f) {
                         EXPECT_EQ(f.Editor.Options.*t.Field, to);
                         EXPECT_EQ(f.Menus.Checks[t.Id], to == 1);
                         EXPECT_EQ(Redraws(f), 1);
                         EXPECT_EQ(f.Writes(TestOptionsPath), 0);  // written at the next resize or close
                       }});
    }
  }
  cases.push_back({"Lock selection", Menu(MenuId::LockSelection), Nothing, [](AppFixture& f) {
                     EXPECT_EQ(f.Editor.State.LockSelection, 1);
                     EXPECT_TRUE(f.Menus.Checks[MenuId::LockSelection]);
                   }});
  cases.push_back({"Lock selection released", Menu(MenuId::LockSelection),
                   [](AppFixture& f) { f.Editor.State.LockSelection = 1; },
                   [](AppFixture& f) {
                     EXPECT_EQ(f.Editor.State.LockSelection, 0);
                     EXPECT_FALSE(f.Menus.Checks[MenuId::LockSelection]);
                   }});
  return cases;
}

std::vector<Case> ShapeCases() {
  auto copyAndPoint = [](int64_t x, int64_t y) {
    return [x, y](AppFixture& f) {
      LoopPass(f.Editor, Menu(MenuId::CopyShape));
      f.Editor.Options.Zoom = 200;
      f.Window.MouseX = x;
      f.Window.MouseY = y;
    };
  };
  auto expectAt = [](int x, int y) {
    return [x, y](AppFixture& f) {
      EXPECT_EQ(CurrentShape(f).X, x);
      EXPECT_EQ(CurrentShape(f).Y, y);
      EXPECT_GE(Redraws(f), 1);
    };
  };
  return {
      // Window pixels below the menu bar less the left panel and the tool bar, whatever the zoom.
      {"Paste at the pointer", Menu(MenuId::Paste), copyAndPoint(400, 300), expectAt(250, 270)},
      {"Paste with the pointer outside", Menu(MenuId::Paste), copyAndPoint(-1, -1), expectAt(-151, -31)},
      {"Copy names the clipboard after the shape count", Menu(MenuId::CopyShape),
       [](AppFixture& f) {
         GiveShapes(f, 3);
         f.Editor.State.CurrentShape = 1;
       },
       [](AppFixture& f) {
         EXPECT_EQ(f.Editor.State.Clipboard.Name, "Shape_3");
         EXPECT_EQ(Redraws(f), 0);
       }},
      {"Paste to shape", Menu(MenuId::PasteToShape),
       [](AppFixture& f) {
         GiveShapes(f, 2);
         f.Editor.State.CurrentShape = 1;
         f.Editor.State.Clipboard.Name = "Clip";
       },
       [](AppFixture& f) {
         EXPECT_EQ(f.Editor.Doc.Objects[0].Shapes[1].Name, "Clip");
         EXPECT_EQ(Redraws(f), 1);
       }},
      {"Select All", Menu(MenuId::SelectAll), [](AppFixture& f) { GiveShapes(f, 3); },
       [](AppFixture& f) {
         for (const Shape& s : f.Editor.Doc.Objects[0].Shapes) EXPECT_EQ(s.Selected, 1);
         EXPECT_EQ(Redraws(f), 0);
       }},
      {"Deselect All", Menu(MenuId::DeselectAll),
       [](AppFixture& f) {
         GiveShapes(f, 3);
         for (Shape& s : f.Editor.Doc.Objects[0].Shapes) s.Selected = 1;
       },
       [](AppFixture& f) {
         for (const Shape& s : f.Editor.Doc.Objects[0].Shapes) EXPECT_EQ(s.Selected, 0);
         EXPECT_EQ(Redraws(f), 0);
       }},
      {"Delete the current shape", Menu(MenuId::DeleteShape),
       [](AppFixture& f) {
         GiveShapes(f, 2);
         f.Editor.State.CurrentShape = 1;
       },
       [](AppFixture& f) {
         ASSERT_EQ(f.Editor.Doc.Objects[0].Shapes.size(), 1u);
         EXPECT_EQ(f.Editor.Doc.Objects[0].Shapes[0].Name, "S0");
       }},
      {"View Reset keeps the zoom", Menu(MenuId::ViewReset),
       [](AppFixture& f) {
         f.Editor.State.ViewOffsetX = 40;
         f.Editor.State.ViewOffsetY = -7;
         f.Editor.Options.Zoom = 150;
       },
       [](AppFixture& f) {
         EXPECT_EQ(f.Editor.State.ViewOffsetX, 0);
         EXPECT_EQ(f.Editor.State.ViewOffsetY, 0);
         EXPECT_EQ(f.Editor.Options.Zoom, 150);
         EXPECT_EQ(Redraws(f), 1);
       }},
  };
}

std::vector<Case> ObjectAndFileCases() {
  auto twoObjects = [](AppFixture& f) {
    LoopPass(f.Editor, Menu(MenuId::AddObject));
    f.Editor.Doc.Objects[1].Name = "Second";
    f.Window.WindowTitle = "Drawlet 0.10 - mine.txt";
  };
  auto withFixture = [](AppFixture& f) {
    f.Files.Content["in/three_objects.txt"] = FixtureText("document/three_objects.txt");
    f.Dialogs.Paths = {"in/three_objects.txt"};
  };
  return {
      {"Add a new object is unnamed", Menu(MenuId::AddObject), Nothing,
       [](AppFixture& f) {
         ASSERT_EQ(f.Editor.Doc.Objects.size(), 2u);
         EXPECT_EQ(f.Editor.Doc.Objects[1].Name, "");
         EXPECT_EQ(f.Editor.Doc.Objects[1].Alpha, 0);
         EXPECT_EQ(f.Editor.State.CurrentObject, 1);
       }},
      {"Delete the current object", Menu(MenuId::DeleteObject), twoObjects,
       [](AppFixture& f) {
         ASSERT_EQ(f.Editor.Doc.Objects.size(), 1u);
         EXPECT_EQ(f.Editor.Doc.Objects[0].Name, "Obj_0");
       }},
      {"New document is untitled and does not redraw", Menu(MenuId::NewDocument),
       [twoObjects](AppFixture& f) {
         twoObjects(f);
         f.Questions.Answers = {platform::SaveChoice::Discard};
       },
       [](AppFixture& f) {
         EXPECT_EQ(f.Editor.Doc.Objects.size(), 1u);
         EXPECT_EQ(f.Editor.State.HasShapes, -1);
         EXPECT_EQ(f.Editor.State.DocumentFile, "");
         EXPECT_EQ(f.Window.WindowTitle, "Drawlet 0.10");
         EXPECT_EQ(Redraws(f), 0);
       }},
      {"Load document asks and names the window", Menu(MenuId::LoadDocument), withFixture,
       [](AppFixture& f) {
         ASSERT_EQ(f.Dialogs.Calls.size(), 1u);
         EXPECT_EQ(f.Dialogs.Calls[0].Kind, "open");
         EXPECT_EQ(f.Editor.Doc.Objects.size(), 3u);
         EXPECT_EQ(f.Window.WindowTitle, "Drawlet 0.10 - three_objects.txt");
         EXPECT_GE(Redraws(f), 1);
       }},
      {"Merge adds the file's objects to a drawing with shapes", Menu(MenuId::Merge),
       [withFixture](AppFixture& f) {
         GiveShapes(f, 1);
         withFixture(f);
       },
       [](AppFixture& f) {
         EXPECT_EQ(f.Dialogs.Calls.at(0).Kind, "open");
         EXPECT_EQ(f.Editor.Doc.Objects.size(), 4u);
       }},
      {"Save writes the current file without asking", Menu(MenuId::Save),
       [](AppFixture& f) { f.Editor.State.DocumentFile = "mine.txt"; },
       [](AppFixture& f) {
         EXPECT_TRUE(f.Dialogs.Calls.empty());
         EXPECT_EQ(f.Files.Content.count("mine.txt"), 1u);
       }},
      {"Save without a file asks", Menu(MenuId::Save), [](AppFixture& f) { f.Dialogs.Paths = {"new"}; },
       [](AppFixture& f) {
         EXPECT_EQ(f.Dialogs.Calls.at(0).Kind, "save");
         EXPECT_EQ(f.Files.Content.count("new.txt"), 1u);
         EXPECT_EQ(f.Window.WindowTitle, "Drawlet 0.10 - new.txt");
       }},
      {"Save a copy always asks", Menu(MenuId::SaveCopy),
       [](AppFixture& f) {
         f.Editor.State.DocumentFile = "mine.txt";
         f.Dialogs.Paths = {"copy.txt"};
       },
       [](AppFixture& f) {
         EXPECT_EQ(f.Dialogs.Calls.at(0).Kind, "save");
         EXPECT_EQ(f.Files.Content.count("mine.txt"), 0u);
         EXPECT_EQ(f.Files.Content.count("copy.txt"), 1u);
         EXPECT_EQ(f.Editor.State.DocumentFile, "copy.txt");
         EXPECT_EQ(f.Window.WindowTitle, "Drawlet 0.10 - copy.txt");
       }},
      {"Export Scene asks for a PNG and saves the camera", Menu(MenuId::ExportScene),
       [](AppFixture& f) { f.Dialogs.Paths = {"shot"}; },
       [](AppFixture& f) {
         ASSERT_EQ(f.Dialogs.Calls.size(), 1u);
         EXPECT_EQ(f.Dialogs.Calls[0].Kind, "save");
         EXPECT_EQ(f.Dialogs.Calls[0].Title, "Save Image...");
         EXPECT_EQ(f.Dialogs.Calls[0].Filter, "png Images|*.png|All Files|*.*");
         EXPECT_EQ(f.Images.Saved, std::vector<std::string>{"shot.png"});
       }},
      {"Export shape cancelled does nothing", Menu(MenuId::ExportShape), Nothing,
       [](AppFixture& f) {
         EXPECT_EQ(f.Dialogs.Calls.at(0).Title, "Save Image...");
         EXPECT_TRUE(f.Images.Saved.empty());
         EXPECT_TRUE(f.Messages.Boxes.empty());
       }},
  };
}

std::vector<Case> ShellCases() {
  auto noOptionsWritten = [](AppFixture& f) {
    EXPECT_TRUE(f.Loop.Quitted);
    EXPECT_EQ(f.Writes(TestOptionsPath), 0);
    EXPECT_TRUE(f.Window.OnSize);
  };
  std::vector<Case> cases = {
      {"Quit writes nothing", Menu(MenuId::Quit), Nothing, noOptionsWritten},
      {"a close request writes the options", CloseRequest, Nothing,
       [](AppFixture& f) {
         EXPECT_TRUE(f.Loop.Quitted);
         EXPECT_EQ(f.Writes(TestOptionsPath), 1);
       }},
      {"About", Menu(MenuId::About), Nothing,
       [](AppFixture& f) {
         ASSERT_EQ(f.Messages.Boxes.size(), 1u);
         EXPECT_EQ(f.Messages.Boxes[0].Title, "Info");
         EXPECT_TRUE(f.Messages.Boxes[0].Text.ends_with("\nDate : 04/04/2016"));
         EXPECT_EQ(f.Messages.Boxes[0].Icon, platform::MessageIcon::None);
       }},
      {"Help (rtf)", Menu(MenuId::HelpRtf), Nothing,
       [](AppFixture& f) {
         EXPECT_EQ(f.Shell.Opened, std::vector<std::string>{"/work/data/help/help.rtf"});
         EXPECT_TRUE(f.Messages.Boxes.empty());
       }},
      {"F1 opens the HTML help", Menu(MenuId::HelpHtml), Nothing,
       [](AppFixture& f) { EXPECT_EQ(f.Shell.Opened, std::vector<std::string>{"/work/data/help/html/index.html"}); }},
      {"F1 on a desktop that cannot open the help says so", Menu(MenuId::HelpHtml),
       [](AppFixture& f) { f.Shell.Opens = false; },
       [](AppFixture& f) {
         ASSERT_EQ(f.Messages.Boxes.size(), 1u);
         EXPECT_EQ(f.Messages.Boxes[0].Title, "Error");
         EXPECT_EQ(f.Messages.Boxes[0].Text, "Unable to open the help file /work/data/help/html/index.html");
       }},
  };
  for (const int64_t unused : {2, 16, 17, 20, 21, 22, 32, 35, 36, 37, 39, 44}) {
    cases.push_back({"unused id " + std::to_string(unused), Menu(unused), Nothing, [](AppFixture& f) {
                       EXPECT_EQ(f.Log, fakes::Journal{"clock"});  // the autosave check alone
                       EXPECT_FALSE(f.Loop.Quitted);
                       EXPECT_EQ(f.Editor.Options.Zoom, 100);
                       EXPECT_TRUE(f.Dialogs.Calls.empty());
                     }});
  }
  return cases;
}

TEST(MenuCommands, EachIdDoesItsCommand) {
  std::vector<Case> cases;
  for (auto group : {ZoomCases, ToggleCases, ShapeCases, ObjectAndFileCases, ShellCases}) {
    for (Case& c : group()) cases.push_back(std::move(c));
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    AppFixture f;
    f.StartWith(OptionsText([](sVdOptions& o) { o.ShowTip = 0; }));
    c.Before(f);
    f.Log.clear();
    LoopPass(f.Editor, c.Event);
    c.Check(f);
  }
}

}  // namespace
}  // namespace drawlet
