#include "platform/files.h"

#include <QCoreApplication>

#include "runtime/filenames.h"

namespace plat {

namespace {
QString g_folder;
}

QString programFolder() {
  if (!g_folder.isEmpty()) return g_folder;
  return QCoreApplication::applicationDirPath() + "/";
}

void setProgramFolder(const QString& folder) {
  g_folder = folder;
  if (!g_folder.isEmpty() && !g_folder.endsWith('/')) g_folder += '/';
}

QString resolveFile(const QString& path) {
  return QString::fromStdString(rt::resolveCaseInsensitive(path.toStdString()));
}

}  // namespace plat
