#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/document_file_ops.h"
#include "document/object_ops.h"
#include "document/shape_ops.h"
#include "document_fixture.h"
#include "fakes/fake_platform.h"

namespace drawlet {
namespace {

using fakes::FakeSession;
using testing::AddWith;

// A drawing with one box and one text in Obj_0, as a user would have made it.
struct DrawingSession : FakeSession {
  DrawingSession() {
    InitDocument(S);
    AddObject(S, 0);
    AddWith(*this, ToolBox, 100, 50);
    AddWith(*this, ToolText, 20, 30);
    View.Calls.clear();
  }
};

TEST(DocumentPath, ExtensionIsNormalisedOnTheFileNameOnly) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"plan", "plan.txt"},
      {"plan.txt", "plan.txt"},
      {"plan.TXT", "plan.TXT.txt"},
      {"plan.txt.txt", "plan.txt"},
      {"my.txt.d/plan", "my.txt.d/plan.txt"},
      {"my.txt.d\\plan.txt", "my.txt.d\\plan.txt"},
      {"data/shapes/a.txtb", "data/shapes/ab.txt"},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(NormaliseDocumentPath(path), expected) << path;
}

TEST(DocumentPath, FilePartFollowsTheLastSlashOfEitherKind) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"plan.txt", "plan.txt"},
      {"data/shapes/plan.txt", "plan.txt"},
      {"C:\\docs/x\\plan.txt", "plan.txt"},
      {"folder/", ""},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(FilePart(path), expected) << path;
}

TEST(SaveTest, MenuSaveWritesTheNormalisedFileAndKeepsThePathAsGiven) {
  DrawingSession f;
  EXPECT_TRUE(SaveDocument(f.S, "drawing", false));
  ASSERT_TRUE(f.Files.Content.count("drawing.txt"));
  EXPECT_EQ(f.Files.Content["drawing.txt"], WriteDocumentText(f.Doc));
  EXPECT_EQ(f.View.Title, "Drawlet 0.10 - drawing.txt");
  EXPECT_EQ(f.State.DocumentFile, "drawing");
  EXPECT_TRUE(f.Dialogs.Calls.empty());
  EXPECT_TRUE(f.Messages.Boxes.empty());
}

TEST(SaveTest, EmptyPathAsksWhereAndCancelWritesNothing) {
  DrawingSession f;
  EXPECT_FALSE(SaveDocument(f.S, "", false));
  ASSERT_EQ(f.Dialogs.Calls.size(), 1u);
  EXPECT_EQ(f.Dialogs.Calls[0].Kind, "save");
  EXPECT_EQ(f.Dialogs.Calls[0].Title, "Save");
  EXPECT_EQ(f.Dialogs.Calls[0].Default, "");
  EXPECT_EQ(f.Dialogs.Calls[0].Filter, "txt|*.txt|all|*.*");
  EXPECT_EQ(f.Files.Writes, 0);
  EXPECT_TRUE(f.View.Calls.empty());

  f.Dialogs.Paths.push_back("data/shapes/copy.txt");
  EXPECT_TRUE(SaveDocument(f.S, "", false));
  EXPECT_EQ(f.State.DocumentFile, "data/shapes/copy.txt");
  EXPECT_EQ(f.View.Title, "Drawlet 0.10 - copy.txt");
}

TEST(SaveTest, MenuSaveThatCannotWriteSaysSoAndChangesNothing) {
  DrawingSession f;
  f.State.DocumentFile = "old.txt";
  f.View.Title = "Drawlet 0.10 - old.txt";
  f.Files.Unwritable.push_back("locked/plan.txt");
  f.Files.Folders.push_back("locked");

  EXPECT_FALSE(SaveDocument(f.S, "locked/plan", false));
  ASSERT_EQ(f.Messages.Boxes.size(), 1u);
  EXPECT_EQ(f.Messages.Boxes[0].Title, "Error");
  EXPECT_EQ(f.Messages.Boxes[0].Text, "Unable to save the file locked/plan.txt");
  EXPECT_EQ(f.Messages.Boxes[0].Icon, platform::MessageIcon::Error);
  EXPECT_EQ(f.State.DocumentFile, "old.txt");
  EXPECT_EQ(f.View.Count("title"), 0);
}

TEST(SaveTest, MenuSaveIntoAMissingFolderFailsVisibly) {
  DrawingSession f;
  EXPECT_FALSE(SaveDocument(f.S, "nowhere/plan.txt", false));
  EXPECT_EQ(f.Messages.Boxes.size(), 1u);
  EXPECT_FALSE(f.Files.HasFolder("nowhere"));
}

TEST(SaveTest, AutosaveIsSilentAndMakesItsFolder) {
  DrawingSession f;
  f.Files.Folders = {"data", "data/shapes"};
  f.State.DocumentFile = "mine.txt";
  const std::string path = std::string(AutosaveFolder) + "autosave42.txt";

  EXPECT_TRUE(SaveDocument(f.S, path, true));
  EXPECT_EQ(f.Files.Content[path], WriteDocumentText(f.Doc));
  EXPECT_EQ(f.State.DocumentFile, "mine.txt");
  EXPECT_EQ(f.View.Count("title"), 0);

  f.Files.Unwritable.push_back(path);
  EXPECT_FALSE(SaveDocument(f.S, path, true));
  EXPECT_TRUE(f.Messages.Boxes.empty());
  EXPECT_EQ(f.State.DocumentFile, "mine.txt");
  EXPECT_EQ(f.View.Count("title"), 0);
}

TEST(LoadTest, RoundTripGivesBackTheDrawing) {
  DrawingSession f;
  AddObject(f.S, 1);
  AddWith(f, ToolLine, 10, 20);
  AddWith(f, ToolCurve, 100, 100);
  ASSERT_TRUE(SaveDocument(f.S, "round", false));
  const Document saved = f.Doc;

  FakeSession g;
  g.Files = f.Files;
  LoadDocument(g.S, LoadMode::Load, "round.txt", true);

  ASSERT_EQ(g.Doc.Objects.size(), saved.Objects.size());
  for (size_t o = 0; o < saved.Objects.size(); ++o) {
    const ObjectLayer& a = saved.Objects[o];
    const ObjectLayer& b = g.Doc.Objects[o];
    EXPECT_EQ(b.Name, a.Name);
    EXPECT_EQ(b.Order, a.Order);
    EXPECT_EQ(b.HasShape, 1);
    ASSERT_EQ(b.Shapes.size(), a.Shapes.size());
    for (size_t s = 0; s < a.Shapes.size(); ++s) {
      EXPECT_EQ(b.Shapes[s].Name, a.Shapes[s].Name);
      EXPECT_EQ(b.Shapes[s].Type, a.Shapes[s].Type);
      EXPECT_EQ(b.Shapes[s].Points.size(), a.Shapes[s].Points.size()) << a.Shapes[s].Name;
      EXPECT_EQ(b.Shapes[s].Text, a.Shapes[s].Text);
      EXPECT_EQ(b.Shapes[s].Fx[0].Name, "fx_0");
    }
  }
  EXPECT_EQ(g.State.HasShapes, 1);
  EXPECT_EQ(g.State.CurrentShape, 0);
  EXPECT_EQ(g.State.DocumentFile, "round.txt");
  EXPECT_EQ(g.View.Title, "Drawlet 0.10 - round.txt");
  EXPECT_EQ(g.View.Count("canvas"), 1);
  EXPECT_EQ(g.View.Calls.back(), "shapes");
}

TEST(LoadTest, ThreeObjectsFillTheFreshObjectThenAppend) {
  DrawingSession f;
  f.Files.Content["data/shapes/three.txt"] = testing::ReadDocumentFixture("three_objects.txt");
  f.Dialogs.Paths.push_back("data/shapes/three.txt");
  LoadDocument(f.S, LoadMode::Load, "", false);

  ASSERT_EQ(f.Dialogs.Calls.size(), 1u);
  EXPECT_EQ(f.Dialogs.Calls[0].Kind, "open");
  EXPECT_EQ(f.Dialogs.Calls[0].Title, "Save");
  EXPECT_EQ(f.Dialogs.Calls[0].Filter, "txt|*.txt");
  ASSERT_EQ(f.Doc.Objects.size(), 3u);
  EXPECT_EQ(f.Doc.Objects[0].Name, "Back");
  EXPECT_EQ(f.Doc.Objects[1].Name, "Middle");
  EXPECT_EQ(f.Doc.Objects[2].Name, "Front");
  EXPECT_EQ(f.Doc.Objects[1].Shapes.size(), 2u);
  EXPECT_EQ(f.Doc.Objects[1].Shapes[1].Fx.size(), 2u);
  EXPECT_EQ(f.View.Title, "Drawlet 0.10 - three.txt");
  EXPECT_EQ(f.View.Count("canvas"), 0);
}

TEST(LoadTest, MergeAppendsAfterTheDrawing) {
  DrawingSession f;
  f.Files.Content["three.txt"] = testing::ReadDocumentFixture("three_objects.txt");
  LoadDocument(f.S, LoadMode::Merge, "three.txt", true);
  ASSERT_EQ(f.Doc.Objects.size(), 4u);
  EXPECT_EQ(f.Doc.Objects[0].Name, "Obj_0");
  EXPECT_EQ(f.Doc.Objects[0].Shapes.size(), 2u);
  EXPECT_EQ(f.Doc.Objects[1].Name, "Back");
  EXPECT_EQ(f.State.DocumentFile, "three.txt");
}

TEST(LoadTest, CancelKeepsEverything) {
  DrawingSession f;
  f.State.DocumentFile = "mine.txt";
  f.State.CurrentShape = 1;
  LoadDocument(f.S, LoadMode::Load, "", true);
  EXPECT_EQ(f.Doc.Objects[0].Shapes.size(), 2u);
  EXPECT_EQ(f.State.DocumentFile, "mine.txt");
  EXPECT_EQ(f.State.CurrentShape, 0);
  EXPECT_EQ(f.View.Calls, std::vector<std::string>{"shapes"});
}

TEST(LoadTest, UnreadablePathsKeepEverything) {
  for (const std::string path : {"broken.txt", "data/shapes"}) {
    DrawingSession f;
    f.Files.Content["broken.txt"] = "obj,x,0,0,0,0,0,0,0\r\n";
    f.Files.Unreadable.push_back("broken.txt");
    f.State.DocumentFile = "mine.txt";
    LoadDocument(f.S, LoadMode::Load, path, true);
    EXPECT_EQ(f.Doc.Objects[0].Name, "Obj_0") << path;
    EXPECT_EQ(f.Doc.Objects[0].Shapes.size(), 2u) << path;
    EXPECT_EQ(f.State.DocumentFile, "mine.txt") << path;
    EXPECT_EQ(f.View.Calls, std::vector<std::string>{"shapes"}) << path;
  }
}

TEST(LoadTest, MissingFileReadsAsEmptyAndIsNotCreated) {
  DrawingSession f;
  LoadDocument(f.S, LoadMode::Load, "gone.txt", false);
  EXPECT_EQ(f.Files.Kind("gone.txt"), platform::PathKind::Missing);
  EXPECT_EQ(f.Files.Writes, 0);
  ASSERT_EQ(f.Doc.Objects.size(), 1u);
  EXPECT_EQ(f.Doc.Objects[0].HasShape, 0);
  EXPECT_EQ(f.State.DocumentFile, "gone.txt");
  EXPECT_EQ(f.View.Title, "Drawlet 0.10 - gone.txt");
  EXPECT_EQ(f.State.HasShapes, 1);
}

TEST(LoadTest, DeletedOnlyShapeDoesNotComeBack) {
  DrawingSession f;
  AddObject(f.S, 1);
  AddWith(f, ToolBox);
  DeleteCurrentShape(f.S);
  ASSERT_TRUE(SaveDocument(f.S, "plan.txt", false));
  LoadDocument(f.S, LoadMode::Load, "plan.txt", false);
  ASSERT_EQ(f.Doc.Objects.size(), 2u);
  EXPECT_EQ(f.Doc.Objects[0].HasShape, 1);
  EXPECT_EQ(f.Doc.Objects[1].HasShape, 0);
  EXPECT_EQ(f.Doc.Objects[1].Shapes.size(), 1u);
  EXPECT_EQ(f.Doc.Objects[1].Shapes[0].Name, "");
}

TEST(LoadTest, WhatCannotBeReadWholeLeavesTheDrawingAndSaysWhy) {
  struct Case {
    std::string Path;
    std::string Text;
  };
  const std::vector<Case> cases = {
      {"data/shapes", "Unable to load the file data/shapes: it is a folder."},
      {"pipe.txt", "Unable to load the file pipe.txt: it is not a regular file."},
      {"huge.txt", "Unable to load the file huge.txt: the file is damaged."},
  };
  for (const LoadMode mode : {LoadMode::Load, LoadMode::Merge, LoadMode::Insert}) {
    for (const Case& c : cases) {
      DrawingSession f;
      f.Files.Specials.push_back("pipe.txt");
      f.Files.Content["huge.txt"] = "obj,Big,0,0,0,0,0,0,0\r\nshape,1000000\r\n";
      f.State.DocumentFile = "mine.txt";
      const std::string before = WriteDocumentText(f.Doc);
      EXPECT_FALSE(LoadDocument(f.S, mode, c.Path, true)) << c.Path;
      EXPECT_EQ(WriteDocumentText(f.Doc), before) << c.Path;
      EXPECT_EQ(f.State.DocumentFile, "mine.txt") << c.Path;
      ASSERT_EQ(f.Messages.Boxes.size(), 1u) << c.Path;
      EXPECT_EQ(f.Messages.Boxes[0].Title, "Error");
      EXPECT_EQ(f.Messages.Boxes[0].Text, c.Text);
      EXPECT_EQ(f.View.Count("title"), 0) << c.Path;
    }
  }
}

TEST(ShapeFiles, ListsTextFilesOnly) {
  FakeSession f;
  f.Files.Content["data/shapes/1-defaut.txt"] = "";
  f.Files.Content["data/shapes/star.txt"] = "";
  f.Files.Content["data/shapes/readme.md"] = "";
  f.Files.Folders.push_back("data/shapes/old.txt");
  EXPECT_EQ(ListShapeFiles(f.S), (std::vector<std::string>{"1-defaut.txt", "star.txt"}));
}

}  // namespace
}  // namespace drawlet
