// A bare window on the same toolkit and libraries as the program, for the start-up comparison
// of bench/menu-start.sh: what any program of this kind pays before its first window shows. It
// shows one line of text, as every window of the program does: the first text a program shows
// has the system's fonts looked up (some 9 ms here), which a window without text never pays.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Bare window");
  window.resize(480, 360);
  QLabel line("A bare window", &window);
  window.show();
  return app.exec();
}
