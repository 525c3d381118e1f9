#pragma once
// A scroll bar with the value semantics the windows rely on:
// - Change fires on every change of the value: by a click on an arrow or the track, at the
//   end of a drag of the thumb, and when code sets the value or a range that moves it.
// - Scroll fires for each move of the thumb while it is dragged; the value follows the thumb.
// - Min may be greater than Max: the bar then runs from Min at its top or left end to Max.
// - The bar takes the focus by Tab, in its window's order, and by a click, and shows it. The
//   arrow keys move it by its small change (Left and Up towards its left or top end, Right
//   and Down towards the other), Page Up and Page Down by its large change, Home and End to
//   Min and Max; each move is a Change, as a click on the arrows or the track is.
// - Screen readers hear the bar by its name, with its value, limits and steps as the window
//   shows them beside it: a thrust the bar holds in tenths of a newton (100) is heard as
//   the 10.0 its read-out shows.

#include <QScrollBar>
#include <functional>

namespace plat {

class ScrollBar : public QWidget {
  Q_OBJECT
 public:
  ScrollBar(QWidget* parent, Qt::Orientation o);
  int value() const { return m_value; }
  void setValue(int v);
  int min() const { return m_min; }
  int max() const { return m_max; }
  void setMin(int v) { setRange(v, m_max); }
  void setMax(int v) { setRange(m_min, v); }
  void setRange(int min, int max);
  void setSmallChange(int s);
  void setLargeChange(int l);
  int smallChange() const { return m_small; }
  int largeChange() const { return m_large; }
  QScrollBar* bar() const { return m_bar; }
  // The name screen readers give the bar (it has no caption of its own).
  void setAccessibleCaption(const QString& name);
  // How the window shows a value of the bar, where it shows a number other than the value
  // itself (the bar's 100 tenths of a newton as 10.0; grams as ounces). Screen readers then
  // hear the value, its limits and its steps as shown, and a value they set is taken as
  // shown. Given again when the way of showing changes (other units), it announces the value
  // as now shown. Without it, the value is heard as it is.
  void setShownValue(std::function<double(int value)> shown);
  double shownValue(int value) const { return m_shown ? m_shown(value) : double(value); }

  std::function<void()> onChange;
  std::function<void()> onScroll;

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  void applyRange();
  int toBar(int v) const { return m_min <= m_max ? v : m_min + m_max - v; }
  void fromBar(int barValue);
  QScrollBar* m_bar;
  std::function<double(int)> m_shown;
  int m_min = 0, m_max = 32767, m_value = 0, m_small = 1, m_large = 1;
  bool m_syncing = false;
  int m_dragStart = 0;
};

class HScrollBar : public ScrollBar {
 public:
  explicit HScrollBar(QWidget* parent) : ScrollBar(parent, Qt::Horizontal) {}
};
class VScrollBar : public ScrollBar {
 public:
  explicit VScrollBar(QWidget* parent) : ScrollBar(parent, Qt::Vertical) {}
};

// How a bar that holds tenths of what its read-out shows is shown (100 tenths as 10.0), for
// setShownValue.
inline double inTenths(int tenths) { return tenths / 10.0; }

}  // namespace plat
