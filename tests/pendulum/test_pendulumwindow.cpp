// The pendulum window as a user meets it: opened from the menu, set up, run to the end or
// stopped, reset, printed, and left by Exit or the title bar.

#include <gtest/gtest.h>

#include "tests/support/menufixture.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "app/projects.h"
#include "pendulum/pendulumlayout.h"
#include "pendulum/pendulumwindow.h"
#include "platform/button.h"
#include "platform/files.h"
#include "platform/label.h"
#include "platform/lineoverlay.h"
#include "platform/optionbutton.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "platform/spinbutton.h"
#include "platform/timer.h"
#include "runtime/colour.h"
#include "runtime/palette.h"
#include "shell/clocks.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "tests/support/controls.h"
#include "tests/support/doubles.h"
#include "tests/support/layoutrows.h"
#include "tests/support/manualsources.h"
#include "tests/support/pixels.h"
#include "tests/support/tabchain.h"

namespace {

class PendulumWindow : public MenuFixture {
 protected:
  void SetUp() override {
    MenuFixture::SetUp();
    ASSERT_EQ(shell::settings().PendAngle, 45.0f);
  }

  pendulum::PendulumWindow* open() { return window = openProject<pendulum::PendulumWindow>(2); }
  // Runs ticks until the run ends by itself.
  int runToEnd() {
    int ticks = 0;
    while (window->run().running() && ticks < 1000) {
      swingTimer()->fire();
      ++ticks;
    }
    return ticks;
  }
  int dings() const { return services.sound->countPlays("ding.wav"); }
  // Solid lines on the printed page: the curves (the frames are boxes, the zero lines dotted).
  static int curveSegments(const plat::PrintedPage& page) {
    int n = 0;
    for (const auto& op : page.ops) n += op.op == "line" && op.drawStyle == plat::DrawSolid;
    return n;
  }

  // The window's controls, by the names the window gives them; rows are numbered as the
  // parameters, 1 to 4, and the units options as the units, 1 metric and 0 US.
  plat::CommandButton* startButton() const { return &control<plat::CommandButton>(*window, "startButton"); }
  plat::CommandButton* printButton() const { return &control<plat::CommandButton>(*window, "printButton"); }
  plat::CommandButton* exitButton() const { return &control<plat::CommandButton>(*window, "exitButton"); }
  plat::SpinButton* parameterSpin(int row) const { return &control<plat::SpinButton>(*window, "parameterSpin", row); }
  plat::Label* parameterValue(int row) const { return &control<plat::Label>(*window, "parameterValue", row); }
  plat::Label* parameterCaption(int row) const { return &control<plat::Label>(*window, "parameterCaption", row); }
  plat::Label* timeReadout() const { return &control<plat::Label>(*window, "timeReadout"); }
  plat::Frame* unitsFrame() const { return &control<plat::Frame>(*window, "unitsFrame"); }
  plat::OptionButton* unitsOption(int units) const {
    return &control<plat::OptionButton>(*window, "unitsOption", units);
  }
  // The units whose option is chosen, or -1 while none is.
  int chosenUnits() const { return chosenOption(*window, "unitsOption", 2); }
  plat::PictureBox* pendulumPicture() const { return &control<plat::PictureBox>(*window, "pendulumPicture"); }
  plat::PictureBox* anglePlot() const { return &control<plat::PictureBox>(*window, "anglePlot"); }
  plat::PictureBox* phasePlot() const { return &control<plat::PictureBox>(*window, "phasePlot"); }
  plat::Line* angleZeroLine() const { return &control<plat::Line>(*window, "angleZeroLine"); }
  plat::Line* phaseAngleAxis() const { return &control<plat::Line>(*window, "phaseAngleAxis"); }
  plat::Line* phaseSpeedAxis() const { return &control<plat::Line>(*window, "phaseSpeedAxis"); }
  plat::Timer* swingTimer() const { return &control<plat::Timer>(*window, "swingTimer"); }

  QPointer<pendulum::PendulumWindow> window;
};

TEST_F(PendulumWindow, OpensReadyWithTheSharedSettings) {
  ASSERT_TRUE(open());
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->caption(), "Pendulum");
  // The load step ends with a Reset: the sound once, as a waiting play of the program's file.
  ASSERT_EQ(dings(), 1);
  const auto& play = services.sound->calls.back();
  EXPECT_TRUE(play.wait);
  EXPECT_EQ(play.path, shell::appFilePath("ding.wav"));

  const char* captions[] = {"Angle (deg)", "Mass (g)", "Length (cm)", "Friction"};
  const char* values[] = {"45", "5000", "200", "0.05"};
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(parameterCaption(i)->caption(), captions[i - 1]);
    EXPECT_EQ(parameterValue(i)->caption(), values[i - 1]);
    EXPECT_TRUE(parameterSpin(i)->isVisible());
  }
  EXPECT_EQ(chosenUnits(), 1);
  EXPECT_EQ(timeReadout()->caption(), "0.00 Seconds");
  EXPECT_EQ(startButton()->caption(), "&Start");
  EXPECT_TRUE(startButton()->isVisible());
  EXPECT_FALSE(printButton()->isVisible());
  EXPECT_EQ(exitButton()->caption(), "E&xit");
  EXPECT_FALSE(swingTimer()->enabled());

  // The pendulum hangs at 45 degrees: the bob's middle is light cyan on the visible picture.
  EXPECT_EQ(window->bobX(), 141);
  EXPECT_EQ(window->bobY(), -141);
  const auto& pic = pendulumPicture()->surface();
  EXPECT_EQ(pic.pixel(int(pic.toDeviceX(141)), int(pic.toDeviceY(-141))), rt::palette::kCyan);
  const QImage& shown = pic.image();
  const QImage& hidden = window->hiddenPendulum().image();
  ASSERT_EQ(shown.size(), hidden.size());
  EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), hidden.convertToFormat(QImage::Format_RGB32));
  // The zero lines stand in the middle of the plots.
  EXPECT_NEAR(angleZeroLine()->end1().y(), anglePlot()->height() / 2.0, 1);
  EXPECT_NEAR(phaseSpeedAxis()->end1().x(), phasePlot()->width() / 2.0, 1);
}

TEST_F(PendulumWindow, AFullRunEndsByItselfAt20Seconds) {
  ASSERT_TRUE(open());
  startButton()->click();
  EXPECT_EQ(dings(), 2);
  EXPECT_TRUE(swingTimer()->enabled());
  EXPECT_EQ(swingTimer()->interval(), 100);
  EXPECT_FALSE(startButton()->isVisible());
  EXPECT_FALSE(unitsFrame()->isVisible());
  EXPECT_FALSE(parameterSpin(1)->isVisible());
  EXPECT_EQ(exitButton()->caption(), "&Stop");

  EXPECT_EQ(runToEnd(), 201);
  EXPECT_EQ(window->run().numPoints(), 200);
  EXPECT_EQ(timeReadout()->caption(), "20.00 Seconds");
  EXPECT_FALSE(swingTimer()->enabled());
  EXPECT_EQ(exitButton()->caption(), "E&xit");
  EXPECT_EQ(startButton()->caption(), "&Reset");
  EXPECT_TRUE(startButton()->isVisible());
  EXPECT_EQ(window->focusWidget(), startButton());
  EXPECT_TRUE(printButton()->isVisible());
  EXPECT_FALSE(unitsFrame()->isVisible());
  // Both curves are on the plots, and the zero lines moved to zero of the new scales.
  EXPECT_GT(countColour(anglePlot(), rt::palette::kRed), 200);
  EXPECT_GT(countColour(phasePlot(), rt::palette::kRed), 200);
  EXPECT_NEAR(phaseAngleAxis()->end1().y(), phasePlot()->height() / 2.0, 1);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST_F(PendulumWindow, TheTimeLabelIsRepaintedWithinEachTick) {
  ASSERT_TRUE(open());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  startButton()->click();
  PaintCounter counter;
  timeReadout()->installEventFilter(&counter);
  swingTimer()->fire();  // no event loop runs between the tick and the check
  EXPECT_EQ(timeReadout()->caption(), "0.10 Seconds");
  EXPECT_GE(counter.paints, 1);
  timeReadout()->removeEventFilter(&counter);
}

TEST_F(PendulumWindow, StopKeepsTheCurvesAndResetClearsThem) {
  ASSERT_TRUE(open());
  startButton()->click();
  for (int i = 0; i < 40; ++i) swingTimer()->fire();
  exitButton()->click();  // Stop
  ASSERT_TRUE(window);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(timeReadout()->caption(), "4.00 Seconds");
  EXPECT_EQ(startButton()->caption(), "&Reset");
  const int red = countColour(anglePlot(), rt::palette::kRed);
  EXPECT_GT(red, 40);

  // Covering and uncovering: the plots are redrawn from the record, the pendulum at the
  // last recorded angle.
  anglePlot()->surface().cls();
  anglePlot()->requestPaint();
  EXPECT_EQ(countColour(anglePlot(), rt::palette::kRed), red);
  const int16_t bobX = window->bobX();
  pendulumPicture()->requestPaint();
  EXPECT_EQ(window->bobX(), bobX);
  EXPECT_NE(bobX, 141);

  startButton()->click();  // Reset
  EXPECT_EQ(dings(), 3);
  EXPECT_EQ(timeReadout()->caption(), "0.00 Seconds");
  EXPECT_EQ(countColour(anglePlot(), rt::palette::kRed), 0);
  EXPECT_EQ(countColour(phasePlot(), rt::palette::kRed), 0);
  EXPECT_EQ(window->bobX(), 141);
  EXPECT_EQ(startButton()->caption(), "&Start");
  EXPECT_FALSE(printButton()->isVisible());
  EXPECT_TRUE(unitsFrame()->isVisible());
  EXPECT_TRUE(parameterSpin(4)->isVisible());
}

// Space on Start begins the run and hides Start; the focus goes to Stop, so a second Space
// stops the run (not Help, the next control); after Stop the focus is on Reset.
TEST_F(PendulumWindow, SpaceOnStartThenSpaceAgainStopsTheRun) {
  ASSERT_TRUE(open());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  startButton()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(startButton(), Qt::Key_Space);
  ASSERT_TRUE(window->run().running());
  EXPECT_EQ(QApplication::focusWidget(), exitButton());
  EXPECT_EQ(exitButton()->caption(), "&Stop");
  swingTimer()->fire();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_FALSE(window->run().running());
  EXPECT_TRUE(services.help->calls.empty());
  EXPECT_EQ(QApplication::focusWidget(), startButton());
  EXPECT_EQ(startButton()->caption(), "&Reset");
}

// The units stand side by side: Down and Up choose the other unit as Right and Left do.
TEST_F(PendulumWindow, DownOnMetricChoosesTheOtherUnit) {
  shell::settings().PendUnits = 1;
  ASSERT_TRUE(open());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  unitsOption(1)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(unitsOption(1), Qt::Key_Down);
  EXPECT_EQ(chosenUnits(), 0);
  EXPECT_EQ(shell::settings().PendUnits, 0);
  EXPECT_EQ(parameterCaption(2)->caption(), "Mass (oz)");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_EQ(chosenUnits(), 1);
}

TEST_F(PendulumWindow, ExitReturnsToTheMenu) {
  ASSERT_TRUE(open());
  exitButton()->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(menu->isVisible());
}

TEST_F(PendulumWindow, ClosingTheWindowDuringARunStopsItAndShowsTheMenu) {
  ASSERT_TRUE(open());
  startButton()->click();
  swingTimer()->fire();
  plat::Timer* timer = swingTimer();
  window->close();
  EXPECT_FALSE(timer->enabled());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(menu->isVisible());
}

TEST_F(PendulumWindow, SpinButtonsStoreEachStepAndRedraw) {
  ASSERT_TRUE(open());
  parameterSpin(1)->spinDown();
  EXPECT_EQ(parameterValue(1)->caption(), "44");
  EXPECT_EQ(shell::settings().PendAngle, 44.0f);
  EXPECT_EQ(window->bobX(), 139);  // 200 sin 44 degrees
  parameterSpin(3)->spinDown();
  EXPECT_EQ(parameterValue(3)->caption(), "199");
  EXPECT_EQ(shell::settings().PendLength, 199.0f);
  parameterSpin(2)->spinUp();  // at its limit already
  EXPECT_EQ(parameterValue(2)->caption(), "5000");
  for (int i = 0; i < 120; ++i) parameterSpin(4)->spinUp();
  EXPECT_EQ(parameterValue(4)->caption(), "1.00");
  EXPECT_EQ(shell::settings().PendFriction, 1.0f);
  for (int i = 0; i < 120; ++i) parameterSpin(4)->spinDown();
  EXPECT_EQ(parameterValue(4)->caption(), "0.00");
  EXPECT_EQ(shell::settings().PendFriction, 0.0f);
  // A screen reader reads each value as shown, with its limits in the units shown.
  for (int i = 0; i < 5; ++i) parameterSpin(4)->spinUp();
  QAccessibleValueInterface* friction = QAccessible::queryAccessibleInterface(parameterSpin(4))->valueInterface();
  ASSERT_NE(friction, nullptr);
  EXPECT_EQ(parameterValue(4)->caption(), "0.05");
  EXPECT_EQ(friction->currentValue().toDouble(), 0.05);
  EXPECT_EQ(friction->minimumValue().toDouble(), 0);
  EXPECT_EQ(friction->maximumValue().toDouble(), 1);
  QAccessibleValueInterface* mass = QAccessible::queryAccessibleInterface(parameterSpin(2))->valueInterface();
  EXPECT_EQ(mass->currentValue().toDouble(), 5000);
  EXPECT_EQ(mass->maximumValue().toDouble(), 5000);
  // And the step a press takes each value by, in the units shown.
  EXPECT_EQ(mass->minimumStepSize().toDouble(), 10);  // grams
  EXPECT_EQ(friction->minimumStepSize().toDouble(), 0.01);
  for (int i = 1; i <= 4; ++i)
    EXPECT_GT(QAccessible::queryAccessibleInterface(parameterSpin(i))->valueInterface()->minimumStepSize().toDouble(),
              0)
        << i;
}

// Opened in US units, Tab meets the four spin buttons in row order, then the units at the
// chosen "US (English)", where Space changes nothing; the arrows step the values.
TEST_F(PendulumWindow, TheKeyboardStepsTheValuesAndEntersTheUnitsAtTheirChoice) {
  shell::settings().PendUnits = 0;
  ASSERT_TRUE(open());
  const std::vector<QWidget*> chain = tabChain(window);
  auto at = [&](QWidget* w) { return std::find(chain.begin(), chain.end(), w) - chain.begin(); };
  for (int i = 1; i <= 4; ++i) {
    ASSERT_LT(at(parameterSpin(i)), std::ptrdiff_t(chain.size())) << "spin button " << i;
    if (i > 1) {
      EXPECT_LT(at(parameterSpin(i - 1)), at(parameterSpin(i)));
    }
  }
  plat::OptionButton* units = firstInChain<plat::OptionButton>(chain);
  ASSERT_EQ(units, unitsOption(0));
  EXPECT_EQ(units->caption(), "US (English)");
  EXPECT_EQ(std::find(chain.begin(), chain.end(), unitsOption(1)), chain.end());
  ASSERT_TRUE(tabTo(window, units));
  QTest::keyClick(units, Qt::Key_Space);
  EXPECT_EQ(shell::settings().PendUnits, 0);

  ASSERT_TRUE(tabTo(window, parameterSpin(1)));
  QTest::keyClick(parameterSpin(1), Qt::Key_Down);
  EXPECT_EQ(parameterValue(1)->caption(), "44");
  EXPECT_EQ(shell::settings().PendAngle, 44.0f);
  QTest::keyClick(parameterSpin(1), Qt::Key_Right);  // Right steps up as Up does, Left down
  EXPECT_EQ(parameterValue(1)->caption(), "45");
  QTest::keyClick(parameterSpin(1), Qt::Key_Left);
  EXPECT_EQ(parameterValue(1)->caption(), "44");
  QTest::keyClick(parameterSpin(1), Qt::Key_Up);
  EXPECT_EQ(parameterValue(1)->caption(), "45");
}

TEST_F(PendulumWindow, UnitsSwitchConvertsAndStores) {
  ASSERT_TRUE(open());
  unitsOption(0)->setValue(true);
  EXPECT_EQ(shell::settings().PendUnits, 0);
  EXPECT_EQ(parameterCaption(2)->caption(), "Mass (oz)");
  EXPECT_EQ(parameterValue(2)->caption(), "176");
  EXPECT_EQ(parameterCaption(3)->caption(), "Length (in)");
  EXPECT_EQ(parameterValue(3)->caption(), "78.5");
  EXPECT_NEAR(shell::settings().PendMass, 4988.66, 0.005);
  unitsOption(1)->setValue(true);
  EXPECT_EQ(shell::settings().PendUnits, 1);
  EXPECT_EQ(parameterValue(2)->caption(), "4990");
  EXPECT_EQ(parameterValue(3)->caption(), "199");
  EXPECT_EQ(shell::settings().PendMass, 4990.0f);
  EXPECT_EQ(shell::settings().PendLength, 199.0f);
}

TEST_F(PendulumWindow, HandEditedSettings) {
  // A units value other than 0 or 1 opens in US units and stores 0; a start angle of 0
  // runs and prints without a division by zero; a stored length of 201 is brought to 200.
  auto& s = shell::settings();
  s.PendUnits = 3;
  s.PendAngle = 0;
  s.PendLength = 201;
  ASSERT_TRUE(open());
  EXPECT_EQ(chosenUnits(), 0);
  EXPECT_EQ(s.PendUnits, 0);
  EXPECT_EQ(parameterValue(3)->caption(), "79.0");
  EXPECT_EQ(parameterValue(1)->caption(), "0");
  startButton()->click();
  EXPECT_EQ(runToEnd(), 201);
  printButton()->click();
  ASSERT_EQ(printed->documents.size(), 1u);
  const auto& page = printed->documents[0].pages.at(0);
  EXPECT_EQ(curveSegments(page), 400);
  for (const auto& op : page.ops)
    for (double v : op.args) EXPECT_TRUE(std::isfinite(v)) << op.op;
  // Hanging still, the curves lie on the zero lines.
  EXPECT_EQ(page.ops.back().op, "line");
  EXPECT_DOUBLE_EQ(page.ops.back().args[3], 800);
}

TEST_F(PendulumWindow, ARunThatDivergesDoesNotCrash) {
  // A friction far outside its limits (kept as stored) makes the steps blow up.
  shell::settings().PendFriction = 100;
  ASSERT_TRUE(open());
  startButton()->click();
  EXPECT_EQ(runToEnd(), 201);
  EXPECT_FALSE(std::isfinite(window->run().theta()));
  anglePlot()->requestPaint();
  pendulumPicture()->requestPaint();
  startButton()->click();
  EXPECT_EQ(window->bobX(), 141);
}

TEST_F(PendulumWindow, PrintsThePlotsOfAFullRun) {
  ASSERT_TRUE(open());
  startButton()->click();
  runToEnd();
  printButton()->click();
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].text, "Make sure printer is on-line and ready.");
  EXPECT_EQ(services.boxes->calls[0].title, "Print Plots");
  EXPECT_EQ(services.boxes->calls[0].style, plat::msg::OkCancel | plat::msg::Information);
  ASSERT_EQ(printed->documents.size(), 1u);
  ASSERT_EQ(printed->documents[0].pages.size(), 1u);
  const auto& page = printed->documents[0].pages[0];

  auto texts = page.texts();
  ASSERT_GE(texts.size(), 8u);
  EXPECT_EQ(texts[0], "Pendulum");
  EXPECT_EQ(texts[2], "Parameters:");
  EXPECT_EQ(texts[4], "Angle (deg) = 45");
  EXPECT_EQ(texts[5], "Mass (g) = 5000");
  EXPECT_EQ(texts[6], "Length (cm) = 200");
  EXPECT_EQ(texts[7], "Friction = 0.05");
  const auto has = [&](const QString& t) { return std::find(texts.begin(), texts.end(), t) != texts.end(); };
  EXPECT_TRUE(has("20.00 Seconds"));
  EXPECT_TRUE(has("ANGLE"));
  EXPECT_TRUE(has("S"));
  for (const auto& op : page.ops) {
    if (op.op != "print") continue;
    EXPECT_EQ(op.underline, op.text == "Parameters:") << op.text.toStdString();
    EXPECT_EQ(op.fontName, "Courier New");
    EXPECT_EQ(op.fontSize, 12);
    if (op.text == "Pendulum") {
      EXPECT_EQ(op.args, (std::vector<double>{100, 100}));
    }
    // The text block's lines start at x 100; the titles are centred or written downwards.
    if (op.text != "" && op.text != "20.00 Seconds" && op.text != "ANGLE" && op.text.size() > 1) {
      EXPECT_EQ(op.args[0], 100) << op.text.toStdString();
    }
  }

  // The frames, two pixels wide; the zero lines dotted.
  std::vector<std::vector<double>> boxes, dotted;
  for (const auto& op : page.ops) {
    if (op.op == "box") {
      boxes.push_back(op.args);
      EXPECT_EQ(op.drawWidth, 2);
    }
    if (op.op == "line" && op.drawStyle == plat::DrawDot) dotted.push_back(op.args);
  }
  EXPECT_EQ(boxes, (std::vector<std::vector<double>>{{150, 300, 700, 550}, {150, 625, 700, 975}}));
  EXPECT_EQ(dotted,
            (std::vector<std::vector<double>>{{150, 425, 700, 425}, {150, 800, 700, 800}, {425, 625, 425, 975}}));

  // 200 segments per plot; the angle curve ends at the frame's right edge.
  EXPECT_EQ(curveSegments(page), 400);
  const plat::DrawOp* lastAngle = nullptr;
  int solid = 0;
  for (const auto& op : page.ops)
    if (op.op == "line" && op.drawStyle == plat::DrawSolid && ++solid == 200) lastAngle = &op;
  ASSERT_TRUE(lastAngle);
  EXPECT_NEAR(lastAngle->args[2], 700, 0.01);
  EXPECT_EQ(lastAngle->colour, rt::palette::kBlack);
  EXPECT_EQ(lastAngle->drawWidth, 1);
}

TEST_F(PendulumWindow, PrintAfterAnImmediateStopHasNoCurves) {
  ASSERT_TRUE(open());
  unitsOption(0)->setValue(true);
  startButton()->click();
  exitButton()->click();
  printButton()->click();
  ASSERT_EQ(printed->documents.size(), 1u);
  const auto& page = printed->documents[0].pages.at(0);
  EXPECT_EQ(page.count("box"), 2);
  EXPECT_EQ(page.count("line"), 3);
  EXPECT_EQ(curveSegments(page), 0);
  auto texts = page.texts();
  EXPECT_EQ(texts.at(5), "Mass (oz) = 176");
  EXPECT_NE(std::find(texts.begin(), texts.end(), "0.00 Seconds"), texts.end());
}

TEST_F(PendulumWindow, CancelPrintsNothing) {
  ASSERT_TRUE(open());
  startButton()->click();
  runToEnd();
  services.boxes->answer(plat::msg::Cancel);
  printButton()->click();
  EXPECT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_TRUE(printed->documents.empty());
}

// Every control stands where its row in the window's layout puts it, with its caption and font.
TEST_F(PendulumWindow, EveryControlStandsWhereItsLayoutRowSays) {
  ASSERT_TRUE(open());
  using namespace pendulum::layout;
  std::vector<plat::ControlRow> rows = {kPendulumPicture,
                                        kAnglePlot,
                                        kTimeReadout,
                                        kPhasePlot,
                                        kAngleTitle,
                                        kUnitsFrame,
                                        kMetricOption,
                                        kUsOption,
                                        kStartButton,
                                        kPrintButton,
                                        plat::plotwindow::helpExitFrameAt(kHelpExitTop),
                                        plat::plotwindow::kHelpButton,
                                        plat::plotwindow::kExitButton};
  rows.insert(rows.end(), std::begin(kSideLetters), std::end(kSideLetters));
  for (int i = pendulum::kAngle; i <= pendulum::kFriction; ++i) {
    rows.push_back(captionRow(kRowTop[i]));
    rows.push_back(valueRow(kRowTop[i]));
    rows.push_back(spinRow(kRowTop[i]));
  }
  for (const auto& row : rows)
    EXPECT_EQ(layoutrows::matches(window, row), 1) << layoutrows::describe(row).toStdString();
  EXPECT_EQ(window->width(), 580);  // 8700 x 6630 twips
  EXPECT_EQ(window->height(), 442);
  EXPECT_EQ(parameterSpin(1)->geometry(), layoutrows::pixels(spinRow(kRowTop[1])));
}

}  // namespace
