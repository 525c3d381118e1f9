#include "app/projects.h"

#include "circuits/circuitswindow.h"
#include "lander/landerwindow.h"
#include "levers/leverswindow.h"
#include "pendulum/pendulumwindow.h"
#include "probability/probabilitywindow.h"
#include "robotics/roboticswindow.h"
#include "rocketry/rocketrywindow.h"
#include "trajectories/trajectorieswindow.h"
#include "weather/weatherwindow.h"
#include "wheel/waterwheelwindow.h"

// Each project window, as the menu opens it.
void registerProjects(shell::MenuWindow& menu) {
  menu.setProject(1, [] { return new levers::LeversWindow(); });
  menu.setProject(2, [] { return new pendulum::PendulumWindow(); });
  menu.setProject(3, [] { return new wheel::WaterWheelWindow(); });
  menu.setProject(4, [] { return new lander::LanderWindow(); });
  menu.setProject(5, [] { return new weather::WeatherWindow(); });
  menu.setProject(6, [] { return new circuits::CircuitsWindow(); });
  menu.setProject(7, [] { return new robotics::RoboticsWindow(); });
  menu.setProject(8, [] { return new trajectories::TrajectoriesWindow(); });
  menu.setProject(9, [] { return new rocketry::RocketryWindow(); });
  menu.setProject(10, [] { return new probability::ProbabilityWindow(); });
}
