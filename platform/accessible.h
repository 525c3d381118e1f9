#pragma once
// How a control of the platform that Qt does not know speaks to screen readers: Qt asks each
// installed factory for the interface of a widget by its class name, and the control's own
// interface (Accessible, built from the control) answers for its class. A control installs it
// as it is first made; once is enough for every control of its kind.

#include <QAccessible>

namespace plat {

template <class Control, class Accessible>
QAccessibleInterface* accessibleOf(const QString& className, QObject* object) {
  if (className == QLatin1String(Control::staticMetaObject.className()) && object && object->isWidgetType())
    return new Accessible(static_cast<Control*>(object));
  return nullptr;
}

template <class Control, class Accessible>
void installAccessible() {
  static const bool kInstalled = [] {
    QAccessible::installFactory(accessibleOf<Control, Accessible>);
    return true;
  }();
  (void)kInstalled;
}

}  // namespace plat
