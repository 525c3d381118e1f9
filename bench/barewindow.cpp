// A bare window on the same toolkit and libraries as the program, for the start-up comparison
// of bench/menu-start.sh: what any program of this kind pays before its first window shows.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Bare window");
  window.resize(480, 360);
  window.show();
  return app.exec();
}
