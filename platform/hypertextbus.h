#pragma once
// A text with links, as the desktop's accessibility bus offers it to screen readers: the bus
// has a hypertext interface (how many links, each link, the link at a character) and a
// hyperlink interface for each link (where it stands in the text, where it leads), which the
// toolkit's own bridge to the bus does not serve. A text's accessible interface that is also
// an AccessibleHypertext gets both on the bus, its links being their own accessible objects
// with the toolkit's hyperlink interface.

#include <QAccessible>
#include <QDBusMessage>

namespace plat {

class AccessibleHypertext {
 public:
  virtual ~AccessibleHypertext() = default;
  virtual int linkCount() const = 0;
  virtual QAccessibleInterface* linkAt(int index) const = 0;
  // The link whose text holds a character of the text; -1 for none.
  virtual int linkIndexAtCharacter(int offset) const = 0;
};

// Serves the two interfaces on the accessibility bus from now on, beside everything the
// toolkit serves there; nothing where there is no such bus. Called again, it does nothing
// more, unless the toolkit has put its own service back (a screen reader started anew).
void offerHypertextOnBus();

// The answer to a call from the bus that the two interfaces take (an object's interfaces
// among them), from the program known on the bus as busName; an invalid message for a call
// that is the toolkit's to answer.
QDBusMessage answerHypertextCall(const QDBusMessage& call, const QString& busName);

}  // namespace plat
