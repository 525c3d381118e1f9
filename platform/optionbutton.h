#pragma once
// Option buttons: of the option buttons that share a container (a frame, a panel, a picture
// or the window) one at most is chosen. Click fires on the button that becomes chosen, by
// the mouse, the keyboard, automation or code, and only when the choice changes: choosing
// the option already chosen fires nothing.
//
// OptionGroup is the indexed group the windows name (unitOptions(0), unitOptions(1)): one handler
// receives the index of the member that became chosen. A group starts with none chosen, so
// a load step that chooses the saved option always runs its handler.
//
// The keyboard: Tab enters a container's options at the chosen one (at the first while none
// is chosen) and leaves them at the next Tab; the arrow keys move the choice among them, and
// the focus with it, unless the Click of the option chosen gives the focus to another
// control: there it stays, as after a click of the mouse. Up and Left choose the previous
// option, Down and Right the next, in reading order (down each column, then the next
// column), wrapping round at the ends: an arrow never leaves the group.
//
// Screen readers hear each option with the name of its group: the container the options
// stand in, a frame named by its caption or, where the container shows no caption, the name
// the window gives the group for what it chooses.

#include <QRadioButton>
#include <functional>

#include "platform/controlarray.h"
#include "runtime/colour.h"

namespace plat {

class OptionButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit OptionButton(QWidget* parent, const QString& caption = QString());
  void setCaption(const QString& caption);
  QString caption() const { return text(); }
  bool value() const { return isChecked(); }
  // True chooses this option (its neighbours are cleared); false clears it, leaving none of
  // its container chosen.
  void setValue(bool chosen);
  void setForeColor(rt::Colour c);
  void setBackColor(rt::Colour c);  // an opaque background
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent*) override;
  void focusInEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  static void updateTabStop(QWidget* container);
  static QList<OptionButton*> readingOrder(QWidget* container);
  void runClick();
};

class OptionGroup : public ControlArray<OptionButton> {
 public:
  OptionGroup() = default;
  OptionGroup(const OptionGroup&) = delete;
  OptionGroup& operator=(const OptionGroup&) = delete;
  // The members outlive the group when it is a window's member; they stop reporting to it.
  ~OptionGroup();
  // Makes the member of an index in a container.
  OptionButton* add(int index, QWidget* container, const QString& caption);
  // The index of the chosen member, or -1.
  int value() const;
  // Chooses a member (its Click fires when that changes the choice).
  void choose(int index);
  // Names the group for screen readers where its container shows no caption of its own (a
  // panel of options): what its options choose ("Elbow"), so that options of like captions
  // in other groups ("Shortest") are told apart. The container is named, members there are
  // and members to come; nothing on screen changes.
  void setGroupName(const QString& name);
  std::function<void(int index)> onClick;

 private:
  void nameContainer(const OptionButton* member) const;
  QString m_groupName;
};

}  // namespace plat
