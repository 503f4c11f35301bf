#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <functional>

#include "platform/qt/name_list.h"
#include "qt_fixture.h"

namespace drawlet::platform {
namespace {

using ControlsTest = QtWindowTest;

TEST_F(ControlsTest, EachKindMakesItsWidget) {
  struct Case {
    ControlKind Kind;
    int64_t Min, Max;
    const char* ClassName;
    bool Toggle;
  };
  const std::vector<Case> cases = {
      {ControlKind::Spin, -10, 10, "QSpinBox", false},       {ControlKind::String, 0, 0, "QLineEdit", false},
      {ControlKind::Button, 0, 0, "QPushButton", false},     {ControlKind::Button, 1, 0, "QPushButton", true},
      {ControlKind::CheckBox, 0, 0, "QCheckBox", true},      {ControlKind::Combo, 0, 0, "QComboBox", false},
      {ControlKind::ListBox, 0, 0, "QListView", false},      {ControlKind::ImageButton, 0, 0, "QToolButton", false},
      {ControlKind::ImageButton, 1, 0, "QToolButton", true},
  };
  auto image = std::make_shared<OwnedImage>();
  int64_t id = 100;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ClassName + std::string(c.Toggle ? " toggle" : ""));
    ASSERT_TRUE(controls.CreateControl(++id, c.Kind, {5, 10, 50, 20}, "Up", c.Min, c.Max, image));
    QWidget* widget = controls.Widget(id);
    ASSERT_NE(widget, nullptr);
    EXPECT_STREQ(widget->metaObject()->className(), c.ClassName);
    EXPECT_EQ(widget->parentWidget(), window.ControlArea());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      EXPECT_EQ(button->isCheckable(), c.Toggle);
    }
  }

  auto* spin = qobject_cast<QSpinBox*>(controls.Widget(101));
  EXPECT_EQ(spin->minimum(), -10);
  EXPECT_EQ(spin->maximum(), 10);
  EXPECT_TRUE(spin->alignment().testFlag(Qt::AlignRight));
  EXPECT_FALSE(qobject_cast<QComboBox*>(controls.Widget(106))->isEditable());
  EXPECT_EQ(dynamic_cast<NameList*>(controls.Widget(107))->selectionMode(), QAbstractItemView::MultiSelection);
  EXPECT_EQ(qobject_cast<QAbstractButton*>(controls.Widget(109))->icon().actualSize(QSize(25, 25)), QSize(2, 2));
}

TEST_F(ControlsTest, StringFieldTakesOnlyDigitsWhenMinIsOne) {
  ASSERT_TRUE(controls.CreateControl(1, ControlKind::String, {0, 0, 80, 20}, "", 1, 0, nullptr));
  ASSERT_TRUE(controls.CreateControl(2, ControlKind::String, {0, 30, 80, 20}, "x", 0, 0, nullptr));
  QTest::keyClicks(controls.Widget(1), "a1b2");
  QTest::keyClicks(controls.Widget(2), "a1");
  EXPECT_EQ(controls.Text(1), "12");
  EXPECT_EQ(controls.Text(2), "xa1");
}

TEST_F(ControlsTest, GeometryIsReportedAsSetAndContainersNest) {
  ASSERT_TRUE(controls.CreateContainer(1, {0, 30, 400, 30}));
  ASSERT_TRUE(controls.CreateControl(19, ControlKind::Combo, {383, 2, 80, 20}, "", 0, 0, nullptr));
  controls.CloseContainer();
  ASSERT_TRUE(controls.CreateCanvas(0, {155, 30, -4, 500}));

  EXPECT_EQ(controls.Widget(19)->mapTo(window.ControlArea(), QPoint(0, 0)), QPoint(383, 32));
  EXPECT_EQ(controls.Widget(0)->parentWidget(), window.ControlArea());
  const Rect canvas = controls.Geometry(0);
  EXPECT_EQ(std::vector<int64_t>({canvas.X, canvas.Y, canvas.W, canvas.H}), std::vector<int64_t>({155, 30, -4, 500}));
  EXPECT_EQ(controls.Widget(0)->width(), 0);

  controls.SetGeometry(0, {155, 30, 714, 658});
  const Rect moved = controls.Geometry(0);
  EXPECT_EQ(std::vector<int64_t>({moved.X, moved.Y, moved.W, moved.H}), std::vector<int64_t>({155, 30, 714, 658}));
  EXPECT_EQ(controls.Widget(0)->geometry(), QRect(155, 30, 714, 658));
}

TEST_F(ControlsTest, TabsFramesAndScrollAreasHoldTheirControls) {
  ASSERT_TRUE(controls.CreateTabbedPanel(24, {0, 30, 150, 500}));
  ASSERT_TRUE(controls.AddTab(24, "Shapes"));
  ASSERT_TRUE(controls.CreateFrame(200, {5, 274, 135, 65}, "Center"));
  ASSERT_TRUE(controls.CreateControl(58, ControlKind::Spin, {10, 289, 50, 20}, "", 0, 10, nullptr));
  controls.CloseContainer();
  ASSERT_TRUE(controls.AddTab(24, "Color"));
  ASSERT_TRUE(controls.CreateControl(51, ControlKind::Spin, {10, 25, 40, 20}, "", 0, 255, nullptr));
  controls.CloseContainer();
  ASSERT_TRUE(controls.CreateScrollArea(25, {5, 61, 130, 200}, 108, 300));
  ASSERT_TRUE(controls.CreateCanvas(26, {0, 0, 150, 500}));
  controls.CloseContainer();
  ASSERT_TRUE(controls.CreateCanvas(0, {155, 30, 500, 500}));

  auto* panel = qobject_cast<QTabWidget*>(controls.Widget(24));
  ASSERT_EQ(panel->count(), 2);
  EXPECT_EQ(panel->tabText(0), "Shapes");
  EXPECT_EQ(panel->tabText(1), "Color");
  // A frame only draws its border: the spin box keeps the tab's coordinates.
  EXPECT_EQ(controls.Widget(58)->parentWidget(), panel->widget(0));
  EXPECT_EQ(controls.Widget(58)->pos(), QPoint(10, 289));
  EXPECT_STREQ(controls.Widget(200)->metaObject()->className(), "QGroupBox");
  EXPECT_EQ(controls.Widget(51)->parentWidget(), panel->widget(1));
  // The panel closed after its last tab, so the scroll area and the canvas are at the top.
  auto* area = qobject_cast<QScrollArea*>(controls.Widget(25));
  EXPECT_EQ(area->parentWidget(), window.ControlArea());
  EXPECT_EQ(area->widget()->size(), QSize(108, 300));
  EXPECT_EQ(controls.Widget(26)->parentWidget(), area->widget());
  EXPECT_EQ(controls.Widget(0)->parentWidget(), window.ControlArea());
}

TEST_F(ControlsTest, RemoveTakesTheControlsInsideAndReusedIdsReplace) {
  ASSERT_TRUE(controls.CreateContainer(1, {0, 0, 400, 30}));
  ASSERT_TRUE(controls.CreateControl(2, ControlKind::ImageButton, {5, 0, 25, 25}, "", 1, 0, nullptr));
  controls.CloseContainer();
  ASSERT_TRUE(controls.CreateControl(43, ControlKind::Spin, {5, 40, 50, 20}, "", 0, 255, nullptr));

  controls.Remove(1);
  EXPECT_FALSE(controls.Exists(1));
  EXPECT_FALSE(controls.Exists(2));
  EXPECT_TRUE(controls.Exists(43));

  QWidget* first = controls.Widget(43);
  ASSERT_TRUE(controls.CreateControl(43, ControlKind::CheckBox, {5, 40, 50, 20}, "Snap", 0, 0, nullptr));
  EXPECT_NE(controls.Widget(43), first);
  EXPECT_FALSE(first->isVisible());
}

TEST_F(ControlsTest, StatesAreSetAndReadBack) {
  ASSERT_TRUE(controls.CreateControl(1, ControlKind::Spin, {}, "", 1, 100000, nullptr));
  ASSERT_TRUE(controls.CreateControl(2, ControlKind::CheckBox, {}, "Snap", 0, 0, nullptr));
  ASSERT_TRUE(controls.CreateControl(3, ControlKind::ImageButton, {}, "", 1, 0, nullptr));
  ASSERT_TRUE(controls.CreateControl(4, ControlKind::Combo, {}, "", 0, 0, nullptr));
  ASSERT_TRUE(controls.CreateControl(5, ControlKind::ListBox, {}, "", 0, 0, nullptr));
  for (const char* item : {"Origin", "Cursor", "Bounding box"}) {
    controls.AddItem(4, item);
    controls.AddItem(5, item);
  }
  // A new list box has no selection, so a state of 0 is a change, not the default.
  EXPECT_EQ(controls.State(5), -1);

  struct Case {
    int64_t Id, Set, Read;
  };
  const std::vector<Case> cases = {
      {1, 32, 32}, {1, 0, 1},  {1, 200000, 100000}, {2, 1, 1}, {2, 0, 0}, {3, 1, 1},
      {3, 0, 0},   {4, 2, 2},  {4, 0, 0},           {5, 0, 0}, {5, 2, 2}, {5, -1, -1},
  };
  for (const Case& c : cases) {
    controls.SetState(c.Id, c.Set);
    EXPECT_EQ(controls.State(c.Id), c.Read) << "control " << c.Id << " set to " << c.Set;
  }

  controls.SelectItem(5, 2, true);
  controls.SelectItem(5, 0, true);
  EXPECT_EQ(controls.State(5), 0);
  EXPECT_TRUE(controls.ItemSelected(5, 2));
  EXPECT_FALSE(controls.ItemSelected(5, 1));
  EXPECT_EQ(controls.Text(4), "Origin");
  EXPECT_EQ(controls.ItemCount(5), 3);
  controls.ClearItems(5);
  EXPECT_EQ(controls.ItemCount(5), 0);
}

TEST_F(ControlsTest, ProgrammaticChangesRaiseNoEvents) {
  ASSERT_TRUE(controls.CreateControl(60, ControlKind::Spin, {}, "", -100, 100, nullptr));
  ASSERT_TRUE(controls.CreateControl(46, ControlKind::String, {}, "", 0, 0, nullptr));
  ASSERT_TRUE(controls.CreateControl(20, ControlKind::CheckBox, {}, "Snap", 0, 0, nullptr));
  ASSERT_TRUE(controls.CreateControl(2, ControlKind::ImageButton, {}, "", 1, 0, nullptr));
  ASSERT_TRUE(controls.CreateControl(19, ControlKind::Combo, {}, "", 0, 0, nullptr));
  ASSERT_TRUE(controls.CreateControl(45, ControlKind::ListBox, {}, "", 0, 0, nullptr));
  for (int64_t id : {19, 45}) {
    controls.AddItem(id, "Box_1");
    controls.AddItem(id, "Box_2");
  }
  for (int64_t id : {60, 20, 2, 19, 45}) controls.SetState(id, 1);
  controls.SetText(46, "Shape_3");
  controls.SetText(60, "12");
  controls.SelectItem(45, 0, true);
  controls.ClearItems(19);
  controls.ClearItems(45);
  EXPECT_TRUE(sink.Events.empty());
}

TEST_F(ControlsTest, UserChangesRaiseChangedEventsOfTheControl) {
  ASSERT_TRUE(controls.CreateControl(60, ControlKind::Spin, {0, 0, 60, 20}, "", -100, 100, nullptr));
  ASSERT_TRUE(controls.CreateControl(46, ControlKind::String, {0, 25, 80, 20}, "", 0, 0, nullptr));
  ASSERT_TRUE(controls.CreateControl(47, ControlKind::Button, {0, 50, 40, 20}, "+", 0, 0, nullptr));
  ASSERT_TRUE(controls.CreateControl(20, ControlKind::CheckBox, {0, 75, 60, 20}, "Snap", 0, 0, nullptr));
  ASSERT_TRUE(controls.CreateControl(2, ControlKind::ImageButton, {0, 100, 25, 25}, "", 1, 0, nullptr));
  ASSERT_TRUE(controls.CreateControl(19, ControlKind::Combo, {0, 130, 100, 20}, "", 0, 0, nullptr));
  ASSERT_TRUE(controls.CreateControl(45, ControlKind::ListBox, {0, 155, 130, 100}, "", 0, 0, nullptr));
  for (int64_t id : {19, 45}) {
    controls.AddItem(id, "Box_1");
    controls.AddItem(id, "Box_2");
  }
  auto* list = dynamic_cast<NameList*>(controls.Widget(45));

  struct Case {
    int64_t Id;
    std::function<void()> Act;
    int64_t StateAfter;
  };
  const std::vector<Case> cases = {
      {60, [&] { QTest::keyClick(controls.Widget(60), Qt::Key_Up); }, 1},
      {46, [&] { QTest::keyClicks(controls.Widget(46), "B"); }, 0},
      {47, [&] { QTest::mouseClick(controls.Widget(47), Qt::LeftButton); }, 0},
      {20, [&] { QTest::mouseClick(controls.Widget(20), Qt::LeftButton); }, 1},
      {2, [&] { QTest::mouseClick(controls.Widget(2), Qt::LeftButton); }, 1},
      {19, [&] { QTest::keyClick(controls.Widget(19), Qt::Key_Down); }, 1},
      {45,
       [&] {
         QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
       },
       1},
  };
  for (const Case& c : cases) {
    sink.Events.clear();
    c.Act();
    ASSERT_EQ(sink.Events.size(), 1u) << "control " << c.Id;
    EXPECT_EQ(sink.Events[0].Kind, EventKind::Control);
    EXPECT_EQ(sink.Events[0].Id, c.Id);
    EXPECT_EQ(sink.Events[0].Type, ControlEventType::Changed);
    EXPECT_EQ(controls.State(c.Id), c.StateAfter) << "control " << c.Id;
  }
  EXPECT_EQ(controls.Text(46), "B");
}

}  // namespace
}  // namespace drawlet::platform
