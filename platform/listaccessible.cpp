#include "platform/listaccessible.h"

#include <QListWidget>
#include <QPointer>

#include "platform/accessible.h"

namespace plat {

namespace {

// One entry of a list: a list item named by its text, chosen (made current) when pressed.
class ListEntryAccessible : public PartAccessible, public QAccessibleActionInterface {
 public:
  ListEntryAccessible(QListWidget* list, int row) : PartAccessible(list), m_list(list), m_row(row) {}

  bool isValid() const override { return m_list && m_row < m_list->count(); }
  QAccessible::Role role() const override { return QAccessible::ListItem; }

  QString text(QAccessible::Text t) const override {
    if (!isValid() || t != QAccessible::Name) return QString();
    return m_list->item(m_row)->text();
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    // The list's own state (hidden, disabled), less its focus, which is the current entry's.
    s = parent()->state();
    s.focused = m_list->hasFocus() && m_row == m_list->currentRow();
    s.focusable = m_list->focusPolicy() != Qt::NoFocus;
    s.selectable = true;
    s.selected = m_list->item(m_row)->isSelected();
    const QRect inView = m_list->visualItemRect(m_list->item(m_row)) & m_list->viewport()->rect();
    s.offscreen = inView.isEmpty();
    s.invisible = s.invisible || !m_list->isVisible() || s.offscreen;
    return s;
  }

  QRect rect() const override {
    if (!isValid()) return QRect();
    const QRect entry = m_list->visualItemRect(m_list->item(m_row));
    return QRect(m_list->viewport()->mapToGlobal(entry.topLeft()), entry.size());
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (isValid() && action == pressAction() && m_list->isEnabled()) m_list->setCurrentRow(m_row);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<QListWidget> m_list;
  int m_row;
};

}  // namespace

ListAccessible::ListAccessible(QListWidget* list) : QAccessibleWidget(list, QAccessible::List) {}

QListWidget* ListAccessible::list() const { return static_cast<QListWidget*>(widget()); }

int ListAccessible::childCount() const { return list()->count(); }

QAccessibleInterface* ListAccessible::child(int index) const {
  if (index < 0 || index >= list()->count()) return nullptr;
  return m_entries.at(index, [&] { return new ListEntryAccessible(list(), index); });
}

int ListAccessible::indexOfChild(const QAccessibleInterface* child) const {
  return m_entries.indexOf(child, list()->count());
}

QAccessibleInterface* ListAccessible::childAt(int x, int y) const {
  const QModelIndex at = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
  return at.isValid() ? child(at.row()) : nullptr;
}

// With the focus in the list, its current entry is the focused object; the list is only
// while it has no current entry.
QAccessible::State ListAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  if (list()->currentRow() >= 0) s.focused = false;
  return s;
}

QAccessibleInterface* ListAccessible::focusChild() const {
  return list()->hasFocus() && list()->currentRow() >= 0 ? child(list()->currentRow()) : nullptr;
}

}  // namespace plat
