#pragma once
// The program's folder, where every file the program reads or writes lies, and the reading
// of a whole file from it.

#include <QString>
#include <string>

namespace shell {

// The program's folder followed by "/", set once at start-up.
extern QString g_basePath;
void setBasePath(const QString& folder);

// The base folder followed by the file name.
QString appFilePath(const QString& fileName);

// Removes from the base folder the temporary files of writes whose process ended before
// it could rename or remove them (killed, or the computer lost power). Run at start-up,
// so that such files do not pile up; a copy of the program writing at that moment keeps
// its own.
void removeStaleTemporaries();

// The file's bytes, less leading and trailing blanks; empty on any error.
void readWholeFile(const QString& fileName, std::string& text);

}  // namespace shell
