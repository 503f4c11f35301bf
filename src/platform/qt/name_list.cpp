#include "platform/qt/name_list.h"

#include <QItemSelectionModel>

namespace drawlet::platform {

namespace {

// Marks the changes made by the program, so they raise no event.
class Quiet {
 public:
  explicit Quiet(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
  ~Quiet() { flag_ = before_; }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;

 private:
  bool& flag_;
  bool before_;
};

}  // namespace

NameList::NameList(std::function<void()> onUserChange) {
  setModel(&names_);
  setSelectionMode(QAbstractItemView::MultiSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Rows of one height let many thousand names lay out at once.
  setUniformItemSizes(true);
  QObject::connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
                   [this, onUserChange = std::move(onUserChange)] {
                     if (!quiet_) onUserChange();
                   });
}

void NameList::SetNames(const QStringList& names) {
  const Quiet quiet(quiet_);
  names_.setStringList(names);
}

void NameList::AddName(const QString& name) {
  const Quiet quiet(quiet_);
  const int row = names_.rowCount();
  names_.insertRows(row, 1);
  names_.setData(names_.index(row), name);
}

int NameList::Count() const { return names_.rowCount(); }

QString NameList::NameAt(int row) const { return names_.data(names_.index(row), Qt::DisplayRole).toString(); }

bool NameList::IsSelected(int row) const {
  return row >= 0 && row < Count() && selectionModel()->isRowSelected(row, QModelIndex());
}

void NameList::Select(int row, bool selected) {
  if (row < 0 || row >= Count()) return;
  const Quiet quiet(quiet_);
  selectionModel()->select(names_.index(row),
                           selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void NameList::SelectOnly(int row) {
  const Quiet quiet(quiet_);
  selectionModel()->clearSelection();
  if (row >= 0 && row < Count()) {
    selectionModel()->setCurrentIndex(names_.index(row), QItemSelectionModel::ClearAndSelect);
  }
}

int NameList::LowestSelected() const {
  int lowest = -1;
  for (const QModelIndex& index : selectionModel()->selectedRows()) {
    if (lowest < 0 || index.row() < lowest) lowest = index.row();
  }
  return lowest;
}

QString NameList::CurrentName() const {
  return currentIndex().isValid() ? currentIndex().data().toString() : QString();
}

}  // namespace drawlet::platform
