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

#include <QRegularExpression>

#include "platform/button.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/picturebox.h"
#include "platform/textbox.h"
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

// A read-out: a label whose text is a figure ("1864", "-3.5", ".25 V"), unless a word after
// the figure says what it is ("0.00 Seconds").
bool showsAFigure(const QString& text) {
  static const QRegularExpression kFigure("^\\s*[-+]?(\\d|\\.\\d)");
  static const QRegularExpression kNamedFigure("^\\s*[-+]?[\\d.]+\\s+[A-Za-z]{3,}");
  return kFigure.match(text).hasMatch() && !kNamedFigure.match(text).hasMatch();
}

// Every figure a window shows is heard with what it is: labelled by a caption, or named with
// words before it; every picture is named by what it shows; and no title written a letter a
// label is heard as a row of letters.
TEST_F(ScreenReaders, EveryFigureIsHeardWithItsCaptionAndEveryPictureByWhatItShows) {
  int figures = 0, pictures = 0;
  for (int project = 1; project <= 10; ++project) {
    control<plat::CommandButton>(*menu, "projectButton", project).click();
    plat::Form* window = menu->currentProject();
    ASSERT_TRUE(window) << project;
    const std::string where = window->windowTitle().toStdString();
    for (plat::Label* l : window->findChildren<plat::Label*>()) {
      if (l->hiddenFromReaders()) continue;
      const QString heard = QAccessible::queryAccessibleInterface(l)->text(QAccessible::Name);
      if (showsAFigure(l->text()) && l->findReadouts().empty()) {
        ++figures;
        const bool labelled = !QAccessible::queryAccessibleInterface(l)->relations(QAccessible::Label).isEmpty();
        EXPECT_TRUE(labelled || heard != l->text())
            << where << ": " << l->objectName().toStdString() << " \"" << l->text().toStdString()
            << "\" is heard with nothing to say what it is";
      }
      EXPECT_FALSE(heard.size() == 1 && heard.at(0).isUpper() && l->alignment() & Qt::AlignHCenter &&
                   l->width() < l->height() * 2)
          << where << ": the letter " << heard.toStdString() << " is heard alone";
    }
    for (plat::PictureBox* p : window->findChildren<plat::PictureBox*>()) {
      ++pictures;
      EXPECT_FALSE(QAccessible::queryAccessibleInterface(p)->text(QAccessible::Name).isEmpty())
          << where << ": " << p->objectName().toStdString() << " is a picture with no name";
    }
    window->close();
    QCoreApplication::processEvents();
  }
  EXPECT_GT(figures, 60);
  EXPECT_GT(pictures, 20);
}

// The messages that appear on their own are notifications, which a screen reader announces
// as they show: a shot's hit or miss once a shot, the short circuit, the crash.
TEST_F(ScreenReaders, MessagesThatAppearOnTheirOwnAreAnnouncedOnceAsTheyShow) {
  auto role = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->role(); };
  control<plat::CommandButton>(*menu, "projectButton", 4).click();
  EXPECT_EQ(role(&control<plat::TextBox>(*menu->currentProject(), "crashText")), QAccessible::Notification);
  menu->currentProject()->close();
  QCoreApplication::processEvents();
  control<plat::CommandButton>(*menu, "projectButton", 6).click();
  EXPECT_EQ(role(&control<plat::Label>(*menu->currentProject(), "shortWarning")), QAccessible::Notification);
  menu->currentProject()->close();
  QCoreApplication::processEvents();

  control<plat::CommandButton>(*menu, "projectButton", 8).click();
  plat::Form* window = menu->currentProject();
  ASSERT_TRUE(window);
  auto& message = control<plat::Label>(*window, "message");
  EXPECT_EQ(role(&message), QAccessible::Notification);
  HeardEvents heard;
  control<plat::CommandButton>(*window, "shootButton").click();
  ASSERT_TRUE(message.isVisible());
  EXPECT_EQ(heard.count(&message, QAccessible::ObjectShow), 1);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(&message)->text(QAccessible::Name).startsWith("Missed"));
  control<plat::CommandButton>(*window, "shootButton").click();
  EXPECT_EQ(heard.count(&message, QAccessible::ObjectShow), 2);
}

// The moon lander's figures, each with its row's title and its column's head.
TEST_F(ScreenReaders, TheLandersAltitudeIsLabelledByItsCaption) {
  control<plat::CommandButton>(*menu, "projectButton", 4).click();
  plat::Form* window = menu->currentProject();
  ASSERT_TRUE(window);
  auto& altitude = control<plat::Label>(*window, "altitudeValue");
  QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(&altitude);
  QStringList labels;
  for (const auto& [label, relation] : heard->relations(QAccessible::Label)) labels << label->text(QAccessible::Name);
  EXPECT_EQ(labels, (QStringList{"Altitude", "Value (ft)"}));
  EXPECT_EQ(heard->text(QAccessible::Name), "Altitude Value (ft) " + altitude.text());
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
