#pragma once
// An indexed group of like controls (toolButton(0) to toolButton(4), voltReadout(0) to voltReadout(4)):
// members by index, not necessarily from 0 nor without gaps, with one event handler for the
// whole group that receives the member's index. A group given a role names each member by it
// and its index ("unitsOption1"), the object name by which tests find a control.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>

namespace plat {

// Names a control of a row of like ones by the row's role and its number in the row
// ("parameterSpin2"): the object name by which tests find it.
inline void nameInRow(QObject* control, const QString& role, int row) {
  control->setObjectName(role + QString::number(row));
}

template <class T>
class ControlArray {
 public:
  // Names the members, those there are and those to come, by the role and their index.
  void setRole(const QString& role) {
    m_role = role;
    forEach([this](int i, T* member) { nameMember(i, member); });
  }
  // Adds a member under an index, replacing any member that had it.
  T* set(int index, T* control) {
    m_members[index] = control;
    nameMember(index, control);
    return control;
  }
  // The member of an index; null when there is none (or it was destroyed).
  T* operator()(int index) const {
    auto it = m_members.find(index);
    return it == m_members.end() ? nullptr : it->second.data();
  }
  bool has(int index) const { return (*this)(index) != nullptr; }
  int count() const { return int(m_members.size()); }
  int lbound() const { return m_members.empty() ? 0 : m_members.begin()->first; }
  int ubound() const { return m_members.empty() ? -1 : m_members.rbegin()->first; }
  // Calls f(index, member) for every living member in index order.
  void forEach(const std::function<void(int, T*)>& f) const {
    for (const auto& [i, p] : m_members)
      if (p) f(i, p.data());
  }

 private:
  void nameMember(int index, T* member) const {
    if (!m_role.isEmpty() && member) nameInRow(member, m_role, index);
  }
  std::map<int, QPointer<T>> m_members;
  QString m_role;
};

}  // namespace plat
