// The water wheel window as a user meets it: opened from the menu, run with the valve open,
// stopped, its parameters changed in the dialog, and left by Exit or the title bar.

#include <gtest/gtest.h>

#include "tests/support/menufixture.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

#include "app/projects.h"
#include "platform/button.h"
#include "platform/files.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/placement.h"
#include "platform/services.h"
#include "platform/spinbutton.h"
#include "platform/textbox.h"
#include "platform/timer.h"
#include "runtime/palette.h"
#include "shell/clocks.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "tests/support/controls.h"
#include "tests/support/layoutrows.h"
#include "tests/support/manualsources.h"
#include "tests/support/pixels.h"
#include "tests/support/screenreader.h"
#include "wheel/waterwheelwindow.h"
#include "wheel/wheellayout.h"
#include "wheel/wheelparametersdialog.h"

namespace {

using wheel::WaterWheelWindow;
using wheel::WheelParametersDialog;

class WheelWindow : public MenuFixture {
 protected:
  void SetUp() override {
    MenuFixture::SetUp();
    ASSERT_EQ(shell::settings().WheelCans, 5);
  }
  WaterWheelWindow* open() { return window = openProject<WaterWheelWindow>(3); }
  WheelParametersDialog* openDialog() {
    parametersButton()->click();
    dialog = &control<WheelParametersDialog>(*window, "parametersDialog");
    dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    return dialog;
  }
  void type(plat::TextBox* box, const char* text) {
    box->setFocus(Qt::OtherFocusReason);
    box->selectAllText();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
  }

  // The window's controls, by the names the window gives them.
  plat::CommandButton* startButton() const { return &control<plat::CommandButton>(*window, "startButton"); }
  plat::CommandButton* parametersButton() const { return &control<plat::CommandButton>(*window, "parametersButton"); }
  plat::CommandButton* exitButton() const { return &control<plat::CommandButton>(*window, "exitButton"); }
  plat::SpinButton* flowSpin() const { return &control<plat::SpinButton>(*window, "flowSpin"); }
  plat::Panel* flowGauge() const { return &control<plat::Panel>(*window, "flowGauge"); }
  plat::Label* flowReadout() const { return &control<plat::Label>(*window, "flowReadout"); }
  plat::Label* flowUnits() const { return &control<plat::Label>(*window, "flowUnits"); }
  plat::PictureBox* valvePicture() const { return &control<plat::PictureBox>(*window, "valvePicture"); }
  plat::PictureBox* wheelPicture() const { return &control<plat::PictureBox>(*window, "wheelPicture"); }
  plat::PictureBox* speedChart() const { return &control<plat::PictureBox>(*window, "speedChart"); }
  plat::PictureBox* levelChart() const { return &control<plat::PictureBox>(*window, "levelChart"); }
  plat::Timer* turnTimer() const { return &control<plat::Timer>(*window, "turnTimer"); }

  // The opened dialog's controls, by the names the dialog gives them; rows count from 0.
  plat::TextBox* valueBox(int row) const { return &control<plat::TextBox>(*dialog, "valueBox", row); }
  plat::Label* parameterCaption(int row) const { return &control<plat::Label>(*dialog, "parameterCaption", row); }
  plat::Label* limitsCaption(int row) const { return &control<plat::Label>(*dialog, "limitsCaption", row); }
  plat::OptionButton* unitsOption(int units) const {
    return &control<plat::OptionButton>(*dialog, "unitsOption", units);
  }
  // The units whose option is chosen, or -1 while none is.
  int chosenUnits() const { return chosenOption(*dialog, "unitsOption", 2); }

  QPointer<WaterWheelWindow> window;
  QPointer<WheelParametersDialog> dialog;
};

TEST_F(WheelWindow, OpensReadyWithTheFreshValues) {
  ASSERT_TRUE(open());
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->caption(), "Water Wheel");
  // The fresh settings show US units: ounces per second, nothing flowing.
  EXPECT_EQ(flowReadout()->caption(), "0.0");
  EXPECT_EQ(flowUnits()->caption(), "oz/s");
  EXPECT_EQ(flowGauge()->floodPercent(), 0);
  EXPECT_EQ(plat::leftTwips(flowGauge()), 1320);
  EXPECT_EQ(plat::leftTwips(startButton()), 360);  // where Start stands when no run goes on
  EXPECT_EQ(startButton()->caption(), "&Start");
  EXPECT_TRUE(parametersButton()->isVisible());
  EXPECT_EQ(exitButton()->caption(), "E&xit");
  EXPECT_FALSE(flowSpin()->isEnabled());
  EXPECT_FALSE(turnTimer()->enabled());
  EXPECT_EQ(window->run().model().wheelAngle(), 91.0f);
  // The five empty cans in their outlines, and no water under the closed valve.
  EXPECT_GT(countColour(wheelPicture(), rt::palette::kWhite), 0);
  EXPECT_EQ(countColour(valvePicture(), wheel::canColor(1), 25), 0);
  EXPECT_GT(countColour(speedChart(), rt::palette::kYellow), 200);  // the zero line
  EXPECT_EQ(services.sound->countPlays("ding.wav"), 0);
}

TEST_F(WheelWindow, ARunTurnsTheWheelUnderTheOpenValveAndStopEndsIt) {
  ASSERT_TRUE(open());
  startButton()->click();
  ASSERT_EQ(services.sound->countPlays("ding.wav"), 1);
  EXPECT_TRUE(services.sound->calls.back().wait);
  EXPECT_EQ(services.sound->calls.back().path, shell::appFilePath("ding.wav"));
  EXPECT_EQ(startButton()->caption(), "&Restart");
  EXPECT_EQ(plat::leftTwips(startButton()), 1380);  // centred under the wheel
  EXPECT_FALSE(parametersButton()->isVisible());
  EXPECT_EQ(exitButton()->caption(), "&Stop");
  EXPECT_TRUE(flowSpin()->isEnabled());
  EXPECT_TRUE(turnTimer()->enabled());
  EXPECT_EQ(turnTimer()->interval(), 100);

  for (int i = 0; i < 22; ++i) flowSpin()->spinUp();
  EXPECT_EQ(window->run().model().flowSetting(), 20);
  EXPECT_EQ(flowGauge()->floodPercent(), 100);
  EXPECT_EQ(flowReadout()->caption(), "24.5");
  EXPECT_GT(countColour(valvePicture(), wheel::canColor(1)), 0);

  for (int i = 0; i < 50; ++i) turnTimer()->fire();
  EXPECT_NE(window->run().model().wheelAngle(), 91.0f);
  EXPECT_GT(countColour(levelChart(), wheel::canColor(1)), 0);
  const QImage speedPicture = speedChart()->surface().image();

  exitButton()->click();  // Stop
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(startButton()->caption(), "&Start");
  EXPECT_EQ(plat::leftTwips(startButton()), 360);
  EXPECT_TRUE(parametersButton()->isVisible());
  EXPECT_EQ(exitButton()->caption(), "E&xit");
  EXPECT_FALSE(flowSpin()->isEnabled());
  EXPECT_FALSE(turnTimer()->enabled());
  EXPECT_EQ(flowReadout()->caption(), "0.0");
  EXPECT_EQ(countColour(valvePicture(), wheel::canColor(1), 25), 0);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(window->run().model().canLevel(i), 0.0f);
  EXPECT_EQ(speedChart()->surface().image(), speedPicture);  // the charts stay

  exitButton()->click();  // Exit
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(menu->isVisible());
}

TEST_F(WheelWindow, TheTitleBarStopsARunAndReturnsToTheMenu) {
  ASSERT_TRUE(open());
  startButton()->click();
  window->close();
  EXPECT_FALSE(window && window->isVisible());
  EXPECT_TRUE(menu->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
}

TEST_F(WheelWindow, TheDialogStoresEveryFieldAndOkResetsTheWheelWithTheNewValues) {
  ASSERT_TRUE(open());
  WheelParametersDialog* d = openDialog();
  ASSERT_TRUE(d);
  EXPECT_EQ(d->caption(), "Water Wheel Parameters");
  EXPECT_EQ(chosenUnits(), 0);
  EXPECT_EQ(parameterCaption(1)->caption(), "L Stick (in)");
  EXPECT_EQ(valueBox(1)->text(), "40.0");
  EXPECT_EQ(valueBox(2)->text(), "32.0");
  EXPECT_EQ(limitsCaption(3)->caption(), "(.5-40)");
  EXPECT_EQ(limitsCaption(6)->caption(), "(.1-1000)");
  EXPECT_TRUE(valueBox(0)->hasFocus());

  // A minus sign cannot be typed; Enter takes the value and moves on, from the last row
  // back to the first.
  type(valueBox(0), "-3");
  EXPECT_EQ(shell::settings().WheelCans, 3);
  EXPECT_EQ(valueBox(0)->text(), "3");
  EXPECT_TRUE(valueBox(1)->hasFocus());
  type(valueBox(8), "");
  EXPECT_EQ(shell::settings().WheelFriction, 0.0f);
  EXPECT_EQ(valueBox(8)->text(), "0.000");
  EXPECT_TRUE(valueBox(0)->hasFocus());

  unitsOption(1)->setValue(true);
  EXPECT_EQ(shell::settings().WheelUnits, 1);
  EXPECT_EQ(valueBox(1)->text(), "101.6");
  EXPECT_EQ(limitsCaption(1)->caption(), "(10-300)");

  // A value typed and not yet taken is kept when the dialog closes.
  valueBox(4)->setFocus(Qt::OtherFocusReason);
  valueBox(4)->selectAllText();
  QTest::keyClicks(valueBox(4), "20");
  d->finish();
  EXPECT_EQ(shell::settings().WheelCanHeight, 20.0f);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->run().model().canCount(), 3);
  EXPECT_EQ(window->run().model().derived().CanHeight, 20.0f);
  EXPECT_EQ(flowUnits()->caption(), "g/s");
  EXPECT_EQ(flowReadout()->caption(), "0");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_THROW(control<WheelParametersDialog>(*window, "parametersDialog"), std::logic_error);  // gone
}

// The dialog puts the focus on "N Cans" while it loads, before it is the active window; the
// box takes that focus as its got-focus and selects its text, so typing replaces it.
TEST_F(WheelWindow, TypingAtOnceInTheOpenedDialogReplacesTheCans) {
  ASSERT_TRUE(open());
  WheelParametersDialog* d = openDialog();
  ASSERT_TRUE(d);
  ASSERT_EQ(QApplication::focusWidget(), valueBox(0));
  EXPECT_EQ(valueBox(0)->selLength(), 1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_0);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(valueBox(0)->text(), "2");
  EXPECT_EQ(shell::settings().WheelCans, 2);
  EXPECT_TRUE(valueBox(1)->hasFocus());
  EXPECT_EQ(valueBox(1)->selText(), "40.0");

  // Another window taking the activation and giving it back is no move of the focus: the
  // caret stays where the user left it.
  QTest::keyClick(valueBox(1), Qt::Key_End);
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  d->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(d));
  EXPECT_TRUE(valueBox(1)->hasFocus());
  EXPECT_EQ(valueBox(1)->selLength(), 0);
}

// Alt with a key types nothing in a field; pasted text meets the field's filter: no minus
// sign, no letter, no quote.
TEST_F(WheelWindow, TheFieldsTakeNoAltKeysAndOnlyDigitsOfPastedText) {
  ASSERT_TRUE(open());
  ASSERT_TRUE(openDialog());
  plat::TextBox* cans = valueBox(0);
  ASSERT_TRUE(cans->hasFocus());
  QTest::keyClick(cans, Qt::Key_Minus, Qt::AltModifier);
  QTest::keyClick(cans, Qt::Key_A, Qt::AltModifier);
  QTest::keyClick(cans, Qt::Key_4, Qt::AltModifier);
  EXPECT_EQ(cans->text(), "5");
  EXPECT_EQ(cans->selLength(), 1);  // still selected: Alt typed nothing over it
  QTest::keyClick(cans, Qt::Key_3);
  QTest::keyClick(cans, Qt::Key_Period, Qt::AltModifier);
  EXPECT_EQ(cans->text(), "3");

  QApplication::clipboard()->setText("qz\"-7");
  QTest::keyClick(cans, Qt::Key_Return);
  plat::TextBox* stick = valueBox(1);
  ASSERT_TRUE(stick->hasFocus());
  QTest::keyClick(stick, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(stick->text(), "7");
  QTest::keyClick(stick, Qt::Key_Return);
  EXPECT_EQ(shell::settings().WheelCans, 3);
  EXPECT_FLOAT_EQ(shell::settings().WheelStickLength, 7 * 2.54f);
}

// Tab and Enter go on a row, Shift+Tab back one; Ctrl+Tab and Ctrl+Shift+Tab leave the rows
// for the units, OK and Help, which Tab then goes through and back to the first row.
TEST_F(WheelWindow, ShiftTabGoesBackARowAndCtrlTabLeavesTheRows) {
  ASSERT_TRUE(open());
  ASSERT_TRUE(openDialog());
  auto focused = [] { return QApplication::focusWidget(); };
  QTest::keyClick(focused(), Qt::Key_Tab);
  EXPECT_EQ(focused(), valueBox(1));
  QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(focused(), valueBox(0));
  EXPECT_EQ(valueBox(0)->text(), "5");  // no Tab typed, the value kept
  QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(focused(), valueBox(8));
  QTest::keyClick(focused(), Qt::Key_Tab);
  EXPECT_EQ(focused(), valueBox(0));

  QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(focused(), &control<plat::CommandButton>(*dialog, "helpButton"));
  // Ctrl+Tab leaves the rows from any of them.
  valueBox(3)->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(focused(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(focused(), unitsOption(0));  // the chosen units
  QTest::keyClick(focused(), Qt::Key_Tab);
  EXPECT_EQ(focused(), &control<plat::CommandButton>(*dialog, "okButton"));
  QTest::keyClick(focused(), Qt::Key_Tab);
  QTest::keyClick(focused(), Qt::Key_Tab);
  EXPECT_EQ(focused(), valueBox(0));
}

// Enter takes the focus to L Stick with its text selected; a click on D Can takes it on, and
// L Stick no longer shows a selection.
// A screen reader hears each field by its row's caption, as an editable text holding the value.
TEST_F(WheelWindow, ScreenReadersHearEachFieldByItsCaption) {
  ASSERT_TRUE(open());
  ASSERT_TRUE(openDialog());
  QAccessibleInterface* cans = QAccessible::queryAccessibleInterface(valueBox(0));
  ASSERT_NE(cans, nullptr);
  EXPECT_EQ(cans->role(), QAccessible::EditableText);
  EXPECT_EQ(cans->text(QAccessible::Name), "N Cans");
  EXPECT_EQ(cans->text(QAccessible::Value), "5");
  EXPECT_TRUE(cans->state().focused);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(valueBox(1))->text(QAccessible::Name), "L Stick (in)");
  // Metric: the names follow the captions, and a reader that keeps names is told of each
  // new one, once; the rows whose captions stay the same tell nothing.
  HeardEvents heard;
  unitsOption(1)->click();
  EXPECT_EQ(QAccessible::queryAccessibleInterface(valueBox(1))->text(QAccessible::Name), "L Stick (cm)");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(valueBox(2))->text(QAccessible::Name), "M Stick (g)");
  for (int row = 0; row < 9; ++row)
    EXPECT_EQ(heard.count(valueBox(row), QAccessible::NameChanged), row >= 1 && row <= 5 ? 1 : 0) << row;
  unitsOption(0)->click();  // and back to US: inches again, told again
  EXPECT_EQ(QAccessible::queryAccessibleInterface(valueBox(1))->text(QAccessible::Name), "L Stick (in)");
  EXPECT_EQ(heard.count(valueBox(1), QAccessible::NameChanged), 2);
}

// The parameters dialog is heard as a dialog named by its title.
TEST_F(WheelWindow, TheDialogIsHeardAsADialog) {
  ASSERT_TRUE(open());
  ASSERT_TRUE(openDialog());
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(dialog);
  EXPECT_EQ(a->role(), QAccessible::Dialog);
  EXPECT_EQ(a->text(QAccessible::Name), "Water Wheel Parameters");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
}

// The sideways valve takes Up and Down as well as Right and Left; a screen reader reads the
// flow the read-out shows, from a closed valve to a full one.
TEST_F(WheelWindow, TheValveTakesEveryArrowAndReadsOutTheFlow) {
  ASSERT_TRUE(open());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  startButton()->click();
  flowSpin()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(flowSpin(), Qt::Key_Up);
  EXPECT_EQ(window->run().model().flowSetting(), 1);
  EXPECT_NE(flowReadout()->caption(), "0.0");
  QAccessibleValueInterface* flow = QAccessible::queryAccessibleInterface(flowSpin())->valueInterface();
  ASSERT_NE(flow, nullptr);
  EXPECT_EQ(flow->currentValue().toDouble(), flowReadout()->caption().toDouble());
  EXPECT_EQ(flow->minimumValue().toDouble(), 0);
  EXPECT_EQ(flow->maximumValue().toDouble(), 24.5);  // the full valve, in ounces per second
  // A press moves the valve a position: a twentieth of the full flow, in ounces per second.
  EXPECT_NEAR(flow->minimumStepSize().toDouble(), 24.5 / 20, 0.005);
  QTest::keyClick(flowSpin(), Qt::Key_Right);
  EXPECT_EQ(window->run().model().flowSetting(), 2);
  QTest::keyClick(flowSpin(), Qt::Key_Down);
  QTest::keyClick(flowSpin(), Qt::Key_Left);
  EXPECT_EQ(window->run().model().flowSetting(), 0);
  EXPECT_EQ(flow->currentValue().toDouble(), 0);
}

TEST_F(WheelWindow, AFieldThatLostTheFocusShowsNoSelection) {
  ASSERT_TRUE(open());
  WheelParametersDialog* d = openDialog();
  ASSERT_TRUE(d);
  plat::TextBox* stick = valueBox(1);
  auto highlighted = [stick] {
    const QColor highlight = stick->palette().color(QPalette::Active, QPalette::Highlight);
    const QImage shown = stick->grab().toImage();
    int n = 0;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x) n += shown.pixelColor(x, y) == highlight;
    return n;
  };
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  ASSERT_TRUE(stick->hasFocus());
  ASSERT_EQ(stick->selText(), "40.0");
  EXPECT_GT(highlighted(), 0);

  QTest::mouseClick(valueBox(3)->viewport(), Qt::LeftButton);
  ASSERT_TRUE(valueBox(3)->hasFocus());
  EXPECT_EQ(highlighted(), 0);
  EXPECT_EQ(stick->text(), "40.0");
}

TEST_F(WheelWindow, ReturningFromTheDialogResetsTheWheelButTheHelpViewerDoesNot) {
  ASSERT_TRUE(open());
  startButton()->click();
  exitButton()->click();  // stopped, the wheel where it stood
  WheelParametersDialog* d = openDialog();
  ASSERT_TRUE(d);
  shell::settings().WheelCans = 4;
  // The user clicks the wheel window while the dialog is open: the wheel takes the values
  // up and starts again from 91 degrees.
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(window, &activate);
  EXPECT_EQ(window->run().model().canCount(), 4);
  EXPECT_EQ(window->run().model().wheelAngle(), 91.0f);

  // An activation that is no return from the dialog (the help viewer closing) changes nothing.
  shell::settings().WheelCans = 6;
  QCoreApplication::sendEvent(window, &activate);
  EXPECT_EQ(window->run().model().canCount(), 4);

  // Exit with the dialog open closes it too.
  exitButton()->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
  EXPECT_TRUE(menu->isVisible());
}

TEST_F(WheelWindow, HandEditedValuesAreBroughtIntoRangeAtLoad) {
  shell::SharedSettings& s = shell::settings();
  s.WheelCans = 12;
  s.WheelEmptyTime = 0;
  s.WheelCanHeight = -5;
  s.WheelUnits = 3;
  ASSERT_TRUE(open());
  EXPECT_EQ(s.WheelCans, 6);
  EXPECT_EQ(s.WheelEmptyTime, 0.1f);
  EXPECT_EQ(s.WheelCanHeight, 1.0f);
  EXPECT_EQ(s.WheelUnits, 0);
  EXPECT_EQ(window->run().model().canCount(), 6);
  startButton()->click();
  for (int i = 0; i < 20; ++i) flowSpin()->spinUp();
  for (int i = 0; i < 30; ++i) turnTimer()->fire();
  EXPECT_TRUE(std::isfinite(window->run().model().wheelSpeed()));
}

// Every control of the window and of its dialog, as built, stands where its layout row puts
// it, with its caption and font. (At load the gauge moves to the valve's middle and the
// read-outs take the units' texts.)
TEST_F(WheelWindow, EveryControlStandsWhereItsLayoutRowSays) {
  {
    using namespace wheel::layout;
    WaterWheelWindow built;
    std::vector<plat::ControlRow> rows = {kValvePicture,
                                          kFlowTitle,
                                          kFlowGauge,
                                          kFlowSpin,
                                          kFlowReadout,
                                          kFlowUnits,
                                          kWheelPicture,
                                          kSpeedChart,
                                          kHeightChart,
                                          kLevelChart,
                                          kStartButton,
                                          kParametersButton,
                                          plat::plotwindow::helpExitFrameAt(kHelpExitTop),
                                          plat::plotwindow::kHelpButton,
                                          plat::plotwindow::kExitButton};
    rows.insert(rows.end(), std::begin(kChartTitles), std::end(kChartTitles));
    for (const auto& row : rows)
      EXPECT_EQ(layoutrows::matches(&built, row), 1) << layoutrows::describe(row).toStdString();
    EXPECT_EQ(built.width(), 580);  // 8700 x 6840 twips
    EXPECT_EQ(built.height(), 456);
  }
  {
    using namespace wheel::dialoglayout;
    WheelParametersDialog built;
    std::vector<plat::ControlRow> rows = {kUnitsFrame, kMetricOption, kUsOption, kOkButton, kHelpButton};
    rows.insert(rows.end(), std::begin(kHeadings), std::end(kHeadings));
    for (int i = 0; i < wheel::kParamRows; ++i) {
      rows.push_back(captionRow(rowTop(i)));
      rows.push_back(valueRow(rowTop(i)));
      rows.push_back(limitsRow(rowTop(i)));
    }
    for (const auto& row : rows)
      EXPECT_EQ(layoutrows::matches(&built, row), 1) << layoutrows::describe(row).toStdString();
  }
}

}  // namespace
