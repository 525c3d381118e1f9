// A program that ends from inside its event loop, as one does when its display goes away,
// with its sound output open and a sound playing: it must end with its own exit status, not
// be brought down as Qt's sound back-end goes before the output is closed.

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "platform/services.h"
#include "tests/sound/recording.h"
#include "tests/sound/soundserver.h"

int main(int argc, char** argv) {
  soundcheck::PrivateSoundServer server;
  if (!server.startOrSay("the sound check at the end of the program")) return 1;
  QCoreApplication app(argc, argv);
  plat::sound().playImage(soundcheck::toneWave(440, 2.0));
  QTimer::singleShot(300, [] { std::exit(0); });
  app.exec();
  std::fprintf(stderr, "FAILED: the event loop ended without the exit\n");
  return 1;
}
