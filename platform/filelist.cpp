#include "platform/filelist.h"

#include <QDir>

#include "platform/accessible.h"
#include "platform/listaccessible.h"

namespace plat {

FileList::FileList(QWidget* parent) : EntryList(parent) {
  installAccessible<FileList, ListAccessible>();
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && onClick) onClick();
  });
  connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) {
    if (onDblClick) onDblClick();
  });
}

void FileList::setPath(const QString& folder) {
  m_path = folder;
  refresh();
}

void FileList::setPattern(const QString& pattern) {
  m_pattern = pattern.isEmpty() ? QStringLiteral("*.*") : pattern;
  refresh();
}

void FileList::refresh() {
  blockSignals(true);
  clear();
  blockSignals(false);
  if (m_path.isEmpty()) return;
  QStringList filters;
  for (const QString& p : m_pattern.split(';', Qt::SkipEmptyParts)) {
    QString f = p.trimmed();
    // "*.*" names every file, also one without an extension.
    filters << (f == "*.*" ? QStringLiteral("*") : f);
  }
  QDir dir(m_path);
  // Without QDir::CaseSensitive the name filters match regardless of case.
  dir.setNameFilters(filters);
  dir.setFilter(QDir::Files | QDir::NoDotAndDotDot);
  dir.setSorting(QDir::Name | QDir::IgnoreCase);
  blockSignals(true);
  addItems(dir.entryList());
  blockSignals(false);
}

QString FileList::list(int index) const {
  QListWidgetItem* it = item(index);
  return it ? it->text() : QString();
}

void FileList::setListIndex(int index) {
  if (index < -1 || index >= count()) return;
  setCurrentRow(index);
}

QString FileList::fileName() const { return list(currentRow()); }

}  // namespace plat
