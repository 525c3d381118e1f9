#include "platform/spinbutton.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>
#include <charconv>

#include "platform/accessible.h"

namespace plat {

namespace {

// One arrow half. It never takes the focus itself: a click on it passes the focus on to the
// spin button, and while the spin button holds the focus each half shows it around its arrow.
class SpinHalf : public QToolButton {
 public:
  explicit SpinHalf(QWidget* parent) : QToolButton(parent) {
    setAutoRepeat(true);
    setAutoRepeatDelay(400);
    setAutoRepeatInterval(100);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    QToolButton::paintEvent(e);
    if (!parentWidget()->hasFocus() || width() < 7 || height() < 7) return;
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(2, 2, -3, -3));
  }
};

// Screen readers see the pair as one spin button named by its caption, the halves inside it,
// with the value the window told it and that value's limits. The value is the window's: a
// reader steps it by pressing a half, not by setting it.
class SpinButtonAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit SpinButtonAccessible(SpinButton* s) : QAccessibleWidget(s, QAccessible::SpinBox) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return QString::number(spin()->value());
    return QAccessibleWidget::text(t);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QVariant currentValue() const override { return spin()->value(); }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return spin()->maximum(); }
  QVariant minimumValue() const override { return spin()->minimum(); }
  // The step is the window's own, and not always the same (a joint's resolution).
  QVariant minimumStepSize() const override { return spin()->step(); }

 private:
  SpinButton* spin() const { return static_cast<SpinButton*>(widget()); }
};

// A single-precision value (0.05f is 0.0500000007 as a double) is read as the shortest
// decimal that gives the same single, the number the window shows.
double readable(double v) {
  const float single = float(v);
  if (double(single) != v) return v;
  char text[32];
  auto written = std::to_chars(text, text + sizeof text, single);
  double shortest = v;
  std::from_chars(text, written.ptr, shortest);
  return shortest;
}

}  // namespace

SpinButton::SpinButton(QWidget* parent, Qt::Orientation o)
    : QWidget(parent), m_up(new SpinHalf(this)), m_down(new SpinHalf(this)), m_orientation(o) {
  installAccessible<SpinButton, SpinButtonAccessible>();
  setFocusPolicy(Qt::StrongFocus);
  // "pressed" comes at the press and again at every repeat while the half is held down;
  // the release that follows adds no step of its own.
  connect(m_up, &QToolButton::pressed, this, [this] {
    if (onSpinUp) onSpinUp();
  });
  connect(m_down, &QToolButton::pressed, this, [this] {
    if (onSpinDown) onSpinDown();
  });
  setAccessibleCaption(QString());
  setOrientation(o);
}

void SpinButton::setOrientation(Qt::Orientation o) {
  m_orientation = o;
  m_up->setArrowType(o == Qt::Vertical ? Qt::UpArrow : Qt::RightArrow);
  m_down->setArrowType(o == Qt::Vertical ? Qt::DownArrow : Qt::LeftArrow);
  layoutHalves();
}

void SpinButton::setAccessibleCaption(const QString& name) {
  QString base = name.isEmpty() ? QString() : name + ' ';
  m_up->setAccessibleName(base + "up");
  m_down->setAccessibleName(base + "down");
  setAccessibleName(name);
}

void SpinButton::setValue(double value, double minimum, double maximum, double step) {
  const double shown = readable(value);
  const bool changed = shown != m_value;
  m_value = shown;
  m_minimum = readable(minimum);
  m_maximum = readable(maximum);
  m_step = readable(step);
  if (changed && QAccessible::isActive()) {
    QAccessibleValueChangeEvent ev(this, m_value);
    QAccessible::updateAccessibility(&ev);
  }
}

void SpinButton::spinUp() {
  if (isEnabled() && onSpinUp) onSpinUp();
}

void SpinButton::spinDown() {
  if (isEnabled() && onSpinDown) onSpinDown();
}

void SpinButton::resizeEvent(QResizeEvent*) { layoutHalves(); }

void SpinButton::layoutHalves() {
  int w = width(), h = height();
  if (m_orientation == Qt::Vertical) {
    int top = h / 2;
    m_up->setGeometry(0, 0, w, top);
    m_down->setGeometry(0, top, w, h - top);
  } else {
    int left = w / 2;
    m_down->setGeometry(0, 0, left, h);
    m_up->setGeometry(left, 0, w - left, h);
  }
}

QToolButton* SpinButton::halfForKey(const QKeyEvent* e) const {
  if (e->modifiers() & ~Qt::KeypadModifier) return nullptr;
  switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right: return m_up;
    case Qt::Key_Down:
    case Qt::Key_Left: return m_down;
    default: return nullptr;
  }
}

// A key holds its half down as the mouse button does: the half steps at once, then repeats
// on its own timer. The keyboard's own repeat adds nothing, so a held key steps exactly as a
// held mouse button, whatever the keyboard's repeat rate.
void SpinButton::keyPressEvent(QKeyEvent* e) {
  QToolButton* half = halfForKey(e);
  if (!half) {
    QWidget::keyPressEvent(e);
    return;
  }
  e->accept();
  if (e->isAutoRepeat() || half->isDown()) return;
  QToolButton* other = half == m_up ? m_down : m_up;
  other->setDown(false);
  half->setDown(true);  // shows the press and starts the half's repeat
  if (half == m_up)
    spinUp();
  else
    spinDown();
}

void SpinButton::keyReleaseEvent(QKeyEvent* e) {
  QToolButton* half = halfForKey(e);
  if (!half) {
    QWidget::keyReleaseEvent(e);
    return;
  }
  e->accept();
  if (!e->isAutoRepeat()) half->setDown(false);
}

void SpinButton::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  m_up->update();
  m_down->update();
}

// A key held when the focus leaves would never see its release here: the halves let go.
void SpinButton::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  releaseHalves();
  m_up->update();
  m_down->update();
}

void SpinButton::releaseHalves() {
  m_up->setDown(false);
  m_down->setDown(false);
}

}  // namespace plat
