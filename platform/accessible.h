#pragma once
// How a control of the platform that Qt does not know speaks to screen readers: Qt asks each
// installed factory for the interface of a widget by its class name, and the control's own
// interface (Accessible, built from the control) answers for its class. A control installs it
// as it is first made; once is enough for every control of its kind.

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <map>

namespace plat {

template <class Control, class Accessible>
QAccessibleInterface* accessibleOf(const QString& className, QObject* object) {
  if (className == QLatin1String(Control::staticMetaObject.className()) && object && object->isWidgetType())
    return new Accessible(static_cast<Control*>(object));
  return nullptr;
}

// Installs a factory once. A part of a control that is of the toolkit's own class (the bar
// inside a scroll bar) has a factory that knows it by the control it stands in.
template <QAccessible::InterfaceFactory Factory>
void installAccessibleFactory() {
  static const bool kInstalled = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)kInstalled;
}

template <class Control, class Accessible>
void installAccessible() {
  installAccessibleFactory<accessibleOf<Control, Accessible>>();
}

// A part of the toolkit's own class that a control holds as its child (the tab row of a tab
// control) answers with the control's interface for it; the same class elsewhere keeps the
// toolkit's own. Installed before the first part is made, so no screen reader meets one
// without it.
template <class Owner, class Part, class Accessible>
QAccessibleInterface* accessiblePartOf(const QString& className, QObject* object) {
  if (className == QLatin1String(Part::staticMetaObject.className()) && object && object->isWidgetType() &&
      qobject_cast<Owner*>(object->parent()))
    return new Accessible(static_cast<Part*>(object));
  return nullptr;
}

template <class Owner, class Part, class Accessible>
void installPartAccessible() {
  installAccessibleFactory<accessiblePartOf<Owner, Part, Accessible>>();
}

// A part of a control that is no widget of its own (a page tab, a list entry, a link in a
// text): it holds no parts, its parent is the control that holds it, and its texts are read
// only. Each kind says what it is, what it is called and what state it is in.
class PartAccessible : public QAccessibleInterface {
 public:
  explicit PartAccessible(QWidget* holder) : m_holder(holder) {}
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_holder.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}

 private:
  QPointer<QWidget> m_holder;
};

// The interfaces of a control's parts, each made as a reader first asks for it and kept until
// the control lets them go, so a reader meets the same object each time it asks.
class PartInterfaces {
 public:
  PartInterfaces() = default;
  ~PartInterfaces() { clear(); }
  PartInterfaces(const PartInterfaces&) = delete;
  PartInterfaces& operator=(const PartInterfaces&) = delete;

  // The part at `index`, made by `make` the first time it is asked for.
  template <class Make>
  QAccessibleInterface* at(int index, Make make) {
    if (auto known = m_ids.find(index); known != m_ids.end()) return QAccessible::accessibleInterface(known->second);
    QAccessibleInterface* part = make();
    m_ids[index] = QAccessible::registerAccessibleInterface(part);
    return part;
  }
  // Where a part stands among the first `count`; -1 for none of them.
  int indexOf(const QAccessibleInterface* part, int count) const;
  void clear();

 private:
  std::map<int, QAccessible::Id> m_ids;
};

inline int PartInterfaces::indexOf(const QAccessibleInterface* part, int count) const {
  for (const auto& [index, id] : m_ids)
    if (index < count && QAccessible::accessibleInterface(id) == part) return index;
  return -1;
}

inline void PartInterfaces::clear() {
  for (const auto& [index, id] : m_ids) QAccessible::deleteAccessibleInterface(id);
  m_ids.clear();
}

}  // namespace plat
