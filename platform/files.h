#pragma once
// The program's folder and the files in it, whose names match without regard to case.

#include <QString>

namespace plat {

// The program's folder followed by "/".
QString programFolder();
// Puts the program's folder elsewhere (tests run the windows on a folder of their own).
void setProgramFolder(const QString& folder);
// The path of an existing file whose name equals the path's last part regardless of case;
// the path itself when it exists or nothing matches.
QString resolveFile(const QString& path);

}  // namespace plat
