// The levers window as a user meets it, opened from the menu on the offscreen platform: the
// topic panel, the work topic with its bars and drawing, the turning lever under a scripted
// clock, the tool bar and its tips, and every way back to the menu.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "app/projects.h"
#include "levers/leverslayout.h"
#include "levers/leverswindow.h"
#include "platform/button.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/shape.h"
#include "platform/surface.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "runtime/clock.h"
#include "runtime/colour.h"
#include "runtime/palette.h"
#include "runtime/physics.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "tests/levers/leverwindow.h"
#include "tests/support/doubles.h"
#include "tests/support/screenreader.h"
#include "tests/support/tabchain.h"

namespace {

using namespace leverstest;

TEST_F(LeversWindowTest, OpensOnTheTopicPanelWithTheBarsFromTheSettings) {
  LeversWindow* w = open();
  ASSERT_TRUE(w);
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->caption(), "Levers");
  // 40 x 25 cells of the window's font.
  const QFontMetrics fm(plat::screenFont("Courier New", 15.75, true));
  EXPECT_EQ(w->width(), 40 * fm.horizontalAdvance('A'));
  EXPECT_EQ(w->height(), 25 * fm.height());
  // The fresh settings: fulcrum 9, D Effort -9, D Load 1, load 100.
  EXPECT_EQ(fulcrumBar(w)->value(), 90);
  EXPECT_EQ(effortPositionBar(w)->value(), 0);
  EXPECT_EQ(loadPositionBar(w)->value(), 100);
  EXPECT_EQ(loadBar(w)->value(), 100);
  EXPECT_EQ(effortBar(w)->value(), 0);
  EXPECT_EQ(w->lever().LeverClass, 1);
  // Nothing is drawn and nothing stored: only the panel shows on light blue.
  const QImage& img = w->surface().image();
  bool plain = true;
  for (int y = 0; y < img.height(); y += 7)
    for (int x = 0; x < img.width(); x += 7) plain = plain && w->surface().pixel(x, y) == kPanelBack;
  EXPECT_TRUE(plain);
  EXPECT_TRUE(topicsFrame(w)->isVisible());
  EXPECT_TRUE(topicsBackdrop(w)->isVisible());
  EXPECT_FALSE(valuesFrame(w)->isVisible());
  for (int i = 0; i <= 4; ++i) EXPECT_FALSE(toolButton(w, i)->isVisible()) << i;
  // The panel is centred across the window.
  EXPECT_NEAR(topicsFrame(w)->x() + topicsFrame(w)->width() / 2.0, w->width() / 2.0, 1);
  EXPECT_EQ(shell::settings().FulcrumPos, 9.0f);
  EXPECT_EQ(shell::settings().DEffort, -9.0f);
  EXPECT_TRUE(services.sound->calls.empty());
}

// A control against its row: caption, font and size always; its place in its container
// where the window leaves it there.
template <class Control>
void expectRow(const Control* c, const plat::ControlRow& row, bool keepsPlace, const char* name) {
  SCOPED_TRACE(name);
  ASSERT_TRUE(c);
  if constexpr (requires { c->caption(); }) {
    if (row.caption) {
      EXPECT_EQ(c->caption(), QString::fromUtf8(row.caption));
    }
  }
  if (row.font.face) {
    EXPECT_EQ(c->font(),
              plat::screenFont(row.font.face, row.font.points, row.font.bold, row.font.italic, row.font.underline));
  }
  EXPECT_EQ(c->width(), plat::twipsToPixels(row.width));
  EXPECT_EQ(c->height(), plat::twipsToPixels(row.height));
  if (keepsPlace) {
    EXPECT_EQ(c->x(), plat::twipsToPixels(row.left));
    EXPECT_EQ(c->y(), plat::twipsToPixels(row.top));
  }
}

// Every control of the loaded window as its row says. The panel is centred across the
// window and the value frames, the mode button and the tools are placed on the logical
// screen, so of those only the sizes (and the panel's heights) come from the rows.
// The position bars hold tenths of a lever unit: screen readers hear the position along the
// lever in the lever units its distances are shown in, the fresh fulcrum at 9.0 of 10.0.
// The load and the effort are shown as the bars hold them.
TEST_F(LeversWindowTest, ScreenReadersHearThePositionsInLeverUnits) {
  LeversWindow* w = open();
  ASSERT_TRUE(w);
  EXPECT_EQ(heardValue(fulcrumBar(w)->bar()), 9);
  EXPECT_EQ(heardValue(effortPositionBar(w)->bar()), 0);
  EXPECT_EQ(heardValue(loadPositionBar(w)->bar()), 10);
  QAccessibleValueInterface* fulcrum = QAccessible::queryAccessibleInterface(fulcrumBar(w)->bar())->valueInterface();
  EXPECT_EQ(fulcrum->maximumValue().toDouble(), 10);
  EXPECT_DOUBLE_EQ(fulcrum->minimumStepSize().toDouble(), 0.1);
  fulcrumBar(w)->setValue(45);
  EXPECT_EQ(heardValue(fulcrumBar(w)->bar()), 4.5);
  EXPECT_EQ(heardValue(loadBar(w)->bar()), 100);
  EXPECT_EQ(heardValue(effortBar(w)->bar()), 0);
}

TEST_F(LeversWindowTest, ControlsStandAsTheLayoutTableSays) {
  using namespace levers::layout;
  LeversWindow* w = open();
  ASSERT_TRUE(w);
  expectRow(topicsBackdrop(w), kTopicsBackdrop, false, "backdrop");
  EXPECT_EQ(topicsBackdrop(w)->y(), plat::twipsToPixels(kTopicsBackdrop.top));
  expectRow(topicsFrame(w), kTopicsFrame, false, "topics");
  EXPECT_EQ(topicsFrame(w)->y(), plat::twipsToPixels(kTopicsFrame.top));
  expectRow(topicButton(w, 1), kTopicButtons[1], true, "lesson");
  expectRow(topicButton(w, 2), kTopicButtons[2], true, "work");
  expectRow(helpButton(w), kHelpButton, true, "help");
  expectRow(exitButton(w), kExitButton, true, "exit");
  expectRow(helpButton(w)->parentWidget(), kButtonFrame, true, "button frame");

  expectRow(valuesFrame(w), kValuesFrame, false, "values");
  const plat::ControlRow figures[4] = {kEffortFigure, kEffortDistanceFigure, kLoadFigure, kLoadDistanceFigure};
  const plat::Label* figureLabels[4] = {effortFigure(w), effortDistanceFigure(w), loadFigure(w), loadDistanceFigure(w)};
  for (int i = 0; i < 4; ++i) {
    expectRow(valueTitle(w, i), kValueTitles[i], true, kValueTitles[i].caption);
    expectRow(figureLabels[i], figures[i], true, kValueTitles[i].caption);
  }

  const struct {
    const plat::Frame* frame;
    const plat::HScrollBar* bar;
    const FramedBar& row;
  } bars[5] = {{loadFrame(w), loadBar(w), kLoadBar},
               {loadPositionFrame(w), loadPositionBar(w), kLoadPositionBar},
               {effortPositionFrame(w), effortPositionBar(w), kEffortPositionBar},
               {fulcrumFrame(w), fulcrumBar(w), kFulcrumBar},
               {effortFrame(w), effortBar(w), kEffortBar}};
  for (const auto& b : bars) {
    expectRow(b.frame, b.row.frame, false, b.row.frame.caption);
    expectRow(b.bar, b.row.bar.place, true, b.row.frame.caption);
    EXPECT_EQ(b.bar->max(), b.row.bar.max);
    EXPECT_EQ(b.bar->accessibleName(), b.row.frame.caption);
    EXPECT_EQ(b.bar->parentWidget(), b.frame);
  }
  expectRow(modeButton(w), kModeButton, false, "mode");
  for (int i = 0; i <= 4; ++i) {
    expectRow(toolButton(w, i), kTools[i].place, false, kTools[i].picture);
    EXPECT_EQ(toolButton(w, i)->y(), toolButton(w, levers::NextTool)->y());
  }
}

TEST_F(LeversWindowTest, ValuesOffTheLeverAreBroughtOntoItWhenTheWindowLoads) {
  shell::SharedSettings& s = shell::settings();
  s.FulcrumPos = 12;
  s.DEffort = -20;
  s.DLoad = 3;
  s.LeverLoad = 250.5f;
  LeversWindow* w = open();
  ASSERT_TRUE(w);
  EXPECT_EQ(s.FulcrumPos, 10.0f);
  EXPECT_EQ(s.DEffort, -10.0f);  // the effort left of the lever's left end comes to 0
  EXPECT_EQ(s.DLoad, 0.0f);      // the load past the right end comes to 10
  EXPECT_EQ(s.LeverLoad, 200.0f);
  EXPECT_EQ(fulcrumBar(w)->value(), 100);
  EXPECT_EQ(effortPositionBar(w)->value(), 0);
  EXPECT_EQ(loadPositionBar(w)->value(), 100);
  EXPECT_EQ(loadBar(w)->value(), 200);
  // The dimensions then draw and round what the bars show.
  topicButton(w, 2)->click();
  EXPECT_EQ(effortDistanceFigure(w)->caption(), "10.0");
  EXPECT_EQ(loadFigure(w)->caption(), "200");
  EXPECT_EQ(s.DEffort, -10.0f);
}

TEST_F(LeversWindowTest, WorkTopicFromMenuToTurningLeverAndBack) {
  LeversWindow* w = open();
  ASSERT_TRUE(w);
  QPointer<LeversWindow> alive(w);
  QTest::mouseClick(topicButton(w, 2), Qt::LeftButton);

  // Black window, the work tools in the order Print, Help, Stop, the values in their frames.
  EXPECT_FALSE(topicsFrame(w)->isVisible());
  EXPECT_EQ(w->backColor(), 0u);
  EXPECT_TRUE(toolButton(w, 0)->isVisible());
  EXPECT_TRUE(toolButton(w, 2)->isVisible());
  EXPECT_TRUE(toolButton(w, 3)->isVisible());
  EXPECT_FALSE(toolButton(w, 1)->isVisible());
  EXPECT_FALSE(toolButton(w, 4)->isVisible());
  EXPECT_LT(toolButton(w, 0)->x(), toolButton(w, 2)->x());
  EXPECT_LT(toolButton(w, 2)->x(), toolButton(w, 3)->x());
  EXPECT_EQ(valuesFrame(w)->caption(), "1st Class Lever");
  EXPECT_EQ(effortFigure(w)->caption(), "0");
  EXPECT_EQ(effortDistanceFigure(w)->caption(), "9.0");
  EXPECT_EQ(loadFigure(w)->caption(), "100");
  EXPECT_EQ(loadDistanceFigure(w)->caption(), "1.0");
  EXPECT_EQ(modeButton(w)->caption(), "Apply Effort");
  EXPECT_TRUE(fulcrumFrame(w)->isVisible());
  EXPECT_FALSE(effortFrame(w)->isVisible());
  EXPECT_EQ(w->lever().ChangeMode, 1);

  // The scene: red frame, hatched green ground, red fulcrum at 9 (x 256), grey bar, pink load,
  // the light yellow panel below the divider.
  EXPECT_EQ(w->surface().pixel(0, 100), rt::palette::kRed);
  EXPECT_EQ(pixel(w, 253, 77), rt::palette::kRed);
  EXPECT_EQ(pixel(w, 100, 61.5), rt::palette::kLightGrey);
  EXPECT_EQ(pixel(w, 280, 48), rt::palette::kMagenta);
  EXPECT_EQ(pixel(w, 60, 20), 0u);
  EXPECT_EQ(pixel(w, 300, 150), rt::palette::kLightYellow);
  int green = 0;
  for (int x = 10; x < 300; ++x) green += pixel(w, x, 92) == rt::palette::kGreen;
  EXPECT_GT(green, 20);
  // The fulcrum's extension line of its dimension, white.
  EXPECT_EQ(pixel(w, 256, 40), rt::palette::kWhite);

  // Moving the fulcrum to the middle keeps the effort and load bars: both distances change.
  fulcrumBar(w)->setValue(50);
  EXPECT_EQ(shell::settings().FulcrumPos, 5.0f);
  EXPECT_EQ(shell::settings().DEffort, -5.0f);
  EXPECT_EQ(shell::settings().DLoad, 5.0f);
  EXPECT_EQ(effortDistanceFigure(w)->caption(), "5.0");
  EXPECT_EQ(loadDistanceFigure(w)->caption(), "5.0");
  EXPECT_EQ(pixel(w, 157, 77), rt::palette::kRed);
  EXPECT_EQ(pixel(w, 253, 77), 0u);  // the old fulcrum is gone
  EXPECT_EQ(pixel(w, 160, 40), rt::palette::kWhite);

  // Into apply-effort mode: the lever rests on the side of its load, right end down.
  QTest::mouseClick(modeButton(w), Qt::LeftButton);
  EXPECT_EQ(modeButton(w)->caption(), "Change Values");
  EXPECT_TRUE(effortFrame(w)->isVisible());
  EXPECT_FALSE(fulcrumFrame(w)->isVisible());
  EXPECT_FALSE(loadFrame(w)->isVisible());
  EXPECT_TRUE(rotationTimer(w)->enabled());
  EXPECT_EQ(rotationTimer(w)->interval(), 200);
  EXPECT_EQ(w->lever().Theta, w->lever().ThetaMin);
  EXPECT_EQ(pixel(w, 160, 40), 0u);  // the dimension marks are gone
  const float deg = float(rt::phys::kPi / 180);
  EXPECT_NEAR(w->lever().Theta / deg, -9.59, 0.01);

  // Each click takes 40 ms of the clock; it plays to its end inside the step.
  services.sound->onWaitingPlay = [this](const QString&) { clock.advance(40); };
  effortBar(w)->setValue(200);
  EXPECT_EQ(effortFigure(w)->caption(), "200");
  EXPECT_EQ(w->lever().AEffort, 200.0f);
  for (int i = 0; i < 12; ++i) {
    const int before = services.sound->countPlays("move.wav");
    rotationTimer(w)->fire();
    const int plays = services.sound->countPlays("move.wav") - before;
    EXPECT_LE(plays, 1);
    EXPECT_EQ(rotationTimer(w)->interval(), plays ? 160 : 200) << i;
  }
  const int clicks = services.sound->countPlays("move.wav");
  EXPECT_GT(clicks, 3);
  for (const plat::SoundCall& c : services.sound->calls)
    if (c.kind == plat::SoundCall::File) {
      EXPECT_EQ(c.path, shell::g_basePath + "move.wav");
      EXPECT_TRUE(c.wait);
    }
  // Pushing down on the left with 200 x 5 against 100 x 5: the left end comes down to its limit.
  EXPECT_EQ(w->lever().Theta, w->lever().ThetaMax);
  EXPECT_EQ(pixel(w, 44, 78), rt::palette::kLightGrey);  // the bar's left end near the ground
  EXPECT_EQ(pixel(w, 276, 78), 0u);                      // its right end is up

  // Stop ends the topic at once; the values are the user's.
  QTest::mouseClick(toolButton(w, 3), Qt::LeftButton);
  EXPECT_FALSE(rotationTimer(w)->enabled());
  EXPECT_TRUE(topicsFrame(w)->isVisible());
  EXPECT_EQ(w->backColor(), kPanelBack);
  EXPECT_EQ(w->surface().pixel(5, 5), kPanelBack);
  for (int i = 0; i <= 4; ++i) EXPECT_FALSE(toolButton(w, i)->isVisible()) << i;
  EXPECT_FALSE(valuesFrame(w)->isVisible());

  // The next work topic starts level in change-values mode.
  topicButton(w, 2)->click();
  EXPECT_EQ(w->lever().Theta, 0.0f);
  EXPECT_EQ(w->lever().ChangeMode, 1);
  EXPECT_EQ(modeButton(w)->caption(), "Apply Effort");
  EXPECT_FALSE(rotationTimer(w)->enabled());
  EXPECT_EQ(effortBar(w)->value(), 0);
  EXPECT_EQ(effortFigure(w)->caption(), "0");
  QTest::mouseClick(toolButton(w, 3), Qt::LeftButton);

  // Exit goes back to the menu with the user's values in the shared settings.
  QTest::mouseClick(exitButton(w), Qt::LeftButton);
  settle();
  EXPECT_TRUE(alive.isNull());
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(shell::settings().FulcrumPos, 5.0f);
  EXPECT_EQ(shell::settings().DEffort, -5.0f);
  EXPECT_EQ(shell::settings().DLoad, 5.0f);
  EXPECT_EQ(shell::settings().LeverLoad, 100.0f);

  // Opened again, the window loads anew from them.
  LeversWindow* again = open();
  ASSERT_TRUE(again);
  EXPECT_EQ(fulcrumBar(again)->value(), 50);
  EXPECT_EQ(effortPositionBar(again)->value(), 0);
  EXPECT_EQ(loadPositionBar(again)->value(), 100);
}

// Enter presses the focused button as Space does: in the menu it opens the project, in the
// levers' panel it opens the topic.
TEST_F(LeversWindowTest, EnterOpensTheProjectAndTheTopicOfTheFocusedButton) {
  ASSERT_TRUE(tabTo(menu, &control<plat::CommandButton>(*menu, "projectButton", 1)));
  QTest::keyClick(&control<plat::CommandButton>(*menu, "projectButton", 1), Qt::Key_Return);
  auto* w = qobject_cast<LeversWindow*>(menu->currentProject());
  ASSERT_TRUE(w);
  ASSERT_TRUE(tabTo(w, topicButton(w, 2)));
  EXPECT_EQ(topicButton(w, 2)->caption(), "Work With Levers");
  QTest::keyClick(topicButton(w, 2), Qt::Key_Return);
  EXPECT_FALSE(topicsFrame(w)->isVisible());
  EXPECT_EQ(valuesFrame(w)->caption(), "1st Class Lever");
  // The topic button hid itself: the focus passes on to a control of the topic, and from the
  // Stop tool, which hides itself too, back to the topic panel.
  auto focusShowsIn = [&](QWidget* place) {
    return QTest::qWaitFor(
        [&] {
          QWidget* f = QApplication::focusWidget();
          return f && f->isVisible() && f->window() == w && place->isAncestorOf(f);
        },
        5000);
  };
  EXPECT_TRUE(focusShowsIn(w));
  EXPECT_FALSE(topicsFrame(w)->isAncestorOf(QApplication::focusWidget()));
  toolButton(w, 3)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(toolButton(w, 3), Qt::Key_Return);
  EXPECT_TRUE(topicsFrame(w)->isVisible());
  EXPECT_TRUE(focusShowsIn(topicsFrame(w)));
}

TEST_F(LeversWindowTest, ChangingBackToValuesRedrawsTheLevelLeverWithItsMarks) {
  LeversWindow* w = open();
  ASSERT_TRUE(w);
  topicButton(w, 2)->click();
  modeButton(w)->click();
  effortBar(w)->setValue(200);
  for (int i = 0; i < 6; ++i) rotationTimer(w)->fire();
  ASSERT_NE(w->lever().Theta, 0.0f);
  modeButton(w)->click();
  EXPECT_EQ(w->lever().Theta, 0.0f);
  EXPECT_FALSE(rotationTimer(w)->enabled());
  EXPECT_EQ(modeButton(w)->caption(), "Apply Effort");
  EXPECT_TRUE(fulcrumFrame(w)->isVisible());
  EXPECT_FALSE(effortFrame(w)->isVisible());
  // The effort is kept.
  EXPECT_EQ(effortBar(w)->value(), 200);
  EXPECT_EQ(w->lever().AEffort, 200.0f);
  // The bar level again, the fulcrum's mark back.
  EXPECT_EQ(pixel(w, 100, 61.5), rt::palette::kLightGrey);
  EXPECT_EQ(pixel(w, 256, 40), rt::palette::kWhite);
  // The mode button stands under the value frames again.
  EXPECT_GT(modeButton(w)->y(), fulcrumFrame(w)->y() + fulcrumFrame(w)->height());
}

TEST_F(LeversWindowTest, OnlyTheLoadFollowsItsThumbWhileDragged) {
  LeversWindow* w = open();
  ASSERT_TRUE(w);
  topicButton(w, 2)->click();
  // The load follows the thumb: to 0 the box goes, back up it returns.
  drag(loadBar(w), 0);
  EXPECT_EQ(shell::settings().LeverLoad, 0.0f);
  EXPECT_EQ(loadFigure(w)->caption(), "0");
  EXPECT_EQ(pixel(w, 280, 48), 0u);
  drag(loadBar(w), 40);
  EXPECT_EQ(shell::settings().LeverLoad, 40.0f);
  EXPECT_EQ(pixel(w, 280, 48), rt::palette::kMagenta);
  release(loadBar(w));
  EXPECT_EQ(loadFigure(w)->caption(), "40");

  // The effort bar acts only when the thumb is let go.
  drag(effortPositionBar(w), 30);
  EXPECT_EQ(shell::settings().DEffort, -9.0f);
  EXPECT_EQ(effortDistanceFigure(w)->caption(), "9.0");
  release(effortPositionBar(w));
  EXPECT_EQ(shell::settings().DEffort, -6.0f);
  EXPECT_EQ(effortDistanceFigure(w)->caption(), "6.0");
  // Effort and load on the same side at 6 and 1 units: second class.
  loadPositionBar(w)->setValue(80);
  EXPECT_EQ(shell::settings().DLoad, -1.0f);
  EXPECT_EQ(valuesFrame(w)->caption(), "2nd Class Lever");
  loadPositionBar(w)->setValue(30);
  EXPECT_EQ(valuesFrame(w)->caption(), "3rd Class Lever");
}

TEST_F(LeversWindowTest, TitleBarCloseTakesTheExitPathInAnyState) {
  // While the lever turns.
  LeversWindow* w = open();
  ASSERT_TRUE(w);
  QPointer<LeversWindow> alive(w);
  topicButton(w, 2)->click();
  fulcrumBar(w)->setValue(40);
  modeButton(w)->click();
  ASSERT_TRUE(rotationTimer(w)->enabled());
  plat::Timer* timer = rotationTimer(w);
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
  topicButton(w, 1)->click();
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

TEST_F(LeversWindowTest, LessonShowsItsFourToolsAndStopRestoresTheUsersLever) {
  LeversWindow* w = open();
  ASSERT_TRUE(w);
  topicButton(w, 1)->click();
  EXPECT_EQ(w->topic(), 1);
  EXPECT_EQ(w->screenNumber(), 1);
  // Previous, Next, Help, Stop from the left.
  const int order[4] = {4, 1, 2, 3};
  for (int k = 0; k < 4; ++k) EXPECT_TRUE(toolButton(w, order[k])->isVisible());
  for (int k = 0; k < 3; ++k) EXPECT_LT(toolButton(w, order[k])->x(), toolButton(w, order[k + 1])->x());
  EXPECT_FALSE(toolButton(w, 0)->isVisible());
  const int learnLeft = toolButton(w, 4)->x();
  EXPECT_FALSE(valuesFrame(w)->isVisible());
  EXPECT_EQ(shell::settings().LeverLoad, 10.0f);
  // The lesson's examples change the lever; Stop gives the user's back.
  shell::settings().FulcrumPos = 5;
  shell::settings().DEffort = -5;
  shell::settings().DLoad = 5;
  toolButton(w, 3)->click();
  EXPECT_EQ(shell::settings().LeverLoad, 100.0f);
  EXPECT_EQ(shell::settings().FulcrumPos, 9.0f);
  EXPECT_EQ(shell::settings().DEffort, -9.0f);
  EXPECT_EQ(shell::settings().DLoad, 1.0f);
  EXPECT_EQ(w->lever().LeverClass, 1);
  // The work topic's tools start further right.
  topicButton(w, 2)->click();
  EXPECT_GT(toolButton(w, 0)->x(), learnLeft);
}

TEST_F(LeversWindowTest, HelpFromThePanelAndFromTheTool) {
  LeversWindow* w = open();
  ASSERT_TRUE(w);
  QTest::mouseClick(helpButton(w), Qt::LeftButton);
  topicButton(w, 2)->click();
  QTest::mouseClick(toolButton(w, 2), Qt::LeftButton);
  ASSERT_EQ(services.help->calls.size(), 2u);
  for (const plat::HelpCall& c : services.help->calls) {
    EXPECT_EQ(c.file, shell::g_basePath + "vtrel.hlp");
    EXPECT_EQ(c.topic, 1);
  }
  EXPECT_EQ(w->helpFile(), "vtrel.hlp");
  EXPECT_EQ(w->helpTopic(), 1);
}

TEST_F(LeversWindowTest, TipsAppearAfterTheDelayCentredOverTheTool) {
  LeversWindow* w = open();
  ASSERT_TRUE(w);
  topicButton(w, 2)->click();
  auto moveOn = [](QWidget* target, QPoint at) {
    QMouseEvent e(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &e);
  };
  plat::CommandButton* help = toolButton(w, 2);
  moveOn(help, QPoint(5, 5));
  EXPECT_TRUE(tipTimer(w)->enabled());
  EXPECT_EQ(tipTimer(w)->interval(), 500);
  EXPECT_FALSE(tipLabel(w)->isVisible());
  tipTimer(w)->fire();
  EXPECT_FALSE(tipTimer(w)->enabled());
  ASSERT_TRUE(tipLabel(w)->isVisible());
  EXPECT_EQ(tipLabel(w)->caption(), " Help ");
  EXPECT_EQ(w->lastTip(), 2);
  EXPECT_NEAR(tipLabel(w)->x() + tipLabel(w)->width() / 2.0, help->x() + help->width() / 2.0, 2);
  EXPECT_LT(tipLabel(w)->y() + tipLabel(w)->height(), help->y());
  EXPECT_GT(tipLabel(w)->y() + tipLabel(w)->height(), help->y() - 6);

  // Sliding to the next tool hides the tip and shows the next one after the delay.
  moveOn(toolButton(w, 3), QPoint(5, 5));
  EXPECT_FALSE(tipLabel(w)->isVisible());
  tipTimer(w)->fire();
  EXPECT_EQ(tipLabel(w)->caption(), " Stop ");

  // A click hides the tip; moving on over the same tool brings no tip back.
  moveOn(toolButton(w, 0), QPoint(4, 4));
  tipTimer(w)->fire();
  EXPECT_EQ(tipLabel(w)->caption(), " Print Lever ");
  toolButton(w, 0)->click();
  EXPECT_FALSE(tipLabel(w)->isVisible());
  moveOn(toolButton(w, 0), QPoint(6, 6));
  EXPECT_FALSE(tipTimer(w)->enabled());

  // The mouse on the window itself hides the tip and forgets it.
  moveOn(w, QPoint(3, 3));
  EXPECT_EQ(w->lastTip(), -1);
  moveOn(toolButton(w, 0), QPoint(6, 6));
  EXPECT_TRUE(tipTimer(w)->enabled());
}

}  // namespace

// The bars work from the keyboard: Tab reaches the effort bar in the window's order, and
// each arrow key is a Change that moves the effort and redraws the lever.
TEST_F(LeversWindowTest, TabReachesTheEffortBarAndTheArrowKeysMoveTheLever) {
  LeversWindow* w = open();
  ASSERT_TRUE(w);
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  topicButton(w, 2)->click();
  auto arrowX = [w] {
    // The mean x of the cyan effort arrow above the lever, in device pixels.
    const auto& s = w->surface();
    double sum = 0;
    int n = 0;
    for (int y = 0; y < s.deviceHeight() / 3; ++y)
      for (int x = 0; x < s.deviceWidth(); ++x)
        if (s.pixel(x, y) == rt::palette::kCyan) sum += x, ++n;
    return n ? sum / n : -1.0;
  };
  const double before = arrowX();
  ASSERT_GT(before, 0);
  int tabs = 0;
  while (!effortPositionBar(w)->bar()->hasFocus() && tabs < 12) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Tab);
    ++tabs;
  }
  ASSERT_TRUE(effortPositionBar(w)->bar()->hasFocus());
  for (int i = 0; i < 3; ++i) QTest::keyClick(effortPositionBar(w)->bar(), Qt::Key_Right);
  EXPECT_EQ(effortPositionBar(w)->value(), 3);
  EXPECT_FLOAT_EQ(shell::settings().DEffort, -8.7f);
  EXPECT_EQ(effortDistanceFigure(w)->caption(), "8.7");
  // 0.3 lever units of 24 logical pixels each, to the right.
  const double perLogical = w->surface().deviceWidth() / 320.0;
  EXPECT_NEAR(arrowX() - before, 0.3 * 24 * perLogical, 2.0);
  // Page Down is the large change of 10 tenths.
  QTest::keyClick(effortPositionBar(w)->bar(), Qt::Key_PageDown);
  EXPECT_EQ(effortDistanceFigure(w)->caption(), "7.7");
}
