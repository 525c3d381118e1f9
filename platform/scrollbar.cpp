#include "platform/scrollbar.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>

#include "platform/accessible.h"
#include "platform/accessibleroles.h"

namespace plat {

namespace {

// The bar inside the wrapper: it takes the focus by Tab and by a click, moves by the keys,
// and shows the focus as a dotted frame inside its thumb.
class KeyScrollBar : public QScrollBar {
 public:
  KeyScrollBar(Qt::Orientation o, QWidget* parent) : QScrollBar(o, parent) { setFocusPolicy(Qt::StrongFocus); }

 protected:
  // The keys move the bar as its arrows and track do, whatever its orientation: Left and Up
  // a small change towards its left or top end, Right and Down towards the other end, Page
  // Up and Page Down a large change, Home and End to the two ends. The bar's own value runs
  // from its left or top end, so the wrapper turns each move into the same Change a click
  // gives.
  void keyPressEvent(QKeyEvent* e) override {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
      e->ignore();
      return;
    }
    switch (e->key()) {
      case Qt::Key_Left:
      case Qt::Key_Up: triggerAction(SliderSingleStepSub); break;
      case Qt::Key_Right:
      case Qt::Key_Down: triggerAction(SliderSingleStepAdd); break;
      case Qt::Key_PageUp: triggerAction(SliderPageStepSub); break;
      case Qt::Key_PageDown: triggerAction(SliderPageStepAdd); break;
      case Qt::Key_Home: triggerAction(SliderToMinimum); break;
      case Qt::Key_End: triggerAction(SliderToMaximum); break;
      default: e->ignore(); return;
    }
    e->accept();
  }

  void focusInEvent(QFocusEvent* e) override {
    QScrollBar::focusInEvent(e);
    update();
  }
  void focusOutEvent(QFocusEvent* e) override {
    QScrollBar::focusOutEvent(e);
    update();
  }

  void paintEvent(QPaintEvent* e) override {
    QScrollBar::paintEvent(e);
    if (!hasFocus()) return;
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, this);
    if (thumb.width() < 6 || thumb.height() < 6) thumb = rect();
    QPainter p(this);
    QPen pen(Qt::black, 1, Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(thumb.adjusted(2, 2, -3, -3));
  }
};

// Screen readers meet the bar inside the wrapper, which takes the focus: a scroll bar named
// by the wrapper's caption, with the value, limits and steps the window shows. A value a
// reader sets goes to the bar's nearest value, as a move of the bar, with its Change.
class ScrollBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit ScrollBarAccessible(QScrollBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return QString::number(currentValue().toDouble());
    return QAccessibleWidget::text(t);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QVariant currentValue() const override { return owner()->shownValue(owner()->value()); }
  QVariant minimumValue() const override { return std::min(shownAt(low()), shownAt(high())); }
  QVariant maximumValue() const override { return std::max(shownAt(low()), shownAt(high())); }
  // The small change, in the units shown.
  QVariant minimumStepSize() const override {
    if (high() == low()) return QVariant();
    return std::abs(shownAt(high()) - shownAt(low())) * owner()->smallChange() / (high() - low());
  }
  void setCurrentValue(const QVariant& shown) override {
    const double wanted = shown.toDouble();
    int nearest = low();
    for (int v = low(); v <= high(); ++v)
      if (std::abs(shownAt(v) - wanted) < std::abs(shownAt(nearest) - wanted)) nearest = v;
    owner()->setValue(nearest);
  }

 private:
  ScrollBar* owner() const { return static_cast<ScrollBar*>(widget()->parentWidget()); }
  int low() const { return std::min(owner()->min(), owner()->max()); }
  int high() const { return std::max(owner()->min(), owner()->max()); }
  double shownAt(int v) const { return owner()->shownValue(v); }
};

// The factory stands before the first bar is made, so no screen reader meets a bar without it:
// the toolkit's scroll bar that stands in a platform scroll bar is that scroll bar's own, and
// the platform scroll bar around it only holds it.
QScrollBar* newBar(Qt::Orientation o, ScrollBar* owner) {
  installPartAccessible<ScrollBar, QScrollBar, ScrollBarAccessible>();
  installAccessible<ScrollBar, WrapperAccessible>();
  return new KeyScrollBar(o, owner);
}

}  // namespace

ScrollBar::ScrollBar(QWidget* parent, Qt::Orientation o) : QWidget(parent), m_bar(newBar(o, this)) {
  m_bar->setTracking(true);
  applyRange();
  // The toolkit's bar pages by 10 of its own; this one moves by the steps it reports.
  m_bar->setSingleStep(m_small);
  m_bar->setPageStep(m_large);
  connect(m_bar, &QScrollBar::valueChanged, this, [this](int v) {
    if (!m_syncing) fromBar(v);
  });
  connect(m_bar, &QScrollBar::sliderPressed, this, [this] { m_dragStart = m_value; });
  connect(m_bar, &QScrollBar::sliderReleased, this, [this] {
    // The drag ends: the value the thumb came to rest on is the new value.
    if (m_value != m_dragStart && onChange) onChange();
  });
  setFocusProxy(m_bar);
}

void ScrollBar::resizeEvent(QResizeEvent*) { m_bar->setGeometry(rect()); }

void ScrollBar::fromBar(int barValue) {
  int v = toBar(barValue);
  if (v == m_value) return;
  m_value = v;
  if (m_bar->isSliderDown()) {
    if (onScroll) onScroll();
  } else if (onChange) {
    onChange();
  }
}

void ScrollBar::setValue(int v) {
  int lo = std::min(m_min, m_max), hi = std::max(m_min, m_max);
  v = std::clamp(v, lo, hi);
  if (v == m_value) return;
  m_value = v;
  m_syncing = true;
  m_bar->setValue(toBar(v));
  m_syncing = false;
  if (onChange) onChange();
}

void ScrollBar::setRange(int min, int max) {
  m_min = min;
  m_max = max;
  applyRange();
  int lo = std::min(m_min, m_max), hi = std::max(m_min, m_max);
  int clamped = std::clamp(m_value, lo, hi);
  m_syncing = true;
  m_bar->setValue(toBar(clamped));
  m_syncing = false;
  if (clamped != m_value) {
    m_value = clamped;
    if (onChange) onChange();
  }
}

void ScrollBar::applyRange() {
  m_syncing = true;
  m_bar->setRange(std::min(m_min, m_max), std::max(m_min, m_max));
  m_syncing = false;
}

void ScrollBar::setAccessibleCaption(const QString& name) {
  setAccessibleName(name);
  m_bar->setAccessibleName(name);
}

void ScrollBar::setShownValue(std::function<double(int value)> shown) {
  const double before = shownValue(m_value);
  m_shown = std::move(shown);
  const double now = shownValue(m_value);
  if (now != before && QAccessible::isActive()) {
    QAccessibleValueChangeEvent ev(m_bar, now);
    QAccessible::updateAccessibility(&ev);
  }
}

void ScrollBar::setSmallChange(int s) {
  m_small = s;
  m_bar->setSingleStep(s);
}

void ScrollBar::setLargeChange(int l) {
  m_large = l;
  m_bar->setPageStep(l);
}

}  // namespace plat
