#pragma once
// The program as a screen reader walks it: every object under the application, as the
// desktop's accessibility bus lists them, with what each says of itself. A reader trusts
// the states it is told: which one object has the focus, which show, what a group holds.

#include <QAccessible>
#include <QApplication>
#include <QMetaEnum>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

// Visits an object and everything under it, depth first.
inline void walkHeard(QAccessibleInterface* a, const std::function<void(QAccessibleInterface*)>& visit) {
  if (!a || !a->isValid()) return;
  visit(a);
  for (int i = 0; i < a->childCount(); ++i) walkHeard(a->child(i), visit);
}

// What a reader says of an object: its role and its name.
inline QString heardAs(QAccessibleInterface* a) {
  return QString(QMetaEnum::fromType<QAccessible::Role>().valueToKey(a->role())) + " '" + a->text(QAccessible::Name) +
         "'";
}

// Every object of the program that reports the keyboard focus, in every window, shown or not.
inline std::vector<QAccessibleInterface*> heardFocused() {
  std::vector<QAccessibleInterface*> focused;
  walkHeard(QAccessible::queryAccessibleInterface(qApp), [&](QAccessibleInterface* a) {
    if (a->state().focused) focused.push_back(a);
  });
  return focused;
}

// The one object that reports the focus, showing: empty when that holds, else what is wrong.
inline std::string oneShowingFocus() {
  const std::vector<QAccessibleInterface*> focused = heardFocused();
  QStringList heard;
  for (QAccessibleInterface* a : focused) heard << heardAs(a) + (a->state().invisible ? " (hidden)" : "");
  if (focused.size() == 1 && !focused.front()->state().invisible) return {};
  return (QString::number(focused.size()) + " focused: " + heard.join(", ")).toStdString();
}

// The controls a group holds as its own: those under it that take the focus, less those of
// a group inside it.
inline std::vector<QAccessibleInterface*> heldByGroup(QAccessibleInterface* group) {
  std::vector<QAccessibleInterface*> held;
  std::function<void(QAccessibleInterface*)> collect = [&](QAccessibleInterface* a) {
    for (int i = 0; i < a->childCount(); ++i) {
      QAccessibleInterface* c = a->child(i);
      if (!c || !c->isValid() || c->role() == QAccessible::Grouping) continue;
      if (c->state().focusable) held.push_back(c);
      collect(c);
    }
  };
  collect(group);
  return held;
}

// Groups of choices that hold a control that is no choice: a group that holds option buttons
// holds nothing else a reader could take for one of them. Each as "group: control".
inline QStringList groupsHoldingStrangers(QWidget* window) {
  QStringList strangers;
  walkHeard(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface* a) {
    if (a->role() != QAccessible::Grouping) return;
    const std::vector<QAccessibleInterface*> held = heldByGroup(a);
    bool choices = false;
    for (QAccessibleInterface* c : held) choices = choices || c->role() == QAccessible::RadioButton;
    if (!choices) return;
    for (QAccessibleInterface* c : held)
      if (c->role() != QAccessible::RadioButton) strangers << heardAs(a) + ": " + heardAs(c);
  });
  return strangers;
}
