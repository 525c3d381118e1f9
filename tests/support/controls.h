#pragma once
// How a test reaches a window's controls: by the object name the window gives each control it
// builds (its role: "startButton", "timeReadout"), through Qt's findChild, as Qt's own tests
// do. Rows of like controls carry their row's number after the role ("parameterSpin2").
// A name that is missing, or a control of another kind, fails the test with both named.

#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

#include "platform/optionbutton.h"

template <class T>
T& control(const QObject& window, const QString& name) {
  T* found = window.findChild<T*>(name);
  if (!found) {
    const QObject* other = window.findChild<QObject*>(name);
    throw std::logic_error(std::string(other ? "the control is of another kind: " : "no control is named ") +
                           name.toStdString() + " in " + window.metaObject()->className());
  }
  return *found;
}

template <class T>
T& control(const QObject& window, const QString& role, int row) {
  return control<T>(window, role + QString::number(row));
}

// The row of the chosen option among role0 to role(count - 1), or -1 while none is chosen:
// what the window's option group answers.
inline int chosenOption(const QObject& window, const QString& role, int count) {
  for (int row = 0; row < count; ++row)
    if (control<plat::OptionButton>(window, role, row).value()) return row;
  return -1;
}
