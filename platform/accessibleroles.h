#pragma once
// What screen readers are told of the program's windows and of the controls that only wrap
// another, and how they hear that a name has changed.
//
// - A window is heard as a frame, a window with an owner (a dialog over its project window)
//   as a dialog, each named by its title.
// - A control that hands the keyboard focus to the part it wraps (a scroll bar's bar, a combo
//   box's text field, a message box's row of buttons) is heard as a plain container: no name,
//   no focus of its own. The part alone is focused, so a reader hears one focused control.
// - A reader keeps the names it was told until it hears of a change: a name that changes
//   without the toolkit saying so (a window's title, the caption that names a text box)
//   is announced here.

#include <QAccessibleWidget>

namespace plat {

class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(QWidget* window);
  QAccessible::Role role() const override;
};

class WrapperAccessible : public QAccessibleWidget {
 public:
  explicit WrapperAccessible(QWidget* wrapper) : QAccessibleWidget(wrapper, QAccessible::Client) {}
  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
};

// Tells listening screen readers that an object's name is now another.
void announceNameChange(QObject* object);

}  // namespace plat
