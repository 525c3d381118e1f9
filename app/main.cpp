// The program: the menu is the first window; each project button opens its project.

#include <QApplication>

#include "app/projects.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "shell/menuwindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vantrel");
  // The menu is hidden while a project is open; closing a project must not end the program.
  QApplication::setQuitOnLastWindowClosed(false);
  plat::installFontSubstitutions();

  shell::MenuWindow menu;
  registerProjects(menu);
  menu.open();
  if (menu.ended()) return 1;
  // The sound output opens once the menu is up, on a thread of its own, well before the first
  // sound, so the desktop's sound server has settled to the short delay it asks for by the
  // time a project plays one.
  plat::sound();
  return app.exec();
}
