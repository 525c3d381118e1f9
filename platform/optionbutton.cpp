#include "platform/optionbutton.h"

#include <QStyleOptionButton>

#include "platform/colours.h"
#include "platform/indicator.h"

namespace plat {

OptionButton::OptionButton(QWidget* parent, const QString& caption) : QRadioButton(parent) {
  setCaption(caption);
  connect(this, &QRadioButton::toggled, this, [this](bool on) {
    if (on && onClick) onClick();
  });
}

void OptionButton::setCaption(const QString& caption) {
  setText(caption);
  setAccessibleName(QString(caption).remove('&'));
}

void OptionButton::setValue(bool chosen) {
  if (chosen == isChecked()) return;
  if (chosen) {
    setChecked(true);  // the toolkit clears the other options of the container
    return;
  }
  // The chosen member of an exclusive set refuses to be cleared; clearing leaves the
  // container without a chosen option, so exclusivity is lifted for the moment.
  setAutoExclusive(false);
  setChecked(false);
  setAutoExclusive(true);
}

void OptionButton::paintEvent(QPaintEvent*) {
  QStyleOptionButton opt;
  initStyleOption(&opt);
  paintIndicatorControl(*this, opt, QStyle::CE_RadioButton, QStyle::SE_RadioButtonContents);
}

void OptionButton::setForeColor(rt::Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, toQColor(c));
  setPalette(p);
}

void OptionButton::setBackColor(rt::Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::Window, toQColor(c));
  p.setColor(QPalette::Button, toQColor(c));
  setPalette(p);
  setAutoFillBackground(true);
}

OptionGroup::~OptionGroup() {
  forEach([](int, OptionButton* b) { b->onClick = nullptr; });
}

OptionButton* OptionGroup::add(int index, QWidget* container, const QString& caption) {
  auto* b = new OptionButton(container, caption);
  b->onClick = [this, index] {
    if (onClick) onClick(index);
  };
  return set(index, b);
}

int OptionGroup::value() const {
  int chosen = -1;
  forEach([&](int i, OptionButton* b) {
    if (chosen < 0 && b->isChecked()) chosen = i;
  });
  return chosen;
}

void OptionGroup::choose(int index) {
  if (OptionButton* b = (*this)(index)) b->setValue(true);
}

}  // namespace plat
