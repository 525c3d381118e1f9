#pragma once
// A combo box of the simple kind: a text field with its list always open beneath it. The
// text may be typed or taken from the list; a click on an entry puts the entry into the text
// and fires Click, a double click then fires DblClick. The arrow keys in the text field step
// through the list. Clearing the list leaves the text as it is. A key with Alt or Meta held
// types nothing (AltGr types its character), as in a text box.

#include <QWidget>
#include <functional>

class QLineEdit;
class QListWidget;

namespace plat {

class ComboBox : public QWidget {
  Q_OBJECT
 public:
  explicit ComboBox(QWidget* parent);

  QString text() const;
  void setText(const QString& t);

  void addItem(const QString& item);
  // Inserts at an index (0 to the count); any other index appends.
  void addItem(const QString& item, int index);
  void removeItem(int index);
  void clear();
  int listCount() const;
  QString list(int index) const;  // empty outside the list
  // The entry whose text the field holds (chosen in the list, or typed to the letter
  // regardless of case), or -1.
  int listIndex() const { return m_index; }
  // Chooses an entry: the text becomes it and Click fires. -1 only clears the choice.
  void setListIndex(int index);

  void setAccessibleCaption(const QString& name);
  void selectAllText();
  QLineEdit* edit() const { return m_edit; }
  QListWidget* listBox() const { return m_list; }

  std::function<void()> onChange;
  std::function<void()> onClick;
  std::function<void()> onDblClick;

 protected:
  void resizeEvent(QResizeEvent*) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void choose(int index);
  void followText();
  QLineEdit* m_edit;
  QListWidget* m_list;
  int m_index = -1;
  bool m_choosing = false;
};

}  // namespace plat
