#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "qt_fixture.h"

namespace drawlet::platform {
namespace {

// Counts the key presses that reach a widget.
class KeyCounter : public QObject {
 public:
  int Presses = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    // Qt's test keys press the modifier keys first; those are not the keys under test.
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt) ++Presses;
    return false;
  }
};

class MenusTest : public QtWindowTest {
 protected:
  void SetUp() override {
    QtWindowTest::SetUp();
    menus.AddShortcut('C', ModControl, 11);
    menus.AddShortcut(Key::PadSubtract, ModControl, 24);
    menus.AddShortcut(Key::Pad0 + 5, ModControl, 27);
    menus.AddShortcut(Key::Delete, 0, 15);
    menus.AddShortcut(Key::F1, 0, 41);
    ASSERT_TRUE(controls.CreateControl(46, ControlKind::String, {42, 10, 100, 20}, "Box_1", 0, 0, nullptr));
    field = qobject_cast<QLineEdit*>(controls.Widget(46));
    field->setFocus();
    field->installEventFilter(&counter);
  }

  std::vector<int64_t> MenuIds() const {
    std::vector<int64_t> ids;
    for (const Event& event : sink.Events) {
      if (event.Kind == EventKind::Menu) ids.push_back(event.Id);
    }
    return ids;
  }

  QLineEdit* field = nullptr;
  KeyCounter counter;
};

TEST_F(MenusTest, ShortcutsActBeforeTheFocusedTextField) {
  field->setCursorPosition(0);
  Press(Qt::Key_Delete);
  field->selectAll();
  Press(Qt::Key_C, Qt::ControlModifier);
  Press(Qt::Key_F1);

  EXPECT_EQ(MenuIds(), std::vector<int64_t>({15, 11, 41}));
  EXPECT_EQ(counter.Presses, 0);
  EXPECT_EQ(field->text(), "Box_1");
  EXPECT_EQ(sink.Events.size(), 3u);  // the field reported no edit
}

TEST_F(MenusTest, ModifiersMustMatchExactly) {
  field->setCursorPosition(0);
  Press(Qt::Key_Delete, Qt::ShiftModifier);
  Press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  Press(Qt::Key_5, Qt::KeypadModifier);
  EXPECT_TRUE(MenuIds().empty());
  EXPECT_EQ(counter.Presses, 3);
}

TEST_F(MenusTest, KeypadShortcutsIgnoreTheMainKeyboard) {
  Press(Qt::Key_Minus, Qt::ControlModifier);
  Press(Qt::Key_5, Qt::ControlModifier);
  EXPECT_TRUE(MenuIds().empty());
  EXPECT_EQ(counter.Presses, 2);

  Press(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
  Press(Qt::Key_5, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(MenuIds(), std::vector<int64_t>({24, 27}));
  EXPECT_EQ(counter.Presses, 2);
}

TEST_F(MenusTest, KeysOfOtherWindowsAreLeftAlone) {
  QLineEdit other("abc");
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  other.setCursorPosition(0);
  QTest::keyClick(other.windowHandle(), Qt::Key_Delete);
  EXPECT_TRUE(MenuIds().empty());
  EXPECT_EQ(other.text(), "bc");
}

TEST_F(MenusTest, ItemsKeepTheirTextsAndReportTheirIds) {
  menus.Title("Edit");
  menus.OpenSubmenu("Shape");
  menus.Item(13, "Paste to shape ");
  menus.Separator();
  menus.Item(14, "Lock selection");
  menus.CloseSubmenu();
  menus.Item(19, "Add a new object");
  menus.SetCheck(14, false);

  QList<QAction*> titles = window.Widget()->menuBar()->actions();
  ASSERT_EQ(titles.size(), 2);
  EXPECT_EQ(titles[0]->text(), "Files");
  EXPECT_EQ(titles[0]->menu()->actions()[0]->text(), "New document\tCtrl+N");
  QList<QAction*> edit = titles[1]->menu()->actions();
  ASSERT_EQ(edit.size(), 2);
  EXPECT_EQ(edit[0]->menu()->title(), "Shape");
  EXPECT_EQ(edit[0]->menu()->actions().size(), 3);
  EXPECT_TRUE(edit[0]->menu()->actions()[1]->isSeparator());
  EXPECT_EQ(menus.Action(13)->text(), "Paste to shape ");
  EXPECT_EQ(edit[1], menus.Action(19));

  // A click reports the id; the mark stays as the program set it until it sets it again.
  menus.Action(14)->trigger();
  EXPECT_EQ(MenuIds(), std::vector<int64_t>({14}));
  EXPECT_TRUE(menus.Action(14)->isCheckable());
  EXPECT_FALSE(menus.Action(14)->isChecked());
  menus.SetCheck(14, true);
  EXPECT_TRUE(menus.Action(14)->isChecked());
  EXPECT_FALSE(menus.Action(13)->isCheckable());
}

}  // namespace
}  // namespace drawlet::platform
