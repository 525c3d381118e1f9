#include <QFile>

#include "platform/files.h"
#include "runtime/safefile.h"
#include "shell/programfolder.h"
#include "shell/settings.h"

namespace shell {

namespace {
QString settingsPath() { return plat::resolveFile(appFilePath("vtrel5.ini")); }
}  // namespace

bool readSettingsFile() {
  QFile f(settingsPath());
  if (!f.open(QIODevice::ReadOnly)) return false;
  QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) return false;
  SharedSettings read;
  if (!parseSettings(bytes.toStdString(), read)) return false;
  settings() = read;
  return true;
}

bool writeSettingsFile(std::string* reason) {
  try {
    rt::writeWholeFile(QFile::encodeName(settingsPath()).toStdString(), formatSettings(settings()));
  } catch (const rt::WriteError& e) {
    if (reason) *reason = e.reason();
    return false;
  }
  return true;
}

}  // namespace shell
