#pragma once
// A tab control: a row of tabs across its top and one page per tab beneath. Each page holds
// the controls of its tab, placed (in twips) from the tab control's own top left corner, the
// tab row included, so that controls stand where the window's layout puts them.
//
// Click fires whenever the current tab changes (by the user or by code) and tells the tab
// that was current before. Switching tabs only shows and hides pages: timers keep ticking
// and pictures keep their images, so experiments on other tabs run on unseen.
//
// Ctrl+Page Down and Ctrl+Page Up turn to the next and the previous tab (round the row),
// from any control on the pages that leaves those keys to it.
//
// Screen readers hear the current tab as selected, and as focused only while the tab row
// itself has the keyboard focus: with the focus on a page's control, that control alone is.

#include <QWidget>
#include <functional>
#include <vector>

#include "runtime/colour.h"

class QTabBar;

namespace plat {

class TabControl : public QWidget {
  Q_OBJECT
 public:
  explicit TabControl(QWidget* parent, int tabs = 1);
  void setTabs(int n);
  int tabs() const { return int(m_pages.size()); }
  void setTabCaption(int index, const QString& caption);
  QString tabCaption(int index) const;
  void setTabEnabled(int index, bool on);
  // The container of a tab's controls.
  QWidget* page(int index) const;
  int tab() const { return m_current; }
  // Out-of-range tabs are refused.
  void setTab(int index);
  void setTabHeight(int twips);
  void setBackColor(rt::Colour c);
  QTabBar* tabBar() const { return m_bar; }

  std::function<void(int previousTab)> onClick;

 protected:
  void resizeEvent(QResizeEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void layoutParts();
  void showCurrent(int index);
  void announceTabName(int index);
  QTabBar* m_bar;
  std::vector<QWidget*> m_pages;
  int m_current = 0;
  int m_tabHeightPx = 24;
  bool m_switching = false;
};

}  // namespace plat
