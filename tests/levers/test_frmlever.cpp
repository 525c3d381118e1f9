// The levers window as a user meets it, opened from the menu on the offscreen platform: the
// topic panel, the work topic with its bars and drawing, the turning lever under a scripted
// clock, the tool bar and its tips, and every way back to the menu.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "app/projects.h"
#include "levers/frmlever.h"
#include "platform/button.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/shape.h"
#include "platform/surface.h"
#include "platform/timer.h"
#include "runtime/clock.h"
#include "runtime/colour.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "tests/levers/leverwindow.h"

namespace {

using namespace leverstest;

TEST_F(LeverWindow, OpensOnTheTopicPanelWithTheBarsFromTheSettings) {
  frmLever* w = open();
  ASSERT_TRUE(w);
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->caption(), "Levers");
  // 40 x 25 cells of the window's font.
  const QFontMetrics fm(plat::screenFont("Courier New", 15.75, true));
  EXPECT_EQ(w->width(), 40 * fm.horizontalAdvance('A'));
  EXPECT_EQ(w->height(), 25 * fm.height());
  // The fresh settings: fulcrum 9, D Effort -9, D Load 1, load 100.
  EXPECT_EQ(w->hsbMFulcrum->value(), 90);
  EXPECT_EQ(w->hsbMEffort->value(), 0);
  EXPECT_EQ(w->hsbMLoad->value(), 100);
  EXPECT_EQ(w->hsbCLoad->value(), 100);
  EXPECT_EQ(w->hsbAEffort->value(), 0);
  EXPECT_EQ(w->lever().LeverClass, 1);
  // Nothing is drawn and nothing stored: only the panel shows on light blue.
  const QImage& img = w->surface().image();
  bool plain = true;
  for (int y = 0; y < img.height(); y += 7)
    for (int x = 0; x < img.width(); x += 7) plain = plain && w->surface().pixel(x, y) == kPanelBack;
  EXPECT_TRUE(plain);
  EXPECT_TRUE(w->fraMain->isVisible());
  EXPECT_TRUE(w->shpMain->isVisible());
  EXPECT_EQ(w->cmdChoice(1)->caption(), "Learn About Levers");
  EXPECT_EQ(w->cmdChoice(2)->caption(), "Work With Levers");
  EXPECT_FALSE(w->fraValues->isVisible());
  for (int i = 0; i <= 4; ++i) EXPECT_FALSE(w->cmdTool(i)->isVisible()) << i;
  // The panel is centred across the window.
  EXPECT_NEAR(w->fraMain->x() + w->fraMain->width() / 2.0, w->width() / 2.0, 1);
  EXPECT_EQ(shell::settings().FulcrumPos, 9.0f);
  EXPECT_EQ(shell::settings().DEffort, -9.0f);
  EXPECT_TRUE(services.sound->calls.empty());
}

TEST_F(LeverWindow, ValuesOffTheLeverAreBroughtOntoItWhenTheWindowLoads) {
  shell::SharedSettings& s = shell::settings();
  s.FulcrumPos = 12;
  s.DEffort = -20;
  s.DLoad = 3;
  s.LeverLoad = 250.5f;
  frmLever* w = open();
  ASSERT_TRUE(w);
  EXPECT_EQ(s.FulcrumPos, 10.0f);
  EXPECT_EQ(s.DEffort, -10.0f);  // the effort left of the lever's left end comes to 0
  EXPECT_EQ(s.DLoad, 0.0f);      // the load past the right end comes to 10
  EXPECT_EQ(s.LeverLoad, 200.0f);
  EXPECT_EQ(w->hsbMFulcrum->value(), 100);
  EXPECT_EQ(w->hsbMEffort->value(), 0);
  EXPECT_EQ(w->hsbMLoad->value(), 100);
  EXPECT_EQ(w->hsbCLoad->value(), 200);
  // The dimensions then draw and round what the bars show.
  w->cmdChoice(2)->click();
  EXPECT_EQ(w->lblDEffort->caption(), "10.0");
  EXPECT_EQ(w->lblLoad->caption(), "200");
  EXPECT_EQ(s.DEffort, -10.0f);
}

TEST_F(LeverWindow, WorkTopicFromMenuToTurningLeverAndBack) {
  frmLever* w = open();
  ASSERT_TRUE(w);
  QPointer<frmLever> alive(w);
  QTest::mouseClick(w->cmdChoice(2), Qt::LeftButton);

  // Black window, the work tools in the order Print, Help, Stop, the values in their frames.
  EXPECT_FALSE(w->fraMain->isVisible());
  EXPECT_EQ(w->backColor(), 0u);
  EXPECT_TRUE(w->cmdTool(0)->isVisible());
  EXPECT_TRUE(w->cmdTool(2)->isVisible());
  EXPECT_TRUE(w->cmdTool(3)->isVisible());
  EXPECT_FALSE(w->cmdTool(1)->isVisible());
  EXPECT_FALSE(w->cmdTool(4)->isVisible());
  EXPECT_LT(w->cmdTool(0)->x(), w->cmdTool(2)->x());
  EXPECT_LT(w->cmdTool(2)->x(), w->cmdTool(3)->x());
  EXPECT_EQ(w->fraValues->caption(), "1st Class Lever");
  EXPECT_EQ(w->lblEffort->caption(), "0");
  EXPECT_EQ(w->lblDEffort->caption(), "9.0");
  EXPECT_EQ(w->lblLoad->caption(), "100");
  EXPECT_EQ(w->lblDLoad->caption(), "1.0");
  EXPECT_EQ(w->cmdOptions->caption(), "Apply Effort");
  EXPECT_TRUE(w->fraMFulcrum->isVisible());
  EXPECT_FALSE(w->fraAEffort->isVisible());
  EXPECT_EQ(w->lever().ChangeMode, 1);

  // The scene: red frame, hatched green ground, red fulcrum at 9 (x 256), grey bar, pink load,
  // the light yellow panel below the divider.
  EXPECT_EQ(w->surface().pixel(0, 100), rt::QBColor(12));
  EXPECT_EQ(pixel(w, 253, 77), rt::QBColor(12));
  EXPECT_EQ(pixel(w, 100, 61.5), rt::QBColor(7));
  EXPECT_EQ(pixel(w, 280, 48), rt::QBColor(13));
  EXPECT_EQ(pixel(w, 60, 20), 0u);
  EXPECT_EQ(pixel(w, 300, 150), rt::RGB(255, 255, 100));
  int green = 0;
  for (int x = 10; x < 300; ++x) green += pixel(w, x, 92) == rt::QBColor(10);
  EXPECT_GT(green, 20);
  // The fulcrum's extension line of its dimension, white.
  EXPECT_EQ(pixel(w, 256, 40), rt::QBColor(15));

  // Moving the fulcrum to the middle keeps the effort and load bars: both distances change.
  w->hsbMFulcrum->setValue(50);
  EXPECT_EQ(shell::settings().FulcrumPos, 5.0f);
  EXPECT_EQ(shell::settings().DEffort, -5.0f);
  EXPECT_EQ(shell::settings().DLoad, 5.0f);
  EXPECT_EQ(w->lblDEffort->caption(), "5.0");
  EXPECT_EQ(w->lblDLoad->caption(), "5.0");
  EXPECT_EQ(pixel(w, 157, 77), rt::QBColor(12));
  EXPECT_EQ(pixel(w, 253, 77), 0u);  // the old fulcrum is gone
  EXPECT_EQ(pixel(w, 160, 40), rt::QBColor(15));

  // Into apply-effort mode: the lever rests on the side of its load, right end down.
  QTest::mouseClick(w->cmdOptions, Qt::LeftButton);
  EXPECT_EQ(w->cmdOptions->caption(), "Change Values");
  EXPECT_TRUE(w->fraAEffort->isVisible());
  EXPECT_FALSE(w->fraMFulcrum->isVisible());
  EXPECT_FALSE(w->fraCLoad->isVisible());
  EXPECT_TRUE(w->Timer2->enabled());
  EXPECT_EQ(w->Timer2->interval(), 200);
  EXPECT_EQ(w->lever().Theta, w->lever().ThetaMin);
  EXPECT_EQ(pixel(w, 160, 40), 0u);  // the dimension marks are gone
  const float deg = float(3.14159 / 180);
  EXPECT_NEAR(w->lever().Theta / deg, -9.59, 0.01);

  // Each click takes 40 ms of the clock; it plays to its end inside the step.
  services.sound->onWaitingPlay = [this](const QString&) { clock.advance(40); };
  w->hsbAEffort->setValue(200);
  EXPECT_EQ(w->lblEffort->caption(), "200");
  EXPECT_EQ(w->lever().AEffort, 200.0f);
  for (int i = 0; i < 12; ++i) {
    const int before = services.sound->countPlays("move.wav");
    w->Timer2->fire();
    const int plays = services.sound->countPlays("move.wav") - before;
    EXPECT_LE(plays, 1);
    EXPECT_EQ(w->Timer2->interval(), plays ? 160 : 200) << i;
  }
  const int clicks = services.sound->countPlays("move.wav");
  EXPECT_GT(clicks, 3);
  for (const plat::SoundCall& c : services.sound->calls)
    if (c.kind == plat::SoundCall::File) {
      EXPECT_EQ(c.path, shell::BasePath + "move.wav");
      EXPECT_TRUE(c.wait);
    }
  // Pushing down on the left with 200 x 5 against 100 x 5: the left end comes down to its limit.
  EXPECT_EQ(w->lever().Theta, w->lever().ThetaMax);
  EXPECT_EQ(pixel(w, 44, 78), rt::QBColor(7));   // the bar's left end near the ground
  EXPECT_EQ(pixel(w, 276, 78), 0u);              // its right end is up

  // Stop ends the topic at once; the values are the user's.
  QTest::mouseClick(w->cmdTool(3), Qt::LeftButton);
  EXPECT_FALSE(w->Timer2->enabled());
  EXPECT_TRUE(w->fraMain->isVisible());
  EXPECT_EQ(w->backColor(), kPanelBack);
  EXPECT_EQ(w->surface().pixel(5, 5), kPanelBack);
  for (int i = 0; i <= 4; ++i) EXPECT_FALSE(w->cmdTool(i)->isVisible()) << i;
  EXPECT_FALSE(w->fraValues->isVisible());

  // The next work topic starts level in change-values mode.
  w->cmdChoice(2)->click();
  EXPECT_EQ(w->lever().Theta, 0.0f);
  EXPECT_EQ(w->lever().ChangeMode, 1);
  EXPECT_EQ(w->cmdOptions->caption(), "Apply Effort");
  EXPECT_FALSE(w->Timer2->enabled());
  EXPECT_EQ(w->hsbAEffort->value(), 0);
  EXPECT_EQ(w->lblEffort->caption(), "0");
  QTest::mouseClick(w->cmdTool(3), Qt::LeftButton);

  // Exit goes back to the menu with the user's values in the shared settings.
  QTest::mouseClick(w->cmdExit, Qt::LeftButton);
  settle();
  EXPECT_TRUE(alive.isNull());
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(shell::settings().FulcrumPos, 5.0f);
  EXPECT_EQ(shell::settings().DEffort, -5.0f);
  EXPECT_EQ(shell::settings().DLoad, 5.0f);
  EXPECT_EQ(shell::settings().LeverLoad, 100.0f);

  // Opened again, the window loads anew from them.
  frmLever* again = open();
  ASSERT_TRUE(again);
  EXPECT_EQ(again->hsbMFulcrum->value(), 50);
  EXPECT_EQ(again->hsbMEffort->value(), 0);
  EXPECT_EQ(again->hsbMLoad->value(), 100);
}

TEST_F(LeverWindow, ChangingBackToValuesRedrawsTheLevelLeverWithItsMarks) {
  frmLever* w = open();
  ASSERT_TRUE(w);
  w->cmdChoice(2)->click();
  w->cmdOptions->click();
  w->hsbAEffort->setValue(200);
  for (int i = 0; i < 6; ++i) w->Timer2->fire();
  ASSERT_NE(w->lever().Theta, 0.0f);
  w->cmdOptions->click();
  EXPECT_EQ(w->lever().Theta, 0.0f);
  EXPECT_FALSE(w->Timer2->enabled());
  EXPECT_EQ(w->cmdOptions->caption(), "Apply Effort");
  EXPECT_TRUE(w->fraMFulcrum->isVisible());
  EXPECT_FALSE(w->fraAEffort->isVisible());
  // The effort is kept.
  EXPECT_EQ(w->hsbAEffort->value(), 200);
  EXPECT_EQ(w->lever().AEffort, 200.0f);
  // The bar level again, the fulcrum's mark back.
  EXPECT_EQ(pixel(w, 100, 61.5), rt::QBColor(7));
  EXPECT_EQ(pixel(w, 256, 40), rt::QBColor(15));
  // The mode button stands under the value frames again.
  EXPECT_GT(w->cmdOptions->y(), w->fraMFulcrum->y() + w->fraMFulcrum->height());
}

TEST_F(LeverWindow, OnlyTheLoadFollowsItsThumbWhileDragged) {
  frmLever* w = open();
  ASSERT_TRUE(w);
  w->cmdChoice(2)->click();
  // The load follows the thumb: to 0 the box goes, back up it returns.
  drag(w->hsbCLoad, 0);
  EXPECT_EQ(shell::settings().LeverLoad, 0.0f);
  EXPECT_EQ(w->lblLoad->caption(), "0");
  EXPECT_EQ(pixel(w, 280, 48), 0u);
  drag(w->hsbCLoad, 40);
  EXPECT_EQ(shell::settings().LeverLoad, 40.0f);
  EXPECT_EQ(pixel(w, 280, 48), rt::QBColor(13));
  release(w->hsbCLoad);
  EXPECT_EQ(w->lblLoad->caption(), "40");

  // The effort bar acts only when the thumb is let go.
  drag(w->hsbMEffort, 30);
  EXPECT_EQ(shell::settings().DEffort, -9.0f);
  EXPECT_EQ(w->lblDEffort->caption(), "9.0");
  release(w->hsbMEffort);
  EXPECT_EQ(shell::settings().DEffort, -6.0f);
  EXPECT_EQ(w->lblDEffort->caption(), "6.0");
  // Effort and load on the same side at 6 and 1 units: second class.
  w->hsbMLoad->setValue(80);
  EXPECT_EQ(shell::settings().DLoad, -1.0f);
  EXPECT_EQ(w->fraValues->caption(), "2nd Class Lever");
  w->hsbMLoad->setValue(30);
  EXPECT_EQ(w->fraValues->caption(), "3rd Class Lever");
}

TEST_F(LeverWindow, TitleBarCloseTakesTheExitPathInAnyState) {
  // While the lever turns.
  frmLever* w = open();
  ASSERT_TRUE(w);
  QPointer<frmLever> alive(w);
  w->cmdChoice(2)->click();
  w->hsbMFulcrum->setValue(40);
  w->cmdOptions->click();
  ASSERT_TRUE(w->Timer2->enabled());
  plat::Timer* timer = w->Timer2;
  w->close();
  EXPECT_FALSE(timer->enabled());
  settle();
  EXPECT_TRUE(alive.isNull());
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(shell::settings().FulcrumPos, 4.0f);

  // In the lesson, whose examples use a load of 10: the user's load and lever come back.
  w = open();
  ASSERT_TRUE(w);
  alive = w;
  w->cmdChoice(1)->click();
  EXPECT_EQ(shell::settings().LeverLoad, 10.0f);
  w->close();
  settle();
  EXPECT_TRUE(alive.isNull());
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(shell::settings().LeverLoad, 100.0f);
  EXPECT_EQ(shell::settings().FulcrumPos, 4.0f);
  EXPECT_EQ(shell::settings().DEffort, -4.0f);
  EXPECT_EQ(shell::settings().DLoad, 6.0f);

  // On the panel.
  w = open();
  ASSERT_TRUE(w);
  alive = w;
  w->close();
  settle();
  EXPECT_TRUE(alive.isNull());
  EXPECT_TRUE(menu->isVisible());
}

TEST_F(LeverWindow, LessonShowsItsFourToolsAndStopRestoresTheUsersLever) {
  frmLever* w = open();
  ASSERT_TRUE(w);
  w->cmdChoice(1)->click();
  EXPECT_EQ(w->ChoiceIndex, 1);
  EXPECT_EQ(w->ScreenNum, 1);
  // Previous, Next, Help, Stop from the left.
  const int order[4] = {4, 1, 2, 3};
  for (int k = 0; k < 4; ++k) EXPECT_TRUE(w->cmdTool(order[k])->isVisible());
  for (int k = 0; k < 3; ++k) EXPECT_LT(w->cmdTool(order[k])->x(), w->cmdTool(order[k + 1])->x());
  EXPECT_FALSE(w->cmdTool(0)->isVisible());
  const int learnLeft = w->cmdTool(4)->x();
  EXPECT_FALSE(w->fraValues->isVisible());
  EXPECT_EQ(shell::settings().LeverLoad, 10.0f);
  // The lesson's examples change the lever; Stop gives the user's back.
  shell::settings().FulcrumPos = 5;
  shell::settings().DEffort = -5;
  shell::settings().DLoad = 5;
  w->cmdTool(3)->click();
  EXPECT_EQ(shell::settings().LeverLoad, 100.0f);
  EXPECT_EQ(shell::settings().FulcrumPos, 9.0f);
  EXPECT_EQ(shell::settings().DEffort, -9.0f);
  EXPECT_EQ(shell::settings().DLoad, 1.0f);
  EXPECT_EQ(w->lever().LeverClass, 1);
  // The work topic's tools start further right.
  w->cmdChoice(2)->click();
  EXPECT_GT(w->cmdTool(0)->x(), learnLeft);
}

TEST_F(LeverWindow, HelpFromThePanelAndFromTheTool) {
  frmLever* w = open();
  ASSERT_TRUE(w);
  QTest::mouseClick(w->cmdHelp, Qt::LeftButton);
  w->cmdChoice(2)->click();
  QTest::mouseClick(w->cmdTool(2), Qt::LeftButton);
  ASSERT_EQ(services.help->calls.size(), 2u);
  for (const plat::HelpCall& c : services.help->calls) {
    EXPECT_EQ(c.file, shell::BasePath + "vtrel.hlp");
    EXPECT_EQ(c.topic, 1);
  }
  EXPECT_EQ(w->helpFile(), "vtrel.hlp");
  EXPECT_EQ(w->helpTopic(), 1);
}

TEST_F(LeverWindow, TipsAppearAfterTheDelayCentredOverTheTool) {
  frmLever* w = open();
  ASSERT_TRUE(w);
  w->cmdChoice(2)->click();
  auto moveOn = [](QWidget* target, QPoint at) {
    QMouseEvent e(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &e);
  };
  plat::CommandButton* help = w->cmdTool(2);
  moveOn(help, QPoint(5, 5));
  EXPECT_TRUE(w->Timer1->enabled());
  EXPECT_EQ(w->Timer1->interval(), 500);
  EXPECT_FALSE(w->lblTip->isVisible());
  w->Timer1->fire();
  EXPECT_FALSE(w->Timer1->enabled());
  ASSERT_TRUE(w->lblTip->isVisible());
  EXPECT_EQ(w->lblTip->caption(), " Help ");
  EXPECT_EQ(w->LastTip, 2);
  EXPECT_NEAR(w->lblTip->x() + w->lblTip->width() / 2.0, help->x() + help->width() / 2.0, 2);
  EXPECT_LT(w->lblTip->y() + w->lblTip->height(), help->y());
  EXPECT_GT(w->lblTip->y() + w->lblTip->height(), help->y() - 6);

  // Sliding to the next tool hides the tip and shows the next one after the delay.
  moveOn(w->cmdTool(3), QPoint(5, 5));
  EXPECT_FALSE(w->lblTip->isVisible());
  w->Timer1->fire();
  EXPECT_EQ(w->lblTip->caption(), " Stop ");

  // A click hides the tip; moving on over the same tool brings no tip back.
  moveOn(w->cmdTool(0), QPoint(4, 4));
  w->Timer1->fire();
  EXPECT_EQ(w->lblTip->caption(), " Print Lever ");
  w->cmdTool(0)->click();
  EXPECT_FALSE(w->lblTip->isVisible());
  moveOn(w->cmdTool(0), QPoint(6, 6));
  EXPECT_FALSE(w->Timer1->enabled());

  // The mouse on the window itself hides the tip and forgets it.
  moveOn(w, QPoint(3, 3));
  EXPECT_EQ(w->LastTip, -1);
  moveOn(w->cmdTool(0), QPoint(6, 6));
  EXPECT_TRUE(w->Timer1->enabled());
}

}  // namespace

// The bars work from the keyboard: Tab reaches the effort bar in the window's order, and
// each arrow key is a Change that moves the effort and redraws the lever.
TEST_F(LeverWindow, TabReachesTheEffortBarAndTheArrowKeysMoveTheLever) {
  frmLever* w = open();
  ASSERT_TRUE(w);
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  w->cmdChoice(2)->click();
  auto arrowX = [w] {
    // The mean x of the cyan effort arrow above the lever, in device pixels.
    const auto& s = w->surface();
    double sum = 0;
    int n = 0;
    for (int y = 0; y < s.deviceHeight() / 3; ++y)
      for (int x = 0; x < s.deviceWidth(); ++x)
        if (s.pixel(x, y) == rt::QBColor(11)) sum += x, ++n;
    return n ? sum / n : -1.0;
  };
  const double before = arrowX();
  ASSERT_GT(before, 0);
  int tabs = 0;
  while (!w->hsbMEffort->bar()->hasFocus() && tabs < 12) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Tab);
    ++tabs;
  }
  ASSERT_TRUE(w->hsbMEffort->bar()->hasFocus());
  for (int i = 0; i < 3; ++i) QTest::keyClick(w->hsbMEffort->bar(), Qt::Key_Right);
  EXPECT_EQ(w->hsbMEffort->value(), 3);
  EXPECT_FLOAT_EQ(shell::settings().DEffort, -8.7f);
  EXPECT_EQ(w->lblDEffort->caption(), "8.7");
  // 0.3 lever units of 24 logical pixels each, to the right.
  const double perLogical = w->surface().deviceWidth() / 320.0;
  EXPECT_NEAR(arrowX() - before, 0.3 * 24 * perLogical, 2.0);
  // Page Down is the large change of 10 tenths.
  QTest::keyClick(w->hsbMEffort->bar(), Qt::Key_PageDown);
  EXPECT_EQ(w->lblDEffort->caption(), "7.7");
}
