#include "platform/combobox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <algorithm>

#include "platform/accessible.h"
#include "platform/accessibleroles.h"
#include "platform/keys.h"
#include "platform/listaccessible.h"

namespace plat {

namespace {

// Screen readers meet the text field and the list; the box around them only holds them. The
// factories stand before the first parts are made, so no reader meets a part without them.
QLineEdit* newTextField(ComboBox* owner) {
  installAccessible<ComboBox, WrapperAccessible>();
  installPartAccessible<ComboBox, QListWidget, ListAccessible>();
  return new QLineEdit(owner);
}

}  // namespace

ComboBox::ComboBox(QWidget* parent) : QWidget(parent), m_edit(newTextField(this)), m_list(new EntryList(this)) {
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setFocusPolicy(Qt::ClickFocus);
  m_edit->installEventFilter(this);
  setFocusProxy(m_edit);
  connect(m_edit, &QLineEdit::textChanged, this, [this] {
    if (!m_choosing) followText();
    if (onChange) onChange();
  });
  connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!m_choosing && row >= 0) choose(row);
  });
  // The entry marked because the typed text matched it (in another case) still takes over
  // the text when it is clicked.
  connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    int row = m_list->row(item);
    if (row >= 0 && m_edit->text() != item->text()) choose(row);
  });
  connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) {
    if (onDblClick) onDblClick();
  });
}

QString ComboBox::text() const { return m_edit->text(); }

void ComboBox::setText(const QString& t) {
  if (t != m_edit->text()) m_edit->setText(t);
}

void ComboBox::addItem(const QString& item) { addItem(item, -1); }

void ComboBox::addItem(const QString& item, int index) {
  if (index < 0 || index > m_list->count()) index = m_list->count();
  m_choosing = true;
  m_list->insertItem(index, item);
  m_choosing = false;
  if (m_index >= index) ++m_index;
  if (m_index < 0) followText();
}

void ComboBox::removeItem(int index) {
  if (index < 0 || index >= m_list->count()) return;
  m_choosing = true;
  delete m_list->takeItem(index);
  m_choosing = false;
  if (m_index == index)
    m_index = -1;
  else if (m_index > index)
    --m_index;
  followText();
}

void ComboBox::clear() {
  m_choosing = true;
  m_list->clear();
  m_choosing = false;
  m_index = -1;
}

int ComboBox::listCount() const { return m_list->count(); }

QString ComboBox::list(int index) const {
  QListWidgetItem* it = m_list->item(index);
  return it ? it->text() : QString();
}

void ComboBox::setListIndex(int index) {
  if (index < -1 || index >= m_list->count()) return;
  if (index == -1) {
    m_index = -1;
    m_choosing = true;
    m_list->setCurrentRow(-1);
    m_list->clearSelection();
    m_choosing = false;
    return;
  }
  choose(index);
}

void ComboBox::choose(int index) {
  QPointer<ComboBox> alive(this);
  m_index = index;
  m_choosing = true;
  m_list->setCurrentRow(index);
  m_edit->setText(m_list->item(index)->text());
  m_choosing = false;
  if (alive && onClick) onClick();
}

void ComboBox::followText() {
  // The list follows the text: the entry equal to it (regardless of case) is marked.
  int found = -1;
  for (int i = 0; i < m_list->count(); ++i)
    if (m_list->item(i)->text().compare(m_edit->text(), Qt::CaseInsensitive) == 0) {
      found = i;
      break;
    }
  m_index = found;
  m_choosing = true;
  m_list->setCurrentRow(found);
  if (found < 0) m_list->clearSelection();
  m_choosing = false;
}

void ComboBox::setAccessibleCaption(const QString& name) {
  setAccessibleName(name);
  m_edit->setAccessibleName(name);
  m_list->setAccessibleName(name + " list");
}

void ComboBox::selectAllText() { m_edit->selectAll(); }

void ComboBox::resizeEvent(QResizeEvent*) {
  int editHeight = std::min(height(), m_edit->sizeHint().height());
  m_edit->setGeometry(0, 0, width(), editHeight);
  m_list->setGeometry(0, editHeight, width(), std::max(0, height() - editHeight));
}

bool ComboBox::eventFilter(QObject* o, QEvent* e) {
  if (o == m_edit && e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    // With Alt or Meta held a key is an access key or a command, as in every text box: it
    // types nothing, and goes on to the window.
    if (isCommandKey(k)) {
      k->ignore();
      return true;
    }
    int n = m_list->count();
    if (n > 0 && (k->key() == Qt::Key_Down || k->key() == Qt::Key_Up)) {
      int next = m_index < 0 ? 0 : m_index + (k->key() == Qt::Key_Down ? 1 : -1);
      if (next >= 0 && next < n) choose(next);
      return true;
    }
  }
  return QWidget::eventFilter(o, e);
}

}  // namespace plat
