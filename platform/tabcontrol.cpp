#include "platform/tabcontrol.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QPointer>
#include <QTabBar>

#include "platform/accessible.h"
#include "platform/accessibleroles.h"
#include "platform/colours.h"
#include "platform/twips.h"

namespace plat {

namespace {

// A page: the whole tab control's area, drawing the frame of the body under the tabs.
class TabPage : public QWidget {
 public:
  TabPage(QWidget* parent, const int* tabHeight) : QWidget(parent), m_tabHeight(tabHeight) {
    setAutoFillBackground(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QRect body = rect().adjusted(0, *m_tabHeight - 1, -1, -1);
    p.setPen(Qt::white);
    p.drawLine(body.topLeft(), body.bottomLeft());
    p.drawLine(body.topLeft(), body.topRight());
    p.setPen(QColor(128, 128, 128));
    p.drawLine(body.bottomLeft(), body.bottomRight());
    p.drawLine(body.topRight(), body.bottomRight());
  }

 private:
  const int* m_tabHeight;
};

// What a screen reader calls a tab: the name given it, else its caption without the '&' of
// its access key.
QString tabName(const QTabBar* row, int index) {
  const QString name = row->accessibleTabName(index);
  return name.isEmpty() ? QString(row->tabText(index)).remove('&') : name;
}

QString tabAccessKey(const QTabBar* row, int index) {
  return QKeySequence::mnemonic(row->tabText(index)).toString(QKeySequence::NativeText);
}

// One tab of the row as a screen reader sees it: a page tab, selected while its page shows,
// focused only while the row itself has the keyboard focus and it is the current tab (with
// the focus on a page's control, that control alone is focused), pressed to turn to it.
class TabAccessible : public PartAccessible, public QAccessibleActionInterface {
 public:
  TabAccessible(QTabBar* row, int index) : PartAccessible(row), m_row(row), m_index(index) {}

  bool isValid() const override { return m_row && m_index < m_row->count(); }
  QAccessible::Role role() const override { return QAccessible::PageTab; }

  QString text(QAccessible::Text t) const override {
    if (!isValid()) return QString();
    switch (t) {
      case QAccessible::Name: return tabName(m_row, m_index);
      case QAccessible::Accelerator: return tabAccessKey(m_row, m_index);
      case QAccessible::Description: return m_row->tabToolTip(m_index);
      case QAccessible::Help: return m_row->tabWhatsThis(m_index);
      default: return QString();
    }
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    // The row's own state (hidden, disabled, focusable), less its focus, which is the
    // current tab's alone.
    s = parent()->state();
    const bool current = m_index == m_row->currentIndex();
    s.focused = current && m_row->hasFocus();
    s.selectable = true;
    s.selected = current;
    s.disabled = s.disabled || !m_row->isTabEnabled(m_index);
    s.invisible = s.invisible || !m_row->isTabVisible(m_index);
    return s;
  }

  QRect rect() const override {
    if (!isValid()) return QRect();
    const QRect tab = m_row->tabRect(m_index);
    return QRect(m_row->mapToGlobal(tab.topLeft()), tab.size());
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  // A disabled tab does not turn, as it does not to a click.
  void doAction(const QString& action) override {
    if (isValid() && action == pressAction() && m_row->isTabEnabled(m_index)) m_row->setCurrentIndex(m_index);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<QTabBar> m_row;
  int m_index;
};

// The tab control's row of tabs: a page tab list named by its current tab, its children the
// tabs alone (it never scrolls, so its hidden scroll arrows are no part of it). A tab's
// interface lives as long as the row's, so a reader finds the same object each time it asks.
class TabRowAccessible : public QAccessibleWidget {
 public:
  explicit TabRowAccessible(QTabBar* row) : QAccessibleWidget(row, QAccessible::PageTabList) {}

  int childCount() const override { return row()->count(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= row()->count()) return nullptr;
    return m_tabs.at(index, [&] { return new TabAccessible(row(), index); });
  }
  int indexOfChild(const QAccessibleInterface* child) const override { return m_tabs.indexOf(child, row()->count()); }
  QAccessibleInterface* focusChild() const override {
    return row()->hasFocus() ? child(row()->currentIndex()) : nullptr;
  }
  // With the focus on the row, its current tab is the focused object, not the row too.
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (row()->currentIndex() >= 0) s.focused = false;
    return s;
  }
  QString text(QAccessible::Text t) const override {
    const int current = row()->currentIndex();
    if (t == QAccessible::Name && current >= 0) return tabName(row(), current);
    if (t == QAccessible::Accelerator && current >= 0) return tabAccessKey(row(), current);
    return QAccessibleWidget::text(t);
  }

 private:
  QTabBar* row() const { return static_cast<QTabBar*>(widget()); }
  mutable PartInterfaces m_tabs;
};

QTabBar* newTabRow(TabControl* owner) {
  installPartAccessible<TabControl, QTabBar, TabRowAccessible>();
  return new QTabBar(owner);
}

}  // namespace

TabControl::TabControl(QWidget* parent, int tabs) : QWidget(parent), m_bar(newTabRow(this)) {
  m_bar->setExpanding(true);
  m_bar->setDrawBase(false);
  m_bar->setUsesScrollButtons(false);
  m_bar->setElideMode(Qt::ElideNone);
  connect(m_bar, &QTabBar::currentChanged, this, [this](int index) {
    if (!m_switching && index >= 0) setTab(index);
  });
  setBackColor(0xC0C0C0);
  setTabs(std::max(1, tabs));
}

void TabControl::setTabs(int n) {
  n = std::max(1, n);
  m_switching = true;
  while (int(m_pages.size()) < n) {
    auto* page = new TabPage(this, &m_tabHeightPx);
    page->setPalette(palette());
    page->setVisible(false);
    m_pages.push_back(page);
    m_bar->addTab(QStringLiteral("Tab %1").arg(m_pages.size() - 1));
  }
  while (int(m_pages.size()) > n) {
    delete m_pages.back();
    m_pages.pop_back();
    m_bar->removeTab(m_bar->count() - 1);
  }
  m_switching = false;
  if (m_current >= n) m_current = n - 1;
  m_bar->raise();
  layoutParts();
  showCurrent(m_current);
}

void TabControl::setTabCaption(int index, const QString& caption) {
  if (index < 0 || index >= tabs()) return;
  const bool renamed = caption != m_bar->tabText(index);
  m_bar->setTabText(index, caption);
  QString plain = caption;
  m_pages[size_t(index)]->setAccessibleName(plain.remove('&'));
  if (renamed) announceTabName(index);
}

// A tab is heard by its caption, and the row by its current tab's: a reader that holds
// them hears of a new one.
void TabControl::announceTabName(int index) {
  if (!QAccessible::isActive()) return;
  if (QAccessibleInterface* row = QAccessible::queryAccessibleInterface(m_bar)) {
    if (QAccessibleInterface* tab = row->child(index)) {
      QAccessibleEvent renamed(tab, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&renamed);
    }
  }
  if (index == m_bar->currentIndex()) announceNameChange(m_bar);
}

QString TabControl::tabCaption(int index) const { return m_bar->tabText(index); }

void TabControl::setTabEnabled(int index, bool on) { m_bar->setTabEnabled(index, on); }

QWidget* TabControl::page(int index) const { return index >= 0 && index < tabs() ? m_pages[size_t(index)] : nullptr; }

void TabControl::setTab(int index) {
  if (index < 0 || index >= tabs() || index == m_current) {
    // The bar may have moved on its own (a click that the change refused): put it back.
    if (m_bar->currentIndex() != m_current) {
      m_switching = true;
      m_bar->setCurrentIndex(m_current);
      m_switching = false;
    }
    return;
  }
  int previous = m_current;
  m_current = index;
  QPointer<TabControl> alive(this);
  showCurrent(index);
  // The row is heard by its current tab's name.
  announceNameChange(m_bar);
  if (alive && onClick) onClick(previous);
}

void TabControl::showCurrent(int index) {
  m_switching = true;
  m_bar->setCurrentIndex(index);
  m_switching = false;
  // The new page first, so the focus, if it was on the old one, has somewhere to go.
  m_pages[size_t(index)]->setVisible(true);
  for (int i = 0; i < tabs(); ++i)
    if (i != index) m_pages[size_t(i)]->setVisible(false);
  m_bar->raise();
}

void TabControl::setTabHeight(int twips) {
  m_tabHeightPx = std::max(1, twipsToPixels(twips));
  layoutParts();
}

void TabControl::setBackColor(rt::Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::Window, toQColor(c));
  p.setColor(QPalette::Button, toQColor(c));
  setPalette(p);
  for (QWidget* page : m_pages) page->setPalette(p);
}

void TabControl::resizeEvent(QResizeEvent*) { layoutParts(); }

void TabControl::keyPressEvent(QKeyEvent* e) {
  const bool ctrlOnly =
      (e->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier)) ==
      Qt::ControlModifier;
  if (!ctrlOnly || (e->key() != Qt::Key_PageDown && e->key() != Qt::Key_PageUp)) {
    QWidget::keyPressEvent(e);
    return;
  }
  const int step = e->key() == Qt::Key_PageDown ? 1 : -1;
  for (int i = 1; i < tabs(); ++i) {
    const int next = (m_current + step * i + tabs()) % tabs();
    if (m_bar->isTabEnabled(next)) {
      setTab(next);
      break;
    }
  }
}

void TabControl::layoutParts() {
  m_bar->setGeometry(0, 0, width(), m_tabHeightPx);
  for (QWidget* page : m_pages) page->setGeometry(rect());
}

}  // namespace plat
