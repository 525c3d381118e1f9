#include "shell/sounds.h"

#include "platform/services.h"

namespace shell {

void playWave(const QString& fileName, int16_t flags) {
  if (fileName.isEmpty()) return;
  plat::sound().stop();
  plat::sound().playFile(fileName, flags == 0);
}

void playWaveImage(const std::string& image) {
  if (image.empty()) return;
  plat::sound().playImage(image);
}

}  // namespace shell
