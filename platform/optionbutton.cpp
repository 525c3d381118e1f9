#include "platform/optionbutton.h"

#include <QKeyEvent>
#include <QPointer>
#include <QStyleOptionButton>
#include <algorithm>

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

// The options of a container that an arrow key can choose, in reading order: down each
// column, then on to the next column to the right. Options whose left edges lie within half
// an option's width of each other stand in one column.
QList<OptionButton*> OptionButton::readingOrder(QWidget* container) {
  QList<OptionButton*> members;
  for (OptionButton* b : container->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly))
    if (b->autoExclusive() && !b->isHidden() && b->isEnabled()) members.push_back(b);
  std::stable_sort(members.begin(), members.end(),
                   [](const OptionButton* a, const OptionButton* b) { return a->x() < b->x(); });
  QList<OptionButton*> ordered;
  for (qsizetype first = 0; first < members.size();) {
    const OptionButton* head = members[first];
    qsizetype end = first + 1;
    while (end < members.size() && members[end]->x() - head->x() < std::max(1, head->width() / 2)) ++end;
    QList<OptionButton*> column = members.mid(first, end - first);
    std::stable_sort(column.begin(), column.end(),
                     [](const OptionButton* a, const OptionButton* b) { return a->y() < b->y(); });
    ordered += column;
    first = end;
  }
  return ordered;
}

// An arrow key chooses the neighbouring option of the group, Up and Left the previous one,
// Down and Right the next, wrapping round at either end, so an arrow never leaves the group.
// The chosen option's Click runs and then the focus moves onto it; a focus the Click gave
// elsewhere is given back to where it was put.
void OptionButton::keyPressEvent(QKeyEvent* e) {
  const int step = (e->key() == Qt::Key_Down || e->key() == Qt::Key_Right) ? 1
                   : (e->key() == Qt::Key_Up || e->key() == Qt::Key_Left)  ? -1
                                                                           : 0;
  if (step == 0 || !parentWidget()) {
    QRadioButton::keyPressEvent(e);
    return;
  }
  e->accept();
  const QList<OptionButton*> group = readingOrder(parentWidget());
  const qsizetype at = group.indexOf(this);
  if (at < 0 || group.size() < 2) return;
  OptionButton* next = group[(at + step + group.size()) % group.size()];
  g_focusGivenByClick = nullptr;
  next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  next->setChecked(true);
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
