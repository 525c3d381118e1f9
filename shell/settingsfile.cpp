#include <QFile>
#include <QSaveFile>

#include "platform/files.h"
#include "shell/module1.h"
#include "shell/settings.h"

namespace shell {

namespace {
QString settingsPath() { return plat::resolveFile(AppFilePath("vtrel5.ini")); }
}  // namespace

bool ReadSettingsFile() {
  QFile f(settingsPath());
  if (!f.open(QIODevice::ReadOnly)) return false;
  QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) return false;
  SharedSettings read;
  if (!parseSettings(bytes.toStdString(), read)) return false;
  settings() = read;
  return true;
}

bool WriteSettingsFile() {
  std::string text = formatSettings(settings());
  QSaveFile f(settingsPath());
  if (!f.open(QIODevice::WriteOnly)) return false;
  if (f.write(text.data(), qint64(text.size())) != qint64(text.size())) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

}  // namespace shell
