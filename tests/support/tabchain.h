#pragma once
// The keyboard's way through a window: the controls Tab reaches in turn, as a user pressing
// Tab again and again meets them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <vector>

// Activates the window and presses Tab until the focus comes back to a control it has already
// reached (at most `limit` presses). The controls in the order Tab reached them, from the one
// that had the focus first.
inline std::vector<QWidget*> tabChain(QWidget* window, int limit = 80) {
  window->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window));
  std::vector<QWidget*> reached;
  if (QWidget* first = QApplication::focusWidget()) reached.push_back(first);
  for (int i = 0; i < limit; ++i) {
    QWidget* from = QApplication::focusWidget();
    QTest::keyClick(from ? from : window, Qt::Key_Tab);
    QWidget* now = QApplication::focusWidget();
    if (!now || std::find(reached.begin(), reached.end(), now) != reached.end()) break;
    reached.push_back(now);
  }
  return reached;
}

// The first control of the chain of a given kind, or null.
template <class Control>
Control* firstInChain(const std::vector<QWidget*>& chain) {
  for (QWidget* w : chain)
    if (auto* c = qobject_cast<Control*>(w)) return c;
  return nullptr;
}

// Presses Tab until the control has the focus; false when the chain comes round without it.
inline bool tabTo(QWidget* window, QWidget* control, int limit = 80) {
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window)) return false;
  for (int i = 0; i < limit && QApplication::focusWidget() != control; ++i) {
    QWidget* from = QApplication::focusWidget();
    QTest::keyClick(from ? from : window, Qt::Key_Tab);
  }
  return QApplication::focusWidget() == control;
}
