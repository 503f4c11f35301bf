#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/shell_fakes.h"
#include "panels/fx_panel.h"
#include "panels/object_panel.h"
#include "panels/shape_panel.h"
#include "panels/window_controls.h"

namespace drawlet {
namespace {

using platform::Rect;

// One control as a panel's table gives it; a label of AddControl sits 35 pixels to its left.
struct Row {
  int64_t Id;
  std::string Kind;
  Rect Box;
  std::string Caption;  // the label or the button's text
  int64_t Min, Max;
  std::string Tooltip;
  std::string Tab;
};

// Labels that are made on their own, not by AddControl.
struct LoneLabel {
  Rect Box;
  std::string Text;
  std::string Tab;
};

bool SameRect(const Rect& a, const Rect& b) { return a.X == b.X && a.Y == b.Y && a.W == b.W && a.H == b.H; }

bool HasLabel(const fakes::FakeControls& controls, const Rect& box, const std::string& text, const std::string& tab) {
  for (const auto& label : controls.Labels) {
    if (SameRect(label.Geometry, box) && label.Text == text && label.Tab == tab) return true;
  }
  return false;
}

void ExpectTable(const fakes::FakeControls& controls, const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE("control " + std::to_string(row.Id));
    const auto found = controls.Items.find(row.Id);
    ASSERT_NE(found, controls.Items.end());
    const auto& control = found->second;
    EXPECT_EQ(control.Kind, row.Kind);
    EXPECT_EQ(fakes::RectText(control.Geometry), fakes::RectText(row.Box));
    EXPECT_EQ(control.Tooltip, row.Tooltip);
    EXPECT_EQ(control.Tab, row.Tab);
    EXPECT_FALSE(control.State.has_value()) << "no control gets a state when built";
    if (row.Kind == "kind0") {
      EXPECT_EQ(control.Min, row.Min);
      EXPECT_EQ(control.Max, row.Max);
      if (!row.Caption.empty()) {
        const Rect label{row.Box.X - 35, row.Box.Y + 2, 35, row.Box.H};
        EXPECT_TRUE(HasLabel(controls, label, row.Caption, row.Tab)) << "label " << row.Caption;
      }
    } else if (row.Kind == "kind2" || row.Kind == "kind3") {
      EXPECT_EQ(control.Text, row.Caption);
    }
  }
}

struct LeftPanel {
  fakes::Journal Log;
  fakes::FakeControls Controls{Log};
  fakes::FakeSession Session;
  LeftPanel() {
    Session.Files.Content["data/shapefx/glow.sfx"] = "gen,glow,0.10,\r\n";
    Controls.CreateTabbedPanel(LeftPanelId, {0, 30, 150, 758});
    BuildShapePanel(Controls, {"1-defaut.txt", "star.txt"});
    BuildFxPanel(Controls, Session.S);
    Controls.CloseContainer();
  }
};

TEST(PanelTables, ShapesAndColorTabsHoldEveryControlOfTheirTables) {
  LeftPanel p;
  EXPECT_EQ(p.Controls.Items[LeftPanelId].Tabs, (std::vector<std::string>{"Shapes", "Color", "FX"}));
  const std::vector<Row> rows = {
      {46, "kind1", {42, 10, 100, 20}, "", 0, 0, "", "Shapes"},
      {48, "kind4", {10, 33, 80, 20}, "", 0, 0, "Select the shape to add.", "Shapes"},
      {47, "kind2", {92, 33, 20, 20}, "+", 0, 0, "Add a new Shape.", "Shapes"},
      {49, "kind2", {114, 33, 20, 20}, "-", 0, 0, "Delete the shape.", "Shapes"},
      {45, "kind5", {10, 56, 130, 100}, "", 0, 0, "", "Shapes"},
      {52, "kind2", {10, 159, 50, 20}, "Up", 0, 0, "Move the shape up.", "Shapes"},
      {53, "kind2", {65, 159, 50, 20}, "Down", 0, 0, "Move the shape down.", "Shapes"},
      // X and Y are 16-bit fields: their boxes stop where the field does.
      {60, "kind0", {45, 182, 50, 20}, "X ", -32768, 32767, "Set the X position of the shape.", "Shapes"},
      {61, "kind0", {45, 205, 50, 20}, "Y ", -32768, 32767, "Set the Y position of the shape.", "Shapes"},
      {62, "kind0", {45, 228, 50, 20}, "W ", 0, 10000, "Set the width of the shape.", "Shapes"},
      {63, "kind0", {45, 251, 50, 20}, "H ", 0, 10000, "Set the height of the shape.", "Shapes"},
      {58, "kind0", {45, 289, 50, 20}, "CX", -10000, 10000, "Change the center X (offset)", "Shapes"},
      {59, "kind0", {45, 312, 50, 20}, "Cy", -10000, 10000, "Change the center Y (offset)", "Shapes"},
      {56, "kind0", {42, 362, 50, 20}, "", -1000, 10000, "", "Shapes"},
      {57, "kind0", {42, 385, 50, 20}, "", -1000, 10000, "", "Shapes"},
      {51, "kind0", {45, 25, 40, 20}, "Alpha", 0, 255, "Change alpha of the shape.", "Color"},
      {50, "kind2", {85, 25, 50, 20}, "Color", 0, 0, "", "Color"},
      {68, "kind2", {10, 60, 50, 20}, "Text", 0, 0, "Change the text", "Color"},
      {69, "kind2", {10, 95, 50, 20}, "Font", 0, 0, "Change the text font", "Color"},
      {64, "kind4", {10, 145, 100, 20}, "", 0, 0, "Change the type of the shape (line, filled..).", "Color"},
      {65, "kind0", {45, 168, 50, 20}, "Width", 0, 1000, "Change the width of the line shape.", "Color"},
      {66, "kind0", {45, 191, 50, 20}, "Height", 0, 1000, "Change the Height of the line shape.", "Color"},
      {67, "kind0", {45, 214, 50, 20}, "Dist", 0, 1000, "Change the distance for the line shape (dot line).",
       "Color"},
  };
  ExpectTable(p.Controls, rows);
  for (const LoneLabel& label : {LoneLabel{{10, 13, 30, 20}, "Name", "Shapes"},
                                 LoneLabel{{10, 365, 30, 20}, "X :", "Shapes"},
                                 LoneLabel{{10, 388, 30, 20}, "Y :", "Shapes"}}) {
    EXPECT_TRUE(HasLabel(p.Controls, label.Box, label.Text, label.Tab)) << label.Text;
  }
  struct Frame {
    int64_t Id;
    Rect Box;
    std::string Title, Tab;
  };
  for (const Frame& f : {Frame{CenterFrameId, {5, 274, 135, 65}, "Center", "Shapes"},
                         Frame{PointsFrameId, {5, 347, 135, 65}, "Points", "Shapes"},
                         Frame{ColorFrameId, {5, 10, 135, 40}, "Color", "Color"},
                         Frame{ShapeStyleFrameId, {5, 130, 135, 120}, "Style", "Color"}}) {
    EXPECT_EQ(fakes::RectText(p.Controls.Items[f.Id].Geometry), fakes::RectText(f.Box)) << f.Title;
    EXPECT_EQ(p.Controls.Items[f.Id].Text, f.Title);
    EXPECT_EQ(p.Controls.Items[f.Id].Tab, f.Tab) << f.Title;
  }
  EXPECT_EQ(p.Controls.Items[48].ItemList, (std::vector<std::string>{"1-defaut.txt", "star.txt"}));
  EXPECT_EQ(p.Controls.Items[64].ItemList, (std::vector<std::string>{"filled", "line", "dash", "dot"}));
}

TEST(PanelTables, FxTabHoldsEveryControlOfItsTableAndListsThePresets) {
  LeftPanel p;
  const std::vector<Row> rows = {
      {70, "kind4", {10, 25, 60, 20}, "", 0, 0, "Select a preset for the Fx, if you prefer ;).", "FX"},
      {71, "kind2", {72, 25, 20, 20}, "+", 0, 0, "Add a new preset.", "FX"},
      {72, "kind2", {94, 25, 30, 20}, "Save", 0, 0, "Save the current parameter of the preset.", "FX"},
      {73, "kind4", {10, 68, 100, 20}, "", 0, 0, "Select the Fx to change.", "FX"},
      {74, "kind2", {112, 68, 20, 20}, "+", 0, 0, "Add a new Fx for the shape.", "FX"},
      {75, "kind3", {10, 91, 50, 20}, "Actif", 0, 0, "Set the Fx actif.", "FX"},
      {81, "kind4", {10, 134, 100, 20}, "", 0, 0, "Set the type of the Fx.", "FX"},
      {82, "kind0", {45, 157, 50, 20}, "Width", 0, 1000, "Change the width of the line Fx.", "FX"},
      {83, "kind0", {45, 180, 50, 20}, "Height", 0, 1000, "Change the height of the line Fx.", "FX"},
      {84, "kind0", {45, 203, 50, 20}, "Dist", 0, 1000, "Change the distance for the line Fx (dot line).", "FX"},
      {76, "kind0", {45, 236, 50, 20}, "X : ", -10000, 10000, "Set the X of the Fx.", "FX"},
      {77, "kind0", {45, 259, 50, 20}, "Y : ", -10000, 10000, "Set the Y of the Fx.", "FX"},
      {79, "kind0", {45, 282, 50, 20}, "Alpha", 0, 255, "Set the alpha of the Fx.", "FX"},
      {80, "kind2", {100, 282, 30, 20}, "Color", 0, 0, "Set the color of the Fx.", "FX"},
      {85, "kind0", {45, 305, 50, 20}, "Scale", -10000, 10000, "Set the scale of the Fx.", "FX"},
      {78, "kind4", {10, 328, 100, 20}, "", 0, 0, "Set the depth of the Fx.", "FX"},
  };
  ExpectTable(p.Controls, rows);
  EXPECT_EQ(p.Controls.Items[81].ItemList, (std::vector<std::string>{"filled", "line", "dash", "dot"}));
  EXPECT_EQ(p.Controls.Items[78].ItemList, (std::vector<std::string>{"Back", "Front", "All back", "All front"}));
  EXPECT_EQ(p.Session.View.Presets, (std::vector<std::string>{"glow"}));
  // The drop-down lists take no caption, so "Type" and "Depth" make no label.
  for (const auto& label : p.Controls.Labels) EXPECT_TRUE(label.Text != "Type" && label.Text != "Depth");
}

TEST(PanelTables, ObjectTabHoldsItsControlsAndThePropertiesFrameBelowThem) {
  fakes::Journal log;
  fakes::FakeControls controls{log};
  ObjectIconSet icons{};
  for (size_t slot = 0; slot < 8; ++slot) icons[slot] = std::make_shared<fakes::NamedIcon>(slot);
  controls.CreateTabbedPanel(RightPanelId, {879, 30, 150, 758});
  const int64_t used = BuildObjectPanel(controls, icons, 150);
  EXPECT_EQ(used, 292);
  BuildObjectProperties(controls, 10 + used, 150);
  controls.CloseContainer();
  EXPECT_EQ(controls.Items[RightPanelId].Tabs, (std::vector<std::string>{"Object"}));
  const std::vector<Row> rows = {
      {43, "kind0", {5, 10, 50, 20}, "", 0, 255, "Change the alpha of the object (layer).", "Object"},
      {33, "kind6", {5, 33, 20, 20}, "", 1, 0, "Lock the object (layer).", "Object"},
      {25, "scroll", {5, 61, 130, 200}, "", 0, 0, "", "Object"},
      {38, "kind6", {5, 264, 20, 20}, "", 0, 0, "Add a new Object (layer).", "Object"},
      {39, "kind6", {28, 264, 20, 20}, "", 0, 0, "Delete the current Object (Layer).", "Object"},
      {40, "kind6", {51, 264, 20, 20}, "", 0, 0, "Move the Object (Layer) up.", "Object"},
      {41, "kind6", {74, 264, 20, 20}, "", 0, 0, "Move the Object (Layer) down.", "Object"},
      {29, "kind0", {50, 317, 80, 20}, "X ", -10000, 10000, "Change the X of the objet.", "Object"},
      {30, "kind0", {50, 340, 80, 20}, "Y ", -10000, 10000, "Change the Y of the objet.", "Object"},
      // W and H are 16-bit fields: their boxes stop where the field does.
      {35, "kind0", {50, 363, 80, 20}, "W ", 0, 32767, "Change the width of the objet.", "Object"},
      {36, "kind0", {50, 386, 80, 20}, "H ", 0, 32767, "Change the height of the objet.", "Object"},
  };
  ExpectTable(controls, rows);
  EXPECT_EQ(controls.Items[33].Min, 1) << "the lock is a toggle";
  const std::pair<int64_t, size_t> pictures[] = {{33, 5}, {38, 2}, {39, 3}, {40, 6}, {41, 7}};
  for (const auto& [id, slot] : pictures) {
    const auto* icon = dynamic_cast<const fakes::NamedIcon*>(controls.Items[id].Image.get());
    ASSERT_NE(icon, nullptr) << id;
    EXPECT_EQ(icon->Slot, slot) << id;
  }
  EXPECT_EQ(controls.Items[25].InnerW, 108);
  EXPECT_EQ(controls.Items[25].InnerH, 300);
  EXPECT_EQ(controls.Items[26].Kind, "listcanvas");
  EXPECT_EQ(controls.Items[26].Parent, 25);
  EXPECT_EQ(fakes::RectText(controls.Items[26].Geometry), "0,0,150,500");
  EXPECT_EQ(fakes::RectText(controls.Items[PropertiesFrameId].Geometry), "5,302,140,120");
  EXPECT_EQ(controls.Items[PropertiesFrameId].Text, "Properties");
}

}  // namespace
}  // namespace drawlet
