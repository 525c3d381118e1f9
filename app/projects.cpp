#include "app/projects.h"

#include "circuits/frmcircuit.h"
#include "lander/frmlander.h"
#include "levers/frmlever.h"
#include "pendulum/frmpend.h"
#include "probability/frmprob.h"
#include "rocketry/frmrocket.h"
#include "robotics/frmrobot.h"
#include "shell/placeholder.h"
#include "weather/frmwatch.h"
#include "trajectories/frmarrow.h"
#include "wheel/frmwheel.h"

// Each project window, as the menu opens it. A project not yet built opens its stand-in.
void registerProjects(shell::frmMenu& menu) {
  struct Help {
    const char* file;
    int topic;
  };
  static const Help help[11] = {{"", 0},           {"vtrel.hlp", 1},    {"palorime.hlp", 13}, {"vtrel.hlp", 3},
                                {"vtrel.hlp", 4},  {"palorime.hlp", 15}, {"vtrel.hlp", 6},    {"vtrel.hlp", 7},
                                {"palorime.hlp", 16}, {"palorime.hlp", 18}, {"vtrel.hlp", 13}};
  for (int i = 1; i <= 10; ++i) {
    menu.setProject(i, [i] {
      return new shell::PlaceholderWindow(shell::projectCaption(i), help[i].file, help[i].topic);
    });
  }
  menu.setProject(1, [] { return new levers::frmLever(); });
  menu.setProject(2, [] { return new pend::frmPend(); });
  menu.setProject(3, [] { return new wheel::frmWheel(); });
  menu.setProject(6, [] { return new circuits::frmCircuit(); });
  menu.setProject(7, [] { return new robot::frmRobot(); });
  menu.setProject(8, [] { return new traj::frmArrow(); });
  menu.setProject(5, [] { return new weather::frmWatch(); });
  menu.setProject(9, [] { return new rocket::frmRocket(); });
  menu.setProject(10, [] { return new prob::frmProb(); });
  menu.setProject(4, [] { return new lander::frmLander(); });
}
