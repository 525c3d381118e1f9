#include "platform/spinbutton.h"

#include <QToolButton>

namespace plat {

namespace {
QToolButton* makeHalf(QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setAutoRepeat(true);
  b->setAutoRepeatDelay(400);
  b->setAutoRepeatInterval(100);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}
}  // namespace

SpinButton::SpinButton(QWidget* parent, Qt::Orientation o)
    : QWidget(parent), m_up(makeHalf(this)), m_down(makeHalf(this)), m_orientation(o) {
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

}  // namespace plat
