// Screen readers tell the controls of every window apart: each option is heard in a group
// named by the frame's caption or by what the group chooses, and no two options of a window
// are heard alike. Every window is heard as a window (a dialog as a dialog) named by its
// title, one object of the program has the focus, and a group of options holds nothing else.

#include <gtest/gtest.h>

#include "tests/support/menufixture.h"

#include <QAccessible>
#include <QApplication>
#include <QStringList>
#include <QTest>
#include <set>

#include "platform/button.h"
#include "platform/form.h"
#include "platform/optionbutton.h"
#include "tests/support/controls.h"
#include "tests/support/heardtree.h"
#include "tests/support/screenreader.h"

namespace {

class ScreenReaders : public MenuFixture {
 protected:
  // What a screen reader hears of each option of each window on the screen, hidden ones
  // too: its group's name, then its own. Every option stands in a named group.
  QStringList heardOptions(const QString& where) {
    QStringList heard;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (!top->isVisible()) continue;
      for (plat::OptionButton* o : top->findChildren<plat::OptionButton*>()) {
        if (o->window() != top) continue;  // a dialog's, heard in the dialog
        QAccessibleInterface* group = heardGroup(o);
        const QString option = QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
        const QString name = group ? group->text(QAccessible::Name) : QString();
        EXPECT_TRUE(group && group->role() == QAccessible::Grouping)
            << where.toStdString() << ": " << option.toStdString() << " stands in no group";
        EXPECT_FALSE(name.isEmpty()) << where.toStdString() << ": " << option.toStdString() << "'s group has no name";
        heard << name + ", " + option;
      }
    }
    return heard;
  }

  void expectAllApart(const QString& where) {
    const QStringList heard = heardOptions(where);
    const std::set<QString> apart(heard.begin(), heard.end());
    EXPECT_EQ(apart.size(), size_t(heard.size())) << where.toStdString() << ": " << heard.join(" | ").toStdString();
  }
};

TEST_F(ScreenReaders, EveryOptionIsHeardInANamedGroupAndNoTwoAlike) {
  int windowsWithOptions = 0;
  for (int project = 1; project <= 10; ++project) {
    control<plat::CommandButton>(*menu, "projectButton", project).click();
    plat::Form* window = menu->currentProject();
    ASSERT_TRUE(window) << project;
    const QString name = window->windowTitle();
    if (!window->findChildren<plat::OptionButton*>().isEmpty()) ++windowsWithOptions;
    expectAllApart(name);
    // The water wheel's parameters dialog has options of its own.
    for (plat::CommandButton* b : window->findChildren<plat::CommandButton*>())
      if (b->accessibleName() == "Parameters") {
        b->click();
        expectAllApart(name + " parameters");
        if (auto* dialog = window->findChild<QWidget*>("parametersDialog")) dialog->close();
      }
    window->close();
    QCoreApplication::processEvents();
    ASSERT_TRUE(menu->isVisible()) << name.toStdString();
  }
  EXPECT_EQ(windowsWithOptions, 4);  // pendulum, moon lander, robotics, rocketry
}

// What a reader meets as a window opens: a frame (or a dialog) named by the window's title,
// the focus on one showing control, and groups of options that hold their options alone.
void expectHeardAsWindow(QWidget* window, QAccessible::Role role, const std::string& where) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << where;
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(window);
  ASSERT_TRUE(a) << where;
  EXPECT_EQ(a->role(), role) << where;
  EXPECT_EQ(a->text(QAccessible::Name), window->windowTitle()) << where;
  EXPECT_EQ(oneShowingFocus(), "") << where;
  EXPECT_EQ(groupsHoldingStrangers(window).join(" | ").toStdString(), "") << where;
}

TEST_F(ScreenReaders, EveryWindowIsHeardAsAWindowWithOneFocusAndGroupsOfTheirOwn) {
  expectHeardAsWindow(menu, QAccessible::Window, "menu");
  for (int project = 1; project <= 10; ++project) {
    control<plat::CommandButton>(*menu, "projectButton", project).click();
    plat::Form* window = menu->currentProject();
    ASSERT_TRUE(window) << project;
    const std::string name = window->windowTitle().toStdString();
    expectHeardAsWindow(window, QAccessible::Window, name);
    // The water wheel's parameters dialog is a dialog over its window.
    for (plat::CommandButton* b : window->findChildren<plat::CommandButton*>())
      if (b->accessibleName() == "Parameters") {
        b->click();
        auto* dialog = window->findChild<QWidget*>("parametersDialog");
        ASSERT_TRUE(dialog) << name;
        expectHeardAsWindow(dialog, QAccessible::Dialog, name + " parameters");
        dialog->close();
      }
    window->close();
    QCoreApplication::processEvents();
  }
}

}  // namespace
