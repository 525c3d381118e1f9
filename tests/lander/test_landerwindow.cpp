// The moon lander window as a player meets it: opened from the menu, levels and units
// chosen, a game started, paused, resumed, flown with the thrusters, landed or crashed,
// stopped, and left by Exit or the title bar.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "app/projects.h"
#include "lander/landerwindow.h"
#include "platform/button.h"
#include "platform/files.h"
#include "platform/label.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/placement.h"
#include "platform/services.h"
#include "platform/shape.h"
#include "platform/textbox.h"
#include "platform/timer.h"
#include "runtime/clock.h"
#include "runtime/random.h"
#include "shell/menuwindow.h"
#include "shell/clocks.h"
#include "shell/settings.h"

namespace {

using lander::LanderWindow;

class LanderWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    services = plat::installTestServices();
    ASSERT_TRUE(dir.isValid());
    plat::setProgramFolder(dir.path());
    ASSERT_TRUE(QFile::copy(VANTREL_RESOURCES "/vtrel5.ini", dir.filePath("vtrel5.ini")));
    for (const char* name : {"THRUSTR1.WAV", "THRUSTR2.WAV", "landerbg.png", "lander_s.png", "lander_m.png",
                             "landpad_s.png", "landpad_m.png", "flameh_s.png", "flameh_m.png", "flamev_s.png",
                             "flamev_m.png", "thrleft.png", "thrup.png", "thrright.png"})
      ASSERT_TRUE(QFile::copy(QString(VANTREL_APP_DIR "/") + name, dir.filePath(name))) << name;
    shell::setTickClock(&clock);
    LanderWindow::useRandomSource(&random);
    menu = new shell::MenuWindow;
    registerProjects(*menu);
    menu->onEnd = [](int) {};
    menu->Show();
  }
  void TearDown() override {
    if (menu) {
      if (menu->currentProject()) delete menu->currentProject();
      delete menu;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    LanderWindow::useRandomSource(nullptr);
    shell::setTickClock(nullptr);
    plat::setProgramFolder(QString());
  }

  LanderWindow* open() {
    menu->projectButton(4)->click();
    window = qobject_cast<LanderWindow*>(menu->currentProject());
    return window;
  }
  void chooseLevel(int level) { window->optMode()(level)->click(); }
  void start() { window->btnStart()->click(); }
  // Runs ticks until the game ends by itself.
  int flyToTheEnd() {
    int ticks = 0;
    while (window->game().InGame && ticks < 1000) {
      window->Timer1()->fire();
      ++ticks;
    }
    return ticks;
  }
  int imagePlays() const {
    int n = 0;
    for (const auto& c : services.sound->calls) n += c.kind == plat::SoundCall::Image;
    return n;
  }
  static int countNot(const plat::PictureBox* p, rt::Colour c) {
    int n = 0;
    const auto& s = p->surface();
    for (int y = 0; y < s.deviceHeight(); ++y)
      for (int x = 0; x < s.deviceWidth(); ++x) n += s.pixel(x, y) != c;
    return n;
  }

  plat::TestServices services{};
  rt::ManualTickClock clock{1000};
  rt::ScriptedRandom random{{0.5f}};
  QTemporaryDir dir;
  QPointer<shell::MenuWindow> menu;
  QPointer<LanderWindow> window;
};

TEST_F(LanderWindowTest, OpensStoppedWithTheSharedSettings) {
  ASSERT_TRUE(open());
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->caption(), "Moon Lander");
  EXPECT_EQ(window->width(), 542);  // 8130 x 6450 twips
  EXPECT_EQ(window->height(), 430);

  EXPECT_EQ(window->GameState(), 0);
  EXPECT_EQ(window->btnStart()->caption(), "&Start");
  EXPECT_EQ(window->cmdExit()->caption(), "E&xit");
  EXPECT_TRUE(window->fraMode()->isVisible());
  EXPECT_TRUE(window->fraUnits()->isVisible());
  EXPECT_FALSE(window->fraTrajectory()->isVisible());
  EXPECT_FALSE(window->txtCrash()->isVisible());
  for (plat::CommandButton* b : {window->btnLeft(), window->btnUp(), window->btnRight()}) {
    EXPECT_TRUE(b->isVisible());
    EXPECT_FALSE(b->isEnabled());
  }
  EXPECT_EQ(window->optMode().value(), 0);
  EXPECT_EQ(window->optUnits().value(), 0);
  EXPECT_EQ(window->fraControl()->caption(), "Auto-Pilot Level");
  EXPECT_EQ(window->lblVUnits()->caption(), "Value (ft)");
  EXPECT_EQ(window->lblSUnits()->caption(), "Speed (ft/s)");
  EXPECT_FALSE(window->Timer1()->enabled());
  EXPECT_EQ(window->Timer1()->interval(), 500);
  // The viewer stays black until the first tick.
  EXPECT_EQ(countNot(window->picViewer(), 0), 0);
  // The pictures measure as the game expects, the thruster sounds are held in memory.
  EXPECT_EQ(window->game().sizes().worldHeight, 700);
  EXPECT_EQ(window->game().sizes().landerWidth, 105);
  EXPECT_EQ(window->game().CentredX, 68);
  EXPECT_EQ(window->game().CentredY, 113);
  EXPECT_GT(window->MainThrustImage().size(), 44u);
  EXPECT_GT(window->SideThrustImage().size(), 44u);
}

TEST_F(LanderWindowTest, LevelsHideTheThrustersTheyFlyThemselves) {
  ASSERT_TRUE(open());
  chooseLevel(2);
  EXPECT_EQ(shell::settings().LanderLevel, 2);
  EXPECT_EQ(window->fraControl()->caption(), "Novice Level");
  start();
  EXPECT_FALSE(window->btnLeft()->isVisible());
  EXPECT_FALSE(window->btnRight()->isVisible());
  EXPECT_TRUE(window->btnUp()->isVisible());
  EXPECT_TRUE(window->btnUp()->isEnabled());
  EXPECT_TRUE(window->lblThrust()->isVisible());
  // The pad right under the lander.
  EXPECT_EQ(window->lblTargetLoc()->caption(), "Above");
  window->cmdExit()->click();
  EXPECT_TRUE(window->btnLeft()->isVisible());

  chooseLevel(1);
  start();
  EXPECT_FALSE(window->btnUp()->isVisible());
  EXPECT_TRUE(window->btnLeft()->isVisible());
  window->cmdExit()->click();

  chooseLevel(0);
  start();
  for (QWidget* w : std::initializer_list<QWidget*>{window->btnLeft(), window->btnUp(), window->btnRight(),
                                                     window->lblThrust()})
    EXPECT_FALSE(w->isVisible());
  window->cmdExit()->click();
  EXPECT_TRUE(window->lblThrust()->isVisible());
  EXPECT_EQ(shell::settings().LanderLevel, 0);
}

TEST_F(LanderWindowTest, StartPauseResumeAndStopWhilePaused) {
  ASSERT_TRUE(open());
  chooseLevel(4);
  start();
  EXPECT_EQ(window->GameState(), 1);
  EXPECT_EQ(window->btnStart()->caption(), "&Pause");
  EXPECT_EQ(window->cmdExit()->caption(), "&Stop");
  EXPECT_FALSE(window->fraMode()->isVisible());
  EXPECT_FALSE(window->fraUnits()->isVisible());
  EXPECT_TRUE(window->fraTrajectory()->isVisible());
  EXPECT_TRUE(window->Timer1()->enabled());
  EXPECT_EQ(window->lblTime()->caption(), "0.0 s");
  EXPECT_EQ(window->lblElevation()->caption(), "1864");
  // The ideal path is drawn in the plot.
  EXPECT_GT(countNot(window->picTrajectory(), 0), 100);

  window->Timer1()->fire();
  EXPECT_EQ(window->lblTime()->caption(), "0.5 s");
  EXPECT_GT(countNot(window->picViewer(), 0), 1000);

  start();  // Pause
  EXPECT_EQ(window->GameState(), 2);
  EXPECT_EQ(window->btnStart()->caption(), "&Resume");
  EXPECT_FALSE(window->Timer1()->enabled());
  EXPECT_FALSE(window->btnUp()->isEnabled());
  start();  // Resume
  EXPECT_EQ(window->GameState(), 1);
  EXPECT_EQ(window->btnStart()->caption(), "&Pause");
  EXPECT_TRUE(window->Timer1()->enabled());
  EXPECT_TRUE(window->btnUp()->isEnabled());
  start();  // Pause again, then Stop
  window->cmdExit()->click();
  EXPECT_EQ(window->GameState(), 0);
  EXPECT_FALSE(window->game().InGame);
  EXPECT_EQ(window->btnStart()->caption(), "&Start");
  EXPECT_EQ(window->cmdExit()->caption(), "E&xit");
  EXPECT_TRUE(window->fraMode()->isVisible());
  EXPECT_TRUE(window->fraUnits()->isVisible());
  EXPECT_FALSE(window->fraTrajectory()->isVisible());
  EXPECT_FALSE(window->Timer1()->enabled());
  EXPECT_EQ(countNot(window->picTrajectory(), 0), 0);
  // The last frame and read-outs stay.
  EXPECT_GT(countNot(window->picViewer(), 0), 1000);
  EXPECT_EQ(window->lblTime()->caption(), "0.5 s");

  // A second press leaves for the menu.
  window->cmdExit()->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(menu->isVisible());
}

TEST_F(LanderWindowTest, UnitsChangeTheHeadsAtOnceAndTheValuesAtTheNextTick) {
  ASSERT_TRUE(open());
  chooseLevel(3);
  start();
  EXPECT_EQ(window->lblElevation()->caption(), "1864");
  window->cmdExit()->click();
  window->optUnits()(1)->click();
  EXPECT_EQ(shell::settings().LanderUnits, 1);
  EXPECT_EQ(window->lblVUnits()->caption(), "Value (m)");
  EXPECT_EQ(window->lblSUnits()->caption(), "Speed (m/s)");
  EXPECT_EQ(window->lblElevation()->caption(), "1864");
  start();
  EXPECT_EQ(window->lblElevation()->caption(), "568");
  window->Timer1()->fire();
  // 0.3 pixels a tick downward.
  EXPECT_EQ(window->lblDescent()->caption(), "-0.3");
}

TEST_F(LanderWindowTest, ThrustersSoundFromMemoryAndShowTheirFlames) {
  ASSERT_TRUE(open());
  chooseLevel(4);
  start();
  window->btnUp()->click();
  window->btnLeft()->click();
  EXPECT_EQ(imagePlays(), 2);
  EXPECT_EQ(services.sound->calls[0].imageBytes, window->MainThrustImage().size());
  EXPECT_EQ(window->game().FuelLeft, 197);
  window->Timer1()->fire();
  EXPECT_EQ(window->panFuel()->floodPercent(), 98);  // 98.5 to the even 98
}

TEST_F(LanderWindowTest, ANearlyEmptyTankBeepsEveryTick) {
  ASSERT_TRUE(open());
  chooseLevel(4);
  start();
  window->game().FuelLeft = 19;  // 9.5 % shows as 10
  window->Timer1()->fire();
  EXPECT_EQ(window->panFuel()->floodPercent(), 10);
  EXPECT_EQ(services.sound->countBeeps(), 0);
  window->btnLeft()->click();
  window->Timer1()->fire();
  window->Timer1()->fire();
  EXPECT_EQ(window->panFuel()->floodPercent(), 9);
  EXPECT_EQ(services.sound->countBeeps(), 2);
}

TEST_F(LanderWindowTest, ACrashShowsItsTextWhileTheSoundPlays) {
  ASSERT_TRUE(open());
  chooseLevel(3);
  start();
  bool shownDuringSound = false;
  services.sound->onWaitingPlay = [&](const QString&) { shownDuringSound = window->txtCrash()->isVisible(); };
  const int ticks = flyToTheEnd();  // a free fall from the top
  EXPECT_GT(ticks, 10);
  ASSERT_EQ(services.sound->countPlays("LAND_BAD.WAV"), 1);
  EXPECT_EQ(services.sound->calls.back().path, plat::programFolder() + "LAND_BAD.WAV");
  EXPECT_TRUE(services.sound->calls.back().wait);
  EXPECT_TRUE(shownDuringSound);
  EXPECT_FALSE(window->txtCrash()->isVisible());
  EXPECT_EQ(window->GameState(), 0);
  EXPECT_EQ(window->btnStart()->caption(), "&Start");
  EXPECT_FALSE(window->Timer1()->enabled());
  EXPECT_EQ(window->Timer1()->interval(), 500);
}

TEST_F(LanderWindowTest, TheAutoPilotLandsSafely) {
  ASSERT_TRUE(open());
  start();
  flyToTheEnd();
  EXPECT_EQ(services.sound->countPlays("LAND_OK.WAV"), 1);
  EXPECT_EQ(services.sound->countPlays("LAND_BAD.WAV"), 0);
  EXPECT_GT(imagePlays(), 0);
  EXPECT_LT(window->game().FuelLeft, 200);
  // The lander is near the pad, and the scanner's markers say so.
  const plat::Surface& strip = window->picScanner()->surface();
  EXPECT_NEAR(plat::leftInScale(window->shpLander(), strip), plat::leftInScale(window->shpPad(), strip), 135);
}

TEST_F(LanderWindowTest, ClosingTheWindowDuringAGameStopsItAndShowsTheMenu) {
  ASSERT_TRUE(open());
  chooseLevel(5);
  start();
  window->Timer1()->fire();
  plat::Timer* timer = window->Timer1();
  window->close();
  EXPECT_FALSE(timer->enabled());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(shell::settings().LanderLevel, 5);
  // Opening it again starts stopped, black, at the level chosen.
  ASSERT_TRUE(open());
  EXPECT_EQ(window->GameState(), 0);
  EXPECT_EQ(window->optMode().value(), 5);
  EXPECT_EQ(countNot(window->picViewer(), 0), 0);
}

TEST_F(LanderWindowTest, HelpButtonAndF1OpenTheLandersTopic) {
  ASSERT_TRUE(open());
  window->cmdHelp()->click();
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTest::keyClick(window, Qt::Key_F1);
  ASSERT_EQ(services.help->calls.size(), 2u);
  for (const auto& call : services.help->calls) {
    EXPECT_EQ(call.topic, 4);
    EXPECT_TRUE(call.file.endsWith("/vtrel.hlp"));
  }
  EXPECT_EQ(services.help->calls[0].file, services.help->calls[1].file);
}

TEST_F(LanderWindowTest, HandEditedSettingsAreBroughtIntoRange) {
  shell::settings().LanderLevel = 9;
  shell::settings().LanderUnits = 3;
  ASSERT_TRUE(open());
  EXPECT_EQ(window->optMode().value(), 5);
  EXPECT_EQ(window->optUnits().value(), 0);
  EXPECT_EQ(shell::settings().LanderLevel, 5);
  EXPECT_EQ(shell::settings().LanderUnits, 0);
  EXPECT_EQ(window->fraControl()->caption(), "Advanced Level");
  window->cmdExit()->click();
  shell::settings().LanderLevel = -4;
  ASSERT_TRUE(open());
  EXPECT_EQ(window->optMode().value(), 0);
  EXPECT_EQ(shell::settings().LanderLevel, 0);
}

TEST_F(LanderWindowTest, AMissingThrusterSoundLeavesThatThrusterSilent) {
  ASSERT_TRUE(QFile::remove(dir.filePath("THRUSTR2.WAV")));
  ASSERT_TRUE(open());
  EXPECT_TRUE(window->SideThrustImage().empty());
  chooseLevel(3);
  start();
  window->btnLeft()->click();
  EXPECT_EQ(imagePlays(), 0);
  EXPECT_EQ(window->game().SpeedX, 0.4f);
  window->btnUp()->click();
  EXPECT_EQ(imagePlays(), 1);
}

TEST_F(LanderWindowTest, ALanderFlownOutOfRangeEndsTheGameWithAMessage) {
  ASSERT_TRUE(open());
  chooseLevel(3);
  start();
  window->game().LanderY = -32000;
  window->game().SpeedY = -900;
  window->Timer1()->fire();
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].title, "Moon Lander");
  EXPECT_EQ(window->GameState(), 0);
  EXPECT_FALSE(window->Timer1()->enabled());
  EXPECT_EQ(window->cmdExit()->caption(), "E&xit");
}

}  // namespace
