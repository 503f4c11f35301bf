#include "panels/shape_panel.h"

#include <gtest/gtest.h>

#include "app/shell_fakes.h"

namespace drawlet {
namespace {

struct Panel {
  fakes::Journal Log;
  fakes::FakeControls Controls{Log};
  fakes::FakeSession Session;

  Panel() {
    for (const int64_t id : {44, 50, 68, 69, 88, 89}) Controls.Items[id] = {};
  }
};

TEST(EnableShapeControls, DisablesOrEnablesTheShapeAndFxControlsThatExist) {
  for (const uint8_t flag : {uint8_t{1}, uint8_t{0}}) {
    Panel p;
    for (auto& [id, control] : p.Controls.Items) control.Enabled = flag == 0 ? false : true;
    EnableShapeControls(p.Controls, p.Session.S, flag);
    for (const int64_t id : {44, 50, 68, 69, 88}) EXPECT_EQ(p.Controls.Items[id].Enabled, flag == 0) << id;
    EXPECT_EQ(p.Controls.Items[89].Enabled, flag != 0);  // the right panel is no shape control
    EXPECT_EQ(p.Controls.Items.size(), 6u);              // nothing was made
  }
}

TEST(EnableShapeControls, ShowsTheTextAndFontButtonsOnlyForATextShape) {
  struct Case {
    uint8_t Type;
    int64_t CurrentShape;
    bool Shown;
  };
  for (const Case c : {Case{TypeText, 0, true}, Case{TypeBox, 0, false}, Case{TypeText, -1, false}}) {
    Panel p;
    p.Session.Doc.Objects.resize(1);
    p.Session.Doc.Objects[0].Shapes[0].Type = c.Type;
    p.Session.State.CurrentShape = c.CurrentShape;
    p.Controls.Items[68].Hidden = c.Shown;
    EnableShapeControls(p.Controls, p.Session.S, 0);
    EXPECT_EQ(p.Controls.Items[68].Hidden, !c.Shown) << int(c.Type) << " " << c.CurrentShape;
    EXPECT_EQ(p.Controls.Items[69].Hidden, !c.Shown) << int(c.Type) << " " << c.CurrentShape;
  }
}

}  // namespace
}  // namespace drawlet
