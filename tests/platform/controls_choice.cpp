// Spin buttons, option groups, check boxes and scroll bars: which event fires, how often,
// and when nothing must fire.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <vector>

#include "platform/button.h"
#include "platform/checkbox.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/panel.h"
#include "platform/scrollbar.h"
#include "platform/spinbutton.h"
#include "tests/support/controls.h"
#include "tests/support/screenreader.h"

using namespace plat;

TEST(SpinButton, EachPressOfAHalfStepsOnce) {
  QWidget w;
  SpinButton spin(&w);
  spin.setGeometry(0, 0, 17, 25);
  int up = 0, down = 0;
  spin.onSpinUp = [&] { ++up; };
  spin.onSpinDown = [&] { ++down; };
  QTest::mouseClick(spin.upButton(), Qt::LeftButton);
  EXPECT_EQ(up, 1);
  EXPECT_EQ(down, 0);
  QTest::mouseClick(spin.downButton(), Qt::LeftButton);
  QTest::mouseClick(spin.downButton(), Qt::LeftButton);
  EXPECT_EQ(up, 1);
  EXPECT_EQ(down, 2);
}

TEST(SpinButton, HorizontalHasDownOnTheLeft) {
  QWidget w;
  SpinButton spin(&w, Qt::Horizontal);
  spin.setGeometry(0, 0, 65, 17);
  EXPECT_LT(spin.downButton()->x(), spin.upButton()->x());
  EXPECT_EQ(spin.upButton()->arrowType(), Qt::RightArrow);
  EXPECT_EQ(spin.downButton()->arrowType(), Qt::LeftArrow);
}

TEST(SpinButton, HeldHalfRepeatsAndDisabledButtonIsSilent) {
  QWidget w;
  SpinButton spin(&w);
  spin.setGeometry(0, 0, 17, 25);
  int up = 0;
  spin.onSpinUp = [&] { ++up; };
  QTest::mousePress(spin.upButton(), Qt::LeftButton);
  EXPECT_EQ(up, 1);  // the press itself steps once
  // Held down, the half goes on stepping by itself (after its repeat delay).
  EXPECT_TRUE(QTest::qWaitFor([&] { return up >= 3; }, 10000));
  QTest::mouseRelease(spin.upButton(), Qt::LeftButton);
  const int released = up;
  QCoreApplication::processEvents();
  EXPECT_EQ(up, released);  // the release adds no step
  EXPECT_FALSE(spin.upButton()->isDown());

  up = 0;
  spin.setEnabled(false);
  QTest::mouseClick(spin.upButton(), Qt::LeftButton);
  spin.spinUp();
  EXPECT_EQ(up, 0);
}

TEST(SpinButton, AutomationPressStepsOnce) {
  QWidget w;
  SpinButton spin(&w);
  spin.setAccessibleCaption("Mass");
  spin.setGeometry(0, 0, 17, 25);
  int up = 0;
  spin.onSpinUp = [&] { ++up; };
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(spin.upButton());
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->text(QAccessible::Name), "Mass up");
  a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  // The press is shown, then released by itself: one step, with no repeat while it shows.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !spin.upButton()->isDown(); }, 10000));
  EXPECT_EQ(up, 1);
}

// Screen readers read the value the window shows beside the spin button, its limits and its
// step; a single-precision value reads as the number shown, not as its binary neighbour.
TEST(SpinButton, ScreenReadersReadTheValueItsLimitsAndItsStep) {
  QWidget w;
  SpinButton spin(&w);
  spin.setAccessibleCaption("A1");
  spin.setValue(-115, -180, 180, 5);
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&spin);
  ASSERT_NE(a, nullptr);
  QAccessibleValueInterface* v = a->valueInterface();
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(a->text(QAccessible::Name), "A1");
  EXPECT_EQ(v->currentValue().toDouble(), -115);
  EXPECT_EQ(v->minimumValue().toDouble(), -180);
  EXPECT_EQ(v->maximumValue().toDouble(), 180);
  EXPECT_EQ(a->text(QAccessible::Value), "-115");
  EXPECT_EQ(v->minimumStepSize().toDouble(), 5);  // a joint's resolution

  spin.setValue(0.05f, 0.0f, 1.0f, 0.01f);  // a friction as the window keeps it
  EXPECT_EQ(v->currentValue().toDouble(), 0.05);
  EXPECT_EQ(a->text(QAccessible::Value), "0.05");
  EXPECT_EQ(v->minimumStepSize().toDouble(), 0.01);
  spin.setValue(24.5, 0, 24.5, 1.2348);  // a flow in ounces per second, a valve position a step
  EXPECT_EQ(v->currentValue().toDouble(), 24.5);
  EXPECT_EQ(v->maximumValue().toDouble(), 24.5);
  EXPECT_EQ(v->minimumStepSize().toDouble(), 1.2348);
}

namespace {

// A window shown and active, so the focus can move between its controls; a text field
// stands first in its order.
struct KeyWindow {
  QWidget window;
  QLineEdit* field = new QLineEdit(&window);
  KeyWindow() { field->setGeometry(0, 0, 60, 20); }
  void show() {
    window.resize(200, 140);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    field->setFocus(Qt::OtherFocusReason);
  }
  static void tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
  static void backtab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab); }
};

// The units pair as the windows make it: "Metric" (index 1) first, then "US (English)".
void placeTwins(OptionGroup& units, QWidget* frame) {
  units.add(1, frame, "Metric")->setGeometry(0, 0, 80, 25);
  units.add(0, frame, "US (English)")->setGeometry(90, 0, 100, 25);
}

// A key event as the keyboard's own repeat sends it while a key is held.
void sendRepeat(QWidget* w, Qt::Key key) {
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(w, &release);
  QApplication::sendEvent(w, &press);
}

}  // namespace

// Screen readers see the pair as one spin button, named by its caption, that has the focus.
TEST(SpinButton, TakesTheFocusByTabAndByAClickAndShowsIt) {
  KeyWindow k;
  auto* angle = new SpinButton(&k.window);
  angle->setAccessibleCaption("Angle");
  angle->setGeometry(0, 30, 17, 25);
  auto* disabled = new SpinButton(&k.window);
  disabled->setGeometry(20, 30, 17, 25);
  disabled->setEnabled(false);
  auto* mass = new SpinButton(&k.window);
  mass->setGeometry(40, 30, 17, 25);
  k.show();
  const QImage before = angle->grab().toImage();

  KeyWindow::tab();
  EXPECT_TRUE(angle->hasFocus());
  EXPECT_NE(angle->grab().toImage(), before);  // the focus shows
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(angle);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::SpinBox);
  EXPECT_EQ(a->text(QAccessible::Name), "Angle");
  EXPECT_TRUE(a->state().focused);
  KeyWindow::tab();  // a disabled spin button is passed over
  EXPECT_TRUE(mass->hasFocus());
  EXPECT_EQ(angle->grab().toImage(), before);
  KeyWindow::backtab();
  EXPECT_TRUE(angle->hasFocus());

  // A click on a half takes the focus for the spin button and steps once.
  int down = 0;
  mass->onSpinDown = [&] { ++down; };
  QTest::mouseClick(mass->downButton(), Qt::LeftButton);
  EXPECT_TRUE(mass->hasFocus());
  EXPECT_EQ(down, 1);
}

// Whichever way a spin button lies, Up and Right step it up, Down and Left down.
TEST(SpinButton, ArrowKeysPressItsHalvesOneStepAKey) {
  KeyWindow k;
  auto* upright = new SpinButton(&k.window);
  upright->setGeometry(0, 30, 17, 25);
  auto* sideways = new SpinButton(&k.window, Qt::Horizontal);
  sideways->setGeometry(0, 60, 65, 17);
  k.show();
  std::vector<std::string> steps;
  upright->onSpinUp = [&] { steps.push_back("up"); };
  upright->onSpinDown = [&] { steps.push_back("down"); };
  sideways->onSpinUp = [&] { steps.push_back("right"); };
  sideways->onSpinDown = [&] { steps.push_back("left"); };

  for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}) QTest::keyClick(upright, key);
  QTest::keyClick(upright, Qt::Key_Up, Qt::ControlModifier);  // not a step
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down})
    QTest::keyClick(sideways, key);
  EXPECT_EQ(steps,
            (std::vector<std::string>{"up", "up", "down", "down", "up", "right", "left", "left", "right", "left"}));
  EXPECT_FALSE(upright->upButton()->isDown());
  EXPECT_FALSE(sideways->downButton()->isDown());
}

// A held key steps as a held mouse button does: once at the press, then on the half's own
// repeat, never for the keyboard's repeat, and not at the release.
TEST(SpinButton, HeldKeyRepeatsAsAHeldHalfDoes) {
  KeyWindow k;
  auto* spin = new SpinButton(&k.window);
  spin->setGeometry(0, 30, 17, 25);
  k.show();
  spin->setFocus(Qt::TabFocusReason);
  int up = 0;
  spin->onSpinUp = [&] { ++up; };

  QTest::keyPress(spin, Qt::Key_Up);
  EXPECT_EQ(up, 1);
  EXPECT_TRUE(spin->upButton()->isDown());  // the press shows
  sendRepeat(spin, Qt::Key_Up);
  sendRepeat(spin, Qt::Key_Up);
  EXPECT_EQ(up, 1);
  EXPECT_TRUE(spin->upButton()->isDown());
  EXPECT_TRUE(QTest::qWaitFor([&] { return up >= 3; }, 10000));
  QTest::keyRelease(spin, Qt::Key_Up);
  const int released = up;
  QTest::qWait(250);
  EXPECT_EQ(up, released);
  EXPECT_FALSE(spin->upButton()->isDown());

  // The focus leaving while the key is held lets the half go: its release never comes here.
  QTest::keyPress(spin, Qt::Key_Up);
  k.field->setFocus(Qt::MouseFocusReason);
  EXPECT_FALSE(spin->upButton()->isDown());
}

TEST(OptionGroup, ClickFiresOnlyWhenTheChoiceChanges) {
  QWidget frame;
  OptionGroup units;
  units.add(1, &frame, "Metric");
  units.add(0, &frame, "US (English)");
  std::vector<int> clicks;
  units.onClick = [&](int i) { clicks.push_back(i); };

  EXPECT_EQ(units.value(), -1);  // none chosen before the load step chooses
  units.choose(1);
  units.choose(1);
  EXPECT_EQ(clicks, std::vector<int>{1});
  EXPECT_EQ(units.value(), 1);

  QTest::mouseClick(units(0), Qt::LeftButton);
  EXPECT_EQ(clicks, (std::vector<int>{1, 0}));
  EXPECT_FALSE(units(1)->value());
  QTest::mouseClick(units(0), Qt::LeftButton);  // already chosen
  EXPECT_EQ(clicks.size(), 2u);
}

TEST(OptionGroup, ContainersChooseIndependentlyAndAChoiceCanBeCleared) {
  QWidget window;
  QWidget panelA(&window), panelB(&window);
  OptionGroup first, elbow;
  for (int i = 0; i < 3; ++i) {
    first.add(i, &panelA, QString("F%1").arg(i));
    elbow.add(i, &panelB, QString("E%1").arg(i));
  }
  first.choose(2);
  elbow.choose(0);
  EXPECT_EQ(first.value(), 2);
  EXPECT_EQ(elbow.value(), 0);
  first(2)->setValue(false);
  EXPECT_EQ(first.value(), -1);
  first.choose(1);
  EXPECT_EQ(first.value(), 1);
}

// A group's role names its members, those added before it was given and after, by the role
// and their index: how tests find one member of a row.
TEST(OptionGroup, ItsRoleNamesEachMemberByItsIndex) {
  QWidget frame;
  OptionGroup units;
  units.add(1, &frame, "Metric");
  units.setRole("unitsOption");
  units.add(0, &frame, "US");
  EXPECT_EQ(&control<OptionButton>(frame, "unitsOption", 1), units(1));
  EXPECT_EQ(&control<OptionButton>(frame, "unitsOption0"), units(0));
  EXPECT_THROW(control<OptionButton>(frame, "unitsOption", 2), std::logic_error);
}

// Screen readers hear each option in its group: a frame by its caption, a panel that shows
// none by the name the window gives the group, so the robot arm's three "Shortest" options
// stand in three groups of different names. Nothing on screen changes.
TEST(OptionGroup, ScreenReadersHearEachOptionInItsNamedGroup) {
  QWidget window;
  Frame modeFrame(&window, "&Mode");
  Panel elbowPanel(&window), directionPanel(&window);
  OptionGroup modes, elbow, direction;
  modes.add(0, &modeFrame, "Forward");
  elbow.add(0, &elbowPanel, "A2 > 0");
  elbow.add(2, &elbowPanel, "Shortest");
  elbow.setGroupName("Elbow");
  direction.setGroupName("A1 direction");  // given first, it names the members to come
  direction.add(2, &directionPanel, "Shortest");

  QAccessibleInterface* mode = heardGroup(modes(0));
  ASSERT_NE(mode, nullptr);
  EXPECT_EQ(mode->role(), QAccessible::Grouping);
  EXPECT_EQ(mode->text(QAccessible::Name), "Mode");
  QAccessibleInterface* elbowGroup = heardGroup(elbow(2));
  QAccessibleInterface* directionGroup = heardGroup(direction(2));
  ASSERT_NE(elbowGroup, nullptr);
  ASSERT_NE(directionGroup, nullptr);
  EXPECT_EQ(elbowGroup->role(), QAccessible::Grouping);
  EXPECT_EQ(elbowGroup->text(QAccessible::Name), "Elbow");
  EXPECT_EQ(directionGroup->text(QAccessible::Name), "A1 direction");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(elbow(2))->text(QAccessible::Name), "Shortest");
  EXPECT_EQ(elbowPanel.caption(), "");
}

TEST(OptionGroup, MembersOutlivingTheirGroupStaySafe) {
  QWidget frame;
  QPointer<OptionButton> b;
  {
    OptionGroup g;
    g.onClick = [](int) { FAIL() << "a dead group was called"; };
    b = g.add(0, &frame, "A");
    g.add(1, &frame, "B");
  }
  ASSERT_TRUE(b);
  b->setValue(true);
  EXPECT_TRUE(b->value());
}

// Tab enters a container's options at the chosen one and leaves at the next Tab; the
// arrows move the choice; Space on the chosen option changes nothing.
TEST(OptionGroup, TabEntersAtTheChosenOptionAndLeavesAtTheNextTab) {
  KeyWindow k;
  auto* frame = new QWidget(&k.window);
  frame->setGeometry(0, 30, 200, 30);
  OptionGroup units;
  placeTwins(units, frame);
  auto* after = new QLineEdit(&k.window);
  after->setGeometry(0, 70, 60, 20);
  std::vector<int> clicks;
  units.onClick = [&](int i) { clicks.push_back(i); };
  units.choose(0);  // US (English), the second of the frame
  k.show();

  KeyWindow::tab();
  EXPECT_TRUE(units(0)->hasFocus());
  QTest::keyClick(units(0), Qt::Key_Space);
  EXPECT_EQ(units.value(), 0);
  KeyWindow::tab();
  EXPECT_TRUE(after->hasFocus());
  KeyWindow::backtab();
  EXPECT_TRUE(units(0)->hasFocus());

  QTest::keyClick(units(0), Qt::Key_Left);  // the arrows move the choice within the group
  EXPECT_TRUE(units(1)->hasFocus());
  EXPECT_EQ(units.value(), 1);
  KeyWindow::backtab();
  EXPECT_TRUE(k.field->hasFocus());
  KeyWindow::tab();
  EXPECT_TRUE(units(1)->hasFocus());

  // A choice made by code moves the entry too.
  k.field->setFocus(Qt::OtherFocusReason);
  units.choose(0);
  KeyWindow::tab();
  EXPECT_TRUE(units(0)->hasFocus());
  EXPECT_EQ(clicks, (std::vector<int>{0, 1, 0}));
}

// A Click that gives the focus to another control (the rocket's units hand it to the launch
// button) keeps it there when an arrow key made the choice, as when the mouse made it.
TEST(OptionGroup, AnArrowKeyLeavesTheFocusWhereTheClickPutIt) {
  KeyWindow k;
  auto* frame = new QWidget(&k.window);
  frame->setGeometry(0, 30, 200, 30);
  OptionGroup units;
  placeTwins(units, frame);
  auto* launch = new QLineEdit(&k.window);
  launch->setGeometry(0, 70, 60, 20);
  units.onClick = [&](int) { launch->setFocus(); };
  units.choose(0);
  k.show();

  units(0)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(units(0), Qt::Key_Left);
  EXPECT_EQ(units.value(), 1);
  EXPECT_TRUE(launch->hasFocus());
  QTest::mouseClick(units(0), Qt::LeftButton);
  EXPECT_EQ(units.value(), 0);
  EXPECT_TRUE(launch->hasFocus());

  // A Click that leaves the focus alone: it moves with the choice.
  units.onClick = nullptr;
  units(0)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(units(0), Qt::Key_Left);
  EXPECT_EQ(units.value(), 1);
  EXPECT_TRUE(units(1)->hasFocus());
}

TEST(OptionGroup, WithNoneChosenTabEntersAtTheFirstOption) {
  KeyWindow k;
  auto* frame = new QWidget(&k.window);
  frame->setGeometry(0, 30, 200, 30);
  OptionGroup units;
  placeTwins(units, frame);
  auto* after = new QLineEdit(&k.window);
  after->setGeometry(0, 70, 60, 20);
  k.show();
  KeyWindow::tab();
  EXPECT_TRUE(units(1)->hasFocus());
  EXPECT_EQ(units.value(), -1);  // reaching an option chooses nothing
  KeyWindow::tab();
  EXPECT_TRUE(after->hasFocus());
}

TEST(CheckBox, ClickFiresOnEveryChangeFromUserOrCode) {
  QWidget w;
  CheckBox chute(&w, "Use Chute?");
  int clicks = 0;
  chute.onClick = [&] { ++clicks; };
  chute.setValue(1);
  chute.setValue(1);
  EXPECT_EQ(clicks, 1);
  QTest::mouseClick(&chute, Qt::LeftButton, {}, QPoint(5, chute.height() / 2));
  EXPECT_EQ(chute.value(), 0);
  EXPECT_EQ(clicks, 2);
  chute.setValue(2);
  EXPECT_EQ(chute.value(), 2);
  chute.setValue(7);  // refused
  EXPECT_EQ(chute.value(), 2);
  EXPECT_EQ(clicks, 3);
  QTest::mouseClick(&chute, Qt::LeftButton, {}, QPoint(5, chute.height() / 2));
  EXPECT_EQ(chute.value(), 1);  // a greyed box becomes checked
}

TEST(ScrollBar, ChangeFiresOnEveryValueChangeAlsoFromCode) {
  QWidget w;
  HScrollBar bar(&w);
  bar.setGeometry(0, 0, 150, 17);
  bar.setRange(20, 100);
  int changes = 0, scrolls = 0;
  bar.onChange = [&] { ++changes; };
  bar.onScroll = [&] { ++scrolls; };
  bar.setValue(50);
  bar.setValue(50);
  EXPECT_EQ(changes, 1);
  bar.setValue(500);  // held within the range
  EXPECT_EQ(bar.value(), 100);
  EXPECT_EQ(changes, 2);
  bar.bar()->triggerAction(QAbstractSlider::SliderSingleStepSub);  // an arrow click
  EXPECT_EQ(bar.value(), 99);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(scrolls, 0);
}

TEST(ScrollBar, DragScrollsThenChangesOnceAtTheEnd) {
  QWidget w;
  HScrollBar bar(&w);
  bar.setGeometry(0, 0, 150, 17);
  bar.setRange(0, 900);
  int changes = 0, scrolls = 0;
  bar.onChange = [&] { ++changes; };
  bar.onScroll = [&] {
    ++scrolls;
    EXPECT_EQ(bar.value(), bar.bar()->sliderPosition());
  };
  QScrollBar* q = bar.bar();
  q->setSliderDown(true);
  q->setSliderPosition(100);
  q->setSliderPosition(200);
  q->setSliderPosition(450);
  q->setSliderDown(false);
  EXPECT_EQ(scrolls, 3);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(bar.value(), 450);
  // A drag that comes back where it started changes nothing.
  q->setSliderDown(true);
  q->setSliderPosition(460);
  q->setSliderPosition(450);
  q->setSliderDown(false);
  EXPECT_EQ(changes, 1);
}

TEST(ScrollBar, NarrowedRangeMovesTheValueWithAChange) {
  QWidget w;
  HScrollBar mass(&w);
  mass.setRange(41, 143);
  mass.setValue(140);
  int changes = 0;
  mass.onChange = [&] { ++changes; };
  // Raising the thrust to 5 N: the mass limits become 102 to 357 g, the value is inside.
  mass.setMax(357);
  mass.setMin(102);
  EXPECT_EQ(mass.value(), 140);
  EXPECT_EQ(changes, 0);
  // Lowering it to 3 N: 61 to 214 g; a value above the new top comes down with a Change.
  mass.setValue(300);
  changes = 0;
  mass.setRange(61, 214);
  EXPECT_EQ(mass.value(), 214);
  EXPECT_EQ(changes, 1);
}

TEST(ScrollBar, MinAboveMaxRunsBackwards) {
  QWidget w;
  VScrollBar bar(&w);
  bar.setRange(10, 0);
  bar.setValue(10);
  EXPECT_EQ(bar.bar()->value(), bar.bar()->minimum());             // Min at the top end
  bar.bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // towards Max
  EXPECT_EQ(bar.value(), 9);
}

// The keys move a bar as its arrows and track do, each move a Change: arrows by the small
// change, the page keys by the large change, Home and End to Min and Max.
TEST(ScrollBar, KeysMoveTheBarWithAChangeForEachMove) {
  QWidget w;
  auto* effort = new HScrollBar(&w);
  effort->setGeometry(0, 0, 150, 17);
  effort->setRange(0, 100);
  effort->setLargeChange(10);
  effort->setValue(50);
  std::vector<int> changes;
  effort->onChange = [&] { changes.push_back(effort->value()); };
  QWidget* target = effort->bar();
  for (int i = 0; i < 3; ++i) QTest::keyClick(target, Qt::Key_Right);
  QTest::keyClick(target, Qt::Key_Left);
  QTest::keyClick(target, Qt::Key_PageDown);
  QTest::keyClick(target, Qt::Key_PageUp);
  QTest::keyClick(target, Qt::Key_PageUp);
  QTest::keyClick(target, Qt::Key_Down);
  QTest::keyClick(target, Qt::Key_Up);
  QTest::keyClick(target, Qt::Key_End);
  QTest::keyClick(target, Qt::Key_End);  // already at Max: no Change
  QTest::keyClick(target, Qt::Key_Home);
  QTest::keyClick(target, Qt::Key_Left);  // already at Min
  EXPECT_EQ(changes, (std::vector<int>{51, 52, 53, 52, 62, 52, 42, 43, 42, 100, 0}));

  // A bar running from Min at its top down to a smaller Max: Home goes to Min at the top,
  // Down moves towards Max.
  VScrollBar days(&w);
  days.setRange(46, 1);
  days.setLargeChange(15);
  days.setValue(20);
  QTest::keyClick(days.bar(), Qt::Key_Down);
  EXPECT_EQ(days.value(), 19);
  QTest::keyClick(days.bar(), Qt::Key_PageDown);
  EXPECT_EQ(days.value(), 4);
  QTest::keyClick(days.bar(), Qt::Key_Home);
  EXPECT_EQ(days.value(), 46);
}

// Each key moves the bar by its own step, held within the range: a small change of 5 and a
// large change of 20 on a bar of 0 to 100, as the arrows and the track move it; with Ctrl or
// Alt an arrow is no move.
TEST(ScrollBar, KeysAndTrackMoveByStepsOtherThanOneWithinTheRange) {
  QWidget w;
  auto* bar = new HScrollBar(&w);
  bar->setGeometry(0, 0, 150, 17);
  bar->setRange(0, 100);
  bar->setSmallChange(5);
  bar->setLargeChange(20);
  bar->setValue(50);
  std::vector<int> changes;
  bar->onChange = [&] { changes.push_back(bar->value()); };
  QWidget* target = bar->bar();
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_PageDown,
                      Qt::Key_PageUp, Qt::Key_PageUp})
    QTest::keyClick(target, key);
  EXPECT_EQ(changes, (std::vector<int>{55, 60, 55, 50, 45, 65, 45, 25}));
  QTest::keyClick(target, Qt::Key_Right, Qt::ControlModifier);
  QTest::keyClick(target, Qt::Key_PageDown, Qt::AltModifier);
  EXPECT_EQ(bar->value(), 25);

  // Near the ends a step stops at the end, and a step past it is no Change.
  bar->setValue(97);
  changes.clear();
  QTest::keyClick(target, Qt::Key_Right);
  QTest::keyClick(target, Qt::Key_Right);
  QTest::keyClick(target, Qt::Key_PageDown);
  bar->setValue(13);
  QTest::keyClick(target, Qt::Key_PageUp);
  QTest::keyClick(target, Qt::Key_Left);
  EXPECT_EQ(changes, (std::vector<int>{100, 13, 0}));

  // The arrows and the track, as a click does.
  bar->setValue(50);
  changes.clear();
  QScrollBar* q = bar->bar();
  q->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  q->triggerAction(QAbstractSlider::SliderPageStepSub);
  q->triggerAction(QAbstractSlider::SliderSingleStepSub);
  q->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(changes, (std::vector<int>{55, 35, 30, 50}));
  EXPECT_EQ(bar->smallChange(), 5);
  EXPECT_EQ(bar->largeChange(), 20);
}

// A bar running from a greater Min at its top to a smaller Max: Down and Page Down move
// towards Max by the small and the large change, Up and Page Up back, and the steps stop at
// both ends.
TEST(ScrollBar, ABackwardBarStepsTowardsMaxAndStopsAtBothEnds) {
  QWidget w;
  auto* bar = new VScrollBar(&w);
  bar->setGeometry(0, 0, 17, 150);
  bar->setRange(200, 0);
  bar->setSmallChange(5);
  bar->setLargeChange(25);
  bar->setValue(100);
  std::vector<int> changes;
  bar->onChange = [&] { changes.push_back(bar->value()); };
  QWidget* target = bar->bar();
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Left,
                      Qt::Key_Right, Qt::Key_End, Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_Up, Qt::Key_PageDown})
    QTest::keyClick(target, key);
  EXPECT_EQ(changes, (std::vector<int>{95, 100, 105, 80, 105, 110, 105, 0, 5, 200, 175}));
  bar->setValue(190);
  changes.clear();
  QTest::keyClick(target, Qt::Key_PageUp);
  bar->setValue(12);
  QTest::keyClick(target, Qt::Key_PageDown);
  QTest::keyClick(target, Qt::Key_Down);
  EXPECT_EQ(changes, (std::vector<int>{200, 12, 0}));
}

// A bar moves by the steps it reports from the start: a small and a large change of 1 until
// the window gives others.
TEST(ScrollBar, ABarMovesByTheStepsItReportsFromTheStart) {
  QWidget w;
  HScrollBar bar(&w);
  bar.setRange(0, 100);
  bar.setValue(50);
  EXPECT_EQ(bar.smallChange(), 1);
  EXPECT_EQ(bar.largeChange(), 1);
  QTest::keyClick(bar.bar(), Qt::Key_PageDown);
  EXPECT_EQ(bar.value(), 51);
  QTest::keyClick(bar.bar(), Qt::Key_Left);
  EXPECT_EQ(bar.value(), 50);
}

// A value set by code is held within the range, whichever way the bar runs.
TEST(ScrollBar, AValueSetByCodeIsHeldWithinTheRangeEitherWay) {
  QWidget w;
  HScrollBar forward(&w);
  forward.setRange(20, 100);
  forward.setValue(-5);
  EXPECT_EQ(forward.value(), 20);
  forward.setValue(32767);
  EXPECT_EQ(forward.value(), 100);
  VScrollBar days(&w);
  days.setRange(46, 1);
  days.setValue(0);
  EXPECT_EQ(days.value(), 1);
  EXPECT_EQ(days.bar()->value(), days.bar()->maximum());  // Max at the bottom end
  days.setValue(47);
  EXPECT_EQ(days.value(), 46);
  EXPECT_EQ(days.bar()->value(), days.bar()->minimum());
  days.setValue(30);
  days.setRange(20, 1);
  EXPECT_EQ(days.value(), 20);
  days.setRange(50, 25);
  EXPECT_EQ(days.value(), 25);
}

// A temperature held in tenths of a degree Celsius and shown in Fahrenheit (32 + 1.8 C):
// screen readers hear the limits, the value and the small change in Fahrenheit, whichever
// way the bar runs, and a value they set, at either end or beyond, is taken in Fahrenheit.
TEST(ScrollBar, ScreenReadersHearTheStepInTheUnitsShown) {
  QWidget w;
  for (bool backward : {false, true}) {
    SCOPED_TRACE(backward ? "backward" : "forward");
    HScrollBar heat(&w);
    heat.setRange(backward ? 400 : -100, backward ? -100 : 400);
    heat.setSmallChange(5);
    heat.setLargeChange(50);
    heat.setValue(0);
    heat.setShownValue([](int tenths) { return 32 + 1.8 * tenths / 10; });
    QAccessibleValueInterface* v = QAccessible::queryAccessibleInterface(heat.bar())->valueInterface();
    ASSERT_NE(v, nullptr);
    EXPECT_DOUBLE_EQ(v->minimumValue().toDouble(), 14);
    EXPECT_DOUBLE_EQ(v->maximumValue().toDouble(), 104);
    EXPECT_DOUBLE_EQ(v->currentValue().toDouble(), 32);
    EXPECT_DOUBLE_EQ(v->minimumStepSize().toDouble(), 0.9);
    heat.setSmallChange(10);
    EXPECT_DOUBLE_EQ(v->minimumStepSize().toDouble(), 1.8);
    heat.setShownValue(inTenths);  // back to Celsius
    EXPECT_DOUBLE_EQ(v->minimumStepSize().toDouble(), 1.0);

    heat.setShownValue([](int tenths) { return 32 + 1.8 * tenths / 10; });
    v->setCurrentValue(104);
    EXPECT_EQ(heat.value(), 400);
    v->setCurrentValue(14);
    EXPECT_EQ(heat.value(), -100);
    v->setCurrentValue(500);
    EXPECT_EQ(heat.value(), 400);
    v->setCurrentValue(50);
    EXPECT_EQ(heat.value(), 100);
  }
}

// Screen readers hear a bar's value, limits and steps as the window shows them: the thrust
// bar's 100 tenths of a newton as the 10.0 of its read-out, from 2.0 to 10.0 by 0.1.
TEST(ScrollBar, ScreenReadersHearTheValueAsTheWindowShowsIt) {
  QWidget w;
  HScrollBar thrust(&w);
  thrust.setAccessibleCaption("Thrust");
  thrust.setRange(20, 100);
  thrust.setValue(100);
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(thrust.bar());
  ASSERT_NE(a, nullptr);
  QAccessibleValueInterface* v = a->valueInterface();
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->currentValue().toDouble(), 100);  // no way of showing it given: as it is
  thrust.setShownValue([](int tenths) { return tenths / 10.0; });
  EXPECT_EQ(a->role(), QAccessible::ScrollBar);
  EXPECT_EQ(a->text(QAccessible::Name), "Thrust");
  EXPECT_EQ(v->currentValue().toDouble(), 10);
  EXPECT_EQ(a->text(QAccessible::Value), "10");
  EXPECT_EQ(v->minimumValue().toDouble(), 2);
  EXPECT_EQ(v->maximumValue().toDouble(), 10);
  EXPECT_DOUBLE_EQ(v->minimumStepSize().toDouble(), 0.1);
  thrust.setValue(39);
  EXPECT_EQ(a->text(QAccessible::Value), "3.9");
  QTest::keyClick(thrust.bar(), Qt::Key_Right);
  EXPECT_EQ(v->currentValue().toDouble(), 4);

  // A value a reader sets is taken as shown: the bar moves there, with its Change.
  int changes = 0;
  thrust.onChange = [&] { ++changes; };
  v->setCurrentValue(6.3);
  EXPECT_EQ(thrust.value(), 63);
  EXPECT_EQ(changes, 1);
}

// A mass held in grams and shown in ounces: the limits are heard in ounces too, and a change
// of units alone, which leaves the bar where it was, is announced as the new value heard.
TEST(ScrollBar, AChangeOfUnitsIsHeardAsANewValue) {
  QWidget w;
  HScrollBar mass(&w);
  mass.setRange(204, 714);
  mass.setValue(204);
  HeardEvents heard;
  mass.setShownValue([](int grams) { return std::round(grams * 0.3527) / 10; });
  EXPECT_EQ(heardValue(mass.bar()), 7.2);
  EXPECT_EQ(heard.count(mass.bar(), QAccessible::ValueChanged), 1);
  QAccessibleValueInterface* v = QAccessible::queryAccessibleInterface(mass.bar())->valueInterface();
  EXPECT_EQ(v->minimumValue().toDouble(), 7.2);
  EXPECT_EQ(v->maximumValue().toDouble(), 25.2);
  mass.setShownValue([](int grams) { return std::round(grams * 0.3527) / 10; });
  EXPECT_EQ(heard.count(mass.bar(), QAccessible::ValueChanged), 1);  // heard as before
  mass.setShownValue({});                                            // back to grams
  EXPECT_EQ(heardValue(mass.bar()), 204);
  EXPECT_EQ(heard.count(mass.bar(), QAccessible::ValueChanged), 2);

  // A bar running from a greater Min to a smaller Max is heard by its own value.
  VScrollBar days(&w);
  days.setRange(46, 1);
  days.setValue(20);
  EXPECT_EQ(heardValue(days.bar()), 20);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(days.bar())->valueInterface()->maximumValue().toDouble(), 46);
}

TEST(ScrollBar, TakesTheFocusByTabAndByAClickAndShowsIt) {
  QWidget w;
  auto* field = new QLineEdit(&w);
  field->setGeometry(0, 0, 80, 20);
  auto* first = new HScrollBar(&w);
  first->setGeometry(0, 30, 150, 17);
  first->setRange(0, 200);
  auto* second = new HScrollBar(&w);
  second->setGeometry(0, 60, 150, 17);
  second->setRange(0, 200);
  w.resize(160, 90);
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  field->setFocus(Qt::OtherFocusReason);
  const QImage before = first->grab().toImage();

  QTest::keyClick(field, Qt::Key_Tab);
  EXPECT_TRUE(first->bar()->hasFocus());
  EXPECT_NE(first->grab().toImage(), before);  // the focus shows
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(second->bar()->hasFocus());
  EXPECT_EQ(first->grab().toImage(), before);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_TRUE(first->bar()->hasFocus());

  // A click on the track takes the focus and moves the bar by its large change.
  second->setLargeChange(10);
  int changes = 0;
  second->onChange = [&] { ++changes; };
  QTest::mouseClick(second->bar(), Qt::LeftButton, {}, QPoint(120, 8));
  EXPECT_TRUE(second->bar()->hasFocus());
  EXPECT_EQ(second->value(), 10);
  EXPECT_EQ(changes, 1);
}

// Enter presses a focused button as Space does: Click at the release, once however long the
// key is held; with Ctrl or Alt it is no press.
TEST(CommandButton, EnterPressesTheFocusedButtonAsSpaceDoes) {
  KeyWindow k;
  auto* start = new CommandButton(&k.window, "&Start");
  start->setGeometry(0, 30, 80, 30);
  int clicks = 0;
  start->onClick = [&] { ++clicks; };
  k.show();
  KeyWindow::tab();
  ASSERT_TRUE(start->hasFocus());

  QTest::keyClick(start, Qt::Key_Return);
  EXPECT_EQ(clicks, 1);
  QTest::keyClick(start, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(clicks, 2);
  QTest::keyClick(start, Qt::Key_Space);
  EXPECT_EQ(clicks, 3);

  QTest::keyPress(start, Qt::Key_Return);
  EXPECT_TRUE(start->isDown());
  EXPECT_EQ(clicks, 3);
  sendRepeat(start, Qt::Key_Return);
  sendRepeat(start, Qt::Key_Return);
  QTest::keyRelease(start, Qt::Key_Return);
  EXPECT_EQ(clicks, 4);
  EXPECT_FALSE(start->isDown());

  QTest::keyClick(start, Qt::Key_Return, Qt::ControlModifier);
  QTest::keyClick(start, Qt::Key_Return, Qt::AltModifier);
  EXPECT_EQ(clicks, 4);
}

namespace {

// Six options in two columns of three, as the lander's levels stand, each column placed
// before the other is, so the order of building is not the reading order.
struct TwoColumns {
  KeyWindow k;
  QWidget* frame = new QWidget(&k.window);
  OptionGroup levels;
  std::vector<int> clicks;
  TwoColumns() {
    frame->setGeometry(0, 30, 200, 100);
    k.window.resize(200, 140);
    // Reading order: 0, 2, 4 down the left column, then 1, 3, 5 down the right.
    for (int i = 0; i < 6; ++i)
      levels.add(i, frame, QString("Level %1").arg(i))->setGeometry(i % 2 * 100, i / 2 * 30, 90, 25);
    levels.onClick = [this](int i) { clicks.push_back(i); };
    levels.choose(0);
    clicks.clear();
    k.show();
    levels(0)->setFocus(Qt::TabFocusReason);
  }
  void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
};

}  // namespace

// Up and Left choose the previous option and Down and Right the next, down each column and
// then on to the next, wrapping round at both ends; each choice runs Click and takes the
// focus, which never leaves the group.
TEST(OptionGroup, ArrowsMoveThroughTheGroupInReadingOrderAndWrapRound) {
  TwoColumns g;
  for (int i = 0; i < 6; ++i) g.press(Qt::Key_Down);
  EXPECT_EQ(g.clicks, (std::vector<int>{2, 4, 1, 3, 5, 0}));
  EXPECT_TRUE(g.levels(0)->hasFocus());
  g.clicks.clear();
  g.press(Qt::Key_Up);  // from the first back round to the last
  g.press(Qt::Key_Left);
  g.press(Qt::Key_Right);
  g.press(Qt::Key_Right);  // from the last on round to the first
  EXPECT_EQ(g.clicks, (std::vector<int>{5, 3, 5, 0}));
  EXPECT_EQ(g.levels.value(), 0);
  EXPECT_TRUE(g.levels(0)->hasFocus());
}

// An option that is hidden or disabled is passed over; a group of one stays where it is.
TEST(OptionGroup, ArrowsPassOverOptionsThatCannotBeChosen) {
  TwoColumns g;
  g.levels(2)->setEnabled(false);
  g.levels(1)->hide();
  g.press(Qt::Key_Down);
  g.press(Qt::Key_Down);
  EXPECT_EQ(g.clicks, (std::vector<int>{4, 3}));
  for (int i : {0, 1, 2, 4, 5}) g.levels(i)->hide();
  g.clicks.clear();
  g.press(Qt::Key_Down);
  EXPECT_TRUE(g.levels(3)->hasFocus());
  EXPECT_TRUE(g.clicks.empty());
}

// Options side by side (Metric beside US): Down and Up change the unit as Right and Left do.
TEST(OptionGroup, UpAndDownChooseAmongOptionsSideBySide) {
  KeyWindow k;
  auto* frame = new QWidget(&k.window);
  frame->setGeometry(0, 30, 200, 30);
  OptionGroup units;
  placeTwins(units, frame);
  std::vector<int> clicks;
  units.onClick = [&](int i) { clicks.push_back(i); };
  units.choose(1);
  k.show();
  units(1)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(units(1), Qt::Key_Down);
  EXPECT_EQ(units.value(), 0);
  EXPECT_TRUE(units(0)->hasFocus());
  QTest::keyClick(units(0), Qt::Key_Down);
  QTest::keyClick(units(1), Qt::Key_Up);
  EXPECT_EQ(clicks, (std::vector<int>{1, 0, 1, 0}));
}
