#pragma once

#include <QListView>
#include <QStringList>
#include <QStringListModel>
#include <functional>

namespace drawlet::platform {

// A list of names where each click toggles one name's selection. The names live in one string
// model, so a list of a hundred thousand is replaced in a single step. onUserChange runs for
// the selection changes a user makes, never for those made through this class.
class NameList : public QListView {
 public:
  explicit NameList(std::function<void()> onUserChange);

  void SetNames(const QStringList& names);
  void AddName(const QString& name);
  int Count() const;
  QString NameAt(int row) const;
  bool IsSelected(int row) const;
  void Select(int row, bool selected);
  // Selects row alone and makes it current; a row outside the list clears the selection.
  void SelectOnly(int row);
  // The lowest selected row, -1 when none is.
  int LowestSelected() const;
  QString CurrentName() const;

 private:
  QStringListModel names_;
  bool quiet_ = false;
};

}  // namespace drawlet::platform
