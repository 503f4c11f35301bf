#include "panels/add_control.h"

#include <gtest/gtest.h>

#include "app/shell_fakes.h"

namespace drawlet {
namespace {

using platform::ControlKind;
using platform::NoState;

struct Made {
  fakes::Journal Log;
  fakes::FakeControls Controls{Log};
};

TEST(AddControl, LabelsOnlySpinsAndTextFieldsWithACaption) {
  struct Case {
    ControlKind Kind;
    std::string Text;
    bool Labelled;
  };
  const Case cases[] = {
      {ControlKind::Spin, "X ", true},        {ControlKind::Spin, "", false},
      {ControlKind::String, "Name", true},    {ControlKind::Button, "+", false},
      {ControlKind::CheckBox, "Snap", false}, {ControlKind::Combo, "Style", false},
      {ControlKind::ListBox, "Items", false}, {ControlKind::ImageButton, "Pic", false},
  };
  for (const Case& c : cases) {
    Made m;
    AddControl(m.Controls, 60, c.Kind, 10, 40, 80, 20, c.Text, 0, 100, "", NoState);
    const auto kind = static_cast<int>(c.Kind);
    ASSERT_TRUE(m.Controls.Exists(60)) << kind;
    EXPECT_EQ(m.Controls.Items[60].Geometry.X, c.Labelled ? 45 : 10) << kind;
    EXPECT_EQ(m.Controls.Items[60].Geometry.Y, 40) << kind;
    EXPECT_EQ(m.Controls.Items[60].Geometry.W, 80) << kind;
    EXPECT_EQ(m.Controls.Items[60].Kind, "kind" + std::to_string(kind));
    ASSERT_EQ(m.Controls.Labels.size(), c.Labelled ? 1u : 0u) << kind;
    if (c.Labelled) {
      EXPECT_EQ(fakes::RectText(m.Controls.Labels[0].Geometry), "10,42,35,20");
      EXPECT_EQ(m.Controls.Labels[0].Text, c.Text);
    }
  }
}

TEST(AddControl, SetsAnyStateButNoState) {
  for (const int64_t state : {NoState, int64_t{0}, int64_t{1}, int64_t{-1}, int64_t{250}}) {
    Made m;
    AddControl(m.Controls, 43, ControlKind::Spin, 5, 10, 50, 20, "", 0, 255, "", state);
    if (state == NoState) {
      EXPECT_FALSE(m.Controls.Items[43].State.has_value());
    } else {
      EXPECT_EQ(m.Controls.Items[43].State, state);
    }
  }
}

TEST(AddControl, PassesTheRangeToggleAndImageAndSetsTheTooltip) {
  Made m;
  const platform::ImageHandle icon = std::make_shared<fakes::FakeImage>(20, 20);
  AddControl(m.Controls, 33, ControlKind::ImageButton, 5, 33, 20, 20, "", 1, 0, "Lock the object (layer).", NoState,
             icon);
  const auto& button = m.Controls.Items[33];
  EXPECT_EQ(button.Min, 1);
  EXPECT_EQ(button.Image, icon);
  EXPECT_EQ(button.Tooltip, "Lock the object (layer).");
}

TEST(AddControl, LeavesOutTheTooltipAndStateOfAControlThatCouldNotBeMade) {
  Made m;
  m.Controls.Failing = {21};
  AddControl(m.Controls, 21, ControlKind::Spin, 515, 2, 45, 20, "", 1, 100000, "Set the Snap X.", 32);
  EXPECT_FALSE(m.Controls.Exists(21));
  EXPECT_TRUE(m.Controls.Items.empty());
}

}  // namespace
}  // namespace drawlet
