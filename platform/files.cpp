#include "platform/files.h"

#include <QCoreApplication>

#include "runtime/filenames.h"

namespace plat {

QString programFolder() { return QCoreApplication::applicationDirPath() + "/"; }

QString resolveFile(const QString& path) {
  return QString::fromStdString(rt::resolveCaseInsensitive(path.toStdString()));
}

}  // namespace plat
