#include "shell/module1.h"

#include <QFile>
#include <chrono>
#include <thread>

#include "platform/files.h"
#include "platform/services.h"

namespace shell {

QString BasePath;

void setBasePath(const QString& folder) {
  BasePath = folder;
  if (!BasePath.endsWith('/')) BasePath += '/';
}

QString AppFilePath(const QString& fileName) { return BasePath + fileName; }

void PlayWave(const QString& fileName, int16_t flags) {
  if (fileName.isEmpty()) return;
  plat::sound().stop();
  plat::sound().playFile(fileName, flags == 0);
}

namespace {
rt::TimeOfDayClock* g_timeOfDay = nullptr;
rt::TickClock* g_ticks = nullptr;
}  // namespace

rt::TimeOfDayClock& timeOfDay() {
  static rt::SystemTimeOfDay system;
  return g_timeOfDay ? *g_timeOfDay : system;
}
rt::TickClock& tickClock() {
  static rt::SystemTickClock system;
  return g_ticks ? *g_ticks : system;
}
void setTimeOfDayClock(rt::TimeOfDayClock* c) { g_timeOfDay = c; }
void setTickClock(rt::TickClock* c) { g_ticks = c; }

void Delay(float seconds) {
  if (!(seconds > 0)) return;
  const float start = timeOfDay().seconds();
  for (;;) {
    float elapsed = timeOfDay().seconds() - start;
    if (elapsed < 0) elapsed += 86400.0f;  // the clock went past midnight
    if (elapsed >= seconds) return;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
}

void ReadWholeFile(const QString& fileName, std::string& text) {
  text.clear();
  QFile f(plat::resolveFile(fileName));
  if (!f.open(QIODevice::ReadOnly)) return;
  QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) return;
  qsizetype a = 0, b = bytes.size();
  while (a < b && bytes[a] == ' ') ++a;
  while (b > a && bytes[b - 1] == ' ') --b;
  text.assign(bytes.constData() + a, size_t(b - a));
}

void PlayWaveImage(const std::string& image) {
  if (image.empty()) return;
  plat::sound().playImage(image);
}

}  // namespace shell
