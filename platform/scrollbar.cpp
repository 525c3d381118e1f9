#include "platform/scrollbar.h"

#include <algorithm>

namespace plat {

ScrollBar::ScrollBar(QWidget* parent, Qt::Orientation o) : QWidget(parent), m_bar(new QScrollBar(o, this)) {
  m_bar->setTracking(true);
  applyRange();
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

void ScrollBar::setSmallChange(int s) {
  m_small = s;
  m_bar->setSingleStep(s);
}

void ScrollBar::setLargeChange(int l) {
  m_large = l;
  m_bar->setPageStep(l);
}

}  // namespace plat
