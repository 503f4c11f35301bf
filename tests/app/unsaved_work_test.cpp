#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "app/app_fixture.h"
#include "app/main_loop.h"
#include "app/menu_table.h"
#include "document/shape_ops.h"
#include "io/document_format.h"
#include "options_text.h"

namespace drawlet {
namespace {

using fakes::AppFixture;
using fakes::OptionsText;
using platform::SaveChoice;

constexpr const char* Question = "ask Drawlet: Save the changes to the drawing?";

platform::Event Menu(int64_t id) {
  platform::Event event;
  event.Kind = platform::EventKind::Menu;
  event.Id = id;
  return event;
}

platform::Event CloseRequest() {
  platform::Event event;
  event.Kind = platform::EventKind::Close;
  return event;
}

int Asked(const AppFixture& f) { return static_cast<int>(std::count(f.Log.begin(), f.Log.end(), Question)); }

// An editor holding a box it has not saved, with the options as given.
void StartWithABox(AppFixture& f, uint8_t confirmExit) {
  f.StartWith(OptionsText([confirmExit](sVdOptions& o) {
    o.ShowTip = 0;
    o.ConfirmExit = confirmExit;
  }));
  f.Editor.State.Tool = ToolBox;
  AddShape(f.Editor.S, 10, 20);
  f.Log.clear();
}

// Each action that throws the drawing away, with how to tell that it went on.
struct Discarding {
  const char* Name;
  platform::Event Event;
  bool (*WentOn)(const AppFixture&);
};

const std::vector<Discarding> DiscardingActions = {
    {"close request", CloseRequest(), [](const AppFixture& f) { return f.Loop.Quitted; }},
    {"Quit", Menu(MenuId::Quit), [](const AppFixture& f) { return f.Loop.Quitted; }},
    {"New document", Menu(MenuId::NewDocument),
     [](const AppFixture& f) { return f.Editor.State.HasShapes == -1; }},
    {"Load document", Menu(MenuId::LoadDocument),
     [](const AppFixture& f) { return !f.Dialogs.Calls.empty() && f.Dialogs.Calls.back().Kind == "open"; }},
};

TEST(UnsavedWork, EachDiscardingActionAsksOnlyForAModifiedDrawing) {
  struct Case {
    const char* Name;
    uint8_t ConfirmExit;
    bool Modified;
    std::optional<SaveChoice> Answer;  // none: no question expected
    const char* SavePath;              // the save dialog's answer, empty to cancel it
    bool WentOn;
    bool Saved;
  };
  const std::vector<Case> cases = {
      {"unmodified", 1, false, std::nullopt, "", true, false},
      {"ConfirmExit 0", 0, true, std::nullopt, "", true, false},
      {"discard", 1, true, SaveChoice::Discard, "", true, false},
      {"cancel", 1, true, SaveChoice::Cancel, "", false, false},
      {"save", 1, true, SaveChoice::Save, "data/shapes/kept", true, true},
      {"save with its dialog cancelled", 1, true, SaveChoice::Save, "", false, false},
  };
  for (const Discarding& action : DiscardingActions) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(action.Name) + ", " + c.Name);
      AppFixture f;
      StartWithABox(f, c.ConfirmExit);
      if (!c.Modified) f.Editor.UndoHistory.MarkSaved();
      if (c.Answer) f.Questions.Answers = {*c.Answer};
      f.Dialogs.Paths = {c.SavePath};
      const std::string before = WriteDocumentText(f.Editor.Doc);

      LoopPass(f.Editor, action.Event);

      EXPECT_EQ(Asked(f), c.Answer ? 1 : 0);
      EXPECT_EQ(f.Files.Content.count("data/shapes/kept.txt"), c.Saved ? 1u : 0u);
      if (c.Saved) {
        EXPECT_EQ(f.Files.Content["data/shapes/kept.txt"], before);
      }
      if (c.Answer == SaveChoice::Save) {
        ASSERT_FALSE(f.Dialogs.Calls.empty());
        EXPECT_EQ(f.Dialogs.Calls.front().Kind, "save");
      }
      if (c.WentOn) {
        EXPECT_TRUE(action.WentOn(f));
      } else {
        EXPECT_FALSE(action.WentOn(f));
        EXPECT_EQ(WriteDocumentText(f.Editor.Doc), before) << "a cancel keeps the drawing";
      }
    }
  }
}

TEST(UnsavedWork, AFailingSaveKeepsTheDrawingAndTheWindow) {
  AppFixture f;
  StartWithABox(f, 1);
  f.Editor.State.DocumentFile = "data/shapes/locked.txt";
  f.Files.Unwritable = {"data/shapes/locked.txt"};
  f.Questions.Answers = {SaveChoice::Save};
  LoopPass(f.Editor, CloseRequest());
  EXPECT_FALSE(f.Loop.Quitted);
  EXPECT_EQ(f.Messages.Boxes.size(), 1u) << "the failed save says so";
  EXPECT_EQ(f.Editor.Doc.Objects[0].HasShape, 1);
}

TEST(UnsavedWork, UndoAndRedoReachTheDrawingThroughTheirMenuItems) {
  AppFixture f;
  StartWithABox(f, 1);
  const std::string withBox = WriteDocumentText(f.Editor.Doc);
  LoopPass(f.Editor, Menu(MenuId::Undo));
  EXPECT_EQ(f.Editor.Doc.Objects[0].HasShape, 0);
  EXPECT_FALSE(f.Editor.UndoHistory.Modified()) << "back to the drawing of the start";
  LoopPass(f.Editor, Menu(MenuId::Redo));
  EXPECT_EQ(WriteDocumentText(f.Editor.Doc), withBox);
  EXPECT_TRUE(f.Editor.UndoHistory.Modified());
}

}  // namespace
}  // namespace drawlet
