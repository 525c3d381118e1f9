#include "app/projects.h"

#include "circuits/frmcircuit.h"
#include "lander/frmlander.h"
#include "lander/landerwindow.h"
#include "levers/frmlever.h"
#include "levers/leverswindow.h"
#include "pendulum/frmpend.h"
#include "probability/frmprob.h"
#include "rocketry/rocketrywindow.h"
#include "robotics/frmrobot.h"
#include "weather/frmwatch.h"
#include "trajectories/trajectorieswindow.h"
#include "wheel/frmwheel.h"

// Each project window, as the menu opens it.
void registerProjects(shell::MenuWindow& menu) {
  menu.setProject(1, [] { return new levers::LeversWindow(); });
  menu.setProject(2, [] { return new pend::frmPend(); });
  menu.setProject(3, [] { return new wheel::frmWheel(); });
  menu.setProject(6, [] { return new circuits::frmCircuit(); });
  menu.setProject(7, [] { return new robot::frmRobot(); });
  menu.setProject(8, [] { return new traj::TrajectoriesWindow(); });
  menu.setProject(5, [] { return new weather::frmWatch(); });
  menu.setProject(9, [] { return new rocket::RocketryWindow(); });
  menu.setProject(10, [] { return new prob::frmProb(); });
  menu.setProject(4, [] { return new lander::LanderWindow(); });
}
