#include "shell/programfolder.h"

#include <QFile>

#include "platform/files.h"
#include "runtime/safefile.h"

namespace shell {

QString g_basePath;

void setBasePath(const QString& folder) {
  g_basePath = folder;
  if (!g_basePath.endsWith('/')) g_basePath += '/';
}

QString appFilePath(const QString& fileName) { return g_basePath + fileName; }

void removeStaleTemporaries() { rt::removeStaleTemporaries(QFile::encodeName(g_basePath).toStdString()); }

void readWholeFile(const QString& fileName, std::string& text) {
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

}  // namespace shell
