#pragma once
// What every test program with windows sets up before its application object: the offscreen
// platform unless another is asked for, and a private runtime folder when none is given.

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdlib>

inline void prepareOffscreenEnvironment() {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    QString dir = QDir::tempPath() + "/vantrel-test-runtime";
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_RUNTIME_DIR", dir.toLocal8Bit().constData(), 1);
  }
}
