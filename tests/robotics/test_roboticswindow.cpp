// The robotics window as a user meets it: opened from the menu, switched between modes,
// clicked, moved, printed, and left by Exit or the title bar.

#include <gtest/gtest.h>

#include "tests/support/menufixture.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "app/projects.h"
#include "platform/button.h"
#include "platform/files.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "platform/spinbutton.h"
#include "platform/timer.h"
#include "robotics/roboticswindow.h"
#include "runtime/colour.h"
#include "runtime/numfmt.h"
#include "runtime/palette.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "tests/support/controls.h"
#include "tests/support/doubles.h"
#include "tests/support/screenreader.h"
#include "tests/support/tabchain.h"

namespace {

using robotics::RoboticsWindow;

class RoboticsWindowTest : public MenuFixture {
 protected:
  void SetUp() override {
    MenuFixture::SetUp();
    ASSERT_EQ(shell::settings().JointAngle[0], -115);
  }
  void TearDown() override { MenuFixture::TearDown(); }
  RoboticsWindow* open() {
    control<plat::CommandButton>(*menu, "projectButton", 7).click();
    window = qobject_cast<RoboticsWindow*>(menu->currentProject());
    return window;
  }
  // The window's controls, by the names it gives them: a row's members by role and index.
  plat::PictureBox& grid() const { return control<plat::PictureBox>(*window, "grid"); }
  plat::Timer& motionTimer() const { return control<plat::Timer>(*window, "motionTimer"); }
  plat::CommandButton& button(const QString& name) const { return control<plat::CommandButton>(*window, name); }
  plat::Frame& frame(const QString& name) const { return control<plat::Frame>(*window, name); }
  plat::Label& label(const QString& name) const { return control<plat::Label>(*window, name); }
  plat::Label& label(const QString& role, int row) const { return control<plat::Label>(*window, role, row); }
  plat::SpinButton& spinner(const QString& name) const { return control<plat::SpinButton>(*window, name); }
  plat::SpinButton& spinner(const QString& role, int row) const {
    return control<plat::SpinButton>(*window, role, row);
  }
  plat::OptionButton& option(const QString& role, int index) const {
    return control<plat::OptionButton>(*window, role, index);
  }
  // The index of the chosen option of a group of three, or -1 while none is chosen.
  int chosen(const QString& role) const { return chosenOption(*window, role, 3); }
  // Chooses an option as code does: its Click fires when that changes the choice.
  void choose(const QString& role, int index) const { option(role, index).setValue(true); }
  // Ticks the motion until Move shows again.
  int runToEnd() {
    int ticks = 0;
    while (motionTimer().enabled() && ticks < 5000) {
      motionTimer().fire();
      ++ticks;
    }
    return ticks;
  }
  // Clicks the grid at a point in grid units.
  void clickGrid(double x, double y) {
    const plat::ImageSurface& g = grid().surface();
    const QPoint inner(int(std::lround(g.toDeviceX(x))), int(std::lround(g.toDeviceY(y))));
    QTest::mouseClick(&grid(), Qt::LeftButton, {}, inner + QPoint(1, 1));
  }
  int plays(const char* name) const { return services.sound->countPlays(name); }

  QPointer<RoboticsWindow> window;
};

TEST_F(RoboticsWindowTest, OpensWithTheSharedSettings) {
  ASSERT_TRUE(open());
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->caption(), "Robotics");
  EXPECT_EQ(window->width(), 633);  // 9495 x 6975 twips
  EXPECT_EQ(window->height(), 465);
  EXPECT_EQ(label("angleReadout", 0).caption(), "-115");
  EXPECT_EQ(label("angleReadout", 1).caption(), "100");
  EXPECT_EQ(label("handXReadout").caption(), "2.72");
  EXPECT_EQ(label("handYReadout").caption(), "-5.83");
  EXPECT_EQ(label("link1Readout").caption(), "5");
  EXPECT_EQ(label("link2Readout").caption(), "5");
  EXPECT_EQ(label("resolutionReadout", 0).caption(), "5");
  EXPECT_EQ(label("resolutionReadout", 1).caption(), "5");
  EXPECT_EQ(label("startXReadout").caption(), "2.72");
  EXPECT_EQ(label("startYReadout").caption(), "-5.83");
  EXPECT_EQ(label("desiredXReadout").caption(), "-6.1");
  EXPECT_EQ(label("desiredYReadout").caption(), "2.0");
  EXPECT_EQ(label("stepsReadout").caption(), "50");
  EXPECT_EQ(chosen("modeOption"), 0);
  EXPECT_EQ(chosen("firstJointOption"), 2);
  EXPECT_EQ(chosen("elbowOption"), 0);
  EXPECT_EQ(chosen("directionOption0"), 0);
  EXPECT_EQ(chosen("directionOption1"), 0);
  EXPECT_TRUE(frame("forwardFrame").isVisible());
  EXPECT_FALSE(frame("targetFrame").isVisible());
  EXPECT_EQ(motionTimer().interval(), 50);
  EXPECT_FALSE(motionTimer().enabled());
  EXPECT_TRUE(services.sound->calls.empty());
  // The arm on the grid: link 1 blue halfway to the elbow.
  const plat::ImageSurface& g = grid().surface();
  const auto& p = window->arm().position();
  EXPECT_EQ(g.pixel(int(g.toDeviceX(p.ElbowX / 2)), int(g.toDeviceY(p.ElbowY / 2))), rt::palette::kBlue);
}

// Screen readers hear each option in its group: the mode in the "Mode" frame, the motion's
// choices in panels that show no caption but are named for what they choose, so the three
// "Shortest" options are told apart.
TEST_F(RoboticsWindowTest, ScreenReadersTellTheThreeShortestOptionsApart) {
  ASSERT_TRUE(open());
  auto groupName = [&](const QString& role, int index) {
    QAccessibleInterface* group = heardGroup(&option(role, index));
    EXPECT_TRUE(group && group->role() == QAccessible::Grouping) << role.toStdString();
    return group ? group->text(QAccessible::Name) : QString();
  };
  EXPECT_EQ(groupName("modeOption", 0), "Mode");
  EXPECT_EQ(groupName("firstJointOption", 2), "Joint order");
  EXPECT_EQ(option("elbowOption", 2).caption(), "Shortest");
  EXPECT_EQ(option("directionOption0", 2).caption(), "Shortest");
  EXPECT_EQ(option("directionOption1", 2).caption(), "Shortest");
  EXPECT_EQ(groupName("elbowOption", 2), "Elbow");
  EXPECT_EQ(groupName("directionOption0", 2), "A1 direction");
  EXPECT_EQ(groupName("directionOption1", 2), "A2 direction");
  EXPECT_EQ(groupName("directionOption1", 0), "A2 direction");
}

TEST_F(RoboticsWindowTest, ModesShowTheirFrameAndPrompt) {
  ASSERT_TRUE(open());
  grid().surface().setRecording(true);
  choose("modeOption", 2);
  EXPECT_EQ(shell::settings().RobotMode, 2);
  EXPECT_TRUE(frame("targetFrame").isVisible());
  EXPECT_FALSE(frame("forwardFrame").isVisible());
  EXPECT_EQ(frame("targetFrame").caption(), "Path");
  EXPECT_TRUE(spinner("stepsSpinner").isVisible());
  EXPECT_TRUE(label("stepsTitle").isVisible());
  auto texts = grid().surface().printedTexts();
  EXPECT_EQ(texts.back(), "Click Grid To Establish Path Endpoint");
  choose("modeOption", 1);
  EXPECT_EQ(frame("targetFrame").caption(), "Inverse");
  EXPECT_FALSE(spinner("stepsSpinner").isVisible());
  EXPECT_EQ(grid().surface().printedTexts().back(), "Click Grid To Set Desired Point");
  // The prompt is drawn, so screen readers hear it as the grid's description.
  auto heard = [&](QAccessible::Text t) { return QAccessible::queryAccessibleInterface(&grid())->text(t); };
  EXPECT_EQ(heard(QAccessible::Name), "Robot grid: the arm and its points");
  EXPECT_EQ(heard(QAccessible::Description), "Click Grid To Set Desired Point");
  choose("modeOption", 0);
  EXPECT_EQ(heard(QAccessible::Description), "");
  choose("modeOption", 1);
  choose("elbowOption", 2);
  choose("firstJointOption", 0);
  choose("directionOption0", 1);
  choose("directionOption1", 2);
  EXPECT_EQ(shell::settings().ElbowChoice, 2);
  EXPECT_EQ(shell::settings().FirstJoint, 0);
  EXPECT_EQ(shell::settings().JointDirection[0], 1);
  EXPECT_EQ(shell::settings().JointDirection[1], 2);
}

TEST_F(RoboticsWindowTest, GridClicksSetTheDesiredPointOrAreRefused) {
  ASSERT_TRUE(open());
  clickGrid(3.1, -2.1);  // Forward mode: nothing
  EXPECT_EQ(shell::settings().DesiredX, -6.1f);
  choose("modeOption", 1);
  clickGrid(3.1, -2.1);
  EXPECT_NEAR(shell::settings().DesiredX, 3.1, 0.051);
  EXPECT_NEAR(shell::settings().DesiredY, -2.1, 0.051);
  EXPECT_FLOAT_EQ(std::nearbyint(shell::settings().DesiredX * 10) / 10, shell::settings().DesiredX);
  EXPECT_EQ(label("desiredXReadout").caption().toStdString(), rt::formatNumber(shell::settings().DesiredX, "##0.0"));
  EXPECT_TRUE(services.boxes->calls.empty());
  clickGrid(9, 9);
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].text, "Robot arm cannot reach desired end point");
  EXPECT_EQ(services.boxes->calls[0].title, "Invalid Parameters");
  EXPECT_EQ(services.boxes->calls[0].style, plat::msg::OkOnly | plat::msg::Critical);
  EXPECT_EQ(plays("uhoh.wav"), 1);
  EXPECT_NEAR(shell::settings().DesiredX, 3.1, 0.051);
}

TEST_F(RoboticsWindowTest, MoveRunsToTheDesiredPointWithTheSpinButtonsLocked) {
  ASSERT_TRUE(open());
  choose("modeOption", 1);
  button("moveButton").click();
  EXPECT_EQ(button("moveButton").caption(), "&Stop");
  EXPECT_TRUE(motionTimer().enabled());
  for (auto* s :
       {&spinner("angleSpinner", 0), &spinner("angleSpinner", 1), &spinner("resolutionSpinner", 0),
        &spinner("resolutionSpinner", 1), &spinner("link1Spinner"), &spinner("link2Spinner"), &spinner("stepsSpinner")})
    EXPECT_FALSE(s->isEnabled());
  EXPECT_TRUE(option("modeOption", 0).isEnabled());
  motionTimer().fire();
  EXPECT_EQ(shell::settings().JointAngle[0], window->arm().settings().JointAngle[0]);
  EXPECT_GT(runToEnd(), 1);
  EXPECT_EQ(button("moveButton").caption(), "&Move");
  EXPECT_TRUE(spinner("angleSpinner", 0).isEnabled());
  EXPECT_EQ(plays("tada.wav"), 1);
  EXPECT_FALSE(services.sound->calls.back().wait);
  EXPECT_NEAR(window->arm().position().HandX, -6.1, 0.6);
  EXPECT_EQ(shell::settings().JointAngle[1], window->arm().settings().JointAngle[1]);
  button("returnButton").click();
  EXPECT_EQ(label("angleReadout", 0).caption(), "-115");
  EXPECT_EQ(shell::settings().JointAngle[0], -115);
}

TEST_F(RoboticsWindowTest, SpinButtonsStoreEachStep) {
  ASSERT_TRUE(open());
  spinner("angleSpinner", 0).spinUp();
  EXPECT_EQ(label("angleReadout", 0).caption(), "-110");
  EXPECT_EQ(shell::settings().JointAngle[0], -110);
  EXPECT_TRUE(services.sound->calls.empty());
  spinner("resolutionSpinner", 0).spinUp();
  EXPECT_EQ(plays("ding.wav"), 1);
  EXPECT_EQ(shell::settings().ResolutionIndex[0], 5);
  EXPECT_EQ(shell::settings().JointAngle[0], -108);  // -18.33 steps of 6
  EXPECT_EQ(label("resolutionReadout", 0).caption(), "6");
  spinner("link2Spinner").spinUp();
  EXPECT_EQ(shell::settings().LinkLength1, 4);
  EXPECT_EQ(shell::settings().LinkLength2, 6);
  EXPECT_EQ(label("link1Readout").caption(), "4");
  spinner("stepsSpinner").spinDown();
  EXPECT_EQ(shell::settings().PathSteps, 49);
  EXPECT_EQ(label("stepsReadout").caption(), "49");
  // Each spin button reads out the value shown beside it, within its limits.
  auto value = [&](const QString& name) {
    return QAccessible::queryAccessibleInterface(&spinner(name))->valueInterface()->currentValue().toDouble();
  };
  EXPECT_EQ(value("resolutionSpinner0"), 6);
  EXPECT_EQ(value("angleSpinner0"), -108);
  EXPECT_EQ(value("link1Spinner"), 4);
  EXPECT_EQ(value("link2Spinner"), 6);
  EXPECT_EQ(value("stepsSpinner"), 49);
  QAccessibleValueInterface* steps = QAccessible::queryAccessibleInterface(&spinner("stepsSpinner"))->valueInterface();
  EXPECT_EQ(steps->minimumValue().toDouble(), 1);
  EXPECT_EQ(steps->maximumValue().toDouble(), 50);
  // And the step of a press: a joint turns by its resolution, a resolution goes to the next of
  // its table (6 to 10), a link and the path steps by one.
  auto step = [&](const QString& name) {
    return QAccessible::queryAccessibleInterface(&spinner(name))->valueInterface()->minimumStepSize().toDouble();
  };
  EXPECT_EQ(step("angleSpinner0"), 6);
  EXPECT_EQ(step("angleSpinner1"), 5);
  EXPECT_EQ(step("resolutionSpinner0"), 4);
  EXPECT_EQ(step("resolutionSpinner1"), 1);
  EXPECT_EQ(step("link1Spinner"), 1);
  EXPECT_EQ(step("link2Spinner"), 1);
  EXPECT_EQ(step("stepsSpinner"), 1);
}

// The keyboard alone: Tab reaches every spin button that shows, in the window's order, and
// enters each option group once, at its chosen option; the arrows step the joints.
TEST_F(RoboticsWindowTest, TheKeyboardReachesTheSpinButtonsAndEntersTheModeAtItsChoice) {
  shell::settings().RobotMode = 2;
  shell::settings().ElbowChoice = 1;
  ASSERT_TRUE(open());
  const std::vector<QWidget*> chain = tabChain(window);
  auto at = [&](QWidget* w) { return std::find(chain.begin(), chain.end(), w) - chain.begin(); };
  const std::ptrdiff_t missing = std::ptrdiff_t(chain.size());

  EXPECT_EQ(firstInChain<plat::OptionButton>(chain), &option("modeOption", 2));  // "Path"
  EXPECT_EQ(at(&option("modeOption", 0)), missing);
  EXPECT_EQ(at(&option("modeOption", 1)), missing);
  EXPECT_LT(at(&option("elbowOption", 1)), missing);  // "A2 < 0"
  int options = 0;
  for (QWidget* w : chain) options += qobject_cast<plat::OptionButton*>(w) != nullptr;
  EXPECT_EQ(options, 5);  // the mode and the four motion groups, once each

  plat::SpinButton* spinners[7] = {&spinner("angleSpinner", 0),      &spinner("angleSpinner", 1),
                                   &spinner("link1Spinner"),         &spinner("link2Spinner"),
                                   &spinner("resolutionSpinner", 0), &spinner("resolutionSpinner", 1),
                                   &spinner("stepsSpinner")};
  for (int i = 0; i < 7; ++i) {
    EXPECT_LT(at(spinners[i]), missing) << "spin button " << i;
    if (i > 0) {
      EXPECT_LT(at(spinners[i - 1]), at(spinners[i])) << "spin button " << i;
    }
  }

  // A screen reader hears the angle beside the spin button, and hears it change.
  QAccessibleValueInterface* a1 = QAccessible::queryAccessibleInterface(&spinner("angleSpinner", 0))->valueInterface();
  ASSERT_NE(a1, nullptr);
  EXPECT_EQ(a1->currentValue().toDouble(), -115);
  EXPECT_EQ(a1->minimumValue().toDouble(), -180);
  EXPECT_EQ(a1->maximumValue().toDouble(), 180);
  ASSERT_TRUE(tabTo(window, &spinner("angleSpinner", 0)));
  QTest::keyClick(&spinner("angleSpinner", 0), Qt::Key_Up);
  EXPECT_EQ(label("angleReadout", 0).caption(), "-110");
  EXPECT_EQ(shell::settings().JointAngle[0], -110);
  EXPECT_EQ(a1->currentValue().toDouble(), -110);
  QTest::keyClick(&spinner("angleSpinner", 0), Qt::Key_Down);
  QTest::keyClick(&spinner("angleSpinner", 0), Qt::Key_Down);
  EXPECT_EQ(shell::settings().JointAngle[0], -120);
}

TEST_F(RoboticsWindowTest, ClosingByTheTitleBarDuringAMotionEndsIt) {
  ASSERT_TRUE(open());
  choose("modeOption", 2);
  button("moveButton").click();
  for (int i = 0; i < 5; ++i) motionTimer().fire();
  const int16_t a1 = window->arm().settings().JointAngle[0];
  plat::Timer* timer = &motionTimer();
  window->close();
  EXPECT_FALSE(timer->enabled());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(shell::settings().JointAngle[0], a1);
  EXPECT_EQ(shell::settings().RobotMode, 2);
}

TEST_F(RoboticsWindowTest, ExitReturnsToTheMenuAndReopensFromTheSettings) {
  ASSERT_TRUE(open());
  spinner("angleSpinner", 1).spinDown();
  button("exitButton").click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(menu->isVisible());
  ASSERT_TRUE(open());
  EXPECT_EQ(label("angleReadout", 1).caption(), "95");
  EXPECT_EQ(label("startXReadout").caption(), label("handXReadout").caption());
}

TEST_F(RoboticsWindowTest, HandEditedSettingsAreBroughtIntoRange) {
  auto& s = shell::settings();
  s.RobotMode = 5;
  s.ResolutionIndex[0] = 99;
  s.JointAngle[0] = 400;
  s.LinkLength1 = 0;
  s.LinkLength2 = 20;
  s.PathSteps = 300;
  s.ElbowChoice = -4;
  ASSERT_TRUE(open());
  EXPECT_EQ(chosen("modeOption"), 2);
  EXPECT_EQ(s.RobotMode, 2);
  EXPECT_EQ(s.ResolutionIndex[0], 15);
  EXPECT_EQ(label("resolutionReadout", 0).caption(), "90");
  EXPECT_EQ(s.JointAngle[0], 0);  // 40 degrees, on a 90 degree joint
  EXPECT_EQ(label("angleReadout", 0).caption(), "0");
  EXPECT_EQ(s.LinkLength1, 1);
  EXPECT_EQ(s.LinkLength2, 9);
  EXPECT_EQ(label("link1Readout").caption(), "1");
  EXPECT_EQ(s.PathSteps, 50);
  EXPECT_EQ(label("stepsReadout").caption(), "50");
  EXPECT_EQ(chosen("elbowOption"), 0);
  spinner("link1Spinner").spinDown();  // at 1 already
  EXPECT_EQ(s.LinkLength1, 1);
}

TEST_F(RoboticsWindowTest, PrintsTheSettingsAndTheGrid) {
  ASSERT_TRUE(open());
  spinner("angleSpinner", 0).spinUp();  // leaves a trail mark on the grid
  button("printButton").click();
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].text, "Make sure printer is on-line and ready.");
  EXPECT_EQ(services.boxes->calls[0].title, "Print Grid");
  ASSERT_EQ(printed->documents.size(), 1u);
  ASSERT_EQ(printed->documents[0].pages.size(), 1u);
  const auto& page = printed->documents[0].pages[0];
  EXPECT_EQ(page.texts(),
            (std::vector<QString>{
                "Robotics", "", "Forward Mode:", "", "A1 =-110 degrees, 5 degrees of resolution",
                "A2 = 100 degrees, 5 degrees of resolution", "L1 = 5, L2 = 5",
                "Arm Position: X =" + label("handXReadout").caption() + ", Y =" + label("handYReadout").caption()}));
  for (const auto& op : page.ops) {
    if (op.op != "print") continue;
    EXPECT_EQ(op.fontName, "Courier New");
    EXPECT_EQ(op.fontSize, 12);
    EXPECT_EQ(op.underline, op.text == "Forward Mode:") << op.text.toStdString();
    if (op.text == "Robotics") {
      EXPECT_EQ(op.args, (std::vector<double>{100, 100}));
    }
    if (op.text.startsWith("A1")) {
      EXPECT_EQ(op.args[0], 150);
    }
  }
  // The grid below the text, 550 units square, with its trail.
  ASSERT_EQ(page.count("picture"), 1);
  const auto& pic = page.ops.back();
  EXPECT_EQ(pic.op, "picture");
  EXPECT_EQ(pic.args[0], 150);
  EXPECT_GT(pic.args[1], 100);
  EXPECT_EQ(pic.args[2], 550);
  EXPECT_EQ(pic.args[3], 550);
}

TEST_F(RoboticsWindowTest, PathModePrintsThePointsAndTheOptions) {
  ASSERT_TRUE(open());
  choose("modeOption", 2);
  button("printButton").click();
  ASSERT_EQ(printed->documents.size(), 1u);
  const auto texts = printed->documents[0].pages.at(0).texts();
  ASSERT_EQ(texts.size(), 15u);
  EXPECT_EQ(texts[2], "Path Mode:");
  EXPECT_EQ(texts[9], "Start Point: X = 2.72, Y = -5.83");
  EXPECT_EQ(texts[10], "Desired Point: X = -6.1, Y = 2.0");
  EXPECT_EQ(texts[11], "Number of Steps on Path = 50");
  EXPECT_EQ(texts[13], "Move Angles Together - Keep A2 > 0");
  EXPECT_EQ(texts[14], "Move A1 Counterclockwise - Move A2 Counterclockwise");
}

TEST_F(RoboticsWindowTest, CancelPrintsNothing) {
  ASSERT_TRUE(open());
  services.boxes->answer(plat::msg::Cancel);
  button("printButton").click();
  EXPECT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_TRUE(printed->documents.empty());
}

}  // namespace
