#include "platform/checkbox.h"

#include <QStyleOptionButton>

#include "platform/colours.h"
#include "platform/indicator.h"

namespace plat {

CheckBox::CheckBox(QWidget* parent, const QString& caption) : QCheckBox(parent) {
  setCaption(caption);
  connect(this, &QCheckBox::stateChanged, this, [this](int) {
    if (onClick) onClick();
  });
}

void CheckBox::setCaption(const QString& caption) {
  setText(caption);
  setAccessibleName(QString(caption).remove('&'));
}

int CheckBox::value() const {
  switch (checkState()) {
    case Qt::Checked: return Checked;
    case Qt::PartiallyChecked: return Grayed;
    default: return Unchecked;
  }
}

void CheckBox::setValue(int v) {
  if (v < Unchecked || v > Grayed || v == value()) return;
  if (v == Grayed) setTristate(true);
  setCheckState(v == Checked ? Qt::Checked : v == Grayed ? Qt::PartiallyChecked : Qt::Unchecked);
}

// The user only ever checks and clears: a greyed box becomes checked when clicked.
void CheckBox::nextCheckState() { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }

void CheckBox::paintEvent(QPaintEvent*) {
  QStyleOptionButton opt;
  initStyleOption(&opt);
  paintIndicatorControl(*this, opt, QStyle::CE_CheckBox, QStyle::SE_CheckBoxContents);
}

void CheckBox::setForeColor(rt::Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, toQColor(c));
  setPalette(p);
}

void CheckBox::setBackColor(rt::Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::Window, toQColor(c));
  setPalette(p);
  setAutoFillBackground(true);
}

}  // namespace plat
