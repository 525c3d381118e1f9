#pragma once
// A spin button: two arrow halves that step a value the window keeps itself. A press on the
// up (or right) half raises SpinUp, on the down (or left) half SpinDown, at once and again
// while the half is held. A disabled spin button raises nothing.
//
// The spin button takes the focus by Tab, in its window's order, and by a click on either
// half, and shows it as a dotted frame in each half. With the focus, Up and Right press its
// up half and Down and Left its down half, whichever way it lies, as the mouse does: a step
// at once, the same repeat while the key is held, no step at the release.
//
// Screen readers hear it as a spin button named by its caption, with the value the window
// shows beside it, that value's limits and its step: the window tells it them whenever they
// change, and the spin button announces a changed value.

#include <QWidget>
#include <functional>

class QToolButton;

namespace plat {

class SpinButton : public QWidget {
  Q_OBJECT
 public:
  // Vertical: up above down. Horizontal: down (left arrow) beside up (right arrow).
  explicit SpinButton(QWidget* parent, Qt::Orientation o = Qt::Vertical);
  void setOrientation(Qt::Orientation o);
  Qt::Orientation orientation() const { return m_orientation; }
  // The name screen readers give the spin button and its two halves: "<name>",
  // "<name> up" and "<name> down".
  void setAccessibleCaption(const QString& name);
  // The value the window shows for this spin button, its limits and the step one press
  // takes it by, as screen readers are to read them. A value that a single-precision number
  // holds exactly is read as the shortest decimal of that single (0.05, not 0.0500000007).
  void setValue(double value, double minimum, double maximum, double step);
  double value() const { return m_value; }
  double minimum() const { return m_minimum; }
  double maximum() const { return m_maximum; }
  double step() const { return m_step; }
  // A press of one half, as the mouse, the keyboard or automation would make it.
  void spinUp();
  void spinDown();
  QToolButton* upButton() const { return m_up; }
  QToolButton* downButton() const { return m_down; }

  std::function<void()> onSpinUp;
  std::function<void()> onSpinDown;

 protected:
  void resizeEvent(QResizeEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void layoutHalves();
  // The half an arrow key presses, or none for any other key (which goes to the container).
  QToolButton* halfForKey(const QKeyEvent* e) const;
  void releaseHalves();
  QToolButton* m_up;
  QToolButton* m_down;
  Qt::Orientation m_orientation;
  double m_value = 0;
  double m_minimum = 0;
  double m_maximum = 0;
  double m_step = 0;
};

}  // namespace plat
