#include "platform/qt/qt_menus.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt/key_codes.h"

namespace drawlet::platform {

QtMenus::QtMenus(QtMainWindow& window, EventRouter& router) : window_(window), router_(router) {}

QtMenus::~QtMenus() {
  if (!shortcuts_.empty()) qApp->removeEventFilter(this);
}

bool QtMenus::CreateMenuBar() {
  if (window_.Widget() == nullptr) return false;
  // Shown now rather than at the next event, so the menu bar height counts from the start.
  window_.Widget()->menuBar()->show();
  return true;
}

void QtMenus::Title(const std::string& text) {
  if (window_.Widget() == nullptr) return;
  open_.assign(1, window_.Widget()->menuBar()->addMenu(QString::fromStdString(text)));
}

void QtMenus::Item(int64_t id, const std::string& text) {
  if (open_.empty()) return;
  // Qt shows what follows a tab as the shortcut text, right-aligned.
  QAction* action = open_.back()->addAction(QString::fromStdString(text));
  actions_[id] = action;
  connect(action, &QAction::triggered, this, [this, id, action] {
    // The mark shows what the program last set; a click alone does not flip it.
    if (action->isCheckable()) {
      const QSignalBlocker blocker(action);
      action->setChecked(checks_[id]);
    }
    router_.Deliver(MenuEvent(id));
  });
}

void QtMenus::Separator() {
  if (!open_.empty()) open_.back()->addSeparator();
}

void QtMenus::OpenSubmenu(const std::string& text) {
  if (!open_.empty()) open_.push_back(open_.back()->addMenu(QString::fromStdString(text)));
}

void QtMenus::CloseSubmenu() {
  if (open_.size() > 1) open_.pop_back();
}

void QtMenus::SetCheck(int64_t id, bool checked) {
  QAction* action = Action(id);
  if (action == nullptr) return;
  checks_[id] = checked;
  const QSignalBlocker blocker(action);
  action->setCheckable(true);
  action->setChecked(checked);
}

void QtMenus::AddShortcut(int32_t key, int32_t modifiers, int64_t id) {
  if (window_.Widget() == nullptr) return;
  if (shortcuts_.empty()) qApp->installEventFilter(this);
  shortcuts_.push_back({key, modifiers, id});
}

QAction* QtMenus::Action(int64_t id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

bool QtMenus::eventFilter(QObject* watched, QEvent* event) {
  const int64_t id = ShortcutOf(watched, event);
  if (id < 0) return false;
  if (event->type() == QEvent::ShortcutOverride) {
    // Claims the key from Qt's own shortcuts; the key press that follows is swallowed below.
    event->accept();
    return true;
  }
  router_.Deliver(MenuEvent(id));
  return true;
}

int64_t QtMenus::ShortcutOf(QObject* watched, QEvent* event) const {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return -1;
  if (!watched->isWidgetType()) return -1;
  auto* widget = static_cast<QWidget*>(watched);
  if (widget->window() != window_.Widget() || QApplication::activeModalWidget() != nullptr ||
      QApplication::activePopupWidget() != nullptr) {
    return -1;
  }
  const auto& key = static_cast<const QKeyEvent&>(*event);
  const int32_t code = VirtualKey(key);
  const int32_t modifiers = ModifierBits(key.modifiers());
  for (const Shortcut& shortcut : shortcuts_) {
    if (shortcut.Key == code && shortcut.Modifiers == modifiers) return shortcut.Id;
  }
  return -1;
}

}  // namespace drawlet::platform
