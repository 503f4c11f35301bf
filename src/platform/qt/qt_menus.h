#pragma once

#include <QObject>
#include <map>
#include <vector>

#include "platform/qt/event_router.h"
#include "platform/qt/qt_main_window.h"
#include "platform/window.h"

class QAction;
class QMenu;

namespace drawlet::platform {

// The menu bar of the main window and its shortcuts. The shortcuts are matched by an
// application-wide event filter, so a key reaches no control of the main window when it is
// a shortcut; keys in dialogs and open menus are left alone.
class QtMenus : public QObject, public Menus {
 public:
  QtMenus(QtMainWindow& window, EventRouter& router);
  ~QtMenus() override;

  bool CreateMenuBar() override;
  void Title(const std::string& text) override;
  void Item(int64_t id, const std::string& text) override;
  void Separator() override;
  void OpenSubmenu(const std::string& text) override;
  void CloseSubmenu() override;
  void SetCheck(int64_t id, bool checked) override;
  void AddShortcut(int32_t key, int32_t modifiers, int64_t id) override;

  // The action of a menu item, null when there is none.
  QAction* Action(int64_t id) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Shortcut {
    int32_t Key;
    int32_t Modifiers;
    int64_t Id;
  };
  // The id of the shortcut a key event of a main-window widget hits, or -1.
  int64_t ShortcutOf(QObject* watched, QEvent* event) const;

  QtMainWindow& window_;
  EventRouter& router_;
  std::vector<QMenu*> open_;  // the current menu, then its open submenus
  std::map<int64_t, QAction*> actions_;
  std::map<int64_t, bool> checks_;
  std::vector<Shortcut> shortcuts_;
};

}  // namespace drawlet::platform
