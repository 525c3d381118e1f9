// The rocketry window's read-outs in US units as a user sets the bars: the mass read-out at
// every position of the mass bar, the predicted speeds and heights over the thrust and burn
// bars, and the printed launch values, each against the factor worked out here (0.03527
// ounces per gram, 1 / 0.3048 feet per metre, single precision) and the read-out's mask.

#include <gtest/gtest.h>

#include "tests/support/menufixture.h"

#include <QStringList>
#include <string>

#include "platform/button.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "rocketry/rocketrywindow.h"
#include "shell/settings.h"
#include "tests/support/controls.h"
#include "tests/support/readouttext.h"

namespace {

using rocketry::RocketryWindow;

constexpr float kOuncesPerGram = 0.03527f;
const float kFeetPerMetre = float(1 / 0.3048);

std::string ounces(float grams) { return fixedReadout(double(grams * kOuncesPerGram), 1); }
std::string feet(float metres) { return fixedReadout(double(kFeetPerMetre * metres), 0); }

class RocketUnitsWindow : public MenuFixture {
 protected:
  RocketryWindow* open() { return window = openProject<RocketryWindow>(9); }
  template <class T>
  T& named(const char* name) const {
    return control<T>(*window, name);
  }
  plat::ScrollBar& thrustBar() const { return named<plat::ScrollBar>("thrustBar"); }
  plat::ScrollBar& burnTimeBar() const { return named<plat::ScrollBar>("burnTimeBar"); }
  plat::ScrollBar& massBar() const { return named<plat::ScrollBar>("massBar"); }
  plat::Label& massReadout() const { return named<plat::Label>("massReadout"); }
  plat::Label& result(int which) const { return control<plat::Label>(*window, "result", which); }
  void chooseUnits(int index) { control<plat::OptionButton>(*window, "unitOption", index).setValue(true); }
  const rocketry::Flight& flight() const { return window->launch().flight(); }

  QPointer<RocketryWindow> window;
};

TEST_F(RocketUnitsWindow, TheMassReadoutAtEveryPositionOfTheBar) {
  ASSERT_TRUE(open());
  ASSERT_EQ(shell::settings().RocketUnits, 0);
  int wrong = 0, positions = 0;
  for (int thrust : {20, 55, 100}) {
    thrustBar().setValue(thrust);
    for (int g = massBar().min(); g <= massBar().max(); ++g) {
      massBar().setValue(g);
      ++positions;
      const std::string shown = massReadout().caption().toStdString();
      if (shown != ounces(float(g)) && ++wrong <= 10)
        ADD_FAILURE() << g << " g shows " << shown << " oz, " << ounces(float(g)) << " expected";
    }
  }
  EXPECT_GT(positions, 850);
  EXPECT_EQ(wrong, 0);
  // In metric units the read-out is the grams themselves.
  chooseUnits(1);
  EXPECT_EQ(massReadout().caption().toStdString(), std::to_string(massBar().value()) + ".0");
}

TEST_F(RocketUnitsWindow, ThePredictedSpeedsAndHeightsOverTheThrustAndBurnBars) {
  ASSERT_TRUE(open());
  int wrong = 0;
  for (int thrust = 20; thrust <= 100; thrust += 5)
    for (int burn = 5; burn <= 50; burn += 3) {
      thrustBar().setValue(thrust);
      burnTimeBar().setValue(burn);
      const rocketry::Flight& f = flight();
      const std::string want[3] = {feet(f.BurnoutSpeed) + " ft/s", feet(f.MaxAltitude) + " ft",
                                   feet(f.DescentSpeed) + " ft/s"};
      const int shownAt[3] = {0, 1, 3};  // maximum speed, maximum altitude, descent speed
      for (int i = 0; i < 3; ++i) {
        const std::string shown = result(shownAt[i]).caption().toStdString();
        if (shown != want[i] && ++wrong <= 10)
          ADD_FAILURE() << thrust << " tenths of N, " << burn << " tenths of s: " << shown << ", " << want[i]
                        << " expected";
      }
    }
  EXPECT_EQ(wrong, 0);
}

TEST_F(RocketUnitsWindow, ThePrintedLaunchValuesInFeetAndOunces) {
  ASSERT_TRUE(open());
  thrustBar().setValue(73);
  burnTimeBar().setValue(17);
  massBar().setValue(311);
  control<plat::CommandButton>(*window, "launchButton").click();
  for (int i = 0; i < 10000 && window->launch().running(); ++i) named<plat::Timer>("flightTimer").fire();
  control<plat::CommandButton>(*window, "printButton").click();
  ASSERT_EQ(printed->documents.size(), 1u);
  QStringList texts;
  for (const QString& t : printed->documents[0].pages[0].texts()) texts << t;
  const rocketry::Flight& f = flight();
  const std::string all = texts.join('|').toStdString();
  EXPECT_NE(all.find("Mass = " + ounces(311) + " ounces"), std::string::npos) << all;
  EXPECT_NE(all.find("Maximum Speed = " + feet(f.BurnoutSpeed) + " feet/sec"), std::string::npos) << all;
  EXPECT_NE(all.find("Maximum Altitude = " + feet(f.MaxAltitude) + " feet"), std::string::npos) << all;
  EXPECT_NE(all.find("Descent Speed = " + feet(f.DescentSpeed) + " feet/sec"), std::string::npos) << all;
}

}  // namespace
