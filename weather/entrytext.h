#pragma once
// Log entries are kept as bytes: UTF-8 for what is typed here. Files written elsewhere in a
// single-byte code page are not valid UTF-8 and read as Latin-1, so no character is lost.

#include <QString>
#include <string>

namespace weather {

inline QString entryText(const std::string& s) {
  const QString utf8 = QString::fromUtf8(s.data(), qsizetype(s.size()));
  if (utf8.contains(QChar::ReplacementCharacter) && s.find("\xEF\xBF\xBD") == std::string::npos)
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
  return utf8;
}

inline std::string entryBytes(const QString& t) { return t.toUtf8().toStdString(); }

}  // namespace weather
