#include <QCursor>
#include <QMainWindow>
#include <QMenuBar>
#include <QWindow>

#include "qt_fixture.h"

namespace drawlet::platform {
namespace {

using MainWindowTest = QtWindowTest;

TEST_F(MainWindowTest, InnerSizeCountsTheMenuBar) {
  EXPECT_EQ(window.InnerWidth(), Width);
  EXPECT_EQ(window.InnerHeight(), Height);
  const int32_t menuBar = window.MenuBarHeight();
  EXPECT_GT(menuBar, 0);
  EXPECT_EQ(menuBar, window.Widget()->menuBar()->height());
  EXPECT_EQ(window.ControlArea()->height(), Height - menuBar);

  // Control coordinates start right below the menu bar.
  ASSERT_TRUE(controls.CreateContainer(1, {0, 0, Width, 30}));
  EXPECT_EQ(controls.Widget(1)->mapTo(window.Widget(), QPoint(0, 0)), QPoint(0, menuBar));
}

TEST_F(MainWindowTest, MenuBarHeightCountsBeforeAnyEventIsHandled) {
  // Start-up lays the window out right after building the menus, before the loop runs.
  QtMainWindow fresh(router);
  QtMenus freshMenus(fresh, router);
  ASSERT_TRUE(fresh.Open(Width, Height, "Drawlet 0.10"));
  ASSERT_TRUE(freshMenus.CreateMenuBar());
  freshMenus.Title("Files");
  freshMenus.Item(0, "New document\tCtrl+N");
  EXPECT_EQ(fresh.MenuBarHeight(), window.MenuBarHeight());
}

TEST_F(MainWindowTest, StateCodesFollowTheWindow) {
  const std::vector<int64_t> states = {16777216, 0, 536870912, 0};
  for (const int64_t state : states) {
    window.SetState(state);
    EXPECT_EQ(window.State(), state);
  }
}

TEST_F(MainWindowTest, SizeCallbackRunsOnResizeButNotOnMinimise) {
  int calls = 0;
  window.BindSize([&calls] { ++calls; });
  window.Widget()->resize(900, 700);
  ASSERT_TRUE(QTest::qWaitFor([&] { return calls > 0; }));
  EXPECT_EQ(window.InnerWidth(), 900);

  calls = 0;
  window.SetState(536870912);
  QTest::qWait(50);
  EXPECT_EQ(calls, 0);

  window.BindSize({});
  window.SetState(0);
  window.Widget()->resize(640, 480);
  QTest::qWait(50);
  EXPECT_EQ(calls, 0);
}

TEST_F(MainWindowTest, CloseRequestIsAnEventAndKeepsTheWindow) {
  // As the window manager asks it, through the window rather than the widget.
  window.Widget()->windowHandle()->close();
  ASSERT_EQ(sink.Events.size(), 1u);
  EXPECT_EQ(sink.Events[0].Kind, EventKind::Close);
  EXPECT_TRUE(window.Widget()->isVisible());
}

TEST_F(MainWindowTest, MousePositionIsBelowTheMenuBarAndMinusOneOutside) {
  const int32_t menuBar = window.MenuBarHeight();
  QCursor::setPos(window.Widget()->mapToGlobal(QPoint(400, 300 + menuBar)));
  int64_t x = 0, y = 0;
  window.MousePosition(x, y);
  EXPECT_EQ(x, 400);
  EXPECT_EQ(y, 300);

  QCursor::setPos(window.Widget()->mapToGlobal(QPoint(Width + 20, 300)));
  window.MousePosition(x, y);
  EXPECT_EQ(x, -1);
  EXPECT_EQ(y, -1);
}


}  // namespace
}  // namespace drawlet::platform
