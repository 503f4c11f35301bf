#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/shell_fakes.h"
#include "document/fx_ops.h"
#include "panels/fx_panel.h"
#include "panels/object_panel.h"
#include "panels/shape_panel.h"
#include "panels/window_controls.h"

namespace drawlet {
namespace {

// All three panels built on fake controls over a drawing of one object with three boxes.
struct Panels {
  fakes::Journal Log;
  fakes::FakeControls Controls{Log};
  fakes::FakeSession F;

  Panels() {
    Controls.CreateTabbedPanel(LeftPanelId, {0, 30, 150, 758});
    BuildShapePanel(Controls, {"1-defaut.txt"});
    BuildFxPanel(Controls, F.S);
    Controls.CloseContainer();
    Controls.CreateTabbedPanel(RightPanelId, {879, 30, 150, 758});
    BuildObjectProperties(Controls, 10 + BuildObjectPanel(Controls, ObjectIconSet{}, 150), 150);
    Controls.CloseContainer();
    ObjectLayer& object = F.Doc.Objects[0];
    object.Name = "Obj_0";
    object.HasShape = 1;
    object.Shapes.resize(3);
    for (size_t i = 0; i < 3; ++i) {
      Shape& shape = object.Shapes[i];
      shape.Name = "Box_" + std::to_string(i);
      shape.Type = TypeBox;
      shape.Color = DefaultShapeColor;
      shape.Alpha = 255;
      shape.Fx[0].Name = "FX_0";
      shape.Fx[0].Color = DefaultFxColor;
      shape.Fx[0].Alpha = 255;
      shape.Fx[0].Width = 10;
      shape.Fx[0].Height = 5;
      shape.Fx[0].Dist = 5;
    }
    F.State.HasShapes = 1;
    F.State.CurrentShape = 0;
    F.View.Calls.clear();
  }
  Shape& CurrentShape() { return F.Doc.Objects[0].Shapes[static_cast<size_t>(F.State.CurrentShape)]; }
  ShapeFx& CurrentFx() { return CurrentShape().Fx[static_cast<size_t>(F.State.CurrentFx)]; }
  // Sets a control as the user would and hands its change to the panel that owns it.
  void Change(int64_t id, int64_t value) {
    Controls.SetState(id, value);
    Handle(id);
  }
  void Handle(int64_t id) {
    if (id >= 70) {
      FxPanelEvent(F.S, Controls, id);
    } else {
      ShapePanelEvent(F.S, Controls, id);
    }
  }
};

TEST(ShapePanelHandlers, SpinsAndListsStoreTheirValuesInTheCurrentShape) {
  struct Case {
    const char* What;
    std::vector<std::pair<int64_t, int64_t>> Changes;
    std::function<void(Panels&)> Check;
  };
  const Case cases[] = {
      {"alpha 128 on RGBA(220,220,120,255)", {{51, 128}},
       [](Panels& p) {
         EXPECT_EQ(p.CurrentShape().Alpha, 128);
         EXPECT_EQ(p.CurrentShape().Color, Rgba(220, 220, 120, 128));
       }},
      {"width 0 is stored as 1", {{65, 0}}, [](Panels& p) { EXPECT_EQ(p.CurrentShape().LineWidth, 1); }},
      {"height and dist", {{66, 7}, {67, 0}},
       [](Panels& p) {
         EXPECT_EQ(p.CurrentShape().LineHeight, 7);
         EXPECT_EQ(p.CurrentShape().LineDist, 1);
       }},
      {"style dash", {{64, 2}}, [](Panels& p) { EXPECT_EQ(p.CurrentShape().Style, StyleDash); }},
      {"position takes both boxes", {{60, -300}, {61, 32767}},
       [](Panels& p) {
         EXPECT_EQ(p.CurrentShape().X, -300);
         EXPECT_EQ(p.CurrentShape().Y, 32767);
       }},
      {"size", {{62, 160}, {63, 120}},
       [](Panels& p) {
         EXPECT_EQ(p.CurrentShape().W, 160);
         EXPECT_EQ(p.CurrentShape().H, 120);
       }},
      {"centre offset", {{58, -4}, {59, 9}},
       [](Panels& p) {
         EXPECT_EQ(p.CurrentShape().CX, -4);
         EXPECT_EQ(p.CurrentShape().CY, 9);
       }},
      {"current point", {{56, 11}, {57, -12}},
       [](Panels& p) {
         EXPECT_EQ(p.CurrentShape().Points[0].X, 11);
         EXPECT_EQ(p.CurrentShape().Points[0].Y, -12);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    Panels p;
    for (const auto& [id, value] : c.Changes) p.Change(id, value);
    c.Check(p);
    EXPECT_EQ(p.F.View.Count("canvas"), static_cast<int>(c.Changes.size())) << "each change redraws";
  }
}

TEST(ShapePanelHandlers, PointBoxesLeaveThePointsAloneWhenThePointIsNotOfTheShape) {
  Panels p;
  p.F.State.CurrentPoint = 6;  // a fresh shape has points 0 to 5
  const std::vector<ShapePoint> before = p.CurrentShape().Points;
  p.Change(56, 40);
  for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(p.CurrentShape().Points[i].X, before[i].X);
}

TEST(ShapePanelHandlers, WithoutACurrentShapeNothingChanges) {
  Panels p;
  p.F.State.CurrentShape = -1;
  p.F.Dialogs.Colors.push_back(Rgba(1, 2, 3, 255));
  p.F.Dialogs.Inputs.push_back("x");
  for (const int64_t id : {46, 50, 51, 56, 58, 60, 62, 64, 65, 66, 67, 68, 69, 75, 76, 79, 80, 81, 82, 85}) {
    p.Change(id, 3);
  }
  for (const Shape& shape : p.F.Doc.Objects[0].Shapes) {
    EXPECT_EQ(shape.Alpha, 255);
    EXPECT_EQ(shape.Style, 0);
    EXPECT_EQ(shape.Fx[0].Width, 10);
    EXPECT_EQ(shape.Fx[0].Active, 0);
  }
  EXPECT_TRUE(p.F.Dialogs.Calls.empty());
  EXPECT_EQ(p.F.View.Count("canvas"), 0);
}

TEST(ShapePanelHandlers, TheListSelectsItsItemsAndMakesTheLowestCurrent) {
  Panels p;
  RefillShapeList(p.Controls, p.F.S);
  p.F.State.CurrentFx = 2;
  p.Controls.SelectItem(45, 2, true);
  p.Controls.SelectItem(45, 0, true);
  p.Handle(45);
  EXPECT_EQ(p.F.State.CurrentShape, 0);
  EXPECT_EQ(p.F.State.CurrentFx, 0);
  const auto& shapes = p.F.Doc.Objects[0].Shapes;
  EXPECT_EQ(shapes[0].Selected, 1);
  EXPECT_EQ(shapes[1].Selected, 0);
  EXPECT_EQ(shapes[2].Selected, 1);
  EXPECT_EQ(p.F.View.Count("properties"), 1);

  p.Controls.SelectItem(45, 0, false);
  p.Controls.SelectItem(45, 2, false);
  p.F.View.Calls.clear();
  p.Handle(45);
  EXPECT_EQ(p.F.State.CurrentShape, -1);
  EXPECT_EQ(shapes[2].Selected, 0);
  EXPECT_EQ(p.F.View.Count("properties"), 0) << "the property boxes keep their last values";
}

TEST(ShapePanelHandlers, TheListIsIgnoredWithoutShapes) {
  Panels p;
  p.F.State.HasShapes = -1;
  RefillShapeList(p.Controls, p.F.S);
  EXPECT_EQ(p.Controls.ItemCount(45), 0);
  p.Handle(45);
  EXPECT_EQ(p.F.State.CurrentShape, 0);
  EXPECT_TRUE(p.F.View.Calls.empty());
}

TEST(ShapePanelHandlers, TheNameFollowsEveryKeystroke) {
  Panels p;
  for (const char* typed : {"B", "Bo"}) {
    p.Controls.Items[46].Text = typed;
    p.Handle(46);
    EXPECT_EQ(p.CurrentShape().Name, typed);
  }
  EXPECT_EQ(p.F.View.Count("shapes"), 2);
}

TEST(ShapePanelHandlers, ACancelledDialogKeepsWhatWasThere) {
  struct Case {
    const char* What;
    int64_t Id;
    std::function<void(Panels&)> Answer;
    std::function<void(Panels&)> Check;
  };
  const Case cases[] = {
      {"cancelled colour", 50, [](Panels&) {},
       [](Panels& p) { EXPECT_EQ(p.CurrentShape().Color, DefaultShapeColor); }},
      {"chosen colour keeps the shape's alpha", 50,
       [](Panels& p) {
         p.CurrentShape().Alpha = 128;
         p.F.Dialogs.Colors.push_back(Rgba(255, 255, 255, 255));
       },
       [](Panels& p) { EXPECT_EQ(p.CurrentShape().Color, Rgba(255, 255, 255, 128)); }},
      {"cancelled text", 68, [](Panels& p) { p.CurrentShape().Text = "Hello"; },
       [](Panels& p) { EXPECT_EQ(p.CurrentShape().Text, "Hello"); }},
      {"accepted empty text", 68,
       [](Panels& p) {
         p.CurrentShape().Text = "Hello";
         p.F.Dialogs.Inputs.push_back("");
       },
       [](Panels& p) { EXPECT_EQ(p.CurrentShape().Text, ""); }},
      {"cancelled effect colour", 80, [](Panels&) {},
       [](Panels& p) { EXPECT_EQ(p.CurrentFx().Color, DefaultFxColor); }},
      {"chosen effect colour keeps the effect's alpha", 80,
       [](Panels& p) {
         p.CurrentFx().Alpha = 100;
         p.F.Dialogs.Colors.push_back(Rgba(1, 2, 3, 255));
       },
       [](Panels& p) { EXPECT_EQ(p.CurrentFx().Color, Rgba(1, 2, 3, 100)); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    Panels p;
    c.Answer(p);
    p.Handle(c.Id);
    c.Check(p);
    EXPECT_EQ(p.F.View.Count("canvas"), 1);
  }
}

TEST(ShapePanelHandlers, TheTextDialogAsksWithTheShapesText) {
  Panels p;
  p.CurrentShape().Text = "Hello";
  p.F.Dialogs.Inputs.push_back("World");
  p.Handle(68);
  ASSERT_EQ(p.F.Dialogs.Calls.size(), 1u);
  EXPECT_EQ(p.F.Dialogs.Calls[0].Title, "Text");
  EXPECT_EQ(p.F.Dialogs.Calls[0].Message, "Change the text");
  EXPECT_EQ(p.F.Dialogs.Calls[0].Default, "Hello");
  EXPECT_EQ(p.CurrentShape().Text, "World");
}

TEST(ShapePanelHandlers, TheFontDialogReloadsTheFontAtSizeTwenty) {
  Panels p;
  Shape& shape = p.CurrentShape();
  shape.FontName = "Times New roman";
  shape.FontStyle = platform::FontBold;
  shape.Font = p.F.Fonts.Load(shape.FontName, 20, shape.FontStyle);
  p.Handle(69);  // cancelled: the same font again
  EXPECT_EQ(shape.FontName, "Times New roman");
  ASSERT_TRUE(shape.Font);
  EXPECT_EQ(shape.Font->Size(), 20);
  p.F.Dialogs.Fonts.push_back({"DejaVu Sans", 12, platform::FontItalic});
  p.Handle(69);
  EXPECT_EQ(shape.FontName, "DejaVu Sans");
  EXPECT_EQ(shape.FontStyle, platform::FontItalic);
  EXPECT_EQ(shape.Font->FaceName(), "DejaVu Sans");
  EXPECT_EQ(shape.Font->Size(), 20);
  shape.Font.reset();
  p.Handle(69);  // a shape without a loaded font asks nothing
  EXPECT_EQ(p.F.Dialogs.Calls.size(), 2u);
  EXPECT_EQ(p.F.View.Count("canvas"), 3);
}

TEST(ShapePanelHandlers, ShapeFileButtonsAndReorder) {
  Panels p;
  p.Controls.SetState(48, 0);
  p.Handle(48);
  EXPECT_EQ(p.F.State.ShapeFile, "1-defaut.txt");
  p.Handle(53);  // down: shape 0 becomes 1
  EXPECT_EQ(p.F.State.CurrentShape, 1);
  EXPECT_EQ(p.CurrentShape().Name, "Box_0");
  p.Handle(49);
  EXPECT_EQ(p.F.Doc.Objects[0].Shapes.size(), 2u);
  EXPECT_EQ(p.F.View.Calls.back(), "focus") << "deleting moves the keyboard focus to the canvas";
}

TEST(FxPanelHandlers, SpinsAndListsStoreTheirValuesInTheCurrentEffect) {
  struct Case {
    const char* What;
    std::vector<std::pair<int64_t, int64_t>> Changes;
    std::function<void(Panels&)> Check;
  };
  const Case cases[] = {
      {"alpha 100 on the default colour", {{79, 100}},
       [](Panels& p) { EXPECT_EQ(p.CurrentFx().Color, Rgba(255, 120, 0, 100)); }},
      {"height 0 also re-stores width and dist", {{82, 10}, {84, 5}, {83, 0}},
       [](Panels& p) {
         EXPECT_EQ(p.CurrentFx().Height, 1);
         EXPECT_EQ(p.CurrentFx().Width, 10);
         EXPECT_EQ(p.CurrentFx().Dist, 5);
       }},
      {"actif", {{75, 1}}, [](Panels& p) { EXPECT_EQ(p.CurrentFx().Active, 1); }},
      {"all back", {{78, 2}}, [](Panels& p) { EXPECT_EQ(p.CurrentFx().Depth, 2); }},
      {"all front", {{78, 3}}, [](Panels& p) { EXPECT_EQ(p.CurrentFx().Depth, 3); }},
      {"style dot", {{81, 3}}, [](Panels& p) { EXPECT_EQ(p.CurrentFx().Style, StyleDot); }},
      {"offset", {{76, -7}, {77, 8}},
       [](Panels& p) {
         EXPECT_EQ(p.CurrentFx().X, -7);
         EXPECT_EQ(p.CurrentFx().Y, 8);
       }},
      {"scale", {{85, -250}}, [](Panels& p) { EXPECT_EQ(p.CurrentFx().Scale, -250); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    Panels p;
    for (const auto& [id, value] : c.Changes) p.Change(id, value);
    c.Check(p);
    EXPECT_EQ(p.F.View.Count("canvas"), static_cast<int>(c.Changes.size()));
  }
}

TEST(FxPanelHandlers, TheFxListAndItsButtonChooseAndAddEffects) {
  Panels p;
  p.Handle(74);
  EXPECT_EQ(p.CurrentShape().Fx.size(), 2u);
  EXPECT_EQ(p.F.State.CurrentFx, 1);
  EXPECT_EQ(p.CurrentFx().Name, "FX_1");
  p.Change(73, 0);
  EXPECT_EQ(p.F.State.CurrentFx, 0);
  EXPECT_GE(p.F.View.Count("properties"), 2);
}

TEST(FxPanelHandlers, ChoosingAPresetAppliesItExceptActive) {
  Panels p;
  p.F.Files.Content["data/shapefx/glow.sfx"] = "gen,glow,0.10,\r\nshapefx,0,3,4,-1,90,1,2,11,12,13,150,0,0\r\n";
  ListPresets(p.F.S);
  ShowPresets(p.Controls, p.F.View.Presets);
  p.CurrentFx().Active = 1;
  p.Change(70, 0);
  const ShapeFx& fx = p.CurrentFx();
  EXPECT_EQ(fx.Name, "glow");
  EXPECT_EQ(fx.X, 3);
  EXPECT_EQ(fx.Y, 4);
  EXPECT_EQ(fx.Color, -1);
  EXPECT_EQ(fx.Alpha, 90);
  EXPECT_EQ(fx.Depth, 1);
  EXPECT_EQ(fx.Style, 2);
  EXPECT_EQ(fx.Width, 11);
  EXPECT_EQ(fx.Height, 12);
  EXPECT_EQ(fx.Dist, 13);
  EXPECT_EQ(fx.Scale, 150);
  EXPECT_EQ(fx.Active, 1) << "a preset does not say whether the effect is drawn";
  EXPECT_EQ(p.F.View.Count("canvas"), 1);
  EXPECT_EQ(p.F.View.Count("fx"), 1);
}

TEST(FxPanelHandlers, APresetThatCannotBeReadIsReportedAndChangesNothing) {
  for (const char* text : {"", "gen,broken,0.10,\r\n"}) {
    Panels p;
    p.F.Files.Content["data/shapefx/broken.sfx"] = text;
    ListPresets(p.F.S);
    ShowPresets(p.Controls, p.F.View.Presets);
    p.Change(70, 0);
    EXPECT_EQ(p.CurrentFx().Name, "FX_0");
    EXPECT_EQ(p.CurrentFx().Width, 10);
    ASSERT_EQ(p.F.Messages.Boxes.size(), 1u);
    EXPECT_EQ(p.F.Messages.Boxes[0].Title, "Error");
    EXPECT_EQ(p.F.Messages.Boxes[0].Text, "Unable to load the preset data/shapefx/broken.sfx");
    EXPECT_EQ(p.F.View.Count("canvas"), 0);
  }
}

TEST(FxPanelHandlers, PlusAndSaveStoreTheCurrentEffectAsANamedPreset) {
  for (const int64_t id : {71, 72}) {
    Panels p;
    p.F.Dialogs.Inputs.push_back("soft");
    p.Handle(id);
    EXPECT_EQ(p.F.Files.Content.count("data/shapefx/soft.sfx"), 1u) << id;
    EXPECT_EQ(p.CurrentFx().Name, "soft");
    EXPECT_EQ(p.F.View.Presets, (std::vector<std::string>{"soft"}));
    p.Handle(id);  // cancelled: nothing written, nothing renamed
    EXPECT_EQ(p.F.Files.Content.size(), 1u);
  }
}

TEST(LoadPropertyControls, ShowsTheCurrentObjectShapeAndEffectAndEnablesThePanels) {
  Panels p;
  EnableShapeControls(p.Controls, p.F.S, 1);
  ObjectLayer& object = p.F.Doc.Objects[0];
  object.Alpha = 200;
  object.Locked = 1;
  object.X = -5;
  object.W = 40;
  Shape& shape = object.Shapes[1];
  shape.Name = "Roof";
  shape.Style = 1;
  shape.X = 12;
  shape.LineWidth = 3;
  shape.Fx.resize(2);
  shape.Fx[1].Width = 0;
  shape.Fx[1].Active = 1;
  shape.Fx[1].Scale = 90;
  p.F.State.CurrentShape = 1;
  p.F.State.CurrentFx = 1;
  LoadPropertyControls(p.Controls, p.F.S);
  const std::pair<int64_t, int64_t> shown[] = {{43, 200}, {33, 1}, {29, -5}, {35, 40}, {64, 1}, {60, 12},
                                               {65, 3}, {73, 1}, {75, 1}, {82, 1}, {85, 90}};
  for (const auto& [id, value] : shown) EXPECT_EQ(p.Controls.State(id), value) << id;
  EXPECT_EQ(p.Controls.Text(46), "Roof");
  EXPECT_EQ(shape.Fx[1].Width, 1) << "an effect width of 0 is raised to 1";
  for (int64_t id = 44; id <= 88; ++id) {
    if (p.Controls.Exists(id)) {
      EXPECT_TRUE(p.Controls.Items[id].Enabled) << id;
    }
  }
  EXPECT_TRUE(p.Controls.Items[68].Hidden);
  EXPECT_TRUE(p.Controls.Items[69].Hidden);

  p.F.State.CurrentFx = 5;
  LoadPropertyControls(p.Controls, p.F.S);
  EXPECT_EQ(p.F.State.CurrentFx, 0) << "an effect index past the last comes back to 0";
}

TEST(RefillLists, ListTheCurrentShapesAndEffectsAndClearTheSelection) {
  Panels p;
  RefillShapeList(p.Controls, p.F.S);
  p.Controls.SelectItem(45, 1, true);
  RefillShapeList(p.Controls, p.F.S);
  EXPECT_EQ(p.Controls.Items[45].ItemList, (std::vector<std::string>{"Box_0", "Box_1", "Box_2"}));
  EXPECT_FALSE(p.Controls.ItemSelected(45, 1));
  p.CurrentShape().Fx.resize(2);
  p.CurrentShape().Fx[1].Name = "glow";
  RefillFxList(p.Controls, p.F.S);
  EXPECT_EQ(p.Controls.Items[73].ItemList, (std::vector<std::string>{"FX_0", "glow"}));
  p.F.State.CurrentShape = -1;
  RefillFxList(p.Controls, p.F.S);
  EXPECT_EQ(p.Controls.ItemCount(73), 0);
}

// The object list with three objects: row 0 at the top shows object 2.
struct ObjectList : Panels {
  ObjectList() {
    F.Doc.Objects.resize(3);
    for (size_t i = 0; i < 3; ++i) {
      F.Doc.Objects[i].Name = "Obj_" + std::to_string(i);
      F.Doc.Objects[i].Order = static_cast<uint8_t>(i);
    }
    F.State.CurrentObject = 1;
    F.State.CurrentShape = 2;
  }
  void Mouse(platform::ControlEventType type, int32_t x, int32_t y) {
    platform::Event event;
    event.Id = ObjectListId;
    event.Type = type;
    event.Input.X = x;
    event.Input.Y = y;
    ObjectPanelEvent(F.S, Controls, event);
  }
};

TEST(ObjectListEvents, PressesSelectOrHideTheObjectOfTheirRow) {
  using platform::ControlEventType;
  struct Case {
    const char* What;
    int32_t X, Y;
    int64_t Current;
    std::vector<uint8_t> Hidden;
    int64_t CurrentShape;
  };
  const Case cases[] = {
      {"top row", 60, 10, 2, {0, 0, 0}, 0},
      {"bottom row", 60, 60, 0, {0, 0, 0}, 0},
      {"below the last row", 60, 300, 1, {0, 0, 0}, 2},
      {"eye of the middle row", 10, 30, 1, {0, 1, 0}, 0},
      {"eye below the last row", 10, 300, 1, {0, 0, 0}, 2},
      {"between eye and name", 25, 10, 1, {0, 0, 0}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    ObjectList p;
    p.Mouse(ControlEventType::LeftDown, c.X, c.Y);
    EXPECT_EQ(p.F.State.CurrentObject, c.Current);
    EXPECT_EQ(p.F.State.CurrentShape, c.CurrentShape);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(p.F.Doc.Objects[i].Hidden, c.Hidden[i]) << i;
    EXPECT_EQ(p.F.View.Count("objects"), c.CurrentShape == 0 ? 1 : 0) << "one refresh per acting press";
  }
}

TEST(ObjectListEvents, HoveringChangesNothing) {
  ObjectList p;
  p.Mouse(platform::ControlEventType::MouseMove, 60, 10);
  p.Mouse(platform::ControlEventType::LeftUp, 60, 10);
  EXPECT_EQ(p.F.State.CurrentObject, 1);
  EXPECT_EQ(p.F.State.CurrentShape, 2);
  EXPECT_TRUE(p.F.View.Calls.empty());
}

TEST(ObjectListEvents, ADoubleClickRenamesTheObjectOfItsRow) {
  using platform::ControlEventType;
  ObjectList p;
  p.F.Dialogs.Inputs.push_back("A_name_of_25_characters__");
  p.Mouse(ControlEventType::LeftDown, 60, 10);
  p.Mouse(ControlEventType::LeftDoubleClick, 60, 10);
  EXPECT_EQ(p.F.Doc.Objects[2].Name, "A_name_of_25_charact");
  ASSERT_EQ(p.F.Dialogs.Calls.size(), 1u);
  EXPECT_EQ(p.F.Dialogs.Calls[0].Title, "New Name");
  EXPECT_EQ(p.F.Dialogs.Calls[0].Message, "Set the name for this object");
  p.Mouse(ControlEventType::LeftDoubleClick, 60, 10);  // cancelled
  EXPECT_EQ(p.F.Doc.Objects[2].Name, "A_name_of_25_charact");
  p.Mouse(ControlEventType::LeftDoubleClick, 10, 10);  // the eye column renames nothing
  EXPECT_EQ(p.F.Dialogs.Calls.size(), 2u);
}

TEST(ObjectPanelControls, ButtonsAndBoxesCallTheirObjectOperations) {
  ObjectList p;
  auto change = [&p](int64_t id, int64_t value) {
    p.Controls.SetState(id, value);
    platform::Event event;
    event.Id = id;
    ObjectPanelEvent(p.F.S, p.Controls, event);
  };
  change(43, 77);
  EXPECT_EQ(p.F.Doc.Objects[1].Alpha, 77) << "the alpha box sets the object's alpha";
  change(33, 1);
  EXPECT_EQ(p.F.Doc.Objects[1].Locked, 1);
  change(29, -40);
  change(30, 50);
  EXPECT_EQ(p.F.Doc.Objects[1].X, -40);
  EXPECT_EQ(p.F.Doc.Objects[1].Y, 50);
  change(35, 32767);
  change(36, 9);
  EXPECT_EQ(p.F.Doc.Objects[1].W, 32767);
  EXPECT_EQ(p.F.Doc.Objects[1].H, 9);
  change(40, 0);  // up: the current index stays and shows the other object
  EXPECT_EQ(p.F.State.CurrentObject, 1);
  EXPECT_EQ(p.F.Doc.Objects[1].Name, "Obj_2");
  change(41, 0);
  EXPECT_EQ(p.F.Doc.Objects[1].Name, "Obj_0");
  change(38, 0);
  EXPECT_EQ(p.F.Doc.Objects.size(), 4u);
  EXPECT_EQ(p.F.Doc.Objects[3].Name, "Obj_3");
  change(39, 0);
  EXPECT_EQ(p.F.Doc.Objects.size(), 3u);
}

}  // namespace
}  // namespace drawlet
