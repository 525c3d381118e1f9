#pragma once
// A list of entries as screen readers meet it: a list whose children are its entries, each
// named by its text. An entry is focused only while the list itself has the keyboard focus
// and the entry is the current one, and showing only while the list shows and the entry
// stands in its view: a list inside a hidden frame, or one whose entry is merely marked
// (the file name box's list marks the entry its text names), claims no focus.

#include <QAccessibleWidget>
#include <QListWidget>

#include "platform/accessible.h"

namespace plat {

// A list of the platform. The toolkit's list tells screen readers that the focus moved to
// whichever entry becomes current, even while the focus is elsewhere (a combo box's text
// field marks the entry its text names; a hidden list is filled): this one tells them only
// while it has the focus itself.
class EntryList : public QListWidget {
 public:
  explicit EntryList(QWidget* parent) : QListWidget(parent) {}

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
    if (hasFocus())
      QListWidget::currentChanged(current, previous);
    else
      QAbstractItemView::currentChanged(current, previous);  // all but the announcement
  }
};

class ListAccessible : public QAccessibleWidget {
 public:
  explicit ListAccessible(QListWidget* list);
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  QAccessible::State state() const override;

 private:
  QListWidget* list() const;
  // An entry's interface lives as long as the list's, so a reader finds the same object
  // each time it asks.
  mutable PartInterfaces m_entries;
};

}  // namespace plat
