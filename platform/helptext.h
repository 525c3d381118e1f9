#pragma once
// The help window's page as a reader meets it. Sighted users see the page as before: arrows
// move it a line a press, Tab goes from link to link and Enter follows one. Underneath, an
// unseen caret moves with the arrows, so a screen reader reads the page by its caret, a line
// or a word at a time, and hears each link as a link it can list, focus and follow.

#include <QAccessible>
#include <QTextBrowser>
#include <vector>

#include "platform/accessible.h"

namespace plat {

class HelpText : public QTextBrowser {
  Q_OBJECT
 public:
  explicit HelpText(QWidget* parent);

  // One link of the page: where its text stands in the page's text, what it says and where
  // it leads.
  struct Link {
    int start = 0, end = 0;
    QString text;
    QString target;
  };
  const std::vector<Link>& links() const { return m_links; }
  // A link as screen readers know it, the same object for as long as its page shows.
  QAccessibleInterface* linkAccessible(int index);
  // The link Tab has landed on, while the page has the focus; -1 for none.
  int focusedLink() const;
  // Moves the focus to a link, as Tab does.
  void focusLink(int index);
  // Follows a link, as Enter on it and a click do.
  void followLink(int index);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void findLinks();
  void tellLinkFocused();
  std::vector<Link> m_links;
  PartInterfaces m_linkParts;
};

}  // namespace plat
