#include "platform/accessibleroles.h"

#include <QAccessible>
#include <QWidget>

namespace plat {

WindowAccessible::WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

// Asked each time, as a window may be given an owner after it is made.
QAccessible::Role WindowAccessible::role() const {
  return widget()->parentWidget() ? QAccessible::Dialog : QAccessible::Window;
}

QString WrapperAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name || t == QAccessible::Description) return QString();
  return QAccessibleWidget::text(t);
}

QAccessible::State WrapperAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  // The toolkit counts the focus of the wrapped part as the wrapper's own.
  if (widget()->focusProxy()) {
    s.focused = false;
    s.focusable = false;
  }
  return s;
}

void announceNameChange(QObject* object) {
  if (!object || !QAccessible::isActive()) return;
  QAccessibleEvent changed(object, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

}  // namespace plat
