#include "app/projects.h"

#include "levers/frmlever.h"
#include "pendulum/frmpend.h"
#include "shell/placeholder.h"

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
}
