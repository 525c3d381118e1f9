#include "platform/tabcontrol.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QTabBar>

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

}  // namespace

TabControl::TabControl(QWidget* parent, int tabs) : QWidget(parent), m_bar(new QTabBar(this)) {
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
  m_bar->setTabText(index, caption);
  QString plain = caption;
  m_pages[size_t(index)]->setAccessibleName(plain.remove('&'));
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
