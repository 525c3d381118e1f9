#include "app/projects.h"

#include "circuits/frmcircuit.h"
#include "lander/frmlander.h"
#include "levers/frmlever.h"
#include "pendulum/frmpend.h"
#include "probability/frmprob.h"
#include "rocketry/frmrocket.h"
#include "robotics/frmrobot.h"
#include "weather/weatherwindow.h"
#include "trajectories/frmarrow.h"
#include "wheel/frmwheel.h"

// Each project window, as the menu opens it.
void registerProjects(shell::MenuWindow& menu) {
  menu.setProject(1, [] { return new levers::frmLever(); });
  menu.setProject(2, [] { return new pend::frmPend(); });
  menu.setProject(3, [] { return new wheel::frmWheel(); });
  menu.setProject(6, [] { return new circuits::frmCircuit(); });
  menu.setProject(7, [] { return new robot::frmRobot(); });
  menu.setProject(8, [] { return new traj::frmArrow(); });
  menu.setProject(5, [] { return new weather::WeatherWindow(); });
  menu.setProject(9, [] { return new rocket::frmRocket(); });
  menu.setProject(10, [] { return new prob::frmProb(); });
  menu.setProject(4, [] { return new lander::frmLander(); });
}
