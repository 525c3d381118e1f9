#pragma once
// What a screen reader hears of a control, read in the test's own process through the
// toolkit's accessibility interfaces, as the desktop's accessibility bus reads them: the
// value a control reads out, the group it stands in, and the events that tell a reader of a
// change. While a HeardEvents lives, the toolkit's accessibility is switched on, as a
// listening screen reader switches it on, and its events come to the toolkit's test hook
// instead of the bus.

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <utility>
#include <vector>

// The value a screen reader reads of a control: its value interface's current value.
inline double heardValue(QObject* control) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
  if (!a || !a->valueInterface()) throw std::logic_error("a screen reader hears no value here");
  return a->valueInterface()->currentValue().toDouble();
}

// The group a screen reader hears a control in: its parent among the accessible objects.
inline QAccessibleInterface* heardGroup(QObject* control) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
  return a ? a->parent() : nullptr;
}

class HeardEvents {
 public:
  HeardEvents();
  ~HeardEvents();
  HeardEvents(const HeardEvents&) = delete;
  HeardEvents& operator=(const HeardEvents&) = delete;

  // How many events of a kind were sent for an object.
  int count(const QObject* object, QAccessible::Event type) const {
    int n = 0;
    for (const Heard& h : m_heard) n += h.object == object && h.type == type;
    return n;
  }
  // The names of the objects the focus was told to land on, in order; a part that is no
  // object of its own (a link in a text) counts too.
  QStringList focusedNames() const {
    QStringList names;
    for (const Heard& h : m_heard)
      if (h.type == QAccessible::Focus) names << h.name;
    return names;
  }
  // Where the focus was heard to land, in order: each focus event's object and its name then.
  std::vector<std::pair<const QObject*, QString>> focusLandings() const {
    std::vector<std::pair<const QObject*, QString>> landings;
    for (const Heard& h : m_heard)
      if (h.type == QAccessible::Focus) landings.emplace_back(h.object, h.name);
    return landings;
  }

 private:
  struct Heard {
    const QObject* object;
    QAccessible::Event type;
    QString name;  // for a focus event
  };
  static HeardEvents*& current() {
    static HeardEvents* listening = nullptr;
    return listening;
  }
  static void record(QAccessibleEvent* e);
  QAccessible::UpdateHandler m_previous;
  std::vector<Heard> m_heard;
};
