#include "platform/optionbutton.h"

#include <QKeyEvent>
#include <QPointer>
#include <QStyleOptionButton>

#include "platform/colours.h"
#include "platform/indicator.h"

namespace plat {

namespace {
// The control a Click handler gave the focus to, while an arrow key chooses an option.
QPointer<QWidget> g_focusGivenByClick;
}  // namespace

OptionButton::OptionButton(QWidget* parent, const QString& caption) : QRadioButton(parent) {
  setCaption(caption);
  connect(this, &QRadioButton::toggled, this, [this](bool on) {
    updateTabStop(parentWidget());
    if (on && onClick) runClick();
  });
  updateTabStop(parent);
}

void OptionButton::runClick() {
  QPointer<QWidget> window = this->window();
  QWidget* before = window->focusWidget();
  onClick();
  if (window && window->focusWidget() != before) g_focusGivenByClick = window->focusWidget();
}

// An arrow key chooses the neighbouring option, whose Click runs, and then moves the focus
// onto that option; a focus the Click gave elsewhere is given back to where it was put.
void OptionButton::keyPressEvent(QKeyEvent* e) {
  g_focusGivenByClick = nullptr;
  QRadioButton::keyPressEvent(e);
  QPointer<QWidget> given = g_focusGivenByClick;
  g_focusGivenByClick = nullptr;
  if (given && given->isVisible() && given->isEnabled()) given->setFocus(Qt::OtherFocusReason);
}

// Tab stops at one option of a container: the chosen one, or, while none is chosen, the
// first that can take the focus. The others keep the focus by a click, and the arrow keys
// still move the choice among them all.
void OptionButton::updateTabStop(QWidget* container) {
  if (!container) return;
  QList<OptionButton*> members;
  for (OptionButton* b : container->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly))
    if (b->autoExclusive()) members.push_back(b);
  OptionButton* entry = nullptr;
  for (OptionButton* b : members)
    if (b->isChecked()) entry = b;
  for (OptionButton* b : members)
    if (!entry && b->isEnabled() && !b->isHidden()) entry = b;
  if (!entry && !members.isEmpty()) entry = members.front();
  for (OptionButton* b : members) b->setFocusPolicy(b == entry ? Qt::StrongFocus : Qt::ClickFocus);
}

// The toolkit hands the Tab stop to whichever option takes the focus; it stays with the
// chosen one.
void OptionButton::focusInEvent(QFocusEvent* e) {
  QRadioButton::focusInEvent(e);
  updateTabStop(parentWidget());
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
  nameContainer(b);
  return set(index, b);
}

void OptionGroup::setGroupName(const QString& name) {
  m_groupName = name;
  forEach([this](int, OptionButton* b) { nameContainer(b); });
}

void OptionGroup::nameContainer(const OptionButton* member) const {
  if (!m_groupName.isEmpty() && member->parentWidget()) member->parentWidget()->setAccessibleName(m_groupName);
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
