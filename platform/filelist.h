#pragma once
// A file list: the files of one folder whose names match a pattern ("*.wwd", or several
// joined by ";"), matched without regard to letter case as the program's files always are,
// in alphabetical order regardless of case. Folders, hidden files and names that do not
// match are left out. The list is read when the folder or the pattern is set and on Refresh.

#include <functional>

#include "platform/listaccessible.h"

namespace plat {

class FileList : public EntryList {
  Q_OBJECT
 public:
  explicit FileList(QWidget* parent);
  void setPath(const QString& folder);
  QString path() const { return m_path; }
  void setPattern(const QString& pattern);
  QString pattern() const { return m_pattern; }
  // Reads the folder again.
  void refresh();

  int listCount() const { return count(); }
  QString list(int index) const;  // a file name, without the folder; empty outside the list
  int listIndex() const { return currentRow(); }
  void setListIndex(int index);
  QString fileName() const;  // the chosen file's name, or empty

  std::function<void()> onClick;
  std::function<void()> onDblClick;

 private:
  QString m_path;
  QString m_pattern = QStringLiteral("*.*");
};

}  // namespace plat
