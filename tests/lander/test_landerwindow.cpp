// The moon lander window as a player meets it: opened from the menu, levels and units
// chosen, a game started, paused, resumed, flown with the thrusters, landed or crashed,
// stopped, and left by Exit or the title bar.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <utility>

#include "lander/landerlayout.h"
#include "lander/landerwindow.h"
#include "platform/button.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/placement.h"
#include "platform/services.h"
#include "platform/shape.h"
#include "platform/textbox.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "runtime/clock.h"
#include "runtime/random.h"
#include "shell/clocks.h"
#include "shell/settings.h"
#include "tests/support/controls.h"
#include "tests/support/doubles.h"
#include "tests/support/heardtree.h"
#include "tests/support/manualsources.h"
#include "tests/support/menufixture.h"
#include "tests/support/screenreader.h"

namespace {

using lander::LanderWindow;

class LanderWindowTest : public MenuFixture {
 protected:
  void SetUp() override {
    shell::setRandomSource(&random);
    MenuFixture::SetUp();
    if (HasFatalFailure()) return;
    for (const char* name : {"THRUSTR1.WAV", "THRUSTR2.WAV"})
      ASSERT_TRUE(QFile::copy(QString(VANTREL_APP_DIR "/") + name, dir.filePath(name))) << name;
  }
  void TearDown() override {
    MenuFixture::TearDown();
    shell::setRandomSource(nullptr);
  }

  LanderWindow* open() {
    window = openProject<LanderWindow>(4);
    return window;
  }
  // The window's controls, by the names it gives them.
  plat::CommandButton& button(const char* name) { return control<plat::CommandButton>(*window, name); }
  plat::Label& label(const char* name) { return control<plat::Label>(*window, name); }
  plat::Frame& frame(const char* name) { return control<plat::Frame>(*window, name); }
  plat::PictureBox& picture(const char* name) { return control<plat::PictureBox>(*window, name); }
  plat::Shape& shape(const char* name) { return control<plat::Shape>(*window, name); }
  plat::OptionButton& option(const char* role, int index) { return control<plat::OptionButton>(*window, role, index); }
  plat::TextBox& crashText() { return control<plat::TextBox>(*window, "crashText"); }
  plat::Panel& fuelGauge() { return control<plat::Panel>(*window, "fuelGauge"); }
  plat::Timer& tickTimer() { return control<plat::Timer>(*window, "tickTimer"); }
  // The index of a row's chosen option ("levelOption"), or -1 while none is chosen.
  int chosen(const char* role, int count) { return chosenOption(*window, role, count); }
  void chooseLevel(int level) { option("levelOption", level).click(); }
  void start() { button("startButton").click(); }
  // Runs ticks until the game ends by itself.
  int flyToTheEnd() {
    int ticks = 0;
    while (window->game().InGame && ticks < 1000) {
      tickTimer().fire();
      ++ticks;
    }
    return ticks;
  }
  int imagePlays() const {
    int n = 0;
    for (const auto& c : services.sound->calls) n += c.kind == plat::SoundCall::Image;
    return n;
  }
  static int countNot(const plat::PictureBox& p, rt::Colour c) {
    int n = 0;
    const auto& s = p.surface();
    for (int y = 0; y < s.deviceHeight(); ++y)
      for (int x = 0; x < s.deviceWidth(); ++x) n += s.pixel(x, y) != c;
    return n;
  }

  rt::ScriptedRandom random{{0.5f}};
  QPointer<LanderWindow> window;
};

TEST_F(LanderWindowTest, OpensStoppedWithTheSharedSettings) {
  ASSERT_TRUE(open());
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(window->isVisible());

  EXPECT_EQ(window->gameState(), 0);
  EXPECT_EQ(button("startButton").caption(), "&Start");
  EXPECT_EQ(button("exitButton").caption(), "E&xit");
  EXPECT_TRUE(frame("levelFrame").isVisible());
  EXPECT_TRUE(frame("unitsFrame").isVisible());
  EXPECT_FALSE(frame("trajectoryFrame").isVisible());
  EXPECT_FALSE(crashText().isVisible());
  for (plat::CommandButton* b :
       {&button("leftThrusterButton"), &button("mainThrusterButton"), &button("rightThrusterButton")}) {
    EXPECT_TRUE(b->isVisible());
    EXPECT_FALSE(b->isEnabled());
  }
  EXPECT_EQ(chosen("levelOption", lander::kLevels), 0);
  EXPECT_EQ(chosen("unitsOption", 2), 0);
  EXPECT_EQ(frame("readoutFrame").caption(), "Auto-Pilot Level");
  EXPECT_EQ(label("valueHead").caption(), "Value (ft)");
  EXPECT_EQ(label("speedHead").caption(), "Speed (ft/s)");
  EXPECT_FALSE(tickTimer().enabled());
  EXPECT_EQ(tickTimer().interval(), 500);
  // The viewer stays black until the first tick.
  EXPECT_EQ(countNot(picture("viewerPicture"), 0), 0);
  // The pictures measure as the game expects, the thruster sounds are held in memory.
  EXPECT_EQ(window->game().sizes().worldHeight, 700);
  EXPECT_EQ(window->game().sizes().landerWidth, 105);
  EXPECT_EQ(window->game().CentredX, 68);
  EXPECT_EQ(window->game().CentredY, 113);
  EXPECT_GT(window->mainThrustSound().size(), 44u);
  EXPECT_GT(window->sideThrustSound().size(), 44u);
}

// What a control shows as its caption, whatever its kind.
QString captionOf(const QWidget* w) {
  if (auto* l = qobject_cast<const plat::Label*>(w)) return l->caption();
  if (auto* f = qobject_cast<const plat::Frame*>(w)) return f->caption();
  if (auto* b = qobject_cast<const plat::CommandButton*>(w)) return b->text();
  if (auto* o = qobject_cast<const plat::OptionButton*>(w)) return o->caption();
  if (auto* t = qobject_cast<const plat::TextBox*>(w)) return t->text();
  return QString();
}

// A read-out title of the panel, found by its caption.
const plat::Label* titleOf(const QWidget* panel, const char* caption) {
  for (const plat::Label* l : panel->findChildren<const plat::Label*>())
    if (l->caption() == QString::fromUtf8(caption)) return l;
  return nullptr;
}

TEST_F(LanderWindowTest, EveryControlStandsWhereItsRowPutsIt) {
  ASSERT_TRUE(open());
  namespace L = lander::layout;
  EXPECT_EQ(window->caption(), "Moon Lander");
  EXPECT_EQ(window->width(), plat::twipsToPixels(L::kClientWidth));  // 542 x 430
  EXPECT_EQ(window->height(), plat::twipsToPixels(L::kClientHeight));

  const QWidget* panel = &frame("readoutFrame");
  std::vector<std::pair<const QWidget*, const plat::ControlRow*>> placed = {
      {&picture("viewerPicture"), &L::kViewer},
      {&picture("scannerPicture"), &L::kScanner},
      {&shape("padMarker"), &L::kPadMarker},
      {&shape("landerMarker"), &L::kLanderMarker},
      {&crashText(), &L::kCrashText},
      {&frame("levelFrame"), &L::kLevelFrame},
      {&frame("unitsFrame"), &L::kUnitsFrame},
      {&frame("trajectoryFrame"), &L::kTrajectoryFrame},
      {&picture("trajectoryPicture"), &L::kTrajectoryPlot},
      {&frame("readoutFrame"), &L::kReadoutFrame},
      {titleOf(panel, L::kTimeTitle.caption), &L::kTimeTitle},
      {&label("timeValue"), &L::kTimeValue},
      {&label("valueHead"), &L::kValueHead},
      {&label("speedHead"), &L::kSpeedHead},
      {titleOf(panel, L::kAltitudeTitle.caption), &L::kAltitudeTitle},
      {&label("altitudeValue"), &L::kAltitudeValue},
      {&label("descentValue"), &L::kDescentValue},
      {titleOf(panel, L::kPositionTitle.caption), &L::kPositionTitle},
      {&label("positionValue"), &L::kPositionValue},
      {&label("lateralValue"), &L::kLateralValue},
      {titleOf(panel, L::kFuelTitle.caption), &L::kFuelTitle},
      {&fuelGauge(), &L::kFuelGauge},
      {&label("thrustersTitle"), &L::kThrustersTitle},
      {&button("leftThrusterButton"), &L::kLeftThruster},
      {&button("mainThrusterButton"), &L::kMainThruster},
      {&button("rightThrusterButton"), &L::kRightThruster},
      {&button("startButton"), &L::kStartButton},
      {&button("helpButton"), &L::kHelpButton},
      {&button("exitButton"), &L::kExitButton},
  };
  for (int i = 0; i < lander::kLevels; ++i) placed.push_back({&option("levelOption", i), &L::kLevelOptions[i]});
  for (int i = 0; i < 2; ++i) placed.push_back({&option("unitsOption", i), &L::kUnitsOptions[i]});

  for (const auto& [control, row] : placed) {
    ASSERT_TRUE(control) << (row->caption ? row->caption : "(no caption)");
    SCOPED_TRACE((control->metaObject()->className() + QString(" ") + captionOf(control)).toStdString());
    const QRect expected(plat::twipsToPixels(row->left), plat::twipsToPixels(row->top), plat::twipsToPixels(row->width),
                         plat::twipsToPixels(row->height));
    EXPECT_EQ(control->geometry(), expected);
    if (row->caption) {
      EXPECT_EQ(captionOf(control), QString::fromUtf8(row->caption));
    }
    if (row->font.face) {
      const QFont font = plat::screenFont(row->font.face, row->font.points, row->font.bold);
      EXPECT_EQ(control->font().family(), font.family());
      EXPECT_EQ(control->font().pointSizeF(), font.pointSizeF());
      EXPECT_EQ(control->font().bold(), font.bold());
    }
  }
  // The levels are captioned with the game's names, two columns of three.
  EXPECT_EQ(option("levelOption", 0).caption(), "Auto-Pilot");
  EXPECT_EQ(option("levelOption", 5).caption(), "Advanced");
}

// The levels stand in two columns; Down goes down the first column, on to the top of the
// second, and from the last level round to the first. The units stand side by side.
TEST_F(LanderWindowTest, ArrowsChooseTheLevelsInReadingOrderAndWrapRound) {
  ASSERT_TRUE(open());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  chooseLevel(2);  // Novice, at the foot of the first column
  option("levelOption", 2).setFocus(Qt::TabFocusReason);
  QTest::keyClick(&option("levelOption", 2), Qt::Key_Down);
  EXPECT_EQ(chosen("levelOption", lander::kLevels), 3);
  EXPECT_EQ(QApplication::focusWidget(), &option("levelOption", 3));
  EXPECT_EQ(option("levelOption", 3).caption(), "Junior");
  chooseLevel(5);
  option("levelOption", 5).setFocus(Qt::TabFocusReason);
  QTest::keyClick(&option("levelOption", 5), Qt::Key_Down);
  EXPECT_EQ(chosen("levelOption", lander::kLevels), 0);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_EQ(chosen("levelOption", lander::kLevels), 5);
  EXPECT_EQ(shell::settings().LanderLevel, 5);

  option("unitsOption", 0).setFocus(Qt::TabFocusReason);
  QTest::keyClick(&option("unitsOption", 0), Qt::Key_Down);
  EXPECT_EQ(chosen("unitsOption", 2), 1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(chosen("unitsOption", 2), 0);
}

TEST_F(LanderWindowTest, LevelsHideTheThrustersTheyFlyThemselves) {
  ASSERT_TRUE(open());
  chooseLevel(2);
  EXPECT_EQ(shell::settings().LanderLevel, 2);
  EXPECT_EQ(frame("readoutFrame").caption(), "Novice Level");
  start();
  EXPECT_FALSE(button("leftThrusterButton").isVisible());
  EXPECT_FALSE(button("rightThrusterButton").isVisible());
  EXPECT_TRUE(button("mainThrusterButton").isVisible());
  EXPECT_TRUE(button("mainThrusterButton").isEnabled());
  EXPECT_TRUE(label("thrustersTitle").isVisible());
  // The pad right under the lander.
  EXPECT_EQ(label("positionValue").caption(), "Above");
  button("exitButton").click();
  EXPECT_TRUE(button("leftThrusterButton").isVisible());

  chooseLevel(1);
  start();
  EXPECT_FALSE(button("mainThrusterButton").isVisible());
  EXPECT_TRUE(button("leftThrusterButton").isVisible());
  button("exitButton").click();

  chooseLevel(0);
  start();
  for (QWidget* w : std::initializer_list<QWidget*>{&button("leftThrusterButton"), &button("mainThrusterButton"),
                                                    &button("rightThrusterButton"), &label("thrustersTitle")})
    EXPECT_FALSE(w->isVisible());
  button("exitButton").click();
  EXPECT_TRUE(label("thrustersTitle").isVisible());
  EXPECT_EQ(shell::settings().LanderLevel, 0);
}

// Start pressed (by automation, as a reader presses it) with the focus on a level option
// hides the options: the focus lands once, on the next control that shows (Start, already
// renamed Pause, where the level flies the thrusters itself), never on the units option that
// was about to hide nor on Start before it is Pause.
TEST_F(LanderWindowTest, StartWithTheFocusOnALevelIsHeardOnceWhereItLands) {
  ASSERT_TRUE(open());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  for (const auto& [level, landing] : {std::pair(0, "Pause"), std::pair(4, "Left thruster")}) {
    chooseLevel(level);
    option("levelOption", level).setFocus(Qt::TabFocusReason);
    HeardEvents heard;
    start();
    QCoreApplication::processEvents();
    EXPECT_EQ(heard.count(&option("unitsOption", 0), QAccessible::Focus), 0);
    EXPECT_EQ(heard.count(&option("unitsOption", 1), QAccessible::Focus), 0);
    const auto landings = heard.focusLandings();
    ASSERT_EQ(landings.size(), 1u) << level;
    EXPECT_EQ(landings[0].second.toStdString(), landing);
    EXPECT_EQ(oneShowingFocus(), "");
    button("exitButton").click();  // Stop
  }
}

TEST_F(LanderWindowTest, StartPauseResumeAndStopWhilePaused) {
  ASSERT_TRUE(open());
  chooseLevel(4);
  start();
  EXPECT_EQ(window->gameState(), 1);
  EXPECT_EQ(button("startButton").caption(), "&Pause");
  EXPECT_EQ(button("exitButton").caption(), "&Stop");
  EXPECT_FALSE(frame("levelFrame").isVisible());
  EXPECT_FALSE(frame("unitsFrame").isVisible());
  EXPECT_TRUE(frame("trajectoryFrame").isVisible());
  EXPECT_TRUE(tickTimer().enabled());
  EXPECT_EQ(label("timeValue").caption(), "0.0 s");
  EXPECT_EQ(label("altitudeValue").caption(), "1864");
  // The ideal path is drawn in the plot.
  EXPECT_GT(countNot(picture("trajectoryPicture"), 0), 100);

  tickTimer().fire();
  EXPECT_EQ(label("timeValue").caption(), "0.5 s");
  EXPECT_GT(countNot(picture("viewerPicture"), 0), 1000);

  start();  // Pause
  EXPECT_EQ(window->gameState(), 2);
  EXPECT_EQ(button("startButton").caption(), "&Resume");
  EXPECT_FALSE(tickTimer().enabled());
  EXPECT_FALSE(button("mainThrusterButton").isEnabled());
  start();  // Resume
  EXPECT_EQ(window->gameState(), 1);
  EXPECT_EQ(button("startButton").caption(), "&Pause");
  EXPECT_TRUE(tickTimer().enabled());
  EXPECT_TRUE(button("mainThrusterButton").isEnabled());
  start();  // Pause again, then Stop
  button("exitButton").click();
  EXPECT_EQ(window->gameState(), 0);
  EXPECT_FALSE(window->game().InGame);
  EXPECT_EQ(button("startButton").caption(), "&Start");
  EXPECT_EQ(button("exitButton").caption(), "E&xit");
  EXPECT_TRUE(frame("levelFrame").isVisible());
  EXPECT_TRUE(frame("unitsFrame").isVisible());
  EXPECT_FALSE(frame("trajectoryFrame").isVisible());
  EXPECT_FALSE(tickTimer().enabled());
  EXPECT_EQ(countNot(picture("trajectoryPicture"), 0), 0);
  // The last frame and read-outs stay.
  EXPECT_GT(countNot(picture("viewerPicture"), 0), 1000);
  EXPECT_EQ(label("timeValue").caption(), "0.5 s");

  // A second press leaves for the menu.
  button("exitButton").click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(menu->isVisible());
}

TEST_F(LanderWindowTest, UnitsChangeTheHeadsAtOnceAndTheValuesAtTheNextTick) {
  ASSERT_TRUE(open());
  chooseLevel(3);
  start();
  EXPECT_EQ(label("altitudeValue").caption(), "1864");
  button("exitButton").click();
  option("unitsOption", 1).click();
  EXPECT_EQ(shell::settings().LanderUnits, 1);
  EXPECT_EQ(label("valueHead").caption(), "Value (m)");
  EXPECT_EQ(label("speedHead").caption(), "Speed (m/s)");
  EXPECT_EQ(label("altitudeValue").caption(), "1864");
  start();
  EXPECT_EQ(label("altitudeValue").caption(), "568");
  tickTimer().fire();
  // 0.3 pixels a tick downward.
  EXPECT_EQ(label("descentValue").caption(), "-0.3");
}

TEST_F(LanderWindowTest, ThrustersSoundFromMemoryAndShowTheirFlames) {
  ASSERT_TRUE(open());
  chooseLevel(4);
  start();
  button("mainThrusterButton").click();
  button("leftThrusterButton").click();
  EXPECT_EQ(imagePlays(), 2);
  EXPECT_EQ(services.sound->calls[0].imageBytes, window->mainThrustSound().size());
  EXPECT_EQ(window->game().FuelLeft, 197);
  tickTimer().fire();
  EXPECT_EQ(fuelGauge().floodPercent(), 98);  // 98.5 to the even 98
}

TEST_F(LanderWindowTest, ANearlyEmptyTankBeepsEveryTick) {
  ASSERT_TRUE(open());
  chooseLevel(4);
  start();
  window->game().FuelLeft = 19;  // 9.5 % shows as 10
  tickTimer().fire();
  EXPECT_EQ(fuelGauge().floodPercent(), 10);
  EXPECT_EQ(services.sound->countBeeps(), 0);
  button("leftThrusterButton").click();
  tickTimer().fire();
  tickTimer().fire();
  EXPECT_EQ(fuelGauge().floodPercent(), 9);
  EXPECT_EQ(services.sound->countBeeps(), 2);
}

TEST_F(LanderWindowTest, ACrashShowsItsTextWhileTheSoundPlays) {
  ASSERT_TRUE(open());
  chooseLevel(3);
  start();
  bool shownDuringSound = false;
  services.sound->onWaitingPlay = [&](const QString&) { shownDuringSound = crashText().isVisible(); };
  const int ticks = flyToTheEnd();  // a free fall from the top
  EXPECT_GT(ticks, 10);
  ASSERT_EQ(services.sound->countPlays("LAND_BAD.WAV"), 1);
  EXPECT_EQ(services.sound->calls.back().path, plat::programFolder() + "LAND_BAD.WAV");
  EXPECT_TRUE(services.sound->calls.back().wait);
  EXPECT_TRUE(shownDuringSound);
  EXPECT_FALSE(crashText().isVisible());
  EXPECT_EQ(window->gameState(), 0);
  EXPECT_EQ(button("startButton").caption(), "&Start");
  EXPECT_FALSE(tickTimer().enabled());
  EXPECT_EQ(tickTimer().interval(), 500);
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
  const plat::Surface& strip = picture("scannerPicture").surface();
  EXPECT_NEAR(plat::leftInScale(&shape("landerMarker"), strip), plat::leftInScale(&shape("padMarker"), strip), 135);
}

TEST_F(LanderWindowTest, ClosingTheWindowDuringAGameStopsItAndShowsTheMenu) {
  ASSERT_TRUE(open());
  chooseLevel(5);
  start();
  tickTimer().fire();
  plat::Timer* timer = &tickTimer();
  window->close();
  EXPECT_FALSE(timer->enabled());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(shell::settings().LanderLevel, 5);
  // Opening it again starts stopped, black, at the level chosen.
  ASSERT_TRUE(open());
  EXPECT_EQ(window->gameState(), 0);
  EXPECT_EQ(chosen("levelOption", lander::kLevels), 5);
  EXPECT_EQ(countNot(picture("viewerPicture"), 0), 0);
}

TEST_F(LanderWindowTest, HandEditedSettingsAreBroughtIntoRange) {
  shell::settings().LanderLevel = 9;
  shell::settings().LanderUnits = 3;
  ASSERT_TRUE(open());
  EXPECT_EQ(chosen("levelOption", lander::kLevels), 5);
  EXPECT_EQ(chosen("unitsOption", 2), 0);
  EXPECT_EQ(shell::settings().LanderLevel, 5);
  EXPECT_EQ(shell::settings().LanderUnits, 0);
  EXPECT_EQ(frame("readoutFrame").caption(), "Advanced Level");
  button("exitButton").click();
  shell::settings().LanderLevel = -4;
  ASSERT_TRUE(open());
  EXPECT_EQ(chosen("levelOption", lander::kLevels), 0);
  EXPECT_EQ(shell::settings().LanderLevel, 0);
}

TEST_F(LanderWindowTest, AMissingThrusterSoundLeavesThatThrusterSilent) {
  ASSERT_TRUE(QFile::remove(dir.filePath("THRUSTR2.WAV")));
  ASSERT_TRUE(open());
  EXPECT_TRUE(window->sideThrustSound().empty());
  chooseLevel(3);
  start();
  button("leftThrusterButton").click();
  EXPECT_EQ(imagePlays(), 0);
  EXPECT_EQ(window->game().SpeedX, 0.4f);
  button("mainThrusterButton").click();
  EXPECT_EQ(imagePlays(), 1);
}

TEST_F(LanderWindowTest, ALanderFlownOutOfRangeEndsTheGameWithAMessage) {
  ASSERT_TRUE(open());
  chooseLevel(3);
  start();
  window->game().LanderY = -32000;
  window->game().SpeedY = -900;
  tickTimer().fire();
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].title, "Moon Lander");
  EXPECT_EQ(window->gameState(), 0);
  EXPECT_FALSE(tickTimer().enabled());
  EXPECT_EQ(button("exitButton").caption(), "E&xit");
}

}  // namespace
