// The grid and the tab control: one change event per change of the current cell, positions
// and visibility as the weather log's editor needs them, a grid that never scrolls by
// itself, and tabs that tell the tab they left without stopping anything on it, turn by
// Ctrl+Page Down and Ctrl+Page Up, and tell screen readers of the focus only while they have it.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <vector>

#include "platform/fonts.h"
#include "platform/grid.h"
#include "platform/picturebox.h"
#include "platform/tabcontrol.h"
#include "platform/textbox.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "tests/support/screenreader.h"

using namespace plat;

namespace {

// The weather log's grid: 61 rows and 7 columns with one fixed row and column, in Arial
// 9.75 point, 4575 twips high.
struct WeatherGrid {
  QWidget window;
  Grid* g;
  int changes = 0;
  WeatherGrid() {
    g = new Grid(&window);
    g->setFont(screenFont("Arial", 9.75));
    g->setRows(61);
    g->setCols(7);
    g->setColWidth(0, 600);
    for (int c = 1; c <= 6; ++c) g->setColWidth(c, c == 6 ? 4050 : c == 1 ? 1350 : 675);
    placeTwips(g, 240, 480, 600 + 1350 + 4 * 675 + 4050, 4575);
    g->onRowColChange = [this] { ++changes; };
  }
};

}  // namespace

TEST(Grid, CurrentCellSetAsOneOperationFiresOneChange) {
  WeatherGrid w;
  Grid& g = *w.g;
  g.setCurrentCell(5, 3);
  EXPECT_EQ(w.changes, 1);
  EXPECT_EQ(g.row(), 5);
  EXPECT_EQ(g.col(), 3);
  g.setCurrentCell(5, 3);  // no change, no event
  EXPECT_EQ(w.changes, 1);
  g.setRow(6);  // the row alone: its own event
  EXPECT_EQ(w.changes, 2);
  EXPECT_EQ(g.col(), 3);
  g.setCol(3);
  EXPECT_EQ(w.changes, 2);
  g.setCurrentCell(61, 3);  // beyond the last row: refused
  g.setCol(-1);
  EXPECT_EQ(g.row(), 6);
  EXPECT_EQ(w.changes, 2);
  // Code may make a fixed cell current to write a heading.
  g.setCurrentCell(0, 6);
  g.setText("Comment");
  EXPECT_EQ(g.textMatrix(0, 6), "Comment");
}

TEST(Grid, FifteenDaysInViewAndPositionsFollowTheTopRow) {
  WeatherGrid w;
  Grid& g = *w.g;
  int rowPx = twipsToPixels(g.rowHeight(1));
  EXPECT_EQ(g.rowPos(0), 0);
  EXPECT_EQ(g.rowPos(1), g.rowHeight(0));
  EXPECT_EQ(g.colPos(2), 600 + 1350);
  EXPECT_TRUE(g.rowIsVisible(15));
  EXPECT_FALSE(g.rowIsVisible(16)) << "row height " << rowPx << " px";
  g.setTopRow(46);  // the scroll bar's maximum shows the last fifteen days
  EXPECT_TRUE(g.rowIsVisible(0));
  EXPECT_FALSE(g.rowIsVisible(45));
  EXPECT_TRUE(g.rowIsVisible(46));
  EXPECT_TRUE(g.rowIsVisible(60));
  EXPECT_EQ(g.rowPos(46), g.rowHeight(0));
  EXPECT_EQ(g.rowPos(47), g.rowHeight(0) + g.rowHeight(46));
  g.setTopRow(100);
  EXPECT_EQ(g.topRow(), 60);
  g.setTopRow(0);
  EXPECT_EQ(g.topRow(), 1);  // never a fixed row
}

TEST(Grid, ClickMovesTheCurrentCellThenClicksButNeverScrolls) {
  WeatherGrid w;
  Grid& g = *w.g;
  g.setCurrentCell(1, 1);
  w.changes = 0;
  std::vector<std::string> events;
  g.onRowColChange = [&] { events.push_back("change"); };
  g.onClick = [&] { events.push_back("click"); };
  int x = twipsToPixels(g.colPos(4)) + 3, y = twipsToPixels(g.rowPos(3)) + 3;
  QTest::mouseClick(&g, Qt::LeftButton, {}, QPoint(x, y));
  EXPECT_EQ(events, (std::vector<std::string>{"change", "click"}));
  EXPECT_EQ(g.row(), 3);
  EXPECT_EQ(g.col(), 4);
  events.clear();
  QTest::mouseClick(&g, Qt::LeftButton, {}, QPoint(x, 3));  // a heading: no change
  EXPECT_EQ(events, std::vector<std::string>{"click"});

  // Down from the last day in view goes below the view; the window scrolls, not the grid.
  g.setCurrentCell(15, 1);
  QTest::keyClick(&g, Qt::Key_Down);
  EXPECT_EQ(g.row(), 16);
  EXPECT_EQ(g.topRow(), 1);
}

TEST(Grid, KeyDownHandlerCanDropTheKey) {
  WeatherGrid w;
  Grid& g = *w.g;
  g.setCurrentCell(2, 2);
  g.onKeyDown = [](int& code, int) {
    if (code == 40) code = 0;
  };
  QTest::keyClick(&g, Qt::Key_Down);
  EXPECT_EQ(g.row(), 2);
  QTest::keyClick(&g, Qt::Key_Up);
  EXPECT_EQ(g.row(), 1);
  QTest::keyClick(&g, Qt::Key_Up);  // not onto the headings
  EXPECT_EQ(g.row(), 1);
}

TEST(Grid, ScreenReadersReadTheCells) {
  WeatherGrid w;
  Grid& g = *w.g;
  g.setTextMatrix(0, 1, "Date");
  g.setTextMatrix(1, 1, "3/14");
  g.setCurrentCell(1, 1);
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&g);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::Table);
  EXPECT_EQ(a->text(QAccessible::Value), "3/14");
  ASSERT_NE(a->textInterface(), nullptr);
  QString all = a->textInterface()->text(0, -1);
  EXPECT_TRUE(all.startsWith("\tDate\t")) << all.left(40).toStdString();
  EXPECT_TRUE(all.contains("\n\t3/14\t"));
}

// The edit box a window moves over the current cell is heard as that cell, by its column's
// heading and its row's ("High, Day 12"), and each move to another cell is announced.
TEST(Grid, AnEditBoxIsHeardAsTheCellItEditsAndEachMoveIsAnnounced) {
  WeatherGrid w;
  Grid& g = *w.g;
  g.setTextMatrix(0, 0, "Day");
  g.setTextMatrix(0, 2, "High");
  for (int r = 1; r <= 60; ++r) g.setTextMatrix(r, 0, QString::number(r));
  QLineEdit box(&w.window);
  QAccessibleInterface* heardBox = QAccessible::queryAccessibleInterface(&box);
  ASSERT_NE(heardBox, nullptr);
  HeardEvents heard;
  g.setCurrentCell(12, 2);
  g.nameCellEditor(&box);
  EXPECT_EQ(heardBox->text(QAccessible::Name), "High, Day 12");
  EXPECT_EQ(heard.count(&box, QAccessible::NameChanged), 1);
  QTest::keyClick(&g, Qt::Key_Down);
  g.nameCellEditor(&box);
  EXPECT_EQ(heardBox->text(QAccessible::Name), "High, Day 13");
  EXPECT_EQ(heard.count(&box, QAccessible::NameChanged), 2);
  g.nameCellEditor(&box);  // still on the same cell: nothing new to hear
  EXPECT_EQ(heard.count(&box, QAccessible::NameChanged), 2);
  // The grid itself describes its current cell so.
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&g)->text(QAccessible::Description), "High, Day 13");
  // A cell without headings is named by its place.
  EXPECT_EQ(g.cellName(13, 3), "Row 13, column 3");
}

TEST(TabControl, ClickTellsThePreviousTabFromUserAndCode) {
  QWidget window;
  TabControl tabs(&window, 4);
  tabs.setGeometry(8, 8, 617, 441);
  const char* names[] = {"Coins", "Marbles", "Dice", "Toothpicks"};
  for (int i = 0; i < 4; ++i) tabs.setTabCaption(i, names[i]);
  std::vector<int> previous;
  tabs.onClick = [&](int p) { previous.push_back(p); };
  tabs.setTab(2);
  tabs.setTab(2);
  EXPECT_EQ(previous, std::vector<int>{0});
  EXPECT_EQ(tabs.tab(), 2);
  QTabBar* bar = tabs.tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(tabs.tab(), 1);
  EXPECT_EQ(previous, (std::vector<int>{0, 2}));
  tabs.setTab(9);  // no such tab
  EXPECT_EQ(tabs.tab(), 1);
}

TEST(TabControl, SwitchingStopsNothingOnTheOtherPages) {
  QWidget window;
  TabControl tabs(&window, 2);
  tabs.setGeometry(0, 0, 600, 400);
  // A running experiment on tab 0: its timer and its picture.
  Timer timFlip(tabs.page(0));
  timFlip.setInterval(100);
  timFlip.setEnabled(true);
  PictureBox pic(tabs.page(0));
  placeTwips(&pic, 240, 480, 1500, 1500);
  pic.surface().setScaleMode(ScaleMode::Pixels);
  pic.surface().filledBox(0, 0, 10, 10, 0x0000FF);
  EXPECT_EQ(pic.geometry().topLeft(), QPoint(16, 32));  // from the tab control's corner
  window.show();

  tabs.setTab(1);
  EXPECT_FALSE(tabs.page(0)->isVisible());
  EXPECT_TRUE(tabs.page(1)->isVisible());
  EXPECT_TRUE(timFlip.isCounting());
  EXPECT_EQ(pic.surface().pixel(5, 5), 0x0000FFu);
  tabs.setTab(0);
  EXPECT_TRUE(pic.isVisible());
}

// Ctrl+Page Down and Ctrl+Page Up turn the tabs from a text box on a page, round the row and
// past a disabled tab; Page Down alone stays the box's.
TEST(TabControl, CtrlPageDownAndUpTurnTheTabsFromABoxOnAPage) {
  QWidget window;
  TabControl tabs(&window, 3);
  tabs.setGeometry(0, 0, 600, 400);
  for (int i = 0; i < 3; ++i) new TextBox(tabs.page(i));
  tabs.setTabEnabled(1, false);
  window.show();
  std::vector<int> previous;
  tabs.onClick = [&](int p) { previous.push_back(p); };
  auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(tabs.page(tabs.tab())->findChild<TextBox*>(), key, modifiers);
  };
  press(Qt::Key_PageDown, Qt::NoModifier);
  EXPECT_EQ(tabs.tab(), 0);
  press(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(tabs.tab(), 2);
  press(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(tabs.tab(), 0);
  press(Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(tabs.tab(), 2);
  EXPECT_EQ(previous, (std::vector<int>{0, 2, 0}));
}

// A screen reader hears the current tab as focused only while the tab row has the keyboard
// focus; with the focus in a box on a page it is only the selected tab. Each tab keeps its
// name, its role, its press that turns to it, and tells when it is disabled.
TEST(TabControl, ScreenReadersHearTheCurrentTabFocusedOnlyWhileTheRowHasTheFocus) {
  QWidget window;
  TabControl tabs(&window, 3);
  tabs.setGeometry(0, 0, 600, 400);
  const char* names[] = {"Record Weather Data", "Plot Weather Data", "&Summary"};
  for (int i = 0; i < 3; ++i) tabs.setTabCaption(i, names[i]);
  tabs.setTabEnabled(2, false);
  auto* box = new TextBox(tabs.page(0));
  window.resize(620, 420);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  QAccessibleInterface* row = QAccessible::queryAccessibleInterface(tabs.tabBar());
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->role(), QAccessible::PageTabList);
  auto focusedTabs = [&] {
    std::vector<int> focused;
    for (int i = 0; i < tabs.tabs(); ++i)
      if (row->child(i)->state().focused) focused.push_back(i);
    return focused;
  };

  box->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(box->hasFocus());
  EXPECT_EQ(focusedTabs(), std::vector<int>{});
  EXPECT_EQ(row->focusChild(), nullptr);
  EXPECT_TRUE(row->child(0)->state().selected);
  EXPECT_FALSE(row->child(1)->state().selected);

  tabs.tabBar()->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(tabs.tabBar()->hasFocus());
  EXPECT_EQ(focusedTabs(), std::vector<int>{0});
  EXPECT_EQ(row->focusChild(), row->child(0));

  for (int i = 0; i < 3; ++i) {
    QAccessibleInterface* tab = row->child(i);
    EXPECT_EQ(tab->role(), QAccessible::PageTab);
    EXPECT_EQ(tab->parent(), row);
    EXPECT_EQ(row->indexOfChild(tab), i);
    EXPECT_EQ(tab->state().disabled, i == 2) << i;
  }
  EXPECT_EQ(row->child(2)->text(QAccessible::Name), "Summary");
  EXPECT_EQ(row->text(QAccessible::Name), "Record Weather Data");

  // Pressing a tab turns to it, and the focus on the row follows to the new current tab.
  std::vector<int> previous;
  tabs.onClick = [&](int p) { previous.push_back(p); };
  QAccessibleInterface* plot = row->child(1);
  ASSERT_NE(plot->actionInterface(), nullptr);
  EXPECT_EQ(plot->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
  plot->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(tabs.tab(), 1);
  EXPECT_EQ(previous, std::vector<int>{0});
  EXPECT_EQ(plot->text(QAccessible::Name), "Plot Weather Data");
  EXPECT_EQ(focusedTabs(), std::vector<int>{1});
  EXPECT_TRUE(plot->state().selected);
  EXPECT_FALSE(row->child(0)->state().selected);
  EXPECT_EQ(plot->rect().center(), tabs.tabBar()->mapToGlobal(tabs.tabBar()->tabRect(1).center()));
  // A disabled tab does not turn, as it does not to a click.
  row->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(tabs.tab(), 1);
}
